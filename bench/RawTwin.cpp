// The fair reference for the start-up benchmark: the tool's main window written straight on Win32,
// without the framework. It loads the same system libraries, starts COM, the common controls and GDI+
// as the tool does, and creates the same windows with the same styles, fonts, colours and texts; the
// labels are painted by their panels. Only the layout is fixed here; the list entries and which fields
// are enabled come from the tool's own table.
#include <windows.h>
#include <commctrl.h>
#include <gdiplus.h>

#include <iterator>
#include <string>

#include "PersonTypes.h"

namespace {

// What the tool's program imports, loaded before anything else as the tool's loader does.
constexpr const wchar_t* SystemLibraries[] = {
    L"comctl32.dll", L"comdlg32.dll", L"gdi32.dll", L"gdiplus.dll", L"msimg32.dll", L"ole32.dll",
    L"shell32.dll",  L"user32.dll",   L"usp10.dll", L"uxtheme.dll", L"windowscodecs.dll", L"wininet.dll",
};

enum class TKind { Panel, Label, Edit, Memo, Combo, Button, Progress };
enum TFontKind { Regular, Bold, Large, Underlined, FontKindCount };

constexpr COLORREF White = 0xFFFFFF, Black = 0, Rule = 0xE6E4DE, SidePanel = 0x0E0965, Link = 0xFF0000;
constexpr COLORREF FormColor = 0x303030;
constexpr DWORD Rtl = WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR, RightAligned = Rtl | WS_EX_RIGHT;
constexpr DWORD EditStyle = WS_TABSTOP | ES_AUTOHSCROLL, RtlEditStyle = EditStyle | ES_RIGHT;
constexpr UINT LabelFlags = DT_RIGHT | DT_RTLREADING | DT_NOCLIP;

// Parent is an index into the table (-1: the form). Panels and controls come before their children.
struct TTwinWindow {
    int Parent;
    TKind Kind;
    RECT Bounds; // left, top, width, height
    const wchar_t* Text;
    DWORD Style;
    DWORD ExStyle;
    COLORREF Color; // a panel's background, a label's or memo's text
    TFontKind Font = Regular;
    UINT TextFlags = LabelFlags;
};

enum : int { MainPanel, SideBar, InputPanel, TitlePanel, LoadingPanel };

constexpr wchar_t MemoText[] = L"نکات مهم:\r\n\r\nنام عمومی باید به لاتین و بدون فاصله ثبت گردد.\r\n\r\n"
                               L"پست الکترونیکی الزامی است.\r\n\r\nعنوان رسمی شرکت باید درج گردد.\r\n\r\n"
                               L"شناسه/کد ملی الزامی است.";

constexpr TTwinWindow Windows[] = {
    {-1, TKind::Panel, {2, 2, 948, 448}, L"", WS_VISIBLE, RightAligned, White},
    {MainPanel, TKind::Panel, {594, 0, 354, 448}, L"", WS_VISIBLE, RightAligned, SidePanel},
    {MainPanel, TKind::Panel, {3, 3, 588, 442}, L"", WS_VISIBLE, RightAligned, White},
    {InputPanel, TKind::Panel, {3, 3, 582, 31}, L"", WS_VISIBLE, RightAligned, White},
    {MainPanel, TKind::Panel, {11, 40, 577, 378}, L"لطفا منتظر بمانید", 0, RightAligned, White},
    // The side bar.
    {SideBar, TKind::Label, {77, 166, 199, 15}, L"سرویس آفلاین صدور امضاء دیجیتال", 0, 0, White, Bold},
    {SideBar, TKind::Label, {105, 190, 144, 15}, L"ویژه سامانه مودیان (CSR)", 0, 0, White, Bold},
    {SideBar, TKind::Memo, {16, 246, 326, 129}, MemoText, ES_MULTILINE | ES_READONLY | ES_WANTRETURN | ES_RIGHT, Rtl,
     White},
    {SideBar, TKind::Label, {309, 0, 44, 31}, L"×", 0, 0, White, Large, DT_CENTER | DT_VCENTER | DT_SINGLELINE},
    // The input panel.
    {TitlePanel, TKind::Label, {0, 0, 582, 31},
     L"گروه نرم افزاری تاوین - ابزار تسهیل صدور CSR - نگارش 1.0.5.5 - تاریخ 1402/02/31", 0, 0, Black, Regular,
     LabelFlags | DT_VCENTER | DT_SINGLELINE},
    {InputPanel, TKind::Label, {518, 40, 60, 15}, L"نوع گواهی:", 0, 0, Black},
    {InputPanel, TKind::Combo, {8, 39, 503, 200}, L"", WS_TABSTOP | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL, RightAligned,
     Black},
    {InputPanel, TKind::Panel, {8, 60, 567, 1}, L"", WS_VISIBLE, RightAligned, Rule},
    {InputPanel, TKind::Label, {490, 77, 85, 15}, L"دولتی/غیردولتی:", 0, 0, Black},
    {InputPanel, TKind::Edit, {305, 97, 270, 21}, L"", RtlEditStyle | ES_READONLY, Rtl, Black},
    {InputPanel, TKind::Label, {85, 76, 196, 15}, L"نام عمومی: (به انگلیسی، بدون فاصله)", 0, 0, Black},
    {InputPanel, TKind::Edit, {8, 97, 273, 21}, L"", EditStyle, 0, Black},
    {InputPanel, TKind::Label, {506, 131, 69, 15}, L"شناسه ملی:", 0, 0, Black},
    {InputPanel, TKind::Edit, {305, 152, 270, 21}, L"", EditStyle, 0, Black},
    {InputPanel, TKind::Label, {195, 131, 86, 15}, L"پست الکترونیکی:", 0, 0, Black},
    {InputPanel, TKind::Edit, {8, 152, 273, 21}, L"", EditStyle, 0, Black},
    {InputPanel, TKind::Label, {445, 192, 130, 15}, L"نقش/سمت: (در سازمان)", 0, 0, Black},
    {InputPanel, TKind::Edit, {305, 213, 270, 21}, L"", RtlEditStyle, Rtl, Black},
    {InputPanel, TKind::Label, {8, 192, 273, 15}, L"عنوان شرکت: (دقیقا\" مطابق با آگهی تاسیس شرکت)", 0, 0, Black},
    {InputPanel, TKind::Edit, {8, 213, 273, 21}, L"", RtlEditStyle, Rtl, Black},
    {InputPanel, TKind::Label, {540, 251, 35, 15}, L"استان:", 0, 0, Black},
    {InputPanel, TKind::Edit, {305, 271, 270, 21}, L"", RtlEditStyle, Rtl, Black},
    {InputPanel, TKind::Label, {253, 251, 28, 15}, L"شهر:", 0, 0, Black},
    {InputPanel, TKind::Edit, {8, 271, 273, 21}, L"", RtlEditStyle, Rtl, Black},
    {InputPanel, TKind::Label, {506, 310, 69, 15}, L"نام خانوادگی:", 0, 0, Black},
    {InputPanel, TKind::Edit, {305, 331, 270, 21}, L"", RtlEditStyle, Rtl, Black},
    {InputPanel, TKind::Label, {263, 310, 18, 15}, L"نام:", 0, 0, Black},
    {InputPanel, TKind::Edit, {8, 331, 273, 21}, L"", RtlEditStyle, Rtl, Black},
    {InputPanel, TKind::Button, {305, 380, 270, 25}, L"تولید CSR", WS_TABSTOP, WS_EX_RTLREADING, Black},
    {InputPanel, TKind::Button, {143, 380, 138, 25}, L"جدید", WS_TABSTOP, WS_EX_RTLREADING, Black},
    {InputPanel, TKind::Button, {8, 380, 129, 25}, L"خروج", WS_TABSTOP, WS_EX_RTLREADING, Black},
    {InputPanel, TKind::Panel, {8, 404, 567, 1}, L"", WS_VISIBLE, RightAligned, Rule},
    {InputPanel, TKind::Label, {372, 421, 120, 15}, L"نگارش 1.0.5.5", 0, 0, Black},
    {InputPanel, TKind::Label, {162, 421, 80, 15}, L"پشتیبانی:", 0, 0, Black},
    {InputPanel, TKind::Label, {259, 421, 90, 15}, L"example.com", 0, 0, Link, Underlined},
    {LoadingPanel, TKind::Progress, {64, 204, 439, 17}, L"", WS_VISIBLE | PBS_SMOOTH | PBS_MARQUEE, Rtl, Black},
};

// The nine input edits in the tool's field order, as indexes into the table.
constexpr int FieldEdits[InputFieldCount] = {16, 18, 20, 22, 24, 26, 28, 30, 32};
constexpr int AffiliationEdit = 14, PersonTypeCombo = 11, DefaultPersonType = 5;

HFONT Fonts[FontKindCount];
HWND Handles[std::size(Windows)];
HBRUSH PanelBrushes[std::size(Windows)];

void CreateFonts()
{
    struct TFontSpec {
        int Height, Weight;
        BOOL Underline;
    };
    constexpr TFontSpec Specs[FontKindCount] = {{-12, FW_NORMAL, FALSE}, {-12, FW_BOLD, FALSE},
                                                {-16, FW_NORMAL, FALSE}, {-12, FW_NORMAL, TRUE}};
    for (int i = 0; i < FontKindCount; ++i)
        Fonts[i] = CreateFontW(Specs[i].Height, 0, 0, 0, Specs[i].Weight, FALSE, Specs[i].Underline, FALSE,
                               DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                               DEFAULT_PITCH, L"Tahoma");
}

int IndexOf(HWND wnd) { return static_cast<int>(GetWindowLongPtrW(wnd, GWLP_USERDATA)); }

void PaintLabels(HWND panel, HDC dc)
{
    const int self = IndexOf(panel);
    SetBkMode(dc, TRANSPARENT);
    for (const TTwinWindow& w : Windows) {
        if (w.Parent != self || w.Kind != TKind::Label)
            continue;
        SelectObject(dc, Fonts[w.Font]);
        SetTextColor(dc, w.Color);
        RECT r{w.Bounds.left, w.Bounds.top, w.Bounds.left + w.Bounds.right, w.Bounds.top + w.Bounds.bottom};
        DrawTextW(dc, w.Text, -1, &r, w.TextFlags);
    }
}

LRESULT CALLBACK PanelProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(wnd, &r);
        FillRect(reinterpret_cast<HDC>(wp), &r, PanelBrushes[IndexOf(wnd)]);
        return 1;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(wnd, &ps);
        PaintLabels(wnd, dc);
        EndPaint(wnd, &ps);
        return 0;
    }
    case WM_CTLCOLORSTATIC: // the read-only memo on the side bar, and disabled edits elsewhere
        if (IndexOf(wnd) == SideBar) {
            SetTextColor(reinterpret_cast<HDC>(wp), White);
            SetBkColor(reinterpret_cast<HDC>(wp), SidePanel);
            return reinterpret_cast<LRESULT>(PanelBrushes[SideBar]);
        }
        break;
    default:
        break;
    }
    return DefWindowProcW(wnd, msg, wp, lp);
}

