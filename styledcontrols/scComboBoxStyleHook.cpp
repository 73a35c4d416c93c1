#include "scComboBoxStyleHook.h"

#include <cmath>

#include "Forms.h"
#include "Math.h"
#include "scColorBoxes.h"

namespace {

// The hook that owns a subclassed list window.
const wchar_t ListHookProperty[] = L"TscComboBoxStyleHook.List";

int Near(double value) { return static_cast<int>(Round(value)); }

bool Contains(const TRect& r, TPoint p) { return !r.IsEmpty() && r.Contains(p); }

TPoint PointOf(LPARAM lParam)
{
    return Point(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
}

} // namespace

LRESULT CALLBACK ComboListWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* hook = static_cast<TscComboBoxStyleHook*>(GetPropW(wnd, ListHookProperty));
    if (!hook)
        return DefWindowProcW(wnd, msg, wParam, lParam);
    TMessage message{msg, wParam, lParam, 0};
    if (msg == WM_NCDESTROY) {
        const WNDPROC previous = hook->FDefListBoxProc;
        hook->ReleaseList();
        return CallWindowProcW(previous, wnd, msg, wParam, lParam);
    }
    try {
        hook->ListWindowProc(message);
    } catch (...) {
        Application->HandleException(hook->Control());
    }
    return message.Result;
}

TscComboBoxStyleHook::TscComboBoxStyleHook(TWinControl* control) : TMouseTrackControlStyleHook(control)
{
    FOverrideEraseBkgnd = GetComboStyle() == csSimple;
    RefreshColors();
    // The hook may come after the children: a combo box made before the style was switched on.
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (Handle() && GetComboBoxInfo(Handle(), &info)) {
        SubclassList(info.hwndList);
        if (info.hwndItem && info.hwndItem != Handle())
            FEditHandle = info.hwndItem;
    }
}

