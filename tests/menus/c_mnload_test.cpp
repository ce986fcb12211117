// The save slot index on disk and the save/load screen: the index's layout
// and round trip, every failure code, the screen's rows and buttons in the
// menu loop, and a career saved and loaded again through the screen's
// handlers.
#include "menus/c_mnload.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "engine/debug.h"
#include "menus/exm_text.h"
#include "menus/menu_harness.h"
#include "menus/menucont.h"
#include "menus/menupc.h"
#include "menus/menuprims.h"
#include "support/career_world.h"
#include "support/scratch_dir.h"
#include "world/funcs.h"
#include "world/savegame.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

const fs::path kIndexPath = fs::path("SaveData") / "index.dat";

Bytes ReadFileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}
void WriteFileBytes(const fs::path& path, const Bytes& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void SetSlot(int slot, const std::string& name, const std::string& description, int32_t flags = 1) {
  std::memset(SaveIndex.names[slot], 0, SAVE_NAME_SIZE);
  std::memset(SaveIndex.descriptions[slot], 0, SAVE_DESCRIPTION_SIZE);
  std::memcpy(SaveIndex.names[slot], name.data(), std::min<size_t>(name.size(), SAVE_NAME_SIZE - 1));
  std::memcpy(SaveIndex.descriptions[slot], description.data(),
              std::min<size_t>(description.size(), SAVE_DESCRIPTION_SIZE - 1));
  SaveIndex.flags[slot] = flags;
}

bool IndexIsEmpty() {
  for (int slot = 0; slot < SAVE_SLOT_COUNT; ++slot)
    if (SaveIndex.names[slot][0] != '\0' || SaveIndex.descriptions[slot][0] != '\0' || SaveIndex.flags[slot] != 0)
      return false;
  return true;
}

// A well-formed index file image with slots 0, 4 and 10 in use.
Bytes SampleIndexImage() {
  Bytes image(SAVE_INDEX_FILE_SIZE, 0);
  for (int slot : {0, 4, 10}) {
    uint8_t* record = image.data() + SAVE_INDEX_RECORD_SIZE * slot;
    const std::string name = "Slot " + std::to_string(slot);
    std::memcpy(record, name.data(), name.size());
    StoreI32(record + 50, 1);
    const std::string description = "Description " + std::to_string(slot);
    std::memcpy(record + 54, description.data(), description.size());
  }
  return image;
}

// The block of the game file where two world images first differ.
std::string FirstDifference(const Bytes& a, const Bytes& b) {
  size_t at = 0;
  for (int block = 0; block < SaveFile_BlockCount(SAVE_FILE_GAME); ++block) {
    const size_t size = static_cast<size_t>(SaveFile_BlockSize(SAVE_FILE_GAME, block));
    for (size_t i = at; i < at + size && i < a.size() && i < b.size(); ++i)
      if (a[i] != b[i]) return "block " + std::to_string(block) + " byte " + std::to_string(i - at);
    at += size;
  }
  return "none";
}

class SaveIndexTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    scratch_ = std::make_unique<ScratchDir>("saveindex");
  }
  void TearDown() override {
    scratch_.reset();
    EngineTest::TearDown();
  }
  std::unique_ptr<ScratchDir> scratch_;
};

