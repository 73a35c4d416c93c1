// The program as a person starts it: its main window appears, "خروج" ends it at once with exit
// code 0, and the close glyph closes the window, which ends the program.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

namespace {

bool WaitFor(const std::function<bool()>& condition, int ms = 20000)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

struct TChildSearch {
    const wchar_t* Text;
    HWND Found = nullptr;
};

BOOL CALLBACK FindChildByText(HWND wnd, LPARAM data)
{
    auto* search = reinterpret_cast<TChildSearch*>(data);
    wchar_t text[64] = {};
    GetWindowTextW(wnd, text, 64);
    if (std::wstring(text) == search->Text) {
        search->Found = wnd;
        return FALSE;
    }
    return TRUE;
}

struct TWindowSearch {
    DWORD ProcessId;
    HWND Found = nullptr;
};

// The process's visible top-level window that is more than its hidden helpers.
BOOL CALLBACK FindVisibleMainWindow(HWND wnd, LPARAM data)
{
    auto* search = reinterpret_cast<TWindowSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(wnd, &owner);
    RECT r;
    if (owner == search->ProcessId && IsWindowVisible(wnd) && GetWindowRect(wnd, &r) && r.right - r.left > 100) {
        search->Found = wnd;
        return FALSE;
    }
    return TRUE;
}

class Program : public ::testing::Test {
protected:
    void SetUp() override
    {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        std::wstring commandLine = L"TavinCSRApp.exe";
        ASSERT_TRUE(CreateProcessW(L"TavinCSRApp.exe", commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &Process));
        ASSERT_TRUE(WaitFor([this] { return (MainWindow = FindMainWindow()) != nullptr; }));
    }
    void TearDown() override
    {
        if (WaitForSingleObject(Process.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(Process.hProcess, 1);
        WaitForSingleObject(Process.hProcess, 10000);
        CloseHandle(Process.hThread);
        CloseHandle(Process.hProcess);
    }
    HWND FindMainWindow() const
    {
        TWindowSearch search{Process.dwProcessId};
        EnumWindows(FindVisibleMainWindow, reinterpret_cast<LPARAM>(&search));
        return search.Found;
    }
    DWORD ExitCodeAfterEnd()
    {
        EXPECT_EQ(WaitForSingleObject(Process.hProcess, 20000), WAIT_OBJECT_0);
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(Process.hProcess, &code);
        return code;
    }

    PROCESS_INFORMATION Process{};
    HWND MainWindow = nullptr;
};

TEST_F(Program, ShowsThePersianMainWindowAndExitEndsItAtOnce)
{
    RECT client;
    GetClientRect(MainWindow, &client);
    EXPECT_EQ(client.right, 952);
    EXPECT_EQ(client.bottom, 452);
    TChildSearch exitButton{L"خروج"};
    EnumChildWindows(MainWindow, FindChildByText, reinterpret_cast<LPARAM>(&exitButton));
    ASSERT_NE(exitButton.Found, nullptr);
    PostMessageW(exitButton.Found, BM_CLICK, 0, 0);
    EXPECT_EQ(ExitCodeAfterEnd(), 0u);
}

BOOL CALLBACK FindVisibleDialog(HWND wnd, LPARAM data)
{
    auto* search = reinterpret_cast<TWindowSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(wnd, &owner);
    wchar_t className[16] = {};
    GetClassNameW(wnd, className, 16);
    if (owner == search->ProcessId && IsWindowVisible(wnd) && std::wstring(className) == L"#32770") {
        search->Found = wnd;
        return FALSE;
    }
    return TRUE;
}

TEST_F(Program, GenerateOnEmptyFieldsShowsTheErrorBoxOverADisabledWindow)
{
    TChildSearch generate{L"تولید CSR"};
    EnumChildWindows(MainWindow, FindChildByText, reinterpret_cast<LPARAM>(&generate));
    ASSERT_NE(generate.Found, nullptr);
    PostMessageW(generate.Found, BM_CLICK, 0, 0);
    TWindowSearch box{Process.dwProcessId};
    ASSERT_TRUE(WaitFor([&] { return EnumWindows(FindVisibleDialog, reinterpret_cast<LPARAM>(&box)), box.Found; }));
    EXPECT_FALSE(IsWindowEnabled(MainWindow));
    PostMessageW(box.Found, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(box.Found) || !IsWindowVisible(box.Found); }));
    EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(MainWindow) != FALSE; }));
    PostMessageW(MainWindow, WM_CLOSE, 0, 0);
    EXPECT_EQ(ExitCodeAfterEnd(), 0u);
}

TEST_F(Program, ClosingTheMainWindowEndsTheProgram)
{
    PostMessageW(MainWindow, WM_CLOSE, 0, 0);
    EXPECT_EQ(ExitCodeAfterEnd(), 0u);
}

} // namespace
