#pragma once
// Colours, fonts, pens, brushes and the canvas that draws with them on a device context.
#include "WinApiNames.h"

#include <span>

#include "Classes.h"
#include "GraphicErrors.h" // EInvalidGraphic, raised for pictures that cannot be read
#include "Types.h"

class TPixelImage;

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
class TBitmap;

class TGraphicsObject : public TPersistent {
    TAVIN_CLASS(TGraphicsObject, TPersistent)
public:
    TGraphicsObject() = default;
    ~TGraphicsObject() override;
    TGraphicsObject(const TGraphicsObject&) = delete;
    TGraphicsObject& operator=(const TGraphicsObject&) = delete;

    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent value) { FOnChange = value; }

protected:
    virtual void Changed();
    // The handle made from the current properties, or null.
    HGDIOBJ CachedHandle() const { return FHandle; }
    // Keeps a newly made handle; a stock object is not owned and never deleted.
    void CacheHandle(HGDIOBJ handle, bool owned) const;
    // The properties changed: listeners (a canvas holding the old handle in its DC) hear it first,
    // then the old handle is deleted. The next Handle() makes a new one, unless one taken over
    // from the caller (owned) replaces it.
    void HandleChanged(HGDIOBJ replacement = nullptr);

private:
    mutable HGDIOBJ FHandle = nullptr;
    mutable bool FOwnsHandle = false;
    TNotifyEvent FOnChange;
};

class TFont : public TGraphicsObject {
    TAVIN_PUBLISHED_CLASS(TFont, TGraphicsObject)
public:
    TFont();

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
    TFontCharset FCharset;
    TColor FColor;
    int FHeight;
    TFontName FName;
    int FOrientation = 0;
    TFontPitch FPitch = fpDefault;
    TFontQuality FQuality = fqDefault;
    TFontStyles FStyle;
    int FPixelsPerInch;
};

class TPen : public TGraphicsObject {
    TAVIN_PUBLISHED_CLASS(TPen, TGraphicsObject)
public:
    TPen() = default;

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
    TColor FColor = clBlack;
    TPenMode FMode = pmCopy;
    TPenStyle FStyle = psSolid;
    int FWidth = 1;
};

class TBrush : public TGraphicsObject {
    TAVIN_PUBLISHED_CLASS(TBrush, TGraphicsObject)
public:
    TBrush() = default;

    void Assign(const TPersistent* source) override;

    TColor Color() const { return FColor; }
    // A colour given to a clear brush makes it solid.
    void SetColor(TColor value);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle value);
    // A pattern brush from the bitmap, which the caller keeps alive while the brush uses it;
    // null goes back to Color and Style.
    TBitmap* Bitmap() const { return FBitmap; }
    void SetBitmap(TBitmap* value);
    HBRUSH Handle() const;

private:
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
    TBitmap* FBitmap = nullptr;
};

// ---------------------------------------------------------------------------------------------
// The canvas.

TAVIN_ENUM(TTextFormats, tfBottom, tfCalcRect, tfCenter, tfEditControl, tfEndEllipsis, tfPathEllipsis,
           tfExpandTabs, tfExternalLeading, tfLeft, tfModifyString, tfNoClip, tfNoPrefix, tfRight,
           tfRtlReading, tfSingleLine, tfTop, tfVerticalCenter, tfWordBreak, tfHidePrefix,
           tfNoFullWidthCharBreak, tfPrefixOnly, tfTabStop, tfWordEllipsis, tfComposited)
using TTextFormat = TSet<TTextFormats>;
// The DrawText flags (DT_...) of a text format.
UINT DrawTextFlags(TTextFormat format);

// Size of one line of text as it is drawn: joined and shaped for complex scripts such as Persian.
// Some GDI implementations measure such text letter by letter in GetTextExtentPoint32, wider than
// the joined glyphs that ExtTextOut draws; the shaping engine measures what is drawn.
TSize ShapedTextExtent(HDC dc, const String& text);
// DrawTextW that sizes and aligns a plain single line by its shaped width, so that right-aligned
// or centred Persian ends where it should. Several lines, word breaks, tabs, accelerator prefixes
// and a line wider than the rectangle (ellipses) are left to DrawTextW as they are.
int DrawShapedText(HDC dc, const String& text, RECT& rect, UINT flags);

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

