// The ball: physics in 16.16 fixed point, the unit-step walk with the rules of
// the lines, flags, boards, posts, bar and net, and the meeting with players.
#include "gamecode/ball.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/rand.h"
#include "gamecode/actions.h"
#include "gamecode/attackdir.h"
#include "gamecode/balltouch.h"
#include "gamecode/highlight.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/movement.h"

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr int32_t kStopBelow = 4095;  // a horizontal velocity smaller than this is dropped
constexpr int kPostCooldownFrames = 200;
constexpr int kHighlightFrames = 200;
constexpr int kNetCooldownFrames = 50;
constexpr int kDeflectLockFrames = 4;
constexpr int kStillBallReach = 16;  // a ball stopped dead this near is still at his feet
constexpr int kCommentPriority = 1;
constexpr int kCrowdWoodwork = 1;
constexpr int kCrowdCorner = 2;
constexpr int kCrowdNearMiss = 5;
constexpr int kCrowdGoal = 6;
constexpr int kPositionLimit = 30000;  // a walk never leaves the int16 range

// Sound effects of the ball rules.
constexpr int kSfxWoodwork = 0;
constexpr int kSfxBoard = 2;
constexpr int kSfxShootoutGoal = 14;
constexpr int kSfxNearMiss = 25;

int32_t Compose(int16_t whole, int32_t old) {
  return static_cast<int32_t>((static_cast<uint32_t>(static_cast<uint16_t>(whole)) << 16) |
                              (static_cast<uint32_t>(old) & 0xFFFFu));
}

int32_t FromWhole(int whole) { return static_cast<int32_t>(static_cast<uint32_t>(whole) << 16); }

int16_t WholeOf(int64_t fixed) { return static_cast<int16_t>(fixed >> 16); }

int32_t ClampFixed(int64_t v) {
  return static_cast<int32_t>(std::clamp<int64_t>(v, int64_t{-kPositionLimit} * 65536, int64_t{kPositionLimit} * 65536));
}

int32_t Scale(int32_t v, float factor) {
  return static_cast<int32_t>(static_cast<double>(v) * static_cast<double>(factor));
}


// The side that defends the goal at the low (small y) or high end.
int DefendingSide(bool lowEnd) { return lowEnd ? LowGoalSide : 1 - LowGoalSide; }

void Say(int event, int side, int first, int second = -1, int number = 0) {
  MatchSeams.sayComment(event, kCommentPriority, side, first, second, number);
}

void WriteBallMarker() {
  MatchObject& m = MatchObjects[OBJECT_BALL];
  m.x = ballX;
  m.y = ballY;
  m.fixedX = ballFixedX;
  m.fixedY = ballFixedY;
}

void HideRestartMarker() {
  MatchObject& m = MatchObjects[OBJECT_RESTART_SPOT];
  m.x = Pitch.offPitch;
  m.y = Pitch.offPitch;
}

// --- posts, bar, goal and net ----------------------------------------------------------

void Deflect(int entry, bool lowEnd) {
  const int64_t s = std::min<int64_t>(std::llabs(int64_t{ballVelX}) + std::llabs(int64_t{ballVelY}), 0x60000);
  const bool inField = stepY >= Pitch.minY && stepY <= Pitch.maxY;
  const int32_t vx = ballVelX, vy = ballVelY;
  int comment = 193;
  switch (entry) {
    case 0:
    case 1:
    case 5:
    case 6:
      // The edge of the post turns the ball a quarter.
      if (lowEnd) {
        ballVelX = vy;
        ballVelY = -vx;
      } else {
        ballVelX = -vy;
        ballVelY = vx;
      }
      break;
    case 2:
    case 4:
      ballVelX = -(vx / 2);
      break;
    case 3:
      ballVelY = -(vy / 2);
      break;
    case 7:
    case 8:
      ballVelHeight = static_cast<int32_t>(-(s / 2));
      ballVelY = vy / 4;
      if (GameRandom() % 2 == 0) ballVelY = -ballVelY;
      comment = 195;
      break;
    case 9:
      ballVelHeight = static_cast<int32_t>(-(s / 4));
      ballVelY = inField ? -(vy / 3) : vy / 3;
      comment = 197;
      break;
    case 10:
      ballVelY = -(vy / 2);
      comment = 197;
      break;
    case 11:
      ballVelHeight = static_cast<int32_t>(s / 16);
      ballVelY = inField ? -(vy / 3) : vy / 3;
      comment = 197;
      break;
    default:  // 12, 13: the top of the bar
      ballVelHeight = static_cast<int32_t>(s / 8);
      ballVelY = vy / 4;
      if (GameRandom() % 2 == 0) ballVelY = -ballVelY;
      comment = 199;
      break;
  }
  Say(ballSpeed > 10 ? comment : comment + 1, DefendingSide(lowEnd), BallCarrier);
  MatchSeams.activateHighLight(1, kHighlightFrames);
  stepHit = 1;
  MatchSeams.sfxPlay(kSfxWoodwork);
  postCooldown = kPostCooldownFrames;
  MatchSeams.crowdReaction(kCrowdWoodwork);
}

