#include "AtomicFile.h"

#include <windows.h>

#include <string>

namespace {

std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

bool WriteAll(const std::wstring& path, ByteView data)
{
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool ok = true;
    for (std::size_t done = 0; ok && done < data.size();) {
        DWORD chunk = static_cast<DWORD>(data.size() - done < 0x100000 ? data.size() - done : 0x100000);
        DWORD written = 0;
        ok = WriteFile(file, data.data() + done, chunk, &written, nullptr) && written == chunk;
        done += written;
    }
    ok = ok && FlushFileBuffers(file);
    return CloseHandle(file) && ok;
}

} // namespace

bool WriteFileAtomically(std::u16string_view path, ByteView data)
{
    std::size_t separator = path.find_last_of(u"\\/");
    if (path.empty() || separator == path.size() - 1)
        return false; // no file name
    std::wstring folder = separator == std::u16string_view::npos ? L"." : Wide(path.substr(0, separator + 1));
    wchar_t temporary[MAX_PATH];
    // Creates the empty temporary file; fails when the folder does not exist.
    if (!GetTempFileNameW(folder.c_str(), L"ck", 0, temporary))
        return false;
    if (WriteAll(temporary, data) &&
        MoveFileExW(temporary, Wide(path).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(temporary);
    return false;
}
