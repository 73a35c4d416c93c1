#pragma once
// A group box whose caption stands at one of six places on the top or bottom edge, with an image
// from an image list, a check box and a font of its own; a single, double or no frame, square or
// rounded; the parent's background behind it. The caption check box can switch the children on
// and off or check their check boxes. The box can size itself around its children.
#include <memory>

#include "ImgList.h"
#include "RurStyleIF.h"
#include "StdCtrls.h"

// The unit's enumerations share value names with the framework's (bsNone, caNone...): kept apart.
namespace RurGroupBox {
TAVIN_ENUM(TCaptionPosition, cpTopLeft, cpTopRight, cpTopCenter, cpBottomLeft, cpBottomRight, cpBottomCenter)
TAVIN_ENUM(TBorderStyle, bsNone, bsSingle, bsDouble)
TAVIN_ENUM(TCheckBoxPos, cpLeft, cpRight)
TAVIN_ENUM(TCheckBoxAction, caNone, caDisable, caCheckAll, caControlsDisable)
TAVIN_ENUM(TGroupBoxAutoSize, gasNone, gasVertical, gasHorizontal, gasBoth)
} // namespace RurGroupBox

class TRurCustomGroupBox;

// The caption's check box.
class TGroupBoxCheck : public TPersistent {
    TAVIN_PUBLISHED_CLASS(TGroupBoxCheck, TPersistent)
public:
    explicit TGroupBoxCheck(TRurCustomGroupBox* AGroupBox);
    void Assign(const TPersistent* Source) override;

    bool Checked() const { return FState == cbChecked; }
    void SetChecked(bool value);
    RurGroupBox::TCheckBoxPos Position() const { return FPosition; }
    void SetPosition(RurGroupBox::TCheckBoxPos value);
    RurGroupBox::TCheckBoxAction Action() const { return FAction; }
    void SetAction(RurGroupBox::TCheckBoxAction value) { FAction = value; }
    const String& Hint() const { return FHint; }
    void SetHint(const String& value);
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool value);
    // A change redraws the check box and applies the action; OnCheckBoxClick follows every change.
    TCheckBoxState State() const { return FState; }
    void SetState(TCheckBoxState value);
    bool Themed() const { return FThemed; }
    void SetThemed(bool value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);

    bool Hot() const { return FHot; }
    bool Down() const { return FDown; }
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent value) { FOnChange = value; }

private:
    friend class TRurCustomGroupBox;
    void SetFlag(bool& AField, bool AValue);

    String FHint;
    TCheckBoxState FState = cbUnchecked;
    bool FThemed = true;
    bool FAllowGrayed = false;
    TNotifyEvent FOnChange;
    RurGroupBox::TCheckBoxAction FAction = RurGroupBox::caDisable;
    RurGroupBox::TCheckBoxPos FPosition = RurGroupBox::cpLeft;
    bool FVisible = false;
    bool FHot = false;
    bool FDown = false;
    TRurCustomGroupBox* FGroupBox;
};

// Where the caption's parts lie, in client coordinates.
struct TGroupBoxCaptionRects {
    TRect Check;   // (-1, -1, -1, -1) without a check box
    TRect Text;    // image and text
    TRect Caption; // the whole caption
};

class TRurCustomGroupBox : public TCustomGroupBox, public IRujStyle {
    TAVIN_CLASS(TRurCustomGroupBox, TCustomGroupBox)
public:
    explicit TRurCustomGroupBox(TComponent* AOwner);
    ~TRurCustomGroupBox() override;

    void WndProc(TMessage& AMessage) override;
    void AlignControls(TControl* AControl, TRect& ARect) override;
    void SetComponentStyle(TRujStyle AStyle) override;
    virtual int GetVersionNr() const { return 16973827; }

    TGroupBoxCaptionRects CalcCaptionRects();
    // 1 for no frame; single 2 (3-D) or 1; double 4 (3-D) or 2.
    int BorderWidth() const;
    // The caption's height, at least the border's width.
    int CaptionHeight();
    bool HasCaptionArea() const;
    // The client rectangle less the half caption on the caption's edge.
    TRect BorderRect();
    // Where aligned children go: inside the frame and the caption.
    TRect ChildArea();

    // Draws the caption's check box alone (also on hot and down changes).
    void DrawCheckBox();

