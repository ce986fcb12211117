// The staff hiring pool: the constant candidates that clubs may take on as
// coaches and specialists, and which of them are on the market now.
//
// The pool and the table of candidates are one size: 92. Kinds 0-8 have ten
// candidates each, levels 1 to 10 in pool order (kind 0 first); kinds 9 and
// 10 have one candidate each, of level 8, at the end. Thirty candidates are
// available at a time; the availability bytes are saved with the game.
#pragma once

#include <cstdint>

constexpr int NUM_STAFF_CANDIDATES = 92;
constexpr int STAFF_CANDIDATES_AVAILABLE = 30;

// Per candidate: bits 0-3 the staff kind (0-10), bits 4-7 the level (1-10).
extern const int32_t StaffCandidateTable[NUM_STAFF_CANDIDATES];
// Per candidate 1 when on the market, else 0 (saved).
extern uint8_t StaffCandidateAvailable[NUM_STAFF_CANDIDATES];

// Kind and level of candidate 0-91; -1 for any other number.
int16_t StaffCandidate_GetKind(int16_t candidate);
int16_t StaffCandidate_GetLevel(int16_t candidate);
// The candidate's availability byte; 0 for a number outside the pool.
int16_t StaffCandidate_IsAvailable(int16_t candidate);
// Candidates available now.
int StaffCandidate_CountAvailable();

// A new game's market: every candidate withdrawn, then 30 different ones
// drawn by rand() % 92 made available.
void InitStaffCandidates();

// Nobody on the market (program start).
void StaffPool_Reset();
