// GDI+ helpers and glyph painters of the kit.
#include "scGPUtils.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>

#include "Math.h"
#include "scDrawUtils.h"

using namespace fwgdip;

ARGB ColorToGPColor(TColor color, Byte alpha)
{
    if (color == clNone)
        return 0;
    const TColor c = ColorToRGB(color);
    return MakeColor(alpha, Byte(c), Byte(c >> 8), Byte(c >> 16));
}

TGPRectF RectToGPRect(const TRect& r)
{
    return TGPRectF(float(r.Left), float(r.Top), float(r.Width()), float(r.Height()));
}

void InflateGPRect(TGPRectF& r, float dx, float dy)
{
    r.X -= dx;
    r.Y -= dy;
    r.Width += 2 * dx;
    r.Height += 2 * dy;
}

namespace {

void AddCorners(TGPGraphicsPath& path, const TGPRectF& r, float upper, float lower)
{
    path.AddArc(r.X, r.Y, upper, upper, 180, 90);
    path.AddArc(r.X + r.Width - upper, r.Y, upper, upper, 270, 90);
    path.AddArc(r.X + r.Width - lower, r.Y + r.Height - lower, lower, lower, 0, 90);
    path.AddArc(r.X, r.Y + r.Height - lower, lower, lower, 90, 90);
    path.CloseFigure();
}

} // namespace

void GPAddRoundRectPath(TGPGraphicsPath& path, const TGPRectF& r, float radius)
{
    path.StartFigure();
    const float d = 2 * radius;
    AddCorners(path, r, d, d < r.Height ? d + 1 : d);
}

void GPAddFillRoundRectPath(TGPGraphicsPath& path, const TGPRectF& r, int radius)
{
    float d = radius > 0 ? float(2 * radius) : (r.Width <= r.Height ? r.Width : r.Height);
    path.StartFigure();
    if (radius <= 0)
        d -= 0.5f;
    AddCorners(path, r, d, (r.Height > d || radius <= 0) ? d + 1 : d);
}

void GPDrawRoundRect(TGPGraphics& g, const TGPRectF& r, const TGPPen& pen, float radius)
{
    TGPGraphicsPath path;
    GPAddRoundRectPath(path, r, radius);
    g.DrawPath(pen, path);
}

void GPFillRoundRect(TGPGraphics& g, const TGPRectF& r, const TGPBrush& brush, int radius)
{
    TGPGraphicsPath path;
    GPAddFillRoundRectPath(path, r, radius);
    g.FillPath(brush, path);
}

void GPFillRoundedLine(TGPGraphics& g, ARGB color, float lineWidth, float x1, float y1, float x2, float y2)
{
    const TGPRectF r(x1, y1, x1 < x2 ? x2 - x1 : lineWidth, y1 < y2 ? y2 - y1 : lineWidth);
    TGPSolidBrush brush(color);
    GPFillRoundRect(g, r, brush, 0);
}

void GPDrawFocusRect(TGPGraphics& g, const TGPRectF& r, ARGB color, double scale)
{
    TGPRectF inner = r;
    InflateGPRect(inner, -1, -1);
    TGPPen pen(color, scale < 2 ? 1.0f : 2.0f);
    pen.SetDashStyle(DashStyleDot);
    g.DrawRectangle(pen, inner);
}

void GPFillRadialLight(TGPGraphics& g, const TGPRectF& r, Byte alpha)
{
    const TGPPointF center(r.X + r.Width / 2, r.Y + r.Height / 2);
    TGPGraphicsPath path;
    path.AddEllipse(center.X - r.Width / 2, center.Y - r.Width / 2, r.Width, r.Width);
    TGPPathGradientBrush brush(path);
    brush.SetCenterColor((ARGB(alpha) << 24) | 0xFFFFFF);
    brush.SetCenterPoint(center);
    const ARGB surround[] = {0x00FFFFFF};
    INT count = 1;
    brush.SetSurroundColors(surround, count);
    g.FillPath(brush, path);
}

void GPDrawFluentHoverLight(TGPGraphics& g, TGPRectF r, int mouseX)
{
    r.X = float(mouseX) - r.Width / 2;
    GPFillRadialLight(g, r, 50);
}

void GPDrawFluentPressedLight(TGPGraphics& g, const TGPRectF& r, int mouseX, int mouseY, Byte amount)
{
    if (amount > 10)
        return;
    const double p = (10 - amount) / 10.0;
    const float w = float(r.Width / 2 * (1 - p) + r.Width / 2);
    const TGPRectF light(float(mouseX) - w / 2, float(mouseY) - r.Height / 2, w, r.Height);
    GPFillRadialLight(g, light, Byte(Round(p * 70)));
}

float GlyphPenWidth(Byte thickness, double scale)
{
    return float(Trunc(Max<int>(thickness, 1) * scale));
}

