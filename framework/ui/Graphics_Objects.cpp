// Fonts, pens and brushes: properties, lazily made GDI handles, change notification.
#include <algorithm>
#include <utility>

#include "Graphics.h"
#include "WideText.h"

TGraphicsObject::~TGraphicsObject()
{
    if (FOwnsHandle)
        DeleteObject(FHandle);
}

void TGraphicsObject::Changed()
{
    FOnChange(this);
}

void TGraphicsObject::CacheHandle(HGDIOBJ handle, bool owned) const
{
    FHandle = handle;
    FOwnsHandle = owned && handle;
}

void TGraphicsObject::HandleChanged(HGDIOBJ replacement)
{
    HGDIOBJ old = std::exchange(FHandle, replacement);
    const bool owned = std::exchange(FOwnsHandle, replacement != nullptr);
    Changed();
    if (owned)
        DeleteObject(old);
}

// ---------------------------------------------------------------------------------------------
// TFont

namespace {

// The system's resolution is fixed for the process's life; asking the screen for it costs far
// more than making a font, and fonts are made often (each rich caption makes several).
int ScreenPixelsPerInch()
{
    static const int ppi = [] {
        HDC screen = GetDC(nullptr);
        const int value = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        return value > 0 ? value : 96;
    }();
    return ppi;
}

constexpr int DefaultFontSize = 8;

} // namespace

TAVIN_PUBLISHED(TFont)
{
    TAVIN_PROPERTY(TFontCharset, Charset);
    TAVIN_PROPERTY(TColor, Color);
    TAVIN_PROPERTY(int, Height);
    TAVIN_PROPERTY(TFontName, Name);
    TAVIN_PROPERTY(int, Orientation).Default(0);
    TAVIN_PROPERTY(TFontPitch, Pitch).Default(fpDefault);
    TAVIN_PROPERTY(TFontQuality, Quality).Default(fqDefault);
    // Height carries the size in streams; Size follows from it.
    TAVIN_PROPERTY(int, Size).Stored(false);
    TAVIN_PROPERTY(TFontStyles, Style);
}

TFont::TFont()
    : FCharset(DEFAULT_CHARSET), FColor(clWindowText), FName(u"Tahoma"), FPixelsPerInch(ScreenPixelsPerInch())
{
    FHeight = -MulDiv(DefaultFontSize, FPixelsPerInch, 72);
}

void TFont::Assign(const TPersistent* source)
{
    auto* font = dynamic_cast<const TFont*>(source);
    if (!font) {
        TGraphicsObject::Assign(source);
        return;
    }
    FCharset = font->FCharset;
    FColor = font->FColor;
    // A font from a device of another resolution keeps its size in points.
    FHeight = font->FPixelsPerInch == FPixelsPerInch ? font->FHeight
                                                     : -MulDiv(font->Size(), FPixelsPerInch, 72);
    FName = font->FName;
    FOrientation = font->FOrientation;
    FPitch = font->FPitch;
    FQuality = font->FQuality;
    FStyle = font->FStyle;
    HandleChanged();
}

void TFont::SetCharset(TFontCharset value)
{
    if (value != FCharset) {
        FCharset = value;
        HandleChanged();
    }
}

void TFont::SetColor(TColor value)
{
    // The colour is the canvas's text colour, not part of the handle.
    if (value != FColor) {
        FColor = value;
        Changed();
    }
}

void TFont::SetHeight(int value)
{
    if (value != FHeight) {
        FHeight = value;
        HandleChanged();
    }
}

void TFont::SetName(const TFontName& value)
{
    if (!value.empty() && value != FName) {
        FName = value;
        HandleChanged();
    }
}

void TFont::SetOrientation(int value)
{
    if (value != FOrientation) {
        FOrientation = value;
        HandleChanged();
    }
}

void TFont::SetPitch(TFontPitch value)
{
    if (value != FPitch) {
        FPitch = value;
        HandleChanged();
    }
}

void TFont::SetQuality(TFontQuality value)
{
    if (value != FQuality) {
        FQuality = value;
        HandleChanged();
    }
}

int TFont::Size() const
{
    return -MulDiv(FHeight, 72, FPixelsPerInch);
}

void TFont::SetSize(int value)
{
    SetHeight(-MulDiv(value, FPixelsPerInch, 72));
}

void TFont::SetStyle(TFontStyles value)
{
    if (value != FStyle) {
        FStyle = value;
        HandleChanged();
    }
}

HFONT TFont::Handle() const
{
    if (!CachedHandle()) {
        static constexpr BYTE Pitches[] = {DEFAULT_PITCH, VARIABLE_PITCH, FIXED_PITCH};
        static constexpr BYTE Qualities[] = {DEFAULT_QUALITY,     DRAFT_QUALITY,     PROOF_QUALITY,
                                             NONANTIALIASED_QUALITY, ANTIALIASED_QUALITY, CLEARTYPE_QUALITY,
                                             CLEARTYPE_NATURAL_QUALITY};
        LOGFONTW lf{};
        lf.lfHeight = FHeight;
        lf.lfEscapement = FOrientation;
        lf.lfOrientation = FOrientation;
        lf.lfWeight = FStyle.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = FStyle.Contains(fsItalic);
        lf.lfUnderline = FStyle.Contains(fsUnderline);
        lf.lfStrikeOut = FStyle.Contains(fsStrikeOut);
        lf.lfCharSet = FCharset;
        lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
        lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
        lf.lfQuality = Qualities[FQuality];
        lf.lfPitchAndFamily = Pitches[FPitch];
        const size_t length = std::min(FName.size(), static_cast<size_t>(LF_FACESIZE - 1));
        std::copy_n(WidePtr(FName), length, lf.lfFaceName);
        CacheHandle(CreateFontIndirectW(&lf), true);
    }
    return static_cast<HFONT>(CachedHandle());
}

