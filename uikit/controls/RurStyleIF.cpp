#include "RurStyleIF.h"

#include <algorithm>

#include "Forms.h"
#include "Math.h"
#include "PlatformFacts.h"
#include "Registry.h"
#include "SysUtils.h"
#include "WideText.h"

namespace {

struct TLookRow {
    TOfficeTheme OfficeTheme;
    bool Light;
};

// By TRujStyle ordinal.
constexpr TLookRow Looks[] = {
    {ot2003Blue, true},   {ot2003Silver, true}, {ot2003Olive, true},  {ot2003Classic, true}, {ot2007Blue, true},
    {ot2007Black, true},  {otUnknown, true},    {otUnknown, true},    {ot2019Black, true},   {ot2007Silver, true},
    {otUnknown, true},    {otUnknown, true},    {otUnknown, true},    {ot2010Blue, true},    {ot2010Silver, true},
    {ot2010Black, true},  {otUnknown, true},    {ot2013White, true},  {ot2013Silver, true},  {ot2013Gray, true},
    {otUnknown, true},    {ot2016White, true},  {ot2016Gray, true},   {ot2016Black, false},  {ot2019White, true},
    {ot2019Gray, false},  {ot2019Black, false},
};
static_assert(std::size(Looks) == TavinEnumCount(static_cast<TRujStyle*>(nullptr)));

// Whose presence tells the installed Office version, oldest first.
constexpr const char16_t* OfficeGeneralKeys[] = {
    u"Software\\Microsoft\\Office\\11.0\\Common\\General", u"Software\\Microsoft\\Office\\12.0\\Common\\General",
    u"Software\\Microsoft\\Office\\14.0\\Common\\General", u"Software\\Microsoft\\Office\\15.0\\Common\\General",
    u"Software\\Microsoft\\Office\\16.0\\Common\\General",
};

// A registry value read as a whole number: a double word as it is, a string through its text;
// AMissing when the key or value is absent, 0 for text that is no whole number or another type.
int ReadWholeNumber(TRegistry& AReg, const String& AKey, const String& AName, int AMissing)
{
    if (!AReg.OpenKeyReadOnly(AKey))
        return -1;
    int result = AMissing;
    switch (AReg.GetDataType(AName)) {
    case rdInteger:
        result = AReg.ReadInteger(AName);
        break;
    case rdString:
    case rdExpandString:
        result = StrToIntDef(AReg.ReadString(AName), 0);
        break;
    case rdUnknown:
        if (AReg.ValueExists(AName))
            result = 0;
        break;
    default:
        result = 0;
        break;
    }
    AReg.CloseKey();
    return result;
}

int ReadOfficeUIThemeValue(TRegistry& AReg, const String& AKey) { return ReadWholeNumber(AReg, AKey, u"UI Theme", 0); }

int ReadAppsUseLightTheme(TRegistry& AReg, const String& AKey)
{
    return ReadWholeNumber(AReg, AKey, u"AppsUseLightTheme", -1);
}

// The "Theme" double word; -1 when it is missing, and also when it holds another type, which would
// otherwise let a registry error out of style detection and so out of loading a form.
int ReadOfficeThemeValue(TRegistry& AReg, const String& AKey)
{
    if (!AReg.OpenKeyReadOnly(AKey))
        return -1;
    const int result = AReg.GetDataType(u"Theme") == rdInteger ? AReg.ReadInteger(u"Theme") : -1;
    AReg.CloseKey();
    return result;
}

TRujStyle DetectWindows10Style(TRegistry& AReg)
{
    return ReadAppsUseLightTheme(AReg, u"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize") == 0
               ? tsOffice2019Black
               : tsWindows10;
}

// Office 2007 and 2010 number their themes 1..3; -1 means no key, any other value a custom theme.
bool MapOfficeTheme(int AValue, const TRujStyle (&AStyles)[3], TRujStyle& AResult)
{
    if (AValue == -1)
        return false;
    AResult = AValue >= 1 && AValue <= 3 ? AStyles[AValue - 1] : tsCustom;
    return true;
}

TRujStyle SystemStyle(bool AOfficeFallback, TRegistry& AReg)
{
    if (AOfficeFallback) {
        constexpr TRujStyle schemes[] = {tsOffice2003Classic, tsOffice2003Blue, tsOffice2003Olive, tsOffice2003Silver};
        const int scheme = GetXPColorScheme();
        return scheme >= 0 && scheme <= 3 ? schemes[scheme] : tsCustom;
    }
    switch (GetWindowsVersionClass()) {
    case 2:
        return tsWindows8;
    case 3:
        return DetectWindows10Style(AReg);
    default:
        return tsWindows7;
    }
}

int ScreenLogPixels(int AIndex)
{
    HDC dc = GetDC(nullptr);
    const int result = GetDeviceCaps(dc, AIndex);
    ReleaseDC(nullptr, dc);
    return result;
}

// Fills only what the style offers, and never with clNone.
void TakeElementColors(const TCustomStyleServices& AStyle, TThemedGrid AElement, TColorTone& ATone)
{
    const TThemedElementDetails details = TCustomStyleServices::GetElementDetails(AElement);
    TColor color;
    if (AStyle.GetElementColor(details, ecFillColor, color) && color != clNone)
        ATone.BrushColor = color;
    if (AStyle.GetElementColor(details, ecBorderColor, color) && color != clNone)
        ATone.BorderColor = color;
    if (AStyle.GetElementColor(details, ecTextColor, color) && color != clNone)
        ATone.TextColor = color;
}

} // namespace

