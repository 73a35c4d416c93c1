// The canvas: selecting the drawing objects into the DC on demand and the drawing calls.
#include <vector>

#include <usp10.h>

#include "Graphics.h"

#include "SysUtils.h"
#include "WideText.h"

namespace {

std::vector<POINT> ToWinPoints(std::span<const TPoint> points)
{
    std::vector<POINT> result;
    result.reserve(points.size());
    for (const TPoint& p : points)
        result.push_back(POINT{p.X, p.Y});
    return result;
}

} // namespace

UINT DrawTextFlags(TTextFormat format)
{
    static constexpr UINT Flags[] = {
        DT_BOTTOM,       DT_CALCRECT,   DT_CENTER,    DT_EDITCONTROL,       DT_END_ELLIPSIS, DT_PATH_ELLIPSIS,
        DT_EXPANDTABS,   DT_EXTERNALLEADING, DT_LEFT, DT_MODIFYSTRING,      DT_NOCLIP,       DT_NOPREFIX,
        DT_RIGHT,        DT_RTLREADING, DT_SINGLELINE, DT_TOP,              DT_VCENTER,      DT_WORDBREAK,
        DT_HIDEPREFIX,   DT_NOFULLWIDTHCHARBREAK, DT_PREFIXONLY, DT_TABSTOP, DT_WORD_ELLIPSIS,
        0, // tfComposited: glass drawing is not offered; the text is drawn as usual
    };
    static_assert(std::size(Flags) == TavinEnumCount(static_cast<TTextFormats*>(nullptr)));
    UINT result = 0;
    for (size_t i = 0; i < std::size(Flags); ++i)
        if (format.Contains(static_cast<TTextFormats>(i)))
            result |= Flags[i];
    return result;
}

TCanvas::TCanvas() : FFont(std::make_unique<TFont>()), FPen(std::make_unique<TPen>()), FBrush(std::make_unique<TBrush>())
{
    InitializeCriticalSection(&FLock);
    FFont->SetOnChange(MakeHandler<&TCanvas::FontChanged>(this));
    FPen->SetOnChange(MakeHandler<&TCanvas::PenChanged>(this));
    FBrush->SetOnChange(MakeHandler<&TCanvas::BrushChanged>(this));
}

TCanvas::~TCanvas()
{
    SetHandle(nullptr);
    DeleteCriticalSection(&FLock);
}

// Code that draws on the handle with the system's calls finds the canvas's font, pen and brush
// selected, as it does after any drawing call of the canvas.
HDC TCanvas::Handle()
{
    RequiredState(csHandleValid);
    return FHandle;
}

void TCanvas::SetHandle(HDC value)
{
    if (value == FHandle)
        return;
    if (FHandle)
        DeselectHandles();
    FHandle = value;
    FState = value ? csHandleValid : 0;
}

void TCanvas::CreateHandle()
{
    throw EInvalidOperation(u"Canvas does not allow drawing");
}

void TCanvas::RequiredState(int state)
{
    if (!FHandle) {
        CreateHandle();
        if (!FHandle)
            throw EInvalidOperation(u"Canvas does not allow drawing");
        FState = csHandleValid;
    }
    const int missing = state & ~FState;
    if (missing & csFontValid)
        SelectFont();
    if (missing & csPenValid)
        SelectPen();
    if (missing & csBrushValid)
        SelectBrush();
    FState |= state;
}

void TCanvas::SelectFont()
{
    HGDIOBJ previous = SelectObject(FHandle, FFont->Handle());
    if (!FOriginalFont)
        FOriginalFont = previous;
    SetTextColor(FHandle, static_cast<COLORREF>(ColorToRGB(FFont->Color())));
}

