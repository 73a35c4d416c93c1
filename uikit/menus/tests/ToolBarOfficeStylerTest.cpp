// The Office toolbar styler: every look against the values it must write, one change code per
// look, the frame's shared writes, the shared styles and application colours, the theme file.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "RurGDIP.h"
#include "RurToolBarStylers.h"
#include "RurToolBar_ToolBar.h"
#include "SysUtils.h"

namespace {

using S = TRurToolBarOfficeStyler;

struct Expected {
    const char* What;
    std::function<TColor(S&)> Get;
    TColor Value;
};
#define V(expr, value) Expected{#expr, [](S& s) { return static_cast<TColor>(s.expr); }, static_cast<TColor>(value)}

struct LookCase {
    TToolBarStyle Style;
    std::vector<Expected> Values;
};

// The values each look must write, as given for it (Office 2007 Luna in full; of the others the
// values that tell them apart). Flat looks are applied without a ribbon pager.
std::vector<LookCase> LookCases()
{
    // The telling values of the classic looks: dock gradient, toolbar gradient, border and hot
    // border, glow colour, button hot colour, drag grip, floating border, caption bar, QAT.
    auto classic = [](TToolBarStyle style, TColor dock, TColor dockTo, TColor color, TColor colorTo,
                      std::optional<TColor> border, TColor borderHot, TColor glow, TColor buttonHot,
                      TDragGripStyle grip, TColor floating, TColor pager, TColor qat) {
        LookCase c{style,
                   {V(DockColor()->Color(), dock), V(DockColor()->ColorTo(), dockTo), V(Color()->Color(), color),
                    V(Color()->ColorTo(), colorTo), V(BorderColorHot(), borderHot),
                    V(GlowButtonAppearance()->Color(), glow), V(ButtonAppearance()->ColorHot(), buttonHot),
                    V(DragGripStyle(), grip), V(FloatingWindowBorderColor(), floating),
                    V(PagerCaption()->Color(), pager), V(QATAppearance()->Color(), qat)}};
        if (border)
            c.Values.push_back(Expected{"BorderColor", [](S& s) { return s.BorderColor(); }, *border});
        return c;
    };
    std::vector<LookCase> cases = {
        classic(bsOffice2003Blue, 0xF5BFA0, 0xFADAC4, 0xFDEADA, 0xE4AE88, 0xE0C7AD, 0xE0C7AD, 0xEEDBC8, 0xCCF4FF,
                dsDots, 0x913500, 0xE4AE88, 0xFDEADA),
        classic(bsOffice2003Silver, 0xE6D8D8, 0xF7F3F3, 0xECE2E1, 0xB39698, 0xF7F3F3, 0xF7F3F3, 0xE6E9E2, 0xCCF4FF,
                dsDots, 0x927476, 0xE6D8D8, 0xECE2E1),
        classic(bsOffice2003Olive, 0xAADADA, 0xE4F1F2, 0xCFF0EA, 0x8CC0B1, 0x8CC0B1, 0x8CC0B1, 0xCFF0EA, 0xCCF4FF,
                dsDots, 0x6B7760, 0x8CC0B1, 0xCFF0EA),
        classic(bsOffice2003Classic, 0xD2BDB6, 0xD2BDB6, 0xFFFFFF, 0xC9D1D5, std::nullopt, 0xD8D5D4, 0xFFFFFF,
                0xD2BDB6, dsDots, 0x828F92, 0x808080, 0xFFFFFF),
        classic(bsOffice2007Obsidian, 0xCFC6C1, 0xC5BBB4, 0xC5BBB4, 0xECECE5, 0xB4B0AE, 0xB4B0AE, 0xDFDED6, 0xCCF4FF,
                dsNone, 0xB4B0AE, 0x524743, 0x847E7B),
        classic(bsWindowsXP, clBtnFace, clBtnFace, clBtnFace, clBtnFace, 0x808080, clHighlight, 0xFFFFFF, 0xEFD3C6,
                dsSingleLine, clHighlight, clBtnFace, clBtnFace),
        classic(bsOfficeXP, clBtnFace, clBtnFace, clBtnFace, clBtnFace, 0x808080, clHighlight, 0xFFFFFF, 0xEFD3C6,
                dsSingleLine, clHighlight, clBtnFace, clBtnFace),
        classic(bsWhidbeyStyle, 0xD7E5E5, 0xE7F2F3, 0xF5F9FA, 0xA8C0C0, 0xC0C0C0, 0xE0C7AD, 0xFFFFFF, 0xEED2C1,
                dsDots, 0x828F92, 0x859D9D, 0xF5F9FA),
        classic(bsOffice2007Silver, 0xE5D7D7, 0xF7F3F3, 0xE7DCD5, 0xF4F4EE, 0x939291, 0x91908F, 0xF3F3F1, 0xCCF4FF,
                dsNone, 0xC6B0B1, 0xEBE8E7, 0xE7DCD5),
        classic(bsWindowsVista, 0xFCEFD5, 0xFCEFD5, 0xFDF8F1, 0xFCEFD5, 0xFCF2DA, 0xFEDF9A, 0xFDF8F1, 0xFFFDF9,
                dsDots, 0xFCF2DA, 0xFEF9F0, 0xFDF8F1),
        classic(bsTerminal, clBtnFace, clBtnFace, clBtnFace, clBtnFace, 0x808080, 0x808080, clBtnFace, 0xC0C0C0,
                dsDots, 0x808080, clBtnFace, clBtnFace),
        classic(bsOffice2010Blue, 0xF0DAC7, 0xFDF6EF, 0xFDF6EF, 0xF0DAC7, 0xC7B29F, 0xD6C0B1, 0xFDF6EF, 0x8AE3FD,
                dsDots, 0xD6C0B1, 0xFFFAF5, 0xFDF6EF),
        classic(bsOffice2010Silver, 0xEDE5E0, 0xFFFFFF, 0xFFFFFF, 0xEDE5E0, std::nullopt, 0xEDE5E0, 0xFFFFFF,
                0x8AE3FD, dsDots, 0xCDCAC6, 0xD4CFCB, 0xFFFFFF),
        classic(bsOffice2010Black, 0x919191, 0xBFBFBF, 0xBFBFBF, 0x919191, 0x6D6D6D, 0x6D6D6D, 0xBFBFBF, 0x8AE3FD,
                dsDots, 0x848484, 0x656565, 0xBFBFBF),
    };
    // Windows 7 without a ribbon pager: its first variant.
    cases.push_back({bsWindows7,
                     {V(Color()->Color(), 0xDBC9BA), V(DockColor()->Color(), 0xDBC9BA), V(QATAppearance()->Color(), 0xF5E9DF),
                      V(QATAppearance()->ColorTo(), 0xF5E9DF), V(QATAppearance()->FullSizeColor(), 0xF5E9DF),
                      V(QATAppearance()->FullSizeColorTo(), 0xF5E9DF), V(QATAppearance()->BorderColor(), 0xD2BFB2),
                      V(QATAppearance()->FullSizeBorderColor(), 0xD2BFB2)}});
    // Office 2007 Luna, every value it writes.
    cases.push_back(
        {bsOffice2007Luna,
         {V(RujStyle(), tsOffice2007Luna), V(DockColor()->ColorTo(), 0xFAF1E9), V(DockColor()->Color(), 0xEDD8C7),
          V(DockColor()->Direction(), gdHorizontal), V(DockColor()->Steps(), 128), V(RightHandleColor(), 0xDFD2C5),
          V(RightHandleColorTo(), 0xE0C7AD), V(RightHandleColorHot(), 0xD3F8FF), V(RightHandleColorHotTo(), 0x76C1FF),
          V(RightHandleColorDown(), 0x087FE8), V(RightHandleColorDownTo(), 0x7CDAF7),
          V(GlowButtonAppearance()->Color(), 0xEEDBC8), V(GlowButtonAppearance()->ColorTo(), 0xF6DDC9),
          V(GlowButtonAppearance()->ColorMirror(), 0xEDD4C0), V(GlowButtonAppearance()->ColorMirrorTo(), 0xF7E1D0),
          V(GlowButtonAppearance()->BorderColor(), 0xE0B99B), V(GlowButtonAppearance()->Gradient(), ggVertical),
          V(GlowButtonAppearance()->GradientMirror(), ggVertical), V(GlowButtonAppearance()->ColorHot(), 0xEBFDFF),
          V(GlowButtonAppearance()->ColorHotTo(), 0xACECFF), V(GlowButtonAppearance()->ColorMirrorHot(), 0x59DAFF),
          V(GlowButtonAppearance()->ColorMirrorHotTo(), 0xA4E9FF), V(GlowButtonAppearance()->BorderColorHot(), 0x99CEDB),
          V(GlowButtonAppearance()->GradientHot(), ggVertical), V(GlowButtonAppearance()->GradientMirrorHot(), ggVertical),
          V(GlowButtonAppearance()->ColorDown(), 0x76AFF1), V(GlowButtonAppearance()->ColorDownTo(), 0x4190F3),
          V(GlowButtonAppearance()->ColorMirrorDown(), 0x0E72F1), V(GlowButtonAppearance()->ColorMirrorDownTo(), 0x4C9FFD),
          V(GlowButtonAppearance()->BorderColorDown(), 0x45667B), V(GlowButtonAppearance()->GradientDown(), ggVertical),
          V(GlowButtonAppearance()->GradientMirrorDown(), ggVertical), V(GlowButtonAppearance()->ColorChecked(), 0xB5DBFB),
          V(GlowButtonAppearance()->ColorCheckedTo(), 0x78C7FE), V(GlowButtonAppearance()->ColorMirrorChecked(), 0x9FEBFD),
          V(GlowButtonAppearance()->ColorMirrorCheckedTo(), 0x56B4FE),
          V(GlowButtonAppearance()->BorderColorChecked(), 0x45667B),
          V(GlowButtonAppearance()->GradientChecked(), ggVertical),
          V(GlowButtonAppearance()->GradientMirrorChecked(), ggVertical),
          V(CompactGlowButtonAppearance()->Color(), 0xEEDBC8),
          V(CompactGlowButtonAppearance()->ColorHot(), 0xF7F7EF), V(CompactGlowButtonAppearance()->ColorHotTo(), 0xF7E7D6),
          V(CompactGlowButtonAppearance()->ColorMirrorHot(), 0xF7EAC3),
          V(CompactGlowButtonAppearance()->ColorMirrorHotTo(), 0xF7E7D6),
          V(CompactGlowButtonAppearance()->BorderColorHot(), 0xE7D6B5),
          V(CompactGlowButtonAppearance()->ColorDown(), 0xDEC6AD), V(CompactGlowButtonAppearance()->ColorDownTo(), 0xCEAD8C),
          V(CompactGlowButtonAppearance()->ColorMirrorDown(), 0xFFD6B5),
          V(CompactGlowButtonAppearance()->ColorMirrorDownTo(), 0xC69473),
          V(CompactGlowButtonAppearance()->BorderColorDown(), 0xB7A38E),
          V(CompactGlowButtonAppearance()->ColorChecked(), 0xDEC6AD),
          V(CompactGlowButtonAppearance()->ColorCheckedTo(), 0xCEAD8C),
          V(CompactGlowButtonAppearance()->ColorMirrorChecked(), 0xFFD6B5),
          V(CompactGlowButtonAppearance()->ColorMirrorCheckedTo(), 0xC69473),
          V(CompactGlowButtonAppearance()->BorderColorChecked(), 0xB7A38E),
          V(CaptionAppearance()->CaptionColor(), 0xF2DAC2), V(CaptionAppearance()->CaptionColorTo(), 0xF0D9C1),
          V(CaptionAppearance()->CaptionColorHot(), 0xFFE0C8), V(CaptionAppearance()->CaptionColorHotTo(), 0xFFEDD6),
          V(CaptionAppearance()->CaptionTextColor(), 0xAA6A3E), V(CaptionAppearance()->CaptionTextColorHot(), 0xAA6A3E),
          V(GroupAppearance()->TextColor(), 0x8B4215), V(GroupAppearance()->Color(), 0xF1DECC),
          V(GroupAppearance()->ColorTo(), 0xD8E2E1), V(GroupAppearance()->ColorMirror(), 0xD8E2E1),
          V(GroupAppearance()->ColorMirrorTo(), 0xA5E1E9), V(GroupAppearance()->Gradient(), ggVertical),
          V(GroupAppearance()->GradientMirror(), ggVertical), V(GroupAppearance()->BorderColor(), 0xC2C2C2),
          V(GroupAppearance()->TabAppearance()->ColorHot(), 0xDDE5E4),
          V(GroupAppearance()->TabAppearance()->ColorHotTo(), 0xFFDEC5),
          V(GroupAppearance()->TabAppearance()->ColorMirrorHot(), 0xD5DFDD),
          V(GroupAppearance()->TabAppearance()->ColorMirrorHotTo(), 0xA3D3E1),
          V(GroupAppearance()->TabAppearance()->Gradient(), ggRadial),
          V(GroupAppearance()->TabAppearance()->GradientMirror(), ggRadial),
          V(GroupAppearance()->TabAppearance()->ColorSelected(), 0x9EDFFB),
          V(GroupAppearance()->TabAppearance()->ColorSelectedTo(), 0xBAE8FC),
          V(GroupAppearance()->TabAppearance()->ColorMirrorSelected(), 0xBAE8FC),
          V(GroupAppearance()->TabAppearance()->ColorMirrorSelectedTo(), 0xD4F1FD),
          V(GroupAppearance()->TabAppearance()->TextColorSelected(), 0x8B4215),
          V(GroupAppearance()->TabAppearance()->BorderColorSelected(), 0xA0BFCC),
          V(GroupAppearance()->TabAppearance()->BorderColorSelectedHot(), 0xA0BFCC),
          V(GroupAppearance()->TabAppearance()->BorderColorHot(), 0xA0BFCC),
          V(GroupAppearance()->TabAppearance()->BorderColor(), 0xA0BFCC),
          V(GroupAppearance()->TabAppearance()->TextColor(), 0x8B4215),
          V(GroupAppearance()->TabAppearance()->TextColorHot(), 0x8B4215),
          V(GroupAppearance()->TabAppearance()->ShadowColor(), 0xE8C7AE),
          V(GroupAppearance()->TabAppearance()->HighLightColor(), 0xFFFABF),
          V(GroupAppearance()->TabAppearance()->HighLightColorSelected(), 0x63CCF8),
          V(GroupAppearance()->TabAppearance()->HighLightColorSelectedHot(), 0xBDFFFF),
          V(GroupAppearance()->TabAppearance()->HighLightColorDown(), 0xFFFBD0),
          V(GroupAppearance()->TabAppearance()->HighLightColorHot(), 0xFDF4ED),
          V(GroupAppearance()->PageAppearance()->Color(), 0xD6F2FE),
          V(GroupAppearance()->PageAppearance()->ColorTo(), 0xF9F9F9),
          V(GroupAppearance()->PageAppearance()->ColorMirror(), 0xF9F9F9),
          V(GroupAppearance()->PageAppearance()->ColorMirrorTo(), 0xF9F9F9),
          V(GroupAppearance()->PageAppearance()->BorderColor(), 0xC2C2C2),
          V(GroupAppearance()->PageAppearance()->Gradient(), ggVertical),
          V(GroupAppearance()->PageAppearance()->GradientMirror(), ggVertical),
          V(GroupAppearance()->PageAppearance()->ShadowColor(), 0xC4AA96),
          V(GroupAppearance()->PageAppearance()->HighLightColor(), 0xFDF9CE),
          V(GroupAppearance()->ToolBarAppearance()->Color()->Color(), 0xECF8FD),
          V(GroupAppearance()->ToolBarAppearance()->Color()->ColorTo(), 0xF9F9F9),
          V(GroupAppearance()->ToolBarAppearance()->BorderColor(), 0xCCD1D3),
          V(GroupAppearance()->ToolBarAppearance()->ColorHot()->Color(), 0xEEF4F5),
          V(GroupAppearance()->ToolBarAppearance()->ColorHot()->ColorTo(), 0xFDFBFA),
          V(GroupAppearance()->ToolBarAppearance()->BorderColorHot(), 0xC7C7C7),
          V(GroupAppearance()->CaptionAppearance()->CaptionColor(), 0xF2DAC2),
          V(GroupAppearance()->CaptionAppearance()->CaptionColorTo(), 0xF0D9C1),
          V(GroupAppearance()->CaptionAppearance()->CaptionColorHot(), 0xFFE0C8),
          V(GroupAppearance()->CaptionAppearance()->CaptionColorHotTo(), 0xFFEDD6),
          V(GroupAppearance()->CaptionAppearance()->CaptionTextColor(), 0xAA6A3E),
          V(GroupAppearance()->CaptionAppearance()->CaptionTextColorHot(), 0xAA6A3E),
          V(TabAppearance()->BackGround()->Color(), 0xFFDBBF), V(TabAppearance()->BackGround()->ColorTo(), clNone),
          V(TabAppearance()->BorderColor(), clNone), V(TabAppearance()->BorderColorDisabled(), clNone),
          V(TabAppearance()->BorderColorHot(), 0xEABC99), V(TabAppearance()->BorderColorSelected(), 0xE3B28D),
          V(TabAppearance()->BorderColorSelectedHot(), 0x60CCF9), V(TabAppearance()->TextColor(), 0x8B4215),
          V(TabAppearance()->TextColorHot(), 0x8B4215), V(TabAppearance()->TextColorSelected(), 0x8B4215),
          V(TabAppearance()->TextColorDisabled(), 0x808080), V(TabAppearance()->ColorSelected(), 0xFEF6F0),
          V(TabAppearance()->ColorSelectedTo(), 0xFAF1E9), V(TabAppearance()->ColorMirrorSelected(), 0xFAF1E9),
          V(TabAppearance()->ColorMirrorSelectedTo(), 0xF6EAE0), V(TabAppearance()->ColorDisabled(), 0xFFFFFF),
          V(TabAppearance()->ColorDisabledTo(), 0xC0C0C0), V(TabAppearance()->ColorMirrorDisabled(), 0xFFFFFF),
          V(TabAppearance()->ColorMirrorDisabledTo(), 0xC0C0C0), V(TabAppearance()->ColorHot(), 0xDDE5E4),
          V(TabAppearance()->ColorHotTo(), 0xFFDEC5), V(TabAppearance()->ColorMirrorHot(), 0xD5DFDD),
          V(TabAppearance()->ColorMirrorHotTo(), 0xA3D3E1), V(TabAppearance()->Gradient(), ggVertical),
          V(TabAppearance()->GradientDisabled(), ggVertical), V(TabAppearance()->GradientHot(), ggRadial),
          V(TabAppearance()->GradientMirrorDisabled(), ggVertical), V(TabAppearance()->GradientMirrorHot(), ggVertical),
          V(TabAppearance()->GradientMirrorSelected(), ggVertical), V(TabAppearance()->GradientSelected(), ggVertical),
          V(TabAppearance()->ShadowColor(), 0xE8C7AE), V(TabAppearance()->HighLightColor(), 0xFFFABF),
          V(TabAppearance()->HighLightColorSelected(), 0x63CCF8),
          V(TabAppearance()->HighLightColorSelectedHot(), 0xBDFFFF), V(TabAppearance()->HighLightColorDown(), 0xFFFBD0),
          V(TabAppearance()->HighLightColorHot(), 0xFDF4ED), V(DragGripStyle(), dsNone), V(RoundEdges(), true),
          V(UseBevel(), false), V(Color()->Color(), 0xEDD8C7), V(Color()->ColorTo(), 0xF6E9D9),
          V(Color()->Mirror()->Color(), 0xF3E5DA), V(Color()->Mirror()->ColorTo(), 0xF0DED0),
          V(Color()->Mirror()->ColorMirror(), 0xEDD9C8), V(Color()->Mirror()->ColorMirrorTo(), 0xFBEDDC),
          V(Color()->Direction(), gdVertical), V(BorderColor(), 0xD7C8B7), V(ColorHot()->Color(), 0xFFF1E6),
          V(ColorHot()->ColorTo(), 0xFAEADE), V(ColorHot()->Mirror()->Color(), 0xFDEFE5),
          V(ColorHot()->Mirror()->ColorTo(), 0xFCF0E7), V(ColorHot()->Mirror()->ColorMirror(), 0xFBE9DB),
          V(ColorHot()->Mirror()->ColorMirrorTo(), 0xFBEDDC), V(ColorHot()->Direction(), gdVertical),
          V(BorderColorHot(), 0xE0C7AD), V(FloatingWindowBorderColor(), 0xE3B28D), V(FloatingWindowBorderWidth(), 1),
          V(PageAppearance()->BorderColor(), 0xE3B28D), V(PageAppearance()->Color(), 0xF3E5DA),
          V(PageAppearance()->ColorTo(), 0xF0DED0), V(PageAppearance()->ColorMirror(), 0xEDD9C8),
          V(PageAppearance()->ColorMirrorTo(), 0xFFF4E3), V(PageAppearance()->Gradient(), ggVertical),
          V(PageAppearance()->GradientMirror(), ggVertical), V(PageAppearance()->ShadowColor(), 0xC4AA96),
          V(PageAppearance()->HighLightColor(), 0xFDF9CE), V(PagerCaption()->Color(), 0xECE7E2),
          V(PagerCaption()->ColorTo(), 0xEDE5DE), V(PagerCaption()->ColorMirror(), 0xECE1D8),
          V(PagerCaption()->ColorMirrorTo(), 0xEFEBDF), V(PagerCaption()->BorderColor(), 0xF0CAAE),
          V(PagerCaption()->Gradient(), ggVertical), V(PagerCaption()->GradientMirror(), ggVertical),
          V(PagerCaption()->TextColor(), 0xAA6A3E), V(PagerCaption()->TextColorExtended(), 0x797069),
          V(PagerCaption()->Font()->Height(), -13), V(SysButtonColor(), 0xB99A82),
          V(QATAppearance()->Color(), 0xF4E7DE), V(QATAppearance()->ColorTo(), 0xEED8C9),
          V(QATAppearance()->BorderColor(), 0xD5B39A), V(QATAppearance()->FullSizeColor(), 0xEDCDB2),
          V(QATAppearance()->FullSizeColorTo(), 0xEAC5AA), V(QATAppearance()->FullSizeBorderColor(), 0xCDA17E),
          V(ButtonAppearance()->Color(), 0xCFF0EA), V(ButtonAppearance()->ColorTo(), 0x8CC0B1),
          V(ButtonAppearance()->ColorDown(), 0x4E91FE), V(ButtonAppearance()->ColorDownTo(), 0x91D3FF),
          V(ButtonAppearance()->ColorHot(), 0xCCF4FF), V(ButtonAppearance()->ColorHotTo(), 0x91D0FF),
          V(ButtonAppearance()->ColorChecked(), 0x8CD5FF), V(ButtonAppearance()->ColorCheckedTo(), 0x58AFFF),
          V(ButtonAppearance()->BorderDownColor(), 0x385D3F), V(ButtonAppearance()->BorderHotColor(), 0x385D3F),
          V(ButtonAppearance()->BorderCheckedColor(), 0x385D3F), V(ButtonAppearance()->CaptionTextColor(), 0),
          V(ButtonAppearance()->CaptionTextColorChecked(), 0), V(ButtonAppearance()->CaptionTextColorDown(), 0),
          V(ButtonAppearance()->CaptionTextColorHot(), 0)}});
    // The flat looks without a pager: fills, right handle, border, glow colours and texts.
    auto flat = [](TToolBarStyle style, TColor fill, TColor handle, TColor hot, TColor down, int dockSteps) {
        return LookCase{style,
                        {V(DockColor()->Color(), fill), V(DockColor()->ColorTo(), fill),
                         V(DockColor()->Steps(), dockSteps), V(Color()->Color(), fill), V(Color()->ColorTo(), fill),
                         V(RightHandleColor(), handle), V(RightHandleColorTo(), handle), V(RightHandleColorHot(), hot),
                         V(RightHandleColorHotTo(), hot), V(RightHandleColorDown(), down),
                         V(RightHandleColorDownTo(), down), V(RoundEdges(), false)}};
    };
    auto with = [](LookCase c, std::vector<Expected> more) {
        c.Values.insert(c.Values.end(), more.begin(), more.end());
        return c;
    };
    auto glow = [](TColor color, TColor colorTo, TColor mirror, TColor mirrorTo, TColor border, TColor hot,
                   TColor pressed, TColor checked, TColor text, TColor textChecked) {
        return std::vector<Expected>{
            V(GlowButtonAppearance()->Color(), color), V(GlowButtonAppearance()->ColorTo(), colorTo),
            V(GlowButtonAppearance()->ColorMirror(), mirror), V(GlowButtonAppearance()->ColorMirrorTo(), mirrorTo),
            V(GlowButtonAppearance()->BorderColor(), border), V(GlowButtonAppearance()->ColorHot(), hot),
            V(GlowButtonAppearance()->ColorMirrorHot(), hot), V(GlowButtonAppearance()->BorderColorHot(), hot),
            V(GlowButtonAppearance()->ColorDown(), pressed), V(GlowButtonAppearance()->ColorChecked(), checked),
            V(GlowButtonAppearance()->TextColor(), text), V(GlowButtonAppearance()->TextColorChecked(), textChecked)};
    };
    const std::vector<Expected> windows8Glow = {
        V(GlowButtonAppearance()->Color(), 0xF7F6F5), V(GlowButtonAppearance()->ColorTo(), clNone),
        V(GlowButtonAppearance()->BorderColor(), 0xF7F6F5), V(GlowButtonAppearance()->ColorHot(), 0xF7EFE8),
        V(GlowButtonAppearance()->BorderColorHot(), 0xF9CEA4), V(GlowButtonAppearance()->ColorDown(), 0xF7E0C9),
        V(GlowButtonAppearance()->ColorChecked(), 0xF7E0C9), V(GlowButtonAppearance()->BorderColorDown(), 0xE4A262),
        V(GlowButtonAppearance()->BorderColorChecked(), 0xE4A262), V(GlowButtonAppearance()->ColorDisabled(), 0xF7F6F5),
        V(GlowButtonAppearance()->BorderColorDisabled(), 0xF7F6F5)};
    cases.push_back(with(flat(bsWindows8, 0xF7F6F5, 0xECECEB, 0xF7EFE8, 0xF7E0C9, 128), windows8Glow));
    cases.push_back(with(flat(bsWindows10, 0xF7F6F5, 0xECECEB, 0xF7EFE8, 0xF7E0C9, 128), windows8Glow));
    cases.push_back(with(flat(bsOffice2013White, 0xFFFFFF, 0xC0C0C0, 0x808080, 0x808080, 128),
                         {V(BorderColor(), 0xC0C0C0), V(ButtonAppearance()->BorderColor(), clNone),
                          V(ButtonAppearance()->BorderHotColor(), clNone), V(GlowButtonAppearance()->Color(), 0xFFFFFF)}));
    cases.push_back(with(flat(bsOffice2013LightGray, 0xFAFAFA, 0x808080, 0x707070, 0x808080, 128),
                         {V(BorderColor(), 0x808080), V(GlowButtonAppearance()->Color(), 0xFAFAFA)}));
    cases.push_back(with(flat(bsOffice2013Gray, 0xC0C0C0, 0x808080, 0x707070, 0x808080, 128),
                         {V(BorderColor(), 0x808080), V(GlowButtonAppearance()->Color(), 0xF3F3F3)}));
    cases.push_back(with(flat(bsOffice2016White, 0xFFFFFF, 0xFFFFFF, 0xF2E1D5, 0xE3BDA3, 128),
                         with({bsOffice2016White, glow(0xFFFFFF, clNone, clNone, clNone, 0xD4D4D4, 0xF2E1D5, 0xE3BDA3,
                                                       0xF2D5C2, clNone, 0x505050)},
                              {V(BorderColor(), 0xD4D4D4), V(GlowButtonAppearance()->ColorHotTo(), clNone)})
                             .Values));
    cases.push_back(with(flat(bsOffice2016Gray, 0xB2B2B2, 0xB2B2B2, 0xF2E1D5, 0xE3BDA3, 128),
                         with({bsOffice2016Gray, glow(0xB2B2B2, clNone, 0xB2B2B2, clNone, 0x444444, 0xF2E1D5, 0xE3BDA3,
                                                      0xF2D5C2, clWindowText, 0x424242)},
                              {V(BorderColor(), 0x444444)})
                             .Values));
    cases.push_back(with(flat(bsOffice2016Black, 0x363636, 0x363636, 0x6A6A6A, 0x444444, 128),
                         with({bsOffice2016Black, glow(0x363636, 0x363636, 0x363636, 0x363636, 0x444444, 0x6A6A6A,
                                                       0x444444, 0x575757, 0xA6A6A6, 0xC8C8C8)},
                              {V(BorderColor(), 0x4E4E4E), V(GlowButtonAppearance()->ColorHotTo(), 0x6A6A6A),
                               V(TabAppearance()->TextColorHot(), 0x0000FF),
                               V(TabAppearance()->TextColorSelected(), 0x00FFFF),
                               V(ButtonAppearance()->CaptionTextColor(), 0xFFFFFF),
                               V(GlowButtonAppearance()->SystemFont(), false),
                               V(CompactGlowButtonAppearance()->SystemFont(), false),
                               V(CompactGlowButtonAppearance()->TextColor(), 0xA6A6A6)})
                             .Values));
    cases.push_back(with(flat(bsOffice2019White, 0xFFFFFF, 0xFFFFFF, 0xF2E1D5, 0xE3BDA3, 1),
                         with({bsOffice2019White, glow(0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xF2E1D5,
                                                       0xE3BDA3, 0xF2E1D5, 0x444648, 0x3B3B3B)},
                              {V(BorderColor(), 0xC4C6C8), V(ButtonAppearance()->CaptionTextColor(), 0x444648),
                               V(CaptionAppearance()->CaptionColor(), 0xFFFFFF),
                               V(CaptionAppearance()->CaptionColorHot(), 0xF2E1D5),
                               V(CaptionAppearance()->CaptionTextColor(), 0x444648), V(DragGripStyle(), dsNone)})
                             .Values));
    cases.push_back(with(flat(bsOffice2019Gray, 0xB8BBBE, 0xB8BBBE, 0x939597, 0x86888A, 128),
                         with({bsOffice2019Gray, glow(0xB8BBBE, clNone, 0xB8BBBE, clNone, 0xB8BBBE, 0x939597, 0x86888A,
                                                      0x939597, 0x232425, 0x1E1F20)},
                              {V(BorderColor(), 0x444444), V(GlowButtonAppearance()->BorderColorChecked(), 0x86888A),
                               V(ButtonAppearance()->CaptionTextColorHot(), 0x1E1F20),
                               V(CaptionAppearance()->CaptionTextColorHot(), 0x1E1F20)})
                             .Values));
    cases.push_back(with(flat(bsOffice2019Black, 0x3B3B3B, 0x3B3B3B, 0x444648, 0x5C5E60, 1),
                         with({bsOffice2019Black, glow(0x3B3B3B, 0x3B3B3B, 0x3B3B3B, 0x3B3B3B, 0x3B3B3B, 0x444648,
                                                       0x5C5E60, 0x444648, 0xFFFFFF, 0xFFFFFF)},
                              {V(BorderColor(), 0x0A0A0A), V(Color()->Steps(), 1),
                               V(CaptionAppearance()->CaptionBorderColor(), 0x0A0A0A),
                               V(GlowButtonAppearance()->BorderColorChecked(), 0x5C5E60),
                               V(ButtonAppearance()->CaptionTextColorDown(), 0xFFFFFF)})
                             .Values));
    return cases;
}

// What the frame writes for every look.
bool TranspHoverOf(TToolBarStyle s)
{
    return (s >= bsOffice2010Blue && s <= bsOffice2010Black) || (s >= bsOffice2013White && s <= bsOffice2013Gray) ||
           s >= bsOffice2016White;
}

// The shared style of the same name ("bsOffice2010Blue" -> tsOffice2010Blue).
TRujStyle SharedStyleNamed(TToolBarStyle s)
{
    if (s == bsOfficeXP)
        return tsWindowsXP;
    const String name = s == bsWhidbeyStyle ? String(u"bsWhidbey") : EnumInfoOf<TToolBarStyle>().Name(s);
    return static_cast<TRujStyle>(EnumInfoOf<TRujStyle>().ValueOf(u"ts" + name.substr(2)));
}

TRujStyle RujStyleAfter(TToolBarStyle s) { return s == bsWindows10 ? tsWindows8 : SharedStyleNamed(s); }

class TCountingStyler : public TRurToolBarOfficeStyler {
public:
    using TRurToolBarOfficeStyler::TRurToolBarOfficeStyler;
    std::vector<int> Codes;
    using TRurToolBarOfficeStyler::ChangeAtOnce;

protected:
    void ControlChanged(TControl* control, int code) override
    {
        Codes.push_back(code);
        TRurToolBarOfficeStyler::ControlChanged(control, code);
    }
};

String TempFile(const char* name)
{
    return String(std::filesystem::temp_directory_path().u16string()) + u"\\" + String(name, name + strlen(name));
}

} // namespace

