// The styled combo box: list items painted like the styled list box's, and in a drop-down list on
// a themed system (or on request) its own push-button face with the item and a drop-down arrow.
#include "scListControls.h"

#include "Themes.h"

TAVIN_PUBLISHED(TscCustomComboBox)
{
    TAVIN_PROPERTY(bool, FluentUIOpaque).Default(false);
}

TAVIN_PUBLISHED(TscComboBox)
{
    TAVIN_PROPERTY(TComboBoxStyle, Style).Default(csDropDown);
    TAVIN_PROPERTY(int, ItemIndex).Default(-1);
    TAVIN_PROPERTY(TStrings*, Items);
    TAVIN_PROPERTY(bool, WordBreak).Default(false);
    TAVIN_PROPERTY(String, TitleDivider);
    TAVIN_PROPERTY(TscSelectionStyle, SelectionStyle).Default(scstStyled);
    TAVIN_PROPERTY(TColor, SelectionColor).Default(clNone);
    TAVIN_PROPERTY(TColor, SelectionTextColor).Default(clHighlightText);
    TAVIN_PROPERTY(TCustomImageList*, Images);
    TAVIN_PROPERTY(int, ImageIndex).Default(-1);
    TAVIN_PROPERTY(int, ItemHeight).Default(16);
    TAVIN_PROPERTY(TscComboStyleKind, StyleKind).Default(scscbDefault);
    TAVIN_PROPERTY(bool, ShowFocusRect).Default(true);
    TAVIN_PROPERTY(int, DropDownCount).Default(8);
    TAVIN_PROPERTY(String, Text);
    TAVIN_PROPERTY(TscDrawItemEvent, OnDrawItem);
    TAVIN_PROPERTY(TscGetDrawItemParamsEvent, OnGetDrawItemParams);
    TAVIN_PROPERTY(TNotifyEvent, OnChange);
    TAVIN_PROPERTY(TNotifyEvent, OnSelect);
    TAVIN_PROPERTY(TNotifyEvent, OnCloseUp);
}

TscCustomComboBox::TscCustomComboBox(TComponent* owner) : TCustomComboBox(owner) {}

void TscCustomComboBox::Notification(TComponent* component, TOperation operation)
{
    TCustomComboBox::Notification(component, operation);
    if (operation == opRemove && component == FImages)
        FImages = nullptr;
}

void TscCustomComboBox::SetImages(TCustomImageList* value)
{
    if (SetFreeNotifiedReference(this, FImages, value))
        Invalidate();
}

bool TscCustomComboBox::IsFluentUIOpaqueActive() const { return IsFluentUIOpaqueActiveFor(this, FFluentUIOpaque); }

void TscCustomComboBox::SetFluentUIOpaque(bool value)
{
    if (FFluentUIOpaque == value)
        return;
    FFluentUIOpaque = value;
    if (FluentUIOpaqueNeedsRecreate(this))
        Perform(CM_RECREATEWND);
}

void TscCustomComboBox::CreateParams(TCreateParams& params)
{
    TCustomComboBox::CreateParams(params);
    // Items and the selection field are always owner-drawn and measured.
    params.Style = (params.Style & ~static_cast<DWORD>(CBS_OWNERDRAWFIXED)) | CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS;
    if (IsFluentUIOpaqueActive())
        params.ExStyle |= WS_EX_LAYERED;
}

void TscCustomComboBox::CreateWnd()
{
    TCustomComboBox::CreateWnd();
    ApplyFluentUIOpaque(this, IsFluentUIOpaqueActive());
}

void TscCustomComboBox::SetItemHeight(int value)
{
    if (value <= 0 || value == FItemHeight)
        return;
    FItemHeight = value;
    RecreateWnd();
}

int TscCustomComboBox::FontItemHeight()
{
    const HDC dc = GetDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, Font()->Handle());
    SIZE size{};
    GetTextExtentPoint32W(dc, L"Wq", 2, &size);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return size.cy + 2;
}

void TscCustomComboBox::SetStyle(TComboBoxStyle value)
{
    TCustomComboBox::SetStyle(value);
    if (Style() == csDropDown) {
        SetItemHeight(FontItemHeight());
        FStyleKind = scscbDefault;
    } else if (Style() == csSimple) {
        FStyleKind = scscbDefault;
    }
}

void TscCustomComboBox::SetStyleKind(TscComboStyleKind value)
{
    if (Style() == csDropDown || Style() == csSimple)
        value = scscbDefault;
    Change(FStyleKind, value);
}

void TscCustomComboBox::ChangeScale(int m, int d, bool isDpiChange)
{
    const int height = MulDiv(ItemHeight(), m, d);
    const int before = Height();
    TCustomComboBox::ChangeScale(m, d, isDpiChange);
    if (Style() != csDropDown && Style() != csSimple)
        SetItemHeight(height);
    else if (ComponentState().Contains(csLoading) && Height() == before)
        SetItemHeight(height);
}

