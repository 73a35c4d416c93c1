// The main form in-process from its form resource, with the prompts, the folder picker and the shell
// replaced by recorders, and the recording stand-in of the crypto library beside the program.
#include "MainFormFixture.h"
#include "RecordingLibrary.h"
#include "RecordingShellLauncher.h"
#include "ExtCtrls.h"
#include "RurTypes.h"

namespace {

class MainForm : public MainFormFixture {
protected:
    void SetUp() override
    {
        MainFormFixture::SetUp();
        RecordingLibrary::Reset();
    }
};

const std::pair<TInputField, const char16_t*> AllFields[] = {
    {TInputField::CommonName, u"edt_commonName"}, {TInputField::SerialNumber, u"edt_serialNumber"},
    {TInputField::Email, u"edt_email"},           {TInputField::SubjectRole, u"edt_subjectRole"},
    {TInputField::OrgUnit, u"edt_orgUnit"},       {TInputField::Province, u"edt_province"},
    {TInputField::City, u"edt_city"},             {TInputField::LastName, u"edt_lastName"},
    {TInputField::FirstName, u"edt_firstName"},
};

TEST_F(MainForm, StartsWithTypeSixItsAffiliationAndTheDesignedLayout)
{
    auto* combo = Find<TComboBox>(u"cmb_personType");
    EXPECT_EQ(combo->Items()->Count(), 6);
    EXPECT_EQ(combo->ItemIndex(), 5);
    EXPECT_EQ(combo->Items()->Strings(5), u"شخص حقوقی وابسته به غیر دولت");
    EXPECT_EQ(Find<TEdit>(u"edt_org")->Text(), u"Non-Governmental");
    EXPECT_FALSE(Find<TEdit>(u"edt_org")->Enabled());
    EXPECT_FALSE(Find<TControl>(u"pnl_loading")->Visible());
    EXPECT_TRUE(Find<TControl>(u"Panel2")->Visible());
    EXPECT_EQ(Form->ClientWidth(), 952);
    EXPECT_EQ(Form->ClientHeight(), 452);
    EXPECT_EQ(Form->Caption(), u"گروه نرم افزاری تاوین - ابزار تسهیل صدور CSR");
    EXPECT_EQ(Find<TControl>(u"Panel1")->Width(), 354);
    // Tab order of the input panel.
    const char16_t* order[] = {u"cmb_personType", u"edt_org",      u"edt_commonName", u"edt_serialNumber",
                               u"edt_email",      u"edt_subjectRole", u"edt_orgUnit", u"edt_province",
                               u"edt_city",       u"edt_lastName", u"edt_firstName",  u"btn_generate",
                               u"btn_reset",      u"btn_close"};
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(Find<TWinControl>(order[i])->TabOrder(), i) << ToUtf8(order[i]);
}

// The side panel's image is the tool's word mark as SVG, white on an 800 x 192 view box.
TEST_F(MainForm, ShowsTheSVGLogo)
{
    auto* image = Find<TImage>(u"Image1");
    auto* logo = dynamic_cast<TRurSVGBitmap*>(image->Picture()->Graphic());
    ASSERT_NE(logo, nullptr);
    EXPECT_TRUE(logo->HasSVG());
    EXPECT_EQ(logo->SVG()->ViewRect(), (TRectF{0, 0, 800, 192}));
    EXPECT_EQ(logo->Width(), 800);
}

// The program's icon is the main window's, for its caption and its taskbar entry.
TEST_F(MainForm, ShowsTheProgramsIcon)
{
    for (int kind : {GCLP_HICON, GCLP_HICONSM})
        EXPECT_NE(GetClassLongPtrW(Form->Handle(), kind), 0u) << kind;
}

TEST_F(MainForm, EachTypeEnablesItsFieldsAndShowsItsAffiliation)
{
    // Enabled fields per type, in the order of AllFields.
    const struct {
        int type;
        const char* enabled;
        const char16_t* affiliation;
    } cases[] = {
        {1, "111001111", u"Unaffiliated"}, {2, "111001111", u"Non-Governmental"}, {3, "111111111", u"Governmental"},
        {4, "110011111", u"Governmental"}, {5, "110011111", u"Non-Governmental"}, {6, "111110000", u"Non-Governmental"},
    };
    Edit(TInputField::City)->SetText(u"kept");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        SelectType(c.type);
        EXPECT_EQ(Find<TEdit>(u"edt_org")->Text(), c.affiliation);
        for (int i = 0; i < InputFieldCount; ++i)
            EXPECT_EQ(Edit(AllFields[i].first)->Enabled(), c.enabled[i] == '1') << ToUtf8(AllFields[i].second);
    }
    EXPECT_EQ(Edit(TInputField::City)->Text(), u"kept"); // disabled edits keep their text on screen
}