class TGraphic;

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
    // Arc and Chord run anticlockwise from the ray through (x3, y3) to the ray through (x4, y4);
    // the chord closes the arc with a line and fills it with the brush.
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void FillRect(const TRect& r);
    void FrameRect(const TRect& r);
    void DrawFocusRect(const TRect& r);

    TColor Pixels(int x, int y);
    void SetPixels(int x, int y, TColor color);

    // The graphic at its own size with its top-left corner at (x, y), or stretched into r.
    void Draw(int x, int y, TGraphic* graphic);
    void StretchDraw(const TRect& r, TGraphic* graphic);
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

// ---------------------------------------------------------------------------------------------
// Graphics: pictures that draw themselves on a canvas and stream themselves.

// A graphic operation that cannot be done (a scan line out of range, an unsupported conversion).
TAVIN_EXCEPTION(EInvalidGraphicOperation, Exception);

// The graphic classes are framework classes: a class reference creates one (TClass::Create).
using TGraphicClass = TClass;

class TGraphic : public TPersistent {
    TAVIN_CLASS(TGraphic, TPersistent)
public:
    TGraphic() = default;
    TGraphic(const TGraphic&) = delete;
    TGraphic& operator=(const TGraphic&) = delete;

    // Draws the whole graphic stretched into r.
    virtual void Draw(TCanvas& canvas, const TRect& r) = 0;

    bool Empty() const { return GetEmpty(); }
    int Width() const { return GetWidth(); }
    int Height() const { return GetHeight(); }
    // Graphics that cannot be resized leave these to raise EAbstractError.
    virtual void SetWidth(int value);
    virtual void SetHeight(int value);
    bool Transparent() const { return GetTransparent(); }
    virtual void SetTransparent(bool value);
    bool Modified() const { return FModified; }
    void SetModified(bool value);

    virtual void LoadFromStream(TStream& stream) = 0;
    virtual void SaveToStream(TStream& stream) = 0;
    virtual void LoadFromFile(const String& fileName);
    virtual void SaveToFile(const String& fileName);
    // Whether the data at the stream's position is of this class's format; the position is kept.
    // Graphic classes give their own static CanLoadFromStream for the picture's format registry.
    static bool CanLoadFromStream(TStream&) { return false; }

    // Clipboard data in a clipboard format; graphics without a clipboard form raise EAbstractError.
    virtual void LoadFromClipboardFormat(Word format, HANDLE data, HPALETTE palette);
    virtual void SaveToClipboardFormat(Word& format, HANDLE& data, HPALETTE& palette);

    // The binary "Data" of form resources and component streams: the graphic's own data.
    virtual void ReadData(TStream& stream);
    virtual void WriteData(TStream& stream);

    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent value) { FOnChange = value; }

protected:
    void DefineProperties(TFiler& filer) override;
    virtual bool GetEmpty() const = 0;
    virtual int GetWidth() const = 0;
    virtual int GetHeight() const = 0;
    virtual bool GetTransparent() const { return FTransparent; }
    // Marks the graphic modified and tells the owner.
    virtual void Changed(TObject* sender);

private:
    bool FTransparent = false;
    bool FModified = false;
    TNotifyEvent FOnChange;
};

TAVIN_ENUM(TPixelFormat, pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom)
TAVIN_ENUM(TAlphaFormat, afIgnored, afDefined, afPremultiplied)
TAVIN_ENUM(TTransparentMode, tmAuto, tmFixed)

class TBitmapCanvas;

// A bitmap on a DIB section. Rows lie bottom-up in one block: ScanLine(y + 1) is one row stride
// below ScanLine(y) in memory. pfDevice bitmaps are kept as 32-bit DIBs without an alpha channel.
class TBitmap : public TGraphic {
    TAVIN_CLASS(TBitmap, TGraphic)
public:
    TBitmap();
    TBitmap(int width, int height);
    ~TBitmap() override;

