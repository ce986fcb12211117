// lendplayer: lends one player of the human manager's club to another club
// in a saved career, for the scripted runs that need a player on loan.
//
//   lendplayer SAVE [--data DIR]
//
// SAVE is a .../SaveData/save<N> (as career --save writes them). The player
// lent is the human club's own player with the highest player number who is
// not on loan already and does not wear shirt 1; the club he goes to is the
// first other club of the human club's division. The save is written back to the same slot
// and listed in the load screen's index (SaveData\index.dat) as "On Loan",
// and one line tells who went where:
//
//   lent player=P shirt=S club=C index=I
//
// I is his place (from 0) in the squad as the squad lists sort it by shirt
// number and then player number, the places a script clicks by.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "clubsim/squadlist.h"
#include "menus/c_mnload.h"
#include "menus/c_mnshort.h"
#include "menus/menucont.h"
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
  if (slot < 0 || slot >= SAVE_SLOT_COUNT || !end || *end != 0 || file.parent_path().filename() != "SaveData") {
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
  int16_t player = -1;
  for (int i = 0; i < length && i < SQUAD_LIST_SIZE; ++i) {
    const int16_t p = SquadList[i];
    if (p < 0 || GNW_GetPlayerClub(p) != human || GNW_GetPlayerOnLoan(p) || GNW_GetPlayerShirt(p) == 1) continue;
    if (p > player) player = p;
  }
  const int16_t shirt = player >= 0 ? GNW_GetPlayerShirt(player) : int16_t{0};
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
  // His place in the squad sorted by shirt number, then player number.
  MenuClub = human;
  GNW_FillSquadList(human);
  int16_t list[SQUAD_LIST_SIZE];
  for (int i = 0; i < SQUAD_LIST_SIZE; ++i) list[i] = SquadList[i];
  SetSortKeys(25, 0, SORT_KEY_NONE, SORT_KEY_NONE, SORT_KEY_NONE);
  SortPlayerList(list, SQUAD_LIST_SIZE);
  int index = -1;
  for (int i = 0; i < SQUAD_LIST_SIZE; ++i)
    if (list[i] == player) index = i;

  // The load screen lists the slots of its index.
  if (ReadSaveIndex() != 0) ClearSaveIndex();
  std::snprintf(SaveIndex.names[slot % SAVE_SLOT_COUNT], SAVE_NAME_SIZE, "On Loan");
  SaveIndex.flags[slot % SAVE_SLOT_COUNT] = 1;
  FormatSaveDescription(SaveIndex.descriptions[slot % SAVE_SLOT_COUNT], SAVE_DESCRIPTION_SIZE);
  if (WriteSaveIndex() != 0) {
    std::fprintf(stderr, "lendplayer: cannot write the save index\n");
    return 1;
  }
  std::printf("lent player=%d shirt=%d club=%d index=%d\n", player, shirt, club, index);
  return 0;
}
