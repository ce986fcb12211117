#include "gamecode/fouls.h"

#include <algorithm>

#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/actions.h"
#include "gamecode/activeplayers.h"
#include "gamecode/attackdir.h"
#include "gamecode/ball.h"
#include "gamecode/balltouch.h"
#include "gamecode/compman.h"
#include "gamecode/football.h"
#include "gamecode/goalcomment.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchres.h"
#include "gamecode/matchrun.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/matchstates.h"
#include "gamecode/movement.h"
#include "gamecode/teamops.h"

int16_t AfterGoalFrames = 0;

namespace {

constexpr int kKeeperAction = 122;
constexpr int kCentreX = 796;
constexpr int kHalfway = 1082;
constexpr int kHighGoal = 2042;
constexpr int kLowGoal = 122;
constexpr int kFreeKickTakerRange = 800;  // beyond this the nearest free team-mate takes it
constexpr int kDirectRange = 608;
constexpr int kKeeperWaitFrames = 600;    // keepers not back in goal by then are put there
constexpr int kUnknownShotYards = 12;

bool OnPitch(int object) { return IsPlayer(object) && MatchObjects[object].offPitch == 0; }
int Keeper(int side) { return SideSlots[side & 1][0]; }
// The record keeps the counter in one byte.
int16_t NextByteCount(int16_t counter) { return static_cast<int16_t>((counter + 1) & 0xFF); }
void WriteAction(int object, int code) {
  if (IsPlayer(object)) MatchObjects[object].action = static_cast<int16_t>(code);
}
bool AttacksHigh(int side) { return (side & 1) == LowGoalSide; }

void Pressure(int side) {
  PossessionSide = static_cast<uint8_t>(side);
  PossessionPressure[side] = PRESSURE_MAX;
  PossessionPressure[1 - side] = 0;
}

void PlaceMarker(int x, int y) {
  PlaceObjectAt(OBJECT_RESTART_SPOT, x, y);
  MatchObjects[OBJECT_RESTART_SPOT].frame = 12;
  AimPointX = static_cast<int16_t>(x);
  AimPointY = static_cast<int16_t>(y);
}

// The squad place of the object in its side's order, -1 none.
int SquadPlace(int object) {
  const int side = SideOf(object);
  for (int place = 0; place < SIDE_OBJECTS; ++place)
    if (SideSlots[side][place] == object) return place;
  return -1;
}

void Tire(MatchObject& o) {
  o.fatigue = static_cast<int8_t>(std::min(127, o.fatigue + GameRandom() % 10));
  o.strain = static_cast<int8_t>(std::min(60, o.strain + GameRandom() % 30));
}

// Step 3: a computer side whose keeper is off the pitch puts another in goal.
// The human manager picks his own in the substitutions menu; should he leave
// the goal empty, the side's choice is made for him, as no restart of his
// keeper's could ever be taken.
void ReplaceLostKeeper() {
  const int side = FoulingSide & 1;
  if (OnPitch(Keeper(side))) return;
  if (SideIsHuman(side)) {
    MatchSeams.inGameMenuOpenSubsTactics(side);
    if (OnPitch(Keeper(side))) return;
  }
  MatchSeams.replaceGoalkeeper(side);
  const int keeper = Keeper(side);
  if (!OnPitch(keeper)) return;
  WriteAction(keeper, kKeeperAction);
  PlaceObjectAt(keeper, kCentreX, restartY);
}

// Step 4: true when the handler is to wait for the hurt player.
bool HurtPlayer() {
  const int hurt = FouledPlayer;
  if (!OnPitch(hurt)) return false;
  MatchObject& o = MatchObjects[hurt];
  if (o.injury == 0) return false;
  if ((o.action >= 17 && o.action <= 119) || o.action == 145) {
    MatchStateTimer = 1;
    return true;
  }
  MatchStateTimer = 1;
  o.injury = 2;
  const int side = SideOf(hurt);
  const bool subsLeft = SubstitutionsUsed[side] < SubstitutesAllowed;
  if (SideIsHuman(side)) {
    PlaceObjectAt(hurt, 0, 0);
    o.action = 0;
    o.offPitch = 1;
    MatchSeams.activateHighLight(2, 200);
    if (subsLeft) {
      SubstitutionRequest[side] = 1;
      Tire(o);
    }
  } else {
    const int off = SquadPlace(hurt);
    const int on = subsLeft && RequestsServed[side] == 0 && MatchState != STATE_CELEBRATION && off >= 0
                       ? ChooseSubstitute(side, off)
                       : -1;
    if (on >= 0 && on < SIDE_OBJECTS && IsPlayer(SideSlots[side][on])) {
      const int newcomer = SideSlots[side][on];
      Tire(o);
      Football_MakeSubstitution(static_cast<int16_t>(side), static_cast<int16_t>(newcomer - side * SIDE_OBJECTS),
                                static_cast<int16_t>(hurt - side * SIDE_OBJECTS));
      MatchSeams.infoBar(11, newcomer, hurt);
      RequestsServed[side] = 0;
    } else if (hurt == Keeper(side)) {
      MatchSeams.replaceGoalkeeper(side);
    }
  }
  ServeSubstitutionRequests();
  for (int i = 0; i < MATCH_PLAYERS; ++i)
    if (OnPitch(i)) MatchObjects[i].injury = 0;
  return true;
}

// The first of the side's chase places 0-4 to qualify as the taker's partner.
int Partner(int side, int taker) {
  const int first = ChaseOrder[side][0];
  if (IsPlayer(first) && first != FouledPlayer && first != taker) return first;
  for (int k = 1; k <= 4; ++k) {
    const int object = ChaseOrder[side][k];
    if (OnPitch(object) && object != taker) return object;
  }
  return -1;
}

int TakerOr(int designated, int side) {
  if (OnPitch(designated) && designated != FouledPlayer) return designated;
  return FirstFreeChasePlace(side);
}

void TakerSteps(int side, int taker, bool penalty) {
  if (!IsPlayer(taker)) return;
  ActivePlayer[side] = static_cast<int16_t>(taker);
  ++SideFouls[FoulingSide & 1];
  SetPlayerAction(taker, 53);
  if (!penalty) {
    const int partner = Partner(side, taker);
    if (partner >= 0 && GameRandom() % 2 == 0) {
      SetPlayerAction(partner, 103);
      MatchObjects[partner].targetX = static_cast<int16_t>(restartX < kCentreX ? restartX + 64 : restartX - 64);
      MatchObjects[partner].targetY = restartY;
    }
  }
}

// The object's action handler once, on the working copy of his position as
// the frame's player update runs it.
void RunActionOnce(int object) {
  MatchObject& p = MatchObjects[object];
  if (p.action < 0 || p.action >= ACTION_CODES || !PlayerActionTable[p.action]) return;
  ActorX = p.x;
  ActorY = p.y;
  ActorFixedX = p.fixedX;
  ActorFixedY = p.fixedY;
  PlayerActionTable[p.action](object);
  p.fixedX = ActorFixedX;
  p.fixedY = ActorFixedY;
  p.x = static_cast<int16_t>(ActorFixedX / 65536);
  p.y = static_cast<int16_t>(ActorFixedY / 65536);
}

// The ball still on the spot, nobody holding it.
void PlaceBallAt(int x, int y) {
  ballX = static_cast<int16_t>(x);
  ballY = static_cast<int16_t>(y);
  ballFixedX = x * 65536;
  ballFixedY = y * 65536;
  ballFixedHeight = 0;
  keeperHolder = throwHolder = 0;
  ballOutState = 0;
  PlaceObjectAt(OBJECT_BALL, x, y);
}

}  // namespace

