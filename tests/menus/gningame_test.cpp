#include "menus/gningame.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/dxenum.h"
#include "engine/gfx.h"
#include "engine/input.h"
#include "engine/mem_win.h"
#include "engine/poll.h"
#include "menus/gnlayer.h"
#include "platform/platform.h"
#include "render256/fontgame.h"
#include "render256/mgraphic.h"
#include "render256/swframe.h"
#include "render256/swscreen.h"
#include "support/built_game.h"
#include "support/engine_fixture.h"
#include "support/scratch_dir.h"

namespace {

constexpr uint8_t kGuardMarker = 0xA5;

struct ViewSize {
  int width, height;
  int offsetX, offsetY;  // where menu (0, 0) lands on the view
};
const ViewSize kSizes[] = {{640, 480, 0, 0}, {800, 600, 80, 60}, {512, 384, -64, -48}};

// The in-game menus on the built game's data: the palette, its colour tables
// and a game screen of any size, without a display mode unless asked.
class GNInGameTest : public EngineTest {
 protected:
  std::optional<ScratchDir> scratch;
  void SetUp() override {
    EngineTest::SetUp();
    scratch.emplace("gafferon_gningame");
    InitMemory(9500);
  }
  void TearDown() override {
    scratch.reset();
    EngineTest::TearDown();
  }
  bool Start() {
    return StartBuiltGameDisplay();
  }
  void StartPalette() {
    SetupGamePalette();
    BuildColourLUTs();
  }
  // A game screen of the size: the guard border holds the marker, the view a
  // pattern of colours 20-69 (none of them a GN colour's index but 36).
  void OpenScreen(const ViewSize& size) {
    OpenGameScreen(size.width, size.height);
    GfxBuffer* s = GetGameScreen();
    for (int y = 0; y < s->height; ++y)
      for (int x = 0; x < s->stride; ++x) {
        const bool inView = x >= GAME_SCREEN_BORDER && x < GAME_SCREEN_BORDER + size.width &&
                            y >= GAME_SCREEN_BORDER && y < GAME_SCREEN_BORDER + size.height;
        s->pixels[y * s->stride + x] = inView ? static_cast<uint8_t>(20 + (x * 7 + y * 3) % 50) : kGuardMarker;
      }
  }
  // View pixel (x, y).
  static uint8_t& At(int x, int y) {
    GfxBuffer* s = GetGameScreen();
    return s->pixels[(y + GAME_SCREEN_BORDER) * s->stride + x + GAME_SCREEN_BORDER];
  }
  static std::vector<uint8_t> ViewCopy() {
    std::vector<uint8_t> v(static_cast<size_t>(ScreenWidth) * ScreenHeight);
    for (int y = 0; y < ScreenHeight; ++y)
      for (int x = 0; x < ScreenWidth; ++x) v[y * ScreenWidth + x] = At(x, y);
    return v;
  }
  // Nothing outside the view was written.
  static void ExpectGuardUntouched(const char* what) {
    GfxBuffer* s = GetGameScreen();
    int touched = 0;
    for (int y = 0; y < s->height; ++y)
      for (int x = 0; x < s->stride; ++x) {
        const bool inView = x >= GAME_SCREEN_BORDER && x < GAME_SCREEN_BORDER + ScreenWidth &&
                            y >= GAME_SCREEN_BORDER && y < GAME_SCREEN_BORDER + ScreenHeight;
        if (!inView && s->pixels[y * s->stride + x] != kGuardMarker) ++touched;
      }
    EXPECT_EQ(touched, 0) << what << " at " << ScreenWidth << " x " << ScreenHeight;
  }
  // Pixels that differ between two view copies.
  static int Changed(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
    int n = 0;
    for (size_t i = 0; i < a.size(); ++i) n += a[i] != b[i];
    return n;
  }
  static void SendKey(int index) {
    PlatKeyCode code{static_cast<uint8_t>(index & 0x7F), index >= 128};
    PlatSendMessage(WM_KEYDOWN, 0, PlatKeyLParam(code, false));
    PlatSendMessage(WM_KEYUP, 0, PlatKeyLParam(code, true));
  }
};

TEST_F(GNInGameTest, MenuUnitsAreOffsetByHalfTheViewsExcess) {
  for (const ViewSize& size : kSizes) {
    ScreenWidth = size.width;
    ScreenHeight = size.height;
    EXPECT_EQ(GNInGame_ScreenX(0), size.offsetX) << size.width;
    EXPECT_EQ(GNInGame_ScreenY(0), size.offsetY) << size.height;
    EXPECT_EQ(GNInGame_ScreenX(639), 639 + size.offsetX);
    EXPECT_EQ(GNInGame_ScreenY(479), 479 + size.offsetY);
  }
  ScreenWidth = 641;  // an odd excess truncates
  EXPECT_EQ(GNInGame_ScreenX(10), 10);
}

TEST_F(GNInGameTest, JustificationMovesTheAnchorToTheTopLeftCorner) {
  struct Case {
    uint8_t justification;
    int x, y;
  };
  const Case cases[] = {
      {0x44, 100, 100}, {0x55, 80, 90}, {0x66, 60, 79}, {0x45, 80, 100}, {0x64, 100, 79},
      {0x00, 100, 100}, {0x37, 100, 100}, {0x5F, 100, 90}, {0x06, 60, 100}, {0x50, 100, 90},
  };
  for (const Case& c : cases) {
    int x = 100, y = 100;
    GNInGame_ApplyJustification(&x, &y, 40, 21, c.justification);
    EXPECT_EQ(x, c.x) << std::hex << +c.justification;
    EXPECT_EQ(y, c.y) << std::hex << +c.justification;
  }
}

TEST_F(GNInGameTest, FontColoursOneAndEightHighlight) {
  EXPECT_EQ(GNInGame_GetFontStyle(), GN_STYLE_NORMAL);
  for (int colour = -1; colour <= 10; ++colour) {
    GNInGame_SetFontColour(colour);
    EXPECT_EQ(GNInGame_GetFontStyle(), (colour == 1 || colour == 8) ? GN_STYLE_HIGHLIGHT : GN_STYLE_NORMAL) << colour;
  }
}

TEST_F(GNInGameTest, ThePointerIsClampedSoItsGraphicStaysWholeOnTheArea) {
  if (!Start()) GTEST_SKIP() << "no built game data";
  struct Case {
    int16_t fromX, fromY;
    int dx, dy;
    int16_t x, y;
  };
  const Case cases[] = {
      {630, 470, 20, 20, GN_POINTER_MAX_X, GN_POINTER_MAX_Y},
      {3, 3, -20, -20, 0, 0},
      {100, 200, 7, -3, 107, 197},
      {634, 0, 1, -1, 634, 0},
  };
  for (const Case& c : cases) {
    GNInGame_SetPointer(c.fromX, c.fromY);
    PlatMoveCursor(c.dx, c.dy);
    int16_t x = -1, y = -1;
    int32_t buttons = -1;
    GNInGame_ReadMouse(&x, &y, &buttons);
    EXPECT_EQ(x, c.x) << c.fromX << "," << c.fromY;
    EXPECT_EQ(y, c.y) << c.fromX << "," << c.fromY;
    EXPECT_EQ(buttons, 0);
  }
  PlatSetMouseButton(0, true);
  int16_t x, y;
  int32_t buttons = 0;
  GNInGame_ReadMouse(&x, &y, &buttons);
  EXPECT_EQ(buttons, 1);
}

TEST_F(GNInGameTest, ThePointerIsDrawnAndTakenOffAgainWithinTheView) {
  if (!Start()) GTEST_SKIP() << "no built game data";
  StartPalette();
  const GraphicSlot* pointer = MGraphGetItem(MGRAPHIC_MOUSE);
  const int16_t places[][2] = {{0, 0}, {100, 100}, {GN_POINTER_MAX_X, GN_POINTER_MAX_Y}, {600, 10}};
  for (const ViewSize& size : kSizes) {
    OpenScreen(size);
    for (const auto& p : places) {
      SCOPED_TRACE(std::to_string(size.width) + " pointer " + std::to_string(p[0]) + "," + std::to_string(p[1]));
      const std::vector<uint8_t> before = ViewCopy();
      GNInGame_SetPointer(p[0], p[1]);
      GNInGame_DrawPointer();
      const std::vector<uint8_t> drawn = ViewCopy();
      // Every opaque pixel of the pointer that falls on the view is drawn.
      int expected = 0;
      const uint8_t* frame = MGraphFrame(pointer, 0);
      for (int y = 0; y < pointer->height; ++y)
        for (int x = 0; x < pointer->width; ++x) {
          const int vx = p[0] + size.offsetX + x, vy = p[1] + size.offsetY + y;
          if (vx < 0 || vy < 0 || vx >= size.width || vy >= size.height) continue;
          const uint8_t c = frame[y * pointer->width + x];
          if (c == 0) continue;
          ++expected;
          EXPECT_EQ(At(vx, vy), c);
        }
      const int left = p[0] + size.offsetX, top = p[1] + size.offsetY;
      const bool onView = left < size.width && left + pointer->width > 0 && top < size.height &&
                          top + pointer->height > 0;
      EXPECT_EQ(expected > 0, onView);
      EXPECT_LE(Changed(before, drawn), expected);  // nothing but the pointer
      GNInGame_Poll();
      GNInGame_RestorePointerArea();
      EXPECT_EQ(ViewCopy(), before);
    }
    ExpectGuardUntouched("the pointer");
  }
}

TEST_F(GNInGameTest, AButtonIsABevelOfRemappedStripsAndOtherTypesDrawNothing) {
  if (!Start()) GTEST_SKIP() << "no built game data";
  StartPalette();
  const uint8_t* lut[3] = {GetColourLUT(0), GetColourLUT(1), GetColourLUT(2)};
  struct Button {
    int x, y, w, h;
  };
  // The last hangs off the top-left corner of the small view.
  const Button buttons[] = {{100, 50, 40, 20}, {300, 200, 9, 7}, {20, 10, 60, 60}, {600, 450, 100, 100}};
  for (const ViewSize& size : kSizes) {
    OpenScreen(size);
    for (const Button& b : buttons) {
      SCOPED_TRACE(std::to_string(size.width) + " button at " + std::to_string(b.x) + "," + std::to_string(b.y));
      const std::vector<uint8_t> before = ViewCopy();
      for (int type = 2; type <= 6; ++type) GNInGame_DrawButton(b.x, b.y, b.w, b.h, type);
      EXPECT_EQ(ViewCopy(), before);
      GNInGame_DrawButton(b.x, b.y, b.w, b.h, 1);
      int wrong = 0;
      for (int vy = 0; vy < size.height; ++vy)
        for (int vx = 0; vx < size.width; ++vx) {
          const int x = vx - size.offsetX - b.x, y = vy - size.offsetY - b.y;  // within the button
          const uint8_t original = before[vy * size.width + vx];
          int table = -1;
          if (x >= 0 && y >= 0 && x < b.w && y < b.h) {
            if ((y < 2 && x >= 2) || (x < 2 && y < b.h - 2)) table = 2;  // top and left: lighter
            else if ((y >= b.h - 2 && x < b.w - 2) || (x >= b.w - 2 && y >= 2)) table = 0;  // bottom and right
            else table = 1;  // the inside, darkest
          }
          const uint8_t want = table < 0 ? original : lut[table][original];
          wrong += At(vx, vy) != want;
        }
      EXPECT_EQ(wrong, 0);
    }
    ExpectGuardUntouched("the buttons");
  }
}

TEST_F(GNInGameTest, AColourBoxIsOneLineInThePaletteIndexOfItsColour) {
  if (!Start()) GTEST_SKIP() << "no built game data";
  StartPalette();
  for (const ViewSize& size : kSizes) {
    OpenScreen(size);
    const std::vector<uint8_t> before = ViewCopy();
    GNInGame_DrawColourBox(100, 100, 200, 150, 3);
    const std::vector<uint8_t> after = ViewCopy();
    int changed = 0;
    for (size_t i = 0; i < after.size(); ++i)
      if (after[i] != before[i]) {
        ++changed;
        EXPECT_EQ(after[i], GNColourIndex[3]);
      }
    EXPECT_EQ(changed, 100) << size.width;  // one pixel a column: a line, not a box
    EXPECT_EQ(At(100 + size.offsetX, 100 + size.offsetY), GNColourIndex[3]);
    EXPECT_EQ(At(150 + size.offsetX, 101 + size.offsetY), before[(101 + size.offsetY) * size.width + 150 + size.offsetX]);
    // A line running off the view, and colours outside the table.
    GNInGame_DrawColourBox(-100, -100, 700, 500, 4);
    GNInGame_DrawColourBox(0, 0, 639, 479, -1);
    GNInGame_DrawColourBox(0, 0, 639, 479, GN_COLOUR_COUNT);
    ExpectGuardUntouched("the colour boxes");
  }
}

TEST_F(GNInGameTest, GraphicZeroDrawsNothingAndTheLastFourteenDrawTheShadowMask) {
  if (!Start()) GTEST_SKIP() << "no built game data";
  StartPalette();
  // What drawing match graphic g's frame f with its top-left at menu (x, y) gives.
  auto oracle = [](const std::vector<uint8_t>& before, int graphic, int frame, int x, int y) {
    std::vector<uint8_t> want = before;
    const GraphicSlot* slot = MGraphGetItem(graphic);
    const uint8_t* pixels = MGraphFrame(slot, frame < slot->frames ? frame : 0);
    for (int r = 0; r < slot->height; ++r)
      for (int c = 0; c < slot->width; ++c) {
        const int vx = GNInGame_ScreenX(x + c), vy = GNInGame_ScreenY(y + r);
        if (vx < 0 || vy < 0 || vx >= ScreenWidth || vy >= ScreenHeight) continue;
        if (pixels[r * slot->width + c] != 0) want[vy * ScreenWidth + vx] = pixels[r * slot->width + c];
      }
    return want;
  };
  struct Case {
    int gn, graphic, frame;
  };
  const Case cases[] = {{1, 17, 0}, {2, 6, 0}, {5, 16, 2}, {16, 20, 0}, {26, 20, 10}, {27, 33, 2}, {30, 33, 1},
                        {29, 33, 3}, {31, 0, 0}, {38, 0, 0}, {44, 0, 0}};
  for (const ViewSize& size : kSizes) {
    OpenScreen(size);
    std::vector<uint8_t> before = ViewCopy();
    GNInGame_DrawGraphic(300, 200, 0x55, 0);
    GNInGame_DrawGraphic(300, 200, 0x55, -1);
    GNInGame_DrawGraphic(300, 200, 0x55, GN_GRAPHIC_COUNT);
    EXPECT_EQ(ViewCopy(), before) << size.width;
    for (const Case& c : cases) {
      for (const int at : {0, 330, 620}) {
        before = ViewCopy();
        GNInGame_DrawGraphic(at, at / 2, 0x44, c.gn);
        EXPECT_EQ(ViewCopy(), oracle(before, c.graphic, c.frame, at, at / 2)) << size.width << " gn " << c.gn;
      }
    }
    // Centred on its anchor.
    const GraphicSlot* mask = MGraphGetItem(0);
    before = ViewCopy();
    GNInGame_DrawGraphic(320, 240, 0x55, 40);
    EXPECT_EQ(ViewCopy(), oracle(before, 0, 0, 320 - mask->width / 2, 240 - mask->height / 2));
    ExpectGuardUntouched("the graphics");
  }
}

// The columns of the view that hold ink (pixels changed) and its rows.
struct Ink {
  int left = 1 << 30, right = -1, top = 1 << 30, bottom = -1;
  bool any() const { return right >= 0; }
};
Ink InkOf(const std::vector<uint8_t>& before, const std::vector<uint8_t>& after) {
  Ink ink;
  for (int y = 0; y < ScreenHeight; ++y)
    for (int x = 0; x < ScreenWidth; ++x)
      if (before[y * ScreenWidth + x] != after[y * ScreenWidth + x]) {
        ink.left = std::min(ink.left, x);
        ink.right = std::max(ink.right, x);
        ink.top = std::min(ink.top, y);
        ink.bottom = std::max(ink.bottom, y);
      }
  return ink;
}

TEST_F(GNInGameTest, TextIsPlacedByItsJustificationInTheCurrentStyle) {
  if (!Start()) GTEST_SKIP() << "no built game data";
  StartPalette();
  const char* text = "Substitutions";
  const int width = FONT_GetTextWidth(text, GN_STYLE_NORMAL);
  const int height = FONT_GetItem(GN_STYLE_NORMAL)->glyphHeight;
  for (const ViewSize& size : kSizes) {
    OpenScreen(size);
    struct Case {
      uint8_t justification;
      int left, top;  // the text box's corner in menu units
    };
    const Case cases[] = {{0x44, 320, 240}, {0x55, 320 - width / 2, 240 - height / 2}, {0x66, 320 - width, 240 - height}};
    for (const Case& c : cases) {
      const std::vector<uint8_t> before = ViewCopy();
      GNInGame_SetFontColour(0);
      GNInGame_DrawTextAddr(320, 240, c.justification, text);
      const Ink ink = InkOf(before, ViewCopy());
      ASSERT_TRUE(ink.any());
      EXPECT_GE(ink.left, c.left + size.offsetX) << std::hex << +c.justification;
      EXPECT_LT(ink.left, c.left + size.offsetX + 8);
      EXPECT_LT(ink.right, c.left + size.offsetX + width);
      EXPECT_GT(ink.right, c.left + size.offsetX + width / 2);
      EXPECT_GE(ink.top, c.top + size.offsetY);
      EXPECT_LE(ink.bottom, c.top + size.offsetY + height);
      // The same text from a number and from a text number's string.
      OpenScreen(size);
    }
    std::vector<uint8_t> before = ViewCopy();
    GNInGame_DrawNumber(100, 100, 0x44, -1234);
    std::vector<uint8_t> number = ViewCopy();
    OpenScreen(size);
    GNInGame_DrawTextAddr(100, 100, 0x44, "-1234");
    EXPECT_EQ(ViewCopy(), number);
    EXPECT_NE(number, before);
    // The highlight style draws other pixels.
    OpenScreen(size);
    GNInGame_SetFontColour(8);
    GNInGame_DrawTextAddr(100, 100, 0x44, "-1234");
    EXPECT_NE(ViewCopy(), number);
    GNInGame_SetFontColour(0);
    // Text hanging off every edge of the view.
    GNInGame_DrawTextAddr(-30, -5, 0x44, text);
    GNInGame_DrawTextAddr(660, 490, 0x66, text);
    GNInGame_DrawTextAddr(639, 240, 0x44, text);
    ExpectGuardUntouched("the texts");
  }
}

TEST_F(GNInGameTest, ATextBoxIsWrappedAtBlanksInsideTheBox) {
  if (!Start()) GTEST_SKIP() << "no built game data";
  StartPalette();
  const char* text = "The manager has made two changes at half time and the crowd is not yet sure about either";
  const int lineHeight = FONT_GetItem(GN_STYLE_NORMAL)->glyphHeight;
  for (const ViewSize& size : kSizes) {
    OpenScreen(size);
    struct Case {
      uint8_t justification;
      int x, y, w, h;
    };
    const Case cases[] = {{0x44, 100, 100, 200, 200}, {0x55, 20, 20, 160, 300}, {0x66, 400, 300, 230, 170}};
    for (const Case& c : cases) {
      SCOPED_TRACE(std::to_string(size.width) + " box justified " + std::to_string(c.justification));
      const std::vector<uint8_t> before = ViewCopy();
      GNInGame_DrawTextBoxAddr(c.x, c.y, c.w, c.h, c.justification, text);
      const Ink ink = InkOf(before, ViewCopy());
      ASSERT_TRUE(ink.any());
      EXPECT_GE(ink.left, c.x + size.offsetX);
      EXPECT_LT(ink.right, c.x + c.w + size.offsetX);
      EXPECT_GE(ink.top, c.y + size.offsetY);
      EXPECT_LT(ink.bottom, c.y + c.h + size.offsetY);
      EXPECT_GE(ink.bottom - ink.top, 2 * lineHeight);  // three lines at least
      OpenScreen(size);
    }
    // Newlines end lines; a word wider than the box runs on, clipped to the view.
    GNInGame_DrawTextBoxAddr(600, 400, 10, 100, 0x44, "Overlongwordthatdoesnotfit\nand more words here");
    GNInGame_DrawTextBoxAddr(-50, -50, 80, 80, 0x55, "");
    ExpectGuardUntouched("the text boxes");
  }
}

TEST_F(GNInGameTest, StaticItemsDarkenTheAreaWithATitleBarAndAreRestoredForEachRedraw) {
  if (!Start()) GTEST_SKIP() << "no built game data";
  StartPalette();
  std::vector<uint8_t> saveBuffer(GN_AREA_WIDTH * GN_AREA_HEIGHT);
  GNInGame_SetSaveBuffer(saveBuffer.data());
  for (const ViewSize& size : kSizes) {
    SCOPED_TRACE(size.width);
    OpenScreen(size);
    const std::vector<uint8_t> original = ViewCopy();
    const uint8_t* darkest = GetColourLUT(1);
    const uint8_t* darker = GetColourLUT(0);
    GNInGame_StartStaticItems();  // no match running: no overlays
    std::vector<uint8_t> darkened = ViewCopy();
    for (int vy = 0; vy < size.height; vy += 7)
      for (int vx = 0; vx < size.width; vx += 5) {
        const int x = vx - size.offsetX, y = vy - size.offsetY;
        const bool inArea = x >= 0 && y >= 0 && x < GN_AREA_WIDTH && y < GN_AREA_HEIGHT;
        const uint8_t o = original[vy * size.width + vx];
        ASSERT_EQ(darkened[vy * size.width + vx], inArea ? darkest[o] : o) << vx << "," << vy;
      }
    GNInGame_SetStaticBackground(3);
    GNInGame_SetStaticTitle("Match Options");
    const std::vector<uint8_t> titled = ViewCopy();
    // The bar is remapped once more, the text drawn on it centred.
    const int textWidth = FONT_GetTextWidth("Match Options", GN_STYLE_TITLE);
    int wrong = 0, text = 0;
    for (int y = 30; y < 66; ++y)
      for (int x = 30; x < 610; ++x) {
        const int vx = x + size.offsetX, vy = y + size.offsetY;
        if (vx < 0 || vy < 0 || vx >= size.width || vy >= size.height) continue;
        const uint8_t was = darkened[vy * size.width + vx], now = titled[vy * size.width + vx];
        const bool inBar = x >= 32 && x < 608 && y >= 32 && y < 64;
        const bool inText = x >= 320 - textWidth / 2 && x < 320 + textWidth / 2 + 2;
        if (!inBar)
          wrong += now != was;
        else if (!inText)
          wrong += now != darker[was];
        else
          text += now != darker[was];
      }
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(text, 20);
    GNInGame_EndStaticItems();
    // A redraw starts from the kept picture.
    GNInGame_StartDrawing();
    EXPECT_EQ(GNInGame_GetFontStyle(), GN_STYLE_NORMAL);
    GNInGame_DrawButton(100, 100, 200, 100, 1);
    GNInGame_SetFontColour(1);
    GNInGame_DrawTextAddr(200, 150, 0x55, "Resume");
    EXPECT_NE(ViewCopy(), titled);
    GNInGame_EndDrawing();
    GNInGame_StartDrawing();
    EXPECT_EQ(ViewCopy(), titled);
    EXPECT_EQ(GNInGame_GetFontStyle(), GN_STYLE_NORMAL);
    ExpectGuardUntouched("the static items");
  }
  GNInGame_SetSaveBuffer(nullptr);
}

TEST_F(GNInGameTest, ADarkenedMatchKeepsItsScoreLineUnderTheMenu) {
  if (!Start()) GTEST_SKIP() << "no built game data";
  StartPalette();
  for (const ViewSize& size : kSizes) {
    OpenScreen(size);
    GNInGame_StartStaticItems();  // no match frame: the view is only darkened
    const std::vector<uint8_t> without = ViewCopy();
    OpenScreen(size);
    SwFrame.created = 1;
    GNInGame_StartStaticItems();
    SwFrame.created = 0;
    // The score line in the view's top-left corner.
    const std::vector<uint8_t> with = ViewCopy();
    int inked = 0, elsewhere = 0;
    for (int y = 0; y < size.height; ++y)
      for (int x = 0; x < size.width; ++x) {
        const bool differs = with[y * size.width + x] != without[y * size.width + x];
        (x < 200 && y < 40 ? inked : elsewhere) += differs;
      }
    EXPECT_GT(inked, 20) << size.width;
    EXPECT_EQ(elsewhere, 0) << size.width;
    ExpectGuardUntouched("the overlays");
  }
}

TEST_F(GNInGameTest, KeepingOrRestoringTheAreaWithoutASaveBufferStops) {
  EXPECT_FATAL(GNInGame_EndStaticItems(), "GNInGame_EndStaticItems\\(\\): no save buffer");
  EXPECT_FATAL(GNInGame_StartDrawing(), "GNInGame_StartDrawing\\(\\): no save buffer");
}

TEST_F(GNInGameTest, AStandaloneScreenNeedsAnEightBitModeOfItsSize) {
  if (!Start()) GTEST_SKIP() << "no built game data";
  const MemoryStats before = GetMemoryStats();
  EXPECT_FALSE(GNInGame_OpenStandaloneScreen(700, 500));  // the display has no such mode
  EXPECT_EQ(GetGameScreen(), nullptr);
  int grabs = 0;
  for (const ViewSize& size : kSizes) {
    SCOPED_TRACE(size.width);
    ASSERT_TRUE(GNInGame_OpenStandaloneScreen(size.width, size.height));
    EXPECT_EQ(ScreenWidth, size.width);
    EXPECT_EQ(ScreenHeight, size.height);
    EXPECT_EQ(GfxScreen.width, static_cast<uint32_t>(size.width));
    // A green pitch: every pixel of the view painted, mostly in greens.
    int black = 0;
    for (int y = 0; y < size.height; ++y)
      for (int x = 0; x < size.width; ++x) black += At(x, y) == 0;
    EXPECT_EQ(black, 0);
    const uint8_t c = At(5, size.height / 3);
    EXPECT_GT(GamePalette[c * 3 + 1], GamePalette[c * 3]);  // more green than red
    EXPECT_GT(GamePalette[c * 3 + 1], GamePalette[c * 3 + 2]);
    // Scroll Lock during a pointer frame writes a grab.
    SendKey(70);
    GNInGame_SetPointer(320, 240);
    GNInGame_DrawPointer();
    GNInGame_RestorePointerArea();
    char name[32];
    std::snprintf(name, sizeof name, "grab%04d.tga", ++grabs);
    EXPECT_TRUE(std::filesystem::exists(name));
    GNInGame_CloseStandaloneScreen();
    EXPECT_EQ(GetGameScreen(), nullptr);
  }
  GNInGame_CloseStandaloneScreen();  // twice is harmless
  FreeAutoFreeMemory();
  const MemoryStats after = GetMemoryStats();
  EXPECT_EQ(after.count, before.count);
  UninitPoll();
}

}  // namespace
