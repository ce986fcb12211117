#include "gamecode/matchstates.h"

#include <algorithm>

#include "engine/debug.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/actions.h"
#include "gamecode/activeplayers.h"
#include "gamecode/attackdir.h"
#include "gamecode/ball.h"
#include "gamecode/compman.h"
#include "gamecode/football.h"
#include "gamecode/fouls.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchrun.h"
#include "gamecode/matchseams.h"
#include "gamecode/movement.h"
#include "gamecode/setplays.h"
#include "gamecode/teamops.h"

MatchStateHandler MatchStateTable[MATCH_STATE_COUNT] = {};
uint8_t RestartSide = 0;
int16_t SavedState = 0;
int16_t AimPointX = 0, AimPointY = 0;
uint8_t FoulingSide = 0;
int16_t FouledPlayer = -1;
int16_t RefereeOffender = -1;
uint8_t OffendingSide = 0;
int16_t SubstitutionRequest[2] = {};
uint8_t RequestsServed[2] = {};
int16_t SettleWait = 0;
int16_t KickOffTaker = -1, KickOffPartner = -1;
int16_t ShapeRandom[2] = {};
int16_t CelebrationFlag = 0;
int16_t KeeperDecision = -1;
int16_t SideOffsides[2] = {};
int32_t AddedTimeFrames = 0;
int16_t ShootOutDryKicks = 0;

