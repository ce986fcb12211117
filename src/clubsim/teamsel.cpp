// Match team selection.
#include "clubsim/teamsel.h"

#include <algorithm>

#include "clubsim/clubsvc.h"
#include "clubsim/injuries.h"
#include "clubsim/reserves.h"
#include "clubsim/simcounts.h"
#include "clubsim/squad.h"
#include "clubsim/squadlist.h"
#include "clubsim/squadplan.h"
#include "clubsim/upkeep.h"
#include "engine/rand.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/lists.h"
#include "world/players.h"
#include "world/playerstats.h"

// Slots in the order of the stock formation's outfield players. Tactic 0
// (4-4-2): right and left back, left and right of the centre backs, the
// central midfield pair, the wide midfielders, two forwards. Tactic 1: the
// backs, a holding defender before the centre backs, three central
// midfielders, two forwards. Tactic 2: three centre backs, wing backs, three
// central midfielders, two forwards. Tactic 3: a back four, three midfielders,
// three forwards. Tactic 4: five at the back, two midfielders, three forwards.
// Tactic 5: a back four, five midfielders, one forward. Band 0 plays the
// formation as it stands; the other bands change a position within a line or
// move one player to the next line.
const FormationSlot FormationSlots[NUM_TACTIC_CODES][NUM_PERSONALITY_BANDS][FORMATION_OUTFIELD_SLOTS] = {
    {
        {{1, 2}, {1, 1}, {6, 1}, {2, 1}, {2, 2}, {5, 1}, {6, 2}, {10, 0}, {11, 0}, {5, 2}},  // tactic 0, band 0
        {{1, 2}, {1, 1}, {6, 1}, {2, 1}, {2, 2}, {5, 1}, {6, 2}, {10, 0}, {12, 0}, {5, 2}},  // tactic 0, band 1
        {{1, 2}, {1, 1}, {4, 1}, {2, 1}, {2, 2}, {5, 1}, {6, 2}, {10, 0}, {11, 0}, {5, 2}},  // tactic 0, band 2
        {{3, 2}, {3, 1}, {6, 1}, {2, 1}, {2, 2}, {5, 1}, {6, 2}, {10, 0}, {11, 0}, {5, 2}},  // tactic 0, band 3
        {{1, 2}, {1, 1}, {7, 1}, {2, 1}, {2, 2}, {5, 1}, {6, 2}, {10, 0}, {11, 0}, {5, 2}},  // tactic 0, band 4
        {{1, 2}, {1, 1}, {6, 1}, {2, 1}, {2, 2}, {5, 1}, {8, 2}, {10, 0}, {11, 0}, {5, 2}},  // tactic 0, band 5
        {{1, 2}, {1, 1}, {7, 1}, {2, 1}, {2, 2}, {5, 1}, {8, 2}, {10, 0}, {11, 0}, {5, 2}},  // tactic 0, band 6
        {{1, 2}, {1, 1}, {6, 1}, {2, 1}, {2, 2}, {5, 1}, {12, 2}, {10, 0}, {11, 0}, {5, 2}},  // tactic 0, band 7
        {{1, 2}, {1, 1}, {6, 1}, {2, 1}, {2, 2}, {9, 1}, {6, 2}, {10, 0}, {11, 0}, {9, 2}},  // tactic 0, band 8
        {{1, 2}, {1, 1}, {6, 1}, {3, 1}, {2, 2}, {5, 1}, {6, 2}, {10, 0}, {11, 0}, {10, 2}},  // tactic 0, band 9
    },
    {
        {{1, 2}, {1, 1}, {4, 0}, {2, 1}, {2, 2}, {6, 1}, {7, 0}, {10, 0}, {11, 0}, {6, 2}},  // tactic 1, band 0
        {{1, 2}, {1, 1}, {4, 0}, {2, 1}, {2, 2}, {6, 1}, {7, 0}, {10, 0}, {12, 0}, {6, 2}},  // tactic 1, band 1
        {{1, 2}, {1, 1}, {4, 0}, {2, 1}, {2, 2}, {4, 1}, {7, 0}, {10, 0}, {11, 0}, {6, 2}},  // tactic 1, band 2
        {{1, 2}, {1, 1}, {3, 0}, {2, 1}, {2, 2}, {6, 1}, {7, 0}, {10, 0}, {11, 0}, {6, 2}},  // tactic 1, band 3
        {{1, 2}, {1, 1}, {4, 0}, {2, 1}, {2, 2}, {6, 1}, {8, 0}, {10, 0}, {11, 0}, {6, 2}},  // tactic 1, band 4
        {{1, 2}, {1, 1}, {4, 0}, {2, 1}, {2, 2}, {7, 1}, {7, 0}, {10, 0}, {11, 0}, {8, 2}},  // tactic 1, band 5
        {{3, 2}, {3, 1}, {4, 0}, {2, 1}, {2, 2}, {6, 1}, {7, 0}, {10, 0}, {11, 0}, {6, 2}},  // tactic 1, band 6
        {{1, 2}, {1, 1}, {4, 0}, {2, 1}, {2, 2}, {6, 1}, {12, 0}, {10, 0}, {11, 0}, {6, 2}},  // tactic 1, band 7
        {{1, 2}, {1, 1}, {5, 0}, {2, 1}, {2, 2}, {6, 1}, {7, 0}, {10, 0}, {11, 0}, {6, 2}},  // tactic 1, band 8
        {{1, 2}, {1, 1}, {3, 0}, {2, 1}, {2, 2}, {6, 1}, {10, 0}, {10, 0}, {11, 0}, {6, 2}},  // tactic 1, band 9
    },
    {
        {{2, 1}, {2, 2}, {3, 0}, {9, 1}, {9, 2}, {8, 1}, {6, 0}, {10, 0}, {11, 0}, {8, 2}},  // tactic 2, band 0
        {{2, 1}, {2, 2}, {3, 0}, {9, 1}, {9, 2}, {8, 1}, {6, 0}, {10, 0}, {12, 0}, {8, 2}},  // tactic 2, band 1
        {{2, 1}, {2, 2}, {3, 0}, {9, 1}, {9, 2}, {8, 1}, {4, 0}, {10, 0}, {11, 0}, {8, 2}},  // tactic 2, band 2
        {{2, 1}, {2, 2}, {3, 0}, {5, 1}, {5, 2}, {8, 1}, {6, 0}, {10, 0}, {11, 0}, {8, 2}},  // tactic 2, band 3
        {{2, 1}, {2, 2}, {3, 0}, {9, 1}, {9, 2}, {8, 1}, {7, 0}, {10, 0}, {11, 0}, {8, 2}},  // tactic 2, band 4
        {{2, 1}, {2, 2}, {3, 0}, {9, 1}, {9, 2}, {7, 1}, {6, 0}, {10, 0}, {11, 0}, {7, 2}},  // tactic 2, band 5
        {{2, 1}, {2, 2}, {4, 0}, {9, 1}, {9, 2}, {8, 1}, {6, 0}, {10, 0}, {11, 0}, {8, 2}},  // tactic 2, band 6
        {{2, 1}, {2, 2}, {3, 0}, {9, 1}, {9, 2}, {8, 1}, {12, 0}, {10, 0}, {11, 0}, {8, 2}},  // tactic 2, band 7
        {{2, 1}, {2, 2}, {3, 0}, {9, 1}, {3, 2}, {8, 1}, {6, 0}, {10, 0}, {11, 0}, {8, 2}},  // tactic 2, band 8
        {{2, 1}, {2, 2}, {5, 0}, {9, 1}, {9, 2}, {8, 1}, {6, 0}, {10, 0}, {11, 0}, {8, 2}},  // tactic 2, band 9
    },
    {
        {{1, 2}, {1, 1}, {6, 1}, {2, 1}, {2, 2}, {10, 1}, {6, 2}, {7, 0}, {11, 0}, {10, 2}},  // tactic 3, band 0
        {{1, 2}, {1, 1}, {6, 1}, {2, 1}, {2, 2}, {10, 1}, {6, 2}, {7, 0}, {12, 0}, {10, 2}},  // tactic 3, band 1
        {{1, 2}, {1, 1}, {6, 1}, {2, 1}, {2, 2}, {10, 1}, {6, 2}, {4, 0}, {11, 0}, {10, 2}},  // tactic 3, band 2
        {{3, 2}, {3, 1}, {6, 1}, {2, 1}, {2, 2}, {10, 1}, {6, 2}, {7, 0}, {11, 0}, {10, 2}},  // tactic 3, band 3
        {{1, 2}, {1, 1}, {6, 1}, {2, 1}, {2, 2}, {10, 1}, {6, 2}, {8, 0}, {11, 0}, {10, 2}},  // tactic 3, band 4
        {{1, 2}, {1, 1}, {7, 1}, {2, 1}, {2, 2}, {10, 1}, {7, 2}, {7, 0}, {11, 0}, {10, 2}},  // tactic 3, band 5
        {{1, 2}, {1, 1}, {6, 1}, {2, 1}, {2, 2}, {12, 1}, {6, 2}, {7, 0}, {11, 0}, {12, 2}},  // tactic 3, band 6
        {{1, 2}, {1, 1}, {6, 1}, {2, 1}, {2, 2}, {9, 1}, {6, 2}, {7, 0}, {11, 0}, {10, 2}},  // tactic 3, band 7
        {{1, 2}, {1, 1}, {6, 1}, {3, 1}, {2, 2}, {10, 1}, {6, 2}, {7, 0}, {11, 0}, {10, 2}},  // tactic 3, band 8
        {{3, 2}, {1, 1}, {6, 1}, {2, 1}, {2, 2}, {10, 1}, {6, 2}, {10, 0}, {11, 0}, {10, 2}},  // tactic 3, band 9
    },
    {
        {{1, 2}, {1, 1}, {4, 0}, {2, 1}, {2, 2}, {10, 1}, {6, 2}, {6, 1}, {11, 0}, {10, 2}},  // tactic 4, band 0
        {{1, 2}, {1, 1}, {4, 0}, {2, 1}, {2, 2}, {10, 1}, {6, 2}, {6, 1}, {12, 0}, {10, 2}},  // tactic 4, band 1
        {{1, 2}, {1, 1}, {4, 0}, {2, 1}, {2, 2}, {8, 1}, {6, 2}, {6, 1}, {11, 0}, {10, 2}},  // tactic 4, band 2
        {{1, 2}, {1, 1}, {3, 0}, {2, 1}, {2, 2}, {10, 1}, {6, 2}, {6, 1}, {11, 0}, {10, 2}},  // tactic 4, band 3
        {{1, 2}, {1, 1}, {4, 0}, {2, 1}, {2, 2}, {10, 1}, {7, 2}, {6, 1}, {11, 0}, {10, 2}},  // tactic 4, band 4
        {{1, 2}, {1, 1}, {4, 0}, {2, 1}, {2, 2}, {10, 1}, {6, 2}, {8, 1}, {11, 0}, {10, 2}},  // tactic 4, band 5
        {{3, 2}, {3, 1}, {4, 0}, {2, 1}, {2, 2}, {10, 1}, {6, 2}, {6, 1}, {11, 0}, {10, 2}},  // tactic 4, band 6
        {{1, 2}, {1, 1}, {6, 0}, {2, 1}, {2, 2}, {10, 1}, {6, 2}, {6, 1}, {11, 0}, {10, 2}},  // tactic 4, band 7
        {{1, 2}, {1, 1}, {4, 0}, {2, 1}, {2, 2}, {12, 1}, {6, 2}, {6, 1}, {11, 0}, {12, 2}},  // tactic 4, band 8
        {{1, 2}, {1, 1}, {4, 0}, {2, 1}, {2, 2}, {10, 1}, {7, 2}, {6, 1}, {11, 0}, {9, 2}},  // tactic 4, band 9
    },
    {
        {{1, 2}, {1, 1}, {8, 1}, {2, 1}, {2, 2}, {5, 1}, {8, 2}, {6, 0}, {11, 0}, {5, 2}},  // tactic 5, band 0
        {{1, 2}, {1, 1}, {8, 1}, {2, 1}, {2, 2}, {5, 1}, {8, 2}, {6, 0}, {12, 0}, {5, 2}},  // tactic 5, band 1
        {{1, 2}, {1, 1}, {8, 1}, {2, 1}, {2, 2}, {5, 1}, {8, 2}, {4, 0}, {11, 0}, {5, 2}},  // tactic 5, band 2
        {{3, 2}, {3, 1}, {8, 1}, {2, 1}, {2, 2}, {5, 1}, {8, 2}, {6, 0}, {11, 0}, {5, 2}},  // tactic 5, band 3
        {{1, 2}, {1, 1}, {8, 1}, {2, 1}, {2, 2}, {5, 1}, {8, 2}, {7, 0}, {11, 0}, {5, 2}},  // tactic 5, band 4
        {{1, 2}, {1, 1}, {7, 1}, {2, 1}, {2, 2}, {5, 1}, {7, 2}, {6, 0}, {11, 0}, {5, 2}},  // tactic 5, band 5
        {{1, 2}, {1, 1}, {8, 1}, {2, 1}, {2, 2}, {9, 1}, {8, 2}, {6, 0}, {11, 0}, {9, 2}},  // tactic 5, band 6
        {{1, 2}, {1, 1}, {10, 1}, {2, 1}, {2, 2}, {5, 1}, {8, 2}, {6, 0}, {11, 0}, {5, 2}},  // tactic 5, band 7
        {{1, 2}, {1, 1}, {8, 1}, {2, 1}, {2, 2}, {5, 1}, {10, 2}, {6, 0}, {11, 0}, {5, 2}},  // tactic 5, band 8
        {{1, 2}, {1, 1}, {8, 1}, {3, 1}, {2, 2}, {9, 1}, {8, 2}, {6, 0}, {11, 0}, {5, 2}},  // tactic 5, band 9
    },
};

