#include "TestPictures.h"

#include <zlib.h>

#include <cstdlib>
#include <map>
#include <stdexcept>

#include "BmpCodec.h"

std::span<const Byte> Bytes(const std::vector<Byte>& v) { return {v.data(), v.size()}; }

TPixelImage MakePatternImage(int width, int height, bool withAlpha)
{
    TPixelImage image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const bool edge = (x / 16 + y / 16) % 2 == 0;
            image.Pixel(x, y) = TBGRA{static_cast<Byte>(x * 255 / width), static_cast<Byte>(y * 255 / height),
                                      static_cast<Byte>(edge ? 200 : 40),
                                      static_cast<Byte>(withAlpha ? (x + y) * 255 / (width + height) : 255)};
        }
    image.SetHasAlpha(withAlpha);
    return image;
}

bool SamePixels(const TPixelImage& a, const TPixelImage& b)
{
    return a.Width() == b.Width() && a.Height() == b.Height() && a.Pixels() == b.Pixels();
}

double MeanColorError(const TPixelImage& a, const TPixelImage& b)
{
    double sum = 0;
    for (std::size_t i = 0; i < a.Pixels().size(); ++i) {
        const TBGRA &p = a.Pixels()[i], &q = b.Pixels()[i];
        sum += std::abs(p.B - q.B) + std::abs(p.G - q.G) + std::abs(p.R - q.R);
    }
    return sum / (3.0 * a.Pixels().size());
}

namespace {

void PutU32BE(std::vector<Byte>& out, Cardinal v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<Byte>(v >> shift));
}

} // namespace

void AppendPngChunk(std::vector<Byte>& out, const char* type, const std::vector<Byte>& body)
{
    PutU32BE(out, static_cast<Cardinal>(body.size()));
    const std::size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), body.begin(), body.end());
    PutU32BE(out, static_cast<Cardinal>(crc32(0, out.data() + typeAt, static_cast<uInt>(body.size() + 4))));
}

