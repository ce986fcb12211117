// The end of the league season, the promotion play-offs and the next season.
#include "season/endseason.h"

#include <cstdio>
#include <cstring>

#include "engine/poll.h"
#include "engine/reset.h"
#include "season/fixgen.h"
#include "season/progress.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/history.h"
#include "world/honours.h"
#include "world/textmess.h"

uint8_t PlayoffTable[NUM_DIVISIONS][PLAYOFF_PLACES];
int16_t PlayoffClubs[NUM_DIVISIONS][PLAYOFF_PLACES];

REGISTER_RESET(RESET_SEASON, EndSeason_Reset);

// clang-format off
const int8_t PromotionPlaces[NUM_GAME_COUNTRIES][NUM_DIVISIONS] = {
  {0, 2, 2, 3, 1, 0},  // 0
  {0, 1, 2, 2, 0, 0},  // 1
  {0, 4, 1, 1, 0, 0},  // 2
  {0, 3, 1, 1, 1, 1},  // 3
  {0, 0, 0, 0, 0, 0},  // 4
  {0, 1, 0, 0, 0, 0},  // 5
  {0, 3, 3, 2, 2, 0},  // 6
  {0, 3, 0, 0, 0, 0},  // 7
  {0, 2, 0, 0, 0, 0},  // 8
};
const int8_t RelegationPlaces[NUM_GAME_COUNTRIES][NUM_DIVISIONS] = {
  {3, 3, 4, 1, 0, 0},  // 0
  {1, 2, 2, 0, 0, 0},  // 1
  {4, 4, 0, 0, 0, 0},  // 2
  {3, 4, 0, 0, 0, 0},  // 3
  {0, 0, 0, 0, 0, 0},  // 4
  {2, 0, 0, 0, 0, 0},  // 5
  {3, 3, 4, 0, 0, 0},  // 6
  {3, 0, 0, 0, 0, 0},  // 7
  {2, 0, 0, 0, 0, 0},  // 8
};
const int16_t PlayoffKind[NUM_GAME_COUNTRIES] = {0, 0, 2, 0, 0, 0, 0, 0, 0};
const int16_t PlayoffFinalOffset[NUM_GAME_COUNTRIES][NUM_DIVISIONS] = {
  {0, 2, 1, 0, 0, 0},  // 0: the higher the division, the later its final
  {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0},
  {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0},
};
// clang-format on

