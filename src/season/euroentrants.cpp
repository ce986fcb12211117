// The European entrants of a season.
#include "season/euroentrants.h"

#include <cstring>

#include "engine/rand.h"
#include "engine/reset.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/static_clubs.h"

uint8_t EuroCupHolderA;
uint8_t EuroCupHolderB;
int16_t EuroHonourWords[EURO_HONOUR_WORDS];

namespace {

constexpr uint8_t kEmpty = NO_TABLE_CLUB;
constexpr int16_t kNone = -1;
constexpr int kHolderEntryA = EURO_LIST_A_SIZE - 1;
constexpr int kHolderEntryC = EURO_LIST_C_SIZE - 1;
constexpr int kStartClubs = 6;

// Bytes of a roll-of-honour season (and entries of the country record): the
// winners of competition 4 (the holder who enters EuroListC) and of
// competition 6 (the one who enters EuroListA), the winner and runner-up of
// the first domestic cup.
constexpr int kCompetition4Winner = 8;
constexpr int kCompetition6Winner = 12;
constexpr int kCupWinner = 0;
constexpr int kCupRunnerUp = 1;
constexpr int16_t kLastSeason = 1;

// More draws of a club of another country after the first, for EuroListB
// and EuroListC.
constexpr int kRedrawsB = 250;
constexpr int kRedrawsC = 40;

constexpr int QuotaSum(const uint8_t* quota) {
  int sum = 0;
  for (int t = 0; t < NUM_LIST_COUNTRIES; ++t) sum += quota[t];
  return sum;
}
// The quotas leave the last entry of A and C to the holders.
static_assert(QuotaSum(EuroQuotaA) <= kHolderEntryA);
static_assert(QuotaSum(EuroQuotaB) <= EURO_LIST_B_SIZE);
static_assert(QuotaSum(EuroQuotaC) <= kHolderEntryC);

bool IsClub(int value) { return value >= 0 && value < NUM_CLUBS; }
int16_t AsClub(int value) { return IsClub(value) ? static_cast<int16_t>(value) : kNone; }
uint8_t AsEntry(int16_t club) { return IsClub(club) ? static_cast<uint8_t>(club) : kEmpty; }
bool NewGame() { return SeasonCounter == 0; }

bool IsHolder(int16_t club) { return IsClub(club) && (club == EuroCupHolderA || club == EuroCupHolderB); }
bool Entered(int16_t club) { return Euro_CountEntries(club) > 0; }
bool HolderOrEntered(int16_t club) { return IsHolder(club) || Entered(club); }

// Entry n of the game country's record of last season's honours, and entry n
// of its stand-ins for last season's top six, as world clubs.
int16_t RecordClub(int n) { return AsClub(Club_FindByDbId(CountryRecordTable[GameCountry][n])); }
int16_t StartClub(int n) { return AsClub(Club_FindByDbId(EuroStartClubs[GameCountry][n])); }
// The club in place p of division 0.
int16_t Place(int p) { return AsClub(DivisionTable[0][p]); }
int16_t LastSeasonHolder(int byte) {
  return AsClub(SeasonEngine.honoursGetHolder(kLastSeason, static_cast<int16_t>(byte)));
}

int16_t RandomBlockClub(int country) {
  return static_cast<int16_t>(GameRandom() % CountryBlockSize(GameCountry, country) +
                              CountryBlockStart(GameCountry, country));
}

void GainReputation(int16_t club) {
  if (club != kNone) Club_SetRep(club, Club_GetRep(club) + 1);
}

// A club of the world from another country, not yet entered (and, when asked,
// neither holder).
bool FillsEmptyEntry(int club, bool notHolder) {
  if (CountryClubList[GameCountry][club] == NO_DB_CLUB) return false;
  if (Club_GetCountry(static_cast<int16_t>(club)) == GameCountry) return false;
  if (Entered(static_cast<int16_t>(club))) return false;
  return !notHolder || !IsHolder(static_cast<int16_t>(club));
}

// Drawn by rand() % 250 until one fits. Should no club of the world fit, the
// entry is left empty rather than drawn for ever.
int16_t RandomOtherClub(bool notHolder) {
  bool any = false;
  for (int club = 0; club < NUM_CLUBS && !any; ++club) any = FillsEmptyEntry(club, notHolder);
  if (!any) return kNone;
  for (;;) {
    const int club = GameRandom() % NUM_CLUBS;
    if (FillsEmptyEntry(club, notHolder)) return static_cast<int16_t>(club);
  }
}

void FillEmptyEntries(uint8_t* list, int size) {
  for (int e = 0; e < size; ++e)
    if (list[e] == kEmpty) list[e] = AsEntry(RandomOtherClub(false));
}

// A chain of candidates: the next one replaces the current candidate
// whenever the current one fails the test.
template <typename Test>
int16_t Chain(const int16_t* candidates, int count, Test passes) {
  int16_t club = candidates[0];
  for (int i = 1; i < count; ++i)
    if (!passes(club)) club = candidates[i];
  return club;
}

void SelectListA() {
  int entry = 0;
  for (int country = 0; country < NUM_LIST_COUNTRIES; ++country) {
    for (int q = 0; q < EuroQuotaA[country] && entry < kHolderEntryA; ++q) {
      if (country != GameCountry) {
        int16_t club;
        do club = RandomBlockClub(country);
        while (club == EuroCupHolderA);
        EuroListA[entry++] = AsEntry(club);
        continue;
      }
      auto passes = [](int16_t c) { return c != kNone && c != EuroCupHolderA; };
      int16_t club;
      if (NewGame()) {
        const int16_t chain[] = {RecordClub(REC_DIV_CHAMPION), RecordClub(REC_DIV_CHAMPION + 1),
                                 Place(0), Place(1), Place(2), Place(3)};
        club = Chain(chain, 6, passes);
      } else {
        const int16_t chain[] = {Place(0), Place(1), Place(2), Place(3)};
        club = Chain(chain, 4, passes);
      }
      if (club == EuroCupHolderA) club = kNone;
      EuroHonourWords[EURO_HONOUR_A_ENTRANT] = club;
      EuroListA[entry++] = AsEntry(club);
      GainReputation(club);
    }
  }
  EuroListA[kHolderEntryA] = EuroCupHolderA;
  EuroHonourWords[EURO_HONOUR_HOLDER_A] = AsClub(EuroCupHolderA);
}

void SelectListB() {
  int entry = 0;
  for (int country = 0; country < NUM_LIST_COUNTRIES; ++country) {
    for (int q = 0; q < EuroQuotaB[country] && entry < EURO_LIST_B_SIZE; ++q) {
      if (country != GameCountry) {
        int16_t club = RandomBlockClub(country);
        for (int n = 0; n < kRedrawsB && Entered(club); ++n) club = RandomBlockClub(country);
        if (!Entered(club)) EuroListB[entry++] = AsEntry(club);
        continue;
      }
      int16_t chain[kStartClubs];
      for (int n = 0; n < kStartClubs; ++n) chain[n] = NewGame() ? StartClub(n) : Place(n);
      int16_t club = Chain(chain, kStartClubs, [](int16_t c) { return !Entered(c); });
      if (Entered(club)) club = kNone;
      EuroListB[entry++] = AsEntry(club);
      GainReputation(club);
    }
  }
  FillEmptyEntries(EuroListB, EURO_LIST_B_SIZE);
}

// The game country's EuroListC candidate at a new game.
int16_t NewGameCandidateC() {
  const int16_t winner = RecordClub(kCupWinner), runnerUp = RecordClub(kCupRunnerUp);
  int16_t club;
  if (!HolderOrEntered(winner)) {
    EuroHonourWords[EURO_HONOUR_CUP_WINNER] = winner;
    club = winner;
  } else if (EuroHonourWords[EURO_HONOUR_CUP_WINNER] < 0) {
    club = runnerUp;
    if (!HolderOrEntered(runnerUp)) EuroHonourWords[EURO_HONOUR_CUP_RUNNER_UP] = runnerUp;
  } else {
    club = winner;
  }
  if (Entered(club)) club = StartClub(0);
  if (HolderOrEntered(club) || club == kNone) club = StartClub(1);
  for (int n = 2; n < kStartClubs; ++n)
    if (HolderOrEntered(club)) club = StartClub(n);
  return HolderOrEntered(club) ? kNone : club;
}

// The game country's EuroListC candidate at a new season.
int16_t NewSeasonCandidateC() {
  const int16_t winner = LastSeasonHolder(kCupWinner), runnerUp = LastSeasonHolder(kCupRunnerUp);
  int16_t club = winner;
  if (IsHolder(winner))
    EuroHonourWords[EURO_HONOUR_CUP_WINNER] = winner;
  else if (Entered(winner))
    club = runnerUp;
  if (IsHolder(club)) {
    club = runnerUp;
    EuroHonourWords[EURO_HONOUR_CUP_RUNNER_UP] = runnerUp;
  } else if (Entered(club)) {
    club = Place(1);
  }
  for (int p = 2; p <= 6; ++p)
    if (HolderOrEntered(club)) club = Place(p);
  return HolderOrEntered(club) ? kNone : club;
}

void SelectListC() {
  int entry = 0;
  for (int country = 0; country < NUM_LIST_COUNTRIES; ++country) {
    for (int q = 0; q < EuroQuotaC[country] && entry < kHolderEntryC; ++q) {
      int16_t club;
      if (country != GameCountry) {
        club = RandomBlockClub(country);
        for (int n = 0; n < kRedrawsC && HolderOrEntered(club); ++n) club = RandomBlockClub(country);
        if (HolderOrEntered(club)) club = kNone;
      } else {
        club = NewGame() ? NewGameCandidateC() : NewSeasonCandidateC();
        GainReputation(club);
      }
      if (club == kNone) club = RandomOtherClub(true);
      EuroListC[entry++] = AsEntry(club);
    }
  }
  if (IsClub(EuroCupHolderB) && !Entered(EuroCupHolderB)) {
    EuroListC[kHolderEntryC] = EuroCupHolderB;
    EuroHonourWords[EURO_HONOUR_HOLDER_C] = EuroCupHolderB;
  } else {
    EuroListC[kHolderEntryC] = AsEntry(RandomOtherClub(true));
  }
  FillEmptyEntries(EuroListC, EURO_LIST_C_SIZE);
}

// A holder as a byte of the season state: a world club, else 255.
uint8_t HolderByte(int value) { return IsClub(value) ? static_cast<uint8_t>(value) : kEmpty; }

}  // namespace

