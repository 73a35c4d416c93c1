// The glow button's looks (a preset per TRujStyle) and colour tones, and the toolbar size states.
#include "RurGlowButton.h"

#include <cmath>

using namespace RurGDIP;
using namespace RurGlowButton;

namespace {

// A value a preset leaves as it is.
constexpr TColor Keep = 0x2FFFFFFF;

struct TStatePreset {
    TColor Color, ColorTo, Mirror, MirrorTo, Border;
};

struct TLookPreset {
    TRujStyle Look;
    TStatePreset Normal, Hot, Down, Checked;
    TStatePreset Disabled = {Keep, Keep, Keep, Keep, Keep};
    TColor FontColor = Keep, TextHot = Keep, TextDown = Keep, TextChecked = Keep, BorderCheckedHot = Keep;
    // Written directly, without a change notification.
    TColor TextDisabled = Keep;
    bool Gradients = true; // the preset makes every gradient it writes vertical
};

constexpr TStatePreset Flat(TColor fill, TColor border) { return {fill, clNone, fill, clNone, border}; }
constexpr TStatePreset Solid(TColor fill, TColor border) { return {fill, fill, fill, fill, border}; }

// The Office hot, pressed and checked colours the 2003-era looks share with Luna.
constexpr TStatePreset LunaHot{0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0x99CEDB};
constexpr TStatePreset LunaDown{0x76AFF1, 0x4190F3, 0x0E72F1, 0x4C9FFD, 0x45667B};
constexpr TStatePreset LunaChecked{0xB5DBFB, 0x78C7FE, 0x9FEBFD, 0x56B4FE, 0x45667B};
// The 2003-era looks keep their own checked border.
constexpr TStatePreset Office2003Checked{0xB5DBFB, 0x78C7FE, 0x9FEBFD, 0x56B4FE, Keep};

constexpr TStatePreset Office2010Hot{0xDDF5FF, 0x8BDBFF, 0x8BDBFF, 0x8BDBFF, 0x58CAF1};
constexpr TStatePreset Office2010Down{0x4EB4F9, 0x8FD2FE, 0x8FD2FE, 0x8FD2FE, 0x308AC2};
constexpr TStatePreset Office2010Checked{0x7BD1FD, 0xB8E8FE, 0xB8E8FE, 0xB8E8FE, 0x308AC2};

constexpr TStatePreset Win8Hot = Flat(0xF7EFE8, 0xF9CEA4);
constexpr TStatePreset Win8Down = Flat(0xF7E0C9, 0xE4A262);
constexpr TStatePreset Win8Checked = Flat(0xDAA026, 0xE4A262);
constexpr TStatePreset Win8Disabled = Flat(0xF7F7F7, 0xDEDEDE);

constexpr TStatePreset Office2013Hot = Flat(0xFCF0E4, 0xEAB47E);
constexpr TStatePreset Office2013Down = Flat(0xFCE2C8, 0xE59D56);
constexpr TStatePreset Office2013Checked = Flat(0xFF9933, 0xE59D56);
constexpr TStatePreset Office2013Disabled = Flat(0xEEEEEE, 0xACACAC);

constexpr TStatePreset Office2016Hot = Flat(0xF2E1D5, 0xF2E1D5);
constexpr TStatePreset Office2016Down = Flat(0xE3BDA3, 0xE3BDA3);
constexpr TStatePreset Office2016Checked = Flat(0xF2D5C2, 0xF2D5C2);

constexpr TLookPreset Presets[] = {
    {tsOffice2003Blue, {0xFCE1CB, 0xE0A57D, 0xE0A57D, 0xFCE1CB, 0xC0C0C0}, LunaHot, LunaDown, Office2003Checked},
    {tsOffice2003Silver, {0xECE2E1, 0xB39698, 0xB39698, 0xECE2E1, 0xC0C0C0}, LunaHot, LunaDown, Office2003Checked},
    {tsOffice2003Olive, {0xCFF0EA, 0x8CC0B1, 0x8CC0B1, 0xCFF0EA, 0xC0C0C0}, LunaHot, LunaDown, Office2003Checked},
    {tsOffice2003Classic, {0xFFFFFF, 0xC9D1D5, 0xC9D1D5, 0xFFFFFF, 0x000000}, LunaHot, LunaDown, LunaChecked},
    {tsOffice2007Luna, {0xEEDBC8, 0xF6DDC9, 0xEDD4C0, 0xF7E1D0, 0xE0B99B}, LunaHot, LunaDown, LunaChecked},
    {tsOffice2007Obsidian, {0xDFDED6, 0xDEDEDE, 0xD8D8D8, 0xE4E4E4, 0xC0BCB2}, LunaHot, LunaDown, LunaChecked},
    {tsWindowsXP, {0xFFFFFF, 0xD7E6EA, 0xD7E6EA, 0xFFFFFF, 0x8F8F8F}, Solid(0xEFD3C6, clHighlight),
     Solid(0xE1B59B, clHighlight), Solid(0xD9C1B6, 0x000000)},
    {tsWhidbey, {0xF5F9FA, 0xA8C0C0, 0xA8C0C0, 0xF5F9FA, 0xC0C0C0}, LunaHot, LunaDown, Office2003Checked},
    {tsOffice2007Silver, {0xF9F5F3, 0xEDE5E0, 0xE6DCD5, 0xF1ECE8, 0xCCBBB0}, LunaHot, LunaDown, LunaChecked},
    {tsWindowsVista, {0xFDF8F1, 0xFCEFD5, 0xFDF8F1, 0xFCEFD5, 0xFDDE99}, {clNone, 0xFEF9F0, 0xFDF0D7, 0xFEF9F0, 0xFEDF9A},
     {0xFEF9F0, 0xFDF0D7, 0xFDF0D7, 0xFEF9F0, 0xFEDF9A}, {0xF9E3B7, 0xFEF9F0, 0xFDF0D7, 0xFEF9F0, 0xFEDF9A}},
    {tsWindows7, {0xFCEBDC, 0xFCDBC1, 0xFCEBDC, 0xFCDBC1, 0xCEA27D}, {0xFDFBFA, 0xFDF3EB, 0xFDF3EB, 0xFDFBFA, 0xFBD6B8},
     {0xFCEBDC, 0xFCDBC1, 0xFCDBC1, 0xFCEBDC, 0xCEA27D}, {0xFCEBDC, 0xFCDBC1, 0xFCDBC1, 0xFCEBDC, 0xCEA27D}},
    {tsTerminal, Solid(clBtnFace, clNone), Solid(0xC0C0C0, 0x808080), Solid(clHighlight, clHighlight),
     Solid(0x808080, 0x808080), {Keep, Keep, Keep, Keep, Keep}, Keep, Keep, Keep, Keep, Keep, Keep, false},
    {tsOffice2010Blue, {0xFDF6EF, 0xF0DAC7, 0xF0DAC7, 0xF0DAC7, 0xC7B29F}, Office2010Hot, Office2010Down,
     Office2010Checked},
    {tsOffice2010Silver, {0xFFFFFF, 0xEDE5E0, 0xEDE5E0, 0xEDE5E0, 0xB2A8A5}, Office2010Hot, Office2010Down,
     Office2010Checked},
    {tsOffice2010Black, {0xBFBFBF, 0x919191, 0x919191, 0x919191, 0x6D6D6D}, Office2010Hot, Office2010Down,
     Office2010Checked},
    {tsWindows8, Flat(0xF7F6F5, 0xE4E3E2), Win8Hot, Win8Down, Win8Checked, Win8Disabled, Keep, Keep, Keep, 0xFFFFFF},
    {tsOffice2013White, Flat(0xFFFFFF, 0xD4D4D4), Office2013Hot, Office2013Down, Office2013Checked,
     Office2013Disabled, Keep, Keep, Keep, 0xFFFFFF},
    {tsOffice2013LightGray, Flat(0xF6F6F6, 0xC6C6C6), Office2013Hot, Office2013Down, Office2013Checked,
     Office2013Disabled, Keep, Keep, Keep, 0xFFFFFF},
    {tsOffice2013Gray, Flat(0xE5E5E5, 0xABABAB), Office2013Hot, Office2013Down, Office2013Checked,
     Office2013Disabled, Keep, Keep, Keep, 0xFFFFFF},
    {tsWindows10, Flat(0xF7F6F5, 0xE4E3E2), Win8Hot, Win8Down, Win8Checked, Win8Disabled, Keep, Keep, Keep, 0xFFFFFF},
    {tsOffice2016White, Flat(0xFFFFFF, 0xD4D4D4), Office2016Hot, Office2016Down, Office2016Checked,
     Flat(0xFFFFFF, 0xD4D4D4), 0x505050, 0x505050, 0x505050, 0x505050, 0xE3BDA3},
    {tsOffice2016Gray, Flat(0xB2B2B2, 0x444444), Office2016Hot, Office2016Down, Office2016Checked,
     Flat(0xB2B2B2, 0x444444), 0x424242, 0x424242, 0x424242, 0x424242, 0xE3BDA3},
    {tsOffice2016Black, Flat(0x363636, 0x444444), Flat(0x6A6A6A, 0x6A6A6A), Flat(0x444444, 0x444444),
     Flat(0x575757, 0x575757), Flat(0x363636, 0x444444), 0xA6A6A6, 0xA6A6A6, 0xA6A6A6, 0xC8C8C8},
    {tsOffice2019White, Solid(0xFFFFFF, 0xD4D4D4), Solid(0xF7E6D5, 0xF7E6D5), Solid(0xE3BDA3, 0xE3BDA3),
     Solid(0xF2D5C2, 0xF2D5C2), Flat(0xFFFFFF, 0xD4D4D4), Keep, 0x232425, 0x232425, 0x393A3B, 0xB0784A, 0xD4D4D4},
    {tsOffice2019Gray, Solid(0xD4D4D4, 0x8A8A8A), Solid(0xB8B8B8, 0xB8B8B8), Solid(0xA0A0A0, 0xA0A0A0),
     Solid(0xAEAEAE, 0xAEAEAE), Solid(0xD4D4D4, 0x8A8A8A), 0x232425, 0x232425, 0x232425, 0x232425, 0x5C5E60, 0xD4D4D4},
    {tsOffice2019Black, Solid(0x262626, 0x484848), Solid(0x505050, 0x505050), Solid(0x3E3E3E, 0x3E3E3E),
     Solid(0x444444, 0x444444), Solid(0x262626, 0x484848), 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0x86888A, 0x505050},
};

const TLookPreset* PresetOf(TRujStyle look)
{
    for (const TLookPreset& p : Presets)
        if (p.Look == look)
            return &p;
    return nullptr;
}

void Put(TColor value, void (TGlowButtonAppearance::*set)(TColor), TGlowButtonAppearance& a)
{
    if (value != Keep)
        (a.*set)(value);
}

#define TAVIN_GLOW_STATE(State, Get)                                                                 \
    void Write##State(TGlowButtonAppearance& a, const TStatePreset& p, bool gradients)              \
    {                                                                                                \
        Put(p.Color, &TGlowButtonAppearance::SetColor##Get, a);  \
        Put(p.ColorTo, &TGlowButtonAppearance::SetColor##Get##To, a); \
        Put(p.Mirror, &TGlowButtonAppearance::SetColorMirror##Get, a); \
        Put(p.MirrorTo, &TGlowButtonAppearance::SetColorMirror##Get##To, a);                         \
        Put(p.Border, &TGlowButtonAppearance::SetBorderColor##Get, a); \
        if (gradients) {                                                                             \
            a.SetGradient##Get(ggVertical);                                                          \
            a.SetGradientMirror##Get(ggVertical);                                                    \
        }                                                                                            \
    }
TAVIN_GLOW_STATE(Normal, )
TAVIN_GLOW_STATE(Hot, Hot)
TAVIN_GLOW_STATE(Down, Down)
TAVIN_GLOW_STATE(Checked, Checked)
TAVIN_GLOW_STATE(Disabled, Disabled)
#undef TAVIN_GLOW_STATE

bool IsOfficeTransparentLook(TRujStyle look)
{
    return look == tsOffice2010Blue || look == tsOffice2010Silver || look == tsOffice2010Black ||
           look == tsOffice2013White || look == tsOffice2013LightGray || look == tsOffice2013Gray ||
           look >= tsOffice2016White;
}

} // namespace

void TRurCustomGlowButton::SetComponentStyle(TRujStyle style)
{
    FRujStyle = style;
    if (style == tsCustom) {
        RecolourShortCutHint();
        return;
    }
    TGlowButtonAppearance& a = *FAppearance;
    if (!ParentFont()) {
        if (!FLoaded && !ComponentState().Contains(csLoading))
            Font()->SetHeight(static_cast<int>(std::lround(-11 * ScaleFactor())));
        Font()->SetColor(clWindowText);
    }
    a.SetTextColorChecked(0x000000);
    a.SetTextColorHot(0x000000);
    a.SetTextColorDown(0x000000);
    a.SetTranspOffice(IsOfficeTransparentLook(style));
    FCompStyle = style;
    a.SetBorderColorCheckedHot(clNone);
    SetRounded(style < tsWindows8);
    WriteDisabled(a, {0xF2F2F2, 0xF2F2F2, 0xB6B6B6, 0xF2F2F2, 0x808080}, false);
    if (style == tsOffice2003Blue || style == tsOffice2003Silver || style == tsOffice2003Olive || style == tsWhidbey) {
        WriteHot(a, LunaHot, true);
        WriteDown(a, LunaDown, true);
        WriteChecked(a, Office2003Checked, true);
    }
    if (const TLookPreset* p = PresetOf(style)) {
        WriteNormal(a, p->Normal, p->Gradients);
        WriteHot(a, p->Hot, p->Gradients);
        WriteDown(a, p->Down, p->Gradients);
        WriteChecked(a, p->Checked, p->Gradients);
        WriteDisabled(a, p->Disabled, false);
        if (p->FontColor != Keep)
            Font()->SetColor(p->FontColor);
        Put(p->TextHot, &TGlowButtonAppearance::SetTextColorHot, a);
        Put(p->TextDown, &TGlowButtonAppearance::SetTextColorDown, a);
        Put(p->TextChecked, &TGlowButtonAppearance::SetTextColorChecked, a);
        if (p->BorderCheckedHot != Keep)
            a.SetBorderColorCheckedHot(p->BorderCheckedHot);
        if (p->TextDisabled != Keep)
            a.SetTextColorDisabled(p->TextDisabled);
    }
    RecolourShortCutHint();
    Invalidate();
}

void TRurCustomGlowButton::SetColorTones(const TColorTones& tones)
{
    TGlowButtonAppearance& a = *FAppearance;
    const TColorTone &b = tones.Background, &sel = tones.Selected, &h = tones.Hover, &dis = tones.Disabled;
    a.SetColor(b.BrushColor);
    a.SetColorTo(clNone);
    a.SetColorMirror(b.BrushColor);
    a.SetColorMirrorTo(b.BrushColor);
    a.SetBorderColor(b.BorderColor);
    WriteHot(a, {h.BrushColor, h.BrushColor, h.BrushColor, h.BrushColor, h.BorderColor}, false);
    WriteDown(a, {sel.BrushColor, sel.BrushColor, sel.BrushColor, sel.BrushColor, sel.BorderColor}, false);
    WriteDisabled(a, {b.BrushColor, b.BrushColor, b.BrushColor, b.BrushColor, dis.TextColor}, false);
    WriteChecked(a, {sel.BrushColor, sel.BrushColor, sel.BrushColor, sel.BrushColor, sel.BorderColor}, false);
    // Tones make every glow button flat and still from now on.
    SetGlowSpeed(0);
    SetRounded(false);
    a.SetTextColorHot(h.TextColor);
    a.SetTextColorDown(sel.TextColor);
    a.SetTextColorChecked(sel.TextColor);
    a.SetTextColorDisabled(dis.TextColor == dis.BrushColor ? TColor(0x808080) : dis.TextColor);
    if (!ParentFont()) {
        if (!FLoaded)
            Font()->SetHeight(static_cast<int>(std::lround(-11 * ScaleFactor())));
        Font()->SetColor(b.TextColor);
        Font()->SetName(GetDefaultFontName());
    }
}

void TRurCustomGlowButton::SetButtonSizeState(TButtonSizeState value)
{
    if (FButtonSizeState == value)
        return;
    if (FButtonSizeState == bsLarge) {
        FOldLayout = FLayout;
        FOldDropDownPosition = FDropDownPosition;
    }
    FButtonSizeState = value;
    if (FAutoSize) {
        if (value == bsLarge) {
            SetLayout(FOldLayout);
            SetDropDownPosition(FOldDropDownPosition);
        } else {
            SetLayout(blGlyphLeft);
            SetDropDownPosition(dpRight);
        }
    }
    FFirstPaint = true;
    if (HandleAllocated())
        Repaint();
}
