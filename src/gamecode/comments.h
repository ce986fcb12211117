// The commentator: every match event worth a word calls SayComment with its
// event code, and one of the event's five prepared lines is picked at random
// and filled in with player names, team names and a number. The result is
// the current commentary line, which the commentary display shows whenever it
// changes.
//
// Tokens a line may hold: "$0p" and "$1p" the first and second object,
// "$0t" the side the comment is about and "$1t" the other side, "$0n" the
// number, and "$$" a dollar sign. Anything else after a "$" stops the program.
#pragma once

#include <cstdint>

constexpr int COMMENT_EVENTS = 340;
constexpr int COMMENT_LINES_PER_EVENT = 5;
constexpr int COMMENT_LINES = COMMENT_EVENTS * COMMENT_LINES_PER_EVENT;  // 1,700
constexpr int COMMENT_LINE_SIZE = 200;  // the line buffer, zero byte included

// The five argument slots of the last SayComment: the side, the other side,
// the first object, the second object and the number.
extern int16_t CommentArgs[5];

// Speaks event (0-339) about side, naming first and second (objects 0-36;
// anything else names nobody) with the number; priority is not used. Answers
// the new commentary line. An event outside 0-339 says nothing and answers
// the line as it was.
const char* SayComment(int event, int priority, int side, int first, int second, int number);
// Expands one line into the commentary line with the current argument slots
// and answers it.
const char* ExpandComment(const char* text);
// Line n (0-1,699) of the table; event e owns lines 5e to 5e + 4. Answers ""
// for any other n.
const char* GetCommentText(int line);

// The current commentary line and a count that rises with every SayComment,
// so a watcher can tell a new line from the old one.
const char* CommentaryLineText();
uint32_t CommentarySerial();

// The referee's leaning: 1 three times in ten when side is the one the match
// official favours (the set-up's favoured-side byte), else 0 without a roll.
int RefereeFavourRoll(int side);

void Comments_Reset();
