#pragma once
// The colour objects of the docking toolbar, its dock panel, its caption and the ribbon (groups,
// pages, caption bar, quick-access toolbar, application button, caption-button hints). The stylers
// own most of them and fill them through their setters when a preset is chosen; painters read
// them. Each reports a change through its one OnChange. A property that holds another of these
// objects owns it: its setter copies the given object in.
#include <memory>

#include "Graphics.h"
#include "RurToolBar_AppearanceBase.h"
#include "RurToolBar_Types.h"

class TCustomTabAppearance;

// A two-colour stepped gradient. Every assignment notifies, even of an unchanged value.
class TGradientBackground : public TNotifyPersistent {
    TAVIN_PUBLISHED_CLASS(TGradientBackground, TNotifyPersistent)
public:
    TGradientBackground() = default;
    // From another gradient background, silently; any other source is ignored.
    void Assign(const TPersistent* source) override;

    RUR_TB_ALWAYS_NOTIFYING(int, Steps)
    RUR_TB_ALWAYS_NOTIFYING(TColor, Color)
    RUR_TB_ALWAYS_NOTIFYING(TColor, ColorTo)
    RUR_TB_ALWAYS_NOTIFYING(TGradientDirection, Direction)

private:
    int FSteps = 64;
    TColor FColor = clWhite;
    TColor FColorTo = clBtnFace;
    TGradientDirection FDirection = gdHorizontal;
};

// The mirror (lower) half of a two-half background.
class TMirrorGradient : public TNotifyPersistent {
    TAVIN_PUBLISHED_CLASS(TMirrorGradient, TNotifyPersistent)
public:
    TMirrorGradient() = default;
    // Any source but another mirror gradient, none included, raises.
    void Assign(const TPersistent* source) override;

    RUR_TB_NOTIFYING(TColor, ColorTo)
    RUR_TB_NOTIFYING(TColor, Color)
    RUR_TB_NOTIFYING(TColor, ColorMirrorTo)
    RUR_TB_NOTIFYING(TColor, ColorMirror)

private:
    TColor FColorTo = clBtnFace;
    TColor FColor = clWhite;
    TColor FColorMirrorTo = 0xFFF4E3;
    TColor FColorMirror = 0xEDD9C8;
};

// A gradient background with its mirror half; a change of the mirror is not reported.
class TVistaGradientBackground : public TGradientBackground {
    TAVIN_PUBLISHED_CLASS(TVistaGradientBackground, TGradientBackground)
public:
    TVistaGradientBackground();
    void Assign(const TPersistent* source) override;

    TMirrorGradient* Mirror() const { return FMirror.get(); }
    void SetMirror(TMirrorGradient* value) { FMirror->Assign(value); }

private:
    std::unique_ptr<TMirrorGradient> FMirror;
};

// The two-half background of the Vista painters.
class TVistaBackground : public TNotifyPersistent {
    TAVIN_PUBLISHED_CLASS(TVistaBackground, TNotifyPersistent)
public:
    TVistaBackground() = default;
    // None does nothing; another class raises.
    void Assign(const TPersistent* source) override;

    RUR_TB_NOTIFYING(int, Steps)
    RUR_TB_NOTIFYING(TColor, Color)
    RUR_TB_NOTIFYING(TColor, ColorTo)
    RUR_TB_NOTIFYING(TColor, ColorMirror)
    RUR_TB_NOTIFYING(TColor, ColorMirrorTo)
    RUR_TB_NOTIFYING(TColor, BorderColor)
    RUR_TB_NOTIFYING(TGDIPGradient, GradientMirror)
    RUR_TB_NOTIFYING(TGDIPGradient, Gradient)
    // Published by the page background; written without notification.
    RUR_TB_STORED(TColor, ShadowColor)
    RUR_TB_STORED(TColor, HighLightColor)

private:
    int FSteps = 64;
    TColor FColor = clWhite;
    TColor FColorTo = clWhite;
    TColor FColorMirror = clSilver;
    TColor FColorMirrorTo = clWhite;
    TColor FBorderColor = clGray;
    TGDIPGradient FGradientMirror = ggVertical;
    TGDIPGradient FGradient = ggVertical;
    TColor FShadowColor = 0xC4AA96;
    TColor FHighLightColor = 0xFDF9CE;
};

class TVistaPageBackground : public TVistaBackground {
    TAVIN_PUBLISHED_CLASS(TVistaPageBackground, TVistaBackground)
public:
    TVistaPageBackground() = default;
};

// A two-half background with text colours and a caption font.
class TVistaTextBackground : public TVistaBackground {
    TAVIN_PUBLISHED_CLASS(TVistaTextBackground, TVistaBackground)
public:
    TVistaTextBackground();
    void Assign(const TPersistent* source) override;

