// The world facade's competitions, positions, fixture lookups and bridges.
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "clubsim/squadlist.h"
#include "menus/exm_text.h"
#include "menus/menuprims.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "support/test_world.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/history.h"
#include "world/players.h"
#include "world/static_country.h"

namespace {

std::string Text(int16_t number) { return GetTextNoAddr(number); }

// ------------------------------------------------------------------ country rules

class CountryRulesTest : public WorldTest {};

TEST_F(CountryRulesTest, DivisionsCupsAndPlayOffsOfEveryGameCountry) {
  struct {
    int country;
    int divisions;
    int sizes[6];
    int domesticCups;
    int rounds[7];
    const char* playOffs;  // divisions with play-offs
  } cases[] = {
      {0, 5, {20, 24, 24, 24, 22, 0}, 4, {8, 7, 5, 6, 6, 5, 5}, "011100"},
      {1, 4, {10, 10, 10, 10, 0, 0}, 3, {7, 6, 5, 0, 6, 5, 5}, "000000"},
      {2, 4, {18, 20, 18, 18, 0, 0}, 1, {6, 0, 0, 0, 6, 5, 5}, "001100"},
      {3, 6, {18, 18, 14, 14, 14, 14}, 1, {7, 0, 0, 0, 6, 5, 5}, "000000"},
      {4, 6, {20, 22, 15, 15, 15, 15}, 1, {8, 0, 0, 0, 6, 5, 5}, "000000"},  // all six, not 2
      {5, 2, {18, 18, 0, 0, 0, 0}, 1, {6, 0, 0, 0, 6, 5, 5}, "010000"},
      {6, 5, {18, 20, 20, 18, 18, 0}, 2, {7, 6, 0, 0, 6, 5, 5}, "000000"},
      {7, 2, {18, 18, 0, 0, 0, 0}, 1, {6, 0, 0, 0, 6, 5, 5}, "000000"},
      {8, 2, {18, 18, 0, 0, 0, 0}, 1, {6, 0, 0, 0, 6, 5, 5}, "000000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.country);
    GNW_SetGameCountry(static_cast<int16_t>(c.country));
    EXPECT_EQ(GNW_GetGameCountry(), c.country);
    EXPECT_EQ(GNW_GetChosenCountry(), c.country);
    EXPECT_EQ(GNW_GetNumDivisions(), c.divisions);
    EXPECT_EQ(GNW_CountCountryDivisions(), c.divisions);
    EXPECT_EQ(GNW_GetNumDomesticCups(), c.domesticCups);
    for (int16_t d = 0; d < 6; ++d) {
      EXPECT_EQ(GNW_GetDivisionSize(d), c.sizes[d]) << d;
      EXPECT_EQ(GNW_DivisionHasPlayOffs(d), c.playOffs[d] - '0') << d;
    }
    for (int16_t cup = 0; cup < 7; ++cup) EXPECT_EQ(GNW_GetCupRounds(cup), c.rounds[cup]) << cup;
  }
}

TEST_F(CountryRulesTest, CupAndRoundOfACompetitionCode) {
  struct {
    int16_t code, cup, index, round;
  } cases[] = {
      {0, -2, -2, -2},  {3, -2, -2, -2},  {4, -2, -2, -2},  {5, 0, 0, 0},     {12, 0, 0, 7},
      {13, 0, 0, 0},  // a second code is the same round
      {20, 0, 0, 7},    {21, 1, 1, 0},    {84, 4, 4, 7},    {85, 5, 6, 0},  // the qualifying round counts as 6
      {100, 5, 6, 7},   {101, 6, 6, 0},   {116, 6, 6, 7},   {117, -2, -2, -2}, {118, -2, -2, -2},
      {-1, -2, -2, -2}, {127, -2, -2, -2}, {32767, -2, -2, -2},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GNW_GetCupOfComp(c.code), c.cup) << c.code;
    EXPECT_EQ(GNW_GetCupIndex(c.code), c.index) << c.code;
    EXPECT_EQ(GNW_GetCupRoundNo(c.code), c.round) << c.code;
  }
}

// Every game country's competitions and divisions have their own names.
struct CountryNames {
  int country;
  std::vector<std::string> cups;  // the domestic cups
  std::string superCup;
  std::vector<std::string> divisions, shorts, letters;
};

const CountryNames kCountryNames[] = {
    {0,
     {"F.A. Cup", "League Cup", "Auto Windscreens Shield", "F.A. Trophy"},
     "Charity Shield",
     {"Premier Div.", "Division 1", "Division 2", "Division 3", "Conference"},
     {"Prem.", "Div. 1", "Div. 2", "Div. 3", "Conf."},
     {"P", "1", "2", "3", "C"}},
    {1,
     {"Scottish Cup", "Scottish League Cup", "Challenge Cup"},
     "Super Cup",
     {"Premier Div.", "Division 1", "Division 2", "Division 3"},
     {"Prem.", "Div. 1", "Div. 2", "Div. 3"},
     {"P", "1", "2", "3"}},
    {2,
     {"Coppa Italia"},
     "Super Coppa",
     {"Serie A", "Serie B", "Serie C1", "Serie C2"},
     {"Ser. A", "Ser. B", "Ser. C1", "Ser. C2"},
     {"A", "B", "C", "D"}},
    {3,
     {"DFB Pokal"},
     "Super Pokal",
     {"Bundesliga", "2. Bundesliga", "Regionalliga Nord", "Regionalliga Sud", "Regionalliga West",
      "Regionalliga Ost"},
     {"Bundes.", "2. Bundes.", "Reg. Nord", "Reg. Sud", "Reg. West", "Reg. Ost"},
     {"1", "2", "N", "S", "W", "O"}},
    {4,
     {"Copa del Rey"},
     "Supercopa de Espana",
     {"Primera Division", "Segunda Division", "Segunda B Grupo 1", "Segunda B Grupo 2", "Segunda B Grupo 3",
      "Segunda B Grupo 4"},
     {"Primera", "Segunda", "2B Gr. 1", "2B Gr. 2", "2B Gr. 3", "2B Gr. 4"},
     {"1", "2", "A", "B", "C", "D"}},
    {5, {"KNVB Cup"}, "Dutch Super Cup", {"Eredivisie", "Eerste Divisie"}, {"Ere.", "Eerste"}, {"E", "1"}},
    {6,
     {"Coupe de France", "Coupe de la Ligue"},
     "Trophee des Champions",
     {"Division 1", "Division 2", "National", "CFA", "CFA 2"},
     {"D1", "D2", "Nat.", "CFA", "CFA 2"},
     {"1", "2", "N", "C", "D"}},
    {7, {"Taca de Portugal"}, "Supertaca", {"1a Divisao", "Divisao de Honra"}, {"1a Div.", "Honra"}, {"1", "H"}},
    {8, {"Belgian Cup"}, "Belgian Super Cup", {"First Division", "Second Division"}, {"Div. 1", "Div. 2"}, {"1", "2"}},
};

TEST_F(CountryRulesTest, EveryCountryNamesItsCupsAndDivisions) {
  for (const CountryNames& c : kCountryNames) {
    SCOPED_TRACE(c.country);
    GNW_SetGameCountry(static_cast<int16_t>(c.country));
    ASSERT_EQ(static_cast<int>(c.cups.size()), GNW_GetNumDomesticCups());
    for (int16_t cup = 0; cup < GNW_GetNumDomesticCups(); ++cup) {
      EXPECT_EQ(Text(GNW_GetCountryCompNameTextNo(cup)), c.cups[cup]);
      EXPECT_EQ(Text(GNW_GetCompTextNo(static_cast<int16_t>(5 + 16 * cup), nullptr, nullptr)), c.cups[cup]);
    }
    EXPECT_EQ(Text(GNW_GetCountryCompNameTextNo(4)), "UEFA Cup");
    EXPECT_EQ(Text(GNW_GetCountryCompNameTextNo(5)), "Champions League Qual.");
    EXPECT_EQ(Text(GNW_GetCountryCompNameTextNo(6)), "Champions League");
    EXPECT_EQ(Text(GNW_GetSuperCupTextNo()), c.superCup);
    EXPECT_EQ(Text(GNW_GetCompTextNo(COMP_SUPER_CUP, nullptr, nullptr)), c.superCup);
    int16_t label = 0;
    EXPECT_EQ(Text(GNW_GetCompPosition(23, &label)), c.superCup);
    EXPECT_EQ(label, 1466);
    ASSERT_EQ(static_cast<int>(c.divisions.size()), GNW_GetNumDivisions());
    for (int16_t d = 0; d < GNW_GetNumDivisions(); ++d) {
      EXPECT_EQ(Text(GNW_GetDivisionNameTextNo(d)), c.divisions[d]) << d;
      EXPECT_EQ(Text(GNW_GetDivisionShortTextNo(d)), c.shorts[d]) << d;
      EXPECT_EQ(Text(GNW_GetDivisionLetterTextNo(d)), c.letters[d]) << d;
    }
    // One past the last division is no division; 6 is outside the league.
    const int16_t past = GNW_GetNumDivisions();
    EXPECT_EQ(GNW_GetDivisionNameTextNo(past), -1);
    EXPECT_EQ(GNW_GetDivisionLetterTextNo(past), -1);
    EXPECT_EQ(GNW_GetDivisionShortTextNo(past), past == 6 ? 808 : -1);
    EXPECT_EQ(Text(GNW_GetDivisionShortTextNo(6)), "Non.L.");
  }
}

TEST_F(CountryRulesTest, OutsideTheGameCountriesThereAreNoCompetitions) {
  for (int16_t country : {-1, 9, 31, 127}) {
    SCOPED_TRACE(country);
    GNW_SetGameCountry(country);
    EXPECT_EQ(GNW_GetNumDivisions(), 0);
    EXPECT_EQ(GNW_GetDivisionSize(0), 0);
    EXPECT_EQ(GNW_GetCupRounds(0), 0);
    EXPECT_EQ(GNW_DivisionHasPlayOffs(1), 0);
    EXPECT_EQ(GNW_GetCountryCompNameTextNo(0), -1);
    EXPECT_EQ(GNW_GetDivisionNameTextNo(0), -1);
    EXPECT_EQ(GNW_GetSuperCupTextNo(), -1);
    EXPECT_EQ(GNW_GetCompTextNo(5, nullptr, nullptr), -1);
    EXPECT_EQ(GNW_GetCompTextNo(0, nullptr, nullptr), 111);
    EXPECT_EQ(GNW_IsCupRoundTwoLegged(0), 0);
  }
}

TEST_F(CountryRulesTest, CompetitionTextsWithRoundAndMark) {
  struct {
    int country;
    int16_t code;
    const char* name;
    const char* round;  // "" for none
    const char* mark;
  } cases[] = {
      {0, 0, "League", "", ""},
      {0, 1, "Playoff Leg 1", "", ""},
      {0, 2, "Playoff Leg 2", "", ""},
      {0, 3, "Playoff Final", "", ""},
      {2, 1, "Playoff Final", "", ""},  // Italy's play-off semis
      {2, 3, "Playoff Final", "", ""},
      {0, 5, "F.A. Cup", "Rnd 1", ""},
      {0, 13, "F.A. Cup", "Rnd 1", "Replay"},
      {0, 11, "F.A. Cup", "S. Final", ""},
      {0, 12, "F.A. Cup", "Final", ""},
      {0, 21, "League Cup", "Rnd 1", "Leg 1"},  // two legs
      {0, 29, "League Cup", "Rnd 1", "Leg 2"},
      {0, 23, "League Cup", "Rnd 3", ""},
      {0, 31, "League Cup", "Rnd 3", "Replay"},
      {0, 26, "League Cup", "S. Final", "Leg 1"},
      {0, 27, "League Cup", "Final", ""},
      {0, 85, "Champions League", "Qual. Rnd 1", "Leg 1"},
      {0, 93, "Champions League", "Qual. Rnd 1", "Leg 2"},
      {0, 86, "Champions League", "Qual. Rnd 2", "Leg 1"},
      {0, 101, "Champions League", "Group A", ""},
      {0, 102, "Champions League", "Rnd 2", "Leg 1"},
      {0, 104, "Champions League", "S. Final", "Leg 1"},
      {0, 105, "Champions League", "Final", ""},
      {0, 117, "Friendly", "", ""},
      {0, 118, "", "", ""},
      {2, 5, "Coppa Italia", "Rnd 1", "Leg 1"},
      {2, 10, "Coppa Italia", "Final", ""},
      {2, 11, "Coppa Italia", "", ""},  // a round the cup does not have
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.country << " code " << c.code);
    GNW_SetGameCountry(static_cast<int16_t>(c.country));
    int16_t round = 0, mark = 0;
    EXPECT_EQ(Text(GNW_GetCompTextNo(c.code, &round, &mark)), c.name);
    EXPECT_EQ(Text(round), c.round);
    EXPECT_EQ(Text(mark), c.mark);
  }
}

