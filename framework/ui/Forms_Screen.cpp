// TScreen (forms, monitors, resolution, cursors, fonts) and TMonitor; the hint window.
#include <algorithm>

#include "Forms.h"
#include "PlatformFacts.h"
#include "WideText.h"

namespace {

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data)
{
    reinterpret_cast<std::vector<std::unique_ptr<TMonitor>>*>(data)->push_back(std::make_unique<TMonitor>(monitor));
    return TRUE;
}

int CALLBACK AddFontName(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM data)
{
    if (font->lfFaceName[0] != L'@') // vertical variants
        reinterpret_cast<TStringList*>(data)->Add(FromWidePtr(font->lfFaceName));
    return 1;
}

} // namespace

TRect TMonitor::BoundsRect() const
{
    MONITORINFO info{sizeof(info), {}, {}, 0};
    GetMonitorInfoW(FHandle, &info);
    return FromWinRect(info.rcMonitor);
}

TRect TMonitor::WorkareaRect() const
{
    MONITORINFO info{sizeof(info), {}, {}, 0};
    GetMonitorInfoW(FHandle, &info);
    return FromWinRect(info.rcWork);
}

bool TMonitor::Primary() const
{
    MONITORINFO info{sizeof(info), {}, {}, 0};
    GetMonitorInfoW(FHandle, &info);
    return (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
}

int TMonitor::PixelsPerInch() const { return PlatformMonitorDpi(FHandle); }

TScreen::TScreen(TComponent* owner)
    : TComponent(owner), FHintFont(std::make_unique<TFont>()), FMenuFont(std::make_unique<TFont>())
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        FHintFont->SetHandle(CreateFontIndirectW(&metrics.lfStatusFont));
        FMenuFont->SetHandle(CreateFontIndirectW(&metrics.lfMenuFont));
    }
}

TScreen::~TScreen() = default;

void TScreen::AddForm(TCustomForm* form)
{
    FForms.push_back(form);
}

void TScreen::RemoveForm(TCustomForm* form)
{
    std::erase(FForms, form);
    if (FActiveForm == form) {
        FActiveForm = nullptr;
        FActiveControl = nullptr;
    }
}

void TScreen::MonitorsNeeded() const
{
    FMonitors.clear();
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&FMonitors));
}

int TScreen::MonitorCount() const
{
    MonitorsNeeded();
    return static_cast<int>(FMonitors.size());
}

TMonitor* TScreen::Monitors(int index) const
{
    if (FMonitors.empty())
        MonitorsNeeded();
    return FMonitors.at(static_cast<size_t>(index)).get();
}

namespace {

TMonitor* FindMonitor(std::vector<std::unique_ptr<TMonitor>>& monitors, HMONITOR handle)
{
    for (auto& m : monitors)
        if (m->Handle() == handle)
            return m.get();
    monitors.push_back(std::make_unique<TMonitor>(handle));
    return monitors.back().get();
}

} // namespace

TMonitor* TScreen::MonitorFromWindow(HWND wnd) const
{
    return FindMonitor(FMonitors, ::MonitorFromWindow(wnd, MONITOR_DEFAULTTONEAREST));
}

TMonitor* TScreen::MonitorFromPoint(TPoint p) const
{
    return FindMonitor(FMonitors, ::MonitorFromPoint(POINT{p.X, p.Y}, MONITOR_DEFAULTTONEAREST));
}

TRect TScreen::WorkAreaRect() const
{
    RECT r;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    return FromWinRect(r);
}

int TScreen::PixelsPerInch() const { return PlatformScreenDpi(); }

void TScreen::SetCursor(TCursor value)
{
    FCursor = value;
    ::SetCursor(Cursors(value == crDefault ? crArrow : value));
}

HCURSOR TScreen::Cursors(TCursor cursor) const
{
    const wchar_t* id = IDC_ARROW;
    switch (cursor) {
    case crNone: return nullptr;
    case crCross: id = IDC_CROSS; break;
    case crIBeam: id = IDC_IBEAM; break;
    case crSizeNESW: id = IDC_SIZENESW; break;
    case crSizeNS: id = IDC_SIZENS; break;
    case crSizeNWSE: id = IDC_SIZENWSE; break;
    case crSizeWE: id = IDC_SIZEWE; break;
    case crUpArrow: id = IDC_UPARROW; break;
    case crHourGlass: id = IDC_WAIT; break;
    case crNo: id = IDC_NO; break;
    case crAppStart: id = IDC_APPSTARTING; break;
    case crHelp: id = IDC_HELP; break;
    case crHandPoint: id = IDC_HAND; break;
    case crSizeAll: id = IDC_SIZEALL; break;
    default: break;
    }
    return LoadCursorW(nullptr, id);
}

TStrings* TScreen::Fonts() const
{
    if (!FFonts) {
        FFonts = std::make_unique<TStringList>();
        FFonts->SetSorted(true);
        HDC dc = GetDC(nullptr);
        LOGFONTW lf{};
        lf.lfCharSet = DEFAULT_CHARSET;
        EnumFontFamiliesExW(dc, &lf, AddFontName, reinterpret_cast<LPARAM>(FFonts.get()), 0);
        ReleaseDC(nullptr, dc);
    }
    return FFonts.get();
}

// ---------------------------------------------------------------------------------------------

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner)
{
    SetColor(clInfoBk);
    SetVisible(false);
    if (Screen)
        Font()->Assign(Screen->HintFont());
    Font()->SetColor(clInfoText);
}

void THintWindow::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    params.Style = WS_POPUP | WS_BORDER;
    params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    if (UseRightToLeftReading())
        params.ExStyle |= WS_EX_RTLREADING;
    params.WindowClassStyle |= CS_SAVEBITS;
}

TRect THintWindow::CalcHintRect(int maxWidth, const String& text)
{
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, Font()->Handle());
    RECT r{0, 0, maxWidth, 0};
    DrawTextW(dc, WidePtr(text), -1, &r, DrawTextBiDiModeFlags(DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX));
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return Rect(0, 0, r.right + 8, r.bottom + 4);
}

void THintWindow::ActivateHint(TRect rect, const String& text)
{
    SetCaption(text);
    SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
    SetWindowPos(Handle(), HWND_TOPMOST, rect.Left, rect.Top, rect.Width(), rect.Height(),
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    Invalidate();
}

void THintWindow::Paint()
{
    TRect r = ClientRect();
    Canvas()->FillRect(r);
    String text = Caption();
    r.Left += 2;
    r.Top += 1;
    RECT wr = ToWinRect(r);
    SetBkMode(Canvas()->Handle(), TRANSPARENT);
    SetTextColor(Canvas()->Handle(), static_cast<COLORREF>(ColorToRGB(Font()->Color())));
    SelectObject(Canvas()->Handle(), Font()->Handle());
    DrawTextW(Canvas()->Handle(), WidePtr(text), -1, &wr, DrawTextBiDiModeFlags(DT_WORDBREAK | DT_NOPREFIX));
}
