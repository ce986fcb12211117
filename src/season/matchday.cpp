// The match day: today's fixtures, their preparation and their booking.
#include "season/matchday.h"

#include <algorithm>
#include <cstdlib>

#include "clubsim/squadlist.h"
#include "engine/bytes.h"
#include "engine/reset.h"
#include "gamecode/matchrec.h"
#include "menus/menucont.h"
#include "season/playfix.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "season/simsheet.h"
#include "world/calendar.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/history.h"
#include "world/lists.h"
#include "world/players.h"
#include "world/static_country.h"
#include "world/static_cups.h"
#include "world/static_officials.h"
#include "world/textmess.h"

int16_t CurrentMatchScores[4];
int16_t FirstLegGoals[2];
int32_t MatchAttendance;
int16_t ExtraTimeRule;
int16_t PenaltiesRule;
int16_t SecondLegFlag;
int16_t HomeCrowdShare;
int16_t MatchDayFixture;
int16_t MatchNote;
int32_t ShootoutList[MAX_SHOOTOUTS];
int16_t ShootoutCount;
int16_t FixturesPlayedCount;
void (*MatchSideWatcher)(int16_t club, int16_t competition, bool picked) = nullptr;
int16_t FollowedCompetition = -1;
int16_t FollowedDivision = -1;
int16_t MatchReportView;
uint8_t MatchReportFlags;

