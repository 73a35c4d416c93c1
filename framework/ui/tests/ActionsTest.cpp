// Actions: the click rule of controls and menu items, properties shown while linked, auto-check
// and groups, updates while the application is idle, short cuts, free notification, and actions
// read from a form resource.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

#include "ActnList.h"
#include "Forms.h"
#include "Menus.h"
#include "StdCtrls.h"
#include "support/GuiTestSupport.h"

namespace {

// A client of either kind, seen through what the tests need.
struct TClient {
    const char* Kind;
    std::function<TComponent*(TComponent* owner)> Create;
    std::function<void(TComponent*, TBasicAction*)> SetAction;
    std::function<void(TComponent*, TNotifyEvent)> SetOnClick;
    std::function<void(TComponent*)> Click;
    std::function<String(TComponent*)> Caption;
    std::function<void(TComponent*, const String&)> SetCaption;
    std::function<bool(TComponent*)> Enabled;
};

const TClient Clients[] = {
    {"control", [](TComponent* o) -> TComponent* { return new TButton(o); },
     [](TComponent* c, TBasicAction* a) { static_cast<TControl*>(c)->SetAction(a); },
     [](TComponent* c, TNotifyEvent e) { static_cast<TControl*>(c)->SetOnClick(e); },
     [](TComponent* c) { static_cast<TControl*>(c)->Click(); },
     [](TComponent* c) { return static_cast<TControl*>(c)->Caption(); },
     [](TComponent* c, const String& v) { static_cast<TControl*>(c)->SetCaption(v); },
     [](TComponent* c) { return static_cast<TControl*>(c)->Enabled(); }},
    {"menu item", [](TComponent* o) -> TComponent* { return new TMenuItem(o); },
     [](TComponent* c, TBasicAction* a) { static_cast<TMenuItem*>(c)->SetAction(a); },
     [](TComponent* c, TNotifyEvent e) { static_cast<TMenuItem*>(c)->SetOnClick(e); },
     [](TComponent* c) { static_cast<TMenuItem*>(c)->Click(); },
     [](TComponent* c) { return static_cast<TMenuItem*>(c)->Caption(); },
     [](TComponent* c, const String& v) { static_cast<TMenuItem*>(c)->SetCaption(v); },
     [](TComponent* c) { return static_cast<TMenuItem*>(c)->Enabled(); }},
};

class THandlers : public TComponent {
    TAVIN_CLASS(THandlers, TComponent)
public:
    using TComponent::TComponent;
    void Execute(TObject*) { Log.push_back(u"action"); }
    void Other(TObject*) { Log.push_back(u"other"); }
    std::vector<String> Log;
};

TEST(Actions, ClickRuleRunsADifferentOnClickElseTheAction)
{
    for (const TClient& kind : Clients) {
        SCOPED_TRACE(kind.Kind);
        THandlers owner(nullptr);
        auto* list = new TActionList(&owner);
        auto* action = new TAction(&owner);
        action->SetActionList(list);
        action->SetCaption(u"Run");
        action->SetOnExecute(MakeHandler<&THandlers::Execute>(&owner));
        TComponent* seenBy = nullptr;
        list->SetOnExecute([&](TBasicAction* a, bool&) { seenBy = a->ActionComponent(); });
        TComponent* client = kind.Create(&owner);
        kind.SetAction(client, action);
        EXPECT_EQ(kind.Caption(client), u"Run"); // linked at run time: the action's values

        struct TCase {
            const char* What;
            TNotifyEvent OnClick;
            bool Enabled;
            std::vector<String> Log;
        } cases[] = {
            {"the action's own handler", MakeHandler<&THandlers::Execute>(&owner), true, {u"action"}},
            {"another handler", MakeHandler<&THandlers::Other>(&owner), true, {u"other"}},
            {"no handler", {}, true, {u"action"}},
            {"a disabled action", {}, false, {}},
        };
        for (const TCase& c : cases) {
            SCOPED_TRACE(c.What);
            owner.Log.clear();
            seenBy = nullptr;
            kind.SetOnClick(client, c.OnClick);
            action->SetEnabled(c.Enabled);
            kind.Click(client);
            EXPECT_EQ(owner.Log, c.Log);
            bool ranAction = c.Log == std::vector<String>{u"action"};
            EXPECT_EQ(seenBy, ranAction ? client : nullptr); // the action runs for its client
        }
        EXPECT_EQ(action->ActionComponent(), nullptr);
    }
}

TEST(Actions, LinkedPropertiesFollowTheActionUntilTheClientDiffers)
{
    for (const TClient& kind : Clients) {
        SCOPED_TRACE(kind.Kind);
        TComponent owner(nullptr);
        auto* action = new TAction(&owner);
        TComponent* linked = kind.Create(&owner);
        TComponent* own = kind.Create(&owner);
        kind.SetAction(linked, action);
        kind.SetAction(own, action);
        kind.SetCaption(own, u"Mine");
        action->SetCaption(u"New");
        action->SetEnabled(false);
        EXPECT_EQ(kind.Caption(linked), u"New");
        EXPECT_EQ(kind.Caption(own), u"Mine");
        EXPECT_FALSE(kind.Enabled(linked));
        EXPECT_FALSE(kind.Enabled(own));

        // What only mirrors the action is not written with a form; the client's own value is.
        TComponent* loose = kind.Create(&owner);
        struct TStoredCase {
            TComponent* Client;
            const char16_t* Property;
            bool Stored;
        } stored[] = {
            {linked, u"Caption", false}, {linked, u"Enabled", false}, {linked, u"Hint", false},
            {linked, u"Visible", false}, {linked, u"HelpContext", false}, {linked, u"OnClick", false},
            {own, u"Caption", true},     {own, u"Enabled", false},    {loose, u"Caption", true},
            {loose, u"Enabled", true},   {loose, u"OnClick", true},
        };
        for (const TStoredCase& c : stored)
            EXPECT_EQ(IsStoredProp(*c.Client, *GetPropInfo(*c.Client, c.Property)), c.Stored)
                << (c.Client == linked ? "linked " : c.Client == own ? "own " : "loose ") << ToUtf8(c.Property);
        // A link to an action that is not a custom action supplies nothing.
        auto* basic = new TBasicAction(&owner);
        kind.SetAction(loose, basic);
        EXPECT_TRUE(IsStoredProp(*loose, *GetPropInfo(*loose, u"Caption")));
    }

    // A menu item shows everything an action has.
    TComponent owner(nullptr);
    auto* action = new TAction(&owner);
    auto* item = new TMenuItem(&owner);
    item->SetRadioItem(true);
    item->SetAction(action);
    action->SetChecked(true);
    action->SetImageIndex(3);
    action->SetShortCut(ShortCut('K', {ssCtrl}));
    action->SetHint(u"hint");
    action->SetGroupIndex(4);
    action->SetVisible(false);
    EXPECT_TRUE(item->Checked());
    EXPECT_EQ(item->ImageIndex(), 3);
    EXPECT_EQ(item->ShortCut(), ShortCut('K', {ssCtrl}));
    EXPECT_EQ(item->Hint(), u"hint");
    EXPECT_EQ(item->GroupIndex(), 4);
    EXPECT_FALSE(item->Visible());
    ASSERT_NE(item->ActionLink(), nullptr);
    EXPECT_TRUE(item->ActionLink()->IsCheckedLinked());
    for (const char16_t* name : {u"AutoCheck", u"Checked", u"GroupIndex", u"ImageIndex", u"ShortCut", u"Visible"})
        EXPECT_FALSE(IsStoredProp(*item, *GetPropInfo(*item, name))) << ToUtf8(name);
    item->SetChecked(false);
    EXPECT_FALSE(item->ActionLink()->IsCheckedLinked());
    action->SetChecked(false);
    item->SetChecked(true); // differs from the action again: written
    EXPECT_TRUE(IsStoredProp(*item, *GetPropInfo(*item, u"Checked")));
}

TEST(Actions, AutoCheckTogglesAndGroupsCheckOneAction)
{
    TComponent owner(nullptr);
    auto* list = new TActionList(&owner);
    auto* toggle = new TAction(&owner);
    toggle->SetActionList(list);
    toggle->SetAutoCheck(true);
    auto* item = new TMenuItem(&owner);
    item->SetAction(toggle);
    item->Click();
    EXPECT_TRUE(toggle->Checked());
    EXPECT_TRUE(item->Checked()); // toggled once, through the action
    item->Click();
    EXPECT_FALSE(item->Checked());

    std::vector<TAction*> group;
    for (int i = 0; i < 3; ++i) {
        auto* a = new TAction(&owner);
        a->SetActionList(list);
        a->SetGroupIndex(7);
        a->SetAutoCheck(true);
        group.push_back(a);
    }
    group[0]->Execute();
    group[2]->Execute();
    group[2]->Execute(); // a checked action of a group stays checked
    EXPECT_FALSE(group[0]->Checked());
    EXPECT_FALSE(group[1]->Checked());
    EXPECT_TRUE(group[2]->Checked());
    list->SetState(asSuspended);
    EXPECT_FALSE(group[0]->Execute());
}

TEST(Actions, ApplicationHandlersComeAfterTheListsAndBeforeTheActions)
{
    TComponent owner(nullptr);
    auto* list = new TActionList(&owner);
    auto* action = new TAction(&owner);
    action->SetActionList(list);
    std::vector<String> log;
    action->SetOnExecute([&](TObject*) { log.push_back(u"action"); });
    action->SetOnUpdate([&](TObject*) { log.push_back(u"action"); });
    struct {
        bool ListHandles, ApplicationHandles;
        std::vector<String> Log;
    } cases[] = {
        {false, false, {u"list", u"application", u"action"}},
        {false, true, {u"list", u"application"}},
        {true, true, {u"list"}},
    };
    for (const auto& c : cases) {
        const auto handler = [&log](const char16_t* name, bool handles) {
            return [&log, name, handles](TBasicAction*, bool& handled) {
                log.push_back(name);
                handled = handles;
            };
        };
        list->SetOnExecute(handler(u"list", c.ListHandles));
        list->SetOnUpdate(handler(u"list", c.ListHandles));
        Application->SetOnActionExecute(handler(u"application", c.ApplicationHandles));
        Application->SetOnActionUpdate(handler(u"application", c.ApplicationHandles));
        log.clear();
        action->Update();
        EXPECT_EQ(log, c.Log) << "update";
        log.clear();
        TAction plain(nullptr); // in no list: the application's handler still comes first
        plain.SetOnExecute([&](TObject*) { log.push_back(u"action"); });
        plain.Execute();
        EXPECT_EQ(log.back(), c.ApplicationHandles ? u"application" : u"action");
    }
    Application->SetOnActionExecute(TActionEvent());
    Application->SetOnActionUpdate(TActionEvent());
}

TEST(Actions, MenuItemsTakeTheActionListsImagesWhenTheirMenuHasNone)
{
    TComponent owner(nullptr);
    auto* listImages = new TImageList(&owner);
    auto* menuImages = new TImageList(&owner);
    auto* list = new TActionList(&owner);
    list->SetImages(listImages);
    auto* action = new TAction(&owner);
    action->SetActionList(list);
    action->SetImageIndex(0);
    auto* menu = new TPopupMenu(&owner);
    auto* item = new TMenuItem(&owner);
    menu->Items()->Add(item);
    item->SetAction(action);
    EXPECT_EQ(item->ImageIndex(), 0);
    EXPECT_EQ(item->GetImageList(), listImages);
    menu->SetImages(menuImages);
    EXPECT_EQ(item->GetImageList(), menuImages);
    menu->SetImages(nullptr);
    delete listImages;
    EXPECT_EQ(item->GetImageList(), nullptr);
}

TEST(Actions, FreedActionsAndListsLeaveNoReferences)
{
    TComponent owner(nullptr);
    auto* list = new TActionList(&owner);
    auto* action = new TAction(&owner);
    action->SetActionList(list);
    auto* button = new TButton(&owner);
    auto* item = new TMenuItem(&owner);
    button->SetAction(action);
    item->SetAction(action);
    EXPECT_EQ(action->ClientCount(), 2);
    delete list;
    EXPECT_EQ(action->ActionList(), nullptr);
    delete action;
    EXPECT_EQ(button->Action(), nullptr);
    EXPECT_EQ(item->Action(), nullptr);
    button->Click(); // nothing left to run
    item->Click();
}

// ---------------------------------------------------------------------------------------------

class TActionForm : public TForm {
    TAVIN_PUBLISHED_CLASS(TActionForm, TForm)
public:
    using TForm::TForm;
    void SaveExecute(TObject*) { Log.push_back(u"save"); }
    void SaveUpdate(TObject* sender) { static_cast<TAction*>(sender)->SetEnabled(CanSave); }
    std::vector<String> Log;
    bool CanSave = true;
};

TAVIN_PUBLISHED(TActionForm)
{
    TAVIN_METHOD(SaveExecute);
    TAVIN_METHOD(SaveUpdate);
}

const char* const ActionFormText = R"(object ActionForm: TActionForm
  ClientWidth = 200
  ClientHeight = 100
  object SaveButton: TButton
    Left = 10
    Top = 10
    Width = 80
    Height = 25
    Action = SaveAction
  end
  object OwnButton: TButton
    Left = 100
    Top = 10
    Width = 80
    Height = 25
    Caption = 'Keep'
    Action = SaveAction
  end
  object Edit: TEdit
    Left = 10
    Top = 50
    Width = 80
    Height = 24
  end
  object Actions: TActionList
    object SaveAction: TAction
      Caption = 'Save'
      ShortCut = 16467
      SecondaryShortCuts.Strings = ('F11' 'no such key')
      OnExecute = SaveExecute
      OnUpdate = SaveUpdate
    end
  end
end
)";

