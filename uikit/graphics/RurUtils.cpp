// TRurUtils: search and replace, markup, JSON string escapes, numeric helpers and paths.
#include "RurUtils.h"

#include <cmath>
#include <iterator>

#include "Classes.h"
#include "RurJSONEscape.h"
#include "Streaming.h"

namespace {

struct MarkupRow {
    Char Character;
    const Char* Text;
};

// Rows 0 to 3 carry their entity names without the ampersand; 61/66 and 62/68 repeat on purpose.
constexpr MarkupRow MarkupTable[] = {
    {u'\u0026', u"amp;"},     {u'\u003C', u"lt;"},       {u'\u003E', u"gt;"},       {u'\u0022', u"quot;"},
    {u'\u0020', u"&nbsp;"},   {u'\u00E9', u"&eacute;"},  {u'\u00E8', u"&egrave;"},  {u'\u00EB', u"&euml;"},
    {u'\u00EA', u"&ecirc;"},  {u'\u00F3', u"&oacute;"},  {u'\u00F2', u"&ograve;"},  {u'\u00F6', u"&ouml;"},
    {u'\u00F4', u"&ocirc;"},  {u'\u00ED', u"&iacute;"},  {u'\u00EC', u"&igrave;"},  {u'\u00EF', u"&iuml;"},
    {u'\u00EE', u"&icirc;"},  {u'\u00FA', u"&uacute;"},  {u'\u00F9', u"&ugrave;"},  {u'\u00FC', u"&uuml;"},
    {u'\u00FB', u"&ucirc;"},  {u'\u00E1', u"&aacute;"},  {u'\u00E0', u"&agrave;"},  {u'\u00E4', u"&auml;"},
    {u'\u00E2', u"&acirc;"},  {u'\u00C9', u"&Eacute;"},  {u'\u00C8', u"&Egrave;"},  {u'\u00CB', u"&Euml;"},
    {u'\u00CA', u"&Ecirc;"},  {u'\u00D3', u"&Oacute;"},  {u'\u00D2', u"&Ograve;"},  {u'\u00D6', u"&Ouml;"},
    {u'\u00D4', u"&Ocirc;"},  {u'\u00CD', u"&Iacute;"},  {u'\u00CC', u"&Igrave;"},  {u'\u00CF', u"&Iuml;"},
    {u'\u00CE', u"&Icirc;"},  {u'\u00DA', u"&Uacute;"},  {u'\u00D9', u"&Ugrave;"},  {u'\u00DC', u"&Uuml;"},
    {u'\u00DB', u"&Ucirc;"},  {u'\u00C1', u"&Aacute;"},  {u'\u00C0', u"&Agrave;"},  {u'\u00C4', u"&Auml;"},
    {u'\u00C2', u"&Acirc;"},  {u'\u00E7', u"&ccedil;"},  {u'\u00C7', u"&Ccedil;"},  {u'\u00F8', u"&oslash;"},
    {u'\u00D8', u"&Oslash;"}, {u'\u00E5', u"&aring;"},   {u'\u00C5', u"&Aring;"},   {u'\u00A9', u"&copy;"},
    {u'\u00AE', u"&reg;"},    {u'\u20AC', u"&euro;"},    {u'\u00AB', u"&laquo;"},   {u'\u00BB', u"&raquo;"},
    {u'\u00E3', u"&atilde;"}, {u'\u00C3', u"&Atilde;"},  {u'\u00F5', u"&otilde;"},  {u'\u00D5', u"&Otilde;"},
    {u'\u2122', u"&trade;"},  {u'\u00A7', u"&sect;"},    {u'\u00B6', u"&para;"},    {u'\u00DF', u"&szlig;"},
    {u'\u00A3', u"&pound;"},  {u'\u0024', u"&#36;"},     {u'\u00A7', u"&sect;"},    {u'\u2030', u"&permil;"},
    {u'\u00B6', u"&para;"},   {u'\u0027', u"&#39;"},     {u'\u00A5', u"&yen;"},     {u'\u00A4', u"&curren;"},
    {u'\u00A2', u"&cent;"},   {u'\u00B1', u"&plusmn;"},  {u'\u00A1', u"&iexcl;"},   {u'\u00B0', u"&deg;"},
    {u'\u00FD', u"&#x00FD;"}, {u'\u00DD', u"&#221;"},    {u'\u00BC', u"&frac14;"},  {u'\u00BD', u"&frac12;"},
    {u'\u00BE', u"&frac34;"}, {u'\u00C6', u"&AElig;"},   {u'\u00E6', u"&aelig;"},   {u'\u00D1', u"&Ntilde;"},
    {u'\u00F1', u"&ntilde;"}, {u'\u00D0', u"&ETH;"},
};
constexpr int MarkupRowCount = int(std::size(MarkupTable));
static_assert(MarkupRowCount == 86);
// The special-character passes start after the ampersand, less-than and greater-than rows.
constexpr int FirstSpecialRow = 3;

Char AsciiUpper(Char c)
{
    return c >= u'a' && c <= u'z' ? Char(c - 32) : c;
}

std::size_t Find(const String& s, const String& search, std::size_t from, bool ignoreCase)
{
    if (!ignoreCase)
        return s.find(search, from);
    const String upper = UpperCase(search);
    for (std::size_t i = from; i + search.size() <= s.size(); ++i) {
        std::size_t k = 0;
        while (k < upper.size() && AsciiUpper(s[i + k]) == upper[k])
            ++k;
        if (k == upper.size())
            return i;
    }
    return String::npos;
}

// Replaces the first occurrence again and again until none is left. Earlier text holds no
// occurrence, so each new search resumes where a match could straddle the last replacement.
// The replacement must not contain the search text.
String ReplaceUntilGone(String s, const String& search, const String& replacement, bool ignoreCase)
{
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = Find(s, search, from, ignoreCase);
        if (at == String::npos)
            return s;
        s.replace(at, search.size(), replacement);
        from = at >= search.size() - 1 ? at - (search.size() - 1) : 0;
    }
}

} // namespace

