#pragma once
// The styled-controls kit's drawing utilities: what the kit knows of the running Windows (version,
// system functions bound by name), style queries, colour helpers, frames and alpha bitmaps, text
// painters and the image-and-text layout, small pen-drawn glyphs, and the glow effect.
#include "WinApiNames.h"

#include <dwmapi.h>
#include <uxtheme.h>

#include <functional>

#include "Controls.h"
#include "Graphics.h"
#include "ImgList.h"
#include "Startup.h"

// The control state every painter of the kit takes.
TAVIN_ENUM(TscsCtrlState, scsNormal, scsHot, scsPressed, scsFocused, scsDisabled)
using TscsCtrlStates = TSet<TscsCtrlState>;

// Points a component reference of owner at value, moving owner's free notification from the old
// component to the new one, so a reference never outlives what it names; false when unchanged.
template <class T>
bool ReplaceReference(TComponent* owner, T*& field, T* value)
{
    if (field == value)
        return false;
    if (field)
        field->RemoveFreeNotification(owner);
    field = value;
    if (value)
        value->FreeNotification(owner);
    return true;
}

// ---------------------------------------------------------------------------------------------
// Windows version and the system functions that older systems lack. The version is the
// framework's platform fact (tests inject another Windows through it); the functions are bound by
// the unit's start-up, and tests may assign the variables to stand for another system.

int WindowsMajorVersion();
int WindowsMinorVersion();
// 0 whenever the major version is below 10.
int WindowsBuildNumber();

struct WINCOMPATTRDATA {
    DWORD Attribute;
    PVOID Data;
    ULONG DataSize;
};

using TBeginBufferedAnimation = HANIMATIONBUFFER(WINAPI*)(HWND, HDC, const RECT*, BP_BUFFERFORMAT, BP_PAINTPARAMS*,
                                                          BP_ANIMATIONPARAMS*, HDC*, HDC*);
using TEndBufferedAnimation = HRESULT(WINAPI*)(HANIMATIONBUFFER, BOOL);
using TBufferedPaintRenderAnimation = BOOL(WINAPI*)(HWND, HDC);
using TBufferedPaintStopAllAnimations = HRESULT(WINAPI*)(HWND);
using TDwmIsCompositionEnabled = HRESULT(WINAPI*)(BOOL*);
using TDwmExtendFrameIntoClientArea = HRESULT(WINAPI*)(HWND, const MARGINS*);
using TDwmSetWindowAttribute = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
using TSetWindowCompositionAttribute = BOOL(WINAPI*)(HWND, WINCOMPATTRDATA*);

// Null when the library or the entry is missing; every caller checks first. They live in a
// namespace because the platform headers declare imported functions of the same names.
namespace scDrawUtils {
extern TBeginBufferedAnimation BeginBufferedAnimation;
extern TEndBufferedAnimation EndBufferedAnimation;
extern TBufferedPaintRenderAnimation BufferedPaintRenderAnimation;
extern TBufferedPaintStopAllAnimations BufferedPaintStopAllAnimations;
extern TDwmIsCompositionEnabled DwmIsCompositionEnabled;
extern TDwmExtendFrameIntoClientArea DwmExtendFrameIntoClientArea;
extern TDwmSetWindowAttribute DwmSetWindowAttribute;
extern TSetWindowCompositionAttribute SetWindowCompositionAttribute;
} // namespace scDrawUtils

int GetWindowsBuildNumber();
bool IsWindows10OrLater();
bool IsWindows11();
bool IsWindows8();
bool IsWindows7();
bool IsWindowsXP();
bool IsDwmCompositionActive();

void InitBufferedAnimationAPI();
void InitDwmAPI();
void InitWindowCompositionAPI();

// ---------------------------------------------------------------------------------------------
// Style queries and colours. A null control means the application's active style.

bool UsesCustomStyle(const TControl* control);
bool IsWindowsStyle(const TControl* control);
TColor GetStyleSystemColor(TColor color, const TControl* control);
bool IsDarkStyle(const TControl* control);
bool IsDarkWindowStyle(const TControl* control);

TColor DarkerColor(TColor color, Byte percent);
TColor LighterColor(TColor color, Byte percent);
TColor GetContrastShadeColor(TColor color);
TColor MixColors(TColor color1, TColor color2);
// Straight (not premultiplied) 32-bit pixel: alpha, red, green, blue from the top byte down.
DWORD ColorToAlphaPixel(TColor color, Byte alpha);

