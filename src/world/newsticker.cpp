// The news ticker and the score panel of the day's matches.
#include "world/newsticker.h"

#include <cstdio>
#include <cstring>

#include "engine/bytes.h"
#include "engine/debug.h"
#include "engine/poll.h"
#include "engine/reset.h"
#include "engine/timerint.h"
#include "gamecode/matchrec.h"
#include "menus/exm_text.h"
#include "menus/menucont.h"
#include "menus/menuprims.h"
#include "menus/money.h"
#include "season/seasonstate.h"
#include "world/clubs.h"
#include "world/funcs.h"

namespace {

NewsTickerState gTicker;

constexpr int kDivisionNone = 6;

// The club's name as the ticker shows it: through its database number and
// its text number. No club, no name.
const char* ClubText(int16_t club) {
  if (club < 0) return "";
  return GetTextNoAddr(GNW_GetClubTextNo(GNW_GetClubDbId(club)));
}

const char* PlayerText(int16_t player) { return player >= 0 ? GNW_GetPlayerName(player) : ""; }

// Whether the club plays in the division of human manager 1's club.
bool InHumanDivision(int16_t club) {
  int16_t human = GNW_GetHumanClub(1);
  if (human == -1) return false;
  return GetClubLeagueDivision(club) == GNW_GetClubDivisionIndex(human);
}

// A ticker line from its text with the first "$0t", "$1t", "$0p" and "$0m"
// replaced, stored in the ring and shown.
void PostLine(int textNumber, int16_t club0, int16_t club1, int16_t player, int32_t fee) {
  char work[NEWS_TICKER_WORK_SIZE];
  NewsTicker_GetText(work, textNumber);
  NewsTicker_ReplaceToken(work, "$0t", ClubText(club0));
  NewsTicker_ReplaceToken(work, "$1t", ClubText(club1));
  NewsTicker_ReplaceToken(work, "$0p", PlayerText(player));
  NewsTicker_ReplaceToken(work, "$0m", Price2str(fee));
  NewsTicker_PutLine(work);
  NewsTicker_Draw();
}

}  // namespace

void NewsTicker_Reset() { gTicker = NewsTickerState{}; }
REGISTER_RESET(RESET_WORLD, NewsTicker_Reset);

const NewsTickerState& NewsTicker_State() { return gTicker; }

void NewsTicker_Clear() {
  for (int i = 0; i < NEWS_TICKER_LINES; ++i) {
    gTicker.stamps[i] = 0;
    gTicker.lines[i][0] = 0;
  }
  gTicker.writePos = 0;
  gTicker.firstLine = 0;
  gTicker.flags &= static_cast<uint8_t>(~(NEWS_TICKER_WRAPPED | NEWS_TICKER_SLOW));
}

void NewsTicker_PutLine(const char* text) {
  NewsTickerState& t = gTicker;
  uint32_t now = TimerTicks;
  int pos = t.writePos;
  t.stamps[pos] = now;
  // Five lines within a second: the next drawing waits. The slot after this
  // one holds the line posted four posts earlier, once there has been one.
  int older = (pos + 1) % NEWS_TICKER_LINES;
  bool posted = (t.flags & NEWS_TICKER_WRAPPED) || older < pos;
  if (posted && now - t.stamps[older] < NEWS_TICKER_SLOW_TICKS) t.flags |= NEWS_TICKER_SLOW;

  // A line longer than its slot is cut to fit.
  std::snprintf(t.lines[pos], NEWS_TICKER_LINE_SIZE, "%s", text ? text : "");

  if (++pos == NEWS_TICKER_LINES) {
    pos = 0;
    t.flags |= NEWS_TICKER_WRAPPED;
  }
  t.writePos = static_cast<int8_t>(pos);
  if (t.flags & NEWS_TICKER_WRAPPED) t.firstLine = t.writePos;
}

void NewsTicker_GetText(char* buffer, int textNumber) {
  NewsTicker_CopyLine(buffer, GetTextNoAddr(textNumber), textNumber);
}

void NewsTicker_CopyLine(char* buffer, const char* text, int textNumber) {
  if (std::strlen(text) > NEWS_TICKER_MAX_TEXT)
    FatalError("J_MN20: Text line %d is too long for message buffer", textNumber);
  std::snprintf(buffer, NEWS_TICKER_WORK_SIZE, "%s", text);
}

