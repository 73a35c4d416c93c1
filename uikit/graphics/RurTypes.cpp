#include "RurTypes.h"

bool TRurBitmap::HasSVG() const { return false; }

TRurSVGImport* TRurBitmap::SVG() const { return nullptr; }

bool IsBitmapEmpty(const TPicture* picture)
{
    return !picture || !picture->Graphic() || picture->Graphic()->Empty();
}
