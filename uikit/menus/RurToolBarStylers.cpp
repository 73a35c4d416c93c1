// The Office toolbar styler: following the Office theme, the shared styles and tones, the
// application-button colours, and the theme text file around the base's property lines.
#include "RurToolBarStylers.h"

#include <cmath>

#include "RurToolBarStylers_Presets.h"
#include "SysUtils.h"

namespace RurToolBarStylers {

TAVIN_PUBLISHED(TNotifierWindow) {}

TNotifierWindow::TNotifierWindow(TComponent* AOwner) : TWinControl(AOwner) {}

void TNotifierWindow::WndProc(TMessage& Message)
{
    if ((Message.Msg == WM_THEMECHANGED || Message.Msg == WM_OFFICETHEMECHANGED) && FOnThemeChange)
        FOnThemeChange(this);
    TWinControl::WndProc(Message);
}

} // namespace RurToolBarStylers

using namespace RurToolBarStylers;

namespace {

constexpr std::pair<TOfficeTheme, TToolBarStyle> kThemePresets[] = {
    {ot2003Blue, bsOffice2003Blue},      {ot2003Silver, bsOffice2003Silver},   {ot2003Olive, bsOffice2003Olive},
    {ot2003Classic, bsOffice2003Classic}, {ot2007Blue, bsOffice2007Luna},       {ot2007Silver, bsOffice2007Silver},
    {ot2007Black, bsOffice2007Obsidian}, {ot2010Blue, bsOffice2010Blue},       {ot2010Silver, bsOffice2010Silver},
    {ot2010Black, bsOffice2010Black},    {ot2013White, bsOffice2013White},     {ot2013Silver, bsOffice2013LightGray},
    {ot2013Gray, bsOffice2013Gray},      {ot2016White, bsOffice2016White},     {ot2016Gray, bsOffice2016Gray},
    {ot2016Black, bsOffice2016Black},    {ot2019White, bsOffice2019White},     {ot2019Gray, bsOffice2019Gray},
    {ot2019Black, bsOffice2019Black},
};

// The preset each shared style stands for; tsCustom none.
bool PresetOfStyle(TRujStyle style, TToolBarStyle& preset)
{
    if (style == tsCustom)
        return false;
    // The two enumerations run alike but for bsOfficeXP, which has no shared style of its own.
    preset = static_cast<TToolBarStyle>(style < tsWindowsVista ? style : style + 1);
    return true;
}

bool IsDesigningOrLoading(const TComponent& c)
{
    return c.ComponentState().Contains(csDesigning) || c.ComponentState().Contains(csLoading);
}

} // namespace

TAVIN_PUBLISHED(TRurToolBarOfficeStyler)
{
    TAVIN_PROPERTY(TToolBarStyle, Style).Default(bsOffice2003Blue);
    TAVIN_PROPERTY(bool, AutoThemeAdapt).Default(false);
}

TRurToolBarOfficeStyler::TRurToolBarOfficeStyler(TComponent* AOwner) : TCustomRurToolBarStyler(AOwner)
{
    FNotifierWnd = new TNotifierWindow(this);
    for (TComponent* owner = AOwner; owner; owner = owner->Owner())
        if (auto* parent = dynamic_cast<TWinControl*>(owner)) {
            FNotifierWnd->SetParent(parent);
            break;
        }
    // Without a windowed owner the window is message-only, so asking for its handle cannot fail.
    if (!FNotifierWnd->Parent())
        FNotifierWnd->SetParentWindow(HWND_MESSAGE);
    FNotifierWnd->SetOnThemeChange(MakeHandler<&TRurToolBarOfficeStyler::ThemeChanged>(this));
    TComponent* owner = Owner();
    FDesignTime = ComponentState().Contains(csDesigning) &&
                  !(owner && (owner->ComponentState().Contains(csReading) || owner->ComponentState().Contains(csLoading)));
    if (FDesignTime)
        SetComponentStyle(GetFormStylerStyle(AOwner, tsOffice2019White));
}

TRurToolBarOfficeStyler::~TRurToolBarOfficeStyler()
{
    // The theme notifier must not send to the window of a styler that is gone.
    ListenToOfficeTheme(false);
}

void TRurToolBarOfficeStyler::SetStyle(TToolBarStyle Value)
{
    ChangeAtOnce([&] { ApplyPreset(Value); });
}

void TRurToolBarOfficeStyler::ApplyPreset(TToolBarStyle Value)
{
    FToolBarStyle = Value;
    ApplyToolBarPreset(*this, Value);
}

void TRurToolBarOfficeStyler::ThemeChanged(TObject*)
{
    if (!AutoThemeAdapt() || IsDesigningOrLoading(*this))
        return;
    const TOfficeTheme theme = GetOfficeTheme();
    if (theme == FOldOfficeTheme)
        return;
    FToolBarStyle = bsCustom;
    for (auto [officeTheme, preset] : kThemePresets)
        if (officeTheme == theme)
            SetStyle(preset);
    FOldOfficeTheme = theme;
}

