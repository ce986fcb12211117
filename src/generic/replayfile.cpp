// Saved replays: the slot files, the in-match save screen and the front
// end's load list (see replayfile.h).
#include "generic/replayfile.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

#include "engine/bytes.h"
#include "engine/debug.h"
#include "engine/reset.h"
#include "gamecode/football.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrun.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "gamecode/motion.h"
#include "menus/exm_text.h"
#include "menus/exmenu.h"
#include "menus/gfx_gen.h"
#include "menus/gnlayer.h"
#include "menus/gnmap.h"
#include "menus/kittab.h"
#include "menus/menucont.h"
#include "menus/menupc.h"
#include "menus/menuprims.h"
#include "platform/platform.h"

namespace {

constexpr int16_t kTextBlankSlot = 1660;
constexpr int16_t kTextLoadFailed = 1662;
constexpr int16_t kTextReplayNotSaved = 1665;
constexpr int16_t kTextSave = 89;
constexpr int16_t kTextCancel = 1366;
constexpr int16_t kMenuOptionStartPage = 24;
constexpr int16_t kMenuOptionPlayMatch = 56;
constexpr int32_t kReplayModeLive = 0;
constexpr int32_t kReplayModeSaved = 3;
constexpr int32_t kFollowUpEndPeriod = 3;  // the match frame ends the period after the replay
constexpr int kRowTextSize = 16 + REPLAY_SLOT_TEXT_SIZE;  // "%2d: " and the slot text

// Ranges of what the match, the menus and the renderers index with.
constexpr int kGridColumns = 15;       // formation columns 0-14
constexpr int kGridRows = 18;          // formation rows 0-17
constexpr int kNoLink = 31;            // a slot's partner bits: 31 none
constexpr int kMarkedMax = 11;         // a marked opponent 1-11 (0 and -1 none)
constexpr int kPositionMax = 13;       // position codes 0-13
constexpr int kBenchMax = SIDE_OBJECTS - 11;  // the five places on the bench
constexpr int kDisplayModes = 3;
constexpr int kCrowdLevels = 4;
constexpr int kDrawnObjects = 35;      // players and officials carry a body motion
constexpr int kCameraObjects = OBJECT_BALL + 1;
constexpr int kPeriods = 5;

// Slot fields (offsets in a 30-byte formation slot; the last slot of a
// record has 25 bytes, and every field below lies within them).
constexpr int kSlotCells[3][2] = {{0, 2}, {4, 6}, {15, 17}};  // main place, run, third point
constexpr int kSlotLink = 8;       // int32: the low five bits the partner slot
constexpr int kSlotMarked = 23;    // int16: the man-marking target
constexpr int kSlotFieldsEnd = 25;
static_assert(TACTICS_HEADER_SIZE + 10 * TACTICS_SLOT_SIZE + kSlotFieldsEnd == TACTICS_RECORD_SIZE);

struct ReplayFileState {
  uint8_t saveHeaders[REPLAY_SLOTS][REPLAY_HEADER_SIZE] = {};
  uint8_t saveHeadersRead[REPLAY_SLOTS][REPLAY_HEADER_SIZE] = {};
  uint8_t listHeaders[REPLAY_SLOTS][REPLAY_HEADER_SIZE] = {};
  char rows[REPLAY_SLOTS][kRowTextSize] = {};
  bool available[REPLAY_SLOTS] = {};
  int saveChosen = -1;
  int16_t loadChosen = -1;
  const char* status = "";
  // What the two screens show, refreshed before each drawing.
  const char* saveTexts[REPLAY_SLOTS] = {};
  int16_t saveBands[REPLAY_SLOTS] = {};
  int16_t saveColours[REPLAY_SLOTS] = {};
  const char* listTexts[REPLAY_SLOTS] = {};
  uint16_t listColours[REPLAY_SLOTS] = {};
};
ReplayFileState gFile;

bool ValidSlot(int slot) { return slot >= 0 && slot < REPLAY_SLOTS; }

const char* HeaderText(const uint8_t* header) { return reinterpret_cast<const char*>(header + REPLAY_MAGIC_SIZE); }

// A header holding "<Blank Slot>" and no magic.
void BlankHeader(uint8_t* header) {
  std::memset(header, 0, REPLAY_HEADER_SIZE);
  std::snprintf(reinterpret_cast<char*>(header + REPLAY_MAGIC_SIZE), REPLAY_SLOT_TEXT_SIZE, "<%s>",
                GetTextNoAddr(kTextBlankSlot));
}

// The slot text always ends within its 128 bytes.
void EndHeaderText(uint8_t* header) { header[REPLAY_HEADER_SIZE - 1] = 0; }

bool MagicMatches(const uint8_t* bytes) { return std::memcmp(bytes, REPLAY_MAGIC, REPLAY_MAGIC_SIZE) == 0; }

// Opens the slot's file for reading; null when it does not open or is no
// plain file.
FILE* OpenSlot(int slot) {
  if (!ValidSlot(slot)) return nullptr;
  const std::string name = ReplaySlotFileName(slot);
  if (!PlatFileExists(name.c_str())) return nullptr;
  return PlatOpenFile(name.c_str(), "rb");
}

// The file whole, one byte past a replay's length at most (so that a longer
// file shows); false when it does not open.
bool ReadSlotImage(int slot, std::vector<uint8_t>* image) {
  FILE* file = OpenSlot(slot);
  if (!file) return false;
  image->assign(static_cast<size_t>(REPLAY_FILE_SIZE) + 1, 0);
  const size_t got = std::fread(image->data(), 1, image->size(), file);
  std::fclose(file);
  image->resize(got);
  return true;
}

// ---- the checks ----

class Checker {
 public:
  explicit Checker(std::string* why) : why_(why) {}
  bool Fail(const char* format, ...) __attribute__((format(printf, 2, 3))) {
    if (why_) {
      char line[160];
      va_list args;
      va_start(args, format);
      std::vsnprintf(line, sizeof line, format, args);
      va_end(args);
      *why_ = line;
    }
    return false;
  }

