// Helpers of the cup tests: a country's world made from the generated
// database, the match day's part in a cup fixture (its result written, the
// tie decided), and a stand-in for the moving of a league fixture.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "season/cupdraw.h"
#include "season/cupties.h"
#include "season/fixgen.h"
#include "season/newgame.h"
#include "season/seasonstate.h"
#include "support/source_db.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/worldgen.h"

namespace cuptest {

// Game country g's clubs as a new game lays them out (the generated database
// in a pak in the working folder), the division table in club order and the
// cup seeding list.
inline void MakeCountryWorld(int g) {
  srcdb::MountTotStat(srcdb::BuiltTotStat());
  GameCountry = static_cast<int8_t>(g);
  LoadWorldSourceData();
  Club_InitCountryClubs();
  SortLeagueTables();
  BuildCupSeedingList();
}

// The world's money: the money pool and every club's balance.
inline int64_t MoneyInWorld() {
  int64_t total = MoneyPool;
  for (int16_t c = 0; c < NUM_CLUBS; ++c) total += Club_GetBalance(c);
  return total;
}

// What the match day does with a cup fixture once it is played: its rules
// for a second leg (the first leg's goals from the reverse fixture), the
// scores of the match, the result written into the fixture (the shoot-out
// flag when the shoot-out scores differ) and the booking of the tie.
inline void PlayCupFixture(int16_t n, int home, int away, int homeShootout = 0, int awayShootout = 0) {
  const int code = Fixture_GetCompetition(n);
  const int cup = (code - COMP_CUP_FIRST) / COMP_CUP_CODES;
  const int within = (code - COMP_CUP_FIRST) % COMP_CUP_CODES;
  SecondLegFlag = 0;
  FirstLegGoals[0] = FirstLegGoals[1] = 0;
  if (within >= 8 && CupRound_Get(cup, within - 8)->legs == 2) {
    SecondLegFlag = 1;
    const int16_t first = Fixture_Find(Fixture_GetAwayClub(n), Fixture_GetHomeClub(n), code - 8);
    FirstLegGoals[0] = Fixture_GetAwayGoals(first);
    FirstLegGoals[1] = Fixture_GetHomeGoals(first);
  }
  CurrentMatchScores[0] = static_cast<int16_t>(home);
  CurrentMatchScores[1] = static_cast<int16_t>(away);
  CurrentMatchScores[2] = static_cast<int16_t>(homeShootout);
  CurrentMatchScores[3] = static_cast<int16_t>(awayShootout);
  Fixture_SetResult(n, home, away);
  Fixture_SetShootoutFlag(n, homeShootout != awayShootout ? 1 : 0);
  CupTie_BookResult(n);
}

// A stand-in for the season's Fixture_Reschedule: the fixture copied onto the
// latest day up to Postdate (after `day`) on which neither club plays.
inline int16_t MoveToLatestFreeDay(int32_t day, int16_t fixture) {
  const int16_t home = Fixture_GetHomeClub(fixture), away = Fixture_GetAwayClub(fixture);
  for (int32_t d = Postdate; d > day; --d)
    if (Fixture_FindClubMatchOnDay(home, d) < 0 && Fixture_FindClubMatchOnDay(away, d) < 0)
      return Fixture_Add(d, Fixture_GetCompetition(fixture), home, away, Fixture_GetLegFlag(fixture));
  return -1;
}

// The unplayed fixtures of a day (slots, in list order).
inline std::vector<int16_t> UnplayedOn(int day) {
  std::vector<int16_t> out;
  for (int16_t n = 0; n < NUM_FIXTURES; ++n)
    if (Fixture_GetDay(n) == day && !Fixture_IsPlayed(n)) out.push_back(n);
  return out;
}

// The fixtures of a competition code between two clubs, in list order.
inline std::vector<int16_t> FixturesOf(int code, int home, int away) {
  std::vector<int16_t> out;
  for (int16_t n = 0; n < NUM_FIXTURES; ++n)
    if (Fixture_GetDay(n) != FIXTURE_EMPTY_DAY && Fixture_GetCompetition(n) == code &&
        Fixture_GetHomeClub(n) == home && Fixture_GetAwayClub(n) == away)
      out.push_back(n);
  return out;
}

}  // namespace cuptest
