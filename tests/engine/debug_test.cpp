#include "engine/debug.h"

#include <string>

#include "support/engine_fixture.h"

namespace {

struct Levels {
  const char* setting;
  int32_t expected[DEBUG_NUM_CHANNELS];
};

void PrintTo(const Levels& l, std::ostream* os) { *os << '"' << l.setting << '"'; }

class DebugStringTest : public EngineTest, public testing::WithParamInterface<Levels> {};

TEST_P(DebugStringTest, SetsTheChannels) {
  testing::internal::CaptureStdout();
  DebugProcessDebugString(GetParam().setting);
  testing::internal::GetCapturedStdout();
  for (int c = 0; c < DEBUG_NUM_CHANNELS; ++c) EXPECT_EQ(DebugLevel(c), GetParam().expected[c]) << DebugChannelName(c);
}

// general win dd d3d network file graphics sound input memory poll sfx
INSTANTIATE_TEST_SUITE_P(Settings, DebugStringTest,
                         testing::Values(Levels{"5", {5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5}},
                                         Levels{"sound=3,memory=150", {0, 0, 0, 0, 0, 0, 0, 3, 0, 150, 0, 0}},
                                         Levels{"all=2,poll=0", {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 0, 2}},
                                         Levels{"file#80", {0, 0, 0, 0, 0, 80, 0, 0, 0, 0, 0, 0}},
                                         Levels{"GENERAL=1,Memory=1", {1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0}},
                                         Levels{"general=10,sfx=20", {10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 20}},
                                         Levels{"12abc", {12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12, 12}}));

TEST_F(EngineTest, DebugStringPrintsEachSetting) {
  testing::internal::CaptureStdout();
  DebugProcessDebugString("general=50,win=3");
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("DEBUG: Setting 'general' to 50\n"), std::string::npos);
  EXPECT_NE(out.find("DEBUG: Setting 'win' to 3\n"), std::string::npos);
  EXPECT_NE(out.find("DEBUG: 'poll' set to 0\n"), std::string::npos);  // general >= 50 lists all
}

TEST_F(EngineTest, MalformedDebugStringsAbort) {
  EXPECT_FATAL(DebugProcessDebugString("0"), "DebugLevelStr2Value\\(\\): failed to find debug level\n\\(File: debug");
  EXPECT_FATAL(DebugProcessDebugString("sound"), "DebugProcessDebugString\\(\\): invalid string");
  EXPECT_FATAL(DebugProcessDebugString("bogus=1"), "failed to find debug level");
  EXPECT_FATAL(DebugProcessDebugString(std::string(256, 'a').c_str()), "DebugProcessDebugString\\(\\): string too long");
}

TEST_F(EngineTest, TwoHundredFiftyFiveCharactersAreAccepted) {
  std::string setting = "memory=" + std::string(248, '1');
  ASSERT_EQ(setting.size(), 255u);
  testing::internal::CaptureStdout();
  DebugProcessDebugString(setting.c_str());
  testing::internal::GetCapturedStdout();
  EXPECT_NE(DebugLevel(DEBUG_MEMORY), 0);
}

TEST_F(EngineTest, FatalMessageIsCutTo511Characters) {
  std::string longText(600, 'z');
  EXPECT_FATAL(FatalError("%s", longText.c_str()), std::string(511, 'z') + "\n-----");
}

TEST_F(EngineTest, HexDumpFormatsRowsOfSixteen) {
  const unsigned char data[18] = {'A', 0, 'b', 0xFF, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 'z', 1};
  testing::internal::CaptureStdout();
  DebugHexDump(data, 18);
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_EQ(out.substr(0, 21), "00000000: A  00 b  FF");
  EXPECT_NE(out.find("\n00000010: z  01\n"), std::string::npos);
}

TEST_F(EngineTest, BadMemoryChecks) {
  int local = 5;
  EXPECT_EQ(DebugIsBadMemory(&local, sizeof local), 0);
  EXPECT_EQ(DebugIsBadMemory(reinterpret_cast<void*>(16), 4), 1);
  EXPECT_EQ(DebugIsBadString("hello", 10), 0);
  EXPECT_EQ(DebugIsBadCode(reinterpret_cast<const void*>(&ResetEngine)), 0);
  EXPECT_EQ(DebugIsBadCode(&local), 1);
}

TEST_F(EngineTest, CpuSpeedNeedsTheTimer) {
  EXPECT_FATAL(CPUSpeedTest(), "CPUSpeedTest\\(\\): timer interrupt not initialised\n\\(File: cpuinfo");
}

}  // namespace
