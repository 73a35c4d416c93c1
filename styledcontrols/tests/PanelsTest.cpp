#include <gtest/gtest.h>

#include <algorithm>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "KitTestSupport.h"
#include "scGPControls.h"

namespace {

struct TPanelForm {
    TPanelForm()
    {
        Form = new TForm(Application);
        Form->SetBounds(120, 120, 300, 200);
        Form->SetColor(clBlack);
    }
    ~TPanelForm() { delete Form; }
    TPanelForm(const TPanelForm&) = delete;
    TPanelForm& operator=(const TPanelForm&) = delete;
    TForm* Form;
};

template <class T>
T* Make(TWinControl* parent, TRect bounds)
{
    auto* control = new T(parent);
    control->SetParent(parent);
    control->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    return control;
}

void Mouse(TWinControl* control, UINT msg, int x, int y)
{
    MouseAt(control, msg, Point(x, y), msg == WM_LBUTTONUP ? 0 : MK_LBUTTON);
}

// Presses at (5, 5), moves to (5 + dx, 5 + dy), releases.
void DragBy(TWinControl* control, int dx, int dy)
{
    Mouse(control, WM_LBUTTONDOWN, 5, 5);
    Mouse(control, WM_MOUSEMOVE, 5 + dx, 5 + dy);
    Mouse(control, WM_LBUTTONUP, 5 + dx, 5 + dy);
}

// Counts the pictures the panel draws into its buffer.
class TCountingGPPanel : public TscGPPanel {
    TAVIN_CLASS(TCountingGPPanel, TscGPPanel)
public:
    using TscGPPanel::TscGPPanel;
    int Draws = 0;
    void Draw(TCanvas* canvas, TscsCtrlState state) override
    {
        ++Draws;
        TscGPPanel::Draw(canvas, state);
    }
};

TRect ChildArea(TWinControl* panel)
{
    auto* child = new TPanel(panel);
    child->SetParent(panel);
    child->SetAlign(alClient);
    const TRect r = child->BoundsRect();
    delete child;
    return r;
}

} // namespace

TEST(GPPanelTest, FillFrameAndSides)
{
    // The tool's main surface: white at alpha 150 over black, a 2-pixel frame of RGB(48, 48, 48).
    TPanelForm f;
    auto* panel = Make<TscGPPanel>(f.Form, Rect(10, 10, 110, 70));
    panel->SetFillColor(clWhite);
    panel->SetFrameColor(TColor(0x303030));
    ASSERT_TRUE(ShowActive(f.Form));
    {
        TOffscreenImage image(panel);
        EXPECT_EQ(image.Pixel(50, 30), RGB(150, 150, 150));
        for (TPoint p : {Point(0, 30), Point(1, 30), Point(99, 30), Point(50, 0), Point(50, 59)})
            EXPECT_EQ(image.Pixel(p.X, p.Y), RGB(48, 48, 48)) << p.X << "," << p.Y;
        EXPECT_EQ(image.Pixel(2, 30), RGB(150, 150, 150));
    }
    // No fill (clNone or alpha 0) leaves the captured background; the frame stays.
    for (auto clear : {+[](TscGPPanel* p) { p->SetFillColor(clNone); },
                       +[](TscGPPanel* p) { p->SetFillColorAlpha(0); }}) {
        panel->SetFillColor(clWhite);
        panel->SetFillColorAlpha(150);
        clear(panel);
        TOffscreenImage image(panel);
        EXPECT_EQ(image.Pixel(50, 30), RGB(0, 0, 0));
        EXPECT_EQ(image.Pixel(0, 30), RGB(48, 48, 48));
    }
    // Without the left side the frame is gone there and the children reach the edge.
    panel->SetFrameSides(TscGPPanelFrameSides{gppfsTop, gppfsRight, gppfsBottom});
    {
        TOffscreenImage image(panel);
        EXPECT_EQ(image.Pixel(0, 30), RGB(0, 0, 0));
    }
    EXPECT_EQ(ChildArea(panel), Rect(0, 2, 98, 58));
    panel->SetFrameRadius(4);
    EXPECT_EQ(ChildArea(panel), Rect(0, 4, 96, 56));
    panel->SetContentMarginLeft(10);
    panel->SetContentMarginTop(10);
    panel->SetContentMarginRight(10);
    panel->SetContentMarginBottom(10);
    EXPECT_EQ(ChildArea(panel), Rect(10, 10, 90, 50));
}

