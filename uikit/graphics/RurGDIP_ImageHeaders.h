#pragma once
// The width and height of a picture file read from its header, without decoding it: the GDI+
// picture sizes itself this way right after loading a file. Portable: no windows.h.
#include "Streams.h"

struct TRurImageHeaderSize {
    Word Width = 0;
    Word Height = 0;
};

// Chosen by the file extension in any case (".JPG", ".JPEG", ".PNG", ".BMP", ".TIF", ".TIFF",
// ".GIF"); 0 x 0 for any other extension and wherever a header holds no size. Reads from the
// stream's current position on.
TRurImageHeaderSize ReadImageHeaderSize(TStream& AStream, const String& AExtension);

// The readers one by one, each from the stream's current position.
TRurImageHeaderSize ReadJPEGHeaderSize(TStream& AStream);
TRurImageHeaderSize ReadPNGHeaderSize(TStream& AStream);
TRurImageHeaderSize ReadBMPHeaderSize(TStream& AStream);
TRurImageHeaderSize ReadTIFFHeaderSize(TStream& AStream);
TRurImageHeaderSize ReadGIFHeaderSize(TStream& AStream);