bool IsPenaltySpot(int side, int x, int y) {
  if (x < 476 || x > 1116) return false;
  return AttacksHigh(side) ? y >= 1754 : y <= 410;
}

bool IsDirectFreeKick(int distance, int direction) {
  direction &= 255;
  const bool straight = direction <= 40 || (direction >= 88 && direction <= 168) || direction >= 216;
  return distance <= kDirectRange && straight;
}

int CelebrationStyle(int agility) { return std::min(6, agility / 18 + 1); }

void FoulState() {
  const int side = 1 - (FoulingSide & 1);
  // A timer left below 0 by an earlier state counts as unarmed.
  if (MatchStateTimer <= 0) {
    MatchStateTimer = static_cast<int16_t>(std::max(1, HurryFrames(30, side)));
    Pressure(side);
    SettleWait = 0;
    RefereeWhistle(2, RefereeDecision != 0 ? RefereeDecision : 1);
    ReleaseTeamsForRestart();
    return;
  }
  if (--MatchStateTimer != 0) return;
  Pressure(side);
  if (RefereeDecision != 0) {
    SavedState = STATE_FOUL;
    MatchState = STATE_STOPPAGE;
    MatchStateTimer = 1;
    return;
  }
  ReplaceLostKeeper();
  if (HurtPlayer()) return;
  if (CountUnsettledPlayers() != 0 && SettleWait < 1000) {
    MatchStateTimer = 1;
    ++SettleWait;
    return;
  }
  RefereeWhistle(1);
  KeeperDecision = -1;
  CurrentSide = static_cast<uint8_t>(side);
  RestartSide = static_cast<uint8_t>(side);

  const bool high = AttacksHigh(side);
  int taker = -1;
  bool penalty = false;
  if (IsPenaltySpot(side, restartX, restartY)) {
    penalty = true;
    MatchSeams.sayComment(104, 0, side, -1, -1, 0);
    restartX = kCentreX;
    restartY = static_cast<int16_t>(high ? 1850 : 314);
    ClearOffsideFlags();
    MatchState = STATE_PENALTY_PLACED;
    AddedTimeFrames += 30 + GameRandom() % 30;
    taker = TakerOr(PenaltyTakerObject[side], side);
    TakerSteps(side, taker, true);
    PlaceMarker(kCentreX, restartY);
    WriteAction(Keeper(0), kKeeperAction);
    WriteAction(Keeper(1), kKeeperAction);
  } else {
    PlaceMarker(restartX, restartY);
    const int direction = GetAttackDirection(OBJECT_RESTART_SPOT, 1, side);
    ClearOffsideFlags();
    if (IsDirectFreeKick(GoalDistance, direction)) {
      PlaceMarker(kCentreX, high ? kHighGoal : kLowGoal);
      MatchState = STATE_DIRECT_FREE_KICK_PLACED;
      AddedTimeFrames += 30 + GameRandom() % 30;
      taker = TakerOr(FreeKickTakerObject[side], side);
    } else {
      MatchState = STATE_FREE_KICK_PLACED;
      if (GoalDistance < kFreeKickTakerRange && OnPitch(FreeKickTakerObject[side]))
        taker = FreeKickTakerObject[side];
      else
        taker = NearestFreeTeamMate(restartX, restartY, FouledPlayer);
      if (!IsPlayer(taker) || taker == FouledPlayer) taker = FirstFreeChasePlace(side);
    }
    TakerSteps(side, taker, false);
  }
  SettleWait = 0;
  MatchStateTimer = 0;
  focusObject = OBJECT_BALL;
  if (IsPlayer(taker)) {
    RunActionOnce(taker);
    int y = restartY;
    if (penalty) y = restartY < kHalfway ? y + 10 : y - 10;
    PlaceObjectAt(taker, restartX, y);
  }
  StoppageSubstitutions();
  ServeSubstitutionRequests();
}

