// The toolbar as a user sees it: a menu bar, a toolbar in one of the kit's looks, a floating
// toolbar, and two ribbon groups (one hot, one compacted with its window dropped). With
// TAVIN_DEMO_HOLD_MS set the form stays on screen that long (for a screenshot).
#include <gtest/gtest.h>

#include <cstdlib>

#include "FakeRibbonPage.h"
#include "Forms.h"
#include "GuiTestSupport.h"
#include "RurGlowButton.h"
#include "RurToolBar_Button.h"
#include "RurToolBar_CompactWindow.h"
#include "RurToolBar_ToolBar.h"

namespace {

TRurToolBarButton* AddTextButton(TRurToolBar* toolBar, const char16_t* text)
{
    auto* button = new TRurToolBarButton(toolBar->Owner());
    button->SetCaption(text);
    button->SetShowCaption(true);
    toolBar->AddToolBarControl(button);
    return button;
}

TRurToolBar* AddGroup(TRurPage* page, const char16_t* caption, std::initializer_list<const char16_t*> buttons)
{
    auto* group = new TRurToolBar(page->Owner());
    group->SetParent(page);
    group->SetShowRightHandle(false);
    group->SetShowCaption(true);
    group->SetCaptionPosition(cpBottom);
    group->SetCaptionAlignment(taCenter);
    group->SetCaption(caption);
    group->SetPropertiesLoaded(true);
    group->SetUIStyle(tsOffice2019White);
    for (const char16_t* text : buttons) {
        auto* glow = new TRurGlowButton(page->Owner());
        glow->SetCaption(text);
        glow->SetAutoSize(true);
        glow->SetButtonSizeState(bsLabel);
        glow->SetLeft(group->Width() + 100);
        glow->SetParent(group);
    }
    return group;
}

TEST(ToolBarDemoTest, MenuBarStyledFloatingAndRibbonGroups)
{
    TForm form(nullptr);
    form.SetBounds(60, 60, 640, 330);
    form.SetCaption(u"Toolbars");
    auto* menu = new TMainMenu(&form);
    for (const char16_t* text : {u"&File", u"&Edit", u"&View", u"&Help"}) {
        auto* item = new TMenuItem(&form);
        item->SetCaption(text);
        menu->Items()->Add(item);
    }
    auto* menuBar = new TRurToolBar(&form);
    menuBar->SetParent(&form);
    menuBar->SetMenu(menu);
    menuBar->SetUIStyle(tsOffice2019White);

    auto* styled = new TRurToolBar(&form);
    styled->SetParent(&form);
    styled->SetTop(menuBar->Height() + 4);
    styled->SetUIStyle(tsOffice2010Blue);
    for (const char16_t* text : {u"Cut", u"Copy", u"Paste"})
        AddTextButton(styled, text);

    auto* floating = new TRurToolBar(&form);
    floating->SetParent(&form);
    floating->SetCaption(u"Floating");
    floating->SetUIStyle(tsOffice2007Luna);
    for (const char16_t* text : {u"Bold", u"Italic"})
        AddTextButton(floating, text);

    auto* page = new TRurPage(&form);
    page->SetBounds(0, 120, 620, 110);
    page->SetColor(TColor(0xF3F3F3));
    page->PlacesGroups = true;
    page->SetParent(&form);
    TRurToolBar* hot = AddGroup(page, u"Clipboard", {u"Paste", u"Cut", u"Copy"});
    TRurToolBar* compact = AddGroup(page, u"Font", {u"Bold", u"Italic", u"Under"});
    compact->SetCompactCaption(u"Font");
    compact->SetCompact(true);

    ASSERT_TRUE(ShowActive(&form));
    floating->MakeFloating(form.Left() + 380, form.Top() + 60, true);
    hot->Perform(CM_MOUSEENTER);
    compact->CompactButton()->InvokeClick();
    EXPECT_TRUE(PumpUntil([&] { return compact->CompactWindow()->Visible() && !hot->GlowRunning(); }, 3000));
    EXPECT_EQ(floating->ToolBarState(), tsFloating);
    EXPECT_TRUE(hot->Hot());
    if (const char* hold = std::getenv("TAVIN_DEMO_HOLD_MS"))
        PumpFor(std::atoi(hold));
    compact->HideCompactWindow();
}

} // namespace