TEST(ToolBarOfficeStyler, EveryLookWritesItsValues)
{
    const std::vector<LookCase> cases = LookCases();
    ASSERT_EQ(cases.size(), 27u); // every look but bsCustom
    for (const LookCase& c : cases) {
        S styler(nullptr);
        styler.SetStyle(c.Style);
        const std::string name = ToUtf8(EnumInfoOf<TToolBarStyle>().Name(c.Style));
        EXPECT_EQ(styler.Style(), c.Style);
        for (const Expected& e : c.Values)
            EXPECT_EQ(e.Get(styler), e.Value) << name << ": " << e.What;
        // The frame.
        EXPECT_EQ(styler.RujStyle(), RujStyleAfter(c.Style)) << name;
        EXPECT_EQ(styler.NewRujStyle(), SharedStyleNamed(c.Style)) << name;
        EXPECT_EQ(styler.GlowButtonAppearance()->TranspHover(), TranspHoverOf(c.Style)) << name;
        EXPECT_EQ(styler.GlowButtonAppearance()->NoBorderDefault(),
                  c.Style >= bsOffice2013White && c.Style != bsWindows10) << name;
        if (c.Style < bsWindows8) {
            EXPECT_EQ(styler.GlowButtonAppearance()->TextColor(), clNone) << name;
        }
    }
}

