// The floating toolbar window and the drag: floating out of a dock, the window's size and frame,
// its edges changing the rows, closing, and dragging a toolbar out of one dock panel and into
// another through mouse messages in the drag's own loop.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "RurToolBar_DockPanel.h"
#include "RurToolBar_Floating.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_ToolBar.h"
#include "ToolBarTestSupport.h"

namespace {

// Feeds a drag in its own loop: each tick of a thread timer moves the real pointer to the next
// screen point and posts the move to the toolbar's window as it is then (the window is made again
// when the toolbar changes parent); after the last point the button goes up.
class TDragFeeder {
public:
    TDragFeeder(TRurCustomToolBar* toolBar, std::vector<TPoint> points) : FToolBar(toolBar), FPoints(std::move(points))
    {
        Current = this;
        FTimer = SetTimer(nullptr, 0, 15, &Tick);
    }
    ~TDragFeeder()
    {
        if (FTimer)
            KillTimer(nullptr, FTimer);
        Current = nullptr;
    }
    TDragFeeder(const TDragFeeder&) = delete;
    TDragFeeder& operator=(const TDragFeeder&) = delete;
    bool Done() const { return FTimer == 0; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        TDragFeeder* self = Current;
        if (!self || !self->FTimer)
            return;
        HWND target = self->FToolBar->Handle();
        if (self->FNext < self->FPoints.size()) {
            const TPoint s = self->FPoints[self->FNext++];
            SetCursorPos(s.X, s.Y);
            POINT p{s.X, s.Y};
            ScreenToClient(target, &p);
            PostMessageW(target, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(p.x, p.y));
            return;
        }
        PostMessageW(target, WM_LBUTTONUP, 0, 0);
        KillTimer(nullptr, self->FTimer);
        self->FTimer = 0;
    }
    static inline TDragFeeder* Current = nullptr;
    TRurCustomToolBar* FToolBar;
    std::vector<TPoint> FPoints;
    size_t FNext = 0;
    UINT_PTR FTimer = 0;
};

class ToolBarFloatingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(60, 60, 520, 360);
        Top = new TRurDockPanel(Form.get());
        Top->SetParent(Form.get());
        Bottom = new TRurDockPanel(Form.get());
        Bottom->SetParent(Form.get());
        Bottom->SetAlign(daBottom);
        ToolBar = new TRurToolBar(Form.get());
        ToolBar->SetParent(Top);
        for (int i = 0; i < 6; ++i)
            ToolBar->AddToolBarControl(new TBlock(Form.get(), 20, 20));
    }
    std::unique_ptr<TForm> Form;
    TRurDockPanel* Top = nullptr;
    TRurDockPanel* Bottom = nullptr;
    TRurToolBar* ToolBar = nullptr;
};

TEST_F(ToolBarFloatingTest, FloatsInAWindowWrappedAroundIt)
{
    ASSERT_TRUE(ShowActive(Form.get()));
    int undocked = 0;
    ToolBar->SetOnUnDocked([&](TObject*) { ++undocked; });
    ToolBar->MakeFloating(300, 200, true);
    TFloatingWindow* window = ToolBar->FloatingWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ToolBar->ToolBarState(), tsFloating);
    EXPECT_EQ(undocked, 1);
    EXPECT_EQ(ToolBar->CurrentDock(), nullptr);
    EXPECT_EQ(ToolBar->LastDock(), Top);
    EXPECT_EQ(Top->RurToolBarCount(), 0);
    EXPECT_TRUE(window->Visible());
    EXPECT_EQ(window->Left(), 300);
    EXPECT_EQ(window->Top(), 200);
    // Frame width 2 at 96 pixels per inch: 3 pixels all round.
    EXPECT_EQ(ToolBar->Left(), 3);
    EXPECT_EQ(ToolBar->Top(), 3);
    EXPECT_EQ(window->Width(), ToolBar->Width() + 6);
    EXPECT_EQ(window->Height(), ToolBar->Height() + 6);
    // Floating again moves the window; Dock brings it back and frees the window.
    ToolBar->SetToolBarFloating(Point(320, 210));
    EXPECT_EQ(window->Left(), 320);
    ToolBar->Dock(Bottom);
    ToolBar->CloseFloating();
    EXPECT_EQ(ToolBar->ToolBarState(), tsDocked);
    EXPECT_EQ(ToolBar->CurrentDock(), Bottom);
    EXPECT_FALSE(window->Visible());
}

