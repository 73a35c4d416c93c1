#pragma once
// Regular expressions over UTF-16 text (PCRE 8.x semantics, UTF-16 mode, no Unicode properties:
// \w, \d and \s are ASCII).
#include <memory>

#include "SysUtils.h"

class TRegEx {
public:
    // Compiles the pattern; a bad one raises ERegularExpressionError with PCRE's message and offset.
    explicit TRegEx(const String& pattern);
    ~TRegEx();
    TRegEx(TRegEx&&) noexcept;
    TRegEx& operator=(TRegEx&&) noexcept;

    // True when the pattern matches somewhere in the input. Text that is not valid UTF-16 (a lone
    // surrogate) matches nothing.
    bool IsMatch(const String& input) const;
    static bool IsMatch(const String& input, const String& pattern);

private:
    struct TCompiled;
    std::unique_ptr<TCompiled> FCompiled;
};
