// Friendly Setup: team files loaded into the two slots (the slots holding a
// team are what counts), bad files refused with "Load Failed", the venue
// swapped and the match started; Player History: the rows of a career log,
// the totals, the scrolling and the way back. Both screens also run in the
// menu loop.
#include "menus/c_mnfriend.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "menus/exm_text.h"
#include "menus/m_mn0.h"
#include "menus/menu_harness.h"
#include "menus/menucont.h"
#include "menus/menuprims.h"
#include "menus/money.h"
#include "support/career_world.h"
#include "support/scratch_dir.h"
#include "support/test_world.h"
#include "world/funcs.h"
#include "world/history.h"
#include "world/players.h"
#include "world/savegame.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

const char* const kTeamFile = "export/SaveTeam";

int CountLogged(const char* name, const char* text) {
  int n = 0;
  for (const MenuPrimCall& call : MenuPrims_Calls())
    if (call.name == name && call.text == text) ++n;
  return n;
}

Bytes Slot(int n) { return Bytes(SavePlaceholders.teamSlots[n], SavePlaceholders.teamSlots[n] + TEAM_RECORD_SIZE); }

// A team record: its name and players wearing shirts 1 to players.
Bytes TeamRecord(const std::string& name, int players) {
  Bytes r(TEAM_RECORD_SIZE, 0);
  std::memcpy(&r[TEAM_EXPORT_NAME_OFFSET], name.data(), name.size());
  for (int n = 0; n < players; ++n) {
    uint8_t* e = &r[n * TEAM_EXPORT_PLAYER_SIZE];
    const std::string surname = name + std::to_string(n + 1);
    std::memcpy(e, surname.data(), surname.size());
    e[20] = static_cast<uint8_t>(n % 13);
    StoreI16(e + 77, static_cast<int16_t>(n % 13));
    StoreI16(e + 79, static_cast<int16_t>(n + 1));
  }
  return r;
}

// Writes the record as the team file, through the game's own writer; the
// export record is left as it was.
void WriteTeamFile(const Bytes& record) {
  const Bytes kept = Slot(TEAM_EXPORT_SLOT);
  std::memcpy(SavePlaceholders.teamSlots[TEAM_EXPORT_SLOT], record.data(), TEAM_RECORD_SIZE);
  ASSERT_EQ(SaveTeamFile(), SAVE_OK) << SaveGame_LastError();
  std::memcpy(SavePlaceholders.teamSlots[TEAM_EXPORT_SLOT], kept.data(), TEAM_RECORD_SIZE);
}

Bytes ReadFileBytes(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}
void WriteFileBytes(const char* path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

class FriendlySetupTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    scratch_ = std::make_unique<ScratchDir>("friendly");
    fs::create_directories("export");
    StartWindowAndTimer();  // the team file's reader and writer poll the window
    MenuPrims_ClearCalls();
  }
  void TearDown() override {
    scratch_.reset();
    WorldTest::TearDown();
  }
  void Load(int slot, const std::string& name) {
    WriteTeamFile(TeamRecord(name, 16));
    ASSERT_EQ(FriendlySetup_LoadTeam(slot), MENU_RESULT_REDRAW);
    ASSERT_STREQ(FriendlySetup_TeamName(slot), name.c_str());
  }
  std::unique_ptr<ScratchDir> scratch_;
};

