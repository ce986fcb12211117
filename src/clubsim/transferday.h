// The transfer day: whether a transfer deadline is in force or starts
// tomorrow, which clubs take their turn today, and each such club's squad and
// market steps. The day's tick runs it with mode 1 and deals allowed; a load
// and a new season run it with mode 0, every club once without deals.
#pragma once

#include <cstdint>

#include "world/records.h"

// Clubs in the order they take their turns; -1 after the last.
extern int16_t ClubProcessingList[NUM_CLUBS];

// The list afresh: the game country's league clubs with a full record in
// club order, then, with n the clubs of the game country's club table, the
// clubs 0 to n - 1 of other countries that play in a league (division below
// 6) and have a database number; -1 for the rest.
void BuildClubProcessingList();

// Whether the club takes its turn on the day: always unless mode is 1; on
// the market's start day; after the postdate when club mod 31 is the day of
// the month; up to it when club mod 5 + 2 is the weekday or a deadline
// period starts tomorrow.
bool TakesTransferTurn(int16_t club, int16_t mode, bool periodStartsTomorrow);

// Deadline periods that start the day after the given day, and those in force on it.
int CountPeriodsStartingAfter(int32_t day);
int CountPeriodsInForce(int32_t day);

// The transfer day of the clubs whose turn it is (every listed club unless
// mode is 1). A foreign club keeps its squad (ComputerSquadUpkeep); a game
// country club gets its manager and squad list, a match side when shirts 1-11
// are not all worn (computer-run clubs), then a computer-run club's squad
// analysis, listings and not-for-sale marks. Only with mode 1 and deals
// allowed: outside the deadline periods a computer-run club loan-lists young
// players and bids, and a club without the contract clause renews contracts.
// The progress words count the clubs and are reset at the end.
void UpdateTransferWindows(int16_t mode, int16_t allowDeals);

void TransferDay_Reset();
