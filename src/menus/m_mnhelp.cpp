// Help: the help table and the scrolling help panel (see m_mnhelp.h).
#include "menus/m_mnhelp.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "engine/debug.h"
#include "engine/input.h"
#include "engine/mem_win.h"
#include "engine/reset.h"
#include "menus/exm_text.h"
#include "menus/machine.h"
#include "menus/menupc.h"
#include "menus/menuprims.h"
#include "menus/pagebtns.h"

namespace {

// The background text: paragraphs split by blank lines, a line beginning
// with "~" a heading.
constexpr const char* kBackgroundText =
    "~Welcome to Gafferon 2000\n"
    "Gafferon 2000 puts you in the dugout and in the boardroom at once. You pick a club, sign a contract with "
    "its board and take charge of everything that happens on and off the pitch: who plays, who is bought and "
    "sold, how the squad trains, and how the money is spent. The season runs day by day, and every other club "
    "in the game is run by a manager of its own who is trying to do exactly what you are.\n"
    "\n"
    "~Where it began\n"
    "The first Gafferon was written on a kitchen table over two wet winters, by a handful of people who spent "
    "their Saturdays on the terraces and their Sundays arguing about the team sheet. It was meant to settle "
    "those arguments. It did not, but it did give them something new to argue about, and the letters that "
    "came in from players shaped every version since.\n"
    "\n"
    "~The world of the game\n"
    "Every league of the game is made up: the clubs, their grounds, their colours and their histories, and "
    "every player on their books. Each player has a full set of skills, a temperament, a contract and an "
    "age, and all of them change as the seasons go by. Young players grow into their talent, old ones slow "
    "down and retire, and each summer a new crop of youngsters comes through the clubs' youth sides.\n"
    "\n"
    "~Running the club\n"
    "The board sets you a budget and expects a return on it. Gate money, cup runs and player sales bring cash "
    "in; wages, transfer fees, staff and ground improvements take it out again. A manager who keeps winning "
    "will be given more to spend, and one who loses and overspends will soon find the chairman waiting at "
    "the door. Keep an eye on the finances screen: a healthy balance is the surest way to keep your job.\n"
    "\n"
    "~The transfer market\n"
    "Bids, loans and contract talks all take time. A club that does not want to sell will say so, and a "
    "player who does not like your offer will hold out for a better one. Three deadline periods each season "
    "close the market altogether, so plan your signings early. The scouts and the player search will help "
    "you find the talent you need, at a price you can afford.\n"
    "\n"
    "~On match day\n"
    "Pick your eleven, set the formation and the tactics, then watch the match unfold in full, follow it on "
    "the scanner or read the commentary as it comes in. You can change the side at half time or during a "
    "break in play. Every pass, tackle and shot is worked out from the players' skills and the tactics both "
    "managers have chosen, so a well drilled side can beat a better one.\n"
    "\n"
    "~Your staff\n"
    "No manager wins on his own. Coaches bring on the players in their care, physios get the injured back on "
    "their feet sooner, and scouts find the bargains other clubs miss. Good staff cost good money, and the "
    "board will only let you hire as many as the club can carry, so choose them with care. A coach who knows "
    "his trade is worth more than a star who sits on the bench.\n"
    "\n"
    "~Training\n"
    "Every week of the season your players train, and what they work on is up to you. Set a schedule for the "
    "whole squad or pick out a player and work on his weaknesses. Push them too hard and the injuries will "
    "mount up; go too easy and the fitness will fade before the spring. Young players learn fastest, and the "
    "right coach can turn a raw youngster into the heart of your side within a couple of seasons.\n"
    "\n"
    "~The long season\n"
    "A season is long, and it is rarely won in the autumn. Cup ties come thick and fast in the winter, "
    "injuries and suspensions thin the squad, and the transfer deadlines leave you with the players you "
    "have. A squad deep enough to cope, and a manager calm enough to rotate it, will still be going strong "
    "when the title is settled in the last weeks of the season.\n"
    "\n"
    "~Saving your career\n"
    "Your career can be saved at any time from the File menu, and the game keeps an automatic save of its own "
    "once a month. A career can last as long as you like: many seasons, several clubs, and perhaps one day "
    "the job you always wanted.\n"
    "\n"
    "~A word of thanks\n"
    "To everyone who wrote in, tested the early versions late into the night, or simply told us that their "
    "team would never play like that: this one is for you. Good luck, and may your side always keep a clean "
    "sheet.";

// One help entry: the title's text number, a spare word, the help value and
// its text.
struct HelpEntry {
  int16_t title;
  int16_t spare;
  int16_t value;
  const char* text;
};

constexpr int16_t kTextBackgroundTitle = 762;  // "Gafferon Background"

constexpr int kHelpEntries = 1;
constexpr HelpEntry kHelpTable[kHelpEntries] = {
    {kTextBackgroundTitle, 0, HELP_VALUE_BACKGROUND, kBackgroundText},
};

// ---- the panel's layout (menu units of the 640 x 480 layout) ----

constexpr int kScreenW = 640, kScreenH = 480;
constexpr int kDarkenPercent = 75;  // opacity 191
constexpr int kBoxX = 20, kBoxY = 30, kBoxW = 600, kBoxH = 420;
constexpr uint16_t kBoxColour = 0x194B;  // a deep blue
constexpr int kTitleX = 305, kTitleY = 35, kTitleFont = 2;
constexpr int kTextFont = 1;
constexpr int kTextTop = 76, kTextArea = 358;
constexpr int kBodyX = 36, kHeadingX = 46, kTextWidth = 540;
constexpr int kArrowX = 600;  // the arrows' centre line
constexpr int kArrowHalf = 10, kArrowHeight = 10;
constexpr int kPageUpY1 = 82, kPageUpY2 = 88, kLineUpY = 119;
constexpr int kLineDownY = 391, kPageDownY1 = 422, kPageDownY2 = 428;
constexpr int kTrackX = 594, kTrackW = 12, kTrackTop = 140, kTrackBottom = 380;
constexpr int kThumbMinimum = 6;
constexpr uint16_t kArrowColour = 0xFFEF, kDimmedColour = 0x4A69;
constexpr uint16_t kTrackColour = 0x08A3, kThumbColour = 0x8C71;

// The text colours: 0 white, 1 light yellow, 2 black.
constexpr int kBodyColour = 0, kHeadingColour = 1, kShadowColour = 2;

// Keyboard keys (extended bit x 128 + scan code).
constexpr int kKeyEscape = 1, kKeyUp = 200, kKeyPageUp = 201, kKeyDown = 208, kKeyPageDown = 209;

// The scroll buttons: invisible boxes around the arrows, answering their
// action.
const PageButton kScrollButtons[] = {
    {PAGE_BUTTON, kArrowX - 14, kPageUpY1 - 4, 28, 26, 0, {}, 0, nullptr, HELP_PAGE_UP},
    {PAGE_BUTTON, kArrowX - 14, kLineUpY - 6, 28, 22, 0, {}, 0, nullptr, HELP_LINE_UP},
    {PAGE_BUTTON, kArrowX - 14, kLineDownY - 6, 28, 22, 0, {}, 0, nullptr, HELP_LINE_DOWN},
    {PAGE_BUTTON, kArrowX - 14, kPageDownY1 - 6, 28, 28, 0, {}, 0, nullptr, HELP_PAGE_DOWN},
    {PAGE_END, 0, 0, 0, 0, 0, {}, 0, nullptr, 0},
};

struct HelpState {
  char* text = nullptr;              // the managed copy of the text
  std::vector<uint32_t> lineStarts;  // offsets of the wrapped lines in it
  HelpPanelView view;
};
HelpState gHelp;

void Help_Reset() { gHelp = HelpState{}; }

// ---- drawing ----

// An arrow of kArrowHeight rows, its point up or down, centred on kArrowX
// from y down.
void DrawArrow(int y, bool up, bool dimmed) {
  SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, dimmed ? kDimmedColour : kArrowColour);
  for (int row = 0; row < kArrowHeight; ++row) {
    const int half = (up ? row : kArrowHeight - 1 - row) * kArrowHalf / (kArrowHeight - 1);
    DrawFilledRectangle(kArrowX - half, y + row, 2 * half + 1, 1);
  }
}

