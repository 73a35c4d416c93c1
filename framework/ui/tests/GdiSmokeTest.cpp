// The platform under the framework works in this environment: a real window, GDI and GDI+
// painting into it, and the pixels read back.
#include <windows.h>
#include <gdiplus.h>
#include <gtest/gtest.h>

namespace {

LRESULT CALLBACK PaintRedProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(wnd, &ps);
        HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        RECT r{0, 0, 50, 50};
        FillRect(dc, &r, red);
        DeleteObject(red);
        EndPaint(wnd, &ps);
        return 0;
    }
    return DefWindowProcW(wnd, msg, wp, lp);
}

COLORREF PixelOfWindow(HWND wnd, int x, int y)
{
    HDC dc = GetDC(wnd);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(wnd, dc);
    return c;
}

} // namespace

TEST(PlatformSmoke, WindowPaintsWithGdiAndPixelsReadBack)
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = PaintRedProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TavinSmokeWindow";
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    ASSERT_NE(RegisterClassW(&wc), 0);
    HWND wnd = CreateWindowExW(0, wc.lpszClassName, L"smoke", WS_POPUP | WS_VISIBLE, 10, 10, 100, 100,
                               nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(wnd, nullptr);
    UpdateWindow(wnd);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);

    EXPECT_EQ(PixelOfWindow(wnd, 10, 10), RGB(255, 0, 0));
    EXPECT_EQ(PixelOfWindow(wnd, 80, 80), RGB(255, 255, 255));
    DestroyWindow(wnd);
    UnregisterClassW(wc.lpszClassName, wc.hInstance);
}

TEST(PlatformSmoke, GdiPlusDrawsIntoAnOffscreenBitmap)
{
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    ASSERT_EQ(Gdiplus::GdiplusStartup(&token, &input, nullptr), Gdiplus::Ok);
    {
        Gdiplus::Bitmap bmp(40, 40, PixelFormat32bppARGB);
        Gdiplus::Graphics g(&bmp);
        g.Clear(Gdiplus::Color(255, 255, 255, 255));
        Gdiplus::SolidBrush blue(Gdiplus::Color(255, 0, 0, 255));
        g.FillEllipse(&blue, 0, 0, 40, 40);
        Gdiplus::Color centre, corner;
        bmp.GetPixel(20, 20, &centre);
        bmp.GetPixel(0, 0, &corner);
        EXPECT_EQ(centre.GetValue(), 0xFF0000FFu);
        EXPECT_EQ(corner.GetValue(), 0xFFFFFFFFu);
    }
    Gdiplus::GdiplusShutdown(token);
}
