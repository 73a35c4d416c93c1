#include "RegularExpressions.h"

#include <pcre.h>

struct TRegEx::TCompiled {
    pcre16* Code = nullptr;
    ~TCompiled() { pcre16_free(Code); }
};

TRegEx::TRegEx(const String& pattern) : FCompiled(std::make_unique<TCompiled>())
{
    const char* error = nullptr;
    int errorOffset = 0;
    FCompiled->Code = pcre16_compile(reinterpret_cast<PCRE_SPTR16>(pattern.c_str()), PCRE_UTF16, &error, &errorOffset, nullptr);
    if (!FCompiled->Code)
        throw ERegularExpressionError(u"Error in regular expression at offset " + IntToStr(errorOffset) + u": " +
                                      FromUtf8(error ? error : "unknown error"));
}

TRegEx::~TRegEx() = default;
TRegEx::TRegEx(TRegEx&&) noexcept = default;
TRegEx& TRegEx::operator=(TRegEx&&) noexcept = default;

bool TRegEx::IsMatch(const String& input) const
{
    int vector[3];
    const int rc = pcre16_exec(FCompiled->Code, nullptr, reinterpret_cast<PCRE_SPTR16>(input.c_str()),
                               static_cast<int>(input.size()), 0, 0, vector, 3);
    if (rc >= 0)
        return true;
    if (rc == PCRE_ERROR_NOMATCH || rc == PCRE_ERROR_BADUTF16)
        return false;
    throw ERegularExpressionError(u"Error while matching a regular expression: code " + IntToStr(rc));
}

bool TRegEx::IsMatch(const String& input, const String& pattern)
{
    return TRegEx(pattern).IsMatch(input);
}
