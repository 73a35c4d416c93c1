#pragma once
// The values each Office menu preset writes, in the order they are written.
#include "RurMenuStylers.h"

namespace RurMenuStylers {

// A value the preset leaves alone.
inline constexpr TColor NotWritten = static_cast<TColor>(0x7FFFFFFF);
inline constexpr int NoFlag = -1;

struct TMenuPreset {
    TOfficeStyle Style;
    // The pop-up.
    TColor Background, BackgroundTo, MenuBorder, FontColor = NotWritten;
    // The menu-bar items.
    TColor Root, RootTo, Selected, SelectedTo, SelectedMirror = clNone, SelectedMirrorTo = clNone, SelectedBorder,
        Hover, HoverTo, HoverMirror = clNone, HoverMirrorTo = clNone, HoverBorder, HoverText = clWindowText;
    int RootDirection = RurMenus::gdVertical; // NoFlag: not written
    TColor RootFont = clBlack;
    int RootSystemFont = NoFlag;
    TColor SelectedText = NotWritten;
    // The selected pop-up item (radio colours equal the check colours).
    TColor Item, ItemTo = clNone, ItemMirror = clNone, ItemMirrorTo = clNone, ItemBorder, ItemCheck,
        ItemCheckTo = clNone, ItemCheckBorder, ItemFont = NotWritten;
    int ItemSystemFont = NoFlag;
    // The image column.
    TColor Icon, IconTo, IconCheck, IconCheckTo = clNone, IconCheckBorder, IconSeparator = NotWritten;
    TColor Separator, SeparatorTo = clNone;
    // Button colours (NotWritten in ButtonHover: none of the six).
    TColor ButtonHover, ButtonHoverTo, ButtonHoverBorder, ButtonDown, ButtonDownTo, ButtonDownBorder;
    int StylerSystemFont = NoFlag;
};

const TMenuPreset* FindMenuPreset(TOfficeStyle style);

} // namespace RurMenuStylers
