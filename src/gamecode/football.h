// The match interface: the small calls through which the fixture code, the
// in-match menus, the line-up editor and the report screens read and change
// the running match. A side is 0 or 1, a player 0-15; the object is
// side x 16 + player.
#pragma once

#include <cstdint>

struct MatchObject;

int16_t Football_GetPositionLine(int16_t position);
int16_t Football_GetPlayerMatchRecordText2(int16_t statistic, const uint8_t* record, int32_t* value);
void Football_GetScore(int16_t* home, int16_t* away, int16_t* away2, int16_t* home2);
int16_t Football_CalcPlayerRating(int16_t postMatch, int16_t object);
void Football_FillPlayerMatchRecord(uint8_t* record, int16_t side, int16_t player);
MatchObject* Football_GetMatchObject(int16_t side, int16_t player);
void Football_SetupTeamFormation(int16_t side);
uint8_t* Football_GetTeamFormation(int16_t side);
void Football_MakeSubstitution(int16_t side, int16_t on, int16_t off);
