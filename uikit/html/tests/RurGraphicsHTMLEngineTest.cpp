// The vector renderer on both back ends of the drawing object: layout results, the drawing
// object's rich text through the registered renderer, controls, pictures, and the three engines
// agreeing on the stripped text and the link numbering.
#include <gtest/gtest.h>

#include "CaptionPictures.h"
#include "GDIPHTMLEngine.h"
#include "GraphicUnits.h"
#include "RurFoundationUnits.h"
#include "RurGraphicsHTMLEngine.h"
#include "RurHTML.h"
#include "RurUtils.h"

namespace {

class StartupEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        StartGraphicUnits();
        FFoundation.Initialize();
        FRenderer.Initialize();
    }
    void TearDown() override
    {
        FRenderer.Finalize();
        FFoundation.Finalize();
    }

private:
    TUnitStartup FFoundation{RurFoundationUnits()};
    TUnitStartup FRenderer{std::span<const TUnitStep>(&RurGraphicsHTMLEngineUnit, 1)};
};

const auto* const Environment = ::testing::AddGlobalTestEnvironment(new StartupEnvironment);

constexpr int Width = 300, Height = 200;

class VectorCaption : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        G = TRurGraphics::CreateBitmapCanvas(Width, Height, GetParam(), false);
        G->Font()->SetName(u"Tahoma");
        G->Font()->SetHeight(-13);
        G->Font()->SetColor(clBlack);
        G->BeginScene();
        G->Stroke()->SetKind(gskNone);
        G->Fill()->SetColor(clWhite);
        G->DrawRectangle(TRectF{0, 0, Width, Height});
        G->Stroke()->SetKind(gskSolid);
    }
    void TearDown() override { G->EndScene(); }

    bool Draw(const String& AText, THTMLDrawGraphicsOptions AOptions = {}, TRectF ARect = {0, 0, Width, Height})
    {
        Result = THTMLDrawGraphicsResult{};
        return HTMLDrawGraphics(*G, AText, ARect, AOptions, Result);
    }
    THTMLDrawGraphicsResult Measure(const String& AText, TRectF ARect = {0, 0, Width, Height})
    {
        THTMLDrawGraphicsOptions options;
        options.MeasureOnly = true;
        Draw(AText, options, ARect);
        return Result;
    }

    // What was drawn so far reaches the bitmap; the GDI+ back end binds itself again after it.
    void Flush()
    {
        G->EndScene();
        G->Context()->SetSize(Width, Height);
        G->BeginScene();
    }
    TColor Pixel(int x, int y)
    {
        Flush();
        return G->Bitmap()->Canvas()->Pixels(x, y);
    }
    // Pixels in the rectangle where one channel stands well above the other two.
    int Count(const TRect& ARect, int AShift)
    {
        Flush();
        int count = 0;
        for (int y = ARect.Top; y < ARect.Bottom; ++y)
            for (int x = ARect.Left; x < ARect.Right; ++x) {
                const TColor c = G->Bitmap()->Canvas()->Pixels(x, y);
                const int main = (c >> AShift) & 0xFF;
                const int a = (c >> ((AShift + 8) % 24)) & 0xFF;
                const int b = (c >> ((AShift + 16) % 24)) & 0xFF;
                count += main > a + 60 && main > b + 60;
            }
        return count;
    }
    int Reddish(const TRect& ARect) { return Count(ARect, 0); }
    // Dark pixels: marks and outlines, not the fills behind them.
    int Dark(const TRect& ARect)
    {
        Flush();
        int count = 0;
        for (int y = ARect.Top; y < ARect.Bottom; ++y)
            for (int x = ARect.Left; x < ARect.Right; ++x) {
                const TColor c = G->Bitmap()->Canvas()->Pixels(x, y);
                count += (c & 0xFF) < 96 && ((c >> 8) & 0xFF) < 96 && ((c >> 16) & 0xFF) < 96;
            }
        return count;
    }

    std::unique_ptr<TRurGraphics> G;
    THTMLDrawGraphicsResult Result;
};

