// The match interface (placeholder bodies).
#include "gamecode/football.h"

#include "gamecode/matchobj.h"

int16_t Football_GetPositionLine(int16_t) { return -1; }
int16_t Football_GetPlayerMatchRecordText2(int16_t, const uint8_t*, int32_t*) { return -1; }
void Football_GetScore(int16_t*, int16_t*, int16_t*, int16_t*) {}
int16_t Football_CalcPlayerRating(int16_t, int16_t) { return 0; }
void Football_FillPlayerMatchRecord(uint8_t*, int16_t, int16_t) {}
MatchObject* Football_GetMatchObject(int16_t side, int16_t player) { return &MatchObjects[side * 16 + player]; }
void Football_SetupTeamFormation(int16_t) {}
uint8_t* Football_GetTeamFormation(int16_t) { return nullptr; }
void Football_MakeSubstitution(int16_t, int16_t, int16_t) {}
