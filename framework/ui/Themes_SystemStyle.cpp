// The system style: uxtheme while visual themes are on, the classic look while they are off.
#include <map>
#include <utility>

#include <vssym32.h>

#include "PlatformFacts.h"
#include "ThemesClassic.h"
#include "WideText.h"

namespace {

// The theme class of each element, in TThemedElement order.
constexpr const wchar_t* ThemeClassNames[] = {
    L"BUTTON", L"CLOCK", L"COMBOBOX", L"EDIT", L"EXPLORERBAR", L"HEADER", L"LISTVIEW", L"MENU", L"PAGE",
    L"PROGRESS", L"REBAR", L"SCROLLBAR", L"SPIN", L"STARTPANEL", L"STATUS", L"TAB", L"TASKBAND", L"TASKBAR",
    L"TOOLBAR", L"TOOLTIP", L"TRACKBAR", L"TRAYNOTIFY", L"TREEVIEW", L"WINDOW",
    L"LISTVIEW", // teGrid
    L"TOOLTIP",  // teHint
    L"MONTHCAL",
};
static_assert(std::size(ThemeClassNames) == teMonthCal + 1);

constexpr int TMT_ByElementColor[] = {
    TMT_BORDERCOLOR, TMT_FILLCOLOR, TMT_TEXTCOLOR, TMT_EDGELIGHTCOLOR, TMT_EDGEHIGHLIGHTCOLOR,
    TMT_EDGESHADOWCOLOR, TMT_EDGEDKSHADOWCOLOR, TMT_EDGEFILLCOLOR, TMT_TRANSPARENTCOLOR, TMT_GRADIENTCOLOR1,
    TMT_GRADIENTCOLOR2, TMT_GRADIENTCOLOR3, TMT_GRADIENTCOLOR4, TMT_GRADIENTCOLOR5, TMT_SHADOWCOLOR,
    TMT_GLOWCOLOR, TMT_TEXTBORDERCOLOR, TMT_TEXTSHADOWCOLOR, TMT_GLYPHTEXTCOLOR, TMT_GLYPHTRANSPARENTCOLOR,
    TMT_FILLCOLORHINT, TMT_BORDERCOLORHINT, TMT_ACCENTCOLORHINT,
};
static_assert(std::size(TMT_ByElementColor) == ecAccentColorHint + 1);

RECT ToRECT(const TRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }
TRect FromRECT(const RECT& r) { return TRect{r.left, r.top, r.right, r.bottom}; }

THEMESIZE ThemeSizeOf(TElementSize kind)
{
    switch (kind) {
    case esMinimum: return TS_MIN;
    case esActual: return TS_TRUE;
    default: return TS_DRAW;
    }
}

// DrawEdge's BDR_ and BF_ bits in TElementEdge and TElementEdgeFlag order.
constexpr UINT EdgeBits[] = {BDR_RAISEDOUTER, BDR_SUNKENOUTER, BDR_RAISEDINNER, BDR_SUNKENINNER,
                             EDGE_BUMP,       EDGE_ETCHED,     EDGE_RAISED,     EDGE_SUNKEN};
constexpr UINT EdgeFlagBits[] = {BF_LEFT, BF_TOP, BF_RIGHT, BF_BOTTOM, BF_TOPLEFT, BF_BOTTOMLEFT, BF_TOPRIGHT,
                                 BF_BOTTOMRIGHT, BF_RECT, BF_DIAGONAL, BF_DIAGONAL_ENDTOPLEFT,
                                 BF_DIAGONAL_ENDTOPRIGHT, BF_DIAGONAL_ENDBOTTOMLEFT, BF_DIAGONAL_ENDBOTTOMRIGHT,
                                 BF_MIDDLE, BF_SOFT, BF_ADJUST, BF_FLAT, BF_MONO};

template <class E, std::size_t N>
UINT BitsOf(TSet<E> set, const UINT (&bits)[N])
{
    UINT result = 0;
    for (std::size_t i = 0; i < N; ++i)
        if (set.Contains(static_cast<E>(i)))
            result |= bits[i];
    return result;
}

using TOpenThemeDataForDpi = HTHEME(WINAPI*)(HWND, LPCWSTR, UINT);

// The per-DPI theme data of Windows 10 (1703) and later; null where the platform lacks it.
TOpenThemeDataForDpi OpenThemeDataForDpiFunction()
{
    HMODULE uxtheme = GetModuleHandleW(L"uxtheme.dll");
    return uxtheme ? reinterpret_cast<TOpenThemeDataForDpi>(
                         reinterpret_cast<void*>(GetProcAddress(uxtheme, "OpenThemeDataForDpi")))
                   : nullptr;
}

} // namespace

