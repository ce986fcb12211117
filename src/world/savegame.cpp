// Saved games, the permanent file and the exported team.
#include "world/savegame.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "clubsim/boards.h"
#include "clubsim/clubsvc.h"
#include "clubsim/squadlist.h"
#include "clubsim/staffpool.h"
#include "clubsim/training.h"
#include "engine/bytes.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "engine/startup.h"
#include "menus/c_mnshort.h"
#include "platform/platform.h"
#include "season/fixgen.h"
#include "season/cupdraw.h"
#include "season/endseason.h"
#include "season/euroentrants.h"
#include "season/playfix.h"
#include "season/postmatch.h"
#include "world/honours.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/funcs_deals.h"
#include "world/history.h"
#include "world/lists.h"
#include "world/players.h"
#include "world/playerstats.h"
#include "world/static_country.h"
#include "world/worldgen.h"

SavePlaceholderTables SavePlaceholders;

REGISTER_RESET(RESET_WORLD, SaveGame_Reset);

namespace {

// ---------------------------------------------------------------------------
// The block lists
// ---------------------------------------------------------------------------

// How a block goes between the world and the file.
enum class Form : uint8_t {
  Image,   // a table kept as its file image (byte records): copied as it is
  Words,   // int16 values, little-endian in the file
  Int32,   // one int32, little-endian
  Custom,  // its own pack and unpack
};

struct SaveBlock {
  int32_t size;
  Form form;
  void* data;
  void (*pack)(uint8_t* out);
  void (*unpack)(const uint8_t* in);
};

SaveBlock Image(void* data, int32_t size) { return {size, Form::Image, data, nullptr, nullptr}; }
template <size_t N>
SaveBlock Image(uint8_t (&bytes)[N]) {
  return Image(bytes, static_cast<int32_t>(N));
}
SaveBlock Word(int16_t* word) { return {2, Form::Words, word, nullptr, nullptr}; }
SaveBlock Words(int16_t* words, int count) { return {2 * count, Form::Words, words, nullptr, nullptr}; }
SaveBlock Int32(int32_t* value) { return {4, Form::Int32, value, nullptr, nullptr}; }
SaveBlock Custom(int32_t size, void (*pack)(uint8_t*), void (*unpack)(const uint8_t*)) {
  return {size, Form::Custom, nullptr, pack, unpack};
}

constexpr int32_t DIVISION_TABLE_BYTES = NUM_DIVISIONS * DIVISION_PLACES;

// Block 1: the division table's six rows and the 24 bytes after them.
void PackDivisionTable(uint8_t* out) {
  std::memcpy(out, DivisionTable, DIVISION_TABLE_BYTES);
  std::memcpy(out + DIVISION_TABLE_BYTES, SavePlaceholders.divisionTableTail, sizeof SavePlaceholders.divisionTableTail);
}
void UnpackDivisionTable(const uint8_t* in) {
  std::memcpy(DivisionTable, in, DIVISION_TABLE_BYTES);
  std::memcpy(SavePlaceholders.divisionTableTail, in + DIVISION_TABLE_BYTES, sizeof SavePlaceholders.divisionTableTail);
}

// Block 31: the gate levy (MoneyRate2) and the game country byte after it.
void PackGateLevyAndCountry(uint8_t* out) {
  out[0] = MoneyRate2;
  out[1] = static_cast<uint8_t>(GameCountry);
}
void UnpackGateLevyAndCountry(const uint8_t* in) {
  MoneyRate2 = in[0];
  GameCountry = static_cast<int8_t>(in[1]);
}

// Blocks 81 and 84: two calendar words that nothing else reads carry the low
// and the high half of the game's random generator, so a loaded game draws
// the same numbers as the game that was saved and runs on exactly as it would
// have (the old words held no meaning a load must keep).
void PackRandomLow(uint8_t* out) { StoreU16(out, GameRandomState() & 0xFFFFu); }
void PackRandomHigh(uint8_t* out) { StoreU16(out, GameRandomState() >> 16); }
void UnpackRandomLow(const uint8_t* in) { GameSetRandomState((GameRandomState() & 0xFFFF0000u) | LoadU16(in)); }
void UnpackRandomHigh(const uint8_t* in) {
  GameSetRandomState((GameRandomState() & 0xFFFFu) | static_cast<uint32_t>(LoadU16(in)) << 16);
}

// Block 51: the transfer log, 16 bytes an entry (selling club, buying club,
// player, fee, day, month, year), field by field.
constexpr int32_t TRANSFER_LOG_BYTES = TRANSFER_LOG_ENTRIES * TRANSFER_LOG_ENTRY_SIZE;
void PackTransferLog(uint8_t* out) {
  for (const TransferLogEntry& e : TransferLog) {
    StoreI16(out + 0, e.sellingClub);
    StoreI16(out + 2, e.buyingClub);
    StoreI16(out + 4, e.player);
    StoreI32(out + 6, e.fee);
    StoreI16(out + 10, e.day);
    StoreI16(out + 12, e.month);
    StoreI16(out + 14, e.year);
    out += TRANSFER_LOG_ENTRY_SIZE;
  }
}
void UnpackTransferLog(const uint8_t* in) {
  for (TransferLogEntry& e : TransferLog) {
    e.sellingClub = LoadI16(in + 0);
    e.buyingClub = LoadI16(in + 2);
    e.player = LoadI16(in + 4);
    e.fee = LoadI32(in + 6);
    e.day = LoadI16(in + 10);
    e.month = LoadI16(in + 12);
    e.year = LoadI16(in + 14);
    in += TRANSFER_LOG_ENTRY_SIZE;
  }
}

using BlockList = std::vector<SaveBlock>;

const BlockList& GameBlocks() {
  static const BlockList blocks = [] {
    SavePlaceholderTables& p = SavePlaceholders;
    BlockList b = {
        Image(&DivisionClubOrder[0][0], sizeof DivisionClubOrder),                       // 0
        Custom(DIVISION_TABLE_BYTES + 24, PackDivisionTable, UnpackDivisionTable),       // 1
        Image(&PlayoffTable[0][0], sizeof PlayoffTable),                                  // 2
        Image(&GameCountry, 1),                                                           // 3
        Image(EuroListC),                                                                 // 4
        Image(&EuroCupHolderB, 1),                                                        // 5
        Image(EuroListB),                                                                 // 6
        Image(EuroListA),                                                                 // 7
        Image(&EuroCupHolderA, 1),                                                        // 8
        Image(CupDrawPacked.values),                                                           // 9
        Image(CupDrawPacked.maskWords),                                                        // 10
        Image(CupDrawPacked.groupWords),                                                       // 11
        Image(&CupExcluded[0][0], sizeof CupExcluded),                                    // 12
        Image(GroupTable, sizeof GroupTable),                                             // 13
        Int32(&MoneyPool),                                                                // 14
        Word(&Weekday),                                                                   // 15
        Word(&DayOfMonth),                                                                // 16
        Word(&Month),                                                                     // 17
        Word(&Year),                                                                      // 18
        Word(&MonthCounter),                                                              // 19
        Word(&DayOfSeason),                                                               // 20
        Word(&DaysSinceFirstMatch),                                                       // 21
        Word(&FirstMatchDay),                                                             // 22
        Word(&Postdate),                                                                  // 23
        Word(&DeadlineDay1),                                                              // 24
        Word(&DeadlineDay2),                                                              // 25
        Word(&DeadlineDay3),                                                              // 26
        Word(&WindowOpenDay1),                                                            // 27
        Word(&WindowOpenDay2),                                                            // 28
        Word(&WindowOpenDay3),                                                            // 29
        Word(&SeasonCounter),                                                             // 30
        Custom(2, PackGateLevyAndCountry, UnpackGateLevyAndCountry),                      // 31
        Image(&InterestRate, 1),                                                          // 32
        Image(&MoneyRate1, 1),                                                            // 33
        Image(StaffCandidateAvailable),                                                   // 34
        Word(&PlayerCount),                                                               // 35
        Word(&PlayerTotalCount),                                                          // 36
        Image(HonoursSeasons, sizeof HonoursSeasons),                                     // 37
        Image(FixtureList, sizeof FixtureList),                                           // 38
        Image(ClubRecords, sizeof ClubRecords),                                           // 39
        Image(PlayerRecords, sizeof PlayerRecords),                                       // 40
        Image(LoanList, sizeof LoanList),                                                 // 41
        Image(PatientList, sizeof PatientList),                                           // 42
        Image(BidInfoList, sizeof BidInfoList),                                           // 43
        Image(ReservePool, sizeof ReservePool),                                           // 44
        Image(ClubSlots.bytes),                                                           // 45
        Image(ClubBidTable, sizeof ClubBidTable),                                         // 46
        Word(&ViewedClub),                                                                // 47
        Image(p.managerScreenWord),                                                       // 48
        Words(CupSeedingList, CUP_SEEDING_ENTRIES),                                       // 49
        Image(DbClubReputation),                                                          // 50
        Custom(TRANSFER_LOG_BYTES, PackTransferLog, UnpackTransferLog),                   // 51
        Custom(SQUAD_PROGRESS_SAVED_SIZE, SquadProgress_Pack, SquadProgress_Unpack),      // 52
        Words(ShortList, SHORT_LIST_SIZE),                                                // 53
        Image(p.customTactics),                                                           // 54
        Image(p.tacticWord1),                                                             // 55
        Image(p.tacticWord2),                                                             // 56
        Custom(SQUAD_PROGRESS_SAVED_SIZE, SquadProgress_Pack, SquadProgress_Unpack),      // 57
        Custom(GROUND_REDEVELOPMENT_SIZE, GroundRedevelopment_Pack, GroundRedevelopment_Unpack),  // 58
        Image(p.squadScreenWords[0]),                                                     // 59
        Image(p.squadScreenWords[1]),                                                     // 60
        Image(p.squadScreenWords[2]),                                                     // 61
        Image(p.squadScreenWords[3]),                                                     // 62
        Words(&ChampionsLeagueGroups[0][0], NUM_EURO_GROUPS * EURO_GROUP_CLUBS),          // 63
        Image(MonthManagerTable.bytes),                                                   // 64
        Image(DivisionClubLists.bytes),                                                   // 65
        Image(p.clubScreenName),                                                          // 66
        Words(HumanDealTables.contracts, HUMAN_CONTRACT_SLOTS),                           // 67
        Words(HumanDealTables.salePlayers, HUMAN_SALE_SLOTS),                             // 68
        Words(HumanDealTables.saleClubs, HUMAN_SALE_SLOTS),                               // 69
        Word(&TransferLogIndex),                                                          // 70
        Image(PlayerCareerLog, sizeof PlayerCareerLog),                                   // 71
        Image(ClubEventLog, sizeof ClubEventLog),                                         // 72
        Custom(JOB_OFFER_IMAGE_SIZE, JobOffer_Pack, JobOffer_Unpack),                     // 73
        Image(&PlayerMatchRecords[0][0], sizeof PlayerMatchRecords),                      // 74
        Image(p.resultScreenTable),                                                       // 75
        Image(p.lastMatchEvents),                                                         // 76
        Image(p.clubScreenSettings),                                                      // 77
        Image(p.euroHonourLabels),                                                        // 78
        Word(&RecordCareerAppsPlayer),                                                    // 79
        Word(&RecordCareerApps),                                                          // 80
        Custom(2, PackRandomLow, UnpackRandomLow),                                        // 81
        Word(&RecordCareerGoalsPlayer),                                                   // 82
        Word(&RecordCareerGoals),                                                         // 83
        Custom(2, PackRandomHigh, UnpackRandomHigh),                                      // 84
        Custom(TRAINING_BUFFER_SAVED_SIZE, TrainingBuffer_Pack, TrainingBuffer_Unpack),   // 85
        Image(ClubSeasonMarks_Bytes(), CLUB_SEASON_MARKS_SIZE),                           // 86
        Image(p.teamSelection),                                                           // 87
        Image(p.matchViewByte),                                                           // 88
        Image(p.menuOptionWord),                                                          // 89
        Image(NameBitSetG),                                                               // 90
        Image(NameBitSetD),                                                               // 91
    };
    return b;
  }();
  return blocks;
}

const BlockList& PermBlocks() {
  static const BlockList blocks = {
      Image(&PlayerStatTables.abilityTemplate[0][0], sizeof PlayerStatTables.abilityTemplate),          // 0
      Image(&PlayerStatTables.physicalTemplate[0][0], sizeof PlayerStatTables.physicalTemplate),        // 1
      Image(&PlayerStatTables.personalityTemplate[0][0], sizeof PlayerStatTables.personalityTemplate),  // 2
      Image(PlayerStatTables.curves),                                                                    // 3
      Image(PlayerStatTables.curveSelection),                                                            // 4
      Image(MinorClubsBlock.identities, sizeof MinorClubsBlock.identities),                              // 5
      Image(&MinorClubsBlock, 0),                                                                        // 6
      // The minor club records and, after them, the first 120 bytes of the identities.
      Image(&MinorClubsBlock, 1800),                                                                     // 7
  };
  return blocks;
}

const BlockList& TeamBlocks() {
  static const BlockList blocks = {Image(SavePlaceholders.teamSlots[TEAM_EXPORT_SLOT])};
  return blocks;
}

struct FileKind {
  const char* tag;
  const BlockList& (*blocks)();
};
constexpr FileKind kKinds[] = {{"SAV0", GameBlocks}, {"PRM0", PermBlocks}, {"TEM1", TeamBlocks}};

const BlockList& BlocksOf(SaveFileKind kind) { return kKinds[kind].blocks(); }

int32_t TotalSize(const BlockList& blocks) {
  int32_t total = 0;
  for (const SaveBlock& b : blocks) total += b.size;
  return total;
}

// Where each block starts in an image of all the blocks.
std::vector<int32_t> Offsets(const BlockList& blocks) {
  std::vector<int32_t> at;
  int32_t offset = 0;
  for (const SaveBlock& b : blocks) {
    at.push_back(offset);
    offset += b.size;
  }
  return at;
}

// ---- between a block and its bytes ----

void PackBlock(const SaveBlock& b, uint8_t* out) {
  switch (b.form) {
    case Form::Image:
      if (b.size > 0) std::memcpy(out, b.data, static_cast<size_t>(b.size));
      break;
    case Form::Words: {
      const int16_t* words = static_cast<const int16_t*>(b.data);
      for (int i = 0; i < b.size / 2; ++i) StoreI16(out + 2 * i, words[i]);
      break;
    }
    case Form::Int32:
      StoreI32(out, *static_cast<const int32_t*>(b.data));
      break;
    case Form::Custom:
      b.pack(out);
      break;
  }
}

void UnpackBlock(const SaveBlock& b, const uint8_t* in) {
  switch (b.form) {
    case Form::Image:
      if (b.size > 0) std::memcpy(b.data, in, static_cast<size_t>(b.size));
      break;
    case Form::Words: {
      int16_t* words = static_cast<int16_t*>(b.data);
      for (int i = 0; i < b.size / 2; ++i) words[i] = LoadI16(in + 2 * i);
      break;
    }
    case Form::Int32:
      *static_cast<int32_t*>(b.data) = LoadI32(in);
      break;
    case Form::Custom:
      b.unpack(in);
      break;
  }
}

// An image of the blocks in file order, and the table over it for the
// container's reader and writer.
struct Staging {
  std::vector<uint8_t> image;
  std::vector<int32_t> offsets;
  std::vector<BlockTableEntry> table;

