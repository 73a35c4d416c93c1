// The docking toolbar as a user meets it: a form with a dock panel along its top and one along its
// left edge, toolbars in rows, a floating toolbar, and the customizer dialog open for one of the
// toolbars. With TAVIN_DEMO_HOLD_MS set the scene stays on screen that long (for a screenshot).
#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>

#include "Buttons.h"
#include "CustomizerU.h"
#include "CustomizerU_Form.h"
#include "Forms.h"
#include "GuiTestSupport.h"
#include "Resources.h"
#include "RurToolBar_Button.h"
#include "RurToolBar_DockPanel.h"
#include "RurToolBar_Floating.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_ToolBar.h"
#include "Startup.h"
#include "StdCtrls.h"
#include "SysUtils.h"
#include "ToolBarTestSupport.h"

namespace {

const TUnitStep DialogUnits[] = {ResourcesUnit, ButtonsUnit, CustomizerUnit};

class TDialogEnvironment : public ::testing::Environment {
public:
    void SetUp() override { FUnits.Initialize(); }
    void TearDown() override { FUnits.Finalize(); }

private:
    TUnitStartup FUnits{DialogUnits};
};

[[maybe_unused]] ::testing::Environment* const DialogEnvironment =
    ::testing::AddGlobalTestEnvironment(new TDialogEnvironment);

TRurToolBar* MakeToolBar(TForm* form, TCustomRurToolBarStyler* styler, const String& name,
                         std::initializer_list<const char16_t*> captions)
{
    auto* toolBar = new TRurToolBar(form);
    toolBar->SetName(name);
    toolBar->SetCaption(name);
    toolBar->SetToolBarStyler(styler);
    int n = 0;
    for (const char16_t* caption : captions) {
        auto* button = new TRurToolBarButton(form);
        button->SetName(name + u"Button" + IntToStr(++n));
        button->SetCaption(caption);
        button->SetShowCaption(true);
        toolBar->AddToolBarControl(button);
    }
    return toolBar;
}

TEST(DockDemoTest, TwoDockPanelsRowsAFloatingToolBarAndTheCustomizer)
{
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBounds(30, 30, 720, 440);
    form->SetCaption(u"Docking toolbars");
    auto* styler = new TCustomRurToolBarStyler(form.get());
    styler->Color()->SetColor(0x00FFF4EA);
    styler->Color()->SetColorTo(0x00EBCFB5);
    styler->Color()->SetDirection(gdVertical);
    styler->DockColor()->SetColor(0x00F2E4D5);
    styler->DockColor()->SetColorTo(0x00E0C8B0);
    styler->SetBorderColor(0x00B08060);
    // A bare styler's handle runs from grey to black: the demo gives it its own colours.
    styler->SetRightHandleColor(0x00E8D4C0);
    styler->SetRightHandleColorTo(0x00C8A080);
    auto* top = new TRurDockPanel(form.get());
    top->SetParent(form.get());
    top->SetToolBarStyler(styler);
    auto* left = new TRurDockPanel(form.get());
    left->SetParent(form.get());
    left->SetAlign(daLeft);
    left->SetToolBarStyler(styler);
    auto* memo = new TMemo(form.get());
    memo->SetParent(form.get());
    memo->SetAlign(alClient);

    TRurToolBar* standard = MakeToolBar(form.get(), styler, u"Standard", {u"New", u"Open", u"Save"});
    TRurToolBar* format = MakeToolBar(form.get(), styler, u"Format", {u"Bold", u"Italic", u"Underline"});
    TRurToolBar* edit = MakeToolBar(form.get(), styler, u"Edit", {u"Cut", u"Copy", u"Paste", u"Undo"});
    TRurToolBar* tools = MakeToolBar(form.get(), styler, u"Tools", {u"A", u"B", u"C"});
    TRurToolBar* colours = MakeToolBar(form.get(), styler, u"Colours", {u"Red", u"Green", u"Blue"});
    standard->SetParent(top);
    format->SetParent(top);
    edit->SetParent(top);
    top->Rows()->MoveToolBarToRow(format, 0);
    tools->SetParent(left);
    // A vertical row takes its first toolbar at its bottom end; the user drags it to the top.
    tools->SetTop(0);
    colours->SetParent(top);
    ASSERT_TRUE(ShowActive(form.get()));
    colours->MakeFloating(form->Left() + 160, form->Top() + 260, true);

    EXPECT_EQ(top->RowCount(), 2);
    EXPECT_EQ(top->Rows()->Items(0)->ToolBarCount(), 2);
    EXPECT_EQ(left->RowCount(), 1);
    EXPECT_TRUE(tools->IsVertical());
    EXPECT_LT(tools->Top(), 10);
    ASSERT_NE(colours->FloatingWindow(), nullptr);
    EXPECT_TRUE(PumpUntil([&] { return colours->FloatingWindow()->Visible(); }));

    auto* customizer = new TRurToolBarCustomizer(form.get());
    customizer->SetRurToolBar(standard);
    for (const char16_t* caption : {u"Print", u"Close all"})
        customizer->Commands()->Add()->SetCaption(caption);
    std::unique_ptr<TCustomizerForm> dialog(CreateForm<TCustomizerForm>(customizer));
    dialog->SetToolBarCustomizer(customizer);
    dialog->LoadComponents();
    dialog->SetBounds(form->Left() + 760 - dialog->Width(), form->Top() + 120, dialog->Width(), dialog->Height());
    dialog->Show();
    EXPECT_EQ(dialog->LstBxToolBarItems()->Count(), standard->ToolBarControlCount());
    if (const char* hold = std::getenv("TAVIN_DEMO_HOLD_MS"))
        PumpFor(std::atoi(hold));
}

} // namespace
