// The toolbar control itself on real windows: its data and lifecycle, the arrangement of its
// controls and its own size, the hidden controls of a docked toolbar that is too short, update
// counting, and its face painted per styler setting.
#include <gtest/gtest.h>

#include <cstdlib>

#include "ExtCtrls.h"
#include "Forms.h"
#include "GuiTestSupport.h"
#include "IniFiles.h"
#include "Registry.h"
#include "RurToolBar_Button.h"
#include "RurToolBar_ControlSelector.h"
#include "RurToolBar_DockPanel.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_ToolBar.h"
#include "SysUtils.h"
#include "ToolBarTestSupport.h"
#include "WideText.h"

namespace {

class ToolBarLayoutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(40, 40, 420, 240);
        ToolBar = new TRurToolBar(Form.get());
        ToolBar->SetParent(Form.get());
    }
    // n blocks of the given sizes, added in order.
    std::vector<TBlock*> AddBlocks(std::initializer_list<TSize> sizes)
    {
        std::vector<TBlock*> blocks;
        for (TSize size : sizes) {
            auto* block = new TBlock(Form.get(), size.cx, size.cy);
            ToolBar->AddToolBarControl(block);
            blocks.push_back(block);
        }
        return blocks;
    }
    std::unique_ptr<TForm> Form;
    TRurToolBar* ToolBar = nullptr;
};

TEST_F(ToolBarLayoutTest, NewToolBarDefaults)
{
    auto toolBar = std::make_unique<TRurToolBar>(nullptr);
    EXPECT_EQ(toolBar->Height(), 26);
    EXPECT_EQ(toolBar->Constraints()->MinWidth(), 60);
    EXPECT_EQ(toolBar->Constraints()->MaxWidth(), 60);
    EXPECT_EQ(toolBar->CaptionHeight(), ScaledSize16);
    EXPECT_EQ(toolBar->ToolBarState(), tsDocked);
    EXPECT_EQ(toolBar->TextAutoOptionMenu(), u"Add or Remove Buttons");
    EXPECT_EQ(toolBar->TextOptionMenu(), u"Options");
    EXPECT_EQ(toolBar->Persistence()->Section(), u"UnDockedRurToolBars");
    EXPECT_EQ(toolBar->CurrentToolBarStyler(), toolBar->InternalToolBarStyler());
    EXPECT_EQ(toolBar->CurrentToolBarStyler()->CaptionFont()->Height(), -11);
}

TEST_F(ToolBarLayoutTest, StateFollowsTheParent)
{
    EXPECT_EQ(ToolBar->ToolBarState(), tsFixed);
    auto* dock = new TRurDockPanel(Form.get());
    dock->SetParent(Form.get());
    ToolBar->SetParent(dock);
    EXPECT_EQ(ToolBar->ToolBarState(), tsDocked);
    ToolBar->SetParent(Form.get());
    EXPECT_EQ(ToolBar->ToolBarState(), tsFixed);
}

TEST_F(ToolBarLayoutTest, HorizontalArrangementAndSizes)
{
    struct Case {
        const char* name;
        TDragGripStyle grip;
        bool rightHandle;
        std::vector<int> lefts;
        int fullLength;
    };
    const Case cases[] = {
        {"grip and handle", dsDots, true, {9, 32, 55}, 92},
        {"grip, small handle", dsDots, false, {9, 32, 55}, 82},
        {"no grip", dsNone, true, {2, 25, 48}, 85},
    };
    const auto blocks = AddBlocks({{23, 23}, {23, 23}, {23, 23}});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ToolBar->SetDragGripStyle(c.grip);
        ToolBar->SetShowRightHandle(c.rightHandle);
        ToolBar->ArrangeControls(true);
        for (size_t i = 0; i < blocks.size(); ++i) {
            EXPECT_EQ(blocks[i]->Left(), c.lefts[i]);
            EXPECT_EQ(blocks[i]->Top(), 2);
        }
        EXPECT_EQ(ToolBar->MaxLength(), c.fullLength);
        EXPECT_EQ(ToolBar->Width(), c.fullLength);
        EXPECT_EQ(ToolBar->Height(), 27);
        EXPECT_EQ(ToolBar->GetFullLength(), std::max(60, c.fullLength));
    }
}

