#include <gtest/gtest.h>

#include <string>

#include "ExtCtrls.h"
#include "Forms.h"
#include "GuiTestSupport.h"
#include "IniFiles.h"
#include "KitUnits.h"
#include "RurSmoothPanel.h"
#include "Streaming.h"
#include "WideText.h"

namespace {

// Counts how often the panel builds its picture.
class TCountingPanel : public TRurSmoothPanel {
    TAVIN_CLASS(TCountingPanel, TRurSmoothPanel)
public:
    using TRurSmoothPanel::TRurSmoothPanel;
    int Builds = 0;

protected:
    void DrawPanel(RurGDIP::TGPGraphics& AGraphics) override
    {
        ++Builds;
        TRurSmoothPanel::DrawPanel(AGraphics);
    }
};

class SmoothPanelTest : public ::testing::Test {
protected:
    SmoothPanelTest()
    {
        FForm.SetBounds(50, 50, 400, 300);
        FForm.SetColor(clWhite);
        FPanel = new TCountingPanel(&FForm);
        FPanel->SetParent(&FForm);
        FPanel->SetBounds(10, 10, 256, 128);
    }
    TColor At(int x, int y)
    {
        TOffscreenImage image(FPanel);
        return TColor(image.Pixel(x, y));
    }

    TForm FForm{nullptr};
    TCountingPanel* FPanel;
};

bool Near(TColor a, TColor b, int tolerance = 24)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

} // namespace

TEST_F(SmoothPanelTest, DefaultsAndTheFillReachingEveryEdge)
{
    EXPECT_EQ(FPanel->Version(), u"1.7.1.5");
    EXPECT_TRUE(FPanel->Transparent());
    EXPECT_EQ(FPanel->ResizeHandleSize(), 17);
    EXPECT_EQ(FPanel->Caption()->Font()->Name(), u"Tahoma");
    EXPECT_EQ(FPanel->Caption()->Font()->Height(), -16);
    EXPECT_EQ(FPanel->Fill()->Color(), TColor(0xC0C0C0));
    TRurSmoothPanel fresh(nullptr);
    EXPECT_EQ(fresh.Width(), 256);
    EXPECT_EQ(fresh.Height(), 128);

    // Without a border the fill covers (-1, -1, 257, 129): no edge pixel keeps the form's white.
    for (TPoint p : {TPoint{0, 0}, TPoint{255, 0}, TPoint{0, 127}, TPoint{255, 127}})
        EXPECT_NE(At(p.X, p.Y), clWhite) << p.X << "," << p.Y;
    FPanel->Fill()->SetBorderColor(clBlue);
    EXPECT_EQ(At(0, 64), clBlue);
    EXPECT_EQ(At(255, 64), clBlue);
}

TEST_F(SmoothPanelTest, ThePictureIsBuiltOnceUntilSomethingChanges)
{
    ShowActive(&FForm);
    FPanel->Repaint();
    const int builds = FPanel->Builds;
    EXPECT_GE(builds, 1);
    FPanel->Repaint();
    FPanel->Repaint();
    EXPECT_EQ(FPanel->Builds, builds);
    FPanel->Fill()->SetColor(clRed);
    FPanel->Repaint();
    EXPECT_EQ(FPanel->Builds, builds + 1);
    FPanel->Caption()->Font()->SetSize(20);
    FPanel->Repaint();
    EXPECT_EQ(FPanel->Builds, builds + 2);

    int draws = 0;
    FPanel->SetOnDraw(TRurSmoothPanelDrawEvent([&](TObject*, TCanvas*, TRect) { ++draws; }));
    FPanel->SetBounds(10, 10, 1, 50); // too narrow to paint, but still told
    const int before = FPanel->Builds;
    FPanel->Repaint();
    EXPECT_EQ(FPanel->Builds, before);
    EXPECT_GE(draws, 1);
}

// A red parent that counts its paints.
class TCountingParent : public TPanel {
    TAVIN_CLASS(TCountingParent, TPanel)
public:
    using TPanel::TPanel;
    int Paints = 0;

protected:
    void Paint() override
    {
        ++Paints;
        TPanel::Paint();
    }
};

