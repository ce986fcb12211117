// The small world of tests/support/test_world.h made ready for the transfer
// market: a league table (club 0 first, club 1 second), stat templates that
// give players known stats, and helpers to add players and read the news the
// human manager was shown.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/timerint.h"
#include "engine/winlib.h"
#include "menus/exm_text.h"
#include "platform/platform.h"
#include "menus/menuprims.h"
#include "season/seasonstate.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/lists.h"
#include "world/players.h"
#include "world/playerstats.h"
#include "world/recordbits.h"
#include "world/textmess.h"

namespace market {

// Stat codes: every ability and physical template of code c is set by
// SetStats; personality codes are set by SetPersonality. Code 0 is all zero
// (the built-in players, the "no manager" player among them).
inline void SetStats(int code, int ability, int physical) {
  for (auto& v : PlayerStatTables.abilityTemplate[code]) v = static_cast<uint8_t>(ability);
  for (auto& v : PlayerStatTables.physicalTemplate[code]) v = static_cast<uint8_t>(physical);
}
// Personality stats 15-21 of code c: only those given, the rest 0.
inline void SetPersonality(int code, int stat16, int stat17, int stat18, int stat19) {
  auto& t = PlayerStatTables.personalityTemplate[code];
  for (auto& v : t) v = 0;
  t[1] = static_cast<uint8_t>(stat16);
  t[2] = static_cast<uint8_t>(stat17);
  t[3] = static_cast<uint8_t>(stat18);
  t[4] = static_cast<uint8_t>(stat19);
}

// A new full-record player after the last one: English, age 24 (stored 8),
// contract 24, no shirt, 100 career appearances, stats of code `stats`,
// personality code `personality`.
inline int16_t AddPlayer(int16_t club, int position, int wage, int morale, int stats = 0, int personality = 0) {
  const int16_t p = PlayerCount;
  PlayerCount = static_cast<int16_t>(p + 1);
  PlayerTotalCount = PlayerCount;
  Player_SetClub(p, club);
  Player_SetPosition(p, position);
  Player_SetNationality(p, 0);
  Player_SetWage(p, wage);
  Player_SetMorale(p, morale);
  Player_SetFitness(p, 60);
  Player_SetContract(p, 24);
  Player_SetSellOnClause(p, -1);
  Player_SetReserveSlot(p, -1);
  Player_SetAge(p, 8);
  Player_SetCareerApps(p, 100);
  Player_SetManPrice(p, -1);
  Player_SetAbilityStats(p, stats);
  Player_SetPhysicalStats(p, stats);
  Player_SetPersonalityStats(p, personality);
  for (int cup = 0; cup < NUM_PLAYER_CUPS; ++cup) Player_SetCupTied(p, PLAYER_CLUB_NONE, cup);
  return p;
}

// A balance the setter would not take (below 0), written into the record.
inline void WriteBalance(int16_t club, int32_t balance) {
  SetBits(Club_GetFullRecord(club)->bytes, BitField{0, 0, 28}, static_cast<uint32_t>(balance));
}

// Every balance of the world and the pool, less what the world has booked as
// money that came or went (the balance floor, the pool's limits).
inline int64_t WorldMoney() {
  int64_t sum = MoneyPool;
  for (int16_t club = 0; club < NUM_CLUBS; ++club) sum += Club_GetBalance(club);
  return sum - MoneyFlow_Total();
}

// The texts the human manager was shown, in order.
inline std::vector<std::string> ShownNews() {
  std::vector<std::string> shown;
  for (const MenuPrimCall& call : MenuPrims_Calls())
    if (call.name == "DoMessageBox") shown.push_back(call.text);
  return shown;
}

// Whether the text is a wording of the news kind with the arguments now set.
inline bool IsNewsOfKind(const std::string& text, int kind) {
  for (const int16_t* t = NewsKindList[kind]; t != nullptr && *t != 0; ++t)
    if (text == ExpandMessageString(GetTextNoAddr(*t))) return true;
  return false;
}

// The small world with clubs 0 and 1 the only league clubs (ranks 1 and 2);
// the other full records (4-113, blank) stand outside the league. Every
// module is reset first.
inline void BuildMarketWorld() {
  ResetWorld();
  // The news ticker waits for pointer frames: the window and the timer run,
  // and the virtual clock moves whenever the game waits.
  WinInit(nullptr, "Gafferon test", 1);
  InitTimerInterrupt();
  PlatSetVirtualAutoAdvance(true);
  BuildTestWorld();
  for (int16_t club = 4; club < NUM_FULL_CLUBS; ++club) Club_SetDivision(club, 6);
  DivisionTable[0][0] = tw::kHumanClub;
  DivisionTable[1][0] = tw::kLeagueClub;
  MenuPrims_ClearCalls();
}

class MarketTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    BuildMarketWorld();
  }
};

}  // namespace market