TEST_F(ToolBarLayoutTest, VerticalCaptionInvisibleAndMarginCases)
{
    const auto blocks = AddBlocks({{23, 23}, {30, 20}});
    // A vertical toolbar stacks its controls below the grip and is as wide as the widest + 4.
    ToolBar->SetPosition(daLeft);
    EXPECT_EQ(ToolBar->Height(), 9 + 43 + 14);
    ToolBar->ArrangeControls(true);
    EXPECT_EQ(blocks[0]->Top(), 9);
    EXPECT_EQ(blocks[1]->Top(), 32);
    EXPECT_EQ(blocks[1]->Left(), 2);
    EXPECT_EQ(ToolBar->Width(), 34);
    EXPECT_EQ(ToolBar->Height(), 9 + 43 + 14);
    ToolBar->SetPosition(daTop);
    // A caption band above pushes the controls down and thickens the toolbar.
    ToolBar->SetShowCaption(true);
    EXPECT_EQ(blocks[0]->Top(), 2 + ScaledSize16);
    EXPECT_EQ(ToolBar->Height(), 27 + ScaledSize16);
    ToolBar->SetShowCaption(false);
    // An invisible control is parked below the toolbar and takes no length.
    blocks[0]->SetVisible(false);
    ToolBar->ArrangeControls(true);
    EXPECT_EQ(blocks[0]->Top(), ToolBar->Height() + 2);
    EXPECT_EQ(blocks[1]->Left(), 9);
    EXPECT_EQ(ToolBar->MaxLength(), 9 + 30 + 14);
    // Margins count only with AlignWithMargins.
    blocks[0]->SetVisible(true);
    blocks[0]->Margins()->SetBounds(5, 1, 4, 0);
    ToolBar->ArrangeControls(true);
    EXPECT_EQ(blocks[0]->Left(), 9);
    blocks[0]->SetAlignWithMargins(true);
    ToolBar->ArrangeControls(true);
    EXPECT_EQ(blocks[0]->Left(), 14);
    EXPECT_EQ(blocks[0]->Top(), 3);
    EXPECT_EQ(blocks[1]->Left(), 14 + 23 + 4);
}

TEST_F(ToolBarLayoutTest, OnlyInvisibleControlsAndFixedDesignedPositions)
{
    const auto blocks = AddBlocks({{23, 23}});
    blocks[0]->SetVisible(false);
    ToolBar->ArrangeControls(true);
    // The minimum length of an empty toolbar is 15 plus the right handle.
    EXPECT_EQ(ToolBar->Constraints()->MinWidth(), 15 + 14);
    // A fixed toolbar without automatic positions keeps what the program placed.
    blocks[0]->SetVisible(true);
    ToolBar->SetAutoPositionControls(false);
    EXPECT_FALSE(ToolBar->AutoPositionControls());
    EXPECT_FALSE(ToolBar->AutoSize());
    blocks[0]->SetBounds(40, 1, 23, 23);
    EXPECT_EQ(blocks[0]->Left(), 40);
    // A docked toolbar refuses to stop positioning its controls.
    auto* dock = new TRurDockPanel(Form.get());
    dock->SetParent(Form.get());
    ToolBar->SetAutoPositionControls(true);
    ToolBar->SetParent(dock);
    ToolBar->SetAutoPositionControls(false);
    EXPECT_TRUE(ToolBar->AutoPositionControls());
}

TEST_F(ToolBarLayoutTest, ControlListOrderAndFreedControls)
{
    // Dropped at Left 0 a control goes last; elsewhere before the first one at or right of it.
    const auto blocks = AddBlocks({{20, 20}, {20, 20}});
    auto* dropped = new TBlock(Form.get(), 20, 20);
    dropped->SetBounds(blocks[1]->Left(), 2, 20, 20);
    dropped->SetParent(ToolBar);
    ASSERT_EQ(ToolBar->ToolBarControlCount(), 3);
    EXPECT_EQ(ToolBar->ToolBarControls(1), dropped);
    EXPECT_EQ(ToolBar->ToolBarControls(-1), nullptr);
    EXPECT_EQ(ToolBar->ToolBarControls(3), nullptr);
    EXPECT_EQ(ToolBar->AddToolBarControl(dropped), -1);
    EXPECT_EQ(ToolBar->AddToolBarControl(nullptr), -1);
    ToolBar->MoveToolBarControl(0, 2);
    EXPECT_EQ(ToolBar->ToolBarControls(2), blocks[0]);
    EXPECT_EQ(blocks[0]->Left(), 9 + 40);
    // A moved control still takes part in the recently-used order.
    EXPECT_GE(ToolBar->RecentlyUsedControls().IndexOf(blocks[0]), 0);
    delete blocks[1];
    EXPECT_EQ(ToolBar->ToolBarControlCount(), 2);
    EXPECT_EQ(ToolBar->RecentlyUsedControls().Count(), 2);
    EXPECT_EQ(dropped->Left(), 9);
}

