// A computer-run club looks at its own squad before it trades: how big the
// squad should be for its money, how many players it really has, who is its
// weakest surplus player, who wants to leave and at which position it is
// weakest. The answers go into the transfer working set that the bidding
// (clubsim/compbids.h) reads. Then it lists or keeps its unsettled players,
// marks its best players not for sale and offers young reserves on loan.
// Everything here works over the current squad list, which must hold the
// club, and follows the current manager (CurrentManager, season/seam.h).
#pragma once

#include <cstdint>

#include "clubsim/valuation.h"

constexpr int NUM_PRICE_BANDS = 10;
constexpr int NUM_RATING_COLUMNS = 13;
constexpr int32_t NO_SQUAD_NEED = 30000;  // FindSquadNeed: the club needs nobody

// The spending budgets above which a club wants one player more (16-26).
extern const int32_t PriceBands[NUM_PRICE_BANDS];
// Per stored position: the weight of each rated stat (linear). Columns: ability
// 0, 2, 3, 4, 1, 5, physical 9, 13, 8, 10, personality 19, ability 6, physical 14.
extern const int8_t PositionRatingWeights[NUM_STORED_POSITIONS][NUM_RATING_COLUMNS];

// The transfer working set, refilled for each club on its transfer day.
struct TransferWorkingSet {
  int16_t wanted;          // wanted squad size
  int16_t available;       // players the club can count on
  int16_t foreign;         // foreign players in the squad
  int32_t shirtedAverage;  // average rating of the players wearing a shirt
  int32_t listAverage;     // average rating of the whole list
  int16_t surplus;         // the weakest surplus player, -1 none
  int16_t requester;       // a player asking to leave who is not listed, -1 none
  int16_t bidPosition;     // the stored position to strengthen
  int16_t wantedSide;      // the side wanted there (side 3 suits any)
  int16_t searchAll;       // 1 when a whole position group is short
};
extern TransferWorkingSet TransferWork;

// Whether players of the nationality count as foreign in a squad: those from
// outside the western half of Europe.
bool NationalityCountsForeign(int16_t nationality);

// The player's rating at a stored position 0-12 (another position rates 0).
int32_t RatePlayer(int16_t player, int16_t position);
// The same from the stats he will have in a year or more.
int32_t RatePlayerPotential(int16_t player, int16_t position);
// The team selection's rating: the same weights, an outfield player in goal
// rated like a keeper.
int32_t RatePlayerForSlot(int16_t player, int16_t position);

// Fills the working set for the club.
void AnalyseSquad(int16_t club);
// Lists or refuses the player asking to leave, takes listed players back when
// the squad is short, and lists one surplus player when it is large.
void DecideTransferListings(int16_t club);
// The club's best players (reputation / 4 + 2 of them) become not for sale.
void MarkBestPlayersNotForSale(int16_t club);
// Puts the club's young reserves on the loan list when the squad is large.
void LoanListYoungPlayers(int16_t club);
// Rates the club's starters at their positions and keeps nothing.
void ScoreSquadRatings(int16_t club);

// The rating the club wants at its weakest position, NO_SQUAD_NEED when it
// needs nobody; sets the position to bid for, the wanted side and the
// search-all flag of the working set.
int32_t FindSquadNeed(int16_t club);

void SquadPlan_Reset();
