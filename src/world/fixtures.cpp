// The division table (the fixture list and the club numbering join it here).
#include "world/fixtures.h"

#include <cstring>

#include "engine/reset.h"

uint8_t DivisionTable[NUM_DIVISIONS][DIVISION_PLACES];

void Fixtures_Reset() { std::memset(DivisionTable, NO_TABLE_CLUB, sizeof DivisionTable); }
REGISTER_RESET(RESET_WORLD, Fixtures_Reset);
