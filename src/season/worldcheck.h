// The world's invariants, checked after a day by the career tool and by the
// long-running tests: a breach names its rule and what it found.
//
//   money      every balance plus the pool moves only by money booked as
//              entering or leaving the world (MoneyFlow_Total)
//   divisions  the game country's divisions hold the clubs its rules give
//              (in the league season; play-offs follow its last day)
//   squads     no club holds more players than its squad list can show
//   shirts     no shirt number twice in a club's squad
//   fixtures   the fixture list in day order, no club twice on one day
//   tables     the league tables agree with the played league fixtures
//   records    the players' appearances and goals of the season agree with
//              the squad entries of the played fixtures (but for players of
//              clubs outside the game country's league, whose figures their
//              match-day picks make up)
//   sides      every side the match day picks (from WorldCheck_Begin on) has
//              shirts 1-11 on different players, none injured, banned or
//              cup-tied for the match, and the pick costs each running ban
//              one match and nobody else anything
//   discipline disciplinary points and suspensions are what the season's
//              cards and the matches served make of them (European points
//              only for players whose figures were made up)
#pragma once

#include <cstdint>
#include <string>

// Notes the world's money as it stands now (after a new game or a load) and
// begins to watch the match day's picks.
void WorldCheck_Begin();

// Checks every rule; answers true when all hold, else false with the first
// breach in *rule (its name) and *detail (what was found).
bool WorldCheck_Run(std::string* rule, std::string* detail);

// The world's money: every club's balance plus the pool.
int64_t WorldCheck_TotalMoney();

void WorldCheck_Reset();
