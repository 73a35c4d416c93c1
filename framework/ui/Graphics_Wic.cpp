// Pictures decoded by the system's imaging component (TIFF and whatever else it knows).
#include <wincodec.h>

#include <cstring>

#include "GraphicErrors.h"
#include "Graphics.h"
#include "PixelImage.h"
#include "ReadStream.h"

namespace {

// COM on this thread for the length of one decode, unless the thread already has it.
class TComScope {
public:
    TComScope() : FStarted(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~TComScope()
    {
        if (FStarted)
            CoUninitialize();
    }
    TComScope(const TComScope&) = delete;
    TComScope& operator=(const TComScope&) = delete;

private:
    bool FStarted;
};

template <class T>
class TComPtr {
public:
    TComPtr() = default;
    ~TComPtr()
    {
        if (FPointer)
            FPointer->Release();
    }
    TComPtr(const TComPtr&) = delete;
    TComPtr& operator=(const TComPtr&) = delete;
    T* operator->() const { return FPointer; }
    T* Get() const { return FPointer; }
    T** Out() { return &FPointer; }

private:
    T* FPointer = nullptr;
};

void Check(HRESULT result, const char* step)
{
    if (FAILED(result))
        RaiseInvalidGraphic("WIC", step);
}

TWICImageFormat FormatOfContainer(const GUID& container)
{
    if (container == GUID_ContainerFormatBmp)
        return wifBmp;
    if (container == GUID_ContainerFormatPng)
        return wifPng;
    if (container == GUID_ContainerFormatJpeg)
        return wifJpeg;
    if (container == GUID_ContainerFormatGif)
        return wifGif;
    if (container == GUID_ContainerFormatTiff)
        return wifTiff;
    if (container == GUID_ContainerFormatWmp)
        return wifWMPhoto;
    return wifOther;
}

} // namespace

bool TWICImage::CanLoadFromStream(TStream& stream)
{
    Byte head[4] = {};
    if (stream.Read(head, 4) != 4)
        return false;
    return (head[0] == 'I' && head[1] == 'I' && head[2] == 0x2A && head[3] == 0) ||
           (head[0] == 'M' && head[1] == 'M' && head[2] == 0 && head[3] == 0x2A);
}

void TWICImage::Assign(const TPersistent* source)
{
    auto* image = dynamic_cast<const TWICImage*>(source);
    if (source && !image) {
        TGraphic::Assign(source);
        return;
    }
    if (!image) {
        ClearDecoded();
        return;
    }
    FImageFormat = image->FImageFormat;
    CopyDecoded(*image);
}

void TWICImage::LoadFromStream(TStream& stream)
{
    std::vector<Byte> data = ReadRestOfStream(stream);
    if (data.empty())
        RaiseInvalidGraphic("WIC", "no data");
    TComScope com;
    TComPtr<IWICImagingFactory> factory;
    Check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                           reinterpret_cast<void**>(factory.Out())),
          "the imaging component is not available");
    TComPtr<IWICStream> wicStream;
    Check(factory->CreateStream(wicStream.Out()), "cannot make a stream");
    Check(wicStream->InitializeFromMemory(data.data(), static_cast<DWORD>(data.size())), "cannot read the data");
    TComPtr<IWICBitmapDecoder> decoder;
    Check(factory->CreateDecoderFromStream(wicStream.Get(), nullptr, WICDecodeMetadataCacheOnDemand, decoder.Out()),
          "unknown or damaged picture");
    GUID container{};
    decoder->GetContainerFormat(&container);
    TComPtr<IWICBitmapFrameDecode> frame;
    Check(decoder->GetFrame(0, frame.Out()), "no picture in the data");
    TComPtr<IWICBitmapSource> converted;
    Check(WICConvertBitmapSource(GUID_WICPixelFormat32bppPBGRA, frame.Get(), converted.Out()),
          "cannot convert the pixels");
    UINT width = 0, height = 0;
    Check(converted->GetSize(&width, &height), "no size");
    CheckPictureSize(width, height, "WIC");
    const UINT stride = width * 4;
    std::vector<Byte> pixels(static_cast<size_t>(stride) * height);
    Check(converted->CopyPixels(nullptr, stride, static_cast<UINT>(pixels.size()), pixels.data()), "damaged picture");

    auto image = std::make_unique<TBitmap>();
    image->SetPixelFormat(pf32bit);
    image->SetSize(static_cast<int>(width), static_cast<int>(height));
    // Declared premultiplied while still blank: the converter has multiplied the pixels already.
    image->SetAlphaFormat(afPremultiplied);
    for (UINT y = 0; y < height; ++y)
        std::memcpy(image->ScanLine(static_cast<int>(y)), pixels.data() + static_cast<size_t>(y) * stride, stride);
    FImageFormat = FormatOfContainer(container);
    SetDecoded(std::move(data), std::move(image));
}
