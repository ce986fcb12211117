// A hand-placed pitch for the on-the-ball tests: side 0 attacks y 2042,
// everybody off the pitch until placed, the chase orders empty, comments
// recorded.
#pragma once

#include <vector>

#include "engine/rand.h"
#include "gamecode/activeplayers.h"
#include "gamecode/football.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrun.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/movement.h"
#include "gamecode/teamshape.h"
#include "support/engine_fixture.h"

inline std::vector<int> g_onballComments;

class OnBallTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    SetPitchGeometry();
    LowGoalSide = 0;
    CurrentSide = 0;
    offsideLine[0] = 300;
    offsideLine[1] = 1900;
    for (int side = 0; side < 2; ++side)
      for (int i = 0; i < SIDE_OBJECTS; ++i) {
        SideSlots[side][i] = static_cast<int16_t>(side * SIDE_OBJECTS + i);
        ChaseOrder[side][i] = 40;
      }
    for (int i = 0; i < MATCH_PLAYERS; ++i) {
      MatchObject& o = MatchObjects[i];
      o.offPitch = 1;
      o.x = o.y = 0;
      o.action = 3;
      o.ballDistance = 30000;
      o.instructions[3] = NO_PARTNER;
      o.instructions[5] = 0xFF;  // no cell
    }
    g_onballComments.clear();
    MatchSeams.sayComment = [](int event, int, int, int, int, int) { g_onballComments.push_back(event); };
    GameSeedRandom(7);
  }
  // Puts the player on the pitch at (x, y) facing the direction.
  MatchObject& Place(int object, int x, int y, int facing, int action = 4) {
    MatchObject& o = MatchObjects[object];
    PlaceObjectAt(object, x, y);
    o.offPitch = 0;
    o.facing = static_cast<uint8_t>(facing);
    o.action = static_cast<int16_t>(action);
    return o;
  }
  // The acting player: his working copy where he stands.
  MatchObject& Act(int object, int x, int y, int facing) {
    MatchObject& o = Place(object, x, y, facing);
    ActorX = o.x;
    ActorY = o.y;
    ballX = o.x;
    ballY = o.y;
    o.hasBall = 1;
    o.ballDistance = 0;
    CurrentSide = static_cast<uint8_t>(object / SIDE_OBJECTS);
    return o;
  }
  // The chase order of a side, nearest first.
  void Chase(int side, std::initializer_list<int> objects) {
    int i = 0;
    for (int o : objects) ChaseOrder[side][i++] = static_cast<int16_t>(o);
  }
  void SetSkill(int object, int k, int value) { SheetSkill(MatchObjects[object], k) = static_cast<uint8_t>(value); }
};
