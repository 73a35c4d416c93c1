#pragma once
// Colours, fonts, pens, brushes and the canvas that draws with them on a device context.
#include <windows.h>

#include <span>

#include "Classes.h"
#include "Types.h"

// ---------------------------------------------------------------------------------------------
// Colours: 0x00BBGGRR for an RGB value, 0xFF0000nn for the system colour nn.

using TColor = int;

constexpr TColor TavinSystemColor(int index) { return static_cast<TColor>(0xFF000000u | static_cast<unsigned>(index)); }

constexpr TColor clScrollBar = TavinSystemColor(COLOR_SCROLLBAR);
constexpr TColor clBackground = TavinSystemColor(COLOR_BACKGROUND);
constexpr TColor clActiveCaption = TavinSystemColor(COLOR_ACTIVECAPTION);
constexpr TColor clInactiveCaption = TavinSystemColor(COLOR_INACTIVECAPTION);
constexpr TColor clMenu = TavinSystemColor(COLOR_MENU);
constexpr TColor clWindow = TavinSystemColor(COLOR_WINDOW);
constexpr TColor clWindowFrame = TavinSystemColor(COLOR_WINDOWFRAME);
constexpr TColor clMenuText = TavinSystemColor(COLOR_MENUTEXT);
constexpr TColor clWindowText = TavinSystemColor(COLOR_WINDOWTEXT);
constexpr TColor clCaptionText = TavinSystemColor(COLOR_CAPTIONTEXT);
constexpr TColor clActiveBorder = TavinSystemColor(COLOR_ACTIVEBORDER);
constexpr TColor clInactiveBorder = TavinSystemColor(COLOR_INACTIVEBORDER);
constexpr TColor clAppWorkSpace = TavinSystemColor(COLOR_APPWORKSPACE);
constexpr TColor clHighlight = TavinSystemColor(COLOR_HIGHLIGHT);
constexpr TColor clHighlightText = TavinSystemColor(COLOR_HIGHLIGHTTEXT);
constexpr TColor clBtnFace = TavinSystemColor(COLOR_BTNFACE);
constexpr TColor clBtnShadow = TavinSystemColor(COLOR_BTNSHADOW);
constexpr TColor clGrayText = TavinSystemColor(COLOR_GRAYTEXT);
constexpr TColor clBtnText = TavinSystemColor(COLOR_BTNTEXT);
constexpr TColor clInactiveCaptionText = TavinSystemColor(COLOR_INACTIVECAPTIONTEXT);
constexpr TColor clBtnHighlight = TavinSystemColor(COLOR_BTNHIGHLIGHT);
constexpr TColor cl3DDkShadow = TavinSystemColor(COLOR_3DDKSHADOW);
constexpr TColor cl3DLight = TavinSystemColor(COLOR_3DLIGHT);
constexpr TColor clInfoText = TavinSystemColor(COLOR_INFOTEXT);
constexpr TColor clInfoBk = TavinSystemColor(COLOR_INFOBK);
constexpr TColor clHotLight = TavinSystemColor(COLOR_HOTLIGHT);
constexpr TColor clGradientActiveCaption = TavinSystemColor(COLOR_GRADIENTACTIVECAPTION);
constexpr TColor clGradientInactiveCaption = TavinSystemColor(COLOR_GRADIENTINACTIVECAPTION);
constexpr TColor clMenuHighlight = TavinSystemColor(COLOR_MENUHILIGHT);
constexpr TColor clMenuBar = TavinSystemColor(COLOR_MENUBAR);

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clLtGray = 0xC0C0C0;
constexpr TColor clDkGray = 0x808080;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;

constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// A system colour becomes its current RGB value; any other value is returned as it is.
TColor ColorToRGB(TColor color);

// ---------------------------------------------------------------------------------------------
// Fonts, pens and brushes.

TAVIN_ENUM(TFontStyle, fsBold, fsItalic, fsUnderline, fsStrikeOut)
using TFontStyles = TSet<TFontStyle>;
TAVIN_ENUM(TFontPitch, fpDefault, fpVariable, fpFixed)
TAVIN_ENUM(TFontQuality, fqDefault, fqDraft, fqProof, fqNonAntialiased, fqAntialiased, fqClearType,
           fqClearTypeNatural)
using TFontCharset = Byte;
using TFontName = String;

TAVIN_ENUM(TPenStyle, psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame)
TAVIN_ENUM(TPenMode, pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
           pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor)
TAVIN_ENUM(TBrushStyle, bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross,
           bsDiagCross)

