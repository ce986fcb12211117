#include "generic/pccamera.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "engine/bytes.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "render256/swcamera.h"
#include "render256/vidopt.h"
#include "support/engine_fixture.h"

namespace {

class CameraTest : public EngineTest {
 protected:
  void SetUp() override {
    EngineTest::SetUp();
    SetPitchGeometry();
    SetDisplayMode(2);
    focusObject = OBJECT_BALL;
    SetCameraProjection(320, 240, 8.0 * 448, 8.0 * 368);
    Camera_ResetAll();
  }
  static void SetDisplayMode(int mode) { StoreU16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE, static_cast<uint32_t>(mode)); }
  static void PutAt(int object, float x, float y, float height = 0) {
    RenderObjects[object].x = x;
    RenderObjects[object].y = y;
    RenderObjects[object].height = height;
  }
  static const CameraRecord& Current() { return Cameras[CurrentCamera]; }
};

TEST_F(CameraTest, DefaultsAndTheStoredViewOfCameraZero) {
  CameraView = 2;
  Camera_ResetAll();
  for (int i = 0; i < CAMERA_COUNT; ++i) {
    const CameraRecord& c = Cameras[i];
    EXPECT_EQ(c.targetX, Pitch.centreX);
    EXPECT_EQ(c.targetY, Pitch.centreY);
    EXPECT_EQ(c.targetZ, 10);
    EXPECT_DOUBLE_EQ(c.yaw, 1.5707963);
    EXPECT_DOUBLE_EQ(c.pitch, 3.5342917);
    EXPECT_EQ(c.distance, 1000);
    EXPECT_FLOAT_EQ(c.zoom, 1.1f);
    EXPECT_EQ(c.work[0], 16);
    EXPECT_EQ(c.work[1], 44);
    EXPECT_EQ(c.viewType, i == 0 ? 2 : 0);
  }
  EXPECT_EQ(CurrentCamera, 0);
  Camera_SetViewType(3);
  EXPECT_EQ(CameraView, 3);
  Camera_SetViewType(4);
  EXPECT_EQ(Current().viewType, 3);
  CurrentCamera = 1;
  Camera_SetViewType(1);
  EXPECT_EQ(Cameras[1].viewType, 1);
  EXPECT_EQ(CameraView, 3);  // only camera 0's view is stored
}

TEST_F(CameraTest, TheZoomIsClampedWhenTheCameraIsApplied) {
  for (const auto& [zoom, drawn] : {std::pair{0.5f, 1.0f}, {25.0f, 20.0f}, {7.0f, 7.0f}}) {
    Cameras[0].zoom = zoom;
    ApplyCameraView(0);
    EXPECT_EQ(Cameras[0].zoom, drawn);
    // The software camera is scaled by the drawn zoom (1.5 across, 2 down).
    EXPECT_NEAR(SoftwareCamera.yFromDy, 2.0 * drawn * std::cos(Cameras[0].pitch - M_PI / 2), 1e-4);
  }
}

TEST_F(CameraTest, TheAnalysisAndOverviewDisplaysNeverMove) {
  for (int mode : {0, 1}) {
    SetDisplayMode(mode);
    PutAt(OBJECT_BALL, 300, 400);
    UpdateCamera();
    const CameraRecord first = Current();
    PutAt(OBJECT_BALL, 1200, 1900, 50);
    focusObject = 3;
    UpdateCamera();
    const CameraRecord& c = Current();
    EXPECT_EQ(c.yaw, 0);
    EXPECT_DOUBLE_EQ(c.pitch, 4.0212386);
    EXPECT_EQ(c.distance, 2106);
    EXPECT_FLOAT_EQ(c.zoom, 1.5f);
    EXPECT_EQ(c.targetX, Pitch.centreX);
    EXPECT_EQ(c.targetY, Pitch.centreY + 278);
    EXPECT_EQ(c.targetZ, 1);
    EXPECT_EQ(c.eyeX, first.eyeX);
    EXPECT_EQ(c.eyeY, first.eyeY);
    EXPECT_EQ(c.eyeZ, first.eyeZ);
  }
}

