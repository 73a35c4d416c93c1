#include "GuiTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

#include "ActnList.h"
#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "Forms.h"
#include "Menus.h"
#include "StdCtrls.h"
#include "WideText.h"

namespace {

const TUnitStep FrameworkUnits[] = {
    {"Graphics", &InitializeGraphicsUnit, &FinalizeGraphicsUnit},
    ControlsUnit, FormsUnit, StdCtrlsUnit, ExtCtrlsUnit, ComCtrlsUnit, MenusUnit, ActnListUnit,
};

class TFrameworkEnvironment : public ::testing::Environment {
public:
    void SetUp() override { FUnits.Initialize(); }
    void TearDown() override { FUnits.Finalize(); }

private:
    TUnitStartup FUnits{FrameworkUnits};
};

int GBoxCount = 0;
String GBoxText;
UINT_PTR GBoxTimer = 0;

BOOL CALLBACK FindMessageBox(HWND wnd, LPARAM found)
{
    wchar_t name[32] = {};
    GetClassNameW(wnd, name, 32);
    if (std::wstring(name) == L"#32770" && IsWindowVisible(wnd)) {
        *reinterpret_cast<HWND*>(found) = wnd;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectText(HWND wnd, LPARAM text)
{
    wchar_t name[32] = {};
    GetClassNameW(wnd, name, 32);
    if (_wcsicmp(name, L"Static") == 0) {
        wchar_t buffer[1024] = {};
        GetWindowTextW(wnd, buffer, 1024);
        *reinterpret_cast<String*>(text) += FromWidePtr(buffer);
    }
    return TRUE;
}

void CALLBACK AnswerMessageBox(HWND, UINT, UINT_PTR, DWORD)
{
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindMessageBox, reinterpret_cast<LPARAM>(&box));
    if (!box)
        return;
    String text;
    EnumChildWindows(box, CollectText, reinterpret_cast<LPARAM>(&text));
    GBoxText = text;
    ++GBoxCount;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

} // namespace

// Every GUI test program linking this file runs with the framework's units started.
[[maybe_unused]] ::testing::Environment* const FrameworkEnvironment =
    ::testing::AddGlobalTestEnvironment(new TFrameworkEnvironment);

bool PumpUntil(const std::function<bool()>& condition, int timeoutMs)
{
    DWORD start = GetTickCount();
    while (!condition()) {
        if (static_cast<int>(GetTickCount() - start) > timeoutMs)
            return condition();
        Application->ProcessMessages();
        Sleep(1);
    }
    return true;
}

void PumpFor(int ms)
{
    PumpUntil([] { return false; }, ms);
}

bool ShowActive(TCustomForm* form)
{
    form->Show();
    HWND wnd = form->Handle();
    auto active = [wnd] { return GetForegroundWindow() == wnd && GetActiveWindow() == wnd; };
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (PumpUntil(active, 1000)) {
            PumpFor(300);
            if (active())
                return true;
        }
        SetForegroundWindow(wnd);
    }
    return active();
}

void ClickAt(TControl* control)
{
    auto* windowed = dynamic_cast<TWinControl*>(control);
    TWinControl* target = windowed ? windowed : control->Parent();
    TPoint p = windowed ? Point(control->Width() / 2, control->Height() / 2)
                        : Point(control->Left() + control->Width() / 2, control->Top() + control->Height() / 2);
    HWND wnd = target->Handle();
    HWND top = GetAncestor(wnd, GA_ROOT);
    SendMessageW(wnd, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
    LPARAM at = MAKELPARAM(p.X, p.Y);
    PostMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(wnd, WM_LBUTTONUP, 0, at);
    PumpFor(50);
}

void MouseAt(TWinControl* control, UINT message, TPoint point, WPARAM keys)
{
    const TPoint screen = control->ClientToScreen(point);
    SetCursorPos(screen.X, screen.Y);
    PostMessageW(control->Handle(), message, keys, MAKELPARAM(point.X, point.Y));
    PumpFor(30);
}

void PressKey(WORD virtualKey, bool shift)
{
    BYTE keys[256];
    GetKeyboardState(keys);
    BYTE savedShift = keys[VK_SHIFT];
    if (shift) {
        keys[VK_SHIFT] = 0x80;
        SetKeyboardState(keys);
    }
    HWND focus = GetFocus();
    UINT scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    PostMessageW(focus, WM_KEYDOWN, virtualKey, static_cast<LPARAM>(1 | (scan << 16)));
    PostMessageW(focus, WM_KEYUP, virtualKey, static_cast<LPARAM>(1 | (scan << 16) | 0xC0000000u));
    PumpFor(50);
    if (shift) {
        keys[VK_SHIFT] = savedShift;
        SetKeyboardState(keys);
    }
}

TWinControl* FocusedControl()
{
    HWND focus = GetFocus();
    return focus ? TWinControl::FindControl(focus) : nullptr;
}

TOffscreenImage::TOffscreenImage(TWinControl* control)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = control->ClientWidth();
    info.bmiHeader.biHeight = -control->ClientHeight();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    FDC = CreateCompatibleDC(nullptr);
    FBitmap = CreateDIBSection(FDC, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    FOld = SelectObject(FDC, FBitmap);
    control->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(FDC));
    control->PaintHandler(FDC);
}

TOffscreenImage::~TOffscreenImage()
{
    SelectObject(FDC, FOld);
    DeleteObject(FBitmap);
    DeleteDC(FDC);
}

COLORREF TOffscreenImage::Pixel(int x, int y) const
{
    return GetPixel(FDC, x, y);
}

TMessageBoxAnswerer::TMessageBoxAnswerer()
{
    GBoxCount = 0;
    GBoxText.clear();
    GBoxTimer = SetTimer(nullptr, 0, 100, AnswerMessageBox);
}

TMessageBoxAnswerer::~TMessageBoxAnswerer()
{
    KillTimer(nullptr, GBoxTimer);
}

int TMessageBoxAnswerer::Count() const { return GBoxCount; }
String TMessageBoxAnswerer::LastText() const { return GBoxText; }

void SetFormTexts(std::map<String, std::string> texts)
{
    auto shared = std::make_shared<std::map<String, std::string>>(std::move(texts));
    SetFormResourceProvider([shared](const String& className, TBytes& data) {
        auto it = shared->find(className);
        if (it == shared->end())
            return false;
        data.assign(it->second.begin(), it->second.end());
        return true;
    });
}
