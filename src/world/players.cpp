// The player records, the player identities and their accessors.
#include "world/players.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "clubsim/clubsvc.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/nationality.h"
#include "world/recordbits.h"
#include "world/textmess.h"

PlayerRecord PlayerRecords[MAX_PLAYERS];
MinorClubsAndIdentities MinorClubsBlock;
int16_t PlayerTotalCount;
int16_t AbilityStatsChoice[ABILITY_CHOICE_ROWS][ABILITY_CHOICE_COLUMNS];

namespace {

enum Limit : uint8_t {
  LIMIT_CLAMP,          // to lo..hi
  LIMIT_OUTSIDE_ZERO,   // a value outside lo..hi is stored as 0
  LIMIT_MASK,           // the field's low bits
  LIMIT_FLAG,           // above 1 as 1
  LIMIT_FLAG_MESSAGE,   // above 1: the excessive message, then 1
};

struct PlayerField {
  BitField bits;
  const char* getMessage;  // (player)
  const char* setMessage;  // (value, player)
  Limit limit;
  int32_t lo, hi;
  int16_t beyond;  // the answer for an index at or above the full-record count
  const char* excessive = nullptr;
};

#define NEG_PLAYER(word) "Trying to get " word " of neg player : '%d'\n"

constexpr PlayerField kSaleStatus{{4, 0, 1}, NEG_PLAYER("sale status"),
                                  "Trying to give negative player Sale status: '%d,%d'\n", LIMIT_MASK, 0, 1, 0,
                                  "Trying excessive Sale Status with player: '%d,%d'\n"};
constexpr PlayerField kPhysicalStats{{10, 0, 8}, NEG_PLAYER("PhysicalStats"),
                                     "Trying to give negative player physical stats: '%d,%d'\n", LIMIT_CLAMP, 0, 249, 0};
constexpr PlayerField kAbilityHigh{{10, 8, 5}, NEG_PLAYER("AbilityStats"),
                                   "Trying to give negative player ability stats: '%d,%d'\n", LIMIT_CLAMP, 0, 249, 0};
constexpr PlayerField kAbilityCurve{{10, 13, 8}, NEG_PLAYER("Ability Curve"),
                                    "Trying to give negative player ability curve: '%d,%d'\n", LIMIT_CLAMP, 0, 249, 0};
constexpr PlayerField kCareerGoals{{16, 0, 10}, NEG_PLAYER("career goals"),
                                   "Trying to give negative player career goals: '%d,%d'\n", LIMIT_CLAMP, 0, 1023, 0};
constexpr PlayerField kAge{{16, 10, 6}, "Trying to get negative player age : '%d'\n",
                           "Trying to give negative player an age at club: '%d,%d'\n", LIMIT_OUTSIDE_ZERO, 0, 63, 0};
constexpr PlayerField kCareerApps{{16, 16, 11}, NEG_PLAYER("career apps"),
                                  "Trying to give negative player career apps: '%d,%d'\n", LIMIT_CLAMP, 0, 2047, 0};
constexpr PlayerField kDispoints{{16, 27, 5}, NEG_PLAYER("Dispoints"), "Trying to give negative player disp: '%d,%d'\n",
                                 LIMIT_CLAMP, 0, 31, 0};
constexpr PlayerField kInitial{{20, 0, 5}, NEG_PLAYER("Initial"),
                               "Trying to give negative player an initial at club: '%d,%d'\n", LIMIT_OUTSIDE_ZERO, 0,
                               26, 0};
constexpr PlayerField kBRClause{{20, 5, 1}, NEG_PLAYER("BRClause"), "Trying to give negative player brc: '%d,%d'\n",
                                LIMIT_FLAG_MESSAGE, 0, 1, 0, "Trying excessive brclause with player: '%d,%d'\n"};
constexpr PlayerField kRRClause{{20, 6, 1}, NEG_PLAYER("RRclause"), "Trying to give negative player rrc: '%d,%d'\n",
                                LIMIT_FLAG_MESSAGE, 0, 1, 0, "Trying excessive rrclause with player: '%d,%d'\n"};
constexpr PlayerField kCaptain{{20, 7, 1}, NEG_PLAYER("captain"),
                               "Trying to make negative player a captain club: '%d,%d'\n", LIMIT_FLAG, 0, 1, 0};
constexpr PlayerField kPerf{{20, 8, 6}, NEG_PLAYER("perf"), nullptr, LIMIT_CLAMP, 0, 50, 0};
constexpr PlayerField kTxList{{20, 14, 1}, NEG_PLAYER("TxList"),
                              "Trying to put negative player on txlist at club: '%d,%d'\n", LIMIT_FLAG, 0, 1, 0};
constexpr PlayerField kTxReq{{20, 15, 1}, NEG_PLAYER("txreq"), "Trying to give negative player Txreq: '%d,%d'\n",
                             LIMIT_FLAG_MESSAGE, 0, 1, 0, "Trying excessive txreq with player: '%d,%d'\n"};
constexpr PlayerField kGoals{{20, 16, 7}, NEG_PLAYER("goals"), "Trying to give negative player goals: '%d,%d'\n",
                             LIMIT_CLAMP, 0, 127, 0};
constexpr PlayerField kBossvane{{20, 23, 1}, NEG_PLAYER("bossvane"),
                                "Trying to set negative player to Bossvane at club: '%d,%d'\n", LIMIT_FLAG, 0, 1, 0};
constexpr PlayerField kApps{{20, 24, 7}, NEG_PLAYER("apps"), "Trying to give negative player apps: '%d,%d'\n",
                            LIMIT_CLAMP, 0, 127, 0};
constexpr PlayerField kManager{{20, 31, 1}, NEG_PLAYER("bossvane"),
                               "Trying to set negative player to Manager at club: '%d,%d'\n", LIMIT_FLAG, 0, 1, 0};
constexpr PlayerField kContract{{24, 0, 6}, NEG_PLAYER("Contract"), "Trying to give negative player contract: '%d,%d'\n",
                                LIMIT_CLAMP, 0, 60, 24};
constexpr PlayerField kFatigue{{24, 6, 6}, NEG_PLAYER("Fatigue"), "Trying to give negative player fatigue: '%d,%d'\n",
                               LIMIT_CLAMP, 0, 60, 0};
constexpr PlayerField kFitness{{24, 12, 6}, NEG_PLAYER("Fitness"), "Trying to give negative player fitness: '%d,%d'\n",
                               LIMIT_CLAMP, 0, 60, 60};
constexpr PlayerField kPosition{{24, 18, 4}, NEG_PLAYER("Position"),
                                "Trying to give negative player an position at club: '%d,%d'\n", LIMIT_OUTSIDE_ZERO, 0,
                                13, 0};
constexpr PlayerField kEuroDispoints{{24, 22, 2}, NEG_PLAYER("EuroDispoints"),
                                     "Trying to give negative player eurodisp: '%d,%d'\n", LIMIT_CLAMP, 0, 2, 0};
constexpr PlayerField kEuroBan{{24, 24, 1}, NEG_PLAYER("euro ban"), "Trying to give negative player euro ban: '%d,%d'\n",
                               LIMIT_CLAMP, 0, 1, 0};
constexpr PlayerField kWage{{28, 0, 11}, NEG_PLAYER("Wage"), "Trying to give negative player wage: '%d,%d'\n",
                            LIMIT_CLAMP, 0, 2000, 0};
constexpr PlayerField kShirt{{28, 11, 5}, NEG_PLAYER("Shirt"), nullptr, LIMIT_CLAMP, 0, 16, 0};
constexpr PlayerField kExperience{{28, 16, 6}, NEG_PLAYER("Experience"), "Trying to give negative player exp: '%d,%d'\n",
                                  LIMIT_CLAMP, 0, 63, 0};
constexpr PlayerField kMorale{{28, 22, 6}, NEG_PLAYER("Morale"), "Trying to give negative player morale: '%d,%d'\n",
                              LIMIT_CLAMP, 0, 60, 60};
constexpr PlayerField kLoanList{{28, 28, 1}, NEG_PLAYER("loan list"),
                                "Trying to give negative player loanlist: '%d,%d'\n", LIMIT_FLAG_MESSAGE, 0, 1, 0,
                                "Trying excessive loanlist with player: '%d,%d'\n"};
constexpr PlayerField kSuspension{{28, 29, 3}, NEG_PLAYER("Susp"), "Trying to give negative player suspension: '%d,%d'\n",
                                  LIMIT_CLAMP, 0, 7, 0};
constexpr PlayerField kReputation{{34, 0, 6}, NEG_PLAYER("Reputation"), "Trying to give negative player rep: '%d,%d'\n",
                                  LIMIT_CLAMP, 0, 63, 0};
constexpr PlayerField kRecurringInjury{{34, 6, 1}, NEG_PLAYER("recuring injury"),
                                       "Trying to set recuring injury to player: '%d,%d'\n", LIMIT_FLAG, 0, 1, 0};
constexpr PlayerField kCaretaker{{34, 7, 1}, NEG_PLAYER("caretaker"),
                                 "Trying to set negative player to caretaker at club: '%d,%d'\n", LIMIT_FLAG, 0, 1, 0};
constexpr PlayerField kTraining{{34, 8, 12}, NEG_PLAYER("Training"), "Trying to give negative player training: '%d,%d'\n",
                                LIMIT_CLAMP, 0, 4095, 0};
constexpr PlayerField kOnLoan{{34, 20, 1}, NEG_PLAYER("OnLoan"), "Trying to give negative player loan: '%d,%d'\n",
                              LIMIT_FLAG_MESSAGE, 0, 1, 0, "Trying excessive loanflag with player: '%d,%d'\n"};
constexpr PlayerField kBanwait{{34, 21, 2}, NEG_PLAYER("banwait"), "Trying to give negative player banwait: '%d,%d'\n",
                               LIMIT_CLAMP, 0, 2, 0};
constexpr PlayerField kInFlag{{34, 23, 1}, NEG_PLAYER("InFlag"), "Trying to give negative player injury: '%d,%d'\n",
                              LIMIT_FLAG_MESSAGE, 0, 1, 0, "Trying excessive injflag with player: '%d,%d'\n"};
constexpr PlayerField kAssists{{52, 0, 8}, NEG_PLAYER("assists"), "Trying to give negative player assists: '%d,%d'\n",
                               LIMIT_CLAMP, 0, 127, 0};

// Identity fields.
constexpr BitField kSurname{0, 0, 14}, kSide{0, 14, 2}, kAbilityLow{0, 16, 3}, kBidCount{0, 23, 9},
    kNationality{4, 0, 8}, kPersonality{5, 0, 8}, kTactic{6, 9, 3};
constexpr BitField kLook[3] = {{6, 0, 3}, {6, 3, 3}, {6, 6, 3}};

constexpr int MANPRICE = 0;
constexpr int RESERVE_SLOT = 8;
constexpr int SELL_ON_CLAUSE = 14;
constexpr int CLUB = 32;
constexpr int CUP_TIED = 38;

[[noreturn]] void Fatal1(const char* message, int32_t a) {
  std::printf(message, a);
  FatalExit();
}

[[noreturn]] void Fatal2(const char* message, int32_t value, int32_t player) {
  std::printf(message, value, player);
  FatalExit();
}

uint8_t* Record(int16_t player) {
  return player >= 0 && player < PlayerCount && player < MAX_PLAYERS ? PlayerRecords[player].bytes : nullptr;
}

uint8_t* Identity(int16_t player) {
  return player >= 0 && player < PlayerTotalCount && player < MAX_PLAYERS ? PlayerIdentities()[player].bytes
                                                                          : nullptr;
}

int16_t GetField(int16_t player, const PlayerField& f) {
  if (player < 0) Fatal1(f.getMessage, player);
  const uint8_t* r = Record(player);
  return r ? static_cast<int16_t>(GetBits(r, f.bits)) : f.beyond;
}

uint32_t Limited(int16_t player, const PlayerField& f, int32_t value) {
  switch (f.limit) {
    case LIMIT_CLAMP:
      return static_cast<uint32_t>(value < f.lo ? f.lo : value > f.hi ? f.hi : value);
    case LIMIT_OUTSIDE_ZERO:
      return static_cast<uint32_t>(value < f.lo || value > f.hi ? 0 : value);
    case LIMIT_MASK:
      if (value > 1 && f.excessive) std::printf(f.excessive, value, player);
      return static_cast<uint32_t>(value);
    case LIMIT_FLAG:
      return static_cast<uint32_t>(value > 1 ? 1 : value);
    case LIMIT_FLAG_MESSAGE:
      if (value > 1) {
        std::printf(f.excessive, value, player);
        value = 1;
      }
      return static_cast<uint32_t>(value);
  }
  return 0;
}

void SetField(int16_t player, const PlayerField& f, int32_t value) {
  if (player < 0) Fatal2(f.setMessage, value, player);
  if (uint8_t* r = Record(player)) SetBits(r, f.bits, Limited(player, f, value));
}

int16_t GetIdentity(int16_t player, BitField bits, const char* negMessage) {
  if (player < 0) Fatal1(negMessage, player);
  const uint8_t* id = Identity(player);
  return id ? static_cast<int16_t>(GetBits(id, bits)) : 0;
}

void SetIdentity(int16_t player, BitField bits, uint32_t value, const char* negMessage) {
  if (player < 0) Fatal2(negMessage, static_cast<int32_t>(value), player);
  if (uint8_t* id = Identity(player)) SetBits(id, bits, value);
}

}  // namespace