TEST_F(MainForm, LeavingABrokenFieldWarnsAndKeepsTheFocus)
{
    SelectType(2);
    Edit(TInputField::SerialNumber)->SetText(String(11, u'1'));
    Focus(Edit(TInputField::SerialNumber));
    PressKey(VK_TAB);
    PumpFor(50);
    EXPECT_EQ(FocusedControl(), Edit(TInputField::SerialNumber));
    EXPECT_TRUE(Prompts.Contains(u"Warn(اخطار|شناسه/کد ملی باید 10 حرف باشد.|edt_serialNumber)"));
    Prompts.Calls.clear();
    ClickAt(Edit(TInputField::Email));
    PumpFor(50);
    EXPECT_EQ(FocusedControl(), Edit(TInputField::SerialNumber));
    EXPECT_FALSE(Prompts.Calls.empty());

    // Leaving an empty field for a button: the error balloon, and the button does not act.
    Edit(TInputField::SerialNumber)->SetText(String(10, u'1'));
    Edit(TInputField::CommonName)->SetText(u"   ");
    Focus(Edit(TInputField::CommonName));
    Prompts.Calls.clear();
    ClickAt(Find<TButton>(u"btn_generate"));
    PumpFor(50);
    EXPECT_EQ(FocusedControl(), Edit(TInputField::CommonName));
    EXPECT_TRUE(Prompts.Contains(u"Ask(مقدار فیلد|edt_commonName|3)"));
    EXPECT_TRUE(PickerRequests.empty());
}

TEST_F(MainForm, GenerateWithAnEmptyFieldShowsTheErrorBoxOnly)
{
    FillValid(6);
    Edit(TInputField::OrgUnit)->SetText(u"");
    EXPECT_THROW(Form->btn_generateClick(Form), EAbort);
    EXPECT_EQ(Prompts.Calls, std::vector<String>{u"Error(خطا|داده های وارد شده صحیح نیست|داده ای وارد نشده است یا صحیح نیست.|3)"});
    EXPECT_TRUE(PickerRequests.empty());
}

TEST_F(MainForm, GenerateChecksTheRulesAgainInTabOrder)
{
    FillValid(3); // a ten-character identifier, right for type 3
    SelectType(6);
    Edit(TInputField::CommonName)->SetText(String(65, u'a'));
    EXPECT_THROW(Form->btn_generateClick(Form), EAbort);
    ASSERT_FALSE(Prompts.Calls.empty());
    EXPECT_TRUE(Prompts.Calls[0].ends_with(u"|edt_commonName)")); // first in tab order
    EXPECT_TRUE(PickerRequests.empty());

    Prompts.Calls.clear();
    Edit(TInputField::CommonName)->SetText(u"Tavin");
    EXPECT_THROW(Form->btn_generateClick(Form), EAbort);
    EXPECT_TRUE(Prompts.Contains(u"Warn(اخطار|شناسه ملی باید 11 حرف باشد.|edt_serialNumber)"));
    EXPECT_TRUE(PumpUntil([] { return FocusedControl() == Edit(TInputField::SerialNumber); }));
}

TEST_F(MainForm, AnIdentifierThatCannotNameAFileIsRefusedAtGenerate)
{
    FillValid(6);
    Edit(TInputField::SerialNumber)->SetText(u"..\\45678901");
    EXPECT_THROW(Form->btn_generateClick(Form), EAbort);
    EXPECT_TRUE(Prompts.Contains(u"Warn(اخطار|شناسه ملی نمی‌تواند نویسه‌های \\ / : * ? \" < > | یا نویسه‌های کنترلی داشته باشد.|edt_serialNumber)"));
    EXPECT_TRUE(PickerRequests.empty());
    EXPECT_TRUE(RecordingLibrary::Log().empty());
}

