// The state of the match being played, shared by the match flow, the frame,
// the ball and the rules: periods and ends, scores, the rules of the tie,
// the frame loop's flags, the set-piece duties and squad order, and the ball.
// All of it lives in matchstate.cpp and is put back by one reset.
#pragma once

#include <cstdint>

// --- the match flow --------------------------------------------------------------
extern int8_t period;            // 0, 1 the halves; 2, 3 extra time; 4 the shoot-out
extern uint8_t EndsFlag;         // 1 in periods 1 and 3: the sides attack the other goals
extern uint8_t kickOffSide;      // 1 before periods 0 and 2, 0 before 1 and 3
extern uint8_t CurrentSide;      // the side the decision routines work for
extern uint8_t LowGoalSide;      // the side defending the goal at the low goal line
extern int16_t Score[2];         // goals this match, extra time included
extern int16_t ShootoutScore[2];
extern int16_t RatingFlag;       // 1 once the last period is over (the win bonus)
extern int16_t MatchLogCount;

// The rules of the tie, copied from the MatchSetup at the start.
extern uint8_t MatchExtraTimeRule, MatchShootoutRule, MatchSilverGoalRule, MatchAwayGoalsRule;
extern int16_t MatchFirstLegGoals[2];
extern int8_t RefereeRule1, RefereeRule2;
extern int8_t RefereeFavouredSide;  // 1 the first side, 2 the second, else none

// --- match states ---------------------------------------------------------------------
// The handler of the current state runs once a frame (matchstates.h).
enum : int16_t {
  STATE_OPEN_PLAY = 0,
  STATE_FOUL = 1,
  STATE_OFFSIDE = 2,
  STATE_THROW_IN = 3,
  STATE_GOAL_KICK = 4,
  STATE_CORNER = 5,
  STATE_THROW_IN_TAKEN = 6,   // the throw-in is being taken
  STATE_GOAL_KICK_TAKEN = 7,
  STATE_CORNER_TAKEN = 8,
  STATE_GOAL = 9,
  STATE_AFTER_GOAL_WAIT = 10,
  STATE_KICK_OFF = 11,        // the kick-off whistle
  STATE_KEEPER_HOLDS = 12,    // a goalkeeper holds the ball (a handball if he carries it out of his area)
  STATE_KEEPER_RELEASE = 13,  // waiting for the keeper's release
  STATE_PERIOD_END = 14,
  STATE_CELEBRATION = 15,
  STATE_UNUSED_16 = 16,
  STATE_FREE_KICK_PLACED = 17,
  STATE_DIRECT_FREE_KICK_PLACED = 18,
  STATE_PENALTY_PLACED = 19,
  STATE_SHOOTOUT_KICK = 20,   // between the kicks of a shoot-out (a kick that is over comes here)
  STATE_DIRECT_FREE_KICK_PLACED_2 = 21,
  STATE_STOPPAGE = 22,
  STATE_WAIT_23 = 23,
  STATE_WAIT_24 = 24,
  STATE_PERIOD_START = 25,
  STATE_UNUSED_26 = 26,
  STATE_PERIOD_START_AFTER_GOAL = 27,
  STATE_AFTER_GOAL = 28,
  STATE_KICK_OFF_WAIT = 29,
  MATCH_STATE_COUNT = 30,
};
extern int16_t MatchState;
extern int16_t MatchStateTimer;

// --- the frame loop -------------------------------------------------------------------
extern uint8_t PeriodOver;
extern int16_t MenuRequest;   // 1-5, served at the next frame without a replay
extern int16_t PauseFlag;
extern int32_t ReplayStartRequest, ReplayPlaying, ReplayEndRequest, ReplayFollowUp;
extern int16_t RecordSuppress[2];  // a frame is recorded unless [0] is set and [1] clear
extern uint32_t MatchFrameCounter;