namespace {

constexpr int NEWS_CHAMPIONS = 40;
constexpr int NEWS_TOP_OF_DIVISION = 41;
constexpr int NEWS_PROMOTED = 42;
constexpr int NEWS_PLAYOFF_QUALIFIED = 44;
constexpr int NEWS_RELEGATED = 45;
constexpr int NEWS_RESCHEDULED = 146;
constexpr int EVENT_PROMOTED = 8;
constexpr int EVENT_RELEGATED = 9;
constexpr int16_t PROMOTION_EXPERIENCE = 1;
constexpr int16_t RELEGATION_EXPERIENCE = 1;
constexpr int16_t PLAYOFF_FIRST_LEG = 1;
constexpr int16_t PLAYOFF_SECOND_LEG = 2;
constexpr int16_t PLAYOFF_FINAL = 3;
constexpr int16_t SUPER_CUP_AT_SEASON_END = 3;  // the country whose super cup follows the season
constexpr int16_t TRAINING_SLIDERS_VALUE = 0;

void PostClubNews(int kind, int16_t club) {
  SetNewsArgs(club, -1, -1, -1, -1, -1, -1, -1, -1);
  ShowNewsMessage(GetRandomNewsText(kind), 0, NEWS_SHOW_HUMAN_DIVISION, club, -1);
}

int16_t ChampionsKind(int division) {
  if (division < 4) return static_cast<int16_t>(HONOUR_CHAMPIONS + division);
  return division == 4 ? HONOUR_DIV4_CHAMPIONS : HONOUR_DIV5_CHAMPIONS;
}

int16_t RunnersUpKind(int division) {
  if (division < 4) return static_cast<int16_t>(HONOUR_RUNNERS_UP + division);
  return division == 4 ? HONOUR_DIV4_CHAMPIONS + 1 : HONOUR_DIV5_CHAMPIONS + 1;
}

void Promote(int16_t club, int16_t division) {
  Club_SetDivision(club, division);
  ClubEventLog_Add(0, club, 0, division, EVENT_PROMOTED);
  Club_AwardSquadExperience(club, PROMOTION_EXPERIENCE);
}

void Relegate(int16_t club, int16_t division) {
  Club_SetDivision(club, division);
  ClubEventLog_Add(0, club, 0, division, EVENT_RELEGATED);
  Club_AwardSquadExperience(club, RELEGATION_EXPERIENCE);
  PostClubNews(NEWS_RELEGATED, club);
  Club_ApplyRelegationClauses(club);
}

// The division tables as the season ended; the clubs' divisions change while
// the season is settled, the tables do not.
struct FinalTables {
  uint8_t rows[NUM_DIVISIONS][DIVISION_PLACES];
  int count[NUM_DIVISIONS];
  FinalTables() {
    std::memcpy(rows, DivisionTable, sizeof rows);
    for (int d = 0; d < NUM_DIVISIONS; ++d) {
      count[d] = 0;
      while (count[d] < DIVISION_PLACES && rows[d][count[d]] != NO_TABLE_CLUB) ++count[d];
    }
  }
  // The club in a row, -1 outside the division's clubs.
  int16_t At(int division, int row) const {
    return row >= 0 && row < count[division] ? rows[division][row] : -1;
  }
};

void SettleChampionsAndPromotion(int country, const FinalTables& t) {
  for (int d = 0; d < NUM_DIVISIONS; ++d) {
    const int16_t champion = t.At(d, 0);
    if (champion < 0) continue;
    Honours_RecordWinner(champion, ChampionsKind(d));
    PostClubNews(d == 0 ? NEWS_CHAMPIONS : NEWS_TOP_OF_DIVISION, champion);
    const int16_t runnerUp = t.At(d, 1);
    if (runnerUp >= 0) Honours_RecordWinner(runnerUp, RunnersUpKind(d));
    // The promotion places count the champion: a division without any (all
    // of Spain's) keeps its champion, as nobody comes down in exchange.
    if (d == 0 || PromotionPlaces[country][d] == 0) continue;
    Promote(champion, PromotionTarget(country, d, 0));
    for (int row = 1; row < PromotionPlaces[country][d]; ++row) {
      const int16_t club = t.At(d, row);
      if (club < 0) continue;
      Promote(club, PromotionTarget(country, d, row));
      PostClubNews(NEWS_PROMOTED, club);
    }
  }
}

void SettleRelegation(int country, const FinalTables& t) {
  for (int d = 0; d < NUM_DIVISIONS; ++d) {
    const int places = RelegationPlaces[country][d];
    for (int row = t.count[d] - places; row < t.count[d]; ++row) {
      const int16_t club = t.At(d, row);
      if (club >= 0) Relegate(club, RelegationTarget(country, d, row));
    }
  }
}

void DrawPlayoffClubs(int country, const FinalTables& t) {
  for (int d = 0; d + 1 < NUM_DIVISIONS; ++d) {
    const DivisionEntry& entry = CountryDivisionInfo.playoffs[country][d + 1];
    const int size = entry.value, fromBelow = entry.second;
    if (size == 0) continue;
    int filled = 0;
    auto enter = [&](int16_t club) {
      if (club < 0 || filled >= PLAYOFF_PLACES) return;
      PlayoffTable[d + 1][filled++] = static_cast<uint8_t>(club);
      PostClubNews(NEWS_PLAYOFF_QUALIFIED, club);
    };
    const int above = t.count[d] - RelegationPlaces[country][d];
    for (int row = above - (size - fromBelow); row < above; ++row) enter(t.At(d, row));
    const int first = PromotionPlaces[country][d + 1];
    for (int row = first; row < first + fromBelow; ++row) enter(t.At(d + 1, row));
  }
}

void AddPlayoffFixture(int32_t day, int16_t code, uint8_t home, uint8_t away, int flag) {
  if (home == PLAYOFF_EMPTY || away == PLAYOFF_EMPTY) return;
  if (Fixture_Add(day, code, home, away, flag) < 0)
    std::printf("EndOfSeason(): play-off fixture %d v %d (code %d) not added\n", home, away, code);
}

void SchedulePlayoffs(int country, int32_t today) {
  for (int d = 0; d < NUM_DIVISIONS; ++d) {
    const int size = CountryDivisionInfo.playoffs[country][d].value;
    if (size == 0) continue;
    const uint8_t* row = PlayoffTable[d];
    const uint8_t a = row[0], b = row[1], c = row[2], e = row[3];
    auto copy = [&](int k) { PlayoffClubs[d][k] = row[k] == PLAYOFF_EMPTY ? -1 : row[k]; };
    if (size == PLAYOFF_PLACES && PlayoffKind[country] == PLAYOFF_TWO_LEGS) {
      for (int k = 0; k < PLAYOFF_PLACES; ++k) copy(k);
      AddPlayoffFixture(today + PLAYOFF_FIRST_LEG_DAYS, PLAYOFF_FIRST_LEG, e, a, 0);
      AddPlayoffFixture(today + PLAYOFF_FIRST_LEG_DAYS, PLAYOFF_FIRST_LEG, c, b, 0);
      AddPlayoffFixture(today + PLAYOFF_SECOND_LEG_DAYS, PLAYOFF_SECOND_LEG, a, e, 0);
      AddPlayoffFixture(today + PLAYOFF_SECOND_LEG_DAYS, PLAYOFF_SECOND_LEG, b, c, 0);
    } else if (size == PLAYOFF_PLACES && PlayoffKind[country] == PLAYOFF_SINGLE_LEG) {
      for (int k = 0; k < PLAYOFF_PLACES; ++k) copy(k);
      AddPlayoffFixture(today + PLAYOFF_FIRST_LEG_DAYS, PLAYOFF_FIRST_LEG, a, c, 0);
      AddPlayoffFixture(today + PLAYOFF_FIRST_LEG_DAYS, PLAYOFF_FIRST_LEG, b, e, 0);
    } else {
      copy(0);
      copy(1);
      AddPlayoffFixture(today + PLAYOFF_FIRST_LEG_DAYS, PLAYOFF_FINAL, b, a, 1);
    }
  }
}

// Germany's super cup: the new champions against the cup winners (the
// runners-up when the champions won the cup too), two weeks after the season.
void AddSeasonEndSuperCup(int32_t today) {
  int16_t first, second;
  if (!SuperCupPair(Honours_GetHolder(0, HOLDER_DIV0_CHAMPION), Honours_GetHolder(0, HOLDER_CUP0_WINNER),
                    Honours_GetHolder(0, HOLDER_DIV0_RUNNER_UP), &first, &second))
    return;
  const int32_t day = today + PLAYOFF_FIRST_LEG_DAYS;
  const bool human = Club_GetControl(first) != 0 || Club_GetControl(second) != 0;
  if (!SuperCup_MoveClubsFixture(second, day, human)) {
    std::printf("EndOfSeason(): no super cup, club %d keeps its match of day %d\n", second, day);
    return;
  }
  if (Fixture_Add(day, COMP_SUPER_CUP, first, second, 1) < 0)
    std::printf("EndOfSeason(): the super cup %d v %d was not added\n", first, second);
}

}  // namespace

