// GDI+ text drawing, the button options and the glyph button.
#include "scGPControls.h"

#include "Forms.h"
#include "Math.h"

using namespace scControls;

using fwgdip::ARGB;
using fwgdip::TGPGraphics;
using fwgdip::TGPPointF;
using fwgdip::TGPRectF;
using fwgdip::TGPFont;
using fwgdip::TGPStringFormat;
using fwgdip::TGPSolidBrush;
using fwgdip::TGPBrush;
using fwgdip::TGPLinearGradientBrush;
using fwgdip::TGPPen;
using fwgdip::TGPGraphicsPath;
using namespace Gdiplus;

TAVIN_PUBLISHED(TscGPButtonOptions)
{
#define TSC_PUBLISH_STATES(Type, Prefix, Suffix)                                                   \
    TAVIN_PROPERTY(Type, Prefix##Normal##Suffix);                                                 \
    TAVIN_PROPERTY(Type, Prefix##Hot##Suffix);                                                    \
    TAVIN_PROPERTY(Type, Prefix##Pressed##Suffix);                                                \
    TAVIN_PROPERTY(Type, Prefix##Focused##Suffix);                                                \
    TAVIN_PROPERTY(Type, Prefix##Disabled##Suffix)
    TSC_PUBLISH_STATES(TColor, , Color);
    TSC_PUBLISH_STATES(TColor, , Color2);
    TSC_PUBLISH_STATES(Byte, , ColorAlpha);
    TSC_PUBLISH_STATES(Byte, , Color2Alpha);
    TSC_PUBLISH_STATES(TColor, Frame, Color);
    TSC_PUBLISH_STATES(Byte, Frame, ColorAlpha);
    TSC_PUBLISH_STATES(TColor, Font, Color);
    TSC_PUBLISH_STATES(TColor, Arrow, Color);
    TSC_PUBLISH_STATES(Byte, Arrow, ColorAlpha);
    TAVIN_PROPERTY(int, FrameWidth);
    TAVIN_PROPERTY(TscGPShapeFillStyle, ShapeFillStyle).Stored(&TscGPButtonOptions::IsShapeFillStyleStored);
    TAVIN_PROPERTY(int, ShapeFillGradientAngle);
    TAVIN_PROPERTY(int, ShapeFillGradientPressedAngle);
    TAVIN_PROPERTY(Byte, ShapeFillGradientColorOffset);
    TAVIN_PROPERTY(int, ShapeCornerRadius);
    TAVIN_PROPERTY(TscGPButtonShapeStyle, ShapeStyle);
    TAVIN_PROPERTY(int, ShapeStyleLineSize);
    TAVIN_PROPERTY(int, ArrowSize);
    TAVIN_PROPERTY(int, ArrowAreaSize);
    TAVIN_PROPERTY(TscGPArrowType, ArrowType);
    TAVIN_PROPERTY(Byte, ArrowThickness);
    TAVIN_PROPERTY(bool, ArrowThicknessScaled);
    TAVIN_PROPERTY(bool, StyleColors);
    TAVIN_PROPERTY(bool, PressedHotColors);
    TAVIN_PROPERTY(TNotifyEvent, OnChange);
}

TAVIN_PUBLISHED(TscGPGlyphOptions)
{
    TSC_PUBLISH_STATES(TColor, , Color);
    TSC_PUBLISH_STATES(Byte, , ColorAlpha);
    TAVIN_PROPERTY(TscGPButtonGlyphKind, Kind);
    TAVIN_PROPERTY(Byte, Thickness);
    TAVIN_PROPERTY(bool, ThicknessScaled);
    TAVIN_PROPERTY(int, Size);
    TAVIN_PROPERTY(bool, StyleColors);
    TAVIN_PROPERTY(TNotifyEvent, OnChange);
#undef TSC_PUBLISH_STATES
}

TAVIN_PUBLISHED(TscGPButtonBadge)
{
    TAVIN_PROPERTY(TColor, Color);
    TAVIN_PROPERTY(Byte, ColorAlpha);
    TAVIN_PROPERTY(TFont*, Font);
    TAVIN_PROPERTY(String, Text);
    TAVIN_PROPERTY(bool, Visible);
}

TAVIN_PUBLISHED(TscGPGlyphButton)
{
    TAVIN_PROPERTY(bool, Animation);
    TAVIN_PROPERTY(TscArrowDirection, ArrowDirection).Default(scadDefault);
    TAVIN_PROPERTY(TscArrowPosition, ArrowPosition).Default(scapRight);
    TAVIN_PROPERTY(TscGPButtonBadge*, Badge);
    TAVIN_PROPERTY(TscGPButtonOptions*, Options);
    TAVIN_PROPERTY(TscGPGlyphOptions*, GlyphOptions);
    TAVIN_PROPERTY(String, Caption);
    TAVIN_PROPERTY(bool, CaptionCenterAlignment);
    TAVIN_PROPERTY(bool, CustomDropDown);
    TAVIN_PROPERTY(bool, SplitButton);
    TAVIN_PROPERTY(bool, RepeatClick);
    TAVIN_PROPERTY(int, RepeatClickInterval);
    TAVIN_PROPERTY(bool, ShowGalleryMenuFromTop);
    TAVIN_PROPERTY(bool, ShowGalleryMenuFromRight);
    TAVIN_PROPERTY(bool, Down);
    TAVIN_PROPERTY(bool, AllowAllUp);
    TAVIN_PROPERTY(bool, ToggleMode);
    TAVIN_PROPERTY(bool, CanFocused);
    TAVIN_PROPERTY(bool, ShowMenuArrow);
    TAVIN_PROPERTY(bool, ShowFocusRect);
    TAVIN_PROPERTY(bool, WordWrap).Default(true);
    TAVIN_PROPERTY(TscDrawTextMode, DrawTextMode);
    TAVIN_PROPERTY(bool, FluentLightEffect);
    TAVIN_PROPERTY(TButtonLayout, Layout);
    TAVIN_PROPERTY(bool, TransparentBackground);
    TAVIN_PROPERTY(TColor, ColorValue);
    TAVIN_PROPERTY(bool, Default).Default(false);
    TAVIN_PROPERTY(bool, Cancel).Default(false);
    TAVIN_PROPERTY(bool, ModalSetting).Default(false);
    TAVIN_PROPERTY(int, ModalResult).Default(0);
    TAVIN_PROPERTY(int, TextMargin);
    TAVIN_PROPERTY(bool, ScaleFrameWidth).Default(true);
    TAVIN_PROPERTY(int, WidthWithCaption);
    TAVIN_PROPERTY(int, WidthWithoutCaption);
    TAVIN_PROPERTY(bool, ShowCaption).Default(false);
    TAVIN_PROPERTY(int, GroupIndex);
    TAVIN_PROPERTY(TPopupMenu*, DropDownMenu);
    TAVIN_PROPERTY(TscGalleryMenu*, GalleryMenu);
    TAVIN_PROPERTY(TNotifyEvent, OnClick);
    TAVIN_PROPERTY(TNotifyEvent, OnDropDown);
    TAVIN_PROPERTY(TscButtonCloseUpEvent, OnCloseUp);
}

void scGPControlsInitialize() { RegisterClasses({TscGPGlyphButton::StaticClass(), TscGPPanel::StaticClass()}); }

// ---------------------------------------------------------------------------------------------

namespace {

// A graphics object on the canvas, or the given one with its pixel-offset mode put back afterwards.
class TTextGraphics {
public:
    TTextGraphics(TGPGraphics* given, TCanvas* canvas) : FGiven(given)
    {
        if (FGiven) {
            FOldMode = FGiven->GetPixelOffsetMode();
            FGiven->SetPixelOffsetMode(PixelOffsetModeDefault);
        } else {
            FOwn = std::make_unique<TGPGraphics>(canvas->Handle());
        }
        Get().SetTextRenderingHint(TextRenderingHintAntiAlias);
    }
    ~TTextGraphics() { Restore(); }
    TTextGraphics(const TTextGraphics&) = delete;
    TTextGraphics& operator=(const TTextGraphics&) = delete;
    TGPGraphics& Get() { return FGiven ? *FGiven : *FOwn; }
    void Restore()
    {
        if (FGiven && !FRestored) {
            FGiven->SetPixelOffsetMode(FOldMode);
            FRestored = true;
        }
    }

private:
    TGPGraphics* FGiven;
    std::unique_ptr<TGPGraphics> FOwn;
    PixelOffsetMode FOldMode = PixelOffsetModeDefault;
    bool FRestored = false;
};

std::unique_ptr<TGPStringFormat> MakeFormat(bool wrap, bool rightToLeft, bool noPrefix, StringAlignment alignment,
                                            bool ellipsis, bool verticalCenter)
{
    INT flags = StringFormatFlagsNoClip;
    if (!wrap)
        flags |= StringFormatFlagsNoWrap;
    if (rightToLeft)
        flags |= StringFormatFlagsDirectionRightToLeft;
    auto format = std::make_unique<TGPStringFormat>(flags);
    format->SetTrimming(ellipsis ? StringTrimmingEllipsisCharacter : StringTrimmingNone);
    format->SetHotkeyPrefix(noPrefix ? HotkeyPrefixNone : HotkeyPrefixShow);
    format->SetAlignment(alignment);
    if (verticalCenter)
        format->SetLineAlignment(StringAlignmentCenter);
    return format;
}

int RoundInt(double value) { return static_cast<int>(Round(value)); }

} // namespace

void GPDrawText(TGPGraphics* graphics, TGPFont* font, TCanvas* canvas, TRect& rect, const String& text, UINT flags,
                int alpha)
{
    if (text.empty()) {
        if (flags & DT_CALCRECT)
            rect = ::Rect(0, 0, 0, 0);
        return;
    }
    TTextGraphics g(graphics, canvas);
    std::unique_ptr<TGPFont> own;
    if (!font) {
        own = std::make_unique<TGPFont>(canvas->Handle(), canvas->Font()->Handle());
        font = own.get();
    }
    const StringAlignment alignment = (flags & DT_RIGHT)    ? StringAlignmentFar
                                      : (flags & DT_CENTER) ? StringAlignmentCenter
                                                            : StringAlignmentNear;
    auto format = MakeFormat(flags & DT_WORDBREAK, flags & DT_RTLREADING, flags & DT_NOPREFIX, alignment,
                             flags & DT_END_ELLIPSIS, flags & DT_VCENTER);
    const TGPRectF layout = RectToGPRect(rect);
    if (flags & DT_CALCRECT) {
        TGPRectF measured;
        g.Get().MeasureString(text, *font, layout, format.get(), measured);
        rect.Right = rect.Left + RoundInt(measured.Width);
        rect.Bottom = rect.Top + RoundInt(measured.Height);
        return;
    }
    TGPSolidBrush brush(ColorToGPColor(canvas->Font()->Color(), Byte(alpha <= 0 ? 255 : alpha)));
    g.Get().DrawString(text, *font, layout, format.get(), brush);
}

void GPDrawImageAndText(TGPGraphics* graphics, TCanvas* canvas, const TRect& rect, int margin, int spacing,
                        TButtonLayout layout, const String& caption, int imageIndex, TCustomImageList* images,
                        bool enabled, bool drawFocus, bool rightToLeftReading, bool noPrefix, double scaleFactor,
                        bool wordWrap, bool endEllipsis, bool centerAlignment)
{
    TTextGraphics g(graphics, canvas);
    const bool hasImage = IsImageIndexValid(images, imageIndex);
    const int gw = hasImage ? images->Width() : 0, gh = hasImage ? images->Height() : 0;
    if (!hasImage)
        spacing = 0;
    const bool vertical = layout == blGlyphTop || layout == blGlyphBottom;
    std::unique_ptr<TGPFont> font;
    std::unique_ptr<TGPStringFormat> format;
    int tw = 0, th = 0;
    if (!caption.empty()) {
        font = std::make_unique<TGPFont>(canvas->Handle(), canvas->Font()->Handle());
        format = MakeFormat(wordWrap, rightToLeftReading, noPrefix,
                            vertical || centerAlignment ? StringAlignmentCenter : StringAlignmentNear, endEllipsis,
                            true);
        TGPRectF box(0, 0, float(rect.Width()), float(rect.Height()));
        if (vertical)
            box.Height -= float(spacing + gh);
        else
            box.Width -= float(spacing + gw + (margin > 0 ? margin : 0));
        TGPRectF measured;
        g.Get().MeasureString(caption, *font, box, format.get(), measured);
        tw = RoundInt(measured.Width + 2);
        th = RoundInt(measured.Height + 2);
    } else {
        spacing = 0;
    }
    canvas->Brush()->SetStyle(bsClear);
    int gx = 0, gy = 0, tx = 0, ty = 0;
    CalcContentLayout(static_cast<int>(layout), rect, gw, gy, gx, ty, tx, margin, spacing, th, tw, gh);
    if (!caption.empty()) {
        TRect textRect = Bounds(tx, ty, tw, th);
        const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
        if (endEllipsis && horizontal) {
            textRect.Right = Min(textRect.Right, rect.Right);
            if (hasImage && layout == blGlyphLeft)
                textRect.Left = Max(textRect.Left, gx + gw + 4);
            if (hasImage && layout == blGlyphRight && textRect.Right > gx - 4)
                textRect.Right = gx - 4;
        }
        TGPRectF r = RectToGPRect(textRect);
        if (horizontal) {
            r.X += 1;
            r.Y += 1;
        }
        TGPSolidBrush brush(ColorToGPColor(canvas->Font()->Color(), 255));
        g.Get().DrawString(caption, *font, r, format.get(), brush);
        g.Restore();
        if (drawFocus)
            GPDrawFocusRect(g.Get(), RectToGPRect(textRect), ColorToGPColor(canvas->Font()->Color(), 255),
                            scaleFactor);
    }
    if (hasImage)
        DrawImageListImage(canvas, gx, gy, images, imageIndex, enabled);
}

// ---------------------------------------------------------------------------------------------

void TscGPButtonOptions::Assign(const TPersistent* source)
{
    const auto* o = dynamic_cast<const TscGPButtonOptions*>(source);
    if (!o) {
        TscGPOptionsBase::Assign(source);
        return;
    }
    FColors = o->FColors;
    FFrameColors = o->FFrameColors;
    FFrameWidth = o->FFrameWidth;
    FFontColors = o->FFontColors;
    FColorAlphas = o->FColorAlphas;
    FFrameAlphas = o->FFrameAlphas;
    FShapeStyle = o->FShapeStyle;
    FShapeCornerRadius = o->FShapeCornerRadius;
    FArrowSize = o->FArrowSize;
    FArrowAreaSize = o->FArrowAreaSize;
    FShapeFillStyle = o->FShapeFillStyle;
    FStyleColors = o->FStyleColors;
    FArrowColors = o->FArrowColors;
    FArrowAlphas = o->FArrowAlphas;
    FShapeStyleLineSize = o->FShapeStyleLineSize;
}

void TscGPButtonOptions::SetGradientValue(int& field, int value)
{
    if (value < -360 || value > 360 || field == value)
        return;
    field = value;
    if (FShapeFillStyle == scgpsfGradient)
        Changed();
}

void TscGPButtonOptions::SetShapeFillGradientColorOffset(Byte value)
{
    if (FShapeFillGradientColorOffset == value)
        return;
    FShapeFillGradientColorOffset = value;
    if (FShapeFillStyle == scgpsfGradient)
        Changed();
}

void TscGPButtonOptions::SetArrowThickness(Byte value)
{
    if (value == 0 || FArrowThickness == value)
        return;
    FArrowThickness = value;
    if (FArrowType == scgpatModern)
        Changed();
}

void TscGPGlyphOptions::Assign(const TPersistent* source)
{
    const auto* o = dynamic_cast<const TscGPGlyphOptions*>(source);
    if (!o) {
        TscGPOptionsBase::Assign(source);
        return;
    }
    FColors = o->FColors;
    FAlphas = o->FAlphas;
    FStyleColors = o->FStyleColors;
    FKind = o->FKind;
    FThickness = o->FThickness;
}

TscGPButtonBadge::TscGPButtonBadge() : FFont(std::make_unique<TFont>())
{
    FFont->SetName(u"Tahoma");
    FFont->SetStyle({fsBold});
    FFont->SetColor(clWhite);
    FFont->SetHeight(-11);
    FFont->SetOnChange(MakeHandler<&TscGPButtonBadge::FontChanged>(this));
}

void TscGPButtonBadge::FontChanged(TObject*)
{
    if (FVisible && FOnChange)
        FOnChange(this);
}

void TscGPButtonBadge::SetVisible(bool value)
{
    if (FVisible == value)
        return;
    FVisible = value;
    if (FOnChange)
        FOnChange(this);
}

// ---------------------------------------------------------------------------------------------

TscGPGlyphButton::TscGPGlyphButton(TComponent* owner)
    : TscCustomButtonControl(owner), FBadge(std::make_unique<TscGPButtonBadge>()),
      FOptions(std::make_unique<TscGPButtonOptions>()), FGlyphOptions(std::make_unique<TscGPGlyphOptions>())
{
    const TNotifyEvent changed = MakeHandler<&TscGPGlyphButton::OptionsChanged>(this);
    FBadge->SetOnChange(changed);
    FOptions->FControl = this;
    FGlyphOptions->FControl = this;
    FOptions->FFrameWidth = 2;
    FOptions->FColors = {clBtnText, clBtnText, clBtnText, clBtnFace, clBtnText};
    FOptions->FColorAlphas = {10, 20, 30, 255, 5};
    FOptions->FFrameColors = {clBtnText, clBtnText, clBtnText, clHighlight, clBtnText};
    FOptions->FFrameAlphas = {70, 100, 150, 255, 30};
    FOptions->SetOnChange(changed);
    FGlyphOptions->SetOnChange(changed);
    SetBounds(Left(), Top(), 50, 50);
}

TscGPGlyphButton::~TscGPGlyphButton()
{
    if (HandleAllocated())
        KillTimer(FHandle, PressedLightTimer);
}

void TscGPGlyphButton::SetBadge(TscGPButtonBadge* value)
{
    FBadge->SetColor(value->Color());
    FBadge->SetColorAlpha(value->ColorAlpha());
    FBadge->SetFont(value->Font());
    FBadge->SetText(value->Text());
    FBadge->SetVisible(value->Visible());
}

void TscGPGlyphButton::SetTransparentBackground(bool value)
{
    if (FTransparentBackground == value)
        return;
    TscCustomButtonControl::SetTransparentBackground(value);
    RePaintControl();
}

void TscGPGlyphButton::SetColorValue(TColor value)
{
    if (FColorValue == value)
        return;
    FColorValue = value;
    const TscGPButtonGlyphKind kind = FGlyphOptions->Kind();
    if (kind == scgpbgkColorMarker || kind == scgpbgkFontColorMarker || kind == scgpbgkFillColorMarker)
        RePaintControl();
}

void TscGPGlyphButton::SetShowCaption(bool value)
{
    if (FShowCaption == value)
        return;
    FShowCaption = value;
    ResizeForCaption(value, FWidthWithCaption, FWidthWithoutCaption);
}

void TscGPGlyphButton::SetBounds(int left, int top, int width, int height)
{
    if (FOptions && FOptions->ShapeStyle() == scgpRounded)
        width = height;
    TscCustomButtonControl::SetBounds(left, top, width, height);
}

void TscGPGlyphButton::Loaded()
{
    TscCustomButtonControl::Loaded();
    if (FOptions->ShapeStyle() == scgpRounded && Width() != Height())
        SetBounds(Left(), Top(), Width(), Height());
}

TscsCtrlState TscGPGlyphButton::GetCtrlState() const
{
    if (FDown)
        return FMouseIn && FOptions->PressedHotColors() ? scsHot : scsPressed;
    if (!Enabled())
        return scsDisabled;
    if (FMenuDroppedDown)
        return scsHot;
    if ((FMouseIn && FPressed) || FIsDown)
        return scsPressed;
    if (FMouseIn)
        return scsHot;
    if (FActive && FDefault && FCanFocused)
        return scsHot;
    if (Focused() && FCanFocused)
        return scsFocused;
    return scsNormal;
}

void TscGPGlyphButton::ChangeScale(int m, int d, bool isDpiChange)
{
    TscGPButtonOptions& o = *FOptions;
    TscGPGlyphOptions& g = *FGlyphOptions;
    if (FScaleFrameWidth)
        o.FFrameWidth = MulDiv(o.FFrameWidth, m, d);
    if (g.ThicknessScaled())
        g.FThickness = Byte(MulDiv(g.FThickness, m, d));
    if (g.FSize != 0)
        g.FSize = MulDiv(g.FSize, m, d);
    o.FShapeStyleLineSize = MulDiv(o.FShapeStyleLineSize, m, d);
    o.FShapeCornerRadius = MulDiv(o.FShapeCornerRadius, m, d);
    o.FArrowSize = MulDiv(o.FArrowSize, m, d);
    o.FArrowAreaSize = MulDiv(o.FArrowAreaSize, m, d);
    if (o.ArrowThicknessScaled())
        o.FArrowThickness = Byte(MulDiv(o.FArrowThickness, m, d));
    FBadge->Font()->SetHeight(MulDiv(FBadge->Font()->Height(), m, d));
    if (FWidthWithCaption > 0)
        FWidthWithCaption = MulDiv(FWidthWithCaption, m, d);
    if (FWidthWithoutCaption > 0)
        FWidthWithoutCaption = MulDiv(FWidthWithoutCaption, m, d);
    TscCustomButtonControl::ChangeScale(m, d, isDpiChange);
}

void TscGPGlyphButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TscCustomButtonControl::MouseDown(button, shift, x, y);
    if (FFluentLightEffect && button == mbLeft && !FDropDownCall) {
        FFluentLightPressedEffectAmount = 0;
        FMouseY = y;
        FMouseLDown = true;
        RePaintControl();
        SetTimer(FHandle, PressedLightTimer, 20, nullptr);
    }
}

void TscGPGlyphButton::MouseMove(TShiftState shift, int x, int y)
{
    TscCustomButtonControl::MouseMove(shift, x, y);
    if (FFluentLightEffect && !(FMouseLDown && FFluentLightPressedEffectAmount > 10)) {
        FMouseX = x;
        FMouseY = y;
        RePaintControl();
    }
}

void TscGPGlyphButton::DoMouseLeave()
{
    TscCustomButtonControl::DoMouseLeave();
    if (FMouseLDown) {
        KillTimer(FHandle, PressedLightTimer);
        FMouseLDown = false;
        RePaintControl();
    }
}

void TscGPGlyphButton::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_TIMER:
        TscCustomButtonControl::WndProc(message);
        if (message.WParam == PressedLightTimer && FFluentLightEffect) {
            if (FFluentLightPressedEffectAmount > 10) {
                FMouseLDown = false;
                KillTimer(FHandle, PressedLightTimer);
                RePaintControl();
            } else {
                RePaintControl();
                ++FFluentLightPressedEffectAmount;
            }
        }
        return;
    case CM_FOCUSCHANGED:
        if (FCanFocused && FDefault && FActive != FDefault) {
            FActive = FDefault;
            RePaintControl();
        }
        break;
    case CM_DIALOGKEY:
        if (FCanFocused && ClickOnDialogKey(message, FActive, FCancel))
            return;
        break;
    default:
        break;
    }
    TscCustomButtonControl::WndProc(message);
}

TButtonLayout TscGPGlyphButton::EffectiveLayout() const
{
    if (BiDiMode() == bdRightToLeft && FLayout == blGlyphLeft)
        return blGlyphRight;
    if (BiDiMode() == bdRightToLeft && FLayout == blGlyphRight)
        return blGlyphLeft;
    return FLayout;
}

void TscGPGlyphButton::Draw(TCanvas* canvas, TscsCtrlState state)
{
    const int fw = FOptions->FrameWidth();
    const int sw = FOptions->ArrowAreaSize() != 0 ? FOptions->ArrowAreaSize() : 3 * FOptions->ArrowSize() - fw;
    FSplitWidth = sw;
    const int w = Max(fw / 2, 1);
    const int W = Width(), H = Height();
    const HDC dc = canvas->Handle();
    const bool bottom = FArrowPosition == scapBottom, rtl = IsBiDiRightToLeft();
    const TRect divider = bottom  ? ::Rect(fw, H - sw, W - fw, H - sw + w)
                          : rtl ? ::Rect(sw - w, fw, sw, H - fw)
                                : ::Rect(W - sw, fw, W - sw + w, H - fw);
    auto clipped = [&](const TRect& clip, TscsCtrlState s, bool dividerOnly, bool content) {
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, clip.Left, clip.Top, clip.Right, clip.Bottom);
        DrawButton(canvas, s, dividerOnly, content);
        RestoreDC(dc, saved);
    };
    if (FMenuDroppedDown && FSplitButton) {
        clipped(bottom ? ::Rect(0, 0, W, H - sw) : rtl ? ::Rect(sw, 0, W, H) : ::Rect(0, 0, W - sw, H), scsHot, false, true);
        clipped(bottom ? ::Rect(0, H - sw, W, H) : rtl ? ::Rect(0, 0, sw, H) : ::Rect(W - sw, 0, W, H), scsPressed, false,
                false);
        clipped(divider, state, true, false);
    } else if (SplitPainted() && state == scsHot) {
        DrawButton(canvas, state, false, true);
        clipped(divider, state, true, false);
    } else {
        DrawButton(canvas, state, false, true);
    }
    if (FBadge->Visible() && !FBadge->Text().empty())
        DrawBadge(canvas);
}

namespace {

// A rectangle outline whose corners are arcs of the given diameters (0: a square corner).
void AddCornerPath(TGPGraphicsPath& path, const TGPRectF& r, float tl, float tr, float br, float bl)
{
    path.StartFigure();
    const float right = r.X + r.Width, bottom = r.Y + r.Height;
    if (tl > 0)
        path.AddArc(r.X, r.Y, tl, tl, 180, 90);
    else
        path.AddLine(r.X, r.Y, r.X, r.Y);
    if (tr > 0)
        path.AddArc(right - tr, r.Y, tr, tr, 270, 90);
    else
        path.AddLine(right, r.Y, right, r.Y);
    if (br > 0)
        path.AddArc(right - br, bottom - br, br, br, 0, 90);
    else
        path.AddLine(right, bottom, right, bottom);
    if (bl > 0)
        path.AddArc(r.X, bottom - bl, bl, bl, 90, 90);
    else
        path.AddLine(r.X, bottom, r.X, bottom);
    path.CloseFigure();
}

// The rounded outline of the button shapes: the lower corners grow by one when the diameter is
// smaller than the height.
void AddButtonRoundRect(TGPGraphicsPath& path, const TGPRectF& r, float d)
{
    const float lower = d < r.Height ? d + 1 : d;
    AddCornerPath(path, r, d, d, lower, lower);
}

} // namespace

void TscGPGlyphButton::DrawButton(TCanvas* canvas, TscsCtrlState state, bool dividerOnly, bool drawContent)
{
    TscGPButtonOptions& o = *FOptions;
    const int W = Width(), H = Height();
    if (!FTransparentBackground) {
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(GetStyleSystemColor(clBtnFace, this));
        canvas->FillRect(::Rect(0, 0, W, H));
    }
    o.SetState(state);
    FGlyphOptions->SetState(state);
    TGPGraphics g(canvas->Handle());
    g.SetSmoothingMode(SmoothingModeHighQuality);
    g.SetPixelOffsetMode(PixelOffsetModeHalf);
    const float fw = float(o.FrameWidth());
    TColor frameColor = o.FrameColor();
    Byte frameAlpha = o.FrameColorAlpha();
    if (FMouseIn && FDown && o.PressedHotColors()) {
        frameColor = GetStyleSystemColor(o.FramePressedColor(), this);
        frameAlpha = o.FramePressedColorAlpha();
    }
    const bool frameVisible = frameColor != clNone;
    const bool translucent = frameVisible && frameAlpha < 255;
    const ARGB fill = dividerOnly ? ColorToGPColor(o.FontColor(), 50) : ColorToGPColor(o.Color(), o.ColorAlpha());
    const ARGB glyphColor = ColorToGPColor(FGlyphOptions->Color(), FGlyphOptions->ColorAlpha());
    const ARGB arrowColor = ColorToGPColor(o.ArrowColor(), o.ArrowColorAlpha());
    const TscGPButtonShapeStyle shape = o.ShapeStyle();
    const bool roundedLine = shape >= scgpLeftRoundedLine;
    const TGPRectF C(0, 0, float(W), float(H));
    TGPRectF F = C;
    InflateGPRect(F, -fw / 2, -fw / 2);
    TGPRectF B = C;
    if (frameVisible && !roundedLine) {
        if (!translucent) {
            B = F;
        } else {
            InflateGPRect(B, -fw, -fw);
        }
    }
    const ARGB frame = dividerOnly ? 0 : ColorToGPColor(frameColor, frameAlpha);
    std::unique_ptr<TGPBrush> brush;
    if (dividerOnly || o.ShapeFillStyle() == scgpsfColor) {
        brush = std::make_unique<TGPSolidBrush>(fill);
    } else {
        ARGB c1, c2;
        if (o.Color2() == clNone) {
            c1 = ColorToGPColor(LighterColor(o.Color(), o.ShapeFillGradientColorOffset()), o.ColorAlpha());
            c2 = ColorToGPColor(DarkerColor(o.Color(), o.ShapeFillGradientColorOffset()), o.ColorAlpha());
        } else {
            c1 = ColorToGPColor(o.Color(), o.ColorAlpha());
            c2 = ColorToGPColor(o.Color2(), o.Color2Alpha());
        }
        TGPRectF area = B;
        const float grow = shape == scgpTabTop || shape == scgpTabBottom ? fw : 1;
        InflateGPRect(area, grow, grow);
        const int angle = state == scsPressed ? o.ShapeFillGradientPressedAngle() : o.ShapeFillGradientAngle();
        brush = std::make_unique<TGPLinearGradientBrush>(area, c1, c2, float(angle), false);
    }
    TGPPen pen(frame, fw);
    TGPGraphicsPath fillPath, framePath;
    bool usePaths = true;
    const float cr = float(o.ShapeCornerRadius());
    const float dFill = translucent ? 2 * cr - fw : 2 * cr, dFrame = 2 * cr;
    const bool segmented = shape >= scgpSegmentedLeft && shape <= scgpSegmentedMiddle;
    const bool roundedEnds = shape == scgpSegmentedLeftRounded || shape == scgpSegmentedRightRounded ||
                             shape == scgpTabLeftRounded || shape == scgpTabRightRounded;
    switch (shape) {
    case scgpRoundedRect:
        AddButtonRoundRect(fillPath, B, Max(dFill, 1.0f));
        AddButtonRoundRect(framePath, F, dFrame);
        break;
    case scgpRoundedLeftRight:
        AddButtonRoundRect(fillPath, B, B.Height);
        AddButtonRoundRect(framePath, F, F.Height);
        break;
    case scgpSegmentedLeft:
    case scgpSegmentedLeftRounded:
    case scgpTabLeft:
    case scgpTabLeftRounded: {
        TGPRectF r(B.X, B.Y, segmented && translucent ? C.Width - 1.5f * fw : C.Width, B.Height);
        const float d = roundedEnds ? r.Height : dFill;
        AddCornerPath(fillPath, r, d, 0, 0, d);
        TGPRectF f = F;
        f.Width += segmented ? fw / 2 : fw;
        const float df = roundedEnds ? F.Height : dFrame;
        AddCornerPath(framePath, f, df, 0, 0, df);
        break;
    }
    case scgpSegmentedRight:
    case scgpSegmentedRightRounded:
    case scgpTabRight:
    case scgpTabRightRounded: {
        const float extra = translucent ? (segmented ? fw / 2 : fw) : 0;
        TGPRectF r(segmented && translucent ? fw / 2 : 0, B.Y, B.Width + extra, B.Height);
        const float d = roundedEnds ? r.Height : dFill;
        AddCornerPath(fillPath, r, 0, d, d, 0);
        TGPRectF f = F;
        const float shift = segmented ? fw / 2 : fw;
        f.X -= shift;
        f.Width += shift;
        const float df = roundedEnds ? F.Height : dFrame;
        AddCornerPath(framePath, f, 0, df, df, 0);
        break;
    }
    case scgpSegmentedMiddle: {
        const TGPRectF r = translucent ? TGPRectF(fw / 2, B.Y, C.Width - fw, B.Height) : TGPRectF(0, B.Y, C.Width, B.Height);
        fillPath.AddRectangle(r);
        framePath.AddRectangle(TGPRectF(F.X - fw / 2, F.Y, F.Width + fw, F.Height));
        break;
    }
    case scgpTabTop: {
        TGPRectF r = B;
        r.Height += translucent ? 2 * fw : fw;
        const float d = Max(dFill, 1.0f);
        AddCornerPath(fillPath, r, d, d, 0, 0);
        TGPRectF f = F;
        f.Height += fw;
        AddCornerPath(framePath, f, dFrame, dFrame, 0, 0);
        break;
    }
    case scgpTabBottom: {
        TGPRectF r = B;
        r.Y = -fw;
        r.Height += translucent ? 1.5f * fw : fw;
        const float d = Max(dFill, 1.0f);
        AddCornerPath(fillPath, r, 0, 0, d, d);
        TGPRectF f = F;
        f.Y = -fw;
        f.Height += fw;
        AddCornerPath(framePath, f, 0, 0, dFrame, dFrame);
        break;
    }
    case scgpEllipse:
    case scgpRounded:
        fillPath.AddEllipse(B);
        framePath.AddEllipse(F);
        break;
    case scgpLeftRoundedLine:
    case scgpTopRoundedLine:
    case scgpRightRoundedLine:
    case scgpBottomRoundedLine:
        AddButtonRoundRect(fillPath, C, 2 * cr);
        break;
    default:
        usePaths = false;
        break;
    }
    const bool lineShape = shape >= scgpLeftLine && shape <= scgpTopBottomLine;
    if (shape == scgpRect || lineShape)
        g.FillRectangle(*brush, shape == scgpRect ? B : C);
    else
        g.FillPath(*brush, fillPath);
    if (FFluentLightEffect && !FMenuTracking && !dividerOnly) {
        const GraphicsState saved = g.Save();
        if (usePaths && !roundedLine)
            g.SetClip(fillPath, CombineModeIntersect);
        if (FMouseLDown)
            GPDrawFluentPressedLight(g, B, FMouseX, FMouseY, FFluentLightPressedEffectAmount);
        if (FMouseIn)
            GPDrawFluentHoverLight(g, B, FMouseX);
        g.Restore(saved);
    }
    if (frame != 0) {
        const int ls = o.ShapeStyleLineSize();
        auto span = [&](float length) {
            return ls >= 1 ? std::pair<float, float>{float((int(length) - ls) / 2), float((int(length) - ls) / 2 + ls)}
                           : std::pair<float, float>{0, length};
        };
        const auto [y0, y1] = span(float(H));
        const auto [x0, x1] = span(float(W));
        const bool margins = shape >= scgpLeftLineMargins && shape <= scgpBottomLineMargins && ls < 1;
        const float my0 = margins ? fw : y0, my1 = margins ? float(H) - fw : y1;
        const float mx0 = margins ? fw : x0, mx1 = margins ? float(W) - fw : x1;
        const float fr = F.X + F.Width, fb = F.Y + F.Height;
        switch (shape) {
        case scgpRect: g.DrawRectangle(pen, F); break;
        case scgpLeftLine: case scgpLeftLineMargins: g.DrawLine(pen, F.X, my0, F.X, my1); break;
        case scgpRightLine: case scgpRightLineMargins: g.DrawLine(pen, fr, my0, fr, my1); break;
        case scgpTopLine: case scgpTopLineMargins: g.DrawLine(pen, mx0, F.Y, mx1, F.Y); break;
        case scgpBottomLine: case scgpBottomLineMargins: g.DrawLine(pen, mx0, fb, mx1, fb); break;
        case scgpLeftRightLine:
            g.DrawLine(pen, F.X, 0, F.X, float(H));
            g.DrawLine(pen, fr, 0, fr, float(H));
            break;
        case scgpTopBottomLine:
            g.DrawLine(pen, 0, F.Y, float(W), F.Y);
            g.DrawLine(pen, 0, fb, float(W), fb);
            break;
        case scgpLeftRoundedLine:
        case scgpRightRoundedLine: {
            const float x = shape == scgpLeftRoundedLine ? 0 : float(W) - fw;
            const float a = ls >= 1 ? y0 : cr, b = ls >= 1 ? y1 : float(H) - cr;
            GPFillRoundedLine(g, frame, fw, x, a, x, b);
            break;
        }
        case scgpTopRoundedLine:
        case scgpBottomRoundedLine: {
            const float y = shape == scgpTopRoundedLine ? 0 : fb - fw / 2;
            const float a = ls >= 1 ? x0 : cr, b = ls >= 1 ? x1 : float(W) - cr;
            GPFillRoundedLine(g, frame, fw, a, y, b, y);
            break;
        }
        default: g.DrawPath(pen, framePath); break;
        }
    }
    // The drop-down arrow and the room it takes from the content.
    TRect R = ::Rect(0, 0, W, H);
    if (FShowMenuArrow && !dividerOnly && HasDropDown()) {
        const int as = o.ArrowSize(), aa = o.ArrowAreaSize();
        int left = 0, top = 0;
        if (FArrowPosition == scapBottom) {
            left = W / 2 - as / 2;
            if (aa > 0) {
                R.Bottom -= aa;
                top = R.Bottom + aa / 2 - RoundInt(as / 1.4);
                if (shape == scgpRounded)
                    R.Bottom += aa / 2;
            } else {
                R.Bottom -= 2 * as;
                top = R.Bottom;
                if (shape == scgpRounded)
                    R.Bottom += 2 * as;
            }
        } else {
            top = H / 2 - as / 2 - 1;
            if (aa > 0) {
                if (IsBiDiRightToLeft()) {
                    left = R.Left + aa - (aa + as) / 2;
                    R.Left += aa;
                } else {
                    R.Right -= aa;
                    left = R.Right + (aa - as) / 2;
                }
            } else if (IsBiDiRightToLeft()) {
                R.Left += 2 * as;
                left = R.Left - as;
            } else {
                R.Right -= 2 * as;
                left = R.Right;
            }
            if (shape == scgpTabBottom)
                top -= int(fw);
        }
        if (o.ArrowType() == scgpatModern) {
            const bool right = FArrowDirection == scadRight;
            const TGPRectF square(float(left), float(top + (right ? 1 : -1)), float(as), float(as));
            (right ? GPDrawRightArrowGlyph : GPDrawDropDownArrowGlyph)(g, square, arrowColor, 1, o.ArrowThickness());
        } else {
            const float l = float(left), t = float(top), r = float(left + as), b = float(top + as);
            const float half = float(RoundInt(as / 2.0));
            TGPPointF points[3];
            if (FArrowDirection == scadRight) {
                points[0] = TGPPointF(l + half, t);
                points[1] = TGPPointF(r, t + half);
                points[2] = TGPPointF(l + half, b);
            } else {
                points[0] = TGPPointF(l, t + half);
                points[1] = TGPPointF(l + as / 2.0f, b);
                points[2] = TGPPointF(r, t + half);
            }
            TGPSolidBrush arrow(arrowColor);
            g.FillPolygon(arrow, points);
        }
    }
    if (!drawContent)
        return;
    // Content: the glyph square and the caption beside it.
    const TButtonLayout layout = EffectiveLayout();
    if (SplitPainted() && o.ArrowAreaSize() == 0) {
        if (FArrowPosition == scapBottom)
            R.Bottom -= o.ArrowSize();
        else if (IsBiDiRightToLeft())
            R.Left += o.ArrowSize();
        else
            R.Right -= o.ArrowSize();
    }
    TRect T = R;
    if (FShowCaption) {
        const int s = Min(R.Width(), R.Height());
        switch (layout) {
        case blGlyphLeft: R.Right = R.Left + s; break;
        case blGlyphRight: R.Left = R.Right - s; break;
        case blGlyphTop: R.Bottom = R.Top + s - s / 3; break;
        case blGlyphBottom: R.Top = R.Bottom - s + s / 3; break;
        }
    }
    const int m = Min(R.Width(), R.Height()) / 6;
    const int inset = m + o.FrameWidth();
    R = ::Rect(R.Left + inset, R.Top + inset, R.Right - inset, R.Bottom - inset);
    if (R.Width() < R.Height()) {
        R.Top = R.Top + R.Height() / 2 - R.Width() / 2;
        R.Bottom = R.Top + R.Width();
    } else {
        R.Left = R.Left + R.Width() / 2 - R.Height() / 2;
        R.Right = R.Left + R.Height();
    }
    if (FShowCaption) {
        switch (layout) {
        case blGlyphLeft: T.Left = R.Right - m / 2; break;
        case blGlyphRight: T.Right = R.Left + m / 2; break;
        case blGlyphTop: T.Top = R.Bottom - m / 2; break;
        case blGlyphBottom: T.Bottom = R.Top + m / 2; break;
        }
    }
    TGPRectF G = RectToGPRect(R);
    const int size = FGlyphOptions->Size();
    if (size > 0)
        G = TGPRectF(float(R.Left + (R.Width() - size) / 2), float(R.Top + (R.Height() - size) / 2), float(size),
                     float(size));
    const bool noMargin = size > 0 || layout == blGlyphTop || (layout == blGlyphBottom && FShowCaption);
    const float margin = noMargin ? 0 : float(H) / 20;
    const double scale = FGlyphOptions->ThicknessScaled() ? 1.0 : ScaleFactor();
    const TscGPButtonGlyphKind kind = FGlyphOptions->Kind();
    if (IsInsetGlyphKind(kind))
        InflateGPRect(G, -margin, -margin);
    GPDrawGlyph(kind, g, G, glyphColor, FColorValue, scale, FGlyphOptions->Thickness());
    if (!FShowCaption)
        return;
    if (FTextMargin >= 0) {
        if (layout == blGlyphLeft)
            T.Left = H;
        else if (layout == blGlyphRight)
            T.Right = W - H;
    }
    canvas->Brush()->SetStyle(bsClear);
    canvas->SetFont(Font());
    canvas->Font()->SetColor(o.FontColor());
    const bool enabled = state != scsDisabled;
    if (FDrawTextMode == scdtmGDIPlus) {
        GPDrawImageAndText(&g, canvas, T, FTextMargin, 0, layout, Caption(), -1, nullptr, enabled, false,
                           IsBiDiRightToLeft(), false, ScaleFactor(), FWordWrap, false, FCaptionCenterAlignment);
    } else {
        g.Flush();
        if (layout == blGlyphTop || layout == blGlyphBottom || FCaptionCenterAlignment)
            DrawImageAndText(canvas, T, FTextMargin, FWordWrap, ScaleFactor(), false, IsBiDiRightToLeft(), false,
                             clNone, false, enabled, nullptr, -1, Caption(), static_cast<int>(layout), 0);
        else
            DrawImageAndTextEllipsis(canvas, T, FTextMargin, false, FWordWrap, ScaleFactor(), false,
                                     IsBiDiRightToLeft(), false, clNone, false, enabled, nullptr, -1, Caption(),
                                     static_cast<int>(layout), 0);
    }
}

void TscGPGlyphButton::DrawBadge(TCanvas* canvas)
{
    canvas->SetFont(FBadge->Font());
    TColor bubble = FBadge->Color();
    if (FOptions->StyleColors()) {
        bubble = GetStyleSystemColor(bubble, this);
        canvas->Font()->SetColor(GetStyleSystemColor(FBadge->Font()->Color(), this));
    }
    const String& text = FBadge->Text();
    int w = canvas->TextWidth(text), h = canvas->TextHeight(u"Qq");
    w += h / 2;
    h += h / 2;
    w = Max(w, h);
    const TRect r = IsBiDiRightToLeft() ? ::Rect(0, 0, w, h) : ::Rect(Width() - w, 0, Width(), h);
    FBadge->ControlRect = r;
    TGPGraphics g(canvas->Handle());
    g.SetSmoothingMode(SmoothingModeHighQuality);
    g.SetPixelOffsetMode(PixelOffsetModeHalf);
    TGPGraphicsPath path;
    const float d = float(h), x = float(r.Left), y = float(r.Top), right = float(r.Right);
    path.AddArc(x, y, d, d, 90, 90);
    path.AddArc(x, y, d, d, 180, 90);
    path.AddArc(right - d, y, d, d, 270, 90);
    path.AddArc(right - d, y, d, d, 0, 90);
    path.CloseFigure();
    TGPSolidBrush brush(ColorToGPColor(bubble, FBadge->ColorAlpha()));
    g.FillPath(brush, path);
    if (FDrawTextMode == scdtmGDIPlus) {
        TRect textRect = r;
        GPDrawText(&g, nullptr, canvas, textRect, text, DT_CENTER | DT_VCENTER, 255);
    } else {
        g.Flush();
        canvas->Brush()->SetStyle(bsClear);
        const TSize extent = canvas->TextExtent(text);
        canvas->TextOut(r.Left + (r.Width() - extent.cx) / 2, r.Top + (r.Height() - extent.cy) / 2, text);
    }
}
