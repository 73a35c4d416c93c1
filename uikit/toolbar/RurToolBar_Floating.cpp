// The floating toolbar window: its frame, its size around the toolbar, and the edge drags that
// change the toolbar's number of rows.
#include "RurToolBar_Floating.h"

#include <cmath>
#include <cstdlib>

#include "RurToolBar_ToolBar.h"

TAVIN_PUBLISHED(TFloatingWindow)
{
    TAVIN_PROPERTY(int, BorderWidth).Default(2);
    TAVIN_PROPERTY(TColor, BorderColor).Default(0x808080);
}

namespace {

constexpr int EdgeWidth = 5;

} // namespace

TFloatingWindow::TFloatingWindow(TComponent* owner) : TCustomForm(owner) {}

void TFloatingWindow::Loaded()
{
    TCustomForm::Loaded();
    FOldCursor = Cursor();
}

void TFloatingWindow::CreateParams(TCreateParams& params)
{
    TCustomForm::CreateParams(params);
    // A tool window: no task-bar button, and a click on it leaves the form active.
    params.ExStyle |= WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
}

void TFloatingWindow::ShowFloating()
{
    if (Visible())
        return;
    HWND active = GetForegroundWindow();
    SetVisible(true);
    if (active && (!HandleAllocated() || active != Handle()))
        SetForegroundWindow(active);
}

void TFloatingWindow::SetBorderWidth(int value)
{
    FBorderWidth = value;
    SetWindowSize();
}

int TFloatingWindow::Margin() const
{
    // A sum, not a product: 3 at 96 pixels per inch with the default width.
    return static_cast<int>(std::nearbyint(FBorderWidth + CurrentPPI() / 96.0));
}

void TFloatingWindow::SetWindowSize()
{
    if (!FRurCustomToolBar)
        return;
    const int m = Margin();
    SetClientHeight(FRurCustomToolBar->Height() + 2 * m);
    SetClientWidth(FRurCustomToolBar->Width() + 2 * m);
    FRurCustomToolBar->SetBounds(m, m, FRurCustomToolBar->Width(), FRurCustomToolBar->Height());
    Invalidate();
}

void TFloatingWindow::PaintWindow(HDC dc)
{
    TCustomForm::PaintWindow(dc);
    if (FBorderColor == clNone)
        return;
    TCanvas* canvas = Canvas();
    canvas->SetHandle(dc);
    canvas->Brush()->SetColor(Color());
    canvas->Pen()->SetColor(FBorderColor);
    canvas->Pen()->SetWidth(FBorderWidth);
    canvas->Rectangle(TRect{1, 1, Width(), Height()});
    const int b = FBorderWidth;
    for (TPoint p : {TPoint{b, b}, TPoint{Width() - b - 1, b}, TPoint{b, Height() - b - 1},
                     TPoint{Width() - b - 1, Height() - b - 1}})
        ::SetPixel(dc, p.X, p.Y, ColorToRGB(FBorderColor));
    canvas->SetHandle(nullptr);
}

void TFloatingWindow::WndProc(TMessage& message)
{
    TCustomForm::WndProc(message);
    // Closed, the window hides and so does the toolbar it carries.
    if (message.Msg == WM_CLOSE && FRurCustomToolBar)
        FRurCustomToolBar->SetVisible(false);
}

void TFloatingWindow::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomForm::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    const int w = Width(), h = Height();
    if (x >= w - EdgeWidth && x <= w) {
        FResizingClip = rcRight;
        FMouseX = w;
        FMouseY = y;
    } else if (y >= h - EdgeWidth && y <= h) {
        FResizingClip = rcBottom;
        FMouseX = x;
        FMouseY = h;
    } else if (x >= 0 && x <= EdgeWidth) {
        FResizingClip = rcLeft;
        FMouseX = 0;
        FMouseY = y;
    } else if (y >= 0 && y <= EdgeWidth) {
        FResizingClip = rcTop;
        FMouseX = x;
        FMouseY = 0;
    } else {
        return;
    }
    FResizing = true;
    FResizingDir = 0;
}

