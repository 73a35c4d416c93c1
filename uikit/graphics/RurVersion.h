#pragma once
// The read-only Version text of the kit's components: the four bytes of their version number,
// most significant first, joined by dots ($01020100 reads "1.2.1.0").
#include "SysUtils.h"

inline String KitVersionText(int AVersionNr)
{
    const auto v = static_cast<unsigned>(AVersionNr);
    return IntToStr(int(v >> 24)) + u"." + IntToStr(int((v >> 16) & 0xFF)) + u"." + IntToStr(int((v >> 8) & 0xFF)) +
           u"." + IntToStr(int(v & 0xFF));
}
