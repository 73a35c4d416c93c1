#pragma once
// The UI kit's picture holder, the per-scale bitmap collection controls keep their glyphs in, and
// the small rectangle and picture helpers the drawing object and the caption engine share. Its
// SVG graphic (and the SVG file format) come with the SVG engine.
#include "Graphics.h"
#include "RurOwnedCollection.h"

// The SVG engine interface, declared with the SVG picture classes.
class TRurSVGImport;

// A framework picture that can tell whether it holds an SVG document.
class TRurBitmap : public TPicture {
    TAVIN_CLASS(TRurBitmap, TPicture)
public:
    // True when the held graphic is an SVG graphic with elements. No graphic class of this build
    // holds SVG yet, so this answers False until the SVG graphic is added.
    virtual bool HasSVG() const;
    // The SVG engine of the held graphic when HasSVG, otherwise null.
    TRurSVGImport* SVG() const;
};

// One bitmap for one display scale (1.0 = 96 DPI), or the name of one kept elsewhere.
class TRurScaledBitmap : public TCollectionItem {
    TAVIN_PUBLISHED_CLASS(TRurScaledBitmap, TCollectionItem)
public:
    explicit TRurScaledBitmap(TCollection* collection);

    // From another scaled bitmap: picture, name and scale, without notification.
    void Assign(const TPersistent* source) override;

    TRurBitmap* Bitmap() const { return FBitmap.get(); }
    void SetBitmap(TRurBitmap* value);
    const String& BitmapName() const { return FBitmapName; }
    void SetBitmapName(const String& value);
    float Scale() const { return FScale; }
    void SetScale(float value);

private:
    bool IsScaleStored() const { return FScale != 1.0f; }
    void BitmapChanged(TObject* sender);

    std::unique_ptr<TRurBitmap> FBitmap;
    float FScale = 1;
    String FBitmapName;
};

class TRurScaledBitmaps : public TRurOwnedCollection<TRurScaledBitmap> {
    TAVIN_CLASS(TRurScaledBitmaps, TRurOwnedCollection<TRurScaledBitmap>)
public:
    explicit TRurScaledBitmaps(TPersistent* AOwner);

    TRurScaledBitmap* Add(float Scale = 1);
    TRurScaledBitmap* Insert(int Index, float Scale = 1);
    TRurScaledBitmap* AddBitmap(const TRurBitmap* Bitmap, float Scale);
    TRurScaledBitmap* AddDrawBitmap(TGraphic* Bitmap, float Scale);
    TRurScaledBitmap* AddBitmapFromFile(const String& FileName, float Scale);
    TRurScaledBitmap* AddBitmapFromResource(const String& ResourceName, float Scale);
    TRurScaledBitmap* AddBitmapFromResource(const String& ResourceName, NativeUInt AInstance, float Scale);
    TRurScaledBitmap* AddBitmapName(const String& BitmapName, float Scale);
    // The item of exactly that scale; otherwise the one of the largest scale (first of equals);
    // null when empty.
    TRurScaledBitmap* GetItemByScale(float Scale) const;
    TRurBitmap* GetBitmapByScale(float Scale) const;
    TRurBitmap* Bitmap(float Scale) const { return GetBitmapByScale(Scale); }
    // Into the item GetItemByScale finds, or a new item of that scale when there is none.
    void SetBitmap(float Scale, const TRurBitmap* Value);
    TRurScaledBitmap* Items(int Index) const { return GetItem(Index); }

    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent value) { FOnChange = value; }

protected:
    void Update(TCollectionItem* item) override;

private:
    TNotifyEvent FOnChange;
};

// True for no picture, a picture without a graphic, or an empty graphic.
bool IsBitmapEmpty(const TPicture* picture);
TGraphic* GetPictureGraphic(const TPicture* picture);
// Loads the module's resource of that name with the picture's own format detection; a missing
// resource leaves the bitmap as it is. The module defaults to the program's.
void LoadBitmapFromResource(TPicture& ABitmap, const String& AName, NativeUInt AInstance = 0);
std::unique_ptr<TRurBitmap> BitmapFromResource(const String& AName, NativeUInt AInstance = 0);

bool RectFIntersects(TRectF a, TRectF b);
bool OffsetRectF(TRectF* rect, float dx, float dy);
void InflateRectF(TRectF& rect, float dx, float dy);
float RectFWidth(TRectF rect);
float RectFHeight(TRectF rect);
// The overlap; (0, 0, 0, 0) when there is none.
TRectF IntersectRectF(TRectF a, TRectF b);
// Right <= Left or Bottom <= Top, equality within float tolerance counting as empty.
bool IsRectFEmpty(TRectF rect);
// The rectangle moved to the centre of bounds, the offsets rounded to whole pixels.
TRectF CenterRectF(TRectF rect, TRectF bounds);
// The rectangle scaled to fit bounds keeping its proportions, centred; unchanged for empty bounds.
TRectF FitRectF(TRectF rect, TRectF bounds, float* ratio = nullptr);
// Left and top truncated, width and height rounded, at the given scale (<= 0 counts as 1).
TRectF SnapRectF(TRectF rect, bool halfPixel, float scale);
float PointFLength(TPointF p);
TRect RectFToRect(TRectF rect);
TRectF RectToRectF(const TRect& rect);
TPointF PointToPointF(TPoint p);
TSize SizeFToSize(TSizeF size);
