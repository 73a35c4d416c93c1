// Forms from form resources (layout, errors), modal results, release, right-to-left windows,
// the default exception handler and pictures in images.
#include <gtest/gtest.h>

#include "ExtCtrls.h"
#include "Forms.h"
#include "StdCtrls.h"
#include "WideText.h"
#include "support/GuiTestSupport.h"

namespace {

class TLayoutForm : public TForm {
    TAVIN_CLASS(TLayoutForm, TForm)
public:
    using TForm::TForm;
};

class TBrokenForm : public TForm {
    TAVIN_CLASS(TBrokenForm, TForm)
public:
    using TForm::TForm;
};

const char* const LayoutText = R"(object LayoutForm: TLayoutForm
  BorderStyle = bsNone
  ClientWidth = 400
  ClientHeight = 300
  object Title: TPanel
    Align = alTop
    Height = 30
  end
  object Side: TPanel
    Align = alRight
    Width = 100
  end
  object Body: TPanel
    Left = 3
    Top = 33
    Width = 294
    Height = 264
    Align = alClient
    AlignWithMargins = True
    object Corner: TButton
      Left = 200
      Top = 230
      Width = 60
      Height = 25
      Anchors = [akRight, akBottom]
    end
  end
end
)";

TRect BoundsOf(TComponent* root, const char16_t* name)
{
    return static_cast<TControl*>(root->FindComponent(name))->BoundsRect();
}

TEST(FormResources, AlignmentWithMarginsAndAnchorsLayTheFormOut)
{
    SetFormTexts({{u"TLayoutForm", LayoutText}});
    std::unique_ptr<TLayoutForm> form(CreateForm<TLayoutForm>(nullptr));
    EXPECT_EQ(form->ClientRect(), Rect(0, 0, 400, 300));
    EXPECT_EQ(BoundsOf(form.get(), u"Title"), Rect(0, 0, 400, 30));
    EXPECT_EQ(BoundsOf(form.get(), u"Side"), Rect(300, 30, 400, 300));
    EXPECT_EQ(BoundsOf(form.get(), u"Body"), Rect(3, 33, 297, 297));
    EXPECT_EQ(BoundsOf(form.get(), u"Corner"), Bounds(200, 230, 60, 25));

    form->Show();
    form->SetClientWidth(500);
    form->SetClientHeight(350);
    PumpFor(20);
    EXPECT_EQ(BoundsOf(form.get(), u"Side"), Rect(400, 30, 500, 350));
    EXPECT_EQ(BoundsOf(form.get(), u"Body"), Rect(3, 33, 397, 347));
    EXPECT_EQ(BoundsOf(form.get(), u"Corner"), Bounds(300, 280, 60, 25)); // kept its distance to the corner
}

TEST(FormResources, UnknownClassesAndPropertiesAreNamedInTheError)
{
    struct TCase {
        const char* Text;
        const char16_t* Named;
    } cases[] = {
        {"object F: TBrokenForm\n object X: TNoSuchControl\n end\nend\n", u"TNoSuchControl"},
        {"object F: TBrokenForm\n Colour = 5\nend\n", u"Colour"},
    };
    for (const TCase& c : cases) {
        SetFormTexts({{u"TBrokenForm", c.Text}});
        try {
            delete CreateForm<TBrokenForm>(nullptr);
            ADD_FAILURE() << c.Text;
        } catch (const EReadError& e) {
            EXPECT_NE(e.Message().find(c.Named), String::npos) << e.what();
        }
    }
    SetFormTexts({});
    EXPECT_THROW(delete CreateForm<TBrokenForm>(nullptr), EResNotFound);
}

