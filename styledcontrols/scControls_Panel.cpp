// The kit's panel: background by style kind, twenty borders, wallpaper and custom image, a caption
// with glow, and dragging its form; also what the panels and the label share.
#include "Forms.h"
#include "WideText.h"
#include "scControls.h"
#include "scImageCollection.h"

TAVIN_PUBLISHED(TscPanel)
{
    TAVIN_PROPERTY(TscCustomImageCollection*, CustomImages);
    TAVIN_PROPERTY(int, CustomImageIndex);
    TAVIN_PROPERTY(bool, DragForm);
    TAVIN_PROPERTY(bool, DragTopForm);
    TAVIN_PROPERTY(TscPanelStyleKind, StyleKind);
    TAVIN_PROPERTY(bool, ShowCaption);
    TAVIN_PROPERTY(TscPanelBorderStyle, BorderStyle);
    TAVIN_PROPERTY(TscCustomImageCollection*, Wallpapers);
    TAVIN_PROPERTY(int, WallpaperIndex);
    TAVIN_PROPERTY(TColor, LightBorderColor);
    TAVIN_PROPERTY(TColor, ShadowBorderColor);
    TAVIN_PROPERTY(TscGlowEffect*, CaptionGlowEffect);
    TAVIN_PROPERTY(TAlignment, Alignment).Default(taCenter);
    TAVIN_PROPERTY(TColor, Color).Default(clWindow);
    TAVIN_PROPERTY(String, Caption);
    TAVIN_PROPERTY(bool, StorePaintBuffer);
    TAVIN_PROPERTY(bool, TransparentBackground);
    TAVIN_PROPERTY(bool, WordWrap);
    TAVIN_PROPERTY(TscPanelPaintEvent, OnPanelPaint);
}

bool IsStyledClient(const TControl* control)
{
    return control->StyleElements().Contains(seClient) && UsesCustomStyle(control);
}

bool IsStyledFont(const TControl* control)
{
    return control->StyleElements().Contains(seFont) && UsesCustomStyle(control);
}

// ---------------------------------------------------------------------------------------------

namespace {

// The form a control drags: its top-level form, or the nearest form among its parents.
TCustomForm* DraggedForm(TControl* control, bool topForm)
{
    if (topForm)
        return control->GetParentForm();
    for (TControl* c = control->Parent(); c; c = c->Parent())
        if (auto* form = dynamic_cast<TCustomForm*>(c))
            return form;
    return nullptr;
}

} // namespace

void TscFormDrag::Press(TControl* control, bool topForm, TPoint point)
{
    FForm = DraggedForm(control, topForm);
    if (!FForm || FForm->WindowState() == wsMaximized)
        return;
    FDownP = control->ClientToScreen(point);
    FDown = true;
}

void TscFormDrag::Move(TControl* control, TPoint point)
{
    if (!FDown || !FForm)
        return;
    const TPoint p = control->ClientToScreen(point);
    const int dx = p.X - FDownP.X, dy = p.Y - FDownP.Y;
    FDownP = p;
    if (dx || dy)
        FForm->SetBounds(FForm->Left() + dx, FForm->Top() + dy, FForm->Width(), FForm->Height());
}

bool TscGlowCache::NeedsRebuild(const TscGlowKey& key)
{
    const bool rebuild = FUpdate || !(key == FStored);
    FStored = key;
    FUpdate = false;
    return rebuild;
}

void DrawPanelCaption(TCanvas* canvas, TRect rect, const String& text, TAlignment alignment, bool wordWrap,
                      bool rightToLeft, const TscGlowEffect* glow, TscGlowCache& cache, bool rebuild)
{
    PrepareCanvasText(canvas);
    const HDC dc = canvas->Handle();
    const int length = static_cast<int>(text.size());
    if (!glow || !glow->Enabled()) {
        UINT flags = DT_NOPREFIX | DT_VCENTER;
        flags |= alignment == taLeftJustify ? DT_LEFT : alignment == taRightJustify ? DT_RIGHT : DT_CENTER;
        RECT r = ToWinRect(rect);
        if (wordWrap) {
            RECT block = r;
            DrawTextW(dc, WidePtr(text), length, &block, flags | DT_WORDBREAK | DT_CALCRECT);
            const int height = block.bottom - block.top;
            r.top = rect.Top + (rect.Height() - height) / 2;
            r.bottom = r.top + height;
            flags |= DT_WORDBREAK;
        } else {
            flags |= DT_SINGLELINE;
        }
        DrawShapedText(dc, text, r, flags);
        return;
    }
    const int size = glow->GlowSize(), offset = glow->Offset();
    RECT measured = ToWinRect(rect);
    if (wordWrap)
        measured.top += size;
    measured.bottom = measured.top;
    DrawTextW(dc, WidePtr(text), length, &measured,
              DT_CALCRECT | DT_NOPREFIX | (wordWrap ? DT_WORDBREAK : DT_SINGLELINE));
    const int w = measured.right - measured.left + size + offset;
    const int h = measured.bottom - measured.top + size + offset;
    int left = rect.Left + (rect.Width() - w) / 2;
    if (alignment == taLeftJustify)
        left = rect.Left;
    else if (alignment == taRightJustify)
        left = rect.Right - w;
    const TRect place = Bounds(left, rect.Top + (rect.Height() - h) / 2, w, h);
    DrawGlowText(cache.Buffer, rebuild, canvas, true, rightToLeft, glow->GetAlphaValue(), glow->Intensive(), size,
                 glow->GetColor(), offset, DT_CENTER | (wordWrap ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER), text,
                 place);
}

