// The start page (the first screen of the front end: a new career, a saved
// game, a friendly or a saved replay) and Past Transfers (the world's
// completed transfers, newest first, sixteen rows at a time).
#pragma once

#include <cstdint>

#include "menus/exmenu.h"

extern const MenuItem StartPageMenu[];
extern const MenuItem PastTransfersMenu[];

// The start page's four choices (their hot spots' handlers).
int16_t StartPage_NewGame(MenuHotspot* spot);
int16_t StartPage_LoadGame(MenuHotspot* spot);
int16_t StartPage_Friendly(MenuHotspot* spot);
int16_t StartPage_Replays(MenuHotspot* spot);
// Where the start page's choices are (menu units: the middle of each band).
constexpr int START_PAGE_CHOICE_X = 320;
constexpr int START_PAGE_NEW_GAME_Y = 160, START_PAGE_LOAD_Y = 233, START_PAGE_FRIENDLY_Y = 311,
              START_PAGE_REPLAYS_Y = 386;

// Past Transfers: the screen handler and the two scroll handlers.
int16_t PastTransfers_Handler(const MenuItem* header);
int16_t PastTransfers_Newer(MenuHotspot* spot);
int16_t PastTransfers_Older(MenuHotspot* spot);

constexpr int PAST_TRANSFERS_ROWS = 16;
// One row of the list as the screen shows it. A blank row holds -1 in each
// text number, an empty date, BLANK_S16 in each number and MENU_BLANK_VALUE
// as the fee.
struct PastTransferRow {
  char date[24];  // "d/m/yyyy"; wide enough for any three 16-bit numbers
  int16_t player;      // text number of the player's name
  int16_t buyingClub;  // text number: the club's name, "Free Agent", or -1
  int16_t sellingClub;
  int32_t fee;
  int16_t day, month, year;
};
const PastTransferRow& PastTransfers_Row(int row);
int16_t PastTransfers_Length();
int16_t PastTransfers_Position();

// What the start page asks of the save index (a test may answer for it).
struct StartPageSeamTable {
  int16_t (*countSaveGames)();  // saved slots of the save index; 0 when it cannot be read
};
extern StartPageSeamTable StartPageSeam;

// The screens' state as at program start (a registered reset).
void StartPage_Reset();
