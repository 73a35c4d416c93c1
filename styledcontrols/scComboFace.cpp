#include "scComboFace.h"

#include "Themes.h"

void PaintComboListItem(TCustomComboBox* control, const TscSelectionLook& look, const DRAWITEMSTRUCT& item,
                        const TscComboItemPainter& content)
{
    const TRect itemRect = FromWinRect(item.rcItem);
    const int index = static_cast<int>(item.itemID);
    const TOwnerDrawState state = OwnerDrawStateOf(item.itemState);
    if (index >= 0 && itemRect.Width() > 0 && itemRect.Height() > 0) {
        auto bitmap = MakeBitmap32(itemRect.Width(), itemRect.Height());
        TCanvas* canvas = bitmap->Canvas();
        canvas->Font()->Assign(control->Font());
        const TRect r(0, 0, itemRect.Width(), itemRect.Height());
        const bool selected = state.Contains(odSelected);
        const TscItemColors colors = ListItemColors(control, selected, look);
        canvas->Font()->SetColor(colors.Text);
        canvas->Brush()->SetColor(colors.Background);
        canvas->FillRect(r);
        if (selected && look.Style == scstStyled) {
            canvas->Font()->SetColor(GetSelectionTextColor(control));
            DrawItemSelection(canvas, r, state.Contains(odFocused) && !control->DroppedDown(), control, true);
        }
        canvas->Brush()->SetStyle(bsClear);
        content(canvas, r, index, state);
        BitBlt(item.hDC, itemRect.Left, itemRect.Top, r.Width(), r.Height(), canvas->Handle(), 0, 0, SRCCOPY);
    } else if (index < 0 && state.Contains(odFocused)) {
        const TColor color = control->StyleElements().Contains(seFont) && UsesCustomStyle(control)
                                 ? GetStyleSystemColor(clWindowText, control)
                                 : control->Font()->Color();
        TCanvas canvas;
        canvas.SetHandle(item.hDC);
        DrawScaledFocusRectColor(&canvas, itemRect, color, 1.0);
        canvas.SetHandle(nullptr);
    }
}

void DrawKitComboFace(TCustomComboBox* control, const TscSelectionLook& look, TCanvas* target,
                      const TscComboFace& face)
{
    const bool dropped = control->DroppedDown();
    const HWND wnd = control->HandleIfAllocated();
    const bool hasFocus = wnd && GetFocus() == wnd;
    const bool custom = UsesCustomStyle(control);
    TscsCtrlState state = control->Enabled() ? scsNormal : scsDisabled;
    if (dropped) {
        state = scsPressed;
    } else if (hasFocus && !look.ShowFocusRect && custom) {
        state = scsFocused;
    } else if (wnd && control->Enabled() && !control->ComponentState().Contains(csDesigning)) {
        POINT p;
        GetCursorPos(&p);
        ScreenToClient(wnd, &p);
        const RECT client = ToWinRect(control->ClientRect());
        if (PtInRect(&client, p))
            state = scsHot;
    }
    const bool rightToLeft = control->BiDiMode() == bdRightToLeft;
    const TscComboFaceParts parts{
        state,
        face.PushButton,
        control->ScaleFactor(),
        hasFocus && !dropped && (look.ShowFocusRect || !custom),
        face.FocusInset,
        !custom && StyleServices(control)->Enabled() && !IsWindowsXP(),
        rightToLeft,
        [&](TCanvas* c, TRect r) {
            if (face.ShownIndex != -1 && face.ShownIndex < control->Items()->Count())
                face.DrawItem(c, r, face.ShownIndex, {});
        }};
    DrawComboFaceParts(control, target, parts);
}

void DrawComboFaceParts(TWinControl* control, TCanvas* target, const TscComboFaceParts& parts)
{
    const int width = control->Width();
    const int height = control->Height();
    auto bitmap = MakeBitmap32(width, height);
    TCanvas* canvas = bitmap->Canvas();
    PaintParentBackground(control, canvas);
    const TRect all(0, 0, width, height);
    if (parts.PushButton)
        DrawPushButton(canvas, all, parts.State, control, 1.0, false);
    else
        DrawComboButtonFace(canvas, all, parts.State, control, 1.0, false);
    canvas->Font()->Assign(control->Font());
    const TColor textColor = GetButtonTextColor(parts.State, control);
    canvas->Font()->SetColor(textColor);

    TRect r = InsetRect(all, 2, 2);
    const int cx = GetControlSystemMetrics(control, SM_CXVSCROLL);
    TRect button;
    if (control->BiDiMode() == bdRightToLeft) {
        r.Left += cx;
        button = TRect(2, r.Top, r.Left, r.Bottom);
    } else {
        r.Right -= cx;
        button = TRect(r.Right, r.Top, width - 2, r.Bottom);
    }
    const TRect focusRect = r;
    canvas->Brush()->SetStyle(bsClear);
    parts.DrawItem(canvas, TRect(r.Left + 2, r.Top, r.Right - 2, r.Bottom));
    if (parts.FocusRect) {
        canvas->Font()->SetColor(textColor);
        DrawScaledFocusRect(canvas, InsetRect(focusRect, parts.FocusInset, parts.FocusInset), parts.Scale);
    }
    const TscsCtrlState partState = control->Enabled() ? scsNormal : scsDisabled;
    if (parts.ThemedButton)
        DrawComboDropDownButton(canvas, button, partState, control, parts.Scale, parts.ButtonAtLeft, true);
    else
        DrawDropDownArrow(canvas, button, textColor, control, parts.Scale);
    BitBlt(target->Handle(), 0, 0, width, height, canvas->Handle(), 0, 0, SRCCOPY);
}

void PaintKitComboFaceMessage(TWinControl* control, TMessage& message, const std::function<void(TCanvas*)>& paint)
{
    const HWND wnd = control->HandleIfAllocated();
    TCanvas canvas;
    PAINTSTRUCT ps{};
    const HDC given = reinterpret_cast<HDC>(message.WParam);
    canvas.SetHandle(given ? given : BeginPaint(wnd, &ps));
    paint(&canvas);
    canvas.SetHandle(nullptr);
    if (!given)
        EndPaint(wnd, &ps);
    message.Result = message.Msg == WM_ERASEBKGND ? 1 : 0;
}

bool RunWithFaceRedrawOff(TWinControl* control, TMessage& message, const std::function<void(TMessage&)>& inherited)
{
    const UINT msg = message.Msg;
    const HWND wnd = control->HandleIfAllocated();
    if ((msg != WM_SETFOCUS && msg != WM_KILLFOCUS && msg != CB_SETCURSEL) || !control->Visible() || !wnd)
        return false;
    // The system would paint its own face in between: nothing shows until the one redraw.
    SendMessageW(wnd, WM_SETREDRAW, FALSE, 0);
    try {
        inherited(message);
    } catch (...) {
        SendMessageW(wnd, WM_SETREDRAW, TRUE, 0);
        throw;
    }
    SendMessageW(wnd, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    return true;
}