TEST(ToolBarOfficeStyler, LooksWriteOnlyWhatTheyName)
{
    S styler(nullptr);
    styler.SetStyle(bsOffice2003Blue);
    styler.SetStyle(bsOffice2003Classic);
    EXPECT_EQ(styler.BorderColor(), 0xE0C7AD) << "the classic look keeps the blue look's border";
    styler.SetStyle(bsOffice2010Silver);
    EXPECT_EQ(styler.BorderColor(), 0xE0C7AD);
    EXPECT_EQ(styler.TabAppearance()->TextColorDisabled(), RurGDIP::GetIsWin8() ? 0xC0C0C0 : 0x808080);

    // bsCustom changes no colour, not even the caption text the frame blackens for the others.
    styler.ButtonAppearance()->SetCaptionTextColor(0x123456);
    const std::vector<String> before = styler.SaveThemeLines();
    styler.SetStyle(bsCustom);
    EXPECT_EQ(styler.SaveThemeLines(), before);
    EXPECT_EQ(styler.Style(), bsCustom);

    // Writing the current look again overwrites what was edited since.
    styler.SetStyle(bsOffice2007Luna);
    styler.Color()->SetColor(0x010101);
    styler.SetStyle(bsOffice2007Luna);
    EXPECT_EQ(styler.Color()->Color(), 0xEDD8C7);

    // A font that does not follow the system keeps its name.
    styler.Font()->SetName(u"Courier New");
    styler.SetSystemFont(false);
    styler.SetStyle(bsOffice2016White);
    EXPECT_EQ(styler.Font()->Name(), u"Courier New");
}

