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
    // From the module's RCDATA resource of that number; raises EResNotFound when there is none.
    void LoadFromResourceID(NativeUInt Instance, int ResID);
    // SVG content into (X, Y, X + W, Y + H) through a canvas on the graphics' device context;
    // nothing for raster content.
    virtual void DrawSVG(TGPGraphics& AGraphics, float X, float Y, float W, float H);
    // True for SVG content; decodes raster bytes and keeps their size (0 x 0 for bytes GDI+
    // cannot read); False for an empty picture.
    bool GetImageSizes();

protected:
    bool GetEmpty() const override { return HasSVG() ? TRurSVGBitmap::GetEmpty() : FEmpty; }
    int GetWidth() const override { return HasSVG() ? TRurSVGBitmap::GetWidth() : FWidth; }
    int GetHeight() const override { return HasSVG() ? TRurSVGBitmap::GetHeight() : FHeight; }

    // Raster bytes from the stream's position on when they are a raster format, else ALoadSVG;
    // empty after only when neither gave anything, and unmeasured (0 x 0) either way. Form data
    // reads this way from where the class name leaves the stream; a whole stream is rewound first.
    template <class F>
    void LoadData(TStream& Stream, F&& ALoadSVG)
    {
        FWidth = FHeight = 0;
        const bool raster = TakeImageBytes(Stream, FBytes);
        if (!raster)
            ALoadSVG();
        FEmpty = !raster && !HasSVG();
    }
    // "RES://name" from the program's RCDATA resources, "FILE://path" from a file, the prefix in
    // any case and the rest as given (nothing loads without a rest); False for other addresses.
    bool LoadFromLocalURL(const String& url);
    // The file's raster bytes, else its SVG; then ALoaded and the change told. Any failure leaves
    // the picture empty, without an error.
    template <class F>
    void LoadFileQuietly(const String& FileName, F&& ALoaded)
    {
        try {
            TMemoryStream file;
            file.LoadFromFile(FileName);
            LoadData(file, [&] { TRurSVGBitmap::LoadFromFile(FileName); });
            ALoaded();
            Changed(this);
        } catch (const Exception&) {
            ClearContent();
            FEmpty = true;
        }
    }
    // No bytes, no SVG, size 0 x 0 (the empty flag is the caller's).
    void ClearContent();
    // The content of another raster picture.
    void CopyContent(const TRurRasterPicture& ASource);
    // The data a graphic (or a picture's graphic) saves; false for any other source.
    static bool GraphicData(const TPersistent* ASource, TMemoryStream& AData);

    const void* RasterBytes() const { return FBytes.Memory(); }
    Int64 RasterSize() const { return FBytes.Size(); }
    // Nil without bytes; raises "Could not allocate memory for image" when no memory block can be
    // had.
    std::unique_ptr<TGPImage> Decode() const;
    // The decoded image stretched into the rectangle on the canvas through GDI+, measured; turned
    // by AAngle degrees about its centre as it would lie at the rectangle's top-left.
    void DrawImageOnCanvas(TCanvas& ACanvas, const TRect& ARect, int AAngle = 0);
    // A BMP drawn onto the canvas by the framework's bitmap, stretched into the rectangle or in its
    // own size at its top-left, the colour of its bottom-left pixel left out when ATransparent;
    // false, with nothing drawn, for the other formats.
    bool DrawBitmapOnCanvas(TCanvas& ACanvas, const TRect& ARect, bool ATransparent, bool AStretch = true) const;
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