namespace {

// Who plays for each club, kept beside the records so the scans of a club's
// players need not read every record: for each club number 0-255 the
// players (full records) whose club field holds it, and the players with the
// on-loan flag, each in player order. Built from the records when first
// asked for, kept up to date by Player_SetClub and Player_SetOnLoan, and
// built afresh when the full-record count changes or the records are
// rewritten whole (Players_RecordsRewritten).
constexpr int INDEXED_CLUBS = 256;
struct ClubIndex {
  bool built = false;
  int16_t playerCount = 0;  // the full-record count it was built for
  std::vector<int16_t> members[INDEXED_CLUBS];
  std::vector<int16_t> onLoan;
};
ClubIndex gIndex;

bool Indexed(int32_t club) { return club >= 0 && club < INDEXED_CLUBS; }

ClubIndex& CurrentIndex() {
  ClubIndex& x = gIndex;
  if (x.built && x.playerCount == PlayerCount) return x;
  for (auto& list : x.members) list.clear();
  x.onLoan.clear();
  const int32_t end = std::min<int32_t>(PlayerCount, MAX_PLAYERS);
  for (int32_t p = 0; p < end; ++p) {
    const uint8_t* r = PlayerRecords[p].bytes;
    const int16_t club = LoadI16(r + CLUB);
    if (Indexed(club)) x.members[club].push_back(static_cast<int16_t>(p));
    if (GetBits(r, kOnLoan.bits) != 0) x.onLoan.push_back(static_cast<int16_t>(p));
  }
  x.built = true;
  x.playerCount = PlayerCount;
  return x;
}

// The index of a built, current list: the player added or taken out.
void IndexInsert(std::vector<int16_t>& list, int16_t player) {
  const auto at = std::lower_bound(list.begin(), list.end(), player);
  if (at == list.end() || *at != player) list.insert(at, player);
}
void IndexErase(std::vector<int16_t>& list, int16_t player) {
  const auto at = std::lower_bound(list.begin(), list.end(), player);
  if (at != list.end() && *at == player) list.erase(at);
}
bool IndexCurrent() { return gIndex.built && gIndex.playerCount == PlayerCount; }

// The first listed player from `from` on, -1 after the last.
int16_t NextListed(const std::vector<int16_t>& list, int32_t from) {
  const auto at = std::lower_bound(list.begin(), list.end(), from, [](int16_t p, int32_t f) { return p < f; });
  return at == list.end() ? int16_t{-1} : *at;
}

// The scans over the records themselves.
int16_t ScanAtClubOrOnLoan(int16_t from, int16_t club) {
  const int32_t end = std::min<int32_t>(PlayerCount, MAX_PLAYERS);
  for (int32_t p = std::max<int32_t>(from, 0); p < end; ++p) {
    const uint8_t* r = PlayerRecords[p].bytes;
    if (LoadI16(r + CLUB) == club || GetBits(r, kOnLoan.bits) != 0) return static_cast<int16_t>(p);
  }
  return -1;
}
int16_t ScanAtClub(int16_t from, int16_t club) {
  const int32_t end = std::min<int32_t>(PlayerCount, MAX_PLAYERS);
  for (int32_t p = std::max<int32_t>(from, 0); p < end; ++p)
    if (LoadI16(PlayerRecords[p].bytes + CLUB) == club) return static_cast<int16_t>(p);
  return -1;
}

#ifndef NDEBUG
// Debug builds check every answer of the index against the records.
int16_t Checked(int16_t indexed, int16_t scanned, const char* what, int16_t from, int16_t club) {
  if (indexed != scanned) {
    std::printf("%s(%d, %d): the club index says %d, the records %d\n", what, from, club, indexed, scanned);
    FatalExit();
  }
  return indexed;
}
#endif

}  // namespace

