// With no library anywhere: every forwarder raises, and every call tries all three ways again.
#include <gtest/gtest.h>

#include <functional>
#include <typeinfo>

#include "Csr.h"
#include "CsrService_Unit.h"
#include "FileAccess.h"
#include "LoaderSpy.h"
#include "PrivateKey.h"
#include "PublicKey.h"
#include "RecordingShellLauncher.h"
#include "Rsa.h"

namespace {

const String NotFound = u"Library not found: ckd32.dll";

void ExpectLibraryNotFound(const std::function<void()>& action)
{
    try {
        action();
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(typeid(e), typeid(Exception));
        EXPECT_EQ(e.Message(), NotFound);
    }
}

} // namespace

TEST(NoLibrary, EveryForwarderRaisesAndEveryCallTriesToLoadAgain)
{
    const std::function<void()> forwarders[] = {
        [] { CkRsa_Create(); },
        [] { CkRsa_Dispose(nullptr); },
        [] { CkRsa_GenerateKey(nullptr, 2048); },
        [] { CkRsa_ExportPrivateKeyObj(nullptr); },
        [] { CkRsa_exportPublicKey(nullptr); },
        [] { CkCsr_Create(); },
        [] { CkCsr_Dispose(nullptr); },
        [] { CkCsr_SetSubjectField(nullptr, L"2.5.4.6", L"IR", L"UTF8String"); },
        [] { CkCsr_genCsrPem(nullptr, nullptr); },
        [] { CkPrivateKey_SavePemFile(nullptr, L"C:\\x"); },
        [] { CkPublicKey_Create(); },
        [] { CkPublicKey_LoadFromString(nullptr, L"key"); },
        [] { CkPublicKey_SavePemFile(nullptr, 0, L"C:\\x"); },
        [] { CkFileAccess_Create(); },
        [] { CkFileAccess_Dispose(nullptr); },
        [] { CkFileAccess_WriteEntireTextFile(nullptr, L"C:\\x", L"text", L"utf-8", 0); },
    };
    const std::vector<String> attempts = {
        u"GetModuleHandle(ckd32.dll)", u"LoadLibrary(ckd32.dll)", u"GetModuleFileName(262)",
        u"LoadLibraryEx(" + ProgramFolder() + u"ckd32.dll|null|8)"};
    TLoaderSpy spy;
    for (int round = 0; round < 2; ++round) {
        for (const auto& forwarder : forwarders) {
            spy.Calls.clear();
            ExpectLibraryNotFound(forwarder);
            EXPECT_EQ(spy.Calls, attempts);
        }
    }
}

TEST(NoLibrary, GenerateCsrPassesTheErrorOnAndOpensNoFolder)
{
    TRecordingShellLauncher shell;
    TCsrModel model;
    model.SetSerialNumber(u"0123456789");
    model.SetPersonType(1);
    ExpectLibraryNotFound([&] { TCSRService().GenerateCsr(model, u"C:\\unused"); });
    EXPECT_TRUE(shell.Requests.empty());
}
