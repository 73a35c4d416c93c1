// Colour emoji: GDI draws emoji without colour, so each one goes through Direct2D and DirectWrite,
// bound to the canvas's device context for the one glyph.
#include <d2d1.h>
#include <dwrite.h>

#include "RurHTML.h"
#include "WideText.h"

namespace {

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
        if (FAILED(DWriteCreateFactory(DWRITE_FACTORY_TYPE_SHARED, __uuidof(IDWriteFactory),
                                       reinterpret_cast<IUnknown**>(&created))))
            return static_cast<IDWriteFactory*>(nullptr);
        return created;
    }();
    return factory;
}

void DrawColourText(HDC ADC, int AX, int AY, int AFontSize, const String& AText)
{
    IDWriteFactory* text = TextFactory();
    TComRef<ID2D1Factory> factory;
    if (!text || FAILED(D2D1CreateFactory(D2D1_FACTORY_TYPE_SINGLE_THREADED, __uuidof(ID2D1Factory), nullptr,
                                          reinterpret_cast<void**>(&factory))))
        return;
    const D2D1_RENDER_TARGET_PROPERTIES properties = D2D1::RenderTargetProperties(
        D2D1_RENDER_TARGET_TYPE_DEFAULT, D2D1::PixelFormat(DXGI_FORMAT_B8G8R8A8_UNORM, D2D1_ALPHA_MODE_PREMULTIPLIED));
    TComRef<ID2D1DCRenderTarget> target;
    if (FAILED(factory->CreateDCRenderTarget(&properties, &target)))
        return;
    const RECT area{0, 0, 1000, 1000};
    if (FAILED(target->BindDC(ADC, &area)))
        return;
    TComRef<IDWriteTextFormat> format;
    TComRef<ID2D1SolidColorBrush> brush;
    if (FAILED(text->CreateTextFormat(L"Segoe UI Emoji", nullptr, DWRITE_FONT_WEIGHT_NORMAL, DWRITE_FONT_STYLE_NORMAL,
                                      DWRITE_FONT_STRETCH_NORMAL, float(MulDiv(AFontSize, 96, 72)), L"en-us",
                                      &format)))
        return;
    target->BeginDraw();
    if (SUCCEEDED(target->CreateSolidColorBrush(D2D1::ColorF(0, 0, 0, 1), &brush))) {
        const D2D1_RECT_F layout = D2D1::RectF(float(AX), float(AY - 2), float(AX + 100), float(AY + 100));
        // windows.h renamed the method along with the function of that name.
        target->DrawTextW(WidePtr(AText), UINT32(AText.size()), format.Get(), layout, brush.Get(),
                         D2D1_DRAW_TEXT_OPTIONS_ENABLE_COLOR_FONT, DWRITE_MEASURING_MODE_NATURAL);
    }
    target->EndDraw();
}

} // namespace

int DrawEmojiRun(TCanvas& ACanvas, int AX, int AY, int AFontSize, const String& AText, bool AMeasuring)
{
    TEXTMETRICW metrics{};
    const HDC dc = ACanvas.Handle();
    SelectObject(dc, ACanvas.Font()->Handle());
    GetTextMetricsW(dc, &metrics);
    if (!AMeasuring)
        DrawColourText(dc, AX, AY, AFontSize, AText);
    return metrics.tmHeight;
}