namespace {

// For each full record, the digest the transfer searches screen on (see
// players.h), built when first asked for and refreshed by the setters of
// the fields it holds; built afresh like the club index.
struct DigestState {
  bool built = false;
  int16_t playerCount = 0;
  PlayerDigest digests[MAX_PLAYERS];
};
DigestState gDigests;

PlayerDigest DigestOf(int16_t player) {
  const uint8_t* r = PlayerRecords[player].bytes;
  const uint8_t* id = Identity(player);
  PlayerDigest d;
  d.club = LoadI16(r + CLUB);
  d.nationality = static_cast<uint8_t>(id ? GetBits(id, kNationality) : 0);
  const bool manager = GetBits(r, kManager.bits) != 0 || GetBits(r, kPosition.bits) == POSITION_MANAGER ||
                       GetBits(r, kBossvane.bits) != 0;
  d.flags = static_cast<uint8_t>((GetBits(r, kWage.bits) == 0 ? PLAYER_DIGEST_NO_WAGE : 0) |
                                 (manager ? PLAYER_DIGEST_MANAGER : 0) |
                                 (GetBits(r, kCareerApps.bits) == 0 ? PLAYER_DIGEST_NO_CAREER_APPS : 0));
  return d;
}

bool DigestsCurrent() { return gDigests.built && gDigests.playerCount == PlayerCount; }

// After a setter wrote one of the digested fields.
void DigestRefresh(int16_t player) {
  if (player >= 0 && player < PlayerCount && player < MAX_PLAYERS && DigestsCurrent())
    gDigests.digests[player] = DigestOf(player);
}

}  // namespace

