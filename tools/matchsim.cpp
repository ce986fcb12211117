// The match without a screen.
//   matchsim --ball-only --seed N [--length L] [--extra-time] [--shootout]
//       plays one match with the ball alone: one line per period played
//       (frames, goals, corners, goal kicks, throw-ins) and a final line.
//       The same seed gives the same lines.
//   matchsim --seed N [--length L] [--cup] [--country C] [--standin] [--data DIR]
//            [--commentary] [--objects P,F]... [--dump FILE]
//       plays one match with the players, both halves: they walk on from the
//       tunnel, line up for the kick-off, and the match states run the
//       restarts. The sides are two league clubs of game country C (default
//       0) of the world a new game with seed N generates, picked at random
//       and prepared by the match day's own set-up (squads, formations, a
//       referee of the day's pool); --standin plays two invented sides
//       instead. --cup plays under cup rules (extra time, then a shoot-out
//       when level). Per period: the frames, the period frame at which the
//       kick-off was lined up (state 29), the counts of kick-offs, throw-ins,
//       goal kicks, corners and goals (entries into states 25/27, 3, 4, 5 and
//       9), restarts taken, each side's takes of the ball, and a digest of the
//       replay frames; --objects P,F prints every object at frame F of period
//       P. The game's data (the world, the motions) comes from DIR (default:
//       the folder game/ beside the program). With --commentary every line the
//       commentator says is printed as it is said ("MM:SS text", the game
//       clock), and the match log (goals, cards, substitutions) at the end.
//       Last, one line per side: shots (on target), passes (completed),
//       crosses, tackles won, fouls, cards, offsides and goals. --dump FILE
//       writes the match's MatchResult (44,208 bytes) to FILE.
//   matchsim --batch K --seed N [--first M] [--length L] [--country C] [--data DIR] [--objects P,F]...
//       K matches between random clubs of the world of seed N (match I with
//       the generator seeded by a mix of N and I, the "seed" of its line),
//       every third (I = 2, 5, ...) under cup
//       rules: one "match" line each, then the "summary" line, the frames
//       spent in each action code by the players on the pitch ("codes" lines,
//       code:frames) and the codes 0-173 never seen ("unseen" line). A
//       period that stalls is shown (every object), marked on its match line
//       and ended; the batch plays on and exits with 3. --first M starts
//       at match M (the same match as in the whole batch); --objects
//       prints the objects of every match at the frames given.
//   matchsim --launch X,Y,H,VX,VY,VZ [--ground G] [--frames N]
//       one ball launch from (X, Y) at height H with a 16.16 velocity: the
//       frame and outcome of the first rule that stops it, the restart spot
//       and the side that takes the restart.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/actions.h"
#include "gamecode/ball.h"
#include "gamecode/comments.h"
#include "gamecode/fixturematch.h"
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
#include "menus/menucont.h"
#include "season/careerrun.h"
#include "season/matchday.h"
#include "season/playfix.h"
#include "world/calendar.h"
#include "world/clubs.h"
#include "world/funcs.h"
#include "world/static_officials.h"
#include "toolstart.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: matchsim --ball-only --seed N [--length L] [--extra-time] [--shootout]\n"
               "       matchsim --seed N [--length L] [--cup] [--country C] [--standin] [--data DIR] [--commentary]\n"
               "                [--objects P,F]... [--dump FILE]\n"
               "       matchsim --batch K --seed N [--first M] [--length L] [--country C] [--data DIR] [--objects P,F]...\n"
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

// The action codes a player can be in.
constexpr int kActionCodes = ACTION_CODES;

