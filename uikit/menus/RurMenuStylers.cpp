// The Office menu styler: applying a preset, following the XP colour scheme, the shared style.
#include "RurMenuStylers.h"

#include "PlatformFacts.h"
#include "RurMenuStylers_Presets.h"
#include "RurMenus_Components.h"

namespace RurMenuStylers {

TAVIN_PUBLISHED(TNotifierWindow)
{
    TAVIN_PROPERTY(TNotifyEvent, OnThemeChange);
}

TNotifierWindow::TNotifierWindow(TComponent* AOwner) : TWinControl(AOwner)
{
    SetVisible(false);
}

void TNotifierWindow::WndProc(TMessage& Message)
{
    if (Message.Msg == WM_THEMECHANGED && FOnThemeChange)
        FOnThemeChange(this);
    TWinControl::WndProc(Message);
}

namespace {

// Each value through the property's write accessor, unless the preset leaves it alone.
template <class TTarget, class TOwner>
void Put(TTarget* target, void (TOwner::*setter)(TColor), TColor value)
{
    if (value != NotWritten)
        (target->*setter)(value);
}

template <class TTarget, class TOwner>
void PutFlag(TTarget* target, void (TOwner::*setter)(bool), int value)
{
    if (value != NoFlag)
        (target->*setter)(value != 0);
}

void ApplyPreset(TCustomRurMenuStyler* styler, const TMenuPreset& p)
{
    TBackground* background = styler->Background();
    Put(background, &TBackground::SetColor, p.Background);
    Put(background, &TBackground::SetColorTo, p.BackgroundTo);
    Put(styler, &TCustomRurMenuStyler::SetMenuBorderColor, p.MenuBorder);
    Put(styler->Font(), &TFont::SetColor, p.FontColor);

    TRootItem* root = styler->RootItem();
    Put(root, &TRootItem::SetColor, p.Root);
    Put(root, &TRootItem::SetColorTo, p.RootTo);
    Put(root, &TRootItem::SetSelectedColor, p.Selected);
    Put(root, &TRootItem::SetSelectedColorTo, p.SelectedTo);
    Put(root, &TRootItem::SetSelectedColorMirror, p.SelectedMirror);
    Put(root, &TRootItem::SetSelectedColorMirrorTo, p.SelectedMirrorTo);
    Put(root, &TRootItem::SetSelectedBorderColor, p.SelectedBorder);
    Put(root, &TRootItem::SetHoverColor, p.Hover);
    Put(root, &TRootItem::SetHoverColorTo, p.HoverTo);
    Put(root, &TRootItem::SetHoverColorMirror, p.HoverMirror);
    Put(root, &TRootItem::SetHoverColorMirrorTo, p.HoverMirrorTo);
    Put(root, &TRootItem::SetHoverBorderColor, p.HoverBorder);
    Put(root, &TRootItem::SetHoverTextColor, p.HoverText);
    if (p.RootDirection != NoFlag)
        root->SetGradientDirection(static_cast<RurMenus::TGradientDirection>(p.RootDirection));
    Put(root->Font(), &TFont::SetColor, p.RootFont);
    PutFlag(root, &TRootItem::SetUseSystemFont, p.RootSystemFont);
    Put(root, &TRootItem::SetSelectedTextColor, p.SelectedText);

    TSelectedItem* item = styler->SelectedItem();
    Put(item, &TSelectedItem::SetColor, p.Item);
    Put(item, &TSelectedItem::SetColorTo, p.ItemTo);
    Put(item, &TSelectedItem::SetColorMirror, p.ItemMirror);
    Put(item, &TSelectedItem::SetColorMirrorTo, p.ItemMirrorTo);
    Put(item, &TSelectedItem::SetBorderColor, p.ItemBorder);
    Put(item, &TSelectedItem::SetCheckColor, p.ItemCheck);
    Put(item, &TSelectedItem::SetCheckColorTo, p.ItemCheckTo);
    Put(item, &TSelectedItem::SetRadioColor, p.ItemCheck);
    Put(item, &TSelectedItem::SetRadioColorTo, p.ItemCheckTo);
    Put(item, &TSelectedItem::SetCheckBorder, p.ItemCheckBorder);
    Put(item, &TSelectedItem::SetRadioBorder, p.ItemCheckBorder);
    Put(item->Font(), &TFont::SetColor, p.ItemFont);
    PutFlag(item, &TSelectedItem::SetUseSystemFont, p.ItemSystemFont);

    TIconBar* icon = styler->IconBar();
    Put(icon, &TIconBar::SetColor, p.Icon);
    Put(icon, &TIconBar::SetColorTo, p.IconTo);
    Put(icon, &TIconBar::SetCheckColor, p.IconCheck);
    Put(icon, &TIconBar::SetCheckColorTo, p.IconCheckTo);
    Put(icon, &TIconBar::SetCheckBorder, p.IconCheckBorder);
    Put(icon, &TIconBar::SetRadioColor, p.IconCheck);
    Put(icon, &TIconBar::SetRadioColorTo, p.IconCheckTo);
    Put(icon, &TIconBar::SetRadioBorder, p.IconCheckBorder);
    Put(icon, &TIconBar::SetSeparatorColor, p.IconSeparator);

    Put(styler->Separator(), &TSeparator::SetColor, p.Separator);
    Put(styler->Separator(), &TSeparator::SetColorTo, p.SeparatorTo);

    RurMenus::TButtonAppearance* buttons = styler->ButtonAppearance();
    Put(buttons, &RurMenus::TButtonAppearance::SetHoverColor, p.ButtonHover);
    Put(buttons, &RurMenus::TButtonAppearance::SetHoverColorTo, p.ButtonHoverTo);
    Put(buttons, &RurMenus::TButtonAppearance::SetHoverBorderColor, p.ButtonHoverBorder);
    Put(buttons, &RurMenus::TButtonAppearance::SetDownColor, p.ButtonDown);
    Put(buttons, &RurMenus::TButtonAppearance::SetDownColorTo, p.ButtonDownTo);
    Put(buttons, &RurMenus::TButtonAppearance::SetDownBorderColor, p.ButtonDownBorder);

    PutFlag(styler, &TCustomRurMenuStyler::SetUseSystemFont, p.StylerSystemFont);
}

} // namespace

} // namespace RurMenuStylers

