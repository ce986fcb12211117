// Computer-run clubs bidding for players on their transfer day: whether the
// club needs a player, which player of the right strength it goes for, what
// it offers, and the club that takes on a player whose contract ran out.
// They read the transfer working set that the squad analysis of the same day
// filled (clubsim/squadplan.h).
#pragma once

#include <cstdint>

// At most one bid (or one approach to a human manager) for the club.
void ComputerClubBids(int16_t club);

// The best player the club could buy for the working set's position to bid
// for, rated from `rating` up to 3 % above it, affordable within the budget
// and the top weekly wage; -1 none. flagA 0 looks at players of the game
// country's clubs and of no club, 1 at those of foreign clubs; flagB is the
// transfer-list state the ordinary wage route asks for.
int16_t PickBidTarget(int32_t rating, int16_t club, int16_t flagA, int16_t flagB, int32_t budget, int32_t maxWage);

// The fee the club offers for the player; 0 for a player of no club, -1 when
// it will not bid. Counts the bid on the player when the fee is not 0.
int32_t CalcComputerOfferPrice(int16_t player, int16_t club);

// The first computer-run club (in transfer-day order, his own aside) that
// wants the player at his position and can pay his wage; -1 none. Leaves the
// last club looked at as the current manager's and the squad list's.
int16_t FindClubForPlayer(int16_t player);

// A club's standing in the market, lower is stronger: as a bidder, and as
// the club a player would leave.
int32_t BidderStanding(int16_t club);
int32_t OwnerStanding(int16_t club);
