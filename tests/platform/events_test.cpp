// Scripted input: the script's events reach the message queue when due, in
// order; a bad line is refused with its line number.
#include <string>
#include <vector>

#include "support/engine_fixture.h"

namespace {

std::vector<PlatMsg> Drain() {
  std::vector<PlatMsg> out;
  PlatMsg m;
  while (PlatPeekMessage(&m, true)) out.push_back(m);
  return out;
}

TEST_F(EngineTest, ScriptEventsArriveWhenDue) {
  std::string error;
  ASSERT_TRUE(PlatLoadEventScript("# a comment\n"
                                  "20 click 100 200\n"
                                  "\n"
                                  "10 key Left Shift   # a name with a blank\n"
                                  "30 close\n",
                                  &error))
      << error;
  EXPECT_EQ(PlatPendingScriptEvents(), 3u);
  PlatVirtualAdvance(9);
  EXPECT_TRUE(Drain().empty());

  PlatVirtualAdvance(1);
  std::vector<PlatMsg> keys = Drain();
  ASSERT_EQ(keys.size(), 2u);
  EXPECT_EQ(keys[0].message, WM_KEYDOWN);
  EXPECT_EQ((static_cast<uintptr_t>(keys[0].lParam) >> 16) & 0xFF, 0x2Au);  // left shift's scan code
  EXPECT_EQ(keys[1].message, WM_KEYUP);

  PlatVirtualAdvance(10);
  std::vector<PlatMsg> click = Drain();
  ASSERT_EQ(click.size(), 3u);
  EXPECT_EQ(click[1].message, WM_LBUTTONDOWN);
  EXPECT_EQ(click[1].lParam, (200 << 16) | 100);

  PlatVirtualAdvance(10);
  std::vector<PlatMsg> close = Drain();
  ASSERT_EQ(close.size(), 1u);
  EXPECT_EQ(close[0].message, WM_CLOSE);
  EXPECT_EQ(PlatPendingScriptEvents(), 0u);
}

// A scripted move is mouse motion from the script's last position (at first
// the middle), and a click's press is seen by the next read of the buttons
// though it was let go at once.
TEST_F(EngineTest, ScriptedMovesAreMotionAndClicksAreSeenOnce) {
  std::string error;
  ASSERT_TRUE(PlatLoadEventScript("10 move 330 200\n20 click 100 210\n", &error)) << error;
  PlatSetCursorPos(500, 500);
  PlatVirtualAdvance(10);
  Drain();
  int x = 0, y = 0;
  PlatGetCursorPos(&x, &y);
  EXPECT_EQ(x, 500 + 330 - PLAT_LAYOUT_WIDTH / 2);
  EXPECT_EQ(y, 500 + 200 - PLAT_LAYOUT_HEIGHT / 2);
  EXPECT_EQ(PlatMouseButtons(), 0u);

  PlatSetCursorPos(100, 100);  // as the mouse driver puts it back after a read
  PlatVirtualAdvance(10);
  Drain();
  PlatGetCursorPos(&x, &y);
  EXPECT_EQ(x, 100 + 100 - 330);
  EXPECT_EQ(y, 100 + 210 - 200);
  EXPECT_EQ(PlatMouseButtons(), 1u);  // pressed and let go: seen once
  EXPECT_EQ(PlatMouseButtons(), 0u);

  // A held button stays seen; a cleared one is gone at once.
  PlatSetMouseButton(1, true);
  EXPECT_EQ(PlatMouseButtons(), 2u);
  EXPECT_EQ(PlatMouseButtons(), 2u);
  PlatClearMouseButtons();
  EXPECT_EQ(PlatMouseButtons(), 0u);
}

TEST_F(EngineTest, BadScriptLinesAreRefused) {
  const std::string outside = "position outside " + std::to_string(PLAT_LAYOUT_WIDTH) + " x " +
                              std::to_string(PLAT_LAYOUT_HEIGHT);
  const struct Case {
    std::string text;
    std::string error;
  } cases[] = {
      {"key Escape\n", "line 1: expected a tick count"},
      {"10\n", "line 1: expected an event"},
      {"\n10 key Nokey\n", "line 2: unknown key"},
      {"10 move " + std::to_string(PLAT_LAYOUT_WIDTH) + " 10\n", "line 1: " + outside},
      {"10 click 10 " + std::to_string(PLAT_LAYOUT_HEIGHT) + "\n", "line 1: " + outside},
      {"10 click -1 10\n", "line 1: " + outside},
      {"10 click 5\n", "line 1: expected X Y"},
      {"10 jump\n", "line 1: unknown event"},
      {"-1 close\n", "line 1: tick out of range"},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_FALSE(PlatLoadEventScript(c.text, &error)) << c.text;
    EXPECT_EQ(error.rfind(c.error, 0), 0u) << error;
  }
  std::string error;
  EXPECT_FALSE(PlatLoadEventScriptFile("/nonexistent/script", &error));
  EXPECT_NE(error.find("cannot open"), std::string::npos);
}

}  // namespace
