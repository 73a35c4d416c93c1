#pragma once
// The Office radio button: a glyph (through the framework's style, the system theme or the
// module's bitmaps) and a caption in the kit's markup whose links open in the shell or raise
// events; buttons on one parent with the same group index exclude one another. The Office radio
// group: a group box with one such button per line of its items, keeping one of them checked.
#include <memory>
#include <vector>

#include "ActnList.h"
#include "ImgList.h"
#include "RurGroupBox.h"
#include "RurStyleIF.h"

class TPictureContainer;
class THTMLPictureCache;
using TAnchorClick = TEvent<TObject*, String>;
using TEnabledEvent = TEvent<TObject*, int, bool&>;

class TCustomRurOfficeRadioButton : public TCustomControl, public IRujStyle {
    TAVIN_CLASS(TCustomRurOfficeRadioButton, TCustomControl)
public:
    explicit TCustomRurOfficeRadioButton(TComponent* AOwner);
    ~TCustomRurOfficeRadioButton() override;

    void WndProc(TMessage& AMessage) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void SetComponentStyle(TRujStyle AStyle) override;
    // Runs the button's click: OnClick, or the action when OnClick is the action's.
    virtual void PerformRadioClick();
    virtual int GetVersionNr() const { return 17301762; }
    // The anchor of the caption under a client point (a focused button's caption only).
    String GetAnchorAt(int X, int Y);
    // The glyph's rectangle as last drawn, and the width the caption measured.
    TRect GlyphRect() const { return FGlyphRect; }
    int MeasuredWidth() const { return FCtrlWidth; }
    TRect FocusRect() const { return FFocusRect; }

    bool AutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool value) { FAutoCheck = value; }
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TColor URLColor() const { return FURLColor; }
    void SetURLColor(TColor value);
    TTextLayout ButtonVertAlign() const { return FBtnVAlign; }
    void SetButtonVertAlign(TTextLayout value);
    bool Checked() const { return FChecked; }
    void SetChecked(bool value);
    TColor DisabledFontColor() const { return FDisabledFontColor; }
    void SetDisabledFontColor(TColor value) { FDisabledFontColor = value; }
    bool Down() const { return FDown; }
    void SetDown(bool value) { FDown = value; }
    bool Ellipsis() const { return FEllipsis; }
    void SetEllipsis(bool value);
    Byte GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(Byte value) { FGroupIndex = value; }
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* value);
    TPictureContainer* PictureContainer() const { return FContainer; }
    void SetPictureContainer(TPictureContainer* value);
    bool ReturnIsTab() const { return FReturnIsTab; }
    void SetReturnIsTab(bool value) { FReturnIsTab = value; }
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor value);
    int ShadowOffset() const { return FShadowOffset; }
    void SetShadowOffset(int value);
    bool ShowFocus() const { return FShowFocus; }
    void SetShowFocus(bool value) { FShowFocus = value; }
    bool Themed() const { return FThemed; }
    void SetThemed(bool value);
    TAnchorClick OnAnchorClick() const { return FAnchorClick; }
    void SetOnAnchorClick(TAnchorClick value) { FAnchorClick = value; }
    TAnchorClick OnAnchorEnter() const { return FAnchorEnter; }
    void SetOnAnchorEnter(TAnchorClick value) { FAnchorEnter = value; }
    TAnchorClick OnAnchorExit() const { return FAnchorExit; }
    void SetOnAnchorExit(TAnchorClick value) { FAnchorExit = value; }
    String Version() const;
    void SetVersion(const String&) {}
    TRujStyle UIStyle() const { return FRujStyle; }
    void SetUIStyle(TRujStyle value) { SetComponentStyle(value); }
    bool TransparentChaching() const { return FTransparentCaching; }
    void SetTransparentChaching(bool value) { FTransparentCaching = value; }
    bool DrawBkg() const { return FDrawBkg; }
    void SetDrawBkg(bool value) { FDrawBkg = value; }

protected:
    friend class TRurOfficeRadioButtonActionLink;
    friend class TCustomRurOfficeRadioGroup;
    void Paint() override;
    void Loaded() override;
    void CreateWnd() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void ActionChange(TObject* Sender, bool CheckDefaults) override;
    TControlActionLink* CreateActionLink() override;
    // The framework's own click path never raises OnClick here: PerformRadioClick does.
    void Click() override {}
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool Designing() const { return ComponentState().Contains(csDesigning); }

    bool FClicksDisabled = false;

