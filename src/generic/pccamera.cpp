// The match cameras and their four view points.
#include "generic/pccamera.h"

#include <cmath>
#include <cstring>

#include "engine/debug.h"
#include "engine/reset.h"
#include "gamecode/matchframe.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchseams.h"
#include "gamecode/matchstate.h"
#include "render256/swcamera.h"
#include "render256/vidopt.h"

CameraRecord Cameras[CAMERA_COUNT];
int16_t CurrentCamera;
int16_t BigStadiumFlag;

namespace {

constexpr double kDefaultYaw = 1.5707963;
constexpr double kDefaultPitch = 3.5342917;  // 9/8 pi: looking down
constexpr double kDefaultDistance = 1000;
constexpr float kDefaultZoom = 1.1f;
constexpr double kOverviewPitch = 4.0212386;
constexpr double kOverviewDistance = 2106;
constexpr float kOverviewZoom = 1.5f;
constexpr int kOverviewAlong = 278;  // the overview looks this far beyond the centre spot
constexpr double kZoomPerUnit = 0.0005 * 4.6;
constexpr double kCloseUp = 2.3;
constexpr double kYawBand = 16;   // an across offset the end views look straight past
constexpr int kGoalMouthBand = 132;
constexpr int kTargetMargin = 100;
constexpr double kMaxTargetHeight = 3200;
constexpr int kCelebrationAction = 69;

struct CameraSeamLog {
  int d3dSetView;
};
CameraSeamLog gLog;

void SetDefaults(CameraRecord& c) {
  std::memset(&c, 0, sizeof c);
  c.targetX = Pitch.centreX;
  c.targetY = Pitch.centreY;
  c.targetZ = 10;
  c.work[0] = 16;
  c.work[1] = 44;
  c.yaw = kDefaultYaw;
  c.pitch = kDefaultPitch;
  c.distance = kDefaultDistance;
  c.zoom = kDefaultZoom;
}


bool CloseUp() {
  const int focus = static_cast<int8_t>(focusObject);
  if (focus < 0 || focus > OBJECT_BALL) return false;
  if (focus < 32 && MatchObjects[focus].action == kCelebrationAction) return true;
  return MatchState == STATE_GOAL_KICK_TAKEN || MatchState == STATE_CORNER_TAKEN || MatchState == STATE_GOAL;
}

// One of the four view points of the full 3D display.
void FollowPlay(CameraRecord& c) {
  const RenderObject& r = RenderObjects[FollowedObject()];
  const int view = c.viewType;
  const double tx = Camera_Clamp(r.x, Pitch.minX + kTargetMargin, Pitch.maxX - kTargetMargin);
  const double ty = Camera_Clamp(r.y, Pitch.minY + kTargetMargin, Pitch.maxY - kTargetMargin);
  const double th = view == 0 || view == 3 ? Camera_Clamp(r.height, 0, kMaxTargetHeight) : 1;
  const bool big = BigStadiumFlag != 0;
  const double eyeHeight = big ? 358.4 : 350;
  double ex = 0, ey = Pitch.centreY;
  switch (view) {
    case 0:
      ex = Pitch.boundaryMaxX - (big ? 76 : 55);
      break;
    case 1:
    case 2:
      // The eye slides across behind the goal one frame behind the play.
      ex = Camera_Clamp(c.targetX, Pitch.centreX - kGoalMouthBand, Pitch.centreX + kGoalMouthBand);
      ey = view == 1 ? Pitch.minY - (big ? 100 : 60) : Pitch.maxY + (big ? 100 : 60);
      break;
    case 3:
      ex = big ? 55 : 76;
      break;
    default:
      FatalError("Error:ProcessViewPoint not a valid view %d", view);
  }
  const double dx = ex - tx, dy = ey - ty, dz = th - eyeHeight;
  const double h = std::sqrt(dx * dx + dy * dy);
  const bool endView = view == 1 || view == 2;
  c.yaw = std::atan2(endView && dx >= -kYawBand && dx <= kYawBand ? 0.0 : dx, dy);
  c.pitch = std::atan2(-h, dz);
  c.distance = std::sqrt(dz * dz + h * h);
  c.targetX = static_cast<float>(tx);
  c.targetY = static_cast<float>(ty);
  c.targetZ = static_cast<float>(th);
  double zoom = c.distance * kZoomPerUnit;
  if (CloseUp()) zoom *= kCloseUp;
  c.zoom = static_cast<float>(zoom);
}

}  // namespace

