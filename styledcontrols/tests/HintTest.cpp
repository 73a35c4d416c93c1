#include <gtest/gtest.h>

#include "GuiTestSupport.h"
#include "KitTestSupport.h"
#include "scHint.h"

namespace {

TRect WindowRect(TscHintWindow* window)
{
    RECT r;
    GetWindowRect(window->Handle(), &r);
    return FromWinRect(r);
}

} // namespace

TEST(HintTest, SeparatorBreaksLinesWithoutEmptyLinesBetween)
{
    TscHint hint(nullptr);
    hint.ActivateHint(Point(100, 100), u"one");
    ASSERT_TRUE(hint.IsVisible());
    const int oneLine = WindowRect(hint.HintWindow()).Height();
    hint.ActivateHint(Point(100, 100), u"one@@two@@three");
    EXPECT_EQ(hint.HintWindow()->Caption(), u"one\r\ntwo\r\nthree");
    const int lineHeight = oneLine - 4;
    EXPECT_EQ(WindowRect(hint.HintWindow()).Height(), 3 * lineHeight + 4);
    hint.HideHint();
    EXPECT_FALSE(hint.IsVisible());
    hint.HideHint(); // hidden already: nothing more happens
    EXPECT_FALSE(hint.IsVisible());
}

TEST(HintTest, PlacedAboveARectOrPulledBackIntoTheWorkArea)
{
    TscHint hint(nullptr);
    hint.HintWindow()->ActivateHintFromRect(Rect(100, 300, 200, 320), u"above", true);
    TRect r = WindowRect(hint.HintWindow());
    EXPECT_EQ(r.Bottom, 300);
    EXPECT_EQ(r.Left, 150 - r.Width() / 2);
    hint.HintWindow()->ActivateHintFromRect(Rect(100, 300, 200, 320), u"below", false);
    EXPECT_EQ(WindowRect(hint.HintWindow()).Top, 320);

    RECT area;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    hint.ActivateHint(Point(area.right - 5, 100), u"near the right edge");
    r = WindowRect(hint.HintWindow());
    EXPECT_EQ(r.Left, area.right - 5 - r.Width() - 2);
    hint.HideHint();
}

TEST(HintTest, FadesInByASeventhOfTheAlpha)
{
    for (const auto& [value, step] : {std::pair{200, 28}, std::pair{6, 1}}) {
        TscHint hint(nullptr);
        hint.SetAlphaBlend(true);
        hint.SetAlphaBlendAnimation(true);
        hint.SetAlphaBlendValue(Byte(value));
        hint.ActivateHint(Point(100, 100), u"fading");
        EXPECT_EQ(hint.HintWindow()->AnimationStep(), step);
        ASSERT_TRUE(PumpUntil([&] { return hint.HintWindow()->AnimationAlpha() == value; }, 2000));
        BYTE alpha = 0;
        DWORD flags = 0;
        GetLayeredWindowAttributes(hint.HintWindow()->Handle(), nullptr, &alpha, &flags);
        EXPECT_EQ(alpha, value);
        hint.HideHint();
    }
}

TEST(HintTest, DelayedHintShowsAfterThePauseAndHidesAgain)
{
    const int pause = Application->HintPause(), hidePause = Application->HintHidePause();
    Application->SetHintPause(50);
    Application->SetHintHidePause(300);
    TscHint hint(nullptr);
    hint.ActivateHint(u"later");
    EXPECT_FALSE(hint.IsVisible());
    EXPECT_TRUE(PumpUntil([&] { return hint.IsVisible(); }, 2000));
    EXPECT_TRUE(PumpUntil([&] { return !hint.IsVisible(); }, 2000));
    Application->SetHintPause(pause);
    Application->SetHintHidePause(hidePause);
}
