// genmotions --out DIR: writes the 159 motion-capture clips into DIR (the
// hard-disk pak's generated folder) as zvdata/common/sskin/motions/<NAME>.RAW,
// drawn procedurally and always the same bytes.
//
// A clip is an int32 data size, an int32 frame count and 90-byte frames: the
// root point and the hand point (three floats each: across, along, height),
// three spare bytes (where the hips, which do not turn, would be), then the
// joint rotations: bone b of the player model (1-20) at 24 + 3b, three angle
// bytes each (z, y, x; the pose turns the bone by minus each, in steps of
// pi / 128); the last three bytes (87-89) are zero. docs/motions.md has the
// bone order.
//
// The looping clips (standing, walking, running, side-steps) are periodic:
// the frame after the last is the first again, and a clip the match code
// wraps to a later frame is periodic from there too. Every other clip plays
// once from the standing pose and back to it, long enough for every frame
// window the match code reads (the celebrations run past 370 frames).
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "gamecode/motion.h"
#include "toolfiles.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;
constexpr double kPi = 3.14159265358979323846;

enum Joint {
  HIPS = 0, WAIST, CHEST, NECK, HEAD,
  L_UPPER_ARM, L_FOREARM, L_HAND, R_UPPER_ARM, R_FOREARM, R_HAND,
  L_THIGH, L_SHIN, L_FOOT, R_THIGH, R_SHIN, R_FOOT,
  L_SHOULDER, R_SHOULDER, L_TOE, R_TOE,
  JOINT_COUNT
};
static_assert(JOINT_COUNT == 21);

// The mirror image of each joint (left and right exchanged).
constexpr int kMirror[JOINT_COUNT] = {HIPS,        WAIST,       CHEST,       NECK,       HEAD,    R_UPPER_ARM,
                                      R_FOREARM,   R_HAND,      L_UPPER_ARM, L_FOREARM,  L_HAND,  R_THIGH,
                                      R_SHIN,      R_FOOT,      L_THIGH,     L_SHIN,     L_FOOT,  R_SHOULDER,
                                      L_SHOULDER,  R_TOE,       L_TOE};

struct Pose {
  double root[3] = {0, 0, 0};
  double hand[3] = {2.35, 0.15, 8.6};  // the right hand of the standing figure
  double angle[JOINT_COUNT][3] = {};   // x, y, z per joint, radians
};

// The looping clips: clip number, frames, period (a wrap frame the match code
// uses is a multiple of the period), the gait's stride and speed.
struct Loop {
  int clip;
  int frames;
  int period;
  double stride;  // thigh swing in radians; negative walks backwards
  double bob;     // root rise and fall
  bool sideways;
};
constexpr Loop kLoops[] = {
    {MOTION_ANF001, 48, 48, 0.0, 0.05, false},    // standing, breathing
    {MOTION_ANF011, 63, 21, -0.30, 0.10, false},  // backing off (wraps to 42)
    {MOTION_ANF016, 76, 19, -0.20, 0.08, false},  // walking back to throw (wraps to 57)
    {MOTION_ANF019, 62, 31, 0.30, 0.10, false},   // walking (wraps to 0 and 31)
    {MOTION_ANF021, 72, 24, 0.55, 0.25, false},   // running
    {MOTION_ANF023, 60, 20, 0.80, 0.35, false},   // sprinting
    {MOTION_ANF025, 72, 24, 0.50, 0.22, false},   // running on, turning
    {MOTION_ANF026, 72, 24, 0.45, 0.20, false},
    {MOTION_ANF071, 64, 32, 0.25, 0.08, true},    // side-step
    {MOTION_ANF072, 72, 24, 0.55, 0.25, false},   // officials' run
    {MOTION_ANF123, 64, 32, 0.25, 0.08, true},    // goalkeeper's side-step
    {MOTION_ANF141C, 72, 24, 0.70, 0.30, false},  // running to the scorer
};

constexpr int kOnceFrames = 160;
constexpr int kCelebrationFrames = 400;

