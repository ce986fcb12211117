#include "menus/soak.h"

#include <cstdio>
#include <cstring>

#include "clubsim/squadlist.h"
#include "engine/input.h"
#include "engine/poll.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "engine/timerint.h"
#include "menus/exm_text.h"
#include "menus/machine.h"
#include "menus/menucont.h"
#include "menus/menugfx_files.h"
#include "menus/menupc.h"
#include "menus/menuprims.h"
#include "season/contgame.h"
#include "season/prematch.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/fixtures.h"
#include "world/funcs.h"
#include "world/players.h"
#include "world/textmess.h"

SoakSettingsRecord SoakSettings = {SOAK_UNCONDITIONAL, 0, 0, 0, 0, 0, 1};

namespace {

constexpr int kClubs = 250;
constexpr int kMinimumSquad = 16;
constexpr int16_t kNoDatabaseClub = 255;
constexpr int kHumanManager = 1;

// What the keep-alive of the day's processing noted.
struct PollState {
  bool tickNoted = false;
  uint32_t lastTick = 0;
};
PollState gPoll;

void Soak_Reset() {
  SoakSettings = {SOAK_UNCONDITIONAL, 0, 0, 0, 0, 0, 1};
  gPoll = PollState{};
}
REGISTER_RESET(RESET_SEASON, Soak_Reset);

bool ClubChecked(int16_t club) {
  if (GNW_GetClubDbId(club) == kNoDatabaseClub) return false;
  if ((SoakSettings.flags & SOAK_LEAGUE_ONLY) == 0) return true;
  return GNW_GetClubCountry(club) == GNW_GetGameCountry() && GNW_GetClubDivision(club) < GNW_CountCountryDivisions();
}

bool IsLeap(int year) { return year % 4 == 0; }
int MonthLength(int month, int year) {
  static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 1 && IsLeap(year) ? 29 : kLengths[month];
}

}  // namespace

// ---- the stop conditions ----

int CheckSquadDeficiency(int16_t club, SquadDeficiencyCounts* counts) {
  SquadDeficiencyCounts c{};
  BuildClubSquadList(club);
  for (int i = 0; i < SquadListLength && i < SQUAD_LIST_SIZE; ++i) {
    const int16_t player = SquadList[i];
    if (player < 0) continue;
    const int16_t type = GNW_GetPositionType(player);
    if (type < 0 || type > 3) continue;
    ++c.players[type];
    if (Player_GetSuspension(player) != 0)
      ++c.suspended[type];
    else if (GNW_GetPlayerInFlag(player) != 0)
      ++c.injured[type];
    else if (GNW_IsPlayerUnavailable(player) != 0)
      ++c.unavailable[type];
  }
  if (counts) *counts = c;
  int fit = 0;
  bool emptyType = false;
  for (int type = 0; type < 4; ++type) {
    fit += c.players[type] - c.suspended[type] - c.injured[type] - c.unavailable[type];
    if (c.players[type] == 0) emptyType = true;
  }
  return emptyType || fit < kMinimumSquad ? 1 : 0;
}

int Soak_CheckStopConditions() {
  if (SoakRunActive == 0) return 0;
  if (SoakSettings.endDay != 0 && DayOfMonth == SoakSettings.endDay && Month == SoakSettings.endMonth &&
      Year == SoakSettings.endYear)
    SoakRunActive = 0;
  if ((SoakSettings.flags & SOAK_CHECK_BALANCES) != 0) {
    for (int16_t club = 0; club < kClubs; ++club) {
      if (!ClubChecked(club)) continue;
      // Unsigned: a club in debt counts as very rich and never stops the run.
      if (static_cast<uint32_t>(Club_GetBalance(club)) <= SoakSettings.moneyThreshold) return 1;
    }
  }
  if ((SoakSettings.flags & SOAK_CHECK_SQUADS) != 0) {
    for (int16_t club = 0; club < kClubs; ++club)
      if (ClubChecked(club) && CheckSquadDeficiency(club) == 1) return 2;
  }
  return 0;
}

