// The world facade (GNW_*): the human manager's deals and the transfer log.
//
// What the human manager has agreed but not yet completed waits in the deal
// tables: the players whose sale he agreed (with their buying clubs), the
// players whose contract offer awaits an answer (a bid his club won waits
// there too), and the players he has approached. The facade also completes a
// bid his club has won (a transfer or a loan, with its news), forwards the
// valuation, bid and offer services of the club simulation, hands out his job
// offers, and keeps the transfer log, the ring of the last 10,000 completed
// transfers.
//
// The tables hold the deals of one human manager: an operation that takes a
// manager number answers only for manager 1 (another number finds nothing and
// stores nothing). A sale, once removed or cleared, leaves no trace: both its
// club and its player entry are emptied, and every lookup takes the first
// slot whose player is set.
//
// The post-match writers of the club records and the fixture's player entries
// live with the post-match updates (season/postmatch.h).
#pragma once

#include <cstdint>

// ======================================================================
// The deal tables
// ======================================================================

constexpr int HUMAN_SALE_SLOTS = 128;
constexpr int HUMAN_CONTRACT_SLOTS = 4;
constexpr int HUMAN_APPROACHED_SLOTS = 20;

// -1 is a free entry everywhere. A sale slot is free when its player is -1
// (its club is -1 then too).
struct HumanDealTablesRecord {
  int16_t saleClubs[HUMAN_SALE_SLOTS];    // the buying club of each agreed sale
  int16_t salePlayers[HUMAN_SALE_SLOTS];  // the player sold
  int16_t contracts[HUMAN_CONTRACT_SLOTS];     // players whose contract offer awaits an answer
  int16_t approached[HUMAN_APPROACHED_SLOTS];  // players approached, most recent first
};
extern HumanDealTablesRecord HumanDealTables;

// The current human manager's number (1 the first); the job offers and the
// squad statistics records follow him.
extern int16_t CurrentHumanManager;

// Stores the sale in the first free slot; nothing when all 128 are taken.
void GNW_AddHumanSale(int16_t manager, int16_t player, int16_t club);
// Empties the first slot that holds the player (club and player).
void GNW_RemoveHumanSale(int16_t player);
int16_t GNW_HasHumanSales();
// Every sale slot empty.
void GNW_ClearHumanSales();
// The player and the buying club of the first agreed sale. Finding none is a
// programming error that ends the program (each with its own message).
int16_t GNW_FindHumanSales(int16_t manager);
int16_t GNW_FindHumanSalesTeam(int16_t manager);
int16_t GNW_GetHumanSales(int16_t manager);       // the buying club
int16_t GNW_GetHumanSalePlayer(int16_t manager);  // the player

// A player into the first free contract slot: 1 (also when he is pending
// already: never twice), or 0 when all four are taken (or for another manager
// than 1). The bid decisions put a bid the human club won here, day after day
// until the manager settles it.
int16_t HumanDeals_AddPendingContract(int16_t manager, int16_t player);
// The first pending contract's player; none ends the program.
int16_t GNW_GetHumanContracts(int16_t manager);
void GNW_RemovePendingContract(int16_t player);
int16_t GNW_HasPendingContracts();
void GNW_ClearPendingContracts();

// 0 when the list is full (its twentieth entry used); else every entry moves
// one place back, the player becomes entry 0, and the answer is 1.
int16_t GNW_AddApproachedPlayer(int16_t manager, int16_t player);
// 0 when the player is on the list, else 1.
int16_t GNW_IsPlayerNotApproached(int16_t manager, int16_t player);
void GNW_ClearApproachedPlayers();
// The approached list, the contract slots and the sales emptied (every round
// of the day loop).
void GNW_ClearHumanDealLists();

// ======================================================================
// Bids and offers
// ======================================================================

// The bid answer slot (0-399) that holds the player; none ends the program.
int16_t GNW_FindBidSlot(int16_t player);
int16_t GNW_GetBidInfoPlayer(int16_t slot);
int16_t GNW_FindBidInfoSlot(int16_t player);  // -1 none
int16_t GNW_FindFreeBidInfoSlot();            // -1 none
// Starts the player's answer countdown in that answer slot.
void GNW_StartBidInfo(int16_t player, int16_t slot);
void GNW_ClearBidInfo(int16_t slot);
// A club's bid slot 0-3: the player, the price in hundreds, the clause.
int16_t GNW_GetClubBidPlayer(int16_t club, int16_t slot);
int32_t GNW_GetClubBidPrice(int16_t club, int16_t slot);
int16_t GNW_GetClubBidClause(int16_t club, int16_t slot);
void GNW_SetClubBid(int16_t club, int16_t slot, int16_t player, int32_t price, int16_t clause);
void GNW_WithdrawClubBid(int16_t club, int16_t player);
// The bids for the player that clubs other than this one hold.
int16_t GNW_CountBidsForPlayer(int16_t player, int16_t club);
// The club bids for the player in the slot of the position's group: the
// player, or -1 when that slot is taken. A price of 0 is a free transfer, of
// exactly 100 for a loan-listed player a loan.
int16_t GNW_MakeTransferOffer(int16_t club, int16_t player, int32_t price, int16_t position, int16_t clause);
// The fee the bidding club settles on when the human manager sells.
int32_t GNW_EvaluateBidForPlayer(int16_t player, int32_t askingPrice, int16_t turn, int16_t club, int16_t* patience,
                                 int16_t rounds, int16_t clause);
// The owning club's asking price after the human manager's offer.
int32_t GNW_EvaluatePlayerOffer(int16_t player, int32_t offer, int32_t previousOffer, int32_t askingPrice,
                                int16_t turn, int16_t club, int16_t* patience, int16_t clause);