void CALLBACK Nothing(HWND, UINT, UINT_PTR, DWORD) {}

TEST(ActionForms, ResourceLinksIdleUpdatesAndShortCuts)
{
    SetFormTexts({{u"TActionForm", ActionFormText}});
    std::unique_ptr<TActionForm> form(CreateForm<TActionForm>(nullptr));
    auto* save = static_cast<TAction*>(form->FindComponent(u"SaveAction"));
    auto* saveButton = static_cast<TButton*>(form->FindComponent(u"SaveButton"));
    auto* ownButton = static_cast<TButton*>(form->FindComponent(u"OwnButton"));
    ASSERT_EQ(save->ActionList(), form->FindComponent(u"Actions"));
    EXPECT_EQ(saveButton->Caption(), u"Save");
    EXPECT_EQ(ownButton->Caption(), u"Keep"); // a value from the resource stays

    ASSERT_TRUE(ShowActive(form.get()));
    auto* edit = static_cast<TEdit*>(form->FindComponent(u"Edit"));
    edit->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return FocusedControl() == edit; }));

    // The loop updates the actions once it has nothing else to do.
    form->CanSave = false;
    UINT_PTR timer = SetTimer(nullptr, 0, 20, Nothing);
    for (int i = 0; i < 200 && save->Enabled(); ++i)
        Application->HandleMessage();
    KillTimer(nullptr, timer);
    EXPECT_FALSE(save->Enabled());
    EXPECT_FALSE(saveButton->Enabled());
    EXPECT_FALSE(ownButton->Enabled());

    // The form's key handling runs the list's short cuts, only while the action is enabled.
    BYTE keys[256], saved[256];
    GetKeyboardState(keys);
    std::copy(std::begin(keys), std::end(keys), saved);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    PressKey('S');
    EXPECT_TRUE(form->Log.empty());
    form->CanSave = true;
    PressKey('S');
    SetKeyboardState(saved);
    EXPECT_EQ(form->Log, std::vector<String>{u"save"});
    EXPECT_TRUE(saveButton->Enabled());
    EXPECT_EQ(save->SecondaryShortCuts()->ShortCuts(1), scNone);
    PressKey(VK_F11);
    EXPECT_EQ(form->Log, (std::vector<String>{u"save", u"save"}));
}

