#include "gamecode/teamshape.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "engine/bytes.h"
#include "engine/reset.h"
#include "gamecode/actions.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchrun.h"
#include "gamecode/matchstate.h"
#include "gamecode/matchstates.h"
#include "gamecode/movement.h"

int16_t offsideLine[2] = {};
int16_t updateGroup = 0;
int16_t ShapePush[2] = {};

namespace {

constexpr int OUTFIELD = 10;
constexpr int ALONG_ZONES = 6;
constexpr int ACROSS_ZONES = 5;
constexpr int SET_BASE = 300;
// Within a formation slot: the second position (forward runs) and the third
// (back runs), int16 pairs; a negative across means none.
constexpr int SLOT_SECOND_ACROSS = 4;
constexpr int SLOT_SECOND_ALONG = 6;
constexpr int SLOT_THIRD_ACROSS = 15;
constexpr int SLOT_THIRD_ALONG = 17;
constexpr int SLOT_SHAPE_BYTE_A = 19;
constexpr int SLOT_SHAPE_BYTE_B = 21;

// The kick-off line-up's along factor, by the mirrored grid row.
constexpr float kKickOffAlong[18] = {0.5f,  0.53f, 0.56f, 0.6f,  0.62f, 0.65f, 0.68f, 0.7f,  0.72f,
                                     0.75f, 0.8f,  0.85f, 0.9f,  0.92f, 0.94f, 0.96f, 0.98f, 1.0f};
// The goal-kick line-up's along factor, by the mirrored grid row.
constexpr float kSet31Along[18] = {0.6f,  0.65f, 0.7f, 0.75f, 0.78f, 0.81f, 0.85f, 0.95f, 1.05f,
                                   1.1f,  1.17f, 1.24f, 1.3f, 1.5f,  1.7f,  1.9f,  2.3f,  2.6f};
// The defending table's along factor, by grid row.
constexpr float kVariant1Along[18] = {0.7f,  0.69f, 0.68f, 0.67f, 0.66f, 0.65f, 0.69f, 0.68f, 0.67f,
                                      0.66f, 0.65f, 0.64f, 0.88f, 0.87f, 0.86f, 0.84f, 0.82f, 0.8f};

// Across factor by row group, column group and across zone.
constexpr float kAcross[6][5][5] = {
    {{1, 1, 1, 1.5f, 2}, {0.94f, 0.97f, 1, 1.15f, 1.3f}, {0.98f, 0.99f, 1, 1.01f, 1.02f},
     {0.87f, 0.94f, 1, 1.03f, 1.06f}, {0.8f, 0.9f, 1, 1, 1}},
    {{1, 1, 1, 1.5f, 2}, {0.94f, 0.97f, 1, 1.15f, 1.3f}, {0.98f, 0.99f, 1, 1.01f, 1.02f},
     {0.87f, 0.94f, 1, 1.03f, 1.06f}, {0.8f, 0.9f, 1, 1, 1}},
    {{1, 1, 1, 1.5f, 2}, {0.86f, 0.93f, 1, 1.15f, 1.3f}, {0.98f, 0.99f, 1, 1.01f, 1.02f},
     {0.78f, 0.89f, 1, 1.07f, 1.14f}, {0.6f, 0.8f, 1, 1, 1}},
    {{1, 1, 1, 1.5f, 2}, {1, 1, 1, 1.15f, 1.3f}, {0.98f, 0.99f, 1, 1.01f, 1.02f},
     {0.87f, 0.94f, 1, 1.03f, 1.06f}, {0.8f, 0.9f, 1, 1, 1}},
    {{1, 1, 1, 1.5f, 2}, {1, 1, 1, 1.15f, 1.3f}, {0.98f, 0.99f, 1, 1.01f, 1.02f},
     {0.87f, 0.94f, 1, 1.03f, 1.06f}, {0.8f, 0.9f, 1, 1, 1}},
    {{1, 1, 1, 1.5f, 2}, {1, 1, 1, 1.15f, 1.3f}, {0.98f, 0.99f, 1, 1.01f, 1.02f},
     {0.87f, 0.94f, 1, 1.03f, 1.06f}, {0.8f, 0.9f, 1, 1, 1}},
};

// Along factor by row group and along zone; column groups 0 and 4 (outer),
// 1 and 3 (inner) and 2 (centre).
constexpr float kAlongOuter[6][6] = {
    {0.9f, 2.18f, 3.46f, 4.88f, 5.56f, 6.94f}, {0.7f, 0.95f, 1.4f, 1.84f, 2.77f, 3.3f},
    {0.25f, 0.57f, 1.19f, 1.44f, 1.92f, 2.7f}, {0.3f, 0.58f, 0.86f, 1.09f, 1.28f, 1.56f},
    {0.3f, 0.52f, 0.74f, 0.88f, 1.19f, 1.3f},  {0.3f, 0.42f, 0.58f, 0.68f, 0.88f, 1.0f}};
constexpr float kAlongInner[6][6] = {
    {0.8f, 2.1f, 3.4f, 4.78f, 5.41f, 6.88f}, {0.65f, 0.9f, 1.3f, 1.63f, 2.54f, 3.15f},
    {0.2f, 0.44f, 1.08f, 1.3f, 1.8f, 2.5f},  {0.5f, 0.7f, 0.9f, 1.08f, 1.28f, 1.41f},
    {0.3f, 0.52f, 0.74f, 0.88f, 1.09f, 1.25f}, {0.3f, 0.42f, 0.58f, 0.68f, 0.88f, 1.0f}};
constexpr float kAlongCentre[6][6] = {
    {0.74f, 2.05f, 3.36f, 4.7f, 5.34f, 6.78f}, {0.6f, 0.85f, 1.24f, 1.52f, 2.41f, 3.0f},
    {0.15f, 0.38f, 0.96f, 1.3f, 1.76f, 2.44f}, {0.44f, 0.75f, 0.96f, 1.06f, 1.2f, 1.44f},
    {0.3f, 0.52f, 0.74f, 0.88f, 0.99f, 1.2f},  {0.3f, 0.42f, 0.58f, 0.68f, 0.88f, 1.0f}};

float AlongFactor(int g, int c, int i) {
  if (c == 2) return kAlongCentre[g][i];
  if (c == 1 || c == 3) return kAlongInner[g][i];
  return kAlongOuter[g][i];
}

// The set-piece line-up point of each grid cell (row 0-17, column 0-14).
constexpr int16_t kLineUp[18][15][2] = {
    {{225, 565}, {275, 665}, {325, 765}, {375, 1170}, {425, 1270}, {475, 1370}, {525, 785}, {540, 685},
     {555, 785}, {605, 1375}, {655, 1275}, {705, 1175}, {755, 770}, {805, 670}, {855, 570}},
    {{236, 655}, {286, 755}, {356, 855}, {389, 1195}, {439, 1295}, {489, 1395}, {500, 870}, {520, 770},
     {530, 870}, {542, 1395}, {592, 1295}, {642, 1195}, {705, 840}, {755, 740}, {805, 640}},
    {{247, 745}, {307, 845}, {347, 945}, {378, 1220}, {428, 1320}, {478, 1420}, {500, 755}, {510, 855},
     {520, 755}, {530, 1420}, {548, 1320}, {558, 1220}, {655, 910}, {705, 810}, {755, 710}},
    {{260, 940}, {310, 840}, {360, 740}, {365, 1245}, {415, 1345}, {465, 1445}, {490, 945}, {510, 845},
     {530, 945}, {532, 1445}, {562, 1345}, {592, 1245}, {605, 990}, {655, 890}, {705, 790}},
    {{255, 875}, {305, 975}, {355, 1075}, {442, 1245}, {462, 1345}, {482, 1445}, {498, 885}, {500, 985},
     {502, 885}, {505, 1452}, {525, 1352}, {545, 1252}, {565, 1050}, {615, 950}, {665, 850}},
    {{300, 910}, {350, 1010}, {400, 1110}, {439, 1245}, {449, 1345}, {459, 1445}, {475, 1125}, {485, 1025},
     {495, 1125}, {500, 1458}, {510, 1358}, {520, 1258}, {535, 1110}, {585, 1010}, {635, 910}},
    {{400, 955}, {410, 1055}, {420, 1155}, {435, 1255}, {445, 1355}, {455, 1455}, {468, 1255}, {488, 1055},
     {508, 1255}, {525, 1465}, {535, 1365}, {545, 1265}, {585, 1170}, {595, 1070}, {605, 970}},
    {{412, 1030}, {422, 1130}, {432, 1230}, {450, 1305}, {460, 1355}, {470, 1405}, {475, 1255}, {480, 1155},
     {495, 1255}, {505, 1425}, {515, 1375}, {525, 1325}, {540, 1270}, {560, 1170}, {580, 1070}},
    {{414, 1150}, {424, 1250}, {434, 1350}, {440, 1365}, {450, 1335}, {460, 1305}, {472, 1255}, {482, 1205},
     {492, 1255}, {510, 1305}, {520, 1385}, {530, 1375}, {535, 1370}, {545, 1270}, {555, 1170}},
    {{410, 1300}, {420, 1310}, {430, 1320}, {440, 1335}, {450, 1345}, {460, 1355}, {470, 1365}, {480, 1365},
     {490, 1365}, {505, 1355}, {515, 1345}, {525, 1335}, {530, 1325}, {540, 1315}, {550, 1305}},
    {{419, 1350}, {429, 1370}, {439, 1390}, {445, 1405}, {455, 1415}, {465, 1425}, {470, 1435}, {480, 1445},
     {490, 1435}, {500, 1425}, {510, 1415}, {520, 1405}, {530, 1380}, {540, 1360}, {550, 1340}},
    {{418, 1440}, {428, 1435}, {438, 1430}, {443, 1425}, {453, 1420}, {463, 1415}, {475, 1410}, {485, 1405},
     {495, 1400}, {505, 1395}, {515, 1390}, {525, 1385}, {535, 1380}, {545, 1375}, {555, 1370}},
    {{417, 1405}, {427, 1415}, {437, 1425}, {441, 1435}, {451, 1445}, {461, 1455}, {470, 1465}, {480, 1475},
     {490, 1465}, {500, 1455}, {510, 1445}, {520, 1435}, {534, 1425}, {544, 1415}, {554, 1405}},
    {{416, 1407}, {426, 1417}, {436, 1427}, {449, 1431}, {459, 1441}, {469, 1451}, {475, 1461}, {485, 1471},
     {495, 1461}, {505, 1457}, {515, 1447}, {525, 1437}, {533, 1427}, {543, 1417}, {553, 1407}},
    {{415, 1404}, {425, 1414}, {435, 1424}, {447, 1434}, {457, 1444}, {467, 1454}, {476, 1464}, {486, 1474},
     {496, 1464}, {504, 1454}, {514, 1444}, {524, 1434}, {532, 1424}, {542, 1414}, {552, 1404}},
    {{414, 1403}, {424, 1413}, {434, 1423}, {445, 1433}, {455, 1443}, {465, 1453}, {477, 1463}, {487, 1473},
     {497, 1463}, {503, 1453}, {513, 1443}, {523, 1433}, {531, 1423}, {541, 1413}, {551, 1403}},
    {{413, 1402}, {423, 1412}, {433, 1422}, {443, 1432}, {453, 1442}, {463, 1452}, {478, 1462}, {488, 1472},
     {498, 1462}, {502, 1452}, {512, 1442}, {522, 1432}, {530, 1422}, {540, 1412}, {550, 1402}},
    {{412, 1401}, {422, 1411}, {432, 1421}, {441, 1431}, {451, 1441}, {461, 1451}, {479, 1461}, {489, 1471},
     {499, 1461}, {501, 1451}, {511, 1441}, {521, 1431}, {539, 1421}, {549, 1411}, {559, 1401}},
};

// The action codes in which a player watches the ball: standing, running to
// his point, the open-play decision state, following the ball, waiting for a
// pass, and the goalkeeper's stand.
constexpr bool HeadFollowsBall(int action) {
  return action == 0 || action == 3 || action == 4 || action == 14 || action == 17 || action == 122;
}

struct SideBlend {
  int16_t zoneA = -1, zoneB = -1;
  int16_t acrossPercent = -1, alongPercent = -1;
};

struct ShapeState {
  uint8_t formation[TACTICS_RECORD_SIZE] = {};  // the build copy of a side's working formation
  ShapePoint build[2][ZONE_TABLE_ENTRIES] = {};  // the two variants being built
  ShapePoint tables[2][2][ZONE_TABLE_ENTRIES] = {};  // per side, variants 0 and 1
  SideBlend blend[2];
  uint8_t changed = 0;
};
ShapeState S;

int16_t Trunc16(float v) { return static_cast<int16_t>(std::trunc(v)); }

// The slot's int16 field (slot 0-10; every field read lies inside the 330 bytes).
int SlotField(int slot, int offset) { return LoadI16(S.formation + FormationSlotOffset(slot) + offset); }
void SetSlotField(int slot, int offset, int value) {
  StoreI16(S.formation + FormationSlotOffset(slot) + offset, static_cast<int16_t>(value));
}

int AcrossValue(int across) { return across * 1000 / 15 + 33; }
int AlongValue(int along) { return along * 1500 / 18 + 41; }

// Grid row (0-17) of an along shape value: cells of 83 units, three of them
// closing on their bound.
int GridRow(int value) {
  struct Bound {
    int limit;
    bool inclusive;
  };
  static constexpr Bound kBounds[17] = {{83, false},  {166, false},  {249, false},  {332, false}, {415, false},
                                        {498, false}, {580, true},   {664, false},  {747, false}, {830, false},
                                        {912, true},  {996, false},  {1079, false}, {1162, false},
                                        {1245, false}, {1328, false}, {1410, true}};
  for (int r = 0; r < 17; ++r)
    if (value < kBounds[r].limit || (kBounds[r].inclusive && value == kBounds[r].limit)) return r;
  return 17;
}

// Grid column (0-14) of an across shape value: cells of 66 units.
int GridColumn(int value) {
  for (int c = 0; c < 13; ++c)
    if (value < 66 * (c + 1)) return c;
  return value <= 923 ? 13 : 14;
}

// The neighbouring row group of step 4.
int NeighbourGroup(int along, int g, int zone) {
  const float h = static_cast<float>(along) * (1.0f / 1500.0f) + 0.5f;
  int m;
  if (h > static_cast<float>(g))
    m = g + 1;
  else if (h == static_cast<float>(g))
    m = g;
  else
    m = (zone == 5 && g == 5) ? 5 : g - 1;
  return std::clamp(m, 0, 5);
}

// The along factor of open play for a shape value in row group g, column group c.
float OpenPlayAlong(int along, int g, int c, int zone) {
  const int m = NeighbourGroup(along, g, zone);
  return (AlongFactor(g, c, zone) + AlongFactor(m, c, m)) * 0.5f;
}

ShapePoint& Entry(int variant, int along, int across, int player) {
  return S.build[variant][along * 50 + across * 10 + player];
}

void ForwardRun(int k, int A, int L) {
  const int slot = k + 1;
  const int across2 = SlotField(slot, SLOT_SECOND_ACROSS);
  if (across2 < 0) return;
  const int A2 = AcrossValue(across2);
  const int L2 = AlongValue(SlotField(slot, SLOT_SECOND_ALONG));
  if (L2 <= L) return;
  const int g2 = GridRow(L2) / 3;
  const int c2 = GridColumn(A2) / 3;
  for (int j = 0; j < ACROSS_ZONES; ++j)
    for (int i = 0; i < ALONG_ZONES; ++i) {
      const int T = Trunc16(static_cast<float>(L2) * OpenPlayAlong(L2, g2, c2, i));
      const int y0 = Entry(0, 0, j, k).y;
      Entry(0, i, j, k).y = Trunc16(static_cast<float>(y0) + static_cast<float>(i) * 0.2f *
                                                                  static_cast<float>(std::abs(y0 - T)));
    }
  for (int j = 0; j < ACROSS_ZONES; ++j) {
    const int X = Trunc16(static_cast<float>(A2) * kAcross[g2][c2][j]);
    for (int i = 0; i < ALONG_ZONES; ++i) {
      ShapePoint& p = Entry(0, i, j, k);
      if (A2 < A) {
        const int x4 = Entry(0, i, 4, k).x;
        p.x = Trunc16(static_cast<float>(x4) -
                      static_cast<float>(5 - i) * 0.2f * static_cast<float>(std::abs(x4 - X)));
      } else if (A2 > A) {
        const int x0 = Entry(0, i, 0, k).x;
        p.x = Trunc16(static_cast<float>(x0) + static_cast<float>(i) * 0.2f * static_cast<float>(std::abs(x0 - X)));
      }
    }
  }
}

void BackRun(int k, int A, int L) {
  const int slot = k + 1;
  const int across3 = SlotField(slot, SLOT_THIRD_ACROSS);
  if (across3 < 0) return;
  const int A3 = AcrossValue(across3);
  const int L3 = AlongValue(SlotField(slot, SLOT_THIRD_ALONG));
  if (L3 >= L) return;
  const int row3 = GridRow(L3);
  const int g3 = row3 / 3;
  const int c3 = GridColumn(A3) / 3;
  for (int j = 0; j < ACROSS_ZONES; ++j)
    for (int i = 0; i < ALONG_ZONES; ++i) {
      const int T = Trunc16(static_cast<float>(L3) * OpenPlayAlong(L3, g3, c3, i) * kVariant1Along[row3]);
      const int y5 = Entry(1, 5, j, k).y;
      Entry(1, i, j, k).y = Trunc16(static_cast<float>(y5) - static_cast<float>(5 - i) * 0.2f *
                                                                  static_cast<float>(std::abs(y5 - T)));
    }
  for (int j = 0; j < ACROSS_ZONES; ++j) {
    const int X = Trunc16(static_cast<float>(A3) * kAcross[g3][c3][j]);
    for (int i = 0; i < ALONG_ZONES; ++i) {
      ShapePoint& p = Entry(1, i, j, k);
      if (A3 < A) {
        const int x4 = Entry(1, i, 4, k).x;
        p.x = Trunc16(static_cast<float>(x4) -
                      static_cast<float>(5 - i) * 0.2f * static_cast<float>(std::abs(x4 - X)));
      } else if (A3 > A) {
        const int x0 = Entry(1, i, 0, k).x;
        p.x = Trunc16(static_cast<float>(x0) + static_cast<float>(i) * 0.2f * static_cast<float>(std::abs(x0 - X)));
      }
    }
  }
}

// Places a pitch coordinate in bands of `width` units (count of them): the
// zone pair and the blend between their centres. Outside the pitch the
// coordinate counts as on its edge.
void PlaceInBands(int value, int start, int width, int count, int16_t& zoneA, int16_t& zoneB, int16_t& percent) {
  int p = static_cast<int>(static_cast<float>(value - start) / (static_cast<float>(width) * 0.01f));
  p = std::clamp(p, 0, count * 100);
  int band = std::min(p / 100, count - 1);
  const int offset = p - band * 100;
  if (offset > 50 && band < count - 1) {
    zoneA = static_cast<int16_t>(band);
    zoneB = static_cast<int16_t>(band + 1);
    percent = static_cast<int16_t>(offset - 50);
  } else if (offset < 50 && band > 0) {
    zoneA = static_cast<int16_t>(band - 1);
    zoneB = static_cast<int16_t>(band);
    percent = static_cast<int16_t>(offset + 50);
  } else {
    zoneA = zoneB = static_cast<int16_t>(band);
    percent = 100;
  }
}

// The designated taker of the restart being set up, -1 none.
int RestartTaker(int side) {
  switch (MatchState) {
    case STATE_CORNER:
    case STATE_CORNER_TAKEN:
      return CornerTakerObject[side];
    case STATE_FOUL:
    case STATE_FREE_KICK_PLACED:
    case STATE_DIRECT_FREE_KICK_PLACED:
    case STATE_DIRECT_FREE_KICK_PLACED_2:
      return FreeKickTakerObject[side];
    case STATE_PENALTY_PLACED:
    case STATE_SHOOTOUT_KICK:
      return PenaltyTakerObject[side];
    default:
      return -1;
  }
}

int Lerp(int a, int b, int percent) { return a + (b - a) * percent / 100; }

}  // namespace