// ---------------------------------------------------------------------------------------------

TscPanel::TscPanel(TComponent* owner) : TscCustomControl(owner), FCaptionGlowEffect(std::make_unique<TscGlowEffect>())
{
    SetControlStyle(TControlStyle(ControlStyle()).Include(csAcceptsControls).Include(csOpaque));
    FTransparentBackground = false;
    FCaptionGlowEffect->FControl = this;
    FCaptionGlowEffect->SetColor(clBtnShadow);
    FCaptionGlowEffect->SetOnChange(MakeHandler<&TscPanel::GlowChanged>(this));
    SetColor(clBtnFace);
    SetBounds(Left(), Top(), 185, 41);
}

TscPanel::~TscPanel() = default;

void TscPanel::GlowChanged(TObject*)
{
    // The glow's size, alpha and intensity are not part of the cache key: any change rebuilds.
    FGlow.Invalidate();
    if (FShowCaption && !ComponentState().Contains(csLoading))
        RePaintControl();
}

bool TscPanel::ImageAvailable(const TscCustomImageCollection* images, int index) const
{
    return images && images->IsIndexAvailable(index);
}

void TscPanel::SetStyleKind(TscPanelStyleKind value)
{
    if (FStyleKind == value)
        return;
    const bool wasTransparent = FStyleKind == scpsTransparent;
    FStyleKind = value;
    if (wasTransparent || value == scpsTransparent) {
        FTransparentBackground = value == scpsTransparent;
        CaptureParentBackground();
    }
    RePaintControl();
    UpdateControls();
}

void TscPanel::SetBorderStyle(TscPanelBorderStyle value)
{
    if (FBorderStyle == value)
        return;
    FBorderStyle = value;
    RePaintControl();
    Realign();
}

void TscPanel::SetWallpapers(TscCustomImageCollection* value)
{
    if (ReplaceComponentReference(this, FWallpapers, value))
        FullUpdateControl();
}

void TscPanel::SetWallpaperIndex(int value)
{
    if (FWallpaperIndex == value)
        return;
    FWallpaperIndex = value;
    FullUpdateControl();
}

void TscPanel::SetCustomImages(TscCustomImageCollection* value)
{
    if (ReplaceComponentReference(this, FCustomImages, value))
        FullUpdateControl();
}

void TscPanel::SetCustomImageIndex(int value)
{
    if (FCustomImageIndex == value)
        return;
    FCustomImageIndex = value;
    FullUpdateControl();
}

void TscPanel::Notification(TComponent* component, TOperation operation)
{
    TscCustomControl::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (component == FWallpapers)
        FWallpapers = nullptr;
    if (component == FCustomImages)
        FCustomImages = nullptr;
}

void TscPanel::CreateParams(TCreateParams& params)
{
    TscCustomControl::CreateParams(params);
    params.WindowClassStyle &= ~UINT(CS_HREDRAW | CS_VREDRAW);
}

void TscPanel::AdjustClientRect(TRect& rect) const
{
    auto shrink = [&](int left, int top, int right, int bottom) {
        rect.Left += left;
        rect.Top += top;
        rect.Right -= right;
        rect.Bottom -= bottom;
    };
    if (FStyleKind == scpsEdit) {
        shrink(2, 2, 2, 2);
        return;
    }
    if (FStyleKind != scpsPanel && FStyleKind != scpsFormBackground && FStyleKind != scpsTransparent)
        return;
    switch (FBorderStyle) {
    case scpbsFlat:
    case scpbsRaised:
    case scpbsLowered: shrink(1, 1, 1, 1); break;
    case scpbsLoweredBevel:
    case scpbsRaisedBevel: shrink(2, 2, 2, 2); break;
    case scpbsTopBevel: shrink(0, 2, 0, 0); break;
    case scpbsBottomBevel: shrink(0, 0, 0, 2); break;
    case scpbsTopLightLine:
    case scpbsTopShadowLine: shrink(0, 1, 0, 0); break;
    case scpbsBottomLightLine:
    case scpbsBottomShadowLine: shrink(0, 0, 0, 1); break;
    case scpbsLeftBevel: shrink(2, 0, 0, 0); break;
    case scpbsRightBevel: shrink(0, 0, 2, 0); break;
    case scpbsLeftLightLine:
    case scpbsLeftShadowLine: shrink(1, 0, 0, 0); break;
    case scpbsRightLightLine:
    case scpbsRightShadowLine: shrink(0, 0, 1, 0); break;
    default: break;
    }
}