namespace {

constexpr int16_t STARTERS = 11;
constexpr int16_t KEEPER_POSITION = 0;
constexpr int16_t EXHIBITION_CLUB = 253;  // a side not of the world: every list entry may play
constexpr int16_t COMP_EURO_FIRST = 69;   // codes 69-116: the European cups
constexpr int16_t NO_CUP_TIE = PLAYER_CLUB_NONE;
// A reserve picked for a side who is not in the pool's slots is paid this
// (in units of 25 a week).
constexpr int32_t RESERVE_EMERGENCY_WAGE = 2;

// The order in which each tactic code gives out shirts 2-11.
constexpr int16_t kFormationShirtOrder[NUM_TACTIC_CODES][FORMATION_OUTFIELD_SLOTS] = {
    {5, 10, 6, 4, 2, 3, 7, 11, 8, 9},  {4, 10, 6, 5, 8, 2, 3, 7, 11, 9}, {4, 8, 10, 5, 6, 2, 3, 9, 7, 11},
    {6, 10, 5, 9, 2, 3, 7, 11, 4, 8},  {4, 9, 10, 8, 5, 6, 2, 3, 7, 11}, {10, 5, 6, 4, 2, 3, 7, 11, 8, 9},
};

// The substitutes' shirts 12-16 ask for these positions, each of any side.
constexpr int16_t kSubstitutePositions[MAX_MATCH_SUBSTITUTES] = {4, 5, 11, 8, KEEPER_POSITION};

// How a player rates at a slot's stored position (0-12).
int32_t PositionRating(int16_t player, int16_t position) { return RatePlayerForSlot(player, position); }

int PositionGroup(int16_t position) {
  if (position <= 0) return 0;
  if (position <= 4) return 1;
  if (position <= 9) return 2;
  return 3;
}

bool IsEuroCode(int16_t competition) { return competition >= COMP_EURO_FIRST && competition <= COMP_CUP_LAST; }

// Only a player with a full record can wear a shirt.
bool Listed(int16_t player) { return player >= 0 && player < PlayerCount; }

// Whether the player may not play in a match of the competition.
bool Banned(int16_t player, int16_t competition) {
  return IsEuroCode(competition) ? Player_GetEuroBan(player) != 0 : Player_IsUnderSuspension(player) != 0;
}

// Whether the cup tie leaves the player free to play for the club.
bool CupTieAllows(int16_t player, int16_t club, int16_t cup) {
  if (cup < 0) return true;
  const int16_t tied = Player_GetCupTied(player, cup);
  return tied == club || tied == NO_CUP_TIE;
}

// Whether the club's player may play the competition's match: fit, available,
// not banned and not cup-tied to another club.
bool MayPlay(int16_t player, int16_t club, int16_t competition) {
  return Player_GetInFlag(player) == 0 && Player_IsUnavailable(player) == 0 && !Banned(player, competition) &&
         CupTieAllows(player, club, CupIndexOfCompetition(competition));
}

// Shirt `shirt` to the player, when there is one.
void GiveShirt(int16_t player, int16_t shirt) {
  if (player >= 0) Player_SetShirt(player, shirt);
}

// The manager's formation row.
const FormationSlot* ManagerFormation() {
  int16_t tactic = 0, band = 0;
  if (Listed(CurrentManager)) {
    tactic = GetPlayerTacticType(CurrentManager);
    band = GetPlayerPersonalityBand(CurrentManager);
  }
  tactic = std::clamp<int16_t>(tactic, 0, NUM_TACTIC_CODES - 1);
  band = std::clamp<int16_t>(band, 0, NUM_PERSONALITY_BANDS - 1);
  return FormationSlots[tactic][band];
}

int16_t ManagerTactic() {
  const int16_t tactic = Listed(CurrentManager) ? GetPlayerTacticType(CurrentManager) : 0;
  return std::clamp<int16_t>(tactic, 0, NUM_TACTIC_CODES - 1);
}

// The player for shirt 2-11 from its formation slot.
int16_t PickForShirt(int16_t shirt, int16_t club, int16_t variant, int16_t competition) {
  const FormationSlot& slot = ManagerFormation()[shirt - 2];
  return PickPlayerForSlot(slot.position, slot.side, club, 0, 0, variant, competition);
}

// What both ways of picking do last: the unpicked reserves go, and on a
// match day the bans are served and the players react to the selection.
// (The season figures of foreign and non-league players are counted from
// their matches like everyone else's, not made up here.)
void CloseSelection(int16_t club, int16_t competition, int16_t mode) {
  ReleaseReserves(club);
  if (mode != SELECT_MATCH_DAY) return;
  if (IsTeamComplete(club, STARTERS) != 0) ++ClubSimCount.shortSides;
  if (IsEuroCode(competition)) ServeEuroBan(club);
  else if (competition != COMP_FRIENDLY) ServeSuspension(club);
  SelectionMorale(club);
}

}  // namespace

