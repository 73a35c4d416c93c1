// A ribbon of several pages with groups and its tab key tips shown, kept on screen for
// TAVIN_DEMO_HOLD_MS milliseconds when that is set (to look at it).
#include <gtest/gtest.h>

#include <cstdlib>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "RurRibbonPager.h"
#include "RurToolBarStylers.h"
#include "RurToolBar_ToolBar.h"

TEST(PagerDemoTest, ARibbonWithGroupsAndItsKeyTips)
{
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBounds(20, 20, 720, 260);
    form->SetCaption(u"Ribbon");
    auto* pager = new TRurToolBarPager(form.get());
    pager->SetParent(form.get());
    pager->Update();
    auto* styler = new TRurToolBarOfficeStyler(form.get());
    styler->SetStyle(bsOffice2010Blue);
    pager->SetToolBarStyler(styler);
    pager->Caption()->SetCaption(u"Document - Editor");
    const char16_t* pages[][2] = {{u"Home", u"H"},   {u"Insert", u"N"}, {u"Page Layout", u"P"},
                                  {u"View", u"W"},   {u"Design", u"JT"}, {u"Layout", u"JL"}};
    for (auto& p : pages) {
        const int index = pager->AddRurPage(p[0]);
        pager->RurPages(index)->SetShortCutHint(p[1]);
    }
    TTabGroupItem* tools = pager->TabGroups()->Add();
    tools->SetCaption(u"Table Tools");
    tools->SetTabIndexStart(4);
    tools->SetTabIndexEnd(5);
    pager->SetActivePageIndex(0);
    TRurPage* home = pager->ActivePage();
    for (const char16_t* group : {u"Clipboard", u"Font", u"Paragraph"}) {
        TRurToolBar* toolBar = home->CreateRurToolBar();
        toolBar->Constraints()->SetMinWidth(0);
        toolBar->Constraints()->SetMaxWidth(0);
        toolBar->SetWidth(120);
        toolBar->SetCaption(group);
    }
    home->ArrangeToolBars();
    ASSERT_TRUE(ShowActive(form.get()));
    pager->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return pager->Focused(); }));
    pager->ShowTabShortCutHints();
    for (int i = 0; i < pager->RurPageCount(); ++i)
        EXPECT_TRUE(pager->RurPages(i)->ShortCutHintShown());
    if (const char* hold = std::getenv("TAVIN_DEMO_HOLD_MS"))
        PumpFor(std::atoi(hold));
    pager->HideTabShortCutHints(true);
}
