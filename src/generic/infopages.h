// The in-match information pages: Line-ups, Stats, Performance and Pitch
// Action. Each page runs one opening as a GN menu and leaves InGameMenuCode
// set to the menu to run next (the navigation bar at its foot chooses it).
// What the pages show is worked out by the plain functions below, apart from
// the drawing.
#pragma once

#include <cstddef>
#include <cstdint>

// The pages (the in-match menu loop runs them by their codes 6, 8, 5 and 9).
void LineUpsPage();
void StatsPage();        // InGameMenuSide's squad
void PerformancePage();  // InGameMenuSide's squad
void PitchActionPage();

// ---- what the pages show ----

// "%s %d - %d %s": the first side's name, the score, the second side's name.
void InfoPages_Title(char* out, size_t size);
// The substitutes' bench of the match set-up's header, clamped to 0-6 (the header comes from files).
int InfoPages_BenchSize();
// Squad rows shown: 11 + the bench (at most 17, one per team-sheet entry).
int InfoPages_SquadRows();
// The team-sheet entry shown at a squad row: the player at that squad position for rows 0-15 (in the match's squad
// order), the entry itself for row 16; *inMatch says whether the entry has a player in the match (rows 0-15). -1
// for a bad side or row.
int InfoPages_RowEntry(int side, int row, bool* inMatch);

// One side of a Line-ups row.
struct InfoLineUpRow {
  char name[64];  // with the captain's "(C)"
  int16_t goals;  // 0: not shown
  int16_t rating; // 0 or less: not shown
  int16_t card1, card2, injury;  // GN graphics, 0 none
  int16_t icon;   // the position's GN graphic, 0 none
  int16_t shirt;
};
// False (and an empty row) for a bad side or row.
bool InfoPages_LineUpRow(int side, int row, InfoLineUpRow* out);

// Stats page: the ten skill columns.
constexpr int INFO_SKILL_COLUMNS = 10;
const char* InfoPages_SkillHead(int column);  // "Kpg" .. "Pce"; "" for another
const char* InfoPages_SkillHint(int column);  // "Keeping" .. "Pace"; nullptr for another
// The team-sheet value of a skill column of the entry at a squad row; 0 for a bad side, row or column.
int32_t InfoPages_SkillValue(int side, int row, int column);

// Performance page: a cell of the grid; shown false means the not-played mark.
struct InfoFigureCell {
  bool shown;
  int32_t value;
};
InfoFigureCell InfoPages_PerformanceCell(int side, int row, int page, int column);

// Pitch Action: the team counters of one side.
struct InfoTeamCounters {
  int32_t shots, onTarget, corners, fouls, offsides;
};
InfoTeamCounters InfoPages_TeamCounters(int side);

// The shares of play, per side, in per cent, and the three-part bar (the first side's defensive third, the middle
// third, the first side's attacking third).
struct InfoPitchShares {
  int32_t defence[2], midfield[2], attack[2], overall[2];
  int32_t bar[3];
};
// From the zone counter pairs: x frames in possession in the side's defensive third, y in its attacking third,
// z in the middle third.
InfoPitchShares InfoPages_PitchShares(const int32_t x[2], const int32_t y[2], const int32_t z[2]);
// The same from the running match's counters.
InfoPitchShares InfoPages_MatchShares();

// The pages' state: the Performance sub-page (0-5, 4 on entry) and the hint of the column under the pointer.
struct InfoPagesState {
  int8_t performancePage;
  const char* hint;  // nullptr none
};
extern InfoPagesState InfoPages;

// The module as at program start (a registered reset).
void InfoPages_Reset();
