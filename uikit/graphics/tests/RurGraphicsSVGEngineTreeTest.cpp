#include <gtest/gtest.h>

#include "SVGTestTarget.h"

using namespace SVGTest;

namespace {

String Svg(const String& ABody, const String& ARootAttributes = u"")
{
    return u"<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink' " + ARootAttributes +
           u">" + ABody + u"</svg>";
}

struct TLoaded {
    TRurGraphicsSVGTree Tree{Readers};
    explicit TLoaded(const String& AText) { Tree.LoadFromText(AText); }
    TRurGraphicsSVGElement& operator[](int AIndex) const { return *Tree.Elements()[AIndex]; }
};


} // namespace

TEST(RurGraphicsSVGEngineTree, ViewRectFromViewBoxSizeOrShapes)
{
    const struct {
        const char16_t* root;
        const char16_t* body;
        TRectF view;
    } cases[] = {
        {u"viewBox='10 20 100 50'", u"<rect width='1' height='1'/>", RectF(10, 20, 110, 70)},
        {u"viewBox=' 0\n0 800 192 '", u"", RectF(0, 0, 800, 192)},
        // Commas are not separators here: the size, then the shapes decide.
        {u"viewBox='0,0,100,50' width='200' height='1in'", u"", RectF(0, 0, 200, 25.4f)},
        {u"viewBox='0,0,100,50'", u"<rect x='10' y='10' width='20' height='20'/>", RectF(10, 10, 30, 30)},
        {u"width='200'", u"<circle cx='5' cy='5' r='5'/><line x1='20' y1='30' x2='15' y2='2'/>", RectF(0, 0, 20, 30)},
        {u"", u"<g transform='translate(100,0)'><rect width='10' height='10' transform='scale(5)'/></g>",
         RectF(100, 0, 110, 10)},
        {u"", u"<path d='M0,0 L10,10' transform='translate(5 5)'/>", RectF(5, 5, 15, 15)},
        {u"", u"<text x='1' y='2'>A</text>", RectF(0, 0, 0, 0)},
        {u"viewBox='0 0 x 5'", u"", RectF(0, 0, 0, 0)},
    };
    for (const auto& c : cases) {
        TLoaded svg(Svg(c.body, c.root));
        EXPECT_EQ(svg.Tree.ViewRect(), c.view) << ToUtf8(c.root) << " " << ToUtf8(c.body);
    }
}

TEST(RurGraphicsSVGEngineTree, WhatLoadsAndWhatDoesNot)
{
    TLoaded html(u"<html><rect width='1' height='1'/></html>");
    EXPECT_FALSE(html.Tree.HasElements());

    TLoaded defsOnly(Svg(u"<defs><rect id='r' width='1' height='1'/></defs>"));
    EXPECT_FALSE(defsOnly.Tree.HasElements());
    EXPECT_EQ(defsOnly.Tree.Defs().Count(), 1);

    // Comments, unknown elements, blank text, switch and use give no element.
    TLoaded skipped(Svg(u"<!-- c --><foo><rect/></foo>\n  <switch><rect/></switch><use xlink:href='#a'/><rect/>"));
    ASSERT_EQ(skipped.Tree.ElementCount(), 1);
    EXPECT_EQ(skipped[0].Type(), etRect);

    TRurGraphicsSVGTree tree(Readers);
    tree.LoadFromText(Svg(u"<rect/><rect/>"));
    tree.LoadFromText(Svg(u"<circle/>"));
    ASSERT_EQ(tree.ElementCount(), 1);
    EXPECT_EQ(tree.Elements()[0]->Type(), etCircle);
    EXPECT_THROW(tree.LoadFromText(u"<svg><rect></svg>"), EXMLParseError);
    EXPECT_FALSE(tree.HasElements());
}

TEST(RurGraphicsSVGEngineTree, GeometryByElement)
{
    TLoaded svg(Svg(u"<circle r='10'/><ellipse cx='1' cy='2' rx='3' ry='4'/>"
                    u"<line x1='1' y1='2' x2='3' y2='4'/><rect x='1' y='2' width='3pt' height='4' rx='5' ry='6'/>"
                    u"<polyline points='10,20 30,40 50'/><polygon points='0,0 10-10'/>"
                    u"<path d='M0 0 L10 0 M5 5 L 10'/>"));
    const struct {
        float x, y, w, h, rx, ry;
    } expected[] = {{0, 0, 0, 0, 10, 10}, {1, 2, 0, 0, 3, 4}, {1, 2, 3, 4, 0, 0}, {1, 2, 3.75f, 4, 5, 6}};
    for (int i = 0; i < 4; ++i) {
        const auto& e = expected[i];
        EXPECT_EQ(svg[i].X(), e.x) << i;
        EXPECT_EQ(svg[i].Y(), e.y) << i;
        EXPECT_EQ(svg[i].Width(), e.w) << i;
        EXPECT_EQ(svg[i].Height(), e.h) << i;
        EXPECT_EQ(svg[i].Rx(), e.rx) << i;
        EXPECT_EQ(svg[i].Ry(), e.ry) << i;
    }
    EXPECT_FALSE(svg[4].HasPaths()); // an odd count of numbers
    ASSERT_TRUE(svg[5].HasActivePath());
    EXPECT_EQ(svg[5].ActivePath()->GetPoint(1).Point, PointF(10, -10));
    // The line short of a number is dropped; the second figure's move still makes a path.
    ASSERT_EQ(svg[6].Paths().Count(), 2);
    EXPECT_EQ(svg[6].CombinedPath().Count(), 3);
}

