// The kit's button base: popup menus and gallery menus dropped down by the mouse and the keyboard,
// the end of their tracking, the arrow of the glyph button, and actions linked to buttons.
#include <gtest/gtest.h>

#include <vector>

#include "ActnList.h"
#include "GuiTestSupport.h"
#include "KitTestSupport.h"
#include "Menus.h"
#include "scGPControls.h"

namespace {

// A gallery menu that shows a pop-up until the test closes it.
class TOpeningGallery : public TscGalleryMenu {
public:
    using TscGalleryMenu::TscGalleryMenu;
    void PopupFromRect(const TRect& rect) override { Open(rect); }
    void PopupFromRectExt(const TRect& rect, bool fromTop, bool fromRight) override
    {
        FromTop = fromTop;
        FromRight = fromRight;
        Open(rect);
    }
    bool IsPopupVisible() const override { return Shown; }
    void Close()
    {
        Shown = false;
        OnInternalMenuClose()(this);
    }

    bool Shown = false, FromTop = false, FromRight = false;
    TRect At;
    int Popups = 0;

private:
    void Open(const TRect& rect)
    {
        Shown = true;
        At = rect;
        ++Popups;
    }
};

struct TMenuButton : TButtonForm {
    TMenuButton()
    {
        Button = new TscGPGlyphButton(Form);
        Button->SetParent(Form);
        Button->SetBounds(10, 10, 80, 30);
        Button->SetOnClick([this](TObject*) { Log.push_back(u"click"); });
        Next = new TscGPGlyphButton(Form);
        Next->SetParent(Form);
        Next->SetBounds(100, 10, 80, 30);
        Menu = new TPopupMenu(Form);
        for (const char16_t* caption : {u"&One", u"&Two"}) {
            auto* item = new TMenuItem(Form);
            item->SetCaption(caption);
            item->SetOnClick([this, item](TObject*) { Log.push_back(item->Caption()); });
            Menu->Items()->Add(item);
        }
        Menu->SetOnPopup([this](TObject*) {
            StateAtPopup = Button->GetCtrlState();
            TrackingAtPopup = Button->MenuTracking();
        });
    }

    // A click near the left edge (the main part of a split button).
    void ClickAtLeft()
    {
        MoveMouse(Button, Point(10, 15));
        MouseButton(Button, WM_LBUTTONDOWN, Point(10, 15));
        MouseButton(Button, WM_LBUTTONUP, Point(10, 15));
    }

    // Posts the press, queues the menu's keys behind it, and lets the loop run the menu.
    void PressWithMenuKeys(TPoint p, std::initializer_list<WORD> keys)
    {
        TMenuWatchdog watchdog;
        const TPoint screen = Button->ClientToScreen(p);
        SetCursorPos(screen.X, screen.Y);
        PostMessageW(Button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.X, p.Y));
        QueueKeys(keys);
        PumpFor(100);
    }

    TscGPGlyphButton* Button;
    TscGPGlyphButton* Next;
    TPopupMenu* Menu;
    std::vector<String> Log;
    TscsCtrlState StateAtPopup = scsNormal;
    bool TrackingAtPopup = false;
};

} // namespace

