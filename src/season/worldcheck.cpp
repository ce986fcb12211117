#include "season/worldcheck.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>
#include <vector>

#include "clubsim/squadlist.h"
#include "clubsim/yearend.h"
#include "clubsim/youth.h"
#include "clubsim/teamsel.h"
#include "engine/bytes.h"
#include "engine/reset.h"
#include "season/matchday.h"
#include "season/postmatch.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs_deals.h"
#include "world/lists.h"
#include "world/players.h"
#include "world/static_country.h"

namespace {

// What the players' season figures held before the fixtures now in the list
// were played: the figures less what those fixtures hold. Set at the start
// and again whenever a new season has made a new fixture list.
struct SeasonBaseline {
  int16_t season = -1;
  std::array<int32_t, MAX_PLAYERS> apps{};
  std::array<int32_t, MAX_PLAYERS> goals{};
  // The discipline figures before the season's first match; known only when
  // the baseline was taken before any fixture of the list was played.
  bool discipline = false;
  std::array<int8_t, MAX_PLAYERS> dispoints{};
  std::array<int8_t, MAX_PLAYERS> euroPoints{};
  std::array<int8_t, MAX_PLAYERS> suspension{};
};

// The players at a club the check notes before a pick: more than a squad
// holds, so that a club over its size is still seen whole.
constexpr int SIDE_AT_CLUB_MAX = 64;

// A player at the club a side is picked for (or a reserve), as he was before the pick.
struct SideEntry {
  int16_t player;
  int8_t suspension, euroBan, banwait;
};

struct WorldCheckState {
  int64_t money = 0;  // the world's money less the booked flow at the start
  SeasonBaseline baseline;
  // The club whose side is being picked and its listed players before the pick.
  int16_t sideClub = -1;
  int sideCount = 0;
  std::array<SideEntry, SIDE_AT_CLUB_MAX + NUM_RESERVE_SLOTS> side{};
  // The matches of domestic bans served since the baseline, in the order
  // served: the fixture whose pick served it and the player.
  std::vector<std::pair<int16_t, int16_t>> served;
  // The first fault in a side picked since the check began.
  std::string sideBreach;
  // The world's player count when the check began; it never changes.
  int16_t playerCount = 0;
  // The first new year that left too few free agents.
  std::string yearEndBreach;
  // Players whose season figures a pick for a club outside the game
  // country's league has made up since the baseline: their appearances,
  // goals and disciplinary points follow no fixture.
  std::array<bool, MAX_PLAYERS> madeUp{};
  // Players made again (retired, or taken on as trainees) since the
  // baseline: the first fixture of the list whose entries are the new
  // player's; 0 for everyone else.
  std::array<int16_t, MAX_PLAYERS> freshFrom{};
};
WorldCheckState gCheck;

// The top of a player's 7-bit season appearances and goals.
constexpr int16_t SEASON_FIGURE_MAX = 127;

// The player record's discipline fields: points 0-31, European points 0-2,
// matches still to serve 0-7.
constexpr int DISPOINTS_TOP = 31;
constexpr int EURO_POINTS_TOP = 2;
constexpr int SUSPENSION_TOP = 7;
constexpr int kDisciplineThresholds[4] = {7, 12, 17, 22};  // crossing the k-th adds k + 1 matches
constexpr int16_t COMP_EURO_FIRST = 69;                      // codes 69-116: the European cups

// Shirts 1-11 start a match; a cup tie to nobody reads as club 255.
constexpr int16_t STARTERS = 11;
constexpr int16_t NO_CUP_TIE = PLAYER_CLUB_NONE;

// The most players a club may hold: what its squad list can show.
constexpr int MAX_SQUAD_PLAYERS = SQUAD_LIST_SIZE;

std::string Format(const char* format, auto... args) {
  char text[256];
  std::snprintf(text, sizeof text, format, args...);
  return text;
}

bool LeagueClub(int16_t club) {
  return Club_GetCountry(club) == GameCountry && Club_GetDivision(club) < NUM_DIVISIONS;
}

bool CheckMoney(std::string* detail) {
  const int64_t now = WorldCheck_TotalMoney() - MoneyFlow_Total();
  if (now == gCheck.money) return true;
  *detail = Format("expected=%lld found=%lld pool=%d flow=%lld", static_cast<long long>(gCheck.money),
                   static_cast<long long>(now), MoneyPool, static_cast<long long>(MoneyFlow_Total()));
  return false;
}

// From the end of the league season (Postdate) to the next season's set-up
// the play-offs are still to decide the last places: the divisions are whole
// again when the new season starts.
bool CheckDivisions(std::string* detail) {
  if (!IsGameCountry(GameCountry) || DayOfSeason > Postdate) return true;
  std::array<int, NUM_DIVISIONS> counts{};
  for (int16_t club = 0; club < NUM_CLUBS; ++club)
    if (LeagueClub(club)) ++counts[Club_GetDivision(club)];
  for (int d = 0; d < NUM_DIVISIONS; ++d) {
    const int wanted = CountryDivisionInfo.sizes[GameCountry][d].value;
    if (counts[d] != wanted) {
      *detail = Format("division=%d clubs=%d wanted=%d", d, counts[d], wanted);
      return false;
    }
  }
  return true;
}

// Read from the player records alone, so that checking changes nothing the
// game reads (the current squad list stays as the game left it).
bool CheckSquads(std::string* rule, std::string* detail) {
  std::array<int, NUM_CLUBS> sizes{};
  // A player lent out is still on his own club's list.
  for (int16_t slot = 0; slot < NUM_LOANS; ++slot) {
    const int16_t owner = Loan_GetLoanClub(slot);
    if (Loan_GetPlayerNo(slot) >= 0 && owner >= 0 && owner < NUM_CLUBS) ++sizes[owner];
  }
  std::array<std::array<int16_t, 256>, NUM_CLUBS> shirtOwner;
  for (auto& owners : shirtOwner) owners.fill(-1);
  for (int16_t p = 0; p < PlayerCount; ++p) {
    const int16_t club = Player_GetClub(p);
    if (club < 0 || club >= NUM_CLUBS) continue;
    if (Player_GetManager(p)) continue;
    if (++sizes[club] > MAX_SQUAD_PLAYERS) {
      *rule = "squads";
      *detail = Format("club=%d players>%d", club, MAX_SQUAD_PLAYERS);
      return false;
    }
    const int16_t shirt = Player_GetShirt(p);
    if (shirt <= 0) continue;  // no shirt given yet
    int16_t& owner = shirtOwner[club][shirt & 0xFF];
    if (owner >= 0) {
      *rule = "shirts";
      *detail = Format("club=%d shirt=%d players=%d,%d", club, shirt, owner, p);
      return false;
    }
    owner = p;
  }
  return true;
}

bool CheckFixtures(std::string* detail) {
  // Per day, the clubs that play: a club may play once a day, friendlies and
  // the fixtures outside the records aside.
  int16_t previousDay = -1;
  std::array<int16_t, NUM_CLUBS> playedOn;
  playedOn.fill(-1);
  for (int16_t n = 0; n < NUM_FIXTURES; ++n) {
    const int16_t day = Fixture_GetDay(n);
    if (day == FIXTURE_EMPTY_DAY) break;
    if (day < previousDay) {
      *detail = Format("slot=%d day=%d after=%d", n, day, previousDay);
      return false;
    }
    if (day != previousDay) playedOn.fill(-1);
    previousDay = day;
    const int16_t comp = Fixture_GetCompetition(n);
    if (comp >= COMP_FRIENDLY) continue;
    for (const int16_t club : {Fixture_GetHomeClub(n), Fixture_GetAwayClub(n)}) {
      if (club < 0 || club >= NUM_CLUBS) continue;
      if (playedOn[club] >= 0) {
        *detail = Format("day=%d club=%d slots=%d,%d", day, club, playedOn[club], n);
        return false;
      }
      playedOn[club] = n;
    }
  }
  for (int16_t n = 0; n < NUM_FIXTURES; ++n) {
    if (Fixture_GetDay(n) != FIXTURE_EMPTY_DAY) continue;
    for (int16_t m = n + 1; m < NUM_FIXTURES; ++m)
      if (Fixture_GetDay(m) != FIXTURE_EMPTY_DAY) {
        *detail = Format("slot=%d used after empty slot=%d", m, n);
        return false;
      }
    break;
  }
  return true;
}

bool CheckTables(std::string* detail) {
  // Count the played league fixtures up to today afresh and compare with the
  // table the game keeps for that day.
  struct Count {
    int played = 0, won = 0, drawn = 0, lost = 0, goalsFor = 0, against = 0;
  };
  std::array<Count, NUM_CLUBS> counts{};
  for (int16_t n = 0; n < NUM_FIXTURES; ++n) {
    const int16_t day = Fixture_GetDay(n);
    if (day == FIXTURE_EMPTY_DAY || day > DayOfSeason) break;
    if (Fixture_GetCompetition(n) != COMP_LEAGUE || !Fixture_IsPlayed(n)) continue;
    const int16_t home = Fixture_GetHomeClub(n), away = Fixture_GetAwayClub(n);
    if (home >= NUM_CLUBS || away >= NUM_CLUBS) continue;
    const int hg = Fixture_GetHomeGoals(n), ag = Fixture_GetAwayGoals(n);
    Count& h = counts[home];
    Count& a = counts[away];
    ++h.played, ++a.played;
    h.goalsFor += hg, h.against += ag, a.goalsFor += ag, a.against += hg;
    if (hg > ag) ++h.won, ++a.lost;
    else if (hg < ag) ++a.won, ++h.lost;
    else ++h.drawn, ++a.drawn;
  }
  const std::array<LeagueTableRow, NUM_CLUBS> kept = std::to_array(LeagueTable);
  LeagueTable_Rebuild(DayOfSeason);
  bool ok = true;
  for (int16_t club = 0; club < NUM_CLUBS && ok; ++club) {
    const LeagueTableRow& row = LeagueTable[club];
    const Count& c = counts[club];
    if (row.played != c.played || row.homeWon + row.awayWon != c.won || row.homeDrawn + row.awayDrawn != c.drawn ||
        row.homeLost + row.awayLost != c.lost || row.homeFor + row.awayFor != c.goalsFor ||
        row.homeAgainst + row.awayAgainst != c.against) {
      *detail = Format("club=%d played=%d/%d won=%d/%d drawn=%d/%d lost=%d/%d", club, row.played, c.played,
                       row.homeWon + row.awayWon, c.won, row.homeDrawn + row.awayDrawn, c.drawn,
                       row.homeLost + row.awayLost, c.lost);
      ok = false;
    }
  }
  // The check leaves the tables as it found them.
  std::copy(kept.begin(), kept.end(), LeagueTable);
  return ok;
}

// Appearances and goals of every player in the played fixtures of the list
// (friendlies and the fixtures outside the records aside): a squad entry with
// a mark is an appearance, and its goal bits his goals.
// Visits, in the order they were played, the squad entries of the played
// fixtures of the list that count for the records: visit(code, player, flags).
template <typename Visit>
void ForEachPlayedEntry(Visit visit) {
  for (int16_t n = 0; n < NUM_FIXTURES; ++n) {
    if (Fixture_GetDay(n) == FIXTURE_EMPTY_DAY) break;
    const int16_t code = Fixture_GetCompetition(n);
    if (code >= COMP_FRIENDLY || !Fixture_IsPlayed(n)) continue;
    const uint8_t* record = Fixture_GetRecord(n)->bytes;
    for (int side = 0; side < 2; ++side)
      for (int e = 0; e < FIXTURE_SIDE_ENTRIES; ++e) {
        const uint8_t* entry = record + FIXTURE_SIDE_OFFSET[side] + e * FIXTURE_PLAYER_ENTRY_SIZE;
        const int16_t player = LoadI16(entry);
        const uint8_t mark = entry[2];
        if (player < 0 || player >= MAX_PLAYERS || mark == 0 || mark > 127) continue;
        if (n < gCheck.freshFrom[player]) continue;  // his predecessor's
        visit(n, code, player, entry[3]);
      }
  }
}

void CountFixtureFigures(std::array<int32_t, MAX_PLAYERS>* apps, std::array<int32_t, MAX_PLAYERS>* goals) {
  apps->fill(0);
  goals->fill(0);
  ForEachPlayedEntry([&](int16_t, int16_t, int16_t player, uint8_t flags) {
    ++(*apps)[player];
    (*goals)[player] += flags & FIXTURE_ENTRY_GOALS_MASK;
  });
}

bool AnyFixturePlayed() {
  bool any = false;
  ForEachPlayedEntry([&](int16_t, int16_t, int16_t, uint8_t) { any = true; });
  return any;
}

// A squad entry's card: 1 booked, 2 booked twice and sent off, 3 sent off
// straight; 0 none.
int CardOf(uint8_t flags) {
  const bool booked = flags & FIXTURE_ENTRY_BOOKED, sentOff = flags & FIXTURE_ENTRY_SENT_OFF;
  return sentOff ? (booked ? 2 : 3) : (booked ? 1 : 0);
}

struct Discipline {
  std::array<int8_t, MAX_PLAYERS> dispoints, euroPoints, suspension;
};

// The discipline figures the season's cards make of the baseline: league and
// domestic cup cards add points (two a card state), a sending-off its ban
// (three matches for a straight red, else one), and the first threshold of
// 7, 12, 17 or 22 points crossed 1-4 more matches; European cards count apart,
// two making a ban. The matches served (at the pick of a fixture, before
// its cards) come off in their turn, so the top of 7 is met as it was.
void ReplayDiscipline(const SeasonBaseline& b, Discipline* out) {
  out->dispoints = b.dispoints;
  out->euroPoints = b.euroPoints;
  out->suspension = b.suspension;
  std::vector<std::pair<int16_t, int16_t>> served = gCheck.served;
  std::stable_sort(served.begin(), served.end(),
                   [](const auto& x, const auto& y) { return x.first < y.first; });
  size_t nextServed = 0;
  const auto serveUpTo = [&](int32_t fixture) {
    for (; nextServed < served.size() && served[nextServed].first <= fixture; ++nextServed) {
      if (served[nextServed].first < gCheck.freshFrom[served[nextServed].second]) continue;
      int8_t& susp = out->suspension[served[nextServed].second];
      susp = static_cast<int8_t>(std::max(susp - 1, 0));
    }
  };
  ForEachPlayedEntry([&](int16_t fixture, int16_t code, int16_t player, uint8_t flags) {
    serveUpTo(fixture);
    const int card = CardOf(flags);
    if (card == 0) return;
    int8_t& susp = out->suspension[player];
    const auto addMatches = [&](int matches) { susp = static_cast<int8_t>(std::min(susp + matches, SUSPENSION_TOP)); };
    if (code >= COMP_EURO_FIRST) {
      int8_t& euro = out->euroPoints[player];
      euro = static_cast<int8_t>(card == 1 ? std::min(euro + 1, EURO_POINTS_TOP) : EURO_POINTS_TOP);
      return;
    }
    int8_t& points = out->dispoints[player];
    const int before = points;
    points = static_cast<int8_t>(std::min(before + DISCIPLINE_POINTS_PER_CARD * card, DISPOINTS_TOP));
    if (card > 1) addMatches(SendingOffBan(static_cast<int16_t>(card)));
    for (int k = 0; k < 4; ++k)
      if (before < kDisciplineThresholds[k] && points >= kDisciplineThresholds[k]) {
        addMatches(k + 1);
        break;
      }
  });
  serveUpTo(NUM_FIXTURES);
}

void TakeBaseline() {
  gCheck.freshFrom.fill(0);
  std::array<int32_t, MAX_PLAYERS> apps, goals;
  CountFixtureFigures(&apps, &goals);
  SeasonBaseline& b = gCheck.baseline;
  b.season = SeasonCounter;
  for (int16_t p = 0; p < PlayerCount; ++p) {
    b.apps[p] = Player_GetApps(p) - apps[p];
    b.goals[p] = Player_GetGoals(p) - goals[p];
  }
  b.discipline = !AnyFixturePlayed();
  gCheck.served.clear();
  gCheck.madeUp.fill(false);
  if (!b.discipline) return;
  for (int16_t p = 0; p < PlayerCount; ++p) {
    b.dispoints[p] = static_cast<int8_t>(Player_GetDispoints(p));
    b.euroPoints[p] = static_cast<int8_t>(Player_GetEuroDispoints(p));
    b.suspension[p] = static_cast<int8_t>(Player_GetSuspension(p));
  }
}

// A keeper's goal field also counts his clean sheets: only outfield goals
// are compared.
bool CheckRecords(std::string* detail) {
  if (gCheck.baseline.season != SeasonCounter) {
    TakeBaseline();
    return true;
  }
  std::array<int32_t, MAX_PLAYERS> apps, goals;
  CountFixtureFigures(&apps, &goals);
  const SeasonBaseline& b = gCheck.baseline;
  for (int16_t p = 0; p < PlayerCount; ++p) {
    if (gCheck.madeUp[p]) continue;
    // A figure at the top of its 7-bit field has stopped counting.
    const bool appsCount = Player_GetApps(p) < SEASON_FIGURE_MAX;
    const bool goalsCount = Player_GetGoals(p) < SEASON_FIGURE_MAX && Player_GetPosition(p) != 0;
    const int32_t ownApps = Player_GetApps(p) - b.apps[p];
    const int32_t ownGoals = Player_GetGoals(p) - b.goals[p];
    if ((appsCount && ownApps != apps[p]) || (goalsCount && ownGoals != goals[p])) {
      *detail = Format("player=%d apps=%d/%d goals=%d/%d", p, ownApps, apps[p], ownGoals, goals[p]);
      return false;
    }
  }
  return true;
}

constexpr int LOAN_WEEKS_TOP = 13;
constexpr int BID_DAYS_TOP = 15;
constexpr int16_t PLAYER_CLUB_NOBODY = 255;

// A player belongs to a world club, the reserve pool, the free agents or nobody.
bool PlayerClubInRange(int16_t club) {
  return (club >= 0 && club < NUM_CLUBS) || club == PLAYER_CLUB_RESERVE_POOL || club == PLAYER_CLUB_FREE_AGENT ||
         club == PLAYER_CLUB_NOBODY;
}

// The countdown lists and the players' flags agree: on loan with exactly one
// loan entry (1-13 weeks), injured with exactly one injury slot (time at
// least 1); players' clubs and shirts in range.
bool CheckLists(std::string* rule, std::string* detail) {
  static std::array<int8_t, MAX_PLAYERS> loans, patients;
  loans.fill(0);
  patients.fill(0);
  for (int16_t slot = 0; slot < NUM_LOANS; ++slot) {
    const int16_t p = Loan_GetPlayerNo(slot);
    if (p == -1) continue;
    const int weeks = Loan_GetLoanWeeks(slot);
    if (p < 0 || p >= PlayerCount || weeks < 1 || weeks > LOAN_WEEKS_TOP) {
      *rule = "loans";
      *detail = Format("slot=%d player=%d weeks=%d", slot, p, weeks);
      return false;
    }
    ++loans[p];
  }
  for (int16_t slot = 0; slot < NUM_PATIENTS; ++slot) {
    const int16_t p = Patient_GetPlayerNo(slot);
    if (p == -1) continue;
    const int time = Patient_GetInjuryTime(slot);
    if (p < 0 || p >= PlayerCount || time < 1) {
      *rule = "injuries";
      *detail = Format("slot=%d player=%d time=%d", slot, p, time);
      return false;
    }
    ++patients[p];
  }
  for (int16_t p = 0; p < PlayerCount; ++p) {
    const bool onLoan = Player_GetOnLoan(p) != 0, injured = Player_GetInFlag(p) != 0;
    if (onLoan != (loans[p] == 1) || loans[p] > 1) {
      *rule = "loans";
      *detail = Format("player=%d on_loan=%d entries=%d", p, onLoan, loans[p]);
      return false;
    }
    if (injured != (patients[p] == 1) || patients[p] > 1) {
      *rule = "injuries";
      *detail = Format("player=%d injured=%d slots=%d", p, injured, patients[p]);
      return false;
    }
    const int16_t club = Player_GetClub(p), shirt = Player_GetShirt(p);
    if (!PlayerClubInRange(club) || shirt < 0 || shirt > 16) {
      *rule = "players";
      *detail = Format("player=%d club=%d shirt=%d", p, club, shirt);
      return false;
    }
  }
  return true;
}

// Every club's bid has the player's answer slot, or waits in the human
// manager's contract slots; every answer slot answers a bid, in 1-15 days.
bool CheckBids(std::string* detail) {
  static std::array<int8_t, MAX_PLAYERS> answers, bids;
  answers.fill(0);
  bids.fill(0);
  for (int16_t entry = 0; entry < NUM_BID_INFOS; ++entry) {
    const int16_t p = BidInfo_GetPlayer(entry);
    if (p == -1) continue;
    const int days = BidInfo_GetDays(entry);
    if (p < 0 || p >= PlayerCount || days < 1 || days > BID_DAYS_TOP) {
      *detail = Format("answer=%d player=%d days=%d", entry, p, days);
      return false;
    }
    answers[p] = 1;
  }
  for (const int16_t p : HumanDealTables.contracts)
    if (p >= 0 && p < PlayerCount) answers[p] = 1;
  for (int16_t club = 0; club < NUM_CLUBS; ++club)
    for (int slot = 0; slot < NUM_CLUB_BIDS; ++slot) {
      const int16_t p = Club_GetBidPlayer(club, slot);
      if (p < 0) continue;
      if (p >= PlayerCount || !answers[p]) {
        *detail = Format("club=%d slot=%d player=%d without an answer", club, slot, p);
        return false;
      }
      bids[p] = 1;
    }
  for (int16_t entry = 0; entry < NUM_BID_INFOS; ++entry) {
    const int16_t p = BidInfo_GetPlayer(entry);
    if (p >= 0 && !bids[p]) {
      *detail = Format("answer=%d player=%d without a bid", entry, p);
      return false;
    }
  }
  return true;
}

// Whether a listed player's running ban (domestic, or European for a
// European tie) loses a match at this pick: a friendly costs nothing.
bool IsEuroCode(int16_t competition) { return competition >= COMP_EURO_FIRST && competition < COMP_FRIENDLY; }

bool Serves(const SideEntry& e, int16_t competition) {
  if (competition == COMP_FRIENDLY) return false;
  if (IsEuroCode(competition)) return e.euroBan > 0;
  return e.banwait == 0 && e.suspension > 0;
}

// Why the player may not play in the competition's match, else nullptr: hurt,
// banned (as he was before the pick) or tied to another club in this cup.
const char* BarredFromSide(int16_t p, const SideEntry& before, int16_t club, int16_t competition) {
  if (Player_GetInFlag(p) != 0) return "injured";
  const bool banned =
      IsEuroCode(competition) ? before.euroBan > 0 : before.banwait == 0 && before.suspension > 0;
  if (banned) return "suspended";
  const int16_t cup = CupIndexOfCompetition(competition);
  if (cup >= 0) {
    const int16_t tied = Player_GetCupTied(p, cup);
    if (tied != club && tied != NO_CUP_TIE) return "cup-tied";
  }
  return nullptr;
}

void NoteBreach(const std::string& text) {
  if (gCheck.sideBreach.empty()) gCheck.sideBreach = text;
}

// The match day's picks: shirts 1-11 go to different players, none barred
// from the match, and the pick costs the running ban of each player who
// stays at the club one match, and nobody else anything.
void WatchSide(int16_t club, int16_t competition, bool picked) {
  if (!picked) {
    gCheck.sideClub = club;
    gCheck.sideCount = 0;
    const auto note = [](int16_t p) {
      gCheck.side[gCheck.sideCount++] =
          SideEntry{p, static_cast<int8_t>(Player_GetSuspension(p)), static_cast<int8_t>(Player_GetEuroBan(p)),
                    static_cast<int8_t>(Player_GetBanwait(p))};
    };
    // Every player at the club (listed or not, the ban is served by all), and
    // the reserves the pick may take.
    for (int16_t p = Player_NextAtClub(0, club); p >= 0 && gCheck.sideCount < SIDE_AT_CLUB_MAX;
         p = Player_NextAtClub(static_cast<int16_t>(p + 1), club))
      note(p);
    for (int16_t slot = 0; slot < NUM_RESERVE_SLOTS; ++slot) {
      const int16_t p = Reserve_GetPlayer(slot);
      if (p >= 0 && p < PlayerCount && Player_GetClub(p) != club) note(p);
    }
    return;
  }
  if (gCheck.sideClub != club) return NoteBreach(Format("club=%d picked unseen", club));
  gCheck.sideClub = -1;
  const bool league = Club_IsGameCountryLeagueClub(club);
  for (int i = 0; i < SquadListLength && i < SQUAD_LIST_SIZE && !league; ++i) {
    const int16_t p = SquadList[i];
    if (p >= 0 && p < PlayerCount && Player_GetClub(p) == club) gCheck.madeUp[p] = true;
  }
  const auto before = [&](int16_t p) {
    for (int i = 0; i < gCheck.sideCount; ++i)
      if (gCheck.side[i].player == p) return gCheck.side[i];
    return SideEntry{p, 0, 0, 0};
  };
  int16_t wearer[STARTERS + 1];
  std::fill(std::begin(wearer), std::end(wearer), int16_t{-1});
  for (int i = 0; i < SquadListLength && i < SQUAD_LIST_SIZE; ++i) {
    const int16_t p = SquadList[i];
    if (p < 0 || p >= PlayerCount || Player_GetClub(p) != club) continue;
    const int16_t shirt = Player_GetShirt(p);
    if (shirt < 1 || shirt > STARTERS) continue;
    if (wearer[shirt] >= 0 && wearer[shirt] != p)
      return NoteBreach(
          Format("club=%d competition=%d shirt=%d players=%d,%d", club, competition, shirt, wearer[shirt], p));
    wearer[shirt] = p;
    if (const char* barred = BarredFromSide(p, before(p), club, competition))
      return NoteBreach(Format("club=%d competition=%d shirt=%d player=%d %s", club, competition, shirt, p, barred));
  }
  const bool euro = IsEuroCode(competition);
  for (int i = 0; i < gCheck.sideCount; ++i) {
    const SideEntry& e = gCheck.side[i];
    const int was = euro ? e.euroBan : e.suspension;
    const int now = euro ? Player_GetEuroBan(e.player) : Player_GetSuspension(e.player);
    // A reserve released by the pick is no longer the club's: he serves nothing.
    const bool stays = Player_GetClub(e.player) == club;
    const int expected = stays && Serves(e, competition) ? was - 1 : was;
    if (now != expected)
      return NoteBreach(
          Format("club=%d competition=%d player=%d ban=%d/%d after the pick", club, competition, e.player, now, expected));
    if (!euro && now < was) gCheck.served.emplace_back(MatchDayFixture, e.player);
  }
}

// A player made again starts with the figures his new record holds, and only
// the fixtures played from now on are his.
void WatchRemade(int16_t p) {
  if (p < 0 || p >= MAX_PLAYERS) return;
  int16_t next = 0;
  for (int16_t n = 0; n < NUM_FIXTURES && Fixture_GetDay(n) != FIXTURE_EMPTY_DAY; ++n)
    if (Fixture_GetCompetition(n) < COMP_FRIENDLY && Fixture_IsPlayed(n)) next = static_cast<int16_t>(n + 1);
  gCheck.freshFrom[p] = next;
  gCheck.madeUp[p] = false;
  SeasonBaseline& b = gCheck.baseline;
  b.apps[p] = Player_GetApps(p);
  b.goals[p] = Player_GetGoals(p);
  b.dispoints[p] = static_cast<int8_t>(Player_GetDispoints(p));
  b.euroPoints[p] = static_cast<int8_t>(Player_GetEuroDispoints(p));
  b.suspension[p] = static_cast<int8_t>(Player_GetSuspension(p));
}

// A new year leaves at least FREE_AGENTS_WANTED free agents, unless no young
// unattached player is left to make them up.
void WatchYearEnd() {
  int free = 0, young = 0;
  for (int16_t p = 0; p < PlayerCount; ++p) {
    const int16_t club = Player_GetClub(p);
    if (club == PLAYER_CLUB_FREE_AGENT) ++free;
    else if (club == PLAYER_CLUB_NOBODY && p > 1 && Player_GetAge(p) < YOUNG_UNATTACHED_BELOW &&
             Player_GetPosition(p) != POSITION_MANAGER)
      ++young;
  }
  if (free < FREE_AGENTS_WANTED && young > 0 && gCheck.yearEndBreach.empty())
    gCheck.yearEndBreach = Format("season=%d free_agents=%d young_unattached=%d", SeasonCounter, free, young);
}

bool CheckPlayers(std::string* rule, std::string* detail) {
  if (PlayerCount != gCheck.playerCount) {
    *rule = "players";
    *detail = Format("count=%d wanted=%d", PlayerCount, gCheck.playerCount);
    return false;
  }
  if (!gCheck.yearEndBreach.empty()) {
    *rule = "free_agents";
    *detail = gCheck.yearEndBreach;
    return false;
  }
  return true;
}

bool CheckSides(std::string* detail) {
  if (gCheck.sideBreach.empty()) return true;
  *detail = gCheck.sideBreach;
  return false;
}

// Every player's disciplinary and European points and his suspension are
// what the baseline, the season's cards and the matches served make of them.
bool CheckDiscipline(std::string* detail) {
  const SeasonBaseline& b = gCheck.baseline;
  if (b.season != SeasonCounter || !b.discipline) return true;
  static Discipline expected;  // large: kept out of the stack
  ReplayDiscipline(b, &expected);
  for (int16_t p = 0; p < PlayerCount; ++p) {
    const int points = Player_GetDispoints(p), euro = Player_GetEuroDispoints(p), susp = Player_GetSuspension(p);
    // Made-up points leave only the European figures to compare.
    const bool domesticOk = gCheck.madeUp[p] || (points == expected.dispoints[p] && susp == expected.suspension[p]);
    if (!domesticOk || euro != expected.euroPoints[p]) {
      *detail = Format("player=%d dispoints=%d/%d euro=%d/%d suspension=%d/%d", p, points, expected.dispoints[p], euro,
                       expected.euroPoints[p], susp, expected.suspension[p]);
      return false;
    }
  }
  return true;
}

}  // namespace

