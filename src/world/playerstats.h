// A player's 22 statistics, worked out on demand from the codes his records
// hold and four tables of the permanent data: ability stats 0-7 grow with
// training and appearances towards a template value, physical stats 8-14
// decline with age from one, personality stats 15-21 are read from one.
#pragma once

#include <cstdint>

constexpr int NUM_STAT_CODES = 250;
constexpr int NUM_CURVE_ROWS = 250;
constexpr int NUM_CURVE_COLUMNS = 8;
constexpr int NUM_CURVE_POSITIONS = 13;
constexpr int NUM_CURVES = 250;

// The tables, as the permanent data holds them (little-endian int16 where wider than a byte).
struct StatTables {
  uint8_t abilityTemplate[NUM_STAT_CODES][8];
  uint8_t physicalTemplate[NUM_STAT_CODES][7];
  uint8_t personalityTemplate[NUM_STAT_CODES][7];
  uint8_t curveSelection[NUM_CURVE_ROWS * NUM_CURVE_COLUMNS * NUM_CURVE_POSITIONS * 2];  // [row][column][position]
  uint8_t curves[NUM_CURVES * 6];  // three int16 per curve: unused, slope a, offset b
};
extern StatTables PlayerStatTables;

void PlayerStats_Reset();

// Writing the tables (the permanent-data loader and tests).
void StatCurve_Set(int curve, int16_t slope, int16_t offset);
void CurveSelection_Set(int row, int column, int position, int16_t curve);

int16_t StatCurve_Growth(int curve, int32_t x);
int16_t StatCurve_Decline(int curve, int32_t age);

int16_t Player_GetAbilityStat(int16_t player, int stat);
int16_t Player_GetAbilityStatEx(int16_t player, int stat, int32_t careerApps, int32_t training);
int16_t Player_GetAbilityPotential(int16_t player, int stat, int32_t age);
int16_t Player_GetPhysicalStat(int16_t player, int stat);
int16_t Player_GetPhysicalPotential(int16_t player, int stat, int32_t age);
int16_t Player_GetPersonalityStat(int16_t player, int stat);

// A stat 0-21 worked out from the player's fields read once
// (Player_ReadStatFields), for the ratings that want many stats of one
// player: as Player_GetAbilityStat, Player_GetPhysicalStat and
// Player_GetPersonalityStat answer it, or (potential) as the potentials at
// the given years, the personality stats as they are.
struct PlayerStatFields;
int16_t PlayerStat_FromFields(const PlayerStatFields& fields, int stat);
int16_t PlayerStat_PotentialFromFields(const PlayerStatFields& fields, int stat, int32_t years);
