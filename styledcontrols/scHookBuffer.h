#pragma once
// Painting a whole control off screen first: the picture reaches the window in one copy, so the
// background the painter fills never shows on its own.
#include <functional>

#include "Controls.h"

using TCanvasPainter = std::function<void(TCanvas*)>;

// Runs paint on a canvas over a bitmap of the control's size, then copies the bitmap to dc at (0, 0).
void PaintThroughBitmap(HDC dc, const TControl* control, const TCanvasPainter& paint);
// WM_PAINT and WM_ERASEBKGND of a style hook that paints its whole control off screen: the paint
// message paints on the device context it brings, else between BeginPaint and EndPaint, with
// inPaint set meanwhile; an erase outside a paint paints on the erase's context; both answer 1.
// False (nothing done) for any other message.
bool HandleBufferedPaint(TMessage& message, TWinControl* control, bool& inPaint, const TCanvasPainter& paint);

// Sets a flag for the lifetime of the object (also when the work in between raises).
class TScopedFlag {
public:
    explicit TScopedFlag(bool& flag) : FFlag(flag) { FFlag = true; }
    ~TScopedFlag() { FFlag = false; }
    TScopedFlag(const TScopedFlag&) = delete;
    TScopedFlag& operator=(const TScopedFlag&) = delete;

private:
    bool& FFlag;
};
