// The players of the world: a 56-byte PlayerRecord and a 10-byte
// PlayerIdentity for each player index below the player count.
//
// One getter and one setter per field. A negative player index is a broken
// invariant: the accessor prints its message and ends the program
// (FatalExit). An index at or above the full-record count (PlayerCount) is
// answered a fixed value and ignored by the setters; identity fields answer
// for every index below the total player count. Values are limited to their
// fields' ranges.
#pragma once

#include <cstdint>

#include "world/records.h"

extern PlayerRecord PlayerRecords[MAX_PLAYERS];
// Every player, full record or not, has an identity; PlayerCount
// (season/seasonstate.h) counts the full records.
extern int16_t PlayerTotalCount;
inline PlayerIdentity* PlayerIdentities() { return MinorClubsBlock.identities; }

// Club numbers in player records beside the world's clubs 0-249.
constexpr int PLAYER_CLUB_RESERVE_POOL = 252;
constexpr int PLAYER_CLUB_FREE_AGENT = 254;
constexpr int PLAYER_CLUB_NONE = 255;
constexpr int POSITION_MANAGER = 13;
constexpr int NUM_PLAYER_CUPS = 7;

// The ability-stats codes a new player of each position 0-12 may get; the
// first 100 of each row are drawn from.
constexpr int ABILITY_CHOICE_ROWS = 13;
constexpr int ABILITY_CHOICE_COLUMNS = 250;
extern int16_t AbilityStatsChoice[ABILITY_CHOICE_ROWS][ABILITY_CHOICE_COLUMNS];

// No players: every record and identity zero, both counts 0.
void Players_Reset();
// Tells the player table that records were written whole (a loaded game, a
// new world, a record cleared), not field by field through the setters: the
// index of who plays for each club is built afresh when next asked for.
void Players_RecordsRewritten();

int16_t Player_GetWage(int16_t player);
void Player_SetWage(int16_t player, int32_t value);
int16_t Player_GetMorale(int16_t player);
void Player_SetMorale(int16_t player, int32_t value);
int16_t Player_GetReputation(int16_t player);
void Player_SetReputation(int16_t player, int32_t value);
int16_t Player_GetExperience(int16_t player);
void Player_SetExperience(int16_t player, int32_t value);
int16_t Player_GetAbilityCurve(int16_t player);
void Player_SetAbilityCurve(int16_t player, int32_t value);
int16_t Player_GetAbilityStats(int16_t player);
void Player_SetAbilityStats(int16_t player, int32_t value);
int16_t Player_GetPhysicalStats(int16_t player);
void Player_SetPhysicalStats(int16_t player, int32_t value);
int16_t Player_GetBanwait(int16_t player);
void Player_SetBanwait(int16_t player, int32_t value);
int16_t Player_GetEuroBan(int16_t player);
void Player_SetEuroBan(int16_t player, int32_t value);
int16_t Player_GetSuspension(int16_t player);
void Player_SetSuspension(int16_t player, int32_t value);
int16_t Player_GetEuroDispoints(int16_t player);
void Player_SetEuroDispoints(int16_t player, int32_t value);
int16_t Player_GetDispoints(int16_t player);
void Player_SetDispoints(int16_t player, int32_t value);
int16_t Player_GetFitness(int16_t player);
void Player_SetFitness(int16_t player, int32_t value);
int16_t Player_GetFatigue(int16_t player);
void Player_SetFatigue(int16_t player, int32_t value);
int16_t Player_GetApps(int16_t player);
void Player_SetApps(int16_t player, int32_t value);
int16_t Player_GetAssists(int16_t player);
void Player_SetAssists(int16_t player, int32_t value);
int16_t Player_GetGoals(int16_t player);
void Player_SetGoals(int16_t player, int32_t value);
int16_t Player_GetCareerApps(int16_t player);
void Player_SetCareerApps(int16_t player, int32_t value);
int16_t Player_GetCareerGoals(int16_t player);
void Player_SetCareerGoals(int16_t player, int32_t value);
int16_t Player_GetContract(int16_t player);
void Player_SetContract(int16_t player, int32_t value);
int16_t Player_GetTraining(int16_t player);
void Player_SetTraining(int16_t player, int32_t value);
int16_t Player_GetBidCount(int16_t player);
void Player_SetBidCount(int16_t player, int32_t value);
int16_t Player_GetAge(int16_t player);
void Player_SetAge(int16_t player, int32_t value);
int16_t Player_GetInitial(int16_t player);
void Player_SetInitial(int16_t player, int32_t value);
int16_t Player_GetShirt(int16_t player);
void Player_SetShirt(int16_t player, int32_t value);
int16_t Player_GetClub(int16_t player);
void Player_SetClub(int16_t player, int32_t value);
// The first player from `from` on who is at the club or on loan anywhere (the
// scans of a club's players then look at his loan club), -1 after the last.
// One tight pass over the records for the scans that visit every player.
int16_t Player_NextAtClubOrOnLoan(int16_t from, int16_t club);
// The first player from `from` on whose club is the club, -1 after the last.
int16_t Player_NextAtClub(int16_t from, int16_t club);
// The fields the transfer searches screen a player on, read together from
// his record, each as its getter answers it (position as Player_GetPosition,
// 13 for a manager; suspension as Player_IsUnderSuspension). For the scans
// that look at thousands of players a day.
struct PlayerScreenFields {
  int32_t manPrice;
  int16_t club, wage, position, careerApps, shirt, suspension, age;
  bool bossvane, saleStatus, brClause, onLoan, inFlag, loanList, txList;
};
// False (and *out untouched) for an index outside the full records.
bool Player_ReadScreenFields(int16_t player, PlayerScreenFields* out);

