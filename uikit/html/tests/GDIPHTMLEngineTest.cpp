// The GDI+ caption engine on a GDI+ bitmap: layout results, hit tests, and the engines agreeing.
#include <gtest/gtest.h>

#include "GDIPHTMLEngine.h"
#include "Graphics.h"

using namespace RurGDIP;

namespace {

class GDIPCaption : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RurGDIPInitialize(); }
    static void TearDownTestSuite() { RurGDIPFinalize(); }

    void SetUp() override
    {
        FFont.SetName(u"Tahoma");
        FFont.SetHeight(-13);
        FGraphics.Clear(0xFFFFFFFF);
    }

    bool Draw(const String& AText, THTMLDrawGDIPOptions AOptions = {}, TRect ARect = TRect(0, 0, 300, 200))
    {
        FResult = THTMLDrawGDIPResult{};
        return HTMLDrawGDIP(FGraphics, FFont, AText, ARect, AOptions, FResult);
    }

    ARGB At(int x, int y)
    {
        FGraphics.Flush(FlushIntentionSync);
        ARGB color = 0;
        FBitmap.GetPixel(x, y, color);
        return color;
    }

    TFont FFont;
    TGPBitmap FBitmap{300, 200};
    TGPGraphics FGraphics{&FBitmap};
    THTMLDrawGDIPResult FResult;
};

} // namespace

TEST_F(GDIPCaption, MeasuresAndStripsLikeTheGDIEngine)
{
    const int gh = FGraphics.TextHeight(u"gh", &FFont);
    struct Case { String Text; String Stripped; int Links; };
    const Case cases[] = {
        {u"", u"", 0},
        {u"plain words", u"plain words", 0},
        {u"<b>one</b><BR><a href=\"x\">two</a> <a href=\"y\">three</a>", u"one\rtwo three", 2},
        {u"&amp; and &amp;", u"& and &", 0},
        {u"&amp;#65; &#66;", u"&#65; B", 0},
        {u"<#first> <#second>", u"#first ", 0},
        {u"<ul><li>a<li>b</ul>", u"ab", 0},
    };
    for (const Case& c : cases) {
        THTMLDrawGDIPOptions options;
        options.MeasureOnly = true;
        EXPECT_FALSE(Draw(c.Text, options)) << ToUtf8(c.Text);
        EXPECT_EQ(FResult.StrippedText, c.Stripped) << ToUtf8(c.Text);
        EXPECT_EQ(FResult.LinkCount, c.Links) << ToUtf8(c.Text);
    }
    Draw(u"");
    EXPECT_EQ(FResult.YSize, gh + 2);
    EXPECT_EQ(FResult.XSize, 0);
    THTMLDrawGDIPOptions options;
    options.MeasureOnly = true;
    Draw(u" ", options);
    EXPECT_EQ(FResult.XSize, 0);
}

TEST_F(GDIPCaption, FindsTheSecondAnchor)
{
    const int gh = FGraphics.TextHeight(u"gh", &FFont);
    THTMLDrawGDIPOptions options;
    options.HitTest = true;
    options.MouseX = 3;
    options.MouseY = gh + gh / 2;
    EXPECT_TRUE(Draw(u"<a href=\"one\">first</a><BR><a href=\"two\">second</a>", options));
    EXPECT_EQ(FResult.MouseLink, 2);
    EXPECT_EQ(FResult.Anchor, u"two");
}

TEST_F(GDIPCaption, DrawsBulletsAndRules)
{
    // The list tag ends its line; the item's square bullet takes its colour.
    const int gh = FGraphics.TextHeight(u"gh", &FFont);
    Draw(u"<ul><li type=\"square\" color=\"#0000FF\">item</ul>");
    EXPECT_EQ(At(5, gh + 6), 0xFF0000FFu);

    FGraphics.Clear(0xFFFFFFFF);
    Draw(u"x<hr>y");
    EXPECT_EQ(At(150, gh + 1), 0xFF000000u);
}

TEST_F(GDIPCaption, AgreesWithTheGDIEngineOnTextAndLinks)
{
    TBitmap bitmap(300, 200);
    TCanvas& canvas = *bitmap.Canvas();
    canvas.Font()->Assign(&FFont);
    const String markups[] = {
        u"<b>bold</b> and <i>italic</i><BR>next line",
        u"<a href=\"a\">one</a> <a href=\"b\">two</a><BR><a href=\"c\">three</a>",
        u"<font color=\"clred\" size=\"4\">big</font> <u>under</u> <s>struck</s>",
        u"x<sub>2</sub> y<sup>3</sup> <z>hidden</z> <e>error</e> <shad>shadow</shad>",
        u"<ul><li>first<li>second</ul>after",
        u"&eacute;&#x41;&#66;",
    };
    for (const String& markup : markups) {
        THTMLDrawOptions gdi;
        gdi.MeasureOnly = true;
        gdi.Scale = 1;
        THTMLDrawResult gdiResult;
        HTMLDraw(canvas, markup, TRect(0, 0, 300, 200), gdi, gdiResult);
        THTMLDrawGDIPOptions gdip;
        gdip.MeasureOnly = true;
        Draw(markup, gdip);
        EXPECT_EQ(FResult.StrippedText, gdiResult.StrippedText) << ToUtf8(markup);
        EXPECT_EQ(FResult.LinkCount, gdiResult.LinkCount) << ToUtf8(markup);
    }
}
