// The match flow: the periods a tie needs, the screens between them, and the
// result compiled once the last period is over.
#include "gamecode/playmatch.h"

#include "engine/reset.h"

#include <cstring>

#include "engine/bytes.h"
#include "gamecode/matchframe.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchres.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/matchstates.h"
#include "gamecode/passes.h"
#include "gamecode/replay.h"

namespace {

void RunPeriod(int newPeriod, int side, int ends) {
  kickOffSide = static_cast<uint8_t>(side);
  EndsFlag = static_cast<uint8_t>(ends);
  LowGoalSide = static_cast<uint8_t>(ends);
  period = static_cast<int8_t>(newPeriod);
  MatchSeams.playPeriod();
}

// The substitutions and tactics screen for each human-managed side.
void HalfTimeScreens() {
  const uint8_t* setup = GetMatchSetupRecord();
  for (int side = 0; side < 2; ++side)
    if (setup[MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_HUMAN]) MatchSeams.inGameMenuOpenSubsTactics(side);
}

bool TieLevel() { return Score[0] + MatchFirstLegGoals[0] == Score[1] + MatchFirstLegGoals[1]; }

void StartMatchState() {
  const uint8_t* setup = GetMatchSetupRecord();
  uint8_t* result = GetMatchResultRecord();
  kickOffSide = 1;
  Score[0] = Score[1] = 0;
  ShootoutScore[0] = ShootoutScore[1] = 0;
  RefereeRule1 = static_cast<int8_t>(setup[SETUP_REFEREE_RULE1]);
  RefereeRule2 = static_cast<int8_t>(setup[SETUP_REFEREE_RULE2]);
  RefereeFavouredSide = static_cast<int8_t>(setup[SETUP_REFEREE_FAVOUR]);
  result[MATCH_LOG] = MATCH_LOG_END;
  std::memset(result + MATCH_BALANCE, 0xFF, MATCH_BALANCE_MINUTES);
  MatchExtraTimeRule = setup[SETUP_EXTRA_TIME];
  MatchShootoutRule = setup[SETUP_PENALTIES];
  MatchSilverGoalRule = setup[SETUP_SILVER_GOAL];
  MatchAwayGoalsRule = setup[SETUP_AWAY_GOALS];
  for (int side = 0; side < 2; ++side)
    MatchFirstLegGoals[side] = LoadI16(setup + MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_FIRST_LEG_GOALS);
  RatingFlag = 0;
  MatchLogCount = 0;
  // The sides' counters of the match report start again with every match.
  for (int side = 0; side < 2; ++side) {
    SideCorners[side] = 0;
    SideFouls[side] = 0;
    SideOffsides[side] = 0;
    SideCrosses[side] = 0;
  }
}

// The three flank totals in side 0's direction of play.
void WriteFlankTotals() {
  uint8_t* totals = GetMatchResultRecord() + MATCH_FLANK_TOTALS;
  StoreI32(totals, FlankFrames[0][0] + FlankFrames[1][2]);
  StoreI32(totals + 4, FlankFrames[0][1] + FlankFrames[1][1]);
  StoreI32(totals + 8, FlankFrames[1][0] + FlankFrames[0][2]);
}

}  // namespace

void PlayMatch() {
  // Every match starts from the same state whatever was played before it in
  // this program: a career played on after loading a save plays the same.
  // A stored replay brings its own and keeps the last match's if it fails.
  if (replayMode != 3) ResetModulesOf(RESET_MATCH_PLAY);
  if (!MatchSeams.prepareMatch()) return;
  StartMatchState();
  if (replayMode == 3) {
    EndsFlag = 0;
    LowGoalSide = 0;
    period = 0;
    MatchSeams.playPeriod();
  } else {
    RunPeriod(0, 1, 0);
    HalfTimeScreens();
    RunPeriod(1, 0, 1);
    if ((MatchExtraTimeRule || MatchSilverGoalRule) && TieLevel()) {
      HalfTimeScreens();
      RunPeriod(2, 1, 0);
      // Under the golden goal a side ahead after the first period of extra
      // time has won: there is no second.
      if (!MatchSilverGoalRule || TieLevel()) {
        HalfTimeScreens();
        RunPeriod(3, 0, 1);
      }
    }
    bool shootOut = MatchShootoutRule && TieLevel();
    if (shootOut && MatchAwayGoalsRule) shootOut = Score[1] == MatchFirstLegGoals[0];
    if (shootOut) {
      MatchSeams.penaltyShootOutMenus();
      EndsFlag = 0;
      LowGoalSide = 0;
      period = 4;
      MatchSeams.playPeriod();
    }
  }
  RatingFlag = 1;
  CompileMatchResult();
  WriteFlankTotals();
  MatchSeams.finishMatch();
}

uint8_t* PlayMatchGetResult() {
  PlayMatch();
  return GetMatchResultRecord();
}

