// How players move (placeholder bodies until the movement code lands).
#include "gamecode/movement.h"

int16_t ActorX = 0, ActorY = 0;
int32_t ActorFixedX = 0, ActorFixedY = 0;
uint8_t MoversCount = 0;
int32_t OffsetX = 0, OffsetY = 0;

int GetDirection(int, int, int, int, int) { return 0; }
int GetDirection256(int, int, int, int) { return 0; }
void PolarToOffset(int, int, int) {}
int ReachDistance(int, int, int, int, int) { return 0; }
void TurnTowards(int, int) {}
void TurnTowardsFast(int, int) {}
void MovePlayer(int, int, int) {}
void MoveInDirection(int, int, int, int) {}
void StepTowardsPoint(int, int, int) {}
int PathBlocked(int) { return 0; }
void RunToPoint(int, int, int) {}
void LookAtObject(int, int, int) {}
void LookAtPoint(int, int, int, int) {}
int PlayMotion(int, int, int, int) { return 0; }
void LoopMotion(int, int, int, int) {}
void RunTowards(int, int) {}
