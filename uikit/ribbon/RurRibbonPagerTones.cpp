// The pager's own colours: five colour tones, or an Office look's tones with its drawing family,
// build appearances of the pager's own that painting takes instead of the styler's, and switch
// the flat look on (glass, rounded tabs, 3D lines and shadows off) and off again.
#include "RurRibbonPager.h"

#include "Forms.h"
#include "RurQuickAccessToolBar.h"
#include "RurToolBar_Messages.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_ToolBar.h"

namespace {

// Every colour of a glow-button look, so that one can be emptied before a tone fills it.
using TGlowColourSetter = void (TGlowButtonAppearance::*)(TColor);
constexpr TGlowColourSetter GlowColourSetters[] = {
    &TGlowButtonAppearance::SetBorderColor,        &TGlowButtonAppearance::SetBorderColorHot,
    &TGlowButtonAppearance::SetBorderColorDown,    &TGlowButtonAppearance::SetBorderColorDisabled,
    &TGlowButtonAppearance::SetBorderColorChecked, &TGlowButtonAppearance::SetBorderColorFocused,
    &TGlowButtonAppearance::SetColor,              &TGlowButtonAppearance::SetColorTo,
    &TGlowButtonAppearance::SetColorDown,          &TGlowButtonAppearance::SetColorDownTo,
    &TGlowButtonAppearance::SetColorHot,           &TGlowButtonAppearance::SetColorHotTo,
    &TGlowButtonAppearance::SetColorCheckedTo,     &TGlowButtonAppearance::SetColorDisabled,
    &TGlowButtonAppearance::SetColorDisabledTo,    &TGlowButtonAppearance::SetColorChecked,
    &TGlowButtonAppearance::SetColorMirror,        &TGlowButtonAppearance::SetColorMirrorTo,
    &TGlowButtonAppearance::SetColorMirrorHot,     &TGlowButtonAppearance::SetColorMirrorHotTo,
    &TGlowButtonAppearance::SetColorMirrorDown,    &TGlowButtonAppearance::SetColorMirrorDownTo,
    &TGlowButtonAppearance::SetColorMirrorDisabledTo, &TGlowButtonAppearance::SetColorMirrorDisabled,
    &TGlowButtonAppearance::SetColorMirrorCheckedTo, &TGlowButtonAppearance::SetColorMirrorChecked,
    &TGlowButtonAppearance::SetTextColor,          &TGlowButtonAppearance::SetTextColorHot,
    &TGlowButtonAppearance::SetTextColorDown,      &TGlowButtonAppearance::SetTextColorChecked,
    &TGlowButtonAppearance::SetBorderColorCheckedHot, &TGlowButtonAppearance::SetTextColorDisabled,
};

void ClearGlowColours(TGlowButtonAppearance& look)
{
    for (TGlowColourSetter set : GlowColourSetters)
        (look.*set)(clNone);
}

void SetGradient(TGradientBackground* gradient, TColor from, TColor to)
{
    gradient->SetColor(from);
    gradient->SetColorTo(to);
}

// One fill for the four faces of a state (fill, its end, the mirror half and its end).
struct TGlowFaceSetters {
    TGlowColourSetter Color, ColorTo, Mirror, MirrorTo;
};
constexpr TGlowFaceSetters NormalFace{&TGlowButtonAppearance::SetColor, &TGlowButtonAppearance::SetColorTo,
                                      &TGlowButtonAppearance::SetColorMirror,
                                      &TGlowButtonAppearance::SetColorMirrorTo};
constexpr TGlowFaceSetters HotFace{&TGlowButtonAppearance::SetColorHot, &TGlowButtonAppearance::SetColorHotTo,
                                   &TGlowButtonAppearance::SetColorMirrorHot,
                                   &TGlowButtonAppearance::SetColorMirrorHotTo};
constexpr TGlowFaceSetters DownFace{&TGlowButtonAppearance::SetColorDown, &TGlowButtonAppearance::SetColorDownTo,
                                    &TGlowButtonAppearance::SetColorMirrorDown,
                                    &TGlowButtonAppearance::SetColorMirrorDownTo};
constexpr TGlowFaceSetters CheckedFace{&TGlowButtonAppearance::SetColorChecked,
                                       &TGlowButtonAppearance::SetColorCheckedTo,
                                       &TGlowButtonAppearance::SetColorMirrorChecked,
                                       &TGlowButtonAppearance::SetColorMirrorCheckedTo};

// A state's face: its fill, its mirror half, and the end colour of both gradients.
void SetFace(TGlowButtonAppearance& look, const TGlowFaceSetters& face, TColor fill, TColor mirror, TColor to)
{
    (look.*face.Color)(fill);
    (look.*face.Mirror)(mirror);
    (look.*face.ColorTo)(to);
    (look.*face.MirrorTo)(to);
}

bool IsRibbonForm(const TWinControl* control) { return control && IsOfClassNamed(control, u"TRurToolBarForm"); }

} // namespace

