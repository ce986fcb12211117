#include "gamecode/matchframe.h"

#include <string>

#include "engine/bytes.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "support/engine_fixture.h"

namespace {

std::string gCalls;  // every seam the frame called, in order
int gPolls;
int gStopAfterPolls;              // the period ends (through the poll) after this many frames
void (*gOnPoll)(int poll);        // a script run at each poll
int gReplaySteps;
void (*gOnReplayStep)(int step);  // a script run at each replay frame

void Add(const char* name) {
  gCalls += name;
  gCalls += ' ';
}

class MatchFrameTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    gCalls.clear();
    gPolls = 0;
    gStopAfterPolls = 1000;
    gOnPoll = nullptr;
    gReplaySteps = 0;
    gOnReplayStep = nullptr;
    SetPitchGeometry();
    ballX = Pitch.centreX;
    ballY = Pitch.centreY;
    ballFixedX = ballX * 65536;
    ballFixedY = ballY * 65536;
    MatchObjects[OBJECT_BALL].x = ballX;
    MatchObjects[OBJECT_BALL].y = ballY;
    MatchObjects[OBJECT_BALL].fixedX = ballFixedX;
    MatchObjects[OBJECT_BALL].fixedY = ballFixedY;
    ballDirection = 256;
    for (MatchObject& o : MatchObjects) o.motion = -1;
    StoreI16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE, 0);
    MatchSeamTable& t = MatchSeams;
    t.poll = [] {
      ++gPolls;
      Add("poll");
      if (gOnPoll) gOnPoll(gPolls);
      if (gPolls >= gStopAfterPolls) PeriodOver = 1;
    };
    t.keyFlush = [] { Add("keyFlush"); };
    t.replanTeams = [] { Add("replan"); };
    t.teamShapeInterpolateZones = [] { Add("zones"); };
    t.teamShapeSetTargets = [] { Add("targets"); };
    t.computerManagerFirstStep = [] { Add("cm1"); };
    t.computerManagerSecondStep = [] { Add("cm2"); };
    t.updateManMarking = [] { Add("marking"); };
    t.updateActivePlayers = [] { Add("active"); };
    t.updateMatchCounters = [] { Add("counters"); };
    t.teamShapeUpdate = [] { Add("shape"); };
    t.updateOfficials = [] { Add("officials"); };
    t.playerAction = [] { Add("players"); };
    t.matchStateHandler = [] { Add("state"); };
    t.matchClockTick = [] { Add("clock"); };
    t.replayRecordFrame = [] { Add("record"); };
    t.replayCaptureFrame = [] { Add("capture"); };
    t.replayRestoreFrame = [] { Add("restore"); };
    t.replayPlayStep = [] {
      ++gReplaySteps;
      Add("replay");
      if (gOnReplayStep) gOnReplayStep(gReplaySteps);
    };
    t.inGameMenusLoop = [](int screen) { gCalls += "menus" + std::to_string(screen) + " "; };
    t.placeBallInHands = [](int ball, int holder) {
      gCalls += "hands" + std::to_string(ball) + "," + std::to_string(holder) + " ";
      RenderObjects[ball].height = 20 * 2.8f;
    };
    t.analysisUpdate = [] { Add("aUpdate"); };
    t.analysisUpdateTimedPause = [] { Add("aPause"); };
    t.analysisDrawFrame = [] { Add("aDraw"); };
  }

  // The calls of frames that did not step the match.
  static int Count(const std::string& name) {
    int n = 0;
    for (size_t at = gCalls.find(name + " "); at != std::string::npos; at = gCalls.find(name + " ", at + 1))
      if (at == 0 || gCalls[at - 1] == ' ') ++n;
    return n;
  }
};

TEST_F(MatchFrameTest, OneFrameStepsTheMatchInOrder) {
  gStopAfterPolls = 1;
  MatchFrame();
  EXPECT_EQ(gCalls,
            "replan poll zones targets cm1 cm2 marking active counters shape officials players state clock record "
            "aUpdate aPause aDraw ");
}

