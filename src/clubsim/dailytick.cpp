#include "clubsim/dailytick.h"

#include <algorithm>

#include "clubsim/injuries.h"
#include "clubsim/simcounts.h"
#include "clubsim/squadlist.h"
#include "clubsim/transfers.h"
#include "engine/poll.h"
#include "engine/reset.h"
#include "engine/rand.h"
#include "season/seam.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/nationality.h"
#include "world/newsticker.h"
#include "world/players.h"
#include "world/playerstats.h"
#include "world/static_country.h"
#include "world/textmess.h"

namespace {

constexpr int16_t FIRST_SPECIAL_CLUB = 250;  // clubs from here up are free agents, the pool, nobody
constexpr int16_t POSITION_MANAGER = 13;
constexpr int16_t MORALE_TOP = 60;
constexpr int16_t RANDOM_EVENTS_FIRST_DAY = 21;
constexpr int16_t ILLNESS_MIN_SQUAD = 16;
constexpr int16_t TRAINING_REST_WEEKDAY = 1;

// Personality and physical stats the dressing room reads.
constexpr int STAT_PATIENCE = 17;      // frustration and requests
constexpr int STAT_COMPOSURE = 18;     // how hard a row hits, going absent
constexpr int STAT_AGGRESSION = 20;    // who stands above whom in a row
constexpr int STAT_TEMPERAMENT = 21;   // rivals have the opposite, friends the same
constexpr int STAT_RESILIENCE = 12;    // falling ill

// News kinds.
constexpr int NEWS_REQUEST_WITHDRAWN = 14;
constexpr int NEWS_REQUEST = 15;
constexpr int NEWS_AWOL = 16;
constexpr int NEWS_FIGHT = 17;
constexpr int NEWS_BRAWL = 18;
constexpr int NEWS_BUST_UP = 19;
constexpr int NEWS_RIFT = 20;
constexpr int NEWS_FRUSTRATED = 79;
constexpr int NEWS_LIKES_MANAGEMENT = 82;
constexpr int NEWS_GELS_WITH_CAPTAIN = 83;
constexpr int NEWS_GETS_ALONG = 84;
constexpr int NEWS_STRUGGLING = 85;
constexpr int NEWS_WRONG_CAPTAIN = 88;
constexpr int NEWS_PROBLEM = 89;

constexpr int POSITION_WORD_TEXT = 300;  // + position group: "Keeper" ... "Forward"
constexpr int AGE_OFFSET = 16;           // stored age + 16 = years

// Request blackout: per game country three pairs of day offsets from the
// season's start; (-1, -1) is a pair that is not used.
struct BlackoutPair {
  int16_t first, last;
};
constexpr BlackoutPair kLateSeason{233, 307};
constexpr BlackoutPair kLateSeason1{240, 307};
constexpr BlackoutPair kNoBlackout{-1, -1};
constexpr BlackoutPair kRequestBlackout[NUM_GAME_COUNTRIES][3] = {
    {kLateSeason, kLateSeason, kLateSeason},    {kLateSeason1, kLateSeason1, kLateSeason1},
    {kNoBlackout, kNoBlackout, kNoBlackout},    {kLateSeason, kLateSeason, kLateSeason},
    {kNoBlackout, kNoBlackout, kNoBlackout},    {kLateSeason, kLateSeason, kLateSeason},
    {kNoBlackout, kNoBlackout, kNoBlackout},    {kLateSeason, kLateSeason, kLateSeason},
    {kLateSeason, kLateSeason, kLateSeason},
};

// The players of each club in player order (managers too), built afresh
// while the dressing-room step runs: nobody changes club during it.
struct ClubMembers {
  bool built = false;
  int32_t start[NUM_CLUBS + 1] = {};
  int16_t players[MAX_PLAYERS] = {};
};
ClubMembers gMembers;

void BuildClubMembers() {
  ClubMembers& m = gMembers;
  std::fill(std::begin(m.start), std::end(m.start), 0);
  for (int16_t p = 0; p < PlayerCount; ++p) {
    const int16_t club = Player_GetClub(p);
    if (club >= 0 && club < NUM_CLUBS) ++m.start[club + 1];
  }
  for (int c = 0; c < NUM_CLUBS; ++c) m.start[c + 1] += m.start[c];
  int32_t next[NUM_CLUBS];
  std::copy(m.start, m.start + NUM_CLUBS, next);
  for (int16_t p = 0; p < PlayerCount; ++p) {
    const int16_t club = Player_GetClub(p);
    if (club >= 0 && club < NUM_CLUBS) m.players[next[club]++] = p;
  }
  m.built = true;
}

// Calls fn(q) for every player of the club, in player order.
template <typename Fn>
void ForEachMember(int16_t club, Fn fn) {
  if (club < 0 || club >= NUM_CLUBS) return;
  for (int32_t k = gMembers.start[club]; k < gMembers.start[club + 1]; ++k) fn(gMembers.players[k]);
}

// Keeps the member lists for the scope: the tick's dressing-room step, or a
// single call from outside it.
class MembersInUse {
 public:
  MembersInUse() : owner_(!gMembers.built) {
    if (owner_) BuildClubMembers();
  }
  ~MembersInUse() {
    if (owner_) gMembers.built = false;
  }
  MembersInUse(const MembersInUse&) = delete;
  MembersInUse& operator=(const MembersInUse&) = delete;

