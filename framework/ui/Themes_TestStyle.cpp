// The test style: solid element colours that encode element, part and state, a fixed palette,
// fixed element sizes.
#include <vssym32.h>

#include "PlatformFacts.h"
#include "TestStyle.h"
#include "WideText.h"

namespace {

// Element colours: red carries the element and the variant, green the part, blue the state, each
// offset so that no element is drawn black or in a palette colour (whose blue stays below 128).
constexpr int RedBase = 16, GreenBase = 64, BlueBase = 128;

struct TTestElementSize {
    TThemedElement Element;
    int Part; // 0: every part of the element without an entry of its own
    int Width, Height; // at 96 DPI; 0 where the element stretches
};

// Sizes of the parts that layout code asks for; everything else is 16 x 16.
constexpr TTestElementSize ElementSizes[] = {
    {teWindow, WP_CAPTION, 0, 30},
    {teWindow, WP_SMALLCAPTION, 0, 22},
    {teWindow, WP_FRAMELEFT, 6, 0},
    {teWindow, WP_FRAMERIGHT, 6, 0},
    {teWindow, WP_FRAMEBOTTOM, 0, 6},
    {teWindow, WP_SMALLFRAMELEFT, 4, 0},
    {teWindow, WP_SMALLFRAMERIGHT, 4, 0},
    {teWindow, WP_SMALLFRAMEBOTTOM, 0, 4},
    {teWindow, WP_SYSBUTTON, 20, 20},
    {teWindow, WP_CLOSEBUTTON, 28, 20},
    {teWindow, WP_MINBUTTON, 26, 20},
    {teWindow, WP_MAXBUTTON, 26, 20},
    {teWindow, WP_RESTOREBUTTON, 26, 20},
    {teWindow, WP_HELPBUTTON, 26, 20},
    {teWindow, WP_SMALLCLOSEBUTTON, 18, 14},
    {teScrollBar, SBP_ARROWBTN, 18, 18},
    {teScrollBar, SBP_THUMBBTNHORZ, 10, 18},
    {teScrollBar, SBP_THUMBBTNVERT, 18, 10},
    {teScrollBar, SBP_GRIPPERHORZ, 8, 8},
    {teScrollBar, SBP_GRIPPERVERT, 8, 8},
    {teScrollBar, SBP_SIZEBOX, 18, 18},
    {teComboBox, CP_DROPDOWNBUTTON, 19, 21},
    {teComboBox, CP_DROPDOWNBUTTONRIGHT, 19, 21},
    {teComboBox, CP_DROPDOWNBUTTONLEFT, 19, 21},
    {teTab, TABP_TABITEM, 64, 24},
    {teMenu, 8 /* menu-bar item */, 44, 22},
    {teMenu, 14 /* pop-up item */, 0, 24},
    {teMenu, 11 /* pop-up check */, 16, 16},
    {teToolBar, TP_BUTTON, 24, 22},
    {teToolBar, TP_DROPDOWNBUTTON, 36, 22},
    {teToolBar, TP_SPLITBUTTON, 24, 22},
    {teToolBar, TP_SPLITBUTTONDROPDOWN, 12, 22},
    {teRebar, RP_GRIPPER, 6, 0},
    {teRebar, RP_GRIPPERVERT, 0, 6},
    {teStatus, SP_GRIPPER, 14, 14},
    {teButton, BP_CHECKBOX, 15, 15},
    {teButton, BP_RADIOBUTTON, 15, 15},
    {teButton, BP_PUSHBUTTON, 75, 25},
    {teSpin, 0, 17, 11},
    {teHeader, HP_HEADERITEM, 0, 24},
    {teTreeview, TVP_GLYPH, 11, 11},
};

TSize ElementSize(const TThemedElementDetails& details)
{
    const TTestElementSize* anyPart = nullptr;
    for (const TTestElementSize& e : ElementSizes) {
        if (e.Element != details.Element)
            continue;
        if (e.Part == details.Part)
            return {e.Width, e.Height};
        if (e.Part == 0)
            anyPart = &e;
    }
    return anyPart ? TSize{anyPart->Width, anyPart->Height} : TSize{16, 16};
}

int Scaled(int value, int dpi) { return MulDiv(value, dpi > 0 ? dpi : PlatformScreenDpi(), 96); }

RECT ToRECT(const TRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }

bool IsSystemColor(TColor color) { return (static_cast<std::uint32_t>(color) & 0xFF000000u) == 0xFF000000u; }

// A palette entry: red counts the entry, green marks the variant, blue the palette.
TColor PaletteColor(int index, int variant, int palette)
{
    return TColor(RGB((index * 3) & 0xFF, 0x20 + variant * 8, palette));
}

} // namespace

