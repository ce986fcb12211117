// TEMPORARY: the human manager's pending sales, until the facade's deal
// tables are linked.
#include "clubsim/pending.h"
void GNW_AddHumanSale(int16_t, int16_t, int16_t) {}
