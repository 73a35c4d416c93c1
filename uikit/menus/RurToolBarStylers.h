#pragma once
// The ready-made toolbar styler: its Style fills every colour, font and appearance object of the
// styler base from one of 28 named looks; it can follow the Office colour theme of the machine,
// takes the kit's shared styles and tones, and saves and loads its whole look as a theme text file.
#include "Controls.h"
#include "RurStyleIF.h"
#include "RurToolBar_Styler.h"

TAVIN_ENUM(TToolBarStyle, bsOffice2003Blue, bsOffice2003Silver, bsOffice2003Olive, bsOffice2003Classic,
           bsOffice2007Luna, bsOffice2007Obsidian, bsWindowsXP, bsWhidbeyStyle, bsCustom, bsOffice2007Silver,
           bsOfficeXP, bsWindowsVista, bsWindows7, bsTerminal, bsOffice2010Blue, bsOffice2010Silver,
           bsOffice2010Black, bsWindows8, bsOffice2013White, bsOffice2013LightGray, bsOffice2013Gray, bsWindows10,
           bsOffice2016White, bsOffice2016Gray, bsOffice2016Black, bsOffice2019White, bsOffice2019Gray,
           bsOffice2019Black)

namespace RurToolBarStylers {

// A hidden window that tells its owner when the system's visual style or the Office theme changes
// (the kit's theme notifier sends its own message for the latter).
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

// The theme notifier's message to the windows registered with it.
constexpr UINT WM_OFFICETHEMECHANGED = 2993;

} // namespace RurToolBarStylers

class TRurToolBarOfficeStyler : public TCustomRurToolBarStyler, public IRujStyleEx, public IRujTones {
    TAVIN_PUBLISHED_CLASS(TRurToolBarOfficeStyler, TCustomRurToolBarStyler)
public:
    explicit TRurToolBarOfficeStyler(TComponent* AOwner);
    ~TRurToolBarOfficeStyler() override;

    TToolBarStyle Style() const { return FToolBarStyle; }
    // Applies the preset, also when it is the current one, in one update bracket, and ends with
    // code 2 to every registered control.
    virtual void SetStyle(TToolBarStyle Value);
    void UpdateAppColors() { SetStyle(FToolBarStyle); }
    void ApplyStyle() override { SetStyle(FToolBarStyle); }

    // On: the preset of the machine's Office theme at once, and again whenever it changes.
    void SetAutoThemeAdapt(bool Value) override;
    void ThemeChanged(TObject* Sender);

    void SetComponentStyle(TRujStyle AStyle) override { SetComponentStyleAndAppColor(AStyle, clNone); }
    // The application-button colours derived from AAppColor (unless clNone), then the preset.
    void SetComponentStyleAndAppColor(TRujStyle AStyle, TColor AAppColor) override;
    void SetColorTones(const TColorTones& ATones) override;

    // The theme file: the preset's name, then the base's lines. Written in the ANSI code page, or
    // as UTF-8 with a byte-order mark when a value needs more; both are read.
    void SaveToFile(const String& FileName) const;
    // Checks every line before anything changes ("Corrupt file" leaves the styler as it was),
    // then applies the named preset and the lines in one update bracket.
    void LoadFromFile(const String& FileName);

    RurToolBarStylers::TNotifierWindow* NotifierWindow() const { return FNotifierWnd; }
    TOfficeTheme OldOfficeTheme() const { return FOldOfficeTheme; }

protected:
    void Loaded() override;

private:
    friend struct ToolBarPresetWriter;
    void ApplyPreset(TToolBarStyle Value);
    // Starts or stops hearing the theme notifier.
    void ListenToOfficeTheme(bool listen);

    TOfficeTheme FOldOfficeTheme = otUnknown;
    bool FDesignTime = false;
    bool FListening = false;
    RurToolBarStylers::TNotifierWindow* FNotifierWnd = nullptr;
    TToolBarStyle FToolBarStyle = bsOffice2003Blue;
};

// Each RGB channel changed by Percent percent of itself (positive lighter), rounded half to even
// and clamped to 0..255.
TColor AdjustColorPercent(TColor Color, int Percent);
// The name line 1 of a theme file gives the style.
String ThemeFileStyleName(TToolBarStyle style);
// The style a theme file's line 1 names (letter case ignored); false for an unknown name.
bool ThemeFileStyleOf(const String& name, TToolBarStyle& style);