namespace {

constexpr int kKeeperAction = 122;
constexpr int kNoHolder = 0;
constexpr int kLongestStateWait = 1000;    // no wait for a player's hand-over lasts longer
constexpr int kLongestRestartWait = 4000;  // a taker's own walks and waits end well before this
constexpr int kShootOutWaitY = 1854;  // the kicking side's keeper during a kick

// Where each player stands while the shoot-out's kicks are taken: across
// and along offsets from (796, 122); side 1 mirrors the across offset.
constexpr int16_t kShootOutAcross[SIDE_OBJECTS] = {-200, -240, -170, -210, -150, -190, -230, -220,
                                                    -190, -180, -160, -235, -225, -195, -185, -165};
constexpr int16_t kShootOutAlong[SIDE_OBJECTS] = {550, 560, 545, 535, 595, 570, 575, 540,
                                                   545, 525, 540, 570, 545, 540, 520, 545};

bool OnPitch(int object) { return IsPlayer(object) && MatchObjects[object].offPitch == 0; }
int Keeper(int side) { return SideSlots[side & 1][0]; }


void SetShapeFocus(int x, int y) {
  ballPredict[1][0] = static_cast<int16_t>(x);
  ballPredict[1][1] = static_cast<int16_t>(y);
}

void DrawShapeRandom() {
  ShapeRandom[0] = static_cast<int16_t>(GameRandom() % 60);
  ShapeRandom[1] = static_cast<int16_t>(GameRandom() % 60);
}

// An action written straight into the object, without SetPlayerAction's resets.
void WriteAction(int object, int code) {
  if (IsPlayer(object)) MatchObjects[object].action = static_cast<int16_t>(code);
}

void KeepersStand() {
  for (int side = 0; side < 2; ++side) WriteAction(Keeper(side), kKeeperAction);
}

void PlaceMarker(int x, int y) {
  PlaceObjectAt(OBJECT_RESTART_SPOT, x, y);
  AimPointX = static_cast<int16_t>(x);
  AimPointY = static_cast<int16_t>(y);
}

void SetRestartSide(int side) {
  CurrentSide = static_cast<uint8_t>(side);
  RestartSide = static_cast<uint8_t>(side);
}

void Pressure(int side) {
  PossessionSide = static_cast<uint8_t>(side);
  PossessionPressure[side] = PRESSURE_MAX;
  PossessionPressure[1 - side] = 0;
}

void PutPlayersOnTargets() {
  for (int i = 0; i < MATCH_PLAYERS; ++i)
    if (OnPitch(i)) PlaceObjectAt(i, MatchObjects[i].targetX, MatchObjects[i].targetY);
}

// The end of the pitch the stored restart spot lies at: the high goal line.
bool AtHighEnd() { return restartY > Pitch.centreY; }
// The side defending the end of the stored restart spot.
int DefenderOfRestartEnd() { return AtHighEnd() ? 1 - LowGoalSide : LowGoalSide; }

// The nearest free team-mate of the acting side, or its first free chase place.
int TakerNear(int x, int y, int excluded) {
  const int taker = NearestFreeTeamMate(x, y, excluded);
  return taker >= 0 ? taker : FirstFreeChasePlace(CurrentSide);
}

void MakeOpponentActive(int side) {
  const int other = 1 - side;
  const int object = ChaseOrder[other][0];
  if (!IsPlayer(object)) return;
  WriteAction(object, 4);
  ActivePlayer[other] = static_cast<int16_t>(object);
}

// --- the states -------------------------------------------------------------------------

void OpenPlay() {}

void Offside() {
  const int side = 1 - (OffendingSide & 1);
  if (MatchStateTimer == 0) {
    Pressure(side);
    MatchStateTimer = static_cast<int16_t>(HurryFrames(60, side));
    return;
  }
  if (--MatchStateTimer != 0) return;
  MatchSeams.infoBar(2, 0, 0);
  RefereeWhistle(1);
  MatchState = STATE_FREE_KICK_PLACED;
  MatchStateTimer = 0;
  ClearOffsideFlags();
  ResetTeamsForRestart();
  SetRestartSide(side);
  const int taker = TakerNear(ballX, ballY, -1);
  KeepersStand();
  if (IsPlayer(taker)) ActivePlayer[side] = static_cast<int16_t>(taker);
  KeeperDecision = -1;
  SideOffsides[OffendingSide & 1] = static_cast<int16_t>(SideOffsides[OffendingSide & 1] + 1);
  ReleaseTeamsForRestart();
  if (IsPlayer(taker)) {
    WriteAction(taker, 53);
    RunTowards(taker, MatchObjects[taker].facing);
    PossessionSide = static_cast<uint8_t>(SideOf(taker));
    PlaceObjectAt(taker, restartX, restartY);
  }
  MatchObjects[OBJECT_RESTART_SPOT].frame = 12;
  focusObject = OBJECT_BALL;
  StoppageSubstitutions();
  ServeSubstitutionRequests();
}

void ThrowIn() {
  const int side = BallCarrier < SIDE_OBJECTS ? 1 : 0;
  const int other = 1 - side;
  if (MatchStateTimer == 0) {
    SetRestartSide(side);
    Pressure(side);
    MatchStateTimer = static_cast<int16_t>(HurryFrames(90, side));
    return;
  }
  if (--MatchStateTimer != 0) return;
  MatchSeams.infoBar(1, 0, 0);
  StopBall();
  BallHeight = 0;
  KeeperDecision = -1;
  MatchState = STATE_THROW_IN_TAKEN;
  MatchStateTimer = 0;
  ClearOffsideFlags();
  SetAllPlayersAction(3);
  KeepersStand();
  int place = 4;
  for (int k = 0; k < 4; ++k)
    if (OnPitch(ChaseOrder[side][k])) {
      place = k;
      break;
    }
  const int thrower = ChaseOrder[side][place];
  if (IsPlayer(thrower)) ActivePlayer[side] = static_cast<int16_t>(thrower);
  if (IsPlayer(ChaseOrder[other][0])) ActivePlayer[other] = ChaseOrder[other][0];
  WriteAction(thrower, 21);
  PlaceThrowInPair(ChaseOrder[other][0], ChaseOrder[side][place + 1]);
  if (GameRandom() % 10 < 8) PlaceThrowInPair(ChaseOrder[other][1], ChaseOrder[side][place + 2]);
  if (GameRandom() % 10 < 4) PlaceThrowInPair(ChaseOrder[other][2], ChaseOrder[side][place + 3]);
  PlaceMarker(restartX < Pitch.centreX ? restartX + 160 : restartX - 160, restartY);
  if (IsPlayer(thrower)) {
    PossessionSide = static_cast<uint8_t>(SideOf(thrower));
    PlaceObjectAt(thrower, restartX, restartY);
  }
  focusObject = OBJECT_BALL;
  MatchObjects[OBJECT_RESTART_SPOT].frame = 12;
  StoppageSubstitutions();
  ServeSubstitutionRequests();
}

void GoalKick() {
  DrawShapeRandom();
  const int side = DefenderOfRestartEnd();
  SetRestartSide(side);
  if (MatchStateTimer == 0) {
    MatchStateTimer = static_cast<int16_t>(Score[side] < Score[1 - side] ? 11 : 90);
    return;
  }
  if (--MatchStateTimer != 0) return;
  StopBall();
  BallHeight = 0;
  RefereeWhistle(1);
  KeeperDecision = -1;
  MatchSeams.infoBar(10, 0, 0);
  MatchState = STATE_GOAL_KICK_TAKEN;
  MatchStateTimer = 0;
  ClearOffsideFlags();
  ResetTeamsForRestart();
  int aimY;
  if (AtHighEnd()) {
    restartY = 1946;
    aimY = 1946 - 1120;
  } else {
    restartY = 218;
    aimY = 218 + 1120;
  }
  const int keeper = Keeper(side);
  if (IsPlayer(keeper)) {
    WriteAction(keeper, 157);
    MatchObjects[keeper].hasBall = 0;
  }
  MakeOpponentActive(side);
  restartX = static_cast<int16_t>(restartX < Pitch.centreX ? 636 : 956);
  PlaceMarker(restartX, aimY);
  StoppageSubstitutions();
  ServeSubstitutionRequests();
}

void Corner() {
  FrameCountdowns[COUNTDOWN_SET_PIECE] = 50;
  if (MatchStateTimer == 0) MatchStateTimer = 90;
  if (--MatchStateTimer != 0) return;
  MatchSeams.sfxPlay(24);
  MatchSeams.infoBar(0, 0, 0);
  StopBall();
  BallHeight = 0;
  RefereeWhistle(1);
  KeeperDecision = -1;
  MatchState = STATE_CORNER_TAKEN;
  MatchStateTimer = 0;
  ClearOffsideFlags();
  ResetTeamsForRestart();
  const bool high = AtHighEnd();
  restartY = static_cast<int16_t>(high ? 2038 : 126);
  const int goalAreaY = high ? 1946 : 218;
  const int side = high ? LowGoalSide : 1 - LowGoalSide;
  SetRestartSide(side);
  PossessionSide = static_cast<uint8_t>(side);
  const int named = CornerTakerObject[side];
  const int taker = OnPitch(named) && SideOf(named) == side ? named : TakerNear(ballX, ballY, -1);
  SideCorners[side] = static_cast<int16_t>(SideCorners[side] + 1);
  if (IsPlayer(taker)) {
    ActivePlayer[side] = static_cast<int16_t>(taker);
    WriteAction(taker, 22);
    MatchObjects[taker].hasBall = 0;
  }
  MakeOpponentActive(side);
  PlaceCornerDefenders(1 - side);
  CurrentSide = static_cast<uint8_t>(side);  // the defenders' placing works for the other side
  if (IsPlayer(taker)) SendShortCornerOption(taker);
  PlaceMarker(Pitch.centreX, goalAreaY);
  restartX = static_cast<int16_t>(restartX < Pitch.centreX ? 160 : 1432);
  MatchObjects[OBJECT_RESTART_SPOT].frame = 12;
  focusObject = OBJECT_BALL;
  if (IsPlayer(taker)) PossessionSide = static_cast<uint8_t>(SideOf(taker));
  SnapPlayersToTargets();
  if (IsPlayer(taker)) PlaceObjectAt(taker, restartX, restartY);
  ServeSubstitutionRequests();
}

// A restart whose taker never takes it (he was called away, or left the
// pitch) gets a new taker in the end: the nearest free player of the side,
// the keeper for a goal kick.
void BeingTaken() {
  ballOutState = 0;
  if (++MatchStateTimer < kLongestRestartWait) return;
  MatchStateTimer = 0;
  SetRestartSide(RestartSide);
  const int taker = MatchState == STATE_GOAL_KICK_TAKEN ? Keeper(RestartSide) : TakerNear(ballX, ballY, -1);
  if (!IsPlayer(taker)) return;
  DPRINT(DEBUG_GENERAL, 1, "BeingTaken(): restart in state %d not taken, given to player %d\n", MatchState, taker);
  const int code = MatchState == STATE_THROW_IN_TAKEN ? 21 : MatchState == STATE_CORNER_TAKEN ? 22 : 157;
  WriteAction(taker, code);
  ActivePlayer[RestartSide] = static_cast<int16_t>(taker);
}

void Waiting() {
  DrawShapeRandom();
  ballOutState = 0;
}

// After a goal the conceding keeper hands the ball over (code 23), which
// moves the match on to the kick-off. Should nobody do so (the keeper left
// the pitch at the stoppage), the kick-off is set up all the same.
void AfterGoalWaiting() {
  Waiting();
  if (++MatchStateTimer < kLongestStateWait) return;
  DPRINT(DEBUG_GENERAL, 1, "AfterGoalWaiting(): nobody handed the ball over, kick-off set up\n");
  MatchState = STATE_PERIOD_START_AFTER_GOAL;
  MatchStateTimer = 100;
}

// Lined up for the kick-off: once nobody walks to his place any more, the
// whistle (which waits for that too).
void KickOffLinedUp() {
  Waiting();
  if (MoversCount != 0) return;
  MatchState = STATE_KICK_OFF;
  MatchStateTimer = 0;
}

void KickOffWhistle() {
  DrawShapeRandom();
  if (MoversCount != 0) return;
  if (MatchStateTimer == 0) {
    MatchStateTimer = 30;
    MatchSeams.infoBar(5, 0, 0);
    return;
  }
  if (MatchStateTimer < 0 || --MatchStateTimer != 0) return;
  RefereeWhistle(2);
  ClearOffsideFlags();
  if (IsPlayer(KickOffTaker)) {
    WriteAction(KickOffTaker, 27);
    MatchObjects[KickOffTaker].hasBall = 0;
    const int side = SideOf(KickOffTaker);
    if (HoldActiveFlag[side] == 1) ActivePlayer[side] = KickOffTaker;
  }
  MatchStateTimer = -1;
}

// Inside either penalty area: along within 410 of a goal line, across 476-1116.
bool InPenaltyArea(const MatchObject& o) { return (o.y <= 410 || o.y >= 1754) && o.x >= 476 && o.x <= 1116; }

void KeeperHolds() {
  const int side = DefenderOfRestartEnd();
  SetRestartSide(side);
  const int keeper = Keeper(side);
  if (MatchStateTimer == 0) {
    MatchStateTimer = static_cast<int16_t>(Score[side] < Score[1 - side] ? 11 : 90);
    return;
  }
  --MatchStateTimer;
  if (!IsPlayer(keeper)) return;
  const MatchObject& k = MatchObjects[keeper];
  if (!InPenaltyArea(k)) {
    // He carried the ball out of his area: a handball, and a red card.
    MatchSeams.sayComment(323, 0, side, keeper, -1, 0);
    MatchSeams.infoBar(13, keeper, 0);
    MatchSeams.sayComment(324, 0, side, keeper, -1, 0);
    FouledPlayer = BallCarrier;
    RefereeDecision = 9;
    FoulingSide = static_cast<uint8_t>(side);
    RefereeOffender = static_cast<int16_t>(keeper);
    restartX = k.x;
    restartY = k.y;
    MatchStateTimer = 0;
    MatchState = STATE_FOUL;
    return;
  }
  if (MatchStateTimer != 0) return;
  KeeperDecision = -1;
  StopBall();
  BallHeight = 0;
  ClearOffsideFlags();
  MatchState = STATE_KEEPER_RELEASE;
  MatchStateTimer = 0;
  ResetTeamsForRestart();
  PlaceMarker(ballX, ballY > Pitch.centreY ? ballY - 1120 : ballY + 1120);
  SetRestartSide(SideOf(keeper));
  SetPlayerAction(keeper, 123);
  focusObject = OBJECT_BALL;
  const int other = 1 - side;
  const int opponent = ChaseOrder[other][0];
  if (IsPlayer(opponent)) {
    SetPlayerAction(opponent, 4);
    ActivePlayer[other] = static_cast<int16_t>(opponent);
  }
  MatchObjects[OBJECT_RESTART_SPOT].frame = 12;
}

void PeriodEnd() {
  if (MatchStateTimer == 0) {
    MatchStateTimer = static_cast<int16_t>(period == 4 ? 60 : 180);
    return;
  }
  if (MatchStateTimer < 0 || --MatchStateTimer != 0) return;
  focusObject = OBJECT_BALL;
  PeriodOver = 1;
  keeperHolder = throwHolder = kNoHolder;
  PutPlayersOnTargets();
  MoversCount = 0;
}

void Celebration() {
  for (int i = 0; i < MATCH_PLAYERS; ++i)
    if (MatchObjects[i].action == 38 || MatchObjects[i].action == 39) return;
  for (int i = 0; i < MATCH_PLAYERS; ++i)
    if (MatchObjects[i].action == 40) MatchObjects[i].action = MatchObjects[i].actionArg2;
  focusObject = OBJECT_BALL;
  MatchState = SavedState;
}

void FreeKickPlaced() {
  const int towards = PossessionSide == LowGoalSide ? 480 : -480;
  SetShapeFocus(Pitch.centreX, std::clamp(ballY + towards, 122, 2042));
  keeperHolder = throwHolder = kNoHolder;
  ballOutState = 0;
}

void DirectFreeKickPlaced() {
  SetShapeFocus(Pitch.centreX, ballY < Pitch.centreY ? 122 : 2042);
  keeperHolder = throwHolder = kNoHolder;
  ballOutState = 0;
}

bool ShootOutDecided(int k, int s0, int s1) {
  if (k == 10 && s0 != s1) return true;
  if (k > 10 && k % 2 == 0 && s0 != s1) return true;
  if (k < 10 && s0 - s1 > 5 - k / 2) return true;
  if (k < 10 && s1 - s0 > 5 - (k + 1) / 2) return true;
  return false;
}

void EndShootOut(int s0, int s1) {
  const int winner = s1 > s0 ? 1 : 0;
  MatchSeams.sayComment(105, 0, winner, -1, -1, 0);
  MatchState = STATE_PERIOD_END;
  MatchStateTimer = 0;
  ballOutState = 0;
  SetAllPlayersAction(30);
  CelebrationFlag = 0;
  for (int place = 1; place < SIDE_OBJECTS; ++place) {
    const int object = SideSlots[winner][place];
    if (!IsPlayer(object)) continue;
    WriteAction(object, 69);
    MatchSeams.sfxPlay(28);
  }
  ActivePlayer[0] = ActivePlayer[1] = NO_ACTIVE_PLAYER;
  ClockRunning = 0;
  ++MoversCount;
}

void ShootOutKick() {
  if (ballSpeed != 0 || FrameCountdowns[COUNTDOWN_POST_GOAL] != 0) return;
  const int k = ShootOutKicks;
  const int s0 = ShootoutScore[0], s1 = ShootoutScore[1];
  // Without an order from the menus, the default one.
  if (k == 0)
    for (int s = 0; s < 2; ++s)
      if (!ShootOutOrderGiven(s)) DefaultShootOutOrder(s);
  // Two kicks in a row with nobody to take them: neither side can go on,
  // and the shoot-out ends as it stands.
  if (ShootOutDecided(k, s0, s1) || ShootOutDryKicks >= 2) {
    EndShootOut(s0, s1);
    return;
  }
  const int side = k % 2;
  CurrentSide = static_cast<uint8_t>(side);
  RestartSide = static_cast<uint8_t>(side);
  LowGoalSide = static_cast<uint8_t>(1 - side);  // every kick at the low goal line
  const int taker = NextShootOutTaker();
  if (!IsPlayer(taker)) {
    // Nobody can take it: the kick counts as missed.
    ++ShootOutDryKicks;
    ShootOutKicks = static_cast<int16_t>(k + 1);
    return;
  }
  ShootOutDryKicks = 0;
  keeperHolder = throwHolder = kNoHolder;
  StopBall();
  BallHeight = 0;
  restartX = Pitch.centreX;
  restartY = 314;
  MatchState = STATE_PENALTY_PLACED;
  MatchStateTimer = 0;
  for (int i = 0; i < MATCH_PLAYERS; ++i) {
    SetPlayerAction(i, 61);
    const int across = i < SIDE_OBJECTS ? kShootOutAcross[i] : -kShootOutAcross[i - SIDE_OBJECTS];
    PlaceObjectAt(i, Pitch.centreX + across, 122 + kShootOutAlong[i % SIDE_OBJECTS]);
  }
  KeepersStand();
  // A keeper taking his side's kick is the taker, not in goal.
  SetPlayerAction(taker, 53);
  SideLastToucher[side] = static_cast<int16_t>(taker);
  const int keeper = Keeper(1 - side);
  if (IsPlayer(keeper)) PlaceObjectAt(keeper, Pitch.centreX, 122 + 10);
  // The kicking side's keeper waits at the far end, where his own
  // positioning sends him; he does not hold up every kick walking there.
  if (IsPlayer(Keeper(side)) && Keeper(side) != taker) PlaceObjectAt(Keeper(side), Pitch.centreX, kShootOutWaitY);
  MatchObjects[OBJECT_RESTART_SPOT].x = Pitch.centreX;
  ShootOutKicks = static_cast<int16_t>(k + 1);
}

void Stoppage() {
  AddedTimeFrames += 1;
  if (GameRandom() % 2 == 1) AddedTimeFrames += 1;
  if (RefereeDecision != 0) return;
  MatchState = SavedState;
  MatchStateTimer = 1;
}

void PeriodStart() {
  DrawShapeRandom();
  KeeperDecision = 0;
  keeperHolder = throwHolder = kNoHolder;
  if (MoversCount != 0) {
    PutPlayersOnTargets();
    MoversCount = 0;
    MatchStateTimer = 1;
    PlaceObjectAt(OBJECT_REFEREE, 796 - 240, 1082 - 240);
    PlaceObjectAt(OBJECT_LINESMAN_NEAR, 156 - 32, 1082);
    PlaceObjectAt(OBJECT_LINESMAN_FAR, 1436 + 32, 1082);
  }
  if (MatchStateTimer > 0) {
    if (--MatchStateTimer > 0) return;
    DrawShapeRandom();
    if (MoversCount != 0) {
      MatchStateTimer = 1;
      return;
    }
  }
  // A player whose place is in the opponents' half and who stands beyond
  // the halfway line has his place moved back once.
  for (int i = 0; i < MATCH_PLAYERS; ++i) {
    if (!OnPitch(i)) continue;
    MatchObject& o = MatchObjects[i];
    if (SideOf(i) == LowGoalSide) {
      if (o.targetY > 1082 && o.y > 1082 + 20) {
        o.action = 3;
        o.targetY = static_cast<int16_t>(o.targetY - 32);
        MatchStateTimer = 1;
      }
    } else if (o.targetY < 1082 && o.y < 1082 - 20) {
      o.action = 3;
      o.targetY = static_cast<int16_t>(o.targetY + 32);
      MatchStateTimer = 1;
    }
  }
  SetRestartSide(kickOffSide & 1);
  const int taker = TakerNear(796, 1082, -1);
  WriteAction(taker, 24);
  if (ClockRunning == 0 && period >= 0 && period <= 3) MatchSeams.sayComment(106 + period, 0, kickOffSide, -1, -1, 0);
  MatchSeams.sayComment(ClockRunning == 0 && period == 0 ? 111 : 110, 0, kickOffSide, taker, -1, 0);
  KickOffTaker = static_cast<int16_t>(taker);
  int partner = NearestFreeTeamMate(796, 1082, taker);
  if (partner < 0) {
    for (int k = 1; k < 5 && partner < 0; ++k)
      if (OnPitch(ChaseOrder[kickOffSide & 1][k]) && ChaseOrder[kickOffSide & 1][k] != taker)
        partner = ChaseOrder[kickOffSide & 1][k];
  }
  KickOffPartner = static_cast<int16_t>(partner);
  WriteAction(partner, 26);
  MatchState = STATE_KICK_OFF_WAIT;
  PossessionSide = static_cast<uint8_t>(kickOffSide & 1);
  SnapPlayersToTargets();
  ballOutState = 0;
}

}  // namespace

