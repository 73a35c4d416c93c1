#pragma once
// Named pictures for rich captions: THTMLPicture keeps the raw bytes of any picture GDI+ decodes
// (stepping the frames of animated GIFs) or an SVG document, THTMLPictureCache holds the pictures a caption loaded by
// source, and TPictureContainer is the component an application fills with named pictures.
#include <memory>
#include <vector>

#include "Classes.h"
#include "Graphics.h"
#include "RurGDIPRaster.h"
#include "RurTypes.h"
#include "Streams.h"

class TControl;

using TDownloadProgressEvent = TEvent<TObject*, Int64, Int64>;
using TDownloadCancelEvent = TEvent<TObject*, bool&>;
using TDownloadCompleteEvent = TEvent<TObject*>;
using TDownloadErrorEvent = TEvent<TObject*, const String&>;

// Raster bytes, or, for anything without a raster signature, an SVG document held by the base.
class THTMLPicture : public RurGDIP::TRurRasterPicture {
    TAVIN_PUBLISHED_CLASS(THTMLPicture, RurGDIP::TRurRasterPicture)
public:
    THTMLPicture();

    // A raster picture keeps the stream's bytes from its beginning, other data loads as SVG; the
    // change event fires.
    void LoadFromStream(TStream& Stream) override;
    // Any failure leaves the picture empty, without an error.
    void LoadFromFile(const String& FileName) override;
    void ReadData(TStream& Stream) override;
    // "RES://name" and "FILE://path" load; any other URL is kept (no download is started).
    void LoadFromURL(const String& url);
    void Draw(TCanvas& ACanvas, const TRect& Rect) override;
    // An SVG document into (X, Y, X + W, Y + H) on a canvas, or on a GDI+ graphics; nothing for
    // raster bytes.
    void DrawSVG(TCanvas& ACanvas, float X, float Y, float W, float H);
    using TRurRasterPicture::DrawSVG;
    void Assign(const TPersistent* Source) override;

    bool IsGIF() const;
    // GIF frames (a graphic control extension right before an image descriptor); -1 for other data.
    int FrameCount();
    // The i-th frame's delay in hundredths of a second; -1 when there is no such frame.
    int GetFrameTime(int i) const;
    void FrameNext();
    void FramePrev();
    // One animation tick of 10 hundredths of a second; True when the frame changed.
    bool Step();

    int Frame() const { return FFrame; }
    void SetFrame(int value);
    const String& ID() const { return FID; }
    void SetID(const String& value) { FID = value; }
    const String& URL() const { return FURL; }
    bool Stretch() const { return FStretched; }
    void SetStretch(bool value) { FStretched = value; }
    bool IsDB() const { return FIsDB; }
    void SetIsDB(bool value) { FIsDB = value; }
    bool Asynch() const { return FAsynch; }
    void SetAsynch(bool value) { FAsynch = value; }
    bool Busy() const { return FThreadBusy; }
    Word FrameXPos() const { return FFrameXPos; }
    Word FrameYPos() const { return FFrameYPos; }
    int MaxWidth() const { return HasSVG() ? Width() : FAnimMaxX; }
    int MaxHeight() const { return HasSVG() ? Height() : FAnimMaxY; }
    TNotifyEvent OnFrameChange() const { return FOnFrameChange; }
    void SetOnFrameChange(TNotifyEvent value) { FOnFrameChange = value; }
    TDownloadProgressEvent OnDownLoadProgress() const { return FOnDownLoadProgress; }
    void SetOnDownLoadProgress(TDownloadProgressEvent value) { FOnDownLoadProgress = value; }
    TDownloadCancelEvent OnDownLoadCancel() const { return FOnDownLoadCancel; }
    void SetOnDownLoadCancel(TDownloadCancelEvent value) { FOnDownLoadCancel = value; }
    TDownloadCompleteEvent OnDownLoadComplete() const { return FOnDownLoadComplete; }
    void SetOnDownLoadComplete(TDownloadCompleteEvent value) { FOnDownLoadComplete = value; }
    TDownloadErrorEvent OnDownLoadError() const { return FOnDownLoadError; }
    void SetOnDownLoadError(TDownloadErrorEvent value) { FOnDownLoadError = value; }

private:
    void Reset();
    void UpdateImageInfo();
    // Where the graphic control extension of the 1-based frame starts; -1 when there is none.
    ptrdiff_t FramePosition(int AFrame) const;