LRESULT CALLBACK FormProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(wnd, msg, wp, lp);
}

const wchar_t* SystemClass(TKind kind)
{
    switch (kind) {
    case TKind::Edit:
    case TKind::Memo:
        return L"EDIT";
    case TKind::Combo:
        return L"COMBOBOX";
    case TKind::Button:
        return L"BUTTON";
    case TKind::Progress:
        return PROGRESS_CLASSW;
    default:
        return L"RawTwinPanel";
    }
}

void CreateChildren(HWND form, HINSTANCE instance)
{
    for (size_t i = 0; i < std::size(Windows); ++i) {
        const TTwinWindow& w = Windows[i];
        if (w.Kind == TKind::Label)
            continue;
        if (w.Kind == TKind::Panel)
            PanelBrushes[i] = CreateSolidBrush(w.Color);
        HWND parent = w.Parent < 0 ? form : Handles[w.Parent];
        DWORD style = WS_CHILD | WS_CLIPSIBLINGS | w.Style;
        if (w.Kind == TKind::Panel)
            style |= WS_CLIPCHILDREN;
        else
            style |= WS_VISIBLE;
        DWORD exStyle = w.ExStyle | (w.Kind == TKind::Edit ? WS_EX_CLIENTEDGE : 0);
        Handles[i] = CreateWindowExW(exStyle, SystemClass(w.Kind), w.Text, style, w.Bounds.left, w.Bounds.top,
                                     w.Bounds.right, w.Bounds.bottom, parent,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(100 + i)), instance, nullptr);
        SetWindowLongPtrW(Handles[i], GWLP_USERDATA, static_cast<LONG_PTR>(i));
        SendMessageW(Handles[i], WM_SETFONT, reinterpret_cast<WPARAM>(Fonts[w.Font]), FALSE);
    }
}

