// The short list, the marked list and the player sort keys, on the small
// test world.
#include "menus/c_mnshort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "menus/menucont.h"
#include "support/test_world.h"
#include "world/funcs.h"
#include "world/lists.h"
#include "world/players.h"

namespace {

class ShortListTest : public WorldTest {};

struct ListOps {
  const char* name;
  int size;
  int16_t* slots;
  int16_t (*add)(int16_t);
  int16_t (*contains)(int16_t);
  int16_t (*remove)(int16_t);
  void (*clear)();
  const char* negativeMessage;
};

const ListOps kLists[] = {
    {"short list", SHORT_LIST_SIZE, ShortList, ShortList_Add_Player, ShortList_Contains, ShortList_Remove,
     ShortList_Clear, "ShortList_Add_Player(): Passed a negative player number\n"},
    {"marked list", SHORT_LIST2_SIZE, ShortList2, ShortList2_Add_Player, ShortList2_Contains, ShortList2_Remove,
     ShortList2_Clear, "ShortList2_Add_Player(): Passed a negative player number\n"},
};

// Players fill the list from its last slot down; a player is listed once; a
// negative number is refused with its message; removing empties the slot.
TEST_F(ShortListTest, AddFillsFromTheEndOnceEachAndRemoveEmptiesTheSlot) {
  for (const ListOps& list : kLists) {
    SCOPED_TRACE(list.name);
    for (int i = 0; i < list.size; ++i) EXPECT_EQ(list.slots[i], -1) << "empty from the start, slot " << i;
    EXPECT_EQ(list.add(5), 1);
    EXPECT_EQ(list.add(9), 1);
    EXPECT_EQ(list.slots[list.size - 1], 5);
    EXPECT_EQ(list.slots[list.size - 2], 9);
    EXPECT_EQ(list.add(5), 0) << "already listed";
    EXPECT_EQ(std::count(list.slots, list.slots + list.size, 5), 1);

    testing::internal::CaptureStdout();
    EXPECT_EQ(list.add(-3), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), list.negativeMessage);

    EXPECT_EQ(list.contains(9), 1);
    EXPECT_EQ(list.contains(7), 0);
    EXPECT_EQ(list.remove(5), 1);
    EXPECT_EQ(list.slots[list.size - 1], -1);
    EXPECT_EQ(list.remove(5), 0);
    // The freed slot is the highest empty one again.
    EXPECT_EQ(list.add(7), 1);
    EXPECT_EQ(list.slots[list.size - 1], 7);
    list.clear();
    for (int i = 0; i < list.size; ++i) EXPECT_EQ(list.slots[i], -1);
  }
}

TEST_F(ShortListTest, AFullListTakesNoMore) {
  for (const ListOps& list : kLists) {
    SCOPED_TRACE(list.name);
    for (int16_t p = 0; p < list.size; ++p) ASSERT_EQ(list.add(static_cast<int16_t>(100 + p)), 1);
    const std::vector<int16_t> before(list.slots, list.slots + list.size);
    EXPECT_EQ(list.add(500), 0);
    EXPECT_EQ(list.contains(500), 0);
    EXPECT_EQ(std::vector<int16_t>(list.slots, list.slots + list.size), before);
  }
}

TEST_F(ShortListTest, SortKeysTakeFreeSlotsRefuseDuplicatesAndFullSets) {
  EXPECT_EQ(SetSortKeys(2, 2, 39, 39, 39), 0);
  EXPECT_EQ(SortKeys[0], 2);
  for (int i = 1; i < SORT_KEY_SLOTS; ++i) EXPECT_EQ(SortKeys[i], 39);

  EXPECT_EQ(SetSortKeys(6, 27, 39, 25, 0), 1);
  EXPECT_EQ(std::vector<int16_t>(SortKeys, SortKeys + 5), (std::vector<int16_t>{6, 27, 25, 0, 39}));
  EXPECT_EQ(AddSortKey(39), 1) << "no key is always accepted";
  EXPECT_EQ(AddSortKey(27), 0) << "a duplicate";
  EXPECT_EQ(AddSortKey(40), 0) << "outside the table";
  EXPECT_EQ(AddSortKey(-1), 0);
  EXPECT_EQ(AddSortKey(3), 1);
  EXPECT_EQ(AddSortKey(4), 0) << "no free slot";
  EXPECT_EQ(RemoveSortKey(27), 1);
  EXPECT_EQ(SortKeys[1], 39);
  EXPECT_EQ(RemoveSortKey(27), 0);
  EXPECT_EQ(AddSortKey(4), 1);
  EXPECT_EQ(SortKeys[1], 4) << "the first free slot";
  ClearSortKeys();
  for (int16_t key : SortKeys) EXPECT_EQ(key, 39);
}

