// The status-bar and cool-bar wrappers under the test style: panes, texts and size grip of the
// status bar, bands with pictures, captions and grippers of the cool bar, and their frames.
#include <gtest/gtest.h>

#include "ExtCtrls.h"
#include "Forms.h"
#include "GuiTestSupport.h"
#include "KitTestSupport.h"
#include "TestStyle.h"
#include "scCoolBar.h"
#include "scStatusBar.h"

namespace {

class BarsHookTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Form = new TForm(Application);
        Form->SetBounds(60, 60, 420, 300);
        ASSERT_TRUE(ShowActive(Form));
    }
    static void TearDownTestSuite()
    {
        delete Form;
        Form = nullptr;
    }
    static TForm* Form;
};

TForm* BarsHookTest::Form = nullptr;

// The control's client area as its hook paints it.
std::unique_ptr<TBitmap> Painted(TWinControl* control)
{
    auto bitmap = Canvas32(control->Width(), control->Height(), clFuchsia);
    SendMessageW(control->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(bitmap->Canvas()->Handle()), 0);
    return bitmap;
}

TThemedElementDetails ElementAt(TTestStyleServices* style, TBitmap* bitmap, int x, int y)
{
    TThemedElementDetails drawn;
    if (!style->ElementAt(static_cast<COLORREF>(PixelAt(bitmap, x, y)), drawn))
        return TCustomStyleServices::GetElementDetails(teToolBar, -1, -1);
    return drawn;
}

TRect PartRect(TWinControl* bar, int index)
{
    RECT r{};
    SendMessageW(bar->Handle(), SB_GETRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return Rect(r.left, r.top, r.right, r.bottom);
}

} // namespace

