#include "gamecode/balltouch.h"

#include <string>
#include <vector>

#include "gamecode/football.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrun.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "support/engine_fixture.h"

namespace {

std::vector<std::string> gLines;  // "<event>:<first>"

class BallTouchTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    gLines.clear();
    SetPitchGeometry();
    MatchSeams.sayComment = [](int event, int, int, int first, int, int) {
      gLines.push_back(std::to_string(event) + ":" + std::to_string(first));
    };
    LowGoalSide = 0;
    MatchState = STATE_OPEN_PLAY;
    keeperHolder = throwHolder = 0;
    for (int side = 0; side < 2; ++side)
      for (int place = 0; place < SIDE_OBJECTS; ++place) {
        const int object = side * SIDE_OBJECTS + place;
        SideSlots[side][place] = static_cast<int16_t>(object);
        PlaceObjectAt(object, 796, 1082);
        MatchObjects[object].hasBall = 0;
      }
    BallCarrier = 3;
    PrevToucher = -1;
  }
  static std::string Last() { return gLines.empty() ? "" : gLines.back(); }
};

// A second touch by the same player, a touch in a stoppage and a touch while
// a keeper holds the ball change nothing.
TEST_F(BallTouchTest, OnlyANewPlayersOpenPlayTouchCounts) {
  struct Case {
    const char* name;
    int object;
    int16_t state;
    int16_t holder;
  } cases[] = {
      {"the same player again", 3, STATE_OPEN_PLAY, 0},
      {"a stoppage", 5, STATE_THROW_IN, 0},
      {"the keeper holds the ball", 5, STATE_OPEN_PLAY, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MatchState = c.state;
    keeperHolder = c.holder;
    BallTouch(c.object);
    EXPECT_EQ(BallCarrier, 3);
    EXPECT_EQ(+MatchObjects[c.object].involvement, 0);
    EXPECT_TRUE(gLines.empty());
  }
  MatchState = STATE_OPEN_PLAY;
  keeperHolder = 0;
  BallTouch(5);
  EXPECT_EQ(BallCarrier, 5);
  EXPECT_EQ(PrevToucher, 3);
  EXPECT_EQ(SideLastToucher[0], 5);
  EXPECT_EQ(+MatchObjects[5].involvement, 1);
}

// A completed pass of record 1: the line by the kind of kick.
TEST_F(BallTouchTest, ACompletedPassIsToldByItsKind) {
  struct Case {
    int16_t kind;
    int16_t prev;
    std::string line;
  } cases[] = {{KICK_PASS, -1, "15:5"},   {KICK_LONG_PASS, -1, "16:5"}, {KICK_ONE_TWO, 5, "17:5"},
               {KICK_ONE_TWO, 9, "18:5"}, {KICK_NONE, -1, "19:5"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    SetUp();
    PassRecords[0] = {3, 5};
    LastKickKind = c.kind;
    PrevToucher = c.prev;
    BallTouch(5);
    EXPECT_EQ(Last(), c.line);
    EXPECT_EQ(+MatchObjects[3].passesCompleted, 1);
    EXPECT_EQ(PassRecords[0].passer, -1);
  }
}

// A pass from object 0 is completed only by the named receiver's own touch.
TEST_F(BallTouchTest, APassFromObjectZeroNeedsTheReceiversOwnTouch) {
  PassRecords[0] = {0, 3};  // the ball reached 3, who passes on to 7
  BallTouch(7);
  EXPECT_EQ(+MatchObjects[0].passesCompleted, 0);
  EXPECT_EQ(PassRecords[0].passer, 0);
  SetUp();
  PassRecords[0] = {2, 3};
  BallTouch(7);
  EXPECT_EQ(+MatchObjects[2].passesCompleted, 1);
}

// An interception: counted, and told (own area or elsewhere) unless the kick
// was a clearance or a shot.
TEST_F(BallTouchTest, AnInterception) {
  struct Case {
    const char* name;
    int record;
    int16_t kind;
    int x, y;
    std::string line;
    int ownArea;
  } cases[] = {
      {"midfield", 0, KICK_PASS, 796, 1082, "20:20", 0},
      {"own area", 1, KICK_LONG_PASS, 796, 1900, "21:20", 1},  // side 1 defends y 2042
      {"a clearance of record 1", 0, KICK_CLEARANCE, 796, 1082, "", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    PassRecords[c.record] = {3, 5};
    LastKickKind = c.kind;
    PlaceObjectAt(20, c.x, c.y);
    BallTouch(20);
    EXPECT_EQ(+MatchObjects[20].interceptions, 1);
    EXPECT_EQ(+MatchObjects[20].keyInterceptions, c.ownArea);
    EXPECT_EQ(Last(), c.line);
  }
  // Records 2 and 3 are not intercepted after a shot.
  SetUp();
  PassRecords[1] = {3, 5};
  LastKickKind = KICK_SHOT;
  BallTouch(20);
  EXPECT_EQ(+MatchObjects[20].interceptions, 0);
}

// After a possession line the delay of 16 is lowered at every touch: the
// 15 touches after it are silent, the 16th may speak again.
TEST_F(BallTouchTest, APossessionLineWaitsSixteenTouches) {
  BallTouch(20);
  EXPECT_EQ(Last(), "24:20");
  EXPECT_EQ(+MatchObjects[3].stat15, 1);  // possession lost
  gLines.clear();
  const int players[2] = {4, 21};
  for (int i = 0; i < 15; ++i) BallTouch(players[i % 2]);
  EXPECT_TRUE(gLines.empty());
  BallTouch(5);
  EXPECT_EQ(Last(), "23:5");  // a team-mate of the last toucher
}

TEST_F(BallTouchTest, AnotherOutfieldPlayersTouchEndsTheAssistCandidate) {
  AssistCandidate = 5;
  BallTouch(5);
  EXPECT_EQ(AssistCandidate, 5);
  BallTouch(16);  // the keeper keeps it
  EXPECT_EQ(AssistCandidate, 5);
  BallTouch(7);
  EXPECT_EQ(AssistCandidate, -1);
}

// A kick fills the records of its kind; a kick by the other side ends the move.
TEST_F(BallTouchTest, KicksFillThePassAndMoveRecords) {
  PassReceiver = 9;
  MatchObjects[7].action = 18;  // a cross
  BallKicked(7);
  EXPECT_EQ(LastKickKind, KICK_LONG_PASS);
  EXPECT_EQ(PassRecords[1].passer, 7);
  EXPECT_EQ(PassRecords[1].receiver, 9);
  EXPECT_EQ(AssistCandidate, 7);
  EXPECT_EQ(MoveRecords[1].flag, 1);
  MatchObjects[9].action = 52;  // the shot
  BallKicked(9);
  EXPECT_EQ(RecordedShooter, 9);
  EXPECT_EQ(MoveRecords[0].player, 9);
  EXPECT_EQ(MoveRecords[1].player, 7);
  MatchObjects[20].action = 46;  // cleared by the other side
  BallKicked(20);
  EXPECT_EQ(LastKickKind, KICK_CLEARANCE);
  for (const MoveRecord& m : MoveRecords) EXPECT_EQ(m.flag, 0);
}

// The kinds of kick and the pass records, one table.
TEST(KickKinds, ByActionCode) {
  struct Case {
    int action, kind, record;
  } cases[] = {{29, KICK_PASS, 0},     {18, KICK_LONG_PASS, 1}, {77, KICK_ONE_TWO, 2}, {52, KICK_SHOT, -1},
               {46, KICK_CLEARANCE, -1}, {89, KICK_LOST_CHALLENGE, -1}, {3, KICK_NONE, -1}};
  for (const Case& c : cases) {
    EXPECT_EQ(KickKindOfAction(c.action), c.kind) << c.action;
    EXPECT_EQ(PassRecordOfAction(c.action), c.record) << c.action;
  }
}

}  // namespace
