#include <windows.h>

#include <array>

#include "RurJSONAnsi.h"

namespace {

// Each byte on its own, as the reader takes it: a lead byte of a double-byte code page, which has
// no character alone, becomes the code page's default character.
const std::array<Char, 256>& AnsiChars()
{
    static const std::array<Char, 256> table = [] {
        std::array<Char, 256> chars{};
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            wchar_t wide = L'?';
            if (MultiByteToWideChar(CP_ACP, 0, &byte, 1, &wide, 1) != 1)
                wide = L'?';
            chars[std::size_t(b)] = Char(wide);
        }
        return chars;
    }();
    return table;
}

} // namespace

void RurJSONAnsiToChars(Char* ATarget, const Byte* AData, std::size_t ACount)
{
    const std::array<Char, 256>& chars = AnsiChars();
    for (std::size_t i = 0; i < ACount; ++i)
        ATarget[i] = chars[AData[i]];
}

void RurJSONAppendAnsi(std::string& AText, const String& AValue)
{
    if (AValue.empty())
        return;
    const auto* wide = reinterpret_cast<const wchar_t*>(AValue.data());
    const int length = int(AValue.size());
    const int size = WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
    const std::size_t start = AText.size();
    AText.resize(start + std::size_t(size));
    WideCharToMultiByte(CP_ACP, 0, wide, length, AText.data() + start, size, nullptr, nullptr);
}