TEST_F(BarsHookTest, StatusBarPaintsPanesTextsAndGrip)
{
    TActiveTestStyle style;
    auto* bar = new TscStatusBar(Form);
    bar->SetParent(Form);
    for (int width : {60, 80, 40})
        bar->Panels()->Add()->SetWidth(width);
    bar->Panels()->Items(0)->SetText(u"Ready");
    ASSERT_NE(dynamic_cast<TscStatusBarStyleHook*>(bar->StyleHook()), nullptr);
    EXPECT_FALSE(bar->UseSystemFont());
    EXPECT_TRUE(bar->ControlStyle().Contains(csAcceptsControls));

    auto bitmap = Painted(bar);
    const auto pane = TCustomStyleServices::GetElementDetails(tsPane);
    const TRect second = PartRect(bar, 1);
    EXPECT_EQ(ElementAt(style.operator->(), bitmap.get(), second.Left + 3, second.Top + 2), pane);
    // The grip sits in the corner over the last pane.
    EXPECT_EQ(ElementAt(style.operator->(), bitmap.get(), bar->Width() - 3, bar->Height() - 3),
              TCustomStyleServices::GetElementDetails(tsGripper));
    // The first panel's text is drawn in the pane's text colour, somewhere inside it.
    TColor text = clNone;
    ASSERT_TRUE(style->GetElementColor(pane, ecTextColor, text));
    EXPECT_GT(CountColor(bitmap.get(), PartRect(bar, 0), ColorToRGB(text)), 0);

    // No grip without SizeGrip, when the bar's parent is not a form, or on a maximized form: the
    // last pane runs to the bar's right edge.
    auto* panel = new TPanel(Form);
    panel->SetBounds(0, 0, 300, 60);
    panel->SetParent(Form);
    const struct {
        const char* what;
        TWinControl* parent;
        bool sizeGrip;
        bool maximized;
    } cases[] = {{"without SizeGrip", Form, false, false},
                 {"not on a form", panel, true, false},
                 {"on a maximized form", Form, true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        bar->SetSizeGrip(c.sizeGrip);
        bar->SetParent(c.parent);
        ShowWindow(Form->Handle(), c.maximized ? SW_MAXIMIZE : SW_RESTORE);
        ASSERT_TRUE(PumpUntil([&] { return (IsZoomed(Form->Handle()) != 0) == c.maximized; }));
        auto painted = Painted(bar);
        EXPECT_EQ(ElementAt(style.operator->(), painted.get(), bar->Width() - 1, bar->Height() - 3), pane);
    }
    ShowWindow(Form->Handle(), SW_RESTORE);
    delete panel;
}

TEST_F(BarsHookTest, StatusBarHandsOwnerAndEmptyPanelsToOnDrawPanel)
{
    TActiveTestStyle style;
    auto* bar = new TscStatusBar(Form);
    bar->SetParent(Form);
    bar->Panels()->Add()->SetText(u"text");
    bar->Panels()->Add()->SetStyle(psOwnerDraw);
    bar->Panels()->Add(); // empty text: the event paints it too
    std::vector<int> drawn;
    bool lockedMeanwhile = false;
    std::function<void(TCustomStatusBar*, TStatusPanel*, TRect)> onDraw = [&](TCustomStatusBar* sender, TStatusPanel* p,
                                                                             TRect r) {
        drawn.push_back(p->Index());
        lockedMeanwhile = sender->Canvas()->LockCount() > 0;
        sender->Canvas()->Brush()->SetColor(clLime);
        sender->Canvas()->FillRect(r);
        if (p->Index() == 2)
            throw Exception(u"painter failed");
    };
    bar->SetOnDrawPanel(TDrawPanelEvent(onDraw));
    String failure;
    Application->SetOnException([&](TObject*, const Exception& e) { failure = e.Message(); });
    Painted(bar);
    Application->SetOnException(nullptr);
    EXPECT_EQ(failure, u"painter failed");
    EXPECT_EQ(drawn, (std::vector<int>{1, 2}));
    EXPECT_TRUE(lockedMeanwhile);
    // A failing painter leaves the canvas released and detached.
    EXPECT_EQ(bar->Canvas()->LockCount(), 0);
    EXPECT_FALSE(bar->Canvas()->HandleAllocated());

    bar->SetOnDrawPanel(nullptr);
    bar->SetSimplePanel(true);
    bar->SetSimpleText(u"simple");
    auto bitmap = Painted(bar);
    EXPECT_EQ(ElementAt(style.operator->(), bitmap.get(), bar->Width() / 2, 3),
              TCustomStyleServices::GetElementDetails(tsPane));
    delete bar;
}

TEST_F(BarsHookTest, StatusBarScalesPanelWidthsTheFrameworkLeftAlone)
{
    auto* bar = new TscStatusBar(Form);
    bar->SetParent(Form);
    bar->Panels()->Add()->SetWidth(0);
    bar->Panels()->Add()->SetWidth(60);
    bar->Panels()->Add()->SetWidth(45);
    bar->ScaleBy(3, 2);
    EXPECT_EQ(bar->Panels()->Items(0)->Width(), 0);
    EXPECT_EQ(bar->Panels()->Items(1)->Width(), 90);
    EXPECT_EQ(bar->Panels()->Items(2)->Width(), 68); // 67.5 rounded by MulDiv
    delete bar;
}

TEST_F(BarsHookTest, CoolBarPaintsBandsAndAFrameOnlyWithEdges)
{
    TActiveTestStyle style;
    auto* images = new TImageList(Form);
    images->SetWidth(16);
    images->SetHeight(16);
    auto red = Canvas32(16, 16, clRed);
    images->Add(red.get(), nullptr);

    auto* bar = new TscCoolBar(Form);
    EXPECT_TRUE(bar->EdgeBorders().Empty());
    EXPECT_EQ(bar->BandBorderStyle(), bsNone);
    bar->SetBounds(0, 0, 400, 40);
    bar->SetParent(Form);
    bar->SetImages(images);
    TCoolBand* band = bar->Bands()->Add();
    band->SetText(u"Band");
    band->SetImageIndex(0);
    band->SetWidth(200);
    bar->Bands()->Add()->SetText(u"Second");
    auto* hook = dynamic_cast<TscCoolBarStyleHook*>(bar->StyleHook());
    ASSERT_NE(hook, nullptr);

    auto bitmap = Painted(bar);
    const TRect r = hook->BandRect(0);
    EXPECT_EQ(ElementAt(style.operator->(), bitmap.get(), r.Left + 3, (r.Top + r.Bottom) / 2),
              TCustomStyleServices::GetElementDetails(trGripper));
    // The picture leads the caption area, 10 pixels into the band.
    EXPECT_EQ(PixelAt(bitmap.get(), r.Left + 10 + 8, (r.Top + r.Bottom) / 2), clRed);
    EXPECT_EQ(PixelAt(bitmap.get(), bar->ClientWidth() - 1, bar->ClientHeight() - 1),
              ColorToRGB(style->GetSystemColor(clBtnFace)));

    // The frame: none without edges, the toolbar element around a 2-pixel frame with them.
    const auto toolBarDrawn = [&] {
        style->ClearDrawCalls();
        style->SetRecording(true);
        RedrawWindow(bar->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        style->SetRecording(false);
        for (const auto& call : style->DrawCalls())
            if (call.Details == TCustomStyleServices::GetElementDetails(teToolBar, 0, 0))
                return true;
        return false;
    };
    EXPECT_FALSE(toolBarDrawn());
    bar->SetEdgeBorders({ebLeft, ebTop, ebRight, ebBottom});
    bar->SetEdgeInner(esRaised);
    EXPECT_TRUE(toolBarDrawn());
    delete bar;
}

TEST_F(BarsHookTest, AVerticalCoolBarHeadsEachBandOverItsControl)
{
    TActiveTestStyle style;
    auto* images = new TImageList(Form);
    images->SetWidth(16);
    images->SetHeight(16);
    auto red = Canvas32(16, 16, clRed);
    images->Add(red.get(), nullptr);
    auto* bar = new TscCoolBar(Form);
    bar->SetBounds(0, 0, 60, 250);
    bar->SetVertical(true);
    bar->SetParent(Form);
    bar->SetImages(images);
    auto* panel = new TPanel(Form);
    TCoolBand* band = bar->Bands()->Add();
    band->SetImageIndex(0);
    band->SetControl(panel);
    auto* hook = dynamic_cast<TscCoolBarStyleHook*>(bar->StyleHook());
    ASSERT_NE(hook, nullptr);

    // A vertical gripper along the band's top, the picture centred 10 pixels below it.
    auto bitmap = Painted(bar);
    const TRect r = hook->BandRect(0);
    const int centre = (r.Left + r.Right) / 2;
    EXPECT_EQ(ElementAt(style.operator->(), bitmap.get(), centre, r.Top + 1),
              TCustomStyleServices::GetElementDetails(trGripperVert));
    EXPECT_EQ(PixelAt(bitmap.get(), centre, r.Top + 10 + 8), clRed);
    delete bar;
}
