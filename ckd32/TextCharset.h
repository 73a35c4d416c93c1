#pragma once
// Text to the bytes of a named charset, for the text files the caller writes.
#include "Bytes.h"

#include <optional>
#include <string_view>

// "utf-8", "utf-16" (little-endian) or "ansi" (the system code page), names ignoring case; the
// charset's byte-order mark first when `preamble` is set (ANSI has none). Nothing for an unknown
// charset or for text the charset cannot hold, rather than a file with replaced characters.
std::optional<Bytes> EncodeText(std::u16string_view text, std::u16string_view charset, bool preamble);
