// Decoding a 1920x1080 PNG and JPEG with the framework's codecs and with GDI+ in the same run.
// GDI+ is timed from GdipLoadImageFromStream to the pixels locked as 32-bit ARGB, which is what our
// decoders deliver.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "JpegCodec.h"
#include "PngCodec.h"

namespace {

constexpr int Width = 1920;
constexpr int Height = 1080;
constexpr int Rounds = 9;

// Smooth gradients with a little noise, so that neither codec finds the picture unusually easy.
TPixelImage MakePhotoLikeImage()
{
    TPixelImage image(Width, Height);
    unsigned seed = 12345;
    for (int y = 0; y < Height; ++y) {
        TBGRA* row = image.ScanLine(y);
        for (int x = 0; x < Width; ++x) {
            seed = seed * 1103515245u + 12345u;
            const int noise = static_cast<int>(seed >> 28) - 8;
            auto clamp = [](int v) { return static_cast<Byte>(std::clamp(v, 0, 255)); };
            row[x] = TBGRA{clamp(x * 255 / Width + noise), clamp(y * 255 / Height + noise),
                           clamp(((x / 60 + y / 60) % 2 ? 180 : 60) + noise), 255};
        }
    }
    return image;
}

double MedianMilliseconds(const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < Rounds; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

IStream* StreamOver(const std::vector<Byte>& data)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, data.size());
    std::copy(data.begin(), data.end(), static_cast<Byte*>(GlobalLock(block)));
    GlobalUnlock(block);
    IStream* stream = nullptr;
    CreateStreamOnHGlobal(block, TRUE, &stream);
    return stream;
}

// Decodes with GDI+ into 32-bit ARGB; gives the pixels when `pixels` is not null.
bool DecodeWithGdiPlus(const std::vector<Byte>& data, std::vector<Byte>* pixels)
{
    using namespace Gdiplus;
    using namespace Gdiplus::DllExports;
    IStream* stream = StreamOver(data);
    GpImage* image = nullptr;
    bool done = GdipLoadImageFromStream(stream, &image) == Ok;
    if (done) {
        GpBitmap* bitmap = static_cast<GpBitmap*>(image); // PNG and JPEG load as bitmaps
        Rect all(0, 0, Width, Height);
        BitmapData locked{};
        done = GdipBitmapLockBits(bitmap, &all, ImageLockModeRead, PixelFormat32bppARGB, &locked) == Ok;
        if (done) {
            if (pixels)
                for (int y = 0; y < Height; ++y) {
                    const Byte* row = static_cast<const Byte*>(locked.Scan0) + y * locked.Stride;
                    pixels->insert(pixels->end(), row, row + Width * 4);
                }
            GdipBitmapUnlockBits(bitmap, &locked);
        }
        GdipDisposeImage(image);
    }
    stream->Release();
    return done;
}

double MeanDifference(const TPixelImage& ours, const std::vector<Byte>& theirs)
{
    const Byte* p = reinterpret_cast<const Byte*>(ours.Pixels().data());
    double sum = 0;
    for (std::size_t i = 0; i < theirs.size(); ++i)
        sum += std::abs(p[i] - theirs[i]);
    return sum / theirs.size();
}

void Compare(const char* name, const std::vector<Byte>& data, TPixelImage (*decode)(std::span<const Byte>))
{
    std::vector<Byte> gdiPixels;
    if (!DecodeWithGdiPlus(data, &gdiPixels)) {
        std::printf("%s: GDI+ cannot decode the file\n", name);
        return;
    }
    const double difference = MeanDifference(decode(data), gdiPixels);
    const double ours = MedianMilliseconds([&] { decode(data); });
    const double gdi = MedianMilliseconds([&] { DecodeWithGdiPlus(data, nullptr); });
    std::printf("%-4s %dx%d, %7zu bytes: ours %7.2f ms, GDI+ %7.2f ms, ours/GDI+ %.2f "
                "(mean pixel difference %.2f)\n",
                name, Width, Height, data.size(), ours, gdi, ours / gdi, difference);
}

} // namespace

int main()
{
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) {
        std::printf("GDI+ does not start\n");
        return 1;
    }
    const TPixelImage image = MakePhotoLikeImage();
    std::printf("median of %d decodes each\n", Rounds);
    Compare("PNG", EncodePng(image), DecodePng);
    Compare("JPEG", EncodeJpeg(image, 85), DecodeJpeg);
    Gdiplus::GdiplusShutdown(token);
    return 0;
}
