// TEMPORARY: the club simulation's steps that the transfer day calls and that
// are being built elsewhere at the same time (team selection, squad planning,
// computer clubs' bids and buying). Declared as they will be; the definitions
// in pending_i18-window.cpp do the least that keeps the world sound and go
// when the real ones arrive.
#pragma once

#include <cstdint>

// Team selection: shirts 1-11 and the substitutes afresh for the club's
// listed players (the current squad list holds the club).
void SelectMatchTeam(int16_t club, int16_t competition, int16_t mode, int16_t substitutes);
// 0 when each of the shirts 1..n is worn by a listed player of the club, else -1.
int16_t IsTeamComplete(int16_t club, int16_t n);

// Squad planning of a computer-run club on its transfer day.
void AnalyseSquad(int16_t club);
void DecideTransferListings(int16_t club);
void MarkBestPlayersNotForSale(int16_t club);
void LoanListYoungPlayers(int16_t club);

// A computer-run club's bid of its transfer day, and the occasional shopping
// of a foreign club.
void ComputerClubBids(int16_t club);
void ComputerSquadBuying(int16_t club);
