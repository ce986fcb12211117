// The keyboard side of the menu loop: shortcut letters, the keyboard focus
// and its moves between hot spots, the menu bar's drop-downs worked from the
// keyboard, hover tips, hot spots made by code, and the column text boxes of
// item type 0x200B.
//
// Keys of one frame (the loop runs MenuKeyboardStep when no handler gave a
// result):
//   - Alt held, or a drop-down opened from the keyboard: each letter or
//     digit typed is a shortcut ("_F" in a row or title marks F, either
//     case); a title opens its drop-down, a row runs its callback;
//   - F10 opens the menu bar's first drop-down; Escape closes an open one;
//   - with a drop-down open, Up and Down move its highlighted row, Left and
//     Right the previous and next drop-down (not past either end), Return
//     chooses the row;
//   - otherwise the arrow keys move the keyboard focus (the focused hot spot
//     is framed instead of following the pointer) and Return acts as a click
//     on the focused hot spot; moving the mouse or a click ends keyboard mode.
#pragma once

#include <cstdint>

#include "menus/exmenu.h"

// ---- shortcuts ----

// The index of the first row or title up to the end of the list whose text
// holds "_" followed by the character (either case), or -1. *dropDown (when
// given) is the drop-down the found row belongs to: the titles passed, less
// one (0 in a list without titles).
int FindShortcutRow(const PopupRow* list, int character, int* dropDown = nullptr);
// Looks in the menu bar first, then in the list of every hot spot whose list
// starts with a row (kinds 2-5). Answers whether it found one, and where.
bool FindShortcut(int character, PopupRow** list, int* row, int* dropDown);
// A row (kinds 2-5) runs its callback (after its drop-down's prepare function
// when it is a menu-bar row; a disabled row does nothing); a title (kinds
// 7-10) opens its drop-down with the first row highlighted and keyboard mode
// on. Answers the frame's result (0 none).
int16_t ActOnShortcut(PopupRow* list, int row, int dropDown);
// What a typed key without a shortcut answers (counts as no result).
constexpr int16_t SHORTCUT_NONE = static_cast<int16_t>(0xF009);

// ---- the frame's keyboard step ----

// Key indexes the step reads.
constexpr int KEY_INDEX_ESCAPE = 1;
constexpr int KEY_INDEX_RETURN = 28;
constexpr int KEY_INDEX_ALT = 56;
constexpr int KEY_INDEX_F10 = 68;

// Bits of the frame's input word.
constexpr int MENU_INPUT_OPEN_BAR = 4;
constexpr int MENU_INPUT_CLOSE_BAR = 8;
constexpr int MENU_INPUT_SHORTCUTS = 16;

// The step the loop runs (the ExMenu seam keyboardStep): answers the frame's
// result, 0 none.
int16_t MenuKeyboardStep();
// Moves the keyboard focus one step in the direction (1 up, 2 right, 3 down,
// 4 left): to the focused hot spot's neighbour that way, or, when that is 0,
// to the previous (up, left) or next (down, right) hot spot, kept within the
// list.
void MoveKeyboardFocus(int direction);
int16_t GetKeyboardFocus();
void SetKeyboardFocus(int16_t hotspot);
bool IsKeyboardMode();
void SetKeyboardMode(bool on);

// ---- hot spots made by code ----

// Appends a hot spot with the alignment rule of item hot spots; neighbours
// are its four neighbour indexes (up, right, down, left; null: none), value
// its value and role its role (HOTSPOT_TIP for a hover tip). Answers its index.
int AddMenuHotspot(int x, int y, int w, int h, uint16_t alignment, const int16_t* neighbours,
                   MenuClickHandler handler, int32_t value, uint8_t role);
// The pop-up list of a hot spot (by index; an index outside the list does
// nothing).
void SetHotspotPopup(int hotspot, PopupRow* list);
// The flags of one row of a list.
void SetPopupRowFlags(PopupRow* list, int row, uint16_t flags);
// Closes the open list, puts back screen sections 1 and 2, clears the
// highlight and sets the reopen counter back to 10.
void ResetPopups();
int16_t PopupReopenCounter();

