// The drawing object's own logic against the recording back end: state hand-over, saved states,
// shapes, hit tests, text placement, path conversion and the control painters.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "RecordingGraphicsContext.h"

using namespace RurGraphicsTest;
using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Not;

namespace {

std::vector<std::string> Drawing(const std::vector<std::string>& log)
{
    std::vector<std::string> result;
    for (const std::string& line : log)
        if (line.starts_with("Draw") || line.starts_with("Fill"))
            result.push_back(line);
    return result;
}

TEST(RurGraphicsState, NewObjectsStartWithTheDefaultStateInTheBackEnd)
{
    TRecordingScope scope;
    for (bool bitmap : {false, true}) {
        std::unique_ptr<TRurGraphics> g = bitmap ? TRurGraphics::CreateBitmapCanvas(200, 100, false, false)
                                                 : std::make_unique<TRurGraphics>(nullptr, false);
        EXPECT_EQ(g->Fill()->Kind(), gfkSolid);
        EXPECT_EQ(g->Fill()->Color(), 0xFFFFFF);
        EXPECT_EQ(g->Stroke()->Kind(), gskSolid);
        EXPECT_EQ(g->Stroke()->Color(), 0xC0C0C0);
        EXPECT_EQ(g->HighlightColor(), 0xFF0000);
        EXPECT_EQ(g->HighlightTextColor(), 0xFFFFFF);
        EXPECT_EQ(g->URLColor(), 0xFF0000);
        EXPECT_TRUE(g->URLUnderline());
        EXPECT_FALSE(g->OptimizedHTMLDrawing());
        const std::vector<std::string> log = scope.Take();
        EXPECT_EQ(log.front(), bitmap ? "SetSize 200 100" : "SetSize 1 1");
        EXPECT_THAT(log, Contains("SetFill 1 $FFFFFF"));
        EXPECT_THAT(log, Contains("SetStroke 1 $C0C0C0 1"));
        if (bitmap) {
            EXPECT_EQ(g->Bitmap()->Width(), 200);
            EXPECT_EQ(g->Bitmap()->Height(), 100);
            EXPECT_EQ(g->Canvas(), g->Bitmap()->Canvas());
        }
    }
}

TEST(RurGraphicsState, EveryChangeReachesTheBackEndOnce)
{
    TRecordingScope scope;
    TRurGraphics g(nullptr, false);
    scope.Take();
    g.Fill()->SetColor(0x123456);
    EXPECT_THAT(scope.Take(), ElementsAre("SetFill 1 $123456"));
    g.SetFillColor(0x00FF00);
    EXPECT_THAT(scope.Take(), ElementsAre("SetFillColor $FF00"));
    EXPECT_EQ(g.Fill()->Color(), 0x00FF00);
    g.SetStrokeWidth(3);
    EXPECT_THAT(scope.Take(), ElementsAre("SetStrokeWidth 3"));
    g.Font()->SetSize(12);
    EXPECT_EQ(scope.Take().size(), 1u);
    g.DrawRectangle(TRectF{0, 0, 4, 4});
    EXPECT_THAT(scope.Take(), Contains("FillRect 0 0 4 4 2 $FF00"));
}

TEST(RurGraphicsState, SavedStatesRestoreTheBackEndAndTheirCopies)
{
    TRecordingScope scope;
    TRurGraphics g(nullptr, false);
    auto full = g.SaveState();
    g.Fill()->SetColor(0x0000FF);
    g.RestoreState(std::move(full));
    EXPECT_EQ(g.Fill()->Color(), 0xFFFFFF);

    auto canvasOnly = g.SaveState(true);
    g.Fill()->SetColor(0x0000FF);
    scope.Take();
    g.RestoreState(std::move(canvasOnly), true);
    EXPECT_EQ(g.Fill()->Color(), 0x0000FF);
    EXPECT_THAT(scope.Take(), ElementsAre("RestoreState 2"));
}

TEST(RurGraphicsState, AssignCopiesFillStrokeAndFontAndIgnoresNil)
{
    TRecordingScope scope;
    TRurGraphics source(nullptr, false), target(nullptr, false);
    source.Fill()->SetColor(0x111111);
    source.Stroke()->SetColor(0x222222);
    source.Font()->SetName(u"Tahoma");
    target.Assign(nullptr);
    EXPECT_EQ(target.Fill()->Color(), 0xFFFFFF);
    target.Assign(&source);
    EXPECT_EQ(target.Fill()->Color(), 0x111111);
    EXPECT_EQ(target.Stroke()->Color(), 0x222222);
    EXPECT_EQ(target.Font()->Name(), u"Tahoma");
}

TEST(RurGraphicsState, IntegerClipRectanglesClipLikeFloatOnes)
{
    TRecordingScope scope;
    TRurGraphics g(nullptr, false);
    scope.Take();
    g.ClipRect(TRect{1, 2, 30, 40});
    g.ClipRect(TRectF{1, 2, 30, 40});
    const auto log = scope.Take();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0], log[1]);
}

