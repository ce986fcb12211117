// The Finances screen: the season's income and expenditure of the screen's
// club (MenuClub) row by row with their totals, the balance brought forward,
// the current balance and what the human manager's ground redevelopment will
// cost ("No ground redevelopment" beside a blank when there is none).
#pragma once

#include <cstdint>

#include "menus/exmenu.h"

extern const MenuItem FinancesMenu[];

constexpr int FINANCES_INCOME_ROWS = 7;
constexpr int FINANCES_EXPENDITURE_ROWS = 6;
// Income rows: gate receipts, sales, sponsorship, television, merchandising,
// miscellaneous income, win bonuses. Expenditure rows: player wages,
// signings, coaching staff wages, ground staff wages, stadium maintenance,
// miscellaneous expenditure.
enum : int { FINANCES_COACHING_STAFF_ROW = 2 };
// The text beside a blank redevelopment cost.
constexpr int16_t FINANCES_NO_REDEVELOPMENT_TEXT = 254;  // "No ground redevelopment"

struct FinancesView {
  int16_t club;      // -1: not a club of the world (every figure blank)
  int16_t clubName;  // text number
  int32_t income[FINANCES_INCOME_ROWS];
  int32_t incomeTotal;
  int32_t expenditure[FINANCES_EXPENDITURE_ROWS];
  int32_t expenditureTotal;
  int32_t broughtForward;
  int32_t balance;
  int32_t redevelopmentCost;  // MENU_BLANK_VALUE when there is none
  int16_t redevelopmentText;  // FINANCES_NO_REDEVELOPMENT_TEXT beside a blank cost, else -1
};
const FinancesView& Finances_View();

// The screen's handler: the figures are read on the opening (event 1).
int16_t Finances_Handler(const MenuItem* header);
// Reads the figures of MenuClub.
void Finances_Read();
// Back to the Manager's Office: answers 6 with MenuOption 3.
int16_t Finances_Back(MenuHotspot* spot);

// The screen as at program start (a registered reset).
void Finances_Reset();
