// The customizer's settings, its link to the toolbar and the layout file: the designed snapshot,
// the user's layout written by the dialog's OK, rebuilding the toolbar from it and resetting it.
#include <gtest/gtest.h>

#include <windows.h>

#include "CustomizerTestSupport.h"
#include "CustomizerU.h"
#include "Forms.h"
#include "GuiTestSupport.h"
#include "ImgList.h"
#include "IniFiles.h"
#include "RurGlowButton.h"
#include "RurToolBar_Button.h"
#include "RurToolBar_ToolBar.h"
#include "SysUtils.h"
#include "ToolBarTestSupport.h"
#include "WideText.h"

namespace {

// Notes whether a component went.
class TGoneWatch : public TComponent {
public:
    explicit TGoneWatch(TComponent* watched) : TComponent(nullptr) { watched->FreeNotification(this); }
    bool Gone = false;

protected:
    void Notification(TComponent* component, TOperation operation) override
    {
        TComponent::Notification(component, operation);
        if (operation == opRemove)
            Gone = true;
    }
};

TEST(CustomizerSettingsTest, CommandCaptionsBecomeNames)
{
    TRurToolBarCustomizer customizer(nullptr);
    TATBCommand* command = customizer.Commands()->Add();
    const std::pair<String, String> cases[] = {
        {u"Open the file", u"Open_the_file"}, {u"a  b", u"a__b"}, {u"Plain", u"Plain"}};
    for (const auto& [given, stored] : cases) {
        command->SetCaption(given);
        EXPECT_EQ(command->Caption(), stored);
    }
    TAction action(nullptr);
    action.SetCaption(u"Save all files");
    command->SetAction(&action);
    EXPECT_EQ(command->Caption(), u"Save_all_files");
    EXPECT_EQ(command->ItemIndex(), -1);

    int runs = 0;
    command->SetOnExecute(TNotifyEvent([&](TObject*) { ++runs; }));
    TATBCommand* copy = customizer.Commands()->Add();
    copy->SetItemIndex(5);
    copy->Assign(command);
    EXPECT_EQ(copy->Caption(), u"Save_all_files");
    EXPECT_EQ(copy->ItemIndex(), 5) << "only caption and handler are copied";
    EXPECT_EQ(copy->Action(), nullptr);
    copy->OnExecute()(copy);
    EXPECT_EQ(runs, 1);
    command->SetAction(nullptr);
}

TEST(CustomizerSettingsTest, DefaultsChangesAndCopies)
{
    TRurToolBarCustomizer customizer(nullptr);
    EXPECT_TRUE(customizer.EnablePersistence());
    EXPECT_EQ(customizer.FileName(), u".\\untitled.ini");
    TButtonProperties* p = customizer.ButtonProperties();
    EXPECT_TRUE(p->Caption() && p->ShowCaption() && p->Hint() && p->Glyph());
    EXPECT_FALSE(p->Visible());
    TCustomizedOptions* o = customizer.Options();
    EXPECT_TRUE(o->AddButton() && o->ReOrder() && o->Delete() && o->AddSeparator() && o->AddGlowButton() &&
                o->EditButton());
    EXPECT_FALSE(o->DeleteAll());
    TDialogSettings* d = customizer.DialogSettings();
    EXPECT_EQ(d->ToolBarLabel(), u"ToolBar Items:");
    EXPECT_EQ(d->OKButtonCaption(), u"&Ok");
    EXPECT_EQ(d->GlyphEditNoneIconCaption(), u"None");
    EXPECT_EQ(d->Customize(), u"Customize");
    EXPECT_TRUE(d->OKButtonHint().empty());
    EXPECT_FALSE(d->LargeIcon());

    int changes = 0;
    p->SetOnChange(TNotifyEvent([&](TObject*) { ++changes; }));
    p->SetVisible(false);
    p->SetVisible(true);
    EXPECT_EQ(changes, 1) << "only a changed value notifies";
    TButtonProperties other;
    other.SetCaption(false);
    p->Assign(&other);
    EXPECT_EQ(changes, 1) << "copying notifies nothing";
    EXPECT_FALSE(p->Caption());
    EXPECT_FALSE(p->Visible());

    TDialogSettings texts;
    texts.SetCaption(u"Anpassen");
    texts.SetCustomize(u"Anpassen...");
    texts.SetLargeIcon(true);
    d->Assign(&texts);
    EXPECT_EQ(d->Caption(), u"Anpassen");
    EXPECT_TRUE(d->LargeIcon());
    EXPECT_EQ(d->Customize(), u"Customize") << "the Customize text is not copied";
}

TEST(CustomizerSettingsTest, LinkFollowsBothSides)
{
    TForm form(nullptr);
    auto* toolBar = new TRurToolBar(&form);
    auto* customizer = new TRurToolBarCustomizer(nullptr);
    customizer->SetRurToolBar(toolBar);
    EXPECT_EQ(toolBar->Customizer(), customizer);
    auto* second = new TRurToolBarCustomizer(nullptr);
    second->SetRurToolBar(toolBar);
    customizer->SetRurToolBar(nullptr);
    EXPECT_EQ(toolBar->Customizer(), second) << "unlinking an old customizer leaves the new link alone";
    delete second;
    EXPECT_EQ(toolBar->Customizer(), nullptr);
    customizer->SetRurToolBar(toolBar);
    delete toolBar;
    EXPECT_EQ(customizer->RurToolBar(), nullptr);
    delete customizer;
}

// The shared toolbar, with small and large images for the customizer to choose from.
class CustomizerLayoutTest : public CustomizedToolBarTest {
protected:
    void SetUp() override
    {
        CustomizedToolBarTest::SetUp();
        Small = new TImageList(Form.get());
        Large = new TImageList(Form.get());
    }

