// The software match's models and the textures the world models name, under
// zvdata/software/:
//   sskin/models/{player,keeper,referee}/{500,300,200,100,60}man.nod, 60fill.nod
//       jointed bodies ("NOD02"), pitch units, z up, facing +y, about 33 high;
//       joints 0-20 of the motion clips' skeleton (0 the hips, 4 the head),
//       highest joint 21; levels 0-4 textured by kit part names, the fill
//       model in flat colours (1-3: the side's kit colours)
//   simple/model/116ball.nod, cone.nod         flat-coloured ball and cone
//   stadium/models/misc/horizon/horizon.nod    a ring about the origin
//   stadium/models/stads/{stad2,bigstad}.nod   four stands about the origin,
//       the pitch's length along x (the game turns them a quarter round)
//   stadium/models/misc/goal/g{back,top,left,right}.nod  a goal of unit size:
//       x -1..1 post to post, y 0..1 into the net, z 0..1 up
//   stadium/models/misc/flag/flag.nod          a corner flag one unit high
//   stadium/textures/{stad2,bigstad,goal00}/*.gfx, stadium/textures/*.gfx
//
// Rigid models ("NOD01"): corners run so that (c0 - c1) x (c2 - c1) points
// out of the solid (the stored normal is that one). Bodies follow the same
// rule. A body's points: the hips' first (absolute, hanging on point 0), then
// each joint's in increasing joint order, each an offset from a point placed
// before it; each piece of a body is one part, sorted by two of its points.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "engine/bytes.h"
#include "gensoft.h"

