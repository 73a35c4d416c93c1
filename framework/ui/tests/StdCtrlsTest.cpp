// Standard controls: what they keep across their window's life and what they report.
#include <algorithm>
#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "ExtCtrls.h"
#include "Forms.h"
#include "Mask.h"
#include "StdCtrls.h"
#include "support/GuiTestSupport.h"

namespace {

class StandardControls : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form.SetBounds(30, 30, 300, 200);
        Form.HandleNeeded();
    }
    template <class T>
    T* Add()
    {
        auto* c = new T(&Form);
        c->SetParent(&Form);
        return c;
    }
    TForm Form{nullptr};
};

TEST_F(StandardControls, ComboItemsWithObjectsAndTheSelectionSurviveANewWindow)
{
    auto* combo = Add<TComboBox>();
    TObject first, second;
    combo->Items()->AddObject(u"\u0627\u0644\u0641", &first);
    combo->Items()->AddObject(u"b", &second);
    combo->SetItemIndex(1);
    int selects = 0, changes = 0;
    combo->SetOnSelect([&](TObject*) { ++selects; });
    combo->SetOnChange([&](TObject*) { ++changes; });

    combo->SetStyle(csDropDownList); // a new window
    EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(combo->Items()->Objects(1), &second);
    EXPECT_EQ(combo->Text(), u"b");

    SendMessageW(combo->Handle(), CB_SETCURSEL, 0, 0);
    SendMessageW(Form.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo->Handle()), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo->Handle()));
    EXPECT_EQ(selects, 1);
    EXPECT_EQ(changes, 1);
    combo->Items()->Delete(0);
    EXPECT_EQ(SendMessageW(combo->Handle(), CB_GETCOUNT, 0, 0), 1);
}

TEST_F(StandardControls, MaskedEditsTypeThroughTheirMask)
{
    auto* edit = Add<TMaskEdit>();
    edit->SetText(u"4155551212");
    std::vector<Char> pressed;
    edit->SetOnKeyPress([&](TObject*, Char& key) { pressed.push_back(key); });
    edit->SetEditMask(u"!\\(999\\)000-0000;0;_"); // the value stays, shown through the mask
    EXPECT_EQ(edit->EditText(), u"(415)555-1212");
    EXPECT_EQ(edit->MaxLength(), 13);
    const auto type = [&](const String& keys) {
        for (Char c : keys)
            SendMessageW(edit->Handle(), WM_CHAR, c, 1);
    };
    const auto caret = [&](int start, int length = 0) {
        SendMessageW(edit->Handle(), EM_SETSEL, static_cast<WPARAM>(start), start + length);
    };
    struct {
        int Start, Length;
        std::function<void()> Act;
        const char16_t* Shown;
    } cases[] = {
        {0, 13, [&] { SendMessageW(edit->Handle(), WM_CLEAR, 0, 0); }, u"(___)___-____"},
        {0, 0, [&] { type(u"41x5"); }, u"(415)___-____"}, // the literal is stepped over, "x" refused
        {5, 0, [&] { type(u"\b"); }, u"(41_)___-____"},   // Backspace goes back over the literal
        {1, 0, [&] { SendMessageW(edit->Handle(), WM_KEYDOWN, VK_DELETE, 1); }, u"(_1_)___-____"},
        {9, 0, [&] { type(u"99999"); }, u"(_1_)___-9999"}, // the fifth has no place left
    };
    for (const auto& c : cases) {
        caret(c.Start, c.Length);
        c.Act();
        EXPECT_EQ(edit->EditText(), c.Shown);
    }
    EXPECT_EQ(edit->Text(), u"19999");
    EXPECT_EQ(pressed.size(), 10u); // OnKeyPress saw every key first

    edit->SetReadOnly(true);
    caret(0);
    type(u"7");
    EXPECT_EQ(edit->Text(), u"19999");
    edit->SetReadOnly(false);
    edit->SetEditMask(String()); // a plain edit again, with the value
    EXPECT_EQ(edit->EditText(), u"19999");
}

