// genmodels --seed N --out DIR: writes the 3D models and their textures into
// DIR (the CD pak's generated folder):
//   zvdata/d3d/stadium/models/misc/flag/flag.xyz   a corner flag: pole and cloth
//   zvdata/d3d/stadium/textures/flagpole.gfx       its RGBA textures (16-byte
//   zvdata/d3d/stadium/textures/flag.gfx           header, then R G B A bytes)
//   zvdata/d3d/sskin/models/player/500man.xyz      a player of about 500 triangles
//
// The player stands at the origin, z up, facing +y, about 18 units tall. His
// 21 bones (0 the hips, which stay in model space) each carry a rigid piece;
// every point hangs from the joint point that begins its piece, and joint
// points come before the points that hang from them. The textured parts are
// named as the kit textures are ("shirtfr.GFX", "AllLeg.GFX", ...); the hair
// is a plain colour. The clips that pose him are genmotions' (docs/motions.md).
// Same seed, same bytes.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "engine/d3dobj.h"
#include "toolfiles.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;
constexpr float kPi = 3.14159265f;
constexpr uint16_t kNoParent = 0xFFFF;

uint32_t gSeed = 1;
uint32_t Next() {
  gSeed = gSeed * 1664525u + 1013904223u;
  return gSeed >> 8;
}

bool WriteFile(const fs::path& path, const Bytes& bytes) { return WriteToolFile("genmodels", path, bytes); }

// An RGBA texture in the 16-byte header the model loader reads.
struct Image {
  int w, h;
  Bytes pixels;
  Image(int width, int height) : w(width), h(height), pixels(static_cast<size_t>(width) * height * 4, 255) {}
  void Set(int x, int y, uint8_t r, uint8_t g, uint8_t b, uint8_t a = 255) {
    uint8_t* p = &pixels[(static_cast<size_t>(y) * w + x) * 4];
    p[0] = r;
    p[1] = g;
    p[2] = b;
    p[3] = a;
  }
  Bytes File() const {
    Bytes out(16 + pixels.size());
    const Bytes header = Gfx0Header(w, h, 1);
    std::memcpy(out.data(), header.data(), 16);
    std::memcpy(out.data() + 16, pixels.data(), pixels.size());
    return out;
  }
};

struct Builder {
  XYZ0Model model;
  uint32_t Texture(const std::string& name, uint8_t r = 255, uint8_t g = 255, uint8_t b = 255) {
    for (uint32_t i = 0; i < model.textures.size(); ++i)
      if (model.textures[i].name == name && model.textures[i].r == r && model.textures[i].g == g &&
          model.textures[i].b == b)
        return i;
    model.textures.push_back({name, "", r, g, b, 255});
    return static_cast<uint32_t>(model.textures.size() - 1);
  }
  uint32_t Point(float x, float y, float z, uint16_t bone, uint16_t parent) {
    model.points.push_back({x, y, z, bone, parent});
    return static_cast<uint32_t>(model.points.size() - 1);
  }
  void Poly(uint32_t texture, std::initializer_list<uint32_t> points, std::initializer_list<float> u,
            std::initializer_list<float> v) {
    XYZ0Polygon p{};
    p.texture = texture;
    p.pointCount = static_cast<uint32_t>(points.size());
    int k = 0;
    for (uint32_t i : points) p.point[k++] = i;
    k = 0;
    for (float f : u) p.u[k++] = f;
    k = 0;
    for (float f : v) p.v[k++] = f;
    model.polygons.push_back(p);
  }
};

// ---- the corner flag ----------------------------------------------------------