struct RealRun {
  std::vector<Watch> watches;
  int64_t codeFrames[kActionCodes];  // frames spent in each code by the players on the pitch
  int64_t outOfRange;                // frames in a code outside 0-173
  int batchMatch = -1;               // the match of a batch being played
  bool stalled;                      // a period of this match stalled
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

std::string ObjectNameOfClub(int16_t club) {
  std::string name = GNW_GetClubName(GNW_GetClubDbId(club));
  std::replace(name.begin(), name.end(), ' ', '_');
  return name;
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

void PrintObjects() { PrintMatchSituation(stdout, gRun.frame); }

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
  for (int i = 0; i < MATCH_PLAYERS; ++i) {
    const MatchObject& o = MatchObjects[i];
    if (o.offPitch != 0) continue;
    const int code = o.action;
    if (code < 0 || code >= kActionCodes) ++gRun.outOfRange;
  }
  NoteState();
  PeriodCounts& c = CountsNow();
  if (c.lineUpFrame < 0 && MatchState == STATE_KICK_OFF_WAIT) c.lineUpFrame = gRun.frame;
  for (const Watch& w : gRun.watches)
    if (w.period == period && w.frame == gRun.frame) PrintObjects();
  // A period many times its length has stalled: show where everybody stands.
  // A single match stops there; a batch blows the whistle on the period, so
  // the match ends and the batch goes on (and fails at its end).
  if (gRun.frame > kStalledFrames && PeriodOver == 0) {
    PrintObjects();
    std::fprintf(stderr, "matchsim: period %d stalled after %d frames\n", period, gRun.frame);
    if (gRun.batchMatch < 0) std::exit(3);
    std::printf("match %d period %d stalled\n", gRun.batchMatch, period);
    gRun.stalled = true;
    PeriodOver = 1;
    return;
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
      completed += o.passesCompleted + o.stat34;  // the one-twos and long balls that arrived too
      tackles += o.tacklesWon;
    }
    std::printf(
        "side %d shots %d ontarget %d passes %d completed %d crosses %d tackles %d fouls %d cards %d offsides %d "
        "goals %d\n",
        side, shots, onTarget, passes, completed, SideCrosses[side], tackles, SideFouls[side],
        SideBookings[side] + SideSendingsOff[side], SideOffsides[side], Score[side]);
  }
}

// The seams wrapped once: the states and watches, the replay digest and the
// commentary printed.
void InstallEngine(bool commentary) {
  PlayerStandIns_Install(MatchSeams);
  gStates = MatchSeams.matchStateHandler;
  MatchSeams.matchStateHandler = StatesAndWatches;
  gRecordFrame = MatchSeams.replayRecordFrame;
  MatchSeams.replayRecordFrame = RecordAndDigest;
  if (commentary) {
    gSay = MatchSeams.sayComment;
    MatchSeams.sayComment = SayAndPrint;
  }
}

// The counts of one match start from nothing (the codes' frames add up).
void ClearRun() {
  for (uint64_t& d : gRun.digest) d = 1469598103934665603ull;
  for (int32_t& r : gRun.recorded) r = 0;
  for (PeriodCounts& c : gRun.counts) c = PeriodCounts{-1, 0, 0, 0, 0, 0};
  gRun.period = -1;
  gRun.frame = 0;
  gRun.lastState = -1;
  gRun.stalled = false;
}

// Two invented sides, as before the world existed; a referee of the pool
// chosen by the seed.
void SetUpStandInSides(uint32_t seed, int length) {
  uint8_t* setup = ClearMatchSetupRecord();
  StoreI16(setup + SETUP_MATCH_LENGTH, length);
  setup[SETUP_EXTRA_TIME] = 0;
  setup[SETUP_PENALTIES] = 0;
  setup[SETUP_SILVER_GOAL] = 0;
  setup[SETUP_SECOND_LEG] = 0;
  setup[13] = 0;  // the ground
  StoreI16(setup + SETUP_DISPLAY_MODE, 0);
  StoreI16(setup + SETUP_SUBSTITUTES, 3);
  const DailySlotRecord& referee = OfficialTable[seed % NUM_OFFICIALS];
  setup[SETUP_OFFICIAL] = referee.foulValue;
  setup[SETUP_OFFICIAL + 1] = referee.cardValue;
  setup[SETUP_OFFICIAL + 2] = referee.favouredSide;
  for (int side = 0; side < 2; ++side) StandInFillTeam(setup + MATCH_SETUP_TEAM_OFFSET[side], side);
}

