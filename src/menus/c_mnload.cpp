// The save and load screens and the index of the save slots.
#include "menus/c_mnload.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "engine/bytes.h"
#include "engine/debug.h"
#include "engine/reset.h"
#include "menus/exm_text.h"
#include "menus/machine.h"
#include "menus/menucont.h"
#include "menus/menugfx_files.h"
#include "menus/menupc.h"
#include "platform/platform.h"
#include "world/funcs.h"
#include "world/savegame.h"

SaveSlotIndex SaveIndex;

namespace {

constexpr const char* kIndexTemp = "SaveData\\index.dat.tmp";
constexpr const char* kSaveFolder = "SaveData";
constexpr const char* kAutoSaveName = "AutoSave";
constexpr int16_t kTextLoadGame = 863;
constexpr int16_t kTextSaveGame = 864;
constexpr int16_t kTextSaving = 865;
constexpr int16_t kTextLoading = 866;
constexpr int16_t kTextBlankSlot = 1660;
constexpr int16_t kTextSaveFailed = 1661;
constexpr int16_t kTextLoadFailed = 1662;
constexpr int16_t kTextIndexError = 1663;
constexpr int16_t kTextWrongFormat = 1664;
constexpr int16_t kTextOverwrite = 1999;
constexpr int16_t kMenuOptionInGame = 3;
constexpr int16_t kMenuOptionStartPage = 24;
constexpr int kLoadResultWrongFormat = -20;
constexpr uint16_t kRowTextColour = 0;

struct ScreenState {
  SaveLoadScreenView view{};
  char inputName[SAVE_NAME_SIZE] = {};
  char initialName[SAVE_NAME_SIZE] = {};
  // The autosave button's tables (type 34 items), null while it is not offered.
  const MenuItem* autosaveRegion = nullptr;
  const MenuItem* autosaveList = nullptr;
};
ScreenState gScreen;

// A zero-ended copy of at most size - 1 bytes, the rest of the field zero.
void CopyField(char* out, int size, const char* in, int inSize) {
  std::memset(out, 0, static_cast<size_t>(size));
  const int n = std::min(size - 1, inSize);
  for (int i = 0; i < n && in[i] != '\0'; ++i) out[i] = in[i];
}

void ClearSlot(int slot) {
  std::memset(SaveIndex.names[slot], 0, SAVE_NAME_SIZE);
  std::memset(SaveIndex.descriptions[slot], 0, SAVE_DESCRIPTION_SIZE);
  SaveIndex.flags[slot] = 0;
}

size_t BoundedLength(const char* text, size_t limit) {
  size_t n = 0;
  while (n < limit && text[n] != '\0') ++n;
  return n;
}

bool SlotInUse(int slot) { return SaveIndex.flags[slot] == 1; }

// Creates the save folder; one that exists already is no error.
void EnsureSaveFolder() {
  std::error_code ignored;
  std::filesystem::create_directories(PlatResolvePath(kSaveFolder), ignored);
}

int FailRead(FILE* file, int code, const char* line) {
  DPRINT(DEBUG_FILE, 10, "%s", line);
  std::fclose(file);
  ClearSaveIndex();
  return code;
}

int FailWrite(FILE* file, int code, const char* line) {
  if (line) DPRINT(DEBUG_FILE, 10, "%s", line);
  std::fclose(file);
  PlatRemoveFile(kIndexTemp);
  return code;
}

// The text a table row or message shows.
const char* Text(int16_t number) { return GetTextNoAddr(number); }

// A panel over the bottom of the screen with a word on it while the game
// is written or read.
void ShowWorkingPanel(int x, int width, int16_t text) {
  SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, 0);
  DrawShadeRectangle(x, 440, width, 30, 50);
  DoTextNo(x + width / 2, 455, ALIGN_CENTRED, text);
  UpdateMenuScreen();
  WaitNextFrame();
}

int16_t LoadSlot(int16_t slot) {
  ShowWorkingPanel(300, 266, kTextLoading);
  SetBusyPointer(1);
  const int result = LoadGameSlot(slot);
  if (result < 0) {
    SetBusyPointer(0);
    DoMessageBox(Text(result == kLoadResultWrongFormat ? kTextWrongFormat : kTextLoadFailed), 0);
    return MENU_RESULT_REDRAW;
  }
  FrontEnd_TakeLoadedCareer();
  MenuOption = kMenuOptionInGame;
  SetBusyPointer(0);
  return MENU_RESULT_LEAVE;
}

// The typed name without the blanks that pad the field.
void TakeTypedName(char* out, const char* typed) {
  CopyField(out, SAVE_NAME_SIZE, typed, SAVE_NAME_SIZE);
  for (int i = static_cast<int>(std::strlen(out)) - 1; i >= 0 && out[i] == ' '; --i) out[i] = '\0';
}

