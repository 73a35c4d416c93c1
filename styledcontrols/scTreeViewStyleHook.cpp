#include "scTreeViewStyleHook.h"

#include "ComCtrls.h"
#include "Math.h"

TscTreeViewStyleHook::TscTreeViewStyleHook(TWinControl* control) : TscScrollingStyleHook(control)
{
    FOverrideEraseBkgnd = false;
    const TStyleElements elements = control->StyleElements();
    FFontColor = elements.Contains(seFont) ? ViewItemTextColor(StyleServices()) : control->Font()->Color();
    FBrush->SetColor(elements.Contains(seClient) ? StyleServices()->GetStyleColor(scTreeView) : control->Color());
}

void TscTreeViewStyleHook::ThumbDrag(bool vertical)
{
    int pos, low, high;
    if (!DragCursor(vertical, pos, low, high))
        return;
    const int bar = vertical ? SB_VERT : SB_HORZ;
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
    GetScrollInfo(Handle(), bar, &info);
    // Unlike the other scrolling controls the thumb may run to the range's end, past the last page.
    FScrollPos += static_cast<float>(pos - FPrevScrollPos) / static_cast<float>(high - low) *
                  static_cast<float>(info.nMax - info.nMin);
    FScrollPos = std::clamp(FScrollPos, static_cast<float>(info.nMin), static_cast<float>(info.nMax));
    FPrevScrollPos = pos;
    const int at = static_cast<int>(Round(FScrollPos));
    const UINT scroll = vertical ? WM_VSCROLL : WM_HSCROLL;
    if (dynamic_cast<TCustomTreeView*>(FControl)) {
        PostMessageW(Handle(), scroll, MAKEWPARAM(SB_THUMBTRACK, at), 0);
        info.fMask = SIF_POS | SIF_TRACKPOS;
        info.nPos = info.nTrackPos = at;
        SetScrollInfo(Handle(), bar, &info, TRUE);
    } else {
        PostMessageW(Handle(), scroll, MAKEWPARAM(SB_THUMBPOSITION, at), 0);
    }
    RepaintScrollWindows();
    FHandled = true;
}

void TscTreeViewStyleHook::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case TVM_SETBKCOLOR:
        message.LParam = static_cast<LPARAM>(ColorToRGB(FBrush->Color()));
        break;
    case TVM_SETTEXTCOLOR:
        message.LParam = static_cast<LPARAM>(ColorToRGB(FFontColor));
        break;
    default:
        break;
    }
    TscScrollingStyleHook::WndProc(message);
    if (message.Msg == WM_ERASEBKGND)
        RepaintScrollWindows();
    else if (message.Msg == WM_HSCROLL && FControl->DoubleBuffered())
        Invalidate();
}
