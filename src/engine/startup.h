// Start-up and shutdown: the process entry, the options file and the order in
// which the engine services come up and go down.
#pragma once

#include <cstdint>

#include "engine/winlib.h"
#include "world/datablocks.h"

constexpr int MAX_COMMAND_WORDS = 255;  // words after the program path

extern uint32_t WindowFlags;  // bit 0: run in a window
extern int16_t LowMemoryPC;
extern int16_t SlowCPU;

// The settings OPTIONS.DAT keeps: each item is one block of the container.
typedef BlockTableEntry OptionsItem;
extern OptionsItem OptionsList[];

int WinMain(WinHandle instance, WinHandle previous, const char* commandLine, int showCommand);
int GameMain(int wordCount, char** words);
void InitialisePC(int wordCount, char** words);
void UninitialisePC();
void LoadOptionsFile();
void SaveOptionsFile();
char GetCDDrive();
const char* GetCDRootPath();
int16_t IsSlowCPU();
int16_t IsLowMemoryPC();

// Splits a command line into the word list: word 0 is the program path,
// then at most MAX_COMMAND_WORDS words; ends with a null. Returns the count.
int BuildCommandWords(const char* programPath, const char* commandLine, char** words);

// Defaults for every option of OPTIONS.DAT.
void OptionsDefaults();

// Start-up's state as at program start (a registered reset).
void StartupReset();
