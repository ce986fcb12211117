#include "gamecode/officials.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "gamecode/actions.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/highlight.h"
#include "gamecode/matchres.h"
#include "gamecode/matchrun.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/matchstates.h"
#include "gamecode/motion.h"
#include "gamecode/movement.h"
#include "support/built_game.h"
#include "support/engine_fixture.h"

namespace {

constexpr int32_t U = 0x10000;
constexpr int REF = OBJECT_REFEREE;

std::vector<std::string> gEvents;  // "I<type>:<first>", "C<event>:<first>:<number>", "S<effect>", "H<type>:<frames>"

class OfficialsTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    gEvents.clear();
    SetPitchGeometry();
    uint8_t* setup = ClearMatchSetupRecord();
    for (int side = 0; side < 2; ++side) setup[MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_HUMAN] = 0;
    GetMatchResultRecord()[MATCH_LOG + MATCH_LOG_KIND] = MATCH_LOG_END;
    MatchSeams.infoBar = [](int type, int first, int) {
      gEvents.push_back("I" + std::to_string(type) + ":" + std::to_string(first));
    };
    MatchSeams.sayComment = [](int event, int, int, int first, int, int number) {
      gEvents.push_back("C" + std::to_string(event) + ":" + std::to_string(first) + ":" + std::to_string(number));
    };
    MatchSeams.sfxPlay = [](int effect) { gEvents.push_back("S" + std::to_string(effect)); };
    MatchSeams.activateHighLight = [](int type, int frames) {
      gEvents.push_back("H" + std::to_string(type) + ":" + std::to_string(frames));
    };
    MatchState = STATE_STOPPAGE;
    for (int i = 0; i < MATCH_PLAYERS; ++i) {
      MatchObjects[i].offPitch = (i % SIDE_OBJECTS) > 10 ? 1 : 0;
      Put(i, 400 + 20 * (i % SIDE_OBJECTS), i < SIDE_OBJECTS ? 600 : 1500);
    }
    for (int i = OBJECT_REFEREE; i <= OBJECT_LINESMAN_FAR; ++i) MatchObjects[i].attr[SKILL_PACE] = 80;
  }
  void TearDown() override {
    FreeMotions();
    EngineTest::TearDown();
  }

  static MatchObject& Put(int object, int x, int y, int facing = 0) {
    MatchObject& o = MatchObjects[object];
    o.x = static_cast<int16_t>(x);
    o.y = static_cast<int16_t>(y);
    o.fixedX = x * U;
    o.fixedY = y * U;
    o.facing = static_cast<uint8_t>(facing);
    return o;
  }
  static int Count(const std::string& e) {
    int n = 0;
    for (const auto& x : gEvents) n += x == e;
    return n;
  }
  static int IndexOf(const std::string& e) {
    for (size_t i = 0; i < gEvents.size(); ++i)
      if (gEvents[i] == e) return static_cast<int>(i);
    return -1;
  }
  static std::vector<int> LogKinds() {
    std::vector<int> kinds;
    for (int i = 0; i < MatchLogCount; ++i)
      kinds.push_back(GetMatchResultRecord()[MATCH_LOG + i * MATCH_LOG_ENTRY_SIZE + MATCH_LOG_KIND]);
    return kinds;
  }
  static std::vector<int> CardKinds(int side) {
    std::vector<int> kinds;
    for (int i = 0; i < GetCardRecordCount(side); ++i) kinds.push_back(CARD_KIND(GetCardRecord(side, i)));
    return kinds;
  }
  // The referee is told to deal with the offender from 300 away; the frames
  // until he is back in open play (-1 when he never is).
  static int Decide(int decision, int offender) {
    RefereeDecision = static_cast<int16_t>(decision);
    RefereeOffender = static_cast<int16_t>(offender);
    SetPlayerAction(REF, decision);
    const MatchObject& off = MatchObjects[offender];
    Put(REF, off.x + 300, off.y);
    for (int n = 1; n <= 2000; ++n) {
      UpdateOfficials();
      if (MatchObjects[REF].action == OFFICIALS_REFEREE_PLAY) return n;
      EXPECT_EQ(+focusObject, REF);
    }
    return -1;
  }
  static void LoadBuiltMotions() {
    InitMemory(16000);
    ASSERT_TRUE(WithBuiltHardDiskPak(LoadMotions));
    ASSERT_TRUE(MotionsLoaded());
  }
};

