#pragma once
// The image-and-text painter that the plain and the glow variants share: they differ only in how
// the text and the image are finally drawn.
#include <functional>

#include "scDrawUtils.h"

struct TImageTextArgs {
    TCanvas* Canvas;
    TRect Rect;
    int Margin;
    bool WordWrap;
    double Scale;
    bool NoPrefix;
    bool RightToLeft;
    bool ShowFocus;
    TColor MarkerColor;
    bool ShowMarker;
    bool Enabled;
    TCustomImageList* Images;
    int ImageIndex;
    const String& Text;
    int Layout;
    int Spacing;
    // Left-aligned text, and an end ellipsis for layouts 0 and 1.
    bool LeftAligned = false;
    bool EndEllipsis = false;
    bool ExpandTabs = true;
};

// Draws the text into its rectangle with the DrawText flags (already through BiDiDrawTextFlags).
using TTextPainter = std::function<void(const TRect& textRect, UINT flags)>;
// Draws the image at its position.
using TImagePainter = std::function<void(int x, int y)>;

void PaintImageAndText(const TImageTextArgs& args, const TTextPainter& drawText, const TImagePainter& drawImage);

// Measures text with DrawTextW and DT_CALCRECT in a rectangle of the given size.
TSize MeasureText(TCanvas* canvas, const String& text, int width, int height, UINT flags);