bool IsComCtl6()
{
    const Cardinal versionMS = GetFileVersion(u"COMCTL32.DLL");
    return ((versionMS >> 16) & 0xFF) > 5;
}

bool IsVistaOrLater()
{
    HMODULE kernel = GetModuleHandleW(L"kernel32");
    return kernel && GetProcAddress(kernel, "GetLocaleInfoEx");
}

bool IsWinXPOrLater()
{
    const TWindowsVersion v = PlatformWindowsVersion();
    return v.Major > 5 || (v.Major == 5 && v.Minor != 0);
}

int GetInstalledOfficeVersion()
{
    TRegistry reg(KEY_READ);
    int result = 0;
    for (int i = 0; i < int(std::size(OfficeGeneralKeys)); ++i)
        if (reg.KeyExists(OfficeGeneralKeys[i]))
            result = i;
    return result;
}

int GetXPColorScheme()
{
    if (!IsWinXPOrLater())
        return 0;
    HMODULE uxtheme = LoadLibraryW(L"uxtheme.dll");
    if (!uxtheme)
        return 0;
    using TGetCurrentThemeName = HRESULT(WINAPI*)(LPWSTR, int, LPWSTR, int, LPWSTR, int);
    auto getName = reinterpret_cast<TGetCurrentThemeName>(
        reinterpret_cast<void*>(GetProcAddress(uxtheme, "GetCurrentThemeName")));
    int result = 0;
    if (getName && PlatformThemesActive() && IsComCtl6()) {
        wchar_t fileName[256] = {}, colorName[256] = {}, sizeName[256] = {};
        if (SUCCEEDED(getName(fileName, 255, colorName, 255, sizeName, 255))) {
            const String color = FromWidePtr(colorName);
            if (color.find(u"NormalColor") != String::npos)
                result = 1;
            else if (color.find(u"HomeStead") != String::npos)
                result = 2;
            else if (color.find(u"Metallic") != String::npos)
                result = 3;
        }
    }
    FreeLibrary(uxtheme);
    return result;
}

int GetWindowsVersionClass()
{
    // The version the system really is, also where a program without a manifest entry is told 6.2.
    const TWindowsVersion v = PlatformWindowsVersion();
    if (v.Major == 6 && v.Minor == 1)
        return 1;
    if (v.Major == 6 && (v.Minor == 2 || v.Minor == 3))
        return 2;
    if ((v.Major == 6 && v.Minor == 4) || v.Major >= 10)
        return 3;
    return 0;
}