TEST_P(VectorCaption, MeasuresEveryTagFamily)
{
    const float gh = G->CalculateText(u"gh", TRectF{0, 0, 10000, 10000}, false, false).Bottom;
    struct Case {
        String Text;
        String Stripped;
        int Lines;
        int Links;
    };
    const Case cases[] = {
        {u"", u"", 0, 0},
        {u"word", u"word", 1, 0},
        {u"word<BR>word", u"word\rword", 2, 0},
        {u"<b>word</b> <i>word</i> <u>word</u> <s>word</s>", u"word word word word", 1, 0},
        {u"<font face=\"Arial\" color=\"#FF0000\" size=\"5\">word</font>", u"word", 1, 0},
        {u"<a href=\"one\">word</a> and <a title=\"t\" href=\"two\">word</a>", u"word and word", 1, 2},
        {u"<p align=\"right\">word</p>word", u"wordword", 2, 0},
        {u"<ul><li>word<li>word</ul>", u"wordword", 3, 0},
        {u"<z>hidden</z>word", u"hiddenword", 1, 0},
        {u"<shad>word</shad> <e>word</e> <hi>word</hi>", u"word word word", 1, 0},
        {u"A &amp; B &lt;&nbsp;&gt; &amp;#65;", u"A & B < > &#65;", 1, 0},
        {u"word<hr>word", u"wordword", 2, 0},
        {u"<sub>word</sub><sup>word</sup>", u"wordword", 1, 0},
        {u"<#first> and <#second>", u"#first and ", 1, 0},
        {u"<control type=\"check\" value=\"true\"> word", u" word", 1, 0},
        {u"open <b", u"open ", 1, 0},
    };
    for (const Case& c : cases) {
        const THTMLDrawGraphicsResult r = Measure(c.Text);
        EXPECT_EQ(r.StrippedText, c.Stripped) << ToUtf8(c.Text);
        EXPECT_EQ(r.LinkCount, c.Links) << ToUtf8(c.Text);
        EXPECT_EQ(r.LineCount, c.Lines) << ToUtf8(c.Text);
        EXPECT_GE(r.YSize, float(std::max(c.Lines, 1)) * gh) << ToUtf8(c.Text);
    }
    // An empty text is exactly one "gh" high; a trailing blank does not count for the width.
    EXPECT_EQ(Measure(u"").YSize, gh);
    EXPECT_EQ(Measure(u"word ").XSize, Measure(u"word").XSize);
    // Words wrap inside the rectangle, and a line of its own is as high as "gh".
    const THTMLDrawGraphicsResult narrow = Measure(u"one two three four five six", TRectF{0, 0, 60, 400});
    EXPECT_GT(narrow.LineCount, 2);
    EXPECT_LE(narrow.XSize, 62);
}

TEST_P(VectorCaption, HitTestsAnchorsAndReadsHrefByName)
{
    const String text = u"go <a title=\"Help page\" href=\"first\">here</a> or <a href=\"second\">there</a>";
    const THTMLDrawGraphicsResult measured = Measure(text);
    ASSERT_EQ(measured.LinkCount, 2);
    THTMLDrawGraphicsOptions options;
    options.HitTest = true;
    options.X = int(measured.XSize) - 6;
    options.Y = 6;
    EXPECT_TRUE(Draw(text, options));
    EXPECT_EQ(Result.Anchor, u"second");
    EXPECT_EQ(Result.MouseLink, 2);
    EXPECT_GT(Result.HoverRect.Right, Result.HoverRect.Left);

    options.X = 30; // over "here": the title written first is not the reference
    EXPECT_TRUE(Draw(text, options));
    EXPECT_EQ(Result.Anchor, u"first");
    options.X = 5; // over "go"
    EXPECT_FALSE(Draw(text, options));
    EXPECT_TRUE(Result.Anchor.empty());
}

