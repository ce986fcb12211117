// The Manager's Office module: for now the club page, the screen that shows a
// club as a job prospect (options 6 and 73): its squad with values, its
// standing and the board's expectations, and Accept / Reject. Accepting takes
// the job (TakeManagerJob); a manager leaving his club may first hear his
// board plead with him to stay. The office hub itself comes later in this
// module.
#pragma once

#include <cstdint>

#include "menus/exmenu.h"

extern const MenuItem ClubPageMenu[];

constexpr int CLUB_PAGE_ROWS = 17;
constexpr int CLUB_PAGE_SQUAD = 32;

// 1 once the manager's current board has pleaded with him to stay.
extern int16_t BoardPleaFlag;
// Set by a new game and by taking a job: the office re-reads the human club
// on its next entry.
extern int16_t OfficeNewGameFlag;
// Set by a new game and by taking a job, cleared when the human club plays a
// match: the club's statistics pages have nothing of his to show yet.
extern int16_t OfficeAppointmentFlag;
// The manager's job history, emptied (-1) by a new career's first job.
constexpr int JOB_HISTORY_WORDS = 4;
extern int16_t JobHistoryWords[JOB_HISTORY_WORDS];

struct ClubPageView {
  int16_t club;
  char title[96];                 // "Job Offer <club>"
  int16_t squad[CLUB_PAGE_SQUAD];  // sorted by position type
  int16_t count;
  int16_t offset;                 // first squad entry shown
  int16_t rowIcon[CLUB_PAGE_ROWS];   // position-type graphic, 2 empty
  int16_t rowName[CLUB_PAGE_ROWS];   // player's name text, -1 empty
  int16_t rowSide[CLUB_PAGE_ROWS];   // side text, -1 empty
  int32_t rowValue[CLUB_PAGE_ROWS];  // value, MENU_BLANK_VALUE empty
  char leaguePosition[40];
  char reputation[16];
  char capacity[24];
  char attendance[24];
  char cash[32];
  int16_t target;  // the board's expectation text
  int16_t crest;
};
const ClubPageView& ClubPage_View();

int16_t ClubPage_Handler(const MenuItem* header);
int16_t ClubPage_ScrollUp(MenuHotspot* hotspot);
int16_t ClubPage_ScrollDown(MenuHotspot* hotspot);
int16_t ClubPage_Fixtures(MenuHotspot* hotspot);
// Accept in modes 1 and 2 (mode 0 opens the pop-up list of the two ways to
// manage), and Reject.
int16_t ClubPage_Accept(MenuHotspot* hotspot);
int16_t ClubPage_Reject(MenuHotspot* hotspot);
// The pop-up's rows: bossvane 1 ("Gafferon : Manage and play") or 0
// ("Manager"), then the job is taken.
int16_t ClubPage_ChooseRole(int16_t bossvane);
// The pop-up list (two rows and the end).
PopupRow* ClubPage_RoleList();

// Installs human manager 1 at MenuClub, by JobChangeMode.
void TakeManagerJob();
// What every appointment does: the manager's old club is let go, the club
// becomes his (and the screen club), its squad's progress is noted, the
// manager is installed, the transfer windows are brought up to date and the
// custom tactics are cleared; the next screen is Input Manager Name.
void InstallManagerAtClub(int16_t manager, int16_t club);

void Office_Reset();
