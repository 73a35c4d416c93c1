#pragma once
// The bytes of JSON text and the characters they stand for: one byte is one character, mapped
// through the system's ANSI code page on Windows and through Latin-1 where there is none.
#include <cstddef>
#include <string>

#include "SysUtils.h"

// Writes ACount characters to ATarget.
void RurJSONAnsiToChars(Char* ATarget, const Byte* AData, std::size_t ACount);
// Appends the text's bytes; a character the code page lacks becomes its default character.
void RurJSONAppendAnsi(std::string& AText, const String& AValue);
