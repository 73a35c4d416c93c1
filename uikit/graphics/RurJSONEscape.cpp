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
    std::size_t i = 0;
    while (i < length) {
        std::size_t run = i;
        while (run < length && text[run] < 128 && !IsInEscapeTable(text[run]))
            ++run;
        out.append(text + i, text + run);
        if (run == length)
            return;
        AppendUnicodeEscape(out, text[run]);
        i = run + 1;
    }
}

void RaiseUnexpectedEnd()
{
    throw Exception(u"Unexpected end of string");
}

void RaiseInvalidCode(std::size_t position)
{
    const std::string digits = std::to_string(position);
    throw Exception(u"Invalid code at position " + String(digits.begin(), digits.end()));
}

} // namespace RurJSONEscape