void TRurToolBarPager::EnsureOwnAppearances()
{
    if (FPageAppearance)
        return;
    FPageAppearance = std::make_unique<TVistaPageBackground>();
    FTabAppearance = std::make_unique<TTabAppearance>();
    FToolBarAppearance = std::make_unique<TToolBarAppearance>();
    FGlowButtonAppearance = std::make_unique<TGlowButtonAppearance>();
    FPageGlowButtonAppearance = std::make_unique<TGlowButtonAppearance>();
    FCaptionAppearance = std::make_unique<TCaptionAppearance>();
    FGroupAppearance = std::make_unique<TGroupAppearance>();
    FPagerCaption = std::make_unique<TVistaTextBackground>();
    FContainerAppearance = std::make_unique<TContainerAppearance>();
}

void TRurToolBarPager::SendToShapeButton(TToolBarMessage message, WPARAM wParam)
{
    auto* shape = dynamic_cast<TWinControl*>(GetShapeButton());
    if (shape && shape->HandleAllocated())
        SendMessageW(shape->Handle(), ToolBarMessage(message), wParam, 0);
}

void TRurToolBarPager::ApplyGlowAppearance(TRurCustomGlowButton* button) const
{
    if (!button || !FGlowButtonAppearance)
        return;
    button->Appearance()->Assign(FGlowButtonAppearance.get());
    button->SetRounded(false);
    button->Font()->SetName(GetDefaultFontName());
}

void TRurToolBarPager::SetMetro()
{
    if (FMetro)
        return;
    FOldAeroVista = FIsAeroVista;
    FIsAeroVista = false;
    FMetro = FItones = true;
    FTabRoundEdges = FShow3D = FShadow = false;
    SetDoubleBuffered(true);
    if (HandleAllocated() && FRegionSet)
        SetWindowRgn(Handle(), nullptr, TRUE);
    FRegionSet = false;
    TControlStyle style = ControlStyle();
    style.Exclude(csParentBackground);
    SetControlStyle(style);
}

void TRurToolBarPager::RevertMetro()
{
    if (!FMetro)
        return;
    FIsAeroVista = FOldAeroVista;
    FItones = FMetro = false;
    FTabRoundEdges = FShow3D = FShadow = true;
    SetDoubleBuffered(true);
    if (FIsAeroVista)
        SetParentBackground(true);
    SendToShapeButton(TToolBarMessage::SetMetro, 0);
    if (HandleAllocated())
        RecreateWnd();
    UpdateGlassRegion();
    UpdateLayout();
    Invalidate();
}

void TRurToolBarPager::RelayoutAfterTones()
{
    UpdatePagesPosition();
    UpdateCaptionButtons(true);
    Invalidate();
    if (TRurPage* page = ActivePage())
        page->Invalidate();
    // Every child aligns again in the new look.
    const int width = Width();
    SetWidth(width - 1);
    SetWidth(width);
}

