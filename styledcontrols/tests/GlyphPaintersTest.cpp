#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "KitTestSupport.h"
#include "PngImage.h"
#include "WideText.h"
#include "scGPUtils.h"

using namespace fwgdip;

namespace {

bool Near(const TGPPointF& a, const TGPPointF& b) { return std::fabs(a.X - b.X) < 0.01f && std::fabs(a.Y - b.Y) < 0.01f; }

std::vector<TGPPointF> PointsOf(const TGPGraphicsPath& path)
{
    std::vector<TGPPointF> points(size_t(path.GetPointCount()));
    path.GetPathPoints(points);
    return points;
}

bool HasPoint(const std::vector<TGPPointF>& points, TGPPointF p)
{
    for (const TGPPointF& q : points)
        if (Near(p, q))
            return true;
    return false;
}

// Paints with a graphics object set up as the glyph button sets it, then lets it go so the pixels
// can be read.
void Paint(TBitmap* bitmap, const std::function<void(TGPGraphics&)>& paint)
{
    TGPGraphics g(bitmap->Canvas()->Handle());
    g.SetSmoothingMode(SmoothingModeHighQuality);
    g.SetPixelOffsetMode(PixelOffsetModeHalf);
    paint(g);
}

// How far a pixel of a drawing on white is from white, 0 to 255 (black, or a pure colour).
int Ink(TBitmap* bitmap, int x, int y)
{
    const TColor c = PixelAt(bitmap, x, y);
    return 255 - std::min({GetRValue(c), GetGValue(c), GetBValue(c)});
}

int InkCount(TBitmap* bitmap)
{
    int count = 0;
    for (int y = 0; y < bitmap->Height(); ++y)
        for (int x = 0; x < bitmap->Width(); ++x)
            count += Ink(bitmap, x, y) > 100;
    return count;
}

const ARGB Black = 0xFF000000;

} // namespace

TEST(GPUtilsTest, ColourAndRectangleConversions)
{
    EXPECT_EQ(ColorToGPColor(clNone, 255), 0u);
    EXPECT_EQ(ColorToGPColor(TColor(0x0000FF), 128), 0x80FF0000u);
    const TColor window = ColorToRGB(clWindow);
    EXPECT_EQ(ColorToGPColor(clWindow, 255),
              0xFF000000u | (ARGB(GetRValue(window)) << 16) | (ARGB(GetGValue(window)) << 8) | GetBValue(window));
    const TGPRectF r = RectToGPRect(::Rect(3, 4, 13, 24));
    EXPECT_EQ(r.X, 3);
    EXPECT_EQ(r.Width, 10);
    EXPECT_EQ(r.Height, 20);
    const TGPPointF turned = GPRotatePoint(TGPPointF(10, 0), TGPPointF(0, 0), 90);
    EXPECT_TRUE(Near(turned, TGPPointF(0, 10))) << turned.X << "," << turned.Y;
}

TEST(GPUtilsTest, RoundedFiguresHaveTheirArcEnds)
{
    // The stroke figure's lower corners are a pixel wider (boxes 4 above, 5 below); the fill
    // figure's capsule uses 9.5 above and 10.5 below, reaching half a pixel above its rectangle.
    struct Case {
        const char* Name;
        std::function<void(TGPGraphicsPath&)> Build;
        std::vector<TGPPointF> Ends;
    } cases[] = {
        {"stroke", [](TGPGraphicsPath& p) { GPAddRoundRectPath(p, TGPRectF(0, 0, 20, 10), 2); },
         {{0, 2}, {2, 0}, {18, 0}, {20, 2}, {20, 7.5f}, {17.5f, 10}, {2.5f, 10}, {0, 7.5f}}},
        {"capsule", [](TGPGraphicsPath& p) { GPAddFillRoundRectPath(p, TGPRectF(0, 0, 30, 10), 0); },
         {{0, 4.75f}, {4.75f, 0}, {25.25f, 0}, {30, 4.75f}, {24.75f, 10}, {5.25f, 10}}},
        {"check mark", [](TGPGraphicsPath& p) { GPAddCheckMarkPath(p, TGPRectF(10, 10, 24, 24)); },
         {{7, 24}, {18, 32}, {34, 14}}},
        {"right triangle", [](TGPGraphicsPath& p) { GPAddRightTriangle(p, TGPRectF(0, 0, 6, 10)); },
         {{0, 0}, {0, 10}, {6, 5}}},
        {"left triangle", [](TGPGraphicsPath& p) { GPAddLeftTriangle(p, TGPRectF(0, 0, 6, 10)); },
         {{0, 5}, {6, 0}, {6, 10}}},
    };
    for (const Case& c : cases) {
        TGPGraphicsPath path;
        c.Build(path);
        const std::vector<TGPPointF> points = PointsOf(path);
        for (const TGPPointF& end : c.Ends)
            EXPECT_TRUE(HasPoint(points, end)) << c.Name << " " << end.X << "," << end.Y;
    }
}

