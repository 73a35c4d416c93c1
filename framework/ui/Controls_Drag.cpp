// Dragging one control onto another: the drag of at most one control at a time, its target under
// the pointer, and the drop.
#include "Controls.h"

#include <cstdlib>

#include "Forms.h"

namespace {

struct TDragSession {
    TControl* Source = nullptr;
    // The window holding the mouse capture for the source (its own, or its parent's).
    TWinControl* Holder = nullptr;
    TPoint Start{};
    int Threshold = 0;
    bool Started = false;
    TControl* Target = nullptr;
    bool Accepted = false;
};

TDragSession GDrag;

TPoint MessagePoint(const TMessage& message)
{
    return Point(static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam)));
}

TWinControl* CaptureHolder(TControl* control)
{
    auto* win = dynamic_cast<TWinControl*>(control);
    return win ? win : control->Parent();
}

bool PastThreshold(TPoint screen)
{
    return std::abs(screen.X - GDrag.Start.X) >= GDrag.Threshold || std::abs(screen.Y - GDrag.Start.Y) >= GDrag.Threshold;
}

// Asks the control under the pointer whether it takes the drop, telling the one left behind.
void DragTo(TPoint screen)
{
    TControl* target = FindDragTarget(screen, false);
    TDragState state = dsDragMove;
    if (target != GDrag.Target) {
        if (TControl* left = GDrag.Target) {
            GDrag.Target = nullptr;
            const TPoint p = left->ScreenToClient(screen);
            bool ignored = false;
            left->DragOver(GDrag.Source, p.X, p.Y, dsDragLeave, ignored);
        }
        GDrag.Target = target;
        state = dsDragEnter;
    }
    GDrag.Accepted = false;
    if (target) {
        const TPoint p = target->ScreenToClient(screen);
        bool accept = false;
        target->DragOver(GDrag.Source, p.X, p.Y, state, accept);
        GDrag.Accepted = accept && GDrag.Target == target;
    }
    ::SetCursor(LoadCursorW(nullptr, GDrag.Accepted ? IDC_ARROW : IDC_NO));
}

// Ends the drag; the drop, when there is one, comes after the drag is over.
void FinishDrag(bool drop)
{
    const TDragSession ended = GDrag;
    GDrag = {};
    if (ended.Holder && ended.Holder->HandleAllocated() && GetCapture() == ended.Holder->HandleIfAllocated())
        ReleaseCapture();
    if (ended.Started)
        ::SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    if (!ended.Started || !ended.Target)
        return;
    POINT cursor;
    GetCursorPos(&cursor);
    const TPoint p = ended.Target->ScreenToClient(Point(cursor.x, cursor.y));
    if (drop && ended.Accepted) {
        ended.Target->DragDrop(ended.Source, p.X, p.Y);
    } else {
        bool ignored = false;
        ended.Target->DragOver(ended.Source, p.X, p.Y, dsDragLeave, ignored);
    }
}

} // namespace

void TControl::BeginDrag(bool immediate, int threshold)
{
    if (GDrag.Source)
        FinishDrag(false);
    POINT cursor;
    GetCursorPos(&cursor);
    GDrag.Source = this;
    GDrag.Holder = CaptureHolder(this);
    GDrag.Start = Point(cursor.x, cursor.y);
    GDrag.Threshold = threshold >= 0 ? threshold : GetSystemMetrics(SM_CXDRAG);
    if (GDrag.Holder && GDrag.Holder->HandleAllocated() && GetCapture() != GDrag.Holder->HandleIfAllocated())
        SetCapture(GDrag.Holder->HandleIfAllocated());
    if (immediate) {
        GDrag.Started = true;
        DragTo(GDrag.Start);
    }
}

void TControl::EndDrag(bool drop)
{
    if (GDrag.Source == this)
        FinishDrag(drop);
}

bool TControl::Dragging() const { return GDrag.Source == this && GDrag.Started; }

void TControl::DragOver(TObject* source, int x, int y, TDragState state, bool& accept)
{
    accept = static_cast<bool>(FOnDragOver);
    if (accept)
        FOnDragOver(this, source, x, y, state, accept);
}

void TControl::DragDrop(TObject* source, int x, int y) { FOnDragDrop(this, source, x, y); }

bool HandleDragMessage(TControl* control, TMessage& message)
{
    if (!GDrag.Source)
        return false;
    switch (message.Msg) {
    case WM_MOUSEMOVE:
        if (control != GDrag.Source)
            return false;
        {
            const TPoint screen = control->ClientToScreen(MessagePoint(message));
            if (!GDrag.Started && !PastThreshold(screen))
                return false; // not a drag yet: the control tracks the pointer as usual
            GDrag.Started = true;
            DragTo(screen);
        }
        return true;
    case WM_LBUTTONUP:
        if (control != GDrag.Source)
            return false;
        {
            const bool started = GDrag.Started;
            if (started)
                DragTo(control->ClientToScreen(MessagePoint(message)));
            FinishDrag(true);
            // Released before the drag began: an ordinary click.
            return started;
        }
    case WM_CAPTURECHANGED:
        // The capture went to another window (the source's own taking it again is no loss).
        if (control == GDrag.Holder && GDrag.Holder->HandleIfAllocated() != reinterpret_cast<HWND>(message.LParam))
            FinishDrag(false);
        return false;
    case WM_CANCELMODE:
        if (control == GDrag.Holder)
            FinishDrag(false);
        return false;
    default:
        return false;
    }
}

void ForgetDragControl(TControl* control)
{
    if (GDrag.Source == control)
        GDrag = {};
    else if (GDrag.Target == control)
        GDrag.Target = nullptr;
}
