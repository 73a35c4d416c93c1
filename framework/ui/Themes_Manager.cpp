// The style manager, the system style's colours and the style services of a control.
#include <algorithm>

#include "Controls.h"
#include "Forms.h"
#include "Themes.h"

namespace {

struct TStyleRegistry {
    std::unique_ptr<TSystemStyleServices> System;
    std::vector<std::unique_ptr<TCustomStyleServices>> Custom;
    TCustomStyleServices* Active = nullptr; // null: the system style
    TStyleManager::TFormBorderStyle FormBorders = TStyleManager::fbsCurrentStyle;
};

TStyleRegistry& Registry()
{
    static TStyleRegistry registry;
    return registry;
}

void FinalizeThemes()
{
    TStyleRegistry& registry = Registry();
    registry.Active = nullptr;
    registry.Custom.clear();
    registry.System.reset();
}

bool SameName(const String& a, const String& b) { return CompareText(a, b) == 0; }

// The controls at the top of the application's control trees: framework windows whose control has
// no parent control (forms, and windows placed in foreign parents), and forms without a window.
BOOL CALLBACK AddRootControl(HWND wnd, LPARAM data)
{
    auto& roots = *reinterpret_cast<std::vector<TControl*>*>(data);
    TWinControl* control = TWinControl::FindControl(wnd);
    if (control && !control->Parent() && std::ranges::find(roots, control) == roots.end())
        roots.push_back(control);
    return TRUE;
}

BOOL CALLBACK AddRootControlsOfWindow(HWND wnd, LPARAM data)
{
    AddRootControl(wnd, data);
    EnumChildWindows(wnd, &AddRootControl, data);
    return TRUE;
}

std::vector<TControl*> RootControls()
{
    std::vector<TControl*> roots;
    EnumThreadWindows(GetCurrentThreadId(), &AddRootControlsOfWindow, reinterpret_cast<LPARAM>(&roots));
    for (int i = 0; Screen && i < Screen->FormCount(); ++i)
        if (std::ranges::find(roots, Screen->Forms(i)) == roots.end())
            roots.push_back(Screen->Forms(i));
    return roots;
}

// The system colour that each style colour and style font colour shows in the system style.
constexpr TColor SystemStyleColors[] = {
    clWindowFrame, // scBorder
    clBtnFace, clBtnFace, clBtnFace, clBtnFace, clBtnFace, // scButtonDisabled .. scButtonPressed
    clBtnFace, clBtnFace, clBtnFace, clBtnFace, // scCategoryButtons .. scCategoryPanelGroup
    clWindow, clBtnFace, // scComboBox, scComboBoxDisabled
    clWindow, clBtnFace, // scEdit, scEditDisabled
    clWindow, // scGrid
    clBtnFace, clBtnFace, clBtnFace, // scGenericBackground, scGenericGradientBase, scGenericGradientEnd
    clInfoBk, clInfoBk, // scHintGradientBase, scHintGradientEnd
    clWindow, clBtnFace, // scListBox, scListBoxDisabled
    clWindow, // scListView
    clBtnFace, clBtnFace, clBtnFace, // scPanel, scPanelDisabled, scSplitter
    clBtnFace, clBtnFace, // scToolBarGradientBase, scToolBarGradientEnd
    clWindow, // scTreeView
    clBtnFace, // scWindow
};
static_assert(std::size(SystemStyleColors) == scWindow + 1);

constexpr TColor SystemStyleFontColors[] = {
    clGrayText, clBtnText, clBtnText, clBtnText, clBtnText, // sfButtonText...
    clInactiveCaptionText, clCaptionText, // sfCaptionTextInactive, sfCaptionTextNormal
    clGrayText, clBtnText, clBtnText, clBtnText, clBtnText, // sfCheckBoxText...
    clGrayText, clWindowText, clWindowText, clWindowText, clHighlightText, // sfComboBoxItem...
    clGrayText, clWindowText, clWindowText, clWindowText, clHighlightText, // sfEditBoxText...
    clBtnText, clBtnText, clBtnText, clWindowText, clHighlightText, // sfGridItem...
    clGrayText, clWindowText, // sfGroupBoxText...
    clGrayText, clBtnText, clBtnText, clBtnText, // sfHeaderSectionText...
    clGrayText, clWindowText, clWindowText, clWindowText, clHighlightText, // sfListItemText...
    clGrayText, clMenuText, clMenuText, clHighlightText, // sfMenuItemText...
    clGrayText, clBtnText, // sfPanelText...
    clGrayText, clMenuText, clMenuText, clHighlightText, // sfPopupMenuItemText...
    clGrayText, clBtnText, clBtnText, clBtnText, clBtnText, // sfRadioButtonText...
    clGrayText, clBtnText, // sfStatusPanelText...
    clGrayText, clBtnText, clBtnText, // sfTabTextActive...
    clGrayText, clBtnText, clBtnText, // sfTabTextInactive...
    clGrayText, clWindowText, clWindowText, clWindowText, // sfTextLabel...
    clGrayText, clBtnText, clBtnText, clBtnText, // sfToolItemText...
    clGrayText, clWindowText, clWindowText, clWindowText, clHighlightText, // sfTreeItemText...
    clGrayText, clWindowText, // sfWindowText...
};
static_assert(std::size(SystemStyleFontColors) == sfWindowTextNormal + 1);

} // namespace

