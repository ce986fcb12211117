// The pre-match pages of the human club's match day: line-ups, formations,
// the opponent and a summary, drawn from the pre-match information built
// once for the day's fixture.
//
// Every page is a full 640 x 480 menu screen: its background, its content,
// then a bar of page buttons (the page's own, or once the day's related
// fixtures are done and the user has pressed "Play Match" the bar of the
// three ways of following the match; none at all in a soak run), the screen
// update and one pointer frame.
#pragma once

#include <cstdint>

#include "menus/pagebtns.h"

constexpr int PREMATCH_ROWS = 16;
constexpr int PREMATCH_LIST = 10;

struct PreMatchListEntry {
  int16_t player;  // -1 none
  int16_t status;  // 0 starting, 1 substitute, 2 not picked, 3 suspended, 4 injured, 5 unavailable
  int16_t value;   // performance value or goals
};

struct PreMatchInfo {
  int16_t homeClub;
  int16_t awayClub;
  int16_t legFlag;
  int16_t substitutes;
  int16_t lineups[2][PREMATCH_ROWS];  // per side the player of each shirt row, -1 none
  int16_t opponentRecord[10];         // home W D L GF GA, then away
  int16_t lastFive[5];                // fixture indexes, newest first, -1 none
  PreMatchListEntry topPlayers[PREMATCH_LIST];
  PreMatchListEntry topScorers[PREMATCH_LIST];
  uint8_t formations[2][330];         // TacticsRecords, home first
};
extern PreMatchInfo PreMatch;

// The page texts the continue driver prints before the first page.
extern char PreMatchCompLines[2][30];
extern char PreMatchClubNames[2][41];
extern char PreMatchPlayerNames[2][PREMATCH_ROWS][21];

void BuildPreMatchInfo(int16_t fixture);
void ShowLineupsPage();
void ShowFormationPage();
void ShowOppositionPage();
void ShowSummaryPage();

// ---- the squad status of a listed player ----

enum : int16_t {
  SQUAD_STARTING = 0,
  SQUAD_SUBSTITUTE = 1,
  SQUAD_NOT_PICKED = 2,
  SQUAD_SUSPENDED = 3,
  SQUAD_INJURED = 4,
  SQUAD_UNAVAILABLE = 5,
};
// Shirt 1-11 starting, 12 to substitutes + 11 a substitute, else suspended,
// injured, unavailable or not picked, tested in that order.
int16_t PreMatchSquadStatus(int16_t player, int16_t substitutes);
// The icon the lists show for an entry, and in *shirt the shirt number shown
// under it (-1 none: statuses 2-5, other codes, an empty entry).
int16_t SquadStatusIcon(const PreMatchListEntry& entry, int16_t* shirt);

// Icons of the lists.
constexpr int ICON_SUSPENDED_CARD = 1208;  // frame 0 of "cards"
constexpr int ICON_INJURED_CARD = 1210;    // frame 2 of "cards"
constexpr int ICON_NOT_PICKED = 1290;      // frame 0 of "shootout"
constexpr int ICON_BLANK = 2;              // "blankico"
constexpr int ICON_KEEPER_KIT = 1333;      // "kprs_kit"
constexpr int ICON_FIRST_KIT = 105;        // kit1 to kit11, 100 kits each
constexpr int KIT_ICONS = 1100;

// The substitutes a fixture's pages show: 5 for a friendly; a cup round's
// own number for a cup code; the home club's division's for the others (5
// for a club outside the six divisions). Always 0-5.
int16_t PreMatchSubstitutes(int16_t competition, int16_t homeClub);

// ---- the page bars (zero-ended) ----

extern const PageButton LineupsPageBar[4];
extern const PageButton FormationPageBar[4];
extern const PageButton OppositionPageBar[4];
extern const PageButton SummaryPageBar[5];
extern const PageButton ViewModeBar[4];

// ---- the drawing steps of the pages ----

// What a page draws between its background and its bar.
void DrawLineupsPageContent();
void DrawFormationPageContent();
void DrawOppositionPageContent();
void DrawSummaryPageContent();

void DrawCompetitionLine();
void DrawLineupRowShading();
void DrawLineupClubNames();
void DrawLineupTable();
void DrawFormationCompLines();
void DrawFormationClubNames();
void DrawFormationFigures();
void DrawOppositionPanels();
void DrawOpponentName();
void DrawOpponentRecord();
void DrawLastFiveMatches();
void DrawTopPlayers();
void DrawTopScorers();
void DrawSummaryPanel();
void DrawSummaryCompLines();
void DrawSummaryClubNames();

// The points of a side's eleven figures on the formation page (side 0 home,
// 1 away), from its formation: the keeper on the side's base line, the
// outfield rows spread evenly over 144 units in front of it.
struct FigurePoint {
  int x, y;
};
void FormationFigurePoints(int side, const uint8_t* formation, FigurePoint points[11]);

// The average match rating of the opponent's side in a past fixture (0 when
// nobody has one).
int16_t PastFixtureRating(int16_t fixture, int16_t club);

// ---- the event cursor and a text helper ----

// The cursor over the day's MatchEvent list that the in-match ticker steps too.
extern int16_t MatchEventCursor;
// 1 (and the cursor moved on) when the event at the cursor is due by the
// minute and not marked; else 0.
int16_t NextDueMatchEvent(int16_t minute);
// Replaces the first occurrence of pattern in a 300-byte text; the result is
// cut to 299 characters.
constexpr int REPLACE_TEXT_SIZE = 300;
void ReplaceFirstSubstring(char* text, const char* replacement, const char* pattern);
