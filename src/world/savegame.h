// Saved games: per save slot a pair of DAT0 containers (datablocks.h), the
// game file "SaveData\save<slot>" (tag SAV0, the 92 blocks of the career's
// world state) and the permanent file "SaveData\perm<slot>" (tag PRM0, the 8
// blocks of player and minor-club data the new game made); and the exported
// team "a:\SaveTeam" (tag TEM1, one team record).
//
// Every block is a table of the world, written in a fixed order; the tables
// kept as their file image (records, lists, logs) go as they are, scalars
// and int16 tables little-endian, field by field.
//
// Safety:
// - A save writes each file under a temporary name ("...save3.tmp") and puts
//   it in place of the old file only once both files were written and closed
//   whole, so a failed save leaves the old save as it was.
// - A load reads both files into a staging copy and checks them: the
//   container (every header field, size word and the trailer), the counts
//   and indices the game steps through (game country, calendar, player
//   counts, the transfer log's write index and its entries' clubs, players
//   and dates, the deal tables' players and clubs, the players and
//   retraining of the training buffer and the progress snapshot, the fixture
//   list's day order and competition codes) and the blocks the files hold
//   twice. Only a slot whose two files are sound is taken into the world; a
//   bad one leaves the world untouched.
//
// Every failure answers a code and leaves its words in SaveGame_LastError();
// nothing is logged.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "world/datablocks.h"

// The three kinds of file.
enum SaveFileKind { SAVE_FILE_GAME = 0, SAVE_FILE_PERM = 1, SAVE_FILE_TEAM = 2 };

constexpr int SAV0_BLOCKS = 92;
constexpr int32_t SAV0_DATA_SIZE = 5521603;
constexpr int PRM0_BLOCKS = 8;
constexpr int32_t PRM0_DATA_SIZE = 310800;
constexpr int TEM1_BLOCKS = 1;
constexpr int32_t TEAM_RECORD_SIZE = 5859;
constexpr int NUM_TEAM_SLOTS = 3;
constexpr int TEAM_EXPORT_SLOT = 2;  // the team record the TEM1 file holds
constexpr int16_t SAVE_SLOT_CD = 100;  // read from the CD (never written there)

// Blocks of the game file that the load checks or treats apart.
enum SaveGameBlock {
  SAV0_DIVISION_TABLE = 1,
  SAV0_GAME_COUNTRY = 3,
  SAV0_CUP_DRAW_VALUES = 9,
  SAV0_CUP_DRAW_MASK_WORDS = 10,
  SAV0_CUP_DRAW_GROUP_WORDS = 11,
  SAV0_WEEKDAY = 15,
  SAV0_DAY_OF_MONTH = 16,
  SAV0_MONTH = 17,
  SAV0_YEAR = 18,
  SAV0_DAY_OF_SEASON = 20,
  SAV0_GATE_LEVY_AND_COUNTRY = 31,
  SAV0_PLAYER_COUNT = 35,
  SAV0_PLAYER_TOTAL_COUNT = 36,
  SAV0_FIXTURES = 38,
  SAV0_CLUB_RECORDS = 39,
  SAV0_PLAYER_RECORDS = 40,
  SAV0_VIEWED_CLUB = 47,
  SAV0_TRANSFER_LOG = 51,
  SAV0_SQUAD_PROGRESS = 52,
  SAV0_SHORT_LIST = 53,
  SAV0_SQUAD_PROGRESS_AGAIN = 57,
  SAV0_CLUB_SCREEN_NAME = 66,
  SAV0_DEAL_CONTRACTS = 67,
  SAV0_DEAL_SALE_PLAYERS = 68,
  SAV0_DEAL_SALE_CLUBS = 69,
  SAV0_TRANSFER_LOG_INDEX = 70,
  SAV0_CAREER_LOG = 71,
  SAV0_EVENT_LOG = 72,
  SAV0_JOB_OFFER = 73,
  SAV0_TRAINING_BUFFER = 85,
};
enum SavePermBlock {
  PRM0_IDENTITIES = 5,
  PRM0_MINOR_CLUBS = 7,  // 1,800 bytes from the minor club records: the first 120 bytes of the identities again
};

// Codes. Saving: 0, -1 a file could not be created, -2 not written whole,
// -3 not closed or not put in place, -4 the permanent file failed (the game
// file is then not put in place either). Loading: 0, -1 the file could not
// be opened, -2 a read error (the file ends early), -3 not closed, -4 the
// permanent file could not be read, -20 a wrong or incomplete file (another
// tag, a damaged container, fewer blocks than the table, or values out of
// range).
constexpr int SAVE_OK = 0;
constexpr int SAVE_OPEN_FAILED = -1;
constexpr int SAVE_WRITE_FAILED = -2;
constexpr int SAVE_READ_FAILED = -2;
constexpr int SAVE_CLOSE_FAILED = -3;
constexpr int SAVE_PERM_FAILED = -4;
constexpr int SAVE_WRONG_FILE = -20;
constexpr int SAVE_NO_TEAM_SLOT = -5;  // LoadTeamFile/CopyLoadedTeamToSlot: no team slot of that number