void TscPanel::AlignControls(TControl* control, TRect& rect)
{
    AdjustClientRect(rect);
    TscCustomControl::AlignControls(control, rect);
}

void TscPanel::Paint()
{
    if (FStyleKind == scpsEmpty && FCanEmpty)
        return;
    TscCustomControl::Paint();
}

void TscPanel::WndProc(TMessage& message)
{
    if (message.Msg == WM_SIZE) {
        TscCustomControl::WndProc(message);
        if (!FStorePaintBuffer)
            RePaintControl();
        if (!FTransparentBackground && !FStorePaintBuffer) {
            const bool full = (FWallpapers && FWallpapers->NeedFullUpdate(FWallpaperIndex)) ||
                              (FCustomImages && FCustomImages->NeedFullUpdate(FCustomImageIndex));
            if (full)
                UpdateControls();
            else
                SizeChanged();
        }
        return;
    }
    TscCustomControl::WndProc(message);
    if (message.Msg == CM_TEXTCHANGED && FShowCaption && !ComponentState().Contains(csLoading))
        RePaintControl();
}

void TscPanel::DrawBorder(TCanvas* canvas, const TRect& rect)
{
    const bool styled = IsStyledClient(this);
    const TColor light = styled ? GetStyleSystemColor(FLightBorderColor, this) : FLightBorderColor;
    const TColor shadow = styled ? GetStyleSystemColor(FShadowBorderColor, this) : FShadowBorderColor;
    TRect r = rect;
    auto line = [&](int y, TColor c) {
        canvas->Brush()->SetColor(c);
        canvas->FillRect(Rect(r.Left, y, r.Right, y + 1));
    };
    auto column = [&](int x, TColor c) {
        canvas->Brush()->SetColor(c);
        canvas->FillRect(Rect(x, r.Top, x + 1, r.Bottom));
    };
    const int cy = (r.Top + r.Bottom) / 2, cx = (r.Left + r.Right) / 2;
    switch (FBorderStyle) {
    case scpbsFlat: DrawFrame3D(canvas, r, shadow, shadow); break;
    case scpbsRaised: DrawFrame3D(canvas, r, light, shadow); break;
    case scpbsLowered: DrawFrame3D(canvas, r, shadow, light); break;
    case scpbsLoweredBevel:
        DrawFrame3D(canvas, r, shadow, light);
        DrawFrame3D(canvas, r, light, shadow);
        break;
    case scpbsRaisedBevel:
        DrawFrame3D(canvas, r, light, shadow);
        DrawFrame3D(canvas, r, shadow, light);
        break;
    case scpbsTopBevel:
        line(r.Top, shadow);
        line(r.Top + 1, light);
        break;
    case scpbsBottomBevel:
        line(r.Bottom - 2, shadow);
        line(r.Bottom - 1, light);
        break;
    case scpbsTopLightLine: line(r.Top, light); break;
    case scpbsTopShadowLine: line(r.Top, shadow); break;
    case scpbsBottomLightLine: line(r.Bottom - 1, light); break;
    case scpbsBottomShadowLine: line(r.Bottom - 1, shadow); break;
    case scpbsLeftBevel:
        column(r.Left, shadow);
        column(r.Left + 1, light);
        break;
    case scpbsRightBevel:
        column(r.Right - 2, shadow);
        column(r.Right - 1, light);
        break;
    case scpbsLeftLightLine: column(r.Left, light); break;
    case scpbsLeftShadowLine: column(r.Left, shadow); break;
    case scpbsRightLightLine: column(r.Right - 1, light); break;
    case scpbsRightShadowLine: column(r.Right - 1, shadow); break;
    case scpbsHorzCenterBevel:
        line(cy - 1, shadow);
        line(cy, light);
        break;
    case scpbsVertCenterBevel:
        column(cx - 1, shadow);
        column(cx, light);
        break;
    default: break;
    }
}