namespace {

enum Score { HOME_GOALS = 0, AWAY_GOALS = 1, HOME_SHOOTOUT = 2, AWAY_SHOOTOUT = 3 };

constexpr int MAX_SUBSTITUTES = 5;
constexpr int FRIENDLY_SUBSTITUTES = 5;
constexpr int16_t SETUP_MATCH_LENGTH_VALUE = 5;
constexpr int16_t SETUP_THREE_VALUE = 3;
constexpr int GOLDEN_GOAL_EXTRA_TIME = 4;
constexpr int16_t SMALL_GROUND_STANDS = 1;
constexpr int16_t BIG_GROUND_STANDS = 7;
constexpr int32_t SMALL_GROUND_LIMIT = 16000;
constexpr int32_t NEUTRAL_GROUND_CAPACITY = 100000;
constexpr int32_t SEATS_PER_CAPACITY_UNIT = 1000;
constexpr int STANDS = 4;
constexpr int RESERVE_TIDY_LIMIT = 75;
constexpr int16_t FIRST_HUMAN_MANAGER = 1;
constexpr int NORMALISED_SKILLS[] = {0, 3, 1, 4, 2, 6};
constexpr int PLAYOFF_TABLE_PLACES = NUM_DIVISIONS * 4;
constexpr uint8_t NO_PLAYOFF_CLUB = 255;
constexpr int16_t HONOUR_SUPER_CUP = 23;
constexpr int16_t EVENT_PROMOTED = 8;
constexpr int16_t EVENT_RELEGATED = 9;
constexpr int NEWS_PLAYOFF_PROMOTION = 43;
constexpr int NEWS_RELEGATED = 45;
constexpr int ONE_MONTH = 30;
constexpr int16_t MAX_FIXTURE_IN_SHOOTOUT = 0x7FFF;
// A match outside the fixture list: an even crowd, the ground half full.
constexpr int16_t CLUB_MATCH_CROWD_SHARE = 50;
constexpr uint8_t CLUB_MATCH_CROWD_LEVEL = 2;

bool IsCupCode(int code) { return code >= COMP_CUP_FIRST && code <= COMP_CUP_LAST; }
int CupOf(int code) { return (code - COMP_CUP_FIRST) / COMP_CUP_CODES; }
int CodeInCup(int code) { return (code - COMP_CUP_FIRST) % COMP_CUP_CODES; }  // 0-7 first legs, 8-15 second
bool IsSecondLegCode(int code) { return IsCupCode(code) && CodeInCup(code) >= CUP_ROUNDS; }
int RoundOf(int code) { return CodeInCup(code) % CUP_ROUNDS; }

const CupRoundRecord* RoundRecord(int code) {
  if (!IsCupCode(code) || !IsGameCountry(GameCountry)) return nullptr;
  return &CupRoundData[GameCountry][CupOf(code)][RoundOf(code)];
}

bool Human(int16_t club) { return Club_GetControl(club) != 0; }
bool LeagueClubOfGameCountry(int16_t club) {
  const int16_t division = Club_GetDivision(club);
  return IsGameCountry(GameCountry) && Club_GetCountry(club) == GameCountry && division >= 0 &&
         division < NUM_DIVISIONS;
}
bool AnyPlayoffRuleIs(int16_t value) {
  if (!IsGameCountry(GameCountry)) return false;
  for (int16_t rule : PlayoffRules[GameCountry])
    if (rule == value) return true;
  return false;
}

// ---- preparation ----

void TidyReservePool(int16_t home, int16_t away) {
  int held = 0;
  for (int16_t slot = 0; slot < NUM_RESERVE_SLOTS; ++slot)
    if (Reserve_GetClub(slot) != PLAYER_CLUB_NONE) ++held;
  if (held <= RESERVE_TIDY_LIMIT || Human(home) || Human(away)) return;
  const int16_t human = GNW_GetHumanClub(FIRST_HUMAN_MANAGER);
  for (int16_t slot = 0; slot < NUM_RESERVE_SLOTS; ++slot) {
    if (Reserve_GetClub(slot) == human) continue;
    Reserve_SetInUse(slot, 0);
    const int16_t player = Reserve_GetPlayer(slot);
    if (player >= 0 && player < PlayerCount) Player_SetClub(player, PLAYER_CLUB_FREE_AGENT);
  }
}

int16_t SubstitutesAllowed(int16_t code, int16_t home) {
  int value = MAX_SUBSTITUTES;
  if (code == COMP_FRIENDLY) {
    value = FRIENDLY_SUBSTITUTES;
  } else if (const CupRoundRecord* round = RoundRecord(code)) {
    value = round->substitutes;
  } else if (IsGameCountry(GameCountry)) {
    const int16_t division = Club_GetDivision(home);
    if (division >= 0 && division < NUM_DIVISIONS) value = DivisionRules[GameCountry][division].substitutes;
  }
  // A round the country does not play has no substitutes' rule (-1): the
  // bench's five places, and never more.
  if (value < 0) value = MAX_SUBSTITUTES;
  return static_cast<int16_t>(std::min(value, MAX_SUBSTITUTES));
}

// The reverse fixture's goals: what this leg's home side and away side
// scored in the first leg.
void ReadFirstLegGoals(int16_t home, int16_t away, int16_t firstLegCode) {
  const int16_t first = Fixture_Find(away, home, firstLegCode);
  FirstLegGoals[0] = Fixture_GetAwayGoals(first);
  FirstLegGoals[1] = Fixture_GetHomeGoals(first);
}

void SetRules(int16_t code, int16_t home, int16_t away) {
  if (code == 2) {
    // The second leg of a play-off semi-final; its first leg has code 1.
    SecondLegFlag = 1;
    ExtraTimeRule = PenaltiesRule = 1;
    ReadFirstLegGoals(home, away, 1);
  } else if (code == 3 || code == COMP_SUPER_CUP ||
             (code == 1 && IsGameCountry(GameCountry) && PlayoffRules[GameCountry][0] == PLAYOFF_SINGLE_MATCH)) {
    ExtraTimeRule = PenaltiesRule = 1;
  } else if (const CupRoundRecord* round = RoundRecord(code)) {
    if (!IsSecondLegCode(code)) {
      ExtraTimeRule = round->extraTime;
      PenaltiesRule = round->legs;
    } else {
      if (round->legs == 2) {
        SecondLegFlag = 1;
        ReadFirstLegGoals(home, away, static_cast<int16_t>(code - CUP_ROUNDS));
      }
      ExtraTimeRule = round->extraTime2;
      PenaltiesRule = round->penalties2;
    }
  }
  if (PenaltiesRule == 2 || PenaltiesRule == 3) PenaltiesRule = 0;
  // -1 marks a rule of a round that plays no such match: none.
  ExtraTimeRule = std::max<int16_t>(ExtraTimeRule, 0);
  PenaltiesRule = std::max<int16_t>(PenaltiesRule, 0);
}

void PrepareSide(int side, int16_t club, int16_t substitutes, int16_t code, bool neutral) {
  CurrentManager = ClubSim.getClubManager(club);
  BuildClubSquadList(club);
  if (MatchSideWatcher != nullptr) MatchSideWatcher(club, code, false);
  // The match day's own pick: the bans of the players left out are served.
  if (SoakRunActive != 0 || !Human(club)) ClubSim.selectMatchTeam(club, code, 1, substitutes);
  else ClubSim.completeMatchTeam(club, code, 1, substitutes);
  if (MatchSideWatcher != nullptr) MatchSideWatcher(club, code, true);
  FillMatchSide(side, club, substitutes, code, neutral);
}

// Pays gate money R to a club of the game country's league, less the levy,
// out of the money pool.
void PayGate(int16_t club, int32_t receipts) {
  if (!LeagueClubOfGameCountry(club)) return;
  Club_SetGateReceipts(club, Club_GetGateReceipts(club) + receipts);
  const int32_t levy = GateLevyPercent() * receipts / 100;
  const int32_t net = receipts - levy;
  Club_AddToBalance(club, net);
  Club_AddToBalance(CLUB_MONEY_POOL, -net);
  Club_SetMiscOut(club, Club_GetMiscOut(club) + levy);
  if (Human(club)) SeasonEngine.addWeeklyMatchIncome(club, net);
}

// The club's league fixtures at home before today.
int32_t EarlierLeagueHomeGames(int16_t club) {
  int32_t n = 0;
  for (int16_t f = 0; f < NUM_FIXTURES; ++f) {
    const int16_t day = Fixture_GetDay(f);
    if (day == FIXTURE_EMPTY_DAY || day >= DayOfSeason) break;
    if (Fixture_GetCompetition(f) == COMP_LEAGUE && Fixture_GetHomeClub(f) == club) ++n;
  }
  return n;
}

// ---- booking ----

// 0 the home side won on these scores or the shoot-out, 1 the away side, -1 level.
int Winner(const int16_t scores[4]) {
  if (scores[HOME_GOALS] != scores[AWAY_GOALS]) return scores[HOME_GOALS] > scores[AWAY_GOALS] ? 0 : 1;
  if (scores[HOME_SHOOTOUT] != scores[AWAY_SHOOTOUT]) return scores[HOME_SHOOTOUT] > scores[AWAY_SHOOTOUT] ? 0 : 1;
  return -1;
}

void BookLeague(int16_t home, int16_t away, int16_t homeGoals, int16_t awayGoals) {
  if (home < 0 || home >= NUM_CLUBS || away < 0 || away >= NUM_CLUBS) return;
  int16_t winPoints = 0;
  const int16_t division = Club_GetDivision(home);
  if (IsGameCountry(GameCountry) && division >= 0 && division < NUM_DIVISIONS)
    winPoints = DivisionRules[GameCountry][division].winPoints;
  LeagueTable_AddResult(home, away, homeGoals, awayGoals, winPoints);
}

// The beaten club of a play-off tie out of the play-off table.
void KnockOutOfPlayoffs(int16_t home, int16_t away) {
  const int winner = Winner(CurrentMatchScores);
  if (winner < 0) return;
  const int16_t loser = winner == 0 ? away : home;
  uint8_t* table = SeasonEngine.getPlayoffTable();
  if (table == nullptr) return;
  for (int i = 0; i < PLAYOFF_TABLE_PLACES; ++i)
    if (table[i] == loser) table[i] = NO_PLAYOFF_CLUB;
}

void SetDivisionWithNews(int16_t club, int16_t division, int16_t experience, int news, int16_t event) {
  Club_SetDivision(club, division);
  SeasonEngine.clubAwardSquadExperience(club, experience);
  SetNewsArgs(club, -1, -1, -1, -1, -1, -1, -1, -1);
  ShowNewsMessage(GetRandomNewsText(news), 0, NEWS_SHOW_HUMAN_CLUB, club, -1);
  ClubEventLog_Add(0, club, 0, division, event);
}

void BookPlayoffFinal(int16_t home, int16_t away) {
  const bool homeWins = CurrentMatchScores[HOME_GOALS] > CurrentMatchScores[AWAY_GOALS] ||
                        CurrentMatchScores[HOME_SHOOTOUT] > CurrentMatchScores[AWAY_SHOOTOUT];
  const int16_t winner = homeWins ? home : away, loser = homeWins ? away : home;
  const int16_t winnerDivision = Club_GetDivision(winner), loserDivision = Club_GetDivision(loser);
  if (winnerDivision == loserDivision) {
    if (!IsGameCountry(GameCountry) || winnerDivision < 0 || winnerDivision >= NUM_DIVISIONS) return;
    SetDivisionWithNews(winner, PlayoffTargetDivision[GameCountry][winnerDivision], 3, NEWS_PLAYOFF_PROMOTION,
                        EVENT_PROMOTED);
  } else if (winnerDivision > loserDivision) {
    SetDivisionWithNews(winner, static_cast<int16_t>(winnerDivision - 1), 3, NEWS_PLAYOFF_PROMOTION, EVENT_PROMOTED);
    SetDivisionWithNews(loser, static_cast<int16_t>(loserDivision + 1), 1, NEWS_RELEGATED, EVENT_RELEGATED);
    SeasonEngine.clubApplyRelegationClauses(loser);
  }
}

void BookByCompetition(int16_t fixture, int16_t code, int16_t home, int16_t away) {
  if (code == COMP_LEAGUE) {
    // The table counts what the fixture holds, so a recount gives the same rows.
    BookLeague(home, away, Fixture_GetHomeGoals(fixture), Fixture_GetAwayGoals(fixture));
  } else if (code == 2) {
    if (SecondLegFlag) {
      const int16_t home1 = FirstLegGoals[0], away1 = FirstLegGoals[1];
      const int16_t h = CurrentMatchScores[HOME_GOALS], a = CurrentMatchScores[AWAY_GOALS];
      if (h + home1 == a + away1) {
        CurrentMatchScores[HOME_GOALS] = static_cast<int16_t>(h + 2 * home1);
        CurrentMatchScores[AWAY_GOALS] = static_cast<int16_t>(2 * a + away1);
      } else {
        CurrentMatchScores[HOME_GOALS] = static_cast<int16_t>(h + home1);
        CurrentMatchScores[AWAY_GOALS] = static_cast<int16_t>(a + away1);
      }
    }
    KnockOutOfPlayoffs(home, away);
  } else if (code == 1) {
    if (AnyPlayoffRuleIs(PLAYOFF_SINGLE_MATCH)) KnockOutOfPlayoffs(home, away);
  } else if (code == 3) {
    BookPlayoffFinal(home, away);
  } else if (code == COMP_SUPER_CUP) {
    const int winner = Winner(CurrentMatchScores);
    if (winner >= 0) SeasonEngine.honoursRecordWinner(winner == 0 ? home : away, HONOUR_SUPER_CUP);
  } else if (const CupRoundRecord* round = RoundRecord(code)) {
    const int16_t cup = static_cast<int16_t>(CupOf(code));
    const int16_t firstCode = static_cast<int16_t>(COMP_CUP_FIRST + COMP_CUP_CODES * cup);
    if (IsSecondLegCode(code)) {
      SeasonEngine.cupTieResolve(fixture, firstCode, cup, static_cast<int16_t>(9 + 2 * cup),
                                 static_cast<int16_t>(firstCode + CUP_ROUNDS));
    } else if (round->legs != 2 && round->legs != 3) {
      SeasonEngine.cupTieResolve(fixture, firstCode, cup, static_cast<int16_t>(9 + 2 * cup), firstCode);
    }
  }
}

// ---- result news ----

// Of the club's last `count` fixtures on one side (home or away), scanning
// back from the fixture (itself included), how many were won; -1 when fewer
// than `count` are found.
int WinsInLastFixtures(int16_t club, int16_t fixture, bool atHome, int count) {
  int found = 0, won = 0;
  for (int16_t f = fixture; f >= 0 && found < count; --f) {
    if (Fixture_GetCompetition(f) >= COMP_FRIENDLY || !Fixture_IsPlayed(f)) continue;
    if ((atHome ? Fixture_GetHomeClub(f) : Fixture_GetAwayClub(f)) != club) continue;
    ++found;
    const int16_t own = atHome ? Fixture_GetHomeGoals(f) : Fixture_GetAwayGoals(f);
    const int16_t other = atHome ? Fixture_GetAwayGoals(f) : Fixture_GetHomeGoals(f);
    if (own > other) ++won;
  }
  return found < count ? -1 : won;
}

// The kind of result news for the human club, 0 for none.
int ResultNewsKind(int16_t fixture, int16_t club, int16_t opponent, bool atHome, int16_t own, int16_t other) {
  if (own == other) return 0;
  const bool afterMonth = DayOfSeason - FirstMatchDay > ONE_MONTH;
  const int16_t rank = Club_GetOverallRank(club), opponentRank = Club_GetOverallRank(opponent);
  const int16_t rep = Club_GetRep(club), opponentRep = Club_GetRep(opponent);
  if (atHome) {
    if (own > other) {
      if (own - other >= 5) return 125;
      if (opponentRank < rank && afterMonth) return rank - opponentRank > 4 ? 126 : 0;
      return WinsInLastFixtures(club, fixture, true, 6) == 6 ? 127 : 0;
    }
    if (opponentRep < 2 * rep && other - own >= 4) return 123;
    if (rank < opponentRank && afterMonth && opponentRank - rank > 4) return 124;
    const int won = WinsInLastFixtures(club, fixture, true, 6);
    return won >= 0 && won < 2 ? 128 : 0;
  }
  if (own > other) {
    if (own - other >= 4) return 131;
    if (opponentRank < rank && afterMonth) return 132;
    return WinsInLastFixtures(club, fixture, false, 4) == 4 ? 133 : 0;
  }
  if (rep < 2 * opponentRep && other - own >= 4) return 129;
  if (rank < opponentRank && afterMonth && opponentRank - rank > 12) return 130;
  return WinsInLastFixtures(club, fixture, false, 4) == 0 ? 134 : 0;
}

void ResultNews(int16_t fixture, int16_t code, int16_t home, int16_t away) {
  if (code >= COMP_FRIENDLY || Fixture_GetLegFlag(fixture) != 0) return;
  const int16_t h = CurrentMatchScores[HOME_GOALS], a = CurrentMatchScores[AWAY_GOALS];
  const bool homeHuman = Human(home);
  if (!homeHuman && !Human(away)) return;
  const int16_t club = homeHuman ? home : away, opponent = homeHuman ? away : home;
  const int16_t own = homeHuman ? h : a, other = homeHuman ? a : h;
  const int kind = ResultNewsKind(fixture, club, opponent, homeHuman, own, other);
  if (kind == 0) return;
  SetNewsArgs(club, opponent, -1, -1, -1, -1, -1, own, other);
  ShowNewsMessage(GetRandomNewsText(kind), 0, NEWS_SHOW_HUMAN_CLUB, club, opponent);
}

void RunMatchReport(int16_t home, int16_t away) {
  if (SoakRunActive != 0 || LastMatchWatched == 0 || (!Human(home) && !Human(away))) return;
  MatchReportView = 0;
  MatchReportFlags = static_cast<uint8_t>(MatchReportFlags | REPORT_SHOWING);
  while ((MatchReportFlags & REPORT_LEFT) == 0) MenuSystem.runMatchReportMenu(MatchReportView, &MatchReportFlags);
  MatchReportFlags = static_cast<uint8_t>(MatchReportFlags & ~REPORT_CLEARED_AFTER);
}

}  // namespace

