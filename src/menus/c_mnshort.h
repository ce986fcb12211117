// The short list of players the manager keeps an eye on, the marked list of
// the player search screens, and the player sort keys of the screens' lists.
//
// A screen sorts its player list by choosing up to five sort keys
// (SetSortKeys; SORT_KEY_NONE for each it does not need) and sorting with
// SortPlayerList, or with ShortList_ComparePlayers as a qsort-style
// comparator. Empty slots (-1) always sort last.
#pragma once

#include <cstdint>

constexpr int SHORT_LIST_SIZE = 40;
constexpr int SHORT_LIST2_SIZE = 72;
constexpr int SORT_KEY_SLOTS = 5;
constexpr int SORT_KEY_COUNT = 40;
constexpr int16_t SORT_KEY_NONE = 39;
constexpr int16_t SHORT_LIST_EMPTY = -1;

// Player numbers, SHORT_LIST_EMPTY for an empty slot.
extern int16_t ShortList[SHORT_LIST_SIZE];
extern int16_t ShortList2[SHORT_LIST2_SIZE];
// The chosen sort keys (0-39), SORT_KEY_NONE for an unused slot.
extern int16_t SortKeys[SORT_KEY_SLOTS];

// 1 when the player was added (into the empty slot with the highest index);
// 0 for a negative number (with a message), a player already listed or a
// full list.
int16_t ShortList_Add_Player(int16_t player);
int16_t ShortList_Contains(int16_t player);
// Empties the first slot holding the player: 1, else 0.
int16_t ShortList_Remove(int16_t player);
// Empties the short list.
void ShortList_Clear();

int16_t ShortList2_Add_Player(int16_t player);
int16_t ShortList2_Contains(int16_t player);
int16_t ShortList2_Remove(int16_t player);
void ShortList2_Clear();

// All five keys none, then k1 to k5 added in order; 1 only when every add
// succeeded.
int16_t SetSortKeys(int16_t k1, int16_t k2, int16_t k3, int16_t k4, int16_t k5);
// SORT_KEY_NONE is accepted and changes nothing (1); a key already chosen or
// outside 0-39, or no free slot, gives 0; otherwise the key takes the first
// free slot (1).
int16_t AddSortKey(int16_t key);
// The first slot holding the key becomes free: 1, else 0.
int16_t RemoveSortKey(int16_t key);
void ClearSortKeys();

// The comparator of the sort: a and b point at int16 player numbers; -1 when
// a sorts first, 1 when b does, 0 when they tie on every chosen key.
int ShortList_ComparePlayers(const void* a, const void* b);
// One key's comparison of two players (-1, 0, 1); key 39 and keys outside
// the table answer 0.
int ComparePlayersByKey(int16_t key, int16_t a, int16_t b);
// Sorts a list of player numbers by the chosen keys, keeping the order of
// players that tie.
void SortPlayerList(int16_t* players, int count);

// Key 1 reads the player search screens' score of each player: the screens
// hand over their table (count entries, by player number); a player outside
// it, or with no table, scores 0.
void SetPlayerSearchScores(const int32_t* scores, int count);

// Both lists empty, no keys, no score table.
void ShortList_Reset();
