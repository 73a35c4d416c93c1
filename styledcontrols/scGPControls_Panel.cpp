// The GDI+ panel: an anti-aliased fill with alpha over the captured or form background, a frame on
// chosen sides, caption, content margins, and the form drag and resize grips.
#include "Forms.h"
#include "Math.h"
#include "scGPControls.h"
#include "scImageCollection.h"

using namespace fwgdip;

TAVIN_PUBLISHED(TscGPPanel)
{
    TAVIN_PROPERTY(bool, BlurBackground);
    TAVIN_PROPERTY(int, BlurBackgroundAmount);
    TAVIN_PROPERTY(TscGPPanelBGStyle, BackgroundStyle);
    TAVIN_PROPERTY(int, ContentMarginLeft);
    TAVIN_PROPERTY(int, ContentMarginRight);
    TAVIN_PROPERTY(int, ContentMarginTop);
    TAVIN_PROPERTY(int, ContentMarginBottom);
    TAVIN_PROPERTY(TscCustomImageCollection*, CustomImages);
    TAVIN_PROPERTY(int, CustomImageIndex);
    TAVIN_PROPERTY(bool, DragForm);
    TAVIN_PROPERTY(bool, DragTopForm);
    TAVIN_PROPERTY(TscDrawTextMode, DrawTextMode);
    TAVIN_PROPERTY(TscGPPanelFrameSides, FrameSides).Default(TscGPPanelFrameSides{gppfsLeft, gppfsTop, gppfsRight,
                                                                                   gppfsBottom});
    TAVIN_PROPERTY(TscGPShapeFillStyle, FillStyle).Default(scgpsfColor);
    TAVIN_PROPERTY(int, FillGradientAngle);
    TAVIN_PROPERTY(Byte, FillGradientBeginAlpha);
    TAVIN_PROPERTY(Byte, FillGradientEndAlpha);
    TAVIN_PROPERTY(Byte, FillGradientBeginColorOffset);
    TAVIN_PROPERTY(Byte, FillGradientEndColorOffset);
    TAVIN_PROPERTY(int, FrameWidth);
    TAVIN_PROPERTY(TColor, FillColor);
    TAVIN_PROPERTY(Byte, FillColorAlpha);
    TAVIN_PROPERTY(TColor, FillColor2);
    TAVIN_PROPERTY(TColor, FrameColor);
    TAVIN_PROPERTY(Byte, FrameColorAlpha);
    TAVIN_PROPERTY(int, FrameRadius);
    TAVIN_PROPERTY(bool, ScaleFrameWidth).Default(true);
    TAVIN_PROPERTY(bool, ShowCaption);
    TAVIN_PROPERTY(TscGlowEffect*, CaptionGlowEffect);
    TAVIN_PROPERTY(TAlignment, Alignment).Default(taCenter);
    TAVIN_PROPERTY(TColor, Color).Default(clWindow);
    TAVIN_PROPERTY(String, Caption);
    TAVIN_PROPERTY(bool, TransparentBackground);
    TAVIN_PROPERTY(bool, StorePaintBuffer);
    TAVIN_PROPERTY(bool, Sizeable);
    TAVIN_PROPERTY(TscCustomImageCollection*, Wallpapers);
    TAVIN_PROPERTY(int, WallpaperIndex);
    TAVIN_PROPERTY(bool, WordWrap);
}

TscGPPanel::TscGPPanel(TComponent* owner)
    : TscCustomControl(owner), FCaptionGlowEffect(std::make_unique<TscGlowEffect>())
{
    SetControlStyle(TControlStyle(ControlStyle()).Include(csAcceptsControls));
    FStorePaintBuffer = true;
    FTransparentBackground = true;
    FDrawTextMode = scdtmGDI;
    FCaptionGlowEffect->FControl = this;
    FCaptionGlowEffect->SetColor(clBtnShadow);
    FCaptionGlowEffect->SetOnChange(MakeHandler<&TscGPPanel::GlowChanged>(this));
    SetColor(clBtnFace);
    SetBounds(Left(), Top(), 185, 41);
}

TscGPPanel::~TscGPPanel() = default;

void TscGPPanel::GlowChanged(TObject*)
{
    // Size, alpha and intensity are not part of the cache key: any change rebuilds.
    FGlow.Invalidate();
    if (FShowCaption && !ComponentState().Contains(csLoading))
        RePaintControl();
}