const char* const LinkedFormText = R"(object ActionForm: TActionForm
  object LinkedButton: TButton
    Action = SaveAction
  end
  object OwnButton: TButton
    Caption = 'Keep'
    Action = SaveAction
  end
  object Menu: TPopupMenu
    object LinkedItem: TMenuItem
      Action = SaveAction
    end
    object OwnItem: TMenuItem
      Caption = 'Mine'
      Checked = True
      Action = SaveAction
    end
  end
  object Actions: TActionList
    object SaveAction: TAction
      Caption = 'Save'
      Hint = 'Saves the file'
      HelpContext = 7
      OnExecute = SaveExecute
    end
  end
end
)";

// A name as the component stream writes it: its length byte first ("Hint" is not "ShowHint").
std::string Named(const char* name)
{
    return char(std::strlen(name)) + std::string(name);
}

// What was written of one component: the bytes from its name to the next component's.
std::string WrittenBetween(const std::string& bytes, const char* name, const char* next)
{
    size_t from = bytes.find(Named(name)), to = bytes.find(Named(next), from);
    EXPECT_NE(from, std::string::npos) << name;
    EXPECT_NE(to, std::string::npos) << next;
    return from == std::string::npos || to == std::string::npos ? std::string() : bytes.substr(from, to - from);
}

