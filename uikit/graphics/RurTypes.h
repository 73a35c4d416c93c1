#pragma once
// The UI kit's picture holders: the SVG graphic with the interface of its engine, the picture that
// can tell whether it holds SVG, the per-scale bitmap collection controls keep their glyphs in,
// and the small rectangle and picture helpers the drawing object and the caption engine share.
#include <memory>

#include "Graphics.h"
#include "RurOwnedCollection.h"

class TRurBitmap;

// An SVG document's engine: loads the document and draws it scaled into any rectangle. Colours
// are 0x00BBGGRR; -1 (all bits set) means not set, which is not the framework's clNone.
class TRurSVGImport : public TPersistent {
    TAVIN_PUBLISHED_CLASS(TRurSVGImport, TPersistent)
public:
    TRurSVGImport() = default;

    // True when the loaded document produced at least one top-level element.
    virtual bool HasElements() const = 0;
    virtual int ElementCount() const = 0;
    // Renders into a bitmap the engine keeps (until the next call); null without elements. The
    // view box's size unless both sizes are above -1.
    virtual TRurBitmap* GenerateBitmap(float AWidth, float AHeight) = 0;
    virtual void Clear() = 0;
    // The document stretched into ARect; with ANative through GDI+.
    virtual void Draw(TCanvas* ACanvas, TRectF ARect, bool ANative) = 0;
    virtual void LoadFromText(const String& AText) = 0;
    virtual void LoadFromFile(const String& AFile) = 0;
    virtual void LoadFromStream(TStream& AStream) = 0;
    // The loaded document written from its XML tree; nothing when none is loaded.
    virtual void SaveToStream(TStream& AStream) = 0;
    virtual void SaveToFile(const String& AFile) = 0;

    bool GrayScale() const { return FGrayScale; }
    void SetGrayScale(bool value) { FGrayScale = value; }
    int CustomFillColor() const { return FCustomFillColor; }
    void SetCustomFillColor(int value) { FCustomFillColor = value; }
    int CustomStrokeColor() const { return FCustomStrokeColor; }
    void SetCustomStrokeColor(int value) { FCustomStrokeColor = value; }
    int TintColor() const { return FTintColor; }
    void SetTintColor(int value) { FTintColor = value; }
    float CustomOpacity() const { return FCustomOpacity; }
    void SetCustomOpacity(float value) { FCustomOpacity = value; }
    // Degrees, about the view box's centre.
    float RotationAngle() const { return FRotationAngle; }
    void SetRotationAngle(float value) { FRotationAngle = value; }
    // The part of the document mapped onto the target rectangle; set by loading.
    TRectF ViewRect() const { return FViewRect; }
    void SetViewRect(TRectF value) { FViewRect = value; }

private:
    float FRotationAngle = 0;
    TRectF FViewRect;
    bool FGrayScale = false;
    int FCustomFillColor = -1;
    int FCustomStrokeColor = -1;
    int FTintColor = -1;
    float FCustomOpacity = -1;
};

// Makes the engine of a new SVG graphic; the SVG engine's unit installs it at start-up.
using TRurSVGImportFactory = std::unique_ptr<TRurSVGImport> (*)();

// An SVG document as a framework graphic: keeps the document's bytes as loaded, draws it stretched
// into any rectangle, streams itself in form resources (a 32-bit byte count, then the bytes).
class TRurSVGBitmap : public TGraphic {
    TAVIN_CLASS(TRurSVGBitmap, TGraphic)
public:
    TRurSVGBitmap();
    ~TRurSVGBitmap() override;

    static void SetEngineFactory(TRurSVGImportFactory AFactory);

    // Only from another SVG graphic; anything else is ignored. A document that does not load
    // leaves the graphic empty and raises nothing.
    void Assign(const TPersistent* Source) override;
    void Draw(TCanvas& ACanvas, const TRect& Rect) override;
    // Never raises: what cannot be read leaves the graphic empty, the bytes kept.
    void LoadFromStream(TStream& Stream) override;
    void SaveToStream(TStream& Stream) override;
    // Raises the file errors and the document's parse errors.
    void LoadFromFile(const String& Filename) override;
    void SaveToFile(const String& Filename) override;
    void ReadData(TStream& Stream) override;
    void WriteData(TStream& Stream) override;
    // An SVG graphic has no size of its own to set and no clipboard form: these do nothing.
    void SetWidth(int) override {}
    void SetHeight(int) override {}
    void LoadFromClipboardFormat(Word, HANDLE, HPALETTE) override {}
    void SaveToClipboardFormat(Word&, HANDLE&, HPALETTE&) override {}
    // True when the data at the stream's position has none of the raster signatures.
    static bool CanLoadFromStream(TStream& Stream);

    // Drops the document (the bytes stay) and the file name.
    void Clear();
    virtual bool HasSVG() const;
    TRurSVGImport* SVG() const { return FSVG.get(); }
    const String& FileName() const { return FFileName; }
    // Loads the file unless it is the one already named.
    void SetFileName(const String& value);

protected:
    // Forgets the document and its bytes without telling anyone: a descendant that holds
    // another kind of picture instead.
    void DropSVG();
    // For a descendant that keeps image bytes: the bytes from the stream's position on go into
    // AData when they carry an image signature (the document is dropped, True); otherwise AData
    // is emptied and False answered, for the caller to read a document.
    bool TakeImageBytes(TStream& AStream, TMemoryStream& AData);
    void AssignTo(TPersistent* Dest) const override;
    bool GetEmpty() const override;
    int GetWidth() const override;
    int GetHeight() const override;

private:
    void LoadStored();

    std::unique_ptr<TRurSVGImport> FSVG;
    std::unique_ptr<TMemoryStream> FStream;
    String FFileName;
};

// A framework picture that can tell whether it holds an SVG document.
class TRurBitmap : public TPicture {
    TAVIN_CLASS(TRurBitmap, TPicture)
public:
    // True when the held graphic is an SVG graphic with elements.
    virtual bool HasSVG() const;
    // The SVG engine of the held graphic when HasSVG, otherwise null.
    TRurSVGImport* SVG() const;
};

// The unit's start-up step: the "SVG" file format; finalisation unregisters the class.
void InitializeRurTypesUnit();
void FinalizeRurTypesUnit();

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

// Loads a graphic from the module's RCDATA resource: by name nothing when there is none, by
// number raising EResNotFound.
void LoadGraphicFromResourceName(TGraphic& AGraphic, NativeUInt AInstance, const String& AName);
void LoadGraphicFromResourceID(TGraphic& AGraphic, NativeUInt AInstance, int AID);
// The sources pictures load from by address: "RES://name" and "FILE://path", the prefix in any
// case; ARest is what follows it, in the case given.
enum TRurPictureSource { psOther, psResource, psFile };
TRurPictureSource PictureSourceOf(const String& AURL, String& ARest);

// "0".."9", and above code 127 the Unicode decimal, letter and other numbers.
bool IsCharNumber(Char c);
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
TRect CopyRect(const TRect& rect);
TRect RectFToRect(TRectF rect);
TRectF RectToRectF(const TRect& rect);
TPointF PointToPointF(TPoint p);
TSize SizeFToSize(TSizeF size);
