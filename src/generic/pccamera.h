// The four match cameras the user switches between: how each view point
// follows the play, and how the chosen camera is handed to the renderer.
// Coordinates are pitch units: x across, y along, z up (render height).
#pragma once

#include <cstdint>

constexpr int CAMERA_COUNT = 4;
constexpr int CAMERA_VIEW_TYPES = 4;  // 0 far-side gantry, 1 behind the first goal, 2 the second, 3 near side

struct CameraRecord {
  float eyeX, eyeY, eyeZ;
  float targetX, targetY, targetZ;
  // Working values of the view that the view points neither read nor change.
  double work[2];
  int16_t workFlags[4];
  int16_t viewType;  // 0-3
  double yaw;        // radians about the vertical
  double pitch;      // radians; the view points keep it in -pi..-pi/2 (looking down)
  double distance;   // eye to target
  float zoom;        // clamped to 1-20 when the camera is applied
};

extern CameraRecord Cameras[CAMERA_COUNT];
extern int16_t CurrentCamera;
// Set by the stadium loaders when the big stadium is chosen: the gantries
// and the cameras behind the goals sit further out.
extern int16_t BigStadiumFlag;

// The defaults for every camera; camera 0 takes the stored view type
// (CameraView of the video options) and becomes current.
// The object the views follow: a thrower or goalkeeper with the ball in his
// hands, else the match's focus. A focus beyond the objects (a damaged
// replay frame) falls back on the ball.
int FollowedObject();

void Camera_ResetAll();
// The current camera's view point, then the camera handed to the renderer.
void UpdateCamera();
// Target, yaw, pitch, distance and zoom by the camera's view type (Watch),
// or the fixed overview (the other display modes).
void ProcessViewPoint(int camera);
// Clamps the zoom, computes the eye and hands the camera to the renderer of
// the display mode.
void ApplyCameraView(int camera);
// The current camera's view type (0-3; others are refused); camera 0's is
// the stored option.
void Camera_SetViewType(int viewType);
// The fixed overview of the analysis and overview displays.
void Camera_SetOverview(int camera);
// low when v is below low, then high when the result is above high.
double Camera_Clamp(double v, double low, double high);
// The eye `distance` back from the target along (yaw, pitch).
void Camera_EyeFromAngles(const float target[3], double yaw, double pitch, double distance, float eye[3]);

// The 3D device's camera until its match frame exists: logs each call.
void D3DCamera_SetView(float eyeX, float eyeY, float eyeZ, float yaw, float pitch, float zoom);
int Camera_D3DSetViewCalls();

// The module as at program start (a registered reset).
void Camera_Reset();
