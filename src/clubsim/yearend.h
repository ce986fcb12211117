// The players' new year: every loan and bid ends, everyone is a year older,
// the new year's figures start from nothing, players without a future in the
// game retire (and are made again as newcomers, clubsim/youth.h) or turn to
// management, and the free agents are topped up from the young unattached
// players.
#pragma once

#include <cstdint>

// The cups (0-6) whose cup-tied clubs the new year clears; cup 5 stays.
bool YearEnd_ClearsCupTie(int cup);

// One player's season reset: market price -1 (whatever his wage), sale status
// 0, season goals, appearances and performance 0, off the transfer and loan
// lists, bid count 0, league and European disciplinary points 0, cup-tied to
// nobody (255) for cups 0-4 and 6. Suspensions still to serve stay.
void YearEnd_ResetPlayerSeason(int16_t player);

// The player's market price cleared (-1): a price is kept only while he has a
// wage, so a player without one is given a wage of 1 for the clearing.
void YearEnd_ClearMarketPrice(int16_t player);

// Managers stop being made from retiring players once there are this many
// (CountManagers); below the first mark a strong character suffices, between
// the two a name in the game.
constexpr int16_t MANAGERS_EASY_MARK = 114;
constexpr int16_t MANAGERS_FULL_MARK = 134;
// The new year leaves at least this many free agents while young unattached
// players remain.
constexpr int16_t FREE_AGENTS_WANTED = 150;
// Unattached players (club 255, no managers) below this stored age are the
// young ones the free agents are made up from.
constexpr int16_t YOUNG_UNATTACHED_BELOW = 8;

// The players at club 254 (free agents).
int16_t CountFreeAgents();

// The new year of every player, in this order:
// 1. Every loan ends: the player goes back to the club that lent him, off the
//    loan list and without a shirt (the borrower's shirt stays with it).
// 2. Reserves still at a club for a match go back to the free agents.
// 3. Every pending bid answer and every club's bid slots are cleared.
// 4. Player by player: player 1 (no manager) loses his reputation and
//    experience; the human manager (player 0, as a manager) ages only while
//    he plays, and stops playing past stored age 24; everyone else is a year
//    older, and those held abroad or at a club outside the game country get
//    invented figures and a wage as they ask. Player 0 not yet a manager
//    becomes one at stored age 24. Then the season reset; then:
//    - a manager (player 2 on) retires past stored age 46;
//    - a player with a contract or a market value stays up to stored age 24;
//    - otherwise a young one (stored age below 14) retires, one time in
//      three and a bit past stored age 4, or else stays at his club, listed
//      with wage 1 (from stored age 2); an older playing manager hangs up his
//      boots and manages his club; any other becomes a manager without a club
//      while managers are few (a strong character below 114 managers, a name
//      in the game below 134) or retires;
//    - a free agent of stored age 2 becomes unattached and listed (wage 1).
// 5. With fewer than 150 free agents, the first young unattached players
//    (stored age below 8, no managers, players 0 and 1 aside) make up the
//    number as free agents without a wage.
// 6. Nobody outside the clubs 0-249 keeps a shirt number.
void YearEndPlayers();

// Told when YearEndPlayers has finished (the world check looks at the free
// agents then).
extern void (*YearEndWatcher)();
