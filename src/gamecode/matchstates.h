// The match states: open play, the stoppages and restarts, the period's
// start and end and the shoot-out. MatchFrame runs the handler of the
// current state once a frame.
#pragma once

#include <cstdint>

#include "gamecode/matchstate.h"

using MatchStateHandler = void (*)();
extern MatchStateHandler MatchStateTable[MATCH_STATE_COUNT];

// The match frame's entry: the current state's handler.
void RunMatchState();

// The side that takes the current restart (kick-off, goal kick, the keeper's
// release, a free kick): the team shape lines the sides up by it.
extern uint8_t RestartSide;

void ServeSubstitutionRequests();
void PlaceThrowInPair(int marker, int receiver);
void SnapPlayersToTargets();

void MatchStates_Reset();