TEST_F(MatchFrameTest, SuppressedRecordingSkipsTheReplayRing) {
  const int16_t flags[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
  const int recorded[4] = {1, 0, 1, 1};
  for (int i = 0; i < 4; ++i) {
    SetUp();
    gStopAfterPolls = 1;
    RecordSuppress[0] = flags[i][0];
    RecordSuppress[1] = flags[i][1];
    MatchFrame();
    EXPECT_EQ(Count("record"), recorded[i]) << i;
  }
}

// Paused: no step, but the frame still polls, presents and serves menus.
TEST_F(MatchFrameTest, PauseKeepsPollingPresentingAndAnsweringMenus) {
  PauseFlag = 1;
  gStopAfterPolls = 3;
  gOnPoll = [](int poll) {
    if (poll == 2) MenuRequest = 2;
  };
  MatchFrame();
  EXPECT_EQ(Count("poll"), 3);
  EXPECT_EQ(Count("aPause"), 3);
  EXPECT_EQ(Count("aDraw"), 3);
  EXPECT_EQ(Count("zones"), 0);
  EXPECT_EQ(Count("clock"), 0);
  EXPECT_EQ(Count("menus5"), 1);
  EXPECT_EQ(MenuRequest, 0);
}

TEST_F(MatchFrameTest, MenuRequestsOpenTheirEntryScreens) {
  const int request[6] = {1, 2, 3, 4, 5, 9};
  const char* expected[6] = {"menus6 keyFlush", "menus5 keyFlush", "menus4 keyFlush",
                             "menus1 keyFlush", "menus0 keyFlush", "keyFlush"};
  const int notesSide1[6] = {1, 0, 0, 1, 1, 0};
  for (int i = 0; i < 6; ++i) {
    SetUp();
    PauseFlag = 1;
    gStopAfterPolls = 1;
    GetMatchSetupRecord()[MATCH_SETUP_TEAM_OFFSET[1] + SETUP_TEAM_HUMAN] = 1;
    MenuRequest = static_cast<int16_t>(request[i]);
    ReplayEndRequest = 1;  // cleared by the menus: no replay is ending
    MatchFrame();
    EXPECT_EQ(gCalls, std::string("replan poll ") + expected[i] + " aPause aDraw ") << request[i];
    EXPECT_EQ(MenuSide1Human, notesSide1[i]) << request[i];
    EXPECT_EQ(MenuRequest, 0);
  }
}

// A replay that ends with follow-up 3 ends the period; the live match does
// not step while it plays.
TEST_F(MatchFrameTest, ReplayFollowUpThreeEndsThePeriod) {
  ReplayStartRequest = 1;
  gOnReplayStep = [](int step) {
    EXPECT_EQ(ReplaySpeed[0], 5);
    EXPECT_EQ(ReplaySpeed[1], 5);
    if (step == 3) {
      ReplayEndRequest = 1;
      ReplayFollowUp = 3;
    }
  };
  ReplaySpeed[0] = ReplaySpeed[1] = 1;
  ReplayPosition = 99;
  MatchFrame();
  EXPECT_EQ(gReplaySteps, 3);
  EXPECT_EQ(ReplayPosition, 0);
  EXPECT_EQ(Count("capture"), 1);
  EXPECT_EQ(Count("restore"), 1);
  EXPECT_EQ(Count("zones"), 0);
  EXPECT_EQ(Count("record"), 0);
  EXPECT_EQ(PeriodOver, 1);
  EXPECT_EQ(ReplayPlaying, 0);
  EXPECT_EQ(ReplayFollowUp, 0);
}

// With follow-up 2 the in-match menus open on the next frame.
TEST_F(MatchFrameTest, ReplayFollowUpTwoOpensTheMenusNextFrame) {
  ReplayStartRequest = 1;
  gStopAfterPolls = 2;
  gOnReplayStep = [](int) {
    ReplayEndRequest = 1;
    ReplayFollowUp = 2;
  };
  MatchFrame();
  EXPECT_EQ(gCalls,
            "replan poll capture replay restore aPause aDraw poll menus6 keyFlush zones targets cm1 cm2 marking active "
            "counters shape officials players state clock record aUpdate aPause aDraw ");
}

// A period that ends while a replay plays goes on until the replay is over.
TEST_F(MatchFrameTest, MenuRequestsWaitWhileAReplayPlays) {
  ReplayPlaying = 1;
  MenuRequest = 3;
  PeriodOver = 1;
  gOnReplayStep = [](int step) {
    if (step == 2) {
      ReplayEndRequest = 1;
      ReplayFollowUp = 1;
      PeriodOver = 0;
    }
  };
  gStopAfterPolls = 3;
  MatchFrame();
  EXPECT_EQ(gReplaySteps, 2);
  // The request is served on the first frame after the replay.
  const size_t restore = gCalls.find("restore");
  const size_t menus = gCalls.find("menus4");
  ASSERT_NE(menus, std::string::npos);
  EXPECT_LT(restore, menus);
  EXPECT_EQ(Count("menus4"), 1);
}

TEST_F(MatchFrameTest, ReplayFollowUpFiveSwitchesToTheScanner) {
  ReplayStartRequest = 1;
  gStopAfterPolls = 1;
  gOnReplayStep = [](int) {
    ReplayEndRequest = 1;
    ReplayFollowUp = 5;
  };
  MatchFrame();
  EXPECT_EQ(LoadI16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE), 1);
}

