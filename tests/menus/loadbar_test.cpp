#include "menus/loadbar.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "engine/colconv.h"
#include "engine/dxenum.h"
#include "engine/pakwrite.h"
#include "support/engine_fixture.h"
#include "support/scratch_dir.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

// What the recording callback saw.
std::vector<LoadBarEvent> gEvents;
void Record(const LoadBarEvent* event) { gEvents.push_back(*event); }

class LoadBarTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    gEvents.clear();
  }
  void TearDown() override {
    gEvents.clear();
    EngineTest::TearDown();
  }
  void StartPoll() {
    StartWindowAndTimer();
    InitPoll();
  }
  // The fraction of a draw asked for now.
  static float Drawn() {
    gEvents.clear();
    LoadBar_Poll();
    EXPECT_EQ(gEvents.size(), 1u);
    if (gEvents.empty()) return -1.0f;
    EXPECT_EQ(gEvents.back().event, LOADBAR_EVENT_DRAW);
    return gEvents.back().fraction;
  }
};

TEST_F(LoadBarTest, InitAndUninitTellTheCallbackAndKeepThePollFunctionInBetween) {
  StartPoll();
  int user = 0;
  LoadBar_Init(Record, &user);
  ASSERT_EQ(gEvents.size(), 1u);
  EXPECT_EQ(gEvents[0].event, LOADBAR_EVENT_START);
  EXPECT_EQ(gEvents[0].userData, &user);
  EXPECT_EQ(gEvents[0].fraction, 0.0f);
  const LoadBarState& s = LoadBar_State();
  EXPECT_EQ(s.active, 1);
  EXPECT_EQ(s.depth, 0);
  EXPECT_EQ(s.blocks[0].size, 1.0f);
  EXPECT_EQ(s.blocks[0].weight, 1.0f);

  // The poll list draws it once its 20 ticks have passed, not before.
  gEvents.clear();
  PlatVirtualAdvance(LOADBAR_POLL_RATE);
  Poll();
  EXPECT_TRUE(gEvents.empty());
  PlatVirtualAdvance(1);
  Poll();
  ASSERT_EQ(gEvents.size(), 1u);
  EXPECT_EQ(gEvents[0].event, LOADBAR_EVENT_DRAW);
  EXPECT_EQ(gEvents[0].userData, &user);

  gEvents.clear();
  LoadBar_Uninit();
  ASSERT_EQ(gEvents.size(), 1u);
  EXPECT_EQ(gEvents[0].event, LOADBAR_EVENT_STOP);
  EXPECT_EQ(s.active, 0);
  PlatVirtualAdvance(100);
  Poll();
  EXPECT_EQ(gEvents.size(), 1u);
  UninitPoll();  // complains on standard output if a function was left behind
}

TEST_F(LoadBarTest, NestedBlocksAddTheirShareTimesTheirWeight) {
  StartPoll();
  LoadBar_Init(Record, nullptr);
  // One block of size 10 and weight 0.5, half done.
  LoadBar_StartBlock(10.0f, 0.5f);
  LoadBar_AddProgress(5.0f);
  EXPECT_FLOAT_EQ(Drawn(), 0.25f);
  LoadBar_EndBlock();
  EXPECT_FLOAT_EQ(LoadBar_State().blocks[0].done, 0.5f);
  EXPECT_EQ(LoadBar_State().depth, 0);
  EXPECT_FLOAT_EQ(Drawn(), 0.5f);

  // Two levels deep: (8, weight 0.5) holding (2, weight 4).
  LoadBar_Uninit();
  LoadBar_Init(Record, nullptr);
  LoadBar_StartBlock(8.0f, 0.5f);
  LoadBar_StartBlock(2.0f, 4.0f);
  LoadBar_AddProgress(1.0f);
  EXPECT_FLOAT_EQ(Drawn(), 0.125f);
  LoadBar_EndBlock();
  EXPECT_FLOAT_EQ(LoadBar_State().blocks[1].done, 4.0f);
  EXPECT_FLOAT_EQ(Drawn(), 0.25f);
  LoadBar_EndBlock();
  EXPECT_FLOAT_EQ(Drawn(), 0.5f);
  LoadBar_AddProgress(0.5f);
  EXPECT_FLOAT_EQ(Drawn(), 1.0f);
  LoadBar_Uninit();
  UninitPoll();
}