// Which back-end calls a shape makes for a fill and stroke.
struct ShapeCase {
    const char* name;
    TRurGraphicsFillKind fillKind;
    TColor fillColor;
    TRurGraphicsStrokeKind strokeKind;
    std::vector<std::string> expected;
};

TEST(RurGraphicsShapes, ShapesFillWhenTheFillPaintsAndOutlineWhenTheStrokePaints)
{
    const ShapeCase cases[] = {
        {"both", gfkSolid, 0x00FF00, gskSolid, {"FillRect 10 10 20 20 0 $FF00", "DrawRect 10 10 20 20 15 0 $C0C0C0"}},
        {"no fill colour", gfkSolid, gcNoColor, gskSolid, {"DrawRect 10 10 20 20 15 0 $C0C0C0"}},
        {"no fill kind", gfkNone, 0x00FF00, gskSolid, {"DrawRect 10 10 20 20 15 0 $C0C0C0"}},
        {"no stroke", gfkSolid, 0x00FF00, gskNone, {"FillRect 10 10 20 20 0 $FF00"}},
    };
    for (const ShapeCase& c : cases) {
        TRecordingScope scope;
        TRurGraphics g(nullptr, false);
        g.Fill()->SetKind(c.fillKind);
        g.Fill()->SetColor(c.fillColor);
        g.Stroke()->SetKind(c.strokeKind);
        scope.Take();
        g.DrawRectangle(10.0, 10.0, 20.0, 20.0, gcrmNone);
        EXPECT_EQ(Drawing(scope.Take()), c.expected) << c.name;
    }
}

TEST(RurGraphicsShapes, EachShapeEndsInItsOwnBackEndCalls)
{
    TRecordingScope scope;
    TRurGraphics g(nullptr, false);
    TRurGraphicsPath path;
    path.AddRectangle({0, 0, 10, 10}, 0, 0);
    const TRurGraphicsPathPolygon triangle{{0, 0}, {10, 0}, {5, 5}};
    scope.Take();
    g.DrawEllipse(TRect{1, 2, 3, 4});
    g.DrawRoundRectangle(TRect{0, 0, 8, 8}, 2, {gcTopLeft}, gcrmNone);
    g.DrawArc(TPointF{5, 5}, TPointF{3, 3}, 0, 90);
    g.DrawPolyline(triangle);
    g.DrawPolygon(triangle);
    g.DrawPath(path, pdmPath);
    g.DrawLine(TPoint{1, 1}, TPoint{5, 5}, gcpmRightDown, gcpmLeftUp);
    g.DrawFocusRectangle(TRectF{0, 0, 5, 5}, 0x0000FF);
    EXPECT_THAT(Drawing(scope.Take()),
                ElementsAre("FillEllipse 1 2 3 4 $FFFFFF", "DrawEllipse 1 2 3 4 $C0C0C0",
                            // the integer form always asks for gcrmShrinkAll (2)
                            "FillRoundRect 0 0 8 8 2 1 2", "DrawRoundRect 0 0 8 8 2 1 2", "FillArc 5 5 3 3 0 90",
                            "DrawArc 5 5 3 3 0 90", "FillPolyline 3", "DrawPolyline 3", "FillPolygon 3",
                            "DrawPolygon 3", "FillPath " + std::to_string(path.Count()) + " 2",
                            "DrawPath " + std::to_string(path.Count()) + " 2", "DrawLine 1 1 5 5 2 1",
                            "DrawFocusRectangle 0 0 5 5 $FF"));
}

