// The toolbar container on a real toolbar: the controls put into it linked to its toolbar, its
// margins, and its face: the toolbar behind it shown through, and the frame with its caption gap
// in its own colour or the styler's.
#include <gtest/gtest.h>

#include <string>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "RurGlowButton.h"
#include "RurToolBar_Button.h"
#include "RurToolBar_Container.h"
#include "RurToolBar_ContainerAppearance.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_ToolBar.h"
#include "ToolBarTestSupport.h"

namespace {

constexpr TColor Behind = 0x00C08040;

class ToolBarContainerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(60, 60, 420, 200);
        ToolBar = new TRurToolBar(Form.get());
        ToolBar->SetParent(Form.get());
        UsePlainFace(ToolBar, Behind);
        ToolBar->SetBounds(0, 0, 300, 80);
        Container = new TRurToolBarContainer(Form.get());
        Container->SetBounds(0, 0, 120, 60);
        ToolBar->AddToolBarControl(Container);
        Container->SetRurToolBar(ToolBar);
        Container->SetParentStyler(false);
        Container->SetLine3D(false);
        Container->SetLineColor(clRed);
    }
    std::unique_ptr<TForm> Form;
    TRurToolBar* ToolBar = nullptr;
    TRurToolBarContainer* Container = nullptr;
};

TEST_F(ToolBarContainerTest, ControlsPutIntoItBelongToItsToolBar)
{
    auto* early = new TRurToolBarButton(Form.get());
    early->SetParent(Container);
    EXPECT_EQ(early->RurToolBar(), ToolBar);
    // A container moved to another toolbar takes its controls along.
    auto* other = new TRurToolBar(Form.get());
    other->SetParent(Form.get());
    Container->SetRurToolBar(other);
    EXPECT_EQ(early->RurToolBar(), other);
    auto* late = new TRurToolBarButton(Form.get());
    late->SetParent(Container);
    EXPECT_EQ(late->RurToolBar(), other);

    // Read from a form resource into a toolbar, the container takes that toolbar.
    RegisterClasses({TRurToolBar::StaticClass(), TRurToolBarContainer::StaticClass(),
                     TRurToolBarButton::StaticClass()});
    const std::string text = "object Holder: TForm\n"
                             "  object Bar: TRurToolBar\n"
                             "    object Group: TRurToolBarContainer\n"
                             "      Caption = 'Group'\n"
                             "      Margins = 4\n"
                             "      object Inside: TRurToolBarButton\n"
                             "      end\n"
                             "    end\n"
                             "  end\n"
                             "end\n";
    auto holder = std::make_unique<TForm>(nullptr);
    ReadComponentResource(TBytes(text.begin(), text.end()), holder.get());
    auto* bar = dynamic_cast<TRurToolBar*>(holder->FindComponent(u"Bar"));
    auto* group = dynamic_cast<TRurToolBarContainer*>(holder->FindComponent(u"Group"));
    auto* inside = dynamic_cast<TRurToolBarButton*>(holder->FindComponent(u"Inside"));
    ASSERT_TRUE(bar && group && inside);
    EXPECT_EQ(group->RurToolBar(), bar);
    EXPECT_EQ(inside->RurToolBar(), bar);
    EXPECT_EQ(group->Caption(), u"Group");
    EXPECT_GE(inside->Left(), 4);
    EXPECT_GE(inside->Top(), 4);
}

TEST_F(ToolBarContainerTest, GlowButtonsInsideReportTheirKeysToTheToolBar)
{
    auto* first = new TRurGlowButton(Form.get());
    first->SetParent(Container);
    first->SetBounds(4, 8, 40, 40);
    auto* second = new TRurGlowButton(Form.get());
    second->SetParent(Container);
    second->SetBounds(50, 8, 40, 40);
    ASSERT_TRUE(ShowActive(Form.get()));
    first->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return FocusedControl() == first; }));
    // Straight to the button, past the form's own arrow-key handling: the toolbar's key handler
    // moves the focus across the toolbar's controls.
    SendMessageW(first->Handle(), WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_TRUE(PumpUntil([&] { return FocusedControl() == second; }));
}

TEST_F(ToolBarContainerTest, MarginsKeepChildrenInside)
{
    auto* child = new TBlock(Form.get(), 20, 20);
    child->SetParent(Container);
    // Values outside 0 to 14 are ignored; the children move in at the next alignment.
    struct Case {
        int value;
        int expected;
    };
    const Case cases[] = {{6, 6}, {15, 6}, {-1, 6}, {14, 14}, {0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        Container->SetMargins(c.value);
        EXPECT_EQ(Container->Margins(), c.expected);
        child->SetBounds(0, 0, 20, 20);
        Container->Realign();
        EXPECT_EQ(child->Left(), c.expected);
        EXPECT_EQ(child->Top(), c.expected);
    }
    // An aligned child fills the client area less the margins.
    Container->SetMargins(5);
    child->SetAlign(alClient);
    EXPECT_EQ(child->BoundsRect(), (TRect{5, 5, 115, 55}));
}

TEST_F(ToolBarContainerTest, ShowsTheToolBarBehindUnderItsFrame)
{
    ASSERT_TRUE(ShowActive(Form.get()));
    // The frame: its top line 4 pixels down, left edge at 0, right and bottom edges 2 pixels in.
    auto shot = Snapshot(Container);
    EXPECT_EQ(PixelOf(shot.get(), 30, 4), clRed);
    EXPECT_EQ(PixelOf(shot.get(), 0, 30), clRed);
    EXPECT_EQ(PixelOf(shot.get(), 118, 30), clRed);
    EXPECT_EQ(PixelOf(shot.get(), 30, 58), clRed);
    EXPECT_EQ(PixelOf(shot.get(), 30, 30), Behind) << "the toolbar shows through";
    EXPECT_EQ(PixelOf(shot.get(), 119, 59), Behind) << "outside the frame too";

    // A caption breaks the top line from 10 pixels in to its end.
    Container->SetCaption(u"Tools");
    shot = Snapshot(Container);
    EXPECT_EQ(PixelOf(shot.get(), 8, 4), clRed);
    EXPECT_EQ(CountOf(shot.get(), TRect{10, 4, 24, 5}, clRed), 0);
    EXPECT_EQ(PixelOf(shot.get(), 110, 4), clRed);
    EXPECT_GT(CountOf(shot.get(), TRect{10, 0, 40, 16}, clBlack), 5) << "the caption in black";
    AddToContactSheet(u"Toolbar container", shot.get());

    // The 3-D look adds white lines beside the dark ones.
    Container->SetCaption(u"");
    Container->SetLine3D(true);
    shot = Snapshot(Container);
    EXPECT_EQ(PixelOf(shot.get(), 30, 5), clWhite);
    EXPECT_EQ(PixelOf(shot.get(), 1, 30), clWhite);

    // With the styler's look: its line colour; none draws no frame but still shows through.
    Container->SetParentStyler(true);
    ToolBar->CurrentToolBarStyler()->ContainerAppearance()->SetLineColor(clBlue);
    shot = Snapshot(Container);
    EXPECT_EQ(PixelOf(shot.get(), 30, 4), clBlue);
    ToolBar->CurrentToolBarStyler()->ContainerAppearance()->SetLineColor(clNone);
    shot = Snapshot(Container);
    EXPECT_EQ(CountOf(shot.get(), TRect{0, 0, 120, 60}, Behind), 120 * 60);
}

} // namespace
