// Times the tool's whole generation through ckd32.dll: key pair, request, and the three files.
// Usage: Ckd32Bench <runs> <folder>. Prints one line per run: "ckd32 <milliseconds>".
// bench/ckd32_bench.sh runs it beside OpenSSL on the host and prints the medians.
#include "Ckd32Library.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

struct Field {
    const wchar_t* oid;
    const wchar_t* value;
};

// Holder type 1 in the order the tool's service hands the attributes over.
const Field kSubject[] = {
    {L"2.5.4.42", L"علی"}, {L"2.5.4.11", L"شرکت نمونه"}, {L"2.5.4.8", L"تهران"},
    {L"2.5.4.3", L"علی رضایی [Stamp]"}, {L"2.5.4.5", L"0012345671"}, {L"2.5.4.7", L"تهران"},
    {L"1.2.840.113549.1.9.1", L"ali@example.ir"}, {L"2.5.4.10", L"مستقل"}, {L"2.5.4.4", L"رضایی"},
    {L"2.5.4.6", L"IR"},
};

bool GenerateOnce(const Ckd32Library& ck, const std::wstring& prefix)
{
    void* rsa = ck.CkRsa_Create();
    bool ok = (ck.CkRsa_GenerateKey(rsa, 2048) & 0xFFFF) != 0;
    void* key = ck.CkRsa_ExportPrivateKeyObj(rsa);
    void* csr = ck.CkCsr_Create();
    for (const Field& f : kSubject)
        ok = ck.CkCsr_SetSubjectField(csr, f.oid, f.value, L"UTF8String") && ok;
    const wchar_t* pemResult = ck.CkCsr__genCsrPem(csr, key);
    std::wstring pem = pemResult ? pemResult : L"";
    ok = ok && !pem.empty() && ck.CkPrivateKey_SavePemFile(key, (prefix + L"_private_key.txt").c_str());
    void* files = ck.CkFileAccess_Create();
    ok = ok && ck.CkFileAccess_WriteEntireTextFile(files, (prefix + L"_csr_key.txt").c_str(), pem.c_str(), L"utf-8", 0);
    void* pair = ck.CkPublicKey_Create();
    ok = ok && ck.CkPublicKey_LoadFromString(pair, ck.CkRsa__exportPublicKey(rsa)) &&
         ck.CkPublicKey_SavePemFile(pair, 0, (prefix + L"_publick_key.txt").c_str());
    ck.CkRsa_Dispose(rsa);
    ck.CkCsr_Dispose(csr);
    ck.CkFileAccess_Dispose(files);
    return ok;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: Ckd32Bench <runs> <folder>\n");
        return 2;
    }
    const int runs = std::wcstol(argv[1], nullptr, 10);
    const std::wstring prefix = std::wstring(argv[2]) + L"\\0012345671";
    Ckd32Library ck;
    if (!ck.AllEntriesFound()) {
        std::fprintf(stderr, "ckd32.dll or one of its entry points not found\n");
        return 1;
    }
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    for (int i = 0; i < runs; ++i) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        bool ok = GenerateOnce(ck, prefix);
        QueryPerformanceCounter(&end);
        if (!ok) {
            std::fprintf(stderr, "generation %d failed\n", i + 1);
            return 1;
        }
        std::printf("ckd32 %.3f\n", 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                                        static_cast<double>(frequency.QuadPart));
    }
    return 0;
}
