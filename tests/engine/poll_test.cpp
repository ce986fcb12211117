#include "engine/poll.h"

#include "support/engine_fixture.h"

namespace {

int gEvery, gRate0, gRate10, gReentered;
void Every() { ++gEvery; }
void Rate0() { ++gRate0; }
void Rate10() { ++gRate10; }
void Reenter() {
  ++gReentered;
  Poll();  // must return at once
}

class PollTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    gEvery = gRate0 = gRate10 = gReentered = 0;
    StartWindowAndTimer();
    InitPoll();
  }
  // One Poll per tick for n ticks.
  void RunTicks(int n) {
    for (int i = 0; i < n; ++i) {
      PlatVirtualAdvance(1);
      Poll();
    }
  }
};

TEST_F(PollTest, RatesFollowTheTick) {
  int16_t a = AddPollFunction(Every, -1, 0);
  int16_t b = AddPollFunction(Rate0, 0, 0);
  int16_t c = AddPollFunction(Rate10, 10, 0);
  EXPECT_EQ(a, 0);
  EXPECT_EQ(b, 1);
  EXPECT_EQ(c, 2);

  // Rate -1 runs at every Poll, even when no tick has passed.
  Poll();
  Poll();
  EXPECT_EQ(gEvery, 2);
  EXPECT_EQ(gRate0, 0);

  RunTicks(110);
  EXPECT_EQ(gEvery, 112);
  EXPECT_EQ(gRate0, 110);  // once per tick change
  EXPECT_EQ(gRate10, 10);  // every 11 ticks: strictly more than 10 must pass

  RemovePollFunction(a);
  RemovePollFunction(b);
  RemovePollFunction(c);
  UninitPoll();
}

TEST_F(PollTest, FreedSlotIsReused) {
  int16_t a = AddPollFunction(Every, -1, 0);
  AddPollFunction(Rate0, 0, 0);
  RemovePollFunction(a);
  EXPECT_EQ(AddPollFunction(Rate10, 10, 0), 0);
}

TEST_F(PollTest, PollInsidePollReturnsAtOnce) {
  AddPollFunction(Reenter, -1, 0);
  AddPollFunction(Every, -1, 0);
  Poll();
  EXPECT_EQ(gReentered, 1);
  EXPECT_EQ(gEvery, 1);
}

TEST_F(PollTest, LatePollIsCountedNotFatal) {
  PlatVirtualAdvance(501);
  Poll();
  EXPECT_EQ(PollLateCount(), 1u);
  PlatVirtualAdvance(10);
  Poll();
  EXPECT_EQ(PollLateCount(), 1u);
}

TEST_F(PollTest, MisuseAborts) {
  EXPECT_FATAL(InitPoll(), "Abort error: InitPoll\\(\\): already initialised\n\\(File: poll  Line: [0-9]+\\)");
  EXPECT_FATAL(RemovePollFunction(32), "RemovePollFunction\\(\\): bad index");
  EXPECT_FATAL(RemovePollFunction(3), "RemovePollFunction\\(\\): no function to remove");
  EXPECT_FATAL(
      {
        for (int i = 0; i <= MAX_POLL_ITEMS; ++i) AddPollFunction(Every, -1, 0);
      },
      "AddPollFunction\\(\\): cannot add another poll item - increase MAX_POLL_ITEMS");
}

TEST_F(PollTest, UninitReportsFunctionsStillRegistered) {
  AddPollFunction(Every, -1, 0);
  testing::internal::CaptureStdout();
  UninitPoll();
  EXPECT_NE(testing::internal::GetCapturedStdout().find("Error: UninitPoll(): function not released (index 0)"),
            std::string::npos);
  EXPECT_FATAL(AddPollFunction(Every, -1, 0), "AddPollFunction\\(\\): not initialised");
}

TEST_F(EngineTest, PollNeedsTheTimer) {
  EXPECT_FATAL(InitPoll(), "InitPoll\\(\\): timer interrupt not initialised");
}

}  // namespace
