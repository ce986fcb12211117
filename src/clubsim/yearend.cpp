#include "clubsim/yearend.h"

#include "clubsim/bids.h"
#include "clubsim/clubsvc.h"
#include "clubsim/squad.h"
#include "clubsim/valuation.h"
#include "clubsim/youth.h"
#include "engine/rand.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/lists.h"
#include "world/players.h"
#include "world/playerstats.h"
#include "world/textmess.h"

void (*YearEndWatcher)() = nullptr;

namespace {

constexpr int16_t HUMAN_MANAGER_PLAYER = 0;
constexpr int32_t NO_CLUB = PLAYER_CLUB_NONE;
constexpr int NUM_CUP_TIES = 7;
constexpr int32_t WAGE_UNIT = 25;

// Stored ages (years - 16).
constexpr int16_t PLAYING_MANAGER_TOP_AGE = 24;  // the human manager plays no more past it
constexpr int16_t MANAGER_FROM_AGE = 24;         // player 0 manages from this age on
constexpr int16_t MANAGER_RETIRES_AFTER = 46;
constexpr int16_t CAREER_TOP_AGE = 24;           // contract or value keep a player to this age
constexpr int16_t YOUNG_BELOW = 14;              // younger players without a future may carry on
constexpr int16_t YOUNG_RETIRES_AFTER = 4;
constexpr int16_t LISTED_FROM = 2;
constexpr int16_t UNATTACHED_AT = 2;

constexpr int YOUNG_RETIRE_PERCENT = 30;
constexpr int16_t STRONG_CHARACTER_STAT = 19;
constexpr int16_t STRONG_CHARACTER_ABOVE = 80;
constexpr int32_t A_NAME_ABOVE = 80;  // reputation + experience

constexpr int NEWS_HANGS_UP_BOOTS = 28;  // "Gafferon $0p has decided to hang up his boots ..."


void EndEveryLoan() {
  for (int16_t slot = 0; slot < NUM_LOANS; ++slot) {
    const int16_t p = Loan_GetPlayerNo(slot);
    if (p == -1) continue;
    const int16_t owner = Loan_GetLoanClub(slot);
    Loan_SetPlayerNo(slot, -1);
    Loan_SetLoanClub(slot, NO_CLUB);
    Loan_SetLoanWeeks(slot, 0);
    if (p < 0 || p >= PlayerCount) continue;
    Player_SetOnLoan(p, 0);
    Player_SetLoanList(p, 0);
    Player_SetClub(p, owner >= 0 && owner < NUM_CLUBS ? owner : PLAYER_CLUB_FREE_AGENT);
    Player_SetShirt(p, 0);
  }
}

// A reserve a club still holds for a match goes back to the free agents; one
// who has signed for a club since (he has a wage) stays there.
void ReturnReserves() {
  for (int16_t slot = 0; slot < NUM_RESERVE_SLOTS; ++slot) {
    const int16_t p = Reserve_GetPlayer(slot);
    if (p < 0 || p >= PlayerCount || Player_GetWage(p) != 0) continue;
    const int16_t club = Player_GetClub(p);
    if (club >= 0 && club < NUM_CLUBS) Player_SetClub(p, PLAYER_CLUB_FREE_AGENT);
  }
}

void ClearEveryBid() {
  BidInfo_ClearAll();
  for (int16_t club = 0; club < NUM_CLUBS; ++club) ClubBid_ClearAll(club);
}

bool AbroadOrForeign(int16_t club) {
  return club == PLAYER_CLUB_RESERVE_POOL || (club >= 0 && club < NUM_CLUBS && Club_GetCountry(club) != GameCountry);
}

void Retire(int16_t p) { RegeneratePlayer(p); }

// A manager made from a player: he plays no more (no shirt, no armband).
void StopPlaying(int16_t p) {
  Player_SetPosition(p, POSITION_MANAGER);
  Player_SetBossvane(p, 0);
  Player_SetShirt(p, 0);
  Player_SetCaptain(p, 0);
}

// A player turned manager who waits for a club: club 255, and his wage field
// marks the club he last left (as a manager leaving a club has it).
void BecomeFreeManager(int16_t p) {
  const int16_t club = Player_GetClub(p);
  StopPlaying(p);
  Player_SetCaretaker(p, 0);
  Player_SetClub(p, NO_CLUB);
  Player_SetWage(p, club);
}

// What becomes of a player whom neither a contract nor a value keeps in the
// game (or who is past his playing years).
void NoFuture(int16_t p, int16_t* managers) {
  const int16_t age = Player_GetAge(p);
  if (age < YOUNG_BELOW) {
    const bool roll = GameRandom() % 100 < YOUNG_RETIRE_PERCENT;
    if (roll && age > YOUNG_RETIRES_AFTER) {
      Retire(p);
    } else if (age >= LISTED_FROM) {
      Player_SetWage(p, 1);
      Player_SetTxList(p, 1);
      Player_SetSaleStatus(p, 0);
    }
    return;
  }
  if (Player_GetBossvane(p) && !Player_GetCaretaker(p)) {
    StopPlaying(p);
    ++*managers;
    SetNewsArgs(Player_GetClub(p), -1, p, -1, -1, -1, -1, -1, -1);
    ShowNewsMessage(GetRandomNewsText(NEWS_HANGS_UP_BOOTS), 0, NEWS_SHOW_HUMAN_CLUB, Player_GetClub(p), -1);
    return;
  }
  bool manages = false;
  if (*managers < MANAGERS_EASY_MARK)
    manages = Player_GetPersonalityStat(p, STRONG_CHARACTER_STAT) > STRONG_CHARACTER_ABOVE;
  else if (*managers < MANAGERS_FULL_MARK)
    manages = Player_GetReputation(p) + Player_GetExperience(p) > A_NAME_ABOVE;
  if (!manages) {
    Retire(p);
    return;
  }
  BecomeFreeManager(p);
  ++*managers;
}

void NewYearOf(int16_t s, int16_t* managers) {
  if (s == NO_MANAGER_PLAYER) {
    Player_SetReputation(s, 0);
    Player_SetExperience(s, 0);
    return;
  }
  if (s == HUMAN_MANAGER_PLAYER && Player_GetPosition(s) == POSITION_MANAGER) {
    if (Player_GetBossvane(s)) Player_SetAge(s, Player_GetAge(s) + 1);
    if (Player_GetAge(s) > PLAYING_MANAGER_TOP_AGE) Player_SetBossvane(s, 0);
  } else {
    Player_SetAge(s, Player_GetAge(s) + 1);
    const int16_t club = Player_GetClub(s);
    if (AbroadOrForeign(club)) {
      EstimatePlayerStats(s);
      Player_SetWage(s, GetPlayerWageDemand(s, club) / WAGE_UNIT);
    }
  }
  if (s == HUMAN_MANAGER_PLAYER && Player_GetPosition(s) != POSITION_MANAGER &&
      Player_GetAge(s) >= MANAGER_FROM_AGE) {
    Player_SetPosition(s, POSITION_MANAGER);
    ++*managers;
  }

  YearEnd_ResetPlayerSeason(s);

  const int16_t age = Player_GetAge(s);
  if (Player_GetPosition(s) == POSITION_MANAGER) {
    if (s > NO_MANAGER_PLAYER && age > MANAGER_RETIRES_AFTER) Retire(s);
    return;
  }
  // The human manager's own record stays whatever his prospects as a player.
  const bool kept = s == HUMAN_MANAGER_PLAYER || (age <= CAREER_TOP_AGE && (Player_GetContract(s) > 0 || ValuePlayer(s) != 0));
  if (!kept) NoFuture(s, managers);

  if (Player_GetAge(s) == UNATTACHED_AT && Player_GetClub(s) == PLAYER_CLUB_FREE_AGENT) {
    Player_SetClub(s, NO_CLUB);
    Player_SetWage(s, 1);
    Player_SetTxList(s, 1);
    Player_SetSaleStatus(s, 0);
  }
}

// Young unattached players make up the free agents to the wanted number.
void TopUpFreeAgents() {
  int32_t wanted = FREE_AGENTS_WANTED - CountFreeAgents();
  for (int16_t p = NO_MANAGER_PLAYER + 1; p < PlayerCount && wanted > 0; ++p) {
    if (Player_GetClub(p) != NO_CLUB || Player_GetAge(p) >= YOUNG_UNATTACHED_BELOW) continue;
    if (Player_GetPosition(p) == POSITION_MANAGER) continue;
    Player_SetClub(p, PLAYER_CLUB_FREE_AGENT);
    Player_SetWage(p, 0);
    --wanted;
  }
}

// A shirt number is a club's: a player at no club of the world (a reserve
// back from a match, a free agent, a player abroad) starts the new season
// without one, so that no club he joins finds its number taken twice.
void ClearShirtsOutsideClubs() {
  for (int16_t p = 0; p < PlayerCount; ++p) {
    const int16_t club = Player_GetClub(p);
    if ((club < 0 || club >= NUM_CLUBS) && Player_GetShirt(p) != 0) Player_SetShirt(p, 0);
  }
}

}  // namespace

