#include "PictureContainer.h"

#include "Controls.h"
#include "RurGDIP.h"
#include "RurImageStream.h"
#include "RurUtils.h"
#include "RurVersion.h"
#include "SysUtils.h"

#include <cstring>

using namespace RurGDIP;

namespace {

Word WordAt(const Byte* p) { return static_cast<Word>(p[0] | (p[1] << 8)); }

// The graphic control extension of a frame with the image descriptor after it: ten bytes of
// descriptor (separator, left, top, width, height, flags) from offset 8 must all be there.
constexpr ptrdiff_t FrameBlockSize = 18;

bool IsFrameBlock(const Byte* data, ptrdiff_t p)
{
    return data[p] == 0x21 && data[p + 1] == 0xF9 && data[p + 2] == 0x04 && data[p + 8] == 0x2C;
}

} // namespace

TAVIN_PUBLISHED(THTMLPicture)
{
    TAVIN_PROPERTY(bool, Stretch).Default(false);
    TAVIN_PROPERTY(int, Frame).Default(1);
    TAVIN_PROPERTY(bool, IsDB).Default(false);
    TAVIN_PROPERTY(bool, Asynch).Default(true);
    TAVIN_PROPERTY(TNotifyEvent, OnFrameChange);
}

THTMLPicture::THTMLPicture() { SetTransparent(true); }

void THTMLPicture::Reset()
{
    FEmpty = true;
    FFrameCount = -1;
    FNextCount = -1;
    FTimerCount = -1;
    FFrame = 1;
}

void THTMLPicture::LoadFromStream(TStream& Stream)
{
    Stream.SetPosition(0);
    LoadData(Stream, [&] { TRurSVGBitmap::LoadFromStream(Stream); });
    UpdateImageInfo();
    Changed(this);
}

void THTMLPicture::ReadData(TStream& Stream)
{
    LoadData(Stream, [&] { TRurSVGBitmap::ReadData(Stream); });
    UpdateImageInfo();
}

void THTMLPicture::LoadFromFile(const String& FileName)
{
    LoadFileQuietly(FileName, [&] { UpdateImageInfo(); });
}

void THTMLPicture::LoadFromURL(const String& url)
{
    if (LoadFromLocalURL(url)) {
        FID = url;
    } else if (!FAsynch) {
        FURL = url;
        FID = url;
    } else if (!FThreadBusy) {
        FURL = url;
        FThreadBusy = true;
    }
}

void THTMLPicture::Draw(TCanvas& ACanvas, const TRect& Rect)
{
    if (HasSVG()) {
        TRurSVGBitmap::Draw(ACanvas, Rect);
        return;
    }
    if (!FEmpty && RasterSize() > 0 && !DrawBitmapOnCanvas(ACanvas, Rect, Transparent()))
        DrawImageOnCanvas(ACanvas, Rect);
}

void THTMLPicture::DrawSVG(TCanvas& ACanvas, float X, float Y, float W, float H)
{
    if (HasSVG())
        SVG()->Draw(&ACanvas, {X, Y, X + W, Y + H}, true);
}

void THTMLPicture::Assign(const TPersistent* Source)
{
    Reset();
    if (!Source) {
        ClearContent();
        return;
    }
    if (const auto* picture = dynamic_cast<const THTMLPicture*>(Source)) {
        FStretched = picture->FStretched;
        FFrame = picture->FFrame;
        FID = picture->FID;
        CopyContent(*picture);
        FEmpty = picture->FEmpty;
        UpdateImageInfo();
        Changed(this);
        return;
    }
    TMemoryStream data;
    if (!GraphicData(Source, data)) {
        TGraphic::Assign(Source);
        return;
    }
    data.SetPosition(0);
    LoadFromStream(data);
}

bool THTMLPicture::IsGIF() const
{
    return RasterSize() >= 5 && std::memcmp(static_cast<const Byte*>(RasterBytes()), "GIF8", 4) == 0;
}

ptrdiff_t THTMLPicture::FramePosition(int AFrame) const
{
    if (!IsGIF() || AFrame < 1)
        return -1;
    const Byte* data = static_cast<const Byte*>(RasterBytes());
    const ptrdiff_t size = static_cast<ptrdiff_t>(RasterSize());
    int frame = 0;
    for (ptrdiff_t p = 0; p + FrameBlockSize <= size; ++p)
        if (IsFrameBlock(data, p) && ++frame == AFrame)
            return p;
    return -1;
}

int THTMLPicture::FrameCount()
{
    if (!IsGIF())
        return -1;
    if (FFrameCount < 0) {
        const Byte* data = static_cast<const Byte*>(RasterBytes());
        const ptrdiff_t size = static_cast<ptrdiff_t>(RasterSize());
        FFrameCount = 0;
        for (ptrdiff_t p = 0; p + FrameBlockSize <= size; ++p)
            FFrameCount += IsFrameBlock(data, p);
    }
    return FFrameCount;
}

int THTMLPicture::GetFrameTime(int i) const
{
    const ptrdiff_t p = FramePosition(i);
    return p < 0 ? -1 : WordAt(static_cast<const Byte*>(RasterBytes()) + p + 4);
}

void THTMLPicture::SetFrame(int value)
{
    FFrame = value;
    if (RasterSize() > 0) {
        UpdateImageInfo();
        if (FOnFrameChange)
            FOnFrameChange(this);
    }
}

void THTMLPicture::FrameNext() { SetFrame(FFrame >= FrameCount() ? 1 : FFrame + 1); }

void THTMLPicture::FramePrev() { SetFrame(FFrame <= 1 ? FrameCount() : FFrame - 1); }

