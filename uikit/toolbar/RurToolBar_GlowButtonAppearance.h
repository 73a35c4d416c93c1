#pragma once
// The colour set of a glow button in each of its states (normal, hot, down, checked, disabled):
// an upper half from Color to ColorTo, a lower half from ColorMirrorTo to ColorMirror, a border,
// the two halves' gradient kinds and the text colours. The toolbar styler owns two (toolbar glow
// buttons and compact toolbars) and fills them from its presets.
#include "RurToolBar_AppearanceBase.h"
#include "RurToolBar_Types.h"

// The colours and gradient kinds whose setters compare and notify (the text colours included).
#define RUR_GLOW_COLOURS(X)                                                                                \
    X(BorderColor) X(BorderColorHot) X(BorderColorDown) X(BorderColorDisabled) X(BorderColorChecked)      \
    X(BorderColorFocused) X(Color) X(ColorTo) X(ColorDown) X(ColorDownTo) X(ColorHot) X(ColorHotTo)       \
    X(ColorChecked) X(ColorCheckedTo) X(ColorDisabled) X(ColorDisabledTo) X(ColorMirror) X(ColorMirrorTo) \
    X(ColorMirrorHot) X(ColorMirrorHotTo) X(ColorMirrorDown) X(ColorMirrorDownTo) X(ColorMirrorChecked)   \
    X(ColorMirrorCheckedTo) X(ColorMirrorDisabled) X(ColorMirrorDisabledTo) X(TextColor) X(TextColorHot)  \
    X(TextColorDown) X(TextColorChecked)
#define RUR_GLOW_GRADIENTS(X)                                                                              \
    X(Gradient) X(GradientMirror) X(GradientHot) X(GradientMirrorHot) X(GradientDown) X(GradientMirrorDown) \
    X(GradientChecked) X(GradientMirrorChecked) X(GradientDisabled) X(GradientMirrorDisabled)
#define RUR_GLOW_COLOUR_PROPERTY(Name) RUR_TB_NOTIFYING(TColor, Name)
#define RUR_GLOW_GRADIENT_PROPERTY(Name) RUR_TB_NOTIFYING(TGDIPGradient, Name)

class TGlowButtonAppearance : public TNotifyPersistent {
    TAVIN_PUBLISHED_CLASS(TGlowButtonAppearance, TNotifyPersistent)
public:
    TGlowButtonAppearance() = default;
    // From another glow-button appearance, through the setters (a change notifies); none is
    // ignored; any other class raises.
    void Assign(const TPersistent* source) override;

    RUR_GLOW_COLOURS(RUR_GLOW_COLOUR_PROPERTY)
    RUR_GLOW_GRADIENTS(RUR_GLOW_GRADIENT_PROPERTY)
    RUR_TB_STORED(TColor, BorderColorCheckedHot)
    RUR_TB_STORED(TColor, TextColorDisabled)
    RUR_TB_NOTIFYING(bool, SystemFont)
    // Hover drawn see-through, and no border but while the pointer is on the button; written
    // without notification.
    RUR_TB_STORED(bool, TranspHover)
    RUR_TB_STORED(bool, NoBorderDefault)

private:
    TColor FBorderColor = clSilver, FBorderColorHot = 0xFF0000, FBorderColorDown = 0x800000,
           FBorderColorDisabled = clGray, FBorderColorChecked = 0xFF0000, FBorderColorCheckedHot = clNone,
           FBorderColorFocused = 0xE4AD89;
    TColor FColor = clWhite, FColorTo = clWhite, FColorMirror = clSilver, FColorMirrorTo = clWhite;
    TColor FColorHot = 0xF5F0E1, FColorHotTo = 0xF9D2B2, FColorMirrorHot = 0xF5C8AD, FColorMirrorHotTo = 0xFFF8F4;
    TColor FColorDown = 0xF5D8CA, FColorDownTo = 0xF9BDA0, FColorMirrorDown = 0xF5B49C, FColorMirrorDownTo = 0xFFDFDC;
    TColor FColorChecked = 0xF5D8CA, FColorCheckedTo = 0xF9BDA0, FColorMirrorChecked = 0xF5B49C,
           FColorMirrorCheckedTo = 0xFFDFDC;
    TColor FColorDisabled = 0xF2F2F2, FColorDisabledTo = 0xF2F2F2, FColorMirrorDisabled = 0xB6B6B6,
           FColorMirrorDisabledTo = 0xF2F2F2;
    TGDIPGradient FGradient = ggVertical, FGradientMirror = ggVertical, FGradientHot = ggRadial,
                  FGradientMirrorHot = ggRadial, FGradientDown = ggRadial, FGradientMirrorDown = ggRadial,
                  FGradientChecked = ggRadial, FGradientMirrorChecked = ggVertical, FGradientDisabled = ggRadial,
                  FGradientMirrorDisabled = ggRadial;
    TColor FTextColor = clNone, FTextColorHot = clBlack, FTextColorDown = clBlack, FTextColorChecked = clBlack,
           FTextColorDisabled = clGray;
    bool FSystemFont = true, FTranspHover = false, FNoBorderDefault = false;
};

// The frame line of toolbar containers.
class TContainerAppearance : public TNotifyPersistent {
    TAVIN_PUBLISHED_CLASS(TContainerAppearance, TNotifyPersistent)
public:
    TContainerAppearance() = default;
    // From another container appearance through the setters; none is ignored; another class raises.
    void Assign(const TPersistent* source) override;

    RUR_TB_NOTIFYING(TColor, LineColor)
    RUR_TB_NOTIFYING(bool, Line3D)

private:
    TColor FLineColor = clBtnShadow;
    bool FLine3D = true;
};
