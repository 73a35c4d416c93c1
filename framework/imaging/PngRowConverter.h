#pragma once
// Unfiltered PNG scan lines to BGRA pixels, with the palette and the tRNS colour key applied.
#include <array>

#include "PixelImage.h"
#include "PngChunks.h"

class TPngRowConverter : public TObject {
public:
    TPngRowConverter(const TPngHeader& header, const TPngChunks& chunks);

    // Whether tRNS named a grey or RGB colour shown transparent, and that colour.
    bool HasKey() const { return FHasKey; }
    TBGRA KeyColor() const;
    // All 256 entries: those past the PLTE chunk are opaque black.
    const std::array<TBGRA, 256>& Palette() const { return FPalette; }

    // Converts count pixels of an unfiltered row, writing every step-th output pixel.
    void Convert(const Byte* row, int count, TBGRA* out, int step) const;

private:
    int Sample(const Byte* row, std::size_t index) const;
    Byte Scale(int v) const;
    TBGRA Pixel(const std::array<int, 4>& s) const;
    void ConvertPlain8(const Byte* row, int count, TBGRA* out, int step) const;

    TPngHeader FHeader;
    std::array<TBGRA, 256> FPalette{};
    std::array<int, 3> FKey{};
    bool FHasKey = false;
};