const PlayerDigest* Player_Digests() {
  DigestState& d = gDigests;
  const int32_t end = std::min<int32_t>(PlayerCount, MAX_PLAYERS);
  if (!DigestsCurrent()) {
    for (int32_t p = 0; p < end; ++p) d.digests[p] = DigestOf(static_cast<int16_t>(p));
    d.built = true;
    d.playerCount = PlayerCount;
  }
#ifndef NDEBUG
  // Debug builds check the digests against the records every time.
  for (int32_t p = 0; p < end; ++p) {
    const PlayerDigest now = DigestOf(static_cast<int16_t>(p));
    const PlayerDigest& kept = d.digests[p];
    if (now.club != kept.club || now.nationality != kept.nationality || now.flags != kept.flags) {
      std::printf("Player_Digests(): the digest of player %d is out of step with his record\n", p);
      FatalExit();
    }
  }
#endif
  return d.digests;
}

void Players_RecordsRewritten() {
  gIndex.built = false;
  gDigests.built = false;
}

void Players_Reset() {
  std::memset(PlayerRecords, 0, sizeof PlayerRecords);
  std::memset(MinorClubsBlock.identities, 0, sizeof MinorClubsBlock.identities);
  std::memset(AbilityStatsChoice, 0, sizeof AbilityStatsChoice);
  PlayerCount = 0;
  PlayerTotalCount = 0;
  gIndex.built = false;
  gDigests.built = false;
}
REGISTER_RESET(RESET_WORLD, Players_Reset);

