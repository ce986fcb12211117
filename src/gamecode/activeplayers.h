// Who goes for the ball: each side's active player, the chase order, and the
// per-frame counters of the player AI (momentum, possession pressure).
//
// Each side has one active player, the one who goes for the ball; the others
// follow the team shape until an action gives them something else to do.
// UpdateActivePlayers serves one side a frame (ProcessedSide), which
// UpdateMatchCounters flips.
#pragma once

#include <cstdint>

extern int16_t ProcessedSide;
extern int16_t FramePhase;          // frame counter modulo 4
extern int16_t ChaseOrder[2][16];   // per side, its objects nearest the ball first; 32 or more a hole
extern int16_t ActivePlayer[2];     // 255 none
extern int16_t HoldActiveFlag[2];   // set: an active player near the ball and free keeps the role
extern int16_t SideMomentum[2];     // never below 0; added (at most 20) to every player's top speed
extern int16_t PossessionPressure[2];  // 0-1000, built while the side has the ball in open play
extern int16_t BoostCountdown;      // open-play frames to the next lowering of the momentum
extern int16_t FrameCountdowns[5];  // counted down once a frame while above 0
extern int16_t DecisionPlayer;      // the player who decides on the ball, -1 none
extern int16_t SupportX, SupportY;

// The two ball factors stored every frame for the ball physics; they are
// values of their own and leave the ground's friction and bounce alone.
constexpr float FRAME_BALL_FRICTION = 0.94f;
constexpr float FRAME_BALL_BOUNCE = 0.52f;
extern float FrameBallFriction, FrameBallBounce;

constexpr int16_t NO_ACTIVE_PLAYER = 255;
constexpr int16_t CHASE_METRIC_OFF_PITCH = 30000;
constexpr int16_t BOOST_RELOAD = 2400;
constexpr int16_t PRESSURE_MAX = 1000;

void UpdateActivePlayers();
void UpdateMatchCounters();
// The crowd's reaction to a ball event of weight k: the side defending the
// half the ball is in loses 2k momentum, the other gains k.
void AdjustMomentum(int weight);
// Hands the side's role of going for the ball to the object.
void MakeActivePlayer(int side, int object);
// The frame's decision player: the active player of the side in possession.
void SetDecisionPlayer();
// Makes the player the side's decision player (as MakeActivePlayer, and the
// new one is always recorded).
void SetDecisionPlayer(int side, int player);
// 0-128: how far apart two directions of 256 steps are.
int DirectionDifference(int a, int b);
// The AI's share of every kick-off.
void ActivePlayers_KickOffReset();
void ActivePlayers_Reset();