TEST_F(OfficialsTest, TheRefereeKeepsTwoHundredTowardsTheMiddleOfThePitch) {
  struct Row {
    int16_t state;
    int ballX, ballY, refX, refY;  // where the ball and the referee are
    int x, y;                      // where he heads
  } rows[] = {
      {STATE_OPEN_PLAY, 400, 500, 1200, 1800, 600, 700},
      {STATE_OPEN_PLAY, 1300, 1800, 300, 300, 1100, 1600},
      {STATE_OPEN_PLAY, 100, 500, 1200, 1800, 356, 700},     // the ball beyond the touch line counts at it
      {STATE_THROW_IN_TAKEN, 1500, 1082, 300, 300, 1236, 882},
      {STATE_AFTER_GOAL_WAIT, 400, 500, 1200, 1800, 556, 842},  // his kick-off place
      {STATE_KICK_OFF, 400, 500, 1200, 1800, 556, 842},
      {STATE_PERIOD_START, 400, 500, 1200, 1800, 556, 842},
      {STATE_CORNER_TAKEN, 300, 2038, 900, 1500, 1116, 1754},  // the far corner of the area at his end
      {STATE_CORNER_TAKEN, 1300, 126, 900, 900, 476, 410},
  };
  for (const Row& r : rows) {
    MatchState = r.state;
    ballX = static_cast<int16_t>(r.ballX);
    ballY = static_cast<int16_t>(r.ballY);
    SetPlayerAction(REF, OFFICIALS_REFEREE_PLAY);
    Put(REF, r.refX, r.refY);
    MoversCount = 0;
    UpdateOfficials();
    EXPECT_EQ(+MatchObjects[REF].wantedFacing, GetDirection256(r.refX, r.refY, r.x, r.y)) << r.state << " " << r.ballX;
    EXPECT_EQ(+MoversCount, 1);
    EXPECT_TRUE(MatchObjects[REF].fixedX != r.refX * U || MatchObjects[REF].fixedY != r.refY * U);  // he moves
    // Once there he stands and faces the ball where it was at the frame's start.
    Put(REF, r.x + 1, r.y - 1, 10);
    BallFramePos[0] = static_cast<int16_t>(r.x + 1);
    BallFramePos[1] = static_cast<int16_t>(r.y + 300);
    MoversCount = 0;
    UpdateOfficials();
    EXPECT_EQ(+MoversCount, 0);
    EXPECT_EQ(+MatchObjects[REF].x, r.x + 1);
    EXPECT_EQ(+MatchObjects[REF].y, r.y - 1);
    EXPECT_EQ(+MatchObjects[REF].wantedFacing, 128);
    EXPECT_GT(+MatchObjects[REF].facing, 10);
  }
}

TEST_F(OfficialsTest, OnlyOpenPlayClearsAPendingDecisionForTheReferee) {
  for (int16_t state : {STATE_OPEN_PLAY, STATE_STOPPAGE, STATE_FOUL}) {
    MatchState = state;
    RefereeDecision = 8;
    SetPlayerAction(REF, OFFICIALS_REFEREE_PLAY);
    UpdateOfficials();
    EXPECT_EQ(RefereeDecision, state == STATE_OPEN_PLAY ? 0 : 8) << state;
  }
}

