// The friendly: the two teams of Friendly Setup played as an exhibition match
// in full 3D.
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
