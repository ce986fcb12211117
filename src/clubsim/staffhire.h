// The clubs' staff: computer-run clubs filling their vacant posts from the
// staff on the market, a head coach for a human-run club that has none, the
// weekly staff wages and the monthly countdown of the staff contracts.
//
// Posts are numbered as the market numbers its candidates' kinds (StaffKind,
// world/funcs_finance.h): kind 6, the "Youth Coach", is the club's youth
// development officer (YDO); kind 8, the "Youth Scout", its youth coach
// (CoachYouth). A post is filled while its contract is not 0.
#pragma once

#include <cstdint>

// A new appointment's contract, in months.
constexpr int16_t STAFF_NEW_CONTRACT = 12;
// The head coach a human-run club is given runs this many months.
constexpr int16_t HUMAN_COACH_CONTRACT = 3;
// What a club without a paid squad player counts as its average wage.
constexpr int32_t NO_SQUAD_AVERAGE_WAGE = 50000;
// A computer-run club with less to spend on players hires nobody.
constexpr int32_t STAFF_HIRING_MIN_BUDGET = 50000;

// The average weekly wage (money) of the club's players with a full record
// who wear a match shirt (1-16), are not managers and are not on loan;
// NO_SQUAD_AVERAGE_WAGE when there is none.
int32_t AverageSquadWage(int16_t club);

// Fills the post of that kind when it is vacant: among the candidates of the
// kind on the market now whose level is at least 5 - the club's division
// (nobody for a division above 5), the one with the highest wage below the
// club's average squad wage (the first of equal wages; a wage of 0 never
// qualifies) takes the post with a STAFF_NEW_CONTRACT contract. The market
// keeps him. Answers 1 when the post was filled now, else 0. A kind outside
// 0-10 fills nothing.
int16_t HireStaff(int16_t club, int16_t kind);
// The same for each post by name.
int16_t HireStaff_Coach(int16_t club);
int16_t HireStaff_CoachGK(int16_t club);
int16_t HireStaff_CoachDF(int16_t club);
int16_t HireStaff_CoachMD(int16_t club);
int16_t HireStaff_CoachFW(int16_t club);
int16_t HireStaff_Physio(int16_t club);
int16_t HireStaff_YDO(int16_t club);
int16_t HireStaff_Dietition(int16_t club);
int16_t HireStaff_CoachYouth(int16_t club);
int16_t HireStaff_Psycho(int16_t club);
int16_t HireStaff_Faith(int16_t club);

// What a club with that budget and manager hires: nothing without a manager
// (NO_MANAGER_PLAYER) or with less than STAFF_HIRING_MIN_BUDGET; else, by the
// budget's band, a coach (below 100,000; a physio too from 100,000), the
// physio and the defence, midfield and forward coaches (from 250,000; the
// keeping coach too from 500,000), a dietician (from 10,000,000), a
// psychologist and a faith healer (from 20,000,000). The youth posts (the
// scout, then the development officer) by the manager's personality stat 21:
// both above 160 below 5,000,000 (only the scout from 40 in the band from
// 1,000,000), both from 40 from 5,000,000.
void HireStaffForBudget(int16_t club, int32_t budget, int16_t manager);

// The monthly hiring: every league club of the game country with a full
// record and without the hiring clause, that has a manager (who becomes the
// current manager) and at least STAFF_HIRING_MIN_BUDGET to spend, fills the
// posts its budget's band calls for, the youth posts by its manager's
// personality stat 21.
void ComputerClubsHireStaff();

// Every human-run club gets a head coach when it has none; its head coach's
// contract is then HUMAN_COACH_CONTRACT months, hired now or not.
void HumanClubsAppointCoach();

// The week's staff wages, for every club of the game country's league with a
// full record: a club below minus its division's debt limit pays nobody and
// every filled post's contract becomes 1 (the staff leave at the next
// countdown); any other club pays each filled post the wage of its level,
// to the pool, and adds it to its coaching-staff wages of the week (a
// human-run club to the human wages paid too).
void PayStaffWages();

// The month's countdown: every filled post of every club with a full record
// loses a month; a post whose contract ends loses its level, and a human-run
// club with the hiring clause hears its title in the news.
void StaffContractCountdown();
