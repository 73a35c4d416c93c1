#include "scListViewStyleHook.h"

#include <cmath>

#include "ComCtrls.h"
#include "Forms.h"
#include "Math.h"
#include "WideText.h"

namespace {

// The hook that owns a subclassed header window.
const wchar_t HeaderHookProperty[] = L"TscListViewStyleHook.Header";

int Near(double value) { return static_cast<int>(Round(value)); }

TPoint PointOf(LPARAM lParam) { return Point(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))); }

TRect ItemZeroBounds(HWND list)
{
    RECT r{LVIR_BOUNDS, 0, 0, 0};
    if (SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) <= 0 || !SendMessageW(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r)))
        return TRect();
    return FromWinRect(r);
}

} // namespace

LRESULT CALLBACK ListViewHeaderWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* hook = static_cast<TscListViewStyleHook*>(GetPropW(wnd, HeaderHookProperty));
    if (!hook)
        return DefWindowProcW(wnd, msg, wParam, lParam);
    TMessage message{msg, wParam, lParam, 0};
    try {
        hook->HeaderWndProc(message);
    } catch (...) {
        Application->HandleException(hook->Control());
    }
    return message.Result;
}

TscListViewStyleHook::TscListViewStyleHook(TWinControl* control) : TscScrollingStyleHook(control)
{
    FOverrideEraseBkgnd = false;
    const TStyleElements elements = control->StyleElements();
    FFontColor = elements.Contains(seFont) ? ViewItemTextColor(StyleServices()) : control->Font()->Color();
    FBrush->SetColor(elements.Contains(seClient) ? StyleServices()->GetStyleColor(scListView) : control->Color());
    // The system list erases and writes in the style's colours from now on.
    if (const HWND wnd = Handle()) {
        SendMessageW(wnd, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(FBrush->Color())));
        SendMessageW(wnd, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(FBrush->Color())));
        SendMessageW(wnd, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(ColorToRGB(FFontColor)));
        TakeHeader();
    }
}

TscListViewStyleHook::~TscListViewStyleHook()
{
    if (FHeaderHandle) {
        const HWND header = FHeaderHandle;
        const WNDPROC previous = FDefHeaderProc;
        ReleaseHeader();
        SetWindowLongPtrW(header, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        InvalidateRect(header, nullptr, TRUE);
    }
}

void TscListViewStyleHook::TakeHeader()
{
    if (FHeaderHandle || !Handle())
        return;
    const HWND header = reinterpret_cast<HWND>(SendMessageW(Handle(), LVM_GETHEADER, 0, 0));
    if (!header)
        return;
    FHeaderHandle = header;
    SetPropW(header, HeaderHookProperty, this);
    FDefHeaderProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(header, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ListViewHeaderWindowProc)));
    InvalidateRect(header, nullptr, TRUE);
}

void TscListViewStyleHook::ReleaseHeader()
{
    RemovePropW(FHeaderHandle, HeaderHookProperty);
    FHeaderHandle = nullptr;
}

