#pragma once
// The kit's GDI+-painted controls: GDI+ text drawing, the per-state button options, and the glyph
// button with its shape, glyph, caption, drop-down arrow, light effect and badge.
#include <array>

#include "scControls.h"
#include "scGPUtils.h"

TAVIN_ENUM(TscGPButtonShapeStyle, scgpRect, scgpRoundedRect, scgpRoundedLeftRight, scgpSegmentedLeft,
           scgpSegmentedLeftRounded, scgpSegmentedRight, scgpSegmentedRightRounded, scgpSegmentedMiddle,
           scgpTabLeft, scgpTabLeftRounded, scgpTabRight, scgpTabRightRounded, scgpTabTop, scgpTabBottom,
           scgpEllipse, scgpRounded, scgpLeftLine, scgpRightLine, scgpTopLine, scgpBottomLine,
           scgpLeftLineMargins, scgpRightLineMargins, scgpTopLineMargins, scgpBottomLineMargins,
           scgpLeftRightLine, scgpTopBottomLine, scgpLeftRoundedLine, scgpTopRoundedLine, scgpRightRoundedLine,
           scgpBottomRoundedLine)
TAVIN_ENUM(TscGPArrowType, scgpatDefault, scgpatModern)

// Draws (or with DT_CALCRECT measures into rect) text with GDI+ in the canvas font and colour;
// alpha 0 or less is opaque. graphics and font may be null.
void GPDrawText(fwgdip::TGPGraphics* graphics, fwgdip::TGPFont* font, TCanvas* canvas, TRect& rect,
                const String& text, UINT flags, int alpha);
void GPDrawImageAndText(fwgdip::TGPGraphics* graphics, TCanvas* canvas, const TRect& rect, int margin, int spacing,
                        scControls::TButtonLayout layout, const String& caption, int imageIndex, TCustomImageList* images,
                        bool enabled, bool drawFocus, bool rightToLeftReading, bool noPrefix, double scaleFactor,
                        bool wordWrap, bool endEllipsis, bool centerAlignment);

// Five values in the state order normal, hot, pressed, focused, disabled.
template <class T>
using TscStateValues = std::array<T, 5>;

// A published per-state property: Normal<Name>() ... Disabled<Name>() over one array.
#define TSC_STATE_PROPERTIES(Type, Prefix, Suffix, Array)                                     \
    Type Prefix##Normal##Suffix() const { return Array[scsNormal]; }                        \
    void Set##Prefix##Normal##Suffix(Type v) { SetValue(Array[scsNormal], v); }                \
    Type Prefix##Hot##Suffix() const { return Array[scsHot]; }                              \
    void Set##Prefix##Hot##Suffix(Type v) { SetValue(Array[scsHot], v); }                      \
    Type Prefix##Pressed##Suffix() const { return Array[scsPressed]; }                      \
    void Set##Prefix##Pressed##Suffix(Type v) { SetValue(Array[scsPressed], v); }              \
    Type Prefix##Focused##Suffix() const { return Array[scsFocused]; }                      \
    void Set##Prefix##Focused##Suffix(Type v) { SetValue(Array[scsFocused], v); }              \
    Type Prefix##Disabled##Suffix() const { return Array[scsDisabled]; }                    \
    void Set##Prefix##Disabled##Suffix(Type v) { SetValue(Array[scsDisabled], v); }

// Base of the option objects: a changed value is stored and announced through OnChange.
class TscGPOptionsBase : public TPersistent {
    TAVIN_CLASS(TscGPOptionsBase, TPersistent)
public:
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent value) { FOnChange = value; }
    TscsCtrlState State() const { return FState; }
    void SetState(TscsCtrlState value) { FState = value; }
    bool StyleColors() const { return FStyleColors; }
    void SetStyleColors(bool value) { SetValue(FStyleColors, value); }
    // The owning control, for the style mapping.
    TControl* FControl = nullptr;

protected:
    void Changed()
    {
        if (FOnChange)
            FOnChange(this);
    }
    template <class T>
    void SetValue(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        Changed();
    }
    // The value of the current state; a state outside the five answers the normal one.
    template <class T>
    T OfState(const TscStateValues<T>& values) const
    {
        return FState >= scsNormal && FState <= scsDisabled ? values[FState] : values[scsNormal];
    }
    TColor Mapped(TColor color) const { return FStyleColors ? GetStyleSystemColor(color, FControl) : color; }

    TscsCtrlState FState = scsNormal;
    bool FStyleColors = true;

