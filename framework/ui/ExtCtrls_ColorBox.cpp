// The colour pickers: a combo box and a list box whose items are named colours.
#include "ExtCtrls.h"

#include <algorithm>

namespace {

struct TColorName {
    TColor Color;
    const char16_t* Ident;
    const char16_t* Pretty;
};

constexpr TColorName StandardColors[] = {
    {clBlack, u"clBlack", u"Black"},   {clMaroon, u"clMaroon", u"Maroon"},    {clGreen, u"clGreen", u"Green"},
    {clOlive, u"clOlive", u"Olive"},   {clNavy, u"clNavy", u"Navy"},          {clPurple, u"clPurple", u"Purple"},
    {clTeal, u"clTeal", u"Teal"},      {clGray, u"clGray", u"Gray"},          {clSilver, u"clSilver", u"Silver"},
    {clRed, u"clRed", u"Red"},         {clLime, u"clLime", u"Lime"},          {clYellow, u"clYellow", u"Yellow"},
    {clBlue, u"clBlue", u"Blue"},      {clFuchsia, u"clFuchsia", u"Fuchsia"}, {clAqua, u"clAqua", u"Aqua"},
    {clWhite, u"clWhite", u"White"},
};

constexpr TColorName ExtendedColors[] = {
    {clMoneyGreen, u"clMoneyGreen", u"Money Green"},
    {clSkyBlue, u"clSkyBlue", u"Sky Blue"},
    {clCream, u"clCream", u"Cream"},
    {clMedGray, u"clMedGray", u"Medium Gray"},
};

constexpr TColorName SystemColors[] = {
    {clScrollBar, u"clScrollBar", u"Scroll Bar"},
    {clBackground, u"clBackground", u"Background"},
    {clActiveCaption, u"clActiveCaption", u"Active Caption"},
    {clInactiveCaption, u"clInactiveCaption", u"Inactive Caption"},
    {clMenu, u"clMenu", u"Menu"},
    {clWindow, u"clWindow", u"Window"},
    {clWindowFrame, u"clWindowFrame", u"Window Frame"},
    {clMenuText, u"clMenuText", u"Menu Text"},
    {clWindowText, u"clWindowText", u"Window Text"},
    {clCaptionText, u"clCaptionText", u"Caption Text"},
    {clActiveBorder, u"clActiveBorder", u"Active Border"},
    {clInactiveBorder, u"clInactiveBorder", u"Inactive Border"},
    {clAppWorkSpace, u"clAppWorkSpace", u"Application Workspace"},
    {clHighlight, u"clHighlight", u"Highlight"},
    {clHighlightText, u"clHighlightText", u"Highlight Text"},
    {clBtnFace, u"clBtnFace", u"Button Face"},
    {clBtnShadow, u"clBtnShadow", u"Button Shadow"},
    {clGrayText, u"clGrayText", u"Gray Text"},
    {clBtnText, u"clBtnText", u"Button Text"},
    {clInactiveCaptionText, u"clInactiveCaptionText", u"Inactive Caption Text"},
    {clBtnHighlight, u"clBtnHighlight", u"Button Highlight"},
    {cl3DDkShadow, u"cl3DDkShadow", u"3D Dark Shadow"},
    {cl3DLight, u"cl3DLight", u"3D Light"},
    {clInfoText, u"clInfoText", u"Info Text"},
    {clInfoBk, u"clInfoBk", u"Info Background"},
    {clHotLight, u"clHotLight", u"Hot Light"},
    {clGradientActiveCaption, u"clGradientActiveCaption", u"Gradient Active Caption"},
    {clGradientInactiveCaption, u"clGradientInactiveCaption", u"Gradient Inactive Caption"},
    {clMenuHighlight, u"clMenuHighlight", u"Menu Highlight"},
    {clMenuBar, u"clMenuBar", u"Menu Bar"},
};

// The framework's own look of a colour item: a framed swatch and the name.
void DrawColorItem(TWinControl* control, const DRAWITEMSTRUCT& item, TColor color, const String& name)
{
    const bool selected = item.itemState & ODS_SELECTED;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const int side = item.rcItem.bottom - item.rcItem.top - 4;
    RECT swatch{item.rcItem.left + 2, item.rcItem.top + 2, item.rcItem.left + 2 + side, item.rcItem.bottom - 2};
    const HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(color)));
    FillRect(item.hDC, &swatch, brush);
    DeleteObject(brush);
    FrameRect(item.hDC, &swatch, GetSysColorBrush(COLOR_WINDOWTEXT));
    RECT text = item.rcItem;
    text.left = swatch.right + 4;
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawTextW(item.hDC, reinterpret_cast<LPCWSTR>(name.c_str()), static_cast<int>(name.size()), &text,
              control->DrawTextBiDiModeFlags(DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX));
}

} // namespace