TEST(Forms, ShowModalEndsWithTheButtonsModalResultAndEnablesTheOtherFormsAgain)
{
    TForm main(nullptr);
    main.Show();
    TForm dialog(nullptr);
    dialog.SetBounds(80, 80, 200, 100);
    auto* ok = new TButton(&dialog);
    ok->SetParent(&dialog);
    ok->SetModalResult(mrOk);
    bool mainDisabledMeanwhile = false;
    ok->SetOnClick([&](TObject*) { mainDisabledMeanwhile = !IsWindowEnabled(main.Handle()); });
    PostMessageW(ok->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageW(ok->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_TRUE(mainDisabledMeanwhile);
    EXPECT_TRUE(IsWindowEnabled(main.Handle()));
    EXPECT_FALSE(dialog.Visible());
}

TEST(Forms, ReleaseFreesTheFormOnceTheLoopRuns)
{
    auto* form = new TForm(Application);
    bool destroyed = false;
    form->SetOnDestroy([&](TObject*) { destroyed = true; });
    form->Show();
    form->Release();
    EXPECT_FALSE(destroyed);
    EXPECT_TRUE(PumpUntil([&] { return destroyed; }));
}

TEST(Forms, TheDefaultHandlerShowsAnExceptionFromAClickAndKeepsRunning)
{
    TForm form(nullptr);
    form.SetBounds(60, 60, 200, 120);
    auto* button = new TButton(&form);
    button->SetParent(&form);
    int throws = 0;
    button->SetOnClick([&](TObject*) {
        ++throws;
        throw Exception(u"Library not found: ckd32.dll");
    });
    ASSERT_TRUE(ShowActive(&form));
    TMessageBoxAnswerer boxes;
    ClickAt(button);
    ASSERT_TRUE(PumpUntil([&] { return boxes.Count() == 1; }));
    EXPECT_EQ(boxes.LastText(), u"Library not found: ckd32.dll.");
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_TRUE(IsWindowEnabled(form.Handle()));

    button->SetOnClick([&](TObject*) {
        ++throws;
        throw EAbort(u"silent");
    });
    ClickAt(button);
    PumpFor(300);
    EXPECT_EQ(throws, 2);
    EXPECT_EQ(boxes.Count(), 1);
}

TEST(RightToLeft, WindowsGetTheReadingOrderAlignmentAndScrollBarFlagsOfTheirMode)
{
    TForm form(nullptr);
    form.SetBiDiMode(bdRightToLeft);
    form.SetBounds(0, 0, 300, 200);
    auto* rtl = new TEdit(&form);
    rtl->SetParent(&form);
    auto* ltr = new TEdit(&form);
    ltr->SetParent(&form);
    ltr->SetBiDiMode(bdLeftToRight);
    auto* side = new TPanel(&form);
    side->SetParent(&form);
    side->SetAlign(alRight);
    side->SetWidth(50);
    form.HandleNeeded();

    LONG rtlEx = GetWindowLongW(rtl->Handle(), GWL_EXSTYLE);
    EXPECT_EQ(rtl->BiDiMode(), bdRightToLeft);
    EXPECT_TRUE(rtlEx & WS_EX_RTLREADING);
    EXPECT_TRUE(rtlEx & WS_EX_LEFTSCROLLBAR);
    EXPECT_TRUE(GetWindowLongW(rtl->Handle(), GWL_STYLE) & ES_RIGHT);
    EXPECT_FALSE(GetWindowLongW(ltr->Handle(), GWL_EXSTYLE) & (WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR));
    EXPECT_FALSE(GetWindowLongW(ltr->Handle(), GWL_STYLE) & ES_RIGHT);
    EXPECT_EQ(side->Left(), form.ClientWidth() - 50); // alRight keeps its meaning
}

TEST(RightToLeft, AnAutoSizedLabelKeepsItsRightEdge)
{
    TForm form(nullptr);
    form.SetBiDiMode(bdRightToLeft);
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    label->SetBounds(100, 10, 50, 17);
    label->SetCaption(u"\u0646\u0627\u0645 \u0639\u0645\u0648\u0645\u06CC \u0628\u0627\u06CC\u062F");
    EXPECT_EQ(label->Left() + label->Width(), 150);
    EXPECT_GT(label->Width(), 20);
}

TEST(Images, APictureIsDrawnCentredInTheImage)
{
    TForm form(nullptr);
    form.SetBorderStyle(bsNone);
    form.SetBounds(0, 0, 100, 100);
    form.SetColor(clWhite);
    auto* image = new TImage(&form);
    image->SetParent(&form);
    image->SetBounds(0, 0, 60, 60);
    image->SetCenter(true);
    TBitmap red;
    red.SetSize(10, 10);
    red.Canvas()->Brush()->SetColor(clRed);
    red.Canvas()->FillRect(Rect(0, 0, 10, 10));
    image->Picture()->SetGraphic(&red);
    form.HandleNeeded();

    TOffscreenImage shot(&form);
    EXPECT_EQ(shot.Pixel(30, 30), RGB(255, 0, 0));
    EXPECT_EQ(shot.Pixel(26, 26), RGB(255, 0, 0));
    EXPECT_EQ(shot.Pixel(24, 24), RGB(255, 255, 255));
    EXPECT_EQ(shot.Pixel(80, 80), RGB(255, 255, 255));
}

} // namespace

namespace {

TEST(Hints, TheHintOfAControlUnderTheRestingMouseShowsAfterThePause)
{
    TForm form(nullptr);
    form.SetBounds(40, 40, 200, 100);
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    label->SetBounds(10, 10, 80, 20);
    label->SetCaption(u"hover");
    label->SetHint(u"\u0631\u0627\u0647\u0646\u0645\u0627");
    label->SetShowHint(true);
    form.Show();
    Application->SetHintPause(50);
    PostMessageW(form.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
    auto hintText = [] {
        HWND hint = FindWindowW(L"Tavin.THintWindow", nullptr);
        if (!hint || !IsWindowVisible(hint))
            return String();
        wchar_t text[64] = {};
        GetWindowTextW(hint, text, 64);
        return FromWidePtr(text);
    };
    EXPECT_TRUE(PumpUntil([&] { return hintText() == u"\u0631\u0627\u0647\u0646\u0645\u0627"; }));
    PostMessageW(form.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(150, 80));
    EXPECT_TRUE(PumpUntil([&] { return hintText().empty(); }));
}

} // namespace

namespace {

class TScaledForm : public TForm {
    TAVIN_CLASS(TScaledForm, TForm)
public:
    using TForm::TForm;
};

TEST(Scaling, AFormDesignedAtAnotherResolutionScalesToTheMonitors)
{
    SetFormTexts({{u"TScaledForm", "object F: TScaledForm\n BorderStyle = bsNone\n ClientWidth = 400\n"
                                   " ClientHeight = 200\n PixelsPerInch = 192\n"
                                   " object P: TPanel\n  Left = 20\n  Top = 40\n  Width = 200\n  Height = 100\n"
                                   "  AlignWithMargins = True\n  Font.Height = -24\n  ParentFont = False\n end\nend\n"}});
    std::unique_ptr<TScaledForm> form(CreateForm<TScaledForm>(nullptr));
    int ppi = Screen->PixelsPerInch();
    auto* panel = static_cast<TPanel*>(form->FindComponent(u"P"));
    EXPECT_EQ(form->PixelsPerInch(), ppi);
    EXPECT_EQ(form->ClientWidth(), MulDiv(400, ppi, 192));
    EXPECT_EQ(panel->BoundsRect(), Rect(MulDiv(20, ppi, 192), MulDiv(40, ppi, 192), MulDiv(220, ppi, 192), MulDiv(140, ppi, 192)));
    EXPECT_EQ(panel->Font()->Height(), MulDiv(-24, ppi, 192));
    EXPECT_EQ(panel->Margins()->Left(), MulDiv(3, ppi, 192));
}

} // namespace

namespace {

// A mouse message the system made up from a touch or a pen carries its source in the message's
// extra information; the shift state shows it.
TEST(Mouse, TouchAndPenPressesShowTheirSourceInTheShiftState)
{
    const struct {
        ULONG_PTR ExtraInfo;
        TShiftState Expected;
    } cases[] = {
        {0, {}},
        {0xFF515700, {ssPen}},
        {0xFF51577F, {ssPen}},
        {0xFF515780, {ssTouch}},
        {0xFF5157FF, {ssTouch}},
        {0xFF525780, {}}, // another signature
        {0x00000080, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShiftStateOfInputSource(static_cast<LPARAM>(c.ExtraInfo)), c.Expected) << std::hex << c.ExtraInfo;

    // A real press sent with the touch signature reaches OnMouseDown as one.
    TForm form(nullptr);
    form.SetBounds(60, 60, 200, 120);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetBounds(20, 20, 100, 50);
    std::vector<TShiftState> presses;
    panel->SetOnMouseDown([&](TObject*, TMouseButton, TShiftState shift, int, int) { presses.push_back(shift); });
    ASSERT_TRUE(ShowActive(&form));
    POINT p{40, 30};
    ClientToScreen(panel->Handle(), &p);
    SetCursorPos(p.x, p.y);
    auto press = [](ULONG_PTR extraInfo) {
        INPUT inputs[2]{};
        inputs[0].type = inputs[1].type = INPUT_MOUSE;
        inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        inputs[0].mi.dwExtraInfo = inputs[1].mi.dwExtraInfo = extraInfo;
        SendInput(2, inputs, sizeof(INPUT));
    };
    press(0xFF515780);
    ASSERT_TRUE(PumpUntil([&] { return presses.size() == 1; }));
    EXPECT_TRUE(presses[0].Contains(ssTouch));
    EXPECT_TRUE(presses[0].Contains(ssLeft));
    press(0);
    ASSERT_TRUE(PumpUntil([&] { return presses.size() == 2; }));
    EXPECT_FALSE(presses[1].Contains(ssTouch));
    EXPECT_FALSE(presses[1].Contains(ssPen));
}

} // namespace