int16_t PromotionTarget(int country, int division, int row) {
  int steps = 1;
  if (row == 0) {
    if ((country == 2 && division == 3) || (country == 6 && division == 4) || (country == 3 && division == 3))
      steps = 2;
    else if (country == 3 && division == 4)
      steps = 3;
    else if (country == 3 && division == 5)
      steps = 4;
  } else if (country == 6 && division == 4) {
    steps = 2;
  }
  return static_cast<int16_t>(division - steps);
}

int16_t RelegationTarget(int country, int division, int row) {
  int steps = 1;
  if (((country == 2 && division == 1) || (country == 6 && division == 2)) && (row == 17 || row == 19)) steps = 2;
  if (country == 3 && division == 1 && row >= 15 && row <= 17) steps = row - 13;
  return static_cast<int16_t>(division + steps);
}

void EndOfSeason() {
  if (!IsGameCountry(GameCountry)) return;
  const int country = GameCountry;
  const int32_t today = DayOfSeason;

  Club_RollSeasonHistory();
  Club_PayLeaguePrizeMoney();
  EndSeason_Reset();

  const FinalTables tables;
  SettleChampionsAndPromotion(country, tables);
  SettleRelegation(country, tables);
  DrawPlayoffClubs(country, tables);
  SchedulePlayoffs(country, today);
  if (country == SUPER_CUP_AT_SEASON_END) AddSeasonEndSuperCup(today);

  GNW_ResetTrainingSliders(TRAINING_SLIDERS_VALUE);
  GNW_SaveTrainingSliders(TRAINING_SLIDERS_VALUE);
}