TEST(GPPanelTest, PaintAfterAnEraseCopiesItsPictureUnlessAskedForAFreshOne)
{
    // The paint that follows an erase shows the picture the erase drew, without drawing it again;
    // whatever asks for a repaint in between gets a picture of the current state.
    TPanelForm f;
    auto* panel = Make<TCountingGPPanel>(f.Form, Rect(10, 10, 110, 70));
    panel->SetFillColor(clWhite);
    panel->SetFrameColor(TColor(0x303030));
    ASSERT_TRUE(ShowActive(f.Form));
    PumpFor(100);
    {
        const HDC screen = GetDC(panel->Handle());
        EXPECT_EQ(GetPixel(screen, 50, 30), RGB(150, 150, 150));
        EXPECT_EQ(GetPixel(screen, 99, 59), RGB(48, 48, 48));
        ReleaseDC(panel->Handle(), screen);
    }
    struct TBetween {
        const char* What;
        void (*Act)(TscGPPanel*);
        COLORREF Centre;
        bool DrawsAgain;
    } const cases[] = {
        {"nothing", [](TscGPPanel*) {}, RGB(150, 150, 150), false},
        {"invalidated", [](TscGPPanel* p) { p->Invalidate(); }, RGB(150, 150, 150), true},
        {"fill changed", [](TscGPPanel* p) { p->SetFillColorAlpha(255); }, RGB(255, 255, 255), true},
        {"taller", [](TscGPPanel* p) { p->SetBounds(10, 10, 100, 62); }, RGB(150, 150, 150), true},
    };
    TBitmap target;
    target.SetSize(100, 62);
    const HDC dc = target.Canvas()->Handle();
    for (bool stored : {true, false}) {
        panel->SetStorePaintBuffer(stored);
        for (const TBetween& between : cases) {
            panel->SetBounds(10, 10, 100, 60);
            panel->SetFillColorAlpha(150);
            PatBlt(dc, 0, 0, 100, 62, WHITENESS);
            panel->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc));
            between.Act(panel);
            const int before = panel->Draws;
            panel->PaintHandler(dc);
            EXPECT_EQ(panel->Draws > before, between.DrawsAgain) << between.What << " " << stored;
            EXPECT_EQ(GetPixel(dc, 50, 30), between.Centre) << between.What << " " << stored;
            EXPECT_EQ(GetPixel(dc, 50, panel->Height() - 1), RGB(48, 48, 48)) << between.What << " " << stored;
        }
    }
}

TEST(GPPanelTest, GradientRoundedCornersPerSideFrameAlphaAndCaption)
{
    TPanelForm f;
    auto* panel = Make<TscGPPanel>(f.Form, Rect(10, 10, 110, 70));
    panel->SetFrameColor(TColor(0x303030));
    panel->SetFillColorAlpha(255);
    ASSERT_TRUE(ShowActive(f.Form));
    // A vertical gradient from the fill colour made lighter to it made darker.
    panel->SetFillColor(TColor(0x808080));
    panel->SetFillStyle(scgpsfGradient);
    {
        TOffscreenImage image(panel);
        EXPECT_GT(GetRValue(image.Pixel(50, 4)), 0x90);
        EXPECT_LT(GetRValue(image.Pixel(50, 55)), 0x70);
        EXPECT_EQ(image.Pixel(0, 30), RGB(48, 48, 48));
    }
    // Rounded: the corner outside the rounding keeps the background; a side left out of the
    // frame has neither frame nor rounding.
    panel->SetFillStyle(scgpsfColor);
    panel->SetFillColor(clWhite);
    panel->SetFrameRadius(10);
    {
        TOffscreenImage image(panel);
        EXPECT_EQ(image.Pixel(1, 1), RGB(0, 0, 0));
        EXPECT_EQ(image.Pixel(98, 58), RGB(0, 0, 0));
        EXPECT_EQ(image.Pixel(50, 30), RGB(255, 255, 255));
    }
    panel->SetFrameSides(TscGPPanelFrameSides{gppfsTop, gppfsRight, gppfsBottom});
    {
        TOffscreenImage image(panel);
        EXPECT_EQ(image.Pixel(3, 4), RGB(255, 255, 255));
        EXPECT_EQ(image.Pixel(0, 30), RGB(255, 255, 255));
        EXPECT_EQ(image.Pixel(98, 58), RGB(0, 0, 0));
    }
    // A frame at half alpha over nothing but the black background.
    panel->SetFrameSides(TscGPPanelFrameSides{gppfsLeft, gppfsTop, gppfsRight, gppfsBottom});
    panel->SetFrameRadius(0);
    panel->SetFillColor(clNone);
    panel->SetFrameColorAlpha(128);
    {
        TOffscreenImage image(panel);
        EXPECT_NEAR(GetRValue(image.Pixel(0, 30)), 48 * 128 / 255, 3);
    }
    // The caption at each end, in both text modes: the columns its red ink spans.
    panel->SetCaption(u"WW");
    panel->SetShowCaption(true);
    panel->Font()->SetColor(clRed);
    panel->Font()->SetHeight(-20);
    for (TscDrawTextMode mode : {scdtmGDI, scdtmGDIPlus})
        for (TAlignment alignment : {taLeftJustify, taRightJustify}) {
            panel->SetDrawTextMode(mode);
            panel->SetAlignment(alignment);
            TOffscreenImage image(panel);
            int first = 100, last = -1;
            for (int y = 0; y < 60; ++y)
                for (int x = 0; x < 100; ++x)
                    if (GetRValue(image.Pixel(x, y)) > 160 && GetGValue(image.Pixel(x, y)) < 100) {
                        first = std::min(first, x);
                        last = std::max(last, x);
                    }
            ASSERT_GE(last, 0) << int(mode);
            if (alignment == taLeftJustify) {
                EXPECT_LE(first, 12) << int(mode); // GDI+ text keeps a little room before its first letter
                EXPECT_LT(last, 60) << int(mode);
            } else {
                EXPECT_GE(last, 87) << int(mode);
                EXPECT_GT(first, 40) << int(mode);
            }
        }
}

