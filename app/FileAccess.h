#pragma once
// Forwarders to the file-access object of the crypto library.
#include <cstdint>

void* CkFileAccess_Create();
void CkFileAccess_Dispose(void* fileAccess);
// Writes the text in the named charset, with a byte-order mark only when includePreamble (a 16-bit
// boolean, passed widened to 32 bits) is set. Non-zero on success.
std::int32_t CkFileAccess_WriteEntireTextFile(void* fileAccess, const wchar_t* path, const wchar_t* text,
                                              const wchar_t* charset, std::uint16_t includePreamble);
