#pragma once
// Folders and files of the DLL tests, as Windows paths.
#include <string>
#include <vector>

std::wstring OutputFolder();                              // CKD32_OUTPUT_DIR, created if missing
std::wstring ScratchFolder(const std::wstring& name);     // an emptied folder below the output folder
std::string ReadFileBytes(const std::wstring& path);      // empty when the file does not exist
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);
bool FileExists(const std::wstring& path);
// The names of the files in a folder.
std::vector<std::wstring> FilesIn(const std::wstring& folder);