TEST(ButtonDropDownTest, PopupMenuOpensUnderTheButtonAndItsTrackingEndsAfterIt)
{
    TMenuButton f;
    f.Button->SetDropDownMenu(f.Menu);
    ASSERT_TRUE(ShowActive(f.Form));

    f.PressWithMenuKeys(Point(20, 15), {VK_DOWN, VK_DOWN, VK_RETURN});
    EXPECT_EQ(f.Log, std::vector<String>{u"&Two"}); // the item ran; the press did not click
    EXPECT_EQ(f.StateAtPopup, scsPressed);
    EXPECT_TRUE(f.TrackingAtPopup);
    EXPECT_EQ(f.Menu->PopupComponent(), f.Button);
    EXPECT_EQ(f.Menu->PopupPoint(), f.Button->ClientToScreen(Point(0, f.Button->Height())));
    // The release that follows the menu is not a click; the tracking ends 50 ms after the menu.
    MouseButton(f.Button, WM_LBUTTONUP, Point(20, 15));
    EXPECT_TRUE(PumpUntil([&] { return !f.Button->MenuTracking(); }));
    EXPECT_EQ(f.Log.size(), 1u);
    EXPECT_NE(f.Button->GetCtrlState(), scsPressed);

    // Opening points by alignment and direction.
    struct TCase {
        TPopupAlignment Alignment;
        TscArrowDirection Direction;
        TPoint Point;
    } cases[] = {
        {paCenter, scadDefault, Point(40, 30)},
        {paRight, scadDefault, Point(80, 30)},
        {paLeft, scadRight, Point(80, 0)},
    };
    for (const TCase& c : cases) {
        f.Menu->SetAlignment(c.Alignment);
        f.Button->SetArrowDirection(c.Direction);
        f.PressWithMenuKeys(Point(20, 15), {VK_ESCAPE});
        MouseButton(f.Button, WM_LBUTTONUP, Point(20, 15));
        EXPECT_EQ(f.Menu->PopupPoint(), f.Button->ClientToScreen(c.Point)) << c.Alignment;
        ASSERT_TRUE(PumpUntil([&] { return !f.Button->MenuTracking(); }));
    }
    EXPECT_EQ(f.Log.size(), 1u);
}

TEST(ButtonDropDownTest, SplitButtonOpensItsMenuFromTheArrowPartOnly)
{
    TMenuButton f;
    f.Button->SetDropDownMenu(f.Menu);
    f.Button->SetSplitButton(true);
    f.Button->SetCanFocused(false);
    ASSERT_TRUE(ShowActive(f.Form));
    f.Button->Repaint();
    const TPoint arrow = Point(f.Button->Width() - f.Button->SplitWidth() / 2, 15);
    MoveMouse(f.Button, arrow);
    f.PressWithMenuKeys(arrow, {VK_DOWN, VK_RETURN});
    EXPECT_EQ(f.Log, std::vector<String>{u"&One"});
    EXPECT_EQ(f.StateAtPopup, scsHot); // the main part shows hot while the arrow part is down
    MouseButton(f.Button, WM_LBUTTONUP, arrow);
    ASSERT_TRUE(PumpUntil([&] { return !f.Button->MenuTracking(); }));

    f.Log.clear();
    f.ClickAtLeft();
    EXPECT_EQ(f.Log, std::vector<String>{u"click"});
}

TEST(ButtonDropDownTest, KeysOpenTheMenuOfAFocusedButton)
{
    TMenuButton f;
    f.Button->SetDropDownMenu(f.Menu);
    ASSERT_TRUE(ShowActive(f.Form));
    f.Button->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return FocusedControl() == f.Button; }));
    struct TCase {
        WORD Key;
        std::vector<String> Log;
    } cases[] = {
        {VK_RETURN, {u"&One"}},          // Enter opens the menu and does not click
        {VK_DOWN, {u"&One"}},            // the arrows reach the button instead of moving the focus
        {VK_UP, {u"&One"}},
        {VK_SPACE, {u"&One", u"click"}}, // Space clicks once, after the menu
    };
    for (const TCase& c : cases) {
        f.Log.clear();
        TMenuWatchdog watchdog;
        const UINT scan = MapVirtualKeyW(c.Key, MAPVK_VK_TO_VSC);
        PostMessageW(f.Button->Handle(), WM_KEYDOWN, c.Key, static_cast<LPARAM>(1 | (scan << 16)));
        ChooseFirstMenuItemLater(); // the button handles what is queued before it opens its menu
        ASSERT_TRUE(PumpUntil([&] { return !f.Log.empty(); })) << c.Key;
        PostMessageW(f.Button->Handle(), WM_KEYUP, c.Key, static_cast<LPARAM>(1 | (scan << 16) | 0xC0000000u));
        ASSERT_TRUE(PumpUntil([&] { return !f.Button->MenuTracking(); }));
        PumpFor(30);
        EXPECT_EQ(f.Log, c.Log) << c.Key;
        EXPECT_EQ(FocusedControl(), f.Button) << c.Key;
    }
    // Without a menu the arrows move the focus on as usual.
    f.Button->SetDropDownMenu(nullptr);
    PressKey(VK_DOWN);
    EXPECT_EQ(FocusedControl(), f.Next);
}