int TRurUtils::IPos(const String& su, const String& s)
{
    if (su.empty())
        return 0;
    const std::size_t at = Find(s, su, 0, true);
    return at == String::npos ? 0 : int(at) + 1;
}

int TRurUtils::VarPos(const String& ASubValue, const String& AValue, int& AResult)
{
    const std::size_t at = ASubValue.empty() ? String::npos : AValue.find(ASubValue);
    AResult = at == String::npos ? 0 : int(at) + 1;
    return AResult;
}

int TRurUtils::VarPosNoCase(const String& ASubValue, const String& AValue, int& AResult)
{
    AResult = IPos(ASubValue, AValue);
    return AResult;
}

Char TRurUtils::CharInStr(const String& s, int Index)
{
    return Index >= 1 && std::size_t(Index) <= s.size() ? s[std::size_t(Index) - 1] : Char(0);
}

bool TRurUtils::TagReplaceString(const String& Srch, const String& Repl, String& Dest)
{
    const int at = IPos(Srch, Dest);
    if (at == 0)
        return false;
    Dest.replace(std::size_t(at) - 1, Srch.size(), Repl);
    return true;
}

String TRurUtils::FixMarkup(const String& su, bool SpecialChars)
{
    // A literal "*amp;" in the text ends as "&amp;" too: the two passes cannot tell it apart.
    String s = ReplaceUntilGone(su, u"&", u"*amp;", true);
    s = ReplaceUntilGone(s, u"*amp;", u"&amp;", true);
    s = ReplaceUntilGone(s, u"\"", u"&quot;", true);
    s = ReplaceUntilGone(s, u"<", u"&lt;", true);
    s = ReplaceUntilGone(s, u">", u"&gt;", true);
    if (!SpecialChars)
        return s;
    for (int row = FirstSpecialRow; row < MarkupRowCount; ++row)
        s = ReplaceUntilGone(s, String(1, MarkupTable[row].Character), MarkupTable[row].Text, true);
    String result;
    result.reserve(s.size());
    for (Char c : s) {
        if (c <= 256)
            result += c;
        else
            result += u"&#" + IntToStr(c) + u";";
    }
    return result;
}

String TRurUtils::UnFixMarkup(const String& su, bool SpecialChars, bool SpecialCharsOnly)
{
    String s = su;
    if (!SpecialCharsOnly) {
        // The order matters: "&amp;lt;" ends as "&lt;", while "&amp;amp;" ends as "&".
        s = ReplaceUntilGone(s, u"&lt;", u"<", false);
        s = ReplaceUntilGone(s, u"&gt;", u">", false);
        s = ReplaceUntilGone(s, u"&amp;", u"&", false);
        s = ReplaceUntilGone(s, u"&quot;", u"\"", false);
    }
    if (SpecialChars)
        for (int row = FirstSpecialRow; row < MarkupRowCount; ++row)
            s = ReplaceUntilGone(s, MarkupTable[row].Text, String(1, MarkupTable[row].Character), false);
    return s;
}

int TRurUtils::GetMarkupIndex(const String& Markup)
{
    static const std::vector<String> texts = [] {
        std::vector<String> all;
        for (const MarkupRow& row : MarkupTable)
            all.emplace_back(row.Text);
        return all;
    }();
    return IndexOfTextInArray(Markup, texts);
}