private:
    TNotifyEvent FOnChange;
};

class TscGPButtonOptions : public TscGPOptionsBase {
    TAVIN_PUBLISHED_CLASS(TscGPButtonOptions, TscGPOptionsBase)
public:
    TscGPButtonOptions() = default;
    void Assign(const TPersistent* source) override;

    TSC_STATE_PROPERTIES(TColor, , Color, FColors)
    TSC_STATE_PROPERTIES(TColor, , Color2, FColors2)
    TSC_STATE_PROPERTIES(Byte, , ColorAlpha, FColorAlphas)
    TSC_STATE_PROPERTIES(Byte, , Color2Alpha, FColor2Alphas)
    TSC_STATE_PROPERTIES(TColor, Frame, Color, FFrameColors)
    TSC_STATE_PROPERTIES(Byte, Frame, ColorAlpha, FFrameAlphas)
    TSC_STATE_PROPERTIES(TColor, Font, Color, FFontColors)
    TSC_STATE_PROPERTIES(TColor, Arrow, Color, FArrowColors)
    TSC_STATE_PROPERTIES(Byte, Arrow, ColorAlpha, FArrowAlphas)

    int FrameWidth() const { return FFrameWidth; }
    void SetFrameWidth(int value)
    {
        if (value > 0)
            SetValue(FFrameWidth, value);
    }
    TscGPShapeFillStyle ShapeFillStyle() const { return FShapeFillStyle; }
    void SetShapeFillStyle(TscGPShapeFillStyle value) { SetValue(FShapeFillStyle, value); }
    int ShapeFillGradientAngle() const { return FShapeFillGradientAngle; }
    void SetShapeFillGradientAngle(int value) { SetGradientValue(FShapeFillGradientAngle, value); }
    int ShapeFillGradientPressedAngle() const { return FShapeFillGradientPressedAngle; }
    void SetShapeFillGradientPressedAngle(int value) { SetGradientValue(FShapeFillGradientPressedAngle, value); }
    Byte ShapeFillGradientColorOffset() const { return FShapeFillGradientColorOffset; }
    void SetShapeFillGradientColorOffset(Byte value);
    int ShapeCornerRadius() const { return FShapeCornerRadius; }
    void SetShapeCornerRadius(int value)
    {
        if (value > 0)
            SetValue(FShapeCornerRadius, value);
    }
    TscGPButtonShapeStyle ShapeStyle() const { return FShapeStyle; }
    void SetShapeStyle(TscGPButtonShapeStyle value) { SetValue(FShapeStyle, value); }
    int ShapeStyleLineSize() const { return FShapeStyleLineSize; }
    void SetShapeStyleLineSize(int value)
    {
        if (value >= 0)
            SetValue(FShapeStyleLineSize, value);
    }
    int ArrowSize() const { return FArrowSize; }
    void SetArrowSize(int value)
    {
        if (value > 6)
            SetValue(FArrowSize, value);
    }
    int ArrowAreaSize() const { return FArrowAreaSize; }
    void SetArrowAreaSize(int value)
    {
        if (value >= 0)
            SetValue(FArrowAreaSize, value);
    }
    TscGPArrowType ArrowType() const { return FArrowType; }
    void SetArrowType(TscGPArrowType value) { SetValue(FArrowType, value); }
    Byte ArrowThickness() const { return FArrowThickness; }
    void SetArrowThickness(Byte value);
    bool ArrowThicknessScaled() const { return FArrowThicknessScaled; }
    void SetArrowThicknessScaled(bool value) { FArrowThicknessScaled = value; }
    bool PressedHotColors() const { return FPressedHotColors; }
    void SetPressedHotColors(bool value) { FPressedHotColors = value; }

    // The values of State.
    TColor Color() const { return Mapped(OfState(FColors)); }
    TColor Color2() const { return Mapped(OfState(FColors2)); }
    TColor FrameColor() const { return Mapped(OfState(FFrameColors)); }
    TColor FontColor() const { return Mapped(OfState(FFontColors)); }
    TColor ArrowColor() const { return Mapped(OfState(FArrowColors)); }
    Byte ColorAlpha() const { return OfState(FColorAlphas); }
    Byte Color2Alpha() const { return OfState(FColor2Alphas); }
    Byte FrameColorAlpha() const { return OfState(FFrameAlphas); }
    Byte ArrowColorAlpha() const { return OfState(FArrowAlphas); }