private:
    void DrawRadio(TCanvas& ACanvas);
    // Redraws the glyph alone on the window.
    void RedrawGlyph();
    void DrawParentBackground(TCanvas& ACanvas);
    void UncheckSiblings();
    void DoAutoSize();
    void UpdateVCLStyle();
    bool CanTakeFocus() const;
    void InvalidateGlyph();
    // The caption engine with the button's settings.
    bool RunHTML(TCanvas& ACanvas, const TRect& ARect, int AX, int AY, bool AHitTest, bool AMeasureOnly,
                 TColor AURLColor, TBiDiMode ABiDiMode, int& AXSize, int& AYSize, String& AAnchor);
    int TextHeightOfGh(TCanvas& ACanvas);
    void ShowAnchorCursor(const String& AAnchor);

    bool FAutoCheck = false;
    bool FDown = false;
    bool FChecked = false;
    bool FFocused = false;
    bool FShowFocus = true;
    Byte FGroupIndex = 0;
    bool FReturnIsTab = false;
    TCustomImageList* FImages = nullptr;
    String FAnchor;
    TAnchorClick FAnchorClick, FAnchorEnter, FAnchorExit;
    TColor FURLColor = clBlue;
    std::unique_ptr<THTMLPictureCache> FImageCache;
    TTextLayout FBtnVAlign = tlCenter;
    TAlignment FAlignment = taLeftJustify;
    bool FEllipsis = false;
    TPictureContainer* FContainer = nullptr;
    int FShadowOffset = 1;
    TColor FShadowColor = clGray;
    bool FIsWin7 = false;
    bool FHot = false;
    TCursor FOldCursor = crDefault;
    std::unique_ptr<TBitmap> FBkgBmp;
    bool FBkgCache = false;
    bool FTransparentCaching = false;
    bool FDrawBkg = true;
    bool FGotClick = false;
    TColor FDisabledFontColor = clGray;
    bool FThemed = false;
    bool FCheckDown = false;
    float FDPIScale = 1;
    int FCtrlWidth = 0;
    bool FAutoSize = false;
    bool FFormScaled = true;
    bool FUseVCLStyles = false;
    TRujStyle FRujStyle = tsCustom;
    bool FTransparent = true;
    TRect FGlyphRect{};
    TRect FFocusRect{};
};

class TRurOfficeRadioButton : public TCustomRurOfficeRadioButton {
    TAVIN_PUBLISHED_CLASS(TRurOfficeRadioButton, TCustomRurOfficeRadioButton)
public:
    using TCustomRurOfficeRadioButton::TCustomRurOfficeRadioButton;
};

// Keeps the button's caption and checked state with its action's; an action's check does not
// run the button's click.
class TRurOfficeRadioButtonActionLink : public TControlActionLink {
    TAVIN_CLASS(TRurOfficeRadioButtonActionLink, TControlActionLink)
public:
    explicit TRurOfficeRadioButtonActionLink(TObject* AClient);
    void SetCaption(const String& value) override;
    void SetChecked(bool value) override;

protected:
    void AssignClient(TObject* AClient) override;
    TCustomRurOfficeRadioButton* FRadioClient = nullptr;
};

class TCustomRurOfficeRadioGroup;

// A button of a radio group: made and freed by the group, never streamed.
class TRurGroupButton : public TRurOfficeRadioButton {
    TAVIN_CLASS(TRurGroupButton, TRurOfficeRadioButton)
public:
    explicit TRurGroupButton(TCustomRurOfficeRadioGroup* ARadioGroup);
    ~TRurGroupButton() override;
    void WndProc(TMessage& AMessage) override;

protected:
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(Char& Key) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;

private:
    TCustomRurOfficeRadioGroup* Group() const;
    bool FInClick = false;
};

class TCustomRurOfficeRadioGroup : public TRurGroupBox {
    TAVIN_CLASS(TCustomRurOfficeRadioGroup, TRurGroupBox)
public:
    explicit TCustomRurOfficeRadioGroup(TComponent* AOwner);
    ~TCustomRurOfficeRadioGroup() override;

