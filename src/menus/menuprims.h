// The menu drawing primitives that the world's news box, ticker and score
// panel call: icons, texts, numbers, text boxes, the background restore, the
// pointer and the message box.
//
// The menu drawing layer is not all here yet. Until it is, these functions keep
// a log of what was asked of them (which a test can read) and draw nothing; the
// menu machine fills them in. The menu machine (menus/machine.cpp) already
// defines the icon primitives, the pointer hiding and the drawing attributes;
// they still enter their calls in the log. The pointer frame waits one tick of
// TimerTicks, and the message box writes its text on the general debug channel.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Alignment of a drawing call (MenuAlignFlags): bits 0-1 horizontal, bits 2-3
// vertical.
constexpr uint16_t ALIGN_LEFT = 1;
constexpr uint16_t ALIGN_HCENTRE = 2;
constexpr uint16_t ALIGN_RIGHT = 3;
constexpr uint16_t ALIGN_TOP = 1 << 2;
constexpr uint16_t ALIGN_VMIDDLE = 2 << 2;
constexpr uint16_t ALIGN_BOTTOM = 3 << 2;
constexpr uint16_t ALIGN_CENTRED = ALIGN_HCENTRE | ALIGN_VMIDDLE;  // 10

// Drawing attribute kinds of SetDrawAttribute.
constexpr int DRAW_ATTR_TEXT_COLOUR = 1;
constexpr int DRAW_ATTR_FILL_COLOUR = 2;
constexpr int DRAW_ATTR_NUMBER_TYPE = 3;
constexpr int DRAW_ATTR_BUTTON_TYPE = 4;

// Sizes in menu units; each answers the width.
int GetIconSizeScaled(int icon, int* width, int* height);
int GetCharSize(int character, int* width, int* height);

// BufferRestoreRect is the menu buffer's own (menus/menupc.h); it still
// enters its calls in the log.
void BufferRestoreRect(int32_t x, int32_t y, int32_t width, int32_t height);
// The drawing primitives take menu units and the alignment third, before what
// they draw.
void DoIcon(int x, int y, uint16_t alignment, int icon);
void DoTextAddr(int x, int y, uint16_t alignment, const char* text);
void DoNumber(int x, int y, uint16_t alignment, int32_t number);
void DoTextBoxAddr(int x, int y, int width, int height, uint16_t alignment, const char* text);

// Nested hide (1) and unhide (0) of the pointer.
void HideBusyPointer(int on);
// One pointer frame: waits for the next tick of TimerTicks (polling while it
// waits) and reads the pointer.
void WaitPointerFrame(int* x, int* y, int* buttons);

// The message box with the text and "Left click to continue": waits for a
// click, or with a tick limit other than 0 until more ticks than that have
// passed (menus/machine_boxes.cpp). Without a menu screen it is only logged
// and its text written on the general debug channel.
void DoMessageBox(const char* text, int32_t tickLimit);

// Kind 1 text colour, 2 fill colour, 3 number type, 4 button type; other
// kinds are ignored.
void SetDrawAttribute(int kind, int32_t value);
int32_t GetDrawAttribute(int kind);

// ---- the call log ----

struct MenuPrimCall {
  std::string name;  // the primitive's name, e.g. "DoTextAddr"
  int x = 0, y = 0, width = 0, height = 0;
  int32_t value = 0;  // icon, number, character, hide flag or message-box argument
  uint16_t alignment = 0;
  std::string text;
};

const std::vector<MenuPrimCall>& MenuPrims_Calls();
// Enters a call in the log (for the real primitives that the log's readers
// still follow).
void MenuPrims_LogRect(const char* name, int x, int y, int width, int height);
void MenuPrims_LogValue(const char* name, int32_t value);
MenuPrimCall& MenuPrims_Log(const char* name);
void MenuPrims_ClearCalls();
// The sizes the size queries answer until the icon and font files are read.
void MenuPrims_SetIconSize(int width, int height);
void MenuPrims_SetCharSize(int width, int height);
// The sizes set above (answered while no menu screen exists).
void MenuPrims_CharSize(int* width, int* height);
int MenuPrims_IconWidth();
int MenuPrims_IconHeight();
// The pointer's hide nesting (0 = shown): the menu machine's count.
int MenuPrims_PointerHideCount();

// No calls logged, sizes 0.
void MenuPrims_Reset();