TEST_F(MainForm, CancellingTheFolderPickerChangesNothing)
{
    FillValid(6);
    PickedFolder.reset();
    Form->btn_generateClick(Form);
    ASSERT_EQ(PickerRequests.size(), 1u);
    EXPECT_EQ(PickerRequests[0].Owner, Form);
    EXPECT_EQ(PickerRequests[0].Title, u"انتخاب مسیر ذخیره سازی");
    EXPECT_EQ(PickerRequests[0].OkButtonLabel, u"تایید");
    EXPECT_TRUE(RecordingLibrary::Log().empty());
    EXPECT_TRUE(Prompts.Calls.empty());
}

TEST_F(MainForm, GenerateWritesTheFilesOpensTheFolderAndLeavesDisabledTextOut)
{
    TRecordingShellLauncher shell;
    FillValid(3);
    Edit(TInputField::SubjectRole)->SetText(u"StaleRole");
    SelectType(2); // disables the role field, which keeps its text
    Edit(TInputField::SerialNumber)->SetText(u"0123456789");
    Form->btn_generateClick(Form);
    EXPECT_TRUE(Prompts.Calls.empty());
    EXPECT_EQ(TCSRService::ExistingOutputFiles(Folder, u"0123456789").size(), 3u);
    ASSERT_EQ(shell.Requests.size(), 1u);
    EXPECT_TRUE(shell.Requests[0].File == Folder || shell.Requests[0].Directory == Folder);
    for (const String& call : RecordingLibrary::Log())
        EXPECT_EQ(call.find(u"StaleRole"), String::npos) << ToUtf8(call);
    EXPECT_TRUE(Find<TControl>(u"Panel2")->Visible());
    EXPECT_FALSE(Find<TControl>(u"pnl_loading")->Visible());

    // Files of this identifier exist now: the person is asked, and "no" changes nothing.
    RecordingLibrary::Reset();
    Prompts.BoxAnswer = mrNo;
    Form->btn_generateClick(Form);
    EXPECT_EQ(Prompts.Calls, std::vector<String>{u"Box(فایل‌ها از قبل وجود دارند|4|3)"});
    EXPECT_TRUE(RecordingLibrary::Log().empty());
}

TEST_F(MainForm, YesReplacesTheEarlierFilesOnlyWhenTheNewSetIsComplete)
{
    TRecordingShellLauncher shell;
    const TCsrOutputFiles files = TCSRService::OutputFiles(Folder, u"0123456789");
    const String* set[] = {&files.PrivateKey, &files.Request, &files.PublicKey};
    for (const String* file : set)
        WriteFileText(*file, "earlier");
    FillValid(1);
    Prompts.BoxAnswer = mrYes;

    RecordingLibrary::Fail(u"CkPublicKey_SavePemFile");
    Form->btn_generateClick(Form);
    ASSERT_EQ(Prompts.Calls.size(), 2u);
    EXPECT_TRUE(Prompts.Calls[1].find(u"ذخیره کلید عمومی") != String::npos) << ToUtf8(Prompts.Calls[1]);
    for (const String* file : set)
        EXPECT_EQ(FileText(*file), "earlier");

    RecordingLibrary::Reset();
    Prompts.Calls.clear();
    Form->btn_generateClick(Form);
    EXPECT_EQ(Prompts.Calls, std::vector<String>{u"Box(فایل‌ها از قبل وجود دارند|4|3)"});
    EXPECT_EQ(FileText(files.PrivateKey), "PRIVATE KEY key1");
    EXPECT_EQ(FileText(files.Request), "REQUEST csr1 SIGNED BY key1");
    EXPECT_EQ(FileText(files.PublicKey), "PUBLIC KEY pub1");
    EXPECT_TRUE(Find<TControl>(u"Panel2")->Visible());
}

TEST_F(MainForm, TheWaitingPanelIsShownAndPaintedWhileGenerating)
{
    FillValid(6);
    bool waitingShown = false, inputHidden = false, paintPending = true;
    // The service opens the folder last, while the generation still holds the loop.
    TShellLauncher previous = SetShellLauncher([&](const TShellRequest&) {
        auto* waiting = Find<TWinControl>(u"pnl_loading");
        waitingShown = waiting->Visible();
        inputHidden = !Find<TControl>(u"Panel2")->Visible();
        paintPending = GetUpdateRect(waiting->Handle(), nullptr, FALSE);
    });
    Form->btn_generateClick(Form);
    SetShellLauncher(std::move(previous));
    EXPECT_TRUE(waitingShown);
    EXPECT_TRUE(inputHidden);
    EXPECT_FALSE(paintPending);
}

