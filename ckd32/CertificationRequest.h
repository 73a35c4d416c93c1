#pragma once
// PKCS#10 certification requests signed with sha256WithRSAEncryption.
#include "Bytes.h"

// CertificationRequestInfo: version 0, the subject name, the key and an empty attribute set.
Bytes EncodeRequestInfo(ByteView name, ByteView subjectPublicKeyInfo);
// The signed request around the encoded info and its PKCS#1 v1.5 SHA-256 signature.
Bytes EncodeRequest(ByteView requestInfo, ByteView signature);
