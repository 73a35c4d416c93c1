#include "scScrollBarStyleHook.h"

#include <cmath>

#include "scDrawUtils.h"

namespace {

bool Has(const TRect& r) { return r.Width() > 0 && r.Height() > 0; }

// To the nearest integer, a half to the even neighbour.
int Nearest(long double value) { return static_cast<int>(std::nearbyint(value)); }

// One span along the bar's axis.
struct TSpan {
    int Start = 0, End = 0;
    int Length() const { return End - Start; }
};

TRect AlongAxis(bool vertical, TSpan span, int across)
{
    return vertical ? TRect(0, span.Start, across, span.End) : TRect(span.Start, 0, span.End, across);
}

bool Within(const TRect& r, TPoint p) { return !r.IsEmpty() && r.Contains(p); }

// Normal to Hot when the point came onto the part, Hot to Normal when it left; true on a change.
bool FollowHover(TThemedScrollBar& look, TThemedScrollBar normal, const TRect& part, TPoint p)
{
    const bool over = Within(part, p);
    if (over && look == normal) {
        look = ScrollLook(normal, 1);
        return true;
    }
    if (!over && IsScrollLook(look, normal, 1)) {
        look = normal;
        return true;
    }
    return false;
}

TPoint MessagePoint(const TMessage& message)
{
    return Point(static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam)));
}

} // namespace

TScrollBarParts ScrollBarPartsOf(int width, int height, bool vertical, int m, const SCROLLINFO& info, bool enabled)
{
    const int length = vertical ? height : width;
    const int across = vertical ? width : height;
    TScrollBarParts parts;
    if (across <= 0)
        return parts;
    // Each arrow gives up half of what the bar lacks of two arrows, keeping half an arrow at least.
    int arrow = m;
    if (length < 2 * m)
        arrow -= (2 * m - length) / 2;
    arrow = std::max(arrow, m / 2);
    const TSpan up{0, arrow};
    const TSpan down{length - arrow, length};
    const TSpan track{m, length - m};
    parts.Up = AlongAxis(vertical, up, across);
    parts.Down = AlongAxis(vertical, down, across);
    parts.Track = AlongAxis(vertical, track, across);
    if (!enabled || info.nMax == info.nMin || down.Start - up.End < m)
        return parts;
    const long double span = static_cast<long double>(info.nMax) - info.nMin;
    const long double page = info.nPage;
    const long double offset = static_cast<long double>(info.nPos) - info.nMin;
    const int room = track.Length();
    TSpan thumb;
    if (info.nPage != 0) {
        thumb.Start = track.Start + Nearest(room * offset / span);
        thumb.End = track.Start + Nearest(room * (offset + page - 1) / span);
        if (thumb.Length() < m) {
            thumb.Start = span == page ? track.Start : track.Start + Nearest((room - m) * offset / (span - page));
            thumb.End = thumb.Start + m;
        }
    } else {
        thumb.Start = track.Start + Nearest((room - m) * offset / span);
        thumb.End = thumb.Start + m;
    }
    thumb.End = std::min(thumb.End, down.Start);
    parts.Slider = AlongAxis(vertical, thumb, across);
    return parts;
}

// ---------------------------------------------------------------------------------------------

TscScrollBarStyleHook::TscScrollBarStyleHook(TWinControl* control) : TMouseTrackControlStyleHook(control) {}

TscScrollBarStyleHook::~TscScrollBarStyleHook()
{
    if (FScrollWnd)
        FScrollWnd->Detach();
}

bool TscScrollBarStyleHook::AcceptMessage(TMessage&) { return FControl->StyleElements().Contains(seClient); }

bool TscScrollBarStyleHook::IsHorizontal() const
{
    const HWND wnd = Handle();
    return !wnd || !(GetWindowLongW(wnd, GWL_STYLE) & SBS_VERT);
}

TScrollBarParts TscScrollBarStyleHook::Parts() const
{
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
    const HWND wnd = Handle();
    if (wnd)
        GetScrollInfo(wnd, SB_CTL, &info);
    const bool vertical = !IsHorizontal();
    return ScrollBarPartsOf(FControl->Width(), FControl->Height(), vertical,
                            GetSystemMetrics(vertical ? SM_CYVSCROLL : SM_CXHSCROLL), info,
                            wnd && FControl->Enabled());
}

void TscScrollBarStyleHook::CreateScrollWindow()
{
    FScrollWnd.reset(TWinControl::CreateParented<TscScrollWindow>(GetParent(Handle())));
    FScrollWnd->Vertical = !IsHorizontal();
    FScrollWnd->OnPaintBar = [this](HDC dc, bool) { PaintBar(dc); };
    FScrollWnd->HandleNeeded();
    const TRect r = FControl->BoundsRect();
    SetWindowPos(FScrollWnd->Handle(), HWND_TOP, r.Left, r.Top, r.Width(), r.Height(), SWP_NOREDRAW);
    if (FControl->Visible())
        ShowWindow(FScrollWnd->Handle(), SW_SHOW);
}