// ---- the tables ----

const MenuItem kSlotRow[] = {
    {MI_TEXT_BUTTON, 32, 78, 576, 34, MenuArg(-1), MenuArg(SaveLoadScreen_SlotClick)},
    {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(kRowTextColour), {}},
    {MI_STRING_VAR, 64, 80, ALIGN_LEFT | ALIGN_TOP, sizeof(const char*),
     MenuArg(static_cast<void*>(gScreen.view.labels)), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_STRING_VAR, 64, 95, ALIGN_LEFT | ALIGN_TOP, sizeof(const char*),
     MenuArg(static_cast<void*>(gScreen.view.descriptions)), {}},
    {MI_END, 0, 0, 0, 0, {}, {}},
};

// The last slot row reaches down over the autosave and back buttons: their
// click regions come before the rows so that a click there takes them, and
// they are drawn after the rows.
const MenuItem kAutosaveRegion[] = {
    {MI_CLICK_REGION, 32, 440, 266, 30, MenuArg(-1), MenuArg(SaveLoadScreen_LoadAutosave)},
    {MI_END, 0, 0, 0, 0, {}, {}},
};
const MenuItem kAutosaveButton[] = {
    {MI_TEXT_BUTTON, 32, 440, 266, 30, MenuArg(428), {}},  // "Load Autosave Game"
    {MI_END, 0, 0, 0, 0, {}, {}},
};

}  // namespace

// ---- the index ----

void ClearSaveIndex() {
  for (int slot = 0; slot < SAVE_SLOT_COUNT; ++slot) ClearSlot(slot);
}

int ReadSaveIndex() {
  FILE* file = PlatOpenFile(SAVE_INDEX_FILE, "rb");
  if (!file) {
    DPRINT(DEBUG_FILE, 10, "Opening directory names (Load) - failed\n");
    ClearSaveIndex();
    return 1;
  }
  SaveSlotIndex read{};
  for (int slot = 0; slot < SAVE_SLOT_COUNT; ++slot) {
    char name[SAVE_NAME_SIZE];
    uint8_t flags[4];
    char description[SAVE_DESCRIPTION_FILE_SIZE];
    if (std::fread(name, 1, sizeof name, file) != sizeof name)
      return FailRead(file, -1, "Reading directory names - failed\n");
    if (std::fread(flags, 1, sizeof flags, file) != sizeof flags)
      return FailRead(file, -2, "Reading directory flags - failed\n");
    if (std::fread(description, 1, sizeof description, file) != sizeof description)
      return FailRead(file, -3, "Reading game disription - failed\n");
    CopyField(read.names[slot], SAVE_NAME_SIZE, name, SAVE_NAME_SIZE);
    read.flags[slot] = LoadI32(flags);
    CopyField(read.descriptions[slot], SAVE_DESCRIPTION_SIZE, description, SAVE_DESCRIPTION_FILE_SIZE);
  }
  if (std::fclose(file) != 0) {
    ClearSaveIndex();
    return -4;
  }
  SaveIndex = read;
  return 0;
}

int WriteSaveIndex() {
  FILE* file = PlatOpenFile(kIndexTemp, "wb");
  if (!file) {
    DPRINT(DEBUG_FILE, 10, "Opening directory names (Save) - failed\n");
    return -1;
  }
  // Unbuffered, so that each field's write tells whether it reached the file.
  std::setvbuf(file, nullptr, _IONBF, 0);
  for (int slot = 0; slot < SAVE_SLOT_COUNT; ++slot) {
    char name[SAVE_NAME_SIZE];
    uint8_t flags[4];
    char description[SAVE_DESCRIPTION_FILE_SIZE] = {};
    CopyField(name, SAVE_NAME_SIZE, SaveIndex.names[slot], SAVE_NAME_SIZE);
    StoreI32(flags, SaveIndex.flags[slot]);
    const char* text = SaveIndex.descriptions[slot];
    const size_t length = BoundedLength(text, SAVE_DESCRIPTION_SIZE);
    std::memcpy(description, text, std::min<size_t>(length, SAVE_DESCRIPTION_FILE_SIZE));
    if (std::fwrite(name, 1, sizeof name, file) != sizeof name)
      return FailWrite(file, -2, "Saving directory names - failed\n");
    if (std::fwrite(flags, 1, sizeof flags, file) != sizeof flags)
      return FailWrite(file, -3, "Saving directory flags - failed\n");
    if (std::fwrite(description, 1, sizeof description, file) != sizeof description)
      return FailWrite(file, -4, nullptr);
  }
  if (std::fclose(file) != 0) {
    PlatRemoveFile(kIndexTemp);
    return -5;
  }
  if (PlatRenameFile(kIndexTemp, SAVE_INDEX_FILE) != 0) {
    PlatRemoveFile(kIndexTemp);
    return -5;
  }
  return 0;
}