void TRurToolBarPager::SetColorTones(const TColorTones& T)
{
    if (FItonesBeingSet || ComponentState().Contains(csLoading))
        return;
    FItonesBeingSet = true;
    SetMetro();
    EnsureOwnAppearances();

    FPageAppearance->SetColor(T.Background.BrushColor);
    FPageAppearance->SetBorderColor(T.Foreground.BorderColor);
    FPageAppearance->SetColorTo(clNone);
    FPageAppearance->SetColorMirror(clNone);
    FPageAppearance->SetColorMirrorTo(clNone);
    SetColor(T.Background.BrushColor);
    ToneQuickAccessToolBar(T.Background.BrushColor, T);

    FCaptionAppearance->SetCaptionColor(T.Background.BrushColor);
    FCaptionAppearance->SetCaptionTextColor(T.Background.TextColor);

    TTabAppearance& tab = *FTabAppearance;
    tab.ClearValues();
    SetGradient(tab.BackGround(), T.Selected.BrushColor, clNone);
    tab.SetColor(T.Selected.BrushColor);
    tab.SetTextColor(T.Background.TextColor);
    tab.SetColorSelected(T.Background.BrushColor);
    tab.SetBorderColorSelected(T.Background.BrushColor);
    tab.SetTextColorSelected(T.Background.TextColor);
    tab.SetColorHot(T.Hover.BrushColor);
    tab.SetBorderColorHot(T.Hover.BorderColor);
    tab.SetTextColorHot(T.Hover.TextColor);
    tab.SetColorDisabled(T.Disabled.BrushColor);
    tab.SetBorderColorDisabled(T.Disabled.BorderColor);
    tab.SetTextColorDisabled(T.Disabled.TextColor);
    tab.SetBorderColorSelectedHot(tab.BorderColorSelected());

    SetGradient(FToolBarAppearance->Color(), T.Background.BrushColor, clNone);
    SetGradient(FToolBarAppearance->ColorHot(), clNone, clNone);
    FToolBarAppearance->SetBorderColor(T.Foreground.BorderColor);
    FToolBarCaptionTextColor = T.Background.TextColor;

    TGlowButtonAppearance& glow = *FGlowButtonAppearance;
    ClearGlowColours(glow);
    SetFace(glow, NormalFace, T.Background.BrushColor, T.Background.BrushColor, clNone);
    SetFace(glow, HotFace, T.Hover.BrushColor, T.Hover.BrushColor, clNone);
    glow.SetBorderColorHot(T.Hover.BorderColor);
    glow.SetTextColorHot(T.Hover.TextColor);
    SetFace(glow, DownFace, T.Selected.BrushColor, T.Selected.BrushColor, clNone);
    glow.SetBorderColorDown(T.Selected.BorderColor);
    glow.SetTextColorDown(T.Selected.TextColor);
    ClearGlowColours(*FPageGlowButtonAppearance);
    FPageGlowButtonAppearance->Assign(&glow);

    TGroupAppearance& group = *FGroupAppearance;
    group.SetColor(T.Selected.BrushColor);
    group.SetColorTo(clNone);
    group.SetColorMirror(clNone);
    group.SetColorMirrorTo(clNone);
    group.SetTextColor(T.Selected.TextColor);
    SetGradient(group.ToolBarAppearance()->Color(), T.Selected.BrushColor, clNone);
    SetGradient(group.ToolBarAppearance()->ColorHot(), T.Hover.BrushColor, clNone);
    group.ToolBarAppearance()->SetBorderColor(T.Selected.BorderColor);
    group.ToolBarAppearance()->SetBorderColorHot(T.Hover.BorderColor);
    TCaptionAppearance& groupCaption = *group.CaptionAppearance();
    groupCaption.SetCaptionColor(T.Background.BrushColor);
    groupCaption.SetCaptionColorTo(clNone);
    groupCaption.SetCaptionColorHot(T.Hover.BrushColor);
    groupCaption.SetCaptionColorHotTo(clNone);
    groupCaption.SetCaptionBorderColor(T.Background.BorderColor);
    groupCaption.SetCaptionBorderColorHot(T.Hover.BorderColor);
    TVistaPageBackground& groupPage = *group.PageAppearance();
    groupPage.SetColor(T.Background.BrushColor);
    groupPage.SetColorTo(clNone);
    groupPage.SetColorMirror(T.Background.BrushColor);
    groupPage.SetColorMirrorTo(clNone);
    groupPage.SetBorderColor(T.Background.BorderColor);
    groupPage.SetShadowColor(clNone);
    groupPage.SetHighLightColor(T.Hover.BrushColor);

    // A ribbon form takes the same tones for its frame (it ignores the call while it sets them).
    if (IsRibbonForm(Parent()))
        if (auto* form = dynamic_cast<IRujTones*>(Parent()))
            form->SetColorTones(T);
    SendToShapeButton(TToolBarMessage::SetMetro, 1);
    RelayoutAfterTones();
    FItonesBeingSet = false;
}

