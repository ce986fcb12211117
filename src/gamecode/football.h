// The match interface: the small calls through which the fixture code, the
// in-match menus, the line-up editor and the report screens read and change
// the running match. A side is 0 or 1, a player 0-15; the object is
// side x 16 + player. A bad side or player stops the program with an error
// naming the call.
#pragma once

#include <cstdint>

#include "gamecode/matchobj.h"

// The team-sheet values of a MatchSetupPlayer are int16 values 0-27 from
// byte 31 of the entry (value k at 31 + 2k). The kick-off copies them into the
// object's attribute bytes; this is the one mapping from a team-sheet value to
// the attribute byte that holds it. Value 22 (experience) has no attribute
// byte: SKILL_COUNT.
constexpr int SHEET_VALUES = 28;
constexpr int SHEET_VALUE_FIRST = 31;
Skill SkillOfSheetValue(int value);
// The inverse: the team-sheet value an attribute byte comes from.
int SheetValueOfSkill(Skill skill);
// The attribute byte of a player for team-sheet value k.
uint8_t& SheetSkill(MatchObject& object, int value);

// 0 the keeper, 1 defence (1-4), 2 midfield (5-9, 13), 3 attack (10-12), -1 otherwise.
int16_t Football_GetPositionLine(int16_t position);
// Writes statistic `statistic` (0-68) of a PlayerMatchRecord into *value and
// answers its label number (Football_GetStatisticLabel gives the text); any
// other index answers -1.
int16_t Football_GetPlayerMatchRecordText2(int16_t statistic, const uint8_t* record, int32_t* value);
// The label of statistic 0-68 ("" for any other number).
const char* Football_GetStatisticLabel(int16_t statistic);
// Fills a PlayerMatchRecord of the player and answers the label of the
// statistic, its value in *value.
const char* Football_GetStatisticText(int16_t statistic, int32_t* value, int16_t side, int16_t player);
void Football_GetScore(int16_t* home, int16_t* away, int16_t* away2, int16_t* home2);
int16_t Football_CalcPlayerRating(int16_t postMatch, int16_t object);
void Football_FillPlayerMatchRecord(uint8_t* record, int16_t side, int16_t player);
MatchObject* Football_GetMatchObject(int16_t side, int16_t player);

// Set-piece duties and the captain.
void Football_SetCornerTaker(int16_t side, int16_t player);
void Football_SetFreeKickTaker(int16_t side, int16_t player);
void Football_SetFreeKickTakerB(int16_t side, int16_t player);
void Football_SetPenaltyTaker(int16_t side, int16_t player);
void Football_SetCaptain(int16_t side, int16_t player);
int16_t Football_IsCornerTaker(int16_t side, int16_t player);
int16_t Football_IsFreeKickTaker(int16_t side, int16_t player);
int16_t Football_IsFreeKickTakerB(int16_t side, int16_t player);
int16_t Football_IsPenaltyTaker(int16_t side, int16_t player);
int16_t Football_IsCaptain(int16_t side, int16_t player);

// The side's 11 in-match formation slots (one TacticsRecord body).
uint8_t* Football_GetTeamFormation(int16_t side);
// From the side's tactic number: below 40 a stock tactic, 40-51 a custom
// formation of its team block; any other number loads stock tactic 0.
void Football_SetupTeamFormation(int16_t side);
// The side's first custom formation into its slots.
void Football_LoadMatchFormation(int16_t side);

void Football_MakeSubstitution(int16_t side, int16_t on, int16_t off);
void Football_SwapSquadSlots(int16_t side, int16_t on, int16_t off);
int16_t Football_WasTakenOffInjured(int16_t side, int16_t player);
int16_t Football_IsPlayerInjured(int16_t side, int16_t player);
int16_t Football_IsAvailableSubstitute(int16_t side, int16_t player);
int16_t Football_IsPlayerOnPitch(int16_t side, int16_t player);
int16_t Football_HasPlayedOutfield(int16_t side, int16_t player);
int16_t Football_HasPlayedInGoal(int16_t side, int16_t player);
int16_t Football_HasPlayerPlayed(int16_t side, int16_t player);
int16_t Football_GetSubstitutionsUsed(int16_t side);
// The player (0-15) at squad position 0-15 of the side.
int16_t Football_GetPositionsPlayer(int16_t side, int16_t position);
// The squad position of the player, -1 (with a message) when he has none.
int16_t Football_GetPlayersPosition(int16_t side, int16_t player);

// Both in-match formations empty.
void Football_Reset();
