#pragma once
// The JSON string escapes shared by TRurUtils and the JSON reader and writer. Both directions work on
// raw character ranges so that the reader can unescape straight from its byte buffer and the writer
// can escape straight into its output bytes.
#include <algorithm>
#include <cstddef>
#include <string>

#include "SysUtils.h"

namespace RurJSONEscape {

// Quotes and backslashes become \u escapes rather than \" and \\; every code unit from 128 up is a
// \u escape too, so the output is pure ASCII.
void AppendEscaped(std::string& out, const Char* text, std::size_t length);

[[noreturn]] void RaiseUnexpectedEnd();
[[noreturn]] void RaiseInvalidCode(std::size_t position);

// CharT is Char for texts and unsigned char for the reader's bytes (one byte is one character).
// Every escape is longer than what it stands for, so target needs room for length code units at
// most; returns how many were written.
template <class CharT>
std::size_t UnescapeInto(Char* target, const CharT* text, std::size_t length)
{
    Char* const first = target;
    std::size_t i = 0;
    for (;;) {
        // The text between escapes is copied as a run: a tight loop the compiler can widen in bulk.
        const std::size_t backslash = std::size_t(std::find(text + i, text + length, CharT('\\')) - text);
        target = std::copy(text + i, text + backslash, target);
        if (backslash == length)
            break;
        if (backslash + 1 == length)
            RaiseUnexpectedEnd();
        i = backslash + 2;
        const Char kind = Char(text[backslash + 1]);
        // The writer escapes everything as \u, so that form is tested first, outside the switch.
        if (kind == u'u') {
            if (length - i < 4)
                RaiseInvalidCode(backslash + 1);
            const int digits[4] = {HexDigitValue(Char(text[i])), HexDigitValue(Char(text[i + 1])),
                                   HexDigitValue(Char(text[i + 2])), HexDigitValue(Char(text[i + 3]))};
            if ((digits[0] | digits[1] | digits[2] | digits[3]) < 0)
                RaiseInvalidCode(backslash + 1);
            *target++ = Char(digits[0] << 12 | digits[1] << 8 | digits[2] << 4 | digits[3]);
            i += 4;
            continue;
        }
        switch (kind) {
        case u'\\': *target++ = u'\\'; break;
        case u'/': *target++ = u'/'; break;
        case u'b': *target++ = u'\b'; break;
        case u'f': *target++ = u'\f'; break;
        case u'n': *target++ = u'\n'; break;
        case u'r': *target++ = u'\r'; break;
        case u't': *target++ = u'\t'; break;
        default:
            RaiseInvalidCode(backslash + 1);
        }
    }
    return std::size_t(target - first);
}

} // namespace RurJSONEscape
