#pragma once
// The kit's GDI+-decoded picture: the raw bytes of a raster file, decoded by GDI+ whenever it is
// drawn, or an SVG document held by its SVG base. The GDI+ fill, the smooth panel and the GDI+
// caption engine draw their pictures through it.
#include "RurGDIPRaster.h"
#include "RurTypes.h"

namespace RurGDIP {

class TRurGDIPPicture : public TRurSVGBitmap {
    TAVIN_CLASS(TRurGDIPPicture, TRurSVGBitmap)
public:
    TRurGDIPPicture() = default;

    // From another GDI+ picture its bytes or SVG; from a graphic or picture the graphic's data.
    void Assign(const TPersistent* Source) override;
    void Draw(TCanvas& ACanvas, const TRect& Rect) override;
    // Raster data is kept from the stream's beginning; anything else loads as SVG.
    void LoadFromStream(TStream& Stream) override;
    void SaveToStream(TStream& Stream) override;
    void LoadFromFile(const String& Filename) override;
    void ReadData(TStream& Stream) override;
    void WriteData(TStream& Stream) override;
    // From the module's RCDATA resource of that name; nothing when there is none.
    void LoadFromResourceName(NativeUInt Instance, const String& Name);

    // True for SVG content; decodes raster bytes and keeps their size; False without content.
    bool GetImageSizes();
    // The picture stretched into the rectangle (a BMP with its bottom-left colour left out);
    // nothing when empty.
    void GDIPDraw(TGPGraphics& AGraphics, const TRect& ARect);
    // Filled with the picture as a tiled texture; nothing when empty.
    void FillPath(TGPGraphics& AGraphics, const TGPGraphicsPath& APath);
    void FillRect(TGPGraphics& AGraphics, const TGPRectF& ARect);

protected:
    bool GetEmpty() const override { return HasSVG() ? TRurSVGBitmap::GetEmpty() : FEmpty; }
    int GetWidth() const override { return HasSVG() ? TRurSVGBitmap::GetWidth() : FWidth; }
    int GetHeight() const override { return HasSVG() ? TRurSVGBitmap::GetHeight() : FHeight; }

private:
    template <class F>
    void LoadData(TStream& Stream, F&& ALoadSVG);
    void MakeEmpty();

    TGDIPRasterData FData;
    bool FEmpty = true;
    int FWidth = 0;
    int FHeight = 0;
};

} // namespace RurGDIP