void HelpPanel_DrawThumb(HelpPanelView& v) {
  const int track = kTrackBottom - kTrackTop;
  SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, kTrackColour);
  DrawFilledRectangle(kTrackX, kTrackTop, kTrackW, track);
  const int scrollable = v.lines - v.visible;
  if (scrollable <= 0) {
    v.thumbY = kTrackTop;
    v.thumbH = track;
  } else {
    v.thumbH = std::max(kThumbMinimum, track * v.visible / v.lines);
    v.thumbY = kTrackTop + (track - v.thumbH) * v.first / scrollable;
  }
  SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, kThumbColour);
  DrawFilledRectangle(kTrackX + 1, v.thumbY, kTrackW - 2, v.thumbH);
}

void DrawPage(HelpPanelView& v) {
  v.upDimmed = v.first <= 0;
  v.downDimmed = v.first >= v.lines - v.visible;
  DrawArrow(kPageUpY1, true, v.upDimmed);
  DrawArrow(kPageUpY2, true, v.upDimmed);
  DrawArrow(kLineUpY, true, v.upDimmed);
  DrawArrow(kLineDownY, false, v.downDimmed);
  DrawArrow(kPageDownY1, false, v.downDimmed);
  DrawArrow(kPageDownY2, false, v.downDimmed);
  HelpPanel_DrawThumb(v);
  SetFont(kTextFont);
  for (int i = 0; i < v.visible && v.first + i < v.lines; ++i) {
    const char* line = gHelp.text + gHelp.lineStarts[static_cast<size_t>(v.first + i)];
    const int y = kTextTop + i * v.lineHeight;
    if (line[0] == '~') {
      SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, kShadowColour);
      DoTextAddr(kHeadingX + 1, y, ALIGN_LEFT | ALIGN_TOP, line + 1);
      SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, kHeadingColour);
      DoTextAddr(kHeadingX, y, ALIGN_LEFT | ALIGN_TOP, line + 1);
    } else {
      SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, kBodyColour);
      DoTextAddr(kBodyX, y, ALIGN_LEFT | ALIGN_TOP, line);
    }
  }
  v.firstShown.push_back(v.first);
}

