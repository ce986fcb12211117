// The menu machine: the PC layer under every front-end screen. It keeps the
// drawing state (font, colours, number and button types), the screen scale
// (pixels per menu unit of the 640 x 480 layout), the software pointer with
// its busy hourglass and progress bar, the five screen sections and the
// drawing primitives that take menu units: bevelled buttons, icons, gradient
// bars and the full-screen backgrounds.
//
// SetDrawAttribute, GetDrawAttribute, HideBusyPointer, DoIcon and
// GetIconSizeScaled are declared with the other primitives the world calls
// (menus/menuprims.h) and defined here. Until the menu buffer exists (the
// world's own tests, a run without a screen) the icon primitives only enter
// their calls in the primitives' log, as the stand-ins did.
#pragma once

#include <cstdint>

#include "menus/menuprims.h"

// ---- start and stop ----

// Opens the menu screen: the icon map, a 640 x 480 mode (16-bit kinds 1, 2, 3
// in turn; 256 colours with -menu256 or when there is no 16-bit one), the
// menu buffers, the pointer in the middle, the fonts under the loading bar,
// free screen sections, the menu drawing layer's front-end environment, the
// menu poll function every 4 ticks, the start-up sound, the colour cube in
// 256 colours.
void InitSetOfMenus();
// Closes it again: everything InitSetOfMenus took is given back, every
// auto-free block included.
void UninitSetOfMenus();
// UninitSetOfMenus, then the fatal "Quick termination".
[[noreturn]] void QuickTerminate();
// Whether the menu system is open (between InitSetOfMenus and UninitSetOfMenus).
bool IsMenuSystemOpen();

// The seams the menu machine calls into parts still to come: the menu drawing
// layer's front-end environment, and the menu sound channel (channel 0: the
// effects at MenuVolume x 10; channel 1 enabled with sound on).
struct MenuMachineSeam {
  void (*gnInit)();
  void (*gnUninit)();
  void (*enableSoundChannel)(int channel);
  void (*stopSoundChannel)(int channel);
  void (*clearActiveChannels)();
  void (*setChannelVolume)(int channel, int volume);
  void (*playStartSample)(int sample, int channel, int volume);  // sample 0 or 1 of the front end's bank
};
extern MenuMachineSeam MenuMachine;

// ---- drawing state ----

// Font 0, text colour 0, fill colour 0xF81F, number type 0, button type 0.
void ResetDrawState();
// 0 fnt12, 1 fnt16, 2 fnt24.
void SetFont(int font);
int GetFont();

// Pixels per menu unit (1 on the 640 x 480 menu screen).
int16_t GetScreenScale();
void SetScreenScale(int16_t scale);

// Moves x left by w/2 (horizontal 2) or w (3), and y up likewise by bits 2-3.
void ApplyAlignment(int* x, int* y, int width, int height, uint16_t alignment);

// ---- boxes, texts and numbers (menu units) ----

// A translucent box in the fill colour at percent x 255 / 100.
void DrawShadeRectangle(int x, int y, int width, int height, int percent);
// A solid box of exactly width x height in the fill colour.
void DrawFilledRectangle(int x, int y, int width, int height);
// A one-pixel outline in the fill colour.
void DrawRectangleOutline(int x, int y, int width, int height);
// A solid box from x, y to x + width, y + height inclusive.
void DrawFilledBar(int x, int y, int width, int height);
void DrawPixel(int x, int y);
// A black one-pixel outline; a black shade at 25 % (flag bit 0) or 50 %.
void DrawBlackFrame(int x, int y, int width, int height);
void DrawDarkShadeBox(int x, int y, int width, int height, int flags);
// DoTextAddr of the text number's string.
void DoTextNo(int x, int y, uint16_t alignment, int textNumber);
void DoChar(int x, int y, uint16_t alignment, int character);
// Sizes in menu units; each answers the width.
int GetStringSize(const char* text, int* width, int* height);
int GetTextNoSize(int textNumber, int* width, int* height);
// Splits text in place into at most maxLines lines of at most width menu
// units in the current font, a pointer to each in lines: a newline ends a
// line, a line too wide is cut at its last blank that fits. A word wider than
// the width stops the program. Answers the number of lines.
int XDoTextAddr(char* text, int width, char** lines, int maxLines);

// ---- buttons, icons and bars (menu units) ----

// A bevelled box in the fill colour, opaque (button type 0) or translucent
// (type 1); any other type stops the program.
void DoButton(int x, int y, int width, int height);
// The lighter and darker colours of a button's bevel.
uint16_t ButtonLighterColour(uint16_t colour);
uint16_t ButtonDarkerColour(uint16_t colour);
// Part of an icon: the source rectangle in icon pixels, drawn with the colour
// key transparent; the source rectangle is clipped to the icon.
void DoIconPart(int x, int y, uint16_t alignment, int icon, int sourceX, int sourceY, int sourceWidth,
                int sourceHeight);