TEST_F(LoadBarTest, ProgressIsClampedToTheBlockAndTheFractionToOne) {
  StartPoll();
  LoadBar_Init(Record, nullptr);
  LoadBar_StartBlock(2.0f, 0.25f);
  LoadBar_AddProgress(3.0f);
  EXPECT_EQ(LoadBar_State().blocks[1].done, 2.0f);
  LoadBar_AddProgress(-5.0f);
  EXPECT_EQ(LoadBar_State().blocks[1].done, 0.0f);
  LoadBar_AddProgress(2.0f);
  // A weight larger than its parent: the share is capped at the parent's end.
  LoadBar_StartBlock(1.0f, 10.0f);
  LoadBar_AddProgress(1.0f);
  EXPECT_FLOAT_EQ(Drawn(), 0.25f);
  LoadBar_EndBlock();
  EXPECT_EQ(LoadBar_State().blocks[1].done, 2.0f);
  LoadBar_EndBlock();
  LoadBar_Uninit();
  UninitPoll();
}

TEST_F(LoadBarTest, ABlockOfNoSizeCountsAsNothingDone) {
  StartPoll();
  LoadBar_Init(Record, nullptr);
  LoadBar_StartBlock(4.0f, 0.5f);
  LoadBar_AddProgress(2.0f);
  LoadBar_StartBlock(0.0f, 2.0f);
  LoadBar_AddProgress(1.0f);
  EXPECT_EQ(LoadBar_State().blocks[2].done, 0.0f);
  EXPECT_FLOAT_EQ(Drawn(), 0.25f);  // the parent's own half, nothing from the empty level
  LoadBar_EndBlock();  // its weight still books
  EXPECT_FLOAT_EQ(Drawn(), 0.5f);
  LoadBar_EndBlock();
  // Empty levels all the way down.
  LoadBar_StartBlock(0.0f, 1.0f);
  LoadBar_StartBlock(0.0f, 1.0f);
  EXPECT_FLOAT_EQ(Drawn(), 0.5f);
  LoadBar_EndBlock();
  LoadBar_EndBlock();
  LoadBar_Uninit();
  UninitPoll();
}

TEST_F(LoadBarTest, AnInactiveBarIgnoresBlocksAndProgressWithoutPolling) {
  StartPoll();
  const uint64_t polls = PollCallCount();
  LoadBar_StartBlock(1.0f, 1.0f);
  LoadBar_AddProgress(1.0f);
  LoadBar_EndBlock();
  LoadBar_Poll();
  EXPECT_EQ(PollCallCount(), polls);
  EXPECT_EQ(LoadBar_State().depth, 0);
  EXPECT_EQ(LoadBar_Fraction(), 0.0f);
  EXPECT_TRUE(gEvents.empty());

  // While active, each call polls.
  LoadBar_Init(Record, nullptr);
  LoadBar_StartBlock(1.0f, 1.0f);
  LoadBar_AddProgress(1.0f);
  LoadBar_EndBlock();
  EXPECT_EQ(PollCallCount(), polls + 3);
  LoadBar_Uninit();
  UninitPoll();
}