TColor TscPanel::GetCaptionColor() const
{
    if (!IsStyledFont(this))
        return Font()->Color();
    if (FStyleKind == scpsHeader)
        return GetHeaderSectionTextColor(scsNormal, this);
    if (FStyleKind == scpsEdit)
        return GetEditFontColor(scsNormal, this);
    return GetCheckBoxTextColor(GetCtrlState(), this);
}

void TscPanel::Draw(TCanvas* canvas, TscsCtrlState state)
{
    TRect r = ClientRect();
    const bool styled = IsStyledClient(this);
    const double scale = ScaleFactor();
    auto fill = [&](TColor color) {
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(color);
        canvas->FillRect(r);
    };
    const bool customImage = ImageAvailable(FCustomImages, FCustomImageIndex);
    if (FWallpapers && FWallpapers->IsSolidDrawing(FWallpaperIndex)) {
        FWallpapers->Draw(canvas, r, FWallpaperIndex, scale);
        if (customImage)
            FCustomImages->Draw(canvas, r, FCustomImageIndex, scale);
        DrawBorder(canvas, ClientRect());
    } else {
        const TRect whole = ClientRect();
        switch (FStyleKind) {
        case scpsPanel:
        case scpsEmpty:
            fill(styled ? GetStyleSystemColor(Color(), this) : Color());
            DrawBorder(canvas, whole);
            break;
        case scpsToolBar:
        case scpsHeader: {
            const int saved = SaveDC(canvas->Handle());
            if (UsesCustomStyle(this))
                fill(GetStyleSystemColor(clBtnFace, this));
            if (FStyleKind == scpsToolBar)
                DrawToolBarBackground(canvas, r, this);
            else
                DrawHeaderSection(canvas, r, scsNormal, this);
            RestoreDC(canvas->Handle(), saved);
            DrawBorder(canvas, whole);
            break;
        }
        case scpsFormBackground:
            DrawFormBackground(canvas, r, this);
            DrawBorder(canvas, whole);
            break;
        case scpsTransparent: DrawBorder(canvas, whole); break;
        case scpsEdit:
            if (FPopupMode) {
                fill(styled ? GetStyleSystemColor(clWindow, this) : clWindow);
                DrawBorder(canvas, whole);
            } else {
                fill(GetStyleSystemColor(clBtnFace, this));
                DrawEditBorder(canvas, r, scsNormal, this);
                r = InflatedRect(r, -2);
                fill(GetEditColor(scsNormal, this));
            }
            break;
        case scpsTabSheet: {
            TRect sheet = r;
            sheet = InflatedRect(sheet, 4);
            DrawTabSheetBackground(canvas, sheet, this);
            break;
        }
        }
        const bool redrawBorder = FStyleKind != scpsHeader && FStyleKind != scpsEdit;
        if (customImage) {
            FCustomImages->Draw(canvas, r, FCustomImageIndex, scale);
            if (redrawBorder)
                DrawBorder(canvas, whole);
        }
        if (ImageAvailable(FWallpapers, FWallpaperIndex)) {
            FWallpapers->Draw(canvas, r, FWallpaperIndex, scale);
            if (redrawBorder)
                DrawBorder(canvas, whole);
        }
    }
    TRect content = ClientRect();
    if (FBorderStyle != scpbsNone)
        content = InflatedRect(content, -2);
    bool handled = false;
    DrawPanelContent(canvas, content, handled, state);
    if (FOnPanelPaint)
        FOnPanelPaint(canvas, content);
    const String text = GetCaptionText();
    if (!FShowCaption || text.empty() || handled)
        return;
    TRect textRect = ClientRect();
    textRect = InflatedRect(textRect, -3);
    canvas->SetFont(Font());
    canvas->Font()->SetColor(GetCaptionColor());
    canvas->Brush()->SetStyle(bsClear);
    const TFont* font = Font();
    const bool rebuild = FGlow.NeedsRebuild(
        {text, font->Name(), FCaptionGlowEffect->Color(), font->Size(), font->Style(), FWordWrap});
    DrawPanelCaption(canvas, textRect, text, FAlignment, FWordWrap, IsBiDiRightToLeft(), FCaptionGlowEffect.get(),
                     FGlow, rebuild);
}

void TscPanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft && !shift.Contains(ssDouble) && FDragForm)
        FDrag.Press(this, FDragTopForm, ::Point(x, y));
    TscCustomControl::MouseDown(button, shift, x, y);
}

void TscPanel::MouseMove(TShiftState shift, int x, int y)
{
    FDrag.Move(this, ::Point(x, y));
    TscCustomControl::MouseMove(shift, x, y);
}

void TscPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    FDrag.Release();
    TscCustomControl::MouseUp(button, shift, x, y);
}