TTestStyleServices::TTestStyleServices(const String& name, int variant) : FName(name), FVariant(variant & 7) {}

COLORREF TTestStyleServices::ElementColor(const TThemedElementDetails& details) const
{
    return RGB(RedBase + details.Element * 8 + FVariant, GreenBase + (details.Part & 0x3F),
               BlueBase + (details.State & 0x7F));
}

bool TTestStyleServices::ElementAt(COLORREF pixel, TThemedElementDetails& details) const
{
    const int red = GetRValue(pixel) - RedBase, green = GetGValue(pixel) - GreenBase, blue = GetBValue(pixel) - BlueBase;
    if (red < 0 || green < 0 || blue < 0 || red % 8 != FVariant || red / 8 > teMonthCal)
        return false;
    details = {static_cast<TThemedElement>(red / 8), green, blue};
    return true;
}

TColor TTestStyleServices::GetSystemColor(TColor color) const
{
    if (!IsSystemColor(color))
        return color;
    auto found = FSystemColors.find(color);
    return found != FSystemColors.end() ? found->second
                                        : PaletteColor(static_cast<int>(color & 0xFF), FVariant, 0x40);
}

TColor TTestStyleServices::GetStyleColor(TStyleColor color) const
{
    auto found = FStyleColors.find(color);
    return found != FStyleColors.end() ? found->second : PaletteColor(color, FVariant, 0x50);
}

TColor TTestStyleServices::GetStyleFontColor(TStyleFont font) const
{
    auto found = FFontColors.find(font);
    return found != FFontColors.end() ? found->second : PaletteColor(font, FVariant, 0x60);
}

bool TTestStyleServices::DrawElement(HDC dc, const TThemedElementDetails& details, const TRect& r, const TRect* clip,
                                     int dpi) const
{
    if (FRecording)
        FDrawCalls.push_back({details, r, dpi});
    RECT area = ToRECT(r);
    if (clip) {
        const RECT limit = ToRECT(*clip);
        IntersectRect(&area, &area, &limit);
    }
    HBRUSH brush = CreateSolidBrush(ElementColor(details));
    FillRect(dc, &area, brush);
    DeleteObject(brush);
    return true;
}

bool TTestStyleServices::GetElementSize(HDC, const TThemedElementDetails& details, TElementSize, TSize& size,
                                        int dpi) const
{
    const TSize natural = ElementSize(details);
    size = {Scaled(natural.cx, dpi), Scaled(natural.cy, dpi)};
    return true;
}

bool TTestStyleServices::GetElementSize(HDC dc, const TThemedElementDetails& details, const TRect& r,
                                        TElementSize kind, TSize& size, int dpi) const
{
    if (kind != esStretch)
        return GetElementSize(dc, details, kind, size, dpi);
    size = {r.Width(), r.Height()};
    return true;
}

bool TTestStyleServices::GetElementColor(const TThemedElementDetails& details, TElementColor kind,
                                         TColor& color) const
{
    if (kind < 0 || kind > ecAccentColorHint)
        return false;
    const COLORREF fill = ElementColor(details);
    // Other colours keep red and green and move blue below the fills' range, one step per kind.
    color = kind == ecFillColor ? TColor(fill) : TColor(RGB(GetRValue(fill), GetGValue(fill), (GetBValue(fill) - BlueBase) + kind * 4));
    return true;
}

bool TTestStyleServices::GetElementContentRect(HDC, const TThemedElementDetails&, const TRect& bounds,
                                               TRect& content, int dpi) const
{
    const int margin = Scaled(2, dpi);
    content = TRect{bounds.Left + margin, bounds.Top + margin, bounds.Right - margin, bounds.Bottom - margin};
    return true;
}

