#pragma once
// GDI+ helpers of the kit's GDI+-painted controls: colour and rectangle conversions, rounded paths,
// the focus rectangle, the fluent light effect, and the glyph painters of the glyph button.
#include "FwGdiPlus.h"
#include "Graphics.h"

TAVIN_ENUM(TscGPShapeFillStyle, scgpsfColor, scgpsfGradient)

// The glyphs of the glyph button, in the order of their painter table.
TAVIN_ENUM(TscGPButtonGlyphKind,
           scgpbgkPriorArrow, scgpbgkNextArrow, scgpbgkLeftArrow, scgpbgkRightArrow, scgpbgkUpArrow,
           scgpbgkDownArrow, scgpbgkMore, scgpbgkDetails, scgpbgkDetailPoints, scgpbgkSearch, scgpbgkPlus,
           scgpbgkMinus, scgpbgkOptions, scgpbgkOk, scgpbgkCancel, scgpbgkClear, scgpbgkRefresh, scgpbgkEdit,
           scgpbgkFirst, scgpbgkLast, scgpbgkPlay, scgpbgkPause, scgpbgkStop, scgpbgkRewind, scgpbgkForward,
           scgpbgkSkipToStart, scgpbgkSkipToEnd, scgpbgkExit, scgpbgkHome, scgpbgkShutDown,
           scgpbgkCheckOptions, scgpbgkInfo, scgpbgkDownload, scgpbgkUpload, scgpbgkMinimize, scgpbgkMaximize,
           scgpbgkRestore, scgpbgkClose, scgpbgkFileNew, scgpbgkFileOpen, scgpbgkFileSave, scgpbgkFileSaveAs,
           scgpbgkFolder, scgpbgkPrint, scgpbgkMic, scgpbgkMicMute, scgpbgkRec, scgpbgkRecOn, scgpbgkPhoto,
           scgpbgkVideo, scgpbgkLock, scgpbgkUnLock, scgpbgkUser, scgpbgkTrash, scgpbgkInBox, scgpbgkOutBox,
           scgpbgkPin, scgpbgkVolume, scgpbgkMute, scgpbgkVolumePlus, scgpbgkVolumeMinus, scgpbgkZoomPlus,
           scgpbgkZoomMinus, scgpbgkView, scgpbgkFlag, scgpbgkFilter, scgpbgkObjects, scgpbgkReply,
           scgpbgkUndo, scgpbgkRedo, scgpbgkClock, scgpbgkCalendar, scgpbgkChart, scgpbgkFont,
           scgpbgkFontColorMarker, scgpbgkFontIncSize, scgpbgkFontDecSize, scgpbgkFill,
           scgpbgkFillColorMarker, scgpbgkMessage, scgpbgkMessageRead, scgpbgkSend, scgpbgkTextAlignLeft,
           scgpbgkTextAlignRight, scgpbgkTextAlignCenter, scgpbgkTextAlignJustified, scgpbgkCopy,
           scgpbgkPaste, scgpbgkCut, scgpbgkHelp, scgpbgkReplace, scgpbgkShare, scgpbgkCall, scgpbgkCallEnd,
           scgpbgkMap, scgpbgkMapMarker, scgpbgkGear, scgpbgkStar, scgpbgkGlobe, scgpbgkNaviLeft,
           scgpbgkNaviRight, scgpbgkNaviTop, scgpbgkNaviBottom, scgpbgkNaviTopLeft, scgpbgkNaviTopRight,
           scgpbgkNaviBottomLeft, scgpbgkNaviBottomRight, scgpbgkSizeFull, scgpbgkSizeCompact,
           scgpbgkShopBasket, scgpbgkShopBasketIn, scgpbgkShopBasketOut, scgpbgkColorMarker,
           scgpbgkMaximizeRounded, scgpbgkRestoreRounded, scgpbgkMaximizeRect, scgpbgkRestoreRect)

// fwgdip::ARGB of a colour and an alpha; clNone is fully transparent (0).
fwgdip::ARGB ColorToGPColor(TColor color, Byte alpha);
fwgdip::TGPRectF RectToGPRect(const TRect& r);
// Negative amounts shrink the rectangle.
void InflateGPRect(fwgdip::TGPRectF& r, float dx, float dy);
// The rounded-rectangle figure that strokes use: the lower corners are one pixel wider whenever
// the rectangle is taller than the upper corners.
void GPAddRoundRectPath(fwgdip::TGPGraphicsPath& path, const fwgdip::TGPRectF& r, float radius);
// The figure that fills use; a radius of 0 or less gives a capsule over the shorter side.
void GPAddFillRoundRectPath(fwgdip::TGPGraphicsPath& path, const fwgdip::TGPRectF& r, int radius);
void GPDrawRoundRect(fwgdip::TGPGraphics& g, const fwgdip::TGPRectF& r, const fwgdip::TGPPen& pen, float radius);
void GPFillRoundRect(fwgdip::TGPGraphics& g, const fwgdip::TGPRectF& r, const fwgdip::TGPBrush& brush, int radius);
// An axis-parallel segment filled as a capsule.
void GPFillRoundedLine(fwgdip::TGPGraphics& g, fwgdip::ARGB color, float lineWidth, float x1, float y1, float x2, float y2);
// Dotted rectangle one pixel inside r; 2 pixels thick from scale 2.
void GPDrawFocusRect(fwgdip::TGPGraphics& g, const fwgdip::TGPRectF& r, fwgdip::ARGB color, double scale);
void GPFillRadialLight(fwgdip::TGPGraphics& g, const fwgdip::TGPRectF& r, Byte alpha);
void GPDrawFluentHoverLight(fwgdip::TGPGraphics& g, fwgdip::TGPRectF r, int mouseX);
void GPDrawFluentPressedLight(fwgdip::TGPGraphics& g, const fwgdip::TGPRectF& r, int mouseX, int mouseY, Byte amount);
// P rotated about center by angle degrees, clockwise on screen.
fwgdip::TGPPointF GPRotatePoint(const fwgdip::TGPPointF& p, const fwgdip::TGPPointF& center, float angle);
// Frames stroked with a pen of the glyph width rule.
void GPDrawRoundRectFrame(fwgdip::TGPGraphics& g, const fwgdip::TGPRectF& r, fwgdip::ARGB color, double scale, float radius,
                          Byte thickness);