// One team gives "You have not loaded two teams"; Team A loaded twice still
// asks for Team B; with both the match starts in game country 0.
TEST_F(FriendlySetupTest, PlayMatchNeedsBothSlotsFilled) {
  MenuOption = 53;
  EXPECT_EQ(FriendlySetup_TeamsLoaded(), 0);
  Load(0, "Alpha");
  EXPECT_EQ(FriendlySetup_TeamsLoaded(), 1);
  EXPECT_EQ(FriendlySetup_PlayMatch(nullptr), MENU_RESULT_REDRAW);
  EXPECT_EQ(FriendlySetup_SwapVenue(nullptr), MENU_RESULT_REDRAW);
  EXPECT_EQ(CountLogged("DoMessageBox", "You have not loaded two teams"), 2);

  Load(0, "Alpha Again");
  EXPECT_EQ(FriendlySetup_TeamsLoaded(), 1) << "the same slot twice is still one team";
  EXPECT_FALSE(FriendlySetup_HoldsTeam(1));
  EXPECT_EQ(FriendlySetup_PlayMatch(nullptr), MENU_RESULT_REDRAW);
  EXPECT_EQ(CountLogged("DoMessageBox", "You have not loaded two teams"), 3);
  EXPECT_EQ(MenuOption, 53);

  Load(1, "Beta");
  EXPECT_EQ(FriendlySetup_TeamsLoaded(), 2);
  GNW_SetGameCountry(3);
  EXPECT_EQ(FriendlySetup_PlayMatch(nullptr), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 54);
  EXPECT_EQ(GNW_GetGameCountry(), 0);
  EXPECT_EQ(CountLogged("DoMessageBox", "You have not loaded two teams"), 3);
}

// The slots exchange every byte (home becomes away); a third load replaces
// the slot's team and leaves the count at 2.
TEST_F(FriendlySetupTest, SwapVenueAndAThirdLoad) {
  Load(0, "Alpha");
  Load(1, "Beta");
  const Bytes a = Slot(0), b = Slot(1);
  EXPECT_EQ(FriendlySetup_SwapVenue(nullptr), MENU_RESULT_REDRAW);
  EXPECT_EQ(Slot(0), b);
  EXPECT_EQ(Slot(1), a);
  EXPECT_STREQ(FriendlySetup_TeamName(0), "Beta");
  EXPECT_STREQ(FriendlySetup_TeamName(1), "Alpha");

  Load(1, "Gamma");
  EXPECT_EQ(FriendlySetup_TeamsLoaded(), 2);
  EXPECT_STREQ(FriendlySetup_TeamName(0), "Beta");
  EXPECT_EQ(Slot(1), TeamRecord("Gamma", 16));

  // What counts is what the slots hold.
  std::memset(SavePlaceholders.teamSlots[1], 0, TEAM_RECORD_SIZE);
  EXPECT_EQ(FriendlySetup_TeamsLoaded(), 1);
  EXPECT_STREQ(FriendlySetup_TeamName(1), "");
  EXPECT_EQ(FriendlySetup_PlayMatch(nullptr), MENU_RESULT_REDRAW);
}

