// Image lists over the system's image lists, with change notification to the controls using them.
#include "ImgList.h"

#include <algorithm>

TChangeLink::~TChangeLink()
{
    if (FSender)
        FSender->UnRegisterChanges(this);
}

void TChangeLink::Change()
{
    FOnChange(FSender);
}

TAVIN_PUBLISHED(TImageList)
{
    TAVIN_PROPERTY(int, AllocBy).Default(4);
    TAVIN_PROPERTY(TColor, BlendColor).Default(clNone);
    TAVIN_PROPERTY(TColor, BkColor).Default(clNone);
    TAVIN_PROPERTY(TColorDepth, ColorDepth).Default(cdDeviceDependent);
    TAVIN_PROPERTY(TDrawingStyle, DrawingStyle).Default(dsNormal);
    TAVIN_PROPERTY(int, Height).Default(16);
    TAVIN_PROPERTY(TImageType, ImageType).Default(itImage);
    TAVIN_PROPERTY(bool, Masked).Default(true);
    TAVIN_PROPERTY(bool, ShareImages).Default(false);
    TAVIN_PROPERTY(int, Width).Default(16);
    TAVIN_PROPERTY(TNotifyEvent, OnChange);
}

namespace {

COLORREF ListColor(TColor color)
{
    if (color == clNone)
        return CLR_NONE;
    if (color == clDefault)
        return CLR_DEFAULT;
    return static_cast<COLORREF>(ColorToRGB(color));
}

// Image lists blend 32-bit images as straight alpha: a premultiplied bitmap goes in as a copy
// divided again.
TBitmap& StraightAlpha(TBitmap& image, TBitmap& scratch)
{
    if (image.AlphaFormat() != afPremultiplied)
        return image;
    scratch.Assign(&image);
    scratch.SetAlphaFormat(afDefined);
    return scratch;
}

} // namespace

TCustomImageList::TCustomImageList(TComponent* owner) : TComponent(owner) {}

TCustomImageList::~TCustomImageList()
{
    for (TChangeLink* link : FLinks)
        link->SetSender(nullptr);
    FreeHandle();
}

void TCustomImageList::FreeHandle()
{
    if (FHandle && !FShareImages)
        ImageList_Destroy(FHandle);
    FHandle = nullptr;
}

HIMAGELIST TCustomImageList::Handle()
{
    if (!FHandle) {
        static constexpr UINT Depths[] = {ILC_COLORDDB, ILC_COLOR4, ILC_COLOR8, ILC_COLOR16, ILC_COLOR24, ILC_COLOR32};
        const UINT flags = Depths[FColorDepth] | (FMasked ? ILC_MASK : 0);
        FHandle = ImageList_Create(FWidth, FHeight, flags, FAllocBy, FAllocBy);
        if (!FHandle)
            throw EInvalidOperation(u"Failed to create the image list");
        ImageList_SetBkColor(FHandle, ListColor(FBkColor));
    }
    return FHandle;
}

void TCustomImageList::SetHandle(HIMAGELIST value)
{
    if (value == FHandle)
        return;
    FreeHandle();
    FHandle = value;
    if (value) {
        int width = 0, height = 0;
        ImageList_GetIconSize(value, &width, &height);
        FWidth = width;
        FHeight = height;
    }
    Change();
}

void TCustomImageList::Recreate()
{
    if (!FHandle)
        return;
    FreeHandle();
    Change();
}

void TCustomImageList::SetWidth(int value)
{
    SetSize(value, FHeight);
}

void TCustomImageList::SetHeight(int value)
{
    SetSize(FWidth, value);
}

void TCustomImageList::SetSize(int width, int height)
{
    if (width == FWidth && height == FHeight)
        return;
    FWidth = std::max(width, 1);
    FHeight = std::max(height, 1);
    Recreate();
}

void TCustomImageList::SetColorDepth(TColorDepth value)
{
    if (value != FColorDepth) {
        FColorDepth = value;
        Recreate();
    }
}

void TCustomImageList::SetMasked(bool value)
{
    if (value != FMasked) {
        FMasked = value;
        Recreate();
    }
}

void TCustomImageList::SetBkColor(TColor value)
{
    if (value == FBkColor)
        return;
    FBkColor = value;
    if (FHandle)
        ImageList_SetBkColor(FHandle, ListColor(value));
    Change();
}

void TCustomImageList::SetBlendColor(TColor value)
{
    if (value != FBlendColor) {
        FBlendColor = value;
        Change();
    }
}

void TCustomImageList::SetDrawingStyle(TDrawingStyle value)
{
    if (value != FDrawingStyle) {
        FDrawingStyle = value;
        Change();
    }
}

void TCustomImageList::SetImageType(TImageType value)
{
    if (value != FImageType) {
        FImageType = value;
        Change();
    }
}

int TCustomImageList::Count() const
{
    return FHandle ? ImageList_GetImageCount(FHandle) : 0;
}

int TCustomImageList::Add(TBitmap* image, TBitmap* mask)
{
    if (!image)
        return -1;
    TBitmap scratch;
    const int index =
        ImageList_Add(Handle(), StraightAlpha(*image, scratch).Handle(), mask ? mask->Handle() : nullptr);
    Change();
    return index;
}

int TCustomImageList::AddMasked(TBitmap* image, TColor maskColor)
{
    if (!image)
        return -1;
    const int index = ImageList_AddMasked(Handle(), image->Handle(), static_cast<COLORREF>(ColorToRGB(maskColor)));
    Change();
    return index;
}

