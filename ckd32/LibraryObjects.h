#pragma once
// The objects behind the library's handles. Key material sits in Bytes, whose memory is wiped when
// the object goes.
#include "Bytes.h"
#include "RsaKey.h"

#include <optional>
#include <string>
#include <vector>

struct LibraryObject {
    virtual ~LibraryObject() = default;
};

struct RsaObject : LibraryObject {
    Bytes keyBlob; // CNG full private blob; empty until a key was generated
    std::u16string publicKeyText;
};

struct CsrObject : LibraryObject {
    std::vector<Bytes> subject; // encoded attributes in the order set
    std::u16string pemText;
};

struct PrivateKeyObject : LibraryObject {
    Bytes keyBlob;
};

struct PublicKeyObject : LibraryObject {
    std::optional<RsaPublicKey> key;
};

struct FileAccessObject : LibraryObject {};
