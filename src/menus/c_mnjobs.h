// The Job Centre.
//
// Lists the manager vacancies of the game country (six rows a page) and up
// to five clubs whose managers are in danger. A vacancy row opens a list:
// "View Squad", "Club Records" and "Apply". Opening the screen records no
// application: the vacancies are only tested.
//
// It is also the screen the game opens when the user has been sacked. When
// no vacancy would take him, the best club of the game country whose board
// would (the highest reputation) lets its manager go, so that its post is
// vacant; with no such club the career is over ("GAME OVER.") and the screen
// leads to the start page.
#pragma once

#include <cstdint>

#include "menus/exmenu.h"

extern const MenuItem JobCentreMenu[];

constexpr int JOB_CENTRE_VACANCY_ROWS = 6;
constexpr int JOB_CENTRE_JEOPARDY_ROWS = 5;
constexpr int JOB_CENTRE_MAX_VACANCIES = 250;
constexpr int JOB_CENTRE_TEXT_SIZE = 250;

// One row as the screen shows it; a row without a club is blank (crest 0,
// texts -1, an empty division line).
struct JobCentreRow {
  int16_t club;     // -1 none
  int16_t crest;    // database club + 105
  int16_t name;     // text number of the club's name
  int16_t manager;  // text number of the manager's name (jeopardy rows)
  char division[JOB_CENTRE_TEXT_SIZE];  // "3rd in <division>"
};

struct JobCentreView {
  int16_t vacancies[JOB_CENTRE_MAX_VACANCIES];
  int16_t vacancyCount;
  int16_t first;  // the vacancy shown in the first row
  int16_t jeopardy[JOB_CENTRE_JEOPARDY_ROWS];
  int16_t jeopardyCount;
  int16_t chosenClub;  // -1 none
  int16_t gameOver;
  JobCentreRow vacancyRows[JOB_CENTRE_VACANCY_ROWS];
  JobCentreRow jeopardyRows[JOB_CENTRE_JEOPARDY_ROWS];
};
const JobCentreView& JobCentre_View();

int16_t JobCentre_Handler(const MenuItem* header);
// Scrolling the vacancies: down while a full page stays inside the list, up
// not below 0.
int16_t JobCentre_ScrollDown(MenuHotspot* hotspot);
int16_t JobCentre_ScrollUp(MenuHotspot* hotspot);
int16_t JobCentre_Done(MenuHotspot* hotspot);
// Vacancy row 0-5 about to open its list: the row's club becomes the chosen
// club. Answers whether the row has a club (a row without one opens nothing).
bool JobCentre_ChooseRow(int row);
// The list's rows: the chosen club's squad (7), its records (27), or the
// application.
int16_t JobCentre_ViewSquad();
int16_t JobCentre_ClubRecords();
int16_t JobCentre_Apply();

void JobCentre_Reset();
