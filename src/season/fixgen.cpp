// The season's league fixtures and the order of the league tables.
#include "season/fixgen.h"

#include <cstring>
#include <utility>

#include "engine/reset.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/static_country.h"

uint8_t DivisionClubOrder[NUM_ORDER_DIVISIONS][DIVISION_PLACES];

REGISTER_RESET(RESET_SEASON, FixGen_Reset);

namespace {

constexpr int SORT_PASSES = 24;
constexpr int TIE_GOAL_DIFFERENCE = 0;
constexpr int TIE_GOALS_SCORED = 1;

int GoalsFor(const LeagueTableRow& r) { return r.homeFor + r.awayFor; }
int GoalDifference(const LeagueTableRow& r) { return GoalsFor(r) - (r.homeAgainst + r.awayAgainst); }

// -1 when a is below b, 1 when above, 0 when level.
int Compare(int a, int b) { return a < b ? -1 : a > b ? 1 : 0; }

}  // namespace

void FixGen_Reset() { std::memset(DivisionClubOrder, NO_TABLE_CLUB, sizeof DivisionClubOrder); }

void DivisionClubOrder_Build() {
  std::memset(DivisionClubOrder, NO_TABLE_CLUB, sizeof DivisionClubOrder);
  for (int d = 0; d < NUM_ORDER_DIVISIONS; ++d) {
    int place = 0;
    for (int16_t c = 0; c < NUM_CLUBS && place < DIVISION_PLACES; ++c)
      if (Club_GetCountry(c) == GameCountry && Club_GetDivision(c) == d)
        DivisionClubOrder[d][place++] = static_cast<uint8_t>(c);
  }
}

bool LeagueRowBelow(const LeagueTableRow& a, const LeagueTableRow& b, int tieBreak) {
  int order = Compare(a.points, b.points);
  if (order != 0) return order < 0;
  if (tieBreak == TIE_GOAL_DIFFERENCE) {
    order = Compare(GoalDifference(a), GoalDifference(b));
    if (order == 0) order = Compare(GoalsFor(a), GoalsFor(b));
  } else if (tieBreak == TIE_GOALS_SCORED) {
    order = Compare(GoalsFor(a), GoalsFor(b));
    if (order == 0) order = Compare(GoalDifference(a), GoalDifference(b));
  }
  return order < 0;
}

void SortLeagueTables() {
  DivisionClubOrder_Build();
  const bool knownCountry = GameCountry >= 0 && GameCountry < NUM_GAME_COUNTRIES;
  for (int d = 0; d < NUM_DIVISIONS; ++d) {
    uint8_t* table = DivisionTable[d];
    std::memcpy(table, DivisionClubOrder[d], DIVISION_PLACES);
    int count = 0;
    while (count < DIVISION_PLACES && table[count] != NO_TABLE_CLUB) ++count;
    const int tieBreak = knownCountry ? DivisionRules[GameCountry][d].tieBreak : TIE_GOAL_DIFFERENCE;

    // Bubble passes: only a strictly better club moves up, so level clubs keep their order.
    for (int pass = 0; pass < SORT_PASSES; ++pass)
      for (int i = 0; i + 1 < count; ++i)
        if (LeagueRowBelow(LeagueTable[table[i]], LeagueTable[table[i + 1]], tieBreak))
          std::swap(table[i], table[i + 1]);

    for (int k = 0; k < count; ++k) LeagueTable[table[k]].position = static_cast<int16_t>(k);
  }
}