int AutoSaveGame() {
  const int read = ReadSaveIndex();
  if (read < 0) return read;
  EnsureSaveFolder();
  const int saved = SaveGameSlot(AUTOSAVE_SLOT);
  if (saved != SAVE_OK) return saved;
  CopyField(SaveIndex.names[AUTOSAVE_SLOT], SAVE_NAME_SIZE, kAutoSaveName, SAVE_NAME_SIZE);
  CopyField(SaveIndex.descriptions[AUTOSAVE_SLOT], SAVE_DESCRIPTION_SIZE, kAutoSaveName, SAVE_DESCRIPTION_SIZE);
  SaveIndex.flags[AUTOSAVE_SLOT] = 1;
  return WriteSaveIndex();
}

int CountSaveGames() {
  if (ReadSaveIndex() < 0) return 0;
  int count = 0;
  for (int slot = 0; slot < SAVE_SLOT_COUNT; ++slot)
    if (SlotInUse(slot)) ++count;
  return count;
}

void FormatSaveDescription(char* out, int size) {
  if (!out || size <= 0) return;
  const int season = GNW_GetSeasonNumber();
  const std::string date = GNW_GetDateText();
  const int16_t club = GNW_GetHumanClub(1);
  std::string manager, clubName;
  if (club >= 0) {
    manager = GNW_GetPlayerName(GNW_GetClubManager(club));
    clubName = GNW_GetClubName(GNW_GetClubDbId(club));
  }
  std::snprintf(out, static_cast<size_t>(size), "%s : %d/%d %s : %s %s : %s %s : %s", Text(554), season + 1999,
                season + 2000, Text(593), date.c_str(), Text(30), manager.c_str(), Text(173), clubName.c_str());
}

// ---- the screen ----

int16_t SaveLoadScreen_Handler(const MenuItem*) {
  if (GetMenuEvent() != MENU_EVENT_INIT) return 0;
  const bool load = SaveLoadMode == 1;
  SetScreenHeader(load ? 4 : 0);
  if (ReadSaveIndex() < 0) DoMessageBox(Text(kTextIndexError), 0);
  SaveLoadScreenView& view = gScreen.view;
  for (int slot = 0; slot < SAVE_SLOT_COUNT; ++slot) {
    if (SlotInUse(slot)) {
      view.labels[slot] = SaveIndex.names[slot];
      view.descriptions[slot] = SaveIndex.descriptions[slot];
      view.present[slot] = 1;
    } else {
      view.labels[slot] = Text(kTextBlankSlot);
      view.descriptions[slot] = "";
      view.present[slot] = 0;
    }
  }
  view.title = load ? kTextLoadGame : kTextSaveGame;
  view.autosaveButton = load && view.present[AUTOSAVE_SLOT] == 1;
  gScreen.autosaveRegion = view.autosaveButton ? kAutosaveRegion : nullptr;
  gScreen.autosaveList = view.autosaveButton ? kAutosaveButton : nullptr;
  return 0;
}

int16_t SaveLoadScreen_ClickRow(int row) {
  if (row < 0 || row >= SAVE_SLOT_COUNT) return 0;
  if (SaveLoadMode == 1) return SlotInUse(row) ? LoadSlot(static_cast<int16_t>(row)) : 0;

  gScreen.view.selectedSlot = static_cast<int16_t>(row);
  if (gScreen.view.present[row]) {
    // Only "Yes" (button 1 of the shared list) goes on.
    if (DoQuestionBox(Text(kTextOverwrite), YesNoButtons, 0) != 1) return MENU_RESULT_REDRAW;
  }
  // The field edits the whole width of a name: the current name padded with
  // blanks, or blanks alone.
  std::memset(gScreen.initialName, ' ', SAVE_NAME_SIZE - 1);
  gScreen.initialName[SAVE_NAME_SIZE - 1] = '\0';
  if (gScreen.view.present[row]) {
    const size_t length = BoundedLength(SaveIndex.names[row], SAVE_NAME_SIZE - 1);
    std::memcpy(gScreen.initialName, SaveIndex.names[row], length);
  }
  std::memcpy(gScreen.inputName, gScreen.initialName, SAVE_NAME_SIZE);
  InitTextInput(64, ALIGN_LEFT | ALIGN_TOP, 80 + 36 * row, 512, gScreen.initialName, gScreen.inputName, nullptr,
                SaveConfirm);
  return 0;
}

int16_t SaveLoadScreen_SlotClick(MenuHotspot* hotspot) {
  return hotspot ? SaveLoadScreen_ClickRow(hotspot->repetition) : 0;
}

