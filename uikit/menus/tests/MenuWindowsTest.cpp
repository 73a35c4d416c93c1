// Real owner-drawn menus under the display: a pop-up with side bar, images, checks and a sub-menu
// opened and navigated by keys, its windows subclassed, cut and framed and given back cleanly; a
// main menu's drop-down; the MDI Window menu built by the menu and the active child's icon on the
// menu bar.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <vector>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "MenuTestSupport.h"
#include "PngImage.h"
#include "RurMenus_Engine.h"
#include "RurMenuStylers.h"
#include "ToolBarTestSupport.h"
#include "WideText.h"

namespace {

// Steps run one after another from a timer while a menu loop runs; a step that returns false is
// tried again on the next tick.
class TMenuScript {
public:
    explicit TMenuScript(std::vector<std::function<bool()>> steps) : FSteps(std::move(steps))
    {
        Current = this;
        FTimer = SetTimer(nullptr, 0, 120, &Tick);
    }
    ~TMenuScript()
    {
        KillTimer(nullptr, FTimer);
        Current = nullptr;
    }
    bool Finished() const { return FNext == FSteps.size(); }
    size_t StepsDone() const { return FNext; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        TMenuScript* s = Current;
        if (s && s->FNext < s->FSteps.size() && s->FSteps[s->FNext]())
            ++s->FNext;
    }
    static inline TMenuScript* Current = nullptr;
    std::vector<std::function<bool()>> FSteps;
    size_t FNext = 0;
    UINT_PTR FTimer;
};

// The visible pop-up menu windows, top-most first.
std::vector<HWND> OpenMenuWindows()
{
    std::vector<HWND> windows;
    EnumWindows(
        [](HWND wnd, LPARAM data) {
            wchar_t name[16] = {};
            GetClassNameW(wnd, name, 16);
            if (IsWindowVisible(wnd) && std::wstring(name) == L"#32768")
                reinterpret_cast<std::vector<HWND>*>(data)->push_back(wnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// The screen's pixels of a rectangle.
std::unique_ptr<TBitmap> Grab(const RECT& r)
{
    auto bitmap = Bitmap32(r.right - r.left, r.bottom - r.top);
    HDC screen = GetDC(nullptr);
    BitBlt(bitmap->Canvas()->Handle(), 0, 0, r.right - r.left, r.bottom - r.top, screen, r.left, r.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

void SaveBeside(TBitmap* bitmap, const String& suffix)
{
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    String file = FromWidePtr(path);
    file = file.substr(0, file.find_last_of(u'.')) + suffix;
    TPngImage png;
    png.Assign(bitmap);
    png.SaveToFile(file);
}

bool HasRegion(HWND wnd)
{
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const int kind = GetWindowRgn(wnd, region);
    DeleteObject(region);
    return kind == SIMPLEREGION || kind == COMPLEXREGION;
}

void Key(WORD key)
{
    QueueKeys({key});
}

class MenuWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        FForm = std::make_unique<TForm>(nullptr);
        FForm->SetBounds(60, 60, 420, 320);
        FForm->SetCaption(u"Menus");
        ASSERT_TRUE(ShowActive(FForm.get()));
    }
    std::unique_ptr<TForm> FForm;
};

} // namespace

TEST_F(MenuWindows, AnOwnerDrawnPopupWithSideBarImagesChecksAndASubMenu)
{
    auto images = SolidImages(16, 16, {TColor(0x2060D0), TColor(0x30A040)});
    TRurMenuStyler styler(FForm.get());
    styler.SideBar()->SetVisible(true);
    styler.SideBar()->SetVisibleIn(viAnyLevel);
    styler.SideBar()->SetCaption(u"Tavin");
    styler.SideBar()->Font()->SetSize(12);
    styler.SideBar()->Background()->SetColor(0x9C6B3A);
    styler.SideBar()->Background()->SetColorTo(0xE0B080);
    styler.SideBar()->Background()->SetGradientDirection(RurMenus::gdVertical);
    styler.Background()->SetColorTo(0xF0E0D8);
    auto* menu = new TRurPopupMenu(FForm.get());
    menu->SetMenuStyler(&styler);
    menu->SetImages(images.get());
    std::vector<String> log;
    auto add = [&](TMenuItem* parent, const String& caption) {
        TMenuItem* item = AddItem(parent, caption);
        item->SetOnClick([&log, item](TObject*) { log.push_back(item->Caption()); });
        return item;
    };
    add(menu->Items(), u"&New")->SetImageIndex(0);
    add(menu->Items(), u"&Open...")->SetShortCut(ShortCut('O', {ssCtrl}));
    add(menu->Items(), u"-");
    TMenuItem* ruler = add(menu->Items(), u"&Ruler");
    ruler->SetChecked(true);
    TMenuItem* grid = add(menu->Items(), u"&Grid");
    grid->SetChecked(true);
    grid->SetImageIndex(1);
    add(menu->Items(), u"Disabled")->SetEnabled(false);
    TMenuItem* recent = add(menu->Items(), u"Re&cent");
    add(recent, u"First.txt");
    add(recent, u"Second.txt");

    std::vector<HWND> seen;
    bool subclassed = false, cut = false, subMenuSubclassed = false;
    TColor frame = clNone, sideBarPixel = clNone, subFrame = clNone;
    TMenuScript script({
        [&] { return !OpenMenuWindows().empty(); },
        [&] {
            HWND popup = OpenMenuWindows().front();
            seen.push_back(popup);
            subclassed = IsPopupWindowSubclassed(popup);
            cut = HasRegion(popup);
            Key(VK_DOWN);
            return true;
        },
        [&] {
            // Down to "Recent" (the disabled item is passed too) and into its sub-menu.
            for (int i = 0; i < 5; ++i)
                Key(VK_DOWN);
            Key(VK_RIGHT);
            return true;
        },
        [&] { return OpenMenuWindows().size() >= 2; },
        [&] {
            // Both windows painted: the picture of the open menu, as the user sees it.
            std::vector<HWND> windows = OpenMenuWindows();
            subMenuSubclassed = IsPopupWindowSubclassed(windows.front());
            seen.push_back(windows.front());
            RECT all{}, r{};
            for (HWND w : windows) {
                GetWindowRect(w, &r);
                UnionRect(&all, &all, &r);
            }
            auto shot = Grab(all);
            SaveBeside(shot.get(), u"-popup.png");
            RECT main{};
            GetWindowRect(windows.back(), &main);
            const int x = main.left - all.left, y = main.top - all.top;
            frame = PixelOf(shot.get(), x + 1, y + 1);
            RECT sub{};
            GetWindowRect(windows.front(), &sub);
            // The sub-menu's right frame line where its region ends, after it moved to its item.
            subFrame = PixelOf(shot.get(), sub.right - all.left - MenuExtraWidth - 2, (sub.top + sub.bottom) / 2 - all.top);
            sideBarPixel = PixelOf(shot.get(), x + 8, y + 40);
            Key(VK_DOWN);
            Key(VK_RETURN);
            return true;
        },
    });
    TMenuWatchdog watchdog;
    menu->Popup(FForm->ClientToScreen(Point(20, 20)));
    ASSERT_TRUE(script.Finished()) << "steps done: " << script.StepsDone();
    EXPECT_TRUE(subclassed);
    EXPECT_TRUE(cut) << "the system frame and the extra width are cut off";
    EXPECT_TRUE(subMenuSubclassed);
    EXPECT_EQ(frame, styler.MenuBorderColor());
    EXPECT_EQ(subFrame, styler.MenuBorderColor());
    EXPECT_NE(sideBarPixel, styler.Background()->Color()) << "the side bar band";
    EXPECT_EQ(log, std::vector<String>{u"Second.txt"});
    // Hidden again, the windows carry no region; the subclass stays for their life.
    for (HWND w : seen) {
        if (IsWindow(w)) {
            EXPECT_FALSE(HasRegion(w));
        }
    }
    menu->SetImages(nullptr);
}

TEST_F(MenuWindows, ARightAlignedPopupEndsAtItsPointDespiteTheExtraWidth)
{
    auto* menu = new TRurPopupMenu(FForm.get());
    menu->SetAlignment(paRight);
    AddItem(menu->Items(), u"First item");
    AddItem(menu->Items(), u"Second item");
    const TPoint at = FForm->ClientToScreen(Point(300, 40));
    RECT r{};
    TMenuScript script({
        [&] { return !OpenMenuWindows().empty(); },
        [&] {
            GetWindowRect(OpenMenuWindows().front(), &r);
            Key(VK_ESCAPE);
            return true;
        },
    });
    TMenuWatchdog watchdog;
    menu->Popup(at);
    ASSERT_TRUE(script.Finished());
    // The region ends the visible menu MenuExtraWidth + 1 pixels before the window's right.
    EXPECT_LE(std::abs(int(r.right) - MenuExtraWidth - 1 - at.X), 3) << r.right << " for " << at.X;
}

TEST_F(MenuWindows, MainMenuDropDownJoinsItsBarItem)
{
    auto* menu = new TRurMainMenu(FForm.get());
    menu->BeginUpdate();
    TMenuItem* file = AddItem(menu->Items(), u"&File");
    AddItem(file, u"&Open");
    AddItem(file, u"&Close");
    AddItem(menu->Items(), u"&Edit");
    menu->EndUpdate();
    FForm->SetMenu(menu);
    PumpFor(50);
    RedrawWindow(FForm->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    // The bar in the root items' gradient, beyond its last item to the window's end.
    RECT window{}, edit{};
    GetWindowRect(FForm->Handle(), &window);
    ASSERT_TRUE(GetMenuItemRect(FForm->Handle(), menu->Handle(), 1, &edit));
    auto bar = Grab(RECT{window.left, edit.top, window.right, edit.bottom});
    const TColor beyond = PixelOf(bar.get(), bar->Width() - 12, bar->Height() / 2);
    TRootItem* look = menu->CurrentMenuStyler()->RootItem();
    EXPECT_NE(beyond, ColorToRGB(clMenu));
    for (int shift : {0, 8, 16}) {
        const int channel = beyond >> shift & 0xFF;
        EXPECT_GE(channel, int(look->Color() >> shift & 0xFF)) << shift;
        EXPECT_LE(channel, int(look->ColorTo() >> shift & 0xFF)) << shift;
    }
    TColor underRoot = clNone, frame = clNone;
    bool subclassed = false;
    TMenuScript script({
        [&] { return !OpenMenuWindows().empty(); },
        [&] {
            HWND drop = OpenMenuWindows().front();
            subclassed = IsPopupWindowSubclassed(drop);
            RECT r{}, item{};
            GetWindowRect(drop, &r);
            GetMenuItemRect(FForm->Handle(), menu->Handle(), 0, &item);
            auto shot = Grab(r);
            RECT form{}, both{};
            GetWindowRect(FForm->Handle(), &form);
            UnionRect(&both, &form, &r);
            SaveBeside(Grab(both).get(), u"-menubar.png");
            underRoot = PixelOf(shot.get(), (item.left + item.right) / 2 - r.left, 1);
            frame = PixelOf(shot.get(), shot->Width() - MenuExtraWidth - 2, 1);
            Key(VK_ESCAPE);
            Key(VK_ESCAPE);
            return true;
        },
    });
    TMenuWatchdog watchdog;
    // The bar's keyboard mode on its first item, then down into its drop-down (owner-drawn items
    // have no text the system could match an accelerator against).
    PostMessageW(FForm->Handle(), WM_SYSCOMMAND, SC_KEYMENU, 0);
    QueueKeys({VK_DOWN});
    EXPECT_TRUE(PumpUntil([&] { return script.Finished(); }, 5000)) << "steps done: " << script.StepsDone();
    PumpFor(100);
    EXPECT_TRUE(subclassed);
    EXPECT_EQ(underRoot, menu->CurrentMenuStyler()->Background()->Color()) << "the frame is open under File";
    EXPECT_EQ(frame, menu->CurrentMenuStyler()->MenuBorderColor());

    // A side bar switched on for a main menu that shows in a window measures its items again.
    TRurMenuStyler styler(FForm.get());
    menu->SetMenuStyler(&styler);
    HMENU dropDown = file->Handle();
    AppendMenuW(dropDown, MF_STRING, 0x7F00, L"marker");
    styler.SideBar()->SetVisible(true);
    EXPECT_EQ(GetMenuItemCount(dropDown), 2) << "rebuilt";
    menu->SetMenuStyler(nullptr);
    FForm->SetMenu(nullptr);
}

namespace {

// Another subclasser of the MDI client: it must keep hearing what the kit does not take.
LRESULT CALLBACK CountingSubclass(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    if (msg == WM_MDIREFRESHMENU)
        ++*reinterpret_cast<int*>(data);
    return DefSubclassProc(wnd, msg, wParam, lParam);
}

std::vector<String> Captions(TMenuItem* item)
{
    std::vector<String> captions;
    for (int i = 0; i < item->Count(); ++i)
        captions.push_back(item->Items(i)->Caption());
    return captions;
}

} // namespace

TEST(MenuWindowMenu, TheMdiWindowMenuListsChildrenInCaptionOrder)
{
    auto frame = std::make_unique<TForm>(nullptr);
    frame->SetFormStyle(fsMDIForm);
    frame->SetBounds(40, 40, 600, 420);
    auto* menu = new TRurMainMenu(frame.get());
    menu->BeginUpdate();
    AddItem(menu->Items(), u"File");
    TMenuItem* window = AddItem(menu->Items(), u"Window");
    AddItem(window, u"Tile");
    menu->EndUpdate();
    frame->SetMenu(menu);
    ASSERT_TRUE(ShowActive(frame.get()));
    HWND client = frame->ClientHandle();
    int heard = 0;
    SetWindowSubclass(client, &CountingSubclass, 1, reinterpret_cast<DWORD_PTR>(&heard));
    menu->Refresh();
    ASSERT_EQ(menu->HookedMdiClient(), client);

    // Without a Window menu the frame does not qualify: the refresh goes on to the others.
    int before = heard;
    SendMessageW(client, WM_MDIREFRESHMENU, 0, 0);
    EXPECT_EQ(heard, before + 1);

    frame->SetWindowMenu(window);
    for (const char16_t* caption : {u"Zeta", u"Alpha"}) {
        auto* child = new TForm(frame.get());
        child->SetCaption(caption);
        child->SetFormStyle(fsMDIChild);
        ASSERT_TRUE(PumpUntil([&] { return frame->ActiveMDIChild() == child; }));
    }
    before = heard;
    SendMessageW(client, WM_MDIREFRESHMENU, 0, 0);
    EXPECT_EQ(heard, before) << "the menu builds the list itself";
    EXPECT_EQ(Captions(window), (std::vector<String>{u"Tile", u"-", u"1 Alpha", u"2 Zeta"}));
    TMenuItem* alpha = window->Items(2);
    EXPECT_TRUE(alpha->RadioItem());
    EXPECT_EQ(alpha->GroupIndex(), 205);
    EXPECT_TRUE(alpha->Checked()) << "the active child";
    EXPECT_FALSE(window->Items(3)->Checked());
    // Choosing an entry activates its child.
    window->Items(3)->Click();
    EXPECT_TRUE(PumpUntil([&] { return frame->ActiveMDIChild() && frame->ActiveMDIChild()->Caption() == u"Zeta"; }));

    // Freed, the menu gives the client back; the other subclasser still hears the client.
    frame->SetMenu(nullptr);
    delete menu;
    const int after = heard;
    SendMessageW(client, WM_MDIREFRESHMENU, 0, 0);
    EXPECT_EQ(heard, after + 1);
    RemoveWindowSubclass(client, &CountingSubclass, 1);
}

TEST(MenuWindowMenu, TheActiveChildsIconSitsBeforeTheFirstMenuBarItem)
{
    auto frame = std::make_unique<TForm>(nullptr);
    frame->SetFormStyle(fsMDIForm);
    frame->SetBounds(40, 40, 600, 420);
    auto* menu = new TRurMainMenu(frame.get());
    TMenuItem* file = AddItem(menu->Items(), u"File");
    TMenuItem* edit = AddItem(menu->Items(), u"Edit");
    frame->SetMenu(menu);
    TRootItem* root = menu->CurrentMenuStyler()->RootItem();
    root->SetColor(0x20A040);
    root->SetColorTo(0xE0E0E0);
    ASSERT_TRUE(ShowActive(frame.get()));
    constexpr TColor marker = 0x7F00FF;
    auto paint = [&](TMenuItem* item, const TRect& r) {
        auto bitmap = Bitmap32(100, 24, marker);
        DrawMdiChildIcon(menu, item, r, bitmap->Canvas()->Handle());
        return bitmap;
    };
    const TRect firstItem = Rect(40, 0, 90, 24);

    EXPECT_EQ(PixelOf(paint(file, firstItem).get(), 6, 10), marker) << "no MDI child yet";

    auto* child = new TForm(frame.get());
    child->SetCaption(u"Child");
    child->SetFormStyle(fsMDIChild);
    ASSERT_TRUE(PumpUntil([&] { return frame->ActiveMDIChild() == child; }));
    // A small red icon of the child's own, for a class that brings none.
    auto red = Bitmap32(16, 16, clRed);
    HBITMAP opaque = CreateBitmap(16, 16, 1, 1, nullptr);
    ICONINFO info{TRUE, 0, 0, opaque, red->Handle()};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(opaque);
    SendMessageW(child->Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));

    // Not the first item, no room left of the item, or less room than the icon: nothing.
    const struct {
        TMenuItem* item;
        TRect rect;
    } nothing[] = {{edit, firstItem}, {file, Rect(4, 0, 60, 24)}, {file, Rect(12, 0, 60, 24)}};
    for (const auto& c : nothing)
        EXPECT_EQ(PixelOf(paint(c.item, c.rect).get(), 6, 10), marker) << c.rect.Left;

    // The menu bar's colour from the left margin to the item (a gradient only from top to
    // bottom), and the icon right-aligned before the item.
    for (auto direction : {RurMenus::gdHorizontal, RurMenus::gdVertical}) {
        root->SetGradientDirection(direction);
        auto bitmap = paint(file, firstItem);
        EXPECT_EQ(PixelOf(bitmap.get(), 3, 10), marker) << "the left margin stays";
        EXPECT_EQ(PixelOf(bitmap.get(), 6, 0), TColor(0x20A040));
        const TColor bottom = PixelOf(bitmap.get(), 6, 23);
        if (direction == RurMenus::gdHorizontal)
            EXPECT_EQ(bottom, TColor(0x20A040));
        else
            EXPECT_GT(GetRValue(bottom), 0xC0) << std::hex << bottom << " near the bar's second colour";
        EXPECT_EQ(CountOf(bitmap.get(), Rect(24, 2, 40, 18), clRed), 256);
        EXPECT_EQ(PixelOf(bitmap.get(), 45, 10), marker) << "the item itself is left alone";
    }
    SendMessageW(child->Handle(), WM_SETICON, ICON_SMALL, 0);
    DestroyIcon(icon);
}