void LoadShapeFormation(const uint8_t* record) {
  if (record) std::memcpy(S.formation, record, sizeof S.formation);
}

void MirrorFormation() {
  for (int slot = 0; slot < TACTICS_SLOTS; ++slot) {
    SetSlotField(slot, SLOT_ACROSS, 14 - SlotField(slot, SLOT_ACROSS));
    if (SlotField(slot, SLOT_SECOND_ACROSS) >= 0)
      SetSlotField(slot, SLOT_SECOND_ACROSS, 14 - SlotField(slot, SLOT_SECOND_ACROSS));
    if (SlotField(slot, SLOT_THIRD_ACROSS) >= 0)
      SetSlotField(slot, SLOT_THIRD_ACROSS, 14 - SlotField(slot, SLOT_THIRD_ACROSS));
  }
}

void BuildZoneTable(int variant) {
  if (variant < 0 || variant > 1) return;
  ShapePoint* table = S.build[variant];
  for (int k = 0; k < OUTFIELD; ++k) {
    const int slot = k + 1;
    const int across = SlotField(slot, SLOT_ACROSS);
    const int along = SlotField(slot, SLOT_ALONG);
    const int A = AcrossValue(across);
    const int L = AlongValue(along);
    const int row = GridRow(L);
    const int column = GridColumn(A);
    const int mirroredRow = GridRow(AlongValue(17 - along));
    const int g = row / 3;
    const int c = column / 3;

    ShapePoint& kick = table[SET_BASE + k];
    kick.x = static_cast<int16_t>(A);
    kick.y = Trunc16(static_cast<float>(L) * kKickOffAlong[mirroredRow]);
    if (variant == 1 && kick.y > 570 && kick.x > 320 && kick.x < 680) kick.y = 570;

    const ShapePoint lineUp{kLineUp[row][column][0], kLineUp[row][column][1]};
    table[SET_BASE + 20 + k] = lineUp;
    table[SET_BASE + 30 + k] = lineUp;

    ShapePoint& set31 = table[SET_BASE + 10 + k];
    set31.x = static_cast<int16_t>(A);
    set31.y = Trunc16(static_cast<float>(L) * kSet31Along[mirroredRow]);

    for (int j = 0; j < ACROSS_ZONES; ++j)
      for (int i = 0; i < ALONG_ZONES; ++i) {
        float f = OpenPlayAlong(L, g, c, i);
        if (variant == 1) f *= kVariant1Along[row];
        ShapePoint& p = Entry(variant, i, j, k);
        p.x = Trunc16(static_cast<float>(A) * kAcross[g][c][j]);
        p.y = Trunc16(static_cast<float>(L) * f);
      }
  }
  for (int k = 0; k < OUTFIELD; ++k) {
    const int A = AcrossValue(SlotField(k + 1, SLOT_ACROSS));
    const int L = AlongValue(SlotField(k + 1, SLOT_ALONG));
    if (variant == 0)
      ForwardRun(k, A, L);
    else
      BackRun(k, A, L);
  }
}

