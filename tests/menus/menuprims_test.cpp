#include "menus/menuprims.h"

#include <string>

#include "engine/debug.h"
#include "engine/timerint.h"
#include "support/engine_fixture.h"

namespace {

class MenuPrimsTest : public EngineTest {};

TEST_F(MenuPrimsTest, APointerFrameWaitsOneTick) {
  StartWindowAndTimer();
  InitPoll();
  PlatSetVirtualAutoAdvance(true);
  PlatVirtualAdvance(37);
  uint32_t start = TimerTicks;
  int x = -1, y = -1, buttons = -1;
  WaitPointerFrame(&x, &y, &buttons);
  EXPECT_EQ(TimerTicks, start + 1);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  EXPECT_EQ(buttons, 0);
  ASSERT_EQ(MenuPrims_Calls().size(), 1u);
  EXPECT_EQ(MenuPrims_Calls()[0].name, "WaitPointerFrame");
  UninitPoll();
}

TEST_F(MenuPrimsTest, TheMessageBoxWritesItsTextOnTheGeneralChannel) {
  testing::internal::CaptureStdout();
  DoMessageBox("Quiet news", 0);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");

  SetDebugLevel(DEBUG_GENERAL, 1);
  testing::internal::CaptureStdout();
  DoMessageBox("Rovers have won the Cup.", 7);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "DoMessageBox(): Rovers have won the Cup.\n");

  ASSERT_EQ(MenuPrims_Calls().size(), 2u);
  EXPECT_EQ(MenuPrims_Calls()[1].name, "DoMessageBox");
  EXPECT_EQ(MenuPrims_Calls()[1].text, "Rovers have won the Cup.");
  EXPECT_EQ(MenuPrims_Calls()[1].value, 7);
}

TEST_F(MenuPrimsTest, DrawingCallsAreLoggedAsAsked) {
  MenuPrims_SetIconSize(400, 200);
  MenuPrims_SetCharSize(9, 14);
  int w = 0, h = 0;
  EXPECT_EQ(GetIconSizeScaled(12, &w, &h), 400);
  EXPECT_EQ(h, 200);
  EXPECT_EQ(GetCharSize('A', &w, &h), 9);
  EXPECT_EQ(h, 14);
  BufferRestoreRect(1, 2, 3, 4);
  DoIcon(320, 240, ALIGN_CENTRED, 12);
  DoTextAddr(5, 6, ALIGN_RIGHT, "Rovers");
  DoNumber(7, 8, ALIGN_LEFT, -3);
  DoTextBoxAddr(10, 20, 30, 40, ALIGN_CENTRED, "line");
  const auto& calls = MenuPrims_Calls();
  ASSERT_EQ(calls.size(), 7u);
  EXPECT_EQ(calls[2].name, "BufferRestoreRect");
  EXPECT_EQ(calls[2].width, 3);
  EXPECT_EQ(calls[3].value, 12);
  EXPECT_EQ(calls[3].alignment, 10);
  EXPECT_EQ(calls[4].text, "Rovers");
  EXPECT_EQ(calls[5].value, -3);
  EXPECT_EQ(calls[6].height, 40);
  EXPECT_EQ(calls[6].text, "line");
  MenuPrims_ClearCalls();
  EXPECT_TRUE(MenuPrims_Calls().empty());
}

TEST_F(MenuPrimsTest, PointerHidingNests) {
  HideBusyPointer(1);
  HideBusyPointer(1);
  EXPECT_EQ(MenuPrims_PointerHideCount(), 2);
  HideBusyPointer(0);
  HideBusyPointer(0);
  HideBusyPointer(0);  // one unhide too many changes nothing
  EXPECT_EQ(MenuPrims_PointerHideCount(), 0);
}

TEST_F(MenuPrimsTest, DrawingAttributes) {
  EXPECT_EQ(GetDrawAttribute(DRAW_ATTR_TEXT_COLOUR), 0);
  EXPECT_EQ(GetDrawAttribute(DRAW_ATTR_FILL_COLOUR), 0xF81F);
  EXPECT_EQ(GetDrawAttribute(DRAW_ATTR_NUMBER_TYPE), 0);
  SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, 2);
  SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, 0x1234);
  SetDrawAttribute(DRAW_ATTR_NUMBER_TYPE, 3);
  SetDrawAttribute(DRAW_ATTR_BUTTON_TYPE, 1);
  SetDrawAttribute(5, 99);  // other kinds are ignored
  EXPECT_EQ(GetDrawAttribute(DRAW_ATTR_TEXT_COLOUR), 2);
  EXPECT_EQ(GetDrawAttribute(DRAW_ATTR_FILL_COLOUR), 0x1234);
  EXPECT_EQ(GetDrawAttribute(DRAW_ATTR_NUMBER_TYPE), 3);
  EXPECT_EQ(GetDrawAttribute(DRAW_ATTR_BUTTON_TYPE), 1);
  EXPECT_EQ(GetDrawAttribute(5), 0);
  ResetAllModules();
  EXPECT_EQ(GetDrawAttribute(DRAW_ATTR_NUMBER_TYPE), 0);
}

}  // namespace
