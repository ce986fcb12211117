// The GN layer on the front end's real menu screen: the nesting of states and
// the stops on a wrong one or an unknown environment, the tables and the
// justification bytes.
#include "menus/gnlayer.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "menu_harness.h"
#include "menus/gnmap.h"
#include "menus/machine.h"

namespace {

using menutest::MenuHarness;

// Walks the layer from state 1 (the menu screen open) to the state.
void Reach(int32_t state) {
  if (state == GN_STATE_NONE) {
    GN_Uninit();
    return;
  }
  if (state >= GN_STATE_SET_OF_MENUS) GN_StartSetOfMenus();
  if (state >= GN_STATE_MENU) GN_StartMenu();
  if (state == GN_STATE_STATIC_ITEMS) GN_StartStaticItems();
  if (state == GN_STATE_DRAWING) GN_StartDrawing();
}

// Back to state 1, so that closing the menu screen finds the layer as it left it.
void Unwind() {
  for (;;) {
    switch (GN_GetLayerState()) {
      case GN_STATE_NONE: GN_Init(GN_ENV_FRONT_END); break;
      case GN_STATE_SET_OF_MENUS: GN_EndSetOfMenus(); break;
      case GN_STATE_MENU: GN_EndMenu(); break;
      case GN_STATE_STATIC_ITEMS: GN_EndStaticItems(); break;
      case GN_STATE_DRAWING: GN_EndDrawing(); break;
      default: return;
    }
  }
}

struct Call {
  const char* name;
  std::function<void()> call;
};

const std::vector<Call>& Calls() {
  static const std::vector<Call> calls = {
      {"GN_Init", [] { GN_Init(GN_ENV_FRONT_END); }},
      {"GN_Uninit", [] { GN_Uninit(); }},
      {"GN_StartSetOfMenus", [] { GN_StartSetOfMenus(); }},
      {"GN_EndSetOfMenus", [] { GN_EndSetOfMenus(); }},
      {"GN_StartMenu", [] { GN_StartMenu(); }},
      {"GN_EndMenu", [] { GN_EndMenu(); }},
      {"GN_StartStaticItems", [] { GN_StartStaticItems(); }},
      {"GN_SetStaticBackground", [] { GN_SetStaticBackground(1); }},
      {"GN_SetStaticTitle", [] { GN_SetStaticTitle("Title"); }},
      {"GN_EndStaticItems", [] { GN_EndStaticItems(); }},
      {"GN_StartDrawing", [] { GN_StartDrawing(); }},
      {"GN_EndDrawing", [] { GN_EndDrawing(); }},
      {"GN_Sync", [] { GN_Sync(); }},
      {"GN_SetFontColour", [] { GN_SetFontColour(1); }},
      {"GN_DrawButton", [] { GN_DrawButton(10, 10, 40, 20, 1); }},
      {"GN_DrawColourBox", [] { GN_DrawColourBox(10, 10, 40, 20, 2); }},
      {"GN_DrawGraphic", [] { GN_DrawGraphic(10, 10, 0x44, 3); }},
      {"GN_DrawNumber", [] { GN_DrawNumber(10, 10, 0x44, 42); }},
      {"GN_DrawTextNo", [] { GN_DrawTextNo(10, 10, 0x44, 1); }},
      {"GN_DrawTextAddr", [] { GN_DrawTextAddr(10, 10, 0x44, "text"); }},
      {"GN_DrawTextBoxAddr", [] { GN_DrawTextBoxAddr(10, 10, 200, 40, 0x44, "text"); }},
      {"GN_DrawTextBoxNo", [] { GN_DrawTextBoxNo(10, 10, 200, 40, 0x44, 1); }},
  };
  return calls;
}

const std::function<void()>& CallNamed(const std::string& name) {
  for (const Call& c : Calls())
    if (name == c.name) return c.call;
  ADD_FAILURE() << name;
  static const std::function<void()> none = [] {};
  return none;
}

class GNLayerTest : public MenuHarness {
 protected:
  void TearDown() override {
    GN_MapReset();
    Unwind();
    MenuHarness::TearDown();
  }
};

TEST_F(GNLayerTest, TheMenuScreenOpensAndClosesTheFrontEndEnvironment) {
  EXPECT_EQ(GN_GetLayerState(), GN_STATE_INITIALISED);
  EXPECT_EQ(GN_GetEnvironment(), GN_ENV_FRONT_END);
  UninitSetOfMenus();
  EXPECT_EQ(GN_GetLayerState(), GN_STATE_NONE);
  InitSetOfMenus();
  EXPECT_EQ(GN_GetLayerState(), GN_STATE_INITIALISED);
}

TEST_F(GNLayerTest, TheStatesNestInOrder) {
  const std::vector<std::pair<const char*, int32_t>> walk = {
      {"GN_StartSetOfMenus", 2}, {"GN_StartMenu", 3},   {"GN_StartStaticItems", 4}, {"GN_SetStaticTitle", 4},
      {"GN_EndStaticItems", 3},  {"GN_StartDrawing", 5}, {"GN_DrawButton", 5},       {"GN_EndDrawing", 3},
      {"GN_Sync", 3},            {"GN_EndMenu", 2},      {"GN_EndSetOfMenus", 1},    {"GN_Uninit", 0},
      {"GN_Init", 1}};
  for (const auto& [name, state] : walk) {
    CallNamed(name)();
    EXPECT_EQ(GN_GetLayerState(), state) << name;
  }
}

// Every call made in a state it does not belong to stops with its message.
TEST_F(GNLayerTest, AWrongStateStopsWithTheRoutinesMessage) {
  struct Case {
    int32_t state;
    const char* call;
    const char* message;
  };
  const Case cases[] = {
      {1, "GN_Init", "GN_Init\\(\\): already initialised"},
      {0, "GN_Uninit", "GN_Uninit\\(\\): not initialised, or other error"},
      {0, "GN_StartSetOfMenus", "GN_StartSetOfMenus\\(\\): not initialised, or other error"},
      {1, "GN_EndSetOfMenus", "GN_EndSetOfMenus\\(\\): not started, or other error"},
      {1, "GN_StartMenu", "GN_StartMenu\\(\\): not starting set of menus, or other error"},
      {2, "GN_EndMenu", "GN_EndMenu\\(\\): menu not started, or other error"},
      {2, "GN_StartStaticItems", "GN_StartStaticItems\\(\\): menu not started, or other error"},
      {3, "GN_SetStaticBackground", "GN_SetStaticBackground\\(\\): not in static items"},
      {5, "GN_SetStaticTitle", "GN_SetStaticTitle\\(\\): not in static items"},
      {3, "GN_EndStaticItems", "GN_EndStaticItems\\(\\): static items not started, or other error"},
      {4, "GN_StartDrawing", "GN_StartDrawing\\(\\): menu not started, or other error"},
      {3, "GN_EndDrawing", "GN_EndDrawing\\(\\): menu not drawing"},
      {5, "GN_Sync", "GN_Sync\\(\\): not in a menu, or other error"},
      {3, "GN_SetFontColour", "GN_SetFontColour\\(\\): drawing not started"},
      {4, "GN_DrawButton", "GN_DrawButton\\(\\): drawing not started"},
      {3, "GN_DrawColourBox", "GN_DrawGraphic\\(\\): drawing not started"},
      {3, "GN_DrawGraphic", "GN_DrawGraphic\\(\\): drawing not started"},
      {3, "GN_DrawNumber", "GN_DrawTextNo\\(\\): drawing not started"},
      {3, "GN_DrawTextNo", "GN_DrawTextNo\\(\\): drawing not started"},
      {2, "GN_DrawTextAddr", "GN_DrawTextNo\\(\\): drawing not started"},
      {3, "GN_DrawTextBoxAddr", "GN_DrawTextNo\\(\\): drawing not started"},
      {3, "GN_DrawTextBoxNo", "GN_DrawTextNo\\(\\): drawing not started"},
  };
  for (const Case& c : cases) {
    Reach(c.state);
    const std::function<void()>& call = CallNamed(c.call);
    EXPECT_FATAL(call(), std::string("Abort error: ") + c.message + "\n\\(File: menus.gnlayer") << c.call;
    Unwind();
  }
}

// The state changes first; then an environment other than 0 and 1 stops the
// call with the environment's message.
TEST_F(GNLayerTest, AnUnknownEnvironmentStopsWithTheRoutinesMessage) {
  struct Case {
    int32_t state;
    const char* call;
    const char* message;
  };
  const Case cases[] = {
      {1, "GN_Uninit", "GN_Uninit\\(\\): unknown environment"},
      {1, "GN_StartSetOfMenus", "GN_StartSetOfMenus\\(\\): unknown environment"},
      {2, "GN_EndSetOfMenus", "GN_EndSetOfMenus\\(\\): unknown environment"},
      {2, "GN_StartMenu", "GN_StartMenu\\(\\): unknown environment"},
      {3, "GN_EndMenu", "GN_EndMenu\\(\\): unknown environment"},
      {3, "GN_StartStaticItems", "GN_StartStaticItems\\(\\): unknown environment"},
      {4, "GN_SetStaticBackground", "GN_SetStaticBackground\\(\\): unknown environment"},
      {4, "GN_SetStaticTitle", "GN_SetStaticTitle\\(\\): unknown environment"},
      {4, "GN_EndStaticItems", "GN_EndStaticItems\\(\\): unknown environment"},
      {3, "GN_StartDrawing", "GN_StartDrawing\\(\\): unknown environment"},
      {5, "GN_EndDrawing", "GN_EndDrawing\\(\\): unknown environment"},
      {3, "GN_Sync", "GN_Sync\\(\\): unknown environment"},
      {5, "GN_SetFontColour", "GN_SetFontColour\\(\\): unknown environment"},
      {5, "GN_DrawButton", "GN_DrawButton\\(\\): unknown environment"},
      {5, "GN_DrawColourBox", "GN_DrawGraphic\\(\\): unknown environment"},
      {5, "GN_DrawGraphic", "GN_DrawGraphic\\(\\): unknown environment"},
      {5, "GN_DrawNumber", "GN_\\(\\): unknown environment"},
      {5, "GN_DrawTextNo", "GN_\\(\\): unknown environment"},
      {5, "GN_DrawTextAddr", "GN_DrawTextAddr\\(\\): unknown environment"},
      {5, "GN_DrawTextBoxAddr", "GN_\\(\\): unknown environment"},
      {5, "GN_DrawTextBoxNo", "GN_\\(\\): unknown environment"},
  };
  for (const Case& c : cases) {
    Reach(c.state);
    const std::function<void()>& call = CallNamed(c.call);
    EXPECT_FATAL(
        {
          GN_ForceEnvironment(2);
          call();
        },
        std::string("Abort error: ") + c.message) << c.call;
    Unwind();
  }
  // GN_Init stores the environment before it looks at it.
  GN_Uninit();
  EXPECT_FATAL(GN_Init(7), "Abort error: GN_Init\\(\\): unknown environment");
}

TEST_F(GNLayerTest, OutOfRangeArgumentsStopInsteadOfReadingPastTheTables) {
  struct Case {
    int32_t state;
    std::function<void()> call;
    const char* message;
  };
  const Case cases[] = {
      {5, [] { GN_DrawButton(10, 10, 40, 20, 6); }, "GN_DrawButton\\(\\): unknown button type"},
      {5, [] { GN_DrawButton(10, 10, 40, 20, 0); }, "GN_DrawButton\\(\\): unknown button type"},
      {5, [] { GN_DrawGraphic(10, 10, 0, GN_GRAPHIC_COUNT); }, "GN_DrawGraphic\\(\\): unknown graphic"},
      {5, [] { GN_SetFontColour(-1); }, "GN_SetFontColour\\(\\): unknown colour"},
      {5, [] { GN_DrawColourBox(0, 0, 5, 5, 10); }, "GN_DrawColourBox\\(\\): unknown colour"},
      {4, [] { GN_SetStaticBackground(7); }, "GN_SetStaticBackground\\(\\): unknown background"},
  };
  for (const Case& c : cases) {
    Reach(c.state);
    EXPECT_FATAL(c.call(), c.message);
    Unwind();
  }
}

TEST(GNLayerTables, JustificationBytesBecomeAlignmentFlags) {
  const std::pair<uint8_t, uint16_t> cases[] = {
      {0x00, 0},
      {0x04, ALIGN_LEFT},
      {0x05, ALIGN_HCENTRE},
      {0x06, ALIGN_RIGHT},
      {0x07, 0},
      {0x40, ALIGN_TOP},
      {0x50, ALIGN_VMIDDLE},
      {0x60, ALIGN_BOTTOM},
      {0x70, 0},
      {0x44, ALIGN_LEFT | ALIGN_TOP},
      {0x55, ALIGN_CENTRED},
      {0x66, ALIGN_RIGHT | ALIGN_BOTTOM},
      {0x36, ALIGN_RIGHT},
      {0x5F, ALIGN_VMIDDLE},
  };
  for (const auto& [byte, align] : cases) EXPECT_EQ(GN_JustifyToAlign(byte), align) << int(byte);
}

TEST(GNLayerTables, TheTablesHoldTheirEnds) {
  EXPECT_EQ(GNGraphicIcon[0], 2);
  EXPECT_EQ(GNGraphicIcon[31], 1214);
  EXPECT_EQ(GNGraphicIcon[44], 1437);
  EXPECT_EQ(GNBackgroundNumber[4], 18);
  EXPECT_EQ(GNColourRGB565[9], 0x4A69);
  EXPECT_EQ(GNColourIndex[0], 255);
  EXPECT_EQ(GNFontColourText[9], 11);
  EXPECT_EQ(GN_GetSpareValue(), 0);
}

// The static items become the menu's background: drawing starts from them.
TEST_F(GNLayerTest, StaticItemsAreKeptAndEachDrawingStartsFromThem) {
  Reach(GN_STATE_MENU);
  GN_StartStaticItems();
  GN_SetStaticBackground(1);
  GN_SetStaticTitle("Graphic Options");
  GN_EndStaticItems();
  const std::vector<uint8_t> kept = Buffer();
  EXPECT_FALSE(DiffersFromBackground(0, 0, 640, 480));
  GN_StartDrawing();
  GN_DrawButton(100, 100, 120, 40, 1);
  GN_SetFontColour(9);
  EXPECT_EQ(GetDrawAttribute(DRAW_ATTR_TEXT_COLOUR), 11);
  GN_DrawColourBox(300, 300, 340, 320, 4);
  EXPECT_TRUE(DiffersFromBackground(100, 100, 120, 40));
  EXPECT_TRUE(DiffersFromBackground(300, 300, 40, 20));
  GN_EndDrawing();
  GN_StartDrawing();
  EXPECT_EQ(Buffer(), kept);
  GN_EndDrawing();
}

}  // namespace
