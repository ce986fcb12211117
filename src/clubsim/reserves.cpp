#include "clubsim/reserves.h"

#include "clubsim/clubsvc.h"
#include "clubsim/simcounts.h"
#include "clubsim/squadlist.h"
#include "clubsim/transferday.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/history.h"
#include "world/lists.h"
#include "world/players.h"
#include "world/playerstats.h"

namespace {

constexpr int16_t FIRST_RESERVE_PLAYER = 2;  // players 0 and 1 are the human manager and nobody
constexpr int16_t NO_RESERVE_PLAYER = -1;
constexpr int16_t UNOWNED = PLAYER_CLUB_NONE;
constexpr int16_t POSITION_KEEPER = 0;
constexpr int16_t SIGNING_MORALE = 60;
constexpr int16_t SIGNING_CONTRACT = 12;
constexpr int32_t WAGE_UNIT = 25;
// The cups whose ties an unattached player loses (cup 5 keeps its mark).
constexpr int kClearedCups[] = {0, 1, 2, 3, 4, 6};

void FillSlot(int16_t slot, int16_t player) {
  Reserve_SetClub(slot, UNOWNED);
  Reserve_SetPlayer(slot, player);
  Reserve_SetInUse(slot, 0);
  Reserve_SetPicked(slot, 0);
  Player_SetWage(player, 0);
  Player_SetManager(player, 0);
  Player_SetBossvane(player, 0);
  Player_SetCaretaker(player, 0);
}

bool Matches(int16_t player, bool keeper) { return (Player_GetPosition(player) == POSITION_KEEPER) == keeper; }

// A slot that may be taken at all: it holds a full-record player who is not
// picked for a match and not yet at the club.
// A reserve hurt or sent off in an earlier match (his injury and his ban stay
// with him in the pool) cannot be taken for a side, nor one who has played
// in the cup for another club.
bool Takeable(int16_t slot, int16_t club, int16_t cup) {
  const int16_t player = Reserve_GetPlayer(slot);
  if (player < 0 || player >= PlayerCount || Reserve_GetPicked(slot) != 0 || Player_GetClub(player) == club) return false;
  if (Player_GetInFlag(player) != 0 || Player_IsUnderSuspension(player) != 0) return false;
  if (cup < 0 || cup >= NUM_PLAYER_CUPS) return true;
  const int16_t tied = Player_GetCupTied(player, cup);
  return tied == club || tied == PLAYER_CLUB_NONE;
}

int16_t Take(int16_t slot, int16_t club) {
  const int16_t player = Reserve_GetPlayer(slot);
  Player_SetWage(player, 0);
  Player_SetClub(player, club);
  Reserve_SetInUse(slot, 1);
  Reserve_SetClub(slot, club);
  Reserve_SetPicked(slot, 0);
  ++ClubSimCount.reservesUsed;
  return player;
}

}  // namespace

void FillReservePool() {
  int16_t filled = 0;
  for (int16_t p = FIRST_RESERVE_PLAYER; p < PlayerCount; ++p) {
    if (Player_GetClub(p) != PLAYER_CLUB_FREE_AGENT) continue;
    if (filled < NUM_RESERVE_SLOTS)
      FillSlot(filled++, p);
    else
      PlaceSurplusFreeAgent(p);
  }
  // Managers without a club wait for a job, not for a shirt.
  for (int16_t p = FIRST_RESERVE_PLAYER; p < PlayerCount && filled < NUM_RESERVE_SLOTS; ++p) {
    if (Player_GetClub(p) != PLAYER_CLUB_NONE || Player_GetManager(p) != 0) continue;
    FillSlot(filled++, p);
    Player_SetClub(p, PLAYER_CLUB_FREE_AGENT);
    Player_SetSellOnClause(p, -1);
  }
  for (int16_t slot = filled; slot < NUM_RESERVE_SLOTS; ++slot) {
    Reserve_SetClub(slot, UNOWNED);
    Reserve_SetPlayer(slot, NO_RESERVE_PLAYER);
    Reserve_SetInUse(slot, 0);
    Reserve_SetPicked(slot, 0);
  }
}

