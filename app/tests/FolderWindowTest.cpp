// After a generation the shell shows the chosen folder: a file-browser window for it appears.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <string>
#include <thread>

#include "CsrService_Unit.h"
#include "RecordingLibrary.h"
#include "WideText.h"

namespace {

struct TFolderWindowSearch {
    std::wstring Name;
    HWND Found = nullptr;
};

// A visible top-level window of another process whose title names the folder.
BOOL CALLBACK FindFolderWindow(HWND wnd, LPARAM data)
{
    auto* search = reinterpret_cast<TFolderWindowSearch*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(wnd, &process);
    wchar_t title[512] = {};
    GetWindowTextW(wnd, title, 512);
    if (process != GetCurrentProcessId() && IsWindowVisible(wnd) && std::wstring(title).find(search->Name) != std::wstring::npos) {
        search->Found = wnd;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForFolderWindow(const std::wstring& name)
{
    TFolderWindowSearch search{name};
    for (int i = 0; i < 500 && !search.Found; ++i) {
        EnumWindows(&FindFolderWindow, reinterpret_cast<LPARAM>(&search));
        if (!search.Found)
            std::this_thread::sleep_for(std::chrono::milliseconds(40));
    }
    return search.Found;
}

} // namespace

TEST(FolderWindow, AppearsForTheFolderOfTheNewFiles)
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring name = L"tavin-folder-" + std::to_wstring(GetCurrentProcessId());
    const String folder = FromWidePtr(temp) + FromWidePtr(name.c_str());
    ASSERT_TRUE(CreateDirectoryW(WidePtr(folder), nullptr));
    

    TCsrModel model;
    model.SetSerialNumber(u"0123456789");
    model.SetPersonType(6);
    RecordingLibrary::Reset();
    TCSRService().GenerateCsr(model, folder);

    HWND window = WaitForFolderWindow(name);
    EXPECT_NE(window, nullptr);
    if (window)
        PostMessageW(window, WM_CLOSE, 0, 0);
    for (const String& file : TCSRService::ExistingOutputFiles(folder, u"0123456789"))
        DeleteFileW(WidePtr(file));
    RemoveDirectoryW(WidePtr(folder));
}
