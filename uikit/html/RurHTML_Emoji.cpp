// Colour emoji: GDI draws emoji without colour, so each one goes through Direct2D and DirectWrite,
// bound to the canvas's device context for the one glyph. Both libraries are loaded with the first
// emoji: Direct2D brings the whole 3D stack with it, which a program without emoji never needs.
#include <d2d1.h>
#include <dwrite.h>

#include "RurHTML.h"
#include "SystemFunction.h"
#include "WideText.h"

namespace {

using TD2D1CreateFactory = HRESULT(WINAPI*)(D2D1_FACTORY_TYPE, REFIID, const D2D1_FACTORY_OPTIONS*, void**);
using TDWriteCreateFactory = HRESULT(WINAPI*)(DWRITE_FACTORY_TYPE, REFIID, IUnknown**);

template <class T>
class TComRef {
public:
    TComRef() = default;
    ~TComRef()
    {
        if (FPointer)
            FPointer->Release();
    }
    TComRef(const TComRef&) = delete;
    TComRef& operator=(const TComRef&) = delete;
    T* operator->() const { return FPointer; }
    T** operator&() { return &FPointer; }
    T* Get() const { return FPointer; }

private:
    T* FPointer = nullptr;
};

// One text factory for the process, made when the first emoji is drawn.
IDWriteFactory* TextFactory()
{
    static IDWriteFactory* factory = [] {
        IDWriteFactory* created = nullptr;
        const auto create = SystemFunction<TDWriteCreateFactory>(L"dwrite.dll", "DWriteCreateFactory");
        if (!create || FAILED(create(DWRITE_FACTORY_TYPE_SHARED, __uuidof(IDWriteFactory),
                                     reinterpret_cast<IUnknown**>(&created))))
            return static_cast<IDWriteFactory*>(nullptr);
        return created;
    }();
    return factory;
}

// A device context over a transparent 32-bit bitmap, the size of the emoji's layout box.
class TGlyphCell {
public:
    TGlyphCell(HDC ADC, int AWidth, int AHeight) : FDC(CreateCompatibleDC(ADC))
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = AWidth;
        info.bmiHeader.biHeight = -AHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        FBitmap = CreateDIBSection(ADC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (FDC && FBitmap)
            FPrevious = SelectObject(FDC, FBitmap);
    }
    ~TGlyphCell()
    {
        if (FPrevious)
            SelectObject(FDC, FPrevious);
        if (FBitmap)
            DeleteObject(FBitmap);
        if (FDC)
            DeleteDC(FDC);
    }
    TGlyphCell(const TGlyphCell&) = delete;
    TGlyphCell& operator=(const TGlyphCell&) = delete;
    HDC DC() const { return FPrevious ? FDC : nullptr; }

private:
    HDC FDC;
    HBITMAP FBitmap = nullptr;
    HGDIOBJ FPrevious = nullptr;
};

// The emoji is drawn into a transparent cell and blended onto the device context: a render
// target bound to the context itself need not read its pixels first, and where it does not
// (Wine's does not), it would wipe everything it covers.
void DrawColourText(HDC ADC, int AX, int AY, int AFontSize, const String& AText)
{
    constexpr int CellWidth = 100;
    constexpr int CellHeight = 102; // from y - 2 to y + 100
    IDWriteFactory* text = TextFactory();
    TGlyphCell cell(ADC, CellWidth, CellHeight);
    static const auto createFactory = SystemFunction<TD2D1CreateFactory>(L"d2d1.dll", "D2D1CreateFactory");
    TComRef<ID2D1Factory> factory;
    if (!text || !cell.DC() || !createFactory ||
        FAILED(createFactory(D2D1_FACTORY_TYPE_SINGLE_THREADED, __uuidof(ID2D1Factory), nullptr,
                             reinterpret_cast<void**>(&factory))))
        return;
    const D2D1_RENDER_TARGET_PROPERTIES properties = D2D1::RenderTargetProperties(
        D2D1_RENDER_TARGET_TYPE_DEFAULT, D2D1::PixelFormat(DXGI_FORMAT_B8G8R8A8_UNORM, D2D1_ALPHA_MODE_PREMULTIPLIED));
    TComRef<ID2D1DCRenderTarget> target;
    if (FAILED(factory->CreateDCRenderTarget(&properties, &target)))
        return;
    const RECT area{0, 0, CellWidth, CellHeight};
    TComRef<IDWriteTextFormat> format;
    TComRef<ID2D1SolidColorBrush> brush;
    if (FAILED(target->BindDC(cell.DC(), &area)) ||
        FAILED(text->CreateTextFormat(L"Segoe UI Emoji", nullptr, DWRITE_FONT_WEIGHT_NORMAL, DWRITE_FONT_STYLE_NORMAL,
                                      DWRITE_FONT_STRETCH_NORMAL, float(MulDiv(AFontSize, 96, 72)), L"en-us",
                                      &format)))
        return;
    target->BeginDraw();
    target->Clear(D2D1::ColorF(0, 0, 0, 0));
    if (SUCCEEDED(target->CreateSolidColorBrush(D2D1::ColorF(0, 0, 0, 1), &brush))) {
        const D2D1_RECT_F layout = D2D1::RectF(0, 0, float(CellWidth), float(CellHeight));
        // windows.h renamed the method along with the function of that name.
        target->DrawTextW(WidePtr(AText), UINT32(AText.size()), format.Get(), layout, brush.Get(),
                          D2D1_DRAW_TEXT_OPTIONS_ENABLE_COLOR_FONT, DWRITE_MEASURING_MODE_NATURAL);
    }
    if (FAILED(target->EndDraw()))
        return;
    GdiFlush();
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    GdiAlphaBlend(ADC, AX, AY - 2, CellWidth, CellHeight, cell.DC(), 0, 0, CellWidth, CellHeight, blend);
}

} // namespace

int DrawEmojiRun(TCanvas& ACanvas, int AX, int AY, int AFontSize, const String& AText, bool AMeasuring)
{
    TEXTMETRICW metrics{};
    const HDC dc = ACanvas.Handle();
    // The canvas's font for the metrics, given back at once: the canvas does not know it is there.
    const HGDIOBJ previous = SelectObject(dc, ACanvas.Font()->Handle());
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    if (!AMeasuring)
        DrawColourText(dc, AX, AY, AFontSize, AText);
    return metrics.tmHeight;
}
