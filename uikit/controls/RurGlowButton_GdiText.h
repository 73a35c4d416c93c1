#pragma once
// The glow button's caption and notes through GDI: for fonts GDI+ does not draw (not TrueType, or
// not installed under their own name) and for text drawn without smoothing.
#include "RurGlowButton.h"

// Whether GDI+ draws the font: smoothing wanted, a TrueType font, installed under its name.
bool GdiPlusDrawsText(HDC dc, TFont* font, RurGDIP::TAntiAlias antiAlias);

// Measures and draws on a DC whose state it restores when it goes.
class TGdiCaption {
public:
    // flags: DT_WORDBREAK or DT_SINGLELINE, DT_HIDEPREFIX, DT_RTLREADING as wanted.
    TGdiCaption(HDC dc, UINT flags);
    ~TGdiCaption();
    TGdiCaption(const TGdiCaption&) = delete;
    TGdiCaption& operator=(const TGdiCaption&) = delete;

    // The size the text takes, broken to the box's width when breaking words.
    TSize Measure(const String& text, TFont* font, const TRect& box) const;
    // The caption in r, aligned for the layout, and the notes (may be empty) below it.
    void Draw(const String& caption, TFont* font, TColor color, const String& notes, TFont* notesFont,
              const TRect& r, RurGlowButton::TButtonLayout layout) const;

private:
    HDC FDC;
    UINT FFlags;
    int FSaved;
};