void RefereeWhistle(int kind, int then) {
  SetPlayerAction(OBJECT_REFEREE, OFFICIALS_SIGNAL);
  MatchObjects[OBJECT_REFEREE].actionArg = static_cast<uint8_t>(kind);
  MatchObjects[OBJECT_REFEREE].actionArg2 = static_cast<int16_t>(then);
}

int HurryFrames(int frames, int side) {
  side &= 1;
  if (Score[side] < Score[1 - side]) return frames / (1 + GameRandom() % 4);
  return frames;
}

int FirstFreeChasePlace(int side) {
  side &= 1;
  for (int k = 1; k <= 3; ++k)
    if (OnPitch(ChaseOrder[side][k])) return ChaseOrder[side][k];
  return IsPlayer(ChaseOrder[side][4]) ? ChaseOrder[side][4] : -1;
}

bool SideIsHuman(int side) {
  return GetMatchSetupRecord()[MATCH_SETUP_TEAM_OFFSET[side & 1] + SETUP_TEAM_HUMAN] != 0;
}

void StoppageSubstitutions() {
  for (int side = 0; side < 2; ++side) {
    if (SideIsHuman(side)) continue;
    SubstitutionDecision(side);
    const int off = SubstitutionChoice[side];
    if (off == NO_SUBSTITUTION || off >= SIDE_OBJECTS) continue;
    if (SubstitutionsUsed[side] >= SubstitutesAllowed || RequestsServed[side] != 0) continue;
    if (MatchState == STATE_CELEBRATION) continue;
    const int on = ChooseSubstitute(side, off);
    if (on < 0 || on >= SIDE_OBJECTS) continue;
    const int onPlayer = SideSlots[side][on] - side * SIDE_OBJECTS;
    const int offPlayer = SideSlots[side][off] - side * SIDE_OBJECTS;
    if (onPlayer < 0 || onPlayer >= SIDE_OBJECTS || offPlayer < 0 || offPlayer >= SIDE_OBJECTS) continue;
    Football_MakeSubstitution(static_cast<int16_t>(side), static_cast<int16_t>(onPlayer),
                              static_cast<int16_t>(offPlayer));
    MatchSeams.replanTeams();
  }
}

