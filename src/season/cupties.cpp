// Cup ties and cup fixtures.
#include "season/cupties.h"

#include <cstdio>

#include "engine/reset.h"
#include "season/cupdraw.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/textmess.h"

// clang-format off
const int32_t CupPrizeTable[NUM_GAME_COUNTRIES][NUM_CUP_COMPETITIONS] = {
  {2500000, 1000000, 25000, 250000, 3000000, 3000000, 5000000},
  {2500000, 1000000, 25000, 250000, 3000000, 3000000, 5000000},
  {2500000, 1000000, 25000, 250000, 3000000, 3000000, 5000000},
  {2500000, 1000000, 25000, 250000, 3000000, 3000000, 5000000},
  {2500000, 1000000, 25000, 250000, 3000000, 3000000, 5000000},
  {2500000, 1000000, 25000, 250000, 3000000, 3000000, 5000000},
  {2500000, 1000000, 25000, 250000, 3000000, 3000000, 5000000},
  {2500000, 1000000, 25000, 250000, 3000000, 3000000, 5000000},
  {2500000, 1000000, 25000, 250000, 3000000, 3000000, 5000000},
};
// clang-format on

namespace {

constexpr int UEFA_CUP = 4;
constexpr int CL_QUALIFYING = 5;
constexpr int CHAMPIONS_LEAGUE = 6;
constexpr int SECOND_CODES = 8;  // a cup's second legs and replays follow its eight first codes
constexpr int8_t FINAL = 2;      // clubs coming on into a final
constexpr int8_t TWO_LEGS = 2;
constexpr int8_t GROUP_STAGE = 3;
constexpr int8_t GROUPS_OF_THREE = -3;
constexpr int8_t GROUPS_OF_FOUR = -4;
constexpr int GROUP_MATCH_GAP = 14;  // days between a group's matchdays, and between two legs
constexpr int REPLAY_DAYS = 10, FINAL_REPLAY_DAYS = 4;
constexpr int LATE_FIRST_LEG = 10, LATE_SECOND_LEG = 24;  // a tie scheduled after its round's match day
constexpr int GIANT_KILLING_GAP = 20;                     // overall-rank places a giant-killing needs (more than)
constexpr int SWAP_COUNTRY = 6;                           // plays a lower club's tie at its ground
constexpr int SWAP_DIVISION_GAP = 2;
constexpr int PRIZE_WINNER = 65, PRIZE_RUNNER_UP = 35;

constexpr int NEWS_CUP_FINAL = 120;
constexpr int NEWS_DRAWN_AT_HOME = 121;
constexpr int NEWS_DRAWN_AWAY = 122;
constexpr int NEWS_GIANT_KILLING = 136;
constexpr int NEWS_LEAGUE_FIXTURE_MOVED = 146;

struct CupTiesState {
  int32_t refused;  // cup fixtures the fixture list refused
};
CupTiesState gTies;

bool ValidClub(int club) { return club >= 0 && club < NUM_CLUBS; }
bool Human(int16_t club) { return ValidClub(club) && Club_GetControl(club) != 0; }

const CupRoundRecord& Round(int competition, int round) {
  static const CupRoundRecord kNone{-1, -1, -1, -1, 0, -1, -1, -1, -1, -1, -1};
  const CupRoundRecord* rec = CupRound_Get(competition, round);
  return rec ? *rec : kNone;
}

bool Single(const int16_t* slot) { return slot[0] >= 0 && slot[1] < 0; }

void Show(int kind, int16_t team0, int16_t team1) {
  ShowNewsMessage(GetRandomNewsText(kind), 0, NEWS_SHOW_HUMAN_CLUB, team0, team1);
}

// News of a tie just made, for each human club in it (the home club's first).
void PairingNews(int16_t home, int16_t away, int competition, bool final) {
  const int16_t compName = static_cast<int16_t>(CompNameBase[GameCountry] + competition);
  for (int16_t club : {home, away}) {
    if (!Human(club)) continue;
    if (final) {
      SetNewsArgs(club, club == home ? away : home, -1, -1, -1, compName, -1, -1, -1);
      Show(NEWS_CUP_FINAL, club, -1);
    } else {
      SetNewsArgs(home, away, -1, -1, -1, compName, -1, -1, -1);
      Show(club == home ? NEWS_DRAWN_AT_HOME : NEWS_DRAWN_AWAY, club, -1);
    }
  }
}

// A tie's fixtures: one match on the first day, or two legs.
void AddTie(int16_t home, int16_t away, int32_t firstDay, int32_t secondDay, int round, int competition,
            int codeBase) {
  if (Round(competition, round).legs == TWO_LEGS) {
    CupTie_AddFixture(home, away, firstDay, round, 0, competition, codeBase);
    CupTie_AddFixture(away, home, secondDay, round, 1, competition, codeBase);
  } else {
    CupTie_AddFixture(home, away, firstDay, round, 0, competition, codeBase);
  }
}

// The copy of a moved league fixture stands on a later day; the old fixture
// is the one left on its day.
void RemoveLeagueFixtureOnDay(int16_t day, int16_t home, int16_t away) {
  for (int n = 0; n < NUM_FIXTURES; ++n) {
    const int16_t f = static_cast<int16_t>(n);
    if (Fixture_GetDay(f) == day && Fixture_GetCompetition(f) == COMP_LEAGUE && Fixture_GetHomeClub(f) == home &&
        Fixture_GetAwayClub(f) == away) {
      Fixture_Remove(f);
      return;
    }
  }
}

// Moves a league fixture out of a cup match's way to a later free day, with
// news for a human club; a fixture with no free day left stays where it is.
bool MoveLeagueFixture(int16_t fixture) {
  const int16_t day = Fixture_GetDay(fixture);
  const int16_t home = Fixture_GetHomeClub(fixture);
  const int16_t away = Fixture_GetAwayClub(fixture);
  if (SeasonEngine.rescheduleFixture(day, fixture) < 0) {
    std::printf("CupTie_AddFixture(): no free day for the league fixture %d v %d on day %d; it stays\n", home, away,
                day);
    return false;
  }
  if (Human(home) || Human(away)) {
    SetNewsArgs(home, away, -1, -1, -1, -1, -1, -1, -1);
    Show(NEWS_LEAGUE_FIXTURE_MOVED, home, home);
  }
  RemoveLeagueFixtureOnDay(day, home, away);
  return true;
}

bool IsLeague(int16_t fixture) { return fixture >= 0 && Fixture_GetCompetition(fixture) == COMP_LEAGUE; }
bool IsOtherCompetition(int16_t fixture) { return fixture >= 0 && Fixture_GetCompetition(fixture) != COMP_LEAGUE; }

// The day a cup match of home v away can take, as seen from one of its clubs:
// a league fixture of the club on the day or next to it is moved away; a
// fixture of another competition there moves the cup match on instead.
int32_t ClearTheWay(int16_t club, int32_t day, int16_t home, int16_t away) {
  const int16_t near[3] = {Fixture_FindClubMatchOnDay(club, day), Fixture_FindClubMatchOnDay(club, day - 1),
                           Fixture_FindClubMatchOnDay(club, day + 1)};
  if (near[0] < 0 && near[1] < 0 && near[2] < 0) return day;
  for (int16_t fixture : near)
    if (IsLeague(fixture)) {
      MoveLeagueFixture(fixture);
      return day;
    }
  day += 2;
  while (day < FIXTURE_EMPTY_DAY && (IsOtherCompetition(Fixture_FindClubMatchOnDay(home, day)) ||
                                     IsOtherCompetition(Fixture_FindClubMatchOnDay(away, day))))
    day += 2;
  return day;
}

// The two clearings above can still leave a club two matches on the chosen
// day: the first clearing's league fixture moved while another competition's
// match stands on the day itself, or the second clearing's move to a later
// day landing on the first club's match. Here a league fixture on the day
// gives way and another competition's match moves the cup match on two days,
// until neither club plays on it.
int32_t KeepOneMatchADay(int32_t day, int16_t home, int16_t away) {
  for (int tries = 0; tries < 200 && day < FIXTURE_EMPTY_DAY; ++tries) {
    const int16_t clash[2] = {Fixture_FindClubMatchOnDay(home, day), Fixture_FindClubMatchOnDay(away, day)};
    if (clash[0] < 0 && clash[1] < 0) return day;
    const int16_t fixture = clash[0] >= 0 ? clash[0] : clash[1];
    if (IsLeague(fixture) && MoveLeagueFixture(fixture)) continue;
    day += 2;
  }
  return day;
}

// The share of the prize a beaten club takes in a round before the final.
int32_t LoserPercent(int competition, int round) {
  if (competition == UEFA_CUP || competition == CL_QUALIFYING) {
    constexpr int32_t kShares[CUP_ROUNDS] = {35, 2, 4, 8, 15, 35, 35, 35};
    return kShares[round];
  }
  if (competition == CHAMPIONS_LEAGUE) {
    constexpr int32_t kShares[CUP_ROUNDS] = {4, 8, 15, 35, 35, 35, 35, 35};
    return kShares[round];
  }
  return 0;
}

}  // namespace

