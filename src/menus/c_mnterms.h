// Contract Terms: the terms on which the manager takes charge of the screen
// club (MenuClub), by JobChangeMode: 0 a new career's first club, 1 an
// application from the job centre, 2 a job offer while employed elsewhere,
// 3 the terms of the current job. Four clauses are set with Yes / No (or by
// clicking their label), then the terms are accepted or rejected.
#pragma once

#include <cstdint>

#include "menus/exmenu.h"

extern const MenuItem ContractTermsMenu[];

constexpr int CONTRACT_TERMS_ROWS = 4;
// The rows: 0 contract, 1 training (and hiring), 2 manage and play, 3 stadium.
struct ContractTermsView {
  int16_t clause[CONTRACT_TERMS_ROWS];
  int16_t yesColour[CONTRACT_TERMS_ROWS];  // 1 when the row's answer is Yes
  int16_t noColour[CONTRACT_TERMS_ROWS];   // 1 when it is No
  int16_t clubName;
  int16_t counterOffer;  // 1 once the current board has counter-offered
};
const ContractTermsView& ContractTerms_View();

int16_t ContractTerms_Handler(const MenuItem* header);
int16_t ContractTerms_Accept(MenuHotspot* hotspot);
int16_t ContractTerms_Reject(MenuHotspot* hotspot);
// A row's buttons: answer 1 Yes, 0 No, -1 flips (the label).
int16_t ContractTerms_SetClause(int row, int answer);

void ContractTerms_Reset();
