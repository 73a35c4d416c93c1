#pragma once
// Panels, images and the colour pickers (a combo box and a list box of named colours).
#include <vector>

#include "Controls.h"
#include "StdCtrls.h"
#include "Timers.h"

TAVIN_ENUM(TBevelCut, bvNone, bvLowered, bvRaised, bvSpace)

class TPanel : public TCustomControl {
    TAVIN_PUBLISHED_CLASS(TPanel, TCustomControl)
public:
    explicit TPanel(TComponent* owner);
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut value) { FBevelOuter = value; Invalidate(); }
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut value) { FBevelInner = value; Invalidate(); }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value) { FAlignment = value; Invalidate(); }

protected:
    void Paint() override;

private:
    TBevelCut FBevelOuter = bvRaised;
    TBevelCut FBevelInner = bvNone;
    TAlignment FAlignment = taCenter;
};

class TImage : public TGraphicControl {
    TAVIN_PUBLISHED_CLASS(TImage, TGraphicControl)
public:
    explicit TImage(TComponent* owner);
    ~TImage() override;
    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(TPicture* value) { FPicture->Assign(value); }
    bool Center() const { return FCenter; }
    void SetCenter(bool value) { FCenter = value; Invalidate(); }
    bool Proportional() const { return FProportional; }
    void SetProportional(bool value) { FProportional = value; Invalidate(); }
    bool Stretch() const { return FStretch; }
    void SetStretch(bool value) { FStretch = value; Invalidate(); }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    // Where the picture is drawn inside the control.
    TRect DestRect() const;

protected:
    void Paint() override;

private:
    void PictureChanged(TObject*);
    std::unique_ptr<TPicture> FPicture;
    bool FCenter = false, FProportional = false, FStretch = false, FTransparent = false;
};

TAVIN_ENUM(TColorBoxStyleItem, cbStandardColors, cbExtendedColors, cbSystemColors, cbIncludeNone, cbIncludeDefault,
           cbCustomColor, cbPrettyNames, cbCustomColors)
using TColorBoxStyle = TSet<TColorBoxStyleItem>;

struct TNamedColor {
    String Name;
    TColor Color;
};

// The colours a colour picker of the style lists, in order: "Custom..." (its colour is the last
// one picked), "Default", "None", the standard, extended and system colours.
std::vector<TNamedColor> ColorBoxColors(TColorBoxStyle style, TColor customColor, TColor defaultColor,
                                        TColor noneColor);

// The named colours of a picker and the items that show them.
class TColorPickerItems {
public:
    void Populate(TStrings* items, TColorBoxStyle style, TColor customColor, TColor defaultColor, TColor noneColor);
    int Count() const { return static_cast<int>(FColors.size()); }
    // Out of range reads clBlack.
    TColor Color(int index) const;
    // The first item of the colour, -1 when none.
    int IndexOf(TColor color) const;

private:
    std::vector<TColor> FColors;
};

class TCustomColorBox : public TCustomComboBox {
    TAVIN_CLASS(TCustomColorBox, TCustomComboBox)
public:
    explicit TCustomColorBox(TComponent* owner);
    void WndProc(TMessage& message) override;
    TColorBoxStyle ColorStyle() const { return FColorStyle; }
    void SetColorStyle(TColorBoxStyle value);
    // The colour of the selected item (clBlack when none is selected).
    TColor Selected() const { return FColors.Color(ItemIndex()); }
    void SetSelected(TColor value);
    int ColorCount() const { return FColors.Count(); }
    TColor Colors(int index) const { return FColors.Color(index); }
    String ColorNames(int index) const { return Items()->Strings(index); }
    TColor DefaultColorColor() const { return FDefaultColorColor; }
    void SetDefaultColorColor(TColor value);
    TColor NoneColorColor() const { return FNoneColorColor; }
    void SetNoneColorColor(TColor value);

protected:
    void PopulateList();

private:
    TColorPickerItems FColors;
    TColorBoxStyle FColorStyle{cbStandardColors, cbExtendedColors, cbSystemColors};
    TColor FDefaultColorColor = clBlack;
    TColor FNoneColorColor = clBlack;
};

class TColorBox : public TCustomColorBox {
    TAVIN_PUBLISHED_CLASS(TColorBox, TCustomColorBox)
public:
    using TCustomColorBox::TCustomColorBox;
};

class TCustomColorListBox : public TCustomListBox {
    TAVIN_CLASS(TCustomColorListBox, TCustomListBox)
public:
    explicit TCustomColorListBox(TComponent* owner);
    void WndProc(TMessage& message) override;
    TColorBoxStyle ColorStyle() const { return FColorStyle; }
    void SetColorStyle(TColorBoxStyle value);
    TColor Selected() const { return FColors.Color(ItemIndex()); }
    void SetSelected(TColor value);
    int ColorCount() const { return FColors.Count(); }
    TColor Colors(int index) const { return FColors.Color(index); }
    String ColorNames(int index) const { return Items()->Strings(index); }

protected:
    void PopulateList();

private:
    TColorPickerItems FColors;
    TColorBoxStyle FColorStyle{cbStandardColors, cbExtendedColors, cbSystemColors};
};

class TColorListBox : public TCustomColorListBox {
    TAVIN_PUBLISHED_CLASS(TColorListBox, TCustomColorListBox)
public:
    using TCustomColorListBox::TCustomColorListBox;
};

void ExtCtrlsUnitInitialize();
inline constexpr TUnitStep ExtCtrlsUnit{"ExtCtrls", &ExtCtrlsUnitInitialize, nullptr};
