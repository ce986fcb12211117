// The clubs' grounds: the human manager's stand plans carried out, and each
// year end the clubs' reputations moved towards their crowds and grounds that
// are too small enlarged or rebuilt.
//
// A ground has four stands: the first and second are the ends (North and
// South), the third and fourth the sides (East and West). Each has a style
// 0-7, whose seat limits and prices are the stand projects
// (StandProjectTable, world/funcs_finance.h), and a capacity in thousands of
// seats. A new game lays the stands out with InitClubStands
// (clubsim/clubsvc.h) and clears the plans with GroundRedevelopment_Clear
// (world/funcs_finance.h).
#pragma once

#include <cstdint>

// Carries out the stand plans of the human manager who runs the club. A
// stand with a project (a style 0-7) is closed (capacity 0) and built in the
// new style for the style's price and its extra seats at the style's price
// per thousand; the plan keeps those seats as the capacity the stand
// reopens with. A stand without one first reopens at the capacity kept, if
// any, then gains its extra seats at its own style's price per thousand.
// Every cost goes to the pool and into the club's miscellaneous outgoings.
// A computer-run club stops the program (FatalExit) with its message.
void HumanGroundRedevelopment(int16_t club);

// The year end of every league club of the game country with a full record:
// its reputation moves a point towards its average crowd in thousands; when
// the crowd fills more than 80 % of the ground, the club spends up to half of
// what its balance leaves over 125 weeks of its squad's wages on more seats
// in the stands that have room, or, with no room left, rebuilds one stand in
// the next style (closed for the season), the old stand's salvage helping.
void ClubsYearEndGroundUpdate();