void CenterRectVertically(TRect& rect, const TRect& bounds, TRect& result);
bool RectContainsPoint(const TRect& rect, TPoint point);
// A new empty region; the caller deletes it.
HRGN CreateNullRegion();
void GetUniqueComponentName(const String& pattern, const TComponent* owner, String& name);

void DrawFrame3D(TCanvas* canvas, TRect& rect, TColor topLeftColor, TColor bottomRightColor);
void DrawDottedLine(TCanvas* canvas, int x1, int y1, int x2, int y2, TColor color);
void DrawScaledFocusRect(TCanvas* canvas, const TRect& rect, double scale);
void DrawScaledFocusRectColor(TCanvas* canvas, const TRect& rect, TColor color, double scale);

// 32-bit bitmaps: bottom-up, so the last scan line starts the contiguous pixel block.
void SetPixelsAlpha(DWORD* pixels, int count, Byte alpha);
void SetBitmapAlpha(TBitmap* bitmap, Byte alpha);
void FillPixels(DWORD* pixels, int count, DWORD value);
void FillBitmapPixels(TBitmap* bitmap, DWORD value);
void AlphaBlendBitmap(TBitmap* bitmap, TCanvas* canvas, const TRect& sourceRect, Byte alpha, const TRect& destRect);
void DrawBitmapAlpha(TBitmap* bitmap, TCanvas* canvas, int x, int y, Byte alpha);
void DrawScaledBitmapAlpha(TBitmap* bitmap, TCanvas* canvas, int x, int y, Byte alpha, double scale);
void FillRectAlpha(TCanvas* canvas, const TRect& rect, Byte alpha);
void DrawImageListImageAlpha(TCanvas* canvas, int x, int y, Byte alpha, int index, TCustomImageList* images);
// Bilinear resampling of 32-bit pixels into the destination's size.
void ResampleBitmap(TBitmap* source, TBitmap* dest);
// The pixel pointer of a 32-bit bitmap's contiguous block.
DWORD* BitmapPixels(TBitmap* bitmap);
// A new 32-bit bitmap of the size.
std::unique_ptr<TBitmap> MakeBitmap32(int width, int height);

// Swaps left and right alignment and adds right-to-left reading when rightToLeft.
UINT BiDiDrawTextFlags(UINT flags, bool rightToLeft);

// ---------------------------------------------------------------------------------------------
// Text painters and the image-and-text layout. Alignment: 0 left, 1 right, 2 centre. Layout:
// 0 image left of the text, 1 right, 2 above, 3 below.

// Puts the canvas's font, text colour and background mode (by its brush) into its device context,
// for text drawn through the context itself.
void PrepareCanvasText(TCanvas* canvas);

void CutTextToWidth(TCanvas* canvas, String& text, int width);
void DrawWrappedTextWithEllipsis(TCanvas* canvas, const String& text, const TRect& rect, bool wrapByMeasuredWidth);
void DrawTextFitting(TCanvas* canvas, const String& text, const TRect& rect);
int StrToTabStop(const String& text);
void DrawTabbedText(const String& text, const TStrings* tabStops, TCanvas* canvas, int offset, const TRect& rect);
void DrawSingleLineText(TCanvas* canvas, const String& text, const TRect& rect, bool noPrefix, bool rightToLeft);
void DrawWrappedText(TCanvas* canvas, const String& text, const TRect& rect, bool rightToLeft, int alignment);
void DrawAlignedText(TCanvas* canvas, const String& text, const TRect& rect, bool endEllipsis, bool rightToLeft,
                     int alignment);
void CalcContentLayout(int layout, const TRect& rect, int imageWidth, int& imageY, int& imageX, int& textY,
                       int& textX, int margin, int spacing, int textHeight, int textWidth, int imageHeight);
void DrawCaptionImageAndText(TCanvas* canvas, const TRect& rect, int margin, bool noPrefix, bool rightToLeft,
                             bool enabled, TCustomImageList* images, int imageIndex, const String& text, int spacing);
void DrawImageAndText(TCanvas* canvas, const TRect& rect, int margin, bool wordWrap, double scale, bool noPrefix,
                      bool rightToLeft, bool showFocus, TColor markerColor, bool showMarker, bool enabled,
                      TCustomImageList* images, int imageIndex, const String& text, int layout, int spacing);
