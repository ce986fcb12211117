// Link-time stand-ins for the layer's tables until the layer itself is here.
#include "menus/gnlayer.h"

const uint8_t GNColourIndex[GN_COLOUR_COUNT] = {255, 5, 16, 234, 1, 232, 36, 15, 6, 0};
