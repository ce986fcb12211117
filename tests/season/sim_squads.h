// Match set-ups for the background simulation's tests: squads of plausible
// players written into the MatchSetup as the fixture's set-up writes them.
//
// Squads come from the generated world database (stats/totstat.dat of the
// build's data set: each club's best players by line) or, without it, are
// made up around a quality. A player's match values spread around his quality
// with the skills of his line a little higher.
#pragma once

#include <cstdint>
#include <random>
#include <vector>

namespace simtest {

// Entry order of a squad: shirt k + 1 plays in formation slot k.
// 0 keeper; 1, 2 full backs; 3 midfielder; 4, 5 centre backs; 6 wide
// midfielder; 7 midfielder; 8, 9 forwards; 10 wide midfielder; 11-15 the bench.
enum Line { KEEPER = 0, DEFENCE = 1, MIDFIELD = 2, ATTACK = 3 };
constexpr Line kEntryLines[16] = {KEEPER,  DEFENCE, DEFENCE, MIDFIELD, DEFENCE, DEFENCE, MIDFIELD, MIDFIELD,
                                  ATTACK,  ATTACK,  MIDFIELD, KEEPER,  DEFENCE, MIDFIELD, MIDFIELD, ATTACK};

struct SquadPlayer {
  int16_t number;    // world player number, -1 empty
  int16_t position;  // position code 0-12
  int quality;       // 15-89
};

struct Squad {
  SquadPlayer players[16];
  int league = -1;  // country x 8 + division of the database club, -1 made up
  int strength() const;  // the starters' average quality
};

// The squads of the clubs in the build's world database with enough players
// in every line; empty when the data set is not there.
std::vector<Squad> LoadDatabaseSquads();
// A made-up squad around a quality.
Squad MakeSquad(int quality, int16_t firstNumber, std::mt19937& rng);

// Writes a side (0 home, 1 away) into the MatchSetup: its players' match
// values, the stock formation of a computer-run side and the takers.
void WriteSide(int side, const Squad& squad, std::mt19937& rng);
// A fresh MatchSetup with both sides, the rules of the tie and the skills
// normalised as the match day does it.
struct TieRules {
  int extraTime = 0;
  int penalties = 0;
  bool secondLeg = false;
  int firstLegGoals[2] = {0, 0};  // goals each side of this leg scored in the first
};
void WriteMatchSetup(const Squad& home, const Squad& away, std::mt19937& rng, const TieRules& rules = TieRules{});

}  // namespace simtest