int64_t WorldCheck_TotalMoney() {
  int64_t total = MoneyPool;
  for (int16_t club = 0; club < NUM_CLUBS; ++club) total += Club_GetBalance(club);
  return total;
}

void WorldCheck_Begin() {
  gCheck.money = WorldCheck_TotalMoney() - MoneyFlow_Total();
  TakeBaseline();
  gCheck.sideBreach.clear();
  gCheck.sideClub = -1;
  gCheck.playerCount = PlayerCount;
  gCheck.yearEndBreach.clear();
  MatchSideWatcher = WatchSide;
  YearEndWatcher = WatchYearEnd;
  PlayerRemadeWatcher = WatchRemade;
}

bool WorldCheck_Run(std::string* rule, std::string* detail) {
  // The day's picks were watched as they were made: they come first.
  if (!CheckSides(detail)) return *rule = "sides", false;
  if (!CheckPlayers(rule, detail)) return false;
  if (!CheckMoney(detail)) return *rule = "money", false;
  if (!CheckDivisions(detail)) return *rule = "divisions", false;
  if (!CheckSquads(rule, detail)) return false;
  if (!CheckLists(rule, detail)) return false;
  if (!CheckBids(detail)) return *rule = "bids", false;
  if (!CheckFixtures(detail)) return *rule = "fixtures", false;
  if (!CheckTables(detail)) return *rule = "tables", false;
  if (!CheckRecords(detail)) return *rule = "records", false;
  if (!CheckDiscipline(detail)) return *rule = "discipline", false;
  return true;
}

void WorldCheck_Reset() {
  gCheck = WorldCheckState{};
  MatchSideWatcher = nullptr;
  PlayerRemadeWatcher = nullptr;
  YearEndWatcher = nullptr;
}
REGISTER_RESET(RESET_SEASON, WorldCheck_Reset);
