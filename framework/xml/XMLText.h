#pragma once
// The text side of loading XML: bytes and UTF-16 text to the strict UTF-8 the parser reads, and
// positions in it as lines and columns. Internal to the XML document.
#include <string>

#include "XMLDoc.h"

namespace XMLText {

// Decodes document bytes (byte-order mark, UTF-16 pattern, declared encoding). Raises
// EXMLParseError for an encoding it cannot honour or bytes invalid in theirs.
std::string DecodeBytes(const TBytes& bytes);
// Raises EXMLParseError at a lone surrogate.
std::string FromText(const String& text);
// Raises EXMLParseError at a character XML never allows in a document (U+0000 and other C0
// controls, U+FFFE, U+FFFF), written or referred to ("&#0;").
void CheckCharacters(const std::string& utf8);

// Raises EXMLParseError with reason at byte offset of utf8.
[[noreturn]] void Fail(const std::string& utf8, size_t offset, const String& reason);

} // namespace XMLText