void ScoreGoal(bool lowEnd) {
  const int scoring = 1 - DefendingSide(lowEnd);
  const int height = BallHeight;
  const int band = height <= 4 ? 0 : (height <= 11 ? 1 : 2);
  const bool soft = ballSpeed < 11;
  const int near = (soft && band > 0) ? 32 : 16;
  int place = 1;  // the middle of the goal
  if (std::abs(stepX - Pitch.goalPostMinX) <= near) place = 0;
  else if (std::abs(stepX - Pitch.goalPostMaxX) <= near) place = 2;
  Say((soft ? 183 : 174) + band * 3 + place, scoring, BallCarrier);
  if (period != 4) MatchSeams.goalScoredComment();  // the score is raised later, by the goal state
  MatchSeams.activateHighLight(0, kHighlightFrames);
  MatchState = STATE_GOAL;
  MatchStateTimer = 0;
  MatchSeams.crowdReaction(kCrowdGoal);
  ballOutState = 1;
  if (period == 4) {
    MatchSeams.sfxPlay(kSfxShootoutGoal);
    ++ShootoutScore[scoring];
  }
  const int64_t frames = static_cast<int64_t>(MatchFrameCounter) - ShotFrame;
  if (ShotFrame >= 0 && frames > 0) {
    const double dx = stepX - ShotOriginX, dy = stepY - ShotOriginY;
    const int64_t yards = static_cast<int64_t>(std::sqrt(dx * dx + dy * dy)) / Pitch.yard;
    GoalShotYards = static_cast<int16_t>(std::min<int64_t>(yards, INT16_MAX));
    GoalShotPace = static_cast<int16_t>(std::min<int64_t>(yards * 1000 / frames / 9, INT16_MAX));
  } else {
    GoalShotYards = -1;
    GoalShotPace = -1;
  }
}

// Keeps a ball that is in the net inside the net box.
void NetBox(bool lowEnd, int depth) {
  bool touched = false;
  if (BallHeight > 19) {
    BallHeight = 19;
    ballFixedHeight = FromWhole(19);
    if (ballVelHeight > 0) ballVelHeight = 0;
    touched = true;
  }
  if (stepX <= Pitch.goalPostMinX + 3 && ballVelX < 0) {
    ballVelX = -(ballVelX / 4);
    touched = true;
  } else if (stepX >= Pitch.goalPostMaxX - 3 && ballVelX > 0) {
    ballVelX = -(ballVelX / 4);
    touched = true;
  }
  const bool goingBack = lowEnd ? ballVelY < 0 : ballVelY > 0;
  if (depth >= 35 && goingBack) {
    ballVelY = -(ballVelY / 4) / 32;
    ballVelX /= 32;
    touched = true;
  }
  if (touched) {
    stepHit = 1;
    NetTouch();
  }
}

void GoalMouthTest() {
  const bool lowEnd = stepY < Pitch.centreY;
  const int line = lowEnd ? Pitch.minY : Pitch.maxY;
  const int depth = lowEnd ? line - stepY : stepY - line;  // above 0 beyond the line
  const int postMin = Pitch.goalPostMinX, postMax = Pitch.goalPostMaxX;

  int entry = -1;
  if (std::abs(depth) <= 2 && BallHeight <= 19) {
    if (std::abs(stepX - postMin) <= 3) entry = stepX - (postMin - 3);
    else if (std::abs(stepX - postMax) <= 3) entry = stepX - (postMax - 3);
    else if (stepX > postMin && stepX < postMax && BallHeight >= 13) entry = 7 + (BallHeight - 13);
  }
  if (entry >= 0 && keeperHolder == 0 && throwHolder == 0 && postCooldown == 0) Deflect(entry, lowEnd);

  if (depth > 2 && stepX >= postMin - 3 && stepX <= postMax + 3 && BallHeight < 13 &&
      (MatchState == STATE_OPEN_PLAY || MatchState == STATE_SHOOTOUT_KICK) && keeperHolder == 0 && ballOutState == 0)
    ScoreGoal(lowEnd);

  if (ballOutState == 1 && depth > 2) NetBox(lowEnd, depth);
}

