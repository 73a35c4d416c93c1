#pragma once
// The desktop window manager's functions the kit uses, bound by name on first use so that the
// program runs where the library or a function is missing (answers then as the comments say).
#include "WinApiNames.h"

#include <dwmapi.h>

#include <functional>

#include "Startup.h"

namespace RurDWM {
// Loads "DWMAPI.DLL" unless loaded; a failed load is tried again on the next call.
void LoadDwmLibrary();
// False (0) when the library or the function is missing.
BOOL DynDwmDefWindowProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
// E_NOTIMPL when the library or the function is missing.
HRESULT DynDwmExtendFrameIntoClientArea(HWND wnd, const MARGINS* margins);
HRESULT DynDwmIsCompositionEnabled(BOOL* enabled);
// Windows Vista or later with composition on.
bool IsDwmCompositionEnabled();

// Looks an entry up in the library; tests count the lookups. An empty function restores
// GetProcAddress.
using TProcAddress = void (*)();
using TDwmProcLookup = std::function<TProcAddress(HMODULE, const char*)>;
TDwmProcLookup SetDwmProcLookup(TDwmProcLookup lookup);

void FinalizeRurDWM();
inline constexpr TUnitStep RurDWMUnit{"RurDWM", nullptr, &FinalizeRurDWM};
} // namespace RurDWM