TEST(RurGraphicsSVGEngineTree, Declarations)
{
    TLoaded svg(Svg(u"<rect style='fill:blue;stroke:red;opacity:0.5' fill='red'/>"
                    u"<rect fill='rgba(0,0,0,0)' stroke='rgb(1,2)'/>"
                    u"<rect fill='#GG0000' stroke='#12' stroke-width='2px'/>"
                    u"<rect fill=\"url('#g1')\" stroke='url(#g2)' stroke-width='3' opacity='x'/>"
                    u"<rect fill='none' stroke='transparent' display='NONE' class='a' id='r5'/>"
                    u"<text font-family='Arial, Tahoma-BoldMT' font-style='italic' font-size='2pc'>T</text>"
                    u"<rect fill='nosuchcolour' clip-path='url(#c1)' preserveAspectRatio='none'/>"));
    EXPECT_EQ(svg[0].FillColor(), 0x0000FF); // the attribute after the style's declaration
    EXPECT_EQ(svg[0].StrokeColor(), 0x0000FF);
    EXPECT_EQ(svg[0].Opacity(), 0.5f);
    EXPECT_EQ(svg[1].FillColorValue(), u"none");
    EXPECT_EQ(svg[1].StrokeColorValue(), u"none");
    // Colours that cannot be read paint nothing; the load goes on.
    EXPECT_EQ(svg[2].FillColorValue(), u"none");
    EXPECT_EQ(svg[2].FillColor(), SVGNoColor);
    EXPECT_FALSE(svg[2].HasStrokeColor());
    EXPECT_EQ(svg[2].StrokeWidth(), 1); // a unit makes it unreadable: unchanged
    EXPECT_TRUE(svg[2].HasStrokeWidth());
    EXPECT_EQ(svg[3].URLRefID(), u"g2"); // the last of fill and stroke
    EXPECT_EQ(svg[3].FillColor(), 0);
    EXPECT_EQ(svg[3].StrokeWidth(), 3);
    EXPECT_EQ(svg[3].Opacity(), 1);
    EXPECT_EQ(svg[4].FillColor(), SVGNoColor);
    EXPECT_EQ(svg[4].DisplayValue(), u"none");
    EXPECT_EQ(svg[4].ClassRefID(), u"a");
    EXPECT_EQ(svg[4].ID(), u"r5");
    EXPECT_EQ(svg[5].FontFamily(), u"Tahoma-Bold");
    EXPECT_TRUE(svg[5].FontBold());
    EXPECT_FALSE(svg[5].FontItalic()); // the family's style words came first
    EXPECT_EQ(svg[5].FontSize(), 30);
    EXPECT_EQ(svg[5].Text(), u"T");
    EXPECT_EQ(svg[6].FillColor(), 0);
    EXPECT_EQ(svg[6].ClipPathRefID(), u"c1");
    EXPECT_EQ(svg[6].PreserveAspectRatio(), parNone);
}

TEST(RurGraphicsSVGEngineTree, GradientsAndReferences)
{
    TLoaded svg(Svg(u"<defs><linearGradient id='g1' x1='0' y1='0' x2='10' y2='10'>"
                    u"<stop offset='50%' stop-color='#F00' stop-opacity='0.5'/><stop offset='1' style='stop-color:blue'/>"
                    u"</linearGradient><radialGradient id='g2' xlink:href='#g1' cx='30%'/></defs>"
                    u"<rect fill='url(#g1)'/><g><rect fill='url(#g2)'/></g>"));
    const TRurGraphicsSVGElement& g1 = *svg.Tree.Defs()[0];
    const TRurGraphicsSVGElement& g2 = *svg.Tree.Defs()[1];
    EXPECT_EQ(g1.Width(), 10);
    ASSERT_EQ(const_cast<TRurGraphicsSVGElement&>(g1).Elements().Count(), 2);
    const TRurGraphicsSVGElement& stop = *const_cast<TRurGraphicsSVGElement&>(g1).Elements()[0];
    EXPECT_EQ(stop.Offset(), 0.5f);
    EXPECT_EQ(stop.StopColor(), 0x0000FF);
    EXPECT_EQ(stop.StopOpacity(), 0.5f);
    EXPECT_TRUE(g2.HasCX());
    EXPECT_FALSE(g2.HasCY());
    EXPECT_EQ(g2.CX(), 30);
    EXPECT_EQ(g2.HRefRef(), &g1);
    EXPECT_EQ(svg[0].PatternRef(), &g1);
    EXPECT_EQ(svg[1].Elements()[0]->PatternRef(), &g2);
}

