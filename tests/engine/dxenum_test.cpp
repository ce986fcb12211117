#include "engine/dxenum.h"

#include <cstring>
#include <string>

#include "engine/gfx.h"
#include "render256/vidopt.h"
#include "support/engine_fixture.h"

namespace {

class DXEnumTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    std::memset(&DXDevices, 0, sizeof DXDevices);
  }
};

TEST_F(DXEnumTest, OneDisplayCardWithTheRasteriser) {
  DXEnumDisplay();
  ASSERT_EQ(DXDevices.cardCount, 1);
  const DXCard* card = DXGetCard(0);
  ASSERT_NE(card, nullptr);
  EXPECT_EQ(card->guidPointer, nullptr);
  EXPECT_EQ(card->kind, 1u);
  EXPECT_EQ(card->flags, 0x13u);  // 3D, desktop enabled, renders windowed
  EXPECT_STREQ(card->driverVersion, "1.0.0.1");
  EXPECT_GT(card->videoMemory3D, 0u);
  ASSERT_EQ(card->deviceCount, 1);
  const DXDevice* device = DXGetDevice(0, 0);
  ASSERT_NE(device, nullptr);
  EXPECT_STREQ(device->name, "Gafferon Rasteriser");
  EXPECT_STREQ(device->description, "Gafferon software rasteriser (deterministic)");
  const uint32_t wanted = D3DDEVINFO_HARDWARE | D3DDEVINFO_SUBPIXEL | D3DDEVINFO_MIPMAPTEX | D3DDEVINFO_SMOOTHTEX |
                          D3DDEVINFO_TABLEFOG | D3DDEVINFO_RENDER16 | D3DDEVINFO_RENDER32 | D3DDEVINFO_ZBUFFER16 |
                          D3DDEVINFO_ZBUFFER24 | D3DDEVINFO_ZBUFFER32 | D3DDEVINFO_STENCIL16 | D3DDEVINFO_STENCIL32;
  EXPECT_EQ(device->flags, wanted);
  EXPECT_EQ(device->maxTextureWidth, 2048u);
  EXPECT_EQ(device->maxTextureHeight, 2048u);
  EXPECT_EQ(device->maxTextureAspect, 0u);
  EXPECT_EQ(DXGetSelectedDevice(), nullptr);  // nothing chosen yet
  EXPECT_EQ(DXGetSelectedCardGUID(), nullptr);
  EXPECT_EQ(DXGetSelectedCard(), card);
  EXPECT_EQ(DXGetCard(1), nullptr);
  EXPECT_EQ(DXGetCard(-1), nullptr);
  EXPECT_EQ(DXGetDevice(0, 1), nullptr);
  int c, d;
  DXGetSelectedIndices(&c, &d);
  EXPECT_EQ(c, 0);
  EXPECT_EQ(d, -1);
}

TEST_F(DXEnumTest, CardCallbackSkipsNullGuidsOfOtherKindsAndStopsAtSixteen) {
  const uint8_t guid[16] = {1, 2, 3};
  EXPECT_TRUE(DDrawEnumCallbackEx(nullptr, "Detached", "d", reinterpret_cast<void*>(2), nullptr));
  EXPECT_TRUE(DDrawEnumCallbackEx(nullptr, "Non-display", "n", reinterpret_cast<void*>(3), nullptr));
  EXPECT_EQ(DXDevices.cardCount, 0);
  for (int i = 0; i < MAX_DX_CARDS; ++i)
    EXPECT_TRUE(DDrawEnumCallbackEx(i ? guid : nullptr, "Card", "drv", reinterpret_cast<void*>(1), nullptr));
  EXPECT_FALSE(DDrawEnumCallbackEx(guid, "Seventeenth", "drv", reinterpret_cast<void*>(1), nullptr));
  EXPECT_EQ(DXDevices.cardCount, MAX_DX_CARDS);
  EXPECT_EQ(DXGetCard(0)->guidPointer, nullptr);
  EXPECT_EQ(DXGetCard(1)->guidPointer, DXGetCard(1)->guid);
  EXPECT_EQ(DXGetCard(1)->guid[2], 3);
  DXSelectDevice(1, -1);
  EXPECT_EQ(DXGetSelectedCardGUID(), DXGetCard(1)->guid);
}