 private:
  std::string* why_;
};

bool InRange(int value, int low, int high) { return value >= low && value <= high; }

bool Ended(const uint8_t* text, int size) { return std::memchr(text, 0, static_cast<size_t>(size)) != nullptr; }

bool CheckKit(const uint8_t* kit, int side, Checker& c) {
  const int pattern = LoadI16(kit + KIT_PATTERN_OFFSET);
  if (!InRange(pattern, 0, KIT_PATTERNS - 1)) return c.Fail("side %d kit pattern %d", side, pattern);
  for (int part = 0; part < KIT_PARTS; ++part) {
    const int style = LoadI16(kit + KIT_STYLE_OFFSET + 2 * part);
    if (!InRange(style, 0, KIT_STYLE_COUNT - 1)) return c.Fail("side %d kit style %d of part %d", side, style, part);
    const int colourSlot = LoadI16(kit + KIT_PART_SLOT_OFFSET + 2 * part);
    if (!InRange(colourSlot, 1, 3) && colourSlot != KIT_KEEPER_COLOUR_SLOT)
      return c.Fail("side %d kit colour slot %d of part %d", side, colourSlot, part);
  }
  for (int slot = 0; slot < 4; ++slot) {
    const int offset = slot < 3 ? KIT_COLOUR_OFFSET + 2 * slot : KIT_KEEPER_COLOUR_OFFSET;
    const int colour = LoadI16(kit + offset);
    if (!InRange(colour, 0, KIT_COLOURS - 1)) return c.Fail("side %d kit colour %d", side, colour);
  }
  return true;
}

bool CheckFormation(const uint8_t* record, int side, int formation, Checker& c) {
  for (int k = 0; k < TACTICS_SLOTS; ++k) {
    const uint8_t* slot = record + TACTICS_HEADER_SIZE + k * TACTICS_SLOT_SIZE;
    for (const auto& cell : kSlotCells) {
      const int across = LoadI16(slot + cell[0]), along = LoadI16(slot + cell[1]);
      if (!InRange(across, -1, kGridColumns - 1) || !InRange(along, -1, kGridRows - 1))
        return c.Fail("side %d formation %d slot %d cell %d,%d", side, formation, k, across, along);
    }
    const int link = static_cast<int>(LoadU32(slot + kSlotLink) & 31);
    if (!InRange(link, 0, TACTICS_SLOTS - 1) && link != kNoLink)
      return c.Fail("side %d formation %d slot %d link %d", side, formation, k, link);
    const int marked = LoadI16(slot + kSlotMarked);
    if (!InRange(marked, -1, kMarkedMax))
      return c.Fail("side %d formation %d slot %d marks %d", side, formation, k, marked);
  }
  return true;
}

bool CheckSetup(const uint8_t* setup, Checker& c) {
  const int display = LoadI16(setup + SETUP_DISPLAY_MODE);
  if (!InRange(display, 0, kDisplayModes - 1)) return c.Fail("display mode %d", display);
  const int bench = LoadI16(setup + SETUP_SUBSTITUTES);
  if (!InRange(bench, 0, kBenchMax)) return c.Fail("bench of %d", bench);
  const int ground = setup[SETUP_GROUND];
  if (!InRange(ground, 0, 2) && ground != 0xFF) return c.Fail("ground %d", ground);
  const int crowd = setup[SETUP_CROWD_LEVEL];
  if (!InRange(crowd, 0, kCrowdLevels - 1)) return c.Fail("crowd level %d", crowd);
  for (int side = 0; side < 2; ++side) {
    const uint8_t* team = setup + MATCH_SETUP_TEAM_OFFSET[side];
    if (!Ended(team + SETUP_TEAM_NAME, SETUP_TEAM_NAME_SIZE)) return c.Fail("side %d name not ended", side);
    if (!CheckKit(team + SETUP_TEAM_KIT, side, c)) return false;
    const int tactic = LoadI16(team + SETUP_TEAM_TACTIC);
    if (!InRange(tactic, 0, NUM_TACTICS - 1)) return c.Fail("side %d tactic %d", side, tactic);
    for (int f = 0; f < SETUP_TEAM_CUSTOM_COUNT; ++f)
      if (!CheckFormation(team + SETUP_TEAM_CUSTOM_FORMATIONS + f * TACTICS_RECORD_SIZE, side, f, c)) return false;
    for (int entry = 0; entry < SETUP_TEAM_PLAYER_COUNT; ++entry) {
      const uint8_t* player = setup + SetupPlayerOffset(side, entry);
      const int position = LoadI16(player + SETUP_PLAYER_POSITION);
      const int positionByte = player[SETUP_PLAYER_POSITION_BYTE];
      if (!InRange(position, -1, kPositionMax) || (!InRange(positionByte, 0, kPositionMax) && positionByte != 0xFF))
        return c.Fail("side %d entry %d position %d/%d", side, entry, position, positionByte);
      // An entry nobody fills (player number -1) is read by nobody.
      const bool present = LoadI16(player + SETUP_PLAYER_NUMBER) >= 0;
      if (present && !Ended(player + SETUP_PLAYER_SURNAME, SETUP_PLAYER_SURNAME_SIZE))
        return c.Fail("side %d entry %d name not ended", side, entry);
    }
  }
  return true;
}

bool CheckFrame(const uint8_t* frame, int index, Checker& c) {
  for (int object = 0; object < kDrawnObjects; ++object) {
    const uint8_t* entry = frame + REPLAY_OBJECTS + object * REPLAY_OBJECT_SIZE;
    const int motion = LoadI16(entry + 6), motionFrame = LoadI16(entry + 8), facing = LoadI16(entry + 10);
    if (motion == -1 || motion == -2) continue;  // not drawn
    if (!InRange(motion, 0, MOTION_COUNT - 1)) return c.Fail("frame %d object %d motion %d", index, object, motion);
    const int frames = MotionsLoaded() ? GetMotionFrames(motion) : 32768;
    if (!InRange(motionFrame, 0, frames - 1))
      return c.Fail("frame %d object %d motion %d frame %d", index, object, motion, motionFrame);
    if (!InRange(facing, 0, 255)) return c.Fail("frame %d object %d facing %d", index, object, facing);
  }
  const int state = LoadI16(frame + REPLAY_MATCH_STATE);
  if (!InRange(state, 0, MATCH_STATE_COUNT - 1)) return c.Fail("frame %d match state %d", index, state);
  const int camera = LoadI16(frame + REPLAY_CAMERA_OBJECT);
  if (!InRange(camera, 0, kCameraObjects - 1)) return c.Fail("frame %d camera object %d", index, camera);
  const int period = LoadI16(frame + REPLAY_PERIOD);
  if (!InRange(period, 0, kPeriods - 1)) return c.Fail("frame %d period %d", index, period);
  const int holders[3] = {frame[REPLAY_KEEPER_HOLDER_BYTE], frame[REPLAY_THROW_HOLDER_BYTE],
                          LoadI16(frame + REPLAY_KEEPER_HOLDER)};
  for (int holder : holders)
    if (!InRange(holder, 0, MATCH_PLAYERS)) return c.Fail("frame %d ball holder %d", index, holder);
  const int kicker = LoadI16(frame + REPLAY_LAST_KICKER);
  if (!InRange(kicker, -1, MATCH_OBJECTS - 1)) return c.Fail("frame %d last kicker %d", index, kicker);
  for (int offset : {REPLAY_BALL_ANGLE_FIRST, REPLAY_BALL_ANGLE_SECOND, REPLAY_BALL_ANGLE_THIRD})
    if (!std::isfinite(LoadF32(frame + offset))) return c.Fail("frame %d ball angle not a number", index);
  return true;
}

int CheckImage(const uint8_t* image, size_t size, std::string* why) {
  Checker c(why);
  if (size < static_cast<size_t>(REPLAY_HEADER_SIZE)) {
    c.Fail("header short: %zu bytes", size);
    return REPLAY_LOAD_SHORT_HEADER;
  }
  if (!MagicMatches(image)) {
    c.Fail("not a replay file");
    return REPLAY_LOAD_BAD_MAGIC;
  }
  if (size < static_cast<size_t>(REPLAY_FILE_SETUP)) {
    c.Fail("replay state short: %zu bytes", size);
    return REPLAY_LOAD_SHORT_STATE;
  }
  if (size < static_cast<size_t>(REPLAY_FILE_RING)) {
    c.Fail("match set-up short: %zu bytes", size);
    return REPLAY_LOAD_SHORT_SETUP;
  }
  if (size < static_cast<size_t>(REPLAY_FILE_SIZE)) {
    c.Fail("ring short: %zu bytes", size);
    return REPLAY_LOAD_SHORT_RING;
  }
  if (size > static_cast<size_t>(REPLAY_FILE_SIZE)) {
    c.Fail("longer than a replay");
    return REPLAY_LOAD_BAD_CONTENT;
  }
  const uint8_t* state = image + REPLAY_FILE_STATE;
  const int write = LoadI32(state + REPLAY_STATE_WRITE), count = LoadI32(state + REPLAY_STATE_COUNT);
  if (!InRange(write, 0, REPLAY_FRAMES - 1)) {
    c.Fail("replayWrite %d", write);
    return REPLAY_LOAD_BAD_CONTENT;
  }
  if (!InRange(count, 0, REPLAY_FRAMES)) {
    c.Fail("replayCount %d", count);
    return REPLAY_LOAD_BAD_CONTENT;
  }
  if (!CheckSetup(image + REPLAY_FILE_SETUP, c)) return REPLAY_LOAD_BAD_CONTENT;
  for (int f = 0; f < REPLAY_FRAMES; ++f)
    if (!CheckFrame(image + REPLAY_FILE_RING + f * REPLAY_FRAME_SIZE, f, c)) return REPLAY_LOAD_BAD_CONTENT;
  return REPLAY_LOAD_OK;
}

// Reads and checks the slot; the image stays in `image` for the caller.
int ReadAndCheck(int slot, std::vector<uint8_t>* image, std::string* why) {
  if (!ReadSlotImage(slot, image)) {
    *why = "the file does not open";
    return REPLAY_LOAD_NO_FILE;
  }
  ReplayFileSeams.ensureMotions();
  return CheckImage(image->data(), image->size(), why);
}

void LogLoadFailure(int slot, int code, const std::string& why) {
  std::printf("LoadReplaySlot(): slot %d not loaded (%d): %s\n", slot, code, why.c_str());
}

// ---- the save screen's map ----

void RefreshSaveScreen() {
  for (int slot = 0; slot < REPLAY_SLOTS; ++slot) {
    const bool chosen = slot == gFile.saveChosen;
    gFile.saveTexts[slot] = HeaderText(gFile.saveHeaders[slot]);
    gFile.saveBands[slot] = static_cast<int16_t>(chosen ? 5 : 3);
    gFile.saveColours[slot] = static_cast<int16_t>(chosen ? 8 : 0);
  }
}

constexpr uint8_t kLeftMiddle = GN_JUSTIFY_LEFT | GN_JUSTIFY_MIDDLE;
constexpr uint8_t kCentred = GN_JUSTIFY_CENTRE | GN_JUSTIFY_MIDDLE;
constexpr int kRowTop = 62, kRowStep = 33, kRowHeight = 30;

using gnitem::SetVar;
// The save screen's state items count in both passes.
constexpr GNDisplayItem Set(uint8_t type, int32_t value, uint8_t pass = GN_PASS_BOTH) {
  return gnitem::Set(type, value, pass);
}
constexpr int16_t RowY(int slot) { return static_cast<int16_t>(kRowTop + slot * kRowStep); }

// One slot row: its region, its band (the chosen one red), its text.
#define REPLAY_SAVE_ROW(slot)                                                                             \
  Set(GN_ITEM_REGION_ID, slot),                                                                         \
      {GN_ITEM_BUTTON, GN_DATA_VALUE_VAR, GN_PASS_DYNAMIC, 32, RowY(slot), 576, kRowHeight,              \
       GNData(&gFile.saveBands[slot]), ReplaySaveScreen_Callback},                                      \
      SetVar(GN_ITEM_FONT_COLOUR, &gFile.saveColours[slot]),                                            \
      {GN_ITEM_TEXT, GN_DATA_STRING_VAR, GN_PASS_DYNAMIC, 48, RowY(slot), 552, kRowHeight,               \
       GNData(&gFile.saveTexts[slot]), nullptr}

const GNDisplayItem kSaveMap[] = {
    Set(GN_ITEM_STATIC_BACKGROUND, 0, GN_PASS_STATIC),
    {GN_ITEM_STATIC_TITLE, GN_DATA_STRING, GN_PASS_STATIC, 0, 0, 0, 0, GNData("Save Replay"), nullptr},
    Set(GN_ITEM_JUSTIFY, kLeftMiddle),
    REPLAY_SAVE_ROW(0),
    REPLAY_SAVE_ROW(1),
    REPLAY_SAVE_ROW(2),
    REPLAY_SAVE_ROW(3),
    REPLAY_SAVE_ROW(4),
    REPLAY_SAVE_ROW(5),
    REPLAY_SAVE_ROW(6),
    REPLAY_SAVE_ROW(7),
    REPLAY_SAVE_ROW(8),
    REPLAY_SAVE_ROW(9),
    Set(GN_ITEM_JUSTIFY, kCentred),
    Set(GN_ITEM_FONT_COLOUR, 4, GN_PASS_DYNAMIC),
    {GN_ITEM_TEXT, GN_DATA_STRING_VAR, GN_PASS_DYNAMIC, 32, 394, 576, 24, GNData(&gFile.status), nullptr},
    Set(GN_ITEM_FONT_COLOUR, 0, GN_PASS_DYNAMIC),
    Set(GN_ITEM_AUTO_BUTTON, 1),
    Set(GN_ITEM_REGION_ID, REPLAY_SAVE_REGION_SAVE),
    {GN_ITEM_TEXT, GN_DATA_TEXTNO, GN_PASS_DYNAMIC, 128, 426, 184, 30, GNData(kTextSave), ReplaySaveScreen_Callback},
    Set(GN_ITEM_REGION_ID, REPLAY_SAVE_REGION_CANCEL),
    {GN_ITEM_TEXT, GN_DATA_TEXTNO, GN_PASS_DYNAMIC, 328, 426, 184, 30, GNData(kTextCancel),
     ReplaySaveScreen_Callback},
    Set(GN_ITEM_AUTO_BUTTON, 0),
    {GN_ITEM_END, 0, 0, 0, 0, 0, 0, GNData(), nullptr},
};

#undef REPLAY_SAVE_ROW

// ---- the load list's table ----

const MenuItem kListRow[] = {
    {MI_TEXT_BUTTON, 32, 78, 576, 34, MenuArg(-1), MenuArg(ReplayLoadRow)},
    {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_TEXT_COLOUR_VAR, 0, 0, 0, sizeof(uint16_t), MenuArg(static_cast<void*>(gFile.listColours)), {}},
    {MI_STRING_VAR, 64, 87, ALIGN_LEFT | ALIGN_TOP, sizeof(const char*), MenuArg(static_cast<void*>(gFile.listTexts)),
     {}},
    {MI_END, 0, 0, 0, 0, {}, {}},
};

constexpr uint16_t kListColourAvailable = 0;
constexpr uint16_t kListColourUnavailable = 10;

void EnsureMotionsLoaded() {
  if (!MotionsLoaded()) LoadMotions();
}

}  // namespace