bool TTestStyleServices::DrawText(HDC dc, const TThemedElementDetails& details, const String& text, TRect& r,
                                  TTextFormat flags, TColor color, int) const
{
    TColor textColor = color;
    if (textColor == clNone)
        GetElementColor(details, ecTextColor, textColor);
    RECT rc = ToRECT(r);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColor = SetTextColor(dc, COLORREF(ColorToRGB(textColor)));
    const int height = DrawTextW(dc, WidePtr(text), int(text.size()), &rc, DrawTextFlags(flags));
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
    r = TRect{rc.left, rc.top, rc.right, rc.bottom};
    return height != 0 || text.empty();
}

bool TTestStyleServices::DrawEdge(HDC dc, const TThemedElementDetails& details, const TRect& r, TElementEdges edges,
                                  TElementEdgeFlags flags, TRect* contentRect) const
{
    const bool doubled = edges.Contains(eeRaised) || edges.Contains(eeSunken) || edges.Contains(eeBump) ||
                         edges.Contains(eeEtched) ||
                         ((edges.Contains(eeRaisedOuter) || edges.Contains(eeSunkenOuter)) &&
                          (edges.Contains(eeRaisedInner) || edges.Contains(eeSunkenInner)));
    const int width = edges.Empty() ? 0 : doubled ? 2 : 1;
    const bool all = flags.Contains(efRect);
    const bool left = all || flags.Contains(efLeft) || flags.Contains(efTopLeft) || flags.Contains(efBottomLeft);
    const bool top = all || flags.Contains(efTop) || flags.Contains(efTopLeft) || flags.Contains(efTopRight);
    const bool right = all || flags.Contains(efRight) || flags.Contains(efTopRight) || flags.Contains(efBottomRight);
    const bool bottom = all || flags.Contains(efBottom) || flags.Contains(efBottomLeft) || flags.Contains(efBottomRight);
    TColor edgeColor = clNone;
    GetElementColor(details, ecEdgeShadowColor, edgeColor);
    HBRUSH brush = CreateSolidBrush(COLORREF(edgeColor));
    const RECT sides[] = {
        {r.Left, r.Top, left ? r.Left + width : r.Left, r.Bottom},
        {r.Left, r.Top, r.Right, top ? r.Top + width : r.Top},
        {right ? r.Right - width : r.Right, r.Top, r.Right, r.Bottom},
        {r.Left, bottom ? r.Bottom - width : r.Bottom, r.Right, r.Bottom},
    };
    for (const RECT& side : sides)
        FillRect(dc, &side, brush);
    DeleteObject(brush);
    if (contentRect)
        *contentRect = TRect{left ? r.Left + width : r.Left, top ? r.Top + width : r.Top,
                             right ? r.Right - width : r.Right, bottom ? r.Bottom - width : r.Bottom};
    return true;
}

bool TTestStyleServices::DrawParentBackground(HWND window, HDC dc, const TThemedElementDetails* details,
                                              bool onlyIfTransparent, const TRect* bounds) const
{
    if (onlyIfTransparent && details && !HasTransparentParts(*details))
        return true;
    // The parent paints itself, in whatever style it is in.
    return TStyleManager::SystemStyle()->DrawParentBackground(window, dc, nullptr, false, bounds);
}

bool TTestStyleServices::HasTransparentParts(const TThemedElementDetails& details) const
{
    return (details.Element == teButton &&
            (details.Part == BP_CHECKBOX || details.Part == BP_RADIOBUTTON || details.Part == BP_GROUPBOX)) ||
           (details.Element == teTab && details.Part == TABP_TABITEM);
}

bool TTestStyleServices::GetElementRegion(HDC, const TThemedElementDetails&, const TRect&, HRGN& region) const
{
    region = nullptr;
    return false;
}

TActiveTestStyle::TActiveTestStyle(const String& name, int variant)
{
    auto* registered = dynamic_cast<TTestStyleServices*>(TStyleManager::Style(name));
    FRegistered = !registered;
    FStyle = registered ? registered
                        : static_cast<TTestStyleServices*>(
                              TStyleManager::RegisterStyle(std::make_unique<TTestStyleServices>(name, variant)));
    TStyleManager::SetStyle(name);
}

TActiveTestStyle::~TActiveTestStyle()
{
    TStyleManager::SetStyle(TStyleManager::SystemStyle()->Name());
    if (FRegistered)
        TStyleManager::UnRegisterStyle(FStyle->Name());
}