void TCanvas::SelectPen()
{
    static constexpr int Rops[] = {R2_BLACK,       R2_WHITE,       R2_NOP,         R2_NOT,
                                   R2_COPYPEN,     R2_NOTCOPYPEN,  R2_MERGEPENNOT, R2_MASKPENNOT,
                                   R2_MERGENOTPEN, R2_MASKNOTPEN,  R2_MERGEPEN,    R2_NOTMERGEPEN,
                                   R2_MASKPEN,     R2_NOTMASKPEN,  R2_XORPEN,      R2_NOTXORPEN};
    HGDIOBJ previous = SelectObject(FHandle, FPen->Handle());
    if (!FOriginalPen)
        FOriginalPen = previous;
    SetROP2(FHandle, Rops[FPen->Mode()]);
}

void TCanvas::SelectBrush()
{
    UnrealizeObject(FBrush->Handle());
    HGDIOBJ previous = SelectObject(FHandle, FBrush->Handle());
    if (!FOriginalBrush)
        FOriginalBrush = previous;
    // Text and hatches are drawn on the brush colour when the brush is solid, on nothing otherwise.
    if (FBrush->Style() == bsSolid) {
        SetBkColor(FHandle, static_cast<COLORREF>(ColorToRGB(FBrush->Color())));
        SetBkMode(FHandle, OPAQUE);
    } else {
        SetBkColor(FHandle, ~static_cast<COLORREF>(ColorToRGB(FBrush->Color())) & 0xFFFFFF);
        SetBkMode(FHandle, TRANSPARENT);
    }
}

void TCanvas::DeselectHandles()
{
    if (FOriginalFont)
        SelectObject(FHandle, FOriginalFont);
    if (FOriginalPen)
        SelectObject(FHandle, FOriginalPen);
    if (FOriginalBrush)
        SelectObject(FHandle, FOriginalBrush);
    FOriginalFont = FOriginalPen = FOriginalBrush = nullptr;
    FState &= ~(csFontValid | csPenValid | csBrushValid);
}

void TCanvas::FontChanged(TObject*)
{
    // The font's handle may be freed next, so the DC must let go of it now.
    if (FState & csFontValid) {
        SelectObject(FHandle, FOriginalFont);
        FOriginalFont = nullptr;
        FState &= ~csFontValid;
    }
}

void TCanvas::PenChanged(TObject*)
{
    if (FState & csPenValid) {
        SelectObject(FHandle, FOriginalPen);
        FOriginalPen = nullptr;
        FState &= ~csPenValid;
    }
}

void TCanvas::BrushChanged(TObject*)
{
    if (FState & csBrushValid) {
        SelectObject(FHandle, FOriginalBrush);
        FOriginalBrush = nullptr;
        FState &= ~csBrushValid;
    }
}

void TCanvas::Refresh()
{
    if (FHandle)
        DeselectHandles();
}

void TCanvas::Changing()
{
    FOnChanging(this);
}

void TCanvas::Changed()
{
    FOnChange(this);
}

TPoint TCanvas::PenPos()
{
    RequiredState(csHandleValid);
    POINT p{};
    GetCurrentPositionEx(FHandle, &p);
    return TPoint{p.x, p.y};
}

void TCanvas::MoveTo(int x, int y)
{
    RequiredState(csHandleValid);
    MoveToEx(FHandle, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y)
{
    Changing();
    RequiredState(csHandleValid | csPenValid | csBrushValid);
    ::LineTo(FHandle, x, y);
    Changed();
}

void TCanvas::Polyline(std::span<const TPoint> points)
{
    Changing();
    RequiredState(csHandleValid | csPenValid | csBrushValid);
    const auto winPoints = ToWinPoints(points);
    ::Polyline(FHandle, winPoints.data(), static_cast<int>(winPoints.size()));
    Changed();
}

void TCanvas::Polygon(std::span<const TPoint> points)
{
    Changing();
    RequiredState(csHandleValid | csPenValid | csBrushValid);
    const auto winPoints = ToWinPoints(points);
    ::Polygon(FHandle, winPoints.data(), static_cast<int>(winPoints.size()));
    Changed();
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    Changing();
    RequiredState(csHandleValid | csPenValid | csBrushValid);
    ::Rectangle(FHandle, x1, y1, x2, y2);
    Changed();
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight)
{
    Changing();
    RequiredState(csHandleValid | csPenValid | csBrushValid);
    ::RoundRect(FHandle, x1, y1, x2, y2, cornerWidth, cornerHeight);
    Changed();
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    Changing();
    RequiredState(csHandleValid | csPenValid | csBrushValid);
    ::Ellipse(FHandle, x1, y1, x2, y2);
    Changed();
}

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    Changing();
    RequiredState(csHandleValid | csPenValid | csBrushValid);
    ::Arc(FHandle, x1, y1, x2, y2, x3, y3, x4, y4);
    Changed();
}

