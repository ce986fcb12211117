// The world facade (GNW_*): the one door through which the screens, the day
// loop and the news read the world. Clubs and players are signed 16-bit ids;
// text numbers are -1 when there is none. An operation that hands out text
// answers a static buffer that its next call overwrites.
#pragma once

#include <cstdint>

#include "world/source_records.h"

// The surname table read from stats\names.dat: 17-byte zero-padded surnames,
// indexed by the surname index of a player's identity.
extern char NameBuffer[NAMES_FILE_SIZE];

// The league club of the game country run by that human manager, else -1.
int16_t GNW_GetHumanClub(int16_t manager);

// Database club number of a world club (names, source records); 252, 254 and
// 255 pass through.
int16_t GNW_GetClubDbId(int16_t club);
// Database club number + 28000; -1 for a negative number or one past the
// database's clubs.
int16_t GNW_GetClubTextNo(int16_t dbClub);
// Player + 3000; -1 for a negative player or one past the player table.
int16_t GNW_GetPlayerTextNo(int16_t player);

// The club's name from the club name table (static buffer); "" for a number
// the table does not name.
const char* GNW_GetClubName(int16_t dbClub);
// "%c.%s", the initial and the surname, or the surname alone for a player
// without initial (static buffer).
const char* GNW_GetPlayerName(int16_t player);
// The nationality's name, language text 2310 + nationality; "" outside the
// nationality codes.
const char* GNW_GetNationalityString(int16_t nationality);

// The division 0-5 whose row of the division table lists the club, 0 when
// none does.
int16_t GNW_GetClubDivisionIndex(int16_t club);

// Empty name buffer and static strings.
void Funcs_Reset();