TEST_F(ToolBarFloatingTest, ClosingHidesOrRedocks)
{
    ASSERT_TRUE(ShowActive(Form.get()));
    int closed = 0;
    ToolBar->SetOnClose([&](TObject*) { ++closed; });
    ToolBar->MakeFloating(300, 200, true);
    // The window's own close hides the toolbar.
    SendMessageW(ToolBar->FloatingWindow()->Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(ToolBar->Visible());
    ToolBar->SetVisible(true);
    EXPECT_TRUE(ToolBar->FloatingWindow()->Visible());
    // The close button hides it and tells the program.
    ToolBar->CloseFloating();
    EXPECT_FALSE(ToolBar->Visible());
    EXPECT_EQ(closed, 1);
    // With AutoDockOnClose it goes back to its last dock panel instead.
    ToolBar->SetVisible(true);
    ToolBar->SetAutoDockOnClose(true);
    ToolBar->CloseFloating();
    EXPECT_EQ(ToolBar->ToolBarState(), tsDocked);
    EXPECT_EQ(ToolBar->CurrentDock(), Top);
    EXPECT_EQ(ToolBar->FloatingWindow(), nullptr);
    EXPECT_EQ(closed, 1);
}

// Counts the paints a window gets; past a limit it validates the window instead of painting it,
// so painting that never settles fails the test instead of hanging it.
class TPaintCounter {
public:
    explicit TPaintCounter(TWinControl* control) : FControl(control), FProc(control->WindowProc())
    {
        control->SetWindowProc([this](TMessage& message) {
            if (message.Msg == WM_PAINT && ++Paints > Limit && FControl->HandleAllocated()) {
                ValidateRect(FControl->Handle(), nullptr);
                return;
            }
            FProc(message);
        });
    }
    ~TPaintCounter() { FControl->SetWindowProc(FProc); }
    TPaintCounter(const TPaintCounter&) = delete;
    TPaintCounter& operator=(const TPaintCounter&) = delete;
    static constexpr int Limit = 50;
    int Paints = 0;

private:
    TWinControl* FControl;
    TWndMethod FProc;
};

TEST_F(ToolBarFloatingTest, WindowFollowsTheFormAndPaintsItsFrame)
{
    // Made while the form is hidden, the window waits for the form.
    ToolBar->MakeFloating(300, 200, true);
    TFloatingWindow* window = ToolBar->FloatingWindow();
    EXPECT_FALSE(window->Visible());
    {
        // Shown by the timer once the form shows, it is painted once or twice and then left alone.
        TPaintCounter windowPaints(window), toolBarPaints(ToolBar);
        ASSERT_TRUE(ShowActive(Form.get()));
        EXPECT_TRUE(PumpUntil([&] { return window->Visible(); }));
        PumpFor(300);
        EXPECT_LE(windowPaints.Paints, 3);
        EXPECT_LE(toolBarPaints.Paints, 3);
    }
    Form->SetVisible(false);
    EXPECT_TRUE(PumpUntil([&] { return !window->Visible(); }));
    Form->SetVisible(true);
    EXPECT_TRUE(PumpUntil([&] { return window->Visible(); }));
    window->SetBorderColor(clRed);
    auto shot = Snapshot(window);
    EXPECT_EQ(PixelOf(shot.get(), 1, 1), clRed);
    EXPECT_EQ(PixelOf(shot.get(), window->Width() - 3, window->Height() - 3), clRed);
    window->SetBorderColor(clNone);
    shot = Snapshot(window);
    EXPECT_NE(PixelOf(shot.get(), 1, 1), clRed);
}

TEST_F(ToolBarFloatingTest, DraggingAnEdgeChangesTheRows)
{
    ASSERT_TRUE(ShowActive(Form.get()));
    ToolBar->MakeFloating(200, 150, true);
    TFloatingWindow* window = ToolBar->FloatingWindow();
    ASSERT_EQ(ToolBar->FloatingRows(), 1);
    const int right = window->Left() + window->Width();
    const int height = window->Height();
    // The left edge dragged inwards: one row more, narrower, the right edge where it was.
    MouseAt(window, WM_LBUTTONDOWN, Point(2, height / 2), MK_LBUTTON);
    EXPECT_TRUE(window->Resizing());
    MouseAt(window, WM_MOUSEMOVE, Point(2 + 7, height / 2), MK_LBUTTON);
    EXPECT_EQ(ToolBar->FloatingRows(), 2);
    EXPECT_EQ(window->Left() + window->Width(), right);
    EXPECT_GT(window->Height(), height);
    MouseAt(window, WM_LBUTTONUP, Point(9, height / 2));
    EXPECT_FALSE(window->Resizing());
    // The bottom edge dragged up: back to one row.
    const int h2 = window->Height();
    MouseAt(window, WM_LBUTTONDOWN, Point(window->Width() / 2, h2 - 2), MK_LBUTTON);
    MouseAt(window, WM_MOUSEMOVE, Point(window->Width() / 2, h2 - 2 - 7), MK_LBUTTON);
    EXPECT_EQ(ToolBar->FloatingRows(), 1);
    MouseAt(window, WM_LBUTTONUP, Point(window->Width() / 2, h2 - 9));
}

TEST_F(ToolBarFloatingTest, DraggedOutOfOneDockAndIntoAnother)
{
    ASSERT_TRUE(ShowActive(Form.get()));
    const TPoint grip = ToolBar->ClientToScreen(Point(3, 10));
    const TPoint below = Point(grip.X + 40, grip.Y + Top->Height() + 80);
    const TPoint overBottom = Bottom->ClientToScreen(Point(60, Bottom->Height() / 2));
    TDragFeeder feeder(ToolBar, {below, Point(below.X + 5, below.Y + 5), overBottom});
    MouseAt(ToolBar, WM_LBUTTONDOWN, Point(3, 10), MK_LBUTTON);
    ASSERT_TRUE(PumpUntil([&] { return feeder.Done() && !ToolBar->Dragging(); }, 5000));
    EXPECT_EQ(ToolBar->ToolBarState(), tsDocked);
    EXPECT_EQ(ToolBar->CurrentDock(), Bottom);
    EXPECT_EQ(ToolBar->FloatingWindow(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ToolBarFloatingTest, BreakingOutNeedsPermission)
{
    struct Case {
        const char* name;
        bool allowFloating;
        bool canFloat;
        TToolBarState state;
    };
    const Case cases[] = {
        {"floats", true, true, tsFloating},
        {"AllowFloating off", false, true, tsDocked},
        {"OnCanFloat says no", true, false, tsDocked},
    };
    ASSERT_TRUE(ShowActive(Form.get()));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (ToolBar->ToolBarState() != tsDocked)
            ToolBar->CloseFloating();
        ToolBar->SetAutoDockOnClose(true);
        ToolBar->SetAllowFloating(c.allowFloating);
        ToolBar->SetOnCanFloat([&](TObject*, bool& allow) { allow = c.canFloat; });
        const TPoint grip = ToolBar->ClientToScreen(Point(3, 10));
        TDragFeeder feeder(ToolBar, {Point(grip.X + 40, grip.Y + Top->Height() + 80)});
        MouseAt(ToolBar, WM_LBUTTONDOWN, Point(3, 10), MK_LBUTTON);
        ASSERT_TRUE(PumpUntil([&] { return feeder.Done() && !ToolBar->Dragging(); }, 5000));
        EXPECT_EQ(ToolBar->ToolBarState(), c.state);
    }
    // A locked toolbar's grip starts no drag.
    ToolBar->CloseFloating();
    ToolBar->SetLocked(true);
    MouseAt(ToolBar, WM_LBUTTONDOWN, Point(3, 10), MK_LBUTTON);
    EXPECT_FALSE(ToolBar->Dragging());
    MouseAt(ToolBar, WM_LBUTTONUP, Point(3, 10));
}

} // namespace
