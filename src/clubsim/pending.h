// TEMPORARY. Functions of the transfer market, the computer clubs' bidding
// and the human manager's deal lists that the squad, loan, injury and
// contract steps call, but that are built in other modules. Each definition
// in pending.cpp is a stand-in that does the least that keeps the world
// sound (mostly: no deal). Both files go when the real modules are linked.
#pragma once

#include <cstdint>

// Player valuation and money limits.
int32_t CalcClubMaxWage(int16_t club);        // stand-in: 0 (no wage is below it)
int32_t GetClubSpendingBudget(int16_t club);  // stand-in: 0
int32_t GetPlayerValue(int16_t player);       // stand-in: 0

// Bid slots and bid answers.
// stand-in: -1, as for a bid slot that is taken (no bid is made)
int16_t MakeTransferOffer(int16_t club, int16_t player, int32_t price, int16_t position, int16_t clause);
// stand-in: the answer slot takes the player with one day to run
void BidInfo_Start(int16_t player, int16_t slot);
// stand-in: every bid slot of the club naming the player emptied
void ClubBid_WithdrawPlayer(int16_t club, int16_t player);

// Contract terms.
int16_t ContractLength(int16_t player, int16_t club);  // stand-in: 12
int32_t OfferedWage(int16_t player, int16_t club);     // stand-in: the player's wage demand

// A completed transfer. Stand-in: the player moves to the buyer (his loan
// ended, bids and answers on him cleared, his club flags reset), the fee
// (none below 1,000) paid from the buyer to the seller.
void CompleteTransfer(int16_t player, int16_t buyer, int32_t fee, int16_t clause);

// Computer clubs' bidding.
int16_t FindClubForPlayer(int16_t player);                     // stand-in: -1 (no club wants him)
int32_t CalcComputerOfferPrice(int16_t player, int16_t club);  // stand-in: -1 (no bid)

// The human manager's pending sales. Stand-in: the offer is dropped.
void GNW_AddHumanSale(int16_t manager, int16_t player, int16_t buyingClub);