TGPPointF GPRotatePoint(const TGPPointF& p, const TGPPointF& center, float angle)
{
    const double a = angle * std::numbers::pi / 180, dx = p.X - center.X, dy = p.Y - center.Y;
    return TGPPointF(float(center.X + std::cos(a) * dx - std::sin(a) * dy),
                     float(center.Y + std::sin(a) * dx + std::cos(a) * dy));
}

void GPDrawRoundRectFrame(TGPGraphics& g, const TGPRectF& r, ARGB color, double scale, float radius, Byte thickness)
{
    TGPPen pen(color, GlyphPenWidth(thickness, scale));
    GPDrawRoundRect(g, r, pen, radius);
}

void GPDrawRectFrame(TGPGraphics& g, const TGPRectF& r, ARGB color, double scale, Byte thickness)
{
    TGPPen pen(color, GlyphPenWidth(thickness, scale));
    g.DrawRectangle(pen, r);
}

void GPAddRightTriangle(TGPGraphicsPath& path, const TGPRectF& r)
{
    const TGPPointF points[] = {{r.X, r.Y}, {r.X, r.Y + r.Height}, {r.X + r.Width, r.Y + r.Height / 2}};
    path.StartFigure();
    path.AddLines(points);
    path.CloseFigure();
}

void GPAddLeftTriangle(TGPGraphicsPath& path, const TGPRectF& r)
{
    const TGPPointF points[] = {{r.X, r.Y + r.Height / 2}, {r.X + r.Width, r.Y}, {r.X + r.Width, r.Y + r.Height}};
    path.StartFigure();
    path.AddLines(points);
    path.CloseFigure();
}

void GPAddCheckMarkPath(TGPGraphicsPath& path, const TGPRectF& r)
{
    const float t = float(Round(r.Y - r.Height / 10));
    const TGPPointF points[] = {{r.X - r.Width / 8, t + r.Height - r.Height / 3},
                                {r.X + r.Width / 3, t + r.Height},
                                {r.X + r.Width, t + r.Height / 4}};
    path.AddLines(points);
}

namespace {

constexpr TscGPButtonGlyphKind InsetKinds[] = {
    scgpbgkLeftArrow, scgpbgkRightArrow, scgpbgkUpArrow, scgpbgkDownArrow, scgpbgkSearch, scgpbgkOk,
    scgpbgkCancel, scgpbgkClear, scgpbgkFirst, scgpbgkLast, scgpbgkPlay, scgpbgkPause, scgpbgkStop,
    scgpbgkExit, scgpbgkHome, scgpbgkShutDown, scgpbgkCheckOptions, scgpbgkDownload, scgpbgkUpload,
    scgpbgkClose, scgpbgkFileSave, scgpbgkFileSaveAs, scgpbgkFolder, scgpbgkPhoto, scgpbgkVideo, scgpbgkLock,
    scgpbgkUnLock, scgpbgkUser, scgpbgkZoomPlus, scgpbgkZoomMinus, scgpbgkFlag, scgpbgkObjects, scgpbgkClock,
    scgpbgkCalendar, scgpbgkChart, scgpbgkFont, scgpbgkFontColorMarker, scgpbgkFontIncSize,
    scgpbgkFontDecSize, scgpbgkFill, scgpbgkFillColorMarker, scgpbgkMessage, scgpbgkMessageRead, scgpbgkSend,
    scgpbgkTextAlignLeft, scgpbgkTextAlignRight, scgpbgkTextAlignCenter, scgpbgkTextAlignJustified,
    scgpbgkCut, scgpbgkHelp, scgpbgkShare, scgpbgkCall, scgpbgkCallEnd, scgpbgkMap, scgpbgkMapMarker,
    scgpbgkGlobe, scgpbgkNaviTopLeft, scgpbgkNaviTopRight, scgpbgkNaviBottomLeft, scgpbgkNaviBottomRight,
    scgpbgkSizeFull, scgpbgkSizeCompact,
};

} // namespace

bool IsInsetGlyphKind(TscGPButtonGlyphKind kind)
{
    return std::find(std::begin(InsetKinds), std::end(InsetKinds), kind) != std::end(InsetKinds);
}