Bytes FlagModel() {
  Builder b;
  uint32_t pole = b.Texture("flagpole");
  uint32_t cloth = b.Texture("flag");
  const float r = 0.25f, height = 15.0f;
  // The pole: a square column, four sides.
  uint32_t base[4], top[4];
  const float cx[4] = {-r, r, r, -r}, cy[4] = {-r, -r, r, r};
  for (int i = 0; i < 4; ++i) {
    base[i] = b.Point(cx[i], cy[i], 0, 0, kNoParent);
    top[i] = b.Point(cx[i], cy[i], height, 0, kNoParent);
  }
  for (int i = 0; i < 4; ++i) {
    int j = (i + 1) % 4;
    float u0 = static_cast<float>(i) / 4, u1 = static_cast<float>(i + 1) / 4;
    b.Poly(pole, {base[i], base[j], top[j], top[i]}, {u0, u1, u1, u0}, {4, 4, 0, 0});
  }
  b.Poly(pole, {top[0], top[1], top[2], top[3]}, {0, 1, 1, 0}, {0, 0, 1, 1});
  // The cloth: a grid that waves along its length, seen from both sides.
  const int cols = 8, rows = 4;
  const float length = 4.0f, depth = 3.0f;
  const float phase = static_cast<float>(Next() % 628) / 100.0f;
  std::vector<uint32_t> grid;
  for (int y = 0; y <= rows; ++y)
    for (int x = 0; x <= cols; ++x) {
      float s = static_cast<float>(x) / cols;
      float along = s * length;
      float wave = 0.4f * s * std::sin(phase + s * 5.0f);
      grid.push_back(b.Point(r + along, wave, height - depth * static_cast<float>(y) / rows, 0, kNoParent));
    }
  for (int y = 0; y < rows; ++y)
    for (int x = 0; x < cols; ++x) {
      uint32_t p00 = grid[y * (cols + 1) + x], p10 = grid[y * (cols + 1) + x + 1];
      uint32_t p01 = grid[(y + 1) * (cols + 1) + x], p11 = grid[(y + 1) * (cols + 1) + x + 1];
      float u0 = static_cast<float>(x) / cols, u1 = static_cast<float>(x + 1) / cols;
      float v0 = static_cast<float>(y) / rows, v1 = static_cast<float>(y + 1) / rows;
      b.Poly(cloth, {p00, p01, p11, p10}, {u0, u0, u1, u1}, {v0, v1, v1, v0});
      b.Poly(cloth, {p00, p10, p11, p01}, {u0, u1, u1, u0}, {v0, v0, v1, v1});
    }
  return XYZ0Encode(b.model);
}

Image FlagPoleImage() {
  Image img(8, 64);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 8; ++x) {
      bool red = (y / 8) % 2 == 0;
      uint8_t shade = static_cast<uint8_t>(200 + x * 6);
      if (red)
        img.Set(x, y, shade, 20, 20);
      else
        img.Set(x, y, shade, shade, shade);
    }
  return img;
}

Image FlagImage() {
  Image img(64, 32);
  const uint8_t colours[4][3] = {{230, 200, 20}, {200, 20, 30}, {20, 60, 200}, {240, 240, 240}};
  int first = static_cast<int>(Next() % 4), second = (first + 1 + static_cast<int>(Next() % 3)) % 4;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 64; ++x) {
      const uint8_t* c = ((x / 16 + y / 16) % 2) ? colours[first] : colours[second];
      int noise = static_cast<int>(Next() % 17) - 8;
      auto n = [noise](uint8_t v) { return static_cast<uint8_t>(std::max(0, std::min(255, v + noise))); };
      img.Set(x, y, n(c[0]), n(c[1]), n(c[2]));
    }
  return img;
}

// ---- the player -----------------------------------------------------------------

enum Bone : uint16_t {
  HIPS = 0, WAIST, CHEST, NECK, HEAD,
  L_UPPER_ARM, L_FOREARM, L_HAND, R_UPPER_ARM, R_FOREARM, R_HAND,
  L_THIGH, L_SHIN, L_FOOT, R_THIGH, R_SHIN, R_FOOT,
  L_SHOULDER, R_SHOULDER, L_TOE, R_TOE,
  BONE_COUNT
};
static_assert(BONE_COUNT == 21);