TEST(RurGraphicsShapes, ATextureFillCoversTheBoundsOfEveryShapeButAnArc)
{
    TRecordingScope scope;
    TRurGraphics g(nullptr, false);
    TBitmap texture;
    texture.SetSize(4, 4);
    TRurBitmap picture;
    picture.Assign(&texture);
    g.Fill()->SetTexture(&picture);
    g.Fill()->SetTextureMode(gtmStretch);
    g.Fill()->SetKind(gfkTexture);
    g.Fill()->SetColor(gcNoColor);
    g.Stroke()->SetKind(gskNone);
    TRurGraphicsPath path;
    path.AddRectangle({2, 2, 6, 8}, 0, 0);
    const struct {
        const char* shape;
        std::function<void()> draw;
        bool paints;
    } shapes[] = {
        {"rectangle", [&] { g.DrawRectangle(TRectF{0, 0, 10, 10}); }, true},
        {"ellipse", [&] { g.DrawEllipse(TRectF{0, 0, 10, 10}); }, true},
        {"polygon", [&] { g.DrawPolygon({{0, 0}, {10, 0}, {10, 10}}); }, true},
        {"path", [&] { g.DrawPath(path); }, true},
        {"arc", [&] { g.DrawArc(TPointF{5, 5}, TPointF{5, 5}, 0, 90); }, false},
    };
    for (const auto& s : shapes) {
        scope.Take();
        s.draw();
        const auto log = Drawing(scope.Take());
        EXPECT_EQ(!log.empty() && log.back().starts_with("DrawBitmap 4 4 0 0 4 4"), s.paints) << s.shape;
    }
}

TEST(RurGraphicsShapes, AnOriginalSizeTextureIsCutAtTheRectangle)
{
    TRecordingScope scope;
    TRurGraphics g(nullptr, false);
    TBitmap texture;
    texture.SetSize(30, 30);
    TRurBitmap picture;
    picture.Assign(&texture);
    g.Fill()->SetTexture(&picture);
    g.Fill()->SetTextureMode(gtmOriginal);
    g.Fill()->SetKind(gfkTexture);
    scope.Take();
    g.DrawRectangle(TRectF{5, 5, 25, 15});
    // The part is cut on its own 20 x 10 bitmap, then drawn at the rectangle.
    EXPECT_THAT(scope.Take(), Contains("DrawBitmap 20 10 0 0 20 10 5 5 25 15"));
}

