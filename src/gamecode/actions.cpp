// The players' action codes (placeholder bodies until the dispatcher lands).
#include "gamecode/actions.h"

#include "gamecode/matchobj.h"

ActionHandler PlayerActionTable[ACTION_CODES] = {};

void player_action() {}

void SetPlayerAction(int object, int code) {
  if (object < 0 || object >= MATCH_OBJECTS) return;
  MatchObject& o = MatchObjects[object];
  o.action = static_cast<int16_t>(code);
  o.frame = 0;
  o.height = 0;
  o.actionCounter = 0;
  o.actionArg = 0;
  o.actionArg2 = 0;
}
