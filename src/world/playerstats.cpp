// Player statistics from templates and curves.
#include "world/playerstats.h"

#include <array>
#include <cstdio>
#include <cstring>

#include "clubsim/clubsvc.h"
#include "engine/reset.h"
#include "world/players.h"
#include "world/recordbits.h"

StatTables PlayerStatTables;

namespace {

// The template column and curve-selection column of each stat 0-14.
constexpr int kTemplateColumn[15] = {0, 1, 2, 3, 4, 5, 7, 6, 0, 1, 2, 3, 4, 5, 6};
constexpr int kCurveColumn[15] = {0, 1, 2, 3, 4, 5, 7, 6, 0, 1, 3, 2, 4, 5, 6};

[[noreturn]] void Fatal(const char* message, int32_t a, int32_t b = 0) {
  std::printf(message, a, b);
  FatalExit();
}

void CheckPlayer(int16_t player, int stat, const char* negative, const char* missing) {
  if (player < 0) Fatal(negative, player, stat);
  if (player >= PlayerTotalCount) Fatal(missing, player, stat);
}

int16_t CurveNumber(int row, int stat, int position) {
  if (row < 0 || row >= NUM_CURVE_ROWS || position < 0 || position >= NUM_CURVE_POSITIONS) return 0;
  int index = (row * NUM_CURVE_COLUMNS + kCurveColumn[stat]) * NUM_CURVE_POSITIONS + position;
  return LoadI16(PlayerStatTables.curveSelection + 2 * index);
}

// The integer square roots of 0-32767 (the largest r with r * r <= v): the
// stats ask for them millions of times a season.
constexpr std::array<uint8_t, 32768> kSquareRoots = [] {
  std::array<uint8_t, 32768> roots{};
  int r = 0;
  for (int v = 0; v < 32768; ++v) {
    while ((r + 1) * (r + 1) <= v) ++r;
    roots[static_cast<size_t>(v)] = static_cast<uint8_t>(r);
  }
  return roots;
}();

// The integer square root of the value taken as a 16-bit number, or 0 when
// that is negative.
int16_t CurveTerm(int32_t value) {
  const int16_t v = static_cast<int16_t>(value);
  return v < 0 ? int16_t{0} : int16_t{kSquareRoots[static_cast<size_t>(v)]};
}

int32_t Slope(int curve) { return LoadI16(PlayerStatTables.curves + 6 * curve + 2); }
int32_t Offset(int curve) { return LoadI16(PlayerStatTables.curves + 6 * curve + 4); }
bool ValidCurve(int curve) { return curve >= 0 && curve < NUM_CURVES; }

int16_t AbilityFromGrowth(const PlayerStatFields& f, int stat, int32_t x) {
  int curve = CurveNumber(f.abilityCurve, stat, f.storedPosition);
  // A code raised after the new world keeps its low part, so it can read up
  // to 255: such a player counts as the last template.
  int code = f.abilityStats;
  if (code >= NUM_STAT_CODES) code = NUM_STAT_CODES - 1;
  int32_t base = PlayerStatTables.abilityTemplate[code][kTemplateColumn[stat]];
  int32_t result = base + StatCurve_Growth(curve, x);
  return static_cast<int16_t>(result > 100 ? 100 : result);
}

// The row of the curve-selection table for a player's physical stats: not
// stored, but different from player to player.
int PhysicalRow(const PlayerStatFields& f) {
  int row = (f.initial + f.surname + f.personalityStats) & 0xFF;
  return row & ~0x6;
}

int16_t Physical(const PlayerStatFields& f, int stat, int32_t age, bool potential) {
  int position = f.storedPosition;
  int curve = CurveNumber(PhysicalRow(f), stat, position);
  int code = f.physicalStats;
  int32_t base =
      code >= 0 && code < NUM_STAT_CODES ? PlayerStatTables.physicalTemplate[code][kTemplateColumn[stat]] : 0;
  int32_t d = StatCurve_Decline(curve, age);
  int32_t result;
  if (stat == 12 || (stat == 9 && position == 0))
    result = base - d / 4;
  else if (potential && stat == 11)
    result = base - (d * 2 * (250 - f.abilityCurve)) / 250;
  else
    result = base - d;
  return static_cast<int16_t>(result < 0 ? 0 : result);
}

}  // namespace

void PlayerStats_Reset() { std::memset(&PlayerStatTables, 0, sizeof PlayerStatTables); }
REGISTER_RESET(RESET_WORLD, PlayerStats_Reset);

void StatCurve_Set(int curve, int16_t slope, int16_t offset) {
  if (!ValidCurve(curve)) return;
  StoreI16(PlayerStatTables.curves + 6 * curve + 2, slope);
  StoreI16(PlayerStatTables.curves + 6 * curve + 4, offset);
}

