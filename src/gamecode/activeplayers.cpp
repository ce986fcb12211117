// Who goes for the ball: the chase order, the active players and the AI's
// per-frame counters.
#include "gamecode/activeplayers.h"

#include <cmath>
#include <cstdlib>

#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/actions.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/movement.h"

int16_t ProcessedSide = 0;
int16_t FramePhase = 0;
int16_t ChaseOrder[2][16] = {};
int16_t ActivePlayer[2] = {NO_ACTIVE_PLAYER, NO_ACTIVE_PLAYER};
int16_t HoldActiveFlag[2] = {};
int16_t SideMomentum[2] = {};
int16_t PossessionPressure[2] = {};
int16_t BoostCountdown = 0;
int16_t FrameCountdowns[5] = {};
int16_t DecisionPlayer = -1;
int16_t SupportX = 0, SupportY = 0;
float FrameBallFriction = 0.0f, FrameBallBounce = 0.0f;

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr int kBusyAction = 17;      // codes from here on (but 37) weigh a player down
constexpr int kJumpAction = 37;      // jumping a challenge: still counts as free
constexpr int kFreeAction = 16;      // the highest code that may take the role
constexpr int kHandOverAction = 14;  // the highest code an outgoing active player is called back from
constexpr int kHoldDistance = 128;
constexpr int kCommentTied = 25;
constexpr int kCommentTrailingByOne = 26;
constexpr int kCommentPriority = 0;

int FirstObject(int side) { return side * SIDE_OBJECTS; }

// The facing-weighted distance of a player to a point: the across gap
// weighted by sin and the along gap by cos of his facing, each truncated.
int WeightedDistance(const MatchObject& p, int x, int y) {
  const double h = p.facing * kTwoPi / 256.0;
  const int across = static_cast<int>(std::sin(h) * std::abs(p.x - x));
  const int along = static_cast<int>(std::cos(h) * std::abs(p.y - y));
  return std::abs(across) + std::abs(along);
}

int16_t Clamp16(long v) { return static_cast<int16_t>(v > 29999 ? 29999 : v < -29999 ? -29999 : v); }

void FillHole(int side, int place) {
  int16_t* order = ChaseOrder[side];
  for (int object = FirstObject(side); object < FirstObject(side) + SIDE_OBJECTS; ++object) {
    bool listed = false;
    for (int i = 0; i < SIDE_OBJECTS; ++i) listed = listed || order[i] == object;
    if (!listed) order[place] = static_cast<int16_t>(object);
  }
}

void MeasurePlace(int side, int place, int goalDir) {
  MatchObject& p = MatchObjects[ChaseOrder[side][place]];
  p.ballDistance = Clamp16(WeightedDistance(p, ballX, ballY));
  p.chaseMetric = p.ballDistance;
  if (p.offPitch) {
    p.chaseMetric = CHASE_METRIC_OFF_PITCH;
    return;
  }
  long metric = WeightedDistance(p, ballPredict[0][0], ballPredict[0][1]);
  if (p.action >= kBusyAction && p.action != kJumpAction) metric += 1000;
  if (side != PossessionSide) {
    const int d = DirectionDifference((p.facing + 128) % 256, goalDir);
    metric = metric * (d * ballSpeed + 150) / 150;
  }
  // A far, badly turned defender would run past the 16-bit range and jump
  // the queue: he stays just short of the sent-off players at the end.
  p.chaseMetric = Clamp16(metric);
}

void BubblePass(int side) {
  int16_t* order = ChaseOrder[side];
  for (int j = 0; j < SIDE_OBJECTS - 1; ++j) {
    const int a = order[j], b = order[j + 1];
    if (a >= MATCH_PLAYERS || b >= MATCH_PLAYERS || b == FirstObject(side)) continue;
    if (MatchObjects[b].chaseMetric < MatchObjects[a].chaseMetric) {
      order[j] = static_cast<int16_t>(b);
      order[j + 1] = static_cast<int16_t>(a);
    }
  }
}

