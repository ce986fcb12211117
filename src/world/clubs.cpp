// The club records and their accessors.
#include "world/clubs.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "clubsim/clubsvc.h"
#include "clubsim/squadlist.h"
#include "engine/reset.h"
#include "season/seasonstate.h"
#include "world/fixtures.h"
#include "world/nationality.h"
#include "world/players.h"
#include "world/recordbits.h"

ClubRecord ClubRecords[NUM_FULL_CLUBS];
ClubSlotMap ClubSlots;
int32_t MoneyPool;
namespace {
int64_t gMoneyFlow = 0;
}

namespace {

struct ClubsState {
  uint8_t seasonMarks[CLUB_SEASON_MARKS_SIZE];
};
ClubsState gClubs;

// How a setter limits its value.
enum Limit : uint8_t {
  LIMIT_CLAMP,        // to lo..hi
  LIMIT_MASK,         // the low bits of the field's width
  LIMIT_NONNEG_MASK,  // below 0 as 0, then the low bits
};

// What a getter answers for a club without a full record.
enum MinorAnswer : uint8_t {
  MINOR_ZERO,
  MINOR_ONE,
  MINOR_SIXTY,
  MINOR_REP,       // the club's reputation
  MINOR_REP_BY_6,  // the club's reputation / 6
  MINOR_FIELD,     // a field of the minor record, which the setter also writes
};

struct ClubField {
  BitField bits;
  const char* negMessage;  // null: a negative club is answered 0 without a word
  Limit limit;
  int32_t lo, hi;
  MinorAnswer minor;
  BitField minorBits;
};

#define NEG_CLUB(word) "Trying to get " word " of neg club : '%d'\n"
#define NEG_STAFF(word) "Trying to get " word " of neg Club : '%d'\n"

constexpr BitField kNoMinor{0, 0, 0};

constexpr ClubField Clamped(BitField bits, const char* neg, int32_t lo, int32_t hi, MinorAnswer minor = MINOR_ZERO,
                            BitField minorBits = kNoMinor) {
  return {bits, neg, LIMIT_CLAMP, lo, hi, minor, minorBits};
}
constexpr ClubField Masked(BitField bits, const char* neg, Limit limit = LIMIT_MASK, MinorAnswer minor = MINOR_ZERO,
                           BitField minorBits = kNoMinor) {
  return {bits, neg, limit, 0, 0, minor, minorBits};
}

// Word 0 and word 4 of the full record; words 0-2 of the minor record.
constexpr ClubField kDivision = Clamped({0, 28, 3}, nullptr, 0, 7, MINOR_FIELD, {0, 0, 3});
constexpr ClubField kStadiumClause = Clamped({0, 31, 1}, NEG_CLUB("Stadium clause"), 0, 1);
constexpr ClubField kStandStyle[4] = {
    Clamped({4, 0, 3}, NEG_CLUB("Style"), 0, 7, MINOR_FIELD, {4, 0, 3}),
    Clamped({4, 8, 3}, NEG_CLUB("Style"), 0, 7, MINOR_FIELD, {4, 8, 3}),
    Clamped({4, 16, 3}, NEG_CLUB("Style"), 0, 7, MINOR_FIELD, {4, 16, 3}),
    Clamped({4, 24, 3}, NEG_CLUB("Style"), 0, 7, MINOR_FIELD, {4, 24, 3}),
};
constexpr ClubField kStandCapacity[4] = {
    Clamped({4, 3, 5}, NEG_CLUB("Capacity"), 0, 31, MINOR_FIELD, {4, 3, 5}),
    Clamped({4, 11, 5}, NEG_CLUB("Capacity"), 0, 31, MINOR_FIELD, {4, 11, 5}),
    Clamped({4, 19, 5}, NEG_CLUB("Capacity"), 0, 31, MINOR_FIELD, {4, 19, 5}),
    Clamped({4, 27, 5}, NEG_CLUB("Capacity"), 0, 31, MINOR_FIELD, {4, 27, 5}),
};
constexpr ClubField kRepPlace = Clamped({8, 0, 5}, NEG_CLUB("Rep"), 0, 24);
constexpr ClubField kTrainingClause = Clamped({24, 26, 1}, NEG_CLUB("Training clause"), 0, 1);
constexpr ClubField kBossvaneClause = Clamped({24, 27, 1}, NEG_CLUB("Bossvane clause"), 0, 1);
constexpr ClubField kCountry = Clamped({28, 0, 5}, nullptr, 0, 31, MINOR_FIELD, {0, 10, 5});
constexpr ClubField kContractClause = Clamped({48, 30, 1}, NEG_CLUB("contract clause"), 0, 1);
constexpr ClubField kFinancialClause = Clamped({48, 31, 1}, NEG_CLUB("financial clause"), 0, 1);
constexpr ClubField kTotalWages = Masked({56, 0, 21}, NEG_CLUB("Total Wages"), LIMIT_NONNEG_MASK);
constexpr ClubField kControl = Clamped({56, 21, 3}, NEG_CLUB("control"), 0, 1);
constexpr ClubField kGateReceipts = Masked({60, 0, 24}, NEG_CLUB("Gate Receipts"), LIMIT_NONNEG_MASK);
constexpr ClubField kTotalSignings = Masked({64, 0, 26}, NEG_CLUB("Total Signings"), LIMIT_NONNEG_MASK);
constexpr ClubField kRep = Clamped({64, 26, 6}, NEG_CLUB("Rep"), 3, 63, MINOR_FIELD, {0, 21, 6});
constexpr ClubField kTotalSales = Masked({68, 0, 26}, NEG_CLUB("Total Sales"), LIMIT_NONNEG_MASK);
constexpr ClubField kTeamwork = Clamped({68, 26, 6}, NEG_CLUB("teamwork"), 0, 60, MINOR_REP);
constexpr ClubField kMiscIn = Masked({72, 0, 24}, NEG_CLUB("MiscIn"), LIMIT_NONNEG_MASK);
constexpr ClubField kMiscOut = Masked({76, 0, 24}, NEG_CLUB("MiscOut"), LIMIT_NONNEG_MASK);
constexpr ClubField kAvgAtt = Masked({80, 0, 17}, NEG_CLUB("Avg att"), LIMIT_NONNEG_MASK);
constexpr ClubField kHiringClause = Clamped({80, 17, 1}, NEG_CLUB("Hiring clause"), 0, 1);
constexpr ClubField kSetPieces1 = Clamped({80, 18, 6}, NEG_CLUB("set pieces"), 0, 60, MINOR_REP);
constexpr ClubField kXcoord = Masked({88, 0, 8}, NEG_CLUB("Xcoord"), LIMIT_MASK, MINOR_FIELD, {8, 0, 8});
constexpr ClubField kYcoord = Masked({88, 8, 8}, NEG_CLUB("Ycoord"), LIMIT_MASK, MINOR_FIELD, {8, 8, 8});
constexpr ClubField kSeasonDispoints = Masked({110, 0, 8}, NEG_CLUB("season dispoints"));
constexpr ClubField kSetPieces3 = Clamped({1994, 0, 6}, NEG_CLUB("set pieces"), 0, 60, MINOR_SIXTY);
constexpr ClubField kSetPieces2 = Clamped({1994, 6, 6}, NEG_CLUB("set pieces"), 0, 60, MINOR_SIXTY);

constexpr ClubField Staff(uint16_t offset, uint8_t lo, const char* neg) {
  return Clamped({offset, lo, 4}, neg, 0, 10, MINOR_REP_BY_6);
}
constexpr ClubField StaffContract(uint16_t offset, uint8_t lo, const char* neg) {
  return Clamped({offset, lo, 4}, neg, 0, 12, MINOR_ONE);
}
constexpr ClubField kCoach = Staff(56, 24, NEG_STAFF("coach"));
constexpr ClubField kCoachContract = StaffContract(56, 28, NEG_STAFF("coach contract"));
constexpr ClubField kCoachGK = Staff(60, 24, NEG_STAFF("coachGK"));
constexpr ClubField kCoachGKContract = StaffContract(60, 28, NEG_STAFF("coachGK contract"));
constexpr ClubField kCoachDF = Staff(72, 24, NEG_STAFF("coachDF"));
constexpr ClubField kCoachDFContract = StaffContract(72, 28, NEG_STAFF("coachDF contract"));
constexpr ClubField kCoachMD = Staff(76, 24, NEG_STAFF("coachMD"));
constexpr ClubField kCoachMDContract = StaffContract(76, 28, NEG_STAFF("coachMD contract"));
constexpr ClubField kCoachFW = Staff(80, 24, NEG_STAFF("coachFW"));
constexpr ClubField kCoachFWContract = StaffContract(80, 28, NEG_STAFF("coachFW contract"));
constexpr ClubField kCoachYouth = Staff(52, 24, NEG_STAFF("coachYouth"));
constexpr ClubField kCoachYouthContract = StaffContract(52, 28, NEG_STAFF("coachYouth contract"));
constexpr ClubField kPhysio = Staff(84, 0, NEG_STAFF("Physio"));
constexpr ClubField kPhysioContract = StaffContract(84, 4, NEG_STAFF("Physio contract"));
constexpr ClubField kYDO = Staff(84, 8, NEG_STAFF("YDO"));
constexpr ClubField kYDOContract = StaffContract(84, 12, NEG_STAFF("YDO contract"));
constexpr ClubField kPsycho = Staff(84, 16, NEG_STAFF("Psycho"));
constexpr ClubField kPsychoContract = StaffContract(84, 20, NEG_STAFF("Psycho contract"));
constexpr ClubField kFaith = Staff(84, 24, NEG_STAFF("Faith"));
constexpr ClubField kFaithContract = StaffContract(84, 28, NEG_STAFF("Faith contract"));
constexpr ClubField kDietition = Staff(36, 17, NEG_STAFF("Dietition"));
constexpr ClubField kDietitionContract = StaffContract(36, 21, NEG_STAFF("Dietition contract"));

// The finance block: 23 int32 from byte 4470, no limits.
constexpr uint16_t FINANCE_BLOCK = 4470;
constexpr ClubField Finance(int index, const char* neg) {
  return Masked({static_cast<uint16_t>(FINANCE_BLOCK + 4 * index), 0, 32}, neg);
}

constexpr BitField kBalance{0, 0, 28};

// Record fields (getters only through ClubField; the record setters write the rest).
constexpr BitField kRecordSaleFee{12, 0, 26}, kRecordSalePlayer{16, 0, 14}, kRecordSaleClub{16, 14, 8},
    kRecordSaleDay{16, 22, 5}, kRecordSaleYear{20, 0, 7}, kRecordSaleMonth{20, 7, 4};
constexpr BitField kRecordBuyFee{24, 0, 26}, kRecordBuyPlayer{28, 11, 14}, kRecordBuyDay{28, 25, 5},
    kRecordBuyMonth{32, 0, 4}, kRecordBuyClub{32, 4, 16}, kRecordBuyYear{32, 20, 7};
constexpr BitField kRecordCrowd{36, 0, 17}, kRecordCrowdDay{40, 14, 5}, kRecordCrowdYear{40, 19, 7},
    kRecordCrowdMonth{40, 26, 4}, kRecordCrowdOpponent{92, 0, 8};
constexpr BitField kRecordGoalsPlayer{40, 0, 14}, kRecordGoals{44, 0, 7}, kRecordGoalsYear{44, 7, 7};
constexpr BitField kRecordWinFor{44, 14, 5}, kRecordWinAgainst{44, 19, 5}, kRecordWinMonth{44, 24, 4},
    kRecordWinOpponent{48, 0, 8}, kRecordWinDay{48, 8, 5}, kRecordWinYear{48, 13, 7};
constexpr BitField kRecordDefeatFor{48, 20, 5}, kRecordDefeatAgainst{48, 25, 5}, kRecordDefeatOpponent{52, 0, 8},
    kRecordDefeatDay{52, 8, 5}, kRecordDefeatMonth{52, 13, 4}, kRecordDefeatYear{52, 17, 7};
constexpr BitField kRecordLowCrowdOpponent{93, 0, 8}, kRecordLowCrowd{94, 0, 17}, kRecordLowCrowdDay{94, 17, 5},
    kRecordLowCrowdYear{94, 22, 7}, kRecordLowCrowdMonth{98, 0, 4};
constexpr BitField kRecordPointsYear{98, 4, 7}, kRecordPoints{98, 11, 8}, kRecordGoalsTotalYear{98, 19, 7};
constexpr BitField kRecordGoalsTotal{102, 0, 8}, kRecordDispointsYear{102, 8, 7}, kRecordDispoints{102, 15, 8},
    kRecordGoalsInGameYear{102, 23, 7};
constexpr BitField kRecordGoalsInGame{106, 0, 4}, kRecordGoalsInGamePlayer{106, 4, 14},
    kRecordGoalsInGameOpponent{106, 18, 8};

uint8_t* MinorBytes(int16_t club) {
  MinorClubRecord* m = Club_GetMinorRecord(club);
  return m ? m->bytes : nullptr;
}

int32_t MinorValue(int16_t club, const ClubField& f) {
  switch (f.minor) {
    case MINOR_ZERO: return 0;
    case MINOR_ONE: return 1;
    case MINOR_SIXTY: return 60;
    case MINOR_REP: return Club_GetRep(club);
    case MINOR_REP_BY_6: return Club_GetRep(club) / 6;
    case MINOR_FIELD: {
      const uint8_t* m = MinorBytes(club);
      return m ? static_cast<int32_t>(GetBits(m, f.minorBits)) : 0;
    }
  }
  return 0;
}

int32_t GetField(int16_t club, const ClubField& f) {
  if (club < 0) {
    if (!f.negMessage) return 0;
    std::printf(f.negMessage, club);
    FatalExit();
  }
  if (club >= NUM_CLUBS) return 0;
  ClubRecord* r = Club_GetFullRecord(club);
  if (!r) return MinorValue(club, f);
  return static_cast<int32_t>(GetBits(r->bytes, f.bits));
}

uint32_t Limited(const ClubField& f, int32_t value) {
  switch (f.limit) {
    case LIMIT_CLAMP:
      if (value < f.lo) value = f.lo;
      if (value > f.hi) value = f.hi;
      break;
    case LIMIT_NONNEG_MASK:
      if (value < 0) value = 0;
      break;
    case LIMIT_MASK:
      break;
  }
  return static_cast<uint32_t>(value);  // SetBits keeps the field's width
}

void SetField(int16_t club, const ClubField& f, int32_t value) {
  if (club < 0 || club >= NUM_CLUBS) return;
  if (ClubRecord* r = Club_GetFullRecord(club)) {
    SetBits(r->bytes, f.bits, Limited(f, value));
  } else if (f.minor == MINOR_FIELD) {
    if (uint8_t* m = MinorBytes(club)) SetBits(m, f.minorBits, Limited(f, value));
  }
}

// A getter for a record field: the usual rules, but only full records hold one.
int32_t GetRecord(int16_t club, BitField bits, const char* neg) { return GetField(club, Masked(bits, neg)); }

uint8_t* FullBytes(int16_t club) {
  if (club < 0) return nullptr;
  ClubRecord* r = Club_GetFullRecord(club);
  return r ? r->bytes : nullptr;
}

// Today's date, as the record setters stamp it.
void StampDate(uint8_t* r, BitField day, BitField month, BitField year) {
  SetBits(r, day, static_cast<uint32_t>(DayOfMonth));
  SetBits(r, month, static_cast<uint32_t>(Month));
  SetBits(r, year, static_cast<uint32_t>(Year % 100));
}

// The season a record belongs to: January to June count to the season that
// started the year before.
uint32_t SeasonYear() { return static_cast<uint32_t>((Month < 6 ? Year : Year + 1) % 100); }

uint8_t* HistoryBlock(int16_t club, int block) {
  uint8_t* r = FullBytes(club);
  if (!r || block < 0 || block >= CLUB_HISTORY_BLOCKS) return nullptr;
  return r + CLUB_HISTORY_OFFSET + CLUB_HISTORY_SIZE * block;
}

constexpr int HISTORY_FIGURES = 12;  // six int16 after the twelve monthly positions
constexpr int HISTORY_AVG_ATT = 24;
constexpr int HISTORY_SCORERS = 28;
constexpr int HISTORY_CUPS = 48;
static_assert(HISTORY_CUPS + CLUB_CUP_ENTRIES * CLUB_CUP_ENTRY_SIZE == CLUB_HISTORY_SIZE);

enum SeasonFigure { FIGURE_POINTS, FIGURE_PLAYED, FIGURE_WON, FIGURE_DRAWN, FIGURE_FOR, FIGURE_AGAINST };

void StoreSeasonFigure(int16_t club, int block, SeasonFigure figure) {
  uint8_t* h = HistoryBlock(club, block);
  if (!h) return;  // no full record, so club is one of 0-249
  const LeagueTableRow& r = LeagueTable[club];
  int32_t value = 0;
  switch (figure) {
    case FIGURE_POINTS: value = r.points; break;
    case FIGURE_PLAYED: value = r.played; break;
    case FIGURE_WON: value = r.homeWon + r.awayWon; break;
    case FIGURE_DRAWN: value = r.homeDrawn + r.awayDrawn; break;
    case FIGURE_FOR: value = r.homeFor + r.awayFor; break;
    case FIGURE_AGAINST: value = r.homeAgainst + r.awayAgainst; break;
  }
  StoreI16(h + HISTORY_FIGURES + 2 * figure, value);
}

// The club's first fixture of cup k in list order, written into the entry.
void StoreCupResult(int16_t club, uint8_t* entry, int cup) {
  if (!entry) return;
  const int first = COMP_CUP_FIRST + COMP_CUP_CODES * cup, last = first + COMP_CUP_CODES - 1;
  for (int16_t n = 0; n < NUM_FIXTURES; ++n) {
    int16_t code = Fixture_GetCompetition(n);
    if (Fixture_GetDay(n) == FIXTURE_EMPTY_DAY || code < first || code > last) continue;
    int16_t home = Fixture_GetHomeClub(n), away = Fixture_GetAwayClub(n);
    if (home != club && away != club) continue;
    StoreI32(entry, code);
    StoreI32(entry + 4, Fixture_GetHomeGoals(n));
    StoreI32(entry + 8, Fixture_GetAwayGoals(n));
    StoreI32(entry + 12, Fixture_GetShootoutFlag(n));
    StoreI32(entry + 16, home == club ? away : home);
    return;
  }
}

}  // namespace