TEST_F(CountryRulesTest, TheRoundTextNamesTheLastThreeRoundsOfAShortCup) {
  GNW_SetGameCountry(0);
  int16_t round = 0;
  GNW_GetCompTextNo(10, &round, nullptr);  // F.A. Cup round 5 of 8: three rounds left
  EXPECT_EQ(Text(round), "Rnd 6");
  GNW_GetCompTextNo(11, &round, nullptr);
  EXPECT_EQ(Text(round), "S. Final");
}

TEST_F(CountryRulesTest, CompetitionNameStrings) {
  struct {
    int country;
    int16_t code, division, detail;
    const char* expected;
  } cases[] = {
      {0, 0, 0, 0, "Premier Div."},
      {0, 0, 4, 1, "Conference"},
      {0, 3, 1, 0, "Division 1 Playoff Final"},
      {0, 0, 5, 0, ""},  // England has five divisions
      {0, 1, 7, 0, " Playoff Leg 1"},
      {0, 5, 0, 0, "F.A. Cup"},
      {0, 5, 0, 1, "F.A. Cup Rnd 1 "},  // no mark: a trailing blank
      {0, 29, 0, 1, "League Cup Rnd 1 Leg 2"},
      {0, 117, 0, 1, "Friendly"},
      {3, 0, 5, 0, "Regionalliga Ost"},
      {8, 4, 0, 0, "Belgian Super Cup"},
  };
  for (const auto& c : cases) {
    GNW_SetGameCountry(static_cast<int16_t>(c.country));
    EXPECT_STREQ(GNW_GetCompNameString(c.code, c.division, c.detail), c.expected) << c.code << " " << c.division;
  }
}