// A file that cannot be read, a damaged or foreign container, a file
// without the team block and records that are not a sound team: each shows
// "Load Failed" and leaves both slots, the export record and the count as
// they were.
TEST_F(FriendlySetupTest, BadFilesShowLoadFailedAndChangeNothing) {
  Load(0, "Alpha");
  const Bytes good = TeamRecord("Beta", 16);
  WriteTeamFile(good);
  const Bytes goodFile = ReadFileBytes(kTeamFile);
  ASSERT_EQ(goodFile.size(), static_cast<size_t>(16 + 4 + TEAM_RECORD_SIZE + 8));

  struct Case {
    const char* what;
    Bytes file;  // empty: no file at all
  };
  std::vector<Case> cases;
  cases.push_back({"no file", {}});
  Bytes damaged = goodFile;
  damaged.resize(1000);
  cases.push_back({"a file cut short", damaged});
  Bytes foreign = goodFile;
  std::memcpy(&foreign[4], "SAV0", 4);
  cases.push_back({"another kind of file", foreign});
  Bytes otherSize = goodFile;
  StoreI32(&otherSize[16], TEAM_RECORD_SIZE - 1);
  cases.push_back({"a block of another size", otherSize});
  const uint8_t noBlocks[24] = {'D', 'A', 'T', '0', 'T', 'E', 'M', '1', 0, 0, 0, 0, 0, 0, 0, 0,
                                'E', 'N', 'D', '0', 0, 0, 0, 0};
  cases.push_back({"a file without the team", Bytes(noBlocks, noBlocks + sizeof noBlocks)});
  auto recordFile = [&](Bytes record) {
    WriteTeamFile(record);
    return ReadFileBytes(kTeamFile);
  };
  Bytes r = good;
  std::memset(&r[TEAM_EXPORT_NAME_OFFSET], 'x', 40);
  cases.push_back({"a name without its end", recordFile(r)});
  r = good;
  r[TEAM_EXPORT_NAME_OFFSET] = 0;
  cases.push_back({"an empty name", recordFile(r)});
  r = good;
  StoreI16(&r[3 * TEAM_EXPORT_PLAYER_SIZE + 79], 7);
  cases.push_back({"a shirt number in the wrong entry", recordFile(r)});
  r = good;
  std::memset(&r[2 * TEAM_EXPORT_PLAYER_SIZE], 'y', 20);
  cases.push_back({"a surname without its end", recordFile(r)});
  r = good;
  StoreI16(&r[5 * TEAM_EXPORT_PLAYER_SIZE + 77], 14);
  r[5 * TEAM_EXPORT_PLAYER_SIZE + 20] = 14;
  cases.push_back({"a position out of range", recordFile(r)});
  r = good;
  r[TEAM_EXPORT_PLAYER_SIZE + 20] = 9;
  cases.push_back({"two different positions", recordFile(r)});
  cases.push_back({"no players", recordFile(TeamRecord("Nobody", 0))});

  for (int slot : {0, 1}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.what) + " into slot " + std::to_string(slot));
      if (c.file.empty())
        fs::remove(kTeamFile);
      else
        WriteFileBytes(kTeamFile, c.file);
      for (int i = 0; i < TEAM_RECORD_SIZE; ++i)
        SavePlaceholders.teamSlots[TEAM_EXPORT_SLOT][i] = static_cast<uint8_t>(i * 7);
      const Bytes slot0 = Slot(0), slot1 = Slot(1), exported = Slot(TEAM_EXPORT_SLOT);
      MenuPrims_ClearCalls();
      EXPECT_EQ(FriendlySetup_LoadTeam(slot), MENU_RESULT_REDRAW);
      EXPECT_EQ(CountLogged("DoMessageBox", "Load Failed"), 1);
      EXPECT_EQ(Slot(0), slot0);
      EXPECT_EQ(Slot(1), slot1);
      EXPECT_EQ(Slot(TEAM_EXPORT_SLOT), exported);
      EXPECT_EQ(FriendlySetup_TeamsLoaded(), 1);
      EXPECT_STREQ(FriendlySetup_TeamName(0), "Alpha");
      EXPECT_STREQ(FriendlySetup_TeamName(1), "");
    }
  }
  EXPECT_EQ(FriendlySetup_LoadTeam(2), 0) << "no third slot";
  EXPECT_EQ(FriendlySetup_LoadTeam(-1), 0);
}

// The game's own export of the human club is a sound team: a name, shirts
// 1-16 in their entries.
TEST_F(FriendlySetupTest, TheGamesOwnExportLoads) {
  BuildTeamExport();
  EXPECT_EQ(FriendlyTeam_Fault(SavePlaceholders.teamSlots[TEAM_EXPORT_SLOT]), nullptr)
      << FriendlyTeam_Fault(SavePlaceholders.teamSlots[TEAM_EXPORT_SLOT]);
  ASSERT_EQ(SaveTeamFile(), SAVE_OK);
  EXPECT_EQ(FriendlySetup_LoadTeam(1), MENU_RESULT_REDRAW);
  EXPECT_TRUE(FriendlySetup_HoldsTeam(1));
  EXPECT_STREQ(FriendlySetup_TeamName(1), GNW_GetClubName(GNW_GetClubDbId(tw::kHumanClub)));
}

TEST_F(FriendlySetupTest, DoneGoesBackToTheStartPage) {
  MenuOption = 53;
  EXPECT_EQ(FriendlySetup_Done(nullptr), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 24);
}

// A new career's own club, exported and loaded back.
class FriendlyCareerTest : public CareerWorldTest {};

