// Stand-ins for calls into modules not on this branch yet.
#include <cstdint>

uint16_t Overlay_GetTeamColour1(int) { return 0; }
uint16_t Overlay_GetTeamColour2(int) { return 0; }
uint16_t Overlay_GetTeamColour3(int) { return 0; }