TEST_F(ToolBarLayoutTest, SeparatorsWithoutAGroupBeforeThemHide)
{
    auto addSeparator = [&] {
        auto* separator = new TRurToolBarSeparator(Form.get());
        ToolBar->AddToolBarControl(separator);
        return separator;
    };
    TRurToolBarSeparator* leading = addSeparator();
    const auto blocks = AddBlocks({{20, 20}});
    TRurToolBarSeparator* middle = addSeparator();
    TRurToolBarSeparator* twice = addSeparator();
    AddBlocks({{20, 20}});
    EXPECT_FALSE(leading->Visible()) << "at the start";
    EXPECT_TRUE(middle->Visible()) << "added at run time after a control";
    EXPECT_FALSE(twice->Visible()) << "right after another separator";
    EXPECT_EQ(middle->Left(), 9 + 20);
    // A control moved before the leading separator brings it back.
    ToolBar->MoveToolBarControl(ToolBar->IndexOfToolBarControl(blocks[0]), 0);
    ToolBar->Realign();
    EXPECT_TRUE(leading->Visible());
    EXPECT_FALSE(middle->Visible());
    // A separator the program hid stays hidden.
    leading->SetVisible(false);
    ToolBar->Realign();
    EXPECT_FALSE(leading->Visible());
}

TEST_F(ToolBarLayoutTest, StylerLinkAndFreedStyler)
{
    auto* styler = new TCustomRurToolBarStyler(Form.get());
    ToolBar->SetToolBarStyler(styler);
    EXPECT_EQ(ToolBar->CurrentToolBarStyler(), styler);
    styler->Color()->SetColor(clRed);
    EXPECT_EQ(ToolBar->Color(), clRed);
    // Code 5 re-arranges: no grip moves the first control to 2.
    const auto blocks = AddBlocks({{20, 20}});
    styler->SetDragGripStyle(dsNone);
    EXPECT_EQ(blocks[0]->Left(), 2);
    delete styler;
    EXPECT_EQ(ToolBar->ToolBarStyler(), nullptr);
    EXPECT_EQ(ToolBar->CurrentToolBarStyler(), ToolBar->InternalToolBarStyler());
    // Writing ParentStyler True again re-links; False while False changes nothing.
    ToolBar->SetParentStyler(false);
    ToolBar->SetParentStyler(false);
    EXPECT_FALSE(ToolBar->ParentStyler());
    ToolBar->SetParentStyler(true);
    EXPECT_EQ(ToolBar->CurrentToolBarStyler(), ToolBar->InternalToolBarStyler());
}

TEST_F(ToolBarLayoutTest, FloatingRowsTable)
{
    AddBlocks({{23, 23}, {23, 23}, {23, 23}, {23, 23}, {23, 23}});
    // 60 minimum length: 2 + 23 + 23 fit in one row of 60 - 2, so five blocks need three rows.
    EXPECT_EQ(ToolBar->MaxFloatingRows(), 3);
    int height = 0, width = 0;
    ASSERT_TRUE(ToolBar->GetFloatingSizeForRows(2, height, width));
    // Two rows: the width grows from 60 in steps of 10 until three blocks fit in the first row.
    EXPECT_EQ(height, 2 * ToolBar->SizeAtDock() + ToolBar->CaptionHeight());
    EXPECT_EQ(width, 2 + 3 * 23 + 2);
    EXPECT_FALSE(ToolBar->GetFloatingSizeForRows(0, height, width));
    EXPECT_FALSE(ToolBar->GetFloatingSizeForRows(4, height, width));
    ToolBar->SetFloatingRows(-1);
    ToolBar->SetFloatingRows(7);
    EXPECT_EQ(ToolBar->FloatingRows(), 1);
}

