#include "JpegCodec.h"

#include <memory>
#include <new>

#include "GraphicErrors.h"
#include "JpegBridge.h"

namespace {

constexpr std::string_view Jpeg = "JPEG";

struct TDecodeJobCloser {
    void operator()(JpegDecodeJob* job) const { JpegBridgeCloseDecode(job); }
};

struct TBridgeBlockFree {
    void operator()(unsigned char* block) const { JpegBridgeFree(block); }
};

} // namespace

TPixelImage DecodeJpeg(std::span<const Byte> data)
{
    std::unique_ptr<JpegDecodeJob, TDecodeJobCloser> job(JpegBridgeOpenDecode(data.data(), data.size()));
    if (!job)
        throw std::bad_alloc();
    int width = 0, height = 0, components = 0;
    if (!JpegBridgeReadHeader(job.get(), &width, &height, &components))
        RaiseInvalidGraphic(Jpeg, JpegBridgeDecodeMessage(job.get()));
    CheckPictureSize(width, height, Jpeg);
    TPixelImage image(width, height);
    if (!JpegBridgeReadPixels(job.get(), reinterpret_cast<unsigned char*>(image.ScanLine(0)),
                              static_cast<std::size_t>(width) * sizeof(TBGRA)))
        RaiseInvalidGraphic(Jpeg, JpegBridgeDecodeMessage(job.get()));
    image.SetSourceBitsPerPixel(8 * components);
    return image;
}

std::vector<Byte> EncodeJpeg(const TPixelImage& image, int quality)
{
    static_assert(sizeof(TBGRA) == 4, "the bridge reads the pixels as BGRA bytes");
    if (image.Empty())
        RaiseInvalidGraphic(Jpeg, "cannot save an empty picture");
    unsigned char* block = nullptr;
    unsigned long size = 0;
    char message[JpegBridgeMessageSize] = {};
    if (!JpegBridgeEncode(reinterpret_cast<const unsigned char*>(image.ScanLine(0)), image.Width(), image.Height(),
                          static_cast<std::size_t>(image.Width()) * sizeof(TBGRA), quality, &block, &size, message))
        RaiseInvalidGraphic(Jpeg, message);
    std::unique_ptr<unsigned char, TBridgeBlockFree> owned(block);
    return std::vector<Byte>(block, block + size);
}
