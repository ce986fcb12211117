// The clubs' grounds and stands.
#include "clubsim/grounds.h"

#include <algorithm>
#include <cstdio>

#include "clubsim/clubsvc.h"
#include "clubsim/money.h"
#include "clubsim/simcounts.h"
#include "clubsim/squadlist.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/funcs_finance.h"
#include "world/players.h"
#include "world/textmess.h"

namespace {

constexpr int LEAGUE_DIVISIONS = 6;
constexpr int32_t SEATS_PER_BLOCK = 1000;  // capacities are kept in thousands
constexpr int16_t BEST_STYLE = NUM_STAND_PROJECTS - 1;
// A ground whose crowds fill more than this share is too small.
constexpr int64_t FULL_PERCENT = 80;
// The ground budget: this share of what the balance leaves over the wages.
constexpr int64_t BUDGET_PERCENT = 50;
constexpr int64_t WAGE_WEEKS_KEPT = 125;
// A stand pulled down is worth this share of what it cost.
constexpr int64_t SALVAGE_PERCENT = 20;

constexpr int NEWS_SEATS_ADDED = 158;
// The news of a stand closed for rebuilding, by stand.
constexpr int kNewsStandClosed[NUM_STANDS] = {161, 162, 159, 160};  // North, South, East, West

// Stands 0-3: the first two are the ends, the last two the sides.
constexpr int END_1 = 0, END_2 = 1, SIDE_3 = 2, SIDE_4 = 3;

int16_t (*const kStyle[NUM_STANDS])(int16_t) = {Club_GetStand1Style, Club_GetStand2Style, Club_GetStand3Style,
                                                 Club_GetStand4Style};
void (*const kSetStyle[NUM_STANDS])(int16_t, int32_t) = {Club_SetStand1Style, Club_SetStand2Style,
                                                          Club_SetStand3Style, Club_SetStand4Style};
int16_t (*const kCapacity[NUM_STANDS])(int16_t) = {Club_GetStand1Capacity, Club_GetStand2Capacity,
                                                    Club_GetStand3Capacity, Club_GetStand4Capacity};
void (*const kSetCapacity[NUM_STANDS])(int16_t, int32_t) = {Club_SetStand1Capacity, Club_SetStand2Capacity,
                                                             Club_SetStand3Capacity, Club_SetStand4Capacity};


// The project of a style 0-7 (the styles the record holds).
const StandProject& Project(int16_t style) { return StandProjectTable[std::clamp<int16_t>(style, 0, BEST_STYLE)]; }

// The price of a thousand more seats in a stand of the style.
int64_t BlockPrice(int16_t style) { return int64_t{Project(style).value1} * SEATS_PER_BLOCK; }

// The seats a stand of the style may hold: the end limit or the side limit.
int32_t SeatLimit(int stand, int16_t style) {
  return stand == END_1 || stand == END_2 ? Project(style).value3 : Project(style).value2;
}

// The club pays the amount to the pool and books it as miscellaneous outgoings.
void PayForWorks(int16_t club, int64_t amount) {
  const int32_t cost = ClampMoney(amount);
  Club_AddToBalance(club, -cost);
  Club_AddToBalance(PLAYER_CLUB_NONE, cost);
  Club_SetMiscOut(club, ClampMoney(int64_t{Club_GetMiscOut(club)} + cost));
}

void GroundNews(int kind, int16_t club, int32_t number) {
  SetNewsArgs(club, -1, -1, -1, -1, -1, -1, number, -1);
  ShowNewsMessage(GetRandomNewsText(kind), 0, NEWS_SHOW_HUMAN_CLUB, club, -1);
}

// One club's ground at the year end.
class GroundWorks {
 public:
  GroundWorks(int16_t club, int64_t budget) : club_(club), budget_(budget) {
    for (int s = 0; s < NUM_STANDS; ++s) {
      style_[s] = kStyle[s](club);
      room_[s] = SeatLimit(s, style_[s]) - int32_t{kCapacity[s](club)} * SEATS_PER_BLOCK;
    }
  }

  int32_t TotalRoom() const { return room_[0] + room_[1] + room_[2] + room_[3]; }
  bool OneStyle() const { return style_[0] == style_[1] && style_[1] == style_[2] && style_[2] == style_[3]; }

  // All four stands of one style share the blocks the budget buys: the
  // third stand's room first, then the fourth's, the first's and the second's.
  void EnlargeAll() {
    const int64_t price = BlockPrice(style_[0]);
    constexpr int kOrder[NUM_STANDS] = {SIDE_3, SIDE_4, END_1, END_2};
    int32_t blocks[NUM_STANDS] = {};
    int32_t total = 0;
    for (int s : kOrder)
      while ((total + 1) * price < budget_ && room_[s] - blocks[s] * SEATS_PER_BLOCK >= SEATS_PER_BLOCK) {
        ++blocks[s];
        ++total;
      }
    if (total * price == 0) return;  // nothing bought, or seats that cost nothing
    for (int s = 0; s < NUM_STANDS; ++s) AddSeats(s, blocks[s]);
    PaySeats(total, price);
  }

  // Stands of different styles: a side and an end at most, each with the
  // whole budget.
  void EnlargeMixed() {
    const int16_t highest = *std::max_element(style_, style_ + NUM_STANDS);
    bool fourth = false;
    const bool third = style_[SIDE_3] == highest && Enlarge(SIDE_3);
    if (!third && style_[SIDE_4] >= style_[END_1] && style_[SIDE_4] >= style_[END_2]) fourth = Enlarge(SIDE_4);
    if (fourth) {
      Enlarge(END_2);
      return;
    }
    const bool first = style_[END_1] >= style_[END_2] && Enlarge(END_1);
    if (!first) Enlarge(END_2);
  }

