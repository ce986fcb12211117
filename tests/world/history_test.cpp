#include "world/history.h"

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "season/seasonstate.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/players.h"

namespace {

class HistoryTest : public WorldTest {};

// ---- helpers ----

ClubEvent Event(int16_t club, uint8_t season, int16_t player = 0, int16_t type = 7) {
  return {player, club, season, 0, 0, static_cast<uint8_t>(type)};
}
CareerEntry Career(int16_t player, int16_t club, uint8_t season, uint8_t type = 1) {
  return {player, club, season, 0, 0, 0, type, 0};
}

// The clubs and seasons of a club event table's entries, as "club/season" words.
std::string Owners(const std::vector<ClubEventLogEntry>& table) {
  std::string s;
  for (const ClubEventLogEntry& e : table) {
    ClubEvent ev = ClubEventLogEntry_Decode(e);
    if (ev.club == -1) break;
    s += (s.empty() ? "" : " ") + std::to_string(ev.club) + "/" + std::to_string(ev.season);
  }
  return s;
}
// The players, clubs and seasons of a career table's entries, as "player:club/season".
std::string Owners(const std::vector<PlayerCareerLogEntry>& table) {
  std::string s;
  for (const PlayerCareerLogEntry& e : table) {
    CareerEntry c = PlayerCareerLogEntry_Decode(e);
    if (c.player == -1) break;
    s += (s.empty() ? "" : " ") + std::to_string(c.player) + ":" + std::to_string(c.club) + "/" +
         std::to_string(c.season);
  }
  return s;
}

// A table of the given entries, then blank entries up to the capacity.
template <typename Table, typename Entry, typename Fields>
void Fill(Table& table, std::vector<Entry>& storage, const std::vector<Fields>& fields,
          Entry (*encode)(const Fields&)) {
  for (size_t i = 0; i < fields.size(); ++i) storage[i] = encode(fields[i]);
  table.Reindex();
}

// ---- layouts ----

TEST_F(HistoryTest, EntriesAreLaidOutByteForByte) {
  SeasonCounter = 0x107;  // the low byte is stored
  ClubEventLog_Add(0x0102, tw::kLeagueClub, 0x0304, 0x0506, 0);
  const uint8_t event[10] = {0x02, 0x01, 0x01, 0x00, 0x07, 0x04, 0x03, 0x06, 0x05, 0x00};
  EXPECT_EQ(std::memcmp(ClubEventLog[0].bytes, event, 10), 0);

  Player_SetOnLoan(tw::kKeeper, 1);
  Player_SetPerf(tw::kKeeper, 40);
  PlayerCareerLog_Add(tw::kKeeper, 0x0123, 1, 2, 0);
  const uint8_t career[11] = {0x02, 0x00, 0x23, 0x01, 0x07, 0x01, 0x02, 0x01, 0x00, 0x00, 40};
  EXPECT_EQ(std::memcmp(PlayerCareerLog[0].bytes, career, 11), 0);

  // An empty entry: -1 in the owner field, every other byte 0.
  const uint8_t emptyEvent[10] = {0, 0, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0};
  const uint8_t emptyCareer[11] = {0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(std::memcmp(ClubEventLog[CLUB_EVENT_LOG_SIZE - 1].bytes, emptyEvent, 10), 0);
  EXPECT_EQ(std::memcmp(PlayerCareerLog[1].bytes, emptyCareer, 11), 0);
  EXPECT_EQ(sizeof ClubEventLog, 500000u);
  EXPECT_EQ(sizeof PlayerCareerLog, 2200000u);
}

TEST_F(HistoryTest, EveryTestStartsWithEmptyLogs) {
  EXPECT_EQ(ClubEventLog_Used(), 0);
  EXPECT_EQ(PlayerCareerLog_Used(), 0);
  ClubEventLog_Add(1, tw::kHumanClub, 0, 0, 7);
  PlayerCareerLog_Add(tw::kKeeper, 5, 1, 0, 0);
  ResetAllModules();
  EXPECT_EQ(ClubEventLog_Used(), 0);
  EXPECT_EQ(PlayerCareerLog_Used(), 0);
  EXPECT_EQ(ClubEventLogEntry_Decode(ClubEventLog[0]).club, -1);
  EXPECT_EQ(PlayerCareerLogEntry_Decode(PlayerCareerLog[0]).player, -1);
}

// ---- club events ----

TEST_F(HistoryTest, EachTypeWritesTheFieldsItCarries) {
  struct Row {
    int type;
    bool player, value2, value;
  };
  const Row rows[] = {
      {0, 1, 1, 1},  {1, 1, 1, 1},  {2, 1, 1, 0},  {3, 1, 1, 0},  {4, 1, 0, 1},  {16, 1, 0, 1},
      {5, 0, 1, 1},  {12, 0, 1, 1}, {6, 0, 0, 1},  {8, 0, 0, 1},  {9, 0, 0, 1},  {7, 1, 0, 0},
      {10, 1, 0, 0}, {11, 1, 0, 0}, {13, 1, 0, 0}, {14, 1, 0, 0}, {15, 1, 0, 0}, {17, 1, 0, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.type);
    ClubEventLog_Clear();
    ClubEventLog_Add(11, tw::kHumanClub, 22, 33, static_cast<int16_t>(row.type));
    ClubEvent ev = ClubEventLogEntry_Decode(ClubEventLog[0]);
    EXPECT_EQ(ev.club, tw::kHumanClub);
    EXPECT_EQ(ev.type, row.type);
    EXPECT_EQ(ev.player, row.player ? 11 : 0);
    EXPECT_EQ(ev.value2, row.value2 ? 22 : 0);
    EXPECT_EQ(ev.value, row.value ? 33 : 0);
  }
}

TEST_F(HistoryTest, ClubsOutsideTheGameCountryAreNotLogged) {
  for (int16_t club : {tw::kForeignClub, tw::kMinorClub, int16_t{255}, int16_t{-1}, int16_t{250}}) {
    SCOPED_TRACE(club);
    ClubEventLog_Add(1, club, 2, 3, 7);
    EXPECT_EQ(ClubEventLog_Used(), 0);
    EXPECT_EQ(ClubEventLogEntry_Decode(ClubEventLog[0]).club, -1);
  }
  // A club of the game country outside the league divisions is still logged.
  ClubEventLog_Add(1, tw::kOutsideClub, 2, 3, 7);
  EXPECT_EQ(ClubEventLog_Used(), 1);
}

TEST_F(HistoryTest, AClubsEventsOfASeasonStayTogetherInOrderOfArrival) {
  ClubEventLog_Add(1, tw::kHumanClub, 0, 0, 7);
  ClubEventLog_Add(2, tw::kLeagueClub, 0, 0, 7);
  ClubEventLog_Add(3, tw::kOutsideClub, 0, 0, 7);
  ClubEventLog_Add(4, tw::kHumanClub, 0, 0, 7);
  ClubEventLog_Add(5, tw::kLeagueClub, 0, 0, 7);
  SeasonCounter = 1;  // a new season starts new runs at the end
  ClubEventLog_Add(6, tw::kHumanClub, 0, 0, 7);
  ClubEventLog_Add(7, tw::kLeagueClub, 0, 0, 7);
  ClubEventLog_Add(8, tw::kHumanClub, 0, 0, 7);
  std::vector<ClubEventLogEntry> log(ClubEventLog, ClubEventLog + 10);
  EXPECT_EQ(Owners(log), "0/0 0/0 1/0 1/0 2/0 0/1 0/1 1/1");
  std::vector<int> players;
  for (int i = 0; i < 8; ++i) players.push_back(ClubEventLogEntry_Decode(ClubEventLog[i]).player);
  EXPECT_EQ(players, (std::vector<int>{1, 4, 2, 5, 3, 6, 8, 7}));
  EXPECT_EQ(ClubEventLog_Used(), 8);
}

TEST_F(HistoryTest, AFullClubLogEvictsTheFirstEntryOfTheOldestSeason) {
  struct Case {
    const char* name;
    std::vector<ClubEvent> before;
    ClubEvent added;
    const char* after;
  };
  const Case cases[] = {
      {"no run: the first of the oldest season goes, the event is appended",
       {Event(1, 3), Event(2, 1), Event(3, 2), Event(4, 1)}, Event(5, 3), "1/3 3/2 4/1 5/3"},
      {"the oldest stands after the run", {Event(1, 3), Event(2, 3), Event(3, 2), Event(4, 3)}, Event(1, 3),
       "1/3 1/3 2/3 4/3"},
      {"the run ends at the last entry: evict, then look again", {Event(2, 3), Event(3, 0), Event(1, 3), Event(1, 3)},
       Event(1, 3), "2/3 1/3 1/3 1/3"},
      // The evicted entry stands before the run: the new event still goes
      // right after the run's new end, not after the next club's entry.
      {"the oldest stands before the run", {Event(5, 0), Event(1, 1), Event(2, 1), Event(3, 1)}, Event(1, 1),
       "1/1 1/1 2/1 3/1"},
      {"the oldest is the run's only entry: the new event takes its place", {Event(1, 0), Event(2, 1), Event(3, 1)},
       Event(1, 0), "1/0 2/1 3/1"},
      {"season bytes, not seasons: 255 is newer only as a number", {Event(1, 255), Event(2, 254), Event(3, 0)},
       Event(4, 0), "1/255 2/254 4/0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const int32_t capacity = static_cast<int32_t>(c.before.size());
    std::vector<ClubEventLogEntry> storage(capacity);
    ClubEventLogTable table(storage.data(), capacity);
    Fill(table, storage, c.before, ClubEventLogEntry_Encode);
    table.Add(c.added.player, c.added.club, c.added.season, 0, 0, 7);
    EXPECT_EQ(Owners(storage), c.after);
    EXPECT_EQ(table.Used(), capacity);
  }
}

TEST_F(HistoryTest, DropOldestDeleteAndOpenGapOnTheClubLog) {
  std::vector<ClubEventLogEntry> storage(4);
  ClubEventLogTable table(storage.data(), 4);
  Fill(table, storage, {Event(1, 5), Event(2, 4), Event(3, 4), Event(4, 6)}, ClubEventLogEntry_Encode);
  table.DropOldest();  // 2/4: the first of season 4
  EXPECT_EQ(Owners(storage), "1/5 3/4 4/6");
  EXPECT_EQ(table.Used(), 3);
  table.OpenGap(1);  // entry 1 stays until overwritten
  EXPECT_EQ(Owners(storage), "1/5 3/4 3/4 4/6");
  EXPECT_EQ(table.Used(), 4);
  table.Delete(0);  // a full log: the last entry keeps its contents
  EXPECT_EQ(Owners(storage), "3/4 3/4 4/6 4/6");
  table.Delete(-1);
  table.Delete(4);
  table.OpenGap(-1);
  table.OpenGap(4);
  EXPECT_EQ(Owners(storage), "3/4 3/4 4/6 4/6");
  table.DropOldest();
  table.DropOldest();
  table.DropOldest();
  table.DropOldest();
  table.DropOldest();  // an empty log: nothing to do
  EXPECT_EQ(table.Used(), 0);
  EXPECT_EQ(Owners(storage), "");
}

TEST_F(HistoryTest, RemoveClubDeletesEveryEntryOfTheClub) {
  for (int16_t club : {tw::kHumanClub, tw::kLeagueClub, tw::kHumanClub, tw::kOutsideClub, tw::kHumanClub}) {
    ClubEventLog_Add(1, club, 0, 0, 7);
    ++SeasonCounter;
  }
  ClubEventLog_RemoveClub(tw::kHumanClub);
  std::vector<ClubEventLogEntry> log(ClubEventLog, ClubEventLog + 5);
  EXPECT_EQ(Owners(log), "1/1 2/3");
  EXPECT_EQ(ClubEventLog_Used(), 2);
  ClubEventLog_RemoveClub(-1);
  EXPECT_EQ(ClubEventLog_Used(), 2);
  ClubEventLog_Clear();
  EXPECT_EQ(ClubEventLog_Used(), 0);
  EXPECT_EQ(ClubEventLogEntry_Decode(ClubEventLog[0]).club, -1);
}

// ---- career entries ----

TEST_F(HistoryTest, AppearancesAtOneClubInOneSeasonAddUp) {
  Player_SetOnLoan(tw::kForward, 1);
  Player_SetPerf(tw::kForward, 20);
  PlayerCareerLog_Add(tw::kForward, 40, 1, 2, 0);
  Player_SetOnLoan(tw::kForward, 0);
  Player_SetPerf(tw::kForward, 30);
  PlayerCareerLog_Add(tw::kForward, 40, 1, 1, 0);
  ASSERT_EQ(PlayerCareerLog_Used(), 1);
  CareerEntry c = PlayerCareerLogEntry_Decode(PlayerCareerLog[0]);
  EXPECT_EQ(c.apps, 2);
  EXPECT_EQ(c.goals, 3);
  EXPECT_EQ(c.perf, 30);   // refreshed
  EXPECT_EQ(c.value, 1);   // on loan when the entry was made
  // Sums are 8-bit.
  PlayerCareerLog_Add(tw::kForward, 40, 250, 255, 0);
  c = PlayerCareerLogEntry_Decode(PlayerCareerLog[0]);
  EXPECT_EQ(c.apps, 252 % 256);
  EXPECT_EQ(c.goals, (3 + 255) % 256);
}

TEST_F(HistoryTest, ANewCareerEntryGoesAfterThePlayersOtherEntries) {
  PlayerCareerLog_Add(tw::kKeeper, 10, 1, 0, 0);
  PlayerCareerLog_Add(tw::kForward, 10, 1, 0, 0);
  PlayerCareerLog_Add(tw::kKeeper, 11, 1, 0, 0);       // another club: a new entry after his run
  PlayerCareerLog_Add(tw::kKeeper, 11, 0, 7777, 1);    // a transfer: never added to
  PlayerCareerLog_Add(tw::kKeeper, 11, 1, 0, 0);       // adds to the type-0 entry at club 11
  SeasonCounter = 1;
  PlayerCareerLog_Add(tw::kKeeper, 11, 1, 0, 0);       // a new season: a new entry
  PlayerCareerLog_Add(tw::kMidfielder, 10, 1, 0, 0);
  std::vector<PlayerCareerLogEntry> log(PlayerCareerLog, PlayerCareerLog + 8);
  EXPECT_EQ(Owners(log), "2:10/0 2:11/0 2:11/0 2:11/1 4:10/0 5:10/1");
  EXPECT_EQ(PlayerCareerLogEntry_Decode(PlayerCareerLog[1]).apps, 2);
  CareerEntry transfer = PlayerCareerLogEntry_Decode(PlayerCareerLog[2]);
  EXPECT_EQ(transfer.type, 1);
  EXPECT_EQ(transfer.value, 7777);
  EXPECT_EQ(transfer.apps, 0);  // fields a type does not carry are 0
}

TEST_F(HistoryTest, TheValueGoesOnlyWithTypesThatCarryIt) {
  const struct {
    int type;
    int value;
  } rows[] = {{1, 99}, {2, 0}, {3, 99}, {4, 0}, {5, 99}, {6, 99}, {7, 0}, {9, 0}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.type);
    PlayerCareerLog_Clear();
    PlayerCareerLog_Add(tw::kKeeper, 3, 5, 99, static_cast<int16_t>(row.type));
    CareerEntry c = PlayerCareerLogEntry_Decode(PlayerCareerLog[0]);
    EXPECT_EQ(c.type, row.type);
    EXPECT_EQ(c.value, row.value);
    EXPECT_EQ(c.apps, 0);
    EXPECT_EQ(c.goals, 0);
  }
}

TEST_F(HistoryTest, PlayersWithoutAFullRecordAreNotLogged) {
  PlayerCareerLog_Add(tw::kFreeAgent, 3, 1, 0, 0);   // wage 0
  PlayerCareerLog_Add(tw::kPlayerCount, 3, 1, 0, 0);  // beyond the player count
  PlayerCareerLog_Add(30000, 3, 1, 0, 0);
  EXPECT_EQ(PlayerCareerLog_Used(), 0);
  EXPECT_FATAL_EXIT(PlayerCareerLog_Add(-1, 3, 1, 0, 0), "Trying to get Wage of neg player : '-1'");
}

TEST_F(HistoryTest, AFullCareerLogEvictsTheFirstEntryOfTheOldestSeason) {
  struct Case {
    const char* name;
    std::vector<CareerEntry> before;
    CareerEntry added;
    const char* after;
  };
  const Case cases[] = {
      {"a new player: the first of the oldest season goes", {Career(1, 1, 4), Career(2, 1, 2), Career(3, 1, 2)},
       Career(4, 1, 4), "1:1/4 3:1/2 4:1/4"},
      {"the oldest stands before the run", {Career(5, 1, 0), Career(1, 1, 3), Career(2, 1, 3)}, Career(1, 2, 3),
       "1:1/3 1:2/3 2:1/3"},
      {"the oldest stands in the run", {Career(1, 1, 1), Career(1, 2, 2), Career(2, 1, 3)}, Career(1, 3, 3),
       "1:2/2 1:3/3 2:1/3"},
      {"the run ends at the last entry", {Career(2, 1, 3), Career(1, 1, 3), Career(1, 2, 2)}, Career(1, 3, 3),
       "2:1/3 1:1/3 1:3/3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const int32_t capacity = static_cast<int32_t>(c.before.size());
    std::vector<PlayerCareerLogEntry> storage(capacity);
    PlayerCareerLogTable table(storage.data(), capacity);
    Fill(table, storage, c.before, PlayerCareerLogEntry_Encode);
    table.Add(c.added.player, c.added.club, c.added.season, 0, 0, 1, 0, 0);
    EXPECT_EQ(Owners(storage), c.after);
  }
  // A type-0 update of an existing entry needs no room.
  std::vector<PlayerCareerLogEntry> storage(2);
  PlayerCareerLogTable table(storage.data(), 2);
  CareerEntry first = Career(1, 1, 0, 0);
  Fill(table, storage, {first, Career(2, 1, 0)}, PlayerCareerLogEntry_Encode);
  table.Add(1, 1, 0, 1, 1, 0, 0, 9);
  EXPECT_EQ(Owners(storage), "1:1/0 2:1/0");
  EXPECT_EQ(PlayerCareerLogEntry_Decode(storage[0]).apps, 1);
}

TEST_F(HistoryTest, GetEntriesHasClubAndCountClub) {
  PlayerCareerLog_Add(tw::kKeeper, 10, 1, 0, 0);
  PlayerCareerLog_Add(tw::kForward, 10, 1, 0, 0);
  PlayerCareerLog_Add(tw::kKeeper, 12, 0, 5, 1);
  PlayerCareerLogEntry out[CAREER_ENTRIES_MAX];
  ASSERT_EQ(PlayerCareerLog_GetEntries(tw::kKeeper, out), 2);
  EXPECT_EQ(PlayerCareerLogEntry_Decode(out[0]).club, 10);
  EXPECT_EQ(PlayerCareerLogEntry_Decode(out[1]).club, 12);
  EXPECT_EQ(PlayerCareerLog_GetEntries(tw::kDefender, out), 0);
  EXPECT_EQ(PlayerCareerLog_GetEntries(-1, out), 0);
  EXPECT_EQ(PlayerCareerLog_HasClub(tw::kKeeper, 12), 1);
  EXPECT_EQ(PlayerCareerLog_HasClub(tw::kForward, 12), 0);
  EXPECT_EQ(PlayerCareerLog_CountClub(10), 2);
  EXPECT_EQ(PlayerCareerLog_CountClub(0), 0);  // empty entries belong to no club

  // At most 100 entries are copied; counting looks at the first 50,000 entries and stops at 1,000.
  for (int32_t i = 0; i < 60000; ++i)
    PlayerCareerLog[i] = PlayerCareerLogEntry_Encode(
        Career(static_cast<int16_t>(i / 150), static_cast<int16_t>(i < 49990 ? 7 : 8), 0));
  PlayerCareerLog_Reindex();
  EXPECT_EQ(PlayerCareerLog_Used(), 60000);
  EXPECT_EQ(PlayerCareerLog_GetEntries(3, out), CAREER_ENTRIES_MAX);
  EXPECT_EQ(PlayerCareerLog_CountClub(7), CAREER_COUNT_CLUB_LIMIT);
  EXPECT_EQ(PlayerCareerLog_CountClub(8), 10);
}

TEST_F(HistoryTest, RemovePlayerDeletesEveryEntryOfThePlayer) {
  PlayerCareerLog_Add(tw::kKeeper, 10, 1, 0, 0);
  PlayerCareerLog_Add(tw::kForward, 10, 1, 0, 0);
  PlayerCareerLog_Add(tw::kKeeper, 11, 1, 0, 0);
  PlayerCareerLog_Add(tw::kMidfielder, 10, 1, 0, 0);
  PlayerCareerLog_RemovePlayer(tw::kKeeper);
  std::vector<PlayerCareerLogEntry> log(PlayerCareerLog, PlayerCareerLog + 4);
  EXPECT_EQ(Owners(log), "4:10/0 5:10/0");
  EXPECT_EQ(PlayerCareerLog_Used(), 2);
  PlayerCareerLog_Add(tw::kKeeper, 12, 1, 0, 0);  // starts again at the end
  log.assign(PlayerCareerLog, PlayerCareerLog + 4);
  EXPECT_EQ(Owners(log), "4:10/0 5:10/0 2:12/0");
}

TEST_F(HistoryTest, ReindexPutsALoadedLogInShape) {
  // Holes, an owner's entries apart, stray bytes in an empty entry.
  std::vector<PlayerCareerLogEntry> storage(6);
  PlayerCareerLogTable table(storage.data(), 6);
  storage[0] = PlayerCareerLogEntry_Encode(Career(1, 1, 0));
  storage[1] = PlayerCareerLogEntry_Encode({-1, 9, 9, 9, 9, 9, 9, 9});
  storage[2] = PlayerCareerLogEntry_Encode(Career(2, 1, 0));
  storage[3] = PlayerCareerLogEntry_Encode(Career(1, 2, 1));
  storage[4] = PlayerCareerLogEntry_Encode(Career(3, 1, 1));
  storage[5] = PlayerCareerLogEntry_Encode(Career(2, 2, 1));
  table.Reindex();
  EXPECT_EQ(Owners(storage), "1:1/0 1:2/1 2:1/0 2:2/1 3:1/1");
  EXPECT_EQ(table.Used(), 5);
  const uint8_t blank[11] = {0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(std::memcmp(storage[5].bytes, blank, 11), 0);
  table.Add(1, 3, 2, 0, 0, 1, 0, 0);
  EXPECT_EQ(Owners(storage), "1:1/0 1:2/1 1:3/2 2:1/0 2:2/1 3:1/1");

  std::vector<ClubEventLogEntry> events(5);
  ClubEventLogTable clubTable(events.data(), 5);
  events[0] = ClubEventLogEntry_Encode(Event(1, 0));
  events[1] = ClubEventLogEntry_Encode(Event(2, 0));
  events[2] = ClubEventLogEntry_Encode(Event(1, 0));
  events[3] = ClubEventLogEntry_Encode({7, -1, 3, 3, 3, 3});
  events[4] = ClubEventLogEntry_Encode(Event(3, 0));
  clubTable.Reindex();
  EXPECT_EQ(Owners(events), "1/0 1/0 2/0 3/0");
  EXPECT_EQ(clubTable.Used(), 4);
}

TEST_F(HistoryTest, TheGamesFullLogsEvictAtTheirFullSizes) {
  // Every entry used: player i / 20's run, seasons 5 and up, one entry of season 3 deep in the log.
  for (int32_t i = 0; i < PLAYER_CAREER_LOG_SIZE; ++i)
    PlayerCareerLog[i] = PlayerCareerLogEntry_Encode(
        Career(static_cast<int16_t>(i / 20), 1, static_cast<uint8_t>(i == 150001 ? 3 : 5 + i % 20)));
  PlayerCareerLog_Reindex();
  ASSERT_EQ(PlayerCareerLog_Used(), PLAYER_CAREER_LOG_SIZE);
  SeasonCounter = 30;
  PlayerCareerLog_Add(tw::kKeeper, 9, 1, 0, 0);  // player 2's run: entries 40-59
  EXPECT_EQ(PlayerCareerLog_Used(), PLAYER_CAREER_LOG_SIZE);
  CareerEntry added = PlayerCareerLogEntry_Decode(PlayerCareerLog[60]);
  EXPECT_EQ(added.player, tw::kKeeper);
  EXPECT_EQ(added.club, 9);
  EXPECT_EQ(added.season, 30);
  EXPECT_EQ(PlayerCareerLogEntry_Decode(PlayerCareerLog[61]).player, 3);
  EXPECT_EQ(PlayerCareerLogEntry_Decode(PlayerCareerLog[150001]).season, 5 + 150000 % 20);  // season 3 went
  EXPECT_EQ(PlayerCareerLogEntry_Decode(PlayerCareerLog[PLAYER_CAREER_LOG_SIZE - 1]).player, 9999);

  for (int32_t i = 0; i < CLUB_EVENT_LOG_SIZE; ++i)
    ClubEventLog[i] =
        ClubEventLogEntry_Encode(Event(static_cast<int16_t>(i / 500), static_cast<uint8_t>(i < 3 ? 1 : 2)));
  ClubEventLog_Reindex();
  ASSERT_EQ(ClubEventLog_Used(), CLUB_EVENT_LOG_SIZE);
  ClubEventLog_Add(1, tw::kHumanClub, 0, 0, 7);  // club 0 in season 30: no run, so evict and append
  ClubEventLog_Add(1, tw::kHumanClub, 0, 0, 7);  // its run now ends at the last entry: evict, look again
  EXPECT_EQ(ClubEventLog_Used(), CLUB_EVENT_LOG_SIZE);
  EXPECT_EQ(ClubEventLogEntry_Decode(ClubEventLog[0]).season, 1);  // the third of season 1
  EXPECT_EQ(ClubEventLogEntry_Decode(ClubEventLog[1]).season, 2);
  EXPECT_EQ(ClubEventLogEntry_Decode(ClubEventLog[CLUB_EVENT_LOG_SIZE - 2]).season, 30);
  EXPECT_EQ(ClubEventLogEntry_Decode(ClubEventLog[CLUB_EVENT_LOG_SIZE - 1]).season, 30);
}

// ---- the logs against a plain model of their rules ----

// The logs' rules written as plainly as they read: every scan covers the
// whole table, every move the whole table. Empty entries are blank; a full
// log's eviction before the run moves the place of the new entry with the run.
template <typename Fields>
struct Model {
  std::vector<Fields> e;
  Fields blank;
  int16_t Fields::*owner;

  Model(int capacity, Fields blankEntry, int16_t Fields::*ownerField)
      : e(capacity, blankEntry), blank(blankEntry), owner(ownerField) {}
  int Cap() const { return static_cast<int>(e.size()); }
  bool Empty(int i) const { return e[i].*owner == -1; }
  void Delete(int n) {
    if (n < 0 || n >= Cap()) return;
    for (int i = n; i < Cap() - 1; ++i) e[i] = e[i + 1];
  }
  void OpenGap(int n) {
    if (n < 0 || n >= Cap()) return;
    for (int i = Cap() - 1; i > n; --i) e[i] = e[i - 1];
  }
  int DropOldest() {
    int oldest = -1;
    for (int i = 0; i < Cap(); ++i)
      if (!Empty(i) && (oldest < 0 || e[i].season < e[oldest].season)) oldest = i;
    if (oldest < 0) return -1;
    Delete(oldest);
    e[Cap() - 1] = blank;
    return oldest;
  }
  template <typename InRun, typename Update>
  void Add(const Fields& added, InRun inRun, Update update) {
    for (;;) {
      int runEnd = -1;
      for (int i = 0; i < Cap(); ++i) {
        if (inRun(e[i])) {
          runEnd = i;
          if (update(e[i])) return;
          continue;
        }
        if (runEnd >= 0) {
          int at = i;
          if (!Empty(Cap() - 1) && DropOldest() < at) --at;
          OpenGap(at);
          e[at] = added;
          return;
        }
        if (Empty(i)) {
          e[i] = added;
          return;
        }
      }
      DropOldest();
    }
  }
  void Remove(int16_t who) {
    if (who == -1) return;
    std::vector<Fields> kept;
    for (const Fields& f : e)
      if (f.*owner != who) kept.push_back(f);
    kept.resize(e.size(), blank);
    e = kept;
  }
  int Used() const {
    int used = 0;
    for (int i = 0; i < Cap(); ++i)
      if (!Empty(i)) used = i + 1;
    return used;
  }
};

bool SameEvent(const ClubEventLogEntry& a, const ClubEvent& b) {
  ClubEventLogEntry eb = ClubEventLogEntry_Encode(b);
  return std::memcmp(a.bytes, eb.bytes, sizeof a.bytes) == 0;
}
bool SameCareer(const PlayerCareerLogEntry& a, const CareerEntry& b) {
  PlayerCareerLogEntry eb = PlayerCareerLogEntry_Encode(b);
  return std::memcmp(a.bytes, eb.bytes, sizeof a.bytes) == 0;
}

// The fields a club event of each type carries.
ClubEvent Carried(int16_t player, int16_t club, uint8_t season, int16_t value2, int16_t value, int16_t type) {
  static const char* const kCarried[18] = {"pwv", "pwv", "pw", "pw", "pv", "wv", "v", "p", "v",
                                           "v",   "p",   "p",  "wv", "p",  "p",  "p", "pv", "p"};
  std::string c = type >= 0 && type < 18 ? kCarried[type] : "";
  return {c.find('p') != std::string::npos ? player : int16_t{0}, club, season,
          c.find('w') != std::string::npos ? value2 : int16_t{0},
          c.find('v') != std::string::npos ? value : int16_t{0}, static_cast<uint8_t>(type)};
}

TEST_F(HistoryTest, TheClubLogFollowsThePlainRulesOnRandomSequences) {
  std::mt19937 rng(2024);
  for (int run = 0; run < 300; ++run) {
    const int capacity = 1 + static_cast<int>(rng() % 24);
    std::vector<ClubEventLogEntry> storage(capacity);
    ClubEventLogTable table(storage.data(), capacity);
    Model<ClubEvent> model(capacity, {0, -1, 0, 0, 0, 0}, &ClubEvent::club);
    uint8_t season = static_cast<uint8_t>(rng() % 2 ? 0 : 250);
    for (int step = 0; step < 200; ++step) {
      const int what = static_cast<int>(rng() % 100);
      std::string op;
      if (what < 70) {
        if (rng() % 12 == 0) ++season;
        int16_t club = static_cast<int16_t>(rng() % 5), type = static_cast<int16_t>(rng() % 19);
        int16_t player = static_cast<int16_t>(rng() % 1000), value2 = static_cast<int16_t>(rng()),
                value = static_cast<int16_t>(rng());
        op = "add " + std::to_string(club) + "/" + std::to_string(season);
        table.Add(player, club, season, value2, value, type);
        ClubEvent added = Carried(player, club, season, value2, value, type);
        model.Add(added, [&](const ClubEvent& e) { return e.club == club && e.season == season; },
                  [](ClubEvent&) { return false; });
      } else if (what < 76) {
        int n = static_cast<int>(rng() % (capacity + 2)) - 1;
        op = "delete " + std::to_string(n);
        table.Delete(n);
        model.Delete(n);
      } else if (what < 82) {
        int n = static_cast<int>(rng() % (capacity + 2)) - 1;
        op = "open gap " + std::to_string(n);
        table.OpenGap(n);
        model.OpenGap(n);
      } else if (what < 88) {
        op = "drop oldest";
        table.DropOldest();
        model.DropOldest();
      } else if (what < 94) {
        int16_t club = static_cast<int16_t>(rng() % 6) - 1;
        op = "remove " + std::to_string(club);
        table.RemoveClub(club);
        model.Remove(club);
      } else if (what < 99) {
        op = "reindex";
        table.Reindex();
      } else {
        op = "clear";
        table.Clear();
        model.e.assign(capacity, model.blank);
      }
      for (int i = 0; i < capacity; ++i)
        ASSERT_TRUE(SameEvent(storage[i], model.e[i])) << "run " << run << " step " << step << " (" << op
                                                       << ") entry " << i << ": " << Owners(storage);
      ASSERT_EQ(table.Used(), model.Used()) << "run " << run << " step " << step << " (" << op << ")";
    }
  }
}

TEST_F(HistoryTest, TheCareerLogFollowsThePlainRulesOnRandomSequences) {
  std::mt19937 rng(77);
  for (int run = 0; run < 300; ++run) {
    const int capacity = 1 + static_cast<int>(rng() % 40);
    std::vector<PlayerCareerLogEntry> storage(capacity);
    PlayerCareerLogTable table(storage.data(), capacity);
    Model<CareerEntry> model(capacity, {-1, 0, 0, 0, 0, 0, 0, 0}, &CareerEntry::player);
    uint8_t season = static_cast<uint8_t>(rng() % 2 ? 0 : 252);
    const int players = 1 + static_cast<int>(rng() % 8);
    for (int step = 0; step < 300; ++step) {
      const int what = static_cast<int>(rng() % 100);
      std::string op;
      if (what < 75) {
        if (rng() % 20 == 0) ++season;
        const int16_t player = static_cast<int16_t>(rng() % players), club = static_cast<int16_t>(rng() % 4);
        const int16_t type = rng() % 3 ? int16_t{0} : static_cast<int16_t>(1 + rng() % 9);
        const int16_t apps = static_cast<int16_t>(rng() % 4 ? 1 : rng() % 300),
                      goals = static_cast<int16_t>(rng() % 4 ? rng() % 3 : rng() % 40000),
                      onLoan = static_cast<int16_t>(rng() % 2), perf = static_cast<int16_t>(rng() % 101);
        op = "add " + std::to_string(player) + ":" + std::to_string(club) + "/" + std::to_string(season) + " type " +
             std::to_string(type);
        table.Add(player, club, season, apps, goals, type, onLoan, perf);
        CareerEntry added{player, club, season, 0, 0, 0, static_cast<uint8_t>(type), 0};
        if (type == 0) {
          added = {player, club, season, static_cast<uint8_t>(apps), static_cast<uint8_t>(goals), onLoan, 0,
                   static_cast<uint8_t>(perf)};
        } else if (type == 1 || type == 3 || type == 5 || type == 6) {
          added.value = goals;
        }
        model.Add(
            added, [&](const CareerEntry& e) { return e.player == player; },
            [&](CareerEntry& e) {
              if (type != 0 || e.club != club || e.season != season || e.type != 0) return false;
              e.apps = static_cast<uint8_t>(e.apps + apps);
              e.goals = static_cast<uint8_t>(e.goals + goals);
              e.perf = static_cast<uint8_t>(perf);
              return true;
            });
      } else if (what < 80) {
        int n = static_cast<int>(rng() % (capacity + 2)) - 1;
        op = "delete " + std::to_string(n);
        table.Delete(n);
        model.Delete(n);
      } else if (what < 85) {
        int n = static_cast<int>(rng() % (capacity + 2)) - 1;
        op = "open gap " + std::to_string(n);
        table.OpenGap(n);
        model.OpenGap(n);
      } else if (what < 90) {
        op = "drop oldest";
        table.DropOldest();
        model.DropOldest();
      } else if (what < 95) {
        int16_t player = static_cast<int16_t>(rng() % (players + 1)) - 1;
        op = "remove " + std::to_string(player);
        table.RemovePlayer(player);
        model.Remove(player);
      } else if (what < 99) {
        op = "reindex";
        table.Reindex();
      } else {
        op = "clear";
        table.Clear();
        model.e.assign(capacity, model.blank);
      }
      for (int i = 0; i < capacity; ++i)
        ASSERT_TRUE(SameCareer(storage[i], model.e[i])) << "run " << run << " step " << step << " (" << op
                                                        << ") entry " << i << ": " << Owners(storage);
      ASSERT_EQ(table.Used(), model.Used()) << "run " << run << " step " << step << " (" << op << ")";
      // The queries agree with the model too.
      const int16_t who = static_cast<int16_t>(rng() % (players + 1)) - 1;
      const int16_t club = static_cast<int16_t>(rng() % 4);
      PlayerCareerLogEntry out[CAREER_ENTRIES_MAX];
      std::vector<CareerEntry> mine;
      bool has = false;
      int atClub = 0;
      for (const CareerEntry& c : model.e) {
        if (c.player == -1) continue;
        if (c.player == who) {
          mine.push_back(c);
          has = has || c.club == club;
        }
        if (c.club == club) ++atClub;
      }
      const int got = table.GetEntries(who, out);
      ASSERT_EQ(got, static_cast<int>(mine.size()));
      for (int i = 0; i < got; ++i) ASSERT_TRUE(SameCareer(out[i], mine[i]));
      ASSERT_EQ(table.HasClub(who, club), has ? 1 : 0);
      ASSERT_EQ(table.CountClub(club), atClub);
    }
  }
}

}  // namespace
