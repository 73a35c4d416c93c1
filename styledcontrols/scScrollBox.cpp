#include "scScrollBox.h"

#include "scControls.h"
#include "scListControls.h"

TAVIN_PUBLISHED(TscCustomScrollBox)
{
    TAVIN_PROPERTY(TscCustomImageCollection*, Wallpapers);
    TAVIN_PROPERTY(int, WallpaperIndex).Default(-1);
    TAVIN_PROPERTY(TscCustomImageCollection*, CustomImages);
    TAVIN_PROPERTY(int, CustomBackgroundImageIndex).Default(-1);
    TAVIN_PROPERTY(bool, FullUpdate).Default(true);
    TAVIN_PROPERTY(bool, FluentUIOpaque).Default(false);
    TAVIN_PROPERTY(bool, StorePaintBuffer).Default(false);
    TAVIN_PROPERTY(bool, MouseWheelSupport).Default(false);
}

TAVIN_PUBLISHED(TscScrollBox)
{
    TAVIN_PROPERTY(TscsbBackgroundStyle, BackgroundStyle).Default(scsbsFormBackground);
}

TscCustomScrollBox::TscCustomScrollBox(TComponent* owner) : TScrollBox(owner)
{
    // The content follows the thumb while it is dragged.
    HorzScrollBar()->SetTracking(true);
    VertScrollBar()->SetTracking(true);
}

TscCustomScrollBox::~TscCustomScrollBox() = default;

void TscCustomScrollBox::Notification(TComponent* component, TOperation operation)
{
    TScrollBox::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (component == FWallpapers)
        FWallpapers = nullptr;
    if (component == FCustomImages)
        FCustomImages = nullptr;
}

void TscCustomScrollBox::SetBackgroundStyle(TscsbBackgroundStyle value)
{
    if (FBackgroundStyle == value)
        return;
    FBackgroundStyle = value;
    FullRedraw();
}

void TscCustomScrollBox::SetWallpapers(TscCustomImageCollection* value)
{
    if (ReplaceComponentReference(this, FWallpapers, value))
        FullRedraw();
}

void TscCustomScrollBox::SetWallpaperIndex(int value)
{
    if (FWallpaperIndex == value)
        return;
    FWallpaperIndex = value;
    FullRedraw();
}

void TscCustomScrollBox::SetCustomImages(TscCustomImageCollection* value)
{
    if (ReplaceComponentReference(this, FCustomImages, value))
        FullRedraw();
}

void TscCustomScrollBox::SetCustomBackgroundImageIndex(int value)
{
    if (FCustomBackgroundImageIndex == value)
        return;
    FCustomBackgroundImageIndex = value;
    FullRedraw();
}

bool TscCustomScrollBox::IsFluentUIOpaqueActive() const { return IsFluentUIOpaqueActiveFor(this, FFluentUIOpaque); }

void TscCustomScrollBox::SetFluentUIOpaque(bool value) { ChangeFluentUIOpaque(this, FFluentUIOpaque, value); }

void TscCustomScrollBox::CreateParams(TCreateParams& params)
{
    TScrollBox::CreateParams(params);
    if (IsFluentUIOpaqueActive())
        params.ExStyle |= WS_EX_LAYERED;
}

void TscCustomScrollBox::CreateWnd()
{
    TScrollBox::CreateWnd();
    ApplyFluentUIOpaque(this, IsFluentUIOpaqueActive());
}

void TscCustomScrollBox::ChangeScale(int m, int d, bool isDpiChange)
{
    TScrollBox::ChangeScale(m, d, isDpiChange);
    if (!ComponentState().Contains(csLoading) && Visible() && HandleAllocated())
        SetTimer(Handle(), ScaleRedrawTimer, 10, nullptr);
}

void TscCustomScrollBox::FullRedraw()
{
    if (!Parent() || !HandleAllocated())
        return;
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    SendMessageW(Handle(), WM_NCPAINT, 0, 0);
}

void TscCustomScrollBox::SetRedrawLock(bool locked)
{
    if (HandleAllocated())
        SendMessageW(Handle(), WM_SETREDRAW, locked ? FALSE : TRUE, 0);
}

void TscCustomScrollBox::ScrollBy(int dx, int dy)
{
    if (!FFullUpdate) {
        TScrollBox::ScrollBy(dx, dy);
        return;
    }
    SetRedrawLock(true);
    TScrollBox::ScrollBy(dx, dy);
    SetRedrawLock(false);
    FullRedraw();
}

void TscCustomScrollBox::ScrollInView(TControl* control)
{
    if (!control || !ScrollsItself() || !FFullUpdate) {
        TScrollBox::ScrollInView(control);
        return;
    }
    const TRect r = control->BoundsRect();
    TRect client = ClientRect();
    client = TRect(client.Left - 2, client.Top - 2, client.Right + 2, client.Bottom + 2);
    if (client.Contains(r.TopLeft()) && client.Contains(r.BottomRight())) {
        TScrollBox::ScrollInView(control);
        return;
    }
    const bool lock = !control->ComponentState().Contains(csLoading) &&
                      !ComponentState().Contains(csLoading) && !ComponentState().Contains(csDestroying);
    if (lock)
        SetRedrawLock(true);
    TScrollBox::ScrollInView(control);
    if (lock) {
        SetRedrawLock(false);
        FullRedraw();
    }
}

bool TscCustomScrollBox::IsWallpaperAvailable() const
{
    return FWallpapers && FWallpapers->IsIndexAvailable(FWallpaperIndex);
}

bool TscCustomScrollBox::IsBackgroundImageAvailable() const
{
    return FCustomImages && FCustomImages->IsIndexAvailable(FCustomBackgroundImageIndex);
}