void Season_AddPlayOffFinals() {
  if (!IsGameCountry(GameCountry)) return;
  const int country = GameCountry;
  for (int d = 0; d < NUM_DIVISIONS; ++d) {
    if (CountryDivisionInfo.playoffs[country][d].value != PLAYOFF_PLACES) continue;
    uint8_t finalists[2];
    int found = 0;
    for (int k = 0; k < PLAYOFF_PLACES && found < 2; ++k)
      if (PlayoffTable[d][k] != PLAYOFF_EMPTY) finalists[found++] = PlayoffTable[d][k];
    if (found < 2) continue;
    AddPlayoffFixture(DayOfSeason + PLAYOFF_FINAL_DAYS + PlayoffFinalOffset[country][d], PLAYOFF_FINAL, finalists[0],
                      finalists[1], 1);
  }
}

void Season_ResetFixturesAndTables() {
  Fixture_ClearAll();
  for (LeagueTableRow& row : LeagueTable) {
    const int16_t position = row.position;
    row = LeagueTableRow{};
    row.position = position;
  }
  for (int16_t club = 0; club < NUM_CLUBS; ++club) Club_SetAvgAtt(club, 0);
}

void StartNewSeason() {
  SeasonEngine.clearHumanDealLists();
  GNW_ClearChampionsLeagueGroups();

  ProgressWords.total = NEW_SEASON_STEPS;
  auto step = [](int16_t n) {
    ProgressWords.step = n;
    Poll();
  };
  step(0);
  DayOfSeason = 0;
  Honours_ShiftSeasons();
  step(1);
  SeasonEngine.setEuroCupHolders();
  step(2);
  SeasonEngine.selectEuropeanEntrants();
  step(3);
  Season_ResetFixturesAndTables();
  step(4);
  GenerateFixtures();
  step(5);
  ClubSim.fillReservePool();
  step(6);
  ClubSim.updateTransferWindows(0, 0);
  step(7);
  SeasonEngine.shuffleEuroEntrantsB();
  step(8);
  ClubSim.buildReputationTable();
  GNW_InitTrainingBuffer();
  step(9);
  DivisionClubs_Build();
  step(10);
  Fixture_AddPreSeasonFriendlies();
  ClubSim.setAllClubsExpectedPlace();
  ProgressWords.total = ProgressWords.step = -1;

  for (int record = 0; record < NUM_FULL_CLUBS; ++record) ClubRecord_ResetSeasonLists(record);
  ClubSeasonMarks_Clear();
}

void EndSeason_Reset() {
  std::memset(PlayoffTable, PLAYOFF_EMPTY, sizeof PlayoffTable);
  for (auto& row : PlayoffClubs)
    for (int16_t& club : row) club = -1;
}