// The whole menu buffer, to put back later (empty without a menu screen).
std::vector<uint8_t> GrabScreen() {
  if (!MenuBufferPixels()) return {};
  std::vector<uint8_t> pixels(static_cast<size_t>(MenuScreenWidth()) * MenuScreenHeight() * MenuBytesPerPixel());
  BufferGetRect(0, 0, MenuScreenWidth(), MenuScreenHeight(), pixels.data());
  return pixels;
}

void PutScreen(const std::vector<uint8_t>& pixels) {
  if (!pixels.empty() && MenuBufferPixels())
    BufferPutRect(0, 0, MenuScreenWidth(), MenuScreenHeight(), pixels.data());
}

// Copies the text into the managed block, without a trailing line break, and
// wraps it to the panel's width in the text font.
void PrepareText(const char* text) {
  size_t length = std::strlen(text ? text : "");
  if (length > 0 && text[length - 1] == '\n') --length;
  AllocateMemory(&gHelp.text, static_cast<uint32_t>(length + 1), ManualFree);
  if (length > 0) std::memcpy(gHelp.text, text, length);
  gHelp.text[length] = '\0';
  SetFont(kTextFont);
  // Every line but the last uses up at least one character (its own or the
  // break after it), so the text has at most this many.
  std::vector<char*> lines(length + 1);
  const int most = static_cast<int>(lines.size());
  const int count = length > 0 ? XDoTextAddr(gHelp.text, kTextWidth, lines.data(), most) : 0;
  gHelp.lineStarts.clear();
  for (int i = 0; i < count; ++i)
    gHelp.lineStarts.push_back(static_cast<uint32_t>(lines[static_cast<size_t>(i)] - gHelp.text));
}

}  // namespace

REGISTER_RESET(RESET_MENUS, Help_Reset);

int16_t FindHelpEntry(int16_t value) {
  for (int i = 0; i < kHelpEntries; ++i)
    if (kHelpTable[i].value == value && kHelpTable[i].text) return static_cast<int16_t>(i);
  return -1;
}

const HelpPanelView& HelpPanel_View() { return gHelp.view; }

