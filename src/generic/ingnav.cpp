// What every in-match menu page shares.
#include "generic/ingnav.h"

#include <cstring>

#include "engine/bytes.h"
#include "engine/reset.h"
#include "gamecode/football.h"
#include "gamecode/matchclock.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchstate.h"
#include "generic/ingmenu.h"

const char* InGameNavLabels[INGAME_NAV_BUTTONS];

namespace {

// Whether the bar was last set up for the Line-ups page (its Line-ups button then reads "Done" and leaves).
bool gNavOnLineUpsPage = false;

bool GoodPlayer(int side, int player) { return side >= 0 && side <= 1 && player >= 0 && player < SIDE_OBJECTS; }

// ---- when the injury mark shows ----
//
// The record's injury bits hold the match's injury state of the player: 1 a
// knock the referee is still dealing with (the match clears it for everyone
// on the pitch once the foul is dealt with, and the player may well play on),
// 2 or 3 hurt and carried off. The mark hides where it would mislead:
struct InjuryMarkRule {
  uint8_t injury;  // the record's injury bits (0-3)
  bool played;     // the player has been on the pitch
  bool onPitch;    // he is on it now
  bool shown;
};
constexpr InjuryMarkRule kInjuryMarkRules[] = {
    // A player who never came on carries no marks of the match (an unused substitute).
    {1, false, false, false}, {2, false, false, false}, {3, false, false, false},
    {1, false, true, false},  {2, false, true, false},  {3, false, true, false},
    // A knock still being dealt with, on the pitch: not yet an injury.
    {1, true, true, false},
    // A knock on a player already off (taken off before it was dealt with): he left hurt.
    {1, true, false, true},
    // Hurt: always shown for a player who has played.
    {2, true, true, true}, {2, true, false, true}, {3, true, true, true}, {3, true, false, true},
};

bool InjuryMarkShown(int injury, bool played, bool onPitch) {
  for (const InjuryMarkRule& rule : kInjuryMarkRules)
    if (rule.injury == injury && rule.played == played && rule.onPitch == onPitch) return rule.shown;
  return false;  // no injury
}

// ---- the figure columns ----

// Where a figure comes from: the sum of up to three fields of the player's
// match record (a width per figure), or a value worked out from the match.
enum Width : uint8_t { BYTE, SIGNED_BYTE, WORD, MINUTES };
struct FigureSource {
  Width width;
  int16_t field[3];  // record offsets, -1 unused
};

enum Figure : int16_t {
  FIG_NONE = -1,
  FIG_SHOTS_SAVED,      // caught (43) and parried or tipped over (53)
  FIG_SHOTS_FUMBLED,    // 55
  FIG_GOALS_CONCEDED,   // 58
  FIG_CLEARANCES,       // 61
  FIG_PENALTIES_SAVED,  // 57
  FIG_CROSSES_FUMBLED,  // 62
  FIG_TACKLES_TRIED,    // won (46) and lost (47; the match does not count lost tackles)
  FIG_TACKLES_WON,      // 46
  FIG_INTERCEPTIONS,    // 39
  FIG_FOULS,            // 59
  FIG_HEADERS,          // 48 (not counted by the match)
  FIG_PASSES_MADE,      // completed (37) and poor (38)
  FIG_PASSES_DONE,      // 37
  FIG_SPACE_PASSES,     // into space: completed (40) and not (42)
  FIG_SPACE_DONE,       // 40
  FIG_CROSSES_MADE,     // key crosses (17) and poor crosses (44)
  FIG_USEFUL_CROSSES,   // 17
  FIG_SHOTS,            // on target (30) and off (31)
  FIG_SHOTS_ON,         // 30
  FIG_GOALS,            // 34
  FIG_OFFSIDES,         // 25
  FIG_CROSSES_RECEIVED, // 26
  FIG_GOT_TACKLED,      // 47 lost tackles seen from the carrier: not counted by the match
  FIG_LOST_POSSESSION,  // 23: the ball lost to an opponent's touch
  FIG_INVOLVEMENT,      // 8
  FIG_PASSES_RECEIVED,  // 41
  FIG_WORKRATE,         // 6
  FIG_ASSISTS,          // 14
  FIG_PERFORMANCE,      // 10: the match mark
  FIG_MINUTES,          // 116 after the match; during it the span of his active frames
  FIG_CONDITION,        // 112
  FIG_COUNT
};

constexpr FigureSource kFigureSources[FIG_COUNT] = {
    {BYTE, {MATCH_RECORD_COUNTER43, 53, -1}},
    {BYTE, {55, -1, -1}},
    {BYTE, {MATCH_RECORD_CONCEDED, -1, -1}},
    {BYTE, {61, -1, -1}},
    {BYTE, {57, -1, -1}},
    {BYTE, {62, -1, -1}},
    {BYTE, {46, 47, -1}},
    {BYTE, {46, -1, -1}},
    {BYTE, {39, -1, -1}},
    {BYTE, {59, -1, -1}},
    {BYTE, {48, -1, -1}},
    {BYTE, {37, 38, -1}},
    {BYTE, {37, -1, -1}},
    {BYTE, {40, 42, -1}},
    {BYTE, {40, -1, -1}},
    {BYTE, {17, 44, -1}},
    {BYTE, {17, -1, -1}},
    {BYTE, {MATCH_RECORD_SHOTS_ON, MATCH_RECORD_SHOTS_OFF, -1}},
    {BYTE, {MATCH_RECORD_SHOTS_ON, -1, -1}},
    {BYTE, {MATCH_RECORD_GOALS, -1, -1}},
    {BYTE, {25, -1, -1}},
    {BYTE, {26, -1, -1}},
    {BYTE, {47, -1, -1}},
    {BYTE, {23, -1, -1}},
    {WORD, {MATCH_RECORD_INVOLVEMENT, -1, -1}},
    {BYTE, {41, -1, -1}},
    {WORD, {MATCH_RECORD_WORKRATE, -1, -1}},
    {BYTE, {MATCH_RECORD_ASSISTS, -1, -1}},
    {WORD, {MATCH_RECORD_PERFORMANCE, -1, -1}},
    {MINUTES, {MATCH_RECORD_TIME_ON_PITCH, -1, -1}},
    {SIGNED_BYTE, {MATCH_RECORD_CONDITION, -1, -1}},
};

// The one table of the columns: the six Performance pages (in the order of
// their buttons), then the Data columns.
struct PerformancePageColumns {
  InGameRowRule rows;
  InGameFigureColumn column[PERF_COLUMNS];
};
constexpr InGameFigureColumn kEmptyColumn = {nullptr, nullptr, FIG_NONE};
constexpr PerformancePageColumns kPerformancePages[PERF_PAGES] = {
    {ROWS_IN_GOAL,
     {{"SSV", "Shots Saved", FIG_SHOTS_SAVED},
      {"SFM", "Shots fumbled", FIG_SHOTS_FUMBLED},
      {"GLC", "Goals conceded", FIG_GOALS_CONCEDED},
      {"CLR", "Clearances", FIG_CLEARANCES},
      {"PNS", "Penalties Saved", FIG_PENALTIES_SAVED},
      {"CFM", "Crosses Fumbled", FIG_CROSSES_FUMBLED}}},
    {ROWS_OUTFIELD,
     {{"TKA", "Tackles Attempted", FIG_TACKLES_TRIED},
      {"TKW", "Tackles won", FIG_TACKLES_WON},
      {"INT", "Interceptions", FIG_INTERCEPTIONS},
      {"CLR", "Clearances", FIG_CLEARANCES},
      {"FLS", "Fouls", FIG_FOULS},
      {"HDR", "Headers", FIG_HEADERS}}},
    {ROWS_RECORD_FLAG,
     {{"GTK", "Got Tackled", FIG_GOT_TACKLED},
      {"LPS", "Lost possession", FIG_LOST_POSSESSION},
      {"INV", "Involvement", FIG_INVOLVEMENT},
      {"PRV", "Passes Received", FIG_PASSES_RECEIVED},
      {"WRT", "Workrate", FIG_WORKRATE},
      {"AST", "Assist in scoring a goal", FIG_ASSISTS}}},
    {ROWS_OUTFIELD,
     {{"PMD", "Passes Made", FIG_PASSES_MADE},
      {"PCM", "Passes completed", FIG_PASSES_DONE},
      {"PSP", "Passes into space", FIG_SPACE_PASSES},
      {"SPC", "Space Pas. Comp.", FIG_SPACE_DONE},
      {"CRM", "Crosses made", FIG_CROSSES_MADE},
      {"CRU", "Useful crosses", FIG_USEFUL_CROSSES}}},
    {ROWS_OUTFIELD,
     {{"SHT", "Shots at the goal", FIG_SHOTS},
      {"ONT", "Shots on target", FIG_SHOTS_ON},
      {"GLS", "Goals", FIG_GOALS},
      {"OFF", "Offsides", FIG_OFFSIDES},
      {"CRR", "Crosses received", FIG_CROSSES_RECEIVED},
      {"HDR", "Headers", FIG_HEADERS}}},
    {ROWS_PLAYED,
     {{"PER", "Performance", FIG_PERFORMANCE},
      {"MIN", "Time on pitch", FIG_MINUTES},
      {"GLS", "Goals", FIG_GOALS},
      {"Con.", "Condition", FIG_CONDITION},
      {"INV", "Involvement", FIG_INVOLVEMENT},
      kEmptyColumn}},
};
constexpr InGameFigureColumn kDataColumns[INGAME_DATA_COLUMNS] = {
    {"Con.", "Condition", FIG_CONDITION},
    {"INV", "Involvement", FIG_INVOLVEMENT},
    {"WRT", "Workrate", FIG_WORKRATE},
    {"MIN", "Time on pitch", FIG_MINUTES},
};

// The minutes a player has been on the pitch while the match runs: the span
// between his first and latest turn in open play, in match minutes.
int32_t MinutesSoFar(int side, int player) {
  if (!GoodPlayer(side, player)) return 0;
  const MatchObject& o = MatchObjects[side * SIDE_OBJECTS + player];
  if (o.lastActiveFrame <= o.firstActiveFrame || PeriodLengthFrames <= 0) return 0;
  return static_cast<int32_t>(static_cast<int64_t>(o.lastActiveFrame - o.firstActiveFrame) * 45 /
                              PeriodLengthFrames);
}

}  // namespace