const Loop* FindLoop(int clip) {
  for (const Loop& loop : kLoops)
    if (loop.clip == clip) return &loop;
  return nullptr;
}

// A small generator of the clip's own shape, seeded by its number.
struct Shape {
  uint32_t state;
  explicit Shape(int clip) : state(static_cast<uint32_t>(clip) * 2654435761u + 12345u) {}
  double Next(double limit) {  // -limit .. limit
    state = state * 1664525u + 1013904223u;
    return (static_cast<double>(state >> 8) / 16777216.0 * 2.0 - 1.0) * limit;
  }
};

Pose Standing(double phase) {
  Pose p;
  const double breath = std::sin(phase);
  p.root[2] = 0.05 * breath;
  p.angle[WAIST][0] = 0.03 * breath;
  p.angle[CHEST][0] = -0.05 * breath;
  p.angle[NECK][0] = 0.03 * breath;
  p.angle[L_UPPER_ARM][1] = -0.12 - 0.04 * breath;
  p.angle[R_UPPER_ARM][1] = 0.12 + 0.04 * breath;
  p.angle[L_FOREARM][0] = 0.25;
  p.angle[R_FOREARM][0] = 0.25;
  p.angle[L_THIGH][1] = -0.05;
  p.angle[R_THIGH][1] = 0.05;
  return p;
}

Pose Gait(const Loop& loop, int frame) {
  const double phase = 2 * kPi * frame / loop.period;
  Pose p = Standing(phase);
  if (loop.stride == 0.0) return p;
  const double swing = std::sin(phase);
  p.root[2] = -loop.bob * std::cos(2 * phase);
  if (loop.sideways) {
    p.angle[L_THIGH][1] = -0.05 - loop.stride * (0.5 + 0.5 * swing);
    p.angle[R_THIGH][1] = 0.05 + loop.stride * (0.5 - 0.5 * swing);
    p.angle[L_SHIN][0] = 0.2 * (1 - std::cos(phase));
    p.angle[R_SHIN][0] = 0.2 * (1 + std::cos(phase));
    p.hand[0] = 2.35 + 0.3 * swing;
    return p;
  }
  const double lean = std::fabs(loop.stride) * 0.25 * (loop.stride > 0 ? 1 : -1);
  p.angle[WAIST][0] += lean;
  p.angle[L_THIGH][0] = loop.stride * swing;
  p.angle[R_THIGH][0] = -loop.stride * swing;
  p.angle[L_SHIN][0] = std::fabs(loop.stride) * (0.6 + 0.6 * std::cos(phase));
  p.angle[R_SHIN][0] = std::fabs(loop.stride) * (0.6 - 0.6 * std::cos(phase));
  p.angle[L_UPPER_ARM][0] = -0.8 * loop.stride * swing;
  p.angle[R_UPPER_ARM][0] = 0.8 * loop.stride * swing;
  p.angle[L_FOREARM][0] = 0.25 + std::fabs(loop.stride);
  p.angle[R_FOREARM][0] = 0.25 + std::fabs(loop.stride);
  p.hand[1] = 0.15 + 1.2 * loop.stride * swing;
  return p;
}

// A clip played once: from the standing pose into the clip's own gesture and
// back, with the hands following (where a goalkeeper holds the ball).
Pose Once(int clip, int frame, int frames) {
  Pose p = Standing(2 * kPi * frame / 48.0);
  const double s = static_cast<double>(frame) / (frames - 1);
  const double envelope = std::sin(kPi * s);
  const double beat = std::sin(2 * kPi * s * 3);
  Shape shape(clip);
  for (int j = 1; j < JOINT_COUNT; ++j)
    for (int axis = 0; axis < 3; ++axis) {
      const double limit = axis == 0 ? 0.9 : 0.35;
      const double amount = shape.Next(limit);
      const double ripple = shape.Next(0.1);
      p.angle[j][axis] += envelope * (amount + ripple * beat);
    }
  p.root[0] = envelope * shape.Next(1.5);
  p.root[1] = envelope * shape.Next(2.0);
  p.root[2] += envelope * shape.Next(1.0);
  p.hand[0] += envelope * shape.Next(2.0);
  p.hand[1] += envelope * (1.0 + shape.Next(2.0));
  p.hand[2] += envelope * shape.Next(4.0);
  return p;
}

