// The gallery menu: layout of pictures, headers and button rows, placement by the work area,
// picking with the keyboard and the mouse, the items' hints, the events of a close, and the
// application's message hook and mouse capture given back however the pop-up ends.
#include <gtest/gtest.h>

#include <vector>

#include "GuiTestSupport.h"
#include "KitTestSupport.h"
#include "scControls.h"
#include "scHint.h"

namespace {

struct TGallery {
    TGallery()
    {
        Form = new TForm(Application);
        Form->SetBounds(100, 100, 300, 200);
        Images = new TImageList(Form);
        auto picture = Canvas32(16, 16, clRed);
        Images->Add(picture.get(), nullptr);
        Menu = new TscGalleryMenu(Form);
        Menu->SetImages(Images);
        Menu->SetColumnsCount(3);
        for (const char* kind : {"p", "p", "h", "p", "p", "p", "p"}) {
            TscGalleryMenuItem* item = Menu->Items()->Add();
            item->SetImageIndex(0);
            item->SetHeader(kind[0] == 'h');
            item->SetOnClick([this, i = Menu->Items()->Count() - 1](TObject* sender) {
                Log.push_back(sender == Menu ? u"click " + IntToStr(i) : u"click from elsewhere");
            });
        }
        const auto logged = [this](const String& what) { return [this, what](TObject*) { Log.push_back(what); }; };
        Menu->SetOnInternalChange(logged(u"internal change"));
        Menu->SetOnChange(logged(u"change"));
        Menu->SetOnInternalMenuClose(logged(u"internal close"));
        Menu->SetOnMenuClose(logged(u"close"));
        Menu->SetOnItemClick(logged(u"item click"));
    }
    ~TGallery() { delete Form; }
    TGallery(const TGallery&) = delete;
    TGallery& operator=(const TGallery&) = delete;

    // Opens under the form's top-left corner.
    TscGalleryMenuPopupWindow* Open()
    {
        Log.clear();
        Menu->PopupFromRect(Bounds(Form->Left() + 20, Form->Top() + 40, 60, 20));
        return Menu->PopupWindow();
    }

    TForm* Form;
    TImageList* Images;
    TscGalleryMenu* Menu;
    std::vector<String> Log;
};

// Counts the wheel messages that reach it.
class TWheelCounter : public TPanel {
public:
    using TPanel::TPanel;
    void WndProc(TMessage& message) override
    {
        if (message.Msg == WM_MOUSEWHEEL)
            ++Wheels;
        TPanel::WndProc(message);
    }
    int Wheels = 0;
};

TPoint Middle(const TRect& r) { return Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2); }

} // namespace

TEST(GalleryMenuTest, PicturesFillRowsAndHeadersAndButtonRowsStartNewOnes)
{
    TGallery g;
    ASSERT_TRUE(ShowActive(g.Form));
    TscGalleryMenuPopupWindow* popup = g.Open();
    ASSERT_NE(popup, nullptr);
    const TRect expected[] = {Bounds(2, 2, 26, 26),   Bounds(28, 2, 26, 26),  Rect(2, 29, 80, 54),
                              Bounds(2, 55, 26, 26),  Bounds(28, 55, 26, 26), Bounds(54, 55, 26, 26),
                              Bounds(2, 82, 26, 26)};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(g.Menu->Items()->Items(i)->ItemRect, expected[i]) << i;
    EXPECT_EQ(popup->Width(), 82);
    EXPECT_EQ(popup->Height(), 110);
    // Hit tests take the right and bottom edges and skip headers.
    EXPECT_EQ(popup->GetItemAtPoint(Point(28, 28)), 0);
    EXPECT_EQ(popup->GetItemAtPoint(Point(54, 28)), 1);
    EXPECT_EQ(popup->GetItemAtPoint(Point(40, 40)), -1);
    g.Menu->Hide();

    // A button row after a partly filled row starts a new one; as the first item it starts at 2.
    g.Menu->Items()->Items(2)->SetHeader(false);
    g.Menu->Items()->Items(2)->SetButton(true);
    g.Menu->Items()->Items(0)->SetButton(true);
    g.Open();
    EXPECT_EQ(g.Menu->Items()->Items(0)->ItemRect, Rect(2, 2, 80, 28));
    EXPECT_EQ(g.Menu->Items()->Items(1)->ItemRect, Bounds(2, 29, 26, 26));
    EXPECT_EQ(g.Menu->Items()->Items(2)->ItemRect, Rect(2, 56, 80, 82));
    g.Menu->Hide();
}