TEST(GPUtilsTest, RoundedLineAndFocusRectangle)
{
    auto bitmap = Canvas32(40, 20);
    Paint(bitmap.get(), [](TGPGraphics& g) { GPFillRoundedLine(g, Black, 4, 10, 5, 30, 5); });
    // A capsule over (10, 5, 20, 4): full in its middle, nothing above, below or past its ends.
    EXPECT_GT(Ink(bitmap.get(), 20, 6), 200);
    for (TPoint outside : {::Point(20, 3), ::Point(20, 10), ::Point(8, 7), ::Point(32, 7)})
        EXPECT_EQ(Ink(bitmap.get(), outside.X, outside.Y), 0) << outside.X << "," << outside.Y;

    // The focus rectangle's pen is one pixel wide below scale 2 and two from 2 up.
    for (double scale : {1.5, 2.0}) {
        auto focus = Canvas32(40, 40);
        TGPGraphics g(focus->Canvas()->Handle());
        GPDrawFocusRect(g, TGPRectF(0, 0, 40, 40), Black, scale);
        g.Flush(FlushIntentionSync);
        int column = 0; // inked pixels across the left edge, along a run of the dotted line
        for (int y = 4; y < 36; ++y)
            for (int x = 0; x < 5; ++x)
                column += Ink(focus.get(), x, y) > 100;
        EXPECT_EQ(column > 20, scale >= 2) << scale;
    }
}

TEST(GlyphPaintersTest, EveryKindDrawsInsideItsCell)
{
    // A 24-pixel glyph in the middle of a 48-pixel cell: each kind leaves ink, and no painter
    // spills far beyond its rectangle.
    for (int k = 0; k <= scgpbgkRestoreRect; ++k) {
        const auto kind = static_cast<TscGPButtonGlyphKind>(k);
        auto bitmap = Canvas32(48, 48);
        Paint(bitmap.get(),
              [&](TGPGraphics& g) { GPDrawGlyph(kind, g, TGPRectF(12, 12, 24, 24), Black, clRed, 1.0, 2); });
        const int inked = InkCount(bitmap.get());
        EXPECT_GT(inked, 20) << k;
        int outside = 0;
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 48; ++x)
                if (x < 4 || x >= 44 || y < 4 || y >= 44)
                    outside += Ink(bitmap.get(), x, y) > 100;
        EXPECT_EQ(outside, 0) << k;
    }
}