void ScaleZoneTable(int variant) {
  if (variant < 0 || variant > 1) return;
  for (ShapePoint& p : S.build[variant]) {
    p.x = static_cast<int16_t>(p.x * 126 / 100);
    p.y = static_cast<int16_t>(p.y * 126 / 100);
  }
}

ShapePoint ZoneTableEntry(int side, int zoneIndex, int player) {
  if (side < 0 || side > 1 || zoneIndex < 0 || zoneIndex >= 2 * SHAPE_VARIANT_OFFSET || player < 0 ||
      player >= OUTFIELD)
    return {};
  const int variant = zoneIndex >= SHAPE_VARIANT_OFFSET ? 1 : 0;
  return S.tables[side][variant][(zoneIndex % SHAPE_VARIANT_OFFSET) * 10 + player];
}

void InitTeamShape(int side) {
  if (side < 0 || side > 1) return;
  LoadShapeFormation(WorkingFormation[side]);
  MirrorFormation();
  BuildZoneTable(0);
  BuildZoneTable(1);
  ScaleZoneTable(0);
  ScaleZoneTable(1);
  std::memcpy(S.tables[side], S.build, sizeof S.build);
  // The slots' two shape bytes go to the players at the 11 formation places;
  // the bench has no slot.
  const uint8_t* formation = WorkingFormation[side];
  for (int position = 0; position < TACTICS_SLOTS; ++position) {
    const int object = SideSlots[side][position];
    if (object < 0 || object >= MATCH_PLAYERS) continue;
    const uint8_t* slot = formation + FormationSlotOffset(position);
    MatchObjects[object].instructions[INSTRUCTION_SHAPE] = slot[SLOT_SHAPE_BYTE_A];
    MatchObjects[object].instructions[INSTRUCTION_SHAPE + 1] = slot[SLOT_SHAPE_BYTE_B];
  }
  // A new shape: the next frame's blend counts as changed.
  S.blend[side] = SideBlend{};
}

