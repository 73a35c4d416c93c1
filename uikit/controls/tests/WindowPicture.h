#pragma once
// Saves what the screen shows of a window as a PNG, for a person to look at.
#include <windows.h>

#include "Graphics.h"
#include "PngImage.h"

inline void SaveWindowPicture(HWND wnd, const String& name)
{
    RedrawWindow(wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT area;
    GetWindowRect(wnd, &area);
    TBitmap bitmap;
    bitmap.SetSize(area.right - area.left, area.bottom - area.top);
    HDC screen = GetDC(nullptr);
    BitBlt(bitmap.Canvas()->Handle(), 0, 0, bitmap.Width(), bitmap.Height(), screen, area.left, area.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    TPngImage png;
    png.Assign(&bitmap);
    png.SaveToFile(name);
}
