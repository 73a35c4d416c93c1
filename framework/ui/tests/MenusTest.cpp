// Menus: short cut texts, the item tree, a real pop-up menu driven by keys, owner drawing, hints
// and a custom style, the menu bar of a form read from its resource, short cuts and context menus
// from the keyboard.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "ExtCtrls.h"
#include "Forms.h"
#include "Menus.h"
#include "StdCtrls.h"
#include "TestStyle.h"
#include "support/GuiTestSupport.h"

namespace {

// Holds the modifier keys in the thread's keyboard state for as long as it lives.
class THeldModifiers {
public:
    explicit THeldModifiers(TShiftState shift)
    {
        GetKeyboardState(FSaved);
        BYTE keys[256];
        std::copy(std::begin(FSaved), std::end(FSaved), keys);
        keys[VK_SHIFT] = shift.Contains(ssShift) ? 0x80 : 0;
        keys[VK_CONTROL] = shift.Contains(ssCtrl) ? 0x80 : 0;
        keys[VK_MENU] = shift.Contains(ssAlt) ? 0x80 : 0;
        SetKeyboardState(keys);
    }
    ~THeldModifiers() { SetKeyboardState(FSaved); }
    THeldModifiers(const THeldModifiers&) = delete;
    THeldModifiers& operator=(const THeldModifiers&) = delete;

private:
    BYTE FSaved[256];
};

// The key goes through the loop with the short cut's modifiers held.
void PressShortCut(TShortCut shortCut)
{
    Word key;
    TShiftState shift;
    ShortCutToKey(shortCut, key, shift);
    THeldModifiers held(shift);
    PressKey(key);
}

TMenuItem* NewItem(TComponent* owner, const String& caption, std::vector<String>* log = nullptr,
                   TShortCut shortCut = scNone)
{
    auto* item = new TMenuItem(owner);
    item->SetCaption(caption);
    item->SetShortCut(shortCut);
    if (log)
        item->SetOnClick([log, item](TObject*) { log->push_back(item->Caption()); });
    return item;
}

TEST(ShortCuts, TextsRoundTrip)
{
    struct TCase {
        TShortCut Key;
        const char16_t* Text;
    } cases[] = {
        {ShortCut('S', {ssCtrl}), u"Ctrl+S"},
        {ShortCut(VK_F5, {ssShift, ssCtrl}), u"Shift+Ctrl+F5"},
        {ShortCut(VK_DELETE, {ssAlt}), u"Alt+Del"},
        {ShortCut(VK_RETURN, {}), u"Enter"},
        {ShortCut('7', {ssCtrl, ssAlt}), u"Ctrl+Alt+7"},
        {ShortCut(VK_F12, {}), u"F12"},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(ShortCutToText(c.Key), c.Text);
        EXPECT_EQ(TextToShortCut(c.Text), c.Key) << ToUtf8(c.Text);
    }
    EXPECT_EQ(TextToShortCut(u"ctrl+shift+f5"), ShortCut(VK_F5, {ssShift, ssCtrl}));
    for (const char16_t* bad : {u"", u"Ctrl+", u"Ctrl+Nothing", u"Hyper+S", u"SS"})
        EXPECT_EQ(TextToShortCut(bad), scNone) << ToUtf8(bad);
    EXPECT_EQ(ShortCutToText(scNone), u"");
}

TEST(MenuItems, TreeRadioGroupsAndErrors)
{
    TComponent owner(nullptr);
    auto* menu = new TPopupMenu(&owner);
    TMenuItem* view = NewItem(&owner, u"&View");
    menu->Items()->Add(view);
    std::vector<TMenuItem*> radios;
    for (int i = 0; i < 3; ++i) {
        TMenuItem* r = NewItem(&owner, u"Mode " + IntToStr(i));
        r->SetRadioItem(true);
        r->SetGroupIndex(i < 2 ? 1 : 2);
        view->Add(r);
        radios.push_back(r);
    }
    radios[2]->SetChecked(true); // another group
    radios[0]->SetChecked(true);
    radios[1]->SetChecked(true);
    EXPECT_FALSE(radios[0]->Checked());
    EXPECT_TRUE(radios[1]->Checked());
    EXPECT_TRUE(radios[2]->Checked());

    // The system menu follows the tree: the sub-menu shows the visible items.
    HMENU sub = GetSubMenu(menu->Handle(), 0);
    ASSERT_EQ(sub, view->Handle());
    radios[2]->SetVisible(false);
    EXPECT_EQ(GetMenuItemCount(sub), 2);
    EXPECT_EQ(GetMenuState(sub, radios[1]->Command(), MF_BYCOMMAND) & MF_CHECKED, static_cast<UINT>(MF_CHECKED));

    EXPECT_EQ(menu->Items()->Find(u"view"), view);
    EXPECT_EQ(menu->FindItem(radios[1]->Command(), fkCommand), radios[1]);
    EXPECT_EQ(radios[1]->GetParentMenu(), menu);
    EXPECT_THROW(view->Add(radios[0]), EMenuError); // already inserted
    EXPECT_THROW(radios[0]->Add(view), EMenuError);  // would hold its own parent

    // Freed items leave their parent and their command no longer finds them.
    UINT command = radios[0]->Command();
    delete radios[0];
    EXPECT_EQ(view->Count(), 2);
    EXPECT_EQ(FindMenuItemByCommand(command), nullptr);
    delete view;
    EXPECT_EQ(menu->Items()->Count(), 0);
    EXPECT_EQ(GetMenuItemCount(menu->Handle()), 0);
}

class PopupMenus : public ::testing::Test {
protected:
    void SetUp() override
    {
        FForm = std::make_unique<TForm>(nullptr);
        FMenu = new TPopupMenu(FForm.get());
        FMenu->SetOnPopup([this](TObject*) { FLog.push_back(u"popup"); });
        FMenu->SetOnClose([this](TObject*) { FLog.push_back(u"close"); });
        FMenu->Items()->Add(NewItem(FForm.get(), u"&First", &FLog));
        TMenuItem* off = NewItem(FForm.get(), u"Off", &FLog);
        off->SetEnabled(false);
        FMenu->Items()->Add(off);
        TMenuItem* more = NewItem(FForm.get(), u"&More");
        more->Add(NewItem(FForm.get(), u"Inner", &FLog));
        FMenu->Items()->Add(more);
        FMenu->Items()->Add(NewItem(FForm.get(), u"&Last", &FLog));
    }

