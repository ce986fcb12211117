// Around the match: the exhibition match, the event sort, the player records.
#include "generic/exhibit.h"

#include <cstdio>
#include <cstring>

#include "engine/bytes.h"
#include "engine/poll.h"
#include "engine/reset.h"
#include "gamecode/fixturematch.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchrun.h"
#include "gamecode/matchseams.h"
#include "gamecode/motion.h"
#include "gamecode/playmatch.h"
#include "menus/kittab.h"
#include "menus/machine.h"
#include "menus/menucont.h"
#include "season/matchday.h"
#include "season/playfix.h"
#include "season/postmatch.h"
#include "season/simmatch.h"
#include "world/funcs.h"
#include "world/savegame.h"
#include "world/static_officials.h"

namespace {

constexpr int SIDES = 2;

struct ExhibitState {
  uint8_t* lastRecord = nullptr;
};
ExhibitState gExhibit;

int Minute(const uint8_t* event) { return static_cast<int>(LoadU32(event) >> 15 & 0xFF); }
int Sequence(const uint8_t* event) { return static_cast<int>(LoadU32(event) >> 23 & 0xFF); }

}  // namespace

void Exhibit_Reset() { gExhibit = ExhibitState{}; }
REGISTER_RESET(RESET_PRESENTATION, Exhibit_Reset);

void SortMatchEvents() {
  const int count = MatchEvents.count < 0                  ? 0
                    : MatchEvents.count > MAX_MATCH_EVENTS ? MAX_MATCH_EVENTS
                                                           : MatchEvents.count;
  for (int i = 0; i + 1 < count; ++i) {
    for (int j = i + 1; j < count; ++j) {
      uint8_t* a = MatchEvents.events[i];
      uint8_t* b = MatchEvents.events[j];
      const int ma = Minute(a), mb = Minute(b);
      if (mb < ma || (mb == ma && Sequence(b) < Sequence(a))) {
        uint8_t swap[MATCH_EVENT_SIZE];
        std::memcpy(swap, a, MATCH_EVENT_SIZE);
        std::memcpy(a, b, MATCH_EVENT_SIZE);
        std::memcpy(b, swap, MATCH_EVENT_SIZE);
      }
    }
  }
}

uint8_t* GetPlayerMatchRecord(int16_t side, int16_t player) {
  if (side < 0 || side >= SIDES || player < 0 || player >= PLAYER_MATCH_RECORDS) return nullptr;
  if (MatchReportFlags & REPORT_SHOWING)
    gExhibit.lastRecord = GetMatchResultRecord() + side * TEAM_MATCH_RECORD_SIZE + TEAM_PLAYER_STATS +
                          player * MATCH_PLAYER_STATS_SIZE + PLAYER_STATS_RECORD;
  else
    gExhibit.lastRecord = PlayerMatchRecords[player];
  return gExhibit.lastRecord;
}

uint8_t* GetLastPlayerMatchRecord() { return gExhibit.lastRecord; }

// ---- the exhibition match ----

namespace {

constexpr int kFriendlyMatchLength = 5;
constexpr int kFriendlySubstitutes = 5;
constexpr int kSetupThreeValue = 3;
constexpr int kWatch = 2;
constexpr int kSmallGround = 1;
constexpr int kFullCrowd = 3;
constexpr int kStands = 4;
constexpr int kTeamRating = 100;
// Shirts of the captain, the corner, penalty and free-kick takers.
constexpr int16_t kTakerShirts[4] = {9, 11, 8, 7};
constexpr int kTakerOffsets[4] = {SETUP_TEAM_CAPTAIN, SETUP_TEAM_CORNER_TAKER, SETUP_TEAM_PENALTY_TAKER,
                                  SETUP_TEAM_FREE_KICK_TAKER};

void NoteResultScreen() { std::printf("exhibition: result screen (stand-in)\n"); }

// A referee neither strict nor lenient: the officials' average values, no
// favoured side.
void MiddlingReferee(uint8_t* setup) {
  int foul = 0, card = 0;
  for (const DailySlotRecord& r : OfficialTable) {
    foul += r.foulValue;
    card += r.cardValue;
  }
  setup[SETUP_REFEREE_RULE1] = static_cast<uint8_t>(foul / NUM_OFFICIALS);
  setup[SETUP_REFEREE_RULE2] = static_cast<uint8_t>(card / NUM_OFFICIALS);
  setup[SETUP_REFEREE_FAVOUR] = 0;
  setup[SETUP_OFFICIAL_ZERO] = 0;
}

}  // namespace

void (*ExhibitionResultScreen)() = NoteResultScreen;