const TUnitStep ThemesUnit{"Themes", nullptr, &FinalizeThemes};

TSystemStyleServices* TStyleManager::SystemStyle()
{
    auto& instance = Registry().System;
    if (!instance)
        instance = std::make_unique<TSystemStyleServices>();
    return instance.get();
}

TCustomStyleServices* TStyleManager::ActiveStyle()
{
    TCustomStyleServices* active = Registry().Active;
    return active ? active : SystemStyle();
}

TCustomStyleServices* TStyleManager::RegisterStyle(std::unique_ptr<TCustomStyleServices> style)
{
    if (!style)
        throw EStyleEngineException(u"No style to register");
    if (Style(style->Name()))
        throw EStyleEngineException(u"A style named '" + style->Name() + u"' is registered already");
    return Registry().Custom.emplace_back(std::move(style)).get();
}

void TStyleManager::UnRegisterStyle(const String& name)
{
    auto& custom = Registry().Custom;
    auto found = std::ranges::find_if(custom, [&](const auto& style) { return SameName(style->Name(), name); });
    if (found == custom.end())
        return;
    // Controls let go of the style (and their hooks) before it is freed.
    std::unique_ptr<TCustomStyleServices> leaving = std::move(*found);
    custom.erase(found);
    if (Registry().Active == leaving.get())
        Registry().Active = nullptr;
    NotifyStyleChanged();
}

TCustomStyleServices* TStyleManager::Style(const String& name)
{
    if (SameName(name, SystemStyle()->Name()))
        return SystemStyle();
    for (const auto& style : Registry().Custom)
        if (SameName(style->Name(), name))
            return style.get();
    return nullptr;
}

std::vector<String> TStyleManager::StyleNames()
{
    std::vector<String> names{SystemStyle()->Name()};
    for (const auto& style : Registry().Custom)
        names.push_back(style->Name());
    return names;
}

void TStyleManager::SetStyle(const String& name)
{
    TCustomStyleServices* style = Style(name);
    if (!style)
        throw EStyleEngineException(u"No style named '" + name + u"' is registered");
    TCustomStyleServices* next = style->IsSystemStyle() ? nullptr : style;
    if (Registry().Active == next)
        return;
    Registry().Active = next;
    NotifyStyleChanged();
}

bool TStyleManager::TrySetStyle(const String& name)
{
    if (!Style(name))
        return false;
    SetStyle(name);
    return true;
}

TStyleManager::TFormBorderStyle TStyleManager::FormBorderStyle() { return Registry().FormBorders; }

void TStyleManager::SetFormBorderStyle(TFormBorderStyle value)
{
    if (Registry().FormBorders == value)
        return;
    Registry().FormBorders = value;
    NotifyStyleChanged();
}

void TStyleManager::NotifyStyleChanged(TControl* control)
{
    if (control) {
        control->Perform(CM_STYLECHANGED);
        return;
    }
    // A root's answer may free another root (a hook's own windows go with it): each is looked up
    // again before it is told.
    for (TControl* root : RootControls())
        if (const std::vector<TControl*> now = RootControls(); std::ranges::find(now, root) != now.end())
            root->Perform(CM_STYLECHANGED);
}

TCustomStyleServices* StyleServices(const TControl* control)
{
    // A control whose hook could not be made paints as if no style were active.
    if (auto* win = dynamic_cast<const TWinControl*>(control); win && win->StyleHookFailed())
        return TStyleManager::SystemStyle();
    for (const TControl* c = control; c; c = c->Parent())
        if (!c->StyleName().empty())
            if (TCustomStyleServices* style = TStyleManager::Style(c->StyleName()))
                return style;
    return TStyleManager::ActiveStyle();
}

TColor TSystemStyleServices::GetStyleColor(TStyleColor color) const
{
    return color >= 0 && color <= scWindow ? SystemStyleColors[color] : clNone;
}

TColor TSystemStyleServices::GetStyleFontColor(TStyleFont font) const
{
    return font >= 0 && font <= sfWindowTextNormal ? SystemStyleFontColors[font] : clNone;
}