// ---- season and club utilities ----

int16_t GetSeasonDayFromDate(int16_t day, int16_t month, int16_t year) {
  if (month < 0 || month > 11 || day < 1 || day > MonthLength(month, year)) return -1;
  // Count the days from 10 July of the season's first year up to the date; a
  // date before it is not reached and answers -2 below.
  const int first = GNW_GetSeasonYears(SeasonCounter, nullptr);
  int n = 0, y = first, m = 6, d = 10;
  while (n <= 366 && (y < year || (y == year && (m < month || (m == month && d < day))))) {
    if (++d > MonthLength(m, y)) {
      d = 1;
      if (++m == 12) {
        m = 0;
        ++y;
      }
    }
    ++n;
  }
  if (y != year || m != month || d != day || n > 365) return -2;
  int16_t backDay = 0, backMonth = 0;
  GNW_GetDateOfDay(static_cast<int16_t>(n), &backDay, &backMonth, nullptr);
  if (backDay != day || backMonth != month + 1) return -2;
  return static_cast<int16_t>(n);
}

int32_t Club_GetSeasonIncomeTotal(int16_t club) {
  return Club_GetSeasonGateReceipts(club) + Club_GetSeasonSales(club) + Club_GetSeasonSponsorship(club) +
         Club_GetSeasonTVIncome(club) + Club_GetSeasonMerchandising(club) +
         Club_GetSeasonRealAndFakeMiscellaneousIncome(club);
}

int32_t Club_GetSeasonExpenditureTotal(int16_t club) {
  return Club_GetSeasonWinBonuses(club) + Club_GetSeasonPlayerWages(club) + Club_GetSeasonSignings(club) +
         Club_GetSeasonCoachingStaffWages(club) + Club_GetSeasonGroundStaffWages(club) +
         Club_GetSeasonStadiumMaintenance(club) + Club_GetSeasonRealAndFakeMiscellaneousExpenditure(club);
}

int32_t Club_GetSquadWageTotal(int16_t club, int32_t* average) {
  int64_t total = 0;
  int32_t players = 0;
  if (club >= 0 && club < kClubs) {
    BuildClubSquadList(club);
    for (int i = 0; i < SquadListLength && i < SQUAD_LIST_SIZE; ++i) {
      const int16_t player = SquadList[i];
      if (player < 0) continue;
      total += GNW_GetPlayerWage(player);
      ++players;
    }
  }
  const int32_t sum = static_cast<int32_t>(total);
  if (average) *average = players > 0 ? sum / players : 0;
  return sum;
}

bool IsBritishIslesCountry(int16_t country) {
  return country == 0 || country == 1 || country == 13 || country == 21 || country == 31;
}

bool DivisionHasClubs(int16_t division) {
  const int16_t country = GNW_GetGameCountry();
  for (int16_t club = 0; club < kClubs; ++club)
    if (GNW_GetClubDbId(club) != kNoDatabaseClub && GNW_GetClubCountry(club) == country &&
        GNW_GetClubDivision(club) == division)
      return true;
  return false;
}

int16_t GetFirstCompOfCup(int16_t cup) {
  static constexpr int16_t kFirst[7] = {5, 21, 37, 53, 70, 86, 101};
  return cup >= 0 && cup < 7 ? kFirst[cup] : int16_t{-1};
}

int16_t GetNextCupMatchDay(int16_t competition) {
  const int16_t cup = GNW_GetCupOfComp(competition);
  if (cup < 0) return -2;
  if (GNW_GetCupRounds(cup) == 0) return -3;
  bool any = false;
  for (int16_t n = 0; n < NUM_FIXTURES; ++n) {
    const int16_t day = Fixture_GetDay(n);
    if (day == FIXTURE_EMPTY_DAY) break;
    if (GNW_GetCupOfComp(Fixture_GetCompetition(n)) != cup) continue;
    any = true;
    if (!Fixture_IsPlayed(n)) return day;  // the list keeps day order: the earliest
  }
  return any ? int16_t{-5} : int16_t{-4};
}

