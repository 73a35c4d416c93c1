#pragma once
// Forwarder to the private-key object of the crypto library (the library offers no dispose for it).
#include <cstdint>

// Non-zero when the key was written to the file in PEM form.
std::int32_t CkPrivateKey_SavePemFile(void* privateKey, const wchar_t* path);