TEST(GlyphPaintersTest, TellingPixels)
{
    // Every kind in (10, 10, 20, 20), thickness 2 at scale 1: points on its strokes as the geometry
    // puts them, and points its strokes must leave alone. The marker kinds fill with red.
    struct Case {
        TscGPButtonGlyphKind Kind;
        std::vector<TPoint> Ink, Clear;
    } cases[] = {
        {scgpbgkPriorArrow, {{20, 20}, {13, 16}}, {{20, 14}, {28, 14}}},
        {scgpbgkNextArrow, {{15, 20}, {26, 16}}, {{13, 14}}},
        {scgpbgkLeftArrow, {{20, 15}, {20, 25}}, {{25, 20}, {12, 20}}},
        {scgpbgkRightArrow, {{20, 15}, {20, 25}}, {{15, 20}, {28, 20}}},
        {scgpbgkUpArrow, {{20, 15}, {15, 20}}, {{20, 25}, {20, 11}}},
        {scgpbgkDownArrow, {{20, 25}, {15, 20}}, {{20, 15}, {20, 29}}},
        {scgpbgkMore, {{20, 20}, {14, 20}, {26, 20}}, {{17, 20}, {20, 15}}},
        {scgpbgkDetails, {{12, 20}, {28, 15}, {28, 25}}, {{20, 12}, {20, 17}}},
        {scgpbgkDetailPoints, {{20, 20}, {20, 14}, {20, 26}}, {{20, 17}, {14, 20}}},
        {scgpbgkSearch, {{27, 27}, {10, 17}}, {{17, 17}}},
        {scgpbgkPlus, {{20, 11}, {11, 20}}, {{13, 13}, {27, 27}}},
        {scgpbgkMinus, {{11, 20}, {29, 20}}, {{20, 13}}},
        {scgpbgkOptions, {{12, 25}, {27, 25}, {20, 14}}, {{16, 25}, {24, 12}}},
        {scgpbgkOk, {{13, 24}, {23, 20}}, {{20, 14}, {12, 14}}},
        {scgpbgkCancel, {{12, 12}, {28, 12}, {20, 20}}, {{20, 12}, {12, 20}}},
        {scgpbgkClear, {{12, 12}, {28, 12}, {20, 20}}, {{20, 12}, {12, 20}}},
        {scgpbgkRefresh, {{20, 12}, {12, 20}}, {{20, 20}}},
        {scgpbgkEdit, {{19, 18}, {21, 21}}, {{14, 14}, {26, 26}}},
        {scgpbgkFirst, {{13, 20}, {22, 15}}, {{25, 20}, {16, 12}}},
        {scgpbgkLast, {{26, 20}, {17, 15}}, {{15, 20}, {24, 12}}},
        {scgpbgkPlay, {{15, 20}, {22, 15}}, {{20, 20}, {12, 20}}},
        {scgpbgkPause, {{15, 20}, {25, 20}}, {{20, 20}}},
        {scgpbgkStop, {{13, 20}, {20, 13}}, {{20, 20}}},
        {scgpbgkRewind, {{18, 20}, {27, 20}}, {{24, 20}, {29, 20}}},
        {scgpbgkForward, {{13, 20}, {22, 20}}, {{17, 20}}},
        {scgpbgkSkipToStart, {{24, 20}, {14, 20}}, {{20, 20}}},
        {scgpbgkSkipToEnd, {{16, 20}, {26, 20}}, {{20, 20}}},
        {scgpbgkExit, {{10, 20}, {18, 10}, {23, 20}, {32, 20}}, {{15, 20}}},
        {scgpbgkHome, {{12, 25}, {20, 21}, {15, 11}, {20, 9}}, {{20, 25}}},
        {scgpbgkShutDown, {{10, 20}, {20, 15}, {30, 20}}, {{17, 10}}},
        {scgpbgkCheckOptions, {{15, 20}, {25, 20}, {25, 15}}, {{28, 28}, {12, 28}}},
        {scgpbgkInfo, {{20, 15}, {20, 23}, {10, 20}}, {{16, 20}}},
        {scgpbgkDownload, {{20, 15}, {15, 30}}, {{14, 15}}},
        {scgpbgkUpload, {{20, 20}, {15, 10}}, {{14, 25}}},
        {scgpbgkMinimize, {{20, 20}}, {{20, 14}}},
        {scgpbgkMaximize, {{13, 20}, {20, 12}}, {{20, 20}}},
        {scgpbgkRestore, {{12, 20}, {26, 13}}, {{18, 20}}},
        {scgpbgkClose, {{12, 12}, {28, 12}, {20, 20}}, {{20, 12}, {12, 20}}},
        {scgpbgkFileNew, {{13, 20}, {20, 28}}, {{20, 20}}},
        {scgpbgkFileOpen, {{20, 28}, {12, 20}}, {{20, 22}}},
        {scgpbgkFileSave, {{10, 20}, {20, 30}, {20, 16}, {20, 22}}, {{20, 19}}},
        {scgpbgkFileSaveAs, {{10, 20}}, {{13, 20}}},
        {scgpbgkFolder, {{10, 20}, {20, 17}, {20, 30}}, {{20, 24}}},
        {scgpbgkPrint, {{10, 22}, {30, 22}}, {{20, 19}}},
        {scgpbgkMic, {{17, 16}, {20, 28}}, {{20, 16}, {12, 12}}},
        {scgpbgkMicMute, {{25, 25}, {17, 16}}, {{26, 14}}},
        {scgpbgkRec, {{13, 20}, {20, 13}}, {{20, 20}}},
        {scgpbgkRecOn, {{20, 20}, {15, 20}}, {{11, 11}}},
        {scgpbgkPhoto, {{10, 22}, {20, 28}}, {{20, 21}}},
        {scgpbgkVideo, {{9, 20}, {18, 13}, {30, 20}}, {{18, 20}}},
        {scgpbgkLock, {{20, 10}, {12, 24}, {25, 16}}, {{20, 24}, {20, 14}}},
        {scgpbgkUnLock, {{15, 16}, {20, 10}}, {{25, 15}}},
        {scgpbgkUser, {{20, 22}, {13, 14}, {20, 7}}, {{20, 14}}},
        {scgpbgkTrash, {{14, 22}, {20, 20}, {12, 14}}, {{20, 31}, {32, 20}}},
        {scgpbgkInBox, {{20, 15}, {14, 22}, {20, 28}}, {{22, 16}}},
        {scgpbgkOutBox, {{20, 18}, {26, 22}}, {{22, 16}}},
        {scgpbgkPin, {{20, 10}, {20, 26}, {14, 20}}, {{20, 15}}},
        {scgpbgkVolume, {{11, 20}, {27, 20}, {15, 16}}, {{15, 20}, {23, 20}}},
        {scgpbgkMute, {{19, 20}, {27, 20}}, {{23, 20}}},
        {scgpbgkVolumePlus, {{27, 20}, {26, 18}, {10, 20}}, {{29, 17}}},
        {scgpbgkVolumeMinus, {{27, 20}, {10, 20}}, {{26, 17}}},
        {scgpbgkZoomPlus, {{17, 14}, {27, 27}}, {{14, 14}}},
        {scgpbgkZoomMinus, {{15, 17}, {27, 27}}, {{17, 14}}},
        {scgpbgkView, {{20, 12}, {15, 20}}, {{20, 20}}},
        {scgpbgkFlag, {{10, 25}, {20, 10}, {20, 20}}, {{20, 25}, {15, 15}}},
        {scgpbgkFilter, {{20, 13}, {17, 25}}, {{20, 17}, {14, 25}}},
        {scgpbgkObjects, {{25, 17}, {12, 22}, {17, 7}}, {{25, 22}}},
        {scgpbgkReply, {{24, 18}, {14, 15}}, {{20, 25}}},
        {scgpbgkUndo, {{27, 22}, {20, 29}, {15, 15}}, {{20, 22}, {13, 25}}},
        {scgpbgkRedo, {{12, 22}, {25, 15}}, {{20, 22}, {27, 25}}},
        {scgpbgkClock, {{20, 14}, {24, 24}, {10, 20}}, {{14, 26}, {26, 14}}},
        {scgpbgkCalendar, {{10, 20}, {20, 15}, {15, 9}}, {{12, 12}}},
        {scgpbgkChart, {{10, 25}, {20, 20}, {27, 11}}, {{12, 20}, {20, 15}}},
        {scgpbgkFont, {{20, 20}, {27, 25}}, {{20, 25}, {20, 15}}},
        {scgpbgkFontColorMarker, {{20, 30}, {20, 18}}, {{20, 22}}},
        {scgpbgkFontIncSize, {{26, 12}, {17, 20}}, {{28, 18}}},
        {scgpbgkFontDecSize, {{26, 14}, {17, 20}}, {{26, 11}}},
        {scgpbgkFill, {{20, 25}, {26, 14}}, {{21, 19}}},
        {scgpbgkFillColorMarker, {{20, 30}}, {{30, 12}}},
        {scgpbgkMessage, {{20, 20}, {10, 22}, {20, 28}}, {{20, 25}, {13, 20}}},
        {scgpbgkMessageRead, {{20, 5}, {20, 20}}, {{20, 10}}},
        {scgpbgkSend, {{11, 12}, {16, 18}, {30, 20}}, {{16, 14}}},
        {scgpbgkTextAlignLeft, {{12, 16}, {28, 12}}, {{28, 16}}},
        {scgpbgkTextAlignRight, {{28, 16}, {12, 12}}, {{12, 16}}},
        {scgpbgkTextAlignCenter, {{20, 16}, {12, 12}}, {{12, 16}, {28, 16}}},
        {scgpbgkTextAlignJustified, {{28, 16}, {12, 16}}, {{20, 14}}},
        {scgpbgkCopy, {{11, 22}, {27, 18}}, {{18, 22}, {26, 26}}},
        {scgpbgkPaste, {{13, 20}, {20, 24}, {28, 25}}, {{16, 24}, {24, 24}}},
        {scgpbgkCut, {{25, 25}, {13, 10}}, {{13, 20}}},
        {scgpbgkHelp, {{20, 9}, {20, 25}, {26, 15}}, {{20, 15}}},
        {scgpbgkReplace, {{20, 12}, {20, 28}}, {{20, 20}}},
        {scgpbgkShare, {{25, 10}, {25, 29}, {8, 20}}, {{25, 20}}},
        {scgpbgkCall, {{15, 10}, {28, 26}, {20, 20}}, {{26, 14}}},
        {scgpbgkCallEnd, {{20, 20}, {15, 10}}, {{14, 14}}},
        {scgpbgkMap, {{10, 20}, {16, 20}, {23, 20}, {29, 20}}, {{20, 20}, {13, 20}}},
        {scgpbgkMapMarker, {{20, 10}, {20, 29}}, {{20, 24}}},
        {scgpbgkGear, {{20, 10}, {16, 20}}, {{20, 20}, {23, 11}}},
        {scgpbgkStar, {{20, 10}, {20, 25}}, {{20, 20}, {13, 13}}},
        {scgpbgkGlobe, {{10, 20}, {20, 20}, {17, 15}}, {{13, 17}}},
        {scgpbgkNaviLeft, {{20, 20}, {13, 16}}, {{20, 14}, {28, 14}}},
        {scgpbgkNaviRight, {{15, 20}, {26, 16}}, {{13, 14}}},
        {scgpbgkNaviTop, {{20, 25}, {16, 13}}, {{14, 25}}},
        {scgpbgkNaviBottom, {{20, 15}, {16, 26}}, {{14, 15}}},
        {scgpbgkNaviTopLeft, {{10, 15}, {15, 10}, {25, 25}}, {{25, 15}, {15, 25}}},
        {scgpbgkNaviTopRight, {{29, 15}, {25, 10}, {15, 25}}, {{15, 15}, {25, 25}}},
        {scgpbgkNaviBottomLeft, {{10, 25}, {15, 29}, {25, 15}}, {{15, 15}, {25, 25}}},
        {scgpbgkNaviBottomRight, {{29, 25}, {25, 29}, {15, 15}}, {{25, 15}, {15, 25}}},
        {scgpbgkSizeFull, {{14, 10}, {10, 14}, {29, 26}, {26, 29}}, {{20, 10}, {20, 20}}},
        {scgpbgkSizeCompact, {{16, 13}, {13, 16}, {26, 23}, {23, 26}}, {{20, 20}, {12, 12}}},
        {scgpbgkShopBasket, {{22, 23}, {25, 15}}, {{22, 19}, {12, 20}}},
        {scgpbgkShopBasketIn, {{20, 12}, {22, 23}}, {{22, 19}}},
        {scgpbgkShopBasketOut, {{20, 12}, {22, 23}}, {{22, 19}}},
        {scgpbgkColorMarker, {{20, 20}, {13, 20}}, {{11, 11}}},
        {scgpbgkMaximizeRounded, {{13, 20}, {20, 12}}, {{20, 20}}},
        {scgpbgkRestoreRounded, {{12, 20}, {24, 12}}, {{18, 20}}},
        {scgpbgkMaximizeRect, {{13, 20}, {20, 12}}, {{20, 20}}},
        {scgpbgkRestoreRect, {{12, 20}, {26, 13}}, {{18, 20}}},
    };
    static_assert(std::size(cases) == scgpbgkRestoreRect + 1, "one row per kind");
    for (const Case& c : cases) {
        auto bitmap = Canvas32(40, 40);
        Paint(bitmap.get(),
              [&](TGPGraphics& g) { GPDrawGlyph(c.Kind, g, TGPRectF(10, 10, 20, 20), Black, clRed, 1.0, 2); });
        for (TPoint p : c.Ink)
            EXPECT_GT(Ink(bitmap.get(), p.X, p.Y), 120) << c.Kind << " at " << p.X << "," << p.Y;
        for (TPoint p : c.Clear)
            EXPECT_LT(Ink(bitmap.get(), p.X, p.Y), 30) << c.Kind << " at " << p.X << "," << p.Y;
    }
}

