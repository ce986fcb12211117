#include "render256/vidopt.h"

#include <cstring>
#include <optional>
#include <string>

#include "engine/dxenum.h"
#include "engine/gfx.h"
#include "engine/startup.h"
#include "engine/winlib.h"
#include "support/engine_fixture.h"
#include "support/scratch_dir.h"

namespace {

constexpr uint32_t kMb = 0x100000;
constexpr uint32_t kRich = D3DDEVINFO_HARDWARE | D3DDEVINFO_MIPMAPTEX | D3DDEVINFO_SMOOTHTEX | D3DDEVINFO_TABLEFOG;

// Fake hardware: cards and devices filled in directly, and a mode list.
class VideoOptionsTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    std::memset(&DXDevices, 0, sizeof DXDevices);
    GfxModeCount = 0;
    Window(0);  // full screen
  }
  void TearDown() override {
    std::memset(&DXDevices, 0, sizeof DXDevices);
    GfxModeCount = 0;
    VideoOptionsDefaults();
    EngineTest::TearDown();
  }
  // A card with 3D and a desktop; card 0 has no GUID, the others are add-on cards.
  DXCard& AddCard(uint32_t flags = 0x3, uint32_t textureMemory = 8 * kMb, uint32_t displayMemory = 8 * kMb) {
    int index = DXDevices.cardCount++;
    DXCard& c = DXDevices.cards[index];
    c = {};
    c.guid[0] = static_cast<uint8_t>(0x40 + index);
    c.guidPointer = index ? c.guid : nullptr;
    c.flags = flags | (index ? 0x8 : 0);
    c.textureMemory = textureMemory;
    c.videoMemory3D = displayMemory;
    std::snprintf(c.description, sizeof c.description, "Card %d", index);
    return c;
  }
  DXDevice& AddDevice(DXCard& c, uint32_t flags, uint32_t maxTexture = 256) {
    DXDevice& d = c.devices[c.deviceCount++];
    d = {};
    d.guid[0] = static_cast<uint8_t>(0x80 + c.deviceCount);
    d.guid[1] = c.guid[0];
    d.flags = flags;
    d.maxTextureWidth = d.maxTextureHeight = maxTexture;
    d.maxTextureAspect = 8;
    std::snprintf(d.description, sizeof d.description, "Device %d", c.deviceCount - 1);
    return d;
  }
  void AddMode(uint16_t width, uint16_t height, uint8_t type, uint16_t flags) {
    const uint16_t bytes[] = {1, 2, 3, 4};
    GfxModeList[GfxModeCount++] = {width, height, bytes[type], type, flags, 0};
  }
  // A new window (the options file's poll would see the old one's quit message).
  static void Window(int windowed) {
    if (WinGetMainWindow()) WinUninit();
    WinInit(nullptr, "Gafferon test", windowed);
  }
  static int32_t Word(int offset) { return VideoConfigWord(VideoConfig, offset); }
  static int32_t WorkWord(int offset) { return VideoConfigWord(VideoMenu.working, offset); }
};

TEST_F(VideoOptionsTest, DeviceScores) {
  DXCard& primary = AddCard(0x3, 8 * kMb, 8 * kMb);
  AddDevice(primary, D3DDEVINFO_HARDWARE);  // 0: 5 + 10 + 50
  DXDevice& full = AddDevice(primary, D3DDEVINFO_HARDWARE | D3DDEVINFO_HARDWARETL | D3DDEVINFO_SUBPIXEL |
                                          D3DDEVINFO_MIPMAPTEX | D3DDEVINFO_SMOOTHTEX | D3DDEVINFO_RENDER32 |
                                          D3DDEVINFO_STENCIL8,
                             512);
  full.maxTextureAspect = 0;
  AddDevice(primary, D3DDEVINFO_MIPMAPTEX);  // 2: no HARDWARE
  DXCard& small = AddCard(0x3, 2 * kMb, 2 * kMb);
  AddDevice(small, D3DDEVINFO_HARDWARE);
  AddDevice(AddCard(0x3 | 0x4), D3DDEVINFO_HARDWARE);  // desktop disabled
  AddDevice(AddCard(0x2), D3DDEVINFO_HARDWARE);        // not 3D accelerated
  const struct {
    int card, device, score;
  } cases[] = {
      {0, -1, 49}, {0, 0, 65},  {0, 1, 65 + 10 + 2 + 2 + 2 + 5 + 5 + 2 + 10}, {0, 2, -1}, {0, 3, -1},
      {1, -1, -1}, {1, 0, 50}, {2, 0, -1}, {3, 0, -1}, {4, 0, -1}, {16, 0, -1}, {-1, -1, -1},
  };
  for (const auto& c : cases) EXPECT_EQ(VideoDeviceScore(c.card, c.device), c.score) << c.card << " " << c.device;
  Window(1);  // windowed: only card 0 scores
  EXPECT_EQ(VideoDeviceScore(1, 0), -1);
  EXPECT_EQ(VideoDeviceScore(0, 0), 65);
}