TRujStyle DetectSystemStyle(bool AOfficeFallback)
{
    TRegistry reg(KEY_READ);
    int u = ReadOfficeUIThemeValue(reg, u"Software\\Microsoft\\Office\\16.0\\Common");
    if (u != -1)
        return u == 3 ? tsOffice2019Gray : u == 4 ? tsOffice2019Black : tsOffice2019White;
    u = ReadOfficeUIThemeValue(reg, u"Software\\Microsoft\\Office\\15.0\\Common");
    if (u != -1) {
        constexpr TRujStyle office2013[] = {tsOffice2013White, tsOffice2013LightGray, tsOffice2013Gray};
        return u >= 0 && u <= 2 ? office2013[u] : tsCustom;
    }
    TRujStyle result;
    if (MapOfficeTheme(ReadOfficeThemeValue(reg, u"Software\\Microsoft\\Office\\14.0\\Common"),
                       {tsOffice2010Blue, tsOffice2010Silver, tsOffice2010Black}, result))
        return result;
    if (MapOfficeTheme(ReadOfficeThemeValue(reg, u"Software\\Microsoft\\Office\\12.0\\Common"),
                       {tsOffice2007Luna, tsOffice2007Silver, tsOffice2007Obsidian}, result))
        return result;
    return SystemStyle(AOfficeFallback, reg);
}

TOfficeTheme GetOfficeThemeOf(TRujStyle AStyle) { return Looks[AStyle].OfficeTheme; }

TOfficeTheme GetOfficeTheme() { return GetOfficeThemeOf(DetectSystemStyle(true)); }

bool IsLightStyle(TRujStyle AStyle) { return Looks[AStyle].Light; }

void CreateMetroTones(bool ALight, TColor AColor, TColor /*ATextColor*/, TColorTones& ATones)
{
    ATones.Background = ALight ? TColorTone{0xFFFFFF, AColor, 0x000000} : TColorTone{0x000000, AColor, 0xFFFFFF};
    ATones.Foreground = {0xC0C0C0, 0xC0C0C0, 0x000000};
    ATones.Selected = {AColor, AColor, 0xFFFFFF};
    const TColor hover = Darker(AColor, 20);
    ATones.Hover = {hover, hover, 0xFFFFFF};
    ATones.Disabled = {0xC0C0C0, 0x808080, 0x808080};
}

void CreateDefaultTones(TColorTones& ATones)
{
    ATones.Background = {clWindow, clHighlight, clWindowText};
    ATones.Foreground = {0xC0C0C0, 0xC0C0C0, 0x000000};
    ATones.Selected = {clHighlight, clHighlight, clHighlightText};
    ATones.Hover = {0x808080, 0x808080, 0xFFFFFF};
    ATones.Disabled = {clWindow, 0xC0C0C0, 0xC0C0C0};
}

void ClearColorTones(TColorTones& ATones) { ATones = TColorTones{}; }

bool IsEmptyColorTones(const TColorTones& ATones) { return ATones.Background == TColorTone{}; }

TColor Darker(TColor AColor, int APercent)
{
    const TColor rgb = ColorToRGB(AColor);
    auto scale = [&](int channel) {
        return int(std::clamp<Int64>(Round(channel * (100.0 - APercent) / 100.0), 0, 255));
    };
    return TColor(RGB(scale(GetRValue(rgb)), scale(GetGValue(rgb)), scale(GetBValue(rgb))));
}

bool IsVclStyled(const TCustomStyleServices* AStyleServices, bool ADesigning)
{
    if (!AStyleServices)
        return false;
    const String name = AStyleServices->Name();
    if (ADesigning)
        return name != u"Windows10" && name != u"Mountain_Mist";
    return AStyleServices->Enabled() && name != u"Windows";
}

