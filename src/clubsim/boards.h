// The boards: how a club's board judges its manager (recent form, money and
// league standing against reputation), the expected league places, the
// board's word to the human manager, the human manager's job applications
// and the offers they bring, and the computer clubs' manager changes:
// appointments, caretakers, resignations and sackings.
#pragma once

#include <cstdint>

#include "world/static_country.h"

// Per game country and division 0-5: the money scale of the finance score
// and of an appointment's welcome money (x 3,000).
extern const int32_t FinanceDivisor[NUM_GAME_COUNTRIES][NUM_DIVISIONS];

// ---- the board's scores ----

// Form 0-60 from the club's results of the last 30 days (friendlies and the
// special code aside, played fixtures before today only): 30 with fewer than
// five games. The 20-day twin needs four games, the season twin (every game
// of the season so far) one.
int16_t CalcClubFormScore(int16_t club);
int16_t CalcClubForm20Score(int16_t club);
int16_t CalcClubSeasonFormScore(int16_t club);

// 0-16: the balance against FinanceDivisor x 3,000 of the club's division,
// 0 for a negative balance and for a club outside divisions 0-5.
int16_t CalcFinanceScore(int16_t club);

// The game country's league clubs with a full record, highest reputation
// first (equal reputations in club order); a club's index is its reputation
// rank. Rebuilt by BuildReputationTable.
struct ReputationEntry {
  int16_t club;
  int32_t reputation;
};
constexpr int REPUTATION_TABLE_SIZE = 250;
extern ReputationEntry ReputationTable[REPUTATION_TABLE_SIZE];
extern int16_t ReputationTableLength;
void BuildReputationTable();
// The club's index in the table, the table's length when it is not listed.
int16_t GetReputationRank(int16_t club);

// 0-24: the club's overall league rank against its reputation rank; 12 when
// the two agree, more when it stands higher than its name.
int16_t CalcRepRankScore(int16_t club);

// 1 when form + finance + rank score < 35.
int16_t BoardWouldSackManager(int16_t club);

// ---- expected places ----

// Every league club of the game country: its expected place in its division
// from its reputation rank (the reputation table as it stands) and its
// season disciplinary points 0.
void SetAllClubsExpectedPlace();
// One league club of the game country: the reputation table rebuilt, then
// as above; after the first season its current overall place counts when it
// is better than its reputation rank. Other clubs are left alone.
void SetClubExpectedPlace(int16_t club);

// ---- the human manager's board and jobs ----

// The board's verdict on human manager 1's form, as a news message for his
// club: nothing while his 20-day form is below 30; then by the 30-day form
// (above 58, 50-58, 41-49, 25-40 nothing, 17-24, 9-16, 0-8) and by how his
// club's standing and his own name compare with its reputation.
void PostBoardConfidenceNews();

// Human managers' job offers: per manager (1-4) the offering club, the day
// the answer is due and the kind (1 an offer, 0 a refusal); -1 in all three
// when there is none. The functions work on the current human manager's.
constexpr int MAX_HUMAN_MANAGERS = 4;
struct JobOfferEntry {
  int16_t club;
  int16_t dueDay;
  int16_t kind;
};
// Records the current human manager's application to the club: a refusal
// when his score (twice his reputation + 115 - his club's overall rank + its
// form) is below the club's (twice its reputation + 115 - its overall rank),
// else an offer when rand() % 45 < the form; due 2-13 days from today. A
// manager without a club counts form 30 and the overall rank of the club he
// last left (the lowest rank when it is not known).
void ApplyForManagerJob(int16_t club);
int16_t GetJobOfferClub();
int16_t GetJobOfferExpiry();
int16_t GetJobOfferKind();
void ClearJobOffer();
// Manager 1's entry as the saved game holds it: three little-endian int16.
constexpr int JOB_OFFER_IMAGE_SIZE = 6;
void JobOffer_Pack(uint8_t* out);
// Takes the saved entry; the club that last approached the human manager is
// not saved, so after a load it is none.
void JobOffer_Unpack(const uint8_t* in);
// Whether a saved entry is one the game can hold: none (-1 in all three), or
// a club 0-249, a due day 0-379 and a kind 0 or 1.
bool JobOffer_ImageSound(const uint8_t* in);

// The club that last approached the human manager (player 0), -1 none.
int16_t GetLastApproachingClub();

// ---- manager changes ----

// The club's manager leaves: a manager who is not a playing manager keeps
// the club's number as his former-club mark (in his wage field), then he has
// no club and neither caretaker nor playing-manager flag; the club becomes
// computer-run and its reputation rises by 2. A club without a manager only
// becomes computer-run and gains the reputation.
void ReleaseClubManager(int16_t club);

// The search for a new manager of the club: an unattached manager whose
// reputation fits the club (between half and all of its own), or now and
// then a manager of a lesser club to poach. Answers the chosen manager (his
// flags cleared, morale 60, poaching news), or 1 when nobody was found or
// when the human manager was approached (he answers on the job screens; the
// job-offering words are set and this club is remembered as the last one
// that approached him).
int16_t FindNewManager(int16_t club);

// A club without a manager names a senior player of its squad (31 or older,
// not listed, not on loan) as caretaker playing manager, or now and then as
// its permanent playing manager when his name is big enough for the club.
void AppointCaretaker(int16_t club);

// A sacked manager's reputation once his club's has been lowered: when it
// stands d above the club's it comes down by d - d / 2, to d / 2 above.
int16_t SettleSackedReputation(int16_t managerRep, int16_t clubRep);

// The day's manager changes, for the game country's league clubs whose
// number mod 7 is the weekday: a vacant or caretaker post is filled (35 %
// a day) or, when nobody is found, given a caretaker; a manager may resign
// for a bigger job, be sacked when the board's scores are poor (a human
// manager only on days 0, 1, 7, 8, 14, ... of the month and at most one a
// day), walk out, or be the subject of rumours.
void ComputerClubsManagerChanges();

void Boards_Reset();