void* MinorClubsBlock_Address() { return &MinorClubsBlock; }
int32_t MinorClubsBlock_Size() { return static_cast<int32_t>(sizeof(MinorClubsBlock)); }

void Clubs_Reset() {
  std::memset(ClubRecords, 0, sizeof ClubRecords);
  std::memset(MinorClubsBlock.minorClubs, 0, sizeof MinorClubsBlock.minorClubs);
  for (int club = 0; club < NUM_CLUBS; ++club)
    ClubSlotMap_Set(static_cast<int16_t>(club),
                    static_cast<int16_t>(club < NUM_FULL_CLUBS ? club : NUM_CLUBS + club - NUM_FULL_CLUBS));
  MoneyPool = MONEY_POOL_START;
  gMoneyFlow = 0;
  std::memset(gClubs.seasonMarks, 0, sizeof gClubs.seasonMarks);
}
REGISTER_RESET(RESET_WORLD, Clubs_Reset);

int16_t ClubSlotMap_Get(int16_t club) {
  if (club < 0 || club >= NUM_CLUBS) return -1;
  return LoadI16(ClubSlots.bytes + 2 * club);
}

void ClubSlotMap_Set(int16_t club, int16_t entry) {
  if (club >= 0 && club < NUM_CLUBS) StoreI16(ClubSlots.bytes + 2 * club, entry);
}

