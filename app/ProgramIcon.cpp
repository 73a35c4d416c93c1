#include "ProgramIcon.h"

#include <utility>

void ShowProgramIcon(HWND window)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const std::pair<WPARAM, int> kinds[] = {{ICON_BIG, SM_CXICON}, {ICON_SMALL, SM_CXSMICON}};
    for (const auto& [kind, metric] : kinds) {
        const int size = GetSystemMetrics(metric);
        // Shared: the system keeps the icon for the life of the module.
        if (HANDLE icon = LoadImageW(instance, L"MAINICON", IMAGE_ICON, size, size, LR_SHARED))
            SendMessageW(window, WM_SETICON, kind, reinterpret_cast<LPARAM>(icon));
    }
}
