// The text input field on the headless menu screen: keys sent to the main
// window one frame at a time, and the field run by the menu loop under a
// script.
#include <cstring>
#include <string>
#include <vector>

#include "engine/input.h"
#include "engine/mem_win.h"
#include "engine/timerint.h"
#include "menus/exm_text.h"
#include "menus/exmenu.h"
#include "menus/machine.h"
#include "menus/menu_harness.h"
#include "menus/menupc.h"

namespace {

using menutest::ClickAt;
using menutest::KeyAt;

void SendKey(const char* name, bool up) {
  PlatKeyCode key{};
  ASSERT_TRUE(PlatKeyFromName(name, &key)) << name;
  PlatSendMessage(up ? WM_KEYUP : WM_KEYDOWN, 0, PlatKeyLParam(key, up));
}

class TextInputTest : public menutest::MenuHarness {
 protected:
  void SetUp() override {
    MenuHarness::SetUp();
    DoBackground(5);
    SaveScreenBackground();
    UpdateMenuScreen();
  }
  void TearDown() override {
    TextInput_Reset();
    MenuHarness::TearDown();
  }

  // Presses and lets go each key, one frame of the field per key (a name
  // with "+" before it is held down over the next key's frame);
  // answers the last frame's result and counts the bells written.
  int16_t Keys(const std::vector<std::string>& keys) {
    int16_t result = TEXTINPUT_GOING_ON;
    testing::internal::CaptureStdout();
    std::vector<std::string> held;
    for (const std::string& key : keys) {
      if (key[0] == '+') {
        SendKey(key.c_str() + 1, false);
        held.push_back(key.substr(1));
        continue;
      }
      SendKey(key.c_str(), false);
      SendKey(key.c_str(), true);
      result = TextInputFrame();
      for (const std::string& h : held) SendKey(h.c_str(), true);
      held.clear();
      if (result != TEXTINPUT_GOING_ON) break;
    }
    const std::string out = testing::internal::GetCapturedStdout();
    bells_ = 0;
    for (char c : out)
      if (c == 7) ++bells_;
    return result;
  }

  // A field of InitTextInput over a blank-padded copy of the text.
  void OpenPadded(const std::string& padded, int width = 300, const char* allowed = nullptr,
                  TextInputFinishFunc finish = nullptr) {
    std::memset(buffer_, 0, sizeof buffer_);
    std::memcpy(buffer_, padded.data(), padded.size());
    InitTextInput(100, ALIGN_LEFT | ALIGN_TOP, 200, width, buffer_, buffer_, allowed, finish);
  }

  void OpenDesc(const char* initial, uint16_t maxLength, uint16_t flags, int width = 300) {
    TextInputDesc desc{};
    desc.x = 100;
    desc.y = 200;
    desc.width = static_cast<int16_t>(width);
    desc.destination = destination_;
    desc.maxLength = maxLength;
    desc.initial = initial;
    desc.one = 1;
    desc.flags = flags;
    std::memset(destination_, 'z', sizeof destination_);
    destination_[sizeof destination_ - 1] = 0;
    EXTI_InitTextInput(&desc);
  }

