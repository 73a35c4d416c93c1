// The Office radio button's painting: the parent behind it (cached on request), the glyph through
// the framework's style, the system theme or the module's bitmaps, the caption as plain
// right-to-left text or through the caption engine, and the dotted focus outline.
#include "RurOfficeButtons.h"

#include <algorithm>

#include <vssym32.h>

#include "AOBXPVS.h"
#include "Math.h"
#include "PlatformFacts.h"
#include "RurHTML.h"
#include "RurParentBackground.h"
#include "Themes.h"
#include "WideText.h"

namespace {

constexpr int MeasureRight = 65535;

String GlyphBitmapName(bool AChecked, bool ADown, bool AHot)
{
    String name = AChecked ? u"RujOFRC" : u"RujOFRU";
    if (ADown)
        name += u"D";
    else if (AHot)
        name += u"H";
    return name;
}

// Checked 5..8, unchecked 1..4: normal, hot, down, disabled (disabled first, then down, then hot).
int ThemedRadioState(bool AChecked, bool AEnabled, bool ADown, bool AHot)
{
    const int base = AChecked ? RBS_CHECKEDNORMAL : RBS_UNCHECKEDNORMAL;
    return base + (!AEnabled ? 3 : ADown ? 2 : AHot ? 1 : 0);
}

} // namespace

void TCustomRurOfficeRadioButton::DrawParentBackground(TCanvas& ACanvas)
{
    const int saved = SaveDC(ACanvas.Handle());
    if (Parent())
        IntersectClipRect(ACanvas.Handle(), -Left(), -Top(), Parent()->ClientWidth() - Left(),
                          Parent()->ClientHeight() - Top());
    PaintParentBehind(*this, ACanvas.Handle());
    RestoreDC(ACanvas.Handle(), saved);
}

int TCustomRurOfficeRadioButton::TextHeightOfGh(TCanvas& ACanvas) { return ACanvas.TextHeight(u"gh"); }

bool TCustomRurOfficeRadioButton::RunHTML(TCanvas& ACanvas, const TRect& ARect, int AX, int AY, bool AHitTest,
                                          bool AMeasureOnly, TColor AURLColor, TBiDiMode ABiDiMode, int& AXSize,
                                          int& AYSize, String& AAnchor)
{
    THTMLDrawOptions options;
    options.Images = FImages;
    options.MouseX = AX;
    options.MouseY = AY;
    options.ShadowOffset = FShadowOffset;
    options.ShadowColor = FShadowColor;
    options.HitTest = AHitTest;
    options.MeasureOnly = AMeasureOnly;
    options.WordWrap = !FEllipsis;
    options.ScaleFontSizes = FFormScaled;
    options.URLColor = AURLColor;
    options.PictureCache = FImageCache.get();
    options.PictureContainer = FContainer;
    options.BiDiMode = ABiDiMode;
    options.HighlightBackground = clHighlight;
    options.HighlightText = clHighlightText;
    options.Scale = -1;
    options.Edition = THTMLEdition::Reduced;
    THTMLDrawResult result;
    const bool hit = HTMLDraw(ACanvas, Caption(), ARect, options, result);
    AXSize = result.XSize;
    AYSize = result.YSize;
    AAnchor = result.Anchor;
    return hit;
}

String TCustomRurOfficeRadioButton::GetAnchorAt(int X, int Y)
{
    if (!HandleAllocated())
        return {};
    TRect r = ClientRect();
    r.Left += 17;
    r.Top += 4;
    HDC dc = GetDC(Handle());
    TCanvas canvas;
    canvas.SetHandle(dc);
    canvas.Font()->Assign(Font());
    int xsize = 0, ysize = 0;
    String anchor;
    const bool hit = RunHTML(canvas, r, X, Y, true, false, FURLColor, bdLeftToRight, xsize, ysize, anchor);
    canvas.SetHandle(nullptr);
    ReleaseDC(Handle(), dc);
    return hit ? anchor : String();
}

