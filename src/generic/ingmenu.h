// The in-match menus: the match stops, its display is torn down, the menu
// machine runs one in-match menu after another as each names the next, and
// when a menu leaves with -1 the display is built again.
#pragma once

#include <cstdint>

// The menu to run next.
enum InGameMenu : int16_t {
  INGAME_MENU_LEAVE = -1,
  INGAME_MENU_PAUSE = 0,
  INGAME_MENU_OPTIONS = 1,
  INGAME_MENU_VIDEO_OPTIONS = 2,
  INGAME_MENU_SUBS_TACTICS = 4,
  INGAME_MENU_PERFORMANCE = 5,
  INGAME_MENU_LINE_UPS = 6,
  INGAME_MENU_STATS = 8,
  INGAME_MENU_PITCH_ACTION = 9,
  INGAME_MENU_MARKING = 12,
};

extern int16_t InGameMenuCode;    // the menu to run next; -1 leaves the loop
extern int16_t InGameMenuSide;    // 0/1: the side whose team the menus show and change
extern int16_t InGameMenuForced;  // 1 when the match flow opened Subs/Tactics for the side

// Runs the menus from InGameMenuCode until one leaves with -1; a code
// outside the list is fatal.
void InGameMenusLoop();

// The entries: each sets the three globals and runs the loop.
void InGameMenu_OpenLineUps();  // Esc and the views' menu buttons
void InGameMenu_OpenPause();    // F1
// The match flow's forced opening at a break or a stoppage (a side that is
// not human-managed has no screen to open).
void InGameMenu_OpenSubsTactics(int side);
// The match frame's menu request: the entry code (6, 5, 4, 1 or 0), the
// human-managed side, not forced.
void InGameMenu_OpenAt(int code);
// Before a shoot-out: the taker order screen of each side in turn.
void PenaltyShootOutMenus();

// The side a human manages: 1 when the match's second team is human-managed,
// else 0.
int16_t InGameMenu_HumanSide();

// ---- the outside calls of the loop (tests replace them) ----

struct InGameMenuSeamTable {
  // The match display and the menu machine around the menus.
  void (*destroyMatchEnvironment)();
  void (*initSetOfMenus)();
  void (*uninitSetOfMenus)();
  void (*createMatchEnvironment)();
  // The menus; each sets InGameMenuCode to the next menu.
  void (*pause)();
  void (*options)();
  void (*videoOptions)();
  void (*subsTactics)();
  void (*performance)();
  void (*lineUps)();
  void (*stats)();
  void (*pitchAction)();
  void (*marking)();
  // The shoot-out taker order screen of InGameMenuSide.
  void (*shootOutOrder)();
  // After Subs/Tactics: the side's formation into its working record and
  // its shape re-planned.
  void (*replanSide)(int side);
};
extern InGameMenuSeamTable InGameMenuSeams;

// The real re-plan of a side after Subs/Tactics: its in-match formation into
// the working record (as at kick-off), its players' instructions, its team
// shape, then the shape targets.
void InGameMenu_ReplanSide(int side);

// The module as at program start (a registered reset).
void InGameMenu_Reset();