 private:
  bool owner_;
};

// The strided scan of the player table for a team-mate: from rand() % stride,
// on by rand() % stride + 1 at each step, the first player visited who is
// among the candidates (player order). The scan draws its numbers from the
// game's generator as a scan of every player would; it stops once it is past
// the last candidate, where a scan of every player could find nobody more,
// and it is not run at all when there is no candidate.
constexpr int MAX_CANDIDATES = 128;
int16_t StridedScan(const int16_t* candidates, int count, int stride) {
  if (count == 0) return -1;
  uint32_t state = GameRandomState();
  const auto next = [&state] {
    state = state * 1103515245u + 12345u;
    return static_cast<int>((state >> 16) & 32767u);
  };
  int16_t found = -1;
  int k = 0;
  for (int i = next() % stride; i < PlayerCount; i += next() % stride + 1) {
    while (k < count && candidates[k] < i) ++k;
    if (k == count) break;
    if (candidates[k] == i) {
      found = candidates[k];
      break;
    }
  }
  GameSetRandomState(state);
  return found;
}

bool IsManager(int16_t p) { return Player_GetPosition(p) == POSITION_MANAGER || Player_GetBossvane(p) != 0; }

int16_t Personality(int16_t p, int stat) { return Player_GetPersonalityStat(p, stat); }

// News of the dressing room goes out for a human manager's club only.
void News(int kind, int16_t club, int16_t player, int16_t other = -1, int16_t number = -1, int16_t text = -1) {
  SetNewsArgs(club, -1, player, other, -1, text, -1, number, -1);
  ShowNewsMessage(GetRandomNewsText(kind), 0, NEWS_SHOW_HUMAN_CLUB, club, -1);
}

bool TakesTurnToday(int16_t p) { return p % 7 == Weekday; }

// ---- morale and relations ----

void MoraleAndRelations(int16_t p) {
  const int16_t club = Player_GetClub(p);
  if (club < 0 || club >= FIRST_SPECIAL_CLUB) return;
  if (IsManager(p)) {
    Player_SetMorale(p, MORALE_TOP);
    return;
  }
  if (Club_GetCountry(club) != GameCountry) return;
  const bool human = Club_GetControl(club) != 0;

  if (GameRandom() % 40 == 0 && NationalityGroup(Club_GetCountry(club)) != NationalityGroup(Player_GetNationality(p)))
    SettleForeignPlayer(p);

  const int16_t rival = FindRival(p);
  if (GameRandom() % 20 == 1 && rival != -1 && human)
    News(Player_GetCaptain(rival) ? NEWS_WRONG_CAPTAIN : NEWS_PROBLEM, club, p, rival);

  if (rival != -1 && GameRandom() % 10 == 0) {
    Poll();
    // Two players without any aggression between them have nothing to row about.
    const int spread = Personality(rival, STAT_AGGRESSION) + Personality(p, STAT_AGGRESSION);
    const int roll = spread > 0 ? GameRandom() % spread : 0;
    if (human) {
      if (roll <= 180) return;  // words, no more: nothing else for him today
      News(roll > 350 ? NEWS_FIGHT : roll > 300 ? NEWS_BRAWL : roll > 240 ? NEWS_BUST_UP : NEWS_RIFT, club, p, rival);
    }
    const int fall = std::clamp(roll * 20 / (Personality(p, STAT_COMPOSURE) + 1), 1, 100);
    Player_ChangeMorale(p, -fall);
  }

  const int16_t friendly = FindFriend(p);
  if (GameRandom() % 20 == 1 && friendly != -1) {
    Poll();
    int delta = 0, kind = 0;
    if (IsManager(friendly)) {
      delta = MORALE_TOP - Player_GetMorale(p);
      kind = NEWS_LIKES_MANAGEMENT;
    } else if (Player_GetCaptain(friendly)) {
      delta = Player_GetMorale(friendly) - Player_GetMorale(p);
      kind = NEWS_GELS_WITH_CAPTAIN;
    } else {
      delta = Player_GetMorale(p) / 10;
      kind = NEWS_GETS_ALONG;
    }
    if (human) News(kind, club, p, friendly);
    Player_ChangeMorale(p, delta);
  }
}

// ---- random events of the season ----

void RandomEvent(int16_t p, int16_t leagueClubs) {
  const int16_t club = Player_GetClub(p);
  if (club < 0 || club >= FIRST_SPECIAL_CLUB || Club_GetCountry(club) != GameCountry) return;
  if (Player_GetOnLoan(p) || Club_GetDivision(club) >= NUM_DIVISIONS) return;
  if (Player_GetPosition(p) == POSITION_MANAGER || Player_GetBossvane(p) || Player_GetTxList(p)) return;

  const int16_t reputation = Club_GetRep(club);
  if (Player_GetMorale(p) < reputation) Player_SetMorale(p, reputation);
  const int x = std::max(60 - reputation - 20, 1);
  if (GameRandom() % x < 2) Player_ChangeMorale(p, GameRandom() % 10);

  if (Personality(p, STAT_TEMPERAMENT) >= 100 && GameRandom() % (reputation + 2) == 0) {
    const int standing = 100 - Club_GetOverallRank(club) * 100 / std::max<int>(leagueClubs, 1);
    const int ability = Player_GetAbilityCurve(p) * 100 / 250;
    if (ability <= standing) return;
    const int d = (ability - standing) * 2;
    const int patience = Personality(p, STAT_PATIENCE);
    if (patience >= d) return;
    if (Club_GetControl(club) != 0) News(NEWS_FRUSTRATED, club, p);
    Player_ChangeMorale(p, -std::clamp((d - patience) / 2, 1, 100));
  }
}

// ---- transfer requests ----

// Answers false when the request scan stops for the day.
bool TransferRequest(int16_t p) {
  if (Player_GetOnLoan(p)) return true;
  const int16_t club = Player_GetClub(p);
  if (club < 0 || club >= FIRST_SPECIAL_CLUB || Club_GetCountry(club) != GameCountry) return true;
  const int16_t division = Club_GetDivision(club);
  if (division >= NUM_DIVISIONS) return true;
  if (Player_GetInFlag(p) || Player_IsUnavailable(p) || IsManager(p) || Player_GetWage(p) == 0) return true;

  const bool human = Club_GetControl(club) != 0;
  const int m = Player_GetMorale(p) * 100 / 60;
  const int patience = Personality(p, STAT_PATIENCE);
  const int limit = 40 - patience / 5;
  const bool request = Player_GetTxReq(p) != 0;
  const bool listed = Player_GetTxList(p) != 0;

  if (m > 70 && request) {
    Player_SetTxReq(p, 0);
    Player_SetTxList(p, 0);
    ++ClubSimCount.withdrawn;
    if (human) News(NEWS_REQUEST_WITHDRAWN, club, p);
    return true;
  }
  if (m < limit && !listed && request) {
    // Going absent: an unsettled player at a club that can still pay him.
    if (GameRandom() % (Personality(p, STAT_COMPOSURE) + 1) != 0) return true;
    if (Club_GetBalance(club) <= 0 || Player_GetWage(p) == 0) return true;
    if (GameRandom() % 100 >= 5) return true;
    const int16_t days = static_cast<int16_t>(std::max(GameRandom() % 50, 1));  // an absence always ends
    InjurePlayer(p, days, INJURY_TYPE_AWOL, 0);
    NewsTicker_AddMessage(club, p);
    if (human)
      News(NEWS_AWOL, club, p, -1, -1, static_cast<int16_t>(POSITION_WORD_TEXT + GNW_GetPositionType(p)));
    return true;
  }
  if (m < limit && !request && !listed) {
    if (RequestBlackoutToday()) return false;
    Player_SetTxReq(p, 1);
    ++ClubSimCount.requests;
    if (human)
      News(NEWS_REQUEST, club, p, -1, static_cast<int16_t>(Player_GetAge(p) + AGE_OFFSET),
           static_cast<int16_t>(POSITION_WORD_TEXT + GNW_GetPositionType(p)));
  }
  return true;
}

// ---- fatigue recovery and illness ----

// physio: per club its physio's level when under contract, else 0.
void RecoverAndFallIll(int16_t p, const int16_t physio[FIRST_SPECIAL_CLUB]) {
  Player_SetFatigue(p, Player_GetFatigue(p) - GameRandom() % 6);
  Poll();
  PlayerScreenFields f;
  if (!Player_ReadScreenFields(p, &f)) return;  // not reached: p is a full record
  const int16_t club = f.club;
  if (club < 0 || club >= FIRST_SPECIAL_CLUB) return;
  if (f.position == POSITION_MANAGER || f.wage == 0 || f.inFlag) return;

  if (GameRandom() % 40 < physio[club]) return;
  if (GameRandom() % (Player_GetPhysicalStat(p, STAT_RESILIENCE) + 1) != 0) return;
  const int16_t type = static_cast<int16_t>(GameRandom() % 7 + 1);
  const int base = InjuryType_BaseTime(type);
  const int days = base + (base > 0 ? GameRandom() % (2 * base) : 0);
  int rarity = InjuryType_Rarity(type);
  if (rarity > 1) rarity /= 4;
  if (GameRandom() % std::max(rarity, 1) != 0) return;
  if (getsquadsize(club) >= ILLNESS_MIN_SQUAD) InjurePlayer(p, static_cast<int16_t>(days), type, 0);
}

}  // namespace

