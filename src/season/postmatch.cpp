// After the match: players, club records, logs and the watched match's records.
#include "season/postmatch.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <initializer_list>

#include "clubsim/squadlist.h"
#include "engine/bytes.h"
#include "engine/debug.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/matchrec.h"
#include "season/playfix.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/history.h"
#include "world/players.h"
#include "world/playerstats.h"
#include "world/textmess.h"

int16_t RecordCareerApps;
int16_t RecordCareerAppsPlayer = -1;
int16_t RecordCareerGoals;
int16_t RecordCareerGoalsPlayer = -1;
uint8_t PlayerMatchRecords[PLAYER_MATCH_RECORDS][PLAYER_MATCH_RECORD_SIZE];
uint8_t MatchGoalLog[MATCH_GOAL_LOG_ENTRIES][MATCH_GOAL_LOG_ENTRY_SIZE];
int16_t PlayerMatchRecordMinutes;

namespace {

// News kinds.
constexpr int NEWS_RECORD_CROWD = 12;
constexpr int NEWS_RECORD_WIN = 13;
constexpr int NEWS_RECORD_DEFEAT = 25;
constexpr int NEWS_SENT_OFF = 152;
constexpr int NEWS_SUSPENDED = 154;

// Club event types.
constexpr int16_t EVENT_SENT_OFF = 7;
constexpr int16_t EVENT_RECORD_CROWD = 12;

// Competition code ranges.
constexpr int16_t COMP_EURO_FIRST = 69;  // cups 4-6: the European competitions
constexpr int16_t COMP_EURO_LAST = COMP_CUP_LAST;

// Discipline: the thresholds of the points, the matches each adds and the
// number its news carries.
constexpr int kThresholds[4] = {7, 12, 17, 22};
constexpr int kThresholdNews[4] = {21, 36, 51, 66};
constexpr int32_t DISPOINTS_MAX = 31;
constexpr int32_t SEASON_DISPOINTS_MAX = 255;
constexpr int EURO_BAN_POINTS = 2;

// Fatigue: per game country the share of the match's strain that stays.
constexpr int16_t kFatigueCountryFactor[9] = {90, 90, 75, 30, 80, 50, 75, 75, 75};
constexpr int32_t FATIGUE_STRAIN_MAX = 25;
constexpr int32_t CONDITION_MAX = 60;  // fatigue, fitness and morale run 0-60

// Record fields' widths.
constexpr int32_t RECORD_RESULT_GOALS_MAX = 31;
constexpr int32_t RECORD_GAME_GOALS_MAX = 15;

constexpr int16_t POSITION_KEEPER = 0;
constexpr int16_t KEEPER_SHIRT = 1;
constexpr int16_t BENCH_SHIRT_FIRST = 12;  // shirts below it start the match
constexpr int MARK_GOOD = 37;              // above it a good game
constexpr int MARK_POOR = 27;              // below it a poor one
constexpr int EXPERIENCE_BONUS_LIMIT = 15;
constexpr int HAT_TRICK = 3;
constexpr int INJURY_CHANCE = 30;          // percent, background matches
constexpr int MINUTES_STEP = 30;

int16_t Clamp16(int32_t v) { return static_cast<int16_t>(std::clamp<int32_t>(v, INT16_MIN, INT16_MAX)); }

bool IsLeagueStageOrCup(int16_t code) { return code < COMP_FRIENDLY; }
bool IsEuropean(int16_t code) { return code >= COMP_EURO_FIRST && code <= COMP_EURO_LAST; }
bool IsGameCountryClub(int16_t club) { return club >= 0 && club < NUM_CLUBS && Club_GetCountry(club) == GameCountry; }

void ShowNews(int kind, int32_t boxArg, int16_t team0, int16_t team1) {
  ShowNewsMessage(GetRandomNewsText(kind), boxArg, NEWS_SHOW_HUMAN_CLUB, team0, team1);
}

// ---- one player's figures ----

struct MatchContext {
  int16_t club, opponent, side, code, fixture;
  int16_t goalsFor, goalsAgainst;
  int16_t manOfMatch;
  bool background;
  const uint8_t* team;  // the side's TeamMatchRecord
};

void CountAppearance(int16_t p, int16_t mark, const MatchContext& m) {
  const int32_t apps = Player_GetApps(p);
  // Performance is the average mark over the season's appearances.
  Player_SetPerf(p, (static_cast<int32_t>(Player_GetPerf(p)) * apps + mark) / (apps + 1));
  Player_SetApps(p, apps + 1);
  Player_SetCareerApps(p, Player_GetCareerApps(p) + 1);
  if (IsGameCountryClub(m.club) && Player_GetCareerApps(p) > RecordCareerApps) {
    RecordCareerApps = Player_GetCareerApps(p);
    RecordCareerAppsPlayer = p;
  }
}

void CountGoals(int16_t p, int16_t goals, const MatchContext& m) {
  if (goals > Club_GetRecordGoalsInGame(m.club))
    Club_SetRecordGoalsInGame(m.club, std::min<int32_t>(goals, RECORD_GAME_GOALS_MAX), Player_GetSurname(p),
                              m.opponent);
  Player_SetGoals(p, Player_GetGoals(p) + goals);
  Player_SetCareerGoals(p, Player_GetCareerGoals(p) + goals);
  if (IsGameCountryClub(m.club) && Player_GetCareerGoals(p) > RecordCareerGoals) {
    RecordCareerGoals = Player_GetCareerGoals(p);
    RecordCareerGoalsPlayer = p;
  }
  UpdateSeasonGoalsRecord(m.club, p);
  if (goals >= HAT_TRICK) {
    Player_SetReputation(p, Player_GetReputation(p) + 1);
    if (Player_GetExperience(p) < EXPERIENCE_BONUS_LIMIT) Player_SetExperience(p, Player_GetExperience(p) + 1);
  }
}

void CountCards(int16_t p, int16_t cardState, const MatchContext& m) {
  const int32_t points = DISCIPLINE_POINTS_PER_CARD * cardState;
  const int32_t season = std::min<int32_t>(Club_GetSeasonDispoints(m.club) + points, SEASON_DISPOINTS_MAX);
  Club_SetSeasonDispoints(m.club, season);
  if (season > Club_GetRecordDispoints(m.club)) Club_SetRecordDispoints(m.club, season);

  if (IsEuropean(m.code)) {
    // European matches count their own bookings; two make a ban.
    if (cardState == 1) Player_SetEuroDispoints(p, Player_GetEuroDispoints(p) + 1);
    else Player_SetEuroDispoints(p, EURO_BAN_POINTS);
    return;
  }
  const int16_t before = Player_GetDispoints(p);
  Player_SetDispoints(p, std::min<int32_t>(before + points, DISPOINTS_MAX));
  if (cardState == 1) {
    ApplyDisciplinePoints(p, before);
    return;
  }
  const int16_t ban = SendingOffBan(cardState);
  if (Player_GetSuspension(p) == 0 && Player_GetBanwait(p) == 0) Player_SetBanwait(p, 2);
  Player_SetSuspension(p, Player_GetSuspension(p) + ban);
  SetNewsArgs(m.club, -1, p, -1, -1, -1, -1, ban, -1);
  ShowNews(NEWS_SENT_OFF, ban, m.club, -1);
  ApplyDisciplinePoints(p, before);
  ClubEventLog_Add(p, m.club, 0, 0, EVENT_SENT_OFF);
}

void ChangeMoraleAfterMatch(int16_t p, int16_t mark, int16_t goals, const MatchContext& m) {
  const int32_t f = ((63 - Player_GetExperience(p)) * 5) / 100 + 2;
  const int16_t shirt = Player_GetShirt(p);
  const int16_t position = Player_GetPosition(p);
  const bool defender = position >= 1 && position <= 4;
  const bool cleanSheet = m.goalsAgainst == 0;
  int32_t percent = 0;
  if (m.goalsFor > m.goalsAgainst) {
    if (goals > 0) percent += goals * f;
    if (shirt == KEEPER_SHIRT && cleanSheet) percent += f;
    if (defender && cleanSheet) percent += f;
    if (mark > MARK_GOOD && shirt < 11) percent += f;
  } else if (m.goalsFor < m.goalsAgainst) {
    if (goals > 0) percent -= goals * f;
    if (mark > MARK_GOOD) percent -= 1;
    if (mark < MARK_POOR) percent += 1;
    percent += (m.goalsFor - m.goalsAgainst) * f;
  } else {
    if (shirt == KEEPER_SHIRT && cleanSheet) percent += f;
    if (defender && cleanSheet) percent += f;
    if (mark < MARK_POOR) percent -= f;
  }
  Player_ChangeMorale(p, percent);
}

// Fitness and fatigue from the match's workload. The strain is worked in 32
// bits; a strain of 0 or less (the youngest players) draws nothing.
void ChangeCondition(int16_t p, int16_t workload) {
  Player_SetFitness(p, Player_GetFitness(p) + 5 + workload / 2);
  if (workload == 0) return;
  int32_t x = ((CONDITION_MAX - Player_GetFatigue(p)) * 3 * static_cast<int32_t>(workload)) / 100;
  if (x != 0) {
    const int32_t age = Player_GetAge(p);
    x = std::min(age * age * x / 100, FATIGUE_STRAIN_MAX);
    if (x > 0) x += GameRandom() % x;
  }
  const int factor = GameCountry >= 0 && GameCountry < 9 ? kFatigueCountryFactor[GameCountry] : 100;
  x = x * factor / 100;
  Player_SetFatigue(p, std::clamp<int32_t>(x / 2, 0, CONDITION_MAX));
}

void UpdatePlayer(int16_t p, int place, const MatchContext& m) {
  const uint8_t* stats = m.team + TEAM_PLAYER_STATS + place * MATCH_PLAYER_STATS_SIZE;
  const int16_t mark = LoadI16(stats + PLAYER_STATS_MARK);
  if (mark <= 0) return;  // he did not play
  const int16_t goals = std::max<int16_t>(0, LoadI16(stats + PLAYER_STATS_GOALS));

  // A keeper's clean sheet counts in his goal fields.
  if (Player_GetPosition(p) == POSITION_KEEPER && Player_GetShirt(p) < BENCH_SHIRT_FIRST && m.goalsAgainst == 0) {
    Player_SetGoals(p, Player_GetGoals(p) + 1);
    Player_SetCareerGoals(p, Player_GetCareerGoals(p) + 1);
  }

  if (m.code != COMP_FRIENDLY) {
    if (m.code >= COMP_CUP_FIRST && m.code <= COMP_CUP_LAST)
      Player_SetCupTied(p, m.club, (m.code - COMP_CUP_FIRST) / COMP_CUP_CODES);
    CountAppearance(p, mark, m);
    if (GameRandom() % 25 == 0) Player_SetExperience(p, Player_GetExperience(p) + 1);
    if (p == m.manOfMatch && Player_GetExperience(p) < EXPERIENCE_BONUS_LIMIT)
      Player_SetExperience(p, Player_GetExperience(p) + 1);
    const int32_t division = Club_GetDivision(m.club);
    Player_SetTraining(p, Player_GetTraining(p) + GameRandom() % ((10 - division) / 2 + 1));
    PlayerCareerLog_Add(p, Club_GetDbId(m.club), 1, goals, 0);
    Player_SetAssists(p, Player_GetAssists(p) + std::max<int16_t>(0, LoadI16(stats + PLAYER_STATS_ASSISTS)));
    if (goals > 0) CountGoals(p, goals, m);
    const int16_t cardState = LoadI16(stats + PLAYER_STATS_CARD_STATE);
    if (cardState >= 1 && cardState <= 3) CountCards(p, cardState, m);
    ChangeMoraleAfterMatch(p, mark, goals, m);
    if (GetClubRecordSlot(m.club) >= 0) GNW_EmptyPostMatchHook();
  }

  ChangeCondition(p, LoadI16(stats + PLAYER_STATS_WORKLOAD));

  const int16_t injury = LoadI16(stats + PLAYER_STATS_INJURY);
  if (injury > 0) {
    const bool hurt = m.background ? GameRandom() % 100 < INJURY_CHANCE : injury > 1;
    if (hurt) ClubSim.injurePlayer(p, injury, m.club);
  }
}

// The club's last four played fixtures on one side, scanning back.
int16_t RunOfWins(int16_t club, int16_t lastFixture, bool home) {
  int found = 0, won = 0;
  for (int n = std::min<int>(lastFixture, NUM_FIXTURES - 1); n >= 0 && found < 4; --n) {
    const int16_t f = static_cast<int16_t>(n);
    if ((home ? Fixture_GetHomeClub(f) : Fixture_GetAwayClub(f)) != club || !Fixture_IsPlayed(f)) continue;
    ++found;
    const int16_t own = home ? Fixture_GetHomeGoals(f) : Fixture_GetAwayGoals(f);
    const int16_t other = home ? Fixture_GetAwayGoals(f) : Fixture_GetHomeGoals(f);
    if (own > other) ++won;
  }
  return static_cast<int16_t>(found < 4 ? 2 : won);
}

enum Stat { ABILITY3, ABILITY4, ABILITY7, PHYSICAL13, PHYSICAL14 };

int16_t StatOf(int16_t p, Stat s) {
  switch (s) {
    case ABILITY3: return Player_GetAbilityStat(p, 3);
    case ABILITY4: return Player_GetAbilityStat(p, 4);
    case ABILITY7: return Player_GetAbilityStat(p, 7);
    case PHYSICAL13: return Player_GetPhysicalStat(p, 13);
    case PHYSICAL14: return Player_GetPhysicalStat(p, 14);
  }
  return 0;
}

int16_t FindBestTakerByStats(int16_t club, std::initializer_list<Stat> stats) {
  if (club < 0 || club >= NUM_CLUBS || Club_GetControl(club) != 0) return -1;
  BuildClubSquadList(club);
  int16_t best = -1;
  int32_t bestSum = -1;
  for (int i = 0; i < SQUAD_LIST_SIZE; ++i) {
    const int16_t p = SquadList[i];
    if (p < 0 || p >= PlayerCount) continue;
    const int16_t shirt = Player_GetShirt(p);
    if (shirt < 2 || shirt > 11) continue;
    int32_t sum = 0;
    for (Stat s : stats) sum += StatOf(p, s);
    if (sum > bestSum) {
      bestSum = sum;
      best = p;
    }
  }
  return best;
}

}  // namespace

