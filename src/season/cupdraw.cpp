// The cup draws, the group tables and the packed cup-draw table.
#include "season/cupdraw.h"

#include <cstdio>
#include <cstring>
#include <utility>

#include "engine/bytes.h"
#include "engine/poll.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "season/cupties.h"
#include "season/seasonstate.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/static_clubs.h"
#include "world/worldgen.h"

CupDrawRounds CupDrawTable;
uint8_t CupExcluded[NUM_CUP_COMPETITIONS][NUM_CLUBS];
GroupTableRow GroupTable[GROUP_TABLE_ROWS];
PackedCupDraw CupDrawPacked;

namespace {

constexpr int SLOT_GROUP = 8;                                   // slots under one mask word
constexpr int GROUPS_PER_ROUND = (CUP_SLOTS + SLOT_GROUP - 1) / SLOT_GROUP;  // 32
constexpr int MASK_WORDS = NUM_CUP_COMPETITIONS * CUP_ROUNDS * GROUPS_PER_ROUND;  // 1,792
constexpr int WORDS_PER_GROUP_WORD = 32;
static_assert(MASK_WORDS == CUP_PACK_GROUP_WORDS * WORDS_PER_GROUP_WORD);

constexpr int UEFA_CUP = 4;
constexpr int CL_QUALIFYING = 5;
constexpr int CHAMPIONS_LEAGUE = 6;
constexpr int8_t GROUPS_OF_THREE = -3;
constexpr int8_t GROUPS_OF_FOUR = -4;
constexpr int SEEDING_FIXED_COUNTRY = 2;  // draws its entrants from fixed seeding ranges

// What the module keeps beside its saved tables: the unpacked form of a load
// before it is checked, the figures of the last refusal and the words of the
// last result text.
struct CupDrawState {
  CupDrawRounds scratch;
  int refusedCount;
  int refusedRoom;
  char resultText[112];
};
CupDrawState gDraw;

bool ValidClub(int club) { return club >= 0 && club < NUM_CLUBS; }
bool ValidCompetition(int competition) { return competition >= 0 && competition < NUM_CUP_COMPETITIONS; }
bool ValidRound(int round) { return round >= 0 && round < CUP_ROUNDS; }

void MarkAvailable(int competition, int16_t club) {
  if (ValidClub(club)) CupExcluded[competition][club] = 0;
}

// Seeding places [from, to) of the cup seeding list become available.
void MarkSeedingRange(int competition, int from, int to) {
  for (int place = from < 0 ? 0 : from; place < to && place < CUP_SEEDING_ENTRIES; ++place)
    MarkAvailable(competition, CupSeedingList[place]);
}

void MarkEntrants(int competition, int round, const CupRoundRecord& rec) {
  if (rec.firstSeed < 0) return;
  if (GameCountry == SEEDING_FIXED_COUNTRY) {
    if (round == 0) {
      MarkSeedingRange(competition, 16, 43);
      MarkSeedingRange(competition, 56, 61);
    } else {
      MarkSeedingRange(competition, 0, 16);
    }
    return;
  }
  MarkSeedingRange(competition, rec.firstSeed, rec.endSeed);
}

// The survivors of each pair of the round before: the club of slot 2m, or
// else that of slot 2m + 1 (a tie still undecided sends its slot-2m club on).
void MarkSurvivors(int competition, int round) {
  if (round <= 0) return;
  const auto& before = CupDrawTable[competition][round - 1];
  for (int m = 0; m < CUP_PAIRS; ++m) {
    const int16_t first = before[2 * m][0];
    MarkAvailable(competition, first >= 0 ? first : before[2 * m + 1][0]);
  }
}

// An empty row (a group short of clubs) stands below every club.
bool RowBelow(const GroupTableRow& a, const GroupTableRow& b) {
  if (a.club == GROUP_NO_CLUB || b.club == GROUP_NO_CLUB) return a.club == GROUP_NO_CLUB && b.club != GROUP_NO_CLUB;
  if (a.points != b.points) return a.points < b.points;
  if (a.goalDifference != b.goalDifference) return a.goalDifference < b.goalDifference;
  return a.goals < b.goals;
}

void Shuffle(uint8_t* list, int size, int competition) {
  for (int i = 0; i < size; ++i) {
    const int a = GameRandom() % size;
    const int b = GameRandom() % size;
    std::swap(list[a], list[b]);
  }
  for (int i = 0; i < size; ++i)
    CupDrawTable[competition][0][i][0] = ValidClub(list[i]) ? static_cast<int16_t>(list[i]) : CUP_NO_CLUB;
}

void AddToList(uint8_t* list, int size, int16_t club) {
  if (!ValidClub(club)) return;
  for (int i = 0; i < size; ++i)
    if (list[i] == NO_TABLE_CLUB) {
      list[i] = static_cast<uint8_t>(club);
      return;
    }
}

// ---- the saved form ----

// Slot of a mask word's group, -1 past the table (the last group has two slots).
int SlotOf(int group, int s) {
  const int slot = group * SLOT_GROUP + s;
  return slot < CUP_SLOTS ? slot : -1;
}

// The entries of a slot as the table keeps them: clubs packed to the front.
bool SlotSound(const int16_t* entries) {
  bool ended = false;
  for (int e = 0; e < CUP_SLOT_ENTRIES; ++e) {
    if (entries[e] == CUP_NO_CLUB) {
      ended = true;
      continue;
    }
    if (ended || !ValidClub(entries[e])) return false;
  }
  return true;
}

// The mask word of group g of a round: bit 4s + e for each entry e of slot s
// that holds a club.
uint32_t MaskOf(const int16_t (*slots)[CUP_SLOT_ENTRIES], int group) {
  uint32_t mask = 0;
  for (int s = 0; s < SLOT_GROUP; ++s) {
    const int slot = SlotOf(group, s);
    if (slot < 0) break;
    for (int e = 0; e < CUP_SLOT_ENTRIES; ++e)
      if (slots[slot][e] != CUP_NO_CLUB) mask |= 1u << (CUP_SLOT_ENTRIES * s + e);
  }
  return mask;
}

const char* Words(const char* format, int a, int b = 0) {
  std::snprintf(gDraw.resultText, sizeof gDraw.resultText, format, a, b);
  return gDraw.resultText;
}

}  // namespace