// The file is 11 records of 154 bytes: a zero-padded name, the flags word
// little-endian and the description's first 100 bytes; read back, every
// slot is as it was, the descriptions cut to 100 characters.
TEST_F(SaveIndexTest, TheIndexIsWrittenRecordByRecordAndReadBack) {
  fs::create_directories("SaveData");
  const std::string longName(SAVE_NAME_SIZE - 1, 'N');
  const std::string exact100(100, 'd');
  const std::string long119 = std::string(100, 'e') + std::string(19, 'X');
  SetSlot(0, "First career", "Season : 1999/2000");
  SetSlot(3, longName, exact100);
  SetSlot(7, "Seven", long119);
  SetSlot(10, "AutoSave", "AutoSave");
  SetSlot(5, "", "", 0);
  ASSERT_EQ(WriteSaveIndex(), 0);

  const Bytes file = ReadFileBytes(kIndexPath);
  ASSERT_EQ(file.size(), 1694u);
  EXPECT_FALSE(fs::exists("SaveData/index.dat.tmp"));
  const uint8_t* r0 = file.data();
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(r0)), "First career");
  for (int i = 12; i < 50; ++i) EXPECT_EQ(r0[i], 0) << "name padding " << i;
  EXPECT_EQ(LoadI32(r0 + 50), 1);
  const uint8_t* r7 = file.data() + 154 * 7;
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(r7 + 54), 100), std::string(100, 'e'))
      << "a longer description is cut to 100 bytes on disk";
  EXPECT_EQ(r7[154], 0) << "the next record starts after it";
  EXPECT_EQ(LoadI32(file.data() + 154 * 5 + 50), 0);

  ClearSaveIndex();
  ASSERT_EQ(ReadSaveIndex(), 0);
  EXPECT_STREQ(SaveIndex.names[0], "First career");
  EXPECT_STREQ(SaveIndex.names[3], longName.c_str());
  EXPECT_STREQ(SaveIndex.descriptions[3], exact100.c_str()) << "100 characters stay whole";
  EXPECT_STREQ(SaveIndex.descriptions[7], std::string(100, 'e').c_str());
  EXPECT_STREQ(SaveIndex.names[10], "AutoSave");
  const int32_t flags[SAVE_SLOT_COUNT] = {1, 0, 0, 1, 0, 0, 0, 1, 0, 0, 1};
  for (int slot = 0; slot < SAVE_SLOT_COUNT; ++slot) EXPECT_EQ(SaveIndex.flags[slot], flags[slot]) << slot;
  EXPECT_EQ(CountSaveGames(), 4);
}

// A file whose names and descriptions fill their fields with no zero is read
// with every string ended inside its field.
TEST_F(SaveIndexTest, StringsWithoutTerminatorsAreEndedWhenRead) {
  Bytes image(SAVE_INDEX_FILE_SIZE, 'Z');
  for (int slot = 0; slot < SAVE_SLOT_COUNT; ++slot) StoreI32(image.data() + 154 * slot + 50, 1);
  WriteFileBytes(kIndexPath, image);
  ASSERT_EQ(ReadSaveIndex(), 0);
  for (int slot = 0; slot < SAVE_SLOT_COUNT; ++slot) {
    EXPECT_EQ(std::strlen(SaveIndex.names[slot]), 49u);
    EXPECT_EQ(std::strlen(SaveIndex.descriptions[slot]), 100u);
  }
}