ClubRecord* Club_GetFullRecord(int16_t club) {
  int16_t slot = GetClubRecordSlot(club);
  return slot < 0 ? nullptr : &ClubRecords[slot];
}

int16_t GetClubRecordSlot(int16_t club) {
  int16_t entry = ClubSlotMap_Get(club);
  return entry >= 0 && entry < NUM_FULL_CLUBS ? entry : -1;
}

MinorClubRecord* Club_GetMinorRecord(int16_t club) {
  int16_t entry = ClubSlotMap_Get(club);
  if (entry < NUM_CLUBS || entry >= NUM_CLUBS + NUM_MINOR_CLUBS) return nullptr;
  return &MinorClubsBlock.minorClubs[entry - NUM_CLUBS];
}

// ---- the balance and the money pool ----

int32_t Club_GetBalance(int16_t club) {
  if (club < 0) {
    std::printf(NEG_CLUB("Balance"), club);
    FatalExit();
  }
  const uint8_t* r = FullBytes(club);  // none for 250 and up or a minor club
  return r ? GetSignedBits(r, kBalance) : 0;
}

void Club_SetBalance(int16_t club, int32_t value) {
  uint8_t* r = FullBytes(club);
  if (!r) return;
  if (value < 0) value = 0;
  if (value > CLUB_BALANCE_MAX) value = CLUB_BALANCE_MAX;
  SetBits(r, kBalance, static_cast<uint32_t>(value));
}

