#include "gamecode/keeperpos.h"

#include <vector>

#include "gamecode/actions.h"
#include "gamecode/activeplayers.h"
#include "gamecode/ball.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/matchstates.h"
#include "gamecode/movement.h"
#include "gamecode/teamops.h"
#include "support/engine_fixture.h"

namespace {

class KeeperPosTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    SetPitchGeometry();
  }
};

TEST_F(KeeperPosTest, WhereTheKeeperStands) {
  struct Row {
    bool low;
    int state;
    bool shootout;
    int bx, by, d, tx, ty;
  } rows[] = {
      // The ball on the halfway line straight in front of goal.
      {true, STATE_OPEN_PLAY, false, 796, 1082, 128, 796, 242},
      // The ball at direction 96 from him, towards larger x.
      {true, STATE_OPEN_PLAY, false, 900, 1082, 96, 850, 242},
      {true, STATE_CORNER, false, 900, 1082, 96, 850, 242},
      {false, STATE_OPEN_PLAY, false, 796, 1082, 0, 796, 1922},
      {false, STATE_OPEN_PLAY, false, 900, 1082, 32, 850, 1922},
      {false, STATE_OPEN_PLAY, false, 700, 1082, 224, 742, 1922},
      // Throw-ins, goal kicks and corners being taken: the middle of the
      // goal, 14 in front of the line.
      {true, STATE_THROW_IN_TAKEN, false, 156, 700, 40, 796, 136},
      {false, STATE_CORNER_TAKEN, false, 156, 2042, 40, 796, 2028},
      {false, STATE_PENALTY_PLACED, true, 796, 1860, 0, 796, 1854},
      // The ball level with his own line.
      {true, STATE_OPEN_PLAY, false, 500, 122, 200, 796, 136},
      {false, STATE_OPEN_PLAY, false, 500, 2042, 200, 796, 2028},
  };
  for (const Row& r : rows) {
    int tx = 0, ty = 0;
    KeeperTargetPoint(r.low, r.state, r.shootout, r.bx, r.by, r.d, &tx, &ty);
    EXPECT_EQ(tx, r.tx) << r.low << " state " << r.state << " d " << r.d;
    EXPECT_EQ(ty, r.ty) << r.low << " state " << r.state << " d " << r.d;
  }
}

TEST_F(KeeperPosTest, ReactionTerms) {
  struct Row {
    int R, D, t1, t2, t3;
  } rows[] = {
      {0, 400, 200, 100, 23},
      {100, 400, 400, 400, 70},
      {50, 160, 120, 90, 18},
      {99, 0, 0, 0, 0},
  };
  for (const Row& r : rows) {
    const KeeperReaction t = KeeperReactionTerms(r.R, r.D);
    EXPECT_EQ(t.t1, r.t1) << r.R << " " << r.D;
    EXPECT_EQ(t.t2, r.t2) << r.R << " " << r.D;
    EXPECT_EQ(t.t3, r.t3) << r.R << " " << r.D;
  }
}

TEST_F(KeeperPosTest, TheBallDistanceAlongTheDirection) {
  EXPECT_EQ(KeeperBallDistance(0, 30, -100), 100);   // straight along: the across offset counts nothing
  EXPECT_EQ(KeeperBallDistance(64, 100, -30), 100);  // straight across
  EXPECT_EQ(KeeperBallDistance(128, -7, 50), 50);
}

TEST_F(KeeperPosTest, BehindOnAggregateReleasesSooner) {
  struct Row {
    int score0, score1, carried0, carried1;
    bool behind0, behind1;
  } rows[] = {
      {0, 1, 0, 0, true, false},
      {1, 1, 0, 0, false, false},
      {2, 0, 0, 3, true, false},  // ahead tonight, behind over the two legs
      {0, 1, 1, 0, false, false}, // level over the two legs
      {0, 0, 2, 1, false, true},
  };
  for (const Row& r : rows) {
    Score[0] = static_cast<int16_t>(r.score0);
    Score[1] = static_cast<int16_t>(r.score1);
    MatchFirstLegGoals[0] = static_cast<int16_t>(r.carried0);
    MatchFirstLegGoals[1] = static_cast<int16_t>(r.carried1);
    EXPECT_EQ(KeeperSideBehind(0), r.behind0) << r.score0 << "-" << r.score1;
    EXPECT_EQ(KeeperSideBehind(1), r.behind1) << r.score0 << "-" << r.score1;
  }
  // The countdown: a quarter of its roll + 1 when behind.
  struct Count {
    int roll;
    bool behind;
    int countdown;
  } counts[] = {{0, false, 10}, {49, false, 59}, {0, true, 3}, {49, true, 15}, {30, true, 11}};
  for (const Count& c : counts) EXPECT_EQ(ReleaseCountdown(c.roll, c.behind), c.countdown) << c.roll;
  // The wait counter jumps to its full value at once when behind.
  EXPECT_EQ(ReleaseWaitStep(0, 40, true), 40);
  EXPECT_EQ(ReleaseWaitStep(0, 40, false), 1);
  EXPECT_EQ(ReleaseWaitStep(40, 40, false), 40);
}