TEST_P(VectorCaption, DrawsColoursBandsAndRulesThroughTheDrawingObject)
{
    Draw(u"<font color=\"#FF0000\">RED RED</font><hr color=\"#FF0000\">black");
    EXPECT_GT(Reddish(TRect(0, 0, 80, 16)), 10) << "red text";
    const float gh = G->CalculateText(u"gh", TRectF{0, 0, 10000, 10000}, false, false).Bottom;
    EXPECT_GT(Reddish(TRect(100, int(gh), Width, int(gh) + 3)), 100) << "the rule spans the line";
    EXPECT_EQ(Reddish(TRect(0, int(gh) + 3, Width, Height)), 0) << "the closing tag restores black";

    Draw(u"<body bgcolor=\"#0000FF\">x");
    EXPECT_EQ(Pixel(Width - 3, Height - 3), TColor(0xFF0000)) << "the body fills the caption";

    // Drawing leaves the drawing object's font, fill and stroke as they were.
    G->Fill()->SetColor(clLime);
    G->Stroke()->SetColor(clNavy);
    Draw(u"<p bgcolor=\"#00FF00\"><b><font face=\"Arial\" size=\"5\">band</font></b></p>");
    EXPECT_EQ(G->Fill()->Color(), clLime);
    EXPECT_EQ(G->Stroke()->Color(), clNavy);
    EXPECT_EQ(G->Font()->Name(), u"Tahoma");
    EXPECT_EQ(G->Font()->Height(), -13);
    EXPECT_FALSE(G->Font()->Style().Contains(fsBold));
}

TEST_P(VectorCaption, ControlsTakeSpaceDrawAndAreFoundById)
{
    const float plain = Measure(u"word").XSize;
    EXPECT_EQ(Measure(u"<control type=\"BUTTON\" id=\"b\">word").XSize, plain) << "a button needs a width";
    EXPECT_EQ(Measure(u"<control type=\"BUTTON\" id=\"b\" width=\"50\">word").XSize, plain + 50);

    Draw(u"<control type=\"CHECK\" id=\"c\" value=\"false\">");
    const int unchecked = Dark(TRect(0, 0, 20, 24));
    Draw(u"<control type=\"CHECK\" id=\"c\" value=\"true\">");
    EXPECT_GT(Dark(TRect(0, 0, 20, 24)), unchecked + 10) << "a checked box shows its mark";

    THTMLDrawGraphicsOptions options;
    options.HitTest = true;
    Result = THTMLDrawGraphicsResult{};
    Result.ControlID = u"e";
    EXPECT_TRUE(HTMLDrawGraphics(*G, u"name <control type=\"edit\" id=\"e\" width=\"80\" value=\"A&amp;B\"> end",
                                 TRectF{0, 0, Width, Height}, options, Result));
    EXPECT_EQ(Result.Anchor, u"ctrl");
    EXPECT_EQ(Result.ControlType, u"EDIT");
    EXPECT_EQ(Result.ControlValue, u"A&B");
    EXPECT_EQ(Result.ControlRect.Right - Result.ControlRect.Left, 80);
}

TEST_P(VectorCaption, TakesPicturesFromTheContainerFilesAndData)
{
    TCaptionPictures pictures(u"caption-dot.bmp");
    const String& file = pictures.File;
    const String& data = pictures.Data;
    THTMLDrawGraphicsOptions options;
    options.PictureContainer = &pictures.Container;
    options.MeasureOnly = true;
    struct Case {
        String Source;
        float XSize; // 6 pixels and 2 of gap, plus the 2 every XSize has; 0 for no picture
    };
    const Case cases[] = {
        {u"DOT", 10}, {u"FILE://" + file, 10}, {data, 10}, {u"FILE://Z:\\no\\such.bmp", 0}, {u"missing", 0},
        {u"data:image/bmp;base64,@@@@", 0},
    };
    for (const Case& c : cases) {
        Draw(u"<img src=\"" + c.Source + u"\">", options);
        EXPECT_EQ(Result.XSize, c.XSize) << ToUtf8(c.Source);
    }
    Draw(u"<img src=\"dot\" width=\"12\">", options);
    EXPECT_EQ(Result.XSize, 12 + 2 + 2) << "the height follows the width";

    options.MeasureOnly = false;
    // A larger box centres the picture at its own size.
    Draw(u"<img src=\"dot\" width=\"12\" height=\"8\">", options);
    EXPECT_EQ(Reddish(TRect(3, 2, 9, 6)), 6 * 4);
    EXPECT_EQ(Reddish(TRect(0, 0, 14, 10)), 6 * 4);
    Draw(u"<body background=\"dot\">", options, TRectF{0, 0, 40, 40});
    EXPECT_EQ(Reddish(TRect(0, 0, 40, 40)), 40 * 40) << "the background tiles the caption";
    EXPECT_EQ(Reddish(TRect(40, 0, 60, 40)), 0) << "and stays inside it";
}