void Club_AddToBalance(int16_t club, int32_t amount) {
  bool league = club >= 0 && club < NUM_CLUBS && Club_GetCountry(club) == GameCountry && Club_GetDivision(club) < 6 &&
                Club_GetFullRecord(club) != nullptr;
  if (league) {
    int64_t balance = static_cast<int64_t>(Club_GetBalance(club)) + amount;
    if (balance <= CLUB_BALANCE_MAX) {
      // A payment larger than the balance leaves 0: what was not there to pay
      // comes into the world.
      if (balance < 0) gMoneyFlow -= balance;
      Club_SetBalance(club, balance < 0 ? 0 : static_cast<int32_t>(balance));
      return;
    }
    // The balance field is full: what it cannot hold goes to the pool rather than vanish.
    Club_SetBalance(club, CLUB_BALANCE_MAX);
    amount = static_cast<int32_t>(balance - CLUB_BALANCE_MAX);
  }
  // A pool at the limit of its word keeps the limit; the rest leaves the world.
  const int64_t pool = static_cast<int64_t>(MoneyPool) + amount;
  MoneyPool = static_cast<int32_t>(std::clamp<int64_t>(pool, INT32_MIN, INT32_MAX));
  gMoneyFlow += MoneyPool - pool;
}

int64_t MoneyFlow_Total() { return gMoneyFlow; }

