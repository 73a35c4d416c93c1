#include "RurJSONEscape.h"

namespace RurJSONEscape {

namespace {

const char HexDigits[] = "0123456789ABCDEF";

// Writes the six characters of "\\uXXXX" at target.
char* PutUnicodeEscape(char* target, unsigned code)
{
    *target++ = '\\';
    *target++ = 'u';
    *target++ = HexDigits[(code >> 12) & 0xF];
    *target++ = HexDigits[(code >> 8) & 0xF];
    *target++ = HexDigits[(code >> 4) & 0xF];
    *target++ = HexDigits[code & 0xF];
    return target;
}

bool IsInEscapeTable(Char c)
{
    return c == u'"' || c == u'\\' || c == u'\b' || c == u'\f' || c == u'\n' || c == u'\r' || c == u'\t';
}

constexpr std::size_t EscapeLength = 6;

} // namespace

void AppendEscaped(std::string& out, const Char* text, std::size_t length)
{
    // Room for the worst case, every code unit escaped, written through a pointer and then trimmed:
    // no capacity check per character.
    const std::size_t start = out.size();
    out.resize(start + EscapeLength * length);
    char* const first = out.data() + start;
    char* target = first;
    for (std::size_t i = 0; i < length; ++i) {
        const Char c = text[i];
        if (c < 128 && !IsInEscapeTable(c))
            *target++ = char(c);
        else
            target = PutUnicodeEscape(target, c);
    }
    out.resize(start + std::size_t(target - first));
}

void RaiseUnexpectedEnd()
{
    throw Exception(u"Unexpected end of string");
}

void RaiseInvalidCode(std::size_t position)
{
    throw Exception(Format(u"Invalid code at position %s", {IntToStr(Int64(position))}));
}

} // namespace RurJSONEscape