// ---- the match set-up ----

bool PostMatch_IsBackgroundMatch() { return LoadI16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE) <= 0; }

int16_t SendingOffBan(int16_t cardState) { return static_cast<int16_t>(cardState >= 3 ? 3 : 1); }

// ---- the post-match writers ----

void GNW_EmptyPostMatchHook() {}

void GNW_AddMatchStatsToClub(ClubRecord* record, const uint8_t* team, int block) {
  if (record == nullptr || block < 0 || block >= CLUB_MATCH_TOTAL_BLOCKS) return;
  uint8_t* totals = record->bytes + CLUB_MATCH_TOTALS + block * CLUB_MATCH_TOTAL_COUNT * 2;
  for (int k = 0; k < CLUB_MATCH_TOTAL_COUNT; ++k)
    StoreI16(totals + 2 * k, Clamp16(LoadI16(totals + 2 * k) + LoadI16(team + TEAM_MATCH_TOTALS + 2 * k)));
}

void GNW_AddMatchEventsToClub(ClubRecord* record, const uint8_t* team) {
  if (record == nullptr) return;
  uint8_t* pairs = record->bytes + CLUB_DISCIPLINE_LOG;
  int i = 0;
  while (i < CLUB_DISCIPLINE_PAIRS && pairs[2 * i] != 0xFF) ++i;
  for (int k = 0; k < TEAM_CARD_LIST_ENTRIES && i < CLUB_DISCIPLINE_PAIRS; ++k, ++i) {
    const uint8_t* pair = team + TEAM_CARD_LIST + 2 * k;
    if (static_cast<int8_t>(pair[1]) <= 0) break;
    pairs[2 * i] = pair[0];
    pairs[2 * i + 1] = pair[1];
  }
}