TEST(GPPanelTest, SettersRefuseOutOfRangeValues)
{
    TPanelForm f;
    auto* panel = Make<TscGPPanel>(f.Form, Rect(0, 0, 50, 50));
    panel->SetFillGradientAngle(400);
    panel->SetFillGradientBeginColorOffset(101);
    panel->SetFillGradientEndColorOffset(200);
    panel->SetFrameRadius(-3);
    panel->SetFrameWidth(-1);
    panel->SetContentMarginLeft(-5);
    EXPECT_EQ(panel->FillGradientAngle(), 90);
    EXPECT_EQ(panel->FillGradientBeginColorOffset(), 25);
    EXPECT_EQ(panel->FillGradientEndColorOffset(), 25);
    EXPECT_EQ(panel->FrameRadius(), 0);
    EXPECT_EQ(panel->FrameWidth(), 2);
    EXPECT_EQ(panel->ContentMarginLeft(), 0);
    panel->SetFillGradientAngle(-360);
    EXPECT_EQ(panel->FillGradientAngle(), -360);
}

TEST(GPPanelTest, GripsByAlignment)
{
    TPanelForm f;
    auto* panel = Make<TscGPPanel>(f.Form, Rect(0, 0, 100, 60));
    panel->SetFrameWidth(4);
    // Points by place: 0 near the left or top edge, 1 in the middle, 2 near the right or bottom.
    struct Case {
        TAlign Align;
        int X, Y;
        int Grip;
    } cases[] = {
        {alNone, 0, 0, HTTOPLEFT},     {alNone, 2, 0, HTTOPRIGHT}, {alNone, 0, 2, HTBOTTOMLEFT},
        {alNone, 2, 2, HTBOTTOMRIGHT}, {alNone, 0, 1, HTLEFT},     {alNone, 2, 1, HTRIGHT},
        {alNone, 1, 2, HTBOTTOM},      {alNone, 1, 0, HTTOP},      {alNone, 1, 1, 0},
        {alTop, 1, 2, HTBOTTOM},       {alTop, 2, 2, 0},           {alTop, 0, 1, 0},
        {alTop, 1, 0, 0},              {alLeft, 2, 1, HTRIGHT},    {alLeft, 1, 2, 0},
        {alRight, 0, 1, HTLEFT},       {alBottom, 1, 0, HTTOP},    {alClient, 2, 2, HTBOTTOMRIGHT},
    };
    for (const Case& c : cases) {
        panel->SetAlign(c.Align);
        const int w = panel->Width(), h = panel->Height();
        const int x = c.X == 0 ? 1 : c.X == 1 ? w / 2 : w - 2, y = c.Y == 0 ? 1 : c.Y == 1 ? h / 2 : h - 2;
        EXPECT_EQ(panel->GripAt(x, y), c.Grip) << int(c.Align) << " " << x << "," << y;
    }
}

