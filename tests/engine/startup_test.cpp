#include "engine/startup.h"

#include <optional>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "generic/gamesound.h"
#include "render256/vidopt.h"
#include "support/engine_fixture.h"
#include "support/scratch_dir.h"
#include "world/datablocks.h"

namespace {

namespace fs = std::filesystem;

TEST(CommandLine, SplitsAtBlanksAndKeeps255Words) {
  char* words[MAX_COMMAND_WORDS + 2];
  EXPECT_EQ(BuildCommandWords("/games/gafferon", "  -window\t-debug  general=1\n-log ", words), 5);
  EXPECT_STREQ(words[0], "/games/gafferon");
  EXPECT_STREQ(words[2], "-debug");
  EXPECT_STREQ(words[4], "-log");
  EXPECT_EQ(words[5], nullptr);

  std::string line;
  for (int i = 0; i < 300; ++i) line += "w" + std::to_string(i) + " ";
  EXPECT_EQ(BuildCommandWords("p", line.c_str(), words), 256);
  EXPECT_STREQ(words[255], "w254");
  EXPECT_EQ(words[256], nullptr);

  EXPECT_EQ(BuildCommandWords("p", "", words), 1);
}

// Runs in a scratch working folder so OPTIONS.DAT is ours alone.
class OptionsFileTest : public EngineTest {
 protected:
  std::optional<ScratchDir> scratch;
  void SetUp() override {
    EngineTest::SetUp();
    scratch.emplace("gafferon_options");
    OptionsDefaults();
    WinInit(nullptr, "Gafferon test", 1);  // the container's Poll needs a ready window
  }
  void TearDown() override {
    scratch.reset();
    OptionsDefaults();
    EngineTest::TearDown();
  }
  void WriteFile(const std::string& bytes) {
    std::ofstream("OPTIONS.DAT", std::ios::binary) << bytes;
  }
  std::string ReadFile() {
    std::ifstream in("OPTIONS.DAT", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
};

TEST_F(OptionsFileTest, SavedOptionsComeBackAndTheFileIsDeletedOnRead) {
  MenuVolume = 3;
  CameraView = 2;
  ModelDetail = 0;
  VideoConfig_SetMode(4);
  SaveOptionsFile();
  std::string bytes = ReadFile();
  // 16 header + 8 size words + the video record + 5 x 2 + 4 + 2 (the settings) + 8 trailer
  ASSERT_EQ(bytes.size(), 16u + 32u + VIDEO_CONFIG_SIZE + 2u * 6u + 4u + 8u);
  EXPECT_EQ(bytes.substr(0, 8), std::string("DAT0OPT0"));
  EXPECT_EQ(static_cast<uint8_t>(bytes[12]), 8);

  OptionsDefaults();
  LoadOptionsFile();
  EXPECT_EQ(MenuVolume, 3);
  EXPECT_EQ(CameraView, 2);
  EXPECT_EQ(ModelDetail, 0);
  EXPECT_EQ(VideoConfig_GetMode(), 4);
  EXPECT_FALSE(fs::exists("OPTIONS.DAT"));
}

TEST_F(OptionsFileTest, BadFilesLeaveTheDefaults) {
  MenuVolume = 1;
  SaveOptionsFile();
  std::string good = ReadFile();
  const std::string bad[] = {
      "",
      good.substr(0, 10),
      good.substr(0, good.size() - 3),
      std::string("DAT0SAV0") + good.substr(8),
      std::string(good.size(), '\xFF'),
      good.substr(0, 16) + std::string("\x41\0\0\0", 4) + good.substr(20),
  };
  for (const std::string& b : bad) {
    OptionsDefaults();
    WriteFile(b);
    LoadOptionsFile();
    EXPECT_EQ(MenuVolume, MENU_VOLUME_DEFAULT) << "file of " << b.size() << " bytes";
    EXPECT_FALSE(fs::exists("OPTIONS.DAT"));
  }
}

TEST_F(OptionsFileTest, OutOfRangeSettingGetsItsDefault) {
  MenuVolume = 99;  // as a file written by something else might hold
  CrowdVolume = 4;
  SaveOptionsFile();
  OptionsDefaults();
  LoadOptionsFile();
  EXPECT_EQ(MenuVolume, MENU_VOLUME_DEFAULT);
  EXPECT_EQ(CrowdVolume, 4);
}

TEST_F(OptionsFileTest, MissingFileLeavesDefaults) {
  LoadOptionsFile();
  EXPECT_EQ(CrowdVolume, CROWD_VOLUME_DEFAULT);
  EXPECT_EQ(PlayerNamesOn, PLAYER_NAMES_ON_DEFAULT);
  EXPECT_EQ(ModelDetail, MODEL_DETAIL_DEFAULT);
}

TEST(StartUp, CdDriveIsFound) {
  EXPECT_EQ(GetCDDrive(), PLAT_CD_DRIVE);
}

}  // namespace