  explicit Staging(const BlockList& blocks) : image(static_cast<size_t>(TotalSize(blocks)) + 1), offsets(Offsets(blocks)) {
    // One byte more than the blocks need, so a block of size 0 has an address too.
    for (size_t i = 0; i < blocks.size(); ++i) table.push_back({image.data() + offsets[i], blocks[i].size});
    table.push_back({nullptr, 0});
  }
  const uint8_t* Block(int n) const { return image.data() + offsets[static_cast<size_t>(n)]; }
};

// The table the writer takes: the tables kept as file images straight from
// memory, the rest packed into a small scratch image.
struct WriteTable {
  std::vector<uint8_t> scratch;
  std::vector<BlockTableEntry> table;

  explicit WriteTable(const BlockList& blocks) {
    size_t packed = 0;
    for (const SaveBlock& b : blocks)
      if (b.form != Form::Image) packed += static_cast<size_t>(b.size);
    scratch.resize(packed);
    size_t at = 0;
    for (const SaveBlock& b : blocks) {
      if (b.form == Form::Image) {
        table.push_back({b.data, b.size});
      } else {
        PackBlock(b, scratch.data() + at);
        table.push_back({scratch.data() + at, b.size});
        at += static_cast<size_t>(b.size);
      }
    }
    table.push_back({nullptr, 0});
  }
  const BlockTable* Table() const { return table.data(); }
};

void Commit(const BlockList& blocks, const Staging& staged) {
  for (size_t i = 0; i < blocks.size(); ++i) UnpackBlock(blocks[i], staged.Block(static_cast<int>(i)));
  Players_RecordsRewritten();  // player records or identities may have come in whole
}

// ---------------------------------------------------------------------------
// Errors
// ---------------------------------------------------------------------------

std::string gLastError;

void SetError(const char* format, ...) __attribute__((format(printf, 1, 2)));
void SetError(const char* format, ...) {
  char text[512];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  gLastError = text;
}

// ---------------------------------------------------------------------------
// Writing: a temporary file, put in place once written whole
// ---------------------------------------------------------------------------

std::string TempName(const std::string& name) { return name + ".tmp"; }

// Writes the kind's container to the temporary name of the file. Answers 0,
// -1 (not created), -2 (not written whole) or -3 (not closed); on failure
// the temporary file is gone and the file itself untouched.
int WriteTemp(SaveFileKind kind, const std::string& name) {
  const std::string temp = TempName(name);
  const WriteTable table(BlocksOf(kind));
  FILE* file = PlatOpenFile(temp.c_str(), "wb");
  if (!file) {
    SetError("%s: cannot create %s", name.c_str(), temp.c_str());
    return SAVE_OPEN_FAILED;
  }
  const int written = WriteDataBlocks(table.Table(), file, kKinds[kind].tag);
  const bool closed = std::fclose(file) == 0;
  if (written != 0) {
    PlatRemoveFile(temp.c_str());
    SetError("%s: %s", name.c_str(), DataBlocks_WriteErrorText(written));
    return SAVE_WRITE_FAILED;
  }
  if (!closed) {
    PlatRemoveFile(temp.c_str());
    SetError("%s: the file could not be closed", name.c_str());
    return SAVE_CLOSE_FAILED;
  }
  return SAVE_OK;
}

// The written temporary file in place of the file: 0, or -3.
int PutInPlace(const std::string& name) {
  const std::string temp = TempName(name);
  if (PlatRenameFile(temp.c_str(), name.c_str()) != 0) {
    PlatRemoveFile(temp.c_str());
    SetError("%s: the new file could not replace the old one", name.c_str());
    return SAVE_CLOSE_FAILED;
  }
  return SAVE_OK;
}

int WriteFile(SaveFileKind kind, const std::string& name) {
  const int r = WriteTemp(kind, name);
  return r != SAVE_OK ? r : PutInPlace(name);
}

// ---------------------------------------------------------------------------
// Reading: into a staging image, checked before anything is taken
// ---------------------------------------------------------------------------

// What reading a file came to: the container's code (0 whole, above 0 blocks
// missing, below 0 a fault) or the file's own failures.
enum class ReadResult { Ok, OpenFailed, ReadFailed, CloseFailed, Wrong, Incomplete };

ReadResult ReadFile(SaveFileKind kind, const std::string& name, Staging* staged) {
  FILE* file = PlatOpenFile(name.c_str(), "rb");
  if (!file) {
    SetError("%s: cannot open the file", name.c_str());
    return ReadResult::OpenFailed;
  }
  int badBlock = -1;
  const int r = ReadDataBlocks(staged->table.data(), file, kKinds[kind].tag, &badBlock);
  // Nothing may follow the trailer.
  const bool trailing = r >= 0 && std::fgetc(file) != EOF;
  const bool closed = std::fclose(file) == 0;
  if (r == -1 || r == -2 || r == -3 || r == -4) {
    if (badBlock >= 0)
      SetError("%s: block %d: %s", name.c_str(), badBlock, DataBlocks_ReadErrorText(r));
    else
      SetError("%s: %s", name.c_str(), DataBlocks_ReadErrorText(r));
    return ReadResult::ReadFailed;
  }
  if (r < 0) {
    if (r == -13)
      SetError("%s: block %d: %s (%d bytes)", name.c_str(), badBlock, DataBlocks_ReadErrorText(r),
               BlocksOf(kind)[static_cast<size_t>(badBlock)].size);
    else if (r == -20)
      SetError("%s: %s: the file is no %s file", name.c_str(), DataBlocks_ReadErrorText(r), kKinds[kind].tag);
    else
      SetError("%s: %s", name.c_str(), DataBlocks_ReadErrorText(r));
    return ReadResult::Wrong;
  }
  if (trailing) {
    SetError("%s: the file goes on after its trailer", name.c_str());
    return ReadResult::Wrong;
  }
  if (!closed) {
    SetError("%s: the file could not be closed", name.c_str());
    return ReadResult::CloseFailed;
  }
  if (r > 0) {
    const int count = SaveFile_BlockCount(kind);
    SetError("%s: the file holds %d of the %d blocks", name.c_str(), count - r, count);
    return ReadResult::Incomplete;
  }
  return ReadResult::Ok;
}

// ---- the checks of a staged file ----

int16_t StagedWord(const Staging& s, int block) { return LoadI16(s.Block(block)); }

bool InRange(const std::string& name, const char* what, int32_t value, int32_t lo, int32_t hi) {
  if (value >= lo && value <= hi) return true;
  SetError("%s: %s %d is outside %d-%d", name.c_str(), what, value, lo, hi);
  return false;
}

bool SameBytes(const std::string& name, const char* what, const uint8_t* a, const uint8_t* b, size_t size) {
  if (std::memcmp(a, b, size) == 0) return true;
  SetError("%s: the two copies of %s differ", name.c_str(), what);
  return false;
}

// The fixture list keeps day order, empty slots (day 511) last, and every
// used slot a competition code of the game.
bool FixturesSound(const std::string& name, const uint8_t* list) {
  uint32_t previous = 0;
  for (int n = 0; n < NUM_FIXTURES; ++n) {
    const uint32_t header = LoadU32(list + n * FIXTURE_RECORD_SIZE);
    const uint32_t day = header & 0x1FF, code = (header >> 9) & 0x7F;
    if (day < previous) {
      SetError("%s: fixture %d (day %u) stands after a fixture of day %u", name.c_str(), n, day, previous);
      return false;
    }
    if (day != static_cast<uint32_t>(FIXTURE_EMPTY_DAY) && code > static_cast<uint32_t>(COMP_MAX)) {
      SetError("%s: fixture %d has competition code %u", name.c_str(), n, code);
      return false;
    }
    previous = day;
  }
  return true;
}

// The blocks whose entries name world clubs, which the game uses as table
// indices: every entry must be a club 0-249 or one of its block's codes for
// no club.
struct ClubEntryBlock {
  int block;
  int count;     // entries checked, from the block's start
  int stride;    // bytes from one entry to the next
  bool word;     // int16 entries (else bytes)
  int16_t noneA, noneB;  // the codes for no club (252-255 pass as themselves in the seeding list)
  const char* what;
};
constexpr int16_t NONE_BYTE = 255;
constexpr ClubEntryBlock kClubEntryBlocks[] = {
    {0, 7 * DIVISION_PLACES, 1, false, NONE_BYTE, NONE_BYTE, "the division club order"},
    {SAV0_DIVISION_TABLE, NUM_DIVISIONS * DIVISION_PLACES, 1, false, NONE_BYTE, NONE_BYTE, "the division table"},
    {2, NUM_DIVISIONS * PLAYOFF_PLACES, 1, false, NONE_BYTE, NONE_BYTE, "the play-off table"},
    {4, EURO_LIST_C_SIZE, 1, false, NONE_BYTE, NONE_BYTE, "European list C"},
    {5, 1, 1, false, NONE_BYTE, NONE_BYTE, "a European cup holder"},
    {6, EURO_LIST_B_SIZE, 1, false, NONE_BYTE, NONE_BYTE, "European list B"},
    {7, EURO_LIST_A_SIZE, 1, false, NONE_BYTE, NONE_BYTE, "European list A"},
    {8, 1, 1, false, NONE_BYTE, NONE_BYTE, "a European cup holder"},
    {13, GROUP_TABLE_ROWS, static_cast<int>(sizeof(GroupTableRow)), false, NONE_BYTE, NONE_BYTE, "the group table"},
    {SAV0_VIEWED_CLUB, 1, 2, true, -1, -1, "the viewed club"},
    {63, NUM_EURO_GROUPS * EURO_GROUP_CLUBS, 2, true, -1, -1, "the Champions League groups"},
    {65, NUM_DIVISIONS * DIVISION_PLACES, 2, true, -1, -1, "the division club lists"},
};

bool ClubEntriesSound(const std::string& name, const Staging& s) {
  for (const ClubEntryBlock& b : kClubEntryBlocks) {
    const uint8_t* p = s.Block(b.block);
    for (int i = 0; i < b.count; ++i) {
      const int16_t club = b.word ? LoadI16(p + i * b.stride) : p[i * b.stride];
      if ((club >= 0 && club < NUM_CLUBS) || club == b.noneA || club == b.noneB) continue;
      SetError("%s: %s names club %d", name.c_str(), b.what, club);
      return false;
    }
  }
  // Each season of the roll of honour starts with its title holders.
  for (int season = 0; season < HONOURS_SEASONS; ++season)
    for (int i = 0; i < HONOUR_HOLDER_BYTES; ++i) {
      const uint8_t club = s.Block(37)[season * HONOURS_RECORD_SIZE + i];
      if (club < NUM_CLUBS || club == HONOUR_NO_CLUB) continue;
      SetError("%s: the roll of honour names club %d", name.c_str(), club);
      return false;
    }
  // The cup seeding list holds world clubs, -1 past its end, and the special
  // numbers 252-255 as they stand.
  for (int i = 0; i < CUP_SEEDING_ENTRIES; ++i) {
    const int16_t club = LoadI16(s.Block(49) + 2 * i);
    if ((club >= -1 && club < NUM_CLUBS) || (club >= 252 && club <= 255)) continue;
    SetError("%s: the cup seeding list names club %d", name.c_str(), club);
    return false;
  }
  return true;
}

// Every entry of the transfer log names database clubs (or -1), a player of
// the file (or -1) and a date of the calendar (or -1).
bool TransferLogSound(const std::string& name, const Staging& s) {
  const int16_t players = StagedWord(s, SAV0_PLAYER_TOTAL_COUNT);
  const uint8_t* log = s.Block(SAV0_TRANSFER_LOG);
  for (int n = 0; n < TRANSFER_LOG_ENTRIES; ++n) {
    const uint8_t* e = log + n * TRANSFER_LOG_ENTRY_SIZE;
    const struct {
      const char* what;
      int16_t value, lo, hi;
    } fields[] = {
        {"selling club", LoadI16(e + 0), 0, NUM_DB_CLUBS - 1}, {"buying club", LoadI16(e + 2), 0, NUM_DB_CLUBS - 1},
        {"player", LoadI16(e + 4), 0, static_cast<int16_t>(players - 1)}, {"day", LoadI16(e + 10), 1, 31},
        {"month", LoadI16(e + 12), 0, 11},
    };
    for (const auto& f : fields) {
      if (f.value == -1 || (f.value >= f.lo && f.value <= f.hi)) continue;
      SetError("%s: transfer log entry %d: %s %d is outside %d-%d", name.c_str(), n, f.what, f.value, f.lo, f.hi);
      return false;
    }
  }
  return true;
}

// The deal tables hold players of the file and world clubs (or -1); a sale
// agreed names its buying club.
bool DealTablesSound(const std::string& name, const Staging& s) {
  const int16_t players = StagedWord(s, SAV0_PLAYER_TOTAL_COUNT);
  auto playerSound = [&](const char* what, int16_t player) {
    if (player == -1 || (player >= 0 && player < players)) return true;
    SetError("%s: %s names player %d", name.c_str(), what, player);
    return false;
  };
  for (int i = 0; i < HUMAN_CONTRACT_SLOTS; ++i)
    if (!playerSound("a pending contract", LoadI16(s.Block(SAV0_DEAL_CONTRACTS) + 2 * i))) return false;
  for (int i = 0; i < HUMAN_SALE_SLOTS; ++i) {
    const int16_t player = LoadI16(s.Block(SAV0_DEAL_SALE_PLAYERS) + 2 * i);
    const int16_t club = LoadI16(s.Block(SAV0_DEAL_SALE_CLUBS) + 2 * i);
    if (!playerSound("an agreed sale", player)) return false;
    if ((club >= 0 && club < NUM_CLUBS) || (club == -1 && player == -1)) continue;
    SetError("%s: an agreed sale names club %d", name.c_str(), club);
    return false;
  }
  return true;
}

// The short list names players of the file or is empty (-1) slot by slot.
bool ShortListSound(const std::string& name, const Staging& s) {
  const int16_t players = StagedWord(s, SAV0_PLAYER_TOTAL_COUNT);
  for (int i = 0; i < SHORT_LIST_SIZE; ++i) {
    const int16_t player = LoadI16(s.Block(SAV0_SHORT_LIST) + 2 * i);
    if (player == SHORT_LIST_EMPTY || (player >= 0 && player < players)) continue;
    SetError("%s: the short list names player %d", name.c_str(), player);
    return false;
  }
  return true;
}

// The training buffer and the squad's progress snapshot name players of the
// file (or none) and retrain players as position types.
bool TrainingSound(const std::string& name, const Staging& s) {
  const int16_t players = StagedWord(s, SAV0_PLAYER_TOTAL_COUNT);
  std::string why;
  if (!SquadProgress_Sound(s.Block(SAV0_SQUAD_PROGRESS), players, &why) ||
      !TrainingBuffer_Sound(s.Block(SAV0_TRAINING_BUFFER), players, &why)) {
    SetError("%s: %s", name.c_str(), why.c_str());
    return false;
  }
  return true;
}

// The human manager's job offer: none, or a club, a due day and a kind the
// game can hold.
bool JobOfferSound(const std::string& name, const Staging& s) {
  if (JobOffer_ImageSound(s.Block(SAV0_JOB_OFFER))) return true;
  SetError("%s: the job offer is damaged", name.c_str());
  return false;
}

bool GameFileSound(const std::string& name, const Staging& s) {
  const int8_t country = static_cast<int8_t>(s.Block(SAV0_GAME_COUNTRY)[0]);
  const int8_t countryAgain = static_cast<int8_t>(s.Block(SAV0_GATE_LEVY_AND_COUNTRY)[1]);
  const int16_t players = StagedWord(s, SAV0_PLAYER_COUNT);
  if (!InRange(name, "game country", country, 0, NUM_GAME_COUNTRIES - 1)) return false;
  if (country != countryAgain) {
    SetError("%s: the two game country bytes differ (%d, %d)", name.c_str(), country, countryAgain);
    return false;
  }
  return InRange(name, "weekday", StagedWord(s, SAV0_WEEKDAY), 0, 6) &&
         InRange(name, "day of the month", StagedWord(s, SAV0_DAY_OF_MONTH), 1, 31) &&
         InRange(name, "month", StagedWord(s, SAV0_MONTH), 0, 11) &&
         InRange(name, "day of the season", StagedWord(s, SAV0_DAY_OF_SEASON), 0, 366) &&
         InRange(name, "player count", players, 0, MAX_PLAYERS) &&
         InRange(name, "total player count", StagedWord(s, SAV0_PLAYER_TOTAL_COUNT), players, MAX_PLAYERS) &&
         InRange(name, "transfer log write index", StagedWord(s, SAV0_TRANSFER_LOG_INDEX), 0, TRANSFER_LOG_ENTRIES) &&
         TransferLogSound(name, s) && DealTablesSound(name, s) && ShortListSound(name, s) &&
         JobOfferSound(name, s) &&
         SameBytes(name, "the squad progress snapshot", s.Block(SAV0_SQUAD_PROGRESS), s.Block(SAV0_SQUAD_PROGRESS_AGAIN),
                   SQUAD_PROGRESS_SAVED_SIZE) &&
         TrainingSound(name, s) &&
         FixturesSound(name, s.Block(SAV0_FIXTURES)) && ClubEntriesSound(name, s);
}

constexpr size_t IDENTITY_BYTES_IN_MINOR_BLOCK = 1800 - sizeof MinorClubsBlock.minorClubs;

bool PermFileSound(const std::string& name, const Staging& s) {
  return SameBytes(name, "the first player identities", s.Block(PRM0_IDENTITIES),
                   s.Block(PRM0_MINOR_CLUBS) + sizeof MinorClubsBlock.minorClubs, IDENTITY_BYTES_IN_MINOR_BLOCK);
}

bool CupDrawSound(const std::string& name, const Staging& s) {
  const int16_t r = SeasonEngine.cupDrawUnpack(s.Block(SAV0_CUP_DRAW_GROUP_WORDS), s.Block(SAV0_CUP_DRAW_MASK_WORDS),
                                               s.Block(SAV0_CUP_DRAW_VALUES));
  if (r == 0) return true;
  SetError("%s: the packed cup draw table is damaged (%d)", name.c_str(), r);
  return false;
}

// What follows a commit of the permanent file: the tables worked out from it.
void AfterPermLoad() { BuildAbilityStatsChoice(); }

// The code a load answers for a file's read.
int ReadResultCode(ReadResult result) {
  switch (result) {
    case ReadResult::Ok:
      return SAVE_OK;
    case ReadResult::OpenFailed:
      return SAVE_OPEN_FAILED;
    case ReadResult::ReadFailed:
      return SAVE_READ_FAILED;
    case ReadResult::CloseFailed:
      return SAVE_CLOSE_FAILED;
    case ReadResult::Wrong:
    case ReadResult::Incomplete:
      break;
  }
  return SAVE_WRONG_FILE;
}

// Reads and checks the permanent file into staging; 0, -1, -2, -3 or -20.
int StagePerm(int16_t slot, Staging* staged) {
  const std::string name = SaveFile_Name(SAVE_FILE_PERM, slot, true);
  if (const int rc = ReadResultCode(ReadFile(SAVE_FILE_PERM, name, staged)); rc != SAVE_OK) return rc;
  return PermFileSound(name, *staged) ? SAVE_OK : SAVE_WRONG_FILE;
}

}  // namespace

