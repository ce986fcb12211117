#include "menus/soak.h"

#include "clubsim/squadlist.h"
#include "engine/reset.h"
#include "menus/menucont.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/funcs.h"
#include "world/players.h"

SoakSettingsRecord SoakSettings = {SOAK_UNCONDITIONAL, 0, 0, 0, 0, 0, 1};

namespace {

constexpr int kClubs = 250;
constexpr int kMinimumSquad = 16;
constexpr int16_t kNoDatabaseClub = 255;

void Soak_Reset() { SoakSettings = {SOAK_UNCONDITIONAL, 0, 0, 0, 0, 0, 1}; }
REGISTER_RESET(RESET_SEASON, Soak_Reset);

bool ClubChecked(int16_t club) {
  if (GNW_GetClubDbId(club) == kNoDatabaseClub) return false;
  if ((SoakSettings.flags & SOAK_LEAGUE_ONLY) == 0) return true;
  return GNW_GetClubCountry(club) == GNW_GetGameCountry() && GNW_GetClubDivision(club) < GNW_CountCountryDivisions();
}

}  // namespace

int CheckSquadDeficiency(int16_t club) {
  int players[4] = {}, out = 0;
  BuildClubSquadList(club);
  for (int i = 0; i < SquadListLength && i < SQUAD_LIST_SIZE; ++i) {
    const int16_t player = SquadList[i];
    if (player < 0) continue;
    const int16_t type = GNW_GetPositionType(player);
    if (type < 0 || type > 3) continue;
    ++players[type];
    if (Player_GetSuspension(player) != 0 || GNW_GetPlayerInFlag(player) != 0 || GNW_IsPlayerUnavailable(player) != 0)
      ++out;
  }
  const int total = players[0] + players[1] + players[2] + players[3];
  for (int count : players)
    if (count == 0) return 1;
  return total - out < kMinimumSquad ? 1 : 0;
}

int Soak_CheckStopConditions() {
  if (SoakRunActive == 0) return 0;
  if (SoakSettings.endDay != 0 && DayOfMonth == SoakSettings.endDay && Month == SoakSettings.endMonth)
    SoakRunActive = 0;
  if ((SoakSettings.flags & SOAK_CHECK_BALANCES) != 0) {
    for (int16_t club = 0; club < kClubs; ++club) {
      if (!ClubChecked(club)) continue;
      // Unsigned: a club in debt counts as very rich and never stops the run.
      if (static_cast<uint32_t>(Club_GetBalance(club)) <= SoakSettings.moneyThreshold) return 1;
    }
  }
  if ((SoakSettings.flags & SOAK_CHECK_SQUADS) != 0) {
    for (int16_t club = 0; club < kClubs; ++club)
      if (ClubChecked(club) && CheckSquadDeficiency(club) == 1) return 2;
  }
  return 0;
}