TEST(GPPanelTest, ResizesItselfOrItsFormByTheGrips)
{
    TPanelForm f;
    auto* panel = Make<TscGPPanel>(f.Form, Rect(50, 40, 150, 100));
    panel->SetFrameWidth(4);
    panel->SetSizeable(true);
    ASSERT_TRUE(ShowActive(f.Form));
    // The bottom-right grip grows the panel with the mouse.
    Mouse(panel, WM_MOUSEMOVE, 98, 58);
    EXPECT_EQ(panel->Cursor(), crSizeNWSE);
    Mouse(panel, WM_LBUTTONDOWN, 98, 58);
    Mouse(panel, WM_MOUSEMOVE, 118, 68);
    Mouse(panel, WM_LBUTTONUP, 118, 68);
    EXPECT_EQ(panel->BoundsRect(), Rect(50, 40, 170, 110));
    // The left grip dragged far past the right edge leaves room for the grips, not a negative size.
    Mouse(panel, WM_MOUSEMOVE, 1, 30);
    Mouse(panel, WM_LBUTTONDOWN, 1, 30);
    Mouse(panel, WM_MOUSEMOVE, 400, 30);
    Mouse(panel, WM_LBUTTONUP, 400, 30);
    EXPECT_EQ(panel->Width(), 8);
    EXPECT_EQ(panel->Left() + panel->Width(), 170);
    Mouse(panel, WM_MOUSEMOVE, 4, 30);
    // Client-aligned, it resizes its form.
    panel->SetAlign(alClient);
    const int formWidth = f.Form->Width(), formHeight = f.Form->Height();
    const int w = panel->Width(), h = panel->Height();
    Mouse(panel, WM_MOUSEMOVE, w - 2, h - 2);
    Mouse(panel, WM_LBUTTONDOWN, w - 2, h - 2);
    Mouse(panel, WM_MOUSEMOVE, w + 8, h + 13);
    Mouse(panel, WM_LBUTTONUP, w + 8, h + 13);
    EXPECT_EQ(f.Form->Width(), formWidth + 10);
    EXPECT_EQ(f.Form->Height(), formHeight + 15);
    // The form's can-resize event hears of it from the panel and may refuse.
    TObject* asker = nullptr;
    f.Form->SetOnCanResize([&](TObject* sender, int&, int&, bool& resize) {
        asker = sender;
        resize = false;
    });
    Mouse(panel, WM_MOUSEMOVE, panel->Width() - 2, panel->Height() - 2);
    Mouse(panel, WM_LBUTTONDOWN, panel->Width() - 2, panel->Height() - 2);
    Mouse(panel, WM_MOUSEMOVE, panel->Width() + 8, panel->Height() + 8);
    Mouse(panel, WM_LBUTTONUP, panel->Width() + 8, panel->Height() + 8);
    EXPECT_EQ(asker, panel);
    EXPECT_EQ(f.Form->Width(), formWidth + 10);
}

TEST(PanelTest, BordersAndChildArea)
{
    TPanelForm f;
    auto* panel = Make<TscPanel>(f.Form, Rect(10, 10, 70, 50));
    panel->SetColor(clWhite);
    panel->SetLightBorderColor(clLime);
    panel->SetShadowBorderColor(clBlue);
    ASSERT_TRUE(ShowActive(f.Form));
    // Colour at the left column, top row, right column and bottom row, and the child area.
    const COLORREF W = RGB(255, 255, 255), L = RGB(0, 255, 0), S = RGB(0, 0, 255);
    struct Case {
        TscPanelBorderStyle Style;
        COLORREF Left, Top, Right, Bottom;
        TRect Children;
    } cases[] = {
        {scpbsNone, W, W, W, W, {0, 0, 60, 40}},
        {scpbsFlat, S, S, S, S, {1, 1, 59, 39}},
        {scpbsRaised, L, L, S, S, {1, 1, 59, 39}},
        {scpbsLowered, S, S, L, L, {1, 1, 59, 39}},
        {scpbsLoweredBevel, S, S, L, L, {2, 2, 58, 38}},
        {scpbsTopBevel, W, S, W, W, {0, 2, 60, 40}},
        {scpbsBottomBevel, W, W, W, L, {0, 0, 60, 38}},
        {scpbsTopLightLine, W, L, W, W, {0, 1, 60, 40}},
        {scpbsBottomShadowLine, W, W, W, S, {0, 0, 60, 39}},
        {scpbsLeftBevel, S, W, W, W, {2, 0, 60, 40}},
        {scpbsRightLightLine, W, W, L, W, {0, 0, 59, 40}},
        {scpbsHorzCenterBevel, W, W, W, W, {0, 0, 60, 40}},
    };
    for (const Case& c : cases) {
        panel->SetBorderStyle(c.Style);
        TOffscreenImage image(panel);
        EXPECT_EQ(image.Pixel(0, 10), c.Left) << int(c.Style);
        EXPECT_EQ(image.Pixel(15, 0), c.Top) << int(c.Style);
        EXPECT_EQ(image.Pixel(59, 10), c.Right) << int(c.Style);
        EXPECT_EQ(image.Pixel(15, 39), c.Bottom) << int(c.Style);
        EXPECT_EQ(ChildArea(panel), c.Children) << int(c.Style);
    }
    panel->SetBorderStyle(scpbsHorzCenterBevel);
    TOffscreenImage bevel(panel);
    EXPECT_EQ(bevel.Pixel(30, 19), S);
    EXPECT_EQ(bevel.Pixel(30, 20), L);
}

