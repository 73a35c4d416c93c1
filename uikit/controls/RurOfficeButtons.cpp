// The Office radio button: properties, checking and its siblings, clicks, keys, focus, anchors and
// the action link. Painting is in RurOfficeButtons_Paint.cpp, the radio group in
// RurOfficeButtons_Group.cpp.
#include "RurOfficeButtons.h"

#include <algorithm>

#include "Forms.h"
#include "Messages.h"
#include "PictureContainer.h"
#include "PlatformFacts.h"
#include "RurAnchors.h"
#include "RurVersion.h"
#include "Themes.h"

TAVIN_PUBLISHED(TRurOfficeRadioButton)
{
    TAVIN_PROPERTY(String, Caption);
    TAVIN_PROPERTY(bool, AutoCheck).Default(false);
    TAVIN_PROPERTY(bool, AutoSize).Default(false);
    TAVIN_PROPERTY(bool, Transparent).Default(true);
    TAVIN_PROPERTY(TAlignment, Alignment).Default(taLeftJustify);
    TAVIN_PROPERTY(TColor, URLColor).Default(clBlue);
    TAVIN_PROPERTY(TTextLayout, ButtonVertAlign).Default(tlCenter);
    TAVIN_PROPERTY(bool, Checked).Default(false);
    TAVIN_PROPERTY(TColor, DisabledFontColor).Default(clGray);
    TAVIN_PROPERTY(bool, Down).Default(false);
    TAVIN_PROPERTY(bool, Ellipsis).Default(false);
    TAVIN_PROPERTY(Byte, GroupIndex).Default(0);
    TAVIN_PROPERTY(TCustomImageList*, Images);
    TAVIN_PROPERTY(TPictureContainer*, PictureContainer);
    TAVIN_PROPERTY(bool, ReturnIsTab).Default(false);
    TAVIN_PROPERTY(TColor, ShadowColor).Default(clGray);
    TAVIN_PROPERTY(int, ShadowOffset).Default(1);
    TAVIN_PROPERTY(bool, ShowFocus).Default(true);
    TAVIN_PROPERTY(bool, Themed).Default(false);
    TAVIN_PROPERTY(TAnchorClick, OnAnchorClick);
    TAVIN_PROPERTY(TAnchorClick, OnAnchorEnter);
    TAVIN_PROPERTY(TAnchorClick, OnAnchorExit);
    TAVIN_PROPERTY(String, Version);
    TAVIN_PROPERTY(TRujStyle, UIStyle).Default(tsCustom);
}

TCustomRurOfficeRadioButton::TCustomRurOfficeRadioButton(TComponent* AOwner)
    : TCustomControl(AOwner), FImageCache(std::make_unique<THTMLPictureCache>()),
      FBkgBmp(std::make_unique<TBitmap>())
{
    SetBounds(Left(), Top(), 135, 20);
    SetTabStop(true);
    FIsWin7 = PlatformWindowsVersion().AtLeast(6, 1);
    if (!Designing())
        UpdateVCLStyle();
}

TCustomRurOfficeRadioButton::~TCustomRurOfficeRadioButton() = default;

String TCustomRurOfficeRadioButton::Version() const { return KitVersionText(GetVersionNr()); }

// ---- Properties ----------------------------------------------------------------------------------

void TCustomRurOfficeRadioButton::SetAutoSize(bool value)
{
    FAutoSize = value;
    if (value && HandleAllocated() && Visible())
        DoAutoSize();
}

void TCustomRurOfficeRadioButton::SetTransparent(bool value)
{
    if (FTransparent == value)
        return;
    FTransparent = value;
    Invalidate();
}

void TCustomRurOfficeRadioButton::SetAlignment(TAlignment value)
{
    if (FAlignment == value)
        return;
    FAlignment = value;
    Invalidate();
}

void TCustomRurOfficeRadioButton::SetURLColor(TColor value)
{
    FURLColor = value;
    Invalidate();
}

void TCustomRurOfficeRadioButton::SetButtonVertAlign(TTextLayout value)
{
    if (FBtnVAlign == value)
        return;
    FBtnVAlign = value;
    Invalidate();
}

