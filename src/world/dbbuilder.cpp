// The data-set builder. Clubs, their countries, towns and divisions come from
// the static tables (static_clubs, static_country); this module invents the
// rest from its seed: stadiums, squads, managers, free agents and young
// players, first names and the surname table.
//
// Fields the new game does not read are ours; the values written here:
// - club name (bytes 0-34): the club's name from ClubNameTable;
// - club division: the division of the club's block in its own country's
//   list, 6 for a club outside the league; a club of countries 9 and up has
//   0 when a club list names it, 1 otherwise; an unused number -1;
// - manager code: the 3-bit identity code the new game gives the club's
//   manager, drawn from the same weights as other players' codes;
// - founded, home and away kit: year 1865-1945, colours 0-15 (two different);
// - player bytes 1-16: zero; the player's full first name is in the
//   425,000-byte block (17 bytes per player record, the same order), its
//   initial at byte 0 of the record;
// - looks: A skin tone 0-7 (by nation group), B hair style 0-7, C hair colour
//   0-7; height 165-198 cm and weight in kg at bytes 23 and 41;
// - training flag: set for players aged 21 and under, whose training follows
//   the club's division;
// - player records past the count: zero but for database club 1200 (not created).
#include "world/dbbuilder.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <unordered_set>

#include "world/nationality.h"
#include "world/source_records.h"
#include "world/static_clubs.h"
#include "world/static_country.h"
#include "world/static_names.h"

namespace {

constexpr int kSeasonYear = 1999;  // the first season of a new game

// The builder's own generator (SplitMix64), so the game's generator is left alone.
class BuildRandom {
 public:
  explicit BuildRandom(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}
  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // 0 .. n-1
  int Below(int n) { return n <= 0 ? 0 : static_cast<int>(Next() % static_cast<uint64_t>(n)); }
  // lo .. hi inclusive
  int Range(int lo, int hi) { return lo + Below(hi - lo + 1); }
  bool Percent(int p) { return Below(100) < p; }
  // A bell-shaped value around 0, -3w .. 3w.
  int Bell(int w) { return Range(-w, w) + Range(-w, w) + Range(-w, w); }

 private:
  uint64_t state_;
};

struct ClubInfo {
  bool named = false;
  bool listed = false;  // some game country's club list names it
  int country = -1;
  int division = -1;
  int strength = 0;  // 0-100: how good its players are
};

struct Builder {
  BuildRandom rnd;
  ClubInfo clubs[NUM_DB_CLUBS];
  std::vector<SourcePlayer> players;
  std::vector<std::string> firstNames;
  std::vector<bool> awarded;
  std::vector<std::string> surnames;

  explicit Builder(uint32_t seed) : rnd(seed) {}

  void PlanClubs();
  void MakeSurnames();
  void MakeSquads();
  void MakeUnattached();
  void GiveAwards();
  void Write(WorldDatabase* db);

