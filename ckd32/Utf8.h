#pragma once
// UTF-16 text to UTF-8 bytes. A lone surrogate cannot be written in UTF-8 and fails the conversion
// instead of being replaced, so a name or a file never differs silently from what the caller gave.
#include "Bytes.h"

#include <optional>
#include <string>
#include <string_view>

std::optional<Bytes> Utf16ToUtf8(std::u16string_view text);
// The text as 8-bit characters when it is plain ASCII (identifiers, PEM armour), else nothing.
std::optional<std::string> Utf16ToAscii(std::u16string_view text);
