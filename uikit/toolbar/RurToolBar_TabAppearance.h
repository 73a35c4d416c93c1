#pragma once
// The look of ribbon tabs in their normal, hot, selected, disabled and down states, and the
// metrics of the tab row. The toolbar styler owns a TTabAppearance, every ribbon group appearance a
// TCustomTabAppearance, the ribbon pager a TATBTabSettings.
#include <memory>

#include "Graphics.h"
#include "RurToolBar_AppearanceBase.h"
#include "RurToolBar_Appearances.h"
#include "RurToolBar_Types.h"

class TCustomTabAppearance : public TNotifyPersistent {
    TAVIN_PUBLISHED_CLASS(TCustomTabAppearance, TNotifyPersistent)
public:
    TCustomTabAppearance();
    ~TCustomTabAppearance() override;
    // From another tab appearance: every colour and gradient kind, the font with the target's own
    // height kept, the background; only TextColor and TextColorHot (set last but the background)
    // report a change. None or another class does nothing.
    void Assign(const TPersistent* source) override;
    // Every colour becomes clNone, silently; gradient kinds, font and background stay.
    void ClearValues();

    RUR_TB_NOTIFYING(TColor, BorderColor)
    // Written without notification.
    RUR_TB_STORED(TColor, BorderColorHot)
    RUR_TB_NOTIFYING(TColor, Color)
    RUR_TB_NOTIFYING(TColor, ColorTo)
    RUR_TB_NOTIFYING(TColor, ColorHot)
    RUR_TB_NOTIFYING(TColor, ColorHotTo)
    RUR_TB_NOTIFYING(TColor, ColorSelectedTo)
    RUR_TB_NOTIFYING(TColor, BorderColorDisabled)
    RUR_TB_NOTIFYING(TColor, BorderColorSelected)
    RUR_TB_NOTIFYING(TColor, ColorDisabled)
    RUR_TB_NOTIFYING(TColor, ColorDisabledTo)
    RUR_TB_NOTIFYING(TColor, ColorSelected)
    RUR_TB_NOTIFYING(TColor, ColorMirror)
    RUR_TB_NOTIFYING(TColor, ColorMirrorTo)
    RUR_TB_NOTIFYING(TColor, ColorMirrorHot)
    RUR_TB_NOTIFYING(TColor, ColorMirrorHotTo)
    RUR_TB_NOTIFYING(TGDIPGradient, GradientMirror)
    RUR_TB_NOTIFYING(TGDIPGradient, GradientMirrorHot)
    RUR_TB_NOTIFYING(TGDIPGradient, Gradient)
    RUR_TB_NOTIFYING(TGDIPGradient, GradientHot)
    RUR_TB_NOTIFYING(TColor, ColorMirrorDisabledTo)
    RUR_TB_NOTIFYING(TColor, ColorMirrorDisabled)
    RUR_TB_NOTIFYING(TColor, ColorMirrorSelectedTo)
    RUR_TB_NOTIFYING(TColor, ColorMirrorSelected)
    RUR_TB_NOTIFYING(TGDIPGradient, GradientSelected)
    RUR_TB_NOTIFYING(TGDIPGradient, GradientDisabled)
    RUR_TB_NOTIFYING(TGDIPGradient, GradientMirrorSelected)
    RUR_TB_NOTIFYING(TGDIPGradient, GradientMirrorDisabled)
    RUR_TB_NOTIFYING(TColor, TextColorDisabled)
    RUR_TB_NOTIFYING(TColor, TextColorSelected)
    RUR_TB_NOTIFYING(TColor, TextColor)
    RUR_TB_NOTIFYING(TColor, TextColorHot)
    RUR_TB_NOTIFYING(TColor, BorderColorSelectedHot)
    RUR_TB_NOTIFYING(TColor, BorderColorDown)
    // The shadow and the five highlight colours are written without notification.
    RUR_TB_STORED(TColor, ShadowColor)
    RUR_TB_STORED(TColor, HighLightColor)
    RUR_TB_STORED(TColor, HighLightColorSelected)
    RUR_TB_STORED(TColor, HighLightColorDown)
    RUR_TB_STORED(TColor, HighLightColorHot)
    RUR_TB_STORED(TColor, HighLightColorSelectedHot)
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* value) { FFont->Assign(value); }
    bool SystemFont() const { return FSystemFont; }
    void SetSystemFont(bool value) { StoreSystemFont(FSystemFont, value, FFont.get()); }
    // Published by TTabAppearance; a change inside it is reported as the appearance's own.
    TGradientBackground* BackGround() const { return FBackGround.get(); }
    void SetBackGround(TGradientBackground* value) { FBackGround->Assign(value); }

