// Select Team To Manage and Input Manager Name: the two screens of a new
// career after its country is chosen. The first shows the clubs of one
// division of the game country in two columns sorted by name, one tab per
// division; a click on a club makes it the screen club and opens its club
// page (option 73). The second lets the manager type his name and goes on to
// the Manager's Office (option 3).
#pragma once

#include <cstdint>

#include "menus/exmenu.h"

extern const MenuItem SelectTeamMenu[];
extern const MenuItem ManagerNameMenu[];

constexpr int SELECT_TEAM_MAX_CLUBS = 24;                         // a division's clubs
constexpr int SELECT_TEAM_ROWS = (SELECT_TEAM_MAX_CLUBS + 1) / 2;  // 12 rows of two
constexpr int SELECT_TEAM_MAX_DIVISIONS = 6;
constexpr int MANAGER_NAME_LENGTH = 20;

// What Select Team To Manage shows: the clubs collected for the selected
// division (sorted by name), how many rows they fill ((count + 1) / 2: the
// left column holds the first half, the right one the rest), and per row the
// two crests (icon 2 on an empty side) and names (-1 empty).
struct SelectTeamView {
  int16_t division;
  int16_t divisions;  // of the game country
  int16_t divisionNames[SELECT_TEAM_MAX_DIVISIONS];
  int16_t tabState[SELECT_TEAM_MAX_DIVISIONS];  // 1 the selected tab, else 0 (its text colour)
  int16_t clubs[SELECT_TEAM_MAX_CLUBS];
  int16_t count;
  int16_t rows;
  int16_t leftIcon[SELECT_TEAM_ROWS], rightIcon[SELECT_TEAM_ROWS];
  int16_t leftName[SELECT_TEAM_ROWS], rightName[SELECT_TEAM_ROWS];
};
const SelectTeamView& SelectTeam_View();

int16_t SelectTeam_Handler(const MenuItem* header);
// The club of a row's left or right side: MenuClub, JobChangeMode 0, option
// 73, leave. A row side without a club does nothing.
int16_t SelectTeam_PickLeft(MenuHotspot* hotspot);
int16_t SelectTeam_PickRight(MenuHotspot* hotspot);
int16_t SelectTeam_PickRow(int row, bool right);
// Tab k: division k, redrawn.
int16_t SelectTeam_SelectDivision(int division);

int16_t ManagerName_Handler(const MenuItem* header);
int16_t ManagerName_Edit(MenuHotspot* hotspot);
int16_t ManagerName_Done(MenuHotspot* hotspot);
// The name being edited (20 characters, blank-padded) and the club's name.
char* ManagerName_Buffer();
int16_t ManagerName_ClubText();
// The manager's name as the world keeps it (zero-ended, no trailing blanks).
const char* ManagerName_Stored();

void SelectTeam_Reset();
