#pragma once
// Menu item text through GDI+, anti-aliased (or ClearType) as the styler asks, the accelerator
// marks shown; for the styler's AntiAlias other than none.
#include <memory>

#include "Graphics.h"

// GDI+ runs in this process.
bool SmoothTextAvailable();

class TSmoothText {
public:
    enum TAlign { Near, Centre, Far };
    TSmoothText(TCanvas* canvas, bool clearType);
    ~TSmoothText();
    TSmoothText(const TSmoothText&) = delete;
    TSmoothText& operator=(const TSmoothText&) = delete;
    // The text in the font's face and point size in r, on one line; centreLines centres it
    // vertically.
    void Draw(const String& text, TFont* font, bool bold, TColor color, const TRect& r, TAlign align,
              bool centreLines);
    // The rounded height GDI+ gives "gh" in the font.
    int LineHeight(TFont* font);

private:
    struct TState;
    std::unique_ptr<TState> FState;
};
