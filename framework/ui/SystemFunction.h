#pragma once
// A function of a system library bound by name: for functions older systems lack, and for
// libraries a program needs only now and then, so that they are not loaded with the program.
#include <windows.h>

// The function, loading its library on first use; null when the library or the function is missing.
template <class F>
F SystemFunction(const wchar_t* library, const char* name)
{
    HMODULE module = GetModuleHandleW(library);
    if (!module)
        module = LoadLibraryW(library);
    return module ? reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}
