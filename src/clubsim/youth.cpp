#include "clubsim/youth.h"

#include <algorithm>

#include "clubsim/injuries.h"
#include "clubsim/simcounts.h"
#include "clubsim/squadlist.h"
#include "clubsim/yearend.h"
#include "engine/rand.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/funcs.h"
#include "world/history.h"
#include "world/lists.h"
#include "world/players.h"
#include "world/textmess.h"
#include "world/worldgen.h"

void (*PlayerRemadeWatcher)(int16_t player) = nullptr;

namespace {

constexpr int16_t HUMAN_MANAGER_PLAYER = 0;
constexpr int16_t NO_MANAGER_PLAYER = 1;
constexpr int16_t FIRST_TRAINEE = 2;  // players 0 and 1 are never taken on
constexpr int16_t POSITION_KEEPER = 0;

constexpr int NEWS_GAFFER_RETIRES = 30;   // "Manager $0p has retired from the game."
constexpr int NEWS_PLAYER_RETIRES = 29;   // "$0p has retired from the game."
constexpr int NEWS_TRAINEE_SIGNS = 96;    // "$0n year old $0g $0p has signed professional terms with $0t."
constexpr int16_t TEXT_POSITION_TYPE = 300;  // + position type 0-3
constexpr int16_t CLUB_EVENT_TRAINEE = 11;
constexpr int32_t YEARS_AT_STORED_AGE_0 = 16;

constexpr int32_t NEWCOMER_FITNESS = 30;
constexpr int32_t NEWCOMER_MORALE = 60;
constexpr int32_t PHYSICAL_BASE_RANGE = 50;
constexpr int32_t CURVE_STEPS = 50;  // an ability curve is a step 0-49 x 5 plus 0-4
constexpr int32_t CURVE_STEP = 5;
constexpr int32_t TRAINEE_CONTRACT = 12;
constexpr int32_t TRAINEE_WAGE = 2;
// The youth development officer's level as the trainee's curve reads it: at
// 17 or more the second draw would be of nothing.
constexpr int16_t YDO_LEVEL_TOP = 16;

// The youth intake.
constexpr int KEEPER_WEEK_CHANCE = 7;  // one week in seven the clubs look for keepers
constexpr int16_t TRAINEE_SQUAD_MAX = 28;
constexpr int YOUTH_COACH_DICE = 120;
constexpr int LEAGUE_DIVISIONS = 6;
// The cups whose ties a newcomer has none of (cup 5 keeps its mark).
constexpr int kClearedCups[] = {0, 1, 2, 3, 4, 6};

bool FullRecord(int16_t p) { return p >= 0 && p < PlayerCount; }

bool ClubOfTheWorld(int16_t club) {
  return club >= 0 && club < NUM_CLUBS &&
         (Club_GetFullRecord(club) != nullptr || Club_GetMinorRecord(club) != nullptr);
}


// The newcomer's record, everything but his ability curve and his club.
void MakeNewcomer(int16_t p) {
  Player_SetInitial(p, NEWCOMER_INITIALS[GameRandom() % NUM_NEWCOMER_INITIALS] - 64);

  Player_SetSellOnClause(p, -1);
  Player_SetBidCount(p, 0);
  Player_SetAge(p, 0);
  Player_SetContract(p, 0);
  Player_SetBRClause(p, 0);
  Player_SetRRClause(p, 0);
  Player_SetCareerGoals(p, 0);
  Player_SetCareerApps(p, 0);
  Player_SetGoals(p, 0);
  Player_SetApps(p, 0);
  Player_SetFatigue(p, 0);
  Player_SetFitness(p, NEWCOMER_FITNESS);
  Player_SetCaptain(p, 0);
  Player_SetEuroBan(p, 0);
  Player_SetEuroDispoints(p, 0);
  Player_SetDispoints(p, 0);
  Player_SetSuspension(p, 0);
  Player_SetBanwait(p, 0);
  Player_SetRecurringInjury(p, 0);
  Player_SetClub(p, PLAYER_CLUB_FREE_AGENT);
  Player_SetPerf(p, 0);
  Player_SetTxList(p, 0);
  Player_SetTxReq(p, 0);
  Player_SetLoanList(p, 0);
  Player_SetMorale(p, NEWCOMER_MORALE);
  YearEnd_ClearMarketPrice(p);  // while the wage is still his predecessor's
  Player_SetWage(p, 0);
  Player_SetShirt(p, 0);
  Player_SetExperience(p, 0);

  AssignPlayerPhysicalStats(p, GameRandom() % PHYSICAL_BASE_RANGE);
  Player_RandomAbilityStats(p);
  Player_SetReputation(p, 0);
  Player_SetTraining(p, 0);

  // Whatever list still names him is his predecessor's: an injury heals with
  // the old player, a loan ends with him.
  for (int16_t slot = InjuryList_FindPlayer(p); slot >= 0; slot = InjuryList_FindPlayer(p)) InjuryList_FreeSlot(slot);
  Player_SetInFlag(p, 0);
  for (int16_t slot = 0; slot < NUM_LOANS; ++slot) {
    if (Loan_GetPlayerNo(slot) != p) continue;
    Loan_SetPlayerNo(slot, -1);
    Loan_SetLoanClub(slot, PLAYER_CLUB_NONE);
    Loan_SetLoanWeeks(slot, 0);
  }
  Player_SetOnLoan(p, 0);
  Player_SetBossvane(p, 0);
  Player_SetCaretaker(p, 0);
  Player_SetManager(p, 0);
  Player_SetSaleStatus(p, 0);
  for (int cup : kClearedCups) Player_SetCupTied(p, PLAYER_CLUB_NONE, cup);
  PlayerCareerLog_RemovePlayer(p);
  if (PlayerRemadeWatcher != nullptr) PlayerRemadeWatcher(p);
}

// rand() % range, for a range that is at least 1.
int32_t Draw(int32_t range) { return GameRandom() % std::max(range, int32_t{1}); }

// A foreign free agent goes home: the club of his country with the smallest
// squad below the limit, the first on a tie; -1 when there is none.
int16_t SmallestSquadOfCountry(int16_t country) {
  int16_t sizes[NUM_CLUBS];
  CountAllClubSquads(sizes);
  int16_t best = -1;
  for (int16_t club = 0; club < NUM_CLUBS; ++club) {
    if (!ClubOfTheWorld(club) || Club_GetCountry(club) != country) continue;
    if (sizes[club] >= NEWCOMER_SQUAD_LIMIT) continue;
    if (best < 0 || sizes[club] < sizes[best]) best = club;
  }
  return best;
}

}  // namespace

