#include "clubsim/squad.h"

#include <cstdio>

#include "clubsim/squadlist.h"
#include "season/seasonstate.h"
#include "world/lists.h"
#include "world/players.h"
#include "world/playerstats.h"
#include "world/records.h"

namespace {

constexpr int FIRST_STARTER_SHIRT = 1;
constexpr int LAST_STARTER_SHIRT = 11;
constexpr int STAT_CAPTAINCY = 20;
constexpr int STAT_PERSONALITY_BAND = 21;
constexpr int PERSONALITY_BAND_SIZE = 20;
constexpr int NO_LOAN_CLUB = 255;

bool FullRecord(int16_t p) { return p >= 0 && p < PlayerCount; }
bool WorldClub(int16_t club) { return club >= 0 && club < NUM_CLUBS; }

}  // namespace

int16_t GetClubManager(int16_t club) {
  if (!WorldClub(club)) return NO_MANAGER_PLAYER;
  for (int16_t p = Player_NextAtClub(0, club); p >= 0; p = Player_NextAtClub(p + 1, club))
    if (p != NO_MANAGER_PLAYER && Player_GetPosition(p) == POSITION_MANAGER) return p;
  for (int16_t p = Player_NextAtClub(0, club); p >= 0; p = Player_NextAtClub(p + 1, club))
    if (Player_GetBossvane(p)) return p;
  return NO_MANAGER_PLAYER;
}

int16_t FindClubCaptain(int16_t club) {
  for (int16_t p = Player_NextAtClub(0, club); p >= 0; p = Player_NextAtClub(p + 1, club))
    if (Player_GetCaptain(p)) return p;
  return -1;
}

void ClearClubCaptainFlags(int16_t club) {
  BuildClubSquadList(club);
  for (int16_t p : SquadList)
    if (FullRecord(p)) Player_SetCaptain(p, 0);
}

void PickTeamCaptain() {
  int16_t best = -1;
  int16_t bestScore = -1;
  for (int16_t p : SquadList) {
    if (!FullRecord(p)) continue;
    Player_SetCaptain(p, 0);
    // A player the list's club has lent out wears another club's shirt.
    if (Player_GetClub(p) != SquadListClub) continue;
    const int16_t shirt = Player_GetShirt(p);
    if (shirt < FIRST_STARTER_SHIRT || shirt > LAST_STARTER_SHIRT) continue;
    const auto score =
        static_cast<int16_t>(Player_GetExperience(p) * Player_GetPersonalityStat(p, STAT_CAPTAINCY));
    if (score > bestScore) {
      best = p;
      bestScore = score;
    }
  }
  if (best >= 0) Player_SetCaptain(best, 1);
}

int16_t CountManagers() {
  int16_t count = 0;
  for (int16_t p = 0; p < PlayerCount; ++p)
    if (Player_GetPosition(p) == POSITION_MANAGER || (Player_GetBossvane(p) && !Player_GetCaretaker(p))) ++count;
  return count;
}

int16_t GetPlayerPersonalityBand(int16_t player) {
  return static_cast<int16_t>(Player_GetPersonalityStat(player, STAT_PERSONALITY_BAND) / PERSONALITY_BAND_SIZE);
}

int16_t GetPlayerTacticType(int16_t player) { return Player_GetTactic(player); }

int16_t Loan_Start(int16_t player, int16_t fromClub, int16_t toClub) {
  if (!FullRecord(player) || Player_GetOnLoan(player)) return 0;
  if (!WorldClub(toClub) || toClub == fromClub) return 0;
  for (int16_t slot = 0; slot < NUM_LOANS; ++slot)
    if (Loan_GetPlayerNo(slot) == player) return 0;
  // The borrower's list already has every place taken.
  if (CountClubSquadPlayers(toClub) >= SQUAD_LIST_SIZE) return 0;
  for (int16_t slot = 0; slot < NUM_LOANS; ++slot) {
    if (Loan_GetPlayerNo(slot) != -1) continue;
    Loan_SetPlayerNo(slot, player);
    Loan_SetLoanClub(slot, fromClub);
    Loan_SetLoanWeeks(slot, LOAN_WEEKS);
    Player_SetOnLoan(player, 1);
    Player_SetLoanList(player, 0);
    Player_SetClub(player, toClub);
    Player_SetShirt(player, 0);
    return 1;
  }
  return 0;
}

int16_t Loan_EndForPlayer(int16_t player) {
  // A free entry holds player -1: no player number below 0 has a loan.
  for (int16_t slot = 0; slot < NUM_LOANS && player >= 0; ++slot) {
    if (Loan_GetPlayerNo(slot) != player) continue;
    const int16_t owner = Loan_GetLoanClub(slot);
    Loan_SetPlayerNo(slot, -1);
    Loan_SetLoanClub(slot, NO_LOAN_CLUB);
    Loan_SetLoanWeeks(slot, 0);
    Player_SetOnLoan(player, 0);
    return owner;
  }
  std::printf("Trying To Clear Loan Info Player has loan flag set but no loan club: '%d'\n", player);
  return -1;
}