void TRurToolBarPager::SetOfficeTones(const TOfficeTones& O, TGroupStyle groupStyle)
{
    if (FItonesBeingSet || !O.App)
        return;
    if (IsRibbonForm(Parent()) && ComponentState().Contains(csLoading))
        return;
    FItonesBeingSet = true;
    const TColorTones& B = O.Buttons;
    const TColorTones& T = O.Tab;
    const TColorTones& P = O.Pager;
    const TAppColor& A = *O.App;
    TColorTones X = B;
    X.Hover = {A.HoverColor(), A.HoverBorderColor(), A.HoverTextColor()};
    X.Selected = {A.SelectedColor(), A.SelectedBorderColor(), A.SelectedTextColor()};

    FOffice2013 = true;
    // Office 2019 tab captions are bold, so switching to or from it measures the tabs again.
    const bool remeasure = groupStyle != FGroupStyle && (groupStyle == gsOffice2019 || FGroupStyle == gsOffice2019);
    FGroupStyle = groupStyle;
    const bool is2019 = groupStyle == gsOffice2019;
    if (groupStyle == gsOffice2013 || is2019) {
        FMetro = false;
        SetMetro();
    } else {
        RevertMetro();
        FItones = true;
        SetWin7ScenicRibbon(true);
        FShow3D = FShadow = false;
        SetDoubleBuffered(true);
    }
    EnsureOwnAppearances();

    if (is2019) {
        for (auto set : {&TVistaPageBackground::SetColor, &TVistaPageBackground::SetColorTo,
                         &TVistaPageBackground::SetColorMirror, &TVistaPageBackground::SetColorMirrorTo})
            (FPageAppearance.get()->*set)(P.Foreground.BrushColor);
        FPageAppearance->SetBorderColor(P.Foreground.BorderColor);
        SetColor(B.Foreground.BrushColor);
    } else {
        FPageAppearance->SetColor(T.Background.BrushColor);
        FPageAppearance->SetBorderColor(B.Foreground.BorderColor);
        FPageAppearance->SetColorTo(clNone);
        FPageAppearance->SetColorMirror(clNone);
        FPageAppearance->SetColorMirrorTo(clNone);
        SetColor(B.Background.BrushColor);
    }
    ToneQuickAccessToolBar(P.Background.BrushColor, X);

    FCaptionAppearance->SetCaptionColor(P.Background.BrushColor);
    if (is2019) {
        FCaptionAppearance->SetCaptionTextColor(A.TextColor());
        FCaptionAppearance->SetCaptionBorderColor(A.AppButtonColor());
    } else
        FCaptionAppearance->SetCaptionTextColor(P.Background.TextColor);
    ToneCaptionBandAndContainers(B.Foreground.BorderColor);

    FTabRoundEdges = false;
    TTabAppearance& tab = *FTabAppearance;
    tab.ClearValues();
    if (is2019)
        SetGradient(tab.BackGround(), P.Foreground.BrushColor, P.Foreground.BrushColor);
    else
        SetGradient(tab.BackGround(), P.Background.BrushColor, clNone);
    tab.SetColor(tab.BackGround()->Color());
    tab.SetTextColor(T.Background.TextColor);
    tab.SetBorderColorSelected(T.Selected.BorderColor);
    tab.SetColorHot(T.Hover.BrushColor);
    tab.SetColorHotTo(clNone);
    tab.SetBorderColorHot(T.Hover.BorderColor);
    tab.SetColorDisabled(T.Disabled.BrushColor);
    tab.SetBorderColorDisabled(T.Disabled.BorderColor);
    tab.SetTextColorDisabled(T.Disabled.TextColor);
    tab.SetBorderColorSelectedHot(tab.BorderColorSelected());
    tab.SetColorSelected(is2019 ? T.Selected.BrushColor : T.Background.BrushColor);
    tab.SetTextColorHot(groupStyle == gsOffice2013 ? A.AppButtonColor() : T.Hover.TextColor);
    tab.SetTextColorSelected(groupStyle == gsOffice2016 || is2019 ? T.Selected.TextColor : tab.TextColorHot());

    if (is2019) {
        SetGradient(FToolBarAppearance->Color(), T.Foreground.BrushColor, T.Foreground.BrushColor);
        SetGradient(FToolBarAppearance->ColorHot(), T.Foreground.BrushColor, T.Foreground.BrushColor);
        FToolBarAppearance->SetBorderColor(T.Foreground.BorderColor);
        FToolBarCaptionTextColor = T.Foreground.TextColor;
    } else {
        SetGradient(FToolBarAppearance->Color(), T.Background.BrushColor, clNone);
        SetGradient(FToolBarAppearance->ColorHot(), clNone, clNone);
        FToolBarAppearance->SetBorderColor(B.Foreground.BorderColor);
        FToolBarCaptionTextColor = TColor(0x808080);
    }

    TGlowButtonAppearance& glow = *FGlowButtonAppearance;
    ClearGlowColours(glow);
    if (is2019) {
        SetFace(glow, NormalFace, B.Background.BrushColor, B.Background.BrushColor, B.Background.BrushColor);
        glow.SetBorderColor(B.Background.BorderColor);
        glow.SetTextColor(B.Background.TextColor);
        SetFace(glow, HotFace, B.Hover.BrushColor, B.Hover.BrushColor, B.Hover.BrushColor);
        glow.SetBorderColorHot(B.Hover.BorderColor);
        glow.SetTextColorHot(B.Hover.TextColor);
        SetFace(glow, DownFace, B.Selected.BrushColor, B.Selected.BrushColor, B.Selected.BrushColor);
        glow.SetBorderColorDown(B.Selected.BorderColor);
        glow.SetTextColorDown(B.Selected.TextColor);
        SetFace(glow, CheckedFace, B.Foreground.BrushColor, B.Foreground.BrushColor, B.Foreground.BrushColor);
        glow.SetBorderColorChecked(B.Foreground.BorderColor);
        glow.SetTextColorChecked(B.Foreground.TextColor);
    } else {
        SetFace(glow, NormalFace, T.Background.BrushColor, clNone, clNone);
        glow.SetTextColor(B.Background.TextColor);
        glow.SetBorderColor(T.Background.BrushColor);
        SetFace(glow, HotFace, A.HoverColor(), clNone, clNone);
        glow.SetBorderColorHot(A.HoverBorderColor());
        glow.SetTextColorHot(A.HoverTextColor());
        SetFace(glow, DownFace, A.SelectedColor(), clNone, clNone);
        glow.SetBorderColorDown(A.SelectedBorderColor());
        glow.SetTextColorDown(A.SelectedTextColor());
        SetFace(glow, CheckedFace, A.SelectedColor(), clNone, clNone);
        glow.SetBorderColorChecked(A.SelectedBorderColor());
        glow.SetColorDisabled(T.Disabled.BrushColor);
    }
    ClearGlowColours(*FPageGlowButtonAppearance);
    FPageGlowButtonAppearance->Assign(&glow);
    UpdatePagesPosition();
    // A ribbon form frames itself in the buttons' tones with the application colours.
    if (groupStyle == gsOffice2013 || groupStyle == gsOffice2016 || is2019)
        if (auto* form = IsRibbonForm(Parent()) ? dynamic_cast<IRujTones*>(Parent()) : nullptr)
            form->SetColorTones(X);

    if (groupStyle == gsOffice2013 || groupStyle == gsOffice2016) {
        RibbonTones.Background = {T.Background.BrushColor, T.Background.BrushColor, B.Background.TextColor};
        RibbonTones.Hover = X.Hover;
        RibbonTones.Selected = X.Selected;
    } else if (is2019) {
        RibbonTones.Background = {B.Background.BrushColor, B.Background.BrushColor, B.Background.TextColor};
        RibbonTones.Hover = B.Hover;
        RibbonTones.Selected = {B.Selected.BrushColor, B.Selected.BrushColor, B.Selected.TextColor};
    }
    AppButtonTones.Background.BrushColor = A.AppButtonColor();
    AppButtonTones.Background.TextColor = A.TextColor();
    AppButtonTones.Hover.BrushColor = A.AppButtonHoverColor();
    AppButtonTones.Hover.BorderColor = A.HoverBorderColor();
    AppButtonTones.Selected.BrushColor = A.AppButtonColor();
    AppButtonTones.Selected.BorderColor = A.SelectedBorderColor();
    AppButtonTones.Selected.TextColor = A.SelectedTextColor();

    SendToShapeButton(TToolBarMessage::SetOffice2013, 1);
    if (TRurPage* page = ActivePage())
        page->Invalidate();
    if (remeasure)
        InitTabs();
    RelayoutAfterTones();
    FItonesBeingSet = false;
}

