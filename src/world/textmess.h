// News messages: everything that happens in the world can be told to the user
// as a one-sentence message. A caller sets the message's arguments, picks a
// random wording of a news kind (which expands the wording's $-tokens from the
// arguments) and hands the text to ShowNewsMessage, which shows it only when
// it concerns the user's club in the way the caller asks.
//
// Tokens: "$$" a dollar sign; "$dX" with d the argument 0 or 1 and X
//   g  the text of text number texts[d]
//   m  the money argument in the short money form (d not used)
//   n  numbers[d] as a decimal number
//   p  the name of player players[d]
//   t  the name of club teams[d] (252 and above: a database club number)
#pragma once

#include <cstdint>

constexpr int NUM_NEWS_KINDS = 165;
constexpr int NEWS_EURO_BAN = 153;  // a player banned from European matches
constexpr int NEWS_TEXT_SIZE = 1024;  // the expansion buffer, terminator included

// The arguments of the next message; -1 is "none" in every field.
struct NewsArgsRecord {
  int16_t teams[2];    // world club numbers, $0t $1t
  int16_t players[2];  // $0p $1p
  int32_t money;       // $0m
  int16_t texts[2];    // text numbers, $0g $1g
  int32_t numbers[2];  // $0n $1n
};
extern NewsArgsRecord NewsArgs;

// Per news kind 0-164, its alternative wordings: a list of text numbers of
// the language table ended by 0.
extern const int16_t* const NewsKindList[NUM_NEWS_KINDS];

// Every field -1, then each argument other than -1 stored; a team of 255
// (the money pool, no club) leaves its field -1.
void SetNewsArgs(int16_t team0, int16_t team1, int16_t player0, int16_t player1, int32_t money, int16_t text0,
                 int16_t text1, int32_t number0, int32_t number1);

// One wording of the kind, picked by the game's random roll and expanded;
// null for a kind without wordings (or no kind at all).
const char* GetRandomNewsText(int kind);

// The template with its tokens expanded, in the one expansion buffer (valid
// until the next expansion). A "$" not followed by a digit, or a token of an
// unknown type, stops the program.
const char* ExpandMessageString(const char* text);

// Modes of ShowNewsMessage.
constexpr int NEWS_SHOW_ALWAYS = 0;
constexpr int NEWS_SHOW_HUMAN_CLUB = 2;      // when a named club is the user's
constexpr int NEWS_SHOW_HUMAN_DIVISION = 3;  // when a named club plays in the user's division

// Shows the text in the message box (boxArg passed through) when it is of
// interest by the mode; never while the debug soak runs.
void ShowNewsMessage(const char* text, int32_t boxArg, int mode, int16_t team0, int16_t team1);

// Arguments all -1, expansion buffer empty.
void News_Reset();