// ---- positions and marks ----

int InGame_PositionClass(int positionCode) {
  if (positionCode == 0) return 0;
  if (positionCode >= 1 && positionCode <= 4) return 1;
  if ((positionCode >= 5 && positionCode <= 9) || positionCode == 13) return 2;
  if (positionCode >= 10 && positionCode <= 12) return 3;
  return -1;
}

int InGame_PlayerPositionClass(int side, int player) {
  if (side < 0 || side > 1 || player < 0 || player >= SETUP_TEAM_PLAYER_COUNT) return -1;
  return InGame_PositionClass(LoadI16(GetMatchSetupRecord() + SetupPlayerOffset(side, player) + SETUP_PLAYER_POSITION));
}

int16_t InGame_PositionIcon(int positionClass) {
  return positionClass >= 0 && positionClass <= 3 ? static_cast<int16_t>(6 + positionClass) : int16_t{0};
}

void InGame_MarksOfRecord(const uint8_t* record, bool played, bool onPitch, int16_t* card1, int16_t* card2,
                          int16_t* injury) {
  const uint16_t bits = LoadU16(record + MATCH_RECORD_BITS);
  *card1 = *card2 = *injury = INGAME_MARK_NONE;
  switch (bits & 0xC0) {
    case 0x40: *card1 = INGAME_MARK_YELLOW; break;
    case 0x80: *card1 = INGAME_MARK_YELLOW, *card2 = INGAME_MARK_RED; break;
    case 0xC0: *card1 = INGAME_MARK_RED; break;
    default: break;
  }
  if (InjuryMarkShown((bits & 0x300) >> 8, played, onPitch)) *injury = INGAME_MARK_INJURY;
}

