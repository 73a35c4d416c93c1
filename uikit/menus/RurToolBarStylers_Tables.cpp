// The colour tables of the toolbar styler's looks. Office 2007 Luna is written out in full; the
// ribbon colours of the other classic looks are made from a few key colours of their family.
#include "RurToolBarStylers_Looks.h"

namespace RurToolBarLooks {
namespace {

constexpr TColor kWhite = 0xFFFFFF;

// Tab, page and group colours from a family's key colours: the tab row, the light and dark page
// colours, the frame, the text and the hot/selected accent.
constexpr RibbonLook MakeRibbon(TColor row, TColor page, TColor pageDark, TColor frame, TColor text, TColor accent)
{
    const TColor hot = Blend(accent, kWhite, 40), selected = Blend(accent, kWhite, 70);
    const TabLook tab{frame, Blend(frame, kWhite, 70), frame, accent, text, text, text,
                      Blend(page, kWhite, 50), hot, Blend(page, accent, 80), Blend(accent, page, 60),
                      selected, Blend(selected, kWhite, 60), Blend(selected, kWhite, 60), Blend(selected, kWhite, 30),
                      Blend(frame, page, 50), Blend(accent, kWhite, 30), accent, Blend(accent, kWhite, 20),
                      Blend(accent, kWhite, 15), Blend(page, kWhite, 30)};
    const PageLook groupPage{frame, Blend(page, kWhite, 40), kWhite, kWhite, kWhite, pageDark, Blend(page, kWhite, 20)};
    return RibbonLook{
        RibbonTabLook{TabLook{clNone, Blend(frame, kWhite, 60), frame, accent, text, text, text,
                              Blend(page, kWhite, 50), hot, Blend(page, accent, 80), Blend(accent, page, 60),
                              Blend(page, kWhite, 20), page, page, Blend(page, pageDark, 70), Blend(frame, page, 50),
                              Blend(accent, kWhite, 30), accent, Blend(accent, kWhite, 20), Blend(accent, kWhite, 15),
                              Blend(page, kWhite, 30)},
                      row, clNone, kWhite, 0xC0C0C0},
        PageLook{frame, page, Blend(page, pageDark, 50), pageDark, Blend(page, kWhite, 40), pageDark,
                 Blend(page, kWhite, 20)},
        GroupLook{text, Blend(page, kWhite, 60), page, page, pageDark, Blend(frame, 0x808080, 50), tab, groupPage,
                  ToolBarLook{Blend(page, kWhite, 30), kWhite, Blend(frame, kWhite, 50), Blend(page, kWhite, 15), kWhite,
                              frame},
                  CaptionLook{page, pageDark, Blend(accent, kWhite, 30), Blend(accent, kWhite, 15), text, text}},
    };
}

constexpr TabLook kLunaGroupTab{0xA0BFCC, 0xA0BFCC, 0xA0BFCC, 0xA0BFCC, 0x8B4215, 0x8B4215, 0x8B4215,
                                0xDDE5E4, 0xFFDEC5, 0xD5DFDD, 0xA3D3E1, 0x9EDFFB, 0xBAE8FC, 0xBAE8FC, 0xD4F1FD,
                                0xE8C7AE, 0xFFFABF, 0x63CCF8, 0xBDFFFF, 0xFFFBD0, 0xFDF4ED};

constexpr RibbonLook kLunaRibbon{
    RibbonTabLook{TabLook{clNone, 0xEABC99, 0xE3B28D, 0x60CCF9, 0x8B4215, 0x8B4215, 0x8B4215, 0xDDE5E4, 0xFFDEC5,
                          0xD5DFDD, 0xA3D3E1, 0xFEF6F0, 0xFAF1E9, 0xFAF1E9, 0xF6EAE0, 0xE8C7AE, 0xFFFABF, 0x63CCF8,
                          0xBDFFFF, 0xFFFBD0, 0xFDF4ED},
                  0xFFDBBF, clNone, 0xFFFFFF, 0xC0C0C0},
    PageLook{0xE3B28D, 0xF3E5DA, 0xF0DED0, 0xEDD9C8, 0xFFF4E3, 0xC4AA96, 0xFDF9CE},
    GroupLook{0x8B4215, 0xF1DECC, 0xD8E2E1, 0xD8E2E1, 0xA5E1E9, 0xC2C2C2, kLunaGroupTab,
              PageLook{0xC2C2C2, 0xD6F2FE, 0xF9F9F9, 0xF9F9F9, 0xF9F9F9, 0xC4AA96, 0xFDF9CE},
              ToolBarLook{0xECF8FD, 0xF9F9F9, 0xCCD1D3, 0xEEF4F5, 0xFDFBFA, 0xC7C7C7},
              CaptionLook{0xF2DAC2, 0xF0D9C1, 0xFFE0C8, 0xFFEDD6, 0xAA6A3E, 0xAA6A3E}},
};

constexpr TColor kOrange = 0x59DAFF;
constexpr RibbonLook kBlue2003Ribbon = MakeRibbon(0xF5BFA0, 0xFDEADA, 0xE4AE88, 0xE0C7AD, 0x8B4215, kOrange);
constexpr RibbonLook kSilver2003Ribbon = MakeRibbon(0xE6D8D8, 0xF7F3F3, 0xB39698, 0xC0A8A9, 0x5C534C, kOrange);
constexpr RibbonLook kOliveRibbon = MakeRibbon(0xAADADA, 0xE4F1F2, 0x8CC0B1, 0x8CC0B1, 0x385D3F, kOrange);
constexpr RibbonLook kSystemRibbon = MakeRibbon(0xD8D5D4, 0xF0F0F0, 0xC9D1D5, 0x808080, 0x000000, 0xEFD3C6);
// Whidbey's hot tab border is its silver frame.
constexpr RibbonLook WithTabBorderHot(RibbonLook look, TColor colour)
{
    look.Tabs.Tab.BorderHot = colour;
    return look;
}
constexpr RibbonLook kWhidbeyRibbon =
    WithTabBorderHot(MakeRibbon(0xD7E5E5, 0xF5F9FA, 0xA8C0C0, 0xC0C0C0, 0x5C534C, 0xEED2C1), 0xC0C0C0);
constexpr RibbonLook kObsidianRibbon = MakeRibbon(0x535353, 0xECECE5, 0xC5BBB4, 0xB4B0AE, 0x000000, kOrange);
constexpr RibbonLook kSilver2007Ribbon = MakeRibbon(0xDDD4D0, 0xF4F4EE, 0xE7DCD5, 0xBEBEBE, 0x5C534C, kOrange);
constexpr RibbonLook kVistaRibbon = MakeRibbon(0xFCEFD5, 0xFDF8F1, 0xFCEFD5, 0xFCF2DA, 0x000000, 0xFEDF9A);
constexpr RibbonLook kBlue2010Ribbon = MakeRibbon(0xF0DAC7, 0xFDF6EF, 0xF0DAC7, 0xC7B29F, 0x5B391E, 0x8AE3FD);
constexpr RibbonLook kSilver2010Ribbon = MakeRibbon(0xEDE5E0, 0xFFFFFF, 0xEDE5E0, 0xCDCAC6, 0x5B5B5B, 0x8AE3FD);
constexpr RibbonLook kBlack2010Ribbon = MakeRibbon(0x919191, 0xBFBFBF, 0x919191, 0x6D6D6D, 0x000000, 0x8AE3FD);

constexpr GlowStateLook kLunaCompactHot{0xF7F7EF, 0xF7E7D6, 0xF7EAC3, 0xF7E7D6, 0xE7D6B5};
constexpr GlowStateLook kLunaCompactPressed{0xDEC6AD, 0xCEAD8C, 0xFFD6B5, 0xC69473, 0xB7A38E};
constexpr GlowLook kLunaCompact{{}, &kLunaCompactHot, &kLunaCompactPressed, &kLunaCompactPressed};
constexpr GlowStateLook kSilverCompactHot{0xF7F7F7, 0xEFEFEF, 0xE8E8E8, 0xF2F2F2, 0xC6C6C6};
constexpr GlowStateLook kSilverCompactPressed{0xDCDCDC, 0xCFCFCF, 0xC4C4C4, 0xD8D8D8, 0xA5A5A5};
constexpr GlowLook kSilverCompact{{}, &kSilverCompactHot, &kSilverCompactPressed, &kSilverCompactPressed};
constexpr GlowStateLook kSystemHot{0xEFD3C6, 0xEFD3C6, 0xEFD3C6, 0xEFD3C6, clHighlight};
constexpr GlowStateLook kSystemDown{0xE2B598, 0xE2B598, 0xE2B598, 0xE2B598, clHighlight};
constexpr GlowStateLook kTerminalHot{0xC0C0C0, 0xC0C0C0, 0xC0C0C0, 0xC0C0C0, 0x808080};
constexpr GlowStateLook kTerminalDown{clHighlight, clHighlight, clHighlight, clHighlight, 0x808080};
constexpr GlowStateLook kVistaHot{0xFFFDF9, 0xFFFAF0, 0xFEF2DC, 0xFEF9F0, 0xFEDF9A};
constexpr GlowStateLook kVistaDown{0xFCEFD5, 0xFDEBCC, 0xFCE2B4, 0xFDEEC9, 0xD9B25F};
constexpr GlowStateLook k2010Hot{0x8AE3FD, 0x8AE3FD, 0x8AE3FD, 0x8AE3FD, 0x58CAF1};
constexpr GlowStateLook k2010Down{0x6CD0FF, 0x6CD0FF, 0x6CD0FF, 0x6CD0FF, 0x3695F2};
constexpr GlowStateLook k2010Checked{0x9CDFFF, 0x9CDFFF, 0x9CDFFF, 0x9CDFFF, 0x3695F2};

constexpr ButtonLook kOrangeButton{0xCFF0EA, 0x8CC0B1, 0x4E91FE, 0x91D3FF, 0xCCF4FF, 0x91D0FF,
                                   0x8CD5FF, 0x58AFFF, 0x385D3F, 0x385D3F, 0x385D3F};
constexpr ButtonLook MakeButton(TColor color, TColor colorTo, TColor hot, TColor hotTo, TColor down, TColor downTo,
                                TColor border)
{
    return ButtonLook{color, colorTo, down, downTo, hot, hotTo, down, hot, border, border, border};
}

// Windows 7 beside a ribbon pager that is not scenic: lighter blue fills and quick-access toolbar.
constexpr PagerVariantLook kWindows7BesidePager{
    .Dock = {0xFCDBC1, 0xFCDBC1, gdHorizontal, 128},
    .Color = {0xFCEBDC, 0xFCDBC1, gdVertical, 16},
    .QAT = {0xFCEBDC, 0xFCDBC1, 0xCEA27D, 0xFCDBC1, 0xFCDBC1, 0xFCDBC1},
};

constexpr ClassicLook kClassicLooks[] = {
    {.Style = bsOffice2003Blue,
     .Dock = {0xF5BFA0, 0xFADAC4, gdHorizontal, 128},
     .Color = {{0xFDEADA, 0xE4AE88, gdVertical, 16}, {0xFDEADA, 0xF5D3BB, 0xECC19F, 0xE4AE88}},
     .Handle = 0xE0A47B, .HandleTo = 0x8B4215, .HandleHot = 0xD3F8FF, .HandleHotTo = 0x76C1FF,
     .HandleDown = 0x087FE8, .HandleDownTo = 0x7CDAF7, .FloatingBorder = 0x913500, .FloatingWidth = 2,
     .Grip = dsDots, .Flat = false,
     .Glow = {{0xEEDBC8, 0xF6DDC9, 0xEDD4C0, 0xF7E1D0, 0xE0B99B}}, .Compact = nullptr,
     .Caption = {0xE4AE88, 0xD68759, 0xCCF4FF, 0x91D0FF, 0xFFFFFF, 0x000000},
     .Ribbon = &kBlue2003Ribbon, .WritesGroup = true, .Border = 0xE0C7AD,
     .Hot = {{0xFFF1E6, 0xF0D0B5, gdVertical, 16}, {0xFFF1E6, 0xF8DFCA, 0xF0D0B5, 0xFAE8D8}},
     .BorderHot = 0xE0C7AD,
     .PagerCaption = {0xE4AE88, 0xD68759, 0xD68759, 0xE4AE88, 0x913500},
     .QAT = {0xFDEADA, 0xE4AE88, 0xE0C7AD, 0xF5D3BB, 0xE4AE88, 0x913500},
     .Button = kOrangeButton, .UpdateQAT = true, .QatSharpCurve = false},
    {.Style = bsOffice2003Silver,
     .Dock = {0xE6D8D8, 0xF7F3F3, gdHorizontal, 128},
     .Color = {{0xECE2E1, 0xB39698, gdVertical, 16}, {0xECE2E1, 0xD8C6C7, 0xC7B1B2, 0xB39698}},
     .Handle = 0xC0A8A9, .HandleTo = 0x927476, .HandleHot = 0xD3F8FF, .HandleHotTo = 0x76C1FF,
     .HandleDown = 0x087FE8, .HandleDownTo = 0x7CDAF7, .FloatingBorder = 0x927476, .FloatingWidth = 2,
     .Grip = dsDots, .Flat = false,
     .Glow = {{0xE6E9E2, 0xF2F2EE, 0xE0E3DA, 0xF4F4F0, 0xC0A8A9}}, .Compact = nullptr,
     .Caption = {0xB39698, 0x927476, 0xCCF4FF, 0x91D0FF, 0xFFFFFF, 0x000000},
     .Ribbon = &kSilver2003Ribbon, .WritesGroup = true, .Border = 0xF7F3F3,
     .Hot = {{0xF7F3F3, 0xD8C6C7, gdVertical, 16}, {0xF7F3F3, 0xE6D8D8, 0xD8C6C7, 0xEDE4E4}},
     .BorderHot = 0xF7F3F3,
     .PagerCaption = {0xE6D8D8, 0xB39698, 0xB39698, 0xE6D8D8, 0x927476},
     .QAT = {0xECE2E1, 0xB39698, 0xC0A8A9, 0xD8C6C7, 0xB39698, 0x927476},
     .Button = kOrangeButton, .UpdateQAT = true, .QatSharpCurve = false},
    {.Style = bsOffice2003Olive,
     .Dock = {0xAADADA, 0xE4F1F2, gdHorizontal, 128},
     .Color = {{0xCFF0EA, 0x8CC0B1, gdVertical, 16}, {0xCFF0EA, 0xB4DCD2, 0xA0D0C2, 0x8CC0B1}},
     .Handle = 0x8CC0B1, .HandleTo = 0x6B7760, .HandleHot = 0xD3F8FF, .HandleHotTo = 0x76C1FF,
     .HandleDown = 0x087FE8, .HandleDownTo = 0x7CDAF7, .FloatingBorder = 0x6B7760, .FloatingWidth = 2,
     .Grip = dsDots, .Flat = false,
     .Glow = {{0xCFF0EA, 0xDDF4EF, 0xC4E8DF, 0xE4F6F2, 0x8CC0B1}}, .Compact = nullptr,
     .Caption = {0x8CC0B1, 0x6B9A8C, 0xCCF4FF, 0x91D0FF, 0xFFFFFF, 0x000000},
     .Ribbon = &kOliveRibbon, .WritesGroup = true, .Border = 0x8CC0B1,
     .Hot = {{0xE4F1F2, 0xB4DCD2, gdVertical, 16}, {0xE4F1F2, 0xCFE8E2, 0xB4DCD2, 0xDDEFEA}},
     .BorderHot = 0x8CC0B1,
     .PagerCaption = {0x8CC0B1, 0x6B9A8C, 0x6B9A8C, 0x8CC0B1, 0x6B7760},
     .QAT = {0xCFF0EA, 0x8CC0B1, 0x8CC0B1, 0xB4DCD2, 0x8CC0B1, 0x6B7760},
     .Button = kOrangeButton, .UpdateQAT = true, .QatSharpCurve = false},
    {.Style = bsOffice2003Classic,
     .Dock = {0xD2BDB6, 0xD2BDB6, gdHorizontal, 128},
     .Color = {{0xFFFFFF, 0xC9D1D5, gdVertical, 16}, {0xFFFFFF, 0xE8ECEE, 0xD8DEE1, 0xC9D1D5}},
     .Handle = 0xC9D1D5, .HandleTo = 0x828F92, .HandleHot = 0xD2BDB6, .HandleHotTo = 0xD2BDB6,
     .HandleDown = 0xB59285, .HandleDownTo = 0xB59285, .FloatingBorder = 0x828F92, .FloatingWidth = 2,
     .Grip = dsDots, .Flat = false,
     .Glow = {{0xFFFFFF, 0xF4F6F7, 0xE8ECEE, 0xF8F9FA, 0xC9D1D5}, &kSystemHot, &kSystemDown, &kSystemDown},
     .Compact = nullptr,
     .Caption = {0x808080, 0x808080, 0xD2BDB6, 0xD2BDB6, 0xFFFFFF, 0x000000},
     .Ribbon = &kSystemRibbon, .WritesGroup = true, .Border = std::nullopt,
     .Hot = {{0xFFFFFF, 0xD8D5D4, gdVertical, 16}, {0xFFFFFF, 0xEEEDEC, 0xE3E1E0, 0xD8D5D4}},
     .BorderHot = 0xD8D5D4,
     .PagerCaption = {0x808080, 0x808080, 0x808080, 0x808080, 0x828F92},
     .QAT = {0xFFFFFF, 0xC9D1D5, 0x828F92, 0xD8D5D4, 0xC9D1D5, 0x828F92},
     .Button = MakeButton(clNone, clNone, 0xD2BDB6, clNone, 0xB59285, clNone, 0x6A240A), .UpdateQAT = false,
     .QatSharpCurve = false},
    {.Style = bsOffice2007Luna,
     .Dock = {0xEDD8C7, 0xFAF1E9, gdHorizontal, 128},
     .Color = {{0xEDD8C7, 0xF6E9D9, gdVertical, 0}, {0xF3E5DA, 0xF0DED0, 0xEDD9C8, 0xFBEDDC}},
     .Handle = 0xDFD2C5, .HandleTo = 0xE0C7AD, .HandleHot = 0xD3F8FF, .HandleHotTo = 0x76C1FF,
     .HandleDown = 0x087FE8, .HandleDownTo = 0x7CDAF7, .FloatingBorder = 0xE3B28D, .FloatingWidth = 1,
     .Grip = dsNone, .Flat = false,
     .Glow = {{0xEEDBC8, 0xF6DDC9, 0xEDD4C0, 0xF7E1D0, 0xE0B99B}, &kOrangeHot, &kOrangeDown, &kOrangeChecked},
     .Compact = &kLunaCompact,
     .Caption = {0xF2DAC2, 0xF0D9C1, 0xFFE0C8, 0xFFEDD6, 0xAA6A3E, 0xAA6A3E},
     .Ribbon = &kLunaRibbon, .WritesGroup = true, .Border = 0xD7C8B7,
     .Hot = {{0xFFF1E6, 0xFAEADE, gdVertical, 0}, {0xFDEFE5, 0xFCF0E7, 0xFBE9DB, 0xFBEDDC}},
     .BorderHot = 0xE0C7AD,
     .PagerCaption = {0xECE7E2, 0xEDE5DE, 0xECE1D8, 0xEFEBDF, 0xF0CAAE, 0xAA6A3E, 0x797069, 0xB99A82},
     .QAT = {0xF4E7DE, 0xEED8C9, 0xD5B39A, 0xEDCDB2, 0xEAC5AA, 0xCDA17E},
     .Button = kOrangeButton, .UpdateQAT = true, .QatSharpCurve = false},
    {.Style = bsOffice2007Obsidian,
     .Dock = {0xCFC6C1, 0xC5BBB4, gdHorizontal, 128},
     .Color = {{0xC5BBB4, 0xECECE5, gdVertical, 0}, {0xDFDED6, 0xC7C7C7, 0xB4B4B4, 0xC5BBB4}},
     .Handle = 0xB4B0AE, .HandleTo = 0x8C8C8C, .HandleHot = 0xD3F8FF, .HandleHotTo = 0x76C1FF,
     .HandleDown = 0x087FE8, .HandleDownTo = 0x7CDAF7, .FloatingBorder = 0xB4B0AE, .FloatingWidth = 1,
     .Grip = dsNone, .Flat = false,
     .Glow = {{0xDFDED6, 0xE5E5E0, 0xD3D2C9, 0xE8E8E3, 0xB4B0AE}, &kOrangeHot, &kOrangeDown, &kOrangeChecked},
     .Compact = nullptr,
     .Caption = {0x8C8C8C, 0x7C7C7C, 0xB4B4B4, 0xC7C7C7, 0xFFFFFF, 0xFFFFFF},
     .Ribbon = &kObsidianRibbon, .WritesGroup = true, .Border = 0xB4B0AE,
     .Hot = {{0xE5E5E0, 0xD3D2C9, gdVertical, 0}, {0xE5E5E0, 0xDFDED6, 0xD3D2C9, 0xE8E8E3}},
     .BorderHot = 0xB4B0AE,
     .PagerCaption = {0x524743, 0x4C413C, 0x463B37, 0x524743, 0x3B3B3B, 0xFFFFFF, 0xE1E1E1, 0xB3A69C},
     .QAT = {0x847E7B, 0x5F5A57, 0x4C4C4C, 0x6F6966, 0x5F5A57, 0x3B3B3B},
     .Button = kOrangeButton, .UpdateQAT = true, .QatSharpCurve = true},
    {.Style = bsWindowsXP,
     .Dock = {clBtnFace, clBtnFace, gdHorizontal, 128},
     .Color = {{clBtnFace, clBtnFace, gdVertical, 16}, {clBtnFace, clBtnFace, clBtnFace, clBtnFace}},
     .Handle = clBtnShadow, .HandleTo = clBtnShadow, .HandleHot = 0xEFD3C6, .HandleHotTo = 0xEFD3C6,
     .HandleDown = 0xE2B598, .HandleDownTo = 0xE2B598, .FloatingBorder = clHighlight, .FloatingWidth = 2,
     .Grip = dsSingleLine, .Flat = true,
     .Glow = {{0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0x808080}, &kSystemHot, &kSystemDown, &kSystemDown},
     .Compact = nullptr,
     .Caption = {clBtnShadow, clBtnShadow, clHighlight, clHighlight, 0xFFFFFF, 0xFFFFFF},
     .Ribbon = &kSystemRibbon, .WritesGroup = true, .Border = 0x808080,
     .Hot = {{clBtnFace, clBtnFace, gdVertical, 16}, {clBtnFace, clBtnFace, clBtnFace, clBtnFace}},
     .BorderHot = clHighlight,
     .PagerCaption = {clBtnFace, clBtnFace, clBtnFace, clBtnFace, 0x808080},
     .QAT = {clBtnFace, clBtnFace, 0x808080, clBtnFace, clBtnFace, 0x808080},
     .Button = MakeButton(clNone, clNone, 0xEFD3C6, clNone, 0xE2B598, clNone, clHighlight), .UpdateQAT = true,
     .QatSharpCurve = false},
    {.Style = bsWhidbeyStyle,
     .Dock = {0xD7E5E5, 0xE7F2F3, gdHorizontal, 128},
     .Color = {{0xF5F9FA, 0xA8C0C0, gdVertical, 16}, {0xF5F9FA, 0xDCE6E6, 0xC2D3D3, 0xA8C0C0}},
     .Handle = 0xC0C0C0, .HandleTo = 0x828F92, .HandleHot = 0xEED2C1, .HandleHotTo = 0xEED2C1,
     .HandleDown = 0xE2B598, .HandleDownTo = 0xE2B598, .FloatingBorder = 0x828F92, .FloatingWidth = 2,
     .Grip = dsDots, .Flat = false,
     .Glow = {{0xFFFFFF, 0xF5F9FA, 0xE7F2F3, 0xFFFFFF, 0xC0C0C0}}, .Compact = nullptr,
     .Caption = {0x859D9D, 0x6C8585, 0xEED2C1, 0xEED2C1, 0xFFFFFF, 0x000000},
     .Ribbon = &kWhidbeyRibbon, .WritesGroup = true, .Border = 0xC0C0C0,
     .Hot = {{0xF5F9FA, 0xD7E5E5, gdVertical, 16}, {0xF5F9FA, 0xE7F2F3, 0xD7E5E5, 0xEEF5F5}},
     .BorderHot = 0xE0C7AD,
     .PagerCaption = {0x859D9D, 0x6C8585, 0x6C8585, 0x859D9D, 0x828F92},
     .QAT = {0xF5F9FA, 0xA8C0C0, 0xC0C0C0, 0xD7E5E5, 0xA8C0C0, 0x828F92},
     .Button = MakeButton(clNone, clNone, 0xEED2C1, clNone, 0xE2B598, clNone, 0xC56A31), .UpdateQAT = true,
     .QatSharpCurve = false},
    {.Style = bsOffice2007Silver,
     .Dock = {0xE5D7D7, 0xF7F3F3, gdHorizontal, 128},
     .Color = {{0xE7DCD5, 0xF4F4EE, gdVertical, 0}, {0xFAFAFA, 0xF1EFEF, 0xE8E4E2, 0xF4F4EE}},
     .Handle = 0xCCCAC9, .HandleTo = 0x939291, .HandleHot = 0xD3F8FF, .HandleHotTo = 0x76C1FF,
     .HandleDown = 0x087FE8, .HandleDownTo = 0x7CDAF7, .FloatingBorder = 0xC6B0B1, .FloatingWidth = 1,
     .Grip = dsNone, .Flat = false,
     .Glow = {{0xF3F3F1, 0xF5F5F3, 0xEEEAE7, 0xF8F7F6, 0xCCCAC9}, &kOrangeHot, &kOrangeDown, &kOrangeChecked},
     .Compact = &kSilverCompact,
     .Caption = {0xE7E3E1, 0xDCD7D4, 0xFFE0C8, 0xFFEDD6, 0x5C534C, 0x5C534C},
     .Ribbon = &kSilver2007Ribbon, .WritesGroup = true, .Border = 0x939291,
     .Hot = {{0xFAFAFA, 0xF1EFEF, gdVertical, 0}, {0xFAFAFA, 0xF1EFEF, 0xE8E4E2, 0xF4F4EE}},
     .BorderHot = 0x91908F,
     .PagerCaption = {0xEBE8E7, 0xE7E3E1, 0xDCD7D4, 0xEEEBE9, 0xBEBEBE, 0x5C534C, 0x6E6E6E, 0xA59180},
     .QAT = {0xE7DCD5, 0xDCD0C8, 0xC6B0B1, 0xDDD4D0, 0xD2C6C1, 0xB9A9A4},
     .Button = kOrangeButton, .UpdateQAT = true, .QatSharpCurve = false},
    {.Style = bsWindowsVista,
     .Dock = {0xFCEFD5, 0xFCEFD5, gdHorizontal, 128},
     .Color = {{0xFDF8F1, 0xFCEFD5, gdVertical, 16}, {0xFDF8F1, 0xFDF3E3, 0xFDEEC9, 0xFCEFD5}},
     .Handle = 0xFCF2DA, .HandleTo = 0xD9B25F, .HandleHot = 0xFFFDF9, .HandleHotTo = 0xFEDF9A,
     .HandleDown = 0xFCEFD5, .HandleDownTo = 0xD9B25F, .FloatingBorder = 0xFCF2DA, .FloatingWidth = 2,
     .Grip = dsDots, .Flat = false,
     .Glow = {{0xFDF8F1, 0xFCEFD5, 0xFDF3E3, 0xFDF8F1, 0xFCF2DA}, &kVistaHot, &kVistaDown, &kVistaDown},
     .Compact = nullptr,
     .Caption = {0xFCEFD5, 0xFDEEC9, 0xFFFDF9, 0xFEF9F0, 0x000000, 0x000000},
     .Ribbon = &kVistaRibbon, .WritesGroup = true, .Border = 0xFCF2DA,
     .Hot = {{0xFFFDF9, 0xFEF9F0, gdVertical, 16}, {0xFFFDF9, 0xFEF9F0, 0xFEF2DC, 0xFEF9F0}},
     .BorderHot = 0xFEDF9A,
     .PagerCaption = {0xFEF9F0, 0xFCEFD5, 0xFCEFD5, 0xFEF9F0, 0xFCF2DA},
     .QAT = {0xFDF8F1, 0xFCEFD5, 0xFCF2DA, 0xFCEFD5, 0xFCEFD5, 0xD9B25F},
     .Button = MakeButton(clNone, clNone, 0xFFFDF9, 0xFEF2DC, 0xFCEFD5, 0xFCE2B4, 0xD9B25F), .UpdateQAT = true,
     .QatSharpCurve = false},
    {.Style = bsWindows7,
     .Dock = {0xDBC9BA, 0xDBC9BA, gdHorizontal, 128},
     .Color = {{0xDBC9BA, 0xDBC9BA, gdVertical, 16}, {0xDBC9BA, 0xDBC9BA, 0xDBC9BA, 0xDBC9BA}},
     .Handle = 0xD2BFB2, .HandleTo = 0xB5998A, .HandleHot = 0xFFFDF9, .HandleHotTo = 0xFEDF9A,
     .HandleDown = 0xFCEFD5, .HandleDownTo = 0xD9B25F, .FloatingBorder = 0xB5998A, .FloatingWidth = 2,
     .Grip = dsDots, .Flat = false,
     .Glow = {{0xF5E9DF, 0xEEDFD2, 0xE8D6C7, 0xF5E9DF, 0xD2BFB2}, &kVistaHot, &kVistaDown, &kVistaDown},
     .Compact = nullptr,
     .Caption = {0xD2BFB2, 0xB5998A, 0xFFFDF9, 0xFEF9F0, 0x000000, 0x000000},
     .Ribbon = &kVistaRibbon, .WritesGroup = true, .Border = 0xD2BFB2,
     .Hot = {{0xF5E9DF, 0xEEDFD2, gdVertical, 16}, {0xF5E9DF, 0xEEDFD2, 0xE8D6C7, 0xF5E9DF}},
     .BorderHot = 0xFEDF9A,
     .PagerCaption = {0xF5E9DF, 0xEEDFD2, 0xE8D6C7, 0xF5E9DF, 0xD2BFB2},
     .QAT = {0xF5E9DF, 0xF5E9DF, 0xD2BFB2, 0xF5E9DF, 0xF5E9DF, 0xD2BFB2},
     .Button = MakeButton(clNone, clNone, 0xFFFDF9, 0xFEF2DC, 0xFCEFD5, 0xFCE2B4, 0xD9B25F), .UpdateQAT = false,
     .QatSharpCurve = false, .PagerVariant = &kWindows7BesidePager},
    {.Style = bsTerminal,
     .Dock = {clBtnFace, clBtnFace, gdHorizontal, 128},
     .Color = {{clBtnFace, clBtnFace, gdVertical, 16}, {clBtnFace, clBtnFace, clBtnFace, clBtnFace}},
     .Handle = 0x808080, .HandleTo = 0x808080, .HandleHot = 0xC0C0C0, .HandleHotTo = 0xC0C0C0,
     .HandleDown = clHighlight, .HandleDownTo = clHighlight, .FloatingBorder = 0x808080, .FloatingWidth = 2,
     .Grip = dsDots, .Flat = false,
     .Glow = {{clBtnFace, clBtnFace, clBtnFace, clBtnFace, 0x808080}, &kTerminalHot, &kTerminalDown, &kTerminalDown},
     .Compact = nullptr,
     .Caption = {0x808080, 0x808080, 0xC0C0C0, 0xC0C0C0, 0xFFFFFF, 0x000000},
     .Ribbon = &kSystemRibbon, .WritesGroup = true, .Border = 0x808080,
     .Hot = {{0xC0C0C0, 0xC0C0C0, gdVertical, 16}, {0xC0C0C0, 0xC0C0C0, 0xC0C0C0, 0xC0C0C0}},
     .BorderHot = 0x808080,
     .PagerCaption = {clBtnFace, clBtnFace, clBtnFace, clBtnFace, 0x808080},
     .QAT = {clBtnFace, clBtnFace, 0x808080, clBtnFace, clBtnFace, 0x808080},
     .Button = MakeButton(clNone, clNone, 0xC0C0C0, clNone, clHighlight, clNone, 0x808080), .UpdateQAT = false,
     .QatSharpCurve = false},
    {.Style = bsOffice2010Blue,
     .Dock = {0xF0DAC7, 0xFDF6EF, gdHorizontal, 128},
     .Color = {{0xFDF6EF, 0xF0DAC7, gdVertical, 16}, {0xFDF6EF, 0xF8EBDF, 0xF4E2D3, 0xF0DAC7}},
     .Handle = 0xD6C0B1, .HandleTo = 0xC7B29F, .HandleHot = 0x8AE3FD, .HandleHotTo = 0x58CAF1,
     .HandleDown = 0x6CD0FF, .HandleDownTo = 0x3695F2, .FloatingBorder = 0xD6C0B1, .FloatingWidth = 2,
     .Grip = dsDots, .Flat = false,
     .Glow = {{0xFDF6EF, 0xF8EBDF, 0xF4E2D3, 0xF0DAC7, 0xD6C0B1}, &k2010Hot, &k2010Down, &k2010Checked},
     .Compact = nullptr,
     .Caption = {0xF0DAC7, 0xE5C7AE, 0x8AE3FD, 0x8AE3FD, 0x5B391E, 0x5B391E},
     .Ribbon = &kBlue2010Ribbon, .WritesGroup = false, .Border = 0xC7B29F,
     .Hot = {{0xFFFBF7, 0xF4E2D3, gdVertical, 16}, {0xFFFBF7, 0xFAEFE5, 0xF4E2D3, 0xFDF6EF}},
     .BorderHot = 0xD6C0B1,
     .PagerCaption = {0xFFFAF5, 0xFDF6EF, 0xF8EBDF, 0xF0DAC7, 0xD6C0B1},
     .QAT = {0xFDF6EF, 0xF0DAC7, 0xD6C0B1, 0xF8EBDF, 0xF0DAC7, 0xC7B29F},
     .Button = MakeButton(clNone, clNone, 0x8AE3FD, 0x8AE3FD, 0x6CD0FF, 0x6CD0FF, 0x3695F2), .UpdateQAT = false,
     .QatSharpCurve = false},
    {.Style = bsOffice2010Silver,
     .Dock = {0xEDE5E0, 0xFFFFFF, gdHorizontal, 128},
     .Color = {{0xFFFFFF, 0xEDE5E0, gdVertical, 16}, {0xFFFFFF, 0xF8F5F3, 0xF2EDEA, 0xEDE5E0}},
     .Handle = 0xCDCAC6, .HandleTo = 0xB5B0AB, .HandleHot = 0x8AE3FD, .HandleHotTo = 0x58CAF1,
     .HandleDown = 0x6CD0FF, .HandleDownTo = 0x3695F2, .FloatingBorder = 0xCDCAC6, .FloatingWidth = 2,
     .Grip = dsDots, .Flat = false,
     .Glow = {{0xFFFFFF, 0xF8F5F3, 0xF2EDEA, 0xEDE5E0, 0xCDCAC6}, &k2010Hot, &k2010Down, &k2010Checked},
     .Compact = nullptr,
     .Caption = {0xEDE5E0, 0xD4CFCB, 0x8AE3FD, 0x8AE3FD, 0x3B3B3B, 0x3B3B3B},
     .Ribbon = &kSilver2010Ribbon, .WritesGroup = false, .Border = std::nullopt,
     .Hot = {{0xFFFFFF, 0xF2EDEA, gdVertical, 16}, {0xFFFFFF, 0xFBFAF9, 0xF2EDEA, 0xFFFFFF}},
     .BorderHot = 0xEDE5E0,
     .PagerCaption = {0xD4CFCB, 0xE4DFDB, 0xEDE5E0, 0xFFFFFF, 0xCDCAC6},
     .QAT = {0xFFFFFF, 0xEDE5E0, 0xCDCAC6, 0xF8F5F3, 0xEDE5E0, 0xB5B0AB},
     .Button = MakeButton(clNone, clNone, 0x8AE3FD, 0x8AE3FD, 0x6CD0FF, 0x6CD0FF, 0x3695F2), .UpdateQAT = false,
     .QatSharpCurve = false},
    {.Style = bsOffice2010Black,
     .Dock = {0x919191, 0xBFBFBF, gdHorizontal, 128},
     .Color = {{0xBFBFBF, 0x919191, gdVertical, 16}, {0xBFBFBF, 0xAFAFAF, 0xA0A0A0, 0x919191}},
     .Handle = 0x848484, .HandleTo = 0x6D6D6D, .HandleHot = 0x8AE3FD, .HandleHotTo = 0x58CAF1,
     .HandleDown = 0x6CD0FF, .HandleDownTo = 0x3695F2, .FloatingBorder = 0x848484, .FloatingWidth = 2,
     .Grip = dsDots, .Flat = false,
     .Glow = {{0xBFBFBF, 0xAFAFAF, 0xA0A0A0, 0x919191, 0x6D6D6D}, &k2010Hot, &k2010Down, &k2010Checked},
     .Compact = nullptr,
     .Caption = {0x656565, 0x4F4F4F, 0x8AE3FD, 0x8AE3FD, 0xFFFFFF, 0x000000},
     .Ribbon = &kBlack2010Ribbon, .WritesGroup = false, .Border = 0x6D6D6D,
     .Hot = {{0xD0D0D0, 0xA0A0A0, gdVertical, 16}, {0xD0D0D0, 0xC2C2C2, 0xA0A0A0, 0xBFBFBF}},
     .BorderHot = 0x6D6D6D,
     .PagerCaption = {0x656565, 0x5A5A5A, 0x4F4F4F, 0x656565, 0x4F4F4F},
     .QAT = {0xBFBFBF, 0x919191, 0x6D6D6D, 0xAFAFAF, 0x919191, 0x4F4F4F},
     .Button = MakeButton(clNone, clNone, 0x8AE3FD, 0x8AE3FD, 0x6CD0FF, 0x6CD0FF, 0x3695F2), .UpdateQAT = false,
     .QatSharpCurve = false},
};

// The tones each flat look writes over the base set before it hands them to the ribbon pager.
constexpr auto kKeep = std::nullopt;
constexpr ToneSource kAppButton = ToneSource::AppButtonColor, kAppSelected = ToneSource::AppSelectedColor,
                     kAppHover = ToneSource::AppHoverColor;
using enum ToneSet;
using enum ToneOf;

constexpr ToneWrite kWindows8Tones[] = {
    {Pager, Background, 0xFFFFFF, kKeep, kKeep},
    {Tab, Hover, 0xFFFDFD, 0xECECEB, 0},
    {Tab, Selected, 0xC0C0C0, 0xC0C0C0, 0},
    {Tab, Background, 0xF7F6F5, 0xDCDBDA, kKeep},
};
constexpr ToneWrite kOffice2013WhiteTones[] = {
    {Pager, Background, 0xFFFFFF, kKeep, kKeep},
    {Tab, Hover, 0xFFFFFF, 0xFFFFFF, 0},
    {Tab, Selected, 0xC0C0C0, 0xC0C0C0, 0xFF0000},
    {Tab, Background, 0xFFFFFF, 0xC0C0C0, 0x666666},
};
constexpr ToneWrite kOffice2013LightGrayTones[] = {
    {Pager, Background, 0xF1F1F1, kKeep, kKeep},
    {Tab, Hover, 0xFAFAFA, 0xFAFAFA, 0xFF0000},
    {Tab, Selected, 0xC0C0C0, 0xC0C0C0, 0xFF0000},
    {Tab, Background, 0xFAFAFA, 0xC0C0C0, kKeep},
};
constexpr ToneWrite kOffice2013GrayTones[] = {
    {Pager, Background, 0xDEDEDE, kKeep, kKeep},
    {Tab, Hover, 0xF3F3F3, 0xF3F3F3, 0xFF0000},
    {Tab, Selected, 0xC0C0C0, 0xC0C0C0, 0xFF0000},
    {Tab, Background, 0xF3F3F3, 0xC0C0C0, kKeep},
};
constexpr ToneWrite kOffice2016WhiteTones[] = {
    {Pager, Background, kAppButton, kKeep, kKeep},
    {Tab, Hover, 0xF2E1D5, clNone, 0},
    {Tab, Selected, 0xFFFFFF, 0xD4D4D4, kAppButton},
    {Tab, Background, 0xFFFFFF, 0xD4D4D4, 0xFFFFFF},
};
constexpr ToneWrite kOffice2016GrayTones[] = {
    {Buttons, Background, kKeep, kKeep, clWindowText},
    {Pager, Background, 0x444444, kKeep, kKeep},
    {Tab, Hover, 0xB2B2B2, 0xB2B2B2, 0xF0F0F0},
    {Tab, Selected, 0xB2B2B2, 0xB2B2B2, 0x262626},
    {Tab, Background, 0xB2B2B2, 0x444444, 0xF0F0F0},
};
constexpr ToneWrite kOffice2016BlackTones[] = {
    {Buttons, Background, kKeep, kKeep, 0xDADADA},
    {Pager, Background, 0x252525, kKeep, kKeep},
    {Tab, Hover, 0x262626, 0x262626, 0xFFFFFF},
    {Tab, Selected, 0x363636, 0x4D4D4D, 0xFFFFFF},
    {Tab, Background, 0x363636, 0x4E4E4E, 0xDADADA},
};
// The buttons' foreground brush and border follow the application colours (see the writer).
constexpr ToneWrite kOffice2019WhiteTones[] = {
    {Buttons, Background, 0xFFFFFF, 0xFFFFFF, 0x444648},
    {Buttons, Foreground, kKeep, kKeep, 0x444648},
    {Buttons, Selected, kAppSelected, kAppSelected, 0x444648},
    {Buttons, Hover, kAppHover, kAppHover, 0x444648},
    {Pager, Background, 0xFFFFFF, 0xFFFFFF, kKeep},
    {Pager, Foreground, 0xFFFFFF, 0xFFFFFF, kKeep},
    {Tab, Foreground, 0xFFFFFF, 0xC4C6C8, 0x444648},
    {Tab, Hover, 0xF8F9FA, 0xF8F9FA, kAppButton},
    {Tab, Selected, 0xFFFFFF, 0xFFFFFF, 0x444648},
    {Tab, Background, 0xFFFFFF, 0xFFFFFF, 0x444648},
};
constexpr TColor kGray2019 = 0xB8BBBE;
constexpr ToneWrite kOffice2019GrayTones[] = {
    {Buttons, Background, kGray2019, kGray2019, 0x232425},
    {Buttons, Foreground, 0x939597, 0x939597, 0x232425},
    {Buttons, Selected, 0x86888A, 0x86888A, 0x232425},
    {Buttons, Hover, 0x939597, 0x939597, 0x232425},
    {Pager, Background, 0x444444, 0x444444, 0x232425},
    {Pager, Foreground, kGray2019, kGray2019, kKeep},
    {Tab, Foreground, kGray2019, 0xC4C6C8, 0x444648},
    {Tab, Hover, 0xC4C6C8, 0xC4C6C8, 0x1E1F20},
    {Tab, Selected, kGray2019, kGray2019, 0x232425},
    {Tab, Background, 0x444444, 0x444444, 0x232425},
};
constexpr ToneWrite kOffice2019BlackTones[] = {
    {Buttons, Background, 0x303132, 0x303132, 0xFFFFFF},
    {Buttons, Foreground, 0x444648, 0x444648, 0xFFFFFF},
    {Buttons, Selected, 0x5C5E60, 0x5C5E60, 0xFFFFFF},
    {Buttons, Hover, 0x444648, 0x444648, 0xFFFFFF},
    {Pager, Background, 0x0A0A0A, 0x0A0A0A, 0xFFFFFF},
    {Pager, Foreground, 0x303132, 0x303132, kKeep},
    {Tab, Foreground, 0x303132, 0x444648, 0xFFFFFF},
    {Tab, Hover, 0x444648, 0x444648, 0xFFFFFF},
    {Tab, Selected, 0x303132, 0x303132, 0xFFFFFF},
    {Tab, Background, 0x0A0A0A, 0x0A0A0A, 0xFFFFFF},
};

constexpr FlatLook kFlatLooks[] = {
    {.Style = bsWindows8, .Family = ffWindows8, .Surface = 0xF7F6F5, .Handle = 0xECECEB, .HandleHot = 0xF7EFE8,
     .HandleDown = 0xF7E0C9, .DockSteps = 128, .ColorSteps = 64,
     .Tones = kWindows8Tones},
    {.Style = bsOffice2013White, .Family = ffOffice2013, .Surface = 0xFFFFFF, .Handle = 0xC0C0C0,
     .HandleHot = 0xC0C0C0, .HandleDown = 0xA0A0A0, .DockSteps = 128, .ColorSteps = 64,
     .Fallback = FlatFallback{0xFFFFFF, 0xC0C0C0, 0x808080, 0x808080, 0xC0C0C0},
     .Tones = kOffice2013WhiteTones},
    {.Style = bsOffice2013LightGray, .Family = ffOffice2013, .Surface = 0xFAFAFA, .Handle = 0xC0C0C0,
     .HandleHot = 0xC0C0C0, .HandleDown = 0xA0A0A0, .DockSteps = 128, .ColorSteps = 64,
     .Fallback = FlatFallback{0xFAFAFA, 0x808080, 0x707070, 0x808080, 0x808080},
     .Tones = kOffice2013LightGrayTones},
    {.Style = bsOffice2013Gray, .Family = ffOffice2013, .Surface = 0xF3F3F3, .Handle = 0xC0C0C0,
     .HandleHot = 0xC0C0C0, .HandleDown = 0xA0A0A0, .DockSteps = 128, .ColorSteps = 64,
     .Fallback = FlatFallback{0xC0C0C0, 0x808080, 0x707070, 0x808080, 0x808080},
     .Tones = kOffice2013GrayTones, .ToneCaptionText = 0xFFFFFF, .ToneCaptionTextHot = 0xFFFFFF},
    {.Style = bsWindows10, .Family = ffWindows8, .Surface = 0xF7F6F5, .Handle = 0xECECEB, .HandleHot = 0xF7EFE8,
     .HandleDown = 0xF7E0C9, .DockSteps = 128, .ColorSteps = 64,
     .Tones = kWindows8Tones},
    {.Style = bsOffice2016White, .Family = ffOffice2016, .Surface = 0xFFFFFF, .Handle = 0xFFFFFF,
     .HandleHot = 0xF2E1D5, .HandleDown = 0xE3BDA3, .DockSteps = 128, .ColorSteps = 64,
     .GlowBase = {0xFFFFFF, clNone, clNone, clNone, 0xD4D4D4}, .GlowHot = 0xF2E1D5, .GlowDown = 0xE3BDA3,
     .GlowChecked = 0xF2D5C2, .GlowText = clNone, .GlowTextChecked = 0x505050, .GlowTextHot = 0x505050,
     .GlowTextDown = 0x505050, .Fallback = FlatFallback{0xFFFFFF, 0xFFFFFF, 0xF2E1D5, 0xE3BDA3, 0xD4D4D4},
     .Tones = kOffice2016WhiteTones},
    {.Style = bsOffice2016Gray, .Family = ffOffice2016, .Surface = 0xB2B2B2, .Handle = 0xB2B2B2,
     .HandleHot = 0xF2E1D5, .HandleDown = 0xE3BDA3, .DockSteps = 128, .ColorSteps = 64,
     .GlowBase = {0xB2B2B2, clNone, 0xB2B2B2, clNone, 0x444444}, .GlowHot = 0xF2E1D5, .GlowDown = 0xE3BDA3,
     .GlowChecked = 0xF2D5C2, .GlowText = clWindowText, .GlowTextChecked = 0x424242, .GlowTextHot = 0x424242,
     .GlowTextDown = 0x424242, .Fallback = FlatFallback{0xB2B2B2, 0xB2B2B2, 0xF2E1D5, 0xE3BDA3, 0x444444},
     .Tones = kOffice2016GrayTones},
    {.Style = bsOffice2016Black, .Family = ffOffice2016, .Surface = 0x363636, .Handle = 0x363636,
     .HandleHot = 0x6A6A6A, .HandleDown = 0x444444, .DockSteps = 128, .ColorSteps = 64,
     .GlowBase = {0x363636, 0x363636, 0x363636, 0x363636, 0x444444}, .GlowHot = 0x6A6A6A, .GlowDown = 0x444444,
     .GlowChecked = 0x575757, .GlowText = 0xA6A6A6, .GlowTextChecked = 0xC8C8C8, .GlowTextHot = 0xA6A6A6,
     .GlowTextDown = 0xA6A6A6, .ButtonText = 0xFFFFFF, .ButtonTextHot = 0xFFFFFF, .ButtonTextDown = 0xFFFFFF,
     .Dark = true, .Fallback = FlatFallback{0x363636, 0x363636, 0x6A6A6A, 0x444444, 0x4E4E4E},
     .Tones = kOffice2016BlackTones, .ToneCaptionText = 0xFFFFFF, .ToneCaptionTextHot = 0xFFFFFF},
    {.Style = bsOffice2019White, .Family = ffOffice2019, .Surface = 0xFFFFFF, .Handle = 0xFFFFFF,
     .HandleHot = 0xF2E1D5, .HandleDown = 0xE3BDA3, .DockSteps = 1, .ColorSteps = 64, .Border = 0xC4C6C8,
     .GlowBase = {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF}, .GlowHot = 0xF2E1D5, .GlowDown = 0xE3BDA3,
     .GlowChecked = 0xF2E1D5, .GlowText = 0x444648, .GlowTextChecked = 0x3B3B3B, .GlowTextHot = 0x444648,
     .GlowTextDown = 0x444648, .ButtonText = 0x444648, .ButtonTextHot = 0x444648, .CaptionText = 0x444648,
     .CaptionTextHot = 0x444648,
     .Tones = kOffice2019WhiteTones, .AppTextColor = 0x262626, .ToneCaptionText = 0x232425},
    {.Style = bsOffice2019Gray, .Family = ffOffice2019, .Surface = 0xB8BBBE, .Handle = 0xB8BBBE,
     .HandleHot = 0x939597, .HandleDown = 0x86888A, .DockSteps = 128, .ColorSteps = 64, .Border = 0x444444,
     .GlowBase = {0xB8BBBE, clNone, 0xB8BBBE, clNone, 0xB8BBBE}, .GlowHot = 0x939597, .GlowDown = 0x86888A,
     .GlowChecked = 0x939597, .GlowText = 0x232425, .GlowTextChecked = 0x1E1F20, .GlowTextHot = 0x1E1F20,
     .GlowTextDown = 0x232425, .ButtonText = 0x232425, .ButtonTextHot = 0x1E1F20, .CaptionText = 0x232425,
     .CaptionTextHot = 0x1E1F20,
     .Tones = kOffice2019GrayTones, .AppButton = PagerAppButton{kGray2019, 0xC4C6C8},
     .AppTextColor = 0xFFFFFF},
    {.Style = bsOffice2019Black, .Family = ffOffice2019, .Surface = 0x3B3B3B, .Handle = 0x3B3B3B,
     .HandleHot = 0x444648, .HandleDown = 0x5C5E60, .DockSteps = 1, .ColorSteps = 1, .Border = 0x0A0A0A,
     .GlowBase = {0x3B3B3B, 0x3B3B3B, 0x3B3B3B, 0x3B3B3B, 0x3B3B3B}, .GlowHot = 0x444648, .GlowDown = 0x5C5E60,
     .GlowChecked = 0x444648, .GlowText = 0xFFFFFF, .GlowTextChecked = 0xFFFFFF, .GlowTextHot = 0xFFFFFF,
     .GlowTextDown = 0xFFFFFF, .ButtonText = 0xFFFFFF, .ButtonTextHot = 0xFFFFFF, .ButtonTextDown = 0xFFFFFF,
     .CaptionText = 0xFFFFFF, .CaptionTextHot = 0xFFFFFF, .Dark = true,
     .Tones = kOffice2019BlackTones, .AppButton = PagerAppButton{0x303132, 0x444648},
     .AppTextColor = 0xFFFFFF, .ToneCaptionText = 0xFFFFFF, .ToneCaptionTextHot = 0xFFFFFF},
};

} // namespace

std::span<const ClassicLook> ClassicLooks() { return kClassicLooks; }
std::span<const FlatLook> FlatLooks() { return kFlatLooks; }

} // namespace RurToolBarLooks
