#pragma once
// Outline shapes, small glyphs and pictures of the toolbar family: GDI+ lines, arcs, rectangles
// and rounded rectangles; image-list images and pictures drawn through GDI+ with a key colour (SVG
// pictures drawn directly); the quick-access-toolbar frame on a glass caption; the caption-button
// glyphs; a two-tone bevel.
//
// Procedures that take a graphics object and a canvas draw on the graphics object when one is
// given, else on a graphics object made on the canvas's handle with anti-aliased smoothing; with
// neither they do nothing.
#include "WinApiNames.h"

#include <memory>

#include "Graphics.h"
#include "ImgList.h"
#include "RurGDIP.h"
#include "RurToolBar_Types.h"

// The graphics object such a procedure draws on (null with neither).
class TGraphicsOrCanvas {
public:
    TGraphicsOrCanvas(RurGDIP::TGPGraphics* graphics, TCanvas* canvas);
    RurGDIP::TGPGraphics* Get() const { return FGraphics; }

private:
    std::unique_ptr<RurGDIP::TGPGraphics> FOwn;
    RurGDIP::TGPGraphics* FGraphics = nullptr;
};

// Paths stroked with the given pen (nothing is filled).
void DrawLinePath(RurGDIP::TGPGraphics* g, const RurGDIP::TGPPen* pen, int x, int y, int dx, int dy);
void DrawArcPath(RurGDIP::TGPGraphics* g, const RurGDIP::TGPPen* pen, int x, int y, int w, int h, float startAngle,
                 float sweepAngle, bool close);
void DrawRectPath(RurGDIP::TGPGraphics* g, const RurGDIP::TGPPen* pen, int x, int y, int w, int h);
// Four lines joined by quarter arcs of the radius, clockwise from the top edge.
void DrawRoundRectPath(RurGDIP::TGPGraphics* g, const RurGDIP::TGPPen* pen, int x, int y, int w, int h, int radius);

// Shapes with a one-pixel opaque pen of their own.
void DrawGDIPLine(HDC dc, TColor color, float x, float y, float dx, float dy);
void DrawRectangleGDIP(RurGDIP::TGPGraphics* g, TCanvas* canvas, TColor color, const TRect& r);
// A downward triangle 5 pixels wide and 3 high with its top-left corner at p.
void DrawArrowGDIP(RurGDIP::TGPGraphics* g, TCanvas* canvas, TColor color, TPoint p);

// The image keyed by its bottom-left pixel (the bitmap round trip drops a 32-bit image's alpha).
// Raises "Could not allocate memory for image" when global memory runs out.
void DrawGDIPImageListImage(RurGDIP::TGPGraphics* g, TCanvas* canvas, TPoint p, TCustomImageList* images,
                            int imageIndex, bool enabled);
// An SVG picture draws itself at its own size; another picture goes through GDI+, keyed by its
// top-left pixel when transparent and not a PNG.
void DrawGDIPGraphic(RurGDIP::TGPGraphics* g, TCanvas* canvas, TPoint p, TGraphic* graphic, bool transparent);

// The outline of the quick-access toolbar on a glass caption (two bars in the scenic ribbon).
void DrawQATFrame(HDC dc, const TRect& r);
// Two lines in white and the button shadow colour, their order by raised.
void DrawBevelLines(TCanvas* canvas, TPoint p1, TPoint p2, bool raised, bool horizontal);
// r becomes a w x h rectangle centred on the old one.
void CenterRect(TRect& r, int w, int h);

// Caption-button glyphs centred in r: gsOffice2019 thin, the other styles with penWidth (close) or
// thick (restore, maximize, minimize; thick false draws the thin form).
void DrawCloseGlyph(TCanvas* canvas, const TRect& r, TColor color, int penWidth, TGroupStyle style);
void DrawRestoreGlyph(TCanvas* canvas, const TRect& r, TColor color, bool thick, TGroupStyle style);
void DrawMaximizeGlyph(TCanvas* canvas, const TRect& r, TColor color, bool thick, TGroupStyle style);
void DrawMinimizeGlyph(TCanvas* canvas, const TRect& r, TColor color, bool thick, TGroupStyle style);