TEST_F(CountryRulesTest, TwoLeggedRoundsOfTheFirstCup) {
  GNW_SetGameCountry(2);
  for (int16_t r = 0; r < 5; ++r) EXPECT_EQ(GNW_IsCupRoundTwoLegged(r), 1) << r;
  EXPECT_EQ(GNW_IsCupRoundTwoLegged(5), 0);
  EXPECT_EQ(GNW_IsCupRoundTwoLegged(8), 0);
  EXPECT_EQ(GNW_IsCupRoundTwoLegged(-1), 0);
  GNW_SetGameCountry(0);
  EXPECT_EQ(GNW_IsCupRoundTwoLegged(0), 0);
}

TEST_F(CountryRulesTest, RollOfHonourPositions) {
  GNW_SetGameCountry(0);
  struct {
    int16_t kind;
    int16_t label;
    const char* name;
  } cases[] = {
      {1, 1466, "Premier Div."}, {4, 1466, "Division 3"},   {5, 1467, "Premier Div."},
      {8, 1467, "Division 3"},   {9, 1466, "F.A. Cup"},     {10, 1467, "F.A. Cup"},
      {15, 1466, "F.A. Trophy"}, {17, 1466, "UEFA Cup"},    {20, 1467, "Champions League Qual."},
      {22, 1467, "Champions League"}, {23, 1466, "Charity Shield"}, {28, 1466, "Conference"},
      {29, 1467, "Conference"},
  };
  for (const auto& c : cases) {
    int16_t label = 0;
    EXPECT_EQ(Text(GNW_GetCompPosition(c.kind, &label)), c.name) << c.kind;
    EXPECT_EQ(label, c.label) << c.kind;
  }
  // England has no sixth division; the Netherlands no third.
  int16_t label = 0;
  EXPECT_EQ(GNW_GetCompPosition(30, &label), -1);
  EXPECT_EQ(GNW_GetCompPosition(31, &label), -1);
  GNW_SetGameCountry(5);
  EXPECT_EQ(GNW_GetCompPosition(3, &label), -1);
  EXPECT_EQ(GNW_GetCompPosition(7, &label), -1);
  EXPECT_EQ(GNW_GetCompPosition(28, &label), -1);
  EXPECT_EQ(Text(GNW_GetCompPosition(2, &label)), "Eerste Divisie");
}

TEST_F(CountryRulesTest, AnUnknownPositionKindStopsTheGame) {
  for (int16_t kind : {0, 24, 27, 32, -1})
    EXPECT_FATAL(GNW_GetCompPosition(kind, nullptr), "It Go BANG in Funcs,GNW_GetCompPosition") << kind;
}

TEST_F(CountryRulesTest, GroupNames) {
  const char* names[] = {"Group A", "Group B", "Group C", "Group D", "Group E", "Group F", "Group G", "Group H"};
  for (int16_t g = 0; g < 8; ++g) EXPECT_EQ(Text(GNW_GetGroupTextNo(g)), names[g]);
  EXPECT_EQ(GNW_GetGroupTextNo(-1), -1);
  EXPECT_EQ(GNW_GetGroupTextNo(8), -1);
}

// ------------------------------------------------------------------ positions

class PositionsTest : public LeagueWorldTest {
 protected:
  // The division table as the league world lays it out, clubs in number order.
  void FillDivisionTable() {
    for (int d = 0; d < NUM_DIVISIONS; ++d)
      for (int p = 0; p < DIVISION_PLACES; ++p) DivisionTable[d][p] = NO_TABLE_CLUB;
    int places[NUM_DIVISIONS] = {};
    for (int16_t club = 0; club < tw::kLeagueClubs; ++club) {
      const int d = Club_GetDivision(club);
      DivisionTable[d][places[d]++] = static_cast<uint8_t>(club);
    }
  }
};

TEST_F(PositionsTest, EqualReputationsKeepTheExchangeOrder) {
  // A league of six clubs a-f with reputations 3, 5, 3, 5, 1, 3 (+ 10: the
  // field holds 3 to 63).
  for (int16_t club = 0; club < NUM_CLUBS; ++club) Club_SetDivision(club, 6);
  const int16_t a = 0, b = 1, c = 2, d = 3, e = 4, f = 5;
  const int reps[] = {13, 15, 13, 15, 11, 13};
  for (int16_t club = a; club <= f; ++club) {
    Club_SetDivision(club, 0);
    Club_SetRep(club, reps[club]);
  }
  const int16_t order[] = {b, d, c, a, f, e};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(GNW_GetClubReputationPos(order[i]), i) << order[i];
}