ReplayFileSeamTable ReplayFileSeams = {EnsureMotionsLoaded};

void ReplayFile_Reset() {
  gFile = ReplayFileState{};
  for (int slot = 0; slot < REPLAY_SLOTS; ++slot) {
    gFile.saveTexts[slot] = "";
    gFile.listTexts[slot] = "";
  }
  ReplayFileSeams = {EnsureMotionsLoaded};
}
REGISTER_RESET(RESET_PRESENTATION, ReplayFile_Reset);

std::string ReplaySlotFileName(int slot) {
  char name[32];
  std::snprintf(name, sizeof name, "Replay%02d.sav", slot);
  return name;
}

// ---- saving ----

int SaveReplaySlot(int slot) {
  // Only a header the save screen prepared is written: anything else would
  // put a file no list can show over the slot's replay.
  if (!ValidSlot(slot) || replayBuffer == nullptr || !MagicMatches(gFile.saveHeaders[slot]))
    return REPLAY_SAVE_NOTHING;
  std::vector<uint8_t> image(static_cast<size_t>(REPLAY_FILE_SIZE), 0);
  std::memcpy(image.data(), gFile.saveHeaders[slot], REPLAY_HEADER_SIZE);
  EndHeaderText(image.data());
  StoreI32(image.data() + REPLAY_FILE_STATE + REPLAY_STATE_WRITE, replayWrite);
  StoreI32(image.data() + REPLAY_FILE_STATE + REPLAY_STATE_COUNT, replayCount);
  std::memcpy(image.data() + REPLAY_FILE_SETUP, GetMatchSetupRecord(), MATCH_SETUP_SIZE);
  std::memcpy(image.data() + REPLAY_FILE_RING, replayBuffer, REPLAY_BUFFER_SIZE);

  const std::string name = ReplaySlotFileName(slot);
  const std::string temporary = name + ".tmp";
  FILE* file = PlatOpenFile(temporary.c_str(), "wb");
  bool whole = file != nullptr;
  if (file) {
    whole = std::fwrite(image.data(), 1, image.size(), file) == image.size();
    whole = std::fflush(file) == 0 && whole;
    whole = std::fclose(file) == 0 && whole;
  }
  if (whole) whole = PlatRenameFile(temporary.c_str(), name.c_str()) == 0;
  if (!whole) {
    if (file) PlatRemoveFile(temporary.c_str());
    std::printf("SaveReplaySlot(): slot %d not written; the replay saved there before is kept\n", slot);
    return REPLAY_SAVE_FAILED;
  }
  DPRINT(DEBUG_GENERAL, 10, "SaveReplaySlot(): slot %d saved (%d frames)\n", slot, replayCount);
  return REPLAY_SAVE_OK;
}

