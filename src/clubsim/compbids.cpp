#include "clubsim/compbids.h"

#include <algorithm>
#include <cstdint>

#include "clubsim/bids.h"
#include "clubsim/clubsvc.h"
#include "clubsim/squad.h"
#include "clubsim/squadlist.h"
#include "clubsim/squadplan.h"
#include "clubsim/transferday.h"
#include "clubsim/valuation.h"
#include "engine/rand.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs_deals.h"
#include "world/lists.h"
#include "world/players.h"
#include "world/playerstats.h"

namespace {

constexpr int16_t HUMAN_MANAGER_ONE = 1;
constexpr int32_t OPEN_SEARCH_UPPER = 20000;
constexpr int32_t MAX_OTHER_BIDS = 5;
constexpr int16_t WAGE_UNIT = 25;

// Per player, what the injury list says of him for this search: 0 not on it,
// 1 on it, 2 out for more than four days with an injury or illness. Built
// once per search: the list is long and the search looks at every player.
enum : uint8_t { NOT_ON_INJURY_LIST = 0, ON_INJURY_LIST = 1, OUT_TOO_LONG = 2 };
uint8_t gInjuryState[MAX_PLAYERS];

void NoteInjuryList() {
  std::fill(gInjuryState, gInjuryState + MAX_PLAYERS, NOT_ON_INJURY_LIST);
  for (int16_t slot = 0; slot < NUM_PATIENTS; ++slot) {
    const int16_t p = Patient_GetPlayerNo(slot);
    // The first entry holding the player is the one that counts.
    if (p < 0 || p >= MAX_PLAYERS || gInjuryState[p] != NOT_ON_INJURY_LIST) continue;
    gInjuryState[p] = Patient_GetInjuryTime(slot) > 4 && Patient_GetInjuryType(slot) != 0 ? OUT_TOO_LONG : ON_INJURY_LIST;
  }
}

bool WorldClub(int16_t club) { return club >= 0 && club < NUM_CLUBS; }
bool IsGameCountryClub(int16_t club) { return WorldClub(club) && Club_GetCountry(club) == GameCountry; }
int32_t Stat(int16_t player, int stat) { return Player_GetPersonalityStat(player, stat); }
bool HasShirt(int16_t p) { return Player_GetShirt(p) >= 1 && Player_GetShirt(p) <= 11; }
bool MarketPriceSet(int16_t p) { return Player_GetManPrice(p) != -1; }
int32_t ToMoney(int64_t x) { return static_cast<int32_t>(std::clamp<int64_t>(x, INT32_MIN, INT32_MAX)); }

// Whether the player's buy-out clause lets him leave his owner for the
// bidder: a stronger bidder. A player of no club is never held.
bool BuyOutAllowsMove(int16_t bidder, int16_t owner) {
  return !WorldClub(owner) || BidderStanding(bidder) < OwnerStanding(owner);
}

// The average rating of the club's starters (the sum over shirts 1-11 / 11).
int32_t ShirtedAverage(int16_t club) {
  int64_t sum = 0;
  for (int16_t p = Player_NextAtClub(0, club); p >= 0; p = Player_NextAtClub(p + 1, club))
    if (HasShirt(p)) sum += RatePlayer(p, Player_GetStoredPosition(p));
  return static_cast<int32_t>(sum / 11);
}

// The players the first human manager's club is bidding for.
int BidTargetsOfHuman(int16_t targets[NUM_CLUB_BIDS]) {
  const int16_t human = FindHumanClub(HUMAN_MANAGER_ONE);
  int n = 0;
  if (!WorldClub(human)) return 0;
  for (int s = 0; s < NUM_CLUB_BIDS; ++s) {
    const int16_t p = Club_GetBidPlayer(human, s);
    if (p >= 0) targets[n++] = p;
  }
  return n;
}

// Where a player's club puts him for the first tests of a search: passed
// over, looked at only when a roll comes up (abroad, or in the reserve pool
// for a top-division bidder), or looked at.
enum : uint8_t { CLUB_PASSED_OVER, CLUB_AFTER_ROLL, CLUB_LOOKED_AT };

// What one target search holds fixed while it scans: the bidder, the
// search's bounds, and per world club its country and division and how
// often the other clubs' bid slots name each player, counted when first
// asked for. Nothing a search reads changes during it.
struct TargetSearch {
  int16_t club;
  int32_t r, upper;
  int16_t flagA, flagB;
  int32_t budget, maxWage;
  int32_t division;    // the bidder's
  bool foreignLimit;   // the squad holds enough foreign players
  bool foreignNationality[256];  // by nationality code, when foreignLimit
  bool foreignClub[NUM_CLUBS];
  uint8_t clubPlace[256];  // by club code: CLUB_PASSED_OVER, CLUB_AFTER_ROLL or CLUB_LOOKED_AT
  int16_t clubDivision[NUM_CLUBS];
  bool otherBidsCounted;
  uint32_t countMark;                  // this search's mark on the counts below
  uint32_t otherBidMark[MAX_PLAYERS];  // the search that counted the player's bids
  uint16_t otherBids[MAX_PLAYERS];     // his count, when the mark is this search's
  // How many bid slots of the clubs other than the bidder name the player.
  int32_t OtherBidsFor(int16_t p) {
    if (!otherBidsCounted) {
      ++countMark;
      for (int16_t other = 0; other < NUM_CLUBS; ++other) {
        if (other == club) continue;
        for (int slot = 0; slot < NUM_CLUB_BIDS; ++slot) {
          const int16_t q = Club_GetBidPlayer(other, slot);
          if (q < 0 || q >= MAX_PLAYERS) continue;  // an empty slot, or nobody the scan meets
          if (otherBidMark[q] != countMark) {
            otherBidMark[q] = countMark;
            otherBids[q] = 0;
          }
          ++otherBids[q];
        }
      }
      otherBidsCounted = true;
    }
    return p >= 0 && p < MAX_PLAYERS && otherBidMark[p] == countMark ? otherBids[p] : 0;
  }
};
TargetSearch gSearch;

// The tests after the first ones (the digest's, the injury list's and the
// club's with its roll), which draw nothing; k is the price factor.
bool PassesLaterTests(TargetSearch& s, int16_t p, int32_t* rating) {
  const TransferWorkingSet& w = TransferWork;
  PlayerScreenFields f;
  if (!Player_ReadScreenFields(p, &f)) return false;  // not reached: the scan stays among the full records
  const int16_t c = f.club;
  const bool worldClub = WorldClub(c);
  const bool foreignClub = worldClub && s.foreignClub[c];
  int32_t k = 1;
  if (f.saleStatus) {
    k = 3;
    if (f.brClause) {
      if (!BuyOutAllowsMove(s.club, PlayerOwningClub(p))) return false;
      k = 1;
    }
  }
  if ((c == s.club && !f.onLoan) || (f.onLoan && PlayerLoanOwner(p) == s.club)) return false;
  if (worldClub) {
    const int32_t gap = s.division - s.clubDivision[c];
    const bool busy = f.shirt != 0 || f.suspension != 0 || f.inFlag;
    if (gap > 2 || (busy && gap > 1)) return false;
  }
  const int64_t wage = int64_t{WAGE_UNIT} * f.wage;
  const bool wageOk = ((f.txList ? 1 : 0) == s.flagB && wage < 2 * int64_t{s.maxWage}) ||
                      (f.loanList && wage < 3 * int64_t{s.maxWage} && (s.r == 0 || w.searchAll == 0));
  if (!wageOk) return false;
  if (s.flagA == 0 && foreignClub) return false;
  if (s.flagA == 1 && (!worldClub || !s.foreignClub[c])) return false;
  if (s.r != 0) {
    const int16_t side = Player_GetSide(p);
    if (side != w.wantedSide && side != 3) return false;
  }
  // The cheap tests before the rating.
  const bool shirted = f.shirt >= 1 && f.shirt <= 11;
  if (s.r == 0 && shirted) return false;
  if (worldClub && getsquadsize(c) <= 16) return false;
  if (ClubBid_HasPlayer(s.club, p) == -1) return false;
  int32_t q = RatePlayer(p, w.bidPosition);
  if (f.age > 12) {
    const int32_t a = f.age - 12;
    q = q / (a * a * a + 100) * 100;
  }
  if (q < s.r || q > s.upper) return false;
  if (s.OtherBidsFor(p) >= MAX_OTHER_BIDS) return false;
  const bool affordable = (f.manPrice != -1 && f.manPrice < s.budget) ||
                          int64_t{GetPlayerValue(p)} * k <= s.budget || f.loanList;
  if (!affordable) return false;
  *rating = q;
  return true;
}

}  // namespace