TscComboBoxStyleHook::~TscComboBoxStyleHook()
{
    if (FListBoxTimerCode != 0 && FListHandle)
        KillTimer(FListHandle, ListRepeatTimer);
    if (FListHandle) {
        const HWND list = FListHandle;
        const WNDPROC previous = FDefListBoxProc;
        ReleaseList();
        SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        SetWindowPos(list, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
}

void TscComboBoxStyleHook::ReleaseList()
{
    RemovePropW(FListHandle, ListHookProperty);
    FListHandle = nullptr;
    FListBoxInstance = false;
}

void TscComboBoxStyleHook::SubclassList(HWND list)
{
    if (!list || FListBoxInstance)
        return;
    FListHandle = list;
    FListBoxInstance = true;
    SetPropW(list, ListHookProperty, this);
    FDefListBoxProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ComboListWindowProc)));
    SetWindowPos(list, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

LRESULT TscComboBoxStyleHook::CallListProc(const TMessage& message)
{
    return CallWindowProcW(FDefListBoxProc, FListHandle, message.Msg, message.WParam, message.LParam);
}

bool TscComboBoxStyleHook::AcceptMessage(TMessage&) { return FControl->StyleElements().Contains(seBorder); }

TComboBoxStyle TscComboBoxStyleHook::GetComboStyle() const
{
    if (auto* combo = dynamic_cast<const TCustomComboBox*>(FControl))
        return combo->Style();
    if (!Handle())
        return csDropDown;
    static constexpr std::pair<TComboBoxStyle, DWORD> Masks[] = {
        {csDropDown, 0x02}, {csSimple, 0x01}, {csDropDownList, 0x03}, {csOwnerDrawFixed, 0x13}, {csOwnerDrawVariable, 0x23}};
    const DWORD style = static_cast<DWORD>(GetWindowLongW(Handle(), GWL_STYLE));
    TComboBoxStyle result = csDropDown;
    for (const auto& [value, mask] : Masks)
        if ((style & mask) == mask)
            result = value;
    return result;
}

bool TscComboBoxStyleHook::IsDroppedDown() const
{
    if (auto* combo = dynamic_cast<const TCustomComboBox*>(FControl))
        return combo->DroppedDown();
    return Handle() && SendMessageW(Handle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

int TscComboBoxStyleHook::ComboItemIndex() const
{
    return Handle() ? static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0)) : -1;
}

void TscComboBoxStyleHook::RefreshColors()
{
    const TStyleElements elements = FControl->StyleElements();
    const bool enabled = FControl->Enabled();
    FBrush->SetColor(elements.Contains(seClient)
                         ? StyleServices()->GetStyleColor(enabled ? scComboBox : scComboBoxDisabled)
                         : FControl->Color());
    FFontColor = elements.Contains(seFont)
                     ? StyleServices()->GetStyleFontColor(enabled ? sfComboBoxItemNormal : sfComboBoxItemDisabled)
                     : FControl->Font()->Color();
}

void TscComboBoxStyleHook::GetDropButtonRect(TRect& rect)
{
    const int cx = GetSystemMetrics(SM_CXVSCROLL);
    rect = InsetRect(FControl->ClientRect(), 2, 2);
    if (FControl->BiDiMode() == bdRightToLeft)
        rect.Right = rect.Left + cx - 1;
    else
        rect.Left = rect.Right - cx + 1;
}

void TscComboBoxStyleHook::DrawFaceItem(TCanvas* canvas, int index, bool selected, const TRect& rect)
{
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_COMBOBOX;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(Handle()));
    item.itemID = static_cast<UINT>(index);
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = selected ? ODS_SELECTED | ODS_FOCUS : 0;
    item.hwndItem = Handle();
    item.hDC = canvas->Handle();
    item.rcItem = ToWinRect(rect);
    if (FListHandle)
        item.itemData = static_cast<ULONG_PTR>(SendMessageW(FListHandle, LB_GETITEMDATA, static_cast<WPARAM>(index), 0));
    // The control's owner-draw handler paints the item.
    FControl->Perform(CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
}

void TscComboBoxStyleHook::PaintFace(TCanvas* canvas)
{
    TCustomStyleServices* style = StyleServices();
    if (!style || !style->Available())
        return;
    const bool enabled = FControl->Enabled();
    const bool dropped = IsDroppedDown();
    const TThemedComboBox button = !enabled ? tcDropDownButtonDisabled
                                   : dropped ? tcDropDownButtonPressed
                                   : FMouseOnButton ? tcDropDownButtonHot
                                                    : tcDropDownButtonNormal;
    const TThemedComboBox border = !enabled ? tcBorderDisabled
                                   : FFocused ? tcBorderFocused
                                   : FMouseInControl ? tcBorderHot
                                                     : tcBorderNormal;
    auto bitmap = MakeBitmap32(FControl->Width(), FControl->Height());
    const HDC dc = bitmap->Canvas()->Handle();
    TRect r(0, 0, FControl->Width(), FControl->Height());
    const bool simple = GetComboStyle() == csSimple;
    if (simple && FListHandle) {
        RECT combo, list;
        GetWindowRect(Handle(), &combo);
        GetWindowRect(FListHandle, &list);
        TRect top = r;
        top.Bottom = list.top - combo.top;
        style->DrawElement(dc, TCustomStyleServices::GetElementDetails(border), top);
        bitmap->Canvas()->Brush()->SetColor(style->GetSystemColor(clBtnFace));
        bitmap->Canvas()->FillRect(TRect(0, FControl->Height() - (combo.bottom - list.bottom), r.Right, FControl->Height()));
    } else {
        style->DrawElement(dc, TCustomStyleServices::GetElementDetails(border), r);
    }
    TRect dropRect;
    GetDropButtonRect(dropRect);
    TRect text = InsetRect(FControl->ClientRect(), 3, 3);
    if (FControl->BiDiMode() == bdRightToLeft)
        text.Left = dropRect.Right + 2;
    else
        text.Right = dropRect.Left - 2;
    if (!FControl->StyleElements().Contains(seClient) && !FEditHandle) {
        bitmap->Canvas()->Brush()->SetColor(FControl->Color());
        bitmap->Canvas()->FillRect(text);
    }
    if (!simple)
        style->DrawElement(dc, TCustomStyleServices::GetElementDetails(button), dropRect, nullptr, FControl->CurrentPPI());
    if (SendMessageW(Handle(), CB_GETCURSEL, 0, 0) >= 0 && !FEditHandle) {
        ExcludeClipRect(canvas->Handle(), text.Left, text.Top, text.Right, text.Bottom);
    } else if (FEditHandle) {
        RECT edit;
        GetWindowRect(FEditHandle, &edit);
        MapWindowPoints(HWND_DESKTOP, Handle(), reinterpret_cast<POINT*>(&edit), 2);
        ExcludeClipRect(canvas->Handle(), edit.left, edit.top, edit.right, edit.bottom);
    }
    BitBlt(canvas->Handle(), 0, 0, FControl->Width(), FControl->Height(), dc, 0, 0, SRCCOPY);
}

void TscComboBoxStyleHook::PaintMessage(TMessage& message)
{
    const HDC given = reinterpret_cast<HDC>(message.WParam);
    PAINTSTRUCT ps{};
    const HDC dc = given ? given : BeginPaint(Handle(), &ps);
    TCanvas canvas;
    canvas.SetHandle(dc);
    int saved = SaveDC(dc);
    PaintFace(&canvas);
    RestoreDC(dc, saved);
    if (GetComboStyle() != csSimple && !FEditHandle) {
        TRect button;
        GetDropButtonRect(button);
        TRect item = InsetRect(FControl->ClientRect(), 3, 3);
        if (FControl->BiDiMode() == bdRightToLeft)
            item.Left = button.Right + 1;
        else
            item.Right = button.Left - 1;
        saved = SaveDC(dc);
        IntersectClipRect(dc, item.Left, item.Top, item.Right, item.Bottom);
        DrawFaceItem(&canvas, IsDroppedDown() ? FTempItemIndex : ComboItemIndex(), FFocused, item);
        RestoreDC(dc, saved);
    }
    canvas.SetHandle(nullptr);
    if (!given)
        EndPaint(Handle(), &ps);
    FHandled = true;
}

void TscComboBoxStyleHook::ComboNotification(UINT code)
{
    switch (code) {
    case CBN_SELCHANGE:
    case CBN_DROPDOWN:
        FTempItemIndex = ComboItemIndex();
        [[fallthrough]];
    case CBN_CLOSEUP:
    case CBN_SELENDOK:
    case CBN_SELENDCANCEL:
        if (FListBoxTimerCode != 0)
            StopListTimer();
        FMouseOnButton = false;
        Invalidate();
        break;
    default:
        break;
    }
}

void TscComboBoxStyleHook::MouseEnter()
{
    TMouseTrackControlStyleHook::MouseEnter();
    Invalidate();
}

void TscComboBoxStyleHook::MouseLeave()
{
    TMouseTrackControlStyleHook::MouseLeave();
    if (!IsDroppedDown() && FMouseOnButton)
        FMouseOnButton = false;
    Invalidate();
}

void TscComboBoxStyleHook::WndProc(TMessage& message)
{
    const UINT msg = message.Msg;
    if ((msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC) || (msg >= CN_CTLCOLORMSGBOX && msg <= CN_CTLCOLORSTATIC)) {
        const HDC dc = reinterpret_cast<HDC>(message.WParam);
        SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(FFontColor)));
        FBrush->SetColor(FControl->StyleElements().Contains(seClient)
                             ? StyleServices()->GetStyleColor(FControl->Enabled() ? scComboBox : scEditDisabled)
                             : FControl->Color());
        SetBkColor(dc, static_cast<COLORREF>(ColorToRGB(FBrush->Color())));
        if (msg == WM_CTLCOLORLISTBOX && !FListHandle && message.LParam)
            SubclassList(reinterpret_cast<HWND>(message.LParam));
        message.Result = reinterpret_cast<LRESULT>(FBrush->Handle());
        FHandled = true;
        return;
    }
    switch (msg) {
    case CM_FOCUSCHANGED:
        Invalidate();
        break;
    case CM_ENABLEDCHANGED:
        RefreshColors();
        break;
    case WM_PARENTNOTIFY:
        if (LOWORD(message.WParam) == WM_CREATE) {
            const HWND child = reinterpret_cast<HWND>(message.LParam);
            if (!FListHandle)
                SubclassList(child);
            else if (!FEditHandle)
                FEditHandle = child;
        }
        return;
    case WM_ERASEBKGND: {
        auto* combo = dynamic_cast<TscCustomComboBox*>(FControl);
        if (combo && !combo->IsCustomFaceDrawn() && GetComboStyle() != csDropDown && GetComboStyle() != csSimple) {
            TMessage paint{WM_PAINT, message.WParam, 0, 0};
            PaintMessage(paint);
            message.Result = 1;
            FHandled = true;
            return;
        }
        break;
    }
    case WM_PAINT: {
        auto* combo = dynamic_cast<TscCustomComboBox*>(FControl);
        if (combo && combo->IsCustomFaceDrawn())
            return;
        if (auto* colorBox = dynamic_cast<TscColorBox*>(FControl); colorBox && colorBox->IsCustomFaceDrawn())
            return;
        PaintMessage(message);
        return;
    }
    case WM_MOUSEMOVE: {
        CallDefaultProc(message);
        TMouseTrackControlStyleHook::WndProc(message);
        TRect button;
        GetDropButtonRect(button);
        const bool onButton = Contains(button, PointOf(message.LParam));
        if (onButton != FMouseOnButton) {
            FMouseOnButton = onButton;
            const RECT r = ToWinRect(button);
            InvalidateRect(Handle(), &r, FALSE);
        }
        FHandled = true;
        return;
    }
    case WM_DRAWITEM:
    case CN_DRAWITEM:
        CallDefaultProc(message);
        FHandled = true;
        return;
    default:
        break;
    }
    TMouseTrackControlStyleHook::WndProc(message);
}

