// Writing a look into the Office toolbar styler: the frame every look shares, the classic looks and
// the flat ones, each read from its table.
#include "RurToolBarStylers_Presets.h"

#include "RurGDIP.h"
#include "RurToolBarStylers_Looks.h"

using namespace RurToolBarLooks;

void ApplySystemFontName(TFont* font, bool useSystemFont)
{
    if (useSystemFont)
        font->SetName(IsVistaOrLater() ? u"Segoe UI" : u"Tahoma");
}

namespace {

// The shared style each look records with the ribbon pagers: the enumerations run alike but for
// bsOfficeXP, which shares the Windows XP style.
TRujStyle RecordedStyle(TToolBarStyle value)
{
    if (value == bsOfficeXP)
        return tsWindowsXP;
    return static_cast<TRujStyle>(value < bsOfficeXP ? value : value - 1);
}

void WriteGradient(TGradientBackground& target, const GradientLook& look)
{
    target.SetColor(look.Color);
    target.SetColorTo(look.ColorTo);
    target.SetDirection(look.Direction);
    if (look.Steps)
        target.SetSteps(look.Steps);
}

void WriteBackground(TVistaGradientBackground& target, const BackgroundLook& look)
{
    WriteGradient(target, look.Fill);
    TMirrorGradient& mirror = *target.Mirror();
    mirror.SetColor(look.Mirror.Color);
    mirror.SetColorTo(look.Mirror.ColorTo);
    mirror.SetColorMirror(look.Mirror.ColorMirror);
    mirror.SetColorMirrorTo(look.Mirror.ColorMirrorTo);
}

// The setters of one glow state, so one routine writes any of them.
struct GlowStateSetters {
    void (TGlowButtonAppearance::*Color)(TColor);
    void (TGlowButtonAppearance::*ColorTo)(TColor);
    void (TGlowButtonAppearance::*ColorMirror)(TColor);
    void (TGlowButtonAppearance::*ColorMirrorTo)(TColor);
    void (TGlowButtonAppearance::*Border)(TColor);
    void (TGlowButtonAppearance::*Gradient)(TGDIPGradient);
    void (TGlowButtonAppearance::*GradientMirror)(TGDIPGradient);
};

using G = TGlowButtonAppearance;
constexpr GlowStateSetters kNormal{&G::SetColor, &G::SetColorTo, &G::SetColorMirror, &G::SetColorMirrorTo,
                                   &G::SetBorderColor, &G::SetGradient, &G::SetGradientMirror};
constexpr GlowStateSetters kHot{&G::SetColorHot, &G::SetColorHotTo, &G::SetColorMirrorHot, &G::SetColorMirrorHotTo,
                                &G::SetBorderColorHot, &G::SetGradientHot, &G::SetGradientMirrorHot};
constexpr GlowStateSetters kDown{&G::SetColorDown, &G::SetColorDownTo, &G::SetColorMirrorDown,
                                 &G::SetColorMirrorDownTo, &G::SetBorderColorDown, &G::SetGradientDown,
                                 &G::SetGradientMirrorDown};
constexpr GlowStateSetters kChecked{&G::SetColorChecked, &G::SetColorCheckedTo, &G::SetColorMirrorChecked,
                                    &G::SetColorMirrorCheckedTo, &G::SetBorderColorChecked, &G::SetGradientChecked,
                                    &G::SetGradientMirrorChecked};

// withBorder false leaves the state's border colour as it is.
void WriteGlowState(G& glow, const GlowStateSetters& set, const GlowStateLook& look, bool withBorder = true)
{
    (glow.*set.Color)(look.Color);
    (glow.*set.ColorTo)(look.ColorTo);
    (glow.*set.ColorMirror)(look.ColorMirror);
    (glow.*set.ColorMirrorTo)(look.ColorMirrorTo);
    if (withBorder)
        (glow.*set.Border)(look.Border);
    (glow.*set.Gradient)(look.Gradient);
    (glow.*set.GradientMirror)(look.GradientMirror);
}

void WriteGlowStates(G& glow, const GlowLook& look)
{
    if (look.Hot)
        WriteGlowState(glow, kHot, *look.Hot);
    if (look.Down)
        WriteGlowState(glow, kDown, *look.Down);
    if (look.Checked)
        WriteGlowState(glow, kChecked, *look.Checked);
}

void WriteCaption(TCaptionAppearance& target, const CaptionLook& look)
{
    target.SetCaptionColor(look.Color);
    target.SetCaptionColorTo(look.ColorTo);
    target.SetCaptionColorHot(look.ColorHot);
    target.SetCaptionColorHotTo(look.ColorHotTo);
    target.SetCaptionTextColor(look.Text);
    target.SetCaptionTextColorHot(look.TextHot);
}

void WriteTab(TCustomTabAppearance& target, const TabLook& look)
{
    target.SetBorderColor(look.Border);
    target.SetBorderColorHot(look.BorderHot);
    target.SetBorderColorSelected(look.BorderSelected);
    target.SetBorderColorSelectedHot(look.BorderSelectedHot);
    target.SetTextColor(look.Text);
    target.SetTextColorHot(look.TextHot);
    target.SetTextColorSelected(look.TextSelected);
    target.SetColorHot(look.Hot);
    target.SetColorHotTo(look.HotTo);
    target.SetColorMirrorHot(look.MirrorHot);
    target.SetColorMirrorHotTo(look.MirrorHotTo);
    target.SetColorSelected(look.Selected);
    target.SetColorSelectedTo(look.SelectedTo);
    target.SetColorMirrorSelected(look.MirrorSelected);
    target.SetColorMirrorSelectedTo(look.MirrorSelectedTo);
    target.SetShadowColor(look.Shadow);
    target.SetHighLightColor(look.HighLight);
    target.SetHighLightColorSelected(look.HighLightSelected);
    target.SetHighLightColorSelectedHot(look.HighLightSelectedHot);
    target.SetHighLightColorDown(look.HighLightDown);
    target.SetHighLightColorHot(look.HighLightHot);
}

void WritePage(TVistaBackground& target, const PageLook& look)
{
    target.SetBorderColor(look.Border);
    target.SetColor(look.Color);
    target.SetColorTo(look.ColorTo);
    target.SetColorMirror(look.ColorMirror);
    target.SetColorMirrorTo(look.ColorMirrorTo);
    target.SetGradient(ggVertical);
    target.SetGradientMirror(ggVertical);
    target.SetShadowColor(look.Shadow);
    target.SetHighLightColor(look.HighLight);
}

void WriteGroup(TGroupAppearance& target, const GroupLook& look)
{
    target.SetTextColor(look.Text);
    target.SetColor(look.Color);
    target.SetColorTo(look.ColorTo);
    target.SetColorMirror(look.ColorMirror);
    target.SetColorMirrorTo(look.ColorMirrorTo);
    target.SetGradient(ggVertical);
    target.SetGradientMirror(ggVertical);
    target.SetBorderColor(look.Border);
    TCustomTabAppearance& tab = *target.TabAppearance();
    WriteTab(tab, look.Tab);
    tab.SetGradient(ggRadial);
    tab.SetGradientMirror(ggRadial);
    WritePage(*target.PageAppearance(), look.Page);
    TToolBarAppearance& toolBar = *target.ToolBarAppearance();
    toolBar.Color()->SetColor(look.ToolBar.Color);
    toolBar.Color()->SetColorTo(look.ToolBar.ColorTo);
    toolBar.SetBorderColor(look.ToolBar.Border);
    toolBar.ColorHot()->SetColor(look.ToolBar.Hot);
    toolBar.ColorHot()->SetColorTo(look.ToolBar.HotTo);
    toolBar.SetBorderColorHot(look.ToolBar.BorderHot);
    WriteCaption(*target.CaptionAppearance(), look.Caption);
}

void WriteRibbonTabs(TTabAppearance& target, const RibbonTabLook& look, TColor textDisabled)
{
    target.BackGround()->SetColor(look.BackGround);
    target.BackGround()->SetColorTo(look.BackGroundTo);
    target.SetBorderColorDisabled(clNone);
    WriteTab(target, look.Tab);
    target.SetTextColorDisabled(textDisabled);
    target.SetColorDisabled(look.Disabled);
    target.SetColorDisabledTo(look.DisabledTo);
    target.SetColorMirrorDisabled(look.Disabled);
    target.SetColorMirrorDisabledTo(look.DisabledTo);
    target.SetGradient(ggVertical);
    target.SetGradientDisabled(ggVertical);
    target.SetGradientHot(ggRadial);
    target.SetGradientMirrorDisabled(ggVertical);
    target.SetGradientMirrorHot(ggVertical);
    target.SetGradientMirrorSelected(ggVertical);
    target.SetGradientSelected(ggVertical);
}

void WriteQAT(TQATAppearance& target, const QATLook& look)
{
    target.SetColor(look.Color);
    target.SetColorTo(look.ColorTo);
    target.SetBorderColor(look.Border);
    target.SetFullSizeColor(look.FullSize);
    target.SetFullSizeColorTo(look.FullSizeTo);
    target.SetFullSizeBorderColor(look.FullSizeBorder);
}

void WriteButton(TButtonAppearance& target, const ButtonLook& look)
{
    target.SetColor(look.Color);
    target.SetColorTo(look.ColorTo);
    target.SetColorDown(look.Down);
    target.SetColorDownTo(look.DownTo);
    target.SetColorHot(look.Hot);
    target.SetColorHotTo(look.HotTo);
    target.SetColorChecked(look.Checked);
    target.SetColorCheckedTo(look.CheckedTo);
    target.SetBorderDownColor(look.BorderDown);
    target.SetBorderHotColor(look.BorderHot);
    target.SetBorderCheckedColor(look.BorderChecked);
    target.SetCaptionTextColor(0);
    target.SetCaptionTextColorChecked(0);
    target.SetCaptionTextColorDown(0);
    target.SetCaptionTextColorHot(0);
}

bool IsOffice2010(TToolBarStyle v) { return v >= bsOffice2010Blue && v <= bsOffice2010Black; }
bool IsOffice2013(TToolBarStyle v) { return v >= bsOffice2013White && v <= bsOffice2013Gray; }
bool IsOffice2016Or2019(TToolBarStyle v) { return v >= bsOffice2016White && v <= bsOffice2019Black; }

} // namespace

