#include "LoaderSpy.h"

#include <algorithm>
#include <string>

#include "WideText.h"

namespace {

TLoaderSpy* Active = nullptr;

void Note(const String& call)
{
    Active->Calls.push_back(call);
}

HMODULE WINAPI SpyGetModuleHandle(LPCWSTR name)
{
    Note(u"GetModuleHandle(" + FromWidePtr(name) + u")");
    return Active->RefuseMapped ? nullptr : GetModuleHandleW(name);
}

HMODULE WINAPI SpyLoadLibrary(LPCWSTR name)
{
    Note(u"LoadLibrary(" + FromWidePtr(name) + u")");
    return Active->RefuseSearchPath ? nullptr : LoadLibraryW(name);
}

HMODULE WINAPI SpyLoadLibraryEx(LPCWSTR name, HANDLE file, DWORD flags)
{
    Note(u"LoadLibraryEx(" + FromWidePtr(name) + (file ? u"|file|" : u"|null|") + FromUtf8(std::to_string(flags)) + u")");
    return Active->RefuseProgramFolder ? nullptr : LoadLibraryExW(name, file, flags);
}

FARPROC WINAPI SpyGetProcAddress(HMODULE module, LPCSTR name)
{
    Note(u"GetProcAddress(" + FromUtf8(name) + u")");
    return GetProcAddress(module, name);
}

BOOL WINAPI SpyFreeLibrary(HMODULE module)
{
    Note(u"FreeLibrary");
    return FreeLibrary(module);
}

DWORD WINAPI SpyGetModuleFileName(HMODULE module, LPWSTR buffer, DWORD size)
{
    Note(u"GetModuleFileName(" + FromUtf8(std::to_string(size)) + u")");
    const String& name = Active->ProgramFileName;
    if (name.empty())
        return GetModuleFileNameW(module, buffer, size);
    if (name.size() >= size) {
        std::copy_n(name.begin(), size, buffer);
        return size;
    }
    std::copy(name.begin(), name.end(), buffer);
    buffer[name.size()] = 0;
    return static_cast<DWORD>(name.size());
}

} // namespace

TLoaderSpy::TLoaderSpy() : FPrevious(DllLoaderSystem())
{
    Active = this;
    DllLoaderSystem() = {SpyGetModuleHandle, SpyLoadLibrary,  SpyLoadLibraryEx,
                         SpyGetProcAddress,  SpyFreeLibrary, SpyGetModuleFileName};
}

TLoaderSpy::~TLoaderSpy()
{
    DllLoaderSystem() = FPrevious;
    Active = nullptr;
}

String ProgramFolder()
{
    wchar_t path[MAX_PATH * 4];
    GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
    String program = FromWidePtr(path);
    return program.substr(0, program.find_last_of(u'\\') + 1);
}
