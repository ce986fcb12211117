// The software match frame on one core: 3,000 frames of a seeded match
// between clubs of the generated world, played first headless (the engine's
// time is kept apart: only the render records of each frame are kept), then
// drawn at 640 x 480 and 1024 x 768 into the game screen. The time per
// iteration is the whole frame (DrawGameEnvironment); a second pass over the
// same frames times each stage alone and reports its share of their sum:
// ground, markings, stadium (the world less ground and markings), shadows,
// bodies (the display list without its shadows) and the 2D display.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <vector>

#include "../tools/toolstart.h"
#include "bench_world.h"
#include "engine/bytes.h"
#include "engine/dxenum.h"
#include "engine/gfx.h"
#include "engine/input.h"
#include "engine/pakfile.h"
#include "engine/poll.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/playerstandin.h"
#include "gamecode/playmatch.h"
#include "generic/pccamera.h"
#include "menus/menucont.h"
#include "render256/objects.h"
#include "render256/polyman.h"
#include "render256/swcamera.h"
#include "render256/swframe.h"
#include "render256/swground.h"
#include "render256/swmarkings.h"
#include "render256/swscreen.h"
#include "render256/swworld.h"
#include "season/careerrun.h"
#include "season/matchday.h"
#include "season/playfix.h"
#include "world/clubs.h"

namespace {

constexpr int kFrames = 3000;

struct RecordedFrame {
  RenderObject objects[MATCH_OBJECTS];
  int8_t period;
  int16_t score[2];
};
std::vector<RecordedFrame> gRecorded;
int16_t gHome = -1, gAway = -1;

void Record() {
  if (static_cast<int>(gRecorded.size()) >= kFrames) {
    PeriodOver = 1;
    return;
  }
  RecordedFrame f;
  std::memcpy(f.objects, RenderObjects, sizeof f.objects);
  f.period = period;
  f.score[0] = Score[0];
  f.score[1] = Score[1];
  gRecorded.push_back(f);
}

void PrepareMatch(int mode) {
  PrepareClubMatch(gHome, gAway, false);
  uint8_t* setup = GetMatchSetupRecord();
  for (int side = 0; side < 2; ++side) setup[MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_HUMAN] = 0;
  SetUpEngineSides(gHome, gAway);
  StoreI16(setup + SETUP_MATCH_LENGTH, 45);
  StoreI16(setup + SETUP_DISPLAY_MODE, mode);
}

// The world, the match's frames and the display, once.
bool StartOnce(benchmark::State& state) {
  if (!gRecorded.empty()) return true;
  if (!benchworld::StartHeadlessCareer(state, "swframe_bench")) return false;
  SoakRunActive = 1;
  std::vector<int16_t> clubs;
  for (int16_t club = 0; club < NUM_CLUBS; ++club)
    if (Career_IsLeagueClub(club) && Club_GetCountry(club) == 0) clubs.push_back(club);
  if (clubs.size() < 2) {
    state.SkipWithError("no two clubs to play");
    return false;
  }
  gHome = clubs[0];
  gAway = clubs[1];
  PlayerStandIns_Install(MatchSeams);
  // The engine's frames, headless: the analysis view's drawing keeps them.
  MatchSeams.analysisDrawFrame = Record;
  GameSeedRandom(1);
  PrepareMatch(0);
  PlayMatchGetResult();
  if (gRecorded.empty()) {
    state.SkipWithError("the match gave no frames");
    return false;
  }
  // The CD's pak too (the loading bar's pictures), the display and input.
  PakFileUninit();
  PakFileInit();
  PakFileAdd("pakfiles\\hdcommon");
  PakFileAdd("cd\\pakfiles\\cdcommon");
  PakFileAddDone();
  DXEnumDisplay();
  GfxInit(0);
  InitPoll();
  InitMouseDriver();
  InitKeyboardInterrupt();
  return true;
}

void Replay(const RecordedFrame& f) {
  std::memcpy(RenderObjects, f.objects, sizeof f.objects);
  period = f.period;
  Score[0] = f.score[0];
  Score[1] = f.score[1];
}

using Clock = std::chrono::steady_clock;
double Seconds(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double>(b - a).count(); }

// The display list's types without their shadows, and the shadows alone.
int ShadowCount() { return OBJECT_BALL + 1; }
void ShadowOf(int object) {
  if (object == OBJECT_BALL)
    DrawBallShadow(object);
  else
    DrawPlayerShadow(object);
}
const ObjectType kShadowsOnly[] = {{ShadowCount, nullptr, nullptr, ShadowOf}, {nullptr, nullptr, nullptr, nullptr}};

void BM_SoftwareFrame(benchmark::State& state) {
  if (!StartOnce(state)) return;
  const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
  PrepareMatch(2);
  MatchScreenMode = GfxFindMode(width, height, 0);
  if (MatchScreenMode < 0) {
    state.SkipWithError("no such 8-bit mode");
    return;
  }
  SwFrame_CreateWhole();
  ObjectType bodies[4];
  std::memcpy(bodies, MatchObjectTypes, sizeof bodies);
  for (ObjectType& t : bodies) t.prePass = nullptr;

  int64_t frames = 0;
  for (auto _ : state) {
    for (const RecordedFrame& f : gRecorded) {
      state.PauseTiming();
      Replay(f);
      UpdateCamera();
      state.ResumeTiming();
      DrawGameEnvironment();
      ++frames;
    }
  }
  // The stages alone over the same frames.
  double ground = 0, markings = 0, world = 0, shadows = 0, body = 0, twoD = 0;
  for (const RecordedFrame& f : gRecorded) {
    Replay(f);
    UpdateCamera();
    const Clock::time_point t0 = Clock::now();
    DrawGround();
    const Clock::time_point t1 = Clock::now();
    DrawPitchLines();
    DrawPitchCurves();
    const Clock::time_point t2 = Clock::now();
    DrawWorld();
    const Clock::time_point t3 = Clock::now();
    ObjectDisplay(kShadowsOnly);
    const Clock::time_point t4 = Clock::now();
    ObjectDisplay(bodies);
    const Clock::time_point t5 = Clock::now();
    DrawGameDisplay2D();
    const Clock::time_point t6 = Clock::now();
    ground += Seconds(t0, t1);
    markings += Seconds(t1, t2);
    world += Seconds(t2, t3);
    shadows += Seconds(t3, t4);
    body += Seconds(t4, t5);
    twoD += Seconds(t5, t6);
  }
  // The world draws the ground and the markings itself.
  const double stadium = world > ground + markings ? world - ground - markings : 0.0;
  const double sum = ground + markings + stadium + shadows + body + twoD;
  auto share = [&](double t) { return sum > 0 ? 100.0 * t / sum : 0.0; };
  state.counters["frames/s"] = benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kIsRate);
  state.counters["ground%"] = share(ground);
  state.counters["markings%"] = share(markings);
  state.counters["stadium%"] = share(stadium);
  state.counters["shadows%"] = share(shadows);
  state.counters["bodies%"] = share(body);
  state.counters["2d%"] = share(twoD);
  SwFrame_DestroyWhole();
}
BENCHMARK(BM_SoftwareFrame)->Args({640, 480})->Args({1024, 768})->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