void CupTies_Reset() {
  CurrentMatchScores[0] = CurrentMatchScores[1] = CurrentMatchScores[2] = CurrentMatchScores[3] = 0;
  FirstLegGoals[0] = FirstLegGoals[1] = 0;
  SecondLegFlag = 0;
  gTies = CupTiesState{};
}
REGISTER_RESET(RESET_SEASON, CupTies_Reset);

int32_t CupTies_RefusedFixtures() { return gTies.refused; }

int16_t CupTie_AddFixture(int16_t home, int16_t away, int32_t dayOffset, int round, int second, int competition,
                          int codeBase) {
  if (!ValidClub(home) || !ValidClub(away) || round < 0 || round >= CUP_ROUNDS) return -1;
  int32_t day = FirstMatchDay + DaysSinceFirstMatch + dayOffset;
  day = ClearTheWay(home, day, home, away);
  day = ClearTheWay(away, day, home, away);
  day = KeepOneMatchADay(day, home, away);
  const int32_t code = codeBase + (second ? COMP_CUP_FIRST + SECOND_CODES : COMP_CUP_FIRST) + round;
  const int32_t flag = Round(competition, round).neutral != 0 ? 1 : 0;
  const int16_t slot = Fixture_Add(day, code, home, away, flag);
  if (slot < 0) {
    ++gTies.refused;
    std::printf("CupTie_AddFixture(): the cup fixture %d v %d (competition %d, day %d) was not added\n", home, away,
                code, day);
  }
  return slot;
}