TEST_F(OfficialsTest, TheLinesmenFollowTheBallAlongTheirLinesInTheirHalves) {
  struct Row {
    int object, code;
    int16_t state;
    int ballY, restart;
    int y;  // the point on his line he heads for
  } rows[] = {
      {OBJECT_LINESMAN_NEAR, OFFICIALS_LINESMAN_HIGH, STATE_OPEN_PLAY, 1700, 0, 1700},
      {OBJECT_LINESMAN_NEAR, OFFICIALS_LINESMAN_HIGH, STATE_OPEN_PLAY, 500, 0, 1082},  // the other half: halfway
      {OBJECT_LINESMAN_FAR, OFFICIALS_LINESMAN_LOW, STATE_OPEN_PLAY, 300, 0, 300},
      {OBJECT_LINESMAN_FAR, OFFICIALS_LINESMAN_LOW, STATE_OPEN_PLAY, 1900, 0, 1082},
      {OBJECT_LINESMAN_NEAR, OFFICIALS_LINESMAN_HIGH, STATE_THROW_IN_TAKEN, 1700, 1800, 1736},
      {OBJECT_LINESMAN_FAR, OFFICIALS_LINESMAN_LOW, STATE_THROW_IN_TAKEN, 500, 400, 464},
      {OBJECT_LINESMAN_NEAR, OFFICIALS_LINESMAN_HIGH, STATE_CORNER_TAKEN, 2038, 2038, 1974},
      {OBJECT_LINESMAN_FAR, OFFICIALS_LINESMAN_LOW, STATE_CORNER_TAKEN, 126, 126, 190},
      {OBJECT_LINESMAN_FAR, OFFICIALS_LINESMAN_LOW, STATE_CORNER_TAKEN, 2038, 2038, 1082},  // not his half
  };
  for (const Row& r : rows) {
    const int line = r.code == OFFICIALS_LINESMAN_HIGH ? 124 : 1468;
    const int across = r.code == OFFICIALS_LINESMAN_HIGH ? 64 : 192;
    MatchState = r.state;
    ballY = static_cast<int16_t>(r.ballY);
    restartY = static_cast<int16_t>(r.restart);
    // On his line, far along it: he side-steps along the line facing the pitch.
    for (int official = REF; official <= OBJECT_LINESMAN_FAR; ++official) SetPlayerAction(official, OFFICIALS_IDLE);
    const int from = r.y < 1082 + 300 && r.y > 1082 - 300 ? (r.y > 1082 ? r.y - 600 : r.y + 600) : 1082;
    SetPlayerAction(r.object, r.code);
    Put(r.object, line, from);
    MoversCount = 0;
    UpdateOfficials();
    const MatchObject& o = MatchObjects[r.object];
    EXPECT_EQ(+o.wantedFacing, GetDirection256(line, from, line, r.y)) << r.object << " " << r.ballY;
    EXPECT_EQ(+o.facing, across);
    EXPECT_EQ(+o.x, line);
    EXPECT_NE(+o.fixedY, from * U);
    EXPECT_EQ(+MoversCount, 1);
    EXPECT_EQ(+o.motion, -1);  // a linesman's motion is never shown
    // Away from his line he runs back towards the point.
    Put(r.object, line + (across == 64 ? 200 : -200), from, 0);
    UpdateOfficials();
    EXPECT_EQ(+o.wantedFacing, GetDirection256(line + (across == 64 ? 200 : -200), from, line, r.y));
    EXPECT_NE(+o.facing, 0);
    // Within 32 of the point he waits.
    Put(r.object, line, r.y + 20, 7);
    MoversCount = 0;
    UpdateOfficials();
    EXPECT_EQ(+MoversCount, 0);
    EXPECT_EQ(+o.y, r.y + 20);
    EXPECT_EQ(+o.facing, 7);
  }
}

TEST_F(OfficialsTest, TheLinesmenFlagAndGoBackToTheirLines) {
  struct Row {
    int object, code, direction, then;
  } rows[] = {
      {OBJECT_LINESMAN_NEAR, OFFICIALS_FLAG_OFFSIDE_HIGH, 64, OFFICIALS_LINESMAN_HIGH},
      {OBJECT_LINESMAN_FAR, OFFICIALS_FLAG_OFFSIDE_LOW, 192, OFFICIALS_LINESMAN_LOW},
      {OBJECT_LINESMAN_NEAR, OFFICIALS_FLAG_OUT_HIGH, 64, OFFICIALS_LINESMAN_HIGH},
      {OBJECT_LINESMAN_FAR, OFFICIALS_FLAG_OUT_LOW, 192, OFFICIALS_LINESMAN_LOW},
  };
  LoadBuiltMotions();
  for (const Row& r : rows) {
    SetPlayerAction(r.object, r.code);
    Put(r.object, 124, 1500, 128);
    int frames = 0;
    while (MatchObjects[r.object].action == r.code && frames < 1000) {
      UpdateOfficials();
      ++frames;
    }
    EXPECT_EQ(+MatchObjects[r.object].action, r.then) << r.code;
    EXPECT_GT(frames, 1);  // the flag takes a while
    EXPECT_EQ(+MatchObjects[r.object].facing, r.direction);
  }
}

