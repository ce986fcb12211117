// What the match frame, the match flow and the ball call in the parts of the
// match that come later (the players' actions, the match states, the
// officials, the clock, the replay, the commentary, the in-match menus and
// the three displays). Each call goes through one named entry here; until its
// owner exists the entry holds a stand-in (most do nothing), and tests put in
// recording fakes. MatchSeams_Reset puts the stand-ins back.
#pragma once

#include <cstdint>

struct MatchSeamTable {
  // Engine services.
  void (*poll)();
  void (*keyFlush)();
  // Team shape, computer managers and the players.
  void (*replanTeams)();
  void (*teamShapeInterpolateZones)();
  void (*teamShapeSetTargets)();
  void (*teamShapeUpdate)();
  void (*computerManagerFirstStep)();
  void (*computerManagerSecondStep)();
  void (*updateManMarking)();
  void (*updateActivePlayers)();
  void (*updateMatchCounters)();
  void (*updateOfficials)();
  void (*playerAction)();           // the 32 players' action handlers
  void (*matchStateHandler)();      // the current match state's handler
  void (*matchClockTick)();
  void (*kickOffSetup)();
  // Ball helpers of the players' code.
  void (*placeBallInHands)(int ballObject, int holder);
  void (*updateBallSpin)();
  // Commentary, sound, crowd and highlights.
  void (*sayComment)(int event, int priority, int side, int first, int second, int number);
  void (*sfxPlay)(int effect);
  void (*crowdReaction)(int kind);
  void (*activateHighLight)(int type, int countdown);
  void (*infoBar)(int type, int first, int second);
  // The replay ring.
  void (*replayBufferAlloc)();
  void (*replayBufferFree)();
  void (*replayBufferReset)();
  void (*replayCaptureFrame)();
  void (*replayRestoreFrame)();
  void (*replayRecordFrame)();
  void (*replayPlayStep)();
  int (*loadReplaySlot)();  // 0 when the stored replay cannot be loaded
  // The in-match menus.
  void (*inGameMenusLoop)(int entryScreen);
  void (*inGameMenuOpenSubsTactics)(int side);
  void (*penaltyShootOutMenus)();
  // The match control: preparing and finishing a match and the period runner.
  int (*prepareMatch)();  // 0 when the match cannot be played (a stored replay that does not load)
  void (*playPeriod)();
  void (*finishMatch)();
  // The displays of the three modes (0 Commentary, 1 Scanner, 2 Watch).
  int (*videoIsDirect3D)();
  // Mode 0: the analysis panel.
  void (*analysisCreate)();
  void (*analysisUpdate)();
  void (*analysisUpdateTimedPause)();
  void (*analysisDrawFrame)();
  void (*analysisDestroy)();
  // Mode 1: the overlay, with the match's sound.
  void (*sndStartChannels)(int channels);
  void (*sfxInit)();
  void (*overlayCreate)();
  void (*overlayUpdate)();
  void (*overlayUpdateCamera)();
  void (*overlayDrawFrame)();
  void (*overlayDestroy)();
  void (*sfxUninit)();
  void (*sndClearActiveChannels)();
  // Mode 2: the 3D view, by Direct3D or by the software environment.
  void (*d3dGameInit)();
  void (*d3dGameUpdate)();
  void (*d3dGameRenderFrame)();
  void (*d3dGameRelease)();
  void (*createGameEnvironment)();
  void (*updateGameEnvironment)();
  void (*renderGameEnvironment)();
  void (*updateGameHighlights)();  // the begin-frame call: the automatic replays' countdown
  void (*firstDestroyGameEnvironment)();
  // --- records ---
  // Seconds of the game clock, read for the minute of a goal, card or log
  // entry (the stand-in answers 0; the match connects GetMatchTimeSeconds).
  int32_t (*matchTimeSeconds)();
  // Clears the side's pending-substitution flag of the in-match menus.
  void (*clearPendingSubstitution)(int side);
  // helper "ball": the ball-placing routine the dribbling feet hand their point to
  // (moves the object one unit on each axis towards the point).
  void (*stepTowardsPoint)(int object, int x, int y);
  // helper "kickoff": the team shape's set-up of a side from its working
  // formation, and the motion clips read at the start of a match run.
  void (*initTeamShape)(int side);
  void (*loadMotions)();
  // helper "moves": the decisions and ball strikes the basic action codes call.
  void (*onBallDecisions)(int object);    // a player on the ball decides what to do
  void (*offBallMovement)(int object);    // a player without the ball: run point and reaction to the ball
  void (*challengeDecision)(int object);  // close the ball carrier down: may start a challenge
  int (*passOption)(int object, int kind);  // pass option kind 0-3: 1 when a team-mate was found and the pass played
  void (*dribbleDecision)(int object);    // take the ball on
  void (*clearBall)(int object, int direction);  // strike the ball away in the direction
  int (*targetPoint)(int object, int mode, int side);  // direction to the aiming point on the goal line the side attacks
  // The goal commentary: the line at the moment the ball crosses the goal
  // line (before the score changes), and the summing-up after it changed.
  void (*goalScoredComment)();
  void (*scoreSituationComment)(int side, int scorer);
  // A side whose goalkeeper is off the pitch puts another player in goal.
  void (*replaceGoalkeeper)(int side);
};
extern MatchSeamTable MatchSeams;

// The game clock of the presentation: seconds of play, for the minutes of
// goals, cards and the log (period 4 reads as the end of period 3).
int32_t GetMatchTimeSeconds();

void MatchSeams_Reset();
// Puts the in-match menus' entries of the table to the real menus.
void InstallInGameMenus(MatchSeamTable& t);