// --- the lines ---------------------------------------------------------------------------

void GiveThrowIn() {
  restartX = stepX < Pitch.centreX ? Pitch.minX : Pitch.maxX;
  restartY = static_cast<int16_t>(std::clamp<int>(stepY, Pitch.minY + 1, Pitch.maxY - 1));
  MatchState = STATE_THROW_IN;
  ballOutState = 2;
  if (ballX < Pitch.centreX) SetPlayerAction(OBJECT_LINESMAN_NEAR, 12);
  else SetPlayerAction(OBJECT_LINESMAN_FAR, 13);
  PossessionSide = static_cast<uint8_t>(1 - SideOf(BallCarrier));
  Say(ballSpeed > 8 ? 158 : 159, PossessionSide, BallCarrier);
}

void OverGoalLine() {
  if (ballOutState == 0 && MatchState == STATE_OPEN_PLAY && keeperHolder == 0) {
    const int outside = std::max({Pitch.goalPostMinX - stepX, stepX - Pitch.goalPostMaxX, 0});
    const bool out = BallHeight > 19 || outside > 3;
    if (out && outside <= 60 && BallHeight < 36) {
      MatchSeams.sfxPlay(kSfxNearMiss);
      MatchSeams.activateHighLight(1, kHighlightFrames);
    }
    if (period == 4) {
      MatchState = STATE_SHOOTOUT_KICK;
      ShootoutKickFlag = 0;
    } else if (out) {
      const bool lowEnd = stepY < Pitch.centreY;
      if (SideOf(BallCarrier) == DefendingSide(lowEnd)) GiveCorner();
      else GiveGoalKick();
    }
  }
  GoalMouthTest();
}

bool MovingTowards(int32_t vx, int32_t vy, int dx, int dy) {
  return static_cast<int64_t>(vx) * dx + static_cast<int64_t>(vy) * dy > 0;
}

}  // namespace

void BallRestartSpot(int state, int16_t* x, int16_t* y) {
  const PitchGeometry& p = Pitch;
  const bool low = restartY < p.centreY, near = restartX < p.centreX;
  switch (state) {
    case STATE_THROW_IN:
    case STATE_KEEPER_HOLDS:
    case STATE_FOUL:
    case STATE_OFFSIDE:
      *x = restartX;
      *y = restartY;
      break;
    case STATE_CORNER:
      *x = near ? p.minX : p.maxX;
      *y = low ? p.minY : p.maxY;
      break;
    case STATE_GOAL_KICK:
      *x = near ? p.goalAreaMinX : p.goalAreaMaxX;
      *y = low ? p.goalAreaMinY : p.goalAreaMaxY;
      break;
    default:
      *x = p.centreX;
      *y = p.centreY;
      break;
  }
}

// --- the ball ------------------------------------------------------------------------------

void StopBall() {
  ballVelX = 0;
  ballVelY = 0;
  ballVelHeight = 0;
}

void UpdateBallSpeed() {
  if (ballVelX != 0 || ballVelY != 0) {
    ballDirection = static_cast<int16_t>(GetDirection256(0, 0, ballVelX, ballVelY));
    const int64_t speed = (std::llabs(int64_t{ballVelX}) >> 16) + (std::llabs(int64_t{ballVelY}) >> 16);
    ballSpeed = static_cast<uint8_t>(std::min<int64_t>(speed, 255));
  } else {
    ballSpeed = 0;
    ballDirection = 256;
  }
}

void PutBallInPlay(int x, int y, int height, int32_t vx, int32_t vy, int32_t vz) {
  ballX = static_cast<int16_t>(x);
  ballY = static_cast<int16_t>(y);
  BallHeight = static_cast<int16_t>(height);
  ballFixedX = x * 65536;
  ballFixedY = y * 65536;
  ballFixedHeight = height * 65536;
  ballVelX = vx;
  ballVelY = vy;
  ballVelHeight = vz;
  ballOutState = 0;
  UpdateBallSpeed();
  PlaceBallMarker(height);
}

void PlaceBallMarker(int height) {
  WriteBallMarker();
  MatchObjects[OBJECT_BALL].height = static_cast<int16_t>(height);
}

void NetTouch() {
  if (netCooldown == 0 && (ballVelX != 0 || ballVelY != 0 || ballVelHeight != 0)) netCooldown = kNetCooldownFrames;
}

