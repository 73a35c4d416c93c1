// The edge frame of the bars: the non-client area narrowed on the listed sides and painted as a
// system edge there.
#include "ToolWin.h"

int TToolWindow::EdgeWidth() const { return (FEdgeInner != esNone) + (FEdgeOuter != esNone); }

void TToolWindow::FrameChanged()
{
    if (FHandle)
        SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
}

void TToolWindow::SetEdgeBorders(TEdgeBorders value)
{
    if (FEdgeBorders == value)
        return;
    FEdgeBorders = value;
    FrameChanged();
}

void TToolWindow::SetEdgeInner(TEdgeStyle value)
{
    if (FEdgeInner == value)
        return;
    FEdgeInner = value;
    FrameChanged();
}

void TToolWindow::SetEdgeOuter(TEdgeStyle value)
{
    if (FEdgeOuter == value)
        return;
    FEdgeOuter = value;
    FrameChanged();
}

void TToolWindow::SetBorderWidth(int value)
{
    if (FBorderWidth == value)
        return;
    FBorderWidth = value;
    FrameChanged();
}

void TToolWindow::PaintFrame()
{
    HDC dc = GetWindowDC(FHandle);
    RECT window;
    GetWindowRect(FHandle, &window);
    RECT r{0, 0, window.right - window.left, window.bottom - window.top};
    if (FBorderWidth > 0) {
        // The margin: everything inside the edges that the client does not cover.
        RECT client;
        GetClientRect(FHandle, &client);
        MapWindowPoints(FHandle, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
        OffsetRect(&client, -window.left, -window.top);
        SaveDC(dc);
        ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
        FillRect(dc, &r, Brush()->Handle());
        RestoreDC(dc, -1);
    }
    static constexpr UINT Inner[] = {0, BDR_RAISEDINNER, BDR_SUNKENINNER};
    static constexpr UINT Outer[] = {0, BDR_RAISEDOUTER, BDR_SUNKENOUTER};
    UINT sides = 0;
    if (FEdgeBorders.Contains(ebLeft))
        sides |= BF_LEFT;
    if (FEdgeBorders.Contains(ebTop))
        sides |= BF_TOP;
    if (FEdgeBorders.Contains(ebRight))
        sides |= BF_RIGHT;
    if (FEdgeBorders.Contains(ebBottom))
        sides |= BF_BOTTOM;
    DrawEdge(dc, &r, Inner[FEdgeInner] | Outer[FEdgeOuter], sides);
    ReleaseDC(FHandle, dc);
}

void TToolWindow::WndProc(TMessage& message)
{
    if (message.Msg == WM_NCCALCSIZE) {
        TWinControl::WndProc(message);
        auto* r = reinterpret_cast<RECT*>(message.LParam);
        const int w = EdgeWidth();
        if (FEdgeBorders.Contains(ebLeft))
            r->left += w;
        if (FEdgeBorders.Contains(ebTop))
            r->top += w;
        if (FEdgeBorders.Contains(ebRight))
            r->right -= w;
        if (FEdgeBorders.Contains(ebBottom))
            r->bottom -= w;
        InflateRect(r, -FBorderWidth, -FBorderWidth);
        return;
    }
    TWinControl::WndProc(message);
    if (message.Msg == WM_NCPAINT && FHandle)
        PaintFrame();
}
