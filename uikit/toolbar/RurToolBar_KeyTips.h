#pragma once
// Key tips: the short letter or digit codes the ribbon shows beside the glow buttons of its toolbars
// while it waits for the user to type one.
#include "System.h"

// Whether a key-down's virtual key can be typed into a key-tip code: the digits 0-9, the letters
// A-Z and the numeric keypad's 0-9 (which count as the digits). ch receives the character.
bool KeyTipChar(Word key, Char& ch);