TEST_F(StandardControls, EditsReportChangesAndKeepTheirLimits)
{
    auto* edit = Add<TEdit>();
    int changes = 0;
    edit->SetOnChange([&](TObject*) { ++changes; });
    edit->SetMaxLength(3);
    edit->SetText(u"ab");
    EXPECT_EQ(changes, 1);
    SendMessageW(edit->Handle(), EM_SETSEL, 2, 2);
    for (wchar_t c : {L'c', L'd', L'e'})
        SendMessageW(edit->Handle(), WM_CHAR, c, 1);
    EXPECT_EQ(edit->Text(), u"abc");
    edit->SetReadOnly(true);
    EXPECT_TRUE(GetWindowLongW(edit->Handle(), GWL_STYLE) & ES_READONLY);
    edit->Clear();
    EXPECT_EQ(edit->Text(), u"");
}

TEST_F(StandardControls, MemoLinesAreTheWindowsTextLineByLine)
{
    auto* memo = Add<TMemo>();
    memo->Lines()->Add(u"one");
    memo->Lines()->Add(u"");
    memo->Lines()->Add(u"three");
    EXPECT_EQ(memo->Text(), u"one\r\n\r\nthree");
    memo->Lines()->Delete(0);
    EXPECT_EQ(memo->Lines()->Count(), 2);
    EXPECT_EQ(memo->Lines()->Strings(1), u"three");
}

