// The world's record types. Each is a byte array of the record's exact size,
// laid out as it is in memory and in the save and permanent-data files; the
// fields are reached only through the accessors of clubs.h and players.h.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int NUM_CLUBS = 250;          // club ids 0-249
constexpr int NUM_FULL_CLUBS = 114;     // clubs with a ClubRecord
constexpr int NUM_MINOR_CLUBS = 140;    // room in the MinorClubRecord table
constexpr int MAX_PLAYERS = 25000;
constexpr int CLUB_MONEY_POOL = 255;    // the club id that stands for the money pool

struct ClubRecord {
  uint8_t bytes[4562];
};
static_assert(sizeof(ClubRecord) == 4562);

struct MinorClubRecord {
  uint8_t bytes[12];
};
static_assert(sizeof(MinorClubRecord) == 12);

// 250 int16 entries: below 250 a ClubRecord index, 250 and up a MinorClubRecord (entry - 250).
struct ClubSlotMap {
  uint8_t bytes[NUM_CLUBS * 2];
};
static_assert(sizeof(ClubSlotMap) == 500);

struct PlayerRecord {
  uint8_t bytes[56];
};
static_assert(sizeof(PlayerRecord) == 56);

struct PlayerIdentity {
  uint8_t bytes[10];
};
static_assert(sizeof(PlayerIdentity) == 10);

// The minor clubs and the player identities are one block of the permanent
// data: the identities follow the last minor club record directly.
struct MinorClubsAndIdentities {
  MinorClubRecord minorClubs[NUM_MINOR_CLUBS];
  PlayerIdentity identities[MAX_PLAYERS];
};
static_assert(sizeof(MinorClubsAndIdentities) == NUM_MINOR_CLUBS * 12 + MAX_PLAYERS * 10);
static_assert(offsetof(MinorClubsAndIdentities, identities) == NUM_MINOR_CLUBS * sizeof(MinorClubRecord));

extern MinorClubsAndIdentities MinorClubsBlock;

// The block's address and size, for the permanent-data file.
void* MinorClubsBlock_Address();
int32_t MinorClubsBlock_Size();