    // Direct writes of the scaled sizes (no notification).
    int FFrameWidth = 1;
    int FShapeCornerRadius = 10;
    int FShapeStyleLineSize = 0;
    int FArrowSize = 9;
    int FArrowAreaSize = 0;
    Byte FArrowThickness = 2;

private:
    friend class TscGPGlyphButton;
    bool IsShapeFillStyleStored() const { return FShapeFillStyle != scgpsfColor; }
    void SetGradientValue(int& field, int value);

    TscStateValues<TColor> FColors{clBtnFace, clBtnFace, clBtnShadow, clBtnFace, clBtnFace};
    TscStateValues<TColor> FColors2{clNone, clNone, clNone, clNone, clNone};
    TscStateValues<Byte> FColorAlphas{255, 255, 255, 255, 255};
    TscStateValues<Byte> FColor2Alphas{255, 255, 255, 255, 255};
    TscStateValues<TColor> FFrameColors{clBtnShadow, clHighlight, clHighlight, clHighlight, clBtnShadow};
    TscStateValues<Byte> FFrameAlphas{255, 255, 255, 255, 255};
    TscStateValues<TColor> FFontColors{clBtnText, clBtnText, clBtnText, clBtnText, clBtnShadow};
    TscStateValues<TColor> FArrowColors{clBtnText, clBtnText, clBtnText, clBtnText, clBtnText};
    TscStateValues<Byte> FArrowAlphas{200, 255, 255, 200, 125};
    TscGPShapeFillStyle FShapeFillStyle = scgpsfColor;
    int FShapeFillGradientAngle = 90;
    int FShapeFillGradientPressedAngle = -90;
    Byte FShapeFillGradientColorOffset = 25;
    TscGPButtonShapeStyle FShapeStyle = scgpRect;
    TscGPArrowType FArrowType = scgpatDefault;
    bool FArrowThicknessScaled = false;
    bool FPressedHotColors = false;
};

class TscGPGlyphOptions : public TscGPOptionsBase {
    TAVIN_PUBLISHED_CLASS(TscGPGlyphOptions, TscGPOptionsBase)
public:
    TscGPGlyphOptions() = default;
    void Assign(const TPersistent* source) override;

    TSC_STATE_PROPERTIES(TColor, , Color, FColors)
    TSC_STATE_PROPERTIES(Byte, , ColorAlpha, FAlphas)

    TscGPButtonGlyphKind Kind() const { return FKind; }
    void SetKind(TscGPButtonGlyphKind value) { SetValue(FKind, value); }
    Byte Thickness() const { return FThickness; }
    void SetThickness(Byte value)
    {
        if (value != 0)
            SetValue(FThickness, value);
    }
    bool ThicknessScaled() const { return FThicknessScaled; }
    void SetThicknessScaled(bool value) { FThicknessScaled = value; }
    int Size() const { return FSize; }
    void SetSize(int value)
    {
        if (value >= 0)
            SetValue(FSize, value);
    }

    TColor Color() const { return Mapped(OfState(FColors)); }
    Byte ColorAlpha() const { return OfState(FAlphas); }

    // Direct writes of the scaled sizes (no notification).
    Byte FThickness = 2;
    int FSize = 0;

private:
    TscStateValues<TColor> FColors{clBtnText, clBtnText, clBtnText, clBtnText, clBtnText};
    TscStateValues<Byte> FAlphas{200, 255, 255, 255, 100};
    TscGPButtonGlyphKind FKind = scgpbgkPriorArrow;
    bool FThicknessScaled = false;
};

class TscGPButtonBadge : public TPersistent {
    TAVIN_PUBLISHED_CLASS(TscGPButtonBadge, TPersistent)
public:
    TscGPButtonBadge();

    TColor Color() const { return FColor; }
    void SetColor(TColor value) { SetVisibleValue(FColor, value); }
    Byte ColorAlpha() const { return FColorAlpha; }
    void SetColorAlpha(Byte value) { SetVisibleValue(FColorAlpha, value); }
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* value) { FFont->Assign(value); }
    const String& Text() const { return FText; }
    void SetText(const String& value) { SetVisibleValue(FText, value); }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent value) { FOnChange = value; }

    // The rectangle of the badge drawn last.
    TRect ControlRect;