TEST_F(ToolBarLayoutTest, ReleasesOnTheToolBarsOwnPartsAreNoClicks)
{
    AddBlocks({{20, 20}});
    ASSERT_TRUE(ShowActive(Form.get()));
    int clicks = 0;
    ToolBar->SetOnClick([&](TObject*) { ++clicks; });
    auto click = [&](TPoint p) {
        MouseAt(ToolBar, WM_LBUTTONDOWN, p, MK_LBUTTON);
        MouseAt(ToolBar, WM_LBUTTONUP, p);
    };
    click(TPoint{3, 10});                        // the grip
    click(TPoint{ToolBar->Width() - 5, 10});     // the right handle
    EXPECT_EQ(clicks, 0);
    click(TPoint{ToolBar->Width() - 20, ToolBar->Height() - 2}); // the body
    EXPECT_EQ(clicks, 1);
}

TEST_F(ToolBarLayoutTest, UpdateBracketCountsWhileHidden)
{
    const auto blocks = AddBlocks({{20, 20}});
    ToolBar->BeginUpdate();
    ToolBar->SetVisible(false);
    ToolBar->EndUpdate();
    EXPECT_EQ(ToolBar->UpdateCount(), 0);
    ToolBar->SetVisible(true);
    ToolBar->BeginUpdate();
    ToolBar->BeginUpdate();
    blocks[0]->SetLeft(70);
    ToolBar->EndUpdate();
    EXPECT_EQ(blocks[0]->Left(), 70);
    ToolBar->EndUpdate();
    EXPECT_EQ(blocks[0]->Left(), 9);
    // An unmatched EndUpdate stays at 0 and still arranges.
    ToolBar->EndUpdate();
    EXPECT_EQ(ToolBar->UpdateCount(), 0);
}

class DockedToolBarTest : public ToolBarLayoutTest {
protected:
    void SetUp() override
    {
        ToolBarLayoutTest::SetUp();
        Dock = new TRurDockPanel(Form.get());
        Dock->SetBounds(0, 0, 400, 40);
        Dock->SetParent(Form.get());
        ToolBar->SetParent(Dock);
        Blocks = AddBlocks({{20, 20}, {20, 20}, {20, 20}, {20, 20}});
        Separator = new TRurToolBarSeparator(Form.get());
        ToolBar->InsertToolBarControl(2, Separator);
        ASSERT_EQ(ToolBar->ToolBarControls(2), Separator);
        ASSERT_EQ(ToolBar->ToolBarState(), tsDocked);
    }
    // The controls the toolbar shows, in layout order.
    std::vector<TControl*> Shown() const
    {
        std::vector<TControl*> shown;
        for (int i = 0; i < ToolBar->ToolBarControlCount(); ++i)
            if (!ToolBar->IsHiddenControl(ToolBar->ToolBarControls(i)))
                shown.push_back(ToolBar->ToolBarControls(i));
        return shown;
    }
    TRurDockPanel* Dock = nullptr;
    std::vector<TBlock*> Blocks;
    TRurToolBarSeparator* Separator = nullptr;
};

TEST_F(DockedToolBarTest, ShrinkingHidesLeastRecentlyUsedAndGrowingBringsBack)
{
    const int full = ToolBar->MaxLength();
    EXPECT_EQ(full, 9 + 4 * 20 + Separator->Width() + 14);
    ToolBar->MarkControlUsed(Blocks[3]);
    ToolBar->MarkControlUsed(Blocks[0]);
    // 30 pixels short: the least recently used of the others goes first (Blocks[2], then [1]).
    ToolBar->SetBounds(0, 0, full - 30, ToolBar->Height());
    EXPECT_EQ(Shown(), (std::vector<TControl*>{Blocks[0], Separator, Blocks[3]}));
    ASSERT_EQ(ToolBar->HiddenControls().Count(), 2);
    EXPECT_EQ(Blocks[3]->Left(), 9 + 20 + Separator->Width());
    // Room for one more: the most recently hidden comes back.
    ToolBar->SetBounds(0, 0, full - 20, ToolBar->Height());
    EXPECT_EQ(Shown(), (std::vector<TControl*>{Blocks[0], Blocks[1], Separator, Blocks[3]}));
    ToolBar->SetBounds(0, 0, full, ToolBar->Height());
    EXPECT_EQ(ToolBar->HiddenControls().Count(), 0);
}