TEST_F(FriendlyCareerTest, ANewCareersClubExportsAndLoads) {
  const int16_t human = LoadCareerWorld({.country = 0, .seed = 1, .club = -1, .seasons = 0});
  ASSERT_GE(human, 0);
  ScratchDir scratch("friendly_career");
  fs::create_directories("export");
  BuildTeamExport();
  const char* fault = FriendlyTeam_Fault(SavePlaceholders.teamSlots[TEAM_EXPORT_SLOT]);
  EXPECT_EQ(fault, nullptr) << fault;
  ASSERT_EQ(SaveTeamFile(), SAVE_OK);
  EXPECT_EQ(FriendlySetup_LoadTeam(0), MENU_RESULT_REDRAW);
  EXPECT_EQ(FriendlySetup_LoadTeam(1), MENU_RESULT_REDRAW);
  EXPECT_EQ(FriendlySetup_TeamsLoaded(), 2);
  EXPECT_STREQ(FriendlySetup_TeamName(0), GNW_GetClubName(GNW_GetClubDbId(human)));
}

// ---- Player History ----

CareerEntry Entry(uint8_t season, int16_t club, uint8_t type, int16_t value = 0, uint8_t apps = 0, uint8_t goals = 0,
                  uint8_t perf = 0) {
  CareerEntry e{};
  e.season = season;
  e.club = club;
  e.type = type;
  e.value = value;
  e.apps = apps;
  e.goals = goals;
  e.perf = perf;
  return e;
}

// The player's career log: these entries, in this order.
void SetHistory(int16_t player, std::vector<CareerEntry> entries) {
  int32_t at = 0;
  for (CareerEntry e : entries) {
    e.player = player;
    PlayerCareerLog[at++] = PlayerCareerLogEntry_Encode(e);
  }
  PlayerCareerLog_Reindex();
}

int16_t Draw(int16_t event) {
  SetMenuEvent(event);
  return PlayerHistory_Handler(nullptr);
}

class PlayerHistoryTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    PlayerCareerLog_Clear();
    MenuManager = 1;
  }
  void Open(int16_t player) {
    MenuPlayer = player;
    Draw(MENU_EVENT_INIT);
  }
};

std::string ClubName(int16_t dbClub) { return GNW_GetClubName(dbClub); }

