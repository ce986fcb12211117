#include "gamecode/teamops.h"

#include "engine/reset.h"

int16_t ShootOutKicks = 0;
int16_t ShootOutOrder[2][10] = {};

void SetAllPlayersAction(int) {}
int ReleaseTeamsForRestart() { return 0; }
void ResetTeamsForRestart() {}
int CountUnsettledPlayers() { return 0; }
int NearestFreeTeamMate(int, int, int) { return -1; }
void SendShortCornerOption(int) {}
void PlaceCornerDefenders(int) {}
int NextShootOutTaker() { return -1; }

void TeamOps_Reset() {
  ShootOutKicks = 0;
  for (auto& side : ShootOutOrder)
    for (auto& e : side) e = -1;
}
REGISTER_RESET(RESET_MATCH, TeamOps_Reset);