struct V3 {
  float x, y, z;
};

// The textures of a piece's sides by the way they face (front is +y for an
// upright piece), and of its two ends (null: left open; "": hair colour).
struct Skin {
  const char* front;
  const char* back;
  const char* left;
  const char* right;
  const char* fromCap;
  const char* toCap;
};

V3 Sub(V3 a, V3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
V3 Cross(V3 a, V3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
V3 Unit(V3 a) {
  float l = std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z);
  return {a.x / l, a.y / l, a.z / l};
}

// A piece: an elliptical tube of 6 sides and two sections around the line
// from one joint to the next, every point hanging from joint on the piece's
// bone. Faces run counter-clockwise seen from outside.
void Piece(Builder& b, uint32_t joint, V3 from, V3 to, float rx, float ry, uint16_t bone, const Skin& skin,
           float taper = 1.0f) {
  constexpr int kSides = 6, kRings = 3;
  const V3 d = Unit(Sub(to, from));
  // A right-handed frame (e1, e2, d); e2 faces front on an upright piece.
  const V3 e1 = std::fabs(d.z) > 0.7f ? Unit(Cross({0, 1, 0}, d)) : Unit(Cross(d, {0, 0, 1}));
  const V3 e2 = Cross(d, e1);
  uint32_t ring[kRings][kSides];
  for (int r = 0; r < kRings; ++r) {
    float t = static_cast<float>(r) / (kRings - 1);
    float scale = 1.0f + (taper - 1.0f) * t;
    V3 c{from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t, from.z + (to.z - from.z) * t};
    for (int s = 0; s < kSides; ++s) {
      float a = 2 * kPi * static_cast<float>(s) / kSides + kPi / kSides;
      float ca = std::cos(a) * rx * scale, sa = std::sin(a) * ry * scale;
      ring[r][s] = b.Point(c.x + e1.x * ca + e2.x * sa, c.y + e1.y * ca + e2.y * sa, c.z + e1.z * ca + e2.z * sa,
                           bone, static_cast<uint16_t>(joint));
    }
  }
  auto sideTexture = [&](int s) {
    float a = 2 * kPi * (static_cast<float>(s) + 1.0f) / kSides;  // the middle of side s
    float x = std::cos(a), y = std::sin(a);
    if (y > 0.6f) return skin.front;
    if (y < -0.6f) return skin.back;
    return x < 0 ? skin.left : skin.right;
  };
  for (int r = 0; r + 1 < kRings; ++r)
    for (int s = 0; s < kSides; ++s) {
      int n = (s + 1) % kSides;
      uint32_t tex = b.Texture(sideTexture(s));
      float u0 = static_cast<float>(s) / kSides, u1 = static_cast<float>(s + 1) / kSides;
      float v0 = static_cast<float>(r) / (kRings - 1), v1 = static_cast<float>(r + 1) / (kRings - 1);
      b.Poly(tex, {ring[r][s], ring[r][n], ring[r + 1][n], ring[r + 1][s]}, {u0, u1, u1, u0}, {v0, v0, v1, v1});
    }
  // Ends: fans of triangles, facing away from the piece.
  auto cap = [&](int r, const char* name, bool facingTo) {
    if (!name) return;
    uint32_t tex = name[0] ? b.Texture(name) : b.Texture("", 60, 40, 20);
    for (int s = 1; s + 1 < kSides; ++s) {
      float u1 = 0.5f + 0.5f * std::cos(2 * kPi * static_cast<float>(s) / kSides);
      float u2 = 0.5f + 0.5f * std::cos(2 * kPi * static_cast<float>(s + 1) / kSides);
      if (facingTo)
        b.Poly(tex, {ring[r][0], ring[r][s], ring[r][s + 1]}, {0.5f, u1, u2}, {0, 0.5f, 1});
      else
        b.Poly(tex, {ring[r][0], ring[r][s + 1], ring[r][s]}, {0.5f, u2, u1}, {0, 1, 0.5f});
    }
  };
  cap(0, skin.fromCap, false);
  cap(kRings - 1, skin.toCap, true);
}

Bytes PlayerModel() {
  Builder b;
  // Joints, parents first.
  V3 hips{0, 0, 9.5f}, waist{0, 0, 11}, chest{0, 0, 13.2f}, neck{0, 0, 15.2f}, head{0, 0, 16.0f};
  uint32_t jHips = b.Point(hips.x, hips.y, hips.z, HIPS, kNoParent);
  uint32_t jWaist = b.Point(waist.x, waist.y, waist.z, WAIST, static_cast<uint16_t>(jHips));
  uint32_t jChest = b.Point(chest.x, chest.y, chest.z, CHEST, static_cast<uint16_t>(jWaist));
  uint32_t jNeck = b.Point(neck.x, neck.y, neck.z, NECK, static_cast<uint16_t>(jChest));
  uint32_t jHead = b.Point(head.x, head.y, head.z, HEAD, static_cast<uint16_t>(jNeck));
  struct Side {
    float sign;
    uint16_t shoulder, upper, fore, hand, thigh, shin, foot, toe;
    const char* uparm;
  } sides[2] = {{-1, L_SHOULDER, L_UPPER_ARM, L_FOREARM, L_HAND, L_THIGH, L_SHIN, L_FOOT, L_TOE, "uparml.GFX"},
                {1, R_SHOULDER, R_UPPER_ARM, R_FOREARM, R_HAND, R_THIGH, R_SHIN, R_FOOT, R_TOE, "uparmr.GFX"}};
  const Skin shirt{"shirtfr.GFX", "shirtbac.GFX", "shirtsl.GFX", "shirtsr.GFX", nullptr, "shirttop.GFX"};
  const Skin shorts{"sfront.GFX", "sback.GFX", "ssidel.GFX", "ssidel.GFX", "sinsidel.GFX", nullptr};
  const Skin neckSkin{"neckf.GFX", "neckb.GFX", "necks.GFX", "necks.GFX", nullptr, nullptr};
  const Skin face{"faceF.GFX", "faceb.GFX", "faceL.GFX", "faceL.GFX", "neckb.GFX", ""};
  Piece(b, jHips, {0, 0, 8.3f}, waist, 1.5f, 0.9f, HIPS, shorts);
  Piece(b, jWaist, waist, chest, 1.45f, 0.85f, WAIST, shirt);
  Piece(b, jChest, chest, {0, 0, 14.9f}, 1.7f, 0.95f, CHEST, shirt, 0.9f);
  Piece(b, jNeck, neck, {0, 0, 16.0f}, 0.4f, 0.4f, NECK, neckSkin);
  Piece(b, jHead, head, {0, 0.1f, 18.0f}, 0.8f, 0.9f, HEAD, face, 0.85f);
  for (const Side& s : sides) {
    V3 shoulder{s.sign * 1.9f, 0, 14.6f}, elbow{s.sign * 2.2f, 0, 12.0f}, wrist{s.sign * 2.3f, 0.1f, 9.7f};
    V3 fingers{s.sign * 2.35f, 0.15f, 8.6f};
    V3 hip{s.sign * 0.75f, 0, 8.8f}, knee{s.sign * 0.8f, 0.1f, 5.0f}, ankle{s.sign * 0.8f, 0, 1.0f};
    V3 toe{s.sign * 0.8f, 1.6f, 0.4f};
    uint32_t jShoulder = b.Point(shoulder.x, shoulder.y, shoulder.z, s.shoulder, static_cast<uint16_t>(jChest));
    uint32_t jElbow = b.Point(elbow.x, elbow.y, elbow.z, s.upper, static_cast<uint16_t>(jShoulder));
    uint32_t jWrist = b.Point(wrist.x, wrist.y, wrist.z, s.fore, static_cast<uint16_t>(jElbow));
    uint32_t jHip = b.Point(hip.x, hip.y, hip.z, HIPS, static_cast<uint16_t>(jHips));
    uint32_t jKnee = b.Point(knee.x, knee.y, knee.z, s.thigh, static_cast<uint16_t>(jHip));
    uint32_t jAnkle = b.Point(ankle.x, ankle.y, ankle.z, s.shin, static_cast<uint16_t>(jKnee));
    uint32_t jToe = b.Point(toe.x, toe.y, toe.z, s.foot, static_cast<uint16_t>(jAnkle));
    Piece(b, jShoulder, shoulder, elbow, 0.5f, 0.5f, s.upper, {s.uparm, s.uparm, s.uparm, s.uparm, s.uparm, nullptr});
    Piece(b, jElbow, elbow, wrist, 0.42f, 0.42f, s.fore,
          {"forearm.GFX", "forearm.GFX", "forearm.GFX", "forearm.GFX", nullptr, nullptr}, 0.8f);
    Piece(b, jWrist, wrist, fingers, 0.3f, 0.18f, s.hand, {"hand.GFX", "hand.GFX", "hand.GFX", "hand.GFX", nullptr, "hand.GFX"});
    Piece(b, jHip, hip, knee, 0.65f, 0.65f, s.thigh, {"AllLeg.GFX", "AllLeg.GFX", "AllLeg.GFX", "AllLeg.GFX", nullptr, nullptr}, 0.8f);
    Piece(b, jKnee, knee, ankle, 0.5f, 0.5f, s.shin,
          {"AllShin.GFX", "AllShin.GFX", "AllShin.GFX", "AllShin.GFX", nullptr, nullptr}, 0.7f);
    Piece(b, jAnkle, {ankle.x, -0.3f, 0.9f}, {ankle.x, 0.9f, 0.35f}, 0.4f, 0.35f, s.foot,
          {"shoe.GFX", "shoe.GFX", "shoe.GFX", "shoe.GFX", "shoeb.GFX", nullptr});
    Piece(b, jToe, {toe.x, 0.9f, 0.35f}, {toe.x, 1.7f, 0.25f}, 0.38f, 0.2f, s.toe,
          {"bbottom.GFX", "shoe.GFX", "shoe.GFX", "shoe.GFX", nullptr, "shoe.GFX"}, 0.8f);
  }
  return XYZ0Encode(b.model);
}

}  // namespace

