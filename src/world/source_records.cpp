// Field-by-field reading and writing of the source database records.
#include "world/source_records.h"

#include <cstring>

int SourcePositionLine(int code) {
  if (code >= SRC_POS_PLAYER_MANAGER) code -= SRC_POS_PLAYER_MANAGER;
  if (code == SRC_POS_GOALKEEPER) return 0;
  if (code == SRC_POS_MANAGER) return 4;
  if (code == SRC_POS_ANY_DEFENDER || (code >= 1 && code <= SRC_POS_LAST_DEFENDER)) return 1;
  if (code == SRC_POS_ANY_MIDFIELDER || (code > SRC_POS_LAST_DEFENDER && code <= SRC_POS_LAST_MIDFIELDER)) return 2;
  return 3;
}

void EncodeSourceClub(const SourceClub& c, uint8_t* r) {
  std::memset(r, 0, SOURCE_CLUB_RECORD_SIZE);
  std::memcpy(r + src_club::NAME, c.name, src_club::NAME_SIZE);
  r[src_club::NAME + src_club::NAME_SIZE - 1] = 0;
  PutLE16(r + src_club::DB_NUMBER, c.dbNumber);
  PutLE16(r + src_club::COUNTRY, c.country);
  PutLE16(r + src_club::DIVISION, c.division);
  PutLE16(r + src_club::MAP_X, c.mapX);
  PutLE16(r + src_club::MAP_Y, c.mapY);
  PutLE16(r + src_club::MANAGER_CODE, c.managerCode);
  PutLE16(r + src_club::FOUNDED, c.founded);
  PutLE16(r + src_club::HOME_KIT, c.homeKit);
  PutLE16(r + src_club::AWAY_KIT, c.awayKit);
  PutLE32(r + src_club::CAPACITY, c.capacity);
}

SourceClub DecodeSourceClub(const uint8_t* r) {
  SourceClub c{};
  std::memcpy(c.name, r + src_club::NAME, src_club::NAME_SIZE);
  c.name[src_club::NAME_SIZE - 1] = 0;
  c.dbNumber = GetLE16(r + src_club::DB_NUMBER);
  c.country = GetLE16(r + src_club::COUNTRY);
  c.division = GetLE16(r + src_club::DIVISION);
  c.mapX = GetLE16(r + src_club::MAP_X);
  c.mapY = GetLE16(r + src_club::MAP_Y);
  c.managerCode = GetLE16(r + src_club::MANAGER_CODE);
  c.founded = GetLE16(r + src_club::FOUNDED);
  c.homeKit = GetLE16(r + src_club::HOME_KIT);
  c.awayKit = GetLE16(r + src_club::AWAY_KIT);
  c.capacity = GetLE32(r + src_club::CAPACITY);
  return c;
}

void EncodeSourcePlayer(const SourcePlayer& p, uint8_t* r) {
  std::memset(r, 0, SOURCE_PLAYER_RECORD_SIZE);
  r[src_player::INITIAL] = static_cast<uint8_t>(p.initial);
  PutLE16(r + src_player::QUALITY, p.quality);
  PutLE16(r + src_player::POSITION, p.position);
  PutLE16(r + src_player::LOOK_A, p.lookA);
  PutLE16(r + src_player::HEIGHT, p.height);
  PutLE16(r + src_player::LOOK_B, p.lookB);
  PutLE16(r + src_player::LOOK_C, p.lookC);
  PutLE16(r + src_player::NATIONALITY, p.nationality);
  PutLE16(r + src_player::BIRTH_YEAR, p.birthYear);
  PutLE16(r + src_player::TRAINING_FLAG, p.trainingFlag);
  PutLE16(r + src_player::SIDE, p.side);
  PutLE16(r + src_player::DB_CLUB, p.dbClub);
  PutLE16(r + src_player::SURNAME, p.surname);
  PutLE16(r + src_player::WEIGHT, p.weight);
}

SourcePlayer DecodeSourcePlayer(const uint8_t* r) {
  SourcePlayer p{};
  p.initial = static_cast<char>(r[src_player::INITIAL]);
  p.quality = GetLE16(r + src_player::QUALITY);
  p.position = GetLE16(r + src_player::POSITION);
  p.lookA = GetLE16(r + src_player::LOOK_A);
  p.height = GetLE16(r + src_player::HEIGHT);
  p.lookB = GetLE16(r + src_player::LOOK_B);
  p.lookC = GetLE16(r + src_player::LOOK_C);
  p.nationality = GetLE16(r + src_player::NATIONALITY);
  p.birthYear = GetLE16(r + src_player::BIRTH_YEAR);
  p.trainingFlag = GetLE16(r + src_player::TRAINING_FLAG);
  p.side = GetLE16(r + src_player::SIDE);
  p.dbClub = GetLE16(r + src_player::DB_CLUB);
  p.surname = GetLE16(r + src_player::SURNAME);
  p.weight = GetLE16(r + src_player::WEIGHT);
  return p;
}
