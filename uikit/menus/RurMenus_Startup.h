#pragma once
// The menu unit's start-up and shut-down: the fixed extra width of pop-up items, and the desktop's
// menu-animation setting, which the kit's menus need off while the program runs. The setting is
// the user's, for the whole desktop: it is saved once at start-up and put back at the end only
// when it could be read.
#include <windows.h>

#include "Startup.h"

// Added to the width of every pop-up item when measured and taken off again when drawn, in device
// pixels: 17 at the screen's scale at start-up.
extern int MenuExtraWidth;
// The screen's scale: the main form's window's DPI (the desktop's without one) over 96.
float GetMenuDPIScale();
// MenuExtraWidth := Round(17 x the screen's scale).
void InitMenuExtraWidth();

// Reads the menu-animation setting (once until the shut-down puts it back; later calls only switch
// it off) and switches the animation off.
void SaveAndDisableMenuAnimation();
// Switches the animation off (before a pop-up opens, when a menu bar's first item is drawn).
void DisableMenuAnimation();
// Puts the setting read at start-up back, once, and only when it could be read; a later start-up
// reads it again.
void RestoreMenuAnimation();

// The system call the setting goes through; tests put another in place (returning the one before).
using TSystemParametersInfoProc = BOOL(WINAPI*)(UINT action, UINT param, PVOID value, UINT winIni);
TSystemParametersInfoProc SetMenuAnimationSystemCall(TSystemParametersInfoProc proc);
// Forgets the saved setting, as before start-up (tests only).
void ResetMenuAnimationState();

void RurMenusUnitInitialize();
void RurMenusUnitFinalize();
inline constexpr TUnitStep RurMenusUnit{"RurMenus", &RurMenusUnitInitialize, &RurMenusUnitFinalize};