// ---------------------------------------------------------------------------------------------
// The drop-down list's frame and scroll bar.

int TscComboBoxStyleHook::ListTimerInterval(int code)
{
    // Every first delay, paging down's included, is 300 ms; the repeats follow at 50 ms.
    return code >= 1 && code <= 4 ? 300 : 50;
}

void TscComboBoxStyleHook::StartListTimer(int code)
{
    if (FListBoxTimerCode != 0)
        StopListTimer();
    FListBoxTimerCode = code;
    SetTimer(FListHandle, ListRepeatTimer, static_cast<UINT>(ListTimerInterval(code)), nullptr);
}

void TscComboBoxStyleHook::StopListTimer()
{
    FListBoxTimerCode = -1;
    if (FListHandle)
        KillTimer(FListHandle, ListRepeatTimer);
}

TRect TscComboBoxStyleHook::ListBarRect() const
{
    if (!FListHandle)
        return TRect();
    RECT w;
    GetWindowRect(FListHandle, &w);
    const int width = w.right - w.left;
    const int height = w.bottom - w.top;
    const int cx = GetSystemMetrics(SM_CXVSCROLL);
    TRect r(2, 2, width, height);
    if (FControl->BiDiMode() == bdRightToLeft)
        r.Right = r.Left + cx;
    else
        r.Left = r.Right - cx;
    if (height > 30)
        r = TRect(r.Left - 1, r.Top - 1, r.Right - 1, r.Bottom - 1);
    return r;
}

