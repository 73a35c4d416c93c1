// The GDI caption engine on a memory bitmap: layout results, hit tests and a few pixels.
#include <gtest/gtest.h>

#include <algorithm>

#include "Graphics.h"
#include "CaptionPictures.h"
#include "ImgList.h"
#include "RurGDIP.h"
#include "RurHTML.h"
#include "WideText.h"

namespace {

class Caption : public ::testing::Test {
protected:
    void SetUp() override
    {
        FBitmap.SetSize(300, 200);
        Canvas().Font()->SetName(u"Tahoma");
        Canvas().Font()->SetHeight(-13);
        Canvas().Font()->SetColor(clBlack);
        Canvas().Brush()->SetColor(clWhite);
        Canvas().FillRect(TRect(0, 0, 300, 200));
    }

    TCanvas& Canvas() { return *FBitmap.Canvas(); }

    bool Draw(const String& AText, THTMLDrawOptions AOptions = {}, TRect ARect = TRect(0, 0, 300, 200))
    {
        AOptions.Scale = 1;
        FResult = THTMLDrawResult{};
        return HTMLDraw(Canvas(), AText, ARect, AOptions, FResult);
    }

    // Pixels of the bitmap that are not white, within the rectangle.
    int Inked(const TRect& ARect)
    {
        int count = 0;
        for (int y = ARect.Top; y < ARect.Bottom; ++y)
            for (int x = ARect.Left; x < ARect.Right; ++x)
                count += Canvas().Pixels(x, y) != clWhite;
        return count;
    }

    // Pixels where red stands out, for text whose edges the font smoothing blends.
    int Reddish(const TRect& ARect)
    {
        int count = 0;
        for (int y = ARect.Top; y < ARect.Bottom; ++y)
            for (int x = ARect.Left; x < ARect.Right; ++x) {
                const TColor c = Canvas().Pixels(x, y);
                count += (c & 0xFF) > 160 && ((c >> 8) & 0xFF) < 96 && ((c >> 16) & 0xFF) < 96;
            }
        return count;
    }

    TBitmap FBitmap;
    THTMLDrawResult FResult;
};

} // namespace

TEST_F(Caption, MeasuresEveryTagFamily)
{
    const int gh = Canvas().TextHeight(u"gh");
    const int word = Canvas().TextWidth(u"word");
    struct Case { String Text; String Stripped; int Lines; int Links; };
    const Case cases[] = {
        {u"", u"", 1, 0},
        {u"word", u"word", 1, 0},
        {u"word<BR>word", u"word\rword", 2, 0},
        {u"<b>word</b> <i>word</i> <u>word</u> <s>word</s>", u"word word word word", 1, 0},
        {u"<font face=\"Arial\" color=\"clred\">word</font>", u"word", 1, 0},
        {u"<a href=\"one\">word</a> and <a href=\"two\">word</a>", u"word and word", 1, 2},
        {u"<p align=\"right\">word</p>word", u"wordword", 2, 0},
        {u"<ul><li>word<li>word</ul>", u"wordword", 2, 0},
        {u"<z>hidden</z>word", u"hiddenword", 1, 0},
        {u"<shad>word</shad> <e>word</e>", u"word word", 1, 0},
        {u"A &amp; B &lt;&nbsp;&gt;", u"A && B < >", 1, 0},
        {u"word<hr>word", u"wordword", 2, 0},
        {u"<sub>word</sub><sup>word</sup>", u"wordword", 1, 0},
        {u"<#marker>", u"#marker", 1, 0},
        {u"open <b", u"open ", 1, 0},
        {u"<ol><li>word<li>word</ol>", u"wordword", 2, 0},
        {u"<ind x=\"40\">word <ofs x=\"20\">word</ofs>", u"word word", 1, 0},
        {u"<span style=\"background-color:#FF0000\">word</span> <hi>word</hi>", u"word word", 1, 0},
        {u"<r a=\"90\">word</r> <blink>word</blink> <strong>word</strong>", u"word word word", 1, 0},
        {u"<p line-height=\"2\">word</p>word", u"wordword", 3, 0},
        {u"<p float=\"left\" bgcolor=\"#00FF00\">word</p>", u"word", 0, 0},
        {u"<body bgcolor=\"#00FF00\" bgcolorto=\"#0000FF\">word", u"word", 1, 0},
    };
    for (const Case& c : cases) {
        THTMLDrawOptions options;
        options.MeasureOnly = true;
        EXPECT_FALSE(Draw(c.Text, options)) << ToUtf8(c.Text);
        EXPECT_EQ(FResult.StrippedText, c.Stripped) << ToUtf8(c.Text);
        EXPECT_EQ(FResult.LinkCount, c.Links) << ToUtf8(c.Text);
        // A floating paragraph's line leaves the next line beside it: the layout does not move down.
        EXPECT_GE(FResult.YSize, std::max(c.Lines, 1) * gh) << ToUtf8(c.Text);
        EXPECT_LT(FResult.YSize, (std::max(c.Lines, 1) + 1) * gh) << ToUtf8(c.Text);
    }
    // A line is measured without its trailing blank, and the widest line gives XSize.
    Draw(u"word ");
    EXPECT_EQ(FResult.XSize, word + 2);
    Draw(u"word<BR>wordword");
    EXPECT_EQ(FResult.XSize, Canvas().TextWidth(u"wordword") + 2);
}

