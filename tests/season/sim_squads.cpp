#include "season/sim_squads.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "engine/bytes.h"
#include "gamecode/matchrec.h"
#include "season/simsheet.h"
#include "world/source_records.h"

namespace simtest {

namespace {

// Stock formation 0 of a computer-run side, slots 1-10, with the rows of the
// back line halved as in an unwatched match.
constexpr int kFormation[10][2] = {{11, 3}, {3, 3},  {6, 8},  {6, 2},  {8, 2},
                                   {2, 10}, {8, 8}, {6, 13}, {8, 15}, {12, 10}};

int LineOf(int position) {
  if (position >= 17) position -= 17;  // player-managers
  if (position == 0) return KEEPER;
  if ((position >= 1 && position <= 4) || position == 14) return DEFENCE;
  if ((position >= 5 && position <= 9) || position == 15) return MIDFIELD;
  if ((position >= 10 && position <= 12) || position == 16) return ATTACK;
  return -1;
}

int16_t LinePosition(int line) {
  static constexpr int16_t kPositions[4] = {0, 2, 7, 11};
  return kPositions[line];
}

int Near(std::mt19937& rng, int base, int spread) {
  std::uniform_int_distribution<int> d(-spread, spread);
  return std::clamp(base + d(rng), 1, 99);
}

}  // namespace

int Squad::strength() const {
  int sum = 0;
  for (int i = 0; i < 11; ++i) sum += players[i].quality;
  return sum / 11;
}

std::vector<Squad> LoadDatabaseSquads() {
  std::vector<Squad> squads;
  const char* bin = std::getenv("GAFFERON_BINARY_DIR");
  if (bin == nullptr) return squads;
  const std::filesystem::path path = std::filesystem::path(bin) / "dataset" / "hd" / "stats" / "totstat.dat";
  std::ifstream in(path, std::ios::binary);
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.size() != static_cast<size_t>(TOTSTAT_SIZE)) return squads;
  const int count = std::clamp<int>(LoadI32(bytes.data() + TOTSTAT_COUNT_OFFSET), 0, MAX_SOURCE_PLAYERS);

  // Per club and line, the players best first.
  std::vector<std::array<std::vector<SquadPlayer>, 4>> clubs(NUM_DB_CLUBS);
  for (int i = 0; i < count; ++i) {
    const SourcePlayer p = DecodeSourcePlayer(bytes.data() + TOTSTAT_PLAYERS_OFFSET + i * SOURCE_PLAYER_RECORD_SIZE);
    const int line = LineOf(p.position);
    if (p.dbClub < 0 || p.dbClub >= NUM_DB_CLUBS || line < 0) continue;
    clubs[p.dbClub][line].push_back(SquadPlayer{static_cast<int16_t>(i), LinePosition(line), p.quality});
  }
  for (int club = 0; club < NUM_DB_CLUBS; ++club) {
    auto& lines = clubs[club];
    for (auto& players : lines)
      std::stable_sort(players.begin(), players.end(),
                       [](const SquadPlayer& a, const SquadPlayer& b) { return a.quality > b.quality; });
    if (lines[KEEPER].size() < 2 || lines[DEFENCE].size() < 5 || lines[MIDFIELD].size() < 6 ||
        lines[ATTACK].size() < 3)
      continue;
    Squad squad{};
    const SourceClub c = DecodeSourceClub(bytes.data() + TOTSTAT_CLUBS_OFFSET + club * SOURCE_CLUB_RECORD_SIZE);
    squad.league = c.country * 8 + c.division;
    size_t next[4] = {0, 0, 0, 0};
    for (int e = 0; e < 16; ++e) {
      const int line = kEntryLines[e];
      squad.players[e] = lines[line][next[line]++];
    }
    squads.push_back(squad);
  }
  return squads;
}

Squad MakeSquad(int quality, int16_t firstNumber, std::mt19937& rng) {
  Squad squad{};
  for (int e = 0; e < 16; ++e) {
    const int line = kEntryLines[e];
    squad.players[e] = SquadPlayer{static_cast<int16_t>(firstNumber + e), LinePosition(line),
                                   std::clamp(Near(rng, quality, 8) - (e >= 11 ? 6 : 0), 15, 89)};
  }
  return squad;
}