// One key at a time on players whose values differ: -1 when the first
// sorts first.
TEST_F(ShortListTest, EachKeySortsItsValue) {
  // The keeper wears 1, the defender no shirt, the forward 9.
  Player_SetShirt(tw::kKeeper, 1);
  Player_SetShirt(tw::kDefender, 0);
  Player_SetShirt(tw::kForward, 9);
  const int32_t scores[tw::kPlayerCount] = {0, 0, 50, 70, 10, 0, 0, 0};
  SetPlayerSearchScores(scores, tw::kPlayerCount);
  const struct {
    int16_t key, a, b;
    int expected;
  } cases[] = {
      {0, tw::kKeeper, tw::kForward, 1},        // the larger number first
      {1, tw::kKeeper, tw::kDefender, 1},       // score 50 against 70
      {1, tw::kForward, tw::kItalian, -1},      // 10 against nothing in the table's 0
      {6, tw::kKeeper, tw::kForward, -1},       // position group, smaller first
      {6, tw::kForward, tw::kDefender, 1},
      {25, tw::kKeeper, tw::kForward, -1},      // shirt, smaller first
      {25, tw::kDefender, tw::kForward, 1},     // no shirt counts 200
      {26, tw::kMidfielder, tw::kKeeper, 1},    // club 1 after club 0
      {27, tw::kKeeper, tw::kForward, 1},       // wage 400 against 800
      {27, tw::kDefender, tw::kMidfielder, -1}, // 300 against 200
      {31, tw::kKeeper, tw::kDefender, 1},      // keepers count -1 goals
      {31, tw::kForward, tw::kDefender, -1},    // 10 goals
      {39, tw::kKeeper, tw::kForward, 0},       // no key
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("key " + std::to_string(c.key));
    EXPECT_EQ(ComparePlayersByKey(c.key, c.a, c.b), c.expected);
    EXPECT_EQ(ComparePlayersByKey(c.key, c.b, c.a), -c.expected);
  }
}

// A player away on loan at a club other than the screen's has no place in
// the shirt order; a reserve-pool player sorts by his reserve slot.
TEST_F(ShortListTest, LoansAndTheReservePoolSortByTheirStandIns) {
  Player_SetShirt(tw::kKeeper, 1);
  Player_SetShirt(tw::kForward, 9);
  Player_SetOnLoan(tw::kKeeper, 1);
  Loan_SetPlayerNo(0, tw::kKeeper);
  Loan_SetLoanClub(0, tw::kLeagueClub);
  MenuClub = tw::kHumanClub;
  EXPECT_EQ(ComparePlayersByKey(25, tw::kKeeper, tw::kForward), 1) << "on loan elsewhere: 200";
  MenuClub = tw::kLeagueClub;
  EXPECT_EQ(ComparePlayersByKey(25, tw::kKeeper, tw::kForward), -1) << "on loan at the screen's club";

  Player_SetClub(tw::kFreeAgent, 252);
  Player_SetReserveSlot(tw::kFreeAgent, 2);
  EXPECT_EQ(ComparePlayersByKey(26, tw::kFreeAgent, tw::kItalian), -1) << "reserve slot 2 before club 3";
  Player_SetReserveSlot(tw::kFreeAgent, 5);
  EXPECT_EQ(ComparePlayersByKey(26, tw::kFreeAgent, tw::kItalian), 1) << "reserve slot 5 after club 3";
}

// Empty slots sort last; the keys are tried in order; players equal on every
// key keep their order.
TEST_F(ShortListTest, TheComparatorPutsEmptySlotsLastAndKeepsTies) {
  const struct {
    const char* name;
    std::vector<int16_t> keys;
    std::vector<int16_t> list, sorted;
  } cases[] = {
      {"by number", {0, 39, 39, 39, 39},
       {-1, tw::kKeeper, -1, tw::kForward, tw::kDefender, -1},
       {tw::kForward, tw::kDefender, tw::kKeeper, -1, -1, -1}},
      {"no keys: order kept", {39, 39, 39, 39, 39},
       {tw::kForward, -1, tw::kKeeper, tw::kDefender},
       {tw::kForward, tw::kKeeper, tw::kDefender, -1}},
      {"club then wage", {26, 27, 39, 39, 39},
       {tw::kMidfielder, tw::kDefender, tw::kKeeper, tw::kForward},
       {tw::kForward, tw::kKeeper, tw::kDefender, tw::kMidfielder}},
      {"club ties kept in list order", {26, 39, 39, 39, 39},
       {tw::kMidfielder, tw::kDefender, tw::kKeeper, tw::kForward},
       {tw::kDefender, tw::kKeeper, tw::kForward, tw::kMidfielder}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_EQ(SetSortKeys(c.keys[0], c.keys[1], c.keys[2], c.keys[3], c.keys[4]), 1);
    std::vector<int16_t> list = c.list;
    SortPlayerList(list.data(), static_cast<int>(list.size()));
    EXPECT_EQ(list, c.sorted);
  }
  const int16_t empty = -1, player = tw::kKeeper;
  EXPECT_EQ(ShortList_ComparePlayers(&empty, &empty), 0);
  EXPECT_EQ(ShortList_ComparePlayers(&empty, &player), 1);
  EXPECT_EQ(ShortList_ComparePlayers(&player, &empty), -1);
}

}  // namespace