TEST_F(Caption, WrapsAndStopsAtTheBottom)
{
    const int gh = Canvas().TextHeight(u"gh");
    const String words = u"one two three four five six seven eight nine ten eleven twelve";
    THTMLDrawOptions options;
    options.MeasureOnly = true;
    Draw(words, options, TRect(0, 0, 60, 10));
    const int lines = FResult.YSize / gh;
    EXPECT_GT(lines, 3) << "measuring goes on past the bottom";
    EXPECT_LE(FResult.XSize, 62);

    Draw(words, {}, TRect(0, 0, 60, 2 * gh));
    EXPECT_LT(FResult.YSize / gh, lines) << "drawing stops at the bottom";

    // A word wider than the line is placed on it anyway, also after other words.
    Draw(u"a extraordinarily b", options, TRect(0, 0, 20, 200));
    EXPECT_EQ(FResult.StrippedText, u"a extraordinarily b");
    EXPECT_EQ(FResult.YSize / gh, 2);

    // Without word wrap the text keeps to one line per break.
    options.WordWrap = false;
    Draw(words, options, TRect(0, 0, 60, 200));
    EXPECT_EQ(FResult.YSize, gh);
}

TEST_F(Caption, FindsAnchorsUnderTheMouse)
{
    const int gh = Canvas().TextHeight(u"gh");
    const int before = Canvas().TextWidth(u"go ");
    const String text = u"go <a href=\"first\" title=\"Tip\">here</a> or <a href=\"second\">there</a>";
    THTMLDrawOptions options;
    options.HitTest = true;
    options.MouseX = before + 3;
    options.MouseY = gh / 2;
    EXPECT_TRUE(Draw(text, options));
    EXPECT_EQ(FResult.Anchor, u"first");
    EXPECT_EQ(FResult.FocusAnchor, u"Tip");
    EXPECT_EQ(FResult.MouseLink, 1);
    EXPECT_EQ(FResult.HoverRect.Left, before);
    EXPECT_EQ(FResult.HoverRect.Right, before + Canvas().TextWidth(u"here"));

    // In plain drawing the results are filled, but the call does not report a hit.
    options.HitTest = false;
    EXPECT_FALSE(Draw(text, options));
    EXPECT_EQ(FResult.MouseLink, 1);

    // Off the anchors: no hit, and the anchor result is left as it was.
    options.HitTest = true;
    options.MouseX = 1;
    FResult.Anchor = u"kept";
    THTMLDrawResult result;
    result.Anchor = u"kept";
    options.Scale = 1;
    EXPECT_FALSE(HTMLDraw(Canvas(), text, TRect(0, 0, 300, 200), options, result));
    EXPECT_EQ(result.Anchor, u"kept");
    EXPECT_EQ(result.MouseLink, -1);

    // Link numbers count across lines.
    options.MouseX = 3;
    options.MouseY = gh + gh / 2;
    EXPECT_TRUE(Draw(u"<a href=\"1\">a</a><BR><a href=\"2\">b</a>", options));
    EXPECT_EQ(FResult.Anchor, u"2");
    EXPECT_EQ(FResult.MouseLink, 2);
}

