// Page buttons (hit test, lists, labels), the pointer frame without a screen
// and the credits roll run under the virtual clock with scripted input.
#include <string>
#include <vector>

#include "engine/poll.h"
#include "menus/exm_text.h"
#include "menus/machine.h"
#include "menus/menu_harness.h"
#include "menus/menuprims.h"
#include "menus/pagebtns.h"

namespace {

const int16_t kWhite = 0, kYellow = 1;

const PageButton kList[] = {
    {PAGE_LABEL_TEXTNO, 0, 0, 200, 200, 0, PageLabel(1050), 1, nullptr, 1},
    {PAGE_BUTTON, 10, 10, 50, 20, 0, PageLabel(), 0, nullptr, 7},
    {PAGE_BUTTON_TEXTNO, 10, 10, 100, 100, 10, PageLabel(1050), 1, &kYellow, 8},
    {PAGE_END, 0, 0, 0, 0, 0, PageLabel(), 0, nullptr, 0},
};

class PageButtonTest : public EngineTest {};

// Only buttons count, the first whose box strictly holds the point, and only
// while the left button is down.
TEST_F(PageButtonTest, FindButtonAtPosTakesTheFirstButtonStrictlyAroundThePoint) {
  const struct {
    int x, y, buttons;
    int16_t id;
  } cases[] = {
      {20, 20, 1, 7}, {59, 29, 1, 7}, {60, 20, 1, 8}, {10, 20, 1, -1}, {20, 10, 1, -1},
      {109, 109, 1, 8}, {110, 50, 1, -1}, {150, 150, 1, -1}, {20, 20, 0, -1}, {20, 20, 2, -1}, {20, 20, 3, 7},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << "," << c.y << " buttons " << c.buttons);
    PageButtonClicked = 0;
    EXPECT_EQ(FindButtonAtPos(kList, c.buttons, c.x, c.y), c.id);
    EXPECT_EQ(PageButtonClicked, c.id >= 0 ? 1 : 0);
  }
  EXPECT_EQ(FindButtonAtPos(nullptr, 1, 20, 20), -1);
}

TEST_F(PageButtonTest, FindButtonIndexByItsId) {
  EXPECT_EQ(FindButtonIndex(kList, 1), 0);
  EXPECT_EQ(FindButtonIndex(kList, 8), 2);
  EXPECT_EQ(FindButtonIndex(kList, 0), -1);  // the end record is not a button
  EXPECT_EQ(FindButtonIndex(kList, 99), -1);
}

TEST_F(PageButtonTest, AppendButtonListShiftsAndKeepsTheEndRecord) {
  PageButton list[PAGE_BUTTON_LIST_SIZE];
  ClearButtonRecord(list);
  ASSERT_EQ(AppendButtonList(list, kList, 5, -3), 1);
  EXPECT_EQ(list[1].x, 15);
  EXPECT_EQ(list[1].y, 7);
  EXPECT_EQ(list[2].id, 8);
  EXPECT_EQ(list[3].kind, PAGE_END);
  ASSERT_EQ(AppendButtonList(list, kList, 100, 0), 1);
  EXPECT_EQ(list[4].x, 110);
  EXPECT_EQ(list[6].kind, PAGE_END);
  // 6 records and the end: 23 more fit, 24 do not, and a refusal changes nothing.
  std::vector<PageButton> many(24, kList[1]);
  many.push_back(kList[3]);
  EXPECT_EQ(AppendButtonList(list, many.data(), 0, 0), 0);
  EXPECT_EQ(list[6].kind, PAGE_END);
  many.erase(many.begin());
  EXPECT_EQ(AppendButtonList(list, many.data(), 0, 0), 1);
  EXPECT_EQ(list[28].kind, PAGE_BUTTON);
  EXPECT_EQ(list[29].kind, PAGE_END);
  EXPECT_EQ(AppendButtonList(list, kList + 3, 0, 0), 1);  // an empty list always fits
  EXPECT_EQ(AppendButtonList(list, kList, 0, 0), 0);
}

// The label is placed in its box by the alignment and drawn in its font and
// the colour its word holds.
TEST_F(PageButtonTest, LabelsArePlacedByTheirAlignment) {
  const char* name = "Kick off";
  const struct {
    uint16_t alignment;
    int x, y;
    uint16_t textAlignment;
  } cases[] = {
      {0, 102, 52, ALIGN_LEFT | ALIGN_TOP},       {1, 102, 52, ALIGN_LEFT | ALIGN_TOP},
      {2, 150, 52, ALIGN_HCENTRE | ALIGN_TOP},    {3, 198, 52, ALIGN_RIGHT | ALIGN_TOP},
      {10, 150, 65, ALIGN_CENTRED},               {3 | ALIGN_BOTTOM, 198, 78, ALIGN_RIGHT | ALIGN_BOTTOM},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.alignment);
    MenuPrims_ClearCalls();
    SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, 5);
    const PageButton b = {PAGE_LABEL_STRING_VAR, 100, 50, 100, 30, c.alignment, PageLabel(&name), 2, &kYellow, 3};
    DrawButtonLabel(&b);
    ASSERT_EQ(MenuPrims_Calls().size(), 1u);
    const MenuPrimCall& call = MenuPrims_Calls()[0];
    EXPECT_EQ(call.name, "DoTextAddr");
    EXPECT_EQ(call.x, c.x);
    EXPECT_EQ(call.y, c.y);
    EXPECT_EQ(call.alignment, c.textAlignment);
    EXPECT_EQ(call.text, name);
    EXPECT_EQ(GetDrawAttribute(DRAW_ATTR_TEXT_COLOUR), kYellow);
    EXPECT_EQ(GetFont(), 2);
  }
  // Without a colour word the colour stays; a label held by number variable.
  const int16_t number = 1050;
  SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, 5);
  MenuPrims_ClearCalls();
  const PageButton b = {PAGE_LABEL_TEXTNO_VAR, 0, 0, 10, 10, 0, PageLabel(&number), 1, nullptr, 3};
  DrawButtonLabel(&b);
  EXPECT_EQ(GetDrawAttribute(DRAW_ATTR_TEXT_COLOUR), 5);
  ASSERT_EQ(MenuPrims_Calls().size(), 1u);
  EXPECT_EQ(MenuPrims_Calls()[0].text, GetTextNoAddr(1050));
  (void)kWhite;
}