// The writer is the styler's friend: looks write a few fields that have no write accessor.
struct ToolBarPresetWriter {
    using S = TRurToolBarOfficeStyler;

    static void Frame(S& s, TToolBarStyle v)
    {
        TButtonAppearance& buttons = *s.ButtonAppearance();
        buttons.SetCaptionTextColor(0);
        buttons.SetCaptionTextColorHot(0);
        buttons.SetCaptionTextColorDown(0);
        s.SetNewComponentStyle(RecordedStyle(v));
        s.FRujStyle = s.NewRujStyle();
        s.SetSysButtonColor(0);
        s.PagerCaption()->SetTextColor(0x808080);
        s.PagerCaption()->SetTextColorExtended(0xFF0000);
        s.FQatSharpCurve = false;
        ApplySystemFontName(s.TabAppearance()->Font(), s.TabAppearance()->SystemFont());
        ApplySystemFontName(s.PagerCaption()->Font(), s.PagerCaption()->SystemFont());
        ApplySystemFontName(s.GroupAppearance()->Font(), s.GroupAppearance()->SystemFont());
        ApplySystemFontName(buttons.CaptionFont(), buttons.SystemFont());
        ApplySystemFontName(s.Font(), s.SystemFont());
        ApplySystemFontName(s.CaptionFont(), s.SystemFont());
        G& glow = *s.GlowButtonAppearance();
        glow.SetTranspHover(IsOffice2010(v) || IsOffice2013(v) || IsOffice2016Or2019(v));
        glow.SetNoBorderDefault(IsOffice2013(v) || IsOffice2016Or2019(v));
        glow.SetTextColor(clNone);
        glow.SetSystemFont(true);
        s.CompactGlowButtonAppearance()->SetSystemFont(true);
        // The pager drops the tones of the look before; a flat look hands it new ones.
        if (IToolBarStylerPager* pager = s.GetFirstPager())
            pager->ClearOfficeTones();
        glow.SetTextColorChecked(0);
        glow.SetTextColorHot(0);
        glow.SetTextColorDown(0);
        if (v <= bsOffice2003Olive || v == bsWhidbeyStyle) {
            // The Office 2003 looks' orange hover; the checked state keeps its border.
            WriteGlowState(glow, kHot, kOrangeHot);
            WriteGlowState(glow, kDown, kOrangeDown);
            WriteGlowState(glow, kChecked, kOrangeChecked, false);
            s.CompactGlowButtonAppearance()->Assign(&glow);
        }
    }