    std::unique_ptr<TForm> FForm;
    TPopupMenu* FMenu = nullptr;
    std::vector<String> FLog;
};

TEST_F(PopupMenus, KeysChooseAnItemThatRunsAfterTheMenuClosed)
{
    struct TCase {
        std::initializer_list<WORD> Keys;
        std::vector<String> Log;
    } cases[] = {
        {{VK_DOWN, VK_RETURN}, {u"popup", u"&First", u"close"}},
        {{VK_DOWN, VK_DOWN, VK_RETURN}, {u"popup", u"close"}}, // Off: disabled, runs nothing
        {{VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT, VK_RETURN}, {u"popup", u"Inner", u"close"}},
        {{u'L'}, {u"popup", u"&Last", u"close"}}, // the accelerator
        {{VK_ESCAPE}, {u"popup", u"close"}},
    };
    ASSERT_TRUE(ShowActive(FForm.get()));
    for (const TCase& c : cases) {
        FLog.clear();
        TMenuWatchdog watchdog;
        QueueKeys(c.Keys);
        FMenu->Popup(FForm->ClientToScreen(Point(10, 10)));
        EXPECT_EQ(FLog, c.Log) << "keys: " << c.Keys.size();
        PumpFor(20);
    }
}

TEST_F(PopupMenus, TheSelectedItemsHintIsTheApplicationsUntilTheMenuCloses)
{
    FMenu->Items()->Items(0)->SetHint(u"first hint");
    FMenu->Items()->Items(2)->SetHint(u"more hint"); // an item with sub-items
    Application->SetHint(String());
    std::vector<String> hints;
    Application->SetOnHint([&](TObject*) { hints.push_back(Application->Hint()); });
    ASSERT_TRUE(ShowActive(FForm.get()));
    TMenuWatchdog watchdog;
    QueueKeys({VK_DOWN, VK_DOWN, VK_DOWN, VK_ESCAPE});
    FMenu->Popup(FForm->ClientToScreen(Point(10, 10)));
    Application->SetOnHint(TNotifyEvent());
    EXPECT_EQ(hints, (std::vector<String>{u"first hint", u"", u"more hint", u""}));
}

TEST_F(PopupMenus, OwnerDrawingMeasuresAndDrawsEveryItemThroughItsHandlers)
{
    FMenu->SetOwnerDraw(true);
    TMenuItem* first = FMenu->Items()->Items(0);
    TMenuItem* last = FMenu->Items()->Items(3);
    std::vector<String> measured;
    std::vector<TOwnerDrawState> firstStates;
    int lastDraws = 0;
    first->SetOnMeasureItem([&](TObject*, TCanvas* canvas, int& width, int& height) {
        measured.push_back(u"First");
        EXPECT_GT(width, canvas->TextWidth(u"First")); // the framework's size comes first
        width = 300;
        height = 40;
    });
    first->SetOnAdvancedDrawItem([&](TObject*, TCanvas* canvas, TRect rect, TOwnerDrawState state) {
        EXPECT_EQ(rect.Height(), 40);
        EXPECT_GE(rect.Width(), 300);
        canvas->FillRect(rect);
        firstStates.push_back(state);
    });
    last->SetOnDrawItem([&](TObject*, TCanvas*, TRect, bool) { ++lastDraws; });
    ASSERT_TRUE(ShowActive(FForm.get()));

    // The keys come once the menu has painted itself.
    TMenuWatchdog watchdog;
    ChooseFirstMenuItemLater();
    FLog.clear();
    FMenu->Popup(FForm->ClientToScreen(Point(10, 10)));
    EXPECT_EQ(FLog, (std::vector<String>{u"popup", u"&First", u"close"}));
    EXPECT_EQ(measured, std::vector<String>{u"First"});
    ASSERT_FALSE(firstStates.empty());
    EXPECT_FALSE(firstStates.front().Contains(odSelected));
    EXPECT_TRUE(firstStates.back().Contains(odSelected));
    EXPECT_GT(lastDraws, 0);
}

TEST_F(PopupMenus, ACustomStylePaintsTheItemsAndTheSystemPaintsThemAgainAfterwards)
{
    TMenuItem* first = FMenu->Items()->Items(0);
    first->SetChecked(true);
    ASSERT_TRUE(ShowActive(FForm.get()));
    {
        TActiveTestStyle style;
        style->SetRecording(true);
        TMenuWatchdog watchdog;
        ChooseFirstMenuItemLater();
        FLog.clear();
        FMenu->Popup(FForm->ClientToScreen(Point(10, 10)));
        EXPECT_EQ(FLog, (std::vector<String>{u"popup", u"&First", u"close"}));
        EXPECT_TRUE(first->IsOwnerDraw());
        for (TThemedMenu element : {tmPopupBackground, tmPopupItemNormal, tmPopupItemHot, tmPopupItemDisabled,
                                    tmPopupCheckMarkNormal}) {
            const TThemedElementDetails details = TCustomStyleServices::GetElementDetails(element);
            EXPECT_TRUE(std::any_of(style->DrawCalls().begin(), style->DrawCalls().end(),
                                    [&](const auto& call) { return call.Details == details; }))
                << "element " << element;
        }
    }
    EXPECT_FALSE(first->IsOwnerDraw());
}

// ---------------------------------------------------------------------------------------------

class TMenuForm : public TForm {
    TAVIN_PUBLISHED_CLASS(TMenuForm, TForm)
public:
    using TForm::TForm;
    void ItemClick(TObject* sender) { Log.push_back(static_cast<TMenuItem*>(sender)->Name()); }
    void EditKeyDown(TObject*, Word& key, TShiftState) { Log.push_back(u"key " + IntToStr(key)); }
    std::vector<String> Log;
};

TAVIN_PUBLISHED(TMenuForm)
{
    TAVIN_METHOD(ItemClick);
    TAVIN_METHOD(EditKeyDown);
}

const char* const MenuFormText = R"(object MenuForm: TMenuForm
  ClientWidth = 300
  ClientHeight = 200
  Menu = MainMenu
  object Edit: TEdit
    Left = 10
    Top = 10
    Width = 120
    Height = 24
    PopupMenu = EditMenu
    OnKeyDown = EditKeyDown
  end
  object Panel: TPanel
    Left = 10
    Top = 60
    Width = 120
    Height = 60
    PopupMenu = PanelMenu
  end
  object MainMenu: TMainMenu
    object FileMenu: TMenuItem
      Caption = '&File'
      object SaveItem: TMenuItem
        Caption = '&Save'
        ShortCut = 16467
        OnClick = ItemClick
      end
      object Deeper: TMenuItem
        Caption = 'Deeper'
        object ReloadItem: TMenuItem
          Caption = 'Reload'
          ShortCut = 116
          OnClick = ItemClick
        end
      end
    end
    object EditMenu1: TMenuItem
      Caption = '&Edit'
      object OffItem: TMenuItem
        Caption = 'Off'
        Enabled = False
        ShortCut = 117
        OnClick = ItemClick
      end
      object HiddenItem: TMenuItem
        Caption = 'Hidden'
        Visible = False
        ShortCut = 118
        OnClick = ItemClick
      end
    end
  end
  object EditMenu: TPopupMenu
    object CopyItem: TMenuItem
      Caption = 'Copy'
      ShortCut = 8305
      OnClick = ItemClick
    end
  end
  object PanelMenu: TPopupMenu
    object PanelItem: TMenuItem
      Caption = 'Panel item'
      OnClick = ItemClick
    end
  end
end
)";

