// The ribbon form as an application shows it: a ribbon with pages and groups, the application
// icon and the quick-access toolbar in the caption band, and the key tips shown; then the ribbon
// collapsed with its page open in the pop-up below the tabs. Each is kept on screen for
// TAVIN_DEMO_HOLD_MS milliseconds when that is set (to look at it).
#include <gtest/gtest.h>

#include <cstdlib>

#include "GuiTestSupport.h"
#include "ImgList.h"
#include "RurMinimizedRibbonWindow.h"
#include "RurQuickAccessToolBar.h"
#include "RurRibbonPager.h"
#include "RurToolBarForm.h"
#include "RurToolBarStylers.h"
#include "RurToolBar_ToolBar.h"

namespace {

// The colour on screen at the control's point.
TColor ScreenPixel(TControl* control, int x, int y)
{
    const TPoint at = control->ClientToScreen(Point(x, y));
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, at.X, at.Y);
    ReleaseDC(nullptr, screen);
    return TColor(colour);
}

void Hold()
{
    if (const char* hold = std::getenv("TAVIN_DEMO_HOLD_MS"))
        PumpFor(std::atoi(hold));
}

void AddGroups(TRurPage* page)
{
    for (const char16_t* group : {u"Clipboard", u"Font", u"Paragraph"}) {
        TRurToolBar* toolBar = page->CreateRurToolBar();
        toolBar->Constraints()->SetMinWidth(0);
        toolBar->Constraints()->SetMaxWidth(0);
        toolBar->SetWidth(120);
        toolBar->SetCaption(group);
    }
    page->ArrangeToolBars();
}

struct TDemoRibbon {
    TDemoRibbon()
    {
        // The scenic look shows the application icon in the caption band.
        RurGDIP::SetScenicRibbon(true);
        Form = std::make_unique<TRurToolBarForm>(nullptr);
        Form->SetBounds(20, 20, 760, 300);
        Form->SetCaption(u"Document - Editor");
        Form->HandleNeeded();
        Icon = MakeIcon(IconColour);
        SendMessageW(Form->Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(Icon));
        Pager = new TRurToolBarPager(Form.get());
        Pager->SetParent(Form.get());
        Pager->Update();
        auto* styler = new TRurToolBarOfficeStyler(Form.get());
        styler->SetStyle(bsOffice2010Blue);
        Pager->SetToolBarStyler(styler);
        Pager->Caption()->SetCaption(u"Document - Editor");
        const char16_t* pages[][2] = {{u"Home", u"H"}, {u"Insert", u"N"}, {u"Page Layout", u"P"}, {u"View", u"W"}};
        for (auto& p : pages)
            Pager->RurPages(Pager->AddRurPage(p[0]))->SetShortCutHint(p[1]);
        Pager->SetActivePageIndex(0);
        AddGroups(Pager->ActivePage());
        Bar = new TRurQuickAccessToolBar(Form.get());
        Bar->SetHeight(22);
        Bar->SetParent(Pager);
        Bar->SetShowCustomizeOption(true);
        const char16_t* tips[] = {u"1", u"2", u"3"};
        Images = std::make_unique<TImageList>(nullptr);
        Images->SetColorDepth(cd24Bit);
        Images->SetMasked(false);
        Images->SetSize(16, 16);
        for (TColor ink : Inks) {
            TBitmap glyph;
            glyph.SetPixelFormat(pf24bit);
            glyph.SetSize(16, 16);
            glyph.Canvas()->Brush()->SetColor(clWhite);
            glyph.Canvas()->FillRect(Rect(0, 0, 16, 16));
            glyph.Canvas()->Brush()->SetColor(ink);
            glyph.Canvas()->FillRect(Rect(3, 3, 13, 13));
            Images->Add(&glyph, nullptr);
        }
        for (int i = 0; i < 3; ++i) {
            auto* button = new TRurGlowButton(Form.get());
            button->SetAutoSize(false);
            button->SetShowCaption(false);
            button->SetImages(Images.get());
            button->SetImageIndex(i);
            button->SetBounds(1000 + i, 0, 22, 22);
            button->SetShortCutHint(tips[i]);
            Bar->AddToolBarControl(button);
        }
        Bar->UpdateAppIcon();
        Pager->UpdateLayout();
    }
    ~TDemoRibbon()
    {
        RurGDIP::SetScenicRibbon(false);
        Form.reset(); // the window lets go of the icon first
        DestroyIcon(Icon);
    }
    // A 16-pixel icon: a square of the colour on a transparent ground.
    static HICON MakeIcon(COLORREF colour)
    {
        HDC screen = GetDC(nullptr);
        HBITMAP image = CreateCompatibleBitmap(screen, 16, 16);
        HBITMAP mask = CreateCompatibleBitmap(screen, 16, 16);
        HDC dc = CreateCompatibleDC(screen);
        HGDIOBJ old = SelectObject(dc, mask);
        const RECT all{0, 0, 16, 16}, square{2, 2, 14, 14};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        FillRect(dc, &square, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        SelectObject(dc, image);
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        HBRUSH brush = CreateSolidBrush(colour);
        FillRect(dc, &square, brush);
        DeleteObject(brush);
        SelectObject(dc, old);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
        ICONINFO info{TRUE, 0, 0, mask, image};
        HICON icon = CreateIconIndirect(&info);
        DeleteObject(image);
        DeleteObject(mask);
        return icon;
    }

    static constexpr TColor IconColour = 0x1C1CD0;
    static constexpr TColor Inks[] = {0x2080E0, 0x30A040, 0xC06020};
    HICON Icon = nullptr;

    std::unique_ptr<TImageList> Images;
    std::unique_ptr<TRurToolBarForm> Form;
    TRurToolBarPager* Pager = nullptr;
    TRurQuickAccessToolBar* Bar = nullptr;
};

TEST(RibbonFormDemoTest, ARibbonFormWithItsApplicationIconQuickAccessToolBarAndKeyTips)
{
    TDemoRibbon demo;
    ASSERT_TRUE(ShowActive(demo.Form.get()));
    EXPECT_TRUE(demo.Bar->App()->Visible());
    EXPECT_EQ(demo.Bar->ControlListCount(), 3);
    EXPECT_EQ(demo.Bar->HiddenControlCount(), 0);
    EXPECT_FALSE(demo.Bar->App()->Picture()->Empty()) << "the window's icon";
    // On screen: the window's icon and each button's glyph.
    PumpFor(100);
    EXPECT_EQ(ScreenPixel(demo.Bar->App(), 8, 8), TDemoRibbon::IconColour);
    for (int i = 0; i < demo.Bar->ControlListCount(); ++i)
        EXPECT_EQ(ScreenPixel(demo.Bar->ControlListItem(i), 11, 11), TDemoRibbon::Inks[i]) << i;
    demo.Pager->SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return demo.Pager->Focused(); }));
    demo.Pager->ShowTabShortCutHints();
    for (int i = 0; i < demo.Bar->ControlListCount(); ++i) {
        if (auto* button = dynamic_cast<TRurGlowButton*>(demo.Bar->ControlListItem(i))) {
            EXPECT_TRUE(button->ShortCutHintWindow() && button->ShortCutHintWindow()->Visible());
        }
    }
    Hold();
    demo.Pager->HideTabShortCutHints(true);
}