TEST(GlyphPaintersTest, WindowGlyphsSnapToPixelsAndPutTheStateBack)
{
    // The square maximize glyph of a 12 x 12 rectangle is the whole-pixel frame (2, 1, 8, 8),
    // drawn without anti-aliasing.
    auto bitmap = Canvas32(20, 20);
    Paint(bitmap.get(), [](TGPGraphics& g) { GPDrawMaximizeRectGlyph(g, TGPRectF(0, 0, 12, 12), Black, 1.0, 1); });
    for (TPoint p : {::Point(2, 5), ::Point(10, 5), ::Point(5, 1), ::Point(5, 9)})
        EXPECT_EQ(Ink(bitmap.get(), p.X, p.Y), 255) << p.X << "," << p.Y;
    for (TPoint p : {::Point(3, 5), ::Point(1, 5), ::Point(5, 2), ::Point(5, 0)})
        EXPECT_EQ(Ink(bitmap.get(), p.X, p.Y), 0) << p.X << "," << p.Y;

    // Every window glyph leaves smoothing, pixel offset and the caller's clip as they were.
    using TPainter = void (*)(TGPGraphics&, TGPRectF, ARGB, double, Byte);
    for (TPainter painter : {GPDrawMinimizeGlyph, GPDrawMaximizeRectGlyph, GPDrawMaximizeRoundedGlyph,
                             GPDrawRestoreRectGlyph, GPDrawRestoreRoundedGlyph, GPDrawCopyGlyph, GPDrawFileOpenGlyph,
                             GPDrawFileSaveAsGlyph, GPDrawInBoxGlyph}) {
        auto canvas = Canvas32(40, 40);
        TGPGraphics g(canvas->Canvas()->Handle());
        g.SetSmoothingMode(SmoothingModeAntiAlias);
        g.SetPixelOffsetMode(PixelOffsetModeHalf);
        g.SetClip(TGPRectF(0, 0, 30, 40));
        painter(g, TGPRectF(5, 5, 24, 24), Black, 2.0, 1);
        EXPECT_EQ(g.GetSmoothingMode(), SmoothingModeAntiAlias);
        EXPECT_EQ(g.GetPixelOffsetMode(), PixelOffsetModeHalf);
        TGPRectF clip;
        g.GetClipBounds(clip);
        EXPECT_EQ(clip.Width, 30);
        EXPECT_EQ(clip.Height, 40);
    }
}