TEST(RurGraphicsSVGEngineTree, StyleRulesAndClassReferences)
{
    TLoaded svg(Svg(u"<style><![CDATA[ .st0{fill:#FFFFFF;} .hidden{display:none;} .clip{clip-path:url(#c)} p{fill:red} ]]></style>"
                    u"<defs><clipPath id='c'><rect width='5' height='6'/></clipPath></defs>"
                    u"<path class='st0' fill='red' d='M0 0 L1 1'/><g class='hidden'/><rect class='st0 hidden'/>"
                    u"<rect class='clip'/>"));
    const TRurGraphicsSVGElementList& defs = svg.Tree.Defs();
    ASSERT_EQ(defs.Count(), 4);
    EXPECT_EQ(defs[0]->ClassRefID(), u"st0");
    EXPECT_EQ(defs[0]->FillColor(), 0xFFFFFF);
    EXPECT_EQ(defs[1]->ClassRefID(), u"hidden");
    EXPECT_EQ(svg[0].ClassRef(), defs[0]);
    EXPECT_EQ(svg[1].ClassRef(), defs[1]);
    EXPECT_EQ(svg[2].ClassRef(), nullptr); // two class names match no rule
    ASSERT_NE(svg[3].ClipPathRef(), nullptr);
    EXPECT_EQ(svg[3].ClipPathRef()->Height(), 6);
}

TEST(RurGraphicsSVGEngineTree, TextElements)
{
    TLoaded svg(Svg(u"<text x='1' y='2'> A </text><text x='3' y='4'><tspan x='5' y='6'>B</tspan> C</text>"));
    EXPECT_EQ(svg[0].Text(), u" A ");
    EXPECT_FALSE(svg[0].HasElements());
    ASSERT_EQ(svg[1].Elements().Count(), 2);
    TRurGraphicsSVGElement& span = *svg[1].Elements()[0];
    EXPECT_EQ(span.Type(), etTextSpan);
    ASSERT_EQ(span.Elements().Count(), 1);
    EXPECT_EQ(span.Elements()[0]->Type(), etTextSpanChild);
    EXPECT_EQ(span.Elements()[0]->Text(), u"B");
    EXPECT_EQ(svg[1].Elements()[1]->Text(), u" C");
}

TEST(RurGraphicsSVGEngineTree, UntrustedDocuments)
{
    // Pictures only from data carried in the document, and only those that decode.
    TLoaded images(Svg(u"<image xlink:href='data:image/x;base64,UElDMTIz' width='4' height='3'/>"
                       u"<image xlink:href='/etc/passwd'/><image xlink:href='x data:image/x;base64,UElDMTIz'/>"
                       u"<image xlink:href='data:image/x;base64,AAAA'/><image xlink:href='data:image/x,PIC'/>"
                       u"<image xlink:href='data:image/x;base64,@@@'/><rect/>"));
    ASSERT_EQ(images.Tree.ElementCount(), 7);
    ASSERT_TRUE(images[0].HasBitmap());
    EXPECT_EQ(static_cast<TPicture*>(images[0].Bitmap())->Size, 6u);
    for (int i = 1; i < 6; ++i)
        EXPECT_FALSE(images[i].HasBitmap()) << i;

    // A document type is read, its entities are not expanded.
    TLoaded entity(u"<!DOCTYPE svg [<!ENTITY c \"red\">]>" + Svg(u"<rect fill='&c;'/>"));
    ASSERT_EQ(entity.Tree.ElementCount(), 1);
    EXPECT_TRUE(entity[0].FillColorValue().starts_with(u"&c")) << ToUtf8(entity[0].FillColorValue());
    EXPECT_EQ(entity[0].FillColor(), 0);

    // Bytes keep their declared encoding.
    const std::string latin1 = "<?xml version='1.0' encoding='ISO-8859-1'?><svg><text>\xE9</text></svg>";
    TRurGraphicsSVGTree tree(Readers);
    tree.LoadFromBytes(TBytes(latin1.begin(), latin1.end()));
    ASSERT_EQ(tree.ElementCount(), 1);
    EXPECT_EQ(tree.Elements()[0]->Text(), u"\u00E9");
}

TEST(RurGraphicsSVGEngineTree, SavesTheDocumentFromItsTree)
{
    TRurGraphicsSVGTree tree(Readers);
    TMemoryStream empty;
    tree.SaveToStream(empty);
    EXPECT_EQ(empty.Size(), 0);
    tree.LoadFromText(u"<svg><rect width='1'/></svg>");
    TMemoryStream saved;
    tree.SaveToStream(saved);
    TRurGraphicsSVGTree again(Readers);
    TBytes bytes(static_cast<size_t>(saved.Size()));
    saved.SetPosition(0);
    saved.Read(bytes.data(), saved.Size());
    again.LoadFromBytes(bytes);
    ASSERT_EQ(again.ElementCount(), 1);
    EXPECT_EQ(again.Elements()[0]->Width(), 1);
}