void DrawImageAndTextEllipsis(TCanvas* canvas, const TRect& rect, int margin, bool endEllipsis, bool wordWrap,
                              double scale, bool noPrefix, bool rightToLeft, bool showFocus, TColor markerColor,
                              bool showMarker, bool enabled, TCustomImageList* images, int imageIndex,
                              const String& text, int layout, int spacing);
// Whether the image index names an image of the list.
bool IsImageIndexValid(const TCustomImageList* images, int index);
// An image as the GDI+ controls draw it: a shared list through ImageList_DrawEx, otherwise the
// list's own drawing; disabled, a virtual list's own disabled form and any other list at alpha 80.
void DrawImageListImage(TCanvas* canvas, int x, int y, TCustomImageList* images, int index, bool enabled);

// ---------------------------------------------------------------------------------------------
// Glyphs drawn with pen lines whose lengths follow the scale.

// Kit-wide: thin drop-down arrows under any custom style. Nothing in the system sets it.
extern bool ThinDropDownArrows;

void DrawDownChevron(TCanvas* canvas, const TRect& rect, TColor color, double scale);
void DrawDownChevronDC(TCanvas* canvas, const TRect& rect, TColor color, double scale);
void DrawDownTriangleDC(TCanvas* canvas, const TRect& rect, TColor color, double scale);
void DrawDropDownArrow(TCanvas* canvas, const TRect& rect, TColor color, const TControl* control, double scale);
void DrawExpandArrow(TCanvas* canvas, const TRect& rect, TColor color, bool modern, double scale, int direction,
                     TColor shadowColor);
void DrawTriangleArrow(TCanvas* canvas, const TRect& rect, TColor color, double scale, int direction);
void DrawChevronArrow(TCanvas* canvas, const TRect& rect, TColor color, double scale, int direction);
void DrawHorzSeparator(TCanvas* canvas, const TRect& rect, const TControl* control);
void DrawVertSeparator(TCanvas* canvas, const TRect& rect, bool atRight, const TControl* control);
void DrawExpandButtonColored(TCanvas* canvas, const TRect& rect, int kind, double scale, TColor glyphColor,
                             TColor fillColor);
void DrawExpandButton(TCanvas* canvas, const TRect& rect, int kind, const TControl* control, double scale,
                      TColor frameColor);

// ---------------------------------------------------------------------------------------------
// Themed element painters (with classic fallbacks) and the parent's background behind a control.

void DrawSpinUpButton(TCanvas* canvas, const TRect& rect, TscsCtrlState state, const TControl* control, double scale);
void DrawSpinDownButton(TCanvas* canvas, const TRect& rect, TscsCtrlState state, const TControl* control,
                        double scale);
void DrawSpinRightButton(TCanvas* canvas, const TRect& rect, TscsCtrlState state, const TControl* control,
                         double scale);
void DrawSpinLeftButton(TCanvas* canvas, const TRect& rect, TscsCtrlState state, const TControl* control,
                        double scale);
void DrawPushButton(TCanvas* canvas, const TRect& rect, TscsCtrlState state, const TControl* control, double scale,
                    bool showFocus);
void DrawComboButtonFace(TCanvas* canvas, const TRect& rect, TscsCtrlState state, const TControl* control,
                         double scale, bool showFocus);
void DrawToolButton(TCanvas* canvas, const TRect& rect, TscsCtrlState state, const TControl* control);
void DrawToolButtonFramed(TCanvas* canvas, const TRect& rect, TscsCtrlState state, const TControl* control);
// Segment kinds: 1 left, 2 middle, 3 right.
void DrawSegmentPushButton(TCanvas* canvas, const TRect& rect, TscsCtrlState state, const TControl* control,
                           double scale, int segmentKind, bool showFocus);
void DrawSegmentToolButton(TCanvas* canvas, const TRect& rect, TscsCtrlState state, const TControl* control,
                           int segmentKind);
void DrawSplitPushButton(TCanvas* canvas, const TRect& rect, TscsCtrlState state, const TControl* control,
                         int dropWidth, bool dropPressed);
void DrawSplitToolButton(TCanvas* canvas, const TRect& rect, TscsCtrlState state, const TControl* control,
                         int dropWidth, bool dropPressed);
// Check kinds: 0 unchecked, 1 checked, 2 mixed.
void DrawCheckBoxInBounds(TCanvas* canvas, const TRect& rect, TscsCtrlState state, const TControl* control,
                          double scale, int checkKind);
void DrawCheckBoxAtLeft(TCanvas* canvas, const TRect& rect, TscsCtrlState state, const TControl* control,
                        double scale, int checkKind);