void MoneyPool_Set(int32_t value) {
  gMoneyFlow += static_cast<int64_t>(value) - MoneyPool;
  MoneyPool = value;
}

// ---- fields with their own rules ----

int16_t Club_GetCountry(int16_t club) { return static_cast<int16_t>(GetField(club, kCountry)); }

bool Club_IsGameCountryLeagueClub(int16_t club) {
  return club >= 0 && club < NUM_CLUBS && Club_GetCountry(club) == GameCountry && Club_GetDivision(club) < 6;
}
bool Club_IsFullGameCountryLeagueClub(int16_t club) {
  return Club_IsGameCountryLeagueClub(club) && Club_GetFullRecord(club) != nullptr;
}
void Club_SetCountry(int16_t club, int32_t value) {
  if (value > 31) value = GameCountry;
  SetField(club, kCountry, value);
}

int16_t Club_GetRepPlace(int16_t club) {
  if (club < 0) {
    std::printf(NEG_CLUB("Rep"), club);
    return 0;
  }
  return static_cast<int16_t>(GetField(club, kRepPlace));
}
void Club_SetRepPlace(int16_t club, int32_t value) { SetField(club, kRepPlace, value); }

int32_t Club_GetAvgAtt(int16_t club) { return GetField(club, kAvgAtt); }
void Club_SetAvgAtt(int16_t club, int32_t value) {
  if (value < 0) value = 0;
  int16_t slot = GetClubRecordSlot(club);
  if (slot >= 0 && Club_GetControl(club) == 1)
    StoreI32(gClubs.seasonMarks + slot * CLUB_MARK_SIZE + 2, Club_GetAvgAtt(club));
  SetField(club, kAvgAtt, value);
}

void ClubSeasonMarks_Clear() {
  for (int slot = 0; slot < NUM_FULL_CLUBS; ++slot) {
    uint8_t* mark = gClubs.seasonMarks + slot * CLUB_MARK_SIZE;
    mark[0] = 0xFF;
    mark[1] = 0xFF;
    StoreI32(mark + 2, 0);
  }
}

uint8_t* ClubSeasonMarks_Bytes() { return gClubs.seasonMarks; }

int32_t ClubSeasonMarks_GetPreviousAvgAtt(int16_t slot) {
  if (slot < 0 || slot >= NUM_FULL_CLUBS) return 0;
  return LoadI32(gClubs.seasonMarks + slot * CLUB_MARK_SIZE + 2);
}

// ---- the plain fields ----

#define CLUB_SHORT(Name, field)                                                                   \
  int16_t Club_Get##Name(int16_t club) { return static_cast<int16_t>(GetField(club, field)); } \
  void Club_Set##Name(int16_t club, int32_t value) { SetField(club, field, value); }
#define CLUB_LONG(Name, field)                                          \
  int32_t Club_Get##Name(int16_t club) { return GetField(club, field); } \
  void Club_Set##Name(int16_t club, int32_t value) { SetField(club, field, value); }

CLUB_SHORT(Division, kDivision)
CLUB_SHORT(Rep, kRep)
CLUB_SHORT(Stand1Style, kStandStyle[0])
CLUB_SHORT(Stand2Style, kStandStyle[1])
CLUB_SHORT(Stand3Style, kStandStyle[2])
CLUB_SHORT(Stand4Style, kStandStyle[3])
CLUB_SHORT(Stand1Capacity, kStandCapacity[0])
CLUB_SHORT(Stand2Capacity, kStandCapacity[1])
CLUB_SHORT(Stand3Capacity, kStandCapacity[2])
CLUB_SHORT(Stand4Capacity, kStandCapacity[3])
CLUB_SHORT(Xcoord, kXcoord)
CLUB_SHORT(Ycoord, kYcoord)
CLUB_SHORT(Control, kControl)
CLUB_SHORT(Teamwork, kTeamwork)
CLUB_SHORT(SetPieces1, kSetPieces1)
CLUB_SHORT(SetPieces2, kSetPieces2)
CLUB_SHORT(SetPieces3, kSetPieces3)
CLUB_SHORT(SeasonDispoints, kSeasonDispoints)

CLUB_SHORT(Coach, kCoach)
CLUB_SHORT(CoachContract, kCoachContract)
CLUB_SHORT(CoachGK, kCoachGK)
CLUB_SHORT(CoachGKContract, kCoachGKContract)
CLUB_SHORT(CoachDF, kCoachDF)
CLUB_SHORT(CoachDFContract, kCoachDFContract)
CLUB_SHORT(CoachMD, kCoachMD)
CLUB_SHORT(CoachMDContract, kCoachMDContract)
CLUB_SHORT(CoachFW, kCoachFW)
CLUB_SHORT(CoachFWContract, kCoachFWContract)
CLUB_SHORT(CoachYouth, kCoachYouth)
CLUB_SHORT(CoachYouthContract, kCoachYouthContract)
CLUB_SHORT(Physio, kPhysio)
CLUB_SHORT(PhysioContract, kPhysioContract)
CLUB_SHORT(Psycho, kPsycho)
CLUB_SHORT(PsychoContract, kPsychoContract)
CLUB_SHORT(Dietition, kDietition)
CLUB_SHORT(DietitionContract, kDietitionContract)
CLUB_SHORT(Faith, kFaith)
CLUB_SHORT(FaithContract, kFaithContract)
CLUB_SHORT(YDO, kYDO)
CLUB_SHORT(YDOContract, kYDOContract)

