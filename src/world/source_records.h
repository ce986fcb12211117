// The source database the game builds a new world from: stats\totstat.dat
// (club records, player records, first names and the player count) and
// stats\names.dat (the surname table). The builder (dbbuilder) writes these
// files and the new game reads them, both through the layouts below. Every
// number is little-endian and every record is read and written field by field.
#pragma once

#include <cstdint>

#include "engine/bytes.h"

// stats\totstat.dat
constexpr int NUM_DB_CLUBS = 1200;                // source club records, one per database number
constexpr int MAX_SOURCE_PLAYERS = 25000;         // source player records
constexpr int SOURCE_CLUB_RECORD_SIZE = 57;
constexpr int SOURCE_PLAYER_RECORD_SIZE = 43;
constexpr int SOURCE_FIRST_NAME_SIZE = 17;        // one zero-padded first name per player record
constexpr int32_t TOTSTAT_CLUBS_OFFSET = 0;
constexpr int32_t TOTSTAT_PLAYERS_OFFSET = NUM_DB_CLUBS * SOURCE_CLUB_RECORD_SIZE;                  // 68,400
constexpr int32_t TOTSTAT_FIRST_NAMES_OFFSET =
    TOTSTAT_PLAYERS_OFFSET + MAX_SOURCE_PLAYERS * SOURCE_PLAYER_RECORD_SIZE;                          // 1,143,400
constexpr int32_t TOTSTAT_FIRST_NAMES_SIZE = MAX_SOURCE_PLAYERS * SOURCE_FIRST_NAME_SIZE;            // 425,000
constexpr int32_t TOTSTAT_COUNT_OFFSET = TOTSTAT_FIRST_NAMES_OFFSET + TOTSTAT_FIRST_NAMES_SIZE;      // 1,568,400
constexpr int32_t TOTSTAT_SIZE = TOTSTAT_COUNT_OFFSET + 4;                                           // 1,568,404

// stats\names.dat: the surname table, 17-byte zero-padded surnames indexed by
// the 14-bit surname index of a player's identity (so only the first 16,384
// entries can be named by a player).
constexpr int SURNAME_SIZE = 17;
constexpr int NUM_SURNAMES = 20000;
constexpr int NAMES_FILE_SIZE = NUM_SURNAMES * SURNAME_SIZE;  // 340,000
constexpr int NUM_PLAYER_SURNAMES = 16384;

// Byte offsets of the fields of a 57-byte source club record.
namespace src_club {
constexpr int NAME = 0;           // char[35]: the club's name, zero-padded (empty for an unused number)
constexpr int NAME_SIZE = 35;
constexpr int DB_NUMBER = 35;     // int16: database club number (the record's own index)
constexpr int COUNTRY = 37;       // int16: country, a nationality code 0-31 (the game reads the low byte); -1 unused
constexpr int DIVISION = 39;      // int16: 0-5 league division, 6 outside the league; -1 unused
constexpr int MAP_X = 41;         // int16: town position on the country map, 0-639
constexpr int MAP_Y = 43;         // int16: 0-479
constexpr int MANAGER_CODE = 45;  // int16: the 3-bit identity code of the club's manager (0-5)
constexpr int FOUNDED = 47;       // int16: year the club was founded
constexpr int HOME_KIT = 49;      // int16: home kit colour 0-15
constexpr int AWAY_KIT = 51;      // int16: away kit colour 0-15
constexpr int CAPACITY = 53;      // int32: stadium capacity in seats, 0 to MAX_SOURCE_CAPACITY
}  // namespace src_club

// The largest ground a source club record may give: four stands of the best
// style, two ends of 20,000 and two sides of 29,000 seats. The builder writes
// no more; a new game takes a larger figure as this one and a negative one
// as 0.
constexpr int32_t MAX_SOURCE_CAPACITY = 2 * 20000 + 2 * 29000;  // 98,000

// Byte offsets of the fields of a 43-byte source player record.
namespace src_player {
constexpr int INITIAL = 0;         // char: initial of the first name, an upper-case letter
constexpr int RESERVED = 1;        // 16 bytes, zero
constexpr int RESERVED_SIZE = 16;
constexpr int QUALITY = 17;        // int16: quality value 15-89
constexpr int POSITION = 19;       // int16: position code (below)
constexpr int LOOK_A = 21;         // int16: skin tone 0-7
constexpr int HEIGHT = 23;         // int16: height in centimetres
constexpr int LOOK_B = 25;         // int16: hair style 0-7
constexpr int LOOK_C = 27;         // int16: hair colour 0-7
constexpr int NATIONALITY = 29;    // int16: nationality code 0-104
constexpr int BIRTH_YEAR = 31;     // int16: year of birth minus 1900
constexpr int TRAINING_FLAG = 33;  // int16: 1 = training follows the club's division (young players)
constexpr int SIDE = 35;           // int16: preferred side 0-3; 4 = choose at random
constexpr int DB_CLUB = 37;        // int16: database club 0-1199; -2 free agent; -1 no club; 1200+ not created
constexpr int SURNAME = 39;        // int16: surname index 0-16383
constexpr int WEIGHT = 41;         // int16: weight in kilograms
}  // namespace src_player

// Position codes of a source player record.
enum SourcePosition : int16_t {
  SRC_POS_GOALKEEPER = 0,      // 1-4 defenders, 5-9 midfielders, 10-12 forwards
  SRC_POS_LAST_DEFENDER = 4,
  SRC_POS_LAST_MIDFIELDER = 9,
  SRC_POS_LAST_FORWARD = 12,
  SRC_POS_MANAGER = 13,
  SRC_POS_ANY_DEFENDER = 14,    // the position is drawn at new game
  SRC_POS_ANY_MIDFIELDER = 15,
  SRC_POS_ANY_FORWARD = 16,
  SRC_POS_PLAYER_MANAGER = 17,  // 17 + position: a player with the bossvane clause
};
// The line a position code plays in: 0 goalkeeper, 1 defence, 2 midfield,
// 3 attack, 4 manager.
int SourcePositionLine(int code);

constexpr int16_t SRC_CLUB_FREE_AGENT = -2;
constexpr int16_t SRC_CLUB_NONE = -1;
// Club numbers 252-254 are special codes in a player's club field and 255 is
// no club; a new game passes 252, 254 and 255 through unchanged instead of
// looking them up (254 arrives as a free agent, 255 without a club), so no
// source player may name a database club among 252-255.
constexpr bool IsSpecialClubNumber(int number) { return number >= 252 && number <= 255; }

struct SourceClub {
  char name[src_club::NAME_SIZE];
  int16_t dbNumber;
  int16_t country;
  int16_t division;
  int16_t mapX, mapY;
  int16_t managerCode;
  int16_t founded;
  int16_t homeKit, awayKit;
  int32_t capacity;
};

struct SourcePlayer {
  char initial;
  int16_t quality;
  int16_t position;
  int16_t lookA, height, lookB, lookC;
  int16_t nationality;
  int16_t birthYear;  // minus 1900
  int16_t trainingFlag;
  int16_t side;
  int16_t dbClub;
  int16_t surname;
  int16_t weight;
};

void EncodeSourceClub(const SourceClub& club, uint8_t* record);
SourceClub DecodeSourceClub(const uint8_t* record);
void EncodeSourcePlayer(const SourcePlayer& player, uint8_t* record);
SourcePlayer DecodeSourcePlayer(const uint8_t* record);
