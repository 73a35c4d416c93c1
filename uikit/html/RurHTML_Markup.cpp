// Caption markup: preprocessing of the whole text and the colour and number values of tags.
#include "RurHTML.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <limits>

namespace {

struct EntityRow {
    const Char* Name;
    Char Character;
};

// Rows in the order the engine has always applied them; the reduced edition uses the first 70.
constexpr EntityRow EntityRows[] = {
    {u"&eacute;", u'\u00E9'}, {u"&egrave;", u'\u00E8'}, {u"&euml;", u'\u00EB'},   {u"&ecirc;", u'\u00EA'},
    {u"&oacute;", u'\u00F3'}, {u"&ograve;", u'\u00F2'}, {u"&ouml;", u'\u00F6'},   {u"&ocirc;", u'\u00F4'},
    {u"&iacute;", u'\u00ED'}, {u"&igrave;", u'\u00EC'}, {u"&iuml;", u'\u00EF'},   {u"&icirc;", u'\u00EE'},
    {u"&uacute;", u'\u00FA'}, {u"&ugrave;", u'\u00F9'}, {u"&uuml;", u'\u00FC'},   {u"&ucirc;", u'\u00FB'},
    {u"&aacute;", u'\u00E1'}, {u"&agrave;", u'\u00E0'}, {u"&auml;", u'\u00E4'},   {u"&acirc;", u'\u00E2'},
    {u"&Eacute;", u'\u00C9'}, {u"&Egrave;", u'\u00C8'}, {u"&Euml;", u'\u00CB'},   {u"&Ecirc;", u'\u00CA'},
    {u"&Oacute;", u'\u00D3'}, {u"&Ograve;", u'\u00D2'}, {u"&Ouml;", u'\u00D6'},   {u"&Ocirc;", u'\u00D4'},
    {u"&Iacute;", u'\u00CD'}, {u"&Igrave;", u'\u00CC'}, {u"&Iuml;", u'\u00CF'},   {u"&Icirc;", u'\u00CE'},
    {u"&Uacute;", u'\u00DA'}, {u"&Ugrave;", u'\u00D9'}, {u"&Uuml;", u'\u00DC'},   {u"&Ucirc;", u'\u00DB'},
    {u"&Aacute;", u'\u00C1'}, {u"&Agrave;", u'\u00C0'}, {u"&Auml;", u'\u00C4'},   {u"&Acirc;", u'\u00C2'},
    {u"&ccedil;", u'\u00E7'}, {u"&Ccedil;", u'\u00C7'}, {u"&oslash;", u'\u00F8'}, {u"&Oslash;", u'\u00D8'},
    {u"&aring;", u'\u00E5'},  {u"&Aring;", u'\u00C5'},  {u"&copy;", u'\u00A9'},   {u"&reg;", u'\u00AE'},
    {u"&euro;", u'\u20AC'},   {u"&laquo;", u'\u00AB'},  {u"&raquo;", u'\u00BB'},  {u"&atilde;", u'\u00E3'},
    {u"&Atilde;", u'\u00C3'}, {u"&otilde;", u'\u00F5'}, {u"&Otilde;", u'\u00D5'}, {u"&szlig;", u'\u00DF'},
    {u"&trade;", u'\u2122'},  {u"&pound;", u'\u00A3'},  {u"&dollar;", u'\u0024'}, {u"&sect;", u'\u00A7'},
    {u"&permil;", u'\u2030'}, {u"&para;", u'\u00B6'},   {u"&quot;", u'\u0022'},   {u"&apos;", u'\u0027'},
    {u"&yen;", u'\u00A5'},    {u"&curren;", u'\u00A4'}, {u"&cent;", u'\u00A2'},   {u"&plusmn;", u'\u00B1'},
    {u"&iexcl;", u'\u00A1'},  {u"&deg;", u'\u00B0'},    {u"&ntilde;", u'\u00F1'}, {u"&Ntilde;", u'\u00D1'},
    {u"&frac14;", u'\u00BC'}, {u"&frac12;", u'\u00BD'}, {u"&frac34;", u'\u00BE'},
};
constexpr std::size_t FullEntityRows = std::size(EntityRows);
constexpr std::size_t ReducedEntityRows = 70;
static_assert(FullEntityRows == 75);

struct ColorRow {
    const Char* Name;
    std::uint32_t Value;
};

// System colours are 0xFF000000 plus the system colour index.
constexpr ColorRow ColorRows[] = {
    {u"clred", 0x0000FF},
    {u"clblack", 0x000000},
    {u"clblue", 0xFF0000},
    {u"clgreen", 0x008000},
    {u"claqua", 0xFFFF00},
    {u"clyellow", 0x00FFFF},
    {u"clfuchsia", 0xFF00FF},
    {u"clwhite", 0xFFFFFF},
    {u"cllime", 0x00FF00},
    {u"clsilver", 0xC0C0C0},
    {u"clgray", 0x808080},
    {u"clolive", 0x008080},
    {u"clnavy", 0x800000},
    {u"clpurple", 0x800080},
    {u"clteal", 0x808000},
    {u"clmaroon", 0x000080},
    {u"clgraytext", 0xFF000011},
    {u"clinactivecaptiontext", 0xFF000013},
    {u"cl3ddkshadow", 0xFF000015},
    {u"clinfotext", 0xFF000017},
    {u"clbackground", 0xFF000001},
    {u"clactivecaption", 0xFF000002},
    {u"clinactivecaption", 0xFF000003},
    {u"clmenu", 0xFF000004},
    {u"clwindow", 0xFF000005},
    {u"clwindowframe", 0xFF000006},
    {u"clmenutext", 0xFF000007},
    {u"clwindowtext", 0xFF000008},
    {u"clcaptiontext", 0xFF000009},
    {u"clactiveborder", 0xFF00000A},
    {u"clinactiveborder", 0xFF00000B},
    {u"clappworkspace", 0xFF00000C},
    {u"clhighlight", 0xFF00000D},
    {u"clhighlighttext", 0xFF00000E},
    {u"clbtnface", 0xFF00000F},
    {u"clbtnshadow", 0xFF000010},
    {u"clbtntext", 0xFF000012},
    {u"clbtnhighlight", 0xFF000014},
    {u"cl3dlight", 0xFF000016},
    {u"clinfobk", 0xFF000018},
};

Char AsciiUpper(Char c)
{
    return c >= u'a' && c <= u'z' ? Char(c - 32) : c;
}

Char AsciiLower(Char c)
{
    return c >= u'A' && c <= u'Z' ? Char(c + 32) : c;
}

bool MatchesNoCase(const String& AText, std::size_t APos, const String& APattern)
{
    if (APos + APattern.size() > AText.size())
        return false;
    for (std::size_t k = 0; k < APattern.size(); ++k)
        if (AsciiUpper(AText[APos + k]) != AsciiUpper(APattern[k]))
            return false;
    return true;
}

std::size_t FindNoCase(const String& AText, const String& APattern, std::size_t AFrom)
{
    for (std::size_t i = AFrom; i + APattern.size() <= AText.size(); ++i)
        if (MatchesNoCase(AText, i, APattern))
            return i;
    return String::npos;
}

int HexDigit(Char c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

bool IsDigit(Char c, bool AHex)
{
    return AHex ? HexDigit(c) >= 0 : (c >= u'0' && c <= u'9');
}

void AppendCodePoint(String& AOut, std::uint32_t ACode, THTMLEdition AEdition)
{
    if (ACode < 0x10000) {
        AOut += Char(ACode);
        return;
    }
    const Char high = Char(0xD800 + ((ACode - 0x10000) >> 10));
    const Char low = Char(0xDC00 + ((ACode - 0x10000) & 0x3FF));
    // Colour emoji start at U+1F004; the full edition draws them through its emoji path.
    if (AEdition == THTMLEdition::Full && ACode >= 0x1F004) {
        AOut += u"<J ";
        AOut += high;
        AOut += low;
        AOut += u" >";
        return;
    }
    AOut += high;
    AOut += low;
}

// The numeric reference whose "&" stands at APos: the code point and the length it takes in the
// text; false when it is rejected.
bool ReadNumericReference(const String& AText, std::size_t APos, std::uint32_t& ACode, std::size_t& ALength)
{
    const bool hex = APos + 2 < AText.size() && AText[APos + 2] == u'x';
    const std::size_t digits = APos + (hex ? 3 : 2);
    const std::size_t semicolon = AText.find(u';', APos);
    if (semicolon == String::npos)
        return false;
    std::size_t digitsEnd;
    if (semicolon - APos < 7) {
        digitsEnd = semicolon;
        ALength = semicolon + 1 - APos;
    } else {
        // No ";" close by: the reference ends with the first character after its digits, which
        // is taken as the terminator.
        digitsEnd = digits;
        while (digitsEnd < AText.size() && IsDigit(AText[digitsEnd], hex))
            ++digitsEnd;
        if (digitsEnd >= AText.size())
            return false;
        ALength = digitsEnd + 1 - APos;
    }
    if (digitsEnd <= digits || digitsEnd - digits > 6)
        return false;
    std::uint32_t value = 0;
    for (std::size_t i = digits; i < digitsEnd; ++i) {
        if (!IsDigit(AText[i], hex))
            return false;
        value = value * (hex ? 16 : 10) + std::uint32_t(HexDigit(AText[i]));
    }
    // Beyond the last code point there is nothing to show, and no surrogate pair to make.
    if (value > 0x10FFFF)
        return false;
    ACode = value;
    return true;
}

} // namespace

bool ReplaceFirstNoCase(const String& APattern, const String& AReplacement, String& AText)
{
    if (APattern.empty())
        return false;
    const std::size_t at = FindNoCase(AText, APattern, 0);
    if (at == String::npos)
        return false;
    AText.replace(at, APattern.size(), AReplacement);
    return true;
}

String DecodeNamedEntities(const String& AText, THTMLEdition AEdition)
{
    // Names are matched with their own case, so "&Eacute;" keeps its capital whatever else the
    // text holds. A replacement is one character that no name contains, so one pass per row
    // leaves nothing for a second one.
    const std::size_t rows = AEdition == THTMLEdition::Full ? FullEntityRows : ReducedEntityRows;
    String text = AText;
    for (std::size_t row = 0; row < rows; ++row) {
        const std::u16string_view name(EntityRows[row].Name);
        std::size_t at = text.find(name);
        if (at == String::npos)
            continue;
        String out;
        out.reserve(text.size());
        std::size_t from = 0;
        while (at != String::npos) {
            out.append(text, from, at - from);
            out += EntityRows[row].Character;
            from = at + name.size();
            at = text.find(name, from);
        }
        out.append(text, from);
        text = std::move(out);
    }
    return text;
}

String StripHashMarkers(const String& AText)
{
    // Each "<#" loses its "<" and the first ">" after it. A ">" dropped right after a "<" that is
    // followed by "#" makes that "<" a marker of its own.
    String out;
    out.reserve(AText.size());
    std::size_t pending = 0;
    for (std::size_t i = 0; i < AText.size(); ++i) {
        const Char c = AText[i];
        if (c == u'<' && i + 1 < AText.size() && AText[i + 1] == u'#') {
            ++pending;
            continue;
        }
        if (c == u'>' && pending > 0) {
            --pending;
            if (!out.empty() && out.back() == u'<' && i + 1 < AText.size() && AText[i + 1] == u'#') {
                out.pop_back();
                ++pending;
            }
            continue;
        }
        out += c;
    }
    return out;
}

String StripFirstHashMarker(const String& AText)
{
    String text = AText;
    const std::size_t at = text.find(u"<#");
    if (at == String::npos)
        return text;
    text.erase(at, 1);
    const std::size_t close = text.find(u'>', at);
    if (close != String::npos)
        text.erase(close, 1);
    return text;
}

String DecodeNumericReferences(const String& AText, THTMLEdition AEdition)
{
    String out;
    out.reserve(AText.size());
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = AText.find(u"&#", from);
        if (at == String::npos)
            break;
        // "&&" is an escaped ampersand: after an even run of them, "#" is plain text. The scan
        // goes on past it, so later references still decode.
        std::size_t run = 0;
        while (run < at && AText[at - 1 - run] == u'&')
            ++run;
        std::uint32_t code = 0;
        std::size_t length = 0;
        if (run % 2 == 1 || !ReadNumericReference(AText, at, code, length)) {
            out.append(AText, from, at + 2 - from);
            from = at + 2;
            continue;
        }
        out.append(AText, from, at - from);
        AppendCodePoint(out, code, AEdition);
        from = at + length;
    }
    out.append(AText, from);
    return out;
}

