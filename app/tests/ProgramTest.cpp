// The program as a person starts it: its main window appears, "خروج" ends it at once with exit
// code 0, and the close glyph closes the window, which ends the program.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

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
    wchar_t className[32] = {};
    GetClassNameW(wnd, className, 32);
    // The system's task dialog, or the kit's dialog form where the system offers none.
    const std::wstring name = className;
    if (owner == search->ProcessId && IsWindowVisible(wnd) && (name == L"#32770" || name == L"Tavin.TRurMessageForm")) {
        search->Found = wnd;
        return FALSE;
    }
    return TRUE;
}

// Two error boxes in a row, each centred over the disabled main window and dismissed with Escape.
TEST_F(Program, GenerateOnEmptyFieldsShowsTheErrorBoxOverADisabledWindow)
{
    TChildSearch generate{L"تولید CSR"};
    EnumChildWindows(MainWindow, FindChildByText, reinterpret_cast<LPARAM>(&generate));
    ASSERT_NE(generate.Found, nullptr);
    RECT window;
    GetWindowRect(MainWindow, &window);
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        PostMessageW(generate.Found, BM_CLICK, 0, 0);
        TWindowSearch box{Process.dwProcessId};
        ASSERT_TRUE(WaitFor([&] { return EnumWindows(FindVisibleDialog, reinterpret_cast<LPARAM>(&box)), box.Found; }));
        EXPECT_FALSE(IsWindowEnabled(MainWindow));
        RECT bounds;
        GetWindowRect(box.Found, &bounds);
        EXPECT_NEAR((bounds.left + bounds.right) / 2, (window.left + window.right) / 2, 2);
        EXPECT_NEAR((bounds.top + bounds.bottom) / 2, (window.top + window.bottom) / 2, 2);
        PostMessageW(box.Found, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
        PostMessageW(box.Found, WM_KEYUP, VK_ESCAPE, static_cast<LPARAM>(0xC0010001));
        EXPECT_TRUE(WaitFor([&] { return !IsWindow(box.Found) || !IsWindowVisible(box.Found); }));
        EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(MainWindow) != FALSE; }));
    }
    PostMessageW(MainWindow, WM_CLOSE, 0, 0);
    EXPECT_EQ(ExitCodeAfterEnd(), 0u);
}

// The program's own icon in its four sizes (the window carrying it is checked in-process).
TEST_F(Program, CarriesItsIconInFourSizes)
{
    HMODULE program = LoadLibraryExW(L"TavinCSRApp.exe", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr);
    HRSRC group = FindResourceW(program, L"MAINICON", MAKEINTRESOURCEW(14)); // RT_GROUP_ICON
    ASSERT_NE(group, nullptr);
    const auto* directory = static_cast<const BYTE*>(LockResource(LoadResource(program, group)));
    const WORD count = *reinterpret_cast<const WORD*>(directory + 4);
    std::vector<int> sizes;
    for (WORD i = 0; i < count; ++i) {
        const BYTE width = directory[6 + 14 * i]; // 0 stands for 256
        sizes.push_back(width == 0 ? 256 : width);
    }
    FreeLibrary(program);
    EXPECT_EQ(sizes, (std::vector<int>{16, 32, 48, 256}));
    PostMessageW(MainWindow, WM_CLOSE, 0, 0);
    EXPECT_EQ(ExitCodeAfterEnd(), 0u);
}

TEST_F(Program, ClosingTheMainWindowEndsTheProgram)
{
    PostMessageW(MainWindow, WM_CLOSE, 0, 0);
    EXPECT_EQ(ExitCodeAfterEnd(), 0u);
}

} // namespace
