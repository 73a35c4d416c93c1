// Font families, fonts and string formats.
#include "FwGdiPlus.h"
#include "WideText.h"

namespace fwgdip {

TGPFontFamily::TGPFontFamily(const String& name)
{
    Check(GdipCreateFontFamilyFromName(WidePtr(name), nullptr, &FNative));
}

TGPFontFamily::~TGPFontFamily() { Attach(nullptr); }

void TGPFontFamily::Attach(GpFontFamily* native)
{
    if (FNative)
        GdipDeleteFontFamily(FNative);
    FNative = native;
}

std::unique_ptr<TGPFontFamily> TGPFontFamily::Generic(GpStatus(WINGDIPAPI* get)(GpFontFamily**))
{
    auto family = std::make_unique<TGPFontFamily>();
    GpFontFamily* native = nullptr;
    family->Check(get(&native));
    family->Attach(native);
    return family;
}

std::unique_ptr<TGPFontFamily> TGPFontFamily::GenericSansSerif() { return Generic(&GdipGetGenericFontFamilySansSerif); }
std::unique_ptr<TGPFontFamily> TGPFontFamily::GenericSerif() { return Generic(&GdipGetGenericFontFamilySerif); }
std::unique_ptr<TGPFontFamily> TGPFontFamily::GenericMonospace() { return Generic(&GdipGetGenericFontFamilyMonospace); }

String TGPFontFamily::GetFamilyName(LANGID language) const
{
    WCHAR name[LF_FACESIZE] = {};
    if (Check(GdipGetFamilyName(FNative, name, language)) != Ok)
        return String();
    return FromWidePtr(name);
}

bool TGPFontFamily::IsStyleAvailable(INT style) const
{
    BOOL result = FALSE;
    Check(GdipIsStyleAvailable(FNative, style, &result));
    return result != FALSE;
}

TGPFont::TGPFont(HDC dc) { Check(GdipCreateFontFromDC(dc, &FNative)); }

TGPFont::TGPFont(HDC dc, HFONT font)
{
    LOGFONTW logFont{};
    if (font && GetObjectW(font, sizeof(logFont), &logFont) == sizeof(logFont))
        Check(GdipCreateFontFromLogfontW(dc, &logFont, &FNative));
    else
        Check(GdipCreateFontFromDC(dc, &FNative));
}

TGPFont::TGPFont(HDC dc, const LOGFONTW& logFont) { Check(GdipCreateFontFromLogfontW(dc, &logFont, &FNative)); }

TGPFont::TGPFont(const String& familyName, REAL emSize, INT style, Unit unit)
{
    TGPFontFamily family(familyName);
    // An unknown family name gives the generic sans-serif family, as the platform's own classes do.
    auto fallback = family.IsAvailable() ? nullptr : TGPFontFamily::GenericSansSerif();
    Check(GdipCreateFont((fallback ? *fallback : family).Native(), emSize, style, unit, &FNative));
}

TGPFont::TGPFont(const TGPFontFamily& family, REAL emSize, INT style, Unit unit)
{
    Check(GdipCreateFont(family.Native(), emSize, style, unit, &FNative));
}

TGPFont::~TGPFont()
{
    if (FNative)
        GdipDeleteFont(FNative);
}

std::unique_ptr<TGPFont> TGPFont::Clone() const
{
    std::unique_ptr<TGPFont> copy(new TGPFont());
    Check(GdipCloneFont(FNative, &copy->FNative));
    return copy;
}

REAL TGPFont::GetSize() const
{
    REAL size = 0;
    Check(GdipGetFontSize(FNative, &size));
    return size;
}

INT TGPFont::GetStyle() const
{
    INT style = 0;
    Check(GdipGetFontStyle(FNative, &style));
    return style;
}

Unit TGPFont::GetUnit() const
{
    Unit unit = UnitPixel;
    Check(GdipGetFontUnit(FNative, &unit));
    return unit;
}

REAL TGPFont::GetHeight(REAL dpi) const
{
    REAL height = 0;
    Check(GdipGetFontHeightGivenDPI(FNative, dpi, &height));
    return height;
}

TStatus TGPFont::GetFamily(TGPFontFamily& family) const
{
    GpFontFamily* native = nullptr;
    TStatus status = Check(GdipGetFamily(FNative, &native));
    GpFontFamily* owned = nullptr;
    // The font's family belongs to the font: the caller gets its own copy.
    if (status == Ok)
        status = Check(GdipCloneFontFamily(native, &owned));
    family.Attach(owned);
    return status;
}

TStatus TGPFont::GetLogFontW(HDC dc, LOGFONTW& logFont) const
{
    GpGraphics* graphics = nullptr;
    TStatus status = Check(GdipCreateFromHDC(dc, &graphics));
    if (status == Ok)
        status = Check(GdipGetLogFontW(FNative, graphics, &logFont));
    if (graphics)
        GdipDeleteGraphics(graphics);
    return status;
}

TGPStringFormat::TGPStringFormat(INT formatFlags, LANGID language)
{
    Check(GdipCreateStringFormat(formatFlags, language, &FNative));
}

TGPStringFormat::~TGPStringFormat()
{
    if (FNative)
        GdipDeleteStringFormat(FNative);
}

namespace {

// The generic formats are shared by the platform: each caller gets its own copy.
std::unique_ptr<TGPStringFormat> CloneOf(GpStatus(WINGDIPAPI* get)(GpStringFormat**))
{
    GpStringFormat* shared = nullptr;
    GpStringFormat* copy = nullptr;
    if (get(&shared) == Ok)
        GdipCloneStringFormat(shared, &copy);
    return copy ? TGPStringFormat::Adopt(copy) : std::make_unique<TGPStringFormat>();
}

} // namespace

std::unique_ptr<TGPStringFormat> TGPStringFormat::Adopt(GpStringFormat* native)
{
    return std::unique_ptr<TGPStringFormat>(new TGPStringFormat(native, TAdopt{}));
}

std::unique_ptr<TGPStringFormat> TGPStringFormat::GenericDefault() { return CloneOf(&GdipStringFormatGetGenericDefault); }
std::unique_ptr<TGPStringFormat> TGPStringFormat::GenericTypographic() { return CloneOf(&GdipStringFormatGetGenericTypographic); }

std::unique_ptr<TGPStringFormat> TGPStringFormat::Clone() const
{
    GpStringFormat* copy = nullptr;
    Check(GdipCloneStringFormat(FNative, &copy));
    return Adopt(copy);
}

TStatus TGPStringFormat::SetFormatFlags(INT flags) { return Check(GdipSetStringFormatFlags(FNative, flags)); }

INT TGPStringFormat::GetFormatFlags() const
{
    INT flags = 0;
    Check(GdipGetStringFormatFlags(FNative, &flags));
    return flags;
}

TStatus TGPStringFormat::SetAlignment(StringAlignment align) { return Check(GdipSetStringFormatAlign(FNative, align)); }

StringAlignment TGPStringFormat::GetAlignment() const
{
    StringAlignment align = StringAlignmentNear;
    Check(GdipGetStringFormatAlign(FNative, &align));
    return align;
}

TStatus TGPStringFormat::SetLineAlignment(StringAlignment align)
{
    return Check(GdipSetStringFormatLineAlign(FNative, align));
}

StringAlignment TGPStringFormat::GetLineAlignment() const
{
    StringAlignment align = StringAlignmentNear;
    Check(GdipGetStringFormatLineAlign(FNative, &align));
    return align;
}

TStatus TGPStringFormat::SetHotkeyPrefix(HotkeyPrefix prefix)
{
    return Check(GdipSetStringFormatHotkeyPrefix(FNative, INT(prefix)));
}

HotkeyPrefix TGPStringFormat::GetHotkeyPrefix() const
{
    INT prefix = HotkeyPrefixNone;
    Check(GdipGetStringFormatHotkeyPrefix(FNative, &prefix));
    return HotkeyPrefix(prefix);
}

TStatus TGPStringFormat::SetTrimming(StringTrimming trimming)
{
    return Check(GdipSetStringFormatTrimming(FNative, trimming));
}

StringTrimming TGPStringFormat::GetTrimming() const
{
    StringTrimming trimming = StringTrimmingNone;
    Check(GdipGetStringFormatTrimming(FNative, &trimming));
    return trimming;
}

} // namespace fwgdip