TEST_F(Caption, PaintsColoursBackgroundsAndRules)
{
    const int gh = Canvas().TextHeight(u"gh");
    // Text of a font colour, a paragraph band, and a rule across the caption.
    Draw(u"<font color=\"#FF0000\">XXXX</font>");
    EXPECT_GT(Reddish(TRect(0, 0, 60, 20)), 0);
    SetUp();
    Draw(u"XXXX");
    EXPECT_EQ(Reddish(TRect(0, 0, 60, 20)), 0);

    SetUp();
    Draw(u"<p bgcolor=\"#00FF00\">x</p>");
    EXPECT_EQ(Canvas().Pixels(290, 2), TColor(0x00FF00));

    SetUp();
    Draw(u"x<hr color=\"#0000FF\">y");
    EXPECT_EQ(Canvas().Pixels(290, gh + 1), TColor(0xFF0000));

    SetUp();
    Draw(u"<body bgcolor=\"#123456\">x");
    EXPECT_EQ(Canvas().Pixels(150, 150), TColor(0x563412));

    // Right to left: the text ends at the right edge.
    SetUp();
    THTMLDrawOptions options;
    options.BiDiMode = bdRightToLeft;
    Draw(u"\u0633\u0644\u0627\u0645", options, TRect(0, 0, 300, 40));
    EXPECT_GT(Inked(TRect(250, 0, 300, 40)), 0);
    EXPECT_EQ(Inked(TRect(0, 0, 150, 40)), 0);

    // Hidden text is not drawn.
    SetUp();
    Draw(u"<z>XXXXXXXX</z>");
    EXPECT_EQ(Inked(TRect(0, 0, 300, 40)), 0);

    // The error zigzag runs in red along the line's bottom; a shadow in its own colour.
    SetUp();
    Draw(u"<e>XXXX</e>");
    EXPECT_GT(Reddish(TRect(0, gh - 1, 40, gh + 2)), 4);
    SetUp();
    THTMLDrawOptions shadowed;
    shadowed.ShadowColor = clRed;
    shadowed.ShadowOffset = 2;
    Draw(u"<shad>XXXX</shad>", shadowed);
    EXPECT_GT(Reddish(TRect(0, 0, 60, gh + 4)), 4);

    // The focused link is framed, its top one text height above the line's bottom.
    SetUp();
    THTMLDrawOptions focused;
    focused.FocusLink = 0;
    Draw(u"<a href=\"x\">link</a>", focused);
    EXPECT_EQ(FResult.FocusAnchor, u"x");
    EXPECT_GT(Inked(TRect(0, 0, 40, 1)), 4);
    SetUp();
    Draw(u"<a href=\"x\">link</a>");
    EXPECT_EQ(Inked(TRect(0, 0, 40, 1)), 0);
}

TEST_F(Caption, TakesImagesFromTheImageListAndTheShell)
{
    // A green image of 10 x 10 pixels in the list; the shell's small icons are 16 pixels square.
    TImageList images(nullptr);
    images.SetSize(10, 10);
    TBitmap green(10, 10);
    green.Canvas()->Brush()->SetColor(clLime);
    green.Canvas()->FillRect(TRect(0, 0, 10, 10));
    images.Add(&green, nullptr);
    THTMLDrawOptions options;
    options.Images = &images;
    struct Case {
        String Tag;
        int XSize; // the image, 2 pixels of gap, and the 2 every XSize has
    };
    const Case cases[] = {
        {u"<img src=\"IDX:0\">", 10 + 4}, {u"<img src=\"idx:3\">", 4}, {u"<img src=\"SSYS:0\">", 16 + 4},
    };
    for (const Case& c : cases) {
        SetUp();
        Draw(c.Tag, options);
        EXPECT_EQ(FResult.XSize, c.XSize) << ToUtf8(c.Tag);
        EXPECT_EQ(Inked(TRect(c.XSize - 4, 0, 300, 200)), 0) << ToUtf8(c.Tag);
    }
    // The list image sits on the text's baseline, lower than the line's top when it is lower than
    // the text; the shell icon is drawn in its square.
    SetUp();
    Draw(u"<img src=\"IDX:0\">", options);
    const int gh = Canvas().TextHeight(u"gh");
    EXPECT_EQ(Canvas().Pixels(5, gh - 5), clLime);
    SetUp();
    Draw(u"<img src=\"SSYS:0\">", options);
    EXPECT_GT(Inked(TRect(0, 0, 16, 16)), 16);
}

