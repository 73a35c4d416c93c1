// Start-up time of the tool until its main window is visible, beside a bare Win32 program that shows
// one window, measured alternately in the same run. Run from build/windows/bin under Wine:
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
    bool Found = false;
};

BOOL CALLBACK FindVisibleWindow(HWND wnd, LPARAM data)
{
    auto* search = reinterpret_cast<TVisibleSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(wnd, &owner);
    RECT r;
    if (owner == search->ProcessId && IsWindowVisible(wnd) && GetWindowRect(wnd, &r) && r.right - r.left > 100) {
        search->Found = true;
        return FALSE;
    }
    return TRUE;
}

// Milliseconds from CreateProcess until a visible window of the process exists; negative on failure.
double TimeToVisibleWindow(const std::wstring& program)
{
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + program + L"\"";
    auto start = std::chrono::steady_clock::now();
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return -1;
    double elapsed = -1;
    const auto deadline = start + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < deadline) {
        TVisibleSearch search{process.dwProcessId};
        EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
        if (search.Found) {
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
    const int runs = argc > 1 ? std::max(1, _wtoi(argv[1])) : 9;
    const std::wstring tool = BesideThisProgram(L"TavinCSRApp.exe"), bare = BesideThisProgram(L"BareWindow.exe");
    std::vector<double> toolTimes, bareTimes;
    for (int i = 0; i < runs; ++i) {
        double b = TimeToVisibleWindow(bare), t = TimeToVisibleWindow(tool);
        if (b < 0 || t < 0) {
            std::fprintf(stderr, "run %d: a program showed no window\n", i + 1);
            return 1;
        }
        bareTimes.push_back(b);
        toolTimes.push_back(t);
    }
    const double toolMedian = Median(toolTimes), bareMedian = Median(bareTimes);
    std::printf("start-up until the main window is visible, median of %d runs\n", runs);
    std::printf("  TavinCSRApp.exe  %8.1f ms\n", toolMedian);
    std::printf("  bare Win32 window %7.1f ms (reference)\n", bareMedian);
    std::printf("  ratio            %8.2f (goal: at most 1.5)\n", toolMedian / bareMedian);
    return 0;
}