String ConvertLineBreaks(const String& AText, bool ACrAsBreak)
{
    String out;
    out.reserve(AText.size());
    for (Char c : AText) {
        if (c == u'\n')
            continue;
        if (c == u'\r') {
            if (ACrAsBreak)
                out += u"<BR>";
            continue;
        }
        out += c;
    }
    return out;
}

THTMLPreparedText PrepareHTMLText(const String& AText, THTMLEdition AEdition)
{
    THTMLPreparedText result;
    result.NoPrefix = AText.find(u" & ") != String::npos;
    String text = AText;
    if (text.find(u'&') != String::npos) {
        text = DecodeNamedEntities(text, AEdition);
        // Until none is left: "&amp;amp;" ends as three ampersands, as it always has.
        const String amp = u"&amp;";
        std::size_t from = 0;
        for (;;) {
            const std::size_t at = FindNoCase(text, amp, from);
            if (at == String::npos)
                break;
            text.replace(at, amp.size(), u"&&");
            from = at >= amp.size() - 1 ? at - (amp.size() - 1) : 0;
        }
    }
    text = StripHashMarkers(text);
    text = DecodeNumericReferences(text, AEdition);
    result.Text = ConvertLineBreaks(text, true);
    return result;
}

String PrepareFirstMarkerText(const String& AText, String (*ADecodeNamed)(const String&))
{
    // A placeholder keeps escaped ampersands out of the numeric references.
    const String placeholder = u"&xx;";
    String text = AText;
    if (text.find(u'&') != String::npos) {
        text = ADecodeNamed(text);
        while (ReplaceFirstNoCase(u"&amp;", placeholder, text)) {
        }
    }
    text = DecodeNumericReferences(text, THTMLEdition::Full);
    text = StripFirstHashMarker(text);
    text = ConvertLineBreaks(text, true);
    for (std::size_t at = text.find(placeholder); at != String::npos; at = text.find(placeholder, at + 1))
        text.replace(at, placeholder.size(), u"&");
    return text;
}

