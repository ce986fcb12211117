// Page buttons, the pointer frame of modal loops, and the credits roll.
#pragma once

#include <cstdint>

// Runs the credits roll until it ends (a click, Escape, or the last line at
// the top).
void ShowCredits();
