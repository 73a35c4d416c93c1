// PNG reading: chunks with CRC checks, one zlib stream over the joined IDAT data, unfiltering row by
// row (so memory holds two rows besides the picture), then conversion to BGRA.
#define ZLIB_CONST
#include <zlib.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <string>

#include "ByteReader.h"
#include "PngCodec.h"
#include "PngFormat.h"

namespace {

constexpr std::string_view Png = "PNG";

// Fuzzing builds accept any CRC, so that mutated files reach the code behind the chunk checks.
#ifdef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
constexpr bool CheckCrc = false;
#else
constexpr bool CheckCrc = true;
#endif

struct TPngHeader {
    int Width = 0;
    int Height = 0;
    int BitDepth = 0;
    TPngColorType ColorType = TPngColorType::Gray;
    bool Interlaced = false;
};

int ChannelsOf(TPngColorType type)
{
    switch (type) {
    case TPngColorType::Gray: return 1;
    case TPngColorType::RGB: return 3;
    case TPngColorType::Palette: return 1;
    case TPngColorType::GrayAlpha: return 2;
    case TPngColorType::RGBA: return 4;
    }
    return 0;
}

bool IsValidDepth(TPngColorType type, int depth)
{
    switch (type) {
    case TPngColorType::Gray: return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    case TPngColorType::Palette: return depth == 1 || depth == 2 || depth == 4 || depth == 8;
    case TPngColorType::RGB:
    case TPngColorType::GrayAlpha:
    case TPngColorType::RGBA: return depth == 8 || depth == 16;
    }
    return false;
}

TPngHeader ParseHeader(std::span<const Byte> chunk)
{
    TByteReader r(chunk, Png);
    if (chunk.size() != 13)
        r.Fail("IHDR has the wrong length");
    TPngHeader h;
    const Cardinal width = r.U32BE();
    const Cardinal height = r.U32BE();
    CheckPictureSize(width, height, Png);
    h.Width = static_cast<int>(width);
    h.Height = static_cast<int>(height);
    h.BitDepth = r.U8();
    const Byte type = r.U8();
    if (type > 6 || type == 1 || type == 5)
        r.Fail("unknown colour type " + std::to_string(type));
    h.ColorType = static_cast<TPngColorType>(type);
    if (!IsValidDepth(h.ColorType, h.BitDepth))
        r.Fail("bit depth " + std::to_string(h.BitDepth) + " is not allowed for colour type " + std::to_string(type));
    if (r.U8() != 0 || r.U8() != 0)
        r.Fail("unknown compression or filter method");
    const Byte interlace = r.U8();
    if (interlace > 1)
        r.Fail("unknown interlace method");
    h.Interlaced = interlace == 1;
    return h;
}

// The chunks a decoder needs, CRC-checked.
struct TPngChunks {
    TPngHeader Header;
    std::span<const Byte> Palette;
    std::span<const Byte> Transparency;
    bool HasTransparency = false;
    std::vector<Byte> ImageData;
};

bool IsCritical(std::span<const Byte> type) { return (type[0] & 0x20) == 0; }

bool IsType(std::span<const Byte> type, const char* name) { return std::memcmp(type.data(), name, 4) == 0; }

TPngChunks ReadChunks(std::span<const Byte> data)
{
    TByteReader r(data, Png);
    if (data.size() < PngSignature.size() || !std::equal(PngSignature.begin(), PngSignature.end(), data.begin()))
        r.Fail("not a PNG signature");
    r.Skip(PngSignature.size());
    TPngChunks result;
    bool haveHeader = false;
    bool haveData = false;
    while (r.Remaining() > 0) {
        const Cardinal length = r.U32BE();
        if (length > 0x7FFFFFFFu)
            r.Fail("chunk length out of range");
        const auto type = r.Bytes(4);
        const auto body = r.Bytes(length);
        const Cardinal stored = r.U32BE();
        uLong crc = crc32(0L, type.data(), 4);
        crc = crc32(crc, body.data(), static_cast<uInt>(body.size()));
        const std::string name(type.begin(), type.end());
        if (CheckCrc && crc != stored)
            r.Fail("CRC mismatch in chunk " + name);
        if (!haveHeader && !IsType(type, "IHDR"))
            r.Fail("IHDR is not the first chunk");
        if (IsType(type, "IHDR")) {
            if (haveHeader)
                r.Fail("second IHDR");
            result.Header = ParseHeader(body);
            haveHeader = true;
        } else if (IsType(type, "PLTE")) {
            if (body.empty() || body.size() % 3 != 0 || body.size() > 3 * 256)
                r.Fail("PLTE has a bad length");
            result.Palette = body;
        } else if (IsType(type, "tRNS")) {
            result.Transparency = body;
            result.HasTransparency = true;
        } else if (IsType(type, "IDAT")) {
            result.ImageData.insert(result.ImageData.end(), body.begin(), body.end());
            haveData = true;
        } else if (IsType(type, "IEND")) {
            break;
        } else if (IsCritical(type)) {
            r.Fail("unknown critical chunk " + name);
        }
    }
    if (!haveHeader)
        r.Fail("IHDR missing");
    if (!haveData)
        r.Fail("IDAT missing");
    if (result.Header.ColorType == TPngColorType::Palette && result.Palette.empty())
        r.Fail("PLTE missing for a palette picture");
    return result;
}

// Inflates the joined IDAT data in exact portions: one filtered row at a time.
class TInflater : public TObject {
public:
    explicit TInflater(std::span<const Byte> input) : FInput(input)
    {
        if (inflateInit(&FStream) != Z_OK)
            RaiseInvalidGraphic(Png, "zlib cannot start");
    }
    ~TInflater() override { inflateEnd(&FStream); }
    TInflater(const TInflater&) = delete;
    TInflater& operator=(const TInflater&) = delete;

