// The loop of one period and the display dispatch of the three modes
// (0 Commentary, 1 Scanner, 2 Watch).
#pragma once

// The match set-up's display mode: 0 Commentary, 1 Scanner, 2 Watch (full 3D).
int MatchDisplayMode();
constexpr int MATCH_DISPLAY_WATCH = 2;

void MatchFrame();
void UpdateMatchDisplay();
void PresentMatchFrame();
void CreateMatchEnvironment();
void DestroyMatchEnvironment();
