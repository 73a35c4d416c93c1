#pragma once
// RSA keys between the platform's key blobs and their DER forms (PKCS#1, PKCS#8, SubjectPublicKeyInfo).
#include "Bytes.h"

#include <optional>

struct RsaPublicKey {
    Bytes modulus;        // big-endian magnitudes
    Bytes publicExponent;
};

struct RsaPrivateKey {
    RsaPublicKey publicKey;
    Bytes privateExponent;
    Bytes prime1;
    Bytes prime2;
    Bytes exponent1;
    Bytes exponent2;
    Bytes coefficient;
};

// The key in a CNG "full private" blob (BCRYPT_RSAKEY_BLOB header, little-endian, magic "RSA3").
std::optional<RsaPrivateKey> ParseCngFullPrivateBlob(ByteView blob);
// The modulus length in bits, leading zero bytes ignored.
std::size_t ModulusBits(const RsaPublicKey& key);

Bytes EncodeRsaPublicKey(const RsaPublicKey& key);          // PKCS#1 RSAPublicKey
Bytes EncodeSubjectPublicKeyInfo(const RsaPublicKey& key);  // rsaEncryption with NULL parameters
Bytes EncodePrivateKeyInfo(const RsaPrivateKey& key);       // PKCS#8, unencrypted

std::optional<RsaPublicKey> DecodeRsaPublicKey(ByteView der);
std::optional<RsaPublicKey> DecodeSubjectPublicKeyInfo(ByteView der);