void PrepareClubMatch(int16_t home, int16_t away, bool cupRules) {
  MatchDayFixture = -1;
  uint8_t* setup = ClearMatchSetupRecord();
  // When every referee of the day has a match, a new day's pool.
  if (std::none_of(std::begin(DailySlots), std::end(DailySlots),
                   [](const DailySlotRecord& slot) { return slot.taken == 0; }))
    DailySlot_ClearAll();
  const int16_t official = DailySlot_TakeRandom();
  std::fill(std::begin(CurrentMatchScores), std::end(CurrentMatchScores), int16_t{0});
  FirstLegGoals[0] = FirstLegGoals[1] = 0;
  ExtraTimeRule = PenaltiesRule = cupRules ? 1 : 0;
  SecondLegFlag = 0;
  MatchNote = 0;
  HomeCrowdShare = CLUB_MATCH_CROWD_SHARE;
  const int16_t substitutes = SubstitutesAllowed(COMP_LEAGUE, home);

  setup[SETUP_EXTRA_TIME] = static_cast<uint8_t>(ExtraTimeRule);
  setup[SETUP_PENALTIES] = static_cast<uint8_t>(PenaltiesRule);
  setup[SETUP_GOLDEN_GOAL] = 0;
  StoreI16(setup + SETUP_MATCH_LENGTH, SETUP_MATCH_LENGTH_VALUE);
  setup[SETUP_SECOND_LEG] = 0;
  const DailySlotRecord& referee = OfficialTable[official >= 0 && official < NUM_OFFICIALS ? official : 0];
  setup[SETUP_OFFICIAL] = referee.foulValue;
  setup[SETUP_OFFICIAL + 1] = referee.cardValue;
  setup[SETUP_OFFICIAL + 2] = referee.favouredSide;
  setup[SETUP_OFFICIAL_ZERO] = 0;
  StoreI16(setup + SETUP_SUBSTITUTES, substitutes);
  StoreI16(setup + SETUP_THREE, SETUP_THREE_VALUE);
  for (int k = 0; k < STANDS; ++k) {
    StoreI16(setup + SETUP_STAND_KINDS + 2 * k, BIG_GROUND_STANDS);
    setup[SETUP_STAND_ZEROS + k] = 0;
  }
  setup[SETUP_CROWD_LEVEL] = CLUB_MATCH_CROWD_LEVEL;
  setup[SETUP_WEEKDAY] = 0;

  PrepareSide(0, home, substitutes, COMP_LEAGUE, false);
  PrepareSide(1, away, substitutes, COMP_LEAGUE, false);
  MatchEngine.setMatchSetupTactics();
  for (int skill : NORMALISED_SKILLS) NormaliseMatchSkill(skill);
}

