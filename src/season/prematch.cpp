#include "season/prematch.h"

#include "engine/reset.h"

PreMatchInfo PreMatch;
char PreMatchCompLines[2][30];
char PreMatchClubNames[2][41];
char PreMatchPlayerNames[2][PREMATCH_ROWS][21];

namespace {
void PreMatch_Reset() {
  PreMatch = PreMatchInfo{};
  for (auto& line : PreMatchCompLines) line[0] = 0;
  for (auto& name : PreMatchClubNames) name[0] = 0;
  for (auto& side : PreMatchPlayerNames)
    for (auto& name : side) name[0] = 0;
}
REGISTER_RESET(RESET_SEASON, PreMatch_Reset);
}  // namespace

void BuildPreMatchInfo(int16_t) {}
void ShowLineupsPage() {}
void ShowFormationPage() {}
void ShowOppositionPage() {}
void ShowSummaryPage() {}