    static void Classic(S& s, const ClassicLook& look)
    {
        s.FRujStyle = RecordedStyle(look.Style);
        WriteBackground(*s.Color(), look.Color);
        WriteGradient(*s.DockColor(), look.Dock);
        s.SetRightHandleColor(look.Handle);
        s.SetRightHandleColorTo(look.HandleTo);
        s.SetRightHandleColorHot(look.HandleHot);
        s.SetRightHandleColorHotTo(look.HandleHotTo);
        s.SetRightHandleColorDown(look.HandleDown);
        s.SetRightHandleColorDownTo(look.HandleDownTo);
        s.SetFloatingWindowBorderColor(look.FloatingBorder);
        s.SetFloatingWindowBorderWidth(look.FloatingWidth);
        s.SetRoundEdges(!look.Flat);
        s.SetDragGripStyle(look.Grip);
        s.BevelField() = look.Flat ? bvRaised : bvNone;
        s.SetUseBevel(look.Flat);
        G& glow = *s.GlowButtonAppearance();
        WriteGlowState(glow, kNormal, look.Glow.Normal);
        WriteGlowStates(glow, look.Glow);
        G& compact = *s.CompactGlowButtonAppearance();
        compact.Assign(&glow);
        if (look.Compact)
            WriteGlowStates(compact, *look.Compact);
        WriteCaption(*s.CaptionAppearance(), look.Caption);
        if (look.WritesGroup)
            WriteGroup(*s.GroupAppearance(), look.Ribbon->Group);
        const TColor textDisabled = IsOffice2010(look.Style) && RurGDIP::GetIsWin8() ? 0xC0C0C0 : 0x808080;
        WriteRibbonTabs(*s.TabAppearance(), look.Ribbon->Tabs, textDisabled);
        if (look.Border)
            s.SetBorderColor(*look.Border);
        WriteBackground(*s.ColorHot(), look.Hot);
        s.SetBorderColorHot(look.BorderHot);
        WritePage(*s.PageAppearance(), look.Ribbon->Page);
        WritePagerCaption(s, look.PagerCaption);
        WriteQAT(*s.QATAppearance(), look.QAT);
        WriteButton(*s.ButtonAppearance(), look.Button);
        s.FQatSharpCurve = look.QatSharpCurve;
        IToolBarStylerPager* pager = s.GetFirstPager();
        if (pager && look.PagerVariant && !RurGDIP::GetScenicRibbon()) {
            WriteGradient(*s.DockColor(), look.PagerVariant->Dock);
            WriteGradient(*s.Color(), look.PagerVariant->Color);
            WriteQAT(*s.QATAppearance(), look.PagerVariant->QAT);
        }
        if (pager && look.UpdateQAT)
            pager->UpdateQAT();
    }

