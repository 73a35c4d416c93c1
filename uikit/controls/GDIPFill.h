#pragma once
// The kit's description of how a rectangular area is painted with GDI+: start and end colours with
// their opacities and a gradient kind, an optional mirror gradient for the lower half, hatches,
// a border, corners rounded per side, a drop shadow, a glow, a background and a foreground picture
// and a dotted focus outline. It paints itself into a GDI+ graphics, keeps itself in an INI
// section and travels on the clipboard under the format "GDI+ Fill".
#include <memory>

#include "Classes.h"
#include "GDIPFillFormat.h"
#include "RurGDIPPicture.h"

class TCustomIniFile;

TAVIN_ENUM(TFillRoundingType, rtNone, rtTop, rtBottom, rtBoth, rtLeft, rtRight)
TAVIN_ENUM(TShadowType, stRightBottom, stBottom, stSurround)
TAVIN_ENUM(TGlowMode, gmNone, gmGradient, gmRadial, gmRadialGradient)
TAVIN_ENUM(TFillPicturePosition, ppTopLeft, ppTopCenter, ppTopRight, ppBottomLeft, ppBottomCenter, ppBottomRight,
           ppTiled, ppStretched, ppCenterLeft, ppCenterCenter, ppCenterRight, ppCustom)
TAVIN_ENUM(TFillPictureSize, psOriginal, psCustom)
TAVIN_ENUM(TFillPictureMode, pmInsideFill, pmOutsideFill)
TAVIN_ENUM(TPictureMode, pmStretch, pmNormal)

// A new path of one closed figure, clockwise from the top-left, whose corners named by the rounding
// type are quarter arcs of radius ARadius; a radius of 0 gives the plain rectangle outline.
std::unique_ptr<RurGDIP::TGPGraphicsPath> CreateRoundRectPath(const TGPRectF& ARect, int ARadius,
                                                               TFillRoundingType ARoundingType);
// The size of a w x h picture fitted into a W x H area; 0 x 0 when any of them is not above 0.
// With pmNormal a picture smaller than the area both ways keeps its size.
TSize FitPictureSize(int w, int h, int W, int H, TPictureMode AMode);

class TGDIPFill : public TPersistent {
    TAVIN_PUBLISHED_CLASS(TGDIPFill, TPersistent)
public:
    TGDIPFill();
    ~TGDIPFill() override;

    // From another fill every published setting (not the focus); then one change notification.
    void Assign(const TPersistent* Source) override;
    void BeginUpdate() { ++FUpdateCount; }
    // Notifies nothing: the owner repaints on its own.
    void EndUpdate();

    // Paints the fill into the rectangle and answers the content rectangle (the rectangle less
    // the shadow). An opacity override of 255 lets the property apply.
    TGPRectF Fill(RurGDIP::TGPGraphics* AGraphics, TGPRectF ARect, Byte ABorderOpacity = 255,
                           Byte AOpacity = 255, Byte AOpacityTo = 255, Byte AOpacityMirror = 255,
                           Byte AOpacityMirrorTo = 255);
    // The gradient of the main part, or of the mirror (lower) part.
    void DrawGradientBackGround(RurGDIP::TGPGraphics& AGraphics, const TGPRectF& ARect, Byte AOpacity,
                                Byte AOpacityTo, Byte AOpacityMirror, Byte AOpacityMirrorTo, bool AMirror);
    void DrawGlow(RurGDIP::TGPGraphics& AGraphics, const TGPRectF& ARect);

    // The settings as keys of an INI section; pictures as hexadecimal text.
    void SaveToFile(TCustomIniFile& AIni, const String& ASection);
    // Missing keys keep the current values. Raises EConvertError "No Hex-Number" for a picture text
    // that is not hexadecimal (the settings read before stay).
    void LoadFromFile(TCustomIniFile& AIni, const String& ASection);
    void SaveToFile(const String& AFileName, const String& ASection);
    void LoadFromFile(const String& AFileName, const String& ASection);
    void SaveToClipBoard();
    // Nothing when the clipboard holds no fill.
    void LoadFromClipBoard();

