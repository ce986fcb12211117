// The message and question boxes of the front end: modal boxes drawn over
// whatever screen is showing, each with its own frame loop, the screen under
// them kept in screen section 4 and put back when they close.
#include <cstdint>
#include <string>

#include "engine/debug.h"
#include "engine/reset.h"
#include "engine/timerint.h"
#include "menus/exm_text.h"
#include "menus/machine.h"
#include "menus/menupc.h"
#include "menus/menuprims.h"

namespace {

// The big box graphic ("bigblock"), centred on the middle of the layout.
constexpr int kBoxIcon = 1;
constexpr int kBoxCentreX = 320, kBoxCentreY = 240;
// "Left click to continue".
constexpr int kTextLeftClickToContinue = 874;
constexpr int32_t kQuestionFill = 0xCE59;

struct BoxesState {
  // What a question box answers while there is no menu screen to show it on.
  int headlessAnswer = 0;
};

BoxesState gBoxes;

struct BoxRect {
  int x, y, w, h;  // menu units
};

// The box: icon 1's size, centred on the layout's middle, and the screen
// under it saved in section 4 (a box already open there stops the program).
BoxRect SaveBoxArea() {
  int w = 0, h = 0;
  GetIconSizeScaled(kBoxIcon, &w, &h);
  const BoxRect box{kBoxCentreX - w / 2, kBoxCentreY - h / 2, w, h};
  const int s = GetScreenScale();
  PreserveScreenSection(SCREEN_SECTION_MESSAGE_BOX, box.x * s, box.y * s, box.w * s, box.h * s);
  return box;
}

// The layout's size in menu units.
int LayoutWidth() { return MenuScreenWidth() / GetScreenScale(); }
int LayoutHeight() { return MenuScreenHeight() / GetScreenScale(); }

// The frame loop of both boxes: the pointer, one frame, the mouse. A click is
// a button going down after every button was up at least once in the box's
// lifetime, so a button held when the box opens (or held on after a click)
// does nothing. onClick answers whether the click ends the box. Answers true
// when a click ended it, false on the time-out (a tick limit other than 0).
template <typename OnClick>
bool RunBoxFrames(int32_t tickLimit, OnClick onClick) {
  const uint32_t start = TimerTicks.load();
  bool held = true;
  for (;;) {
    DrawMousePointer();
    UpdateMenuScreen();
    WaitNextFrame();
    RestorePointerBackground();
    int x = 0, y = 0, buttons = 0;
    ReadMousePointer(&x, &y, &buttons);
    buttons &= 3;
    if (buttons == 0) {
      held = false;
    } else if (!held) {
      held = true;
      if (onClick(x, y)) return true;
    }
    const int64_t elapsed = static_cast<uint32_t>(TimerTicks.load() - start);
    if (tickLimit != 0 && elapsed > tickLimit) return false;
  }
}

}  // namespace

void Boxes_Reset() { gBoxes = BoxesState{}; }
REGISTER_RESET(RESET_MENUS, Boxes_Reset);

void SetHeadlessQuestionAnswer(int answer) { gBoxes.headlessAnswer = answer; }

QuestionButton YesNoButtons[3] = {
    {392, 296, 140, 30, 248, 10, 0, 0},
    {248, 296, 140, 30, 249, 10, 0, 0},
    {0, 0, 0, 0, -1, 0, 0, 0},
};

void DoMessageBox(const char* text, int32_t tickLimit) {
  const std::string message = text ? text : "";
  MenuPrimCall& call = MenuPrims_Log("DoMessageBox");
  call.value = tickLimit;
  call.text = message;
  DPRINT(DEBUG_GENERAL, 1, "DoMessageBox(): %s\n", message.c_str());
  // Without a menu screen the box is only logged (the world's runs without
  // a front end).
  if (!MenuBufferPixels()) return;

  // The busy hourglass must not draw over the box.
  HideBusyPointer(1);
  const BoxRect box = SaveBoxArea();
  SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, 2);
  SetFont(1);
  DoIcon(kBoxCentreX, kBoxCentreY, ALIGN_CENTRED, kBoxIcon);
  // Light text over a dark shadow one unit down and right.
  const int textX = (LayoutWidth() - 440) / 2 + 30, textY = (LayoutHeight() - 200) / 2 + 20;
  DoTextBoxAddr(textX, textY, 380, 160, ALIGN_CENTRED, message.c_str());
  SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, 1);
  DoTextBoxAddr(textX - 1, textY - 1, 380, 160, ALIGN_CENTRED, message.c_str());
  DoTextNo(box.x + box.w / 2, box.y + box.h - 40, ALIGN_HCENTRE | ALIGN_TOP, kTextLeftClickToContinue);
  SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, 0);
  UpdateMenuScreen();

  RunBoxFrames(tickLimit, [](int, int) { return true; });

  SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, 0);
  RestoreScreenSection(SCREEN_SECTION_MESSAGE_BOX);
  HideBusyPointer(0);
  UpdateMenuScreen();
}

int DoQuestionBox(const char* text, QuestionButton* buttons, int32_t tickLimit) {
  const std::string question = text ? text : "";
  MenuPrimCall& call = MenuPrims_Log("DoQuestionBox");
  call.value = tickLimit;
  call.text = question;
  if (!MenuBufferPixels()) return gBoxes.headlessAnswer;

  const int32_t buttonType = GetDrawAttribute(DRAW_ATTR_BUTTON_TYPE);
  SetDrawAttribute(DRAW_ATTR_BUTTON_TYPE, 1);
  SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, kQuestionFill);
  SaveBoxArea();
  DoIcon(kBoxCentreX, kBoxCentreY, ALIGN_CENTRED, kBoxIcon);
  DoTextBoxAddr((LayoutWidth() - 440) / 2 + 20, (LayoutHeight() - 200) / 2 - 20, 400, 160, ALIGN_CENTRED,
                question.c_str());

  // The buttons, each placed around its anchor by its alignment; the corner
  // it was drawn at is kept for the hit test.
  int count = 0;
  for (QuestionButton* button = buttons; button && button->text >= 0; ++button, ++count) {
    int x = button->x, y = button->y;
    ApplyAlignment(&x, &y, button->w, button->h, button->alignment);
    button->alignedX = static_cast<int16_t>(x);
    button->alignedY = static_cast<int16_t>(y);
    DoButton(x, y, button->w, button->h);
    DoTextAddr(button->x, button->y, button->alignment, GetTextNoAddr(button->text));
  }
  UpdateMenuScreen();

  // The first button under a click ends the box; a click on none is
  // remembered for the time-out's answer.
  int answer = -1;
  bool missed = false;
  const bool clicked = RunBoxFrames(tickLimit, [&](int x, int y) {
    for (int i = 0; i < count; ++i) {
      const QuestionButton& b = buttons[i];
      if (b.alignedX <= x && x < b.alignedX + b.w && b.alignedY <= y && y < b.alignedY + b.h) {
        answer = i;
        return true;
      }
    }
    missed = true;
    return false;
  });
  if (!clicked) answer = missed ? count : -1;

  SetDrawAttribute(DRAW_ATTR_BUTTON_TYPE, buttonType);
  RestoreScreenSection(SCREEN_SECTION_MESSAGE_BOX);
  UpdateMenuScreen();
  return answer;
}