TEST_F(DockedToolBarTest, EmptyGroupTakesItsSeparatorAlong)
{
    const int full = ToolBar->MaxLength();
    ToolBar->MarkControlUsed(Blocks[0]);
    ToolBar->MarkControlUsed(Blocks[1]);
    // Blocks 2 and 3 (the group after the separator) go, and the separator with them.
    ToolBar->SetBounds(0, 0, full - 40, ToolBar->Height());
    EXPECT_EQ(Shown(), (std::vector<TControl*>{Blocks[0], Blocks[1]}));
    EXPECT_TRUE(ToolBar->IsHiddenControl(Separator));
    // Using a hidden control brings it back with its separator, and the toolbar hides another.
    ToolBar->MarkControlUsed(Blocks[3]);
    EXPECT_FALSE(ToolBar->IsHiddenControl(Blocks[3]));
    EXPECT_FALSE(ToolBar->IsHiddenControl(Separator));
    EXPECT_LE(Shown().back()->Left() + Shown().back()->Width() + 14, ToolBar->Width());
}

TEST_F(DockedToolBarTest, OptionDropDownListsHiddenControls)
{
    ASSERT_TRUE(ShowActive(Form.get()));
    const int full = ToolBar->MaxLength();
    ToolBar->SetBounds(0, 0, full - 20, ToolBar->Height());
    ASSERT_EQ(ToolBar->HiddenControls().Count(), 1);
    TControl* hidden = ToolBar->HiddenControls().Item<TControl>(0);
    int clicks = 0;
    TPoint clientPoint{}, screenPoint{};
    ToolBar->SetOnOptionClick([&](TObject*, TPoint& client, TPoint& screen) {
        ++clicks;
        clientPoint = client;
        screenPoint = screen;
    });
    ToolBar->OptionButtonClicked();
    auto* panel = dynamic_cast<TControlSelectorPanel*>(ToolBar->OptionWindowPanel());
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(ToolBar->OptionWindowVisible());
    ASSERT_EQ(panel->ListedControlCount(), 1);
    EXPECT_EQ(panel->ListedControls(0), hidden);
    EXPECT_EQ(hidden->Parent(), panel);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(clientPoint.X, ToolBar->Left() + ToolBar->Width() - 12);
    EXPECT_EQ(clientPoint.Y, ToolBar->Top() + ToolBar->Height() + 1);
    // Using the listed control brings it back and hides the drop-down.
    ToolBar->MarkControlUsed(hidden);
    EXPECT_FALSE(ToolBar->OptionWindowVisible());
    EXPECT_EQ(hidden->Parent(), ToolBar);
    EXPECT_FALSE(ToolBar->IsHiddenControl(hidden));
    // Nothing hidden: no drop-down, even with the add-or-remove entry.
    ToolBar->SetBounds(0, 0, full, ToolBar->Height());
    ToolBar->SetAutoOptionMenu(true);
    ToolBar->ShowOptionWindow(0, 0, false);
    EXPECT_FALSE(ToolBar->OptionWindowVisible());
}

TEST_F(DockedToolBarTest, FullSizeShowsEverything)
{
    ToolBar->SetBounds(0, 0, ToolBar->MaxLength() - 30, ToolBar->Height());
    ASSERT_GT(ToolBar->HiddenControls().Count(), 0);
    ToolBar->SetFullSize(true);
    EXPECT_EQ(ToolBar->HiddenControls().Count(), 0);
}

// ---- Position persistence ----------------------------------------------------------------------