TEST_F(VideoOptionsTest, FirstRunTakesTheBestDeviceWithItsDefaults) {
  const struct {
    const char* what;
    int no3d, windowed;
    uint32_t flags, textureMemory;
    bool addOn;
    int card, device;
    int32_t mip, smoothing, rest;
  } cases[] = {
      {"hardware beats software", 0, 0, kRich, 8 * kMb, false, 0, 0, 1, 2, 1},
      {"-no3d", 1, 0, kRich, 8 * kMb, false, 0, -1, 0, 0, 0},
      {"no mip maps", 0, 0, D3DDEVINFO_HARDWARE | D3DDEVINFO_SMOOTHTEX, 8 * kMb, false, 0, 0, 0, 1, 1},
      {"small texture memory", 0, 0, kRich, 2 * kMb, false, 0, 0, 1, 2, 0},
      {"no hardware", 0, 0, D3DDEVINFO_MIPMAPTEX, 8 * kMb, false, 0, -1, 0, 0, 0},
      {"add-on card wins", 0, 0, D3DDEVINFO_HARDWARE, 8 * kMb, true, 1, 0, 1, 2, 1},
      {"windowed ignores the add-on", 0, 1, D3DDEVINFO_HARDWARE, 8 * kMb, true, 0, 0, 0, 0, 1},
  };
  for (const auto& c : cases) {
    std::memset(&DXDevices, 0, sizeof DXDevices);
    Window(c.windowed);
    AddDevice(AddCard(0x3, c.textureMemory), c.flags);
    if (c.addOn) AddDevice(AddCard(0x3, 16 * kMb), kRich | D3DDEVINFO_HARDWARETL);
    VideoOptionsDefaults();  // a zero record: card 0, device 0, no identifiers
    EXPECT_FALSE(VideoChooseDevice(c.no3d)) << c.what;
    EXPECT_EQ(Word(VIDEO_CONFIG_CARD), c.card) << c.what;
    EXPECT_EQ(Word(VIDEO_CONFIG_DEVICE), c.device) << c.what;
    EXPECT_EQ(Word(VIDEO_CONFIG_MIP_MAP), c.mip) << c.what;
    EXPECT_EQ(Word(VIDEO_CONFIG_TEXTURE_SMOOTHING), c.smoothing) << c.what;
    for (int offset : {VIDEO_CONFIG_LIGHTING, VIDEO_CONFIG_FOGGING, VIDEO_CONFIG_TEXTURE_DETAIL})
      EXPECT_EQ(Word(offset), c.rest) << c.what;
    EXPECT_EQ(VideoIsDirect3D(), c.device != -1 ? 1 : 0);
  }
}

TEST_F(VideoOptionsTest, TheSameHardwareKeepsTheStoredChoice) {
  DXCard& primary = AddCard();
  AddDevice(primary, kRich);
  DXCard& addOn = AddCard();
  AddDevice(addOn, kRich);
  AddDevice(addOn, kRich | D3DDEVINFO_HARDWARETL);
  // The identifiers as the last run left them.
  VideoConfig_SetCard(1);
  VideoConfig_SetDevice(0);
  VideoUninit();
  VideoConfigSetWord(VideoConfig, VIDEO_CONFIG_LIGHTING, 0);
  VideoConfigSetWord(VideoConfig, VIDEO_CONFIG_MODE, 7);
  EXPECT_TRUE(VideoChooseDevice(0));
  EXPECT_EQ(Word(VIDEO_CONFIG_DEVICE), 0);
  EXPECT_EQ(Word(VIDEO_CONFIG_MODE), 7);
  EXPECT_EQ(Word(VIDEO_CONFIG_LIGHTING), 0);

  addOn.guid[3] = 9;  // another card in that slot: the best choice, defaults
  EXPECT_FALSE(VideoChooseDevice(0));
  EXPECT_EQ(Word(VIDEO_CONFIG_CARD), 1);
  EXPECT_EQ(Word(VIDEO_CONFIG_DEVICE), 1);
  EXPECT_EQ(Word(VIDEO_CONFIG_LIGHTING), 1);
  EXPECT_EQ(Word(VIDEO_CONFIG_MODE), 0);
}

