#include "TextCharset.h"

#include "Utf8.h"

#include <windows.h>

#include <algorithm>

namespace {

bool SameName(std::u16string_view given, std::u16string_view lowerCaseName)
{
    return std::equal(given.begin(), given.end(), lowerCaseName.begin(), lowerCaseName.end(),
                      [](char16_t a, char16_t b) { return (a >= u'A' && a <= u'Z' ? a + 32 : a) == b; });
}

std::optional<Bytes> ToAnsi(std::u16string_view text)
{
    if (text.empty())
        return Bytes{};
    if (GetACP() == CP_UTF8)
        return Utf16ToUtf8(text); // this code page cannot report lost characters, and loses none
    auto wide = reinterpret_cast<const wchar_t*>(text.data());
    int length = static_cast<int>(text.size());
    BOOL lossy = FALSE;
    int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, length, nullptr, 0, nullptr, &lossy);
    if (size <= 0 || lossy)
        return std::nullopt;
    Bytes out(static_cast<std::size_t>(size));
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, length, reinterpret_cast<char*>(out.data()), size,
                        nullptr, &lossy);
    if (lossy)
        return std::nullopt;
    return out;
}

} // namespace

std::optional<Bytes> EncodeText(std::u16string_view text, std::u16string_view charset, bool preamble)
{
    if (SameName(charset, u"utf-8")) {
        auto body = Utf16ToUtf8(text);
        if (!body)
            return std::nullopt;
        Bytes out = preamble ? Bytes{0xEF, 0xBB, 0xBF} : Bytes{};
        Append(out, *body);
        return out;
    }
    if (SameName(charset, u"utf-16")) {
        Bytes out = preamble ? Bytes{0xFF, 0xFE} : Bytes{};
        for (char16_t c : text) {
            out.push_back(static_cast<std::uint8_t>(c & 0xFF));
            out.push_back(static_cast<std::uint8_t>(c >> 8));
        }
        return out;
    }
    if (SameName(charset, u"ansi"))
        return ToAnsi(text);
    return std::nullopt;
}