int16_t CupIndexOfCompetition(int16_t competition) {
  if (competition < COMP_CUP_FIRST || competition > COMP_CUP_LAST) return -1;
  const int16_t cup = static_cast<int16_t>((competition - COMP_CUP_FIRST) / COMP_CUP_CODES);
  return cup > 4 ? 6 : cup;  // the codes 85-116 share the last index
}

int16_t PickPlayerForSlot(int16_t position, int16_t side, int16_t club, int16_t substitute, int16_t, int16_t variant,
                          int16_t competition) {
  position = std::clamp<int16_t>(position, 0, 12);
  const int16_t cup = CupIndexOfCompetition(competition);
  const bool lineRule = substitute != 1 && SquadListLength < SQUAD_LIST_SIZE && Club_IsGameCountryLeagueClub(club);
  int16_t best = -1;
  int32_t bestQ = -1;
  for (int i = 0; i < SquadListLength && i < SQUAD_LIST_SIZE; ++i) {
    const int16_t p = SquadList[i];
    if (!Listed(p)) continue;
    if (club != EXHIBITION_CLUB) {
      if (Player_GetShirt(p) != 0 || Player_IsUnavailable(p) != 0 || Player_GetClub(p) != club) continue;
      if (Banned(p, competition)) continue;
    }
    if (!CupTieAllows(p, club, cup) || Player_GetInFlag(p) != 0) continue;
    if (lineRule && (position == KEEPER_POSITION) != (Player_GetPosition(p) == KEEPER_POSITION)) continue;

    const int16_t morale = Player_GetMorale(p), fatigue = Player_GetFatigue(p);
    const bool otherGroup = PositionGroup(Player_GetStoredPosition(p)) != PositionGroup(position);
    int32_t q;
    if (variant == 0) {
      q = PositionRating(p, position);
      if (morale < 30) q = q / 70 * (morale + 10);
      q = q / 70 * (Player_GetFitness(p) + 10);
      q = q / 70 * (60 - fatigue + 10);
      if (otherGroup) q = q / 100 * 60;
    } else {
      // Every candidate rates alike: the first eligible entry is taken.
      q = std::max<int32_t>(-1000 * Player_GetReservedE(p), 0);
      q = q / 70 * (morale + 10);
      q = q / 70 * (60 - fatigue + 10);
      if (Player_GetStoredPosition(p) != position) q = q / 100 * 50;
    }
    if (position != KEEPER_POSITION) {
      const int16_t his = Player_GetSide(p);
      if (side == SIDE_LEFT || side == SIDE_RIGHT) {
        if (his != side && his != SIDE_ANY) q = q * 50 / 100;
      } else if (side == SIDE_CENTRAL && (his == SIDE_LEFT || his == SIDE_RIGHT)) {
        q = q * 80 / 100;
      }
    }
    if (q == 0) q = 1;
    if (q > bestQ) {
      best = p;
      bestQ = q;
    }
  }
  if (best >= 0) return best;

  // Nobody listed can play: the reserve pool, which may have nobody either.
  const int16_t reserve = PickReservePlayer(club, position, cup);
  if (reserve < 0) return -1;
  if (Player_GetWage(reserve) == 0 && reserve < PlayerCount) {
    const int16_t slot = ReserveSlotOfPlayer(reserve);
    if (slot >= 0) Reserve_SetPicked(slot, 1);
    else Player_SetWage(reserve, RESERVE_EMERGENCY_WAGE);
  }
  AppendToSquadList(reserve);
  return reserve;
}

