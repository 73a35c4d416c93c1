#pragma once
// RSA through the platform's CNG provider.
#include "Bytes.h"

#include <optional>

// A new key pair of `bits` with public exponent 65537, as a full private blob.
std::optional<Bytes> GenerateRsaKeyBlob(unsigned bits);
// The PKCS#1 v1.5 signature over the SHA-256 hash of `data` with the key of a full private blob.
std::optional<Bytes> SignSha256Pkcs1(ByteView fullPrivateBlob, ByteView data);