void CupDraw_ClearTable() {
  for (auto& competition : CupDrawTable)
    for (auto& round : competition)
      for (auto& slot : round)
        for (int16_t& entry : slot) entry = CUP_NO_CLUB;
}

void CupDraw_Reset() {
  CupDraw_ClearTable();
  std::memset(CupExcluded, 0, sizeof CupExcluded);
  std::memset(GroupTable, 0, sizeof GroupTable);
  std::memset(&CupDrawPacked, 0, sizeof CupDrawPacked);
  gDraw.refusedCount = gDraw.refusedRoom = 0;
  std::memset(gDraw.resultText, 0, sizeof gDraw.resultText);
}
REGISTER_RESET(RESET_SEASON, CupDraw_Reset);
// The table as a new program has it: empty.
[[maybe_unused]] static const int gCupDrawStart = (CupDraw_Reset(), 0);

const CupRoundRecord* CupRound_Get(int competition, int round) {
  if (!IsGameCountry(GameCountry) || !ValidCompetition(competition) || !ValidRound(round)) return nullptr;
  return &CupRoundData[GameCountry][competition][round];
}

// ---- the group rounds ----

void CupDraw_SettleGroups(int competition, int size) {
  if (!ValidCompetition(competition) || (size != 3 && size != 4)) return;
  const int code = COMP_CUP_FIRST + COMP_CUP_CODES * competition;
  auto& slots = CupDrawTable[competition][0];
  for (int first = 0; first + size <= CUP_SLOTS; first += size) {
    bool any = false;
    for (int s = first; s < first + size; ++s) any |= slots[s][0] >= 0;
    if (!any) continue;
    GroupTable_Clear();
    for (int row = 0; row < GROUP_TABLE_ROWS; ++row) {
      const int16_t club = row < size ? slots[first + row][0] : CUP_NO_CLUB;
      GroupTable[row].club = ValidClub(club) ? static_cast<uint8_t>(club) : GROUP_NO_CLUB;
    }
    if (size == 3) {
      UpdateGroupTable(0, 1, code);
      UpdateGroupTable(1, 2, code);
      UpdateGroupTable(2, 0, code);
    } else {
      for (int a = 0; a < size; ++a)
        for (int b = 0; b < size; ++b)
          if (a != b) UpdateGroupTable(a, b, code);
    }
    for (int pass = 0; pass < size; ++pass)
      for (int row = 0; row + 1 < size; ++row)
        if (RowBelow(GroupTable[row], GroupTable[row + 1])) GroupTable_SwapRows(row, row + 1);
    for (int row = 2; row < size; ++row) {
      if (GroupTable[row].club == GROUP_NO_CLUB) continue;
      for (int s = first; s < first + size; ++s)
        if (slots[s][0] == GroupTable[row].club) slots[s][0] = CUP_NO_CLUB;
    }
  }
}

