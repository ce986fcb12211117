// The match set-up and match result records.
#include "gamecode/matchrec.h"

#include <cstring>

#include "engine/reset.h"

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