TEST(RibbonFormDemoTest, ACollapsedRibbonWithItsPageOpenInThePopup)
{
    TDemoRibbon demo;
    ASSERT_TRUE(ShowActive(demo.Form.get()));
    demo.Pager->Collaps();
    // The pop-up where the pager opens it, below the tabs; the active page itself is lent to it
    // here, with its groups, in the place of the page's copy.
    auto* window = new TMinimizedRibbonWindow(demo.Pager);
    window->SetParent(demo.Pager);
    window->SetRurToolBarPager(demo.Pager);
    window->SetColor(demo.Pager->CurrentToolBarStyler()->PagerCaption()->BorderColor());
    TRurPage* page = demo.Pager->ActivePage();
    const int width = demo.Pager->GetPageRect().Width();
    page->SetParent(window);
    page->SetBounds(0, 0, width, 92);
    page->Show();
    window->SetRurPage(page);
    window->SetWindowSize();
    const TPoint at = demo.Pager->ClientToScreen(Point(demo.Pager->GetPageRect().Left - 2, demo.Pager->GetTabsArea().Bottom));
    window->SetBounds(at.X, at.Y, window->Width(), window->Height());
    window->Show();
    EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(window->Handle()) != FALSE; }));
    EXPECT_EQ(window->Width(), width + 3);
    // The pager still lays the lent page out as its own: give it the pop-up's size again.
    PumpFor(100);
    page->SetBounds(0, 0, width, 92);
    window->SetWindowSize();
    page->ArrangeToolBars();
    Hold();
    window->SetHideOnDeActivate(false);
    page->SetParent(demo.Pager);
}

} // namespace
