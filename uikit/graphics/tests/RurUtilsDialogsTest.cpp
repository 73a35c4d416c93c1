// The toolbox's file dialogs and message box on the platform's dialogs, answered by posting
// commands to the dialog's window.
#include <gtest/gtest.h>

#include "RurUtils.h"
#include "support/ServicesSupport.h"

namespace {

// Types the name into the file dialog (the old style's edit, the Explorer style's combo box)
// and confirms it.
void TypeAndConfirm(HWND dialog, const wchar_t* name)
{
    SetDlgItemTextW(dialog, 0x480, name);
    SetDlgItemTextW(dialog, 0x47C, name);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

class RurUtilsDialogs : public ::testing::Test {
protected:
    static void SetUpTestSuite() { StartServiceUnits(); }
};

} // namespace

TEST_F(RurUtilsDialogs, SelectFileAnswersThePathAndTellsTheCallback)
{
    const String folder = TRurUtils::GetTempPath();
    const String existing = folder + u"rur-select-test.txt";
    CloseHandle(CreateFileW(WidePtr(existing), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    String fileName = u"before";
    String told;
    bool toldResult = false;
    {
        TDialogResponder responder([](HWND dialog) { TypeAndConfirm(dialog, L"rur-select-test.txt"); });
        EXPECT_TRUE(TRurUtils::SelectFile(fileName, folder, u"Text|*.txt", [&](const String& name, bool result) {
            told = name;
            toldResult = result;
        }));
    }
    EXPECT_TRUE(SameText(fileName, existing)) << ToUtf8(fileName);
    EXPECT_EQ(told, fileName);
    EXPECT_TRUE(toldResult);

    {
        TDialogResponder responder([](HWND dialog) { PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); });
        EXPECT_FALSE(TRurUtils::SelectFile(fileName, folder, u"", [&](const String&, bool result) { toldResult = result; }));
    }
    EXPECT_FALSE(toldResult);
    EXPECT_TRUE(SameText(fileName, existing));
    DeleteFileW(WidePtr(existing));
}

TEST_F(RurUtilsDialogs, SaveFileKeepsTheExtensionOfTheProposedName)
{
    String fileName = TRurUtils::GetTempPath() + u"rur-report.json";
    {
        TDialogResponder responder([](HWND dialog) { TypeAndConfirm(dialog, L"rur-renamed"); });
        EXPECT_TRUE(TRurUtils::SaveFile(fileName, u"JSON|*.json"));
    }
    EXPECT_TRUE(SameText(fileName, TRurUtils::GetTempPath() + u"rur-renamed.json")) << ToUtf8(fileName);
}

TEST_F(RurUtilsDialogs, MessageIsAnInformationBoxWithOK)
{
    String title;
    TDialogResponder responder([&](HWND dialog) {
        title = WindowText(dialog);
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    EXPECT_EQ(TRurUtils::Message(u"Saved"), mrOk);
    EXPECT_EQ(title, u"Information");
}