bool InGame_FillRecord(int side, int player, uint8_t* record) {
  std::memset(record, 0, PLAYER_MATCH_RECORD_SIZE);
  if (!GoodPlayer(side, player)) return false;
  Football_FillPlayerMatchRecord(record, static_cast<int16_t>(side), static_cast<int16_t>(player));
  return true;
}

void InGame_PlayerMarks(int side, int player, int16_t* card1, int16_t* card2, int16_t* injury) {
  *card1 = *card2 = *injury = INGAME_MARK_NONE;
  uint8_t record[PLAYER_MATCH_RECORD_SIZE];
  if (!InGame_FillRecord(side, player, record)) return;
  const int16_t s = static_cast<int16_t>(side), p = static_cast<int16_t>(player);
  // A rating above 0: he has been on the pitch (0 a substitute still on the bench, -1 one beyond those allowed).
  InGame_MarksOfRecord(record, MatchObjects[side * SIDE_OBJECTS + player].rating > 0,
                       Football_IsPlayerOnPitch(s, p) != 0, card1, card2, injury);
}

// ---- figures ----

const InGameFigureColumn* InGame_PerformanceColumn(int page, int column) {
  if (page < 0 || page >= PERF_PAGES || column < 0 || column >= PERF_COLUMNS) return &kEmptyColumn;
  return &kPerformancePages[page].column[column];
}

InGameRowRule InGame_PerformanceRows(int page) {
  return page >= 0 && page < PERF_PAGES ? kPerformancePages[page].rows : ROWS_PLAYED;
}

const char* InGame_DataColumnHead(int column) {
  return column >= 0 && column < INGAME_DATA_COLUMNS ? kDataColumns[column].head : "";
}

