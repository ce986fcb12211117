// The general menu graphics (the badge ball drawn in a club's colours) and
// the tactic store: the 40 stock tactics of the data file and the 12 custom
// tactics of the game world.
#pragma once

#include <cstdint>

constexpr int TACTICS_RECORD_SIZE = 330;
constexpr int NUM_STOCK_TACTICS = 40;
constexpr int NUM_CUSTOM_TACTICS = 12;

// All 12 custom tactics free; both tactics-designer selections 0.
void ClearCustomTactics();
