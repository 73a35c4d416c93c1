// The main form with no crypto library anywhere: the loader's error goes on to the application's
// handler, and the window is back at its input panel.
#include "MainFormFixture.h"

namespace {

using MainFormWithoutLibrary = MainFormFixture;

} // namespace

TEST_F(MainFormWithoutLibrary, GenerateRaisesTheLoaderErrorAndReturnsToTheInputPanel)
{
    FillValid(6);
    try {
        Form->btn_generateClick(Form);
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), u"Library not found: ckd32.dll");
    }
    EXPECT_TRUE(Find<TControl>(u"Panel2")->Visible());
    EXPECT_FALSE(Find<TControl>(u"pnl_loading")->Visible());
    EXPECT_TRUE(Prompts.Calls.empty());
    EXPECT_TRUE(TCSRService::ExistingOutputFiles(Folder, Edit(TInputField::SerialNumber)->Text()).empty());
}
