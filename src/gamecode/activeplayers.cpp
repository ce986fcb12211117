// Who goes for the ball (placeholder bodies until the active players land).
#include "gamecode/activeplayers.h"

int16_t ProcessedSide = 0;
int16_t FramePhase = 0;
int16_t ChaseOrder[2][16] = {};
int16_t ActivePlayer[2] = {255, 255};
int16_t HoldActiveFlag[2] = {};
int16_t SideMomentum[2] = {};
int16_t PossessionPressure[2] = {};
int16_t BoostCountdown = 0;
int16_t FrameCountdowns[5] = {};
int16_t NearestToBall[2] = {255, 255};
int16_t DecisionPlayer = -1;
int16_t SupportX = 0, SupportY = 0;

void UpdateActivePlayers() {}
void UpdateMatchCounters() {}
void AdjustMomentum(int) {}
void MakeActivePlayer(int, int) {}
void SetDecisionPlayer() {}
void ActivePlayers_KickOffReset() {}