using RurMenuStylers::TNotifierWindow;

TAVIN_PUBLISHED(TRurMenuOfficeStyler)
{
    TAVIN_PROPERTY(TOfficeStyle, Style);
    TAVIN_PROPERTY(bool, AutoThemeAdapt);
    RUR_PUBLISH_MENU_STYLER_PROPERTIES;
}

TRurMenuOfficeStyler::TRurMenuOfficeStyler(TComponent* AOwner) : TCustomRurMenuStyler(AOwner)
{
    FNotifierWnd = new TNotifierWindow(this);
    for (TComponent* owner = AOwner; owner; owner = owner->Owner())
        if (auto* parent = dynamic_cast<TWinControl*>(owner)) {
            FNotifierWnd->SetParent(parent);
            break;
        }
    FNotifierWnd->SetOnThemeChange(MakeHandler<&TRurMenuOfficeStyler::ThemeChanged>(this));
    TComponent* owner = Owner();
    if (ComponentState().Contains(csDesigning) &&
        !(owner && (owner->ComponentState().Contains(csReading) || owner->ComponentState().Contains(csLoading))))
        SetComponentStyle(tsOffice2019White);
}

void TRurMenuOfficeStyler::Loaded()
{
    TCustomRurMenuStyler::Loaded();
    ThemeChanged(this);
}

void TRurMenuOfficeStyler::SetAutoThemeAdapt(bool value)
{
    if (FAutoThemeAdapt == value)
        return;
    FAutoThemeAdapt = value;
    ThemeChanged(this);
}

void TRurMenuOfficeStyler::ThemeChanged(TObject*)
{
    if (!FAutoThemeAdapt)
        return;
    static constexpr TOfficeStyle ByScheme[] = {osOfficeXP, osOffice2003Blue, osOffice2003Olive, osOffice2003Silver};
    const int scheme = DetectXPColorScheme();
    SetStyle(scheme >= 1 && scheme <= 3 ? ByScheme[scheme] : osOfficeXP);
}

