// The stand-ins behind the match's outside calls.
#include "gamecode/matchseams.h"

#include <cstdlib>
#include <initializer_list>
#include <utility>

#include "engine/reset.h"
#include "gamecode/activeplayers.h"
#include "gamecode/comments.h"
#include "gamecode/compman.h"
#include "gamecode/decide.h"
#include "gamecode/kickexec.h"
#include "gamecode/goalcomment.h"
#include "gamecode/matchclock.h"
#include "gamecode/highlight.h"
#include "gamecode/matchrun.h"
#include "gamecode/matchstandin.h"
#include "gamecode/matchstates.h"
#include "gamecode/motion.h"
#include "gamecode/actions.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchstate.h"
#include "gamecode/meet.h"
#include "gamecode/movement.h"
#include "gamecode/officials.h"
#include "gamecode/replay.h"
#include "gamecode/teamshape.h"
#include "gamecode/closedown.h"
#include "generic/analysis.h"
#include "generic/hud.h"
#include "generic/ingmenu.h"
#include "generic/matchctrl.h"
#include "generic/replayfile.h"
#include "generic/sfx.h"
#include "generic/watchstandin.h"
#include "generic/overlay.h"
#include "render256/swframe.h"
#include "render256/vidopt.h"

MatchSeamTable MatchSeams;

namespace {

void Nothing() {}
void NothingInt(int) {}

}  // namespace

void InstallInGameMenus(MatchSeamTable& t) {
  t.inGameMenusLoop = InGameMenu_OpenAt;
  t.inGameMenuOpenSubsTactics = InGameMenu_OpenSubsTactics;
  t.penaltyShootOutMenus = PenaltyShootOutMenus;
}

