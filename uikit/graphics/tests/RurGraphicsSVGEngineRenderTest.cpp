#include <gtest/gtest.h>

#include "SVGTestTarget.h"

using namespace SVGTest;
using Lines = std::vector<std::string>;

namespace {

// Draws the document into ARect (its view box 0 0 100 50 unless the text gives one).
TLogTarget Draw(const String& ABody, TRectF ARect = {0, 0, 100, 50}, const TRurGraphicsSVGColorOptions& AOptions = {},
                const String& AViewBox = u"0 0 100 50")
{
    TRurGraphicsSVGTree tree(Readers);
    tree.LoadFromText(u"<svg viewBox='" + AViewBox + u"'>" + ABody + u"</svg>");
    TLogTarget target;
    TRurGraphicsMatrix matrix;
    float sx = 0, sy = 0;
    if (SVGDocumentMatrix(tree.ViewRect(), ARect, 0, matrix, sx, sy))
        DrawSVGElements(tree.Elements(), target, matrix, sx, sy, AOptions);
    return target;
}

} // namespace

TEST(RurGraphicsSVGEngineRender, DocumentMatrix)
{
    TRurGraphicsMatrix m;
    float sx = 0, sy = 0;
    ASSERT_TRUE(SVGDocumentMatrix({0, 0, 800, 192}, {0, 0, 400, 96}, 0, m, sx, sy));
    EXPECT_EQ(sx, 0.5f);
    EXPECT_EQ(sy, 0.5f);
    ASSERT_TRUE(SVGDocumentMatrix({0, 0, 800, 192}, {0, 0, 400, 192}, 0, m, sx, sy));
    EXPECT_EQ(PointF(800, 192) * m, PointF(400, 192));
    // The target's corner is placed exactly, not on a multiple of the scale.
    ASSERT_TRUE(SVGDocumentMatrix({10, 20, 110, 70}, {3, 5, 303, 105}, 0, m, sx, sy));
    const TPointF corner = PointF(10, 20) * m;
    EXPECT_NEAR(corner.X, 3, 1e-4);
    EXPECT_NEAR(corner.Y, 5, 1e-4);
    // A half turn keeps the view box's centre on the target's centre.
    ASSERT_TRUE(SVGDocumentMatrix({100, 100, 200, 200}, {0, 0, 100, 100}, 180, m, sx, sy));
    const TPointF centre = PointF(150, 150) * m, corner2 = PointF(100, 100) * m;
    EXPECT_NEAR(centre.X, 50, 1e-3);
    EXPECT_NEAR(centre.Y, 50, 1e-3);
    EXPECT_NEAR(corner2.X, 100, 1e-3);
    EXPECT_NEAR(corner2.Y, 100, 1e-3);

    EXPECT_FALSE(SVGDocumentMatrix({0, 0, 0, 10}, {0, 0, 10, 10}, 0, m, sx, sy));
    EXPECT_FALSE(SVGDocumentMatrix({0, 0, 10, 10}, {0, 0, 0, 10}, 0, m, sx, sy));
}

TEST(RurGraphicsSVGEngineRender, ShapesUnderTheirTransforms)
{
    const TLogTarget t = Draw(u"<g transform='translate(10 0)'><rect x='1' y='2' width='3' height='4'"
                              u" transform='scale(2)'/><circle cx='5' cy='5' r='5'/></g>"
                              u"<line x1='0' y1='0' x2='10' y2='20'/><path d='M0 0 L 4 4 M 10 10 L 12 8'/>",
                              {0, 0, 200, 100});
    EXPECT_EQ(t.Only("Path"), (Lines{"Path 24 8 36 24", "Path 20 0 40 20", "Path 0 0 20 40", "Path 0 0 24 20"}));
}

TEST(RurGraphicsSVGEngineRender, StyleSourceAndInheritance)
{
    // The class rule is the style source; a hidden group is skipped, its later siblings are not.
    const TLogTarget t = Draw(u"<style>.st0{fill:#FFFFFF;}.hidden{display:none;}</style>"
                              u"<path class='st0' fill='red' d='M0 0 L1 1'/>"
                              u"<g class='hidden'><rect width='1' height='1'/></g>"
                              u"<g fill='blue' stroke='red' stroke-width='0.5' opacity='0.25'><rect width='2' height='2'/></g>"
                              u"<rect width='3' height='3' fill='none' stroke='url(#x)'/>");
    EXPECT_EQ(t.Only("Fill"), (Lines{"Fill solid ffffff 0 0 0", "Fill solid ff0000 0 0 0", "Fill solid ff0000 0 0 0",
                                     "Fill none 0 0 0 0"}));
    EXPECT_EQ(t.Only("Stroke"), (Lines{"Stroke ffffffff 1", "Stroke ff 1", "Stroke ff 1", "Stroke 0 1"}));
    EXPECT_EQ(t.Only("Opacity"), (Lines{"Opacity 1", "Opacity 0.25", "Opacity 0.25", "Opacity 1"}));
    EXPECT_EQ(t.Only("Path"), (Lines{"Path 0 0 1 1", "Path 0 0 2 2", "Path 0 0 3 3"}));
}