void RegeneratePlayer(int16_t player) {
  if (!FullRecord(player) || player == HUMAN_MANAGER_PLAYER || player == NO_MANAGER_PLAYER) return;
  const int16_t club = Player_GetClub(player);
  SetNewsArgs(club, -1, player, -1, -1, -1, -1, -1, -1);
  const bool manager = Player_GetPosition(player) == POSITION_MANAGER;
  ShowNewsMessage(GetRandomNewsText(manager ? NEWS_GAFFER_RETIRES : NEWS_PLAYER_RETIRES), 0, NEWS_SHOW_HUMAN_CLUB,
                  club, -1);

  MakeNewcomer(player);
  Player_SetAbilityCurve(player, GameRandom() % CURVE_STEPS * CURVE_STEP + GameRandom() % CURVE_STEP);
  ++ClubSimCount.retired;
  ++ClubSimCount.youth;

  // Held for a club abroad, he stays in the reserve pool for it.
  if (Player_GetReserveSlot(player) != -1) {
    Player_SetClub(player, PLAYER_CLUB_RESERVE_POOL);
    return;
  }
  const int16_t nationality = Player_GetNationality(player);
  if (nationality == GameCountry) return;
  const int16_t home = SmallestSquadOfCountry(nationality);
  if (home >= 0) Player_SetClub(player, home);
}

void YouthPlayer(int16_t player, int16_t club, int16_t ydoLevel) {
  if (!FullRecord(player) || player == HUMAN_MANAGER_PLAYER || player == NO_MANAGER_PLAYER) return;
  const int32_t y = std::clamp<int32_t>(ydoLevel, 0, YDO_LEVEL_TOP);
  MakeNewcomer(player);
  const int32_t step = Draw(3 * y + 1);
  const int32_t curve = (step + Draw(CURVE_STEPS - 3 * y)) * CURVE_STEP;
  Player_SetAbilityCurve(player, curve + GameRandom() % CURVE_STEP);
  Player_SetContract(player, TRAINEE_CONTRACT);
  Player_SetClub(player, club);
  Player_SetWage(player, TRAINEE_WAGE);
  ++ClubSimCount.youth;

  SetNewsArgs(club, -1, player, -1, -1, static_cast<int16_t>(TEXT_POSITION_TYPE + GNW_GetPositionType(player)), -1,
              YEARS_AT_STORED_AGE_0 + Player_GetAge(player), -1);
  ShowNewsMessage(GetRandomNewsText(NEWS_TRAINEE_SIGNS), 0, NEWS_SHOW_HUMAN_CLUB, club, -1);
  ClubEventLog_Add(player, club, 0, 0, CLUB_EVENT_TRAINEE);
}

void YouthIntake() {
  const bool keeperWeek = GameRandom() % KEEPER_WEEK_CHANCE == 0;
  int16_t sizes[NUM_CLUBS];
  CountAllClubSquads(sizes);
  for (int16_t club = 0; club < NUM_CLUBS; ++club) {
    if (Club_GetCountry(club) != GameCountry) continue;
    const int16_t division = Club_GetDivision(club);
    if (division < 0 || division >= LEAGUE_DIVISIONS || !ClubOfTheWorld(club)) continue;
    if (sizes[club] > TRAINEE_SQUAD_MAX) continue;
    const int16_t coach = Club_GetCoachYouth(club);
    if (coach <= 0 || GameRandom() % YOUTH_COACH_DICE >= coach) continue;
    for (int16_t p = FIRST_TRAINEE; p < PlayerCount; ++p) {
      if (Player_GetClub(p) != PLAYER_CLUB_NONE) continue;
      const int16_t position = Player_GetPosition(p);
      if (position == POSITION_MANAGER || (position == POSITION_KEEPER) != keeperWeek) continue;
      if (BidInfo_FindPlayer(p) >= 0) continue;
      YouthPlayer(p, club, Club_GetYDO(club));
      ++sizes[club];
      break;
    }
  }
}
