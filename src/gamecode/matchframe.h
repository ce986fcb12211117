// The loop of one period and the display dispatch of the three modes
// (0 Commentary, 1 Scanner, 2 Watch).
#pragma once

void MatchFrame();
void UpdateMatchDisplay();
void PresentMatchFrame();
void CreateMatchEnvironment();
void DestroyMatchEnvironment();
