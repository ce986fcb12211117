#include "render256/swcamera.h"

#include <cmath>
#include <cstdint>

#include "engine/reset.h"
#include "gamecode/matchobj.h"
#include "render256/nodfile.h"

SoftwareCameraState SoftwareCamera;
CameraProjection SoftwareProjection;

namespace {

void SoftwareCamera_Reset() {
  SoftwareCamera = SoftwareCameraState{};
  SoftwareProjection = CameraProjection{};
}

// The scales of a width x height view: horizontally 0.667 x 3/4 of the width
// (10.672 x 3/4 in sixteenths), vertically half the height.
void ProjectionScales(CameraProjection& p, int32_t width, int32_t height) {
  p.scaleX = width * 0.667 * 3 * 0.25;
  p.scaleX16 = width * 10.672 * 3 * 0.25;
  p.scaleY = height * 0.5;
  p.scaleY16 = height * 8.0;
}

// A projected coordinate to an integer, truncated towards zero; points the
// clipper has not passed may lie far off: they stop at the int32 range.
int32_t Truncate(double v) {
  if (v != v) return 0;
  if (v >= 2147483647.0) return INT32_MAX;
  if (v <= -2147483648.0) return INT32_MIN;
  return static_cast<int32_t>(v);
}

}  // namespace

REGISTER_RESET(RESET_RENDER, SoftwareCamera_Reset);

void SetCameraProjection(int32_t width, int32_t height, double centreX16, double centreY16) {
  ProjectionScales(SoftwareProjection, width, height);
  SoftwareProjection.centreX16 = centreX16;
  SoftwareProjection.centreY16 = centreY16;
  SoftwareProjection.screenWidth = width;
  SoftwareProjection.screenHeight = height;
}

void SetSoftwareCamera(float eyeAcross, float eyeAlong, float eyeHeight, float yaw, float pitch, float zoom) {
  const float s1 = static_cast<float>(std::sin(static_cast<double>(yaw)));
  const float c1 = static_cast<float>(std::cos(static_cast<double>(yaw)));
  const double tilt = static_cast<double>(pitch) - 1.57079632679635;
  const float s2 = static_cast<float>(std::sin(tilt));
  const float c2 = static_cast<float>(std::cos(tilt));
  SoftwareCameraState& c = SoftwareCamera;
  c.eyeAcross = eyeAcross;
  c.eyeHeight = eyeHeight;
  c.eyeAlong = eyeAlong;
  const float kx = zoom * 1.5f;
  const float ky = zoom * 2.0f;
  c.xFromDx = kx * c1;
  c.xFromDz = -kx * s1;
  c.forwardFromDx = s1;
  c.forwardFromDz = c1;
  c.yFromDy = ky * c2;
  c.yFromForward = ky * s2;
  c.zFromDy = -s2;
  c.zFromForward = c2;
}

int16_t PointOutcode(float x, float y, float z) {
  int16_t code = 0;
  if (x > z)
    code |= OUTCODE_RIGHT;
  else if (x < -z)
    code |= OUTCODE_LEFT;
  if (y > z)
    code |= OUTCODE_BELOW;
  else if (y < -z)
    code |= OUTCODE_ABOVE;
  if (z < CAMERA_NEAR_Z) code |= OUTCODE_NEAR;
  return code;
}

CameraPoint TransformPoint(float across, float height, float along) {
  const SoftwareCameraState& c = SoftwareCamera;
  const float dx = across - c.eyeAcross;
  const float dy = height - c.eyeHeight;
  const float dz = along - c.eyeAlong;
  const float forward = dx * c.forwardFromDx + dz * c.forwardFromDz;
  CameraPoint p;
  p.x = dz * c.xFromDz + dx * c.xFromDx;
  p.y = dy * c.yFromDy + forward * c.yFromForward;
  p.z = dy * c.zFromDy + forward * c.zFromForward;
  p.outcode = PointOutcode(p.x, p.y, p.z);
  p.unused = 0;
  return p;
}

void TransformModelPoints(NodModel& model) {
  CameraPoint* t = model.transformed;
  if (t == nullptr) return;
  for (int32_t i = 0; i < model.pointCount; ++i) {
    if (t[i].outcode != CAMERA_POINT_MARKED) continue;
    t[i] = TransformPoint(t[i].x, t[i].z, t[i].y);
  }
}

float PointDepth(float across, float height, float along, bool hidden) {
  if (hidden) return -1.0f;
  const CameraPoint feet = TransformPoint(across, height, along);
  const CameraPoint head = TransformPoint(across, height + CAMERA_HEAD_HEIGHT, along);
  const float z = feet.z;
  if (!(z >= CAMERA_NEAR_Z)) return -1.0f;
  if (feet.x < -z || feet.x > z) return -1.0f;
  const bool feetIn = feet.y >= -z && feet.y <= z;
  // The head point shares the feet's depth row: only its height on screen is asked.
  const bool headIn = head.y >= -z && head.y <= z;
  return feetIn || headIn ? z : -1.0f;
}

