#include "engine/input.h"

#include <string>

#include "support/engine_fixture.h"

namespace {

class KeyboardTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    WinInit(nullptr, "Gafferon test", 1);
    InitKeyboardInterrupt();
  }
  static void Key(int index, bool up) {
    PlatKeyCode code{static_cast<uint8_t>(index & 0x7F), index >= 128};
    PlatSendMessage(up ? WM_KEYUP : WM_KEYDOWN, 0, PlatKeyLParam(code, up));
  }
  static void Press(int index) {
    Key(index, false);
    Key(index, true);
  }
  static std::string Typed() {
    std::string s;
    while (KeyAsciiAvailable()) s += static_cast<char>(KeyAsciiRead());
    return s;
  }
};

TEST_F(KeyboardTest, LanguageTables) {
  const struct {
    int language, key, shifted;
    uint8_t want;
  } cases[] = {
      {0, 16, 0, 'q'},   {4, 16, 0, 'a'},   {2, 21, 0, 'z'},    {2, 44, 0, 'y'},    {0, 3, 1, 0x22},
      {1, 3, 1, '@'},    {0, 4, 1, 0x9C},   {2, 4, 1, 0},       {4, 3, 1, 0xE9},    {0, 43, 0, '#'},
      {1, 43, 1, 0x7C},  {3, 12, 0, '\''},  {4, 50, 0, '?'},    {0, 86, 0, 0x5C},   {1, 86, 0, 0},
      {0, 1, 0, 0x1B},   {3, 28, 1, 0x0D},  {0, 57, 0, ' '},    {0, 71, 1, '7'},    {4, 83, 0, '.'},
      {0, 42, 0, 0},     {0, 89, 0, 0},     {0, -1, 0, 0},      {0, 128 + 28, 0, 0}, {2, 53, 1, '_'},
  };
  for (const auto& c : cases) {
    SetKeyboardLanguage(c.language);
    EXPECT_EQ(KeyToAscii(c.key, c.shifted), c.want) << "language " << c.language << " key " << c.key;
  }
  EXPECT_FATAL(SetKeyboardLanguage(5), "Error: SetKeyboardLanguage\\(\\): unknown language");
}

TEST_F(KeyboardTest, KeysAreHeldLatchedAndTyped) {
  SetKeyboardLanguage(1);
  Key(54, false);  // right shift held
  Press(3);
  Key(54, true);
  Press(18);
  EXPECT_EQ(Typed(), "@e");
  EXPECT_EQ(KeyGetLast(), 18);
  EXPECT_EQ(KeyGetLast(), -1);
  EXPECT_EQ(KeyWasPressed(3), 1);
  EXPECT_EQ(KeyWasPressed(3), 0);
  EXPECT_EQ(KeyIsDown(3), 0);
  Key(30, false);
  EXPECT_EQ(KeyIsDown(30), 1);
  KeyFlush();
  EXPECT_EQ(KeyIsDown(30), 0);
  EXPECT_EQ(KeyAsciiAvailable(), 0);
}

TEST_F(KeyboardTest, ExtendedKeysAreSeenButTypeNothing) {
  Press(128 + 28);  // keypad Enter
  EXPECT_EQ(KeyWasPressed(128 + 28), 1);
  EXPECT_EQ(KeyWasPressed(28), 0);
  EXPECT_EQ(KeyAsciiAvailable(), 0);
  Key(128 + 72, false);  // cursor up
  EXPECT_EQ(KeyIsDown(200), 1);
}

TEST_F(KeyboardTest, TheQueueHoldsSixtyTwoCharacters) {
  for (int i = 0; i < 63; ++i) Press(30);
  EXPECT_EQ(KeyAsciiAvailable(), 62);
  EXPECT_EQ(Typed(), std::string(62, 'a'));
  Press(31);
  EXPECT_EQ(Typed(), "s");
}

TEST_F(KeyboardTest, MisuseIsFatal) {
  EXPECT_FATAL(InitKeyboardInterrupt(), "Cannot set keyboard interrupt if already running");
  ClearKeyboardInterrupt();
  EXPECT_EQ(KeyIsInitialised(), 0);
  EXPECT_FATAL(ClearKeyboardInterrupt(), "Cannot stop keyboard interrupt if not running");
  EXPECT_FATAL(KeyAsciiAvailable(), "Error: KeyAsciiAvailable\\(\\): keyboard not initialised");
  EXPECT_FATAL(KeyAsciiRead(), "Error: KeyAsciiRead\\(\\): keyboard not initialised");
}

class MouseTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    WinInit(nullptr, "Gafferon test", 1);
  }
};

TEST_F(MouseTest, MotionIsReadRelativeToTheRecentredCursor) {
  InitMouseDriver();
  EXPECT_EQ(MouseDriverState(), 2);
  int x, y, dx, dy, buttons;
  PlatGetCursorPos(&x, &y);
  EXPECT_EQ(x, 100);  // client origin (0, 0) + (100, 100)
  EXPECT_EQ(y, 100);
  ReadMouseDriver(&dx, &dy, &buttons);
  EXPECT_EQ(dx, 0);
  EXPECT_EQ(dy, 0);
  PlatMoveCursor(7, -3);
  PlatSetMouseButton(0, true);
  PlatSetMouseButton(2, true);
  ReadMouseDriver(&dx, &dy, &buttons);
  EXPECT_EQ(dx, 7);
  EXPECT_EQ(dy, -3);
  EXPECT_EQ(buttons, 5);
  PlatGetCursorPos(&x, &y);
  EXPECT_EQ(x, 100);
  ResetMouseDriver();  // clears the buttons
  ReadMouseDriver(&dx, &dy, &buttons);
  EXPECT_EQ(buttons, 0);
}

TEST_F(MouseTest, StatesAreChecked) {
  EXPECT_FATAL(ResetMouseDriver(), "ResetMouseDriver\\(\\): not initialised");
  EXPECT_FATAL(UninitMouseDriver(), "UninitMouseDriver\\(\\): not initialised");
  InitMouseDriver();
  EXPECT_FATAL(InitMouseDriver(), "InitMouseDriver\\(\\): already initialised\n\\(File: mouse");
  MarkMouseDriverNotReady();
  EXPECT_EQ(MouseDriverState(), 1);
  int dx, dy, buttons;
  EXPECT_FATAL(ReadMouseDriver(&dx, &dy, &buttons), "ReadMouseDriver\\(\\): mouse driver not ready");
  ResetMouseDriver();
  EXPECT_EQ(MouseDriverState(), 2);
  UninitMouseDriver();
  EXPECT_EQ(MouseDriverState(), 0);
}

// A back end with two joysticks: the first ranges 0-1000 on both axes, the
// second cannot be read at all.
struct FakeJoysticks {
  static PlatJoyPos position;
  static int Count() { return 2; }
  static bool Caps(int index, PlatJoyCaps* caps) {
    if (index != 0) return false;
    *caps = {"Pad", 0, 1000, 0, 1000, 4};
    return true;
  }
  static bool Read(int index, PlatJoyPos* pos) {
    if (index != 0) return false;
    *pos = position;
    return true;
  }
};
PlatJoyPos FakeJoysticks::position;

TEST_F(MouseTest, JoysticksReadOutsideTheirDeadZone) {
  PlatBackend backend = *PlatHeadlessBackend();
  backend.joystickCount = FakeJoysticks::Count;
  backend.joystickCaps = FakeJoysticks::Caps;
  backend.joystickRead = FakeJoysticks::Read;
  PlatSetBackend(&backend);
  InitJoysticks();
  EXPECT_EQ(JoystickCount(), 2u);
  // Centre 500, dead zone 125 on each axis.
  const struct {
    uint32_t x, y;
    int16_t wantX, wantY;
  } cases[] = {{500, 500, 0, 0}, {625, 375, 0, 0}, {626, 374, 1, -1}, {1000, 0, 375, -375}, {0, 700, -375, 75}};
  for (const auto& c : cases) {
    FakeJoysticks::position = {c.x, c.y, 3};
    const JoystickState* s = ReadJoysticks();
    EXPECT_EQ(s[0].x, c.wantX) << c.x;
    EXPECT_EQ(s[0].y, c.wantY) << c.y;
    EXPECT_EQ(s[0].buttons, 3);
    EXPECT_EQ(s[1].buttons, -1);
    EXPECT_EQ(s[1].marker, -1);
  }
  PlatSetBackend(nullptr);
  InitJoysticks();
  EXPECT_EQ(JoystickCount(), 0u);  // headless: none
}

}  // namespace