struct TSystemStyleServices::TThemeCache {
    std::map<std::pair<TThemedElement, int>, HTHEME> Open;

    void CloseAll()
    {
        for (auto& [key, theme] : Open)
            if (theme)
                CloseThemeData(theme);
        Open.clear();
    }
};

TSystemStyleServices::TSystemStyleServices() : TSystemStyleServices(&PlatformThemesActive) {}

TSystemStyleServices::TSystemStyleServices(std::function<bool()> themesActive)
    : FThemesActive(std::move(themesActive)), FThemes(std::make_unique<TThemeCache>())
{
}

TSystemStyleServices::~TSystemStyleServices() { FThemes->CloseAll(); }

void TSystemStyleServices::ApplyThemeChange() { FThemes->CloseAll(); }

bool TSystemStyleServices::Enabled() const { return FThemesActive(); }

HTHEME TSystemStyleServices::Theme(TThemedElement element, int dpi) const
{
    if (!Enabled() || element < 0 || element > teMonthCal)
        return nullptr;
    static const TOpenThemeDataForDpi openForDpi = OpenThemeDataForDpiFunction();
    const int key = openForDpi ? dpi : 0;
    auto [it, added] = FThemes->Open.try_emplace({element, key}, nullptr);
    if (added)
        it->second = key > 0 ? openForDpi(nullptr, ThemeClassNames[element], UINT(key))
                             : OpenThemeData(nullptr, ThemeClassNames[element]);
    return it->second;
}

bool TSystemStyleServices::DrawElement(HDC dc, const TThemedElementDetails& details, const TRect& r, const TRect* clip,
                                       int dpi) const
{
    if (!Enabled()) {
        if (!clip)
            return DrawClassicElement(dc, details, r);
        // The classic calls take no clip rectangle: clip the DC instead, as the themed call does.
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, clip->Left, clip->Top, clip->Right, clip->Bottom);
        const bool drawn = DrawClassicElement(dc, details, r);
        RestoreDC(dc, saved);
        return drawn;
    }
    HTHEME theme = Theme(details.Element, dpi);
    if (!theme)
        return false;
    RECT rc = ToRECT(r);
    RECT clipRc = clip ? ToRECT(*clip) : RECT{};
    return SUCCEEDED(DrawThemeBackground(theme, dc, details.Part, details.State, &rc, clip ? &clipRc : nullptr));
}

bool TSystemStyleServices::GetElementSize(HDC dc, const TThemedElementDetails& details, TElementSize kind, TSize& size,
                                          int dpi) const
{
    if (!Enabled())
        return GetClassicElementSize(details, dpi > 0 ? dpi : 96, size);
    HTHEME theme = Theme(details.Element, dpi);
    SIZE s{};
    if (!theme || FAILED(GetThemePartSize(theme, dc, details.Part, details.State, nullptr, ThemeSizeOf(kind), &s)))
        return false;
    size = {s.cx, s.cy};
    return true;
}

bool TSystemStyleServices::GetElementSize(HDC dc, const TThemedElementDetails& details, const TRect& r,
                                          TElementSize kind, TSize& size, int dpi) const
{
    if (!Enabled())
        return GetClassicElementSize(details, dpi > 0 ? dpi : 96, size);
    HTHEME theme = Theme(details.Element, dpi);
    RECT rc = ToRECT(r);
    SIZE s{};
    if (!theme || FAILED(GetThemePartSize(theme, dc, details.Part, details.State, &rc, ThemeSizeOf(kind), &s)))
        return false;
    size = {s.cx, s.cy};
    return true;
}

bool TSystemStyleServices::GetElementColor(const TThemedElementDetails& details, TElementColor kind, TColor& color) const
{
    HTHEME theme = Theme(details.Element, 0);
    COLORREF value = 0;
    if (!theme || kind < 0 || kind > ecAccentColorHint ||
        FAILED(GetThemeColor(theme, details.Part, details.State, TMT_ByElementColor[kind], &value)))
        return false;
    color = TColor(value);
    return true;
}