TEST_F(StandardControls, ButtonsClickedByTheSystemUpdateTheirState)
{
    auto* check = Add<TCheckBox>();
    auto* radio1 = Add<TRadioButton>();
    auto* radio2 = Add<TRadioButton>();
    int clicks = 0;
    check->SetOnClick([&](TObject*) { ++clicks; });
    SendMessageW(check->Handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(check->Checked());
    EXPECT_EQ(SendMessageW(check->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(clicks, 1);

    radio1->SetChecked(true);
    SendMessageW(radio2->Handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(radio2->Checked());
    EXPECT_FALSE(radio1->Checked());
}

TEST_F(StandardControls, ScrollBarPositionsStayInRange)
{
    auto* bar = Add<TScrollBar>();
    int changes = 0;
    bar->SetOnChange([&](TObject*) { ++changes; });
    bar->SetParams(150, 0, 100);
    EXPECT_EQ(bar->Position(), 100);
    EXPECT_EQ(GetScrollPos(bar->Handle(), SB_CTL), 100);
    EXPECT_EQ(changes, 1);
    EXPECT_THROW(bar->SetParams(0, 10, 5), EInvalidOperation);
}

TEST_F(StandardControls, PanelsAndLabelsPaintTheirColours)
{
    Form.SetBorderStyle(bsNone);
    Form.SetColor(clWhite);
    auto* panel = Add<TPanel>();
    panel->SetBounds(0, 0, 100, 50);
    panel->SetBevelOuter(bvNone);
    panel->SetColor(clRed);
    auto* label = new TLabel(&Form);
    label->SetParent(panel);
    label->SetAutoSize(false);
    label->SetBounds(10, 10, 20, 20);
    label->SetColor(clBlue);

    TOffscreenImage shot(panel);
    EXPECT_EQ(shot.Pixel(50, 40), RGB(255, 0, 0));
    EXPECT_EQ(shot.Pixel(12, 12), RGB(0, 0, 255));
    label->SetTransparent(true);
    TOffscreenImage transparent(panel);
    EXPECT_EQ(transparent.Pixel(12, 12), RGB(255, 0, 0));
}

TEST_F(StandardControls, RightToLeftLabelKeepsItsRightEdgeAndItsTextReachesIt)
{
    // Joined Persian letters are narrower than the letters measured one by one; the label must size
    // and align by what is drawn, so its text ends at the designed right edge.
    Form.SetBorderStyle(bsNone);
    Form.SetColor(clWhite);
    auto* panel = Add<TPanel>();
    panel->SetBounds(0, 0, 300, 40);
    panel->SetBevelOuter(bvNone);
    panel->SetColor(clWhite);
    auto* label = new TLabel(&Form);
    label->SetParent(panel);
    label->SetBiDiMode(bdRightToLeft);
    label->Font()->SetColor(clBlack);
    label->SetBounds(20, 10, 260, 17);
    label->SetCaption(u"\u0639\u0646\u0648\u0627\u0646 \u0634\u0631\u06A9\u062A: (\u0645\u0637\u0627\u0628\u0642 \u0628\u0627 \u0622\u06AF\u0647\u06CC)");
    EXPECT_EQ(label->Left() + label->Width(), 280);

    TOffscreenImage shot(panel);
    int leftmost = 300, rightmost = -1;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 300; ++x)
            if (GetRValue(shot.Pixel(x, y)) < 128) {
                leftmost = std::min(leftmost, x);
                rightmost = std::max(rightmost, x);
            }
    EXPECT_GE(rightmost, 275);
    EXPECT_LE(rightmost, 280);
    EXPECT_GE(leftmost, label->Left());
}

TEST_F(StandardControls, AutoSizedLabelsMeasureInTheirOwnFonts)
{
    // Labels sized one after another, each in a font of its own: every one takes the extent of its
    // text in its font, as the screen measures it, whatever the label before it used.
    struct TCase {
        int Height;
        TFontStyles Style;
    } const cases[] = {{-12, {}}, {-24, {fsBold}}, {-12, {fsBold}}, {-9, {}}, {-24, {}}};
    const HDC screen = GetDC(nullptr);
    for (const TCase& c : cases) {
        auto* label = Add<TLabel>();
        label->Font()->SetName(u"Tahoma");
        label->Font()->SetHeight(c.Height);
        label->Font()->SetStyle(c.Style);
        label->SetCaption(u"Measured text");
        const HGDIOBJ old = SelectObject(screen, label->Font()->Handle());
        RECT extent{};
        String text = label->Caption();
        DrawShapedText(screen, text, extent, DT_EXPANDTABS | DT_CALCRECT);
        SelectObject(screen, old);
        EXPECT_EQ(label->Width(), extent.right) << c.Height;
        EXPECT_EQ(label->Height(), extent.bottom) << c.Height;
    }
    ReleaseDC(nullptr, screen);
}

// A press and release over a windowless control reach that control, on a form and on a panel.
TEST_F(StandardControls, LabelsAndImagesTakeClicksOfTheirParentsWindow)
{
    auto* panel = Add<TPanel>();
    panel->SetBounds(150, 0, 100, 100);
    auto* onForm = Add<TLabel>();
    onForm->SetBounds(10, 10, 60, 20);
    auto* image = new TImage(&Form);
    image->SetParent(panel);
    image->SetBounds(10, 10, 40, 40);
    Form.Show();
    int clicks = 0;
    onForm->SetOnClick([&](TObject*) { clicks += 1; });
    image->SetOnClick([&](TObject*) { clicks += 10; });
    ClickAt(onForm);
    ClickAt(image);
    EXPECT_EQ(clicks, 11);
    Form.Hide();
}

} // namespace

// A child asking for its window first makes its parent's, which makes the children's: the child
// must not make a second window of its own (the first, left behind, kept asking to be painted).
TEST(WindowCreation, AChildWhoseParentHasNoWindowYetGetsExactlyOneWindow)
{
    TForm form(nullptr);
    form.SetBounds(30, 30, 300, 200);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    auto* edit = new TEdit(&form);
    edit->SetParent(panel);
    edit->HandleNeeded();

    std::vector<HWND> windows;
    EnumChildWindows(
        form.Handle(),
        [](HWND wnd, LPARAM data) {
            reinterpret_cast<std::vector<HWND>*>(data)->push_back(wnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    ASSERT_EQ(windows.size(), 2u);
    EXPECT_NE(std::find(windows.begin(), windows.end(), panel->Handle()), windows.end());
    EXPECT_NE(std::find(windows.begin(), windows.end(), edit->Handle()), windows.end());
    EXPECT_EQ(GetParent(edit->Handle()), panel->Handle());
}
