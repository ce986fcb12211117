// The club index and the digests kept beside the player records: whatever
// the setters, a rewrite or a new player count do, they answer as a look at
// the records themselves would.
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include "season/seasonstate.h"
#include "support/test_world.h"
#include "world/players.h"

namespace {

class PlayerIndexTest : public WorldTest {
 protected:
  // Every player of the club (by his club field), or on loan anywhere too.
  static std::vector<int16_t> Expected(int16_t club, bool withLoans) {
    std::vector<int16_t> out;
    for (int16_t p = 0; p < PlayerCount; ++p)
      if (Player_GetClub(p) == club || (withLoans && Player_GetOnLoan(p) != 0)) out.push_back(p);
    return out;
  }
  static std::vector<int16_t> Walked(int16_t club, bool withLoans) {
    std::vector<int16_t> out;
    const auto next = [&](int16_t from) {
      return withLoans ? Player_NextAtClubOrOnLoan(from, club) : Player_NextAtClub(from, club);
    };
    for (int16_t p = next(0); p >= 0; p = next(static_cast<int16_t>(p + 1))) out.push_back(p);
    return out;
  }
  static void ExpectEveryClubAnswers(const char* when) {
    for (int16_t club : {int16_t{0}, int16_t{1}, int16_t{3}, int16_t{200}, int16_t{252}, int16_t{254}, int16_t{255},
                         int16_t{-1}, int16_t{300}}) {
      EXPECT_EQ(Walked(club, false), Expected(club, false)) << when << ", club " << club;
      EXPECT_EQ(Walked(club, true), Expected(club, true)) << when << ", club " << club << " with loans";
    }
  }
  static void ExpectDigestsAnswer(const char* when) {
    const PlayerDigest* d = Player_Digests();
    for (int16_t p = 0; p < PlayerCount; ++p) {
      EXPECT_EQ(d[p].club, Player_GetClub(p)) << when << ", player " << p;
      EXPECT_EQ(d[p].nationality, Player_GetNationality(p)) << when << ", player " << p;
      EXPECT_EQ((d[p].flags & PLAYER_DIGEST_NO_WAGE) != 0, Player_GetWage(p) == 0) << when << ", player " << p;
      EXPECT_EQ((d[p].flags & PLAYER_DIGEST_MANAGER) != 0,
                Player_GetPosition(p) == POSITION_MANAGER || Player_GetBossvane(p) != 0)
          << when << ", player " << p;
      EXPECT_EQ((d[p].flags & PLAYER_DIGEST_NO_CAREER_APPS) != 0, Player_GetCareerApps(p) == 0)
          << when << ", player " << p;
    }
  }
};

TEST_F(PlayerIndexTest, ClubsAndDigestsFollowEverySetter) {
  ExpectEveryClubAnswers("the new world");
  ExpectDigestsAnswer("the new world");
  std::mt19937 rng(11);
  const int16_t clubs[] = {0, 1, 3, 200, 252, 254, 255};
  for (int step = 0; step < 300; ++step) {
    const auto p = static_cast<int16_t>(rng() % tw::kPlayerCount);
    switch (rng() % 8) {
      case 0: Player_SetClub(p, clubs[rng() % 7]); break;
      case 1: Player_SetOnLoan(p, static_cast<int32_t>(rng() % 2)); break;
      case 2: Player_SetWage(p, static_cast<int32_t>(rng() % 2) * 300); break;
      case 3: Player_SetPosition(p, static_cast<int32_t>(rng() % 14)); break;
      case 4: Player_SetManager(p, static_cast<int32_t>(rng() % 2)); break;
      case 5: Player_SetBossvane(p, static_cast<int32_t>(rng() % 2)); break;
      case 6: Player_SetCareerApps(p, static_cast<int32_t>(rng() % 2) * 40); break;
      case 7: Player_SetNationality(p, static_cast<int32_t>(rng() % 60)); break;
    }
    if (step % 10 == 0) {
      ExpectEveryClubAnswers("after the setters");
      ExpectDigestsAnswer("after the setters");
    }
  }
  ExpectEveryClubAnswers("at the end");
  ExpectDigestsAnswer("at the end");
}

TEST_F(PlayerIndexTest, RecordsWrittenWholeOrANewPlayerCountAreTakenAfresh) {
  ExpectEveryClubAnswers("the new world");
  ExpectDigestsAnswer("the new world");

  // A record copied over another, as a loaded game brings them.
  std::memcpy(PlayerRecords[tw::kKeeper].bytes, PlayerRecords[tw::kItalian].bytes, sizeof(PlayerRecord));
  Players_RecordsRewritten();
  EXPECT_EQ(Walked(tw::kForeignClub, false), (std::vector<int16_t>{tw::kKeeper, tw::kItalian}));
  ExpectEveryClubAnswers("after a rewrite");
  ExpectDigestsAnswer("after a rewrite");

  // Fewer full records: the last players drop out.
  PlayerCount = tw::kItalian;
  ExpectEveryClubAnswers("with fewer records");
  ExpectDigestsAnswer("with fewer records");
  EXPECT_EQ(Walked(tw::kForeignClub, false), (std::vector<int16_t>{tw::kKeeper}));
  PlayerCount = tw::kPlayerCount;
  ExpectEveryClubAnswers("with all records again");
  ExpectDigestsAnswer("with all records again");
}

}  // namespace
