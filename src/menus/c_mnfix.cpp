#include "menus/c_mnfix.h"

#include "engine/reset.h"

uint8_t ClubFixturesViewState = 0;

void ClubFixturesView_Reset() { ClubFixturesViewState = 0; }
REGISTER_RESET(RESET_MENUS, ClubFixturesView_Reset);