int16_t SaveLoadScreen_LoadAutosave(MenuHotspot*) {
  if (SaveLoadMode != 1 || !SlotInUse(AUTOSAVE_SLOT)) return 0;
  return LoadSlot(AUTOSAVE_SLOT);
}

int16_t SaveLoadScreen_Back(MenuHotspot*) {
  MenuOption = SaveLoadMode == 1 ? kMenuOptionStartPage : kMenuOptionInGame;
  return MENU_RESULT_LEAVE;
}

int16_t SaveConfirm(int16_t event) {
  if (event != 2) return 0;
  const int slot = gScreen.view.selectedSlot;
  if (slot < 0 || slot >= SAVE_SLOT_COUNT) return 0;
  ShowWorkingPanel(220, 200, kTextSaving);

  char name[SAVE_NAME_SIZE];
  char description[SAVE_DESCRIPTION_SIZE];
  TakeTypedName(name, gScreen.inputName);
  FormatSaveDescription(description, SAVE_DESCRIPTION_SIZE);

  SetBusyPointer(1);
  EnsureSaveFolder();
  // The game first: only a game written whole changes the slot's entry, and
  // an index that cannot be written keeps the old one.
  bool saved = SaveGameSlot(static_cast<int16_t>(slot)) == SAVE_OK;
  if (saved) {
    char oldName[SAVE_NAME_SIZE], oldDescription[SAVE_DESCRIPTION_SIZE];
    const int32_t oldFlags = SaveIndex.flags[slot];
    std::memcpy(oldName, SaveIndex.names[slot], SAVE_NAME_SIZE);
    std::memcpy(oldDescription, SaveIndex.descriptions[slot], SAVE_DESCRIPTION_SIZE);
    std::memcpy(SaveIndex.names[slot], name, SAVE_NAME_SIZE);
    std::memcpy(SaveIndex.descriptions[slot], description, SAVE_DESCRIPTION_SIZE);
    SaveIndex.flags[slot] = 1;
    if (WriteSaveIndex() != 0) {
      std::memcpy(SaveIndex.names[slot], oldName, SAVE_NAME_SIZE);
      std::memcpy(SaveIndex.descriptions[slot], oldDescription, SAVE_DESCRIPTION_SIZE);
      SaveIndex.flags[slot] = oldFlags;
      saved = false;
    }
  }
  if (saved) {
    MenuOption = kMenuOptionInGame;
    SetBusyPointer(0);
    return MENU_RESULT_LEAVE;
  }
  SetBusyPointer(0);
  DoMessageBox(Text(kTextSaveFailed), 0);
  return MENU_RESULT_REDRAW;
}

const SaveLoadScreenView& SaveLoadScreen_View() { return gScreen.view; }
char* SaveLoadScreen_InputName() { return gScreen.inputName; }

const MenuItem SaveLoadMenu[] = {
    {MI_HEADER, 0, 0, 0, 0, MenuArg(SaveLoadScreen_Handler), {}},
    {MI_BACKGROUND, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_SUBTABLE, 0, 0, 1, 0, MenuArg(static_cast<const void*>(ScreenHeaderTable)), {}},
    {MI_BACKGROUND_MARK, 0, 0, 0, 0, {}, {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(2), {}},
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_TEXTNO_VAR, 320, 36, ALIGN_CENTRED, 0, MenuArg(static_cast<void*>(&gScreen.view.title)), {}},
    {MI_SUBTABLE_VAR, 0, 0, 1, 0, MenuArg(static_cast<void*>(&gScreen.autosaveRegion)), {}},
    {MI_CLICK_REGION, 570, 440, 40, 40, MenuArg(-1), MenuArg(SaveLoadScreen_Back)},  // "Back Menu"
    {MI_BUTTON_TYPE, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_SUBTABLE, 0, 0, SAVE_SLOT_COUNT, 36, MenuArg(static_cast<const void*>(kSlotRow)), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_SUBTABLE_VAR, 0, 0, 1, 0, MenuArg(static_cast<void*>(&gScreen.autosaveList)), {}},
    {MI_FILL_COLOUR, 0, 0, 0, 0, MenuArg(0x10A2), {}},
    {MI_STRING_BUTTON, 570, 440, 40, 40, MenuArg("<"), {}},
    {MI_END, 0, 0, 0, 0, {}, MenuArg(DefaultBackHandler)},
};

void SaveLoad_Reset() {
  ClearSaveIndex();
  gScreen = ScreenState{};
  gScreen.view.title = kTextLoadGame;
  gScreen.view.selectedSlot = -1;
  for (int slot = 0; slot < SAVE_SLOT_COUNT; ++slot) {
    gScreen.view.labels[slot] = "";
    gScreen.view.descriptions[slot] = "";
  }
}
REGISTER_RESET(RESET_MENUS, SaveLoad_Reset);
