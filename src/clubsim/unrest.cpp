#include "clubsim/unrest.h"

#include <cstdlib>

#include "clubsim/squad.h"
#include "clubsim/squadlist.h"
#include "engine/rand.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/funcs.h"
#include "world/nationality.h"
#include "world/players.h"
#include "world/playerstats.h"
#include "world/static_country.h"
#include "world/textmess.h"

namespace {

constexpr int LEAGUE_DIVISIONS = 6;
constexpr int STAT_TEMPER = 21;     // the personality that clashes (a value and 200 - value)
constexpr int STAT_COMPOSURE = 18;  // the personality that keeps morale up
constexpr int16_t TEMPER_MIRROR = 200;
constexpr int16_t TROUBLE_BELOW = 100;  // a troublemaker's stat 21 is below this
constexpr int32_t CLASH_MIN_SCORE = 30;
constexpr int PICK_DRAWS = 50;
constexpr int FOREIGN_MORALE_LOSS = 2;
constexpr int NEWS_CHANCE = 10;
constexpr int MORALE_ROLL = 200;
constexpr int NEWS_BAD_ATMOSPHERE = 119;
constexpr int NEWS_BUST_UP_LISTED = 145;
constexpr int16_t POSITION_TEXT_BASE = 300;

int16_t Temper(int16_t player) { return Player_GetPersonalityStat(player, STAT_TEMPER); }

bool LeagueClubWithRecord(int16_t club) {
  if (Club_GetFullRecord(club) == nullptr || !IsGameCountry(GameCountry)) return false;
  const int16_t division = Club_GetDivision(club);
  return Club_GetCountry(club) == GameCountry && division >= 0 && division < LEAGUE_DIVISIONS;
}

// Two morale points off every listed player when the foreign ones are not
// fewer than the home ones.
void ForeignMajority() {
  const int16_t homeGroup = NationalityGroup(GameCountry);
  int home = 0, foreign = 0;
  for (int i = 0; i < SquadListLength; ++i) {
    const int16_t p = SquadList[i];
    if (p <= 0) continue;
    const int16_t nationality = Player_GetNationality(p);
    if (nationality < NUM_NATIONALITIES - 1 && NationalityGroup(nationality) == homeGroup)
      ++home;
    else
      ++foreign;
  }
  if (foreign < home) return;
  for (int i = 0; i < SquadListLength; ++i)
    if (SquadList[i] > 0) Player_SetMorale(SquadList[i], Player_GetMorale(SquadList[i]) - FOREIGN_MORALE_LOSS);
}

// A listed entry drawn at random (at most PICK_DRAWS draws) whose stat 21 is
// below TROUBLE_BELOW and that is not entry `other`; -1 when none was drawn.
int DrawTroublemaker(int other) {
  for (int draw = 0; draw < PICK_DRAWS; ++draw) {
    const int entry = GameRandom() % SquadListLength;
    if (entry != other && Temper(SquadList[entry]) < TROUBLE_BELOW) return entry;
  }
  return -1;
}

void Unrest(int16_t club) {
  ForeignMajority();
  const int32_t score = SquadClashScore();
  if (score < CLASH_MIN_SCORE) return;
  const int32_t rounds = score - CLASH_MIN_SCORE;
  const int t = DrawTroublemaker(-1);
  if (t < 0) return;
  const int u = DrawTroublemaker(t);
  if (u < 0) return;

  if (GameRandom() % NEWS_CHANCE == 0) {
    SetNewsArgs(club, -1, SquadList[t], SquadList[u], -1, -1, -1, -1, -1);
    ShowNewsMessage(GetRandomNewsText(NEWS_BAD_ATMOSPHERE), 0, NEWS_SHOW_HUMAN_CLUB, club, -1);
  }
  for (int32_t round = 0; round < rounds; ++round)
    for (int i = 0; i < SquadListLength; ++i) {
      const int16_t p = SquadList[i];
      if (Player_GetPersonalityStat(p, STAT_COMPOSURE) < GameRandom() % MORALE_ROLL)
        Player_SetMorale(p, Player_GetMorale(p) - 1);
    }
  CurrentManager = GetClubManager(club);
  if (Club_GetControl(club) != 0) return;

  int culprit = 0;
  for (int i = 1; i < SquadListLength; ++i)
    if (Temper(SquadList[i]) < Temper(SquadList[culprit])) culprit = i;
  if (Temper(SquadList[u]) == Temper(SquadList[culprit])) culprit = u;
  const int16_t player = SquadList[culprit];
  if (Player_GetTxList(player) != 0) return;
  Player_SetTxList(player, 1);
  Player_SetSaleStatus(player, 0);
  const int16_t playerClub = Player_GetClub(player);
  SetNewsArgs(playerClub, -1, player, CurrentManager, -1,
              static_cast<int16_t>(POSITION_TEXT_BASE + GNW_GetPositionType(player)), -1, -1, -1);
  ShowNewsMessage(GetRandomNewsText(NEWS_BUST_UP_LISTED), 0, NEWS_SHOW_HUMAN_CLUB, playerClub, -1);
}

}  // namespace

int32_t SquadClashScore() {
  int32_t like = 0, opposite = 0;
  for (int a = 0; a < SquadListLength; ++a) {
    const int32_t p = Temper(SquadList[a]);
    const int32_t q = TEMPER_MIRROR - p;
    for (int b = 0; b < SquadListLength; ++b) {
      const int32_t other = Temper(SquadList[b]);
      const int32_t d = std::abs(other - p);
      if (d < 4) like += (3 - d) * (3 - d);
      const int32_t e = std::abs(other - q);
      if (e < 4) opposite += (3 - e) * (3 - e);
    }
  }
  return (opposite + 1) * 100 / (like + 1);
}

void SquadUnrestEvent() {
  for (int16_t club = 0; club < NUM_CLUBS; ++club) {
    if (!LeagueClubWithRecord(club)) continue;
    BuildClubSquadList(club);
    if (SquadListLength == 0) continue;
    if (GameRandom() % (Club_GetRep(club) + 1) != 0) continue;
    Unrest(club);
  }
}