TEST(RurGraphicsShapes, TextureModesPlaceThePicture)
{
    TRecordingScope scope;
    TRurGraphics g(nullptr, false);
    TBitmap texture;
    texture.SetSize(10, 5);
    TRurBitmap picture;
    picture.Assign(&texture);
    g.Fill()->SetTexture(&picture);
    g.Fill()->SetKind(gfkTexture);
    g.Stroke()->SetKind(gskNone);
    const auto bitmaps = [&](TRurGraphicsTextureMode AMode, TRectF ARect) {
        g.Fill()->SetTextureMode(AMode);
        scope.Take();
        g.DrawRectangle(ARect);
        std::vector<std::string> drawn;
        for (const std::string& line : scope.Take())
            if (line.starts_with("DrawBitmap"))
                drawn.push_back(line);
        return drawn;
    };
    // Fit: scaled into the rectangle keeping its proportions, centred. The part drawn is first cut
    // on a bitmap of its own, so the last drawing is the one into the rectangle.
    EXPECT_EQ(bitmaps(gtmFit, {0, 0, 40, 40}).back(), "DrawBitmap 10 5 0 0 10 5 0 10 40 30");
    EXPECT_EQ(bitmaps(gtmStretch, {3, 4, 43, 44}).back(), "DrawBitmap 10 5 0 0 10 5 3 4 43 44");
    // Centre: its own size, the offsets rounded (17.5 to 18).
    EXPECT_EQ(bitmaps(gtmCenter, {0, 0, 40, 40}).back(), "DrawBitmap 10 5 0 0 10 5 15 18 25 23");
    // Tile: every cell that touches the rectangle, the picture at its own size at the cell's corner.
    EXPECT_THAT(bitmaps(gtmTile, {0, 0, 25, 8}),
                ElementsAre("DrawBitmap 10 5 0 0 10 5 0 0 10 5", "DrawBitmap 10 5 0 0 10 5 0 5 10 10",
                            "DrawBitmap 10 5 0 0 10 5 10 0 20 5", "DrawBitmap 10 5 0 0 10 5 10 5 20 10",
                            "DrawBitmap 10 5 0 0 10 5 20 0 30 5", "DrawBitmap 10 5 0 0 10 5 20 5 30 10"));
}

