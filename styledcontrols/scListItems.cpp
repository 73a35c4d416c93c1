// What the styled list wrappers share: item colours, the FluentUIOpaque option, item images, the
// item content painter and the off-screen painting of a list box item.
#include "scListControls.h"

#include "Themes.h"
#include "WideText.h"

TOwnerDrawState OwnerDrawStateOf(UINT itemState)
{
    static constexpr std::pair<UINT, TOwnerDrawStateItem> Bits[] = {
        {ODS_SELECTED, odSelected}, {ODS_GRAYED, odGrayed},     {ODS_DISABLED, odDisabled},
        {ODS_CHECKED, odChecked},   {ODS_FOCUS, odFocused},     {ODS_DEFAULT, odDefault},
        {ODS_HOTLIGHT, odHotLight}, {ODS_INACTIVE, odInactive}, {ODS_NOACCEL, odNoAccel},
        {ODS_NOFOCUSRECT, odNoFocusRect}};
    TOwnerDrawState state;
    for (const auto& [bit, item] : Bits)
        if (itemState & bit)
            state.Include(item);
    return state;
}

TscItemColors ListItemColors(const TControl* control, bool selected, const TscSelectionLook& look)
{
    if (selected && look.Style == scstColor) {
        if (look.Color == clNone)
            return {GetStyleSystemColor(clHighlightText, control), GetStyleSystemColor(clHighlight, control)};
        return {look.TextColor, look.Color};
    }
    const TStyleElements elements = control->StyleElements();
    const bool custom = UsesCustomStyle(control);
    if (elements.Contains(seClient) && custom) {
        TColor text = elements.Contains(seFont) ? GetEditFontColor(scsNormal, control) : control->Font()->Color();
        if (!control->Enabled())
            text = GetEditFontColor(scsDisabled, control);
        return {text, GetEditColor(scsNormal, control)};
    }
    TColor text = control->Font()->Color();
    if (!control->Enabled())
        text = custom ? GetEditFontColor(scsDisabled, control) : clGrayText;
    return {text, control->Color()};
}

bool IsFluentUIOpaqueActiveFor(const TComponent* component, bool option, bool testBuild)
{
    return option && !component->ComponentState().Contains(csDesigning) && IsWindows10OrLater() &&
           (!testBuild || GetWindowsBuildNumber() >= 17134);
}

void ApplyFluentUIOpaque(TWinControl* control, bool active)
{
    if (!active)
        return;
    SetLayeredWindowAttributes(control->Handle(), 0, 255, LWA_ALPHA);
    if (control->Visible())
        SetTimer(control->Handle(), FluentOpaqueRedrawTimer, 10, nullptr);
}

bool HandleFluentUIOpaqueTimer(TWinControl* control, const TMessage& message, bool active)
{
    if (message.Msg != WM_TIMER || message.WParam != FluentOpaqueRedrawTimer || !active)
        return false;
    const HWND wnd = control->HandleIfAllocated();
    KillTimer(wnd, FluentOpaqueRedrawTimer);
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return true;
}

void ChangeFluentUIOpaque(TWinControl* control, bool& field, bool value, bool skipWhileLoading)
{
    if (field == value)
        return;
    field = value;
    const TComponentState state = control->ComponentState();
    if (!state.Contains(csDesigning) && !(skipWhileLoading && state.Contains(csLoading)) &&
        !state.Contains(csDestroying) && IsWindows10OrLater() && GetWindowsBuildNumber() >= 17134)
        control->Perform(CM_RECREATEWND);
}

bool KitPaintsView(const TControl* control, bool defaultDraw) { return UsesCustomStyle(control) || !defaultDraw; }

TColor UpdateViewBrush(TWinControl* control)
{
    const TColor color = GetStyleSystemColor(control->Color(), control);
    control->Brush()->SetColor(color);
    return color;
}

