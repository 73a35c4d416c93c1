// Custom styles on live windows: switching globally and per control, hooks made and freed with
// the style, the style-changed notification reaching every control, and a hook that fails.
#include <gtest/gtest.h>

#include "Forms.h"
#include "OffscreenSurface.h"
#include "TestStyle.h"
#include "support/GuiTestSupport.h"

namespace {

int GHooksMade = 0;
int GHooksFreed = 0;

// A windowed control that counts the style-changed notifications it gets.
class TCountingControl : public TCustomControl {
    TAVIN_CLASS(TCountingControl, TCustomControl)
public:
    using TCustomControl::TCustomControl;
    int StyleChanges = 0;

protected:
    void WndProc(TMessage& message) override
    {
        if (message.Msg == CM_STYLECHANGED)
            ++StyleChanges;
        TCustomControl::WndProc(message);
    }
};

class TCountingGraphic : public TGraphicControl {
    TAVIN_CLASS(TCountingGraphic, TGraphicControl)
public:
    using TGraphicControl::TGraphicControl;
    int StyleChanges = 0;
    void WndProc(TMessage& message) override
    {
        if (message.Msg == CM_STYLECHANGED)
            ++StyleChanges;
        TGraphicControl::WndProc(message);
    }
};

LRESULT CALLBACK HookedProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Subclasses the control's window while it lives, as hooks that take over child windows do.
class TSubclassingHook : public TStyleHook {
    TAVIN_CLASS(TSubclassingHook, TStyleHook)
public:
    explicit TSubclassingHook(TWinControl* control) : TStyleHook(control)
    {
        ++GHooksMade;
        FOldProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
            control->Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HookedProc)));
        SetPropW(control->Handle(), L"TestOldProc", reinterpret_cast<HANDLE>(FOldProc));
    }
    ~TSubclassingHook() override
    {
        ++GHooksFreed;
        SetWindowLongPtrW(FControl->Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FOldProc));
        RemovePropW(FControl->Handle(), L"TestOldProc");
    }

private:
    WNDPROC FOldProc;
};

LRESULT CALLBACK HookedProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto old = reinterpret_cast<WNDPROC>(GetPropW(wnd, L"TestOldProc"));
    return CallWindowProcW(old, wnd, msg, wParam, lParam);
}

class TFailingHook : public TStyleHook {
    TAVIN_CLASS(TFailingHook, TStyleHook)
public:
    explicit TFailingHook(TWinControl* control) : TStyleHook(control)
    {
        throw Exception(u"the hook cannot be made");
    }
};

// Takes every message it is offered.
class TTakingHook : public TStyleHook {
    TAVIN_CLASS(TTakingHook, TStyleHook)
public:
    using TStyleHook::TStyleHook;

protected:
    void WndProc(TMessage&) override { FHandled = true; }
};

// Paints the background and the frame itself and answers colours, through the hook base.
class TPaintingHook : public TMouseTrackControlStyleHook {
    TAVIN_CLASS(TPaintingHook, TMouseTrackControlStyleHook)
public:
    explicit TPaintingHook(TWinControl* control) : TMouseTrackControlStyleHook(control)
    {
        FOverrideEraseBkgnd = true;
        FOverridePaintNC = true;
        FBrush->SetColor(clRed);
        FFontColor = clBlue;
    }
    static inline int NCPaints = 0, Enters = 0, Leaves = 0;

protected:
    void PaintBackground(TCanvas* canvas) override
    {
        StyleServices()->DrawElement(canvas->Handle(), StyleServices()->GetElementDetails(tbPushButtonHot),
                                     TRect{0, 0, 10, 10});
    }
    void PaintNC(TCanvas* canvas) override { NCPaints += canvas->Handle() != nullptr; }
    void MouseEnter() override { ++Enters; }
    void MouseLeave() override { ++Leaves; }
};

// A framework window with a client edge and both scroll bars.
class TBorderedControl : public TCustomControl {
    TAVIN_CLASS(TBorderedControl, TCustomControl)
public:
    using TCustomControl::TCustomControl;

protected:
    void CreateParams(TCreateParams& params) override
    {
        TCustomControl::CreateParams(params);
        params.Style |= WS_VSCROLL | WS_HSCROLL;
        params.ExStyle |= WS_EX_CLIENTEDGE;
    }
};