TEST_F(PositionsTest, ReputationOrderIsHighestFirstOverTheLeague) {
  for (int16_t club = 0; club < tw::kLeagueClubs; ++club) Club_SetRep(club, club % 60);
  Club_SetRep(50, 63);
  EXPECT_EQ(GNW_GetClubReputationPos(50), 0);
  std::vector<int> seen(tw::kLeagueClubs, 0);
  for (int16_t club = 0; club < tw::kLeagueClubs; ++club) {
    const int16_t pos = GNW_GetClubReputationPos(club);
    ASSERT_GE(pos, 0);
    ASSERT_LT(pos, tw::kLeagueClubs);
    ++seen[pos];
  }
  for (int count : seen) EXPECT_EQ(count, 1);
  // Outside the league or of another country: not in the list.
  EXPECT_FATAL(GNW_GetClubReputationPos(120), "in funcs GNW_GetClubReputationPos Team Not Found");
  EXPECT_FATAL(GNW_GetClubReputationPos(200), "in funcs GNW_GetClubReputationPos Team Not Found");
  EXPECT_FATAL(GNW_GetClubReputationPos(-1), "in funcs GNW_GetClubReputationPos Team Not Found");
}

TEST_F(PositionsTest, LeaguePlaceAndPositionText) {
  FillDivisionTable();
  struct {
    int16_t club, place;
    const char* text;
  } cases[] = {{0, 0, "1st"}, {1, 1, "2nd"}, {19, 19, "20th"}, {20, 0, "1st"}, {43, 23, "24th"}, {113, 21, "22nd"}};
  SetDrawAttribute(DRAW_ATTR_NUMBER_TYPE, 1);
  for (const auto& c : cases) {
    EXPECT_EQ(GNW_GetLeaguePlace(c.club), c.place) << c.club;
    EXPECT_STREQ(GNW_GetLeaguePosTextForTeam(c.club, GNW_GetClubDivision(c.club)), c.text) << c.club;
  }
  EXPECT_EQ(GetDrawAttribute(DRAW_ATTR_NUMBER_TYPE), 1);  // the number type is put back
  EXPECT_FATAL(GNW_GetLeaguePlace(120), "in funcs GNW_GetLeaguePlace Cant find Division for Team");
  EXPECT_FATAL(GNW_GetLeaguePosTextForTeam(0, 1),
               "in GNW_GetLeaguePosTextForTeam\\(\\) can't find team in that division");
  EXPECT_FATAL(GNW_GetLeaguePosTextForTeam(0, 1), "File: funcs ");
  EXPECT_FATAL(GNW_GetLeaguePosTextForTeam(0, 9), "can't find team in that division");
}

TEST_F(PositionsTest, DivisionIndexSlotAndClub) {
  FillDivisionTable();
  struct {
    int16_t club, index, found, slot;
  } cases[] = {
      {0, 0, 0, 0},   {19, 0, 0, 19}, {20, 1, 1, 0},   {43, 1, 1, 23}, {92, 4, 4, 0},
      {113, 4, 4, 21}, {114, 0, 6, -1}, {200, 0, 6, -1}, {249, 0, 6, -1}, {250, 0, 6, -1}, {-1, 0, 6, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GNW_GetClubDivisionIndex(c.club), c.index) << c.club;
    EXPECT_EQ(GNW_FindClubDivisionIndex(c.club), c.found) << c.club;
    EXPECT_EQ(GNW_GetClubDivisionSlot(c.club), c.slot) << c.club;
  }
  EXPECT_EQ(GNW_GetDivisionClub(1, 0), 20);
  EXPECT_EQ(GNW_GetDivisionClub(4, 22), 255);
  for (auto [d, p] : {std::pair<int16_t, int16_t>{-1, 0}, {6, 0}, {0, -1}, {0, 24}})
    EXPECT_EQ(GNW_GetDivisionClub(d, p), 255) << d << "," << p;
}

TEST_F(PositionsTest, ADivisionSlotCountsOnlyTheClubsOfThatDivision) {
  // Italy: its league starts behind England's and Scotland's clubs, which
  // stand in no division.
  ResetWorld();
  GNW_SetGameCountry(2);
  for (int d = 0; d < NUM_DIVISIONS; ++d)
    for (int p = 0; p < DIVISION_PLACES; ++p) DivisionTable[d][p] = NO_TABLE_CLUB;
  const int16_t start = static_cast<int16_t>(CountryBlockStart(2, 2));
  for (int p = 0; p < 18; ++p) DivisionTable[0][p] = static_cast<uint8_t>(start + p);
  EXPECT_EQ(GNW_GetClubDivisionSlot(start), 0);
  EXPECT_EQ(GNW_GetClubDivisionSlot(static_cast<int16_t>(start + 17)), 17);
  EXPECT_EQ(GNW_GetClubDivisionSlot(0), -1);  // an English club of Italy's world
}

TEST_F(PositionsTest, TableRowsOfAClub) {
  FillDivisionTable();
  LeagueTableRow& row = LeagueTable[21];
  row = LeagueTableRow{10, 3, 1, 1, 9, 4, 2, 2, 1, 6, 5, 18, 4};
  int16_t played = 0, points = 0, position = 0;
  EXPECT_EQ(GNW_GetClubTablePosition(21, &played, &points, &position), 5);
  EXPECT_EQ(played, 10);
  EXPECT_EQ(points, 18);
  EXPECT_EQ(position, 5);
  int16_t w, d, l, f, a;
  GNW_GetClubHomeRecord(21, &w, &d, &l, &f, &a);
  EXPECT_EQ((std::vector<int>{w, d, l, f, a}), (std::vector<int>{3, 1, 1, 9, 4}));
  GNW_GetClubAwayRecord(21, &w, &d, &l, &f, &a);
  EXPECT_EQ((std::vector<int>{w, d, l, f, a}), (std::vector<int>{2, 2, 1, 6, 5}));
  EXPECT_EQ(GNW_GetClubLeaguePosition(21), 4);
  LeagueTable[120].position = 7;
  EXPECT_EQ(GNW_GetClubLeaguePosition(120), 0);  // in no division
  EXPECT_EQ(GNW_GetClubOverallRank(21), Club_GetOverallRank(21));
  for (int16_t club : {-1, 250, 255, -32768}) {
    EXPECT_EQ(GNW_GetClubTablePosition(club, &played, &points, &position), 0) << club;
    EXPECT_EQ(played + points + position, 0);
    GNW_GetClubHomeRecord(club, &w, &d, &l, &f, &a);
    EXPECT_EQ(w + d + l + f + a, 0);
    GNW_GetClubAwayRecord(club, &w, &d, &l, &f, &a);
    EXPECT_EQ(w + d + l + f + a, 0);
    EXPECT_EQ(GNW_GetClubLeaguePosition(club), 0);
  }
}

// ------------------------------------------------------------------ Europe

class EuropeTest : public LeagueWorldTest {};