namespace {

int ChannelsOf(int colorType) { return colorType == 2 ? 3 : colorType == 4 ? 2 : colorType == 6 ? 4 : 1; }

int Paeth(int a, int b, int c)
{
    const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

// Packs the samples of the given pixels into a scan line and filters it against the previous one.
std::vector<Byte> PackedRow(const TTestPng& png, const std::vector<int>& pixels)
{
    std::vector<Byte> row;
    int bit = 0;
    for (int s : pixels) {
        if (png.BitDepth == 16) {
            row.push_back(static_cast<Byte>(s >> 8));
            row.push_back(static_cast<Byte>(s));
        } else if (png.BitDepth == 8) {
            row.push_back(static_cast<Byte>(s));
        } else {
            if (bit % 8 == 0)
                row.push_back(0);
            row.back() = static_cast<Byte>(row.back() | s << (8 - png.BitDepth - bit % 8));
            bit += png.BitDepth;
        }
    }
    return row;
}

void AppendFiltered(std::vector<Byte>& raw, const std::vector<Byte>& row, const std::vector<Byte>& prior, int filter,
                    int bpp)
{
    raw.push_back(static_cast<Byte>(filter));
    for (std::size_t i = 0; i < row.size(); ++i) {
        const int a = i >= static_cast<std::size_t>(bpp) ? row[i - bpp] : 0;
        const int b = prior.empty() ? 0 : prior[i];
        const int c = i >= static_cast<std::size_t>(bpp) && !prior.empty() ? prior[i - bpp] : 0;
        const int predicted = filter == 1 ? a : filter == 2 ? b : filter == 3 ? (a + b) / 2 : filter == 4 ? Paeth(a, b, c) : 0;
        raw.push_back(static_cast<Byte>(row[i] - predicted));
    }
}

std::vector<Byte> Compress(const std::vector<Byte>& raw)
{
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    std::vector<Byte> out(size);
    if (compress(out.data(), &size, raw.data(), static_cast<uLong>(raw.size())) != Z_OK)
        throw std::runtime_error("compress failed");
    out.resize(size);
    return out;
}

} // namespace

std::vector<Byte> BuildPng(const TTestPng& png)
{
    const int channels = ChannelsOf(png.ColorType);
    const int bpp = std::max(1, channels * png.BitDepth / 8);
    struct Pass { int x0, y0, dx, dy; };
    const std::vector<Pass> passes = png.Interlaced
        ? std::vector<Pass>{{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4}, {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}}
        : std::vector<Pass>{{0, 0, 1, 1}};
    std::vector<Byte> raw;
    int filter = 0;
    for (const Pass& p : passes) {
        std::vector<Byte> prior;
        for (int y = p.y0; y < png.Height; y += p.dy) {
            std::vector<int> pixels;
            for (int x = p.x0; x < png.Width; x += p.dx)
                for (int k = 0; k < channels; ++k)
                    pixels.push_back(png.Samples.at((static_cast<std::size_t>(y) * png.Width + x) * channels + k));
            if (pixels.empty())
                break;
            const std::vector<Byte> row = PackedRow(png, pixels);
            AppendFiltered(raw, row, prior, filter++ % 5, bpp);
            prior = row;
        }
    }
    std::vector<Byte> header;
    PutU32BE(header, static_cast<Cardinal>(png.Width));
    PutU32BE(header, static_cast<Cardinal>(png.Height));
    header.insert(header.end(), {static_cast<Byte>(png.BitDepth), static_cast<Byte>(png.ColorType), 0, 0,
                                 static_cast<Byte>(png.Interlaced)});
    std::vector<Byte> out = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    AppendPngChunk(out, "IHDR", header);
    if (!png.Palette.empty())
        AppendPngChunk(out, "PLTE", png.Palette);
    if (png.Transparency)
        AppendPngChunk(out, "tRNS", *png.Transparency);
    AppendPngChunk(out, "IDAT", Compress(raw));
    AppendPngChunk(out, "IEND", {});
    return out;
}

void FixPngCrc(std::vector<Byte>& png, std::size_t at)
{
    std::size_t chunk = 8;
    for (;;) {
        const Cardinal length = Cardinal(png[chunk]) << 24 | Cardinal(png[chunk + 1]) << 16 |
                                Cardinal(png[chunk + 2]) << 8 | png[chunk + 3];
        const std::size_t end = chunk + 12 + length;
        if (at < end) {
            const uLong crc = crc32(0, png.data() + chunk + 4, length + 4);
            for (int i = 0; i < 4; ++i)
                png[end - 4 + i] = static_cast<Byte>(crc >> (24 - 8 * i));
            return;
        }
        chunk = end;
    }
}

TBGRA GifColor(int index)
{
    return TBGRA{static_cast<Byte>(index * 7), static_cast<Byte>(255 - index), static_cast<Byte>(index * 3 + 1), 255};
}

namespace {

// A plain LZW encoder with the GIF conventions, clearing the table when it fills.
std::vector<Byte> LzwEncode(const std::vector<Byte>& indices, int minCodeSize, bool keepFullTable)
{
    const int clear = 1 << minCodeSize, end = clear + 1;
    std::vector<Byte> out;
    unsigned bits = 0;
    int count = 0, codeSize = minCodeSize + 1, next = end + 1;
    auto emit = [&](int code) {
        bits |= static_cast<unsigned>(code) << count;
        count += codeSize;
        while (count >= 8) {
            out.push_back(static_cast<Byte>(bits));
            bits >>= 8;
            count -= 8;
        }
    };
    // The reader learns each entry one code late, so the width grows once the entry about to be
    // added would not fit.
    auto emitData = [&](int code) {
        emit(code);
        if (next == (1 << codeSize) && codeSize < 12)
            ++codeSize;
    };
    std::map<std::pair<int, int>, int> table;
    emit(clear);
    int current = -1;
    for (Byte index : indices) {
        if (current < 0) {
            current = index;
            continue;
        }
        const auto found = table.find({current, index});
        if (found != table.end()) {
            current = found->second;
            continue;
        }
        emitData(current);
        if (next < 4096) {
            table[{current, index}] = next++;
        } else if (!keepFullTable) {
            emit(clear);
            table.clear();
            codeSize = minCodeSize + 1;
            next = end + 1;
        }
        current = index;
    }
    if (current >= 0)
        emitData(current);
    emit(end);
    if (count > 0)
        out.push_back(static_cast<Byte>(bits));
    return out;
}

void PutU16(std::vector<Byte>& out, int v)
{
    out.push_back(static_cast<Byte>(v));
    out.push_back(static_cast<Byte>(v >> 8));
}

void PutColorTable(std::vector<Byte>& out, int bits)
{
    for (int i = 0; i < (1 << bits); ++i) {
        const TBGRA c = GifColor(i);
        out.insert(out.end(), {c.R, c.G, c.B});
    }
}

} // namespace

std::vector<Byte> BuildGif(const TTestGif& gif)
{
    std::vector<Byte> out = {'G', 'I', 'F', '8', '9', 'a'};
    PutU16(out, gif.ScreenWidth ? gif.ScreenWidth : gif.Width);
    PutU16(out, gif.ScreenHeight ? gif.ScreenHeight : gif.Height);
    out.push_back(static_cast<Byte>(gif.LocalTable ? 0 : 0x80 | (gif.ColorBits - 1)));
    out.insert(out.end(), {0, 0});
    if (!gif.LocalTable)
        PutColorTable(out, gif.ColorBits);
    out.insert(out.end(), {0x21, 0xFE, 3, 'h', 'i', '!', 0}); // a comment to skip
    if (gif.TransparentIndex >= 0)
        out.insert(out.end(), {0x21, 0xF9, 4, 1, 0, 0, static_cast<Byte>(gif.TransparentIndex), 0});
    out.push_back(0x2C);
    PutU16(out, gif.Left);
    PutU16(out, gif.Top);
    PutU16(out, gif.Width);
    PutU16(out, gif.Height);
    out.push_back(static_cast<Byte>((gif.LocalTable ? 0x80 | (gif.ColorBits - 1) : 0) | (gif.Interlaced ? 0x40 : 0)));
    if (gif.LocalTable)
        PutColorTable(out, gif.ColorBits);
    std::vector<Byte> stored = gif.Indices;
    if (gif.Interlaced) {
        stored.clear();
        for (auto [start, step] : {std::pair{0, 8}, {4, 8}, {2, 4}, {1, 2}})
            for (int y = start; y < gif.Height; y += step)
                stored.insert(stored.end(), gif.Indices.begin() + y * gif.Width, gif.Indices.begin() + (y + 1) * gif.Width);
    }
    const int minCodeSize = std::max(2, gif.ColorBits);
    out.push_back(static_cast<Byte>(minCodeSize));
    const std::vector<Byte> lzw = LzwEncode(stored, minCodeSize, gif.KeepFullTable);
    for (std::size_t at = 0; at < lzw.size(); at += 255) {
        const std::size_t size = std::min<std::size_t>(255, lzw.size() - at);
        out.push_back(static_cast<Byte>(size));
        out.insert(out.end(), lzw.begin() + at, lzw.begin() + at + size);
    }
    out.insert(out.end(), {0, 0x3B});
    return out;
}

std::vector<Byte> BuildIcon(const std::vector<TTestIconEntry>& entries, bool cursor)
{
    std::vector<Byte> out;
    PutU16(out, 0);
    PutU16(out, cursor ? 2 : 1);
    PutU16(out, static_cast<int>(entries.size()));
    std::size_t offset = 6 + 16 * entries.size();
    for (const auto& e : entries) {
        out.insert(out.end(), {static_cast<Byte>(e.Width), static_cast<Byte>(e.Height), 0, 0});
        PutU16(out, cursor ? 3 : 1);                  // planes, or hot spot x
        PutU16(out, cursor ? 5 : e.BitCount);         // bit count, or hot spot y
        for (Cardinal v : {static_cast<Cardinal>(e.Body.size()), static_cast<Cardinal>(offset)})
            for (int i = 0; i < 4; ++i)
                out.push_back(static_cast<Byte>(v >> (8 * i)));
        offset += e.Body.size();
    }
    for (const auto& e : entries)
        out.insert(out.end(), e.Body.begin(), e.Body.end());
    return out;
}

std::vector<Byte> BuildDibIconBody(const TPixelImage& image, int bitsPerPixel, bool (*maskBit)(int x, int y))
{
    const std::vector<Byte> bmp = EncodeBmp(image, bitsPerPixel);
    std::vector<Byte> body(bmp.begin() + 14, bmp.end());
    const Cardinal doubled = static_cast<Cardinal>(image.Height() * 2);
    for (int i = 0; i < 4; ++i)
        body[8 + i] = static_cast<Byte>(doubled >> (8 * i));
    const std::size_t stride = (static_cast<std::size_t>(image.Width()) + 31) / 32 * 4;
    for (int row = 0; row < image.Height(); ++row) {
        std::vector<Byte> bits(stride, 0);
        const int y = image.Height() - 1 - row;
        for (int x = 0; x < image.Width(); ++x)
            if (maskBit(x, y))
                bits[x / 8] = static_cast<Byte>(bits[x / 8] | 0x80 >> (x % 8));
        body.insert(body.end(), bits.begin(), bits.end());
    }
    return body;
}