void TscCustomComboBox::AddMRUItem(const String& value)
{
    if (value.empty())
        return;
    const int at = Items()->IndexOf(value);
    if (at == 0)
        return;
    if (at > 0)
        Items()->Delete(at);
    Items()->Insert(0, value);
}

bool TscCustomComboBox::IsCustomFaceDrawn() const
{
    if (FStyleKind == scscbPushButton && Style() != csDropDown && Style() != csSimple)
        return true;
    return Style() == csDropDownList && !IsWindowsXP() && TStyleManager::SystemStyle()->Enabled();
}

void TscCustomComboBox::DrawItemContent(TCanvas* canvas, TRect rect, int index, TOwnerDrawState state, bool)
{
    const TscItemContent content{this,       Items()->Strings(index), FImages, FImageIndex, FOnGetDrawItemParams,
                                 FWordBreak, FTitleDivider,           nullptr, TscItemFlavour::ComboBox};
    PaintItemContent(canvas, rect, index, state, content);
}

void TscCustomComboBox::PaintComboItem(const DRAWITEMSTRUCT& item)
{
    const TRect itemRect = FromWinRect(item.rcItem);
    const int index = static_cast<int>(item.itemID);
    const TOwnerDrawState state = OwnerDrawStateOf(item.itemState);
    if (index >= 0 && itemRect.Width() > 0 && itemRect.Height() > 0) {
        auto bitmap = MakeBitmap32(itemRect.Width(), itemRect.Height());
        TCanvas* canvas = bitmap->Canvas();
        canvas->Font()->Assign(Font());
        const TRect r(0, 0, itemRect.Width(), itemRect.Height());
        const bool selected = state.Contains(odSelected);
        const TscItemColors colors = ListItemColors(this, selected, FLook);
        canvas->Font()->SetColor(colors.Text);
        canvas->Brush()->SetColor(colors.Background);
        canvas->FillRect(r);
        if (selected && FLook.Style == scstStyled) {
            canvas->Font()->SetColor(GetSelectionTextColor(this));
            DrawItemSelection(canvas, r, state.Contains(odFocused) && !DroppedDown(), this, true);
        }
        canvas->Brush()->SetStyle(bsClear);
        if (FOnDrawItem)
            FOnDrawItem(index, state, canvas, r);
        else
            DrawItemContent(canvas, r, index, state, false);
        BitBlt(item.hDC, itemRect.Left, itemRect.Top, r.Width(), r.Height(), canvas->Handle(), 0, 0, SRCCOPY);
    } else if (index < 0 && state.Contains(odFocused)) {
        const TColor color = StyleElements().Contains(seFont) && UsesCustomStyle(this)
                                 ? GetStyleSystemColor(clWindowText, this)
                                 : Font()->Color();
        TCanvas canvas;
        canvas.SetHandle(item.hDC);
        DrawScaledFocusRectColor(&canvas, itemRect, color, 1.0);
        canvas.SetHandle(nullptr);
    }
}

void TscCustomComboBox::DrawComboFace(TCanvas* target)
{
    auto bitmap = MakeBitmap32(Width(), Height());
    TCanvas* canvas = bitmap->Canvas();
    PaintParentBackground(this, canvas);
    const bool dropped = DroppedDown();
    const bool hasFocus = HandleAllocated() && GetFocus() == FHandle;
    const bool custom = UsesCustomStyle(this);
    TscsCtrlState state = Enabled() ? scsNormal : scsDisabled;
    if (dropped) {
        state = scsPressed;
    } else if (hasFocus && !FLook.ShowFocusRect && custom) {
        state = scsFocused;
    } else if (!ComponentState().Contains(csDesigning) && HandleAllocated()) {
        POINT p;
        GetCursorPos(&p);
        ::ScreenToClient(FHandle, &p);
        const RECT client = ToWinRect(ClientRect());
        if (Enabled() && PtInRect(&client, p))
            state = scsHot;
    }
    const TRect all(0, 0, Width(), Height());
    DrawComboButtonFace(canvas, all, state, this, 1.0, false);
    canvas->Font()->Assign(Font());
    const TColor textColor = GetButtonTextColor(state, this);
    canvas->Font()->SetColor(textColor);

    TRect r = InsetRect(all, 2, 2);
    const int cx = GetControlSystemMetrics(this, SM_CXVSCROLL);
    const bool rightToLeft = BiDiMode() == bdRightToLeft;
    TRect button;
    if (rightToLeft) {
        r.Left += cx;
        button = TRect(2, r.Top, r.Left, r.Bottom);
    } else {
        r.Right -= cx;
        button = TRect(r.Right, r.Top, Width() - 2, r.Bottom);
    }
    const TRect focusRect = r;
    const TRect itemRect(r.Left + 2, r.Top, r.Right - 2, r.Bottom);
    canvas->Brush()->SetStyle(bsClear);
    const int shown = dropped ? FTempItemIndex : ItemIndex();
    if (shown != -1 && shown < Items()->Count()) {
        if (FOnDrawItem)
            FOnDrawItem(shown, {}, canvas, itemRect);
        else
            DrawItemContent(canvas, itemRect, shown, {}, true);
    }
    if (hasFocus && !dropped && (FLook.ShowFocusRect || !custom)) {
        canvas->Font()->SetColor(textColor);
        DrawScaledFocusRect(canvas, InsetRect(focusRect, 1, 1), ScaleFactor());
    }
    const TscsCtrlState partState = Enabled() ? scsNormal : scsDisabled;
    if (custom || !StyleServices(this)->Enabled() || IsWindowsXP())
        DrawDropDownArrow(canvas, button, textColor, this, ScaleFactor());
    else
        DrawComboDropDownButton(canvas, button, partState, this, ScaleFactor(), rightToLeft, true);
    BitBlt(target->Handle(), 0, 0, Width(), Height(), canvas->Handle(), 0, 0, SRCCOPY);
}

