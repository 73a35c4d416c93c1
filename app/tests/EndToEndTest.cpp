// The form's road for each person type through the real crypto library: three files per request in
// one folder, and for the host's check (VerifyRequests.sh) a list of the values each subject must show.
#include <fstream>

#include "MainFormFixture.h"
#include "RecordingShellLauncher.h"

namespace {

String OutputFolder()
{
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    return FromWidePtr(current) + u"\\e2e-out";
}

class EndToEnd : public MainFormFixture {};

TEST_F(EndToEnd, EachPersonTypeWritesItsThreeFiles)
{
    TRecordingShellLauncher shell;
    const String folder = OutputFolder();
    CreateDirectoryW(WidePtr(folder), nullptr);
    PickedFolder = folder;
    std::ofstream expected(ToUtf8(folder + u"\\expected.tsv"), std::ios::binary);
    for (int type = 1; type <= PersonTypeCount; ++type) {
        SCOPED_TRACE(type);
        FillValid(type);
        Edit(TInputField::CommonName)->SetText(u"Tavin" + FromUtf8(std::to_string(type)));
        const String serial = String(type <= 3 ? 9 : 10, u'0') + FromUtf8(std::to_string(type));
        Edit(TInputField::SerialNumber)->SetText(serial);
        Edit(TInputField::LastName)->SetText(u"احمدی");
        Edit(TInputField::FirstName)->SetText(u"علی");
        RemoveOutputFiles(folder, serial);

        ClickAt(Find<TButton>(u"btn_generate"));
        ASSERT_TRUE(PumpUntil([&] { return shell.Requests.size() == static_cast<size_t>(type); }, 60000));
        EXPECT_TRUE(Prompts.Calls.empty());
        EXPECT_EQ(TCSRService::ExistingOutputFiles(folder, serial).size(), 3u);

        expected << ToUtf8(serial);
        for (const auto& [field, name] : {std::pair{TInputField::CommonName, "CN"}, {TInputField::SerialNumber, "SN"},
                                          {TInputField::Email, "E"}, {TInputField::SubjectRole, "T"},
                                          {TInputField::OrgUnit, "OU"}, {TInputField::LastName, "SUR"},
                                          {TInputField::FirstName, "GN"}, {TInputField::Province, "ST"},
                                          {TInputField::City, "L"}})
            // Type 6 asks for the role, but its subject carries no title.
            if (Edit(field)->Enabled() && !(type == 6 && field == TInputField::SubjectRole))
                expected << '\t' << name << '=' << ToUtf8(Edit(field)->Text());
        expected << "\tO=" << ToUtf8(Find<TEdit>(u"edt_org")->Text()) << '\n';
    }
}

} // namespace