class ToolBarPositionTest : public ToolBarLayoutTest {
protected:
    void SetUp() override
    {
        ToolBarLayoutTest::SetUp();
        DeleteFileW(WidePtr(File));
        ToolBar->SetName(u"Standard");
        Blocks = AddBlocks({{20, 20}, {20, 20}, {20, 20}});
        Blocks[0]->SetName(u"Cut");
        Blocks[1]->SetName(u"Copy");
        ToolBar->Persistence()->SetLocation(plIniFile);
        ToolBar->Persistence()->SetKey(File);
        ToolBar->Persistence()->SetEnabled(true);
    }
    void TearDown() override { DeleteFileW(WidePtr(File)); }
    // A second toolbar of the same name and controls, as the next run makes it.
    TRurToolBar* NextRun(const TPersistence* persistence)
    {
        auto* toolBar = new TRurToolBar(Form.get());
        toolBar->SetParent(Form.get());
        toolBar->SetPersistence(const_cast<TPersistence*>(persistence));
        const char16_t* names[] = {u"Cut", u"Copy", u""};
        for (const char16_t* name : names) {
            auto* block = new TBlock(toolBar, 20, 20);
            block->SetName(name);
            toolBar->AddToolBarControl(block);
        }
        ToolBar->SetName(u"Old");
        toolBar->SetName(u"Standard");
        return toolBar;
    }
    const String File = u"toolbar-position-test.ini";
    std::vector<TBlock*> Blocks;
};

TEST_F(ToolBarPositionTest, ControlsVisibilityRoundTripsInIniAndRegistry)
{
    for (TPersistenceLocation location : {plIniFile, plRegistry}) {
        SCOPED_TRACE(location == plIniFile ? "INI file" : "registry");
        if (location == plRegistry) {
            ToolBar->Persistence()->SetLocation(plRegistry);
            ToolBar->Persistence()->SetKey(u"Software\\TavinCSR\\ToolBarPositionTest");
        }
        Blocks[0]->SetVisible(false);
        ToolBar->SavePosition();
        TRurToolBar* next = NextRun(ToolBar->Persistence());
        next->LoadPosition();
        EXPECT_TRUE(next->PersistSettingLoaded());
        EXPECT_FALSE(next->ToolBarControls(0)->Visible());
        EXPECT_TRUE(next->ToolBarControls(1)->Visible());
        EXPECT_EQ(next->ToolBarControls(1)->Left(), 9) << "arranged again";
        delete next;
        ToolBar->SetName(u"Standard");
        Blocks[0]->SetVisible(true);
    }
    TRegistry registry;
    EXPECT_TRUE(registry.DeleteKey(u"\\Software\\TavinCSR\\ToolBarPositionTest"));
}

TEST_F(ToolBarPositionTest, KeysNamesAndFloatingFixUp)
{
    // Floating at the last save, fixed now: the state is written again, the rest stays.
    {
        TMemIniFile ini(File);
        ini.WriteString(u"UnDockedRurToolBars", u"Standard.Name", u"standard");
        ini.WriteInteger(u"UnDockedRurToolBars", u"Standard.State", 1);
        ini.WriteInteger(u"UnDockedRurToolBars", u"Standard.Left", 300);
        ini.UpdateFile();
    }
    ToolBar->SavePosition();
    TMemIniFile ini(File);
    EXPECT_EQ(ini.ReadInteger(u"UnDockedRurToolBars", u"Standard.State", -1), 2);
    EXPECT_EQ(ini.ReadInteger(u"UnDockedRurToolBars", u"Standard.Left", -1), 300);
    EXPECT_EQ(ini.ReadInteger(u"UnDockedRurToolBars", u"Standard.Cut", -1), 1);
    EXPECT_EQ(ini.ReadInteger(u"UnDockedRurToolBars", u"Standard.Copy", -1), 1);
    // A toolbar without a name keeps nothing: all unnamed toolbars would share one set of keys.
    DeleteFileW(WidePtr(File));
    ToolBar->SetName(u"");
    ToolBar->SavePosition();
    EXPECT_EQ(GetFileAttributesW(WidePtr(File)), INVALID_FILE_ATTRIBUTES);
    // Disabled: nothing either.
    ToolBar->SetName(u"Standard");
    ToolBar->Persistence()->SetEnabled(false);
    ToolBar->SavePosition();
    EXPECT_EQ(GetFileAttributesW(WidePtr(File)), INVALID_FILE_ATTRIBUTES);
}