class StyleManager : public testing::Test {
protected:
    void SetUp() override
    {
        GHooksMade = GHooksFreed = 0;
        TStyleManager::RegisterStyle(std::make_unique<TTestStyleServices>(u"Test A", 0));
        TStyleManager::RegisterStyle(std::make_unique<TTestStyleServices>(u"Test B", 1));
        TCustomStyleEngine::RegisterStyleHook(TCountingControl::StaticClass(), StyleHookClassOf<TSubclassingHook>());
        Form = new TForm(Application);
        Form->SetBounds(40, 40, 300, 200);
        for (int i = 0; i < 2; ++i) {
            Windowed[i] = new TCountingControl(Form);
            Windowed[i]->SetParent(Form);
            Windowed[i]->SetBounds(10 + 110 * i, 10, 100, 60);
        }
        Graphic = new TCountingGraphic(Form);
        Graphic->SetParent(Windowed[0]);
        Form->Show();
        ASSERT_TRUE(Windowed[0]->HandleAllocated());
        for (TCountingControl* c : Windowed)
            OriginalProc.push_back(GetWindowLongPtrW(c->Handle(), GWLP_WNDPROC));
    }
    void TearDown() override
    {
        delete Form;
        TStyleManager::SetStyle(u"Windows");
        TCustomStyleEngine::UnRegisterStyleHook(TCountingControl::StaticClass(), StyleHookClassOf<TSubclassingHook>());
        TCustomStyleEngine::UnRegisterStyleHook(TCountingControl::StaticClass(), StyleHookClassOf<TFailingHook>());
        TCustomStyleEngine::UnRegisterStyleHook(TCountingControl::StaticClass(), StyleHookClassOf<TPaintingHook>());
        TStyleManager::UnRegisterStyle(u"Test A");
        TStyleManager::UnRegisterStyle(u"Test B");
    }

    TForm* Form = nullptr;
    TCountingControl* Windowed[2] = {};
    TCountingGraphic* Graphic = nullptr;
    std::vector<LONG_PTR> OriginalProc;
};

TEST_F(StyleManager, KnowsItsStylesByNameAndRefusesUnknownOnes)
{
    EXPECT_EQ(TStyleManager::StyleNames(), (std::vector<String>{u"Windows", u"Test A", u"Test B"}));
    EXPECT_EQ(TStyleManager::Style(u"test a")->Name(), u"Test A");
    EXPECT_EQ(TStyleManager::Style(u"windows"), TStyleManager::SystemStyle());
    EXPECT_EQ(TStyleManager::Style(u"Nothing"), nullptr);
    EXPECT_THROW(TStyleManager::RegisterStyle(std::make_unique<TTestStyleServices>(u"TEST A")), EStyleEngineException);

    TStyleManager::SetStyle(u"Test A");
    EXPECT_THROW(TStyleManager::SetStyle(u"Nothing"), EStyleEngineException);
    EXPECT_FALSE(TStyleManager::TrySetStyle(u"Nothing"));
    EXPECT_EQ(TStyleManager::ActiveStyle()->Name(), u"Test A") << "a failed switch keeps the active style";
    EXPECT_TRUE(TStyleManager::IsCustomStyleActive());

    // Freeing the active style leaves the system style active, and no hook behind.
    TStyleManager::UnRegisterStyle(u"Test A");
    EXPECT_FALSE(TStyleManager::IsCustomStyleActive());
    EXPECT_EQ(Windowed[0]->StyleHook(), nullptr);
    EXPECT_EQ(GHooksFreed, GHooksMade);
}

TEST_F(StyleManager, SwitchingAttachesAndDetachesHooksOnLiveWindows)
{
    for (TCountingControl* c : Windowed)
        EXPECT_EQ(c->StyleHook(), nullptr);

    TStyleManager::SetStyle(u"Test A");
    EXPECT_EQ(GHooksMade, 2);
    for (TCountingControl* c : Windowed) {
        ASSERT_NE(c->StyleHook(), nullptr);
        EXPECT_TRUE(c->StyleHook()->InheritsFrom(TSubclassingHook::StaticClass()));
        EXPECT_TRUE(c->IsCustomStyleActive());
        EXPECT_EQ(StyleServices(c)->Name(), u"Test A");
    }
    EXPECT_TRUE(IsWindow(Windowed[0]->Handle())) << "the window lives on";

    TStyleManager::SetStyle(u"Test B"); // a style for another: the hooks are made anew
    EXPECT_EQ(GHooksMade, 4);
    EXPECT_EQ(GHooksFreed, 2);

    TStyleManager::SetStyle(u"Windows");
    EXPECT_EQ(GHooksFreed, 4);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(Windowed[i]->StyleHook(), nullptr);
        EXPECT_EQ(GetWindowLongPtrW(Windowed[i]->Handle(), GWLP_WNDPROC), OriginalProc[i]) << "subclass undone";
    }
}

