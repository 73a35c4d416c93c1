#pragma once
// Icon (.ico) and cursor (.cur) files: a directory of pictures, each a DIB with an AND mask or a PNG.
#include <span>
#include <vector>

#include "PixelImage.h"

struct TIconEntry {
    int Width = 0;  // as the directory states it (0 there means 256)
    int Height = 0;
    int ColorCount = 0;
    int BitCount = 0;  // icons only; 0 when the directory leaves it out
    int HotSpotX = 0;  // cursors only
    int HotSpotY = 0;
    Cardinal Offset = 0;
    Cardinal Size = 0;
};

struct TIconDirectory {
    bool IsCursor = false;
    std::vector<TIconEntry> Entries;
};

// Reads the directory; every entry's data is checked to lie within the file.
TIconDirectory ReadIconDirectory(std::span<const Byte> data);

// Decodes one entry. DIB entries get their transparency from the AND mask unless their 32-bit
// colour data carries alpha itself, and always come out with alpha; PNG entries decode as PNG files.
TPixelImage DecodeIconEntry(std::span<const Byte> data, const TIconEntry& entry);

// The entry with the most pixels (the deepest colour among equals), decoded.
TPixelImage DecodeIcon(std::span<const Byte> data);
