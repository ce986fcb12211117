// The players' action codes: once a frame every player on the pitch runs the
// handler of his action code; a dismissed player is taken off.
#pragma once

#include <cstdint>

constexpr int ACTION_CODES = 174;
using ActionHandler = void (*)(int object);
extern ActionHandler PlayerActionTable[ACTION_CODES];

void player_action();
// The one way an action is changed: sets the code and clears frame, height,
// actionCounter, actionArg and actionArg2; objects outside 0-36 are ignored.
void SetPlayerAction(int object, int code);