TEST_F(EuropeTest, QualifiersOfTheGameCountryFromTheThreeLists) {
  EuroListA[0] = 0;    // English
  EuroListA[1] = 124;  // another country's
  EuroListA[5] = 1;
  EuroListB[3] = 2;
  EuroListB[4] = 253;  // no world club
  EuroListC[10] = 3;
  EuroListC[63] = 4;
  int16_t cl = -1, uefa = -1;
  GetEuroQualifiers(&cl, &uefa);
  EXPECT_EQ(cl, 3);
  EXPECT_EQ(uefa, 2);
  const int16_t expected[EURO_QUALIFIERS_MAX] = {0, 1, 2, 3, 4, -1, -1, -1, -1, -1};
  for (int i = 0; i < EURO_QUALIFIERS_MAX; ++i) EXPECT_EQ(EuroQualifierList[i], expected[i]) << i;
}

TEST_F(EuropeTest, NineQualifiersLeaveTheTenthPlaceTenFillItElevenStopTheGame) {
  for (int i = 0; i < 9; ++i) EuroListC[i] = static_cast<uint8_t>(i);
  int16_t cl = 0, uefa = 0;
  GetEuroQualifiers(&cl, &uefa);
  EXPECT_EQ(uefa, 9);
  EXPECT_EQ(EuroQualifierList[8], 8);
  EXPECT_EQ(EuroQualifierList[9], -1);
  EuroListA[31] = 9;
  GetEuroQualifiers(&cl, &uefa);
  EXPECT_EQ(cl, 1);
  EXPECT_EQ(EuroQualifierList[0], 9);
  EXPECT_EQ(EuroQualifierList[9], 8);
  EuroListB[0] = 10;
  EXPECT_FATAL(GetEuroQualifiers(&cl, &uefa), "GetEuroQualifiers\\(\\): too many teams qualified for Europe");
}

TEST_F(EuropeTest, ChampionsLeagueGroups) {
  ChampionsLeagueGroups[2][0] = 5;
  ChampionsLeagueGroups[2][1] = 0;  // club 0 in a group that is not empty
  ChampionsLeagueGroups[2][2] = 7;
  ChampionsLeagueGroups[2][3] = 8;
  EXPECT_EQ(GNW_GetChampionsLeagueGroup(7), 2);
  EXPECT_EQ(GNW_GetChampionsLeagueGroup(0), 2);  // not group 0, which is empty
  EXPECT_EQ(GNW_GetChampionsLeagueGroupClub(3, 2), 8);
  EXPECT_EQ(GNW_GetChampionsLeagueGroupClub(1, 2), 0);
  EXPECT_EQ(GNW_GetChampionsLeagueGroupClub(0, 0), -1);  // empty
  for (auto [slot, group] : {std::pair<int16_t, int16_t>{-1, 2}, {4, 2}, {0, -1}, {0, 8}})
    EXPECT_EQ(GNW_GetChampionsLeagueGroupClub(slot, group), -1) << slot << "," << group;
  EXPECT_FATAL(GNW_GetChampionsLeagueGroup(9), "Team Not In Champions League, Funcs-GNW_GetChampionsLeagueGroup");
  GNW_ClearChampionsLeagueGroups();
  EXPECT_EQ(GNW_GetChampionsLeagueGroupClub(0, 2), -1);
  EXPECT_FATAL(GNW_GetChampionsLeagueGroup(0), "Team Not In Champions League");
}

// ------------------------------------------------------------------ fixture lookups

class FixtureLookupTest : public WorldTest {
 protected:
  int16_t Add(int day, int code, int home, int away) { return Fixture_Add(day, code, home, away, 0); }
  int16_t Played(int day, int code, int home, int away, int hg, int ag) {
    const int16_t n = Add(day, code, home, away);
    Fixture_SetResult(n, hg, ag);
    return n;
  }
};

TEST_F(FixtureLookupTest, NextFixturesFromToday) {
  using namespace tw;
  DayOfSeason = 10;
  Add(5, COMP_LEAGUE, kHumanClub, kLeagueClub);
  Add(10, COMP_SPECIAL, kHumanClub, kLeagueClub);  // skipped
  const int16_t friendly = Add(11, COMP_FRIENDLY, kLeagueClub, kHumanClub);
  const int16_t cup = Add(14, 21, kForeignClub, kHumanClub);
  const int16_t league = Add(17, COMP_LEAGUE, kHumanClub, kOutsideClub);
  EXPECT_EQ(GNW_FindNextFixture(kHumanClub), friendly);
  EXPECT_EQ(GNW_GetNextOpponent(kHumanClub), kLeagueClub);
  EXPECT_EQ(GNW_FindNextCupFixture(kHumanClub), cup);
  EXPECT_EQ(GNW_FindClubFixtureOnDay(kHumanClub, 17), league);
  EXPECT_EQ(GNW_FindClubFixtureOnDay(kHumanClub, 10), 1);  // any code counts
  EXPECT_EQ(GNW_FindClubMatchOnDay(kHumanClub, 17), league);
  EXPECT_EQ(GNW_FindClubFriendlyOnDay(kHumanClub, 11), friendly);
  DayOfSeason = 15;
  EXPECT_EQ(GNW_GetNextOpponent(kHumanClub), kOutsideClub);
  EXPECT_EQ(GNW_FindNextCupFixture(kHumanClub), -1);
  DayOfSeason = 18;
  EXPECT_EQ(GNW_FindNextFixture(kHumanClub), -1);
  EXPECT_EQ(GNW_GetNextOpponent(kHumanClub), -1);
  // Club 0 plays in no empty slot.
  EXPECT_EQ(GNW_FindClubFixtureOnDay(kHumanClub, 511), -1);
  EXPECT_EQ(GNW_FindClubFixtureOnDay(-1, 5), -1);
}

TEST_F(FixtureLookupTest, TheHumanClubsLastFixture) {
  using namespace tw;
  const int16_t a = Add(3, COMP_LEAGUE, kLeagueClub, kHumanClub);
  Add(6, COMP_FRIENDLY, kHumanClub, kForeignClub);
  const int16_t b = Add(8, 5, kHumanClub, kForeignClub);
  Add(8, COMP_LEAGUE, kLeagueClub, kOutsideClub);
  DayOfSeason = 8;
  EXPECT_EQ(GNW_FindHumanLastFixture(0), a);  // days before today
  EXPECT_EQ(HumanLastFixture, a);
  EXPECT_EQ(GNW_FindHumanLastFixture(1), b);  // today's too
  DayOfSeason = 3;
  EXPECT_EQ(GNW_FindHumanLastFixture(0), 0);  // none: 0
  EXPECT_EQ(GNW_IsHumanFixture(a), 1);
  EXPECT_EQ(GNW_IsHumanFixture(3), 0);
  EXPECT_EQ(GNW_IsHumanFixture(4), 0);  // an empty slot
  EXPECT_EQ(GNW_IsHumanFixture(-1), 0);
  EXPECT_EQ(GNW_IsHumanFixture(NUM_FIXTURES), 0);
}

