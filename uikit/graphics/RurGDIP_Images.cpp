// Images, bitmaps and image attributes of the statically imported wrapper set.
#include "RurGDIPFlat.h"

namespace RurGDIP {

namespace {

constexpr int PixelFormatAlpha = 0x40000;
constexpr int PixelFormatIndexed = 0x10000;

// The platform's image-format GUIDs differ only in their first field.
constexpr unsigned long ImageFormatFirst = 0xB96B3CAA;
constexpr TGPImageFormat ImageFormatsByOffset[] = {ifMemoryBMP, ifBMP, ifEMF, ifWMF, ifJPEG, ifPNG, ifGIF,
                                                   ifTIFF, ifEXIF, ifUndefined, ifUndefined, ifIcon};
constexpr GUID ImageFormatTemplate = {ImageFormatFirst, 0x0728, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};

TGPImageFormat FormatOf(const GUID& id)
{
    GUID shape = id;
    shape.Data1 = ImageFormatTemplate.Data1;
    if (shape != ImageFormatTemplate || id.Data1 < ImageFormatFirst)
        return ifUndefined;
    unsigned long offset = id.Data1 - ImageFormatFirst;
    return offset < std::size(ImageFormatsByOffset) ? ImageFormatsByOffset[offset] : ifUndefined;
}

} // namespace

// ---- TGPImage ------------------------------------------------------------------------------------

TGPImage::TGPImage(const String& filename, bool useEmbeddedColorManagement)
{
    lastResult = useEmbeddedColorManagement ? GdipLoadImageFromFileICM(WideText(filename), &nativeImage)
                                            : GdipLoadImageFromFile(WideText(filename), &nativeImage);
}

TGPImage::TGPImage(IStream* stream, bool useEmbeddedColorManagement)
{
    lastResult = useEmbeddedColorManagement ? GdipLoadImageFromStreamICM(stream, &nativeImage)
                                            : GdipLoadImageFromStream(stream, &nativeImage);
}

TGPImage::TGPImage(GpImage* nativeImage, TStatus status) : nativeImage(nativeImage) { lastResult = status; }

TGPImage::~TGPImage() { GdipDisposeImage(nativeImage); }

UINT TGPImage::GetWidth()
{
    UINT width = 0;
    SetStatus(GdipGetImageWidth(nativeImage, &width));
    return width;
}

UINT TGPImage::GetHeight()
{
    UINT height = 0;
    SetStatus(GdipGetImageHeight(nativeImage, &height));
    return height;
}

PixelFormat TGPImage::GetPixelFormat()
{
    PixelFormat format = 0;
    SetStatus(GdipGetImagePixelFormat(nativeImage, &format));
    return format;
}

int TGPImage::GetPixelDepth() { return (GetPixelFormat() >> 8) & 0xFF; }

bool TGPImage::HasAlphaChannel() { return (GetPixelFormat() & PixelFormatAlpha) != 0; }

bool TGPImage::HasPalette() { return (GetPixelFormat() & PixelFormatIndexed) != 0; }

TGPImageFormat TGPImage::GetFormat()
{
    GUID id{};
    if (SetStatus(GdipGetImageRawFormat(nativeImage, &id)) != Ok)
        return ifUndefined;
    return FormatOf(id);
}

std::unique_ptr<TGPImage> TGPImage::GetThumbnailImage(UINT thumbWidth, UINT thumbHeight, DrawImageAbort callback,
                                                      void* callbackData)
{
    GpImage* thumbnail = nullptr;
    TStatus status = SetStatus(GdipGetImageThumbnail(nativeImage, thumbWidth, thumbHeight, &thumbnail, callback, callbackData));
    return std::make_unique<TGPImage>(thumbnail, status);
}

TStatus TGPImage::Save(const String& filename, const CLSID& clsidEncoder, const EncoderParameters* encoderParams)
{
    return SetStatus(GdipSaveImageToFile(nativeImage, WideText(filename), &clsidEncoder, encoderParams));
}

TStatus TGPImage::Save(IStream* stream, const CLSID& clsidEncoder, const EncoderParameters* encoderParams)
{
    return SetStatus(GdipSaveImageToStream(nativeImage, stream, &clsidEncoder, encoderParams));
}

TStatus TGPImage::SaveAdd(const TGPImage* newImage, const EncoderParameters* encoderParams)
{
    if (!newImage)
        return SetStatus(InvalidParameter);
    return SetStatus(GdipSaveAddImage(nativeImage, newImage->nativeImage, encoderParams));
}

TStatus TGPImage::RotateFlip(RotateFlipType rotateFlipType)
{
    return SetStatus(GdipImageRotateFlip(nativeImage, rotateFlipType));
}

// ---- TGPBitmap -----------------------------------------------------------------------------------

TGPBitmap::TGPBitmap(IStream* stream, bool useEmbeddedColorManagement)
{
    lastResult = useEmbeddedColorManagement ? GdipCreateBitmapFromStreamICM(stream, &nativeImage)
                                            : GdipCreateBitmapFromStream(stream, &nativeImage);
}

TGPBitmap::TGPBitmap(int width, int height, PixelFormat format)
{
    lastResult = GdipCreateBitmapFromScan0(width, height, 0, format, nullptr, &nativeImage);
}

TGPBitmap::TGPBitmap(int width, int height, int stride, PixelFormat format, BYTE* scan0)
{
    lastResult = GdipCreateBitmapFromScan0(width, height, stride, format, scan0, &nativeImage);
}

TGPBitmap::TGPBitmap(GpImage* nativeBitmap) { nativeImage = nativeBitmap; }

std::unique_ptr<TGPBitmap> TGPBitmap::FromStream(IStream* stream, bool useEmbeddedColorManagement)
{
    return std::make_unique<TGPBitmap>(stream, useEmbeddedColorManagement);
}

TStatus TGPBitmap::GetHBITMAP(ARGB colorBackground, HBITMAP& hbmReturn)
{
    return SetStatus(GdipCreateHBITMAPFromBitmap(nativeImage, &hbmReturn, colorBackground));
}

TStatus TGPBitmap::GetPixel(int x, int y, ARGB& color) { return SetStatus(GdipBitmapGetPixel(nativeImage, x, y, &color)); }

TStatus TGPBitmap::SetPixel(int x, int y, ARGB color) { return SetStatus(GdipBitmapSetPixel(nativeImage, x, y, color)); }

// ---- TGPImageAttributes --------------------------------------------------------------------------

TGPImageAttributes::TGPImageAttributes() { lastResult = GdipCreateImageAttributes(&nativeImageAttr); }

TGPImageAttributes::TGPImageAttributes(GpImageAttributes* native, TStatus status) : nativeImageAttr(native)
{
    lastResult = status;
}

TGPImageAttributes::~TGPImageAttributes() { GdipDisposeImageAttributes(nativeImageAttr); }

std::unique_ptr<TGPImageAttributes> TGPImageAttributes::Clone() const
{
    GpImageAttributes* clone = nullptr;
    TStatus status = GdipCloneImageAttributes(nativeImageAttr, &clone);
    return std::unique_ptr<TGPImageAttributes>(new TGPImageAttributes(clone, status));
}

TStatus TGPImageAttributes::SetToIdentity(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesToIdentity(nativeImageAttr, type));
}