TEST_F(KeeperPosTest, WhoMayReceiveAHeldBall) {
  struct Row {
    int D, x, y;
    bool behind, ok;
  } rows[] = {
      {320, 796, 600, false, true},  {319, 796, 600, false, false}, {240, 796, 600, true, true},
      {239, 796, 600, true, false},  {1120, 796, 600, false, true}, {1121, 796, 600, false, false},
      {500, 1136, 600, false, true}, {500, 1137, 600, false, false}, {500, 1137, 600, true, true},
      {500, 456, 600, false, true},  {500, 455, 600, false, false},  {500, 300, 600, true, true},
      {500, 796, 121, true, false},  {500, 796, 2043, false, false},
  };
  for (const Row& r : rows) EXPECT_EQ(ReleaseCandidate(r.D, r.x, r.y, r.behind), r.ok) << r.D << " " << r.x;
  // Bowled out only with a short flight, a receiver and nobody close to the aim.
  struct Bowl {
    int E;
    bool receiver;
    int pressure;
    bool bowled;
  } bowls[] = {{119, true, 257, true}, {120, true, 257, false}, {60, false, 900, false}, {60, true, 256, false}};
  for (const Bowl& b : bowls) EXPECT_EQ(ReleaseBowled(b.E, b.receiver, b.pressure), b.bowled) << b.E;
}

TEST_F(KeeperPosTest, WhoMayReceiveAGoalKick) {
  struct Row {
    int D, x, y;
    bool ok;
  } rows[] = {
      {640, 796, 900, true},   {639, 796, 900, false},  {1200, 796, 900, true}, {1201, 796, 900, false},
      {800, 456, 900, true},   {800, 455, 900, false},  {800, 1136, 900, true}, {800, 1137, 900, false},
      {800, 796, 121, false},  {800, 796, 2043, false},
  };
  for (const Row& r : rows) EXPECT_EQ(GoalKickCandidate(r.D, r.x, r.y), r.ok) << r.D << " " << r.x << " " << r.y;
}

TEST_F(KeeperPosTest, TheKeepersKicks) {
  EXPECT_EQ(KeeperKickLength(0), 707788);   // trunc(589,824 x 1.2)
  EXPECT_EQ(KeeperKickLength(99), 951091);  // trunc((99 x 2,048 + 589,824) x 1.2)
  struct Row {
    int d, length;
    int32_t vx, vy;
  } rows[] = {{0, 1000, 0, -1000}, {64, 1000, 1000, 0}, {128, 1000, 0, 1000}, {192, 1000, -1000, 0}};
  for (const Row& r : rows) {
    const KeeperKickVelocity v = KeeperKickAlong(r.d, r.length);
    EXPECT_EQ(v.vx, r.vx) << r.d;
    EXPECT_EQ(v.vy, r.vy) << r.d;
  }
}

constexpr int32_t U = 0x10000;