TEST_F(DXEnumTest, DeviceFlagsFromTheDeviceDescription) {
  DXCard card{};
  Plat3DDeviceDesc desc{};
  desc.guid[0] = 7;
  desc.devCaps = 0x80000 | 0x10000;
  desc.triRasterCaps = 0x20 | 0x100 | 0x8000;
  desc.triTextureCaps = 0x20;
  desc.triFilterCaps = 0x2 | 0x10;
  desc.renderDepths = 0x400 | 0x100;
  desc.zBufferDepths = 0x400 | 0x200;
  desc.maxTexWidth = 2048;
  SetDebugLevel(DEBUG_DIRECT3D, 90);
  testing::internal::CaptureStdout();
  EXPECT_TRUE(DDrawCheckDev3DEnumCallback("Hardware device", "HAL", desc, &card));
  std::string listing = testing::internal::GetCapturedStdout();
  ASSERT_EQ(card.deviceCount, 1);
  const uint32_t want = D3DDEVINFO_HARDWARE | D3DDEVINFO_HARDWARETL | D3DDEVINFO_SUBPIXEL | D3DDEVINFO_TABLEFOG |
                        D3DDEVINFO_SORTNOZBUFF | D3DDEVINFO_SQUARETEX | D3DDEVINFO_SMOOTHTEX | D3DDEVINFO_MIPMAPTEX |
                        D3DDEVINFO_RENDER16 | D3DDEVINFO_RENDER32 | D3DDEVINFO_ZBUFFER16 | D3DDEVINFO_ZBUFFER24;
  EXPECT_EQ(card.devices[0].flags, want);
  EXPECT_EQ(card.devices[0].guid[0], 7);
  EXPECT_EQ(card.devices[0].maxTextureWidth, 2048u);
  EXPECT_NE(listing.find("D3DDEVINFO_* flags: HARDWARE, HARDWARETL, SUBPIXEL, SORTNOZBUFF, SQUARETEX, \n"
                         "MIPMAPTEX, SMOOTHTEX, RENDER16, RENDER32, ZBUFFER16, ZBUFFER24, \n"),
            std::string::npos)
      << listing;

  for (int i = 1; i < MAX_DX_DEVICES; ++i) EXPECT_TRUE(DDrawCheckDev3DEnumCallback("d", "n", desc, &card));
  EXPECT_FALSE(DDrawCheckDev3DEnumCallback("d", "n", desc, &card));
  EXPECT_EQ(card.deviceCount, MAX_DX_DEVICES);
}

TEST_F(DXEnumTest, StencilDepthsOfZBufferFormats) {
  const struct {
    uint32_t flags, depth, want;
  } cases[] = {
      {PLAT_PF_ZBUFFER | PLAT_PF_STENCILBUFFER, 8, D3DDEVINFO_STENCIL8},
      {PLAT_PF_ZBUFFER | PLAT_PF_STENCILBUFFER, 15, D3DDEVINFO_STENCIL16},
      {PLAT_PF_ZBUFFER | PLAT_PF_STENCILBUFFER, 16, D3DDEVINFO_STENCIL16},
      {PLAT_PF_ZBUFFER | PLAT_PF_STENCILBUFFER, 24, D3DDEVINFO_STENCIL24},
      {PLAT_PF_ZBUFFER | PLAT_PF_STENCILBUFFER, 32, D3DDEVINFO_STENCIL32},
      {PLAT_PF_ZBUFFER, 16, 0},
  };
  for (const auto& c : cases) {
    DXDevice dev{};
    EXPECT_TRUE(DDrawZBufferFormatsCallback({c.flags, c.depth, 0, 0, 0, 0, 1}, &dev));
    EXPECT_EQ(dev.flags, c.want) << c.depth;
  }
  DXDevice dev{};
  testing::internal::CaptureStdout();
  DDrawZBufferFormatsCallback({PLAT_PF_ZBUFFER | PLAT_PF_STENCILBUFFER, 12, 0, 0, 0, 0, 1}, &dev);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "Warning: DDrawZBufferFormatsCallback(): unknown zbuffer depth: 12 bits\n");
  EXPECT_EQ(dev.flags, 0u);
}

TEST_F(DXEnumTest, VideoInitTakesTheRasteriserUnlessToldNotTo) {
  InitMemory(9500);
  WinInit(nullptr, "Gafferon test", 1);
  const struct {
    int no3d, storedCard, storedDevice, device;
  } cases[] = {{0, 0, -1, -1}, {0, 0, 0, 0}, {0, 3, 2, 0}, {1, 0, 5, -1}, {1, 0, 0, -1}};  // a stored software choice stands
  for (const auto& c : cases) {
    VideoOptionsDefaults();
    VideoConfig_SetCard(c.storedCard);
    VideoConfig_SetDevice(c.storedDevice);
    VideoInit(c.no3d);
    EXPECT_EQ(VideoConfig_GetCard(), 0);
    EXPECT_EQ(VideoConfig_GetDevice(), c.device) << c.no3d << " " << c.storedCard << " " << c.storedDevice;
    EXPECT_TRUE(GfxIsInitialised());
    EXPECT_GE(GfxFindMode(PLAT_LAYOUT_WIDTH, PLAT_LAYOUT_HEIGHT, 1), 0);
    VideoUninit();
    EXPECT_FALSE(GfxIsInitialised());
  }
  VideoOptionsDefaults();
}

}  // namespace