void BallAtFeet(int player) {
  if (player < 0 || player >= MATCH_PLAYERS) return;
  const MatchObject& p = MatchObjects[player];
  if (p.action == 5 || p.action == 112 || p.action == 113) {
    const double a = ((p.facing + 40) & 255) * kTwoPi / 256.0;
    const int px = p.x + static_cast<int>(std::trunc(10.0 * std::sin(a)));
    const int py = p.y - static_cast<int>(std::trunc(10.0 * std::cos(a)));
    MatchSeams.stepTowardsPoint(OBJECT_BALL, px, py);
    ballX = MatchObjects[OBJECT_BALL].x;
    ballY = MatchObjects[OBJECT_BALL].y;
  } else {
    const double a = p.facing * kTwoPi / 256.0;
    ballX = static_cast<int16_t>(p.x + static_cast<int>(std::trunc(4.0 * std::sin(a))));
    ballY = static_cast<int16_t>(p.y - static_cast<int>(std::trunc(4.0 * std::cos(a))));
  }
  ballFixedX = FromWhole(ballX);
  ballFixedY = FromWhole(ballY);
  WriteBallMarker();
}

void GiveCorner() {
  const bool lowEnd = stepY < Pitch.centreY;
  keeperHolder = 0;
  restartX = stepX;
  restartY = stepY;
  ballOutState = 2;
  MatchState = STATE_CORNER;
  MatchSeams.replanTeams();
  CornerRecord = BallCarrier;
  PossessionSide = static_cast<uint8_t>(1 - DefendingSide(lowEnd));
  Say(ballSpeed > 8 ? 172 : 173, PossessionSide, BallCarrier);
  MatchSeams.crowdReaction(kCrowdCorner);
}

void GiveGoalKick() {
  const bool lowEnd = stepY < Pitch.centreY;
  ballOutState = 2;
  restartX = stepX;
  restartY = stepY;
  keeperHolder = 0;
  MatchSeams.replanTeams();
  MatchState = STATE_GOAL_KICK;
  GoalKickRecord = BallCarrier;
  PossessionSide = static_cast<uint8_t>(DefendingSide(lowEnd));
  if (ShotFrame >= 0) {
    // How far the shot missed: wide of the posts, or above the bar (16).
    const int wide = std::max({Pitch.goalPostMinX - stepX, stepX - Pitch.goalPostMaxX, 0});
    const int high = std::max(BallHeight - 16, 0);
    const bool fast = ballSpeed > 10;
    int comment;
    bool narrow;
    if (wide > 0) {
      narrow = wide <= 16;
      comment = narrow ? 160 : (wide <= 48 ? 162 : 164);
    } else {
      narrow = high <= 8;
      comment = narrow ? 166 : 168;
    }
    Say(fast ? comment : comment + 1, 1 - PossessionSide, BallCarrier, -1, wide > 0 ? wide : high);
    if (narrow) MatchSeams.crowdReaction(kCrowdNearMiss);
    ShotFrame = -1;
  }
}

void GiveHandball() {
  MatchState = STATE_KEEPER_HOLDS;
  restartX = ballX;
  restartY = ballY;
  HandballOffender = BallCarrier;
}