bool TscCustomScrollBox::LocksRedraw(const TMessage& message) const
{
    if (!FFullUpdate || !Visible())
        return false;
    switch (message.Msg) {
    case WM_SIZE: {
        if (IsWallpaperAvailable() || IsBackgroundImageAvailable())
            return true;
        const HWND wnd = HandleIfAllocated();
        return FBackgroundStyle != scsbsPanel && UsesCustomStyle(this) && wnd &&
               (GetScrollPos(wnd, SB_HORZ) > 0 || GetScrollPos(wnd, SB_VERT) > 0);
    }
    case WM_MOUSEWHEEL:
        return FMouseWheelSupport && ScrollsItself();
    case WM_HSCROLL:
    case WM_VSCROLL:
    case CM_GESTURE:
        return ScrollsItself();
    default:
        return false;
    }
}

void TscCustomScrollBox::DrawBackgroundStyle(TCanvas* canvas, const TRect& rect)
{
    switch (FBackgroundStyle) {
    case scsbsFormBackground:
        DrawFormBackground(canvas, rect, this);
        break;
    case scsbsTabSheet:
        // The sheet's frame falls outside the box.
        DrawTabSheetBackground(canvas, TRect(rect.Left - 4, rect.Top - 4, rect.Right + 4, rect.Bottom + 4), this);
        break;
    case scsbsPanel:
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(GetStyleSystemColor(Color(), this));
        canvas->FillRect(rect);
        break;
    }
}

void TscCustomScrollBox::PaintBackground(HDC dc)
{
    TCanvas canvas;
    canvas.SetHandle(dc);
    struct TRelease {
        TCanvas& Canvas;
        ~TRelease() { Canvas.SetHandle(nullptr); }
    } release{canvas};
    const TRect r = ClientRect();
    const double scale = ScaleFactor();
    if (!FStorePaintBuffer && IsWallpaperAvailable() && FWallpapers->IsSolidDrawing(FWallpaperIndex)) {
        FWallpapers->Draw(&canvas, r, FWallpaperIndex, scale);
        if (IsBackgroundImageAvailable())
            FCustomImages->Draw(&canvas, r, FCustomBackgroundImageIndex, scale);
        return;
    }
    if (r.IsEmpty())
        return;
    if (!FFullUpdate && !FStorePaintBuffer && !(FBackgroundStyle != scsbsPanel && AutoScroll())) {
        DrawBackgroundStyle(&canvas, r);
        return;
    }
    std::unique_ptr<TBitmap> temporary;
    TBitmap* bitmap;
    if (FStorePaintBuffer) {
        if (!FPaintBuffer)
            FPaintBuffer = std::make_unique<TBitmap>();
        bitmap = FPaintBuffer.get();
    } else {
        temporary = std::make_unique<TBitmap>();
        bitmap = temporary.get();
    }
    bitmap->SetSize(r.Width(), r.Height());
    const TRect b(0, 0, r.Width(), r.Height());
    DrawBackgroundStyle(bitmap->Canvas(), b);
    if (IsBackgroundImageAvailable())
        FCustomImages->Draw(bitmap->Canvas(), b, FCustomBackgroundImageIndex, scale);
    if (IsWallpaperAvailable())
        FWallpapers->Draw(bitmap->Canvas(), b, FWallpaperIndex, scale);
    canvas.Draw(r.Left, r.Top, bitmap);
}

void TscCustomScrollBox::WheelScroll(const TMessage& message)
{
    TControlScrollBar* horz = HorzScrollBar();
    TControlScrollBar* vert = VertScrollBar();
    TControlScrollBar* bar = nullptr;
    if (LOWORD(message.WParam) == MK_SHIFT && horz->IsScrollBarVisible() && vert->IsScrollBarVisible())
        bar = horz;
    else if (vert->IsScrollBarVisible())
        bar = vert;
    else if (horz->IsScrollBarVisible())
        bar = horz;
    if (!bar)
        return;
    // One increment per message, whatever the delta.
    const short delta = static_cast<short>(HIWORD(message.WParam));
    bar->SetPosition(bar->Position() + (delta > 0 ? -bar->Increment() : bar->Increment()));
}

void TscCustomScrollBox::WndProc(TMessage& message)
{
    const bool locked = LocksRedraw(message);
    if (locked)
        SetRedrawLock(true);
    switch (message.Msg) {
    case WM_ERASEBKGND:
        PaintBackground(reinterpret_cast<HDC>(message.WParam));
        message.Result = 1;
        return;
    case WM_MOUSEWHEEL:
        if (FMouseWheelSupport) {
            WheelScroll(message);
            message.Result = 0;
            break;
        }
        TScrollBox::WndProc(message);
        break;
    default:
        TScrollBox::WndProc(message);
        break;
    }
    if (locked) {
        SetRedrawLock(false);
        FullRedraw();
    }
    if (message.Msg == WM_TIMER && message.WParam == ScaleRedrawTimer) {
        KillTimer(Handle(), ScaleRedrawTimer);
        FullRedraw();
    }
    HandleFluentUIOpaqueTimer(this, message, IsFluentUIOpaqueActive());
}

// ---------------------------------------------------------------------------------------------

TscScrollBoxStyleHook::TscScrollBoxStyleHook(TWinControl* control) : TscScrollingStyleHook(control)
{
    FOverrideEraseBkgnd = true;
    FBrush->SetColor(control->StyleElements().Contains(seClient) ? StyleServices()->GetStyleColor(scPanel)
                                                                  : control->Color());
}

void TscScrollBoxStyleHook::WndProc(TMessage& message)
{
    TscScrollingStyleHook::WndProc(message);
    if ((message.Msg == WM_HSCROLL || message.Msg == WM_VSCROLL) && LOWORD(message.WParam) == SB_ENDSCROLL && Handle())
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}
