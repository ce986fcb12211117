// DOS-style paths on the Linux file system.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "support/engine_fixture.h"
#include "support/scratch_dir.h"

namespace {

namespace fs = std::filesystem;

class PathTest : public EngineTest {
 protected:
  std::optional<ScratchDir> scratch;
  void SetUp() override {
    EngineTest::SetUp();
    scratch.emplace("gafferon_paths");
    fs::create_directories("SaveData/Slot1");
    fs::create_directories("disc/PakFiles");
    fs::create_directories("teams");
    std::ofstream("SaveData/Slot1/Save0") << "x";
    std::ofstream("disc/PakFiles/CDCommon.pki") << "y";
    setenv("GAFFERON_CD", "disc", 1);
    setenv("GAFFERON_EXPORT", "teams", 1);
  }
  void TearDown() override {
    unsetenv("GAFFERON_CD");
    unsetenv("GAFFERON_EXPORT");
    scratch.reset();
    EngineTest::TearDown();
  }
};

TEST_F(PathTest, ComponentsMatchWhateverTheirCase) {
  struct Case {
    const char* dos;
    const char* resolved;
  } cases[] = {
      {"savedata\\slot1\\save0", "SaveData/Slot1/Save0"},
      {"SAVEDATA/SLOT1/SAVE0", "SaveData/Slot1/Save0"},
      {"C:\\SaveData\\slot1\\SAVE0", "SaveData/Slot1/Save0"},
      {"D:\\pakfiles\\cdcommon.PKI", "disc/PakFiles/CDCommon.pki"},
      {"d:pakfiles\\CDCOMMON.pki", "disc/PakFiles/CDCommon.pki"},
      {"A:\\export.tem", "teams/export.tem"},
      {"savedata\\New\\File", "SaveData/New/File"},  // what does not exist keeps its case
  };
  for (const Case& c : cases) EXPECT_EQ(PlatResolvePath(c.dos), c.resolved) << c.dos;
}

TEST_F(PathTest, ExistenceOpenAndRemove) {
  EXPECT_TRUE(PlatFileExists("SAVEDATA\\SLOT1\\SAVE0"));
  EXPECT_FALSE(PlatFileExists("savedata\\slot1"));  // a folder is not a file
  EXPECT_FALSE(PlatFileExists("savedata\\slot2\\save0"));
  FILE* f = PlatOpenFile("savedata\\slot1\\save0", "rt");
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(std::fgetc(f), 'x');
  std::fclose(f);
  EXPECT_EQ(PlatRemoveFile("SaveData\\SLOT1\\save0"), 0);
  EXPECT_FALSE(fs::exists("SaveData/Slot1/Save0"));
}

TEST_F(PathTest, RenameReplacesTheTargetWhole) {
  std::ofstream("SaveData/Slot1/save0.tmp") << "new";
  // Either name in any case; the old file of the target's name is replaced.
  EXPECT_EQ(PlatRenameFile("savedata\\slot1\\SAVE0.TMP", "SAVEDATA\\SLOT1\\SAVE0"), 0);
  EXPECT_FALSE(fs::exists("SaveData/Slot1/save0.tmp"));
  std::ifstream in("SaveData/Slot1/Save0");
  std::string text;
  in >> text;
  EXPECT_EQ(text, "new");
  // A missing source or a missing target folder fails and changes nothing.
  EXPECT_NE(PlatRenameFile("SaveData\\Slot1\\none", "SaveData\\Slot1\\Save0"), 0);
  EXPECT_NE(PlatRenameFile("SaveData\\Slot1\\Save0", "NoFolder\\Save0"), 0);
  EXPECT_TRUE(fs::exists("SaveData/Slot1/Save0"));
}

TEST_F(PathTest, DrivesAndTheirKinds) {
  uint32_t drives = PlatLogicalDrives();
  EXPECT_TRUE(drives & (1u << (PLAT_CD_DRIVE - 'A')));
  EXPECT_EQ(PlatDriveType("D:\\"), PLAT_DRIVE_CDROM);
  EXPECT_EQ(PlatDriveType("c:\\"), PLAT_DRIVE_FIXED);
  EXPECT_EQ(PlatDriveType("Q:\\"), PLAT_DRIVE_NONE);
}

}  // namespace
