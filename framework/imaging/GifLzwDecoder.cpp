#include "GifLzwDecoder.h"

#include <algorithm>

#include "GraphicErrors.h"

namespace {
constexpr std::string_view Gif = "GIF";
}

TGifLzwDecoder::TGifLzwDecoder(std::span<const Byte> data, int minCodeSize)
    : FData(data), FMinCodeSize(minCodeSize), FClear(1 << minCodeSize), FEnd(FClear + 1)
{
    for (int i = 0; i < FClear; ++i) {
        FPrefix[i] = -1;
        FSuffix[i] = static_cast<Byte>(i);
        FLength[i] = 1;
    }
    Reset();
}

void TGifLzwDecoder::Decode(std::span<Byte> out)
{
    std::size_t filled = 0;
    int previous = -1;
    while (filled < out.size()) {
        const int code = NextCode();
        if (code == FClear) {
            Reset();
            previous = -1;
            continue;
        }
        if (code == FEnd || code < 0)
            RaiseInvalidGraphic(Gif, "image data ends early");
        if (previous < 0) {
            if (code >= FClear)
                RaiseInvalidGraphic(Gif, "LZW data starts with an undefined code");
            out[filled++] = static_cast<Byte>(code);
            previous = code;
            continue;
        }
        if (code > FNext)
            RaiseInvalidGraphic(Gif, "undefined LZW code");
        // code == FNext is the one string not yet in the table: previous + its own first byte.
        const Byte first = FirstByte(code == FNext ? previous : code);
        if (FNext < MaxCodes)
            AddString(previous, first);
        filled += Emit(code, out.subspan(filled));
        previous = code;
    }
}

void TGifLzwDecoder::Reset()
{
    FCodeSize = FMinCodeSize + 1;
    FNext = FEnd + 1;
}

void TGifLzwDecoder::AddString(int prefix, Byte suffix)
{
    FPrefix[FNext] = static_cast<short>(prefix);
    FSuffix[FNext] = suffix;
    FLength[FNext] = static_cast<short>(FLength[prefix] + 1);
    ++FNext;
    if (FNext == (1 << FCodeSize) && FCodeSize < 12)
        ++FCodeSize;
}

Byte TGifLzwDecoder::FirstByte(int code) const
{
    while (FPrefix[code] >= 0)
        code = FPrefix[code];
    return FSuffix[code];
}

// Writes the string of code, cut to the room left; returns the count written.
std::size_t TGifLzwDecoder::Emit(int code, std::span<Byte> room)
{
    const std::size_t length = static_cast<std::size_t>(FLength[code]);
    for (std::size_t i = length; i-- > 0; code = FPrefix[code]) {
        if (i < room.size())
            room[i] = FSuffix[code];
    }
    return std::min(length, room.size());
}

// -1 when the data has run out.
int TGifLzwDecoder::NextCode()
{
    while (FBitCount < FCodeSize) {
        if (FPosition >= FData.size())
            return -1;
        FBits |= static_cast<unsigned>(FData[FPosition++]) << FBitCount;
        FBitCount += 8;
    }
    const int code = static_cast<int>(FBits & ((1u << FCodeSize) - 1));
    FBits >>= FCodeSize;
    FBitCount -= FCodeSize;
    return code;
}