void UpdateBallZones() {
  S.changed = 0;
  if (kickTimer > 0 || MatchState == STATE_DIRECT_FREE_KICK_PLACED || MatchState == STATE_DIRECT_FREE_KICK_PLACED_2)
    return;
  SideBlend next[2];
  auto setBoth = [&next](int side, int zone) {
    next[side].zoneA = next[side].zoneB = static_cast<int16_t>(zone);
    next[side].acrossPercent = next[side].alongPercent = 100;
  };
  const int restartSide = RestartSide & 1;
  const int possession = PossessionSide & 1;
  const bool lineUp = MatchState == STATE_CORNER_TAKEN || (MatchState == STATE_PENALTY_PLACED && period != 4);
  const bool kickOff = MatchState == STATE_GOAL || MatchState == STATE_AFTER_GOAL_WAIT ||
                       MatchState == STATE_KICK_OFF || MatchState == STATE_PERIOD_START ||
                       MatchState == STATE_PERIOD_START_AFTER_GOAL || MatchState == STATE_KICK_OFF_WAIT;
  const bool goalKick = MatchState == STATE_GOAL_KICK || MatchState == STATE_GOAL_KICK_TAKEN ||
                        MatchState == STATE_KEEPER_HOLDS || MatchState == STATE_KEEPER_RELEASE;
  if (lineUp) {
    setBoth(possession, SHAPE_SET_32);
    setBoth(1 - possession, SHAPE_VARIANT_OFFSET + 2);
  } else if (kickOff) {
    setBoth(restartSide, SHAPE_SET_KICK_OFF);
    setBoth(1 - restartSide, SHAPE_VARIANT_OFFSET + SHAPE_SET_KICK_OFF);
  } else if (goalKick) {
    setBoth(restartSide, SHAPE_SET_31);
    setBoth(1 - restartSide, SHAPE_VARIANT_OFFSET + SHAPE_SET_31);
  } else {
    const int focusX = ballPredict[1][0];
    const int focusY = ballPredict[1][1];
    int16_t acrossA, acrossB, acrossPercent;
    PlaceInBands(focusX, Pitch.minX, 256, 5, acrossA, acrossB, acrossPercent);
    // The ball's along position, shifted by the attacking side's push: up
    // for the side whose end the ball is in, down for the other.
    const int push = MatchState == STATE_OPEN_PLAY ? ShapePush[possession] : 0;
    for (int side = 0; side < 2; ++side) {
      const bool low = side == LowGoalSide;
      const bool ballAtOwnEnd = low ? focusY < Pitch.centreY : focusY >= Pitch.centreY;
      int16_t alongA, alongB, alongPercent;
      PlaceInBands(focusY + (ballAtOwnEnd ? push : -push), Pitch.minY, 320, 6, alongA, alongB, alongPercent);
      // Zones count from the side's own touch line and goal line.
      const int jA = low ? acrossA : 4 - acrossA, jB = low ? acrossB : 4 - acrossB;
      const int iA = low ? alongA : 5 - alongA, iB = low ? alongB : 5 - alongB;
      int offset = 0;
      if (side != possession) {
        // The side without the ball defends, unless the ball is deep in the
        // end it attacks.
        const bool attackingEnd = low ? focusY > 1402 : focusY < 442;
        if (!(MatchState == STATE_OPEN_PLAY && attackingEnd)) offset = SHAPE_VARIANT_OFFSET;
      }
      next[side].zoneA = static_cast<int16_t>(jA + 5 * iA + offset);
      next[side].zoneB = static_cast<int16_t>(jB + 5 * iB + offset);
      next[side].acrossPercent = acrossPercent;
      next[side].alongPercent = alongPercent;
    }
  }
  for (int side = 0; side < 2; ++side) {
    const SideBlend& a = S.blend[side];
    const SideBlend& b = next[side];
    if (a.zoneA != b.zoneA || a.zoneB != b.zoneB || a.acrossPercent != b.acrossPercent ||
        a.alongPercent != b.alongPercent)
      S.changed = 1;
    S.blend[side] = b;
  }
}