// A GDI object described by properties: the handle is made when first asked for and made again
// after any property changes; OnChange tells the owner (a canvas, a control) to use the new one.
class TGraphicsObject : public TPersistent {
    TAVIN_CLASS(TGraphicsObject, TPersistent)
public:
    TGraphicsObject() = default;
    TGraphicsObject(const TGraphicsObject&) = delete;
    TGraphicsObject& operator=(const TGraphicsObject&) = delete;

    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent value) { FOnChange = value; }

protected:
    virtual void Changed();

private:
    TNotifyEvent FOnChange;
};

class TFont : public TGraphicsObject {
    TAVIN_PUBLISHED_CLASS(TFont, TGraphicsObject)
public:
    TFont();
    ~TFont() override;

    void Assign(const TPersistent* source) override;

    TFontCharset Charset() const { return FCharset; }
    void SetCharset(TFontCharset value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    // Negative: character height in pixels; positive: cell height.
    int Height() const { return FHeight; }
    void SetHeight(int value);
    const TFontName& Name() const { return FName; }
    void SetName(const TFontName& value);
    // Tenths of a degree, anticlockwise.
    int Orientation() const { return FOrientation; }
    void SetOrientation(int value);
    TFontPitch Pitch() const { return FPitch; }
    void SetPitch(TFontPitch value);
    TFontQuality Quality() const { return FQuality; }
    void SetQuality(TFontQuality value);
    // Points, through PixelsPerInch: Size = -Height * 72 / PixelsPerInch.
    int Size() const;
    void SetSize(int value);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(TFontStyles value);

    // Starts at the screen's vertical resolution; changing it keeps Height (and so changes Size).
    int PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(int value) { FPixelsPerInch = value; }

    HFONT Handle() const;
    // Takes over a font handle and reads its description back into the properties.
    void SetHandle(HFONT value);

private:
    void HandleChanged();
    void FreeHandle() const;

    TFontCharset FCharset;
    TColor FColor;
    int FHeight;
    TFontName FName;
    int FOrientation = 0;
    TFontPitch FPitch = fpDefault;
    TFontQuality FQuality = fqDefault;
    TFontStyles FStyle;
    int FPixelsPerInch;
    mutable HFONT FHandle = nullptr;
};

class TPen : public TGraphicsObject {
    TAVIN_PUBLISHED_CLASS(TPen, TGraphicsObject)
public:
    TPen() = default;
    ~TPen() override;

    void Assign(const TPersistent* source) override;

    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TPenMode Mode() const { return FMode; }
    void SetMode(TPenMode value);
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle value);
    int Width() const { return FWidth; }
    void SetWidth(int value);

    HPEN Handle() const;

private:
    void HandleChanged();
    void FreeHandle() const;

    TColor FColor = clBlack;
    TPenMode FMode = pmCopy;
    TPenStyle FStyle = psSolid;
    int FWidth = 1;
    mutable HPEN FHandle = nullptr;
};

class TBrush : public TGraphicsObject {
    TAVIN_PUBLISHED_CLASS(TBrush, TGraphicsObject)
public:
    TBrush() = default;
    ~TBrush() override;

    void Assign(const TPersistent* source) override;

    TColor Color() const { return FColor; }
    // A colour given to a clear brush makes it solid.
    void SetColor(TColor value);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle value);
    HBRUSH Handle() const;

private:
    void FreeHandle() const;

    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
    mutable HBRUSH FHandle = nullptr;
};

// ---------------------------------------------------------------------------------------------
// The canvas.

TAVIN_ENUM(TTextFormats, tfBottom, tfCalcRect, tfCenter, tfEditControl, tfEndEllipsis, tfPathEllipsis,
           tfExpandTabs, tfExternalLeading, tfLeft, tfModifyString, tfNoClip, tfNoPrefix, tfRight,
           tfRtlReading, tfSingleLine, tfTop, tfVerticalCenter, tfWordBreak, tfHidePrefix,
           tfNoFullWidthCharBreak, tfPrefixOnly, tfTabStop, tfWordEllipsis, tfComposited)
using TTextFormat = TSet<TTextFormats>;

// A raster operation for CopyRect and the bitmap drawing (SRCCOPY...).
using TCopyMode = int;
constexpr TCopyMode cmBlackness = BLACKNESS;
constexpr TCopyMode cmDstInvert = DSTINVERT;
constexpr TCopyMode cmMergeCopy = MERGECOPY;
constexpr TCopyMode cmMergePaint = MERGEPAINT;
constexpr TCopyMode cmNotSrcCopy = NOTSRCCOPY;
constexpr TCopyMode cmNotSrcErase = NOTSRCERASE;
constexpr TCopyMode cmPatCopy = PATCOPY;
constexpr TCopyMode cmPatInvert = PATINVERT;
constexpr TCopyMode cmPatPaint = PATPAINT;
constexpr TCopyMode cmSrcAnd = SRCAND;
constexpr TCopyMode cmSrcCopy = SRCCOPY;
constexpr TCopyMode cmSrcErase = SRCERASE;
constexpr TCopyMode cmSrcInvert = SRCINVERT;
constexpr TCopyMode cmSrcPaint = SRCPAINT;
constexpr TCopyMode cmWhiteness = WHITENESS;

