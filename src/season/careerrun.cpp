#include "season/careerrun.h"

#include "engine/rand.h"
#include "menus/menucont.h"
#include "season/newgame.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/players.h"
#include "world/static_country.h"

bool Career_IsLeagueClub(int16_t club) {
  return club >= 0 && club < NUM_CLUBS && Club_GetCountry(club) == GameCountry &&
         Club_GetDivision(club) < NUM_DIVISIONS && Club_GetFullRecord(club) != nullptr;
}

int16_t Career_ManagerOf(int16_t club) {
  for (int16_t p = 2; p < PlayerCount; ++p)
    if (Player_GetClub(p) == club && Player_GetManager(p)) return p;
  return 1;
}

int16_t Career_StartNew(int country, uint32_t seed, int club) {
  GameCountry = static_cast<int8_t>(country);
  GameSeedRandom(seed);
  LoadNamesFile();
  StartNewGame();
  const int16_t human = club >= 0 ? static_cast<int16_t>(club) : static_cast<int16_t>(DivisionTable[0][0]);
  if (!Career_IsLeagueClub(human)) return -1;
  const int16_t previous = Career_ManagerOf(human);
  Club_SetControl(human, 1);
  InstallHumanManager(1, previous);
  return human;
}

void Career_PlayToday() {
  while (GNW_PlayNextFixture() != 0) {
  }
}

bool Career_PlayDay() {
  const int16_t season = SeasonCounter;
  Career_PlayToday();
  GNW_AdvanceDay();
  return SeasonCounter != season;
}