// ---- the draw ----

namespace {

// One round's draw: the European list shuffled in where the round takes it,
// every club excluded, the round's entrants and the clubs coming on made
// available, the slots filled and the fixtures made.
void DrawRound(int j, int k, const CupRoundRecord& rec, int* groupsRecorded) {
  if (j == UEFA_CUP && k == 0) ShuffleEuroEntrantsC();
  if (j == CHAMPIONS_LEAGUE && k == 0) ShuffleEuroEntrantsA();
  std::memset(CupExcluded[j], 1, sizeof CupExcluded[j]);
  MarkEntrants(j, k, rec);
  if (rec.firstSeed == GROUPS_OF_THREE || rec.firstSeed == GROUPS_OF_FOUR) {
    CupDraw_SettleGroups(j, -rec.firstSeed);
    if (k > 0)
      for (const auto& slot : CupDrawTable[j][k - 1]) MarkAvailable(j, slot[0]);
  } else if (rec.comingOn > 0) {
    MarkSurvivors(j, k);
  }
  CupDraw_FillRound(j, k);
  CupRound_MakeFixtures(j, k, groupsRecorded);
}

}  // namespace

void DrawCupRound() {
  if (!IsGameCountry(GameCountry)) return;
  int groupsRecorded = 0;
  for (int j = 0; j < NUM_CUP_COMPETITIONS; ++j) {
    for (int k = 0; k < CUP_ROUNDS; ++k) {
      Poll();
      const CupRoundRecord& rec = CupRoundData[GameCountry][j][k];
      if (rec.drawDay != DaysSinceFirstMatch) continue;
      // Every day before the first league matchday counts 0: a round drawn
      // on day 0 is drawn on the season's first day only.
      if (rec.drawDay == 0 && DayOfSeason > 1) break;
      DrawRound(j, k, rec, &groupsRecorded);
    }
  }
}

void CupDraw_DrawRound(int competition, int round) {
  const CupRoundRecord* rec = CupRound_Get(competition, round);
  if (!rec) return;
  int groupsRecorded = 0;
  DrawRound(competition, round, *rec, &groupsRecorded);
}

void CupDraw_FillRound(int competition, int round) {
  const CupRoundRecord* rec = CupRound_Get(competition, round);
  if (!rec) return;
  int slots = (rec->endSeed - rec->firstSeed) + (rec->comingOn > 0 ? rec->comingOn : 0);
  if (slots > CUP_SLOTS) slots = CUP_SLOTS;
  uint8_t* excluded = CupExcluded[competition];
  for (int slot = 0; slot < slots; ++slot) {
    const int start = GameRandom() % NUM_CLUBS;
    const int step = slot % 2 == 1 ? 1 : NUM_CLUBS - 1;  // forward for an odd slot, backward for an even one
    int club = start;
    while (excluded[club]) {
      club = (club + step) % NUM_CLUBS;
      if (club == start) return;  // nobody left: the draw stops
    }
    CupDrawTable[competition][round][slot][0] = static_cast<int16_t>(club);
    excluded[club] = 1;
  }
}

// ---- the group table ----

void UpdateGroupTable(int rowA, int rowB, int code) {
  if (rowA < 0 || rowA >= GROUP_TABLE_ROWS || rowB < 0 || rowB >= GROUP_TABLE_ROWS) return;
  GroupTableRow& a = GroupTable[rowA];
  GroupTableRow& b = GroupTable[rowB];
  if (a.club == GROUP_NO_CLUB || b.club == GROUP_NO_CLUB) return;
  int16_t fixture = -1;
  for (int n = 0; n < NUM_FIXTURES && fixture < 0; ++n) {
    const int16_t f = static_cast<int16_t>(n);
    if (Fixture_GetDay(f) == FIXTURE_EMPTY_DAY || Fixture_GetCompetition(f) != code) continue;
    if (Fixture_GetHomeClub(f) == a.club && Fixture_GetAwayClub(f) == b.club) fixture = f;
  }
  if (fixture < 0 || !Fixture_IsPlayed(fixture)) return;
  const int h = Fixture_GetHomeGoals(fixture);
  const int g = Fixture_GetAwayGoals(fixture);
  a.goals = static_cast<uint8_t>(a.goals + h);
  b.goals = static_cast<uint8_t>(b.goals + g);
  if (h == g) {
    ++a.points;
    ++b.points;
    return;
  }
  (h > g ? a : b).points = static_cast<uint8_t>((h > g ? a : b).points + 3);
  a.goalDifference = static_cast<int8_t>(a.goalDifference + h - g);
  b.goalDifference = static_cast<int8_t>(b.goalDifference + g - h);
}