TEST_F(OfficialsTest, ASignalSoundsOnceAtItsFrameThenTheStoredActionFollows) {
  struct Row {
    int kind, motion, sound, frame, stored, then;
  } rows[] = {
      {1, 55, 8, 40, OFFICIALS_REFEREE_PLAY, OFFICIALS_REFEREE_PLAY},
      {2, 54, 9, 25, OFFICIALS_BOOKING, OFFICIALS_BOOKING},
      {3, 56, 10, 50, OFFICIALS_WALK_OFF_DIRECT, OFFICIALS_WALK_OFF_DIRECT},  // the end of a period
      {2, 54, 9, 25, 0, OFFICIALS_REFEREE_PLAY},  // nothing stored: back to the play
  };
  LoadBuiltMotions();
  for (const Row& r : rows) {
    gEvents.clear();
    RefereeWhistle(r.kind, r.stored);
    MatchObjects[REF].wantedFacing = 40;
    int frames = 0;
    while (MatchObjects[REF].action == OFFICIALS_SIGNAL_CODE && frames < 1000) {
      UpdateOfficials();
      ++frames;
      EXPECT_EQ(+MatchObjects[REF].facing, 40);
    }
    const std::string sound = "S" + std::to_string(r.sound);
    EXPECT_EQ(Count(sound), GetMotionFrames(r.motion) > r.frame ? 1 : 0) << r.kind;
    EXPECT_EQ(frames, GetMotionFrames(r.motion)) << r.kind;
    EXPECT_EQ(+MatchObjects[REF].action, r.then);
  }
  // An unknown signal is no signal: the stored action at once.
  RefereeWhistle(7, OFFICIALS_TALKING_TO);
  UpdateOfficials();
  EXPECT_EQ(+MatchObjects[REF].action, OFFICIALS_TALKING_TO);
}

TEST_F(OfficialsTest, TheOfficialsWalkOffToTheTunnelAndBeyond) {
  for (int code : {OFFICIALS_WALK_OFF, OFFICIALS_WALK_OFF_DIRECT}) {
    for (int object : {REF, OBJECT_LINESMAN_NEAR, OBJECT_LINESMAN_FAR}) {
      SetPlayerAction(object, code);
      Put(object, 700, 1500);
      MatchObject& o = MatchObjects[object];
      int frames = 0;
      while (o.action == code && frames < 5000) {
        MoversCount = 0;
        UpdateOfficials();
        ++frames;
        if (o.action == code) {
          EXPECT_EQ(+MoversCount, 1);
        }
      }
      ASSERT_EQ(+o.action, OFFICIALS_LEAVE) << code;
      EXPECT_LE(std::abs(o.x + 4), 9);
      EXPECT_LE(std::abs(o.y - 1082), 9);
      while (o.frame != -1 && frames < 10000) {
        UpdateOfficials();
        ++frames;
      }
      EXPECT_EQ(+o.frame, -1);
      EXPECT_LE(std::abs(o.x + 164), 9);
      EXPECT_LE(std::abs(o.y - 1082), 9);
      SetPlayerAction(object, OFFICIALS_IDLE);
    }
  }
}

TEST_F(OfficialsTest, ABookingIsShownRecordedAndPlayGoesOn) {
  const int off = 5;
  ASSERT_GT(Decide(OFFICIALS_BOOKING, off), 5);  // he runs to him first
  const MatchObject& o = MatchObjects[off];
  EXPECT_EQ(+o.action, 0);  // the offender stopped where he stood
  EXPECT_EQ(+o.cardState, 1);
  EXPECT_EQ(+o.sentOff, 0);
  EXPECT_EQ(LogKinds(), std::vector<int>{LOG_YELLOW});
  EXPECT_EQ(CardKinds(0), std::vector<int>{1});
  EXPECT_EQ(+SideBookings[0], 1);
  EXPECT_EQ(+SideSendingsOff[0], 0);
  EXPECT_EQ(Count("I6:5"), 1);
  EXPECT_EQ(Count("S12"), 0);  // no earlier booking
  EXPECT_EQ(Count("H3:200"), 1);
  EXPECT_EQ(RefereeDecision, 0);
  EXPECT_EQ(+focusObject, OBJECT_BALL);
  EXPECT_EQ(CardStepCounter, 0);
}