// ---- loading ----

int CheckReplayImage(const uint8_t* image, size_t size, std::string* why) {
  if (image == nullptr) size = 0;
  return CheckImage(image, size, why);
}

int CheckReplaySlot(int slot) {
  std::vector<uint8_t> image;
  std::string why;
  const int result = ReadAndCheck(slot, &image, &why);
  if (result != REPLAY_LOAD_OK) LogLoadFailure(slot, result, why);
  return result;
}

int LoadReplaySlot(int slot) {
  std::vector<uint8_t> image;
  std::string why;
  const int result = ReadAndCheck(slot, &image, &why);
  if (result != REPLAY_LOAD_OK) {
    LogLoadFailure(slot, result, why);
    return result;
  }
  // Every check passed: the match takes the file.
  if (replayBuffer == nullptr) ReplayBuffer_Alloc();
  std::memcpy(gFile.listHeaders[slot], image.data(), REPLAY_HEADER_SIZE);
  EndHeaderText(gFile.listHeaders[slot]);
  replayWrite = LoadI32(image.data() + REPLAY_FILE_STATE + REPLAY_STATE_WRITE);
  replayCount = LoadI32(image.data() + REPLAY_FILE_STATE + REPLAY_STATE_COUNT);
  std::memcpy(GetMatchSetupRecord(), image.data() + REPLAY_FILE_SETUP, MATCH_SETUP_SIZE);
  std::memcpy(replayBuffer, image.data() + REPLAY_FILE_RING, REPLAY_BUFFER_SIZE);
  StoreI16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE, 2);
  DPRINT(DEBUG_GENERAL, 10, "LoadReplaySlot(): slot %d loaded (%d frames)\n", slot, replayCount);
  return REPLAY_LOAD_OK;
}