void TscScrollBarStyleHook::UpdateScrollWindow()
{
    if (!FScrollWnd)
        return;
    if (!FScrollWnd->HandleAllocated()) {
        // Its parent window was made anew.
        FScrollWnd->Detach();
        FScrollWnd.reset();
        CreateScrollWindow();
        return;
    }
    if (FControl->Visible()) {
        const TRect r = FControl->BoundsRect();
        SetWindowPos(FScrollWnd->Handle(), HWND_TOP, r.Left, r.Top, r.Width(), r.Height(), SWP_SHOWWINDOW);
    }
}

void TscScrollBarStyleHook::RepaintScrollWindow()
{
    if (FScrollWnd && FScrollWnd->HandleAllocated())
        RedrawWindow(FScrollWnd->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void TscScrollBarStyleHook::PaintBar(HDC dc)
{
    const int w = FControl->Width();
    const int h = FControl->Height();
    TCustomStyleServices* style = StyleServices();
    if (!Handle() || !dc || w <= 0 || h <= 0 || !style || !style->Available())
        return;
    const bool vertical = !IsHorizontal();
    const TScrollBarParts parts = Parts();
    auto bitmap = MakeBitmap32(w, h);
    TCanvas* canvas = bitmap->Canvas();
    canvas->Brush()->SetColor(style->GetSystemColor(clBtnFace));
    canvas->FillRect(TRect(0, 0, w, h));
    const HDC mem = canvas->Handle();
    TRect track(0, 0, w, h);
    if (vertical) {
        track.Top = parts.Up.Bottom;
        track.Bottom = parts.Down.Top;
    } else {
        track.Left = parts.Up.Right;
        track.Right = parts.Down.Left;
    }
    if (Has(track))
        style->DrawElement(mem, TCustomStyleServices::GetElementDetails(vertical ? tsUpperTrackVertNormal : tsUpperTrackHorzNormal),
                           track);
    const int dpi = FControl->CurrentPPI();
    const bool enabled = FControl->Enabled();
    if (enabled && Has(parts.Slider))
        style->DrawElement(mem, TCustomStyleServices::GetElementDetails(SliderState()), parts.Slider, nullptr, dpi);
    const TThemedScrollBar first = enabled ? UpState() : (vertical ? tsArrowBtnUpDisabled : tsArrowBtnLeftDisabled);
    const TThemedScrollBar second = enabled ? DownState() : (vertical ? tsArrowBtnDownDisabled : tsArrowBtnRightDisabled);
    style->DrawElement(mem, TCustomStyleServices::GetElementDetails(first), parts.Up, nullptr, dpi);
    style->DrawElement(mem, TCustomStyleServices::GetElementDetails(second), parts.Down, nullptr, dpi);
    BitBlt(dc, 0, 0, w, h, mem, 0, 0, SRCCOPY);
}

void TscScrollBarStyleHook::ButtonDown(TPoint p)
{
    const TScrollBarParts parts = Parts();
    const bool h = IsHorizontal();
    TThemedScrollBar& up = h ? FHUpState : FVUpState;
    TThemedScrollBar& down = h ? FHDownState : FVDownState;
    TThemedScrollBar& slider = h ? FHSliderState : FVSliderState;
    if (Within(parts.Up, p))
        up = h ? tsArrowBtnLeftPressed : tsArrowBtnUpPressed;
    else if (Within(parts.Down, p))
        down = h ? tsArrowBtnRightPressed : tsArrowBtnDownPressed;
    else if (Within(parts.Slider, p))
        slider = h ? tsThumbBtnHorzPressed : tsThumbBtnVertPressed;
    else
        return;
    RepaintScrollWindow();
}

void TscScrollBarStyleHook::ButtonUp(TPoint p)
{
    const TScrollBarParts parts = Parts();
    const bool h = IsHorizontal();
    const std::tuple<TThemedScrollBar*, TThemedScrollBar, TRect> order[] = {
        {h ? &FHSliderState : &FVSliderState, h ? tsThumbBtnHorzNormal : tsThumbBtnVertNormal, parts.Slider},
        {h ? &FHUpState : &FVUpState, h ? tsArrowBtnLeftNormal : tsArrowBtnUpNormal, parts.Up},
        {h ? &FHDownState : &FVDownState, h ? tsArrowBtnRightNormal : tsArrowBtnDownNormal, parts.Down}};
    for (auto [look, normal, part] : order)
        if (IsScrollLook(*look, normal, 2)) {
            *look = ScrollLook(normal, Within(part, p) ? 1 : 0);
            RepaintScrollWindow();
            return;
        }
}

bool TscScrollBarStyleHook::Hover(TPoint p)
{
    const TScrollBarParts parts = Parts();
    if (!Has(parts.Slider))
        return false;
    bool changed = false;
    if (IsHorizontal()) {
        changed |= FollowHover(FHSliderState, tsThumbBtnHorzNormal, parts.Slider, p);
        changed |= FollowHover(FHDownState, tsArrowBtnRightNormal, parts.Down, p);
        changed |= FollowHover(FHUpState, tsArrowBtnLeftNormal, parts.Up, p);
    } else {
        changed |= FollowHover(FVSliderState, tsThumbBtnVertNormal, parts.Slider, p);
        changed |= FollowHover(FVDownState, tsArrowBtnDownNormal, parts.Down, p);
        changed |= FollowHover(FVUpState, tsArrowBtnUpNormal, parts.Up, p);
    }
    return changed;
}

void TscScrollBarStyleHook::CaptureChanged(HWND taker)
{
    bool changed = false;
    for (auto [look, normal] : {std::pair{&FVUpState, tsArrowBtnUpNormal}, {&FVDownState, tsArrowBtnDownNormal},
                                {&FHUpState, tsArrowBtnLeftNormal}, {&FHDownState, tsArrowBtnRightNormal}})
        if (IsScrollLook(*look, normal, 2)) {
            *look = normal;
            changed = true;
        }
    // The bar's own tracking takes the capture while the thumb is dragged.
    if (taker != Handle())
        for (auto [look, normal] : {std::pair{&FVSliderState, tsThumbBtnVertNormal}, {&FHSliderState, tsThumbBtnHorzNormal}})
            if (IsScrollLook(*look, normal, 2)) {
                *look = normal;
                changed = true;
            }
    if (changed)
        RepaintScrollWindow();
}

void TscScrollBarStyleHook::MouseLeave()
{
    TMouseTrackControlStyleHook::MouseLeave();
    for (auto [look, normal] : {std::pair{&FVSliderState, tsThumbBtnVertNormal}, {&FVUpState, tsArrowBtnUpNormal},
                                {&FVDownState, tsArrowBtnDownNormal}, {&FHSliderState, tsThumbBtnHorzNormal},
                                {&FHUpState, tsArrowBtnLeftNormal}, {&FHDownState, tsArrowBtnRightNormal}})
        if (IsScrollLook(*look, normal, 1))
            *look = normal;
    RepaintScrollWindow();
}

void TscScrollBarStyleHook::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_NCPAINT:
        if (!FScrollWnd)
            CreateScrollWindow();
        UpdateScrollWindow();
        return;
    case WM_PAINT:
    case WM_ERASEBKGND:
        RepaintScrollWindow();
        return;
    case WM_SIZE:
    case WM_MOVE:
    case WM_WINDOWPOSCHANGED:
        CallDefaultProc(message);
        UpdateScrollWindow();
        FHandled = true;
        return;
    case WM_SHOWWINDOW:
        CallDefaultProc(message);
        if (FScrollWnd && FScrollWnd->HandleAllocated())
            ShowWindow(FScrollWnd->Handle(), message.WParam ? SW_SHOW : SW_HIDE);
        FHandled = true;
        return;
    // The bar's position is set through these (the parent's scroll notices reach the control
    // past its hook).
    case SBM_SETSCROLLINFO:
    case SBM_SETPOS:
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW:
    case WM_ENABLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_KEYDOWN:
    case WM_KEYUP:
        CallDefaultProc(message);
        RepaintScrollWindow();
        FHandled = true;
        return;
    case WM_MOUSEWHEEL:
        CallDefaultProc(message);
        Invalidate();
        FHandled = true;
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        ButtonDown(MessagePoint(message));
        return;
    case WM_LBUTTONUP:
        ButtonUp(MessagePoint(message));
        return;
    case WM_MOUSEMOVE:
        TMouseTrackControlStyleHook::WndProc(message);
        CallDefaultProc(message);
        if (Hover(MessagePoint(message)))
            RepaintScrollWindow();
        FHandled = true;
        return;
    case WM_CAPTURECHANGED:
        CaptureChanged(reinterpret_cast<HWND>(message.LParam));
        return;
    case CM_SCPAINTTODC:
        if (FScrollWnd)
            FScrollWnd->PaintToDC(reinterpret_cast<HDC>(message.WParam));
        FHandled = true;
        return;
    case CM_SCCANPAINTTODC:
        message.Result = ScCanPaintToDCAnswer;
        FHandled = true;
        return;
    default:
        break;
    }
    TMouseTrackControlStyleHook::WndProc(message);
}