void TCustomRurOfficeRadioButton::SetEllipsis(bool value)
{
    if (FEllipsis == value)
        return;
    FEllipsis = value;
    Invalidate();
}

void TCustomRurOfficeRadioButton::SetImages(TCustomImageList* value)
{
    FImages = value;
    if (value)
        value->FreeNotification(this);
    Invalidate();
}

void TCustomRurOfficeRadioButton::SetPictureContainer(TPictureContainer* value)
{
    FContainer = value;
    if (value)
        value->FreeNotification(this);
    Invalidate();
}

void TCustomRurOfficeRadioButton::SetShadowColor(TColor value)
{
    if (FShadowColor == value)
        return;
    FShadowColor = value;
    Invalidate();
}

void TCustomRurOfficeRadioButton::SetShadowOffset(int value)
{
    if (FShadowOffset == value)
        return;
    FShadowOffset = value;
    Invalidate();
}

void TCustomRurOfficeRadioButton::SetThemed(bool value)
{
    if (FThemed == value)
        return;
    FThemed = value;
    Invalidate();
}

TColor OfficeRadioFontColorOf(TRujStyle AStyle)
{
    switch (AStyle) {
    case tsCustom: return clNone;
    case tsWindows10:
    case tsOffice2016White: return 0x000000;
    case tsOffice2016Gray:
    case tsOffice2019Gray:
    case tsOffice2019Black: return 0xFFFFFF;
    case tsOffice2016Black: return 0xDADADA;
    case tsOffice2019White: return 0x3B3B3B;
    default: return clWindowText;
    }
}

void TCustomRurOfficeRadioButton::SetComponentStyle(TRujStyle AStyle)
{
    FRujStyle = AStyle;
    const TColor color = OfficeRadioFontColorOf(AStyle);
    if (color != clNone)
        Font()->SetColor(color);
}

void TCustomRurOfficeRadioButton::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == FImages)
        FImages = nullptr;
    if (AComponent == FContainer)
        FContainer = nullptr;
}

void TCustomRurOfficeRadioButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    FBkgCache = false;
    if (HandleAllocated())
        Invalidate();
}

// ---- Checking and clicks -------------------------------------------------------------------------

void TCustomRurOfficeRadioButton::UncheckSiblings()
{
    TWinControl* parent = Parent();
    if (!parent)
        return;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        auto* sibling = dynamic_cast<TCustomRurOfficeRadioButton*>(parent->Controls(i));
        if (sibling && sibling != this && sibling->FGroupIndex == FGroupIndex &&
            dynamic_cast<TRurOfficeRadioButton*>(sibling))
            sibling->SetChecked(false);
    }
}

void TCustomRurOfficeRadioButton::SetChecked(bool value)
{
    if (FChecked == value)
        return;
    FChecked = value;
    if (FClicksDisabled)
        FGotClick = false;
    if (FAutoCheck)
        SetTabStop(value);
    if (value) {
        UncheckSiblings();
        if (!FClicksDisabled && dynamic_cast<TCustomRurOfficeRadioGroup*>(Parent()))
            PerformRadioClick();
    }
    if (HandleAllocated() && Parent())
        Invalidate();
}

void TCustomRurOfficeRadioButton::PerformRadioClick()
{
    // The framework's own click (Click itself is emptied here): OnClick, or the linked action.
    if (!ComponentState().Contains(csLoading))
        TCustomControl::Click();
}

bool TCustomRurOfficeRadioButton::CanTakeFocus() const { return CanFocus() && !Designing(); }

void TCustomRurOfficeRadioButton::InvalidateGlyph()
{
    if (!HandleAllocated())
        return;
    const bool right = FAlignment == taRightJustify || UseRightToLeftAlignment();
    RECT r{0, 0, right ? Width() : 16, Height()};
    InvalidateRect(Handle(), &r, TRUE);
}