  // A full ground rebuilds one stand in the next style.
  void Rebuild() {
    int stand;
    if (OneStyle()) stand = SIDE_3;
    else if (style_[SIDE_4] < style_[SIDE_3]) stand = SIDE_4;
    else if (style_[END_1] < style_[SIDE_4]) stand = END_1;
    else stand = END_2;
    const int16_t style = style_[stand];
    if (style >= BEST_STYLE) return;
    const int64_t salvage =
        (int64_t{Project(style).price} + int64_t{kCapacity[stand](club_)} * Project(style).value1) * SALVAGE_PERCENT /
        100;
    const int64_t price = Project(static_cast<int16_t>(style + 1)).price;
    if (budget_ + salvage <= price) return;
    kSetStyle[stand](club_, style + 1);
    kSetCapacity[stand](club_, 0);
    GroundNews(kNewsStandClosed[stand], club_, -1);
    const int32_t refund = ClampMoney(salvage);
    Club_AddToBalance(PLAYER_CLUB_NONE, -refund);
    Club_AddToBalance(club_, refund);
    Club_SetMiscIn(club_, ClampMoney(int64_t{Club_GetMiscIn(club_)} + refund));
    PayForWorks(club_, price);
    ++ClubSimCount.groundWorks;
  }

 private:
  // One stand enlarged by the blocks the whole budget buys: whether any
  // seats were bought (seats that cost nothing count as none).
  bool Enlarge(int stand) {
    const int64_t price = BlockPrice(style_[stand]);
    int32_t blocks = 0;
    while ((blocks + 1) * price < budget_ && room_[stand] - blocks * SEATS_PER_BLOCK >= SEATS_PER_BLOCK) ++blocks;
    if (blocks * price == 0) return false;
    AddSeats(stand, blocks);
    PaySeats(blocks, price);
    return true;
  }

  void AddSeats(int stand, int32_t blocks) {
    if (blocks == 0) return;
    kSetCapacity[stand](club_, kCapacity[stand](club_) + blocks);
    room_[stand] -= blocks * SEATS_PER_BLOCK;
  }

  void PaySeats(int32_t blocks, int64_t price) {
    GroundNews(NEWS_SEATS_ADDED, club_, blocks * SEATS_PER_BLOCK);
    PayForWorks(club_, blocks * price);
    if (Club_GetControl(club_) != 0) HumanOutgoingsTotal = ClampMoney(int64_t{HumanOutgoingsTotal} + blocks * price);
    ++ClubSimCount.groundWorks;
  }

  int16_t club_;
  int64_t budget_;
  int16_t style_[NUM_STANDS];
  int32_t room_[NUM_STANDS];
};

// Half of what the balance leaves over 125 weeks of the listed players' stored wages.
int64_t GroundBudget(int16_t club) {
  BuildClubSquadList(club);
  int64_t wages = 0;
  for (int i = 0; i < SquadListLength && i < SQUAD_LIST_SIZE; ++i)
    if (SquadList[i] >= 0) wages += Player_GetWage(SquadList[i]);
  const int64_t left = std::max<int64_t>(int64_t{Club_GetBalance(club)} - WAGE_WEEKS_KEPT * wages, 0);
  return left * BUDGET_PERCENT / 100;
}

}  // namespace

void HumanGroundRedevelopment(int16_t club) {
  if (Club_GetControl(club) == 0) {
    std::printf("Cannot do HumanGroundRedevelopment on a stadium belonging to a computer managed team\n");
    FatalExit();
  }
  const int16_t manager = Club_GetControl(club);
  for (int16_t stand = 0; stand < NUM_STANDS; ++stand) {
    StandPlan* plan = GNW_GetStandProjectEntry(manager, stand);
    if (plan == nullptr) return;
    // Seats from a damaged save cannot be fewer than none.
    const int16_t extra = std::max<int16_t>(plan->progress, 0);
    if (plan->project >= 0 && plan->project <= BEST_STYLE) {
      const StandProject& project = StandProjectTable[plan->project];
      kSetCapacity[stand](club, 0);
      kSetStyle[stand](club, plan->project);
      PayForWorks(club, project.price + int64_t{extra} * project.value1 * SEATS_PER_BLOCK);
      *plan = StandPlan{NO_STAND_PROJECT, 0, extra};
      continue;
    }
    if (plan->previous != 0) {
      kSetCapacity[stand](club, plan->previous);
      plan->previous = 0;
    }
    PayForWorks(club, int64_t{extra} * BlockPrice(kStyle[stand](club)));
    kSetCapacity[stand](club, kCapacity[stand](club) + extra);
    plan->progress = 0;
  }
}

void ClubsYearEndGroundUpdate() {
  for (int16_t club = 0; club < NUM_CLUBS; ++club) {
    if (Club_GetFullRecord(club) == nullptr || Club_GetCountry(club) != GameCountry ||
        Club_GetDivision(club) >= LEAGUE_DIVISIONS)
      continue;
    const int32_t crowd = Club_GetAvgAtt(club);
    const int32_t thousands = crowd / SEATS_PER_BLOCK;
    const int16_t reputation = Club_GetRep(club);
    if (thousands > reputation) Club_SetRep(club, reputation + 1);
    else if (thousands < reputation) Club_SetRep(club, reputation - 1);

    int64_t capacity = 0;
    for (int s = 0; s < NUM_STANDS; ++s) capacity += kCapacity[s](club);
    if (crowd <= capacity * SEATS_PER_BLOCK * FULL_PERCENT / 100) continue;

    GroundWorks works(club, GroundBudget(club));
    if (works.TotalRoom() <= 0) works.Rebuild();
    else if (works.OneStyle()) works.EnlargeAll();
    else works.EnlargeMixed();
  }
}