// Each kind of entry in its columns: a season's appearances, goals and
// performance (with the loan mark), a fee in thousands, the event texts, and
// nothing for values outside their tables.
TEST_F(PlayerHistoryTest, RowsShowSeasonsAndEvents) {
  const int16_t club = 12, other = 40;
  int16_t label = -1;
  const int16_t cup = GNW_GetCompPosition(9, &label);
  SetHistory(tw::kForward, {
                               Entry(0, club, 0, 0, 30, 12, 70),
                               Entry(1, other, 0, 1, 5, 1, 60),
                               Entry(1, other, 1, 250),
                               Entry(1, other, 2),
                               Entry(2, club, 3, 1),
                               Entry(2, club, 3, 99),
                               Entry(2, club, 4),
                               Entry(2, club, 5, 25),
                               Entry(2, club, 5, 3),
                               Entry(3, club, 6, 9),
                               Entry(3, club, 6, 25),
                               Entry(3, club, 7),
                               Entry(3, club, 9),
                               Entry(4, club, 0, 0, 0, 0, 90),
                           });
  Open(tw::kForward);
  const PlayerHistoryView& v = PlayerHistory_View();
  EXPECT_STREQ(v.name, GNW_GetPlayerName(tw::kForward));
  EXPECT_EQ(v.goalsHead, 64);
  ASSERT_EQ(v.count, 14);
  EXPECT_EQ(v.first, 0);
  struct Want {
    const char* start;
    const char* end;
    std::string club, apps, goals, perf, event, line;
  };
  const std::string winners = std::string(GetTextNoAddr(cup)) + " " + GetTextNoAddr(1466);
  const Want want[14] = {
      {"1999", "2000", ClubName(club), "30", "12", "70", "", ""},
      {"2000", "2001", ClubName(other), "5", "1", "60", "(On Loan)", ""},
      {"2000", "2001", ClubName(other), "", "", "", PriceToFullStr(250000), ""},
      {"2000", "2001", ClubName(other), "", "", "", "", "(On Loan)"},
      {"2001", "2002", ClubName(club), "", "", "", "", "Flu"},
      {"2001", "2002", ClubName(club), "", "", "", "", ""},
      {"2001", "2002", ClubName(club), "", "", "", "", "Manager"},
      {"2001", "2002", ClubName(club), "", "", "", "", "Player Of The Year"},
      {"2001", "2002", ClubName(club), "", "", "", "", ""},
      {"2002", "2003", ClubName(club), "", "", "", "", winners},
      {"2002", "2003", ClubName(club), "", "", "", "", ""},
      {"2002", "2003", ClubName(club), "", "", "", "", "Sack"},
      {"2002", "2003", ClubName(club), "", "", "", "", ""},
      {"2003", "2004", ClubName(club), "0", "0", "90", "", ""},
  };
  for (int i = 0; i < 14; ++i) {
    SCOPED_TRACE(i);
    const PlayerHistoryRow& r = v.rows[i];
    EXPECT_STREQ(r.seasonStart, want[i].start);
    EXPECT_STREQ(r.separator, "-");
    EXPECT_STREQ(r.seasonEnd, want[i].end);
    EXPECT_EQ(r.club, want[i].club);
    EXPECT_EQ(r.apps, want[i].apps);
    EXPECT_EQ(r.goals, want[i].goals);
    EXPECT_EQ(r.perf, want[i].perf);
    EXPECT_EQ(r.eventText, want[i].event);
    EXPECT_EQ(r.lineText, want[i].line);
  }
  EXPECT_STREQ(v.rows[14].seasonStart, "") << "a row past the last entry is blank";
  EXPECT_STREQ(v.rows[14].club, "");
  // The totals: the two seasons with appearances (not the one without).
  EXPECT_STREQ(v.total.club, "Total");
  EXPECT_STREQ(v.total.apps, "35");
  EXPECT_STREQ(v.total.goals, "13");
  EXPECT_STREQ(v.total.perf, "65");
}

// Without a season of appearances the totals are 0 and the performance is blank.
TEST_F(PlayerHistoryTest, TotalsWithoutSeasons) {
  SetHistory(tw::kKeeper, {Entry(0, 3, 4), Entry(0, 3, 0, 0, 0, 0, 50)});
  Open(tw::kKeeper);
  const PlayerHistoryView& v = PlayerHistory_View();
  EXPECT_EQ(v.goalsHead, 1830) << "a goalkeeper's goals are his clean sheets";
  EXPECT_STREQ(v.total.apps, "0");
  EXPECT_STREQ(v.total.goals, "0");
  EXPECT_STREQ(v.total.perf, "");

  Open(tw::kDefender);  // no entries
  EXPECT_EQ(v.count, 0);
  EXPECT_STREQ(v.rows[0].club, "");
  EXPECT_STREQ(v.total.perf, "");
  Open(-1);  // no player
  EXPECT_EQ(v.count, 0);
  EXPECT_STREQ(v.name, "");
}

// More than fifteen entries scroll until the last is in the bottom row; up
// never goes above the first; fifteen or fewer do not scroll.
TEST_F(PlayerHistoryTest, ScrollingStopsAtBothEnds) {
  struct Case {
    int entries;
    int16_t lastFirst;
  };
  for (const Case c : {Case{20, 5}, Case{16, 1}, Case{15, 0}, Case{3, 0}, Case{0, 0}}) {
    SCOPED_TRACE(c.entries);
    std::vector<CareerEntry> entries;
    for (int i = 0; i < c.entries; ++i) entries.push_back(Entry(static_cast<uint8_t>(i), 5, 0, 0, 1, 0, 50));
    PlayerCareerLog_Clear();
    SetHistory(tw::kForward, entries);
    Open(tw::kForward);
    const PlayerHistoryView& v = PlayerHistory_View();
    for (int i = 0; i < c.lastFirst; ++i) EXPECT_EQ(PlayerHistory_ScrollDown(nullptr), MENU_RESULT_REDRAW);
    EXPECT_EQ(PlayerHistory_ScrollDown(nullptr), 0);
    EXPECT_EQ(v.first, c.lastFirst);
    Draw(MENU_EVENT_DRAW);
    if (c.entries > 0) {
      const int bottom = c.entries - 1 - c.lastFirst;
      EXPECT_EQ(v.rows[bottom].seasonStart, std::to_string(1999 + c.entries - 1)) << "the last entry is shown";
    }
    for (int i = 0; i < c.lastFirst; ++i) EXPECT_EQ(PlayerHistory_ScrollUp(nullptr), MENU_RESULT_REDRAW);
    EXPECT_EQ(PlayerHistory_ScrollUp(nullptr), 0);
    EXPECT_EQ(v.first, 0);
    EXPECT_EQ(v.total.apps, std::to_string(c.entries)) << "the totals cover every entry, shown or not";
  }
}

