#pragma once
// The colour scheme that dock panels, toolbars and ribbon pagers register with and paint with: the
// body gradients, borders, caption colours and font, drag grip, right handle, background picture
// and button colours. Registered controls hear of every change by a numeric code (1 background
// and font, 2 colours, 5 drag-grip style, 6 menu styler, 7 glow-button appearance, 11 system
// buttons); the styler never paints.
#include <memory>

#include "Classes.h"
#include "ExtCtrls.h"
#include "Graphics.h"
#include "RurStyleIF.h"
#include "RurToolBar_Appearances.h"
#include "RurToolBar_ButtonAppearance.h"
#include "RurToolBar_Lists.h"

class TControl;

class TCustomRurToolBarStyler : public TComponent {
    TAVIN_CLASS(TCustomRurToolBarStyler, TComponent)
public:
    explicit TCustomRurToolBarStyler(TComponent* owner);
    ~TCustomRurToolBarStyler() override;

    // The colours of buttons that follow their toolbar's styler; it reports to no one by itself.
    TButtonAppearance* ButtonAppearance() const { return FButtonAppearance.get(); }
    void SetButtonAppearance(TButtonAppearance* value) { FButtonAppearance->Assign(value); }

    // The toolbar body and its hot form (a hot Color of clNone keeps the hover look off); a change
    // inside Color or DockColor reaches the controls as code 2, assigning them does not.
    TVistaGradientBackground* Color() const { return FColor.get(); }
    void SetColor(TVistaGradientBackground* value) { FColor->Assign(value); }
    TVistaGradientBackground* ColorHot() const { return FColorHot.get(); }
    void SetColorHot(TVistaGradientBackground* value) { FColorHot->Assign(value); }
    // The dock panel's background, and a full-size toolbar's.
    TGradientBackground* DockColor() const { return FDockColor.get(); }
    void SetDockColor(TGradientBackground* value) { FDockColor->Assign(value); }
    TCaptionAppearance* CaptionAppearance() const { return FCaptionAppearance.get(); }
    void SetCaptionAppearance(TCaptionAppearance* value) { FCaptionAppearance->Assign(value); }
    TFont* CaptionFont() const { return FCaptionFont.get(); }
    void SetCaptionFont(TFont* value);
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* value);

    TBitmap* BackGround() const { return FBackGround.get(); }
    void SetBackGround(TBitmap* value);
    TBackGroundDisplay BackGroundDisplay() const { return FBackGroundDisplay; }
    void SetBackGroundDisplay(TBackGroundDisplay value) { ChangeAndNotify(FBackGroundDisplay, value, 1); }
    // A bitmap drawn stretched instead of the grip or right handle when not empty.
    TBitmap* DragGripImage() const { return FDragGripImage.get(); }
    void SetDragGripImage(TBitmap* value) { FDragGripImage->Assign(value); }
    TBitmap* RightHandleImage() const { return FRightHandleImage.get(); }
    void SetRightHandleImage(TBitmap* value);

    TDragGripStyle DragGripStyle() const { return FDragGripStyle; }
    void SetDragGripStyle(TDragGripStyle value) { ChangeAndNotify(FDragGripStyle, value, 5); }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value) { ChangeAndNotify(FBorderColor, value, 2); }
    TColor BorderColorHot() const { return FBorderColorHot; }
    void SetBorderColorHot(TColor value) { ChangeAndNotify(FBorderColorHot, value, 2); }
    bool RoundEdges() const { return FRoundEdges; }
    // Always notifies, even of an unchanged value.
    void SetRoundEdges(bool value);
    bool UseBevel() const { return FUseBevel; }
    void SetUseBevel(bool value) { ChangeAndNotify(FUseBevel, value, 2); }
    TBevelCut Bevel() const { return FBevel; }
    void SetBevel(TBevelCut value) { ChangeAndNotify(FBevel, value, 2); }
    // A transparent styler leaves the toolbar body unpainted.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value) { FTransparent = value; }

    TColor RightHandleColor() const { return FRightHandleColor; }
    void SetRightHandleColor(TColor value) { ChangeAndNotify(FRightHandleColor, value, 2); }
    TColor RightHandleColorTo() const { return FRightHandleColorTo; }
    void SetRightHandleColorTo(TColor value) { ChangeAndNotify(FRightHandleColorTo, value, 2); }
    TColor RightHandleColorHot() const { return FRightHandleColorHot; }
    void SetRightHandleColorHot(TColor value) { ChangeAndNotify(FRightHandleColorHot, value, 2); }
    TColor RightHandleColorHotTo() const { return FRightHandleColorHotTo; }
    void SetRightHandleColorHotTo(TColor value) { ChangeAndNotify(FRightHandleColorHotTo, value, 2); }
    TColor RightHandleColorDown() const { return FRightHandleColorDown; }
    void SetRightHandleColorDown(TColor value) { ChangeAndNotify(FRightHandleColorDown, value, 2); }
    TColor RightHandleColorDownTo() const { return FRightHandleColorDownTo; }
    void SetRightHandleColorDownTo(TColor value) { ChangeAndNotify(FRightHandleColorDownTo, value, 2); }
    TColor FloatingWindowBorderColor() const { return FFloatingWindowBorderColor; }
    void SetFloatingWindowBorderColor(TColor value) { ChangeAndNotify(FFloatingWindowBorderColor, value, 2); }
    int FloatingWindowBorderWidth() const { return FFloatingWindowBorderWidth; }
    void SetFloatingWindowBorderWidth(int value) { ChangeAndNotify(FFloatingWindowBorderWidth, value, 2); }

    // The look the styler is known under; toolbars pass it on to their controls.
    TRujStyle RujStyle() const { return FRujStyle; }
    void SetRujStyle(TRujStyle value) { FRujStyle = value; }

    // A toolbar (or dock panel, or pager) that hears of changes from now on; null is ignored.
    void AddControl(TControl* control);
    void RemoveControl(TControl* control);
    int ControlCount() const { return FControlList.Count(); }
    // Passes the code to every registered control, unless the styler is going, loading or inside
    // an update bracket; one control's exception does not keep the next from hearing it.
    void Changed(int code);
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    template <class T>
    void ChangeAndNotify(T& field, const T& value, int code)
    {
        if (field != value) {
            field = value;
            Changed(code);
        }
    }

    std::unique_ptr<TButtonAppearance> FButtonAppearance;
    std::unique_ptr<TVistaGradientBackground> FColor, FColorHot;
    std::unique_ptr<TGradientBackground> FDockColor;
    std::unique_ptr<TCaptionAppearance> FCaptionAppearance;
    std::unique_ptr<TFont> FCaptionFont, FFont;
    std::unique_ptr<TBitmap> FBackGround, FDragGripImage, FRightHandleImage;
    TBackGroundDisplay FBackGroundDisplay = bdTile;
    TDragGripStyle FDragGripStyle = dsDots;
    TColor FBorderColor = clNone, FBorderColorHot = clNone;
    bool FRoundEdges = true, FUseBevel = false, FTransparent = false;
    TBevelCut FBevel = bvNone;
    TColor FRightHandleColor = 0x9E9E9E, FRightHandleColorTo = 0, FRightHandleColorHot = 0xD2BDB6,
           FRightHandleColorHotTo = 0, FRightHandleColorDown = 0x76C1FF, FRightHandleColorDownTo = 0x2DA0FF;
    TColor FFloatingWindowBorderColor = 0x6D6D6D;
    int FFloatingWindowBorderWidth = 2;
    TRujStyle FRujStyle = tsOffice2003Blue;
    TDbgList FControlList;
    int FUpdateCount = 0;
};
