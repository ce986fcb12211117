// The club simulation's countdowns: the injury list (absences, illnesses
// with their contagion, injuries in training and in matches), the end of
// loans, the players' contracts month by month, and match bans.
//
// The day's tick runs the countdowns: the injury countdown every day, the
// contract countdown on the first day of a month, the loan countdown every
// weekday 2 and the ban-wait countdown on the week's first day.
#pragma once

#include <cstdint>

// Injury types: 0 absence without leave, 1-7 illnesses, 8-36 injuries.
constexpr int NUM_INJURY_TYPES = 37;
constexpr int16_t INJURY_TYPE_AWOL = 0;
constexpr int16_t FIRST_INJURY_TYPE = 8;
constexpr int16_t LAST_INJURY_TYPE = 36;
// The type's name and the phrase the news uses ("the flu") are these texts + type.
constexpr int16_t TEXT_INJURY_NAME = 200;
constexpr int16_t TEXT_INJURY_PHRASE = 360;
// The longest time an injury-list slot holds.
constexpr int16_t MAX_INJURY_TIME = 255;

// Per type, packed: bits 0-7 the base time B, bit 8 contagious, bits 9-23
// the rarity (the higher, the rarer).
extern const uint32_t InjuryTypeTable[NUM_INJURY_TYPES];
// The fields of a type 0-36; 0 for any other number.
int16_t InjuryType_BaseTime(int16_t type);
int16_t InjuryType_IsContagious(int16_t type);
int16_t InjuryType_Rarity(int16_t type);

// Puts the player on the injury list for time units (1 at least, 255 at
// most) with the type, and tells the news. Nothing happens for a player
// without a full record or a wage, a type outside 0-36, a player already on
// the list, or a full list.
void InjurePlayer(int16_t player, int16_t time, int16_t type, int16_t inTraining);

// Empties an injury-list slot and takes the injury flag from its player.
void InjuryList_FreeSlot(int16_t slot);

// Every day: each slot's time runs down (faster with a faith healer and a
// good physio, and for an illness), an illness may spread, a player who does
// not heal may lose fitness; a player whose time is up is back (with news).
void InjuryCountdown();

// Spreads the player's contagious illness among his club's fit players.
void Contagion(int16_t player, int16_t type);

// The training ground's chance of an injury to the player.
void TrainingInjuryCheck(int16_t player);

// The injury of a player hurt in a match for the club, if any.
void MatchInjury(int16_t player, int16_t club);

// Every weekday 2: each loan's weeks run down; a loan whose time is up ends
// (with news; the borrower, when computer-run, may bid for the player), the
// player going back to the club that lent him, without a shirt.
void LoanExpiryStep();

// On a new month: every player's contract (player 0 aside) runs one month
// down. A contract that runs out at a club of fewer than 18 listed players
// is held at its last month; otherwise the player is released, kept on
// (managers, 12 months) or moves to a club that wants him on a free
// transfer. The staff contracts follow.
void ContractCountdown();

// On the week's first day: ban waits run down; a ban that begins is news.
void BanWaitCountdown();

// One match of a suspension served by every player at the club whose ban
// wait is over; ServeEuroBan: one match of a European ban by every player at
// the club who has one, whatever his domestic ban wait. Both leave the
// club's squad list built.
void ServeSuspension(int16_t club);
void ServeEuroBan(int16_t club);
