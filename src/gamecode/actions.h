// The players' action codes: once a frame every player on the pitch runs the
// handler of his action code; a dismissed player is taken off.
#pragma once

#include <cstdint>

constexpr int ACTION_CODES = 174;
using ActionHandler = void (*)(int object);
// The handler of each code. The table is filled at the world's reset (an
// earlier layer than the match's), so a module that answers a code later in
// the match layer may put its own handler in from its reset.
extern ActionHandler PlayerActionTable[ACTION_CODES];
// How many player-frames each code has run this match (the tools' summary).
extern int32_t ActionFramesRun[ACTION_CODES];
// The handlers the game starts with: the basic codes and, for the codes the
// later actions answer, stand-ins that do nothing.
void Actions_InstallDefaults();

// One frame of the 32 players: each active player runs his code's handler on
// the working copy of his position, which is written back after it; a player
// sent off is taken off once the referee's decision is over.
void player_action();
// The one way an action is changed: sets the code and clears frame, height,
// actionCounter, actionArg and actionArg2; objects outside 0-36 are ignored.
void SetPlayerAction(int object, int code);
