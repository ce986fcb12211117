// Friendly Setup and Player History.
//
// Friendly Setup (option 53, from the start page): two exported teams are
// read from the team file "a:\SaveTeam" (the file File -> "Save Team To
// Floppy a:\" writes) into the exhibition match's two team slots, the venue
// may be swapped, and "Play Match" hands over to the exhibition match
// (option 54), which comes back here. The screen counts the slots that hold
// a team, so loading Team A twice still asks for Team B.
//
// Player History (option 57): the career log of MenuPlayer, fifteen rows at a
// time, season lines (club, appearances, goals, average performance) and the
// events of his career (transfers, loans, injuries, appointments, awards,
// honours, sackings), with a totals row over his seasons.
#pragma once

#include <cstdint>

#include "menus/exmenu.h"

// ---- Friendly Setup ----

extern const MenuItem FriendlySetupMenu[];

constexpr int FRIENDLY_TEAMS = 2;  // slot 0 is Team A (home), slot 1 Team B (away)

int16_t FriendlySetup_Handler(const MenuItem* header);
// Reads the team file into slot 0 / 1. A file that cannot be read or does
// not hold a sound team shows "Load Failed" and leaves the slot as it was.
int16_t FriendlySetup_LoadTeam(int slot);
int16_t FriendlySetup_LoadA(MenuHotspot* spot);
int16_t FriendlySetup_LoadB(MenuHotspot* spot);
// With both slots holding a team: the game country 0 and option 54; else
// "You have not loaded two teams".
int16_t FriendlySetup_PlayMatch(MenuHotspot* spot);
// With both slots holding a team the two exchange (home becomes away); else
// "You have not loaded two teams".
int16_t FriendlySetup_SwapVenue(MenuHotspot* spot);
int16_t FriendlySetup_Done(MenuHotspot* spot);

// The slots that hold a team (0-2), whether one does (its record is a sound
// team, as FriendlyTeam_Fault finds it), and its name ("" for none).
int FriendlySetup_TeamsLoaded();
bool FriendlySetup_HoldsTeam(int slot);
const char* FriendlySetup_TeamName(int slot);

// What is wrong with a team record read from a team file (TEAM_RECORD_SIZE
// bytes), or null when it is a sound team: a name that ends inside its 40
// bytes and is not empty, every player entry either empty or wearing its own
// shirt number with a surname that ends inside its 20 bytes and a position of
// 0-13, and at least one player.
const char* FriendlyTeam_Fault(const uint8_t* record);

// ---- Player History ----

extern const MenuItem PlayerHistoryMenu[];

constexpr int PLAYER_HISTORY_ROWS = 15;

int16_t PlayerHistory_Handler(const MenuItem* header);
// One row down while the last entry is below the bottom row; one up, not
// below the first entry.
int16_t PlayerHistory_ScrollDown(MenuHotspot* spot);
int16_t PlayerHistory_ScrollUp(MenuHotspot* spot);
// A club manager (not the human manager's own player) goes back to Manager
// Reputations (69); anyone else to his player page, which then returns to
// the Manager's Office.
int16_t PlayerHistory_Done(MenuHotspot* spot);

// One row as the screen shows it; every field "" when blank.
struct PlayerHistoryRow {
  char seasonStart[12];  // "1999" (right-aligned at 90)
  char separator[4];    // "-" (at 100)
  char seasonEnd[12];   // "2000" (at 110)
  char club[48];        // at 170; the totals row's "Total"
  char apps[12];        // at 340
  char goals[12];       // at 400
  char perf[12];        // at 460
  char eventText[48];   // at 510: a season's "(On Loan)" or a transfer fee
  char lineText[80];    // at 300: what an event line records
};
struct PlayerHistoryView {
  char name[48];
  int16_t goalsHead;  // 64 "Goals", or 1830 "C.Sheet" for a goalkeeper
  int16_t count;      // entries of the player (0-100)
  int16_t first;      // the entry in the top row
  PlayerHistoryRow rows[PLAYER_HISTORY_ROWS];
  PlayerHistoryRow total;
};
const PlayerHistoryView& PlayerHistory_View();

// Both screens' state as at program start (a registered reset).
void Friendly_Reset();
