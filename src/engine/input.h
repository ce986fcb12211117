// Keyboard, mouse and joysticks: start and stop. The readers come with the
// input layer.
#pragma once

#include <cstdint>

void InitKeyboardInterrupt();
void ClearKeyboardInterrupt();
void SetKeyboardLanguage(int language);
int KeyIsInitialised();

void InitMouseDriver();
void UninitMouseDriver();

void InitJoysticks();