// ---------------------------------------------------------------------------
// Names and tables
// ---------------------------------------------------------------------------

std::string SaveFile_Name(SaveFileKind kind, int16_t slot, bool forReading) {
  if (kind == SAVE_FILE_TEAM) return "a:\\SaveTeam";
  std::string name = kind == SAVE_FILE_GAME ? "SaveData\\save" : "SaveData\\perm";
  name += std::to_string(slot);
  if (forReading && slot == SAVE_SLOT_CD) {
    std::string root = GetCDRootPath();
    if (root.empty()) root = std::string(1, GetCDDrive()) + ":\\";
    name = root + name;
  }
  return name;
}

int SaveFile_BlockCount(SaveFileKind kind) { return static_cast<int>(BlocksOf(kind).size()); }

int32_t SaveFile_BlockSize(SaveFileKind kind, int block) {
  const BlockList& blocks = BlocksOf(kind);
  return block >= 0 && block < static_cast<int>(blocks.size()) ? blocks[static_cast<size_t>(block)].size : -1;
}

std::vector<uint8_t> SaveFile_WorldImage(SaveFileKind kind) {
  const BlockList& blocks = BlocksOf(kind);
  std::vector<uint8_t> image(static_cast<size_t>(TotalSize(blocks)));
  size_t at = 0;
  for (const SaveBlock& b : blocks) {
    PackBlock(b, image.data() + at);
    at += static_cast<size_t>(b.size);
  }
  return image;
}