void CurveSelection_Set(int row, int column, int position, int16_t curve) {
  if (row < 0 || row >= NUM_CURVE_ROWS || column < 0 || column >= NUM_CURVE_COLUMNS || position < 0 ||
      position >= NUM_CURVE_POSITIONS)
    return;
  StoreI16(PlayerStatTables.curveSelection + 2 * ((row * NUM_CURVE_COLUMNS + column) * NUM_CURVE_POSITIONS + position),
           curve);
}

int16_t StatCurve_Growth(int curve, int32_t x) {
  if (!ValidCurve(curve)) return 0;
  return CurveTerm((Slope(curve) * x * 2) / 5 - Offset(curve));
}

int16_t StatCurve_Decline(int curve, int32_t age) {
  if (!ValidCurve(curve)) return 0;
  return CurveTerm((Slope(curve) * (age * 52)) / 3 - Offset(curve));
}

int16_t Player_GetAbilityStat(int16_t player, int stat) {
  CheckPlayer(player, stat, "Trying to get Ability stat of negative player : '%d,%d'\n",
              "Trying to get Ability stat of non existent player : '%d,%d'\n");
  if (stat < 0 || stat > 7) Fatal("Accessing as ability: '%d'\n", stat);
  PlayerStatFields f;
  Player_ReadStatFields(player, &f);
  return AbilityFromGrowth(f, stat, (f.training / 2 + f.careerApps) / 2);
}

int16_t Player_GetAbilityStatEx(int16_t player, int stat, int32_t careerApps, int32_t training) {
  CheckPlayer(player, stat, "Trying to get Ability stat of negative player : '%d,%d'\n",
              "Trying to get Ability stat of non existent player : '%d,%d'\n");
  if (stat < 0 || stat > 7) Fatal("Accessing as ability: '%d'\n", stat);
  PlayerStatFields f;
  Player_ReadStatFields(player, &f);
  return AbilityFromGrowth(f, stat, (training / 2 + careerApps) / 2);
}

int16_t Player_GetAbilityPotential(int16_t player, int stat, int32_t age) {
  CheckPlayer(player, stat, "Trying to get Ability potential stat of negative player : '%d,%d'\n",
              "Trying to get Ability potential stat of non existent player : '%d,%d'\n");
  if (stat < 0 || stat > 7) Fatal("Accessing as ability: '%d'\n", stat);
  PlayerStatFields f;
  Player_ReadStatFields(player, &f);
  return AbilityFromGrowth(f, stat, (age * 312) / 2);
}

int16_t Player_GetPhysicalStat(int16_t player, int stat) {
  CheckPlayer(player, stat, "Trying to get Physical stat of negative player : '%d,%d'\n",
              "Trying to get Physical stat of non existent player : '%d,%d'\n");
  if (stat < 8 || stat > 14) Fatal("Accessing as physical: '%d'\n", stat);
  PlayerStatFields f;
  Player_ReadStatFields(player, &f);
  return Physical(f, stat, f.age, false);
}

int16_t Player_GetPhysicalPotential(int16_t player, int stat, int32_t age) {
  CheckPlayer(player, stat, "Trying to get Physical potential of negative player : '%d,%d'\n",
              "Trying to get Physical potential stat of non existent player : '%d,%d'\n");
  if (stat < 8 || stat > 14) Fatal("Accessing as physical: '%d'\n", stat);
  PlayerStatFields f;
  Player_ReadStatFields(player, &f);
  return Physical(f, stat, age, true);
}

namespace {
int16_t PersonalityFromCode(int code, int stat) {
  return code < NUM_STAT_CODES ? PlayerStatTables.personalityTemplate[code][stat - 15] : 0;
}
}  // namespace

int16_t PlayerStat_FromFields(const PlayerStatFields& f, int stat) {
  if (stat < 0 || stat > 21) return 0;
  if (stat < 8) return AbilityFromGrowth(f, stat, (f.training / 2 + f.careerApps) / 2);
  if (stat < 15) return Physical(f, stat, f.age, false);
  return PersonalityFromCode(f.personalityStats, stat);
}

int16_t PlayerStat_PotentialFromFields(const PlayerStatFields& f, int stat, int32_t years) {
  if (stat < 0 || stat > 21) return 0;
  if (stat < 8) return AbilityFromGrowth(f, stat, (years * 312) / 2);
  if (stat < 15) return Physical(f, stat, years, true);
  return PersonalityFromCode(f.personalityStats, stat);
}

int16_t Player_GetPersonalityStat(int16_t player, int stat) {
  CheckPlayer(player, stat, "Trying to get Personality stat of negative player : '%d,%d'\n",
              "Trying to get Personality stat of non existent player : '%d,%d'\n");
  if (stat < 15 || stat > 21) Fatal("Accessing as personality: '%d'\n", stat);
  return PersonalityFromCode(Player_GetPersonalityStats(player), stat);
}