    bool FStretched = false;
    String FURL;
    String FID;
    bool FIsDB = false;
    bool FAsynch = true;
    bool FThreadBusy = false;
    int FFrame = 1;
    int FFrameCount = -1;
    TNotifyEvent FOnFrameChange;
    Word FFrameXPos = 0;
    Word FFrameYPos = 0;
    Word FFrameXSize = 0;
    Word FFrameYSize = 0;
    Word FAnimMaxX = 0;
    Word FAnimMaxY = 0;
    int FNextCount = -1;
    int FTimerCount = -1;
    TDownloadProgressEvent FOnDownLoadProgress;
    TDownloadCancelEvent FOnDownLoadCancel;
    TDownloadCompleteEvent FOnDownLoadComplete;
    TDownloadErrorEvent FOnDownLoadError;
};

// The pictures a caption loaded, found again by their source text.
class THTMLPictureCache : public TObject {
    TAVIN_CLASS(THTMLPictureCache, TObject)
public:
    THTMLPicture* AddPicture();
    // Case-sensitive; null when none.
    THTMLPicture* FindPicture(const String& ID) const;
    int Count() const { return static_cast<int>(FItems.size()); }
    THTMLPicture* Items(int Index) const;
    void SetItems(int Index, std::unique_ptr<THTMLPicture> Value);
    void ClearPictures() { FItems.clear(); }
    // Steps every picture; True when any of them moved to another frame.
    bool Animate();

private:
    std::vector<std::unique_ptr<THTMLPicture>> FItems;
};

class TPictureContainer;

class TPictureItem : public TCollectionItem {
    TAVIN_PUBLISHED_CLASS(TPictureItem, TCollectionItem)
public:
    explicit TPictureItem(TCollection* Collection);

    // Raises EInvalidCast for anything but a picture item.
    void Assign(const TPersistent* Source) override;
    // A picture holder with a copy of the picture, owned by the container until its next look-up.
    TPicture* Bitmap();
    TPictureContainer* Container() const;

    THTMLPicture* Picture() const { return FPicture.get(); }
    void SetPicture(THTMLPicture* value) { FPicture->Assign(value); }
    const String& Name() const { return FName; }
    void SetName(const String& value) { FName = value; }
    NativeInt Tag() const { return FTag; }
    void SetTag(NativeInt value) { FTag = value; }

protected:
    virtual std::unique_ptr<THTMLPicture> CreatePicture();

private:
    std::unique_ptr<THTMLPicture> FPicture;
    NativeInt FTag = 0;
    String FName;
};

class TPictureCollection : public TOwnedCollection {
    TAVIN_CLASS(TPictureCollection, TOwnedCollection)
public:
    explicit TPictureCollection(TPictureContainer* AOwner);

    TPictureItem* Add() { return static_cast<TPictureItem*>(TCollection::Add()); }
    TPictureItem* Insert(int Index) { return static_cast<TPictureItem*>(TCollection::Insert(Index)); }
    TPictureItem* Items(int Index) const { return static_cast<TPictureItem*>(TCollection::Items(Index)); }
    bool Animate();
};

class TPictureContainer : public TComponent {
    TAVIN_PUBLISHED_CLASS(TPictureContainer, TComponent)
public:
    explicit TPictureContainer(TComponent* AOwner);
    ~TPictureContainer() override;

    // First item of that name, ignoring case; null when none.
    virtual THTMLPicture* FindPicture(const String& s) const;
    // A picture holder with a copy of that picture, valid until the next look-up; null when none.
    virtual TPicture* FindBitmap(const String& s);
    void RegisterControl(TControl* AControl);
    // Repaints every registered control, then tells OnChange.
    virtual void Changed();
    virtual int GetVersionNr() const;

    TPictureCollection* Items() const { return FItems.get(); }
    void SetItems(TPictureCollection* value) { FItems->Assign(value); }
    String Version() const;
    void SetVersion(const String&) {}
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent value) { FOnChange = value; }

protected:
    virtual std::unique_ptr<TPictureCollection> CreateItems();
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TPictureItem;
    TPicture* KeepBitmap(const THTMLPicture* APicture);

    std::vector<TControl*> FControls;
    std::unique_ptr<TPicture> FPicture;
    std::unique_ptr<TPictureCollection> FItems;
    TNotifyEvent FOnChange;
};