TEST_F(LoadBarTest, StackMisuseStops) {
  const struct {
    const char* what;
    void (*run)();
    const char* message;
  } cases[] = {
      {"seventeenth block",
       [] {
         for (int i = 0; i < LOADBAR_MAX_BLOCKS; ++i) LoadBar_StartBlock(1.0f, 1.0f);
       },
       "Abort error: LoadBar_StartBlock\\(\\): the loadbar stack is full\n\\(File: loadbar"},
      {"end at the root", [] { LoadBar_EndBlock(); },
       "Abort error: LoadBar_EndBlock\\(\\): there was no block to end!"},
      {"uninit with a block open",
       [] {
         LoadBar_StartBlock(1.0f, 1.0f);
         LoadBar_StartBlock(1.0f, 1.0f);
         LoadBar_Uninit();
       },
       "Error: LoadBar_Uninit\\(\\): stack value should be 0, was 2"},
      {"init twice", [] { LoadBar_Init(Record, nullptr); }, "LoadBar_Init\\(\\): the loading bar is already running"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_FATAL(
        {
          StartPoll();
          LoadBar_Init(Record, nullptr);
          c.run();
        },
        c.message);
  }
  // Fifteen blocks fit.
  StartPoll();
  LoadBar_Init(Record, nullptr);
  for (int i = 1; i < LOADBAR_MAX_BLOCKS; ++i) LoadBar_StartBlock(1.0f, 1.0f);
  EXPECT_EQ(LoadBar_State().depth, LOADBAR_MAX_BLOCKS - 1);
  EXPECT_FATAL(LoadBar_Uninit(), "was 15");
  EXPECT_FATAL({ LoadBar_Reset(); LoadBar_Uninit(); }, "LoadBar_Uninit\\(\\): the loading bar is not running");
}

// ---- the two-image bar -----------------------------------------------------------

LoadBarEvent NoUserData() { return LoadBarEvent{LOADBAR_EVENT_DRAW, nullptr, 0.5f}; }

Bytes Gfx0(int width, int height, int bytesPerPixel, uint8_t fill) {
  Bytes b(16, 0);
  b[0] = 'G', b[1] = 'F', b[2] = 'X', b[3] = '0';
  StoreU16(b.data() + 4, static_cast<uint32_t>(width));
  StoreU16(b.data() + 6, static_cast<uint32_t>(height));
  StoreU16(b.data() + 8, 1);
  b.resize(16 + static_cast<size_t>(width) * height * bytesPerPixel, fill);
  return b;
}

// Index 1 red (the empty image), 2 green (the full one), 3 blue.
Bytes TestPalette() {
  Bytes p(768, 0);
  p[3 * 1] = 255;
  p[3 * 2 + 1] = 255;
  p[3 * 3 + 2] = 200;
  return p;
}

constexpr int kW = 460, kH = 4;

struct BarFiles {
  Bytes empty = Gfx0(kW, kH, 1, 1);
  Bytes full = Gfx0(kW, kH, 1, 2);
  Bytes palette = TestPalette();
};

class LoadBarGfxTest : public LoadBarTest {
 protected:
  std::optional<ScratchDir> scratch;
  LoadBarGfx gfx{};

  void SetUp() override {
    LoadBarTest::SetUp();
    scratch.emplace("gafferon_loadbar");
    InitMemory(9500);
    gfx.emptyName = LOADBAR_EMPTY_FILE;
    gfx.fullName = LOADBAR_FULL_FILE;
    gfx.paletteName = LOADBAR_PALETTE_FILE;
    gfx.barStart = LOADBAR_BAR_START;
    gfx.barEnd = LOADBAR_BAR_END;
  }
  void TearDown() override {
    scratch.reset();
    LoadBarTest::TearDown();
  }

  // The three files in a pak of their own, opened as the game's only pak.
  static void OpenPak(const BarFiles& files) {
    std::vector<PakWriteItem> items = {{"ZVDATA\\LOADICON.GFX", files.empty},
                                       {"ZVDATA\\LOADICO1.GFX", files.full},
                                       {"ZVDATA\\LOADICO1.PAL", files.palette}};
    fs::create_directories("pakfiles");
    std::string error;
    ASSERT_TRUE(PakWriteFiles("pakfiles/bar", items, PAK_STORE_PLAIN, nullptr, &error)) << error;
    PakFileInit();
    PakFileAdd("pakfiles\\bar");
    PakFileAddDone();
  }
  // A screen of width x height in colour type 0 (8-bit) or 1 (16-bit).
  static void Screen(int width, int height, int type) {
    WinInit(nullptr, "Gafferon test", 1);
    DXEnumDisplay();
    GfxInit(0);
    int16_t mode = GfxFindMode(width, height, type);
    ASSERT_GE(mode, 0);
    SetGraphicMode(mode, 0);
  }
  void Send(int32_t event, float fraction = 0.0f) {
    LoadBarEvent e{event, &gfx, fraction};
    LoadBarGfx_Callback(&e);
  }
};

TEST_F(LoadBarGfxTest, TheSplitColumnFollowsTheFractionIn256Colours) {
  OpenPak(BarFiles{});
  Screen(640, 480, 0);
  Send(LOADBAR_EVENT_START);
  EXPECT_EQ(gfx.width, kW);
  EXPECT_EQ(gfx.height, kH);
  // The palette is the screen's, in 6-bit components.
  EXPECT_EQ(GfxScreen.palette[3 * 1], 63);
  EXPECT_EQ(GfxScreen.palette[3 * 2 + 1], 63);
  EXPECT_EQ(GfxScreen.palette[3 * 3 + 2], 50);

  const int x0 = (640 - kW) / 2, y0 = (480 - kH) / 2;
  const struct {
    float fraction;
    int firstEmpty;  // column of the image
  } cases[] = {{1.0f, 450}, {0.0f, 32}, {0.5f, 241}, {0.25f, 136}, {7.0f, 450}, {-1.0f, 32}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fraction);
    GfxClearScreen();
    Send(LOADBAR_EVENT_DRAW, c.fraction);
    for (int y : {y0, y0 + kH - 1}) {
      EXPECT_EQ(GfxGetPixel(x0, y), 2u);
      EXPECT_EQ(GfxGetPixel(x0 + c.firstEmpty - 1, y), 2u);
      EXPECT_EQ(GfxGetPixel(x0 + c.firstEmpty, y), 1u);
      EXPECT_EQ(GfxGetPixel(x0 + kW - 1, y), 1u);
    }
    // Nothing outside the image.
    EXPECT_EQ(GfxGetPixel(x0 - 1, y0), 0u);
    EXPECT_EQ(GfxGetPixel(x0 + kW, y0), 0u);
    EXPECT_EQ(GfxGetPixel(x0, y0 - 1), 0u);
    EXPECT_EQ(GfxGetPixel(x0, y0 + kH), 0u);
  }

  // Stop frees the images and clears the screen.
  Send(LOADBAR_EVENT_STOP);
  EXPECT_EQ(gfx.emptyImage, nullptr);
  EXPECT_EQ(gfx.fullImage, nullptr);
  EXPECT_EQ(GfxGetPixel(x0, y0), 0u);
}

