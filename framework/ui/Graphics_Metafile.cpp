// Enhanced metafiles through GDI; placeable and plain Windows metafiles are converted on loading.
#include <cstring>

#include "GraphicErrors.h"
#include "Graphics.h"
#include "ReadStream.h"

namespace {

constexpr std::uint32_t PlaceableKey = 0x9AC6CDD7;
constexpr size_t PlaceableHeaderSize = 22;
constexpr std::uint32_t EmfSignature = 0x464D4520; // " EMF"

template <class T>
T ReadLittle(const Byte* p)
{
    T value;
    std::memcpy(&value, p, sizeof(T));
    return value;
}

bool IsEmf(const std::vector<Byte>& data)
{
    return data.size() >= 44 && ReadLittle<std::uint32_t>(data.data()) == EMR_HEADER &&
           ReadLittle<std::uint32_t>(data.data() + 40) == EmfSignature;
}

bool IsPlaceable(const std::vector<Byte>& data)
{
    return data.size() > PlaceableHeaderSize && ReadLittle<std::uint32_t>(data.data()) == PlaceableKey;
}

// A plain Windows metafile starts with its header: type 1 or 2, header size 9 words.
bool IsPlainWmf(const std::vector<Byte>& data)
{
    return data.size() >= 18 && (data[0] == 1 || data[0] == 2) && data[1] == 0 && data[2] == 9 && data[3] == 0;
}

HENHMETAFILE EmfOfPlaceable(const std::vector<Byte>& data)
{
    const auto left = ReadLittle<std::int16_t>(data.data() + 6);
    const auto top = ReadLittle<std::int16_t>(data.data() + 8);
    const auto right = ReadLittle<std::int16_t>(data.data() + 10);
    const auto bottom = ReadLittle<std::int16_t>(data.data() + 12);
    const auto inch = ReadLittle<std::uint16_t>(data.data() + 14);
    if (inch == 0 || right <= left || bottom <= top)
        RaiseInvalidGraphic("WMF", "placeable header without a size");
    METAFILEPICT picture{MM_ANISOTROPIC, MulDiv(right - left, 2540, inch), MulDiv(bottom - top, 2540, inch), nullptr};
    return SetWinMetaFileBits(static_cast<UINT>(data.size() - PlaceableHeaderSize), data.data() + PlaceableHeaderSize,
                              nullptr, &picture);
}

} // namespace

bool TMetafile::CanLoadFromStream(TStream& stream)
{
    std::vector<Byte> head(44);
    head.resize(static_cast<size_t>(stream.Read(head.data(), 44)));
    return IsEmf(head) || (head.size() >= 4 && ReadLittle<std::uint32_t>(head.data()) == PlaceableKey);
}

TMetafile::~TMetafile()
{
    Clear();
}

void TMetafile::Clear()
{
    if (FHandle)
        DeleteEnhMetaFile(FHandle);
    FHandle = nullptr;
    FWidth = FHeight = 0;
}

void TMetafile::SetHandle(HENHMETAFILE value)
{
    if (value == FHandle)
        return;
    ENHMETAHEADER header{};
    if (value && GetEnhMetaFileHeader(value, sizeof(header), &header) == 0)
        throw EInvalidGraphic(u"Invalid metafile");
    Clear();
    FHandle = value;
    if (value) {
        // The frame is in hundredths of a millimetre; the size is in pixels of the screen.
        HDC screen = GetDC(nullptr);
        const int ppiX = GetDeviceCaps(screen, LOGPIXELSX);
        const int ppiY = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        FWidth = MulDiv(header.rclFrame.right - header.rclFrame.left, ppiX, 2540);
        FHeight = MulDiv(header.rclFrame.bottom - header.rclFrame.top, ppiY, 2540);
    }
    Changed(this);
}

void TMetafile::Assign(const TPersistent* source)
{
    auto* metafile = dynamic_cast<const TMetafile*>(source);
    if (!metafile) {
        if (source)
            TGraphic::Assign(source);
        else
            SetHandle(nullptr);
        return;
    }
    if (metafile != this)
        SetHandle(metafile->FHandle ? CopyEnhMetaFileW(metafile->FHandle, nullptr) : nullptr);
}

void TMetafile::Draw(TCanvas& canvas, const TRect& r)
{
    if (!FHandle)
        return;
    const RECT bounds = ToWinRect(r);
    PlayEnhMetaFile(canvas.Handle(), FHandle, &bounds);
}

void TMetafile::LoadFromStream(TStream& stream)
{
    const std::vector<Byte> data = ReadRestOfStream(stream);
    HENHMETAFILE handle = nullptr;
    if (IsEmf(data))
        handle = SetEnhMetaFileBits(static_cast<UINT>(data.size()), data.data());
    else if (IsPlaceable(data))
        handle = EmfOfPlaceable(data);
    else if (IsPlainWmf(data))
        handle = SetWinMetaFileBits(static_cast<UINT>(data.size()), data.data(), nullptr, nullptr);
    if (!handle)
        RaiseInvalidGraphic("Metafile", "not a metafile, or a damaged one");
    SetHandle(handle);
}

void TMetafile::SaveToStream(TStream& stream)
{
    if (!FHandle)
        return;
    std::vector<Byte> data(GetEnhMetaFileBits(FHandle, 0, nullptr));
    GetEnhMetaFileBits(FHandle, static_cast<UINT>(data.size()), data.data());
    stream.WriteBuffer(data.data(), static_cast<Int64>(data.size()));
}