void TscGPPanel::SetBackgroundStyle(TscGPPanelBGStyle value)
{
    if (FBackgroundStyle == value)
        return;
    FBackgroundStyle = value;
    if (!ComponentState().Contains(csLoading)) {
        RePaintControl();
        UpdateControls();
    }
}

void TscGPPanel::SetTransparentBackground(bool value)
{
    if (FTransparentBackground == value)
        return;
    FTransparentBackground = value;
    CaptureParentBackground();
    if (!ComponentState().Contains(csLoading)) {
        RePaintControl();
        UpdateControls();
    }
}

void TscGPPanel::SetSizeable(bool value)
{
    if (FSizeable == value)
        return;
    FSizeable = value;
    const TComponentState state = ComponentState();
    if (FHitTest != 0 && Cursor() != FSaveCursor && !state.Contains(csDesigning) && !state.Contains(csLoading))
        SetCursor(FSaveCursor);
    FHitTest = 0;
    FResizing = false;
}

void TscGPPanel::SetFrameWidth(int value) { SetAndRealign(FFrameWidth, value); }

void TscGPPanel::SetFrameRadius(int value) { SetAndRealign(FFrameRadius, value); }

void TscGPPanel::SetFillGradientAngle(int value)
{
    if (value < -360 || value > 360 || value == FFillGradientAngle)
        return;
    FFillGradientAngle = value;
    if (FFillStyle == scgpsfGradient)
        RePaintControl();
    UpdateControls();
}

void TscGPPanel::SetGradientValue(Byte& field, Byte value)
{
    if (field == value)
        return;
    field = value;
    if (FFillStyle == scgpsfGradient)
        RePaintControl();
    UpdateControls();
}

void TscGPPanel::SetFillGradientBeginColorOffset(Byte value)
{
    if (value <= 100)
        SetGradientValue(FFillGradientBeginColorOffset, value);
}

void TscGPPanel::SetFillGradientEndColorOffset(Byte value)
{
    if (value <= 100)
        SetGradientValue(FFillGradientEndColorOffset, value);
}

void TscGPPanel::SetWallpapers(TscCustomImageCollection* value)
{
    if (FWallpapers == value)
        return;
    if (FWallpapers)
        FWallpapers->RemoveFreeNotification(this);
    FWallpapers = value;
    if (value)
        value->FreeNotification(this);
    FullUpdateControl();
}

void TscGPPanel::SetCustomImages(TscCustomImageCollection* value)
{
    if (FCustomImages == value)
        return;
    if (FCustomImages)
        FCustomImages->RemoveFreeNotification(this);
    FCustomImages = value;
    if (value)
        value->FreeNotification(this);
    FullUpdateControl();
}

void TscGPPanel::Notification(TComponent* component, TOperation operation)
{
    TscCustomControl::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (component == FWallpapers)
        FWallpapers = nullptr;
    if (component == FCustomImages)
        FCustomImages = nullptr;
}

void TscGPPanel::CreateParams(TCreateParams& params)
{
    TscCustomControl::CreateParams(params);
    params.WindowClassStyle &= ~UINT(CS_HREDRAW | CS_VREDRAW);
}

void TscGPPanel::ChangeScale(int m, int d, bool isDpiChange)
{
    TscCustomControl::ChangeScale(m, d, isDpiChange);
    for (int* margin : {&FContentMarginLeft, &FContentMarginRight, &FContentMarginTop, &FContentMarginBottom})
        *margin = MulDiv(*margin, m, d);
    if (FScaleFrameWidth && FFrameWidth > 0)
        FFrameWidth = MulDiv(FFrameWidth, m, d);
    if (FFrameRadius > 0)
        FFrameRadius = MulDiv(FFrameRadius, m, d);
}

void TscGPPanel::AdjustClientRect(TRect& rect) const
{
    if (FContentMarginLeft || FContentMarginRight || FContentMarginTop || FContentMarginBottom) {
        rect = ::Rect(FContentMarginLeft, FContentMarginTop, Width() - FContentMarginRight,
                    Height() - FContentMarginBottom);
        return;
    }
    if (FFrameWidth <= 0)
        return;
    const TRect outer = rect;
    rect = InflatedRect(rect, -(FFrameWidth + FFrameRadius / 2));
    if (!FFrameSides.Contains(gppfsLeft))
        rect.Left = outer.Left;
    if (!FFrameSides.Contains(gppfsTop))
        rect.Top = outer.Top;
    if (!FFrameSides.Contains(gppfsRight))
        rect.Right = outer.Right;
    if (!FFrameSides.Contains(gppfsBottom))
        rect.Bottom = outer.Bottom;
}