    static void WritePagerCaption(S& s, const PagerCaptionLook& look)
    {
        TVistaTextBackground& caption = *s.PagerCaption();
        caption.SetColor(look.Color);
        caption.SetColorTo(look.ColorTo);
        caption.SetColorMirror(look.ColorMirror);
        caption.SetColorMirrorTo(look.ColorMirrorTo);
        caption.SetBorderColor(look.Border);
        caption.SetGradient(ggVertical);
        caption.SetGradientMirror(ggVertical);
        if (look.Text) {
            caption.SetTextColor(*look.Text);
            caption.SetTextColorExtended(*look.TextExtended);
            caption.Font()->SetHeight(-13);
            s.SetSysButtonColor(*look.SysButton);
        }
    }

    static void Flat(S& s, const FlatLook& look)
    {
        const bool office2019 = look.Family == ffOffice2019;
        const bool office2016Or2019 = look.Family == ffOffice2016 || office2019;
        WriteFills(s, look.Surface, look.DockSteps, look.ColorSteps);
        WriteHandle(s, look.Handle, look.HandleHot, look.HandleDown);
        if (office2019)
            s.SetBorderColor(*look.Border);
        TButtonAppearance& buttons = *s.ButtonAppearance();
        if (look.Family != ffWindows8) {
            buttons.SetBorderColor(clNone);
            buttons.SetBorderHotColor(clNone);
            buttons.SetBorderDownColor(clNone);
        }
        if (look.ButtonText)
            buttons.SetCaptionTextColor(*look.ButtonText);
        if (look.ButtonTextHot)
            buttons.SetCaptionTextColorHot(*look.ButtonTextHot);
        if (look.ButtonTextDown)
            buttons.SetCaptionTextColorDown(*look.ButtonTextDown);
        if (office2019) {
            TAppColor& app = *s.AppColor();
            s.PagerCaption()->SetTextColorExtended(look.Style == bsOffice2019Gray ? 0xFFFFFF : app.TextColor());
            s.PagerCaption()->SetTextColor(app.TextColor());
            WriteCaption(*s.CaptionAppearance(), CaptionLook{look.Surface, look.Surface, look.HandleHot,
                                                             look.HandleHot, *look.CaptionText, *look.CaptionTextHot});
            if (look.Style == bsOffice2019Black)
                s.CaptionAppearance()->SetCaptionBorderColor(*look.Border);
            s.SetDragGripStyle(dsNone);
        }
        if (!office2016Or2019) {
            s.SetRoundEdges(false);
            WriteSquareGlow(s, look);
        }
        // A ribbon pager derives its own look from the tones; without one the look keeps fallback
        // fills.
        IToolBarStylerPager* pager = s.GetFirstPager();
        if (pager) {
            HandTones(s, *pager, look);
        } else if (look.Fallback) {
            WriteFills(s, look.Fallback->Fill, look.DockSteps, look.ColorSteps);
            WriteHandle(s, look.Fallback->Handle, look.Fallback->HandleHot, look.Fallback->HandleDown);
            s.SetBorderColor(look.Fallback->Border);
        }
        if (office2016Or2019)
            WriteOfficeGlow(s, look);
        s.FRujStyle = look.Family == ffWindows8 ? tsWindows8 : RecordedStyle(look.Style);
        if (pager)
            CopyBackFromPager(s, *pager, look);
    }