TEST_F(MatchFrameTest, RenderRecordsAndTheBallMarker) {
  gStopAfterPolls = 1;
  PauseFlag = 1;  // the ball stays where it is put
  MatchObject& p = MatchObjects[7];
  p.x = 300;
  p.y = 900;
  p.height = 10;
  p.motion = 4;
  p.motionFrame = 6;
  p.drawFacing = 70;
  p.headTurn = -3;
  BallHeight = 10;
  MatchFrame();
  const RenderObject& r = RenderObjects[7];
  EXPECT_FLOAT_EQ(float{r.x}, 300);
  EXPECT_FLOAT_EQ(float{r.y}, 900);
  EXPECT_FLOAT_EQ(float{r.height}, 28);
  EXPECT_EQ(int{r.motion}, 4);
  EXPECT_EQ(int{r.motionFrame}, 6);
  EXPECT_EQ(int{r.drawFacing}, 70);
  EXPECT_EQ(int{r.headTurn}, -3);
  // Nobody holds the ball: the marker 2.5 above it.
  EXPECT_FLOAT_EQ(float{RenderObjects[OBJECT_BALL].height}, 28.0f + 2.5f);
  EXPECT_FLOAT_EQ(float{RenderObjects[OBJECT_BALL].x}, Pitch.centreX);
  EXPECT_EQ(Count("hands35,7"), 0);
}

TEST_F(MatchFrameTest, AHeldBallIsPlacedByTheHoldersMotion) {
  struct Case {
    int16_t primary, second;
    int motionPrimary, motionSecond;
    const char* placed;  // the holder the ball is placed by, or none
  };
  const Case cases[] = {
      {8, 0, 3, -1, "hands35,7 "},      // the primary holder (object 7)
      {8, 21, -1, 2, "hands35,20 "},    // the primary plays no motion: the second
      {8, 21, -1, -1, ""},              // neither plays one
      {0, 0, 3, 3, ""},                 // no holder
  };
  for (const Case& c : cases) {
    SetUp();
    gStopAfterPolls = 1;
    PauseFlag = 1;
    BallHeight = 4;
    keeperHolder = c.primary;
    throwHolder = c.second;
    MatchObjects[7].motion = static_cast<int16_t>(c.motionPrimary);
    MatchObjects[20].motion = static_cast<int16_t>(c.motionSecond);
    MatchFrame();
    const bool placed = *c.placed != '\0';
    if (placed) {
      EXPECT_NE(gCalls.find(c.placed), std::string::npos) << c.placed;
    }
    EXPECT_EQ(gCalls.find("hands") != std::string::npos, placed);
    EXPECT_FLOAT_EQ(float{RenderObjects[OBJECT_BALL].height}, placed ? 20 * 2.8f : 4 * 2.8f + 2.5f);
  }
}

TEST_F(MatchFrameTest, PeriodEndWritesScoresAndPlayersToTheResult) {
  gStopAfterPolls = 1;
  PauseFlag = 1;
  Score[0] = 2;
  Score[1] = 1;
  ShootoutScore[1] = 4;
  MatchObject& scorer = MatchObjects[16 + 3];
  scorer.goals = 2;
  scorer.assists = 1;
  scorer.cardState = 1;
  scorer.sentOff = 1;
  scorer.fatigue = 12;
  scorer.injury = 2;
  MatchFrame();
  const uint8_t* result = GetMatchResultRecord();
  EXPECT_EQ(LoadI16(result + TEAM_GOALS), 2);
  EXPECT_EQ(LoadI16(result + TEAM_MATCH_RECORD_OFFSET[1] + TEAM_GOALS), 1);
  EXPECT_EQ(LoadI16(result + TEAM_MATCH_RECORD_OFFSET[1] + TEAM_SHOOTOUT_GOALS), 4);
  const uint8_t* stats = result + PlayerStatsOffset(1, 3);
  EXPECT_EQ(LoadI16(stats + PLAYER_STATS_GOALS), 2);
  EXPECT_EQ(LoadI16(stats + PLAYER_STATS_ASSISTS), 1);
  EXPECT_EQ(LoadI16(stats + PLAYER_STATS_CARD_STATE), 3);
  EXPECT_EQ(LoadI16(stats + PLAYER_STATS_WORKLOAD), 12);
  EXPECT_EQ(LoadI16(stats + PLAYER_STATS_INJURY), 2);
}

// The dispatch of the three display modes (2 by Direct3D or by software).
std::string gDisplay;
int gDirect3D;

