// The loader and the forwarders against the recording stand-in lying beside this program.
#include <gtest/gtest.h>

#include "LoaderSpy.h"
#include "RecordingLibrary.h"
#include "Rsa.h"
#include "WideText.h"
#include "ckDllLoader.h"

namespace {

class Binding : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RecordingLibrary::Reset(); }
    void SetUp() override { UnloadDll(); }
    void TearDown() override { UnloadDll(); }

    TLoaderSpy Spy;
};

const String BesideProgram = u"LoadLibraryEx(" + ProgramFolder() + u"ckd32.dll|null|8)";

} // namespace

TEST_F(Binding, LoadTriesMappedModuleThenSearchPathThenProgramFolderAndCachesAHit)
{
    struct Case {
        bool refuseMapped, refuseSearchPath, refuseProgramFolder;
        std::vector<String> calls;
    };
    const Case cases[] = {
        {false, false, false, {u"GetModuleHandle(ckd32.dll)"}},
        {true, false, false, {u"GetModuleHandle(ckd32.dll)", u"LoadLibrary(ckd32.dll)"}},
        {true, true, false,
         {u"GetModuleHandle(ckd32.dll)", u"LoadLibrary(ckd32.dll)", u"GetModuleFileName(262)", BesideProgram}},
        {true, true, true,
         {u"GetModuleHandle(ckd32.dll)", u"LoadLibrary(ckd32.dll)", u"GetModuleFileName(262)", BesideProgram}},
    };
    const HMODULE library = GetModuleHandleW(L"ckd32.dll");
    ASSERT_NE(library, nullptr);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.calls.size());
        UnloadDll();
        Spy.RefuseMapped = c.refuseMapped;
        Spy.RefuseSearchPath = c.refuseSearchPath;
        Spy.RefuseProgramFolder = c.refuseProgramFolder;
        if (!c.refuseMapped)
            LoadLibraryW(L"ckd32.dll"); // the loader takes the mapped module over and releases it later
        Spy.Calls.clear();
        const bool found = !c.refuseProgramFolder;
        EXPECT_EQ(LoadDll(), found ? library : nullptr);
        EXPECT_EQ(Spy.Calls, c.calls);

        // A hit is kept; a miss is tried again in full.
        Spy.Calls.clear();
        EXPECT_EQ(LoadDll(), found ? library : nullptr);
        EXPECT_EQ(Spy.Calls, found ? std::vector<String>{} : c.calls);
    }
}

TEST_F(Binding, UnloadReleasesTheLibraryOnceAndTheNextUseLoadsAgain)
{
    Spy.RefuseMapped = true;
    ASSERT_NE(LoadDll(), nullptr);
    Spy.Calls.clear();
    UnloadDll();
    UnloadDll();
    EXPECT_EQ(Spy.Calls, std::vector<String>{u"FreeLibrary"});
    Spy.Calls.clear();
    EXPECT_NE(LoadDll(), nullptr);
    EXPECT_EQ(Spy.Calls, (std::vector<String>{u"GetModuleHandle(ckd32.dll)", u"LoadLibrary(ckd32.dll)"}));
}

TEST_F(Binding, ProgramFileNameIsTheRunningExecutable)
{
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    EXPECT_EQ(GetProgramFileName(), FromWidePtr(path));
}

TEST_F(Binding, AProgramPathLongerThanTheBufferIsCutAndTheProgramFolderMisses)
{
    const String longPath = u"C:\\" + String(300, u'a') + u"\\TavinCSRApp.exe";
    Spy.ProgramFileName = longPath;
    EXPECT_EQ(GetProgramFileName(), longPath.substr(0, 261));

    Spy.RefuseMapped = Spy.RefuseSearchPath = true;
    Spy.Calls.clear();
    EXPECT_EQ(LoadDll(), nullptr);
    EXPECT_EQ(Spy.Calls.back(), u"LoadLibraryEx(C:\\ckd32.dll|null|8)");
}

TEST_F(Binding, FirstForwarderCallLoadsAndLooksUpLaterCallsGoStraightThrough)
{
    Spy.RefuseMapped = true; // as on a first start, when nothing has mapped the library yet
    RecordingLibrary::Reset();
    void* first = CkRsa_Create();
    EXPECT_EQ(Spy.Calls, (std::vector<String>{u"GetModuleHandle(ckd32.dll)", u"LoadLibrary(ckd32.dll)",
                                              u"GetProcAddress(CkRsa_Create)"}));
    Spy.Calls.clear();
    void* second = CkRsa_Create();
    EXPECT_TRUE(Spy.Calls.empty());
    EXPECT_NE(first, second);
    EXPECT_EQ(RecordingLibrary::Log(), (std::vector<String>{u"CkRsa_Create()", u"CkRsa_Create()"}));
}
