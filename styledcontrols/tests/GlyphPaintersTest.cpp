#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "KitTestSupport.h"
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

// How dark a pixel of a black-on-white drawing is, 0 (white) to 255 (black).
int Ink(TBitmap* bitmap, int x, int y) { return 255 - GetRValue(PixelAt(bitmap, x, y)); }

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
    // Glyphs in (10, 10, 20, 20), thickness 2: where ink must be and where it must not.
    struct Case {
        TscGPButtonGlyphKind Kind;
        std::vector<TPoint> Ink, Clear;
    } cases[] = {
        {scgpbgkClose, {{12, 12}, {28, 12}, {20, 20}}, {{20, 12}, {12, 20}}},
        {scgpbgkPlus, {{20, 11}, {11, 20}, {20, 20}}, {{13, 13}, {27, 27}}},
        {scgpbgkMinus, {{11, 20}, {29, 20}}, {{20, 13}, {20, 27}}},
        {scgpbgkPause, {{15, 20}, {25, 20}}, {{20, 20}}},
        {scgpbgkStop, {{13, 20}, {20, 13}}, {{20, 20}}},
        {scgpbgkRecOn, {{20, 20}, {16, 20}}, {{11, 11}}},
        {scgpbgkMore, {{20, 20}, {13, 20}, {27, 20}}, {{20, 14}, {17, 20}}},
        {scgpbgkDetailPoints, {{20, 20}, {20, 14}, {20, 26}}, {{14, 20}, {20, 17}}},
        {scgpbgkDetails, {{12, 20}, {28, 15}, {28, 25}}, {{20, 12}}},
        {scgpbgkUpArrow, {{20, 15}, {11, 24}}, {{20, 25}}},
        {scgpbgkDownArrow, {{20, 25}, {11, 16}}, {{20, 15}}},
        {scgpbgkTextAlignLeft, {{12, 16}, {28, 12}}, {{28, 16}}},
        {scgpbgkTextAlignRight, {{28, 16}, {12, 12}}, {{12, 16}}},
        {scgpbgkCalendar, {{10, 20}, {20, 15}}, {{28, 12}}},
    };
    for (const Case& c : cases) {
        auto bitmap = Canvas32(40, 40);
        Paint(bitmap.get(),
              [&](TGPGraphics& g) { GPDrawGlyph(c.Kind, g, TGPRectF(10, 10, 20, 20), Black, clNone, 1.0, 2); });
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
    SaveBesideProgram(sheet.get(), u"glyph-contact-sheet.bmp");
    EXPECT_GT(InkCount(sheet.get()), 117 * 20);
}
