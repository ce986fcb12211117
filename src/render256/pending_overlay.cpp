// Do-nothing stand-ins for the body drawing the overlay view calls, until
// the player drawing module is merged.
#include "render256/polyman.h"

void DrawPlayerFill(int) {}
void LoadFillModels() {}
void FreeFillModels() {}