void TscGPPanel::AlignControls(TControl* control, TRect& rect)
{
    AdjustClientRect(rect);
    TscCustomControl::AlignControls(control, rect);
}

void TscGPPanel::WndProc(TMessage& message)
{
    if (message.Msg == WM_SIZE) {
        TscCustomControl::WndProc(message);
        RePaintControl();
        if (!FTransparentBackground && !FStorePaintBuffer &&
            ((FWallpapers && FWallpapers->NeedFullUpdate(FWallpaperIndex)) ||
             (FCustomImages && FCustomImages->NeedFullUpdate(FCustomImageIndex))))
            UpdateControls();
        return;
    }
    TscCustomControl::WndProc(message);
    if (message.Msg == CM_TEXTCHANGED && FShowCaption && !ComponentState().Contains(csLoading))
        RePaintControl();
}

void TscGPPanel::DrawCapturedBackground(TCanvas* canvas)
{
    if (FTransparentBackground) {
        TscCustomControl::DrawCapturedBackground(canvas);
        return;
    }
    if (FBackgroundStyle == gppbsFormBackground) {
        DrawFormBackground(canvas, ClientRect(), this);
        return;
    }
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(GetStyleSystemColor(Color(), this));
    canvas->FillRect(ClientRect());
}

TColor TscGPPanel::GetCaptionColor() const
{
    return IsStyledFont(this) ? GetStyleSystemColor(clBtnText, this) : Font()->Color();
}

namespace {

// The rounded figure of the panel: upper corners of diameter d, lower ones d + 1 when the
// rectangle is taller than d.
void AddPanelRoundRect(TGPGraphicsPath& path, const TGPRectF& r, float d)
{
    GPAddRoundRectPath(path, r, d / 2);
}

} // namespace