TEST_F(VideoOptionsTest, FailuresEndTheProgram) {
  EXPECT_FATAL(VideoChooseDevice(0), "VideoInit\\(\\): the first card must have the NULL GUID");
  AddCard(0x3);
  DXDevices.cards[0].guidPointer = DXDevices.cards[0].guid;
  EXPECT_FATAL(VideoChooseDevice(1), "VideoInit\\(\\): the first card must have the NULL GUID");
  DXDevices.cards[0].guidPointer = nullptr;
  VideoConfig_SetDevice(-1);
  AddMode(320, 200, 0, 0);
  EXPECT_FATAL(VideoChooseMode(VideoConfig), "No mode found!");
}

TEST_F(VideoOptionsTest, ChooseModeChecksOrReplacesTheMode) {
  AddDevice(AddCard(), D3DDEVINFO_HARDWARE);
  AddMode(320, 200, 0, 0);     // 0
  AddMode(800, 600, 0, 0);     // 1
  AddMode(640, 480, 0, 0);     // 2
  AddMode(512, 384, 0, 0);     // 3
  AddMode(1024, 768, 1, 1);    // 4
  AddMode(640, 480, 1, 0);     // 5 not 3D
  AddMode(800, 600, 3, 1);     // 6
  AddMode(512, 384, 2, 1);     // 7
  AddMode(640, 480, 2, 1);     // 8
  const struct {
    int device, mode, want;
  } cases[] = {
      {-1, -1, 2}, {-1, 99, 2}, {-1, 0, 2}, {-1, 3, 3}, {-1, 1, 1}, {-1, 4, 2},
      {0, -1, 4},  {0, 2, 4},   {0, 5, 4},  {0, 7, 7},  {0, 6, 6},
  };
  for (const auto& c : cases) {
    VideoConfig_SetDevice(c.device);
    uint8_t config[VIDEO_CONFIG_SIZE];
    std::memcpy(config, VideoConfig, sizeof config);
    VideoConfigSetWord(config, VIDEO_CONFIG_MODE, c.mode);
    EXPECT_EQ(VideoChooseMode(config), c.device < 0 ? nullptr : DXGetDevice(0, 0));
    EXPECT_EQ(VideoConfigWord(config, VIDEO_CONFIG_MODE), c.want) << c.device << " " << c.mode;
  }
  // A record naming other hardware than the active one has no mode yet.
  uint8_t other[VIDEO_CONFIG_SIZE] = {};
  VideoConfig_SetDevice(-1);
  VideoConfigSetWord(other, VIDEO_CONFIG_MODE, 2);
  EXPECT_EQ(VideoChooseMode(other), DXGetDevice(0, 0));
  EXPECT_EQ(VideoConfigWord(other, VIDEO_CONFIG_MODE), -1);
}

TEST_F(VideoOptionsTest, TheSoftwareMatchModeFollowsTheChoice) {
  AddDevice(AddCard(), D3DDEVINFO_HARDWARE);
  AddMode(800, 600, 0, 0);
  AddMode(640, 480, 1, 1);
  AddMode(640, 480, 0, 0);
  const struct {
    int device, mode, want;
  } cases[] = {{-1, 0, 0}, {-1, 2, 2}, {0, 1, 2}, {0, 0, 2}};
  for (const auto& c : cases) {
    VideoConfig_SetDevice(c.device);
    VideoConfig_SetMode(c.mode);
    EXPECT_EQ(VideoSoftwareScreenMode(), c.want) << c.device << " " << c.mode;
  }
}

TEST_F(VideoOptionsTest, ChooseModeClearsWhatTheHardwareCannotDo) {
  AddDevice(AddCard(0x3, 2 * kMb), D3DDEVINFO_HARDWARE);
  AddMode(640, 480, 1, 1);
  VideoConfig_SetDevice(0);
  for (int offset : {VIDEO_CONFIG_MIP_MAP, VIDEO_CONFIG_FOGGING, VIDEO_CONFIG_TEXTURE_DETAIL, VIDEO_CONFIG_LIGHTING})
    VideoConfigSetWord(VideoConfig, offset, 1);
  VideoChooseMode(VideoConfig);
  EXPECT_EQ(Word(VIDEO_CONFIG_MIP_MAP), 0);
  EXPECT_EQ(Word(VIDEO_CONFIG_FOGGING), 0);
  EXPECT_EQ(Word(VIDEO_CONFIG_TEXTURE_DETAIL), 0);
  EXPECT_EQ(Word(VIDEO_CONFIG_LIGHTING), 1);
}