// The keeper of side 0 (object 0, defending the low goal line) holding the
// ball at (796, 200); the tests put team-mates and opponents on the pitch.
class KeeperReleaseTest : public KeeperPosTest {
 protected:
  void SetUp() override {
    KeeperPosTest::SetUp();
    MatchSeams.sayComment = [](int, int, int, int, int, int) {};
    MatchSeams.sfxPlay = [](int) {};
    for (int i = 0; i < MATCH_PLAYERS; ++i) {
      MatchObjects[i] = MatchObject{};
      MatchObjects[i].offPitch = 1;
    }
    for (int s = 0; s < 2; ++s)
      for (int p = 0; p < 16; ++p) {
        SideSlots[s][p] = static_cast<int16_t>(s * 16 + p);
        ChaseOrder[s][p] = static_cast<int16_t>(s * 16 + p);
      }
    LowGoalSide = 0;
    Put(0, 796, 200, 0);
    MatchObjects[0].attr[SKILL_POWER] = 60;
    keeperHolder = 1;
    ballX = 796;
    ballY = 200;
    KeeperDecision = -1;
    MatchState = STATE_KEEPER_RELEASE;
    PlaceObjectAt(OBJECT_RESTART_SPOT, 796, 1320);
    MatchObjects[OBJECT_RESTART_SPOT].frame = 12;
  }
  static void Put(int object, int x, int y, int D) {
    MatchObject& o = MatchObjects[object];
    o.offPitch = 0;
    o.action = 3;
    PlaceObjectAt(object, x, y);
    o.targetX = static_cast<int16_t>(x);
    o.targetY = static_cast<int16_t>(y);
    o.ballDistance = static_cast<int16_t>(D);
  }
  // One frame of the object's action on the working copy, written back.
  static void Frame(int object) {
    MatchObject& o = MatchObjects[object];
    ActorX = o.x;
    ActorY = o.y;
    ActorFixedX = o.fixedX;
    ActorFixedY = o.fixedY;
    PlayerActionTable[o.action](object);
    o.fixedX = ActorFixedX;
    o.fixedY = ActorFixedY;
    o.x = static_cast<int16_t>(ActorFixedX / U);
    o.y = static_cast<int16_t>(ActorFixedY / U);
  }
  // Frames of the keeper's action `code` until he leaves it (at most `limit`).
  static int FramesIn(int code, int limit) {
    int frames = 0;
    while (MatchObjects[0].action == code && frames < limit) {
      Frame(0);
      ++frames;
    }
    return frames;
  }
};

TEST_F(KeeperReleaseTest, TheReceiverIsTheLastTeamMateWhoPasses) {
  struct Row {
    int tries;
    bool goalKick, behind;
    int chosen, index;
  } rows[] = {
      // Place 0 is the keeper himself, 1 too close, 2 fits, 3 near a touchline.
      {5, false, false, 2, -1},  // the fifth try (place 4, nobody) failed
      {3, false, false, 2, 2},
      {5, false, true, 3, 3},    // behind: 3 fits too and, near the line, halves the tries left
      {5, true, false, -1, -1},  // nobody is far enough out for a goal kick
      {1, false, false, -1, -1},
  };
  for (const Row& r : rows) {
    SetUp();
    Put(1, 796, 260, 100);
    Put(2, 796, 600, 400);
    Put(3, 300, 600, 500);
    ChooseReleaseReceiver(0, r.tries, r.goalKick, r.behind);
    EXPECT_EQ(+KeeperDecision, r.chosen) << r.tries << " " << r.goalKick << " " << r.behind;
    EXPECT_EQ(ReleaseCandidateIndex(), r.index) << r.tries << " " << r.goalKick << " " << r.behind;
  }
}

TEST_F(KeeperReleaseTest, PressureComesFromTheNearestFreeOpponent) {
  EXPECT_EQ(ReleasePressure(0, 796, 1320), kNoPressure);  // nobody to press
  Put(17, 796, 1000, 0);
  EXPECT_EQ(ReleasePressure(0, 796, 1320), 320);
  EXPECT_EQ(ReleasePressure(1, 796, 1320), kNoPressure);  // side 0 has only its keeper, who never counts
  MatchObjects[17].action = 60;                            // busy: not free
  EXPECT_EQ(ReleasePressure(0, 796, 1320), kNoPressure);
}

