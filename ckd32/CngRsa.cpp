#include "CngRsa.h"

#include <windows.h>
#include <bcrypt.h>

namespace {

class Algorithm {
public:
    explicit Algorithm(const wchar_t* name)
    {
        if (!BCRYPT_SUCCESS(BCryptOpenAlgorithmProvider(&FHandle, name, nullptr, 0)))
            FHandle = nullptr;
    }
    ~Algorithm()
    {
        if (FHandle)
            BCryptCloseAlgorithmProvider(FHandle, 0);
    }
    Algorithm(const Algorithm&) = delete;
    Algorithm& operator=(const Algorithm&) = delete;
    BCRYPT_ALG_HANDLE Get() const { return FHandle; }

private:
    BCRYPT_ALG_HANDLE FHandle = nullptr;
};

class Key {
public:
    Key() = default;
    ~Key()
    {
        if (FHandle)
            BCryptDestroyKey(FHandle);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    BCRYPT_KEY_HANDLE* Out() { return &FHandle; }
    BCRYPT_KEY_HANDLE Get() const { return FHandle; }

private:
    BCRYPT_KEY_HANDLE FHandle = nullptr;
};

std::optional<Bytes> ExportFullPrivateBlob(BCRYPT_KEY_HANDLE key)
{
    ULONG size = 0;
    if (!BCRYPT_SUCCESS(BCryptExportKey(key, nullptr, BCRYPT_RSAFULLPRIVATE_BLOB, nullptr, 0, &size, 0)))
        return std::nullopt;
    Bytes blob(size);
    if (!BCRYPT_SUCCESS(BCryptExportKey(key, nullptr, BCRYPT_RSAFULLPRIVATE_BLOB, blob.data(), size, &size, 0)))
        return std::nullopt;
    blob.resize(size);
    return blob;
}

std::optional<Bytes> Sha256(ByteView data)
{
    Algorithm sha(BCRYPT_SHA256_ALGORITHM);
    Bytes digest(32);
    if (!sha.Get() || !BCRYPT_SUCCESS(BCryptHash(sha.Get(), nullptr, 0, const_cast<PUCHAR>(data.data()),
                                                 static_cast<ULONG>(data.size()), digest.data(),
                                                 static_cast<ULONG>(digest.size()))))
        return std::nullopt;
    return digest;
}

} // namespace

std::optional<Bytes> GenerateRsaKeyBlob(unsigned bits)
{
    Algorithm rsa(BCRYPT_RSA_ALGORITHM);
    Key key;
    if (!rsa.Get() || !BCRYPT_SUCCESS(BCryptGenerateKeyPair(rsa.Get(), key.Out(), bits, 0)) ||
        !BCRYPT_SUCCESS(BCryptFinalizeKeyPair(key.Get(), 0)))
        return std::nullopt;
    return ExportFullPrivateBlob(key.Get());
}

std::optional<Bytes> SignSha256Pkcs1(ByteView fullPrivateBlob, ByteView data)
{
    auto digest = Sha256(data);
    Algorithm rsa(BCRYPT_RSA_ALGORITHM);
    Key key;
    if (!digest || !rsa.Get() ||
        !BCRYPT_SUCCESS(BCryptImportKeyPair(rsa.Get(), nullptr, BCRYPT_RSAFULLPRIVATE_BLOB, key.Out(),
                                            const_cast<PUCHAR>(fullPrivateBlob.data()),
                                            static_cast<ULONG>(fullPrivateBlob.size()), 0)))
        return std::nullopt;
    BCRYPT_PKCS1_PADDING_INFO padding{BCRYPT_SHA256_ALGORITHM};
    ULONG size = 0;
    if (!BCRYPT_SUCCESS(BCryptSignHash(key.Get(), &padding, digest->data(), static_cast<ULONG>(digest->size()),
                                       nullptr, 0, &size, BCRYPT_PAD_PKCS1)))
        return std::nullopt;
    Bytes signature(size);
    if (!BCRYPT_SUCCESS(BCryptSignHash(key.Get(), &padding, digest->data(), static_cast<ULONG>(digest->size()),
                                       signature.data(), size, &size, BCRYPT_PAD_PKCS1)))
        return std::nullopt;
    signature.resize(size);
    return signature;
}