TEST_F(VideoOptionsTest, TheMatchDrawsInSoftwareAndSaysWhyOnce) {
  AddDevice(AddCard(), kRich);
  VideoOptionsDefaults();
  VideoChooseDevice(0);
  EXPECT_EQ(VideoIsDirect3D(), 1);  // the options choose the 3D device
  testing::internal::CaptureStdout();
  EXPECT_EQ(VideoMatchIsDirect3D(), 0);
  EXPECT_EQ(VideoMatchIsDirect3D(), 0);
  std::string log = testing::internal::GetCapturedStdout();
  EXPECT_EQ(log.find("VideoMatchIsDirect3D()"), log.rfind("VideoMatchIsDirect3D()"));
  EXPECT_NE(log.find("256 colours"), std::string::npos) << log;
}

// The menu on a primary card with a rich device and an add-on with a plain one.
class GraphicOptionsTest : public VideoOptionsTest {
 protected:
  void SetUp() override {
    VideoOptionsTest::SetUp();
    AddDevice(AddCard(0x3, 8 * kMb, 0), kRich);
    AddDevice(AddCard(0x3, 2 * kMb), D3DDEVINFO_HARDWARE);
    AddMode(640, 480, 0, 0);   // 0
    AddMode(640, 480, 1, 1);   // 1
    AddMode(2048, 1536, 0, 0); // 2 too high for software
    AddMode(800, 600, 3, 1);   // 3
    AddMode(800, 600, 0, 0);   // 4
    VideoOptionsDefaults();
    VideoChooseDevice(0);
    VideoChooseMode(VideoConfig);
    VideoMenu_Open();
    VideoMenu_Update();
  }
  VideoMenuAnswer Click(VideoMenuItem item, int row = 0, int choice = 0) {
    VideoMenuAnswer answer = VideoMenu_Handle(item, VIDEO_MESSAGE_CLICK, row, choice);
    VideoMenu_Update();
    return answer;
  }
};

TEST_F(GraphicOptionsTest, DynamicTextsAndColours) {
  const VideoMenuView& v = VideoMenu.view;
  EXPECT_STREQ(v.card, "Card 0");
  EXPECT_STREQ(v.device, "Device 0");
  EXPECT_STREQ(v.resolution, "640 x 480, 16 bit colour");
  EXPECT_EQ(v.resolutionLabelColour, 0);
  EXPECT_EQ(v.cardArrows, 43);
  EXPECT_EQ(v.deviceArrows, 43);  // the device and software
  EXPECT_EQ(v.resolutionArrows, 43);
  const int want[VIDEO_OPTION_ROWS][VIDEO_OPTION_CHOICES] = {{0, 8, 9}, {0, 0, 8}, {0, 8, 9}, {0, 8, 9}, {0, 8, 9}};
  for (int r = 0; r < VIDEO_OPTION_ROWS; ++r)
    for (int i = 0; i < VIDEO_OPTION_CHOICES; ++i) EXPECT_EQ(v.choiceColour[r][i], want[r][i]) << r << " " << i;

  EXPECT_EQ(Click(VIDEO_ITEM_CHOICE, VIDEO_ROW_MIP_MAP, 0), VIDEO_REDRAW);
  EXPECT_EQ(WorkWord(VIDEO_CONFIG_TEXTURE_SMOOTHING), 1);  // tri-linear needs mip maps
  EXPECT_EQ(v.choiceColour[VIDEO_ROW_SMOOTHING][2], 9);
  EXPECT_EQ(Click(VIDEO_ITEM_CHOICE, VIDEO_ROW_SMOOTHING, 2), VIDEO_NOT_HANDLED);

  EXPECT_EQ(Click(VIDEO_ITEM_DEVICE_DOWN), VIDEO_REDRAW);  // past 15 to software
  EXPECT_EQ(WorkWord(VIDEO_CONFIG_DEVICE), -1);
  EXPECT_STREQ(v.device, "256 Colour software rendering");
  for (const auto& row : v.choiceColour)
    for (int colour : row) EXPECT_EQ(colour, 9);
  EXPECT_EQ(Click(VIDEO_ITEM_CHOICE, VIDEO_ROW_LIGHTING, 0), VIDEO_REFUSED);
}