int32_t BidderStanding(int16_t club) {
  if (!IsGameCountryClub(club)) return 50 - 2 * Club_GetRep(club);
  return Club_GetOverallRank(club) - Club_GetRep(club);
}

int32_t OwnerStanding(int16_t club) {
  if (!IsGameCountryClub(club)) return 70 - 2 * Club_GetRep(club);
  return Club_GetOverallRank(club) + 20 - Club_GetRep(club);
}

namespace {

// The generator's next number, drawn on a copy of its state.
int NextRandom(uint32_t* state) {
  *state = *state * 1103515245u + 12345u;
  return static_cast<int>((*state >> 16) & 32767u);
}

// The roll that lets a player abroad or in the reserve pool be looked at:
// x % (100 x (the bidder's division + 1)) is 0. The league divisions get
// divisions by a constant.
bool AbroadRollComesUp(int x, int32_t division) {
  switch (division) {
    case 0: return x % 100 == 0;
    case 1: return x % 200 == 0;
    case 2: return x % 300 == 0;
    case 3: return x % 400 == 0;
    case 4: return x % 500 == 0;
    case 5: return x % 600 == 0;
    default: return x % (100 * (division + 1)) == 0;
  }
}

}  // namespace

int16_t PickBidTarget(int32_t r, int16_t club, int16_t flagA, int16_t flagB, int32_t budget, int32_t maxWage) {
  TargetSearch& s = gSearch;
  s.club = club;
  s.r = r;
  s.upper = r + r * 3 / 100;
  s.flagA = flagA;
  s.flagB = flagB;
  s.budget = budget;
  s.maxWage = maxWage;
  int16_t human[NUM_CLUB_BIDS];
  const int humans = BidTargetsOfHuman(human);
  int32_t stride = 10;
  if (r == 0 || TransferWork.searchAll != 0) {
    stride = 1;
    s.upper = OPEN_SEARCH_UPPER;
  }
  NoteInjuryList();
  s.division = Club_GetDivision(club);
  s.foreignLimit = TransferWork.foreign >= 3;
  if (s.foreignLimit)
    for (int16_t nationality = 0; nationality < 256; ++nationality)
      s.foreignNationality[nationality] = NationalityCountsForeign(nationality);
  for (int16_t c = 0; c < NUM_CLUBS; ++c) {
    s.foreignClub[c] = Club_GetCountry(c) != GameCountry;
    s.clubDivision[c] = Club_GetDivision(c);
    s.clubPlace[c] = s.foreignClub[c] ? CLUB_AFTER_ROLL : CLUB_LOOKED_AT;
  }
  for (int c = NUM_CLUBS; c < 256; ++c) s.clubPlace[c] = CLUB_LOOKED_AT;
  s.clubPlace[PLAYER_CLUB_RESERVE_POOL] = s.division != 0 ? CLUB_PASSED_OVER : CLUB_AFTER_ROLL;
  s.otherBidsCounted = false;
  const PlayerDigest* digests = Player_Digests();
  uint32_t state = GameRandomState();

  const int32_t last = PlayerCount - 1;
  int32_t p = 2;
  int16_t best = -1;
  int32_t bestRating = 0;
  while (p < last) {
    // Every stride moves on at least one player, stopping early at the last
    // player or at one the human manager is bidding for.
    const int x = NextRandom(&state);
    int32_t next = p + (stride == 10 ? x % 10 + 1 : x % stride + 1);
    for (int h = 0; h < humans; ++h)
      if (human[h] > p && human[h] < next) next = human[h];
    p = std::min(next, last);
    if (p >= last) break;

    // The first tests: a foreign player when the squad has enough of them,
    // no wage, a manager, no career appearances, out injured for long; then
    // the club, with its roll.
    const PlayerDigest& d = digests[p];
    if (d.flags != 0 || (s.foreignLimit && s.foreignNationality[d.nationality]) || gInjuryState[p] == OUT_TOO_LONG)
      continue;
    const uint8_t place = d.club >= 0 && d.club < 256 ? s.clubPlace[d.club] : uint8_t{CLUB_LOOKED_AT};
    if (place == CLUB_PASSED_OVER) continue;
    if (place == CLUB_AFTER_ROLL && !AbroadRollComesUp(NextRandom(&state), s.division)) continue;

    int32_t q = 0;
    if (!PassesLaterTests(s, static_cast<int16_t>(p), &q)) continue;
    if (q > bestRating) {
      best = static_cast<int16_t>(p);
      bestRating = q;
    }
  }
  GameSetRandomState(state);
  return best;
}