void RunMatchState() {
  if (MatchState >= 0 && MatchState < MATCH_STATE_COUNT && MatchStateTable[MatchState]) MatchStateTable[MatchState]();
}

void ServeSubstitutionRequests() {
  for (int side = 0; side < 2; ++side) {
    if (SubstitutionRequest[side] == 0) continue;
    MatchSeams.inGameMenuOpenSubsTactics(side);
    SideMomentum[side] = static_cast<int16_t>(SideMomentum[side] + 4);
    SubstitutionRequest[side] = 0;
    SideMomentum[1 - side] = static_cast<int16_t>(std::max(0, SideMomentum[1 - side] - 8));
    ++RequestsServed[side];
    // A side left without a keeper (the human manager's menu too) puts the
    // best reach among the outfield starters on the pitch in goal.
    if (OnPitch(SideSlots[side][0])) continue;
    int best = -1, bestReach = -1;
    for (int place = 1; place <= 10; ++place) {
      const int object = SideSlots[side][place];
      if (!OnPitch(object)) continue;
      if (MatchObjects[object].attr[SKILL_KEEPING] > bestReach) {
        bestReach = MatchObjects[object].attr[SKILL_KEEPING];
        best = place;
      }
    }
    if (best > 0) std::swap(SideSlots[side][0], SideSlots[side][best]);
  }
}