    void Assign(const TPersistent* source) override;
    void Draw(TCanvas& canvas, const TRect& r) override;

    void SetWidth(int value) override { SetSize(value, Height()); }
    void SetHeight(int value) override { SetSize(Width(), value); }
    // Keeps the picture at the top left; new area is black (or palette entry 0).
    void SetSize(int width, int height);

    TPixelFormat PixelFormat() const { return FPixelFormat; }
    // Converts the pixels to the new format (pfCustom cannot be chosen); indexed formats get the
    // standard colour table of their depth, or the one given.
    void SetPixelFormat(TPixelFormat value) { SetPixelFormat(value, {}); }
    void SetPixelFormat(TPixelFormat value, std::vector<RGBQUAD> colorTable);
    // The colour table of an indexed bitmap; empty for the other formats.
    const std::vector<RGBQUAD>& ColorTable() const { return FPalette; }
    // How 32-bit pixels use their fourth byte. Going to afPremultiplied multiplies the colours by
    // alpha; leaving it divides them again.
    TAlphaFormat AlphaFormat() const { return FAlphaFormat; }
    void SetAlphaFormat(TAlphaFormat value);
    TTransparentMode TransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(TTransparentMode value);
    // tmAuto: the bottom-left pixel. Setting a colour sets tmFixed, clDefault goes back to tmAuto.
    TColor TransparentColor();
    void SetTransparentColor(TColor value);

    // Raises EInvalidGraphicOperation "Scan line index out of range" for a row outside the bitmap.
    void* ScanLine(int row);
    // Bytes from one row to the next (a multiple of four).
    int RowStride() const;

    TCanvas* Canvas();
    HBITMAP Handle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    // Takes over a bitmap handle (DIB section or device bitmap); its pixels move into a DIB section
    // of the same depth and the handle is deleted.
    void SetHandle(HBITMAP value);
    // Gives the handle to the caller; the bitmap keeps its pixels and makes a new handle when needed.
    HBITMAP ReleaseHandle();
    // Frees the GDI handle and its DC, keeping the pixels in memory until the handle is needed.
    void Dormant();
    // Frees the memory copy a dormant bitmap keeps when the handle exists again.
    void FreeImage();

    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) override;
    static bool CanLoadFromStream(TStream& stream);
    // A BITMAP resource of the module; raises EResNotFound when the module has none of that name.
    void LoadFromResourceName(HINSTANCE instance, const String& name);
    void LoadFromResourceID(HINSTANCE instance, int id);

    // The data property holds a 32-bit byte count, then the BMP file.
    void ReadData(TStream& stream) override;
    void WriteData(TStream& stream) override;
    // CF_BITMAP (a copy of the handle) out; CF_BITMAP or CF_DIB in.
    void LoadFromClipboardFormat(Word format, HANDLE data, HPALETTE palette) override;
    void SaveToClipboardFormat(Word& format, HANDLE& data, HPALETTE& palette) override;

protected:
    bool GetEmpty() const override { return FWidth == 0 || FHeight == 0; }
    int GetWidth() const override { return FWidth; }
    int GetHeight() const override { return FHeight; }

private:
    friend class TBitmapCanvas;
    // Replaces the pixels by a new DIB of the size and format, all zero (black, or palette entry 0).
    void Allocate(int width, int height, TPixelFormat format, std::vector<RGBQUAD> palette);
    // Copies the pixels of a bitmap handle we do not own into a new DIB of its format.
    void CopyFromHandle(HBITMAP source);
    void LoadFromResource(HINSTANCE instance, const wchar_t* name, const String& displayName);
    // Exchanges the pixels and their format with another bitmap.
    void SwapImage(TBitmap& other);
    void Wake();
    void FreeHandle();
    void FreeCanvasContext();
    void CanvasChanged(TObject* sender);
    Byte* Bits();

    int FWidth = 0;
    int FHeight = 0;
    TPixelFormat FPixelFormat = pfDevice;
    TAlphaFormat FAlphaFormat = afIgnored;
    TTransparentMode FTransparentMode = tmAuto;
    TColor FTransparentColor = clDefault;
    std::vector<RGBQUAD> FPalette; // indexed formats
    HBITMAP FHandle = nullptr;
    Byte* FBits = nullptr;
    std::vector<Byte> FDormant; // a dormant bitmap's pixels, rows as in the DIB
    std::unique_ptr<TBitmapCanvas> FCanvas;
};