TEST_F(CameraTest, TheDirect3DChoiceChangesOnlyWhereTheCameraGoes) {
  PutAt(OBJECT_BALL, 500, 700);
  UpdateCamera();
  const CameraRecord before = Current();
  EXPECT_EQ(Camera_D3DSetViewCalls(), 0);
  EXPECT_EQ(SoftwareCamera.eyeAcross, before.eyeX);
  MatchSeams.videoIsDirect3D = [] { return 1; };
  SoftwareCamera = {};
  UpdateCamera();
  EXPECT_EQ(Camera_D3DSetViewCalls(), 1);
  EXPECT_EQ(SoftwareCamera.eyeAcross, 0);  // not handed to the software renderer
  EXPECT_EQ(Current().eyeX, before.eyeX);
  EXPECT_EQ(Current().yaw, before.yaw);
  // The other displays always use the software camera.
  SetDisplayMode(1);
  UpdateCamera();
  EXPECT_EQ(Camera_D3DSetViewCalls(), 1);
  EXPECT_EQ(SoftwareCamera.eyeAcross, Current().eyeX);
  EXPECT_EQ(SoftwareCamera.eyeAlong, Current().eyeY);
}

TEST_F(CameraTest, ThrowersAndKeepersHoldingTheBallAreFollowedBeforeTheFocus) {
  Camera_SetViewType(0);
  PutAt(OBJECT_BALL, 800, 1000);
  PutAt(4, 300, 500);
  PutAt(16, 796, 300);
  focusObject = 7;
  PutAt(7, 1000, 1500);
  struct Case {
    int16_t thrower, keeper;
    float x, y;
  };
  for (const Case& c : {Case{5, 17, 300, 500}, Case{0, 17, 796, 300}, Case{0, 0, 1000, 1500}}) {
    throwHolder = c.thrower;
    keeperHolder = c.keeper;
    UpdateCamera();
    EXPECT_EQ(Current().targetX, c.x);
    EXPECT_EQ(Current().targetY, c.y);
  }
}

TEST_F(CameraTest, TargetsStayInsideThePitchAndTheHeightFollowsTheView) {
  struct Case {
    int view;
    float x, y, height;
    float tx, ty, tz;
  };
  const Case cases[] = {
      {0, -50, 5000, 40, 256, 1942, 40},  {3, 3000, -10, 5000, 1336, 222, 3200},
      {1, 700, 900, 80, 700, 900, 1},     {2, 700, 900, -30, 700, 900, 1},
      {0, 700, 900, -30, 700, 900, 0},
  };
  for (const Case& c : cases) {
    Camera_SetViewType(c.view);
    PutAt(OBJECT_BALL, c.x, c.y, c.height);
    UpdateCamera();
    EXPECT_EQ(Current().targetX, c.tx) << c.view;
    EXPECT_EQ(Current().targetY, c.ty) << c.view;
    EXPECT_EQ(Current().targetZ, c.tz) << c.view;
  }
}

// Where each view's eye sits for a target at the centre spot.
TEST_F(CameraTest, EachViewLooksFromItsGantryOrGoal) {
  struct Case {
    int view;
    int16_t big;
    float eyeX, eyeY, eyeZ;
  };
  const Case cases[] = {
      {0, 0, 1445, 1082, 350}, {0, 1, 1424, 1082, 358.4f}, {1, 0, 796, 62, 350}, {1, 1, 796, 22, 358.4f},
      {2, 0, 796, 2102, 350},  {2, 1, 796, 2142, 358.4f},  {3, 0, 76, 1082, 350}, {3, 1, 55, 1082, 358.4f},
  };
  for (const Case& c : cases) {
    Camera_ResetAll();
    BigStadiumFlag = c.big;
    Camera_SetViewType(c.view);
    PutAt(OBJECT_BALL, Pitch.centreX, Pitch.centreY, 0);
    UpdateCamera();
    const CameraRecord& r = Current();
    EXPECT_NEAR(r.eyeX, c.eyeX, 0.01) << c.view << " " << c.big;
    EXPECT_NEAR(r.eyeY, c.eyeY, 0.01) << c.view << " " << c.big;
    EXPECT_NEAR(r.eyeZ, c.eyeZ, 0.01) << c.view << " " << c.big;
    EXPECT_LT(r.pitch, -M_PI / 2);
    EXPECT_GT(r.pitch, -M_PI);
    EXPECT_NEAR(r.zoom, r.distance * 0.0023, 1e-4);
  }
}