int32_t CalcComputerOfferPrice(int16_t player, int16_t club) {
  const int16_t o = PlayerOwningClub(player);
  if (o >= NUM_CLUBS && o != PLAYER_CLUB_RESERVE_POOL) return 0;
  if (o != PLAYER_CLUB_RESERVE_POOL && getsquadsize(o) <= 16) return -1;
  int64_t price = GetPlayerAskingPrice(player);
  const int64_t asking = price;
  const int64_t m = GetClubSpendingBudget(club) / (price + 1);
  const int64_t rep = Player_GetReputation(player) * 100 / 63;
  if (WorldClub(club) && Club_GetPhysioContract(club) != 0 && Player_GetRecurringInjury(player) != 0)
    price = price * 65 / 100;
  price = price + price * (rep * rep / 63) / 100;
  if (Player_GetTxReq(player) != 0) {
    const int64_t morale = std::min<int64_t>(Player_GetMorale(player) * 100 / 60 + 40, 100);
    price = price * morale / 100;
  }
  if (o == PLAYER_CLUB_RESERVE_POOL) {
    price = RoundMoneyDown(ToMoney(price));
  } else {
    const int16_t ownerManager = GetClubManager(o);
    if (HasShirt(player)) price = price + price * Stat(ownerManager, 16) / 200;
    if (Player_GetBRClause(player) != 0 && BidderStanding(club) < OwnerStanding(o)) {
      price = RoundMoneyDown(ToMoney(price));
    } else {
      const bool keeps = RatePlayer(player, Player_GetStoredPosition(player)) > ShirtedAverage(o) &&
                         Stat(ownerManager, 16) <= Stat(ownerManager, 19) && Club_GetBalance(o) > 0;
      if (keeps) return -1;
      price = RoundMoneyDown(ToMoney(price));
    }
    // The haggle: a price far above the asking price for what the club has
    // to spend puts both managers off. An asking price below 100 leaves
    // nothing to haggle over.
    if (asking / 100 != 0) {
      int64_t x = price / (asking / 100) / 2;
      const int16_t m16 = static_cast<int16_t>(m);
      if (m16 != 0) x = x / m16;
      const int32_t bidderStat = Stat(GetClubManager(club), 16);
      if (x > bidderStat) {
        if (GameRandom() % 200 < Stat(ownerManager, 16)) return -1;
        x = std::max<int64_t>(x / 2, 100);
        const int64_t y = price / 100 * x / 100;
        const int64_t z = y != 0 ? price / y / 2 : 0;
        if (z > bidderStat) return -1;
        price = price / 100 * z;
      }
    }
  }
  if (price != 0) Player_SetBidCount(player, Player_GetBidCount(player) + 1);
  return ToMoney(price);
}