TEST_F(KeeperReleaseTest, AHeldBallIsBowledOrKickedFromTheHands) {
  struct Row {
    bool receiver, pressed, behind;
    int code, minFrames, maxFrames;
  } rows[] = {
      {true, false, false, 159, 50, 110},  // E = 400 / 8: bowled once the wait is full
      {true, true, false, 131, 50, 110},   // an opponent beside the aim point
      {false, false, false, 131, 140, 200},  // no receiver: kicked towards the marker (E = 140)
      {true, false, true, 159, 1, 15},     // behind: the wait is full at once and the countdown short
      {false, false, true, 131, 1, 15},
  };
  // Behind over the two legs while level tonight releases as soon.
  struct Aggregate {
    int carried0, carried1, maxFrames;
  } aggregates[] = {{0, 1, 15}, {1, 0, 200}};
  for (const Aggregate& a : aggregates) {
    SetUp();
    MatchObjects[0].action = 123;
    MatchFirstLegGoals[0] = static_cast<int16_t>(a.carried0);
    MatchFirstLegGoals[1] = static_cast<int16_t>(a.carried1);
    const int frames = FramesIn(123, 1000);
    EXPECT_EQ(+MatchObjects[0].action, 131) << a.carried0 << "-" << a.carried1;
    EXPECT_LE(frames, a.maxFrames) << a.carried0 << "-" << a.carried1;
    if (a.carried0 > 0) {
      EXPECT_GE(frames, 140);  // ahead on aggregate: the full wait
    }
  }
  for (const Row& r : rows) {
    SetUp();
    MatchObjects[0].action = 123;
    Score[1] = static_cast<int16_t>(r.behind ? 1 : 0);
    if (r.receiver) Put(2, 796, 600, 400);
    if (r.pressed) Put(17, 796, 700, 0);
    const int frames = FramesIn(123, 1000);
    const MatchObject& k = MatchObjects[0];
    EXPECT_EQ(+k.action, r.code) << r.receiver << r.pressed << r.behind;
    EXPECT_GE(frames, r.minFrames) << r.receiver << r.pressed << r.behind;
    EXPECT_LE(frames, r.maxFrames) << r.receiver << r.pressed << r.behind;
    EXPECT_EQ(+KeeperDecision, -1);
    EXPECT_EQ(+keeperHolder, 1);  // still in his hands until the kick
    if (r.receiver) {
      EXPECT_EQ(+MatchObjects[2].action, 4);
      EXPECT_EQ(+ActivePlayer[0], 2);
    }
    if (r.code == 159) {
      EXPECT_EQ(+PassReceiver, 2);
      EXPECT_EQ(+PassPointY, 800);  // 200 beyond him towards the far goal
    }
  }
}

TEST_F(KeeperReleaseTest, AReleaseOutsideTheKeepersHoldSendsHimBackInGoal) {
  MatchObjects[0].action = 123;
  MatchState = STATE_PERIOD_END;
  Frame(0);
  EXPECT_EQ(+MatchObjects[0].action, 122);
}

TEST_F(KeeperReleaseTest, AGoalKickIsWalkedToTakenAndPlaysOn) {
  struct Row {
    bool receiver;
    int walked;  // frames already walked
  } rows[] = {{false, 0}, {true, 0}, {false, kGoalKickWalkLimit - 1}};
  for (const Row& r : rows) {
    SetUp();
    keeperHolder = 0;
    MatchState = STATE_GOAL_KICK_TAKEN;
    restartX = 636;
    restartY = 218;
    ballX = 700;  // where it went out
    ballY = 110;
    Put(0, 796, 136, 0);
    MatchObjects[0].action = 157;
    MatchObjects[0].actionCounter = static_cast<int16_t>(r.walked);
    if (r.receiver) Put(2, 796, 1100, 900);
    PlaceObjectAt(OBJECT_RESTART_SPOT, 636, 1338);
    MatchObjects[OBJECT_RESTART_SPOT].frame = 13;  // left from an earlier hold
    const int walk = FramesIn(157, 2000);
    EXPECT_EQ(+MatchObjects[0].action, 156);
    if (r.walked > 0) {
      EXPECT_EQ(walk, 1);
    }
    EXPECT_EQ(+ballX, 636);
    EXPECT_EQ(+ballY, 218);
    EXPECT_EQ(+MatchObjects[OBJECT_RESTART_SPOT].frame, 12);
    FramesIn(156, 1000);
    EXPECT_EQ(+MatchObjects[0].action, 158);
    if (r.receiver) {
      EXPECT_EQ(+MatchObjects[OBJECT_RESTART_SPOT].y, 1100);
    }
    FramesIn(158, 100);
    FramesIn(132, 1000);
    EXPECT_EQ(+MatchState, STATE_OPEN_PLAY);
    EXPECT_GT(ballVelY, 0);  // upfield
    EXPECT_EQ(+LastKicker, 0);
  }
}