TEST_F(LoadBarGfxTest, HighColourImagesAreConvertedThroughThePalette) {
  BarFiles files;
  files.empty[16 + 459] = 3;  // the last column of the first row, blue
  OpenPak(files);
  Screen(640, 480, 1);
  Send(LOADBAR_EVENT_START);
  const ColFmt& fmt = GfxScreen.colourFormat;
  const uint32_t red = ColConvRGBA2Pixel(fmt, 255, 0, 0, 0), green = ColConvRGBA2Pixel(fmt, 0, 255, 0, 0),
                 blue = ColConvRGBA2Pixel(fmt, 0, 0, 200, 0);
  const int x0 = (640 - kW) / 2, y0 = (480 - kH) / 2;
  Send(LOADBAR_EVENT_DRAW, 1.0f);
  EXPECT_EQ(GfxGetPixel(x0, y0), green);
  EXPECT_EQ(GfxGetPixel(x0 + 449, y0 + 3), green);
  EXPECT_EQ(GfxGetPixel(x0 + 450, y0 + 3), red);
  EXPECT_EQ(GfxGetPixel(x0 + 459, y0), blue);
  EXPECT_EQ(GfxGetPixel(x0 + 459, y0 + 1), red);
  Send(LOADBAR_EVENT_DRAW, 0.0f);
  EXPECT_EQ(GfxGetPixel(x0 + 31, y0), green);
  EXPECT_EQ(GfxGetPixel(x0 + 32, y0), red);
  Send(LOADBAR_EVENT_STOP);
}