TEST_F(FixtureLookupTest, SecondLegs) {
  using namespace tw;
  const int16_t first = Add(20, 21, kHumanClub, kLeagueClub);
  Add(25, 22, kLeagueClub, kHumanClub);  // another round
  const int16_t second = Add(34, 29, kLeagueClub, kHumanClub);
  const int16_t leagueA = Add(40, COMP_LEAGUE, kHumanClub, kLeagueClub);
  const int16_t leagueB = Add(50, COMP_LEAGUE, kLeagueClub, kHumanClub);
  EXPECT_EQ(GNW_IsSecondLegFixture(first), 0);
  EXPECT_EQ(GNW_IsSecondLegFixture(second), 1);
  EXPECT_EQ(GNW_IsSecondLegFixture(1), 0);
  EXPECT_EQ(GNW_IsSecondLegFixture(leagueA), 0);
  EXPECT_EQ(GNW_IsSecondLegFixture(leagueB), 0);  // a league return match is no second leg
  for (int16_t n : {-1, 10, NUM_FIXTURES}) EXPECT_EQ(GNW_IsSecondLegFixture(n), 0) << n;
}

TEST_F(FixtureLookupTest, FixtureCompetitionInfo) {
  using namespace tw;
  DivisionTable[1][0] = kLeagueClub;
  const int16_t league = Add(1, COMP_LEAGUE, kLeagueClub, kHumanClub);
  const int16_t cup = Add(2, 30, kHumanClub, kLeagueClub);
  const int16_t friendly = Add(3, COMP_FRIENDLY, kHumanClub, kLeagueClub);
  int16_t d, c, r;
  GNW_GetFixtureCompInfo(league, &d, &c, &r);
  EXPECT_EQ((std::vector<int>{d, c, r}), (std::vector<int>{1, -2, -1}));
  GNW_GetFixtureCompInfo(cup, &d, &c, &r);
  EXPECT_EQ((std::vector<int>{d, c, r}), (std::vector<int>{-2, 1, 1}));
  GNW_GetFixtureCompInfo(friendly, &d, &c, &r);
  EXPECT_EQ((std::vector<int>{d, c, r}), (std::vector<int>{-2, -2, -1}));
  for (int16_t n : {int16_t{-1}, int16_t{3}, int16_t{NUM_FIXTURES}}) {
    GNW_GetFixtureCompInfo(n, &d, &c, &r);
    EXPECT_EQ((std::vector<int>{d, c, r}), (std::vector<int>{-2, -2, -1})) << n;
  }
}

TEST_F(FixtureLookupTest, TodaysFixturesRelatedToTheHumanClubs) {
  using namespace tw;
  DayOfSeason = 7;
  for (int d = 0; d < NUM_DIVISIONS; ++d)
    for (int p = 0; p < DIVISION_PLACES; ++p) DivisionTable[d][p] = NO_TABLE_CLUB;
  DivisionTable[0][0] = kHumanClub;
  DivisionTable[0][1] = 10;
  DivisionTable[0][2] = 11;
  DivisionTable[0][3] = 12;
  DivisionTable[1][0] = kLeagueClub;
  DivisionTable[1][1] = 13;
  Add(6, COMP_LEAGUE, 10, 11);                  // yesterday: not counted
  Add(7, COMP_LEAGUE, 12, kHumanClub);          // the human fixture
  Add(7, COMP_LEAGUE, 10, 11);                  // same division
  Add(7, COMP_LEAGUE, kLeagueClub, 13);         // another division
  Add(7, 5, 20, 21);                            // a cup
  Add(7, COMP_FRIENDLY, 30, 31);
  int16_t related = -1, other = -1;
  GNW_CountRelatedFixturesToday(&related, &other);
  EXPECT_EQ(related, 2);
  EXPECT_EQ(other, 3);

  // A friendly of the human club: only friendlies are related.
  Fixture_ClearAll();
  Add(7, COMP_FRIENDLY, kHumanClub, 40);
  Add(7, COMP_FRIENDLY, 30, 31);
  Add(7, COMP_LEAGUE, 10, 11);
  GNW_CountRelatedFixturesToday(&related, &other);
  EXPECT_EQ(related, 2);
  EXPECT_EQ(other, 1);

  // No human fixture today: every fixture is other.
  Fixture_ClearAll();
  Add(7, COMP_LEAGUE, 10, 11);
  Add(7, 5, 20, 21);
  GNW_CountRelatedFixturesToday(&related, &other);
  EXPECT_EQ(related, 0);
  EXPECT_EQ(other, 2);
}

TEST_F(FixtureLookupTest, NextFixtureOfACompetitionGroup) {
  using namespace tw;
  Club_SetDivision(10, 0);
  Club_SetDivision(11, 2);
  const int16_t league2 = Add(9, COMP_LEAGUE, 11, 12);
  const int16_t league0 = Add(9, COMP_LEAGUE, 10, 12);
  const int16_t cl = Add(9, 101, 20, 21);
  const int16_t fa = Add(9, 5, 22, 23);
  Add(10, 85, 24, 25);  // another day
  struct {
    int16_t group, start, once;
    int16_t found, groupAfter;
  } cases[] = {
      {1, -1, 0, cl, 1},         // Champions League
      {4, -1, 0, fa, 4},         // cup 0
      {7, -1, 0, league0, 7},    // league, division 0
      {9, -1, 0, league2, 9},    // league, division 2
      {2, -1, 0, fa, 4},         // nothing in group 2 on day 9: the next group with a fixture
      {2, -1, 1, -1, 2},         // once: only group 2, and the group stays
      {9, league2, 0, cl, 1},    // only fixtures after the start index count
      {11, -1, 0, cl, 1},        // wraps after group 13
      {-3, -1, 0, cl, 1},        // a group outside the table starts at 0
  };
  for (const auto& c : cases) {
    int16_t g = c.group;
    EXPECT_EQ(GNW_FindNextCompFixture(9, c.start, c.once, &g), c.found) << c.group << " from " << c.start;
    EXPECT_EQ(g, c.groupAfter) << c.group << " from " << c.start;
  }
  int16_t g9 = 9;
  GNW_FindNextCompFixture(9, -1, 0, &g9);
  EXPECT_EQ(FixtureDivisionFilter, 2);  // the league group sets the division it looks for
  int16_t g = 5;
  EXPECT_EQ(GNW_FindNextCompFixture(30, -1, 0, &g), -1);  // nothing on the day: all fourteen tried
  EXPECT_EQ(g, 4);
}