// ---- hover tips ----

// The loop's tip step: when the pointer has rested on a hot spot with the tip
// role and a value for MENU_TIP_DELAY ticks, its text (the icon's text for an
// icon item, else the text number's) is wrapped into a box next to the
// pointer in screen section 0; moving to another hot spot puts the section
// back first.
constexpr uint32_t MENU_TIP_DELAY = 40;
void MenuTipsStep();
// The hot spot whose tip is shown, -1 none.
int MenuTipHotspot();
// Before a draw pass: the tip and the focus frame are taken off the screen.
void HideMenuKeyboardMarks();

// ---- column text boxes (item type 0x200B) ----

// One command of a column text-box list; a command of 0 ends the list.
//   1 limit point (x, y) from the start; 2 fixed box size (w, h); 3 fixed
//   text size (w, h); 4 a box of text number `number`; 5 a box of `text`;
//   6 a box of the text number held at `textNumber`.
struct ColumnTextCommand {
  int16_t command;
  int16_t x, y, w, h;
  int16_t number;
  const char* text;
  const int16_t* textNumber;
};
enum : int16_t {
  CT_END = 0,
  CT_LIMIT = 1,
  CT_BOX_SIZE = 2,
  CT_TEXT_SIZE = 3,
  CT_TEXTNO = 4,
  CT_STRING = 5,
  CT_TEXTNO_VAR = 6,
};
// Direction bits of the alignment's low nibble.
enum : uint16_t { CT_UP = 1, CT_DOWN = 2, CT_LEFT = 4, CT_RIGHT = 8 };

// Where a box went (menu units, top-left), for tests and tools.
struct ColumnTextBox {
  int16_t x, y, w, h;
  const char* text;
};

// Lays out and draws the boxes of a command list from x, y in the
// alignment's direction (low nibble), wrapping into a new column (up, down)
// or row (left, right) at the limit point. Answers the number of boxes.
int DoColumnTextBoxes(const ColumnTextCommand* commands, int x, int y, uint16_t alignment);
// The boxes the last call placed.
int ColumnTextBoxCount();
const ColumnTextBox* ColumnTextBoxAt(int index);
// Moves the point one box on in the direction: up by h, down by h, left by w,
// right by w. Any other direction stops the program.
void MoveCTDir(int direction, int w, int* x, int* y, int h);
// The item form (the ExMenu seam doColumnTextBoxes): the list is the item's a.
void DoColumnTextBoxesItem(const MenuItem* item, int x, int y, uint16_t alignment);

// ---- what the module's loop offers the keyboard side (menus/exmenu.cpp) ----

struct PopupView {
  bool open;
  PopupRow* list;
  int listIndex, first, rows, highlight;
  bool menuBar;   // the open list is the menu bar's
  bool keyboard;  // opened from the keyboard and not yet taken by the pointer
};
MenuHotspot& ExMenu_AppendHotspot(int x, int y, int w, int h, uint16_t alignment);
const PopupLayout& ExMenu_MenuBarLayout();
// Opens drop-down `header` of the menu bar on screen with the row highlighted
// (keyboard mode); false when the screen has no such title.
bool ExMenu_OpenDropDown(int header, int highlight);
PopupView ExMenu_OpenPopupView();
void ExMenu_SetPopupHighlight(int row);
void ExMenu_ClosePopup();
// Chooses a row of the open list (its index within the drop-down), or a row
// of any list by its index in the list; answers the mapped result.
int16_t ExMenu_ChoosePopupRow(int row);
int16_t ExMenu_CallListRow(PopupRow* list, int listIndex, int row);
// A click on the hot spot: its list opens or its handler runs.
int16_t ExMenu_ActivateHotspot(int index);

// Back to the start: no focus, pointer mode, no tip, no boxes.
void ExMenuKeys_Reset();
