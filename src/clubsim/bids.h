// Bids: every club's four bid slots (one per position group) and the answer
// slots that count the days until the player's side answers. The answer
// slots' clearing and searching (BidInfo_Clear, BidInfo_ClearAll,
// BidInfo_FindPlayer, BidInfo_FindFreeSlot) are the world's (world/lists.h);
// the daily countdown and the decision are BidDecisionStep's
// (clubsim/transfers.h).
#pragma once

#include <cstdint>

constexpr int NUM_DEADLINE_PERIODS = 3;
constexpr int32_t LOAN_BID_PRICE = 100;  // the price of a loan bid for a player on the loan list

// Whether transfer-deadline period 0-2 (from its deadline day to the day the
// market opens again, both counted; a period whose end comes before its start
// runs over the new year) holds the day of the season.
bool DeadlinePeriodInForce(int period, int32_t day);

// The bid slot of a stored position: 0 keepers, 1 defenders (1-4), 2
// midfielders (5-9), 3 forwards (10-12); -1 for any other position.
int BidSlotOfPosition(int32_t position);

// Starts the answer countdown of the player in the answer slot: his morale x
// (personality stat 19 / 20 + 2) / 60 days, at least 1 and at most 15; an
// answer that would fall inside a deadline period comes on its first day (or
// tomorrow, when that day is today or past). A slot outside 0-399 is ignored.
void BidInfo_Start(int16_t player, int16_t slot);

// Empties every slot of the club that names the player (player -1, price 0,
// clause 0); nothing for a club outside 0-249.
void ClubBid_WithdrawPlayer(int16_t club, int16_t player);
// Empties all four slots of the club.
void ClubBid_ClearAll(int16_t club);
// The bid slots of the clubs 0-249 other than this one that name the player.
int16_t ClubBid_CountForPlayer(int16_t club, int16_t player);
// -1 when one of the club's slots names the player, else the player.
int16_t ClubBid_HasPlayer(int16_t club, int16_t player);

// The club bids the price (whole money; 0 a free transfer or a contract
// offer, LOAN_BID_PRICE for a loan-listed player a loan) for the player, in
// the slot of the position's group, with the sell-on clause flag. Answers the
// player, or -1 when the slot is taken or the position is not 0-12 (nothing
// placed, no news). A placed bid makes the news for the bidder and the owning
// club, after "joined the race" news when the human club is bidding for him
// too. A negative price is taken as 0.
int16_t MakeTransferOffer(int16_t club, int16_t player, int32_t price, int16_t position, int16_t clause);
