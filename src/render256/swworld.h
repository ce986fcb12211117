// The stadium world of the 3D scene: horizon, stands, the two goals of four
// parts each and the four corner flags, placed in pitch coordinates, with the
// grass and the markings.
#pragma once

// Builds the world when the match environment is created (and, through
// LoadPlayerModels, the bodies).
void Create3DWorld();
// Per frame, first: ground, markings, horizon, stadium.
void DrawWorld();
// The twelve world items (goal parts and flags) of the display list.
int WorldItemCount();
float WorldItemDepth(int item);
void DrawWorldItem(int item);
void FreeWorld();
