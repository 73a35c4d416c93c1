#include "SysUtils.h"

#include <algorithm>

TFormatSettings FormatSettings;

Exception::Exception(String message) : FMessage(std::move(message)), FUtf8(ToUtf8(FMessage)) {}

void Abort()
{
    throw EAbort(u"Operation aborted");
}

String TVarRec::AsString() const
{
    switch (FKind) {
    case vtString: return *FString;
    case vtPChar: return FPChar ? String(FPChar) : String();
    case vtChar: return String(1, FChar);
    default: return String();
    }
}

String Trim(const String& s)
{
    return TrimLeft(TrimRight(s));
}

String TrimLeft(const String& s)
{
    size_t first = 0;
    while (first < s.size() && s[first] <= 32)
        ++first;
    return s.substr(first);
}

String TrimRight(const String& s)
{
    size_t last = s.size();
    while (last > 0 && s[last - 1] <= 32)
        --last;
    return s.substr(0, last);
}

int Pos(const String& sub, const String& s, int offset)
{
    if (sub.empty() || offset < 1 || static_cast<size_t>(offset) > s.size())
        return 0;
    const size_t at = s.find(sub, static_cast<size_t>(offset - 1));
    return at == String::npos ? 0 : static_cast<int>(at) + 1;
}

namespace {

Char AsciiUpper(Char c)
{
    return c >= u'a' && c <= u'z' ? static_cast<Char>(c - 32) : c;
}

Char AsciiLower(Char c)
{
    return c >= u'A' && c <= u'Z' ? static_cast<Char>(c + 32) : c;
}

// Ranges of lower-case letters whose upper case lies at a fixed distance below.
struct TCaseRange {
    Char First, Last;
    int Delta;
};
constexpr TCaseRange ShiftedRanges[] = {
    {u'a', u'z', 32},           {0x00E0, 0x00F6, 32}, {0x00F8, 0x00FE, 32}, {0x03B1, 0x03C1, 32},
    {0x03C3, 0x03CB, 32},       {0x0430, 0x044F, 32}, {0x0450, 0x045F, 80}, {0x0561, 0x0586, 48},
    {0xFF41, 0xFF5A, 32},
};
// Ranges where an upper-case letter (even or odd, as given) is followed by its lower case.
struct TPairRange {
    Char First, Last;
};
constexpr TPairRange PairedRanges[] = {
    {0x0100, 0x012F}, {0x0132, 0x0137}, {0x0139, 0x0148}, {0x014A, 0x0177}, {0x0179, 0x017E},
    {0x0460, 0x0481}, {0x048A, 0x04BF}, {0x04C1, 0x04CE}, {0x04D0, 0x052F}, {0x1E00, 0x1E95},
    {0x1EA0, 0x1EFF},
};

Char UnicodeUpper(Char c)
{
    for (const auto& r : ShiftedRanges)
        if (c >= r.First && c <= r.Last)
            return static_cast<Char>(c - r.Delta);
    for (const auto& r : PairedRanges)
        if (c > r.First && c <= r.Last && (c - r.First) % 2 == 1)
            return static_cast<Char>(c - 1);
    return c == 0x00FF ? Char(0x0178) : c;
}

Char UnicodeLower(Char c)
{
    for (const auto& r : ShiftedRanges)
        if (c >= r.First - r.Delta && c <= r.Last - r.Delta)
            return static_cast<Char>(c + r.Delta);
    for (const auto& r : PairedRanges)
        if (c >= r.First && c < r.Last && (c - r.First) % 2 == 0)
            return static_cast<Char>(c + 1);
    return c == 0x0178 ? Char(0x00FF) : c;
}

template <class Map>
String MapChars(const String& s, Map map)
{
    String out(s);
    std::transform(out.begin(), out.end(), out.begin(), map);
    return out;
}

} // namespace

String UpperCase(const String& s)
{
    return MapChars(s, AsciiUpper);
}

String LowerCase(const String& s)
{
    return MapChars(s, AsciiLower);
}

String AnsiUpperCase(const String& s)
{
    return MapChars(s, UnicodeUpper);
}

String AnsiLowerCase(const String& s)
{
    return MapChars(s, UnicodeLower);
}

int CompareText(const String& a, const String& b)
{
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const int d = static_cast<int>(AsciiUpper(a[i])) - static_cast<int>(AsciiUpper(b[i]));
        if (d != 0)
            return d;
    }
    return static_cast<int>(a.size()) - static_cast<int>(b.size());
}

bool SameText(const String& a, const String& b)
{
    return a.size() == b.size() && CompareText(a, b) == 0;
}

String ExtractFileExt(const String& fileName)
{
    const size_t dot = fileName.find_last_of(u'.');
    const size_t separator = fileName.find_last_of(u"\\/:");
    if (dot == String::npos || (separator != String::npos && separator > dot))
        return String();
    return fileName.substr(dot);
}

String StringReplace(const String& s, const String& oldPattern, const String& newPattern, TReplaceFlags flags)
{
    if (oldPattern.empty())
        return s;
    const bool ignoreCase = flags.Contains(rfIgnoreCase);
    // Case mapping is one code unit to one, so positions in the folded text are positions in s.
    const String haystack = ignoreCase ? AnsiUpperCase(s) : s;
    const String needle = ignoreCase ? AnsiUpperCase(oldPattern) : oldPattern;
    String out;
    size_t from = 0;
    while (true) {
        const size_t at = haystack.find(needle, from);
        if (at == String::npos)
            break;
        out.append(s, from, at - from).append(newPattern);
        from = at + needle.size();
        if (!flags.Contains(rfReplaceAll))
            break;
    }
    return out.append(s, from, String::npos);
}