void WriteSide(int side, const Squad& squad, std::mt19937& rng) {
  uint8_t* setup = GetMatchSetupRecord();
  uint8_t* team = setup + MATCH_SETUP_TEAM_OFFSET[side];
  std::snprintf(reinterpret_cast<char*>(team + SETUP_TEAM_NAME), SETUP_TEAM_NAME_SIZE, "Side %d", side);
  team[SETUP_TEAM_HUMAN] = 0;

  uint8_t* formation = team + SETUP_TEAM_FORMATION;
  for (int slot = 0; slot < TACTICS_SLOTS; ++slot) {
    uint8_t* p = formation + slot * TACTICS_SLOT_SIZE;
    const int x = slot == 0 ? 0 : kFormation[slot - 1][0], y = slot == 0 ? 0 : kFormation[slot - 1][1];
    StoreI16(p + TACTICS_SLOT_X, x);
    StoreI16(p + TACTICS_SLOT_Y, y);
    StoreI16(p + TACTICS_SLOT_ATTACK_X, x);
    StoreI16(p + TACTICS_SLOT_ATTACK_Y, y);
  }

  int bestFreeKick = -1, bestFreeKickValue = -1, bestPenalty = -1, bestPenaltyValue = -1;
  for (int e = 0; e < 17; ++e) {
    uint8_t* p = setup + SetupPlayerOffset(side, e);
    std::memset(p, 0xFF, MATCH_SETUP_PLAYER_SIZE);
    if (e >= 16 || squad.players[e].number < 0) continue;
    const SquadPlayer& sp = squad.players[e];
    const int line = kEntryLines[e], q = sp.quality;
    std::snprintf(reinterpret_cast<char*>(p + SETUP_PLAYER_SURNAME), SETUP_PLAYER_SURNAME_SIZE, "P%d", sp.number);
    auto put = [&](int field, int value) { StoreI16(p + field, std::clamp(value, 1, 99)); };
    // The player's own statistics (0-99) ...
    const int outfield = line == KEEPER ? -15 : 0;
    const int ability0 = line == KEEPER ? Near(rng, q + 5, 5) : Near(rng, 12, 8);
    const int ability1 = Near(rng, q + outfield + (line == DEFENCE ? 4 : 0), 10);
    const int ability2 = Near(rng, q + outfield + (line == DEFENCE ? 8 : 0), 10);
    const int ability3 = Near(rng, q + outfield + (line == MIDFIELD ? 8 : 0), 10);
    const int ability4 = Near(rng, q + outfield + (line == ATTACK ? 8 : 0), 10);
    const int ability5 = Near(rng, q + outfield + (line == MIDFIELD ? 4 : 0), 10);
    const int ability6 = Near(rng, q + outfield, 10);
    const int ability7 = Near(rng, q + outfield + (line == ATTACK ? 6 : 0), 10);
    int personality[7];
    for (int& v : personality) v = Near(rng, 55, 28);
    // ... and their match values: the away side plays under the home crowd's
    // pressure, which weighs on its form, composure and nerve.
    const int morale = std::uniform_int_distribution<int>(30, 55)(rng);
    const int homeCrowdShare = std::uniform_int_distribution<int>(60, 90)(rng);
    const int pressure = side == 1 ? homeCrowdShare * (200 - personality[3]) / 900 * 2 : 0;
    const int formDivisor = (60 - morale) + pressure + 100;
    const int fatigueDivisor = 100 + std::uniform_int_distribution<int>(0, 12)(rng);
    auto form = [&](int v) { return v * 100 / formDivisor; };
    put(SETUP_PLAYER_ABILITY0, form(ability0));
    put(SETUP_PLAYER_ABILITY1, form(ability1));
    put(SETUP_PLAYER_ABILITY2, form(ability2));
    put(SETUP_PLAYER_ABILITY3, form(ability3));
    put(SETUP_PLAYER_ABILITY4, form(ability4 * 90 / 100));
    put(SETUP_PLAYER_ABILITY5, form(ability5));
    put(SETUP_PLAYER_ABILITY6, ability6 * 100 / (pressure + 100));
    put(SETUP_PLAYER_ABILITY7, form(ability7));
    put(SETUP_PLAYER_PACE, Near(rng, q, 12) * 100 / fatigueDivisor);
    put(SETUP_PLAYER_PHYSICAL9, Near(rng, q, 12) * 100 / fatigueDivisor);
    put(SETUP_PLAYER_PHYSICAL10, Near(rng, q, 12) * 90 / fatigueDivisor);
    put(SETUP_PLAYER_PHYSICAL11, Near(rng, q, 12) * 100 / fatigueDivisor * 100 / 120);
    put(SETUP_PLAYER_PHYSICAL12, Near(rng, q + 5, 12) * 100 / fatigueDivisor);
    put(SETUP_PLAYER_PHYSICAL13, Near(rng, q, 12) * 100 / fatigueDivisor);
    put(SETUP_PLAYER_PHYSICAL14, Near(rng, q, 12) * 100 / (pressure + 100));
    for (int k = 0; k < 7; ++k) put(SETUP_PLAYER_PERSONALITY15 + 2 * k, personality[k] * 100 / 200);
    auto set = [&](int field, int value) { StoreI16(p + field, value); };
    set(SETUP_PLAYER_EXPERIENCE, std::uniform_int_distribution<int>(5, 55)(rng));
    set(SETUP_PLAYER_POSITION, sp.position);
    p[20] = static_cast<uint8_t>(sp.position);
    set(SETUP_PLAYER_SHIRT, e + 1);
    const int foot = std::uniform_int_distribution<int>(0, 3)(rng);
    set(SETUP_PLAYER_LEFT_SIDE, foot != 2 ? 1 : 0);
    set(SETUP_PLAYER_RIGHT_SIDE, foot >= 2 ? 1 : 0);
    set(SETUP_PLAYER_RECURRING_INJURY, std::uniform_int_distribution<int>(0, 19)(rng) == 0 ? 1 : 0);
    set(SETUP_PLAYER_NUMBER, sp.number);
    if (e >= 1 && e <= 10) {
      const int freeKick = LoadI16(p + SETUP_PLAYER_PHYSICAL14) + LoadI16(p + SETUP_PLAYER_ABILITY7) +
                           LoadI16(p + SETUP_PLAYER_ABILITY4);
      const int penalty = LoadI16(p + SETUP_PLAYER_ABILITY3) + LoadI16(p + SETUP_PLAYER_ABILITY7);
      if (freeKick > bestFreeKickValue) bestFreeKick = e, bestFreeKickValue = freeKick;
      if (penalty > bestPenaltyValue) bestPenalty = e, bestPenaltyValue = penalty;
    }
  }
  StoreI16(team + SETUP_TEAM_CAPTAIN, 1);
  StoreI16(team + SETUP_TEAM_CORNER_TAKER, bestPenalty + 1);
  StoreI16(team + SETUP_TEAM_FREE_KICK_TAKER, bestFreeKick + 1);
  StoreI16(team + SETUP_TEAM_PENALTY_TAKER, bestPenalty + 1);
}

void WriteMatchSetup(const Squad& home, const Squad& away, std::mt19937& rng, const TieRules& rules) {
  uint8_t* setup = ClearMatchSetupRecord();
  setup[SETUP_EXTRA_TIME] = static_cast<uint8_t>(rules.extraTime);
  setup[SETUP_PENALTIES] = static_cast<uint8_t>(rules.penalties);
  setup[SETUP_SECOND_LEG] = rules.secondLeg ? 1 : 0;
  WriteSide(0, home, rng);
  WriteSide(1, away, rng);
  for (int side = 0; side < 2; ++side)
    StoreI16(setup + MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_FIRST_LEG_GOALS, rules.firstLegGoals[side]);
  for (int skill : {0, 3, 1, 4, 2, 6}) NormaliseMatchSkill(skill);
}

}  // namespace simtest
