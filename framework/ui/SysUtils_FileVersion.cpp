// The Windows half of SysUtils: a module's version resource.
#include <vector>

#include "SysUtils.h"
#include "WideText.h"
#include "WinApiNames.h"

Cardinal GetFileVersion(const String& fileName)
{
    constexpr Cardinal unreadable = 0xFFFFFFFF;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(WidePtr(fileName), &ignored);
    if (size == 0)
        return unreadable;
    std::vector<Byte> info(size);
    if (!GetFileVersionInfoW(WidePtr(fileName), 0, size, info.data()))
        return unreadable;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) || !fixed ||
        length < sizeof(VS_FIXEDFILEINFO))
        return unreadable;
    return fixed->dwFileVersionMS;
}