// The generated world of a new game with this seed, nobody's match to watch.
bool StartWorld(const std::string& dataDir, const char* argv0, int country, uint32_t seed,
                std::vector<int16_t>* clubs) {
  if (!StartHeadlessGame(dataDir, argv0, "matchsim", 16000)) return false;
  if (Career_StartNew(country, seed, -1) < 0) {
    std::fprintf(stderr, "matchsim: no league in country %d\n", country);
    return false;
  }
  SoakRunActive = 1;  // every side picked and set up as a computer's
  clubs->clear();
  for (int16_t club = 0; club < NUM_CLUBS; ++club)
    if (Career_IsLeagueClub(club) && Club_GetCountry(club) == country) clubs->push_back(club);
  if (clubs->size() < 2) {
    std::fprintf(stderr, "matchsim: country %d has fewer than two league clubs\n", country);
    return false;
  }
  return true;
}

// A side's rating: the mean of its starters' match values (pace and the
// eight abilities) in the set-up.
int SideRating(int side) {
  const uint8_t* team = GetMatchSetupRecord() + MATCH_SETUP_TEAM_OFFSET[side];
  static constexpr int kValues[] = {SETUP_PLAYER_PACE,     SETUP_PLAYER_ABILITY0, SETUP_PLAYER_ABILITY1,
                                    SETUP_PLAYER_ABILITY2, SETUP_PLAYER_ABILITY3, SETUP_PLAYER_ABILITY4,
                                    SETUP_PLAYER_ABILITY5, SETUP_PLAYER_ABILITY6, SETUP_PLAYER_ABILITY7};
  int sum = 0, n = 0;
  for (int entry = 0; entry < 11; ++entry) {
    const uint8_t* player = team + SETUP_TEAM_PLAYERS + entry * MATCH_SETUP_PLAYER_SIZE;
    if (LoadI16(player + SETUP_PLAYER_NUMBER) < 0) continue;
    for (int v : kValues) sum += LoadI16(player + v);
    n += static_cast<int>(std::size(kValues));
  }
  return n > 0 ? sum / n : 0;
}

struct Pairing {
  int16_t home, away;
};

// Two different clubs of the list at random, prepared as the match day
// prepares a fixture, and set up for the engine.
Pairing SetUpWorldSides(const std::vector<int16_t>& clubs, int length, bool cup) {
  const int n = static_cast<int>(clubs.size());
  const int h = GameRandom() % n;
  const int a = (h + 1 + GameRandom() % (n - 1)) % n;
  const Pairing pairing{clubs[h], clubs[a]};
  PrepareClubMatch(pairing.home, pairing.away, cup);
  uint8_t* setup = GetMatchSetupRecord();
  for (int side = 0; side < 2; ++side) setup[MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_HUMAN] = 0;
  SetUpEngineSides(pairing.home, pairing.away);
  StoreI16(setup + SETUP_MATCH_LENGTH, length);
  StoreI16(setup + SETUP_DISPLAY_MODE, 0);
  return pairing;
}

bool DumpResult(const std::string& file, const uint8_t* result) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(result), MATCH_RESULT_SIZE);
  if (!out) {
    std::fprintf(stderr, "matchsim: cannot write %s\n", file.c_str());
    return false;
  }
  return true;
}

struct RealOptions {
  uint32_t seed = 1;
  int length = 5;
  int country = 0;
  int batch = 0;
  int first = 0;  // the batch starts at this match number
  bool cup = false, standin = false, commentary = false;
  std::string dataDir, dumpFile;
};