void GroupTable_SwapRows(int a, int b) {
  if (a < 0 || a >= GROUP_TABLE_ROWS || b < 0 || b >= GROUP_TABLE_ROWS) return;
  std::swap(GroupTable[a], GroupTable[b]);
}

void GroupTable_Clear() {
  for (GroupTableRow& row : GroupTable) {
    row.points = 0;
    row.goalDifference = 0;
    row.goals = 0;
  }
}

// ---- removal ----

void Cup_RemoveClub(int round, int16_t club, int competition) {
  if (!ValidCompetition(competition) || !ValidClub(club)) return;
  for (int k = round < 0 ? 0 : round; k < CUP_ROUNDS; ++k)
    for (auto& slot : CupDrawTable[competition][k])
      for (int e = 0; e < CUP_SLOT_ENTRIES;) {
        if (slot[e] != club) {
          ++e;
          continue;
        }
        for (int f = e; f + 1 < CUP_SLOT_ENTRIES; ++f) slot[f] = slot[f + 1];
        slot[CUP_SLOT_ENTRIES - 1] = CUP_NO_CLUB;
      }
  if (competition == CL_QUALIFYING) EuroListC_Add(club);
}

// ---- the European lists ----

void EuroListA_Add(int16_t club) { AddToList(EuroListA, EURO_LIST_A_SIZE, club); }
void EuroListC_Add(int16_t club) { AddToList(EuroListC, EURO_LIST_C_SIZE, club); }
void ShuffleEuroEntrantsA() { Shuffle(EuroListA, EURO_LIST_A_SIZE, CHAMPIONS_LEAGUE); }
void ShuffleEuroEntrantsB() { Shuffle(EuroListB, EURO_LIST_B_SIZE, CL_QUALIFYING); }
void ShuffleEuroEntrantsC() { Shuffle(EuroListC, EURO_LIST_C_SIZE, UEFA_CUP); }

// ---- the saved form ----

int CupDraw_CountEntries(const CupDrawRounds& table) {
  int count = 0;
  for (const auto& competition : table)
    for (const auto& round : competition)
      for (const auto& slot : round)
        for (int16_t entry : slot) count += entry != CUP_NO_CLUB;
  return count;
}

int CupDraw_CountMaskWords(const CupDrawRounds& table) {
  int count = 0;
  for (const auto& competition : table)
    for (const auto& round : competition)
      for (int group = 0; group < GROUPS_PER_ROUND; ++group) count += MaskOf(round, group) != 0;
  return count;
}

const char* CupPack_ResultText(int result) {
  switch (result) {
    case CUP_PACK_OK:
      return "cup draw table packed";
    case CUP_PACK_TOO_MANY_MASK_WORDS:
      return Words("cup draw table too full to save: %d groups of slots hold clubs, room for %d", gDraw.refusedCount,
                   gDraw.refusedRoom);
    case CUP_PACK_TOO_MANY_VALUES:
      return Words("cup draw table too full to save: %d entries hold clubs, room for %d", gDraw.refusedCount,
                   gDraw.refusedRoom);
    case CUP_PACK_BAD_ENTRY:
      return "cup draw table damaged: an entry holds no club number or follows an empty one";
    case CUP_UNPACK_MASK_WORDS_OVERRUN:
      return Words("saved cup draw table damaged: more than %d groups of slots named as used", CUP_PACK_MASK_WORDS_MAX);
    case CUP_UNPACK_VALUES_OVERRUN:
      return Words("saved cup draw table damaged: more than %d entries named as used", CUP_PACK_VALUES_MAX);
    case CUP_UNPACK_BAD_ENTRY:
      return "saved cup draw table damaged: an entry past the table, an empty group named as used, a number that "
             "is no club, or an entry after an empty one";
    default:
      return "cup draw table: unknown result";
  }
}