    TColor Color() const { return FColor; }
    void SetColor(TColor value) { Store(FColor, value); }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor value) { Store(FColorTo, value); }
    TColor ColorMirror() const { return FColorMirror; }
    void SetColorMirror(TColor value) { Store(FColorMirror, value); }
    TColor ColorMirrorTo() const { return FColorMirrorTo; }
    void SetColorMirrorTo(TColor value) { Store(FColorMirrorTo, value); }
    RurGDIP::TRurGradientType GradientType() const { return FGradientType; }
    void SetGradientType(RurGDIP::TRurGradientType value) { Store(FGradientType, value); }
    RurGDIP::TRurGradientType GradientMirrorType() const { return FGradientMirrorType; }
    void SetGradientMirrorType(RurGDIP::TRurGradientType value) { Store(FGradientMirrorType, value); }
    RurGDIP::HatchStyle HatchStyle() const { return FHatchStyle; }
    void SetHatchStyle(RurGDIP::HatchStyle value) { Store(FHatchStyle, value); }
    RurGDIP::HatchStyle HatchStyleMirror() const { return FHatchStyleMirror; }
    void SetHatchStyleMirror(RurGDIP::HatchStyle value) { Store(FHatchStyleMirror, value); }
    bool BackGroundPictureAspectRatio() const { return FBackGroundPictureAspectRatio; }
    void SetBackGroundPictureAspectRatio(bool value) { Store(FBackGroundPictureAspectRatio, value); }
    TFillPictureMode BackGroundPictureMode() const { return FBackGroundPictureMode; }
    void SetBackGroundPictureMode(TFillPictureMode value) { Store(FBackGroundPictureMode, value); }
    RurGDIP::TRurGDIPPicture* BackGroundPicture() const { return FBackGroundPicture.get(); }
    void SetBackGroundPicture(RurGDIP::TRurGDIPPicture* value);
    TFillPicturePosition BackGroundPicturePosition() const { return FBackGroundPicturePosition; }
    void SetBackGroundPicturePosition(TFillPicturePosition value) { Store(FBackGroundPicturePosition, value); }
    int BackGroundPictureLeft() const { return FBackGroundPictureLeft; }
    void SetBackGroundPictureLeft(int value) { Store(FBackGroundPictureLeft, value); }
    int BackGroundPictureTop() const { return FBackGroundPictureTop; }
    void SetBackGroundPictureTop(int value) { Store(FBackGroundPictureTop, value); }
    TPictureMode BackGroundPictureAspectMode() const { return FBackGroundPictureAspectMode; }
    void SetBackGroundPictureAspectMode(TPictureMode value) { Store(FBackGroundPictureAspectMode, value); }
    RurGDIP::TRurGDIPPicture* Picture() const { return FPicture.get(); }
    void SetPicture(RurGDIP::TRurGDIPPicture* value);
    TFillPicturePosition PicturePosition() const { return FPicturePosition; }
    void SetPicturePosition(TFillPicturePosition value) { Store(FPicturePosition, value); }
    int PictureLeft() const { return FPictureLeft; }
    void SetPictureLeft(int value) { Store(FPictureLeft, value); }
    int PictureTop() const { return FPictureTop; }
    void SetPictureTop(int value) { Store(FPictureTop, value); }
    TFillPictureSize PictureSize() const { return FPictureSize; }
    void SetPictureSize(TFillPictureSize value) { Store(FPictureSize, value); }
    int PictureWidth() const { return FPictureWidth; }
    void SetPictureWidth(int value) { Store(FPictureWidth, value); }
    int PictureHeight() const { return FPictureHeight; }
    void SetPictureHeight(int value) { Store(FPictureHeight, value); }
    bool PictureAspectRatio() const { return FPictureAspectRatio; }
    void SetPictureAspectRatio(bool value) { Store(FPictureAspectRatio, value); }
    TPictureMode PictureAspectMode() const { return FPictureAspectMode; }
    void SetPictureAspectMode(TPictureMode value) { Store(FPictureAspectMode, value); }
    Byte Opacity() const { return FOpacity; }
    void SetOpacity(Byte value) { Store(FOpacity, value); }
    Byte OpacityTo() const { return FOpacityTo; }
    void SetOpacityTo(Byte value) { Store(FOpacityTo, value); }
    Byte OpacityMirror() const { return FOpacityMirror; }
    void SetOpacityMirror(Byte value) { Store(FOpacityMirror, value); }
    Byte OpacityMirrorTo() const { return FOpacityMirrorTo; }
    void SetOpacityMirrorTo(Byte value) { Store(FOpacityMirrorTo, value); }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value) { Store(FBorderColor, value); }
    Byte BorderOpacity() const { return FBorderOpacity; }
    void SetBorderOpacity(Byte value) { Store(FBorderOpacity, value); }
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value) { Store(FBorderWidth, value); }
    int Rounding() const { return FRounding; }
    void SetRounding(int value) { Store(FRounding, value); }
    TFillRoundingType RoundingType() const { return FRoundingType; }
    void SetRoundingType(TFillRoundingType value) { Store(FRoundingType, value); }
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor value) { Store(FShadowColor, value); }
    int ShadowOffset() const { return FShadowOffset; }
    void SetShadowOffset(int value) { Store(FShadowOffset, value); }
    TShadowType ShadowType() const { return FShadowType; }
    void SetShadowType(TShadowType value) { Store(FShadowType, value); }
    int Angle() const { return FAngle; }
    void SetAngle(int value) { Store(FAngle, value); }
    TGlowMode Glow() const { return FGlow; }
    void SetGlow(TGlowMode value) { Store(FGlow, value); }
    TColor GlowGradientColor() const { return FGlowGradientColor; }
    void SetGlowGradientColor(TColor value) { Store(FGlowGradientColor, value); }
    TColor GlowRadialColor() const { return FGlowRadialColor; }
    void SetGlowRadialColor(TColor value) { Store(FGlowRadialColor, value); }
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent value) { FOnChange = value; }

    bool Focus() const { return FFocus; }
    void SetFocus(bool value) { Store(FFocus, value); }
    TColor FocusColor() const { return FFocusColor; }
    void SetFocusColor(TColor value) { Store(FFocusColor, value); }
    // The content rectangle less the border, computed by Fill.
    TGPRectF FocusRect() const { return FFocusRect; }

