#pragma once
// The kit's styling vocabulary: the looks every kit control and styler carries, the colour tones
// a Metro or framework-style colouring hands to controls, and the interfaces through which a styler
// reaches a control without knowing its class. Around them: Office and Windows theme detection,
// tone presets, framework-style tests, DPI helpers and the theme-change monitor, which tells windows
// when the user switches the Office colour theme.
#include "WinApiNames.h"

#include <memory>
#include <mutex>
#include <vector>

#include "Classes.h"
#include "Controls.h"
#include "Graphics.h"
#include "RurKitMessages.h"
#include "Themes.h"

class TRegistry;
class TCustomForm;

// The order is stored in form resources.
TAVIN_ENUM(TRujStyle, tsOffice2003Blue, tsOffice2003Silver, tsOffice2003Olive, tsOffice2003Classic, tsOffice2007Luna,
           tsOffice2007Obsidian, tsWindowsXP, tsWhidbey, tsCustom, tsOffice2007Silver, tsWindowsVista, tsWindows7,
           tsTerminal, tsOffice2010Blue, tsOffice2010Silver, tsOffice2010Black, tsWindows8, tsOffice2013White,
           tsOffice2013LightGray, tsOffice2013Gray, tsWindows10, tsOffice2016White, tsOffice2016Gray,
           tsOffice2016Black, tsOffice2019White, tsOffice2019Gray, tsOffice2019Black)

TAVIN_ENUM(TOfficeTheme, ot2003Blue, ot2003Silver, ot2003Olive, ot2003Classic, ot2007Blue, ot2007Silver, ot2007Black,
           ot2010Blue, ot2010Silver, ot2010Black, ot2013White, ot2013Silver, ot2013Gray, ot2016White, ot2016Gray,
           ot2016Black, ot2019White, ot2019Gray, ot2019Black, otUnknown)

TAVIN_ENUM(TMetroStyle, msLight, msDark)

struct TColorTone {
    TColor BrushColor = clNone; // fill
    TColor BorderColor = clNone;
    TColor TextColor = clNone;
    bool operator==(const TColorTone&) const = default;
};

struct TColorTones {
    TColorTone Background;
    TColorTone Foreground;
    TColorTone Selected;
    TColorTone Hover;
    TColorTone Disabled;
    bool operator==(const TColorTones&) const = default;
};

class IRujTones {
public:
    TAVIN_GUID("{1F492643-6699-4F25-8B34-3233FA735036}");
    virtual void SetColorTones(const TColorTones& ATones) = 0;

protected:
    ~IRujTones() = default;
};

class IRujStyle {
public:
    TAVIN_GUID("{11AC2DDC-C087-4298-AB6E-EA1B5017511B}");
    virtual void SetComponentStyle(TRujStyle AStyle) = 0;

protected:
    ~IRujStyle() = default;
};

// A component that also takes the application colour; asked for IRujStyle it answers too.
class IRujStyleEx : public IRujStyle {
public:
    TAVIN_GUID("{037BA87F-7CBD-4FDD-854E-2B3F0BCC06AE}");
    virtual void SetComponentStyleAndAppColor(TRujStyle AStyle, TColor AAppColor) = 0;

protected:
    ~IRujStyleEx() = default;
};

// ---- Versions and themes -----------------------------------------------------------------------

// Common controls 6 or later (an unreadable version counts as all ones).
bool IsComCtl6();
bool IsVistaOrLater();
bool IsWinXPOrLater();
// The newest Office whose "Common\General" key the user has: 0 (none, or 2003 alone) .. 4 (2016+).
int GetInstalledOfficeVersion();
// The colour scheme of the active XP visual style: 1 blue, 2 olive, 3 silver, 0 otherwise.
int GetXPColorScheme();
// 1 Windows 7, 2 Windows 8/8.1, 3 Windows 10 or later, 0 otherwise.
int GetWindowsVersionClass();
// The look of the user's Office theme; without Office the XP scheme's (AOfficeFallback) or the
// system's.
TRujStyle DetectSystemStyle(bool AOfficeFallback);
TOfficeTheme GetOfficeTheme();
// The Office theme a look stands for, and whether it is a light look.
TOfficeTheme GetOfficeThemeOf(TRujStyle AStyle);
bool IsLightStyle(TRujStyle AStyle);

// ---- Tones -------------------------------------------------------------------------------------

// ATextColor is taken for the stylers' sake; no tone uses it.
void CreateMetroTones(bool ALight, TColor AColor, TColor ATextColor, TColorTones& ATones);
void CreateDefaultTones(TColorTones& ATones);
void ClearColorTones(TColorTones& ATones);
bool IsEmptyColorTones(const TColorTones& ATones);
// Each channel of the colour's RGB value scaled by (100 - APercent) / 100.
TColor Darker(TColor AColor, int APercent);

// A framework style other than the system's paints the application (in the designer: other than
// the designer's own two).
bool IsVclStyled(const TCustomStyleServices* AStyleServices, bool ADesigning);
// Tones taken from the style's grid cells and buttons; under the system style only
// Background.BrushColor is touched (clNone).
void GetVclStyleTones(TColorTones& ATones, const TCustomStyleServices* AStyleServices = StyleServices());

