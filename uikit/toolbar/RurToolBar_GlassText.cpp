// Glowing caption text on a composited (glass) window frame, through the theme API.
#include <vssym32.h>

#include "RurTBXPVS.h"
#include "RurToolBar_Colors.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_Shapes.h"
#include "RurToolBar_Text.h"
#include "WideText.h"

void DrawGlowText(HDC dc, const String& text, int length, TRect r, HTHEME theme, UINT flags)
{
    DTTOPTS options{};
    options.dwSize = sizeof(options);
    options.dwFlags = DTT_TEXTCOLOR | DTT_COMPOSITED | DTT_GLOWSIZE;
    options.crText = 0;
    options.iGlowSize = 12;
    const TThemedElementDetails details = TCustomStyleServices::GetElementDetails(twCaptionActive);
    RECT rect = ToWinRect(r);
    RurTBXPVS::DynDrawThemeTextEx(theme, dc, details.Part, details.State, WidePtr(text), length, flags, &rect,
                                  &options);
}

void DrawGlassCaptionText(TWinControl* control, const String& caption, const TRect& captionRect, bool showQATFrame,
                          const TRect& qatRect, TColor glowColor, bool highlight)
{
    const TThemeBinding& binding = RurTBXPVS::Theme();
    const auto openTheme = binding.Get<TThemeEntry::OpenThemeData>();
    const auto closeTheme = binding.Get<TThemeEntry::CloseThemeData>();
    const auto sysFont = binding.Get<TThemeEntry::GetThemeSysFont>();
    if (!openTheme || !closeTheme)
        return;
    HWND wnd = control->Handle();
    HTHEME theme = openTheme(wnd, L"CompositedWindow::Window");
    if (!theme)
        return;
    HDC windowDC = GetDC(wnd);
    HDC memoryDC = windowDC ? CreateCompatibleDC(windowDC) : nullptr;
    if (memoryDC) {
        const int w = captionRect.Width(), h = captionRect.Height();
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = w;
        info.bmiHeader.biHeight = -h;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(memoryDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (bitmap) {
            HGDIOBJ oldBitmap = SelectObject(memoryDC, bitmap);
            LOGFONTW logFont{};
            HFONT font = nullptr;
            HGDIOBJ oldFont = nullptr;
            if (sysFont && SUCCEEDED(sysFont(theme, TMT_CAPTIONFONT, &logFont))) {
                font = CreateFontIndirectW(&logFont);
                oldFont = SelectObject(memoryDC, font);
            }
            if (glowColor != clNone)
                DrawGlowBackground(memoryDC, captionRect);
            if (highlight)
                DrawAlphaGradient(memoryDC, captionRect, clWhite, 0, 20);
            if (showQATFrame)
                DrawQATFrame(memoryDC, qatRect);
            DrawGlowText(memoryDC, caption, int(caption.size()), Rect(4, captionRect.Top + 6, w, h), theme,
                         DT_VCENTER | DT_EXPANDTABS | DT_END_ELLIPSIS);
            BitBlt(windowDC, captionRect.Left, captionRect.Top, w, h, memoryDC, 0, 0, SRCCOPY);
            if (font) {
                SelectObject(memoryDC, oldFont);
                DeleteObject(font);
            }
            SelectObject(memoryDC, oldBitmap);
            DeleteObject(bitmap);
        }
        DeleteDC(memoryDC);
    }
    if (windowDC)
        ReleaseDC(wnd, windowDC);
    closeTheme(theme);
}
