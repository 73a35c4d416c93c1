// What every style does the same way on top of its own element drawing: control text with the
// canvas's font, and the border of an edit-like window.
#include "Controls.h"
#include "Themes.h"

bool TCustomStyleServices::DrawControlText(TCanvas* canvas, const TThemedElementDetails& details, const String& text,
                                           TRect& r, TTextFormat flags, TColor color) const
{
    HDC dc = canvas->Handle();
    HGDIOBJ oldFont = SelectObject(dc, canvas->Font()->Handle());
    const bool drawn = DrawText(dc, details, text, r, flags, color);
    SelectObject(dc, oldFont);
    return drawn;
}

void TCustomStyleServices::PaintBorder(TWinControl* control, bool eraseLRCorner) const
{
    HWND wnd = control ? control->HandleIfAllocated() : nullptr;
    if (!wnd)
        return;
    const LONG_PTR style = GetWindowLongPtrW(wnd, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrW(wnd, GWL_EXSTYLE);
    const int border = (exStyle & WS_EX_CLIENTEDGE) ? GetSystemMetrics(SM_CXEDGE) : (style & WS_BORDER) ? 1 : 0;
    RECT window;
    GetWindowRect(wnd, &window);
    const TRect bounds{0, 0, window.right - window.left, window.bottom - window.top};
    HDC dc = GetWindowDC(wnd);
    if (border > 0) {
        const TThemedEdit state = !control->Enabled() ? teEditBorderNoScrollDisabled
                                  : control->Focused() ? teEditBorderNoScrollFocused
                                                       : teEditBorderNoScrollNormal;
        const int saved = SaveDC(dc);
        ExcludeClipRect(dc, border, border, bounds.Right - border, bounds.Bottom - border);
        DrawElement(dc, GetElementDetails(state), bounds);
        RestoreDC(dc, saved);
    }
    if (eraseLRCorner && (style & WS_VSCROLL) && (style & WS_HSCROLL)) {
        // The square that neither scroll bar covers, beside the client area's bottom corner.
        POINT origin{0, 0};
        ClientToScreen(wnd, &origin);
        RECT client;
        GetClientRect(wnd, &client);
        const int x = origin.x - window.left, y = origin.y - window.top;
        const int cx = GetSystemMetrics(SM_CXVSCROLL), cy = GetSystemMetrics(SM_CYHSCROLL);
        const int left = (exStyle & WS_EX_LEFTSCROLLBAR) ? x - cx : x + client.right;
        RECT corner{left, y + client.bottom, left + cx, y + client.bottom + cy};
        HBRUSH brush = CreateSolidBrush(ColorToRGB(GetStyleColor(scGenericBackground)));
        FillRect(dc, &corner, brush);
        DeleteObject(brush);
    }
    ReleaseDC(wnd, dc);
}
