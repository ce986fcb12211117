// Who goes for the ball: each side's active player, the chase order, and the
// per-frame counters of the player AI (momentum, possession pressure).
#pragma once

#include <cstdint>

extern int16_t ProcessedSide;
extern int16_t FramePhase;
extern int16_t ChaseOrder[2][16];
extern int16_t ActivePlayer[2];    // 255 none
extern int16_t HoldActiveFlag[2];
extern int16_t SideMomentum[2];
extern int16_t PossessionPressure[2];
extern int16_t BoostCountdown;
extern int16_t FrameCountdowns[5];
extern int16_t NearestToBall[2];   // 255 none
extern int16_t DecisionPlayer;
extern int16_t SupportX, SupportY;

void UpdateActivePlayers();
void UpdateMatchCounters();
void AdjustMomentum(int weight);
void MakeActivePlayer(int side, int object);
void SetDecisionPlayer();
// The AI's share of every kick-off.
void ActivePlayers_KickOffReset();
