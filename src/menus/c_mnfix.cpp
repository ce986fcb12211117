#include "menus/c_mnfix.h"

uint8_t ClubFixturesViewState = 0;