namespace {

// Copies a goal list (8-byte entries, an int16 scorer of -1 ending it) into
// one half of the club's goal log items from the first free one on.
void AppendGoalHalves(uint8_t* items, const uint8_t* list, int half) {
  int i = 0;
  while (i < CLUB_GOAL_LOG_ITEMS && LoadI16(items + i * CLUB_GOAL_LOG_ITEM_SIZE + half) != -1) ++i;
  for (int k = 0; k < TEAM_GOAL_LIST_ENTRIES && i < CLUB_GOAL_LOG_ITEMS; ++k, ++i) {
    const uint8_t* entry = list + k * TEAM_GOAL_LIST_ENTRY_SIZE;
    if (LoadI16(entry) == -1) break;
    uint8_t* out = items + i * CLUB_GOAL_LOG_ITEM_SIZE + half;
    std::memcpy(out, entry, 4);  // player, minute, kind/place/venue
    out[7] = entry[7];           // competition
  }
}

}  // namespace

void GNW_AddMatchLogToClub(ClubRecord* record, const uint8_t* result, const uint8_t* teamList, int side) {
  if (record == nullptr || side < 0 || side > 1) return;
  uint8_t* items = record->bytes + CLUB_GOAL_LOG;
  AppendGoalHalves(items, teamList, 0);
  AppendGoalHalves(items, result + TEAM_MATCH_RECORD_OFFSET[1 - side] + TEAM_GOAL_LIST, CLUB_GOAL_LOG_HALF);
}

