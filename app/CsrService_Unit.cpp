#include "CsrService_Unit.h"

#include <windows.h>

#include "Csr.h"
#include "FileAccess.h"
#include "FileSetReplacement.h"
#include "PrivateKey.h"
#include "PublicKey.h"
#include "Rsa.h"
#include "ShellLauncher.h"
#include "WideText.h"

namespace {

constexpr std::int32_t KeySizeInBits = 2048;

String StepText(TCsrStep step)
{
    switch (step) {
    case TCsrStep::CheckFileName:
        return u"The national identifier cannot be part of a file name";
    case TCsrStep::CreateRsa:
        return u"Creating the RSA object failed";
    case TCsrStep::GenerateKey:
        return u"Generating the RSA key pair failed";
    case TCsrStep::ExportPrivateKey:
        return u"Exporting the private key failed";
    case TCsrStep::CreateRequest:
        return u"Creating the request failed";
    case TCsrStep::SetSubjectField:
        return u"Setting a subject attribute of the request failed";
    case TCsrStep::SignRequest:
        return u"Signing the request failed";
    case TCsrStep::SavePrivateKey:
        return u"Saving the private key failed";
    case TCsrStep::CreateFileAccess:
        return u"Creating the file writer failed";
    case TCsrStep::WriteRequest:
        return u"Writing the request failed";
    case TCsrStep::ExportPublicKey:
        return u"Exporting the public key failed";
    case TCsrStep::CreatePublicKey:
        return u"Creating the public key object failed";
    case TCsrStep::LoadPublicKey:
        return u"Loading the public key failed";
    case TCsrStep::SavePublicKey:
        return u"Saving the public key failed";
    case TCsrStep::PrepareFiles:
        return u"Creating a file in the folder failed";
    case TCsrStep::ReplaceFiles:
        return u"Putting the new files in place failed";
    }
    return u"Generation failed";
}

// Person types as bits: bit n stands for type n.
constexpr unsigned TypesAll = 0b1111110;
constexpr unsigned TypesWithEmail = 0b1001110;
constexpr unsigned TypesWithName = 0b0111110;
constexpr unsigned TypesWithTitle = 0b0001100;

const String Stamp = u"[Stamp]";

String StampedCommonName(const TCsrModel& model)
{
    const String& name = model.CommonName();
    return name.find(Stamp) != String::npos ? name : name + u" " + Stamp;
}

struct TSubjectAttribute {
    const char16_t* Oid;
    String (*Value)(const TCsrModel&);
    unsigned PersonTypes;
};

// In the order of insertion; the map decides the order in which the library receives them.
const TSubjectAttribute SubjectAttributes[] = {
    {u"2.5.4.6", [](const TCsrModel& m) { return m.Country(); }, TypesAll},
    {u"2.5.4.10", [](const TCsrModel& m) { return m.Organization(); }, TypesAll},
    {u"2.5.4.11", [](const TCsrModel& m) { return m.OrganizationUnit(); }, TypesAll},
    {u"2.5.4.3", StampedCommonName, TypesAll},
    {u"1.2.840.113549.1.9.1", [](const TCsrModel& m) { return m.EmailAddress(); }, TypesWithEmail},
    {u"2.5.4.5", [](const TCsrModel& m) { return m.SerialNumber(); }, TypesAll},
    {u"2.5.4.4", [](const TCsrModel& m) { return m.Surname(); }, TypesWithName},
    {u"2.5.4.42", [](const TCsrModel& m) { return m.GivenName(); }, TypesWithName},
    {u"2.5.4.8", [](const TCsrModel& m) { return m.Province(); }, TypesWithName},
    {u"2.5.4.7", [](const TCsrModel& m) { return m.City(); }, TypesWithName},
    {u"2.5.4.12", [](const TCsrModel& m) { return m.SubjectRole(); }, TypesWithTitle},
    {u"2.5.4.97", [](const TCsrModel& m) { return m.OrganizationIdentifier(); }, TypesWithTitle},
};

} // namespace

ECsrGenerationError::ECsrGenerationError(TCsrStep step, String fileName)
    : Exception(StepText(step) + u": " + fileName), FStep(step), FFileName(std::move(fileName))
{
}

TCsrOutputFiles TCSRService::OutputFiles(const String& path, const String& serialNumber)
{
    String stem = path + u"\\" + serialNumber;
    return {stem + u"_private_key.txt", stem + u"_csr_key.txt", stem + u"_publick_key.txt"};
}

std::vector<String> TCSRService::ExistingOutputFiles(const String& path, const String& serialNumber)
{
    TCsrOutputFiles files = OutputFiles(path, serialNumber);
    std::vector<String> existing;
    for (const String* file : {&files.PrivateKey, &files.Request, &files.PublicKey}) {
        if (GetFileAttributesW(WidePtr(*file)) != INVALID_FILE_ATTRIBUTES)
            existing.push_back(*file);
    }
    return existing;
}