// Saves the slot: the cup-draw table packed, then both files.
int SaveGameSlot(int16_t slot);
// Loads the slot (100 from the CD) and rebuilds what is not saved: the log
// indexes, the league tables, the ability-choice lists, the reputation table,
// the cup-draw table, the transfer windows, the viewed club, the names.
int LoadGameSlot(int16_t slot);
// The permanent file alone (0, -1, -2, -3; loading also -20).
int SavePermFile(int16_t slot);
int LoadPermFile(int16_t slot);
// The export team record to "a:\SaveTeam" (0, -1, -2, -3).
int SaveTeamFile();
// Reads "a:\SaveTeam" into the export team record and copies it into team
// slot n: 0, -1, -2 (a damaged or foreign file), -3, -5 (no slot n). A file
// without the block is accepted and copies the record as it was.
int LoadTeamFile(int16_t slot);
// Copies the export team record into team slot n (0-2); answers 0 or -5.
int CopyLoadedTeamToSlot(int16_t n);

// The league rows cleared and counted again from the league fixtures before
// today, the movement marks cleared, and the tables sorted.
void RebuildLeagueTables();

// What a load works out again from the loaded world, the save not holding
// it: the logs' indexes, the league tables, the reputation table, the cup
// draw's tables, every club's squad list, the transfer windows, the names and
// the menu words, no human captain or takers chosen. A run that saves and goes on takes the same steps after
// saving (the career tool does), so that it goes on exactly as a run loaded
// from its save.
void RebuildUnsavedState();

// The words of the last failure ("" after a success), e.g.
// "SaveData\save3: block 40 size differs from the table's".
const char* SaveGame_LastError();

// File names: "SaveData\save3", "SaveData\perm3", "a:\SaveTeam"; for
// reading slot 100 the CD root goes in front.
std::string SaveFile_Name(SaveFileKind kind, int16_t slot, bool forReading);
int SaveFile_BlockCount(SaveFileKind kind);
// A block's size; -1 for a block the kind does not have.
int32_t SaveFile_BlockSize(SaveFileKind kind, int block);
// What the kind's blocks hold now, one after the other as in the file
// (without the container's header, size words and trailer).
std::vector<uint8_t> SaveFile_WorldImage(SaveFileKind kind);

// The saved tables of parts of the game that are not built yet. Each is a
// byte block of its saved size, saved and loaded as it is, so the files have
// their full layout now; the part that owns a table takes it over (and its
// entry in the block list) when it is built. The owner is named beside each.
struct SavePlaceholderTables {
  // ---- in the game file ----
  uint8_t divisionTableTail[24];    // 1: the 24 bytes the division table block holds after its six rows
  uint8_t managerScreenWord[2];     // 48: menu system, a word of the first manager screen
  uint8_t customTactics[3960];      // 54: menu system, TacticsRecord x 12
  uint8_t tacticWord1[2];           // 55: menu system, the human club's selected tactics
  uint8_t tacticWord2[2];           // 56
  uint8_t squadScreenWords[4][2];   // 59-62: club screens
  uint8_t clubScreenName[21];       // 66: club screens, a zero-ended name
  uint8_t resultScreenTable[28];    // 75: league screens
  uint8_t lastMatchEvents[200];     // 76: league screens, the last match's events
  uint8_t clubScreenSettings[1618]; // 77: club screens
  uint8_t euroHonourLabels[58];     // 78: new game, European honour labels
  uint8_t teamSelection[22];        // 87: club screens, team selection state
  uint8_t matchViewByte[1];         // 88: league screens
  uint8_t menuOptionWord[2];        // 89: menu system
  // ---- the exported team ----
  uint8_t teamSlots[NUM_TEAM_SLOTS][TEAM_RECORD_SIZE];  // club screens' team records; slot 2 is the TEM1 block
  // ---- not saved: what a load sets ----
  int16_t menuStateWord;            // menu system: set to 1 by a load
  int16_t inGameWords[2];           // calendar: two in-game words a load clears
  char workingClubName[21];         // club screens: the name of block 66, copied by a load
};
extern SavePlaceholderTables SavePlaceholders;

// Every placeholder as at program start (zero; the division table's tail empty, 255).
void SaveGame_Reset();