void DailyTick_Reset() { gMembers.built = false; }
REGISTER_RESET(RESET_CLUBSIM, DailyTick_Reset);

bool RequestBlackoutToday() {
  if (!IsGameCountry(GameCountry)) return false;
  for (const BlackoutPair& pair : kRequestBlackout[GameCountry]) {
    if (pair.first < 0 && pair.last < 0) continue;  // no period
    const int day = DayOfSeason;
    const bool inside =
        pair.first < pair.last ? day >= pair.first && day <= pair.last : day >= pair.first || day <= pair.last;
    if (inside) return true;
  }
  return false;
}

int16_t FindRival(int16_t player) {
  const MembersInUse members;
  const int16_t club = Player_GetClub(player);
  const int target = 200 - Personality(player, STAT_TEMPERAMENT);
  const int aggression = Personality(player, STAT_AGGRESSION);
  int16_t candidates[MAX_CANDIDATES];
  int count = 0;
  ForEachMember(club, [&](int16_t q) {
    if (count < MAX_CANDIDATES && !IsManager(q) && Personality(q, STAT_TEMPERAMENT) == target &&
        Personality(q, STAT_AGGRESSION) > aggression)
      candidates[count++] = q;
  });
  return StridedScan(candidates, count, 10);
}

int16_t FindFriend(int16_t player) {
  const MembersInUse members;
  const int16_t club = Player_GetClub(player);
  const int temperament = Personality(player, STAT_TEMPERAMENT);
  const int morale = Player_GetMorale(player);
  int16_t candidates[MAX_CANDIDATES];
  int count = 0;
  ForEachMember(club, [&](int16_t q) {
    if (count < MAX_CANDIDATES && Personality(q, STAT_TEMPERAMENT) == temperament && Player_GetMorale(q) > morale)
      candidates[count++] = q;
  });
  return StridedScan(candidates, count, 5);
}

