// The club fixtures screen.
#pragma once

#include <cstdint>

// A one-byte state of the fixtures screen, cleared at start.
extern uint8_t ClubFixturesViewState;

// Clears the screen's state (a registered reset).
void ClubFixturesView_Reset();