void BallStepRules() {
  const PitchGeometry& p = Pitch;

  // 1. A still ball ends the shot record, unless the shot is still being struck.
  if (ballVelX == 0 && ballVelY == 0) {
    const bool striking = LastKicker >= 0 && LastKicker < MATCH_PLAYERS &&
                          (MatchObjects[LastKicker].action == 52 || MatchObjects[LastKicker].action == 78 ||
                           MatchObjects[LastKicker].action == 81);
    if (!striking) ShotFrame = -1;
  }

  // 2. The shoot-out: a kick is over once the ball leaves the goal or stops short of it.
  if (period == 4 && MatchState < 19 && MatchState != 14) {
    const bool away = ShootoutMissFlag ? ballVelY >= 0 : ballVelY > 0;
    const bool stopped = ballVelX == 0 && ballVelY == 0 && ballY > p.minY;
    if (away || stopped) {
      MatchState = STATE_SHOOTOUT_KICK;
      ShootoutKickFlag = 0;
    }
  }

  // 3. The boards round the ground.
  if (keeperHolder == 0 && throwHolder == 0) {
    if (ballVelY != 0 && stepY == (ballVelY < 0 ? p.netBackMinY : p.netBackMaxY)) {
      ballVelY = -(ballVelY / 6);
      ballVelHeight += ballVelY;
      MatchSeams.sfxPlay(kSfxBoard);
      stepHit = 1;
    }
    if (ballVelX != 0 && stepX == (ballVelX < 0 ? p.boundaryMinX : p.boundaryMaxX)) {
      ballVelX = -(ballVelX / 6);
      ballVelHeight += ballVelX;
      MatchSeams.sfxPlay(kSfxBoard);
      stepHit = 1;
    }
  }

  // 4. The corner flags (only a ball coming at the flag bounces off it).
  if (BallHeight <= 11) {
    const int flagX = std::abs(stepX - p.minX) <= 2 ? p.minX : (std::abs(stepX - p.maxX) <= 2 ? p.maxX : -1);
    const int flagY = std::abs(stepY - p.minY) <= 2 ? p.minY : (std::abs(stepY - p.maxY) <= 2 ? p.maxY : -1);
    if (flagX >= 0 && flagY >= 0 && MovingTowards(ballVelX, ballVelY, flagX - stepX, flagY - stepY)) {
      ballVelX = -(ballVelX / 6);
      ballVelY = -(ballVelY / 6);
      MatchSeams.sfxPlay(kSfxBoard);
      stepHit = 1;
    }
  }

  // 5. The lines, in open play only; a later case wins.
  int lineCase = 0;
  if (MatchState == STATE_OPEN_PLAY) {
    if (stepX < p.minX || stepX > p.maxX) lineCase = 1;
    if (stepY < p.minY - 2) lineCase = 2;
    if (stepY > p.maxY + 2) lineCase = 3;
  }
  switch (lineCase) {
    case 0: {
      // 6. Near a goal line: the goal mouth. A ball already beyond it is still
      // tested when it is in the net or a shoot-out kick is being decided.
      const bool nearLine = std::abs(stepY - p.minY) <= 2 || std::abs(stepY - p.maxY) <= 2;
      const bool beyond = stepY < p.minY - 2 || stepY > p.maxY + 2;
      if (nearLine || (beyond && (ballOutState == 1 || MatchState == STATE_SHOOTOUT_KICK))) GoalMouthTest();
      break;
    }
    case 1:
      GiveThrowIn();
      break;
    default:
      OverGoalLine();
      break;
  }
}

void MoveBall() {
  // 1. The 16.16 values from their whole parts (other code may have moved the ball).
  ballFixedX = Compose(ballX, ballFixedX);
  ballFixedY = Compose(ballY, ballFixedY);
  ballFixedHeight = Compose(BallHeight, ballFixedHeight);

  // 2-3. Spin.
  if ((BallHeight == 0 && spinHold == 0 && ballSpinFrames > 0) || throwHolder != 0) {
    ballSpinX = ballSpinY = ballSpinHeight = 0;
    ballSpinFrames = 0;
  }
  int64_t vx = ballVelX, vy = ballVelY, vz = ballVelHeight;
  if (ballSpinFrames > 0) {
    vx += ballSpinX;
    vy += ballSpinY;
    vz += ballSpinHeight;
    --ballSpinFrames;
  }

  // 4. Drag and gravity.
  vx = vx * ballDrag / 1000;
  vy = vy * ballDrag / 1000;
  vz -= ballGravity;
  vx = ClampFixed(vx);
  vy = ClampFixed(vy);
  vz = ClampFixed(vz);

  // 5. Height; a bounce keeps the old height this frame.
  int64_t height = int64_t{ballFixedHeight} + vz;
  if (height < 0) {
    if (firstBounce != 0) {
      firstBounce = 0;
      HideRestartMarker();
    }
    height = ballFixedHeight;
    vx = Scale(static_cast<int32_t>(vx), groundFriction);
    vy = Scale(static_cast<int32_t>(vy), groundFriction);
    vz = Scale(static_cast<int32_t>(-vz), groundBounce);
  }
  height = ClampFixed(height);

  // 6. Where the velocity takes the ball.
  const int32_t targetX = ClampFixed(int64_t{ballFixedX} + vx * ballTimeScale / 100);
  const int32_t targetY = ClampFixed(int64_t{ballFixedY} + vy * ballTimeScale / 100);

  // 7. A slow roll stops.
  if (std::llabs(vx) < kStopBelow) vx = 0;
  if (std::llabs(vy) < kStopBelow) vy = 0;
  ballVelX = static_cast<int32_t>(vx);
  ballVelY = static_cast<int32_t>(vy);
  ballVelHeight = static_cast<int32_t>(vz);
  ballFixedHeight = static_cast<int32_t>(height);
  BallHeight = WholeOf(height);

  // 8. The unit-step walk from the marker to the target, the rules at every
  // step; the minor axis stops at the target.
  stepX = MatchObjects[OBJECT_BALL].x;
  stepY = MatchObjects[OBJECT_BALL].y;
  const int dx = WholeOf(targetX) - stepX, dy = WholeOf(targetY) - stepY;
  const int adx = std::abs(dx), ady = std::abs(dy);
  const int sx = (dx > 0) - (dx < 0), sy = (dy > 0) - (dy < 0);
  auto step = [](int ux, int uy) {
    stepX = static_cast<int16_t>(stepX + ux);
    stepY = static_cast<int16_t>(stepY + uy);
    stepHit = 0;
    BallStepRules();
    return stepHit != 0;
  };
  bool hit = false;
  if (ady < adx) {
    const int ratio = ady != 0 ? adx / ady : adx;
    int threshold = ratio, minor = 0;
    for (int c = 1; c <= adx && !hit; ++c) {
      hit = step(sx, 0);
      if (!hit && c >= threshold) {
        threshold += ratio;
        if (minor < ady) {
          ++minor;
          hit = step(0, sy);
        }
      }
    }
  } else {
    const int ratio = adx != 0 ? ady / adx : ady;
    int threshold = ratio, minor = 0;
    for (int c = 1; c <= ady && !hit; ++c) {
      hit = step(0, sy);
      if (!hit && c >= threshold) {
        threshold += ratio;
        if (minor < adx) {
          ++minor;
          hit = step(sx, 0);
        }
      }
    }
  }

  // 9. The new position.
  if (hit) {
    ballFixedX = FromWhole(stepX);
    ballFixedY = FromWhole(stepY);
  } else {
    ballFixedX = targetX;
    ballFixedY = targetY;
  }
  ballX = WholeOf(ballFixedX);
  ballY = WholeOf(ballFixedY);
}

