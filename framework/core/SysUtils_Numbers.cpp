#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <memory>
#include <optional>

#include "FloatDecimal.h"
#include "SysUtils.h"

String IntToStr(Int64 value)
{
    const std::string digits = std::to_string(value);
    return String(digits.begin(), digits.end());
}

String SysUtilsDetail::HexOfBits(UInt64 bits, int digits)
{
    String out;
    do {
        out.insert(out.begin(), u"0123456789ABCDEF"[bits & 0xF]);
        bits >>= 4;
    } while (bits != 0);
    if (static_cast<int>(out.size()) < digits)
        out.insert(0, static_cast<size_t>(digits) - out.size(), u'0');
    return out;
}

namespace {

// Parses an integer of `bits` width (32 or 64); nullopt for bad text or a value out of range.
std::optional<Int64> ParseInteger(const String& s, int bits)
{
    size_t i = 0;
    while (i < s.size() && s[i] == u' ')
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == u'-' || s[i] == u'+'))
        negative = s[i++] == u'-';
    int base = 10;
    if (i < s.size() && (s[i] == u'$' || s[i] == u'x' || s[i] == u'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < s.size() && s[i] == u'0' && (s[i + 1] == u'x' || s[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i >= s.size())
        return std::nullopt;
    // Decimal text is limited by the signed range, hexadecimal text by the unsigned one.
    const UInt64 limit = base == 16 ? (bits == 32 ? 0xFFFFFFFFull : ~0ull)
                                    : (bits == 32 ? 0x7FFFFFFFull : 0x7FFFFFFFFFFFFFFFull) + (negative ? 1 : 0);
    UInt64 magnitude = 0;
    for (; i < s.size(); ++i) {
        const int digit = base == 16 ? HexDigitValue(s[i]) : (s[i] >= u'0' && s[i] <= u'9' ? s[i] - u'0' : -1);
        if (digit < 0 || magnitude > (limit - static_cast<UInt64>(digit)) / static_cast<UInt64>(base))
            return std::nullopt;
        magnitude = magnitude * static_cast<UInt64>(base) + static_cast<UInt64>(digit);
    }
    if (negative)
        magnitude = 0 - magnitude;
    return bits == 32 ? static_cast<Int64>(static_cast<std::int32_t>(static_cast<std::uint32_t>(magnitude)))
                      : static_cast<Int64>(magnitude);
}

[[noreturn]] void NotAnInteger(const String& s)
{
    throw EConvertError(u"'" + s + u"' is not a valid integer value");
}

// Whether [first, last) spells `word` (lower case), ignoring ASCII case.
template <class CharT>
bool SameAscii(const CharT* first, const CharT* last, const char* word)
{
    for (; *word; ++word, ++first)
        if (first == last || (*first | 0x20) != *word)
            return false;
    return first == last;
}

// One template for UTF-16 texts and for byte texts (the JSON reader's number buffer), so both
// follow the same rules and neither is copied into the other's form first.
template <class CharT>
std::optional<double> ParseFloat(const CharT* first, const CharT* last, const TFormatSettings& settings)
{
    while (first != last && *first <= 32)
        ++first;
    while (last != first && last[-1] <= 32)
        --last;
    if (SameAscii(first, last, "nan"))
        return std::numeric_limits<double>::quiet_NaN();
    if (SameAscii(first, last, "inf") || SameAscii(first, last, "+inf"))
        return std::numeric_limits<double>::infinity();
    if (SameAscii(first, last, "-inf"))
        return -std::numeric_limits<double>::infinity();
    // Validate against the settings' separator and hand the runtime a plain C number, which is never
    // longer than the text; short ones (nearly all) stay on the stack.
    const std::size_t length = static_cast<std::size_t>(last - first);
    char onStack[64];
    std::unique_ptr<char[]> onHeap(length < sizeof onStack ? nullptr : new char[length + 1]);
    char* const plain = onHeap ? onHeap.get() : onStack;
    char* out = plain;
    const CharT* i = first;
    if (i != last && (*i == u'-' || *i == u'+')) {
        if (*i == u'-')
            *out++ = '-';
        ++i;
    }
    std::size_t mantissaDigits = 0;
    bool point = false;
    for (; i != last; ++i) {
        if (*i >= u'0' && *i <= u'9') {
            *out++ = static_cast<char>(*i);
            ++mantissaDigits;
        } else if (static_cast<Char>(*i) == settings.DecimalSeparator && !point) {
            *out++ = '.';
            point = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i != last && (*i == u'e' || *i == u'E')) {
        *out++ = 'e';
        ++i;
        if (i != last && (*i == u'-' || *i == u'+'))
            *out++ = static_cast<char>(*i++);
        const CharT* const exponentStart = i;
        while (i != last && *i >= u'0' && *i <= u'9')
            *out++ = static_cast<char>(*i++);
        if (i == exponentStart)
            return std::nullopt;
    }
    if (i != last)
        return std::nullopt;
    *out = 0;
    double value = 0;
    const auto result = std::from_chars(plain, out, value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too small gives zero or a denormal; too large is an error.
        value = std::strtod(plain, nullptr);
        if (std::isinf(value))
            return std::nullopt;
    } else if (result.ec != std::errc() || result.ptr != out) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> ParseFloat(const String& text, const TFormatSettings& settings)
{
    return ParseFloat(text.data(), text.data() + text.size(), settings);
}

} // namespace

int StrToInt(const String& s)
{
    const auto v = ParseInteger(s, 32);
    if (!v)
        NotAnInteger(s);
    return static_cast<int>(*v);
}

Int64 StrToInt64(const String& s)
{
    const auto v = ParseInteger(s, 64);
    if (!v)
        NotAnInteger(s);
    return *v;
}

bool TryStrToInt(const String& s, int& value)
{
    const auto v = ParseInteger(s, 32);
    if (v)
        value = static_cast<int>(*v);
    return v.has_value();
}

bool TryStrToInt64(const String& s, Int64& value)
{
    const auto v = ParseInteger(s, 64);
    if (v)
        value = *v;
    return v.has_value();
}

int StrToIntDef(const String& s, int defaultValue)
{
    return static_cast<int>(ParseInteger(s, 32).value_or(defaultValue));
}

Int64 StrToInt64Def(const String& s, Int64 defaultValue)
{
    return ParseInteger(s, 64).value_or(defaultValue);
}

String FloatToStr(double value, const TFormatSettings& settings)
{
    const String special = FloatDecimal::SpecialText(value);
    if (!special.empty())
        return special;
    return FloatDecimal::GeneralText(FloatDecimal::Significant(value, 15), 15, settings.DecimalSeparator);
}

double StrToFloat(const String& s, const TFormatSettings& settings)
{
    const auto v = ParseFloat(s, settings);
    if (!v)
        throw EConvertError(u"'" + s + u"' is not a valid floating point value");
    return *v;
}

bool TryStrToFloat(const String& s, double& value, const TFormatSettings& settings)
{
    const auto v = ParseFloat(s, settings);
    if (v)
        value = *v;
    return v.has_value();
}

bool TryStrToFloat(const char* text, std::size_t length, double& value, const TFormatSettings& settings)
{
    const auto* const bytes = reinterpret_cast<const unsigned char*>(text); // bytes from 128 up are not blanks
    const auto v = ParseFloat(bytes, bytes + length, settings);
    if (v)
        value = *v;
    return v.has_value();
}

double StrToFloatDef(const String& s, double defaultValue, const TFormatSettings& settings)
{
    return ParseFloat(s, settings).value_or(defaultValue);
}
