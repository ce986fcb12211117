// The software renderer's camera: one transform from the world into camera
// space, the outcodes against the view volume, the clipping of polygons to the
// five planes of that volume and the projection to 28.4 screen coordinates for
// the polygon fillers.
//
// World points are given as (across, height, along) in pitch units. Camera
// space has x to the right, y downwards and z forwards; the view volume is
// -z <= x <= z, -z <= y <= z, z >= CAMERA_NEAR_Z.
#pragma once

#include <cstdint>

#include "render256/perspfill.h"

struct NodModel;

constexpr float CAMERA_NEAR_Z = 20.0f;
constexpr float CAMERA_HEAD_HEIGHT = 35.0f;  // how far above its ground point an object's head is looked for

// Outcode bits.
constexpr int16_t OUTCODE_RIGHT = 1;   // x > z
constexpr int16_t OUTCODE_LEFT = 2;    // x < -z
constexpr int16_t OUTCODE_BELOW = 4;   // y > z
constexpr int16_t OUTCODE_ABOVE = 8;   // y < -z
constexpr int16_t OUTCODE_NEAR = 16;   // z < CAMERA_NEAR_Z

struct SoftwareCameraState {
  float eyeAcross, eyeHeight, eyeAlong;
  float xFromDx, xFromDz;              // camera x from the across and along offsets
  float forwardFromDx, forwardFromDz;  // horizontal distance ahead
  float yFromDy, yFromForward;
  float zFromDy, zFromForward;
};
extern SoftwareCameraState SoftwareCamera;

struct CameraPoint {
  float x, y, z;
  int16_t outcode;
  int16_t unused;
};
static_assert(sizeof(CameraPoint) == 16);

struct ClipVertex {
  float x, y, z, u, v;
};
static_assert(sizeof(ClipVertex) == 20);

// 3 or 4 corners come in; five planes add at most one each.
constexpr int CLIP_MAX_VERTICES = 10;

struct ClipPoly {
  ClipVertex vertex[CLIP_MAX_VERTICES];
  int count;
};

// ---- Projection of the match screen --------------------------------------
// The match screen sets these from its size and display mode when it opens
// (UpdateScreenProjection); tests and tools set them with SetCameraProjection.
struct CameraProjection {
  double scaleX, scaleY;        // pixels
  double scaleX16, scaleY16;    // sixteenths of a pixel
  double centreX16, centreY16;  // sixteenths of a pixel, in the buffer
  int32_t screenWidth, screenHeight;
};
extern CameraProjection SoftwareProjection;
// The scales for a view of width x height pixels, centred on the given point
// of the buffer (in sixteenths of a pixel).
void SetCameraProjection(int32_t width, int32_t height, double centreX16, double centreY16);

// Camera at (eyeAcross, eyeAlong, eyeHeight) in pitch units, turned by yaw
// (radians about the vertical) and tilted by pitch, magnified by zoom. The
// match cameras keep pitch in -pi..-pi/2 (or pi..3/2 pi): -pi/2 looks level,
// towards -(sin yaw, cos yaw) in (across, along), upright; the nearer pitch
// is to -pi, the steeper the view looks down. A pitch near +pi/2 turns the
// picture upside down.
void SetSoftwareCamera(float eyeAcross, float eyeAlong, float eyeHeight, float yaw, float pitch, float zoom);

// One world point (across, height, along) into camera space, with its
// outcode (the left/right and above/below pairs never both set).
CameraPoint TransformPoint(float across, float height, float along);
int16_t PointOutcode(float x, float y, float z);

// A model's `transformed` entries hold world points (across, along, height)
// once posed and placed; an entry whose outcode is CAMERA_POINT_MARKED is
// wanted this frame. TransformModelPoints takes every marked entry into
// camera space in place and gives it its outcode (which clears the mark).
constexpr int16_t CAMERA_POINT_MARKED = -1;
void TransformModelPoints(NodModel& model);

// Camera depth of match object `object`'s render position, or -1 when it is
// hidden or neither its feet nor its head are in view.
float PlayerDepth(int object);
// Depth of a ground point (across, height, along) by the same rule;
// `hidden` marks an object that is not drawn.
float PointDepth(float across, float height, float along, bool hidden);

// World point (across, height, along) to a window position; 1 when inside
// the view (and *screenX, *screenY set), else 0.
int ProjectPointToScreen(float across, float height, float along, int32_t* screenX, int32_t* screenY);

// Clips the polygon in place against the near, bottom, top, left and right
// planes, carrying u and v along; answers 0 (and leaves count 0) when fewer
// than 3 vertices remain. A polygon of fewer than 3 or more than
// CLIP_MAX_VERTICES vertices, or one that crosses itself so that it would
// outgrow the buffer, is dropped.
int ClipPolygon(ClipPoly& poly);
// Where the edge a-b meets `plane` (0 near, 1 bottom, 2 top, 3 left, 4 right);
// `insideA` is a's distance to the plane (at most 0 inside).
ClipVertex ClipEdge(const ClipVertex& a, const ClipVertex& b, int plane, float insideA);
// A vertex's distance to `plane`: at most 0 when inside.
float ClipPlaneDistance(const ClipVertex& p, int plane);

// The clipped polygon to the fillers' vertices (out holds CLIP_MAX_VERTICES);
// answers the vertex count.
int ProjectPolygon(const ClipPoly& poly, PerspVertex* out);
// One camera-space vertex (z at least CAMERA_NEAR_Z) to 28.4 screen
// coordinates, as ProjectPolygon places it.
void ProjectClipVertex(const ClipVertex& v, int32_t* x, int32_t* y);
