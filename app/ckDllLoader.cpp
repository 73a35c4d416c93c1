#include "ckDllLoader.h"

#include "SysUtils.h"
#include "WideText.h"

namespace {

constexpr DWORD ProgramPathBufferSize = 262;

HMODULE LibraryHandle = nullptr;
String LibraryName;

TDllLoaderSystem& System()
{
    static TDllLoaderSystem system;
    return system;
}

String FolderOf(const String& fileName)
{
    auto slash = fileName.find_last_of(u"\\:");
    return slash == String::npos ? String() : fileName.substr(0, slash + 1);
}

} // namespace

TDllLoaderSystem& DllLoaderSystem()
{
    return System();
}

String GetProgramFileName()
{
    wchar_t buffer[ProgramPathBufferSize];
    DWORD length = System().GetModuleFileName(GetModuleHandleW(nullptr), buffer, ProgramPathBufferSize);
    if (length >= ProgramPathBufferSize)
        length = ProgramPathBufferSize - 1; // cut: the system may leave the buffer unterminated
    return String(reinterpret_cast<const Char*>(buffer), length);
}

HMODULE LoadDll()
{
    if (LibraryHandle)
        return LibraryHandle;
    LibraryName = u"ckd32.dll";
    LibraryHandle = System().GetModuleHandle(WidePtr(LibraryName));
    if (LibraryHandle)
        return LibraryHandle;
    LibraryHandle = System().LoadLibrary(WidePtr(LibraryName));
    if (LibraryHandle)
        return LibraryHandle;
    String besideProgram = FolderOf(GetProgramFileName()) + LibraryName;
    LibraryHandle = System().LoadLibraryEx(WidePtr(besideProgram), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    return LibraryHandle;
}

void UnloadDll()
{
    if (!LibraryHandle)
        return;
    System().FreeLibrary(LibraryHandle);
    LibraryHandle = nullptr;
}

void GetDllProc(const String& name, FARPROC& address)
{
    HMODULE library = LoadDll();
    if (!library)
        throw Exception(u"Library not found: " + LibraryName);
    address = System().GetProcAddress(library, ToUtf8(name).c_str());
    if (!address)
        throw Exception(u"Function not found: " + LibraryName + u"." + name);
}

FARPROC GetCachedProc(FARPROC& cell, const char16_t* name)
{
    if (!cell)
        GetDllProc(name, cell);
    return cell;
}

void FinalizeCkDllLoader()
{
    UnloadDll();
    LibraryName.clear();
}