int FollowedObject() {
  int object = focusObject;
  if (throwHolder != 0)
    object = throwHolder - 1;
  else if (keeperHolder != 0)
    object = keeperHolder - 1;
  return object >= 0 && object < MATCH_OBJECTS ? object : OBJECT_BALL;
}

void Camera_Reset() {
  for (CameraRecord& c : Cameras) std::memset(&c, 0, sizeof c);
  CurrentCamera = 0;
  BigStadiumFlag = 0;
  gLog = {};
}
REGISTER_RESET(RESET_PRESENTATION, Camera_Reset);

void Camera_ResetAll() {
  for (CameraRecord& c : Cameras) SetDefaults(c);
  Cameras[0].viewType = CameraView >= 0 && CameraView < CAMERA_VIEW_TYPES ? CameraView : 0;
  CurrentCamera = 0;
}

void UpdateCamera() {
  ProcessViewPoint(CurrentCamera);
  ApplyCameraView(CurrentCamera);
}

void ProcessViewPoint(int camera) {
  CameraRecord& c = Cameras[camera];
  if (MatchDisplayMode() == MATCH_DISPLAY_WATCH)
    FollowPlay(c);
  else
    Camera_SetOverview(camera);
}

void ApplyCameraView(int camera) {
  CameraRecord& c = Cameras[camera];
  c.zoom = static_cast<float>(Camera_Clamp(c.zoom, 1, 20));
  const float target[3] = {c.targetX, c.targetY, c.targetZ};
  float eye[3];
  Camera_EyeFromAngles(target, c.yaw, c.pitch, c.distance, eye);
  c.eyeX = eye[0];
  c.eyeY = eye[1];
  c.eyeZ = eye[2];
  const int mode = MatchDisplayMode();
  if (mode > MATCH_DISPLAY_WATCH) AbortError("pccamera", __LINE__, "ApplyCameraView(): unknown game type");
  const float yaw = static_cast<float>(c.yaw), pitch = static_cast<float>(c.pitch);
  if (mode == MATCH_DISPLAY_WATCH && MatchSeams.videoIsDirect3D())
    D3DCamera_SetView(c.eyeX, c.eyeY, c.eyeZ, yaw, pitch, c.zoom);
  else
    SetSoftwareCamera(c.eyeX, c.eyeY, c.eyeZ, yaw, pitch, c.zoom);
}

void Camera_SetViewType(int viewType) {
  if (viewType < 0 || viewType >= CAMERA_VIEW_TYPES) return;
  Cameras[CurrentCamera].viewType = static_cast<int16_t>(viewType);
  if (CurrentCamera == 0) CameraView = static_cast<int16_t>(viewType);
}

void Camera_SetOverview(int camera) {
  CameraRecord& c = Cameras[camera];
  c.yaw = 0;
  c.pitch = kOverviewPitch;
  c.distance = kOverviewDistance;
  c.zoom = kOverviewZoom;
  c.targetX = Pitch.centreX;
  c.targetY = static_cast<float>(Pitch.centreY + kOverviewAlong);
  c.targetZ = 1;
}

double Camera_Clamp(double v, double low, double high) {
  if (v < low) v = low;
  if (v > high) v = high;
  return v;
}

void Camera_EyeFromAngles(const float target[3], double yaw, double pitch, double distance, float eye[3]) {
  const double sp = std::sin(pitch);
  eye[0] = static_cast<float>(target[0] - std::sin(yaw) * sp * distance);
  eye[1] = static_cast<float>(target[1] - std::cos(yaw) * sp * distance);
  eye[2] = static_cast<float>(target[2] - std::cos(pitch) * distance);
}

void D3DCamera_SetView(float, float, float, float, float, float) {
  ++gLog.d3dSetView;
  DPRINT(DEBUG_GRAPHICS, 2, "D3DCamera_SetView(): the 3D device's match is not built yet\n");
}

int Camera_D3DSetViewCalls() { return gLog.d3dSetView; }
