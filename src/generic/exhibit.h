// Around the match: the exhibition match the main menu starts directly, the
// sort that puts the day's match events in minute order for the goal ticker,
// and the lookup of a player's match record for the statistics screens.
#pragma once

#include <cstdint>

// The front end's record of one side (the team file's team record).
constexpr int EXHIBITION_TEAM_SIZE = 5859;
constexpr int EXHIBITION_PLAYERS = 0;        // 17 x 109-byte match set-up player entries
constexpr int EXHIBITION_FORMATIONS = 1853;  // 12 formations of 330 bytes
constexpr int EXHIBITION_TACTIC = 5813;      // int16
constexpr int EXHIBITION_TACTIC_VALUE = 5815;  // int16
constexpr int EXHIBITION_NAME = 5819;        // zero-ended, 40 bytes
constexpr int EXHIBITION_NAME_SIZE = 40;

// The world clubs whose kits the two sides wear.
constexpr int16_t EXHIBITION_KIT_CLUBS[2] = {55, 23};

// SetupExhibitionTeams, then RunExhibitionMatch.
void PlayExhibitionMatch();
// The two exhibition teams into a cleared MatchSetup, with the friendly's
// rules and ground.
void SetupExhibitionTeams();
// Kits, then the match in "Watch" with the menus stopped.
void RunExhibitionMatch();
// The two exhibition teams (Friendly Setup's team records).
const uint8_t* ExhibitionTeam(int side);

// The result screen after an exhibition that was switched to Commentary (a
// stand-in: it notes its call; tests put in their own).
extern void (*ExhibitionResultScreen)();


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
