// The match set-up and match result records: a match is handed to the match
// engine in the one MatchSetup and handed back in the one MatchResult. Both
// are byte arrays laid out as the replay files store them; only the fields
// read so far are named here.
#pragma once

#include <cstdint>

// MatchSetup: a 49-byte header and the two 5,924-byte team blocks.
constexpr int MATCH_SETUP_SIZE = 11897;
constexpr int MATCH_SETUP_HEADER_SIZE = 49;
constexpr int MATCH_SETUP_TEAM_SIZE = 5924;
constexpr int MATCH_SETUP_TEAM_OFFSET[2] = {MATCH_SETUP_HEADER_SIZE, MATCH_SETUP_HEADER_SIZE + MATCH_SETUP_TEAM_SIZE};
// In a team block: the team name, zero-ended within its 40 bytes.
constexpr int SETUP_TEAM_NAME = 0;
constexpr int SETUP_TEAM_NAME_SIZE = 40;

// MatchResult: the two 2,569-byte team records, then the match log, the
// balance of play, the heat maps and the flank totals.
constexpr int MATCH_RESULT_SIZE = 44208;
constexpr int TEAM_MATCH_RECORD_SIZE = 2569;
constexpr int TEAM_MATCH_RECORD_OFFSET[2] = {0, TEAM_MATCH_RECORD_SIZE};
// In a team record: int16 goals in the match (extra time in, shoot-out out).
constexpr int TEAM_GOALS = 0;

static_assert(MATCH_SETUP_TEAM_OFFSET[1] + MATCH_SETUP_TEAM_SIZE == MATCH_SETUP_SIZE);

uint8_t* GetMatchSetupRecord();
uint8_t* GetMatchResultRecord();
// Fills the whole MatchSetup with 0xFF and answers its address: every field
// the fixture's set-up does not write reads as -1 or 255.
uint8_t* ClearMatchSetupRecord();

// Both records zero, as at start.
void MatchRecords_Reset();