void MatchDay_Reset() {
  std::fill(std::begin(CurrentMatchScores), std::end(CurrentMatchScores), int16_t{0});
  FirstLegGoals[0] = FirstLegGoals[1] = 0;
  MatchAttendance = 0;
  ExtraTimeRule = PenaltiesRule = SecondLegFlag = 0;
  HomeCrowdShare = 0;
  MatchDayFixture = -1;
  MatchNote = 0;
  std::fill(std::begin(ShootoutList), std::end(ShootoutList), 0);
  ShootoutCount = 0;
  FixturesPlayedCount = 0;
  FollowedCompetition = FollowedDivision = -1;
  MatchReportView = 0;
  MatchReportFlags = 0;
  MatchSideWatcher = nullptr;
}
REGISTER_RESET(RESET_SEASON, MatchDay_Reset);
// As a new program has them: no fixture being played, nothing followed.
[[maybe_unused]] static const int gMatchDayStart = (MatchDay_Reset(), 0);

int GateLevyPercent() { return MoneyRate2; }

int16_t StandKindOfGround(int32_t capacity, bool neutral) {
  return !neutral && capacity < SMALL_GROUND_LIMIT ? SMALL_GROUND_STANDS : BIG_GROUND_STANDS;
}

int CrowdLevel(int32_t crowd, int32_t capacity) {
  const int32_t quarter = capacity / 4;
  if (crowd < quarter) return 0;
  if (crowd < 2 * quarter) return 1;
  if (crowd < 3 * quarter) return 2;
  return 3;
}

