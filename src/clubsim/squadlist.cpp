#include "clubsim/squadlist.h"

#include <algorithm>
#include <cstdio>

#include "engine/reset.h"
#include "season/seasonstate.h"
#include "world/lists.h"
#include "world/players.h"
#include "world/records.h"

int16_t SquadList[SQUAD_LIST_SIZE];
int16_t SquadListLength;
int16_t SquadListClub = -1;
int16_t SquadPositionCounts[4];

namespace {

// Appending stops one short of the list's size; the last place is only ever
// filled by a list build.
constexpr int APPEND_LIMIT = SQUAD_LIST_SIZE - 1;

struct SquadCounts {
  int16_t size[NUM_CLUBS];
  int16_t available[NUM_CLUBS];
};
SquadCounts gCounts;

int PositionGroup(int position) { return position == 0 ? 0 : position <= 4 ? 1 : position <= 9 ? 2 : 3; }

bool Injured(int16_t p) { return Player_GetInFlag(p) != 0; }
bool Suspended(int16_t p) { return Player_IsUnderSuspension(p) != 0; }

// Whether the player belongs in the club's list: his club is the club, or he
// is on loan from it. A player not on loan has no loan club (not even -1).
// The club is looked at first: most players of the world belong to another.
bool OfClubList(int16_t p, int16_t club) {
  return Player_GetClub(p) == club || (Player_GetOnLoan(p) && Player_GetLoanClub(p) == club);
}

// The position the list counts him under: a playing manager's stored one.
int16_t ListPosition(int16_t p) {
  return Player_GetBossvane(p) ? Player_GetStoredPosition(p) : Player_GetPosition(p);
}

// The first listed place whose player is injured or suspended, else -1.
int FirstUnavailablePlace() {
  for (int i = 0; i < SQUAD_LIST_SIZE; ++i) {
    const int16_t listed = SquadList[i];
    if (listed >= 0 && (Injured(listed) || Suspended(listed))) return i;
  }
  return -1;
}

}  // namespace

void SquadList_Reset() {
  for (auto& p : SquadList) p = -1;
  SquadListLength = 0;
  SquadListClub = -1;
  for (auto& c : SquadPositionCounts) c = 0;
  gCounts = SquadCounts{};
}
REGISTER_RESET(RESET_CLUBSIM, SquadList_Reset);

int16_t BuildClubSquadList(int16_t club) {
  for (auto& c : SquadPositionCounts) c = 0;
  for (auto& p : SquadList) p = -1;
  SquadListLength = 0;
  SquadListClub = club;
  int16_t unavailable = 0;

  for (int16_t p = Player_NextAtClubOrOnLoan(0, club); p >= 0; p = Player_NextAtClubOrOnLoan(p + 1, club)) {
    if (!OfClubList(p, club)) continue;
    const int16_t position = ListPosition(p);
    if (position == POSITION_MANAGER) continue;
    ++SquadPositionCounts[PositionGroup(position)];
    const bool out = Player_GetPosition(p) == POSITION_MANAGER || Injured(p) || Suspended(p) ||
                     (p < PlayerCount && Player_GetWage(p) == 0);
    if (out) ++unavailable;
    if (SquadListLength < SQUAD_LIST_SIZE) {
      SquadList[SquadListLength++] = p;
      continue;
    }
    const int place = FirstUnavailablePlace();
    if (place >= 0) SquadList[place] = p;
  }

  const int16_t available = static_cast<int16_t>(SquadListLength - unavailable);
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

int16_t GetClubListedCount(int16_t club) { return club >= 0 && club < NUM_CLUBS ? gCounts.size[club] : int16_t{0}; }

void AppendToSquadList(int16_t player) {
  if (player < 0) return;
  if (SquadListLength < APPEND_LIMIT) {
    SquadList[SquadListLength++] = player;
    return;
  }
  const int place = FirstUnavailablePlace();
  if (place >= 0) SquadList[place] = player;
}

void CountAllClubSquads(int16_t counts[NUM_CLUBS]) {
  std::fill(counts, counts + NUM_CLUBS, int16_t{0});
  for (int16_t p = 0; p < PlayerCount; ++p) {
    if (ListPosition(p) == POSITION_MANAGER) continue;
    const int16_t club = Player_GetClub(p);
    if (club >= 0 && club < NUM_CLUBS) ++counts[club];
    if (!Player_GetOnLoan(p)) continue;
    const int16_t owner = Player_GetLoanClub(p);
    if (owner != club && owner >= 0 && owner < NUM_CLUBS) ++counts[owner];
  }
}

int16_t CountClubSquadPlayers(int16_t club) {
  int16_t count = 0;
  for (int16_t p = Player_NextAtClubOrOnLoan(0, club); p >= 0; p = Player_NextAtClubOrOnLoan(p + 1, club))
    if (OfClubList(p, club) && ListPosition(p) != POSITION_MANAGER) ++count;
  return count;
}
