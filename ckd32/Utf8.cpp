#include "Utf8.h"

std::optional<Bytes> Utf16ToUtf8(std::u16string_view text)
{
    Bytes out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xE000) {
            if (c >= 0xDC00 || i + 1 == text.size() || text[i + 1] < 0xDC00 || text[i + 1] >= 0xE000)
                return std::nullopt;
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        }
        if (c < 0x80) {
            out.push_back(static_cast<std::uint8_t>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<std::uint8_t>(0xC0 | (c >> 6)));
            out.push_back(static_cast<std::uint8_t>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<std::uint8_t>(0xE0 | (c >> 12)));
            out.push_back(static_cast<std::uint8_t>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<std::uint8_t>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<std::uint8_t>(0xF0 | (c >> 18)));
            out.push_back(static_cast<std::uint8_t>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<std::uint8_t>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<std::uint8_t>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

std::optional<std::string> Utf16ToAscii(std::u16string_view text)
{
    std::string out;
    for (char16_t c : text) {
        if (c >= 0x80)
            return std::nullopt;
        out += static_cast<char>(c);
    }
    return out;
}
