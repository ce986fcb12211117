// Haggling over a fee between the human manager and a computer club, one
// answer per turn: the fee a computer club settles on when it buys from him,
// and the owning club's demand when he buys. Fees of many millions are
// worked out without overflow; every division truncates.
#pragma once

#include <cstdint>

// The fee the bidding club settles on for the player against the human's
// asking price: never above the asking price nor what the club can spend,
// rounded like every offer. patienceOut gets 1-99. rounds is 0 from every
// caller; clause 1 when the sell-on clause is asked.
int32_t EvaluateBidForPlayer(int16_t player, int32_t askingPrice, int16_t turn, int16_t club, int16_t* patienceOut,
                             int16_t rounds, int16_t clause);

// The owning club's demand after the human club's offer: the offer itself or
// a demand at or below it means the deal is accepted. An offer not raised
// leaves the demand (patience -1); an offer at the club's target is taken at
// the target (patience 0); the first answer names the target; later ones come
// down slowly while the demand is less than half again the offer.
int32_t EvaluatePlayerOffer(int16_t player, int32_t offer, int32_t previousOffer, int32_t askingPrice, int16_t turn,
                            int16_t club, int16_t* patienceOut, int16_t clause);
