#pragma once
// Image lists: equally sized images kept in a system image list, drawn by index.
#include "Graphics.h"

#include <commctrl.h>

TAVIN_ENUM(TColorDepth, cdDeviceDependent, cd4Bit, cd8Bit, cd16Bit, cd24Bit, cd32Bit)
TAVIN_ENUM(TDrawingStyle, dsFocus, dsSelected, dsNormal, dsTransparent)
TAVIN_ENUM(TImageType, itImage, itMask)

class TCustomImageList;

// How a control hears that the images of a list it uses changed: it registers a link with the
// list, and the link unregisters itself when freed.
class TChangeLink : public TObject {
    TAVIN_CLASS(TChangeLink, TObject)
public:
    TChangeLink() = default;
    ~TChangeLink() override;
    TChangeLink(const TChangeLink&) = delete;
    TChangeLink& operator=(const TChangeLink&) = delete;

    TCustomImageList* Sender() const { return FSender; }
    void SetSender(TCustomImageList* value) { FSender = value; }
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent value) { FOnChange = value; }
    virtual void Change();

private:
    TCustomImageList* FSender = nullptr;
    TNotifyEvent FOnChange;
};

class TCustomImageList : public TComponent {
    TAVIN_CLASS(TCustomImageList, TComponent)
public:
    explicit TCustomImageList(TComponent* owner);
    ~TCustomImageList() override;

    // Changing the size, depth or mask empties the list.
    int Width() const { return FWidth; }
    void SetWidth(int value);
    int Height() const { return FHeight; }
    void SetHeight(int value);
    void SetSize(int width, int height);
    TColorDepth ColorDepth() const { return FColorDepth; }
    void SetColorDepth(TColorDepth value);
    bool Masked() const { return FMasked; }
    void SetMasked(bool value);
    int AllocBy() const { return FAllocBy; }
    void SetAllocBy(int value) { FAllocBy = value; }
    TColor BkColor() const { return FBkColor; }
    void SetBkColor(TColor value);
    TColor BlendColor() const { return FBlendColor; }
    void SetBlendColor(TColor value);
    TDrawingStyle DrawingStyle() const { return FDrawingStyle; }
    void SetDrawingStyle(TDrawingStyle value);
    TImageType ImageType() const { return FImageType; }
    void SetImageType(TImageType value);
    // A shared list's handle belongs to someone else: the list never destroys it.
    bool ShareImages() const { return FShareImages; }
    void SetShareImages(bool value) { FShareImages = value; }

    int Count() const;
    HIMAGELIST Handle();
    // Takes the list's handle; Width and Height follow its image size.
    void SetHandle(HIMAGELIST value);
    bool HandleAllocated() const { return FHandle != nullptr; }

    // Each adds as many images as the bitmap's width holds and returns the index of the first,
    // -1 on failure. The mask's white marks the transparent parts.
    int Add(TBitmap* image, TBitmap* mask);
    int AddMasked(TBitmap* image, TColor maskColor);
    int AddIcon(TIcon* icon);
    void Replace(int index, TBitmap* image, TBitmap* mask);
    void Delete(int index);
    void Clear();

    // Draws image index with the list's DrawingStyle and ImageType; disabled, as an embossed
    // shape in the button highlight and shadow colours. An index out of range draws nothing.
    void Draw(TCanvas* canvas, int x, int y, int index, bool enabled = true);
    void Draw(TCanvas* canvas, int x, int y, int index, TDrawingStyle style, TImageType type, bool enabled = true);
    // Draws the image onto the bitmap, made Width x Height; false for an index out of range.
    bool GetBitmap(int index, TBitmap* image);

    void RegisterChanges(TChangeLink* link);
    void UnRegisterChanges(TChangeLink* link);
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent value) { FOnChange = value; }

protected:
    virtual void Change();

private:
    void Recreate();
    void FreeHandle();
    void DrawDisabled(TCanvas& canvas, int x, int y, int index);

    HIMAGELIST FHandle = nullptr;
    int FWidth = 16;
    int FHeight = 16;
    TColorDepth FColorDepth = cdDeviceDependent;
    bool FMasked = true;
    int FAllocBy = 4;
    TColor FBkColor = clNone;
    TColor FBlendColor = clNone;
    TDrawingStyle FDrawingStyle = dsNormal;
    TImageType FImageType = itImage;
    bool FShareImages = false;
    std::vector<TChangeLink*> FLinks;
    int FUpdateCount = 0;
    bool FChanged = false;
    TNotifyEvent FOnChange;
};

class TImageList : public TCustomImageList {
    TAVIN_PUBLISHED_CLASS(TImageList, TCustomImageList)
public:
    using TCustomImageList::TCustomImageList;
};

void InitializeImgListUnit();
void FinalizeImgListUnit();
