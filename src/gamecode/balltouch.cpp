#include "gamecode/balltouch.h"

#include "engine/reset.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchstate.h"

int16_t PrevToucher = -1;
int16_t LastKickKind = 0;

void BallTouch(int object) {
  if (object < 0 || object >= 32 || object == BallCarrier) return;
  PrevToucher = BallCarrier;
  BallCarrier = static_cast<int16_t>(object);
}

void BallTouch_Reset() {
  PrevToucher = -1;
  LastKickKind = 0;
}
REGISTER_RESET(RESET_MATCH, BallTouch_Reset);
