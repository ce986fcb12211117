// The help table: empty, so every help value is answered "not found".
#include "menus/m_mnhelp.h"
#include "support/engine_fixture.h"

namespace {

class HelpTest : public EngineTest {};

TEST_F(HelpTest, TheEmptyTableFindsNothing) {
  for (int16_t value : {0, 1, 5, -1, 32767}) EXPECT_EQ(FindHelpEntry(value), -1) << value;
}

TEST_F(HelpTest, APanelOutsideTheTableIsFatal) {
  EXPECT_FATAL(DoHelpPanel(1), "Error: DoHelpPanel\\(\\): help value 1 out of range");
  EXPECT_FATAL(DoHelpPanel(-1), "Error: DoHelpPanel\\(\\): help value -1 out of range");
}

}  // namespace
