#pragma once
// Forwarders to the certificate signing request object of the crypto library.
#include <cstdint>

void* CkCsr_Create();
void CkCsr_Dispose(void* csr);
// Non-zero when the attribute was added to the request's subject.
std::int32_t CkCsr_SetSubjectField(void* csr, const wchar_t* oid, const wchar_t* value, const wchar_t* asnType);
// Entry point "CkCsr__genCsrPem" (C++ reserves names with a double underscore): the request in PEM
// form signed with the private key, or null. The text belongs to the library: copy it at once.
const wchar_t* CkCsr_genCsrPem(void* csr, void* privateKey);