TEST_F(Caption, DrawsWordsWhereTheCanvasDrawsThem)
{
    // Tags that cut a text into fragments leave its glyphs where one text call puts them, in the
    // same pixels: fragments are measured as they are drawn (pairs such as "AV" are not kerned).
    const String text = u"AVAWAY To Vo";
    TBitmap reference(300, 200);
    TCanvas& canvas = *reference.Canvas();
    canvas.Font()->Assign(Canvas().Font());
    const TSize extent = canvas.TextExtent(text);
    RECT laidOut{0, 0, 0, 0};
    DrawTextW(canvas.Handle(), L"AVAWAY To Vo", 12, &laidOut, DT_CALCRECT | DT_SINGLELINE);
    for (const String& markup : {text, String(u"AVA<b></b>WAY <i></i>To V<u></u>o"),
                                String(u"A<font color=\"#000000\">VAW</font>AY To Vo")}) {
        SCOPED_TRACE(std::string(markup.begin(), markup.end()));
        SetUp();
        Draw(markup);
        EXPECT_EQ(FResult.XSize, laidOut.right + 2);
        canvas.Brush()->SetColor(clWhite);
        canvas.FillRect(TRect(0, 0, 300, 200));
        canvas.Brush()->SetStyle(bsClear);
        canvas.TextOut(0, FResult.YSize - extent.cy, text);
        int differing = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 300; ++x)
                differing += Canvas().Pixels(x, y) != canvas.Pixels(x, y);
        EXPECT_EQ(differing, 0);
    }
}

TEST_F(Caption, DrawsEachFontsWordsOnEveryLineWhereTheyStand)
{
    // Words are held back and drawn font by font over all lines at once: each must still land
    // where a text call of its own puts it.
    Draw(u"<b>AVA</b> To<BR><i>Wo</i> <b>Vy</b><BR>AVA <b>To</b>");
    ASSERT_EQ(FResult.StrippedText, String(u"AVA To\rWo Vy\rAVA To"));
    const int line = FResult.YSize / 3;
    TBitmap reference(300, 200);
    TCanvas& canvas = *reference.Canvas();
    canvas.Brush()->SetColor(clWhite);
    canvas.FillRect(TRect(0, 0, 300, 200));
    canvas.Brush()->SetStyle(bsClear);
    canvas.Font()->Assign(Canvas().Font());
    TFontStyles bold, italic;
    bold.Include(fsBold);
    italic.Include(fsItalic);
    struct Piece {
        TFontStyles Style;
        const Char* Text;
        bool Follows; // continues the line after the piece before
    };
    const Piece pieces[] = {{bold, u"AVA", false}, {{}, u" To", true},  {italic, u"Wo", false},
                            {{}, u" ", true},      {bold, u"Vy", true}, {{}, u"AVA ", false},
                            {bold, u"To", true}};
    int x = 0, y = -line;
    for (const Piece& piece : pieces) {
        if (!piece.Follows) {
            x = 0;
            y += line;
        }
        canvas.Font()->SetStyle(piece.Style);
        canvas.TextOut(x, y, piece.Text);
        // The advance with the trailing blanks (the canvas's extent leaves them out).
        const String text = piece.Text;
        SIZE size{};
        GetTextExtentPoint32W(canvas.Handle(), WidePtr(text), int(text.size()), &size);
        x += int(size.cx);
    }
    int differing = 0;
    for (int py = 0; py < 3 * line; ++py)
        for (int px = 0; px < 300; ++px)
            differing += Canvas().Pixels(px, py) != canvas.Pixels(px, py);
    EXPECT_EQ(differing, 0);
}