RECT ToWinRect(const TRect& r);
TRect FromWinRect(const RECT& r);

// Draws with its Pen, Brush and Font on a device context. A plain TCanvas wraps a DC that someone
// else owns (Handle = dc ... Handle = nullptr); descendants make their own DC in CreateHandle.
// The drawing objects are selected into the DC when a drawing call needs them and deselected
// before the DC is given up, so the DC never holds a handle this canvas has freed.
class TCanvas : public TPersistent {
    TAVIN_CLASS(TCanvas, TPersistent)
public:
    TCanvas();
    ~TCanvas() override;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    HDC Handle();
    // Attaches a foreign DC, or detaches with nullptr (the DC keeps its original objects).
    void SetHandle(HDC value);
    bool HandleAllocated() const { return FHandle != nullptr; }

    TPen* Pen() const { return FPen.get(); }
    void SetPen(TPen* value) { FPen->Assign(value); }
    TBrush* Brush() const { return FBrush.get(); }
    void SetBrush(TBrush* value) { FBrush->Assign(value); }
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* value) { FFont->Assign(value); }
    TCopyMode CopyMode() const { return FCopyMode; }
    void SetCopyMode(TCopyMode value) { FCopyMode = value; }
    TPoint PenPos();
    void SetPenPos(TPoint value) { MoveTo(value.X, value.Y); }

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(std::span<const TPoint> points);
    void Polygon(std::span<const TPoint> points);
    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight);
    void RoundRect(const TRect& r, int cornerWidth, int cornerHeight)
    {
        RoundRect(r.Left, r.Top, r.Right, r.Bottom, cornerWidth, cornerHeight);
    }
    void Ellipse(int x1, int y1, int x2, int y2);
    void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void FillRect(const TRect& r);
    void FrameRect(const TRect& r);
    void DrawFocusRect(const TRect& r);

    TColor Pixels(int x, int y);
    void SetPixels(int x, int y, TColor color);

    // Copies source's sourceRect into destRect of this canvas with CopyMode, stretching as needed.
    void CopyRect(const TRect& destRect, TCanvas& source, const TRect& sourceRect);

    void TextOut(int x, int y, const String& text);
    // Draws text in r, aligned and broken as format says. tfCalcRect only measures, widening or
    // heightening r; tfModifyString gives back the text as drawn (with its ellipsis).
    void TextRect(TRect& r, String& text, TTextFormat format = {});
    // Draws text at (x, y), clipped to r and on the brush when the brush is not clear.
    void TextRect(const TRect& r, int x, int y, const String& text);
    TSize TextExtent(const String& text);
    int TextWidth(const String& text) { return TextExtent(text).cx; }
    int TextHeight(const String& text) { return TextExtent(text).cy; }

    // The part of the DC drawing can reach.
    TRect ClipRect();

    // Serialises drawing from several threads on the same canvas.
    void Lock();
    bool TryLock();
    void Unlock();
    int LockCount() const { return FLockCount; }

    // Deselects the drawing objects; the next drawing call selects them again.
    void Refresh();

    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent value) { FOnChange = value; }
    TNotifyEvent OnChanging() const { return FOnChanging; }
    void SetOnChanging(TNotifyEvent value) { FOnChanging = value; }

protected:
    enum TCanvasStateItem { csHandleValid = 1, csFontValid = 2, csPenValid = 4, csBrushValid = 8 };

    // Makes the DC when a descendant owns one; the plain canvas raises EInvalidOperation.
    virtual void CreateHandle();
    // Makes sure of a DC and of the drawing objects in `state` (csPenValid | csBrushValid ...).
    void RequiredState(int state);
    virtual void Changing();
    virtual void Changed();

private:
    void SelectFont();
    void SelectPen();
    void SelectBrush();
    void DeselectHandles();
    void FontChanged(TObject* sender);
    void PenChanged(TObject* sender);
    void BrushChanged(TObject* sender);

    HDC FHandle = nullptr;
    int FState = 0;
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TPen> FPen;
    std::unique_ptr<TBrush> FBrush;
    TCopyMode FCopyMode = cmSrcCopy;
    HGDIOBJ FOriginalFont = nullptr;
    HGDIOBJ FOriginalPen = nullptr;
    HGDIOBJ FOriginalBrush = nullptr;
    CRITICAL_SECTION FLock;
    int FLockCount = 0;
    TNotifyEvent FOnChange;
    TNotifyEvent FOnChanging;
};