#define PLAYER_FIELD(Name, field)                                                      \
  int16_t Player_Get##Name(int16_t player) { return GetField(player, field); }         \
  void Player_Set##Name(int16_t player, int32_t value) { SetField(player, field, value); }

#define PLAYER_FIELD_DIGESTED(Name, field)                                             \
  int16_t Player_Get##Name(int16_t player) { return GetField(player, field); }         \
  void Player_Set##Name(int16_t player, int32_t value) {                               \
    SetField(player, field, value);                                                    \
    DigestRefresh(player);                                                             \
  }

PLAYER_FIELD_DIGESTED(Wage, kWage)
PLAYER_FIELD(Morale, kMorale)
PLAYER_FIELD(Reputation, kReputation)
PLAYER_FIELD(Experience, kExperience)
PLAYER_FIELD(AbilityCurve, kAbilityCurve)
PLAYER_FIELD(PhysicalStats, kPhysicalStats)
PLAYER_FIELD(Banwait, kBanwait)
PLAYER_FIELD(EuroBan, kEuroBan)
PLAYER_FIELD(Suspension, kSuspension)
PLAYER_FIELD(Dispoints, kDispoints)
PLAYER_FIELD(Fitness, kFitness)
PLAYER_FIELD(Fatigue, kFatigue)
PLAYER_FIELD(Apps, kApps)
PLAYER_FIELD(Assists, kAssists)
PLAYER_FIELD_DIGESTED(CareerApps, kCareerApps)
PLAYER_FIELD(CareerGoals, kCareerGoals)
PLAYER_FIELD(Contract, kContract)
PLAYER_FIELD(Training, kTraining)
PLAYER_FIELD(Age, kAge)
PLAYER_FIELD(Initial, kInitial)
PLAYER_FIELD(Captain, kCaptain)
PLAYER_FIELD(RecurringInjury, kRecurringInjury)
PLAYER_FIELD(Caretaker, kCaretaker)
PLAYER_FIELD_DIGESTED(Manager, kManager)
PLAYER_FIELD_DIGESTED(Bossvane, kBossvane)
PLAYER_FIELD(RRClause, kRRClause)
PLAYER_FIELD(BRClause, kBRClause)
PLAYER_FIELD(LoanList, kLoanList)
PLAYER_FIELD(TxReq, kTxReq)
int16_t Player_GetOnLoan(int16_t player) { return GetField(player, kOnLoan); }
void Player_SetOnLoan(int16_t player, int32_t value) {
  const bool before = Record(player) != nullptr && GetField(player, kOnLoan) != 0;
  SetField(player, kOnLoan, value);
  const bool after = Record(player) != nullptr && GetField(player, kOnLoan) != 0;
  if (before == after || !IndexCurrent()) return;
  if (after)
    IndexInsert(gIndex.onLoan, player);
  else
    IndexErase(gIndex.onLoan, player);
}
PLAYER_FIELD(InFlag, kInFlag)
PLAYER_FIELD(SaleStatus, kSaleStatus)

int16_t Player_GetEuroDispoints(int16_t player) { return GetField(player, kEuroDispoints); }
void Player_SetEuroDispoints(int16_t player, int32_t value) {
  SetField(player, kEuroDispoints, value);
  // Two European bookings make a ban, and news of it about his club.
  if (Record(player) && Player_GetEuroDispoints(player) == 2) {
    Player_SetEuroBan(player, 1);
    int16_t club = Player_GetClub(player);
    SetNewsArgs(club, -1, player, -1, -1, -1, -1, -1, -1);
    ShowNewsMessage(GetRandomNewsText(NEWS_EURO_BAN), 0, NEWS_SHOW_HUMAN_CLUB, club, -1);
  }
}