TEST_F(StyleManager, StyleChangedReachesEveryControl)
{
    auto* unshown = new TForm(Application); // no window yet
    auto* inside = new TCountingControl(unshown);
    inside->SetParent(unshown);

    TStyleManager::SetStyle(u"Test A");
    EXPECT_EQ(Windowed[0]->StyleChanges, 1);
    EXPECT_EQ(Windowed[1]->StyleChanges, 1);
    EXPECT_EQ(Graphic->StyleChanges, 1);
    EXPECT_EQ(inside->StyleChanges, 1);
    EXPECT_FALSE(inside->HandleAllocated());

    unshown->Show(); // the window made later gets the hook of the style active then
    EXPECT_NE(inside->StyleHook(), nullptr);
    delete unshown;
}

TEST_F(StyleManager, AControlsOwnStyleAppliesToItAndItsChildren)
{
    Windowed[0]->SetStyleName(u"Test B");
    EXPECT_EQ(Windowed[0]->StyleChanges, 1);
    EXPECT_EQ(Graphic->StyleChanges, 1);
    EXPECT_EQ(Windowed[1]->StyleChanges, 0);
    EXPECT_NE(Windowed[0]->StyleHook(), nullptr);
    EXPECT_EQ(Windowed[1]->StyleHook(), nullptr);
    EXPECT_EQ(StyleServices(Graphic)->Name(), u"Test B");
    EXPECT_TRUE(StyleServices(Windowed[1])->IsSystemStyle());

    TStyleManager::SetStyle(u"Test A");
    EXPECT_EQ(StyleServices(Windowed[0])->Name(), u"Test B") << "the control's own style wins";
    EXPECT_EQ(StyleServices(Windowed[1])->Name(), u"Test A");

    Windowed[0]->SetStyleName(u"No such style");
    EXPECT_EQ(StyleServices(Windowed[0])->Name(), u"Test A");

    Windowed[0]->SetStyleName(u"Windows");
    EXPECT_EQ(Windowed[0]->StyleHook(), nullptr);
    EXPECT_FALSE(Windowed[0]->IsCustomStyleActive());
}

TEST_F(StyleManager, AHookThatCannotBeMadeLeavesTheControlInTheSystemStyle)
{
    TCustomStyleEngine::RegisterStyleHook(TCountingControl::StaticClass(), StyleHookClassOf<TFailingHook>());
    std::vector<String> reported;
    Application->SetOnException([&](TObject*, const Exception& e) { reported.push_back(e.Message()); });

    EXPECT_NO_THROW(TStyleManager::SetStyle(u"Test A"));
    Application->SetOnException({});
    EXPECT_EQ(reported.size(), 2u);
    for (TCountingControl* c : Windowed) {
        EXPECT_EQ(c->StyleHook(), nullptr);
        EXPECT_TRUE(c->StyleHookFailed());
        EXPECT_TRUE(StyleServices(c)->IsSystemStyle());
        EXPECT_EQ(c->StyleChanges, 1);
    }
    EXPECT_TRUE(StyleServices(Form)->Name() == u"Test A");
    // Still a working window.
    Windowed[0]->SetBounds(5, 5, 90, 50);
    EXPECT_EQ(Windowed[0]->ClientRect().Width(), 90);

    TStyleManager::SetStyle(u"Windows");
    EXPECT_FALSE(Windowed[0]->StyleHookFailed());
}

