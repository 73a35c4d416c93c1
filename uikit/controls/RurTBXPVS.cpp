#include "RurTBXPVS.h"

#include <mutex>

namespace RurTBXPVS {
namespace {

struct TState {
    TThemeBinding Binding;
    int References = 0;
    std::mutex Lock;
    decltype(&::DrawThemeTextEx) DrawThemeTextEx = nullptr;
};

TState& State()
{
    static TState state;
    return state;
}

} // namespace

const TThemeBinding& Theme() { return State().Binding; }
bool ThemeLibLoaded() { return State().Binding.Loaded(); }
int ThemeLibReferenceCount() { return State().References; }

void LoadThemeFunctions()
{
    TState& state = State();
    if (state.Binding.Loaded())
        return;
    std::lock_guard lock(state.Lock);
    if (state.Binding.Loaded())
        return;
    state.Binding.Load(ThemeLibraryName, ThemeBindingOrder(TPartSizeBinding::None));
    if (state.Binding.Loaded())
        ++state.References;
}

void UnloadThemeFunctions()
{
    TState& state = State();
    std::lock_guard lock(state.Lock);
    if (state.References > 0)
        --state.References;
    state.Binding.Unload();
    state.DrawThemeTextEx = nullptr;
}

HRESULT DynDrawThemeTextEx(HTHEME theme, HDC dc, int part, int state, LPCWSTR text, int count, DWORD flags,
                           LPRECT rect, const DTTOPTS* options)
{
    TState& s = State();
    if (!s.Binding.Loaded())
        return E_NOTIMPL;
    if (!s.DrawThemeTextEx)
        s.DrawThemeTextEx = reinterpret_cast<decltype(&::DrawThemeTextEx)>(
            reinterpret_cast<void (*)()>(GetProcAddress(s.Binding.Library(), "DrawThemeTextEx")));
    if (!s.DrawThemeTextEx)
        return E_NOTIMPL;
    return s.DrawThemeTextEx(theme, dc, part, state, text, count, flags, rect, options);
}

void InitializeRurTBXPVS() { LoadThemeFunctions(); }

void FinalizeRurTBXPVS()
{
    while (ThemeLibReferenceCount() > 0)
        UnloadThemeFunctions();
}

} // namespace RurTBXPVS
