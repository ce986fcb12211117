#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "menus/langtext.h"
#include "world/nationality.h"
#include "world/static_clubs.h"
#include "world/static_country.h"
#include "world/static_cups.h"
#include "world/static_names.h"
#include "world/static_officials.h"

namespace {

int FindInList(int gameCountry, int db) {
  for (int i = 0; i < WORLD_CLUBS; ++i)
    if (CountryClubList[gameCountry][i] == db) return i;
  return -1;
}

TEST(ClubNameTable, NamesTheFirst1046NumbersWithDistinctShortNames) {
  std::set<std::string> seen;
  for (int db = 0; db < NUM_DB_CLUBS; ++db) {
    if (db >= NUM_NAMED_CLUBS) {
      EXPECT_EQ(ClubNameTable[db], nullptr) << db;
      EXPECT_EQ(ClubHomeTable[db].country, -1) << db;
      continue;
    }
    ASSERT_NE(ClubNameTable[db], nullptr) << db;
    const std::string name = ClubNameTable[db];
    EXPECT_TRUE(seen.insert(name).second) << name;
    EXPECT_GE(name.size(), 4u);
    EXPECT_LE(name.size(), 34u) << name;  // fits the record's 35-byte field
    for (char ch : name) EXPECT_TRUE(ch >= 32 && ch < 127) << name;
    EXPECT_GE(ClubHomeTable[db].country, 0);
    EXPECT_LT(ClubHomeTable[db].country, NUM_NATIONALITIES);
    EXPECT_LT(ClubHomeTable[db].mapX, 640);
    EXPECT_LT(ClubHomeTable[db].mapY, 480);
    EXPECT_GE(ClubHomeTable[db].mapX, 0);
    EXPECT_GE(ClubHomeTable[db].mapY, 0);
  }
}

// Block sizes of the club lists: the game country's own block for each game
// country, and the total the blocks come to.
struct ListCase {
  int country;
  int ownBlock;
  int total;
};
constexpr ListCase kListCases[] = {{0, 124, 250}, {1, 48, 178}, {2, 74, 200}, {3, 92, 218}, {4, 102, 228},
                                   {5, 36, 164},  {6, 105, 231}, {7, 36, 166}, {8, 36, 168}};

TEST(CountryClubList, HoldsEachCountrysBlockOfItsOwnClubsInCountryOrder) {
  for (const ListCase& k : kListCases) {
    SCOPED_TRACE(k.country);
    EXPECT_EQ(OwnBlockSize[k.country], k.ownBlock);
    EXPECT_EQ(CountryBlockStart(k.country, NUM_LIST_COUNTRIES), k.total);
    std::set<int> seen;
    for (int t = 0; t < NUM_LIST_COUNTRIES; ++t) {
      const int start = CountryBlockStart(k.country, t);
      for (int i = 0; i < CountryBlockSize(k.country, t); ++i) {
        const int db = CountryClubList[k.country][start + i];
        ASSERT_GE(db, 0);
        EXPECT_LT(db, 1100) << "a club that plays needs a kit icon";
        EXPECT_TRUE(db < 252 || db > 255) << db << " is a special club number";
        EXPECT_EQ(ClubHomeTable[db].country, t) << db;
        EXPECT_TRUE(seen.insert(db).second) << db;
        // A game country seen from abroad shows the top of its own list.
        if (t != k.country && t < NUM_GAME_COUNTRIES) {
          EXPECT_EQ(db, CountryClubList[t][CountryBlockStart(t, t) + i]);
        }
      }
    }
    for (int i = k.total; i < WORLD_CLUBS; ++i) EXPECT_EQ(CountryClubList[k.country][i], NO_DB_CLUB);
    // The own block holds the league, division by division, then the rest.
    EXPECT_LE(LeagueClubCount(k.country), k.ownBlock);
    EXPECT_EQ(DivisionBlockStart(k.country, NUM_DIVISIONS) - CountryBlockStart(k.country, k.country),
              LeagueClubCount(k.country));
  }
}

TEST(EuroStartClubs, AreFirstDivisionClubsOfTheirCountry) {
  for (int c = 0; c < NUM_GAME_COUNTRIES; ++c)
    for (int k = 0; k < 6; ++k) {
      const int i = FindInList(c, EuroStartClubs[c][k]);
      EXPECT_GE(i, DivisionBlockStart(c, 0)) << c << " " << k;
      EXPECT_LT(i, DivisionBlockStart(c, 1)) << c << " " << k;
    }
}

TEST(CupSeedingTable, ListsTheCountrysOwnBlockThenRepeatsItsLastClub) {
  for (int c = 0; c < NUM_GAME_COUNTRIES; ++c) {
    const int start = CountryBlockStart(c, c);
    int ends = CUP_SEEDING_ENTRIES;  // where two equal neighbours end the list
    for (int i = 1; i < CUP_SEEDING_ENTRIES; ++i)
      if (CupSeedingTable[c][i] == CupSeedingTable[c][i - 1]) {
        ends = i;
        break;
      }
    EXPECT_EQ(ends, OwnBlockSize[c]) << c;
    for (int i = 0; i < CUP_SEEDING_ENTRIES; ++i) {
      const int want = CountryClubList[c][start + (i < OwnBlockSize[c] ? i : OwnBlockSize[c] - 1)];
      EXPECT_EQ(CupSeedingTable[c][i], want) << c << " " << i;
    }
  }
}

TEST(CountryRecordTable, NamesClubsOfTheWorldOfItsCountry) {
  for (int c = 0; c < NUM_GAME_COUNTRIES; ++c) {
    SCOPED_TRACE(c);
    const int16_t* rec = CountryRecordTable[c];
    auto own = [&](int db) {
      const int i = FindInList(c, db);
      return i >= CountryBlockStart(c, c) && i < CountryBlockStart(c, c) + OwnBlockSize[c];
    };
    for (int cup = 0; cup < NUM_CUP_COMPETITIONS; ++cup)
      for (int k = 0; k < 2; ++k) {
        const int db = rec[REC_CUP_WINNER + 2 * cup + k];
        if (CupRoundsTable[c][cup] == 0 || cup == 5) {
          EXPECT_EQ(db, NO_DB_CLUB) << cup;
        } else if (cup < 4) {
          EXPECT_TRUE(own(db)) << cup << " " << db;
        } else {
          EXPECT_GE(FindInList(c, db), 0) << "European holder " << db;  // the new game finds it by number
        }
      }
    EXPECT_EQ(rec[REC_DIV_CHAMPION], EuroStartClubs[c][0]);
    EXPECT_EQ(rec[REC_DIV_CHAMPION + 1], EuroStartClubs[c][1]);
    const int champions[6] = {14, 16, 18, 20, 22, 24};
    for (int d = 0; d < NUM_DIVISIONS; ++d) {
      const bool exists = CountryDivisionInfo.sizes[c][d].value > 0;
      for (int k = 0; k < 2; ++k) {
        if (exists) EXPECT_TRUE(own(rec[champions[d] + k])) << d;
        else EXPECT_EQ(rec[champions[d] + k], NO_DB_CLUB) << d;
      }
      const int clubs[4] = {REC_MANAGER_CLUB, REC_PLAYER_CLUB, REC_YOUNG_CLUB, REC_SCORER_CLUB};
      const int surnames[4] = {REC_MANAGER_SURNAME, REC_PLAYER_SURNAME, REC_YOUNG_SURNAME, REC_SCORER_SURNAME};
      for (int a = 0; a < 4; ++a) {
        if (!exists) {
          EXPECT_EQ(rec[clubs[a] + d], NO_DB_CLUB);
          EXPECT_EQ(rec[surnames[a] + d], -1);
          continue;
        }
        const int i = FindInList(c, rec[clubs[a] + d]);
        EXPECT_GE(i, DivisionBlockStart(c, d)) << "award " << a << " division " << d;
        EXPECT_LT(i, DivisionBlockStart(c, d + 1)) << "award " << a << " division " << d;
        const SurnameRun run = SurnameRuns[NameStyleOf(c)];
        EXPECT_GE(rec[surnames[a] + d], run.first);
        EXPECT_LT(rec[surnames[a] + d], run.end);
      }
      if (exists) {
        EXPECT_GT(rec[REC_SCORER_GOALS + d], 10);
      }
    }
    const bool superCup = c == 0 || c == 2 || c == 3;
    if (superCup) EXPECT_TRUE(own(rec[REC_SUPER_CUP_WINNER]));
    else EXPECT_EQ(rec[REC_SUPER_CUP_WINNER], NO_DB_CLUB);
  }
}

TEST(CupRoundData, MatchesTheGivenExampleOfTheEnglishCup) {
  const int draws[8] = {92, 113, 134, 155, 176, 197, 218, 246};
  const int matches[8] = {112, 133, 154, 175, 196, 217, 246, 280};
  const int comingOn[8] = {0, 40, 20, 32, 16, 8, 4, 2};
  for (int k = 0; k < 8; ++k) {
    const CupRoundRecord& r = CupRoundData[0][0][k];
    EXPECT_EQ(r.drawDay, draws[k]);
    EXPECT_EQ(r.matchDay, matches[k]);
    EXPECT_EQ(r.comingOn, comingOn[k]);
  }
  EXPECT_EQ(CupRoundData[0][0][0].firstSeed, 44);
  EXPECT_EQ(CupRoundData[0][0][0].endSeed, 124);
  EXPECT_EQ(CupRoundData[0][0][2].firstSeed, 0);
  EXPECT_EQ(CupRoundData[0][0][2].endSeed, 44);
}

// Every round's clubs pair up, each round takes the previous round's winners,
// the last is a final, seeding places exist and are taken once, and the
// calendar moves forward and ends in time.
TEST(CupRoundData, RoundsFitTheCountrysClubsAndCalendar) {
  for (int c = 0; c < NUM_GAME_COUNTRIES; ++c)
    for (int comp = 0; comp < NUM_CUP_COMPETITIONS; ++comp) {
      SCOPED_TRACE(testing::Message() << "country " << c << " competition " << comp);
      int rounds = 0;
      while (rounds < CUP_ROUNDS && CupRoundData[c][comp][rounds].drawDay >= 0) ++rounds;
      for (int k = rounds; k < CUP_ROUNDS; ++k) EXPECT_EQ(CupRoundData[c][comp][k].drawDay, -1);
      // The qualifying round of the Champions League has two rounds; its
      // winners join the groups.
      EXPECT_EQ(rounds, comp == 5 ? 2 : CupRoundsTable[c][comp]);
      std::set<int> seeds;
      int winners = 0, lastDay = -1;
      for (int k = 0; k < rounds; ++k) {
        const CupRoundRecord& r = CupRoundData[c][comp][k];
        EXPECT_GE(r.drawDay, lastDay) << k;
        EXPECT_GT(r.matchDay, r.drawDay) << k;
        int clubs = 0;
        if (r.firstSeed >= 0) {
          EXPECT_LT(r.firstSeed, r.endSeed);
          EXPECT_LE(r.endSeed, OwnBlockSize[c]);
          for (int s = r.firstSeed; s < r.endSeed; ++s) EXPECT_TRUE(seeds.insert(s).second) << s;
          clubs += r.endSeed - r.firstSeed;
        }
        if (r.comingOn > 0) {
          EXPECT_EQ(r.comingOn, winners) << k;
          clubs += r.comingOn;
        }
        if (r.legs == 3) {
          EXPECT_EQ(r.comingOn, -4);
          winners = 16;  // eight groups of four, two go through
        } else if (k == 0 && comp >= 4) {
          winners = comp == 4 ? 32 : 16;  // 64 and 32 entrants from the European lists
        } else {
          EXPECT_EQ(clubs % 2, 0) << k;
          EXPECT_GT(clubs, 0) << k;
          winners = clubs / 2;
        }
        EXPECT_EQ(r.comingOn == 2, k == rounds - 1 && comp != 5) << k;
        EXPECT_TRUE(r.legs >= 0 && r.legs <= 3);
        EXPECT_EQ(r.extraTime2 == -1, r.penalties2 == -1);
        EXPECT_TRUE(r.substitutes == 3 || r.substitutes == 5);
        lastDay = r.matchDay + (r.legs == 2 ? 14 : 0) + (r.legs == 3 ? 70 : 0);
      }
      if (comp < 4 && CupRoundsTable[c][comp] > 0) {
        EXPECT_EQ(winners, 1);
      }
      // A first league day is at most day 49 of the season; replays need room.
      EXPECT_LE(49 + lastDay + 20, 365);
    }
}

TEST(CupRoundData, SavesAs13LittleEndianBytes) {
  uint8_t b[CUP_ROUND_RECORD_SIZE];
  CupRoundBytes(CupRoundData[0][0][7], b);
  const uint8_t want[CUP_ROUND_RECORD_SIZE] = {246, 0, 24, 1, 0xFF, 0xFF, 2, 1, 0, 1, 1, 1, 5};
  EXPECT_EQ(std::memcmp(b, want, sizeof want), 0);
}

TEST(OfficialTable, HoldsAHundredFreeRefereesOfSensibleStrictness) {
  int leaning = 0;
  for (const DailySlotRecord& o : OfficialTable) {
    // The match set-up header holds the foul and card values as signed
    // bytes: above 127 they would read as negative (no fouls, no cards).
    EXPECT_GE(o.foulValue, 40);
    EXPECT_LE(o.foulValue, 127);
    EXPECT_GE(static_cast<int8_t>(o.foulValue), 40);
    EXPECT_GE(o.cardValue, 30);
    EXPECT_LE(o.cardValue, 127);
    EXPECT_GE(static_cast<int8_t>(o.cardValue), 30);
    EXPECT_LE(o.favouredSide, 2);
    EXPECT_EQ(o.taken, 0);
    if (o.favouredSide != 0) ++leaning;
  }
  EXPECT_GT(leaning, 0);
  EXPECT_LE(leaning, 10);
}

// Every name a country uses (its cups, its super cup, its divisions' full,
// short and one-letter names) is a text of its own in the language table:
// no two names of any countries share a number, none is empty.
TEST(TextBases, EveryUsedNameIsATextOfItsOwn) {
  std::set<int> used;
  for (int g = 0; g < NUM_GAME_COUNTRIES; ++g) {
    SCOPED_TRACE(g);
    std::vector<int> names;
    for (int cup = 0; cup < NUM_CUP_COMPETITIONS; ++cup)
      if (CupRoundsTable[g][cup] != 0) names.push_back(CompNameBase[g] + cup);
    names.push_back(CompNameBase[g] + SuperCupNameOffset[g]);
    for (int d = 0; d < NUM_DIVISIONS && CountryDivisionInfo.list[g][d].value != 0; ++d) {
      names.push_back(DivisionNameBase[g] + d);
      names.push_back(DivisionShortBase[g] + d);
      names.push_back(DivisionLetterBase[g] + d);
    }
    for (int number : names) {
      ASSERT_GE(number, 0);
      ASSERT_LT(number, 2310);  // the nationality names start there
      EXPECT_STRNE(LanguageTextTable[number], "") << number;
      // England and Scotland share their division names and the European cups' names.
      if (g == 1 && number < 1000) continue;
      EXPECT_TRUE(used.insert(number).second) << number << " is named twice";
    }
  }
}

TEST(TextBases, DomesticCupsAreTheCountrysFirstCups) {
  for (int g = 0; g < NUM_GAME_COUNTRIES; ++g)
    for (int cup = 0; cup < 4; ++cup)
      EXPECT_EQ(CupRoundsTable[g][cup] != 0, cup < DomesticCupCount[g]) << g << " cup " << cup;
}

// The friendly tours pass these country codes to the friendly arranger, which
// takes opponents of that country from the game country's club list: each
// code must be the tour's nation, and every game's world must hold its clubs.
TEST(NationalityNames, NameTheCountriesOfTheFriendlyTours) {
  const struct {
    int code;
    const char* nationality;
  } tours[] = {{0, "English"},  {6, "French"},  {3, "German"},  {4, "Spanish"}, {2, "Italian"},  {5, "Dutch"},
               {7, "Portuguese"}, {1, "Scottish"}, {9, "Swedish"}, {11, "Turkish"}, {18, "Russian"}, {10, "Swiss"},
               {14, "Danish"},  {8, "Belgian"}, {15, "Norwegian"}, {12, "Greek"}};
  for (const auto& t : tours) {
    SCOPED_TRACE(t.nationality);
    EXPECT_STREQ(NationalityNames[t.code], t.nationality);
    for (int g = 0; g < NUM_GAME_COUNTRIES; ++g) {
      int clubs = 0;
      for (int i = 0; i < WORLD_CLUBS; ++i)
        if (CountryClubList[g][i] != NO_DB_CLUB && ClubHomeTable[CountryClubList[g][i]].country == t.code) ++clubs;
      EXPECT_EQ(clubs, CountryBlockSize(g, t.code)) << "game country " << g;
    }
  }
  // The Nordic tours are of the Nordic group.
  for (int code : {9, 14, 15}) EXPECT_EQ(NationalityGroup(code), NATION_GROUP_NORDIC) << code;
}

TEST(NameStyles, RunsCoverThePlayerSurnamesOnceInOrder) {
  int next = 0;
  for (int s = 0; s < NUM_NAME_STYLES; ++s) {
    EXPECT_EQ(SurnameRuns[s].first, next);
    EXPECT_GT(SurnameRuns[s].end, SurnameRuns[s].first);
    next = SurnameRuns[s].end;
  }
  EXPECT_EQ(next, 16384);
  // Spot checks of nationality to style.
  const struct {
    int nationality;
    NameStyle style;
  } cases[] = {{0, STYLE_ENGLISH}, {1, STYLE_SCOTTISH}, {5, STYLE_DUTCH}, {8, STYLE_FLEMISH},
               {22, STYLE_GERMAN}, {9, STYLE_NORDIC}, {66, STYLE_PORTUGUESE}, {67, STYLE_SPANISH},
               {10, STYLE_GERMAN}, {15, STYLE_NORDIC}, {18, STYLE_SLAVIC}, {21, STYLE_ENGLISH},
               {47, STYLE_AFRICAN}, {87, STYLE_ASIAN}, {99, STYLE_ENGLISH}};
  for (const auto& k : cases) EXPECT_EQ(NameStyleOf(k.nationality), k.style) << k.nationality;
}

}  // namespace