  SourcePlayer NewPlayer(int nationality, int age, int quality, int position, int dbClub);
  int PickForeignNationality(int country);
  int ClubStrength(int db, int listIndex);
};

// Division strength ranges (lowest, highest), divisions 0-5 and outside the league.
constexpr int kStrength[7][2] = {{62, 82}, {50, 66}, {42, 56}, {36, 50}, {32, 44}, {28, 40}, {22, 32}};
// Smaller leagues are a little weaker.
constexpr int kCountryAdjust[NUM_GAME_COUNTRIES] = {0, -5, 0, 0, 0, -2, -1, -3, -5};
// The identity code of a player (and of a club's manager): 20 equally likely entries.
constexpr int16_t kIdentityCode[20] = {2, 3, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 1, 1, 0, 0};
// The biggest ground the builder makes. A club's reputation follows its
// ground (capacity / 1,000 + 1), so 62,000 keeps it within 63; the source
// format allows no more than MAX_SOURCE_CAPACITY either way.
constexpr int32_t kBiggestGround = std::min(62000, MAX_SOURCE_CAPACITY);

void Builder::PlanClubs() {
  for (int db = 0; db < NUM_DB_CLUBS; ++db) {
    clubs[db].named = ClubNameTable[db] != nullptr;
    clubs[db].country = ClubHomeTable[db].country;
  }
  for (int g = 0; g < NUM_GAME_COUNTRIES; ++g)
    for (int i = 0; i < WORLD_CLUBS; ++i)
      if (CountryClubList[g][i] != NO_DB_CLUB) clubs[CountryClubList[g][i]].listed = true;
  // Divisions from each game country's own block.
  for (int c = 0; c < NUM_GAME_COUNTRIES; ++c) {
    const int start = CountryBlockStart(c, c);
    for (int i = 0; i < OwnBlockSize[c]; ++i) {
      int d = 0;
      while (d < NUM_DIVISIONS && i + start >= DivisionBlockStart(c, d + 1)) ++d;
      if (i + start >= DivisionBlockStart(c, NUM_DIVISIONS)) d = 6;
      clubs[CountryClubList[c][start + i]].division = d;
      clubs[CountryClubList[c][start + i]].strength = ClubStrength(CountryClubList[c][start + i], i);
    }
  }
  for (int db = 0; db < NUM_DB_CLUBS; ++db) {
    ClubInfo& k = clubs[db];
    if (!k.named || k.division >= 0) continue;
    if (k.country < NUM_GAME_COUNTRIES) {
      k.division = 6;  // a club of a game country that no list names
      k.strength = rnd.Range(kStrength[6][0], kStrength[6][1]);
    } else {
      k.division = k.listed ? 0 : 1;
      k.strength = k.listed ? rnd.Range(48, 68) : rnd.Range(35, 55);
    }
  }
}

// Strength of a club at place i of its own country's block.
int Builder::ClubStrength(int db, int i) {
  const int c = clubs[db].country;
  for (int k = 0; k < 6; ++k)
    if (EuroStartClubs[c][k] == db) return 88 - 2 * k + kCountryAdjust[c];
  const int d = clubs[db].division;
  return rnd.Range(kStrength[d][0], kStrength[d][1]) + kCountryAdjust[c] + (i < 10 && d == 0 ? 2 : 0);
}

std::string Capitalised(std::string s) {
  if (!s.empty() && s[0] >= 'a' && s[0] <= 'z') s[0] = static_cast<char>(s[0] - 'a' + 'A');
  return s;
}
std::string Lowered(std::string s) {
  for (char& ch : s)
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  return s;
}

// Surnames: one syllable from each list, or a second start between them; a
// particle now and then. A name is redrawn while it is taken, 40 times at most.
void Builder::MakeSurnames() {
  surnames.assign(NUM_SURNAMES, std::string());
  std::unordered_set<std::string> taken;
  for (int i = 0; i < NUM_SURNAMES; ++i) {
    int style = NUM_NAME_STYLES - 1;
    for (int s = 0; s < NUM_NAME_STYLES; ++s)
      if (i >= SurnameRuns[s].first && i < SurnameRuns[s].end) style = s;
    if (i >= NUM_PLAYER_SURNAMES) style = i % NUM_NAME_STYLES;
    const NameSyllables& y = NameStyleSyllables[style];
    std::string name;
    for (int attempt = 0; attempt < 40; ++attempt) {
      std::string core = y.starts[rnd.Below(y.numStarts)];
      if (rnd.Percent(35)) core += Lowered(y.starts[rnd.Below(y.numStarts)]);
      core += y.ends[rnd.Below(y.numEnds)];
      core = Capitalised(core);
      if (y.particlePercent > 0 && rnd.Percent(y.particlePercent))
        core = std::string(y.particles[rnd.Below(y.numParticles)]) + " " + core;
      if (core.size() > SURNAME_SIZE - 1) continue;
      name = core;
      if (!taken.count(name)) break;
    }
    if (name.empty()) name = Capitalised(std::string(y.starts[0]) + y.ends[0]);
    taken.insert(name);
    surnames[i] = name;
  }
}

int Builder::PickForeignNationality(int country) {
  const int group = NationalityGroup(country);
  for (;;) {
    const int n = rnd.Below(NUM_NATIONALITIES);
    if (n == country) continue;
    // Two in five come from the club's own part of the world.
    if (rnd.Percent(40) && NationalityGroup(n) != group) continue;
    return n;
  }
}

SourcePlayer Builder::NewPlayer(int nationality, int age, int quality, int position, int dbClub) {
  SourcePlayer p{};
  const NameStyle style = NameStyleOf(nationality);
  const NameSyllables& y = NameStyleSyllables[style];
  const std::string first = y.firstNames[rnd.Below(y.numFirstNames)];
  p.initial = first[0];
  p.quality = static_cast<int16_t>(quality < 15 ? 15 : (quality > 89 ? 89 : quality));
  p.position = static_cast<int16_t>(position);
  const int group = NationalityGroup(nationality);
  if (group == NATION_GROUP_AFRICA) p.lookA = static_cast<int16_t>(rnd.Range(4, 7));
  else if (group == NATION_GROUP_SOUTH_AMERICA || group == NATION_GROUP_NORTH_AMERICA)
    p.lookA = static_cast<int16_t>(rnd.Range(0, 6));
  else if (group == NATION_GROUP_ASIA) p.lookA = static_cast<int16_t>(rnd.Range(2, 3));
  else p.lookA = static_cast<int16_t>(rnd.Percent(90) ? rnd.Range(0, 1) : rnd.Range(2, 6));
  p.lookB = static_cast<int16_t>(rnd.Below(8));
  p.lookC = static_cast<int16_t>(group == NATION_GROUP_NORDIC ? rnd.Range(0, 3) : rnd.Below(8));
  p.height = static_cast<int16_t>(position == SRC_POS_GOALKEEPER ? rnd.Range(182, 198) : rnd.Range(165, 194));
  p.weight = static_cast<int16_t>(p.height - 100 - rnd.Range(0, 10) + rnd.Range(0, 4));
  p.nationality = static_cast<int16_t>(nationality);
  p.birthYear = static_cast<int16_t>(kSeasonYear - 1900 - age);
  p.trainingFlag = static_cast<int16_t>(age <= 21 && position != SRC_POS_MANAGER ? 1 : 0);
  if (position == SRC_POS_GOALKEEPER || position == SRC_POS_MANAGER) p.side = 0;
  else if (rnd.Percent(50)) p.side = 4;
  else if (position == 1 || position == 3 || position == 9) p.side = static_cast<int16_t>(rnd.Range(1, 3));
  else p.side = static_cast<int16_t>(rnd.Percent(67) ? 0 : rnd.Range(1, 3));
  p.dbClub = static_cast<int16_t>(dbClub);
  const SurnameRun run = SurnameRuns[style];
  p.surname = static_cast<int16_t>(run.first + rnd.Below(run.end - run.first));
  if (p.surname < 2) p.surname = 2;  // 0 and 1 name the built-in managers
  players.push_back(p);
  firstNames.push_back(first);
  awarded.push_back(false);
  return p;
}

constexpr int kDefenderCodes[] = {1, 2, 2, 3, 4, SRC_POS_ANY_DEFENDER};
constexpr int kMidfielderCodes[] = {5, 6, 7, 8, 9, SRC_POS_ANY_MIDFIELDER};
constexpr int kForwardCodes[] = {10, 11, 12, SRC_POS_ANY_FORWARD};
// Unattached players per game country: free agents, free managers, young
// players. The young players are the pool the clubs' youth set-ups take their
// trainees from, and the new year's free agents are made up from; the free
// managers fill the posts that fall vacant over the seasons.
constexpr int kFreeAgents = 100, kFreeManagers = 60, kYoungPlayers = 300;

// Every named club gets a squad, and a club a list names a manager: 19-24
// players for a club a list names (it can play in a game's world), 16-18 for
// the others, whose players a game holds as players abroad. The clubs 252-255 get
// none: a new game takes a player's club 252, 254 or 255 as the special code
// it is, so their squads would arrive as free agents and players without a
// club (IsSpecialClubNumber). Squads: two goalkeepers (three in
// a squad of 22 or more), then about 36 % defenders, 38 % midfielders and the
// rest forwards; two or three players aged 17-19.
void Builder::MakeSquads() {
  const int budget = MAX_SOURCE_PLAYERS - NUM_GAME_COUNTRIES * (kFreeAgents + kFreeManagers + kYoungPlayers);
  // Room is kept for the listed clubs still to come (24 players and a manager
  // at most each): a club abroad is dropped before a club a list names.
  constexpr int kLargestListedSquad = 24 + 1;
  int listedToCome = 0;
  for (int db = 0; db < NUM_DB_CLUBS; ++db)
    if (clubs[db].named && clubs[db].listed && !IsSpecialClubNumber(db)) ++listedToCome;
  for (int db = 0; db < NUM_DB_CLUBS; ++db) {
    const ClubInfo& k = clubs[db];
    if (!k.named || IsSpecialClubNumber(db)) continue;
    const int size = k.listed ? rnd.Range(19, 24) : rnd.Range(16, 18);
    if (k.listed) --listedToCome;
    if (!k.listed && static_cast<int>(players.size()) + size + 1 + listedToCome * kLargestListedSquad > budget) continue;
    const int country = k.country;
    // Foreigners: more in the top divisions of the game countries.
    int foreignPercent = 8;
    if (country < NUM_GAME_COUNTRIES) foreignPercent = k.division == 0 ? 22 : (k.division == 1 ? 12 : 5);
    const int managerNationality = rnd.Percent(85) ? country : PickForeignNationality(country);
    // A club abroad (one no list names) has no manager: its players are only
    // ever held as players abroad.
    if (k.listed)
      NewPlayer(managerNationality, 36 + rnd.Below(15) + rnd.Below(15), k.strength + rnd.Bell(2), SRC_POS_MANAGER, db);
    const int keepers = size >= 22 ? 3 : 2;
    const int outfield = size - keepers;
    const int defenders = (outfield * 36 + 50) / 100;
    const int midfielders = (outfield * 38 + 50) / 100;
    const int youngsters = rnd.Range(2, 3);
    for (int n = 0; n < size; ++n) {
      int position;
      if (n < keepers) position = SRC_POS_GOALKEEPER;
      else if (n < keepers + defenders) position = kDefenderCodes[rnd.Below(6)];
      else if (n < keepers + defenders + midfielders) position = kMidfielderCodes[rnd.Below(6)];
      else position = kForwardCodes[rnd.Below(4)];
      const bool young = n >= size - youngsters;
      const int age = young ? rnd.Range(17, 19) : 18 + rnd.Below(9) + rnd.Below(9);
      int quality = k.strength + rnd.Bell(3);
      if (age < 20) quality -= 10;
      else if (age < 22) quality -= 5;
      else if (age > 32) quality -= 4;
      if (n == keepers - 1) quality -= 6;  // the reserve goalkeeper
      const int nationality = rnd.Percent(foreignPercent) ? PickForeignNationality(country) : country;
      NewPlayer(nationality, age, quality, position, db);
    }
  }
}

// Free agents (database club -2), and managers and young players without a
// club (-1) for every game country: a game keeps those of its own nationality.
// A free manager has no club: a free agent would be made a reserve player.
void Builder::MakeUnattached() {
  for (int c = 0; c < NUM_GAME_COUNTRIES; ++c) {
    for (int n = 0; n < kFreeAgents; ++n) {
      // Ten goalkeepers, thirty defenders, the rest midfielders and forwards.
      const int position = n < 10 ? SRC_POS_GOALKEEPER
                                  : (n < 40 ? rnd.Range(1, SRC_POS_LAST_DEFENDER)
                                            : rnd.Range(SRC_POS_LAST_DEFENDER + 1, SRC_POS_LAST_FORWARD));
      NewPlayer(c, rnd.Range(22, 34), rnd.Range(25, 58), position, SRC_CLUB_FREE_AGENT);
    }
    // Half of the free managers have the small names that the clubs of the
    // lowest divisions (reputations of a few thousand fans) can hire.
    for (int n = 0; n < kFreeManagers; ++n)
      NewPlayer(c, rnd.Range(36, 52), n % 2 == 0 ? rnd.Range(28, 45) : rnd.Range(45, 95), SRC_POS_MANAGER,
                SRC_CLUB_NONE);
    for (int n = 0; n < kYoungPlayers; ++n)
      NewPlayer(c, rnd.Range(16, 18), rnd.Range(18, 42), n % 10 == 0 ? 0 : rnd.Range(1, 12), SRC_CLUB_NONE);
  }
}

// Last season's award winners named by the country records play for the
// clubs the records name, under the surnames they name.
void Builder::GiveAwards() {
  auto find = [&](int db, auto accept) {
    int best = -1;
    for (int i = 0; i < static_cast<int>(players.size()); ++i) {
      const SourcePlayer& p = players[i];
      if (p.dbClub != db || awarded[i] || !accept(p)) continue;
      const bool local = p.nationality == clubs[db].country;
      if (best < 0 || (local && players[best].nationality != clubs[db].country) ||
          (local == (players[best].nationality == clubs[db].country) && p.quality > players[best].quality))
        best = i;
    }
    return best;
  };
  auto give = [&](int i, int surname) {
    awarded[i] = true;
    players[i].surname = static_cast<int16_t>(surname);
  };
  for (int c = 0; c < NUM_GAME_COUNTRIES; ++c) {
    const int16_t* rec = CountryRecordTable[c];
    for (int d = 0; d < NUM_DIVISIONS; ++d) {
      if (CountryDivisionInfo.sizes[c][d].value == 0) continue;
      const int manager = find(rec[REC_MANAGER_CLUB + d], [](const SourcePlayer& p) { return p.position == SRC_POS_MANAGER; });
      if (manager >= 0) give(manager, rec[REC_MANAGER_SURNAME + d]);
      const int star = find(rec[REC_PLAYER_CLUB + d], [](const SourcePlayer& p) {
        return p.position != SRC_POS_MANAGER && p.position != SRC_POS_GOALKEEPER;
      });
      if (star >= 0) give(star, rec[REC_PLAYER_SURNAME + d]);
      int young = find(rec[REC_YOUNG_CLUB + d], [](const SourcePlayer& p) {
        return p.position != SRC_POS_MANAGER && kSeasonYear - 1900 - p.birthYear <= 22;
      });
      if (young < 0) {
        young = find(rec[REC_YOUNG_CLUB + d], [](const SourcePlayer& p) {
          return p.position != SRC_POS_MANAGER && p.position != SRC_POS_GOALKEEPER;
        });
        if (young >= 0) players[young].birthYear = static_cast<int16_t>(kSeasonYear - 1900 - 21);
      }
      if (young >= 0) give(young, rec[REC_YOUNG_SURNAME + d]);
      const int scorer = find(rec[REC_SCORER_CLUB + d], [](const SourcePlayer& p) { return SourcePositionLine(p.position) == 3; });
      if (scorer >= 0) give(scorer, rec[REC_SCORER_SURNAME + d]);
    }
  }
}

void Builder::Write(WorldDatabase* db) {
  db->totstat.assign(TOTSTAT_SIZE, 0);
  uint8_t* out = db->totstat.data();
  for (int n = 0; n < NUM_DB_CLUBS; ++n) {
    const ClubInfo& k = clubs[n];
    SourceClub c{};
    c.dbNumber = static_cast<int16_t>(n);
    c.country = static_cast<int16_t>(k.named ? k.country : -1);
    c.division = static_cast<int16_t>(k.named ? k.division : -1);
    if (k.named) {
      std::snprintf(c.name, sizeof c.name, "%s", ClubNameTable[n]);
      c.mapX = ClubHomeTable[n].mapX;
      c.mapY = ClubHomeTable[n].mapY;
      c.managerCode = kIdentityCode[rnd.Below(20)];
      c.founded = static_cast<int16_t>(rnd.Range(1865, 1945));
      c.homeKit = static_cast<int16_t>(rnd.Below(16));
      c.awayKit = static_cast<int16_t>((c.homeKit + 1 + rnd.Below(15)) % 16);
      // Capacity grows with the square of the club's strength: 55,000 up to
      // the biggest ground for the best, 1,500-3,000 outside the league.
      const int s = k.strength - 20;
      const int seats = s > 0 ? s * s * 25 / 2 + 1500 : 1500;
      c.capacity = std::min(kBiggestGround, (seats * rnd.Range(85, 115) / 100) / 50 * 50);
    }
    EncodeSourceClub(c, out + TOTSTAT_CLUBS_OFFSET + n * SOURCE_CLUB_RECORD_SIZE);
  }
  const int count = static_cast<int>(players.size());
  for (int n = 0; n < MAX_SOURCE_PLAYERS; ++n) {
    uint8_t* rec = out + TOTSTAT_PLAYERS_OFFSET + n * SOURCE_PLAYER_RECORD_SIZE;
    if (n < count) {
      EncodeSourcePlayer(players[n], rec);
      std::snprintf(reinterpret_cast<char*>(out + TOTSTAT_FIRST_NAMES_OFFSET + n * SOURCE_FIRST_NAME_SIZE),
                    SOURCE_FIRST_NAME_SIZE, "%s", firstNames[n].c_str());
    } else {
      SourcePlayer none{};
      none.dbClub = NUM_DB_CLUBS;
      EncodeSourcePlayer(none, rec);
    }
  }
  StoreI32(out + TOTSTAT_COUNT_OFFSET, count);
  db->playerCount = count;

  db->names.assign(NAMES_FILE_SIZE, 0);
  for (int i = 0; i < NUM_SURNAMES; ++i)
    std::memcpy(db->names.data() + i * SURNAME_SIZE, surnames[i].c_str(), surnames[i].size());
}

}  // namespace

WorldDatabase BuildWorldDatabase(uint32_t seed) {
  Builder b(seed);
  b.PlanClubs();
  b.MakeSurnames();
  b.MakeSquads();
  b.MakeUnattached();
  b.GiveAwards();
  WorldDatabase db;
  b.Write(&db);
  return db;
}

bool WriteWorldDatabase(const WorldDatabase& db, const std::string& dir, std::string* error) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path stats = fs::path(dir) / "stats";
  fs::create_directories(stats, ec);
  if (ec) {
    if (error) *error = "cannot create " + stats.string() + ": " + ec.message();
    return false;
  }
  const struct {
    const char* name;
    const std::vector<uint8_t>* bytes;
  } files[] = {{"totstat.dat", &db.totstat}, {"names.dat", &db.names}};
  for (const auto& f : files) {
    const fs::path path = stats / f.name;
    FILE* out = std::fopen(path.string().c_str(), "wb");
    bool ok = out != nullptr && std::fwrite(f.bytes->data(), 1, f.bytes->size(), out) == f.bytes->size();
    if (out != nullptr && std::fclose(out) != 0) ok = false;
    if (!ok) {
      if (error) *error = "cannot write " + path.string();
      return false;
    }
  }
  return true;
}