// The canvas of a bitmap: a memory DC with the bitmap selected, made when drawing starts.
class TBitmapCanvas : public TCanvas {
    TAVIN_CLASS(TBitmapCanvas, TCanvas)
public:
    explicit TBitmapCanvas(TBitmap& bitmap) : FBitmap(bitmap) {}
    ~TBitmapCanvas() override { FreeContext(); }
    // Gives up the DC so the bitmap can be replaced or freed.
    void FreeContext();

protected:
    void CreateHandle() override;

private:
    TBitmap& FBitmap;
    HDC FContext = nullptr;
    HGDIOBJ FOldBitmap = nullptr;
};

// A picture kept as the bytes it was loaded from and drawn from their decoded pixels (32 bits,
// premultiplied when the picture has alpha). Saving writes the bytes back unchanged.
class TDecodedGraphic : public TGraphic {
    TAVIN_CLASS(TDecodedGraphic, TGraphic)
public:
    void Draw(TCanvas& canvas, const TRect& r) override;
    void SaveToStream(TStream& stream) override;
    // The decoded picture; null when empty.
    TBitmap* Image() const { return FImage.get(); }

protected:
    bool GetEmpty() const override { return !FImage; }
    int GetWidth() const override;
    int GetHeight() const override;
    bool GetTransparent() const override;
    // A bitmap receives a copy of the decoded picture.
    void AssignTo(TPersistent* dest) const override;

    const std::vector<Byte>& Data() const { return FData; }
    // Takes the file's bytes and its decoded picture, then signals a change.
    void SetDecoded(std::vector<Byte> data, const TPixelImage& image);
    void SetDecoded(std::vector<Byte> data, std::unique_ptr<TBitmap> image);
    // Copies another graphic's bytes and picture (Assign between graphics of one class).
    void CopyDecoded(const TDecodedGraphic& source);
    void ClearDecoded();

private:
    std::vector<Byte> FData;
    std::unique_ptr<TBitmap> FImage;
};

// An icon: drawn with its alpha or mask, saved as an icon file.
class TIcon : public TDecodedGraphic {
    TAVIN_CLASS(TIcon, TDecodedGraphic)
public:
    TIcon() = default;
    ~TIcon() override;

    void Assign(const TPersistent* source) override;
    void LoadFromStream(TStream& stream) override;
    // The icon file as loaded, or a one-picture icon file (PNG-compressed) for a handle.
    void SaveToStream(TStream& stream) override;
    static bool CanLoadFromStream(TStream& stream);

    HICON Handle();
    // Takes over the icon handle.
    void SetHandle(HICON value);
    HICON ReleaseHandle();

protected:
    bool GetTransparent() const override { return true; }

private:
    void DestroyHandle();

    HICON FHandle = nullptr;
};

// An enhanced metafile (old Windows metafiles are converted when loaded).
class TMetafile : public TGraphic {
    TAVIN_CLASS(TMetafile, TGraphic)
public:
    TMetafile() = default;
    ~TMetafile() override;

    void Assign(const TPersistent* source) override;
    void Draw(TCanvas& canvas, const TRect& r) override;
    void LoadFromStream(TStream& stream) override;
    // Writes an enhanced metafile.
    void SaveToStream(TStream& stream) override;
    static bool CanLoadFromStream(TStream& stream);

    HENHMETAFILE Handle() const { return FHandle; }
    // Takes over the metafile handle.
    void SetHandle(HENHMETAFILE value);

protected:
    bool GetEmpty() const override { return FHandle == nullptr; }
    int GetWidth() const override { return FWidth; }
    int GetHeight() const override { return FHeight; }

private:
    void Clear();

    HENHMETAFILE FHandle = nullptr;
    int FWidth = 0;
    int FHeight = 0;
};

