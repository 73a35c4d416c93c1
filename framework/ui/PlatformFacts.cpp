// The platform facts: the system's answers, or the values a test injected.
#include "PlatformFacts.h"

#include <uxtheme.h>

#include "SystemFunction.h"

namespace {

TPlatformFactsInjection& Injected()
{
    static TPlatformFactsInjection injected;
    return injected;
}

TWindowsVersion ProbedWindowsVersion()
{
    // The kernel's own call reports the true version; GetVersionEx answers what the manifest claims.
    using TRtlGetVersion = LONG(WINAPI*)(OSVERSIONINFOW*);
    static const auto rtlGetVersion = SystemFunction<TRtlGetVersion>(L"ntdll.dll", "RtlGetVersion");
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (!rtlGetVersion || rtlGetVersion(&info) != 0)
        return {};
    return {static_cast<int>(info.dwMajorVersion), static_cast<int>(info.dwMinorVersion),
            static_cast<int>(info.dwBuildNumber)};
}

} // namespace

TWindowsVersion PlatformWindowsVersion()
{
    if (Injected().Version)
        return *Injected().Version;
    static const TWindowsVersion probed = ProbedWindowsVersion();
    return probed;
}

bool PlatformThemesActive()
{
    if (Injected().ThemesActive)
        return *Injected().ThemesActive;
    return IsThemeActive() && IsAppThemed();
}

bool PlatformCompositionEnabled()
{
    if (Injected().CompositionEnabled)
        return *Injected().CompositionEnabled;
    using TDwmIsCompositionEnabled = HRESULT(WINAPI*)(BOOL*);
    static const auto isEnabled = SystemFunction<TDwmIsCompositionEnabled>(L"dwmapi.dll", "DwmIsCompositionEnabled");
    BOOL enabled = FALSE;
    return isEnabled && isEnabled(&enabled) == S_OK && enabled;
}

int PlatformMonitorDpi(HMONITOR monitor)
{
    if (Injected().Dpi)
        return *Injected().Dpi;
    using TGetDpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static const auto getDpi = SystemFunction<TGetDpiForMonitor>(L"shcore.dll", "GetDpiForMonitor");
    UINT x = 0, y = 0;
    if (monitor && getDpi && getDpi(monitor, 0, &x, &y) == S_OK && y > 0)
        return static_cast<int>(y);
    return PlatformScreenDpi();
}

int PlatformScreenDpi()
{
    if (Injected().Dpi)
        return *Injected().Dpi;
    HDC dc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    return dpi > 0 ? dpi : 96;
}

TInjectedPlatformFacts::TInjectedPlatformFacts(const TPlatformFactsInjection& facts) : FPrevious(Injected())
{
    TPlatformFactsInjection& now = Injected();
    if (facts.Version)
        now.Version = facts.Version;
    if (facts.ThemesActive)
        now.ThemesActive = facts.ThemesActive;
    if (facts.CompositionEnabled)
        now.CompositionEnabled = facts.CompositionEnabled;
    if (facts.Dpi)
        now.Dpi = facts.Dpi;
}

TInjectedPlatformFacts::~TInjectedPlatformFacts() { Injected() = FPrevious; }
