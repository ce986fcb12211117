// The period clock, the final whistle and the statistics the clock keeps.
#include "gamecode/matchclock.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>

#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/actions.h"
#include "gamecode/activeplayers.h"
#include "gamecode/football.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchrun.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/matchstates.h"
#include "gamecode/movement.h"
#include "gamecode/teamops.h"

uint8_t TimeUp = 0;
int32_t TotalFrames = 0;
int16_t ClockFrame = 0;
int16_t Territory = 50;
int32_t TerritoryMinute = -1;
int32_t OpenPlayFrames = 0;
int32_t ThirdFrames[2][3] = {};

namespace {

constexpr int kFramesPerSecond = 50;
constexpr int kHalfway = 1082;
constexpr int kWhistleZone = 200;             // time up: the whistle waits for the ball this near halfway
constexpr int kHighBox = 1754, kLowBox = 410;  // the penalty areas' fronts
constexpr int kTerritoryMargin = 200;         // the ball this far outside an area counts for territory
constexpr int kLowGoalLine = 122, kThird = 640;
constexpr int kSfxWhistle = 8;
constexpr int kSfxCelebration = 28;
constexpr int kFirstPeriodComment = 115;  // half time, full time, and the ends of the two extra periods
constexpr int kSignalPeriodEnd = 3;
constexpr int kRefereeAfterPeriodEnd = 4;
constexpr int kLinesmanStand = 5;
constexpr int kPlayerLeaves = 30;
constexpr int kCelebrate = 69;
constexpr int kTireFrom = 11;  // a skill below this tires no further
// The tiring skills, as team-sheet values: pace, stamina, power, agility,
// heading, tackling, passing, shooting and dribbling.
constexpr int kTiringSheetValues[] = {0, 1, 2, 3, 8, 9, 10, 11, 12};
constexpr int kStaminaSheetValue = 1;
constexpr int kStaminaRoll = 200;

int Aggregate(int side) { return Score[side] + MatchFirstLegGoals[side]; }

// The balance of play of a minute into the result.
void WriteTerritory() {
  if (TerritoryMinute < 0 || TerritoryMinute >= MATCH_BALANCE_MINUTES) return;
  GetMatchResultRecord()[MATCH_BALANCE + TerritoryMinute] = static_cast<uint8_t>(Territory);
}

// Side 0's share of the play this frame: up while the ball is deep in the
// half it attacks, down while deep in its own.
void CountTerritory(int minute) {
  if (minute != TerritoryMinute) {
    WriteTerritory();
    Territory = 50;
    TerritoryMinute = minute;
  }
  const bool sideZeroAttacksHigh = LowGoalSide == 0;
  const bool nearHighGoal = ballY > kHighBox - kTerritoryMargin;
  const bool nearLowGoal = ballY < kLowBox + kTerritoryMargin;
  int step = 0;
  if (nearHighGoal) step = sideZeroAttacksHigh ? 1 : -1;
  if (nearLowGoal) step = sideZeroAttacksHigh ? -1 : 1;
  Territory = static_cast<int16_t>(std::clamp(Territory + step, 0, 100));
}

// Where the side in possession had the ball at the start of the frame.
void CountPossession() {
  ++OpenPlayFrames;
  const int side = PossessionSide;
  if (side > 1) return;
  const int along = BallFramePos[1];
  const int fromLowEnd = along >= kLowGoalLine + 2 * kThird ? 2 : along > kLowGoalLine + kThird ? 1 : 0;
  const bool attacksHigh = side == LowGoalSide;
  ++ThirdFrames[side][attacksHigh ? 2 - fromLowEnd : fromLowEnd];
  CountFlankFrame(side, BallFramePos[0]);
  ++SidePossession[side];
}

}  // namespace

void StartPeriodClock(int length) {
  PeriodLengthFrames = length * kFramesPerSecond;
  PeriodFrames = 0;
  PeriodOver = 0;
  TimeUp = 0;
  AddedTimeFrames = 0;
  ClockRunning = 0;
  if (period == 0) {
    // A new match: its running counters start again.
    TotalFrames = 0;
    OpenPlayFrames = 0;
    Territory = 50;
    TerritoryMinute = -1;
    std::memset(ThirdFrames, 0, sizeof ThirdFrames);
    std::memset(FlankFrames, 0, sizeof FlankFrames);
    SidePossession[0] = SidePossession[1] = 0;
  }
}