    String Read(const String& section, const String& key)
    {
        TMemIniFile file(File);
        return file.ReadString(section, key, u"<none>");
    }

    // The dialog's OK with these lines.
    void Post(std::vector<TCustomizedLayout::TLine> lines, TCustomizedLayout head = {})
    {
        head.Lines = std::move(lines);
        SaveCustomizedLayout(Customizer, head);
    }

    TATBItemProp* Keep(TObject* item)
    {
        auto prop = std::make_unique<TATBItemProp>();
        prop->ATBItem = item;
        if (auto* button = dynamic_cast<TRurToolBarButton*>(item)) {
            prop->Caption = button->Caption();
            prop->ImageIndex = button->ImageIndex();
        }
        Props.push_back(std::move(prop));
        return Props.back().get();
    }

    TATBItemProp* Inserted(int command, bool glow = false)
    {
        auto prop = std::make_unique<TATBItemProp>();
        prop->IsATBButton = !glow;
        prop->IsGlowButton = glow;
        prop->CustomizerCreated = true;
        prop->CommandID = command;
        prop->Caption = prop->Hint = Customizer->Commands()->Items(command)->Caption();
        prop->ForceImageIndex = true;
        Props.push_back(std::move(prop));
        return Props.back().get();
    }

    TATBItemProp* InsertedSeparator(std::set<String>& run)
    {
        auto prop = std::make_unique<TATBItemProp>();
        prop->IsSeparator = true;
        prop->CustomizerCreated = true;
        prop->Caption = UniqueSeparatorName(ToolBar, run);
        Props.push_back(std::move(prop));
        return Props.back().get();
    }

