// lendplayer: lends one player of the human manager's club to another club
// in a saved career, for the scripted runs that need a player on loan.
//
//   lendplayer SAVE [--data DIR]
//
// SAVE is a .../SaveData/save<N> (as career --save writes them). The player
// lent is the human club's listed player with the highest shirt number above
// 1 who is not on loan already; the club he goes to is the first other club
// of the human club's division. The save is written back to the same slot,
// and one line tells who went where:
//
//   lent player=P shirt=S club=C
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "clubsim/squadlist.h"
#include "season/seasonstate.h"
#include "world/funcs.h"
#include "world/funcs_deals.h"
#include "world/savegame.h"
#include "toolstart.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  std::string save, data;
  for (int i = 1; i < argc; ++i) {
    const std::string word = argv[i];
    if (word == "--data" && i + 1 < argc) {
      data = argv[++i];
    } else if (save.empty() && word.rfind("--", 0) != 0) {
      save = word;
    } else {
      std::fprintf(stderr, "usage: lendplayer SAVE [--data DIR]\n");
      return 2;
    }
  }
  if (save.empty()) {
    std::fprintf(stderr, "usage: lendplayer SAVE [--data DIR]\n");
    return 2;
  }
  const fs::path file = fs::absolute(save);
  const std::string name = file.filename().string();
  char* end = nullptr;
  const long slot = name.rfind("save", 0) == 0 ? std::strtol(name.c_str() + 4, &end, 10) : -1;
  if (slot < 0 || slot > 32767 || !end || *end != 0 || file.parent_path().filename() != "SaveData") {
    std::fprintf(stderr, "lendplayer: wants a file .../SaveData/save<N>, not %s\n", file.string().c_str());
    return 1;
  }
  if (!StartHeadlessGame(data, argv[0], "lendplayer", 9500)) return 1;
  std::error_code error;
  fs::current_path(file.parent_path().parent_path(), error);
  if (error || LoadGameSlot(static_cast<int16_t>(slot)) != SAVE_OK) {
    std::fprintf(stderr, "lendplayer: cannot load %s: %s\n", file.string().c_str(), SaveGame_LastError());
    return 1;
  }
  const int16_t human = GNW_GetHumanClub(1);
  if (human < 0 || human >= NUM_CLUBS) {
    std::fprintf(stderr, "lendplayer: the save has no human club\n");
    return 1;
  }
  const int16_t length = GNW_FillSquadList(human);
  int16_t player = -1, shirt = 1;
  for (int i = 0; i < length && i < SQUAD_LIST_SIZE; ++i) {
    const int16_t p = SquadList[i];
    if (p < 0 || GNW_GetPlayerClub(p) != human || GNW_GetPlayerOnLoan(p)) continue;
    if (GNW_GetPlayerShirt(p) > shirt) {
      shirt = GNW_GetPlayerShirt(p);
      player = p;
    }
  }
  int16_t club = -1;
  for (int16_t c = 0; c < NUM_CLUBS && club < 0; ++c)
    if (c != human && GNW_GetClubDivision(c) == GNW_GetClubDivision(human)) club = c;
  if (player < 0 || club < 0) {
    std::fprintf(stderr, "lendplayer: no player to lend or no club to take him\n");
    return 1;
  }
  GNW_LoanPlayer(player, club);
  if (SaveGameSlot(static_cast<int16_t>(slot)) != SAVE_OK) {
    std::fprintf(stderr, "lendplayer: cannot save: %s\n", SaveGame_LastError());
    return 1;
  }
  std::printf("lent player=%d shirt=%d club=%d\n", player, shirt, club);
  return 0;
}
