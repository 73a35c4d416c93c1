// The entry points. No exception crosses the library boundary: each call turns one into its failure result.
#include "Ckd32.h"

#include "AtomicFile.h"
#include "CertificationRequest.h"
#include "CngRsa.h"
#include "HandleTable.h"
#include "Pem.h"
#include "SubjectName.h"
#include "TextCharset.h"
#include "Utf8.h"

#include <string>
#include <string_view>

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the library speaks UTF-16");

namespace {

constexpr std::int32_t kMinimumKeyBits = 1024;
constexpr std::int32_t kMaximumKeyBits = 8192;
constexpr std::uint8_t kExponent65537[] = {0x01, 0x00, 0x01};

std::u16string_view View(const wchar_t* text)
{
    if (!text)
        return {};
    return std::u16string_view(reinterpret_cast<const char16_t*>(text));
}

// Stores PEM text as the object's text result and hands out the pointer the caller copies from.
const wchar_t* TextResult(std::u16string& holder, const Bytes& asciiPem)
{
    holder.assign(asciiPem.begin(), asciiPem.end());
    return reinterpret_cast<const wchar_t*>(holder.c_str());
}

template <class Result, class Body>
Result Guarded(Result failure, Body body) noexcept
{
    try {
        return body();
    } catch (...) {
        return failure;
    }
}

template <class T>
T* Find(void* handle) { return HandleTable::Instance().Find<T>(handle); }

template <class T>
void* Create() noexcept
{
    return Guarded<void*>(nullptr, [] { return HandleTable::Instance().Add(std::make_unique<T>()); });
}

template <class T>
void Dispose(void* handle) noexcept
{
    Guarded<bool>(false, [handle] { return HandleTable::Instance().Remove<T>(handle); });
}

std::optional<RsaPrivateKey> KeyOf(const Bytes& blob)
{
    return blob.empty() ? std::nullopt : ParseCngFullPrivateBlob(blob);
}

bool SavePem(std::u16string_view path, std::string_view label, const Bytes& der)
{
    return WriteFileAtomically(path, PemEncode(label, der));
}

} // namespace

