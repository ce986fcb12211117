// The match without a screen.
//   matchsim --ball-only --seed N [--length L] [--extra-time] [--shootout]
//       plays one match with the ball alone: one line per period played
//       (frames, goals, corners, goal kicks, throw-ins) and a final line.
//       The same seed gives the same lines.
//   matchsim --launch X,Y,H,VX,VY,VZ [--ground G] [--frames N]
//       one ball launch from (X, Y) at height H with a 16.16 velocity: the
//       frame and outcome of the first rule that stops it, the restart spot
//       and the side that takes the restart.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/bytes.h"
#include "engine/mem_win.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/ball.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchstandin.h"
#include "gamecode/matchstate.h"
#include "gamecode/playmatch.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: matchsim --ball-only --seed N [--length L] [--extra-time] [--shootout]\n"
               "       matchsim --launch X,Y,H,VX,VY,VZ [--ground G] [--frames N]\n");
  return 2;
}

bool ParseInt(const char* text, long& out) {
  char* end = nullptr;
  out = std::strtol(text, &end, 10);
  return end != text && *end == '\0';
}

int BallOnly(uint32_t seed, int length, bool extraTime, bool shootout) {
  uint8_t* setup = ClearMatchSetupRecord();
  setup[SETUP_EXTRA_TIME] = extraTime ? 1 : 0;
  setup[SETUP_PENALTIES] = shootout ? 1 : 0;
  setup[SETUP_SILVER_GOAL] = 0;
  setup[SETUP_SECOND_LEG] = 0;
  StoreI16(setup + SETUP_MATCH_LENGTH, length);
  setup[13] = 0;  // the ground
  StoreI16(setup + SETUP_DISPLAY_MODE, 0);
  for (int side = 0; side < 2; ++side) {
    uint8_t* team = setup + MATCH_SETUP_TEAM_OFFSET[side];
    team[SETUP_TEAM_HUMAN] = 0;
    StoreI16(team + SETUP_TEAM_FIRST_LEG_GOALS, 0);
  }
  GameSeedRandom(seed);
  const uint8_t* result = PlayMatchGetResult();
  long frames = 0, goals = 0, corners = 0, goalKicks = 0, throwIns = 0;
  for (int p = 0; p < 5; ++p) {
    const StandInPeriodCounts& c = StandInCounts(p);
    if (c.frames == 0) continue;
    std::printf("period %d frames %d goals %d corners %d goalkicks %d throwins %d\n", p, c.frames, c.goals,
                c.corners, c.goalKicks, c.throwIns);
    frames += c.frames;
    goals += c.goals;
    corners += c.corners;
    goalKicks += c.goalKicks;
    throwIns += c.throwIns;
  }
  std::printf("final score %d-%d shootout %d-%d frames %ld goals %ld corners %ld goalkicks %ld throwins %ld\n",
              LoadI16(result + TEAM_MATCH_RECORD_OFFSET[0] + TEAM_GOALS),
              LoadI16(result + TEAM_MATCH_RECORD_OFFSET[1] + TEAM_GOALS),
              LoadI16(result + TEAM_MATCH_RECORD_OFFSET[0] + TEAM_SHOOTOUT_GOALS),
              LoadI16(result + TEAM_MATCH_RECORD_OFFSET[1] + TEAM_SHOOTOUT_GOALS), frames, goals, corners, goalKicks,
              throwIns);
  return 0;
}

int Launch(const long v[6], int ground, int maxFrames) {
  BallLaunch launch;
  launch.x = static_cast<int>(v[0]);
  launch.y = static_cast<int>(v[1]);
  launch.height = static_cast<int>(v[2]);
  launch.vx = static_cast<int32_t>(v[3]);
  launch.vy = static_cast<int32_t>(v[4]);
  launch.vz = static_cast<int32_t>(v[5]);
  launch.ground = ground;
  launch.maxFrames = maxFrames;
  BallCarrier = -1;
  LastKicker = -1;
  const BallLaunchOutcome out = RunBallLaunch(launch);
  std::printf("launch frame %d outcome %s spot %d,%d possession %d ball %d,%d,%d\n", out.frame,
              BallOutcomeName(out.outcome), out.restartX, out.restartY, out.possessionSide, out.ballX, out.ballY,
              out.height);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  ResetAllModules();
  InitMemory(16000);  // the replay ring and the motions live in managed memory
  bool ballOnly = false, launch = false, extraTime = false, shootout = false;
  long seed = 1, length = 5, ground = 0, frames = 3000;
  long launchValues[6] = {};
  for (int i = 1; i < argc; ++i) {
    const char* a = argv[i];
    const bool hasValue = i + 1 < argc;
    if (!std::strcmp(a, "--ball-only")) {
      ballOnly = true;
    } else if (!std::strcmp(a, "--extra-time")) {
      extraTime = true;
    } else if (!std::strcmp(a, "--shootout")) {
      shootout = true;
    } else if (!std::strcmp(a, "--seed") && hasValue) {
      if (!ParseInt(argv[++i], seed)) return Usage();
    } else if (!std::strcmp(a, "--length") && hasValue) {
      if (!ParseInt(argv[++i], length) || length < 1 || length > 45) return Usage();
    } else if (!std::strcmp(a, "--ground") && hasValue) {
      if (!ParseInt(argv[++i], ground) || ground < 0 || ground > 2) return Usage();
    } else if (!std::strcmp(a, "--frames") && hasValue) {
      if (!ParseInt(argv[++i], frames) || frames < 1) return Usage();
    } else if (!std::strcmp(a, "--launch") && hasValue) {
      launch = true;
      char* p = argv[++i];
      for (int k = 0; k < 6; ++k) {
        char* end = nullptr;
        launchValues[k] = std::strtol(p, &end, 10);
        if (end == p || (k < 5 && *end != ',') || (k == 5 && *end != '\0')) return Usage();
        p = end + 1;
      }
    } else {
      return Usage();
    }
  }
  if (launch == ballOnly) return Usage();
  if (launch) return Launch(launchValues, static_cast<int>(ground), static_cast<int>(frames));
  return BallOnly(static_cast<uint32_t>(seed), static_cast<int>(length), extraTime, shootout);
}