void TRurMenuOfficeStyler::SetComponentStyle(TRujStyle AStyle)
{
    TOfficeStyle style;
    if (OfficeStyleOf(AStyle, style))
        SetStyle(style);
}

void TRurMenuOfficeStyler::SetStyle(TOfficeStyle Value)
{
    FStyle = Value;
    Font()->SetColor(clWindowText);
    SetUseSystemFont(true);
    if (const auto* preset = RurMenuStylers::FindMenuPreset(Value))
        RurMenuStylers::ApplyPreset(this, *preset);
    if (auto* menu = dynamic_cast<TRurMainMenu*>(Menu()); menu && menu->WindowHandle())
        DrawMenuBar(menu->WindowHandle());
}

bool OfficeStyleOf(TRujStyle AStyle, TOfficeStyle& result)
{
    static constexpr std::pair<TRujStyle, TOfficeStyle> Map[] = {
        {tsOffice2003Blue, osOffice2003Blue},         {tsOffice2003Silver, osOffice2003Silver},
        {tsOffice2003Olive, osOffice2003Olive},       {tsOffice2003Classic, osOfficeXP},
        {tsWindowsXP, osOfficeXP},                    {tsOffice2007Luna, osOffice2007Luna},
        {tsOffice2007Obsidian, osOffice2007Obsidian}, {tsOffice2007Silver, osOffice2007Silver},
        {tsWindowsVista, osVista},                    {tsWhidbey, osWhidbey},
        {tsWindows7, osWindows7},                     {tsTerminal, osTerminal},
        {tsOffice2010Blue, osOffice2010Blue},         {tsOffice2010Silver, osOffice2010Silver},
        {tsOffice2010Black, osOffice2010Black},       {tsWindows8, osWindows8},
        {tsOffice2013White, osOffice2013White},       {tsOffice2013LightGray, osOffice2013LightGray},
        {tsOffice2013Gray, osOffice2013Gray},         {tsWindows10, osWindows10},
        {tsOffice2016White, osOffice2016White},       {tsOffice2016Gray, osOffice2016Gray},
        {tsOffice2016Black, osOffice2016Black},       {tsOffice2019White, osOffice2019White},
        {tsOffice2019Gray, osOffice2019Gray},         {tsOffice2019Black, osOffice2019Black},
    };
    for (auto [shared, office] : Map)
        if (shared == AStyle) {
            result = office;
            return true;
        }
    return false;
}

int ColorSchemeNumber(const String& schemeName)
{
    if (schemeName == u"NormalColor")
        return 1;
    if (schemeName == u"HomeStead")
        return 2;
    if (schemeName == u"Metallic")
        return 3;
    return 0;
}

bool IsWindowsXPOrLater()
{
    const TWindowsVersion v = PlatformWindowsVersion();
    return v.Major > 5 || (v.Major == 5 && v.Minor > 0);
}

int DetectXPColorScheme()
{
    if (!IsWindowsXPOrLater())
        return 0;
    HMODULE uxtheme = LoadLibraryW(L"uxtheme.dll");
    if (!uxtheme)
        return 0;
    using TIsThemeActive = BOOL(WINAPI*)();
    using TGetCurrentThemeName = HRESULT(WINAPI*)(LPWSTR, int, LPWSTR, int, LPWSTR, int);
    auto isThemeActive =
        reinterpret_cast<TIsThemeActive>(reinterpret_cast<void*>(GetProcAddress(uxtheme, "IsThemeActive")));
    auto getName = reinterpret_cast<TGetCurrentThemeName>(
        reinterpret_cast<void*>(GetProcAddress(uxtheme, "GetCurrentThemeName")));
    int result = 0;
    if (isThemeActive && isThemeActive() && getName) {
        wchar_t fileName[256] = {}, colorName[256] = {}, sizeName[256] = {};
        if (SUCCEEDED(getName(fileName, 255, colorName, 255, sizeName, 255)))
            result = ColorSchemeNumber(String(reinterpret_cast<const Char*>(colorName)));
    }
    FreeLibrary(uxtheme);
    return result;
}