void GNW_SetFixturePlayerEntry(FixtureRecord* fixture, int side, int entry, const uint8_t* team) {
  if (fixture == nullptr || side < 0 || side > 1 || entry < 0 || entry >= FIXTURE_SIDE_ENTRIES) return;
  const uint8_t* s = team + TEAM_PLAYER_STATS + entry * MATCH_PLAYER_STATS_SIZE;
  uint8_t* out = fixture->bytes + FIXTURE_SIDE_OFFSET[side] + entry * FIXTURE_PLAYER_ENTRY_SIZE;
  const int16_t player = LoadI16(s + PLAYER_STATS_RECORD + MATCH_RECORD_PLAYER);
  StoreI16(out, player);
  out[2] = s[PLAYER_STATS_MARK];
  const int16_t card = LoadI16(s + PLAYER_STATS_CARD_STATE);
  uint8_t flags = static_cast<uint8_t>((out[3] & ~FIXTURE_ENTRY_GOALS_MASK) |
                                       (s[PLAYER_STATS_GOALS] & FIXTURE_ENTRY_GOALS_MASK));
  if (card == 1 || card == 2) flags |= FIXTURE_ENTRY_BOOKED;
  if (card > 1) flags |= FIXTURE_ENTRY_SENT_OFF;
  if (player >= 0 && player == LoadI16(team + TEAM_MAN_OF_MATCH)) flags |= FIXTURE_ENTRY_MAN_OF_MATCH;
  out[3] = flags;
}