void PlaceThrowInPair(int marker, int receiver) {
  const bool nearLine = restartX < Pitch.centreX;
  const int x = nearLine ? restartX + 192 + GameRandom() % 192 : restartX - 192 - GameRandom() % 192;
  int y;
  if (restartY < Pitch.centreY)
    y = std::max(restartY - 192, 122) + 16 * (GameRandom() % 24);
  else
    y = std::min(restartY + 192, 2042) - 16 * (GameRandom() % 24);
  // A chase place without a player (a hole in the order) places nobody.
  if (!IsPlayer(marker) || !IsPlayer(receiver)) return;
  MatchObject& r = MatchObjects[receiver];
  r.targetX = static_cast<int16_t>(x);
  r.targetY = static_cast<int16_t>(y);
  MatchObject& m = MatchObjects[marker];
  m.targetX = static_cast<int16_t>(nearLine ? x + 32 : x - 32);
  m.targetY = static_cast<int16_t>(y);
  // Both walk to their spots; the marker waits for the man he marks
  // (action step: his object + 1, 0 for nobody). Once the throw is taken
  // the same code turns them to meet it.
  SetPlayerAction(marker, 76);
  m.speed = 64;
  m.actionArg = static_cast<uint8_t>(receiver + 1);
  SetPlayerAction(receiver, 76);
  r.speed = 0;
  r.actionArg = 0;
}