void TCustomRurOfficeRadioButton::DrawRadio(TCanvas& ACanvas)
{
    const bool right = FAlignment == taRightJustify || UseRightToLeftAlignment();
    const TRect client = ClientRect();
    auto placeX = [&](int size) { return right ? client.Right - size - 1 : 0; };
    if (FUseVCLStyles) {
        const int size = FDPIScale <= 1.5f ? 16 : 20;
        int y = 0;
        switch (FBtnVAlign) {
        case tlTop: y = std::max((TextHeightOfGh(ACanvas) - size) / 2, 0); break;
        case tlCenter: y = client.Height() / 2 - size / 2; break;
        default: y = client.Bottom - size; break;
        }
        const TThemedButton element = Enabled() ? (FChecked ? tbRadioButtonCheckedNormal : tbRadioButtonUncheckedNormal)
                                                : (FChecked ? tbRadioButtonCheckedDisabled
                                                            : tbRadioButtonUncheckedDisabled);
        FGlyphRect = Rect(placeX(size), y, placeX(size) + size, y + size);
        StyleServices(this)->DrawElement(ACanvas.Handle(), TCustomStyleServices::GetElementDetails(element), FGlyphRect);
        return;
    }
    const auto& theme = AOBXPVS::Theme();
    auto active = theme.Get<TThemeEntry::IsThemeActive>();
    auto open = theme.Get<TThemeEntry::OpenThemeData>();
    if (IsWinXPOrLater() && FThemed && active && active() && IsComCtl6() && open && HandleAllocated()) {
        if (HTHEME data = open(Handle(), L"button")) {
            SIZE part{};
            theme.Get<TThemeEntry::GetThemePartSize>()(data, ACanvas.Handle(), BP_RADIOBUTTON, RBS_CHECKEDNORMAL,
                                                        nullptr, TS_DRAW, &part);
            int y = 4;
            switch (FBtnVAlign) {
            case tlTop: y = std::max((TextHeightOfGh(ACanvas) - int(part.cy)) / 2, 0); break;
            case tlCenter: y = client.Height() / 2 - part.cx / 2; break;
            case tlBottom: y = client.Bottom - part.cx; break;
            }
            FGlyphRect = Rect(placeX(part.cx), y, placeX(part.cx) + part.cx, y + part.cy);
            const RECT r{FGlyphRect.Left, FGlyphRect.Top, FGlyphRect.Right, FGlyphRect.Bottom};
            theme.Get<TThemeEntry::DrawThemeBackground>()(data, ACanvas.Handle(), BP_RADIOBUTTON,
                                                          ThemedRadioState(FChecked, Enabled(), FDown, FHot), &r,
                                                          nullptr);
            theme.Get<TThemeEntry::CloseThemeData>()(data);
            return;
        }
    }
    const int size = int(Round(12 * double(FDPIScale)));
    int y = 4;
    switch (FBtnVAlign) {
    case tlTop: y = 4; break;
    case tlCenter: y = client.Height() / 2 - size / 2; break;
    case tlBottom: y = client.Bottom - size - 2; break;
    }
    TBitmap glyph;
    glyph.LoadFromResourceName(GetModuleHandleW(nullptr), GlyphBitmapName(FChecked, FDown, FHot));
    glyph.SetTransparent(true);
    FGlyphRect = Rect(placeX(size), y, placeX(size) + size, y + size);
    ACanvas.StretchDraw(FGlyphRect, &glyph);
}

void TCustomRurOfficeRadioButton::RedrawGlyph()
{
    if (!HandleAllocated() || !Visible())
        return;
    // The glyph's pixels change with hot and down: the whole glyph area is painted again.
    InvalidateGlyph();
}

