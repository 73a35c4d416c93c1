// Start-up time of the tool until its main window is shown and the program waits for input, beside
// its raw Win32 twin (the same window without the framework) and a bare Win32 program that shows one
// window, measured in turn in the same run. Run from build/windows/bin under Wine:
//   scripts/wine-run build/windows/bin/StartupBench.exe [runs]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct TVisibleSearch {
    DWORD ProcessId;
    HWND Found = nullptr;
};

BOOL CALLBACK FindVisibleWindow(HWND wnd, LPARAM data)
{
    auto* search = reinterpret_cast<TVisibleSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(wnd, &owner);
    RECT r;
    if (owner == search->ProcessId && IsWindowVisible(wnd) && GetWindowRect(wnd, &r) && r.right - r.left > 100) {
        search->Found = wnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK FindUnpaintedChild(HWND wnd, LPARAM data)
{
    if (IsWindowVisible(wnd) && GetUpdateRect(wnd, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(data) = true;
        return FALSE;
    }
    return TRUE;
}

// The program may have been idle once before it showed its window, and a shown window is painted
// later: wait until its thread has handled a message sent after the show and neither the window
// nor a visible child of it waits for its paint any more.
void WaitUntilPainted(HWND window)
{
    for (int round = 0; round < 1000; ++round) {
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result))
            return;
        bool unpainted = GetUpdateRect(window, nullptr, FALSE) != FALSE;
        if (!unpainted)
            EnumChildWindows(window, FindUnpaintedChild, reinterpret_cast<LPARAM>(&unpainted));
        if (!unpainted)
            return;
    }
}

// Milliseconds from CreateProcess until a visible window of the process exists, is painted with its
// children, and the process waits for input; negative when it shows none.
double MeasureStartup(const std::wstring& program)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + program + L"\"";
    auto start = std::chrono::steady_clock::now();
    double elapsed = -1;
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return elapsed;
    const auto deadline = start + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < deadline) {
        TVisibleSearch search{process.dwProcessId};
        EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
        if (search.Found) {
            WaitForInputIdle(process.hProcess, 10000);
            WaitUntilPainted(search.Found);
            elapsed = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            break;
        }
        if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0)
            break;
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::wstring BesideThisProgram(const wchar_t* name)
{
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1) + name;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    struct TProgram {
        const wchar_t* Name;
        const char* Label;
        std::vector<double> Times;
    };
    TProgram programs[] = {{L"TavinCSRApp.exe", "TavinCSRApp.exe", {}},
                           {L"RawTwin.exe", "raw Win32 twin", {}},
                           {L"BareWindow.exe", "bare Win32 window", {}}};
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 9;
    for (int i = 0; i < runs; ++i) {
        for (TProgram& program : programs) {
            double t = MeasureStartup(BesideThisProgram(program.Name));
            if (t < 0) {
                std::fprintf(stderr, "run %d: %ls showed no window\n", i + 1, program.Name);
                return 1;
            }
            program.Times.push_back(t);
        }
    }
    const double tool = Median(programs[0].Times), twin = Median(programs[1].Times), bare = Median(programs[2].Times);
    std::printf("start-up until the main window is shown and idle, median of %d runs\n", runs);
    for (const TProgram& program : programs)
        std::printf("  %-18s %8.1f ms\n", program.Label, Median(program.Times));
    std::printf("  tool / twin        %8.2f (goal: at most 1.15)\n", tool / twin);
    std::printf("  tool / bare window %8.2f\n", tool / bare);
    return 0;
}
