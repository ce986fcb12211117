// The loop of one period: menus, replays, one step of the match, the render
// records and the display of the current mode; and the per-mode dispatch of
// the display's set-up, update, drawing and tear-down.
#include "gamecode/matchframe.h"

#include <cstdio>
#include <initializer_list>

#include "engine/bytes.h"
#include "gamecode/ball.h"
#include "gamecode/football.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchres.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"

int MatchDisplayMode() { return LoadI16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE); }

namespace {

bool SideOneHuman() { return GetMatchSetupRecord()[MATCH_SETUP_TEAM_OFFSET[1] + SETUP_TEAM_HUMAN] != 0; }

// The in-match menu chain for a pending request.
void ServeMenuRequest() {
  ReplayEndRequest = 0;
  switch (MenuRequest) {
    case 1:
      MenuSide1Human = SideOneHuman();
      MatchSeams.inGameMenusLoop(6);
      break;
    case 2:
      MatchSeams.inGameMenusLoop(5);
      break;
    case 3:
      MatchSeams.inGameMenusLoop(4);
      break;
    case 4:
      MenuSide1Human = SideOneHuman();
      MatchSeams.inGameMenusLoop(1);
      break;
    case 5:
      MenuSide1Human = SideOneHuman();
      MatchSeams.inGameMenusLoop(0);
      break;
    default:
      std::printf("ERROR: default case hit %d\n", MenuRequest);
      break;
  }
  MatchSeams.keyFlush();
  MenuRequest = 0;
}

// One step of the live match, in the order the players' code relies on.
void StepMatch() {
  MatchSeams.teamShapeInterpolateZones();
  MatchSeams.teamShapeSetTargets();
  MatchSeams.computerManagerFirstStep();
  MatchSeams.computerManagerSecondStep();
  MatchSeams.updateManMarking();
  MatchSeams.updateActivePlayers();
  BallUpdate();
  MatchSeams.updateMatchCounters();
  MatchSeams.teamShapeUpdate();
  MatchSeams.updateOfficials();
  MatchSeams.playerAction();
  MatchSeams.matchStateHandler();
  MatchSeams.matchClockTick();
  ++MatchFrameCounter;
  if (!(RecordSuppress[0] && !RecordSuppress[1])) MatchSeams.replayRecordFrame();
  UpdateMatchDisplay();
  if (MatchState == STATE_OPEN_PLAY) UpdateHeatMaps(GetMatchResultRecord());
}

void EndReplay() {
  MatchSeams.replayRestoreFrame();
  ReplayPlaying = 0;
  ReplayEndRequest = 0;
  switch (ReplayFollowUp) {
    case 2:
      MenuRequest = 1;
      break;
    case 3:
      PeriodOver = 1;
      break;
    case 5:
      StoreI16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE, 1);
      break;
    default:
      break;
  }
  ReplayFollowUp = 0;
}

// The holder of the ball whose motion places the ball marker: the primary
// holder, then the second, each only while he plays a motion.
int BallHolder() {
  for (int holder : {keeperHolder, throwHolder}) {
    int object = holder - 1;
    if (object >= 0 && object < MATCH_PLAYERS && MatchObjects[object].motion != -1) return object;
  }
  return -1;
}

void FillRenderObjects() {
  for (int i = 0; i < MATCH_OBJECTS; ++i) {
    const MatchObject& o = MatchObjects[i];
    RenderObject& r = RenderObjects[i];
    r.x = o.x;
    r.y = o.y;
    r.height = static_cast<float>(o.height * 2.8);
    if (i == OBJECT_BALL) {
      int holder = BallHolder();
      if (holder >= 0) {
        // In the holder's hands: his frame places the drawn ball (his record
        // is filled already); the ball itself stays where the rules keep it.
        r.height = static_cast<float>(BallHeight * 2.8);
        MatchSeams.placeBallInHands(OBJECT_BALL, holder);
      } else {
        r.height = static_cast<float>(BallHeight * 2.8 + 2.5);
      }
    }
    r.motion = o.motion;
    r.motionFrame = o.motionFrame;
    r.drawFacing = o.drawFacing;
    r.headTurn = o.headTurn;
  }
}

