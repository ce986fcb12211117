// The save and load screens and the index of the save slots.
#pragma once

#include "menus/exmenu.h"

// The save/load screen (SaveLoadMode 1 loads, 0 saves).
extern const MenuItem SaveLoadMenu[];