int32_t CalcAttendance(int16_t fixture) {
  const int16_t code = Fixture_GetCompetition(fixture);
  const int16_t home = Fixture_GetHomeClub(fixture), away = Fixture_GetAwayClub(fixture);
  const bool neutral = Fixture_GetLegFlag(fixture) != 0;

  int32_t rankH = 500 - 5 * Club_GetOverallRank(home), rankA = 500 - 5 * Club_GetOverallRank(away);
  if (rankH < 0) rankH = 1;
  if (rankA < 0) rankA = 1;
  const int32_t interest = code >= 0 && code < NUM_COMPETITION_CODES ? CompetitionInterest[code] : 0;
  const int32_t levy = GateLevyPercent();

  int32_t capacity = NEUTRAL_GROUND_CAPACITY;
  if (!neutral) {
    capacity = SEATS_PER_CAPACITY_UNIT * (Club_GetStand1Capacity(home) + Club_GetStand2Capacity(home) +
                                          Club_GetStand3Capacity(home) + Club_GetStand4Capacity(home));
  }
  int32_t distance = 30;
  if (Club_GetCountry(home) == Club_GetCountry(away)) {
    distance = 30 - (std::abs(Club_GetXcoord(home) - Club_GetXcoord(away)) +
                     std::abs(Club_GetYcoord(home) - Club_GetYcoord(away)));
    distance = std::max(distance, 0);
  }
  int32_t c = 100 - (DayOfSeason - FirstMatchDay);
  if (c < 0) c = 100 - (Postdate - DayOfSeason);
  if (c < 0) c = 0;
  const int32_t season = c / 2;

  HomeCrowdShare = 0;
  const int32_t repH = Club_GetRep(home) + 1, repA = Club_GetRep(away) + 1;
  int32_t homeFans, awayFans;
  if (neutral) {
    homeFans = (1000 - 5 * (levy - 15)) * repH + (interest + rankH) * repH;
    awayFans = (1000 - 5 * (levy - 15)) * repA + (rankA + interest) * repA;
  } else {
    const int32_t home0 = (500 - 5 * (levy - 15)) * repH + (season + rankH + interest) * repH;
    const int32_t away0 = (20 * rankA - 5 * (levy - 15)) / 100 * repA;
    homeFans = (distance + 100) * home0 / 100;
    awayFans = (distance + 60) * away0 / 60;
    if (homeFans > awayFans)
      HomeCrowdShare = static_cast<int16_t>(std::clamp(100 - awayFans * 100 / homeFans, 0, 100));
  }
  // A levy far above its usual rate could drive the count below zero: nobody comes.
  const int32_t crowd = std::clamp(interest * (homeFans + awayFans) / 100, 0, std::max(capacity, 0));
  MatchAttendance = crowd;
  Fixture_SetAttendance(fixture, crowd & 0xFFFFFF);

  if (code == COMP_LEAGUE) {
    if (LeagueClubOfGameCountry(home)) {
      PayGate(home, crowd * TicketPrice[GameCountry][Club_GetDivision(home)]);
      const int32_t n = EarlierLeagueHomeGames(home);
      Club_SetAvgAtt(home, (Club_GetAvgAtt(home) * n + crowd) / (n + 1));
    }
  } else {
    const int32_t receipts = neutral ? 30 * crowd : 20 * crowd / 2;
    PayGate(home, receipts);
    PayGate(away, receipts);
  }
  return capacity;
}