// Every way a read fails, each leaving all eleven slots empty; a missing
// file is no error (1). Long files are read for their first 1,694 bytes.
TEST_F(SaveIndexTest, ReadFailuresEmptyEverySlot) {
  const Bytes good = SampleIndexImage();
  const struct {
    const char* name;
    long size;  // -1: no file
    int expected;
  } cases[] = {
      {"no file", -1, 1},
      {"empty file", 0, -1},
      {"short name", 20, -1},
      {"short flags", 52, -2},
      {"short description", 60, -3},
      {"short in record 3's name", 154 * 3 + 10, -1},
      {"short in record 5's flags", 154 * 5 + 51, -2},
      {"short in the last description", 1693, -3},
      {"whole", 1694, 0},
      {"longer", 1800, 0},
  };
  SetDebugLevel(DEBUG_FILE, 10);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all("SaveData");
    if (c.size >= 0) {
      Bytes bytes = good;
      bytes.resize(static_cast<size_t>(c.size), 0);
      WriteFileBytes(kIndexPath, bytes);
    }
    SetSlot(2, "Left over", "from before");
    testing::internal::CaptureStdout();
    EXPECT_EQ(ReadSaveIndex(), c.expected);
    const std::string out = testing::internal::GetCapturedStdout();
    if (c.expected == 0) {
      EXPECT_STREQ(SaveIndex.names[4], "Slot 4");
      EXPECT_STREQ(SaveIndex.descriptions[10], "Description 10");
      EXPECT_EQ(SaveIndex.flags[2], 0);
      EXPECT_EQ(CountSaveGames(), 3);
    } else {
      EXPECT_TRUE(IndexIsEmpty());
      EXPECT_EQ(CountSaveGames(), 0);
    }
    const char* line = c.expected == 1    ? "Opening directory names (Load) - failed\n"
                       : c.expected == -1 ? "Reading directory names - failed\n"
                       : c.expected == -2 ? "Reading directory flags - failed\n"
                       : c.expected == -3 ? "Reading game disription - failed\n"
                                          : "";
    EXPECT_EQ(out, line);
  }
  // Below level 10 of the file channel the lines are not written.
  SetDebugLevel(DEBUG_FILE, 9);
  fs::remove_all("SaveData");
  testing::internal::CaptureStdout();
  EXPECT_EQ(ReadSaveIndex(), 1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

// Writes that fail at each field (the file size limited under the process),
// a folder that cannot take the file, and a file that cannot be put in place:
// each answers its code and leaves the old index as it was.
TEST_F(SaveIndexTest, WriteFailuresAnswerTheirCodeAndKeepTheOldIndex) {
  const Bytes old = SampleIndexImage();
  const struct {
    const char* name;
    rlim_t limit;  // 0: no limit
    int expected;
  } limited[] = {
      {"the first name", 20, -2},
      {"the first flags", 52, -3},
      {"the first description", 60, -4},
      {"record 4's name", 154 * 4 + 1, -2},
      {"the last description", 1693, -4},
  };
  struct rlimit saved {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  for (const auto& c : limited) {
    SCOPED_TRACE(c.name);
    WriteFileBytes(kIndexPath, old);
    SetSlot(1, "New name", "New description");
    struct rlimit small = saved;
    small.rlim_cur = c.limit;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const int result = WriteSaveIndex();
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_EQ(result, c.expected);
    EXPECT_EQ(ReadFileBytes(kIndexPath), old);
    EXPECT_FALSE(fs::exists("SaveData/index.dat.tmp"));
  }
  std::signal(SIGXFSZ, oldHandler);

  // No folder to create the file in: a file stands in the folder's place.
  fs::remove_all("SaveData");
  std::ofstream("SaveData") << "not a folder";
  EXPECT_EQ(WriteSaveIndex(), -1);
  fs::remove("SaveData");

  // The index's name is taken by a folder: the new file cannot replace it.
  fs::create_directories("SaveData/index.dat/inside");
  EXPECT_EQ(WriteSaveIndex(), -5);
  EXPECT_TRUE(fs::is_directory("SaveData/index.dat"));
  EXPECT_FALSE(fs::exists("SaveData/index.dat.tmp"));
}

TEST_F(SaveIndexTest, TheDescriptionNamesSeasonDateManagerAndClub) {
  char text[SAVE_DESCRIPTION_SIZE];
  FormatSaveDescription(text, sizeof text);
  const std::string expected = std::string("Season : 1999/2000 Date : ") + GNW_GetDateText() + " Manager :  Club : ";
  EXPECT_EQ(std::string(text), expected) << "no human club: no names";
  char small[20];
  FormatSaveDescription(small, sizeof small);
  EXPECT_EQ(std::string(small), "Season : 1999/2000 ");
}

// A damaged index is said so when the screen opens, and every slot shows
// as blank.
TEST_F(SaveIndexTest, TheScreenSaysWhenTheIndexIsDamaged) {
  const struct {
    const char* name;
    long size;  // -1: no file
    int boxes;
  } cases[] = {{"damaged", 100, 1}, {"missing", -1, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all("SaveData");
    if (c.size >= 0) WriteFileBytes(kIndexPath, Bytes(static_cast<size_t>(c.size), 'x'));
    MenuPrims_ClearCalls();
    SaveLoadMode = 1;
    SetMenuEvent(MENU_EVENT_INIT);
    EXPECT_EQ(SaveLoadScreen_Handler(SaveLoadMenu), 0);
    int boxes = 0;
    for (const MenuPrimCall& call : MenuPrims_Calls())
      if (call.name == "DoMessageBox" && call.text == "Error Loading Directory") ++boxes;
    EXPECT_EQ(boxes, c.boxes);
    for (int slot = 0; slot < SAVE_SLOT_COUNT; ++slot) EXPECT_STREQ(SaveLoadScreen_View().labels[slot], "Blank Slot");
    EXPECT_FALSE(SaveLoadScreen_View().autosaveButton);
    // Later draws of the screen read nothing.
    SetMenuEvent(MENU_EVENT_DRAW);
    MenuPrims_ClearCalls();
    EXPECT_EQ(SaveLoadScreen_Handler(SaveLoadMenu), 0);
    EXPECT_TRUE(MenuPrims_Calls().empty());
  }
}

// ---- the screen in the menu loop ----

class SaveLoadScreenTest : public menutest::MenuHarness {
 protected:
  bool RunScreen(int mode, const std::vector<menutest::Step>& steps) {
    SaveLoadMode = mode;
    MenuOption = 0;
    return Run(SaveLoadMenu, steps);
  }
};

// The load screen lists the slots by name (else "Blank Slot"), offers the
// autosave button only while slot 10 is in use; the save screen never does;
// "back" goes to the start page from loading and to the game from saving.
TEST_F(SaveLoadScreenTest, RowsTitleAndAutosaveButtonFollowTheIndex) {
  const struct {
    const char* name;
    int mode;
    bool autosaveInUse;
    int16_t title;
    bool button;
    int16_t back;
  } cases[] = {
      {"load, autosave in use", 1, true, 863, true, 24},
      {"load, no autosave", 1, false, 863, false, 24},
      {"save, autosave in use", 0, true, 864, false, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Bytes image = SampleIndexImage();
    if (!c.autosaveInUse) StoreI32(image.data() + 154 * 10 + 50, 0);
    WriteFileBytes(kIndexPath, image);
    MenuPrims_ClearCalls();
    ASSERT_TRUE(RunScreen(c.mode, {menutest::ClickAt(10, 590, 460)}));
    const SaveLoadScreenView& view = SaveLoadScreen_View();
    EXPECT_EQ(view.title, c.title);
    EXPECT_EQ(view.autosaveButton, c.button);
    EXPECT_STREQ(view.labels[0], "Slot 0");
    EXPECT_STREQ(view.descriptions[4], "Description 4");
    EXPECT_STREQ(view.labels[1], "Blank Slot");
    EXPECT_STREQ(view.descriptions[1], "");
    EXPECT_EQ(view.present[4], 1);
    EXPECT_EQ(view.present[10], c.autosaveInUse ? 1 : 0);
    EXPECT_EQ(MenuOption, c.back);
    // Eleven slot rows, 36 apart; the autosave region when offered, and
    // the back region.
    const auto rows = HotspotsOfKind(MI_TEXT_BUTTON);
    ASSERT_EQ(rows.size(), 11u);
    for (int row = 0; row < SAVE_SLOT_COUNT; ++row) {
      EXPECT_EQ(rows[row].x, 32);
      EXPECT_EQ(rows[row].y, 78 + 36 * row);
      EXPECT_EQ(rows[row].repetition, row);
    }
    const auto regions = HotspotsOfKind(MI_CLICK_REGION);
    ASSERT_EQ(regions.size(), c.button ? 2u : 1u);
    if (c.button) {
      EXPECT_EQ(regions[0].y, 440);
      EXPECT_EQ(regions[0].w, 266);
    }
    EXPECT_EQ(regions.back().x, 570);
    EXPECT_EQ(ScreenHeaderBadgeClub(), -1);
  }
}

// A click on an empty row of the load screen does nothing: the screen stays
// until "back".
TEST_F(SaveLoadScreenTest, AnEmptyRowDoesNotLoad) {
  WriteFileBytes(kIndexPath, SampleIndexImage());
  ASSERT_TRUE(RunScreen(1, {menutest::ClickAt(10, 320, 78 + 36 + 17), menutest::ClickAt(40, 590, 460)}));
  EXPECT_EQ(MenuOption, 24) << "left by the back region, not by a load";
}

// ---- a career through the screen's handlers ----

class SaveLoadCareerTest : public CareerWorldTest {
 protected:
  void SetUp() override {
    CareerWorldTest::SetUp();
    human_ = LoadCareerWorld({.country = 0, .seed = 1, .club = -1, .seasons = 0});
    std::error_code ignored;
    fs::remove(kIndexPath, ignored);
  }
  // The screen opened in the mode, as the menu loop opens it.
  void OpenScreen(int mode) {
    SaveLoadMode = mode;
    SetMenuEvent(MENU_EVENT_INIT);
    SaveLoadScreen_Handler(SaveLoadMenu);
  }
  MenuHotspot Row(int row) {
    MenuHotspot spot{};
    spot.repetition = static_cast<int16_t>(row);
    return spot;
  }
  int16_t human_ = -1;
};

// A career saved into a slot through the screen and loaded from it again
// comes back exactly as it was saved; the slot is named and described.
TEST_F(SaveLoadCareerTest, ACareerSavedAndLoadedThroughTheScreenComesBackIdentical) {
  ASSERT_GE(human_, 0);
  OpenScreen(0);
  MenuHotspot row = Row(4);
  EXPECT_EQ(SaveLoadScreen_SlotClick(&row), 0);
  EXPECT_EQ(SaveLoadScreen_View().selectedSlot, 4);
  EXPECT_EQ(std::string(SaveLoadScreen_InputName()), std::string(49, ' ')) << "an empty slot starts blank";
  // What the text input leaves on "accept": the typed name, blank-padded.
  std::string typed = "My career";
  typed.resize(49, ' ');
  std::memcpy(SaveLoadScreen_InputName(), typed.c_str(), 50);
  MenuOption = 0;
  ASSERT_EQ(SaveConfirm(2), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 3);
  EXPECT_EQ(BusyPointerCount(), 0);

  ASSERT_EQ(ReadSaveIndex(), 0);
  EXPECT_STREQ(SaveIndex.names[4], "My career");
  EXPECT_EQ(SaveIndex.flags[4], 1);
  const std::string description = SaveIndex.descriptions[4];
  const std::string expected = std::string("Season : 1999/2000 Date : ") + GNW_GetDateText() +
                               " Manager : " + GNW_GetPlayerName(GNW_GetClubManager(human_)) +
                               " Club : " + GNW_GetClubName(GNW_GetClubDbId(human_));
  EXPECT_EQ(description, expected.substr(0, 100));
  // What a load makes of the saved world: the world as saved, with what the
  // save does not hold worked out again (as a run that goes on after saving
  // does).
  RebuildUnsavedState();
  const Bytes game = SaveFile_WorldImage(SAVE_FILE_GAME);
  const Bytes perm = SaveFile_WorldImage(SAVE_FILE_PERM);

  // The world moves on, then the slot is loaded through the load screen.
  GNW_AdvanceDay();
  ASSERT_NE(SaveFile_WorldImage(SAVE_FILE_GAME), game);
  OpenScreen(1);
  EXPECT_EQ(SaveLoadScreen_View().present[4], 1);
  MenuOption = 0;
  MenuClub = static_cast<int16_t>(human_ + 5);  // the screens looked at another club before the load
  MenuManager = 2;
  EXPECT_EQ(SaveLoadScreen_SlotClick(&row), MENU_RESULT_LEAVE);
  EXPECT_EQ(MenuOption, 3);
  EXPECT_EQ(MenuClub, human_) << "the loaded career's club is the screens' club";
  EXPECT_EQ(MenuManager, 1);
  EXPECT_EQ(BusyPointerCount(), 0);
  EXPECT_TRUE(SaveFile_WorldImage(SAVE_FILE_GAME) == game) << FirstDifference(SaveFile_WorldImage(SAVE_FILE_GAME), game);
  EXPECT_TRUE(SaveFile_WorldImage(SAVE_FILE_PERM) == perm);
}

// Saving over a used slot asks first; "No" keeps its name and description.
// A save that fails keeps the slot's old entry and says "Save Failed"; a
// damaged game file says it is of the wrong format, a missing one "Load
// Failed", and the screen stays.
TEST_F(SaveLoadCareerTest, OverwritesAskAndFailuresKeepTheOldEntry) {
  ASSERT_GE(human_, 0);
  fs::create_directories("SaveData");
  SetSlot(2, "Old game", "Old description");
  ASSERT_EQ(WriteSaveIndex(), 0);
  const Bytes oldIndex = ReadFileBytes(kIndexPath);

  OpenScreen(0);
  MenuPrims_ClearCalls();
  MenuHotspot row = Row(2);
  EXPECT_EQ(SaveLoadScreen_SlotClick(&row), MENU_RESULT_REDRAW);
  ASSERT_FALSE(MenuPrims_Calls().empty());
  EXPECT_EQ(MenuPrims_Calls().back().name, "DoQuestionBox");
  EXPECT_EQ(MenuPrims_Calls().back().text, "Overwrite previously saved game?");
  EXPECT_EQ(ReadFileBytes(kIndexPath), oldIndex);

  // The save itself fails (the game file's place is taken by a folder):
  // slot 6 was empty when the screen opened, and meanwhile holds a game.
  MenuHotspot six = Row(6);
  EXPECT_EQ(SaveLoadScreen_SlotClick(&six), 0) << "an empty slot asks nothing";
  EXPECT_EQ(SaveLoadScreen_View().selectedSlot, 6);
  SetSlot(6, "Old six", "Kept");
  ASSERT_EQ(WriteSaveIndex(), 0);
  const Bytes indexWithSix = ReadFileBytes(kIndexPath);
  fs::create_directories("SaveData/save6/inside");
  std::string typed = "Doomed";
  typed.resize(49, ' ');
  std::memcpy(SaveLoadScreen_InputName(), typed.c_str(), 50);
  MenuPrims_ClearCalls();
  MenuOption = 0;
  EXPECT_EQ(SaveConfirm(0), 0) << "a cancelled field saves nothing";
  EXPECT_EQ(SaveConfirm(2), MENU_RESULT_REDRAW);
  EXPECT_EQ(MenuOption, 0);
  bool failedBox = false;
  for (const MenuPrimCall& call : MenuPrims_Calls())
    if (call.name == "DoMessageBox" && call.text == "Save Failed") failedBox = true;
  EXPECT_TRUE(failedBox);
  EXPECT_EQ(ReadFileBytes(kIndexPath), indexWithSix);
  EXPECT_STREQ(SaveIndex.names[6], "Old six");
  EXPECT_STREQ(SaveIndex.descriptions[6], "Kept");
  EXPECT_EQ(SaveIndex.flags[6], 1);
  EXPECT_EQ(BusyPointerCount(), 0);

  // Loading: slot 2 has no game file, slot 5 a damaged one.
  SetSlot(5, "Damaged", "");
  ASSERT_EQ(WriteSaveIndex(), 0);
  ASSERT_EQ(SaveGameSlot(5), SAVE_OK);
  {
    std::fstream f("SaveData/save5", std::ios::in | std::ios::out | std::ios::binary);
    f.write("XXXX", 4);
  }
  const Bytes world = SaveFile_WorldImage(SAVE_FILE_GAME);
  const struct {
    int row;
    const char* message;
  } loads[] = {{2, "Load Failed"}, {5, "Failed To Load - wrong format.\n\nYou will need to start a new game."}};
  for (const auto& c : loads) {
    SCOPED_TRACE(c.row);
    OpenScreen(1);
    MenuPrims_ClearCalls();
    MenuOption = 0;
    MenuHotspot spot = Row(c.row);
    EXPECT_EQ(SaveLoadScreen_SlotClick(&spot), MENU_RESULT_REDRAW);
    EXPECT_EQ(MenuOption, 0);
    ASSERT_FALSE(MenuPrims_Calls().empty());
    EXPECT_EQ(MenuPrims_Calls().back().name, "DoMessageBox");
    EXPECT_EQ(MenuPrims_Calls().back().text, c.message);
    EXPECT_EQ(BusyPointerCount(), 0);
  }
  EXPECT_TRUE(SaveFile_WorldImage(SAVE_FILE_GAME) == world);
}

// The automatic save writes the game into slot 10 and only then its entry;
// the load screen then offers it, and a failed automatic save leaves the
// index as it was.
TEST_F(SaveLoadCareerTest, AutoSaveWritesTheGameThenItsEntry) {
  ASSERT_GE(human_, 0);
  ASSERT_EQ(AutoSaveGame(), 0);
  RebuildUnsavedState();
  const Bytes game = SaveFile_WorldImage(SAVE_FILE_GAME);
  ASSERT_EQ(ReadSaveIndex(), 0);
  EXPECT_STREQ(SaveIndex.names[10], "AutoSave");
  EXPECT_STREQ(SaveIndex.descriptions[10], "AutoSave");
  EXPECT_EQ(SaveIndex.flags[10], 1);
  EXPECT_EQ(CountSaveGames(), 1);

  GNW_AdvanceDay();
  OpenScreen(1);
  EXPECT_TRUE(SaveLoadScreen_View().autosaveButton);
  EXPECT_EQ(SaveLoadScreen_LoadAutosave(nullptr), MENU_RESULT_LEAVE);
  EXPECT_TRUE(SaveFile_WorldImage(SAVE_FILE_GAME) == game) << FirstDifference(SaveFile_WorldImage(SAVE_FILE_GAME), game);

  // A damaged index is answered unchanged and nothing is saved.
  const Bytes damaged(30, 'x');
  WriteFileBytes(kIndexPath, damaged);
  fs::remove("SaveData/save10");
  EXPECT_EQ(AutoSaveGame(), -1);
  EXPECT_FALSE(fs::exists("SaveData/save10"));
  EXPECT_EQ(ReadFileBytes(kIndexPath), damaged);

  // A failed save leaves the entry unwritten.
  fs::remove(kIndexPath);
  fs::create_directories("SaveData/save10/inside");
  EXPECT_LT(AutoSaveGame(), 0);
  EXPECT_FALSE(fs::exists(kIndexPath));
}

}  // namespace