bool TSystemStyleServices::GetElementContentRect(HDC dc, const TThemedElementDetails& details, const TRect& bounds,
                                                 TRect& content, int dpi) const
{
    if (!Enabled()) {
        content = ClassicContentRect(details, bounds);
        return true;
    }
    HTHEME theme = Theme(details.Element, dpi);
    RECT in = ToRECT(bounds);
    RECT out{};
    if (!theme || FAILED(GetThemeBackgroundContentRect(theme, dc, details.Part, details.State, &in, &out)))
        return false;
    content = FromRECT(out);
    return true;
}

bool TSystemStyleServices::DrawText(HDC dc, const TThemedElementDetails& details, const String& text, TRect& r,
                                    TTextFormat flags, TColor color, int dpi) const
{
    const UINT format = DrawTextFlags(flags);
    RECT rc = ToRECT(r);
    HTHEME theme = Theme(details.Element, dpi);
    if (theme) {
        DTTOPTS options{};
        options.dwSize = sizeof(options);
        if (color != clNone) {
            options.dwFlags |= DTT_TEXTCOLOR;
            options.crText = COLORREF(ColorToRGB(color));
        }
        if (flags.Contains(tfCalcRect))
            options.dwFlags |= DTT_CALCRECT;
        if (FAILED(DrawThemeTextEx(theme, dc, details.Part, details.State, WidePtr(text), int(text.size()), format,
                                   &rc, &options)))
            return false;
        r = FromRECT(rc);
        return true;
    }
    if (Enabled())
        return false;
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColor = SetTextColor(dc, COLORREF(ColorToRGB(color != clNone ? color : ClassicTextColor(details))));
    const int height = DrawTextW(dc, WidePtr(text), int(text.size()), &rc, format);
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
    r = FromRECT(rc);
    return height != 0 || text.empty();
}

bool TSystemStyleServices::DrawEdge(HDC dc, const TThemedElementDetails& details, const TRect& r, TElementEdges edges,
                                    TElementEdgeFlags flags, TRect* contentRect) const
{
    const UINT edge = BitsOf(edges, EdgeBits);
    const UINT flagBits = BitsOf(flags, EdgeFlagBits);
    RECT rc = ToRECT(r);
    RECT content = rc;
    HTHEME theme = Theme(details.Element, 0);
    bool drawn;
    if (theme)
        drawn = SUCCEEDED(DrawThemeEdge(theme, dc, details.Part, details.State, &rc, edge, flagBits, &content));
    else if (Enabled())
        drawn = false;
    else {
        drawn = ::DrawEdge(dc, &content, edge, flagBits | (contentRect ? BF_ADJUST : 0)) != FALSE;
    }
    if (drawn && contentRect)
        *contentRect = FromRECT(content);
    return drawn;
}

bool TSystemStyleServices::DrawParentBackground(HWND window, HDC dc, const TThemedElementDetails* details,
                                                bool onlyIfTransparent, const TRect* bounds) const
{
    if (onlyIfTransparent && details && !HasTransparentParts(*details))
        return true; // the element covers its whole rectangle: nothing of the parent shows
    RECT rc = bounds ? ToRECT(*bounds) : RECT{};
    // The parent paints itself into dc (WM_ERASEBKGND, WM_PRINTCLIENT) with or without themes.
    return SUCCEEDED(DrawThemeParentBackground(window, dc, bounds ? &rc : nullptr));
}

bool TSystemStyleServices::HasTransparentParts(const TThemedElementDetails& details) const
{
    HTHEME theme = Theme(details.Element, 0);
    return theme && IsThemeBackgroundPartiallyTransparent(theme, details.Part, details.State);
}

bool TSystemStyleServices::GetElementRegion(HDC dc, const TThemedElementDetails& details, const TRect& r,
                                            HRGN& region) const
{
    region = nullptr;
    HTHEME theme = Theme(details.Element, 0);
    if (!theme)
        return false;
    const RECT rect = ToRECT(r);
    return GetThemeBackgroundRegion(theme, dc, details.Part, details.State, &rect, &region) == S_OK && region;
}