void TscGPPanel::Draw(TCanvas* canvas, TscsCtrlState)
{
    const double scale = ScaleFactor();
    const int fw = FFrameWidth;
    TRect framed = ClientRect();
    if (FFrameSides.Contains(gppfsLeft))
        framed.Left += fw;
    if (FFrameSides.Contains(gppfsTop))
        framed.Top += fw;
    if (FFrameSides.Contains(gppfsRight))
        framed.Right -= fw;
    if (FFrameSides.Contains(gppfsBottom))
        framed.Bottom -= fw;
    if (FWallpapers && FWallpapers->IsIndexAvailable(FWallpaperIndex))
        FWallpapers->Draw(canvas, framed, FWallpaperIndex, scale);

    // Sides without a frame push the paint rectangle out, so frame and rounding fall outside.
    TRect R = ClientRect();
    if (fw > 0) {
        const int out = fw + FFrameRadius;
        if (!FFrameSides.Contains(gppfsLeft))
            R.Left -= out;
        if (!FFrameSides.Contains(gppfsTop))
            R.Top -= out;
        if (!FFrameSides.Contains(gppfsRight))
            R.Right += out;
        if (!FFrameSides.Contains(gppfsBottom))
            R.Bottom += out;
    }
    auto g = std::make_unique<TGPGraphics>(canvas->Handle());
    g->SetSmoothingMode(SmoothingModeHighQuality);
    g->SetPixelOffsetMode(PixelOffsetModeHalf);
    TGPRectF FR = RectToGPRect(R);
    if (fw > 0)
        InflateGPRect(FR, -fw / 2.0f, -fw / 2.0f);
    TGPRectF FL = RectToGPRect(R);
    if (FFrameRadius > 0 && fw > 0) {
        if (FFrameColorAlpha == 255) {
            FL = FR;
        } else {
            InflateGPRect(FL, float(-fw), float(-fw));
        }
    }
    std::unique_ptr<TGPBrush> brush;
    if (FFillColor != clNone && FFillColorAlpha != 0) {
        const TColor fill = GetStyleSystemColor(FFillColor, this);
        if (FFillStyle == scgpsfColor) {
            brush = std::make_unique<TGPSolidBrush>(ColorToGPColor(fill, FFillColorAlpha));
        } else {
            const TColor end = FFillColor2 == clNone ? fill : GetStyleSystemColor(FFillColor2, this);
            TGPRectF area = FL;
            InflateGPRect(area, 1, 1);
            brush = std::make_unique<TGPLinearGradientBrush>(
                area, ColorToGPColor(LighterColor(fill, FFillGradientBeginColorOffset), FFillGradientBeginAlpha),
                ColorToGPColor(DarkerColor(end, FFillGradientEndColorOffset), FFillGradientEndAlpha),
                float(FFillGradientAngle), false);
        }
    }
    const bool frame = fw > 0 && FFrameColor != clNone && FFrameColorAlpha != 0;
    const ARGB frameColor = ColorToGPColor(GetStyleSystemColor(FFrameColor, this), FFrameColorAlpha);
    TGPPen pen(frameColor, float(fw));
    if (FFrameRadius != 0) {
        if (brush) {
            float d = 2.0f * float(FFrameRadius);
            if (FFrameRadius > 0 && fw > 0 && FFrameColorAlpha != 255)
                d = Max(d - float(fw), 1.0f);
            TGPGraphicsPath path;
            AddPanelRoundRect(path, FL, d);
            g->FillPath(*brush, path);
        }
        if (frame) {
            TGPGraphicsPath path;
            AddPanelRoundRect(path, FR, 2.0f * float(FFrameRadius));
            g->DrawPath(pen, path);
        }
    } else {
        if (brush)
            g->FillRectangle(*brush, FL);
        if (frame) {
            // The square frame is the ring the pen would cover, filled: stroked, the joins of a
            // wide pen leave pixels out of a corner on some systems.
            TGPGraphicsPath ring;
            ring.AddRectangle(RectToGPRect(R));
            ring.AddRectangle(RectToGPRect(InflatedRect(R, -fw)));
            const TGPSolidBrush frameBrush(frameColor);
            g->SetSmoothingMode(SmoothingModeNone);
            g->FillPath(frameBrush, ring);
            g->SetSmoothingMode(SmoothingModeHighQuality);
        }
    }
    brush.reset();
    if (FDrawTextMode == scdtmGDI)
        g.reset();

    const String text = GetCaptionText();
    if (FShowCaption && !text.empty()) {
        TRect T = ClientRect();
        if (FContentMarginLeft || FContentMarginRight || FContentMarginTop || FContentMarginBottom)
            AdjustClientRect(T);
        else
            T = InflatedRect(R, -(fw + 2));
        canvas->SetFont(Font());
        canvas->Font()->SetColor(GetCaptionColor());
        canvas->Brush()->SetStyle(bsClear);
        if (g) {
            UINT flags = DT_NOPREFIX | DT_VCENTER | (FWordWrap ? DT_WORDBREAK : DT_SINGLELINE);
            flags |= FAlignment == taLeftJustify ? DT_LEFT : FAlignment == taRightJustify ? DT_RIGHT : DT_CENTER;
            GPDrawText(g.get(), nullptr, canvas, T, text, flags, 255);
        } else {
            const TFont* font = Font();
            const bool rebuild = FGlow.NeedsRebuild(
                {text, font->Name(), FCaptionGlowEffect->Color(), font->Size(), font->Style(), FWordWrap});
            DrawPanelCaption(canvas, T, text, FAlignment, FWordWrap, IsBiDiRightToLeft(), FCaptionGlowEffect.get(),
                             FGlow, rebuild);
        }
    }
    g.reset();
    if (FCustomImages && FCustomImages->IsIndexAvailable(FCustomImageIndex))
        FCustomImages->Draw(canvas, framed, FCustomImageIndex, scale);
}

// ---------------------------------------------------------------------------------------------
// Dragging and the resize grips.

int TscGPPanel::GripAt(int x, int y) const
{
    const int fw = FFrameWidth, w = Width(), h = Height();
    const bool left = x < fw, right = x >= w - fw, top = y < fw, bottom = y >= h - fw;
    const TAlign a = Align();
    const bool free = a == alNone || a == alClient;
    struct TGrip {
        bool Inside;
        int Code;
        bool Allowed;
    } const grips[] = {
        {left && top, HTTOPLEFT, free},
        {right && top, HTTOPRIGHT, free},
        {left && bottom, HTBOTTOMLEFT, free},
        {right && bottom, HTBOTTOMRIGHT, free},
        {left, HTLEFT, free || a == alRight},
        {right, HTRIGHT, free || a == alLeft},
        {bottom, HTBOTTOM, free || a == alTop},
        {top, HTTOP, free || a == alBottom},
    };
    for (const TGrip& grip : grips)
        if (grip.Inside)
            return grip.Allowed ? grip.Code : 0;
    return 0;
}

