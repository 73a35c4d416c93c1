#include "RurTypes.h"

#include <cmath>

#include "Math.h"
#include "RurUtils.h"

bool IsBitmapEmpty(const TPicture* picture)
{
    return !picture || !picture->Graphic() || picture->Graphic()->Empty();
}

TGraphic* GetPictureGraphic(const TPicture* picture) { return picture ? picture->Graphic() : nullptr; }

void LoadBitmapFromResource(TPicture& ABitmap, const String& AName, NativeUInt AInstance)
{
    if (std::unique_ptr<TResourceStream> stream = TRurUtils::GetResourceStream(AName, AInstance))
        ABitmap.LoadFromStream(*stream);
}

void LoadGraphicFromResourceName(TGraphic& AGraphic, NativeUInt AInstance, const String& AName)
{
    if (std::unique_ptr<TResourceStream> stream = TRurUtils::GetResourceStream(AName, AInstance))
        AGraphic.LoadFromStream(*stream);
}

void LoadGraphicFromResourceID(TGraphic& AGraphic, NativeUInt AInstance, int AID)
{
    TResourceStream stream(AInstance, AID, reinterpret_cast<const Char*>(RT_RCDATA));
    AGraphic.LoadFromStream(stream);
}

TRurPictureSource PictureSourceOf(const String& AURL, String& ARest)
{
    const String upper = UpperCase(AURL);
    for (const auto& [prefix, source] : {std::pair{String(u"RES://"), psResource}, {String(u"FILE://"), psFile}})
        if (upper.starts_with(prefix)) {
            ARest = AURL.substr(prefix.size());
            return source;
        }
    ARest.clear();
    return psOther;
}

std::unique_ptr<TRurBitmap> BitmapFromResource(const String& AName, NativeUInt AInstance)
{
    auto bitmap = std::make_unique<TRurBitmap>();
    LoadBitmapFromResource(*bitmap, AName, AInstance);
    return bitmap;
}

// ---------------------------------------------------------------------------------------------

TAVIN_PUBLISHED(TRurScaledBitmap)
{
    TAVIN_PROPERTY(TRurBitmap*, Bitmap);
    TAVIN_PROPERTY(String, BitmapName);
    TAVIN_PROPERTY(float, Scale).Stored(&TRurScaledBitmap::IsScaleStored);
}

TRurScaledBitmap::TRurScaledBitmap(TCollection* collection)
    : TCollectionItem(collection), FBitmap(std::make_unique<TRurBitmap>())
{
    FBitmap->SetOnChange(MakeHandler<&TRurScaledBitmap::BitmapChanged>(this));
}

void TRurScaledBitmap::Assign(const TPersistent* source)
{
    const auto* other = dynamic_cast<const TRurScaledBitmap*>(source);
    if (!other)
        return;
    const TNotifyEvent onChange = FBitmap->OnChange();
    FBitmap->SetOnChange({});
    FBitmap->Assign(other->Bitmap());
    FBitmap->SetOnChange(onChange);
    FBitmapName = other->FBitmapName;
    FScale = other->FScale;
}

void TRurScaledBitmap::BitmapChanged(TObject*) { Changed(false); }

void TRurScaledBitmap::SetBitmap(TRurBitmap* value)
{
    if (value == FBitmap.get())
        return;
    FBitmap->Assign(value);
    Changed(false);
}

void TRurScaledBitmap::SetBitmapName(const String& value)
{
    if (FBitmapName == value)
        return;
    FBitmapName = value;
    Changed(false);
}

void TRurScaledBitmap::SetScale(float value)
{
    if (FScale == value)
        return;
    FScale = value;
    Changed(false);
}

TRurScaledBitmaps::TRurScaledBitmaps(TPersistent* AOwner)
    : TRurOwnedCollection<TRurScaledBitmap>(AOwner, TRurScaledBitmap::StaticClass())
{
}

void TRurScaledBitmaps::Update(TCollectionItem* item)
{
    TRurOwnedCollection<TRurScaledBitmap>::Update(item);
    if (FOnChange)
        FOnChange(this);
}

TRurScaledBitmap* TRurScaledBitmaps::Add(float Scale)
{
    auto* item = static_cast<TRurScaledBitmap*>(TCollection::Add());
    item->SetScale(Scale);
    return item;
}

TRurScaledBitmap* TRurScaledBitmaps::Insert(int Index, float Scale)
{
    auto* item = static_cast<TRurScaledBitmap*>(TCollection::Insert(Index));
    item->SetScale(Scale);
    return item;
}

TRurScaledBitmap* TRurScaledBitmaps::AddBitmap(const TRurBitmap* Bitmap, float Scale)
{
    TRurScaledBitmap* item = Add(Scale);
    item->Bitmap()->Assign(Bitmap);
    return item;
}

TRurScaledBitmap* TRurScaledBitmaps::AddDrawBitmap(TGraphic* Bitmap, float Scale)
{
    TRurScaledBitmap* item = Add(Scale);
    item->Bitmap()->Assign(Bitmap);
    return item;
}

TRurScaledBitmap* TRurScaledBitmaps::AddBitmapFromFile(const String& FileName, float Scale)
{
    TRurScaledBitmap* item = Add(Scale);
    item->Bitmap()->LoadFromFile(FileName);
    return item;
}

TRurScaledBitmap* TRurScaledBitmaps::AddBitmapFromResource(const String& ResourceName, float Scale)
{
    return AddBitmapFromResource(ResourceName, 0, Scale);
}