int TCustomImageList::AddIcon(TIcon* icon)
{
    if (!icon || icon->Empty())
        return -1;
    const int index = ImageList_ReplaceIcon(Handle(), -1, icon->Handle());
    Change();
    return index;
}

void TCustomImageList::Replace(int index, TBitmap* image, TBitmap* mask)
{
    if (!image || index < 0 || index >= Count())
        throw EInvalidOperation(u"Invalid image list index");
    TBitmap scratch;
    ImageList_Replace(Handle(), index, StraightAlpha(*image, scratch).Handle(), mask ? mask->Handle() : nullptr);
    Change();
}

void TCustomImageList::Delete(int index)
{
    if (index < 0 || index >= Count())
        throw EInvalidOperation(u"Invalid image list index");
    ImageList_Remove(FHandle, index);
    Change();
}

void TCustomImageList::Clear()
{
    if (FHandle)
        ImageList_Remove(FHandle, -1);
    Change();
}

void TCustomImageList::Draw(TCanvas* canvas, int x, int y, int index, bool enabled)
{
    Draw(canvas, x, y, index, FDrawingStyle, FImageType, enabled);
}

void TCustomImageList::Draw(TCanvas* canvas, int x, int y, int index, TDrawingStyle style, TImageType type,
                            bool enabled)
{
    if (!canvas || !FHandle || index < 0 || index >= Count())
        return;
    if (!enabled) {
        DrawDisabled(*canvas, x, y, index);
        return;
    }
    static constexpr UINT Styles[] = {ILD_FOCUS, ILD_SELECTED, ILD_NORMAL, ILD_TRANSPARENT};
    const UINT flags = Styles[style] | (type == itMask ? ILD_MASK : 0);
    ImageList_DrawEx(FHandle, index, canvas->Handle(), x, y, 0, 0, ListColor(FBkColor), ListColor(FBlendColor), flags);
}

// The image's shape as a monochrome stencil (image pixels set, background and white clear),
// painted in the highlight colour one pixel down and right, then in the shadow colour.
void TCustomImageList::DrawDisabled(TCanvas& canvas, int x, int y, int index)
{
    constexpr DWORD PatternWhereSourceIsSet = 0x00E20746; // DSPDxax
    HDC screen = GetDC(nullptr);
    HDC stencilDC = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HBITMAP stencil = CreateBitmap(FWidth, FHeight, 1, 1, nullptr);
    HGDIOBJ old = SelectObject(stencilDC, stencil);
    PatBlt(stencilDC, 0, 0, FWidth, FHeight, WHITENESS);
    ImageList_DrawEx(FHandle, index, stencilDC, 0, 0, 0, 0, CLR_DEFAULT, CLR_NONE, ILD_NORMAL);
    BitBlt(stencilDC, 0, 0, FWidth, FHeight, nullptr, 0, 0, DSTINVERT);

    HDC target = canvas.Handle();
    // Monochrome source bits become the text colour (0) or the background colour (1) first.
    const COLORREF oldText = SetTextColor(target, RGB(0, 0, 0));
    const COLORREF oldBack = ::SetBkColor(target, RGB(255, 255, 255));
    for (const auto& [colour, offset] : {std::pair{clBtnHighlight, 1}, std::pair{clBtnShadow, 0}}) {
        HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(colour)));
        HGDIOBJ oldBrush = SelectObject(target, brush);
        BitBlt(target, x + offset, y + offset, FWidth, FHeight, stencilDC, 0, 0, PatternWhereSourceIsSet);
        SelectObject(target, oldBrush);
        DeleteObject(brush);
    }
    SetTextColor(target, oldText);
    ::SetBkColor(target, oldBack);

    SelectObject(stencilDC, old);
    DeleteObject(stencil);
    DeleteDC(stencilDC);
}

bool TCustomImageList::GetBitmap(int index, TBitmap* image)
{
    if (!image || !FHandle || index < 0 || index >= Count())
        return false;
    image->SetSize(FWidth, FHeight);
    ImageList_DrawEx(FHandle, index, image->Canvas()->Handle(), 0, 0, 0, 0, CLR_NONE, CLR_NONE, ILD_NORMAL);
    return true;
}

void TCustomImageList::RegisterChanges(TChangeLink* link)
{
    if (link && std::find(FLinks.begin(), FLinks.end(), link) == FLinks.end()) {
        FLinks.push_back(link);
        link->SetSender(this);
    }
}

void TCustomImageList::UnRegisterChanges(TChangeLink* link)
{
    std::erase(FLinks, link);
    if (link && link->Sender() == this)
        link->SetSender(nullptr);
}

void TCustomImageList::EndUpdate()
{
    if (FUpdateCount > 0 && --FUpdateCount == 0 && FChanged)
        Change();
}

void TCustomImageList::Change()
{
    if (FUpdateCount > 0) {
        FChanged = true;
        return;
    }
    FChanged = false;
    const std::vector<TChangeLink*> links = FLinks; // a handler may unregister its link
    for (TChangeLink* link : links)
        link->Change();
    FOnChange(this);
}

void InitializeImgListUnit()
{
    RegisterClass(TImageList::StaticClass());
}

void FinalizeImgListUnit()
{
    UnRegisterClass(TImageList::StaticClass());
}