    static TColor ToneValue(const ToneColor& colour, const TAppColor& app)
    {
        switch (colour.From) {
        case ToneSource::AppButtonColor:
            return app.AppButtonColor();
        case ToneSource::AppSelectedColor:
            return app.SelectedColor();
        case ToneSource::AppHoverColor:
            return app.HoverColor();
        case ToneSource::Fixed:
            break;
        }
        return colour.Color;
    }

    static void WriteTone(TOfficeTones& tones, const ToneWrite& write, const TAppColor& app)
    {
        TColorTones& set = write.Set == ToneSet::Buttons ? tones.Buttons : write.Set == ToneSet::Pager ? tones.Pager : tones.Tab;
        TColorTone& tone = write.Tone == ToneOf::Background   ? set.Background
                           : write.Tone == ToneOf::Foreground ? set.Foreground
                           : write.Tone == ToneOf::Selected   ? set.Selected
                                                              : set.Hover;
        if (write.Brush)
            tone.BrushColor = ToneValue(*write.Brush, app);
        if (write.Border)
            tone.BorderColor = ToneValue(*write.Border, app);
        if (write.Text)
            tone.TextColor = ToneValue(*write.Text, app);
    }

    // The look's tones over the light base set, with the application colours they go with, to the
    // pager. Office 2019 Gray and Black lend the pager application-button colours of their own and
    // put the styler's back afterwards; every other change to the application colours stays.
    static void HandTones(S& s, IToolBarStylerPager& pager, const FlatLook& look)
    {
        TAppColor& app = *s.AppColor();
        std::optional<TColor> buttonsForeground;
        if (look.Style == bsOffice2019White) {
            if (app.AppButtonColor() == 0xFFFFFF || app.AppButtonColor() == clNone) {
                app.SetAppButtonColor(0xFFAC3C);
                app.SetAppButtonHoverColor(0xE29E00);
                app.SetHoverColor(0xF7E6CD);
                app.SetHoverBorderColor(0xE7BE7A);
                app.SetSelectedColor(0xE7BE7A);
                app.SetSelectedBorderColor(0xE7BE7A);
                buttonsForeground = 0xD1B9A5;
            } else {
                buttonsForeground = app.HoverColor();
            }
        }
        TColorTones base;
        CreateMetroTones(true, 0xFFFFFF, 0, base);
        TOfficeTones tones{base, base, base, &app};
        for (const ToneWrite& write : look.Tones)
            WriteTone(tones, write, app);
        if (buttonsForeground)
            tones.Buttons.Foreground.BrushColor = tones.Buttons.Foreground.BorderColor = *buttonsForeground;
        std::optional<PagerAppButton> saved;
        if (look.AppButton) {
            saved = PagerAppButton{app.AppButtonColor(), app.AppButtonHoverColor()};
            app.SetAppButtonColor(look.AppButton->Color);
            app.SetAppButtonHoverColor(look.AppButton->Hover);
        }
        if (look.Family == ffWindows8) {
            app.SetHoverColor(0xF7EFE8);
            app.SetHoverBorderColor(0xF9CEA4);
            app.SetSelectedColor(0xF7E0C9);
            app.SetSelectedBorderColor(0xE4A262);
        } else {
            app.SetHoverBorderColor(app.HoverColor());
            app.SetSelectedBorderColor(app.SelectedColor());
        }
        if (look.AppTextColor)
            app.SetTextColor(*look.AppTextColor);
        const TGroupStyle group = look.Family == ffWindows8    ? gsWindows8
                                  : look.Family == ffOffice2019 ? gsOffice2019
                                                                : gsOffice2013;
        pager.SetOfficeTones(tones, group);
        if (saved) {
            app.SetAppButtonColor(saved->Color);
            app.SetAppButtonHoverColor(saved->Hover);
        }
    }

