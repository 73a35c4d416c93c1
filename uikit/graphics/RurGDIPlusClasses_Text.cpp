// String format, font family, font and font collection wrappers, with the cached generic objects.
#include "RurGDIPlusClasses.h"

#include <array>
#include <memory>
#include <new>

namespace RurGDIPlusClasses {

using enum GdipEntry;

namespace {

TGPFontFamily* GenericSansSerifFamily = nullptr;
TGPFontFamily* GenericSerifFamily = nullptr;
TGPFontFamily* GenericMonospaceFamily = nullptr;
TGPStringFormat* GenericTypographicFormat = nullptr;
TGPStringFormat* GenericDefaultFormat = nullptr;

template <class T>
void FreeAndNil(T*& object)
{
    delete object;
    object = nullptr;
}

} // namespace

void FreeGenericObjects()
{
    FreeAndNil(GenericSansSerifFamily);
    FreeAndNil(GenericSerifFamily);
    FreeAndNil(GenericMonospaceFamily);
    FreeAndNil(GenericTypographicFormat);
    FreeAndNil(GenericDefaultFormat);
}

// ---- TGPStringFormat ------------------------------------------------------------------------------------

TGPStringFormat::TGPStringFormat(int32_t formatFlags, LANGID language)
{
    lastError = GdipCall(GdipCreateStringFormat, formatFlags, language, &nativeFormat);
}

TGPStringFormat::TGPStringFormat(TGPStringFormat* format)
{
    lastError = GdipCall(GdipCloneStringFormat, TGPHandles::Of(format), &nativeFormat);
}

TGPStringFormat::TGPStringFormat(void* nativeFormat, Status status) : nativeFormat(nativeFormat), lastError(status) {}

TGPStringFormat::~TGPStringFormat() { GdipCall(GdipDeleteStringFormat, nativeFormat); }

TGPStringFormat* TGPStringFormat::GenericDefault()
{
    if (!GenericDefaultFormat) {
        GenericDefaultFormat = new TGPStringFormat(nullptr, Ok);
        GenericDefaultFormat->lastError =
            GdipCall(GdipStringFormatGetGenericDefault, &GenericDefaultFormat->nativeFormat);
    }
    return GenericDefaultFormat;
}

TGPStringFormat* TGPStringFormat::GenericTypographic()
{
    if (!GenericTypographicFormat) {
        GenericTypographicFormat = new TGPStringFormat(nullptr, Ok);
        GenericTypographicFormat->lastError =
            GdipCall(GdipStringFormatGetGenericTypographic, &GenericTypographicFormat->nativeFormat);
    }
    return GenericTypographicFormat;
}

TGPStringFormat* TGPStringFormat::Clone()
{
    void* copy = nullptr;
    lastError = GdipCall(GdipCloneStringFormat, nativeFormat, &copy);
    if (lastError != Ok)
        return nullptr;
    return new TGPStringFormat(copy, Ok);
}

Status TGPStringFormat::SetFormatFlags(int32_t flags) { return SetStatus(GdipCall(GdipSetStringFormatFlags, nativeFormat, flags)); }

int32_t TGPStringFormat::GetFormatFlags()
{
    int32_t flags = 0;
    if (SetStatus(GdipCall(GdipGetStringFormatFlags, nativeFormat, &flags)) != Ok)
        return 0;
    return flags;
}

Status TGPStringFormat::SetAlignment(StringAlignment align) { return SetStatus(GdipCall(GdipSetStringFormatAlign, nativeFormat, align)); }

StringAlignment TGPStringFormat::GetAlignment()
{
    StringAlignment align = StringAlignmentNear;
    SetStatus(GdipCall(GdipGetStringFormatAlign, nativeFormat, &align));
    return align;
}

Status TGPStringFormat::SetLineAlignment(StringAlignment align)
{
    return SetStatus(GdipCall(GdipSetStringFormatLineAlign, nativeFormat, align));
}

StringAlignment TGPStringFormat::GetLineAlignment()
{
    StringAlignment align = StringAlignmentNear;
    SetStatus(GdipCall(GdipGetStringFormatLineAlign, nativeFormat, &align));
    return align;
}

Status TGPStringFormat::SetHotkeyPrefix(HotkeyPrefix hotkeyPrefix)
{
    return SetStatus(GdipCall(GdipSetStringFormatHotkeyPrefix, nativeFormat, hotkeyPrefix));
}

HotkeyPrefix TGPStringFormat::GetHotkeyPrefix()
{
    HotkeyPrefix prefix = HotkeyPrefixNone;
    SetStatus(GdipCall(GdipGetStringFormatHotkeyPrefix, nativeFormat, &prefix));
    return prefix;
}

Status TGPStringFormat::SetTabStops(float firstTabOffset, int32_t count, const float* tabStops)
{
    return SetStatus(GdipCall(GdipSetStringFormatTabStops, nativeFormat, firstTabOffset, count, tabStops));
}

int32_t TGPStringFormat::GetTabStopCount()
{
    int32_t count = 0;
    SetStatus(GdipCall(GdipGetStringFormatTabStopCount, nativeFormat, &count));
    return count;
}

Status TGPStringFormat::GetTabStops(int32_t count, float* firstTabOffset, float* tabStops)
{
    return SetStatus(GdipCall(GdipGetStringFormatTabStops, nativeFormat, count, firstTabOffset, tabStops));
}

Status TGPStringFormat::SetDigitSubstitution(LANGID language, StringDigitSubstitute substitute)
{
    return SetStatus(GdipCall(GdipSetStringFormatDigitSubstitution, nativeFormat, language, substitute));
}

LANGID TGPStringFormat::GetDigitSubstitutionLanguage()
{
    LANGID language = 0;
    SetStatus(GdipCall(GdipGetStringFormatDigitSubstitution, nativeFormat, &language,
                       static_cast<StringDigitSubstitute*>(nullptr)));
    return language;
}

StringDigitSubstitute TGPStringFormat::GetDigitSubstitutionMethod()
{
    StringDigitSubstitute method = StringDigitSubstituteUser;
    SetStatus(GdipCall(GdipGetStringFormatDigitSubstitution, nativeFormat, static_cast<LANGID*>(nullptr), &method));
    return method;
}

Status TGPStringFormat::SetTrimming(StringTrimming trimming)
{
    return SetStatus(GdipCall(GdipSetStringFormatTrimming, nativeFormat, trimming));
}

StringTrimming TGPStringFormat::GetTrimming()
{
    StringTrimming trimming = StringTrimmingNone;
    SetStatus(GdipCall(GdipGetStringFormatTrimming, nativeFormat, &trimming));
    return trimming;
}

Status TGPStringFormat::SetMeasurableCharacterRanges(int32_t rangeCount, const CharacterRange* ranges)
{
    return SetStatus(GdipCall(GdipSetStringFormatMeasurableCharacterRanges, nativeFormat, rangeCount, ranges));
}

int32_t TGPStringFormat::GetMeasurableCharacterRangeCount()
{
    int32_t count = 0;
    SetStatus(GdipCall(GdipGetStringFormatMeasurableCharacterRangeCount, nativeFormat, &count));
    return count;
}

// ---- TGPFontFamily --------------------------------------------------------------------------------------

TGPFontFamily::TGPFontFamily(const String& name, TGPFontCollection* fontCollection)
{
    lastResult = GdipCall(GdipCreateFontFamilyFromName, name.c_str(), TGPHandles::Of(fontCollection), &nativeFamily);
}

TGPFontFamily::TGPFontFamily(void* nativeOrig, Status status) : nativeFamily(nativeOrig), lastResult(status) {}

TGPFontFamily::~TGPFontFamily() { GdipCall(GdipDeleteFontFamily, nativeFamily); }

namespace {

TGPFontFamily* GenericFamily(TGPFontFamily*& cache, GdipEntry entry)
{
    if (!cache) {
        void* handle = nullptr;
        Status status = GdipCall(entry, &handle);
        cache = new TGPFontFamily(handle, status);
    }
    return cache;
}

} // namespace

TGPFontFamily* TGPFontFamily::GenericSansSerif() { return GenericFamily(GenericSansSerifFamily, GdipGetGenericFontFamilySansSerif); }
TGPFontFamily* TGPFontFamily::GenericSerif() { return GenericFamily(GenericSerifFamily, GdipGetGenericFontFamilySerif); }
TGPFontFamily* TGPFontFamily::GenericMonospace() { return GenericFamily(GenericMonospaceFamily, GdipGetGenericFontFamilyMonospace); }

Status TGPFontFamily::GetFamilyName(String& name, LANGID language)
{
    std::array<Char, LF_FACESIZE> buffer{}; // the platform writes at most this many units, NUL included
    name.clear();
    Status status = SetStatus(GdipCall(GdipGetFamilyName, nativeFamily, buffer.data(), language));
    if (status == Ok)
        name.assign(buffer.data());
    return status;
}

TGPFontFamily* TGPFontFamily::Clone()
{
    void* copy = nullptr;
    SetStatus(GdipCall(GdipCloneFontFamily, nativeFamily, &copy));
    return new TGPFontFamily(copy, lastResult);
}

bool TGPFontFamily::IsStyleAvailable(int32_t style)
{
    BOOL result = FALSE;
    if (SetStatus(GdipCall(GdipIsStyleAvailable, nativeFamily, style, &result)) != Ok)
        return false;
    return result;
}

uint16_t TGPFontFamily::GetEmHeight(int32_t style)
{
    uint16_t value = 0;
    SetStatus(GdipCall(GdipGetEmHeight, nativeFamily, style, &value));
    return value;
}

uint16_t TGPFontFamily::GetCellAscent(int32_t style)
{
    uint16_t value = 0;
    SetStatus(GdipCall(GdipGetCellAscent, nativeFamily, style, &value));
    return value;
}

uint16_t TGPFontFamily::GetCellDescent(int32_t style)
{
    uint16_t value = 0;
    SetStatus(GdipCall(GdipGetCellDescent, nativeFamily, style, &value));
    return value;
}

uint16_t TGPFontFamily::GetLineSpacing(int32_t style)
{
    uint16_t value = 0;
    SetStatus(GdipCall(GdipGetLineSpacing, nativeFamily, style, &value));
    return value;
}

// ---- TGPFont --------------------------------------------------------------------------------------------

TGPFont::TGPFont(HDC hdc) { lastResult = GdipCall(GdipCreateFontFromDC, hdc, &nativeFont); }

TGPFont::TGPFont(HDC hdc, const LOGFONTA* logfont)
{
    lastResult = logfont ? GdipCall(GdipCreateFontFromLogfontA, hdc, logfont, &nativeFont)
                         : GdipCall(GdipCreateFontFromDC, hdc, &nativeFont);
}

TGPFont::TGPFont(HDC hdc, const LOGFONTW* logfont)
{
    lastResult = logfont ? GdipCall(GdipCreateFontFromLogfontW, hdc, logfont, &nativeFont)
                         : GdipCall(GdipCreateFontFromDC, hdc, &nativeFont);
}

TGPFont::TGPFont(HDC hdc, HFONT hfont)
{
    LOGFONTA logfont{};
    if (hfont && GetObjectA(hfont, sizeof(logfont), &logfont))
        lastResult = GdipCall(GdipCreateFontFromLogfontA, hdc, &logfont, &nativeFont);
    else
        lastResult = GdipCall(GdipCreateFontFromDC, hdc, &nativeFont);
}

TGPFont::TGPFont(TGPFontFamily* family, float emSize, int32_t style, Unit_ unit_)
{
    lastResult = GdipCall(GdipCreateFont, TGPHandles::Of(family), emSize, style, unit_, &nativeFont);
}

TGPFont::TGPFont(const String& familyName, float emSize, int32_t style, Unit_ unit_, TGPFontCollection* fontCollection)
{
    std::unique_ptr<TGPFontFamily> named(new TGPFontFamily(familyName, fontCollection));
    void* family = TGPHandles::Of(named.get());
    lastResult = named->GetLastStatus();
    if (lastResult != Ok) {
        TGPFontFamily* generic = TGPFontFamily::GenericSansSerif();
        family = TGPHandles::Of(generic);
        lastResult = TGPHandles::LastStatus(generic);
        if (lastResult != Ok)
            return;
    }
    lastResult = GdipCall(GdipCreateFont, family, emSize, style, unit_, &nativeFont);
    if (lastResult != Ok) {
        TGPFontFamily* generic = TGPFontFamily::GenericSansSerif();
        lastResult = TGPHandles::LastStatus(generic);
        if (lastResult == Ok)
            lastResult = GdipCall(GdipCreateFont, TGPHandles::Of(generic), emSize, style, unit_, &nativeFont);
    }
}

TGPFont::TGPFont(void* font, Status status) : nativeFont(font), lastResult(status) {}

TGPFont::~TGPFont() { GdipCall(GdipDeleteFont, nativeFont); }

Status TGPFont::GetLogFontA(TGPGraphics* g, LOGFONTA& logfontA)
{
    return SetStatus(GdipCall(GdipGetLogFontA, nativeFont, TGPHandles::Of(g), &logfontA));
}

Status TGPFont::GetLogFontW(TGPGraphics* g, LOGFONTW& logfontW)
{
    return SetStatus(GdipCall(GdipGetLogFontW, nativeFont, TGPHandles::Of(g), &logfontW));
}

TGPFont* TGPFont::Clone()
{
    void* copy = nullptr;
    SetStatus(GdipCall(GdipCloneFont, nativeFont, &copy));
    return new TGPFont(copy, lastResult);
}

int32_t TGPFont::GetStyle()
{
    int32_t style = 0;
    if (SetStatus(GdipCall(GdipGetFontStyle, nativeFont, &style)) != Ok)
        return 0;
    return style;
}

float TGPFont::GetSize()
{
    float size = 0;
    if (SetStatus(GdipCall(GdipGetFontSize, nativeFont, &size)) != Ok)
        return 0;
    return size;
}

Unit_ TGPFont::GetUnit()
{
    Unit_ unit = UnitWorld;
    if (SetStatus(GdipCall(GdipGetFontUnit, nativeFont, &unit)) != Ok)
        return UnitWorld;
    return unit;
}

float TGPFont::GetHeight(TGPGraphics* graphics)
{
    float height = 0;
    if (SetStatus(GdipCall(GdipGetFontHeight, nativeFont, TGPHandles::Of(graphics), &height)) != Ok)
        return 0;
    return height;
}

float TGPFont::GetHeight(float dpi)
{
    float height = 0;
    if (SetStatus(GdipCall(GdipGetFontHeightGivenDPI, nativeFont, dpi, &height)) != Ok)
        return 0;
    return height;
}

Status TGPFont::GetFamily(TGPFontFamily* family)
{
    if (!family)
        return SetStatus(InvalidParameter);
    Status status = RecordStatus(TGPHandles::LastStatus(family), GdipCall(GdipGetFamily, nativeFont, TGPHandles::Slot(family)));
    return SetStatus(status);
}

// ---- TGPFontCollection ----------------------------------------------------------------------------------

int32_t TGPFontCollection::GetFamilyCount()
{
    int32_t count = 0;
    lastResult = GdipCall(GdipGetFontCollectionFamilyCount, nativeFontCollection, &count);
    return lastResult == Ok ? count : 0;
}

Status TGPFontCollection::GetFamilies(int32_t numSought, const std::vector<TGPFontFamily*>& gpfamilies,
                                      int32_t& numFound)
{
    // More families sought than wrappers given would let the copies run past the caller's list.
    if (numSought < 1 || gpfamilies.empty() || size_t(numSought) > gpfamilies.size())
        return RecordStatus(lastResult, InvalidParameter);
    numFound = 0;
    std::unique_ptr<void*[]> handles(new (std::nothrow) void*[numSought]());
    if (!handles)
        return RecordStatus(lastResult, OutOfMemory);
    Status status = RecordStatus(lastResult, GdipCall(GdipGetFontCollectionFamilyList, nativeFontCollection, numSought,
                                                      handles.get(), &numFound));
    if (status == Ok)
        for (int32_t i = 0; i < numFound && i < numSought; ++i)
            GdipCall(GdipCloneFontFamily, handles[i], TGPHandles::Slot(gpfamilies[size_t(i)]));
    return status;
}

} // namespace RurGDIPlusClasses