TEST_F(OfficialsTest, ASecondBookingIsRecordedThenSendsHimOffCountedOnce) {
  const int off = 20;  // side 1
  ASSERT_GT(Decide(OFFICIALS_BOOKING, off), 0);
  gEvents.clear();
  ASSERT_GT(Decide(OFFICIALS_BOOKING, off), 0);
  const MatchObject& o = MatchObjects[off];
  EXPECT_EQ(+o.cardState, 2);
  EXPECT_EQ(+o.sentOff, 0);
  EXPECT_EQ(LogKinds(), (std::vector<int>{LOG_YELLOW, LOG_YELLOW}));  // no log of a red card
  EXPECT_EQ(CardKinds(1), (std::vector<int>{1, 3}));
  EXPECT_EQ(+SideBookings[1], 2);
  EXPECT_EQ(+SideSendingsOff[1], 1);
  EXPECT_EQ(Count("S12"), 2);  // he carried a booking both times the card came out
  // The booking, then the sending-off: 113, then 114 with the ten men left.
  ASSERT_GE(IndexOf("I6:20"), 0);
  EXPECT_LT(IndexOf("I6:20"), IndexOf("C113:20:0"));
  EXPECT_LT(IndexOf("C113:20:0"), IndexOf("I7:20"));
  EXPECT_LT(IndexOf("I7:20"), IndexOf("C114:20:10"));
  EXPECT_EQ(Count("H3:200"), 1);  // the sending-off's; the second booking arms none
  EXPECT_EQ(+o.action, 31);       // he leaves the pitch
  EXPECT_EQ(RefereeDecision, 0);
  EXPECT_EQ(SubstitutionRequest[1], 0);  // a computer side
}

TEST_F(OfficialsTest, AStraightRedAfterABookingAddsNoSecondBooking) {
  const int off = 7;
  ASSERT_GT(Decide(OFFICIALS_BOOKING, off), 0);
  gEvents.clear();
  ASSERT_GT(Decide(OFFICIALS_SENDING_OFF, off), 0);
  const MatchObject& o = MatchObjects[off];
  EXPECT_EQ(+o.cardState, 1);
  EXPECT_EQ(+o.sentOff, 1);
  EXPECT_EQ(LogKinds(), (std::vector<int>{LOG_YELLOW, LOG_RED}));
  EXPECT_EQ(CardKinds(0), (std::vector<int>{1, 3}));
  EXPECT_EQ(+SideBookings[0], 1);
  EXPECT_EQ(+SideSendingsOff[0], 1);
  EXPECT_EQ(Count("C113:7:0"), 0);
  EXPECT_EQ(Count("C114:7:10"), 1);
  EXPECT_EQ(Count("I7:7"), 1);
  EXPECT_EQ(Count("I6:7"), 0);
}

TEST_F(OfficialsTest, AStraightRedToAHumanSideAsksForAChange) {
  GetMatchSetupRecord()[MATCH_SETUP_TEAM_OFFSET[0] + SETUP_TEAM_HUMAN] = 1;
  MatchObjects[3].offPitch = 1;  // already a man short
  ASSERT_GT(Decide(OFFICIALS_SENDING_OFF, 2), 0);
  EXPECT_EQ(SubstitutionRequest[0], 1);
  EXPECT_EQ(Count("C114:2:9"), 1);
  EXPECT_EQ(LogKinds(), std::vector<int>{LOG_RED});
  EXPECT_EQ(CardKinds(0), std::vector<int>{3});
}

TEST_F(OfficialsTest, ATalkingToShowsNoCard) {
  const int off = 9;
  MatchObjects[off].targetX = 1;
  ASSERT_GT(Decide(OFFICIALS_TALKING_TO, off), 5);
  EXPECT_EQ(+MatchObjects[off].targetX, +MatchObjects[off].x);  // he was told to stay where he stood
  EXPECT_EQ(+MatchObjects[off].cardState, 0);
  EXPECT_EQ(LogKinds(), std::vector<int>{});
  EXPECT_EQ(GetCardRecordCount(0), 0);
  EXPECT_TRUE(gEvents.empty());
  EXPECT_EQ(RefereeDecision, 0);
  EXPECT_EQ(+focusObject, OBJECT_BALL);
  EXPECT_EQ(CardStepCounter, 0);
}