TAVIN_ENUM(TWICImageFormat, wifBmp, wifPng, wifJpeg, wifGif, wifTiff, wifWMPhoto, wifOther)

// Any picture the system's imaging component decodes (TIFF and others); keeps the bytes it was
// given and saves them back unchanged.
class TWICImage : public TDecodedGraphic {
    TAVIN_CLASS(TWICImage, TDecodedGraphic)
public:
    void Assign(const TPersistent* source) override;
    // Raises EInvalidGraphic when the imaging component cannot decode the data.
    void LoadFromStream(TStream& stream) override;
    static bool CanLoadFromStream(TStream& stream);

    TWICImageFormat ImageFormat() const { return FImageFormat; }

private:
    TWICImageFormat FImageFormat = wifOther;
};

// ---------------------------------------------------------------------------------------------
// The picture: holds one graphic of any registered class.

class TPicture : public TPersistent {
    TAVIN_CLASS(TPicture, TPersistent)
public:
    using TCanLoadFromStream = bool (*)(TStream& stream);

    TPicture() = default;
    ~TPicture() override;
    TPicture(const TPicture&) = delete;
    TPicture& operator=(const TPicture&) = delete;

    TGraphic* Graphic() const { return FGraphic.get(); }
    // Takes a copy of the graphic (a new one of its class, assigned); null empties the picture.
    void SetGraphic(TGraphic* value);
    // The graphic as a bitmap: replaces any other graphic by an empty bitmap.
    TBitmap* Bitmap();
    void SetBitmap(TBitmap* value) { SetGraphic(value); }
    int Width() const { return FGraphic ? FGraphic->Width() : 0; }
    int Height() const { return FGraphic ? FGraphic->Height() : 0; }

    void Assign(const TPersistent* source) override;

    // By the file's extension. Raises EInvalidGraphic for an extension no class is registered for.
    void LoadFromFile(const String& fileName);
    void SaveToFile(const String& fileName);
    // By the data's content, asking the registered classes in order. Raises EInvalidGraphic
    // "Unsupported stream format" when none takes it.
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream);

    // A graphic class for files with the extension (without the dot, any case). canLoad tells
    // stream loading whether data is of the class's format; without it the class is only chosen
    // by extension and by name.
    static void RegisterFileFormat(const String& extension, const String& description, TGraphicClass graphicClass,
                                   TCanLoadFromStream canLoad);
    template <class T>
    static void RegisterFileFormat(const String& extension, const String& description)
    {
        RegisterFileFormat(extension, description, T::StaticClass(), &T::CanLoadFromStream);
    }
    // Forgets every extension of the class.
    static void UnregisterGraphicClass(TGraphicClass graphicClass);
    // The class registered for the extension, or null.
    static TGraphicClass GraphicClassOfExtension(const String& extension);
    // The class whose registered test takes the data at the stream's position, or null.
    static TGraphicClass GraphicClassOfStream(TStream& stream);
    // The filter for file dialogs: "All (*.bmp;*.png)|*.bmp;*.png|Bitmaps (*.bmp)|*.bmp|...".
    static String GraphicFilter(TGraphicClass graphicClass);

    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent value) { FOnChange = value; }

protected:
    // "Data": one byte holding the length of the class name, the name, then the graphic's data.
    void DefineProperties(TFiler& filer) override;
    void AssignTo(TPersistent* dest) const override;

private:
    void ReadData(TStream& stream);
    void WriteData(TStream& stream);
    void TakeGraphic(std::unique_ptr<TGraphic> graphic);
    void Changed(TObject* sender);

    std::unique_ptr<TGraphic> FGraphic;
    TNotifyEvent FOnChange;
};

// Creates an empty graphic of the class; raises EInvalidGraphic when it is not a graphic class.
std::unique_ptr<TGraphic> CreateGraphic(TGraphicClass graphicClass);

// The unit's start-up step (for the program's TUnitStep table): registers the unit's graphic
// classes with the picture and the class registry.
void InitializeGraphicsUnit();
void FinalizeGraphicsUnit();
