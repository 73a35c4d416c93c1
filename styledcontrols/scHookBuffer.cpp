#include "scHookBuffer.h"

void PaintThroughBitmap(HDC dc, const TControl* control, const TCanvasPainter& paint)
{
    const int width = control->Width(), height = control->Height();
    if (width <= 0 || height <= 0)
        return;
    TBitmap buffer;
    buffer.SetSize(width, height);
    paint(buffer.Canvas());
    BitBlt(dc, 0, 0, width, height, buffer.Canvas()->Handle(), 0, 0, SRCCOPY);
}

namespace {

void PaintMessageThroughBitmap(const TMessage& message, TWinControl* control, const TCanvasPainter& paint)
{
    if (HDC given = reinterpret_cast<HDC>(message.WParam)) {
        PaintThroughBitmap(given, control, paint);
        return;
    }
    const HWND wnd = control->Handle();
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(wnd, &ps);
    struct TEnd {
        HWND Wnd;
        PAINTSTRUCT* Ps;
        ~TEnd() { EndPaint(Wnd, Ps); }
    } end{wnd, &ps};
    PaintThroughBitmap(dc, control, paint);
}

} // namespace

bool HandleBufferedPaint(TMessage& message, TWinControl* control, bool& inPaint, const TCanvasPainter& paint)
{
    if (message.Msg == WM_PAINT) {
        TScopedFlag fromPaint(inPaint);
        PaintMessageThroughBitmap(message, control, paint);
    } else if (message.Msg == WM_ERASEBKGND) {
        if (!inPaint)
            PaintThroughBitmap(reinterpret_cast<HDC>(message.WParam), control, paint);
    } else {
        return false;
    }
    message.Result = 1;
    return true;
}