int32_t InGame_FigureOfRecord(int16_t figure, const uint8_t* record, int side, int player) {
  if (figure < 0 || figure >= FIG_COUNT) return 0;
  const FigureSource& source = kFigureSources[figure];
  int32_t sum = 0;
  for (int16_t field : source.field) {
    if (field < 0 || field >= PLAYER_MATCH_RECORD_SIZE) continue;
    switch (source.width) {
      case BYTE: sum += record[field]; break;
      case SIGNED_BYTE: sum += static_cast<int8_t>(record[field]); break;
      case WORD:
        if (field + 1 < PLAYER_MATCH_RECORD_SIZE) sum += LoadI16(record + field);
        break;
      case MINUTES:
        // Filled in once the match is over; until then worked out from the match.
        sum += record[field] != 0 ? record[field] : MinutesSoFar(side, player);
        break;
    }
  }
  return sum;
}

int32_t InGame_PerformanceFigure(int side, int player, int page, int column) {
  uint8_t record[PLAYER_MATCH_RECORD_SIZE];
  if (!InGame_FillRecord(side, player, record)) return 0;
  return InGame_FigureOfRecord(InGame_PerformanceColumn(page, column)->figure, record, side, player);
}

bool InGame_PerformanceRowShown(int side, int player, int page) {
  if (!GoodPlayer(side, player)) return false;
  const int16_t s = static_cast<int16_t>(side), p = static_cast<int16_t>(player);
  switch (InGame_PerformanceRows(page)) {
    case ROWS_IN_GOAL: return Football_HasPlayedInGoal(s, p) != 0;
    case ROWS_OUTFIELD: return Football_HasPlayedOutfield(s, p) != 0;
    case ROWS_PLAYED: return MatchObjects[side * SIDE_OBJECTS + player].rating > 0;
    case ROWS_RECORD_FLAG: {
      uint8_t record[PLAYER_MATCH_RECORD_SIZE];
      InGame_FillRecord(side, player, record);
      return (record[MATCH_RECORD_IN_GOAL] & 1) != 0 || (record[MATCH_RECORD_OUTFIELD] & 1) != 0;
    }
  }
  return false;
}

int32_t InGame_DataColumn(int side, int player, int column) {
  if (column < 0 || column >= INGAME_DATA_COLUMNS) return 0;
  uint8_t record[PLAYER_MATCH_RECORD_SIZE];
  if (!InGame_FillRecord(side, player, record)) return 0;
  return InGame_FigureOfRecord(kDataColumns[column].figure, record, side, player);
}

// ---- the navigation bar ----

void InGameNav_Refresh(bool lineUpsPage) {
  gNavOnLineUpsPage = lineUpsPage;
  const uint8_t* setup = GetMatchSetupRecord();
  for (int side = 0; side < 2; ++side)
    InGameNavLabels[side * 2] =
        setup[MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_HUMAN] != 0 ? "Subs/Tactics" : "Tactics";
  InGameNavLabels[1] = "Pitch Action";
  InGameNavLabels[3] = "Stats";
  InGameNavLabels[4] = "Marking";
  InGameNavLabels[5] = "Stats";
  InGameNavLabels[6] = "Performance";
  InGameNavLabels[INGAME_NAV_LINE_UPS] = lineUpsPage ? "Done" : "Line-ups";
  InGameNavLabels[8] = "Performance";
}

bool InGameNav_Target(int16_t regionId, int16_t* code, int16_t* side) {
  const int button = regionId - INGAME_NAV_FIRST_REGION;
  if (button < 0 || button >= INGAME_NAV_BUTTONS) return false;
  const InGameNavButton& b = InGameNavButtons[button];
  // The Line-ups button of the Line-ups page is its "Done": it leaves the menus.
  const bool done = button == INGAME_NAV_LINE_UPS && gNavOnLineUpsPage;
  *code = done ? int16_t{INGAME_MENU_LEAVE} : b.code;
  *side = b.side >= 0 ? b.side : InGameMenuSide;
  return true;
}

int16_t InGameNav_Click(int16_t regionId) {
  int16_t code = 0, side = 0;
  if (!InGameNav_Target(regionId, &code, &side)) return GN_RESULT_HANDLED;
  InGameMenuCode = code;
  InGameMenuSide = side;
  return GN_RESULT_LEAVE;
}

int16_t InGameNav_Callback(const GNMessage* message) {
  if (message == nullptr || message->code != GN_MSG_RELEASE) return GN_RESULT_HANDLED;
  return InGameNav_Click(message->regionId);
}

// ---- one menu ----

void InGame_RunGNMenu(const GNDisplayItem* map, void (*refresh)()) {
  GN_StartSetOfMenus();
  GN_MenuInit(map);
  do {
    if (refresh != nullptr) refresh();
    GN_MenuRedraw();
  } while (GN_MenuLoop() != 1);
  GN_MenuUninit();
  GN_EndSetOfMenus();
}

void InGameNav_Reset() {
  for (const char*& label : InGameNavLabels) label = nullptr;
  gNavOnLineUpsPage = false;
}
REGISTER_RESET(RESET_PRESENTATION, InGameNav_Reset);
