// The dock panel and its rows: rows laid out and the panel sized to them, toolbars arranged inside
// a row, dragged across and along rows (through the docked toolbar's own SetBounds), hidden and
// shown, designed places merged at loading, the styler link, painting, and the layout saved and
// restored.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "IniFiles.h"
#include "RurToolBar_DockPanel.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_ToolBar.h"
#include "SysUtils.h"
#include "ToolBarTestSupport.h"
#include "WideText.h"

namespace {

class DockPanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(40, 40, 520, 320);
        Dock = new TRurDockPanel(Form.get());
        Dock->SetParent(Form.get());
    }
    // A docked toolbar of a given length that keeps the size constraints the test gives it (no
    // controls to measure: AutoSize off); it lands in a new row of its own.
    TRurToolBar* Make(const String& name, int length, int minLength, int maxLength, TRurDockPanel* dock = nullptr)
    {
        auto* toolBar = new TRurToolBar(Form.get());
        toolBar->SetName(name);
        toolBar->SetAutoSize(false);
        toolBar->SetParent(dock ? dock : Dock);
        Shape(toolBar, minLength, maxLength, length);
        (dock ? dock : Dock)->Rows()->ArrangeRows();
        return toolBar;
    }
    static void Shape(TRurCustomToolBar* toolBar, int minLength, int maxLength, int length)
    {
        toolBar->SetAllowBoundChange(true);
        TSizeConstraints* c = toolBar->Constraints();
        if (toolBar->IsVertical()) {
            c->SetMinHeight(0);
            c->SetMaxHeight(maxLength);
            c->SetMinHeight(minLength);
            toolBar->SetHeight(length);
        } else {
            c->SetMinWidth(0);
            c->SetMaxWidth(maxLength);
            c->SetMinWidth(minLength);
            toolBar->SetWidth(length);
        }
        toolBar->SetAllowBoundChange(false);
    }
    static void Place(TRurCustomToolBar* toolBar, int left)
    {
        toolBar->SetAllowBoundChange(true);
        toolBar->SetLeft(left);
        toolBar->SetAllowBoundChange(false);
    }
    // The rows by toolbar names, e.g. "A B|C".
    std::string Layout(TRurDockPanel* dock = nullptr) const
    {
        TRurDockPanel* d = dock ? dock : Dock;
        std::string text;
        for (int r = 0; r < d->RowCount(); ++r) {
            if (r)
                text += "|";
            TRowCollectionItem* row = d->Rows()->Items(r);
            for (int i = 0; i < row->ToolBarCount(); ++i)
                text += (i ? " " : "") + ToUtf8(row->ToolBar(i)->Name());
        }
        return text;
    }
    TRowCollectionItem* Row(int index) const { return Dock->Rows()->Items(index); }
    // The along-row end of the first row (the panel's inset taken off).
    int RowEnd() const { return Row(0)->RowRect().Right; }

    std::unique_ptr<TForm> Form;
    TRurDockPanel* Dock = nullptr;
};

// ---- Rows and panel size -----------------------------------------------------------------------

TEST_F(DockPanelTest, RowsLieOneBelowAnotherAndSizeThePanel)
{
    Dock->Rows()->ArrangeRows();
    EXPECT_EQ(Dock->Height(), 3);
    Dock->SetMinimumSize(0);
    EXPECT_EQ(Dock->MinimumSize(), 3);
    Dock->Rows()->Add();
    EXPECT_EQ(Row(0)->Height(), 26);
    EXPECT_EQ(Row(0)->RowRect(), (TRect{1, 1, Dock->Width() - 1, 28}));
    Dock->Rows()->Add();
    EXPECT_EQ(Row(1)->RowRect().Top, 28);
    EXPECT_EQ(Row(1)->RowRect().Bottom, 55);
    EXPECT_EQ(Dock->Height(), 55);
    // The tallest toolbar decides a row's height.
    Dock->Rows()->Clear();
    TRurToolBar* a = Make(u"A", 80, 80, 80);
    Dock->Rows()->MoveToolBarToRow(Make(u"B", 80, 80, 80), 0);
    a->SetAllowBoundChange(true);
    a->SetHeight(30);
    a->SetAllowBoundChange(false);
    Dock->Rows()->ArrangeRows();
    EXPECT_EQ(Row(0)->Height(), 30);
    EXPECT_EQ(Dock->Height(), 32);
}

