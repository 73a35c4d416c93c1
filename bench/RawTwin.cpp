// The fair reference for the start-up benchmark: the tool's main window written straight on Win32,
// without the framework. It loads the same system libraries, starts COM, the common controls and GDI+
// as the tool does, and creates the same windows with the same styles, fonts, colours and texts; the
// labels are painted by their panels. What the tool draws through GDI+ (the main panel's translucent
// fill and dark frame, the close glyph, the vector word mark) the twin draws through GDI+ too. Only the layout is fixed here;
// the list entries and which fields are enabled come from the tool's own table.
#include <windows.h>
#include <commctrl.h>
#include <gdiplus.h>

#include <algorithm>
#include <iterator>
#include <string>

#include "PersonTypes.h"

namespace {

// What the tool's program imports, loaded before anything else as the tool's loader does.
constexpr const wchar_t* SystemLibraries[] = {
    L"comctl32.dll", L"comdlg32.dll", L"gdi32.dll", L"gdiplus.dll", L"msimg32.dll", L"ole32.dll",
    L"shell32.dll",  L"user32.dll",   L"usp10.dll", L"uxtheme.dll", L"windowscodecs.dll", L"wininet.dll",
};

enum class TKind { Panel, Label, WordMark, Edit, Memo, Combo, Button, Progress, CloseGlyph };
enum TFontKind { Regular, Bold, Underlined, FontKindCount };

constexpr COLORREF White = 0xFFFFFF, Black = 0, Rule = 0xE6E4DE, SidePanel = 0x0E0965, Link = 0xFF0000;
constexpr COLORREF FrameColor = 0x303030;
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
    {-1, TKind::Panel, {0, 0, 952, 452}, L"", WS_VISIBLE, RightAligned, White},
    {MainPanel, TKind::Panel, {596, 2, 354, 448}, L"", WS_VISIBLE, RightAligned, SidePanel},
    {MainPanel, TKind::Panel, {5, 5, 588, 442}, L"", WS_VISIBLE, RightAligned, White},
    {InputPanel, TKind::Panel, {3, 3, 582, 31}, L"", WS_VISIBLE, RightAligned, White},
    {MainPanel, TKind::Panel, {13, 42, 577, 378}, L"لطفا منتظر بمانید", 0, RightAligned, White},
    // The side bar.
    {SideBar, TKind::WordMark, {16, 19, 326, 137}, L"", 0, 0, White},
    {SideBar, TKind::Label, {77, 166, 199, 15}, L"سرویس آفلاین صدور امضاء دیجیتال", 0, 0, White, Bold},
    {SideBar, TKind::Label, {105, 190, 144, 15}, L"ویژه سامانه مودیان (CSR)", 0, 0, White, Bold},
    {SideBar, TKind::Memo, {16, 246, 326, 129}, MemoText, ES_MULTILINE | ES_READONLY | ES_WANTRETURN | ES_RIGHT, Rtl,
     White},
    {SideBar, TKind::CloseGlyph, {309, 0, 45, 31}, L"", WS_VISIBLE, 0, SidePanel},
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
constexpr int FieldEdits[InputFieldCount] = {17, 19, 21, 23, 25, 27, 29, 31, 33};
constexpr int AffiliationEdit = 15, PersonTypeCombo = 12, DefaultPersonType = 5;
static_assert(Windows[PersonTypeCombo].Kind == TKind::Combo && Windows[AffiliationEdit].Kind == TKind::Edit);
static_assert(std::all_of(std::begin(FieldEdits), std::end(FieldEdits),
                          [](int i) { return Windows[i].Kind == TKind::Edit && Windows[i - 1].Kind == TKind::Label; }));

HFONT Fonts[FontKindCount];
HWND Handles[std::size(Windows)];
HBRUSH PanelBrushes[std::size(Windows)];

void CreateFonts()
{
    struct TFontSpec {
        int Height, Weight;
        BOOL Underline;
    };
    constexpr TFontSpec Specs[FontKindCount] = {{-12, FW_NORMAL, FALSE}, {-12, FW_BOLD, FALSE}, {-12, FW_NORMAL, TRUE}};
    for (int i = 0; i < FontKindCount; ++i)
        Fonts[i] = CreateFontW(Specs[i].Height, 0, 0, 0, Specs[i].Weight, FALSE, Specs[i].Underline, FALSE,
                               DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                               DEFAULT_PITCH, L"Tahoma");
}

int IndexOf(HWND wnd) { return static_cast<int>(GetWindowLongPtrW(wnd, GWLP_USERDATA)); }

// The tool's word mark: its letters as figures in a 800 x 192 box, filled white (a path's figures
// together, so the counters of A and R stay open); under it a bar at 60 per cent.
const Gdiplus::Point WordMarkPoints[] = {
    {32, 36}, {112, 36}, {112, 56}, {82, 56}, {82, 156}, {62, 156}, {62, 56}, {32, 56}, {128, 156}, {160, 36}, {176,
    36}, {208, 156}, {186, 156}, {179, 130}, {157, 130}, {150, 156}, {158, 118}, {178, 118}, {168, 78}, {224, 36},
    {246, 36}, {264, 126}, {282, 36}, {304, 36}, {274, 156}, {254, 156}, {320, 36}, {340, 36}, {340, 156}, {320,
    156}, {356, 36}, {376, 36}, {416, 116}, {416, 36}, {436, 36}, {436, 156}, {416, 156}, {376, 76}, {376, 156},
    {356, 156}, {576, 36}, {506, 36}, {496, 46}, {496, 146}, {506, 156}, {576, 156}, {576, 136}, {516, 136}, {516,
    56}, {576, 56}, {672, 36}, {602, 36}, {592, 46}, {592, 96}, {602, 106}, {652, 106}, {652, 136}, {592, 136},
    {592, 156}, {662, 156}, {672, 146}, {672, 96}, {662, 86}, {612, 86}, {612, 56}, {672, 56}, {688, 36}, {753, 36},
    {768, 51}, {768, 86}, {756, 98}, {768, 156}, {748, 156}, {738, 106}, {708, 106}, {708, 156}, {688, 156}, {708,
    56}, {748, 56}, {748, 86}, {708, 86}
};
struct TWordMarkFigure {
    int Count;
    bool EndsPath;
};
constexpr TWordMarkFigure WordMarkFigures[] = {{8, true}, {8, false}, {3, true}, {7, true}, {4, true}, {10, true}, {10, true}, {16, true}, {11, false}, {4, true}};

void PaintWordMark(HDC dc, const RECT& bounds)
{
    constexpr float BoxWidth = 800, BoxHeight = 192;
    const float width = float(bounds.right), height = float(bounds.bottom);
    const float scale = std::min(width / BoxWidth, height / BoxHeight);
    Gdiplus::Graphics g(dc);
    g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    g.TranslateTransform(bounds.left + (width - BoxWidth * scale) / 2, bounds.top + (height - BoxHeight * scale) / 2);
    g.ScaleTransform(scale, scale);
    Gdiplus::SolidBrush white(Gdiplus::Color(255, 255, 255, 255));
    Gdiplus::GraphicsPath path(Gdiplus::FillModeWinding);
    const Gdiplus::Point* points = WordMarkPoints;
    for (const TWordMarkFigure& figure : WordMarkFigures) {
        path.AddPolygon(points, figure.Count);
        points += figure.Count;
        if (figure.EndsPath) {
            g.FillPath(&white, &path);
            path.Reset();
        }
    }
    Gdiplus::SolidBrush bar(Gdiplus::Color(153, 255, 255, 255));
    g.FillRectangle(&bar, 496, 168, 272, 8);
}

void PaintLabels(HWND panel, HDC dc)
{
    const int self = IndexOf(panel);
    SetBkMode(dc, TRANSPARENT);
    for (const TTwinWindow& w : Windows) {
        if (w.Parent != self)
            continue;
        if (w.Kind == TKind::WordMark)
            PaintWordMark(dc, w.Bounds);
        if (w.Kind != TKind::Label)
            continue;
        SelectObject(dc, Fonts[w.Font]);
        SetTextColor(dc, w.Color);
        RECT r{w.Bounds.left, w.Bounds.top, w.Bounds.left + w.Bounds.right, w.Bounds.top + w.Bounds.bottom};
        DrawTextW(dc, w.Text, -1, &r, w.TextFlags);
    }
}

// The main panel: white at alpha 150 over the form's white inside a dark two-pixel frame, the
// frame filled as a ring as the tool's panel does.
void PaintMainPanel(HDC dc, const RECT& r)
{
    constexpr int FrameWidth = 2;
    Gdiplus::Graphics g(dc);
    g.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
    g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    Gdiplus::SolidBrush fill(Gdiplus::Color(150, 255, 255, 255));
    g.FillRectangle(&fill, 0, 0, r.right, r.bottom);
    g.SetSmoothingMode(Gdiplus::SmoothingModeNone);
    Gdiplus::GraphicsPath ring;
    ring.AddRectangle(Gdiplus::Rect(0, 0, r.right, r.bottom));
    ring.AddRectangle(Gdiplus::Rect(FrameWidth, FrameWidth, r.right - 2 * FrameWidth, r.bottom - 2 * FrameWidth));
    Gdiplus::SolidBrush frame(Gdiplus::Color(255, GetRValue(FrameColor), GetGValue(FrameColor), GetBValue(FrameColor)));
    g.FillPath(&frame, &ring);
}

// The close button's glyph: a white cross of size 10 and one pixel, centred.
void PaintCloseGlyph(HDC dc, const RECT& r)
{
    Gdiplus::Graphics g(dc);
    g.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
    Gdiplus::Pen pen(Gdiplus::Color(255, 255, 255, 255), 1);
    const float x = r.right / 2.0f - 5, y = r.bottom / 2.0f - 5;
    g.DrawLine(&pen, x, y, x + 10, y + 10);
    g.DrawLine(&pen, x + 10, y, x, y + 10);
}

LRESULT CALLBACK PanelProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(wnd, &r);
        const HDC dc = reinterpret_cast<HDC>(wp);
        FillRect(dc, &r, PanelBrushes[IndexOf(wnd)]);
        if (IndexOf(wnd) == MainPanel)
            PaintMainPanel(dc, r);
        else if (Windows[IndexOf(wnd)].Kind == TKind::CloseGlyph)
            PaintCloseGlyph(dc, r);
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
        if (w.Kind == TKind::Label || w.Kind == TKind::WordMark)
            continue;
        const bool panel = w.Kind == TKind::Panel || w.Kind == TKind::CloseGlyph;
        if (panel)
            PanelBrushes[i] = CreateSolidBrush(w.Color);
        HWND parent = w.Parent < 0 ? form : Handles[w.Parent];
        DWORD style = WS_CHILD | WS_CLIPSIBLINGS | w.Style;
        if (panel)
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
    wc.hbrBackground = CreateSolidBrush(White);
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