TEST(SmoothPanelBehind, TheParentIsPaintedOnlyWhereThePictureLetsItThrough)
{
    TForm form(nullptr);
    form.SetBounds(50, 50, 400, 300);
    auto* parent = new TCountingParent(&form);
    parent->SetParent(&form);
    parent->SetBounds(0, 0, 300, 200);
    parent->SetBevelOuter(bvNone);
    parent->SetParentBackground(false);
    parent->SetColor(clRed);
    auto* panel = new TRurSmoothPanel(&form);
    panel->SetParent(parent);
    panel->SetBounds(10, 10, 100, 50);
    panel->Fill()->SetColor(clBlue);
    panel->Fill()->SetColorTo(clBlue);
    ShowActive(&form);

    // Opaque: the picture alone, exactly, and the parent is not painted for it.
    int before = parent->Paints;
    EXPECT_EQ(TColor(TOffscreenImage(panel).Pixel(50, 25)), clBlue);
    EXPECT_EQ(parent->Paints, before);

    // Half see-through: the red parent shows in the blue.
    panel->Fill()->SetOpacity(128);
    panel->Fill()->SetOpacityTo(128);
    before = parent->Paints;
    const TColor mixed = TColor(TOffscreenImage(panel).Pixel(50, 25));
    EXPECT_GT(parent->Paints, before);
    EXPECT_TRUE(Near(mixed, TColor(RGB(128, 0, 127)), 8)) << std::hex << mixed;

    // Round corners let the parent through there, though the middle is opaque again.
    panel->Fill()->SetOpacity(255);
    panel->Fill()->SetOpacityTo(255);
    panel->Fill()->SetRounding(12);
    panel->Fill()->SetRoundingType(rtBoth);
    before = parent->Paints;
    TOffscreenImage rounded(panel);
    EXPECT_GT(parent->Paints, before);
    EXPECT_EQ(TColor(rounded.Pixel(0, 0)), clRed);
    EXPECT_EQ(TColor(rounded.Pixel(50, 25)), clBlue);
}

