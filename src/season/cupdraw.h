// The cup draws: the table that holds every round of the seven cup
// competitions, the daily draw step, the small group table of the group
// rounds, the removal of a beaten club and the packed form in which the table
// is saved.
//
// CupDrawTable[competition][round][slot][entry]: the club drawn into a slot
// stands in entry 0; entries 1-3 hold the other clubs of a previous-round tie
// that was still undecided when this round was drawn (a pending slot). The
// entries of a slot are packed to the front, -1 after the last. A tie of a
// round is the slot pair (2m, 2m + 1); only a pair whose two slots hold one
// club each is played (cupties.h makes the fixtures and decides the ties).
//
// Competitions 0-3 are the game country's domestic cups, 4 the UEFA Cup, 5
// the Champions League qualifying rounds and 6 the Champions League. A round
// is drawn on its draw day (CupRoundData, counted in DaysSinceFirstMatch):
// its entrants are the clubs of a range of the cup seeding list and the
// survivors of the round before; the European first rounds are filled from
// the entrant lists instead.
#pragma once

#include <cstdint>

#include "world/records.h"
#include "world/static_country.h"
#include "world/static_cups.h"

constexpr int CUP_SLOTS = 250;
constexpr int CUP_SLOT_ENTRIES = 4;
constexpr int CUP_PAIRS = CUP_SLOTS / 2;
constexpr int16_t CUP_NO_CLUB = -1;

using CupDrawRounds = int16_t[NUM_CUP_COMPETITIONS][CUP_ROUNDS][CUP_SLOTS][CUP_SLOT_ENTRIES];
extern CupDrawRounds CupDrawTable;

// Per competition and world club: 1 = not available for the round being
// drawn (saved with the game).
extern uint8_t CupExcluded[NUM_CUP_COMPETITIONS][NUM_CLUBS];

// One row of the group table of a group round (saved: 4 rows of 4 bytes).
struct GroupTableRow {
  uint8_t club;  // 255: no club
  uint8_t points;
  int8_t goalDifference;
  uint8_t goals;
};
static_assert(sizeof(GroupTableRow) == 4);
constexpr int GROUP_TABLE_ROWS = 4;
constexpr uint8_t GROUP_NO_CLUB = 255;
extern GroupTableRow GroupTable[GROUP_TABLE_ROWS];

// Every entry of the table empty, every club available, the group table and
// the packed chunks zero.
void CupDraw_Reset();
// Every entry of the draw table -1 (the new season's fixture generation).
void CupDraw_ClearTable();

// The game country's record of a round; null outside the nine game countries
// or the competition's eight rounds. A round the country does not play has
// draw day -1.
const CupRoundRecord* CupRound_Get(int competition, int round);

// The daily draw step: every round of every competition whose draw day is
// today (DaysSinceFirstMatch) is drawn and gets its fixtures. A round drawn on
// day 0 is drawn only while DayOfSeason is at most 1 (the days before the
// first league matchday all count 0).
void DrawCupRound();

// One round's draw, as the daily step runs it (the European lists shuffled in
// first where the round takes them, the clubs made available, the slots
// filled, the fixtures made).
void CupDraw_DrawRound(int competition, int round);

// Fills the round's slots 0 to n - 1 with available clubs, n = the seeding
// range's length plus the clubs coming on from the round before: for each
// slot a random start club, searched forward for an odd slot and backward for
// an even one; the draw stops when no club is left.
void CupDraw_FillRound(int competition, int round);

// The groups of a group round just ended (groups of 3 or 4 consecutive slots
// of round 0): each group's table from its matches (points, then goal
// difference, then goals scored; level clubs keep their slot order), and the
// clubs finishing below second place taken out of round 0. A group short of
// a club (an entrant list with gaps) is settled all the same, the gap below
// every club.
void CupDraw_SettleGroups(int competition, int groupSize);

