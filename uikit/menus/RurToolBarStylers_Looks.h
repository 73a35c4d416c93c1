#pragma once
// The shapes of the toolbar styler's looks: each struct names the values one group of writes puts
// into one appearance object. The preset tables are made of them; RurToolBarStylers_Presets.cpp
// writes them into a styler.
#include <optional>
#include <span>

#include "RurToolBarStylers.h"

namespace RurToolBarLooks {

// Channel by channel, percentOfA percent of a and the rest of b (RGB colours only).
constexpr TColor Blend(TColor a, TColor b, int percentOfA)
{
    TColor result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
        result |= ((ca * percentOfA + cb * (100 - percentOfA)) / 100) << shift;
    }
    return result;
}

struct GradientLook {
    TColor Color, ColorTo;
    TGradientDirection Direction;
    int Steps; // 0: left as it is
};

struct MirrorLook {
    TColor Color, ColorTo, ColorMirror, ColorMirrorTo;
};

// The toolbar background (Color) or its hot look (ColorHot).
struct BackgroundLook {
    GradientLook Fill;
    MirrorLook Mirror;
};

// One state of a glow button: upper half, lower half, border and the two gradient kinds.
struct GlowStateLook {
    TColor Color, ColorTo, ColorMirror, ColorMirrorTo, Border;
    TGDIPGradient Gradient = ggVertical, GradientMirror = ggVertical;
};

// The Office looks' orange hover, down and checked glow states.
inline constexpr GlowStateLook kOrangeHot{0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0x99CEDB};
inline constexpr GlowStateLook kOrangeDown{0x76AFF1, 0x4190F3, 0x0E72F1, 0x4C9FFD, 0x45667B};
inline constexpr GlowStateLook kOrangeChecked{0xB5DBFB, 0x78C7FE, 0x9FEBFD, 0x56B4FE, 0x45667B};

// The normal state, and the hot, down and checked states a look has of its own.
struct GlowLook {
    GlowStateLook Normal;
    const GlowStateLook* Hot = nullptr;
    const GlowStateLook* Down = nullptr;
    const GlowStateLook* Checked = nullptr;
};

struct CaptionLook {
    TColor Color, ColorTo, ColorHot, ColorHotTo, Text, TextHot;
};

// Borders, text and the six highlight colours a tab look writes; the fills per state.
struct TabLook {
    TColor Border, BorderHot, BorderSelected, BorderSelectedHot;
    TColor Text, TextHot, TextSelected;
    TColor Hot, HotTo, MirrorHot, MirrorHotTo;
    TColor Selected, SelectedTo, MirrorSelected, MirrorSelectedTo;
    TColor Shadow, HighLight, HighLightSelected, HighLightSelectedHot, HighLightDown, HighLightHot;
};

// The styler's own tab row: a tab look with its row background and disabled colours.
struct RibbonTabLook {
    TabLook Tab;
    TColor BackGround, BackGroundTo;
    TColor Disabled, DisabledTo;
};

struct PageLook {
    TColor Border, Color, ColorTo, ColorMirror, ColorMirrorTo, Shadow, HighLight;
};

struct ToolBarLook {
    TColor Color, ColorTo, Border, Hot, HotTo, BorderHot;
};

struct GroupLook {
    TColor Text, Color, ColorTo, ColorMirror, ColorMirrorTo, Border;
    TabLook Tab;
    PageLook Page;
    ToolBarLook ToolBar;
    CaptionLook Caption;
};

// The caption bar of the ribbon; the Office 2007 looks add its text colours, font and buttons.
struct PagerCaptionLook {
    TColor Color, ColorTo, ColorMirror, ColorMirrorTo, Border;
    std::optional<TColor> Text = {}, TextExtended = {}, SysButton = {};
};

struct QATLook {
    TColor Color, ColorTo, Border, FullSize, FullSizeTo, FullSizeBorder;
};

struct ButtonLook {
    TColor Color, ColorTo, Down, DownTo, Hot, HotTo, Checked, CheckedTo, BorderDown, BorderHot, BorderChecked;
};

// The tab row, page and group colours of one family of looks.
struct RibbonLook {
    RibbonTabLook Tabs;
    PageLook Page;
    GroupLook Group;
};

