// The SVG graphic, the picture that tells whether it holds one, and the "SVG" file format.
#include <climits>
#include <cstdint>

#include "Math.h"
#include "RurTypes.h"
#include "RurUtils.h"

namespace {

TRurSVGImportFactory EngineFactory = nullptr;

// Form resources carry the document in chunks of this size.
constexpr Int64 ReadChunk = 1 << 20;

int ScaledSize(const TRurSVGImport* ASVG, float ASize)
{
    if (!ASVG || !ASVG->HasElements())
        return 0;
    // A view box beyond the pixel range reports the largest size rather than failing.
    const double size = double(ASize) * TRurUtils::GetDPIScale(nullptr, -1);
    return int(Round(EnsureRange(size, 0.0, double(INT_MAX))));
}

} // namespace

TAVIN_PUBLISHED(TRurSVGImport)
{
    TAVIN_PROPERTY(bool, GrayScale).Default(false);
    TAVIN_PROPERTY(int, CustomFillColor).Default(-1);
    TAVIN_PROPERTY(int, CustomStrokeColor).Default(-1);
    TAVIN_PROPERTY(int, TintColor).Default(-1);
    TAVIN_PROPERTY(float, CustomOpacity);
    TAVIN_PROPERTY(float, RotationAngle);
}

TRurSVGBitmap::TRurSVGBitmap() : FStream(std::make_unique<TMemoryStream>())
{
    if (EngineFactory)
        FSVG = EngineFactory();
}

TRurSVGBitmap::~TRurSVGBitmap() = default;

void TRurSVGBitmap::SetEngineFactory(TRurSVGImportFactory AFactory) { EngineFactory = AFactory; }

void TRurSVGBitmap::LoadStored()
{
    if (!FSVG)
        return;
    FStream->SetPosition(0);
    FSVG->LoadFromStream(*FStream);
}

void TRurSVGBitmap::Assign(const TPersistent* Source)
{
    const auto* source = dynamic_cast<const TRurSVGBitmap*>(Source);
    if (!source || source == this)
        return;
    try {
        if (FSVG)
            FSVG->Clear();
        FStream->Clear();
        source->FStream->SetPosition(0);
        FStream->CopyFrom(*source->FStream, source->FStream->Size());
        LoadStored();
    } catch (const Exception&) {
        // A document that does not load leaves the graphic empty; its bytes are kept.
    }
    Changed(this);
}

void TRurSVGBitmap::AssignTo(TPersistent* Dest) const
{
    if (auto* dest = dynamic_cast<TRurSVGBitmap*>(Dest))
        dest->Assign(this);
}

void TRurSVGBitmap::Draw(TCanvas& ACanvas, const TRect& Rect)
{
    if (!Empty())
        FSVG->Draw(&ACanvas, {float(Rect.Left), float(Rect.Top), float(Rect.Right), float(Rect.Bottom)}, true);
}

bool TRurSVGBitmap::GetEmpty() const { return !HasSVG(); }

// Without a document the view box is unset or empty: the size is 0, not the unset view box's.
int TRurSVGBitmap::GetWidth() const { return FSVG ? ScaledSize(FSVG.get(), FSVG->ViewRect().Width()) : 0; }

int TRurSVGBitmap::GetHeight() const { return FSVG ? ScaledSize(FSVG.get(), FSVG->ViewRect().Height()) : 0; }

void TRurSVGBitmap::LoadFromStream(TStream& Stream)
{
    if (!FSVG)
        return;
    FFileName.clear();
    try {
        FStream->Clear();
        FStream->CopyFrom(Stream, 0);
        LoadStored();
    } catch (const Exception&) {
        // What cannot be read leaves the graphic empty; the bytes stay for saving.
    }
    Changed(this);
}

void TRurSVGBitmap::LoadFromFile(const String& Filename)
{
    if (!FSVG)
        return;
    FStream->Clear();
    FStream->LoadFromFile(Filename);
    LoadStored();
    Changed(this);
}

void TRurSVGBitmap::SaveToStream(TStream& Stream)
{
    FStream->SetPosition(0);
    Stream.CopyFrom(*FStream, FStream->Size());
}

void TRurSVGBitmap::SaveToFile(const String& Filename)
{
    if (!FSVG)
        return;
    TFileStream file(Filename, fmCreate);
    SaveToStream(file);
}

void TRurSVGBitmap::ReadData(TStream& Stream)
{
    std::int32_t count = 0;
    Stream.ReadBufferData(count);
    FStream->Clear();
    // A count of 0 is an empty document: nothing more belongs to the graphic.
    TBytes chunk;
    for (Int64 left = Cardinal(count); left > 0; left -= Int64(chunk.size())) {
        chunk.resize(size_t(std::min(left, ReadChunk)));
        Stream.ReadBuffer(chunk.data(), Int64(chunk.size()));
        FStream->WriteBuffer(chunk.data(), Int64(chunk.size()));
    }
    try {
        LoadStored();
    } catch (const Exception&) {
        // The form still loads; the graphic is empty and keeps the bytes.
    }
}

void TRurSVGBitmap::WriteData(TStream& Stream)
{
    const auto count = std::int32_t(FStream->Size());
    Stream.WriteBufferData(count);
    SaveToStream(Stream);
}

bool TRurSVGBitmap::CanLoadFromStream(TStream& Stream) { return TRurUtils::GetImageType(Stream, false).empty(); }

void TRurSVGBitmap::Clear()
{
    if (FSVG)
        FSVG->Clear();
    FFileName.clear();
    Changed(this);
}

void TRurSVGBitmap::DropSVG()
{
    if (FSVG)
        FSVG->Clear();
    FStream->Clear();
}

bool TRurSVGBitmap::TakeImageBytes(TStream& AStream, TMemoryStream& AData)
{
    AData.Clear();
    // Four zero bytes carry the "empty" signature, but they are no picture: they are the count of
    // an empty document in form data.
    const String type = TRurUtils::GetImageType(AStream, false);
    if (type.empty() || type == u".empty")
        return false;
    DropSVG();
    AData.CopyFrom(AStream, AStream.Size() - AStream.Position());
    return true;
}

bool TRurSVGBitmap::HasSVG() const { return FSVG && FSVG->HasElements(); }

void TRurSVGBitmap::SetFileName(const String& value)
{
    if (value == FFileName)
        return;
    LoadFromFile(value);
    FFileName = value;
}

bool TRurBitmap::HasSVG() const
{
    const auto* svg = dynamic_cast<const TRurSVGBitmap*>(Graphic());
    return svg && svg->HasSVG();
}

TRurSVGImport* TRurBitmap::SVG() const
{
    return HasSVG() ? static_cast<const TRurSVGBitmap*>(Graphic())->SVG() : nullptr;
}

void InitializeRurTypesUnit()
{
    TPicture::RegisterFileFormat<TRurSVGBitmap>(u"SVG", u"Scalable Vector Graphics (VCL)");
}

void FinalizeRurTypesUnit() { TPicture::UnregisterGraphicClass(TRurSVGBitmap::StaticClass()); }
