// Image-list images and pictures drawn through GDI+: the picture is written into a memory stream,
// copied into global memory behind a COM stream and decoded by GDI+; a key colour read from one
// corner drops out.
#include <objbase.h>

#include <memory>

#include "RurToolBar_Shapes.h"
#include "RurTypes.h"
#include "Streams.h"
#include "SysUtils.h"

using namespace RurGDIP;

namespace {

// The bytes of a memory stream behind a COM stream on global memory that the stream frees.
class TGlobalStream {
public:
    explicit TGlobalStream(TMemoryStream& bytes)
    {
        const SIZE_T size = SIZE_T(bytes.Size());
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
        if (!memory)
            throw Exception(u"Could not allocate memory for image");
        if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &FStream))) {
            GlobalFree(memory);
            FStream = nullptr;
            return;
        }
        ULONG written = 0;
        if (FAILED(FStream->Write(bytes.Memory(), ULONG(size), &written)) || written != size) {
            FStream->Release();
            FStream = nullptr;
        }
    }
    ~TGlobalStream()
    {
        if (FStream)
            FStream->Release();
    }
    TGlobalStream(const TGlobalStream&) = delete;
    TGlobalStream& operator=(const TGlobalStream&) = delete;

    // The stream rewound for the next decoder; null when it could not be made.
    IStream* Rewound() const
    {
        if (FStream) {
            const LARGE_INTEGER start{};
            FStream->Seek(start, STREAM_SEEK_SET, nullptr);
        }
        return FStream;
    }

private:
    IStream* FStream = nullptr;
};

// The colour of the stream picture's top-left or bottom-left pixel, made opaque. It is read before
// the picture is decoded for drawing, which may go on reading the stream.
ARGB KeyColor(const TGlobalStream& stream, bool bottomLeft)
{
    TGPBitmap bitmap(stream.Rewound());
    ARGB color = 0;
    bitmap.GetPixel(0, bottomLeft ? int(bitmap.GetHeight()) - 1 : 0, color);
    return color | 0xFF000000u;
}

// The whole image at p, with the key colour dropping out.
void DrawKeyed(TGPGraphics* g, TGPImage& image, TPoint p, ARGB key)
{
    TGPImageAttributes attributes;
    attributes.SetColorKey(key, key);
    const float w = float(image.GetWidth()), h = float(image.GetHeight());
    g->DrawImage(&image, MakeRectF(float(p.X), float(p.Y), w, h), 0, 0, w, h, UnitPixel, &attributes);
}

} // namespace

void DrawGDIPImageListImage(TGPGraphics* g, TCanvas* canvas, TPoint p, TCustomImageList* images, int imageIndex,
                            bool enabled)
{
    if (!images || imageIndex < 0 || (!g && !canvas))
        return;
    TMemoryStream bytes;
    {
        TBitmap bitmap(images->Width(), images->Height());
        images->Draw(bitmap.Canvas(), 0, 0, imageIndex, enabled);
        bitmap.SaveToStream(bytes);
    }
    TGlobalStream stream(bytes);
    if (!stream.Rewound())
        return;
    TGraphicsOrCanvas graphics(g, canvas);
    const ARGB key = KeyColor(stream, true);
    TGPImage image(stream.Rewound());
    DrawKeyed(graphics.Get(), image, p, key);
}

void DrawGDIPGraphic(TGPGraphics* g, TCanvas* canvas, TPoint p, TGraphic* graphic, bool transparent)
{
    TGraphicsOrCanvas graphics(g, canvas);
    if (!graphics.Get())
        return;
    auto* svg = dynamic_cast<TRurSVGBitmap*>(graphic);
    if (svg && svg->HasSVG()) {
        HDC dc = graphics.Get()->GetHDC();
        {
            TCanvas target;
            target.SetHandle(dc);
            target.StretchDraw(Rect(p.X, p.Y, p.X + graphic->Width(), p.Y + graphic->Height()), graphic);
            target.SetHandle(nullptr);
        }
        graphics.Get()->ReleaseHDC(dc);
        return;
    }
    TMemoryStream bytes;
    graphic->SaveToStream(bytes);
    TGlobalStream stream(bytes);
    if (!stream.Rewound())
        return;
    std::unique_ptr<TGPImage> image = std::make_unique<TGPImage>(stream.Rewound());
    if (!transparent || image->GetFormat() == ifPNG) {
        graphics.Get()->DrawImage(image.get(), p.X, p.Y);
        return;
    }
    image.reset();
    const ARGB key = KeyColor(stream, false);
    TGPImage keyed(stream.Rewound());
    DrawKeyed(graphics.Get(), keyed, p, key);
}
