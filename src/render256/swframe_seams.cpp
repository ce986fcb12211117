// The call log of the stand-ins of the match views' HUD, sound and controls.
#include "render256/swframe_seams.h"

#include <cstdio>
#include <cstring>

#include "engine/reset.h"

namespace {

// Calls counted by name: the stand-ins run every frame of a match, so the
// log keeps a count per stand-in, not a list of calls.
constexpr int kMaxSeams = 32;
struct SeamLog {
  const char* name[kMaxSeams];
  int count[kMaxSeams];
  int used;
  bool said;
};
SeamLog gSeams;

}  // namespace

void SwFrame_NoteSeam(const char* name) {
  if (!gSeams.said) {
    gSeams.said = true;
    std::printf("presentation: the match HUD, sound and controls are stand-ins (%s)\n", name);
  }
  for (int i = 0; i < gSeams.used; ++i)
    if (gSeams.name[i] == name || std::strcmp(gSeams.name[i], name) == 0) {
      ++gSeams.count[i];
      return;
    }
  if (gSeams.used == kMaxSeams) return;
  gSeams.name[gSeams.used] = name;
  gSeams.count[gSeams.used++] = 1;
}

void SwFrameSeams_Reset() {
  gSeams = SeamLog{};
}
REGISTER_RESET(RESET_PRESENTATION, SwFrameSeams_Reset);

int SwFrame_SeamCount(const char* name) {
  for (int i = 0; i < gSeams.used; ++i)
    if (std::strcmp(gSeams.name[i], name) == 0) return gSeams.count[i];
  return 0;
}