void TscGPPanel::UpdateGrip(int x, int y)
{
    const int grip = GripAt(x, y);
    if (grip == FHitTest)
        return;
    if (grip == 0) {
        SetCursor(FSaveCursor);
        FHitTest = 0;
        return;
    }
    if (FHitTest == 0)
        FSaveCursor = Cursor();
    FHitTest = grip;
    switch (grip) {
    case HTTOPLEFT:
    case HTBOTTOMRIGHT: SetCursor(crSizeNWSE); break;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT: SetCursor(crSizeNESW); break;
    case HTLEFT:
    case HTRIGHT: SetCursor(crSizeWE); break;
    default: SetCursor(crSizeNS); break;
    }
}

void TscGPPanel::ResizeBy(int x, int y)
{
    TControl* target = Align() == alClient && Parent() ? static_cast<TControl*>(Parent()) : this;
    const TPoint p = ClientToScreen(::Point(x, y));
    int dx = p.X - FDownP.X, dy = p.Y - FDownP.Y;
    FDownP = p;
    if ((x < 0 && dx > 0) || (x > Width() && dx < 0))
        dx = 0;
    if ((y < 0 && dy > 0) || (y > Height() && dy < 0))
        dy = 0;
    const bool leftEdge = FHitTest == HTLEFT || FHitTest == HTTOPLEFT || FHitTest == HTBOTTOMLEFT;
    const bool rightEdge = FHitTest == HTRIGHT || FHitTest == HTTOPRIGHT || FHitTest == HTBOTTOMRIGHT;
    const bool topEdge = FHitTest == HTTOP || FHitTest == HTTOPLEFT || FHitTest == HTTOPRIGHT;
    const bool bottomEdge = FHitTest == HTBOTTOM || FHitTest == HTBOTTOMLEFT || FHitTest == HTBOTTOMRIGHT;
    int L = target->Left(), T = target->Top(), W = target->Width(), H = target->Height();
    if (leftEdge) {
        if (dx < 0 && x > 0)
            dx = 0;
        L += dx;
        W -= dx;
    }
    if (rightEdge) {
        if (dx > 0 && x < Width())
            dx = 0;
        W += dx;
    }
    if (topEdge) {
        if (dy < 0 && y > 0)
            dy = 0;
        T += dy;
        H -= dy;
    }
    if (bottomEdge) {
        if (dy > 0 && y < Height())
            dy = 0;
        H += dy;
    }
    // A moved left or top edge keeps the opposite edge within the constraints; without constraints
    // the target still keeps room for its grips instead of collapsing to nothing or less.
    const TSizeConstraints* c = target->Constraints();
    const int least = Max(1, 2 * FFrameWidth);
    auto limit = [](int size, int low, int high) {
        if (low > 0 && size < low)
            return low;
        if (high > 0 && size > high)
            return high;
        return size;
    };
    const int right = L + W, bottom = T + H;
    if (leftEdge || rightEdge) {
        W = Max(leftEdge ? limit(W, c->MinWidth(), c->MaxWidth()) : W, least);
        if (leftEdge)
            L = right - W;
    }
    if (topEdge || bottomEdge) {
        H = Max(topEdge ? limit(H, c->MinHeight(), c->MaxHeight()) : H, least);
        if (topEdge)
            T = bottom - H;
    }
    target->SetBounds(L, T, W, H);
}

void TscGPPanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft && FSizeable && FHitTest != 0) {
        FResizing = true;
        FDownP = ClientToScreen(::Point(x, y));
    } else if (button == mbLeft && !shift.Contains(ssDouble) && FDragForm && !FResizing) {
        FDrag.Press(this, FDragTopForm, ::Point(x, y));
    }
    TscCustomControl::MouseDown(button, shift, x, y);
}

void TscGPPanel::MouseMove(TShiftState shift, int x, int y)
{
    if (FResizing)
        ResizeBy(x, y);
    else if (FSizeable)
        UpdateGrip(x, y);
    if (!FResizing && FHitTest == 0)
        FDrag.Move(this, ::Point(x, y));
    TscCustomControl::MouseMove(shift, x, y);
}

void TscGPPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    FResizing = false;
    FDrag.Release();
    TscCustomControl::MouseUp(button, shift, x, y);
}
