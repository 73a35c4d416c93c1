#pragma once
// The raw bytes of a raster picture file as loaded, decoded by GDI+ each time they are drawn or
// measured. The kit's GDI+ pictures keep their raster content in one of these and their SVG
// content in their SVG base.
#include <memory>

#include "RurGDIP.h"
#include "Streams.h"

namespace RurGDIP {

class TGDIPRasterData {
public:
    // Whether the stream (from its beginning; the position is kept) holds a known raster format.
    static bool IsRaster(TStream& AStream);

    Int64 Size() const { return FBytes.Size(); }
    const void* Memory() const { return FBytes.Memory(); }
    void Clear() { FBytes.Clear(); }
    // The whole stream from its beginning.
    void LoadFrom(TStream& AStream);
    void CopyFrom(const TGDIPRasterData& ASource);
    void SaveTo(TStream& AStream) const;

    // Nil without bytes; raises "Could not allocate memory for image" when no memory block can be
    // had. Bytes GDI+ cannot read give an image of size 0 x 0.
    std::unique_ptr<TGPImage> Decode() const;
    // The decoded image stretched into the rectangle; a BMP with the colour of its bottom-left
    // pixel left out when AKeyBMP.
    void Draw(TGPGraphics& AGraphics, const TGPRectF& ARect, bool AKeyBMP) const;
    // The rectangle filled with the decoded image as a tiled texture.
    void FillPath(TGPGraphics& AGraphics, const TGPGraphicsPath& APath) const;
    void FillRect(TGPGraphics& AGraphics, const TGPRectF& ARect) const;

private:
    // A memory stream answers its size and reads through non-const calls.
    mutable TMemoryStream FBytes;
};

} // namespace RurGDIP
