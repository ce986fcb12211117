// Rest of the World and the match statistics screen.
//
// Rest of the World (option 79) lists the foreign clubs of the database,
// country by country: eight filter rows (seven countries and "Rest of the
// World" for every other one), two columns of eleven clubs per page, at most
// 250 clubs. A club row opens the squad screen: a club of the game's world
// as itself, any other foreign club by its database number with the squad
// screen's foreign flag (its name and an empty list).
//
// The match statistics screen (option 81) shows the viewed club's latest
// played fixture with the figures of the match result record: the three
// flank shares, possession, shots, shots on target, corners, the man of the
// match and the crowd, with bars in the two sides' kit colours.
#pragma once

#include <cstdint>

#include "menus/exmenu.h"

extern const MenuItem RestOfWorldMenu[];
extern const MenuItem MatchStatsMenu[];

// ---- Rest of the World ----

constexpr int ROW_FILTERS = 8;
constexpr int ROW_PAGE_ROWS = 11;   // clubs per column (a page)
constexpr int ROW_MAX_CLUBS = 250;  // clubs the list holds
constexpr int16_t ROW_FILTER_OTHERS = 104;

struct RestOfWorldView {
  int16_t filter;                     // a country code, or 104 for every other country
  int16_t filterCodes[ROW_FILTERS];
  int16_t filterTexts[ROW_FILTERS];
  int16_t filterName;                 // the text of the filter's row
  int16_t clubs[ROW_MAX_CLUBS];       // database club numbers, -1 past the count
  int16_t count;
  int16_t pages;                      // 11 clubs a page; the screen shows two
  int16_t firstPage;
  // Each column's rows: the database club (-1 none), its crest (2 none) and
  // "name (country)".
  int16_t rowClub[2][ROW_PAGE_ROWS];
  int16_t rowCrest[2][ROW_PAGE_ROWS];
  char rowText[2][ROW_PAGE_ROWS][64];
};
const RestOfWorldView& RestOfWorld_View();

// The opening: the filter rows, a filter that is none of them becomes the
// first row's.
void RestOfWorld_Open();
// Every redraw: the list from the filter, the page kept in range, the rows.
void RestOfWorld_Refresh();
// A filter row (0-7): its code, the first page. Answers a redraw.
int16_t RestOfWorld_ChooseFilter(int row);
int16_t RestOfWorld_PageForward();
int16_t RestOfWorld_PageBack();
// A row of a column (0 left, 1 right): a club opens its squad (option 2 then
// 7); an empty row does nothing.
int16_t RestOfWorld_ClickRow(int column, int row);

// ---- match statistics ----

struct MatchStatsView {
  int16_t fixture;        // -1: no played fixture, every figure blank
  char heading[128];
  char thirds[3][8];      // the three flank shares, "%d%%"
  int16_t third[3];
  int16_t possession[2];  // home, away
  char possessionText[2][8];
  int16_t shots[2], shotsOn[2], corners[2];
  int16_t barShare[4];    // the home share of each bar: possession, shots, on target, corners
  uint16_t colour[2];     // home and away, 5-6-5
  char manOfMatch[128];
  int32_t attendance;     // MENU_BLANK_VALUE when blank
};
const MatchStatsView& MatchStats_View();

// The opening: the viewed club's latest played fixture.
void MatchStats_Open();
// Every redraw: the figures of that fixture and the match result record.
void MatchStats_Refresh();
// The last fixture of the club up to the day (today when today's matches
// have been played, else yesterday) that has been played; -1 when none.
int16_t MatchStats_FindFixture(int16_t club);
// The three shares of three counts (first, middle, last); all 0 when the
// counts add up to 0.
void MatchStats_Thirds(int32_t a, int32_t b, int32_t c, int16_t out[3]);
// The home side's possession share; 50 when both counts are 0.
int16_t MatchStats_HomeShare(int32_t home, int32_t away);
// A bar's home share; 50 when both are 0.
int16_t MatchStats_BarShare(int32_t home, int32_t away);
// A kit colour's RGB in 5-6-5.
uint16_t MatchStats_Colour565(int r, int g, int b);
// "Timeline" (page 2) and "Match Analysis" (page 0): the page set for the
// match analysis screens, the page's first-entry flag cleared, option 77.
int16_t MatchStats_OpenAnalysis(int16_t page);
int16_t MatchStats_Done();
// The page the match analysis screens open on, and their first-entry flag.
int16_t MatchAnalysisPage();
int16_t MatchAnalysisFirstEntry();

void RestOfWorld_Reset();
