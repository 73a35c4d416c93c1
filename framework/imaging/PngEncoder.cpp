// PNG writing: 8-bit RGB or RGBA rows, each with the filter that makes it smallest by the usual
// sum-of-absolute-differences estimate, deflated into one IDAT chunk.
#include <zlib.h>

#include <array>
#include <cstdlib>

#include "GraphicErrors.h"
#include "PngCodec.h"
#include "PngFormat.h"

namespace {

void PutU32BE(std::vector<Byte>& out, Cardinal v)
{
    out.push_back(static_cast<Byte>(v >> 24));
    out.push_back(static_cast<Byte>(v >> 16));
    out.push_back(static_cast<Byte>(v >> 8));
    out.push_back(static_cast<Byte>(v));
}

void PutChunk(std::vector<Byte>& out, const char (&type)[5], const std::vector<Byte>& body)
{
    PutU32BE(out, static_cast<Cardinal>(body.size()));
    const std::size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), body.begin(), body.end());
    const uLong crc = crc32(0L, out.data() + typeAt, static_cast<uInt>(body.size() + 4));
    PutU32BE(out, static_cast<Cardinal>(crc));
}

// Writes the row filtered with the given filter into out (filter byte first) and returns its cost.
unsigned long FilterRow(TPngFilter filter, const Byte* row, const Byte* prior, std::size_t length, std::size_t bpp,
                        Byte* out)
{
    out[0] = static_cast<Byte>(filter);
    unsigned long cost = 0;
    for (std::size_t i = 0; i < length; ++i) {
        const int left = i >= bpp ? row[i - bpp] : 0;
        const int up = prior[i];
        const int upLeft = i >= bpp ? prior[i - bpp] : 0;
        int predicted = 0;
        switch (filter) {
        case TPngFilter::None: break;
        case TPngFilter::Sub: predicted = left; break;
        case TPngFilter::Up: predicted = up; break;
        case TPngFilter::Average: predicted = (left + up) / 2; break;
        case TPngFilter::Paeth: predicted = PaethPredictor(left, up, upLeft); break;
        }
        const Byte value = static_cast<Byte>(row[i] - predicted);
        out[i + 1] = value;
        cost += static_cast<unsigned long>(std::abs(static_cast<signed char>(value)));
    }
    return cost;
}

std::vector<Byte> FilteredRows(const TPixelImage& image, int channels)
{
    const std::size_t length = static_cast<std::size_t>(image.Width()) * channels;
    std::vector<Byte> result;
    result.reserve((length + 1) * image.Height());
    std::vector<Byte> row(length), prior(length, 0), best(length + 1), trial(length + 1);
    constexpr std::array<TPngFilter, 5> filters = {TPngFilter::None, TPngFilter::Sub, TPngFilter::Up,
                                                   TPngFilter::Average, TPngFilter::Paeth};
    for (int y = 0; y < image.Height(); ++y) {
        const TBGRA* pixels = image.ScanLine(y);
        for (int x = 0; x < image.Width(); ++x) {
            Byte* p = row.data() + static_cast<std::size_t>(x) * channels;
            p[0] = pixels[x].R;
            p[1] = pixels[x].G;
            p[2] = pixels[x].B;
            if (channels == 4)
                p[3] = pixels[x].A;
        }
        unsigned long bestCost = ~0ul;
        for (TPngFilter filter : filters) {
            const unsigned long cost = FilterRow(filter, row.data(), prior.data(), length, channels, trial.data());
            if (cost < bestCost) {
                bestCost = cost;
                best.swap(trial);
            }
        }
        result.insert(result.end(), best.begin(), best.end());
        prior.swap(row);
    }
    return result;
}

std::vector<Byte> Deflate(const std::vector<Byte>& raw)
{
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::vector<Byte> packed(size);
    if (compress2(packed.data(), &size, raw.data(), static_cast<uLong>(raw.size()), Z_DEFAULT_COMPRESSION) != Z_OK)
        RaiseInvalidGraphic("PNG", "zlib could not compress the picture");
    packed.resize(size);
    return packed;
}

} // namespace

std::vector<Byte> EncodePng(const TPixelImage& image)
{
    if (image.Empty())
        RaiseInvalidGraphic("PNG", "cannot save an empty picture");
    const int channels = image.HasAlpha() ? 4 : 3;
    std::vector<Byte> header;
    PutU32BE(header, static_cast<Cardinal>(image.Width()));
    PutU32BE(header, static_cast<Cardinal>(image.Height()));
    header.push_back(8);
    header.push_back(static_cast<Byte>(channels == 4 ? TPngColorType::RGBA : TPngColorType::RGB));
    header.insert(header.end(), {0, 0, 0}); // deflate, adaptive filtering, not interlaced

    std::vector<Byte> out(PngSignature.begin(), PngSignature.end());
    PutChunk(out, "IHDR", header);
    PutChunk(out, "IDAT", Deflate(FilteredRows(image, channels)));
    PutChunk(out, "IEND", {});
    return out;
}
