// The stand-ins behind the match's outside calls.
#include "gamecode/matchseams.h"

#include <initializer_list>

#include "engine/reset.h"
#include "gamecode/activeplayers.h"
#include "gamecode/compman.h"
#include "gamecode/highlight.h"
#include "gamecode/matchrun.h"
#include "gamecode/matchstandin.h"
#include "gamecode/matchstates.h"
#include "gamecode/motion.h"
#include "gamecode/actions.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchstate.h"
#include "gamecode/movement.h"
#include "gamecode/officials.h"
#include "gamecode/replay.h"
#include "gamecode/teamshape.h"

MatchSeamTable MatchSeams;

namespace {

void Nothing() {}
void NothingInt(int) {}

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
                       &t.firstDestroyGameEnvironment})
    *f = Nothing;
  for (void (**f)(int) : {&t.sfxPlay, &t.crowdReaction, &t.inGameMenusLoop, &t.inGameMenuOpenSubsTactics,
                          &t.sndStartChannels})
    *f = NothingInt;
  t.placeBallInHands = [](int, int) {};
  t.sayComment = [](int, int, int, int, int, int) {};
  t.activateHighLight = [](int, int) {};
  t.infoBar = [](int, int, int) {};
  t.loadReplaySlot = [] { return 0; };
  t.videoIsDirect3D = [] { return 0; };
  t.goalScoredComment = Nothing;
  t.scoreSituationComment = [](int, int) {};
  t.replaceGoalkeeper = NothingInt;
  // The headless match's clock.
  t.matchClockTick = MatchStandIn_Clock;
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
  // helper "officials": the referee and the linesmen, and the highlights.
  t.updateOfficials = UpdateOfficials;
  t.activateHighLight = ActivateHighLight;
  return t;
}

}  // namespace

void MatchSeams_Reset() { MatchSeams = StandIns(); }

REGISTER_RESET(RESET_MATCH, MatchSeams_Reset);