namespace {

using TGlyphPainter = void (*)(TGPGraphics&, TGPRectF, ARGB, double, Byte);

// The painter of each kind in the order of the enumeration; null for the kinds that choose their
// painter (maximize, restore) or take the marker colour.
constexpr TGlyphPainter Painters[] = {
    GPDrawPriorArrowGlyph, GPDrawNextArrowGlyph, GPDrawLeftArrowGlyph, GPDrawRightArrowGlyph, GPDrawUpArrowGlyph,
    GPDrawDownArrowGlyph, GPDrawMoreGlyph, GPDrawDetailsGlyph, GPDrawDetailPointsGlyph, GPDrawSearchGlyph,
    GPDrawPlusGlyph, GPDrawMinusGlyph, GPDrawOptionsGlyph, GPDrawOkGlyph, GPDrawCloseGlyph, GPDrawCloseGlyph,
    GPDrawRefreshGlyph, GPDrawEditGlyph, GPDrawFirstGlyph, GPDrawLastGlyph, GPDrawPlayGlyph, GPDrawPauseGlyph,
    GPDrawStopGlyph, GPDrawRewindGlyph, GPDrawForwardGlyph, GPDrawSkipToStartGlyph, GPDrawSkipToEndGlyph,
    GPDrawExitGlyph, GPDrawHomeGlyph, GPDrawShutDownGlyph, GPDrawCheckOptionsGlyph, GPDrawInfoGlyph,
    GPDrawDownloadGlyph, GPDrawUploadGlyph, GPDrawMinimizeGlyph, nullptr, nullptr, GPDrawCloseGlyph,
    GPDrawFileNewGlyph, GPDrawFileOpenGlyph, GPDrawFileSaveGlyph, GPDrawFileSaveAsGlyph, GPDrawFolderGlyph,
    GPDrawPrintGlyph, GPDrawMicGlyph, GPDrawMicMuteGlyph, GPDrawRecGlyph, GPDrawRecOnGlyph, GPDrawPhotoGlyph,
    GPDrawVideoGlyph, GPDrawLockGlyph, GPDrawUnLockGlyph, GPDrawUserGlyph, GPDrawTrashGlyph, GPDrawInBoxGlyph,
    GPDrawOutBoxGlyph, GPDrawPinGlyph, GPDrawVolumeGlyph, GPDrawMuteGlyph, GPDrawVolumePlusGlyph,
    GPDrawVolumeMinusGlyph, GPDrawZoomPlusGlyph, GPDrawZoomMinusGlyph, GPDrawViewGlyph, GPDrawFlagGlyph,
    GPDrawFilterGlyph, GPDrawObjectsGlyph, GPDrawReplyGlyph, GPDrawUndoGlyph, GPDrawRedoGlyph, GPDrawClockGlyph,
    GPDrawCalendarGlyph, GPDrawChartGlyph, GPDrawFontGlyph, nullptr, GPDrawFontIncSizeGlyph,
    GPDrawFontDecSizeGlyph, GPDrawFillGlyph, nullptr, GPDrawMessageGlyph, GPDrawMessageReadGlyph, GPDrawSendGlyph,
    GPDrawTextAlignLeftGlyph, GPDrawTextAlignRightGlyph, GPDrawTextAlignCenterGlyph, GPDrawTextAlignJustifiedGlyph,
    GPDrawCopyGlyph, GPDrawPasteGlyph, GPDrawCutGlyph, GPDrawHelpGlyph, GPDrawReplaceGlyph, GPDrawShareGlyph,
    GPDrawCallGlyph, GPDrawCallEndGlyph, GPDrawMapGlyph, GPDrawMapMarkerGlyph, GPDrawGearGlyph, GPDrawStarGlyph,
    GPDrawGlobeGlyph, GPDrawPriorArrowGlyph, GPDrawNextArrowGlyph, GPDrawNaviTopGlyph, GPDrawNaviBottomGlyph,
    GPDrawNaviTopLeftGlyph, GPDrawNaviTopRightGlyph, GPDrawNaviBottomLeftGlyph, GPDrawNaviBottomRightGlyph,
    GPDrawSizeFullGlyph, GPDrawSizeCompactGlyph, GPDrawShopBasketGlyph, GPDrawShopBasketInGlyph,
    GPDrawShopBasketOutGlyph, nullptr, GPDrawMaximizeRoundedGlyph, GPDrawRestoreRoundedGlyph,
    GPDrawMaximizeRectGlyph, GPDrawRestoreRectGlyph,
};
static_assert(std::size(Painters) == scgpbgkRestoreRect + 1, "one painter per glyph kind");

} // namespace

void GPDrawGlyph(TscGPButtonGlyphKind kind, TGPGraphics& g, const TGPRectF& r, ARGB color, TColor markerColor,
                 double scale, Byte thickness)
{
    switch (kind) {
    case scgpbgkMaximize:
        (IsWindows11() ? GPDrawMaximizeRoundedGlyph : GPDrawMaximizeRectGlyph)(g, r, color, scale, thickness);
        return;
    case scgpbgkRestore:
        (IsWindows11() ? GPDrawRestoreRoundedGlyph : GPDrawRestoreRectGlyph)(g, r, color, scale, thickness);
        return;
    case scgpbgkFontColorMarker: GPDrawFontColorMarkerGlyph(g, r, color, markerColor, scale, thickness); return;
    case scgpbgkFillColorMarker: GPDrawFillColorMarkerGlyph(g, r, color, markerColor, scale, thickness); return;
    case scgpbgkColorMarker: GPDrawColorMarkerGlyph(g, r, color, markerColor, scale, thickness); return;
    default:
        if (kind >= 0 && size_t(kind) < std::size(Painters) && Painters[kind])
            Painters[kind](g, r, color, scale, thickness);
        return;
    }
}
