#pragma once
// Basic types of the framework: UTF-16 strings and fixed-size integers under the names the units use.
#include <cstdint>
#include <string>

using Char = char16_t;
using String = std::u16string;
using Byte = std::uint8_t;
using Word = std::uint16_t;
using Cardinal = std::uint32_t;
using Int64 = std::int64_t;
using UInt64 = std::uint64_t;
using NativeInt = std::intptr_t;
using NativeUInt = std::uintptr_t;

// Root of every framework class. Run-time type information hangs off it.
class TObject {
public:
    virtual ~TObject() = default;
};

// UTF-16 <-> UTF-8 conversion for the edges that speak bytes (files, test output).
std::string ToUtf8(const String& s);
String FromUtf8(const std::string& s);