TEST(ToolBarOfficeStyler, EveryLookTellsEachRegisteredToolBarOnce)
{
    TCountingStyler styler(nullptr);
    TRurToolBar toolBar(nullptr);
    styler.AddControl(&toolBar);
    for (int s = 0; s < TavinEnumCount(static_cast<TToolBarStyle*>(nullptr)); ++s) {
        styler.Codes.clear();
        styler.SetStyle(static_cast<TToolBarStyle>(s));
        // Office 2013 White too: its controls must not keep the colours of the look before.
        EXPECT_EQ(styler.Codes, std::vector<int>{2}) << ToUtf8(EnumInfoOf<TToolBarStyle>().Name(s));
    }
}

TEST(ToolBarOfficeStyler, AFailingWriteStillClosesTheBracket)
{
    TCountingStyler styler(nullptr);
    TRurToolBar toolBar(nullptr);
    styler.AddControl(&toolBar);
    EXPECT_THROW(styler.ChangeAtOnce([] { throw Exception(u"failed"); }), Exception);
    EXPECT_EQ(styler.UpdateCount(), 0);
    styler.Codes.clear();
    styler.SetBorderColor(0x10);
    EXPECT_EQ(styler.Codes, std::vector<int>{2});
}

TEST(ToolBarOfficeStyler, SharedStylesAndApplicationColours)
{
    S styler(nullptr);
    EXPECT_EQ(styler.Style(), bsOffice2003Blue);
    EXPECT_EQ(styler.Color()->Color(), clWhite) << "not applied until written";

    const std::vector<String> untouched = styler.SaveThemeLines();
    styler.SetComponentStyle(tsCustom);
    EXPECT_EQ(styler.SaveThemeLines(), untouched);

    struct AppCase {
        TRujStyle Style;
        TColor App, Hover, Selected, HoverColor;
    };
    const TColor defaultHover = TAppColor().HoverColor(), defaultSelected = TAppColor().SelectedColor();
    const AppCase cases[] = {
        {tsCustom, 0x0000FF, 0x0000FF, defaultSelected, defaultHover}, // L 76.245: lighter, red stays clamped
        {tsCustom, 0xFFFF00, 0xFFFF00, defaultSelected, defaultHover}, // L 178.755: dark
        {tsCustom, 0x00FFFF, 0x00B2B2, defaultSelected, defaultHover}, // L 225.93: light, 30 % darker
        {tsOffice2019White, 0x404040, 0x363636, 0x363636, 0x535353},   // dark: -15 % hover, +30 % hover colour
        {tsOffice2019White, 0xC0C0C0, 0xDDDDDD, 0xDDDDDD, 0x868686},   // light: +15 %, -30 %
    };
    for (const AppCase& c : cases) {
        S s(nullptr);
        s.SetComponentStyleAndAppColor(c.Style, c.App);
        EXPECT_EQ(s.AppColor()->AppButtonColor(), c.App);
        EXPECT_EQ(s.AppColor()->AppButtonHoverColor(), c.Hover) << std::hex << c.App;
        EXPECT_EQ(s.AppColor()->SelectedColor(), c.Selected) << std::hex << c.App;
        EXPECT_EQ(s.AppColor()->HoverColor(), c.HoverColor) << std::hex << c.App;
    }
    // Luminance 186 exactly (R 186, G 186, B 186) counts as dark: lighter.
    EXPECT_EQ(AdjustColorPercent(0xBABABA, 30), 0xF2F2F2);
    EXPECT_EQ(AdjustColorPercent(0x000000, 50), 0x000000);
    S dark(nullptr);
    dark.SetComponentStyleAndAppColor(tsOffice2013White, 0xBABABA);
    EXPECT_EQ(dark.AppColor()->AppButtonHoverColor(), 0xF2F2F2);

    S tones(nullptr);
    tones.AppColor()->SetAppButtonColor(0x00A000);
    TColorTones set;
    set.Foreground.BrushColor = clNone;
    tones.SetColorTones(set);
    EXPECT_EQ(tones.Style(), bsOffice2016White);
    EXPECT_EQ(tones.AppColor()->AppButtonColor(), 0x00A000);
    tones.SetComponentStyle(tsWindows10);
    EXPECT_EQ(tones.Style(), bsWindows10);
    EXPECT_EQ(tones.RujStyle(), tsWindows8);
    EXPECT_EQ(tones.NewRujStyle(), tsWindows10);
}

