#include "RurDWM.h"

#include <utility>

#include "PlatformFacts.h"

namespace RurDWM {
namespace {

struct TState {
    HMODULE Library = nullptr;
    decltype(&::DwmDefWindowProc) DefWindowProc = nullptr;
    decltype(&::DwmExtendFrameIntoClientArea) ExtendFrameIntoClientArea = nullptr;
    decltype(&::DwmIsCompositionEnabled) IsCompositionEnabled = nullptr;
    TDwmProcLookup Lookup;
};

TState& State()
{
    static TState state;
    return state;
}

// Binds the entry into its cell on first use; false when the library or the entry is missing.
template <class F>
bool Bind(F& cell, const char* name)
{
    if (cell)
        return true;
    LoadDwmLibrary();
    TState& state = State();
    if (!state.Library)
        return false;
    TProcAddress entry = state.Lookup ? state.Lookup(state.Library, name)
                                   : reinterpret_cast<TProcAddress>(GetProcAddress(state.Library, name));
    cell = reinterpret_cast<F>(entry);
    return cell != nullptr;
}

} // namespace

void LoadDwmLibrary()
{
    TState& state = State();
    if (!state.Library)
        state.Library = LoadLibraryW(L"DWMAPI.DLL");
}

BOOL DynDwmDefWindowProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    TState& state = State();
    return Bind(state.DefWindowProc, "DwmDefWindowProc") ? state.DefWindowProc(wnd, message, wParam, lParam, result)
                                                          : FALSE;
}

HRESULT DynDwmExtendFrameIntoClientArea(HWND wnd, const MARGINS* margins)
{
    TState& state = State();
    return Bind(state.ExtendFrameIntoClientArea, "DwmExtendFrameIntoClientArea")
               ? state.ExtendFrameIntoClientArea(wnd, margins)
               : E_NOTIMPL;
}

HRESULT DynDwmIsCompositionEnabled(BOOL* enabled)
{
    TState& state = State();
    return Bind(state.IsCompositionEnabled, "DwmIsCompositionEnabled") ? state.IsCompositionEnabled(enabled)
                                                                        : E_NOTIMPL;
}

bool IsDwmCompositionEnabled()
{
    if (PlatformWindowsVersion().Major < 6)
        return false;
    BOOL enabled = FALSE;
    return DynDwmIsCompositionEnabled(&enabled) == S_OK && enabled;
}

TDwmProcLookup SetDwmProcLookup(TDwmProcLookup lookup)
{
    TState& state = State();
    state.DefWindowProc = nullptr;
    state.ExtendFrameIntoClientArea = nullptr;
    state.IsCompositionEnabled = nullptr;
    return std::exchange(state.Lookup, std::move(lookup));
}

void FinalizeRurDWM()
{
    TState& state = State();
    state.DefWindowProc = nullptr;
    state.ExtendFrameIntoClientArea = nullptr;
    state.IsCompositionEnabled = nullptr;
    if (state.Library)
        FreeLibrary(std::exchange(state.Library, nullptr));
}

} // namespace RurDWM