  char buffer_[64] = {};
  char destination_[64] = {};
  int bells_ = 0;
};

// The editing keys: the cursor moves within the text, Backspace and Delete
// remove around it, typed characters go in at it (shifted while Shift is
// held).
TEST_F(TextInputTest, KeysEditTheTextAtTheCursor) {
  const struct {
    const char* name;
    std::vector<std::string> keys;
    std::string text;
    int cursor;
    int bells;
  } cases[] = {
      {"nothing", {}, "Ab", 2, 0},
      {"typed at the end", {"C", "1", "Space"}, "Abc1 ", 5, 0},
      {"shifted", {"+Left Shift", "C", "+Right Shift", "D"}, "AbCD", 4, 0},
      {"home then typed", {"Home", "X"}, "xAb", 1, 0},
      {"left and right stop at the ends", {"Left", "Left", "Left", "Y", "End", "Right", "Z"}, "yAbz", 4, 0},
      {"backspace", {"Backspace"}, "A", 1, 0},
      {"delete under the cursor", {"Home", "Delete"}, "b", 0, 0},
      {"backspace at the start rings", {"Home", "Backspace"}, "Ab", 0, 1},
      {"delete at the end rings", {"Delete"}, "Ab", 2, 1},
      {"a control character is not typed", {"Tab"}, "Ab", 2, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    OpenPadded("Ab        ");
    EXPECT_EQ(Keys(c.keys), TEXTINPUT_GOING_ON);
    EXPECT_EQ(TextInputEditText(), c.text);
    EXPECT_EQ(TextInputCursor(), c.cursor);
    EXPECT_EQ(bells_, c.bells);
    TextInput_Reset();
  }
}

// Typing at the maximum length, or a character that would make the text
// wider than the field, adds nothing and rings the bell.
TEST_F(TextInputTest, TheBellRingsAtTheLimits) {
  int abWidth = 0;
  SetFont(1);
  GetStringSize("ab", &abWidth, nullptr);
  ASSERT_GT(abWidth, 0);
  const struct {
    const char* name;
    std::string padded;
    int width;
    std::vector<std::string> keys;
    std::string text;
    int bells;
  } cases[] = {
      {"full length", "abcd", 300, {"E", "F"}, "abcd", 2},
      {"one place left", "abc ", 300, {"D", "E"}, "abcd", 1},
      {"as wide as the field", "    ", abWidth, {"A", "B", "C", "D"}, "ab", 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetFont(1);
    OpenPadded(c.padded, c.width);
    Keys(c.keys);
    EXPECT_EQ(TextInputEditText(), c.text);
    EXPECT_EQ(bells_, c.bells);
    TextInput_Reset();
  }
}

// A masked field shows one "*" per character; cancel puts the initial text
// back in the field and the destination (not the stars), and rebuilds the
// mask.
TEST_F(TextInputTest, AMaskedFieldShowsStarsAndCancelRestoresTheText) {
  OpenDesc("abc", 8, TEXTINPUT_MASKED);
  EXPECT_STREQ(TextInputDisplayText(), "***");
  EXPECT_EQ(Keys({"D", "E"}), TEXTINPUT_GOING_ON);
  EXPECT_STREQ(TextInputEditText(), "abcde");
  EXPECT_STREQ(TextInputDisplayText(), "*****");
  EXPECT_EQ(Keys({"Escape"}), TEXTINPUT_CANCELLED);
  EXPECT_STREQ(TextInputEditText(), "abc");
  EXPECT_STREQ(TextInputDisplayText(), "***");
  EXPECT_STREQ(destination_, "abc");
  EXPECT_EQ(TextInputFinish(TEXTINPUT_CANCELLED), TEXTINPUT_CANCELLED);
  EXPECT_FALSE(IsTextInputActive());
}

// Escape and Enter end the field unless its flags say otherwise: Escape then
// does nothing, Enter starts a new line.
TEST_F(TextInputTest, FlagsKeepEscapeAndEnterFromEndingTheField) {
  const struct {
    const char* name;
    uint16_t flags;
    std::vector<std::string> keys;
    int16_t result;
    std::string text;
  } cases[] = {
      {"enter accepts", 0, {"X", "Return"}, TEXTINPUT_ACCEPTED, "ab"},
      {"keypad enter accepts", 0, {"X", "Keypad Enter"}, TEXTINPUT_ACCEPTED, "ab"},
      {"escape cancels", 0, {"X", "Escape"}, TEXTINPUT_CANCELLED, "ab"},
      {"enter makes a new line", TEXTINPUT_NO_ENTER, {"Return", "X"}, TEXTINPUT_GOING_ON, "ab\nx"},
      {"escape is ignored", TEXTINPUT_NO_ESCAPE, {"Escape", "X"}, TEXTINPUT_GOING_ON, "abx"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    OpenDesc("ab", 10, c.flags);
    EXPECT_EQ(Keys(c.keys), c.result);
    if (c.result == TEXTINPUT_GOING_ON) {
      EXPECT_EQ(TextInputEditText(), c.text);
    } else {
      EXPECT_STREQ(destination_, c.result == TEXTINPUT_ACCEPTED ? "abx" : "ab");
    }
    TextInput_Reset();
  }
}

// With a list of allowed characters, a character not in it is tried in the
// other letter case and dropped (silently) if that is not in it either.
TEST_F(TextInputTest, AllowedCharactersFoldTheLetterCase) {
  static const char kUpper[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ ";
  static const char kLowerDigits[] = "abc123";
  const struct {
    const char* name;
    const char* allowed;
    std::vector<std::string> keys;
    std::string text;
  } cases[] = {
      {"lower case typed upper", kUpper, {"A", "B", "Space", "Z"}, "AB Z"},
      {"digits dropped", kUpper, {"1", "C", "."}, "C"},
      {"shifted typed lower", kLowerDigits, {"+Left Shift", "A", "1", "Z"}, "a1"},
      {"shifted digit dropped", kLowerDigits, {"+Left Shift", "1", "B"}, "b"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    OpenPadded("          ", 300, c.allowed);
    Keys(c.keys);
    EXPECT_EQ(TextInputEditText(), c.text);
    EXPECT_EQ(bells_, 0);
    TextInput_Reset();
  }
}

// InitTextInput's field cuts the initial text's trailing blanks and pads the
// accepted text with blanks to the maximum length - 1; without the flag the
// text is taken as it is.
TEST_F(TextInputTest, TheAcceptedTextIsPaddedWithBlanks) {
  OpenPadded("Rovers    ");  // maximum 10
  EXPECT_STREQ(TextInputEditText(), "Rovers");
  EXPECT_EQ(Keys({"X", "Return"}), TEXTINPUT_ACCEPTED);
  EXPECT_STREQ(buffer_, "Roversx  ");  // 9 characters
  EXPECT_EQ(TextInputFinish(TEXTINPUT_ACCEPTED), TEXTINPUT_ACCEPTED);

  OpenPadded("ab  ");
  EXPECT_EQ(Keys({"C", "D", "Return"}), TEXTINPUT_ACCEPTED);  // the whole maximum
  EXPECT_STREQ(buffer_, "abcd");
  TextInputFinish(TEXTINPUT_ACCEPTED);

  OpenDesc("Town  ", 10, 0);
  EXPECT_STREQ(TextInputEditText(), "Town  ");
  EXPECT_EQ(Keys({"Home", "Delete", "Return"}), TEXTINPUT_ACCEPTED);
  EXPECT_STREQ(destination_, "own  ");
  TextInputFinish(TEXTINPUT_ACCEPTED);
}

// The field's four buffers are managed blocks, given back when it finishes;
// the finish callback decides the frame result.
int16_t gFinishedWith = -1;
int16_t FinishLeaving(int16_t result) {
  gFinishedWith = result;
  return MENU_RESULT_LEAVE;
}

TEST_F(TextInputTest, FinishGivesTheBuffersBackAndAnswersTheCallbacksResult) {
  const uint32_t blocks = GetMemoryStats().count;
  gFinishedWith = -1;
  OpenPadded("name      ", 300, nullptr, FinishLeaving);
  EXPECT_TRUE(IsTextInputActive());
  EXPECT_EQ(GetMemoryStats().count, blocks + 4);
  EXPECT_EQ(TextInputFinish(TEXTINPUT_ACCEPTED), MENU_RESULT_LEAVE);
  EXPECT_EQ(gFinishedWith, TEXTINPUT_ACCEPTED);
  EXPECT_FALSE(IsTextInputActive());
  EXPECT_EQ(GetMemoryStats().count, blocks);

  // Marking the field inactive closes it too.
  OpenPadded("name      ");
  SetTextInputActive(false);
  EXPECT_FALSE(IsTextInputActive());
  EXPECT_EQ(GetMemoryStats().count, blocks);
  SetTextInputActive(true);
  EXPECT_FALSE(IsTextInputActive());
}

TEST_F(TextInputTest, ASecondFieldOrAnotherAlignmentStopsTheProgram) {
  OpenPadded("abc ");
  EXPECT_FATAL(OpenPadded("def "), "EXTI_InitTextInput\\(\\): already active");
  TextInput_Reset();
  EXPECT_FATAL(InitTextInput(100, ALIGN_CENTRED, 200, 300, buffer_, buffer_, nullptr, nullptr),
               "InitTextInput\\(\\): only M_ALIGN_TL is supported");
}

// The field is drawn over the screen's background: with an empty text only
// the cursor shows, for 18 ticks of every 25; what the field drew is wiped
// when the text gets shorter.
TEST_F(TextInputTest, TheCursorBlinksAndTheFieldWipesWhatItDrew) {
  SetFont(1);
  OpenPadded("    ");
  auto frameAt = [&](uint32_t phase) {
    while (TimerTicks.load() % 25 != phase) PlatVirtualAdvance(1);
    TextInputFrame();
    return DiffersFromBackground(90, 190, 300, 60);
  };
  EXPECT_TRUE(frameAt(3));
  EXPECT_FALSE(frameAt(20));
  EXPECT_TRUE(frameAt(17));
  EXPECT_FALSE(frameAt(18));
  Keys({"W", "W", "W"});
  EXPECT_TRUE(frameAt(20));
  Keys({"Backspace", "Backspace", "Backspace"});
  EXPECT_FALSE(frameAt(20));
}

// In the menu loop the open field takes every frame: keys edit it, a click
// on a hot spot does nothing (not even once the field has closed), Enter ends
// it and its finish callback's result decides the frame: 6 leaves the screen,
// 0 goes on with it. A click in the accept box accepts.
char gLoopName[16];
int gRegionClicks = 0;
uint16_t gLoopFlags = 0;

int16_t gFinishResult = MENU_RESULT_LEAVE;

int16_t LoopFinish(int16_t result) {
  gFinishedWith = result;
  return gFinishResult;
}

int16_t QuitClick(MenuHotspot*) { return MENU_RESULT_LEAVE; }

int16_t LoopHeader(const MenuItem*) {
  if (GetMenuEvent() == MENU_EVENT_INIT) {
    TextInputDesc desc{};
    desc.x = 100;
    desc.y = 100;
    desc.width = 300;
    desc.destination = gLoopName;
    desc.finish = LoopFinish;
    desc.maxLength = 10;
    desc.initial = gLoopName;
    desc.one = 1;
    desc.flags = static_cast<uint16_t>(gLoopFlags | TEXTINPUT_PAD);
    desc.accept = {500, 400, 60, 30};
    EXTI_InitTextInput(&desc);
  }
  return 0;
}

int16_t RegionClick(MenuHotspot*) {
  ++gRegionClicks;
  return 0;
}

const MenuItem kFieldScreen[] = {
    {MI_HEADER, 0, 0, 0, 0, MenuArg(LoopHeader), {}},
    {MI_BACKGROUND, 0, 0, 0, 0, MenuArg(5), {}},
    {MI_BACKGROUND_MARK, 0, 0, 0, 0, {}, {}},
    {MI_CLICK_REGION, 0, 300, 640, 100, {}, MenuArg(RegionClick)},
    {MI_CLICK_REGION, 0, 0, 40, 40, {}, MenuArg(QuitClick)},
    {MI_END, 0, 0, 0, 0, {}, MenuArg(DefaultBackHandler)},
};

TEST_F(TextInputTest, TheMenuLoopHandsItsFramesToTheField) {
  const struct {
    const char* name;
    uint16_t flags;
    std::vector<menutest::Step> steps;
    const char* name_after;
    int16_t finished;
    int16_t finishResult = MENU_RESULT_LEAVE;
  } cases[] = {
      {"typed and entered",
       0,
       {KeyAt(10, "Backspace"), KeyAt(20, "X"), ClickAt(30, 320, 350), KeyAt(40, "Return")},
       "Citx     ",
       TEXTINPUT_ACCEPTED},
      {"escaped", 0, {KeyAt(10, "X"), KeyAt(20, "Escape")}, "City      ", TEXTINPUT_CANCELLED},
      {"accept box", TEXTINPUT_ACCEPT_BOX, {KeyAt(10, "Z"), ClickAt(30, 520, 410)}, "Cityz    ", TEXTINPUT_ACCEPTED},
      {"accept box off", 0, {KeyAt(10, "Z"), ClickAt(30, 520, 410), KeyAt(50, "Return")}, "Cityz    ",
       TEXTINPUT_ACCEPTED},
      {"escaped, the screen goes on",
       0,
       {KeyAt(10, "X"), ClickAt(20, 320, 350), KeyAt(30, "Escape"), ClickAt(60, 10, 10)},
       "City      ",
       TEXTINPUT_CANCELLED,
       MENU_RESULT_NONE},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::strcpy(gLoopName, "City      ");
    gLoopFlags = c.flags;
    gRegionClicks = 0;
    gFinishedWith = -1;
    gFinishResult = c.finishResult;
    ASSERT_TRUE(Run(kFieldScreen, c.steps));
    EXPECT_STREQ(gLoopName, c.name_after);
    EXPECT_EQ(gFinishedWith, c.finished);
    EXPECT_EQ(gRegionClicks, 0);
    EXPECT_FALSE(IsTextInputActive());
  }
}

// A new screen closes any field left open.
TEST_F(TextInputTest, PushingAScreenClosesTheField) {
  OpenPadded("abc ");
  PushMenu(kFieldScreen);
  EXPECT_FALSE(IsTextInputActive());
}

}  // namespace
