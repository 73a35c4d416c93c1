// Saves pictures of the main window for a person to look at (not compared by pixels): at start, with
// a warning balloon on the identifier field, and with the tool's error box over it. Under
// build/windows/bin/screenshots/.
#include <memory>

#include "MainFormFixture.h"
#include "MessageUn.h"
#include "PngImage.h"
#include "TaskDialogAnswerer.h"

namespace {

// The screen's pixels under the window, as the person sees them (balloons included).
std::unique_ptr<TBitmap> CaptureScreenArea(const RECT& area)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(area.right - area.left, area.bottom - area.top);
    HDC screen = GetDC(nullptr);
    BitBlt(bitmap->Canvas()->Handle(), 0, 0, bitmap->Width(), bitmap->Height(), screen, area.left, area.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

void SavePng(const TBitmap& bitmap, const String& name)
{
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    const String folder = FromWidePtr(current) + u"\\screenshots";
    CreateDirectoryW(WidePtr(folder), nullptr);
    TPngImage png;
    png.Assign(&bitmap);
    png.SaveToFile(folder + u"\\" + name);
}

class Screenshot : public MainFormFixture {
protected:
    static RECT WindowArea()
    {
        RECT area;
        GetWindowRect(Form->Handle(), &area);
        return area;
    }
};

TEST_F(Screenshot, MainWindowAtStartAndWithAFieldWarning)
{
    PumpFor(300);
    auto start = CaptureScreenArea(WindowArea());
    EXPECT_EQ(start->Width(), 952);
    EXPECT_EQ(start->Height(), 452);
    // The dark red side panel is on the right, inside the 2-pixel frame.
    EXPECT_EQ(start->Canvas()->Pixels(940, 440), static_cast<TColor>(RGB(101, 9, 14)));
    SavePng(*start, u"main-window.png");

    RECT area = WindowArea();
    area.bottom += 60; // room for a balloon below the window's lower fields
    WarnField(u"اخطار", u"شناسه ملی باید 11 حرف باشد.", Edit(TInputField::SerialNumber));
    PumpFor(300);
    SavePng(*CaptureScreenArea(area), u"main-window-warning.png");
}

} // namespace

TEST_F(Screenshot, ErrorBoxOverTheMainWindow)
{
    PumpFor(100);
    TTaskDialogAnswerer answerer([](HWND dialog) {
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        RECT area;
        GetWindowRect(dialog, &area);
        SavePng(*CaptureScreenArea(area), u"error-box.png");
        PostMessageW(dialog, WM_CLOSE, 0, 0);
    });
    ShowErrorMessage(u"خطا", u"تولید کلید یا درخواست ناموفق بود", u"نوشتن فایل کلید خصوصی ناموفق بود.", 3);
    // The box is mirrored: its icon and text begin at the right.
    EXPECT_TRUE(answerer.ExStyle & WS_EX_LAYOUTRTL);
}