int RealMatch(const RealOptions& o, const char* argv0) {
  std::vector<int16_t> clubs;
  if (o.standin) {
    if (!StartHeadlessGame(o.dataDir, argv0, "matchsim", 16000)) return 1;
  } else if (!StartWorld(o.dataDir, argv0, o.country, o.seed, &clubs)) {
    return 1;
  }
  InstallEngine(o.commentary);
  ClearRun();
  GameSeedRandom(o.seed);
  if (o.standin) {
    SetUpStandInSides(o.seed, o.length);
  } else {
    const Pairing p = SetUpWorldSides(clubs, o.length, o.cup);
    std::printf("teams %s v %s rating %d %d\n", ObjectNameOfClub(p.home).c_str(), ObjectNameOfClub(p.away).c_str(),
                SideRating(0), SideRating(1));
  }
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
  if (o.commentary) PrintMatchLog(result);
  PrintSideCounts();
  std::printf("final score %d-%d", LoadI16(result + TEAM_MATCH_RECORD_OFFSET[0] + TEAM_GOALS),
              LoadI16(result + TEAM_MATCH_RECORD_OFFSET[1] + TEAM_GOALS));
  const int pens0 = LoadI16(result + TEAM_MATCH_RECORD_OFFSET[0] + TEAM_SHOOTOUT_GOALS);
  const int pens1 = LoadI16(result + TEAM_MATCH_RECORD_OFFSET[1] + TEAM_SHOOTOUT_GOALS);
  if (gRun.recorded[4] > 0 || pens0 + pens1 > 0) std::printf(" shootout %d-%d", pens0, pens1);
  std::printf("\n");
  if (gRun.outOfRange > 0) std::printf("action out of range: %lld player frames\n", static_cast<long long>(gRun.outOfRange));
  if (!o.dumpFile.empty() && !DumpResult(o.dumpFile, result)) return 1;
  return 0;
}

// What the batch adds up over its matches.
struct BatchTotals {
  int matches = 0;
  int64_t goals = 0, shots = 0, corners = 0, fouls = 0, cards = 0, offsides = 0;
  int minShare = 100, maxShare = 0, evenShare = 0;  // side 0's possession share; matches with 35-65 %
  int higherWins = 0, higherDraws = 0, higherLosses = 0, sameRating = 0;
  int extraTimes = 0, shootouts = 0, stalls = 0;
  int64_t frames = 0;
  int64_t passes = 0, passesArrived = 0;  // every kind of pass; those that reached a team-mate as meant
};

// The seed of a batch's match M. The game's generator seeded with nearby
// numbers deals related rolls (seeds three apart drew no level match in a
// hundred), so the batch's seed and M are mixed into one well spread number.
uint32_t MatchSeed(uint32_t seed, int m) {
  uint32_t x = seed * 0x9E3779B9u + static_cast<uint32_t>(m) * 0x85EBCA6Bu + 0x165667B1u;
  x ^= x >> 16;
  x *= 0x7FEB352Du;
  x ^= x >> 15;
  x *= 0x846CA68Bu;
  x ^= x >> 16;
  return x;
}