TEST(RurGraphicsShapes, HitTests)
{
    EXPECT_FALSE(TRurGraphics::PointInRect(TPointF{20, 15}, TRectF{10, 10, 20, 20}));
    EXPECT_TRUE(TRurGraphics::PointInRect(TPointF{10, 10}, TRectF{10, 10, 20, 20}));
    EXPECT_TRUE(TRurGraphics::PointInRect(TPoint{15, 19}, TRect{10, 10, 20, 20}));
    EXPECT_FALSE(TRurGraphics::PointInCircle({0, 0}, {0, 0}, 0));
    EXPECT_TRUE(TRurGraphics::PointInCircle({3, 4}, {0, 0}, 5));
    EXPECT_FALSE(TRurGraphics::PointInCircle({3, 4.1f}, {0, 0}, 5));
    EXPECT_FALSE(TRurGraphics::PointInPolygon(TPointF{0, 0}, {}));
    const TRurGraphicsPathPolygon square{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    EXPECT_TRUE(TRurGraphics::PointInPolygon(TPoint{5, 5}, square));
    EXPECT_FALSE(TRurGraphics::PointInPolygon(TPoint{11, 5}, square));
    TRurGraphicsPath circle;
    circle.AddEllipse({0, 0, 20, 20});
    EXPECT_TRUE(TRurGraphics::PointInPath(TPointF{10, 10}, circle));
    EXPECT_FALSE(TRurGraphics::PointInPath(TPointF{1, 1}, circle));
}

TEST(RurGraphicsContext, ConvertToPathWalksMovesLinesCurvesAndCloses)
{
    TRecordingScope scope;
    TRurGraphics g(nullptr, false);
    TRurGraphicsPath empty;
    scope.Take();
    EXPECT_EQ(g.Context()->ConvertToPath(empty, 0.25f), nullptr);
    EXPECT_THAT(scope.Take(), IsEmpty());

    // A curve first starts at (0, 0); a curve shorter than two flatness steps is one line to its
    // end, where the next curve starts.
    TRurGraphicsPath path;
    path.CurveTo({0, 0}, {0, 0}, {0.05f, 0});
    path.CurveTo({0.05f, 0}, {0.1f, 0}, {0.1f, 0});
    path.LineTo({5, 5});
    path.ClosePath();
    g.Context()->ConvertToPath(path, 0.25f);
    EXPECT_THAT(scope.Take(), ElementsAre("PathLineTo 0.05 0", "PathLineTo 0.1 0", "PathLineTo 5 5", "PathClose"));

    // A flatness of 0 or below counts as 0.05: a straight curve 1 long becomes 20 samples.
    TRurGraphicsPath line;
    line.MoveTo({0, 0});
    line.CurveTo({0, 0}, {1, 0}, {1, 0});
    for (float flatness : {0.0f, -1.0f}) {
        g.Context()->ConvertToPath(line, flatness);
        const auto log = scope.Take();
        EXPECT_EQ(log.size(), 2u + 20u) << flatness;
        EXPECT_EQ(log.back(), "PathLineTo 1 0");
    }
}

// A renderer that measures markup as 10 pixels per character and one 20-pixel line per text, and
// reports an anchor "a" when hit-tested.
bool FakeRenderer(TRurGraphicsHTMLRequest& r)
{
    if (r.MeasureOnly) {
        r.XSize = 10.0f * r.Text.size();
        r.YSize = 20;
        r.LineCount = 1;
        return false;
    }
    ActiveLog->push_back("Markup " + TRecordingGraphicsContext::Text(r.Text) + " " + std::to_string(int(r.Rect.Left)) +
                         " " + std::to_string(int(r.Rect.Top)) + (r.HitTest ? " hit" : ""));
    r.Anchor = u"a";
    return r.HitTest;
}

class RurGraphicsText : public ::testing::Test {
protected:
    void SetUp() override { TRurGraphics::SetHTMLRenderer(&FakeRenderer); }
    void TearDown() override { TRurGraphics::SetHTMLRenderer(nullptr); }
    TRecordingScope scope;
    TRurGraphics g{nullptr, false};
};

TEST_F(RurGraphicsText, MeasuringEdges)
{
    EXPECT_EQ(g.CalculateText(u"", TRectF{3, 4, 50, 60}), (TRectF{3, 4, 3, 4}));
    EXPECT_EQ(g.CalculateText(u"abc", TRectF{3, 4, 3.4f, 60}), (TRectF{3, 4, 3.4f, 4}));
    // Plain text: the back end's extent, one pixel higher.
    EXPECT_EQ(g.CalculateText(u"abc", TRectF{0, 0, 100, 100}), (TRectF{0, 0, 21, 14}));
    // Markup: the renderer's size, one pixel higher.
    EXPECT_EQ(g.CalculateText(u"<b>ab</b>", TRectF{0, 0, 100, 100}), (TRectF{0, 0, 90, 21}));
    EXPECT_EQ(g.CalculateTextInt(u"abc"), (TRect{0, 0, 21, 14}));
}

TEST_F(RurGraphicsText, WhatCountsAsMarkup)
{
    const struct {
        const char16_t* text;
        bool markup;
    } cases[] = {{u"a</b>", true}, {u"<br/>", true}, {u"x<bR>y", true}, {u"a < b", false}, {u"plain", false}};
    for (const auto& c : cases)
        EXPECT_EQ(TRurGraphics::IsMarkup(c.text), c.markup) << TRecordingGraphicsContext::Text(c.text);
}

TEST_F(RurGraphicsText, HighlightingWrapsTheVisibleMatches)
{
    EXPECT_EQ(TRurGraphics::ApplyHilight(u"One two one", u"one", u"u", false), u"<u>One</u> two <u>one</u>");
    EXPECT_EQ(TRurGraphics::ApplyHilight(u"One two one", u"one", u"u", true), u"One two <u>one</u>");
}

TEST_F(RurGraphicsText, PlainTextGoesToTheBackEndWithTheFontColourAsFill)
{
    g.Font()->SetColor(0x0000FF);
    g.Fill()->SetColor(0x00FF00);
    scope.Take();
    EXPECT_EQ(g.DrawText(TRectF{0, 0, 50, 20}, u"<b>x", false, gtaCenter, gtaTrailing, gttWord, 0, -1, 40), u"");
    EXPECT_THAT(scope.Take(), ElementsAre("SetFillColor $FF", "SetTextAngle 0 0 50 40 0", "DrawText <b>x 0 0 50 40 F 0 2 2 0",
                                          "ResetTextAngle 0", "SetFillColor $FF00"));
    EXPECT_EQ(Recorder(g).GetFillColor(), 0x00FF00);
    // An anchor test of plain text draws nothing.
    EXPECT_EQ(g.DrawText(TRectF{0, 0, 50, 20}, u"plain", false, gtaLeading, gtaLeading, gttNone, 0, -1, -1, true, true),
              u"");
    EXPECT_THAT(scope.Take(), Not(Contains(::testing::StartsWith("DrawText"))));
}

TEST_F(RurGraphicsText, MarkupIsPlacedByItsMeasuredSizeAndClipped)
{
    scope.Take();
    g.DrawText(TRectF{0, 0, 100, 40}, u"<b>ab</b>", false, gtaTrailing, gtaCenter);
    const auto log = scope.Take();
    EXPECT_THAT(log, Contains("ClipRect 0 0 100 40"));
    // 91 x 21 laid out at the right edge, vertically centred.
    EXPECT_THAT(log, Contains("Markup <b>ab</b> 9 9"));
    // Without markup support the tags are drawn as text.
    g.DrawText(TRectF{0, 0, 100, 40}, u"<b>ab</b>", false, gtaLeading, gtaLeading, gttNone, 0, -1, -1, false);
    EXPECT_THAT(scope.Take(), Contains(::testing::StartsWith("DrawText <b>ab</b>")));
    // The anchor under the point comes back from a hit test.
    EXPECT_EQ(g.DrawText(TRectF{0, 0, 100, 40}, u"<a>x</a>", false, gtaLeading, gtaLeading, gttNone, 0, -1, -1, true,
                         true, 5, 5),
              u"a");
}

TEST_F(RurGraphicsText, OptimizedDrawingHandlesLineBreaksLineByLine)
{
    g.SetOptimizedHTMLDrawing(true);
    // Each line measures 21 high (20 + 1), so the two lines stack.
    EXPECT_EQ(g.CalculateText(u"<b>one</b><BR/>two", TRectF{0, 0, 200, 200}), (TRectF{0, 0, 200, 35}));
    scope.Take();
    g.DrawText(TRectF{0, 0, 200, 200}, u"<b>one</b><br/><b>two</b>");
    std::vector<std::string> markup;
    for (const std::string& line : scope.Take())
        if (line.starts_with("Markup"))
            markup.push_back(line);
    EXPECT_THAT(markup, ElementsAre("Markup <b>one</b> 0 0", "Markup <b>two</b> 0 21"));
}

TEST(RurGraphicsColors, HTMLNotationsAndNames)
{
    EXPECT_EQ(TRurGraphics::ColorToHTML(0x0000FF), u"#FF0000");
    EXPECT_EQ(TRurGraphics::ColorToHTML(clBtnFace), TRurGraphics::ColorToHTML(ColorToRGB(clBtnFace)));
    const struct {
        const char16_t* html;
        TColor color;
    } cases[] = {{u"#FF8000", 0x0080FF}, {u"#F80", 0x0088FF}, {u"", gcNoColor}, {u"xFF0000", 0x0000FF}};
    for (const auto& c : cases)
        EXPECT_EQ(TRurGraphics::HTMLToColor(c.html), c.color) << TRecordingGraphicsContext::Text(c.html);
    EXPECT_THROW(TRurGraphics::HTMLToColor(u"#GG0000"), EConvertError);
    EXPECT_THROW(TRurGraphics::HTMLToColor(u"#12"), EConvertError);

    const struct {
        const char16_t* name;
        TColor color;
    } names[] = {{u"clRed", 0x0000FF}, {u"red", 0x0000FF}, {u"RED", 0x0000FF}, {u"clAqua", 0xFFFF00},
                 {u"gcNavy", 0x800000}, {u"nosuchcolour", 0}};
    for (const auto& n : names)
        EXPECT_EQ(TRurGraphics::TextToColor(n.name), n.color) << TRecordingGraphicsContext::Text(n.name);
}

class RurGraphicsPainters : public ::testing::Test {
protected:
    TRecordingScope scope;
    TRurGraphics g{nullptr, false};
};

TEST_F(RurGraphicsPainters, ButtonColoursFollowStateAndStyle)
{
    const struct {
        const char* name;
        bool focused, enabled, adapt, defaults;
        const char* face;
    } cases[] = {
        {"adapting before the defaults are set", false, true, true, false, "FillRect 0 0 20 10 2 $0"},
        {"fixed normal", false, true, false, false, "FillRect 0 0 20 10 2 $E1E1E1"},
        {"disabled and focused", true, false, false, false, "FillRect 0 0 20 10 2 $D3D3D3"},
        {"adapting after the defaults", true, true, true, true, "FillRect 0 0 20 10 2 $FBF1E5"},
    };
    for (const auto& c : cases) {
        if (c.defaults)
            TRurGraphics::SetDefaultGraphicColors();
        scope.Take();
        g.DrawButton(TRectF{0, 0, 20, 10}, false, c.focused, c.enabled, c.adapt, 1);
        EXPECT_EQ(Drawing(scope.Take()).front(), c.face) << c.name;
    }
}

TEST_F(RurGraphicsPainters, ACloseButtonWithoutStyleIsTheButtonFaceOnly)
{
    g.DrawButton(TRectF{0, 0, 20, 20}, true, false, true, false, 1);
    const auto button = Drawing(scope.Take());
    g.DrawCloseButton(TRectF{0, 0, 20, 20}, true, false, true, false, 1);
    auto close = Drawing(scope.Take());
    // The absent glyph picture reaches the back end as no graphic.
    ASSERT_EQ(close.size(), button.size() + 1);
    EXPECT_EQ(close.back().substr(0, 16), "DrawBitmap -1 -1");
    close.pop_back();
    EXPECT_EQ(close, button);
}

TEST_F(RurGraphicsPainters, CheckBoxesCrossOnlyWhenChecked)
{
    g.DrawCheckBox(TRectF{0, 0, 12, 12}, false, false, true, 1);
    EXPECT_THAT(Drawing(scope.Take()), ElementsAre("FillRect 1 1 11 11 2 $F8F8F8", "DrawRect 1 1 11 11 15 2 $0"));
    g.DrawCheckBox(TRectF{0, 0, 12, 12}, true, true, true, 1);
    const auto log = Drawing(scope.Take());
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[1], "DrawRect 1 1 11 11 15 2 $B48246");
    EXPECT_EQ(log[2], "DrawLine 3 3 8 8 2 2");
    EXPECT_EQ(log[3], "DrawLine 8 3 3 8 2 2");
}

TEST_F(RurGraphicsPainters, ProgressBarsClampTheirValue)
{
    g.DrawProgressBar(TRectF{0, 0, 102, 10}, 150, u"%.0f%%", 100, 0x00FF00, 0, true, true, 1);
    auto log = scope.Take();
    // A full bar ends at the frame's right edge.
    EXPECT_THAT(log, Contains("FillRect 1 1 102 9 2 $FF00"));
    EXPECT_THAT(log, Contains(::testing::StartsWith("DrawText 100% ")));
    g.DrawProgressBar(TRectF{0, 0, 102, 10}, 50, u"%.0f%%", 0, 0x00FF00, 0, true, true, 1);
    EXPECT_THAT(Drawing(scope.Take()), ElementsAre("FillRect 0 0 102 10 2 $F4F4F4", "DrawRect 0 0 102 10 15 2 $A9A9A9"));
}

} // namespace