void HandOver(int side, int object, bool alwaysRecord) {
  const int first = FirstObject(side);
  for (int i = first; i < first + SIDE_OBJECTS; ++i)
    if (i != object && MatchObjects[i].action == 4) SetPlayerAction(i, 3);
  if (MatchObjects[object].action <= 3 && MatchState == STATE_OPEN_PLAY) SetPlayerAction(object, 4);
  const int previous = ActivePlayer[side];
  if (previous != object && previous >= 0 && previous < MATCH_PLAYERS) {
    if (MatchObjects[previous].action <= kHandOverAction) {
      SetPlayerAction(previous, 3);
      ActivePlayer[side] = static_cast<int16_t>(object);
    }
  } else if (previous != object) {
    ActivePlayer[side] = static_cast<int16_t>(object);
  }
  if (alwaysRecord) ActivePlayer[side] = static_cast<int16_t>(object);
}

}  // namespace

int DirectionDifference(int a, int b) {
  const int d = ((a - b) % 256 + 256) % 256;
  return d > 128 ? 256 - d : d;
}

void UpdateActivePlayers() {
  const int side = ProcessedSide & 1;
  const int goalY = PossessionSide == LowGoalSide ? Pitch.maxY : Pitch.minY;
  const int goalDir = GetDirection256(ballX, ballY, Pitch.centreX, goalY);
  for (int place = 0; place < SIDE_OBJECTS; ++place) {
    if (ChaseOrder[side][place] >= MATCH_PLAYERS) FillHole(side, place);
    MeasurePlace(side, place, goalDir);
  }
  BubblePass(side);
  const bool leadsByOne = Score[side] - Score[1 - side] == 1;
  if (ActivePlayer[side] == NO_ACTIVE_PLAYER) ActivePlayer[side] = ChaseOrder[side][0];
  const MatchObject& current = MatchObjects[ActivePlayer[side]];
  if (current.ballDistance <= kHoldDistance && HoldActiveFlag[side] && current.action <= kFreeAction) return;
  for (int k = 0; k < 3; ++k) {
    const int chosen = ChaseOrder[side][k];
    if (MatchObjects[chosen].action > kFreeAction) continue;
    if (ActivePlayer[side] != chosen || (side == PossessionSide && (k == 0 || leadsByOne)))
      MakeActivePlayer(side, chosen);
    ActivePlayer[side] = static_cast<int16_t>(chosen);
    const int second = ChaseOrder[side][k + 1];
    const MatchObject& n = MatchObjects[second];
    // A sent-off player is not sent after the ball.
    if (n.action != 4 && !n.offPitch && side != PossessionSide &&
        DirectionDifference(n.facing, MatchObjects[chosen].facing) > 64 && (k != 0 || leadsByOne))
      SetPlayerAction(second, 4);
    break;
  }
  ++MatchObjects[ActivePlayer[side]].activeFrames;
}

void UpdateMatchCounters() {
  FrameBallFriction = FRAME_BALL_FRICTION;
  FrameBallBounce = FRAME_BALL_BOUNCE;
  FramePhase = static_cast<int16_t>((FramePhase + 1) % 4);
  ProcessedSide = static_cast<int16_t>(1 - (ProcessedSide & 1));
  for (int16_t& c : FrameCountdowns)
    if (c > 0) --c;
  if (MatchState == STATE_OPEN_PLAY) {
    if (BoostCountdown < 1) {
      BoostCountdown = BOOST_RELOAD;
      for (int16_t& m : SideMomentum)
        if (m != 0) --m;
    } else {
      --BoostCountdown;
    }
    if (BoostCountdown % 4 == 0) {
      const int a = PossessionSide & 1, b = 1 - a;
      const int g = Score[b] - Score[a];
      if (g >= 0) {
        PossessionPressure[a] = static_cast<int16_t>(PossessionPressure[a] + (g < 4 ? g : 4) + 1);
        --PossessionPressure[b];
      } else {
        const int lead = -g < 4 ? -g : 4;
        PossessionPressure[b] = static_cast<int16_t>(PossessionPressure[b] - (5 - lead));
      }
      if (PossessionPressure[b] < 0) PossessionPressure[b] = 0;
      if (PossessionPressure[a] > PRESSURE_MAX) PossessionPressure[a] = PRESSURE_MAX;
    }
  }
  if (MatchState == STATE_KICK_OFF) PossessionPressure[0] = PossessionPressure[1] = 0;
}