void FullRedrawWindow(TWinControl* control)
{
    if (control->HandleAllocated())
        RedrawWindow(control->HandleIfAllocated(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
}

void DrawListItemImage(TCanvas* canvas, TRect& textRect, TCustomImageList* images, int index, bool enabled,
                       bool rightToLeft)
{
    if (!images)
        return;
    const int y = textRect.Top + textRect.Height() / 2 - images->Height() / 2;
    const int x = rightToLeft ? textRect.Right - images->Width() : textRect.Left;
    if (IsImageIndexValid(images, index))
        DrawImageListImage(canvas, x, y, images, index, enabled);
    if (rightToLeft)
        textRect.Right -= images->Width() + 5;
    else
        textRect.Left += images->Width() + 5;
}

void AddMRUItem(TStrings* items, const String& value)
{
    if (value.empty())
        return;
    const int at = items->IndexOf(value);
    if (at == 0)
        return;
    if (at > 0)
        items->Delete(at);
    items->Insert(0, value);
}

String ItemBodyText(const String& text, const String& divider, String& title)
{
    title.clear();
    if (divider.empty())
        return text;
    const size_t at = text.find(divider);
    if (at == String::npos)
        return text;
    title = text.substr(0, at);
    return text.substr(at + divider.size());
}

namespace {

void DrawWrappedBody(TCanvas* canvas, const String& body, const TRect& rect, bool rightToLeft, TscItemFlavour flavour)
{
    PrepareCanvasText(canvas);
    const UINT noPrefix = flavour == TscItemFlavour::ListBox ? DT_NOPREFIX : 0;
    RECT measured{rect.Left, rect.Top, rect.Right, rect.Top};
    DrawTextW(canvas->Handle(), WidePtr(body), static_cast<int>(body.size()), &measured,
              BiDiDrawTextFlags(noPrefix | DT_CALCRECT | DT_WORDBREAK | DT_VCENTER, rightToLeft));
    const int height = measured.bottom - measured.top;
    RECT r{rect.Left, rect.Top + rect.Height() / 2 - height / 2, rect.Right, 0};
    r.bottom = r.top + height;
    const UINT noClip = flavour == TscItemFlavour::CheckListBox ? 0 : DT_NOCLIP;
    DrawTextW(canvas->Handle(), WidePtr(body), static_cast<int>(body.size()), &r,
              BiDiDrawTextFlags(noPrefix | noClip | DT_WORDBREAK | DT_VCENTER, rightToLeft));
}

} // namespace

void PaintItemContent(TCanvas* canvas, TRect rect, int index, TOwnerDrawState state, const TscItemContent& content)
{
    TCustomImageList* images = content.Images;
    int imageIndex = -1;
    if (content.OnGetDrawItemParams)
        content.OnGetDrawItemParams(index, state, canvas, images, imageIndex);
    const bool rightToLeft = content.Control->BiDiMode() == bdRightToLeft;
    TRect r = rect;
    r.Left += 2;
    r.Right -= 2;
    if (content.Flavour != TscItemFlavour::ComboBox)
        r.Bottom -= 1;
    if (images) {
        if (imageIndex == -1)
            imageIndex = content.ImageIndex;
        if (imageIndex == -1)
            imageIndex = index;
        const bool enabled = content.Flavour == TscItemFlavour::CheckListBox || content.Control->Enabled();
        DrawListItemImage(canvas, r, images, imageIndex, enabled, rightToLeft);
    }
    String title;
    const String body = ItemBodyText(content.Text, content.TitleDivider, title);
    if (!title.empty()) {
        const TRect titleRect(r.Left, r.Top + 2, r.Right, r.Top + 2 + canvas->TextHeight(u"Wq"));
        const TFontStyles style = canvas->Font()->Style();
        canvas->Font()->SetStyle(style + TFontStyles{fsBold});
        DrawSingleLineText(canvas, title, titleRect, true, rightToLeft);
        canvas->Font()->SetStyle(style);
        r.Top = titleRect.Bottom;
        r.Left += 2;
    }
    if (content.Flavour != TscItemFlavour::ComboBox && content.TabWidths && content.TabWidths->Count() > 0)
        DrawTabbedText(body, content.TabWidths, canvas, 0, r);
    else if (content.WordBreak)
        DrawWrappedBody(canvas, body, r, rightToLeft, content.Flavour);
    else
        DrawSingleLineText(canvas, body, r, true, rightToLeft);
}

void PaintListBoxItem(const DRAWITEMSTRUCT& item, const TscListItemPaint& paint)
{
    TCustomListBox* control = paint.Control;
    const TRect itemRect = FromWinRect(item.rcItem);
    if (itemRect.Width() <= 0 || itemRect.Height() <= 0)
        return;
    const int index = static_cast<int>(item.itemID);
    TOwnerDrawState state = OwnerDrawStateOf(item.itemState);
    if (control->ControlState().Contains(csPaintCopy) && index >= 0 &&
        (control->MultiSelect() ? index < control->Count() && control->Selected(index) : index == control->ItemIndex()))
        state.Include(odSelected);
    const bool selected = state.Contains(odSelected);
    const bool focused = control->Focused();

    auto bitmap = MakeBitmap32(itemRect.Width(), itemRect.Height());
    TCanvas* canvas = bitmap->Canvas();
    canvas->Font()->Assign(control->Font());
    const TRect whole(0, 0, itemRect.Width(), itemRect.Height());
    TRect r = whole;
    const bool rightToLeft = control->BiDiMode() == bdRightToLeft;
    if (paint.CheckWidth > 0) {
        const bool styledClient = control->StyleElements().Contains(seClient) && UsesCustomStyle(control);
        canvas->Brush()->SetColor(styledClient ? GetEditColor(scsNormal, control) : control->Color());
        canvas->FillRect(whole);
        TRect box = rightToLeft ? TRect(whole.Right - paint.CheckWidth - 4, 0, whole.Right - 2, whole.Bottom)
                                : TRect(2, 0, paint.CheckWidth + 4, whole.Bottom);
        if (index >= 0 && index < control->Count())
            paint.DrawCheck(canvas, box, index);
        if (rightToLeft)
            r.Right = whole.Right - paint.CheckWidth - 6;
        else
            r.Left = paint.CheckWidth + 6;
    }

    const TscItemColors colors = ListItemColors(control, selected, paint.Look);
    canvas->Font()->SetColor(colors.Text);
    canvas->Brush()->SetStyle(bsSolid);
    if (selected && paint.Look.Style == scstColor && !focused && !paint.Look.ShowFocusRect) {
        canvas->Brush()->SetColor(control->Color());
        canvas->FillRect(r);
        canvas->Brush()->SetColor(colors.Background);
        FillRectAlpha(canvas, r, 200);
    } else {
        canvas->Brush()->SetColor(colors.Background);
        canvas->FillRect(r);
    }
    if (paint.ShowLines && !selected) {
        canvas->Pen()->SetColor(GetStyleSystemColor(paint.LineColor, control));
        canvas->MoveTo(0, whole.Bottom - 1);
        canvas->LineTo(whole.Right, whole.Bottom - 1);
    }
    if (selected && paint.Look.Style == scstStyled) {
        canvas->Font()->SetColor(GetSelectionTextColor(control));
        DrawItemSelection(canvas, r, focused && state.Contains(odFocused), control, paint.Look.ShowFocusRect);
    }
    if (focused && state.Contains(odFocused) && (paint.Look.ShowFocusRect || index < 0)) {
        TRect focus = r;
        if (StyleServices(control)->Enabled() && !IsWindowsXP() && !UsesCustomStyle(control) &&
            paint.Look.Style == scstStyled)
            focus = InsetRect(focus, 1, 1);
        DrawScaledFocusRect(canvas, focus, control->ScaleFactor());
    }
    canvas->Brush()->SetStyle(bsClear);
    if (control->ScaleFactor() >= 1.5) {
        const int inset = paint.CheckWidth > 0 ? 2 : 1;
        r.Left += inset;
        r.Right -= inset;
    } else if (paint.CheckWidth > 0) {
        r.Left += 1;
        r.Right -= 1;
    }
    if (index >= 0)
        paint.Content(canvas, r, index, state);
    BitBlt(item.hDC, itemRect.Left, itemRect.Top, itemRect.Width(), itemRect.Height(), canvas->Handle(), 0, 0, SRCCOPY);
}

void PaintRowSelection(TCanvas* canvas, const TRect& rect, const TWinControl* control, const TscSelectionLook& look,
                       TColor rowColor, bool styledFocused, bool mapColors)
{
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(rowColor);
    canvas->FillRect(rect);
    if (look.Style == scstStyled) {
        canvas->Font()->SetColor(GetSelectionTextColor(control));
        DrawItemSelection(canvas, rect, styledFocused, control, look.ShowFocusRect);
        return;
    }
    const bool own = look.Color != clNone;
    const auto mapped = [&](TColor c) { return mapColors ? GetStyleSystemColor(c, control) : c; };
    const TColor back = own ? mapped(look.Color) : GetStyleSystemColor(clHighlight, control);
    canvas->Font()->SetColor(own ? mapped(look.TextColor) : GetStyleSystemColor(clHighlightText, control));
    canvas->Brush()->SetColor(back);
    if (control->Focused() || look.ShowFocusRect)
        canvas->FillRect(rect);
    else
        FillRectAlpha(canvas, rect, 200);
}

bool EraseBelowListItems(TCustomListBox* control, HDC dc, bool columnsMatter)
{
    if (UsesCustomStyle(control) || (columnsMatter && control->Columns() != 0))
        return false;
    const int itemHeight = control->ItemHeight();
    const TRect client = control->ClientRect();
    int visible = 0;
    if (control->Count() > 0 && itemHeight > 0) {
        const int top = control->TopIndex();
        visible = std::max(0, std::min(top + client.Height() / itemHeight, control->Count() - 1) - top + 1);
    }
    RECT below{client.Left, visible * itemHeight, client.Right, client.Bottom};
    if (below.top < below.bottom)
        FillRect(dc, &below, control->Brush()->Handle());
    return true;
}
