// The season's league fixtures and the order of the league tables.
#pragma once

#include <cstdint>

#include "world/fixtures.h"

// Divisions 0-6 of the game country (6: the clubs outside the league), each
// its clubs in ascending club number, 255 after the last. The starting order
// of the league sort.
constexpr int NUM_ORDER_DIVISIONS = 7;
extern uint8_t DivisionClubOrder[NUM_ORDER_DIVISIONS][DIVISION_PLACES];

void FixGen_Reset();

void DivisionClubOrder_Build();

// True when row a belongs below row b in a table: fewer points, then by the
// division's tie-break (0 goal difference then goals scored, 1 goals scored
// then goal difference, any other value none).
bool LeagueRowBelow(const LeagueTableRow& a, const LeagueTableRow& b, int tieBreak);

// Puts each division of DivisionTable in order from the league rows (clubs
// level on everything keep their club order) and writes every club's table
// position.
void SortLeagueTables();