// Adds the result of the group fixture between rowA's club at home and rowB's
// club away under the competition code. A fixture that is missing or not yet
// played adds nothing.
void UpdateGroupTable(int rowA, int rowB, int code);
void GroupTable_SwapRows(int a, int b);
// Points, goal difference and goals of the four rows to 0 (the clubs stay).
void GroupTable_Clear();

// Removes a beaten club from rounds `round` to 7 of the competition (the
// entries behind it move forward); a club beaten in competition 5 goes on to
// the UEFA Cup's list (EuroListC).
void Cup_RemoveClub(int round, int16_t club, int competition);

// ---- the European entrant lists (funcs.h holds the lists) ----

// The club into the first empty entry of the list; a full list is left as it
// is, and so is a number that is no club.
void EuroListA_Add(int16_t club);
void EuroListC_Add(int16_t club);
// Random swaps of the list's entries (as many as it has), then the list in
// order into entry 0 of the slots of its competition's first round (A: 6,
// B: 5, C: 4); an empty entry gives an empty slot.
void ShuffleEuroEntrantsA();
void ShuffleEuroEntrantsB();
void ShuffleEuroEntrantsC();

// ---- the saved form ----
//
// Per competition, round and group of eight slots (32 groups a round, the
// last holding slots 248 and 249 only) a mask word: bit 4s + e set when entry
// e of the group's slot s holds a club, whose number goes as a byte into the
// value list. The 1,792 mask words are grouped by 32 into 56 group words (bit
// i set when mask word i is not 0), and only the mask words that are not 0 are
// kept. The three chunks are saved as they stand, words little-endian.
constexpr int CUP_PACK_GROUP_WORDS = 56;
constexpr int CUP_PACK_MASK_WORDS_MAX = 160;
constexpr int CUP_PACK_VALUES_MAX = 800;
struct PackedCupDraw {
  uint8_t groupWords[CUP_PACK_GROUP_WORDS * 4];    // 224 bytes
  uint8_t maskWords[CUP_PACK_MASK_WORDS_MAX * 4];  // 640 bytes
  uint8_t values[CUP_PACK_VALUES_MAX];             // 800 bytes
};
static_assert(sizeof(PackedCupDraw) == 224 + 640 + 800);
extern PackedCupDraw CupDrawPacked;

enum CupPackResult {
  CUP_PACK_OK = 0,
  // Packing: the table does not fit the chunks, or is damaged in memory.
  CUP_PACK_TOO_MANY_MASK_WORDS = -1,  // more groups hold clubs than the mask-word chunk has room for
  CUP_PACK_TOO_MANY_VALUES = -2,      // more entries hold clubs than the value chunk has room for
  CUP_PACK_BAD_ENTRY = -3,            // an entry holds no club number, or follows an empty one
  // Unpacking: the chunks are damaged.
  CUP_UNPACK_MASK_WORDS_OVERRUN = -4,  // the group words name more mask words than the chunk holds
  CUP_UNPACK_VALUES_OVERRUN = -5,      // the mask words name more entries than the chunk holds
  CUP_UNPACK_BAD_ENTRY = -6,           // a slot past 249, an empty mask word, no club number or a gap
};
// The words for a result, e.g. "cup draw table too full to save: 801
// entries hold clubs, room for 800" (static buffer).
const char* CupPack_ResultText(int result);

// Packs the table into CupDrawPacked before a save. On failure (logged) the
// chunks are left as they were and the save must not go on.
int PackCupDrawTable();
// Rebuilds the table from CupDrawPacked after a load. Every count and every
// club read is checked first; damaged chunks (logged) change nothing.
int UnpackCupDrawTable();

// The same over any table and chunks.
int CupDraw_Pack(const CupDrawRounds& table, PackedCupDraw* out);
int CupDraw_Unpack(const PackedCupDraw& in, CupDrawRounds* table);
// Entries that hold a club, and mask words that are not 0, in a table.
int CupDraw_CountEntries(const CupDrawRounds& table);
int CupDraw_CountMaskWords(const CupDrawRounds& table);
