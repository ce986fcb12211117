// The bids' daily countdown and decision, and the two operations that move a
// player between clubs: a transfer (or free transfer) and a loan.
#pragma once

#include <cstdint>

// The money of the human managers' clubs in transfers this game: fees paid,
// fees received and sell-on bonuses received.
extern int32_t HumanTransferSpent;
extern int32_t HumanTransferReceived;
extern int32_t HumanSellOnReceived;

// Per stored age 0-24 (older counts as 24): the share of a player's
// reputation that holds him at his club, percent.
constexpr int NUM_PULL_AGES = 25;
extern const int16_t AgeLoyaltyPercent[NUM_PULL_AGES];

// The daily step over the 400 answer slots: a free agent's slot is dropped
// with every bid for him; a slot counts down (bids of computer clubs for a
// badly injured player are withdrawn meanwhile); on its last day the best
// bidder (highest reputation of club or manager; the lower club number on a
// tie; a club with a full squad or without the money withdraws) is chosen,
// the player may turn the move down, and a deal goes ahead: a human club's
// won bid waits for its manager, a loan starts, or the player is offered a
// contract and transferred. A slot whose player nobody bids for any more,
// and a refused or collapsed deal, free the slot and withdraw every bid for
// the player.
void BidDecisionStep();

// Moves the player to the buying club (0-249) for the fee (below 1,000: none),
// ending a loan first. The buyer pays the fee; the pool takes the transfer
// levy (MoneyRate1 percent); a club holding his sell-on clause gets 20 per
// 100 of the fee; the seller gets the rest. Every bid and answer slot for him
// is cleared, his record starts afresh at the buyer (sell-on clause for the
// seller when clause is not 0), and the logs, news, ticker and club records
// note the deal.
void CompleteTransfer(int16_t player, int16_t buyer, int32_t fee, int16_t clause);

// For a player on loan: ends the loan, sends him back to the lending club and
// takes his shirt. Otherwise lends him from his club to the club (0-249, not
// his own) for 13 weeks, with ticker, career and club logs; nothing when the
// loan list refuses him (full, or his borrower's list is). Answers whether
// the loan began or ended.
bool LoanPlayer(int16_t player, int16_t club);

void Transfers_Reset();