void SnapPlayersToTargets() {
  for (int pass = 0; pass < 2; ++pass) {
    MatchSeams.updateMatchCounters();
    MatchSeams.updateActivePlayers();
    MatchSeams.teamShapeInterpolateZones();
    MatchSeams.teamShapeSetTargets();
    MatchSeams.computerManagerFirstStep();
    MatchSeams.computerManagerSecondStep();
    MatchSeams.updateManMarking();
  }
  for (int i = 0; i < MATCH_PLAYERS; ++i)
    if (OnPitch(i) && i != SideSlots[0][0] && i != SideSlots[1][0])
      PlaceObjectAt(i, MatchObjects[i].targetX, MatchObjects[i].targetY);
}

void MatchStates_Reset() {
  for (auto& h : MatchStateTable) h = OpenPlay;
  MatchStateTable[STATE_FOUL] = FoulState;
  MatchStateTable[STATE_OFFSIDE] = Offside;
  MatchStateTable[STATE_THROW_IN] = ThrowIn;
  MatchStateTable[STATE_GOAL_KICK] = GoalKick;
  MatchStateTable[STATE_CORNER] = Corner;
  MatchStateTable[STATE_THROW_IN_TAKEN] = BeingTaken;
  MatchStateTable[STATE_GOAL_KICK_TAKEN] = BeingTaken;
  MatchStateTable[STATE_CORNER_TAKEN] = BeingTaken;
  MatchStateTable[STATE_GOAL] = GoalState;
  MatchStateTable[STATE_AFTER_GOAL_WAIT] = AfterGoalWaiting;
  MatchStateTable[STATE_KICK_OFF] = KickOffWhistle;
  MatchStateTable[STATE_KEEPER_HOLDS] = KeeperHolds;
  MatchStateTable[STATE_KEEPER_RELEASE] = Waiting;
  MatchStateTable[STATE_PERIOD_END] = PeriodEnd;
  MatchStateTable[STATE_CELEBRATION] = Celebration;
  MatchStateTable[STATE_FREE_KICK_PLACED] = FreeKickPlaced;
  MatchStateTable[STATE_DIRECT_FREE_KICK_PLACED] = DirectFreeKickPlaced;
  MatchStateTable[STATE_PENALTY_PLACED] = DirectFreeKickPlaced;
  MatchStateTable[STATE_SHOOTOUT_KICK] = ShootOutKick;
  MatchStateTable[STATE_DIRECT_FREE_KICK_PLACED_2] = DirectFreeKickPlaced;
  MatchStateTable[STATE_STOPPAGE] = Stoppage;
  MatchStateTable[STATE_PERIOD_START] = PeriodStart;
  MatchStateTable[STATE_PERIOD_START_AFTER_GOAL] = PeriodStart;
  MatchStateTable[STATE_AFTER_GOAL] = AfterGoalState;
  MatchStateTable[STATE_KICK_OFF_WAIT] = KickOffLinedUp;
  RestartSide = 0;
  SavedState = 0;
  AimPointX = AimPointY = 0;
  FoulingSide = 0;
  FouledPlayer = -1;
  RefereeOffender = -1;
  OffendingSide = 0;
  SubstitutionRequest[0] = SubstitutionRequest[1] = 0;
  RequestsServed[0] = RequestsServed[1] = 0;
  SettleWait = 0;
  KickOffTaker = KickOffPartner = -1;
  ShapeRandom[0] = ShapeRandom[1] = 0;
  CelebrationFlag = 0;
  KeeperDecision = -1;
  SideOffsides[0] = SideOffsides[1] = 0;
  AddedTimeFrames = 0;
  ShootOutDryKicks = 0;
}
REGISTER_RESET(RESET_MATCH_PLAY, MatchStates_Reset);
