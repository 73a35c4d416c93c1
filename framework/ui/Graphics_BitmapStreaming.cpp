// The bitmap's BMP files, form-resource data, module resources and clipboard forms.
#include <cstring>

#include "BmpCodec.h"
#include "GraphicErrors.h"
#include "Graphics.h"
#include "PixelBitmap.h"
#include "ReadStream.h"
#include "WideText.h"

namespace {

constexpr size_t FileHeaderSize = 14;

template <class T>
T ReadLittle(const Byte* p)
{
    T value;
    std::memcpy(&value, p, sizeof(T));
    return value;
}

// A packed DIB (info header, colours, pixels) as a BMP file: the file header in front, with the
// offset of the pixels worked out from the info header.
std::vector<Byte> BmpFileOfPackedDib(const Byte* dib, size_t size)
{
    if (size < 12)
        RaiseInvalidGraphic("BMP", "bitmap resource too short");
    const auto headerSize = ReadLittle<std::uint32_t>(dib);
    if (headerSize < 12 || headerSize > size)
        RaiseInvalidGraphic("BMP", "bitmap resource header does not fit");
    size_t colorsSize = 0;
    if (headerSize == 12) { // the old core header: three bytes a colour
        const auto bits = ReadLittle<std::uint16_t>(dib + 10);
        colorsSize = bits <= 8 ? (size_t{1} << bits) * 3 : 0;
    } else {
        if (headerSize < 36)
            RaiseInvalidGraphic("BMP", "bitmap resource header too short");
        const auto bits = ReadLittle<std::uint16_t>(dib + 14);
        const auto compression = ReadLittle<std::uint32_t>(dib + 16);
        const auto used = ReadLittle<std::uint32_t>(dib + 32);
        if (used > 256)
            RaiseInvalidGraphic("BMP", "too many colours");
        colorsSize = (used ? used : (bits <= 8 ? (1u << bits) : 0)) * size_t{4};
        if (headerSize == 40 && (compression == BI_BITFIELDS || compression == 6 /* alpha bit fields */))
            colorsSize += compression == BI_BITFIELDS ? 12 : 16;
    }
    std::vector<Byte> file(FileHeaderSize + size);
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;
    header.bfSize = static_cast<DWORD>(file.size());
    header.bfOffBits = static_cast<DWORD>(FileHeaderSize + headerSize + colorsSize);
    std::memcpy(file.data(), &header, FileHeaderSize);
    std::memcpy(file.data() + FileHeaderSize, dib, size);
    return file;
}

void LoadBmpBytes(TBitmap& bitmap, const std::vector<Byte>& bytes)
{
    AssignPixelImageInSourceFormat(bitmap, DecodeBmp(bytes));
}

std::vector<Byte> BmpBytesOf(TBitmap& bitmap)
{
    if (bitmap.Empty())
        return {};
    static constexpr int Depths[] = {32, 1, 4, 8, 16, 16, 24, 32, 32};
    return EncodeBmp(PixelImageOfBitmap(bitmap), Depths[bitmap.PixelFormat()]);
}

} // namespace

bool TBitmap::CanLoadFromStream(TStream& stream)
{
    Byte head[2] = {};
    return stream.Read(head, 2) == 2 && head[0] == 'B' && head[1] == 'M';
}

void TBitmap::LoadFromStream(TStream& stream)
{
    const std::vector<Byte> bytes = ReadRestOfStream(stream);
    if (bytes.empty()) {
        Assign(nullptr);
        return;
    }
    LoadBmpBytes(*this, bytes);
}

void TBitmap::SaveToStream(TStream& stream)
{
    const std::vector<Byte> bytes = BmpBytesOf(*this);
    stream.WriteBuffer(bytes.data(), static_cast<Int64>(bytes.size()));
}

void TBitmap::ReadData(TStream& stream)
{
    std::int32_t size = 0;
    stream.ReadBufferData(size);
    if (size < 0 || size > stream.Size() - stream.Position())
        RaiseInvalidGraphic("BMP", "data size beyond the end of the stream");
    std::vector<Byte> bytes(static_cast<size_t>(size));
    stream.ReadBuffer(bytes.data(), size);
    if (bytes.empty())
        Assign(nullptr);
    else
        LoadBmpBytes(*this, bytes);
}

void TBitmap::WriteData(TStream& stream)
{
    const std::vector<Byte> bytes = BmpBytesOf(*this);
    stream.WriteBufferData(static_cast<std::int32_t>(bytes.size()));
    stream.WriteBuffer(bytes.data(), static_cast<Int64>(bytes.size()));
}

void TBitmap::LoadFromResource(HINSTANCE instance, const wchar_t* name, const String& displayName)
{
    HRSRC info = FindResourceW(instance, name, MAKEINTRESOURCEW(2) /* RT_BITMAP */);
    HGLOBAL resource = info ? LoadResource(instance, info) : nullptr;
    const void* data = resource ? LockResource(resource) : nullptr;
    if (!data)
        throw EResNotFound(u"Resource " + displayName + u" not found");
    LoadBmpBytes(*this, BmpFileOfPackedDib(static_cast<const Byte*>(data), SizeofResource(instance, info)));
}

void TBitmap::LoadFromResourceName(HINSTANCE instance, const String& name)
{
    LoadFromResource(instance, WidePtr(name), name);
}

void TBitmap::LoadFromResourceID(HINSTANCE instance, int id)
{
    LoadFromResource(instance, MAKEINTRESOURCEW(id), FromUtf8(std::to_string(id)));
}

void TBitmap::LoadFromClipboardFormat(Word format, HANDLE data, HPALETTE)
{
    if (format == CF_BITMAP && data) {
        CopyFromHandle(static_cast<HBITMAP>(data));
        Changed(this);
        return;
    }
    if (format != CF_DIB || !data)
        throw EInvalidGraphic(u"Unsupported clipboard format");
    const void* dib = GlobalLock(data);
    if (!dib)
        throw EInvalidGraphic(u"Unsupported clipboard format");
    try {
        LoadBmpBytes(*this, BmpFileOfPackedDib(static_cast<const Byte*>(dib), GlobalSize(data)));
    } catch (...) {
        GlobalUnlock(data);
        throw;
    }
    GlobalUnlock(data);
}

void TBitmap::SaveToClipboardFormat(Word& format, HANDLE& data, HPALETTE& palette)
{
    format = CF_BITMAP;
    palette = nullptr;
    FreeCanvasContext(); // the copy reads a bitmap that no DC holds
    data = static_cast<HANDLE>(CopyImage(Handle(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}