void TCanvas::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    Changing();
    RequiredState(csHandleValid | csPenValid | csBrushValid);
    ::Chord(FHandle, x1, y1, x2, y2, x3, y3, x4, y4);
    Changed();
}

void TCanvas::FillRect(const TRect& r)
{
    Changing();
    RequiredState(csHandleValid | csBrushValid);
    const RECT rect = ToWinRect(r);
    ::FillRect(FHandle, &rect, FBrush->Handle());
    Changed();
}

void TCanvas::FrameRect(const TRect& r)
{
    Changing();
    RequiredState(csHandleValid | csBrushValid);
    const RECT rect = ToWinRect(r);
    ::FrameRect(FHandle, &rect, FBrush->Handle());
    Changed();
}

void TCanvas::DrawFocusRect(const TRect& r)
{
    Changing();
    RequiredState(csHandleValid | csBrushValid);
    const RECT rect = ToWinRect(r);
    ::DrawFocusRect(FHandle, &rect);
    Changed();
}

TColor TCanvas::Pixels(int x, int y)
{
    RequiredState(csHandleValid);
    return static_cast<TColor>(GetPixel(FHandle, x, y));
}

void TCanvas::SetPixels(int x, int y, TColor color)
{
    Changing();
    RequiredState(csHandleValid | csPenValid);
    SetPixel(FHandle, x, y, static_cast<COLORREF>(ColorToRGB(color)));
    Changed();
}

void TCanvas::CopyRect(const TRect& destRect, TCanvas& source, const TRect& sourceRect)
{
    Changing();
    RequiredState(csHandleValid | csFontValid | csBrushValid);
    source.RequiredState(csHandleValid | csBrushValid);
    StretchBlt(FHandle, destRect.Left, destRect.Top, destRect.Width(), destRect.Height(), source.FHandle,
               sourceRect.Left, sourceRect.Top, sourceRect.Width(), sourceRect.Height(),
               static_cast<DWORD>(FCopyMode));
    Changed();
}

void TCanvas::TextOut(int x, int y, const String& text)
{
    Changing();
    RequiredState(csHandleValid | csFontValid | csBrushValid);
    ExtTextOutW(FHandle, x, y, 0, nullptr, WidePtr(text), static_cast<UINT>(text.size()), nullptr);
    Changed();
}

void TCanvas::TextRect(TRect& r, String& text, TTextFormat format)
{
    Changing();
    RequiredState(csHandleValid | csFontValid | csBrushValid);
    RECT rect = ToWinRect(r);
    const UINT flags = DrawTextFlags(format);
    if (format.Contains(tfModifyString)) {
        // DrawText may write an ellipsis of up to four characters beyond the text: give it the room.
        std::wstring buffer(WidePtr(text), text.size());
        buffer.resize(text.size() + 4 + 1, L'\0');
        DrawTextExW(FHandle, buffer.data(), static_cast<int>(text.size()), &rect, flags, nullptr);
        text = FromWidePtr(buffer.c_str());
    } else {
        std::wstring buffer(WidePtr(text), text.size());
        DrawTextExW(FHandle, buffer.data(), static_cast<int>(buffer.size()), &rect, flags, nullptr);
    }
    if (format.Contains(tfCalcRect))
        r = FromWinRect(rect);
    Changed();
}

