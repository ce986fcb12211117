// TEMPORARY: the human manager's pending sales, until the facade's deal
// tables are linked.
#pragma once
#include <cstdint>
void GNW_AddHumanSale(int16_t manager, int16_t player, int16_t buyingClub);
