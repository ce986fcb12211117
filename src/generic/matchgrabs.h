// Screen grabs of a watched match on request: GAFFERON_GRABS lists the
// moments ("kickoff", "goal", comma separated) at which the shown frame is
// written to grab%04d.tga (the engine's grab, the next free number). Every
// view calls MatchGrabs_FrameShown once it has shown a frame.
#pragma once

#include <cstdint>

constexpr uint32_t GRAB_GOAL_DELAY_TICKS = 200;

// Reads the list; called on the first frame after a reset, tests call it
// with their own list (nullptr: no grabs).
void MatchGrabs_Configure(const char* list);
// After a frame is shown: the first frame of each period, and the first
// frame 200 ticks or more after each goal, is grabbed.
void MatchGrabs_FrameShown();
// Grabs written since the last reset.
int MatchGrabs_Count();

// The module as at program start (a registered reset).
void MatchGrabs_Reset();
