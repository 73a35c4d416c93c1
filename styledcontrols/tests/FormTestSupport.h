#pragma once
// What the styled form's tests share: the kit's form unit started around the program, the DWM and
// window-composition calls recorded instead of made, a second registered style, and reading the
// pixels and hit codes of a window's frame.
#include <utility>
#include <vector>

#include "KitTestSupport.h"
#include "PlatformFacts.h"
#include "TestStyle.h"

struct TFrameMargins {
    int Left, Right, Top, Bottom;
    bool operator==(const TFrameMargins&) const = default;
};

struct TAccentRecord {
    DWORD State = 0;
    DWORD Flags = 0;
    DWORD Color = 0;
    bool operator==(const TAccentRecord&) const = default;
};

struct TDwmLog {
    std::vector<TFrameMargins> Margins;
    std::vector<std::pair<DWORD, DWORD>> Attributes; // attribute id, 32-bit value
    std::vector<TAccentRecord> Accents;
    DWORD AccentAttribute = 0;
};

// While it lives: the given Windows with composition on, and the bound DWM and composition
// functions replaced by recorders.
class TDwmRecording {
public:
    explicit TDwmRecording(TWindowsVersion version);
    ~TDwmRecording();
    TDwmRecording(const TDwmRecording&) = delete;
    TDwmRecording& operator=(const TDwmRecording&) = delete;

    TDwmLog& Log;

private:
    TInjectedPlatformFacts FFacts;
    TBoundFunction<TDwmIsCompositionEnabled> FComposition;
    TBoundFunction<TDwmExtendFrameIntoClientArea> FExtend;
    TBoundFunction<TDwmSetWindowAttribute> FAttribute;
    TBoundFunction<TSetWindowCompositionAttribute> FAccent;
};

// A test style registered (not made active) while the object lives; the system style is active
// again afterwards.
class TRegisteredStyle {
public:
    explicit TRegisteredStyle(const String& name);
    ~TRegisteredStyle();
    TRegisteredStyle(const TRegisteredStyle&) = delete;
    TRegisteredStyle& operator=(const TRegisteredStyle&) = delete;

private:
    String FName;
};

// The pixel at a point of the window, frame included (window coordinates).
COLORREF WindowPixel(HWND wnd, int x, int y);
// The hit code the window answers for a point in window coordinates.
LRESULT HitCode(HWND wnd, int x, int y);
// Moves the cursor to a point in window coordinates, posts a non-client mouse message there with
// the hit code and lets the loop handle it.
void PostNCMouse(HWND wnd, UINT message, int hitCode, int x, int y);
// A press (down or double click) and its release there, handled together as a quick click is.
void PostNCClick(HWND wnd, UINT press, int hitCode, int x, int y);
