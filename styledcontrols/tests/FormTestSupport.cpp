#include "FormTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

#include "GuiTestSupport.h"
#include "scStyledForm.h"

namespace {

class TFormUnitEnvironment : public ::testing::Environment {
public:
    void SetUp() override { FUnits.Initialize(); }
    void TearDown() override { FUnits.Finalize(); }

private:
    static constexpr TUnitStep Units[] = {scStyledFormUnit};
    TUnitStartup FUnits{Units};
};

[[maybe_unused]] ::testing::Environment* const FormUnitEnvironment =
    ::testing::AddGlobalTestEnvironment(new TFormUnitEnvironment);

TDwmLog Recorded;

HRESULT WINAPI CompositionOn(BOOL* enabled)
{
    *enabled = TRUE;
    return S_OK;
}

HRESULT WINAPI RecordExtend(HWND, const MARGINS* m)
{
    Recorded.Margins.push_back({m->cxLeftWidth, m->cxRightWidth, m->cyTopHeight, m->cyBottomHeight});
    return S_OK;
}

HRESULT WINAPI RecordAttribute(HWND, DWORD attribute, LPCVOID value, DWORD size)
{
    DWORD v = 0;
    std::memcpy(&v, value, std::min<DWORD>(size, sizeof(v)));
    Recorded.Attributes.emplace_back(attribute, v);
    return S_OK;
}

BOOL WINAPI RecordAccent(HWND, WINCOMPATTRDATA* data)
{
    DWORD fields[4] = {};
    std::memcpy(fields, data->Data, std::min<ULONG>(data->DataSize, sizeof(fields)));
    Recorded.AccentAttribute = data->Attribute;
    Recorded.Accents.push_back({fields[0], fields[1], fields[2]});
    return TRUE;
}

} // namespace

TDwmRecording::TDwmRecording(TWindowsVersion version)
    : Log(Recorded), FFacts({.Version = version, .CompositionEnabled = true}),
      FComposition(scDrawUtils::DwmIsCompositionEnabled, &CompositionOn),
      FExtend(scDrawUtils::DwmExtendFrameIntoClientArea, &RecordExtend),
      FAttribute(scDrawUtils::DwmSetWindowAttribute, &RecordAttribute),
      FAccent(scDrawUtils::SetWindowCompositionAttribute, &RecordAccent)
{
    Recorded = {};
}

TDwmRecording::~TDwmRecording() { Recorded = {}; }

TRegisteredStyle::TRegisteredStyle(const String& name) : FName(name)
{
    TStyleManager::RegisterStyle(std::make_unique<TTestStyleServices>(name, 1));
}

TRegisteredStyle::~TRegisteredStyle()
{
    TStyleManager::SetStyle(TStyleManager::SystemStyle()->Name());
    TStyleManager::UnRegisterStyle(FName);
}

COLORREF WindowPixel(HWND wnd, int x, int y)
{
    HDC dc = GetWindowDC(wnd);
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(wnd, dc);
    return pixel;
}

LRESULT HitCode(HWND wnd, int x, int y)
{
    RECT r;
    GetWindowRect(wnd, &r);
    return SendMessageW(wnd, WM_NCHITTEST, 0, MAKELPARAM(r.left + x, r.top + y));
}

void PostNCMouse(HWND wnd, UINT message, int hitCode, int x, int y)
{
    RECT r;
    GetWindowRect(wnd, &r);
    SetCursorPos(r.left + x, r.top + y);
    PostMessageW(wnd, message, static_cast<WPARAM>(hitCode), MAKELPARAM(r.left + x, r.top + y));
    PumpFor(30);
}

void PostNCClick(HWND wnd, UINT press, int hitCode, int x, int y)
{
    RECT r;
    GetWindowRect(wnd, &r);
    SetCursorPos(r.left + x, r.top + y);
    const LPARAM at = MAKELPARAM(r.left + x, r.top + y);
    PostMessageW(wnd, press, static_cast<WPARAM>(hitCode), at);
    PostMessageW(wnd, WM_NCLBUTTONUP, static_cast<WPARAM>(hitCode), at);
    PumpFor(30);
}