namespace {

MatchSeamTable StandIns() {
  MatchSeamTable t{};
  for (void (**f)() : {&t.poll, &t.keyFlush, &t.replanTeams, &t.teamShapeInterpolateZones, &t.teamShapeSetTargets,
                       &t.teamShapeUpdate, &t.computerManagerFirstStep, &t.computerManagerSecondStep,
                       &t.updateManMarking, &t.updateActivePlayers, &t.updateMatchCounters, &t.updateOfficials,
                       &t.playerAction, &t.matchStateHandler, &t.matchClockTick, &t.kickOffSetup, &t.updateBallSpin,
                       &t.replayBufferAlloc, &t.replayBufferFree, &t.replayBufferReset, &t.replayCaptureFrame,
                       &t.replayRestoreFrame, &t.replayRecordFrame, &t.replayPlayStep, &t.penaltyShootOutMenus,
                       &t.analysisCreate, &t.analysisUpdate, &t.analysisUpdateTimedPause, &t.analysisDrawFrame,
                       &t.analysisDestroy, &t.sfxInit, &t.overlayCreate, &t.overlayUpdate, &t.overlayUpdateCamera,
                       &t.overlayDrawFrame, &t.overlayDestroy, &t.sfxUninit, &t.sndClearActiveChannels,
                       &t.d3dGameInit, &t.d3dGameUpdate, &t.d3dGameRenderFrame, &t.d3dGameRelease,
                       &t.createGameEnvironment, &t.updateGameEnvironment, &t.renderGameEnvironment,
                       &t.updateGameHighlights, &t.firstDestroyGameEnvironment})
    *f = Nothing;
  for (void (**f)(int) : {&t.sfxPlay, &t.crowdReaction, &t.inGameMenusLoop, &t.inGameMenuOpenSubsTactics,
                          &t.sndStartChannels})
    *f = NothingInt;
  t.placeBallInHands = [](int, int) {};
  t.sayComment = [](int, int, int, int, int, int) {};
  t.activateHighLight = [](int, int) {};
  t.infoBar = [](int, int, int) {};
  t.loadReplaySlot = LoadChosenReplaySlot;
  // The 3D device's match frame is still to come: the match asks the video
  // options, which answer "software" until then.
  t.videoIsDirect3D = [] { return static_cast<int>(VideoMatchIsDirect3D()); };
  t.goalScoredComment = Nothing;
  t.scoreSituationComment = [](int, int) {};
  t.replaceGoalkeeper = NothingInt;
  // The software "Watch" environment, made and freed whole: the palette and
  // the environment; both halves of the tear-down.
  t.createGameEnvironment = SwFrame_CreateWhole;
  t.updateGameEnvironment = UpdateGameEnvironment;
  t.renderGameEnvironment = [] { RenderGameEnvironment(); };
  t.updateGameHighlights = UpdateGameHighlights;
  t.firstDestroyGameEnvironment = SwFrame_DestroyWhole;
  // helper "clock": the period clock and the final whistle (the ball-only
  // match puts its own clock in, matchstandin.h).
  t.matchClockTick = MatchClockTick;
  // helper "states": the match states.
  t.matchStateHandler = RunMatchState;
  // records
  t.matchTimeSeconds = GetMatchTimeSeconds;
  t.clearPendingSubstitution = NothingInt;
  // helper "moves": the players' actions and the ball-placing step; the
  // decisions stand in: nobody decides, the aim is the middle of the goal.
  t.playerAction = player_action;
  t.stepTowardsPoint = StepTowardsPoint;
  for (void (**f)(int) : {&t.onBallDecisions, &t.offBallMovement, &t.challengeDecision, &t.dribbleDecision})
    *f = NothingInt;
  t.passOption = [](int, int) { return 0; };
  t.clearBall = [](int, int) {};
  t.targetPoint = [](int object, int, int side) {
    if (object < 0 || object >= MATCH_OBJECTS) return 0;
    const MatchObject& o = MatchObjects[object];
    const int goalY = side == LowGoalSide ? Pitch.maxY : Pitch.minY;
    return GetDirection256(o.x, o.y, Pitch.centreX, goalY);
  };
  // helper "active": who goes for the ball, the AI's frame counters and the
  // crowd's swing of momentum.
  t.updateActivePlayers = UpdateActivePlayers;
  t.updateMatchCounters = UpdateMatchCounters;
  t.crowdReaction = AdjustMomentum;
  // helper "kickoff": the match run control and the kick-off.
  t.prepareMatch = MatchRunStart;
  t.playPeriod = PlayPeriod;
  t.finishMatch = MatchRunEnd;
  t.kickOffSetup = KickOffSetup;
  t.initTeamShape = NothingInt;
  t.loadMotions = [] {
    if (!MotionsLoaded()) LoadMotions();
  };
  // helper "motion": the replay ring and the ball in a holder's hands. The
  // frame loop copies the ball object into its render record after the
  // call, so the hand point is kept there too (height in pitch units).
  t.replayBufferAlloc = ReplayBuffer_Alloc;
  t.replayBufferFree = ReplayBuffer_Free;
  t.replayBufferReset = ReplayBuffer_Reset;
  t.replayRecordFrame = ReplayRecordFrame;
  t.replayCaptureFrame = ReplayStart;
  t.replayRestoreFrame = ReplayRestoreLive;
  t.replayPlayStep = ReplayPlayStep;
  t.placeBallInHands = PlaceBallInHands;
  // helper "shape": the team shape's set-up, zones, targets and object groups.
  t.initTeamShape = InitTeamShape;
  t.teamShapeInterpolateZones = UpdateBallZones;
  t.teamShapeSetTargets = UpdateShapeTargetsIfChanged;
  t.teamShapeUpdate = UpdateObjectGroup;
  // helper "manager": the computer managers' re-plan and the marking.
  t.replanTeams = ReplanTeams;
  t.computerManagerFirstStep = AssignMarkers;
  t.computerManagerSecondStep = StepUp;
  t.updateManMarking = UpdateManMarking;
  // helper "commentary": the commentator and the goal commentary.
  t.sayComment = [](int event, int priority, int side, int first, int second, int number) {
    SayComment(event, priority, side, first, second, number);
  };
  t.goalScoredComment = GoalScoredComment;
  t.scoreSituationComment = ScoreSituationComment;
  // helper "fouls": a side without its goalkeeper puts the outfield player
  // on the pitch nearest its goal in his place (squad place 0, action 122).
  t.replaceGoalkeeper = [](int side) {
    side &= 1;
    const int goalY = side == LowGoalSide ? Pitch.minY : Pitch.maxY;
    int best = -1, bestDistance = 1 << 30;
    for (int place = 1; place < SIDE_OBJECTS; ++place) {
      const int object = SideSlots[side][place];
      if (object < 0 || object >= MATCH_PLAYERS || MatchObjects[object].offPitch != 0) continue;
      if (MatchObjects[object].rating < 0 || MatchObjects[object].onBench != 0) continue;
      const int distance = std::abs(MatchObjects[object].y - goalY) + std::abs(MatchObjects[object].x - Pitch.centreX);
      if (distance < bestDistance) {
        bestDistance = distance;
        best = place;
      }
    }
    if (best < 0) return;
    std::swap(SideSlots[side][0], SideSlots[side][best]);
    const int keeper = SideSlots[side][0];
    MatchObjects[keeper].action = 122;
    MatchObjects[keeper].playedInGoal = 1;
  };
  // helper "officials": the referee and the linesmen, and the highlights.
  t.updateOfficials = UpdateOfficials;
  t.activateHighLight = ActivateHighLight;
  // helper "onball": the decisions of the player on the ball and the kicks
  // they choose; the aiming point of a player standing on it stays as above.
  t.onBallDecisions = DecideWithBall;
  t.passOption = PlayPassOption;
  t.dribbleDecision = TakeBallOn;
  t.clearBall = KickInDirection;
  // helper "challenge": a defender closes the man on the ball down.
  t.challengeDecision = CloseDownCarrier;
  // helper "meet": a player without the ball takes a still ball at his feet
  // and meets a ball in the air.
  t.offBallMovement = MeetOffBall;
  // The "Scanner" view (display mode 1).
  t.overlayCreate = Overlay_Create;
  t.overlayUpdateCamera = Overlay_UpdateCamera;
  t.overlayDrawFrame = Overlay_DrawFrame;
  t.overlayDestroy = Overlay_Destroy;
  // The "Commentary" view (display mode 0).
  t.analysisCreate = Analysis_Create;
  t.analysisUpdateTimedPause = Analysis_UpdateTimedPause;
  t.analysisDrawFrame = Analysis_DrawFrame;
  t.analysisDestroy = Analysis_Destroy;
  // The information strip and the match's sound.
  t.infoBar = InfoBar;
  t.sfxPlay = SFX_Play;
  t.sfxInit = SFX_Init;
  t.sfxUninit = SFX_Uninit;
  // "Watch" through the 3D device: the paced stand-in until its frame comes.
  t.d3dGameInit = WatchStandIn_Create;
  t.d3dGameUpdate = WatchStandIn_Update;
  t.d3dGameRenderFrame = [] { WatchStandIn_RenderFrame(); };
  t.d3dGameRelease = WatchStandIn_Release;
  // The substitution requests of the match keys.
  t.clearPendingSubstitution = ClearPendingSubstitution;
  // The in-match menus stay quiet: the friendly installs them
  // (InstallInGameMenus); a career's match day keeps the front end's screen.
  return t;
}

}  // namespace

void MatchSeams_Reset() { MatchSeams = StandIns(); }

REGISTER_RESET(RESET_MATCH, MatchSeams_Reset);
