#pragma once
// Forwarders to the public-key object of the crypto library (the library offers no dispose for it).
#include <cstdint>

void* CkPublicKey_Create();
// Non-zero when the object now holds the key of that text.
std::int32_t CkPublicKey_LoadFromString(void* publicKey, const wchar_t* keyText);
// Non-zero when the key was written to the file in PEM form; preferPkcs1 is a 32-bit boolean.
std::int32_t CkPublicKey_SavePemFile(void* publicKey, std::int32_t preferPkcs1, const wchar_t* path);