TRect TscComboBoxStyleHook::ListBarHitRect() const
{
    if (!FListHandle || !(GetWindowLongW(FListHandle, GWL_STYLE) & WS_VSCROLL))
        return TRect();
    RECT w;
    GetWindowRect(FListHandle, &w);
    TRect r(0, 0, w.right - w.left, w.bottom - w.top);
    if (FControl->BiDiMode() == bdRightToLeft)
        r.Right = GetSystemMetrics(SM_CYVSCROLL);
    else
        r.Left = r.Right - GetSystemMetrics(SM_CYVSCROLL) - 1;
    return r;
}

TRect TscComboBoxStyleHook::ListUpArrowRect() const
{
    TRect r = ListBarRect();
    if (r.Height() <= 0)
        return TRect();
    r.Bottom = r.Top + std::min(r.Height() / 2, GetSystemMetrics(SM_CYVTHUMB));
    return r;
}

TRect TscComboBoxStyleHook::ListDownArrowRect() const
{
    TRect r = ListBarRect();
    if (r.Height() <= 0)
        return TRect();
    r.Top = r.Bottom - std::min(r.Height() / 2, GetSystemMetrics(SM_CYVTHUMB));
    return r;
}

TRect TscComboBoxStyleHook::ListTrackRect() const
{
    TRect r = ListBarRect();
    if (r.Width() <= 0)
        return TRect();
    r.Top += GetSystemMetrics(SM_CYVTHUMB);
    r.Bottom -= GetSystemMetrics(SM_CYVTHUMB);
    return r;
}

int TscComboBoxStyleHook::ListTop() const
{
    return static_cast<int>(SendMessageW(FListHandle, LB_GETTOPINDEX, 0, 0));
}

int TscComboBoxStyleHook::ListCount() const
{
    return static_cast<int>(SendMessageW(FListHandle, LB_GETCOUNT, 0, 0));
}

int TscComboBoxStyleHook::ListPageLines() const
{
    const int itemHeight = static_cast<int>(SendMessageW(FListHandle, LB_GETITEMHEIGHT, 0, 0));
    RECT client;
    GetClientRect(FListHandle, &client);
    return itemHeight > 0 ? client.bottom / itemHeight : 0;
}