TEST_F(DockPanelTest, EmptyPanelSizesAtDesignTimeAndOnEveryEdge)
{
    struct Case {
        const char* name;
        TDockAlign align;
        bool designing;
        bool runTimeHeight;
        int thickness;
    };
    const Case cases[] = {
        {"run time", daTop, false, false, 3},
        {"design time, top", daTop, true, false, 13},
        {"design time, left", daLeft, true, false, 15},
        {"design time, run-time height", daTop, true, true, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto* dock = new TRurDockPanel(Form.get());
        dock->SetDesigning(c.designing);
        dock->SetParent(Form.get());
        dock->SetAlign(c.align);
        dock->SetUseRunTimeHeight(c.runTimeHeight);
        dock->Rows()->ArrangeRows();
        EXPECT_EQ(dock->IsVertical() ? dock->Width() : dock->Height(), c.thickness);
        delete dock;
    }
}

TEST_F(DockPanelTest, BottomPanelGrowsUpwardsAndLeftPanelStacksColumns)
{
    Dock->SetAlign(daBottom);
    const int bottom = Dock->Top() + Dock->Height();
    Make(u"A", 80, 80, 80);
    Make(u"B", 80, 80, 80);
    EXPECT_EQ(Dock->Height(), 55);
    EXPECT_EQ(Dock->Top() + Dock->Height(), bottom);

    auto* left = new TRurDockPanel(Form.get());
    left->SetParent(Form.get());
    left->SetAlign(daLeft);
    TRurToolBar* c = Make(u"C", 80, 80, 80, left);
    EXPECT_TRUE(c->IsVertical());
    EXPECT_EQ(c->Width(), 26);
    EXPECT_EQ(left->Width(), 29);
    // A column fills from its bottom end.
    EXPECT_EQ(c->Top() + c->Height(), left->Rows()->Items(0)->RowRect().Bottom - 2);
}

// ---- Arrangement inside a row ------------------------------------------------------------------

TEST_F(DockPanelTest, ArrangementResolvesOverlapsAndGaps)
{
    // Toolbars A and B in one row: their length, limits and place; then the arranged places.
    struct Spec {
        int left, length, minLength, maxLength;
    };
    struct Case {
        const char* name;
        Spec a, b;
        int aLeft, aLength, bLeft, bLength;
    };
    TRurToolBar* a = Make(u"A", 100, 100, 100);
    TRurToolBar* b = Make(u"B", 100, 100, 100);
    Dock->Rows()->MoveToolBarToRow(b, 0);
    const int e = RowEnd();
    const Case cases[] = {
        {"an overlapped toolbar moves on", {3, 100, 100, 100}, {50, 100, 100, 100}, 3, 100, 105, 100},
        {"a growing toolbar takes the gap after it", {3, 100, 60, 150}, {300, 100, 100, 100}, 3, 150, 300, 100},
        {"the first toolbar starts at the row start", {-20, 100, 100, 100}, {200, 100, 100, 100}, 3, 100, 200, 100},
        {"the last one moves back into the gap before it", {3, 100, 100, 100}, {e - 60, 100, 100, 100}, 3, 100,
         e - 102, 100},
        {"without a gap the last one shrinks to the row end", {3, e - 55, e - 55, e - 55}, {e - 50, 100, 40, 100},
         3, e - 55, e - 50, 48},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Shape(a, c.a.minLength, c.a.maxLength, c.a.length);
        Shape(b, c.b.minLength, c.b.maxLength, c.b.length);
        Place(a, c.a.left);
        Place(b, c.b.left);
        Row(0)->ArrangeToolBars();
        EXPECT_EQ(a->Left(), c.aLeft);
        EXPECT_EQ(a->Width(), c.aLength);
        EXPECT_EQ(b->Left(), c.bLeft);
        EXPECT_EQ(b->Width(), c.bLength);
        EXPECT_EQ(a->Top(), Row(0)->RowRect().Top);
        EXPECT_FALSE(Row(0)->NeedsArrange());
    }
}

TEST_F(DockPanelTest, FullSizeToolBarsKeepRowsOfTheirOwn)
{
    TRurToolBar* a = Make(u"A", 100, 60, 100);
    TRurToolBar* b = Make(u"B", 100, 60, 100);
    a->SetFullSize(true);
    EXPECT_EQ(Layout(), "A|B");
    EXPECT_EQ(a->Left(), 3);
    EXPECT_EQ(a->Width(), RowEnd() - 1 - 2 * 2);
    // A row starting with a full-size toolbar takes no other, and it joins no row with others.
    Dock->Rows()->MoveToolBarToRow(b, 0);
    EXPECT_EQ(Layout(), "A|B");
    EXPECT_FALSE(Row(1)->IsAllowed(a));
    EXPECT_EQ(Row(1)->AddToolBar(a), -1);
    EXPECT_THROW(Dock->Rows()->MoveToolBarToRow(b, 2), Exception);
    int left = 0, width = 0;
    EXPECT_THROW(Row(0)->SetToolBarLeftAndWidth(b, left, width), Exception);
}

// ---- Dragging across and along rows ------------------------------------------------------------

TEST_F(DockPanelTest, DraggingAcrossRows)
{
    struct Case {
        const char* name;
        const char* dragged;
        int top; // requested Top
        const char* layout;
    };
    const Case cases[] = {
        {"nudged 4 up opens a row above", "A", 1 - 4, "A|B|C"},
        {"nudged 4 down opens a row below", "A", 1 + 4, "B|A|C"},
        {"alone in its row it snaps back", "C", 28 - 4, "A B|C"},
        {"7 up from the first row it snaps back", "A", 1 - 7, "A B|C"},
        // Joining a row it lands at the requested left (the pointer's place in a drag): here the
        // row's start, which puts it before the toolbar whose left it passes by 5 pixels.
        {"far up it joins the row there", "C", 10, "A C B"},
        {"far down it joins the row there", "A", 40, "B|A C"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Dock->Rows()->Clear();
        for (int i = Form->ComponentCount() - 1; i >= 0; --i)
            if (auto* toolBar = dynamic_cast<TRurToolBar*>(Form->Components(i)))
                delete toolBar;
        TRurToolBar* a = Make(u"A", 100, 100, 100);
        TRurToolBar* b = Make(u"B", 100, 100, 100);
        Make(u"C", 100, 100, 100);
        Dock->Rows()->MoveToolBarToRow(b, 0);
        ASSERT_EQ(Layout(), "A B|C");
        ASSERT_EQ(a->Top(), 1);
        auto* dragged = dynamic_cast<TRurToolBar*>(Form->FindComponent(String(c.dragged, c.dragged + 1)));
        dragged->SetTop(c.top);
        EXPECT_EQ(Layout(), c.layout);
        EXPECT_EQ(dragged->Top(), Row(dragged->Row())->RowRect().Top);
    }
}

TEST_F(DockPanelTest, DraggingAlongARow)
{
    TRurToolBar* a = Make(u"A", 100, 100, 100);
    TRurToolBar* b = Make(u"B", 100, 100, 100);
    Dock->Rows()->MoveToolBarToRow(b, 0);
    ASSERT_EQ(b->Left(), 105);
    // The first toolbar stops at the row start + 2.
    a->SetLeft(-50);
    EXPECT_EQ(a->Left(), 3);
    // Dragged right it pushes its neighbour along.
    a->SetLeft(53);
    EXPECT_EQ(a->Left(), 53);
    EXPECT_EQ(b->Left(), 155);
    // Dragged back left the neighbour stays.
    a->SetLeft(3);
    EXPECT_EQ(b->Left(), 155);
    // A row without free space whose toolbars cannot shrink: B dragged to within 5 pixels of A's
    // left swaps with it.
    const int bLength = RowEnd() - 3 - 100 - 2 - 2;
    Shape(b, bLength, bLength, bLength);
    Row(0)->ArrangeToolBars();
    ASSERT_EQ(Row(0)->GetGap(b, nullptr), 0);
    b->SetLeft(a->Left() + 6);
    EXPECT_EQ(Layout(), "A B");
    b->SetLeft(a->Left() + 5);
    EXPECT_EQ(Layout(), "B A");
    EXPECT_EQ(b->Left(), 3);
    EXPECT_EQ(a->Left(), 3 + bLength + 2);
}

TEST_F(DockPanelTest, WideningTakesTheGapsAfterThenBefore)
{
    TRurToolBar* a = Make(u"A", 100, 60, 400);
    TRurToolBar* b = Make(u"B", 100, 100, 100);
    Dock->Rows()->MoveToolBarToRow(b, 0);
    const int bLength = RowEnd() - 154;
    Shape(b, bLength, bLength, bLength);
    Shape(a, 60, 400, 100);
    Place(a, 30);
    Place(b, 132);
    ASSERT_EQ(Row(0)->GetGap(a, b), 0);
    // 20 after B and 27 before A: asking 40 more for A takes 20 after, then 20 before.
    a->SetWidth(140);
    EXPECT_EQ(a->Width(), 140);
    EXPECT_EQ(a->Left(), 10);
    EXPECT_EQ(b->Left() + b->Width(), RowEnd() - 2);
}

// ---- Registration, visibility, resize ----------------------------------------------------------

TEST_F(DockPanelTest, ToolBarsLeavingHidingAndShowing)
{
    TRurToolBar* a = Make(u"A", 100, 100, 100);
    TRurToolBar* b = Make(u"B", 100, 100, 100);
    TRurToolBar* c = Make(u"C", 100, 100, 100);
    Dock->Rows()->MoveToolBarToRow(b, 0);
    ASSERT_EQ(Layout(), "A B|C");
    EXPECT_EQ(a->CurrentDock(), Dock);
    EXPECT_EQ(Dock->RurToolBarCount(), 3);
    // Hidden it leaves its row (an empty row goes); shown it goes back to the row it was in.
    c->SetVisible(false);
    EXPECT_EQ(Layout(), "A B");
    EXPECT_EQ(Dock->HiddenToolBars().Count(), 1);
    EXPECT_EQ(Dock->Height(), 28);
    b->SetVisible(false);
    b->SetVisible(true);
    EXPECT_EQ(Layout(), "A B");
    c->SetVisible(true);
    EXPECT_EQ(Layout(), "A B|C");
    EXPECT_EQ(Dock->HiddenToolBars().Count(), 0);
    // Moved to another parent it leaves the panel; freed it is forgotten.
    c->SetParent(Form.get());
    EXPECT_EQ(c->ToolBarState(), tsFixed);
    EXPECT_EQ(c->CurrentDock(), nullptr);
    EXPECT_EQ(c->LastDock(), Dock);
    EXPECT_EQ(Layout(), "A B");
    delete a;
    EXPECT_EQ(Layout(), "B");
    EXPECT_EQ(Dock->RurToolBarCount(), 1);
    // Freeing the panel leaves the toolbars pointing nowhere.
    delete Dock;
    Dock = nullptr;
    EXPECT_EQ(b->CurrentDock(), nullptr);
    EXPECT_EQ(c->LastDock(), nullptr);
}

TEST_F(DockPanelTest, PanelRefusesToolBarsAndDockPanelsAsParent)
{
    TRurToolBar* a = Make(u"A", 100, 100, 100);
    auto* inner = new TRurDockPanel(Form.get());
    EXPECT_THROW(inner->SetParent(Dock), Exception);
    EXPECT_THROW(inner->SetParent(a), Exception);
    EXPECT_NO_THROW(inner->SetParent(Form.get()));
}

TEST_F(DockPanelTest, ResizingThePanelRearrangesItsRows)
{
    TRurToolBar* a = Make(u"A", 100, 100, 100);
    TRurToolBar* b = Make(u"B", 200, 80, 200);
    Dock->Rows()->MoveToolBarToRow(b, 0);
    Place(b, RowEnd() - 202);
    Form->HandleNeeded();
    Dock->HandleNeeded();
    Form->SetWidth(280);
    // The row end came closer: B moves back into the gap, then shrinks.
    EXPECT_EQ(RowEnd(), Dock->Width() - 1);
    EXPECT_EQ(a->Left(), 3);
    EXPECT_EQ(b->Left(), 105);
    EXPECT_EQ(b->Left() + b->Width(), RowEnd() - 2);
    EXPECT_LT(b->Width(), 200);
}

TEST_F(DockPanelTest, StackingAndPacking)
{
    TRurToolBar* a = Make(u"A", 100, 100, 100);
    TRurToolBar* b = Make(u"B", 100, 100, 100);
    TRurToolBar* c = Make(u"C", 100, 100, 100);
    c->SetVisible(false);
    Dock->StackToolBars();
    EXPECT_EQ(Layout(), "A B");
    EXPECT_EQ(b->Left(), 105);
    Place(b, 300);
    Dock->ArrangeToolBars();
    EXPECT_EQ(a->Left(), 3);
    EXPECT_EQ(b->Left(), 105);
}

// ---- Styler and painting -----------------------------------------------------------------------

TEST_F(DockPanelTest, StylerLinkPassesToDockedToolBars)
{
    EXPECT_EQ(Dock->InternalToolBarStyler()->Name(), u"InternalStyler");
    EXPECT_EQ(Dock->CurrentToolBarStyler(), Dock->InternalToolBarStyler());
    Dock->SetVersion(u"1.0");
    EXPECT_EQ(Dock->Version(), u"6.8.3.4");
    TRurToolBar* a = Make(u"A", 100, 100, 100);
    EXPECT_EQ(a->CurrentToolBarStyler(), Dock->InternalToolBarStyler());
    auto* styler = new TCustomRurToolBarStyler(Form.get());
    Dock->SetToolBarStyler(styler);
    EXPECT_EQ(a->CurrentToolBarStyler(), styler);
    styler->DockColor()->SetColor(clRed);
    EXPECT_EQ(Dock->Color(), clRed);
    // A toolbar that does not follow its parent keeps its own.
    TRurToolBar* b = Make(u"B", 100, 100, 100);
    b->SetParentStyler(false);
    delete styler;
    EXPECT_EQ(Dock->ToolBarStyler(), nullptr);
    EXPECT_EQ(Dock->CurrentToolBarStyler(), Dock->InternalToolBarStyler());
    EXPECT_EQ(a->CurrentToolBarStyler(), Dock->InternalToolBarStyler());
    EXPECT_EQ(b->CurrentToolBarStyler(), b->InternalToolBarStyler());
}

TEST_F(DockPanelTest, PaintsTheDockColourAndTilesThePicture)
{
    Dock->Rows()->Add();
    TGradientBackground* dock = Dock->CurrentToolBarStyler()->DockColor();
    dock->SetColor(clWhite);
    dock->SetColorTo(clBlack);
    dock->SetDirection(gdHorizontal);
    auto shot = Snapshot(Dock);
    EXPECT_GT(GetRValue(PixelOf(shot.get(), 2, 10)), GetRValue(PixelOf(shot.get(), Dock->Width() - 3, 10)));
    dock->SetColorTo(clNone);
    dock->SetColor(clYellow);
    // A picture larger than the panel is drawn once, at (1, 1).
    auto picture = Bitmap32(Dock->Width() + 10, 60, clBlue);
    Dock->CurrentToolBarStyler()->SetBackGround(picture.get());
    shot = Snapshot(Dock);
    EXPECT_EQ(PixelOf(shot.get(), 0, 0), clYellow);
    EXPECT_EQ(PixelOf(shot.get(), 1, 1), clBlue);
    EXPECT_EQ(PixelOf(shot.get(), Dock->Width() - 1, Dock->Height() - 1), clBlue);
    AddToContactSheet(u"dock panel with a picture", shot.get());
}

// ---- Loading -----------------------------------------------------------------------------------

TEST_F(DockPanelTest, DesignedToolBarsShareARowByTheirTop)
{
    RegisterClasses({TRurDockPanel::StaticClass(), TRurToolBar::StaticClass()});
    auto read = [](bool locked) {
        const std::string text = std::string("object Holder: TForm\n"
                                             "  Width = 520\n"
                                             "  Height = 300\n"
                                             "  object Dock: TRurDockPanel\n") +
                                 (locked ? "    LockHeight = True\n" : "") +
                                 "    object Second: TRurToolBar\n"
                                 "      Left = 200\n"
                                 "      Top = 1\n"
                                 "    end\n"
                                 "    object First: TRurToolBar\n"
                                 "      Left = 3\n"
                                 "      Top = 1\n"
                                 "    end\n"
                                 "    object Third: TRurToolBar\n"
                                 "      Left = 3\n"
                                 "      Top = 40\n"
                                 "    end\n"
                                 "  end\n"
                                 "end\n";
        auto form = std::make_unique<TForm>(nullptr);
        ReadComponentResource(TBytes(text.begin(), text.end()), form.get());
        return form;
    };
    // The form scales designed places itself: at any scale the panel takes them as they stand,
    // both alike.
    for (float scale : TestScales) {
        SCOPED_TRACE(scale);
        TScopedDPIScale dpi(scale);
        auto form = read(false);
        auto* dock = dynamic_cast<TRurDockPanel*>(form->FindComponent(u"Dock"));
        ASSERT_NE(dock, nullptr);
        EXPECT_TRUE(dock->PropertiesLoaded());
        EXPECT_EQ(Layout(dock), "First Second|Third");
        auto* second = dynamic_cast<TRurToolBar*>(form->FindComponent(u"Second"));
        auto* first = dynamic_cast<TRurToolBar*>(form->FindComponent(u"First"));
        EXPECT_EQ(second->Left(), 200);
        EXPECT_GE(second->Left(), first->Left() + first->Width() + 2);
    }
    {
        // A locked panel neither opens nor removes rows.
        auto form = read(true);
        auto* dock = dynamic_cast<TRurDockPanel*>(form->FindComponent(u"Dock"));
        ASSERT_TRUE(dock->IsLocked());
        auto* first = dynamic_cast<TRurToolBar*>(form->FindComponent(u"First"));
        auto* third = dynamic_cast<TRurToolBar*>(form->FindComponent(u"Third"));
        first->SetTop(1 - 4);
        first->SetTop(1 + 4);
        EXPECT_EQ(Layout(dock), "First Second|Third");
        third->SetTop(10);
        EXPECT_EQ(Layout(dock), "First Third Second|");
        EXPECT_EQ(dock->Height(), 55);
        // Docking joins the rows there: the empty one first (from the last), then none for a
        // full-size toolbar, which the panel refuses.
        auto* late = new TRurToolBar(form.get());
        late->SetName(u"Late");
        late->SetParent(dock);
        EXPECT_EQ(Layout(dock), "First Third Second|Late");
        auto* wide = new TRurToolBar(form.get());
        wide->SetFullSize(true);
        EXPECT_FALSE(wide->CanDockTo(dock));
        wide->SetParent(dock);
        EXPECT_EQ(wide->CurrentDock(), nullptr);
        EXPECT_EQ(dock->RurToolBarCount(), 4);
    }
}

// ---- Layout persistence ------------------------------------------------------------------------

class DockLayoutTest : public DockPanelTest {
protected:
    void SetUp() override
    {
        DockPanelTest::SetUp();
        DeleteFileW(WidePtr(File));
        Dock->SetName(u"TopDock");
        UsePersistence(Dock);
    }
    void TearDown() override
    {
        // The panel and toolbars save as they go.
        Form.reset();
        DeleteFileW(WidePtr(File));
    }
    void UsePersistence(TRurDockPanel* dock) const
    {
        dock->Persistence()->SetLocation(plIniFile);
        dock->Persistence()->SetKey(File);
        dock->Persistence()->SetSection(u"Docks");
        dock->Persistence()->SetEnabled(true);
    }
    const String File = u"dock-layout-test.ini";
};

TEST_F(DockLayoutTest, SavedRowsComeBack)
{
    TRurToolBar* a = Make(u"A", 100, 100, 100);
    TRurToolBar* b = Make(u"B", 100, 100, 100);
    Make(u"C", 100, 100, 100);
    TRurToolBar* d = Make(u"D", 100, 100, 100);
    Dock->Rows()->MoveToolBarToRow(b, 0);
    b->SetLeft(160);
    d->SetVisible(false);
    ASSERT_EQ(Layout(), "A B|C");
    EXPECT_TRUE(a->Persistence()->Enabled());
    Dock->SaveToolBarsPosition();
    {
        TMemIniFile ini(File);
        EXPECT_EQ(ini.ReadInteger(u"Docks", u"ToolBarCount", 0), 4);
        EXPECT_EQ(ini.ReadInteger(u"Docks", u"RowCount", 0), 2);
        EXPECT_EQ(ini.ReadString(u"Docks", u"Name1", u""), u"A");
        EXPECT_EQ(ini.ReadString(u"Docks", u"Name2", u""), u"B");
        EXPECT_EQ(ini.ReadString(u"Docks", u"Name3", u""), u"C");
        EXPECT_EQ(ini.ReadString(u"Docks", u"Name4", u""), u"D");
        EXPECT_EQ(ini.ReadInteger(u"Docks", u"B.Left", 0), 160);
        EXPECT_EQ(ini.ReadInteger(u"Docks", u"C.Row", -1), 1);
        EXPECT_EQ(ini.ReadInteger(u"Docks", u"D.Visible", 1), 0);
    }
    // Rearranged, then loaded back.
    Dock->StackToolBars();
    d->SetVisible(true);
    ASSERT_EQ(Layout(), "A B C|D");
    Dock->LoadToolBarsPosition();
    EXPECT_EQ(Layout(), "A B|C");
    EXPECT_EQ(b->Left(), 160);
    EXPECT_FALSE(d->Visible());
    // Shown again it goes back where it was last: a row of its own after C's.
    d->SetVisible(true);
    EXPECT_EQ(Layout(), "A B|C|D");
}

TEST_F(DockLayoutTest, LoadingFindsToolBarsOnOtherPanelsAndKeepsNewOnes)
{
    TRurToolBar* a = Make(u"A", 100, 100, 100);
    TRurToolBar* b = Make(u"B", 100, 100, 100);
    Dock->Rows()->MoveToolBarToRow(b, 0);
    Dock->SaveToolBarsPosition();
    // Next run: B sits on another panel, and a new toolbar N is docked here.
    auto* other = new TRurDockPanel(Form.get());
    other->SetParent(Form.get());
    other->SetAlign(daBottom);
    b->SetParent(other);
    b->SetName(u"b");
    Make(u"N", 100, 100, 100);
    ASSERT_EQ(Layout(), "A|N");
    Dock->LoadToolBarsPosition();
    EXPECT_EQ(Layout(), "A b|N");
    EXPECT_EQ(b->CurrentDock(), Dock);
    EXPECT_EQ(other->RurToolBarCount(), 0);
    EXPECT_EQ(a->Row(), 0);
}

TEST_F(DockLayoutTest, ClosingTheFormSavesEveryToolBar)
{
    // The form frees its toolbars before the panel made earlier: the layout still has them all.
    Make(u"A", 100, 100, 100);
    Make(u"B", 100, 100, 100);
    Form.reset();
    TMemIniFile ini(File);
    EXPECT_EQ(ini.ReadInteger(u"Docks", u"ToolBarCount", 0), 2);
    EXPECT_EQ(ini.ReadString(u"Docks", u"Name2", u""), u"B");
}

TEST_F(DockLayoutTest, NothingStoredChangesNothingAndStoreErrorsStayInTheDestructor)
{
    Make(u"A", 100, 100, 100);
    Make(u"B", 100, 100, 100);
    Dock->LoadToolBarsPosition();
    EXPECT_EQ(Layout(), "A|B");
    Dock->Persistence()->SetKey(u"no-such-directory\\dock.ini");
    EXPECT_THROW(Dock->SaveToolBarsPosition(), Exception);
    auto* styler = new TCustomRurToolBarStyler(Form.get());
    Dock->SetToolBarStyler(styler);
    const int registered = styler->ControlCount();
    // Destroyed with the same store: no exception leaves, and the panel still unregisters.
    EXPECT_NO_THROW(delete Dock);
    Dock = nullptr;
    EXPECT_LT(styler->ControlCount(), registered);
}

} // namespace