TEST_F(GraphicOptionsTest, HandlersAnswerOnlyClicks) {
  EXPECT_EQ(VideoMenu_Handle(VIDEO_ITEM_DONE, 201), VIDEO_NOT_HANDLED);
  EXPECT_EQ(VideoMenu_Handle(VIDEO_ITEM_CARD_DOWN, 0), VIDEO_NOT_HANDLED);
  EXPECT_EQ(WorkWord(VIDEO_CONFIG_CARD), 0);
}

TEST_F(GraphicOptionsTest, ResolutionStepsThroughSuitableModes) {
  const struct {
    VideoMenuItem item;
    int mode;
  } steps[] = {{VIDEO_ITEM_MODE_DOWN, 3}, {VIDEO_ITEM_MODE_DOWN, 1}, {VIDEO_ITEM_MODE_UP, 3}};
  for (const auto& s : steps) {
    EXPECT_EQ(Click(s.item), VIDEO_REDRAW);
    EXPECT_EQ(WorkWord(VIDEO_CONFIG_MODE), s.mode);
  }
  // Software on the active hardware: 8-bit modes up to 2048 x 1024.
  VideoConfig_SetDevice(-1);
  VideoMenu_Open();
  VideoMenu_Update();
  EXPECT_EQ(WorkWord(VIDEO_CONFIG_MODE), 0);
  for (int want : {4, 0, 4}) {
    Click(VIDEO_ITEM_MODE_DOWN);
    EXPECT_EQ(WorkWord(VIDEO_CONFIG_MODE), want);
  }
}

TEST_F(GraphicOptionsTest, OptionsOnlyAndDoneKeepGraphicsRunning) {
  EXPECT_EQ(Click(VIDEO_ITEM_CHOICE, VIDEO_ROW_LIGHTING, 0), VIDEO_REDRAW);
  EXPECT_EQ(Word(VIDEO_CONFIG_LIGHTING), 1);  // only the working copy so far
  EXPECT_EQ(Click(VIDEO_ITEM_DONE), VIDEO_LEAVE);
  EXPECT_EQ(VideoMenu.leaveCode, 0);
  EXPECT_EQ(VideoMenu.changed, 0);
  EXPECT_EQ(Word(VIDEO_CONFIG_LIGHTING), 0);

  VideoMenu_Open();
  Click(VIDEO_ITEM_CHOICE, VIDEO_ROW_LIGHTING, 1);
  EXPECT_EQ(Click(VIDEO_ITEM_CANCEL), VIDEO_LEAVE);
  EXPECT_EQ(Word(VIDEO_CONFIG_LIGHTING), 0);
}

TEST_F(GraphicOptionsTest, ACardChangeWaitsForApply) {
  EXPECT_EQ(Click(VIDEO_ITEM_CARD_DOWN), VIDEO_REDRAW);
  EXPECT_EQ(WorkWord(VIDEO_CONFIG_CARD), 1);
  EXPECT_EQ(WorkWord(VIDEO_CONFIG_DEVICE), 0);
  const VideoMenuView& v = VideoMenu.view;
  EXPECT_STREQ(v.resolution, "Apply to see options");
  EXPECT_EQ(v.resolutionLabelColour, 9);
  EXPECT_EQ(v.resolutionArrows, 0);
  EXPECT_EQ(Click(VIDEO_ITEM_MODE_DOWN), VIDEO_REFUSED);
  // Less than 4 MB of texture memory: only Low, selected.
  EXPECT_EQ(v.choiceColour[VIDEO_ROW_DETAIL][0], 8);
  EXPECT_EQ(v.choiceColour[VIDEO_ROW_DETAIL][1], 9);
  EXPECT_EQ(Click(VIDEO_ITEM_CHOICE, VIDEO_ROW_MIP_MAP, 1), VIDEO_REFUSED);

  EXPECT_EQ(Click(VIDEO_ITEM_APPLY), VIDEO_LEAVE);
  EXPECT_EQ(VideoMenu.leaveCode, 1);  // the menu reopens on the new hardware
  EXPECT_EQ(VideoMenu.changed, 1);
  EXPECT_EQ(Word(VIDEO_CONFIG_CARD), 1);
  EXPECT_EQ(Word(VIDEO_CONFIG_MODE), -1);

  EXPECT_EQ(Click(VIDEO_ITEM_CARD_UP), VIDEO_REDRAW);  // wraps back to card 0
  EXPECT_EQ(WorkWord(VIDEO_CONFIG_CARD), 0);
}