// (The box is drawn on the menu buffer, which the log does not follow.)
TEST_F(PageButtonTest, ShowButtonByIdDrawsItsLabel) {
  MenuPrims_ClearCalls();
  ShowButtonById(kList, 8);
  ShowButtonById(kList, 1);   // a label alone
  ShowButtonById(kList, 42);  // none
  std::vector<std::string> names;
  for (const MenuPrimCall& call : MenuPrims_Calls()) names.push_back(call.name);
  EXPECT_EQ(names, (std::vector<std::string>{"DoTextAddr", "DoTextAddr"}));
  EXPECT_EQ(MenuPrims_Calls()[0].x, 60);  // centred in the box of id 8
}

// ---- the credits roll ----

TEST(CreditTexts, NumbersStringsAndEmptyLines) {
  EXPECT_STREQ(CreditText({1050, nullptr, CREDIT_TEXTNO}), GetTextNoAddr(1050));
  EXPECT_STREQ(CreditText({-1, nullptr, CREDIT_TEXTNO}), "");
  EXPECT_STREQ(CreditText({0, nullptr, 0}), "");
  EXPECT_STREQ(CreditText({0, "Name", 1}), "Name");
  int named = 0;
  for (const CreditEntry& e : CreditsTable) named += *CreditText(e) ? 1 : 0;
  EXPECT_GT(named, 12);
  EXPECT_STRNE(CreditText(CreditsTable[CREDIT_ENTRIES - 1]), "");
}

class CreditsTest : public menutest::MenuHarness {
 protected:
  // Lines "TICK EVENT ..." timed from now.
  void Script(const std::vector<std::pair<uint32_t, std::string>>& lines) {
    std::string text;
    const uint32_t now = PlatRawTicks();
    for (const auto& [tick, event] : lines) text += std::to_string(now + tick) + " " + event + "\n";
    std::string error;
    ASSERT_TRUE(PlatLoadEventScript(text, &error)) << error;
  }
};

// The roll rises half a pixel a tick: the last of 24 lines (its top at 480 +
// 23 x 32 at the start) reaches the top after 2,432 ticks.
TEST_F(CreditsTest, TheRollEndsOnAClickEscapeOrItsLastLine) {
  const struct {
    const char* event;
    uint32_t at;
    uint32_t ends;
  } cases[] = {{nullptr, 0, 2432}, {"click 320 240", 300, 300}, {"key Escape", 200, 200}, {"key A", 100, 2432}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.event ? c.event : "nothing");
    if (c.event) Script({{c.at, c.event}});
    const uint32_t before = PlatRawTicks();
    const uint32_t ran = RunCreditsRoll(CreditsTable, CREDIT_ENTRIES);
    // The roll itself starts once its background is shown; the script's
    // events count from the call.
    EXPECT_NEAR(static_cast<double>(c.ends == 2432 ? ran : PlatRawTicks() - before), c.ends, 3.0);
    PlatClearEventScript();
  }
}

uint32_t gReleaseAt = 0;
void ReleaseHeldButton() {
  if (PlatRawTicks() >= gReleaseAt) PlatSetMouseButton(0, false);
}

// A button still down from the click that started the roll does not end it.
TEST_F(CreditsTest, AButtonHeldFromBeforeDoesNotEndTheRoll) {
  PlatSetMouseButton(0, true);
  gReleaseAt = PlatRawTicks() + 100;
  const int16_t poll = AddPollFunction(ReleaseHeldButton, 1, 0);
  Script({{400, "click 320 240"}});
  const uint32_t before = PlatRawTicks();
  RunCreditsRoll(CreditsTable, CREDIT_ENTRIES);
  RemovePollFunction(poll);
  EXPECT_NEAR(static_cast<double>(PlatRawTicks() - before), 400, 3.0);
}

// The roll draws its lines on background 32 between the two cleared strips.
TEST_F(CreditsTest, LinesAreDrawnBetweenTheClearedStrips) {
  const CreditEntry one[] = {{0, "Only line", 0}};
  Script({{240, "click 320 240"}});  // the line's top is at 360 by then
  RunCreditsRoll(one, 1);
  EXPECT_EQ(Pixel(10, 10), 0u);
  EXPECT_EQ(Pixel(630, 470), 0u);
  EXPECT_TRUE(DiffersFromBackground(120, 360, 400, 32));
  EXPECT_FALSE(DiffersFromBackground(0, 100, 100, 200));
}

}  // namespace