CLUB_SHORT(StadiumClause, kStadiumClause)
CLUB_SHORT(BossvaneClause, kBossvaneClause)
CLUB_SHORT(TrainingClause, kTrainingClause)
CLUB_SHORT(HiringClause, kHiringClause)
CLUB_SHORT(FinancialClause, kFinancialClause)
CLUB_SHORT(ContractClause, kContractClause)

CLUB_LONG(TotalWages, kTotalWages)
CLUB_LONG(GateReceipts, kGateReceipts)
CLUB_LONG(TotalSignings, kTotalSignings)
CLUB_LONG(TotalSales, kTotalSales)
CLUB_LONG(MiscIn, kMiscIn)
CLUB_LONG(MiscOut, kMiscOut)

#define CLUB_FINANCE(index, Name)                                                                  \
  int32_t Club_Get##Name(int16_t club) { return GetField(club, Finance(index, NEG_CLUB(#Name))); } \
  void Club_Set##Name(int16_t club, int32_t value) { SetField(club, Finance(index, nullptr), value); }

CLUB_FINANCE(0, WeeksSponsorship)
CLUB_FINANCE(1, WeeksTVIncome)
CLUB_FINANCE(2, WeeksMerchandising)
CLUB_FINANCE(3, WeeksFakeMiscellaneousIncome)
CLUB_FINANCE(4, WeeksWinBonuses)
CLUB_FINANCE(5, WeeksCoachingStaffWages)
CLUB_FINANCE(6, WeeksGroundStaffWages)
CLUB_FINANCE(7, WeeksStadiumMaintenance)
CLUB_FINANCE(8, WeeksFakeMiscellaneousExpenditure)
CLUB_FINANCE(9, SeasonGateReceipts)
CLUB_FINANCE(10, SeasonSales)
CLUB_FINANCE(11, SeasonSponsorship)
CLUB_FINANCE(12, SeasonTVIncome)
CLUB_FINANCE(13, SeasonMerchandising)
CLUB_FINANCE(14, SeasonRealAndFakeMiscellaneousIncome)
int32_t Club_GetSeasonWinBonuses(int16_t club) { return GetField(club, Finance(15, NEG_CLUB("SeasonWinBonuses"))); }
CLUB_FINANCE(16, SeasonPlayerWages)
CLUB_FINANCE(17, SeasonSignings)
CLUB_FINANCE(18, SeasonCoachingStaffWages)
CLUB_FINANCE(19, SeasonGroundStaffWages)
CLUB_FINANCE(20, SeasonStadiumMaintenance)
CLUB_FINANCE(21, SeasonRealAndFakeMiscellaneousExpenditure)

int32_t Club_GetBalanceCarriedForward(int16_t club) {
  return GetField(club, Finance(22, NEG_CLUB("BalanceCarriedForward")));
}
void Club_SetBalanceCarriedForward(int16_t club, int32_t value) {
  SetField(club, Finance(22, nullptr), value < 0 ? 0 : value);
}

// ---- club records ----

// Fees are kept in hundreds; the largest would not fit in 32 bits as money.
static int32_t FeeFromHundreds(int32_t hundreds) {
  int64_t fee = static_cast<int64_t>(hundreds) * 100;
  return fee > INT32_MAX ? INT32_MAX : static_cast<int32_t>(fee);
}

int32_t Club_GetRecordBuy(int16_t club) {
  return FeeFromHundreds(GetRecord(club, kRecordBuyFee, NEG_CLUB("Record Buy")));
}
int32_t Club_GetRecordSale(int16_t club) {
  return FeeFromHundreds(GetRecord(club, kRecordSaleFee, NEG_CLUB("Record Sale")));
}
int32_t Club_GetRecordCrowd(int16_t club) { return GetRecord(club, kRecordCrowd, NEG_CLUB("Record Crowd")); }
int32_t Club_GetRecordLowCrowd(int16_t club) {
  return GetRecord(club, kRecordLowCrowd, NEG_CLUB("Record Low Crowd"));
}

#define CLUB_RECORD(Name, bits, word) \
  int16_t Club_Get##Name(int16_t club) { return static_cast<int16_t>(GetRecord(club, bits, NEG_CLUB(word))); }

CLUB_RECORD(RecordGoals, kRecordGoals, "Record goals")
CLUB_RECORD(RecordGoalsInGame, kRecordGoalsInGame, "Record goals in game")
CLUB_RECORD(RecordGoalsTotal, kRecordGoalsTotal, "Record goals total")
CLUB_RECORD(RecordGoalsTotalYear, kRecordGoalsTotalYear, "Balance")
CLUB_RECORD(RecordPointsTotal, kRecordPoints, "Record points total")
CLUB_RECORD(RecordDispoints, kRecordDispoints, "Record dispoints")
CLUB_RECORD(RecordWinGoalsFor, kRecordWinFor, "Record win goals for")
CLUB_RECORD(RecordWinGoalsAgainst, kRecordWinAgainst, "Record win goals against")
CLUB_RECORD(RecordDefeatGoalsFor, kRecordDefeatFor, "Record defeat goals for")
CLUB_RECORD(RecordDefeatGoalsAgainst, kRecordDefeatAgainst, "Record defeat goals against")