int main(int argc, char** argv) {
  const char* out = nullptr;
  long seed = 2000;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--out") == 0 && i + 1 < argc) {
      out = argv[++i];
    } else if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc) {
      char* end = nullptr;
      seed = std::strtol(argv[++i], &end, 10);
      if (!end || *end) {
        std::fprintf(stderr, "genmodels: bad seed '%s'\n", argv[i]);
        return 2;
      }
    } else {
      out = nullptr;
      break;
    }
  }
  if (!out) {
    std::fprintf(stderr, "usage: genmodels --seed N --out DIR\n");
    return 2;
  }
  gSeed = static_cast<uint32_t>(seed) * 2654435761u + 1;
  const fs::path dir(out);
  const Bytes flag = FlagModel();
  const Bytes player = PlayerModel();
  for (const Bytes* model : {&flag, &player}) {
    char fault[200];
    if (!D3DObj_FindXYZDataFault(model->data(), model->size(), fault, sizeof fault)) {
      std::fprintf(stderr, "genmodels: made a bad model: %s\n", fault);
      return 1;
    }
  }
  bool ok = WriteFile(dir / "zvdata/d3d/stadium/models/misc/flag/flag.xyz", flag) &&
            WriteFile(dir / "zvdata/d3d/stadium/textures/flagpole.gfx", FlagPoleImage().File()) &&
            WriteFile(dir / "zvdata/d3d/stadium/textures/flag.gfx", FlagImage().File()) &&
            WriteFile(dir / "zvdata/d3d/sskin/models/player/500man.xyz", player);
  return ok ? 0 : 1;
}