TEST_F(MainForm, AFailedGenerationSaysWhichStepFailedAndReturnsToInput)
{
    TRecordingShellLauncher shell;
    FillValid(6);
    RecordingLibrary::Fail(u"CkRsa_GenerateKey");
    Form->btn_generateClick(Form);
    ASSERT_EQ(Prompts.Calls.size(), 1u);
    EXPECT_TRUE(Prompts.Calls[0].starts_with(u"Error(خطا|تولید کلید یا درخواست ناموفق بود|مرحله: تولید کلید"));
    EXPECT_TRUE(shell.Requests.empty());
    EXPECT_TRUE(TCSRService::ExistingOutputFiles(Folder, Edit(TInputField::SerialNumber)->Text()).empty());
    EXPECT_TRUE(Find<TControl>(u"Panel2")->Visible());
    EXPECT_FALSE(Find<TControl>(u"pnl_loading")->Visible());
}

TEST_F(MainForm, ResetEmptiesTheFieldsAndReturnsToTypeSix)
{
    FillValid(1);
    Form->btn_resetClick(Form);
    EXPECT_EQ(Find<TComboBox>(u"cmb_personType")->ItemIndex(), 5);
    EXPECT_EQ(Find<TEdit>(u"edt_org")->Text(), u"Non-Governmental");
    for (const auto& [field, name] : AllFields)
        EXPECT_EQ(Edit(field)->Text(), u"") << ToUtf8(name);
    EXPECT_FALSE(Edit(TInputField::Province)->Enabled());
}

TEST_F(MainForm, TheLinkOpensTheMakersPage)
{
    TRecordingShellLauncher shell;
    auto* link = Find<TControl>(u"Label16");
    link->OnClick()(link);
    ASSERT_EQ(shell.Requests.size(), 1u);
    EXPECT_EQ(shell.Requests[0].Owner, Form->Handle());
    EXPECT_EQ(shell.Requests[0].Verb, u"open");
    EXPECT_EQ(shell.Requests[0].File, u"https://www.example.com/");
    EXPECT_EQ(shell.Requests[0].ShowCommand, SW_SHOWNORMAL);
}

TEST_F(MainForm, DraggingTheTitleOrTheSideHandleMovesTheWindow)
{
    const TPoint start = Point(Form->Left(), Form->Top());
    for (const char16_t* name : {u"lbl_FormTitleCaption", u"scLabel1"}) {
        auto* handle = Find<TWinControl>(name);
        const TPoint before = Point(Form->Left(), Form->Top());
        MouseAt(handle, WM_LBUTTONDOWN, Point(20, 10), MK_LBUTTON);
        MouseAt(handle, WM_MOUSEMOVE, Point(50, 25), MK_LBUTTON);
        MouseAt(handle, WM_LBUTTONUP, Point(50, 25));
        EXPECT_EQ(Point(Form->Left(), Form->Top()), Point(before.X + 30, before.Y + 15)) << ToUtf8(name);
    }
    Form->SetBounds(start.X, start.Y, Form->Width(), Form->Height());
}

// Last: it closes the window. The close glyph takes no focus, so the empty field it leaves focused
// is never checked and no balloon shows.
TEST_F(MainForm, TheCloseGlyphClosesTheWindowWithoutACheck)
{
    FillValid(6);
    Focus(Edit(TInputField::CommonName));
    Edit(TInputField::CommonName)->SetText(u"");
    Prompts.Calls.clear();
    auto* glyph = Find<TWinControl>(u"btn_CloseButton");
    const TPoint centre = Point(glyph->Width() / 2, glyph->Height() / 2);
    MouseAt(glyph, WM_MOUSEMOVE, centre);
    MouseAt(glyph, WM_LBUTTONDOWN, centre, MK_LBUTTON);
    MouseAt(glyph, WM_LBUTTONUP, centre);
    EXPECT_TRUE(PumpUntil([] { return !Form->Visible(); }));
    EXPECT_TRUE(Prompts.Calls.empty());
}

} // namespace