TEST_F(LoadBarGfxTest, AScreenSmallerThanTheImagesDrawsNothing) {
  OpenPak(BarFiles{});
  Screen(320, 200, 0);
  Send(LOADBAR_EVENT_START);
  GfxFillRect(0, 0, 320, 200, 7);
  for (float f : {0.0f, 0.5f, 1.0f}) Send(LOADBAR_EVENT_DRAW, f);
  for (int y = 0; y < 200; y += 3)
    for (int x = 0; x < 320; x += 5) ASSERT_EQ(GfxGetPixel(x, y), 7u) << x << "," << y;
  Send(LOADBAR_EVENT_STOP);
}

TEST_F(LoadBarGfxTest, BadFilesStopWithTheirMessage) {
  const struct {
    const char* what;
    void (*spoil)(BarFiles* files, LoadBarGfx* gfx);
    const char* message;
  } cases[] = {
      {"empty not GFX0", [](BarFiles* f, LoadBarGfx*) { f->empty[3] = '1'; }, "empty graphic in wrong format"},
      {"full not GFX0", [](BarFiles* f, LoadBarGfx*) { f->full[0] = 'g'; }, "full graphic in wrong format"},
      {"empty shorter than a header", [](BarFiles* f, LoadBarGfx*) { f->empty.resize(15); },
       "empty graphic in wrong format"},
      {"other width", [](BarFiles* f, LoadBarGfx*) { f->full = Gfx0(kW + 1, kH, 1, 2); },
       "empty size different from full size"},
      {"other height, same bytes", [](BarFiles* f, LoadBarGfx*) { f->full = Gfx0(kW / 2, kH * 2, 1, 2); },
       "empty size different from full size"},
      {"other file size", [](BarFiles* f, LoadBarGfx*) { f->full.push_back(0); },
       "empty size different from full size"},
      {"16-bit images",
       [](BarFiles* f, LoadBarGfx*) {
         f->empty = Gfx0(kW, kH, 2, 1);
         f->full = Gfx0(kW, kH, 2, 2);
       },
       "graphic in the wrong format \\(must be 256 colour\\)"},
      {"two frames",
       [](BarFiles* f, LoadBarGfx*) {
         f->empty.resize(f->empty.size() + kW * kH);
         f->full.resize(f->full.size() + kW * kH);
       },
       "graphic in the wrong format \\(must be 256 colour\\)"},
      {"a 767-byte palette", [](BarFiles* f, LoadBarGfx*) { f->palette.pop_back(); }, "palette file wrong size"},
      {"a 769-byte palette", [](BarFiles* f, LoadBarGfx*) { f->palette.push_back(0); }, "palette file wrong size"},
      {"end past the width", [](BarFiles*, LoadBarGfx* g) { g->barEnd = kW + 1; }, "bar start/end values out of range"},
      {"start at the end", [](BarFiles*, LoadBarGfx* g) { g->barStart = g->barEnd; }, "bar start/end values out of range"},
      {"negative start", [](BarFiles*, LoadBarGfx* g) { g->barStart = -1; }, "bar start/end values out of range"},
  };
  const LoadBarGfx good = gfx;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    BarFiles files;
    gfx = good;
    c.spoil(&files, &gfx);
    EXPECT_FATAL(
        {
          OpenPak(files);
          Screen(640, 480, 1);
          Send(LOADBAR_EVENT_START);
        },
        std::string("Abort error: LoadBarGfx_Callback\\(\\): ") + c.message);
  }
  EXPECT_FATAL(
      {
        LoadBarEvent e = NoUserData();
        LoadBarGfx_Callback(&e);
      },
      "Abort error: LoadBarGfx_Callback\\(\\): UserData must not be NULL\n\\(File: loadbar");
  // The end may be the last column.
  gfx = good;
  gfx.barEnd = kW;
  OpenPak(BarFiles{});
  Screen(640, 480, 0);
  Send(LOADBAR_EVENT_START);
  Send(LOADBAR_EVENT_DRAW, 1.0f);
  EXPECT_EQ(GfxGetPixel((640 - kW) / 2 + kW - 1, (480 - kH) / 2), 2u);
  Send(LOADBAR_EVENT_STOP);
}

