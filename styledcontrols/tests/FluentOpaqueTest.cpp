#include <gtest/gtest.h>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "PlatformFacts.h"
#include "scListControls.h"
#include "scMemo.h"

namespace {

bool Layered(TWinControl* control)
{
    return (GetWindowLongW(control->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
}

} // namespace

TEST(FluentOpaqueTest, LayeredFromWindows10Build17134AndTheMemoSkipsTheBuild)
{
    struct TCase {
        const char* Name;
        TWindowsVersion Version;
        bool List;
        bool Memo;
    } cases[] = {
        {"8.1", Windows81, false, false},
        {"10 build 17133", {10, 0, 17133}, false, true},
        {"10 build 17134", {10, 0, 17134}, true, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TInjectedPlatformFacts facts({.Version = c.Version});
        auto* form = new TForm(Application);
        auto* list = new TscListBox(form);
        list->SetParent(form);
        list->SetFluentUIOpaque(true);
        auto* memo = new TscMemo(form);
        memo->SetParent(form);
        memo->SetFluentUIOpaque(true);
        EXPECT_EQ(list->IsFluentUIOpaqueActive(), c.List);
        EXPECT_EQ(Layered(list), c.List);
        EXPECT_EQ(Layered(memo), c.Memo);
        delete form;
    }
}

TEST(FluentOpaqueTest, SwitchingTheOptionRemakesTheWindowOnlyWhereItCounts)
{
    TInjectedPlatformFacts facts({.Version = TWindowsVersion{10, 0, 17134}});
    auto* form = new TForm(Application);
    auto* combo = new TscComboBox(form);
    combo->SetParent(form);
    const HWND before = combo->Handle();
    combo->SetFluentUIOpaque(true);
    EXPECT_NE(combo->Handle(), before);
    EXPECT_TRUE(Layered(combo));
    {
        TInjectedPlatformFacts older({.Version = TWindowsVersion{10, 0, 17133}});
        const HWND kept = combo->Handle();
        combo->SetFluentUIOpaque(false);
        EXPECT_EQ(combo->Handle(), kept);
    }
    delete form;
}

TEST(StyledScrollBarTest, NeverATabStopAndBlocksEveryGesture)
{
    auto* form = new TForm(Application);
    auto* bar = new TscScrollBar(form);
    bar->SetParent(form);
    EXPECT_FALSE(bar->TabStop());
    EXPECT_FALSE(bar->ControlStyle().Contains(csFramed));
    EXPECT_EQ(SendMessageW(bar->Handle(), WM_GESTURENOTIFY, 0, 0), 1);
    delete form;
}
