// GenerateCsr against the recording stand-in: the calls it makes, the files, and its failures.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>

#include "CsrService_Unit.h"
#include "RecordingLibrary.h"
#include "RecordingShellLauncher.h"
#include "WideText.h"

namespace {

// A fresh folder under the temporary folder, removed with its files.
class TTempFolder {
public:
    TTempFolder()
    {
        static int serial = 0;
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        FPath = FromWidePtr(temp) + u"tavin-csr-" + FromUtf8(std::to_string(GetCurrentProcessId())) + u"-" +
                FromUtf8(std::to_string(++serial));
        CreateDirectoryW(WidePtr(FPath), nullptr);
    }
    ~TTempFolder()
    {
        for (const String& name : Files())
            DeleteFileW(WidePtr(FPath + u"\\" + name));
        RemoveDirectoryW(WidePtr(FPath));
    }
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;

    const String& Path() const { return FPath; }

    std::vector<String> Files() const
    {
        std::vector<String> names;
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW(WidePtr(FPath + u"\\*"), &found);
        if (search == INVALID_HANDLE_VALUE)
            return names;
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                names.push_back(FromWidePtr(found.cFileName));
        } while (FindNextFileW(search, &found));
        FindClose(search);
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    String FPath;
};

std::string ReadBytes(const String& path)
{
    std::string bytes;
    HANDLE file = CreateFileW(WidePtr(path), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return "(missing)";
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    CloseHandle(file);
    return bytes;
}

void WriteBytes(const String& path, const std::string& bytes)
{
    HANDLE file = CreateFileW(WidePtr(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

const String Persian = u"\u0634\u0631\u06A9\u062A \u0646\u0645\u0648\u0646\u0647";

// Every field a distinct text, so that each attribute shows where its value came from.
TCsrModel Model(Byte personType, const String& serialNumber = u"0123456789")
{
    TCsrModel model;
    model.SetCountry(u"IR");
    model.SetOrganization(Persian);
    model.SetOrganizationUnit(u"Unit");
    model.SetCommonName(u"Name");
    model.SetEmailAddress(u"a@b.ir");
    model.SetSerialNumber(serialNumber);
    model.SetSubjectFamilyName(u"unused family name");
    model.SetSubjectName(u"unused name");
    model.SetSubjectRole(u"Role");
    model.SetProvince(u"Province");
    model.SetCity(u" City ");
    model.SetSurname(u"Surname");
    model.SetGivenName(u"Given");
    model.SetPersonType(personType);
    return model;
}

std::vector<String> SubjectCalls(const std::vector<String>& log)
{
    std::vector<String> calls;
    for (const String& call : log) {
        if (call.starts_with(u"CkCsr_SetSubjectField("))
            calls.push_back(call);
    }
    return calls;
}

String Field(const String& oid, const String& value)
{
    return u"CkCsr_SetSubjectField(csr1|" + oid + u"|" + value + u"|UTF8String)";
}

class CsrService : public ::testing::Test {
protected:
    void SetUp() override { RecordingLibrary::Reset(); }

    TTempFolder Folder;
    TRecordingShellLauncher Shell;
};

} // namespace

TEST_F(CsrService, GenerateCsrDrivesTheLibraryStepByStepAndOpensTheFolder)
{
    const TCsrOutputFiles files = TCSRService::OutputFiles(Folder.Path(), u"0123456789");
    TCSRService().GenerateCsr(Model(6), Folder.Path());

    const std::vector<String> expected = {
        u"CkRsa_Create()",
        u"CkRsa_GenerateKey(rsa1|2048)",
        u"CkRsa_ExportPrivateKeyObj(rsa1)",
        u"CkCsr_Create()",
        Field(u"2.5.4.11", u"Unit"),
        Field(u"2.5.4.10", Persian),
        Field(u"1.2.840.113549.1.9.1", u"a@b.ir"),
        Field(u"2.5.4.3", u"Name [Stamp]"),
        Field(u"2.5.4.5", u"0123456789"),
        Field(u"2.5.4.6", u"IR"),
        u"CkCsr__genCsrPem(csr1|key1)",
        u"CkPrivateKey_SavePemFile(key1|" + files.PrivateKey + u".1.tmp)",
        u"CkFileAccess_Create()",
        u"CkFileAccess_WriteEntireTextFile(fac1|" + files.Request + u".1.tmp|REQUEST csr1 SIGNED BY key1|utf-8|0)",
        u"CkRsa__exportPublicKey(rsa1)",
        u"CkPublicKey_Create()",
        u"CkPublicKey_LoadFromString(pub1|PUBLIC KEY OF rsa1)",
        u"CkPublicKey_SavePemFile(pub1|0|" + files.PublicKey + u".1.tmp)",
        u"CkRsa_Dispose(rsa1)",
        u"CkCsr_Dispose(csr1)",
        u"CkFileAccess_Dispose(fac1)",
    };
    EXPECT_EQ(RecordingLibrary::Log(), expected);
    EXPECT_EQ(ReadBytes(files.PrivateKey), "PRIVATE KEY key1");
    EXPECT_EQ(ReadBytes(files.Request), "REQUEST csr1 SIGNED BY key1");
    EXPECT_EQ(ReadBytes(files.PublicKey), "PUBLIC KEY pub1");
    EXPECT_EQ(Folder.Files().size(), 3u);

    // The folder is opened as the file, with no owner and no working directory.
    ASSERT_EQ(Shell.Requests.size(), 1u);
    const TShellRequest& open = Shell.Requests[0];
    EXPECT_EQ(open.Owner, nullptr);
    EXPECT_EQ(open.Verb, u"open");
    EXPECT_EQ(open.File, Folder.Path());
    EXPECT_EQ(open.Parameters, u"");
    EXPECT_EQ(open.Directory, u"");
    EXPECT_EQ(open.ShowCommand, SW_SHOWNORMAL);
}

TEST_F(CsrService, SubjectAttributesReachTheLibraryInTheMapOrderOfEachPersonType)
{
    const String cn = u"Name [Stamp]", email = u"1.2.840.113549.1.9.1";
    const std::vector<String> type1 = {
        Field(u"2.5.4.42", u"Given"),    Field(u"2.5.4.11", u"Unit"),     Field(u"2.5.4.8", u"Province"),
        Field(u"2.5.4.3", cn),           Field(u"2.5.4.5", u"0123456789"), Field(u"2.5.4.7", u" City "),
        Field(email, u"a@b.ir"),         Field(u"2.5.4.10", Persian),      Field(u"2.5.4.4", u"Surname"),
        Field(u"2.5.4.6", u"IR"),
    };
    const std::vector<String> type2 = {
        Field(u"2.5.4.42", u"Given"),    Field(u"2.5.4.11", u"Unit"),    Field(u"2.5.4.8", u"Province"),
        Field(u"2.5.4.97", u""),         Field(u"2.5.4.3", cn),          Field(u"2.5.4.5", u"0123456789"),
        Field(u"2.5.4.7", u" City "),    Field(email, u"a@b.ir"),        Field(u"2.5.4.10", Persian),
        Field(u"2.5.4.12", u"Role"),     Field(u"2.5.4.4", u"Surname"),  Field(u"2.5.4.6", u"IR"),
    };
    const std::vector<String> type4 = {
        Field(u"2.5.4.42", u"Given"), Field(u"2.5.4.11", u"Unit"),     Field(u"2.5.4.8", u"Province"),
        Field(u"2.5.4.3", cn),        Field(u"2.5.4.5", u"0123456789"), Field(u"2.5.4.7", u" City "),
        Field(u"2.5.4.10", Persian),  Field(u"2.5.4.4", u"Surname"),    Field(u"2.5.4.6", u"IR"),
    };
    const std::vector<String> type6 = {
        Field(u"2.5.4.11", u"Unit"), Field(u"2.5.4.10", Persian),         Field(email, u"a@b.ir"),
        Field(u"2.5.4.3", cn),       Field(u"2.5.4.5", u"0123456789"),    Field(u"2.5.4.6", u"IR"),
    };
    const std::vector<String> none;
    const std::pair<Byte, const std::vector<String>*> cases[] = {
        {1, &type1}, {2, &type2}, {3, &type2}, {4, &type4}, {5, &type4}, {6, &type6}, {0, &none}, {7, &none},
    };
    for (const auto& [personType, expected] : cases) {
        SCOPED_TRACE(personType);
        RecordingLibrary::Reset();
        TCSRService().GenerateCsr(Model(personType), Folder.Path());
        EXPECT_EQ(SubjectCalls(RecordingLibrary::Log()), *expected);
    }
}

TEST_F(CsrService, CommonNameCarriesTheStampOnce)
{
    const std::pair<String, String> cases[] = {
        {u"ABC", u"ABC [Stamp]"},
        {u"ABC[Stamp]", u"ABC[Stamp]"},
        {u"[Stamp] ABC", u"[Stamp] ABC"},
        {u"ABC [stamp]", u"ABC [stamp] [Stamp]"},
        {u"", u" [Stamp]"},
    };
    for (const auto& [typed, sent] : cases) {
        RecordingLibrary::Reset();
        TCsrModel model = Model(6);
        model.SetCommonName(typed);
        TCSRService().GenerateCsr(model, Folder.Path());
        EXPECT_EQ(SubjectCalls(RecordingLibrary::Log()).at(3), Field(u"2.5.4.3", sent));
    }
}

TEST(CsrOutputFiles, FolderAndSerialNumberJoinWithOneBackslash)
{
    const TCsrOutputFiles files = TCSRService::OutputFiles(u"D:\\keys", u"0123456789");
    EXPECT_EQ(files.PrivateKey, u"D:\\keys\\0123456789_private_key.txt");
    EXPECT_EQ(files.Request, u"D:\\keys\\0123456789_csr_key.txt");
    EXPECT_EQ(files.PublicKey, u"D:\\keys\\0123456789_publick_key.txt");
    EXPECT_EQ(TCSRService::OutputFiles(u"D:\\", u" 12 ").Request, u"D:\\\\ 12 _csr_key.txt");
}

TEST(CsrOutputFiles, SerialNumbersThatCannotBePartOfAFileName)
{
    const std::pair<String, bool> cases[] = {
        {u"0123456789", true},       {u" 0123456789", true},  {u"\u06F1\u06F2\u06F3", true}, {u"a.b", true},
        {u"a\\b", false},            {u"a/b", false},         {u"a:b", false},               {u"a*b", false},
        {u"a?b", false},             {u"a\"b", false},        {u"a<b", false},               {u"a>b", false},
        {u"a|b", false},             {u"a\tb", false},        {String(u"a\0b", 3), false},   {u"a\x1F", false},
        // The fixed suffix follows: a trailing dot or space is not the end of the file name.
        {u"0123456789.", true},      {u"0123456789 ", true},  {u"..", true},
    };
    for (const auto& [serial, usable] : cases)
        EXPECT_EQ(TCSRService::IsUsableInFileName(serial), usable) << ToUtf8(serial);
}

TEST_F(CsrService, ExistingOutputFilesNamesThoseAlreadyInTheFolder)
{
    const TCsrOutputFiles files = TCSRService::OutputFiles(Folder.Path(), u"0123456789");
    EXPECT_TRUE(TCSRService::ExistingOutputFiles(Folder.Path(), u"0123456789").empty());
    WriteBytes(files.PublicKey, "old");
    WriteBytes(files.PrivateKey, "old");
    WriteBytes(Folder.Path() + u"\\9999999999_csr_key.txt", "other identifier");
    EXPECT_EQ(TCSRService::ExistingOutputFiles(Folder.Path(), u"0123456789"),
              (std::vector<String>{files.PrivateKey, files.PublicKey}));
}

// Every library result is checked: the run stops at the first failure, disposes of what it
// created, removes what it wrote, opens no folder and says which step failed for which file.
TEST_F(CsrService, AFailedLibraryStepStopsTheRunAndLeavesNoFiles)
{
    const TCsrOutputFiles files = TCSRService::OutputFiles(Folder.Path(), u"0123456789");
    const String rsa = u"CkRsa_Dispose(rsa1)", csr = u"CkCsr_Dispose(csr1)", fac = u"CkFileAccess_Dispose(fac1)";
    struct Case {
        String entry;
        TCsrStep step;
        String file;
        std::vector<String> disposals;
    };
    const Case cases[] = {
        {u"CkRsa_Create", TCsrStep::CreateRsa, files.PrivateKey, {}},
        {u"CkRsa_GenerateKey", TCsrStep::GenerateKey, files.PrivateKey, {rsa}},
        {u"CkRsa_ExportPrivateKeyObj", TCsrStep::ExportPrivateKey, files.PrivateKey, {rsa}},
        {u"CkCsr_Create", TCsrStep::CreateRequest, files.Request, {rsa}},
        {u"CkCsr_SetSubjectField", TCsrStep::SetSubjectField, files.Request, {rsa, csr}},
        {u"CkCsr__genCsrPem", TCsrStep::SignRequest, files.Request, {rsa, csr}},
        {u"CkPrivateKey_SavePemFile", TCsrStep::SavePrivateKey, files.PrivateKey, {rsa, csr}},
        {u"CkFileAccess_Create", TCsrStep::CreateFileAccess, files.Request, {rsa, csr}},
        {u"CkFileAccess_WriteEntireTextFile", TCsrStep::WriteRequest, files.Request, {rsa, csr, fac}},
        {u"CkRsa__exportPublicKey", TCsrStep::ExportPublicKey, files.PublicKey, {rsa, csr, fac}},
        {u"CkPublicKey_Create", TCsrStep::CreatePublicKey, files.PublicKey, {rsa, csr, fac}},
        {u"CkPublicKey_LoadFromString", TCsrStep::LoadPublicKey, files.PublicKey, {rsa, csr, fac}},
        {u"CkPublicKey_SavePemFile", TCsrStep::SavePublicKey, files.PublicKey, {rsa, csr, fac}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(ToUtf8(c.entry));
        RecordingLibrary::Reset();
        RecordingLibrary::Fail(c.entry);
        try {
            TCSRService().GenerateCsr(Model(1), Folder.Path());
            ADD_FAILURE() << "no exception";
        } catch (const ECsrGenerationError& e) {
            EXPECT_EQ(e.Step(), c.step);
            EXPECT_EQ(e.FileName(), c.file);
            EXPECT_TRUE(e.Message().ends_with(u": " + c.file)) << e.what();
        }
        std::vector<String> log = RecordingLibrary::Log();
        ASSERT_GT(log.size(), c.disposals.size());
        EXPECT_TRUE(log[log.size() - c.disposals.size() - 1].starts_with(c.entry + u"("));
        EXPECT_EQ(std::vector<String>(log.end() - static_cast<std::ptrdiff_t>(c.disposals.size()), log.end()),
                  c.disposals);
        EXPECT_TRUE(Folder.Files().empty());
        EXPECT_TRUE(Shell.Requests.empty());
    }
}

// Replacing an earlier set (the user said yes): a run that fails at any step leaves exactly the
// earlier three files; one that succeeds replaces all three with a set that belongs together.
TEST_F(CsrService, EarlierFilesAreReplacedTogetherOrNotAtAll)
{
    const TCsrOutputFiles files = TCSRService::OutputFiles(Folder.Path(), u"0123456789");
    const std::pair<const String*, std::string> earlier[] = {
        {&files.PrivateKey, "earlier private key"}, {&files.Request, "earlier request"}, {&files.PublicKey, "earlier public key"}};
    const auto expectEarlierSet = [&] {
        EXPECT_EQ(Folder.Files().size(), 3u);
        for (const auto& [file, bytes] : earlier)
            EXPECT_EQ(ReadBytes(*file), bytes);
    };
    for (const auto& [file, bytes] : earlier)
        WriteBytes(*file, bytes);

    for (const char16_t* entry : {u"CkRsa_Create", u"CkRsa_GenerateKey", u"CkRsa_ExportPrivateKeyObj", u"CkCsr_Create",
                                  u"CkCsr_SetSubjectField", u"CkCsr__genCsrPem", u"CkPrivateKey_SavePemFile",
                                  u"CkFileAccess_Create", u"CkFileAccess_WriteEntireTextFile", u"CkRsa__exportPublicKey",
                                  u"CkPublicKey_Create", u"CkPublicKey_LoadFromString", u"CkPublicKey_SavePemFile"}) {
        SCOPED_TRACE(ToUtf8(entry));
        RecordingLibrary::Reset();
        RecordingLibrary::Fail(entry);
        EXPECT_THROW(TCSRService().GenerateCsr(Model(1), Folder.Path()), ECsrGenerationError);
        expectEarlierSet();
    }

    // A file that cannot be set aside (held open by another program) stops the replacement after
    // the other two were set aside: they come back.
    HANDLE held = CreateFileW(WidePtr(files.PublicKey), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    RecordingLibrary::Reset();
    try {
        TCSRService().GenerateCsr(Model(1), Folder.Path());
        ADD_FAILURE() << "no exception";
    } catch (const ECsrGenerationError& e) {
        EXPECT_EQ(e.Step(), TCsrStep::ReplaceFiles);
        EXPECT_EQ(e.FileName(), files.PublicKey);
    }
    CloseHandle(held);
    expectEarlierSet();
    EXPECT_TRUE(Shell.Requests.empty());

    RecordingLibrary::Reset();
    TCSRService().GenerateCsr(Model(1), Folder.Path());
    EXPECT_EQ(Folder.Files().size(), 3u);
    EXPECT_EQ(ReadBytes(files.PrivateKey), "PRIVATE KEY key1");
    EXPECT_EQ(ReadBytes(files.Request), "REQUEST csr1 SIGNED BY key1");
    EXPECT_EQ(ReadBytes(files.PublicKey), "PUBLIC KEY pub1");
}

TEST_F(CsrService, ASerialNumberThatCannotBeAFileNameIsRefusedBeforeAnyLibraryCall)
{
    for (const String serial : {u"..\\..\\outside", u"a/b", u"0123456789\x01"}) {
        try {
            TCSRService().GenerateCsr(Model(1, serial), Folder.Path());
            ADD_FAILURE() << "no exception";
        } catch (const ECsrGenerationError& e) {
            EXPECT_EQ(e.Step(), TCsrStep::CheckFileName);
            EXPECT_EQ(e.FileName(), TCSRService::OutputFiles(Folder.Path(), serial).PrivateKey);
        }
    }
    EXPECT_TRUE(RecordingLibrary::Log().empty());
    EXPECT_TRUE(Shell.Requests.empty());
}