int16_t Player_GetGoals(int16_t player) { return GetField(player, kGoals); }
void Player_SetGoals(int16_t player, int32_t value) {
  SetField(player, kGoals, value);
  if (value == 0) Player_SetAssists(player, 0);
}

int16_t Player_GetTxList(int16_t player) { return GetField(player, kTxList); }
void Player_SetTxList(int16_t player, int32_t flag) {
  if (player < 0) Fatal2(kTxList.setMessage, flag, player);
  if (flag > 1) flag = 1;
  uint8_t* r = Record(player);
  if (!r) {
    std::printf("Trying to put fixed player on tx list: '%d,%d'\n", flag, player);
    return;
  }
  if (Player_GetWage(player) == 0) {
    if (flag) std::printf("Trying to put reserve player on tx list: '%d,%d'\n", flag, player);
    return;
  }
  SetBits(r, kTxList.bits, static_cast<uint32_t>(flag));
}

int16_t Player_GetShirt(int16_t player) { return GetField(player, kShirt); }
void Player_SetShirt(int16_t player, int32_t shirt) {
  if (player < 0) Fatal1("Trying to give negative player a shirt '%d'\n", player);
  if (shirt < 0 || shirt > 16) Fatal1("Trying excessive shirt '%d'\n", shirt);
  SetField(player, kShirt, shirt);
}

int16_t Player_GetPerf(int16_t player) { return static_cast<int16_t>(GetField(player, kPerf) * 2); }
void Player_SetPerf(int16_t player, int32_t perf) {
  if (player >= 0) SetField(player, kPerf, perf / 2);
}

int16_t Player_GetAbilityStats(int16_t player) {
  if (player < 0) Fatal1(kAbilityHigh.getMessage, player);
  const uint8_t* r = Record(player);
  if (!r) return 0;
  return static_cast<int16_t>(GetBits(r, kAbilityHigh.bits) * 8 + GetBits(PlayerIdentities()[player].bytes, kAbilityLow));
}

void Player_SetAbilityStats(int16_t player, int32_t code) {
  if (player < 0) Fatal2(kAbilityHigh.setMessage, code, player);
  uint8_t* r = Record(player);
  if (!r) return;
  uint32_t limited = Limited(player, kAbilityHigh, code);
  SetBits(r, kAbilityHigh.bits, limited / 8);
  // The low part lives in the identity, which only the making of a new world writes.
  if (SeasonCounter == 0 && DayOfSeason == 0) SetBits(PlayerIdentities()[player].bytes, kAbilityLow, limited % 8);
}

int16_t Player_GetPosition(int16_t player) {
  if (player < 0) Fatal1(kPosition.getMessage, player);
  return Player_GetManager(player) ? POSITION_MANAGER : Player_GetStoredPosition(player);
}
int16_t Player_GetStoredPosition(int16_t player) { return GetField(player, kPosition); }
void Player_SetPosition(int16_t player, int32_t position) {
  if (player < 0) Fatal2(kPosition.setMessage, position, player);
  if (position < 0 || position > POSITION_MANAGER) position = 0;
  if (position == POSITION_MANAGER) {
    Player_SetManager(player, 1);
  } else {
    SetField(player, kPosition, position);
    DigestRefresh(player);
  }
}

int16_t Player_GetClub(int16_t player) {
  if (player < 0) Fatal1(NEG_PLAYER("Club"), player);
  const uint8_t* r = Record(player);
  return r ? LoadI16(r + CLUB) : 0;
}

int16_t Player_NextAtClubOrOnLoan(int16_t from, int16_t club) {
  if (!Indexed(club)) return ScanAtClubOrOnLoan(from, club);
  const ClubIndex& x = CurrentIndex();
  const int32_t start = std::max<int32_t>(from, 0);
  const int16_t member = NextListed(x.members[club], start);
  const int16_t lent = NextListed(x.onLoan, start);
  const int16_t next = member < 0 ? lent : lent < 0 ? member : std::min(member, lent);
#ifdef NDEBUG
  return next;
#else
  return Checked(next, ScanAtClubOrOnLoan(from, club), "Player_NextAtClubOrOnLoan", from, club);
#endif
}

int16_t Player_NextAtClub(int16_t from, int16_t club) {
  if (!Indexed(club)) return ScanAtClub(from, club);
  const int16_t next = NextListed(CurrentIndex().members[club], std::max<int32_t>(from, 0));
#ifdef NDEBUG
  return next;
#else
  return Checked(next, ScanAtClub(from, club), "Player_NextAtClub", from, club);
#endif
}