// ---- the slot lists ----

bool ReplaySlotHasReplay(int slot) {
  FILE* file = OpenSlot(slot);
  if (!file) return false;
  uint8_t header[REPLAY_HEADER_SIZE];
  const bool whole = std::fread(header, 1, sizeof header, file) == sizeof header;
  const int64_t size = PlatFileSize(file);
  std::fclose(file);
  return whole && size == REPLAY_FILE_SIZE && MagicMatches(header);
}

namespace {

// The slot's header as both lists show it: the file's, or "<Blank Slot>".
void ReadListedHeader(int slot, uint8_t* header) {
  BlankHeader(header);
  if (!ReplaySlotHasReplay(slot)) return;
  FILE* file = OpenSlot(slot);
  if (!file) return;
  uint8_t read[REPLAY_HEADER_SIZE];
  const bool whole = std::fread(read, 1, sizeof read, file) == sizeof read;
  std::fclose(file);
  if (!whole || !MagicMatches(read)) return;
  std::memcpy(header, read, REPLAY_HEADER_SIZE);
  EndHeaderText(header);
}

}  // namespace

void ReadReplaySlotHeaders() {
  for (int slot = 0; slot < REPLAY_SLOTS; ++slot) {
    ReadListedHeader(slot, gFile.saveHeaders[slot]);
    std::memcpy(gFile.saveHeadersRead[slot], gFile.saveHeaders[slot], REPLAY_HEADER_SIZE);
  }
}

