// The glow button's GDI text: measuring with DT_CALCRECT and drawing the caption with its notes
// below, placed per layout.
#include "RurGlowButton_GdiText.h"

#include "Forms.h"
#include "WideText.h"

using namespace RurGlowButton;

bool GdiPlusDrawsText(HDC dc, TFont* font, RurGDIP::TAntiAlias antiAlias)
{
    if (antiAlias == RurGDIP::aaNone)
        return false;
    const int saved = SaveDC(dc);
    SelectObject(dc, font->Handle());
    TEXTMETRICW metrics{};
    const bool trueType = GetTextMetricsW(dc, &metrics) && (metrics.tmPitchAndFamily & TMPF_TRUETYPE) != 0;
    RestoreDC(dc, saved);
    return trueType && Screen && Screen->Fonts()->IndexOf(font->Name()) >= 0;
}

TGdiCaption::TGdiCaption(HDC dc, UINT flags) : FDC(dc), FFlags(flags), FSaved(SaveDC(dc))
{
    SetBkMode(dc, TRANSPARENT);
}

TGdiCaption::~TGdiCaption() { RestoreDC(FDC, FSaved); }

TSize TGdiCaption::Measure(const String& text, TFont* font, const TRect& box) const
{
    if (text.empty() || !font)
        return {0, 0};
    SelectObject(FDC, font->Handle());
    RECT r{box.Left, box.Top, box.Right, box.Bottom};
    DrawTextW(FDC, WidePtr(text), -1, &r, FFlags | DT_CALCRECT);
    return {r.right - r.left, r.bottom - r.top};
}

void TGdiCaption::Draw(const String& caption, TFont* font, TColor color, const String& notes, TFont* notesFont,
                       const TRect& r, TButtonLayout layout) const
{
    const bool hasNotes = !notes.empty() && notesFont;
    UINT align = DT_CENTER;
    bool centredVertically = true;
    TRect area = r;
    switch (layout) {
    case blGlyphTop:
    case blGlyphTopAdjusted: centredVertically = false; break;
    case blGlyphLeft: centredVertically = !hasNotes; break;
    case blGlyphLeftAdjusted:
        align = DT_LEFT;
        area.Left += 2;
        break;
    case blGlyphRightAdjusted: align = DT_RIGHT; break;
    case blGlyphBottomAdjusted: centredVertically = false; break;
    default: break;
    }
    const int th = Measure(caption, font, area).cy;
    const int nh = hasNotes ? Measure(notes, notesFont, area).cy : 0;
    // Where the caption starts: the block of caption and notes centred, below the glyph, or at the
    // bottom, as the layout wants.
    int top = area.Top;
    if (FFlags & DT_WORDBREAK) {
        if (layout == blGlyphBottomAdjusted)
            top = area.Bottom - th - nh;
        else if (layout != blGlyphTop && layout != blGlyphTopAdjusted)
            top = area.Top + (area.Height() - th - nh) / 2;
    } else if (layout == blGlyphBottomAdjusted) {
        top = area.Bottom - th;
    } else if (layout == blGlyphLeftAdjusted && hasNotes) {
        top = area.Top + (area.Height() - th - nh) / 2;
    } else if (centredVertically) {
        top = area.Top + (area.Height() - th) / 2;
    }
    SelectObject(FDC, font->Handle());
    SetTextColor(FDC, static_cast<COLORREF>(ColorToRGB(color)));
    RECT line{area.Left, top, area.Right, area.Bottom};
    DrawTextW(FDC, WidePtr(caption), -1, &line, FFlags | align);
    if (!hasNotes)
        return;
    SelectObject(FDC, notesFont->Handle());
    SetTextColor(FDC, static_cast<COLORREF>(ColorToRGB(notesFont->Color())));
    RECT below{area.Left, top + th, area.Right, area.Bottom};
    DrawTextW(FDC, WidePtr(notes), -1, &below, FFlags | align);
}