TEST(PanelTest, StyleKindsEmptyAndTransparent)
{
    TPanelForm f;
    auto* panel = Make<TscPanel>(f.Form, Rect(10, 10, 70, 50));
    panel->SetColor(clWhite);
    panel->SetBorderStyle(scpbsFlat);
    panel->SetShowCaption(true);
    panel->SetCaption(u"X");
    ASSERT_TRUE(ShowActive(f.Form));
    EXPECT_FALSE(panel->TransparentBackground());
    panel->SetStyleKind(scpsTransparent);
    EXPECT_TRUE(panel->TransparentBackground());
    {
        TOffscreenImage image(panel);
        EXPECT_EQ(image.Pixel(30, 5), RGB(0, 0, 0)); // the form shows through
    }
    panel->SetStyleKind(scpsPanel);
    EXPECT_FALSE(panel->TransparentBackground());
    {
        TOffscreenImage image(panel);
        EXPECT_EQ(image.Pixel(5, 5), RGB(255, 255, 255));
    }
    // The empty kind paints nothing at all (the offscreen image stays black): no fill, border or
    // caption.
    panel->SetStyleKind(scpsEmpty);
    TOffscreenImage image(panel);
    for (TPoint p : {Point(5, 5), Point(0, 20), Point(30, 20)})
        EXPECT_EQ(image.Pixel(p.X, p.Y), RGB(0, 0, 0)) << p.X << "," << p.Y;
}

TEST(LabelTest, AutoSizeAlignmentAndGlow)
{
    TPanelForm f;
    auto* label = Make<TscLabel>(f.Form, Rect(100, 10, 165, 27));
    label->SetCaption(u"Hi");
    const int small = label->Width();
    // Right-aligned, it keeps its right edge as the caption grows.
    label->SetAlignment(taRightJustify);
    const int right = label->Left() + label->Width();
    label->SetCaption(u"A much longer caption");
    EXPECT_GT(label->Width(), small);
    EXPECT_EQ(label->Left() + label->Width(), right);
    // The glow adds twice its size and the offset in both directions.
    const int w = label->Width(), h = label->Height();
    label->GlowEffect()->SetGlowSize(5);
    label->GlowEffect()->SetOffset(2);
    label->GlowEffect()->SetEnabled(true);
    EXPECT_EQ(label->Width(), w + 12);
    EXPECT_EQ(label->Height(), h + 12);
    // Aligned to the client, the text does not size it.
    label->GlowEffect()->SetEnabled(false);
    label->SetAlign(alClient);
    const TRect client = label->BoundsRect();
    label->SetCaption(u"x");
    EXPECT_EQ(label->BoundsRect(), client);
}

