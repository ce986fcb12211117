// Highlights and the ball's steering step.
#include "gamecode/highlight.h"

#include "engine/bytes.h"
#include "engine/debug.h"
#include "engine/reset.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchstate.h"

int32_t HighlightType = 0;
int32_t HighlightCountdown = 0;
int16_t ShowGoalHighlights = 0, ShowAttemptHighlights = 0;
int32_t SteeringInput[2] = {};
float SteeringTotal[2] = {};

namespace {

int16_t gHighlightCount = 0;
int32_t gSteeringSeen[2] = {};  // the accumulators as the last frame left them

constexpr int kNoReplayType = 4;
constexpr int kWatchMode = 2;
constexpr int kReplayFollowUp = 4;
constexpr int16_t kStillBall = 256;
constexpr int kDribbleAction = 15;
constexpr float kSteeringScale = 1.0f / 65536.0f;

}  // namespace

void ActivateHighLight(int type, int countdown) {
  switch (type) {
    case 0:
    case 1:
      HighlightType = type;
      HighlightCountdown = countdown;
      ++gHighlightCount;
      break;
    case 2:
    case 3:
    case 4:
      HighlightType = kNoReplayType;
      HighlightCountdown = 0;
      break;
    default:
      FatalError("ActivateHighLight(): Error bad ActionType\n");
  }
}

void UpdateHighLight() {
  if (HighlightCountdown <= 0) return;
  if (--HighlightCountdown != 0) return;
  if (ShowGoalHighlights == 0 && ShowAttemptHighlights == 0) return;
  if (LoadI16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE) != kWatchMode) return;
  ReplayStartRequest = 1;
  ReplayFollowUp = kReplayFollowUp;
  ReplayPosition = 0;
}

int16_t GetHighlightCount() { return gHighlightCount; }
void ClearHighlightCount() { gHighlightCount = 0; }

void UpdateBallSteering() {
  if (ballDirection == kStillBall && BallCarrier >= 0 && BallCarrier < MATCH_PLAYERS) {
    const MatchObject& p = MatchObjects[BallCarrier];
    if (p.offPitch == 0 && p.cardState < 2 && p.sentOff == 0 && p.action == kDribbleAction) ballDirection = p.facing;
  }
  for (int i = 0; i < 2; ++i) {
    SteeringTotal[i] += static_cast<float>(int64_t{SteeringInput[i]} - gSteeringSeen[i]) * kSteeringScale;
    gSteeringSeen[i] = SteeringInput[i];
  }
}

void Highlight_Reset() {
  HighlightType = 0;
  HighlightCountdown = 0;
  ShowGoalHighlights = ShowAttemptHighlights = 0;
  gHighlightCount = 0;
  for (int i = 0; i < 2; ++i) {
    SteeringInput[i] = 0;
    gSteeringSeen[i] = 0;
    SteeringTotal[i] = 0.0f;
  }
}

REGISTER_RESET(RESET_MATCH_PLAY, Highlight_Reset);