void PrepareFixture(int16_t fixture) {
  const int16_t code = Fixture_GetCompetition(fixture);
  const int16_t home = Fixture_GetHomeClub(fixture), away = Fixture_GetAwayClub(fixture);
  const bool neutral = Fixture_GetLegFlag(fixture) != 0;
  MatchDayFixture = fixture;

  uint8_t* setup = ClearMatchSetupRecord();
  const int16_t official = DailySlot_TakeRandom();
  std::fill(std::begin(CurrentMatchScores), std::end(CurrentMatchScores), int16_t{0});
  FirstLegGoals[0] = FirstLegGoals[1] = 0;
  ExtraTimeRule = PenaltiesRule = SecondLegFlag = 0;
  MatchNote = 0;

  TidyReservePool(home, away);
  const int16_t substitutes = SubstitutesAllowed(code, home);
  SetRules(code, home, away);

  // The header.
  setup[SETUP_EXTRA_TIME] = static_cast<uint8_t>(ExtraTimeRule);
  setup[SETUP_PENALTIES] = static_cast<uint8_t>(PenaltiesRule);
  setup[SETUP_GOLDEN_GOAL] = ExtraTimeRule == GOLDEN_GOAL_EXTRA_TIME ? 1 : 0;
  StoreI16(setup + SETUP_MATCH_LENGTH, SETUP_MATCH_LENGTH_VALUE);
  setup[SETUP_SECOND_LEG] = static_cast<uint8_t>(SecondLegFlag);
  const DailySlotRecord& referee = OfficialTable[official >= 0 && official < NUM_OFFICIALS ? official : 0];
  setup[SETUP_OFFICIAL] = referee.foulValue;
  setup[SETUP_OFFICIAL + 1] = referee.cardValue;
  setup[SETUP_OFFICIAL + 2] = referee.favouredSide;
  setup[SETUP_OFFICIAL_ZERO] = 0;
  StoreI16(setup + SETUP_SUBSTITUTES, substitutes);
  StoreI16(setup + SETUP_THREE, SETUP_THREE_VALUE);

  const int32_t capacity = CalcAttendance(fixture);
  const int16_t stands = StandKindOfGround(capacity, neutral);
  for (int k = 0; k < STANDS; ++k) {
    StoreI16(setup + SETUP_STAND_KINDS + 2 * k, stands);
    setup[SETUP_STAND_ZEROS + k] = 0;
  }
  setup[SETUP_CROWD_LEVEL] = static_cast<uint8_t>(CrowdLevel(MatchAttendance, capacity));
  setup[SETUP_WEEKDAY] = Weekday == 0 || Weekday == 1 || (Weekday == 2 && code == 3) ? 0 : 1;

  PrepareSide(0, home, substitutes, code, neutral);
  PrepareSide(1, away, substitutes, code, neutral);
  MatchEngine.setMatchSetupTactics();
}