TEST(SmoothPanelPlacement, CentreAndBottomIgnoreTheOrigin)
{
    const TRect area(4, 6, 104, 56); // 100 x 50 from (4, 6)
    const struct {
        TRurSmoothPanelLocation Location;
        TPoint Expected;
    } cases[] = {
        {plTopLeft, {4, 6}},      {plTopCenter, {40, 6}},      {plTopRight, {80, 6}},
        {plCenterLeft, {4, 20}},  {plCenterCenter, {40, 20}},  {plCenterRight, {80, 20}},
        {plBottomLeft, {4, 40}},  {plBottomCenter, {40, 40}},  {plBottomRight, {80, 40}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TRurSmoothPanel::GetLocationPos(c.Location, 20, 10, area), c.Expected) << int(c.Location);
    // A box wider than the area: the centre column falls back on the left edge, halved.
    EXPECT_EQ(TRurSmoothPanel::GetLocationPos(plTopCenter, 120, 10, area).X, 2);
}

TEST_F(SmoothPanelTest, PlainCaptionWithBandAndLine)
{
    FPanel->Fill()->SetColor(clWhite);
    FPanel->Fill()->SetColorTo(clWhite);
    auto* caption = FPanel->Caption();
    caption->SetText(u"\u2588\u2588\u2588\u2588"); // full blocks: solid text to read
    caption->SetGradientType(RurGDIP::gtSolid);
    caption->SetColorStart(clRed);
    caption->SetLineColor(clBlue);
    caption->Font()->SetName(u"DejaVu Sans");
    const int h = int(FPanel->GetCaptionHeight());
    ASSERT_GT(h, 8);
    TOffscreenImage image(FPanel);
    int red = 0;
    for (int x = 0; x < 60; ++x)
        red += Near(TColor(image.Pixel(x, h / 2)), clRed, 40);
    EXPECT_GT(red, 10);
    // The line lies under the text from x = 1 (the content starts at -1) to the width less 3.
    EXPECT_EQ(TColor(image.Pixel(100, h - 1)), clBlue);
    EXPECT_EQ(TColor(image.Pixel(200, h + 5)), clWhite);

    caption->SetBackgroundColor(clLime);
    caption->SetBackgroundColorTo(clLime);
    caption->SetLine(false);
    TOffscreenImage band(FPanel);
    EXPECT_EQ(TColor(band.Pixel(200, h / 2)), clLime);
    EXPECT_EQ(TColor(band.Pixel(200, h + 5)), clWhite);

    caption->SetLocation(plBottomRight);
    caption->SetBackgroundColor(clNone);
    TOffscreenImage bottom(FPanel);
    red = 0;
    for (int x = 180; x < 256; ++x)
        red += Near(TColor(bottom.Pixel(x, 128 - h / 2)), clRed, 40);
    EXPECT_GT(red, 10);
}

TEST_F(SmoothPanelTest, MarkupCaptionBelowThePlainOneWithClickableAnchors)
{
    ShowActive(&FForm);
    FPanel->Caption()->SetText(u"Title");
    FPanel->Caption()->SetHTMLText(u"<a href=\"go\">link</a> and text");
    FPanel->Caption()->SetHTMLLocation(plTopLeft);
    FPanel->Repaint();
    const int ch = int(FPanel->GetCaptionHeight());
    const TRect html = FPanel->HTMLRect();
    EXPECT_EQ(html.Top, ch - 1); // the plain caption's height plus the content's top
    EXPECT_GT(html.Width(), 20);

    String clicked;
    FPanel->SetOnAnchorClick(TRurSmoothPanelAnchorClickEvent([&](TObject*, String anchor) { clicked = anchor; }));
    const int x = html.Left + 5, y = html.Top + html.Height() / 2;
    EXPECT_EQ(FPanel->GetAnchorAt(x, y), u"go");
    EXPECT_EQ(FPanel->GetAnchorAt(html.Right - 3, y), u"");
    PostMouse(FPanel, WM_MOUSEMOVE, x, y);
    EXPECT_EQ(FPanel->Cursor(), crHandPoint);
    PostMouse(FPanel, WM_LBUTTONDOWN, x, y, MK_LBUTTON);
    PostMouse(FPanel, WM_LBUTTONUP, x, y);
    EXPECT_EQ(clicked, u"go");
    PostMouse(FPanel, WM_MOUSEMOVE, 200, 120);
    EXPECT_EQ(FPanel->Cursor(), crDefault);
}

TEST_F(SmoothPanelTest, TheGripResizesAndTheTopBandMoves)
{
    ShowActive(&FForm);
    FPanel->SetResizable(true);
    const TRect grip = FPanel->GetResizeHandleRect();
    EXPECT_EQ(grip.TopLeft(), (TPoint{256 - 20, 128 - 20}));
    EXPECT_EQ(grip.Width(), 17);
    const int x = grip.Left + 4, y = grip.Top + 4;
    PostMouse(FPanel, WM_MOUSEMOVE, x, y);
    EXPECT_EQ(FPanel->Cursor(), crSizeNWSE);
    PostMouse(FPanel, WM_LBUTTONDOWN, x, y, MK_LBUTTON);
    PostMouse(FPanel, WM_MOUSEMOVE, x + 10, y + 5, MK_LBUTTON);
    PostMouse(FPanel, WM_LBUTTONUP, x + 10, y + 5);
    EXPECT_EQ(FPanel->Width(), 266);
    EXPECT_EQ(FPanel->Height(), 133);

    auto hitTest = [&](int cx, int cy) {
        const TPoint screen = FPanel->ClientToScreen(TPoint{cx, cy});
        return SendMessageW(FPanel->Handle(), WM_NCHITTEST, 0, MAKELPARAM(screen.X, screen.Y));
    };
    EXPECT_EQ(hitTest(50, 10), HTCLIENT); // not movable yet
    FPanel->SetCanMove(true);
    EXPECT_EQ(hitTest(50, 10), HTCAPTION);
    EXPECT_EQ(hitTest(50, 30), HTCLIENT);
    auto* child = new TPanel(&FForm);
    child->SetParent(FPanel);
    child->SetBounds(40, 0, 30, 30);
    EXPECT_EQ(hitTest(50, 10), HTCLIENT); // a child control lies there
    int ended = 0;
    FPanel->SetOnEndMoveSize(TNotifyEvent([&](TObject*) { ++ended; }));
    SendMessageW(FPanel->Handle(), WM_EXITSIZEMOVE, 0, 0);
    EXPECT_EQ(ended, 1);
}

TEST_F(SmoothPanelTest, LooksAndTones)
{
    FPanel->SetComponentStyle(tsOffice2019Gray);
    EXPECT_EQ(FPanel->Fill()->Color(), TColor(0xB8BBBE));
    EXPECT_EQ(FPanel->Fill()->ColorTo(), TColor(0xB8BBBE));
    EXPECT_EQ(FPanel->Fill()->BorderColor(), TColor(0x666666));
    EXPECT_EQ(FPanel->Fill()->Rounding(), 0);
    EXPECT_EQ(FPanel->Caption()->ColorStart(), TColor(0x232425));
    EXPECT_EQ(FPanel->Color(), TColor(0xB8BBBE));
    EXPECT_EQ(FPanel->UIStyle(), tsOffice2019Gray);

    FPanel->SetComponentStyle(tsOffice2007Luna);
    EXPECT_EQ(FPanel->Fill()->ColorMirror(), TColor(0xEDD8C7));
    EXPECT_EQ(FPanel->Fill()->GradientMirrorType(), RurGDIP::gtVertical);
    EXPECT_EQ(FPanel->Fill()->Rounding(), 10);
    FPanel->SetComponentStyle(tsOffice2010Silver);
    EXPECT_EQ(FPanel->Fill()->Glow(), gmRadial);
    FPanel->SetComponentStyle(tsCustom); // records itself only
    EXPECT_EQ(FPanel->Fill()->Glow(), gmRadial);
    EXPECT_EQ(FPanel->UIStyle(), tsCustom);

    TColorTones tones;
    CreateMetroTones(true, 0x0000FF, 0, tones);
    FPanel->SetColorTones(tones);
    EXPECT_EQ(FPanel->Fill()->Color(), TColor(0xFFFFFF));
    EXPECT_EQ(FPanel->Fill()->BorderColor(), TColor(0x0000FF));
    EXPECT_EQ(FPanel->Fill()->ShadowColor(), clNone);
    EXPECT_EQ(FPanel->Caption()->BackgroundColor(), TColor(0x0000FF));
    EXPECT_EQ(FPanel->Caption()->ColorStart(), TColor(0xFFFFFF));
    EXPECT_EQ(FPanel->Font()->Name(), GetDefaultFontName());
}

TEST_F(SmoothPanelTest, ThemeFileAndStreaming)
{
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    const String path = FromWidePtr(folder) + u"smooth-panel-theme.ini";
    DeleteFileW(WidePtr(path));
    FPanel->Fill()->SetColor(0x102030);
    FPanel->Fill()->SetRounding(7);
    FPanel->SaveToTheme(path);
    {
        TIniFile ini(path);
        EXPECT_EQ(ini.ReadInteger(u"TCountingPanel.Fill", u"Rounding", 0), 7); // the class's own name
    }
    TCountingPanel other(nullptr);
    other.LoadFromTheme(path);
    EXPECT_EQ(other.Fill()->Color(), TColor(0x102030));
    EXPECT_EQ(other.Fill()->Rounding(), 7);
    DeleteFileW(WidePtr(path));

    // A saved panel says "RujStyle" 0 whatever its look.
    FPanel->SetComponentStyle(tsOffice2019Black);
    TMemoryStream stream;
    WriteComponentToStream(stream, FPanel);
    const std::string bytes(static_cast<const char*>(stream.Memory()), size_t(stream.Size()));
    const size_t at = bytes.find("RujStyle");
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(bytes[at + 8], 2); // a one-byte integer...
    EXPECT_EQ(bytes[at + 9], 0); // ...of 0
}