TEST(ButtonDropDownTest, GalleryMenuTrackingEndsWithItsClosingOrAtOnceWhenNothingOpened)
{
    TMenuButton f;
    auto* gallery = new TOpeningGallery(f.Form);
    f.Button->SetGalleryMenu(gallery);
    f.Button->SetCanFocused(false);
    ASSERT_TRUE(ShowActive(f.Form));
    MoveMouse(f.Button, Point(20, 15));
    MouseButton(f.Button, WM_LBUTTONDOWN, Point(20, 15));
    EXPECT_EQ(gallery->Popups, 1);
    EXPECT_EQ(gallery->At, Bounds(f.Button->ClientToScreen(Point(0, 0)).X, f.Button->ClientToScreen(Point(0, 0)).Y,
                                  80, 30));
    EXPECT_EQ(gallery->Control(), f.Button);
    EXPECT_TRUE(f.Button->MenuTracking());
    EXPECT_EQ(f.Button->GetCtrlState(), scsPressed);
    MouseButton(f.Button, WM_LBUTTONUP, Point(20, 15));
    EXPECT_TRUE(f.Log.empty()); // the release belongs to the open gallery
    gallery->Close();
    EXPECT_FALSE(f.Button->MenuTracking());
    EXPECT_EQ(f.Button->GetCtrlState(), scsHot);

    f.Button->SetShowGalleryMenuFromTop(true);
    MouseButton(f.Button, WM_LBUTTONDOWN, Point(20, 15));
    EXPECT_TRUE(gallery->FromTop);
    EXPECT_FALSE(gallery->FromRight);
    gallery->Close();
    MouseButton(f.Button, WM_LBUTTONUP, Point(20, 15));

    // A gallery that has nothing to show opens nothing and reports no closing: the drop-down ends
    // at once, so later releases still click.
    auto* empty = new TscGalleryMenu(f.Form);
    f.Button->SetGalleryMenu(empty);
    EXPECT_EQ(gallery->Control(), nullptr); // the replaced menu is told nothing more
    f.Button->SetSplitButton(true);
    f.Button->Repaint();
    const TPoint arrow = Point(f.Button->Width() - f.Button->SplitWidth() / 2, 15);
    MoveMouse(f.Button, arrow);
    MouseButton(f.Button, WM_LBUTTONDOWN, arrow);
    EXPECT_FALSE(f.Button->MenuTracking());
    MouseButton(f.Button, WM_LBUTTONUP, arrow);
    f.ClickAtLeft();
    EXPECT_EQ(f.Log, std::vector<String>{u"click"});
}

TEST(ButtonDropDownTest, FreedMenusLeaveNoReferencesBehind)
{
    TMenuButton f;
    f.Button->SetDropDownMenu(f.Menu);
    auto* gallery = new TOpeningGallery(nullptr);
    f.Button->SetGalleryMenu(gallery);
    EXPECT_TRUE(gallery->OnInternalMenuClose());
    delete f.Menu;
    delete gallery;
    EXPECT_EQ(f.Button->DropDownMenu(), nullptr);
    EXPECT_EQ(f.Button->GalleryMenu(), nullptr);

    // A button freed before its gallery takes its handlers with it.
    auto* kept = new TOpeningGallery(nullptr);
    f.Button->SetGalleryMenu(kept);
    delete f.Button;
    EXPECT_FALSE(kept->OnInternalMenuClose());
    EXPECT_FALSE(kept->OnInternalChange());
    delete kept;
}