void MatchClockTick() {
  const int minute = GetMatchTimeSeconds() / 60;
  ++ClockFrame;
  if (ClockRunning == 0 || period == 4) return;

  if (MatchState == STATE_OPEN_PLAY || MatchState == STATE_GOAL) {
    if (MatchSilverGoalRule != 0 && period > 1 && Aggregate(0) != Aggregate(1)) {
      EndOfPeriod();
      return;
    }
    if (TimeUp != 0 && ballY > kHalfway - kWhistleZone && ballY < kHalfway + kWhistleZone) {
      EndOfPeriod();
      return;
    }
  }

  if (PeriodFrames >= PeriodLengthFrames) {
    // Added time: no minutes of its own for the balance of play.
    --AddedTimeFrames;
    TerritoryMinute = -1;
    if (AddedTimeFrames <= 0) TimeUp = 1;
  } else {
    CountTerritory(minute);
    ++TotalFrames;
    ++PeriodFrames;
  }

  if (MatchState != STATE_OPEN_PLAY) return;
  CountPossession();
  // Every 400th frame of open play (added time included) tires the players.
  if (OpenPlayFrames % FATIGUE_INTERVAL == 0) UpdateFatigue();
}

void EndOfPeriod() {
  MatchSeams.sfxPlay(kSfxWhistle);
  RefereeWhistle(kSignalPeriodEnd, kRefereeAfterPeriodEnd);
  MatchState = STATE_PERIOD_END;
  if (period >= 0 && period <= 3) MatchSeams.sayComment(kFirstPeriodComment + period, 0, 0, -1, -1, 0);

  // Nothing is left to restart.
  SavedState = STATE_OPEN_PLAY;
  ballOutState = 0;
  MatchStateTimer = 0;
  SettleWait = 0;
  for (int linesman : {OBJECT_LINESMAN_NEAR, OBJECT_LINESMAN_FAR}) SetPlayerAction(linesman, kLinesmanStand);

  SetAllPlayersAction(kPlayerLeaves);

  // After the second half or extra time the side ahead on aggregate
  // celebrates, about half of its players; the camera follows the last of
  // them on the pitch.
  if ((period == 1 || period == 3) && Aggregate(0) != Aggregate(1)) {
    const int leader = Aggregate(0) > Aggregate(1) ? 0 : 1;
    int celebrant = -1;
    for (int object = leader * SIDE_OBJECTS; object < (leader + 1) * SIDE_OBJECTS; ++object) {
      if (GameRandom() % 2 != 1) continue;
      MatchObject& o = MatchObjects[object];
      o.action = kCelebrate;
      o.actionArg2 = static_cast<int16_t>(GameRandom() % 2);  // the celebration's style
      MatchSeams.sfxPlay(kSfxCelebration);
      if (o.offPitch == 0) celebrant = object;
    }
    if (celebrant >= 0) GoalScorer = static_cast<int16_t>(celebrant);
  }

  ActivePlayer[0] = ActivePlayer[1] = NO_ACTIVE_PLAYER;
  ClockRunning = 0;
  ++MoversCount;
}

void UpdateFatigue() {
  for (int object = 0; object < MATCH_PLAYERS; ++object) {
    MatchObject& o = MatchObjects[object];
    if (o.offPitch != 0) continue;
    if (GameRandom() % kStaminaRoll <= SheetSkill(o, kStaminaSheetValue)) continue;
    for (int value : kTiringSheetValues) {
      uint8_t& skill = SheetSkill(o, value);
      if (skill >= kTireFrom) --skill;
    }
  }
}

void CountFlankFrame(int side, int x) {
  if (side < 0 || side > 1 || Pitch.width <= 0) return;
  const int third = std::clamp((x - Pitch.minX) * 3 / Pitch.width, 0, 2);
  const bool attacksUp = side == LowGoalSide;  // towards larger y
  ++FlankFrames[side][attacksUp ? 2 - third : third];
}

void MatchClock_Reset() {
  TimeUp = 0;
  TotalFrames = 0;
  ClockFrame = 0;
  Territory = 50;
  TerritoryMinute = -1;
  OpenPlayFrames = 0;
  std::memset(ThirdFrames, 0, sizeof ThirdFrames);
}
REGISTER_RESET(RESET_MATCH_PLAY, MatchClock_Reset);