void GoalState() {
  const bool highEnd = BallFramePos[1] >= kHalfway;
  const int scorer = highEnd ? LowGoalSide : 1 - LowGoalSide;
  const int conceder = 1 - scorer;
  if (MatchStateTimer <= 0) {
    MatchStateTimer = 50;
    RefereeWhistle(2);
    FrameCountdowns[COUNTDOWN_POST_GOAL] = 100;
    if (period == 4) return;
    MatchSeams.sfxPlay(Score[0] == Score[1] ? 14 : 15);
    ++Score[scorer];
    MatchSeams.replanTeams();
    if (IsPlayer(Keeper(conceder))) ++MatchObjects[Keeper(conceder)].goalsConceded;

    const int last = BallCarrier;
    int credited = -1, ownGoal = -1;
    if (IsPlayer(last) && SideOf(last) == conceder && last != Keeper(conceder)) {
      ++MatchObjects[last].ownGoals;
      MatchSeams.infoBar(9, last, -1);
      MatchSeams.sayComment(101, 0, conceder, last, -1, 0);
      credited = ownGoal = last;
    } else {
      credited = IsPlayer(last) && last == Keeper(conceder) ? SideLastToucher[scorer] : last;
      if (!IsPlayer(credited)) credited = -1;
      if (MoveRecords[0].flag != 0 && MoveRecords[0].player == credited && IsPlayer(credited))
        MatchObjects[credited].further[4] = NextByteCount(MatchObjects[credited].further[4]);
      if (MoveRecords[1].flag != 0 && IsPlayer(MoveRecords[1].player))
        MatchObjects[MoveRecords[1].player].further[8] = NextByteCount(MatchObjects[MoveRecords[1].player].further[8]);
      if (MoveRecords[2].flag != 0 && IsPlayer(MoveRecords[2].player))
        MatchObjects[MoveRecords[2].player].further[6] = NextByteCount(MatchObjects[MoveRecords[2].player].further[6]);
      if (IsPlayer(credited)) {
        ++MatchObjects[credited].goals;
        GoalScorer = static_cast<int16_t>(credited);
      }
      MatchSeams.infoBar(8, credited, -1);
      MatchSeams.sayComment(102, 0, scorer, credited, -1, 0);
    }
    AddMatchLogEntry(0, period, CurrentEventMinute(), scorer, credited, 0);
    // The goal's distance class is the shot's length in yards as the ball
    // measured it; unknown counts as inside the area.
    RecordGoal(scorer, Score[scorer] - 1, credited, credited, ownGoal, MatchState,
               GoalShotYards >= 0 ? GoalShotYards : kUnknownShotYards);
    if (IsPlayer(RecordedShooter)) {
      MatchObject& shooter = MatchObjects[RecordedShooter];
      ++shooter.shotsOnTarget;
      // A shot from too far out to be counted still counts once it goes in:
      // no player has more shots on target than shots.
      if (shooter.shots < shooter.shotsOnTarget) {
        shooter.shots = shooter.shotsOnTarget;
        ++SideShots[SideOf(RecordedShooter)];
      }
      RecordedShooter = -1;
    }
    const int assist = AssistCandidate;
    if (ownGoal < 0 && IsPlayer(assist) && SideOf(assist) == scorer && assist != credited) {
      ++MatchObjects[assist].assists;
      ++MatchObjects[assist].keyPasses;
      MatchSeams.sayComment(103, 0, scorer, assist, -1, 0);
    }
    // The move is spent: its records credit no later goal.
    for (MoveRecord& m : MoveRecords) m = {0, -1};
    AssistCandidate = -1;
    MatchSeams.scoreSituationComment(scorer, credited);
    if (ownGoal >= 0) return;

    CelebrationFlag = 1;
    FrameCountdowns[COUNTDOWN_CELEBRATION] = 20;
    const int p = SideLastToucher[scorer];
    if (!IsPlayer(p) || p == Keeper(scorer)) {
      CelebrationFlag = 0;
      return;
    }
    SetPlayerAction(p, 69);
    const int lead = Score[scorer] - Score[conceder];
    if (lead < 0) return;
    if (lead <= 1) MatchObjects[p].actionArg = static_cast<uint8_t>(CelebrationStyle(MatchObjects[p].attr[SKILL_AGILITY]));
    for (int place = 1; place < SIDE_OBJECTS; ++place) {
      const int mate = SideSlots[scorer][place];
      if (!OnPitch(mate) || MatchObjects[mate].action >= 15) continue;
      if (lead <= 1 || GameRandom() % lead == 0) WriteAction(mate, 70);
    }
    return;
  }
  if (--MatchStateTimer != 0) return;
  if (period == 4) {
    MatchState = STATE_SHOOTOUT_KICK;
    const int p = SideLastToucher[scorer];
    if (IsPlayer(p)) MatchObjects[p].further[4] = NextByteCount(MatchObjects[p].further[4]);
  } else {
    MatchState = STATE_AFTER_GOAL;
    AfterGoalFrames = 0;
  }
}