TEST_F(ToolBarPositionTest, StoreErrorsReachTheCallerButNotTheDestructor)
{
    ToolBar->Persistence()->SetKey(u"no-such-directory\\toolbar.ini");
    EXPECT_THROW(ToolBar->SavePosition(), Exception);
    auto* styler = new TCustomRurToolBarStyler(Form.get());
    ToolBar->SetToolBarStyler(styler);
    ASSERT_EQ(styler->ControlCount(), 1);
    // Destroyed with the same store: no exception leaves, and the rest of the destruction runs.
    EXPECT_NO_THROW(delete ToolBar);
    EXPECT_EQ(styler->ControlCount(), 0);
    ToolBar = nullptr;
}

// ---- Painting ----------------------------------------------------------------------------------

class ToolBarPaintTest : public ToolBarLayoutTest {
protected:
    void SetUp() override
    {
        ToolBarLayoutTest::SetUp();
        Styler = new TCustomRurToolBarStyler(Form.get());
        Styler->Color()->SetColor(0x00F0E0D0);
        Styler->Color()->SetColorTo(clNone);
        Styler->SetRoundEdges(false);
        ToolBar->SetToolBarStyler(Styler);
        AddBlocks({{23, 23}, {23, 23}});
    }
    TCustomRurToolBarStyler* Styler = nullptr;
};

TEST_F(ToolBarPaintTest, BodyGripHandleAndBorder)
{
    struct Case {
        const char* name;
        TDragGripStyle grip;
        TColor border;
    };
    for (const Case& c : {Case{"dots", dsDots, clNone}, Case{"flat dots, border", dsFlatDots, clBlue}}) {
        SCOPED_TRACE(c.name);
        Styler->SetDragGripStyle(c.grip);
        Styler->SetBorderColor(c.border);
        auto shot = Snapshot(ToolBar);
        const int w = ToolBar->Width(), h = ToolBar->Height();
        // The body colour below the controls.
        EXPECT_EQ(PixelOf(shot.get(), w / 2, h - 2), TColor(0x00F0E0D0));
        // The handle: a solid fill in RightHandleColor (its colour-to is black, drawn as a
        // gradient downwards from the handle colour).
        EXPECT_EQ(PixelOf(shot.get(), w - 8, 2), TColor(0x009E9E9E));
        if (c.grip == dsDots) {
            EXPECT_EQ(PixelOf(shot.get(), 1 + 5, 1 + 4 + 2), clWhite);
            EXPECT_EQ(PixelOf(shot.get(), 1 + 3, 1 + 4), ColorToRGB(clBtnShadow));
        } else {
            EXPECT_EQ(PixelOf(shot.get(), 1 + 3, 1 + 4), TColor(0x00A5A5A5));
        }
        if (c.border != clNone) {
            EXPECT_EQ(PixelOf(shot.get(), w / 2 + 20, 0), clBlue);
            EXPECT_EQ(PixelOf(shot.get(), 0, h / 2), clBlue);
        }
        AddToContactSheet(u"toolbar " + FromUtf8(c.name), shot.get());
    }
}

TEST_F(ToolBarPaintTest, CaptionBandGradientAndTransparent)
{
    Styler->CaptionAppearance()->SetCaptionColor(0x00204080);
    Styler->CaptionAppearance()->SetCaptionColorTo(clNone);
    ToolBar->SetCaption(u"Standard");
    ToolBar->SetShowCaption(true);
    auto shot = Snapshot(ToolBar);
    // The caption band above, filled solid; the body below it.
    EXPECT_EQ(PixelOf(shot.get(), ToolBar->Width() - 30, 1), TColor(0x00204080));
    EXPECT_EQ(PixelOf(shot.get(), ToolBar->Width() - 30, ToolBar->GetCaptionRect().Bottom + 1), TColor(0x00F0E0D0));
    AddToContactSheet(u"toolbar caption", shot.get());
    // A horizontal gradient runs from Color at the left to ColorTo at the right.
    ToolBar->SetShowCaption(false);
    Styler->SetDragGripStyle(dsNone);
    Styler->Color()->SetColor(clWhite);
    Styler->Color()->SetColorTo(clBlack);
    Styler->Color()->SetDirection(gdHorizontal);
    shot = Snapshot(ToolBar);
    EXPECT_GT(GetRValue(PixelOf(shot.get(), 1, ToolBar->Height() - 2)),
              GetRValue(PixelOf(shot.get(), ToolBar->Width() - 20, ToolBar->Height() - 2)));
}