const char* SaveGame_LastError() { return gLastError.c_str(); }

// ---------------------------------------------------------------------------
// Saving and loading a game
// ---------------------------------------------------------------------------

int SaveGameSlot(int16_t slot) {
  gLastError.clear();
  const std::string game = SaveFile_Name(SAVE_FILE_GAME, slot, false);
  const std::string perm = SaveFile_Name(SAVE_FILE_PERM, slot, false);
  const int16_t packed = SeasonEngine.packCupDrawTable();
  if (packed != 0) {
    SetError("%s: the cup draw table cannot be packed (%d)", game.c_str(), packed);
    return SAVE_WRITE_FAILED;
  }
  // Both files written whole before either replaces the old ones.
  int r = WriteTemp(SAVE_FILE_GAME, game);
  if (r != SAVE_OK) return r;
  if (WriteTemp(SAVE_FILE_PERM, perm) != SAVE_OK) {
    PlatRemoveFile(TempName(game).c_str());
    return SAVE_PERM_FAILED;
  }
  r = PutInPlace(game);
  if (r != SAVE_OK) {
    PlatRemoveFile(TempName(perm).c_str());
    return r;
  }
  return PutInPlace(perm) == SAVE_OK ? SAVE_OK : SAVE_PERM_FAILED;
}