TEST_P(VectorCaption, TheDrawingObjectDrawsRichText)
{
    const String text = u"<b>bold</b> and <a href=\"link\">link</a>";
    const TRectF measured = G->CalculateText(text);
    EXPECT_GT(measured.Right, G->CalculateText(u"bold and link", TRectF{0, 0, 10000, 10000}, false, false).Right - 1);
    G->SetURLColor(clRed);
    G->Fill()->SetColor(clLime);
    EXPECT_TRUE(G->DrawText(TRectF{0, 0, Width, 40}, text).empty());
    EXPECT_GT(Reddish(TRect(int(measured.Right) - 30, 0, int(measured.Right), 20)), 5) << "the link colour";
    EXPECT_EQ(G->Fill()->Color(), clLime);
    EXPECT_EQ(G->DrawText(TRectF{0, 0, Width, 40}, text, false, gtaLeading, gtaLeading, gttNone, 0, -1, -1, true,
                          true, measured.Right - 5, 8),
              u"link");
    String id, value, type;
    G->DrawText(TRectF{0, 0, Width, 40}, u"<control type=\"radio\" id=\"r\" value=\"true\"/>", id, value, type,
                false, gtaLeading, gtaLeading, gttNone, 0, -1, -1, true, true, 9, 9);
    EXPECT_EQ(id, u"r");
    EXPECT_EQ(type, u"RADIO");
}

INSTANTIATE_TEST_SUITE_P(BackEnds, VectorCaption, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "GDIPlus" : "GDI"; });

TEST(CaptionRenderers, AgreeOnStrippedTextAndLinkNumbering)
{
    const String texts[] = {
        u"<a href=\"1\">one</a> two <b><a href=\"2\">three</a></b><br>four &amp; <i>five</i>",
        u"<ul><li>item <a href=\"x\">x</a><li>item</ul><p align=\"center\">centre</p><hr>end",
    };
    TBitmap bitmap(300, 200);
    bitmap.Canvas()->Font()->SetName(u"Tahoma");
    bitmap.Canvas()->Font()->SetHeight(-13);
    RurGDIP::TGPBitmap gpBitmap(300, 200);
    RurGDIP::TGPGraphics gp(&gpBitmap);
    auto vector = TRurGraphics::CreateBitmapCanvas(300, 200, true, false);
    vector->Font()->SetName(u"Tahoma");
    vector->Font()->SetHeight(-13);
    for (const String& text : texts) {
        THTMLDrawOptions gdiOptions;
        gdiOptions.MeasureOnly = true;
        gdiOptions.Scale = 1;
        THTMLDrawResult gdi;
        HTMLDraw(*bitmap.Canvas(), text, TRect(0, 0, 300, 200), gdiOptions, gdi);
        THTMLDrawGDIPOptions gdipOptions;
        gdipOptions.MeasureOnly = true;
        THTMLDrawGDIPResult gdip;
        HTMLDrawGDIP(gp, *bitmap.Canvas()->Font(), text, TRect(0, 0, 300, 200), gdipOptions, gdip);
        THTMLDrawGraphicsOptions vectorOptions;
        vectorOptions.MeasureOnly = true;
        THTMLDrawGraphicsResult drawn;
        HTMLDrawGraphics(*vector, text, TRectF{0, 0, 300, 200}, vectorOptions, drawn);
        // The GDI engine keeps "&&", its canvas's escaped ampersand.
        String gdiText = gdi.StrippedText;
        for (std::size_t at = gdiText.find(u"&&"); at != String::npos; at = gdiText.find(u"&&", at + 1))
            gdiText.erase(at, 1);
        EXPECT_EQ(gdip.StrippedText, gdiText) << ToUtf8(text);
        EXPECT_EQ(drawn.StrippedText, gdiText) << ToUtf8(text);
        EXPECT_EQ(gdip.LinkCount, gdi.LinkCount) << ToUtf8(text);
        EXPECT_EQ(drawn.LinkCount, gdi.LinkCount) << ToUtf8(text);
    }
}

} // namespace