    // The pager's derived appearances become the styler's, and the toolbar and caption fills take
    // the derived page colour.
    static void CopyBackFromPager(S& s, const IToolBarStylerPager& pager, const FlatLook& look)
    {
        const TOfficeToneAppearances* from = pager.OfficeToneAppearances();
        if (!from)
            return;
        s.PageAppearance()->Assign(from->PageAppearance);
        s.TabAppearance()->Assign(from->TabAppearance);
        s.GroupAppearance()->Assign(from->GroupAppearance);
        s.CaptionAppearance()->Assign(from->CaptionAppearance);
        s.GlowButtonAppearance()->Assign(from->GlowButtonAppearance);
        s.PagerCaption()->Assign(from->PagerCaption);
        s.ContainerAppearance()->Assign(from->ContainerAppearance);
        const TColor page = s.PageAppearance()->Color();
        for (TVistaGradientBackground* fill : {s.Color(), s.ColorHot()})
            WriteBackground(*fill, BackgroundLook{GradientLook{page, clNone, fill->Direction(), 0},
                                                  MirrorLook{page, clNone, page, clNone}});
        if (look.Style != bsOffice2013White) {
            s.SetBorderColor(page);
            s.SetBorderColorHot(page);
        }
        TCaptionAppearance& caption = *s.CaptionAppearance();
        caption.SetCaptionColor(page);
        caption.SetCaptionColorTo(clNone);
        caption.SetCaptionColorHot(page);
        caption.SetCaptionColorHotTo(page);
        caption.SetCaptionTextColor(look.ToneCaptionText);
        caption.SetCaptionTextColorHot(look.ToneCaptionTextHot);
    }

    static void WriteFills(S& s, TColor fill, int dockSteps, int colorSteps)
    {
        WriteGradient(*s.DockColor(), GradientLook{fill, fill, gdHorizontal, dockSteps});
        WriteGradient(*s.Color(), GradientLook{fill, fill, gdVertical, colorSteps});
    }

