// Around the match: the exhibition match, the event sort, the player records.
#include "generic/exhibit.h"

#include <cstring>

#include "engine/bytes.h"
#include "engine/reset.h"
#include "gamecode/matchrec.h"
#include "season/matchday.h"
#include "season/postmatch.h"
#include "season/simmatch.h"

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
