// Image, bitmap, cached bitmap and image attribute wrappers.
#include "RurGDIPlusClasses.h"

#include <new>

namespace RurGDIPlusClasses {

using enum GdipEntry;

namespace {

// Wraps a new platform image, or disposes of it when no wrapper can be made.
template <class TWrapper, class... A>
TWrapper* WrapImage(void* image, A... args)
{
    auto* result = new (std::nothrow) TWrapper(image, args...);
    if (!result)
        GdipCall(GdipDisposeImage, image);
    return result;
}

} // namespace

// ---- TGPImage -------------------------------------------------------------------------------------------

TGPImage::TGPImage(const String& filename, bool useEmbeddedColorManagement)
{
    lastResult = GdipCall(useEmbeddedColorManagement ? GdipLoadImageFromFileICM : GdipLoadImageFromFile,
                          filename.c_str(), &nativeImage);
}

TGPImage::TGPImage(IStream* stream, bool useEmbeddedColorManagement)
{
    lastResult = GdipCall(useEmbeddedColorManagement ? GdipLoadImageFromStreamICM : GdipLoadImageFromStream, stream,
                          &nativeImage);
}

TGPImage::TGPImage(void* nativeImage, Status status) : nativeImage(nativeImage), lastResult(status) {}

TGPImage::~TGPImage() { GdipCall(GdipDisposeImage, nativeImage); }

TGPImage* TGPImage::FromFile(const String& filename, bool useEmbeddedColorManagement)
{
    return new TGPImage(filename, useEmbeddedColorManagement);
}

TGPImage* TGPImage::FromStream(IStream* stream, bool useEmbeddedColorManagement)
{
    return new TGPImage(stream, useEmbeddedColorManagement);
}

TGPImage* TGPImage::Clone()
{
    void* copy = nullptr;
    SetStatus(GdipCall(GdipCloneImage, nativeImage, &copy));
    return new TGPImage(copy, lastResult);
}

Status TGPImage::Save(const String& filename, const GUID& clsidEncoder, const EncoderParameters* encoderParams)
{
    return SetStatus(GdipCall(GdipSaveImageToFile, nativeImage, filename.c_str(), &clsidEncoder, encoderParams));
}

Status TGPImage::Save(IStream* stream, const GUID& clsidEncoder, const EncoderParameters* encoderParams)
{
    return SetStatus(GdipCall(GdipSaveImageToStream, nativeImage, stream, &clsidEncoder, encoderParams));
}

Status TGPImage::SaveAdd(const EncoderParameters* encoderParams)
{
    return SetStatus(GdipCall(GdipSaveAdd, nativeImage, encoderParams));
}

Status TGPImage::SaveAdd(TGPImage* newImage, const EncoderParameters* encoderParams)
{
    if (!newImage)
        return SetStatus(InvalidParameter);
    return SetStatus(GdipCall(GdipSaveAddImage, nativeImage, TGPHandles::Of(newImage), encoderParams));
}

ImageType TGPImage::GetType()
{
    ImageType type = ImageTypeUnknown;
    if (SetStatus(GdipCall(GdipGetImageType, nativeImage, &type)) != Ok)
        return ImageTypeUnknown;
    return type;
}

Status TGPImage::GetPhysicalDimension(TGPSizeF& size)
{
    TGPSizeF read{0, 0};
    Status status = SetStatus(GdipCall(GdipGetImageDimension, nativeImage, &read.Width, &read.Height));
    size = status == Ok ? read : TGPSizeF{0, 0};
    return status;
}

Status TGPImage::GetBounds(TGPRectF& srcRect, Unit_& srcUnit)
{
    srcUnit = UnitWorld;
    return SetStatus(GdipCall(GdipGetImageBounds, nativeImage, &srcRect, &srcUnit));
}

uint32_t TGPImage::GetWidth()
{
    uint32_t width = 0;
    if (SetStatus(GdipCall(GdipGetImageWidth, nativeImage, &width)) != Ok)
        return 0;
    return width;
}

uint32_t TGPImage::GetHeight()
{
    uint32_t height = 0;
    if (SetStatus(GdipCall(GdipGetImageHeight, nativeImage, &height)) != Ok)
        return 0;
    return height;
}

float TGPImage::GetHorizontalResolution()
{
    float resolution = 0;
    if (SetStatus(GdipCall(GdipGetImageHorizontalResolution, nativeImage, &resolution)) != Ok)
        return 0;
    return resolution;
}

float TGPImage::GetVerticalResolution()
{
    float resolution = 0;
    if (SetStatus(GdipCall(GdipGetImageVerticalResolution, nativeImage, &resolution)) != Ok)
        return 0;
    return resolution;
}

uint32_t TGPImage::GetFlags()
{
    uint32_t flags = 0;
    if (SetStatus(GdipCall(GdipGetImageFlags, nativeImage, &flags)) != Ok)
        return 0;
    return flags;
}

Status TGPImage::GetRawFormat(GUID& format) { return SetStatus(GdipCall(GdipGetImageRawFormat, nativeImage, &format)); }

int32_t TGPImage::GetPixelFormat()
{
    int32_t format = 0;
    SetStatus(GdipCall(GdipGetImagePixelFormat, nativeImage, &format));
    return format;
}

int32_t TGPImage::GetPaletteSize()
{
    int32_t size = 0;
    if (SetStatus(GdipCall(GdipGetImagePaletteSize, nativeImage, &size)) != Ok)
        return 0;
    return size;
}

Status TGPImage::GetPalette(ColorPalette* palette, int32_t size)
{
    return SetStatus(GdipCall(GdipGetImagePalette, nativeImage, palette, size));
}

Status TGPImage::SetPalette(const ColorPalette* palette) { return SetStatus(GdipCall(GdipSetImagePalette, nativeImage, palette)); }

TGPImage* TGPImage::GetThumbnailImage(uint32_t thumbWidth, uint32_t thumbHeight, ImageAbort callback,
                                      void* callbackData)
{
    void* thumbnail = nullptr;
    SetStatus(GdipCall(GdipGetImageThumbnail, nativeImage, thumbWidth, thumbHeight, &thumbnail, callback, callbackData));
    return WrapImage<TGPImage>(thumbnail, lastResult);
}

uint32_t TGPImage::GetFrameDimensionsCount()
{
    uint32_t count = 0;
    if (SetStatus(GdipCall(GdipImageGetFrameDimensionsCount, nativeImage, &count)) != Ok)
        return 0;
    return count;
}

Status TGPImage::GetFrameDimensionsList(GUID* dimensionIDs, uint32_t count)
{
    return SetStatus(GdipCall(GdipImageGetFrameDimensionsList, nativeImage, dimensionIDs, count));
}

uint32_t TGPImage::GetFrameCount(const GUID& dimensionID)
{
    uint32_t count = 0;
    if (SetStatus(GdipCall(GdipImageGetFrameCount, nativeImage, &dimensionID, &count)) != Ok)
        return 0;
    return count;
}

Status TGPImage::SelectActiveFrame(const GUID& dimensionID, uint32_t frameIndex)
{
    return SetStatus(GdipCall(GdipImageSelectActiveFrame, nativeImage, &dimensionID, frameIndex));
}

Status TGPImage::RotateFlip(RotateFlipType rotateFlipType)
{
    return SetStatus(GdipCall(GdipImageRotateFlip, nativeImage, rotateFlipType));
}

uint32_t TGPImage::GetPropertyCount()
{
    uint32_t count = 0;
    if (SetStatus(GdipCall(GdipGetPropertyCount, nativeImage, &count)) != Ok)
        return 0;
    return count;
}

Status TGPImage::GetPropertyIdList(uint32_t numOfProperty, uint32_t* list)
{
    return SetStatus(GdipCall(GdipGetPropertyIdList, nativeImage, numOfProperty, list));
}

uint32_t TGPImage::GetPropertyItemSize(uint32_t propId)
{
    uint32_t size = 0;
    if (SetStatus(GdipCall(GdipGetPropertyItemSize, nativeImage, propId, &size)) != Ok)
        return 0;
    return size;
}

Status TGPImage::GetPropertyItem(uint32_t propId, uint32_t propSize, PropertyItem* buffer)
{
    return SetStatus(GdipCall(GdipGetPropertyItem, nativeImage, propId, propSize, buffer));
}

Status TGPImage::GetPropertySize(uint32_t& totalBufferSize, uint32_t& numProperties)
{
    totalBufferSize = 0;
    numProperties = 0;
    return SetStatus(GdipCall(GdipGetPropertySize, nativeImage, &totalBufferSize, &numProperties));
}

Status TGPImage::GetAllPropertyItems(uint32_t totalBufferSize, uint32_t numProperties, PropertyItem* allItems)
{
    return SetStatus(GdipCall(GdipGetAllPropertyItems, nativeImage, totalBufferSize, numProperties, allItems));
}

Status TGPImage::RemovePropertyItem(uint32_t propId) { return SetStatus(GdipCall(GdipRemovePropertyItem, nativeImage, propId)); }
Status TGPImage::SetPropertyItem(const PropertyItem& item) { return SetStatus(GdipCall(GdipSetPropertyItem, nativeImage, &item)); }

uint32_t TGPImage::GetEncoderParameterListSize(const GUID& clsidEncoder)
{
    uint32_t size = 0;
    if (SetStatus(GdipCall(GdipGetEncoderParameterListSize, nativeImage, &clsidEncoder, &size)) != Ok)
        return 0;
    return size;
}

Status TGPImage::GetEncoderParameterList(const GUID& clsidEncoder, uint32_t size, EncoderParameters* buffer)
{
    return SetStatus(GdipCall(GdipGetEncoderParameterList, nativeImage, &clsidEncoder, size, buffer));
}

// ---- TGPBitmap ------------------------------------------------------------------------------------------

TGPBitmap::TGPBitmap(const String& filename, bool useEmbeddedColorManagement)
{
    lastResult = GdipCall(useEmbeddedColorManagement ? GdipCreateBitmapFromFileICM : GdipCreateBitmapFromFile,
                          filename.c_str(), &nativeImage);
}

TGPBitmap::TGPBitmap(IStream* stream, bool useEmbeddedColorManagement)
{
    lastResult = GdipCall(useEmbeddedColorManagement ? GdipCreateBitmapFromStreamICM : GdipCreateBitmapFromStream,
                          stream, &nativeImage);
}

TGPBitmap::TGPBitmap(int32_t width, int32_t height, int32_t stride, int32_t format, uint8_t* scan0)
{
    lastResult = GdipCall(GdipCreateBitmapFromScan0, width, height, stride, format, scan0, &nativeImage);
}

TGPBitmap::TGPBitmap(int32_t width, int32_t height, int32_t format)
    : TGPBitmap(width, height, 0, format, static_cast<uint8_t*>(nullptr))
{
}

TGPBitmap::TGPBitmap(int32_t width, int32_t height, TGPGraphics* target)
{
    lastResult = GdipCall(GdipCreateBitmapFromGraphics, width, height, TGPHandles::Of(target), &nativeImage);
}

TGPBitmap::TGPBitmap(const BITMAPINFO* gdiBitmapInfo, void* gdiBitmapData)
{
    lastResult = GdipCall(GdipCreateBitmapFromGdiDib, gdiBitmapInfo, gdiBitmapData, &nativeImage);
}

TGPBitmap::TGPBitmap(HBITMAP hbm, HPALETTE hpal)
{
    lastResult = GdipCall(GdipCreateBitmapFromHBITMAP, hbm, hpal, &nativeImage);
}

TGPBitmap::TGPBitmap(HICON hicon) { lastResult = GdipCall(GdipCreateBitmapFromHICON, hicon, &nativeImage); }

TGPBitmap::TGPBitmap(HINSTANCE hInstance, const String& bitmapName)
{
    lastResult = GdipCall(GdipCreateBitmapFromResource, hInstance, bitmapName.c_str(), &nativeImage);
}

TGPBitmap::TGPBitmap(void* nativeBitmap) : TGPImage(nativeBitmap, Ok) {}

TGPBitmap* TGPBitmap::FromFile(const String& filename, bool useEmbeddedColorManagement)
{
    return new TGPBitmap(filename, useEmbeddedColorManagement);
}

TGPBitmap* TGPBitmap::FromStream(IStream* stream, bool useEmbeddedColorManagement)
{
    return new TGPBitmap(stream, useEmbeddedColorManagement);
}

TGPBitmap* TGPBitmap::FromBITMAPINFO(const BITMAPINFO* gdiBitmapInfo, void* gdiBitmapData)
{
    return new TGPBitmap(gdiBitmapInfo, gdiBitmapData);
}

TGPBitmap* TGPBitmap::FromHBITMAP(HBITMAP hbm, HPALETTE hpal) { return new TGPBitmap(hbm, hpal); }
TGPBitmap* TGPBitmap::FromHICON(HICON hicon) { return new TGPBitmap(hicon); }

TGPBitmap* TGPBitmap::FromResource(HINSTANCE hInstance, const String& bitmapName)
{
    return new TGPBitmap(hInstance, bitmapName);
}

TGPBitmap* TGPBitmap::Clone(const TGPRect& rect, int32_t format)
{
    return Clone(rect.X, rect.Y, rect.Width, rect.Height, format);
}

TGPBitmap* TGPBitmap::Clone(int32_t x, int32_t y, int32_t width, int32_t height, int32_t format)
{
    void* copy = nullptr;
    lastResult = GdipCall(GdipCloneBitmapAreaI, x, y, width, height, format, nativeImage, &copy);
    if (lastResult != Ok)
        return nullptr;
    return WrapImage<TGPBitmap>(copy);
}

TGPBitmap* TGPBitmap::Clone(const TGPRectF& rect, int32_t format)
{
    return Clone(rect.X, rect.Y, rect.Width, rect.Height, format);
}

TGPBitmap* TGPBitmap::Clone(float x, float y, float width, float height, int32_t format)
{
    void* copy = nullptr;
    SetStatus(GdipCall(GdipCloneBitmapArea, x, y, width, height, format, nativeImage, &copy));
    if (lastResult != Ok) {
        GdipCall(GdipDisposeImage, copy); // a copy made despite an earlier failure would leak
        return nullptr;
    }
    return WrapImage<TGPBitmap>(copy);
}

Status TGPBitmap::LockBits(const TGPRect& rect, uint32_t flags, int32_t format, BitmapData& lockedBitmapData)
{
    TGPRect area = rect;
    return SetStatus(GdipCall(GdipBitmapLockBits, nativeImage, &area, flags, format, &lockedBitmapData));
}

Status TGPBitmap::UnlockBits(BitmapData& lockedBitmapData)
{
    return SetStatus(GdipCall(GdipBitmapUnlockBits, nativeImage, &lockedBitmapData));
}

Status TGPBitmap::GetPixel(int32_t x, int32_t y, ARGB& color)
{
    color = 0;
    return SetStatus(GdipCall(GdipBitmapGetPixel, nativeImage, x, y, &color));
}

Status TGPBitmap::SetPixel(int32_t x, int32_t y, ARGB color)
{
    return SetStatus(GdipCall(GdipBitmapSetPixel, nativeImage, x, y, color));
}

Status TGPBitmap::SetResolution(float xdpi, float ydpi)
{
    return SetStatus(GdipCall(GdipBitmapSetResolution, nativeImage, xdpi, ydpi));
}

Status TGPBitmap::GetHBITMAP(ARGB colorBackground, HBITMAP& hbmReturn)
{
    return SetStatus(GdipCall(GdipCreateHBITMAPFromBitmap, nativeImage, &hbmReturn, colorBackground));
}

Status TGPBitmap::GetHICON(HICON& hicon) { return SetStatus(GdipCall(GdipCreateHICONFromBitmap, nativeImage, &hicon)); }

// ---- TGPCachedBitmap ------------------------------------------------------------------------------------

TGPCachedBitmap::TGPCachedBitmap(TGPBitmap* bitmap, TGPGraphics* graphics)
{
    lastResult = GdipCall(GdipCreateCachedBitmap, TGPHandles::Of(bitmap), TGPHandles::Of(graphics), &nativeCachedBitmap);
}

TGPCachedBitmap::~TGPCachedBitmap() { GdipCall(GdipDeleteCachedBitmap, nativeCachedBitmap); }

// ---- TGPImageAttributes ---------------------------------------------------------------------------------

TGPImageAttributes::TGPImageAttributes() { lastResult = GdipCall(GdipCreateImageAttributes, &nativeImageAttr); }

TGPImageAttributes::TGPImageAttributes(void* imageAttr, Status status) : nativeImageAttr(imageAttr), lastResult(status) {}

TGPImageAttributes::~TGPImageAttributes() { GdipCall(GdipDisposeImageAttributes, nativeImageAttr); }

TGPImageAttributes* TGPImageAttributes::Clone()
{
    void* copy = nullptr;
    SetStatus(GdipCall(GdipCloneImageAttributes, nativeImageAttr, &copy));
    return new TGPImageAttributes(copy, lastResult);
}

Status TGPImageAttributes::SetToIdentity(ColorAdjustType type_)
{
    return SetStatus(GdipCall(GdipSetImageAttributesToIdentity, nativeImageAttr, type_));
}

Status TGPImageAttributes::Reset(ColorAdjustType type_) { return SetStatus(GdipCall(GdipResetImageAttributes, nativeImageAttr, type_)); }

Status TGPImageAttributes::SetColorMatrix(const ColorMatrix& colorMatrix, ColorMatrixFlags mode, ColorAdjustType type_)
{
    return SetStatus(GdipCall(GdipSetImageAttributesColorMatrix, nativeImageAttr, type_, TRUE, &colorMatrix,
                              static_cast<const ColorMatrix*>(nullptr), mode));
}

Status TGPImageAttributes::ClearColorMatrix(ColorAdjustType type_)
{
    return SetStatus(GdipCall(GdipSetImageAttributesColorMatrix, nativeImageAttr, type_, FALSE,
                              static_cast<const ColorMatrix*>(nullptr), static_cast<const ColorMatrix*>(nullptr),
                              ColorMatrixFlagsDefault));
}

Status TGPImageAttributes::SetColorMatrices(const ColorMatrix& colorMatrix, const ColorMatrix& grayMatrix,
                                            ColorMatrixFlags mode, ColorAdjustType type_)
{
    return SetStatus(
        GdipCall(GdipSetImageAttributesColorMatrix, nativeImageAttr, type_, TRUE, &colorMatrix, &grayMatrix, mode));
}

Status TGPImageAttributes::ClearColorMatrices(ColorAdjustType type_) { return ClearColorMatrix(type_); }

Status TGPImageAttributes::SetThreshold(float threshold, ColorAdjustType type_)
{
    return SetStatus(GdipCall(GdipSetImageAttributesThreshold, nativeImageAttr, type_, TRUE, threshold));
}

Status TGPImageAttributes::ClearThreshold(ColorAdjustType type_)
{
    return SetStatus(GdipCall(GdipSetImageAttributesThreshold, nativeImageAttr, type_, FALSE, 0.0f));
}

Status TGPImageAttributes::SetGamma(float gamma, ColorAdjustType type_)
{
    return SetStatus(GdipCall(GdipSetImageAttributesGamma, nativeImageAttr, type_, TRUE, gamma));
}

Status TGPImageAttributes::ClearGamma(ColorAdjustType type_)
{
    return SetStatus(GdipCall(GdipSetImageAttributesGamma, nativeImageAttr, type_, FALSE, 0.0f));
}

Status TGPImageAttributes::SetNoOp(ColorAdjustType type_)
{
    return SetStatus(GdipCall(GdipSetImageAttributesNoOp, nativeImageAttr, type_, TRUE));
}

Status TGPImageAttributes::ClearNoOp(ColorAdjustType type_)
{
    return SetStatus(GdipCall(GdipSetImageAttributesNoOp, nativeImageAttr, type_, FALSE));
}

Status TGPImageAttributes::SetColorKey(ARGB colorLow, ARGB colorHigh, ColorAdjustType type_)
{
    return SetStatus(GdipCall(GdipSetImageAttributesColorKeys, nativeImageAttr, type_, TRUE, colorLow, colorHigh));
}

Status TGPImageAttributes::ClearColorKey(ColorAdjustType type_)
{
    return SetStatus(GdipCall(GdipSetImageAttributesColorKeys, nativeImageAttr, type_, FALSE, ARGB(0), ARGB(0)));
}

Status TGPImageAttributes::SetOutputChannel(ColorChannelFlags channelFlags, ColorAdjustType type_)
{
    return SetStatus(GdipCall(GdipSetImageAttributesOutputChannel, nativeImageAttr, type_, TRUE, channelFlags));
}

Status TGPImageAttributes::ClearOutputChannel(ColorAdjustType type_)
{
    return SetStatus(
        GdipCall(GdipSetImageAttributesOutputChannel, nativeImageAttr, type_, FALSE, ColorChannelFlagsLast));
}

Status TGPImageAttributes::SetOutputChannelColorProfile(const String& colorProfileFilename, ColorAdjustType type_)
{
    return SetStatus(GdipCall(GdipSetImageAttributesOutputChannelColorProfile, nativeImageAttr, type_, TRUE,
                              colorProfileFilename.c_str()));
}

Status TGPImageAttributes::ClearOutputChannelColorProfile(ColorAdjustType type_)
{
    return SetStatus(GdipCall(GdipSetImageAttributesOutputChannelColorProfile, nativeImageAttr, type_, FALSE,
                              static_cast<const Char*>(nullptr)));
}

Status TGPImageAttributes::SetRemapTable(uint32_t mapSize, const ColorMap* map, ColorAdjustType type_)
{
    return SetStatus(GdipCall(GdipSetImageAttributesRemapTable, nativeImageAttr, type_, TRUE, mapSize, map));
}

Status TGPImageAttributes::ClearRemapTable(ColorAdjustType type_)
{
    return SetStatus(GdipCall(GdipSetImageAttributesRemapTable, nativeImageAttr, type_, FALSE, uint32_t(0),
                              static_cast<const ColorMap*>(nullptr)));
}

Status TGPImageAttributes::SetBrushRemapTable(uint32_t mapSize, const ColorMap* map)
{
    return SetRemapTable(mapSize, map, ColorAdjustTypeBrush);
}

Status TGPImageAttributes::ClearBrushRemapTable() { return ClearRemapTable(ColorAdjustTypeBrush); }

Status TGPImageAttributes::SetWrapMode(WrapMode wrap, ARGB color, bool clamp)
{
    return SetStatus(GdipCall(GdipSetImageAttributesWrapMode, nativeImageAttr, wrap, color, BOOL(clamp)));
}

Status TGPImageAttributes::GetAdjustedPalette(ColorPalette* colorPalette, ColorAdjustType colorAdjustType)
{
    return SetStatus(GdipCall(GdipGetImageAttributesAdjustedPalette, nativeImageAttr, colorPalette, colorAdjustType));
}

} // namespace RurGDIPlusClasses