void Club_SetRecordWin(int16_t club, int32_t goalsFor, int32_t goalsAgainst, int32_t opponent) {
  uint8_t* r = FullBytes(club);
  if (!r) return;
  SetBits(r, kRecordWinFor, static_cast<uint32_t>(goalsFor));
  SetBits(r, kRecordWinAgainst, static_cast<uint32_t>(goalsAgainst));
  SetBits(r, kRecordWinOpponent, static_cast<uint32_t>(opponent));
  StampDate(r, kRecordWinDay, kRecordWinMonth, kRecordWinYear);
}

void Club_SetRecordDefeat(int16_t club, int32_t goalsFor, int32_t goalsAgainst, int32_t opponent) {
  uint8_t* r = FullBytes(club);
  if (!r) return;
  SetBits(r, kRecordDefeatFor, static_cast<uint32_t>(goalsFor));
  SetBits(r, kRecordDefeatAgainst, static_cast<uint32_t>(goalsAgainst));
  SetBits(r, kRecordDefeatOpponent, static_cast<uint32_t>(opponent));
  StampDate(r, kRecordDefeatDay, kRecordDefeatMonth, kRecordDefeatYear);
}

void Club_SetRecordCrowd(int16_t club, int32_t attendance, int32_t opponent) {
  uint8_t* r = FullBytes(club);
  if (!r) return;
  SetBits(r, kRecordCrowd, static_cast<uint32_t>(attendance));
  SetBits(r, kRecordCrowdOpponent, static_cast<uint32_t>(opponent));
  StampDate(r, kRecordCrowdDay, kRecordCrowdMonth, kRecordCrowdYear);
}

void Club_SetRecordLowCrowd(int16_t club, int32_t attendance, int32_t opponent) {
  uint8_t* r = FullBytes(club);
  if (!r) return;
  SetBits(r, kRecordLowCrowd, static_cast<uint32_t>(attendance));
  SetBits(r, kRecordLowCrowdOpponent, static_cast<uint32_t>(opponent));
  StampDate(r, kRecordLowCrowdDay, kRecordLowCrowdMonth, kRecordLowCrowdYear);
}

void Club_SetRecordGoals(int16_t club, int16_t player, int32_t goals) {
  uint8_t* r = FullBytes(club);
  if (!r) return;
  SetBits(r, kRecordGoalsPlayer, static_cast<uint32_t>(Player_GetSurname(player)));
  SetBits(r, kRecordGoals, static_cast<uint32_t>(goals));
  SetBits(r, kRecordGoalsYear, SeasonYear());
}

void Club_SetRecordGoalsInGame(int16_t club, int32_t goals, int32_t player, int32_t opponent) {
  uint8_t* r = FullBytes(club);
  if (!r) return;
  SetBits(r, kRecordGoalsInGame, static_cast<uint32_t>(goals));
  SetBits(r, kRecordGoalsInGamePlayer, static_cast<uint32_t>(player));
  SetBits(r, kRecordGoalsInGameOpponent, static_cast<uint32_t>(opponent));
  SetBits(r, kRecordGoalsInGameYear, SeasonYear());
}

void Club_SetRecordGoalsTotal(int16_t club, int32_t goals) {
  uint8_t* r = FullBytes(club);
  if (!r) return;
  SetBits(r, kRecordGoalsTotal, static_cast<uint32_t>(goals));
  SetBits(r, kRecordGoalsTotalYear, SeasonYear());
}

void Club_SetRecordPointsTotal(int16_t club, int32_t points) {
  uint8_t* r = FullBytes(club);
  if (!r) return;
  SetBits(r, kRecordPoints, static_cast<uint32_t>(points));
  SetBits(r, kRecordPointsYear, SeasonYear());
}

void Club_SetRecordDispoints(int16_t club, int32_t dispoints) {
  uint8_t* r = FullBytes(club);
  if (!r) return;
  SetBits(r, kRecordDispoints, static_cast<uint32_t>(dispoints));
  SetBits(r, kRecordDispointsYear, SeasonYear());
}

void Club_SetRecordSale(int16_t club, int16_t player, int32_t feeHundreds, int32_t buyingClub) {
  uint8_t* r = FullBytes(club);
  if (!r) return;
  SetBits(r, kRecordSaleFee, static_cast<uint32_t>(feeHundreds));
  SetBits(r, kRecordSalePlayer, static_cast<uint32_t>(Player_GetSurname(player)));
  SetBits(r, kRecordSaleClub, static_cast<uint32_t>(buyingClub));
  StampDate(r, kRecordSaleDay, kRecordSaleMonth, kRecordSaleYear);
}

void Club_SetRecordBuy(int16_t club, int16_t player, int32_t feeHundreds, int32_t sellingClub) {
  if (club < 0) return;
  int32_t stored = sellingClub;
  if (sellingClub >= 0 && sellingClub < NUM_CLUBS)
    stored = Club_GetDbId(static_cast<int16_t>(sellingClub));
  else if (sellingClub == 252)
    stored = Player_GetReserveSlot(player);
  if (uint8_t* r = FullBytes(club)) {
    SetBits(r, kRecordBuyFee, static_cast<uint32_t>(feeHundreds));
    SetBits(r, kRecordBuyPlayer, static_cast<uint32_t>(Player_GetSurname(player)));
    SetBits(r, kRecordBuyClub, static_cast<uint32_t>(stored));
    StampDate(r, kRecordBuyDay, kRecordBuyMonth, kRecordBuyYear);
  }
  if (feeHundreds != 0) Player_SetReputation(player, Player_GetReputation(player) + 4);
}

// ---- season history ----