void CupRound_MakeFixtures(int competition, int round, int* groupsRecorded) {
  const CupRoundRecord& rec = Round(competition, round);
  if (rec.drawDay < 0) return;
  auto& slots = CupDrawTable[competition][round];

  // Ties of the round before still undecided: their other clubs wait in the
  // slot of the club that stands in for them.
  if (rec.comingOn > 0 && rec.firstSeed >= -1 && round > 0) {
    const auto& before = CupDrawTable[competition][round - 1];
    for (int m = 0; m < CUP_PAIRS; ++m) {
      const int16_t* a = before[2 * m];
      const int16_t* b = before[2 * m + 1];
      if (a[0] < 0 || b[0] < 0) continue;
      for (auto& slot : slots) {
        if (slot[0] != a[0]) continue;
        int e = 1;
        while (e < CUP_SLOT_ENTRIES && slot[e] >= 0) ++e;
        for (int16_t club : {a[1], b[0], b[1]})
          if (club >= 0 && e < CUP_SLOT_ENTRIES) slot[e++] = club;
        break;
      }
    }
  }

  const int32_t day = rec.matchDay - DaysSinceFirstMatch;
  const int codeBase = COMP_CUP_CODES * competition;
  auto add = [&](int16_t home, int16_t away, int32_t offset) {
    if (home >= 0 && away >= 0) CupTie_AddFixture(home, away, offset, round, 0, competition, codeBase);
  };

  if (rec.comingOn == GROUPS_OF_THREE || rec.comingOn == GROUPS_OF_FOUR) {
    // Groups of consecutive slots up to the last club drawn; a gap in a group
    // (an entrant list short of clubs) loses only that club's matches.
    const int size = -rec.comingOn;
    int last = -1;
    for (int s = 0; s < CUP_SLOTS; ++s)
      if (slots[s][0] >= 0) last = s;
    for (int first = 0; first <= last && first + size <= CUP_SLOTS; first += size) {
      int16_t g[4];
      for (int s = 0; s < size; ++s) g[s] = slots[first + s][0];
      if (size == 3) {
        add(g[0], g[1], day);
        add(g[1], g[2], day + GROUP_MATCH_GAP);
        add(g[2], g[0], day + 2 * GROUP_MATCH_GAP);
        continue;
      }
      if (groupsRecorded && *groupsRecorded < NUM_EURO_GROUPS) {
        for (int s = 0; s < EURO_GROUP_CLUBS; ++s) ChampionsLeagueGroups[*groupsRecorded][s] = g[s];
        ++*groupsRecorded;
      }
      constexpr int kPairs[12][2] = {{0, 1}, {2, 3}, {1, 2}, {3, 0}, {0, 2}, {1, 3},
                                     {1, 0}, {3, 2}, {2, 1}, {0, 3}, {2, 0}, {3, 1}};
      for (int p = 0; p < 12; ++p) add(g[kPairs[p][0]], g[kPairs[p][1]], day + GROUP_MATCH_GAP * (p / 2));
    }
    return;
  }
  if (rec.comingOn < -1) return;

  for (int m = 0; m < CUP_PAIRS; ++m) {
    if (!Single(slots[2 * m]) || !Single(slots[2 * m + 1])) continue;
    int16_t home = slots[2 * m][0], away = slots[2 * m + 1][0];
    if (GameCountry == SWAP_COUNTRY && (competition == 0 || competition == 1) &&
        Club_GetDivision(away) - Club_GetDivision(home) >= SWAP_DIVISION_GAP) {
      const int16_t lower = away;
      away = home;
      home = lower;
    }
    PairingNews(home, away, competition, rec.comingOn == FINAL);
    AddTie(home, away, day, day + GROUP_MATCH_GAP, round, competition, codeBase);
  }
}