TEST(ToolBarOfficeStylerFile, EveryLookComesBackUnderItsOwnName)
{
    const String file = TempFile("toolbar-theme.txt");
    for (int s = 0; s < TavinEnumCount(static_cast<TToolBarStyle*>(nullptr)); ++s) {
        const auto style = static_cast<TToolBarStyle>(s);
        S source(nullptr);
        source.SetStyle(style);
        source.QATAppearance()->SetColor(0x010203);
        source.SaveToFile(file);
        S target(nullptr);
        target.LoadFromFile(file);
        const std::string name = ToUtf8(EnumInfoOf<TToolBarStyle>().Name(style));
        EXPECT_EQ(target.Style(), style) << name;
        EXPECT_EQ(target.SaveThemeLines(), source.SaveThemeLines()) << name;
    }
    DeleteFileW(reinterpret_cast<const wchar_t*>(file.c_str()));
}

TEST(ToolBarOfficeStylerFile, FirstLineNamesIgnoreCaseAndUnknownNamesKeepTheLook)
{
    const String file = TempFile("toolbar-theme-names.txt");
    S source(nullptr);
    source.SetStyle(bsOffice2010Blue);
    source.SaveToFile(file);
    TStringList lines;
    lines.LoadFromFile(file);
    EXPECT_EQ(lines.Strings(0), u"bsOffice2010Blue");
    struct NameCase {
        const char16_t* Line;
        TToolBarStyle Before, After;
    };
    const NameCase cases[] = {
        {u"BSOFFICE2010BLUE", bsOffice2003Blue, bsOffice2010Blue},
        {u"bsWhidbey", bsOffice2003Blue, bsWhidbeyStyle},
        {u"bsOffice2003Blue", bsWindows8, bsOffice2003Blue},  // files of older writers
        {u"bsWhidbeyStyle", bsTerminal, bsTerminal},          // the enumeration name is not the file's
        {u"bsWindows10", bsOffice2003Blue, bsWindows10},
    };
    for (const NameCase& c : cases) {
        lines.SetStrings(0, c.Line);
        lines.SaveToFile(file);
        S target(nullptr);
        target.SetStyle(c.Before);
        target.LoadFromFile(file);
        EXPECT_EQ(target.Style(), c.After) << ToUtf8(c.Line);
        EXPECT_EQ(target.Color()->Color(), source.Color()->Color()) << ToUtf8(c.Line);
    }
    DeleteFileW(reinterpret_cast<const wchar_t*>(file.c_str()));
}

