#include <gtest/gtest.h>

#include "ExtCtrls.h"
#include "Forms.h"
#include "GuiTestSupport.h"
#include "KitTestSupport.h"
#include "PlatformFacts.h"
#include "scControls.h"

namespace {

// A face that covers only its top-left 5 x 5 pixels, so the rest shows the captured background.
class TCornerControl : public TscCustomActiveControl {
    TAVIN_CLASS(TCornerControl, TscCustomActiveControl)
public:
    using TscCustomActiveControl::TscCustomActiveControl;
    void Draw(TCanvas* canvas, TscsCtrlState) override
    {
        canvas->Brush()->SetColor(FaceColor);
        canvas->FillRect(Rect(0, 0, 5, 5));
    }
    TBitmap* Captured() const { return ParentBGBuffer.get(); }
    void Move(int x, int y) { MouseMove({}, x, y); }
    TColor FaceColor = clBlue;
};

class TBlock : public TGraphicControl {
    TAVIN_CLASS(TBlock, TGraphicControl)
public:
    using TGraphicControl::TGraphicControl;
    TColor Fill = clGreen;

protected:
    void Paint() override
    {
        Canvas()->Brush()->SetColor(Fill);
        Canvas()->FillRect(ClientRect());
    }
};

struct TPanelForm {
    TPanelForm()
    {
        Form = new TForm(Application);
        Form->SetBounds(100, 100, 300, 200);
        Panel = new TPanel(Form);
        Panel->SetParent(Form);
        Panel->SetBounds(0, 0, 200, 150);
        Panel->SetBevelOuter(bvNone);
        Panel->SetColor(clYellow);
        Panel->SetParentBackground(false);
    }
    ~TPanelForm() { delete Form; }
    TPanelForm(const TPanelForm&) = delete;
    TPanelForm& operator=(const TPanelForm&) = delete;
    TForm* Form;
    TPanel* Panel;
};

COLORREF Ref(TColor c) { return static_cast<COLORREF>(ColorToRGB(c)); }

} // namespace

TEST(BaseControlTest, ComposesTheFaceOverTheParentsBackgroundAndTheLabelsBelowIt)
{
    TPanelForm f;
    auto* below = new TBlock(f.Form);
    below->SetParent(f.Panel);
    below->SetBounds(30, 30, 20, 10); // half under the control
    auto* control = new TCornerControl(f.Form);
    control->SetParent(f.Panel);
    control->SetBounds(40, 20, 50, 40);
    auto* above = new TBlock(f.Form);
    above->Fill = clRed;
    above->SetParent(f.Panel);
    above->SetBounds(70, 30, 10, 10); // later in the child order
    ASSERT_TRUE(ShowActive(f.Form));

    TOffscreenImage image(control);
    EXPECT_EQ(image.Pixel(2, 2), Ref(clBlue));
    EXPECT_EQ(image.Pixel(20, 30), Ref(clYellow));
    EXPECT_EQ(image.Pixel(5, 12), Ref(clGreen)); // the block at panel (45, 32)
    EXPECT_EQ(image.Pixel(35, 12), Ref(clYellow)); // the later block is not part of the background
    EXPECT_EQ(control->FPaintBuffer, nullptr);

    control->SetTransparentBackground(false);
    control->CaptureParentBackground();
    EXPECT_EQ(control->Captured()->Width() * control->Captured()->Height(), 0);
}

TEST(BaseControlTest, ChildOfAControlThatKeepsItsBufferCopiesItsBackgroundFromIt)
{
    TPanelForm f;
    auto* parent = new TCornerControl(f.Form);
    parent->SetParent(f.Panel);
    parent->SetBounds(10, 10, 120, 100);
    parent->SetControlStyle(parent->ControlStyle().Include(csAcceptsControls));
    parent->SetStorePaintBuffer(true);
    parent->FaceColor = clFuchsia;
    auto* child = new TCornerControl(f.Form);
    child->SetParent(parent);
    child->SetBounds(2, 2, 30, 30); // over the parent's face corner
    ASSERT_TRUE(ShowActive(f.Form));
    parent->Repaint();
    ASSERT_NE(parent->FPaintBuffer, nullptr);
    child->CaptureParentBackground();
    EXPECT_EQ(PixelAt(child->Captured(), 1, 1), clFuchsia);
    EXPECT_EQ(PixelAt(child->Captured(), 20, 20), clYellow);
}

TEST(BaseControlTest, ZeroSizePaintsNothingAndBlurAmountStaysInRange)
{
    TPanelForm f;
    auto* control = new TCornerControl(f.Form);
    control->SetParent(f.Panel);
    control->SetBounds(0, 0, 0, 20);
    ASSERT_TRUE(ShowActive(f.Form));
    control->Repaint();
    EXPECT_EQ(control->FPaintBuffer, nullptr);

    for (int refused : {0, 21})
        control->SetBlurBackgroundAmount(refused);
    EXPECT_EQ(control->BlurBackgroundAmount(), 5);
    control->SetBlurBackgroundAmount(20);
    EXPECT_EQ(control->BlurBackgroundAmount(), 20);
}

TEST(BaseControlTest, RightAndBottomEdgesCountAsInside)
{
    TPanelForm f;
    auto* control = new TCornerControl(f.Form);
    control->SetParent(f.Panel);
    control->SetBounds(0, 0, 40, 20);
    ASSERT_TRUE(ShowActive(f.Form));
    control->Move(40, 20);
    EXPECT_TRUE(control->MouseIn());
    EXPECT_EQ(control->GetCtrlState(), scsHot);
    control->Move(41, 5);
    EXPECT_FALSE(control->MouseIn());
}

TEST(BaseControlTest, MouseLeavingTheWindowIsCaughtByTheTimer)
{
    TPanelForm f;
    auto* control = new TCornerControl(f.Form);
    control->SetParent(f.Panel);
    control->SetBounds(20, 20, 40, 20);
    ASSERT_TRUE(ShowActive(f.Form));
    const TPoint inside = control->ClientToScreen(Point(5, 5));
    SetCursorPos(inside.X, inside.Y);
    control->Move(5, 5);
    ASSERT_TRUE(control->MouseIn());
    SetCursorPos(0, 0);
    EXPECT_TRUE(PumpUntil([&] { return !control->MouseIn(); }, 1000));
}

TEST(BaseControlTest, FluentOpaqueWindowOnlyFromWindows10Build17134)
{
    TPanelForm f;
    for (const auto& [build, layered] : {std::pair{17133, false}, std::pair{17134, true}}) {
        TInjectedPlatformFacts facts({.Version = TWindowsVersion{10, 0, build}});
        auto* control = new TCornerControl(f.Form);
        control->SetFluentUIOpaque(true);
        control->SetParent(f.Panel);
        control->SetBounds(0, 0, 40, 20);
        control->HandleNeeded();
        const bool isLayered = GetWindowLongPtrW(control->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED;
        EXPECT_EQ(isLayered, layered) << build;
        EXPECT_EQ(control->TransparentBackground(), !layered) << build;
        delete control;
    }
}