// What a classic look writes instead when a ribbon pager is registered and the scenic ribbon is off.
struct PagerVariantLook {
    GradientLook Dock, Color;
    QATLook QAT;
};

// A look of the classic family (Office 2003 to 2010, Windows XP, Vista and 7, Whidbey, Terminal).
struct ClassicLook {
    TToolBarStyle Style;
    GradientLook Dock;
    BackgroundLook Color;
    TColor Handle, HandleTo, HandleHot, HandleHotTo, HandleDown, HandleDownTo;
    TColor FloatingBorder;
    int FloatingWidth;
    TDragGripStyle Grip;
    bool Flat; // the system-colour looks: square edges, a raised bevel
    GlowLook Glow;
    const GlowLook* Compact; // the compact glow buttons' own hot, down and checked states
    CaptionLook Caption;
    const RibbonLook* Ribbon;
    bool WritesGroup;
    std::optional<TColor> Border;
    BackgroundLook Hot;
    TColor BorderHot;
    PagerCaptionLook PagerCaption;
    QATLook QAT;
    ButtonLook Button;
    bool UpdateQAT;
    bool QatSharpCurve;
    const PagerVariantLook* PagerVariant = nullptr;
};

TAVIN_ENUM(TFlatFamily, ffWindows8, ffOffice2013, ffOffice2016, ffOffice2019)

// The fills, handle and border colours a flat look writes without a pager.
struct FlatFallback {
    TColor Fill, Handle, HandleHot, HandleDown, Border;
};

// One tone of a flat look's tone sets, written over the base set: a colour of its own or one of the
// styler's application colours as they are when the tones are made; an empty part keeps the base.
enum class ToneSource { Fixed, AppButtonColor, AppSelectedColor, AppHoverColor };
struct ToneColor {
    ToneSource From = ToneSource::Fixed;
    TColor Color = clNone;
    constexpr ToneColor(TColor color) : Color(color) {}
    constexpr ToneColor(ToneSource from) : From(from) {}
};
enum class ToneSet { Buttons, Pager, Tab };
enum class ToneOf { Background, Foreground, Selected, Hover };
struct ToneWrite {
    ToneSet Set;
    ToneOf Tone;
    std::optional<ToneColor> Brush, Border, Text;
};

// The application-button colours Office 2019 Gray and Black hand the pager and then put back.
struct PagerAppButton {
    TColor Color, Hover;
};

// A look of the flat family (Windows 8 and 10, Office 2013 to 2019). S the surface, the handle
// colours, B the border (Office 2019), the glow base and state colours and text (Office 2016,
// 2019), the button caption and caption colours, the fallback without a pager; with a pager the
// tones over the base set, the application colours for the call, and the caption text after the
// pager's appearances were copied back.
struct FlatLook {
    TToolBarStyle Style;
    TFlatFamily Family;
    TColor Surface, Handle, HandleHot, HandleDown;
    int DockSteps, ColorSteps;
    std::optional<TColor> Border = {};
    GlowStateLook GlowBase = {clNone, clNone, clNone, clNone, clNone};
    TColor GlowHot = clNone, GlowDown = clNone, GlowChecked = clNone;
    std::optional<TColor> GlowText = {}, GlowTextChecked = {}, GlowTextHot = {}, GlowTextDown = {};
    std::optional<TColor> ButtonText = {}, ButtonTextHot = {}, ButtonTextDown = {};
    std::optional<TColor> CaptionText = {}, CaptionTextHot = {};
    bool Dark = false;
    std::optional<FlatFallback> Fallback = {};
    std::span<const ToneWrite> Tones = {};
    std::optional<PagerAppButton> AppButton = {};
    std::optional<TColor> AppTextColor = {};
    TColor ToneCaptionText = 0, ToneCaptionTextHot = 0;
};

} // namespace RurToolBarLooks

namespace RurToolBarLooks {

// The classic looks in enumeration order (bsCustom and the flat looks have none), and the flat ones.
std::span<const ClassicLook> ClassicLooks();
std::span<const FlatLook> FlatLooks();

} // namespace RurToolBarLooks