void PlaceSurplusFreeAgent(int16_t player) {
  BuildClubProcessingList();
  for (int16_t club : ClubProcessingList) {
    if (club < 0 || Club_GetControl(club) != 0 || Club_GetCountry(club) != GameCountry) continue;
    if (CountClubSquadPlayers(club) > SURPLUS_FREE_AGENT_MAX_SQUAD) continue;
    const int32_t demand = GetPlayerWageDemand(player, club);
    Player_SetClub(player, club);
    Player_SetWage(player, demand / WAGE_UNIT);
    Player_SetMorale(player, SIGNING_MORALE);
    Player_SetContract(player, SIGNING_CONTRACT);
    return;
  }
  Player_SetClub(player, PLAYER_CLUB_NONE);
  Player_SetWage(player, 1);
  Player_SetTxList(player, 1);
  Player_SetSaleStatus(player, 0);
  Player_SetManager(player, 0);
  Player_SetBossvane(player, 0);
  Player_SetCaretaker(player, 0);
  Player_SetManPrice(player, -1);
  Player_SetSellOnClause(player, -1);
  for (int cup : kClearedCups) Player_SetCupTied(player, PLAYER_CLUB_NONE, cup);
  PlayerCareerLog_RemovePlayer(player);
}

void ReleaseReserves(int16_t club) {
  for (int16_t slot = 0; slot < NUM_RESERVE_SLOTS; ++slot) {
    const int16_t player = Reserve_GetPlayer(slot);
    if (player < 0 || player >= PlayerCount) continue;
    if (Player_GetClub(player) != club || Reserve_GetPicked(slot) != 0 || Player_GetShirt(player) != 0) continue;
    Reserve_SetInUse(slot, 0);
    Player_SetClub(player, PLAYER_CLUB_FREE_AGENT);
  }
}

void ClearReservePicks() {
  for (int16_t slot = 0; slot < NUM_RESERVE_SLOTS; ++slot) Reserve_SetPicked(slot, 0);
}

int16_t ReserveSlotOfPlayer(int16_t player) {
  if (player < 0) return -1;
  for (int16_t slot = 0; slot < NUM_RESERVE_SLOTS; ++slot)
    if (Reserve_GetPlayer(slot) == player) return slot;
  return -1;
}

int16_t PickReservePlayer(int16_t club, int16_t position, int16_t cup) {
  const bool keeper = position == POSITION_KEEPER;

  // A reserve who has since signed for a club (he has a wage) leaves the pool.
  for (int16_t slot = 0; slot < NUM_RESERVE_SLOTS; ++slot) {
    const int16_t player = Reserve_GetPlayer(slot);
    if (player >= 0 && player < PlayerCount && Player_GetWage(player) != 0) Reserve_SetPlayer(slot, NO_RESERVE_PLAYER);
  }

  // The club's own reserves first.
  for (int16_t slot = 0; slot < NUM_RESERVE_SLOTS; ++slot)
    if (Reserve_GetClub(slot) == club && Takeable(slot, club, cup) && Matches(Reserve_GetPlayer(slot), keeper))
      return Take(slot, club);

  // The best of the first few unowned reserves: a club with youth staff looks further.
  int32_t looks = 1;
  if (Club_IsGameCountryLeagueClub(club)) looks = Club_GetCoachYouth(club) + Club_GetYDO(club) + 1;
  int16_t best = -1;
  int32_t bestScore = 0;
  for (int16_t slot = 0; slot < NUM_RESERVE_SLOTS && looks > 0; ++slot) {
    if (Reserve_GetClub(slot) != UNOWNED || !Takeable(slot, club, cup)) continue;
    const int16_t player = Reserve_GetPlayer(slot);
    if (!Matches(player, keeper)) continue;
    --looks;
    const int32_t score = Player_GetAbilityStats(player) + Player_GetAbilityCurve(player);
    if (best < 0 || score > bestScore) {
      best = slot;
      bestScore = score;
    }
  }
  if (best >= 0) return Take(best, club);

  // Another club's reserve who is not playing for it.
  for (int16_t slot = 0; slot < NUM_RESERVE_SLOTS; ++slot) {
    const int16_t owner = Reserve_GetClub(slot);
    if (owner != UNOWNED && owner != club && Reserve_GetInUse(slot) == 0 && Takeable(slot, club, cup) &&
        Matches(Reserve_GetPlayer(slot), keeper))
      return Take(slot, club);
  }

  // Last resorts, whatever the position.
  for (int16_t slot = 0; slot < NUM_RESERVE_SLOTS; ++slot)
    if (Reserve_GetClub(slot) == club && Takeable(slot, club, cup)) return Take(slot, club);
  for (int16_t slot = 0; slot < NUM_RESERVE_SLOTS; ++slot)
    if (Reserve_GetClub(slot) == UNOWNED && Takeable(slot, club, cup)) return Take(slot, club);
  for (int16_t slot = 0; slot < NUM_RESERVE_SLOTS; ++slot)
    if (Reserve_GetClub(slot) != UNOWNED && Reserve_GetInUse(slot) == 0 && Takeable(slot, club, cup))
      return Take(slot, club);

  // Nobody: the shirt stays empty and the side plays one short.
  return -1;
}
