#pragma once
// The toolbar button: a windowless control with a glyph (from its toolbar's image list, a bitmap
// per state, or a picture), an optional caption, an optional drop-down part with an arrow, push,
// check and radio-group behaviour, hot tracking with a grey shade under the hot glyph, and a caption
// that turns on vertical toolbars. Its colours are its own Appearance, or its toolbar styler's
// ButtonAppearance while ParentStyler is on. The menu-bar item is the same class answering
// IsMenuButton.
#include <memory>

#include "ActnList.h"
#include "Menus.h"
#include "RurHintInfo.h"
#include "RurToolBar_ButtonAppearance.h"
#include "RurToolBar_Controls.h"
#include "Timers.h"

class TCustomRurToolBarStyler;

TAVIN_ENUM(TRurToolButtonStyle, tasButton, tasCheck)
// The side of the caption the glyph sits on.
TAVIN_ENUM(TGlyphPosition, gpLeft, gpTop, gpRight, gpBottom)
// rdNormal: a turned caption runs downwards; rdReverse: upwards.
TAVIN_ENUM(TRotateDirection, rdNormal, rdReverse)

class TRurCustomToolBarButton : public TRurCustomToolBarControl {
    TAVIN_CLASS(TRurCustomToolBarButton, TRurCustomToolBarControl)
public:
    explicit TRurCustomToolBarButton(TComponent* owner);
    ~TRurCustomToolBarButton() override;

    void WndProc(TMessage& message) override;
    void Click() override;
    void AdjustSize() override;
    // Put into a toolbar container, the button belongs to the container's toolbar.
    void SetParent(TWinControl* parent) override;