void TFont::SetHandle(HFONT value)
{
    LOGFONTW lf{};
    if (!value || GetObjectW(value, sizeof(lf), &lf) != sizeof(lf))
        throw EInvalidOperation(u"Invalid font handle");
    FHeight = lf.lfHeight;
    FOrientation = lf.lfEscapement;
    FCharset = lf.lfCharSet;
    FName = FromWidePtr(lf.lfFaceName);
    FPitch = (lf.lfPitchAndFamily & 3) == VARIABLE_PITCH ? fpVariable
             : (lf.lfPitchAndFamily & 3) == FIXED_PITCH  ? fpFixed
                                                         : fpDefault;
    static constexpr BYTE Qualities[] = {DEFAULT_QUALITY,     DRAFT_QUALITY,     PROOF_QUALITY,
                                         NONANTIALIASED_QUALITY, ANTIALIASED_QUALITY, CLEARTYPE_QUALITY,
                                         CLEARTYPE_NATURAL_QUALITY};
    const auto quality = std::find(std::begin(Qualities), std::end(Qualities), lf.lfQuality);
    FQuality = quality == std::end(Qualities) ? fqDefault : static_cast<TFontQuality>(quality - std::begin(Qualities));
    FStyle = {};
    if (lf.lfWeight >= FW_BOLD)
        FStyle.Include(fsBold);
    if (lf.lfItalic)
        FStyle.Include(fsItalic);
    if (lf.lfUnderline)
        FStyle.Include(fsUnderline);
    if (lf.lfStrikeOut)
        FStyle.Include(fsStrikeOut);
    HandleChanged(value);
}

// ---------------------------------------------------------------------------------------------
// TPen

TAVIN_PUBLISHED(TPen)
{
    TAVIN_PROPERTY(TColor, Color).Default(clBlack);
    TAVIN_PROPERTY(TPenMode, Mode).Default(pmCopy);
    TAVIN_PROPERTY(TPenStyle, Style).Default(psSolid);
    TAVIN_PROPERTY(int, Width).Default(1);
}

void TPen::Assign(const TPersistent* source)
{
    auto* pen = dynamic_cast<const TPen*>(source);
    if (!pen) {
        TGraphicsObject::Assign(source);
        return;
    }
    FColor = pen->FColor;
    FMode = pen->FMode;
    FStyle = pen->FStyle;
    FWidth = pen->FWidth;
    HandleChanged();
}

void TPen::SetColor(TColor value)
{
    if (value != FColor) {
        FColor = value;
        HandleChanged();
    }
}

void TPen::SetMode(TPenMode value)
{
    // The mode is the canvas's raster operation, not part of the handle.
    if (value != FMode) {
        FMode = value;
        Changed();
    }
}

void TPen::SetStyle(TPenStyle value)
{
    if (value != FStyle) {
        FStyle = value;
        HandleChanged();
    }
}

void TPen::SetWidth(int value)
{
    if (value >= 0 && value != FWidth) {
        FWidth = value;
        HandleChanged();
    }
}

HPEN TPen::Handle() const
{
    if (!CachedHandle()) {
        static constexpr int Styles[] = {PS_SOLID, PS_DASH,       PS_DOT,  PS_DASHDOT,
                                         PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
        CacheHandle(CreatePen(Styles[FStyle], FWidth, static_cast<COLORREF>(ColorToRGB(FColor))), true);
    }
    return static_cast<HPEN>(CachedHandle());
}

// ---------------------------------------------------------------------------------------------
// TBrush

TAVIN_PUBLISHED(TBrush)
{
    TAVIN_PROPERTY(TColor, Color).Default(clWhite);
    TAVIN_PROPERTY(TBrushStyle, Style).Default(bsSolid);
}

void TBrush::Assign(const TPersistent* source)
{
    auto* brush = dynamic_cast<const TBrush*>(source);
    if (!brush) {
        TGraphicsObject::Assign(source);
        return;
    }
    FColor = brush->FColor;
    FStyle = brush->FStyle;
    FBitmap = brush->FBitmap;
    HandleChanged();
}

void TBrush::SetColor(TColor value)
{
    if (value == FColor && FStyle != bsClear)
        return;
    FColor = value;
    if (FStyle == bsClear)
        FStyle = bsSolid;
    HandleChanged();
}

void TBrush::SetStyle(TBrushStyle value)
{
    if (value != FStyle) {
        FStyle = value;
        HandleChanged();
    }
}

void TBrush::SetBitmap(TBitmap* value)
{
    if (value != FBitmap) {
        FBitmap = value;
        HandleChanged();
    }
}

HBRUSH TBrush::Handle() const
{
    if (CachedHandle())
        return static_cast<HBRUSH>(CachedHandle());
    const auto color = static_cast<COLORREF>(ColorToRGB(FColor));
    static constexpr int Hatches[] = {HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL, HS_BDIAGONAL, HS_CROSS, HS_DIAGCROSS};
    if (FBitmap)
        CacheHandle(CreatePatternBrush(FBitmap->Handle()), true);
    else if (FStyle == bsSolid)
        CacheHandle(CreateSolidBrush(color), true);
    else if (FStyle == bsClear)
        CacheHandle(GetStockObject(NULL_BRUSH), false);
    else
        CacheHandle(CreateHatchBrush(Hatches[FStyle - bsHorizontal], color), true);
    return static_cast<HBRUSH>(CachedHandle());
}
