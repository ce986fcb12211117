#include "support/test_world.h"

#include <cstring>

#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/funcs.h"
#include "world/lists.h"
#include "world/players.h"
#include "world/playerstats.h"
#include "world/static_country.h"

// The world modules register their resets like every other module.
void ResetWorld() { ResetEngine(); }

namespace {

void MakeClub(int16_t club, int country, int division, int rep, int32_t balance, int control) {
  Club_SetCountry(club, country);
  Club_SetDivision(club, division);
  Club_SetRep(club, rep);
  Club_SetBalance(club, balance);
  Club_SetControl(club, control);
}

void MakePlayer(int16_t p, int club, int position, int nationality, int wage, int morale) {
  Player_SetClub(p, club);
  Player_SetPosition(p, position);
  Player_SetNationality(p, nationality);
  Player_SetWage(p, wage);
  Player_SetMorale(p, morale);
  Player_SetFitness(p, 60);
  Player_SetContract(p, 24);
  Player_SetSellOnClause(p, -1);
  Player_SetReserveSlot(p, -1);
  Player_SetSurname(p, 100 + p);
  Player_SetAge(p, 8);
  for (int cup = 0; cup < NUM_PLAYER_CUPS; ++cup) Player_SetCupTied(p, PLAYER_CLUB_NONE, cup);
}

}  // namespace

void BuildTestWorld() {
  using namespace tw;
  GameCountry = 0;
  MakeClub(kHumanClub, 0, 0, 40, 1000000, 1);
  MakeClub(kLeagueClub, 0, 1, 30, 500000, 0);
  MakeClub(kOutsideClub, 0, 6, 10, 0, 0);
  MakeClub(kForeignClub, 2, 0, 50, 2000000, 0);
  MakeClub(kMinorClub, 3, 7, 33, 0, 0);
  Club_SetStand1Style(kMinorClub, 3);
  Club_SetStand1Capacity(kMinorClub, 20);
  Club_SetStand3Style(kMinorClub, 5);
  Club_SetStand3Capacity(kMinorClub, 12);

  PlayerCount = kPlayerCount;
  PlayerTotalCount = kPlayerCount;
  MakePlayer(kHumanManager, kHumanClub, 13, 0, 1000, 50);
  MakePlayer(kNoManager, PLAYER_CLUB_NONE, 13, 0, 0, 30);
  MakePlayer(kKeeper, kHumanClub, 0, 0, 400, 40);
  Player_SetInitial(kKeeper, kKeeperInitial);
  MakePlayer(kDefender, kHumanClub, 2, 2, 300, 40);
  MakePlayer(kForward, kHumanClub, 11, 0, 800, 45);
  Player_SetGoals(kForward, 10);
  MakePlayer(kMidfielder, kLeagueClub, 7, 5, 200, 35);
  MakePlayer(kItalian, kForeignClub, 10, 2, 500, 30);
  MakePlayer(kFreeAgent, PLAYER_CLUB_FREE_AGENT, 6, 1, 0, 20);
  for (int16_t p = 0; p < kPlayerCount; ++p)
    std::strncpy(NameBuffer + (kSurnameBase + p) * SURNAME_SIZE, kSurnames[p], SURNAME_SIZE);
}

void BuildLeagueWorld() {
  GameCountry = 0;
  for (int country = 0, start = 0; country < NUM_LIST_COUNTRIES; ++country) {
    const int size = CountryBlockSize(0, country);
    for (int16_t club = static_cast<int16_t>(start); club < start + size && club < NUM_CLUBS; ++club)
      MakeClub(club, country, 0, 30, 100000, 0);
    start += size;
  }
  for (int division = 0; division <= NUM_DIVISIONS; ++division) {
    const int end = division < NUM_DIVISIONS ? DivisionBlockStart(0, division + 1) : CountryBlockSize(0, 0);
    for (int16_t club = static_cast<int16_t>(DivisionBlockStart(0, division)); club < end; ++club)
      Club_SetDivision(club, division);
  }

  PlayerCount = tw::kLeagueClubs * tw::kLeagueSquad;
  PlayerTotalCount = PlayerCount;
  for (int16_t p = 0; p < PlayerCount; ++p) MakePlayer(p, p / tw::kLeagueSquad, p % 13, 0, 100, 40);
}

void BuildCountryLeagueWorld(int country) {
  GameCountry = static_cast<int8_t>(country);
  for (int16_t club = 0; club < NUM_CLUBS; ++club) ClubSlotMap_Set(club, -1);
  int16_t fullSlot = 0, minorSlot = NUM_CLUBS;
  for (int listCountry = 0, start = 0; listCountry < NUM_LIST_COUNTRIES; ++listCountry) {
    const int size = CountryBlockSize(country, listCountry);
    for (int16_t club = static_cast<int16_t>(start); club < start + size && club < NUM_CLUBS; ++club) {
      int division = 0;
      if (listCountry == country) {
        division = NUM_DIVISIONS;  // outside the league
        for (int d = 0; d < NUM_DIVISIONS; ++d)
          if (club >= DivisionBlockStart(country, d) && club < DivisionBlockStart(country, d + 1)) division = d;
      }
      const bool league = listCountry == country && division < NUM_DIVISIONS;
      ClubSlotMap_Set(club, league ? fullSlot++ : minorSlot++);
      MakeClub(club, listCountry, division, 30, 100000, 0);
    }
    start += size;
  }
}