TEST_F(MatchFrameTest, DisplayDispatchByMode) {
  struct Case {
    int mode, direct3d;
    const char* create;
    const char* update;
    const char* present;
    const char* destroy;
  };
  const Case cases[] = {
      {0, 0, "aCreate keyFlush ", "aUpdate ", "aPause aDraw ", "aDestroy "},
      {1, 0, "channels8 sfxInit oCreate keyFlush ", "oUpdate ", "oCamera oDraw ", "oDestroy sfxUninit sndClear "},
      {2, 1, "d3dInit keyFlush ", "d3dUpdate ", "d3dUpdate d3dRender ", "d3dRelease "},
      {2, 0, "envCreate keyFlush ", "highlights ", "envUpdate envRender ", "envDestroy "},
  };
  for (const Case& c : cases) {
    SetUp();
    MatchSeamTable& t = MatchSeams;
    gDisplay.clear();
    gDirect3D = c.direct3d;
    t.keyFlush = [] { gDisplay += "keyFlush "; };
    t.videoIsDirect3D = [] { return gDirect3D; };
    t.analysisCreate = [] { gDisplay += "aCreate "; };
    t.analysisUpdate = [] { gDisplay += "aUpdate "; };
    t.analysisUpdateTimedPause = [] { gDisplay += "aPause "; };
    t.analysisDrawFrame = [] { gDisplay += "aDraw "; };
    t.analysisDestroy = [] { gDisplay += "aDestroy "; };
    t.sndStartChannels = [](int n) { gDisplay += "channels" + std::to_string(n) + " "; };
    t.sfxInit = [] { gDisplay += "sfxInit "; };
    t.overlayCreate = [] { gDisplay += "oCreate "; };
    t.overlayUpdate = [] { gDisplay += "oUpdate "; };
    t.overlayUpdateCamera = [] { gDisplay += "oCamera "; };
    t.overlayDrawFrame = [] { gDisplay += "oDraw "; };
    t.overlayDestroy = [] { gDisplay += "oDestroy "; };
    t.sfxUninit = [] { gDisplay += "sfxUninit "; };
    t.sndClearActiveChannels = [] { gDisplay += "sndClear "; };
    t.d3dGameInit = [] { gDisplay += "d3dInit "; };
    t.d3dGameUpdate = [] { gDisplay += "d3dUpdate "; };
    t.d3dGameRenderFrame = [] { gDisplay += "d3dRender "; };
    t.d3dGameRelease = [] { gDisplay += "d3dRelease "; };
    t.createGameEnvironment = [] { gDisplay += "envCreate "; };
    t.updateGameEnvironment = [] { gDisplay += "envUpdate "; };
    t.renderGameEnvironment = [] { gDisplay += "envRender "; };
    t.updateGameHighlights = [] { gDisplay += "highlights "; };
    t.firstDestroyGameEnvironment = [] { gDisplay += "envDestroy "; };
    StoreI16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE, c.mode);
    EnvironmentDestroyed = 1;
    DisplayFlag = 1;
    CreateMatchEnvironment();
    EXPECT_EQ(gDisplay, c.create) << c.mode << c.direct3d;
    EXPECT_EQ(EnvironmentDestroyed + DisplayFlag, 0);
    gDisplay.clear();
    UpdateMatchDisplay();
    EXPECT_EQ(gDisplay, c.update);
    gDisplay.clear();
    PresentMatchFrame();
    EXPECT_EQ(gDisplay, c.present);
    gDisplay.clear();
    DestroyMatchEnvironment();
    EXPECT_EQ(gDisplay, c.destroy);
    EXPECT_EQ(EnvironmentDestroyed, 1);
  }
}

}  // namespace

namespace {

int16_t gStateAfterStep;

int64_t BallHeatCount() {
  const uint8_t* maps = GetMatchResultRecord() + MATCH_HEAT_MAPS + HEAT_BALL_MAP * HEAT_MAP_SIZE;
  int64_t sum = 0;
  for (int i = 0; i < 2 * HEAT_MAP_SIZE; i += 4) sum += LoadI32(maps + i);
  return sum;
}

// The heat maps count the frames of open play only.
TEST_F(MatchFrameTest, HeatMapsCountOpenPlayOnly) {
  const int16_t states[3] = {STATE_OPEN_PLAY, STATE_THROW_IN, STATE_GOAL};
  const int64_t counted[3] = {3, 0, 0};
  for (int i = 0; i < 3; ++i) {
    SetUp();
    gStopAfterPolls = 3;
    gStateAfterStep = states[i];
    MatchSeams.matchStateHandler = [] { MatchState = gStateAfterStep; };
    MatchFrame();
    EXPECT_EQ(BallHeatCount(), counted[i]) << states[i];
  }
}

}  // namespace