TEST(RurGraphicsSVGEngineRender, ColourOptions)
{
    const struct {
        TRurGraphicsSVGColorOptions options;
        const char16_t* body;
        const char* fill;
    } cases[] = {
        {{true}, u"<rect fill='red'/>", "Fill solid 4c4c4c 0 0 0"},
        {{false, SVGNoColor, SVGNoColor, 0x0000FF}, u"<rect fill='white'/>", "Fill solid ff 0 0 0"},
        {{false, SVGNoColor, SVGNoColor, 0x0000FF}, u"<rect fill='blue'/>", "Fill solid 0 0 0 0"},
        {{false, 0x00FF00}, u"<rect fill='red'/>", "Fill solid ff00 0 0 0"},
        {{}, u"<rect/>", "Fill solid 0 0 0 0"},
        {{true}, u"<rect/>", "Fill solid 808080 0 0 0"},
        {{true, SVGNoColor, SVGNoColor, 0x123456}, u"<rect/>", "Fill solid 123456 0 0 0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Draw(c.body, {0, 0, 100, 50}, c.options).Only("Fill"), Lines{c.fill}) << ToUtf8(c.body);

    EXPECT_EQ(Draw(u"<rect opacity='0.5'/>", {0, 0, 100, 50}, {false, -1, -1, -1, 0.75f}).Only("Opacity"),
              Lines{"Opacity 0.75"});
    EXPECT_EQ(Draw(u"<rect stroke='red'/>", {0, 0, 100, 50}, {false, -1, 0xABCDEF}).Only("Stroke"),
              Lines{"Stroke abcdef 1"});
}

TEST(RurGraphicsSVGEngineRender, StrokeWidthFollowsTheScale)
{
    EXPECT_EQ(Draw(u"<rect stroke='red' stroke-width='0.5'/>").Only("Stroke"), Lines{"Stroke ff 1"});
    EXPECT_EQ(Draw(u"<rect stroke='red' stroke-width='0.5'/>", {0, 0, 400, 200}).Only("Stroke"), Lines{"Stroke ff 2"});
}

TEST(RurGraphicsSVGEngineRender, Gradients)
{
    const TLogTarget t =
        Draw(u"<defs><linearGradient id='l' x1='0' y1='0' x2='0' y2='10'><stop offset='0' stop-color='red'/>"
             u"<stop offset='100%' stop-color='blue' stop-opacity='0.5'/></linearGradient>"
             u"<radialGradient id='r' xlink:href='#l'/><radialGradient id='c' cx='25%' cy='0'/>"
             u"<pattern id='p'><rect/></pattern></defs>"
             u"<rect fill='url(#l)' width='1' height='1'/><rect x='10' y='10' width='20' height='40' fill='url(#r)'/>"
             u"<rect x='10' y='10' width='20' height='40' fill='url(#c)'/><rect fill='url(#p)'/>",
             {0, 0, 200, 100});
    EXPECT_EQ(t.Only("Fill"), (Lines{"Fill linear 0 90 0 0 [ff 0 1] [ff0000 1 0.5]",
                                     // The href target gives kind, geometry and stops.
                                     "Fill linear 0 90 0 0 [ff 0 1] [ff0000 1 0.5]", "Fill radial 0 0 30 20",
                                     "Fill linear 0 0 0 0"}));
}

TEST(RurGraphicsSVGEngineRender, RadialGradientCentresOnThePaintedShape)
{
    const TLogTarget t = Draw(u"<defs><radialGradient id='r'/></defs>"
                              u"<circle cx='20' cy='10' r='5' fill='url(#r)'/>",
                              {0, 0, 200, 100});
    EXPECT_EQ(t.Only("Fill"), Lines{"Fill radial 0 0 40 20"});
}

TEST(RurGraphicsSVGEngineRender, ClipFromAStyleRule)
{
    const TLogTarget t = Draw(u"<style>.c{clip-path:url(#k)}</style>"
                              u"<defs><clipPath id='k'><circle cx='5' cy='5' r='5'/></clipPath></defs>"
                              u"<rect class='c' width='20' height='20'/><rect clip-path='url(#k)' width='1' height='1'/>");
    EXPECT_EQ(t.Only("Clip"), Lines{"Clip 0 0 10 10"});
}

TEST(RurGraphicsSVGEngineRender, TextAndImages)
{
    const TLogTarget t =
        Draw(u"<text x='10' y='20' fill='red'>A</text><text x='1' y='30' font-family='Tahoma' font-size='8' "
             u"font-weight='bold'><tspan x='5' y='40'>B</tspan></text>"
             u"<image x='1' y='2' width='3' height='4' xlink:href='data:image/x;base64,UElD'/>"
             u"<image x='1' y='2' width='3' height='4' preserveAspectRatio='none' xlink:href='data:i;base64,UElD'/>",
             {0, 0, 200, 100});
    EXPECT_EQ(t.Only("Font"), (Lines{"Font Arial 12 ff", "Font Tahoma 8 0"}));
    EXPECT_EQ(t.Only("Text"), (Lines{"Text A 10 10 2", "Text B 5 30 2"}));
    EXPECT_EQ(t.Only("Image"), (Lines{"Image 3 1 2 4 6 aspect 2 0", "Image 3 1 2 4 6 stretch 2 0"}));
}