TRurScaledBitmap* TRurScaledBitmaps::AddBitmapFromResource(const String& ResourceName, NativeUInt AInstance,
                                                           float Scale)
{
    TRurScaledBitmap* item = Add(Scale);
    LoadBitmapFromResource(*item->Bitmap(), ResourceName, AInstance);
    return item;
}

TRurScaledBitmap* TRurScaledBitmaps::AddBitmapName(const String& BitmapName, float Scale)
{
    TRurScaledBitmap* item = Add(Scale);
    item->SetBitmapName(BitmapName);
    return item;
}

TRurScaledBitmap* TRurScaledBitmaps::GetItemByScale(float Scale) const
{
    TRurScaledBitmap* largest = nullptr;
    for (int i = 0; i < Count(); ++i) {
        TRurScaledBitmap* item = GetItem(i);
        if (item->Scale() == Scale)
            return item;
        if (!largest || item->Scale() > largest->Scale())
            largest = item;
    }
    return largest;
}

TRurBitmap* TRurScaledBitmaps::GetBitmapByScale(float Scale) const
{
    TRurScaledBitmap* item = GetItemByScale(Scale);
    return item ? item->Bitmap() : nullptr;
}

void TRurScaledBitmaps::SetBitmap(float Scale, const TRurBitmap* Value)
{
    TRurScaledBitmap* item = GetItemByScale(Scale);
    if (!item)
        item = Add(Scale);
    item->Bitmap()->Assign(Value);
}

// ---------------------------------------------------------------------------------------------

bool RectFIntersects(TRectF a, TRectF b)
{
    return b.Right > a.Left && b.Left < a.Right && b.Bottom > a.Top && b.Top < a.Bottom;
}

bool OffsetRectF(TRectF* rect, float dx, float dy)
{
    if (!rect)
        return false;
    *rect = {rect->Left + dx, rect->Top + dy, rect->Right + dx, rect->Bottom + dy};
    return true;
}

void InflateRectF(TRectF& rect, float dx, float dy) { rect = {rect.Left - dx, rect.Top - dy, rect.Right + dx, rect.Bottom + dy}; }

float RectFWidth(TRectF rect) { return rect.Right - rect.Left; }
float RectFHeight(TRectF rect) { return rect.Bottom - rect.Top; }

bool IsRectFEmpty(TRectF rect)
{
    return rect.Right < rect.Left || SameValue(rect.Right, rect.Left) || rect.Bottom < rect.Top ||
           SameValue(rect.Bottom, rect.Top);
}

TRectF IntersectRectF(TRectF a, TRectF b)
{
    const TRectF r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
                   std::min(a.Bottom, b.Bottom)};
    return IsRectFEmpty(r) ? TRectF{} : r;
}

TRectF CenterRectF(TRectF rect, TRectF bounds)
{
    const float dx = static_cast<float>(Round((RectFWidth(bounds) - RectFWidth(rect)) / 2.0)) + bounds.Left;
    const float dy = static_cast<float>(Round((RectFHeight(bounds) - RectFHeight(rect)) / 2.0)) + bounds.Top;
    return {dx, dy, dx + RectFWidth(rect), dy + RectFHeight(rect)};
}

TRectF FitRectF(TRectF rect, TRectF bounds, float* ratio)
{
    float r = 1;
    TRectF result = rect;
    if (RectFWidth(bounds) > 0 && RectFHeight(bounds) > 0) {
        r = std::max(RectFHeight(rect) / RectFHeight(bounds), RectFWidth(rect) / RectFWidth(bounds));
        result = CenterRectF({0, 0, RectFWidth(rect) / r, RectFHeight(rect) / r}, bounds);
    }
    if (ratio)
        *ratio = r;
    return result;
}

TRectF SnapRectF(TRectF rect, bool halfPixel, float scale)
{
    if (scale <= 0)
        scale = 1;
    TRectF r;
    r.Left = static_cast<float>(std::trunc(rect.Left * scale)) / scale;
    r.Top = static_cast<float>(std::trunc(rect.Top * scale)) / scale;
    r.Right = r.Left + static_cast<float>(Round(RectFWidth(rect) * scale)) / scale;
    r.Bottom = r.Top + static_cast<float>(Round(RectFHeight(rect) * scale)) / scale;
    if (halfPixel)
        OffsetRectF(&r, 1 / (2 * scale), 1 / (2 * scale));
    return r;
}

float PointFLength(TPointF p) { return std::sqrt(p.X * p.X + p.Y * p.Y); }

TRect CopyRect(const TRect& rect) { return {rect.Left, rect.Top, rect.Right, rect.Bottom}; }

TRect RectFToRect(TRectF rect)
{
    return {static_cast<int>(Round(rect.Left)), static_cast<int>(Round(rect.Top)), static_cast<int>(Round(rect.Right)),
            static_cast<int>(Round(rect.Bottom))};
}

TRectF RectToRectF(const TRect& rect)
{
    return {static_cast<float>(rect.Left), static_cast<float>(rect.Top), static_cast<float>(rect.Right),
            static_cast<float>(rect.Bottom)};
}

TPointF PointToPointF(TPoint p) { return {static_cast<float>(p.X), static_cast<float>(p.Y)}; }

TSize SizeFToSize(TSizeF size) { return {static_cast<int>(Round(size.cx)), static_cast<int>(Round(size.cy))}; }