namespace {

namespace fs = std::filesystem;
constexpr float kPi = 3.14159265358979f;

struct V3 {
  float x, y, z;
};
V3 operator+(V3 a, V3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
V3 operator-(V3 a, V3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
V3 operator*(V3 a, float k) { return {a.x * k, a.y * k, a.z * k}; }
V3 Cross(V3 a, V3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
float Dot(V3 a, V3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
V3 Unit(V3 a) {
  const float l = std::sqrt(Dot(a, a));
  return l > 0 ? a * (1.0f / l) : a;
}

// ---- a model being built ------------------------------------------------------

struct Point {
  V3 p;
  int16_t joint, origin;
};
struct Surface {
  uint8_t flags;
  std::array<float, 4> u, v;
  V3 normal;
  std::array<int16_t, 4> corner;
  int16_t texture;
};

struct Model {
  std::vector<Point> points;
  std::vector<Surface> surfaces;
  std::vector<std::string> textures;

  int16_t Texture(const std::string& name) {
    for (size_t i = 0; i < textures.size(); ++i)
      if (textures[i] == name) return static_cast<int16_t>(i);
    textures.push_back(name);
    return static_cast<int16_t>(textures.size() - 1);
  }
  int16_t Add(V3 p, int16_t joint = 0, int16_t origin = 0) {
    points.push_back({p, joint, origin});
    return static_cast<int16_t>(points.size() - 1);
  }
  // A surface of 3 or 4 corners (positions `at` for the winding), turned so
  // that its normal points along `out`.
  void Face(const std::string& texture, std::vector<int16_t> c, std::vector<V3> at, std::vector<float> u,
            std::vector<float> v, V3 out, uint8_t flags = 0) {
    V3 n = Unit(Cross(at[0] - at[1], at[2] - at[1]));
    if (Dot(n, out) < 0) {
      std::reverse(c.begin(), c.end());
      std::reverse(at.begin(), at.end());
      std::reverse(u.begin(), u.end());
      std::reverse(v.begin(), v.end());
      n = n * -1.0f;
    }
    Surface s{flags, {}, {}, n, {-1, -1, -1, -1}, Texture(texture)};
    for (size_t k = 0; k < c.size(); ++k) {
      s.corner[k] = c[k];
      s.u[k] = u[k];
      s.v[k] = v[k];
    }
    surfaces.push_back(s);
  }
  // A rigid quad from four new points.
  void Quad(const std::string& texture, V3 a, V3 b, V3 c, V3 d, V3 out, uint8_t flags = 0, float uMax = 1,
            float vMax = 1) {
    Face(texture, {Add(a), Add(b), Add(c), Add(d)}, {a, b, c, d}, {0, uMax, uMax, 0}, {0, 0, vMax, vMax}, out,
         flags);
  }
  // An axis-aligned box, every side facing out.
  void Box(const std::string& texture, V3 lo, V3 hi) {
    const V3 m = (lo + hi) * 0.5f;
    const auto side = [&](V3 a, V3 b, V3 c, V3 d) { Quad(texture, a, b, c, d, ((a + c) * 0.5f) - m); };
    side({lo.x, lo.y, lo.z}, {hi.x, lo.y, lo.z}, {hi.x, lo.y, hi.z}, {lo.x, lo.y, hi.z});
    side({lo.x, hi.y, lo.z}, {hi.x, hi.y, lo.z}, {hi.x, hi.y, hi.z}, {lo.x, hi.y, hi.z});
    side({lo.x, lo.y, lo.z}, {lo.x, hi.y, lo.z}, {lo.x, hi.y, hi.z}, {lo.x, lo.y, hi.z});
    side({hi.x, lo.y, lo.z}, {hi.x, hi.y, lo.z}, {hi.x, hi.y, hi.z}, {hi.x, lo.y, hi.z});
    side({lo.x, lo.y, hi.z}, {hi.x, lo.y, hi.z}, {hi.x, hi.y, hi.z}, {lo.x, hi.y, hi.z});
    side({lo.x, lo.y, lo.z}, {hi.x, lo.y, lo.z}, {hi.x, hi.y, lo.z}, {lo.x, hi.y, lo.z});
  }
};

void PutName(SoftBytes& b, size_t at, const std::string& name) {
  for (size_t i = 0; i < name.size() && i < 16; ++i) b[at + i] = static_cast<uint8_t>(name[i]);
}

void PutSurface(SoftBytes& b, size_t at, const Surface& s, bool withNormal) {
  b[at] = s.flags;
  for (int k = 0; k < 4; ++k) {
    StoreF32(&b[at + 4 + 4 * k], s.u[k]);
    StoreF32(&b[at + 20 + 4 * k], s.v[k]);
    StoreI16(&b[at + 48 + 2 * k], s.corner[k]);
  }
  if (withNormal) {
    StoreF32(&b[at + 36], s.normal.x);
    StoreF32(&b[at + 40], s.normal.y);
    StoreF32(&b[at + 44], s.normal.z);
  }
  StoreI16(&b[at + 56], s.texture);
}

// "NOD01": points of 12 bytes, surfaces of 66, textures of 16, no extra table.
SoftBytes EncodeRigid(const Model& m) {
  constexpr size_t kHeader = 57, kPoint = 12, kSurface = 66, kTexture = 16;
  SoftBytes b(kHeader + m.points.size() * kPoint + m.surfaces.size() * kSurface + m.textures.size() * kTexture, 0);
  std::copy_n("NOD01", 5, b.begin());
  const int32_t fields[8] = {static_cast<int32_t>(m.points.size()),   kPoint, 0, 0,
                             static_cast<int32_t>(m.surfaces.size()), kSurface,
                             static_cast<int32_t>(m.textures.size()), kTexture};
  for (int i = 0; i < 8; ++i) StoreI32(&b[5 + 4 * i], fields[i]);
  size_t at = kHeader;
  for (const Point& p : m.points) {
    StoreF32(&b[at], p.p.x);
    StoreF32(&b[at + 4], p.p.y);
    StoreF32(&b[at + 8], p.p.z);
    at += kPoint;
  }
  for (const Surface& s : m.surfaces) {
    PutSurface(b, at, s, true);
    at += kSurface;
  }
  for (const std::string& t : m.textures) {
    PutName(b, at, t);
    at += kTexture;
  }
  return b;
}

// ---- bodies ---------------------------------------------------------------------

enum Bone : int16_t {
  HIPS = 0, WAIST, CHEST, NECK, HEAD,
  L_UPPER_ARM, L_FOREARM, L_HAND, R_UPPER_ARM, R_FOREARM, R_HAND,
  L_THIGH, L_SHIN, L_FOOT, R_THIGH, R_SHIN, R_FOOT,
  L_SHOULDER, R_SHOULDER, L_TOE, R_TOE,
  BONE_COUNT
};
constexpr int kHighestJoint = 21;
constexpr float kScale = 33.0f / 18.0f;  // the clips' figure is 18 units tall

V3 Body(float x, float y, float z) { return V3{x, y, z} * kScale; }

// The textures of a piece's sides by the way they face (front is +y for an
// upright piece), and of its ends ("" none).
struct Skin {
  std::string front, back, left, right, fromCap, toCap;
};
Skin Same(const std::string& t) { return {t, t, t, t, "", ""}; }

struct Piece {
  Bone bone;
  Bone anchorJoint;  // the joint whose anchor the piece hangs on
  V3 from, to;
  float rx, ry, taper;
  Skin skin;
};

struct Detail {
  const char* file;
  int sides, rings;
  bool caps;
  bool flat;
};
constexpr Detail kDetails[6] = {{"500man.nod", 6, 3, true, false}, {"300man.nod", 5, 3, true, false},
                                {"200man.nod", 4, 2, true, false}, {"100man.nod", 4, 2, false, false},
                                {"60man.nod", 3, 2, false, false},  {"60fill.nod", 3, 2, false, true}};

// The flat colour of a kit part in the fill model.
std::string FlatOf(const std::string& texture) {
  if (texture.empty()) return texture;
  const std::string t = texture.substr(0, texture.find('.'));
  if (t.rfind("shirt", 0) == 0 || t.rfind("kshirt", 0) == 0 || t.rfind("uparm", 0) == 0 ||
      t.rfind("kuparm", 0) == 0 || t == "sleve")
    return "R255G255B255";                                                       // kit colour 1
  if (t == "sfront" || t == "sback" || t == "ssidel" || t == "sinsidel") return "R0G0B255";  // kit colour 2
  if (t == "AllShin") return "R0G255B0";                                        // kit colour 3
  if (t == "shoe" || t == "shoeb" || t == "bbottom") return "R24G24B24";
  if (t == "glove") return "R200G200B40";
  return "R200G150B110";  // skin
}

enum Kind { PLAYER, KEEPER, REFEREE };

std::vector<Piece> Pieces(Kind kind) {
  const bool keeper = kind == KEEPER;
  const Skin shirt = keeper ? Skin{"kshirtfr.GFX", "kshirtb.GFX", "kshirtsl.GFX", "kshirtsr.GFX", "", "kshirtt.GFX"}
                            : Skin{"shirtfr.GFX", "shirtbac.GFX", "shirtsl.GFX", "shirtsr.GFX", "", "shirttop.GFX"};
  Skin waist = shirt;
  waist.toCap = "";
  const Skin shorts{"sfront.GFX", "sback.GFX", "ssidel.GFX", "ssidel.GFX", "sinsidel.GFX", ""};
  const Skin neck{"neckf.GFX", "neckb.GFX", "necks.GFX", "necks.GFX", "", ""};
  const Skin face{"faceF.GFX", "faceb.GFX", "faceL.GFX", "faceL.GFX", "", "faceb.GFX"};
  std::vector<Piece> p = {
      {HIPS, HIPS, Body(0, 0, 8.3f), Body(0, 0, 11), 1.5f, 0.9f, 1.0f, shorts},
      {WAIST, HIPS, Body(0, 0, 11), Body(0, 0, 13.2f), 1.45f, 0.85f, 1.0f, waist},
      {CHEST, WAIST, Body(0, 0, 13.2f), Body(0, 0, 14.9f), 1.7f, 0.95f, 0.9f, shirt},
      {NECK, CHEST, Body(0, 0, 15.2f), Body(0, 0, 16.0f), 0.4f, 0.4f, 1.0f, neck},
      {HEAD, NECK, Body(0, 0, 16.0f), Body(0, 0.1f, 18.0f), 0.8f, 0.9f, 0.85f, face},
  };
  for (int side = 0; side < 2; ++side) {
    const float s = side == 0 ? -1.0f : 1.0f;
    const Bone upper = side == 0 ? L_UPPER_ARM : R_UPPER_ARM;
    const std::string uparm = keeper ? "kuparml.GFX" : side == 0 ? "uparml.GFX" : "uparmr.GFX";
    const std::string fore = keeper ? "sleve.GFX" : "forearm.GFX";
    const std::string hand = keeper ? "glove.GFX" : "hand.GFX";
    Skin handSkin = Same(hand);
    handSkin.toCap = hand;
    const Bone thigh = side == 0 ? L_THIGH : R_THIGH;
    const Bone toe = side == 0 ? L_TOE : R_TOE;
    Skin foot = Same("shoe.GFX");
    foot.fromCap = "shoeb.GFX";
    Skin toeSkin{"bbottom.GFX", "shoe.GFX", "shoe.GFX", "shoe.GFX", "", "shoe.GFX"};
    p.push_back({upper, CHEST, Body(s * 1.9f, 0, 14.6f), Body(s * 2.2f, 0, 12.0f), 0.5f, 0.5f, 1.0f, Same(uparm)});
    p.push_back({static_cast<Bone>(upper + 1), upper, Body(s * 2.2f, 0, 12.0f), Body(s * 2.3f, 0.1f, 9.7f), 0.42f,
                 0.42f, 0.8f, Same(fore)});
    p.push_back({static_cast<Bone>(upper + 2), static_cast<Bone>(upper + 1), Body(s * 2.3f, 0.1f, 9.7f),
                 Body(s * 2.35f, 0.15f, 8.6f), 0.3f, 0.18f, 1.0f, handSkin});
    p.push_back({thigh, HIPS, Body(s * 0.75f, 0, 8.8f), Body(s * 0.8f, 0.1f, 5.0f), 0.65f, 0.65f, 0.8f,
                 Same("AllLeg.GFX")});
    p.push_back({static_cast<Bone>(thigh + 1), thigh, Body(s * 0.8f, 0.1f, 5.0f), Body(s * 0.8f, 0, 1.0f), 0.5f,
                 0.5f, 0.7f, Same("AllShin.GFX")});
    p.push_back({static_cast<Bone>(thigh + 2), static_cast<Bone>(thigh + 1), Body(s * 0.8f, -0.3f, 0.9f),
                 Body(s * 0.8f, 0.9f, 0.35f), 0.4f, 0.35f, 1.0f, foot});
    p.push_back({toe, static_cast<Bone>(thigh + 2), Body(s * 0.8f, 0.9f, 0.35f), Body(s * 0.8f, 1.7f, 0.25f), 0.38f,
                 0.2f, 0.8f, toeSkin});
  }
  return p;
}

// The point each joint turns about (where its pieces begin).
V3 JointAt(Bone b) {
  switch (b) {
    case HIPS: return Body(0, 0, 9.5f);
    case WAIST: return Body(0, 0, 11);
    case CHEST: return Body(0, 0, 13.2f);
    case NECK: return Body(0, 0, 15.2f);
    case HEAD: return Body(0, 0, 16);
    case L_UPPER_ARM: case R_UPPER_ARM: return Body(b == L_UPPER_ARM ? -1.9f : 1.9f, 0, 14.6f);
    case L_FOREARM: case R_FOREARM: return Body(b == L_FOREARM ? -2.2f : 2.2f, 0, 12);
    case L_HAND: case R_HAND: return Body(b == L_HAND ? -2.3f : 2.3f, 0.1f, 9.7f);
    case L_THIGH: case R_THIGH: return Body(b == L_THIGH ? -0.75f : 0.75f, 0, 8.8f);
    case L_SHIN: case R_SHIN: return Body(b == L_SHIN ? -0.8f : 0.8f, 0.1f, 5);
    case L_FOOT: case R_FOOT: return Body(b == L_FOOT ? -0.8f : 0.8f, 0, 1);
    case L_TOE: case R_TOE: return Body(b == L_TOE ? -0.8f : 0.8f, 1.6f, 0.4f);
    default: return Body(0, 0, 14.6f);  // the shoulders turn about the chest's top
  }
}

// The joint a joint hangs from.
Bone Parent(Bone b) {
  switch (b) {
    case HIPS: return HIPS;
    case WAIST: return HIPS;
    case CHEST: return WAIST;
    case NECK: return CHEST;
    case HEAD: return NECK;
    case L_UPPER_ARM: case R_UPPER_ARM: case L_SHOULDER: case R_SHOULDER: return CHEST;
    case L_THIGH: case R_THIGH: return HIPS;
    case L_TOE: return L_FOOT;
    case R_TOE: return R_FOOT;
    default: return static_cast<Bone>(b - 1);
  }
}

// "NOD02" body of `kind` at one level of detail.
SoftBytes BodyModel(Kind kind, const Detail& d) {
  Model m;
  const std::vector<Piece> pieces = Pieces(kind);
  // The anchor of each joint: a point of its parent's group at the joint's
  // place (the hips' anchor is point 0). Anchors of a group are added with
  // the group, so every point hangs on one placed before it.
  std::array<int16_t, BONE_COUNT> anchor{};
  anchor.fill(-1);
  anchor[HIPS] = m.Add(JointAt(HIPS), HIPS, 0);
  std::vector<int16_t> sortPoints, starts, ends;
  std::vector<std::array<int16_t, 2>> sortOfPiece(pieces.size());
  std::vector<std::vector<std::vector<int16_t>>> rings(pieces.size());
  for (int joint = 0; joint < BONE_COUNT; ++joint) {
    const Bone b = static_cast<Bone>(joint);
    const int16_t own = anchor[b];
    const V3 base = JointAt(b);
    // First the anchors of the joints that hang on this one.
    for (int child = 1; child < BONE_COUNT; ++child)
      if (Parent(static_cast<Bone>(child)) == b && anchor[child] < 0) {
        const V3 at = JointAt(static_cast<Bone>(child));
        anchor[child] = joint == HIPS ? m.Add(at, HIPS, 0) : m.Add(at - base, b, own);
      }
    for (size_t k = 0; k < pieces.size(); ++k) {
      const Piece& p = pieces[k];
      if (p.bone != b) continue;
      const V3 dir = Unit(p.to - p.from);
      const V3 e1 = std::fabs(dir.z) > 0.7f ? Unit(Cross({0, 1, 0}, dir)) : Unit(Cross(dir, {0, 0, 1}));
      const V3 e2 = Cross(dir, e1);
      rings[k].assign(d.rings, std::vector<int16_t>(d.sides));
      for (int r = 0; r < d.rings; ++r) {
        const float t = static_cast<float>(r) / static_cast<float>(d.rings - 1);
        const float scale = (1.0f + (p.taper - 1.0f) * t) * kScale;
        const V3 c = p.from + (p.to - p.from) * t;
        for (int s = 0; s < d.sides; ++s) {
          const float a = 2 * kPi * static_cast<float>(s) / static_cast<float>(d.sides) + kPi / static_cast<float>(d.sides);
          const V3 at = c + e1 * (std::cos(a) * p.rx * scale) + e2 * (std::sin(a) * p.ry * scale);
          rings[k][r][s] = joint == HIPS ? m.Add(at, HIPS, 0) : m.Add(at - base, b, own);
        }
      }
      sortOfPiece[k] = {rings[k][0][0], rings[k][d.rings - 1][d.sides / 2]};
    }
  }
  // Surfaces, piece by piece: each piece is one body part.
  // A point's place in the model: the hips' points are where they are, the
  // others offsets from their joint's anchor.
  const auto pos = [&](int16_t i) {
    const Point& p = m.points[i];
    return p.joint == HIPS ? p.p : p.p + JointAt(static_cast<Bone>(p.joint));
  };
  for (size_t k = 0; k < pieces.size(); ++k) {
    const Piece& p = pieces[k];
    starts.push_back(static_cast<int16_t>(m.surfaces.size()));
    const auto tex = [&](const std::string& t) { return d.flat ? FlatOf(t) : t; };
    const V3 dir = Unit(p.to - p.from);
    for (int r = 0; r + 1 < d.rings; ++r)
      for (int s = 0; s < d.sides; ++s) {
        const int n = (s + 1) % d.sides;
        const std::vector<int16_t> c = {rings[k][r][s], rings[k][r][n], rings[k][r + 1][n], rings[k][r + 1][s]};
        const std::vector<V3> at = {pos(c[0]), pos(c[1]), pos(c[2]), pos(c[3])};
        const V3 mid = (at[0] + at[2]) * 0.5f;
        const V3 axis = p.from + dir * Dot(mid - p.from, dir);
        const V3 out = mid - axis;
        const std::string* t = &p.skin.right;
        const V3 facing = Unit(out);
        if (facing.y > 0.6f) t = &p.skin.front;
        else if (facing.y < -0.6f) t = &p.skin.back;
        else if (facing.x < 0) t = &p.skin.left;
        // Each side shows its whole texture, row 0 at the top of the piece.
        float v0 = static_cast<float>(r) / static_cast<float>(d.rings - 1);
        float v1 = static_cast<float>(r + 1) / static_cast<float>(d.rings - 1);
        if (p.to.z > p.from.z) v0 = 1 - v0, v1 = 1 - v1;
        m.Face(tex(*t), c, at, {0, 1, 1, 0}, {v0, v0, v1, v1}, out);
      }
    if (d.caps)
      for (int end = 0; end < 2; ++end) {
        const std::string& name = end == 0 ? p.skin.fromCap : p.skin.toCap;
        if (name.empty()) continue;
        const std::vector<int16_t>& ring = rings[k][end == 0 ? 0 : d.rings - 1];
        const V3 out = end == 0 ? dir * -1.0f : dir;
        for (int s = 1; s + 1 < d.sides; ++s) {
          const std::vector<int16_t> c = {ring[0], ring[s], ring[s + 1]};
          const float a1 = 2 * kPi * static_cast<float>(s) / static_cast<float>(d.sides);
          const float a2 = 2 * kPi * static_cast<float>(s + 1) / static_cast<float>(d.sides);
          m.Face(tex(name), c, {pos(c[0]), pos(c[1]), pos(c[2])}, {0.5f, 0.5f + 0.5f * std::cos(a1), 0.5f + 0.5f * std::cos(a2)},
                 {0, 0.5f, 1}, out);
        }
      }
    ends.push_back(static_cast<int16_t>(m.surfaces.size()));
    sortPoints.push_back(sortOfPiece[k][0]);
    sortPoints.push_back(sortOfPiece[k][1]);
  }

  // Encode: points of 16 bytes (and the closing point), surfaces of 58,
  // textures of 20, point tables of 4-byte words.
  constexpr size_t kHeader = 77, kPoint = 16, kSurface = 58, kTexture = 20, kWord = 4;
  const size_t points = m.points.size() + 1;
  const size_t parts = pieces.size();
  SoftBytes b(kHeader + points * kPoint + m.surfaces.size() * kSurface + m.textures.size() * kTexture +
                  (BONE_COUNT + 2 * parts + 2 * parts) * kWord,
              0);
  std::copy_n("NOD02", 5, b.begin());
  const int32_t fields[16] = {static_cast<int32_t>(points),     kPoint, static_cast<int32_t>(m.surfaces.size()),
                              kSurface,  static_cast<int32_t>(m.textures.size()), kTexture,
                              BONE_COUNT, kWord, static_cast<int32_t>(2 * parts), kWord,
                              static_cast<int32_t>(parts), kWord, static_cast<int32_t>(parts), kWord,
                              kHighestJoint, static_cast<int32_t>(parts)};
  for (int i = 0; i < 16; ++i) StoreI32(&b[13 + 4 * i], fields[i]);
  size_t at = kHeader;
  for (size_t i = 0; i < points; ++i) {
    const Point p = i < m.points.size() ? m.points[i] : Point{{0, 0, 0}, 32000, 0};
    StoreF32(&b[at], p.p.x);
    StoreF32(&b[at + 4], p.p.y);
    StoreF32(&b[at + 8], p.p.z);
    StoreI16(&b[at + 12], p.joint);
    StoreI16(&b[at + 14], p.origin);
    at += kPoint;
  }
  for (const Surface& s : m.surfaces) {
    PutSurface(b, at, s, false);
    at += kSurface;
  }
  for (const std::string& t : m.textures) {
    PutName(b, at, t);
    at += kTexture;
  }
  for (int j = 0; j < BONE_COUNT; ++j, at += kWord) StoreI32(&b[at], anchor[j]);
  for (int16_t s : sortPoints) StoreI32(&b[at], s), at += kWord;
  for (int16_t s : starts) StoreI32(&b[at], s), at += kWord;
  for (int16_t s : ends) StoreI32(&b[at], s), at += kWord;
  return b;
}

// ---- the ball and the cone --------------------------------------------------------

SoftBytes Ball() {
  Model m;
  constexpr int kAround = 12, kUp = 6;
  constexpr float kRadius = 1.3f;  // the game enlarges it by half
  const auto at = [](int i, int j) {
    const float lon = 2 * kPi * static_cast<float>(i) / kAround, lat = kPi * static_cast<float>(j) / kUp - kPi / 2;
    return V3{std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)} * kRadius +
           V3{0, 0, kRadius};
  };
  for (int j = 0; j < kUp; ++j)
    for (int i = 0; i < kAround; ++i) {
      const std::string t = (i + j) % 3 == 0 ? "R24G24B24" : "R250G250B250";
      const V3 a = at(i, j), b = at(i + 1, j), c = at(i + 1, j + 1), d = at(i, j + 1);
      const V3 out = (a + c) * 0.5f - V3{0, 0, kRadius};
      if (j == 0)
        m.Face(t, {m.Add(a), m.Add(c), m.Add(d)}, {a, c, d}, {0, 1, 0}, {0, 1, 1}, out);
      else if (j == kUp - 1)
        m.Face(t, {m.Add(a), m.Add(b), m.Add(d)}, {a, b, d}, {0, 1, 0}, {0, 0, 1}, out);
      else
        m.Quad(t, a, b, c, d, out);
    }
  return EncodeRigid(m);
}

SoftBytes Cone() {
  Model m;
  constexpr int kAround = 8;
  const V3 tip{0, 0, 4.0f};
  for (int i = 0; i < kAround; ++i) {
    const float a0 = 2 * kPi * static_cast<float>(i) / kAround, a1 = 2 * kPi * static_cast<float>(i + 1) / kAround;
    const V3 p0{1.5f * std::cos(a0), 1.5f * std::sin(a0), 0}, p1{1.5f * std::cos(a1), 1.5f * std::sin(a1), 0};
    m.Face("R255G120B0", {m.Add(p0), m.Add(p1), m.Add(tip)}, {p0, p1, tip}, {0, 1, 0.5f}, {1, 1, 0},
           (p0 + p1) * 0.5f);
  }
  return EncodeRigid(m);
}

// ---- the stadium -------------------------------------------------------------------

// Four stands round a pitch of half-length 960 along x and half-width 640
// along y, seen from inside.
SoftBytes Stadium(float height, int tiers) {
  Model m;
  const auto stand = [&](float along0, float along1, float inner, float outer, bool onX, float sign) {
    // (a, d): a runs along the stand, d away from the pitch.
    const auto P = [&](float a, float d, float z) { return onX ? V3{sign * d, a, z} : V3{a, sign * d, z}; };
    const V3 in = onX ? V3{-sign, 0, 0} : V3{0, -sign, 0};
    const int segments = 6;
    const float step = (outer - inner) / static_cast<float>(tiers);
    for (int i = 0; i < segments; ++i) {
      const float a0 = along0 + (along1 - along0) * static_cast<float>(i) / segments;
      const float a1 = along0 + (along1 - along0) * static_cast<float>(i + 1) / segments;
      m.Quad("wall.gfx", P(a0, inner, 0), P(a1, inner, 0), P(a1, inner, 12), P(a0, inner, 12), in);
      for (int t = 0; t < tiers; ++t) {
        const float d0 = inner + step * static_cast<float>(t), d1 = d0 + step;
        const float z0 = 12 + (height - 12) * static_cast<float>(t) / static_cast<float>(tiers);
        const float z1 = 12 + (height - 12) * static_cast<float>(t + 1) / static_cast<float>(tiers);
        const V3 face = in + V3{0, 0, 1};
        m.Quad("crowd.gfx", P(a0, d0, z0), P(a1, d0, z0), P(a1, d1, z1), P(a0, d1, z1), face, 0, 2, 2);
      }
      m.Quad("roof.gfx", P(a0, inner + 50, height + 40), P(a1, inner + 50, height + 40), P(a1, outer, height + 40),
             P(a0, outer, height + 40), {0, 0, -1}, 1);
    }
    // The ends of the stand.
    for (float a : {along0, along1}) {
      const V3 out = onX ? V3{0, a < 0 ? -1.0f : 1.0f, 0} : V3{a < 0 ? -1.0f : 1.0f, 0, 0};
      m.Quad("wall.gfx", P(a, inner, 0), P(a, outer, 0), P(a, outer, height), P(a, inner, 12), out);
    }
  };
  for (float sign : {-1.0f, 1.0f}) {
    stand(-1000, 1000, 750, 1010, false, sign);  // along the touch lines
    stand(-690, 690, 1070, 1300, true, sign);    // behind the goals
  }
  return EncodeRigid(m);
}

SoftBytes Horizon() {
  Model m;
  constexpr int kAround = 16;
  constexpr float kRadius = 6000, kLow = -150, kHigh = 1100;
  for (int i = 0; i < kAround; ++i) {
    const float a0 = 2 * kPi * static_cast<float>(i) / kAround, a1 = 2 * kPi * static_cast<float>(i + 1) / kAround;
    const V3 p0{kRadius * std::cos(a0), kRadius * std::sin(a0), 0}, p1{kRadius * std::cos(a1), kRadius * std::sin(a1), 0};
    m.Quad("horizon.gfx", p0 + V3{0, 0, kHigh}, p1 + V3{0, 0, kHigh}, p1 + V3{0, 0, kLow}, p0 + V3{0, 0, kLow},
           (p0 + p1) * -0.5f);
  }
  return EncodeRigid(m);
}

// ---- the goal and the flag -------------------------------------------------------------

constexpr float kPostX = 1.0f / 66.0f;  // a post is 2 units thick; the goal is 132 wide
constexpr float kPostY = 1.0f / 30.0f;
constexpr float kBarZ = 1.5f / 50.4f;
constexpr uint8_t kNet = 3;  // double-sided, transparent

SoftBytes GoalPart(int part) {
  Model m;
  switch (part) {
    case 0:  // the back net
      m.Quad("net.gfx", {-1, 1, 0}, {1, 1, 0}, {1, 1, 1}, {-1, 1, 1}, {0, 1, 0}, kNet, 4, 2);
      break;
    case 1:  // the roof net and the bar
      m.Quad("net.gfx", {-1, 0, 1}, {1, 0, 1}, {1, 1, 1}, {-1, 1, 1}, {0, 0, 1}, kNet, 4, 2);
      m.Box("post.gfx", {-1 - kPostX, -kPostY, 1 - kBarZ}, {1 + kPostX, kPostY, 1});
      break;
    default: {  // a side net and its post
      const float x = part == 2 ? -1.0f : 1.0f;
      m.Quad("net.gfx", {x, 0, 0}, {x, 1, 0}, {x, 1, 1}, {x, 0, 1}, {x, 0, 0}, kNet, 2, 2);
      m.Box("post.gfx", {x - kPostX, -kPostY, 0}, {x + kPostX, kPostY, 1 - kBarZ});
      break;
    }
  }
  return EncodeRigid(m);
}

SoftBytes Flag() {
  Model m;
  m.Box("pole.gfx", {-0.01f, -0.01f, 0}, {0.01f, 0.01f, 1});
  m.Quad("flag.gfx", {0, 0, 0.7f}, {0, 0.35f, 0.72f}, {0, 0.35f, 0.98f}, {0, 0, 1}, {1, 0, 0}, 1);
  return EncodeRigid(m);
}

// ---- textures ----------------------------------------------------------------------------

SoftBytes Texture(int w, int h, const std::vector<uint8_t>& pixels) {
  SoftBytes b(4 + pixels.size());
  StoreU16(b.data(), static_cast<uint32_t>(w));
  StoreU16(b.data() + 2, static_cast<uint32_t>(h));
  for (size_t i = 0; i < pixels.size(); ++i) b[4 + i] = pixels[i];
  return b;
}

// Palette entries (the in-game palettes): line whites 6-9, greys 11-54,
// skin and hair 156-221, concrete 222-233, seats 234-245, roof 246-254.
SoftBytes Crowd(std::mt19937& rng) {
  constexpr int kW = 64, kH = 64;
  std::vector<uint8_t> p(kW * kH);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      const int row = y % 8;
      if (row == 7) {
        p[y * kW + x] = static_cast<uint8_t>(224 + rng() % 3);  // the step
      } else if (row >= 4) {
        p[y * kW + x] = static_cast<uint8_t>(rng() % 4 == 0 ? 234 + rng() % 12 : 186 + rng() % 20);  // bodies
      } else {
        p[y * kW + x] = static_cast<uint8_t>(rng() % 5 == 0 ? 234 + rng() % 12 : 156 + (rng() % 3) * 22 + rng() % 10);
      }
    }
  return Texture(kW, kH, p);
}

SoftBytes Wall(std::mt19937& rng) {
  constexpr int kW = 64, kH = 16;
  std::vector<uint8_t> p(kW * kH);
  const uint8_t board = static_cast<uint8_t>(234 + rng() % 12);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      const bool letter = y >= 4 && y < 12 && (x / 4) % 3 != 2 && ((x + y) % 5 != 0);
      p[y * kW + x] = static_cast<uint8_t>(y < 2 || y >= 14 ? 222 + rng() % 4 : letter ? 7 : board);
    }
  return Texture(kW, kH, p);
}

SoftBytes Roof(std::mt19937& rng) {
  constexpr int kW = 32, kH = 32;
  std::vector<uint8_t> p(kW * kH);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) p[y * kW + x] = static_cast<uint8_t>(x % 8 == 0 ? 246 : 249 + rng() % 3);
  return Texture(kW, kH, p);
}

SoftBytes HorizonTexture(std::mt19937& rng) {
  constexpr int kW = 128, kH = 64;
  std::vector<uint8_t> p(kW * kH);
  std::vector<int> skyline(kW);
  int level = 36;
  for (int x = 0; x < kW; ++x) {
    level = std::clamp(level + static_cast<int>(rng() % 5) - 2, 28, 44);
    skyline[x] = level;
  }
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x)
      p[y * kW + x] = static_cast<uint8_t>(y < skyline[x] ? 234 + std::min(11, y / 4) : 222 + (y + x) % 6);
  return Texture(kW, kH, p);
}

