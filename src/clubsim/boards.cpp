#include "clubsim/boards.h"

#include <algorithm>
#include <array>
#include <limits>

#include "clubsim/bids.h"
#include "clubsim/clubsvc.h"
#include "clubsim/simcounts.h"
#include "clubsim/squad.h"
#include "clubsim/squadlist.h"
#include "clubsim/transferday.h"
#include "engine/bytes.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs_deals.h"
#include "world/history.h"
#include "world/lists.h"
#include "world/newsticker.h"
#include "world/players.h"
#include "world/playerstats.h"
#include "world/textmess.h"

const int32_t FinanceDivisor[NUM_GAME_COUNTRIES][NUM_DIVISIONS] = {
    {100, 30, 10, 5, 2, 1},    {100, 30, 10, 5, 2, 1}, {100, 30, 10, 10, 2, 1},
    {100, 30, 10, 10, 10, 10}, {100, 30, 10, 5, 2, 1}, {100, 30, 10, 5, 2, 1},
    {100, 30, 10, 5, 5, 1},    {100, 30, 10, 5, 2, 1}, {100, 30, 10, 5, 2, 1},
};

ReputationEntry ReputationTable[REPUTATION_TABLE_SIZE];
int16_t ReputationTableLength = 0;

namespace {

constexpr int LEAGUE_DIVISIONS = 6;
constexpr int32_t FINANCE_UNIT = 3000;

// The form scores.
constexpr int16_t FORM_WINDOW_30 = 30;
constexpr int16_t FORM_WINDOW_20 = 20;
constexpr int16_t FORM_WHOLE_SEASON = -1;
constexpr int FORM_GAMES_30 = 5;
constexpr int FORM_GAMES_20 = 4;
constexpr int FORM_GAMES_SEASON = 1;
constexpr int32_t FORM_TOO_FEW_GAMES = 200;
constexpr int32_t FORM_CAP = 400;
constexpr int32_t FORM_MAX = 60;
constexpr int16_t FORM_OF_NO_CLUB = 30;

constexpr int16_t RANK_SCORE_MAX = 24;
constexpr int16_t SACKING_SCORE = 35;
constexpr int16_t FINANCE_SCORE_MAX = 16;

// The board's word to the human manager.
constexpr int16_t BOARD_QUIET_BELOW_F20 = 30;
constexpr int16_t BOARD_RANK_PAR = 12;
struct BoardBand {
  int16_t above;  // the 30-day form must exceed this
  int16_t upTo;   // ... and be at most this
  int kind;       // the first of the band's three news kinds
};
constexpr BoardBand kBoardBands[] = {
    {58, 60, 116}, {49, 58, 113}, {40, 49, 110}, {16, 24, 107}, {8, 16, 104}, {-1, 8, 101},
};

// News kinds.
constexpr int NEWS_APPOINTED = 48;
constexpr int NEWS_RESIGNED = 49;
constexpr int NEWS_SACKED = 50;
constexpr int NEWS_WALKED_OUT = 51;
constexpr int NEWS_RUMOUR = 52;
constexpr int NEWS_PLAYING_MANAGER = 53;
constexpr int NEWS_CARETAKER = 54;
constexpr int NEWS_POACHED = 55;
constexpr int NEWS_APPROACHED = 149;

// The club and career logs.
constexpr int16_t EVENT_MANAGER_SACKED = 13;
constexpr int16_t EVENT_MANAGER_RESIGNED = 14;
constexpr int16_t EVENT_MANAGER_APPOINTED = 15;
constexpr int16_t CAREER_APPOINTED = 4;
constexpr int16_t CAREER_SACKED = 7;
constexpr int16_t CAREER_WALKED_OUT = 9;

// Manager changes.
constexpr int APPOINT_CHANCE = 35;  // in 100, a day of the club's turn
constexpr int POACH_CHANCE = 3;     // one in three a second look at other clubs' managers
constexpr int16_t HUMAN_MANAGER_PLAYER = 0;
constexpr int16_t MANAGER_MORALE = 60;
constexpr int16_t REPUTATION_SCALE = 63;
constexpr int16_t RESIGN_MIN_RANK_SCORE = 15;
constexpr int16_t RESIGN_MAX_FORM = 45;
constexpr int16_t RESIGN_MIN_NAME = 10;
constexpr int STAT_COMPOSURE = 18;  // personality stat that keeps a manager in his post
constexpr int16_t RELEASE_REPUTATION_GAIN = 2;
constexpr int HUMAN_SACKING_WEEK = 7;  // human managers face the board on days 0 and 1 of each 7 of the month
constexpr int16_t CARETAKER_MIN_STORED_AGE = 15;
constexpr int CARETAKER_ROLL = 200;
constexpr int PERMANENT_BELOW = 35;
constexpr int16_t CARETAKER_MIN_MORALE = 81;  // percent

constexpr int16_t JOB_OFFER_NONE = -1;
constexpr int JOB_DUE_SPREAD = 12;
constexpr int16_t JOB_DUE_MIN = 2;
constexpr int JOB_OFFER_ROLL = 45;
constexpr int16_t JOB_SCORE_BASE = 115;
constexpr int16_t LATEST_DUE_DAY = 379;

constexpr int32_t DAYS_A_SEASON = 366;

struct BoardsState {
  JobOfferEntry jobOffers[MAX_HUMAN_MANAGERS];
  int16_t lastApproachingClub;
  // The club each human manager last left through a sacking or a release
  // (not saved: after a load the former-club mark stands in).
  int16_t humanLastClub[MAX_HUMAN_MANAGERS];
  // Per club the day (seasons x 366 + day of the season) its post fell
  // vacant, -1 while it has a manager: only the counts read it.
  int32_t vacantSince[NUM_CLUBS];
};
BoardsState InitialBoards() {
  BoardsState state{};
  for (JobOfferEntry& entry : state.jobOffers) entry = {JOB_OFFER_NONE, JOB_OFFER_NONE, JOB_OFFER_NONE};
  state.lastApproachingClub = -1;
  for (int16_t& club : state.humanLastClub) club = -1;
  for (int32_t& since : state.vacantSince) since = -1;
  return state;
}
BoardsState gBoards = InitialBoards();

bool IsWorldClub(int16_t club) { return club >= 0 && club < NUM_CLUBS; }

bool IsLeagueClub(int16_t club) {
  return IsWorldClub(club) && IsGameCountry(GameCountry) && Club_GetCountry(club) == GameCountry &&
         Club_GetDivision(club) >= 0 && Club_GetDivision(club) < LEAGUE_DIVISIONS;
}

bool IsFullLeagueClub(int16_t club) { return IsLeagueClub(club) && Club_GetFullRecord(club) != nullptr; }

bool IsManagerRecord(int16_t player) { return Player_GetPosition(player) == POSITION_MANAGER; }

int16_t AgeInYears(int16_t player) { return static_cast<int16_t>(Player_GetAge(player) + 16); }

int32_t ReputationScore(int32_t reputation) { return reputation * 100 / REPUTATION_SCALE; }

// Whatever a whole int32 would wrap past in 16 bits is held at the 16-bit ends.
int16_t Saturate16(int32_t value) {
  return static_cast<int16_t>(
      std::clamp<int32_t>(value, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
}

int16_t FormScore(int16_t club, int16_t windowDays, int minGames) {
  int32_t total = 0;  // goals scored over the games so far
  int16_t conceded = 0;
  int32_t d = 0;
  int games = 0;
  for (int16_t n = 0; n < NUM_FIXTURES; ++n) {
    const int16_t day = Fixture_GetDay(n);
    if (day == FIXTURE_EMPTY_DAY || day >= DayOfSeason) break;
    if (windowDays >= 0 && DayOfSeason - day > windowDays) continue;
    if (Fixture_GetCompetition(n) >= COMP_FRIENDLY || Fixture_IsPlayed(n) == 0) continue;
    const bool home = Fixture_GetHomeClub(n) == club;
    if (!home && Fixture_GetAwayClub(n) != club) continue;
    const int16_t homeGoals = Fixture_GetHomeGoals(n), awayGoals = Fixture_GetAwayGoals(n);
    const int16_t scored = home ? homeGoals : awayGoals;
    const int16_t against = home ? awayGoals : homeGoals;
    total += scored;
    conceded = static_cast<int16_t>((conceded + against) / 2);
    d += total - conceded;
    if (scored > against) d += home ? 3 : 4;
    if (scored == against) d += home ? 1 : 2;
    ++games;
  }
  const int32_t e = games >= minGames ? Saturate16(d * 25) / games * 4 : FORM_TOO_FEW_GAMES;
  return static_cast<int16_t>(std::max<int32_t>(0, std::min(e, FORM_CAP) * FORM_MAX / FORM_CAP));
}

int16_t LeagueDivisionSize(int division) {
  if (!IsGameCountry(GameCountry) || division < 0 || division >= NUM_DIVISIONS) return 0;
  return CountryDivisionInfo.sizes[GameCountry][division].value;
}

// The expected place of the club whose reputation rank (or better current
// place) is `rank`: the rank walked down the divisions.
int16_t ExpectedPlace(int16_t club, int32_t rank) {
  const int own = Club_GetDivision(club);
  int holder = NUM_DIVISIONS;
  for (int j = 0; j < NUM_DIVISIONS; ++j) {
    const int32_t size = LeagueDivisionSize(j);
    if (rank < size) {
      holder = j;
      break;
    }
    rank -= size;
  }
  if (holder == own) return static_cast<int16_t>(rank + 1);
  if (holder < own) return 1;
  return LeagueDivisionSize(own);
}

void SetExpectedPlaceFromRank(int16_t club, int32_t rank) {
  Club_SetRepPlace(club, ExpectedPlace(club, rank));
  Club_SetSeasonDispoints(club, 0);
}

JobOfferEntry* CurrentJobOffer() {
  const int16_t manager = CurrentHumanManager;
  if (manager < 1 || manager > MAX_HUMAN_MANAGERS) return nullptr;
  return &gBoards.jobOffers[manager - 1];
}

// The overall rank of the club the manager (1-4, a player manager - 1) last left.
int16_t LastOverallRank(int16_t manager) {
  const int16_t player = static_cast<int16_t>(manager - 1);
  int16_t club = -1;
  if (manager >= 1 && manager <= MAX_HUMAN_MANAGERS) club = gBoards.humanLastClub[manager - 1];
  if (!IsWorldClub(club) && player < PlayerCount && Player_GetBossvane(player) == 0) club = Player_GetWage(player);
  return IsWorldClub(club) ? Club_GetOverallRank(club) : NOT_RANKED;
}

void NoteHumanLeaving(int16_t club) {
  const int16_t control = Club_GetControl(club);
  if (control >= 1 && control <= MAX_HUMAN_MANAGERS) gBoards.humanLastClub[control - 1] = club;
}

void ManagerNews(int kind, int16_t club, int16_t manager) {
  SetNewsArgs(club, -1, manager, -1, -1, -1, -1, AgeInYears(manager), -1);
  ShowNewsMessage(GetRandomNewsText(kind), 0, NEWS_SHOW_HUMAN_DIVISION, club, -1);
}

// The manager leaves his club: the former-club mark (when `mark` and he is
// not a playing manager), no club, no caretaker or playing-manager flag.
void ManagerLeaves(int16_t manager, int16_t club, bool mark) {
  if (mark && Player_GetBossvane(manager) == 0) Player_SetWage(manager, club);
  Player_SetClub(manager, PLAYER_CLUB_NONE);
  Player_SetCaretaker(manager, 0);
  Player_SetBossvane(manager, 0);
}

void Resign(int16_t club, int16_t manager) {
  ManagerNews(NEWS_RESIGNED, club, manager);
  ManagerLeaves(manager, club, manager > NO_MANAGER_PLAYER);
  ++ClubSimCount.resigned;
}

void Sack(int16_t club, int16_t manager) {
  ManagerNews(NEWS_SACKED, club, manager);
  NewsTicker_AddManagerExit(club, manager, 0);
  ClubEventLog_Add(manager, club, 0, 0, EVENT_MANAGER_SACKED);
  PlayerCareerLog_Add(manager, Club_GetDbId(club), 0, 0, CAREER_SACKED);
  const int16_t control = Club_GetControl(club);
  NoteHumanLeaving(club);
  ManagerLeaves(manager, club, true);
  SackedHumanManager = control;
  if (control != 0) SackingClub = club;
  Club_SetControl(club, 0);
  Club_SetRep(club, Club_GetRep(club) - (GameRandom() % 3 + 1));
  Player_SetReputation(manager, Player_GetReputation(manager) - (GameRandom() % 3 + 1));
  Player_SetReputation(manager, SettleSackedReputation(Player_GetReputation(manager), Club_GetRep(club)));
  ++ClubSimCount.sacked;
}

void WalkOut(int16_t club, int16_t manager) {
  ManagerNews(NEWS_WALKED_OUT, club, manager);
  NewsTicker_AddManagerExit(club, manager, 1);
  ClubEventLog_Add(manager, club, 0, 0, EVENT_MANAGER_RESIGNED);
  PlayerCareerLog_Add(manager, Club_GetDbId(club), 0, 0, CAREER_WALKED_OUT);
  ManagerLeaves(manager, club, manager > NO_MANAGER_PLAYER);
  ++ClubSimCount.resigned;
}

// The new manager takes the post the club's (caretaker) manager `old` held.
void Appoint(int16_t club, int16_t old, int16_t manager) {
  if (old != NO_MANAGER_PLAYER && Player_GetCaretaker(old) != 0) {
    Player_SetCaretaker(old, 0);
    Player_SetBossvane(old, 0);
  }
  const int division = Club_GetDivision(club);
  const int32_t welcome = FinanceDivisor[GameCountry][division] * FINANCE_UNIT * Player_GetReputation(manager);
  Club_AddToBalance(club, welcome);
  Club_AddToBalance(CLUB_MONEY_POOL, -welcome);
  Player_SetClub(manager, club);
  NewsTicker_AddAppointment(club, manager);
  ClubEventLog_Add(manager, club, 0, 0, EVENT_MANAGER_APPOINTED);
  PlayerCareerLog_Add(manager, Club_GetDbId(club), 0, 0, CAREER_APPOINTED);
  if (manager == HUMAN_MANAGER_PLAYER) Club_SetControl(club, 1);
  BuildClubSquadList(club);
  for (int i = 0; i < SquadListLength; ++i)
    if (SquadList[i] >= 0) Player_SetMorale(SquadList[i], MANAGER_MORALE);
  ManagerNews(NEWS_APPOINTED, club, manager);
  ++ClubSimCount.appointed;
}

// The resignation for a bigger job, the sacking, the walk-out or the rumour
// of the club's manager on its day.
void JudgeManager(int16_t club, int16_t manager) {
  const int32_t clubRep = Club_GetRep(club);
  const bool computerRun = Club_GetControl(club) == 0;
  const int32_t name = ReputationScore(Player_GetReputation(manager));
  // A composure past 200 would leave the roll nothing to draw from: it always comes up.
  const int32_t resignRange = std::max(1, 64 - clubRep + 200 - Player_GetPersonalityStat(manager, STAT_COMPOSURE));
  if (name > clubRep && name > RESIGN_MIN_NAME && computerRun && CalcRepRankScore(club) >= RESIGN_MIN_RANK_SCORE &&
      CalcClubFormScore(club) < RESIGN_MAX_FORM && GameRandom() % resignRange < 2) {
    Resign(club, manager);
    return;
  }
  if (!computerRun && DayOfMonth % HUMAN_SACKING_WEEK > 1) return;
  const int32_t scores = CalcClubFormScore(club) + CalcFinanceScore(club) + CalcRepRankScore(club);
  if (scores >= SACKING_SCORE - (REPUTATION_SCALE - clubRep) / 3) return;
  const bool roll = GameRandom() % (64 - clubRep) < 2;
  if (roll && SackedHumanManager == 0) {
    Sack(club, manager);
    return;
  }
  if (GameRandom() % (Player_GetPersonalityStat(manager, STAT_COMPOSURE) + 1) < 2 && computerRun) {
    WalkOut(club, manager);
    return;
  }
  if (GameRandom() % 4 == 0) ManagerNews(NEWS_RUMOUR, club, manager);
}

int32_t DayCount() { return static_cast<int32_t>(SeasonCounter) * DAYS_A_SEASON + DayOfSeason; }

// How long the game country's league posts have stood vacant (no manager,
// or a caretaker), for the counts.
void NoteVacancies() {
  // Every club's manager as GetClubManager finds it, in one pass over the
  // players: the first in the manager's position (player 1 aside), else the
  // first playing manager.
  std::array<int16_t, NUM_CLUBS> manager, playing;
  manager.fill(-1);
  playing.fill(-1);
  for (int16_t p = 0; p < PlayerCount; ++p) {
    const int16_t club = Player_GetClub(p);
    if (!IsWorldClub(club)) continue;
    if (manager[club] < 0 && p != NO_MANAGER_PLAYER && IsManagerRecord(p)) manager[club] = p;
    if (playing[club] < 0 && Player_GetBossvane(p) != 0) playing[club] = p;
  }
  const int32_t today = DayCount();
  for (int16_t club = 0; club < NUM_CLUBS; ++club) {
    int32_t& since = gBoards.vacantSince[club];
    if (!IsFullLeagueClub(club)) {
      since = -1;
      continue;
    }
    const int16_t m = manager[club] >= 0 ? manager[club] : playing[club] >= 0 ? playing[club] : NO_MANAGER_PLAYER;
    const bool vacant = m == NO_MANAGER_PLAYER || Player_GetCaretaker(m) != 0;
    if (vacant && since < 0) since = today;
    if (since >= 0)
      ClubSimCount.longestVacancy = std::max(ClubSimCount.longestVacancy, std::max<int32_t>(0, today - since));
    if (!vacant) since = -1;
  }
}

}  // namespace

// ---------------------------------------------------------------------------
// The board's scores
// ---------------------------------------------------------------------------

int16_t CalcClubFormScore(int16_t club) { return FormScore(club, FORM_WINDOW_30, FORM_GAMES_30); }
int16_t CalcClubForm20Score(int16_t club) { return FormScore(club, FORM_WINDOW_20, FORM_GAMES_20); }
int16_t CalcClubSeasonFormScore(int16_t club) { return FormScore(club, FORM_WHOLE_SEASON, FORM_GAMES_SEASON); }

int16_t CalcFinanceScore(int16_t club) {
  if (!IsWorldClub(club) || !IsGameCountry(GameCountry)) return 0;
  const int division = Club_GetDivision(club);
  if (division < 0 || division >= LEAGUE_DIVISIONS) return 0;
  const int32_t balance = Club_GetBalance(club);
  if (balance < 0) return 0;
  int32_t v = balance / (FinanceDivisor[GameCountry][division] * FINANCE_UNIT);
  v = std::min<int32_t>(std::min<int32_t>(v, 30000), 100);
  return static_cast<int16_t>(v * FINANCE_SCORE_MAX / 100);
}

void BuildReputationTable() {
  const int16_t n = std::min<int16_t>(CountLeagueClubs(), REPUTATION_TABLE_SIZE);
  int16_t listed = 0;
  for (int16_t club = 0; club < NUM_CLUBS && listed < n; ++club)
    if (Club_GetFullRecord(club) != nullptr) ReputationTable[listed++] = {club, Club_GetRep(club)};
  ReputationTableLength = listed;
  for (int pass = 0; pass < listed; ++pass)
    for (int k = 0; k + 1 < listed; ++k)
      if (ReputationTable[k].reputation < ReputationTable[k + 1].reputation)
        std::swap(ReputationTable[k], ReputationTable[k + 1]);
}

int16_t GetReputationRank(int16_t club) {
  for (int16_t i = 0; i < ReputationTableLength; ++i)
    if (ReputationTable[i].club == club) return i;
  return ReputationTableLength;
}

int16_t CalcRepRankScore(int16_t club) {
  if (ReputationTableLength == 0) BuildReputationTable();
  const int16_t n = ReputationTableLength;
  if (n == 0) return 0;
  const int16_t i = GetReputationRank(club);
  const int16_t r = Club_GetOverallRank(club);
  const auto share = static_cast<int16_t>((n + i - r) * 100 / (2 * n));
  const auto score = static_cast<int16_t>(share * RANK_SCORE_MAX / 100);
  return std::clamp<int16_t>(score, 0, RANK_SCORE_MAX);
}

int16_t BoardWouldSackManager(int16_t club) {
  return CalcClubFormScore(club) + CalcFinanceScore(club) + CalcRepRankScore(club) < SACKING_SCORE ? 1 : 0;
}

// ---------------------------------------------------------------------------
// Expected places
// ---------------------------------------------------------------------------

void SetAllClubsExpectedPlace() {
  BuildReputationTable();
  for (int16_t club = 0; club < NUM_CLUBS; ++club)
    if (IsLeagueClub(club)) SetExpectedPlaceFromRank(club, GetReputationRank(club));
}

void SetClubExpectedPlace(int16_t club) {
  if (!IsLeagueClub(club)) return;
  BuildReputationTable();
  int32_t rank = GetReputationRank(club);
  if (SeasonCounter > 0) {
    const int32_t place = Club_GetOverallRank(club) - 1;
    if (place >= 0 && place < rank) rank = place;
  }
  SetExpectedPlaceFromRank(club, rank);
}

// ---------------------------------------------------------------------------
// The human manager's board and jobs
// ---------------------------------------------------------------------------

void PostBoardConfidenceNews() {
  const int16_t club = FindHumanClub(1);
  if (club < 0) return;
  const int16_t f30 = CalcClubFormScore(club);
  const int16_t f20 = CalcClubForm20Score(club);
  const int32_t u =
      CalcRepRankScore(club) - BOARD_RANK_PAR + Player_GetReputation(HUMAN_MANAGER_PLAYER) - Club_GetRep(club);
  const int w = u < -10 ? 0 : u > 10 ? 2 : 1;
  if (f20 < BOARD_QUIET_BELOW_F20) return;
  for (const BoardBand& band : kBoardBands) {
    if (f30 <= band.above || f30 > band.upTo) continue;
    SetNewsArgs(club, -1, HUMAN_MANAGER_PLAYER, -1, -1, -1, -1, -1, -1);
    ShowNewsMessage(GetRandomNewsText(band.kind + w), 0, NEWS_SHOW_HUMAN_CLUB, club, -1);
    return;
  }
}

void ApplyForManagerJob(int16_t club) {
  JobOfferEntry* entry = CurrentJobOffer();
  if (entry == nullptr || !IsWorldClub(club)) return;
  const int16_t manager = CurrentHumanManager;
  const auto player = static_cast<int16_t>(manager - 1);
  const int16_t own = FindHumanClub(manager);
  const int32_t clubScore = 2 * Club_GetRep(club) + JOB_SCORE_BASE - Club_GetOverallRank(club);
  const int32_t form = own >= 0 ? CalcClubFormScore(own) : FORM_OF_NO_CLUB;
  const int32_t ownRank = own >= 0 ? Club_GetOverallRank(own) : LastOverallRank(manager);
  const int32_t managerScore = 2 * Player_GetReputation(player) + JOB_SCORE_BASE - ownRank + form;
  int16_t kind = 0;
  if (managerScore >= clubScore) kind = GameRandom() % JOB_OFFER_ROLL < form ? 1 : 0;
  entry->club = club;
  entry->kind = kind;
  entry->dueDay = static_cast<int16_t>(DayOfSeason + GameRandom() % JOB_DUE_SPREAD + JOB_DUE_MIN);
}

int16_t GetJobOfferClub() {
  const JobOfferEntry* entry = CurrentJobOffer();
  return entry ? entry->club : JOB_OFFER_NONE;
}
int16_t GetJobOfferExpiry() {
  const JobOfferEntry* entry = CurrentJobOffer();
  return entry ? entry->dueDay : JOB_OFFER_NONE;
}
int16_t GetJobOfferKind() {
  const JobOfferEntry* entry = CurrentJobOffer();
  return entry ? entry->kind : JOB_OFFER_NONE;
}
void ClearJobOffer() {
  if (JobOfferEntry* entry = CurrentJobOffer()) *entry = {JOB_OFFER_NONE, JOB_OFFER_NONE, JOB_OFFER_NONE};
}

void JobOffer_Pack(uint8_t* out) {
  const JobOfferEntry& entry = gBoards.jobOffers[0];
  StoreI16(out + 0, entry.club);
  StoreI16(out + 2, entry.dueDay);
  StoreI16(out + 4, entry.kind);
}

void JobOffer_Unpack(const uint8_t* in) {
  gBoards.jobOffers[0] = {LoadI16(in + 0), LoadI16(in + 2), LoadI16(in + 4)};
  gBoards.lastApproachingClub = -1;
}

bool JobOffer_ImageSound(const uint8_t* in) {
  const int16_t club = LoadI16(in + 0), due = LoadI16(in + 2), kind = LoadI16(in + 4);
  if (club == JOB_OFFER_NONE && due == JOB_OFFER_NONE && kind == JOB_OFFER_NONE) return true;
  return IsWorldClub(club) && due >= 0 && due <= LATEST_DUE_DAY && (kind == 0 || kind == 1);
}

int16_t GetLastApproachingClub() { return gBoards.lastApproachingClub; }

// ---------------------------------------------------------------------------
// Manager changes
// ---------------------------------------------------------------------------

void ReleaseClubManager(int16_t club) {
  if (!IsWorldClub(club)) return;
  const int16_t manager = GetClubManager(club);
  if (manager != NO_MANAGER_PLAYER) {
    NoteHumanLeaving(club);
    ManagerLeaves(manager, club, true);
  }
  Club_SetControl(club, 0);
  Club_SetRep(club, Club_GetRep(club) + RELEASE_REPUTATION_GAIN);
}

int16_t FindNewManager(int16_t club) {
  const int32_t c = ReputationScore(Club_GetRep(club));
  int16_t found = -1;
  int32_t best = -1;
  for (int16_t p = 0; p < PlayerCount; ++p) {
    if (p == NO_MANAGER_PLAYER || !IsManagerRecord(p) || Player_GetClub(p) != PLAYER_CLUB_NONE ||
        Player_GetWage(p) == club)
      continue;
    const int32_t g = ReputationScore(Player_GetReputation(p));
    if (g < c / 2 || g > c || g <= best) continue;
    found = p;
    best = g;
  }
  if (found < 0 || GameRandom() % POACH_CHANCE == 0) {
    const int16_t ownRank = Club_GetOverallRank(club);
    const int16_t ownRep = Club_GetRep(club);
    int32_t bestPoach = 0;
    for (int16_t p = 0; p < PlayerCount; ++p) {
      if (p == NO_MANAGER_PLAYER || !IsManagerRecord(p)) continue;
      const int16_t his = Player_GetClub(p);
      if (!IsWorldClub(his) || Player_GetWage(p) == club) continue;
      if (p == HUMAN_MANAGER_PLAYER && club == gBoards.lastApproachingClub) continue;
      if (Club_GetRep(his) >= ownRep || Club_GetOverallRank(his) <= ownRank) continue;
      const int32_t g = ReputationScore(Player_GetReputation(p));
      if (g > c || g <= bestPoach) continue;
      found = p;
      bestPoach = g;
    }
  }
  if (found < 0) return NO_MANAGER_PLAYER;

  const int16_t his = Player_GetClub(found);
  if (found == HUMAN_MANAGER_PLAYER) {
    gBoards.lastApproachingClub = club;
    JobOfferingClub = club;
    JobOfferPending = 1;
    SetNewsArgs(club, his, found, -1, -1, -1, -1, AgeInYears(found), -1);
    // A manager without a club names no second club to the news.
    ShowNewsMessage(GetRandomNewsText(NEWS_APPROACHED), 0, NEWS_SHOW_HUMAN_DIVISION, club,
                    IsWorldClub(his) ? his : int16_t{-1});
    return NO_MANAGER_PLAYER;
  }
  if (his != PLAYER_CLUB_NONE) {
    SetNewsArgs(club, his, found, -1, -1, -1, -1, AgeInYears(found), -1);
    ShowNewsMessage(GetRandomNewsText(NEWS_POACHED), 0, NEWS_SHOW_HUMAN_DIVISION, club, his);
    ClubEventLog_Add(found, his, 0, 0, EVENT_MANAGER_RESIGNED);
  }
  Player_SetCaretaker(found, 0);
  Player_SetTxList(found, 0);
  Player_SetOnLoan(found, 0);
  Player_SetLoanList(found, 0);
  Player_SetTxReq(found, 0);
  Player_SetCaptain(found, 0);
  Player_SetShirt(found, 0);
  Player_SetMorale(found, MANAGER_MORALE);
  return found;
}

void AppointCaretaker(int16_t club) {
  BuildClubSquadList(club);
  int16_t chosen = -1;
  int32_t best = -1;
  for (int i = 0; i < SquadListLength; ++i) {
    const int16_t p = SquadList[i];
    if (p < 0 || p >= PlayerCount) continue;
    if (IsManagerRecord(p) || Player_GetManager(p) != 0 || Player_GetBossvane(p) != 0) continue;
    if (Player_GetOnLoan(p) != 0 || Player_GetTxList(p) != 0 || Player_GetTxReq(p) != 0) continue;
    if (Player_GetAge(p) < CARETAKER_MIN_STORED_AGE) continue;
    const int32_t name = ReputationScore(Player_GetReputation(p));
    if (name <= best) continue;
    chosen = p;
    best = name;
  }
  if (chosen < 0) return;
  const int roll = GameRandom() % CARETAKER_ROLL;
  const bool willing = Player_GetMorale(chosen) * 100 / 60 >= CARETAKER_MIN_MORALE;
  if (roll >= PERMANENT_BELOW) {
    if (!willing) return;
    Player_SetBossvane(chosen, 1);
    Player_SetCaretaker(chosen, 1);
    Player_SetLoanList(chosen, 0);
    const int16_t answer = BidInfo_FindPlayer(chosen);
    if (answer >= 0) BidInfo_Clear(answer);
    for (int16_t other = 0; other < NUM_CLUBS; ++other) ClubBid_WithdrawPlayer(other, chosen);
    SetNewsArgs(club, -1, chosen, -1, -1, -1, -1, -1, -1);
    ShowNewsMessage(GetRandomNewsText(NEWS_CARETAKER), 0, NEWS_SHOW_HUMAN_DIVISION, club, -1);
    ++ClubSimCount.caretakers;
    return;
  }
  if (best < ReputationScore(Club_GetRep(club)) || !willing) return;
  Player_SetBossvane(chosen, 1);
  Player_SetCaretaker(chosen, 0);
  ManagerNews(NEWS_PLAYING_MANAGER, club, chosen);
  ++ClubSimCount.newManagers;
}

int16_t SettleSackedReputation(int16_t managerRep, int16_t clubRep) {
  const int16_t above = static_cast<int16_t>(managerRep - clubRep);
  return above > 0 ? static_cast<int16_t>(managerRep - (above - above / 2)) : managerRep;
}

void ComputerClubsManagerChanges() {
  SackedHumanManager = 0;
  SackingClub = -1;
  for (int16_t club = 0; club < NUM_CLUBS; ++club) {
    if (club % 7 != Weekday || !IsFullLeagueClub(club)) continue;
    const int16_t manager = GetClubManager(club);
    CurrentManager = manager;
    if (manager == NO_MANAGER_PLAYER || Player_GetCaretaker(manager) != 0) {
      if (GameRandom() % 100 < APPOINT_CHANCE) {
        const int16_t chosen = FindNewManager(club);
        if (chosen != NO_MANAGER_PLAYER) Appoint(club, manager, chosen);
      } else if (manager == NO_MANAGER_PLAYER) {
        AppointCaretaker(club);
      }
      continue;
    }
    JudgeManager(club, manager);
  }
  NoteVacancies();
}

void Boards_Reset() {
  gBoards = InitialBoards();
  ReputationTableLength = 0;
  for (ReputationEntry& entry : ReputationTable) entry = {};
}
REGISTER_RESET(RESET_CLUBSIM, Boards_Reset);