void BuildReplaySlotList() {
  for (int slot = 0; slot < REPLAY_SLOTS; ++slot) {
    ReadListedHeader(slot, gFile.listHeaders[slot]);
    // The text is copied out of the header first: the row and the header
    // live in one record.
    char text[REPLAY_SLOT_TEXT_SIZE];
    std::snprintf(text, sizeof text, "%s", HeaderText(gFile.listHeaders[slot]));
    std::snprintf(gFile.rows[slot], sizeof gFile.rows[slot], "%2d: %s", slot + 1, text);
    gFile.available[slot] = text[0] != '<';
    gFile.listTexts[slot] = gFile.rows[slot];
    gFile.listColours[slot] = gFile.available[slot] ? kListColourAvailable : kListColourUnavailable;
  }
}

int16_t CountReplayFiles() {
  int16_t count = 0;
  for (int slot = 0; slot < REPLAY_SLOTS; ++slot) {
    FILE* file = OpenSlot(slot);
    if (!file) continue;
    std::fclose(file);
    ++count;
  }
  return count;
}

const char* ReplaySaveHeaderText(int slot) { return ValidSlot(slot) ? HeaderText(gFile.saveHeaders[slot]) : ""; }
const uint8_t* ReplaySaveHeader(int slot) { return ValidSlot(slot) ? gFile.saveHeaders[slot] : nullptr; }
const char* ReplayListHeaderText(int slot) { return ValidSlot(slot) ? HeaderText(gFile.listHeaders[slot]) : ""; }
const char* ReplayListRowText(int slot) { return ValidSlot(slot) ? gFile.rows[slot] : ""; }
bool ReplayListRowAvailable(int slot) { return ValidSlot(slot) && gFile.available[slot]; }