int LoadGameSlot(int16_t slot) {
  gLastError.clear();
  const std::string game = SaveFile_Name(SAVE_FILE_GAME, slot, true);
  Staging gameStaged(GameBlocks());
  if (const int rc = ReadResultCode(ReadFile(SAVE_FILE_GAME, game, &gameStaged)); rc != SAVE_OK) return rc;
  if (!GameFileSound(game, gameStaged) || !CupDrawSound(game, gameStaged)) return SAVE_WRONG_FILE;

  Staging permStaged(PermBlocks());
  const int perm = StagePerm(slot, &permStaged);
  if (perm == SAVE_WRONG_FILE) return SAVE_WRONG_FILE;
  if (perm != SAVE_OK) return SAVE_PERM_FAILED;

  // Both files are sound: the world takes them, in file order.
  Commit(GameBlocks(), gameStaged);
  Commit(PermBlocks(), permStaged);

  RebuildUnsavedState();
  return SAVE_OK;
}

void RebuildUnsavedState() {
  ClubEventLog_Reindex();
  PlayerCareerLog_Reindex();
  AfterPermLoad();
  RebuildLeagueTables();
  ClubSim.buildReputationTable();
  SeasonEngine.unpackCupDrawTable();
  // Every club's squad list built afresh: the club simulation reads the
  // available players each list counted when it was last built.
  for (int16_t club = 0; club < NUM_CLUBS; ++club) BuildClubSquadList(club);
  PlayFix_ClearHumanChoices();  // the human's captain and takers are picked afresh
  ClubSim.updateTransferWindows(0, 0);
  SavePlaceholders.menuStateWord = 1;
  ViewedClub = GNW_GetHumanClub(1);
  SavePlaceholders.inGameWords[0] = 0;
  SavePlaceholders.inGameWords[1] = 0;
  MenuSystem.loadNamesFile();
  std::memcpy(SavePlaceholders.workingClubName, SavePlaceholders.clubScreenName,
              sizeof SavePlaceholders.workingClubName);
  SavePlaceholders.workingClubName[sizeof SavePlaceholders.workingClubName - 1] = '\0';
}

