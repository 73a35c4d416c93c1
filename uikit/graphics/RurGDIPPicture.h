#pragma once
// The kit's GDI+-decoded picture: the raw bytes of a raster file, decoded by GDI+ whenever it is
// drawn, or an SVG document held by its SVG base. The GDI+ fill, the smooth panel and the GDI+
// caption engine draw their pictures through it.
#include "RurGDIPRaster.h"

namespace RurGDIP {

class TRurGDIPPicture : public TRurRasterPicture {
    TAVIN_PUBLISHED_CLASS(TRurGDIPPicture, TRurRasterPicture)
public:
    TRurGDIPPicture() = default;

    // From another GDI+ picture its bytes or SVG; from a graphic or picture the graphic's data;
    // nil clears the picture, tells the change and then OnClear.
    void Assign(const TPersistent* Source) override;
    // A BMP in its own size at the rectangle's top-left, its bottom-left colour left out; other
    // images stretched into the rectangle.
    void Draw(TCanvas& ACanvas, const TRect& Rect) override;
    // An empty stream changes nothing.
    void LoadFromStream(TStream& Stream) override;
    // Form data, measured.
    void ReadData(TStream& Stream) override;
    // Sized from the file's header; OnClear fires. Any failure leaves the picture empty, without
    // an error.
    void LoadFromFile(const String& Filename) override;
    // "RES://name" or "FILE://path" (the prefix in any case); other addresses do nothing.
    void LoadFromURL(const String& url) { LoadFromLocalURL(url); }

    // The picture stretched into the rectangle; a transparent BMP leaves out its key colour (the
    // fixed TransparentColor, or its bottom-left pixel's). Nothing when empty. The float form
    // draws nothing when called again while it runs (from DrawSVG, say).
    void GDIPDraw(TGPGraphics& AGraphics, const TRect& ARect);
    void GDIPDraw(TGPGraphics& AGraphics, const TGPRectF& ARect);
    // Filled with the picture as a tiled texture; nothing when empty.
    void FillPath(TGPGraphics& AGraphics, const TGPGraphicsPath& APath);
    void FillRect(TGPGraphics& AGraphics, const TGPRectF& ARect);
    // True only for SVG; raster bytes take Width and Height from the file's header, without
    // decoding it (0 x 0 for a header without a size or a format it does not know).
    bool GetImageSizesFromFileName(const String& FileName);

    TTransparentMode TransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(TTransparentMode value) { FTransparentMode = value; }
    TColor TransparentColor() const { return FTransparentColor; }
    void SetTransparentColor(TColor value) { FTransparentColor = value; }
    // Carried for the picture's owner; drawing does not use them.
    bool DoubleBuffered() const { return FDoubleBuffered; }
    void SetDoubleBuffered(bool value) { FDoubleBuffered = value; }
    const String& ID() const { return FID; }
    void SetID(const String& value) { FID = value; }
    // The pixel format of the image GDIPDraw drew last.
    int PixelFormat() const { return FPixelFormat; }
    int PixelDepth() const { return FPixelDepth; }
    bool HasAlpha() const { return FHasAlpha; }
    bool HasPalette() const { return FHasPalette; }
    TNotifyEvent OnClear() const { return FOnClear; }
    void SetOnClear(TNotifyEvent value) { FOnClear = value; }

private:
    void DrawContent(TGPGraphics& AGraphics, const TGPRectF& ARect);
    // The key colour of a transparent BMP: the fixed colour, or the bottom-left pixel's.
    ARGB BitmapKey();

    bool FDrawing = false;
    bool FDoubleBuffered = false;
    TNotifyEvent FOnClear;
    TTransparentMode FTransparentMode = tmAuto;
    TColor FTransparentColor = 0xFFFFFF;
    String FID;
    int FPixelDepth = 0;
    bool FHasAlpha = false;
    bool FHasPalette = false;
    int FPixelFormat = 0;
};

} // namespace RurGDIP