std::string ReplaySlotTextNow(int slot) {
  const uint8_t* setup = GetMatchSetupRecord();
  char names[2][SETUP_TEAM_NAME_SIZE + 1];
  for (int side = 0; side < 2; ++side) {
    std::memcpy(names[side], setup + MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_NAME, SETUP_TEAM_NAME_SIZE);
    names[side][SETUP_TEAM_NAME_SIZE] = 0;
  }
  int16_t home = 0, away = 0, away2 = 0, home2 = 0;
  Football_GetScore(&home, &away, &away2, &home2);
  const int32_t seconds = GetMatchTimeSeconds();
  char text[REPLAY_SLOT_TEXT_SIZE];
  std::snprintf(text, sizeof text, "%2d: %s %d - %d %s, %d:%02d", slot + 1, names[0], home, away, names[1],
                seconds / 60, seconds % 60);
  return text;
}

// ---- the save screen ----

void ReplaySaveScreen_Open() {
  ReadReplaySlotHeaders();
  gFile.saveChosen = -1;
  gFile.status = "";
}

int ReplaySaveScreen_ChosenSlot() { return gFile.saveChosen; }
const char* ReplaySaveScreen_Status() { return gFile.status; }
const GNDisplayItem* ReplaySaveScreenMap() { return kSaveMap; }

int16_t ReplaySaveScreen_Callback(const GNMessage* message) {
  if (message == nullptr || message->code != GN_MSG_RELEASE) return GN_RESULT_HANDLED;
  const int16_t region = message->regionId;
  if (ValidSlot(region)) {
    // The slot chosen before shows what is saved in it again.
    if (ValidSlot(gFile.saveChosen))
      std::memcpy(gFile.saveHeaders[gFile.saveChosen], gFile.saveHeadersRead[gFile.saveChosen], REPLAY_HEADER_SIZE);
    uint8_t* header = gFile.saveHeaders[region];
    std::memset(header, 0, REPLAY_HEADER_SIZE);
    std::memcpy(header, REPLAY_MAGIC, REPLAY_MAGIC_SIZE);
    const std::string text = ReplaySlotTextNow(region);
    std::snprintf(reinterpret_cast<char*>(header + REPLAY_MAGIC_SIZE), REPLAY_SLOT_TEXT_SIZE, "%s", text.c_str());
    gFile.saveChosen = region;
    gFile.status = "";
    return GN_RESULT_REDRAW;
  }
  if (region == REPLAY_SAVE_REGION_SAVE) {
    if (!ValidSlot(gFile.saveChosen)) return GN_RESULT_HANDLED;
    if (SaveReplaySlot(gFile.saveChosen) == REPLAY_SAVE_OK) return GN_RESULT_LEAVE;
    gFile.status = GetTextNoAddr(kTextReplayNotSaved);
    return GN_RESULT_REDRAW;
  }
  if (region == REPLAY_SAVE_REGION_CANCEL) return GN_RESULT_LEAVE;
  return GN_RESULT_HANDLED;
}

