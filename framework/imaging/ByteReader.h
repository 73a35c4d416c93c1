#pragma once
// Bounds-checked reading of untrusted picture bytes: every read past the end raises EInvalidGraphic.
#include <cstddef>
#include <span>
#include <string_view>

#include "GraphicErrors.h"
#include "System.h"

class TByteReader : public TObject {
public:
    TByteReader(std::span<const Byte> data, std::string_view format) : FData(data), FFormat(format) {}

    std::size_t Position() const { return FPosition; }
    std::size_t Size() const { return FData.size(); }
    std::size_t Remaining() const { return FData.size() - FPosition; }
    std::string_view Format() const { return FFormat; }

    void Seek(std::size_t position)
    {
        if (position > FData.size())
            Fail("data ends early");
        FPosition = position;
    }
    void Skip(std::size_t count) { Bytes(count); }
    // Skips count items of the given size without overflowing on 32-bit targets.
    void SkipArray(UInt64 count, std::size_t itemSize)
    {
        if (count > Remaining() / itemSize)
            Fail("data ends early");
        FPosition += static_cast<std::size_t>(count) * itemSize;
    }

    std::span<const Byte> Bytes(std::size_t count)
    {
        if (count > Remaining())
            Fail("data ends early");
        auto result = FData.subspan(FPosition, count);
        FPosition += count;
        return result;
    }

    Byte U8() { return Bytes(1)[0]; }
    Word U16LE()
    {
        auto b = Bytes(2);
        return static_cast<Word>(b[0] | b[1] << 8);
    }
    Word U16BE()
    {
        auto b = Bytes(2);
        return static_cast<Word>(b[0] << 8 | b[1]);
    }
    Cardinal U32LE()
    {
        auto b = Bytes(4);
        return Cardinal(b[0]) | Cardinal(b[1]) << 8 | Cardinal(b[2]) << 16 | Cardinal(b[3]) << 24;
    }
    Cardinal U32BE()
    {
        auto b = Bytes(4);
        return Cardinal(b[0]) << 24 | Cardinal(b[1]) << 16 | Cardinal(b[2]) << 8 | Cardinal(b[3]);
    }
    std::int32_t I32LE() { return static_cast<std::int32_t>(U32LE()); }

    [[noreturn]] void Fail(std::string_view problem) const { RaiseInvalidGraphic(FFormat, problem); }

private:
    std::span<const Byte> FData;
    std::string_view FFormat;
    std::size_t FPosition = 0;
};
