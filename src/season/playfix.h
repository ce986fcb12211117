// Playing a fixture: the two squads of the MatchSetup built from the world's
// records, the kits, the formations of computer-run sides, and the match
// itself: the match engine for a human club's match, the background
// simulation for every other.
//
// Every skill of a player in a squad becomes a match value on a 1-99 scale
// after his fatigue, fitness, form, the pressure of the home crowd, his
// nerves and his club's staff; then the captain, the set-piece takers and the
// club's team ratings, and for a club of the game country the leadership of
// the most experienced player of each line.
#pragma once

#include <cstdint>

// Per side the players of the MatchSetup's 17 entries (0-15 the squad in
// shirt order, 16 the manager), -1 empty.
constexpr int SHIRT_MAP_ENTRIES = 17;
constexpr int MANAGER_ENTRY = 16;
extern int16_t ShirtMap[2][SHIRT_MAP_ENTRIES];

// How the user follows his club's match: 0 commentary, 1 scanner, 2 watch
// (the day loop sets it; a soak run uses MATCH_VIEW_DEFAULT).
extern int16_t MatchViewMode;
constexpr int16_t MATCH_VIEW_DEFAULT = 0;

// 1 when the last match was watched (and its report can be shown).
extern int16_t LastMatchWatched;
// 1 while the last match was played in the background.
extern int16_t BackgroundMatchFlag;

// The human manager's own choices of captain and set-piece takers (player
// numbers, -1 none). They stand while the player wears a shirt: the captain
// 1-11, a taker 2-11; otherwise the club's captain and the best starter are
// taken, and the takers picked become the human's choices.
struct HumanMatchChoices {
  int16_t captain;
  int16_t cornerTaker;   // ability 3 + ability 7
  int16_t freeKick;      // physical 14 + ability 7 + ability 4
  int16_t penaltyTaker;  // ability 3 + ability 7
};
extern HumanMatchChoices HumanChoices;
// No choices: as a new program, or a loaded game (the save does not hold them).
void PlayFix_ClearHumanChoices();

// The summary of a watched match for the day's result pages: per side the
// five team figures of its TeamMatchRecord, its share in per cent of the
// sixth (50 each when both are 0) and its man of the match.
struct MatchReportSummaryRecord {
  int16_t figures[2][5];
  int16_t share[2];
  int16_t manOfMatch[2];
};
extern MatchReportSummaryRecord MatchReportSummary;

// ---- building the sides ----

// One side (0 home, 1 away) of the MatchSetup: the shirt map, a derby news
// for a human club, the manager in entry 16, the players wearing shirts 1 to
// 11 + substitutes in shirt order, the team block's fields and the line
// leadership of a club of the game country. The club's squad list must have
// been built.
void FillMatchSide(int side, int16_t club, int16_t substitutes, int16_t competition, bool neutral);
// One MatchSetupPlayer entry (0-16) of a side for a player of the club.
void BuildMatchSetupPlayer(int16_t player, int side, int entry, int16_t competition, bool neutral, int16_t club,
                           int16_t otherClub);
// The team block's name, human byte, first-leg goals, captain, takers and ratings.
void BuildMatchSetupTeam(int side, int16_t club);
// The home country's line leadership over the starters (entries 0-10).
void ApplyLineLeadership(int side, int16_t club);

// The formation of a side that no human manages: the stock formation of the
// tactic type (0-5; above 5 type 0), shaped by the manager's personality and
// the players' pace and skills, into the side's formation in the MatchSetup.
// watched: 0 in the background simulation (the back line drops deeper).
void BuildSideFormation(int side, int16_t tacticType, int16_t personality15Half, int16_t personality19Half,
                        int16_t physical14Half, int16_t homeFlag, int16_t watched);
// Slot 1-10 of a stock formation (type 0-5; above 5 type 0), column and row.
void StockFormationSlot(int16_t tacticType, int slot, int16_t* x, int16_t* y);

// The experience factor of a player's form: 100 less the dip of his form
// phase (((personality code + day) x 60) / morale, morale 0 taken as 1,
// brought into 0-200) weighed by his experience.
int FormExperienceFactor(int personalityCode, int day, int morale, int experience);

// ---- the match ----

// Plays the prepared fixture of the match day.
void PlayFixture(int16_t home, int16_t away, int16_t followed);

// The last of the set-up before the match engine plays the prepared match:
// the clubs' names and kits, and the formations (a computer-run side's as
// for a watched match, a human side's from his tactics).
void SetUpEngineSides(int16_t home, int16_t away);

// What the match engine's entry point does until the match engine exists:
// the prepared match is played in the background simulation, every side with
// the formation a computer-run side has there, and the MatchResult answered.
uint8_t* PlayMatchInBackgroundStandIn();

void PlayFix_Reset();