bool THTMLPicture::Step()
{
    if (FFrameCount < 2 || FEmpty)
        return false;
    if (FNextCount == -1)
        FNextCount = GetFrameTime(FFrame);
    if (FTimerCount * 10 < FNextCount) {
        ++FTimerCount;
        return false;
    }
    FrameNext();
    FNextCount += GetFrameTime(FFrame);
    ++FTimerCount;
    return true;
}

void THTMLPicture::UpdateImageInfo()
{
    const Int64 size = RasterSize();
    if (size == 0)
        return;
    FWidth = 0;
    FHeight = 0;
    if (IsGIF() && size >= 10) {
        const Byte* data = static_cast<const Byte*>(RasterBytes());
        FAnimMaxX = WordAt(data + 6);
        FAnimMaxY = WordAt(data + 8);
        const ptrdiff_t p = FramePosition(FFrame);
        if (p >= 0) {
            FFrameXPos = WordAt(data + p + 9);
            FFrameYPos = WordAt(data + p + 11);
            FFrameXSize = WordAt(data + p + 13);
            FFrameYSize = WordAt(data + p + 15);
        }
    }
    const std::unique_ptr<TGPImage> image = Decode();
    FWidth = static_cast<int>(image->GetWidth());
    FHeight = static_cast<int>(image->GetHeight());
}

// ---------------------------------------------------------------------------------------------

THTMLPicture* THTMLPictureCache::AddPicture()
{
    FItems.push_back(std::make_unique<THTMLPicture>());
    return FItems.back().get();
}

THTMLPicture* THTMLPictureCache::FindPicture(const String& ID) const
{
    for (const auto& picture : FItems)
        if (picture->ID() == ID)
            return picture.get();
    return nullptr;
}

THTMLPicture* THTMLPictureCache::Items(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw EListError(Format(u"List index out of bounds (%d)", {Index}));
    return FItems[static_cast<size_t>(Index)].get();
}

void THTMLPictureCache::SetItems(int Index, std::unique_ptr<THTMLPicture> Value)
{
    Items(Index);
    FItems[static_cast<size_t>(Index)] = std::move(Value);
}

bool THTMLPictureCache::Animate()
{
    bool stepped = false;
    for (const auto& picture : FItems)
        stepped = picture->Step() || stepped;
    return stepped;
}

// ---------------------------------------------------------------------------------------------

TAVIN_PUBLISHED(TPictureItem)
{
    TAVIN_PROPERTY(THTMLPicture*, Picture);
    TAVIN_PROPERTY(String, Name);
    TAVIN_PROPERTY(NativeInt, Tag).Default(0);
}

TPictureItem::TPictureItem(TCollection* Collection) : TCollectionItem(Collection), FPicture(CreatePicture()) {}

std::unique_ptr<THTMLPicture> TPictureItem::CreatePicture() { return std::make_unique<THTMLPicture>(); }

void TPictureItem::Assign(const TPersistent* Source)
{
    const auto* item = dynamic_cast<const TPictureItem*>(Source);
    if (!item)
        throw EInvalidCast(u"Invalid class typecast");
    FName = item->FName;
    FTag = item->FTag;
    FPicture->Assign(item->FPicture.get());
}

TPictureContainer* TPictureItem::Container() const
{
    return Collection() ? dynamic_cast<TPictureContainer*>(Collection()->Owner()) : nullptr;
}

TPicture* TPictureItem::Bitmap()
{
    TPictureContainer* container = Container();
    return container ? container->KeepBitmap(FPicture.get()) : nullptr;
}

TPictureCollection::TPictureCollection(TPictureContainer* AOwner)
    : TOwnedCollection(AOwner, TPictureItem::StaticClass())
{
}

bool TPictureCollection::Animate()
{
    bool stepped = false;
    for (int i = 0; i < Count(); ++i)
        stepped = Items(i)->Picture()->Step() || stepped;
    return stepped;
}

TAVIN_PUBLISHED(TPictureContainer)
{
    TAVIN_PROPERTY(TPictureCollection*, Items);
    TAVIN_PROPERTY(String, Version);
    TAVIN_PROPERTY(TNotifyEvent, OnChange);
}

TPictureContainer::TPictureContainer(TComponent* AOwner) : TComponent(AOwner), FItems(CreateItems()) {}

TPictureContainer::~TPictureContainer()
{
    for (TControl* control : FControls)
        control->RemoveFreeNotification(this);
}

std::unique_ptr<TPictureCollection> TPictureContainer::CreateItems()
{
    return std::make_unique<TPictureCollection>(this);
}

THTMLPicture* TPictureContainer::FindPicture(const String& s) const
{
    const String wanted = UpperCase(s);
    for (int i = 0; i < FItems->Count(); ++i)
        if (UpperCase(FItems->Items(i)->Name()) == wanted)
            return FItems->Items(i)->Picture();
    return nullptr;
}

TPicture* TPictureContainer::KeepBitmap(const THTMLPicture* APicture)
{
    FPicture = std::make_unique<TPicture>();
    FPicture->SetGraphic(const_cast<THTMLPicture*>(APicture));
    return FPicture.get();
}

TPicture* TPictureContainer::FindBitmap(const String& s)
{
    FPicture.reset();
    THTMLPicture* picture = FindPicture(s);
    return picture ? KeepBitmap(picture) : nullptr;
}

void TPictureContainer::RegisterControl(TControl* AControl)
{
    if (!AControl)
        return;
    FControls.push_back(AControl);
    AControl->FreeNotification(this);
}

void TPictureContainer::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove)
        std::erase(FControls, AComponent);
}

void TPictureContainer::Changed()
{
    for (TControl* control : FControls)
        control->Invalidate();
    if (FOnChange)
        FOnChange(this);
}

int TPictureContainer::GetVersionNr() const { return 0x02010100; }

String TPictureContainer::Version() const { return KitVersionText(GetVersionNr()); }