TEST(ToolBarOfficeStylerFile, ACorruptFileLeavesTheStylerAsItWas)
{
    const String file = TempFile("toolbar-theme-corrupt.txt");
    S source(nullptr);
    source.SetStyle(bsOffice2019Black);
    source.SaveToFile(file);
    TStringList lines;
    lines.LoadFromFile(file);
    lines.SetStrings(200, u"GroupAppearance.PageAppearance.BorderColor=clNoSuchColour");
    lines.SaveToFile(file);
    TCountingStyler target(nullptr);
    TRurToolBar toolBar(nullptr);
    target.AddControl(&toolBar);
    target.SetStyle(bsOffice2007Luna);
    const std::vector<String> before = target.SaveThemeLines();
    target.Codes.clear();
    try {
        target.LoadFromFile(file);
        ADD_FAILURE() << "loaded a corrupt file";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), u"Corrupt file");
    }
    EXPECT_EQ(target.Style(), bsOffice2007Luna);
    EXPECT_EQ(target.SaveThemeLines(), before);
    EXPECT_TRUE(target.Codes.empty());
    EXPECT_EQ(target.UpdateCount(), 0);

    const String missing = TempFile("no-such-folder\\theme.txt");
    try {
        target.LoadFromFile(missing);
        ADD_FAILURE();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), u"Cannot open file " + missing);
    }
    try {
        target.SaveToFile(missing);
        ADD_FAILURE();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), u"Cannot Create " + missing);
    }
    DeleteFileW(reinterpret_cast<const wchar_t*>(file.c_str()));
}

TEST(ToolBarOfficeStylerFile, FontNamesOutsideTheAnsiCodePageSurvive)
{
    const String file = TempFile("toolbar-theme-font.txt");
    const String persian = u"\u0648\u0632\u06CC\u0631 Text";
    S source(nullptr);
    source.SetStyle(bsOffice2016White);
    source.SetSystemFont(false);
    source.Font()->SetName(persian);
    source.SaveToFile(file);
    S target(nullptr);
    target.LoadFromFile(file);
    EXPECT_EQ(target.Font()->Name(), persian);
    // A plain file stays in the ANSI code page, without a byte-order mark.
    source.Font()->SetName(u"Tahoma");
    source.SaveToFile(file);
    TFileStream stream(file, fmOpenRead);
    Byte first = 0;
    stream.Read(&first, 1);
    EXPECT_EQ(first, 'b');
    DeleteFileW(reinterpret_cast<const wchar_t*>(file.c_str()));
}
