// Match team selection: the shirts of a club's match side. Shirt 1 goes to a
// goalkeeper, shirts 2-11 to the ten outfield places of the manager's
// formation and shirts 12-16 to substitutes. Selection works on the current
// squad list, which must hold the club; the current-manager word
// (season/seam.h) names the manager whose formation the side plays.
#pragma once

#include <cstdint>

// The outfield places of a formation: for each tactic code 0-5 and each
// personality band 0-9 of the manager (personality stat 21 / 20), ten slots
// for shirts 2-11 in slot order, each the stored position 1-12 it asks for
// and its side (0 central, 1 left, 2 right). A tactic code's slots stand
// where its stock formation puts its ten outfield players; the bands move at
// most one of them to another line. Slots that mirror each other across the
// pitch take sides 1 and 2.
constexpr int NUM_TACTIC_CODES = 6;
constexpr int NUM_PERSONALITY_BANDS = 10;
constexpr int FORMATION_OUTFIELD_SLOTS = 10;
struct FormationSlot {
  int8_t position;
  int8_t side;
};
extern const FormationSlot FormationSlots[NUM_TACTIC_CODES][NUM_PERSONALITY_BANDS][FORMATION_OUTFIELD_SLOTS];

// Side codes of slots and players.
constexpr int16_t SIDE_CENTRAL = 0;
constexpr int16_t SIDE_LEFT = 1;
constexpr int16_t SIDE_RIGHT = 2;
constexpr int16_t SIDE_ANY = 3;

// Selection modes: 0 a look at the side (pre-match pages, squad screens),
// 1 the match day's own pick (bans served, morale moved), 2 the match day's
// pick with the plain choice (the first eligible list entry per shirt).
constexpr int16_t SELECT_LOOK = 0;
constexpr int16_t SELECT_MATCH_DAY = 1;
constexpr int16_t SELECT_VARIANT = 2;

// The most substitutes a side names.
constexpr int16_t MAX_MATCH_SUBSTITUTES = 5;

// Picks the club's side afresh for a match of the competition code: shirt 1,
// then the formation's ten shirts in the tactic's own order, the captain,
// then `substitutes` (0-5) substitutes. A shirt nobody can take stays empty
// and the side plays short. On a match day (mode 1 or 2) the players of a
// club outside the game country's league get made-up season figures
// (EstimatePlayerStats).
void SelectMatchTeam(int16_t club, int16_t competition, int16_t mode, int16_t substitutes);

// Keeps the shirts already given and fills the empty ones up to shirt 11 +
// substitutes; a shirt worn by more than one listed player of the club stays
// with the first of them.
void CompleteMatchTeam(int16_t club, int16_t competition, int16_t mode, int16_t substitutes);

// The best available listed player of the club without a shirt for a slot
// asking for the stored position (0 the keeper) and side; failing that a
// player from the reserve pool, who then joins the squad list. -1 when
// nobody at all can be had. substitute 1 for the substitute shirts; spare is
// not read; variant 1 takes the first eligible player.
int16_t PickPlayerForSlot(int16_t position, int16_t side, int16_t club, int16_t substitute, int16_t spare,
                          int16_t variant, int16_t competition);

// 0 when each of the shirts 1..n is worn by a listed player of the club, else -1.
int16_t IsTeamComplete(int16_t club, int16_t n);

// Takes the shirt from every listed player of the club.
void ClearClubShirts(int16_t club);

// The cup index 0-6 whose cup-tie the competition code asks about, -1 none.
int16_t CupIndexOfCompetition(int16_t competition);