int SavePermFile(int16_t slot) {
  gLastError.clear();
  return WriteFile(SAVE_FILE_PERM, SaveFile_Name(SAVE_FILE_PERM, slot, false));
}

int LoadPermFile(int16_t slot) {
  gLastError.clear();
  Staging staged(PermBlocks());
  const int r = StagePerm(slot, &staged);
  if (r != SAVE_OK) return r;
  Commit(PermBlocks(), staged);
  AfterPermLoad();
  return SAVE_OK;
}

void RebuildLeagueTables() {
  std::memset(LeagueTable, 0, sizeof LeagueTable);
  std::memset(LeagueMovement, 0, sizeof LeagueMovement);
  LeagueTable_Rebuild(DayOfSeason - 1);
  SortLeagueTables();
}

// ---------------------------------------------------------------------------
// The exported team
// ---------------------------------------------------------------------------

int SaveTeamFile() {
  gLastError.clear();
  return WriteFile(SAVE_FILE_TEAM, SaveFile_Name(SAVE_FILE_TEAM, 0, false));
}

int LoadTeamFile(int16_t slot) {
  gLastError.clear();
  if (slot < 0 || slot >= NUM_TEAM_SLOTS) {
    SetError("no team slot %d", slot);
    return SAVE_NO_TEAM_SLOT;
  }
  const std::string name = SaveFile_Name(SAVE_FILE_TEAM, 0, true);
  Staging staged(TeamBlocks());
  // The staging image starts as the record is, so a file without the block
  // leaves it so.
  std::memcpy(staged.image.data(), SavePlaceholders.teamSlots[TEAM_EXPORT_SLOT], TEAM_RECORD_SIZE);
  const ReadResult read = ReadFile(SAVE_FILE_TEAM, name, &staged);
  if (read == ReadResult::Incomplete) {
    gLastError.clear();  // a file without the block is taken
  } else if (read == ReadResult::Wrong) {
    return SAVE_READ_FAILED;  // a team file answers a damaged file as a failed read
  } else if (const int rc = ReadResultCode(read); rc != SAVE_OK) {
    return rc;
  }
  Commit(TeamBlocks(), staged);
  return CopyLoadedTeamToSlot(slot);
}

int CopyLoadedTeamToSlot(int16_t n) {
  if (n < 0 || n >= NUM_TEAM_SLOTS) {
    SetError("no team slot %d", n);
    return SAVE_NO_TEAM_SLOT;
  }
  if (n != TEAM_EXPORT_SLOT)
    std::memcpy(SavePlaceholders.teamSlots[n], SavePlaceholders.teamSlots[TEAM_EXPORT_SLOT], TEAM_RECORD_SIZE);
  return SAVE_OK;
}

void SaveGame_Reset() {
  std::memset(&SavePlaceholders, 0, sizeof SavePlaceholders);
  std::memset(SavePlaceholders.divisionTableTail, NO_TABLE_CLUB, sizeof SavePlaceholders.divisionTableTail);
  gLastError.clear();
}

static_assert(sizeof PlayoffTable == 24 && sizeof CupExcluded == 1750 && sizeof GroupTable == 16);
static_assert(sizeof HonoursSeasons == 10400 && sizeof MonthManagerTable.bytes == 24);
static_assert(sizeof PlayerMatchRecords == 2000);
