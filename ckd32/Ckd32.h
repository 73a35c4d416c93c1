#pragma once
// The entry points of ckd32.dll, exported under these undecorated names (ckd32.def). All are __stdcall;
// text is null-terminated UTF-16, a null text argument reads as empty text. Handles are opaque: a null,
// unknown, disposed or other-kind handle makes the call fail without touching anything.
//
// Results: handles are null on failure. Text results are owned by the library and stay valid until the
// next call on the same object or its disposal; null on failure. CkRsa_GenerateKey returns a 16-bit
// boolean; every other call that has no result of its own returns a 32-bit success flag (non-zero on
// success). The boolean arguments read only their low bits: 16 for include-preamble, 8 for prefer-PKCS#1.
#include <cstdint>

extern "C" {

void* __stdcall CkRsa_Create();
void __stdcall CkRsa_Dispose(void* rsa);
// An RSA key pair of 1024 to 8192 bits, public exponent 65537, replacing any earlier one.
std::uint16_t __stdcall CkRsa_GenerateKey(void* rsa, std::int32_t bits);
// A new private-key object holding a copy of the RSA object's key.
void* __stdcall CkRsa_ExportPrivateKeyObj(void* rsa);
// The public key as "PUBLIC KEY" PEM (SubjectPublicKeyInfo).
const wchar_t* __stdcall CkRsa__exportPublicKey(void* rsa);

void* __stdcall CkCsr_Create();
void __stdcall CkCsr_Dispose(void* csr);
// Appends one subject attribute: dotted OID, value, "UTF8String", "PrintableString" or "IA5String".
std::int32_t __stdcall CkCsr_SetSubjectField(void* csr, const wchar_t* oid, const wchar_t* value,
                                             const wchar_t* stringType);
// The request signed with the private key, as "CERTIFICATE REQUEST" PEM.
const wchar_t* __stdcall CkCsr__genCsrPem(void* csr, void* privateKey);

// Unencrypted PKCS#8 "PRIVATE KEY" PEM.
std::int32_t __stdcall CkPrivateKey_SavePemFile(void* privateKey, const wchar_t* path);

void* __stdcall CkPublicKey_Create();
// Accepts "PUBLIC KEY" and "RSA PUBLIC KEY" PEM; a failed load leaves the object as it was.
std::int32_t __stdcall CkPublicKey_LoadFromString(void* publicKey, const wchar_t* text);
// "RSA PUBLIC KEY" (PKCS#1) when preferPkcs1 is true, else "PUBLIC KEY" (SubjectPublicKeyInfo).
std::int32_t __stdcall CkPublicKey_SavePemFile(void* publicKey, std::uint32_t preferPkcs1, const wchar_t* path);

void* __stdcall CkFileAccess_Create();
void __stdcall CkFileAccess_Dispose(void* fileAccess);
// Charset "utf-8", "utf-16" (little-endian) or "ansi" (the system code page), ignoring case; the
// byte-order mark only when includePreamble is true. Text that the charset cannot hold fails.
std::int32_t __stdcall CkFileAccess_WriteEntireTextFile(void* fileAccess, const wchar_t* path, const wchar_t* text,
                                                        const wchar_t* charset, std::uint32_t includePreamble);
}