// The period's figures into the result: scores and every player's statistics.
void WritePeriodResult() {
  uint8_t* result = GetMatchResultRecord();
  for (int side = 0; side < 2; ++side) {
    uint8_t* team = result + TEAM_MATCH_RECORD_OFFSET[side];
    StoreI16(team + TEAM_GOALS, Score[side]);
    StoreI16(team + TEAM_SHOOTOUT_GOALS, ShootoutScore[side]);
    for (int player = 0; player < SIDE_OBJECTS; ++player) {
      const int object = side * SIDE_OBJECTS + player;
      const MatchObject& o = MatchObjects[object];
      uint8_t* stats = result + PlayerStatsOffset(side, player);
      StoreI16(stats + PLAYER_STATS_MARK, Football_CalcPlayerRating(RatingFlag, static_cast<int16_t>(object)));
      StoreI16(stats + PLAYER_STATS_GOALS, o.goals);
      StoreI16(stats + PLAYER_STATS_ASSISTS, o.assists);
      StoreI16(stats + PLAYER_STATS_CARD_STATE, o.sentOff ? 3 : o.cardState);
      StoreI16(stats + PLAYER_STATS_WORKLOAD, o.fatigue);
      StoreI16(stats + PLAYER_STATS_INJURY, o.injury);
      Football_FillPlayerMatchRecord(stats + PLAYER_STATS_RECORD, static_cast<int16_t>(side),
                                     static_cast<int16_t>(player));
    }
  }
}

}  // namespace

void MatchFrame() {
  MatchSeams.replanTeams();
  while (!PeriodOver || ReplayPlaying) {
    MatchSeams.poll();
    if (MenuRequest && !ReplayPlaying) ServeMenuRequest();
    if (ReplayStartRequest) {
      ReplayStartRequest = 0;
      MatchSeams.replayCaptureFrame();
      ReplayPlaying = 1;
      ReplaySpeed[0] = 5;
      ReplaySpeed[1] = 5;
      ReplayPosition = 0;
    }
    if (ReplayPlaying)
      MatchSeams.replayPlayStep();
    else if (!PauseFlag)
      StepMatch();
    if (ReplayEndRequest) EndReplay();
    FillRenderObjects();
    PresentMatchFrame();
  }
  WritePeriodResult();
}

void UpdateMatchDisplay() {
  switch (MatchDisplayMode()) {
    case 0:
      MatchSeams.analysisUpdate();
      break;
    case 1:
      MatchSeams.overlayUpdate();
      break;
    case 2:
      // The software frame's begin-frame call is the highlights' countdown;
      // its update (info bar, camera) comes with the drawing.
      if (MatchSeams.videoIsDirect3D())
        MatchSeams.d3dGameUpdate();
      else
        MatchSeams.updateGameHighlights();
      break;
    default:
      break;
  }
}

void PresentMatchFrame() {
  switch (MatchDisplayMode()) {
    case 0:
      MatchSeams.analysisUpdateTimedPause();
      MatchSeams.analysisDrawFrame();
      break;
    case 1:
      MatchSeams.overlayUpdateCamera();
      MatchSeams.overlayDrawFrame();
      break;
    case 2:
      if (MatchSeams.videoIsDirect3D()) {
        MatchSeams.d3dGameUpdate();
        MatchSeams.d3dGameRenderFrame();
      } else {
        MatchSeams.updateGameEnvironment();
        MatchSeams.renderGameEnvironment();
      }
      break;
    default:
      break;
  }
}

void CreateMatchEnvironment() {
  EnvironmentDestroyed = 0;
  DisplayFlag = 0;
  switch (MatchDisplayMode()) {
    case 0:
      MatchSeams.analysisCreate();
      break;
    case 1:
      MatchSeams.sndStartChannels(8);
      MatchSeams.sfxInit();
      MatchSeams.overlayCreate();
      break;
    case 2:
      if (MatchSeams.videoIsDirect3D())
        MatchSeams.d3dGameInit();
      else
        MatchSeams.createGameEnvironment();
      break;
    default:
      break;
  }
  MatchSeams.keyFlush();
}

void DestroyMatchEnvironment() {
  switch (MatchDisplayMode()) {
    case 0:
      MatchSeams.analysisDestroy();
      break;
    case 1:
      MatchSeams.overlayDestroy();
      MatchSeams.sfxUninit();
      MatchSeams.sndClearActiveChannels();
      break;
    case 2:
      if (MatchSeams.videoIsDirect3D())
        MatchSeams.d3dGameRelease();
      else
        MatchSeams.firstDestroyGameEnvironment();
      break;
    default:
      break;
  }
  EnvironmentDestroyed = 1;
}
