// File dialogs through the chooser seam and for real under Wine (answered by posting commands to
// the dialog's window), and message dialogs on the platform's message box.
#include <gtest/gtest.h>

#include <thread>

#include "ComObj.h"
#include "Dialogs.h"
#include "Forms.h"
#include "WideText.h"
#include "support/ServicesSupport.h"

namespace {

const String PickFolderTitle = u"\u0627\u0646\u062A\u062E\u0627\u0628 \u0645\u0633\u06CC\u0631 \u0630\u062E\u06CC\u0631\u0647 "
                               u"\u0633\u0627\u0632\u06CC";
const String OkLabel = u"\u062A\u0627\u06CC\u06CC\u062F";

String TempFolder()
{
    wchar_t folder[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, folder);
    String path = FromWidePtr(folder);
    return path.back() == u'\\' ? path.substr(0, path.size() - 1) : path;
}

// The file-name edit of the platform's file dialogs.
constexpr int FileNameEditId = 0x480;

void PostCommand(HWND dialog, int id)
{
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

class DialogsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { StartServiceUnits(); }
    void TearDown() override { SetFileDialogChooser(nullptr); }
};

TEST_F(DialogsTest, ChooserStandsInForThePersonAtTheFolderPicker)
{
    TComponent owner(nullptr);
    auto* picker = new TFileOpenDialog(&owner);
    picker->SetOptions({fdoPickFolders});
    picker->SetOkButtonLabel(OkLabel);
    picker->SetTitle(PickFolderTitle);

    bool accept = true;
    SetFileDialogChooser([&](TComponent& dialog, std::vector<String>& chosen) {
        auto* shown = dynamic_cast<TFileOpenDialog*>(&dialog);
        EXPECT_EQ(shown, picker);
        EXPECT_TRUE(shown->Options().Contains(fdoPickFolders));
        EXPECT_EQ(shown->Title(), PickFolderTitle);
        EXPECT_EQ(shown->OkButtonLabel(), OkLabel);
        chosen.push_back(u"C:\\requests");
        return accept;
    });
    ASSERT_TRUE(picker->Execute());
    EXPECT_EQ(picker->FileName(), u"C:\\requests");
    EXPECT_EQ(picker->Files()->CommaText(), u"C:\\requests");

    accept = false;
    EXPECT_FALSE(picker->Execute());
    EXPECT_EQ(picker->Files()->Count(), 0);
}

TEST_F(DialogsTest, OpenDialogTakesEveryChosenPath)
{
    TOpenDialog dialog(nullptr);
    SetFileDialogChooser([](TComponent&, std::vector<String>& chosen) {
        chosen = {u"C:\\a.txt", u"C:\\b.txt"};
        return true;
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), u"C:\\a.txt");
    EXPECT_EQ(dialog.Files()->CommaText(), u"C:\\a.txt,C:\\b.txt");
}

TEST_F(DialogsTest, RealFolderPickerShowsTitleAndCancels)
{
    TFileOpenDialog picker(nullptr);
    picker.SetOptions({fdoPickFolders});
    picker.SetTitle(PickFolderTitle);
    picker.SetOkButtonLabel(OkLabel);
    String title, okLabel;
    TDialogResponder responder([&](HWND dialog) {
        title = WindowText(dialog);
        okLabel = WindowText(GetDlgItem(dialog, IDOK));
        PostCommand(dialog, IDCANCEL);
    });
    EXPECT_FALSE(picker.Execute(nullptr));
    EXPECT_FALSE(responder.Forced());
    EXPECT_EQ(title, PickFolderTitle);
    EXPECT_EQ(okLabel, OkLabel);
}

TEST_F(DialogsTest, RealFolderPickerAnswersAFolderOfItsDefaultFolder)
{
    String folder = TempFolder() + u"\\tavin-picked";
    CreateDirectoryW(WidePtr(folder), nullptr);
    TFileOpenDialog picker(nullptr);
    picker.SetOptions({fdoPickFolders});
    picker.SetDefaultFolder(TempFolder());
    // The name typed is taken in the folder the dialog opened in.
    TDialogResponder responder([](HWND dialog) {
        SetDlgItemTextW(dialog, FileNameEditId, L"tavin-picked");
        PostCommand(dialog, IDOK);
    });
    ASSERT_TRUE(picker.Execute(nullptr));
    EXPECT_FALSE(responder.Forced());
    EXPECT_TRUE(SameText(picker.FileName(), folder)) << ToUtf8(picker.FileName());
    RemoveDirectoryW(WidePtr(folder));
}

TEST_F(DialogsTest, RealOpenAndSaveDialogs)
{
    String existing = TempFolder() + u"\\tavin-dialog-test.txt";
    HANDLE file = CreateFileW(WidePtr(existing), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    CloseHandle(file);

    TOpenDialog open(nullptr);
    open.SetFilter(u"Text files|*.txt|All files|*.*");
    open.SetFilterIndex(2);
    open.SetOptions({ofFileMustExist, ofHideReadOnly});
    open.SetFileName(existing);
    {
        TDialogResponder responder([](HWND dialog) { PostCommand(dialog, IDOK); });
        ASSERT_TRUE(open.Execute(nullptr));
    }
    EXPECT_TRUE(SameText(open.FileName(), existing)) << ToUtf8(open.FileName());
    EXPECT_EQ(open.FilterIndex(), 2);

    TSaveDialog save(nullptr);
    save.SetTitle(u"Save the request");
    String title;
    {
        TDialogResponder responder([&](HWND dialog) {
            title = WindowText(dialog);
            PostCommand(dialog, IDCANCEL);
        });
        EXPECT_FALSE(save.Execute(nullptr));
    }
    EXPECT_EQ(title, u"Save the request");
    DeleteFileW(WidePtr(existing));
}

TEST(DialogsWithoutCom, FolderPickerRaisesInsteadOfShowingNothing)
{
    // A thread of its own: this one never joins an apartment.
    std::string raised;
    std::thread([&] {
        TFileOpenDialog picker(nullptr);
        try {
            picker.Execute(nullptr);
        } catch (const EOleSysError& e) {
            raised = e.what();
        }
    }).join();
    EXPECT_FALSE(raised.empty());
}

struct MessageCase {
    const char* Name;
    TMsgDlgType Type;
    TMsgDlgButtons Buttons;
    int Pressed;
    int Result;
    const char16_t* Title;
};

class MessageDialog : public ::testing::TestWithParam<MessageCase> {};

TEST_P(MessageDialog, ShowsTextAndTitleAndAnswersTheButtonPressed)
{
    const MessageCase& c = GetParam();
    const String text = u"\u062F\u0627\u062F\u0647 \u0647\u0627\u06CC \u0648\u0627\u0631\u062F \u0634\u062F\u0647";
    String shownText, shownTitle;
    TDialogResponder responder([&](HWND dialog) {
        shownTitle = WindowText(dialog);
        shownText = WindowText(GetDlgItem(dialog, MessageBoxTextId));
        PostCommand(dialog, c.Pressed);
    });
    EXPECT_EQ(MessageDlg(text, c.Type, c.Buttons, 0), c.Result);
    EXPECT_EQ(shownText, text);
    EXPECT_EQ(shownTitle, c.Title);
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, MessageDialog,
    ::testing::Values(MessageCase{"ConfirmYes", mtConfirmation, mbYesNo, IDYES, mrYes, u"Confirm"},
                      MessageCase{"ConfirmCancelled", mtConfirmation, mbYesNoCancel, IDCANCEL, mrCancel, u"Confirm"},
                      MessageCase{"ErrorRetry", mtError, {mbRetry, mbCancel}, IDRETRY, mrRetry, u"Error"},
                      MessageCase{"WarningOkCancel", mtWarning, mbOKCancel, IDOK, mrOk, u"Warning"},
                      MessageCase{"AllBecomesYesNo", mtInformation, {mbYes, mbNo, mbAll}, IDNO, mrNo,
                                  u"Information"},
                      MessageCase{"CustomIsNamedAfterTheProgram", mtCustom, {mbOK}, IDOK, mrOk,
                                  u"framework_ui_services_tests"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(MessageDialogs, DefaultButtonAndOwner)
{
    HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr,
                                 nullptr, nullptr);
    SetActiveWindow(owner);
    bool noIsDefault = false;
    HWND boxOwner = nullptr;
    TDialogResponder responder([&](HWND dialog) {
        noIsDefault = GetWindowLongW(GetDlgItem(dialog, IDNO), GWL_STYLE) & BS_DEFPUSHBUTTON;
        boxOwner = GetWindow(dialog, GW_OWNER);
        PostCommand(dialog, IDCANCEL);
    });
    EXPECT_EQ(MessageDlg(u"?", mtConfirmation, mbYesNoCancel, 0, mbNo), mrCancel);
    EXPECT_TRUE(noIsDefault);
    EXPECT_EQ(boxOwner, owner);
    EXPECT_TRUE(IsWindowEnabled(owner)) << "the owner is enabled again";
    DestroyWindow(owner);
}

TEST(MessageDialogs, PositionGivenMovesTheBoxAndMinusOneKeepsThePlatforms)
{
    struct Case {
        int X, Y;
    } cases[] = {{40, 60}, {-1, -1}};
    for (const Case& c : cases) {
        RECT placed{};
        TDialogResponder responder([&](HWND dialog) {
            GetWindowRect(dialog, &placed);
            PostCommand(dialog, IDOK);
        });
        EXPECT_EQ(MessageDlgPosHelp(u"?", mtInformation, {mbOK}, 0, c.X, c.Y, u""), mrOk);
        if (c.X >= 0) {
            EXPECT_EQ(placed.left, c.X);
            EXPECT_EQ(placed.top, c.Y);
        } else {
            EXPECT_GT(placed.left, 40) << "centred, as the platform places it";
        }
    }
}

TEST(MessageDialogs, ShowMessageIsTitledWithTheApplicationsTitle)
{
    StartServiceUnits();
    for (String title : {u"", u"Tavin"}) {
        Application->SetTitle(title);
        String shown;
        TDialogResponder responder([&](HWND dialog) {
            shown = WindowText(dialog);
            PostCommand(dialog, IDOK);
        });
        ShowMessage(u"done");
        EXPECT_EQ(shown, title.empty() ? u"framework_ui_services_tests" : title);
    }
    Application->SetTitle(u"");
}

} // namespace
