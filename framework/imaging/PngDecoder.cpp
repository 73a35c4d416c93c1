// PNG reading: the chunks, one zlib stream over the joined IDAT data, unfiltering row by row (so
// memory holds two rows besides the picture), then conversion to BGRA.
#include <algorithm>
#include <array>
#include <string>

#include "GraphicErrors.h"
#include "PngChunks.h"
#include "PngCodec.h"
#include "PngInflater.h"
#include "PngRowConverter.h"

namespace {

void Unfilter(Byte* row, const Byte* prior, std::size_t length, std::size_t bpp, Byte filter)
{
    switch (static_cast<TPngFilter>(filter)) {
    case TPngFilter::None: break;
    case TPngFilter::Sub:
        for (std::size_t i = bpp; i < length; ++i)
            row[i] = static_cast<Byte>(row[i] + row[i - bpp]);
        break;
    case TPngFilter::Up:
        for (std::size_t i = 0; i < length; ++i)
            row[i] = static_cast<Byte>(row[i] + prior[i]);
        break;
    case TPngFilter::Average:
        for (std::size_t i = 0; i < length; ++i)
            row[i] = static_cast<Byte>(row[i] + ((i >= bpp ? row[i - bpp] : 0) + prior[i]) / 2);
        break;
    case TPngFilter::Paeth:
        for (std::size_t i = 0; i < length; ++i)
            row[i] = static_cast<Byte>(
                row[i] + PaethPredictor(i >= bpp ? row[i - bpp] : 0, prior[i], i >= bpp ? prior[i - bpp] : 0));
        break;
    default: RaiseInvalidGraphic(PngName, "unknown row filter " + std::to_string(filter));
    }
}

struct TPass {
    int X0, Y0, DX, DY;
};

constexpr std::array<TPass, 7> Adam7 = {{{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                         {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}}};
constexpr TPass WholePicture = {0, 0, 1, 1};

void DecodePass(const TPass& pass, const TPngHeader& h, TPngInflater& inflater, const TPngRowConverter& converter,
                TPixelImage& image)
{
    if (h.Width <= pass.X0 || h.Height <= pass.Y0)
        return;
    const int columns = (h.Width - pass.X0 + pass.DX - 1) / pass.DX;
    const std::size_t bitsPerPixel = static_cast<std::size_t>(ChannelsOf(h.ColorType)) * h.BitDepth;
    const std::size_t length = (columns * bitsPerPixel + 7) / 8;
    const std::size_t bpp = std::max<std::size_t>(1, bitsPerPixel / 8);
    std::vector<Byte> prior(length, 0), row(length + 1);
    for (int y = pass.Y0; y < h.Height; y += pass.DY) {
        inflater.Read(row.data(), row.size());
        Unfilter(row.data() + 1, prior.data(), length, bpp, row[0]);
        converter.Convert(row.data() + 1, columns, image.ScanLine(y) + pass.X0, pass.DX);
        std::copy(row.begin() + 1, row.end(), prior.begin());
    }
}

} // namespace

TPixelImage DecodePng(std::span<const Byte> data)
{
    const TPngChunks chunks = ReadPngChunks(data);
    const TPngHeader& h = chunks.Header;
    // Deflate packs at most 1032 bytes into one: less data than that cannot fill the picture, so
    // such a file is refused before the picture is allocated.
    const UInt64 pixelBytes = UInt64(h.Width) * UInt64(h.Height) * UInt64(ChannelsOf(h.ColorType) * h.BitDepth) / 8;
    if (pixelBytes / 1032 > chunks.ImageData.size())
        RaiseInvalidGraphic(PngName, "compressed image data is too short for the picture size");
    const TPngRowConverter converter(h, chunks);
    TPixelImage image(h.Width, h.Height);
    TPngInflater inflater(chunks.ImageData);
    if (h.Interlaced) {
        for (const TPass& pass : Adam7)
            DecodePass(pass, h, inflater, converter, image);
    } else {
        DecodePass(WholePicture, h, inflater, converter, image);
    }
    inflater.CheckTrailer();

    image.SetSourceBitsPerPixel(ChannelsOf(h.ColorType) * h.BitDepth);
    bool alpha = h.ColorType == TPngColorType::GrayAlpha || h.ColorType == TPngColorType::RGBA;
    if (h.ColorType == TPngColorType::Palette) {
        std::vector<TBGRA> palette(converter.Palette().begin(), converter.Palette().begin() + chunks.Palette.size() / 3);
        alpha = std::any_of(palette.begin(), palette.end(), [](const TBGRA& c) { return c.A != 255; });
        image.SetPalette(std::move(palette));
    }
    if (converter.HasKey()) {
        image.SetTransparentColor(converter.KeyColor());
        alpha = true;
    }
    image.SetHasAlpha(alpha);
    return image;
}