int16_t FindHumanClubFixtureOnDay(int16_t day) {
  const int16_t club = GNW_GetHumanClub(kHumanManager);
  if (club < 0) return -1;
  for (int16_t n = 0; n < NUM_FIXTURES; ++n) {
    const int16_t fixtureDay = Fixture_GetDay(n);
    if (fixtureDay == FIXTURE_EMPTY_DAY || fixtureDay > day) break;
    if (fixtureDay == day && (Fixture_GetHomeClub(n) == club || Fixture_GetAwayClub(n) == club)) return n;
  }
  return -1;
}

void FormatFixtureCompetitionText(int16_t fixture) {
  std::memset(PreMatchCompLines, 0, sizeof PreMatchCompLines);
  if (fixture < 0 || fixture >= NUM_FIXTURES) return;
  const int16_t code = Fixture_GetCompetition(fixture);
  int16_t round = -1, mark = -1;
  const int16_t text = GNW_GetCompTextNo(code, &round, &mark);
  const size_t size = sizeof PreMatchCompLines[0];
  if (code >= COMP_LEAGUE && code <= 3) {
    const int16_t division = Club_GetDivision(Fixture_GetHomeClub(fixture));
    std::snprintf(PreMatchCompLines[0], size, "%s", GetTextNoAddr(GNW_GetDivisionNameTextNo(division)));
    if (code != COMP_LEAGUE) std::snprintf(PreMatchCompLines[1], size, "%s", GetTextNoAddr(text));
    return;
  }
  std::snprintf(PreMatchCompLines[0], size, "%s", GetTextNoAddr(text));
  if (round >= 0 && mark >= 0)
    std::snprintf(PreMatchCompLines[1], size, "%s %s", GetTextNoAddr(round), GetTextNoAddr(mark));
  else if (round >= 0)
    std::snprintf(PreMatchCompLines[1], size, "%s", GetTextNoAddr(round));
}

void PollWhileProcessing() {
  if (!gPoll.tickNoted) {
    gPoll.tickNoted = true;
    gPoll.lastTick = TimerTicks.load();
  }
  if (PreMatchPagesShown())
    PollPreMatchPages();
  else
    Poll();
  gPoll.lastTick = TimerTicks.load();
}

uint32_t SoakLastPollTick() { return gPoll.lastTick; }

// ---- the soak options pop-up ----

namespace {

constexpr int16_t kTextUnconditional = TEXTNO_SOAK_BASE + 40;
constexpr int16_t kTextCheckSquads = TEXTNO_SOAK_BASE + 41;
constexpr int16_t kTextCheckBalances = TEXTNO_SOAK_BASE + 42;
constexpr int16_t kTextLeagueOnly = TEXTNO_SOAK_BASE + 43;
constexpr int16_t kTextAllTeams = TEXTNO_SOAK_BASE + 44;
constexpr int16_t kTextSoakPage = TEXTNO_SOAK_BASE + 45;
constexpr int16_t kTextCommentary = 1702, kTextScanner = 1703, kTextWatch = 1704;

void SetRowFlag(PopupRow& row, uint16_t flag, bool on) {
  if (on)
    row.flags |= flag;
  else
    row.flags &= static_cast<uint16_t>(~flag);
}

}  // namespace