void TCustomRurOfficeRadioButton::ShowAnchorCursor(const String& AAnchor)
{
    if (!AAnchor.empty()) {
        if (Cursor() == crDefault || AAnchor != FAnchor) {
            FAnchor = AAnchor;
            SetCursor(crHandPoint);
            FAnchorEnter(this, AAnchor);
        }
    } else if (Cursor() == crHandPoint) {
        FAnchor.clear();
        SetCursor(FOldCursor);
        FAnchorExit(this, String());
    }
}

void TCustomRurOfficeRadioButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    FAnchor.clear();
    FGotClick = true;
    if (FFocused) {
        const String anchor = GetAnchorAt(X, Y);
        if (!anchor.empty()) {
            // A click that follows a link neither checks the button nor clicks it.
            FAnchor = anchor;
            FGotClick = false;
            if (!OpenShellAnchor(anchor))
                FAnchorClick(this, anchor);
        }
    } else if (CanTakeFocus()) {
        SetFocus();
        FFocused = true;
    }
    if (FAnchor.empty()) {
        TCustomControl::MouseDown(Button, Shift, X, Y);
        SetCaptureControl(this);
        FDown = true;
    }
    InvalidateGlyph();
}

void TCustomRurOfficeRadioButton::MouseMove(TShiftState Shift, int X, int Y)
{
    if (CaptureControl() == this)
        FDown = X >= 0 && X <= Width() && Y >= 0 && Y <= Height();
    if (FFocused)
        ShowAnchorCursor(GetAnchorAt(X, Y));
    TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomRurOfficeRadioButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (CaptureControl() == this)
        SetCaptureControl(nullptr);
    FDown = false;
    const bool inside = X >= 0 && X <= Width() && Y >= 0 && Y <= Height();
    // Only a release over the button clicks it: one outside takes the press back.
    if (!inside)
        FGotClick = false;
    if (inside && !FChecked && FGotClick) {
        FClicksDisabled = true;
        SetChecked(true);
        FGotClick = true;
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (FGotClick)
        PerformRadioClick();
    InvalidateGlyph();
    FGotClick = false;
    auto* group = dynamic_cast<TCustomRurOfficeRadioGroup*>(Parent());
    if (FChecked != FCheckDown && group && group->OnRadioButtonClick()) {
        const int index = group->IndexOfButton(dynamic_cast<TRurGroupButton*>(this));
        if (index >= 0)
            group->FItemIndex = index;
        group->DoRadioButtonClick();
    }
}

void TCustomRurOfficeRadioButton::KeyDown(Word& Key, TShiftState Shift)
{
    if (Key == VK_RETURN && FReturnIsTab) {
        Key = VK_TAB;
        PostMessageW(Handle(), WM_KEYDOWN, VK_TAB, 0);
    }
    if (Key == VK_SPACE)
        FDown = true;
    TCustomControl::KeyDown(Key, Shift);
}

void TCustomRurOfficeRadioButton::KeyUp(Word& Key, TShiftState Shift)
{
    if (Key == VK_SPACE) {
        FDown = false;
        if (!FChecked) {
            FClicksDisabled = false;
            SetChecked(true);
            PerformRadioClick();
        }
    }
    TCustomControl::KeyUp(Key, Shift);
}

void TCustomRurOfficeRadioButton::WndProc(TMessage& AMessage)
{
    switch (AMessage.Msg) {
    case WM_LBUTTONDOWN: {
        FClicksDisabled = true;
        if (CanTakeFocus()) {
            if (auto* group = dynamic_cast<TCustomRurOfficeRadioGroup*>(Parent()))
                group->FFocusButtonIdx = group->IndexOfButton(dynamic_cast<TRurGroupButton*>(this));
            SetFocus();
        }
        FClicksDisabled = false;
        break;
    }
    case WM_LBUTTONDBLCLK:
        TCustomControl::WndProc(AMessage);
        if (auto* group = dynamic_cast<TCustomRurOfficeRadioGroup*>(Parent()); group && group->OnDblClick())
            group->OnDblClick()(group);
        return;
    case CM_ENTER:
        FCheckDown = FChecked;
        TCustomControl::WndProc(AMessage);
        FFocused = true;
        if (FAutoCheck)
            SetChecked(true);
        Invalidate();
        return;
    case CM_EXIT:
        TCustomControl::WndProc(AMessage);
        FFocused = false;
        FDrawBkg = true;
        Invalidate();
        return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        FHot = AMessage.Msg == CM_MOUSEENTER;
        RedrawGlyph();
        break;
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
        TCustomControl::WndProc(AMessage);
        if (AMessage.Msg == CM_TEXTCHANGED && FAutoSize && HandleAllocated() && Visible())
            DoAutoSize();
        Invalidate();
        return;
    case CM_STYLECHANGED:
        TCustomControl::WndProc(AMessage);
        UpdateVCLStyle();
        Invalidate();
        return;
    case CM_DIALOGCHAR:
        if (IsAccel(Char(AMessage.WParam), Caption()) && CanFocus()) {
            SetChecked(true);
            if (TabStop() && !Designing())
                SetFocus();
            AMessage.Result = 1;
            return;
        }
        break;
    default: break;
    }
    TCustomControl::WndProc(AMessage);
}

// ---- Window, streaming, styles and actions -------------------------------------------------------

void TCustomRurOfficeRadioButton::UpdateVCLStyle()
{
    FUseVCLStyles = IsVclStyled(StyleServices(this), Designing()) && !StyleElements().Empty();
    if (!FUseVCLStyles)
        return;
    FURLColor = StyleServices(this)->GetSystemColor(clWindowText);
    FShadowColor = StyleServices(this)->GetSystemColor(clBtnShadow);
    if (StyleElements().Contains(seClient))
        SetColor(StyleServices(this)->GetSystemColor(clBtnFace));
}

void TCustomRurOfficeRadioButton::CreateWnd()
{
    TCustomControl::CreateWnd();
    if (!Designing())
        UpdateVCLStyle();
    HDC dc = GetDC(Handle());
    FDPIScale = float(GetDeviceCaps(dc, LOGPIXELSY)) / 96.0f;
    ReleaseDC(Handle(), dc);
    auto* form = dynamic_cast<TForm*>(GetParentForm());
    FFormScaled = !form || form->Scaled();
}

void TCustomRurOfficeRadioButton::Loaded()
{
    TCustomControl::Loaded();
    if (!Designing())
        UpdateVCLStyle();
    FOldCursor = Cursor();
}

void TCustomRurOfficeRadioButton::ActionChange(TObject* Sender, bool CheckDefaults)
{
    TCustomControl::ActionChange(Sender, CheckDefaults);
    if (auto* action = dynamic_cast<TCustomAction*>(Sender)) {
        SetCaption(action->Caption());
        SetChecked(action->Checked());
        SetEnabled(action->Enabled());
    }
}

TControlActionLink* TCustomRurOfficeRadioButton::CreateActionLink()
{
    return new TRurOfficeRadioButtonActionLink(this);
}

TRurOfficeRadioButtonActionLink::TRurOfficeRadioButtonActionLink(TObject* AClient) : TControlActionLink(AClient)
{
    AssignClient(AClient);
}

void TRurOfficeRadioButtonActionLink::AssignClient(TObject* AClient)
{
    TControlActionLink::AssignClient(AClient);
    FRadioClient = dynamic_cast<TCustomRurOfficeRadioButton*>(AClient);
}

void TRurOfficeRadioButtonActionLink::SetCaption(const String& value)
{
    if (IsCaptionLinked() && FRadioClient)
        FRadioClient->SetCaption(value);
}

void TRurOfficeRadioButtonActionLink::SetChecked(bool value)
{
    if (!IsCheckedLinked() || !FRadioClient)
        return;
    FRadioClient->FClicksDisabled = true;
    FRadioClient->SetChecked(value);
    FRadioClient->FClicksDisabled = false;
}

void TCustomRurOfficeRadioButton::DoAutoSize()
{
    FCtrlWidth = 0;
    TBitmap scratch;
    scratch.SetSize(std::max(Width(), 1), std::max(Height(), 1));
    PaintWindow(scratch.Canvas()->Handle());
    SetWidth(FCtrlWidth + 4);
}
