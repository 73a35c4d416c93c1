#include "PictureDecoder.h"

#include "BmpCodec.h"
#include "GifDecoder.h"
#include "GraphicErrors.h"
#include "IconReader.h"
#include "JpegCodec.h"
#include "PictureFormat.h"
#include "PngCodec.h"

TPixelImage DecodePicture(std::span<const Byte> data)
{
    switch (DetectPictureFormat(data)) {
    case TPictureFormat::Png: return DecodePng(data);
    case TPictureFormat::Jpeg: return DecodeJpeg(data);
    case TPictureFormat::Gif: return DecodeGif(data);
    case TPictureFormat::Bmp: return DecodeBmp(data);
    case TPictureFormat::Icon:
    case TPictureFormat::Cursor: return DecodeIcon(data);
    case TPictureFormat::Tiff:
    case TPictureFormat::Wmf:
    case TPictureFormat::Emf: RaiseInvalidGraphic("picture", "this format is drawn by the platform, not decoded here");
    case TPictureFormat::Unknown: break;
    }
    RaiseInvalidGraphic("picture", "unknown format");
}
