#pragma once
// The ready-made menu styler: its Style fills the appearance objects from one of 26 named Office
// and Windows looks; it can follow the XP visual style's colour scheme, and takes the kit's shared
// style like the other kit components.
#include "Controls.h"
#include "RurMenus_Styler.h"
#include "RurStyleIF.h"

TAVIN_ENUM(TOfficeStyle, osOffice2003Blue, osOffice2003Silver, osOffice2003Olive, osOfficeXP, osOffice2007Luna,
           osOffice2007Obsidian, osCustom, osOffice2007Silver, osVista, osWhidbey, osWindows7, osTerminal,
           osOffice2010Blue, osOffice2010Silver, osOffice2010Black, osWindows8, osOffice2013White,
           osOffice2013LightGray, osOffice2013Gray, osWindows10, osOffice2016White, osOffice2016Gray,
           osOffice2016Black, osOffice2019White, osOffice2019Gray, osOffice2019Black)

namespace RurMenuStylers {

// A hidden window that tells its owner when the system's visual style changes.
class TNotifierWindow : public TWinControl {
    TAVIN_PUBLISHED_CLASS(TNotifierWindow, TWinControl)
public:
    explicit TNotifierWindow(TComponent* AOwner);
    void WndProc(TMessage& Message) override;
    TNotifyEvent OnThemeChange() const { return FOnThemeChange; }
    void SetOnThemeChange(TNotifyEvent value) { FOnThemeChange = value; }

private:
    TNotifyEvent FOnThemeChange;
};

} // namespace RurMenuStylers

class TRurMenuOfficeStyler : public TCustomRurMenuStyler, public IRujStyle {
    TAVIN_PUBLISHED_CLASS(TRurMenuOfficeStyler, TCustomRurMenuStyler)
public:
    explicit TRurMenuOfficeStyler(TComponent* AOwner);

    TOfficeStyle Style() const { return FStyle; }
    // Writes the preset's values (each through its write accessor where it has one); values the
    // preset does not name stay. A main menu's bar is redrawn afterwards.
    void SetStyle(TOfficeStyle Value);
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool value);
    // With AutoThemeAdapt: the Office 2003 look of the XP colour scheme, else the XP look.
    void ThemeChanged(TObject* Sender);
    void SetComponentStyle(TRujStyle AStyle) override;
    RurMenuStylers::TNotifierWindow* NotifierWindow() const { return FNotifierWnd; }

protected:
    void Loaded() override;

private:
    RurMenuStylers::TNotifierWindow* FNotifierWnd = nullptr;
    TOfficeStyle FStyle = osOffice2003Blue;
    bool FAutoThemeAdapt = false;
};

// The preset a shared style stands for; false for tsCustom.
bool OfficeStyleOf(TRujStyle AStyle, TOfficeStyle& result);
// 1 "NormalColor", 2 "HomeStead", 3 "Metallic" (case-sensitive), 0 for any other scheme name.
int ColorSchemeNumber(const String& schemeName);
// The active XP visual style's colour scheme number; 0 before XP or without an active style.
int DetectXPColorScheme();
bool IsWindowsXPOrLater();