    // ---- State ------------------------------------------------------------------------------------
    TRurButtonState State() const { return FState; }
    bool Down() const { return FDown; }
    // A tasButton without a group is never down; a grouped button cannot release itself unless
    // AllowAllUp.
    void SetDown(bool value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value);
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value);
    TRurToolButtonStyle Style() const { return FStyle; }
    void SetStyle(TRurToolButtonStyle value) { FStyle = value; }
    // The hot flag: set while the mouse is over an enabled button in the up state on a toolbar.
    bool Hot() const { return FPropHot; }
    void SetHot(bool value);
    // Back to the up look with no press, mouse or hot flag (the menu bar's keyboard navigation).
    void ResetState();
    virtual bool IsMenuButton() const { return false; }

    // ---- Glyphs and caption -----------------------------------------------------------------------
    TBitmap* Glyph() const { return FGlyph.get(); }
    // Fills an empty GlyphDisabled with a grey copy of the glyph.
    void SetGlyph(TBitmap* value);
    TBitmap* GlyphHot() const { return FGlyphHot.get(); }
    void SetGlyphHot(TBitmap* value) { FGlyphHot->Assign(value); }
    TBitmap* GlyphDown() const { return FGlyphDown.get(); }
    void SetGlyphDown(TBitmap* value) { FGlyphDown->Assign(value); }
    TBitmap* GlyphDisabled() const { return FGlyphDisabled.get(); }
    void SetGlyphDisabled(TBitmap* value) { FGlyphDisabled->Assign(value); }
    TBitmap* GlyphChecked() const { return FGlyphChecked.get(); }
    void SetGlyphChecked(TBitmap* value) { FGlyphChecked->Assign(value); }
    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(TPicture* value);
    TPicture* PictureDisabled() const { return FPictureDisabled.get(); }
    void SetPictureDisabled(TPicture* value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    // Use the toolbar's image list even when an action brings another.
    bool ForceImageIndex() const { return FForceImageIndex; }
    void SetForceImageIndex(bool value) { FForceImageIndex = value; }
    bool ShowCaption() const { return FShowCaption; }
    // Stored even when unchanged; the button measures itself again.
    void SetShowCaption(bool value) { Resize(FShowCaption, value); }
    TGlyphPosition GlyphPosition() const { return FGlyphPosition; }
    void SetGlyphPosition(TGlyphPosition value) { Resize(FGlyphPosition, value); }
    // Pixels between glyph and caption.
    int Spacing() const { return FSpacing; }
    // The margin around the button's content; the quick-access toolbar packs its buttons with 1.
    int OffSet() const { return FOffSet; }
    void SetOffSet(int value) { Resize(FOffSet, value); }
    bool CanRotate() const { return FCanRotate; }
    void SetCanRotate(bool value) { Resize(FCanRotate, value); }
    TRotateDirection RotateDirection() const { return FRotateDirection; }
    void SetRotateDirection(TRotateDirection value) { Restyle(FRotateDirection, value); }
    // The grey silhouette drawn under the hot glyph.
    bool Shaded() const { return FShaded; }
    void SetShaded(bool value);
    TBitmap* GlyphShade() const { return FGlyphShade.get(); }
    void GenerateShade();
    TRurHintInfo* OfficeHint() const { return FOfficeHint.get(); }
    void SetOfficeHint(TRurHintInfo* value) { FOfficeHint->Assign(value); }
    TRurToolBarButtonDrawPosition* DrawPosition() const { return FDrawPosition.get(); }
    void SetDrawPosition(TRurToolBarButtonDrawPosition* value) { FDrawPosition->Assign(value); }

    // ---- Looks --------------------------------------------------------------------------------------
    TButtonAppearance* Appearance() const { return FAppearance.get(); }
    void SetAppearance(TButtonAppearance* value) { FAppearance->Assign(value); }
    // Take colours and caption font from the toolbar's styler.
    bool ParentStyler() const { return FParentStyler; }
    void SetParentStyler(bool value) { Restyle(FParentStyler, value); }
    // No fill and no border in the normal and disabled looks.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value) { Restyle(FTransparent, value); }
    // The colour set painted with: the styler's while ParentStyler and a styler is there.
    TButtonAppearance* CurrentAppearance() const;
    // The caption colour of a disabled button under an application style.
    static TColor GetDisabledTextColor();

    // ---- Drop-down ----------------------------------------------------------------------------------
    bool DropDownButton() const { return FDropDownButton; }
    void SetDropDownButton(bool value) { Resize(FDropDownButton, value); }
    // False: a press anywhere on the button opens the menu.
    bool DropDownSplit() const { return FDropDownSplit; }
    void SetDropDownSplit(bool value) { FDropDownSplit = value; }
    TPopupMenu* DropDownMenu() const { return FDropDownMenu; }
    void SetDropDownMenu(TPopupMenu* value);
    TNotifyEvent OnDropDown() const { return FOnDropDown; }
    void SetOnDropDown(TNotifyEvent value) { FOnDropDown = value; }
    // The top-level menu item a menu-bar button stands for.
    TMenuItem* MenuItem() const { return FMenuItem; }
    void SetMenuItem(TMenuItem* value);
    // Visible items of the drop-down menu, or of the bound menu item.
    int VisibleMenuItemCount() const;
    // Made by the toolbar for its main menu (freed by it when the menu changes); taken over by a
    // merged menu (1).
    bool ToolBarCreated() const { return FToolBarCreated; }
    void SetToolBarCreated(bool value) { FToolBarCreated = value; }
    int InternalTag() const { return FInternalTag; }
    void SetInternalTag(int value) { FInternalTag = value; }
    // The press came from the keyboard or the toolbar, not the mouse.
    bool InternalClick() const { return FInternalClick; }
    void SetInternalClick(bool value) { FInternalClick = value; }
    // The menu-bar state the toolbar's menu loop keeps on the button.
    void SetMenuDisplayed(bool value) { FMenuDisplayed = value; }
    void SetMenuBeingClosed(bool value) { FMenuBeingClosed = value; }
    // After its menu closed: no press, no pointer, not hot, the up state.
    void ReleaseMenuPress();
    void DoDropDown();

    // The list and index the glyph is drawn from (an action's list may stand in for the toolbar's).
    struct TImageSource {
        TCustomImageList* Images = nullptr;
        int Index = -1;
    };
    TImageSource ImageSource(bool forPainting) const;

    // Position in the toolbar's list; -1 without toolbar.
    int Index() const;
    // Made by a toolbar customizer, from its command CommandID (-1: none).
    bool CustomizerCreated() const { return FCustomizerCreated; }
    void SetCustomizerCreated(bool value) { FCustomizerCreated = value; }
    int CommandID() const { return FCommandID; }
    void SetCommandID(int value) { FCommandID = value; }
    String Version() const;
    void SetVersion(const String&) {}
    virtual int GetVersionNr() const { return 0x06080304; }

protected:
    friend class TRurToolBarButtonActionLink;
    void Paint() override;
    void Loaded() override;
    void Notification(TComponent* component, TOperation operation) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void ActionChange(TObject* sender, bool checkDefaults) override;
    TControlActionLink* CreateActionLink() override;

    // Paints the face of the chosen look, its drop-down part and arrow, then glyph and caption.
    virtual void DrawButtonFace(TCanvas* canvas);
    // The colours, border, split part, direction and glyph of one look of the face.
    struct TFaceLook {
        TColor Fill, FillTo, Caption, Border, Split, SplitTo;
        TGradientDirection Direction;
        TBitmap* Glyph;
    };
    // The looks taken from a colour set; the split part of the down look is the hot fill.
    TFaceLook DownLook(const TButtonAppearance* a) const;
    TFaceLook CheckedLook(const TButtonAppearance* a) const;
    TFaceLook HotLook(const TButtonAppearance* a) const;
    // The own colour set's disabled and normal looks: no fill and no border while Transparent.
    TFaceLook DisabledLook() const;
    TFaceLook NormalLook(TColor captionColor) const;
    // Fills the face (first the split part over c for a drop-down button, then the main part m)
    // and frames it.
    void PaintFace(TCanvas* canvas, const TFaceLook& look, const TRect& c, const TRect& m);
    virtual void DrawGlyphAndCaption(TCanvas* canvas, TRect r, TBitmap* glyph, TColor captionColor);
    // Asks the toolbar to drop this menu-bar button's menu.
    virtual bool CheckMenuDropdown();

    // The font a caption is measured and drawn in (the styler's or the button's own).
    TFont* CaptionFontToUse() const;
    bool IsRotated() const { return IsVertical() && FCanRotate; }
    // The width of the drop-down part at the current scale.
    int DropDownWidth() const;
    // The press is inside the drop-down arrow's part.
    bool InArrow(int x, int y) const;
    void UpdateExclusive();
    void UpdateTracking();

    int FGroupIndex = 0;
    std::unique_ptr<TBitmap> FGlyph, FGlyphDisabled, FGlyphHot, FGlyphDown, FGlyphChecked, FGlyphShade;
    bool FDown = false;
    TRotateDirection FRotateDirection = rdNormal;
    bool FAllowAllUp = false;
    int FSpacing = 4;
    bool FTransparent = true;
    int FOffSet = 4;
    bool FFlat = true;
    bool FMouseInControl = false;
    bool FHot = false;
    bool FMenuSel = false;
    bool FShaded = true;
    TRurToolButtonStyle FStyle = tasButton;
    bool FDropDownButton = false;
    TNotifyEvent FOnDropDown;
    TPopupMenu* FDropDownMenu = nullptr;
    bool FParentStyler = true;
    TRurButtonState FState = absUp;
    TGlyphPosition FGlyphPosition = gpLeft;
    bool FMouseDownInControl = false;
    int FDropDownSectWidth = 12;
    TMenuItem* FMenuItem = nullptr;
    int FImageIndex = -1;
    bool FShadedForGlyph = true;
    bool FDragging = false;
    std::unique_ptr<TButtonAppearance> FAppearance;
    bool FShowCaption = false;
    bool FPropHot = false;
    std::unique_ptr<TPicture> FPicture, FPictureDisabled;
    std::unique_ptr<TTimer> FUnHotTimer;
    std::unique_ptr<TRurToolBarButtonDrawPosition> FDrawPosition;
    std::unique_ptr<TRurHintInfo> FOfficeHint;
    bool FInitialDown = false;
    bool FDropDownSplit = true;
    bool FForceImageIndex = false;
    bool FInternalClick = false;
    bool FMenuBeingClosed = false, FMenuDisplayed = false;
    bool FCanRotate = true;
    bool FToolBarCreated = false;
    int FInternalTag = 0;
    int FCommandID = -1;
    bool FCustomizerCreated = false;
    // The image list the button measured itself by; its going resets ImageIndex.
    TCustomImageList* FMeasuredImages = nullptr;

private:
    // Stores the value, measures the button again and repaints.
    template <class T>
    void Resize(T& field, T value)
    {
        field = value;
        AdjustSize();
        Invalidate();
    }
    // Stores a changed value and repaints.
    template <class T>
    void Restyle(T& field, T value)
    {
        if (field != value) {
            field = value;
            Invalidate();
        }
    }
    void GlyphChanged(TObject* sender);
    void PictureChanged(TObject* sender);
    void AppearanceChanged(TObject* sender);
    void UnHotTimerTick(TObject* sender);
    // The mouse left: the timer stops and the hot look goes.
    void LeaveHot();
    // The state a paint starts from: disabled, held down or up.
    void SettleState();
    void ButtonPressed(int group, TRurCustomToolBarButton* sender);
    // A press on a menu-bar button with a menu opens it.
    void MenuButtonPress();
};

class TRurToolBarButton : public TRurCustomToolBarButton {
    TAVIN_PUBLISHED_CLASS(TRurToolBarButton, TRurCustomToolBarButton)
public:
    using TRurCustomToolBarButton::TRurCustomToolBarButton;
};

// Keeps a button's Down, group and image index in step with its action.
class TRurToolBarButtonActionLink : public TControlActionLink {
    TAVIN_CLASS(TRurToolBarButtonActionLink, TControlActionLink)
public:
    explicit TRurToolBarButtonActionLink(TObject* client);
    bool IsCheckedLinked() const override;
    bool IsGroupIndexLinked() const override;
    void SetChecked(bool value) override;
    void SetGroupIndex(int value) override;
    void SetImageIndex(int value) override;

private:
    TRurCustomToolBarButton* FButton;
};
