// The short list, the marked list and the player sort keys.
#include "menus/c_mnshort.h"

#include <algorithm>
#include <cstdio>

#include "engine/reset.h"
#include "menus/menucont.h"
#include "world/funcs.h"

int16_t ShortList[SHORT_LIST_SIZE];
int16_t ShortList2[SHORT_LIST2_SIZE];
int16_t SortKeys[SORT_KEY_SLOTS];

namespace {

struct SearchScoreTable {
  const int32_t* scores = nullptr;
  int count = 0;
} gScores;

int16_t AddTo(int16_t* list, int size, int16_t player, const char* routine) {
  if (player < 0) {
    std::printf("%s(): Passed a negative player number\n", routine);
    return 0;
  }
  if (std::find(list, list + size, player) != list + size) return 0;
  for (int i = size - 1; i >= 0; --i) {
    if (list[i] == SHORT_LIST_EMPTY) {
      list[i] = player;
      return 1;
    }
  }
  return 0;
}

int16_t Contains(const int16_t* list, int size, int16_t player) {
  return std::find(list, list + size, player) != list + size ? 1 : 0;
}

int16_t RemoveFrom(int16_t* list, int size, int16_t player) {
  int16_t* at = std::find(list, list + size, player);
  if (at == list + size) return 0;
  *at = SHORT_LIST_EMPTY;
  return 1;
}

// The larger value sorts first.
int LargerFirst(int32_t a, int32_t b) { return a > b ? -1 : (a < b ? 1 : 0); }
int SmallerFirst(int32_t a, int32_t b) { return a < b ? -1 : (a > b ? 1 : 0); }

int32_t SearchScore(int16_t player) {
  if (!gScores.scores || player < 0 || player >= gScores.count) return 0;
  return gScores.scores[player];
}

// Shirt order: no shirt, or away on loan at a club other than the screen's,
// counts as 200.
int32_t ShirtOrder(int16_t player) {
  const int16_t shirt = GNW_GetPlayerShirt(player);
  if (shirt == 0) return 200;
  if (GNW_GetPlayerOnLoan(player) && GNW_GetPlayerLoanClub(player) != MenuClub) return 200;
  return shirt;
}

// Club order: a player of the reserve pool counts as his reserve slot.
int32_t ClubOrder(int16_t player) {
  const int16_t club = GNW_GetPlayerClub(player);
  return club == 252 ? GNW_GetPlayerReserveSlot(player) : club;
}

int32_t GoalsOrder(int16_t player) { return GNW_GetPositionType(player) == 0 ? -1 : GNW_GetPlayerGoals(player); }

}  // namespace

// ---- the short list ----

int16_t ShortList_Add_Player(int16_t player) {
  return AddTo(ShortList, SHORT_LIST_SIZE, player, "ShortList_Add_Player");
}
int16_t ShortList_Contains(int16_t player) { return Contains(ShortList, SHORT_LIST_SIZE, player); }
int16_t ShortList_Remove(int16_t player) { return RemoveFrom(ShortList, SHORT_LIST_SIZE, player); }
void ShortList_Clear() { std::fill(ShortList, ShortList + SHORT_LIST_SIZE, SHORT_LIST_EMPTY); }

int16_t ShortList2_Add_Player(int16_t player) {
  return AddTo(ShortList2, SHORT_LIST2_SIZE, player, "ShortList2_Add_Player");
}
int16_t ShortList2_Contains(int16_t player) { return Contains(ShortList2, SHORT_LIST2_SIZE, player); }
int16_t ShortList2_Remove(int16_t player) { return RemoveFrom(ShortList2, SHORT_LIST2_SIZE, player); }
void ShortList2_Clear() { std::fill(ShortList2, ShortList2 + SHORT_LIST2_SIZE, SHORT_LIST_EMPTY); }

// ---- sort keys ----

int16_t SetSortKeys(int16_t k1, int16_t k2, int16_t k3, int16_t k4, int16_t k5) {
  ClearSortKeys();
  int16_t ok = 1;
  for (int16_t key : {k1, k2, k3, k4, k5})
    if (!AddSortKey(key)) ok = 0;
  return ok;
}

int16_t AddSortKey(int16_t key) {
  if (key == SORT_KEY_NONE) return 1;
  if (key < 0 || key >= SORT_KEY_COUNT) return 0;
  if (std::find(SortKeys, SortKeys + SORT_KEY_SLOTS, key) != SortKeys + SORT_KEY_SLOTS) return 0;
  int16_t* free = std::find(SortKeys, SortKeys + SORT_KEY_SLOTS, SORT_KEY_NONE);
  if (free == SortKeys + SORT_KEY_SLOTS) return 0;
  *free = key;
  return 1;
}

