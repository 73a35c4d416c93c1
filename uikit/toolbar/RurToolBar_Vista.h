#pragma once
// The two-half "Vista" look of the UI kit: an upper half and a mirror (lower) half, each a solid
// base colour with a linear or radial GDI+ gradient over it, framed by a one-pixel border that may
// have rounded corners. Toolbar captions and the ribbon's tabs, groups and pager caption paint
// their backgrounds with DrawVistaGradient; the ribbon's scroll buttons and segmented buttons with
// DrawVistaButton, whose border follows the button's place in its group; toolbar buttons on glass
// with the single-half DrawGDIPGradientRect.
#include "WinApiNames.h"

#include "Graphics.h"
#include "RurGDIP.h"
#include "RurToolBar_Types.h"

// Flat (a solid fill and a square or rounded border) when colorTo and colorMirror are both clNone;
// otherwise the mirror half, the upper half and the border. The canvas brush is left clear, so
// text drawn next has no background.
void DrawVistaGradient(TCanvas* canvas, const TRect& r, TColor color, TColor colorTo, TColor colorMirror,
                       TColor colorMirrorTo, TColor borderColor, TGDIPGradient gradient, TGDIPGradient gradientMirror,
                       bool roundEdges);
// A segmented button: both halves (the lower one from colorMirrorTo at its top to colorMirror at
// its bottom) and a border by its place in the group; a transparent button paints nothing.
void DrawVistaButton(TCanvas* canvas, const TRect& r, TColor color, TColor colorTo, TColor colorMirror,
                     TColor colorMirrorTo, TColor borderColor, TGDIPGradient gradient, TGDIPGradient gradientMirror,
                     TButtonPosition buttonPosition, bool hot, bool transparent, bool rounded);
// One half: a solid base (first for an upper half, second for a lower one) and, when both colours
// are set, a gradient from first to second. r.Right and r.Bottom serve as the boxes' width and
// height, which is exact for rectangles at the origin, the way the callers use it.
void DrawVistaHalf(TCanvas* canvas, RurGDIP::TGPGraphics* g, const TRect& r, TColor first, TColor second,
                   TGDIPGradient kind, bool upper);
// A solid first colour and, when both are set, a vertical gradient to second below it.
void DrawGDIPGradientRect(RurGDIP::TGPGraphics* g, TCanvas* canvas, TColor first, TColor second, const TRect& r);

// Borders of one-pixel opaque pens. A segment's inner edges are its colour darkened by 5 %; a
// middle or right segment that is not hot shows a light separator on its left.
void DrawRoundRectColor(RurGDIP::TGPGraphics* g, TColor color, int x, int y, int w, int h, int radius);
void DrawDottedRoundRect(RurGDIP::TGPGraphics* g, TColor color, int x, int y, int w, int h, int radius);
void DrawVistaBorderRoundLeft(RurGDIP::TGPGraphics* g, TColor color, int x, int y, int w, int h, int radius);
void DrawVistaBorderMiddle(RurGDIP::TGPGraphics* g, TColor color, int x, int y, int w, int h, bool hot);
void DrawVistaBorderRoundRight(RurGDIP::TGPGraphics* g, TColor color, int x, int y, int w, int h, int radius, bool hot);
