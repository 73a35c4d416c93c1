#pragma once
// Facts about the platform that drawing code branches on: the Windows version, whether visual
// themes are on, whether desktop composition is on, and the monitors' DPI. Each is asked of the
// system every time, unless a test has injected a value (TInjectedPlatformFacts), so that code
// written for Windows XP, 7, 8, 10 or 11 can be tested on the one version the test machine has.
#include <optional>

#include "WinApiNames.h"

#include "System.h"

struct TWindowsVersion {
    int Major = 0;
    int Minor = 0;
    int Build = 0;
    constexpr bool operator==(const TWindowsVersion&) const = default;
    // Whether this version is major.minor (and build) or later.
    constexpr bool AtLeast(int major, int minor, int build = 0) const
    {
        if (Major != major)
            return Major > major;
        if (Minor != minor)
            return Minor > minor;
        return Build >= build;
    }
};

// The versions code branches on, with the build numbers they report. Windows 10 and 11 both report
// 10.0; only the build (22000 and later for 11) tells them apart.
constexpr TWindowsVersion WindowsXP{5, 1, 2600};
constexpr TWindowsVersion WindowsVista{6, 0, 6002};
constexpr TWindowsVersion Windows7{6, 1, 7601};
constexpr TWindowsVersion Windows8{6, 2, 9200};
constexpr TWindowsVersion Windows81{6, 3, 9600};
constexpr TWindowsVersion Windows10{10, 0, 19045};
constexpr TWindowsVersion Windows11{10, 0, 22631};

struct TNamedWindowsVersion {
    const char* Name;
    TWindowsVersion Version;
};
// Every version above, oldest first: tests run their tables over all of them.
inline constexpr TNamedWindowsVersion KnownWindowsVersions[] = {
    {"XP", WindowsXP}, {"Vista", WindowsVista}, {"7", Windows7},    {"8", Windows8},
    {"8.1", Windows81}, {"10", Windows10},     {"11", Windows11},
};

// The version the system really is (not the one an application manifest makes it report).
TWindowsVersion PlatformWindowsVersion();
// Visual themes are on and apply to this application.
bool PlatformThemesActive();
// Desktop composition (DWM) is on; false where the system has none.
bool PlatformCompositionEnabled();
// The DPI of the monitor (96 where the system cannot tell).
int PlatformMonitorDpi(HMONITOR monitor);
// The DPI of the primary screen's device context (96 where the system cannot tell).
int PlatformScreenDpi();

// Values a test puts in place of the system's answers for as long as the object lives. Fields
// left empty keep the system's answer (or that of an enclosing injection); the DPI applies to
// every monitor and to the screen. Injections nest and must end in reverse order.
struct TPlatformFactsInjection {
    std::optional<TWindowsVersion> Version = {};
    std::optional<bool> ThemesActive = {};
    std::optional<bool> CompositionEnabled = {};
    std::optional<int> Dpi = {};
};

class TInjectedPlatformFacts {
public:
    explicit TInjectedPlatformFacts(const TPlatformFactsInjection& facts);
    ~TInjectedPlatformFacts();
    TInjectedPlatformFacts(const TInjectedPlatformFacts&) = delete;
    TInjectedPlatformFacts& operator=(const TInjectedPlatformFacts&) = delete;

private:
    TPlatformFactsInjection FPrevious;
};
