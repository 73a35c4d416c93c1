#pragma once
// The item of a toolbar in menu-bar mode: the toolbar makes one per top-level item of its main
// menu, binds the item to it and lets it open the item's sub-menu. A press opens the menu (the
// press that closed it does not reopen it); its face follows its toolbar styler's button colours,
// copied into its own Appearance at every paint, and in a menu bar the menu styler's root item
// (normal, hover and selected colours, font); it shows the down look while its menu drops and a
// frame open at the bottom while a drop-down menu of its own is open.
#include "RurToolBar_Button.h"

class TRootItem;

class TRurToolBarMenuButton : public TRurCustomToolBarButton {
    TAVIN_PUBLISHED_CLASS(TRurToolBarMenuButton, TRurCustomToolBarButton)
public:
    explicit TRurToolBarMenuButton(TComponent* owner);
    bool IsMenuButton() const override { return true; }

protected:
    void DrawButtonFace(TCanvas* canvas) override;

private:
    // The current menu styler's root item while the toolbar shows a main menu; none otherwise.
    const TRootItem* MenuBarRootItem() const;
    // The open-bottom frame drawn while a drop-down menu of the button is open.
    void DrawOpenMenuFrame(TCanvas* canvas, const TRect& main, const TRect& drop);
    // The small filled triangle of the drop-down part.
    void DrawArrow(TCanvas* canvas, const TRect& drop, TColor color);
};
