#pragma once
// The kit's GDI+-decoded picture: the raw bytes of a raster file, decoded by GDI+ whenever it is
// drawn, or an SVG document held by its SVG base. The GDI+ fill, the smooth panel and the GDI+
// caption engine draw their pictures through it.
#include "RurGDIPRaster.h"

namespace RurGDIP {

class TRurGDIPPicture : public TRurRasterPicture {
    TAVIN_CLASS(TRurGDIPPicture, TRurRasterPicture)
public:
    TRurGDIPPicture() = default;

    // From another GDI+ picture its bytes or SVG; from a graphic or picture the graphic's data.
    void Assign(const TPersistent* Source) override;
    void Draw(TCanvas& ACanvas, const TRect& Rect) override;
    void LoadFromFile(const String& Filename) override;

    // The picture stretched into the rectangle (a BMP with its bottom-left colour left out);
    // nothing when empty.
    void GDIPDraw(TGPGraphics& AGraphics, const TRect& ARect);
    // Filled with the picture as a tiled texture; nothing when empty.
    void FillPath(TGPGraphics& AGraphics, const TGPGraphicsPath& APath);
    void FillRect(TGPGraphics& AGraphics, const TGPRectF& ARect);
};

} // namespace RurGDIP
