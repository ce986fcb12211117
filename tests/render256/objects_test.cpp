#include "render256/objects.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/engine_fixture.h"

namespace {

// Two fake types whose depths and draws are recorded.
std::vector<float> gDepthA, gDepthB;
std::vector<std::string> gCalls;

int CountA() { return static_cast<int>(gDepthA.size()); }
int CountB() { return static_cast<int>(gDepthB.size()); }
float DepthA(int i) { return gDepthA[static_cast<size_t>(i)]; }
float DepthB(int i) { return gDepthB[static_cast<size_t>(i)]; }
void DrawA(int i) { gCalls.push_back("A" + std::to_string(i)); }
void DrawB(int i) { gCalls.push_back("B" + std::to_string(i)); }
void ShadowA(int i) { gCalls.push_back("shadowA" + std::to_string(i)); }
int CountMany() { return 200; }
float DepthOne(int) { return 1.0f; }

class ObjectsTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    gDepthA.clear();
    gDepthB.clear();
    gCalls.clear();
  }
};

TEST_F(ObjectsTest, ObjectsAreDrawnFarthestFirstAndOnlyWhenVisible) {
  const ObjectType table[] = {{CountA, DepthA, DrawA, ShadowA}, {CountB, DepthB, DrawB, nullptr}, {}};
  gDepthA = {50.0f, -1.0f, 0.0f};
  gDepthB = {300.0f, 50.0f};
  ObjectDisplay(table);
  // Shadows first for every object of the type, the invisible one too.
  ASSERT_EQ(gCalls.size(), 7u);
  EXPECT_EQ(std::vector<std::string>(gCalls.begin(), gCalls.begin() + 3),
            (std::vector<std::string>{"shadowA0", "shadowA1", "shadowA2"}));
  EXPECT_EQ(gCalls[3], "B0");
  // Equal depths: both drawn, in either order.
  EXPECT_TRUE((gCalls[4] == "A0" && gCalls[5] == "B1") || (gCalls[4] == "B1" && gCalls[5] == "A0"));
  EXPECT_EQ(gCalls[6], "A2");  // depth 0 is visible; -1 is not drawn
}

TEST_F(ObjectsTest, AnEmptyTableDrawsNothing) {
  const ObjectType table[] = {{}};
  ObjectDisplay(table);
  int n = -1;
  ObjectDisplayList(&n);
  EXPECT_EQ(n, 0);
  EXPECT_TRUE(gCalls.empty());
}

TEST_F(ObjectsTest, TheLimitsEndTheProgram) {
  std::vector<ObjectType> types(17, ObjectType{CountA, DepthA, DrawA, nullptr});
  types.push_back({});
  EXPECT_FATAL(ObjectDisplay(types.data()), "ObjectDisplay\\(\\): too many object types - increase MAX_OBJECT_TYPES");
  const ObjectType many[] = {{CountMany, DepthOne, DrawA, nullptr}, {CountMany, DepthOne, DrawB, nullptr}, {}};
  EXPECT_FATAL(ObjectDisplay(many), "ObjectDisplay\\(\\): too many visible objects - increase MAX_OBJECTS");
  // Sixteen types and 256 objects are within the limits.
  std::vector<ObjectType> sixteen(16, ObjectType{CountA, DepthA, DrawA, nullptr});
  sixteen.push_back({});
  gDepthA = std::vector<float>(16, 2.0f);
  ObjectDisplay(sixteen.data());
  EXPECT_EQ(gCalls.size(), 256u);
}

}  // namespace
