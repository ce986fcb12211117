// Select League To Play (the country carousel that starts a new career) and
// the player page (one player in full, with what the manager may do with him).
//
// The carousel turns a ring of country flags; the flag in the middle is the
// country whose leagues a new career runs. The player page shows MenuPlayer:
// his identity, eighteen skills, condition, contract and statistics, and a
// pop-up of the actions the manager's relation to him allows.
#pragma once

#include <cstdint>

#include "menus/exmenu.h"

// ---- Select League To Play ----

constexpr int MAX_NUMBER_OF_LEAGUES = 20;
// The offered country icons, ended by 0.
extern int16_t CountrySelection[MAX_NUMBER_OF_LEAGUES];

extern const MenuItem SelectLeagueMenu[];

// The country number of a flag icon (1250 England ... 1285 Scotland's
// neighbours); any other icon stops the program.
int16_t Return_CountryFromIcon(int16_t icon);
// The league description and the adjective of a country 0-7 (-1 outside).
int16_t CountryDescriptionTextNo(int16_t country);
int16_t CountryAdjectiveTextNo(int16_t country);

// The screen handler: the carousel set up on the init event.
int16_t Init_M_MN0(const MenuItem* header);
// Turn left / right (only while idle), choose (only while idle), back.
int16_t SelectLeague_TurnLeft(MenuHotspot* spot);
int16_t SelectLeague_TurnRight(MenuHotspot* spot);
int16_t SelectLeague_Choose(MenuHotspot* spot);
int16_t SelectLeague_Back(MenuHotspot* spot);
// One frame of the carousel's motion (the screen's timer runs it every
// frame): answers true when the ring moved and must be drawn again.
bool SelectLeague_StepCarousel();
// Draws the ring as it stands (the type-66 item's drawing function).
void SelectLeague_DrawCarousel(int x, int y, int w, int h);

int16_t SelectLeague_IconCount();
int16_t SelectLeague_CentreIndex();
int16_t SelectLeague_Direction();
float SelectLeague_Angle();
// The icon in the middle of the ring (its animation frame not added).
int16_t SelectLeague_CentreIcon();
// The icon the ring draws in cell k (0-4) now; the middle cell is 1 while
// the ring stands.
int16_t SelectLeague_CellIcon(int k);

// ---- the player page ----

extern const MenuItem PlayerPageMenu[];

// Opens the player page for a player: the page's done hot spot returns to
// returnOption. Sets MenuPlayer and MenuOption 4; the caller leaves its screen.
void OpenPlayerPage(int16_t player, int16_t returnOption);
// The option the player page returns to.
int16_t PlayerPageReturnOption();

// The action lists.
enum PlayerActionList : int16_t {
  PLAYER_ACTIONS_OTHER_CLUB = 0,  // buy, loan in, short list
  PLAYER_ACTIONS_OWN = 1,         // loan list, transfer list, set price, negotiate, release
  PLAYER_ACTIONS_MANAGER = 2,     // hang up boots
  PLAYER_ACTIONS_NOT_AVAILABLE = 3,
};
// The list the page offers for the player (the manager MenuManager's view).
int16_t PlayerPage_ChooseActionList(int16_t player);
// The list the open page offers.
int16_t PlayerPage_ActionList();

int16_t PlayerPage_Handler(const MenuItem* header);
// The actions on MenuPlayer; each answers a menu result (2 redraw, 6 leave).
int16_t PlayerPage_BuyPlayer();
int16_t PlayerPage_LoanInPlayer();
int16_t PlayerPage_ShortList();
int16_t PlayerPage_LoanList();
int16_t PlayerPage_TransferList();
int16_t PlayerPage_SetPrice();
int16_t PlayerPage_NegotiateContract();
int16_t PlayerPage_ReleasePlayer();
int16_t PlayerPage_HangUpBoots();
int16_t PlayerPage_CareerHistory();
int16_t PlayerPage_ImprovementHistory();
int16_t PlayerPage_Done(MenuHotspot* spot);
// What releasing the player costs: 4 x contract x weekly wage.
int64_t PlayerPage_ReleaseCost(int16_t player);
// Whether today falls inside one of the three closed transfer periods.
bool PlayerPage_MarketClosed();

// What the page shows (filled by the handler).
constexpr int PLAYER_PAGE_ROWS = 27;
struct PlayerPageView {
  char title[96];
  char identity[96];
  int16_t rowText[PLAYER_PAGE_ROWS];
  char rowValue[PLAYER_PAGE_ROWS][48];
  int16_t statText[6];
  char statValue[6][16];
  char statusLine[64];
  char detailLine[96];
  int16_t shortListText;  // 423 or 1832
  int16_t shirt;          // BLANK_S16 for none
  int16_t crest;          // 0 for none
  bool figuresGenerated;
  bool contractView;
};
const PlayerPageView& PlayerPage_View();
