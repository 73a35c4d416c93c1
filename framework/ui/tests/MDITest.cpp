// MDI: the merge order of a frame's and a child's menu bars, children in the client window, the
// active child's menu merged into the frame's bar, arranging, and closing children.
#include <gtest/gtest.h>

#include <vector>

#include "Forms.h"
#include "Menus.h"
#include "WideText.h"
#include "support/GuiTestSupport.h"

namespace {

TMenuItem* AddItem(TMenu* menu, const String& caption, Byte groupIndex, std::vector<String>* log = nullptr)
{
    auto* item = new TMenuItem(menu->Owner());
    item->SetCaption(caption);
    item->SetGroupIndex(groupIndex);
    if (log)
        item->SetOnClick([log, item](TObject*) { log->push_back(item->Caption()); });
    menu->Items()->Add(item);
    return item;
}

std::vector<String> Captions(const std::vector<TMenuItem*>& items)
{
    std::vector<String> captions;
    for (TMenuItem* item : items)
        captions.push_back(item->Caption());
    return captions;
}

// What the frame's window shows on its menu bar.
std::vector<String> BarCaptions(HWND frame)
{
    std::vector<String> captions;
    HMENU bar = GetMenu(frame);
    for (int i = 0; i < GetMenuItemCount(bar); ++i) {
        MENUITEMINFOW mii{};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_DATA;
        GetMenuItemInfoW(bar, static_cast<UINT>(i), TRUE, &mii);
        if (TMenuItem* item = FindMenuItemByCommand(static_cast<UINT>(mii.dwItemData)))
            captions.push_back(item->Caption());
    }
    return captions;
}

TEST(MenuMerge, ChildItemsReplaceTheirGroupsAndTheFrameKeepsItsOrder)
{
    struct TCase {
        std::vector<std::pair<const char16_t*, Byte>> Frame, Child;
        std::vector<String> Merged;
    } cases[] = {
        {{{u"File", 0}, {u"Edit", 1}, {u"Window", 5}, {u"Help", 9}},
         {{u"Edit2", 1}, {u"Tools", 3}},
         {u"File", u"Edit2", u"Tools", u"Window", u"Help"}},
        {{{u"File", 0}, {u"Window", 5}}, {}, {u"File", u"Window"}},
        {{}, {{u"Only", 2}}, {u"Only"}},
        {{{u"A", 0}, {u"B", 0}, {u"C", 7}}, {{u"X", 3}, {u"Y", 8}}, {u"A", u"B", u"X", u"C", u"Y"}},
    };
    for (const TCase& c : cases) {
        TComponent owner(nullptr);
        auto* frame = new TMainMenu(&owner);
        auto* child = new TMainMenu(&owner);
        for (auto [caption, group] : c.Frame)
            AddItem(frame, caption, group);
        for (auto [caption, group] : c.Child)
            AddItem(child, caption, group);
        frame->Merge(child);
        EXPECT_EQ(Captions(frame->MenuBarItems()), c.Merged);
        EXPECT_EQ(GetMenuItemCount(frame->Handle()), static_cast<int>(c.Merged.size()));
        frame->Unmerge(child);
        EXPECT_EQ(GetMenuItemCount(frame->Handle()), static_cast<int>(c.Frame.size()));
    }
}

TEST(MDIForms, ChildrenLiveInTheClientAndMergeTheirMenus)
{
    std::vector<String> log;
    auto frame = std::make_unique<TForm>(nullptr);
    frame->SetFormStyle(fsMDIForm);
    frame->SetBounds(40, 40, 600, 420);
    auto* frameMenu = new TMainMenu(frame.get());
    AddItem(frameMenu, u"File", 0);
    TMenuItem* window = AddItem(frameMenu, u"Window", 5);
    window->Add(new TMenuItem(frame.get()));
    AddItem(frameMenu, u"Help", 9);
    frame->SetMenu(frameMenu);
    frame->SetWindowMenu(window);
    ASSERT_TRUE(ShowActive(frame.get()));
    HWND client = frame->ClientHandle();
    ASSERT_NE(client, nullptr);
    wchar_t className[32]{};
    GetClassNameW(client, className, 32);
    EXPECT_EQ(_wcsicmp(className, L"MDICLIENT"), 0);
    EXPECT_EQ(frame->MDIChildCount(), 0);

    auto* withMenu = new TForm(frame.get());
    withMenu->SetCaption(u"With menu");
    auto* childMenu = new TMainMenu(withMenu);
    AddItem(childMenu, u"Edit", 1);
    TMenuItem* tools = AddItem(childMenu, u"Tools", 3, &log);
    withMenu->SetMenu(childMenu);
    withMenu->SetFormStyle(fsMDIChild); // shows it in the frame
    ASSERT_TRUE(PumpUntil([&] { return frame->ActiveMDIChild() == withMenu; }));
    EXPECT_EQ(GetParent(withMenu->Handle()), client);
    EXPECT_EQ(childMenu->WindowHandle(), nullptr); // shown by the frame, not in the child
    EXPECT_EQ(BarCaptions(frame->Handle()), (std::vector<String>{u"File", u"Edit", u"Tools", u"Window", u"Help"}));

    // A command of the merged item reaches the child's item.
    SendMessageW(frame->Handle(), WM_COMMAND, tools->Command(), 0);
    EXPECT_EQ(log, std::vector<String>{u"Tools"});

    auto* plain = new TForm(frame.get());
    plain->SetCaption(u"Plain");
    plain->SetFormStyle(fsMDIChild);
    ASSERT_TRUE(PumpUntil([&] { return frame->ActiveMDIChild() == plain; }));
    EXPECT_EQ(frame->MDIChildCount(), 2);
    EXPECT_EQ(BarCaptions(frame->Handle()), (std::vector<String>{u"File", u"Window", u"Help"}));

    // Ctrl+F6 moves to the next child as the system's MDI keys do.
    BYTE keys[256], saved[256];
    GetKeyboardState(keys);
    std::copy(std::begin(keys), std::end(keys), saved);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    PostMessageW(plain->Handle(), WM_KEYDOWN, VK_F6, 1);
    bool switched = PumpUntil([&] { return frame->ActiveMDIChild() == withMenu; });
    SetKeyboardState(saved);
    ASSERT_TRUE(switched);
    frame->Next();
    ASSERT_TRUE(PumpUntil([&] { return frame->ActiveMDIChild() == plain; }));
    frame->Next();
    ASSERT_TRUE(PumpUntil([&] { return frame->ActiveMDIChild() == withMenu; }));
    EXPECT_EQ(BarCaptions(frame->Handle()), (std::vector<String>{u"File", u"Edit", u"Tools", u"Window", u"Help"}));

    // Tiled side by side, the children share the client without overlapping.
    frame->SetTileMode(tbVertical);
    frame->Tile();
    PumpFor(20);
    TRect a = withMenu->BoundsRect(), b = plain->BoundsRect();
    EXPECT_TRUE(a.Right <= b.Left || b.Right <= a.Left) << a.Left << " " << a.Right << " " << b.Left << " " << b.Right;
    EXPECT_EQ(a.Top, b.Top);

    // The client lists the children in the Window menu; rebuilding that menu keeps the list.
    const auto listedChildren = [&] {
        int listed = 0;
        HMENU menu = window->Handle();
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            wchar_t text[64]{};
            GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
            const String entry = FromWidePtr(text);
            listed += entry.find(u"Plain") != String::npos || entry.find(u"With menu") != String::npos;
        }
        return listed;
    };
    EXPECT_EQ(listedChildren(), 2);
    window->Add(new TMenuItem(frame.get()));
    EXPECT_EQ(listedChildren(), 2);

    // Closing a child minimises it; freeing it takes its menu out of the bar.
    plain->Close();
    EXPECT_TRUE(IsIconic(plain->Handle()));
    delete withMenu;
    PumpFor(20);
    EXPECT_EQ(frame->MDIChildCount(), 1);
    EXPECT_EQ(BarCaptions(frame->Handle()), (std::vector<String>{u"File", u"Window", u"Help"}));
    EXPECT_EQ(frameMenu->MergedMenu(), nullptr);
}

TEST(MDIForms, AChildNeedsAFrame)
{
    TForm child(nullptr);
    EXPECT_THROW(child.SetFormStyle(fsMDIChild), EInvalidOperation);
}

} // namespace
