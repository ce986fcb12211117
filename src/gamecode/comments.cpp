#include "gamecode/comments.h"

#include <cstdio>
#include <cstring>

#include "engine/debug.h"
#include "engine/rand.h"
#include "engine/reset.h"
#include "gamecode/matchobj.h"
#include "gamecode/matchrec.h"
#include "gamecode/matchstate.h"

#define ABORT_FILE "comments"

// The compiled English lines (commenttext.cpp).
extern const char* const CommentTextTable[COMMENT_LINES];

int16_t CommentArgs[5];

namespace {

char CommentaryLine[COMMENT_LINE_SIZE];
uint32_t Serial;

// Appends up to length bytes of text to the line at *at, stopping at the
// line's last usable byte.
void Append(int& at, const char* text, size_t length) {
  for (size_t i = 0; i < length && text[i] != 0 && at < COMMENT_LINE_SIZE - 1; ++i) CommentaryLine[at++] = text[i];
}

void AppendObjectName(int& at, int object) {
  if (object < 0 || object >= MATCH_OBJECTS) return;
  const char* name = MatchObjects[object].name;
  Append(at, name, strnlen(name, sizeof MatchObjects[object].name));
}

void AppendTeamName(int& at, int side) {
  if (side < 0 || side > 1) return;
  const char* name =
      reinterpret_cast<const char*>(GetMatchSetupRecord() + MATCH_SETUP_TEAM_OFFSET[side] + SETUP_TEAM_NAME);
  Append(at, name, strnlen(name, SETUP_TEAM_NAME_SIZE));
}

}  // namespace

const char* ExpandComment(const char* text) {
  int at = 0;
  const char* p = text != nullptr ? text : "";
  while (*p != 0) {
    if (*p != '$') {
      Append(at, p, 1);
      ++p;
      continue;
    }
    const char d = p[1], kind = d != 0 ? p[2] : 0;
    if (d == '$') {
      Append(at, "$", 1);
      p += 2;
      continue;
    }
    if ((d == '0' || d == '1') && (kind == 'p' || kind == 't')) {
      const int slot = d - '0';
      if (kind == 'p') AppendObjectName(at, CommentArgs[2 + slot]);
      else AppendTeamName(at, CommentArgs[slot]);
    } else if (d == '0' && kind == 'n') {
      char number[8];
      const int n = std::snprintf(number, sizeof number, "%d", CommentArgs[4]);
      Append(at, number, static_cast<size_t>(n));
    } else {
      ABORT("invalid index in message string");
    }
    p += 3;
  }
  CommentaryLine[at] = 0;
  return CommentaryLine;
}

const char* SayComment(int event, int /*priority*/, int side, int first, int second, int number) {
  if (event < 0 || event >= COMMENT_EVENTS) return CommentaryLine;
  CommentArgs[0] = static_cast<int16_t>(side);
  CommentArgs[1] = static_cast<int16_t>(side ^ 1);
  CommentArgs[2] = static_cast<int16_t>(first);
  CommentArgs[3] = static_cast<int16_t>(second);
  CommentArgs[4] = static_cast<int16_t>(number);
  const int pick = GameRandom() % COMMENT_LINES_PER_EVENT;
  ++Serial;
  return ExpandComment(GetCommentText(event * COMMENT_LINES_PER_EVENT + pick));
}

const char* GetCommentText(int line) {
  if (line < 0 || line >= COMMENT_LINES) return "";
  return CommentTextTable[line];
}

const char* CommentaryLineText() { return CommentaryLine; }
uint32_t CommentarySerial() { return Serial; }

int RefereeFavourRoll(int side) { return side + 1 == RefereeFavouredSide && GameRandom() % 100 < 30 ? 1 : 0; }

void Comments_Reset() {
  for (auto& a : CommentArgs) a = 0;
  CommentaryLine[0] = 0;
  Serial = 0;
}

REGISTER_RESET(RESET_MATCH_PLAY, Comments_Reset);
