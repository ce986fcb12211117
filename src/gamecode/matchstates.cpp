#include "gamecode/matchstates.h"

#include "engine/reset.h"

namespace {
void NoState() {}
}  // namespace

MatchStateHandler MatchStateTable[MATCH_STATE_COUNT] = {};
uint8_t RestartSide = 0;

void RunMatchState() {
  if (MatchState >= 0 && MatchState < MATCH_STATE_COUNT && MatchStateTable[MatchState]) MatchStateTable[MatchState]();
}

void ServeSubstitutionRequests() {}
void PlaceThrowInPair(int, int) {}
void SnapPlayersToTargets() {}

void MatchStates_Reset() {
  for (auto& h : MatchStateTable) h = NoState;
  RestartSide = 0;
}
REGISTER_RESET(RESET_MATCH, MatchStates_Reset);
