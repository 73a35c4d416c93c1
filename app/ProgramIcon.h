#pragma once
// The program's own icon (resource MAINICON) on a window: its caption and its taskbar entry.
#include <windows.h>

// Does nothing when the module has no such icon.
void ShowProgramIcon(HWND window);