    void Read(Byte* out, std::size_t count)
    {
        FStream.next_out = out;
        FStream.avail_out = static_cast<uInt>(count);
        while (FStream.avail_out > 0) {
            if (FEnded)
                RaiseInvalidGraphic(Png, "compressed image data is shorter than the picture");
            if (!Refill() || !Step())
                RaiseInvalidGraphic(Png, "compressed image data ends early");
        }
    }

    // Reaching the end of the zlib stream makes zlib check its Adler-32; extra data or a missing
    // trailer after complete pixel data is accepted, as picture viewers do.
    void CheckTrailer()
    {
        Byte probe = 0;
        while (!FEnded) {
            FStream.next_out = &probe;
            FStream.avail_out = 1;
            if (!Refill() || !Step() || FStream.avail_out == 0)
                return;
        }
    }

private:
    bool Refill()
    {
        if (FStream.avail_in == 0) {
            if (FInput.empty())
                return false;
            const std::size_t portion = std::min<std::size_t>(FInput.size(), UINT_MAX);
            FStream.next_in = FInput.data();
            FStream.avail_in = static_cast<uInt>(portion);
            FInput = FInput.subspan(portion);
        }
        return true;
    }

    // One inflate call; false when it could make no progress.
    bool Step()
    {
        const int rc = inflate(&FStream, Z_NO_FLUSH);
        if (rc == Z_STREAM_END) {
            FEnded = true;
            return true;
        }
        if (rc == Z_OK)
            return true;
        if (rc == Z_BUF_ERROR)
            return false;
        RaiseInvalidGraphic(Png, std::string("corrupt compressed image data") +
                                     (FStream.msg ? std::string(" (") + FStream.msg + ")" : std::string()));
    }

    z_stream FStream{};
    std::span<const Byte> FInput;
    bool FEnded = false;
};

// Turns unfiltered rows into BGRA pixels.
class TRowConverter : public TObject {
public:
    TRowConverter(const TPngHeader& header, const TPngChunks& chunks) : FHeader(header)
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

    bool HasKey() const { return FHasKey; }
    TBGRA KeyColor() const
    {
        if (FHeader.ColorType == TPngColorType::Gray) {
            const Byte v = Scale(FKey[0]);
            return TBGRA{v, v, v, 0};
        }
        return TBGRA{Scale(FKey[2]), Scale(FKey[1]), Scale(FKey[0]), 0};
    }
    const std::array<TBGRA, 256>& Palette() const { return FPalette; }

    void Convert(const Byte* row, int count, TBGRA* out, int step) const
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

private:
    // Channel value of the given sample index: full 16 bits at depth 16, else the raw bits.
    int Sample(const Byte* row, std::size_t index) const
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

    Byte Scale(int v) const
    {
        switch (FHeader.BitDepth) {
        case 16: return static_cast<Byte>(v >> 8);
        case 8: return static_cast<Byte>(v);
        default: return static_cast<Byte>(v * 255 / ((1 << FHeader.BitDepth) - 1));
        }
    }

    TBGRA Pixel(const std::array<int, 4>& s) const
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
    void ConvertPlain8(const Byte* row, int count, TBGRA* out, int step) const
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

    TPngHeader FHeader;
    std::array<TBGRA, 256> FPalette{};
    std::array<int, 3> FKey{};
    bool FHasKey = false;
};

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
    default: RaiseInvalidGraphic(Png, "unknown row filter " + std::to_string(filter));
    }
}

struct TPass {
    int X0, Y0, DX, DY;
};

constexpr std::array<TPass, 7> Adam7 = {{{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                         {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}}};
constexpr TPass WholePicture = {0, 0, 1, 1};

void DecodePass(const TPass& pass, const TPngHeader& h, TInflater& inflater, const TRowConverter& converter,
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
    const TPngChunks chunks = ReadChunks(data);
    const TPngHeader& h = chunks.Header;
    // Deflate packs at most 1032 bytes into one: less data than that cannot fill the picture, so
    // such a file is refused before the picture is allocated.
    const UInt64 pixelBytes = UInt64(h.Width) * UInt64(h.Height) * UInt64(ChannelsOf(h.ColorType) * h.BitDepth) / 8;
    if (pixelBytes / 1032 > chunks.ImageData.size())
        RaiseInvalidGraphic(Png, "compressed image data is too short for the picture size");
    const TRowConverter converter(h, chunks);
    TPixelImage image(h.Width, h.Height);
    TInflater inflater(chunks.ImageData);
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