TEST_F(VideoOptionsTest, VideoConfigRoundTripsThroughTheOptionsFile) {
  ScratchDir scratch("gafferon_vidopt");
  OptionsDefaults();
  const int32_t words[] = {1, 3, 0, 0, 0, 0, 0, 0, 0, 0, 5, 1, 2, 1, 0, 1};
  for (int i = 0; i < 16; ++i) VideoConfigSetWord(VideoConfig, i * 4, words[i]);
  VideoConfig[VIDEO_CONFIG_CARD_GUID] = 0x41;
  uint8_t saved[VIDEO_CONFIG_SIZE];
  std::memcpy(saved, VideoConfig, sizeof saved);
  SaveOptionsFile();
  OptionsDefaults();
  LoadOptionsFile();
  EXPECT_EQ(std::memcmp(VideoConfig, saved, sizeof saved), 0);

  const struct {
    int offset;
    int32_t stored, want;
  } cases[] = {
      {VIDEO_CONFIG_CARD, 16, 0},          {VIDEO_CONFIG_CARD, -1, 0},
      {VIDEO_CONFIG_DEVICE, -2, -1},       {VIDEO_CONFIG_DEVICE, 16, -1},
      {VIDEO_CONFIG_DEVICE, -1, -1},       {VIDEO_CONFIG_MODE, -5, -1},
      {VIDEO_CONFIG_MIP_MAP, 2, 0},        {VIDEO_CONFIG_TEXTURE_SMOOTHING, 3, 0},
      {VIDEO_CONFIG_TEXTURE_SMOOTHING, 2, 2}, {VIDEO_CONFIG_LIGHTING, -1, 0},
      {VIDEO_CONFIG_FOGGING, 7, 0},        {VIDEO_CONFIG_TEXTURE_DETAIL, 1 << 20, 0},
  };
  for (const auto& c : cases) {
    std::memcpy(VideoConfig, saved, sizeof saved);
    VideoConfigSetWord(VideoConfig, c.offset, c.stored);
    SaveOptionsFile();
    OptionsDefaults();
    LoadOptionsFile();
    EXPECT_EQ(Word(c.offset), c.want) << c.offset << " " << c.stored;
    EXPECT_EQ(Word(VIDEO_CONFIG_MODE), c.offset == VIDEO_CONFIG_MODE ? -1 : 5);
  }
  OptionsDefaults();
}

}  // namespace

namespace {

TEST_F(VideoOptionsTest, ApplyingAnotherDeviceRestartsGraphics) {
  InitMemory(9500);
  VideoOptionsDefaults();
  VideoInit(0);  // the headless display's hardware device
  ASSERT_EQ(VideoIsDirect3D(), 1);
  EXPECT_EQ(GfxModeList[VideoConfig_GetMode()].flags & 1, 1);
  VideoMenu_Open();
  VideoMenu_Update();
  const struct {
    VideoMenuItem button;
    int32_t changed, device, initFlags;
    uint8_t modeType;
  } steps[] = {{VIDEO_ITEM_DONE, 0, 0, 1, 1}, {VIDEO_ITEM_APPLY, 1, -1, 0, 0}};
  for (const auto& s : steps) {
    if (s.device == -1) {
      EXPECT_EQ(VideoMenu_Handle(VIDEO_ITEM_DEVICE_UP, VIDEO_MESSAGE_CLICK), VIDEO_REDRAW);
    }
    EXPECT_EQ(VideoMenu_Handle(s.button, VIDEO_MESSAGE_CLICK), VIDEO_LEAVE);
    EXPECT_EQ(VideoMenu.changed, s.changed);
    VideoMenu_Apply();
    EXPECT_EQ(VideoConfig_GetDevice(), s.device);
    EXPECT_EQ(GfxScreen.initFlags, s.initFlags);
    EXPECT_TRUE(GfxIsInitialised());
    ASSERT_GE(VideoConfig_GetMode(), 0);
    EXPECT_EQ(GfxModeList[VideoConfig_GetMode()].type, s.modeType);
  }
  VideoUninit();
  EXPECT_FALSE(GfxIsInitialised());
  VideoOptionsDefaults();
}

}  // namespace