void CupTie_Resolve(int16_t fixture, int firstCode, int competition, int honourKind, int legBase) {
  if (Fixture_GetRecord(fixture) == nullptr || competition < 0 || competition >= NUM_CUP_COMPETITIONS) return;
  const int round = Fixture_GetCompetition(fixture) - legBase;
  if (round < 0 || round >= CUP_ROUNDS || !IsGameCountry(GameCountry)) return;
  const CupRoundRecord& rec = Round(competition, round);
  const int16_t home = Fixture_GetHomeClub(fixture);

  if (SecondLegFlag) {
    const int32_t a = CurrentMatchScores[0] + FirstLegGoals[0];
    const int32_t b = CurrentMatchScores[1] + FirstLegGoals[1];
    if (a == b) {  // away goals count double
      CurrentMatchScores[0] = static_cast<int16_t>(CurrentMatchScores[0] + 2 * FirstLegGoals[0]);
      CurrentMatchScores[1] = static_cast<int16_t>(2 * CurrentMatchScores[1] + FirstLegGoals[1]);
    } else {
      CurrentMatchScores[0] = static_cast<int16_t>(a);
      CurrentMatchScores[1] = static_cast<int16_t>(b);
    }
  }

  int16_t opponent = -1;
  const auto& slots = CupDrawTable[competition][round];
  for (int m = 0; m < CUP_PAIRS; ++m) {
    if (slots[2 * m][0] == home) opponent = slots[2 * m + 1][0];
    if (slots[2 * m + 1][0] == home) opponent = slots[2 * m][0];
  }
  if (!ValidClub(opponent)) return;  // the club stands in no tie of the round

  int16_t winner = -1;
  if (CurrentMatchScores[0] != CurrentMatchScores[1]) {
    winner = CurrentMatchScores[0] > CurrentMatchScores[1] ? home : opponent;
  } else if (CurrentMatchScores[2] != CurrentMatchScores[3]) {
    winner = CurrentMatchScores[2] > CurrentMatchScores[3] ? home : opponent;
  }
  if (winner < 0) {  // level: a replay at the other club's ground
    CupTie_AddFixture(opponent, home, rec.comingOn == FINAL ? FINAL_REPLAY_DAYS : REPLAY_DAYS, round, 1, competition,
                      firstCode - COMP_CUP_FIRST);
    return;
  }
  const int16_t loser = winner == home ? opponent : home;

  if (Human(winner) && Club_GetOverallRank(winner) - Club_GetOverallRank(loser) > GIANT_KILLING_GAP) {
    SetNewsArgs(winner, loser, -1, -1, -1, -1, -1, -1, -1);
    Show(NEWS_GIANT_KILLING, winner, -1);
  }
  if (competition == CL_QUALIFYING && round == 1) EuroListA_Add(winner);
  Cup_RemoveClub(round, loser, competition);
  if (round < CUP_ROUNDS - 1) CupTie_Advance(round + 1, winner, competition, legBase - COMP_CUP_FIRST);
  if (rec.comingOn == FINAL) {
    WorldRecords.recordHonour(winner, static_cast<int16_t>(honourKind));
    CupPrizeMoney(winner, competition, PRIZE_WINNER);
    WorldRecords.recordHonour(loser, static_cast<int16_t>(honourKind + 1));
    CupPrizeMoney(loser, competition, PRIZE_RUNNER_UP);
  } else {
    const int32_t percent = LoserPercent(competition, round);
    if (percent > 0) CupPrizeMoney(loser, competition, percent);
  }
}