PopupRow SoakOptionsPopup[] = {
    {POPUP_HEADER_TEXTNO, POPUP_ENABLED, -1, -1, -1, -1, MenuArg(kTextSoakPage), nullptr, SoakOptions_Prepare},
    {POPUP_ROW_TEXTNO, 0, -1, -1, -1, -1, MenuArg(kTextUnconditional), SoakOptions_Choose, nullptr},
    {POPUP_ROW_STRING, 0, -1, -1, -1, -1, MenuArg(""), nullptr, nullptr},
    {POPUP_ROW_TEXTNO, 0, -1, -1, -1, -1, MenuArg(kTextCheckSquads), SoakOptions_Choose, nullptr},
    {POPUP_ROW_TEXTNO, 0, -1, -1, -1, -1, MenuArg(kTextCheckBalances), SoakOptions_Choose, nullptr},
    {POPUP_ROW_STRING, 0, -1, -1, -1, -1, MenuArg(""), nullptr, nullptr},
    {POPUP_ROW_TEXTNO, 0, -1, -1, -1, -1, MenuArg(kTextLeagueOnly), SoakOptions_Choose, nullptr},
    {POPUP_ROW_TEXTNO, 0, -1, -1, -1, -1, MenuArg(kTextAllTeams), SoakOptions_Choose, nullptr},
    {POPUP_ROW_STRING, 0, -1, -1, -1, -1, MenuArg(""), nullptr, nullptr},
    {POPUP_ROW_TEXTNO, 0, -1, -1, -1, -1, MenuArg(kTextWatch), SoakOptions_Choose, nullptr},
    {POPUP_ROW_TEXTNO, 0, -1, -1, -1, -1, MenuArg(kTextScanner), SoakOptions_Choose, nullptr},
    {POPUP_ROW_TEXTNO, 0, -1, -1, -1, -1, MenuArg(kTextCommentary), SoakOptions_Choose, nullptr},
    {POPUP_END, 0, -1, -1, -1, -1, {}, nullptr, nullptr},
};

int16_t SoakOptions_Prepare(PopupRow* list) {
  const uint8_t flags = SoakSettings.flags;
  const bool unconditional = (flags & SOAK_UNCONDITIONAL) != 0;
  const bool anyCheck = (flags & (SOAK_CHECK_SQUADS | SOAK_CHECK_BALANCES)) != 0;
  for (int i = 0; list[i].kind != POPUP_END; ++i) {
    PopupRow& row = list[i];
    if (row.kind != POPUP_ROW_TEXTNO && row.kind != POPUP_ROW_STRING) continue;
    row.flags = 0;
    if (row.kind != POPUP_ROW_TEXTNO) continue;  // a separator stays disabled
    switch (row.text.number) {
      case kTextUnconditional:
        // Always open: a soak made conditional can be made unconditional again.
        SetRowFlag(row, POPUP_ENABLED, true);
        SetRowFlag(row, POPUP_TICKED, unconditional);
        break;
      case kTextCheckSquads:
        SetRowFlag(row, POPUP_ENABLED, !unconditional);
        SetRowFlag(row, POPUP_TICKED, !unconditional && (flags & SOAK_CHECK_SQUADS) != 0);
        break;
      case kTextCheckBalances:
        SetRowFlag(row, POPUP_ENABLED, !unconditional);
        SetRowFlag(row, POPUP_TICKED, !unconditional && (flags & SOAK_CHECK_BALANCES) != 0);
        break;
      case kTextLeagueOnly:
      case kTextAllTeams: {
        const bool enabled = !unconditional && anyCheck;
        const bool leagueOnly = (flags & SOAK_LEAGUE_ONLY) != 0;
        SetRowFlag(row, POPUP_ENABLED, enabled);
        SetRowFlag(row, POPUP_TICKED, enabled && leagueOnly == (row.text.number == kTextLeagueOnly));
        break;
      }
      case kTextWatch:
      case kTextScanner:
      case kTextCommentary: {
        const int display = row.text.number == kTextWatch ? 2 : row.text.number == kTextScanner ? 1 : 0;
        row.flags = POPUP_ENABLED;
        SetRowFlag(row, POPUP_TICKED, SoakSettings.matchDisplay == display);
        break;
      }
      default:
        break;
    }
  }
  return POPUP_RESULT_KEEP_OPEN;
}