void BookPlayedFixture(int16_t fixture) {
  const int16_t code = Fixture_GetCompetition(fixture);
  const int16_t home = Fixture_GetHomeClub(fixture), away = Fixture_GetAwayClub(fixture);
  const uint8_t* result = GetMatchResultRecord();
  for (int side = 0; side < 2; ++side) {
    const uint8_t* team = result + TEAM_MATCH_RECORD_OFFSET[side];
    CurrentMatchScores[HOME_GOALS + side] = LoadI16(team + TEAM_GOALS);
    CurrentMatchScores[HOME_SHOOTOUT + side] = LoadI16(team + TEAM_SHOOTOUT_GOALS);
  }
  const int16_t homeShootout = CurrentMatchScores[HOME_SHOOTOUT], awayShootout = CurrentMatchScores[AWAY_SHOOTOUT];
  if (homeShootout + awayShootout > 0 && ShootoutCount < MAX_SHOOTOUTS) {
    int32_t entry = fixture & MAX_FIXTURE_IN_SHOOTOUT;
    if (awayShootout >= homeShootout) entry |= SHOOTOUT_AWAY_WON;
    ShootoutList[ShootoutCount++] = entry;
  }

  // The fixture keeps what its goal fields hold (at most 14 each).
  Fixture_SetResult(fixture, CurrentMatchScores[HOME_GOALS], CurrentMatchScores[AWAY_GOALS]);
  if (homeShootout != awayShootout) Fixture_SetShootoutFlag(fixture, 1);
  MenuSystem.pollWhileProcessing();

  RunMatchReport(home, away);

  SeasonEngine.updatePlayersAfterMatch(home, 0, fixture);
  SeasonEngine.updatePlayersAfterMatch(away, 1, fixture);
  if (Fixture_GetLegFlag(fixture) == 0) SeasonEngine.updateCrowdRecords(home, MatchAttendance, away);
  MenuSystem.pollWhileProcessing();

  ResultNews(fixture, code, home, away);
  BookByCompetition(fixture, code, home, away);
}