TEST_F(ToolBarPaintTest, HiddenControlsMarkAndDownHandle)
{
    auto* dock = new TRurDockPanel(Form.get());
    dock->SetBounds(0, 0, 400, 40);
    dock->SetParent(Form.get());
    // A docked toolbar that follows its parent paints with the panel's styler.
    dock->SetToolBarStyler(Styler);
    ToolBar->SetParent(dock);
    Styler->SetRightHandleColor(clSilver);
    Styler->SetRightHandleColorTo(clNone);
    auto before = Snapshot(ToolBar);
    const int fullWidth = ToolBar->Width();
    ToolBar->SetBounds(0, 0, ToolBar->MaxLength() - 20, ToolBar->Height());
    ASSERT_GT(ToolBar->GetGrowRoom(), 0);
    auto after = Snapshot(ToolBar);
    // The double chevron appears in the handle in the button caption colour (black).
    EXPECT_EQ(CountOf(before.get(), TRect{fullWidth - 14, 1, fullWidth, 12}, clBlack), 0);
    EXPECT_GT(CountOf(after.get(), TRect{ToolBar->Width() - 14, 1, ToolBar->Width(), 12}, clBlack), 4);
    AddToContactSheet(u"toolbar hidden mark", after.get());
}

} // namespace

namespace {

// A 16 x 16 glyph: a filled square of the colour on white.
std::unique_ptr<TBitmap> SquareGlyph(TColor color)
{
    auto glyph = Bitmap32(16, 16);
    glyph->Canvas()->Brush()->SetColor(color);
    glyph->Canvas()->FillRect(Rect(3, 3, 13, 13));
    return glyph;
}

// A form with styled toolbars as a user sees them; with TAVIN_DEMO_HOLD_MS set it stays on screen
// that long (for a screenshot).
TEST(ToolBarDemoTest, StyledToolBarsOnAForm)
{
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBounds(60, 60, 460, 200);
    form->SetCaption(u"Toolbars");
    auto* styler = new TCustomRurToolBarStyler(form.get());
    styler->Color()->SetColor(0x00FFF4EA);
    styler->Color()->SetColorTo(0x00EBCFB5);
    styler->Color()->SetDirection(gdVertical);
    styler->SetBorderColor(0x00B08060);
    styler->CaptionAppearance()->SetCaptionColor(0x00A0602A);
    styler->CaptionAppearance()->SetCaptionColorTo(0x00C08A5A);
    styler->SetRightHandleColor(0x00E0B890);
    styler->SetRightHandleColorTo(0x00A0703F);
    auto addToolBar = [&](int top, bool caption) {
        auto* toolBar = new TRurToolBar(form.get());
        toolBar->SetParent(form.get());
        toolBar->SetToolBarStyler(styler);
        toolBar->SetLeft(10);
        toolBar->SetTop(top);
        toolBar->SetCaption(u"Standard");
        toolBar->SetShowCaption(caption);
        const std::pair<const char16_t*, TColor> buttons[] = {
            {u"New", clGreen}, {u"Open", clBlue}, {nullptr, clNone}, {u"Save", clRed}, {u"Print", clPurple}};
        for (const auto& [text, color] : buttons) {
            if (!text) {
                toolBar->AddToolBarControl(new TRurToolBarSeparator(form.get()));
                continue;
            }
            auto* button = new TRurToolBarButton(form.get());
            auto glyph = SquareGlyph(color);
            button->SetGlyph(glyph.get());
            button->SetCaption(text);
            button->SetShowCaption(true);
            toolBar->AddToolBarControl(button);
        }
        return toolBar;
    };
    TRurToolBar* plain = addToolBar(10, false);
    TRurToolBar* captioned = addToolBar(60, true);
    ASSERT_TRUE(ShowActive(form.get()));
    EXPECT_GT(plain->Width(), 4 * 30);
    EXPECT_EQ(captioned->Height(), plain->Height() + ScaledSize16);
    AddToContactSheet(u"toolbar on a form", Snapshot(captioned).get());
    if (const char* hold = std::getenv("TAVIN_DEMO_HOLD_MS"))
        PumpFor(std::atoi(hold));
}

} // namespace