TEST_F(CameraTest, TheEndViewsSlideOneFrameBehindThePlay) {
  Camera_SetViewType(1);
  PutAt(OBJECT_BALL, 800, 600);
  UpdateCamera();  // the eye starts from the centre: 4 across, inside the band
  // Looking from behind the first goal towards the second: straight is pi.
  EXPECT_EQ(Current().yaw, M_PI);
  // Steps of up to 16 across keep the view straight along the pitch.
  for (float x : {812.f, 828.f, 844.f, 830.f}) {
    PutAt(OBJECT_BALL, x, 600);
    UpdateCamera();
    EXPECT_EQ(Current().yaw, M_PI) << x;
    EXPECT_EQ(Current().eyeX, x);
  }
  // A jump turns the view for one frame; at rest the eye has caught up.
  PutAt(OBJECT_BALL, 700, 600);
  UpdateCamera();
  EXPECT_NEAR(Current().yaw, std::atan2(130.0, 62.0 - 600.0), 1e-9);  // the eye is still at 830
  UpdateCamera();
  EXPECT_EQ(Current().yaw, M_PI);
  EXPECT_EQ(Current().eyeX, 700);
  // Near a touch line the eye stops at the edge of the goal-mouth band.
  for (const auto& [x, edge] : {std::pair{200.f, 664.f}, {1390.f, 928.f}}) {
    PutAt(OBJECT_BALL, x, 600);
    UpdateCamera();
    UpdateCamera();
    const double dx = edge - Current().targetX;
    EXPECT_NEAR(Current().yaw, std::atan2(dx, 62.0 - Current().targetY), 1e-9) << x;
  }
}

TEST_F(CameraTest, TheCloseUpDoublesAndMoreOnlyForAFocusOnThePitch) {
  Camera_SetViewType(0);
  PutAt(OBJECT_BALL, 700, 900);
  PutAt(9, 700, 900);
  struct Case {
    uint8_t focus;
    int16_t action, state;
    bool close;
  };
  const Case cases[] = {
      {9, 69, STATE_OPEN_PLAY, true},    {9, 0, STATE_OPEN_PLAY, false},  {9, 0, STATE_GOAL, true},
      {35, 0, STATE_CORNER_TAKEN, true}, {33, 0, STATE_GOAL_KICK_TAKEN, true}, {35, 0, STATE_CORNER, false},
      {36, 0, STATE_GOAL, false},        {200, 0, STATE_GOAL, false},
  };
  for (const Case& c : cases) {
    focusObject = c.focus;
    MatchObjects[9].action = c.action;
    MatchState = c.state;
    if (c.focus < MATCH_OBJECTS) PutAt(c.focus, 700, 900);
    ProcessViewPoint(0);
    const double rule = Current().distance * 0.0023;
    EXPECT_NEAR(Current().zoom, c.close ? rule * 2.3 : rule, 1e-4) << +c.focus << " " << c.state;
  }
}

TEST_F(CameraTest, AnInvalidViewTypeOrDisplayModeIsFatal) {
  Cameras[0].viewType = 4;
  EXPECT_FATAL(ProcessViewPoint(0), "ProcessViewPoint not a valid view 4");
  Cameras[0].viewType = 0;
  SetDisplayMode(3);
  EXPECT_FATAL(ApplyCameraView(0), "ApplyCameraView\\(\\): unknown game type");
}

// Whatever the play, the followed point is drawn in the middle of the view.
TEST_F(CameraTest, RandomTargetsLandMidViewInEveryViewAndTheOverview) {
  std::mt19937 rng(2000);
  std::uniform_real_distribution<float> across(Pitch.minX + 100, Pitch.maxX - 100);
  std::uniform_real_distribution<float> along(Pitch.minY + 100, Pitch.maxY - 100);
  std::uniform_real_distribution<float> height(0, 300);
  for (int16_t big : {0, 1})
    for (int view = 0; view < 5; ++view)
      for (int i = 0; i < 50; ++i) {
        BigStadiumFlag = big;
        SetDisplayMode(view == 4 ? 1 : 2);
        if (view < 4) Camera_SetViewType(view);
        PutAt(OBJECT_BALL, across(rng), along(rng), height(rng));
        UpdateCamera();
        UpdateCamera();  // the end views' eye catches up
        const CameraRecord& c = Current();
        int32_t sx = -1, sy = -1;
        ASSERT_EQ(ProjectPointToScreen(c.targetX, c.targetZ, c.targetY, &sx, &sy), 1) << view;
        EXPECT_NEAR(sx, 160, 1) << view << " " << c.targetX << "," << c.targetY;
        EXPECT_NEAR(sy, 120, 1) << view << " " << c.targetX << "," << c.targetY;
      }
}

}  // namespace