// What the tool's form does when it is shown: the list filled, the default type chosen, its fields enabled.
void ShowPersonType()
{
    HWND combo = Handles[PersonTypeCombo];
    for (const TPersonTypeEntry& entry : PersonTypeEntries)
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.Text));
    SendMessageW(combo, CB_SETCURSEL, DefaultPersonType, 0);
    const TPersonTypeEntry& chosen = PersonTypeEntries[DefaultPersonType];
    SetWindowTextW(Handles[AffiliationEdit], reinterpret_cast<const wchar_t*>(chosen.Affiliation));
    EnableWindow(Handles[AffiliationEdit], FALSE);
    for (int f = 0; f < InputFieldCount; ++f)
        EnableWindow(Handles[FieldEdits[f]], IsFieldEnabled(static_cast<TInputField>(f), chosen.Type));
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    for (const wchar_t* library : SystemLibraries)
        LoadLibraryW(library);
    (void)CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    Gdiplus::GdiplusStartupInput gdiplusInput;
    ULONG_PTR gdiplusToken = 0;
    Gdiplus::GdiplusStartup(&gdiplusToken, &gdiplusInput, nullptr);
    CreateFonts();

    WNDCLASSW wc{};
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconW(instance, L"MAINICON");
    wc.lpfnWndProc = FormProc;
    wc.hbrBackground = CreateSolidBrush(FormColor);
    wc.lpszClassName = L"RawTwinForm";
    RegisterClassW(&wc);
    wc.lpfnWndProc = PanelProc;
    wc.hbrBackground = nullptr;
    wc.lpszClassName = L"RawTwinPanel";
    RegisterClassW(&wc);

    constexpr int Width = 952, Height = 452;
    RECT desktop;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &desktop, 0);
    HWND form = CreateWindowExW(WS_EX_APPWINDOW | Rtl, L"RawTwinForm",
                                L"گروه نرم افزاری تاوین - ابزار تسهیل صدور CSR",
                                WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_SYSMENU,
                                desktop.left + (desktop.right - desktop.left - Width) / 2,
                                desktop.top + (desktop.bottom - desktop.top - Height) / 2, Width, Height, nullptr,
                                nullptr, instance, nullptr);
    CreateChildren(form, instance);
    ShowPersonType();
    ShowWindow(form, show);
    SetFocus(Handles[PersonTypeCombo]);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(form, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