TEST_F(StyleManager, HooksTakeOnlyWhatTheControlsStyleElementsGiveThem)
{
    TTakingHook hook(Windowed[0]);
    const TStyleElements all{seFont, seClient, seBorder};
    struct TCase {
        const char* Name;
        TStyleElements Elements;
        UINT Msg;
        bool Taken;
    } cases[] = {
        {"paint", all, WM_PAINT, true},
        {"paint without client", {seFont, seBorder}, WM_PAINT, false},
        {"erase without client", {seBorder}, WM_ERASEBKGND, false},
        {"colour without client", {seBorder}, WM_CTLCOLOREDIT, false},
        {"reflected colour without client", {seBorder}, CN_CTLCOLORSTATIC, false},
        {"frame without border", {seClient}, WM_NCPAINT, false},
        {"frame size without border", {seClient}, WM_NCCALCSIZE, false},
        {"frame with border", {seBorder}, WM_NCPAINT, true},
        {"other messages always", {}, WM_SIZE, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Windowed[0]->SetStyleElements(c.Elements);
        TMessage message{c.Msg, 0, 0, 0};
        EXPECT_EQ(hook.HandleMessage(message, [](TMessage&) {}), c.Taken);
    }
}

TEST_F(StyleManager, TheHookBaseAnswersColoursAndPaintsThroughTheHooksPainters)
{
    TCustomStyleEngine::RegisterStyleHook(TCountingControl::StaticClass(), StyleHookClassOf<TPaintingHook>());
    TStyleManager::SetStyle(u"Test A");
    auto* style = static_cast<TTestStyleServices*>(TStyleManager::Style(u"Test A"));
    HWND wnd = Windowed[0]->Handle();

    OffscreenSurface surface(20, 20, RGB(255, 0, 255));
    EXPECT_EQ(SendMessageW(wnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(surface.DC()), 0), 1);
    EXPECT_EQ(surface.Pixel(5, 5), style->ElementColor(style->GetElementDetails(tbPushButtonHot)));

    const LRESULT brush = SendMessageW(wnd, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(surface.DC()), 0);
    EXPECT_NE(brush, 0);
    EXPECT_EQ(GetTextColor(surface.DC()), RGB(0, 0, 255));
    EXPECT_EQ(GetBkColor(surface.DC()), RGB(255, 0, 0));

    TPaintingHook::NCPaints = 0;
    SendMessageW(wnd, WM_NCPAINT, 1, 0);
    EXPECT_EQ(TPaintingHook::NCPaints, 1);

    // Without seClient the control erases its own background again.
    Windowed[0]->SetStyleElements({seFont, seBorder});
    OffscreenSurface own(20, 20, RGB(255, 0, 255));
    SendMessageW(wnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(own.DC()), 0);
    EXPECT_NE(own.Pixel(5, 5), style->ElementColor(style->GetElementDetails(tbPushButtonHot)));
}

TEST_F(StyleManager, TheTrackingHookSeesTheMouseComeAndGo)
{
    TCustomStyleEngine::RegisterStyleHook(TCountingControl::StaticClass(), StyleHookClassOf<TPaintingHook>());
    TStyleManager::SetStyle(u"Test A");
    TPaintingHook::Enters = TPaintingHook::Leaves = 0;
    const TPoint centre = Windowed[0]->ClientToScreen(TPoint{50, 30});
    SetCursorPos(centre.X, centre.Y);
    PostMessageW(Windowed[0]->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(50, 30));
    ASSERT_TRUE(PumpUntil([] { return TPaintingHook::Enters == 1; }));
    EXPECT_TRUE(static_cast<TMouseTrackControlStyleHook*>(Windowed[0]->StyleHook())->MouseInControl());
    PumpFor(250);
    EXPECT_EQ(TPaintingHook::Leaves, 0) << "still over the control";

    const TPoint outside = Form->ClientToScreen(TPoint{250, 120});
    SetCursorPos(outside.X, outside.Y);
    ASSERT_TRUE(PumpUntil([] { return TPaintingHook::Leaves == 1; }, 2000));
    EXPECT_FALSE(static_cast<TMouseTrackControlStyleHook*>(Windowed[0]->StyleHook())->MouseInControl());
}

TEST_F(StyleManager, BordersAndControlTextArePaintedInTheControlsStyle)
{
    TActiveTestStyle style(u"Borders");
    auto* bordered = new TBorderedControl(Form);
    bordered->SetParent(Form);
    bordered->SetBounds(10, 80, 120, 70);
    HWND wnd = bordered->Handle();
    UpdateWindow(wnd);

    style->PaintBorder(bordered, true);
    HDC dc = GetWindowDC(wnd);
    const COLORREF edge = GetPixel(dc, 0, 0);
    const COLORREF inner = GetPixel(dc, 1, 1);
    // The square between the two scroll bars, just inside the bottom-right client edge.
    const int edgeWidth = GetSystemMetrics(SM_CXEDGE);
    const COLORREF corner = GetPixel(dc, 120 - edgeWidth - 2, 70 - edgeWidth - 2);
    ReleaseDC(wnd, dc);
    EXPECT_EQ(edge, style->ElementColor(style->GetElementDetails(teEditBorderNoScrollNormal)));
    EXPECT_EQ(inner, edge);
    EXPECT_EQ(corner, COLORREF(ColorToRGB(style->GetStyleColor(scGenericBackground))));

    OffscreenSurface surface(60, 20, RGB(255, 255, 255));
    TCanvas canvas;
    canvas.SetHandle(surface.DC());
    canvas.Font()->SetHeight(-14);
    TRect r{0, 0, 60, 20};
    const auto pane = style->GetElementDetails(tsPane);
    EXPECT_TRUE(style->DrawControlText(&canvas, pane, u"MMM", r, {tfLeft, tfSingleLine}));
    TColor text = clNone;
    style->GetElementColor(pane, ecTextColor, text);
    EXPECT_GT(surface.Count(COLORREF(text)), 0) << "the text in the element's text colour";
    canvas.SetHandle(nullptr);
}

} // namespace
