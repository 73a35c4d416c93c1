#pragma once
// PEM armour: base64 of a DER encoding between BEGIN and END lines, 64 characters a line, CRLF.
#include "Bytes.h"

#include <optional>
#include <string_view>

Bytes Base64Encode(ByteView data);
// Strict decoding: whitespace is skipped, anything else outside the alphabet or misplaced padding fails.
std::optional<Bytes> Base64Decode(std::string_view text);

// The ASCII text of a PEM block with the given label ("CERTIFICATE REQUEST", "PUBLIC KEY", ...).
Bytes PemEncode(std::string_view label, ByteView der);
// The DER inside a PEM block with that label; the text may carry surrounding whitespace only.
std::optional<Bytes> PemDecode(std::string_view text, std::string_view label);