TRect TscComboBoxStyleHook::ListThumbRect()
{
    TRect r = ListBarRect();
    const TRect up = ListUpArrowRect();
    const TRect down = ListDownArrowRect();
    r.Top = up.Bottom;
    r.Bottom = down.Top;
    double room = r.Height();
    const int top = ListTop();
    const int count = ListCount();
    if (count * room == 0)
        return r;
    r.Top += Near(top / static_cast<double>(count) * room);
    RECT w;
    GetWindowRect(FListHandle, &w);
    const int listHeight = w.bottom - w.top;
    const int itemHeight = static_cast<int>(SendMessageW(FListHandle, LB_GETITEMHEIGHT, 0, 0));
    FInvsibleCount = 0;
    int total = 1;
    for (int i = 0; i < count; ++i) {
        total += itemHeight;
        if (total > listHeight && FInvsibleCount == 0)
            FInvsibleCount = count - i;
    }
    const int margin = GetComboStyle() == csSimple ? 4 : 2;
    int visible = 0;
    int last = top;
    for (int i = top; i < count; ++i) {
        visible += itemHeight;
        if (visible >= listHeight - margin)
            break;
        ++last;
    }
    r.Bottom = r.Top + Near(visible / static_cast<double>(total) * room);
    const int minimum = GetSystemMetrics(SM_CXVSCROLL) / 2;
    if (minimum > r.Height()) {
        room -= minimum - r.Height() + 1;
        r.Top = up.Bottom + Near(top / static_cast<double>(count) * room);
        r.Bottom = r.Top + minimum;
    }
    if (last == count - 1 && r.Bottom != down.Top) {
        const int height = r.Height();
        r.Bottom = down.Top;
        r.Top = r.Bottom - height;
    }
    return r;
}

TRect TscComboBoxStyleHook::ListUpperTrackRect()
{
    TRect r = ListTrackRect();
    const TRect thumb = ListThumbRect();
    if (thumb.Height() > 0)
        r.Bottom = thumb.Top;
    return r;
}

TRect TscComboBoxStyleHook::ListLowerTrackRect()
{
    TRect r = ListTrackRect();
    const TRect thumb = ListThumbRect();
    if (thumb.Height() > 0)
        r.Top = thumb.Bottom;
    return r;
}

void TscComboBoxStyleHook::FillListFrame(TCanvas* canvas, const TRect& rect)
{
    canvas->Brush()->SetColor(StyleServices()->GetSystemColor(clWindowFrame));
    canvas->FillRect(rect);
}

void TscComboBoxStyleHook::DrawListBar(HDC dc)
{
    if (!FListHandle || !IsDroppedDown() || !(GetWindowLongW(FListHandle, GWL_STYLE) & WS_VSCROLL))
        return;
    const bool own = dc == nullptr;
    if (own)
        dc = GetWindowDC(FListHandle);
    const TRect bar = ListBarRect();
    if (bar.Width() > 0) {
        auto bitmap = MakeBitmap32(bar.Width(), bar.Height());
        const HDC b = bitmap->Canvas()->Handle();
        SetWindowOrgEx(b, bar.Left, bar.Top, nullptr);
        TCustomStyleServices* style = StyleServices();
        if (style && style->Available()) {
            const int dpi = FControl->CurrentPPI();
            const TRect up = ListUpArrowRect();
            const TRect down = ListDownArrowRect();
            const TRect room(bar.Left, up.Bottom, bar.Right, down.Top);
            if (room.Height() > 0)
                style->DrawElement(b, TCustomStyleServices::GetElementDetails(tsUpperTrackVertNormal), room, nullptr, dpi);
            style->DrawElement(b, TCustomStyleServices::GetElementDetails(FVSliderState), ListThumbRect(), nullptr, dpi);
            style->DrawElement(b, TCustomStyleServices::GetElementDetails(FVUpState), up, nullptr, dpi);
            style->DrawElement(b, TCustomStyleServices::GetElementDetails(FVDownState), down, nullptr, dpi);
        }
        SetWindowOrgEx(b, 0, 0, nullptr);
        BitBlt(dc, bar.Left, bar.Top, bar.Width(), bar.Height(), b, 0, 0, SRCCOPY);
    }
    if (own)
        ReleaseDC(FListHandle, dc);
}

void TscComboBoxStyleHook::DrawListFrame()
{
    const HDC dc = GetWindowDC(FListHandle);
    RECT window;
    GetWindowRect(FListHandle, &window);
    POINT origin{0, 0};
    ClientToScreen(FListHandle, &origin);
    origin.x -= window.left;
    origin.y -= window.top;
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    if (width < 5000 && height < 5000) {
        RECT client;
        GetClientRect(FListHandle, &client);
        ExcludeClipRect(dc, origin.x, origin.y, origin.x + client.right, origin.y + client.bottom);
        const int saved = SaveDC(dc);
        TCanvas canvas;
        canvas.SetHandle(dc);
        FillListFrame(&canvas, TRect(0, 0, width, height));
        canvas.SetHandle(nullptr);
        RestoreDC(dc, saved);
        DrawListBar(dc);
    }
    ReleaseDC(FListHandle, dc);
}