private:
    void FontChanged(TObject*);
    template <class T>
    void SetVisibleValue(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        if (FVisible && FOnChange)
            FOnChange(this);
    }

    TColor FColor = clRed;
    Byte FColorAlpha = 255;
    std::unique_ptr<TFont> FFont;
    String FText;
    bool FVisible = false;
    TNotifyEvent FOnChange;
};

// Window timer of the pressed light effect.
constexpr UINT_PTR PressedLightTimer = 51;

class TscGPGlyphButton : public TscCustomButtonControl {
    TAVIN_PUBLISHED_CLASS(TscGPGlyphButton, TscCustomButtonControl)
public:
    explicit TscGPGlyphButton(TComponent* owner);
    ~TscGPGlyphButton() override;

    void WndProc(TMessage& message) override;
    void SetBounds(int left, int top, int width, int height) override;

    TscGPButtonOptions* Options() const { return FOptions.get(); }
    void SetOptions(TscGPButtonOptions* value) { FOptions->Assign(value); }
    TscGPGlyphOptions* GlyphOptions() const { return FGlyphOptions.get(); }
    void SetGlyphOptions(TscGPGlyphOptions* value) { FGlyphOptions->Assign(value); }
    TscGPButtonBadge* Badge() const { return FBadge.get(); }
    void SetBadge(TscGPButtonBadge* value);
    bool ScaleFrameWidth() const { return FScaleFrameWidth; }
    void SetScaleFrameWidth(bool value) { FScaleFrameWidth = value; }
    int WidthWithCaption() const { return FWidthWithCaption; }
    void SetWidthWithCaption(int value) { FWidthWithCaption = value; }
    int WidthWithoutCaption() const { return FWidthWithoutCaption; }
    void SetWidthWithoutCaption(int value) { FWidthWithoutCaption = value; }
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool value);
    bool Default() const { return FDefault; }
    void SetDefault(bool value) { FDefault = value; }
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int value) { FModalResult = value; }
    bool ModalSetting() const { return FModalSetting; }
    void SetModalSetting(bool value) { FModalSetting = value; }
    TColor ColorValue() const { return FColorValue; }
    void SetColorValue(TColor value);
    int TextMargin() const { return FTextMargin; }
    void SetTextMargin(int value) { SetAndRepaint(FTextMargin, value); }
    bool FluentLightEffect() const { return FFluentLightEffect; }
    void SetFluentLightEffect(bool value) { FFluentLightEffect = value; }
    // Published here under the base's names.
    void SetTransparentBackground(bool value) override;

    TscsCtrlState GetCtrlState() const override;
    void Draw(TCanvas* canvas, TscsCtrlState state) override;
    void DoMouseLeave() override;
    bool CanAnimateFocused() const override { return FCanFocused; }
    void UpdateGroup() override { ReleaseGroup<TscGPGlyphButton>(); }
    void DoAcceleratorClick() override { ButtonClick(); }
    void ButtonClick() override { ClickWithModalResult(FModalSetting, FModalResult); }

protected:
    void Loaded() override;
    void ChangeScale(int m, int d, bool isDpiChange) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    // The face in one pass: body, light, frame and arrow, then (with drawContent) glyph and caption.
    void DrawButton(TCanvas* canvas, TscsCtrlState state, bool dividerOnly, bool drawContent);
    void DrawBadge(TCanvas* canvas);

private:
    void OptionsChanged(TObject*) { RePaintControl(); }
    // A split button whose arrow part opens a popup menu or a custom drop-down.
    bool SplitPainted() const { return FSplitButton && (FDropDownMenu || FCustomDropDown); }
    scControls::TButtonLayout EffectiveLayout() const;

    std::unique_ptr<TscGPButtonBadge> FBadge;
    std::unique_ptr<TscGPButtonOptions> FOptions;
    std::unique_ptr<TscGPGlyphOptions> FGlyphOptions;
    bool FScaleFrameWidth = true;
    int FWidthWithCaption = 0;
    int FWidthWithoutCaption = 0;
    bool FShowCaption = false;
    bool FActive = false;
    bool FDefault = false;
    bool FCancel = false;
    int FModalResult = 0;
    bool FModalSetting = false;
    TColor FColorValue = clRed;
    int FTextMargin = -1;
    int FMouseX = 0;
    int FMouseY = 0;
    bool FMouseLDown = false;
    bool FFluentLightEffect = false;
    Byte FFluentLightPressedEffectAmount = 0;
};

