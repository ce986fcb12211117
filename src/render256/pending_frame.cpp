// Do-nothing bodies of the body and world drawing until they are merged.
#include "render256/polyman.h"
#include "render256/swworld.h"

void DrawPlayerObject(int) {}
void DrawPlayerShadow(int) {}
void DrawBallObject(int) {}
void DrawBallShadow(int) {}
void DrawPlayerLabel(int) {}
void Create3DWorld() {}
void DrawWorld() {}
int WorldItemCount() { return 0; }
float WorldItemDepth(int) { return -1.0f; }
void DrawWorldItem(int) {}
void FreeWorld() {}