    static void WriteHandle(S& s, TColor handle, TColor hot, TColor down)
    {
        s.SetRightHandleColor(handle);
        s.SetRightHandleColorTo(handle);
        s.SetRightHandleColorHot(hot);
        s.SetRightHandleColorHotTo(hot);
        s.SetRightHandleColorDown(down);
        s.SetRightHandleColorDownTo(down);
    }

    // Windows 8/10 and Office 2013: one flat colour per state, no mirror halves.
    static void WriteSquareGlow(S& s, const FlatLook& look)
    {
        G& glow = *s.GlowButtonAppearance();
        TAppColor& app = *s.AppColor();
        const bool windows8 = look.Family == ffWindows8;
        const TColor hot = windows8 ? 0xF7EFE8 : app.HoverColor();
        const TColor hotBorder = windows8 ? 0xF9CEA4 : app.HoverBorderColor();
        const TColor pressed = windows8 ? 0xF7E0C9 : app.SelectedColor();
        const TColor pressedBorder = windows8 ? 0xE4A262 : app.SelectedBorderColor();
        WriteGlowState(glow, kNormal, GlowStateLook{look.Surface, clNone, clNone, clNone, look.Surface});
        WriteGlowState(glow, kHot, GlowStateLook{hot, clNone, clNone, clNone, hotBorder});
        WriteGlowState(glow, kDown, GlowStateLook{pressed, clNone, clNone, clNone, pressedBorder});
        WriteGlowState(glow, kChecked, GlowStateLook{pressed, clNone, clNone, clNone, pressedBorder});
        if (windows8) {
            glow.SetColorDisabled(glow.Color());
            glow.SetColorDisabledTo(glow.ColorTo());
            glow.SetColorMirrorDisabled(glow.ColorMirror());
            glow.SetColorMirrorDisabledTo(glow.ColorMirrorTo());
            glow.SetBorderColorDisabled(glow.BorderColor());
        }
    }

    // Office 2016 and 2019: a base colour set and one colour per hot, down and checked state.
    static void WriteOfficeGlow(S& s, const FlatLook& look)
    {
        s.SetRoundEdges(false);
        if (look.Style == bsOffice2016Black || look.Style == bsOffice2019Black) {
            s.TabAppearance()->SetTextColorHot(0x0000FF);
            s.TabAppearance()->SetTextColorSelected(0x00FFFF);
        }
        G& glow = *s.GlowButtonAppearance();
        WriteGlowState(glow, kNormal, look.GlowBase);
        const bool openEnds = look.GlowBase.ColorTo == clNone;
        auto state = [&](TColor colour, TColor border) {
            const TColor end = openEnds ? clNone : colour;
            return GlowStateLook{colour, end, colour, end, border};
        };
        const bool downBorderChecked = look.Style == bsOffice2019Gray || look.Style == bsOffice2019Black;
        WriteGlowState(glow, kHot, state(look.GlowHot, look.GlowHot));
        WriteGlowState(glow, kDown, state(look.GlowDown, look.GlowDown));
        WriteGlowState(glow, kChecked, state(look.GlowChecked, downBorderChecked ? look.GlowDown : look.GlowChecked));
        glow.SetTextColor(*look.GlowText);
        glow.SetTextColorChecked(*look.GlowTextChecked);
        glow.SetTextColorHot(*look.GlowTextHot);
        glow.SetTextColorDown(*look.GlowTextDown);
        if (look.Dark) {
            glow.SetSystemFont(false);
            s.CompactGlowButtonAppearance()->SetSystemFont(false);
            s.CompactGlowButtonAppearance()->SetTextColor(*look.GlowText);
        }
    }
};

void ApplyToolBarPreset(TRurToolBarOfficeStyler& styler, TToolBarStyle value)
{
    if (value == bsCustom)
        return;
    ToolBarPresetWriter::Frame(styler, value);
    const TToolBarStyle caseOf = value == bsOfficeXP ? bsWindowsXP : value;
    for (const ClassicLook& look : ClassicLooks())
        if (look.Style == caseOf)
            return ToolBarPresetWriter::Classic(styler, look);
    for (const FlatLook& look : FlatLooks())
        if (look.Style == caseOf)
            return ToolBarPresetWriter::Flat(styler, look);
}