TAVIN_ENUM(TscGPPanelBGStyle, gppbsColor, gppbsFormBackground)
TAVIN_ENUM(TscGPPanelFrameSide, gppfsLeft, gppfsTop, gppfsRight, gppfsBottom)
using TscGPPanelFrameSides = TSet<TscGPPanelFrameSide>;

// A container painted with GDI+: a solid or gradient fill with alpha, optionally rounded, a frame on
// chosen sides, wallpaper, custom image and caption, content margins, form dragging and resize grips.
class TscGPPanel : public TscCustomControl {
    TAVIN_PUBLISHED_CLASS(TscGPPanel, TscCustomControl)
public:
    explicit TscGPPanel(TComponent* owner);
    ~TscGPPanel() override;

    void WndProc(TMessage& message) override;

    TscGPPanelBGStyle BackgroundStyle() const { return FBackgroundStyle; }
    void SetBackgroundStyle(TscGPPanelBGStyle value);
    TscGPPanelFrameSides FrameSides() const { return FFrameSides; }
    void SetFrameSides(TscGPPanelFrameSides value) { SetAndRealign(FFrameSides, value); }
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool value) { SetAndRepaint(FShowCaption, value); }
    TscGlowEffect* CaptionGlowEffect() const { return FCaptionGlowEffect.get(); }
    void SetCaptionGlowEffect(TscGlowEffect* value) { FCaptionGlowEffect->Assign(value); }
    bool ScaleFrameWidth() const { return FScaleFrameWidth; }
    void SetScaleFrameWidth(bool value) { FScaleFrameWidth = value; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value) { SetAndRepaint(FAlignment, value); }
    bool Sizeable() const { return FSizeable; }
    void SetSizeable(bool value);
    Byte FrameColorAlpha() const { return FFrameColorAlpha; }
    void SetFrameColorAlpha(Byte value) { SetAndRepaint(FFrameColorAlpha, value); }
    Byte FillColorAlpha() const { return FFillColorAlpha; }
    void SetFillColorAlpha(Byte value) { SetAndUpdate(FFillColorAlpha, value); }
    int FrameWidth() const { return FFrameWidth; }
    void SetFrameWidth(int value);
    TColor FillColor() const { return FFillColor; }
    void SetFillColor(TColor value) { SetAndUpdate(FFillColor, value); }
    TColor FillColor2() const { return FFillColor2; }
    void SetFillColor2(TColor value) { SetAndUpdate(FFillColor2, value); }
    TColor FrameColor() const { return FFrameColor; }
    void SetFrameColor(TColor value) { SetAndRepaint(FFrameColor, value); }
    int FrameRadius() const { return FFrameRadius; }
    void SetFrameRadius(int value);
    TscGPShapeFillStyle FillStyle() const { return FFillStyle; }
    void SetFillStyle(TscGPShapeFillStyle value) { SetAndUpdate(FFillStyle, value); }
    int FillGradientAngle() const { return FFillGradientAngle; }
    void SetFillGradientAngle(int value);
    Byte FillGradientBeginAlpha() const { return FFillGradientBeginAlpha; }
    void SetFillGradientBeginAlpha(Byte value) { SetGradientValue(FFillGradientBeginAlpha, value); }
    Byte FillGradientEndAlpha() const { return FFillGradientEndAlpha; }
    void SetFillGradientEndAlpha(Byte value) { SetGradientValue(FFillGradientEndAlpha, value); }
    Byte FillGradientBeginColorOffset() const { return FFillGradientBeginColorOffset; }
    void SetFillGradientBeginColorOffset(Byte value);
    Byte FillGradientEndColorOffset() const { return FFillGradientEndColorOffset; }
    void SetFillGradientEndColorOffset(Byte value);
    bool DragForm() const { return FDragForm; }
    void SetDragForm(bool value) { FDragForm = value; }
    bool DragTopForm() const { return FDragTopForm; }
    void SetDragTopForm(bool value) { FDragTopForm = value; }
    TscCustomImageCollection* Wallpapers() const { return FWallpapers; }
    void SetWallpapers(TscCustomImageCollection* value);
    int WallpaperIndex() const { return FWallpaperIndex; }
    void SetWallpaperIndex(int value) { SetAndUpdate(FWallpaperIndex, value); }
    TscCustomImageCollection* CustomImages() const { return FCustomImages; }
    void SetCustomImages(TscCustomImageCollection* value);
    int CustomImageIndex() const { return FCustomImageIndex; }
    void SetCustomImageIndex(int value) { SetAndUpdate(FCustomImageIndex, value); }
    int ContentMarginLeft() const { return FContentMarginLeft; }
    void SetContentMarginLeft(int value) { SetAndRealign(FContentMarginLeft, value); }
    int ContentMarginRight() const { return FContentMarginRight; }
    void SetContentMarginRight(int value) { SetAndRealign(FContentMarginRight, value); }
    int ContentMarginTop() const { return FContentMarginTop; }
    void SetContentMarginTop(int value) { SetAndRealign(FContentMarginTop, value); }
    int ContentMarginBottom() const { return FContentMarginBottom; }
    void SetContentMarginBottom(int value) { SetAndRealign(FContentMarginBottom, value); }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value) { SetAndRepaint(FWordWrap, value); }
    void SetTransparentBackground(bool value) override;

    // The area of the child controls within rect (the client rectangle).
    virtual void AdjustClientRect(TRect& rect) const;
    void DrawCapturedBackground(TCanvas* canvas) override;
    void Draw(TCanvas* canvas, TscsCtrlState state) override;
    virtual String GetCaptionText() const { return Caption(); }
    virtual TColor GetCaptionColor() const;
    // The grip under the point: 0, or the hit-test code of a resize edge or corner.
    int GripAt(int x, int y) const;