int16_t Euro_CountEntries(int16_t club) {
  int16_t n = 0;
  for (uint8_t entry : EuroListA) n += entry == club;
  for (uint8_t entry : EuroListB) n += entry == club;
  for (uint8_t entry : EuroListC) n += entry == club;
  return n;
}

void Euro_SetCupHoldersFromCountryRecord() {
  if (!IsGameCountry(GameCountry)) {
    EuroCupHolderA = EuroCupHolderB = kEmpty;
    return;
  }
  EuroCupHolderA = HolderByte(Club_FindByDbId(CountryRecordTable[GameCountry][kCompetition6Winner]));
  EuroCupHolderB = HolderByte(Club_FindByDbId(CountryRecordTable[GameCountry][kCompetition4Winner]));
}

void SetEuroCupHolders() {
  EuroCupHolderB = HolderByte(SeasonEngine.honoursGetHolder(kLastSeason, kCompetition4Winner));
  EuroCupHolderA = HolderByte(SeasonEngine.honoursGetHolder(kLastSeason, kCompetition6Winner));
}

void SelectEuropeanEntrants() {
  for (int16_t& word : EuroHonourWords) word = kNone;
  std::memset(EuroListA, kEmpty, sizeof EuroListA);
  std::memset(EuroListB, kEmpty, sizeof EuroListB);
  std::memset(EuroListC, kEmpty, sizeof EuroListC);
  if (!IsGameCountry(GameCountry)) return;
  SelectListA();
  SelectListB();
  SelectListC();
}

void EuroEntrants_Reset() {
  EuroCupHolderA = EuroCupHolderB = kEmpty;
  for (int16_t& word : EuroHonourWords) word = kNone;
}
REGISTER_RESET(RESET_SEASON, EuroEntrants_Reset);