SoftBytes Net() {
  constexpr int kW = 32, kH = 32;
  std::vector<uint8_t> p(kW * kH, 0);  // 0: see through
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x)
      if (x % 4 == 0 || y % 4 == 0) p[y * kW + x] = 8;
  return Texture(kW, kH, p);
}

SoftBytes Plain(int w, int h, uint8_t a, uint8_t b, int stripe) {
  std::vector<uint8_t> p(static_cast<size_t>(w * h));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p[y * w + x] = (y / stripe) % 2 == 0 ? a : b;
  return Texture(w, h, p);
}

SoftBytes FlagCloth() {
  constexpr int kW = 32, kH = 32;
  std::vector<uint8_t> p(kW * kH);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) p[y * kW + x] = static_cast<uint8_t>(((x / 8) + (y / 8)) % 2 == 0 ? 240 : 7);
  return Texture(kW, kH, p);
}

}  // namespace

bool WriteSoftModels(long seed, const fs::path& dir) {
  std::mt19937 rng = SoftRandom(seed, 2);
  const fs::path soft = fs::path("zvdata") / "software";
  const fs::path bodies = soft / "sskin" / "models";
  const fs::path stadium = soft / "stadium";
  const fs::path textures = stadium / "textures";
  bool ok = true;
  const auto write = [&](const fs::path& p, const SoftBytes& b) { ok = ok && WriteSoftFile(dir, p, b); };

  const char* kinds[3] = {"player", "keeper", "referee"};
  for (int k = 0; k < 3; ++k)
    for (const Detail& d : kDetails) write(bodies / kinds[k] / d.file, BodyModel(static_cast<Kind>(k), d));

  write(soft / "simple" / "model" / "116ball.nod", Ball());
  write(soft / "simple" / "model" / "cone.nod", Cone());

  write(stadium / "models" / "misc" / "horizon" / "horizon.nod", Horizon());
  write(stadium / "models" / "stads" / "stad2.nod", Stadium(240, 1));
  write(stadium / "models" / "stads" / "bigstad.nod", Stadium(420, 2));
  const char* goal[4] = {"gback.nod", "gtop.nod", "gleft.nod", "gright.nod"};
  for (int i = 0; i < 4; ++i) write(stadium / "models" / "misc" / "goal" / goal[i], GoalPart(i));
  write(stadium / "models" / "misc" / "flag" / "flag.nod", Flag());

  for (const char* set : {"stad2", "bigstad"}) {
    write(textures / set / "crowd.gfx", Crowd(rng));
    write(textures / set / "wall.gfx", Wall(rng));
    write(textures / set / "roof.gfx", Roof(rng));
  }
  write(textures / "stad2" / "horizon.gfx", HorizonTexture(rng));
  write(textures / "goal00" / "net.gfx", Net());
  write(textures / "goal00" / "post.gfx", Plain(8, 8, 8, 7, 4));
  write(textures / "pole.gfx", Plain(4, 32, 8, 240, 4));
  write(textures / "flag.gfx", FlagCloth());
  return ok;
}