// --- squads and duties ----------------------------------------------------------------
extern int16_t SideSlots[2][16];  // the object standing at each squad position
extern int16_t CaptainObject[2], CornerTakerObject[2], PenaltyTakerObject[2], FreeKickTakerObject[2];
extern int16_t SubstitutionsUsed[2];
extern int16_t SubstitutesAllowed;
extern uint8_t focusObject;
extern int16_t offsideRoll;

// --- the ball (pitch units; 16.16 = signed 32-bit fixed point) ------------------------
extern int16_t ballX, ballY, BallHeight;
extern int32_t ballFixedX, ballFixedY, ballFixedHeight;
extern int32_t ballVelX, ballVelY, ballVelHeight;
extern int32_t ballSpinX, ballSpinY, ballSpinHeight;
extern int16_t ballSpinFrames, spinHold;
extern int16_t ballDrag, ballGravity, ballTimeScale;
extern float groundFriction, groundBounce;
extern uint8_t ballSpeed;
extern int16_t ballDirection;  // 256 when the ball is still
extern int16_t ballPredict[3][2];
extern int16_t stepX, stepY, stepHit;
extern uint8_t ballOutState;  // 0 in play, 1 in the net, 2 out of play
extern int16_t firstBounce, postCooldown, netCooldown, kickTimer;
extern int16_t keeperHolder, throwHolder;  // object + 1, 0 none
extern int16_t BallCarrier, LastKicker, ShotFrame;
extern int16_t restartX, restartY;  // the one restart spot the rules give
extern uint8_t PossessionSide;
extern int16_t BallFramePos[2];  // the ball's x, y before this frame's move

// --- records ---------------------------------------------------------------------------
// 1 while the fixture code has the result simulated in the background, 0 for
// a match played out (the ratings and match records read it).
extern int16_t SimulationFlag;
// Per side: corners won (the corner state), fouls (the foul state) and frames
// in possession (the match clock), read when the result is compiled.
extern int16_t SideCorners[2], SideFouls[2];
extern int32_t SidePossession[2];
// --- helper "ball": further state of the ball rules -----------------------------------
extern int16_t PassReceiver;          // the object a pass is aimed at, -1 none
extern int16_t ShotOriginX, ShotOriginY;  // where the last recorded shot was struck
extern int16_t GoalShotYards, GoalShotPace;  // of the last goal's shot, -1 when unknown
extern int16_t CornerRecord, GoalKickRecord, HandballOffender;  // BallCarrier when given
extern int16_t BodyDeflectLock;       // frames no player meets the ball after a body deflection
extern uint8_t ShootoutKickFlag;      // a shoot-out kick is being taken
extern uint8_t ShootoutMissFlag;      // the kick is already missed: a still ball also ends it

void MatchState_Reset();

// --- helper "flow": the match flow, the clock and the displays ------------------------
extern int32_t PeriodFrames;          // frames played in this period
extern int32_t PeriodLengthFrames;    // frames in a full period
extern uint8_t EnvironmentDestroyed;  // set once the match display is torn down
extern uint8_t DisplayFlag;           // the display's second flag, cleared with it
extern int16_t MenuSide1Human;        // noted for the in-match menus: side 1 is human-managed
extern int16_t ReplaySpeed[2];        // the replay player's two speed values
extern int32_t ReplayPosition;        // the replay player's frame in the ring
extern int32_t FlankFrames[2][3];     // per side: frames in possession on its first flank, centre, second flank
// --- helper "moves": the players' actions ---------------------------------------------
extern int16_t RefereeDecision;  // the referee's pending decision (7 warning, 8 yellow, 9 red), 0 none
extern int16_t GoalScorer;       // the object of the player who scored last, -1 none
extern int16_t DribbleCommentCounter;  // the dribbling commentary waits while it is not 0
extern int16_t DefensiveLineY[2];      // per side: the y of its defensive line
// --- helper "motion": drawn state kept by the replay ring -----------------------------
extern float BallDrawAngles[3];  // the ball's drawing rotation: first, second, third angle
extern uint8_t ClockRunning;     // 1 while the match clock runs