int Batch(const RealOptions& o, const char* argv0) {
  std::vector<int16_t> clubs;
  if (!StartWorld(o.dataDir, argv0, o.country, o.seed, &clubs)) return 1;
  InstallEngine(false);
  BatchTotals t;
  for (int m = o.first; m < o.first + o.batch; ++m) {
    const uint32_t matchSeed = MatchSeed(o.seed, m);
    const bool cup = m % 3 == 2;
    ClearRun();
    gRun.batchMatch = m;
    // Each match a day of its own (the referees all free), so that a match
    // played alone with --first plays as it does within the batch.
    DailySlot_ClearAll();
    GameSeedRandom(matchSeed);
    const Pairing p = SetUpWorldSides(clubs, o.length, cup);
    const int rating[2] = {SideRating(0), SideRating(1)};
    const uint8_t* result = PlayMatchGetResult();
    for (int code = 0; code < kActionCodes; ++code) gRun.codeFrames[code] += ActionFramesRun[code];
    int goals[2], pens[2], shots[2] = {0, 0};
    for (int side = 0; side < 2; ++side) {
      goals[side] = LoadI16(result + TEAM_MATCH_RECORD_OFFSET[side] + TEAM_GOALS);
      pens[side] = LoadI16(result + TEAM_MATCH_RECORD_OFFSET[side] + TEAM_SHOOTOUT_GOALS);
      for (int i = side * SIDE_OBJECTS; i < (side + 1) * SIDE_OBJECTS; ++i) {
        const MatchObject& o = MatchObjects[i];
        shots[side] += o.shots;
        t.passes += o.passes;
        t.passesArrived += o.passesCompleted + o.stat34;
      }
    }
    const int64_t possession = static_cast<int64_t>(SidePossession[0]) + SidePossession[1];
    const int share = possession > 0 ? static_cast<int>(SidePossession[0] * 100 / possession) : 50;
    const bool extraTime = gRun.recorded[2] + gRun.recorded[3] > 0;
    const bool shootout = gRun.recorded[4] > 0 || pens[0] + pens[1] > 0;
    int frames = 0;
    for (int32_t r : gRun.recorded) frames += r;
    std::printf(
        "match %d seed %u cup %d %s v %s rating %d %d score %d-%d%s%s shots %d %d corners %d %d fouls %d %d "
        "cards %d %d offsides %d %d possession %d frames %d%s\n",
        m, matchSeed, cup ? 1 : 0, ObjectNameOfClub(p.home).c_str(), ObjectNameOfClub(p.away).c_str(), rating[0],
        rating[1], goals[0], goals[1], extraTime ? " aet" : "",
        shootout ? (" pens " + std::to_string(pens[0]) + "-" + std::to_string(pens[1])).c_str() : "", shots[0],
        shots[1], SideCorners[0], SideCorners[1], SideFouls[0], SideFouls[1], SideBookings[0] + SideSendingsOff[0],
        SideBookings[1] + SideSendingsOff[1], SideOffsides[0], SideOffsides[1], share, frames,
        gRun.stalled ? " stalled" : "");
    std::fflush(stdout);
    ++t.matches;
    t.goals += goals[0] + goals[1];
    t.shots += shots[0] + shots[1];
    t.corners += SideCorners[0] + SideCorners[1];
    t.fouls += SideFouls[0] + SideFouls[1];
    t.cards += SideBookings[0] + SideSendingsOff[0] + SideBookings[1] + SideSendingsOff[1];
    t.offsides += SideOffsides[0] + SideOffsides[1];
    t.minShare = std::min(t.minShare, share);
    t.maxShare = std::max(t.maxShare, share);
    if (share >= 35 && share <= 65) ++t.evenShare;
    if (rating[0] == rating[1]) {
      ++t.sameRating;
    } else {
      const int higher = rating[0] > rating[1] ? 0 : 1;
      // Goals in the match decide; a shoot-out after a level match counts as a draw.
      if (goals[higher] > goals[1 - higher]) ++t.higherWins;
      else if (goals[higher] < goals[1 - higher]) ++t.higherLosses;
      else ++t.higherDraws;
    }
    t.extraTimes += extraTime ? 1 : 0;
    t.shootouts += shootout ? 1 : 0;
    t.frames += frames;
    t.stalls += gRun.stalled ? 1 : 0;
  }
  const double n = t.matches > 0 ? t.matches : 1;
  std::printf(
      "summary matches %d goals %.2f shots %.2f corners %.2f fouls %.2f cards %.2f offsides %.2f possession %d-%d "
      "even %d%% higher_rated won %d drawn %d lost %d same %d extra_time %d shootouts %d frames %lld "
      "out_of_range %lld stalled %d passes %.1f completed %d%%\n",
      t.matches, t.goals / n, t.shots / n, t.corners / n, t.fouls / n, t.cards / n, t.offsides / n, t.minShare,
      t.maxShare, static_cast<int>(t.evenShare * 100 / n), t.higherWins, t.higherDraws, t.higherLosses,
      t.sameRating, t.extraTimes, t.shootouts, static_cast<long long>(t.frames),
      static_cast<long long>(gRun.outOfRange), t.stalls, t.passes / n,
      static_cast<int>(t.passes > 0 ? t.passesArrived * 100 / t.passes : 0));
  std::string seen, unseen;
  int perLine = 0;
  for (int code = 0; code < kActionCodes; ++code) {
    if (gRun.codeFrames[code] == 0) {
      unseen += " " + std::to_string(code);
      continue;
    }
    seen += " " + std::to_string(code) + ":" + std::to_string(gRun.codeFrames[code]);
    if (++perLine == 12) {
      std::printf("codes%s\n", seen.c_str());
      seen.clear();
      perLine = 0;
    }
  }
  if (!seen.empty()) std::printf("codes%s\n", seen.c_str());
  std::printf("unseen%s\n", unseen.c_str());
  return t.stalls > 0 ? 3 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  ResetAllModules();
  bool ballOnly = false, launch = false, extraTime = false, shootout = false;
  long seed = 1, length = 5, ground = 0, frames = 3000, country = 0, batch = 0, first = 0;
  long launchValues[6] = {};
  RealOptions real;
  for (int i = 1; i < argc; ++i) {
    const char* a = argv[i];
    const bool hasValue = i + 1 < argc;
    if (!std::strcmp(a, "--ball-only")) {
      ballOnly = true;
    } else if (!std::strcmp(a, "--commentary")) {
      real.commentary = true;
    } else if (!std::strcmp(a, "--extra-time")) {
      extraTime = true;
    } else if (!std::strcmp(a, "--shootout")) {
      shootout = true;
    } else if (!std::strcmp(a, "--cup")) {
      real.cup = true;
    } else if (!std::strcmp(a, "--standin")) {
      real.standin = true;
    } else if (!std::strcmp(a, "--seed") && hasValue) {
      if (!ParseInt(argv[++i], seed) || seed < 0) return Usage();
    } else if (!std::strcmp(a, "--length") && hasValue) {
      if (!ParseInt(argv[++i], length) || length < 1 || length > 45) return Usage();
    } else if (!std::strcmp(a, "--country") && hasValue) {
      if (!ParseInt(argv[++i], country) || country < 0 || country > 8) return Usage();
    } else if (!std::strcmp(a, "--batch") && hasValue) {
      if (!ParseInt(argv[++i], batch) || batch < 1 || batch > 100000) return Usage();
    } else if (!std::strcmp(a, "--first") && hasValue) {
      if (!ParseInt(argv[++i], first) || first < 0 || first > 100000) return Usage();
    } else if (!std::strcmp(a, "--ground") && hasValue) {
      if (!ParseInt(argv[++i], ground) || ground < 0 || ground > 2) return Usage();
    } else if (!std::strcmp(a, "--frames") && hasValue) {
      if (!ParseInt(argv[++i], frames) || frames < 1) return Usage();
    } else if (!std::strcmp(a, "--data") && hasValue) {
      real.dataDir = argv[++i];
    } else if (!std::strcmp(a, "--dump") && hasValue) {
      real.dumpFile = argv[++i];
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
  if (launch + ballOnly + (batch > 0) > 1) return Usage();
  if (batch > 0 && (real.standin || real.cup || real.commentary || !real.dumpFile.empty())) return Usage();
  if (first > 0 && batch == 0)
    return Usage();
  if (launch || ballOnly) InitMemory(16000);  // the replay ring lives in managed memory
  if (launch) return Launch(launchValues, static_cast<int>(ground), static_cast<int>(frames));
  if (ballOnly) return BallOnly(static_cast<uint32_t>(seed), static_cast<int>(length), extraTime, shootout);
  if (argc == 1) return Usage();
  real.seed = static_cast<uint32_t>(seed);
  real.length = static_cast<int>(length);
  real.country = static_cast<int>(country);
  real.batch = static_cast<int>(batch);
  real.first = static_cast<int>(first);
  if (batch > 0) return Batch(real, argv[0]);
  return RealMatch(real, argv[0]);
}
