#pragma once
// The colour scheme that dock panels, toolbars and ribbon pagers register with and paint with:
// backgrounds, borders, handle colours, caption colours and fonts, pictures and button colours.
// The styler never paints; registered controls hear of every change by a numeric code (1
// background and font, 2 colours, 5 drag-grip style, 6 menu styler, 7 glow buttons, 11 caption
// bar).
#include <memory>

#include "Classes.h"
#include "ExtCtrls.h"
#include "Graphics.h"
#include "RurStyleIF.h"
#include "RurToolBar_Appearances.h"
#include "RurToolBar_ButtonAppearance.h"
#include "RurToolBar_Lists.h"

class TControl;

TAVIN_ENUM(TBackGroundDisplay, bdTile, bdCenter, bdStretch)
TAVIN_ENUM(TDragGripStyle, dsDots, dsSingleLine, dsDoubleLine, dsFlatDots, dsNone)

// A value of the styler itself whose setter stores a different value and sends the code.
#define RUR_STYLER_VALUE(Type, Name, Code)                                                                 \
    Type Name() const { return F##Name; }                                                                  \
    void Set##Name(Type value)                                                                             \
    {                                                                                                      \
        if (F##Name != value) {                                                                            \
            F##Name = value;                                                                               \
            Changed(Code);                                                                                 \
        }                                                                                                  \
    }
// An owned object whose setter copies the given one in and sends nothing itself.
#define RUR_STYLER_OBJECT(Type, Name)                                                                      \
    Type* Name() const { return F##Name.get(); }                                                           \
    void Set##Name(const Type* value) { F##Name->Assign(value); }

class TCustomRurToolBarStyler : public TComponent {
    TAVIN_CLASS(TCustomRurToolBarStyler, TComponent)
public:
    explicit TCustomRurToolBarStyler(TComponent* owner);
    ~TCustomRurToolBarStyler() override;

    RUR_STYLER_OBJECT(TButtonAppearance, ButtonAppearance)
    RUR_STYLER_OBJECT(TCaptionAppearance, CaptionAppearance)
    RUR_STYLER_OBJECT(TVistaGradientBackground, Color)
    RUR_STYLER_OBJECT(TVistaGradientBackground, ColorHot)
    RUR_STYLER_OBJECT(TGradientBackground, DockColor)
    RUR_STYLER_OBJECT(TBitmap, DragGripImage)

    TBitmap* BackGround() const { return FBackGround.get(); }
    void SetBackGround(const TBitmap* value);
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* value);
    TFont* CaptionFont() const { return FCaptionFont.get(); }
    void SetCaptionFont(const TFont* value);
    TBitmap* RightHandleImage() const { return FRightHandleImage.get(); }
    void SetRightHandleImage(const TBitmap* value);

    RUR_STYLER_VALUE(TBackGroundDisplay, BackGroundDisplay, 1)
    RUR_STYLER_VALUE(TColor, BorderColor, 2)
    RUR_STYLER_VALUE(TColor, BorderColorHot, 2)
    RUR_STYLER_VALUE(TDragGripStyle, DragGripStyle, 5)
    RUR_STYLER_VALUE(TColor, FloatingWindowBorderColor, 2)
    RUR_STYLER_VALUE(int, FloatingWindowBorderWidth, 2)
    RUR_STYLER_VALUE(TColor, RightHandleColor, 2)
    RUR_STYLER_VALUE(TColor, RightHandleColorTo, 2)
    RUR_STYLER_VALUE(TColor, RightHandleColorHot, 2)
    RUR_STYLER_VALUE(TColor, RightHandleColorHotTo, 2)
    RUR_STYLER_VALUE(TColor, RightHandleColorDown, 2)
    RUR_STYLER_VALUE(TColor, RightHandleColorDownTo, 2)
    RUR_STYLER_VALUE(bool, UseBevel, 2)
    RUR_STYLER_VALUE(TBevelCut, Bevel, 2)

    // Stored, and code 2 even for the same value.
    bool RoundEdges() const { return FRoundEdges; }
    void SetRoundEdges(bool value);
    // The shared style the toolbars pass to their child controls.
    TRujStyle RujStyle() const { return FRujStyle; }
    // A transparent styler leaves the toolbar body unpainted.
    bool Transparent() const { return FTransparent; }

    // A toolbar (or dock panel, or pager) that hears of changes from now on; null is ignored.
    void AddControl(TControl* control);
    void RemoveControl(TControl* control);
    int ControlCount() const { return FControlList.Count(); }
    void BeginUpdate() { ++FUpdateCount; }
    // Never below 0; sends nothing itself.
    void EndUpdate();

protected:
    // Passes the code to every registered control, unless the styler is going, loading or inside
    // an update bracket; one control's exception does not keep the next from hearing it.
    void Changed(int code);
    void Notification(TComponent* component, TOperation operation) override;
    // Fields the presets write directly.
    TRujStyle FRujStyle = tsOffice2003Blue;

private:
    std::unique_ptr<TButtonAppearance> FButtonAppearance;
    std::unique_ptr<TCaptionAppearance> FCaptionAppearance;
    std::unique_ptr<TVistaGradientBackground> FColor, FColorHot;
    std::unique_ptr<TGradientBackground> FDockColor;
    std::unique_ptr<TBitmap> FBackGround, FDragGripImage, FRightHandleImage;
    std::unique_ptr<TFont> FFont, FCaptionFont;
    TBackGroundDisplay FBackGroundDisplay = bdTile;
    TDragGripStyle FDragGripStyle = dsDots;
    bool FTransparent = false;
    bool FRoundEdges = true;
    TColor FRightHandleColor = 0x9E9E9E, FRightHandleColorHot = 0xD2BDB6, FRightHandleColorTo = 0,
           FRightHandleColorHotTo = 0, FRightHandleColorDown = 0x76C1FF, FRightHandleColorDownTo = 0x2DA0FF;
    int FFloatingWindowBorderWidth = 2;
    TColor FFloatingWindowBorderColor = 0x6D6D6D;
    TBevelCut FBevel = bvNone;
    TColor FBorderColor = clNone, FBorderColorHot = clNone;
    bool FUseBevel = false;
    TDbgList FControlList;
    int FUpdateCount = 0;
};