void GPDrawRectFrame(fwgdip::TGPGraphics& g, const fwgdip::TGPRectF& r, fwgdip::ARGB color, double scale, Byte thickness);
// Closed triangles pointing right and left, and the two strokes of a check mark.
void GPAddRightTriangle(fwgdip::TGPGraphicsPath& path, const fwgdip::TGPRectF& r);
void GPAddLeftTriangle(fwgdip::TGPGraphicsPath& path, const fwgdip::TGPRectF& r);
void GPAddCheckMarkPath(fwgdip::TGPGraphicsPath& path, const fwgdip::TGPRectF& r);

// The pen width of the glyphs: Trunc(max(thickness, 1) x scale).
float GlyphPenWidth(Byte thickness, double scale);

// The glyph painters. Each draws into r as passed, in one colour, with the caller's smoothing and
// pixel offset; only the window glyphs change those modes and they put them back.
#define SC_GLYPH_PAINTERS(X)                                                                                   \
    X(Close) X(Minimize) X(MaximizeRect) X(MaximizeRounded) X(RestoreRect) X(RestoreRounded) X(PriorArrow)      \
    X(NextArrow) X(LeftArrow) X(RightArrow) X(UpArrow) X(DownArrow) X(DropDownArrow) X(NaviTop) X(NaviBottom)   \
    X(NaviTopLeft) X(NaviTopRight) X(NaviBottomLeft) X(NaviBottomRight) X(Download) X(Upload) X(Exit)           \
    X(SizeFull) X(SizeCompact) X(Play) X(Pause) X(Stop) X(Rec) X(RecOn) X(Rewind) X(Forward) X(SkipToStart)     \
    X(SkipToEnd) X(First) X(Last) X(Plus) X(Minus) X(Ok) X(CheckOptions) X(More) X(DetailPoints) X(Details)     \
    X(FileNew) X(FileOpen) X(OpenArrow) X(FileSave) X(FileSaveAs) X(Folder) X(Print) X(InBox) X(InBoxArrow)     \
    X(OutBox) X(OutBoxArrow) X(Edit) X(Copy) X(Paste) X(Cut) X(Font) X(FontIncSize) X(FontDecSize) X(Fill)      \
    X(TextAlignLeft) X(TextAlignRight) X(TextAlignCenter) X(TextAlignJustified) X(Search) X(ZoomPlus)           \
    X(ZoomMinus) X(Replace) X(Refresh) X(Undo) X(Redo) X(Reply) X(Help) X(Message) X(MessageRead) X(Send)       \
    X(Call) X(CallEnd) X(Mic) X(MicMute) X(Volume) X(Mute) X(VolumePlus) X(VolumeMinus) X(Photo) X(Video)       \
    X(User) X(Share) X(Home) X(ShutDown) X(Info) X(Options) X(Lock) X(UnLock) X(Trash) X(Pin) X(Flag) X(Filter) \
    X(View) X(Objects) X(Clock) X(Calendar) X(Chart) X(Map) X(MapMarker) X(Gear) X(Star) X(Globe)              \
    X(ShopBasket) X(ShopBasketIn) X(ShopBasketOut)

#define SC_DECLARE_GLYPH_PAINTER(Name) \
    void GPDraw##Name##Glyph(fwgdip::TGPGraphics& g, fwgdip::TGPRectF r, fwgdip::ARGB color, double scale, Byte thickness);
SC_GLYPH_PAINTERS(SC_DECLARE_GLYPH_PAINTER)
#undef SC_DECLARE_GLYPH_PAINTER

// The colour markers also fill with markerColor at full opacity.
void GPDrawFontColorMarkerGlyph(fwgdip::TGPGraphics& g, fwgdip::TGPRectF r, fwgdip::ARGB color, TColor markerColor, double scale,
                                Byte thickness);
void GPDrawFillColorMarkerGlyph(fwgdip::TGPGraphics& g, fwgdip::TGPRectF r, fwgdip::ARGB color, TColor markerColor, double scale,
                                Byte thickness);
void GPDrawColorMarkerGlyph(fwgdip::TGPGraphics& g, fwgdip::TGPRectF r, fwgdip::ARGB color, TColor markerColor, double scale,
                            Byte thickness);

// Whether the glyph button shrinks the glyph rectangle by its glyph margin for this kind.
bool IsInsetGlyphKind(TscGPButtonGlyphKind kind);
// Draws the kind's glyph; maximize and restore take the rounded painters on Windows 11.
void GPDrawGlyph(TscGPButtonGlyphKind kind, fwgdip::TGPGraphics& g, const fwgdip::TGPRectF& r, fwgdip::ARGB color, TColor markerColor,
                 double scale, Byte thickness);
