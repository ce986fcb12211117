// The news ticker: while days run without stopping, a box in the middle of
// the screen shows the last five short news lines of the world, and while the
// day's matches are played a panel shows the score of the fixture just
// finished. Every post redraws the box; when five lines arrive within a second
// the next drawing waits a second so that they can be read.
#pragma once

#include <cstdint>

constexpr int NEWS_TICKER_LINES = 5;
constexpr int NEWS_TICKER_LINE_SIZE = 150;   // a ring slot, terminator included
constexpr int NEWS_TICKER_WORK_SIZE = 300;   // the work line of a text
constexpr int NEWS_TICKER_MAX_TEXT = 298;    // the longest text the work line takes
constexpr uint32_t NEWS_TICKER_SLOW_TICKS = 100;
constexpr int NEWS_TICKER_BOX_ICON = 1;      // the box graphic ("bigblock")

// flags
constexpr uint8_t NEWS_TICKER_WRAPPED = 1 << 0;  // the ring has wrapped at least once
constexpr uint8_t NEWS_TICKER_SLOW = 1 << 1;     // the next drawing waits

// Ticker texts of the language table.
constexpr int TICKER_TEXT_SACKED = 1260;       // "$0t have sacked $0p"
constexpr int TICKER_TEXT_RESIGNED = 1261;     // "$0p has resigned from $0t"
constexpr int TICKER_TEXT_FEE = 1262;          // "$0p has moved to $0t from $1t for $0m"
constexpr int TICKER_TEXT_MOVED = 1263;        // "$0p has moved to $0t from $1t"
constexpr int TICKER_TEXT_LOAN = 1264;         // "$0p has joined $0t on loan from $1t"
constexpr int TICKER_TEXT_AWOL = 1265;         // "$0p has gone A.W.O.L. from $0t!"
constexpr int TICKER_TEXT_APPOINTED = 1266;    // "$0t have appointed $0p as manager"
constexpr int TICKER_TEXT_JOINED = 1267;       // "$0p has joined $0t"

struct NewsTickerState {
  char lines[NEWS_TICKER_LINES][NEWS_TICKER_LINE_SIZE];
  uint32_t stamps[NEWS_TICKER_LINES];  // TimerTicks when each line was posted
  int8_t writePos;                     // slot of the next line
  int8_t firstLine;                    // slot of the oldest line once wrapped
  uint8_t flags;
};
const NewsTickerState& NewsTicker_State();

// Every line empty, stamps 0, positions 0, both flags cleared.
void NewsTicker_Clear();
// Stores a line in the ring (cut to its slot) and stamps it.
void NewsTicker_PutLine(const char* text);

// A player gone absent from his club; only when the all-news option is on or
// the club plays in the user's division.
void NewsTicker_AddMessage(int16_t club, int16_t player);
// A club's new manager.
void NewsTicker_AddAppointment(int16_t club, int16_t manager);
// A manager sacked by his club, or resigned when the flag is set.
void NewsTicker_AddManagerExit(int16_t club, int16_t manager, int16_t resigned);
// A transfer of the player from oldClub (255: from no club) to newClub, with
// the fee, or a loan; only when the all-news option is on or either club plays
// in the user's division.
void NewsTicker_AddTransfer(int16_t player, int16_t newClub, int16_t oldClub, int32_t fee, int16_t loan);
// The ticker text of a transfer: a loan, a player from no club, a fee or none.
int NewsTicker_TransferText(int16_t oldClub, int32_t fee, int16_t loan);

// Copies the text of the text number into the 300-byte work buffer; a text
// longer than 298 characters stops the program.
void NewsTicker_GetText(char* buffer, int textNumber);
// The copy itself: the text, with its text number for the message.
void NewsTicker_CopyLine(char* buffer, const char* text, int textNumber);
// Replaces the first occurrence of the token in the work line by the value and
// cuts the line to 299 characters. 1 when the token was there.
int NewsTicker_ReplaceToken(char* buffer, const char* token, const char* value);

// Draws the box with its five lines (after the slow-down wait when due).
void NewsTicker_Draw();

// The club's division when it is a club of the game country, else 6 (the
// money pool 255 and every other number outside 0-249 included).
int16_t GetClubLeagueDivision(int16_t club);

// The team names of the match set-up and the goals of the two result records
// at the centre of the screen, then one pointer frame.
void DrawMatchScorePanel();

// As at start: an empty ticker.
void NewsTicker_Reset();
