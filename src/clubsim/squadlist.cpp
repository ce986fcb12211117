#include "clubsim/squadlist.h"

#include <cstdio>

#include "engine/reset.h"
#include "season/seasonstate.h"
#include "world/lists.h"
#include "world/players.h"

int16_t SquadList[SQUAD_LIST_SIZE];
int16_t SquadListLength;
int16_t SquadPositionCounts[4];

namespace {

struct SquadCounts {
  int16_t size[NUM_CLUBS];
  int16_t available[NUM_CLUBS];
};
SquadCounts gCounts;

int PositionGroup(int position) { return position == 0 ? 0 : position <= 4 ? 1 : position <= 9 ? 2 : 3; }

bool Injured(int16_t p) { return Player_GetInFlag(p) != 0; }
bool Suspended(int16_t p) { return Player_IsUnderSuspension(p) != 0; }

}  // namespace

void SquadList_Reset() {
  for (auto& p : SquadList) p = -1;
  SquadListLength = 0;
  for (auto& c : SquadPositionCounts) c = 0;
  gCounts = SquadCounts{};
}
REGISTER_RESET(RESET_CLUBSIM, SquadList_Reset);

int16_t BuildClubSquadList(int16_t club) {
  for (auto& c : SquadPositionCounts) c = 0;
  for (auto& p : SquadList) p = -1;
  SquadListLength = 0;
  int16_t unavailable = 0;

  for (int16_t p = 0; p < PlayerCount; ++p) {
    // A player not on loan has no loan club (not even -1). The club is
    // looked at first: most players of the world belong to another one.
    if (Player_GetClub(p) != club && !(Player_GetOnLoan(p) && Player_GetLoanClub(p) == club)) continue;
    int16_t position = Player_GetBossvane(p) ? Player_GetStoredPosition(p) : Player_GetPosition(p);
    if (position == POSITION_MANAGER) continue;
    ++SquadPositionCounts[PositionGroup(position)];
    bool out = Player_GetPosition(p) == POSITION_MANAGER || Injured(p) || Suspended(p) ||
               (p < PlayerCount && Player_GetWage(p) == 0);
    if (out) ++unavailable;
    if (SquadListLength < SQUAD_LIST_SIZE) {
      SquadList[SquadListLength++] = p;
      continue;
    }
    for (auto& listed : SquadList) {
      if (Injured(listed) || Suspended(listed)) {
        listed = p;
        break;
      }
    }
  }

  int16_t available = static_cast<int16_t>(SquadListLength - unavailable);
  if (club >= 0 && club < NUM_CLUBS) {
    gCounts.size[club] = SquadListLength;
    gCounts.available[club] = available;
  }
  return available;
}

int16_t getsquadsize(int16_t club) {
  if (club < 0 || club >= NUM_CLUBS) {
    std::printf("Invalid team access in getsquadsize '%d'", club);
    return 1;
  }
  return gCounts.available[club];
}