TEST(ButtonDropDownTest, ModernArrowIsAStrokedChevronAndTheDefaultAFilledTriangle)
{
    TMenuButton f;
    TscGPGlyphButton* b = f.Button;
    b->SetDropDownMenu(f.Menu);
    b->Options()->SetArrowNormalColor(clBlack);
    b->Options()->SetArrowNormalColorAlpha(255);
    b->GlyphOptions()->SetNormalColorAlpha(0);
    ASSERT_TRUE(ShowActive(f.Form));
    // 80 x 30 with the arrow size 9 at the right: the arrow's square starts at (62, 10).
    auto darkness = [&](int x, int y) {
        TOffscreenImage image(b);
        return 255 - GetGValue(image.Pixel(x, y));
    };
    EXPECT_GT(darkness(66, 16), 200); // inside the triangle
    EXPECT_LT(darkness(62, 13), 60);  // above its top corners
    b->Options()->SetArrowType(scgpatModern);
    EXPECT_LT(darkness(66, 15), 60); // the chevron is open above its point
    EXPECT_GT(darkness(63, 14), 100);
    b->SetShowMenuArrow(false);
    EXPECT_LT(darkness(63, 14), 60);
}

TEST(ButtonDropDownTest, ActionsGiveTheirImagesAndRunOnClick)
{
    TButtonForm f;
    auto* button = new TscGPGlyphButton(f.Form);
    auto* images = new TImageList(f.Form);
    images->SetWidth(16);
    images->SetHeight(16);
    auto bitmap = Canvas32(16, 16);
    images->Add(bitmap.get(), nullptr);
    images->Add(bitmap.get(), nullptr);
    auto* list = new TActionList(f.Form);
    list->SetImages(images);
    auto* action = new TAction(f.Form);
    action->SetActionList(list);
    action->SetImageIndex(1);
    std::vector<String> log;
    const TNotifyEvent actionHandler = [&](TObject* sender) {
        log.push_back(sender == action ? u"action" : u"button");
    };
    action->SetOnExecute(actionHandler);
    list->SetOnExecute([&](TBasicAction*, bool&) { log.push_back(u"list"); });

    button->SetAction(action);
    EXPECT_EQ(button->Images(), images);
    EXPECT_EQ(button->ImageIndex(), 1);
    button->SetAction(nullptr);
    button->SetImages(nullptr);
    button->SetImageIndex(-1);
    button->SetUseImagesFromAction(false);
    action->SetImageIndex(5); // beyond the list: nothing taken
    button->SetAction(action);
    EXPECT_EQ(button->ImageIndex(), -1);
    button->SetAction(nullptr);
    action->SetImageIndex(0);
    button->SetAction(action);
    EXPECT_EQ(button->Images(), nullptr);
    EXPECT_EQ(button->ImageIndex(), 0);

    // The click: the button's own handler runs directly only when it is the action's; otherwise
    // the action executes (its list first), and without an action the handler runs.
    struct TCase {
        bool Linked;
        TNotifyEvent OnClick;
        std::vector<String> Log;
    } cases[] = {
        {true, nullptr, {u"list", u"action"}},
        {true, actionHandler, {u"button"}},
        {true, [&](TObject*) { log.push_back(u"own"); }, {u"list", u"action"}},
        {false, [&](TObject*) { log.push_back(u"own"); }, {u"own"}},
    };
    for (const TCase& c : cases) {
        log.clear();
        button->SetAction(c.Linked ? action : nullptr);
        button->SetOnClick(c.OnClick);
        button->ButtonClick();
        EXPECT_EQ(log, c.Log) << &c - cases;
    }
    delete action;
    EXPECT_EQ(button->Action(), nullptr);
}