int16_t HelpPanel_WaitInput() {
  int16_t action = 0;
  int x = 0, y = 0, buttons = 0;
  while (action == 0) {
    WaitPointerFrame(&x, &y, &buttons);
    const int16_t id = FindButtonAtPos(kScrollButtons, buttons, x, y);
    if (id > 0)
      action = id;
    else if (KeyWasPressed(kKeyUp))
      action = HELP_LINE_UP;
    else if (KeyWasPressed(kKeyDown))
      action = HELP_LINE_DOWN;
    else if (KeyWasPressed(kKeyPageUp))
      action = HELP_PAGE_UP;
    else if (KeyWasPressed(kKeyPageDown))
      action = HELP_PAGE_DOWN;
    else if (KeyWasPressed(kKeyEscape))
      action = HELP_CLOSE;
  }
  while (buttons & 1) WaitPointerFrame(&x, &y, &buttons);
  return action;
}

void RunHelpPanel(const char* title, const char* text) {
  // Without a menu screen (the world's own tests) the panel is only logged,
  // as the message box is.
  if (!MenuBufferPixels()) {
    MenuPrims_Log("DoHelpPanel").text = title ? title : "";
    return;
  }
  const int font = GetFont();
  const int32_t fill = GetDrawAttribute(DRAW_ATTR_FILL_COLOUR);
  const int32_t colour = GetDrawAttribute(DRAW_ATTR_TEXT_COLOUR);
  const int32_t buttonType = GetDrawAttribute(DRAW_ATTR_BUTTON_TYPE);
  const std::vector<uint8_t> screen = GrabScreen();

  gHelp.view = HelpPanelView{};
  HelpPanelView& v = gHelp.view;
  PrepareText(text);
  v.lines = static_cast<int>(gHelp.lineStarts.size());
  SetFont(kTextFont);
  GetStringSize("", nullptr, &v.lineHeight);
  if (v.lineHeight <= 0) v.lineHeight = MenuFontCellHeight(kTextFont);
  v.visible = std::max(1, kTextArea / std::max(1, v.lineHeight) - 1);

  SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, 0x0000);
  DrawShadeRectangle(0, 0, kScreenW, kScreenH, kDarkenPercent);
  SetDrawAttribute(DRAW_ATTR_BUTTON_TYPE, 0);
  SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, kBoxColour);
  DoButton(kBoxX, kBoxY, kBoxW, kBoxH);
  SetFont(kTitleFont);
  SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, kShadowColour);
  DoTextAddr(kTitleX + 2, kTitleY + 2, ALIGN_HCENTRE | ALIGN_TOP, title ? title : "");
  SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, kHeadingColour);
  DoTextAddr(kTitleX, kTitleY, ALIGN_HCENTRE | ALIGN_TOP, title ? title : "");
  const std::vector<uint8_t> panel = GrabScreen();

  // Keys pressed before the panel opened do not act in it.
  for (int key : {kKeyEscape, kKeyUp, kKeyDown, kKeyPageUp, kKeyPageDown}) KeyWasPressed(key);
  const int last = std::max(0, v.lines - v.visible);
  for (;;) {
    PutScreen(panel);
    DrawPage(v);
    const int16_t action = HelpPanel_WaitInput();
    v.actions.push_back(action);
    if (action == HELP_CLOSE) break;
    switch (action) {
      case HELP_PAGE_DOWN: v.first += v.visible - 1; break;
      case HELP_LINE_DOWN: v.first += 1; break;
      case HELP_PAGE_UP: v.first -= v.visible - 1; break;
      case HELP_LINE_UP: v.first -= 1; break;
      default: break;
    }
    v.first = std::clamp(v.first, 0, last);
  }

  FreeMemory(&gHelp.text);
  gHelp.lineStarts.clear();
  PutScreen(screen);
  UpdateMenuScreen();
  SetFont(font);
  SetDrawAttribute(DRAW_ATTR_FILL_COLOUR, fill);
  SetDrawAttribute(DRAW_ATTR_TEXT_COLOUR, colour);
  SetDrawAttribute(DRAW_ATTR_BUTTON_TYPE, buttonType);
}

void DoHelpPanel(int16_t entry) {
  if (entry < 0 || entry >= kHelpEntries)
    FatalError("Error: DoHelpPanel(): help value %d out of range\n", entry);
  const HelpEntry& e = kHelpTable[entry];
  RunHelpPanel(GetTextNoAddr(e.title), e.text);
}
