// career: a whole career without a screen, for developers and tests.
//
//   career --country C --club N --seed S --seasons K [--check] [--save DIR]
//          [--load FILE] [--data DIR] [--quiet] [--engine]
//
// Starts a new game in game country C (0-8) with the human manager at world
// club N (a league club of that country; -1 picks the first club of the top
// division), seeds the game's generator with S, and runs K seasons with the
// game's own day loop: every fixture of the day through GNW_PlayNextFixture,
// then GNW_AdvanceDay. At each season's end it prints the final tables, the
// cup winners, the top scorers, each division's record holders, the newest
// entries of the transfer log and one line for scripts:
//
//   summary season=N country=C matches=M goals=G home_wins=H draws=D
//           away_wins=A max_goals=X bookings=B sent_off=R money=T players=P
//
//   clubsim season=N injuries=I illnesses=S awol=A requests=R withdrawn=W
//           transfers=T fees=F avg_fee=V loans=L contract_moves=M listed=X
//           bids=B renewals=R reserves_used=U short_sides=K min_squad=A
//           max_squad=Z abroad=O retired=Y youth=G new_managers=N
//           sacked=K resigned=Q appointed=P caretakers=C longest_vacancy=D
//           staff_hired=H windfalls=W bailouts=B ground_works=G mean_age=E
//
// over that season's league matches (B: players booked, R: players sent off,
// a second booking counting in both; T: every club's balance plus the money
// pool; P: players under contract at a club; A and Z: the smallest and largest
// squad of a computer-run league club of the game country on any day; O: the
// transfers between clubs outside the game country's league; E: the mean age
// in years of the players of the game country's league clubs at the season's
// end). --check tests
// the world after every day and stops at the first breach with "check failed
// day=D season=N rule=R ..." and exit code 1. --save DIR saves the game at each season's end
// into DIR/SaveData/save<N> and perm<N> (N the season). --load FILE loads the
// save FILE (a .../SaveData/save<N>) instead of starting a new game. The game's
// data (pakfiles\hdcommon) is read from --data (default: the folder game/
// beside this program). The same arguments always give the same output.
//
// --engine plays the human club's fixtures in the match engine (as the game
// does; without it they are simulated in the background like the others, for
// speed), one line each after the day:
//
//   engine day=D fixture=F comp=C score=H-A shootout=a-b booked=H-A
//          goals=G apps=P sent_off=R players=ok : HOME v AWAY
//
// score and shootout from the MatchResult, booked the fixture's result; G, P
// and R the goals, appearances and sendings-off of the match's players, and
// players=ok when each of them reached his record (goals, clean sheets,
// appearances, a ban for a sending-off), else players=wrong with the first
// player that did not.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "clubsim/simcounts.h"
#include "engine/bytes.h"
#include "engine/mem_win.h"
#include "engine/pakfile.h"
#include "engine/rand.h"
#include "engine/timerint.h"
#include "engine/winlib.h"
#include "gamecode/fixturematch.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "menus/menucont.h"
#include "platform/platform.h"
#include "season/careerrun.h"
#include "season/matchday.h"
#include "season/fixgen.h"
#include "season/newgame.h"
#include "season/postmatch.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "season/worldcheck.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/funcs_deals.h"
#include "world/funcs_records.h"
#include "world/honours.h"
#include "world/players.h"
#include "world/savegame.h"
#include "world/static_country.h"
#include "toolstart.h"

namespace fs = std::filesystem;

