#include "season/worldcheck.h"

#include <array>
#include <cstdio>

#include "clubsim/squadlist.h"
#include "engine/reset.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/players.h"
#include "world/static_country.h"

namespace {

struct WorldCheckState {
  int64_t money = 0;  // the world's money less the booked flow at the start
};
WorldCheckState gCheck;

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
  const std::array<LeagueTableRow, NUM_CLUBS> kept = [] {
    std::array<LeagueTableRow, NUM_CLUBS> rows;
    for (int c = 0; c < NUM_CLUBS; ++c) rows[c] = LeagueTable[c];
    return rows;
  }();
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
  for (int c = 0; c < NUM_CLUBS; ++c) LeagueTable[c] = kept[c];
  return ok;
}

}  // namespace

int64_t WorldCheck_TotalMoney() {
  int64_t total = MoneyPool;
  for (int16_t club = 0; club < NUM_CLUBS; ++club) total += Club_GetBalance(club);
  return total;
}

void WorldCheck_Begin() { gCheck.money = WorldCheck_TotalMoney() - MoneyFlow_Total(); }

bool WorldCheck_Run(std::string* rule, std::string* detail) {
  if (!CheckMoney(detail)) return *rule = "money", false;
  if (!CheckDivisions(detail)) return *rule = "divisions", false;
  if (!CheckSquads(rule, detail)) return false;
  if (!CheckFixtures(detail)) return *rule = "fixtures", false;
  if (!CheckTables(detail)) return *rule = "tables", false;
  return true;
}

void WorldCheck_Reset() { gCheck = WorldCheckState{}; }
REGISTER_RESET(RESET_SEASON, WorldCheck_Reset);