Pose Mirrored(const Pose& pose) {
  Pose m;
  m.root[0] = -pose.root[0];
  m.root[1] = pose.root[1];
  m.root[2] = pose.root[2];
  m.hand[0] = -pose.hand[0];
  m.hand[1] = pose.hand[1];
  m.hand[2] = pose.hand[2];
  for (int j = 0; j < JOINT_COUNT; ++j) {
    const int from = kMirror[j];
    m.angle[j][0] = pose.angle[from][0];   // about the across axis: kept
    m.angle[j][1] = -pose.angle[from][1];  // about the along and height axes: turned the other way
    m.angle[j][2] = -pose.angle[from][2];
  }
  return m;
}

uint8_t AngleByte(double radians) {
  const long steps = std::lround(-radians * 128.0 / kPi);
  return static_cast<uint8_t>(steps & 0xFF);
}

// The clip a mirrored clip ("...R") is the mirror image of, or -1.
int MirrorSource(int clip) {
  const std::string name = MotionNames[clip];
  if (name.size() < 2 || name.back() != 'R') return -1;
  const std::string base = name.substr(0, name.size() - 1);
  for (int c = 0; c < MOTION_COUNT; ++c)
    if (base == MotionNames[c]) return c;
  return -1;
}

int ClipFrames(int clip) {
  if (const Loop* loop = FindLoop(clip)) return loop->frames;
  if (clip >= MOTION_ANF141 && clip <= MOTION_ANF141J) return kCelebrationFrames;
  return kOnceFrames;
}

Pose ClipPose(int clip, int frame) {
  const int source = MirrorSource(clip);
  if (source >= 0) return Mirrored(ClipPose(source, frame));
  if (const Loop* loop = FindLoop(clip)) return Gait(*loop, frame);
  return Once(clip, frame, ClipFrames(clip));
}

Bytes Clip(int clip) {
  const int source = MirrorSource(clip);
  const int frames = ClipFrames(source >= 0 ? source : clip);
  Bytes out(8 + static_cast<size_t>(MOTION_FRAME_SIZE) * frames, 0);
  StoreU32(&out[0], static_cast<uint32_t>(MOTION_FRAME_SIZE * frames));
  StoreU32(&out[4], static_cast<uint32_t>(frames));
  for (int f = 0; f < frames; ++f) {
    uint8_t* frame = &out[8 + static_cast<size_t>(MOTION_FRAME_SIZE) * f];
    const Pose pose = ClipPose(clip, f);
    for (int axis = 0; axis < 3; ++axis) {
      StoreF32(frame + 4 * axis, static_cast<float>(pose.root[axis]));
      StoreF32(frame + 12 + 4 * axis, static_cast<float>(pose.hand[axis]));
    }
    // The hips stay in model space: their three bytes (24-26) are the spare
    // ones, and joint j of the frame's list is bone j + 1 of the model.
    for (int bone = 1; bone < JOINT_COUNT; ++bone) {
      frame[24 + 3 * bone] = AngleByte(pose.angle[bone][2]);
      frame[25 + 3 * bone] = AngleByte(pose.angle[bone][1]);
      frame[26 + 3 * bone] = AngleByte(pose.angle[bone][0]);
    }
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 || std::strcmp(argv[1], "--out") != 0) {
    std::fprintf(stderr, "usage: genmotions --out DIR\n");
    return 2;
  }
  const fs::path dir = fs::path(argv[2]) / "zvdata/common/sskin/motions";
  for (int clip = 0; clip < MOTION_COUNT; ++clip)
    if (!WriteToolFile("genmotions", dir / (std::string(MotionNames[clip]) + ".RAW"), Clip(clip))) return 1;
  return 0;
}
