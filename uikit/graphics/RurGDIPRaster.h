#pragma once
// A picture that holds either the raw bytes of a raster file (BMP, GIF, JPEG, PNG, ICO, TIFF,
// metafile), decoded by GDI+ each time it is drawn or measured, or an SVG document through its SVG
// base. The kit's GDI+ pictures are built on it.
#include <memory>

#include "RurGDIP.h"
#include "RurTypes.h"
#include "Streams.h"

namespace RurGDIP {

class TRurRasterPicture : public TRurSVGBitmap {
    TAVIN_CLASS(TRurRasterPicture, TRurSVGBitmap)
public:
    // Raster data is kept from the stream's beginning, anything else loads as SVG; then the size is
    // measured and the change told.
    void LoadFromStream(TStream& Stream) override;
    void SaveToStream(TStream& Stream) override;
    // As LoadFromStream, without measuring or telling.
    void ReadData(TStream& Stream) override;
    void WriteData(TStream& Stream) override;
    // From the module's RCDATA resource of that name; nothing when there is none.
    void LoadFromResourceName(NativeUInt Instance, const String& Name);
    // True for SVG content; decodes raster bytes and keeps their size (0 x 0 for bytes GDI+
    // cannot read); False for an empty picture.
    bool GetImageSizes();

protected:
    bool GetEmpty() const override { return HasSVG() ? TRurSVGBitmap::GetEmpty() : FEmpty; }
    int GetWidth() const override { return HasSVG() ? TRurSVGBitmap::GetWidth() : FWidth; }
    int GetHeight() const override { return HasSVG() ? TRurSVGBitmap::GetHeight() : FHeight; }

    // Raster bytes from the stream when it holds a raster format, else ALoadSVG; not empty after.
    template <class F>
    void LoadData(TStream& Stream, F&& ALoadSVG)
    {
        FBytes.Clear();
        if (IsRaster(Stream)) {
            DropSVG();
            Stream.SetPosition(0);
            FBytes.CopyFrom(Stream, 0);
        } else {
            ALoadSVG();
        }
        FEmpty = false;
    }
    // No bytes, no SVG, size 0 x 0 (the empty flag is the caller's).
    void ClearContent();
    // The content of another raster picture.
    void CopyContent(const TRurRasterPicture& ASource);
    // The data a graphic (or a picture's graphic) saves; false for any other source.
    static bool GraphicData(const TPersistent* ASource, TMemoryStream& AData);
    // Whether the stream (from its beginning; the position is kept) holds a known raster format.
    static bool IsRaster(TStream& AStream);

    const void* RasterBytes() const { return FBytes.Memory(); }
    Int64 RasterSize() const { return FBytes.Size(); }
    // Nil without bytes; raises "Could not allocate memory for image" when no memory block can be
    // had.
    std::unique_ptr<TGPImage> Decode() const;
    // The decoded image stretched into the rectangle; a BMP with the colour of its bottom-left
    // pixel left out when AKeyBMP.
    void DrawRaster(TGPGraphics& AGraphics, const TGPRectF& ARect, bool AKeyBMP) const;
    // A BMP stretched onto the canvas by the framework's bitmap, the colour of its bottom-left
    // pixel left out when ATransparent; false, with nothing drawn, for the other formats.
    bool DrawBitmapOnCanvas(TCanvas& ACanvas, const TRect& ARect, bool ATransparent) const;
    // Filled with the decoded image as a tiled texture.
    void FillRaster(TGPGraphics& AGraphics, const TGPGraphicsPath* APath, const TGPRectF& ARect) const;

    bool FEmpty = true;
    int FWidth = 0;
    int FHeight = 0;

private:
    // A memory stream answers its size and reads through non-const calls.
    mutable TMemoryStream FBytes;
};

} // namespace RurGDIP