const uint8_t* ExhibitionTeam(int side) { return SavePlaceholders.teamSlots[side & 1]; }

void SetupExhibitionTeams() {
  uint8_t* setup = ClearMatchSetupRecord();
  for (int side = 0; side < 2; ++side) {
    const uint8_t* from = ExhibitionTeam(side);
    uint8_t* team = setup + MATCH_SETUP_TEAM_OFFSET[side];
    // The team files are the user's: the name ends inside its 40 bytes, each
    // surname inside its 20.
    std::memcpy(team + SETUP_TEAM_NAME, from + EXHIBITION_NAME, EXHIBITION_NAME_SIZE);
    team[SETUP_TEAM_NAME + SETUP_TEAM_NAME_SIZE - 1] = 0;
    team[SETUP_TEAM_HUMAN] = 1;
    StoreI16(team + SETUP_TEAM_TACTIC, LoadI16(from + EXHIBITION_TACTIC));
    StoreI16(team + SETUP_TEAM_TACTIC_VALUE, LoadI16(from + EXHIBITION_TACTIC_VALUE));
    std::memcpy(team + SETUP_TEAM_CUSTOM_FORMATIONS, from + EXHIBITION_FORMATIONS,
                static_cast<size_t>(SETUP_TEAM_CUSTOM_COUNT) * TACTICS_RECORD_SIZE);
    std::memcpy(team + SETUP_TEAM_PLAYERS, from + EXHIBITION_PLAYERS,
                static_cast<size_t>(SETUP_TEAM_PLAYER_COUNT) * MATCH_SETUP_PLAYER_SIZE);
    for (int n = 0; n < SETUP_TEAM_PLAYER_COUNT; ++n)
      team[SETUP_TEAM_PLAYERS + n * MATCH_SETUP_PLAYER_SIZE + SETUP_PLAYER_SURNAME_SIZE - 1] = 0;
    StoreI16(team + SETUP_TEAM_FIRST_LEG_GOALS, 0);
    for (int k = 0; k < 4; ++k) StoreI16(team + kTakerOffsets[k], kTakerShirts[k]);
    for (int k = 0; k < 4; ++k) StoreI16(team + SETUP_TEAM_RATINGS + 2 * k, kTeamRating);
  }
  // The rules: a draw goes to extra time and a shoot-out; one leg.
  for (int b : {0, 1, 6, 7, 8}) setup[b] = 1;
  setup[SETUP_GOLDEN_GOAL] = 0;
  setup[SETUP_SECOND_LEG] = 0;
  StoreI16(setup + SETUP_MATCH_LENGTH, kFriendlyMatchLength);
  StoreI16(setup + SETUP_DISPLAY_MODE, kWatch);
  StoreI16(setup + SETUP_SUBSTITUTES, kFriendlySubstitutes);
  StoreI16(setup + SETUP_THREE, kSetupThreeValue);
  // What the match reads as indices and the friendly leaves open: a weekend
  // day, a small ground full to the rafters, a middling referee.
  MiddlingReferee(setup);
  for (int k = 0; k < kStands; ++k) {
    StoreI16(setup + SETUP_STAND_KINDS + 2 * k, kSmallGround);
    setup[SETUP_STAND_ZEROS + k] = 0;
  }
  setup[SETUP_GROUND] = 0;
  setup[SETUP_CROWD_LEVEL] = kFullCrowd;
  setup[SETUP_WEEKDAY] = 0;
}

void RunExhibitionMatch() {
  Poll();
  uint8_t* setup = GetMatchSetupRecord();
  const int16_t home = GNW_GetClubDbId(EXHIBITION_KIT_CLUBS[0]), away = GNW_GetClubDbId(EXHIBITION_KIT_CLUBS[1]);
  for (int side = 0; side < 2; ++side) {
    const uint8_t* kit = GetTeamDesign(home, away, static_cast<int16_t>(side));
    std::memcpy(setup + MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_KIT, kit, SETUP_TEAM_KIT_SIZE);
  }
  MatchViewMode = kWatch;
  StoreI16(setup + SETUP_DISPLAY_MODE, kWatch);
  // A friendly has no other fixtures: the goal ticker stays quiet.
  ClearMatchEvents();
  CloseMenusForMatch();
  PrepareMatchLayer();
  InstallInGameMenus(MatchSeams);
  PlayMatchGetResult();
  FreeMotions();
  ReopenMenusAfterMatch();
  if (LoadI16(GetMatchSetupRecord() + SETUP_DISPLAY_MODE) == 0) ExhibitionResultScreen();
}

void PlayExhibitionMatch() {
  SetupExhibitionTeams();
  RunExhibitionMatch();
}