class MenuForm : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetFormTexts({{u"TMenuForm", MenuFormText}});
        FForm.reset(CreateForm<TMenuForm>(nullptr));
        FEdit = static_cast<TEdit*>(FForm->FindComponent(u"Edit"));
        ASSERT_TRUE(ShowActive(FForm.get()));
        FEdit->SetFocus();
        ASSERT_TRUE(PumpUntil([&] { return FocusedControl() == FEdit; }));
    }
    TComponent* Find(const char16_t* name) { return FForm->FindComponent(name); }

    std::unique_ptr<TMenuForm> FForm;
    TEdit* FEdit = nullptr;
};

TEST_F(MenuForm, ResourceBuildsTheMenuBarAndThePopupReferences)
{
    auto* mainMenu = static_cast<TMainMenu*>(Find(u"MainMenu"));
    ASSERT_EQ(FForm->Menu(), mainMenu);
    EXPECT_EQ(GetMenu(FForm->Handle()), mainMenu->Handle());
    EXPECT_EQ(GetMenuItemCount(mainMenu->Handle()), 2);
    auto* save = static_cast<TMenuItem*>(Find(u"SaveItem"));
    EXPECT_EQ(save->Parent(), Find(u"FileMenu"));
    EXPECT_EQ(save->ShortCut(), ShortCut('S', {ssCtrl}));
    EXPECT_EQ(FEdit->PopupMenu(), Find(u"EditMenu"));
    EXPECT_EQ(Find(u"FileMenu")->GetParentComponent(), mainMenu);

    // A command from the menu bar reaches the item's handler.
    SendMessageW(FForm->Handle(), WM_COMMAND, save->Command(), 0);
    EXPECT_EQ(FForm->Log, std::vector<String>{u"SaveItem"});
}