int16_t RemoveSortKey(int16_t key) {
  int16_t* at = std::find(SortKeys, SortKeys + SORT_KEY_SLOTS, key);
  if (at == SortKeys + SORT_KEY_SLOTS) return 0;
  *at = SORT_KEY_NONE;
  return 1;
}

void ClearSortKeys() { std::fill(SortKeys, SortKeys + SORT_KEY_SLOTS, SORT_KEY_NONE); }

int ComparePlayersByKey(int16_t key, int16_t a, int16_t b) {
  if (key >= 7 && key <= 14) {
    const int16_t stat = static_cast<int16_t>(key - 7);
    return LargerFirst(GNW_GetPlayerAbilityStat(a, stat), GNW_GetPlayerAbilityStat(b, stat));
  }
  if (key >= 15 && key <= 21) {
    const int16_t stat = static_cast<int16_t>(key - 7);
    return LargerFirst(GNW_GetPlayerPhysicalStat(a, stat), GNW_GetPlayerPhysicalStat(b, stat));
  }
  switch (key) {
    case 0: return LargerFirst(a, b);
    case 1: return LargerFirst(SearchScore(a), SearchScore(b));
    case 2: return LargerFirst(GNW_GetPlayerAge(a), GNW_GetPlayerAge(b));
    case 3:
    case 4: return LargerFirst(GNW_GetPlayerValue(a), GNW_GetPlayerValue(b));
    case 5: return LargerFirst(GNW_GetSide(a), GNW_GetSide(b));
    case 6: return SmallerFirst(GNW_GetPositionType(a), GNW_GetPositionType(b));
    case 22: return LargerFirst(GNW_GetPlayerPersonalityStat(a, 15), GNW_GetPlayerPersonalityStat(b, 15));
    case 23: return LargerFirst(GNW_GetPlayerPersonalityStat(a, 19), GNW_GetPlayerPersonalityStat(b, 19));
    case 24: return LargerFirst(GNW_GetPlayerPersonalityStat(a, 20), GNW_GetPlayerPersonalityStat(b, 20));
    case 25: return SmallerFirst(ShirtOrder(a), ShirtOrder(b));
    case 26: return SmallerFirst(ClubOrder(a), ClubOrder(b));
    case 27: return LargerFirst(GNW_GetPlayerWage(a), GNW_GetPlayerWage(b));
    case 28: return LargerFirst(GNW_GetPlayerContract(a), GNW_GetPlayerContract(b));
    case 29: return LargerFirst(GNW_GetPlayerPerf(a), GNW_GetPlayerPerf(b));
    case 30: return LargerFirst(GNW_GetPlayerApps(a), GNW_GetPlayerApps(b));
    case 31: return LargerFirst(GoalsOrder(a), GoalsOrder(b));
    case 32: return LargerFirst(GNW_GetPlayerMoralePercent(a), GNW_GetPlayerMoralePercent(b));
    case 33: return LargerFirst(GNW_GetPlayerFitnessPercent(a), GNW_GetPlayerFitnessPercent(b));
    case 34: return LargerFirst(GNW_GetPlayerFatiguePercent(a), GNW_GetPlayerFatiguePercent(b));
    case 35: return LargerFirst(GNW_GetPlayerDispoints(a), GNW_GetPlayerDispoints(b));
    case 36: return LargerFirst(GNW_GetPlayerExperiencePercent(a), GNW_GetPlayerExperiencePercent(b));
    case 37: return LargerFirst(GNW_GetPlayerAssists(a), GNW_GetPlayerAssists(b));
    case 38: return LargerFirst(GNW_GetPlayerLastMatchRating(a), GNW_GetPlayerLastMatchRating(b));
    default: return 0;  // 39: no key
  }
}

int ShortList_ComparePlayers(const void* pa, const void* pb) {
  const int16_t a = *static_cast<const int16_t*>(pa);
  const int16_t b = *static_cast<const int16_t*>(pb);
  if (a == SHORT_LIST_EMPTY) return b == SHORT_LIST_EMPTY ? 0 : 1;
  if (b == SHORT_LIST_EMPTY) return -1;
  for (int16_t key : SortKeys)
    if (const int r = ComparePlayersByKey(key, a, b); r != 0) return r;
  return 0;
}

void SortPlayerList(int16_t* players, int count) {
  if (!players || count <= 1) return;
  std::stable_sort(players, players + count,
                   [](const int16_t& a, const int16_t& b) { return ShortList_ComparePlayers(&a, &b) < 0; });
}

void SetPlayerSearchScores(const int32_t* scores, int count) {
  gScores.scores = count > 0 ? scores : nullptr;
  gScores.count = scores ? std::max(count, 0) : 0;
}

void ShortList_Reset() {
  ShortList_Clear();
  ShortList2_Clear();
  ClearSortKeys();
  gScores = SearchScoreTable{};
}
REGISTER_RESET(RESET_MENUS, ShortList_Reset);