TEST(GlyphPaintersTest, PensRawThicknessAndMarkers)
{
    // Thickness 0 strokes like 1 with the glyph width rule, and as a hairline in the raw rows; the
    // marker fill is the marker colour at full opacity whatever the glyph colour's alpha.
    auto plain = Canvas32(40, 40);
    Paint(plain.get(), [](TGPGraphics& g) { GPDrawStopGlyph(g, TGPRectF(10, 10, 18, 18), Black, 1.0, 0); });
    auto raw = Canvas32(40, 40);
    Paint(raw.get(), [](TGPGraphics& g) { GPDrawRecGlyph(g, TGPRectF(10, 10, 18, 18), Black, 1.0, 0); });
    EXPECT_GT(InkCount(plain.get()), 30);
    EXPECT_GT(InkCount(raw.get()), 10);
    EXPECT_EQ(GlyphPenWidth(1, 1.75), 1);
    EXPECT_EQ(GlyphPenWidth(2, 1.25), 2);
    EXPECT_EQ(GlyphPenWidth(0, 2.0), 2);

    auto marker = Canvas32(40, 40);
    Paint(marker.get(),
          [](TGPGraphics& g) { GPDrawColorMarkerGlyph(g, TGPRectF(10, 10, 20, 20), 0x28000000, clRed, 1.0, 2); });
    EXPECT_EQ(PixelAt(marker.get(), 20, 20), clRed);

    // The volume-plus glyph keeps its speaker and plus inside its square at (17, 10), side 12.
    auto volume = Canvas32(40, 30);
    Paint(volume.get(), [](TGPGraphics& g) { GPDrawVolumePlusGlyph(g, TGPRectF(17, 10, 12, 12), Black, 1.0, 1); });
    EXPECT_GT(Ink(volume.get(), 27, 16), 100);
    EXPECT_EQ(CountColor(volume.get(), ::Rect(0, 0, 15, 30), clWhite), 15 * 30);
}

TEST(GlyphPaintersTest, ContactSheet)
{
    // All kinds in rows of twelve, written beside the test program to be looked at.
    const int cell = 40, columns = 12, rows = (scgpbgkRestoreRect + columns) / columns;
    auto sheet = Canvas32(cell * columns, cell * rows);
    Paint(sheet.get(), [&](TGPGraphics& g) {
        for (int k = 0; k <= scgpbgkRestoreRect; ++k) {
            const TGPRectF r(float(k % columns * cell + 10), float(k / columns * cell + 10), 20, 20);
            GPDrawGlyph(static_cast<TscGPButtonGlyphKind>(k), g, r, Black, clRed, 1.0, 2);
        }
    });
    SaveBesideProgram(sheet.get(), u"glyph-contact-sheet.png");
    EXPECT_GT(InkCount(sheet.get()), 117 * 20);
}