bool Player_ReadScreenFields(int16_t player, PlayerScreenFields* out) {
  const uint8_t* r = Record(player);
  if (!r) return false;
  const auto bits = [r](const PlayerField& f) { return static_cast<int16_t>(GetBits(r, f.bits)); };
  out->manPrice = LoadI32(r + MANPRICE);
  out->club = LoadI16(r + CLUB);
  out->wage = bits(kWage);
  out->position = bits(kManager) ? int16_t{POSITION_MANAGER} : bits(kPosition);
  out->careerApps = bits(kCareerApps);
  out->shirt = bits(kShirt);
  out->suspension = bits(kBanwait) == 0 ? bits(kSuspension) : int16_t{0};
  out->age = bits(kAge);
  out->bossvane = bits(kBossvane) != 0;
  out->saleStatus = bits(kSaleStatus) != 0;
  out->brClause = bits(kBRClause) != 0;
  out->onLoan = bits(kOnLoan) != 0;
  out->inFlag = bits(kInFlag) != 0;
  out->loanList = bits(kLoanList) != 0;
  out->txList = bits(kTxList) != 0;
  return true;
}

void Player_ReadStatFields(int16_t player, PlayerStatFields* out) {
  const uint8_t* r = Record(player);
  const uint8_t* id = Identity(player);
  const auto field = [r](const PlayerField& f) { return r ? static_cast<int16_t>(GetBits(r, f.bits)) : f.beyond; };
  out->storedPosition = field(kPosition);
  out->initial = field(kInitial);
  out->physicalStats = field(kPhysicalStats);
  out->abilityCurve = field(kAbilityCurve);
  out->age = field(kAge);
  out->careerApps = field(kCareerApps);
  out->training = field(kTraining);
  out->abilityStats = r ? static_cast<int16_t>(GetBits(r, kAbilityHigh.bits) * 8 +
                                               GetBits(PlayerIdentities()[player].bytes, kAbilityLow))
                        : int16_t{0};
  out->surname = id ? static_cast<int16_t>(GetBits(id, kSurname)) : int16_t{0};
  out->personalityStats = id ? static_cast<int16_t>(GetBits(id, kPersonality)) : int16_t{0};
}

void Player_SetClub(int16_t player, int32_t club) {
  uint8_t* r = Record(player);
  if (!r) return;
  const int16_t before = LoadI16(r + CLUB);
  const int16_t after = static_cast<int16_t>(club < 0 ? 0 : club > 255 ? 255 : club);
  StoreI16(r + CLUB, after);
  DigestRefresh(player);
  if (before == after || !IndexCurrent()) return;
  if (Indexed(before)) IndexErase(gIndex.members[before], player);
  IndexInsert(gIndex.members[after], player);
}

int16_t Player_GetSellOnClause(int16_t player) {
  if (player < 0) Fatal1(NEG_PLAYER("SellOnClause"), player);
  const uint8_t* r = Record(player);
  return r ? LoadI16(r + SELL_ON_CLAUSE) : -1;
}
void Player_SetSellOnClause(int16_t player, int32_t clause) {
  if (player < 0) Fatal2("Trying to give negative player soc: '%d,%d'\n", clause, player);
  if (clause > 250) {
    std::printf("Trying excessive sell clause with player: '%d,%d'\n", clause, player);
    clause = -1;
  }
  if (uint8_t* r = Record(player)) StoreI16(r + SELL_ON_CLAUSE, clause);
}

int32_t Player_GetManPrice(int16_t player) {
  if (player < 0) Fatal1(NEG_PLAYER("man price"), player);
  const uint8_t* r = Record(player);
  return r ? LoadI32(r + MANPRICE) : -1;
}
void Player_SetManPrice(int16_t player, int32_t price) {
  uint8_t* r = Record(player);
  if (r && Player_GetWage(player) != 0) StoreI32(r + MANPRICE, price);
}

int16_t Player_GetReserveSlot(int16_t player) {
  const uint8_t* r = Record(player);
  return r ? LoadI16(r + RESERVE_SLOT) : -1;
}
void Player_SetReserveSlot(int16_t player, int32_t slot) {
  if (uint8_t* r = Record(player)) StoreI16(r + RESERVE_SLOT, slot);
}

int16_t Player_GetCupTied(int16_t player, int cup) {
  if (player < 0) Fatal1(NEG_PLAYER("cup"), player);
  if (cup < 0 || cup >= NUM_PLAYER_CUPS) Fatal1(NEG_PLAYER("cup"), cup);
  const uint8_t* r = Record(player);
  return r ? LoadI16(r + CUP_TIED + 2 * cup) : Player_GetClub(player);
}
void Player_SetCupTied(int16_t player, int32_t club, int cup) {
  if (cup < 0 || cup >= NUM_PLAYER_CUPS || club < 0) Fatal2("Trying to give illegal cup: '%d,%d'\n", cup, player);
  if (player < 0) Fatal2("Trying to give negative player cup tied: '%d,%d'\n", club, player);
  if (uint8_t* r = Record(player)) StoreI16(r + CUP_TIED + 2 * cup, club);
}