TEST(ActionForms, AFormWrittenAndReadBackTakesLinkedValuesFromTheAction)
{
    SetFormTexts({{u"TActionForm", LinkedFormText}});
    std::unique_ptr<TActionForm> written(CreateForm<TActionForm>(nullptr));
    TMemoryStream stream;
    WriteComponentToStream(stream, written.get());
    const std::string bytes(static_cast<const char*>(stream.Memory()), size_t(stream.Size()));

    const std::string linkedButton = WrittenBetween(bytes, "LinkedButton", "OwnButton");
    const std::string linkedItem = WrittenBetween(bytes, "LinkedItem", "OwnItem");
    for (const char* property : {"Caption", "Hint", "HelpContext", "HelpType", "OnClick"}) {
        EXPECT_EQ(linkedButton.find(Named(property)), std::string::npos) << property;
        EXPECT_EQ(linkedItem.find(Named(property)), std::string::npos) << property;
    }
    EXPECT_NE(WrittenBetween(bytes, "OwnButton", "Menu").find(Named("Caption")), std::string::npos);
    const std::string ownItem = WrittenBetween(bytes, "OwnItem", "Actions");
    EXPECT_NE(ownItem.find(Named("Caption")), std::string::npos);
    EXPECT_NE(ownItem.find(Named("Checked")), std::string::npos);

    SetFormTexts({{u"TActionForm", bytes}});
    std::unique_ptr<TActionForm> form(CreateForm<TActionForm>(nullptr));
    auto* action = static_cast<TAction*>(form->FindComponent(u"SaveAction"));
    auto* linked = static_cast<TButton*>(form->FindComponent(u"LinkedButton"));
    auto* own = static_cast<TButton*>(form->FindComponent(u"OwnButton"));
    auto* linkedItem2 = static_cast<TMenuItem*>(form->FindComponent(u"LinkedItem"));
    auto* ownItem2 = static_cast<TMenuItem*>(form->FindComponent(u"OwnItem"));
    EXPECT_EQ(linked->Caption(), u"Save");
    EXPECT_EQ(linked->Hint(), u"Saves the file");
    EXPECT_EQ(linked->HelpContext(), 7);
    EXPECT_EQ(own->Caption(), u"Keep");
    EXPECT_EQ(linkedItem2->Caption(), u"Save");
    EXPECT_EQ(ownItem2->Caption(), u"Mine");
    EXPECT_TRUE(ownItem2->Checked());
    linked->Click();
    linkedItem2->Click();
    EXPECT_EQ(form->Log, (std::vector<String>{u"save", u"save"}));
    // Still linked: the action's changes reach what mirrors it, not what the client set itself.
    action->SetCaption(u"Store");
    EXPECT_EQ(linked->Caption(), u"Store");
    EXPECT_EQ(linkedItem2->Caption(), u"Store");
    EXPECT_EQ(own->Caption(), u"Keep");
    EXPECT_EQ(ownItem2->Caption(), u"Mine");
}

} // namespace