void UpdateShapeTargets() {
  for (int side = 0; side < 2; ++side) {
    const SideBlend& blend = S.blend[side];
    if (blend.zoneA < 0 || blend.zoneB < 0) continue;
    const bool low = side == LowGoalSide;
    const int taker = MatchState != STATE_OPEN_PLAY ? RestartTaker(side) : -1;
    const int width = Pitch.maxX - Pitch.minX;
    // Formation places 1-10 have table points; the bench stands off the pitch.
    for (int position = 1; position <= OUTFIELD; ++position) {
      const int object = SideSlots[side][position];
      if (object < 0 || object >= MATCH_PLAYERS) continue;
      MatchObject& o = MatchObjects[object];
      if (o.offPitch || o.action > 15 || o.stepUpCounter > 0 || object == taker) continue;
      // The kick-off taker stands in his own code (27), which the check above leaves alone.
      o.playedOutfield = 1;
      const ShapePoint a = ZoneTableEntry(side, blend.zoneA, position - 1);
      const ShapePoint b = ZoneTableEntry(side, blend.zoneB, position - 1);
      int x = Lerp(a.x, b.x, blend.acrossPercent);
      const int y = Lerp(a.y, b.y, blend.alongPercent);
      if (MatchState == STATE_THROW_IN_TAKEN) {
        // Everyone closes up towards the touch line of the throw.
        const bool throwNearOwnLine = low ? restartX < Pitch.centreX : restartX > Pitch.centreX;
        x = throwNearOwnLine ? x * 70 / 100 : x + (width - x) * 30 / 100;
      }
      if (low) {
        o.targetX = static_cast<int16_t>(Pitch.minX + x);
        o.targetY = static_cast<int16_t>(Pitch.minY + y);
      } else {
        o.targetX = static_cast<int16_t>(Pitch.maxX - x);
        o.targetY = static_cast<int16_t>(Pitch.maxY - y);
      }
    }
  }
}