// The fields a player's stats are worked out from, read together, each as
// its getter answers it (for a player without a full record the getters'
// answers for such a player). The player must not be negative.
struct PlayerStatFields {
  int16_t storedPosition, initial, surname, personalityStats, physicalStats, abilityStats, abilityCurve, age,
      careerApps, training;
};
void Player_ReadStatFields(int16_t player, PlayerStatFields* out);

// A digest of each full record for the scans that screen most of the world's
// players in a day: his club, his nationality and three flags. Kept up to
// date by the setters of those fields.
struct PlayerDigest {
  int16_t club;
  uint8_t nationality;
  uint8_t flags;
};
enum : uint8_t {
  PLAYER_DIGEST_NO_WAGE = 1,          // wage 0
  PLAYER_DIGEST_MANAGER = 2,          // position 13 (Player_GetPosition) or the bossvane flag
  PLAYER_DIGEST_NO_CAREER_APPS = 4,   // no career appearances
};
// The digests of players 0 to PlayerCount - 1; the pointer holds until the
// records are next rewritten whole or the player count changes.
const PlayerDigest* Player_Digests();
int16_t Player_GetCaptain(int16_t player);
void Player_SetCaptain(int16_t player, int32_t value);
int16_t Player_GetRecurringInjury(int16_t player);
void Player_SetRecurringInjury(int16_t player, int32_t value);
int16_t Player_GetCaretaker(int16_t player);
void Player_SetCaretaker(int16_t player, int32_t value);
int16_t Player_GetManager(int16_t player);
void Player_SetManager(int16_t player, int32_t value);
int16_t Player_GetBossvane(int16_t player);
void Player_SetBossvane(int16_t player, int32_t value);
int16_t Player_GetRRClause(int16_t player);
void Player_SetRRClause(int16_t player, int32_t value);
int16_t Player_GetBRClause(int16_t player);
void Player_SetBRClause(int16_t player, int32_t value);
int16_t Player_GetLoanList(int16_t player);
void Player_SetLoanList(int16_t player, int32_t value);
int16_t Player_GetTxReq(int16_t player);
void Player_SetTxReq(int16_t player, int32_t value);
int16_t Player_GetOnLoan(int16_t player);
void Player_SetOnLoan(int16_t player, int32_t value);
int16_t Player_GetInFlag(int16_t player);
void Player_SetInFlag(int16_t player, int32_t value);
int16_t Player_GetSaleStatus(int16_t player);
void Player_SetSaleStatus(int16_t player, int32_t value);
int16_t Player_GetTxList(int16_t player);
void Player_SetTxList(int16_t player, int32_t value);
int16_t Player_GetSellOnClause(int16_t player);
void Player_SetSellOnClause(int16_t player, int32_t value);
int16_t Player_GetPerf(int16_t player);
void Player_SetPerf(int16_t player, int32_t value);
int16_t Player_GetReserveSlot(int16_t player);
void Player_SetReserveSlot(int16_t player, int32_t value);
int16_t Player_GetSide(int16_t player);
void Player_SetSide(int16_t player, int32_t value);
int16_t Player_GetNationality(int16_t player);
void Player_SetNationality(int16_t player, int32_t value);

int32_t Player_GetManPrice(int16_t player);
// Stored only while the player has a wage.
void Player_SetManPrice(int16_t player, int32_t price);

// 13 for a manager, else the stored position 0-12.
int16_t Player_GetPosition(int16_t player);
int16_t Player_GetStoredPosition(int16_t player);
// 13 sets the Manager flag and keeps the stored position.
void Player_SetPosition(int16_t player, int32_t position);

// The club he has played for in cup competition 0-6, 255 none.
int16_t Player_GetCupTied(int16_t player, int cup);
void Player_SetCupTied(int16_t player, int32_t club, int cup);

// Identity fields written when the world is made.
int16_t Player_GetSurname(int16_t player);
void Player_SetSurname(int16_t player, int32_t surname);
int16_t Player_GetPersonalityStats(int16_t player);
void Player_SetPersonalityStats(int16_t player, int32_t row);
int16_t Player_GetTactic(int16_t player);
void Player_SetTactic(int16_t player, int32_t tactic);
// The three 3-bit appearance codes, look 0-2.
int16_t Player_GetLook(int16_t player, int look);
void Player_SetLook(int16_t player, int look, int32_t code);

// Kept for the callers that still pass or test them; they hold nothing.
void Player_SetReservedA(int16_t player, int32_t value);
void Player_SetReservedB(int16_t player, int32_t value);
void Player_SetReservedC(int16_t player, int32_t value);
void Player_SetReservedD(int16_t player, int32_t value);
int16_t Player_GetReservedE(int16_t player);
int16_t Player_GetReservedF(int16_t player);
int16_t Player_GetReservedG(int16_t player);
int16_t Player_IsUnavailable(int16_t player);

// Matches still to miss, once the ban-wait counter has run out; else 0.
int16_t Player_IsUnderSuspension(int16_t player);

// Raises (percent > 0) or lowers (percent < 0) morale by that share plus one
// point; a player whose nation group differs from his club's country's feels
// a loss twice as much.
void Player_ChangeMorale(int16_t player, int32_t percent);

// New ability stats for the player's position (managers 150-249); answers the code.
int16_t Player_RandomAbilityStats(int16_t player);
