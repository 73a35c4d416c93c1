// The style manager, the system style's colours and the style services of a control.
#include "Themes.h"

namespace {

std::unique_ptr<TSystemStyleServices>& SystemStyleInstance()
{
    static std::unique_ptr<TSystemStyleServices> instance;
    return instance;
}

void FinalizeThemes() { SystemStyleInstance().reset(); }

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
    auto& instance = SystemStyleInstance();
    if (!instance)
        instance = std::make_unique<TSystemStyleServices>();
    return instance.get();
}

TCustomStyleServices* StyleServices(const TControl*)
{
    // Per-control styles come with custom styles; until then every control paints in the active one.
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
