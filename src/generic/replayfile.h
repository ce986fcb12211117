// Saved replays: the ten slot files "Replay00.sav" to "Replay09.sav" in the
// working folder, the in-match screen that saves the ring into a slot, and
// the front end's list that plays a slot back.
//
// A file is exactly 390,251 bytes, little-endian, no padding:
//   0       4        "RP01"
//   4       128      the slot text, zero-ended: "%2d: %s %d - %d %s, %d:%02d"
//                    (slot + 1, first side, its goals, the second side's
//                    goals, second side, the match time in minutes:seconds)
//   132     972      the replay state: zero but int32 replayWrite at 896 and
//                    int32 replayCount at 900
//   1,104   11,897   the MatchSetup, byte for byte
//   13,001  377,250  the ring: 750 frames of 503 bytes, in ring order
//
// A slot is written under a temporary name beside it and put in place only
// once written whole, so a failed save keeps the replay saved there before.
// A slot is read whole into a scratch copy and checked field by field; the
// match's set-up and ring take it only when every check passes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "gamecode/matchrec.h"
#include "gamecode/replay.h"

struct GNMessage;
struct GNDisplayItem;
struct MenuItem;
struct MenuHotspot;

constexpr int REPLAY_SLOTS = 10;
constexpr int REPLAY_MAGIC_SIZE = 4;
constexpr int REPLAY_SLOT_TEXT_SIZE = 128;
constexpr int REPLAY_HEADER_SIZE = REPLAY_MAGIC_SIZE + REPLAY_SLOT_TEXT_SIZE;  // 132
constexpr int REPLAY_FILE_STATE = REPLAY_HEADER_SIZE;                          // 132
constexpr int REPLAY_FILE_SETUP = REPLAY_FILE_STATE + REPLAY_STATE_SIZE;       // 1,104
constexpr int REPLAY_FILE_RING = REPLAY_FILE_SETUP + MATCH_SETUP_SIZE;         // 13,001
constexpr int REPLAY_FILE_SIZE = REPLAY_FILE_RING + static_cast<int>(REPLAY_BUFFER_SIZE);  // 390,251
constexpr const char REPLAY_MAGIC[] = "RP01";

static_assert(REPLAY_FILE_SETUP == 1104 && REPLAY_FILE_RING == 13001 && REPLAY_FILE_SIZE == 390251);

// LoadReplaySlot's answers.
enum ReplayLoadResult : int {
  REPLAY_LOAD_OK = 0,
  REPLAY_LOAD_NO_FILE = -1,       // the file does not open (or no slot 0-9)
  REPLAY_LOAD_SHORT_HEADER = -2,  // fewer than 132 bytes
  REPLAY_LOAD_BAD_MAGIC = -3,     // not "RP01"
  REPLAY_LOAD_SHORT_STATE = -4,   // ends inside the replay state
  REPLAY_LOAD_SHORT_SETUP = -5,   // ends inside the MatchSetup
  REPLAY_LOAD_SHORT_RING = -6,    // ends inside the ring
  REPLAY_LOAD_BAD_CONTENT = -7,   // longer than a replay, or a field the match cannot show
};

// SaveReplaySlot's answers.
enum ReplaySaveResult : int {
  REPLAY_SAVE_OK = 0,
  REPLAY_SAVE_NOTHING = -1,  // no slot 0-9, no ring, or a header the save screen did not prepare
  REPLAY_SAVE_FAILED = -2,   // not written whole: the slot keeps what it held
};

// "Replay%02d.sav".
std::string ReplaySlotFileName(int slot);

// Writes the slot's save-screen header (magic and text), the replay state,
// the MatchSetup and the ring.
int SaveReplaySlot(int slot);

// Reads and checks the slot's file; on success the MatchSetup, the ring,
// replayWrite and replayCount are the file's, the load list's header of the
// slot is the file's header and the display mode is 2 ("Watch"). Any failure
// leaves all of them as they were and logs why.
int LoadReplaySlot(int slot);
// The same reading and checks, taking nothing from the file.
int CheckReplaySlot(int slot);
// The checks of one file image (its whole bytes): REPLAY_LOAD_OK or the
// code LoadReplaySlot would answer; `why` (may be null) gets the reason.
int CheckReplayImage(const uint8_t* image, size_t size, std::string* why);

// The one test both lists use: the file opens, is exactly 390,251 bytes
// and starts with "RP01" and its whole header.
bool ReplaySlotHasReplay(int slot);
// The save screen's headers, read from disk: a slot without a replay gets
// "<Blank Slot>".
void ReadReplaySlotHeaders();
// The load list's headers and rows ("%2d: %s"); a row whose slot text
// starts with "<" is unavailable.
void BuildReplaySlotList();
// The slots 0-9 whose file opens.
int16_t CountReplayFiles();

// What the screens show (slot 0-9; anything else gives "").
const char* ReplaySaveHeaderText(int slot);
const uint8_t* ReplaySaveHeader(int slot);  // the 132 bytes, null for a bad slot
const char* ReplayListHeaderText(int slot);
const char* ReplayListRowText(int slot);
bool ReplayListRowAvailable(int slot);

// The slot text for the match as it stands now (the MatchSetup's team
// names, the score and GetMatchTimeSeconds).
std::string ReplaySlotTextNow(int slot);

// ---- the save screen (a GN menu inside the in-match menus' set of menus) ----

// One opening: the headers read again, no slot chosen; until save or cancel.
void ReplaySaveScreen();
// Region ids of the screen: the slot rows are 0-9.
constexpr int16_t REPLAY_SAVE_REGION_SAVE = 100;
constexpr int16_t REPLAY_SAVE_REGION_CANCEL = 101;
// The screen's callback (tests send it messages).
int16_t ReplaySaveScreen_Callback(const GNMessage* message);
const GNDisplayItem* ReplaySaveScreenMap();
// The slot chosen on the screen (-1 none) and the line under the rows.
int ReplaySaveScreen_ChosenSlot();
const char* ReplaySaveScreen_Status();
// Before an opening: headers read, nothing chosen (ReplaySaveScreen does it).
void ReplaySaveScreen_Open();

// ---- the front end's load list (MenuOption 55) ----

extern const MenuItem ReplaySlotScreen[];
int16_t ReplaySlotScreen_Handler(const MenuItem* header);
// A click on list row 0-9: an unavailable row does nothing; a replay that
// does not pass the checks says "Load Failed" and goes back to the start
// page; any other sets replayMode 3, the chosen slot, MenuOption 56 and
// leaves.
int16_t ReplayLoadRow(MenuHotspot* hotspot);
int16_t ReplayLoadRowAt(int row);
// The back row: MenuOption 24, leave (the next match is live again).
int16_t ReplayLoadBack(MenuHotspot* hotspot);
// The slot the load list chose (-1 none).
int16_t ReplayChosenSlot();

// ---- the match's side ----

// The match run's load of the chosen slot (MatchSeams.loadReplaySlot): 1
// loaded and the playback begun; 0 failed: "Load Failed" shown (or logged),
// the next match is live again and nothing else has changed.
int LoadChosenReplaySlot();
// Asks the match frame to play the whole ring at once and to end the
// period when the playback ends.
void BeginSavedReplayPlayback();

// ---- outside calls (tests replace them) ----

struct ReplayFileSeamTable {
  // The motion clips, loaded if they are not yet (the frames' checks need
  // each clip's frame count).
  void (*ensureMotions)();
};
extern ReplayFileSeamTable ReplayFileSeams;

// The module as at program start (a registered reset).
void ReplayFile_Reset();
