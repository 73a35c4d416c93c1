// Against a stand-in that lacks CkCsr_Create: only that forwarder fails, and it keeps trying.
#include <gtest/gtest.h>

#include <typeinfo>

#include "Csr.h"
#include "CsrService_Unit.h"
#include "LoaderSpy.h"
#include "RecordingLibrary.h"
#include "RecordingShellLauncher.h"
#include "Rsa.h"

namespace {

const String Missing = u"Function not found: ckd32.dll.CkCsr_Create";

void ExpectMissingExport(const std::function<void()>& action)
{
    try {
        action();
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(typeid(e), typeid(Exception));
        EXPECT_EQ(e.Message(), Missing);
    }
}

} // namespace

TEST(MissingExport, OnlyThatForwarderRaisesAndItLooksUpAgainEachTime)
{
    RecordingLibrary::Reset();
    TLoaderSpy spy;
    for (int attempt = 0; attempt < 2; ++attempt) {
        spy.Calls.clear();
        ExpectMissingExport([] { CkCsr_Create(); });
        EXPECT_EQ(spy.Calls.back(), u"GetProcAddress(CkCsr_Create)");
    }
    EXPECT_NE(CkRsa_Create(), nullptr);
    spy.Calls.clear();
    EXPECT_NE(CkRsa_Create(), nullptr);
    EXPECT_TRUE(spy.Calls.empty());
}

// The binding's exception passes through the service; what was done stays done.
TEST(MissingExport, GenerateCsrPassesTheBindingErrorOnAndOpensNoFolder)
{
    RecordingLibrary::Reset();
    TRecordingShellLauncher shell;
    TCsrModel model;
    model.SetSerialNumber(u"0123456789");
    model.SetPersonType(6);
    ExpectMissingExport([&] { TCSRService().GenerateCsr(model, u"C:\\unused"); });
    EXPECT_EQ(RecordingLibrary::Log(), (std::vector<String>{u"CkRsa_Create()", u"CkRsa_GenerateKey(rsa1|2048)",
                                                            u"CkRsa_ExportPrivateKeyObj(rsa1)"}));
    EXPECT_TRUE(shell.Requests.empty());
}
