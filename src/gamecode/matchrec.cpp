// The match set-up and match result records.
#include "gamecode/matchrec.h"

#include <cstring>

#include "engine/bytes.h"
#include "engine/reset.h"
#include "menus/gfx_gen.h"

namespace {

struct MatchRecords {
  uint8_t setup[MATCH_SETUP_SIZE];
  uint8_t result[MATCH_RESULT_SIZE];
};

MatchRecords gMatch;

}  // namespace

void MatchRecords_Reset() { std::memset(&gMatch, 0, sizeof gMatch); }
REGISTER_RESET(RESET_MATCH, MatchRecords_Reset);

uint8_t* GetMatchSetupRecord() { return gMatch.setup; }
uint8_t* GetMatchResultRecord() { return gMatch.result; }

uint8_t* ClearMatchSetupRecord() {
  std::memset(gMatch.setup, 0xFF, sizeof gMatch.setup);
  return gMatch.setup;
}

void ClearHeatMaps() {
  std::memset(gMatch.result + MATCH_HEAT_MAPS, 0, static_cast<size_t>(HEAT_MAP_COUNT) * HEAT_MAP_SIZE);
}

void SetMatchSetupTactics(const int16_t computerTactic[2]) {
  for (int side = 0; side < 2; ++side) {
    uint8_t* team = gMatch.setup + MATCH_SETUP_TEAM_OFFSET[side];
    if (team[SETUP_TEAM_HUMAN] != 0) {
      StoreI16(team + SETUP_TEAM_TACTIC, GetTacticsDesignerSelection(0));
      StoreI16(team + SETUP_TEAM_TACTIC_VALUE, GetTacticsDesignerSelection(1));
      for (int k = 0; k < SETUP_TEAM_CUSTOM_COUNT; ++k)
        std::memcpy(team + SETUP_TEAM_CUSTOM_FORMATIONS + k * TACTICS_RECORD_SIZE,
                    GetTacticRecord(static_cast<int16_t>(NUM_STOCK_TACTICS + k)), TACTICS_RECORD_SIZE);
    } else {
      StoreI16(team + SETUP_TEAM_TACTIC, computerTactic[side]);
      StoreI16(team + SETUP_TEAM_TACTIC_VALUE, 0);
    }
  }
}