int CupDraw_Pack(const CupDrawRounds& table, PackedCupDraw* out) {
  // Measure and check first, so that a refused table leaves the chunks alone.
  for (const auto& competition : table)
    for (const auto& round : competition)
      for (const auto& slot : round)
        if (!SlotSound(slot)) return CUP_PACK_BAD_ENTRY;
  const int maskWords = CupDraw_CountMaskWords(table);
  if (maskWords > CUP_PACK_MASK_WORDS_MAX) {
    gDraw.refusedCount = maskWords;
    gDraw.refusedRoom = CUP_PACK_MASK_WORDS_MAX;
    return CUP_PACK_TOO_MANY_MASK_WORDS;
  }
  const int entries = CupDraw_CountEntries(table);
  if (entries > CUP_PACK_VALUES_MAX) {
    gDraw.refusedCount = entries;
    gDraw.refusedRoom = CUP_PACK_VALUES_MAX;
    return CUP_PACK_TOO_MANY_VALUES;
  }

  PackedCupDraw packed{};
  int words = 0, values = 0;
  for (int w = 0; w < MASK_WORDS; ++w) {
    const int group = w % GROUPS_PER_ROUND;
    const int roundIndex = w / GROUPS_PER_ROUND;
    const auto& slots = table[roundIndex / CUP_ROUNDS][roundIndex % CUP_ROUNDS];
    const uint32_t mask = MaskOf(slots, group);
    if (mask == 0) continue;
    uint8_t* groupWord = packed.groupWords + 4 * (w / WORDS_PER_GROUP_WORD);
    StoreU32(groupWord, LoadU32(groupWord) | 1u << (w % WORDS_PER_GROUP_WORD));
    StoreU32(packed.maskWords + 4 * words++, mask);
    for (int s = 0; s < SLOT_GROUP; ++s) {
      const int slot = SlotOf(group, s);
      if (slot < 0) break;
      for (int16_t entry : slots[slot])
        if (entry != CUP_NO_CLUB) packed.values[values++] = static_cast<uint8_t>(entry);
    }
  }
  *out = packed;
  return CUP_PACK_OK;
}

int CupDraw_Unpack(const PackedCupDraw& in, CupDrawRounds* table) {
  CupDrawRounds& t = gDraw.scratch;
  for (auto& competition : t)
    for (auto& round : competition)
      for (auto& slot : round)
        for (int16_t& entry : slot) entry = CUP_NO_CLUB;

  int words = 0, values = 0;
  for (int w = 0; w < MASK_WORDS; ++w) {
    const uint32_t groupWord = LoadU32(in.groupWords + 4 * (w / WORDS_PER_GROUP_WORD));
    if ((groupWord >> (w % WORDS_PER_GROUP_WORD) & 1u) == 0) continue;
    if (words >= CUP_PACK_MASK_WORDS_MAX) return CUP_UNPACK_MASK_WORDS_OVERRUN;
    const uint32_t mask = LoadU32(in.maskWords + 4 * words++);
    if (mask == 0) return CUP_UNPACK_BAD_ENTRY;  // a word named as used holds nothing
    const int group = w % GROUPS_PER_ROUND;
    const int roundIndex = w / GROUPS_PER_ROUND;
    auto& slots = t[roundIndex / CUP_ROUNDS][roundIndex % CUP_ROUNDS];
    for (int s = 0; s < SLOT_GROUP; ++s) {
      const uint32_t bits = mask >> (CUP_SLOT_ENTRIES * s) & 0xFu;
      if (bits == 0) continue;
      const int slot = SlotOf(group, s);
      if (slot < 0) return CUP_UNPACK_BAD_ENTRY;  // a slot past the table's 250
      for (int e = 0; e < CUP_SLOT_ENTRIES; ++e) {
        if ((bits >> e & 1u) == 0) continue;
        if (values >= CUP_PACK_VALUES_MAX) return CUP_UNPACK_VALUES_OVERRUN;
        slots[slot][e] = in.values[values++];
      }
      if (!SlotSound(slots[slot])) return CUP_UNPACK_BAD_ENTRY;
    }
  }
  std::memcpy(*table, t, sizeof t);
  return CUP_PACK_OK;
}

int PackCupDrawTable() {
  const int result = CupDraw_Pack(CupDrawTable, &CupDrawPacked);
  if (result != CUP_PACK_OK) std::printf("PackCupDrawTable(): %s\n", CupPack_ResultText(result));
  return result;
}

int UnpackCupDrawTable() {
  const int result = CupDraw_Unpack(CupDrawPacked, &CupDrawTable);
  if (result != CUP_PACK_OK) std::printf("UnpackCupDrawTable(): %s\n", CupPack_ResultText(result));
  return result;
}