void DrawCheckBoxCentered(TCanvas* canvas, const TRect& rect, TscsCtrlState state, const TControl* control,
                          double scale, int checkKind);
int GetCheckBoxSize(TCanvas* canvas, const TControl* control, double scale);
void DrawComboDropDownButton(TCanvas* canvas, const TRect& rect, TscsCtrlState state, const TControl* control,
                             double scale, bool atLeft, bool separatePart);
void DrawSelectionAlpha(TCanvas* canvas, const TRect& rect, Byte alpha, const TControl* control);
void DrawItemSelection(TCanvas* canvas, const TRect& rect, bool focused, const TControl* control, bool opaque);
void DrawHeaderSection(TCanvas* canvas, const TRect& rect, TscsCtrlState state, const TControl* control);
void DrawEditBorder(TCanvas* canvas, const TRect& rect, TscsCtrlState state, const TControl* control);
void DrawFlatBorder(TCanvas* canvas, const TRect& rect, const TControl* control);
void DrawFormBackground(TCanvas* canvas, const TRect& rect, const TControl* control);
void DrawItemProgressBar(TCanvas* canvas, const TRect& rect, int minimum, const TControl* control, int position,
                         int maximum);
void DrawTabButton(TCanvas* canvas, TRect rect, TscsCtrlState state, const TControl* control);
void DrawTabItem(TCanvas* canvas, const TRect& rect, TscsCtrlState state, const TControl* control);
void DrawTabItemAlpha(TCanvas* canvas, const TRect& rect, Byte alpha, const TControl* control);

// Text colours that go with each state of the standard parts.
TColor GetButtonTextColor(TscsCtrlState state, const TControl* control);
TColor GetToolButtonTextColor(TscsCtrlState state, const TControl* control);
TColor GetCheckBoxTextColor(TscsCtrlState state, const TControl* control);
TColor GetHeaderSectionTextColor(TscsCtrlState state, const TControl* control);
TColor GetTabTextColor(TscsCtrlState state, const TControl* control);
TColor GetTabButtonTextColor(TscsCtrlState state, const TControl* control);
TColor GetCaptionTextColor(TscsCtrlState state, const TControl* control);
TColor GetEditColor(TscsCtrlState state, const TControl* control);
TColor GetEditFontColor(TscsCtrlState state, const TControl* control);
TColor GetSelectionTextColor(const TControl* control);

void DrawToolBarBackground(TCanvas* canvas, const TRect& rect, const TControl* control);
void DrawTabSheetBackground(TCanvas* canvas, const TRect& rect, const TControl* control);
void DrawStatusBarBackground(TCanvas* canvas, const TRect& rect, const TControl* control);
void DrawStatusPanel(TCanvas* canvas, const TRect& rect, const TControl* control);

// Paints into the control's canvas what its parent shows behind it.
void PaintParentBackground(TWinControl* control, TCanvas* canvas);

// ---------------------------------------------------------------------------------------------
// Glow effect.

class TscGlowEffect : public TPersistent {
    TAVIN_PUBLISHED_CLASS(TscGlowEffect, TPersistent)
public:
    TscGlowEffect();

    void Assign(const TPersistent* source) override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { Set(FColor, value); }
    Byte AlphaValue() const { return FAlphaValue; }
    void SetAlphaValue(Byte value) { Set(FAlphaValue, value); }
    Byte GlowSize() const { return FGlowSize; }
    void SetGlowSize(Byte value) { Set(FGlowSize, value); }
    Byte Offset() const { return FOffset; }
    void SetOffset(Byte value) { Set(FOffset, value); }
    bool Intensive() const { return FIntensive; }
    void SetIntensive(bool value) { Set(FIntensive, value); }
    bool StyleColors() const { return FStyleColors; }
    void SetStyleColors(bool value) { Set(FStyleColors, value); }
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent value) { FOnChange = value; }

    // The owning control, for style queries only.
    TControl* FControl = nullptr;

    // The colour and alpha as drawn: style-mapped, and softened for the classic look.
    TColor GetColor() const;
    Byte GetAlphaValue() const;

protected:
    TColor StyleMapped(TColor color) const;
    bool ClassicLook() const;
    void Changed();
    template <class T>
    void Set(T& field, T value)
    {
        if (field == value)
            return;
        field = value;
        Changed();
    }