TEST_F(MenuForm, ShortCutsRunEnabledVisibleItemsOnly)
{
    struct TCase {
        TShortCut Key;
        std::vector<String> Log;
    } cases[] = {
        {ShortCut('S', {ssCtrl}), {u"SaveItem"}},
        {ShortCut(VK_F5, {}), {u"ReloadItem"}},               // in a sub-menu of a sub-menu
        {ShortCut(VK_F6, {}), {u"key " + IntToStr(VK_F6)}},   // disabled: the key goes on
        {ShortCut(VK_F7, {}), {u"key " + IntToStr(VK_F7)}},   // hidden
        {ShortCut(VK_F2, {ssShift}), {u"CopyItem"}},           // the focused control's pop-up menu
    };
    for (const TCase& c : cases) {
        FForm->Log.clear();
        PressShortCut(c.Key);
        EXPECT_EQ(FForm->Log, c.Log) << ToUtf8(ShortCutToText(c.Key));
    }
}

TEST_F(MenuForm, ContextMenusOpenFromTheMouseAndTheKeyboard)
{
    auto* panel = static_cast<TPanel*>(Find(u"Panel"));
    auto* panelMenu = static_cast<TPopupMenu*>(Find(u"PanelMenu"));
    TMenuWatchdog watchdog;
    // A right click: the button's release asks for the context menu.
    PostMessageW(panel->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    PostMessageW(panel->Handle(), WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    QueueKeys({VK_DOWN, VK_RETURN});
    EXPECT_TRUE(PumpUntil([&] { return !FForm->Log.empty(); }));
    EXPECT_EQ(FForm->Log, std::vector<String>{u"PanelItem"});
    EXPECT_EQ(panelMenu->PopupComponent(), panel);
    EXPECT_EQ(panelMenu->PopupPoint(), panel->ClientToScreen(Point(5, 5)));

    // The menu key on the focused edit opens the edit's menu at the edit's corner.
    FForm->Log.clear();
    auto* editMenu = static_cast<TPopupMenu*>(Find(u"EditMenu"));
    PostMessageW(FEdit->Handle(), WM_KEYDOWN, VK_APPS, 1);
    QueueKeys({VK_DOWN, VK_RETURN});
    EXPECT_TRUE(PumpUntil([&] { return !FForm->Log.empty(); }));
    EXPECT_EQ(FForm->Log, std::vector<String>{u"CopyItem"});
    EXPECT_EQ(editMenu->PopupComponent(), FEdit);
    EXPECT_EQ(editMenu->PopupPoint(), FEdit->ClientToScreen(Point(0, 0)));

    // Shift+F10, a system key, does the same.
    FForm->Log.clear();
    {
        THeldModifiers shift({ssShift});
        PostMessageW(FEdit->Handle(), WM_SYSKEYDOWN, VK_F10, 1);
        QueueKeys({VK_DOWN, VK_RETURN});
        EXPECT_TRUE(PumpUntil([&] { return !FForm->Log.empty(); }));
    }
    EXPECT_EQ(FForm->Log, std::vector<String>{u"CopyItem"});
}

TEST_F(MenuForm, FreedMenusLeaveNoReferences)
{
    delete Find(u"EditMenu");
    EXPECT_EQ(FEdit->PopupMenu(), nullptr);
    HWND wnd = FForm->Handle();
    delete Find(u"MainMenu");
    EXPECT_EQ(FForm->Menu(), nullptr);
    EXPECT_EQ(GetMenu(wnd), nullptr);
    PressShortCut(ShortCut('S', {ssCtrl}));
    EXPECT_EQ(FForm->Log, std::vector<String>{u"key " + IntToStr('S')});
}

} // namespace