String TRurUtils::GetSpecialChar(int Value)
{
    if (Value < 1 || Value > MarkupRowCount)
        return String();
    return String(1, MarkupTable[Value - 1].Character);
}

int TRurUtils::IndexOfTextInArray(const String& AText, const std::vector<String>& AValues)
{
    // Accented entity names differ only in case ("&eacute;" and "&Eacute;"): those must match exactly.
    static const Char* const accentWords[] = {u"cute", u"grave", u"uml", u"circ", u"tilde", u"ring", u"cedil"};
    bool exact = false;
    for (const Char* word : accentWords)
        exact = exact || AText.find(word) != String::npos;
    for (std::size_t i = 0; i < AValues.size(); ++i)
        if (exact ? AValues[i] == AText : SameText(AValues[i], AText))
            return int(i);
    return -1;
}

String TRurUtils::HTMLStrip(const String& AHTML)
{
    String s = ReplaceUntilGone(AHTML, u"<BR>", u"\r\n", true);
    s = ReplaceUntilGone(s, u"<HR>", u"\r\n", true);
    String result;
    result.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        const std::size_t open = s.find(u'<', i);
        if (open == String::npos) {
            result.append(s, i);
            break;
        }
        const std::size_t close = s.find(u'>', open);
        if (close == String::npos) {
            result.append(s, i);
            break;
        }
        result.append(s, i, open - i);
        i = close + 1;
    }
    return result;
}

bool TRurUtils::IsHTML(const String& AValue)
{
    return AValue.find(u"</") != String::npos || AValue.find(u"/>") != String::npos ||
           IPos(u"<BR>", AValue) > 0;
}

bool TRurUtils::IsHTMLUnicode(const String& AValue)
{
    return IsHTML(AValue);
}

void TRurUtils::Split(Char ADelimiter, const String& AInput, TStrings& AStrings, bool AClearEmptyStrings)
{
    AStrings.Clear();
    AStrings.SetDelimiter(ADelimiter);
    AStrings.SetStrictDelimiter(true);
    AStrings.SetDelimitedText(AInput);
    if (AClearEmptyStrings)
        for (int i = AStrings.Count() - 1; i >= 0; --i)
            if (AStrings.Strings(i).empty())
                AStrings.Delete(i);
}

String TRurUtils::EscapeString(const String& AValue)
{
    std::string ascii;
    ascii.reserve(AValue.size());
    RurJSONEscape::AppendEscaped(ascii, AValue.data(), AValue.size());
    return String(ascii.begin(), ascii.end());
}

String TRurUtils::UnescapeString(const String& AValue)
{
    String result(AValue.size(), u'\0');
    result.resize(RurJSONEscape::UnescapeInto(result.data(), AValue.data(), AValue.size()));
    return result;
}

int TRurUtils::MulDivInt(int nNumber, int nNumerator, int nDenominator)
{
    if (nDenominator == 0)
        return -1;
    const double quotient = double(Int64(nNumber) * nNumerator) / nDenominator;
    // Halves away from zero, as the Win32 MulDiv does (not the framework's banker's Round). The
    // quotient's magnitude is at most 2^62, so it fits in 64 bits; a result beyond 32 bits wraps
    // as the platform's Integer assignment does.
    const Int64 rounded = std::llround(quotient);
    return int(std::uint32_t(std::uint64_t(rounded)));
}

float TRurUtils::MulDivSingle(float nNumber, float nNumerator, float nDenominator)
{
    if (nDenominator == 0)
        return -1;
    return nNumber * nNumerator / nDenominator;
}

String TRurUtils::EnDeCrypt(const String& AValue)
{
    String result(AValue.size(), u'\0');
    for (std::size_t i = 0; i < AValue.size(); ++i) {
        const unsigned b = AValue[i] & 0xFF;
        result[i] = Char((b & 0xE0) + ((b & 0x1F) ^ 5));
    }
    return result;
}

TComponent* TRurUtils::Clone(TComponent* AComponent)
{
    // Written without its name, so that the copy is not named like the original; the name comes
    // back also when writing fails.
    const String name = AComponent->Name();
    AComponent->SetName(String());
    TMemoryStream stream;
    try {
        WriteComponentToStream(stream, AComponent);
    } catch (...) {
        AComponent->SetName(name);
        throw;
    }
    AComponent->SetName(name);
    stream.SetPosition(0);
    return ReadComponentFromStream(stream, nullptr);
}

String TRurUtils::AddBackslash(const String& AValue)
{
    return AValue.empty() || AValue.back() == u'\\' ? AValue : AValue + u'\\';
}

String TRurUtils::AddForwardslash(const String& AValue)
{
    return AValue.empty() || AValue.back() == u'/' ? AValue : AValue + u'/';
}