private:
    void BackGroundChanged(TObject* sender);
    // Every colour field, for copying and clearing alike, and every gradient kind.
    static TColor TCustomTabAppearance::* const ColorFields[];
    static TGDIPGradient TCustomTabAppearance::* const GradientFields[];

    TColor FBorderColor = clBtnFace;
    TColor FBorderColorHot = clBlue;
    TColor FColor = clBtnFace;
    TColor FColorTo = clWhite;
    TColor FColorHot = clYellow;
    TColor FColorHotTo = clNone;
    TColor FColorSelectedTo = clBtnFace;
    TColor FBorderColorDisabled = clNone;
    TColor FBorderColorSelected = clBtnFace;
    TColor FColorDisabled = clNone;
    TColor FColorDisabledTo = clNone;
    TColor FColorSelected = clWhite;
    TColor FColorMirror = clWhite;
    TColor FColorMirrorTo = clWhite;
    TColor FColorMirrorHot = clNone;
    TColor FColorMirrorHotTo = clNone;
    TGDIPGradient FGradientMirror = ggVertical;
    TGDIPGradient FGradientMirrorHot = ggVertical;
    TGDIPGradient FGradient = ggVertical;
    TGDIPGradient FGradientHot = ggVertical;
    TColor FColorMirrorDisabledTo = clNone;
    TColor FColorMirrorDisabled = clNone;
    TColor FColorMirrorSelectedTo = clWhite;
    TColor FColorMirrorSelected = clWhite;
    TGDIPGradient FGradientSelected = ggVertical;
    TGDIPGradient FGradientDisabled = ggVertical;
    TGDIPGradient FGradientMirrorSelected = ggVertical;
    TGDIPGradient FGradientMirrorDisabled = ggVertical;
    TColor FTextColorDisabled = clWhite;
    TColor FTextColorSelected = clBlue;
    TColor FTextColor = clBlue;
    TColor FTextColorHot = clBlue;
    std::unique_ptr<TGradientBackground> FBackGround;
    TColor FBorderColorSelectedHot = clNone;
    TColor FBorderColorDown = clNone;
    std::unique_ptr<TFont> FFont;
    bool FSystemFont = true;
    TColor FShadowColor = 0xE8C7AE;
    TColor FHighLightColor = 0xFFFABF;
    TColor FHighLightColorSelected = 0x63CCF8;
    TColor FHighLightColorDown = 0xFFFBD0;
    TColor FHighLightColorHot = 0xFDF4ED;
    TColor FHighLightColorSelectedHot = 0xBDFFFF;
};

class TTabAppearance : public TCustomTabAppearance {
    TAVIN_PUBLISHED_CLASS(TTabAppearance, TCustomTabAppearance)
public:
    TTabAppearance() = default;
};

// The tab row's metrics in pixels at 96 DPI.
class TATBTabSettings : public TNotifyPersistent {
    TAVIN_PUBLISHED_CLASS(TATBTabSettings, TNotifyPersistent)
public:
    TATBTabSettings() = default;
    // From other tab settings through the setters, Spacing excepted; any other source, none
    // included, raises.
    void Assign(const TPersistent* source) override;

    RUR_TB_NOTIFYING(int, LeftMargin)
    RUR_TB_NOTIFYING(int, RightMargin)
    RUR_TB_NOTIFYING(int, Height)
    RUR_TB_NOTIFYING(int, StartMargin)
    RUR_TB_NOTIFYING(int, EndMargin)
    RUR_TB_NOTIFYING(int, Spacing)
    // The smallest spacing and margin the pager shrinks to.
    int MinSpacing() const { return FMinSpacing; }
    int MinMargin() const { return FMinMargin; }
    // The process-wide glass switch: every tab-settings object and painter sees the same value.
    // Writing the other value flips it and fires OnGlassChange (not OnChange).
    bool Glass() const;
    void SetGlass(bool value);
    TNotifyEvent OnGlassChange() const { return FOnGlassChange; }
    void SetOnGlassChange(TNotifyEvent value) { FOnGlassChange = value; }

private:
    int FLeftMargin = 4;
    int FRightMargin = 4;
    int FHeight = 26;
    int FStartMargin = 60;
    int FEndMargin = 0;
    int FSpacing = 4;
    int FMinSpacing = 3;
    int FMinMargin = 3;
    TNotifyEvent FOnGlassChange;
};