TColor ColorFromName(const String& AName)
{
    for (const ColorRow& row : ColorRows)
        if (AName == row.Name)
            return TColor(row.Value);
    return 0;
}

TColor ColorFromHex(const String& AValue)
{
    auto byteAt = [&AValue](std::size_t APos) {
        int value = 0;
        for (std::size_t i = APos; i < APos + 2; ++i) {
            const int digit = i < AValue.size() ? HexDigit(AValue[i]) : -1;
            value = value * 16 + std::max(digit, 0);
        }
        return value;
    };
    return TColor(byteAt(1) | (byteAt(3) << 8) | (byteAt(5) << 16));
}

TColor HTMLColorValue(const String& AValue)
{
    if (!AValue.empty() && AValue[0] == u'#')
        return ColorFromHex(AValue);
    String lower(AValue.size(), u'\0');
    std::transform(AValue.begin(), AValue.end(), lower.begin(), AsciiLower);
    return ColorFromName(lower);
}

int HTMLIntegerValue(const String& AValue)
{
    std::size_t i = 0;
    while (i < AValue.size() && AValue[i] == u' ')
        ++i;
    bool negative = false;
    if (i < AValue.size() && (AValue[i] == u'-' || AValue[i] == u'+'))
        negative = AValue[i++] == u'-';
    bool hex = false;
    if (i < AValue.size() && AValue[i] == u'$') {
        hex = true;
        ++i;
    } else if (i + 1 < AValue.size() && AValue[i] == u'0' && (AValue[i + 1] == u'x' || AValue[i + 1] == u'X')) {
        hex = true;
        i += 2;
    }
    constexpr std::int64_t limit = std::int64_t(std::numeric_limits<int>::max()) + 1;
    std::int64_t value = 0;
    for (; i < AValue.size() && IsDigit(AValue[i], hex); ++i)
        value = std::min(value * (hex ? 16 : 10) + HexDigit(AValue[i]), limit);
    value = negative ? -value : std::min(value, limit - 1);
    return int(value);
}

double HTMLRealValue(const String& AValue)
{
    // Read by hand: the C runtime's conversion follows the process locale's separator.
    std::size_t i = 0;
    while (i < AValue.size() && AValue[i] == u' ')
        ++i;
    bool negative = false;
    if (i < AValue.size() && (AValue[i] == u'-' || AValue[i] == u'+'))
        negative = AValue[i++] == u'-';
    double value = 0;
    for (; i < AValue.size() && IsDigit(AValue[i], false) && value < 1e15; ++i)
        value = value * 10 + (AValue[i] - u'0');
    if (i < AValue.size() && (AValue[i] == u'.' || AValue[i] == u',')) {
        double unit = 0.1;
        for (++i; i < AValue.size() && IsDigit(AValue[i], false); ++i, unit /= 10)
            value += (AValue[i] - u'0') * unit;
    }
    return negative ? -value : value;
}