namespace {

struct Options {
  int country = 0;
  int club = -1;
  uint32_t seed = 1;
  int seasons = 1;
  bool check = false;
  bool quiet = false;
  bool engine = false;
  std::string saveDir;
  std::string loadFile;
  std::string dataDir;
  bool exportTeam = false;
};

struct SeasonTally {
  int matches = 0, goals = 0, homeWins = 0, draws = 0, awayWins = 0, maxGoals = 0;
  int bookings = 0, sentOff = 0;  // players booked (once or twice) and sent off
};

int Usage(const char* why) {
  std::fprintf(stderr,
               "career: %s\n"
               "usage: career --country C --club N --seed S --seasons K [--check] [--save DIR] [--load FILE]\n"
               "              [--data DIR] [--quiet] [--engine] [--export-team]\n"
               "  --seasons 0 starts the career and plays nothing; --export-team then writes the human club's\n"
               "  team to the export folder (a:\\SaveTeam) as the front end's File menu does\n",
               why);
  return 2;
}

bool ParseInt(const char* text, long low, long high, long* out) {
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  if (end == text || *end != '\0' || value < low || value > high) return false;
  *out = value;
  return true;
}

int ParseOptions(int argc, char** argv, Options* o) {
  for (int i = 1; i < argc; ++i) {
    const std::string word = argv[i];
    auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
    long n = 0;
    if (word == "--check") {
      o->check = true;
    } else if (word == "--export-team") {
      o->exportTeam = true;
    } else if (word == "--quiet") {
      o->quiet = true;
    } else if (word == "--engine") {
      o->engine = true;
    } else if (word == "--country") {
      const char* v = value();
      if (!v || !ParseInt(v, 0, NUM_GAME_COUNTRIES - 1, &n)) return Usage("--country takes 0-8");
      o->country = static_cast<int>(n);
    } else if (word == "--club") {
      const char* v = value();
      if (!v || !ParseInt(v, -1, NUM_CLUBS - 1, &n)) return Usage("--club takes a world club 0-249 (or -1)");
      o->club = static_cast<int>(n);
    } else if (word == "--seed") {
      const char* v = value();
      if (!v || !ParseInt(v, 0, 0x7FFFFFFF, &n)) return Usage("--seed takes a number");
      o->seed = static_cast<uint32_t>(n);
    } else if (word == "--seasons") {
      const char* v = value();
      if (!v || !ParseInt(v, 0, 50, &n)) return Usage("--seasons takes 0-50");
      o->seasons = static_cast<int>(n);
    } else if (word == "--save") {
      const char* v = value();
      if (!v) return Usage("--save takes a folder");
      o->saveDir = v;
    } else if (word == "--load") {
      const char* v = value();
      if (!v) return Usage("--load takes a save file");
      o->loadFile = v;
    } else if (word == "--data") {
      const char* v = value();
      if (!v) return Usage("--data takes a folder");
      o->dataDir = v;
    } else {
      return Usage(("unknown word '" + word + "'").c_str());
    }
  }
  return 0;
}

// The engine as the game starts it, without a screen.
bool StartEngine(const Options& o, const char* argv0) { return StartHeadlessGame(o.dataDir, argv0, "career", 9500); }

// The folder that holds SaveData, made if missing; the working folder moves there.
bool EnterSaveFolder(const fs::path& dir) {
  std::error_code error;
  fs::create_directories(dir / "SaveData", error);
  if (error) {
    std::fprintf(stderr, "career: cannot make %s: %s\n", (dir / "SaveData").string().c_str(),
                 error.message().c_str());
    return false;
  }
  fs::current_path(dir, error);
  return !error;
}

// The human club's team into the export folder's team file, the folder made
// if missing.
bool ExportTeam() {
  const std::string file = fs::absolute(PlatResolvePath(SaveFile_Name(SAVE_FILE_TEAM, 0, false).c_str())).string();
  std::error_code error;
  fs::create_directories(fs::path(file).parent_path(), error);
  BuildTeamExport();
  const int rc = SaveTeamFile();
  if (rc != SAVE_OK) {
    std::fprintf(stderr, "career: cannot write the team file %s: %s (code %d)\n", file.c_str(), SaveGame_LastError(),
                 rc);
    return false;
  }
  std::printf("team exported to %s\n", file.c_str());
  return true;
}

std::string ClubName(int16_t club) {
  if (club < 0 || club >= NUM_CLUBS) return "-";
  return GNW_GetClubName(GNW_GetClubDbId(club));
}

void TallyToday(SeasonTally* t) {
  for (int16_t n = 0; n < NUM_FIXTURES; ++n) {
    const int16_t day = Fixture_GetDay(n);
    if (day == FIXTURE_EMPTY_DAY || day > DayOfSeason) break;
    if (day != DayOfSeason || Fixture_GetCompetition(n) != COMP_LEAGUE || !Fixture_IsPlayed(n)) continue;
    const int home = Fixture_GetHomeGoals(n), away = Fixture_GetAwayGoals(n);
    ++t->matches;
    t->goals += home + away;
    t->maxGoals = std::max({t->maxGoals, home, away});
    if (home > away) ++t->homeWins;
    else if (home < away) ++t->awayWins;
    else ++t->draws;
    const uint8_t* record = Fixture_GetRecord(n)->bytes;
    for (int side = 0; side < 2; ++side)
      for (int e = 0; e < FIXTURE_SIDE_ENTRIES; ++e) {
        const uint8_t flags = record[FIXTURE_SIDE_OFFSET[side] + e * FIXTURE_PLAYER_ENTRY_SIZE + 3];
        t->bookings += (flags & FIXTURE_ENTRY_BOOKED) != 0;
        t->sentOff += (flags & FIXTURE_ENTRY_SENT_OFF) != 0;
      }
  }
}

void PrintTables(int season) {
  LeagueTable_Rebuild(DayOfSeason);
  SortLeagueTables();
  for (int d = 0; d < NUM_DIVISIONS; ++d) {
    const int size = CountryDivisionInfo.sizes[GameCountry][d].value;
    if (size == 0) continue;
    std::printf("season %d division %d final table\n", season, d + 1);
    for (int place = 0; place < size && place < DIVISION_PLACES; ++place) {
      const int16_t club = DivisionTable[d][place];
      if (club == NO_TABLE_CLUB) continue;
      const LeagueTableRow& r = LeagueTable[club];
      std::printf("  %2d %-30s %2d %2d %2d %2d %3d-%-3d %3d\n", place + 1, ClubName(club).c_str(), r.played,
                  r.homeWon + r.awayWon, r.homeDrawn + r.awayDrawn, r.homeLost + r.awayLost, r.homeFor + r.awayFor,
                  r.homeAgainst + r.awayAgainst, r.points);
    }
  }
}

void PrintTopScorers(int season) {
  struct Scorer {
    int16_t player;
    int16_t goals;
  };
  std::vector<Scorer> scorers;
  for (int16_t p = 2; p < PlayerCount; ++p) {
    // A keeper's goal field also counts his clean sheets.
    if (!Career_IsLeagueClub(Player_GetClub(p)) || Player_GetPosition(p) == 0) continue;
    const int16_t goals = Player_GetGoals(p);
    if (goals > 0) scorers.push_back({p, goals});
  }
  std::stable_sort(scorers.begin(), scorers.end(), [](const Scorer& a, const Scorer& b) { return a.goals > b.goals; });
  std::printf("season %d top scorers\n", season);
  for (size_t i = 0; i < scorers.size() && i < 5; ++i) {
    const std::string name = GNW_GetPlayerName(scorers[i].player);
    std::printf("  %-20s %-30s %3d\n", name.c_str(), ClubName(Player_GetClub(scorers[i].player)).c_str(),
                scorers[i].goals);
  }
}

void PrintCupWinners(int season) {
  std::printf("season %d cup winners\n", season);
  for (int cup = 0; cup < NUM_CUP_COMPETITIONS; ++cup) {
    const int16_t winner = Honours_GetHolder(1, HOLDER_CUP0_WINNER + 2 * cup);
    if (winner < 0 || winner >= NUM_CLUBS) continue;
    std::printf("  cup %d %s\n", cup, ClubName(winner).c_str());
  }
}

// Each league division's record holders and the newest entries of the
// transfer log, read through the world facade.
void PrintRecordsAndTransfers(int season) {
  // The country's records come first in every description: print them once.
  std::printf("season %d records\n", season);
  for (int16_t d = 0; d < GNW_GetNumDivisions(); ++d) {
    bool divisionPart = d == 0;
    for (const std::string& line : GNW_DescribeRecordHolders(d)) {
      if (line.rfind("division", 0) == 0) divisionPart = true;
      if (divisionPart) std::printf("  %s\n", line.c_str());
    }
  }
  const int16_t count = TransferLog_Count();
  std::printf("season %d transfer log (%d entries, newest first)\n", season, count);
  for (int16_t k = 0; k < count && k < 10; ++k) {
    const TransferLogEntry* e = TransferLog_GetRecent(k);
    if (e == nullptr) break;
    const std::string seller = e->sellingClub >= 0 ? GNW_GetClubName(e->sellingClub) : "-";
    const std::string buyer = e->buyingClub >= 0 ? GNW_GetClubName(e->buyingClub) : "-";
    std::printf("  %02d/%02d/%d %s: %s -> %s, %d\n", e->day, e->month + 1, e->year, GNW_GetPlayerName(e->player),
                seller.c_str(), buyer.c_str(), e->fee);
  }
}

// The mean age in years of the players (managers aside) of the game
// country's league clubs; a stored age counts from 16.
double LeagueMeanAge() {
  int64_t years = 0;
  int n = 0;
  for (int16_t p = 0; p < PlayerCount; ++p) {
    const int16_t club = Player_GetClub(p);
    if (club < 0 || club >= NUM_CLUBS || Club_GetCountry(club) != GameCountry || Club_GetDivision(club) >= 6 ||
        Player_GetPosition(p) == POSITION_MANAGER)
      continue;
    years += Player_GetAge(p) + 16;
    ++n;
  }
  return n > 0 ? static_cast<double>(years) / n : 0.0;
}

int PlayersUnderContract() {
  int n = 0;
  for (int16_t p = 0; p < PlayerCount; ++p) {
    const int16_t club = Player_GetClub(p);
    if (club >= 0 && club < NUM_CLUBS) ++n;
  }
  return n;
}

// --- the human club's matches in the engine ---------------------------------------------

// One player of an engine match: his figures in the MatchResult and his
// record before the match day booked them.
struct EnginePlayer {
  int16_t player, side, mark, goals, card;
  int16_t goalsBefore, appsBefore, suspensionBefore;
};

struct EngineMatch {
  int16_t fixture, day, code;
  int16_t score[2], shootout[2];
  std::vector<EnginePlayer> players;
};

std::vector<EngineMatch> gEngineMatches;

// The engine's match, noted before the match day books it.
uint8_t* PlayAndNote() {
  const uint8_t* result = PlayFixtureMatch();
  EngineMatch m{};
  m.fixture = MatchDayFixture;
  m.day = DayOfSeason;
  m.code = MatchDayFixture >= 0 ? Fixture_GetCompetition(MatchDayFixture) : -1;
  const uint8_t* setup = GetMatchSetupRecord();
  for (int side = 0; side < 2; ++side) {
    const uint8_t* team = result + TEAM_MATCH_RECORD_OFFSET[side];
    m.score[side] = LoadI16(team + TEAM_GOALS);
    m.shootout[side] = LoadI16(team + TEAM_SHOOTOUT_GOALS);
    for (int place = 0; place < SIDE_OBJECTS; ++place) {
      const int16_t p = LoadI16(setup + SetupPlayerOffset(side, place) + SETUP_PLAYER_NUMBER);
      if (p < 0 || p >= PlayerCount) continue;
      const uint8_t* stats = team + TEAM_PLAYER_STATS + place * MATCH_PLAYER_STATS_SIZE;
      m.players.push_back({p, static_cast<int16_t>(side), LoadI16(stats + PLAYER_STATS_MARK),
                           LoadI16(stats + PLAYER_STATS_GOALS), LoadI16(stats + PLAYER_STATS_CARD_STATE),
                           Player_GetGoals(p), Player_GetApps(p), Player_GetSuspension(p)});
    }
  }
  gEngineMatches.push_back(std::move(m));
  return GetMatchResultRecord();
}

// What the booking should have given one player, against what it gave.
std::string CheckPlayer(const EngineMatch& m, const EnginePlayer& e) {
  if (e.mark <= 0) return "";
  const bool counted = m.code != COMP_FRIENDLY;
  const bool cleanSheet = Player_GetPosition(e.player) == 0 && Player_GetShirt(e.player) < 12 &&
                          m.score[1 - e.side] == 0;
  const int goals = (counted ? std::max<int>(0, e.goals) : 0) + (cleanSheet ? 1 : 0);
  const int apps = counted ? 1 : 0;
  char why[160] = "";
  if (Player_GetGoals(e.player) - e.goalsBefore != goals)
    std::snprintf(why, sizeof why, "goals of %d: %d, not %d", e.player, Player_GetGoals(e.player) - e.goalsBefore,
                  goals);
  else if (Player_GetApps(e.player) - e.appsBefore != apps)
    std::snprintf(why, sizeof why, "appearances of %d: %d, not %d", e.player,
                  Player_GetApps(e.player) - e.appsBefore, apps);
  else if (counted && (e.card == 2 || e.card == 3) && (m.code < 69 || m.code > 116) &&
           Player_GetSuspension(e.player) <= e.suspensionBefore)
    std::snprintf(why, sizeof why, "no ban for %d, sent off", e.player);
  return why;
}

void PrintEngineMatches() {
  for (const EngineMatch& m : gEngineMatches) {
    int goals = 0, apps = 0, sentOff = 0;
    std::string wrong;
    for (const EnginePlayer& e : m.players) {
      if (e.mark > 0) ++apps;
      goals += std::max<int>(0, e.goals);
      sentOff += e.card == 2 || e.card == 3;
      if (wrong.empty()) wrong = CheckPlayer(m, e);
    }
    const int16_t home = m.fixture >= 0 ? Fixture_GetHomeClub(m.fixture) : -1;
    const int16_t away = m.fixture >= 0 ? Fixture_GetAwayClub(m.fixture) : -1;
    const int bookedHome = m.fixture >= 0 ? Fixture_GetHomeGoals(m.fixture) : -1;
    const int bookedAway = m.fixture >= 0 ? Fixture_GetAwayGoals(m.fixture) : -1;
    std::printf("engine day=%d fixture=%d comp=%d score=%d-%d shootout=%d-%d booked=%d-%d goals=%d apps=%d "
                "sent_off=%d players=%s : %s v %s\n",
                m.day, m.fixture, m.code, m.score[0], m.score[1], m.shootout[0], m.shootout[1], bookedHome, bookedAway,
                goals, apps, sentOff, wrong.empty() ? "ok" : ("wrong (" + wrong + ")").c_str(),
                ClubName(home).c_str(), ClubName(away).c_str());
  }
  gEngineMatches.clear();
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (int rc = ParseOptions(argc, argv, &o)) return rc;
  std::error_code noFolder;
  const fs::path startDir = fs::current_path(noFolder);
  const fs::path saveDir = o.saveDir.empty() ? fs::path() : fs::absolute(o.saveDir);
  const fs::path loadFile = o.loadFile.empty() ? fs::path() : fs::absolute(o.loadFile);
  if (!StartEngine(o, argv[0])) return 1;
  if (o.engine) {
    Seam_ConnectMatchEngine();
    MatchEngine.playMatchGetResult = PlayAndNote;
  }

  int16_t human = -1;
  if (!loadFile.empty()) {
    // A save is SaveData\save<N> in the folder that holds SaveData.
    const std::string name = loadFile.filename().string();
    long slot = 0;
    if (name.rfind("save", 0) != 0 || !ParseInt(name.c_str() + 4, 0, 32767, &slot) ||
        loadFile.parent_path().filename() != "SaveData") {
      std::fprintf(stderr, "career: --load wants a file .../SaveData/save<N>, not %s\n", loadFile.string().c_str());
      return 1;
    }
    std::error_code error;
    fs::current_path(loadFile.parent_path().parent_path(), error);
    const int rc = error ? SAVE_OPEN_FAILED : LoadGameSlot(static_cast<int16_t>(slot));
    if (rc != SAVE_OK) {
      std::fprintf(stderr, "career: cannot load %s: %s (code %d)\n", loadFile.string().c_str(),
                   SaveGame_LastError(), rc);
      return 1;
    }
    human = GNW_GetHumanClub(1);
  } else {
    human = Career_StartNew(o.country, o.seed, o.club);
    if (human < 0) {
      std::fprintf(stderr, "career: club %d is no league club of country %d\n", o.club, o.country);
      return 1;
    }
  }
  if (!saveDir.empty() && !EnterSaveFolder(saveDir)) return 1;

  std::printf("career country=%d club=%d (%s) seed=%u year=%d day=%d\n", GameCountry, human, ClubName(human).c_str(),
              o.seed, Year, DayOfSeason);
  WorldCheck_Begin();
  ClubSimCounts_Clear();
  for (int season = 1; season <= o.seasons; ++season) {
    SeasonTally tally;
    const int16_t startCounter = SeasonCounter;
    while (SeasonCounter == startCounter) {
      Career_PlayToday();
      PrintEngineMatches();
      TallyToday(&tally);
      if (DayOfSeason == Postdate && !o.quiet) {
        PrintTables(season);
        PrintTopScorers(season);
      }
      GNW_AdvanceDay();
      ClubSimCounts_NoteSquads();
      if (o.check) {
        std::string rule, detail;
        if (!WorldCheck_Run(&rule, &detail)) {
          std::printf("check failed day=%d season=%d rule=%s %s\n", DayOfSeason, season, rule.c_str(),
                      detail.c_str());
          return 1;
        }
      }
    }
    if (!o.quiet) {
      PrintCupWinners(season);
      PrintRecordsAndTransfers(season);
    }
    std::printf(
        "summary season=%d country=%d matches=%d goals=%d home_wins=%d draws=%d away_wins=%d max_goals=%d "
        "bookings=%d sent_off=%d money=%lld players=%d\n",
        season, GameCountry, tally.matches, tally.goals, tally.homeWins, tally.draws, tally.awayWins, tally.maxGoals,
        tally.bookings, tally.sentOff, static_cast<long long>(WorldCheck_TotalMoney()), PlayersUnderContract());
    const ClubSimCounts& c = ClubSimCount;
    std::printf(
        "clubsim season=%d injuries=%d illnesses=%d awol=%d requests=%d withdrawn=%d transfers=%d fees=%lld "
        "avg_fee=%lld loans=%d contract_moves=%d listed=%d bids=%d renewals=%d reserves_used=%d short_sides=%d "
        "min_squad=%d max_squad=%d abroad=%d retired=%d youth=%d new_managers=%d sacked=%d resigned=%d appointed=%d caretakers=%d "
        "longest_vacancy=%d staff_hired=%d windfalls=%d bailouts=%d ground_works=%d mean_age=%.1f\n",
        season, c.injuries, c.illnesses, c.awol, c.requests, c.withdrawn, c.transfers, static_cast<long long>(c.fees),
        static_cast<long long>(c.transfers > 0 ? c.fees / c.transfers : 0), c.loans, c.contractMoves, c.listed, c.bids,
        c.renewals, c.reservesUsed, c.shortSides, c.minSquad, c.maxSquad, c.transfersAbroad, c.retired, c.youth, c.newManagers, c.sacked,
        c.resigned, c.appointed, c.caretakers, c.longestVacancy, c.staffHired, c.windfalls, c.bailouts, c.groundWorks,
        LeagueMeanAge());
    ClubSimCounts_Clear();
    std::fflush(stdout);
    if (!saveDir.empty()) {
      const int rc = SaveGameSlot(static_cast<int16_t>(season));
      if (rc != SAVE_OK) {
        std::fprintf(stderr, "career: cannot save season %d: %s (code %d)\n", season, SaveGame_LastError(), rc);
        return 1;
      }
      // On as a game loaded from that save goes on.
      RebuildUnsavedState();
    }
  }
  if (o.exportTeam) {
    // The export folder is the user's: beside where the tool was started.
    std::error_code error;
    fs::current_path(startDir, error);
    if (error || !ExportTeam()) return 1;
  }
  return 0;
}
