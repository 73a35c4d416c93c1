#include "RurJSONAnsi.h"

#include <algorithm>

#include "Streams.h"

void RurJSONAnsiToChars(Char* ATarget, const Byte* AData, std::size_t ACount)
{
    std::copy(AData, AData + ACount, ATarget);
}

void RurJSONAppendAnsi(std::string& AText, const String& AValue)
{
    const TBytes bytes = TEncoding::ANSI().GetBytes(AValue);
    AText.append(bytes.begin(), bytes.end());
}