// A grey ramp (direction 0 left to right light, 1 right to left, 2 top to
// bottom, 3 bottom to top) with the colour laid over it at half opacity.
void DrawGradientBar(int x, int y, int width, int height, uint16_t colour, int direction);

// The full-screen background n (0-34) into the menu buffer; the file must
// hold the screen's width x height RGB565 pixels. Afterwards fill colour
// 0x03E0, text colour 0, font 1, number type 0, button type 0.
void DoBackground(int background);
// Gives back every cached background.
void FreeBackgrounds();

// ---- frames and the pointer ----

// Waits until TimerTicks changes, then polls.
void WaitNextFrame();
// The pointer position in screen pixels.
void SetPointerPosition(int16_t x, int16_t y);
int16_t GetPointerX();
int16_t GetPointerY();
int32_t GetPointerButtons();
// Draws the arrow (or while busy the hourglass, its hot spot 12 units in)
// clipped to the screen, keeping the pixels under it.
void DrawMousePointer();
// Puts back the pixels under the pointer.
void RestorePointerBackground();
// Whether the first full reveal of the menu buffer has happened.
bool IsMenuScreenShown();
void SetMenuScreenShown(bool shown);
// Reveals the menu buffer the first time, afterwards flushes the dirty list
// (nothing while there is no menu buffer).
void UpdateMenuScreen();
// The whole menu buffer becomes the background; a rectangle of it (menu
// units, aligned) is put back.
void SaveScreenBackground();
void RestoreBackgroundRect(int x, int y, int width, int height, uint16_t alignment);
// Adds the mouse's movement to the pointer and answers its position in menu
// units and the buttons (bit 0 left, bit 1 right). The pointer stays off the
// last 5 pixels on the right and at the bottom.
void ReadMousePointer(int* x, int* y, int* buttons);

// ---- the busy pointer ----

// Nested busy (1) and not busy (0).
void SetBusyPointer(int on);
int16_t BusyPointerCount();
int16_t BusyPointerHideCount();
int16_t HourglassFrame();
// The poll function: while busy and not hidden moves the hourglass on,
// follows the mouse and draws the progress bar and the pointer.
void BusyPointerPoll();
// The percentage bar of the progress words (nothing for a total of 0 or less).
void DrawProgressPercentBar();
// Refills the sound channels; a no-op until the sound driver is connected.
extern void (*MenuSoundRefill)();

// ---- message and question boxes ----
//
// DoMessageBox(text, tick limit) is declared with the primitives the world
// calls (menus/menuprims.h).

// A button of a question box: anchor x, y and size in menu units, its label's
// text number (negative ends a list), the alignment placing the box around
// the anchor, and the top-left corner the box was drawn at.
struct QuestionButton {
  int16_t x, y, w, h;
  int16_t text;
  uint16_t alignment;
  int16_t alignedX, alignedY;
};
// The shared list: 0 "No", 1 "Yes", then the end.
extern QuestionButton YesNoButtons[3];
// The question over the buttons; answers the clicked button's index, or on
// time-out (a tick limit other than 0) -1 without a click, the number of
// buttons when every click missed them.
int DoQuestionBox(const char* text, QuestionButton* buttons, int32_t tickLimit);
// Without a menu screen a question box is only logged and answers this
// (0 at the start: "No" of the shared list).
void SetHeadlessQuestionAnswer(int answer);

// ---- screen sections ----

constexpr int SCREEN_SECTION_COUNT = 5;
constexpr int SCREEN_SECTION_MESSAGE_BOX = 4;

// Screen pixels. Misuse (a slot outside 0-4, a slot saved twice, restoring a
// free slot, a rectangle off the screen) stops the program.
void PreserveScreenSection(int slot, int x, int y, int width, int height);
void RestoreScreenSection(int slot);
void ResetScreenSection(int slot);
int IsSavedScreenSection(int slot);
// Drops every section without drawing.
void ResetAllScreenSections();

// ---- text and keys ----

// Removes the blanks at the end of the string in place.
void TrimTrailingSpaces(char* text);
// A waiting ASCII key becomes the menu's last key.
void PollMenuKey();
int16_t GetMenuLastKey();
void SetMenuLastKey(int16_t key);
// Direction 2 right, 4 left, 3 down, 1 up, 0 none (read and cleared); other
// is always 0.
void ReadArrowKeys(int* direction, int* other);

// Connects the text drawing's inline icons to the machine's icon drawing
// (the menu system's start calls it; so do the font setters).
void Machine_ConnectTextHooks();

// Back to the start: no busy state, free sections, no backgrounds cached.
void Machine_Reset();
