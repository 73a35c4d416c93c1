#include <gtest/gtest.h>

#include "RurGraphicsSVGEngine_Attributes.h"

TEST(RurGraphicsSVGEngineAttributes, ElementKindsByExactName)
{
    EXPECT_EQ(SVGElementTypeOf(u"g"), etContainer);
    EXPECT_EQ(SVGElementTypeOf(u"#text"), etTextSpanChild);
    EXPECT_EQ(SVGElementTypeOf(u"radialGradient"), etRadialGradient);
    EXPECT_EQ(SVGElementTypeOf(u"pattern"), etPattern);
    EXPECT_EQ(SVGElementTypeOf(u"Rect"), etUnknown);
    EXPECT_EQ(SVGElementTypeOf(u"#comment"), etUnknown);
    EXPECT_EQ(SVGElementTypeOf(u""), etUnknown);
}

TEST(RurGraphicsSVGEngineAttributes, PresentationAttributesComeAfterTheStyle)
{
    const String text = SVGDeclarationText(u"fill:blue", {{u"style", u"fill:blue"}, {u"fill", u"red"}});
    EXPECT_EQ(text, u"fill:blue;style:fill:blue;fill:red");
    const TRurGraphicsSVGDeclarations expected = {{u"fill", u"blue"}, {u"style", u"fill:blue"}, {u"fill", u"red"}};
    EXPECT_EQ(SplitDeclarations(text), expected);
    EXPECT_EQ(SVGDeclarationText(u"", {{u"x", u"1"}, {u"y", u"2"}}), u"x:1;y:2");
}

TEST(RurGraphicsSVGEngineAttributes, Declarations)
{
    const struct {
        const char16_t* text;
        TRurGraphicsSVGDeclarations declarations;
    } cases[] = {
        {u"  fill : red ;stroke:#00f;; ", {{u"fill", u"red"}, {u"stroke", u"#00f"}}},
        {u"nocolon;opacity:0.5", {{u"opacity", u"0.5"}}},
        {u"xlink:href:#g1", {{u"xlink:href", u"#g1"}}},
        {u"xlink:href", {}},
        {u"font-family:a:b", {{u"font-family", u"a:b"}}},
        {u":x", {{u"", u"x"}}},
        {u"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitDeclarations(c.text), c.declarations) << ToUtf8(c.text);
}

TEST(RurGraphicsSVGEngineAttributes, StyleRules)
{
    const struct {
        const char16_t* text;
        std::vector<TRurGraphicsSVGStyleRule> rules;
    } cases[] = {
        {u".a{fill:red}.b{fill:blue}", {{u"a", u"fill:red"}, {u"b", u"fill:blue"}}},
        {u"  .st0 {fill:#FFF;}\n .st1{stroke:none}  ", {{u"st0 ", u"fill:#FFF;"}, {u"st1", u"stroke:none"}}},
        {u"rect{fill:red}", {}},
        {u".{fill:red}.c{}", {{u"c", u""}}},
        {u"}.a{", {{u"a", u""}}},
        {u".a{fill:red", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseStyleRules(c.text), c.rules) << ToUtf8(c.text);
}

TEST(RurGraphicsSVGEngineAttributes, URLIds)
{
    const struct {
        const char16_t* value;
        const char16_t* id;
    } cases[] = {
        {u"url(#g1)", u"g1"}, {u"url('#g1')", u"g1"}, {u"url(#g1", u""}, {u"url(g1)", u""}, {u"#g1", u""}, {u"", u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseURLId(c.value), c.id) << ToUtf8(c.value);
}

TEST(RurGraphicsSVGEngineAttributes, FontFamilies)
{
    const struct {
        const char16_t* value;
        const char16_t* family;
        bool bold, italic;
    } cases[] = {
        {u"Tahoma", u"Tahoma", false, false},
        {u"ArialMT", u"Arial", false, false},
        {u"Arial-BoldMT", u"Arial-Bold", true, false},
        {u"Face-BoldItalicMT, Serif Face , Other", u"Serif Face", true, true},
        {u"bold italic", u"bold italic", false, false},
        {u"", u"", false, false},
    };
    for (const auto& c : cases) {
        bool bold = !c.bold, italic = !c.italic;
        EXPECT_EQ(ParseFontFamily(c.value, bold, italic), c.family) << ToUtf8(c.value);
        EXPECT_EQ(bold, c.bold) << ToUtf8(c.value);
        EXPECT_EQ(italic, c.italic) << ToUtf8(c.value);
    }
}