void GNW_ClearFixturePlayerEntries(FixtureRecord* fixture, int side) {
  if (fixture == nullptr || side < 0 || side > 1) return;
  for (int n = 0; n < FIXTURE_SIDE_ENTRIES; ++n) {
    uint8_t* out = fixture->bytes + FIXTURE_SIDE_OFFSET[side] + n * FIXTURE_PLAYER_ENTRY_SIZE;
    StoreI16(out, -1);
    out[2] = 0;
    out[3] = 0;
  }
}

// ---- the post-match updates ----

void PostMatchUpdates(int16_t fixture, int32_t attendance, bool neutral) {
  const int16_t home = Fixture_GetHomeClub(fixture), away = Fixture_GetAwayClub(fixture);
  UpdatePlayersAfterMatch(home, 0, fixture);
  UpdatePlayersAfterMatch(away, 1, fixture);
  if (!neutral) UpdateCrowdRecords(home, attendance, away);
}

void UpdatePlayersAfterMatch(int16_t club, int16_t side, int16_t fixture) {
  if (side < 0 || side > 1) return;
  FixtureRecord* record = Fixture_GetRecord(fixture);
  const int16_t code = record != nullptr ? Fixture_GetCompetition(fixture) : -1;
  const bool outsideRecords = code == COMP_FRIENDLY || code == COMP_SPECIAL;
  if (!outsideRecords && (record == nullptr || Fixture_GetDay(fixture) == FIXTURE_EMPTY_DAY))
    FatalError("Invalid fixture slot no. %d\n", fixture);

  const uint8_t* result = GetMatchResultRecord();
  MatchContext m{};
  m.club = club;
  m.side = side;
  m.code = code;
  m.fixture = fixture;
  m.opponent = side == 0 ? Fixture_GetAwayClub(fixture) : Fixture_GetHomeClub(fixture);
  m.team = result + TEAM_MATCH_RECORD_OFFSET[side];
  m.goalsFor = std::max<int16_t>(0, LoadI16(m.team + TEAM_GOALS));
  m.goalsAgainst = std::max<int16_t>(0, LoadI16(result + TEAM_MATCH_RECORD_OFFSET[1 - side] + TEAM_GOALS));
  m.manOfMatch = LoadI16(m.team + TEAM_MAN_OF_MATCH);
  m.background = PostMatch_IsBackgroundMatch();

  Club_SetTeamwork(club, Club_GetTeamwork(club) * 100 / 80);
  if (!outsideRecords) GNW_ClearFixturePlayerEntries(record, side);

  // Each place of the side's shirt map that holds a player.
  const uint8_t* setup = GetMatchSetupRecord();
  for (int place = 0; place < TEAM_PLAYER_SLOTS; ++place) {
    const int16_t p = LoadI16(setup + SetupPlayerOffset(side, place) + SETUP_PLAYER_NUMBER);
    if (p < 0 || p >= PlayerCount) continue;
    UpdatePlayer(p, place, m);
    if (!outsideRecords) GNW_SetFixturePlayerEntry(record, side, place, m.team);
  }

  // The winner's call books the record win and the loser's record defeat.
  if (IsLeagueStageOrCup(code) && code >= 0 && m.goalsFor > m.goalsAgainst) {
    if (side == 0) {
      UpdateRecordWin(club, m.goalsFor, m.goalsAgainst, m.opponent);
      UpdateRecordDefeat(m.opponent, m.goalsAgainst, m.goalsFor, club);
    } else {
      UpdateRecordDefeat(m.opponent, m.goalsAgainst, m.goalsFor, club);
      UpdateRecordWin(club, m.goalsFor, m.goalsAgainst, m.opponent);
    }
    Club_SetTeamwork(m.opponent, Club_GetTeamwork(m.opponent) - 10 * (m.goalsFor - m.goalsAgainst));
  }

  if (code != COMP_SPECIAL) {
    ClubRecord* clubRecord = Club_GetFullRecord(club);
    GNW_AddMatchLogToClub(clubRecord, result, m.team + TEAM_GOAL_LIST, side);
    GNW_AddMatchEventsToClub(clubRecord, m.team);
    GNW_AddMatchStatsToClub(clubRecord, m.team, side);
  }
}