// The look of the first enabled form styler with a look of its own on the component's form (the
// component itself when it is a form, else its top-level form); ADefault when there is none.
TRujStyle GetFormStylerStyle(TComponent* AComponent, TRujStyle ADefault);

// ---- Fonts and DPI -----------------------------------------------------------------------------

String GetDefaultFontName();
float GetControlDPIScale(TControl* AControl, TCanvas* ACanvas);
float GetCanvasDPIScale(TCanvas* ACanvas, TCustomForm* AForm);
// The screen's DC for 0; 1 when not AScaled or at 96 DPI.
float GetDCDPIScale(HDC ADC, bool AScaled);
// The height of "0" in a font of APointSize points at APixelsPerInch.
int GetTextHeightAtDPI(int APixelsPerInch, int APointSize);

// ---- Theme-change monitor ----------------------------------------------------------------------

// A list of window handles; callers avoid duplicates.
class THandleList : public TPointerList {
    TAVIN_CLASS(THandleList, TPointerList)
public:
    int Add(HWND AHandle) { return TPointerList::Add(AHandle); }
    void Insert(int AIndex, HWND AHandle) { TPointerList::Insert(AIndex, AHandle); }
    // Removes the first equal entry; nothing when absent.
    void DeleteValue(HWND AHandle);
    bool HasValue(HWND AHandle) const { return IndexOf(AHandle) >= 0; }
    HWND GetInteger(int AIndex) const { return static_cast<HWND>(Items(AIndex)); }
    void SetInteger(int AIndex, HWND AHandle) { SetItems(AIndex, AHandle); }
};

// Waits for changes of one registry key (and its subtree) and sends RM_OFFICETHEMECHANGE to Wnd and
// to the listed windows, in that order, for each. Set the fields before Start.
class TRegMonitorThread : public TThread {
    TAVIN_CLASS(TRegMonitorThread, TThread)
public:
    TRegMonitorThread();
    // Stops and waits for the thread, handling the messages it sends meanwhile.
    ~TRegMonitorThread() override;

    // Ends the wait at once; nothing is sent after waking.
    void Stop();

    String Key;
    HKEY RootKey = HKEY_CURRENT_USER;
    // Kept for callers; the subtree is always watched.
    bool WatchSub = false;
    // REG_NOTIFY_CHANGE_* flags; 0 reads as all four.
    int Filter();
    void SetFilter(int AValue) { FFilter = AValue; }
    HWND Wnd = nullptr;

    // The further windows, shared with the thread's walk: change and read them only through these.
    void AddWindow(HWND AHandle);
    void RemoveWindow(HWND AHandle);
    std::vector<HWND> Windows() const;

protected:
    void Execute() override;

private:
    void Notify();

    std::unique_ptr<TRegistry> FReg;
    HANDLE FEvent;
    int FFilter = 0;
    mutable std::mutex FLock;
    THandleList FWinList;
};

// A hidden window that fires OnOfficeThemeChange for RM_OFFICETHEMECHANGE.
class TThemeNotifierWindow : public TWinControl {
    TAVIN_PUBLISHED_CLASS(TThemeNotifierWindow, TWinControl)
public:
    explicit TThemeNotifierWindow(TComponent* AOwner);
    void WndProc(TMessage& AMessage) override;
    TNotifyEvent OnOfficeThemeChange() const { return FOnOfficeThemeChange; }
    void SetOnOfficeThemeChange(TNotifyEvent AValue) { FOnOfficeThemeChange = AValue; }

private:
    TNotifyEvent FOnOfficeThemeChange;
};

// The process's one watcher of the installed Office version's "Common" key (Office 2007 or later;
// without it the notifier does nothing).
class TThemeNotifier : public TComponent {
    TAVIN_PUBLISHED_CLASS(TThemeNotifier, TComponent)
public:
    explicit TThemeNotifier(TComponent* AOwner);
    ~TThemeNotifier() override;

    // Both do nothing while no thread runs; a handle is listed once.
    void RegisterWindow(HWND AHandle);
    void UnRegisterWindow(HWND AHandle);

    TRegMonitorThread* RegMonitorThread() const { return FRegMonitorThread.get(); }
    TThemeNotifierWindow* NotifierWindow() const { return FNotifier; }
    TNotifyEvent OnOfficeThemeChange() const { return FOnOfficeThemeChange; }
    void SetOnOfficeThemeChange(TNotifyEvent AValue) { FOnOfficeThemeChange = AValue; }

private:
    void NotifierThemeChange(TObject* ASender);

    std::unique_ptr<TRegMonitorThread> FRegMonitorThread;
    TThemeNotifierWindow* FNotifier = nullptr;
    TNotifyEvent FOnOfficeThemeChange;
};

// The process's notifier, made on first use: owned by the main form when it has a window, else by
// AOwner, which then parents the notifier's window (a window control).
TThemeNotifier* GetThemeNotifier(TComponent* AOwner);
