#include "RurUtils.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdio>
#endif

void TRurUtils::Log(const String& AMessage)
{
#ifdef _WIN32
    OutputDebugStringW(reinterpret_cast<const wchar_t*>(AMessage.c_str()));
#else
    std::fprintf(stderr, "%s\n", ToUtf8(AMessage).c_str());
#endif
}