void UpdateCrowdRecords(int16_t club, int32_t attendance, int16_t opponent) {
  if (attendance > Club_GetRecordCrowd(club)) {
    Club_SetRecordCrowd(club, attendance, opponent);
    if (SeasonCounter > 0) {
      SetNewsArgs(club, -1, -1, -1, -1, -1, -1, attendance, -1);
      ShowNews(NEWS_RECORD_CROWD, 0, club, -1);
      // The crowd does not fit one word: its high and low halves.
      ClubEventLog_Add(-1, club, static_cast<int16_t>(attendance >> 16), static_cast<int16_t>(attendance & 0xFFFF),
                       EVENT_RECORD_CROWD);
    }
  } else if (attendance <= Club_GetRecordLowCrowd(club) || Club_GetRecordLowCrowd(club) == 0) {
    Club_SetRecordLowCrowd(club, attendance, opponent);
  }
}

namespace {

void UpdateRecordResult(int16_t club, int16_t goalsFor, int16_t goalsAgainst, int16_t opponent, bool win) {
  const int32_t winner = win ? goalsFor : goalsAgainst, loser = win ? goalsAgainst : goalsFor;
  const int32_t recordFor = win ? Club_GetRecordWinGoalsFor(club) : Club_GetRecordDefeatGoalsFor(club);
  const int32_t recordAgainst = win ? Club_GetRecordWinGoalsAgainst(club) : Club_GetRecordDefeatGoalsAgainst(club);
  const int32_t recordWinner = win ? recordFor : recordAgainst, recordLoser = win ? recordAgainst : recordFor;
  const int32_t margin = winner - loser, recordMargin = recordWinner - recordLoser;
  if (margin < recordMargin || (margin == recordMargin && goalsFor + goalsAgainst <= recordFor + recordAgainst))
    return;
  const int32_t storedFor = std::min<int32_t>(goalsFor, RECORD_RESULT_GOALS_MAX);
  const int32_t storedAgainst = std::min<int32_t>(goalsAgainst, RECORD_RESULT_GOALS_MAX);
  if (win) Club_SetRecordWin(club, storedFor, storedAgainst, opponent);
  else Club_SetRecordDefeat(club, storedFor, storedAgainst, opponent);
  if (SeasonCounter > 0) {
    SetNewsArgs(club, opponent, -1, -1, -1, -1, -1, goalsFor, goalsAgainst);
    ShowNews(win ? NEWS_RECORD_WIN : NEWS_RECORD_DEFEAT, 0, club, opponent);
    Club_SetRep(club, Club_GetRep(club) + (win ? 1 : -1));
  }
}

}  // namespace

