// The ranked lists: club and manager reputations and the discipline list.
//
// One screen shows three lists, chosen by the option that opens it: 69 the
// managers of the game country (and the unattached ones) by reputation, 68
// the game country's league clubs by reputation, 75 the same clubs by their
// disciplinary points of the season; highest first, 17 rows a page. A
// manager's row opens his history (option 57), a club's row its squad
// (option 7).
#pragma once

#include <cstdint>

#include "menus/exmenu.h"

extern const MenuItem RankListMenu[];

constexpr int RANK_LIST_MAX = 250;  // places of the list
constexpr int RANK_LIST_ROWS = 17;  // rows of a page
constexpr int RANK_LIST_STEP = 16;  // rows a scroll moves
constexpr int16_t RANK_MODE_CLUBS = 68, RANK_MODE_MANAGERS = 69, RANK_MODE_DISCIPLINE = 75;

// One row as the screen shows it: blank ("", -1, "", 0) past the list's end.
struct RankListRow {
  char rank[8];      // "%d."
  int16_t name;      // text number of the manager's or the club's name
  char detail[96];   // "(club)", "(division)" or "(division)  points"
  int16_t highlight; // 1 when the club (the manager's club) is human-managed
};

struct RankListView {
  int16_t mode;   // 68, 69 or 75
  int16_t title;  // 1833, 1834 or 1681
  int16_t list[RANK_LIST_MAX];  // player or club numbers, best first
  int16_t count;
  int16_t offset;  // the list place of the first row
  RankListRow rows[RANK_LIST_ROWS];
};
const RankListView& RankList_View();

int16_t RankList_Handler(const MenuItem* header);
// Scrolling: down 16 places, never past the last page; up 16, not below 0.
int16_t RankList_ScrollDown(MenuHotspot* hotspot);
int16_t RankList_ScrollUp(MenuHotspot* hotspot);
// A click on row 0-16: the manager's history or the club's squad; a blank
// row does nothing.
int16_t RankList_ClickRow(int row);
int16_t RankList_Done(MenuHotspot* hotspot);

// Fills the list for a mode as the screen's opening does (tests).
void RankList_Fill(int16_t mode);

void RankList_Reset();