void TscCustomComboBox::PaintFaceMessage(TMessage& message)
{
    TCanvas canvas;
    PAINTSTRUCT ps{};
    const HDC given = reinterpret_cast<HDC>(message.WParam);
    canvas.SetHandle(given ? given : BeginPaint(FHandle, &ps));
    DrawComboFace(&canvas);
    canvas.SetHandle(nullptr);
    if (!given)
        EndPaint(FHandle, &ps);
    message.Result = message.Msg == WM_ERASEBKGND ? 1 : 0;
}

void TscCustomComboBox::RedrawNow()
{
    if (HandleAllocated())
        RedrawWindow(FHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void TscCustomComboBox::PaintToDC(HDC dc, int x, int y)
{
    FControlState.Include(csPaintCopy);
    const int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, x, y, nullptr);
    IntersectClipRect(dc, 0, 0, Width(), Height());
    Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    RestoreDC(dc, saved);
    FControlState.Exclude(csPaintCopy);
}

void TscCustomComboBox::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CN_DRAWITEM:
        PaintComboItem(*reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam));
        message.Result = 1;
        return;
    case CN_COMMAND: {
        const UINT code = HIWORD(message.WParam);
        if (code == CBN_SELCHANGE || code == CBN_DROPDOWN) {
            FTempItemIndex = ItemIndex();
            RedrawNow();
        }
        break;
    }
    case WM_PAINT:
    case WM_ERASEBKGND:
        if (IsCustomFaceDrawn()) {
            PaintFaceMessage(message);
            return;
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CB_SETCURSEL:
        if (IsCustomFaceDrawn() && Visible() && HandleAllocated()) {
            // The system would paint its own face in between: nothing shows until the one redraw.
            SendMessageW(FHandle, WM_SETREDRAW, FALSE, 0);
            TCustomComboBox::WndProc(message);
            SendMessageW(FHandle, WM_SETREDRAW, TRUE, 0);
            RedrawNow();
            return;
        }
        break;
    case WM_SCPARENTBGCHANGED:
        if (IsCustomFaceDrawn())
            RedrawNow();
        return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        TCustomComboBox::WndProc(message);
        if (IsCustomFaceDrawn())
            Invalidate();
        return;
    case CM_ENABLEDCHANGED:
        TCustomComboBox::WndProc(message);
        Invalidate();
        return;
    case CM_FONTCHANGED:
        TCustomComboBox::WndProc(message);
        if (Style() == csDropDown)
            SetItemHeight(FontItemHeight());
        return;
    case CM_SCPAINTTODC: {
        COMBOBOXINFO info{};
        info.cbSize = sizeof(info);
        if (HandleAllocated() && GetComboBoxInfo(FHandle, &info) && info.hwndItem && info.hwndItem != FHandle) {
            const HDC dc = reinterpret_cast<HDC>(message.WParam);
            const int saved = SaveDC(dc);
            OffsetViewportOrgEx(dc, 3, 3, nullptr);
            SendMessageW(info.hwndItem, WM_PAINT, message.WParam, 0);
            RestoreDC(dc, saved);
        }
        return;
    }
    case CM_SCCANPAINTTODC:
        message.Result = ScCanPaintToDCAnswer;
        return;
    default:
        break;
    }
    TCustomComboBox::WndProc(message);
    HandleFluentUIOpaqueTimer(this, message, IsFluentUIOpaqueActive());
}