TEST_F(FixtureLookupTest, RegularPlayersAndGamesPlayed) {
  using namespace tw;
  DayOfSeason = 20;
  for (int day = 0; day < 10; ++day) Add(day, day % 2 ? COMP_LEAGUE : COMP_FRIENDLY, kHumanClub, kLeagueClub);
  Add(25, COMP_LEAGUE, kHumanClub, kLeagueClub);
  // Ten fixtures before today: 10 x 60 / 100 = 6.
  Player_SetApps(kForward, 6);
  EXPECT_EQ(GNW_IsRegularPlayer(kForward, kHumanClub), 0);
  Player_SetApps(kForward, 7);
  EXPECT_EQ(GNW_IsRegularPlayer(kForward, kHumanClub), 1);
  EXPECT_EQ(GNW_CountClubGamesPlayed(kHumanClub), 5);  // friendlies not counted
  // No fixtures played yet: any appearance makes a regular.
  EXPECT_EQ(GNW_IsRegularPlayer(kMidfielder, kOutsideClub), 0);
  Player_SetApps(kMidfielder, 1);
  EXPECT_EQ(GNW_IsRegularPlayer(kMidfielder, kOutsideClub), 1);
}

TEST_F(FixtureLookupTest, LastFiveLeagueResultsLatestFirst) {
  using namespace tw;
  DayOfSeason = 30;
  EXPECT_STREQ(GNW_ListClubResults(kHumanClub), "-----");
  Played(1, COMP_LEAGUE, kHumanClub, kLeagueClub, 2, 0);   // W (oldest)
  Played(4, COMP_LEAGUE, kLeagueClub, kHumanClub, 1, 1);   // D
  Played(6, 5, kLeagueClub, kHumanClub, 5, 0);             // a cup tie: not counted
  Played(8, COMP_LEAGUE, kLeagueClub, kHumanClub, 3, 1);   // L
  EXPECT_STREQ(GNW_ListClubResults(kHumanClub), "LDW--");
  Played(12, COMP_LEAGUE, kHumanClub, kOutsideClub, 0, 2);  // L
  Played(15, COMP_LEAGUE, kOutsideClub, kHumanClub, 0, 4);  // W
  Played(18, COMP_LEAGUE, kHumanClub, kForeignClub, 2, 2);  // D
  Add(29, COMP_LEAGUE, kHumanClub, kLeagueClub);           // not played
  Played(30, COMP_LEAGUE, kHumanClub, kLeagueClub, 1, 0);  // today
  EXPECT_STREQ(GNW_ListClubResults(kHumanClub), "DWLLD");
  EXPECT_STREQ(GNW_ListClubResults(-1), "-----");
}

TEST_F(FixtureLookupTest, TheMatchPagesFixtureAndTheHumanFixtureOfADay) {
  using namespace tw;
  Add(4, COMP_LEAGUE, kLeagueClub, kOutsideClub);
  const int16_t n = Add(4, 37, kForeignClub, kHumanClub);
  GNW_SetMatchFixtureGlobals(n);
  EXPECT_EQ(MatchFixtureHome, kForeignClub);
  EXPECT_EQ(MatchFixtureAway, kHumanClub);
  EXPECT_EQ(MatchFixtureComp, 37);
  EXPECT_EQ(GNW_FindHumanFixtureOnDay(4), n);
  EXPECT_EQ(GNW_FindHumanFixtureOnDay(5), -1);
  Club_SetControl(kHumanClub, 0);
  EXPECT_EQ(GNW_FindHumanFixtureOnDay(4), -1);
}

TEST_F(FixtureLookupTest, SeasonDays) {
  FirstMatchDay = 28;
  Postdate = 301;
  DeadlineDay3 = 250;
  EXPECT_EQ(GNW_GetSeasonStartDay(), 28);
  EXPECT_EQ(GNW_GetPostDate(), 301);
  EXPECT_EQ(GNW_GetWindowEndDay(), 250);
}

TEST_F(FixtureLookupTest, RandomValuesForADivision) {
  GNW_FillRandomDivisionList(0);  // England's first division: 20 clubs
  for (int i = 0; i < 20; ++i) {
    EXPECT_GE(SquadCompanionList[i], 0);
    EXPECT_LT(SquadCompanionList[i], 100);
  }
  for (int i = 20; i < SQUAD_COMPANION_SIZE; ++i) EXPECT_EQ(SquadCompanionList[i], 0) << i;
  GNW_FillRandomDivisionList(6);
  GNW_FillRandomDivisionList(-1);
}

// ------------------------------------------------------------------ bridges

class BridgesTest : public WorldTest {};

TEST_F(BridgesTest, AdvanceDayRunsTheDayAdvanceInsideTheBusyState) {
  GNW_AdvanceDay();
  EXPECT_EQ(DayOfSeason, 1);
  EXPECT_EQ(DayOfMonth, 11);
  ASSERT_GE(Seam_Calls().size(), 3u);
  EXPECT_EQ(Seam_Calls().front().name, "SetBusyPointer");
  EXPECT_EQ(Seam_Calls().front().args, std::vector<int32_t>{1});
  EXPECT_EQ(Seam_Calls().back().name, "SetBusyPointer");
  EXPECT_EQ(Seam_Calls().back().args, std::vector<int32_t>{0});
  EXPECT_EQ(Seam_CountCalls("DailyClubAI"), 1);
  EXPECT_EQ(Seam_CountCalls("SnapshotSquadProgress"), 0);

  // The last day of a season (2000/01 has no 29 February): the new year, and
  // the human club's squad progress is kept.
  Seam_ClearCalls();
  DayOfSeason = 364;
  DayOfMonth = 9;
  Month = 6;
  Year = 2001;
  GNW_AdvanceDay();
  EXPECT_EQ(SeasonCounter, 1);
  ASSERT_EQ(Seam_CountCalls("SnapshotSquadProgress"), 1);
  const size_t n = Seam_Calls().size();
  EXPECT_EQ(Seam_Calls()[n - 3].name, "StartNewSeason");
  EXPECT_EQ(Seam_Calls()[n - 2].name, "SnapshotSquadProgress");
  EXPECT_EQ(Seam_Calls()[n - 2].args, std::vector<int32_t>{tw::kHumanClub});
}