void TCanvas::TextRect(const TRect& r, int x, int y, const String& text)
{
    Changing();
    RequiredState(csHandleValid | csFontValid | csBrushValid);
    const RECT rect = ToWinRect(r);
    UINT options = ETO_CLIPPED;
    if (FBrush->Style() != bsClear)
        options |= ETO_OPAQUE;
    ExtTextOutW(FHandle, x, y, options, &rect, WidePtr(text), static_cast<UINT>(text.size()), nullptr);
    Changed();
}

TSize TCanvas::TextExtent(const String& text)
{
    RequiredState(csHandleValid | csFontValid);
    return ShapedTextExtent(FHandle, text);
}

TSize ShapedTextExtent(HDC dc, const String& text)
{
    SIZE size{};
    GetTextExtentPoint32W(dc, WidePtr(text), static_cast<int>(text.size()), &size);
    SCRIPT_STRING_ANALYSIS analysis = nullptr;
    const int length = static_cast<int>(text.size());
    if (length > 0 && SUCCEEDED(ScriptStringAnalyse(dc, WidePtr(text), length, length * 3 / 2 + 16, -1,
                                                    SSA_GLYPHS | SSA_FALLBACK, 0, nullptr, nullptr, nullptr,
                                                    nullptr, nullptr, &analysis))) {
        if (const SIZE* shaped = ScriptString_pSize(analysis))
            size.cx = shaped->cx;
        ScriptStringFree(&analysis);
    }
    return TSize{static_cast<int>(size.cx), static_cast<int>(size.cy)};
}

int DrawShapedText(HDC dc, const String& text, RECT& rect, UINT flags)
{
    const int length = static_cast<int>(text.size());
    const bool plainLine = !(flags & DT_WORDBREAK) && text.find_first_of(u"\r\n\t") == String::npos &&
                           ((flags & DT_NOPREFIX) || text.find(u'&') == String::npos);
    if (!plainLine || length == 0)
        return DrawTextW(dc, WidePtr(text), length, &rect, flags);
    const int width = ShapedTextExtent(dc, text).cx;
    if (flags & DT_CALCRECT) {
        const int height = DrawTextW(dc, WidePtr(text), length, &rect, flags);
        rect.right = rect.left + width;
        return height;
    }
    RECT r = rect;
    if ((flags & (DT_RIGHT | DT_CENTER)) && width <= r.right - r.left) {
        r.left = flags & DT_RIGHT ? r.right - width : r.left + (r.right - r.left - width) / 2;
        flags = (flags & ~static_cast<UINT>(DT_RIGHT | DT_CENTER)) | DT_NOCLIP;
    }
    return DrawTextW(dc, WidePtr(text), length, &r, flags);
}

TRect TCanvas::ClipRect()
{
    RequiredState(csHandleValid);
    RECT rect{};
    GetClipBox(FHandle, &rect);
    return FromWinRect(rect);
}

void TCanvas::Lock()
{
    EnterCriticalSection(&FLock);
    ++FLockCount;
}

bool TCanvas::TryLock()
{
    if (!TryEnterCriticalSection(&FLock))
        return false;
    ++FLockCount;
    return true;
}

void TCanvas::Unlock()
{
    --FLockCount;
    LeaveCriticalSection(&FLock);
}

void TCanvas::Draw(int x, int y, TGraphic* graphic)
{
    if (graphic && !graphic->Empty())
        StretchDraw(Bounds(x, y, graphic->Width(), graphic->Height()), graphic);
}

void TCanvas::StretchDraw(const TRect& r, TGraphic* graphic)
{
    if (!graphic)
        return;
    Changing();
    RequiredState(csHandleValid | csBrushValid);
    graphic->Draw(*this, r);
    Changed();
}