    RurGroupBox::TGroupBoxAutoSize AutoSize() const { return FAutoSize; }
    void SetAutoSize(RurGroupBox::TGroupBoxAutoSize value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);
    RurGroupBox::TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(RurGroupBox::TBorderStyle value);
    // A sunken frame of two lines; off by default.
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool value);
    TFont* CaptionFont() const { return FCaptionFont.get(); }
    void SetCaptionFont(TFont* value);
    RurGroupBox::TCaptionPosition CaptionPosition() const { return FCaptionPosition; }
    void SetCaptionPosition(RurGroupBox::TCaptionPosition value);
    TGroupBoxCheck* CheckBox() const { return FCheckBox.get(); }
    void SetCheckBox(TGroupBoxCheck* value) { FCheckBox->Assign(value); }
    TCustomImageList* Images() const { return FImages; }
    virtual void SetImages(TCustomImageList* value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    bool RoundEdges() const { return FRoundEdges; }
    void SetRoundEdges(bool value);
    TColor DisabledFontColor() const { return FDisabledFontColor; }
    virtual void SetDisabledFontColor(TColor value);
    bool UseCaptionFont() const { return FUseCaptionFont; }
    void SetUseCaptionFont(bool value);
    TRujStyle UIStyle() const { return FRujStyle; }
    void SetUIStyle(TRujStyle value) { SetComponentStyle(value); }
    String Version() const;
    void SetVersion(const String&) {}
    TNotifyEvent OnCheckBoxClick() const { return FOnCheckBoxClick; }
    void SetOnCheckBoxClick(TNotifyEvent value) { FOnCheckBoxClick = value; }

protected:
    friend class TGroupBoxCheck;
    void Paint() override;
    void Loaded() override;
    void CreateWnd() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    virtual void DrawParentBackground();
    virtual void DisabledFontColorChanged() {}
    virtual void ApplyCheckAction();
    virtual void DoCheckBoxClick() { FOnCheckBoxClick(this); }
    virtual void BeforeAutoSize() {}
    void DoAutoSize();
    bool AutoSizing() const { return FIsSizing; }
    bool Designing() const { return ComponentState().Contains(csDesigning); }

private:
    void Changed(TObject*) { Invalidate(); }
    void Relayout();
    // The caption's font (the caption font when used, DPI-scaled) on the canvas.
    void SelectCaptionFont(TCanvas& ACanvas);
    bool CheckBoxActive() const;
    bool ThemedCheck() const;
    // Themed drawing of the check box; false when the theme could not be opened.
    bool DrawThemedCheck(HDC ADC, const TRect& ACheck);
    void DrawCheckOn(TCanvas& ACanvas, const TRect& ACheck);
    void DrawBitmapCheck(TCanvas& ACanvas, const TRect& ACheck);
    void DrawFrame(TRect ABorder);
    // The children's enabling from the box and its check box, for the actions that disable them.
    void EnableChildren();

    bool FTransparent = true;
    TColor FBorderColor = clSilver;
    int FImageIndex = -1;
    TCustomImageList* FImages = nullptr;
    RurGroupBox::TBorderStyle FBorderStyle = RurGroupBox::bsSingle;
    RurGroupBox::TCaptionPosition FCaptionPosition = RurGroupBox::cpTopLeft;
    bool FRoundEdges = false;
    bool FCtl3D = false;
    std::unique_ptr<TGroupBoxCheck> FCheckBox;
    TNotifyEvent FOnCheckBoxClick;
    TColor FDisabledFontColor = clGray;
    TRujStyle FRujStyle = tsCustom;
    RurGroupBox::TGroupBoxAutoSize FAutoSize = RurGroupBox::gasNone;
    std::unique_ptr<TFont> FCaptionFont;
    bool FUseCaptionFont = false;
    bool FIsSizing = false;
};

class TRurGroupBox : public TRurCustomGroupBox {
    TAVIN_PUBLISHED_CLASS(TRurGroupBox, TRurCustomGroupBox)
public:
    using TRurCustomGroupBox::TRurCustomGroupBox;
};

// The font and border colours a look gives the box (clNone for tsCustom: nothing changes).
struct TGroupBoxLook {
    TColor FontColor;
    TColor BorderColor;
};
TGroupBoxLook GroupBoxLookOf(TRujStyle AStyle);