void SelectMatchTeam(int16_t club, int16_t competition, int16_t mode, int16_t substitutes) {
  ClearClubShirts(club);
  const int16_t variant = mode == SELECT_VARIANT ? 1 : 0;
  GiveShirt(PickPlayerForSlot(KEEPER_POSITION, SIDE_ANY, club, 0, 0, variant, competition), 1);
  const bool computerRun = club >= 0 && club < NUM_CLUBS && Club_GetControl(club) == 0;
  for (const int16_t shirt : kFormationShirtOrder[ManagerTactic()]) {
    const int16_t p = PickForShirt(shirt, club, variant, competition);
    GiveShirt(p, shirt);
    if (p >= 0 && computerRun) Player_SetLoanList(p, 0);
  }
  PickTeamCaptain();
  const int16_t subs = std::clamp<int16_t>(substitutes, 0, MAX_MATCH_SUBSTITUTES);
  for (int16_t k = 0; k < subs; ++k)
    GiveShirt(PickPlayerForSlot(kSubstitutePositions[k], SIDE_ANY, club, 1, 0, variant, competition),
              static_cast<int16_t>(STARTERS + 1 + k));
  CloseSelection(club, competition, mode);
  // The season of a club abroad or outside the league is not followed match
  // by match: its players' figures are made up from their ability.
  if (mode != SELECT_LOOK && club >= 0 && club < NUM_CLUBS && !Club_IsGameCountryLeagueClub(club))
    for (int i = 0; i < SquadListLength && i < SQUAD_LIST_SIZE; ++i) {
      const int16_t p = SquadList[i];
      if (Listed(p) && Player_GetClub(p) == club) EstimatePlayerStats(p);
    }
}