// The caption band's text background takes the flat caption colours over the styler's font and
// extended text colour; container lines become flat lines in the border colour.
void TRurToolBarPager::ToneCaptionBandAndContainers(TColor lineColor)
{
    if (FCurrentToolBarStyler) {
        FPagerCaption->Assign(FCurrentToolBarStyler->PagerCaption());
        FContainerAppearance->Assign(FCurrentToolBarStyler->ContainerAppearance());
    }
    for (auto set : {&TVistaTextBackground::SetColor, &TVistaTextBackground::SetColorTo,
                     &TVistaTextBackground::SetColorMirror, &TVistaTextBackground::SetColorMirrorTo})
        (FPagerCaption.get()->*set)(FCaptionAppearance->CaptionColor());
    FPagerCaption->SetBorderColor(FCaptionAppearance->CaptionColor());
    FPagerCaption->SetTextColor(FCaptionAppearance->CaptionTextColor());
    FContainerAppearance->SetLineColor(lineColor);
    FContainerAppearance->SetLine3D(false);
    FOfficeToneAppearances = {FPageAppearance.get(),    FTabAppearance.get(),       FGroupAppearance.get(),
                              FCaptionAppearance.get(), FGlowButtonAppearance.get(), FPagerCaption.get(),
                              FContainerAppearance.get()};
}

void TRurToolBarPager::ToneQuickAccessToolBar(TColor color, const TColorTones& tones)
{
    if (!FQuickAccessToolBar)
        return;
    FQuickAccessToolBar->SetColor(color);
    FQuickAccessToolBar->ApplyColorTones(tones);
    FQuickAccessToolBar->UpdateLayout();
}

const TOfficeToneAppearances* TRurToolBarPager::OfficeToneAppearances() const
{
    return FOfficeToneAppearances.PageAppearance ? &FOfficeToneAppearances : nullptr;
}

void TRurToolBarPager::UpdateQAT()
{
    if (!FQuickAccessToolBar)
        return;
    FQuickAccessToolBar->ApplyStylerAppearance();
    FQuickAccessToolBar->Invalidate();
}

void TRurToolBarPager::ClearOfficeTones()
{
    FOfficeToneAppearances = {};
    FOffice2013 = false;
    FGroupStyle = gsClassic;
    FItones = false;
    SendToShapeButton(TToolBarMessage::SetOffice2013, 0);
}
