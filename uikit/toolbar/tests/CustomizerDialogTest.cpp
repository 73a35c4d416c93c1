// The customizer dialog and the button-properties dialog from their form resources: filled from a
// toolbar, items moved, inserted, deleted and edited, and the result reaching the toolbar through
// the layout file (OK), or the designed toolbar coming back (Reset).
#include <gtest/gtest.h>

#include <cstdlib>
#include <windows.h>

#include "Buttons.h"
#include "CustomizerBtnU.h"
#include "CustomizerTestSupport.h"
#include "CustomizerU_Form.h"
#include "Dialogs.h"
#include "GuiTestSupport.h"
#include "ImgList.h"
#include "Resources.h"
#include "IniFiles.h"
#include "RurGlowButton.h"
#include "RurToolBar_Button.h"
#include "RurToolBar_ToolBar.h"
#include "Startup.h"
#include "SysUtils.h"

namespace {

const TUnitStep CustomizerTestUnits[] = {ResourcesUnit, ButtonsUnit, CustomizerUnit};

class TCustomizerEnvironment : public ::testing::Environment {
public:
    void SetUp() override { FUnits.Initialize(); }
    void TearDown() override { FUnits.Finalize(); }

private:
    TUnitStartup FUnits{CustomizerTestUnits};
};

[[maybe_unused]] ::testing::Environment* const CustomizerEnvironment =
    ::testing::AddGlobalTestEnvironment(new TCustomizerEnvironment);

// Keeps a shown form on screen for TAVIN_DEMO_HOLD_MS (to take a screenshot).
void HoldForLooking()
{
    if (const char* hold = std::getenv("TAVIN_DEMO_HOLD_MS"))
        PumpFor(std::atoi(hold));
}

// The shared toolbar with images of three colours, and the dialog made as the customizer makes it.
class CustomizerDialogTest : public CustomizedToolBarTest {
protected:
    void SetUp() override
    {
        CustomizedToolBarTest::SetUp();
        Images = new TImageList(Form.get());
        for (TColor colour : {clRed, clGreen, clBlue}) {
            TBitmap image(16, 16);
            image.Canvas()->Brush()->SetColor(colour);
            image.Canvas()->FillRect(Rect(0, 0, 16, 16));
            Images->Add(&image, nullptr);
        }
        ToolBar->SetImages(Images);
    }

    // The dialog as the customizer fills it, not shown.
    std::unique_ptr<TCustomizerForm> Dialog()
    {
        std::unique_ptr<TCustomizerForm> dialog(CreateForm<TCustomizerForm>(Customizer));
        dialog->SetToolBarCustomizer(Customizer);
        dialog->LoadComponents();
        return dialog;
    }

    std::vector<String> Lines(TCustomizerForm* dialog) const
    {
        std::vector<String> lines;
        TStrings* items = dialog->LstBxToolBarItems()->Items();
        for (int i = 0; i < items->Count(); ++i)
            lines.push_back(items->Strings(i));
        return lines;
    }

    bool Enabled(TCustomizerForm* dialog, const char16_t* name) { return dialog->SpeedButton(name)->Enabled(); }

