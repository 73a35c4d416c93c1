#pragma once
// Forwarders to the RSA object of the crypto library.
#include <cstdint>

void* CkRsa_Create();
void CkRsa_Dispose(void* rsa);
// A 16-bit boolean: non-zero when a key pair of that size now sits in the object.
std::uint16_t CkRsa_GenerateKey(void* rsa, std::int32_t bits);
void* CkRsa_ExportPrivateKeyObj(void* rsa);
// Entry point "CkRsa__exportPublicKey" (C++ reserves names with a double underscore). The text
// belongs to the library: copy it at once, never free it.
const wchar_t* CkRsa_exportPublicKey(void* rsa);