void UpdateRecordWin(int16_t club, int16_t goalsFor, int16_t goalsAgainst, int16_t opponent) {
  UpdateRecordResult(club, goalsFor, goalsAgainst, opponent, true);
}

void UpdateRecordDefeat(int16_t club, int16_t goalsFor, int16_t goalsAgainst, int16_t opponent) {
  UpdateRecordResult(club, goalsFor, goalsAgainst, opponent, false);
}

void UpdateSeasonGoalsRecord(int16_t club, int16_t player) {
  const int16_t goals = Player_GetGoals(player);
  if (goals > Club_GetRecordGoals(club)) Club_SetRecordGoals(club, player, goals);
}

void ApplyDisciplinePoints(int16_t player, int16_t before) {
  const int16_t now = Player_GetDispoints(player);
  for (int k = 0; k < 4; ++k) {
    if (before >= kThresholds[k] || now < kThresholds[k]) continue;
    const int16_t matches = static_cast<int16_t>(k + 1);
    if (Player_GetSuspension(player) == 0 && Player_GetBanwait(player) == 0) Player_SetBanwait(player, 2);
    Player_SetSuspension(player, Player_GetSuspension(player) + matches);
    const int16_t club = Player_GetClub(player);
    SetNewsArgs(club, -1, player, -1, -1, -1, -1, matches, kThresholdNews[k]);
    ShowNews(NEWS_SUSPENDED, 0, club, -1);
    return;  // the first threshold crossed is the one that counts
  }
}

// ---- the watched match's player records ----