void CupTie_Advance(int round, int16_t winner, int competition, int codeBase) {
  if (round < 0 || round >= CUP_ROUNDS || competition < 0 || competition >= NUM_CUP_COMPETITIONS) return;
  if (!ValidClub(winner)) return;
  const CupRoundRecord& rec = Round(competition, round);
  if (rec.drawDay < 0) return;
  codeBase &= ~(COMP_CUP_CODES - 1);  // 16c, whether it came from a first or a second code
  const auto& slots = CupDrawTable[competition][round];
  for (int m = 0; m < CUP_PAIRS; ++m) {
    const int16_t* a = slots[2 * m];
    const int16_t* b = slots[2 * m + 1];
    if (!Single(a) || !Single(b) || (a[0] != winner && b[0] != winner)) continue;
    PairingNews(a[0], b[0], competition, rec.comingOn == FINAL);
    if (DaysSinceFirstMatch >= rec.matchDay) {
      AddTie(a[0], b[0], LATE_FIRST_LEG, LATE_SECOND_LEG, round, competition, codeBase);
    } else {
      const int32_t day = rec.matchDay - DaysSinceFirstMatch;
      AddTie(a[0], b[0], day, day + GROUP_MATCH_GAP, round, competition, codeBase);
    }
  }
}

void CupTie_BookResult(int16_t fixture) {
  if (Fixture_GetRecord(fixture) == nullptr) return;
  const int code = Fixture_GetCompetition(fixture);
  if (code < COMP_CUP_FIRST || code > COMP_CUP_LAST) return;
  const int cup = (code - COMP_CUP_FIRST) / COMP_CUP_CODES;
  const int within = (code - COMP_CUP_FIRST) % COMP_CUP_CODES;
  const bool second = within >= SECOND_CODES;
  const CupRoundRecord& rec = Round(cup, within % SECOND_CODES);
  if (!second && (rec.legs == TWO_LEGS || rec.legs == GROUP_STAGE)) return;
  const int firstCode = COMP_CUP_FIRST + COMP_CUP_CODES * cup;
  CupTie_Resolve(fixture, firstCode, cup, CUP_HONOUR_FIRST + 2 * cup, second ? firstCode + SECOND_CODES : firstCode);
}

int32_t CupPrizeMoney(int16_t club, int competition, int32_t percent) {
  if (!IsGameCountry(GameCountry) || competition < 0 || competition >= NUM_CUP_COMPETITIONS || !ValidClub(club))
    return 0;
  if (Club_GetCountry(club) != GameCountry || Club_GetDivision(club) >= NUM_DIVISIONS) return 0;
  // 32-bit figures: the prize is at most 5,000,000 and the rate factor near 90.
  const int64_t prize = int64_t{CupPrizeTable[GameCountry][competition]} * (100 - 5 * (MoneyRate2 - 15)) / 100;
  const int32_t amount = static_cast<int32_t>(prize * percent / 100);
  Club_AddToBalance(club, amount);
  Club_AddToBalance(CLUB_MONEY_POOL, -amount);
  Club_SetMiscIn(club, Club_GetMiscIn(club) + amount);
  if (Human(club)) WorldRecords.addWeeklyMiscIncome(amount);
  return amount;
}
