#pragma once
// The JSON string escapes shared by TRurUtils and the JSON reader and writer. Both directions work on
// raw character ranges so that the reader can unescape straight from its byte buffer and the writer
// can escape straight into its output bytes.
#include <cstddef>
#include <string>

#include "SysUtils.h"

namespace RurJSONEscape {

// Quotes and backslashes become \u escapes rather than \" and \\; every code unit from 128 up is a
// \u escape too, so the output is pure ASCII.
void AppendEscaped(std::string& out, const Char* text, std::size_t length);

[[noreturn]] void RaiseUnexpectedEnd();
[[noreturn]] void RaiseInvalidCode(std::size_t position);

inline int HexDigitValue(Char c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return -1;
}

// CharT is Char for texts and unsigned char for the reader's bytes (one byte is one character).
template <class CharT>
void AppendUnescaped(String& out, const CharT* text, std::size_t length)
{
    std::size_t i = 0;
    while (i < length) {
        std::size_t run = i;
        while (run < length && text[run] != CharT('\\'))
            ++run;
        out.append(text + i, text + run);
        if (run == length)
            return;
        const std::size_t backslash = run;
        if (backslash + 1 == length)
            RaiseUnexpectedEnd();
        Char decoded;
        switch (Char(text[backslash + 1])) {
        case u'\\': decoded = u'\\'; break;
        case u'/': decoded = u'/'; break;
        case u'b': decoded = u'\b'; break;
        case u'f': decoded = u'\f'; break;
        case u'n': decoded = u'\n'; break;
        case u'r': decoded = u'\r'; break;
        case u't': decoded = u'\t'; break;
        case u'u': {
            if (length - backslash - 2 < 4)
                RaiseInvalidCode(backslash + 1);
            unsigned code = 0;
            for (std::size_t k = 0; k < 4; ++k) {
                const int digit = HexDigitValue(Char(text[backslash + 2 + k]));
                if (digit < 0)
                    RaiseInvalidCode(backslash + 1);
                code = code * 16 + unsigned(digit);
            }
            out += Char(code);
            i = backslash + 6;
            continue;
        }
        default:
            RaiseInvalidCode(backslash + 1);
        }
        out += decoded;
        i = backslash + 2;
    }
}

} // namespace RurJSONEscape
