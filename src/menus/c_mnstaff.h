// The Staff Appointments screen: the eleven staff posts of the screen's club
// (MenuClub, the human manager's club) with their ratings, contracts, monthly
// wages and release costs, and the candidates of one staff kind from the
// hiring pool. A click on a post's values asks whether to sack its holder
// (his release cost, the months left x his monthly wage, goes from the club
// to the money pool); a click on a candidate of a kind whose post is empty
// asks whether to hire him (on a 12-month contract), which he refuses unless
// the club could pay every release cost and 144 of his weekly wages.
#pragma once

#include <cstdint>

#include "menus/exmenu.h"

extern const MenuItem StaffMenu[];

constexpr int STAFF_POSTS = 11;           // one per staff kind, in kind order
constexpr int STAFF_CANDIDATE_ROWS = 10;  // the pool holds at most ten of a kind
constexpr int16_t STAFF_CONTRACT_MONTHS = 12;  // a new appointment's contract
constexpr int32_t STAFF_HIRE_WEEKS = 144;      // the weekly wages a club must be able to pay
constexpr int16_t STAFF_FIRST_LABEL = 411;     // "Coach"; kind k is text 411 + k

// One post as the screen shows it. An empty post (level 0) shows its label
// and blanks: level and contract BLANK_S16, wage and release cost
// MENU_BLANK_VALUE.
struct StaffPostRow {
  int16_t label;        // text number
  int16_t level;
  int16_t contract;     // months
  int32_t wage;         // a month's: 4 weekly wages
  int32_t releaseCost;  // contract x monthly wage
  int16_t colour;       // text colour: 1 for the selected post
};

// One candidate row. A blank row: candidate -1, label -1, level BLANK_S16,
// wage MENU_BLANK_VALUE.
struct StaffCandidateRow {
  int16_t candidate;  // his number in the hiring pool
  int16_t label;      // the text of his kind
  int16_t level;
  int32_t wage;       // a month's
  int16_t colour;     // text colour: 1 for the selected row
};

// The screen's handler: the opening (event 1) and every redraw.
int16_t StaffScreen_Handler(const MenuItem* header);
// Fills the rows from the club's posts and the pool (every redraw).
void StaffScreen_Refresh();
// A click on a post's label: the candidates of its kind, no candidate
// selected (nothing when that kind is shown already).
void StaffScreen_ShowPostKind(int16_t row);
// A click on a post's values: ignored while a candidate is selected or for
// an empty post; else the post is selected and the sack is to be confirmed.
// Answers whether a confirmation is due.
bool StaffScreen_PostClick(int16_t row);
// A click on a candidate row: ignored while a post is selected; a row with a
// candidate whose kind's post is empty is selected and the hire is to be
// confirmed (answers true); any other row clears the candidate selection.
bool StaffScreen_CandidateClick(int16_t row);
// The kind list's choice: the kind shown, no candidate selected.
void StaffScreen_ChooseKind(int16_t kind);
// The question for the selection, and the hire or the sack on "Yes": the
// refusals as message boxes, every other answer clears the selections.
void StaffScreen_Confirm();
// Back to the Manager's Office: answers 6 with MenuOption 3.
int16_t StaffScreen_Back();

// ---- what tests look at ----

struct StaffScreenView {
  int16_t club;       // the screen's club (-1 none)
  int16_t clubName;   // its name's text number
  StaffPostRow posts[STAFF_POSTS];
  StaffCandidateRow candidates[STAFF_CANDIDATE_ROWS];
  int32_t totalReleaseCost;
  int16_t kindShown;          // 0-10
  int16_t kindLabel;          // its text number
  int16_t selectedCandidate;  // row, -1 none
  int16_t selectedPost;       // row, -1 none
  // The confirmation's texts: the question (422 sack, 838 hire, -1 none),
  // and the selected post's figures (blank without one).
  int16_t question;
  int16_t yes, no;  // 249 "Yes", 248 "No", -1 without a question
  int16_t panelLevel;
  int16_t panelContract;
  int32_t panelWage;
  int32_t panelReleaseCost;
};
const StaffScreenView& StaffScreen_View();

// The kind list (eleven rows and the end): the kind shown is ticked.
PopupRow* StaffScreen_KindList();

// The screen as at program start (a registered reset).
void StaffScreen_Reset();