void TscComboBoxStyleHook::ScrollListTo(int top, bool drawBar)
{
    RECT window;
    GetWindowRect(FListHandle, &window);
    SendMessageW(FListHandle, WM_SETREDRAW, FALSE, 0);
    SendMessageW(FListHandle, LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
    SendMessageW(FListHandle, WM_SETREDRAW, TRUE, 0);
    const RECT all{0, 0, window.right - window.left, window.bottom - window.top};
    RedrawWindow(FListHandle, &all, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    if (drawBar)
        DrawListBar(nullptr);
}

bool TscComboBoxStyleHook::SetLook(TThemedScrollBar& look, TThemedScrollBar value)
{
    if (look == value)
        return false;
    look = value;
    return true;
}

void TscComboBoxStyleHook::ResetLooks()
{
    FVSliderState = tsThumbBtnVertNormal;
    FVUpState = tsArrowBtnUpNormal;
    FVDownState = tsArrowBtnDownNormal;
}

void TscComboBoxStyleHook::ListPress(TPoint p)
{
    FDownPos = p;
    FListBoxDown = true;
    const TRect thumb = ListThumbRect();
    const int top = ListTop();
    if (GetComboStyle() == csSimple)
        SetCapture(FListHandle);
    if (Contains(ListDownArrowRect(), p)) {
        FListBoxDownBtnDown = true;
        FVDownState = tsArrowBtnDownPressed;
        DrawListBar(nullptr);
        ScrollListTo(top + 1, false);
        StartListTimer(2);
    } else if (Contains(ListUpArrowRect(), p)) {
        FListBoxUpBtnDown = true;
        FVUpState = tsArrowBtnUpPressed;
        DrawListBar(nullptr);
        ScrollListTo(top - 1, false);
        StartListTimer(1);
    } else if (Contains(thumb, p)) {
        FVSliderState = tsThumbBtnVertPressed;
        FDownSliderPos = p.Y - thumb.Top;
        DrawListBar(nullptr);
    } else if (Contains(ListUpperTrackRect(), p)) {
        ScrollListTo(std::max(0, top - ListPageLines() + 1), true);
        StartListTimer(3);
    } else if (Contains(ListLowerTrackRect(), p)) {
        ScrollListTo(top + ListPageLines() - 1, true);
        StartListTimer(4);
    }
}

bool TscComboBoxStyleHook::ListMove(TPoint p)
{
    FMovePos = p;
    if (FVSliderState == tsThumbBtnVertPressed) {
        const double room = ListBarRect().Height() -
                            (ListUpArrowRect().Height() + ListDownArrowRect().Height() + ListThumbRect().Height());
        if (room > 0) {
            const int top = Near((FMovePos.Y - FDownSliderPos - ListUpArrowRect().Bottom) / room * FInvsibleCount);
            if (top != ListTop())
                ScrollListTo(std::clamp(top, 0, std::max(0, ListCount() - 1)), true);
        }
        return true;
    }
    const bool onUp = Contains(ListUpArrowRect(), p);
    const bool onDown = Contains(ListDownArrowRect(), p);
    if (FListBoxUpBtnDown && !onUp && FVUpState == tsArrowBtnUpPressed) {
        FVUpState = tsArrowBtnUpNormal;
        DrawListBar(nullptr);
        StopListTimer();
        return false;
    }
    if (FListBoxUpBtnDown && onUp && FVUpState == tsArrowBtnUpNormal) {
        FVUpState = tsArrowBtnUpPressed;
        DrawListBar(nullptr);
        StartListTimer(5);
        return false;
    }
    if (FListBoxDownBtnDown && !onDown && FVDownState == tsArrowBtnDownPressed) {
        FVDownState = tsArrowBtnDownNormal;
        DrawListBar(nullptr);
        StopListTimer();
        return false;
    }
    if (FListBoxDownBtnDown && onDown && FVDownState == tsArrowBtnDownNormal) {
        FVDownState = tsArrowBtnDownPressed;
        DrawListBar(nullptr);
        StartListTimer(6);
        return false;
    }
    if (Contains(ListBarHitRect(), p)) {
        const bool onThumb = Contains(ListThumbRect(), p);
        const bool changed =
            (onThumb && SetLook(FVSliderState, tsThumbBtnVertHot)) ||
            (!onThumb && FVSliderState == tsThumbBtnVertHot && SetLook(FVSliderState, tsThumbBtnVertNormal)) ||
            (onUp && FVUpState == tsArrowBtnUpNormal && SetLook(FVUpState, tsArrowBtnUpHot)) ||
            (!onUp && FVUpState == tsArrowBtnUpHot && SetLook(FVUpState, tsArrowBtnUpNormal)) ||
            (onDown && FVDownState == tsArrowBtnDownNormal && SetLook(FVDownState, tsArrowBtnDownHot)) ||
            (!onDown && FVDownState == tsArrowBtnDownHot && SetLook(FVDownState, tsArrowBtnDownNormal));
        if (changed)
            DrawListBar(nullptr);
        return true;
    }
    if (FListBoxTimerCode != 0)
        StopListTimer();
    ResetLooks();
    DrawListBar(nullptr);
    return false;
}

bool TscComboBoxStyleHook::ListRelease(TPoint p)
{
    FListBoxUpBtnDown = false;
    FListBoxDownBtnDown = false;
    FListBoxDown = false;
    const TRect hit = ListBarHitRect();
    if (GetComboStyle() == csSimple && Contains(hit, FDownPos))
        ReleaseCapture();
    FVSliderState = Contains(ListThumbRect(), p) ? tsThumbBtnVertHot : tsThumbBtnVertNormal;
    FVUpState = Contains(ListUpArrowRect(), p) ? tsArrowBtnUpHot : tsArrowBtnUpNormal;
    FVDownState = Contains(ListDownArrowRect(), p) ? tsArrowBtnDownHot : tsArrowBtnDownNormal;
    DrawListBar(nullptr);
    if (FListBoxTimerCode != 0)
        StopListTimer();
    return Contains(hit, p);
}

void TscComboBoxStyleHook::ListTimerStep()
{
    const int top = ListTop();
    switch (FListBoxTimerCode) {
    case 1: case 2: case 3: case 4:
        StartListTimer(FListBoxTimerCode + 4);
        break;
    case 5:
        ScrollListTo(top - 1, true);
        break;
    case 6:
        ScrollListTo(top + 1, true);
        break;
    case 7: {
        const TRect thumb = ListThumbRect();
        if (Contains(thumb, FMovePos) || FMovePos.Y >= thumb.Bottom)
            StopListTimer();
        else
            ScrollListTo(std::max(0, top - ListPageLines() + 1), true);
        break;
    }
    case 8: {
        const TRect thumb = ListThumbRect();
        if (!Contains(thumb, FMovePos) && FMovePos.Y >= thumb.Top)
            ScrollListTo(top + ListPageLines() - 1, true);
        else
            StopListTimer();
        break;
    }
    default:
        break;
    }
}

void TscComboBoxStyleHook::ListNCCalcSize(TMessage& message)
{
    const LONG style = GetWindowLongW(FListHandle, GWL_STYLE);
    if (style & (WS_VSCROLL | WS_HSCROLL)) {
        // The system's own bars take no room: the hook draws its bar in the frame itself.
        FIgnoreStyleChanged = true;
        SetWindowLongW(FListHandle, GWL_STYLE, style & ~(WS_VSCROLL | WS_HSCROLL));
        CallListProc(message);
        SetWindowLongW(FListHandle, GWL_STYLE, style);
        FIgnoreStyleChanged = false;
    } else {
        CallListProc(message);
    }
    if (message.WParam) {
        auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(message.LParam);
        const WINDOWPOS* pos = params->lppos;
        RECT r{pos->x, pos->y, pos->x + pos->cx, pos->y + pos->cy};
        const int barSide = (style & WS_VSCROLL) ? ListBarRect().Width() + 1 : 1;
        r.top += 1;
        r.bottom -= 1;
        if (FControl->BiDiMode() == bdRightToLeft) {
            r.left += barSide;
            r.right -= 1;
        } else {
            r.left += 1;
            r.right -= barSide;
        }
        params->rgrc[0] = r;
        params->rgrc[1] = r;
    }
    message.Result = 0;
}

void TscComboBoxStyleHook::ListPrint(TMessage& message, bool withBar)
{
    message.Result = CallListProc(message);
    const HDC dc = reinterpret_cast<HDC>(message.WParam);
    if (!(message.LParam & PRF_NONCLIENT) || !dc)
        return;
    RECT window;
    GetWindowRect(FListHandle, &window);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    const int saved = SaveDC(dc);
    ExcludeClipRect(dc, 1, 1, width - 1, height - 1);
    TCanvas canvas;
    canvas.SetHandle(dc);
    FillListFrame(&canvas, TRect(0, 0, width, height));
    canvas.SetHandle(nullptr);
    RestoreDC(dc, saved);
    if (withBar)
        DrawListBar(dc);
}

void TscComboBoxStyleHook::ListWindowProc(TMessage& message)
{
    bool handled = false;
    const UINT msg = message.Msg;
    // Pointer positions are taken as the list reports them, also in a right-to-left list.
    if (ListBarHitRect().IsEmpty()) {
        switch (msg) {
        case WM_NCCALCSIZE:
            ListNCCalcSize(message);
            return;
        case WM_NCPAINT:
            DrawListFrame();
            return;
        case WM_PRINT:
            ListPrint(message, false);
            return;
        default:
            break;
        }
    } else {
        switch (msg) {
        case WM_STYLECHANGING:
        case WM_STYLECHANGED:
            handled = FIgnoreStyleChanged;
            break;
        case WM_NCMOUSEMOVE:
        case WM_NCLBUTTONUP:
        case WM_UPDATEUISTATE:
            handled = true;
            break;
        case WM_NCCALCSIZE:
            ListNCCalcSize(message);
            return;
        case WM_NCHITTEST:
            if (GetComboStyle() == csSimple) {
                message.Result = HTCLIENT;
                handled = true;
            }
            break;
        case WM_NCPAINT:
            DrawListFrame();
            DrawListBar(nullptr);
            handled = true;
            break;
        case WM_NCLBUTTONDOWN: {
            if (GetComboStyle() != csSimple)
                SetCapture(FListHandle);
            POINT p{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
            ScreenToClient(FListHandle, &p);
            message.LParam = MAKELPARAM(p.x, p.y);
            ListPress(Point(p.x, p.y));
            handled = true;
            break;
        }
        case WM_NCLBUTTONDBLCLK: {
            POINT p{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
            ScreenToClient(FListHandle, &p);
            message.LParam = MAKELPARAM(p.x, p.y);
            const TPoint at = Point(p.x, p.y);
            if (!Contains(ListBarHitRect(), at))
                handled = true;
            else if (Contains(ListUpArrowRect(), at))
                ScrollListTo(ListTop() - 1, true);
            else if (Contains(ListDownArrowRect(), at))
                ScrollListTo(ListTop() + 1, true);
            else
                handled = true;
            break;
        }
        case WM_KEYDOWN:
        case WM_KEYUP:
        case LB_SETTOPINDEX:
            if (IsDroppedDown()) {
                if (IsWindowsXP())
                    SendMessageW(FListHandle, WM_SETREDRAW, FALSE, 0);
                message.Result = CallListProc(message);
                if (IsWindowsXP()) {
                    SendMessageW(FListHandle, WM_SETREDRAW, TRUE, 0);
                    RedrawWindow(FListHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
                }
                DrawListBar(nullptr);
                handled = true;
            }
            break;
        case WM_TIMER:
            ListTimerStep();
            break;
        case WM_MOUSEMOVE:
            handled = ListMove(PointOf(message.LParam));
            break;
        case WM_LBUTTONDOWN: {
            const TPoint p = PointOf(message.LParam);
            if (Contains(ListBarHitRect(), p)) {
                ListPress(p);
                handled = true;
            } else {
                FDownPos = p;
                FListBoxDown = true;
                if (FVSliderState != tsThumbBtnVertNormal || FVUpState != tsArrowBtnUpNormal ||
                    FVDownState != tsArrowBtnDownNormal) {
                    ResetLooks();
                    DrawListBar(nullptr);
                }
            }
            break;
        }
        case WM_LBUTTONUP:
            handled = ListRelease(PointOf(message.LParam));
            break;
        case WM_MOUSEWHEEL:
            // One line per message, whatever the wheel's delta.
            ScrollListTo(ListTop() + (static_cast<short>(HIWORD(message.WParam)) < 0 ? 1 : -1), true);
            handled = true;
            break;
        case WM_NCMOUSELEAVE:
        case WM_MOUSELEAVE:
            if (GetComboStyle() == csSimple) {
                ResetLooks();
                DrawListBar(nullptr);
            }
            break;
        case WM_PRINT:
            ListPrint(message, true);
            return;
        default:
            break;
        }
    }
    if (!handled)
        message.Result = CallListProc(message);
    if (IsWindowsXP() && FListBoxDown && (msg == WM_ERASEBKGND || msg == LB_SETSEL || msg == LB_SETCURSEL))
        DrawListBar(nullptr);
}