void AdjustMomentum(int weight) {
  // The low half is defended by the side defending the low goal line.
  const int defending = ballY < Pitch.centreY ? LowGoalSide : 1 - LowGoalSide;
  SideMomentum[defending] = static_cast<int16_t>(SideMomentum[defending] - 2 * weight);
  SideMomentum[1 - defending] = static_cast<int16_t>(SideMomentum[1 - defending] + weight);
  const bool roll = GameRandom() % 4 == 0;
  if (roll && weight != 1 && weight != 4 && weight != 5 && weight != 6) {
    for (int side = 0; side < 2; ++side) {
      if (SideMomentum[side] <= SideMomentum[1 - side]) continue;
      const int behind = Score[1 - side] - Score[side];
      if (behind == 0) MatchSeams.sayComment(kCommentTied, kCommentPriority, side, -1, -1, 0);
      if (behind == 1) MatchSeams.sayComment(kCommentTrailingByOne, kCommentPriority, side, -1, -1, 0);
    }
  }
  for (int16_t& m : SideMomentum)
    if (m < 0) m = 0;
}

void MakeActivePlayer(int side, int object) {
  if (side < 0 || side > 1 || object < 0 || object >= MATCH_PLAYERS) return;
  HandOver(side, object, false);
}

void SetDecisionPlayer() {
  const int active = ActivePlayer[PossessionSide & 1];
  DecisionPlayer = static_cast<int16_t>(active < MATCH_PLAYERS ? active : -1);
}

void SetDecisionPlayer(int side, int player) {
  if (side < 0 || side > 1 || player < 0 || player >= MATCH_PLAYERS) return;
  HandOver(side, player, true);
  DecisionPlayer = static_cast<int16_t>(player);
}

void ActivePlayers_KickOffReset() {
  for (int side = 0; side < 2; ++side) {
    for (int i = 0; i < SIDE_OBJECTS; ++i) ChaseOrder[side][i] = static_cast<int16_t>(side * SIDE_OBJECTS + i);
    ActivePlayer[side] = NO_ACTIVE_PLAYER;
    HoldActiveFlag[side] = 0;
    PossessionPressure[side] = 0;
    SideMomentum[side] = 0;
  }
  ProcessedSide = 0;
}

void ActivePlayers_Reset() {
  ProcessedSide = 0;
  FramePhase = 0;
  for (int side = 0; side < 2; ++side)
    for (int i = 0; i < SIDE_OBJECTS; ++i) ChaseOrder[side][i] = static_cast<int16_t>(side * SIDE_OBJECTS + i);
  ActivePlayer[0] = ActivePlayer[1] = NO_ACTIVE_PLAYER;
  HoldActiveFlag[0] = HoldActiveFlag[1] = 0;
  SideMomentum[0] = SideMomentum[1] = 0;
  PossessionPressure[0] = PossessionPressure[1] = 0;
  BoostCountdown = 0;
  for (int16_t& c : FrameCountdowns) c = 0;
  DecisionPlayer = -1;
  SupportX = SupportY = 0;
  FrameBallFriction = FrameBallBounce = 0.0f;
}
REGISTER_RESET(RESET_MATCH_PLAY, ActivePlayers_Reset);