TEST_F(OfficialsTest, ADecisionAboutNobodyOnThePitchIsDropped) {
  struct Row {
    int code, offender;
    bool onPitch;
  } rows[] = {{OFFICIALS_BOOKING, -1, true}, {OFFICIALS_SENDING_OFF, 40, true}, {OFFICIALS_TALKING_TO, 4, false}};
  for (const Row& r : rows) {
    if (r.offender >= 0 && r.offender < MATCH_PLAYERS) MatchObjects[r.offender].offPitch = r.onPitch ? 0 : 1;
    RefereeDecision = static_cast<int16_t>(r.code);
    RefereeOffender = static_cast<int16_t>(r.offender);
    SetPlayerAction(REF, r.code);
    UpdateOfficials();
    EXPECT_EQ(+MatchObjects[REF].action, OFFICIALS_REFEREE_PLAY) << r.code;
    EXPECT_EQ(RefereeDecision, 0);
    EXPECT_EQ(+focusObject, OBJECT_BALL);
  }
  EXPECT_EQ(MatchLogCount, 0);
  EXPECT_TRUE(gEvents.empty());
}

// The free kick waits in the stoppage state while the card is shown and goes
// ahead once the referee is done.
TEST_F(OfficialsTest, TheStoppageResumesTheFreeKickOnceTheCardIsShown) {
  LoadBuiltMotions();
  for (int decision : {OFFICIALS_TALKING_TO, OFFICIALS_BOOKING, OFFICIALS_SENDING_OFF}) {
    const int off = 18;
    MatchObjects[off].cardState = 1;  // so a booking is his second
    MatchState = STATE_STOPPAGE;
    SavedState = STATE_FOUL;
    MatchStateTimer = 0;
    AddedTimeFrames = 0;
    RefereeDecision = static_cast<int16_t>(decision);
    RefereeOffender = off;
    RefereeWhistle(2, decision);  // the foul's whistle, then the decision
    Put(REF, 900, 1200);
    int frames = 0;
    while (MatchState == STATE_STOPPAGE && frames < 3000) {
      UpdateOfficials();
      RunMatchState();
      ++frames;
    }
    EXPECT_EQ(MatchState, STATE_FOUL) << decision;
    EXPECT_EQ(MatchStateTimer, 1);
    EXPECT_GE(AddedTimeFrames, frames - 1);
    EXPECT_GT(frames, GetMotionFrames(54));  // the whistle, the walk and the card all came first
    EXPECT_EQ(+MatchObjects[REF].action, OFFICIALS_REFEREE_PLAY);
    MatchObjects[off].cardState = 0;
    MatchObjects[off].sentOff = 0;
    SetPlayerAction(off, 0);
  }
}

TEST_F(OfficialsTest, AMatchStartsWithNoCardsOrHighlightsAndTheOfficialsAtWork) {
  SideBookings[0] = 2;
  SideSendingsOff[1] = 1;
  CardStepCounter = 5;
  ActivateHighLight(1, 200);
  for (int object = REF; object <= OBJECT_LINESMAN_FAR; ++object) SetPlayerAction(object, OFFICIALS_LEAVE);
  period = 0;
  KickOffSetup();
  EXPECT_EQ(+SideBookings[0], 0);
  EXPECT_EQ(+SideSendingsOff[1], 0);
  EXPECT_EQ(CardStepCounter, 0);
  EXPECT_EQ(GetHighlightCount(), 0);
  EXPECT_EQ(+MatchObjects[REF].action, OFFICIALS_REFEREE_PLAY);
  EXPECT_EQ(+MatchObjects[OBJECT_LINESMAN_NEAR].action, OFFICIALS_LINESMAN_HIGH);
  EXPECT_EQ(+MatchObjects[OBJECT_LINESMAN_FAR].action, OFFICIALS_LINESMAN_LOW);
  // A later period keeps the match's cards.
  SideBookings[0] = 1;
  period = 1;
  KickOffSetup();
  EXPECT_EQ(+SideBookings[0], 1);
}

TEST_F(OfficialsTest, TheOfficialsRunThroughTheMatchSeams) {
  MatchSeams_Reset();
  SetPlayerAction(REF, OFFICIALS_REFEREE_PLAY);
  MatchState = STATE_OPEN_PLAY;
  RefereeDecision = 7;
  MatchSeams.updateOfficials();
  EXPECT_EQ(RefereeDecision, 0);
  for (int i = 0; i < OFFICIALS_CODES; ++i) EXPECT_NE(OfficialsActionTable[i], nullptr);
  // Out-of-range codes do nothing.
  for (int code : {-1, 16, 200}) {
    MatchObjects[REF].action = static_cast<int16_t>(code);
    Put(REF, 500, 500);
    UpdateOfficials();
    EXPECT_EQ(+MatchObjects[REF].x, 500);
  }
}

}  // namespace