// Done: a club manager goes back to Manager Reputations; the human manager's
// own player and any other player to the player page, which returns to the
// Manager's Office.
TEST_F(PlayerHistoryTest, DoneByWhoseHistoryItIs) {
  Player_SetManager(tw::kMidfielder, 1);
  struct Case {
    int16_t player;
    int16_t option;
  };
  for (const Case c : {Case{tw::kMidfielder, 69}, Case{tw::kHumanManager, 4}, Case{tw::kForward, 4}}) {
    SCOPED_TRACE(c.player);
    Open(c.player);
    MenuOption = 57;
    EXPECT_EQ(PlayerHistory_Done(nullptr), MENU_RESULT_LEAVE);
    EXPECT_EQ(MenuOption, c.option);
    EXPECT_EQ(MenuPlayer, c.player);
    if (c.option == 4) { EXPECT_EQ(PlayerPageReturnOption(), 3); }
  }
}

// ---- in the menu loop ----

using menutest::ClickAt;

class FriendlyLoopTest : public menutest::MenuHarness {};

// "Load Friendly Team A" and "Load Friendly Team B" read the file; "Swap
// Venue" exchanges them; "Play Match" leaves for option 54.
TEST_F(FriendlyLoopTest, TheButtonsOfFriendlySetup) {
  BuildTestWorld();
  fs::create_directories("export");
  WriteTeamFile(TeamRecord("Alpha", 16));
  MenuOption = 53;
  ASSERT_TRUE(Run(FriendlySetupMenu, {ClickAt(10, 320, 145), ClickAt(60, 320, 285), ClickAt(110, 440, 405),
                                      ClickAt(160, 220, 405)}));
  EXPECT_EQ(FriendlySetup_TeamsLoaded(), 2);
  EXPECT_EQ(MenuOption, 54);
  EXPECT_EQ(ScreenHeaderBadgeClub(), -1);
  EXPECT_EQ(MenuBarRestricted, 1) << "no career: the start page's menu bar";

  MenuOption = 53;
  ASSERT_TRUE(Run(FriendlySetupMenu, {ClickAt(10, 590, 456)}));
  EXPECT_EQ(MenuOption, 24);
}

// Two clicks on the lower arrow scroll two rows; Done opens the player page.
TEST_F(FriendlyLoopTest, PlayerHistoryScrollsAndGoesBack) {
  BuildTestWorld();
  std::vector<CareerEntry> entries;
  for (int i = 0; i < 18; ++i) entries.push_back(Entry(static_cast<uint8_t>(i), 5, 0, 0, 2, 1, 50));
  SetHistory(tw::kForward, entries);
  MenuPlayer = tw::kForward;
  MenuManager = 1;
  MenuOption = 57;
  ASSERT_TRUE(Run(PlayerHistoryMenu, {ClickAt(10, 55, 462), ClickAt(60, 55, 462), ClickAt(110, 55, 447),
                                      ClickAt(160, 55, 462), ClickAt(210, 590, 456)}));
  EXPECT_EQ(PlayerHistory_View().first, 2);
  EXPECT_EQ(MenuOption, 4);
  EXPECT_EQ(PlayerPageReturnOption(), 3);
}

}  // namespace