void TCustomRurOfficeRadioButton::Paint()
{
    TCanvas& canvas = *Canvas();
    canvas.Font()->Assign(Font());
    if (FTransparentCaching) {
        if (!FBkgCache) {
            FBkgBmp->SetSize(Width(), Height());
            DrawParentBackground(*FBkgBmp->Canvas());
            FBkgCache = true;
        }
        canvas.Draw(0, 0, FBkgBmp.get());
    } else if (FDrawBkg || IsWinXPOrLater() || dynamic_cast<TCustomRurOfficeRadioGroup*>(Parent()) ||
               ParentColor())
        DrawParentBackground(canvas);
    if (!FTransparent && Color() != clNone) {
        canvas.Pen()->SetColor(Color());
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(Color());
        canvas.Rectangle(ClientRect());
    }
    FDPIScale = GetControlDPIScale(this, &canvas);
    DrawRadio(canvas);

    const bool right = FAlignment == taRightJustify || UseRightToLeftAlignment();
    const int indent = int(Round(16 * double(FDPIScale))) + 2;
    TRect r = ClientRect();
    if (right)
        r.Right -= indent;
    else
        r.Left += indent;
    if (FUseVCLStyles && StyleElements().Contains(seFont)) {
        TColor color = StyleServices(this)->GetSystemColor(clWindowText);
        if (!Enabled())
            StyleServices(this)->GetElementColor(TCustomStyleServices::GetElementDetails(tbRadioButtonCheckedDisabled),
                                             ecTextColor, color);
        canvas.Pen()->SetColor(color);
        canvas.Font()->SetColor(color);
    }
    const String caption = Caption();
    int measured = 0;
    if (BiDiMode() == bdRightToLeft && caption.find(u"</") == String::npos) {
        canvas.Brush()->SetStyle(bsClear);
        SetBkMode(canvas.Handle(), TRANSPARENT);
        auto drawText = [&](TRect at, UINT flags) {
            RECT rr{at.Left, at.Top, at.Right, at.Bottom};
            DrawTextW(canvas.Handle(), WidePtr(caption), int(caption.size()), &rr, flags | DT_RTLREADING);
            return Rect(rr.left, rr.top, rr.right, rr.bottom);
        };
        if (!Enabled()) {
            if (!FUseVCLStyles) {
                canvas.Font()->SetColor(clWhite);
                drawText(Rect(r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1), DT_RIGHT);
            }
            canvas.Font()->SetColor(FDisabledFontColor);
        }
        measured = drawText(Rect(r.Left, r.Top, MeasureRight, r.Bottom), DT_CALCRECT).Width();
        drawText(r, DT_RIGHT);
    } else {
        int xsize = 0, ysize = 0;
        String anchor;
        TRect measure = r;
        measure.Right = MeasureRight;
        RunHTML(canvas, measure, 0, 0, true, false, FURLColor, BiDiMode(), xsize, ysize, anchor);
        measured = xsize;
        if (UseRightToLeftAlignment())
            r.Left = r.Right - xsize - 3;
        if (FBtnVAlign == tlCenter || FBtnVAlign == tlBottom) {
            RunHTML(canvas, r, 0, 0, false, true, FURLColor, BiDiMode(), xsize, ysize, anchor);
            r.Top = FBtnVAlign == tlCenter ? r.Top + (r.Height() - ysize) / 2 : r.Bottom - ysize;
        }
        if (Enabled())
            RunHTML(canvas, r, -1, -1, false, false, FURLColor, BiDiMode(), xsize, ysize, anchor);
        else {
            const TColor fontColor = canvas.Font()->Color();
            if (!FIsWin7) {
                canvas.Font()->SetColor(clWhite);
                const TRect shifted = Rect(r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1);
                RunHTML(canvas, shifted, -1, -1, false, false, clWhite, BiDiMode(), xsize, ysize, anchor);
            }
            canvas.Font()->SetColor(FDisabledFontColor);
            RunHTML(canvas, r, -1, -1, false, false, clGray, BiDiMode(), xsize, ysize, anchor);
            canvas.Font()->SetColor(fontColor);
        }
    }
    FCtrlWidth = measured + indent;

    FFocusRect = Rect(ClientRect().Left, r.Top - 1, r.Left + measured + 1, ClientRect().Bottom - 1);
    if (FFocused && FShowFocus) {
        LOGBRUSH brush{BS_SOLID, COLORREF(ColorToRGB(canvas.Font()->Color())), 0};
        HPEN pen = ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &brush, 0, nullptr);
        HGDIOBJ old = SelectObject(canvas.Handle(), pen);
        const TRect& f = FFocusRect;
        const POINT outline[] = {{f.Left, f.Top}, {f.Right, f.Top}, {f.Right, f.Bottom}, {f.Left, f.Bottom},
                                 {f.Left, f.Top}};
        Polyline(canvas.Handle(), outline, 5);
        SelectObject(canvas.Handle(), old);
        DeleteObject(pen);
    }
}
