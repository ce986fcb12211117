// TEMPORARY: stands in for the injury list and bid decisions until they merge.
#pragma once
#include <cstdint>
constexpr int16_t INJURY_AWOL = 0;
void InjurePlayer(int16_t player, int16_t time, int16_t type, bool inTraining);
int InjuryType_BaseTime(int type);
int InjuryType_Rarity(int type);
void BidDecisionStep();
