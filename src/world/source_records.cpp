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
  StoreI16(r + src_club::DB_NUMBER, c.dbNumber);
  StoreI16(r + src_club::COUNTRY, c.country);
  StoreI16(r + src_club::DIVISION, c.division);
  StoreI16(r + src_club::MAP_X, c.mapX);
  StoreI16(r + src_club::MAP_Y, c.mapY);
  StoreI16(r + src_club::MANAGER_CODE, c.managerCode);
  StoreI16(r + src_club::FOUNDED, c.founded);
  StoreI16(r + src_club::HOME_KIT, c.homeKit);
  StoreI16(r + src_club::AWAY_KIT, c.awayKit);
  StoreI32(r + src_club::CAPACITY, c.capacity);
}

SourceClub DecodeSourceClub(const uint8_t* r) {
  SourceClub c{};
  std::memcpy(c.name, r + src_club::NAME, src_club::NAME_SIZE);
  c.name[src_club::NAME_SIZE - 1] = 0;
  c.dbNumber = LoadI16(r + src_club::DB_NUMBER);
  c.country = LoadI16(r + src_club::COUNTRY);
  c.division = LoadI16(r + src_club::DIVISION);
  c.mapX = LoadI16(r + src_club::MAP_X);
  c.mapY = LoadI16(r + src_club::MAP_Y);
  c.managerCode = LoadI16(r + src_club::MANAGER_CODE);
  c.founded = LoadI16(r + src_club::FOUNDED);
  c.homeKit = LoadI16(r + src_club::HOME_KIT);
  c.awayKit = LoadI16(r + src_club::AWAY_KIT);
  c.capacity = LoadI32(r + src_club::CAPACITY);
  return c;
}

void EncodeSourcePlayer(const SourcePlayer& p, uint8_t* r) {
  std::memset(r, 0, SOURCE_PLAYER_RECORD_SIZE);
  r[src_player::INITIAL] = static_cast<uint8_t>(p.initial);
  StoreI16(r + src_player::QUALITY, p.quality);
  StoreI16(r + src_player::POSITION, p.position);
  StoreI16(r + src_player::LOOK_A, p.lookA);
  StoreI16(r + src_player::HEIGHT, p.height);
  StoreI16(r + src_player::LOOK_B, p.lookB);
  StoreI16(r + src_player::LOOK_C, p.lookC);
  StoreI16(r + src_player::NATIONALITY, p.nationality);
  StoreI16(r + src_player::BIRTH_YEAR, p.birthYear);
  StoreI16(r + src_player::TRAINING_FLAG, p.trainingFlag);
  StoreI16(r + src_player::SIDE, p.side);
  StoreI16(r + src_player::DB_CLUB, p.dbClub);
  StoreI16(r + src_player::SURNAME, p.surname);
  StoreI16(r + src_player::WEIGHT, p.weight);
}

SourcePlayer DecodeSourcePlayer(const uint8_t* r) {
  SourcePlayer p{};
  p.initial = static_cast<char>(r[src_player::INITIAL]);
  p.quality = LoadI16(r + src_player::QUALITY);
  p.position = LoadI16(r + src_player::POSITION);
  p.lookA = LoadI16(r + src_player::LOOK_A);
  p.height = LoadI16(r + src_player::HEIGHT);
  p.lookB = LoadI16(r + src_player::LOOK_B);
  p.lookC = LoadI16(r + src_player::LOOK_C);
  p.nationality = LoadI16(r + src_player::NATIONALITY);
  p.birthYear = LoadI16(r + src_player::BIRTH_YEAR);
  p.trainingFlag = LoadI16(r + src_player::TRAINING_FLAG);
  p.side = LoadI16(r + src_player::SIDE);
  p.dbClub = LoadI16(r + src_player::DB_CLUB);
  p.surname = LoadI16(r + src_player::SURNAME);
  p.weight = LoadI16(r + src_player::WEIGHT);
  return p;
}
