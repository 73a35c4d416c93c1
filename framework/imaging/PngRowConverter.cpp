#include "PngRowConverter.h"

#include <algorithm>

TPngRowConverter::TPngRowConverter(const TPngHeader& header, const TPngChunks& chunks) : FHeader(header)
{
    FPalette.fill(TBGRA{0, 0, 0, 255});
    for (std::size_t i = 0; i < chunks.Palette.size() / 3; ++i)
        FPalette[i] = TBGRA{chunks.Palette[3 * i + 2], chunks.Palette[3 * i + 1], chunks.Palette[3 * i], 255};
    if (!chunks.HasTransparency)
        return;
    const auto& t = chunks.Transparency;
    switch (header.ColorType) {
    case TPngColorType::Palette:
        for (std::size_t i = 0; i < std::min(t.size(), chunks.Palette.size() / 3); ++i)
            FPalette[i].A = t[i];
        break;
    case TPngColorType::Gray:
        if (t.size() >= 2) {
            FKey = {t[0] << 8 | t[1], -1, -1};
            FHasKey = true;
        }
        break;
    case TPngColorType::RGB:
        if (t.size() >= 6) {
            FKey = {t[0] << 8 | t[1], t[2] << 8 | t[3], t[4] << 8 | t[5]};
            FHasKey = true;
        }
        break;
    default: // tRNS is meaningless beside an alpha channel
        break;
    }
}

TBGRA TPngRowConverter::KeyColor() const
{
    if (FHeader.ColorType == TPngColorType::Gray) {
        const Byte v = Scale(FKey[0]);
        return TBGRA{v, v, v, 0};
    }
    return TBGRA{Scale(FKey[2]), Scale(FKey[1]), Scale(FKey[0]), 0};
}

void TPngRowConverter::Convert(const Byte* row, int count, TBGRA* out, int step) const
{
    if (FHeader.BitDepth == 8 && !FHasKey && FHeader.ColorType != TPngColorType::Palette)
        return ConvertPlain8(row, count, out, step);
    const int channels = ChannelsOf(FHeader.ColorType);
    std::array<int, 4> s{};
    for (int x = 0; x < count; ++x, out += step) {
        for (int k = 0; k < channels; ++k)
            s[k] = Sample(row, static_cast<std::size_t>(x) * channels + k);
        *out = Pixel(s);
    }
}

// Channel value of the given sample index: full 16 bits at depth 16, else the raw bits.
int TPngRowConverter::Sample(const Byte* row, std::size_t index) const
{
    switch (FHeader.BitDepth) {
    case 16: return row[2 * index] << 8 | row[2 * index + 1];
    case 8: return row[index];
    default: {
        const std::size_t bit = index * FHeader.BitDepth;
        const int shift = 8 - FHeader.BitDepth - static_cast<int>(bit % 8);
        return row[bit / 8] >> shift & ((1 << FHeader.BitDepth) - 1);
    }
    }
}

Byte TPngRowConverter::Scale(int v) const
{
    switch (FHeader.BitDepth) {
    case 16: return static_cast<Byte>(v >> 8);
    case 8: return static_cast<Byte>(v);
    default: return static_cast<Byte>(v * 255 / ((1 << FHeader.BitDepth) - 1));
    }
}

TBGRA TPngRowConverter::Pixel(const std::array<int, 4>& s) const
{
    switch (FHeader.ColorType) {
    case TPngColorType::Palette: return FPalette[s[0]];
    case TPngColorType::Gray: {
        const Byte v = Scale(s[0]);
        return TBGRA{v, v, v, static_cast<Byte>(FHasKey && s[0] == FKey[0] ? 0 : 255)};
    }
    case TPngColorType::RGB: {
        const bool key = FHasKey && s[0] == FKey[0] && s[1] == FKey[1] && s[2] == FKey[2];
        return TBGRA{Scale(s[2]), Scale(s[1]), Scale(s[0]), static_cast<Byte>(key ? 0 : 255)};
    }
    case TPngColorType::GrayAlpha: {
        const Byte v = Scale(s[0]);
        return TBGRA{v, v, v, Scale(s[1])};
    }
    case TPngColorType::RGBA: return TBGRA{Scale(s[2]), Scale(s[1]), Scale(s[0]), Scale(s[3])};
    }
    return TBGRA{};
}

// The common 8-bit cases without a colour key.
void TPngRowConverter::ConvertPlain8(const Byte* row, int count, TBGRA* out, int step) const
{
    switch (FHeader.ColorType) {
    case TPngColorType::RGB:
        for (int x = 0; x < count; ++x, row += 3, out += step)
            *out = TBGRA{row[2], row[1], row[0], 255};
        break;
    case TPngColorType::RGBA:
        for (int x = 0; x < count; ++x, row += 4, out += step)
            *out = TBGRA{row[2], row[1], row[0], row[3]};
        break;
    case TPngColorType::Gray:
        for (int x = 0; x < count; ++x, ++row, out += step)
            *out = TBGRA{row[0], row[0], row[0], 255};
        break;
    case TPngColorType::GrayAlpha:
        for (int x = 0; x < count; ++x, row += 2, out += step)
            *out = TBGRA{row[0], row[0], row[0], row[1]};
        break;
    case TPngColorType::Palette: break; // never plain
    }
}
