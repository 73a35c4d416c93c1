// The appearance classes: defaults, copying and change notification, as tables.
#include <gtest/gtest.h>

#include <functional>

#include "RurStyleIF.h"
#include "RurToolBar_ButtonAppearance.h"

namespace {

// Counts the OnChange calls of an appearance.
template <class T>
struct TChangeCounter {
    explicit TChangeCounter(T& appearance)
    {
        appearance.SetOnChange([this, &appearance](TObject* sender) {
            EXPECT_EQ(sender, &appearance);
            ++Count;
        });
    }
    int Count = 0;
};

TEST(ButtonAppearanceTest, Defaults)
{
    TButtonAppearance a;
    struct TCase {
        const char* Name;
        TColor Value, Expected;
    };
    const TCase colours[] = {
        {"Color", a.Color(), clNone}, {"ColorTo", a.ColorTo(), clNone},
        {"ColorChecked", a.ColorChecked(), 0xD8D5D4}, {"ColorCheckedTo", a.ColorCheckedTo(), clNone},
        {"ColorDown", a.ColorDown(), 0xB59285}, {"ColorDownTo", a.ColorDownTo(), clNone},
        {"ColorHot", a.ColorHot(), 0xD2BDB6}, {"ColorHotTo", a.ColorHotTo(), clNone},
        {"CaptionTextColor", a.CaptionTextColor(), clBlack}, {"CaptionTextColorHot", a.CaptionTextColorHot(), clBlack},
        {"CaptionTextColorDown", a.CaptionTextColorDown(), clBlack},
        {"CaptionTextColorChecked", a.CaptionTextColorChecked(), clBlack},
        {"BorderColor", a.BorderColor(), clNone}, {"BorderDownColor", a.BorderDownColor(), 0x6A240A},
        {"BorderHotColor", a.BorderHotColor(), 0x6A240A}, {"BorderCheckedColor", a.BorderCheckedColor(), 0x6A240A},
    };
    for (const TCase& c : colours)
        EXPECT_EQ(c.Value, c.Expected) << c.Name;
    for (TGradientDirection d : {a.GradientDirection(), a.GradientDirectionHot(), a.GradientDirectionDown(),
                                 a.GradientDirectionChecked()})
        EXPECT_EQ(d, gdVertical);
    EXPECT_TRUE(a.SystemFont());
    EXPECT_EQ(a.CaptionFont()->Name(), IsVistaOrLater() ? u"Segoe UI" : u"Tahoma");
    EXPECT_EQ(a.CaptionFont()->Height(), IsVistaOrLater() ? -12 : -11);
}

TEST(ButtonAppearanceTest, ChangeNotification)
{
    TButtonAppearance a;
    TChangeCounter counter(a);
    struct TStep {
        const char* What;
        std::function<void()> Write;
        int Changes;
    };
    TFont font;
    const TStep steps[] = {
        {"a colour to its current value", [&] { a.SetColorHot(0xD2BDB6); }, 0},
        {"a colour to another value", [&] { a.SetColorHot(clRed); }, 1},
        {"a border colour", [&] { a.SetBorderHotColor(clBlue); }, 2},
        {"the gradient direction", [&] { a.SetGradientDirection(gdHorizontal); }, 3},
        {"the hot direction", [&] { a.SetGradientDirectionHot(gdHorizontal); }, 3},
        {"the down and checked directions", [&] { a.SetGradientDirectionDown(gdHorizontal);
                                                   a.SetGradientDirectionChecked(gdHorizontal); }, 3},
        {"the caption font, even unchanged", [&] { a.SetCaptionFont(a.CaptionFont()); }, 4},
        {"the system font flag", [&] { a.SetSystemFont(false); }, 4},
    };
    for (const TStep& s : steps) {
        s.Write();
        EXPECT_EQ(counter.Count, s.Changes) << s.What;
    }
    EXPECT_EQ(a.GradientDirectionHot(), gdHorizontal);

    // Turning the system font back on restores the interface font; turning it off keeps the font.
    font.SetName(u"Courier New");
    font.SetHeight(-20);
    a.SetCaptionFont(&font);
    a.SetSystemFont(false);
    EXPECT_EQ(a.CaptionFont()->Name(), u"Courier New");
    a.SetSystemFont(true);
    EXPECT_EQ(a.CaptionFont()->Name(), IsVistaOrLater() ? u"Segoe UI" : u"Tahoma");
}

TEST(ButtonAppearanceTest, AssignCopiesColoursOnly)
{
    TButtonAppearance source, target;
    source.SetColor(0x010101);
    source.SetColorTo(0x020202);
    source.SetColorHot(0x030303);
    source.SetColorHotTo(0x040404);
    source.SetColorDown(0x050505);
    source.SetColorDownTo(0x060606);
    source.SetColorChecked(0x070707);
    source.SetColorCheckedTo(0x080808);
    source.SetCaptionTextColor(0x090909);
    source.SetCaptionTextColorHot(0x0A0A0A);
    source.SetCaptionTextColorDown(0x0B0B0B);
    source.SetCaptionTextColorChecked(0x0C0C0C);
    source.SetBorderColor(0x0D0D0D);
    source.SetBorderHotColor(0x0E0E0E);
    source.SetBorderDownColor(0x0F0F0F);
    source.SetBorderCheckedColor(0x101010);
    source.SetGradientDirection(gdHorizontal);
    source.SetGradientDirectionHot(gdHorizontal);
    source.CaptionFont()->SetName(u"Courier New");
    TChangeCounter counter(target);
    target.Assign(&source);
    EXPECT_EQ(counter.Count, 0);
    const TColor copied[] = {target.Color(), target.ColorTo(), target.ColorHot(), target.ColorHotTo(),
                             target.ColorDown(), target.ColorDownTo(), target.ColorChecked(), target.ColorCheckedTo(),
                             target.CaptionTextColor(), target.CaptionTextColorHot(), target.CaptionTextColorDown(),
                             target.CaptionTextColorChecked(), target.BorderColor(), target.BorderHotColor(),
                             target.BorderDownColor(), target.BorderCheckedColor()};
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(copied[i], TColor(0x010101 * (i + 1))) << i;
    EXPECT_EQ(target.GradientDirection(), gdHorizontal);
    EXPECT_EQ(target.GradientDirectionHot(), gdVertical) << "the state directions stay";
    EXPECT_NE(target.CaptionFont()->Name(), u"Courier New") << "the caption font stays";

    TPersistent other;
    target.Assign(&other);
    EXPECT_EQ(target.Color(), 0x010101) << "another class leaves it unchanged";
}

} // namespace