TEST_F(Caption, MeasuresAmpersandsAsEachCallDrawsThem)
{
    // Measurements outlive a call; a mnemonic "&" takes no room, a literal one does (a text
    // holding " & " draws its ampersands as they are).
    Draw(u"R&D");
    const int mnemonic = FResult.XSize;
    Draw(u"R&D<z> & </z>");
    EXPECT_GT(FResult.XSize, mnemonic);
    Draw(u"R&D");
    EXPECT_EQ(FResult.XSize, mnemonic);
}

TEST_F(Caption, DrawsEmojiInTheirCellOnly)
{
    // The emoji moves the following text right by the text height, and nothing outside its cell
    // changes: the caption around it stays as it was.
    auto rightmostInk = [this]() {
        for (int x = 299; x >= 0; --x)
            if (Inked(TRect(x, 0, x + 1, 40)) > 0)
                return x;
        return -1;
    };
    Draw(u"ab");
    const int plain = rightmostInk();
    SetUp();
    Draw(u"a&#x1F600;b");
    EXPECT_GT(rightmostInk(), plain + Canvas().TextHeight(u"gh") / 2);
    EXPECT_EQ(FResult.StrippedText, u"ab");
    EXPECT_EQ(Inked(TRect(0, 110, 300, 200)), 0);
    EXPECT_EQ(Inked(TRect(110, 0, 300, 200)), 0);
}

namespace {

// Pictures decode through GDI+.
class CaptionPictures : public Caption {
protected:
    static void SetUpTestSuite() { RurGDIP::RurGDIPInitialize(); }
    static void TearDownTestSuite() { RurGDIP::RurGDIPFinalize(); }
};

} // namespace

TEST_F(CaptionPictures, TakesPicturesFromTheContainerAndTheCache)
{
    TCaptionPictures pictures(u"caption-cache-dot.bmp");
    const String& file = pictures.File;
    THTMLPictureCache cache;
    THTMLDrawOptions options;
    options.PictureContainer = &pictures.Container;
    options.PictureCache = &cache;
    options.MeasureOnly = true;
    struct Case {
        String Tag;
        int XSize; // the picture, 2 pixels of gap, and the 2 every XSize has
    };
    const Case cases[] = {
        {u"<img src=\"dot\">", 6 + 4},
        {u"<img src=\"dot\" width=\"12\">", 12 + 4},
        {u"<img src=\"dot\" height=\"8\">", 12 + 4},
        {u"<img src=\"FILE://" + file + u"\">", 6 + 4},
        {u"<img src=\"missing\">", 2 + 2},
        {u"<img src=\"idx:0\">", 2 + 2},
    };
    for (const Case& c : cases) {
        Draw(c.Tag, options);
        EXPECT_EQ(FResult.XSize, c.XSize) << ToUtf8(c.Tag);
    }
    EXPECT_EQ(cache.Count(), 1) << "the cache loads a URL once";
    Draw(u"<img src=\"FILE://" + file + u"\">", options);
    EXPECT_EQ(cache.Count(), 1);

    options.MeasureOnly = false;
    Draw(u"<img src=\"dot\" width=\"12\" height=\"8\">", options);
    EXPECT_EQ(Reddish(TRect(0, 0, 30, 20)), 12 * 8) << "stretched to its WIDTH and HEIGHT";
    SetUp();
    Draw(u"<body background=\"dot\">", options, TRect(0, 0, 40, 40));
    EXPECT_EQ(Reddish(TRect(0, 0, 40, 40)), 40 * 40) << "the background tiles the caption";
    EXPECT_EQ(Reddish(TRect(40, 0, 60, 40)), 0) << "and keeps inside it";
    SetUp();
    Draw(u"<body bgtopright=\"dot\">", options, TRect(0, 0, 40, 40));
    EXPECT_EQ(Reddish(TRect(34, 0, 40, 40)), 6 * 40) << "a column down the right edge";
    EXPECT_EQ(Reddish(TRect(0, 0, 34, 40)), 0);
    SetUp();
    Draw(u"<ul><li type=\"image\" name=\"dot\">item</ul>", options);
    EXPECT_EQ(Reddish(TRect(0, 0, 40, 40)), 6 * 4) << "a picture bullet";
}
