// The main window and its message loop.
#pragma once

#include <cstdint>

#include "platform/platform.h"

constexpr int MAX_WINDOW_PROCS = 16;
constexpr int MAX_TASKSWITCH_LIST = 32;

typedef void* WinHandle;
typedef intptr_t (*WinProc)(WinHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam);
typedef void (*TaskSwitchFunc)(uint8_t active);

void WinInit(WinHandle instance, const char* appName, uint32_t flags);
void WinUninit();
void CreateMainWindow();
void DestroyMainWindow();
intptr_t WinMainWindowProc(WinHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam);
intptr_t WinPassMessage(WinHandle window, uint32_t message, uintptr_t wParam, intptr_t lParam);
uint16_t WinAddWindowProc(WinProc function);
void WinRemoveWindowProc(uint16_t index);
void WinAddTaskswitchFunc(TaskSwitchFunc function);
void WinRemoveTaskswitchFunc(TaskSwitchFunc function);
void WinCallTaskswitchFuncs(uint8_t state);
void WinMessageHandler();
void WinIdleMessageHandler();
int WinCheckWasInactive();
int WinIsAppReady();
int WinIsWindowed();
WinHandle WinGetMainWindow();
WinHandle WinGetInstance();
const char* WinGetAppName();
void WinClientOrigin(int* x, int* y);
void WinSetClientSize(int width, int height);
int WinMessageBox(const char* text, unsigned type);

int WinIsInitialised();
// Forgets all window state without platform calls (tests).
void WinReset();
