// The match without a screen.
//   matchsim --ball-only --seed N [--length L] [--extra-time] [--shootout]
//       plays one match with the ball alone: one line per period played
//       (frames, goals, corners, goal kicks, throw-ins) and a final line.
//       The same seed gives the same lines.
//   matchsim --seed N [--length L] [--data DIR] [--objects P,F]...
//       plays one match with the players, both halves: they walk on from the
//       tunnel, line up for the kick-off, and the match states run the
//       restarts. Per period: the frames, the period frame at which the
//       kick-off was lined up (state 29), the counts of kick-offs, throw-ins,
//       goal kicks, corners and goals (entries into states 25/27, 3, 4, 5 and
//       9), restarts taken, each side's takes of the ball, and a digest of the
//       replay frames; --objects P,F prints every object at frame F of period
//       P. The game's data (for the motions) comes from DIR (default: the
//       folder game/ beside the program). With --commentary every line the
//       commentator says is printed as it is said ("MM:SS text", the game
//       clock), and the match log (goals, cards, substitutions) at the end.
//       Last, one line per side: shots (on target), passes (completed),
//       crosses, tackles won, fouls, cards, offsides and goals.
//   matchsim --launch X,Y,H,VX,VY,VZ [--ground G] [--frames N]
//       one ball launch from (X, Y) at height H with a 16.16 velocity: the
//       frame and outcome of the first rule that stops it, the restart spot
//       and the side that takes the restart.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/ball.h"
#include "gamecode/comments.h"
#include "gamecode/football.h"
#include "gamecode/matchobj.h"
#include "gamecode/activeplayers.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstandin.h"
#include "gamecode/matchstate.h"
#include "gamecode/matchstates.h"
#include "gamecode/movement.h"
#include "gamecode/officials.h"
#include "gamecode/passes.h"
#include "gamecode/playerstandin.h"
#include "gamecode/playmatch.h"
#include "gamecode/replay.h"
#include "platform/platform.h"
#include "world/static_officials.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: matchsim --ball-only --seed N [--length L] [--extra-time] [--shootout]\n"
               "       matchsim --seed N [--length L] [--data DIR] [--commentary] [--objects P,F]...\n"
               "       matchsim --launch X,Y,H,VX,VY,VZ [--ground G] [--frames N]\n");
  return 2;
}

bool ParseInt(const char* text, long& out) {
  char* end = nullptr;
  out = std::strtol(text, &end, 10);
  return end != text && *end == '\0';
}