int TscListViewStyleHook::SectionAt(TPoint p) const
{
    if (!FHeaderHandle)
        return -1;
    HDHITTESTINFO hit{};
    hit.pt = POINT{p.X, p.Y};
    const int index = static_cast<int>(SendMessageW(FHeaderHandle, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (hit.flags & (HHT_ONDIVIDER | HHT_ONDIVOPEN))
        return -1;
    return index;
}

void TscListViewStyleHook::HeaderWndProc(TMessage& message)
{
    const HWND header = FHeaderHandle;
    switch (message.Msg) {
    case WM_PAINT:
        PaintHeader(reinterpret_cast<HDC>(message.WParam));
        message.Result = 0;
        return;
    case WM_ERASEBKGND:
        message.Result = 1;
        return;
    case WM_NCDESTROY: {
        const WNDPROC previous = FDefHeaderProc;
        ReleaseHeader();
        message.Result = CallWindowProcW(previous, header, message.Msg, message.WParam, message.LParam);
        return;
    }
    case WM_MOUSEMOVE:
        if (FPressedSection != -1)
            break;
        if (FHeaderLBtnDown) {
            // A column being resized: the bars follow the list.
            RepaintScrollWindows();
            break;
        }
        FHotSection = SectionAt(PointOf(message.LParam));
        if (FHotSection != FPrevHotSection) {
            FPrevHotSection = FHotSection;
            RedrawWindow(header, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        FPressedSection = SectionAt(PointOf(message.LParam));
        InvalidateRect(header, nullptr, TRUE);
        FHeaderLBtnDown = true;
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        FPressedSection = -1;
        InvalidateRect(header, nullptr, TRUE);
        FHeaderLBtnDown = false;
        RepaintScrollWindows();
        break;
    case WM_MOUSELEAVE:
        if (FHotSection != -1) {
            FHotSection = FPrevHotSection = -1;
            InvalidateRect(header, nullptr, TRUE);
        }
        break;
    default:
        break;
    }
    message.Result = CallWindowProcW(FDefHeaderProc, header, message.Msg, message.WParam, message.LParam);
}

void TscListViewStyleHook::PaintHeader(HDC dc)
{
    const HWND header = FHeaderHandle;
    if (!header)
        return;
    PAINTSTRUCT ps{};
    const HDC target = dc ? dc : BeginPaint(header, &ps);
    RECT client;
    GetClientRect(header, &client);
    auto bitmap = MakeBitmap32(std::max(1L, client.right), std::max(1L, client.bottom));
    TCanvas* canvas = bitmap->Canvas();
    const int count = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    std::vector<int> order(static_cast<size_t>(std::max(0, count)));
    if (count > 0)
        SendMessageW(header, HDM_GETORDERARRAY, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(order.data()));
    int right = 0;
    for (int index : order) {
        RECT r{};
        SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
        wchar_t text[257] = {};
        HDITEMW item{};
        item.mask = HDI_TEXT;
        item.pszText = text;
        item.cchTextMax = 256;
        SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        DrawHeaderSection(canvas, FromWinRect(r), false, index == FPressedSection, index == FHotSection,
                          FromWidePtr(text), index);
        right = std::max(right, static_cast<int>(r.right));
    }
    const TRect rest(right, 0, client.right + 2, client.bottom);
    if (!rest.IsEmpty())
        DrawHeaderSection(canvas, rest, true, false, false, String(), -1);
    BitBlt(target, 0, 0, client.right, client.bottom, canvas->Handle(), 0, 0, SRCCOPY);
    if (!dc)
        EndPaint(header, &ps);
}

void TscListViewStyleHook::DrawHeaderSection(TCanvas* canvas, TRect rect, bool isBackground, bool pressed, bool hot,
                                             const String& text, int index)
{
    TCustomStyleServices* style = StyleServices();
    const TThemedHeader look = isBackground ? thHeaderItemNormal
                               : pressed    ? thHeaderItemPressed
                               : hot        ? thHeaderItemHot
                                            : thHeaderItemNormal;
    const TThemedElementDetails details = TCustomStyleServices::GetElementDetails(look);
    style->DrawElement(canvas->Handle(), details, rect);
    if (isBackground)
        return;
    TRect r = InsetRect(rect, 2, 2);
    r.Left += 3;
    r.Right -= 3;
    canvas->Font()->Assign(FControl->Font());
    HDITEMW item{};
    item.mask = HDI_FORMAT | HDI_IMAGE;
    SendMessageW(FHeaderHandle, HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    const int textWidth = canvas->TextWidth(text);
    UINT align = DT_LEFT;
    const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(FHeaderHandle, HDM_GETIMAGELIST, 0, 0));
    if (item.fmt & HDF_RIGHT)
        align = DT_RIGHT;
    else if (item.fmt & HDF_CENTER)
        align = DT_CENTER;
    if (images && (item.fmt & HDF_IMAGE)) {
        int w = 0, h = 0;
        ImageList_GetIconSize(images, &w, &h);
        int x = r.Left;
        if (align == DT_RIGHT)
            x = r.Right - textWidth - w - 10;
        else if (align == DT_CENTER)
            x = r.Left + r.Width() / 2 - (textWidth + w + 10) / 2;
        const bool fitted = x >= r.Left;
        x = std::max(x, r.Left);
        ImageList_Draw(images, item.iImage, canvas->Handle(), x, r.Top + r.Height() / 2 - h / 2, ILD_TRANSPARENT);
        if (!(align == DT_RIGHT && fitted))
            r.Left = x + w + 10;
    } else {
        r.Left += 4;
    }
    TColor color = clNone;
    if (!style->GetElementColor(details, ecTextColor, color) || color == clNone)
        color = clBtnText;
    canvas->Font()->SetColor(static_cast<TColor>(ColorToRGB(color)));
    SetBkMode(canvas->Handle(), TRANSPARENT);
    RECT textRect = ToWinRect(r);
    DrawTextW(canvas->Handle(), WidePtr(text), -1, &textRect, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | align);
}

// ---------------------------------------------------------------------------------------------

void TscListViewStyleHook::ScrollListVertically(const SCROLLINFO& info)
{
    auto* view = dynamic_cast<TCustomListView*>(FControl);
    const HWND wnd = Handle();
    const float diff = FScrollPos - FListPos;
    if (view->ViewStyle() != vsReport) {
        if (std::fabs(diff) >= 1) {
            SendMessageW(wnd, LVM_SCROLL, 0, Near(diff));
            FListPos = FScrollPos;
        }
        return;
    }
    const bool atEnd = FScrollPos == static_cast<float>(info.nMin) || FScrollPos == static_cast<float>(info.nMax);
    if (std::fabs(diff) < 1 && !(atEnd && FScrollPos != FListPos))
        return;
    int amount = 0;
    if (view->GroupView()) {
        amount = Near(diff);
        if (info.nPos + amount < 0)
            amount = -info.nPos;
    } else {
        amount = Near(ItemZeroBounds(wnd).Height() * diff);
    }
    SendMessageW(wnd, LVM_SCROLL, 0, amount);
    FListPos = FScrollPos;
    if (FControl->DoubleBuffered())
        UpdateWindow(wnd);
}

void TscListViewStyleHook::ScrollListHorizontally(const SCROLLINFO&)
{
    auto* view = dynamic_cast<TCustomListView*>(FControl);
    const HWND wnd = Handle();
    const float diff = FScrollPos - FListPos;
    if (view->ViewStyle() != vsReport) {
        const int steps = Near(diff);
        if (steps == 0)
            return;
        const int width = ItemZeroBounds(wnd).Width();
        SendMessageW(wnd, LVM_SCROLL, view->ViewStyle() == vsList && width > 0 ? steps * width : steps, 0);
        FListPos = FScrollPos;
        return;
    }
    if (std::fabs(diff) < 1)
        return;
    SendMessageW(wnd, LVM_SCROLL, Near(diff), 0);
    FListPos = FScrollPos;
    if (FControl->DoubleBuffered())
        RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void TscListViewStyleHook::ThumbDrag(bool vertical)
{
    int pos, low, high;
    if (!DragCursor(vertical, pos, low, high) || !FollowsCursor(pos, low, high))
        return;
    const SCROLLINFO info = [&] {
        SCROLLINFO i{};
        i.cbSize = sizeof(i);
        i.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
        GetScrollInfo(Handle(), vertical ? SB_VERT : SB_HORZ, &i);
        return i;
    }();
    FScrollPos += static_cast<float>(pos - FPrevScrollPos) / static_cast<float>(high - low) *
                  static_cast<float>(info.nMax - info.nMin);
    if (!vertical)
        FScrollPos = std::clamp(FScrollPos, static_cast<float>(info.nMin), static_cast<float>(info.nMax));
    FPrevScrollPos = pos;
    if (!dynamic_cast<TCustomListView*>(FControl)) {
        PostMessageW(Handle(), vertical ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, Near(FScrollPos)), 0);
    } else if (vertical) {
        PostMessageW(Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, Near(FScrollPos)), 0);
        ScrollListVertically(info);
    } else {
        ScrollListHorizontally(info);
    }
    RepaintScrollWindows();
    FHandled = true;
}

void TscListViewStyleHook::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case LVM_SETBKCOLOR:
    case LVM_SETTEXTBKCOLOR:
        message.LParam = static_cast<LPARAM>(ColorToRGB(FBrush->Color()));
        break;
    case LVM_SETTEXTCOLOR:
        message.LParam = static_cast<LPARAM>(ColorToRGB(FFontColor));
        break;
    case WM_NOTIFY:
        TakeHeader();
        break;
    case CM_SCPAINTTODC:
        TscScrollingStyleHook::WndProc(message);
        if (FHeaderHandle) {
            // The header at its place in the list view's window.
            const HDC dc = reinterpret_cast<HDC>(message.WParam);
            RECT r;
            GetWindowRect(FHeaderHandle, &r);
            POINT at{r.left, r.top};
            RECT window;
            GetWindowRect(Handle(), &window);
            const int saved = SaveDC(dc);
            OffsetWindowOrgEx(dc, window.left - at.x, window.top - at.y, nullptr);
            PaintHeader(dc);
            RestoreDC(dc, saved);
        }
        return;
    default:
        break;
    }
    TscScrollingStyleHook::WndProc(message);
    if (message.Msg == WM_ERASEBKGND)
        RepaintScrollWindows();
}
