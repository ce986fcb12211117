// TEMPORARY: functions of the squad module (managers and loans) that the
// transfer market calls before that module is merged. Each is declared as
// the squad module names it; pending.cpp holds a least working definition.
// Delete both files when the squad module's real functions are linked.
#pragma once

#include <cstdint>

// The club's manager: its first player of position 13 (player 1 excepted),
// else its first playing manager (bossvane), else 1 (also for clubs 250 up).
int16_t GetClubManager(int16_t club);
// Lends the player from one club to another: the first free loan entry gets
// the player, the lending club and 13 weeks; he is flagged on loan, off the
// loan list and moved to the borrowing club. Nothing without a free entry.
void Loan_Start(int16_t player, int16_t fromClub, int16_t toClub);
// Clears the first loan entry holding the player and his on-loan flag (the
// caller moves him back); a message and no change when none holds him.
void Loan_EndForPlayer(int16_t player);
