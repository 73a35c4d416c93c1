// The Office menu presets as data: every value a preset writes.
#include "RurMenuStylers_Presets.h"

namespace RurMenuStylers {

namespace {

using RurMenus::gdHorizontal;
using RurMenus::gdVertical;
constexpr TColor W = NotWritten;

// The three Office 2007 looks and the three Office 2010 looks differ only where stated.
constexpr TMenuPreset Office2007(TOfficeStyle style, TColor root, TColor rootTo)
{
    return {.Style = style, .Background = 0xF6F6F6, .BackgroundTo = 0xF6F6F6, .MenuBorder = 0xC0C0C0,
            .Root = root, .RootTo = rootTo, .Selected = 0x76AFF1, .SelectedTo = 0x4190F3, .SelectedBorder = 0x45667B,
            .Hover = 0xEBFDFF, .HoverTo = 0xABEBFF, .HoverBorder = 0x99CEDB, .Item = 0xEBFDFF, .ItemBorder = 0x99CEDB,
            .ItemCheck = 0x8CD5FF, .ItemCheckBorder = 0x4996C8, .Icon = 0xEEEEE9, .IconTo = 0xEEEEE9,
            .IconCheck = 0xB5E9FF, .IconCheckBorder = 0x99CEDB, .IconSeparator = 0xC5C5C5, .Separator = 0xC5C5C5,
            .ButtonHover = 0xE0DEDD, .ButtonHoverTo = 0xE0DEDD, .ButtonHoverBorder = 0x99CEDB,
            .ButtonDown = 0xCCCAC9, .ButtonDownTo = 0xCCCAC9, .ButtonDownBorder = 0x45667B};
}

constexpr TMenuPreset Office2010(TOfficeStyle style, TColor root, TColor rootTo)
{
    return {.Style = style, .Background = 0xFFFFFF, .BackgroundTo = 0xFFFFFF, .MenuBorder = 0xB0ABA7,
            .Root = root, .RootTo = rootTo, .Selected = 0x7BEEFF, .SelectedTo = 0x6CD0FF, .SelectedBorder = 0x58CAF1,
            .Hover = 0xD9F9FD, .HoverTo = 0x8AE3FD, .HoverBorder = 0x58CAF1, .Item = 0xD9F9FD, .ItemBorder = 0x58CAF1,
            .ItemCheck = 0x8AE3FD, .ItemCheckBorder = 0x58CAF1, .Icon = 0xFFFFFF, .IconTo = 0xFFFFFF,
            .IconCheck = 0x8AE3FD, .IconCheckBorder = 0x58CAF1, .IconSeparator = 0xE5E5E5, .Separator = 0xC9C8C7,
            .ButtonHover = 0x8AE3FD, .ButtonHoverTo = 0x8AE3FD, .ButtonHoverBorder = 0x58CAF1,
            .ButtonDown = 0x6CD0FF, .ButtonDownTo = 0x6CD0FF, .ButtonDownBorder = 0x58CAF1};
}

constexpr TMenuPreset Windows8(TOfficeStyle style)
{
    return {.Style = style, .Background = 0xF7F6F5, .BackgroundTo = clNone, .MenuBorder = 0x979797,
            .Root = 0xFFFFFF, .RootTo = 0xEEDBD4, .Selected = 0xF7EFE8, .SelectedTo = 0xF7EFE8,
            .SelectedBorder = 0xF9CEA4, .Hover = 0xF7EFE8, .HoverTo = 0xF7EFE8, .HoverBorder = 0xF9CEA4,
            .Item = 0xF7EFE8, .ItemBorder = 0xF9CEA4, .ItemCheck = 0xF7E4D2, .ItemCheckBorder = 0xF9CEA4,
            .ItemFont = clBlack, .Icon = 0xEEEEEE, .IconTo = clNone, .IconCheck = 0xF7E4D2,
            .IconCheckBorder = 0xF9CEA4, .IconSeparator = 0xE0E0E0, .Separator = 0xE0E0E0,
            .ButtonHover = 0xF7EFE8, .ButtonHoverTo = 0xF7EFE8, .ButtonHoverBorder = 0xF9CEA4,
            .ButtonDown = 0xF7EFE8, .ButtonDownTo = 0xF7EFE8, .ButtonDownBorder = 0xF9CEA4};
}

// The flat Office 2013 looks: one grey for the pop-up and the bar, another for the image column.
constexpr TMenuPreset Office2013(TOfficeStyle style, TColor back, TColor icon)
{
    return {.Style = style, .Background = back, .BackgroundTo = back, .MenuBorder = 0xB0ABA7, .Root = back,
            .RootTo = back, .Selected = 0xFCF0E4, .SelectedTo = 0xFCF0E4, .SelectedBorder = 0xEAB47E,
            .Hover = 0xF7E6CD, .HoverTo = 0xF7E6CD, .HoverBorder = 0xEAB47E, .Item = 0xFCF0E4, .ItemTo = 0xFCF0E4,
            .ItemBorder = 0xEAB47E, .ItemCheck = 0xF7E6CD, .ItemCheckBorder = 0xEAB47E, .Icon = icon, .IconTo = icon,
            .IconCheck = 0xF7E6CD, .IconCheckBorder = 0xEAB47E, .IconSeparator = clNone, .Separator = 0xC9C8C7,
            .ButtonHover = 0xFCF0E4, .ButtonHoverTo = 0xFCF0E4, .ButtonHoverBorder = 0xEAB47E,
            .ButtonDown = 0xFCF0E4, .ButtonDownTo = 0xFCF0E4, .ButtonDownBorder = 0xEAB47E};
}

constexpr TMenuPreset Presets[] = {
    {.Style = osOffice2003Blue, .Background = 0xF6F6F6, .BackgroundTo = 0xF6F6F6, .MenuBorder = 0x962D00,
     .Root = 0xF5BE9E, .RootTo = 0xF7CDB2, .Selected = 0xFFEFE3, .SelectedTo = 0xE7B593, .SelectedBorder = 0x962D00,
     .Hover = 0xCCF4FF, .HoverTo = 0x9AD6FF, .HoverBorder = 0x6F4B4B, .RootDirection = gdHorizontal, .Item = 0xC2EEFF,
     .ItemBorder = 0x800000, .ItemCheck = 0x3E80FE, .ItemCheckBorder = 0x800000, .Icon = 0xFFEFE3, .IconTo = 0xE4AD87,
     .IconCheck = 0x6FC0FF, .IconCheckBorder = 0x800000, .Separator = 0xCB8C6A, .ButtonHover = 0xCCF4FF,
     .ButtonHoverTo = 0x91D0FF, .ButtonHoverBorder = 0x800000, .ButtonDown = 0x4E91FE, .ButtonDownTo = 0x91D3FF,
     .ButtonDownBorder = 0x800000},
    {.Style = osOffice2003Silver, .Background = 0xF6F6F6, .BackgroundTo = 0xF6F6F6, .MenuBorder = 0x5E8D75,
     .Root = 0xE5D7D7, .RootTo = 0xF7F3F3, .Selected = 0xF1E9E8, .SelectedTo = 0xCDB9BA, .SelectedBorder = 0x947C7C,
     .Hover = 0xCCF4FF, .HoverTo = 0x9AD6FF, .HoverBorder = 0x6F4B4B, .RootDirection = gdHorizontal, .Item = 0xC2EEFF,
     .ItemBorder = 0x080000, .ItemCheck = 0x3E80FE, .ItemCheckBorder = 0x080000, .Icon = 0xFFF9F9, .IconTo = 0xB99D9F,
     .IconCheck = 0x6FC0FF, .IconCheckBorder = 0x080000, .Separator = 0x8F6D6E, .ButtonHover = 0xCCF4FF,
     .ButtonHoverTo = 0x91D0FF, .ButtonHoverBorder = 0x080000, .ButtonDown = 0x4E91FE, .ButtonDownTo = 0x91D3FF,
     .ButtonDownBorder = 0x080000},
    {.Style = osOffice2003Olive, .Background = 0xF6F6F6, .BackgroundTo = 0xF6F6F6, .MenuBorder = 0x5E8D75,
     .Root = 0xA8D9D9, .RootTo = 0xE4F0F2, .Selected = 0xD5F0EC, .SelectedTo = 0x9FCEC2, .SelectedBorder = 0x5E8D75,
     .Hover = 0xCCF4FF, .HoverTo = 0x9AD6FF, .HoverBorder = 0x385D3F, .RootDirection = gdHorizontal, .Item = 0xC2EEFF,
     .ItemBorder = 0x385D3F, .ItemCheck = 0x3E80FE, .ItemCheckBorder = 0x385D3F, .Icon = 0xEDFFFF, .IconTo = 0x92C7B8,
     .IconCheck = 0x6FC0FF, .IconCheckBorder = 0x385D3F, .Separator = 0x588060, .ButtonHover = 0xCCF4FF,
     .ButtonHoverTo = 0x91D0FF, .ButtonHoverBorder = 0x385D3F, .ButtonDown = 0x4E91FE, .ButtonDownTo = 0x91D3FF,
     .ButtonDownBorder = 0x385D3F},
    {.Style = osOfficeXP, .Background = clWindow, .BackgroundTo = clNone, .MenuBorder = 0x808080, .Root = clBtnFace,
     .RootTo = clBtnFace, .Selected = clBtnFace, .SelectedTo = clNone, .SelectedBorder = 0x808080, .Hover = 0xEFD3C6,
     .HoverTo = clNone, .HoverBorder = 0xC66931, .RootDirection = NoFlag, .Item = 0xEFD3C6, .ItemBorder = 0xC66931,
     .ItemCheck = 0xB59284, .ItemCheckBorder = 0xC66931, .Icon = clBtnFace, .IconTo = clNone, .IconCheck = 0xB59284,
     .IconCheckBorder = 0xC66931, .Separator = 0x7A868A, .ButtonHover = 0xEFD3C6, .ButtonHoverTo = clNone,
     .ButtonHoverBorder = 0xC66931, .ButtonDown = 0xB59284, .ButtonDownTo = clNone, .ButtonDownBorder = 0xC66931},
    Office2007(osOffice2007Luna, 0xF2DAC2, 0xF0D9C1),
    Office2007(osOffice2007Obsidian, 0xB8B8B6, 0xA0A09E),
    [] {
        TMenuPreset p = Office2007(osOffice2007Silver, 0xE5D7D7, 0xF7F3F3);
        p.Background = p.BackgroundTo = 0xFAFAFA;
        p.MenuBorder = 0x868686;
        p.RootDirection = gdHorizontal;
        p.Icon = p.IconTo = 0xEFEFEF;
        return p;
    }(),
    {.Style = osVista, .Background = 0xEEEEEE, .BackgroundTo = clNone, .MenuBorder = 0x979797, .Root = 0xFFFFFF,
     .RootTo = 0xEEDBD4, .Selected = 0xBBB8B6, .SelectedTo = 0xE1D0C9, .SelectedBorder = 0x979797, .Hover = 0xFFFFFF,
     .HoverTo = 0xE7D9D3, .HoverBorder = 0xB9A69F, .Item = 0xF4F1EB, .ItemBorder = 0xEBD8A8, .ItemCheck = 0xE6D4C7,
     .ItemCheckBorder = 0xEBD8A8, .Icon = 0xEEEEEE, .IconTo = clNone, .IconCheck = 0xFCF1E8,
     .IconCheckBorder = 0xCEA27D, .IconSeparator = 0xE0E0E0, .Separator = 0xE0E0E0, .ButtonHover = 0xE0DEDD,
     .ButtonHoverTo = 0xE0DEDD, .ButtonHoverBorder = 0xB9A69F, .ButtonDown = 0xCCCAC9, .ButtonDownTo = 0xCCCAC9,
     .ButtonDownBorder = 0x979797},
    {.Style = osWhidbey, .Background = 0xF9FCFC, .BackgroundTo = 0xF9FCFC, .MenuBorder = 0x7A868A, .Root = 0xD9E6E7,
     .RootTo = 0xD9E6E7, .Selected = 0xF4F9F9, .SelectedTo = clNone, .SelectedMirror = W, .SelectedMirrorTo = W,
     .SelectedBorder = 0x7A868A, .Hover = 0xEFD3C6, .HoverTo = clNone, .HoverBorder = 0xC56A31,
     .RootDirection = NoFlag, .SelectedText = clWindowText, .Item = 0xEED2C1, .ItemBorder = 0xC56A31,
     .ItemCheck = 0xE3C0AB, .ItemCheckBorder = 0xC56A31, .Icon = 0xFBFEFE, .IconTo = 0xACC3C4, .IconCheck = 0xEED2C1,
     .IconCheckBorder = 0xC56A31, .Separator = 0xB8C2C5, .ButtonHover = W, .ButtonHoverTo = W,
     .ButtonHoverBorder = W, .ButtonDown = W, .ButtonDownTo = W, .ButtonDownBorder = W},
    {.Style = osWindows7, .Background = 0xEEEEEE, .BackgroundTo = clNone, .MenuBorder = 0x979797, .Root = 0xFFFFFF,
     .RootTo = 0xEEDBD4, .Selected = 0xFCEBDC, .SelectedTo = 0xFCDBC1, .SelectedBorder = 0xCEA27D, .Hover = 0xFFFFFF,
     .HoverTo = 0xE7D9D3, .HoverBorder = 0xB9A69F, .Item = 0xFCEBDC, .ItemBorder = 0xCEA27D, .ItemCheck = 0xF5E1CF,
     .ItemCheckBorder = 0xCEA27D, .Icon = 0xEEEEEE, .IconTo = clNone, .IconCheck = 0xFCEBDC,
     .IconCheckBorder = 0xCEA27D, .IconSeparator = 0xE0E0E0, .Separator = 0xE0E0E0, .ButtonHover = 0xE0DEDD,
     .ButtonHoverTo = 0xE0DEDD, .ButtonHoverBorder = 0xB9A69F, .ButtonDown = 0xCCCAC9, .ButtonDownTo = 0xCCCAC9,
     .ButtonDownBorder = 0xCEA27D},
    {.Style = osTerminal, .Background = clBtnFace, .BackgroundTo = clNone, .MenuBorder = 0x808080, .Root = clBtnFace,
     .RootTo = clBtnFace, .Selected = clHighlight, .SelectedTo = clHighlight, .SelectedBorder = 0x808080,
     .Hover = 0xC0C0C0, .HoverTo = 0xC0C0C0, .HoverBorder = 0x808080, .Item = 0xC0C0C0, .ItemBorder = 0x808080,
     .ItemCheck = 0xC0C0C0, .ItemCheckBorder = 0x808080, .Icon = clBtnFace, .IconTo = clNone, .IconCheck = 0xC0C0C0,
     .IconCheckBorder = 0x808080, .IconSeparator = clNone, .Separator = 0x808080, .ButtonHover = 0xEFD3C6,
     .ButtonHoverTo = clNone, .ButtonHoverBorder = 0x808080, .ButtonDown = 0xB59284, .ButtonDownTo = clNone,
     .ButtonDownBorder = 0x808080},
    Office2010(osOffice2010Blue, 0xFDF6EF, 0xF0DAC7),
    Office2010(osOffice2010Silver, 0xFFFFFF, 0xEDE5E0),
    Office2010(osOffice2010Black, 0xBFBFBF, 0x919191),
    Windows8(osWindows8),
    Office2013(osOffice2013White, 0xFFFFFF, 0xFFFFFF),
    Office2013(osOffice2013LightGray, 0xF6F6F6, 0xFFFFFF),
    Office2013(osOffice2013Gray, 0xE5E5E5, 0xF6F6F6),
    Windows8(osWindows10),
    {.Style = osOffice2016White, .Background = 0xFFFFFF, .BackgroundTo = 0xFFFFFF, .MenuBorder = 0xD4D4D4,
     .Root = 0xFFFFFF, .RootTo = 0xFFFFFF, .Selected = 0xE3BDA3, .SelectedTo = 0xE3BDA3, .SelectedBorder = 0xE3BDA3,
     .Hover = 0xF2E1D5, .HoverTo = 0xF2E1D5, .HoverBorder = 0xF2E1D5, .Item = 0xE3BDA3, .ItemTo = 0xE3BDA3,
     .ItemBorder = 0xE3BDA3, .ItemCheck = 0xF2E1D5, .ItemCheckBorder = 0xE3BDA3, .Icon = 0xFFFFFF, .IconTo = 0xFFFFFF,
     .IconCheck = 0xF2E1D5, .IconCheckBorder = 0xE3BDA3, .IconSeparator = clNone, .Separator = 0xD4D4D4,
     .ButtonHover = 0xF2E1D5, .ButtonHoverTo = 0xF2E1D5, .ButtonHoverBorder = 0xF2E1D5, .ButtonDown = 0xE3BDA3,
     .ButtonDownTo = 0xE3BDA3, .ButtonDownBorder = 0xE3BDA3},
    {.Style = osOffice2016Gray, .Background = 0xB2B2B2, .BackgroundTo = 0xB2B2B2, .MenuBorder = 0x444444,
     .Root = 0x444444, .RootTo = 0x444444, .Selected = 0xE3BDA3, .SelectedTo = 0xE3BDA3, .SelectedBorder = 0xE3BDA3,
     .Hover = 0xF2E1D5, .HoverTo = 0xF2E1D5, .HoverBorder = 0xF2E1D5, .HoverText = clBlack, .RootFont = 0xFFFFFF,
     .RootSystemFont = 0, .Item = 0xE3BDA3, .ItemTo = 0xE3BDA3, .ItemBorder = 0xE3BDA3, .ItemCheck = 0xF2E1D5,
     .ItemCheckBorder = 0xE3BDA3, .Icon = 0xB2B2B2, .IconTo = 0xB2B2B2, .IconCheck = 0xF2E1D5,
     .IconCheckBorder = 0x444444, .IconSeparator = clNone, .Separator = 0x444444, .ButtonHover = 0xF2E1D5,
     .ButtonHoverTo = 0xF2E1D5, .ButtonHoverBorder = 0xF2E1D5, .ButtonDown = 0xE3BDA3, .ButtonDownTo = 0xE3BDA3,
     .ButtonDownBorder = 0xE3BDA3},
    {.Style = osOffice2016Black, .Background = 0x363636, .BackgroundTo = 0x363636, .MenuBorder = 0x444444,
     .FontColor = 0xFFFFFF, .Root = 0x363636, .RootTo = 0x363636, .Selected = 0x444444, .SelectedTo = 0x444444,
     .SelectedBorder = 0x444444, .Hover = 0x6A6A6A, .HoverTo = clNone, .HoverBorder = 0x6A6A6A, .HoverText = 0xFFFFFF,
     .RootFont = 0xFFFFFF, .RootSystemFont = 0, .SelectedText = 0xFFFFFF, .Item = 0xFFFFFF, .ItemTo = 0xFFFFFF,
     .ItemBorder = 0x444444, .ItemCheck = 0x6A6A6A, .ItemCheckBorder = 0x444444, .ItemFont = clBlack,
     .ItemSystemFont = 0, .Icon = 0x363636, .IconTo = 0x363636, .IconCheck = 0x444444, .IconCheckBorder = 0x6A6A6A,
     .IconSeparator = 0x444444, .Separator = 0x444444, .SeparatorTo = 0x444444, .ButtonHover = 0x6A6A6A,
     .ButtonHoverTo = 0x6A6A6A, .ButtonHoverBorder = 0x6A6A6A, .ButtonDown = 0x444444, .ButtonDownTo = 0x444444,
     .ButtonDownBorder = 0x444444, .StylerSystemFont = 0},
    {.Style = osOffice2019White, .Background = 0xFFFFFF, .BackgroundTo = 0xFFFFFF, .MenuBorder = 0xA3A3A3,
     .Root = 0xFFFFFF, .RootTo = 0xFFFFFF, .Selected = 0xB0784A, .SelectedTo = 0xB0784A, .SelectedBorder = 0xB0784A,
     .Hover = 0xF2E1D5, .HoverTo = 0xF2E1D5, .HoverBorder = 0xF2E1D5, .Item = 0xF2D5C2, .ItemTo = 0xF2D5C2,
     .ItemBorder = 0xF2D5C2, .ItemCheck = 0xFAECE3, .ItemCheckBorder = 0xB0784A, .ItemFont = clBlack,
     .Icon = 0xFFFFFF, .IconTo = 0xFFFFFF, .IconCheck = 0xFAECE3, .IconCheckBorder = 0xB0784A,
     .IconSeparator = clNone, .Separator = 0xA3A3A3, .ButtonHover = 0xFAECE3, .ButtonHoverTo = 0xFAECE3,
     .ButtonHoverBorder = 0xFAECE3, .ButtonDown = 0xB0784A, .ButtonDownTo = 0xB0784A, .ButtonDownBorder = 0xB0784A},
    {.Style = osOffice2019Gray, .Background = 0xB8BBBE, .BackgroundTo = 0xB8BBBE, .MenuBorder = 0x808080,
     .Root = 0xB8BBBE, .RootTo = 0xB8BBBE, .Selected = 0x969696, .SelectedTo = 0x969696, .SelectedBorder = 0x969696,
     .Hover = 0x939597, .HoverTo = 0x939597, .HoverBorder = 0x939597, .RootSystemFont = 0, .Item = 0x969696,
     .ItemTo = 0x969696, .ItemBorder = 0x969696, .ItemCheck = 0x86888A, .ItemCheckBorder = 0x808080,
     .Icon = 0xB8BBBE, .IconTo = 0xB8BBBE, .IconCheck = 0x939597, .IconCheckBorder = 0x808080,
     .IconSeparator = clNone, .Separator = 0x808080, .ButtonHover = 0x939597, .ButtonHoverTo = 0x939597,
     .ButtonHoverBorder = 0x939597, .ButtonDown = 0x86888A, .ButtonDownTo = 0x86888A, .ButtonDownBorder = 0x86888A},
    {.Style = osOffice2019Black, .Background = 0x3B3B3B, .BackgroundTo = 0x3B3B3B, .MenuBorder = 0xADB0B3,
     .FontColor = 0xFFFFFF, .Root = 0x3B3B3B, .RootTo = 0x3B3B3B, .Selected = 0x505050, .SelectedTo = 0x505050,
     .SelectedBorder = 0x505050, .Hover = 0x686868, .HoverTo = clNone, .HoverMirror = 0x686868,
     .HoverMirrorTo = clNone, .HoverBorder = 0xB5B5B5, .HoverText = 0xFFFFFF, .RootFont = 0xFFFFFF,
     .RootSystemFont = 0, .SelectedText = 0xFFFFFF, .Item = 0x505050, .ItemTo = 0x505050, .ItemBorder = 0x505050,
     .ItemCheck = 0x828282, .ItemCheckTo = 0x828282, .ItemCheckBorder = 0x828282, .ItemFont = 0xFFFFFF,
     .ItemSystemFont = 0, .Icon = 0x3B3B3B, .IconTo = 0x3B3B3B, .IconCheck = 0x5C5E60, .IconCheckTo = 0x5C5E60,
     .IconCheckBorder = 0x5C5E60, .IconSeparator = 0x686868, .Separator = 0x686868, .SeparatorTo = 0x686868,
     .ButtonHover = 0x686868, .ButtonHoverTo = 0x686868, .ButtonHoverBorder = 0xB5B5B5, .ButtonDown = 0x828282,
     .ButtonDownTo = 0x828282, .ButtonDownBorder = 0x828282, .StylerSystemFont = 0},
};

} // namespace

const TMenuPreset* FindMenuPreset(TOfficeStyle style)
{
    for (const TMenuPreset& preset : Presets)
        if (preset.Style == style)
            return &preset;
    return nullptr;
}

} // namespace RurMenuStylers