std::vector<TNamedColor> ColorBoxColors(TColorBoxStyle style, TColor customColor, TColor defaultColor,
                                        TColor noneColor)
{
    std::vector<TNamedColor> colors;
    const bool pretty = style.Contains(cbPrettyNames);
    if (style.Contains(cbCustomColor))
        colors.push_back({u"Custom...", customColor});
    if (style.Contains(cbIncludeDefault))
        colors.push_back({pretty ? u"Default" : u"clDefault", defaultColor});
    if (style.Contains(cbIncludeNone))
        colors.push_back({pretty ? u"None" : u"clNone", noneColor});
    auto add = [&](const auto& table) {
        for (const TColorName& c : table)
            colors.push_back({pretty ? c.Pretty : c.Ident, c.Color});
    };
    if (style.Contains(cbStandardColors))
        add(StandardColors);
    if (style.Contains(cbExtendedColors))
        add(ExtendedColors);
    if (style.Contains(cbSystemColors))
        add(SystemColors);
    return colors;
}

void TColorPickerItems::Populate(TStrings* items, TColorBoxStyle style, TColor customColor, TColor defaultColor,
                                 TColor noneColor)
{
    const std::vector<TNamedColor> colors = ColorBoxColors(style, customColor, defaultColor, noneColor);
    items->Clear();
    FColors.clear();
    for (const TNamedColor& c : colors) {
        items->Add(c.Name);
        FColors.push_back(c.Color);
    }
}

TColor TColorPickerItems::Color(int index) const
{
    return index >= 0 && index < Count() ? FColors[static_cast<size_t>(index)] : clBlack;
}

int TColorPickerItems::IndexOf(TColor color) const
{
    const auto at = std::find(FColors.begin(), FColors.end(), color);
    return at == FColors.end() ? -1 : static_cast<int>(at - FColors.begin());
}

TAVIN_PUBLISHED(TColorBox)
{
    TAVIN_PROPERTY(TColorBoxStyle, ColorStyle);
    TAVIN_PROPERTY(TColor, Selected).Default(clBlack);
    TAVIN_PROPERTY(TColor, DefaultColorColor).Default(clBlack);
    TAVIN_PROPERTY(TColor, NoneColorColor).Default(clBlack);
    TAVIN_PROPERTY(int, DropDownCount).Default(8);
    TAVIN_PROPERTY(TNotifyEvent, OnChange);
    TAVIN_PROPERTY(TNotifyEvent, OnSelect);
}

TCustomColorBox::TCustomColorBox(TComponent* owner) : TCustomComboBox(owner)
{
    TCustomComboBox::SetStyle(csOwnerDrawFixed);
    PopulateList();
}

void TCustomColorBox::PopulateList()
{
    const TColor selected = Selected();
    FColors.Populate(Items(), FColorStyle, clBlack, FDefaultColorColor, FNoneColorColor);
    SetItemIndex(FColors.IndexOf(selected));
}

void TCustomColorBox::WndProc(TMessage& message)
{
    if (message.Msg == CN_DRAWITEM && !OnDrawItem()) {
        const auto& item = *reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
        const int index = static_cast<int>(item.itemID);
        if (index >= 0 && index < Items()->Count())
            DrawColorItem(this, item, Colors(index), ColorNames(index));
        message.Result = 1;
        return;
    }
    TCustomComboBox::WndProc(message);
}

void TCustomColorBox::SetColorStyle(TColorBoxStyle value)
{
    if (FColorStyle == value)
        return;
    FColorStyle = value;
    PopulateList();
}

void TCustomColorBox::SetSelected(TColor value) { SetItemIndex(FColors.IndexOf(value)); }

void TCustomColorBox::SetDefaultColorColor(TColor value)
{
    FDefaultColorColor = value;
    PopulateList();
}

void TCustomColorBox::SetNoneColorColor(TColor value)
{
    FNoneColorColor = value;
    PopulateList();
}

TAVIN_PUBLISHED(TColorListBox)
{
    TAVIN_PROPERTY(TColorBoxStyle, ColorStyle);
    TAVIN_PROPERTY(TColor, Selected).Default(clBlack);
    TAVIN_PROPERTY(int, ItemHeight).Default(16);
    TAVIN_PROPERTY(TNotifyEvent, OnClick);
}

TCustomColorListBox::TCustomColorListBox(TComponent* owner) : TCustomListBox(owner)
{
    SetStyle(lbOwnerDrawFixed);
    PopulateList();
}

void TCustomColorListBox::PopulateList()
{
    const TColor selected = Selected();
    FColors.Populate(Items(), FColorStyle, clBlack, clBlack, clBlack);
    SetItemIndex(FColors.IndexOf(selected));
}

void TCustomColorListBox::SetColorStyle(TColorBoxStyle value)
{
    if (FColorStyle == value)
        return;
    FColorStyle = value;
    PopulateList();
}

void TCustomColorListBox::SetSelected(TColor value) { SetItemIndex(FColors.IndexOf(value)); }

void TCustomColorListBox::WndProc(TMessage& message)
{
    if (message.Msg == CN_DRAWITEM && !OnDrawItem()) {
        const auto& item = *reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
        const int index = static_cast<int>(item.itemID);
        if (index >= 0 && index < Items()->Count())
            DrawColorItem(this, item, Colors(index), ColorNames(index));
        message.Result = 1;
        return;
    }
    TCustomListBox::WndProc(message);
}
