// Saved games on a world made from the generated database: the files' layout,
// save-load-save giving the same bytes, what a load rebuilds, damaged and
// foreign files refused with the world and the old files untouched, failed
// writes that leave the old save in place, the CD slot and the exported team.
#include "world/savegame.h"
#include "world/honours.h"

#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "engine/rand.h"
#include "season/calendar_step.h"
#include "season/fixgen.h"
#include "season/newgame.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "support/scratch_dir.h"
#include "support/source_db.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/history.h"
#include "world/players.h"
#include "world/playerstats.h"
#include "world/worldgen.h"

namespace {

namespace fs = std::filesystem;
using srcdb::Bytes;

constexpr uint32_t kSeed = 2024;
constexpr int kCountry = 0;
constexpr int kDaysPlayed = 80;  // past the first league matchdays
constexpr int16_t kSlot = 3;
constexpr size_t kGameFileSize = 16 + 4 * SAV0_BLOCKS + SAV0_DATA_SIZE + 8;
constexpr size_t kPermFileSize = 16 + 4 * PRM0_BLOCKS + PRM0_DATA_SIZE + 8;

Bytes ReadBytes(const fs::path& path) {
  std::error_code error;
  const auto size = fs::file_size(path, error);
  if (error) return {};
  Bytes bytes(static_cast<size_t>(size));
  std::ifstream in(path, std::ios::binary);
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<size_t>(in.gcount()));
  return bytes;
}
void WriteBytes(const fs::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

fs::path GamePath(int slot) { return fs::path("SaveData") / ("save" + std::to_string(slot)); }
fs::path PermPath(int slot) { return fs::path("SaveData") / ("perm" + std::to_string(slot)); }

// Where a block's size word stands in a file of that kind.
size_t SizeWordAt(SaveFileKind kind, int block) {
  size_t at = 16;
  for (int b = 0; b < block; ++b) at += 4 + static_cast<size_t>(SaveFile_BlockSize(kind, b));
  return at;
}
size_t BlockAt(SaveFileKind kind, int block) { return SizeWordAt(kind, block) + 4; }

// Everything a load may change, saved or not.
struct WorldState {
  Bytes game, perm;
  Bytes leagueTable, movement, abilityChoice;
  int32_t eventsUsed, careersUsed;
  int16_t menuStateWord, inGameWords[2];
  std::string workingName;

  static WorldState Now() {
    WorldState s;
    s.game = SaveFile_WorldImage(SAVE_FILE_GAME);
    s.perm = SaveFile_WorldImage(SAVE_FILE_PERM);
    auto bytesOf = [](const void* p, size_t n) {
      const uint8_t* b = static_cast<const uint8_t*>(p);
      return Bytes(b, b + n);
    };
    s.leagueTable = bytesOf(LeagueTable, sizeof LeagueTable);
    s.movement = bytesOf(LeagueMovement, sizeof LeagueMovement);
    s.abilityChoice = bytesOf(AbilityStatsChoice, sizeof AbilityStatsChoice);
    s.eventsUsed = ClubEventLog_Used();
    s.careersUsed = PlayerCareerLog_Used();
    s.menuStateWord = SavePlaceholders.menuStateWord;
    s.inGameWords[0] = SavePlaceholders.inGameWords[0];
    s.inGameWords[1] = SavePlaceholders.inGameWords[1];
    s.workingName = SavePlaceholders.workingClubName;
    return s;
  }
  bool operator==(const WorldState& o) const {
    return game == o.game && perm == o.perm && leagueTable == o.leagueTable && movement == o.movement &&
           abilityChoice == o.abilityChoice && eventsUsed == o.eventsUsed && careersUsed == o.careersUsed &&
           menuStateWord == o.menuStateWord && inGameWords[0] == o.inGameWords[0] &&
           inGameWords[1] == o.inGameWords[1] && workingName == o.workingName;
  }
};

class SaveGameTest : public EngineTest {
 protected:
  std::optional<ScratchDir> scratch;
  int16_t humanClub = -1;

  void SetUp() override {
    EngineTest::SetUp();
    ASSERT_EQ(srcdb::BuiltTotStat().size(), static_cast<size_t>(TOTSTAT_SIZE)) << "no generated database";
    scratch.emplace("gafferon_savegame");
    fs::create_directories("SaveData");
    StartWindowAndTimer();  // the containers poll the window
    MakeWorld();
  }
  void TearDown() override {
    unsetenv("GAFFERON_CD");
    scratch.reset();
    EngineTest::TearDown();
  }

  // A new game of England from the generated database, then a season's first
  // days: league results, history entries, payments, the tables sorted each
  // day; a human manager; every table of the parts to come holds bytes.
  void MakeWorld() {
    srcdb::MountTotStat(srcdb::BuiltTotStat());
    GameCountry = kCountry;
    GameSeedRandom(kSeed);
    LoadWorldSourceData();
    Club_InitCountryClubs();
    BuildCupSeedingList();
    DivisionClubs_Build();
    CreateWorldPlayers();
    HistoryLogs_Reset();
    ASSERT_EQ(GenerateFixtures(), 0);

    humanClub = 7;
    Club_SetControl(humanClub, 1);
    ViewedClub = humanClub;
    for (int day = 0; day < kDaysPlayed; ++day) PlayDay();

    FillPlaceholders();
  }

  static void PlayDay() {
    for (int16_t n = 0; n < NUM_FIXTURES; ++n) {
      if (Fixture_GetDay(n) != DayOfSeason) continue;
      const int16_t home = Fixture_GetHomeClub(n), away = Fixture_GetAwayClub(n);
      const int32_t hg = GameRandom() % 4, ag = GameRandom() % 3;
      Fixture_SetResult(n, hg, ag);
      Fixture_SetAttendance(n, 10000 + GameRandom() % 20000);
      Club_AddToBalance(home, 1000 * (10 + GameRandom() % 50));
      ClubEventLog_Add(static_cast<int16_t>(GameRandom() % PlayerCount), home, 0, static_cast<int16_t>(hg), 7);
      for (int k = 0; k < 3; ++k) {
        const int16_t player = static_cast<int16_t>(2 + GameRandom() % (PlayerCount - 2));
        if (Player_GetClub(player) < NUM_CLUBS)
          PlayerCareerLog_Add(player, Club_GetDbId(Player_GetClub(player)), 1, static_cast<int16_t>(GameRandom() % 2), 0);
      }
      Player_SetMorale(static_cast<int16_t>(GameRandom() % PlayerCount), static_cast<int32_t>(GameRandom() % 100));
      (void)away;
    }
    LeagueTable_Rebuild(DayOfSeason);
    SortLeagueTables();
    AdvanceDayCounters();
    ++DayOfSeason;
    ++DaysSinceFirstMatch;
  }

  static void FillPlaceholders() {
    uint8_t* p = reinterpret_cast<uint8_t*>(&SavePlaceholders);
    // Every saved placeholder byte a pattern, the counters in their ranges.
    const size_t saved = offsetof(SavePlaceholderTables, menuStateWord);
    for (size_t i = 0; i < saved; ++i) p[i] = static_cast<uint8_t>(i * 7 + 3);
    // The deal tables and the transfer log hold deals too, the log's ring
    // wrapped once.
    TransferLogIndex = 9998;
    for (int16_t n = 0; n < 6; ++n) TransferLog_Append(n, static_cast<int16_t>(20 + n), static_cast<int16_t>(100 + n), 1000 * n);
    GNW_AddHumanSale(1, 40, 3);
    HumanDeals_AddPendingContract(1, 41);
    GNW_AddApproachedPlayer(1, 42);  // not saved
    std::strcpy(reinterpret_cast<char*>(SavePlaceholders.clubScreenName), "Gaffer Athletic");
  }

  // A fresh program: every module as at start, the window up again.
  void FreshProgram() {
    ResetAllModules();
    StartWindowAndTimer();
  }

  // Changes to the world after a save, so a load that took anything would show.
  void ChangeWorld() {
    Club_SetBalance(humanClub, 123456);
    Player_SetWage(10, 77);
    Player_SetSurname(20, 999);
    ++DayOfSeason;
    ClubEventLog_Add(5, humanClub, 0, 1, 7);
    PlayerCareerLog_Add(30, Club_GetDbId(humanClub), 1, 1, 0);
    HonoursSeasons[0].bytes[0] ^= 0xFF;
    SavePlaceholders.menuStateWord = 9;
    LeagueTable_Rebuild(DayOfSeason);
    SortLeagueTables();
  }
};

TEST_F(SaveGameTest, TheFilesHaveTheirFixedLayout) {
  EXPECT_EQ(SaveFile_BlockCount(SAVE_FILE_GAME), SAV0_BLOCKS);
  EXPECT_EQ(SaveFile_BlockCount(SAVE_FILE_PERM), PRM0_BLOCKS);
  EXPECT_EQ(SaveFile_BlockCount(SAVE_FILE_TEAM), TEM1_BLOCKS);
  EXPECT_EQ(SaveFile_WorldImage(SAVE_FILE_GAME).size(), static_cast<size_t>(SAV0_DATA_SIZE));
  EXPECT_EQ(SaveFile_WorldImage(SAVE_FILE_PERM).size(), static_cast<size_t>(PRM0_DATA_SIZE));
  EXPECT_EQ(SaveFile_WorldImage(SAVE_FILE_TEAM).size(), static_cast<size_t>(TEAM_RECORD_SIZE));
  struct Size {
    SaveFileKind kind;
    int block;
    int32_t size;
  };
  const Size sizes[] = {
      {SAVE_FILE_GAME, 0, 168},      {SAVE_FILE_GAME, 1, 168},       {SAVE_FILE_GAME, 3, 1},
      {SAVE_FILE_GAME, 9, 800},      {SAVE_FILE_GAME, 12, 1750},     {SAVE_FILE_GAME, 14, 4},
      {SAVE_FILE_GAME, 31, 2},       {SAVE_FILE_GAME, 37, 10400},    {SAVE_FILE_GAME, 38, 693600},
      {SAVE_FILE_GAME, 39, 520068},  {SAVE_FILE_GAME, 40, 1400000},  {SAVE_FILE_GAME, 46, 8000},
      {SAVE_FILE_GAME, 49, 256},     {SAVE_FILE_GAME, 51, 160000},   {SAVE_FILE_GAME, 63, 64},
      {SAVE_FILE_GAME, 65, 288},     {SAVE_FILE_GAME, 71, 2200000},  {SAVE_FILE_GAME, 72, 500000},
      {SAVE_FILE_GAME, 77, 1618},    {SAVE_FILE_GAME, 85, 958},      {SAVE_FILE_GAME, 86, 684},
      {SAVE_FILE_GAME, 91, 3125},    {SAVE_FILE_GAME, 92, -1},       {SAVE_FILE_GAME, -1, -1},
      {SAVE_FILE_PERM, 0, 2000},     {SAVE_FILE_PERM, 4, 52000},     {SAVE_FILE_PERM, 5, 250000},
      {SAVE_FILE_PERM, 6, 0},        {SAVE_FILE_PERM, 7, 1800},      {SAVE_FILE_TEAM, 0, 5859},
  };
  for (const Size& s : sizes) EXPECT_EQ(SaveFile_BlockSize(s.kind, s.block), s.size) << s.kind << " " << s.block;

  ASSERT_EQ(SaveGameSlot(kSlot), SAVE_OK) << SaveGame_LastError();
  const Bytes game = ReadBytes(GamePath(kSlot)), perm = ReadBytes(PermPath(kSlot));
  ASSERT_EQ(game.size(), kGameFileSize);
  ASSERT_EQ(perm.size(), kPermFileSize);
  EXPECT_EQ(std::memcmp(game.data(), "DAT0SAV0", 8), 0);
  EXPECT_EQ(LoadI32(game.data() + 8), SAV0_DATA_SIZE + 4 * SAV0_BLOCKS);
  EXPECT_EQ(LoadI16(game.data() + 12), SAV0_BLOCKS);
  EXPECT_EQ(std::memcmp(perm.data(), "DAT0PRM0", 8), 0);
  EXPECT_EQ(std::memcmp(game.data() + game.size() - 8, "END0\0\0\0\0", 8), 0);
  EXPECT_FALSE(fs::exists("SaveData/save3.tmp"));
  EXPECT_FALSE(fs::exists("SaveData/perm3.tmp"));

  // Fields little-endian in their blocks; the record tables as they are.
  EXPECT_EQ(game[BlockAt(SAVE_FILE_GAME, SAV0_GAME_COUNTRY)], kCountry);
  EXPECT_EQ(LoadI16(&game[BlockAt(SAVE_FILE_GAME, SAV0_DAY_OF_SEASON)]), DayOfSeason);
  EXPECT_EQ(LoadI16(&game[BlockAt(SAVE_FILE_GAME, SAV0_PLAYER_COUNT)]), PlayerCount);
  EXPECT_EQ(LoadI32(&game[BlockAt(SAVE_FILE_GAME, 14)]), MoneyPool);
  EXPECT_EQ(LoadI16(&game[BlockAt(SAVE_FILE_GAME, 49) + 2]), CupSeedingList[1]);
  const uint8_t* levy = &game[BlockAt(SAVE_FILE_GAME, SAV0_GATE_LEVY_AND_COUNTRY)];
  EXPECT_EQ(levy[0], MoneyRate2);
  EXPECT_EQ(levy[1], kCountry);
  EXPECT_EQ(std::memcmp(&game[BlockAt(SAVE_FILE_GAME, SAV0_PLAYER_RECORDS)], PlayerRecords, sizeof PlayerRecords), 0);
  EXPECT_EQ(std::memcmp(&game[BlockAt(SAVE_FILE_GAME, SAV0_DIVISION_TABLE)], DivisionTable, sizeof DivisionTable), 0);
  EXPECT_EQ(std::memcmp(&game[BlockAt(SAVE_FILE_GAME, SAV0_SQUAD_PROGRESS)],
                        &game[BlockAt(SAVE_FILE_GAME, SAV0_SQUAD_PROGRESS_AGAIN)], 192),
            0);
  // The permanent file's last block: the minor clubs and the first identities again.
  const uint8_t* minor = &perm[BlockAt(SAVE_FILE_PERM, PRM0_MINOR_CLUBS)];
  EXPECT_EQ(std::memcmp(minor, MinorClubsBlock.minorClubs, sizeof MinorClubsBlock.minorClubs), 0);
  EXPECT_EQ(std::memcmp(minor + sizeof MinorClubsBlock.minorClubs, &perm[BlockAt(SAVE_FILE_PERM, PRM0_IDENTITIES)], 120),
            0);
  EXPECT_EQ(LoadI32(&perm[SizeWordAt(SAVE_FILE_PERM, 6)]), 0);  // the empty block: its size word alone
}

TEST_F(SaveGameTest, SaveLoadSaveGivesTheSameFilesAndRebuildsWhatIsNotSaved) {
  const WorldState made = WorldState::Now();
  ASSERT_GT(made.eventsUsed, 0);
  ASSERT_GT(made.careersUsed, 0);
  ASSERT_EQ(SaveGameSlot(kSlot), SAVE_OK) << SaveGame_LastError();
  EXPECT_STREQ(SaveGame_LastError(), "");

  FreshProgram();
  ASSERT_EQ(LoadGameSlot(kSlot), SAVE_OK) << SaveGame_LastError();
  ASSERT_EQ(SaveGameSlot(kSlot + 1), SAVE_OK) << SaveGame_LastError();
  EXPECT_TRUE(ReadBytes(GamePath(kSlot)) == ReadBytes(GamePath(kSlot + 1)));
  EXPECT_TRUE(ReadBytes(PermPath(kSlot)) == ReadBytes(PermPath(kSlot + 1)));

  // What is not saved is as it was: the league rows and their order, the
  // logs' counts, the ability-choice lists.
  const WorldState loaded = WorldState::Now();
  EXPECT_TRUE(loaded.game == made.game);
  EXPECT_TRUE(loaded.perm == made.perm);
  EXPECT_TRUE(loaded.leagueTable == made.leagueTable);
  EXPECT_TRUE(loaded.abilityChoice == made.abilityChoice);
  EXPECT_EQ(loaded.eventsUsed, made.eventsUsed);
  EXPECT_EQ(loaded.careersUsed, made.careersUsed);
  // The logs work on: an addition goes where it would have gone.
  const int16_t player = 40;
  PlayerCareerLog_Add(player, Club_GetDbId(Player_GetClub(player)), 1, 0, 0);
  PlayerCareerLogEntry entries[CAREER_ENTRIES_MAX];
  EXPECT_GT(PlayerCareerLog_GetEntries(player, entries), 0);

  // And the load's own steps, in order.
  EXPECT_EQ(ViewedClub, humanClub);
  EXPECT_EQ(SavePlaceholders.menuStateWord, 1);
  EXPECT_STREQ(SavePlaceholders.workingClubName, "Gaffer Athletic");
  for (const char* call : {"CupDraw_Unpack", "BuildReputationTable", "UnpackCupDrawTable", "LoadNamesFile"})
    EXPECT_EQ(Seam_CountCalls(call), 1) << call;
  EXPECT_EQ(Seam_CountCalls("UpdateTransferWindows"), 1);
  EXPECT_EQ(Seam_CountCalls("PackCupDrawTable"), 1);  // the second save
}

// The database clubs' reputations, which the wage demand of a player held
// abroad and a foreign club's asking price read, come back with the game.
TEST_F(SaveGameTest, TheDatabaseClubsReputationsComeBackWithTheGame) {
  std::vector<uint8_t> made(DbClubReputation, DbClubReputation + sizeof DbClubReputation);
  ASSERT_NE(std::count(made.begin(), made.end(), 0), static_cast<long>(made.size()));
  ASSERT_EQ(SaveGameSlot(kSlot), SAVE_OK) << SaveGame_LastError();
  FreshProgram();
  ASSERT_EQ(DbClub_GetReputation(1), 0);
  ASSERT_EQ(LoadGameSlot(kSlot), SAVE_OK) << SaveGame_LastError();
  EXPECT_TRUE(std::equal(made.begin(), made.end(), DbClubReputation));
}

// The words a load sets itself: the viewed club becomes the human club, the
// menu state word 1, the two in-game words 0, the working name the saved
// name. In the files only the viewed club can differ.
TEST_F(SaveGameTest, OnlyTheWordsTheLoadSetsDiffer) {
  ViewedClub = 55;
  SavePlaceholders.inGameWords[0] = 3;
  SavePlaceholders.inGameWords[1] = -4;
  ASSERT_EQ(SaveGameSlot(kSlot), SAVE_OK);
  ASSERT_EQ(LoadGameSlot(kSlot), SAVE_OK) << SaveGame_LastError();
  EXPECT_EQ(ViewedClub, humanClub);
  EXPECT_EQ(SavePlaceholders.inGameWords[0], 0);
  EXPECT_EQ(SavePlaceholders.inGameWords[1], 0);
  ASSERT_EQ(SaveGameSlot(kSlot + 1), SAVE_OK);
  const Bytes first = ReadBytes(GamePath(kSlot)), second = ReadBytes(GamePath(kSlot + 1));
  ASSERT_EQ(first.size(), second.size());
  const size_t viewed = BlockAt(SAVE_FILE_GAME, SAV0_VIEWED_CLUB);
  std::vector<size_t> differing;
  for (size_t i = 0; i < first.size(); ++i)
    if (first[i] != second[i]) differing.push_back(i);
  EXPECT_EQ(differing, (std::vector<size_t>{viewed}));
  EXPECT_EQ(LoadI16(&second[viewed]), humanClub);

  // Without a human club the viewed club is none.
  Club_SetControl(humanClub, 0);
  ASSERT_EQ(SaveGameSlot(kSlot), SAVE_OK);
  ASSERT_EQ(LoadGameSlot(kSlot), SAVE_OK);
  EXPECT_EQ(ViewedClub, -1);
}

TEST_F(SaveGameTest, LoadingTwiceCountsTheLeagueOnce) {
  const Bytes table(reinterpret_cast<const uint8_t*>(LeagueTable),
                    reinterpret_cast<const uint8_t*>(LeagueTable) + sizeof LeagueTable);
  ASSERT_EQ(SaveGameSlot(kSlot), SAVE_OK);
  ASSERT_EQ(LoadGameSlot(kSlot), SAVE_OK);
  ASSERT_EQ(LoadGameSlot(kSlot), SAVE_OK);
  EXPECT_EQ(std::memcmp(table.data(), LeagueTable, sizeof LeagueTable), 0);
  int32_t played = 0;
  for (const LeagueTableRow& row : LeagueTable) played += row.played;
  EXPECT_GT(played, 0);
}

TEST_F(SaveGameTest, TheLeagueIsRecountedFromTheDaysBeforeToday) {
  // A league fixture of today with a result does not count yet.
  int16_t today = -1;
  for (int16_t n = 0; n < NUM_FIXTURES && today < 0; ++n)
    if (Fixture_GetDay(n) >= DayOfSeason && Fixture_GetCompetition(n) == COMP_LEAGUE) today = n;
  ASSERT_GE(today, 0);
  while (DayOfSeason < Fixture_GetDay(today)) PlayDay();
  const LeagueTableRow before = LeagueTable[Fixture_GetHomeClub(today)];
  Fixture_SetResult(today, 2, 0);
  LeagueMovement[0] = MOVED_UP;
  RebuildLeagueTables();
  const LeagueTableRow& after = LeagueTable[Fixture_GetHomeClub(today)];
  EXPECT_EQ(after.played, before.played);
  EXPECT_EQ(after.points, before.points);
  EXPECT_EQ(after.position, before.position);
  EXPECT_EQ(LeagueMovement[0], MOVED_NOT);
}

// ---- damaged, foreign and wrong files ----

struct Damage {
  const char* name;
  bool perm;                  // the permanent file, else the game file
  void (*apply)(Bytes& file);
  int code;
  const char* message;        // a regular expression
};

void SetGameWord(Bytes& f, int block, int16_t value) { StoreI16(&f[BlockAt(SAVE_FILE_GAME, block)], value); }

// A file of the first `count` blocks (header fixed up).
void KeepBlocks(Bytes& f, SaveFileKind kind, int count) {
  const size_t end = SizeWordAt(kind, count);
  Bytes out(f.begin(), f.begin() + static_cast<long>(end));
  out.insert(out.end(), f.end() - 8, f.end());
  int32_t total = 0;
  for (int b = 0; b < count; ++b) total += 4 + SaveFile_BlockSize(kind, b);
  StoreI32(&out[8], total);
  StoreI16(&out[12], static_cast<int16_t>(count));
  f = out;
}

const Damage kDamages[] = {
    {"empty game file", false, [](Bytes& f) { f.clear(); }, SAVE_READ_FAILED, "shorter than its 16-byte header"},
    {"game file a byte short", false, [](Bytes& f) { f.pop_back(); }, SAVE_READ_FAILED, "ends before its trailer"},
    {"game file cut in the player records", false, [](Bytes& f) { f.resize(BlockAt(SAVE_FILE_GAME, 40) + 1000); },
     SAVE_READ_FAILED, "block 40: the file ends inside a block"},
    {"game file cut before a size word", false, [](Bytes& f) { f.resize(SizeWordAt(SAVE_FILE_GAME, 60) + 2); },
     SAVE_READ_FAILED, "block 60: the file ends before a block's size word"},
    {"game file a byte long", false, [](Bytes& f) { f.push_back(0); }, SAVE_WRONG_FILE, "goes on after its trailer"},
    {"not a container", false, [](Bytes& f) { f[0] = 'd'; }, SAVE_WRONG_FILE, "no DAT0 container"},
    {"header padding", false, [](Bytes& f) { f[14] = 1; }, SAVE_WRONG_FILE, "no DAT0 container"},
    {"permanent file for the game", false, [](Bytes& f) { std::memcpy(&f[4], "PRM0", 4); }, SAVE_WRONG_FILE,
     "save3: the container's tag differs: the file is no SAV0 file"},
    {"team file for the permanent file", true, [](Bytes& f) { std::memcpy(&f[4], "TEM1", 4); }, SAVE_WRONG_FILE,
     "perm3: the container's tag differs: the file is no PRM0 file"},
    {"more blocks than the table", false, [](Bytes& f) { StoreI16(&f[12], SAV0_BLOCKS + 1); }, SAVE_WRONG_FILE,
     "more blocks than the table"},
    {"total length", false, [](Bytes& f) { f[9] ^= 0x10; }, SAVE_WRONG_FILE, "total length"},
    {"a block's size", false, [](Bytes& f) { f[SizeWordAt(SAVE_FILE_GAME, 40)] ^= 1; }, SAVE_WRONG_FILE,
     "block 40: a block's size differs from the table's \\(1400000 bytes\\)"},
    {"fewer blocks", false, [](Bytes& f) { KeepBlocks(f, SAVE_FILE_GAME, 91); }, SAVE_WRONG_FILE,
     "holds 91 of the 92 blocks"},
    {"permanent file with fewer blocks", true, [](Bytes& f) { KeepBlocks(f, SAVE_FILE_PERM, 5); }, SAVE_WRONG_FILE,
     "perm3: the file holds 5 of the 8 blocks"},
    {"trailer", false, [](Bytes& f) { f[f.size() - 6] = 'N'; }, SAVE_WRONG_FILE, "trailer is not END0"},
    {"trailer padding", false, [](Bytes& f) { f[f.size() - 2] = 1; }, SAVE_WRONG_FILE, "trailer is not END0"},
    {"permanent file a byte short", true, [](Bytes& f) { f.pop_back(); }, SAVE_PERM_FAILED, "perm3: .*trailer"},
    {"game country", false, [](Bytes& f) { f[BlockAt(SAVE_FILE_GAME, SAV0_GAME_COUNTRY)] = 9; }, SAVE_WRONG_FILE,
     "game country 9 is outside 0-8"},
    {"the game country's two bytes", false,
     [](Bytes& f) { f[BlockAt(SAVE_FILE_GAME, SAV0_GATE_LEVY_AND_COUNTRY) + 1] = 2; }, SAVE_WRONG_FILE,
     "two game country bytes differ \\(0, 2\\)"},
    {"weekday", false, [](Bytes& f) { SetGameWord(f, SAV0_WEEKDAY, 7); }, SAVE_WRONG_FILE, "weekday 7 is outside 0-6"},
    {"month", false, [](Bytes& f) { SetGameWord(f, SAV0_MONTH, -1); }, SAVE_WRONG_FILE, "month -1 is outside 0-11"},
    {"day of the month", false, [](Bytes& f) { SetGameWord(f, SAV0_DAY_OF_MONTH, 0); }, SAVE_WRONG_FILE,
     "day of the month 0"},
    {"day of the season", false, [](Bytes& f) { SetGameWord(f, SAV0_DAY_OF_SEASON, 367); }, SAVE_WRONG_FILE,
     "day of the season 367"},
    {"player count", false, [](Bytes& f) { SetGameWord(f, SAV0_PLAYER_COUNT, 25001); }, SAVE_WRONG_FILE,
     "player count 25001 is outside 0-25000"},
    {"player count bit flip", false, [](Bytes& f) { f[BlockAt(SAVE_FILE_GAME, SAV0_PLAYER_COUNT) + 1] ^= 0x80; },
     SAVE_WRONG_FILE, "player count -"},
    {"total player count", false, [](Bytes& f) { SetGameWord(f, SAV0_PLAYER_TOTAL_COUNT, 5); }, SAVE_WRONG_FILE,
     "total player count 5 is outside"},
    {"transfer log index", false, [](Bytes& f) { SetGameWord(f, SAV0_TRANSFER_LOG_INDEX, 10001); }, SAVE_WRONG_FILE,
     "transfer log write index 10001"},
    {"a transfer log entry's player", false,
     [](Bytes& f) { StoreI16(&f[BlockAt(SAVE_FILE_GAME, SAV0_TRANSFER_LOG) + 16 * 9999 + 4], 25000); },
     SAVE_WRONG_FILE, "transfer log entry 9999: player 25000 is outside 0-"},
    {"a transfer log entry's month", false,
     [](Bytes& f) { StoreI16(&f[BlockAt(SAVE_FILE_GAME, SAV0_TRANSFER_LOG) + 16 * 2 + 12], 12); },
     SAVE_WRONG_FILE, "transfer log entry 2: month 12 is outside 0-11"},
    {"a transfer log entry's club", false,
     [](Bytes& f) { StoreI16(&f[BlockAt(SAVE_FILE_GAME, SAV0_TRANSFER_LOG) + 16 * 7], -2); },
     SAVE_WRONG_FILE, "transfer log entry 7: selling club -2 is outside 0-1199"},
    {"an agreed sale's club", false, [](Bytes& f) { StoreI16(&f[BlockAt(SAVE_FILE_GAME, SAV0_DEAL_SALE_CLUBS)], 250); },
     SAVE_WRONG_FILE, "an agreed sale names club 250"},
    {"an agreed sale without its club", false,
     [](Bytes& f) { StoreI16(&f[BlockAt(SAVE_FILE_GAME, SAV0_DEAL_SALE_CLUBS)], -1); }, SAVE_WRONG_FILE,
     "an agreed sale names club -1"},
    {"a pending contract's player", false,
     [](Bytes& f) { StoreI16(&f[BlockAt(SAVE_FILE_GAME, SAV0_DEAL_CONTRACTS) + 6], -5); }, SAVE_WRONG_FILE,
     "a pending contract names player -5"},
    {"a short-listed player", false,
     [](Bytes& f) { StoreI16(&f[BlockAt(SAVE_FILE_GAME, SAV0_SHORT_LIST) + 2 * 39], 25000); }, SAVE_WRONG_FILE,
     "the short list names player 25000"},
    {"the job offer's club", false, [](Bytes& f) { StoreI16(&f[BlockAt(SAVE_FILE_GAME, SAV0_JOB_OFFER)], 250); },
     SAVE_WRONG_FILE, "the job offer is damaged"},
    {"the snapshot's two copies", false, [](Bytes& f) { f[BlockAt(SAVE_FILE_GAME, SAV0_SQUAD_PROGRESS_AGAIN)] ^= 4; },
     SAVE_WRONG_FILE, "two copies of the squad progress snapshot differ"},
    {"fixture order", false,
     [](Bytes& f) {
       uint8_t* first = &f[BlockAt(SAVE_FILE_GAME, SAV0_FIXTURES)];
       const uint32_t nextDay = LoadU32(first + FIXTURE_RECORD_SIZE) & 0x1FF;
       StoreU32(first, (LoadU32(first) & ~0x1FFu) | (nextDay + 1));  // a later day before it
     },
     SAVE_WRONG_FILE, "fixture 1 \\(day [0-9]+\\) stands after a fixture of day [0-9]+"},
    {"empty slot before a fixture", false,
     [](Bytes& f) { StoreU32(&f[BlockAt(SAVE_FILE_GAME, SAV0_FIXTURES)], 511); }, SAVE_WRONG_FILE,
     "fixture 1 \\(day .*\\) stands after a fixture of day 511"},
    {"competition code", false,
     [](Bytes& f) {
       uint8_t* first = &f[BlockAt(SAVE_FILE_GAME, SAV0_FIXTURES)];
       StoreU32(first, LoadU32(first) | (119u << 9));
     },
     SAVE_WRONG_FILE, "fixture 0 has competition code 119"},
    {"a division table place naming no world club", false,
     [](Bytes& f) { f[BlockAt(SAVE_FILE_GAME, SAV0_DIVISION_TABLE) + 5] = 250; }, SAVE_WRONG_FILE,
     "the division table names club 250"},
    {"a division club list naming no world club", false,
     [](Bytes& f) { StoreI16(&f[BlockAt(SAVE_FILE_GAME, 65)], 400); }, SAVE_WRONG_FILE,
     "the division club lists names club 400"},
    {"a title holder naming no world club", false,
     [](Bytes& f) { f[BlockAt(SAVE_FILE_GAME, 37) + 3 * 208 + 2] = 251; }, SAVE_WRONG_FILE,
     "the roll of honour names club 251"},
    {"a seeding list entry naming no club", false,
     [](Bytes& f) { StoreI16(&f[BlockAt(SAVE_FILE_GAME, 49) + 2], -7); }, SAVE_WRONG_FILE,
     "the cup seeding list names club -7"},
    {"the identities' two copies", true,
     [](Bytes& f) { f[BlockAt(SAVE_FILE_PERM, PRM0_MINOR_CLUBS) + 1700] ^= 1; }, SAVE_WRONG_FILE,
     "perm3: the two copies of the first player identities differ"},
};

TEST_F(SaveGameTest, BadFilesAreRefusedAndChangeNothing) {
  ASSERT_EQ(SaveGameSlot(kSlot), SAVE_OK);
  const Bytes game = ReadBytes(GamePath(kSlot)), perm = ReadBytes(PermPath(kSlot));
  const WorldState saved = WorldState::Now();
  ChangeWorld();
  const WorldState changed = WorldState::Now();
  ASSERT_FALSE(changed.game == saved.game);
  ASSERT_FALSE(changed.perm == saved.perm);

  for (const Damage& d : kDamages) {
    SCOPED_TRACE(d.name);
    Bytes file = d.perm ? perm : game;
    d.apply(file);
    WriteBytes(GamePath(kSlot), d.perm ? game : file);
    WriteBytes(PermPath(kSlot), d.perm ? file : perm);
    EXPECT_EQ(LoadGameSlot(kSlot), d.code);
    EXPECT_TRUE(std::regex_search(SaveGame_LastError(), std::regex(d.message))) << SaveGame_LastError();
    EXPECT_TRUE(WorldState::Now() == changed);
    // The load wrote nothing.
    EXPECT_TRUE(ReadBytes(GamePath(kSlot)) == (d.perm ? game : file));
    EXPECT_TRUE(ReadBytes(PermPath(kSlot)) == (d.perm ? file : perm));
  }

  // Missing files.
  WriteBytes(GamePath(kSlot), game);
  fs::remove(PermPath(kSlot));
  EXPECT_EQ(LoadGameSlot(kSlot), SAVE_PERM_FAILED);
  EXPECT_TRUE(std::regex_search(SaveGame_LastError(), std::regex("perm3: cannot open")));
  EXPECT_EQ(LoadGameSlot(9), SAVE_OPEN_FAILED);
  EXPECT_TRUE(std::regex_search(SaveGame_LastError(), std::regex("save9: cannot open")));
  EXPECT_TRUE(WorldState::Now() == changed);

  // The sound pair loads after all that.
  WriteBytes(PermPath(kSlot), perm);
  EXPECT_EQ(LoadGameSlot(kSlot), SAVE_OK) << SaveGame_LastError();
  EXPECT_STREQ(SaveGame_LastError(), "");
  EXPECT_FALSE(WorldState::Now() == changed);
}

// Every bit of the container's structure: the header, the size words of a
// few blocks and the trailer. Each flip is refused and changes nothing.
TEST_F(SaveGameTest, EveryFlippedBitOfTheContainerIsRefused) {
  ASSERT_EQ(SaveGameSlot(kSlot), SAVE_OK);
  const Bytes game = ReadBytes(GamePath(kSlot));
  ChangeWorld();
  const WorldState changed = WorldState::Now();
  std::vector<size_t> positions;
  for (size_t i = 0; i < 16; ++i) positions.push_back(i);
  for (int block : std::initializer_list<int>{0, SAV0_GAME_COUNTRY, SAV0_PLAYER_RECORDS, SAV0_CAREER_LOG, SAV0_BLOCKS - 1})
    for (size_t i = 0; i < 4; ++i) positions.push_back(SizeWordAt(SAVE_FILE_GAME, block) + i);
  for (size_t i = 8; i > 0; --i) positions.push_back(game.size() - i);
  // One byte of the file changed in place, and back after the load.
  auto setByte = [](size_t at, uint8_t value) {
    std::fstream file(GamePath(kSlot), std::ios::binary | std::ios::in | std::ios::out);
    file.seekp(static_cast<std::streamoff>(at));
    file.put(static_cast<char>(value));
  };
  int refused = 0;
  for (size_t at : positions) {
    for (int bit = 0; bit < 8; ++bit) {
      setByte(at, static_cast<uint8_t>(game[at] ^ (1 << bit)));
      const int code = LoadGameSlot(kSlot);
      setByte(at, game[at]);
      EXPECT_LT(code, 0) << "byte " << at << " bit " << bit;
      EXPECT_STRNE(SaveGame_LastError(), "");
      refused += code < 0;
    }
  }
  EXPECT_EQ(refused, static_cast<int>(positions.size()) * 8);
  EXPECT_TRUE(WorldState::Now() == changed);
}

TEST_F(SaveGameTest, ADamagedCupDrawTableIsRefused) {
  ASSERT_EQ(SaveGameSlot(kSlot), SAVE_OK);
  ChangeWorld();
  const WorldState changed = WorldState::Now();
  SeasonEngine.cupDrawUnpack = [](const uint8_t*, const uint8_t*, const uint8_t*) -> int16_t { return -5; };
  EXPECT_EQ(LoadGameSlot(kSlot), SAVE_WRONG_FILE);
  EXPECT_TRUE(std::regex_search(SaveGame_LastError(), std::regex("cup draw table is damaged \\(-5\\)")));
  EXPECT_TRUE(WorldState::Now() == changed);
  EXPECT_EQ(Seam_CountCalls("UnpackCupDrawTable"), 0);
}

// ---- failed writes ----

class FailedSaveTest : public SaveGameTest {
 protected:
  Bytes oldGame, oldPerm;
  void SetUp() override {
    SaveGameTest::SetUp();
    ASSERT_EQ(SaveGameSlot(kSlot), SAVE_OK);
    oldGame = ReadBytes(GamePath(kSlot));
    oldPerm = ReadBytes(PermPath(kSlot));
    ChangeWorld();
  }
  void ExpectOldSaveAndNoTemporaries() {
    EXPECT_TRUE(ReadBytes(GamePath(kSlot)) == oldGame);
    EXPECT_TRUE(ReadBytes(PermPath(kSlot)) == oldPerm);
    EXPECT_FALSE(fs::is_regular_file("SaveData/save3.tmp"));
    EXPECT_FALSE(fs::is_regular_file("SaveData/perm3.tmp"));
  }
};

TEST_F(FailedSaveTest, AGameFileThatCannotBeCreated) {
  fs::create_directory("SaveData/save3.tmp");  // in the way of the temporary file
  EXPECT_EQ(SaveGameSlot(kSlot), SAVE_OPEN_FAILED);
  EXPECT_TRUE(std::regex_search(SaveGame_LastError(), std::regex("save3: cannot create SaveData.save3.tmp")));
  ExpectOldSaveAndNoTemporaries();
  EXPECT_TRUE(fs::is_directory("SaveData/save3.tmp"));
}

TEST_F(FailedSaveTest, APermanentFileThatCannotBeCreated) {
  fs::create_directory("SaveData/perm3.tmp");
  EXPECT_EQ(SaveGameSlot(kSlot), SAVE_PERM_FAILED);
  EXPECT_TRUE(std::regex_search(SaveGame_LastError(), std::regex("perm3: cannot create")));
  ExpectOldSaveAndNoTemporaries();  // the game file written first is not put in place either
}

TEST_F(FailedSaveTest, AFileThatCannotBeWrittenWhole) {
  // The file system refuses files over 1 MB: the game file fails half way.
  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  rlimit small = old;
  small.rlim_cur = 1 << 20;
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const int code = SaveGameSlot(kSlot);
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_EQ(code, SAVE_WRITE_FAILED);
  EXPECT_TRUE(std::regex_search(SaveGame_LastError(), std::regex("save3: a block could not be written")))
      << SaveGame_LastError();
  ExpectOldSaveAndNoTemporaries();
}

TEST_F(FailedSaveTest, AFileThatCannotReplaceTheOldOne) {
  fs::remove(GamePath(kSlot));
  fs::create_directory(GamePath(kSlot));  // a folder where the game file goes
  EXPECT_EQ(SaveGameSlot(kSlot), SAVE_CLOSE_FAILED);
  EXPECT_TRUE(std::regex_search(SaveGame_LastError(), std::regex("new file could not replace the old one")));
  EXPECT_TRUE(ReadBytes(PermPath(kSlot)) == oldPerm);
  EXPECT_FALSE(fs::exists("SaveData/save3.tmp"));
  EXPECT_FALSE(fs::exists("SaveData/perm3.tmp"));
}

TEST_F(FailedSaveTest, NoSaveFolderAndATableThatCannotBePacked) {
  fs::rename("SaveData", "Elsewhere");
  EXPECT_EQ(SaveGameSlot(kSlot), SAVE_OPEN_FAILED);
  EXPECT_EQ(SavePermFile(kSlot), SAVE_OPEN_FAILED);
  fs::rename("Elsewhere", "SaveData");
  ExpectOldSaveAndNoTemporaries();

  SeasonEngine.packCupDrawTable = []() -> int16_t { return -2; };
  EXPECT_EQ(SaveGameSlot(kSlot), SAVE_WRITE_FAILED);
  EXPECT_TRUE(std::regex_search(SaveGame_LastError(), std::regex("cup draw table cannot be packed \\(-2\\)")));
  ExpectOldSaveAndNoTemporaries();
}

// ---- the CD slot, the permanent file alone, the exported team ----

TEST_F(SaveGameTest, SlotOneHundredIsReadFromTheCd) {
  EXPECT_EQ(SaveFile_Name(SAVE_FILE_GAME, 100, true), "D:\\SaveData\\save100");
  EXPECT_EQ(SaveFile_Name(SAVE_FILE_PERM, 100, true), "D:\\SaveData\\perm100");
  EXPECT_EQ(SaveFile_Name(SAVE_FILE_GAME, 100, false), "SaveData\\save100");
  EXPECT_EQ(SaveFile_Name(SAVE_FILE_PERM, 12, true), "SaveData\\perm12");
  EXPECT_EQ(SaveFile_Name(SAVE_FILE_TEAM, 0, true), "a:\\SaveTeam");

  setenv("GAFFERON_CD", "disc", 1);
  ASSERT_EQ(SaveGameSlot(100), SAVE_OK);  // written locally
  EXPECT_TRUE(fs::exists("SaveData/save100"));
  fs::create_directories("disc/savedata");
  fs::rename("SaveData/save100", "disc/savedata/SAVE100");
  fs::rename("SaveData/perm100", "disc/savedata/PERM100");
  const WorldState made = WorldState::Now();
  ChangeWorld();
  EXPECT_EQ(LoadGameSlot(100), SAVE_OK) << SaveGame_LastError();
  EXPECT_TRUE(WorldState::Now().game == made.game);
}

TEST_F(SaveGameTest, ThePermanentFileAlone) {
  ASSERT_EQ(SavePermFile(kSlot), SAVE_OK);
  EXPECT_EQ(ReadBytes(PermPath(kSlot)).size(), kPermFileSize);
  const WorldState made = WorldState::Now();
  Player_SetSurname(20, 999);
  std::memset(AbilityStatsChoice, 0, sizeof AbilityStatsChoice);
  std::memset(&PlayerStatTables, 0, sizeof PlayerStatTables);
  EXPECT_EQ(LoadPermFile(kSlot), SAVE_OK);
  const WorldState loaded = WorldState::Now();
  EXPECT_TRUE(loaded.perm == made.perm);
  EXPECT_TRUE(loaded.abilityChoice == made.abilityChoice);  // worked out again from the templates

  const Bytes good = ReadBytes(PermPath(kSlot));
  Bytes file = good;
  std::memcpy(&file[4], "SAV0", 4);
  WriteBytes(PermPath(kSlot), file);
  EXPECT_EQ(LoadPermFile(kSlot), SAVE_WRONG_FILE);
  file = good;
  file.resize(100);
  WriteBytes(PermPath(kSlot), file);
  EXPECT_EQ(LoadPermFile(kSlot), SAVE_READ_FAILED);
  EXPECT_EQ(LoadPermFile(kSlot + 1), SAVE_OPEN_FAILED);
  EXPECT_TRUE(WorldState::Now() == loaded);
}

TEST_F(SaveGameTest, TheExportedTeam) {
  fs::create_directories("export");
  for (int i = 0; i < TEAM_RECORD_SIZE; ++i) SavePlaceholders.teamSlots[TEAM_EXPORT_SLOT][i] = static_cast<uint8_t>(i);
  const Bytes team(SavePlaceholders.teamSlots[TEAM_EXPORT_SLOT],
                   SavePlaceholders.teamSlots[TEAM_EXPORT_SLOT] + TEAM_RECORD_SIZE);
  ASSERT_EQ(SaveTeamFile(), SAVE_OK) << SaveGame_LastError();
  const Bytes file = ReadBytes("export/SaveTeam");
  ASSERT_EQ(file.size(), static_cast<size_t>(16 + 4 + TEAM_RECORD_SIZE + 8));
  EXPECT_EQ(std::memcmp(file.data() + 4, "TEM1", 4), 0);

  std::memset(SavePlaceholders.teamSlots, 0, sizeof SavePlaceholders.teamSlots);
  EXPECT_EQ(LoadTeamFile(0), SAVE_OK);
  EXPECT_EQ(std::memcmp(SavePlaceholders.teamSlots[0], team.data(), TEAM_RECORD_SIZE), 0);
  EXPECT_EQ(std::memcmp(SavePlaceholders.teamSlots[TEAM_EXPORT_SLOT], team.data(), TEAM_RECORD_SIZE), 0);
  EXPECT_EQ(Bytes(SavePlaceholders.teamSlots[1], SavePlaceholders.teamSlots[1] + 4), Bytes(4, 0));

  // Damaged or foreign files change no slot; a file without the block is taken.
  const Bytes slots(reinterpret_cast<uint8_t*>(SavePlaceholders.teamSlots),
                    reinterpret_cast<uint8_t*>(SavePlaceholders.teamSlots) + sizeof SavePlaceholders.teamSlots);
  struct Case {
    Bytes bytes;
    int code;
  };
  Bytes shortFile = file, foreign = file, otherSize = file;
  shortFile.resize(1000);
  std::memcpy(&foreign[4], "OPT0", 4);
  StoreI32(&otherSize[16], TEAM_RECORD_SIZE - 1);
  for (const Case& c : {Case{shortFile, SAVE_READ_FAILED}, Case{foreign, SAVE_READ_FAILED},
                        Case{otherSize, SAVE_READ_FAILED}}) {
    WriteBytes("export/SaveTeam", c.bytes);
    EXPECT_EQ(LoadTeamFile(1), c.code);
    EXPECT_EQ(std::memcmp(slots.data(), SavePlaceholders.teamSlots, slots.size()), 0);
  }
  const uint8_t noBlocks[24] = {'D', 'A', 'T', '0', 'T', 'E', 'M', '1', 0, 0, 0, 0, 0, 0, 0, 0,
                                'E', 'N', 'D', '0', 0, 0, 0, 0};
  WriteBytes("export/SaveTeam", Bytes(noBlocks, noBlocks + sizeof noBlocks));
  EXPECT_EQ(LoadTeamFile(1), SAVE_OK);
  EXPECT_EQ(std::memcmp(SavePlaceholders.teamSlots[1], team.data(), TEAM_RECORD_SIZE), 0);

  EXPECT_EQ(LoadTeamFile(3), SAVE_NO_TEAM_SLOT);
  EXPECT_EQ(CopyLoadedTeamToSlot(-1), SAVE_NO_TEAM_SLOT);
  fs::remove_all("export");
  EXPECT_EQ(LoadTeamFile(0), SAVE_OPEN_FAILED);
  EXPECT_EQ(SaveTeamFile(), SAVE_OPEN_FAILED);
}

TEST_F(SaveGameTest, AResetEmptiesThePlaceholders) {
  ASSERT_EQ(LoadGameSlot(kSlot), SAVE_OPEN_FAILED);
  EXPECT_STRNE(SaveGame_LastError(), "");
  ResetAllModules();
  EXPECT_STREQ(SaveGame_LastError(), "");
  EXPECT_EQ(SavePlaceholders.customTactics[5], 0);
  EXPECT_EQ(SavePlaceholders.divisionTableTail[0], NO_TABLE_CLUB);
  EXPECT_EQ(SavePlaceholders.menuStateWord, 0);
}

}  // namespace