TStatus TGPImageAttributes::Reset(ColorAdjustType type) { return SetStatus(GdipResetImageAttributes(nativeImageAttr, type)); }

TStatus TGPImageAttributes::SetColorMatrix(const ColorMatrix& colorMatrix, ColorMatrixFlags mode, ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesColorMatrix(nativeImageAttr, type, TRUE, &colorMatrix, nullptr, mode));
}

TStatus TGPImageAttributes::ClearColorMatrix(ColorAdjustType type)
{
    return SetStatus(
        GdipSetImageAttributesColorMatrix(nativeImageAttr, type, FALSE, nullptr, nullptr, ColorMatrixFlagsDefault));
}

TStatus TGPImageAttributes::SetColorMatrices(const ColorMatrix& colorMatrix, const ColorMatrix& grayMatrix,
                                             ColorMatrixFlags mode, ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesColorMatrix(nativeImageAttr, type, TRUE, &colorMatrix, &grayMatrix, mode));
}

TStatus TGPImageAttributes::ClearColorMatrices(ColorAdjustType type) { return ClearColorMatrix(type); }

TStatus TGPImageAttributes::SetThreshold(float threshold, ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesThreshold(nativeImageAttr, type, TRUE, threshold));
}

TStatus TGPImageAttributes::ClearThreshold(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesThreshold(nativeImageAttr, type, FALSE, 0));
}

TStatus TGPImageAttributes::SetGamma(float gamma, ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesGamma(nativeImageAttr, type, TRUE, gamma));
}

TStatus TGPImageAttributes::ClearGamma(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesGamma(nativeImageAttr, type, FALSE, 0));
}

TStatus TGPImageAttributes::SetNoOp(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesNoOp(nativeImageAttr, type, TRUE));
}

TStatus TGPImageAttributes::ClearNoOp(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesNoOp(nativeImageAttr, type, FALSE));
}

TStatus TGPImageAttributes::SetColorKey(ARGB colorLow, ARGB colorHigh, ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesColorKeys(nativeImageAttr, type, TRUE, colorLow, colorHigh));
}

TStatus TGPImageAttributes::ClearColorKey(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesColorKeys(nativeImageAttr, type, FALSE, 0, 0));
}

TStatus TGPImageAttributes::SetOutputChannel(ColorChannelFlags channelFlags, ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesOutputChannel(nativeImageAttr, type, TRUE, channelFlags));
}

TStatus TGPImageAttributes::ClearOutputChannel(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesOutputChannel(nativeImageAttr, type, FALSE, ColorChannelFlagsLast));
}

TStatus TGPImageAttributes::SetOutputChannelColorProfile(const String& colorProfileFilename, ColorAdjustType type)
{
    return SetStatus(
        GdipSetImageAttributesOutputChannelColorProfile(nativeImageAttr, type, TRUE, WideText(colorProfileFilename)));
}

TStatus TGPImageAttributes::ClearOutputChannelColorProfile(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesOutputChannelColorProfile(nativeImageAttr, type, FALSE, nullptr));
}

TStatus TGPImageAttributes::SetRemapTable(UINT mapSize, const ColorMap* map, ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesRemapTable(nativeImageAttr, type, TRUE, mapSize, map));
}

TStatus TGPImageAttributes::ClearRemapTable(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesRemapTable(nativeImageAttr, type, FALSE, 0, nullptr));
}

TStatus TGPImageAttributes::SetBrushRemapTable(UINT mapSize, const ColorMap* map)
{
    return SetRemapTable(mapSize, map, ColorAdjustTypeBrush);
}

TStatus TGPImageAttributes::ClearBrushRemapTable() { return ClearRemapTable(ColorAdjustTypeBrush); }

TStatus TGPImageAttributes::SetWrapMode(WrapMode wrap, ARGB color, bool clamp)
{
    return SetStatus(GdipSetImageAttributesWrapMode(nativeImageAttr, wrap, color, clamp));
}

TStatus TGPImageAttributes::GetAdjustedPalette(ColorPalette* colorPalette, ColorAdjustType colorAdjustType)
{
    return SetStatus(GdipGetImageAttributesAdjustedPalette(nativeImageAttr, colorPalette, colorAdjustType));
}

} // namespace RurGDIP
