// A stand-in for the crypto library that records every call with its arguments, writes small
// marker files where the real library writes PEM files, and can be told to fail an entry point.
#include <windows.h>

#include <cstdint>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

struct TRecordedObject {
    std::wstring Name;
    std::wstring Text; // text handed out by the object; stays valid until the next reset
};

std::vector<std::wstring> Calls;
std::wstring LogText;
std::set<std::wstring> FailingEntries;
std::deque<TRecordedObject> Objects;
std::map<std::wstring, int> ObjectCounts;

std::wstring Text(const wchar_t* text)
{
    return text ? text : L"(null)";
}

std::wstring NameOf(void* handle)
{
    return handle ? static_cast<TRecordedObject*>(handle)->Name : L"(null)";
}

// Records the call; answers true when the test asked this entry point to fail.
bool Record(const wchar_t* entry, std::initializer_list<std::wstring> arguments)
{
    std::wstring call = std::wstring(entry) + L"(";
    bool first = true;
    for (const auto& argument : arguments) {
        call += (first ? L"" : L"|") + argument;
        first = false;
    }
    Calls.push_back(call + L")");
    return FailingEntries.count(entry) != 0;
}

void* NewObject(const std::wstring& kind)
{
    Objects.push_back({kind + std::to_wstring(++ObjectCounts[kind]), {}});
    return &Objects.back();
}

bool WriteUtf8File(const wchar_t* path, const std::wstring& text)
{
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size();
    CloseHandle(file);
    return ok;
}

const wchar_t* HandOut(void* owner, const std::wstring& text)
{
    auto* object = static_cast<TRecordedObject*>(owner);
    object->Text = text;
    return object->Text.c_str();
}

} // namespace

extern "C" {

void* WINAPI Recorded_CkRsa_Create()
{
    return Record(L"CkRsa_Create", {}) ? nullptr : NewObject(L"rsa");
}

void WINAPI Recorded_CkRsa_Dispose(void* rsa)
{
    Record(L"CkRsa_Dispose", {NameOf(rsa)});
}

// Answers a 16-bit boolean; a failure carries set high bits, which the caller must not look at.
std::uint32_t WINAPI Recorded_CkRsa_GenerateKey(void* rsa, std::int32_t bits)
{
    return Record(L"CkRsa_GenerateKey", {NameOf(rsa), std::to_wstring(bits)}) ? 0xFFFF0000u : 1u;
}

void* WINAPI Recorded_CkRsa_ExportPrivateKeyObj(void* rsa)
{
    return Record(L"CkRsa_ExportPrivateKeyObj", {NameOf(rsa)}) ? nullptr : NewObject(L"key");
}

const wchar_t* WINAPI Recorded_CkRsa_exportPublicKey(void* rsa)
{
    if (Record(L"CkRsa__exportPublicKey", {NameOf(rsa)}))
        return nullptr;
    return HandOut(rsa, L"PUBLIC KEY OF " + NameOf(rsa));
}

void* WINAPI Recorded_CkCsr_Create()
{
    return Record(L"CkCsr_Create", {}) ? nullptr : NewObject(L"csr");
}

void WINAPI Recorded_CkCsr_Dispose(void* csr)
{
    Record(L"CkCsr_Dispose", {NameOf(csr)});
}

std::int32_t WINAPI Recorded_CkCsr_SetSubjectField(void* csr, const wchar_t* oid, const wchar_t* value,
                                                    const wchar_t* asnType)
{
    return Record(L"CkCsr_SetSubjectField", {NameOf(csr), Text(oid), Text(value), Text(asnType)}) ? 0 : 1;
}

const wchar_t* WINAPI Recorded_CkCsr_genCsrPem(void* csr, void* privateKey)
{
    if (Record(L"CkCsr__genCsrPem", {NameOf(csr), NameOf(privateKey)}))
        return nullptr;
    return HandOut(csr, L"REQUEST " + NameOf(csr) + L" SIGNED BY " + NameOf(privateKey));
}

std::int32_t WINAPI Recorded_CkPrivateKey_SavePemFile(void* privateKey, const wchar_t* path)
{
    if (Record(L"CkPrivateKey_SavePemFile", {NameOf(privateKey), Text(path)}))
        return 0;
    return WriteUtf8File(path, L"PRIVATE KEY " + NameOf(privateKey));
}

void* WINAPI Recorded_CkPublicKey_Create()
{
    return Record(L"CkPublicKey_Create", {}) ? nullptr : NewObject(L"pub");
}

std::int32_t WINAPI Recorded_CkPublicKey_LoadFromString(void* publicKey, const wchar_t* keyText)
{
    return Record(L"CkPublicKey_LoadFromString", {NameOf(publicKey), Text(keyText)}) ? 0 : 1;
}

std::int32_t WINAPI Recorded_CkPublicKey_SavePemFile(void* publicKey, std::int32_t preferPkcs1, const wchar_t* path)
{
    if (Record(L"CkPublicKey_SavePemFile", {NameOf(publicKey), std::to_wstring(preferPkcs1), Text(path)}))
        return 0;
    return WriteUtf8File(path, L"PUBLIC KEY " + NameOf(publicKey));
}

void* WINAPI Recorded_CkFileAccess_Create()
{
    return Record(L"CkFileAccess_Create", {}) ? nullptr : NewObject(L"fac");
}

void WINAPI Recorded_CkFileAccess_Dispose(void* fileAccess)
{
    Record(L"CkFileAccess_Dispose", {NameOf(fileAccess)});
}

std::int32_t WINAPI Recorded_CkFileAccess_WriteEntireTextFile(void* fileAccess, const wchar_t* path,
                                                               const wchar_t* text, const wchar_t* charset,
                                                               std::uint32_t includePreamble)
{
    if (Record(L"CkFileAccess_WriteEntireTextFile",
               {NameOf(fileAccess), Text(path), Text(text), Text(charset), std::to_wstring(includePreamble)}))
        return 0;
    return WriteUtf8File(path, Text(text));
}

// Test control: forget the calls, the failures and the objects.
void WINAPI RecordingReset()
{
    Calls.clear();
    FailingEntries.clear();
    Objects.clear();
    ObjectCounts.clear();
}

// Test control: the calls so far, one per line, as Entry(argument|argument...).
const wchar_t* WINAPI RecordingLog()
{
    LogText.clear();
    for (const auto& call : Calls)
        LogText += call + L"\n";
    return LogText.c_str();
}

// Test control: the named entry point reports failure from now on (null handle or text, zero flag).
void WINAPI RecordingFail(const wchar_t* entry)
{
    FailingEntries.insert(entry);
}

} // extern "C"