TEST(GalleryMenuTest, ThePopupStaysInsideTheWorkArea)
{
    const TRect work = Rect(0, 0, 1000, 700);
    const TSize size{100, 200};
    const struct {
        const char* Case;
        TRect From;
        bool Extended, FromTop, FromRight;
        TPoint Expected;
    } cases[] = {
        {"below the rectangle", Rect(300, 100, 400, 130), false, false, false, Point(300, 130)},
        {"past the bottom: above instead", Rect(300, 600, 400, 630), false, false, false, Point(300, 400)},
        {"no room either way: moved up", Rect(300, 150, 400, 560), false, false, false, Point(300, 500)},
        {"past the right edge", Rect(950, 100, 990, 130), false, false, false, Point(900, 130)},
        {"above", Rect(300, 400, 400, 430), true, true, false, Point(300, 200)},
        {"above, no room: below", Rect(300, 100, 400, 130), true, true, false, Point(300, 130)},
        {"right edges aligned", Rect(300, 100, 400, 130), true, false, true, Point(300, 130)},
        {"right aligned, no room: left aligned", Rect(10, 100, 60, 130), true, false, true, Point(10, 130)},
        {"extended past the bottom", Rect(300, 600, 400, 630), true, false, false, Point(300, 400)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        EXPECT_EQ(GalleryPopupPosition(c.From, size, work, c.Extended, c.FromTop, c.FromRight), c.Expected);
    }
}

TEST(GalleryMenuTest, KeysPickAndCloseWithEachEventOnce)
{
    TGallery g;
    ASSERT_TRUE(ShowActive(g.Form));
    g.Open();
    PressKey(VK_DOWN);  // item 0
    PressKey(VK_RIGHT); // item 1
    PressKey(VK_DOWN);  // item 4, under item 1
    EXPECT_EQ(g.Menu->PopupWindow()->MouseInItem(), 4);
    PressKey(VK_RETURN);
    EXPECT_FALSE(g.Menu->IsPopupVisible());
    EXPECT_EQ(g.Menu->ItemIndex(), 4);
    EXPECT_EQ(g.Log, (std::vector<String>{u"internal change", u"change", u"internal close", u"close", u"click 4",
                                          u"item click"}));

    // Escape closes without the pick's events; Enter with no hot item keeps the selection and
    // fires its click.
    g.Open();
    PressKey(VK_ESCAPE);
    EXPECT_EQ(g.Log, (std::vector<String>{u"internal close", u"close"}));
    g.Open();
    PressKey(VK_RETURN);
    EXPECT_EQ(g.Log, (std::vector<String>{u"internal close", u"close", u"click 4", u"item click"}));

    // The up arrow from nothing makes the last item hot even when it is a header; Enter cannot
    // select a header.
    g.Menu->Items()->Items(6)->SetHeader(true);
    g.Open();
    PressKey(VK_UP);
    EXPECT_EQ(g.Menu->PopupWindow()->MouseInItem(), 6);
    PressKey(VK_RETURN);
    EXPECT_EQ(g.Menu->ItemIndex(), 4);
    PumpFor(50); // the closed windows are freed
}

TEST(GalleryMenuTest, MousePicksOnlyWhatWasPressedInsideAndSwallowsTheWheel)
{
    TGallery g;
    auto* sink = new TWheelCounter(g.Form);
    sink->SetParent(g.Form);
    ASSERT_TRUE(ShowActive(g.Form));
    TscGalleryMenuPopupWindow* popup = g.Open();
    const TPoint first = Middle(g.Menu->Items()->Items(0)->ItemRect);
    const TPoint fourth = Middle(g.Menu->Items()->Items(3)->ItemRect);
    const TPoint header = Middle(g.Menu->Items()->Items(2)->ItemRect);
    // The release of the click that dropped the menu down picks nothing.
    MoveMouse(popup, first);
    MouseButton(popup, WM_LBUTTONUP, first);
    ASSERT_TRUE(g.Menu->IsPopupVisible());
    // Releasing over a header keeps the pop-up open.
    MouseButton(popup, WM_LBUTTONDOWN, first);
    MoveMouse(popup, header);
    MouseButton(popup, WM_LBUTTONUP, header);
    ASSERT_TRUE(g.Menu->IsPopupVisible());
    EXPECT_EQ(GetCapture(), popup->Handle());

    PostMessageW(sink->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    PumpFor(30);
    EXPECT_EQ(sink->Wheels, 0);

    // Pressed on one item and released over another: the other is picked.
    MoveMouse(popup, fourth);
    MouseButton(popup, WM_LBUTTONUP, fourth);
    EXPECT_FALSE(g.Menu->IsPopupVisible());
    EXPECT_EQ(g.Menu->ItemIndex(), 3);
    EXPECT_EQ(GetCapture(), nullptr);
    PumpFor(50);
}

TEST(GalleryMenuTest, AnItemsHintShowsWhileTheMouseIsOnIt)
{
    TGallery g;
    auto* hint = new TscHint(g.Form);
    g.Menu->SetHintComponent(hint);
    g.Menu->Items()->Items(0)->SetHint(u"First");
    const int pause = Application->HintPause();
    Application->SetHintPause(20);
    ASSERT_TRUE(ShowActive(g.Form));
    TscGalleryMenuPopupWindow* popup = g.Open();
    const TPoint first = Middle(g.Menu->Items()->Items(0)->ItemRect);
    const TPoint second = Middle(g.Menu->Items()->Items(1)->ItemRect);
    const auto shownOver = [&](TPoint p) {
        MoveMouse(popup, p);
        return PumpUntil([&] { return hint->IsVisible(); }, 300);
    };
    EXPECT_TRUE(shownOver(first));
    EXPECT_EQ(hint->HintWindow()->Caption(), u"First");
    EXPECT_FALSE(shownOver(second)) << "an item without a hint hides it";
    ASSERT_TRUE(shownOver(first));
    MouseButton(popup, WM_LBUTTONDOWN, first);
    EXPECT_FALSE(hint->IsVisible()) << "a press hides it";
    g.Menu->Hide();

    g.Menu->SetShowHints(false);
    popup = g.Open();
    EXPECT_FALSE(shownOver(first));
    g.Menu->Hide();
    Application->SetHintPause(pause);
    PumpFor(50);
}

TEST(GalleryMenuTest, HookAndCaptureNeverOutliveThePopup)
{
    TGallery g;
    ASSERT_TRUE(ShowActive(g.Form));
    int before = 0, later = 0;
    const TMessageEvent previous([&](MSG&, bool&) { ++before; });
    Application->SetOnMessage(previous);

    // A handler installed while the pop-up is open is not overwritten by its close.
    g.Open();
    const TMessageEvent installedMeanwhile([&](MSG&, bool&) { ++later; });
    Application->SetOnMessage(installedMeanwhile);
    g.Menu->Hide();
    EXPECT_TRUE(Application->OnMessage() == installedMeanwhile);

    // The menu freed while open takes its window along: no close events, the handler and the
    // capture given back.
    Application->SetOnMessage(previous);
    TscGalleryMenuPopupWindow* popup = g.Open();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(GetCapture(), popup->Handle());
    delete g.Menu;
    EXPECT_TRUE(Application->OnMessage() == previous);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_TRUE(g.Log.empty());
    PumpFor(50);
    Application->SetOnMessage(nullptr);
}

TEST(GalleryMenuTest, ForgetsAFreedImageListAndShowsNothingWithoutPictures)
{
    TGallery g;
    auto* elsewhere = new TImageList(nullptr);
    g.Menu->SetImages(elsewhere);
    delete elsewhere;
    EXPECT_EQ(g.Menu->Images(), nullptr);
    int popups = 0;
    g.Menu->SetOnMenuPopup([&](TObject*) { ++popups; });
    g.Menu->PopupFromRect(Rect(10, 10, 20, 20));
    EXPECT_EQ(popups, 1);
    EXPECT_FALSE(g.Menu->IsPopupVisible());

    // Selection: a header or an index past the end is refused without an event.
    g.Menu->SetImages(g.Images);
    g.Log.clear();
    g.Menu->SetItemIndex(2);
    g.Menu->SetItemIndex(7);
    EXPECT_EQ(g.Menu->ItemIndex(), -1);
    EXPECT_TRUE(g.Log.empty());
    g.Menu->SetColumnsCount(51);
    EXPECT_EQ(g.Menu->ColumnsCount(), 3);
}