int BallOnly(uint32_t seed, int length, bool extraTime, bool shootout) {
  // The ball alone: no players act, no motions are read.
  MatchStandIns_InstallBallOnly(MatchSeams);
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

// --- the match with the players ---------------------------------------------------------

struct Watch {
  int period, frame;
};

// What the states did in one period, counted from the state seen each frame.
struct PeriodCounts {
  int32_t lineUpFrame;  // the first period frame that began in state 29, -1 none
  int32_t kickOffs, throwIns, goalKicks, corners, goals;
};

struct RealRun {
  std::vector<Watch> watches;
  uint64_t digest[5];
  int32_t recorded[5];
  PeriodCounts counts[5];
  int32_t frame;  // frames of the current period
  int8_t period;
  int16_t lastState;
};
RealRun gRun;
void (*gRecordFrame)() = nullptr;
void (*gStates)() = nullptr;
void (*gSay)(int, int, int, int, int, int) = nullptr;

// The commentator's new line, with the game clock.
void SayAndPrint(int event, int priority, int side, int first, int second, int number) {
  const uint32_t before = CommentarySerial();
  gSay(event, priority, side, first, second, number);
  if (CommentarySerial() == before) return;
  const int32_t seconds = GetMatchTimeSeconds();
  std::printf("%02d:%02d %s\n", seconds / 60, seconds % 60, CommentaryLineText());
}

const char* ObjectName(int object) {
  return object >= 0 && object < MATCH_OBJECTS ? MatchObjects[object].name : "-";
}

void PrintMatchLog(const uint8_t* result) {
  static const char* const kKinds[] = {"goal", "substitution", "booking", "sent off"};
  for (int i = 0; i < MATCH_LOG_ROOM; ++i) {
    const uint8_t* e = result + MATCH_LOG + i * MATCH_LOG_ENTRY_SIZE;
    if (e[MATCH_LOG_KIND] == MATCH_LOG_END || e[MATCH_LOG_KIND] > LOG_RED) break;
    std::printf("log %s period %d minute %d side %d %s", kKinds[e[MATCH_LOG_KIND]], LoadI16(e + MATCH_LOG_PERIOD),
                LoadI16(e + MATCH_LOG_MINUTE), LoadI16(e + MATCH_LOG_SIDE), ObjectName(LoadI16(e + MATCH_LOG_FIRST)));
    if (e[MATCH_LOG_KIND] == LOG_SUBSTITUTION) std::printf(" for %s", ObjectName(LoadI16(e + MATCH_LOG_SECOND)));
    std::printf("\n");
  }
}

uint64_t Fnv(uint64_t h, const uint8_t* bytes, int size) {
  for (int i = 0; i < size; ++i) h = (h ^ bytes[i]) * 1099511628211ull;
  return h;
}

void PrintObjects() {
  std::printf("frame period %d frame %d state %d movers %d ball %d,%d,%d active %d %d carrier %d direction %d "
              "possession %d kicker %d holders %d %d\n",
              period, gRun.frame, MatchState, MoversCount, ballX, ballY, BallHeight, ActivePlayer[0],
              ActivePlayer[1], BallCarrier, ballDirection, PossessionSide, LastKicker, keeperHolder, throwHolder);
  for (int i = 0; i < MATCH_OBJECTS; ++i) {
    const MatchObject& o = MatchObjects[i];
    std::printf("object %d action %d x %d y %d target %d,%d facing %d speed %d motion %d,%d off %d hasball %d lock %d "
                "arg %d\n",
                i, o.action, o.x, o.y, o.targetX, o.targetY, o.facing, o.speed, o.motion, o.motionFrame, o.offPitch,
                o.hasBall, o.touchLock, o.actionArg);
  }
}

constexpr int kStalledFrames = 200000;

PeriodCounts& CountsNow() { return gRun.counts[period < 0 ? 0 : period > 4 ? 4 : period]; }

// Counts the state once when play enters it (the ball, a player or the
// state handler may have changed it since the last look).
void NoteState() {
  if (MatchState == gRun.lastState) return;
  gRun.lastState = MatchState;
  PeriodCounts& c = CountsNow();
  switch (MatchState) {
    case STATE_PERIOD_START:
    case STATE_PERIOD_START_AFTER_GOAL: ++c.kickOffs; break;
    case STATE_THROW_IN: ++c.throwIns; break;
    case STATE_GOAL_KICK: ++c.goalKicks; break;
    case STATE_CORNER: ++c.corners; break;
    case STATE_GOAL: ++c.goals; break;
    default: break;
  }
}

// Each frame: the watched frames as the players left them, then the states.
void StatesAndWatches() {
  if (gRun.period != period) {
    gRun.period = period;
    gRun.frame = 0;
    gRun.lastState = -1;
  }
  ++gRun.frame;
  NoteState();
  PeriodCounts& c = CountsNow();
  if (c.lineUpFrame < 0 && MatchState == STATE_KICK_OFF_WAIT) c.lineUpFrame = gRun.frame;
  for (const Watch& w : gRun.watches)
    if (w.period == period && w.frame == gRun.frame) PrintObjects();
  // A period many times its length has stalled: show where everybody stands.
  if (gRun.frame > kStalledFrames) {
    PrintObjects();
    std::fprintf(stderr, "matchsim: period %d stalled after %d frames\n", period, gRun.frame);
    std::exit(3);
  }
  gStates();
  NoteState();
}

// Every recorded frame, as the ring holds it, goes into the period's digest.
void RecordAndDigest() {
  gRecordFrame();
  uint8_t frame[REPLAY_FRAME_SIZE] = {};
  ReplayCaptureFrame(frame);
  const int p = period < 0 ? 0 : period > 4 ? 4 : period;
  gRun.digest[p] = Fnv(gRun.digest[p], frame, REPLAY_FRAME_SIZE);
  ++gRun.recorded[p];
}

bool StartData(const std::string& dir, const char* argv0) {
  namespace fs = std::filesystem;
  fs::path data = dir.empty() ? fs::absolute(argv0).parent_path() / "game" : fs::path(dir);
  std::error_code error;
  if (!fs::exists(data / "pakfiles" / "hdcommon.pki", error)) {
    std::fprintf(stderr, "matchsim: no game data in %s (pakfiles/hdcommon.pki)\n", data.string().c_str());
    return false;
  }
  fs::current_path(data, error);
  if (error) return false;
  PlatUseVirtualClock(true);
  PakFileInit();
  PakFileAdd("pakfiles\\hdcommon");
  PakFileAddDone();
  return true;
}

// Per side, what its players did: shots (on target), passes (completed),
// crosses, tackles won, fouls, cards (bookings and dismissals), offsides
// and goals.
void PrintSideCounts() {
  for (int side = 0; side < 2; ++side) {
    int shots = 0, onTarget = 0, passes = 0, completed = 0, tackles = 0;
    for (int i = side * SIDE_OBJECTS; i < (side + 1) * SIDE_OBJECTS; ++i) {
      const MatchObject& o = MatchObjects[i];
      shots += o.shots;
      onTarget += o.shotsOnTarget;
      passes += o.passes;
      completed += o.passesCompleted;
      tackles += o.tacklesWon;
    }
    std::printf(
        "side %d shots %d ontarget %d passes %d completed %d crosses %d tackles %d fouls %d cards %d offsides %d "
        "goals %d\n",
        side, shots, onTarget, passes, completed, SideCrosses[side], tackles, SideFouls[side],
        SideBookings[side] + SideSendingsOff[side], SideOffsides[side], Score[side]);
  }
}

int RealMatch(uint32_t seed, int length, bool commentary) {
  uint8_t* setup = ClearMatchSetupRecord();
  StoreI16(setup + SETUP_MATCH_LENGTH, length);
  setup[SETUP_EXTRA_TIME] = 0;
  setup[SETUP_PENALTIES] = 0;
  setup[SETUP_SILVER_GOAL] = 0;
  setup[SETUP_SECOND_LEG] = 0;
  setup[13] = 0;  // the ground
  StoreI16(setup + SETUP_DISPLAY_MODE, 0);
  StoreI16(setup + SETUP_SUBSTITUTES, 3);
  // The referee of the day: one of the pool, chosen by the seed.
  const DailySlotRecord& referee = OfficialTable[seed % NUM_OFFICIALS];
  setup[SETUP_OFFICIAL] = referee.foulValue;
  setup[SETUP_OFFICIAL + 1] = referee.cardValue;
  setup[SETUP_OFFICIAL + 2] = referee.favouredSide;
  for (int side = 0; side < 2; ++side) StandInFillTeam(setup + MATCH_SETUP_TEAM_OFFSET[side], side);
  PlayerStandIns_Install(MatchSeams);
  gStates = MatchSeams.matchStateHandler;
  MatchSeams.matchStateHandler = StatesAndWatches;
  gRecordFrame = MatchSeams.replayRecordFrame;
  MatchSeams.replayRecordFrame = RecordAndDigest;
  if (commentary) {
    gSay = MatchSeams.sayComment;
    MatchSeams.sayComment = SayAndPrint;
  }
  for (uint64_t& d : gRun.digest) d = 1469598103934665603ull;
  for (PeriodCounts& c : gRun.counts) c.lineUpFrame = -1;
  gRun.period = -1;
  GameSeedRandom(seed);
  const uint8_t* result = PlayMatchGetResult();
  for (int p = 0; p < 5; ++p) {
    if (gRun.recorded[p] == 0) continue;
    const PeriodCounts& c = gRun.counts[p];
    const PlayerStandInCounts& s = PlayerStandInCountsOf(p);
    std::printf(
        "period %d frames %d lineup %d kickoffs %d throwins %d goalkicks %d corners %d goals %d restarts %d "
        "takes %d %d replay %016llx\n",
        p, gRun.recorded[p], c.lineUpFrame, c.kickOffs, c.throwIns, c.goalKicks, c.corners, c.goals,
        s.restartKicks, s.takes[0], s.takes[1], static_cast<unsigned long long>(gRun.digest[p]));
  }
  if (commentary) PrintMatchLog(result);
  PrintSideCounts();
  std::printf("final score %d-%d\n", LoadI16(result + TEAM_MATCH_RECORD_OFFSET[0] + TEAM_GOALS),
              LoadI16(result + TEAM_MATCH_RECORD_OFFSET[1] + TEAM_GOALS));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  ResetAllModules();
  InitMemory(16000);  // the replay ring and the motions live in managed memory
  bool ballOnly = false, launch = false, extraTime = false, shootout = false, commentary = false;
  long seed = 1, length = 5, ground = 0, frames = 3000;
  long launchValues[6] = {};
  std::string dataDir;
  for (int i = 1; i < argc; ++i) {
    const char* a = argv[i];
    const bool hasValue = i + 1 < argc;
    if (!std::strcmp(a, "--ball-only")) {
      ballOnly = true;
    } else if (!std::strcmp(a, "--commentary")) {
      commentary = true;
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
    } else if (!std::strcmp(a, "--data") && hasValue) {
      dataDir = argv[++i];
    } else if (!std::strcmp(a, "--objects") && hasValue) {
      long p = 0, f = 0;
      char* end = nullptr;
      p = std::strtol(argv[++i], &end, 10);
      if (*end != ',' || p < 0 || p > 4) return Usage();
      if (!ParseInt(end + 1, f) || f < 1) return Usage();
      gRun.watches.push_back({static_cast<int>(p), static_cast<int>(f)});
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
  if (launch && ballOnly) return Usage();
  if (launch) return Launch(launchValues, static_cast<int>(ground), static_cast<int>(frames));
  if (ballOnly) return BallOnly(static_cast<uint32_t>(seed), static_cast<int>(length), extraTime, shootout);
  if (argc == 1) return Usage();
  if (!StartData(dataDir, argv[0])) return 1;
  return RealMatch(static_cast<uint32_t>(seed), static_cast<int>(length), commentary);
}