    void WndProc(TMessage& AMessage) override;
    void GetChildren(const std::function<void(TComponent*)>& AProc, TComponent* ARoot) override;
    void SetComponentStyle(TRujStyle AStyle) override;
    int GetVersionNr() const override { return 17301762; }
    void Update() override;
    // The button of an item; raises for an index outside the buttons.
    TRurOfficeRadioButton* GetRadioButton(int AIndex) const;
    int ButtonCount() const { return int(FButtons.size()); }
    // The item whose button lies under a client point, -1 for none.
    int XYToItem(int X, int Y) const;
    void PushKey(Char& Key) { KeyPress(Key); }
    void PushKeyDown(Word& Key, TShiftState Shift) { KeyDown(Key, Shift); }

    int Columns() const { return FColumns; }
    void SetColumns(int value);
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int value);
    TStrings* Items() const { return FItems.get(); }
    void SetItems(TStrings* value) { FItems->Assign(value); }
    int ControlIndent() const { return FControlIndent; }
    void SetControlIndent(int value);
    bool Themed() const { return FThemed; }
    void SetThemed(bool value);
    bool ShowFocus() const { return FShowFocus; }
    void SetShowFocus(bool value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    TTextLayout ButtonVertAlign() const { return FBtnVAlign; }
    void SetButtonVertAlign(TTextLayout value);
    bool Ellipsis() const { return FEllipsis; }
    void SetEllipsis(bool value);
    // The caption's image list and the buttons' both.
    void SetImages(TCustomImageList* value) override;
    TPictureContainer* PictureContainer() const { return FContainer; }
    void SetPictureContainer(TPictureContainer* value);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor value);
    int ShadowOffset() const { return FShadowOffset; }
    void SetShadowOffset(int value);
    TNotifyEvent OnRadioButtonClick() const { return FOnRadioButtonClick; }
    void SetOnRadioButtonClick(TNotifyEvent value) { FOnRadioButtonClick = value; }
    TEnabledEvent OnIsEnabled() const { return FOnIsEnabled; }
    void SetOnIsEnabled(TEnabledEvent value) { FOnIsEnabled = value; }

protected:
    friend class TRurGroupButton;
    friend class TCustomRurOfficeRadioButton;
    virtual void ArrangeButtons();
    virtual bool CanModify() { return true; }
    virtual void DoRadioButtonClick() { FOnRadioButtonClick(this); }
    virtual void DoIsEnabled(int AItemIndex, bool& AEnabled) { FOnIsEnabled(this, AItemIndex, AEnabled); }
    void Loaded() override;
    void ReadState(TReader& AReader) override;
    void CreateWnd() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void DisabledFontColorChanged() override { ArrangeButtons(); }
    void BeforeAutoSize() override;
    // The group's OnChange: none here; the hook for items changed by a click.
    virtual void Changed() {}

private:
    void ItemsChange(TObject*);
    void UpdateButtons();
    void SetButtonCount(int ACount);
    void ButtonClick(TObject* ASender);
    void ButtonEnter(TObject* ASender);
    int IndexOfButton(const TRurGroupButton* AButton) const;
    template <class T>
    void SetAndArrange(T& AField, const T& AValue)
    {
        AField = AValue;
        ArrangeButtons();
    }

    std::vector<TRurGroupButton*> FButtons;
    std::unique_ptr<TStringList> FItems;
    int FItemIndex = -1;
    int FColumns = 1;
    bool FReading = false;
    bool FUpdating = false;
    TAlignment FAlignment = taLeftJustify;
    TTextLayout FBtnVAlign = tlCenter;
    TCustomImageList* FButtonImages = nullptr;
    TPictureContainer* FContainer = nullptr;
    bool FEllipsis = false;
    int FShadowOffset = 1;
    TColor FShadowColor = clSilver;
    bool FShowFocus = true;
    TEnabledEvent FOnIsEnabled;
    bool FThemed = false;
    int FControlIndent = 0;
    TNotifyEvent FOnRadioButtonClick;
    int FFocusButtonIdx = -1;
    TRujStyle FRujStyle = tsCustom;
};

class TRurOfficeRadioGroup : public TCustomRurOfficeRadioGroup {
    TAVIN_PUBLISHED_CLASS(TRurOfficeRadioGroup, TCustomRurOfficeRadioGroup)
public:
    using TCustomRurOfficeRadioGroup::TCustomRurOfficeRadioGroup;
};

// The font colour a look gives the radio button (clNone for tsCustom: nothing changes).
TColor OfficeRadioFontColorOf(TRujStyle AStyle);
