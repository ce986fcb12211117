// Contract terms: what a club offers a player (length, the relegation-release
// and buy-out clauses, the wage), whether he takes it, and the renewals of a
// club's squad. The two clause decisions are DecideRRClause and DecideBRClause
// (clubsim/clubsvc.h). Wages here are money per week; the player record keeps
// them in units of 25.
#pragma once

#include <cstdint>

// The months a club offers: 36 to a player of 32 or younger with a match
// shirt 1-11 (24 with a higher shirt, 12 without) at a club of 16 or more
// available players, 12 to anybody else; a long offer to a player of the club
// with under 6 months left is cut by what is missing and falls to 24 or 12.
// 0 for a club from 250 up.
int16_t ContractLength(int16_t player, int16_t club);

// The weekly wage the club offers: the player's demand, capped (unless the
// club is keen: short of players, the player not for sale, or a shirted
// player near the end of his contract) at the club's average wage plus twice
// a share of it that grows with the months run and falls with the manager's
// thrift. 1 for a club from 250 up.
int32_t OfferedWage(int16_t player, int16_t club);

// Whether the player would take the club's offer of months, clauses and a
// weekly wage: 0 when he refuses (*patienceOut then gets by how much, clamped
// to 16 bits), else the contract he would have (months, plus the months he has
// left at his own club; *patienceOut 0). The club's manager judges for the
// club. Changes nothing. patienceOut may be null.
int16_t EvaluateContractOffer(int16_t player, int16_t club, int16_t months, int16_t brClause, int16_t rrClause,
                              int32_t wage, int16_t* patienceOut);

// The same question by the rules of a deal being closed (a keener player,
// who always moves to a club when his morale is 10 or less), and on
// acceptance the contract is made: contract, wage and both clauses. A renewal
// at a club without the contract clause makes the news.
int16_t ConcludeContractOffer(int16_t player, int16_t club, int16_t months, int16_t brClause, int16_t rrClause,
                              int32_t wage, int16_t* patienceOut);

// Offers new terms to every full-record, paid, unlisted player of the club's
// squad list whose contract is down to 11 months or less and who is young
// (under 35), valued, or a starter under 37; players of 35 and over first get
// a three-year contract at a foreign club, or in August at a home club. Uses
// the current squad list, rebuilt for the club when it holds another's.
void RenewSquadContracts(int16_t club);
