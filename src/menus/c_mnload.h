// The save and load screens and the index of the save slots.
//
// Eleven slots; slot 10 is the automatic save. Their names and descriptions
// are kept in "SaveData\index.dat": 11 records of 154 bytes back to back (a
// 50-byte zero-padded name, an int32 flag word, 1 for a saved game, 0 for an
// empty slot, and the first 100 bytes of the description), read and written
// whole. The games themselves are the world's save files (world/savegame.h).
//
// The index is written under a temporary name and put in place only once it
// was written and closed whole, so a failed write leaves the old index. A
// save writes the game first and only then its entry of the index; a failed
// save keeps the slot's old entry.
#pragma once

#include <cstdint>

#include "menus/exmenu.h"

constexpr int SAVE_SLOT_COUNT = 11;
constexpr int16_t AUTOSAVE_SLOT = 10;
constexpr int SAVE_NAME_SIZE = 50;
constexpr int SAVE_DESCRIPTION_SIZE = 120;       // in memory
constexpr int SAVE_DESCRIPTION_FILE_SIZE = 100;  // on disk
constexpr int SAVE_INDEX_RECORD_SIZE = SAVE_NAME_SIZE + 4 + SAVE_DESCRIPTION_FILE_SIZE;  // 154
constexpr int SAVE_INDEX_FILE_SIZE = SAVE_SLOT_COUNT * SAVE_INDEX_RECORD_SIZE;           // 1,694
constexpr const char* SAVE_INDEX_FILE = "SaveData\\index.dat";

// The slot index in memory: names and descriptions always zero-ended.
struct SaveSlotIndex {
  char names[SAVE_SLOT_COUNT][SAVE_NAME_SIZE];
  int32_t flags[SAVE_SLOT_COUNT];
  char descriptions[SAVE_SLOT_COUNT][SAVE_DESCRIPTION_SIZE];
};
extern SaveSlotIndex SaveIndex;

// Reads the index: 0 read; 1 no index file; -1 a name, -2 a flag word, -3 a
// description could not be read (the file is short); -4 the file could not
// be closed. Every answer but 0 leaves all 11 slots empty.
int ReadSaveIndex();
// Writes the index: 0 written; -1 the file could not be created; -2 a name,
// -3 a flag word, -4 a description could not be written; -5 the file could
// not be closed or put in place. A failure leaves the old file.
int WriteSaveIndex();
// The automatic save into slot 10 ("AutoSave"): the game first, then the
// index. Answers ReadSaveIndex's failure, SaveGameSlot's failure, or
// WriteSaveIndex's answer.
int AutoSaveGame();
// The slots holding a saved game (0 when the index cannot be read).
int CountSaveGames();
// All 11 slots empty in memory.
void ClearSaveIndex();

// The description a save gives its slot, from the world as it is now:
// "Season : 2003/2004 Date : ... Manager : ... Club : ...", cut to fit.
void FormatSaveDescription(char* out, int size);

// The save/load screen (SaveLoadMode 1 loads, 0 saves).
extern const MenuItem SaveLoadMenu[];

// The screen's handlers (the table calls them; tests too).
int16_t SaveLoadScreen_Handler(const MenuItem* header);
// A click on slot row 0-10.
int16_t SaveLoadScreen_SlotClick(MenuHotspot* hotspot);
int16_t SaveLoadScreen_ClickRow(int row);
int16_t SaveLoadScreen_LoadAutosave(MenuHotspot* hotspot);
int16_t SaveLoadScreen_Back(MenuHotspot* hotspot);
// The text input's finish callback of a save: saves on event 2.
int16_t SaveConfirm(int16_t event);

// What the screen shows and keeps (tests look at them).
struct SaveLoadScreenView {
  int16_t title;                        // 863 "Load Game" or 864 "Save Game"
  bool autosaveButton;
  int16_t present[SAVE_SLOT_COUNT];     // the slots in use when the screen opened
  const char* labels[SAVE_SLOT_COUNT];  // name or "Blank Slot"
  const char* descriptions[SAVE_SLOT_COUNT];
  int16_t selectedSlot;                 // the slot being saved into
};
const SaveLoadScreenView& SaveLoadScreen_View();
// The name being typed for the selected slot (the text input's destination).
char* SaveLoadScreen_InputName();

// Empty index, the screen as at program start.
void SaveLoad_Reset();
