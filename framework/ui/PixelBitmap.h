#pragma once
// Moving pixels between the portable decoded picture and the framework's bitmap.
#include "Graphics.h"
#include "PixelImage.h"

// The bitmap as 32-bit BGRA rows (top-down), with its palette for indexed formats. The alpha is
// the bitmap's own for 32-bit bitmaps whose AlphaFormat is not afIgnored, opaque otherwise.
TPixelImage PixelImageOfBitmap(TBitmap& bitmap);

// Makes the bitmap a 32-bit copy of the picture: afDefined when the picture has alpha, afIgnored
// otherwise.
void AssignPixelImage(TBitmap& bitmap, const TPixelImage& image);

// The picture's pixels as the format it was stored in suggests (indexed with its palette, 24 or
// 32 bits); used for formats read into bitmaps.
void AssignPixelImageInSourceFormat(TBitmap& bitmap, const TPixelImage& image);