TEST_F(KeeperPosTest, TheDivesHeightClassFollowsTheBallsRealHeight) {
  struct Row {
    int h, cls;
  } rows[] = {{0, 1}, {8, 1}, {9, 0}, {16, 0}, {17, 2}, {40, 2}};
  for (const Row& r : rows) EXPECT_EQ(DiveClassFor(r.h), r.cls) << r.h;
}

TEST_F(KeeperReleaseTest, AKeeperDoesNotSaveTheBallHeHasJustKicked) {
  struct Row {
    int lock, kicker;
    bool legs;
  } rows[] = {{10, 0, false}, {0, 0, true}, {10, 5, true}};
  for (const Row& r : rows) {
    SetUp();
    keeperHolder = 0;
    MatchState = STATE_OPEN_PLAY;
    MatchObject& k = MatchObjects[0];
    k.action = 122;
    k.touchLock = static_cast<int16_t>(r.lock);
    LastKicker = static_cast<int16_t>(r.kicker);
    // Fast and at knee height at his feet, going away upfield.
    PutBallInPlay(796, 210, 5, 0, 12 * U, 0);
    Frame(0);
    const int code = MatchObjects[0].action;
    EXPECT_EQ(code == 154 || code == 155, r.legs) << r.lock << " " << r.kicker << " code " << code;
  }
}

TEST_F(KeeperReleaseTest, TheKeepersGatherMeetsTheAttacker) {
  MatchSeams.infoBar = [](int, int, int) {};
  struct Row {
    int action;
    bool onBall;
    int handling, foulValue, cardValue;
    bool attackerFouls, keeperFouls, bookings;
  } rows[] = {
      {3, false, 50, 127, 127, false, false, false},  // nobody challenged him
      {56, false, 50, 0, 127, false, false, false},   // a tackle, with a referee who lets everything go
      {105, false, 50, 127, 127, true, false, true},  // a sliding tackle, with a strict one
      {3, true, 99, 127, 127, false, false, false},   // a keeper with handling 99 never fouls
      {3, true, 0, 127, 0, false, true, false},       // a card value of 0 never books
      {3, true, 0, 127, 127, false, true, true},
  };
  for (const Row& r : rows) {
    int attackerFouls = 0, keeperFouls = 0, bookings = 0, goesDown = 0;
    const int tries = 300;
    SetUp();
    MatchSeams.infoBar = [](int, int, int) {};
    RefereeRule1 = static_cast<int8_t>(r.foulValue);
    RefereeRule2 = static_cast<int8_t>(r.cardValue);
    MatchObjects[0].attr[SKILL_CONTROL] = static_cast<uint8_t>(r.handling);
    MatchObjects[0].attr[SKILL_RESILIENCE] = 99;
    Put(20, 800, 215, 0);
    for (int i = 0; i < tries; ++i) {
      MatchObjects[20].action = static_cast<int16_t>(r.action);
      keeperHolder = 1;
      MatchState = STATE_KEEPER_HOLDS;
      RefereeDecision = 0;
      FoulingSide = 0;
      KeeperMeetsAttacker(0, 20, r.onBall);
      if (MatchState == STATE_FOUL && FoulingSide == 1) {
        ++attackerFouls;
        EXPECT_EQ(+FouledPlayer, 0);
        EXPECT_EQ(+RefereeOffender, 20);
      }
      if (MatchState == STATE_FOUL && FoulingSide == 0) {
        ++keeperFouls;
        EXPECT_EQ(+FouledPlayer, 20);
        EXPECT_EQ(+RefereeOffender, 0);
        EXPECT_EQ(+restartX, 796);  // at the keeper
        EXPECT_EQ(+restartY, 200);
      }
      if (MatchState == STATE_FOUL) {
        EXPECT_EQ(+keeperHolder, 0);
      }
      if (RefereeDecision == 8) ++bookings;
      if (MatchObjects[20].action == 102) ++goesDown;
    }
    EXPECT_EQ(attackerFouls > 0, r.attackerFouls) << r.action << " " << r.onBall << " " << r.handling;
    EXPECT_EQ(keeperFouls > 0, r.keeperFouls) << r.action << " " << r.onBall << " " << r.handling;
    EXPECT_EQ(bookings > 0, r.bookings) << r.action << " " << r.onBall << " " << r.cardValue;
    EXPECT_EQ(goesDown, r.onBall ? tries : 0) << r.action << " " << r.onBall;
  }
}