// ---- the data set's bar ------------------------------------------------------------

Bytes ReadDataSetFile(const char* name) {
  const char* bin = std::getenv("GAFFERON_BINARY_DIR");
  const fs::path dir = bin != nullptr ? fs::path(bin) : fs::read_symlink("/proc/self/exe").parent_path().parent_path();
  std::ifstream in(dir / "dataset" / "cd" / "zvdata" / name, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST_F(LoadBarGfxTest, TheDataSetsBarIsTwoMatchingImagesThatDifferOnlyInTheBar) {
  BarFiles files{ReadDataSetFile("loadicon.gfx"), ReadDataSetFile("loadico1.gfx"), ReadDataSetFile("loadico1.pal")};
  ASSERT_GE(files.empty.size(), 16u);
  ASSERT_EQ(files.full.size(), files.empty.size());
  ASSERT_EQ(files.palette.size(), 768u);
  const int w = LoadU16(files.empty.data() + 4), h = LoadU16(files.empty.data() + 6);
  for (const Bytes* b : {&files.empty, &files.full}) {
    EXPECT_EQ(std::string(b->begin(), b->begin() + 4), "GFX0");
    EXPECT_EQ(LoadU16(b->data() + 4), w);
    EXPECT_EQ(LoadU16(b->data() + 6), h);
    EXPECT_EQ(LoadU16(b->data() + 8), 1);
    for (int i = 10; i < 16; ++i) EXPECT_EQ((*b)[i], 0) << i;
  }
  EXPECT_GE(w, LOADBAR_BAR_END);
  EXPECT_LE(h, 480);
  ASSERT_EQ(files.empty.size(), 16u + static_cast<size_t>(w) * h);
  int differing = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      size_t i = 16 + static_cast<size_t>(y) * w + x;
      if (x < LOADBAR_BAR_START || x >= LOADBAR_BAR_END) ASSERT_EQ(files.empty[i], files.full[i]) << x << "," << y;
      else differing += files.empty[i] != files.full[i];
    }
  EXPECT_GT(differing, (LOADBAR_BAR_END - LOADBAR_BAR_START) * h / 2);

  // The game's own set-up runs on them from start to stop.
  OpenPak(files);
  Screen(640, 480, 1);
  InitTimerInterrupt();
  InitPoll();
  LoadBar_Init(LoadBarGfx_Callback, &gfx);
  EXPECT_EQ(gfx.width, w);
  LoadBar_StartBlock(8.0f, 1.0f);
  PlatVirtualAdvance(LOADBAR_POLL_RATE + 1);
  LoadBar_AddProgress(8.0f);
  const int x0 = (640 - w) / 2, y0 = (480 - h) / 2;
  bool filled = false;
  for (int y = 0; y < h; ++y)
    filled |= GfxGetPixel(x0 + LOADBAR_BAR_END - 1, y0 + y) != GfxGetPixel(x0 + LOADBAR_BAR_END, y0 + y);
  EXPECT_TRUE(filled);
  LoadBar_EndBlock();
  LoadBar_Uninit();
  EXPECT_EQ(gfx.emptyImage, nullptr);
  UninitPoll();
}

}  // namespace