void GetVclStyleTones(TColorTones& ATones, const TCustomStyleServices* AStyleServices)
{
    ATones.Background.BrushColor = clNone;
    if (!AStyleServices || !AStyleServices->Enabled() || AStyleServices->Name() == u"Windows"
        || AStyleServices->Name() == u"Windows10")
        return;
    const TCustomStyleServices& style = *AStyleServices;
    TakeElementColors(style, tgCellNormal, ATones.Foreground);
    TakeElementColors(style, tgFixedCellNormal, ATones.Background);
    if (ATones.Background.BrushColor == ATones.Background.TextColor)
        ATones.Background.TextColor = ATones.Background.BrushColor ^ 0xFFFFFF;
    ATones.Selected = {style.GetStyleColor(scButtonPressed), style.GetStyleColor(scButtonPressed),
                       style.GetStyleFontColor(sfButtonTextPressed)};
    TakeElementColors(style, tgCellSelected, ATones.Selected);
    ATones.Hover.BrushColor = style.GetStyleColor(scButtonHot);
    ATones.Hover.TextColor = style.GetStyleFontColor(sfButtonTextHot);
    ATones.Hover.BorderColor = ATones.Hover.BrushColor;
    ATones.Disabled.BrushColor = style.GetStyleColor(scButtonDisabled);
    ATones.Disabled.TextColor = style.GetStyleFontColor(sfButtonTextDisabled);
    ATones.Disabled.BorderColor = ATones.Disabled.BrushColor;
}

String GetDefaultFontName() { return IsVistaOrLater() ? u"Segoe UI" : u"Tahoma"; }

int GetTextHeightAtDPI(int APixelsPerInch, int APointSize)
{
    HDC dc = GetDC(nullptr);
    int result;
    {
        TCanvas canvas;
        canvas.SetHandle(dc);
        canvas.Font()->SetPixelsPerInch(APixelsPerInch);
        canvas.Font()->SetSize(APointSize);
        result = canvas.TextHeight(u"0");
        canvas.SetHandle(nullptr);
    }
    ReleaseDC(nullptr, dc);
    return result;
}

float GetDCDPIScale(HDC ADC, bool AScaled)
{
    if (!AScaled)
        return 1;
    HDC dc = ADC ? ADC : GetDC(nullptr);
    const int ppi = GetDeviceCaps(dc, LOGPIXELSX);
    if (!ADC)
        ReleaseDC(nullptr, dc);
    if (ppi == 96)
        return 1;
    const float result = float(GetTextHeightAtDPI(ppi, 9)) / float(GetTextHeightAtDPI(96, 9));
    return result > 0 ? result : 1;
}

float GetCanvasDPIScale(TCanvas* ACanvas, TCustomForm* AForm)
{
    HDC dc = ACanvas && ACanvas->HandleAllocated() ? ACanvas->Handle() : nullptr;
    bool scaled = true;
    if (AForm) {
        auto* form = dynamic_cast<TForm*>(AForm);
        scaled = form && form->Scaled();
    }
    return GetDCDPIScale(dc, scaled);
}

float GetControlDPIScale(TControl* AControl, TCanvas* ACanvas)
{
    float result;
    auto* form = AControl ? dynamic_cast<TForm*>(AControl->GetParentForm()) : nullptr;
    if (form) {
        if (!form->Scaled())
            return 1;
        HMONITOR monitor = form->HandleAllocated()
                               ? MonitorFromWindow(form->Handle(), MONITOR_DEFAULTTONEAREST)
                               : MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
        result = float(PlatformMonitorDpi(monitor)) / 96.0f;
    } else if (ACanvas && ACanvas->HandleAllocated())
        result = float(GetDeviceCaps(ACanvas->Handle(), LOGPIXELSY)) / 96.0f;
    else
        result = float(ScreenLogPixels(LOGPIXELSX)) / 96.0f;
    return result == 0 ? 1 : result;
}
