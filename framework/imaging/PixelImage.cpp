#include "PixelImage.h"

#include <string>

#include "GraphicErrors.h"

void CheckPictureSize(Int64 width, Int64 height, std::string_view format)
{
    if (width < 1 || height < 1 || width > MaxPictureSide || height > MaxPictureSide ||
        width * height > MaxPicturePixels)
        RaiseInvalidGraphic(format, "picture size " + std::to_string(width) + "x" + std::to_string(height) +
                                        " is out of range");
}

TPixelImage::TPixelImage(int width, int height)
{
    CheckPictureSize(width, height, "picture");
    FWidth = width;
    FHeight = height;
    FPixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
}

TBGRA* TPixelImage::ScanLine(int y)
{
    return const_cast<TBGRA*>(static_cast<const TPixelImage*>(this)->ScanLine(y));
}

const TBGRA* TPixelImage::ScanLine(int y) const
{
    if (y < 0 || y >= FHeight)
        throw EArgumentOutOfRangeException(u"scan line " + FromUtf8(std::to_string(y)) + u" is outside the picture");
    return FPixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(FWidth);
}

int TPixelImage::CheckedColumn(int x) const
{
    if (x < 0 || x >= FWidth)
        throw EArgumentOutOfRangeException(u"column " + FromUtf8(std::to_string(x)) + u" is outside the picture");
    return x;
}
