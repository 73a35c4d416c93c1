#pragma once
// Variable-width LZW with the GIF conventions: clear and end codes, codes growing to 12 bits and
// the table frozen once full. Every code is checked against the table before use.
#include <array>
#include <span>

#include "System.h"

class TGifLzwDecoder : public TObject {
public:
    TGifLzwDecoder(std::span<const Byte> data, int minCodeSize);

    // Fills out completely; raises EInvalidGraphic when the data ends or breaks first.
    void Decode(std::span<Byte> out);

private:
    static constexpr int MaxCodes = 4096;

    void Reset();
    void AddString(int prefix, Byte suffix);
    Byte FirstByte(int code) const;
    std::size_t Emit(int code, std::span<Byte> room);
    int NextCode();

    std::span<const Byte> FData;
    std::size_t FPosition = 0;
    unsigned FBits = 0;
    int FBitCount = 0;
    int FMinCodeSize;
    int FClear;
    int FEnd;
    int FCodeSize = 0;
    int FNext = 0;
    std::array<short, MaxCodes> FPrefix{};
    std::array<Byte, MaxCodes> FSuffix{};
    std::array<short, MaxCodes> FLength{};
};
