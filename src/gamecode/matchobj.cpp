// The match's participants and the pitch geometry.
#include "gamecode/matchobj.h"

#include <cstring>

#include "engine/reset.h"

MatchObject MatchObjects[MATCH_OBJECTS];
RenderObject RenderObjects[MATCH_OBJECTS];
PitchGeometry Pitch;

void SetPitchGeometry() {
  PitchGeometry& p = Pitch;
  p.minX = 156;
  p.maxX = 1436;
  p.minY = 122;
  p.maxY = 2042;
  p.width = p.maxX - p.minX;   // 1280
  p.length = p.maxY - p.minY;  // 1920
  p.centreX = 796;
  p.centreY = 1082;
  p.goalPostMinX = 730;
  p.goalPostMaxX = 862;
  p.penaltyAreaMinY = 410;
  p.penaltyAreaMaxY = 1754;
  p.penaltyAreaMinX = 476;
  p.penaltyAreaMaxX = 1116;
  p.goalAreaMinY = 218;
  p.goalAreaMaxY = 1946;
  p.goalAreaMinX = 636;
  p.goalAreaMaxX = 956;
  p.penaltySpotMinY = 314;
  p.penaltySpotMaxY = 1850;
  p.yard = 16;
  p.netBackMinY = 58;
  p.netBackMaxY = 2106;
  p.boundaryMinX = 92;
  p.boundaryMaxX = 1500;
  p.centreCircleRadius = 80;
  p.offPitch = 3042;
  p.tunnelX = -4;
  p.tunnelY = 1082;
  p.refereeTunnelX = -164;
  const int16_t rows[6] = {122, 442, 762, 1082, 1402, 1722};
  const int16_t columns[5] = {156, 412, 668, 924, 1180};
  std::memcpy(p.zoneRows, rows, sizeof rows);
  std::memcpy(p.zoneColumns, columns, sizeof columns);
  p.throwFactor = 1.2f;
}

namespace {

void MatchObjects_Reset() {
  std::memset(MatchObjects, 0, sizeof MatchObjects);
  std::memset(RenderObjects, 0, sizeof RenderObjects);
  std::memset(&Pitch, 0, sizeof Pitch);
}

}  // namespace

REGISTER_RESET(RESET_MATCH_PLAY, MatchObjects_Reset);

void PlaceObjectAt(int object, int x, int y) {
  if (object < 0 || object >= MATCH_OBJECTS) return;
  MatchObject& o = MatchObjects[object];
  o.x = static_cast<int16_t>(x);
  o.y = static_cast<int16_t>(y);
  o.fixedX = x * 65536;
  o.fixedY = y * 65536;
}
