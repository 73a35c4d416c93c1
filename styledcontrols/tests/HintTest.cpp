#include <gtest/gtest.h>

#include "GuiTestSupport.h"
#include "StdCtrls.h"
#include "WideText.h"
#include "KitTestSupport.h"
#include "scHint.h"

namespace {

class THintMainForm : public TForm {
    TAVIN_CLASS(THintMainForm, TForm)
public:
    using TForm::TForm;
};

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

TEST(HintTest, TitleAndImageWidenTheHint)
{
    TscHint hint(nullptr);
    hint.ActivateHint(Point(100, 100), u"text");
    const TRect plain = WindowRect(hint.HintWindow());
    TImageList images(nullptr);
    images.SetWidth(16);
    images.SetHeight(16);
    auto picture = Canvas32(16, 16, clRed);
    images.Add(picture.get(), nullptr);
    hint.ActivateHintEx(Point(100, 100), u"", u"text", 0, &images);
    // The image and 10 pixels beside it come on top of the plain size.
    EXPECT_EQ(WindowRect(hint.HintWindow()).Width(), plain.Width() + 16 + 10);
    hint.ActivateHintEx(Point(100, 100), u"a much longer title", u"text", -1, nullptr);
    const TRect titled = WindowRect(hint.HintWindow());
    EXPECT_GT(titled.Width(), plain.Width() * 2);
    EXPECT_GT(titled.Height(), 2 * (plain.Height() - 4) + 10);
    hint.HideHint();
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

TEST(HintTest, ActiveForApplicationShowsEveryControlHintInTheKitsWindow)
{
    const int pause = Application->HintPause();
    Application->SetHintPause(50);
    SetFormTexts({{u"THintMainForm", "object HintMainForm: THintMainForm\nend\n"}});
    THintMainForm* form = nullptr;
    Application->CreateForm(form);
    ASSERT_EQ(Application->MainForm(), form);
    form->SetBounds(40, 40, 200, 100);
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetBounds(10, 10, 80, 20);
    label->SetHint(u"first@@second");
    label->SetShowHint(true);
    auto* hint = new TscHint(form);
    hint->SetActiveForApplication(true);
    EXPECT_EQ(HintWindowClass, TscHintWindow::StaticClass());
    form->Show();
    auto shownText = [] {
        HWND window = FindWindowW(L"Tavin.TscHintWindow", nullptr);
        wchar_t text[64] = {};
        if (window && IsWindowVisible(window))
            GetWindowTextW(window, text, 64);
        return FromWidePtr(text);
    };
    auto hover = [&] {
        PostMessageW(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(150, 80));
        PumpFor(30);
        PostMessageW(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
    };
    hover();
    // The application's window found the form's hint and speaks its line separator.
    EXPECT_TRUE(PumpUntil([&] { return shownText() == u"first\r\nsecond"; }));

    // Once that hint is gone the window has no hint to serve and shows nothing.
    delete hint;
    hover();
    PumpFor(300);
    EXPECT_EQ(shownText(), u"");

    delete form;
    HintWindowClass = THintWindow::StaticClass();
    Application->SetHintPause(pause);
}