float PlayerDepth(int object) {
  if (object < 0 || object >= MATCH_OBJECTS) return -1.0f;
  const RenderObject r = RenderObjects[object];
  // An object without a model to draw carries motion -1.
  return PointDepth(r.x, r.height, r.y, r.motion == -1);
}

int ProjectPointToScreen(float across, float height, float along, int32_t* screenX, int32_t* screenY) {
  const CameraPoint p = TransformPoint(across, height, along);
  if (!(p.z >= CAMERA_NEAR_Z) || std::fabs(p.x) > p.z || std::fabs(p.y) > p.z) return 0;
  const CameraProjection& s = SoftwareProjection;
  *screenX = Truncate(p.x * s.scaleX / p.z + s.screenWidth / 2);
  *screenY = Truncate(p.y * s.scaleY / p.z + s.screenHeight / 2);
  return 1;
}

float ClipPlaneDistance(const ClipVertex& p, int plane) {
  switch (plane) {
    case 0: return CAMERA_NEAR_Z - p.z;
    case 1: return p.y - p.z;
    case 2: return -p.y - p.z;
    case 3: return -p.z - p.x;
    default: return p.x - p.z;
  }
}

ClipVertex ClipEdge(const ClipVertex& a, const ClipVertex& b, int plane, float insideA) {
  const float dx = b.x - a.x, dy = b.y - a.y, dz = b.z - a.z;
  float change;
  switch (plane) {
    case 0: change = dz; break;
    case 1: change = dz - dy; break;
    case 2: change = dy + dz; break;
    case 3: change = dx + dz; break;
    default: change = dz - dx; break;
  }
  const float t = insideA / change;
  // Rounding can put t just outside (0, 1), or make it undefined when the
  // edge barely crosses: the crossing is then an end point.
  if (t > 0.0f && t < 1.0f) {
    ClipVertex r;
    r.x = a.x + t * dx;
    r.y = a.y + t * dy;
    r.z = a.z + t * dz;
    r.u = a.u + t * (b.u - a.u);
    r.v = a.v + t * (b.v - a.v);
    return r;
  }
  return t >= 1.0f ? b : a;
}

int ClipPolygon(ClipPoly& poly) {
  const int count = poly.count;
  if (count < 3 || count > CLIP_MAX_VERTICES) {
    poly.count = 0;
    return 0;
  }
  ClipVertex lists[2][CLIP_MAX_VERTICES];
  const ClipVertex* in = poly.vertex;
  int inCount = count;
  int out = 0;
  for (int plane = 0; plane < 5; ++plane) {
    ClipVertex* dst = lists[plane & 1];
    int n = 0;
    bool overflow = false;
    for (int i = 0; i < inCount && !overflow; ++i) {
      const ClipVertex& a = in[i];
      const ClipVertex& b = in[i + 1 < inCount ? i + 1 : 0];
      const float da = ClipPlaneDistance(a, plane);
      const float db = ClipPlaneDistance(b, plane);
      const bool aIn = da <= 0.0f, bIn = db <= 0.0f;
      const int adds = (aIn ? 1 : 0) + (aIn != bIn ? 1 : 0);
      if (n + adds > CLIP_MAX_VERTICES) {
        overflow = true;  // only a polygon that crosses itself grows this far
        break;
      }
      if (aIn) dst[n++] = a;
      if (aIn != bIn) dst[n++] = ClipEdge(a, b, plane, da);
    }
    if (overflow || n < 3) {
      poly.count = 0;
      return 0;
    }
    in = dst;
    inCount = n;
    out = n;
  }
  for (int i = 0; i < out; ++i) poly.vertex[i] = in[i];
  poly.count = out;
  return 1;
}

void ProjectClipVertex(const ClipVertex& v, int32_t* x, int32_t* y) {
  const CameraProjection& s = SoftwareProjection;
  *x = Truncate(v.x * s.scaleX16 / v.z + s.centreX16);
  *y = Truncate(v.y * s.scaleY16 / v.z + s.centreY16);
}

int ProjectPolygon(const ClipPoly& poly, PerspVertex* out) {
  const int n = poly.count < 0 ? 0 : (poly.count > CLIP_MAX_VERTICES ? CLIP_MAX_VERTICES : poly.count);
  for (int i = 0; i < n; ++i) {
    const ClipVertex& v = poly.vertex[i];
    ProjectClipVertex(v, &out[i].x, &out[i].y);
    out[i].z = v.z * 16.0f;
    out[i].u = v.u;
    out[i].v = v.v;
  }
  return n;
}