protected:
    void Changed();

private:
    template <class T>
    void Store(T& AField, T AValue)
    {
        if (AField != AValue) {
            AField = AValue;
            Changed();
        }
    }
    void PictureChanged(TObject*) { Changed(); }
    // Fills the part with a radial gradient from its top (or bottom) middle: the area in AOuter,
    // the ellipse's centre in ACentre.
    void FillRadial(RurGDIP::TGPGraphics& AGraphics, const TGPRectF& ARect, ARGB AOuter,
                    ARGB ACentre, bool ATop, TFillRoundingType ARoundingType);
    void FillMain(RurGDIP::TGPGraphics& AGraphics, const TGPRectF& ARect, Byte O1, Byte O2,
                  TFillRoundingType ARadialRounding);
    void DrawShadow(RurGDIP::TGPGraphics& AGraphics, TGPRectF& ARect);
    void DrawFocus(RurGDIP::TGPGraphics& AGraphics, Byte AOpacity);
    void DrawPictureAt(RurGDIP::TGPGraphics& AGraphics, RurGDIP::TRurGDIPPicture& APicture,
                       const TGPRectF& ARect, int W, int H, TFillPicturePosition APosition, int ALeft,
                       int ATop, bool AAspectRatio, TPictureMode AAspectMode);
    void DrawBackGroundPicture(RurGDIP::TGPGraphics& AGraphics, const TGPRectF& ARect);

    TColor FColor = 0xC0C0C0;
    TColor FColorTo = 0x808080;
    TColor FColorMirror = clNone;
    TColor FColorMirrorTo = clNone;
    RurGDIP::TRurGradientType FGradientType = RurGDIP::gtVertical;
    RurGDIP::TRurGradientType FGradientMirrorType = RurGDIP::gtSolid;
    RurGDIP::HatchStyle FHatchStyle = RurGDIP::HatchStyleHorizontal;
    RurGDIP::HatchStyle FHatchStyleMirror = RurGDIP::HatchStyleHorizontal;
    bool FBackGroundPictureAspectRatio = false;
    TFillPictureMode FBackGroundPictureMode = pmOutsideFill;
    std::unique_ptr<RurGDIP::TRurGDIPPicture> FBackGroundPicture;
    TFillPicturePosition FBackGroundPicturePosition = ppTopLeft;
    int FBackGroundPictureLeft = 0;
    int FBackGroundPictureTop = 0;
    TPictureMode FBackGroundPictureAspectMode = pmStretch;
    std::unique_ptr<RurGDIP::TRurGDIPPicture> FPicture;
    TFillPicturePosition FPicturePosition = ppTopLeft;
    int FPictureLeft = 0;
    int FPictureTop = 0;
    TFillPictureSize FPictureSize = psOriginal;
    int FPictureWidth = 50;
    int FPictureHeight = 50;
    bool FPictureAspectRatio = false;
    TPictureMode FPictureAspectMode = pmStretch;
    Byte FOpacity = 255;
    Byte FOpacityTo = 255;
    Byte FOpacityMirror = 255;
    Byte FOpacityMirrorTo = 255;
    TColor FBorderColor = clNone;
    Byte FBorderOpacity = 255;
    int FBorderWidth = 1;
    int FRounding = 0;
    TFillRoundingType FRoundingType = rtBoth;
    TColor FShadowColor = 0x808080;
    int FShadowOffset = 0;
    TShadowType FShadowType = stRightBottom;
    int FAngle = 0;
    TGlowMode FGlow = gmNone;
    TColor FGlowGradientColor = 0xFFFFFF;
    TColor FGlowRadialColor = 0xFFFFFF;
    TNotifyEvent FOnChange;
    bool FFocus = false;
    TColor FFocusColor = 0;
    TGPRectF FFocusRect{};
    int FUpdateCount = 0;
};