bool TCSRService::IsUsableInFileName(const String& serialNumber)
{
    for (Char c : serialNumber) {
        if (c < 0x20 || String(u"\\/:*?\"<>|").find(c) != String::npos)
            return false;
    }
    return true;
}

TDictionary<String, String> TCSRService::BuildSubject(const TCsrModel& csr_model)
{
    TSubject subject;
    unsigned typeBit = csr_model.PersonType() < 8 ? 1u << csr_model.PersonType() : 0u;
    for (const auto& attribute : SubjectAttributes) {
        if (attribute.PersonTypes & typeBit)
            subject.Add(attribute.Oid, attribute.Value(csr_model));
    }
    return subject;
}

void TCSRService::GenerateCsr(const TCsrModel& csr_model, const String& path)
{
    const TCsrOutputFiles files = OutputFiles(path, csr_model.SerialNumber());
    if (!IsUsableInFileName(csr_model.SerialNumber()))
        Fail(TCsrStep::CheckFileName, files.PrivateKey);
    // The three files are written under temporary names and replace an earlier set only together:
    // a failure at any step leaves the folder as it was.
    TFileSetReplacement replacement({files.PrivateKey, files.Request, files.PublicKey});

    ck_rsa = CkRsa_Create();
    if (!ck_rsa)
        Fail(TCsrStep::CreateRsa, files.PrivateKey);
    ck_state = CkRsa_GenerateKey(ck_rsa, KeySizeInBits) != 0;
    const TSubject subject = BuildSubject(csr_model);
    if (!ck_state)
        Fail(TCsrStep::GenerateKey, files.PrivateKey);
    ck_key = CkRsa_ExportPrivateKeyObj(ck_rsa);
    if (!ck_key)
        Fail(TCsrStep::ExportPrivateKey, files.PrivateKey);

    ck_csr = CkCsr_Create();
    if (!ck_csr)
        Fail(TCsrStep::CreateRequest, files.Request);
    for (const auto& attribute : subject) {
        if (!CkCsr_SetSubjectField(ck_csr, WidePtr(attribute.Key), WidePtr(attribute.Value), L"UTF8String"))
            Fail(TCsrStep::SetSubjectField, files.Request);
    }
    ck_pem = FromWidePtr(CkCsr_genCsrPem(ck_csr, ck_key));
    if (ck_pem.empty())
        Fail(TCsrStep::SignRequest, files.Request);

    if (std::optional<String> refused = replacement.Prepare())
        Fail(TCsrStep::PrepareFiles, *refused);
    const String& privateKeyFile = replacement.TemporaryName(0);
    const String& requestFile = replacement.TemporaryName(1);
    const String& publicKeyFile = replacement.TemporaryName(2);
    if (!CkPrivateKey_SavePemFile(ck_key, WidePtr(privateKeyFile)))
        Fail(TCsrStep::SavePrivateKey, files.PrivateKey);

    ck_fac = CkFileAccess_Create();
    if (!ck_fac)
        Fail(TCsrStep::CreateFileAccess, files.Request);
    if (!CkFileAccess_WriteEntireTextFile(ck_fac, WidePtr(requestFile), WidePtr(ck_pem), L"utf-8", 0))
        Fail(TCsrStep::WriteRequest, files.Request);

    const String publicKeyText = FromWidePtr(CkRsa_exportPublicKey(ck_rsa));
    if (publicKeyText.empty())
        Fail(TCsrStep::ExportPublicKey, files.PublicKey);
    ck_pair = CkPublicKey_Create();
    if (!ck_pair)
        Fail(TCsrStep::CreatePublicKey, files.PublicKey);
    if (!CkPublicKey_LoadFromString(ck_pair, WidePtr(publicKeyText)))
        Fail(TCsrStep::LoadPublicKey, files.PublicKey);
    if (!CkPublicKey_SavePemFile(ck_pair, 0, WidePtr(publicKeyFile)))
        Fail(TCsrStep::SavePublicKey, files.PublicKey);
    if (std::optional<String> refused = replacement.Commit())
        Fail(TCsrStep::ReplaceFiles, *refused);

    DisposeObjects();
    // The folder itself is the file to open: the form the shell documents for opening a folder.
    LaunchShell({nullptr, u"open", path, u"", u"", SW_SHOWNORMAL});
}

void TCSRService::Fail(TCsrStep step, const String& fileName)
{
    DisposeObjects();
    throw ECsrGenerationError(step, fileName);
}

// The library offers no dispose for the private and public key objects.
void TCSRService::DisposeObjects()
{
    if (void* rsa = std::exchange(ck_rsa, nullptr))
        CkRsa_Dispose(rsa);
    if (void* csr = std::exchange(ck_csr, nullptr))
        CkCsr_Dispose(csr);
    if (void* fac = std::exchange(ck_fac, nullptr))
        CkFileAccess_Dispose(fac);
}