TEST_F(BridgesTest, EveryBridgeForwardsItsArguments) {
  struct {
    void (*call)();
    const char* name;
    std::vector<int32_t> args;
  } cases[] = {
      {[] { GNW_HumanClubsAppointCoach(3); }, "HumanClubsAppointCoach", {3}},
      {[] { GNW_ComputerClubsHireStaff(1, 2); }, "ComputerClubsHireStaff", {1, 2}},
      {[] { GNW_UpdateTransferWindows(9); }, "UpdateTransferWindows", {0, 0}},
      {[] { GNW_CompleteMatchTeam(4, 5); }, "CompleteMatchTeam", {4, COMP_LEAGUE, 0, 5}},
      {[] { GNW_ClearClubCaptains(2); }, "ClearClubCaptainFlags", {2}},
      {[] { GNW_InitTrainingBuffer(); }, "TrainingBuffer_Init", {}},
      {[] { GNW_SyncTrainingBuffer(); }, "TrainingBuffer_Sync", {}},
      {[] { GNW_SaveTrainingSliders(1); }, "SaveTrainingSliders", {1}},
      {[] { GNW_ResetTrainingSliders(0); }, "ResetTrainingSliders", {0}},
      {[] { GNW_SnapshotSquadProgress(6); }, "SnapshotSquadProgress", {6}},
      {[] { EXPECT_EQ(GNW_GetClubManager(6), 1); }, "GetClubManager", {6}},
      {[] { GNW_GetPlayerTactic(tw::kKeeper); }, "GetPlayerTacticType", {tw::kKeeper}},
      {[] { GNW_GeneratePlayerStats(tw::kKeeper); }, "EstimatePlayerStats", {tw::kKeeper}},
      {[] { GNW_ChooseMatchView(2); }, "ChooseMatchViewMode", {0, 2}},
  };
  for (const auto& c : cases) {
    Seam_ClearCalls();
    c.call();
    ASSERT_EQ(Seam_Calls().size(), 1u) << c.name;
    EXPECT_EQ(Seam_Calls()[0].name, c.name);
    EXPECT_EQ(Seam_Calls()[0].args, c.args) << c.name;
  }
}

TEST_F(BridgesTest, PlayNextFixtureIsTheMatchDays) {
  // Nothing to play today: the match day answers 0 and asks nobody.
  EXPECT_EQ(GNW_PlayNextFixture(), 0);
  EXPECT_TRUE(Seam_Calls().empty());
  // A league fixture today is played and booked.
  ASSERT_GE(Fixture_Add(DayOfSeason, COMP_LEAGUE, tw::kHumanClub, tw::kLeagueClub, 0), 0);
  EXPECT_EQ(GNW_PlayNextFixture(), 1);
  EXPECT_EQ(Fixture_IsPlayed(0), 1);
  EXPECT_EQ(GNW_PlayNextFixture(), 0);
}

TEST_F(BridgesTest, TeamSelectionNamesTheManagerAndBuildsTheSquadFirst) {
  ClubSim.getClubManager = [](int16_t) -> int16_t { return tw::kHumanManager; };
  ClubSim.selectMatchTeam = [](int16_t club, int16_t, int16_t, int16_t subs) {
    EXPECT_EQ(CurrentManager, tw::kHumanManager);
    EXPECT_EQ(SquadListLength, 3);  // club 0's keeper, defender and forward
    EXPECT_EQ(club, tw::kHumanClub);
    EXPECT_EQ(subs, 5);
  };
  GNW_SelectClubTeam(tw::kHumanClub, 5);
}

TEST_F(BridgesTest, TheHumanFixtureCompetitionIsKept) {
  SeasonEngine.findHumanFixtureComp = [](int16_t manager, int16_t* division) -> int16_t {
    *division = 2;
    return static_cast<int16_t>(manager == 1 ? 0 : 21);
  };
  EXPECT_EQ(GNW_FindHumanFixtureComp(1), 0);
  EXPECT_EQ(HumanFixtureComp[0], 0);
  EXPECT_EQ(HumanFixtureComp[1], 2);
}

TEST_F(BridgesTest, MenuBackgroundAndTheMatchViewsBusyState) {
  GNW_RedrawMenuBackground();
  ASSERT_EQ(Seam_Calls().size(), 3u);
  EXPECT_EQ(Seam_Calls()[0].name, "DoBackground");
  EXPECT_EQ(Seam_Calls()[0].args, std::vector<int32_t>{0});
  EXPECT_EQ(Seam_Calls()[1].name, "SaveScreenBackground");
  EXPECT_EQ(Seam_Calls()[2].name, "UpdateMenuScreen");
  Seam_ClearCalls();
  MatchViewBusyFlags = 3;
  GNW_ChooseMatchView(1);
  EXPECT_EQ(MatchViewBusyFlags, 2);
  ASSERT_EQ(Seam_Calls().size(), 2u);
  EXPECT_EQ(Seam_Calls()[0].name, "SetBusyPointer");
  EXPECT_EQ(Seam_Calls()[0].args, std::vector<int32_t>{0});
}

TEST_F(BridgesTest, FixturesAndFriendliesGoToTheFixtureList) {
  using namespace tw;
  const int16_t n = GNW_AddFixture(12, 21, kHumanClub, kLeagueClub, 1);
  EXPECT_EQ(Fixture_GetDay(n), 12);
  EXPECT_EQ(Fixture_GetCompetition(n), 21);
  EXPECT_EQ(Fixture_GetHomeClub(n), kHumanClub);
  EXPECT_EQ(Fixture_GetAwayClub(n), kLeagueClub);
  EXPECT_EQ(Fixture_GetLegFlag(n), 1);
  EXPECT_EQ(GNW_CanArrangeFriendly(kHumanClub), 0);  // a fixture within 13 days
  DayOfSeason = 13;
  EXPECT_EQ(GNW_CanArrangeFriendly(kHumanClub), 1);
  EXPECT_EQ(GNW_SortFixtures(), Fixture_OrderTodayForHumanClub());
  EXPECT_EQ(GNW_IsPlayerCupTied(kKeeper), Player_IsCupTiedForNextMatch(kKeeper));
}

TEST_F(BridgesTest, AClubHistoryEventKeepsItsValuesInTheLogsOrder) {
  GNW_AddClubHistoryEvent(tw::kForward, 300, tw::kHumanClub, 7, 0);
  ASSERT_EQ(ClubEventLog_Used(), 1);
  const ClubEvent event = ClubEventLogEntry_Decode(ClubEventLog[0]);
  EXPECT_EQ(event.player, tw::kForward);
  EXPECT_EQ(event.club, tw::kHumanClub);
  EXPECT_EQ(event.value, 300);
  EXPECT_EQ(event.value2, 7);
  EXPECT_EQ(event.type, 0);
}

}  // namespace
