#include "TestFiles.h"

#include <windows.h>

#include <cstdlib>

std::vector<std::wstring> FilesIn(const std::wstring& folder)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(entry.cFileName);
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    return names;
}

std::wstring OutputFolder()
{
    // A Unix path from the build reaches Wine through its Z: drive.
    const char* unixPath = std::getenv("CKD32_OUTPUT_DIR");
    std::string path = unixPath ? unixPath : "/tmp/ckd32_dll_output";
    std::wstring folder = L"Z:";
    for (char c : path)
        folder += c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(c));
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

std::wstring ScratchFolder(const std::wstring& name)
{
    std::wstring folder = OutputFolder() + L"\\" + name;
    CreateDirectoryW(folder.c_str(), nullptr);
    for (const std::wstring& name : FilesIn(folder))
        DeleteFileW((folder + L"\\" + name).c_str());
    return folder;
}

std::string ReadFileBytes(const std::wstring& path)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {};
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    CloseHandle(file);
    return bytes;
}

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool WriteFileBytes(const std::wstring& path, const std::string& bytes)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size();
    return CloseHandle(file) && ok;
}