// ---- identity fields ----

int16_t Player_GetBidCount(int16_t player) {
  return GetIdentity(player, kBidCount, "Trying to get negative player bidcount : '%d'\n");
}
void Player_SetBidCount(int16_t player, int32_t count) {
  SetIdentity(player, kBidCount, static_cast<uint32_t>(count),
              "Trying to give negative player a bid count at club: '%d,%d'\n");
}

int16_t Player_GetSide(int16_t player) { return GetIdentity(player, kSide, NEG_PLAYER("Side")); }
void Player_SetSide(int16_t player, int32_t side) {
  SetIdentity(player, kSide, side < 0 || side > 3 ? 0 : side, "Trying to give negative player nation: '%d,%d'\n");
}

int16_t Player_GetNationality(int16_t player) { return GetIdentity(player, kNationality, NEG_PLAYER("Nationality")); }
void Player_SetNationality(int16_t player, int32_t nation) {
  SetIdentity(player, kNationality, nation < 0 || nation >= NUM_NATIONALITIES ? 0 : nation,
              "Trying to give negative player nation: '%d,%d'\n");
  DigestRefresh(player);
}

int16_t Player_GetSurname(int16_t player) { return GetIdentity(player, kSurname, NEG_PLAYER("Surname")); }
void Player_SetSurname(int16_t player, int32_t surname) {
  SetIdentity(player, kSurname, static_cast<uint32_t>(surname), "Trying to give negative player surname: '%d,%d'\n");
}

int16_t Player_GetPersonalityStats(int16_t player) {
  return GetIdentity(player, kPersonality, NEG_PLAYER("PersonalityStats"));
}
void Player_SetPersonalityStats(int16_t player, int32_t row) {
  SetIdentity(player, kPersonality, static_cast<uint32_t>(row),
              "Trying to give negative player personality stats: '%d,%d'\n");
}

int16_t Player_GetTactic(int16_t player) {
  int16_t tactic = GetIdentity(player, kTactic, NEG_PLAYER("tactic"));
  return tactic > 5 ? 0 : tactic;
}
void Player_SetTactic(int16_t player, int32_t tactic) {
  SetIdentity(player, kTactic, static_cast<uint32_t>(tactic), "Trying to give negative player tactic: '%d,%d'\n");
}

int16_t Player_GetLook(int16_t player, int look) {
  if (look < 0 || look > 2) return 0;
  return GetIdentity(player, kLook[look], NEG_PLAYER("look"));
}
void Player_SetLook(int16_t player, int look, int32_t code) {
  if (look >= 0 && look <= 2)
    SetIdentity(player, kLook[look], static_cast<uint32_t>(code), "Trying to give negative player look: '%d,%d'\n");
}

// ---- the rest ----

void Player_SetReservedA(int16_t, int32_t) {}
void Player_SetReservedB(int16_t, int32_t) {}
void Player_SetReservedC(int16_t, int32_t) {}
void Player_SetReservedD(int16_t, int32_t) {}
int16_t Player_GetReservedE(int16_t) { return 0; }
int16_t Player_GetReservedF(int16_t) { return 0; }
int16_t Player_GetReservedG(int16_t) { return 0; }
int16_t Player_IsUnavailable(int16_t) { return 0; }

int16_t Player_IsUnderSuspension(int16_t player) {
  if (player < 0) Fatal1("Trying to find if neg player is under susp : '%d'\n", player);
  return Player_GetBanwait(player) == 0 ? Player_GetSuspension(player) : 0;
}

void Player_ChangeMorale(int16_t player, int32_t percent) {
  if (player < 0) Fatal2("Trying to change negative player morale: '%d,%d'\n", percent, player);
  if (!Record(player)) return;
  int64_t m = Player_GetMorale(player);
  int64_t share = percent;
  if (share < 0) {
    int16_t club = Player_GetClub(player);
    int country = club >= 0 && club < NUM_CLUBS ? Club_GetCountry(club) : 0;
    if (NationalityGroup(country) != NationalityGroup(Player_GetNationality(player))) share *= 2;
    m -= (-share * m) / 100 + 1;
  } else if (share > 0) {
    m += share * m / 100 + 1;
  }
  if (m < 0) m = 0;
  if (m > 60) m = 60;
  Player_SetMorale(player, static_cast<int32_t>(m));
}

int16_t Player_RandomAbilityStats(int16_t player) {
  int16_t position = Player_GetPosition(player);
  int32_t code;
  // A stored position past 12 comes only from a damaged record; like the
  // position setter, take it as 0 rather than read past the table.
  if (position < 0 || position > POSITION_MANAGER) position = 0;
  if (position == POSITION_MANAGER)
    code = 150 + GameRandom() % 100;
  else
    code = AbilityStatsChoice[position][GameRandom() % 100];
  Player_SetAbilityStats(player, code);
  return static_cast<int16_t>(code);
}