namespace {

const uint8_t kOctantGrid[11][11] = {
    {7, 7, 7, 0, 0, 0, 0, 0, 1, 1, 1}, {7, 7, 7, 0, 0, 0, 0, 0, 1, 1, 1}, {7, 7, 7, 0, 0, 0, 0, 0, 1, 1, 1},
    {6, 6, 6, 7, 0, 0, 0, 1, 2, 2, 2}, {6, 6, 6, 6, 7, 0, 1, 2, 2, 2, 2}, {6, 6, 6, 6, 6, 0, 2, 2, 2, 2, 2},
    {6, 6, 6, 6, 5, 4, 3, 2, 2, 2, 2}, {6, 6, 6, 5, 4, 4, 4, 3, 2, 2, 2}, {5, 5, 5, 4, 4, 4, 4, 4, 3, 3, 3},
    {5, 5, 5, 4, 4, 4, 4, 4, 3, 3, 3}, {5, 5, 5, 4, 4, 4, 4, 4, 3, 3, 3},
};

bool PlaysTheBallItself(int action) {
  switch (action) {
    case 46: case 47: case 48: case 50: case 51: case 80: case 82: case 83: case 84: case 86: case 87: case 88:
      return true;
    default:
      return false;
  }
}

// The codes on the ball that stop it dead at his feet and keep it there.
bool HoldsStillBall(int action) { return action == 5 || action == 6 || action == 112 || action == 113; }

// Knocked over by a fast high ball: stumbling forward when the ball comes the
// way he faces, falling back when it meets him from the front.
int StumbleAction(int a, int b) {
  const int diff = (a - b) & 255;
  return (diff < 64 || diff > 192) ? 33 : 73;
}

void PlayerContacts() {
  // Every player's locks count down each frame, whoever meets the ball.
  bool waiting[MATCH_PLAYERS];
  for (int i = 0; i < MATCH_PLAYERS; ++i) {
    MatchObject& p = MatchObjects[i];
    p.hasBall = 0;
    waiting[i] = p.touchLock > 0;
    if (waiting[i]) {
      --p.touchLock;
      if (p.secondLock > 0) --p.secondLock;
    }
  }
  if (spinHold > 0) --spinHold;
  const bool locked = BodyDeflectLock > 0;
  if (locked) --BodyDeflectLock;
  // A ball he has stopped dead at his feet to look for a way on stays his
  // while it lies there (no moving ball is met below).
  if (ballDirection == 256 && BallHeight < 7 && BallCarrier >= 0 && BallCarrier < MATCH_PLAYERS) {
    MatchObject& c = MatchObjects[BallCarrier];
    if (HoldsStillBall(c.action) && c.offPitch == 0 && std::abs(ballX - c.x) <= kStillBallReach &&
        std::abs(ballY - c.y) <= kStillBallReach)
      c.hasBall = 1;
  }

  for (int i = 0; i < MATCH_PLAYERS; ++i) {
    MatchObject& p = MatchObjects[i];
    if (waiting[i] || locked || p.offPitch != 0) continue;
    if (p.action >= 120 || BallHeight >= 17 || std::abs(ballX - p.x) > 9 || std::abs(ballY - p.y) > 9) continue;
    if (PlaysTheBallItself(p.action)) continue;
    if (ballDirection == 256 || i == LastKicker) continue;

    const int previous = BallCarrier;
    // A team-mate's ball reaching a man left in an offside position: the
    // linesman judges him as he touches it, on the ground as in the air
    // (never on his own touch: his dribble is not a pass to himself).
    if (IsPlayer(previous) && previous != i && SideOf(previous) == SideOf(i)) CheckOffside(i);
    if (ballSpeed >= 1 && ballSpeed <= 11 && BallHeight < 13 && p.action == 49) {
      // Trapped dead.
      ballVelX = 0;
      ballVelY = 0;
      ballVelHeight = -0x8000;
      BallTouch(i);
      return;
    }
    const bool controlled = (ballSpeed < 11 && BallHeight < 13) || i == PassReceiver;
    if (controlled && BallHeight >= 8 && BallHeight <= 15 && ballSpeed < 10) {
      // Off the chest or head, on along his facing.
      const double a = p.facing * kTwoPi / 256.0;
      const double speed = 2.5 * Pitch.throwFactor * 65536.0;
      ballVelX = static_cast<int32_t>(std::trunc(std::sin(a) * speed));
      ballVelY = -static_cast<int32_t>(std::trunc(std::cos(a) * speed));
      BallTouch(i);
      return;
    }
    if (controlled && BallHeight < 7 && ballSpeed < 11) {
      BallAtFeet(i);
      StopBall();
      p.hasBall = 1;
      BallTouch(i);
      return;
    }
    // Off the body, by where the ball meets him.
    const int octant = BodyDeflectionOctant(ballX - p.x, ballY - p.y);
    ballVelX = static_cast<int32_t>(int64_t{ballVelX} * BODY_DEFLECT_FACTOR_X[octant] / 150);
    ballVelY = static_cast<int32_t>(int64_t{ballVelY} * BODY_DEFLECT_FACTOR_Y[octant] / 150);
    BodyDeflectLock = kDeflectLockFrames;
    if (ballSpeed >= 12 && BallHeight >= 12 && p.action <= 4) {
      const int fall = StumbleAction(p.facing, ballDirection);
      SetPlayerAction(i, fall);
      Say(fall == 73 ? 202 : 201, SideOf(i), i);
    }
    if (i != previous) {
      const int event = previous < 0 || previous >= MATCH_PLAYERS ? 205 : (SideOf(previous) == SideOf(i) ? 203 : 204);
      Say(event, SideOf(i), i, previous);
    }
    BallTouch(i);
    return;
  }
}

}  // namespace