void ReplaySaveScreen() {
  ReplaySaveScreen_Open();
  GN_StartSetOfMenus();
  GN_MenuInit(kSaveMap);
  do {
    RefreshSaveScreen();
    GN_MenuRedraw();
  } while (GN_MenuLoop() != 1);
  GN_MenuUninit();
  GN_EndSetOfMenus();
}

// ---- the load list ----

int16_t ReplaySlotScreen_Handler(const MenuItem*) {
  if (GetMenuEvent() != MENU_EVENT_INIT) return 0;
  SetScreenHeader(4);
  BuildReplaySlotList();
  return 0;
}

int16_t ReplayLoadRowAt(int row) {
  if (!ValidSlot(row) || !gFile.available[row]) return MENU_RESULT_NONE;
  if (CheckReplaySlot(row) != REPLAY_LOAD_OK) {
    DoMessageBox(GetTextNoAddr(kTextLoadFailed), 0);
    replayMode = kReplayModeLive;
    gFile.loadChosen = -1;
    MenuOption = kMenuOptionStartPage;
    return MENU_RESULT_LEAVE;
  }
  replayMode = kReplayModeSaved;
  gFile.loadChosen = static_cast<int16_t>(row);
  MenuOption = kMenuOptionPlayMatch;
  return MENU_RESULT_LEAVE;
}

int16_t ReplayLoadRow(MenuHotspot* hotspot) { return hotspot ? ReplayLoadRowAt(hotspot->repetition) : 0; }

int16_t ReplayLoadBack(MenuHotspot*) {
  replayMode = kReplayModeLive;
  MenuOption = kMenuOptionStartPage;
  return MENU_RESULT_LEAVE;
}

int16_t ReplayChosenSlot() { return gFile.loadChosen; }

const MenuItem ReplaySlotScreen[] = {
    {MI_HEADER, 0, 0, 0, 0, MenuArg(ReplaySlotScreen_Handler), {}},
    {MI_BACKGROUND, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_SUBTABLE, 0, 0, 1, 0, MenuArg(static_cast<const void*>(ScreenHeaderTable)), {}},
    {MI_BACKGROUND_MARK, 0, 0, 0, 0, {}, {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(2), {}},
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_STRING, 320, 36, ALIGN_CENTRED, 0, MenuArg("Replays"), {}},
    {MI_CLICK_REGION, 570, 440, 40, 40, MenuArg(-1), MenuArg(ReplayLoadBack)},  // "Back Menu"
    {MI_BUTTON_TYPE, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_SUBTABLE, 0, 0, REPLAY_SLOTS, 36, MenuArg(static_cast<const void*>(kListRow)), {}},
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_FILL_COLOUR, 0, 0, 0, 0, MenuArg(0x10A2), {}},
    {MI_STRING_BUTTON, 570, 440, 40, 40, MenuArg("<"), {}},
    {MI_END, 0, 0, 0, 0, {}, MenuArg(DefaultBackHandler)},
};

// ---- the match's side ----

void BeginSavedReplayPlayback() {
  // Nothing left over from the last match may open a menu or hold the frame
  // before the replay starts.
  MenuRequest = 0;
  PauseFlag = 0;
  ReplayPlaying = 0;
  ReplayEndRequest = 0;
  ReplayStartRequest = 1;
  ReplayFollowUp = kFollowUpEndPeriod;
}

int LoadChosenReplaySlot() {
  if (LoadReplaySlot(gFile.loadChosen) != REPLAY_LOAD_OK) {
    DoMessageBox(GetTextNoAddr(kTextLoadFailed), 0);
    replayMode = kReplayModeLive;
    return 0;
  }
  BeginSavedReplayPlayback();
  return 1;
}
