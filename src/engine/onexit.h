// The exit list: clean-up functions that run once, newest first, however the
// program ends.
#pragma once

#include <cstdint>

constexpr int MAX_ONEXIT = 64;

typedef void (*OnExitFunc)();

void OnExitAddEx(OnExitFunc function, const char* name);
void OnExitRemove(OnExitFunc function);
void OnExitRun();

// 1 while the runtime's process exit runs the list: the program is ending and
// must not start another exit.
int OnExitProcessExiting();

// Number of registered functions and the name in a slot (tests, reports).
int OnExitCount();
const char* OnExitName(int slot);
// Empties the list (tests); the process-exit handler stays installed.
void OnExitReset();
