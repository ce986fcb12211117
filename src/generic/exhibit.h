// Around the match: the exhibition match the main menu starts directly, the
// sort that puts the day's match events in minute order for the goal ticker,
// and the lookup of a player's match record for the statistics screens.
#pragma once

#include <cstdint>

// Sorts the day's MatchEvent list in place (an exchange sort): by the minute
// (bits 15-22 of the first word), then by the sequence number (bits 23-30).
void SortMatchEvents();

// A player's 125-byte match record: while the match screens show the match
// just played (bit 5 of MatchReportFlags, season/matchday.h) the player's
// MatchPlayerStats in the MatchResult from its record field on (side 0-1,
// player 0-15); otherwise the saved report's entry of the player (the side is
// not used). Null for a side or player out of range. The address is also
// kept (GetLastPlayerMatchRecord).
uint8_t* GetPlayerMatchRecord(int16_t side, int16_t player);
uint8_t* GetLastPlayerMatchRecord();

// The module as at program start (tests).
void Exhibit_Reset();
