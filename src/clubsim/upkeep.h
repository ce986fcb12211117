// The club simulation's smaller recurring steps: a foreign club's squad
// upkeep on its transfer day, the weekly wage bill, the morale a match
// selection brings, the daily decay of the clubs' teamwork and set pieces,
// the monthly turnover of the staff on the market, and the human manager's
// event list.
#pragma once

#include <cstdint>

// Per division 0-5: how far below nothing a club's balance may be while it
// still pays its players.
extern const int32_t OverdraftLimit[6];
// The pool must hold more than this for a foreign club to go shopping.
constexpr int32_t SHOPPING_POOL_MINIMUM = 250000000;
// Wages paid by human-run clubs since the new game.
extern int32_t HumanWagesPaid;

// A foreign club's transfer day: its manager and squad list, a match side
// when shirts 1-11 are not all worn, now and then (one day in 20, while the
// pool holds more than SHOPPING_POOL_MINIMUM) shopping when allowed, and its
// contract renewals.
void ComputerSquadUpkeep(int16_t club, int16_t allowed);
// A foreign club's shopping: outside the deadline periods, a squad below
// reputation / 5 + 16 players bids once for a player at its weakest position
// (players of the game country's clubs and of no club); a human-owned target
// becomes an approach to his manager.
void ComputerSquadBuying(int16_t club);

// Weekday 2, up to 35 days after the postdate: every paid player (not a
// manager, not absent without leave) of a league club of the game country
// gets wage x 25 from his club, to the pool, while its balance is above
// minus its division's overdraft limit; the club's total wages (and a human
// club's running total) grow by it. A player whose club cannot pay asks to
// leave, and his morale falls to morale x patience / 200. Then the clubs pay
// their staff (PayStaffWages, clubsim/staffhire.h).
void PayWeeklyWages();

// After a match selection of a league club of the game country, over the
// current squad list: players left out who think themselves too good (or
// are listed) may sulk, a first-team place lifts morale, a debut makes the
// news.
void SelectionMorale(int16_t club);

// Each club's teamwork loses 35 % and its three set-piece ratings 25 %.
void DecayClubRatings();

// The month's turnover of the staff market: two to five of the thirty
// candidates withdrawn at random, then others offered until thirty are.
void TurnOverStaffCandidates();

// The human manager's event list: 500 entries of a kind (0 free) and two
// values. The game has one human manager; every manager number reads and
// writes the one list. Entries outside 0-499 read 0 and are not written.
constexpr int MANAGER_LIST_SIZE = 500;
void ManagerList_Clear();
int16_t ManagerList_FindFree(int16_t manager);  // first entry of kind 0, else -1
void ManagerList_Set(int16_t manager, int16_t entry, int16_t kind, int16_t a, int16_t b);
int16_t ManagerList_GetKind(int16_t manager, int16_t entry);
int16_t ManagerList_GetA(int16_t manager, int16_t entry);
int16_t ManagerList_GetB(int16_t manager, int16_t entry);
void ManagerList_DropKinds(int16_t manager);  // kinds 9-13 become 0

void Upkeep_Reset();
