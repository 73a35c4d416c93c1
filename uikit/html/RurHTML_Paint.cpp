// Drawing helpers of the GDI caption engine: text flags for right-to-left captions, gradients,
// shell icons, stretched bitmaps and rotated fonts.
#include "RurHTML.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>

#include "Math.h"
#include "WideText.h"

UINT BiDiDrawTextFlags(UINT AFlags, TBiDiMode ABiDiMode)
{
    if (ABiDiMode == bdRightToLeft) {
        if (AFlags & DT_RIGHT)
            AFlags &= ~UINT(DT_RIGHT);
        else if (!(AFlags & DT_CENTER))
            AFlags |= DT_RIGHT;
    }
    if (ABiDiMode != bdLeftToRight)
        AFlags |= DT_RTLREADING;
    return AFlags;
}

void DrawGradientRect(TCanvas& ACanvas, TColor AFrom, TColor ATo, bool AHorizontal, const TRect& ARect,
                      int ABands, TColor ABorder)
{
    const int bands = std::max(ABands, 1);
    const TColor from = ColorToRGB(AFrom);
    const TColor to = ColorToRGB(ATo);
    auto channel = [bands](TColor AStart, TColor AEnd, int AShift, int ABand) {
        const int a = (AStart >> AShift) & 0xFF;
        const int b = (AEnd >> AShift) & 0xFF;
        return int(a + Round(double(ABand) * (b - a) / bands)) << AShift;
    };
    const int extent = AHorizontal ? ARect.Width() : ARect.Height();
    for (int i = 0; i < bands; ++i) {
        const TColor color = channel(from, to, 0, i) | channel(from, to, 8, i) | channel(from, to, 16, i);
        ACanvas.Pen()->SetColor(color);
        ACanvas.Brush()->SetColor(color);
        const int start = int(Round(double(i) * extent / bands));
        const int step = extent / bands + 1;
        if (AHorizontal)
            ACanvas.Rectangle(ARect.Left + start, ARect.Top, std::min(ARect.Left + start + step, ARect.Right),
                              ARect.Bottom);
        else
            ACanvas.Rectangle(ARect.Left, ARect.Top + start, ARect.Right,
                              std::min(ARect.Top + start + step, ARect.Bottom));
    }
    if (ABorder != clNone) {
        ACanvas.Pen()->SetColor(ABorder);
        ACanvas.Brush()->SetStyle(bsClear);
        ACanvas.Rectangle(ARect);
    }
}

void StretchBitmapToRect(TCanvas& ACanvas, const TRect& ARect, TBitmap& ABitmap)
{
    TBitmap copy;
    copy.Assign(&ABitmap);
    copy.SetPixelFormat(pf32bit);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = copy.Width();
    info.bmiHeader.biHeight = -copy.Height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    if (copy.Width() == 0 || copy.Height() == 0)
        return;
    StretchDIBits(ACanvas.Handle(), ARect.Left, ARect.Top, ARect.Width(), ARect.Height(), 0, 0, copy.Width(),
                  copy.Height(), copy.ScanLine(0), &info, DIB_RGB_COLORS, SRCCOPY);
}

void DrawShellIcon(TCanvas& ACanvas, int AX, int AY, TSize& ASize, double APrintScale, bool APrinting,
                   bool ADrawing, bool ALarge, const String& APath)
{
    SHFILEINFOW info{};
    const UINT sizeFlag = ALarge ? SHGFI_LARGEICON : SHGFI_SMALLICON;
    int index = 0;
    HIMAGELIST list = nullptr;
    if (TryStrToInt(APath, index)) {
        list = reinterpret_cast<HIMAGELIST>(
            SHGetFileInfoW(L"", 0, &info, sizeof(info), SHGFI_SYSICONINDEX | sizeFlag | SHGFI_USEFILEATTRIBUTES));
    } else {
        const DWORD attributes = GetFileAttributesW(WidePtr(APath));
        const UINT flags = SHGFI_SYSICONINDEX | sizeFlag |
                           (attributes == INVALID_FILE_ATTRIBUTES ? SHGFI_USEFILEATTRIBUTES : 0);
        list = reinterpret_cast<HIMAGELIST>(
            SHGetFileInfoW(WidePtr(APath), FILE_ATTRIBUTE_NORMAL, &info, sizeof(info), flags));
        index = info.iIcon;
    }
    ASize = TSize{0, 0};
    if (!list)
        return;
    int cx = 0, cy = 0;
    ImageList_GetIconSize(list, &cx, &cy);
    ASize = TSize{cx, cy};
    if (!ADrawing)
        return;
    if (!APrinting) {
        ImageList_Draw(list, index, ACanvas.Handle(), AX, AY, ILD_TRANSPARENT);
        return;
    }
    TBitmap bitmap(cx, cy);
    ImageList_Draw(list, index, bitmap.Canvas()->Handle(), 0, 0, ILD_NORMAL);
    StretchBitmapToRect(ACanvas, TRect(AX, AY, AX + int(Round(cx * APrintScale)), AY + int(Round(cy * APrintScale))),
                        bitmap);
}

int SelectRotatedFont(TCanvas& ACanvas, int AAngle)
{
    const int previous = ACanvas.Font()->Orientation();
    ACanvas.Font()->SetOrientation(AAngle % 360 * 10);
    return previous;
}

void RestoreRotatedFont(TCanvas& ACanvas, int APrevious)
{
    ACanvas.Font()->SetOrientation(APrevious);
}