int16_t SoakOptions_Choose(const PopupCall* call) {
  if (!call || !call->rowRecord) return POPUP_RESULT_REDRAW;
  switch (call->rowRecord->text.number) {
    case kTextUnconditional: SoakSettings.flags ^= SOAK_UNCONDITIONAL; break;
    case kTextCheckSquads: SoakSettings.flags ^= SOAK_CHECK_SQUADS; break;
    case kTextCheckBalances: SoakSettings.flags ^= SOAK_CHECK_BALANCES; break;
    case kTextLeagueOnly: SoakSettings.flags |= SOAK_LEAGUE_ONLY; break;
    case kTextAllTeams: SoakSettings.flags &= static_cast<uint8_t>(~SOAK_LEAGUE_ONLY); break;
    case kTextWatch: SoakSettings.matchDisplay = 2; break;
    case kTextScanner: SoakSettings.matchDisplay = 1; break;
    case kTextCommentary: SoakSettings.matchDisplay = 0; break;
    default: break;
  }
  return POPUP_RESULT_REDRAW;
}

// ---- the news test screen ----

namespace {

constexpr int kKeyEscape = 1, kKeyReturn = 28, kKeySpace = 57, kKeyUp = 200, kKeyLeft = 203, kKeyRight = 205,
              kKeyDown = 208;
constexpr int kNewsTextSize = 512;
constexpr int kNewsBackground = 2;
// The words a message's two texts are drawn from.
constexpr int16_t kNewsWords[10] = {300, 301, 302, 303, 307, 308, 309, 310, 362, 363};
const char* const kNewsHelpLines[6] = {
    "PAD LEFT - Quit",
    "PAD RIGHT - Change team names,numbers etc.",
    "PAD UP - Increase message number",
    "PAD DOWN - Decrease message number",
    "PAD SELECT - Reprint the message",
    "PAD START - Cycle the language",
};

struct NewsTestState {
  int message = 0;
  char text[kNewsTextSize] = {};
  char title[32] = {};
  int heldKey = 0;  // Up or Down after a step, until it is let go
  int16_t (*menuKeyboardStep)() = nullptr;  // the menu loop's own, while the screen is open
};
NewsTestState gNewsTest;

void NewsTest_Reset() { gNewsTest = NewsTestState{}; }
REGISTER_RESET(RESET_MENUS, NewsTest_Reset);

// The random arguments of a test message, drawn in a fixed order.
void DrawNewsArgs() {
  int16_t values[4];
  for (int i = 0; i < 4; ++i) values[i] = static_cast<int16_t>(GameRandom() % 100 + (i >= 2 ? 100 : 0));
  const int32_t number0 = GameRandom() % 10;
  const int32_t number1 = GameRandom() % 10;
  const int16_t word0 = kNewsWords[GameRandom() % 10];
  const int16_t word1 = kNewsWords[GameRandom() % 10];
  SetNewsArgs(values[0], values[1], values[2], values[3], -1, word0, word1, number0, number1);
}

void PrintNewsMessage() {
  const char* text = GetRandomNewsText(gNewsTest.message);
  std::snprintf(gNewsTest.text, sizeof gNewsTest.text, "%s", text ? text : "");
  std::snprintf(gNewsTest.title, sizeof gNewsTest.title, "Message %d", gNewsTest.message);
}

// The screen's keyboard step, in the menu loop's place while the screen is
// open (the loop's own step would take the arrows and Return as focus moves).
int16_t NewsKeysStep() {
  NewsTestState& t = gNewsTest;
  if (t.heldKey != 0) {
    if (!KeyIsDown(t.heldKey)) t.heldKey = 0;
    else KeyWasPressed(t.heldKey);  // the key's repeats while it is held do not step again
  }
  if (KeyWasPressed(kKeyLeft) || KeyWasPressed(kKeyEscape)) {
    MenuOption = 3;
    return MENU_RESULT_LEAVE;
  }
  bool print = false;
  if (KeyWasPressed(kKeyRight)) {
    DrawNewsArgs();
    print = true;
  }
  if (KeyWasPressed(kKeyUp)) {
    if (t.message < NEWS_TEST_LAST) ++t.message;
    t.heldKey = kKeyUp;
    print = true;
  } else if (KeyWasPressed(kKeyDown)) {
    if (t.message > 0) --t.message;
    t.heldKey = kKeyDown;
    print = true;
  }
  if (KeyWasPressed(kKeyReturn)) print = true;
  // There is one language: Space reprints the message in it.
  if (KeyWasPressed(kKeySpace)) print = true;
  if (print) {
    PrintNewsMessage();
    return MENU_RESULT_REDRAW;
  }
  return t.menuKeyboardStep ? t.menuKeyboardStep() : int16_t{0};
}

// The screen left, whichever way: the menu loop's keyboard step back.
void NewsTest_Leave() {
  if (gNewsTest.menuKeyboardStep) ExMenu.keyboardStep = gNewsTest.menuKeyboardStep;
  gNewsTest.menuKeyboardStep = nullptr;
}

int16_t NewsTest_Handler(const MenuItem*) {
  if (GetMenuEvent() != MENU_EVENT_INIT) return 0;
  NewsTest_Leave();
  gNewsTest = NewsTestState{};
  DrawNewsArgs();
  PrintNewsMessage();
  gNewsTest.menuKeyboardStep = ExMenu.keyboardStep;
  ExMenu.keyboardStep = NewsKeysStep;
  return 0;
}

void NewsTest_DrawMessage(int x, int y, int w, int h) {
  SetFont(1);
  SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, 0);
  DoTextBoxAddr(x, y, w, h, ALIGN_LEFT | ALIGN_TOP, gNewsTest.text);
}

