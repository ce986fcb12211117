// A small world in known states, for the tests of the world and of the code
// built on it. ResetWorld() puts every module back to its start state, the
// world tables empty; BuildTestWorld() then makes the clubs and players below
// (game country England, 1999, day 0).
#pragma once

#include <cstdint>

#include "clubsim/clubsvc.h"
#include "support/engine_fixture.h"

namespace tw {

// Clubs. Clubs 0-113 have full records, 114-249 minor ones.
constexpr int16_t kHumanClub = 0;     // England division 0, run by the human manager, balance 1,000,000
constexpr int16_t kLeagueClub = 1;    // England division 1, computer-run, balance 500,000
constexpr int16_t kOutsideClub = 2;   // England, full record but division 6 (outside the league), balance 0
constexpr int16_t kForeignClub = 3;   // Italy division 0, full record, balance 2,000,000
constexpr int16_t kMinorClub = 200;   // Germany, minor record: division 7, reputation 33, stands 3/20 and 5/12

// Players (PlayerCount = PlayerTotalCount = kPlayerCount).
constexpr int16_t kHumanManager = 0;  // the human manager of club 0 (position 13)
constexpr int16_t kNoManager = 1;     // the built-in player that stands for no manager
constexpr int16_t kKeeper = 2;        // English goalkeeper of club 0, morale 40, wage 400
constexpr int16_t kDefender = 3;      // Italian defender of club 0, morale 40, wage 300
constexpr int16_t kForward = 4;       // English forward of club 0, 10 goals, wage 800
constexpr int16_t kMidfielder = 5;    // Dutch midfielder of club 1, wage 200
constexpr int16_t kItalian = 6;       // Italian forward of club 3, wage 500
constexpr int16_t kFreeAgent = 7;     // free agent (club 254), no wage
constexpr int16_t kPlayerCount = 8;

// The league world (BuildLeagueWorld): England as a new game lays out its
// clubs. Clubs 0-123 are English: 0-113 the league with full records, in the
// divisions of their club-list blocks (0-19 division 0, 20-43 division 1,
// 44-67 division 2, 68-91 division 3, 92-113 division 4), 114-123 outside
// the league (division 6); clubs 124-249 belong to the countries of their
// club-list blocks (division 0). Every club is computer-run with reputation
// 30. Each league club c has kLeagueSquad players, c * kLeagueSquad to
// c * kLeagueSquad + 17, all available (wage 100).
constexpr int kLeagueSquad = 18;
constexpr int16_t kLeagueClubs = 114;

// Names: player p has surname index 100 + p, whose entry in the name buffer is
// kSurnames[p]; only the keeper has an initial (10, "J").
constexpr int16_t kSurnameBase = 100;
constexpr const char* kSurnames[kPlayerCount] = {"Gaffney", "Nobody",  "Safehands", "Rossini",
                                                 "Striker", "Van Dam", "Bianchi",   "Drifter"};
constexpr int16_t kKeeperInitial = 10;

}  // namespace tw

void ResetWorld();
void BuildTestWorld();
void BuildLeagueWorld();

// The league world of any game country 0-8, laid out as a new game lays it
// out: world club c belongs to the country of its club-list block (the game
// country's own block division by division as CountryDivisionInfo gives the
// sizes, then its clubs outside the league in division 6; other countries'
// clubs division 0). The game country's league clubs take the full records
// 0, 1, 2 ... in club order, the other listed clubs minor records; clubs past
// the last block have no record. Every club is computer-run, reputation 30,
// stand styles 0. No players.
void BuildCountryLeagueWorld(int country);

class WorldTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    ResetWorld();
    BuildTestWorld();
  }
  void TearDown() override {
    ResetWorld();
    EngineTest::TearDown();
  }
};

class LeagueWorldTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    ResetWorld();
    BuildLeagueWorld();
  }
  void TearDown() override {
    ResetWorld();
    EngineTest::TearDown();
  }
};

// A world accessor's fatal stop: its message on standard output, then the
// program ends with FATAL_EXIT_CODE.
#define EXPECT_FATAL_EXIT(statement, regex) \
  EXPECT_EXIT({ StdoutToStderr(); statement; }, ::testing::ExitedWithCode(FATAL_EXIT_CODE), regex)
