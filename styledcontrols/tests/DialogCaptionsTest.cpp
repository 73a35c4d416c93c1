#include <gtest/gtest.h>

#include "WideText.h"
#include "scColorDialog.h"
#include "scDlgStrs.h"

namespace {

// The project's string module, beside the test program.
String TestStringsModule()
{
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const String program = FromWidePtr(path);
    return program.substr(0, program.find_last_of(u"\\/") + 1) + u"styledcontrols_test_strings.dll";
}

std::vector<String> ButtonCaptions()
{
    return {scDlgOkCaption,  scDlgCancelCaption, scDlgYesCaption,  scDlgNoCaption,   scDlgRetryCaption,
            scDlgIgnoreCaption, scDlgAbortCaption, scDlgHelpCaption, scDlgCloseCaption};
}

} // namespace

TEST(DialogCaptionsTest, TakenFromTheStringTableWhereItHasThem)
{
    LoadDialogButtonCaptions(TestStringsModule());
    // The table has no Help string (904): that caption stays English.
    const std::vector<String> expected = {u"\u062a\u0627\u06cc\u06cc\u062f", u"Cancel-t", u"Yes-t", u"No-t",
                                          u"Retry-t", u"Ignore-t", u"Abort-t", u"Help", u"Close-t"};
    EXPECT_EQ(ButtonCaptions(), expected);
    LoadColorDialogCaptions(TestStringsModule());
    EXPECT_EQ(scColorDialogCaption, u"Colour-t");
    EXPECT_EQ(scColorDialogAddCaption, u"Add");
}

TEST(DialogCaptionsTest, EnglishWithoutTheLibraryAndClearedAtShutDown)
{
    LoadDialogButtonCaptions(TestStringsModule());
    LoadDialogButtonCaptions(u"no-such-library.dll");
    const std::vector<String> english = {u"Ok", u"Cancel", u"Yes", u"No", u"Retry", u"Ignore", u"Abort", u"Help",
                                         u"Close"};
    EXPECT_EQ(ButtonCaptions(), english);
    LoadColorDialogCaptions(u"no-such-library.dll");
    EXPECT_EQ(scColorDialogCaption, u"Color");
    EXPECT_EQ(LoadDialogCaption(GetModuleHandleW(nullptr), 12345, u"kept"), u"kept");

    scDlgStrsFinalize();
    scColorDialogFinalize();
    EXPECT_EQ(ButtonCaptions(), std::vector<String>(9));
    EXPECT_TRUE(scColorDialogCaption.empty() && scColorDialogAddCaption.empty());
}

TEST(DialogCaptionsTest, StartUpReadsTheSystemsOwn)
{
    // Whatever the system's language, every caption is there after start-up.
    scDlgStrsInitialize();
    for (const String& caption : ButtonCaptions())
        EXPECT_FALSE(caption.empty());
    scColorDialogInitialize();
    EXPECT_FALSE(scColorDialogCaption.empty());
    scDlgStrsFinalize();
    scColorDialogFinalize();
}
