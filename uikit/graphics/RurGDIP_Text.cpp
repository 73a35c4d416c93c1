// String formats, font families and fonts of the statically imported wrapper set.
#include "RurGDIPFlat.h"

namespace RurGDIP {

namespace {

// Longest family name GDI+ hands out, terminating zero included.
constexpr int FamilyNameSize = LF_FACESIZE;

TGPFontFamily* GenericSansSerifFamily = nullptr;
TGPFontFamily* GenericSerifFamily = nullptr;
TGPFontFamily* GenericMonospaceFamily = nullptr;

TGPFontFamily* GenericFamily(TGPFontFamily*& cache, TStatus(WINAPI* get)(GpFontFamily**))
{
    if (!cache) {
        GpFontFamily* native = nullptr;
        TStatus status = get(&native);
        cache = new TGPFontFamily(native, status);
    }
    return cache;
}

void FreeFamily(TGPFontFamily*& family)
{
    delete family;
    family = nullptr;
}

} // namespace

// ---- TGPStringFormat -----------------------------------------------------------------------------

TGPStringFormat::TGPStringFormat(int formatFlags, LANGID language)
{
    lastResult = GdipCreateStringFormat(formatFlags, language, &nativeFormat);
}

TGPStringFormat::TGPStringFormat(const TGPStringFormat* format)
{
    lastResult = GdipCloneStringFormat(format ? format->nativeFormat : nullptr, &nativeFormat);
}

TGPStringFormat::TGPStringFormat(GpStringFormat* clonedStringFormat, TStatus status) : nativeFormat(clonedStringFormat)
{
    lastResult = status;
}

TGPStringFormat::~TGPStringFormat() { GdipDeleteStringFormat(nativeFormat); }

TStatus TGPStringFormat::SetAlignment(StringAlignment align)
{
    return SetStatus(GdipSetStringFormatAlign(nativeFormat, align));
}

StringAlignment TGPStringFormat::GetAlignment()
{
    StringAlignment align{};
    SetStatus(GdipGetStringFormatAlign(nativeFormat, &align));
    return align;
}

TStatus TGPStringFormat::SetLineAlignment(StringAlignment align)
{
    return SetStatus(GdipSetStringFormatLineAlign(nativeFormat, align));
}

StringAlignment TGPStringFormat::GetLineAlignment()
{
    StringAlignment align{};
    SetStatus(GdipGetStringFormatLineAlign(nativeFormat, &align));
    return align;
}

TStatus TGPStringFormat::SetFormatFlags(int flags) { return SetStatus(GdipSetStringFormatFlags(nativeFormat, flags)); }

int TGPStringFormat::GetFormatFlags()
{
    int flags = 0;
    SetStatus(GdipGetStringFormatFlags(nativeFormat, &flags));
    return flags;
}

TStatus TGPStringFormat::SetTrimming(StringTrimming trimming)
{
    return SetStatus(GdipSetStringFormatTrimming(nativeFormat, trimming));
}

StringTrimming TGPStringFormat::GetTrimming()
{
    StringTrimming trimming{};
    SetStatus(GdipGetStringFormatTrimming(nativeFormat, &trimming));
    return trimming;
}

TStatus TGPStringFormat::SetHotkeyPrefix(HotkeyPrefix hotkeyPrefix)
{
    return SetStatus(GdipSetStringFormatHotkeyPrefix(nativeFormat, hotkeyPrefix));
}

HotkeyPrefix TGPStringFormat::GetHotkeyPrefix()
{
    int prefix = 0;
    SetStatus(GdipGetStringFormatHotkeyPrefix(nativeFormat, &prefix));
    return HotkeyPrefix(prefix);
}

// ---- TGPFontFamily -------------------------------------------------------------------------------

TGPFontFamily::TGPFontFamily(const String& name, const TGPFontCollection* fontCollection)
{
    lastResult = GdipCreateFontFamilyFromName(WideText(name),
                                              fontCollection ? fontCollection->NativeFontCollection() : nullptr,
                                              &nativeFamily);
}

TGPFontFamily::TGPFontFamily(GpFontFamily* nativeOrig, TStatus status) : nativeFamily(nativeOrig) { lastResult = status; }

TGPFontFamily::~TGPFontFamily() { GdipDeleteFontFamily(nativeFamily); }

TStatus TGPFontFamily::GetFamilyName(String& name, LANGID language)
{
    // A failed call leaves the buffer as it was: start it empty so a failure names nothing.
    WCHAR buffer[FamilyNameSize] = {};
    TStatus status = SetStatus(GdipGetFamilyName(nativeFamily, buffer, language));
    buffer[FamilyNameSize - 1] = 0;
    name = status == Ok ? String(reinterpret_cast<const char16_t*>(buffer)) : String();
    return status;
}

TGPFontFamily* TGPFontFamily::GenericSansSerif()
{
    return GenericFamily(GenericSansSerifFamily, GdipGetGenericFontFamilySansSerif);
}

TGPFontFamily* TGPFontFamily::GenericSerif() { return GenericFamily(GenericSerifFamily, GdipGetGenericFontFamilySerif); }

TGPFontFamily* TGPFontFamily::GenericMonospace()
{
    return GenericFamily(GenericMonospaceFamily, GdipGetGenericFontFamilyMonospace);
}

void TGPFontFamily::FreeGenericFamilies()
{
    FreeFamily(GenericSansSerifFamily);
    FreeFamily(GenericSerifFamily);
    FreeFamily(GenericMonospaceFamily);
}

// ---- TGPFont -------------------------------------------------------------------------------------

TGPFont::TGPFont(const TGPFontFamily* family, float emSize, int style, Unit_ unit)
{
    lastResult = GdipCreateFont(NativeOf(family), emSize, style, unit, &nativeFont);
}

TGPFont::TGPFont(const String& familyName, float emSize, TFontStyles style, Unit_ unit,
                 const TGPFontCollection* fontCollection)
{
    int styleBits = FontStyleBits(style);
    TGPFontFamily family(familyName, fontCollection);
    lastResult = GdipCreateFont(family.NativeFamily(), emSize, styleBits, unit, &nativeFont);
    if (lastResult != Ok)
        lastResult = GdipCreateFont(TGPFontFamily::GenericSansSerif()->NativeFamily(), emSize, styleBits, unit, &nativeFont);
}

TGPFont::TGPFont(GpFont* font, TStatus status) : nativeFont(font) { lastResult = status; }

TGPFont::~TGPFont() { GdipDeleteFont(nativeFont); }

int TGPFont::GetStyle()
{
    int style = 0;
    SetStatus(GdipGetFontStyle(nativeFont, &style));
    return style;
}

float TGPFont::GetSize()
{
    float size = 0;
    SetStatus(GdipGetFontSize(nativeFont, &size));
    return size;
}

TStatus TGPFont::GetFamily(TGPFontFamily* family)
{
    if (!family)
        return SetStatus(InvalidParameter);
    GpFontFamily* native = nullptr;
    TStatus status = GdipGetFamily(nativeFont, &native);
    if (status == Ok) {
        // The family owns what GDI+ hands out; a handle it held before goes first.
        GdipDeleteFontFamily(family->nativeFamily);
        family->nativeFamily = native;
    }
    family->SetStatus(status);
    return SetStatus(status);
}

} // namespace RurGDIP