void UpdateShapeTargetsIfChanged() {
  if (S.changed) UpdateShapeTargets();
}

ShapeBlend GetShapeBlend(int side) {
  if (side < 0 || side > 1) return {};
  const SideBlend& b = S.blend[side];
  return {b.zoneA, b.zoneB, b.acrossPercent, b.alongPercent};
}

int ShapeBlendChanged() { return S.changed; }

void UpdateObjectGroup() {
  static constexpr int kFirst[4] = {0, 16, 8, 24};
  static constexpr int kLast[4] = {7, 23, 15, 34};
  const int group = updateGroup & 3;
  for (int object = kFirst[group]; object <= kLast[group]; ++object) {
    MatchObject& o = MatchObjects[object];
    if (o.action >= 0 && o.action < ACTION_CODES && HeadFollowsBall(o.action))
      LookAtPoint(object, ballX, ballY, 40);
    else
      o.headTurn = 0;
  }
  const int side = group % 2;
  const bool low = side == LowGoalSide;
  int line = low ? 10000 : 0;
  for (int position = 1; position <= OUTFIELD; ++position) {
    const int object = SideSlots[side][position];
    if (object < 0 || object >= MATCH_PLAYERS) continue;
    const MatchObject& o = MatchObjects[object];
    if (o.offPitch || o.x <= Pitch.minX || o.x >= Pitch.maxX) continue;
    line = low ? std::min(line, static_cast<int>(o.y)) : std::max(line, static_cast<int>(o.y));
  }
  offsideLine[side] = static_cast<int16_t>(line);
  updateGroup = static_cast<int16_t>((group + 1) & 3);
}

void TeamShape_Reset() {
  offsideLine[0] = offsideLine[1] = 0;
  updateGroup = 0;
  ShapePush[0] = ShapePush[1] = 0;
  S = ShapeState{};
}
REGISTER_RESET(RESET_MATCH_PLAY, TeamShape_Reset);