// A market price is kept only while the player has a wage: give him one for
// the clearing.
void YearEnd_ClearMarketPrice(int16_t p) {
  const int16_t wage = Player_GetWage(p);
  if (wage == 0) Player_SetWage(p, 1);
  Player_SetManPrice(p, -1);
  if (wage == 0) Player_SetWage(p, 0);
}

bool YearEnd_ClearsCupTie(int cup) { return cup >= 0 && cup < NUM_CUP_TIES && cup != 5; }

void YearEnd_ResetPlayerSeason(int16_t player) {
  if (player < 0 || player >= PlayerCount) return;
  YearEnd_ClearMarketPrice(player);
  Player_SetSaleStatus(player, 0);
  Player_SetGoals(player, 0);
  Player_SetApps(player, 0);
  Player_SetPerf(player, 0);
  Player_SetTxList(player, 0);
  Player_SetLoanList(player, 0);
  Player_SetBidCount(player, 0);
  Player_SetEuroDispoints(player, 0);
  Player_SetDispoints(player, 0);
  for (int cup = 0; cup < NUM_CUP_TIES; ++cup)
    if (YearEnd_ClearsCupTie(cup)) Player_SetCupTied(player, NO_CLUB, cup);
}

int16_t CountFreeAgents() {
  int16_t count = 0;
  for (int16_t p = 0; p < PlayerCount; ++p)
    if (Player_GetClub(p) == PLAYER_CLUB_FREE_AGENT) ++count;
  return count;
}

void YearEndPlayers() {
  EndEveryLoan();
  ReturnReserves();
  ClearEveryBid();
  int16_t managers = CountManagers();
  for (int16_t s = 0; s < PlayerCount; ++s) NewYearOf(s, &managers);
  TopUpFreeAgents();
  ClearShirtsOutsideClubs();
  if (YearEndWatcher != nullptr) YearEndWatcher();
}