void CompleteMatchTeam(int16_t club, int16_t competition, int16_t mode, int16_t substitutes) {
  const int16_t subs = std::clamp<int16_t>(substitutes, 0, MAX_MATCH_SUBSTITUTES);
  const int16_t variant = mode == SELECT_VARIANT ? 1 : 0;
  // On the match day a shirt given earlier goes back when its player has
  // since been hurt, banned or cup-tied: he cannot play this match.
  if (mode != SELECT_LOOK)
    for (int i = 0; i < SquadListLength && i < SQUAD_LIST_SIZE; ++i) {
      const int16_t p = SquadList[i];
      if (Listed(p) && Player_GetClub(p) == club && Player_GetShirt(p) != 0 && !MayPlay(p, club, competition))
        Player_SetShirt(p, 0);
    }
  for (int16_t shirt = 1; shirt <= STARTERS + subs; ++shirt) {
    bool worn = false;
    for (int i = 0; i < SquadListLength && i < SQUAD_LIST_SIZE; ++i) {
      const int16_t p = SquadList[i];
      if (!Listed(p) || Player_GetClub(p) != club || Player_GetShirt(p) != shirt) continue;
      if (worn) Player_SetShirt(p, 0);
      worn = true;
    }
    if (worn) continue;
    int16_t p;
    if (shirt == 1) p = PickPlayerForSlot(KEEPER_POSITION, SIDE_ANY, club, 0, 0, variant, competition);
    else if (shirt <= STARTERS) p = PickForShirt(shirt, club, variant, competition);
    else p = PickPlayerForSlot(static_cast<int16_t>(GameRandom() % 13), SIDE_ANY, club, 1, 0, variant, competition);
    GiveShirt(p, shirt);
  }
  CloseSelection(club, competition, mode);
}

int16_t IsTeamComplete(int16_t club, int16_t n) {
  for (int16_t shirt = 1; shirt <= n; ++shirt) {
    bool worn = false;
    for (int i = 0; i < SquadListLength && i < SQUAD_LIST_SIZE && !worn; ++i) {
      const int16_t p = SquadList[i];
      worn = Listed(p) && Player_GetClub(p) == club && Player_GetShirt(p) == shirt;
    }
    if (!worn) return -1;
  }
  return 0;
}

void ClearClubShirts(int16_t club) {
  for (int i = 0; i < SquadListLength && i < SQUAD_LIST_SIZE; ++i) {
    const int16_t p = SquadList[i];
    if (Listed(p) && Player_GetClub(p) == club) Player_SetShirt(p, 0);
  }
}