void NewsTest_DrawTitle(int x, int y, int, int) {
  SetFont(2);
  SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, 1);
  DoTextAddr(x, y, ALIGN_CENTRED, gNewsTest.title);
}

int16_t NewsTest_Back() {
  MenuOption = 3;
  return MENU_RESULT_LEAVE;
}

}  // namespace

const MenuItem NewsTestMenu[] = {
    {MI_HEADER, 0, 0, 0, 0, MenuArg(NewsTest_Handler), {}},
    {MI_BACKGROUND, 0, 0, 0, 0, MenuArg(kNewsBackground), {}},
    {MI_FONT, 0, 0, 0, 0, MenuArg(1), {}},
    {MI_TEXT_COLOUR, 0, 0, 0, 0, MenuArg(0), {}},
    {MI_STRING, 60, 310, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg(kNewsHelpLines[0]), {}},
    {MI_STRING, 60, 330, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg(kNewsHelpLines[1]), {}},
    {MI_STRING, 60, 350, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg(kNewsHelpLines[2]), {}},
    {MI_STRING, 60, 370, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg(kNewsHelpLines[3]), {}},
    {MI_STRING, 60, 390, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg(kNewsHelpLines[4]), {}},
    {MI_STRING, 60, 410, ALIGN_LEFT | ALIGN_TOP, 0, MenuArg(kNewsHelpLines[5]), {}},
    {MI_BACKGROUND_MARK, 0, 0, 0, 0, {}, {}},
    // What changes with the keys: drawn again on every pass.
    {MI_OWNER_DRAW, 320, 60, 0, 0, MenuArg(NewsTest_DrawTitle), {}},
    {MI_OWNER_DRAW, 60, 100, 520, 180, MenuArg(NewsTest_DrawMessage), {}},
    {MI_END, 0, 0, 0, 0, MenuArg(NewsTest_Leave), MenuArg(NewsTest_Back)},
};

int NewsTest_Message() { return gNewsTest.message; }
const char* NewsTest_Text() { return gNewsTest.text; }