void TFloatingWindow::MouseMove(TShiftState shift, int x, int y)
{
    TCustomForm::MouseMove(shift, x, y);
    const int w = Width(), h = Height();
    TCursor cursor = FOldCursor;
    if ((x >= 0 && x <= EdgeWidth) || (x >= w - EdgeWidth && x <= w))
        cursor = crSizeWE;
    else if ((y >= 0 && y <= EdgeWidth) || (y >= h - EdgeWidth && y <= h))
        cursor = crSizeNS;
    if (cursor != Cursor())
        SetCursor(cursor);
    if (FResizing && shift.Contains(ssLeft))
        ResizeStep(x, y);
}

void TFloatingWindow::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomForm::MouseUp(button, shift, x, y);
    if (!FResizing)
        return;
    FResizing = false;
    FResizingDir = 0;
    FMouseX = 0;
    FMouseY = 0;
}

void TFloatingWindow::ChangeRows(int rows)
{
    const int oldWidth = Width(), oldHeight = Height();
    const int oldRows = FRurCustomToolBar->FloatingRows();
    FRurCustomToolBar->SetFloatingRows(rows);
    if (FRurCustomToolBar->FloatingRows() == oldRows)
        return;
    SetWindowSize();
    // The edge opposite the dragged one stays where it was.
    if (FResizingClip == rcLeft)
        SetLeft(Left() + oldWidth - Width());
    else if (FResizingClip == rcTop)
        SetTop(Top() + oldHeight - Height());
}

void TFloatingWindow::ResizeStep(int x, int y)
{
    if (!FRurCustomToolBar)
        return;
    const int rows = FRurCustomToolBar->FloatingRows();
    const bool horizontal = FResizingClip == rcLeft || FResizingClip == rcRight;
    const int d = horizontal ? x - FMouseX : y - FMouseY;
    // Outward: away from the window.
    const int outwardSign = FResizingClip == rcLeft || FResizingClip == rcTop ? -1 : 1;
    const int along = d * outwardSign;
    // Outward makes the window larger along the axis: fewer rows for a side edge, more for a
    // top or bottom edge.
    const int larger = horizontal ? rows - 1 : rows + 1;
    const int smaller = horizontal ? rows + 1 : rows - 1;
    auto crossed = [&](int dir) {
        // Past 5 pixels from the start of the drag, past 2 once moving that way already.
        const int magnitude = std::abs(d);
        return FResizingDir == 0 ? magnitude > EdgeWidth : FResizingDir == dir && magnitude >= 3;
    };
    int target = 0;
    if (along > 0 && crossed(1)) {
        target = larger;
        FResizingDir = 1;
    } else if (along < 0 && crossed(2)) {
        target = smaller;
        FResizingDir = 2;
    } else if (FResizingDir != 0) {
        // Back past the size of the neighbouring layout: the last step is undone.
        const int undo = FResizingDir == 1 ? smaller : larger;
        int qh = 0, qw = 0;
        if (FRurCustomToolBar->GetFloatingSizeForRows(undo, qh, qw)) {
            const int b2 = 2 * FBorderWidth;
            const int w = Width(), h = Height();
            bool inside = false;
            switch (FResizingClip) {
            case rcLeft:
                inside = FResizingDir == 1 ? x >= w - b2 - qw : x <= w - b2 - qw;
                break;
            case rcRight:
                inside = FResizingDir == 1 ? x <= b2 + qw : x >= b2 + qw;
                break;
            case rcTop:
                inside = FResizingDir == 1 ? y >= h - b2 - qh - 2 : y <= h - b2 - qh;
                break;
            case rcBottom:
                inside = FResizingDir == 1 ? y <= b2 + qh + 2 : y >= b2 + qh;
                break;
            }
            if (inside)
                target = undo;
        }
    }
    if (target <= 0)
        return;
    ChangeRows(target);
    switch (FResizingClip) {
    case rcLeft:
        FMouseX = 0;
        break;
    case rcTop:
        FMouseY = 0;
        break;
    case rcRight:
        FMouseX = Width();
        break;
    case rcBottom:
        FMouseY = Height();
        break;
    }
    Invalidate();
}