    TImageList* Images = nullptr;
};

TEST_F(CustomizerDialogTest, FillsItselfFromTheToolBar)
{
    auto dialog = Dialog();
    EXPECT_EQ(Lines(dialog.get()), (Names{u"Open", u"Separator", u"Save", u"Print"}));
    EXPECT_EQ(dialog->LineRecord(0)->ATBItem, Open);
    EXPECT_EQ(dialog->LineRecord(0)->ImageIndex, 0);
    EXPECT_EQ(dialog->LstBxToolBarItems()->ItemHeight(), 19) << "images' height + 3";
    EXPECT_EQ(dialog->LstBxToolBarItems()->ItemIndex(), 0);
    EXPECT_EQ(dialog->CmBxIcon()->Items()->Count(), 4) << "three images and None";
    EXPECT_TRUE(dialog->CmBxIcon()->Visible());
    EXPECT_EQ(dialog->LstBxCommand()->Height(), 193);
    EXPECT_EQ(dialog->CmBxIcon()->ItemIndex(), 3) << "command 0 has no icon: None";
    dialog->LstBxCommand()->SetItemIndex(1);
    dialog->LstBxCommandClick(nullptr);
    EXPECT_EQ(dialog->CmBxIcon()->ItemIndex(), 2);
    EXPECT_EQ(dialog->EdtCaption()->Text(), u"Standard");
    EXPECT_FALSE(dialog->Modified()) << "filling is no change";
    EXPECT_FALSE(Enabled(dialog.get(), u"TopButton"));
    EXPECT_TRUE(Enabled(dialog.get(), u"DownButton"));
    EXPECT_TRUE(Enabled(dialog.get(), u"BtnEdit"));
    dialog->EdtCaption()->HandleNeeded(); // its window reports the change
    dialog->EdtCaption()->SetText(u"Mine");
    EXPECT_TRUE(dialog->Modified());
}

TEST_F(CustomizerDialogTest, ListEdits)
{
    auto dialog = Dialog();
    TListBox* items = dialog->LstBxToolBarItems();
    // Insertions: after a middle line, after the last line, with no selection.
    items->SetItemIndex(1);
    dialog->LstBxCommand()->SetItemIndex(2);
    dialog->AddButtonClick(nullptr);
    EXPECT_EQ(Lines(dialog.get()), (Names{u"Open", u"Separator", u"Close_all", u"Save", u"Print"}));
    EXPECT_EQ(items->ItemIndex(), 2);
    EXPECT_EQ(dialog->LineRecord(2)->CommandID, 2);
    EXPECT_TRUE(dialog->LineRecord(2)->IsATBButton);
    items->SetItemIndex(4);
    dialog->SeparatorButtonClick(nullptr);
    items->SetItemIndex(-1);
    dialog->SeparatorButtonClick(nullptr);
    EXPECT_EQ(items->Count(), 7);
    EXPECT_NE(dialog->LineRecord(5)->Caption, dialog->LineRecord(6)->Caption) << "two separators, two names";

    // Moves: up from the top wraps to the bottom, down from the bottom wraps to the top.
    items->SetItemIndex(0);
    dialog->UpButtonClick(nullptr);
    EXPECT_EQ(items->Items()->Strings(6), u"Open");
    EXPECT_EQ(items->ItemIndex(), 6);
    dialog->DownButtonClick(nullptr);
    EXPECT_EQ(items->Items()->Strings(0), u"Open");
    dialog->BottomButtonClick(nullptr);
    EXPECT_EQ(items->Items()->Strings(6), u"Open");
    dialog->TopButtonClick(nullptr);
    EXPECT_EQ(items->Items()->Strings(0), u"Open");

    // Deleting the last line selects the new last; deleting everything disables the commands.
    items->SetItemIndex(6);
    dialog->DeleteButtonClick(nullptr);
    EXPECT_EQ(items->ItemIndex(), 5);
    {
        TMessageBoxAnswerer yes;
        dialog->ClearButtonClick(nullptr);
        EXPECT_EQ(yes.Count(), 1);
        EXPECT_EQ(yes.LastText(), u"Are you sure that you want to clear ToolBar?");
    }
    EXPECT_EQ(items->Count(), 0);
    for (const char16_t* name : {u"DeleteButton", u"ClearButton", u"BtnEdit", u"UpButton", u"DownButton"})
        EXPECT_FALSE(Enabled(dialog.get(), name)) << ToUtf8(name);
    EXPECT_TRUE(dialog->Modified());
}

TEST_F(CustomizerDialogTest, OptionsAndSettingsShapeTheDialog)
{
    Customizer->Options()->SetAddButton(false);
    Customizer->Options()->SetAddGlowButton(false);
    Customizer->Options()->SetAddSeparator(false);
    Customizer->DialogSettings()->SetEditCaption(false);
    Customizer->DialogSettings()->SetEditGlyphPosition(false);
    int seenTop = -1, seenHeight = 0, okTop = 0;
    TDragMode seenDrag = dmManual;
    Customizer->SetOnCanShow(TCustomizerCanShowEvent([&](TObject* sender, int&, int&, bool& canShow) {
        auto* customizer = static_cast<TRurToolBarCustomizer*>(sender);
        for (int i = 0; i < customizer->ComponentCount(); ++i)
            if (auto* dialog = dynamic_cast<TCustomizerForm*>(customizer->Components(i))) {
                seenTop = dialog->SpeedButton(u"DeleteButton")->Top();
                seenHeight = dialog->ClientHeight();
                okTop = dialog->Child<TButton>(u"BtnOk")->Top();
                seenDrag = dialog->LstBxToolBarItems()->DragMode();
            }
        canShow = false;
    }));
    bool displayed = false;
    Customizer->SetOnBeforeDisplay(TNotifyEvent([&](TObject*) { displayed = true; }));
    ToolBar->ShowCustomizer();
    EXPECT_EQ(seenTop, 114) << "Delete closes up under Bottom";
    EXPECT_EQ(seenHeight, 363 - 65) << "no options group";
    EXPECT_EQ(okTop, 333 - 65);
    EXPECT_FALSE(displayed);
    EXPECT_EQ(seenDrag, dmAutomatic);
    Customizer->Options()->SetReOrder(false);
    ToolBar->ShowCustomizer();
    EXPECT_EQ(seenDrag, dmManual) << "lines are dragged only where reordering is offered";
}

TEST_F(CustomizerDialogTest, OkRebuildsTheToolBarAndResetBringsItBack)
{
    int posted = 0;
    Customizer->SetOnAfterPost(TNotifyEvent([&](TObject*) { ++posted; }));
    Customizer->SetOnBeforeDisplay(TNotifyEvent([&](TObject* sender) {
        auto* customizer = static_cast<TRurToolBarCustomizer*>(sender);
        for (int i = 0; i < customizer->ComponentCount(); ++i)
            if (auto* dialog = dynamic_cast<TCustomizerForm*>(customizer->Components(i)))
                dialog->SetOnShow(TNotifyEvent([dialog](TObject*) {
                    // Save to the top, a separator after it, Print (the glow button) deleted,
                    // then OK.
                    dialog->LstBxToolBarItems()->SetItemIndex(2);
                    dialog->TopButtonClick(nullptr);
                    dialog->SeparatorButtonClick(nullptr);
                    dialog->LstBxToolBarItems()->SetItemIndex(4);
                    dialog->DeleteButtonClick(nullptr);
                    dialog->Child<TButton>(u"BtnOk")->Click();
                }));
    }));
    ToolBar->ShowCustomizer();
    EXPECT_EQ(ItemNames(), (Names{u"BtnSave", u"RurToolBarSeparator1", u"BtnOpen", u"Sep1"}));
    EXPECT_EQ(posted, 1);
    {
        TMemIniFile file(File);
        EXPECT_EQ(file.ReadInteger(u"Customizer1", u"ToolBarItemCount", -1), 4);
    }

    // OK without a change rewrites the section but rebuilds nothing.
    Customizer->SetOnBeforeDisplay(TNotifyEvent([&](TObject* sender) {
        auto* customizer = static_cast<TRurToolBarCustomizer*>(sender);
        for (int i = 0; i < customizer->ComponentCount(); ++i)
            if (auto* dialog = dynamic_cast<TCustomizerForm*>(customizer->Components(i)))
                dialog->SetOnShow(TNotifyEvent([dialog](TObject*) { dialog->Child<TButton>(u"BtnOk")->Click(); }));
    }));
    ToolBar->ShowCustomizer();
    EXPECT_EQ(posted, 1);

    // Reset.
    Customizer->SetOnBeforeDisplay(TNotifyEvent([&](TObject* sender) {
        auto* customizer = static_cast<TRurToolBarCustomizer*>(sender);
        for (int i = 0; i < customizer->ComponentCount(); ++i)
            if (auto* dialog = dynamic_cast<TCustomizerForm*>(customizer->Components(i)))
                dialog->SetOnShow(
                    TNotifyEvent([dialog](TObject*) { dialog->Child<TButton>(u"BtnReset")->Click(); }));
    }));
    ToolBar->ShowCustomizer();
    EXPECT_EQ(ItemNames(), (Names{u"BtnOpen", u"Sep1", u"BtnSave", u"GlowPrint"}));
}

TEST_F(CustomizerDialogTest, DraggingOntoTheItemList)
{
    Form->Show();
    auto dialog = Dialog();
    dialog->SetBounds(120, 160, dialog->Width(), dialog->Height());
    ASSERT_TRUE(ShowActive(dialog.get()));
    TListBox* items = dialog->LstBxToolBarItems();
    TListBox* commands = dialog->LstBxCommand();
    const int line = items->ItemHeight();
    auto onItems = [&](TListBox* from, int y) { return from->ScreenToClient(items->ClientToScreen(Point(20, y))); };

    // A line dragged onto another takes its place.
    MouseAt(items, WM_LBUTTONDOWN, Point(20, line / 2), MK_LBUTTON);
    MouseAt(items, WM_MOUSEMOVE, Point(20, 2 * line + line / 2), MK_LBUTTON);
    MouseAt(items, WM_LBUTTONUP, Point(20, 2 * line + line / 2));
    EXPECT_EQ(Lines(dialog.get()), (Names{u"Separator", u"Save", u"Open", u"Print"}));
    EXPECT_EQ(items->ItemIndex(), 2);
    EXPECT_TRUE(dialog->Modified());

    // A command dropped anywhere on the list goes in after the selected line.
    items->SetItemIndex(0);
    MouseAt(commands, WM_LBUTTONDOWN, Point(20, 2 * 13 + 6), MK_LBUTTON);
    MouseAt(commands, WM_MOUSEMOVE, onItems(commands, 3 * line + 5), MK_LBUTTON);
    MouseAt(commands, WM_LBUTTONUP, onItems(commands, 3 * line + 5));
    EXPECT_EQ(Lines(dialog.get()), (Names{u"Separator", u"Close_all", u"Save", u"Open", u"Print"}));
    EXPECT_EQ(dialog->LineRecord(1)->CommandID, 2);

    // The command list takes nothing.
    MouseAt(items, WM_LBUTTONDOWN, Point(20, line / 2), MK_LBUTTON);
    MouseAt(items, WM_MOUSEMOVE, items->ScreenToClient(commands->ClientToScreen(Point(20, 5))), MK_LBUTTON);
    MouseAt(items, WM_LBUTTONUP, items->ScreenToClient(commands->ClientToScreen(Point(20, 5))));
    EXPECT_EQ(items->Count(), 5);
    EXPECT_EQ(commands->Items()->Count(), 3);
}

TEST_F(CustomizerDialogTest, ButtonPropertiesDialog)
{
    Customizer->ButtonProperties()->SetVisible(true);
    auto dialog = Dialog();
    dialog->LstBxToolBarItems()->SetItemIndex(2); // Save, icon 1
    std::unique_ptr<TCusBtnForm> edit(CreateForm<TCusBtnForm>(dialog.get()));
    edit->SetToolBarCustomizer(Customizer);
    TATBItemProp* prop = dialog->LineRecord(2);
    edit->Prepare(prop);
    EXPECT_EQ(edit->Child<TEdit>(u"EdtBtnCaption")->Text(), u"Save");
    auto* glyphs = edit->Child<TComboBox>(u"CmBxGlyph");
    EXPECT_EQ(glyphs->Items()->Count(), 4);
    EXPECT_EQ(glyphs->ItemIndex(), 1);
    EXPECT_TRUE(edit->Child<TCheckBox>(u"ChkBtnVis")->Visible());
    // None: no icon, and the button keeps its own index from now on.
    glyphs->SetItemIndex(3);
    edit->Child<TEdit>(u"EdtBtnCaption")->SetText(u"Store");
    edit->Apply(*prop);
    EXPECT_EQ(prop->ImageIndex, -1);
    EXPECT_TRUE(prop->ForceImageIndex);
    EXPECT_EQ(prop->Caption, u"Store");

    // The designed glow button keeps its icon: the chooser is off.
    std::unique_ptr<TCusBtnForm> glowEdit(CreateForm<TCusBtnForm>(dialog.get()));
    glowEdit->SetToolBarCustomizer(Customizer);
    glowEdit->Prepare(dialog->LineRecord(3));
    EXPECT_FALSE(glowEdit->Child<TComboBox>(u"CmBxGlyph")->Enabled());

    // A long label widens the dialog and centres OK and Cancel again.
    Customizer->DialogSettings()->SetButtonEditIconLabel(u"A much longer icon label");
    std::unique_ptr<TCusBtnForm> wide(CreateForm<TCusBtnForm>(dialog.get()));
    wide->SetToolBarCustomizer(Customizer);
    wide->Prepare(prop);
    EXPECT_GT(wide->ClientWidth(), 248);
    auto* ok = wide->Child<TButton>(u"BtnOk");
    EXPECT_EQ(ok->Left(), wide->ClientWidth() / 2 - ok->Width());
}

TEST_F(CustomizerDialogTest, RealClicksOnTheShownDialog)
{
    Form->Show();
    auto dialog = Dialog();
    dialog->SetBounds(120, 160, dialog->Width(), dialog->Height());
    ASSERT_TRUE(ShowActive(dialog.get()));
    TListBox* items = dialog->LstBxToolBarItems();
    items->SetItemIndex(0);
    ClickAt(dialog->SpeedButton(u"DownButton"));
    EXPECT_TRUE(PumpUntil([&] { return items->Items()->Strings(1) == u"Open"; }));
    EXPECT_EQ(items->ItemIndex(), 1);
    ClickAt(dialog->SpeedButton(u"AddButton"));
    EXPECT_TRUE(PumpUntil([&] { return items->Count() == 5; }));
    EXPECT_EQ(items->Items()->Strings(2), u"New");
    HoldForLooking();

    std::unique_ptr<TCusBtnForm> edit(CreateForm<TCusBtnForm>(dialog.get()));
    edit->SetToolBarCustomizer(Customizer);
    edit->Prepare(dialog->LineRecord(0));
    edit->SetBounds(540, 160, edit->Width(), edit->Height());
    ASSERT_TRUE(ShowActive(edit.get()));
    HoldForLooking();
}

} // namespace
