// TEMPORARY: what the squad planning and the bidding use of parts being built
// beside them (the formation slots of the team selection, the club order of
// the transfer day). The stand-ins in pending_i18-market.cpp go when those
// parts arrive.
#pragma once

#include <cstdint>

constexpr int NUM_FORMATION_TACTICS = 6;
constexpr int NUM_PERSONALITY_BANDS = 10;
constexpr int NUM_FORMATION_SLOTS = 10;

// Per tactic code and personality band: ten outfield slots, each the stored
// position it asks for and its side code.
extern const uint8_t FormationSlots[NUM_FORMATION_TACTICS][NUM_PERSONALITY_BANDS][NUM_FORMATION_SLOTS][2];

// The clubs that take part in the transfer days, in order; -1 fills the rest.
extern int16_t ClubProcessingList[250];
void BuildClubProcessingList();