int16_t FindClubForPlayer(int16_t player) {
  const int32_t r = RatePlayer(player, Player_GetStoredPosition(player));
  const int16_t own = Player_GetClub(player);
  const int64_t wage = int64_t{WAGE_UNIT} * Player_GetWage(player);
  BuildClubProcessingList();
  for (int16_t c : ClubProcessingList) {
    if (c < 0 || c == own) continue;
    CurrentManager = GetClubManager(c);
    BuildClubSquadList(c);
    if (CalcClubMaxWage(c) < wage || SquadListLength > 30 || Club_GetControl(c) != 0) continue;
    const int32_t need = FindSquadNeed(c);
    if (need == NO_SQUAD_NEED) continue;
    const int32_t f = need + need * 3 / 100;
    if (f <= r && r <= f + f * 3 / 100) return c;
  }
  return -1;
}

void ComputerClubBids(int16_t club) {
  TransferWorkingSet& w = TransferWork;
  int32_t bidsOut = 0;
  for (int s = 0; s < NUM_CLUB_BIDS; ++s)
    if (Club_GetBidPlayer(club, s) >= 0) ++bidsOut;
  const int32_t budget = GetClubSpendingBudget(club);
  const int32_t maxWage = CalcClubMaxWage(club);
  if (bidsOut + w.available >= w.wanted + 2 || budget <= 0) return;

  int32_t need = 0;
  if (w.available < 16) {
    w.searchAll = 1;
    w.bidPosition = 5;
    w.wantedSide = 0;
  } else {
    need = FindSquadNeed(club);
    if (need == NO_SQUAD_NEED) return;
  }
  const int32_t target = need + need * 3 / 100;

  bool firstSearch = false;
  int16_t p = PickBidTarget(target, club, 0, 1, budget, maxWage);
  if (p >= 0) {
    firstSearch = true;
  } else if (Club_GetDivision(club) == 0 && GameRandom() % 200 < Stat(CurrentManager >= 0 ? CurrentManager : GetClubManager(club), 21)) {
    p = PickBidTarget(target, club, 0, 1, budget, maxWage);
    if (p < 0) p = PickBidTarget(target, club, 0, 0, budget, maxWage);
  } else {
    p = PickBidTarget(need, club, 0, 0, budget, maxWage);
    if (p < 0) p = PickBidTarget(need, club, 0, 1, budget, maxWage);
  }
  if (p < 0) return;

  const int16_t owner = PlayerOwningClub(p);
  const bool ownerIsClub = WorldClub(owner);
  const bool stronger = ownerIsClub && BidderStanding(club) < OwnerStanding(owner);
  const bool blocked = Player_GetBRClause(p) != 0 && stronger;
  const int16_t clause = stronger && IsGameCountryClub(club) && Player_GetAge(p) + 16 < 30 ? 1 : 0;

  if (ownerIsClub && Club_GetControl(owner) != 0 && !blocked) {
    GNW_AddHumanSale(Club_GetControl(owner), p, club);
    return;
  }

  int32_t price;
  if (MarketPriceSet(p))
    price = Player_GetManPrice(p);
  else if (firstSearch)
    price = GetPlayerValue(p);
  else
    price = CalcComputerOfferPrice(p, club);
  if (price == -1) return;

  const bool loanListed = Player_GetLoanList(p) != 0;
  if (price > budget && !loanListed) return;
  if (loanListed && (target == 0 || price >= budget)) price = LOAN_BID_PRICE;

  const int16_t answer = BidInfo_FindFreeSlot();
  if (answer < 0) return;
  if (MakeTransferOffer(club, p, price, w.bidPosition, clause) < 0) return;
  if (BidInfo_FindPlayer(p) < 0) BidInfo_Start(p, answer);
}