const int BODY_DEFLECT_FACTOR_X[8] = {20, 70, 90, 70, -20, -70, -90, -70};
const int BODY_DEFLECT_FACTOR_Y[8] = {-90, -70, -20, 70, 90, 70, 20, -70};

int BodyDeflectionOctant(int dx, int dy) {
  const int row = (dy + 10) / 2, column = (dx + 10) / 2;
  if (dy + 10 < 0 || dx + 10 < 0 || row > 10 || column > 10) return 0;
  return kOctantGrid[row][column];
}

void BallUpdate() {
  // 1. Countdowns.
  if (kickTimer > 0) --kickTimer;
  if (postCooldown > 0) --postCooldown;
  if (netCooldown > 0) --netCooldown;

  // 2. The ball where the marker says (other code may have placed it).
  ballX = MatchObjects[OBJECT_BALL].x;
  ballY = MatchObjects[OBJECT_BALL].y;
  BallFramePos[0] = ballX;
  BallFramePos[1] = ballY;

  // 3-5. Spin for the drawing, the move and the rules at the final spot.
  MatchSeams.updateBallSpin();
  MoveBall();
  stepX = ballX;
  stepY = ballY;
  stepHit = 0;
  BallStepRules();

  // 6-7. Speed and direction; the players.
  UpdateBallSpeed();
  PlayerContacts();

  // 8. Where the ball is heading, while play is open.
  if (MatchState >= STATE_OPEN_PLAY && MatchState <= STATE_OFFSIDE) {
    const int divisors[3] = {10000, 3000, 750};
    for (int i = 0; i < 3; ++i) {
      ballPredict[i][0] = static_cast<int16_t>(ballX + ballVelX / divisors[i]);
      ballPredict[i][1] = static_cast<int16_t>(ballY + ballVelY / divisors[i]);
    }
  }

  // 9-10. A keeper's ball is in his hands; the marker follows the ball.
  if (keeperHolder != 0) BallHeight = 0;
  WriteBallMarker();
  UpdateBallSteering();
}