// A player's verdict on a contract offer (0 refused, else the contract he
// would have); Conclude applies an accepted one.
int16_t GNW_EvaluateContractOffer(int16_t player, int16_t club, int16_t months, int16_t brClause, int16_t rrClause,
                                  int32_t wage, int16_t* patience);
int16_t GNW_ConcludeContractOffer(int16_t player, int16_t club, int16_t months, int16_t brClause, int16_t rrClause,
                                  int32_t wage, int16_t* patience);
int32_t GNW_GetPlayerValue(int16_t player);
int32_t GNW_GetPlayerAskingPrice(int16_t player);
// The market price of the player's record (-1 none); stored only for a
// player with a wage.
int32_t GNW_GetPlayerManPrice(int16_t player);
void GNW_SetPlayerManPrice(int16_t player, int32_t price);
int16_t GNW_GetPlayerSaleStatus(int16_t player);
void GNW_SetPlayerSaleStatus(int16_t player, int16_t status);
int16_t GNW_GetPlayerBRClause(int16_t player);
int16_t GNW_GetPlayerRRClause(int16_t player);
// Starts the player's loan to the club, or ends his loan.
void GNW_LoanPlayer(int16_t player, int16_t club);
// Keeps the human squad's statistics records in step (a record for a player
// the human club buys, none for one it sells), then the club simulation
// moves the player, pays the fee and logs the transfer.
void GNW_TransferPlayer(int16_t player, int16_t club, int32_t fee, int16_t clause);
// Completes the bid of the current human manager's club that the selling side
// accepted: the loan or the transfer with its news, then the player's answer
// slot cleared and the club's bid for him withdrawn. The player must have an
// answer slot (none ends the program); without a human club nothing happens.
void GNW_CompleteHumanBid(int16_t player);
// Every loan slot that holds the player ends: he goes back to the slot's club,
// his on-loan and loan-list flags cleared, the slot emptied.
void GNW_EndPlayerLoanSlots(int16_t player);

// ======================================================================
// The human manager's job offers
// ======================================================================

// The day's job words: the club offering the human manager a job (-1 none),
// the pending offer (manager number + 1, 0 none), the human manager sacked
// today (0 none) and the club that sacked him (-1 none).
extern int16_t JobOfferingClub;
extern int16_t JobOfferPending;
extern int16_t SackedHumanManager;
extern int16_t SackingClub;

int16_t GNW_GetJobOfferClub();
int16_t GNW_GetJobOfferExpiry();
int16_t GNW_GetJobOfferKind();
void GNW_ClearJobOffer();
int16_t GNW_GetJobOfferingClub();
int16_t GNW_GetJobOfferPending();
void GNW_SetJobOfferPending(int16_t value);
int16_t GNW_GetSackedHumanManager();
// The current human manager applies to the club: 0 refused (the club that has
// just sacked him, a club far above him, or no flag), 1 when he far outranks
// the club, 2 when the application is recorded as a job offer.
int16_t GNW_ApplyForManagerJob(int16_t club, int16_t flag);
// The game country's clubs with a full record, in club order, whose division
// does not exceed the country's divisions and whose manager is missing or a
// caretaker; the rest of the 250 entries -1. Answers the count.
int16_t GNW_ListManagerVacancies(int16_t* list);
void GNW_ReleaseClubManager(int16_t club);

// ======================================================================
// The transfer log
// ======================================================================

constexpr int TRANSFER_LOG_ENTRIES = 10000;
constexpr int TRANSFER_LOG_ENTRY_SIZE = 16;  // in the save file

// One completed transfer; -1 in every field of an entry never written. Clubs
// are database club numbers; a player from the reserve pool names his reserve
// slot as the seller.
struct TransferLogEntry {
  int16_t sellingClub;
  int16_t buyingClub;
  int16_t player;
  int32_t fee;
  int16_t day;    // of the month
  int16_t month;  // 0-11
  int16_t year;
};
// The ring: the next entry is written at TransferLogIndex, which goes back to
// 0 first when it has reached 10,000, so the newest entry stands just before
// the index and the oldest is overwritten once the ring is full.
extern TransferLogEntry TransferLog[TRANSFER_LOG_ENTRIES];
extern int16_t TransferLogIndex;

// Every field of every entry -1, the write index 0 (a new game).
void GNW_ClearTransferLog();
// Entry n (0-9,999) in ring order; a number outside the ring answers an entry
// never written.
const TransferLogEntry* GNW_GetTransferLogEntry(int16_t n);
// The club's transfers over the whole log: fees received and paid (summed
// without overflow, held at the int32 limits) and their counts. All four are
// 0 for a club id outside 0-249 or a club without a database number.
void GNW_GetClubTransferTotals(int16_t club, int32_t* soldSum, int32_t* boughtSum, int16_t* soldCount,
                               int16_t* boughtCount);
// Logs a completed transfer (the transfer routine calls it), dated today:
// the selling and buying clubs as the log names them (database club numbers,
// a player of the reserve pool by his reserve slot), the player and the fee.
void TransferLog_Add(int16_t sellingClub, int16_t buyingClub, int16_t player, int32_t fee);
// The same for two world clubs (or 252, 254, 255), named as the log names them.
void TransferLog_Append(int16_t sellingClub, int16_t buyingClub, int16_t player, int32_t fee);
// Entries written (those with a buying club), at most 10,000.
int16_t TransferLog_Count();
// The k-th newest entry (0 the newest), null for k outside 0..count - 1.
const TransferLogEntry* TransferLog_GetRecent(int16_t k);

// The deal tables, the transfer log and the job words as at program start:
// every entry -1, the write index 0.
void FuncsDeals_Reset();
