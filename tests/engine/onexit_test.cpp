#include "engine/onexit.h"

#include <gmock/gmock.h>

#include <string>
#include <utility>
#include <vector>

#include "support/engine_fixture.h"

namespace {

std::vector<std::string> gCalls;
void A() { gCalls.push_back("A"); }
void B() { gCalls.push_back("B"); }
void C() { gCalls.push_back("C"); }
// A clean-up that takes itself off the list while the list runs.
void SelfRemoving() {
  gCalls.push_back("self");
  OnExitRemove(SelfRemoving);
}

class OnExitTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    gCalls.clear();
  }
};

TEST_F(OnExitTest, RunsNewestFirstAndOnlyOnce) {
  OnExitAddEx(A, "A()");
  OnExitAddEx(B, "B()");
  OnExitAddEx(C, "C()");
  OnExitRun();
  OnExitRun();
  EXPECT_EQ(gCalls, (std::vector<std::string>{"C", "B", "A"}));
}

TEST_F(OnExitTest, RemovalClosesTheGap) {
  OnExitAddEx(A, "A()");
  OnExitAddEx(B, "B()");
  OnExitAddEx(C, "C()");
  OnExitRemove(B);
  ASSERT_EQ(OnExitCount(), 2);
  EXPECT_STREQ(OnExitName(1), "C()");
  OnExitRun();
  EXPECT_EQ(gCalls, (std::vector<std::string>{"C", "A"}));
}

TEST_F(OnExitTest, FunctionMayRemoveItselfWhileTheListRuns) {
  OnExitAddEx(A, "A()");
  OnExitAddEx(SelfRemoving, "SelfRemoving()");
  OnExitAddEx(C, "C()");
  OnExitRun();
  EXPECT_EQ(gCalls, (std::vector<std::string>{"C", "self", "A"}));
}

TEST_F(OnExitTest, MisuseEndsTheProgram) {
  EXPECT_FATAL(
      {
        OnExitAddEx(A, "A()");
        OnExitAddEx(A, "A()");
      },
      "Error: OnExitAddEx\\(\\): function already added \\(A\\(\\)\\)");
  EXPECT_FATAL(OnExitRemove(B), "Abort error: OnExitRemove\\(\\): function not found in exit list");
}

volatile int gSink;
template <int N>
void Numbered() {
  gSink = N;  // distinct bodies, so no two are folded into one function
}
template <int... N>
void AddNumbered(std::integer_sequence<int, N...>) {
  (OnExitAddEx(Numbered<N>, "numbered"), ...);
}

TEST_F(OnExitTest, SixtyFifthFunctionAborts) {
  AddNumbered(std::make_integer_sequence<int, MAX_ONEXIT>{});
  EXPECT_EQ(OnExitCount(), MAX_ONEXIT);
  EXPECT_FATAL(OnExitAddEx(A, "A()"), "OnExitAddEx\\(\\): no free slots - increase MAX_ONEXIT");
  OnExitReset();
}

TEST_F(OnExitTest, FatalErrorRunsTheListAndExitsWithOne) {
  EXPECT_FATAL(
      {
        OnExitAddEx(+[] { std::printf("cleanup ran\n"); }, "cleanup");
        FatalError("Error: something broke %d\n", 7);
      },
      "something broke 7(.|\n)*cleanup ran");
}

TEST_F(OnExitTest, FailureInsideTheErrorHandlerStopsAtOnce) {
  EXPECT_FATAL(
      {
        OnExitAddEx(+[] { FatalError("second failure\n"); }, "bad cleanup");
        FatalError("first failure\n");
      },
      "first failure(.|\n)*second failure(.|\n)*Error: Error during error handler");
}

TEST_F(OnExitTest, NothingElseRunsAfterAFailureInTheErrorHandler) {
  EXPECT_EXIT(
      {
        StdoutToStderr();
        OnExitAddEx(+[] { std::printf("older cleanup ran\n"); }, "older");
        OnExitAddEx(+[] { FatalError("cleanup failed\n"); }, "failing");
        FatalError("first failure\n");
      },
      testing::ExitedWithCode(1),
      testing::AllOf(testing::HasSubstr("Error during error handler"), testing::Not(testing::HasSubstr("older cleanup ran"))));
}

}  // namespace
