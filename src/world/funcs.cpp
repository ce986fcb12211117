// The world facade: names, text numbers and the club's division.
#include "world/funcs.h"

#include <cstdio>
#include <cstring>

#include "clubsim/clubsvc.h"
#include "engine/reset.h"
#include "menus/exm_text.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/nationality.h"
#include "world/players.h"
#include "world/static_clubs.h"

char NameBuffer[NAMES_FILE_SIZE];

namespace {

constexpr int NATIONALITY_TEXT_BASE = 2310;
// Initial 0 is a blank, 1-26 the letters.
constexpr char kInitialLetters[] = " ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr int NUM_INITIALS = static_cast<int>(sizeof kInitialLetters) - 1;

struct FuncsState {
  char clubName[64];
  char playerName[32];
};

FuncsState gFuncs;

}  // namespace

void Funcs_Reset() {
  std::memset(NameBuffer, 0, sizeof NameBuffer);
  gFuncs = FuncsState{};
}
REGISTER_RESET(RESET_WORLD, Funcs_Reset);

int16_t GNW_GetHumanClub(int16_t manager) { return FindHumanClub(manager); }

int16_t GNW_GetClubDbId(int16_t club) { return Club_GetDbId(club); }

int16_t GNW_GetClubTextNo(int16_t dbClub) {
  // A number past the database would run into the nationality texts.
  if (dbClub < 0 || dbClub >= NUM_DB_CLUBS) return -1;
  return static_cast<int16_t>(dbClub + TEXTNO_CLUB_BASE);
}

int16_t GNW_GetPlayerTextNo(int16_t player) {
  // A number past the player table would run into the club names.
  if (player < 0 || player >= TEXTNO_CLUB_BASE - TEXTNO_PLAYER_BASE) return -1;
  return static_cast<int16_t>(player + TEXTNO_PLAYER_BASE);
}

const char* GNW_GetClubName(int16_t dbClub) {
  const char* name = dbClub >= 0 && dbClub < NUM_DB_CLUBS ? ClubNameTable[dbClub] : nullptr;
  std::snprintf(gFuncs.clubName, sizeof gFuncs.clubName, "%s", name ? name : "");
  return gFuncs.clubName;
}

const char* GNW_GetPlayerName(int16_t player) {
  int16_t initial = Player_GetInitial(player);
  int16_t surname = Player_GetSurname(player);
  // A surname entry of 17 bytes need not end in a zero.
  const char* entry = "";
  if (surname >= 0 && surname < NUM_SURNAMES) entry = NameBuffer + surname * SURNAME_SIZE;
  if (initial > 0 && initial < NUM_INITIALS) {
    std::snprintf(gFuncs.playerName, sizeof gFuncs.playerName, "%c.%.*s", kInitialLetters[initial], SURNAME_SIZE,
                  entry);
  } else {
    std::snprintf(gFuncs.playerName, sizeof gFuncs.playerName, "%.*s", SURNAME_SIZE, entry);
  }
  return gFuncs.playerName;
}

const char* GNW_GetNationalityString(int16_t nationality) {
  if (nationality < 0 || nationality >= NUM_NATIONALITIES) return GetTextNoAddr(-1);
  return GetTextNoAddr(NATIONALITY_TEXT_BASE + nationality);
}

int16_t GNW_GetClubDivisionIndex(int16_t club) {
  // Only a world club can stand in the table (255 marks its empty places).
  if (club < 0 || club >= NUM_CLUBS) return 0;
  for (int division = 0; division < NUM_DIVISIONS; ++division)
    for (int place = 0; place < DIVISION_PLACES; ++place)
      if (DivisionTable[division][place] == club) return static_cast<int16_t>(division);
  return 0;
}
