#include "RurJSONEscape.h"

namespace RurJSONEscape {

namespace {

const char HexDigits[] = "0123456789ABCDEF";

void AppendUnicodeEscape(std::string& out, unsigned code)
{
    const char escape[6] = {'\\', 'u', HexDigits[(code >> 12) & 0xF], HexDigits[(code >> 8) & 0xF],
                            HexDigits[(code >> 4) & 0xF], HexDigits[code & 0xF]};
    out.append(escape, sizeof escape);
}

bool IsInEscapeTable(Char c)
{
    return c == u'"' || c == u'\\' || c == u'\b' || c == u'\f' || c == u'\n' || c == u'\r' || c == u'\t';
}

} // namespace

void AppendEscaped(std::string& out, const Char* text, std::size_t length)
{
    out.reserve(out.size() + length);
    for (std::size_t i = 0; i < length; ++i) {
        const Char c = text[i];
        if (c < 128 && !IsInEscapeTable(c))
            out.push_back(char(c));
        else
            AppendUnicodeEscape(out, c);
    }
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