void TRurToolBarOfficeStyler::SetAutoThemeAdapt(bool Value)
{
    if (Value == AutoThemeAdapt())
        return;
    TCustomRurToolBarStyler::SetAutoThemeAdapt(Value);
    if (Value) {
        FOldOfficeTheme = otUnknown;
        ThemeChanged(this);
    }
    if (IsDesigningOrLoading(*this) || !FNotifierWnd->HandleAllocated())
        return;
    ListenToOfficeTheme(Value);
}

void TRurToolBarOfficeStyler::ListenToOfficeTheme(bool listen)
{
    if (listen == FListening)
        return;
    if (listen)
        GetThemeNotifier(FNotifierWnd)->RegisterWindow(FNotifierWnd->Handle());
    else if (FNotifierWnd->HandleAllocated())
        GetThemeNotifier(FNotifierWnd)->UnRegisterWindow(FNotifierWnd->Handle());
    FListening = listen;
}

void TRurToolBarOfficeStyler::Loaded()
{
    TCustomRurToolBarStyler::Loaded();
    if (!ComponentState().Contains(csDesigning)) {
        ThemeChanged(this);
        if (AutoThemeAdapt())
            ListenToOfficeTheme(true);
    }
    if (FToolBarStyle >= bsWindows8 && FToolBarStyle <= bsOffice2013Gray)
        SetStyle(FToolBarStyle);
}

TColor AdjustColorPercent(TColor Color, int Percent)
{
    const TColor rgb = ColorToRGB(Color);
    TColor result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int channel = (rgb >> shift) & 0xFF;
        const double value = std::nearbyint(channel + static_cast<double>(channel * Percent) / 100.0);
        result |= static_cast<int>(std::clamp(value, 0.0, 255.0)) << shift;
    }
    return result;
}

void TRurToolBarOfficeStyler::SetComponentStyleAndAppColor(TRujStyle AStyle, TColor AAppColor)
{
    if (AAppColor != clNone) {
        TAppColor& app = *AppColor();
        app.SetAppButtonColor(AAppColor);
        const TColor rgb = ColorToRGB(AAppColor);
        const double luminance =
            0.299 * (rgb & 0xFF) + 0.587 * ((rgb >> 8) & 0xFF) + 0.114 * ((rgb >> 16) & 0xFF);
        const bool dark = luminance <= 186;
        if (AStyle == tsOffice2019White) {
            app.SetAppButtonHoverColor(AdjustColorPercent(AAppColor, dark ? -15 : 15));
            app.SetSelectedColor(app.AppButtonHoverColor());
            app.SetHoverColor(AdjustColorPercent(AAppColor, dark ? 30 : -30));
        } else {
            app.SetAppButtonHoverColor(AdjustColorPercent(AAppColor, dark ? 30 : -30));
        }
    }
    TToolBarStyle preset;
    if (PresetOfStyle(AStyle, preset))
        SetStyle(preset);
}

void TRurToolBarOfficeStyler::SetColorTones(const TColorTones& ATones)
{
    SetComponentStyleAndAppColor(tsOffice2016White, ATones.Foreground.BrushColor);
}

// ---- The theme file ----

String ThemeFileStyleName(TToolBarStyle style)
{
    // Each style writes its own name (bsWhidbeyStyle its short one) so that a round trip keeps it.
    return style == bsWhidbeyStyle ? String(u"bsWhidbey") : EnumInfoOf<TToolBarStyle>().Name(style);
}

bool ThemeFileStyleOf(const String& name, TToolBarStyle& style)
{
    for (int s = 0; s < TavinEnumCount(static_cast<TToolBarStyle*>(nullptr)); ++s) {
        const auto candidate = static_cast<TToolBarStyle>(s);
        if (SameText(name, ThemeFileStyleName(candidate))) {
            style = candidate;
            return true;
        }
    }
    return false;
}

void TRurToolBarOfficeStyler::SaveToFile(const String& FileName) const
{
    TStringList file;
    file.Add(ThemeFileStyleName(FToolBarStyle));
    for (const String& line : SaveThemeLines())
        file.Add(line);
    // ANSI unless a value (a font name) does not survive it.
    const TEncoding& ansi = TEncoding::ANSI();
    const bool ansiHoldsIt = ansi.GetString(ansi.GetBytes(file.Text())) == file.Text();
    file.SetWriteBOM(!ansiHoldsIt);
    try {
        file.SaveToFile(FileName, ansiHoldsIt ? &ansi : &TEncoding::UTF8());
    } catch (const std::exception&) {
        throw Exception(u"Cannot Create " + FileName);
    }
}

void TRurToolBarOfficeStyler::LoadFromFile(const String& FileName)
{
    TStringList file;
    try {
        file.LoadFromFile(FileName);
    } catch (const std::exception&) {
        throw Exception(u"Cannot open file " + FileName);
    }
    std::vector<String> lines;
    for (int i = 1; i < file.Count(); ++i)
        lines.push_back(file.Strings(i));
    TToolBarStyle preset = bsCustom;
    const bool named = file.Count() > 0 && ThemeFileStyleOf(file.Strings(0), preset);
    CheckThemeLines(lines);
    ChangeAtOnce([&] {
        if (named)
            SetStyle(preset);
        ApplyThemeLines(lines);
    });
}
