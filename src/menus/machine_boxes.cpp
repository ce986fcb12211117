// The message and question boxes of the front end.
#include <cstdint>

#include "engine/debug.h"
#include "menus/machine.h"
#include "menus/menuprims.h"

QuestionButton YesNoButtons[3] = {
    {392, 296, 140, 30, 248, 10, 0, 0},
    {248, 296, 140, 30, 249, 10, 0, 0},
    {0, 0, 0, 0, -1, 0, 0, 0},
};

// Not built yet: no box is shown and the answer is "No".
int DoQuestionBox(const char* text, QuestionButton*, int32_t) {
  MenuPrimCall& call = MenuPrims_Log("DoQuestionBox");
  call.text = text ? text : "";
  return 0;
}