protected:
    void Notification(TComponent* component, TOperation operation) override;
    void CreateParams(TCreateParams& params) override;
    void ChangeScale(int m, int d, bool isDpiChange) override;
    void AlignControls(TControl* control, TRect& rect) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    template <class T>
    void SetAndRepaint(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        RePaintControl();
    }
    template <class T>
    void SetAndUpdate(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        RePaintControl();
        UpdateControls();
    }
    template <class T>
    void SetAndRealign(T& field, T value)
    {
        if (field == value || value < T{})
            return;
        field = value;
        RePaintControl();
        Realign();
    }
    void SetAndRealign(TscGPPanelFrameSides& field, TscGPPanelFrameSides value)
    {
        if (field == value)
            return;
        field = value;
        RePaintControl();
        Realign();
    }
    void SetGradientValue(Byte& field, Byte value);
    void GlowChanged(TObject*);
    void ResizeBy(int x, int y);
    void UpdateGrip(int x, int y);

    TscGPPanelBGStyle FBackgroundStyle = gppbsColor;
    TscGPPanelFrameSides FFrameSides{gppfsLeft, gppfsTop, gppfsRight, gppfsBottom};
    bool FShowCaption = false;
    std::unique_ptr<TscGlowEffect> FCaptionGlowEffect;
    bool FScaleFrameWidth = true;
    TAlignment FAlignment = taCenter;
    TscGlowCache FGlow;
    bool FSizeable = false;
    bool FResizing = false;
    Byte FFrameColorAlpha = 255;
    Byte FFillColorAlpha = 150;
    int FFrameWidth = 2;
    TColor FFillColor = clBtnFace;
    TColor FFillColor2 = clNone;
    TColor FFrameColor = clBtnShadow;
    int FFrameRadius = 0;
    TscGPShapeFillStyle FFillStyle = scgpsfColor;
    int FFillGradientAngle = 90;
    Byte FFillGradientBeginAlpha = 255;
    Byte FFillGradientEndAlpha = 255;
    Byte FFillGradientBeginColorOffset = 25;
    Byte FFillGradientEndColorOffset = 25;
    bool FDragForm = false;
    bool FDragTopForm = true;
    TscFormDrag FDrag;
    TPoint FDownP;
    int FHitTest = 0;
    TCursor FSaveCursor = crDefault;
    TscCustomImageCollection* FWallpapers = nullptr;
    TscCustomImageCollection* FCustomImages = nullptr;
    int FWallpaperIndex = -1;
    int FCustomImageIndex = -1;
    int FContentMarginLeft = 0;
    int FContentMarginRight = 0;
    int FContentMarginTop = 0;
    int FContentMarginBottom = 0;
    bool FWordWrap = false;
};

// Registers the kit's GDI+ control classes for form resources.
void scGPControlsInitialize();
inline constexpr TUnitStep scGPControlsUnit{"scGPControls", &scGPControlsInitialize, nullptr};
