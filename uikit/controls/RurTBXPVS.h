#pragma once
// The toolbar's theme binder: the visual-styles functions bound by name, counted so that loading
// and freeing may pair up from several users (guarded by a lock), and the themed-text drawing
// bound on first use.
#include "RurThemeBinding.h"
#include "Startup.h"

namespace RurTBXPVS {
// Unloaded when the library did not load; missing entries are null.
const TThemeBinding& Theme();
bool ThemeLibLoaded();
int ThemeLibReferenceCount();
// Loads and binds once; every call that loads counts one reference.
void LoadThemeFunctions();
// Drops a reference and frees the library.
void UnloadThemeFunctions();

// DrawThemeTextEx from this binder's library, bound on its first call; E_NOTIMPL while the library
// is not loaded or lacks the function (the library is never loaded for it).
HRESULT DynDrawThemeTextEx(HTHEME theme, HDC dc, int part, int state, LPCWSTR text, int count, DWORD flags,
                           LPRECT rect, const DTTOPTS* options);

void InitializeRurTBXPVS();
void FinalizeRurTBXPVS();
inline constexpr TUnitStep RurTBXPVSUnit{"RurTBXPVS", &InitializeRurTBXPVS, &FinalizeRurTBXPVS};
} // namespace RurTBXPVS
