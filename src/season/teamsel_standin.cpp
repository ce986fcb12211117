// The stand-in team selection.
#include "season/teamsel_standin.h"

#include <algorithm>
#include <iterator>

#include "clubsim/squadlist.h"
#include "season/seasonstate.h"
#include "world/fixtures.h"
#include "world/players.h"
#include "world/playerstats.h"

namespace {

constexpr int STARTERS = 11;
constexpr int MAX_SUBSTITUTES = 5;
constexpr int CUP_INDEX_FIRST_EURO = 4;

enum Line { KEEPER = 0, DEFENCE = 1, MIDFIELD = 2, ATTACK = 3, NO_LINE = -1 };

// The lines of shirts 2-11: the rows of stock formation 0's slots 1-10.
constexpr Line kShirtLines[STARTERS] = {KEEPER,   DEFENCE, DEFENCE,  MIDFIELD, DEFENCE, DEFENCE,
                                        MIDFIELD, MIDFIELD, ATTACK, ATTACK,   MIDFIELD};

Line LineOfPosition(int position) {
  if (position == 0) return KEEPER;
  if (position >= 1 && position <= 4) return DEFENCE;
  if (position >= 5 && position <= 9) return MIDFIELD;
  if (position >= 10 && position <= 12) return ATTACK;
  return NO_LINE;
}

// The abilities that measure a player for the four lines.
constexpr int kLineAbility[4] = {0, 2, 3, 4};

// A player the club has lent out stays in its squad list but plays for the
// club that borrowed him.
bool OfClub(int16_t player, int16_t club) { return Player_GetClub(player) == club; }

bool Available(int16_t player, int16_t club, int16_t competition) {
  if (Player_GetInFlag(player) != 0) return false;
  const bool cupCode = competition >= COMP_CUP_FIRST && competition <= COMP_CUP_LAST;
  const int cup = cupCode ? (competition - COMP_CUP_FIRST) / COMP_CUP_CODES : -1;
  if (cup >= CUP_INDEX_FIRST_EURO) {
    if (Player_GetEuroBan(player) != 0) return false;
  } else if (competition != COMP_FRIENDLY && Player_IsUnderSuspension(player) != 0) {
    return false;
  }
  if (cup >= 0) {
    const int16_t tied = Player_GetCupTied(player, cup);
    if (tied != club && tied != PLAYER_CLUB_NONE) return false;
  }
  return true;
}

struct Candidate {
  int16_t player;
  Line line;
  bool available;
  bool taken;
  int16_t ability[4];  // by line

  int For(Line by) const { return by == NO_LINE ? 0 : ability[by]; }
};

struct Pick {
  Candidate list[SQUAD_LIST_SIZE];
  int count = 0;

  // The best free candidate by the ability of a line; with ownLine only those
  // of that line, with outfield only non-keepers.
  int Best(Line by, bool ownLine, bool outfield) const {
    int best = -1, bestValue = -1;
    for (int i = 0; i < count; ++i) {
      const Candidate& c = list[i];
      if (!c.available || c.taken) continue;
      if (ownLine && c.line != by) continue;
      if (outfield && c.line == KEEPER) continue;
      const int value = c.For(by);
      if (value > bestValue) {
        best = i;
        bestValue = value;
      }
    }
    return best;
  }
};

void FillShirts(int16_t club, int16_t substitutes, int16_t competition, bool keepShirts) {
  const int lastShirt = STARTERS + std::clamp<int>(substitutes, 0, MAX_SUBSTITUTES);
  Pick pick;
  int holder[STARTERS + MAX_SUBSTITUTES + 1];
  std::fill(std::begin(holder), std::end(holder), -1);
  for (int i = 0; i < SquadListLength && i < SQUAD_LIST_SIZE; ++i) {
    const int16_t p = SquadList[i];
    if (p < 0 || p >= PlayerCount || !OfClub(p, club)) continue;
    Candidate& c = pick.list[pick.count];
    c = Candidate{p, LineOfPosition(Player_GetStoredPosition(p)), Available(p, club, competition), false, {}};
    for (int line = 0; line < 4; ++line) c.ability[line] = Player_GetAbilityStat(p, kLineAbility[line]);
    const int16_t shirt = Player_GetShirt(p);
    if (keepShirts && c.available && shirt >= 1 && shirt <= lastShirt && holder[shirt] < 0) {
      holder[shirt] = pick.count;
      c.taken = true;
    } else if (shirt != 0) {
      Player_SetShirt(p, 0);
    }
    ++pick.count;
  }

  auto give = [&](int shirt, int candidate) {
    if (candidate < 0) return;
    pick.list[candidate].taken = true;
    holder[shirt] = candidate;
    Player_SetShirt(pick.list[candidate].player, shirt);
  };
  // The keeper, then the ten slots.
  if (holder[1] < 0) {
    int keeper = pick.Best(KEEPER, true, false);
    give(1, keeper >= 0 ? keeper : pick.Best(KEEPER, false, false));
  }
  for (int shirt = 2; shirt <= STARTERS; ++shirt) {
    if (holder[shirt] >= 0) continue;
    const Line line = kShirtLines[shirt - 1];
    int c = pick.Best(line, true, true);
    if (c < 0) c = pick.Best(line, false, true);
    if (c < 0) c = pick.Best(line, false, false);
    give(shirt, c);
  }
  // The bench: a spare keeper first, then the best of the rest.
  bool benchKeeper = false;
  for (int shirt = STARTERS + 1; shirt <= lastShirt; ++shirt)
    if (holder[shirt] >= 0 && pick.list[holder[shirt]].line == KEEPER) benchKeeper = true;
  for (int shirt = STARTERS + 1; shirt <= lastShirt; ++shirt) {
    if (holder[shirt] >= 0) continue;
    int c = -1;
    if (!benchKeeper) {
      c = pick.Best(KEEPER, true, false);
      benchKeeper = c >= 0;
    }
    if (c < 0) {
      int bestValue = -1;
      for (int i = 0; i < pick.count; ++i) {
        const Candidate& cand = pick.list[i];
        if (!cand.available || cand.taken || cand.line == KEEPER) continue;
        const int value = cand.For(cand.line);
        if (value > bestValue) {
          c = i;
          bestValue = value;
        }
      }
    }
    give(shirt, c);
  }
}

}  // namespace

void StandInSelectMatchTeam(int16_t club, int16_t substitutes, int16_t competition) {
  FillShirts(club, substitutes, competition, false);
}

void StandInCompleteMatchTeam(int16_t club, int16_t substitutes) { FillShirts(club, substitutes, -1, true); }
