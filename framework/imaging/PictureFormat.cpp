#include "PictureFormat.h"

#include <algorithm>

#include "PngFormat.h"

namespace {

bool StartsWith(std::span<const Byte> data, std::span<const Byte> prefix)
{
    return data.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), data.begin());
}

bool StartsWith(std::span<const Byte> data, std::initializer_list<Byte> prefix)
{
    return StartsWith(data, std::span<const Byte>(prefix.begin(), prefix.size()));
}

Cardinal U32LEAt(std::span<const Byte> data, std::size_t at)
{
    return Cardinal(data[at]) | Cardinal(data[at + 1]) << 8 | Cardinal(data[at + 2]) << 16 |
           Cardinal(data[at + 3]) << 24;
}

// An icon directory: reserved 0, the given type, and at least one entry whose reserved byte is 0.
bool IsIconDirectory(std::span<const Byte> data, Byte type)
{
    return data.size() >= 22 && StartsWith(data, {0, 0, type, 0}) && (data[4] | data[5]) != 0 && data[9] == 0;
}

} // namespace

TPictureFormat DetectPictureFormat(std::span<const Byte> head)
{
    if (StartsWith(head, PngSignature))
        return TPictureFormat::Png;
    if (StartsWith(head, {0xFF, 0xD8, 0xFF}))
        return TPictureFormat::Jpeg;
    if (StartsWith(head, {'G', 'I', 'F', '8'}) && head.size() >= 6 && (head[4] == '7' || head[4] == '9') &&
        head[5] == 'a')
        return TPictureFormat::Gif;
    if (StartsWith(head, {'B', 'M'}) && head.size() >= 26) // file header and the smallest DIB header
        return TPictureFormat::Bmp;
    if (StartsWith(head, {'I', 'I', 42, 0}) || StartsWith(head, {'M', 'M', 0, 42}))
        return TPictureFormat::Tiff;
    if (StartsWith(head, {0xD7, 0xCD, 0xC6, 0x9A}))
        return TPictureFormat::Wmf;
    if (head.size() >= 44 && U32LEAt(head, 0) == 1 && StartsWith(head.subspan(40), {' ', 'E', 'M', 'F'}))
        return TPictureFormat::Emf;
    if (IsIconDirectory(head, 1))
        return TPictureFormat::Icon;
    if (IsIconDirectory(head, 2))
        return TPictureFormat::Cursor;
    return TPictureFormat::Unknown;
}
