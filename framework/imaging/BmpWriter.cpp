#include <climits>
#include <optional>
#include <string>
#include <unordered_map>

#include "BmpCodec.h"
#include "DibReader.h"

namespace {

Cardinal RgbKey(const TBGRA& c) { return Cardinal(c.R) << 16 | Cardinal(c.G) << 8 | c.B; }

// The colour table of an indexed picture and the index of each colour in it.
class TPaletteMapper : public TObject {
public:
    TPaletteMapper(const TPixelImage& image, int bitsPerPixel)
    {
        const std::size_t room = std::size_t(1) << bitsPerPixel;
        if (!image.Palette().empty() && image.Palette().size() <= room) {
            FPalette = image.Palette();
            for (std::size_t i = FPalette.size(); i-- > 0;)
                FIndex[RgbKey(FPalette[i])] = static_cast<Byte>(i);
            return;
        }
        for (const TBGRA& c : image.Pixels()) {
            if (FIndex.contains(RgbKey(c)))
                continue;
            if (FPalette.size() == room)
                RaiseInvalidGraphic("BMP", "the picture has more colours than " + std::to_string(bitsPerPixel) +
                                               " bits per pixel hold");
            FIndex[RgbKey(c)] = static_cast<Byte>(FPalette.size());
            FPalette.push_back(TBGRA{c.B, c.G, c.R, 255});
        }
    }

    const std::vector<TBGRA>& Palette() const { return FPalette; }

    Byte IndexOf(const TBGRA& c)
    {
        const auto [at, added] = FIndex.try_emplace(RgbKey(c), 0);
        if (added)
            at->second = Nearest(c);
        return at->second;
    }

private:
    Byte Nearest(const TBGRA& c) const
    {
        std::size_t best = 0;
        int bestDistance = INT_MAX;
        for (std::size_t i = 0; i < FPalette.size(); ++i) {
            const int dr = c.R - FPalette[i].R, dg = c.G - FPalette[i].G, db = c.B - FPalette[i].B;
            const int distance = dr * dr + dg * dg + db * db;
            if (distance < bestDistance) {
                bestDistance = distance;
                best = i;
            }
        }
        return static_cast<Byte>(best);
    }

    std::vector<TBGRA> FPalette;
    std::unordered_map<Cardinal, Byte> FIndex;
};

class TBmpBuffer : public TObject {
public:
    void U16(Word v)
    {
        FBytes.push_back(static_cast<Byte>(v));
        FBytes.push_back(static_cast<Byte>(v >> 8));
    }
    void U32(Cardinal v)
    {
        U16(static_cast<Word>(v));
        U16(static_cast<Word>(v >> 16));
    }
    std::vector<Byte>& Bytes() { return FBytes; }

private:
    std::vector<Byte> FBytes;
};

void WriteRow(const TBGRA* pixels, int width, int bitsPerPixel, bool hasAlpha, TPaletteMapper* mapper, Byte* out)
{
    for (int x = 0; x < width; ++x) {
        const TBGRA& c = pixels[x];
        switch (bitsPerPixel) {
        case 1:
        case 4:
        case 8: {
            const int bit = x * bitsPerPixel;
            out[bit / 8] = static_cast<Byte>(out[bit / 8] | mapper->IndexOf(c) << (8 - bitsPerPixel - bit % 8));
            break;
        }
        case 16: {
            const int v = (c.R >> 3) << 10 | (c.G >> 3) << 5 | c.B >> 3;
            out[2 * x] = static_cast<Byte>(v);
            out[2 * x + 1] = static_cast<Byte>(v >> 8);
            break;
        }
        case 24:
            out[3 * x] = c.B;
            out[3 * x + 1] = c.G;
            out[3 * x + 2] = c.R;
            break;
        default:
            out[4 * x] = c.B;
            out[4 * x + 1] = c.G;
            out[4 * x + 2] = c.R;
            out[4 * x + 3] = hasAlpha ? c.A : 255; // without alpha every pixel is opaque, whatever A holds
        }
    }
}

} // namespace

std::vector<Byte> EncodeBmp(const TPixelImage& image, int bitsPerPixel)
{
    if (image.Empty())
        RaiseInvalidGraphic("BMP", "cannot save an empty picture");
    if (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8 && bitsPerPixel != 16 && bitsPerPixel != 24 &&
        bitsPerPixel != 32)
        RaiseInvalidGraphic("BMP", "cannot write " + std::to_string(bitsPerPixel) + " bits per pixel");
    std::optional<TPaletteMapper> mapper;
    if (bitsPerPixel <= 8)
        mapper.emplace(image, bitsPerPixel);
    const std::size_t paletteBytes = mapper ? mapper->Palette().size() * 4 : 0;
    const std::size_t stride = DibStride(image.Width(), bitsPerPixel);
    const std::size_t pixelsAt = 14 + 40 + paletteBytes;
    // The picture size limits keep this far below 4 GiB.
    const std::size_t fileSize = pixelsAt + stride * image.Height();

    TBmpBuffer b;
    b.Bytes().reserve(fileSize);
    b.U16(0x4D42);
    b.U32(static_cast<Cardinal>(fileSize));
    b.U32(0);
    b.U32(static_cast<Cardinal>(pixelsAt));
    b.U32(40);
    b.U32(static_cast<Cardinal>(image.Width()));
    b.U32(static_cast<Cardinal>(image.Height()));
    b.U16(1);
    b.U16(static_cast<Word>(bitsPerPixel));
    b.U32(dcRGB);
    b.U32(static_cast<Cardinal>(stride * image.Height()));
    b.U32(0); // resolution: unknown
    b.U32(0);
    b.U32(mapper ? static_cast<Cardinal>(mapper->Palette().size()) : 0);
    b.U32(0);
    if (mapper)
        for (const TBGRA& c : mapper->Palette())
            b.U32(Cardinal(c.B) | Cardinal(c.G) << 8 | Cardinal(c.R) << 16);
    std::vector<Byte>& bytes = b.Bytes();
    bytes.resize(fileSize, 0);
    for (int y = 0; y < image.Height(); ++y)
        WriteRow(image.ScanLine(image.Height() - 1 - y), image.Width(), bitsPerPixel, image.HasAlpha(),
                 mapper ? &*mapper : nullptr, bytes.data() + pixelsAt + y * stride);
    return std::move(bytes);
}
