// The poll list: periodic work run from every long loop through Poll().
#pragma once

#include <cstdint>

constexpr int MAX_POLL_ITEMS = 32;

typedef void (*PollFunc)();

void InitPoll();
void UninitPoll();
int16_t AddPollFunction(PollFunc function, int32_t rate, int32_t flags);
void RemovePollFunction(int16_t index);
void Poll();

int PollIsInitialised();
uint32_t PollLateCount();
// Calls of Poll since the start (or the last reset).
uint64_t PollCallCount();
// Forgets the list without checks (tests).
void PollReset();