private:
    bool FEnabled = false;
    TColor FColor = clHighlight;
    Byte FAlphaValue = 255;
    Byte FGlowSize = 7;
    bool FIntensive = true;
    Byte FOffset = 0;
    bool FStyleColors = true;
    TNotifyEvent FOnChange;
};

class TscButtonGlowEffect : public TscGlowEffect {
    TAVIN_PUBLISHED_CLASS(TscButtonGlowEffect, TscGlowEffect)
public:
    TscButtonGlowEffect() = default;

    void Assign(const TPersistent* source) override;

    TColor HotColor() const { return FHotColor; }
    void SetHotColor(TColor value) { Set(FHotColor, value); }
    TColor PressedColor() const { return FPressedColor; }
    void SetPressedColor(TColor value) { Set(FPressedColor, value); }
    TColor FocusedColor() const { return FFocusedColor; }
    void SetFocusedColor(TColor value) { Set(FFocusedColor, value); }
    Byte PressedAlphaValue() const { return FPressedAlphaValue; }
    void SetPressedAlphaValue(Byte value) { Set(FPressedAlphaValue, value); }
    Byte PressedGlowSize() const { return FPressedGlowSize; }
    void SetPressedGlowSize(Byte value) { Set(FPressedGlowSize, value); }
    TscsCtrlStates States() const { return FStates; }
    void SetStates(TscsCtrlStates value) { Set(FStates, value); }

    TColor GetHotColor() const { return StyleMapped(FHotColor); }
    TColor GetPressedColor() const { return StyleMapped(FPressedColor); }
    TColor GetFocusedColor() const { return StyleMapped(FFocusedColor); }
    Byte GetPressedAlphaValue() const;

private:
    TColor FHotColor = clNone;
    TColor FPressedColor = clNone;
    TColor FFocusedColor = clNone;
    Byte FPressedAlphaValue = 255;
    Byte FPressedGlowSize = 7;
    TscsCtrlStates FStates{scsHot, scsPressed, scsFocused};
};

void StackBlurBitmap(TBitmap* bitmap, int radius);
void ColorizeGlowBitmap(TBitmap* bitmap, int radius, TColor glowColor);
bool HasTransparentPixels(TBitmap* bitmap);
void MakeGlowImage(TBitmap* glowBitmap, TBitmap* source, int radius, TColor glowColor);
void MakeImageListGlow(TBitmap* glowBitmap, TCustomImageList* images, int index, TColor glowColor, int radius);

// A glow buffer is a bitmap cached by the calling control (null when none).
using TGlowBuffer = std::unique_ptr<TBitmap>;

void DrawGlowText(TGlowBuffer& buffer, bool rebuild, TCanvas* canvas, bool noPrefix, bool rightToLeft, Byte alpha,
                  bool intensive, int glowSize, TColor glowColor, int offset, UINT flags, const String& text,
                  TRect rect);
void DrawImageGlow(TGlowBuffer& buffer, bool rebuild, TCanvas* canvas, Byte alpha, int glowSize, TColor glowColor,
                   int offset, int imageIndex, TCustomImageList* images, int y, int x);
void DrawImageAndTextGlow(TGlowBuffer& textBuffer, TGlowBuffer& imageBuffer, bool rebuild, bool wordWrap,
                          double scale, bool noPrefix, bool rightToLeft, bool showFocus, bool imageGlow,
                          Byte glowAlpha, bool intensive, int glowSize, TColor glowColor, int glowOffset,
                          TColor markerColor, bool showMarker, bool enabled, TCustomImageList* images,
                          int imageIndex, const String& text, int layout, int spacing, int margin,
                          const TRect& rect, TCanvas* canvas);
void DrawImageAndTextGlowLeft(TGlowBuffer& textBuffer, TGlowBuffer& imageBuffer, bool rebuild, bool wordWrap,
                              double scale, bool noPrefix, bool rightToLeft, bool showFocus, bool imageGlow,
                              Byte glowAlpha, bool intensive, int glowSize, TColor glowColor, int glowOffset,
                              TColor markerColor, bool showMarker, bool enabled, TCustomImageList* images,
                              int imageIndex, const String& text, int layout, int spacing, int margin,
                              const TRect& rect, TCanvas* canvas);

// The unit's start-up: version probe and bindings; shut-down frees the three libraries.
void scDrawUtilsInitialize();
void scDrawUtilsFinalize();
inline constexpr TUnitStep scDrawUtilsUnit{"scDrawUtils", &scDrawUtilsInitialize, &scDrawUtilsFinalize};