int NewsTicker_ReplaceToken(char* buffer, const char* token, const char* value) {
  const char* at = std::strstr(buffer, token);
  if (!at) return 0;
  char line[NEWS_TICKER_WORK_SIZE];
  int prefix = static_cast<int>(at - buffer);
  // The work line holds 299 characters; the rest is cut off.
  std::snprintf(line, sizeof line, "%.*s%s%s", prefix, buffer, value, at + std::strlen(token));
  std::memcpy(buffer, line, sizeof line);
  return 1;
}

void NewsTicker_AddMessage(int16_t club, int16_t player) {
  if (!MenuAllNews && !InHumanDivision(club)) return;
  PostLine(TICKER_TEXT_AWOL, club, -1, player, 0);
}

void NewsTicker_AddAppointment(int16_t club, int16_t manager) {
  PostLine(TICKER_TEXT_APPOINTED, club, -1, manager, 0);
}

void NewsTicker_AddManagerExit(int16_t club, int16_t manager, int16_t resigned) {
  PostLine(resigned ? TICKER_TEXT_RESIGNED : TICKER_TEXT_SACKED, club, -1, manager, 0);
}

void NewsTicker_AddTransfer(int16_t player, int16_t newClub, int16_t oldClub, int32_t fee, int16_t loan) {
  if (!MenuAllNews && !InHumanDivision(newClub) && !InHumanDivision(oldClub)) return;
  PostLine(NewsTicker_TransferText(oldClub, fee, loan), newClub, oldClub, player, fee);
}

int NewsTicker_TransferText(int16_t oldClub, int32_t fee, int16_t loan) {
  if (loan) return TICKER_TEXT_LOAN;
  if (oldClub == 255) return TICKER_TEXT_JOINED;
  if (fee > 0) return TICKER_TEXT_FEE;
  return TICKER_TEXT_MOVED;
}

void NewsTicker_Draw() {
  NewsTickerState& t = gTicker;
  if (t.flags & NEWS_TICKER_SLOW) {
    WaitUntilTick(TimerTicks + NEWS_TICKER_SLOW_TICKS);
    t.flags &= static_cast<uint8_t>(~NEWS_TICKER_SLOW);
  }
  Poll();
  HideBusyPointer(1);
  int boxWidth = 0, boxHeight = 0;
  GetIconSizeScaled(NEWS_TICKER_BOX_ICON, &boxWidth, &boxHeight);
  BufferRestoreRect(320 - boxWidth / 2, 240 - boxHeight / 2, boxWidth, boxHeight);
  DoIcon(320, 240, ALIGN_CENTRED, NEWS_TICKER_BOX_ICON);

  int charWidth = 0, charHeight = 0;
  GetCharSize('A', &charWidth, &charHeight);
  for (int line = 0; line < NEWS_TICKER_LINES; ++line) {
    int slot = (t.firstLine + line) % NEWS_TICKER_LINES;
    DoTextBoxAddr(350 - boxWidth / 2, 265 - boxHeight / 2 + line * (2 * charHeight + 5), boxWidth - 60, charHeight,
                  ALIGN_CENTRED, t.lines[slot]);
  }
  int x, y, buttons;
  WaitPointerFrame(&x, &y, &buttons);
  HideBusyPointer(0);
  Poll();
}

int16_t GetClubLeagueDivision(int16_t club) {
  if (club < 0 || club >= NUM_CLUBS) return kDivisionNone;
  if (Club_GetCountry(club) != GameCountry) return kDivisionNone;
  return Club_GetDivision(club);
}

void DrawMatchScorePanel() {
  const uint8_t* setup = GetMatchSetupRecord();
  const uint8_t* result = GetMatchResultRecord();
  // A name fills at most its 40 bytes; one never written (0xFF) has no end.
  char names[2][SETUP_TEAM_NAME_SIZE];
  int16_t goals[2];
  for (int side = 0; side < 2; ++side) {
    const uint8_t* name = setup + MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_NAME;
    int length = 0;
    while (length < SETUP_TEAM_NAME_SIZE - 1 && name[length] != 0) {
      names[side][length] = static_cast<char>(name[length]);
      ++length;
    }
    names[side][length] = 0;
    goals[side] = LoadI16(result + TEAM_MATCH_RECORD_OFFSET[side] + TEAM_GOALS);
  }

  HideBusyPointer(1);
  DoTextAddr(290, 240, ALIGN_RIGHT | ALIGN_VMIDDLE, names[0]);
  DoNumber(305, 240, ALIGN_CENTRED, goals[0]);
  DoNumber(335, 240, ALIGN_CENTRED, goals[1]);
  DoTextAddr(350, 240, ALIGN_LEFT | ALIGN_VMIDDLE, names[1]);
  HideBusyPointer(0);
  int x, y, buttons;
  WaitPointerFrame(&x, &y, &buttons);
}