    RUR_TB_NOTIFYING(TColor, TextColor)
    RUR_TB_NOTIFYING(TColor, TextColorExtended)
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* value) { FFont->Assign(value); }
    bool SystemFont() const { return FSystemFont; }
    void SetSystemFont(bool value) { StoreSystemFont(FSystemFont, value, FFont.get()); }

private:
    TColor FTextColor = clBlue;
    std::unique_ptr<TFont> FFont;
    bool FSystemFont = true;
    TColor FTextColorExtended = clGray;
};

// A toolbar caption's colours, normal and hot.
class TCaptionAppearance : public TNotifyPersistent {
    TAVIN_PUBLISHED_CLASS(TCaptionAppearance, TNotifyPersistent)
public:
    TCaptionAppearance() = default;
    // None does nothing; another class raises.
    void Assign(const TPersistent* source) override;

    RUR_TB_NOTIFYING(TColor, CaptionTextColorHot)
    RUR_TB_NOTIFYING(TColor, CaptionTextColor)
    RUR_TB_NOTIFYING(TColor, CaptionBorderColorHot)
    RUR_TB_NOTIFYING(TColor, CaptionColorHot)
    RUR_TB_NOTIFYING(TColor, CaptionColorTo)
    RUR_TB_NOTIFYING(TColor, CaptionColor)
    RUR_TB_NOTIFYING(TColor, CaptionColorHotTo)
    RUR_TB_NOTIFYING(TColor, CaptionBorderColor)

private:
    TColor FCaptionTextColorHot = clWhite;
    TColor FCaptionTextColor = clWhite;
    TColor FCaptionBorderColorHot = clNone;
    TColor FCaptionColorHot = clNone;
    TColor FCaptionColorTo = clNone;
    TColor FCaptionColor = clGray;
    TColor FCaptionColorHotTo = clNone;
    TColor FCaptionBorderColor = clNone;
};

// The look of a toolbar on a ribbon page. Changes inside its two gradients are not reported.
class TToolBarAppearance : public TNotifyPersistent {
    TAVIN_PUBLISHED_CLASS(TToolBarAppearance, TNotifyPersistent)
public:
    TToolBarAppearance();
    // Any source but another toolbar appearance, none included, raises.
    void Assign(const TPersistent* source) override;

    RUR_TB_NOTIFYING(TColor, BorderColorHot)
    RUR_TB_NOTIFYING(TColor, BorderColor)
    TGradientBackground* Color() const { return FColor.get(); }
    void SetColor(TGradientBackground* value) { FColor->Assign(value); }
    TGradientBackground* ColorHot() const { return FColorHot.get(); }
    void SetColorHot(TGradientBackground* value) { FColorHot->Assign(value); }

private:
    TColor FBorderColorHot = clNone;
    TColor FBorderColor = clNone;
    std::unique_ptr<TGradientBackground> FColor, FColorHot;
};

// The look of a ribbon group and of the parts drawn with it; a change of its caption, page,
// toolbar or tab appearance is reported as its own.
class TGroupAppearance : public TNotifyPersistent {
    TAVIN_PUBLISHED_CLASS(TGroupAppearance, TNotifyPersistent)
public:
    TGroupAppearance();
    ~TGroupAppearance() override;
    // None does nothing; another class raises.
    void Assign(const TPersistent* source) override;

    int Steps() const { return FSteps; }
    RUR_TB_NOTIFYING(TColor, Color)
    RUR_TB_NOTIFYING(TColor, ColorTo)
    RUR_TB_NOTIFYING(TColor, ColorMirror)
    RUR_TB_NOTIFYING(TColor, ColorMirrorTo)
    RUR_TB_NOTIFYING(TColor, BorderColor)
    RUR_TB_NOTIFYING(TGDIPGradient, GradientMirror)
    RUR_TB_NOTIFYING(TGDIPGradient, Gradient)
    RUR_TB_NOTIFYING(TColor, TextColor)
    RUR_TB_NOTIFYING(TColor, Background)
    TCaptionAppearance* CaptionAppearance() const { return FCaptionAppearance.get(); }
    void SetCaptionAppearance(TCaptionAppearance* value) { FCaptionAppearance->Assign(value); }
    TVistaPageBackground* PageAppearance() const { return FPageAppearance.get(); }
    void SetPageAppearance(TVistaPageBackground* value) { FPageAppearance->Assign(value); }
    TToolBarAppearance* ToolBarAppearance() const { return FToolBarAppearance.get(); }
    void SetToolBarAppearance(TToolBarAppearance* value) { FToolBarAppearance->Assign(value); }
    TCustomTabAppearance* TabAppearance() const { return FTabAppearance.get(); }
    void SetTabAppearance(TCustomTabAppearance* value);
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* value) { FFont->Assign(value); }
    bool SystemFont() const { return FSystemFont; }
    void SetSystemFont(bool value) { StoreSystemFont(FSystemFont, value, FFont.get()); }

