#include "Bytes.h"

#ifdef _WIN32
#include <windows.h>
#endif

void WipeMemory(void* data, std::size_t size)
{
    if (!data)
        return;
#ifdef _WIN32
    SecureZeroMemory(data, size);
#else
    // Volatile stores: the compiler may not drop them although the block is freed right after.
    volatile auto* p = static_cast<volatile std::uint8_t*>(data);
    for (std::size_t i = 0; i < size; ++i)
        p[i] = 0;
#endif
}