    TImageList *Small = nullptr, *Large = nullptr;
    std::vector<std::unique_ptr<TATBItemProp>> Props;
};

TEST_F(CustomizerLayoutTest, FirstRunKeepsTheDesignedToolBar)
{
    // Naming the file at run time took the snapshot and applied the (missing) user's layout.
    EXPECT_EQ(ItemNames(), (Names{u"BtnOpen", u"Sep1", u"BtnSave", u"GlowPrint"}));
    TMemIniFile file(File);
    TStringList sections;
    file.ReadSections(sections);
    ASSERT_EQ(sections.Count(), 1);
    EXPECT_EQ(sections.Strings(0), u"Customizer1Org");
    EXPECT_EQ(Read(u"Customizer1Org", u"ATBCaption"), u"Standard");
    EXPECT_EQ(Read(u"Customizer1Org", u"ToolBarItemCount"), u"4");
    EXPECT_EQ(Read(u"Customizer1Org", u"Name1.ClassName"), u"ADVTOOLBARSEPARATOR");
    EXPECT_EQ(Read(u"Customizer1Org", u"Name1.Caption"), u"<none>") << "separators carry name and tag only";
    EXPECT_EQ(Read(u"Customizer1Org", u"Name3.ClassName"), u"ADVCUSTOMGLOWBUTTON");
    EXPECT_EQ(Read(u"Customizer1Org", u"Name3.ImageIndex"), u"2");
    EXPECT_EQ(Read(u"Customizer1Org", u"Name2.Caption"), u"Save");
    EXPECT_EQ(Read(u"Customizer1Org", u"LargeIcon"), u"1") << "no images and no large images are the same";
}

TEST_F(CustomizerLayoutTest, UserLayoutRebuildsTheToolBar)
{
    std::set<String> run;
    TCustomizedLayout head;
    head.HasCaption = true;
    head.Caption = u"Mine";
    head.HasGlyphPosition = true;
    head.GlyphPosition = 2;
    Post({{u"Save", Keep(Save)},
          {u"Close_all", Inserted(2)},
          {u"Separator", InsertedSeparator(run)},
          {u"New", Inserted(0)},
          {u"Separator", InsertedSeparator(run)},
          {u"Print", Inserted(1, true)},
          {u"Open", Keep(Open)}},
         head);
    // The OK's section: inserted buttons under free numbered names, separators under the names
    // the dialog gave them (two in one run: two names), a glow button under its line's text.
    EXPECT_EQ(Read(u"Customizer1", u"ToolBarItemCount"), u"7");
    EXPECT_EQ(Read(u"Customizer1", u"Name1"), u"ADVTOOLBARBUTTON1");
    EXPECT_EQ(Read(u"Customizer1", u"Name1.CommandID"), u"2");
    EXPECT_EQ(Read(u"Customizer1", u"Name2"), u"RurToolBarSeparator1");
    EXPECT_EQ(Read(u"Customizer1", u"Name3"), u"ADVTOOLBARBUTTON2");
    EXPECT_EQ(Read(u"Customizer1", u"Name4"), u"RurToolBarSeparator2");
    EXPECT_EQ(Read(u"Customizer1", u"Name5"), u"Print");
    EXPECT_EQ(Read(u"Customizer1", u"Name0.CommandID"), u"<none>") << "a designed button has no command";
    EXPECT_EQ(Read(u"Customizer1", u"Name0.Visible"), u"<none>") << "Visible is not editable by default";
    EXPECT_EQ(Read(u"Customizer1", u"Name1.ForceImageIndex"), u"1");

    Customizer->LoadLayout();
    EXPECT_EQ(ItemNames(), (Names{u"BtnSave", u"ADVTOOLBARBUTTON1", u"RurToolBarSeparator1", u"ADVTOOLBARBUTTON2",
                                  u"RurToolBarSeparator2", u"Print", u"BtnOpen"}));
    EXPECT_EQ(ToolBar->Caption(), u"Mine");
    EXPECT_EQ(Save->GlyphPosition(), gpRight);
    auto* closeAll = dynamic_cast<TRurToolBarButton*>(ToolBar->ToolBarControls(1));
    ASSERT_NE(closeAll, nullptr);
    EXPECT_TRUE(closeAll->CustomizerCreated());
    EXPECT_EQ(closeAll->CommandID(), 2);
    EXPECT_EQ(closeAll->Caption(), u"Close_all");
    EXPECT_EQ(closeAll->Owner(), ToolBar);
    closeAll->Click();
    EXPECT_EQ(Executed, std::vector<int>{2});
    auto* print = dynamic_cast<TRurGlowButton*>(ToolBar->ToolBarControls(5));
    ASSERT_NE(print, nullptr);
    EXPECT_TRUE(print->CustomizerCreated());
    EXPECT_EQ(print->Layout(), RurGlowButton::blGlyphRight);

    // The designed separator and glow button are off the toolbar, alive, kept for a reset.
    EXPECT_EQ(Separator->Parent(), nullptr);
    EXPECT_EQ(Glow->Parent(), nullptr);
    EXPECT_EQ(Customizer->DeletedItems().Count(), 2);
    delete Glow;
    EXPECT_EQ(Customizer->DeletedItems().Count(), 1) << "a freed item leaves the list";
    Glow = nullptr;

    // Reset: the designed items in their order, the customizer's own ones destroyed.
    TGoneWatch closeAllWatch(closeAll);
    Customizer->ResetLayout();
    EXPECT_EQ(ItemNames(), (Names{u"BtnOpen", u"Sep1", u"BtnSave"}));
    EXPECT_TRUE(closeAllWatch.Gone);
    EXPECT_EQ(ToolBar->Caption(), u"Standard");
    EXPECT_EQ(Read(u"Customizer1", u"ToolBarItemCount"), u"<none>") << "the user's section is emptied";
}

TEST_F(CustomizerLayoutTest, EmptiedListAndResetKeepApplicationItems)
{
    Post({});
    EXPECT_EQ(Read(u"Customizer1", u"ToolBarItemCount"), u"0");
    Customizer->LoadLayout();
    EXPECT_EQ(ToolBar->ToolBarControlCount(), 0);
    Customizer->ResetLayout();
    EXPECT_EQ(ItemNames(), (Names{u"BtnOpen", u"Sep1", u"BtnSave", u"GlowPrint"}));

    // A button the application adds after the snapshot, and one the customizer makes.
    TRurToolBarButton* added = AddButton(u"BtnHelp", u"Help");
    Post({{u"Open", Keep(Open)}, {u"New", Inserted(0)}, {u"Help", Keep(added)}});
    Customizer->LoadLayout();
    EXPECT_EQ(ItemNames(), (Names{u"BtnOpen", u"ADVTOOLBARBUTTON1", u"BtnHelp"}));
    TGoneWatch addedWatch(added), createdWatch(ToolBar->ToolBarControls(1));
    Customizer->ResetLayout();
    EXPECT_EQ(ItemNames(), (Names{u"BtnOpen", u"Sep1", u"BtnSave", u"GlowPrint"}));
    EXPECT_TRUE(createdWatch.Gone);
    EXPECT_FALSE(addedWatch.Gone) << "the application's button outlives the reset";
    EXPECT_EQ(added->Parent(), nullptr);
    EXPECT_EQ(added->Owner(), Form.get());
}

TEST_F(CustomizerLayoutTest, BadEntriesAreSkipped)
{
    // Written by hand: a lower-case tag, names that cannot be component names, a name an owned
    // component already bears, a duplicate, an empty tag and an unknown tag.
    {
        TMemIniFile file(File);
        const std::pair<const char16_t*, const char16_t*> entries[] = {
            {u"NewButton", u"advtoolbarbutton"}, {u"1bad", u"ADVTOOLBARBUTTON"}, {u"has space", u"ADVTOOLBARSEPARATOR"},
            {u"Sep2", u"advtoolbarseparator"},  {u"NewButton", u"ADVTOOLBARBUTTON"}, {u"BtnSave", u""},
            {u"Mystery", u"TPanel"},            {u"BtnOpen", u"-1"}};
        int i = 0;
        for (const auto& [name, tag] : entries) {
            file.WriteString(u"Customizer1", u"Name" + IntToStr(i), name);
            file.WriteString(u"Customizer1", u"Name" + IntToStr(i) + u".ClassName", tag);
            ++i;
        }
        file.WriteInteger(u"Customizer1", u"Name0.CommandID", 7); // no such command
        file.WriteInteger(u"Customizer1", u"ToolBarItemCount", i);
        file.UpdateFile();
    }
    // A component the toolbar owns that is not on it holds a name the file asks for.
    auto* parked = new TRurToolBarButton(ToolBar);
    parked->SetName(u"Sep2");
    Customizer->LoadLayout();
    EXPECT_EQ(ItemNames(), (Names{u"NewButton", u"BtnOpen"}));
    auto* created = dynamic_cast<TRurToolBarButton*>(ToolBar->ToolBarControls(0));
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(created->CommandID(), -1);
    EXPECT_FALSE(created->OnClick());
}

TEST_F(CustomizerLayoutTest, ImagesAndSwitches)
{
    Customizer->SetSmallImages(Small);
    Customizer->SetLargeImages(Large);
    TCustomizedLayout head;
    head.HasLargeIcon = true;
    head.LargeIcon = true;
    Post({{u"Open", Keep(Open)}}, head);
    Customizer->LoadLayout();
    EXPECT_EQ(ToolBar->Images(), Small) << "LargeIcon is read only when the dialog offers it";
    Customizer->DialogSettings()->SetLargeIcon(true);
    Customizer->LoadLayout();
    EXPECT_EQ(ToolBar->Images(), Large);

    // Visible is written and applied only when editable.
    Open->SetVisible(false);
    Post({{u"Open", Keep(Open)}});
    Customizer->LoadLayout();
    EXPECT_FALSE(Open->Visible());
    Customizer->ButtonProperties()->SetVisible(true);
    Post({{u"Open", Keep(Open)}}); // the record says visible
    Customizer->LoadLayout();
    EXPECT_TRUE(Open->Visible());
}

TEST_F(CustomizerLayoutTest, FailedWriteKeepsTheOldSection)
{
    Post({{u"Open", Keep(Open)}, {u"Save", Keep(Save)}});
    // Another program holds the file open for reading only: it can be read, not written.
    HANDLE held = CreateFileW(reinterpret_cast<const wchar_t*>(File.c_str()), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_ANY_THROW(Post({{u"Save", Keep(Save)}}));
    CloseHandle(held);
    EXPECT_EQ(Read(u"Customizer1", u"ToolBarItemCount"), u"2");
    EXPECT_EQ(Read(u"Customizer1", u"Name1"), u"BtnSave");
    Customizer->LoadLayout();
    EXPECT_EQ(ItemNames(), (Names{u"BtnOpen", u"BtnSave"}));
}

TEST_F(CustomizerLayoutTest, UnnamedCustomizerAndNoPersistence)
{
    Customizer->SetName(u"");
    Customizer->SaveDesignedLayout();
    EXPECT_EQ(Read(u"Org", u"ToolBarItemCount"), u"4");
    Post({{u"Save", Keep(Save)}});
    EXPECT_EQ(Read(u"", u"Name0"), u"BtnSave");

    Customizer->SetEnablePersistence(false);
    Customizer->LoadLayout();
    EXPECT_EQ(ToolBar->ToolBarControlCount(), 4) << "nothing is read without persistence";
    Post({});
    EXPECT_EQ(Read(u"", u"ToolBarItemCount"), u"1") << "nor written";
}

} // namespace