void BallKickOffReset(int ground) {
  StopBall();
  ballSpinX = ballSpinY = ballSpinHeight = 0;
  ballSpinFrames = 0;
  spinHold = 0;
  keeperHolder = 0;
  throwHolder = 0;
  postCooldown = 0;
  netCooldown = 0;
  kickTimer = 0;
  firstBounce = 0;
  ballOutState = 0;
  BodyDeflectLock = 0;
  ShotFrame = -1;
  PassReceiver = -1;
  ballX = Pitch.centreX;
  ballY = Pitch.centreY;
  BallHeight = 0;
  ballFixedX = FromWhole(ballX);
  ballFixedY = FromWhole(ballY);
  ballFixedHeight = 0;
  ballSpeed = 0;
  ballDirection = 256;
  stepX = ballX;
  stepY = ballY;
  stepHit = 0;
  WriteBallMarker();
  MatchObjects[OBJECT_BALL].height = 0;
  ballDrag = 992;
  ballGravity = 4000;
  ballTimeScale = 100;
  switch (ground) {
    case 1:
      groundFriction = 0.95f;
      groundBounce = 0.65f;
      break;
    case 2:
      groundFriction = 0.96f;
      groundBounce = 0.4f;
      break;
    default:
      groundFriction = 0.94f;
      groundBounce = 0.52f;
      break;
  }
}

// --- one launch ------------------------------------------------------------------------------

namespace {

struct LaunchCounters {
  void (*forward)(int) = nullptr;
  int woodwork = 0;
  int boards = 0;
};
LaunchCounters g_launch;

void CountingSfx(int effect) {
  if (effect == kSfxWoodwork) ++g_launch.woodwork;
  if (effect == kSfxBoard) ++g_launch.boards;
  if (g_launch.forward) g_launch.forward(effect);
}

}  // namespace

const char* BallOutcomeName(BallOutcome outcome) {
  switch (outcome) {
    case BallOutcome::Goal: return "goal";
    case BallOutcome::GoalKick: return "goal-kick";
    case BallOutcome::Corner: return "corner";
    case BallOutcome::ThrowIn: return "throw-in";
    case BallOutcome::Stopped: return "stopped";
    case BallOutcome::TimeOut: return "time-out";
    case BallOutcome::StateChanged: return "state-changed";
  }
  return "?";
}

BallLaunchOutcome RunBallLaunch(const BallLaunch& launch) {
  SetPitchGeometry();
  BallKickOffReset(launch.ground);
  const auto clampPos = [](int v) { return static_cast<int16_t>(std::clamp(v, -kPositionLimit, kPositionLimit)); };
  ballX = clampPos(launch.x);
  ballY = clampPos(launch.y);
  BallHeight = static_cast<int16_t>(std::clamp(launch.height, 0, kPositionLimit));
  ballFixedX = FromWhole(ballX);
  ballFixedY = FromWhole(ballY);
  ballFixedHeight = FromWhole(BallHeight);
  ballVelX = ClampFixed(launch.vx);
  ballVelY = ClampFixed(launch.vy);
  ballVelHeight = ClampFixed(launch.vz);
  WriteBallMarker();
  MatchState = launch.state;
  postCooldown = launch.postCooldown;
  UpdateBallSpeed();

  g_launch = LaunchCounters{MatchSeams.sfxPlay, 0, 0};
  MatchSeams.sfxPlay = CountingSfx;
  BallLaunchOutcome out;
  const int limit = std::max(launch.maxFrames, 1);
  for (int frame = 1; frame <= limit; ++frame) {
    BallUpdate();
    out.frame = frame;
    if (MatchState == launch.state) {
      if (ballVelX == 0 && ballVelY == 0 && BallHeight == 0 && std::abs(ballVelHeight) <= ballGravity)
        out.outcome = BallOutcome::Stopped;
      else continue;
    } else if (MatchState == STATE_GOAL) out.outcome = BallOutcome::Goal;
    else if (MatchState == STATE_GOAL_KICK) out.outcome = BallOutcome::GoalKick;
    else if (MatchState == STATE_CORNER) out.outcome = BallOutcome::Corner;
    else if (MatchState == STATE_THROW_IN) out.outcome = BallOutcome::ThrowIn;
    else out.outcome = BallOutcome::StateChanged;
    break;
  }
  MatchSeams.sfxPlay = g_launch.forward;
  out.restartX = restartX;
  out.restartY = restartY;
  out.possessionSide = PossessionSide;
  out.ballX = ballX;
  out.ballY = ballY;
  out.height = BallHeight;
  out.woodworkHits = g_launch.woodwork;
  out.boardHits = g_launch.boards;
  return out;
}