void SettleForeignPlayer(int16_t player) {
  const MembersInUse members;
  const int16_t club = Player_GetClub(player);
  const int16_t group = NationalityGroup(Player_GetNationality(player));
  int count = 0;
  ForEachMember(club, [&](int16_t q) {
    if (q != player && NationalityGroup(Player_GetNationality(q)) == group) ++count;
  });
  if (count == 0) {
    Player_ChangeMorale(player, -(GameRandom() % 3));
    if (GameRandom() % 10 == 1 && Club_GetControl(club) != 0) News(NEWS_STRUGGLING, club, player);
  } else if (count > 1) {
    Player_ChangeMorale(player, count);
  }
}

void DressingRoomStep() {
  const MembersInUse members;
  for (int16_t p = 0; p < PlayerCount; ++p)
    if (TakesTurnToday(p)) MoraleAndRelations(p);
}

void SeasonEventsStep() {
  if (DayOfSeason < RANDOM_EVENTS_FIRST_DAY) return;
  const int16_t leagueClubs = CountLeagueClubs();
  for (int i = 0; i < PlayerCount; i += GameRandom() % 20 + 1) RandomEvent(static_cast<int16_t>(i), leagueClubs);
}

void TransferRequestStep() {
  for (int16_t p = 0; p < PlayerCount; ++p)
    if (TakesTurnToday(p) && !TransferRequest(p)) break;
}

void FatigueAndIllnessStep() {
  // The clubs' physios, looked up once: the step changes no staff.
  int16_t physio[FIRST_SPECIAL_CLUB];
  for (int16_t club = 0; club < FIRST_SPECIAL_CLUB; ++club)
    physio[club] = Club_GetPhysioContract(club) ? Club_GetPhysio(club) : int16_t{0};
  for (int16_t p = 0; p < PlayerCount; ++p) RecoverAndFallIll(p, physio);
}

void DailyClubAI() {
  Poll();
  DressingRoomStep();
  Poll();
  SeasonEventsStep();
  Poll();
  TransferRequestStep();
  Poll();
  BidDecisionStep();
  Poll();
  FatigueAndIllnessStep();
  if (Weekday != TRAINING_REST_WEEKDAY) {
    Poll();
    ClubSim.trainingStep();
  }
  Poll();
}
