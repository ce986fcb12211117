#include "gamecode/teamshape.h"

#include "engine/reset.h"

int16_t offsideLine[2] = {};
int16_t updateGroup = 0;

void InitTeamShape(int) {}
void UpdateBallZones() {}
void UpdateShapeTargets() {}
void UpdateObjectGroup() {}

void TeamShape_Reset() {
  offsideLine[0] = offsideLine[1] = 0;
  updateGroup = 0;
}
REGISTER_RESET(RESET_MATCH, TeamShape_Reset);