void Club_SetMonthLeaguePos(int16_t club, int block, int32_t position, int month) {
  uint8_t* h = HistoryBlock(club, block);
  if (h && month >= 0 && month < 12) h[month] = static_cast<uint8_t>(position);
}

int16_t Club_GetMonthLeaguePos(int16_t club, int block, int month) {
  if (club < 0) {
    std::printf(NEG_STAFF("coach"), club);
    FatalExit();
  }
  const uint8_t* h = HistoryBlock(club, block);
  return h && month >= 0 && month < 12 ? h[month] : 0;
}

void Club_StoreSeasonPoints(int16_t club, int block) { StoreSeasonFigure(club, block, FIGURE_POINTS); }
void Club_StoreSeasonPlayed(int16_t club, int block) { StoreSeasonFigure(club, block, FIGURE_PLAYED); }
void Club_StoreSeasonWon(int16_t club, int block) { StoreSeasonFigure(club, block, FIGURE_WON); }
void Club_StoreSeasonDrawn(int16_t club, int block) { StoreSeasonFigure(club, block, FIGURE_DRAWN); }
void Club_StoreSeasonGoalsFor(int16_t club, int block) { StoreSeasonFigure(club, block, FIGURE_FOR); }
void Club_StoreSeasonGoalsAgainst(int16_t club, int block) { StoreSeasonFigure(club, block, FIGURE_AGAINST); }

void Club_StoreCup0Result(int16_t club, uint8_t* entry) { StoreCupResult(club, entry, 0); }
void Club_StoreCup1Result(int16_t club, uint8_t* entry) { StoreCupResult(club, entry, 1); }
void Club_StoreCup2Result(int16_t club, uint8_t* entry) { StoreCupResult(club, entry, 2); }
void Club_StoreCup3Result(int16_t club, uint8_t* entry) { StoreCupResult(club, entry, 3); }
void Club_StoreCup4Result(int16_t club, uint8_t* entry) { StoreCupResult(club, entry, 4); }
void Club_StoreCup5Result(int16_t club, uint8_t* entry) { StoreCupResult(club, entry, 5); }
void Club_StoreCup6Result(int16_t club, uint8_t* entry) { StoreCupResult(club, entry, 6); }

void Club_StoreAllCupResults(int16_t club, uint8_t* entries) {
  if (!entries) return;
  Club_StoreCup0Result(club, entries);
  Club_StoreCup1Result(club, entries + CLUB_CUP_ENTRY_SIZE);
  Club_StoreCup2Result(club, entries + 2 * CLUB_CUP_ENTRY_SIZE);
  Club_StoreCup3Result(club, entries + 3 * CLUB_CUP_ENTRY_SIZE);
  Club_StoreCup4Result(club, entries + 4 * CLUB_CUP_ENTRY_SIZE);
  Club_StoreCup5Result(club, entries + 5 * CLUB_CUP_ENTRY_SIZE);
  Club_StoreCup6Result(club, entries + 6 * CLUB_CUP_ENTRY_SIZE);
}

void Club_StoreSeasonCupResults(int16_t club, int block) {
  if (uint8_t* h = HistoryBlock(club, block)) Club_StoreAllCupResults(club, h + HISTORY_CUPS);
}

void Club_SetSeasonAvgAtt(int16_t club, int block, int32_t attendance) {
  if (uint8_t* h = HistoryBlock(club, block)) StoreI32(h + HISTORY_AVG_ATT, attendance);
}

int32_t Club_GetSeasonAvgAtt(int block, int16_t club) {
  const uint8_t* h = HistoryBlock(club, block);
  return h ? LoadI32(h + HISTORY_AVG_ATT) : 0;
}

void Club_StoreSeasonTopScorers(int16_t club, int block) {
  if (uint8_t* h = HistoryBlock(club, block)) Club_CollectTopScorers(club, h + HISTORY_SCORERS);
}

static int16_t TopScorerField(int16_t club, int block, int entry, int field) {
  if (club < 0) {
    std::printf(NEG_CLUB("Balance"), club);
    FatalExit();
  }
  const uint8_t* h = HistoryBlock(club, block);
  if (!h || entry < 0 || entry >= CLUB_TOP_SCORERS) return 0;
  return LoadI16(h + HISTORY_SCORERS + 4 * entry + field);
}

int16_t Club_GetSeasonTopScorer(int16_t club, int block, int entry) { return TopScorerField(club, block, entry, 0); }
int16_t Club_GetSeasonTopScorerGoals(int16_t club, int block, int entry) {
  return TopScorerField(club, block, entry, 2);
}

void Club_CollectTopScorers(int16_t club, uint8_t* entries) {
  bool anyFree = false;
  for (int e = 0; e < CLUB_TOP_SCORERS; ++e) anyFree |= LoadI16(entries + 4 * e) == -1;
  if (!anyFree) return;
  BuildClubSquadList(club);
  for (int e = 0; e < CLUB_TOP_SCORERS; ++e) {
    if (LoadI16(entries + 4 * e) != -1) continue;
    int16_t best = -1, bestGoals = -1;
    for (int i = 0; i < SQUAD_LIST_SIZE; ++i) {
      int16_t p = SquadList[i];
      if (p < 0 || Player_GetPosition(p) == 0) continue;
      bool listed = false;
      for (int k = 0; k < CLUB_TOP_SCORERS; ++k) listed |= LoadI16(entries + 4 * k) == p;
      int16_t goals = Player_GetGoals(p);
      if (!listed && goals > bestGoals) best = p, bestGoals = goals;
    }
    if (best < 0) return;
    StoreI16(entries + 4 * e, best);
    StoreI16(entries + 4 * e + 2, bestGoals);
  }
}
