#pragma once
// UTF-16 strings across the Win32 and crypto-library boundary, where text is wchar_t (16 bits here).
// Windows only: natively wchar_t is 32 bits wide.
#include "System.h"

static_assert(sizeof(wchar_t) == sizeof(Char), "the Windows targets have 16-bit wchar_t");

inline const wchar_t* WidePtr(const String& s)
{
    return reinterpret_cast<const wchar_t*>(s.c_str());
}

// A null pointer reads as empty text.
inline String FromWidePtr(const wchar_t* text)
{
    return text ? String(reinterpret_cast<const Char*>(text)) : String();
}
