#include "clubsim/transferday.h"

#include "clubsim/bids.h"
#include "clubsim/clubsvc.h"
#include "clubsim/compbids.h"
#include "clubsim/contracts.h"
#include "clubsim/squad.h"
#include "clubsim/squadlist.h"
#include "clubsim/squadplan.h"
#include "clubsim/teamsel.h"
#include "clubsim/upkeep.h"
#include "engine/poll.h"
#include "engine/reset.h"
#include "season/progress.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/static_clubs.h"
#include "world/static_country.h"

int16_t ClubProcessingList[NUM_CLUBS];

namespace {

constexpr int LEAGUE_DIVISIONS = 6;
constexpr int16_t DAILY_MODE = 1;
constexpr int16_t MONTHLY_TURN_DIVISOR = 31;
constexpr int16_t WEEKLY_TURN_DIVISOR = 5;
constexpr int16_t WEEKLY_TURN_FIRST_WEEKDAY = 2;
constexpr int16_t MATCH_SHIRTS = 11;
// The transfer day's match side: no competition of its own, no substitutes.
constexpr int16_t TRANSFER_DAY_COMPETITION = 0;
constexpr int16_t TRANSFER_DAY_SELECTION_MODE = 0;

int16_t DeadlineStart(int period) {
  const int16_t starts[NUM_DEADLINE_PERIODS] = {DeadlineDay1, DeadlineDay2, DeadlineDay3};
  return starts[period];
}

void GameCountryClubTurn(int16_t club, int16_t mode, int16_t allowDeals, bool periodInForce) {
  const bool computerRun = Club_GetControl(club) == 0;
  CurrentManager = GetClubManager(club);
  BuildClubSquadList(club);
  if (computerRun && IsTeamComplete(club, MATCH_SHIRTS) != 0)
    SelectMatchTeam(club, TRANSFER_DAY_COMPETITION, TRANSFER_DAY_SELECTION_MODE, 0);
  if (computerRun) {
    AnalyseSquad(club);
    DecideTransferListings(club);
    MarkBestPlayersNotForSale(club);
  }
  if (mode != DAILY_MODE || allowDeals == 0) return;
  if (computerRun && !periodInForce) {
    LoanListYoungPlayers(club);
    ComputerClubBids(club);
  }
  if (Club_GetContractClause(club) == 0) RenewSquadContracts(club);
}

}  // namespace

void BuildClubProcessingList() {
  int n = 0;
  for (int16_t club = 0; club < NUM_CLUBS; ++club)
    if (Club_GetFullRecord(club) != nullptr && Club_GetCountry(club) == GameCountry &&
        Club_GetDivision(club) < LEAGUE_DIVISIONS)
      ClubProcessingList[n++] = club;
  int tableClubs = 0;
  if (IsGameCountry(GameCountry))
    for (int16_t club = 0; club < NUM_CLUBS; ++club)
      if (CountryClubList[GameCountry][club] != NO_DB_CLUB) ++tableClubs;
  for (int16_t club = 0; club < tableClubs && n < NUM_CLUBS; ++club)
    if (Club_GetCountry(club) != GameCountry && Club_GetDivision(club) < LEAGUE_DIVISIONS &&
        Club_GetDbId(club) != NO_DB_CLUB)
      ClubProcessingList[n++] = club;
  while (n < NUM_CLUBS) ClubProcessingList[n++] = -1;
}

int CountPeriodsStartingAfter(int32_t day) {
  int count = 0;
  for (int period = 0; period < NUM_DEADLINE_PERIODS; ++period)
    if (day == DeadlineStart(period) - 1) ++count;
  return count;
}

int CountPeriodsInForce(int32_t day) {
  int count = 0;
  for (int period = 0; period < NUM_DEADLINE_PERIODS; ++period)
    if (DeadlinePeriodInForce(period, day)) ++count;
  return count;
}

bool TakesTransferTurn(int16_t club, int16_t mode, bool periodStartsTomorrow) {
  if (mode != DAILY_MODE) return true;
  if (DayOfSeason == MarketStartDay()) return true;
  if (DayOfSeason > Postdate) return club % MONTHLY_TURN_DIVISOR == DayOfMonth;
  return club % WEEKLY_TURN_DIVISOR + WEEKLY_TURN_FIRST_WEEKDAY == Weekday || periodStartsTomorrow;
}

void UpdateTransferWindows(int16_t mode, int16_t allowDeals) {
  const bool startsTomorrow = CountPeriodsStartingAfter(DayOfSeason) > 0;
  const bool inForce = CountPeriodsInForce(DayOfSeason) > 0;
  BuildClubProcessingList();

  ProgressWords_Reset();
  int16_t total = 0;
  for (int16_t club : ClubProcessingList)
    if (club >= 0 && TakesTransferTurn(club, mode, startsTomorrow)) ++total;
  ProgressWords.step = 0;
  ProgressWords.total = total;

  for (int16_t club : ClubProcessingList) {
    if (club < 0 || !TakesTransferTurn(club, mode, startsTomorrow)) continue;
    ++ProgressWords.step;
    Poll();
    if (Club_GetDivision(club) >= LEAGUE_DIVISIONS) continue;
    if (Club_GetCountry(club) != GameCountry) {
      ComputerSquadUpkeep(club, mode == DAILY_MODE ? 1 : 0);
      continue;
    }
    GameCountryClubTurn(club, mode, allowDeals, inForce);
  }
  ProgressWords_Reset();
}

void TransferDay_Reset() {
  for (int16_t& club : ClubProcessingList) club = -1;
}
REGISTER_RESET(RESET_CLUBSIM, TransferDay_Reset);