std::vector<int> g_events;

TEST_F(KeeperReleaseTest, TheKeeperGoesForABallAtHisFeet) {
  struct Row {
    int keeperX, ballX, ballY, h, vy;
    int chaser, active;  // the opposing first chase place and active player, 32 away or near
    int code, comment;
  } rows[] = {
      {796, 796, 210, 0, 0, 0, 0, 145, 124},    // low, slow, in his area, nobody near: comes to collect
      {796, 796, 210, 0, 0, 30, 0, 145, 123},   // the first chaser close: races out
      {300, 300, 210, 0, 0, 0, 0, 133, -1},     // outside his area: cleared
      {796, 796, 210, 0, 0, 0, 20, 122, -1},    // the attacker on it: he runs at the ball
      {796, 796, 210, 12, -12, 0, 0, 154, -1},  // fast at knee height: the legs
      {796, 796, 210, 13, -12, 0, 0, 122, -1},  // higher: no leg save
  };
  for (const Row& r : rows) {
    SetUp();
    g_events.clear();
    MatchSeams.sayComment = [](int event, int, int, int, int, int) { g_events.push_back(event); };
    keeperHolder = 0;
    MatchState = STATE_OPEN_PLAY;
    Put(0, r.keeperX, 200, 0);
    MatchObjects[0].action = 122;
    MatchObjects[0].facing = 128;
    Put(17, r.ballX + r.chaser + 40 * (r.chaser == 0), 210 + 600 * (r.chaser == 0), 0);
    Put(18, r.ballX + r.active + 40 * (r.active == 0), 210 + 600 * (r.active == 0), 0);
    ChaseOrder[1][0] = 17;
    ActivePlayer[1] = 18;
    PutBallInPlay(r.ballX, r.ballY, r.h, 0, r.vy * U, 0);
    Frame(0);
    const int code = MatchObjects[0].action;
    EXPECT_EQ(code == 155 ? 154 : code, r.code) << r.keeperX << " h " << r.h << " chaser " << r.chaser;
    if (r.comment >= 0) {
      ASSERT_FALSE(g_events.empty());
      EXPECT_EQ(g_events.back(), r.comment);
    }
  }
}

TEST_F(KeeperReleaseTest, AReleaseOrGoalKickThatLostItsTakerPicksUpAgain) {
  struct Row {
    int state, holder, restartSide, code;
  } rows[] = {
      {STATE_KEEPER_RELEASE, 1, 0, 123},   // the ball still in his hands
      {STATE_KEEPER_RELEASE, 0, 0, 122},   // not his ball
      {STATE_GOAL_KICK_TAKEN, 0, 0, 157},  // his side's goal kick
      {STATE_GOAL_KICK_TAKEN, 0, 1, 122},  // theirs
  };
  for (const Row& r : rows) {
    SetUp();
    MatchState = static_cast<int16_t>(r.state);
    keeperHolder = static_cast<int16_t>(r.holder);
    RestartSide = static_cast<uint8_t>(r.restartSide);
    MatchObjects[0].action = 122;
    ballX = 796;
    ballY = 600;
    Frame(0);
    EXPECT_EQ(+MatchObjects[0].action, r.code) << r.state << " " << r.holder << " " << r.restartSide;
  }
}

TEST_F(KeeperReleaseTest, AKeeperOffTheKeepersPlaceHandsTheRoleOver) {
  struct Row {
    int placeAction, placeAfter;
  } rows[] = {{3, 122}, {56, 122}, {131, 131}};  // a keeper's action of the new man is left alone
  for (const Row& r : rows) {
    SetUp();
    keeperHolder = 0;
    MatchState = STATE_THROW_IN_TAKEN;
    Put(0, 796, 400, 0);
    MatchObjects[0].action = static_cast<int16_t>(r.placeAction);
    Put(5, 796, 136, 0);
    MatchObjects[5].action = 122;
    Frame(5);
    EXPECT_EQ(+MatchObjects[5].action, 0) << r.placeAction;
    EXPECT_EQ(+MatchObjects[0].action, r.placeAfter) << r.placeAction;
  }
}

}  // namespace
