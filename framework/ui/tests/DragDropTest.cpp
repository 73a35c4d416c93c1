// Dragging one control onto another with real mouse messages: when the drag begins, what the
// control under the pointer is asked and given, and what ends a drag without a drop.
#include <gtest/gtest.h>

#include <vector>

#include "Forms.h"
#include "StdCtrls.h"
#include "SysUtils.h"
#include "support/GuiTestSupport.h"

namespace {

// Two lists side by side; the right one takes drops from the left one only.
class DragDropTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form.SetBounds(60, 60, 360, 220);
        Source = AddList(10);
        Target = AddList(180);
        Source->SetDragMode(dmAutomatic);
        Target->SetOnDragOver(TDragOverEvent([this](TObject*, TObject* source, int x, int y, TDragState state, bool& accept) {
            // Wine adds moves of its own (from the real pointer): each state is kept once in a row.
            if (Overs.empty() || Overs.back() != state)
                Overs.push_back(state);
            LastOver = Point(x, y);
            accept = source == Source;
        }));
        Target->SetOnDragDrop(TDragDropEvent([this](TObject*, TObject* source, int x, int y) {
            Drops.push_back(Point(x, y));
            EXPECT_EQ(source, Source);
            EXPECT_FALSE(Source->Dragging()) << "the drag is over when the drop comes";
        }));
        ASSERT_TRUE(ShowActive(&Form));
    }

    void TearDown() override
    {
        const TPoint away = Form.ClientToScreen(TPoint{340, 10});
        SetCursorPos(away.X, away.Y);
    }

    TListBox* AddList(int left)
    {
        auto* list = new TListBox(&Form);
        list->SetParent(&Form);
        list->SetBounds(left, 10, 150, 150);
        for (int i = 0; i < 5; ++i)
            list->Items()->Add(u"Line " + IntToStr(i));
        return list;
    }

    // A point of the target list in the source list's client coordinates (where the captured
    // source's messages carry it).
    TPoint OnTarget(int x, int y) const { return Source->ScreenToClient(Target->ClientToScreen(Point(x, y))); }

    TForm Form{nullptr};
    TListBox *Source = nullptr, *Target = nullptr;
    // The states the target was asked in, in order.
    std::vector<TDragState> Overs;
    TPoint LastOver{};
    std::vector<TPoint> Drops;
};

TEST_F(DragDropTest, AutomaticDragDropsOnTheControlThatTakesIt)
{
    MouseAt(Source, WM_LBUTTONDOWN, Point(20, 5), MK_LBUTTON);
    EXPECT_EQ(Source->ItemIndex(), 0);
    // A tremble is no drag yet.
    MouseAt(Source, WM_MOUSEMOVE, Point(21, 6), MK_LBUTTON);
    EXPECT_FALSE(Source->Dragging());
    // Over its own lines the source's selection stays where the press put it.
    MouseAt(Source, WM_MOUSEMOVE, Point(20, 50), MK_LBUTTON);
    EXPECT_TRUE(Source->Dragging());
    EXPECT_EQ(Source->ItemIndex(), 0);
    EXPECT_TRUE(Overs.empty());
    MouseAt(Source, WM_MOUSEMOVE, OnTarget(30, 40), MK_LBUTTON);
    MouseAt(Source, WM_MOUSEMOVE, OnTarget(32, 44), MK_LBUTTON);
    EXPECT_EQ(Overs, (std::vector<TDragState>{dsDragEnter, dsDragMove}));
    EXPECT_EQ(LastOver, Point(32, 44));
    MouseAt(Source, WM_LBUTTONUP, OnTarget(32, 44));
    ASSERT_EQ(Drops.size(), 1u);
    EXPECT_EQ(Drops[0], Point(32, 44));
    EXPECT_FALSE(Source->Dragging());
    EXPECT_EQ(GetCapture(), nullptr);
    // The list is done tracking the press: the pointer passing over it selects nothing.
    MouseAt(Source, WM_MOUSEMOVE, Point(20, 70));
    EXPECT_EQ(Source->ItemIndex(), 0);
}

TEST_F(DragDropTest, DragsThatEndWithoutADrop)
{
    // A press and release in place is a click.
    MouseAt(Source, WM_LBUTTONDOWN, Point(20, 25), MK_LBUTTON);
    MouseAt(Source, WM_LBUTTONUP, Point(20, 25));
    EXPECT_EQ(Source->ItemIndex(), 1);
    EXPECT_FALSE(Source->Dragging());

    // A control that refuses gets no drop, and is told the drag left.
    Target->SetDragMode(dmAutomatic);
    MouseAt(Target, WM_LBUTTONDOWN, Point(20, 5), MK_LBUTTON);
    MouseAt(Target, WM_MOUSEMOVE, Point(20, 60), MK_LBUTTON);
    EXPECT_TRUE(Target->Dragging());
    MouseAt(Target, WM_LBUTTONUP, Point(20, 60));
    EXPECT_EQ(Overs, (std::vector<TDragState>{dsDragEnter, dsDragMove, dsDragLeave}));
    EXPECT_TRUE(Drops.empty());

    // Losing the capture cancels; a manual control drags only when asked, at once.
    Overs.clear();
    Source->SetDragMode(dmManual);
    MouseAt(Source, WM_LBUTTONDOWN, Point(20, 5), MK_LBUTTON);
    MouseAt(Source, WM_MOUSEMOVE, Point(20, 60), MK_LBUTTON);
    EXPECT_FALSE(Source->Dragging());
    MouseAt(Source, WM_LBUTTONUP, Point(20, 60));
    SetCursorPos(Target->ClientToScreen(Point(30, 30)).X, Target->ClientToScreen(Point(30, 30)).Y);
    Source->BeginDrag(true);
    EXPECT_TRUE(Source->Dragging());
    EXPECT_EQ(Overs, std::vector<TDragState>{dsDragEnter});
    SendMessageW(Source->Handle(), WM_CANCELMODE, 0, 0);
    EXPECT_FALSE(Source->Dragging());
    EXPECT_EQ(Overs, (std::vector<TDragState>{dsDragEnter, dsDragLeave}));
    EXPECT_TRUE(Drops.empty());
}

TEST_F(DragDropTest, AControlThatGoesEndsItsDrag)
{
    auto* extra = new TListBox(&Form);
    extra->SetParent(&Form);
    extra->SetBounds(10, 170, 100, 20);
    extra->BeginDrag(true);
    EXPECT_TRUE(extra->Dragging());
    delete extra;
    MouseAt(Source, WM_MOUSEMOVE, OnTarget(30, 40));
    EXPECT_TRUE(Overs.empty()) << "nothing is dragged any more";
}

} // namespace