TEST(LabelTest, DragsItsFormUnlessMaximized)
{
    TPanelForm f;
    auto* label = Make<TscLabel>(f.Form, Rect(10, 10, 110, 30));
    auto* panel = Make<TscPanel>(f.Form, Rect(10, 40, 110, 80));
    label->SetDragForm(true);
    panel->SetDragForm(true);
    ASSERT_TRUE(ShowActive(f.Form));
    for (TWinControl* handle : {static_cast<TWinControl*>(label), static_cast<TWinControl*>(panel)}) {
        const TPoint before = Point(f.Form->Left(), f.Form->Top());
        DragBy(handle, 20, 10);
        EXPECT_EQ(f.Form->Left(), before.X + 20);
        EXPECT_EQ(f.Form->Top(), before.Y + 10);
    }
    label->SetDragForm(false);
    const TPoint kept = Point(f.Form->Left(), f.Form->Top());
    DragBy(label, 20, 10);
    EXPECT_EQ(Point(f.Form->Left(), f.Form->Top()), kept);
    label->SetDragForm(true);
    f.Form->SetWindowState(wsMaximized);
    PumpFor(50);
    const TRect maximized = f.Form->BoundsRect();
    DragBy(label, 20, 10);
    EXPECT_EQ(f.Form->BoundsRect(), maximized);
}

TEST(LabelTest, DrawsAndSizesInItsOwnFontRightToLeft)
{
    TPanelForm f;
    f.Form->SetColor(clWhite);
    f.Form->Font()->SetName(u"Tahoma");
    f.Form->Font()->SetHeight(-12);
    f.Form->SetBiDiMode(bdRightToLeft);
    auto* label = Make<TscLabel>(f.Form, Rect(20, 10, 85, 27));
    const String text = u"\u06af\u0631\u0648\u0647 \u0646\u0631\u0645 \u0627\u0641\u0632\u0627\u0631\u06cc CSR";
    label->SetCaption(text);
    // Auto-sized to the text as drawn in the label's font (not the device context's default one).
    auto scratch = Canvas32(1, 1);
    scratch->Canvas()->SetFont(label->Font());
    const TSize extent = scratch->Canvas()->TextExtent(text);
    EXPECT_EQ(label->Width(), extent.cx);
    EXPECT_EQ(label->Height(), extent.cy);
    // Right to left, left alignment reads from the right edge: the text ends there.
    label->SetAutoSize(false);
    label->SetBounds(20, 10, 300, 20);
    ASSERT_TRUE(ShowActive(f.Form));
    {
        TOffscreenImage image(label);
        int first = 300, last = -1;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 300; ++x)
                if (GetRValue(image.Pixel(x, y)) < 128) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
        EXPECT_GE(last, 296);
        EXPECT_GE(first, 300 - extent.cx - 2);
    }
    // Word wrap within its width: more lines, no wider.
    label->SetAutoSize(true);
    label->SetBounds(20, 10, 60, 20);
    label->SetWordWrap(true);
    EXPECT_LE(label->Width(), 60);
    EXPECT_GE(label->Height(), 2 * extent.cy);
}

TEST(PanelTest, WallpapersAndReferencesFreedElsewhereAreForgotten)
{
    TPanelForm f;
    auto* panel = Make<TscPanel>(f.Form, Rect(10, 10, 70, 50));
    auto* gpPanel = Make<TscGPPanel>(f.Form, Rect(80, 10, 140, 50));
    auto* label = Make<TscLabel>(f.Form, Rect(10, 60, 70, 80));
    auto* edit = new TEdit(f.Form);
    edit->SetParent(f.Form);
    auto* images = new TColourImages(f.Form);
    panel->SetWallpapers(images);
    panel->SetWallpaperIndex(0);
    panel->SetCustomImages(images);
    gpPanel->SetFillColor(clNone); // the fill would lie over the wallpaper
    gpPanel->SetWallpapers(images);
    gpPanel->SetWallpaperIndex(1);
    gpPanel->SetCustomImages(images);
    label->SetFocusControl(edit);
    ASSERT_TRUE(ShowActive(f.Form));
    {
        TOffscreenImage plain(panel), gp(gpPanel);
        EXPECT_EQ(plain.Pixel(30, 20), RGB(255, 0, 0));
        EXPECT_EQ(gp.Pixel(30, 20), RGB(0, 255, 0));
    }
    delete images;
    delete edit;
    EXPECT_EQ(panel->Wallpapers(), nullptr);
    EXPECT_EQ(panel->CustomImages(), nullptr);
    EXPECT_EQ(gpPanel->Wallpapers(), nullptr);
    EXPECT_EQ(gpPanel->CustomImages(), nullptr);
    EXPECT_EQ(label->FocusControl(), nullptr);
    TOffscreenImage plain(panel);
    EXPECT_NE(plain.Pixel(30, 20), RGB(255, 0, 0));
}
