// Keyboard, mouse and joysticks.
//
// Keys are numbered by their key index: the extended-key bit x 128 + the
// 7-bit scan code, 0 to 255 (key 1 is Escape).
#pragma once

#include <cstdint>

constexpr int KEY_TABLE_SIZE = 257;
constexpr int KEY_LANGUAGE_KEYS = 89;
constexpr int KEY_QUEUE_SIZE = 64;
constexpr int MAX_JOYSTICKS = 4;

void InitKeyboardInterrupt();
void ClearKeyboardInterrupt();
void SetKeyboardLanguage(int language);
int KeyIsInitialised();
int KeyIsDown(int key);
int KeyWasPressed(int key);
int KeyGetLast();
uint8_t KeyToAscii(int key, int shifted);
int KeyAsciiAvailable();
uint8_t KeyAsciiRead();
void KeyFlush();

void InitMouseDriver();
void ResetMouseDriver();
void ReadMouseDriver(int* dx, int* dy, int* buttons);
void MarkMouseDriverNotReady();
void UninitMouseDriver();
int16_t MouseDriverState();  // 0 not initialised, 1 not ready, 2 ready

struct JoystickState {
  int16_t buttons;  // -1: the joystick could not be read
  int16_t x;
  int16_t y;
  int16_t marker;  // -1: its capabilities could not be read
};
void InitJoysticks();
const JoystickState* ReadJoysticks();
uint32_t JoystickCount();

// Forget all input state without platform calls (tests).
void KeyboardReset();
void MouseReset();