void AfterGoalState() {
  MatchStateTimer = 0;
  if (CelebrationFlag != 0 && ++AfterGoalFrames > CELEBRATION_MAX_FRAMES) CelebrationFlag = 0;
  if (CelebrationFlag != 0) return;
  // A keeper kept busy by a stand-in action goes back in goal in the end.
  if (++AfterGoalFrames > kKeeperWaitFrames)
    for (int side = 0; side < 2; ++side) WriteAction(Keeper(side), kKeeperAction);
  for (int side = 0; side < 2; ++side)
    if (IsPlayer(Keeper(side)) && MatchObjects[Keeper(side)].action != kKeeperAction) return;
  ResetTeamsForRestart();
  StopBall();
  BallHeight = 0;
  MatchState = STATE_AFTER_GOAL_WAIT;
  AfterGoalFrames = 0;
  ClearOffsideFlags();
  PlaceBallAt(kCentreX, kHalfway);
  MatchStateTimer = 0;
  ResetTeamsForRestart();
  const bool highEnd = BallFramePos[1] >= kHalfway;
  const int conceder = highEnd ? 1 - LowGoalSide : LowGoalSide;
  kickOffSide = static_cast<uint8_t>(conceder);
  const int keeper = Keeper(conceder);
  if (IsPlayer(keeper)) {
    WriteAction(keeper, 23);
    MatchObjects[keeper].hasBall = 0;
  }
  StoppageSubstitutions();
  ServeSubstitutionRequests();
  // A keeper replaced at the stoppage: his successor hands the ball over.
  const int now = Keeper(conceder);
  if (IsPlayer(now) && now != keeper) {
    WriteAction(now, 23);
    MatchObjects[now].hasBall = 0;
  }
}

void Fouls_Reset() { AfterGoalFrames = 0; }
REGISTER_RESET(RESET_MATCH_PLAY, Fouls_Reset);