extern "C" {

void* __stdcall CkRsa_Create() { return Create<RsaObject>(); }

void __stdcall CkRsa_Dispose(void* rsa) { Dispose<RsaObject>(rsa); }

std::uint16_t __stdcall CkRsa_GenerateKey(void* rsa, std::int32_t bits)
{
    return Guarded<std::uint16_t>(0, [&]() -> std::uint16_t {
        auto* object = Find<RsaObject>(rsa);
        if (!object || bits < kMinimumKeyBits || bits > kMaximumKeyBits)
            return 0;
        auto blob = GenerateRsaKeyBlob(static_cast<unsigned>(bits));
        auto key = blob ? ParseCngFullPrivateBlob(*blob) : std::nullopt;
        if (!key || ModulusBits(key->publicKey) != static_cast<std::size_t>(bits) ||
            key->publicKey.publicExponent != Bytes(std::begin(kExponent65537), std::end(kExponent65537)))
            return 0;
        object->keyBlob = std::move(*blob);
        return 1;
    });
}

void* __stdcall CkRsa_ExportPrivateKeyObj(void* rsa)
{
    return Guarded<void*>(nullptr, [&]() -> void* {
        auto* object = Find<RsaObject>(rsa);
        if (!object || object->keyBlob.empty())
            return nullptr;
        auto key = std::make_unique<PrivateKeyObject>();
        key->keyBlob = object->keyBlob;
        return HandleTable::Instance().Add(std::move(key));
    });
}

const wchar_t* __stdcall CkRsa__exportPublicKey(void* rsa)
{
    return Guarded<const wchar_t*>(nullptr, [&]() -> const wchar_t* {
        auto* object = Find<RsaObject>(rsa);
        auto key = object ? KeyOf(object->keyBlob) : std::nullopt;
        if (!key)
            return nullptr;
        return TextResult(object->publicKeyText, PemEncode("PUBLIC KEY", EncodeSubjectPublicKeyInfo(key->publicKey)));
    });
}

void* __stdcall CkCsr_Create() { return Create<CsrObject>(); }

void __stdcall CkCsr_Dispose(void* csr) { Dispose<CsrObject>(csr); }

std::int32_t __stdcall CkCsr_SetSubjectField(void* csr, const wchar_t* oid, const wchar_t* value,
                                             const wchar_t* stringType)
{
    return Guarded<std::int32_t>(0, [&]() -> std::int32_t {
        auto* object = Find<CsrObject>(csr);
        auto attribute = object ? EncodeSubjectAttribute(View(oid), View(value), View(stringType)) : std::nullopt;
        if (!attribute)
            return 0;
        object->subject.push_back(std::move(*attribute));
        return 1;
    });
}

const wchar_t* __stdcall CkCsr__genCsrPem(void* csr, void* privateKey)
{
    return Guarded<const wchar_t*>(nullptr, [&]() -> const wchar_t* {
        auto* object = Find<CsrObject>(csr);
        auto* signer = Find<PrivateKeyObject>(privateKey);
        auto key = signer ? KeyOf(signer->keyBlob) : std::nullopt;
        if (!object || !key)
            return nullptr;
        Bytes info = EncodeRequestInfo(EncodeName(object->subject), EncodeSubjectPublicKeyInfo(key->publicKey));
        auto signature = SignSha256Pkcs1(signer->keyBlob, info);
        if (!signature)
            return nullptr;
        return TextResult(object->pemText, PemEncode("CERTIFICATE REQUEST", EncodeRequest(info, *signature)));
    });
}

std::int32_t __stdcall CkPrivateKey_SavePemFile(void* privateKey, const wchar_t* path)
{
    return Guarded<std::int32_t>(0, [&]() -> std::int32_t {
        auto* object = Find<PrivateKeyObject>(privateKey);
        auto key = object ? KeyOf(object->keyBlob) : std::nullopt;
        return key && SavePem(View(path), "PRIVATE KEY", EncodePrivateKeyInfo(*key));
    });
}

void* __stdcall CkPublicKey_Create() { return Create<PublicKeyObject>(); }

std::int32_t __stdcall CkPublicKey_LoadFromString(void* publicKey, const wchar_t* text)
{
    return Guarded<std::int32_t>(0, [&]() -> std::int32_t {
        auto* object = Find<PublicKeyObject>(publicKey);
        auto ascii = Utf16ToAscii(View(text));
        if (!object || !ascii)
            return 0;
        std::optional<RsaPublicKey> key;
        if (auto spki = PemDecode(*ascii, "PUBLIC KEY"))
            key = DecodeSubjectPublicKeyInfo(*spki);
        else if (auto pkcs1 = PemDecode(*ascii, "RSA PUBLIC KEY"))
            key = DecodeRsaPublicKey(*pkcs1);
        if (!key)
            return 0;
        object->key = std::move(key);
        return 1;
    });
}

std::int32_t __stdcall CkPublicKey_SavePemFile(void* publicKey, std::uint32_t preferPkcs1, const wchar_t* path)
{
    return Guarded<std::int32_t>(0, [&]() -> std::int32_t {
        auto* object = Find<PublicKeyObject>(publicKey);
        if (!object || !object->key)
            return 0;
        // The caller's Boolean fills only the low byte of its 32-bit argument.
        if ((preferPkcs1 & 0xFF) != 0)
            return SavePem(View(path), "RSA PUBLIC KEY", EncodeRsaPublicKey(*object->key));
        return SavePem(View(path), "PUBLIC KEY", EncodeSubjectPublicKeyInfo(*object->key));
    });
}

void* __stdcall CkFileAccess_Create() { return Create<FileAccessObject>(); }

void __stdcall CkFileAccess_Dispose(void* fileAccess) { Dispose<FileAccessObject>(fileAccess); }

std::int32_t __stdcall CkFileAccess_WriteEntireTextFile(void* fileAccess, const wchar_t* path, const wchar_t* text,
                                                        const wchar_t* charset, std::uint32_t includePreamble)
{
    return Guarded<std::int32_t>(0, [&]() -> std::int32_t {
        // A 16-bit boolean widened to 32 bits: the upper half carries nothing.
        auto bytes = EncodeText(View(text), View(charset), (includePreamble & 0xFFFF) != 0);
        return Find<FileAccessObject>(fileAccess) && bytes && WriteFileAtomically(View(path), *bytes);
    });
}

} // extern "C"