int PlayNextFixture(int16_t* fixture) {
  int16_t found = -1;
  for (int16_t f = 0; f < NUM_FIXTURES; ++f) {
    const int16_t day = Fixture_GetDay(f);
    if (day == FIXTURE_EMPTY_DAY) break;  // the used slots come first
    if (day == DayOfSeason && Fixture_GetHomeGoals(f) == GOALS_NOT_PLAYED &&
        Fixture_GetAwayGoals(f) == GOALS_NOT_PLAYED) {
      found = f;
      break;
    }
  }
  if (found < 0) return NO_FIXTURE_LEFT;
  if (fixture != nullptr) *fixture = found;

  PrepareFixture(found);
  const int16_t code = Fixture_GetCompetition(found);
  const int16_t home = Fixture_GetHomeClub(found), away = Fixture_GetAwayClub(found);
  const bool followed =
      code == FollowedCompetition && (code != COMP_LEAGUE || Club_GetDivision(home) == FollowedDivision);
  MenuSystem.pollWhileProcessing();

  for (int skill : NORMALISED_SKILLS) NormaliseMatchSkill(skill);
  ++FixturesPlayedCount;
  PlayFixture(home, away, followed ? 1 : 0);
  MenuSystem.pollWhileProcessing();

  BookPlayedFixture(found);
  MatchDayFixture = -1;
  return followed ? FOLLOWED_FIXTURE_PLAYED : FIXTURE_PLAYED;
}