private:
    void PartChanged(TObject* sender);

    int FSteps = 64;
    TColor FColor = clWhite;
    TColor FColorTo = clWhite;
    TColor FColorMirror = clSilver;
    TColor FColorMirrorTo = clWhite;
    TColor FBorderColor = 0xA3B8AC;
    TGDIPGradient FGradientMirror = ggVertical;
    TGDIPGradient FGradient = ggVertical;
    TColor FTextColor = clBlue;
    std::unique_ptr<TCaptionAppearance> FCaptionAppearance;
    std::unique_ptr<TVistaPageBackground> FPageAppearance;
    std::unique_ptr<TToolBarAppearance> FToolBarAppearance;
    std::unique_ptr<TCustomTabAppearance> FTabAppearance;
    std::unique_ptr<TFont> FFont;
    bool FSystemFont = true;
    TColor FBackground = clInfoBk;
};

// The quick-access toolbar's colours, normal and full size (below the ribbon). Its OnChange is set
// by its owner and not published.
class TQATAppearance : public TNotifyPersistent {
    TAVIN_PUBLISHED_CLASS(TQATAppearance, TNotifyPersistent)
public:
    TQATAppearance() = default;
    // None does nothing; another class raises. Steps is not copied.
    void Assign(const TPersistent* source) override;

    RUR_TB_NOTIFYING(TColor, FullSizeColorTo)
    RUR_TB_NOTIFYING(TColor, FullSizeColor)
    RUR_TB_NOTIFYING(TColor, FullSizeBorderColor)
    RUR_TB_NOTIFYING(int, Steps)
    RUR_TB_NOTIFYING(TColor, Color)
    RUR_TB_NOTIFYING(TColor, ColorTo)
    RUR_TB_NOTIFYING(TColor, BorderColor)

private:
    TColor FFullSizeColorTo = 0xE3B28D;
    TColor FFullSizeColor = 0xC59F81;
    TColor FFullSizeBorderColor = clBlack;
    int FSteps = 64;
    TColor FColor = clWhite;
    TColor FColorTo = clSilver;
    TColor FBorderColor = clGray;
};

// Hint texts of the ribbon's caption buttons.
class TPagerHints : public TNotifyPersistent {
    TAVIN_PUBLISHED_CLASS(TPagerHints, TNotifyPersistent)
public:
    TPagerHints() = default;
    // From other pager hints; any other source is ignored.
    void Assign(const TPersistent* source) override;

    RUR_TB_NOTIFYING(String, MDIMaximizeBtnHint)
    RUR_TB_NOTIFYING(String, MDIMinimizeBtnHint)
    RUR_TB_NOTIFYING(String, MDICloseBtnHint)
    RUR_TB_NOTIFYING(String, HelpBtnHint)

private:
    String FMDIMaximizeBtnHint = u"Maximize";
    String FMDIMinimizeBtnHint = u"Minimize";
    String FMDICloseBtnHint = u"Close";
    String FHelpBtnHint = u"Help";
};

// Colours of the ribbon's application button and its menu items.
class TAppColor : public TNotifyPersistent {
    TAVIN_PUBLISHED_CLASS(TAppColor, TNotifyPersistent)
public:
    TAppColor() = default;
    // From another application colour set, all but HoverBorderColor; any other source is ignored.
    void Assign(const TPersistent* source) override;

    RUR_TB_NOTIFYING(TColor, TextColor)
    RUR_TB_NOTIFYING(TColor, HoverTextColor)
    RUR_TB_NOTIFYING(TColor, HoverColor)
    RUR_TB_NOTIFYING(TColor, HoverBorderColor)
    RUR_TB_NOTIFYING(TColor, SelectedColor)
    RUR_TB_NOTIFYING(TColor, SelectedBorderColor)
    RUR_TB_NOTIFYING(TColor, SelectedTextColor)
    RUR_TB_NOTIFYING(TColor, AppButtonColor)
    RUR_TB_NOTIFYING(TColor, AppButtonHoverColor)

private:
    TColor FTextColor = clWhite;
    TColor FHoverTextColor = clBlack;
    TColor FHoverColor = 0xF7E6CD;
    TColor FHoverBorderColor = 0xE7BE7A;
    TColor FSelectedColor = 0xE7BE7A;
    TColor FSelectedBorderColor = 0xE7BE7A;
    TColor FSelectedTextColor = clBlack;
    TColor FAppButtonColor = 0xE29E00;
    TColor FAppButtonHoverColor = 0xFFAC3C;
};
