#include "engine/gfx.h"

#include <optional>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/dxdraw.h"
#include "engine/dxenum.h"
#include "support/engine_fixture.h"
#include "support/scratch_dir.h"

namespace {

namespace fs = std::filesystem;

// The graphics layer on the headless display, windowed or full screen.
class GfxTest : public EngineTest {
 protected:
  void Start(bool windowed) {
    InitMemory(9500);
    WinInit(nullptr, "Gafferon test", windowed ? 1 : 0);
    DXEnumDisplay();
    GfxInit(0);
  }
  int16_t Mode(int width, int height, int type) {
    int16_t m = GfxFindMode(width, height, type);
    EXPECT_GE(m, 0) << width << "x" << height << " type " << type;
    return m;
  }
  // The mode of the screen layout's size in a colour type (the front end's screen).
  int16_t ScreenMode(int type) { return Mode(PLAT_LAYOUT_WIDTH, PLAT_LAYOUT_HEIGHT, type); }
  // The colour the window shows at x, y (0x00RRGGBB), after the paint.
  uint32_t Shown(int x, int y) {
    Poll();
    uint32_t w, h;
    const uint32_t* pixels;
    if (!PlatLastPresented(&w, &h, &pixels)) return 0xDEADBEEF;
    return pixels[y * w + x];
  }
};

TEST_F(GfxTest, WindowedModeListIsSortedAndHasTheEmulatedModesOnce) {
  Start(true);
  for (int i = 1; i < GfxModeCount; ++i) {
    const GfxMode &a = GfxModeList[i - 1], &b = GfxModeList[i];
    EXPECT_TRUE(a.type < b.type || (a.type == b.type && a.width * a.height <= b.width * b.height)) << i;
  }
  const struct {
    int width, height, type;
    bool present;
  } cases[] = {
      {640, 480, 0, true},  {640, 480, 1, true},  {640, 480, 2, true},   {640, 480, 3, true},
      {320, 200, 0, true},  {320, 240, 0, true},  {512, 384, 0, true},   {512, 384, 1, false},
      {1024, 768, 1, true}, {1024, 768, 2, false}, {400, 300, 3, true},
  };
  for (const auto& c : cases) {
    int found = 0;
    for (int i = 0; i < GfxModeCount; ++i) {
      const GfxMode& m = GfxModeList[i];
      if (m.width == c.width && m.height == c.height && m.type == c.type) ++found;
    }
    EXPECT_EQ(found, c.present ? 1 : 0) << c.width << "x" << c.height << " type " << c.type;
  }
  EXPECT_EQ(GfxModeList[GfxFindMode(320, 200, 0)].standardVga, 1);
  EXPECT_EQ(GfxModeList[GfxFindMode(640, 480, 1)].bytesPerPixel, 2);
}

TEST_F(GfxTest, FullScreenListsOnlyTheCardsModes) {
  Start(false);
  EXPECT_GE(GfxFindMode(640, 480, 1), 0);
  EXPECT_EQ(GfxFindMode(640, 480, 2), -1);  // 24-bit is emulated for windows only
  EXPECT_EQ(GfxFindMode(320, 240, 0), -1);  // Mode X is not offered
}

TEST_F(GfxTest, SortAndSearches) {
  GfxModeCount = 3;
  GfxModeList[0] = {640, 480, 2, 1, 0, 0};
  GfxModeList[1] = {320, 200, 1, 0, 0, 0};
  GfxModeList[2] = {640, 480, 1, 0, 0, 0};
  GfxSortModes();
  EXPECT_EQ(GfxModeList[0].width, 320);
  EXPECT_EQ(GfxModeList[1].type, 0);
  EXPECT_EQ(GfxModeList[1].width, 640);
  EXPECT_EQ(GfxModeList[2].type, 1);

  GfxModeCount = 5;
  GfxModeList[0] = {640, 400, 1, 0, 0, 0};
  GfxModeList[1] = {400, 640, 1, 0, 0, 0};  // equal area, later: never taken over the first
  GfxModeList[2] = {640, 480, 1, 0, 0, 0};
  GfxModeList[3] = {800, 600, 1, 0, 1, 0};
  GfxModeList[4] = {640, 480, 2, 1, 1, 0};
  const struct {
    int width, height, type;
    uint16_t mask, wanted;
    int16_t want;
  } cases[] = {
      {600, 400, 0, 0, 0, 0},  {400, 400, 0, 0, 0, 0}, {600, 401, 0, 0, 0, 2},  {600, 400, 0, 1, 1, 3},
      {900, 400, 0, 0, 0, -1}, {600, 400, 1, 0, 0, 4}, {600, 400, 1, 1, 0, -1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(GfxFindSmallestMode(c.width, c.height, c.type, c.mask, c.wanted), c.want)
        << c.width << "x" << c.height << " type " << c.type << " mask " << c.mask;
  EXPECT_EQ(GfxFindSmallestModeAny(700, 500, 0), 3);
  EXPECT_EQ(GfxFindModeFlags(640, 480, 1, 1, 1), 4);
  EXPECT_EQ(GfxFindModeFlags(640, 480, 1, 1, 0), -1);
  EXPECT_EQ(GfxFindMode(640, 480, 0), 2);
  GfxClearModeList();
  EXPECT_EQ(GfxFindMode(640, 480, 0), -1);
}

TEST_F(GfxTest, ModeNumbersAndOrderAreChecked) {
  Start(true);
  EXPECT_FATAL(SetGraphicMode(-1, 0), "Error: SetGraphicMode\\(\\): Bad mode number");
  EXPECT_FATAL(SetGraphicMode(static_cast<int16_t>(GfxModeCount), 0), "Error: SetGraphicMode\\(\\): Bad mode number");
  EXPECT_FATAL(RestoreGraphicMode(), "Cannot restore graphics mode - no mode set");
  SetGraphicMode(ScreenMode(0), 0);
  EXPECT_EQ(GfxState, GFX_STATE_PALETTE);
  EXPECT_EQ(GfxScreen.width, static_cast<uint32_t>(PLAT_LAYOUT_WIDTH));
  EXPECT_EQ(GfxScreen.palette[3 * 255], 63);
  EXPECT_FATAL(SetGraphicMode(ScreenMode(0), 0), "Cannot set graphics mode when already in graphics mode");
  EXPECT_FATAL(GfxFlip(), "GfxFlip\\(\\): mode is not a flippable mode");
  EXPECT_FATAL(DDrawGetDirectDrawSurface(5), "unknown surface type\n\\(File: dxdraw");
  RestoreGraphicMode();
  EXPECT_EQ(GfxState, GFX_STATE_NONE);
  EXPECT_EQ(GfxScreen.width, 0u);
  EXPECT_EQ(DDrawInfo.primarySurface, nullptr);
  EXPECT_FATAL(GfxInit(0), "GfxInit\\(\\): already initialised");
}

TEST_F(GfxTest, SetPaletteFixesBlackAndWhite) {
  Start(true);
  uint8_t palette[768];
  for (int i = 0; i < 768; ++i) palette[i] = 10;
  SetPalette(palette);  // no mode: only the caller's array changes
  EXPECT_EQ(palette[0], 0);
  EXPECT_EQ(palette[767], 63);
  SetGraphicMode(ScreenMode(0), 0);
  palette[3 * 7] = 63;
  palette[3 * 7 + 1] = palette[3 * 7 + 2] = 0;
  SetPalette(palette);
  EXPECT_EQ(GfxScreen.palette[21], 63);
  GfxFillRect(10, 20, 4, 4, 7);
  EXPECT_EQ(Shown(11, 21), 0xFC0000u);  // 63 << 2
  RestoreGraphicMode();
  SetGraphicMode(ScreenMode(1), 0);
  EXPECT_FATAL(SetPalette(palette), "Cannot set palette in hi-colour modes!");
}

TEST_F(GfxTest, WindowedPresentationBlitsOrConvertsByFormat) {
  Start(true);
  const struct {
    int type;
    uint32_t colour;
    uint16_t sameFormat;  // surface-flags bit 0: the visible surface is the desktop's format
    uint32_t shown;
  } cases[] = {
      {1, 0x7C00, 0, 0xFF0000},    // 5:5:5 on a 32-bit desktop: converted
      {3, 0x00FF00, 1, 0x00FF00},  // 32-bit: copied as it is
      {2, 0x0000FF, 0, 0x0000FF},
  };
  for (const auto& c : cases) {
    SetGraphicMode(ScreenMode(c.type), 0);
    EXPECT_EQ(DDrawInfo.surfaceFlags & 1, c.sameFormat) << c.type;
    GfxPutPixel(5, 6, c.colour);
    EXPECT_EQ(GfxGetPixel(5, 6), c.colour);
    EXPECT_EQ(Shown(5, 6), c.shown) << c.type;
    RestoreGraphicMode();
  }
}

TEST_F(GfxTest, APaintMissedWhileInactiveDoesNotStopLaterPaints) {
  Start(true);
  SetGraphicMode(ScreenMode(0), 0);
  PlatSendMessage(WM_KILLFOCUS, 0, 0);
  GfxFillRect(0, 0, 4, 4, 200);
  PlatMsg m;
  while (PlatPeekMessage(&m, true)) PlatDispatchMessage(m);  // the paint goes unanswered
  PlatSendMessage(WM_SETFOCUS, 0, 0);
  PlatSendMessage(WM_ACTIVATE, 1, 0);  // coming back invalidates the window
  EXPECT_EQ(Shown(1, 1), 0xC8C8C8u);
  GfxFillRect(0, 0, 4, 4, 100);
  EXPECT_EQ(Shown(1, 1), 0x646464u);
  RestoreGraphicMode();
}

TEST_F(GfxTest, FullScreenFlipPresentsTheBackBuffer) {
  Start(false);
  SetGraphicMode(ScreenMode(1), GFX_MODE_FLIP);
  EXPECT_EQ(GfxScreen.colourFormat.green.bits, 6u);  // the card's 5:6:5
  EXPECT_NE(DDrawInfo.drawingSurface, DDrawInfo.visibleSurface);
  uint32_t before = PlatPresentCount();
  GfxPutPixel(1, 1, 0xFFFF);
  EXPECT_EQ(PlatPresentCount(), before);  // drawn off screen
  GfxFlip();
  EXPECT_EQ(PlatPresentCount(), before + 1);
  uint32_t w, h;
  const uint32_t* pixels;
  ASSERT_TRUE(PlatLastPresented(&w, &h, &pixels));
  EXPECT_EQ(pixels[w + 1], 0xFFFFFFu);
  RestoreGraphicMode();
}

TEST_F(GfxTest, FullScreenDrawingStraightOnTheScreenIsShownAtTheNextPump) {
  Start(false);
  SetGraphicMode(ScreenMode(0), 0);
  EXPECT_EQ(DDrawInfo.drawingSurface, DDrawInfo.primarySurface);
  uint8_t palette[768] = {};
  palette[3 * 4 + 2] = 63;
  SetPalette(palette);
  GfxFillRect(0, 0, 8, 8, 4);
  EXPECT_EQ(Shown(7, 7), 0x0000FCu);
  uint32_t count = PlatPresentCount();
  Poll();
  EXPECT_EQ(PlatPresentCount(), count);  // nothing new drawn: nothing shown again
  RestoreGraphicMode();
}

TEST_F(GfxTest, StandardVgaFlagOnlyOn320x200) {
  Start(false);
  GfxMode wrong{640, 480, 1, 0, 0, 1};
  EXPECT_FATAL(DDrawSetMode(wrong, 0), "UseStdVGAFlag set, but mode is not 320x200,8bit");
  SetGraphicMode(Mode(320, 200, 0), 0);
  EXPECT_EQ(GfxScreen.width, 320u);
  RestoreGraphicMode();
}

TEST_F(GfxTest, ZBufferNeedsA3DDevice) {
  const struct {
    PlatPixelFormat format;
    uint32_t depth, stencil;
    int score;
  } cases[] = {
      {{PLAT_PF_ZBUFFER, 16, 0xFFFF, 0, 0, 0, 0}, 16, 0, 16},
      {{PLAT_PF_ZBUFFER, 24, 0xFFFFFF, 0, 0, 0, 0}, 16, 0, 8},
      {{PLAT_PF_ZBUFFER, 8, 0xFF, 0, 0, 0, 0}, 16, 0, 6},
      {{PLAT_PF_ZBUFFER, 16, 0xFFFF, 0, 0, 0, 0}, 16, 1, -1},
      {{PLAT_PF_ZBUFFER | PLAT_PF_STENCILBUFFER, 32, 0xFFFFFF, 0xFF000000, 0, 0, 8}, 16, 1, 3},
      {{PLAT_PF_ZBUFFER | PLAT_PF_STENCILBUFFER, 16, 0x7FFF, 0x8000, 0, 0, 1}, 16, 1, 16},
      {{PLAT_PF_RGB, 16, 0xF800, 0x7E0, 0x1F, 0, 0}, 16, 0, -1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DDrawScoreZBufferFormat(c.format, c.depth, c.stencil), c.score) << c.format.bitCount;
  Start(true);
  // The z formats come from Direct3D, which GfxInit(0) leaves out.
  EXPECT_FATAL(SetGraphicMode(ScreenMode(1), GFX_MODE_ZBUFFER), "D3DGetD3D7\\(\\): no Direct3D created");
  EXPECT_FATAL(SetGraphicMode(ScreenMode(1), GFX_MODE_D3D), "no 3d device selected");
}

TEST_F(GfxTest, NestedDrawingLocksOnceAndMarksOnlyRealRectangles) {
  Start(true);
  SetGraphicMode(ScreenMode(0), 0);
  PlatRect r;
  while (PlatBeginPaint(&r)) {
  }
  GfxBuffer *outer, *inner;
  DDrawBeginDraw(&outer);
  DDrawBeginDraw(&inner);
  EXPECT_EQ(outer, inner);
  EXPECT_EQ(inner->stride, PLAT_LAYOUT_WIDTH);
  DDrawEndDraw(&inner, 0, 0, 10, 10);
  EXPECT_EQ(inner, nullptr);
  EXPECT_EQ(DDrawInfo.lockCount, 1);
  EXPECT_FALSE(PlatBeginPaint(&r));  // still locked: nothing marked
  DDrawEndDraw(&outer, 5, 5, 0, 8);
  EXPECT_EQ(DDrawInfo.lockCount, 0);
  EXPECT_FALSE(PlatBeginPaint(&r));  // width 0 marks nothing
  GfxFillRect(3, 4, 5, 6, 1);
  ASSERT_TRUE(PlatBeginPaint(&r));
  EXPECT_EQ(r.left, 3);
  EXPECT_EQ(r.bottom, 10);
}

TEST_F(GfxTest, LostSurfacesComeBackWhenTheGameIsActiveAgain) {
  Start(true);
  SetGraphicMode(ScreenMode(0), 0);
  PlatDisplayLoseSurfaces();
  EXPECT_EQ(PlatSurfaceIsLost(DDrawInfo.drawingSurface), PLATERR_SURFACELOST);
  WinCallTaskswitchFuncs(0);
  WinCallTaskswitchFuncs(1);
  EXPECT_EQ(PlatSurfaceIsLost(DDrawInfo.drawingSurface), PLAT_OK);
  GfxPutPixel(0, 0, 9);
  EXPECT_EQ(GfxGetPixel(0, 0), 9u);
}

TEST_F(GfxTest, ScreenDrawingIsClippedToTheScreen) {
  Start(true);
  GfxPutPixel(1, 1, 5);  // no mode: nothing
  EXPECT_EQ(GfxGetPixel(1, 1), 0u);
  SetGraphicMode(Mode(320, 200, 0), 0);
  GfxFillRect(-10, -10, 20, 20, 3);
  EXPECT_EQ(GfxGetPixel(9, 9), 3u);
  EXPECT_EQ(GfxGetPixel(10, 10), 0u);
  GfxFillRect(310, 190, 100, 100, 4);
  EXPECT_EQ(GfxGetPixel(319, 199), 4u);
  GfxDrawLine(-100, 100, 1000, 100, 6);
  EXPECT_EQ(GfxGetPixel(0, 100), 6u);
  EXPECT_EQ(GfxGetPixel(319, 100), 6u);
  EXPECT_EQ(GfxGetPixel(-1, 100), 0u);
  GfxPrintString(316, 50, "\x7f");
  GfxDrawChar(-4, 60, 127);
  EXPECT_EQ(GfxGetPixel(317, 50), 0xFFu);
  EXPECT_EQ(GfxGetPixel(0, 60), 0xFFu);
  GfxPrintf(-20000, 20000, "%s", "off");

  const uint8_t sprite[4] = {7, 0, 0, 7};
  DrawGraphicTrans(-1, 198, 2, 2, sprite);
  EXPECT_EQ(GfxGetPixel(0, 198), 0u);
  EXPECT_EQ(GfxGetPixel(0, 199), 7u);
  uint8_t back[4] = {1, 1, 1, 1};
  GfxGetRect(-1, 198, 2, 2, back);
  EXPECT_EQ(back[0], 1);  // off the screen: left as it was
  EXPECT_EQ(back[3], 7);
  const uint8_t strided[6] = {1, 2, 9, 3, 4, 9};  // rows of 2, one pixel apart
  GfxPutRectStride(10, 10, 2, 2, strided, 1);
  EXPECT_EQ(GfxGetPixel(10, 11), 3u);
  EXPECT_EQ(GfxGetPixel(11, 11), 4u);
  GfxPutRect(318, -1, 2, 2, sprite);
  EXPECT_EQ(GfxGetPixel(318, 0), 0u);
  EXPECT_EQ(GfxGetPixel(319, 0), 7u);

  GfxBuffer* b = nullptr;
  CreateBuffer(&b, 8, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) b->pixels[y * b->stride + x] = static_cast<uint8_t>(10 + x);
  ShowDBuffer(-2, 150, b, 0, 0, 8, 20);
  EXPECT_EQ(GfxGetPixel(0, 150), 12u);
  EXPECT_EQ(GfxGetPixel(0, 158), 0u);  // below the buffer's rows
  DestroyBuffer(&b);
}

TEST_F(GfxTest, DirectColourRefusesPaletteOnlyDrawing) {
  Start(true);
  SetGraphicMode(ScreenMode(1), 0);
  const uint8_t sprite[1] = {1};
  EXPECT_FATAL(DrawGraphicTrans(0, 0, 1, 1, sprite), "I havn't written a direct colour direct to screen transparent");
  testing::internal::CaptureStdout();
  ShowDBuffer(0, 0, nullptr, 0, 0, 1, 1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Error: ShowDBuffer(): Hi-clour not supported yet\n");
}

class GrabTest : public GfxTest {
 protected:
  std::optional<ScratchDir> scratch;
  void SetUp() override {
    GfxTest::SetUp();
    scratch.emplace("gafferon_grab");
  }
  void TearDown() override {
    scratch.reset();
    GfxTest::TearDown();
  }
  static std::vector<uint8_t> Read(const char* name) {
    std::ifstream in(name, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
  }
};

TEST_F(GrabTest, GrabsTakeTheNextFreeNumberWithAColourMap) {
  Start(true);
  SetGraphicMode(Mode(320, 200, 0), 0);
  uint8_t palette[768] = {};
  palette[3 * 9] = 63;
  palette[3 * 9 + 1] = 32;
  SetPalette(palette);
  GfxPutPixel(319, 0, 9);
  std::ofstream("grab0001.tga") << "x";
  std::ofstream("grab0002.tga") << "x";
  GfxScreenGrab();
  std::vector<uint8_t> tga = Read("grab0003.tga");
  ASSERT_EQ(tga.size(), 18u + 768u + 320u * 200u);
  const std::vector<uint8_t> header = {0, 1, 1, 0, 0, 0, 1, 0x18, 0, 0, 0, 0, 0x40, 0x01, 0xC8, 0, 8, 0x20};
  EXPECT_EQ(std::vector<uint8_t>(tga.begin(), tga.begin() + 18), header);
  // Colour map entries are blue, green, red, widened from six bits.
  EXPECT_EQ(tga[18 + 27 + 0], 0);
  EXPECT_EQ(tga[18 + 27 + 1], 0x82);
  EXPECT_EQ(tga[18 + 27 + 2], 0xFF);
  EXPECT_EQ(tga[18 + 768 + 319], 9);
}

TEST_F(GrabTest, DirectColourGrabsAsBlueGreenRed) {
  const struct {
    bool windowed;
    uint32_t white;
  } cases[] = {{false, 0xFFFF}, {true, 0x7FFF}};  // the card's 5:6:5, the window's 5:5:5
  for (const auto& c : cases) {
    Start(c.windowed);
    SetGraphicMode(ScreenMode(1), 0);
    GfxPutPixel(0, 0, c.white);
    GfxPutPixel(1, 0, c.windowed ? 0x7C00 : 0xF800);
    ASSERT_TRUE(GfxWriteGrab("grab.tga", 0, 0, 2, 1));
    std::vector<uint8_t> tga = Read("grab.tga");
    ASSERT_EQ(tga.size(), 18u + 6u);
    EXPECT_EQ(tga[1], 0);
    EXPECT_EQ(tga[2], 2);
    EXPECT_EQ(tga[16], 24);
    EXPECT_EQ(std::vector<uint8_t>(tga.begin() + 18, tga.end()), (std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0, 0, 0xFF}));
    ResetEngine();
  }
}

}  // namespace