void FillPlayerMatchRecords(int16_t side) {
  if (side < 0 || side > 1) return;
  const uint8_t* result = GetMatchResultRecord();
  int longest = 0;
  for (int slot = 0; slot < PLAYER_MATCH_RECORDS; ++slot) {
    const uint8_t* record = result + PlayerStatsOffset(side, slot) + PLAYER_STATS_RECORD;
    if (LoadI16(record + MATCH_RECORD_PLAYER) >= 0) longest = std::max<int>(longest, record[PLAYER_MATCH_RECORD_TIME]);
  }
  PlayerMatchRecordMinutes = static_cast<int16_t>(longest / MINUTES_STEP * MINUTES_STEP);

  for (int slot = 0; slot < PLAYER_MATCH_RECORDS; ++slot) {
    const uint8_t* record = result + PlayerStatsOffset(side, slot) + PLAYER_STATS_RECORD;
    if (LoadI16(record + MATCH_RECORD_PLAYER) < 0) StoreI16(PlayerMatchRecords[slot] + MATCH_RECORD_PLAYER, -1);
    else std::memcpy(PlayerMatchRecords[slot], record, PLAYER_MATCH_RECORD_SIZE);
  }

  // The goal log from the match log, as far as it has room.
  int n = 0;
  for (int k = 0; k < MATCH_LOG_MAX_ENTRIES && n < MATCH_GOAL_LOG_ENTRIES - 1; ++k) {
    const uint8_t* entry = result + MATCH_LOG + k * MATCH_LOG_ENTRY_SIZE;
    if (entry[0] == MATCH_LOG_END) break;
    uint8_t* out = MatchGoalLog[n++];
    std::memcpy(out, entry + 7, 2);  // the player
    out[2] = static_cast<uint8_t>((entry[0] & 0x7F) << 1 | (entry[5] & 1));
    out[6] = entry[9];
    out[7] = entry[3];
  }
  StoreI16(MatchGoalLog[n], -1);
  MatchGoalLog[n][2] = MATCH_GOAL_LOG_END << 1;
}

uint8_t* GetPlayerMatchRecord(int16_t slot) {
  if (slot < 0 || slot >= PLAYER_MATCH_RECORDS) return nullptr;
  return PlayerMatchRecords[slot];
}

// ---- operations the world facade forwards here ----

void ChooseFollowedCompetition() {
  FollowedCompetition = -1;
  FollowedDivision = -1;
  int16_t club = -1;
  for (int16_t c = 0; c < NUM_CLUBS && club < 0; ++c)
    if (Club_GetControl(c) != 0) club = c;
  if (club < 0) return;
  for (int16_t f = 0; f < NUM_FIXTURES; ++f) {
    if (Fixture_GetDay(f) != DayOfSeason) continue;
    if (Fixture_GetHomeClub(f) != club && Fixture_GetAwayClub(f) != club) continue;
    const int16_t code = Fixture_GetCompetition(f);
    if (code == COMP_SPECIAL) continue;
    FollowedCompetition = code;
    FollowedDivision = code == COMP_LEAGUE ? Club_GetDivision(club) : -1;
    return;
  }
}

int16_t FindBestFreeKickTaker(int16_t club) { return FindBestTakerByStats(club, {PHYSICAL14, ABILITY7, ABILITY4}); }
int16_t FindBestPenaltyTaker(int16_t club) { return FindBestTakerByStats(club, {ABILITY3, ABILITY7}); }
int16_t FindBestCornerTaker(int16_t club) { return FindBestTakerByStats(club, {PHYSICAL13, ABILITY7}); }

int16_t PickAndFindCaptain(int16_t club) {
  if (SquadListClub != club) BuildClubSquadList(club);
  ClubSim.pickTeamCaptain();
  return ClubSim.findClubCaptain(club);
}

int16_t RunOfHomeWins(int16_t club, int16_t lastFixture) { return RunOfWins(club, lastFixture, true); }
int16_t RunOfAwayWins(int16_t club, int16_t lastFixture) { return RunOfWins(club, lastFixture, false); }

int16_t GetPlayerFormFactor(int16_t player) {
  return static_cast<int16_t>(FormExperienceFactor(Player_GetPersonalityStats(player), DayOfSeason,
                                                   Player_GetMorale(player), Player_GetExperience(player)));
}

void PostMatch_Reset() {
  RecordCareerApps = 0;
  RecordCareerAppsPlayer = -1;
  RecordCareerGoals = 0;
  RecordCareerGoalsPlayer = -1;
  std::memset(PlayerMatchRecords, 0, sizeof PlayerMatchRecords);
  for (auto& record : PlayerMatchRecords) StoreI16(record + MATCH_RECORD_PLAYER, -1);
  std::memset(MatchGoalLog, 0, sizeof MatchGoalLog);
  StoreI16(MatchGoalLog[0], -1);
  MatchGoalLog[0][2] = MATCH_GOAL_LOG_END << 1;
  PlayerMatchRecordMinutes = 0;
  FollowedCompetition = -1;
  FollowedDivision = -1;
}
REGISTER_RESET(RESET_SEASON, PostMatch_Reset);
