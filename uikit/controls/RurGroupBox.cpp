// The group box's properties, caption layout, caption check box, check actions, mouse and auto
// size. Painting is in RurGroupBox_Paint.cpp.
#include "RurGroupBox.h"

#include <algorithm>

#include <vssym32.h>

#include "AOBXPVS.h"
#include "Math.h"
#include "Messages.h"
#include "RurVersion.h"
#include "WideText.h"

using namespace RurGroupBox;

namespace {

constexpr int CaptionMargin = 8;
constexpr int UnthemedCheckSize = 14;
// The window class whose check boxes the "check all" action also sets.
constexpr const char16_t* CheckAllWindowClass = u"VADAVIZUDURUDIRIZO";

bool IsTopPosition(TCaptionPosition APosition) { return APosition <= cpTopCenter; }

String UpperWindowClass(HWND AWnd)
{
    wchar_t name[256] = {};
    GetClassNameW(AWnd, name, 256);
    CharUpperW(name);
    return FromWidePtr(name);
}

} // namespace

TAVIN_PUBLISHED(TGroupBoxCheck)
{
    using TCheckBoxAction = RurGroupBox::TCheckBoxAction;
    TAVIN_PROPERTY(bool, Checked).Default(false);
    TAVIN_PROPERTY(TCheckBoxPos, Position).Default(cpLeft);
    TAVIN_PROPERTY(TCheckBoxAction, Action).Default(RurGroupBox::caDisable);
    TAVIN_PROPERTY(String, Hint);
    TAVIN_PROPERTY(bool, AllowGrayed).Default(false);
    TAVIN_PROPERTY(TCheckBoxState, State).Default(cbUnchecked);
    TAVIN_PROPERTY(bool, Themed).Default(true);
    TAVIN_PROPERTY(bool, Visible).Default(false);
}

TAVIN_PUBLISHED(TRurGroupBox)
{
    using TBorderStyle = RurGroupBox::TBorderStyle;
    TAVIN_PROPERTY(String, Caption);
    TAVIN_PROPERTY(TGroupBoxAutoSize, AutoSize).Default(gasNone);
    TAVIN_PROPERTY(TColor, BorderColor).Default(clSilver);
    TAVIN_PROPERTY(bool, Ctl3D).Default(false);
    TAVIN_PROPERTY(TBorderStyle, BorderStyle).Default(RurGroupBox::bsSingle);
    TAVIN_PROPERTY(TFont*, CaptionFont);
    TAVIN_PROPERTY(TCaptionPosition, CaptionPosition).Default(cpTopLeft);
    TAVIN_PROPERTY(TGroupBoxCheck*, CheckBox);
    TAVIN_PROPERTY(TCustomImageList*, Images);
    TAVIN_PROPERTY(int, ImageIndex).Default(-1);
    TAVIN_PROPERTY(bool, Transparent).Default(true);
    TAVIN_PROPERTY(bool, RoundEdges).Default(false);
    TAVIN_PROPERTY(TColor, DisabledFontColor).Default(clGray);
    TAVIN_PROPERTY(bool, UseCaptionFont).Default(false);
    TAVIN_PROPERTY(TRujStyle, UIStyle).Default(tsCustom);
    TAVIN_PROPERTY(String, Version);
    TAVIN_PROPERTY(TNotifyEvent, OnCheckBoxClick);
}

// ---- The caption's check box --------------------------------------------------------------------

TGroupBoxCheck::TGroupBoxCheck(TRurCustomGroupBox* AGroupBox) : FGroupBox(AGroupBox) {}

void TGroupBoxCheck::Assign(const TPersistent* Source)
{
    auto* source = dynamic_cast<const TGroupBoxCheck*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    FHint = source->FHint;
    SetState(source->FState);
    FThemed = source->FThemed;
    FAllowGrayed = source->FAllowGrayed;
    FAction = source->FAction;
    SetChecked(source->Checked());
    FPosition = source->FPosition;
}

void TGroupBoxCheck::SetFlag(bool& AField, bool AValue)
{
    if (AField == AValue)
        return;
    AField = AValue;
    FOnChange(this);
}

void TGroupBoxCheck::SetChecked(bool value)
{
    if (value != Checked())
        SetState(value ? cbChecked : cbUnchecked);
}

void TGroupBoxCheck::SetPosition(TCheckBoxPos value)
{
    if (FPosition == value)
        return;
    FPosition = value;
    FOnChange(this);
}

void TGroupBoxCheck::SetHint(const String& value)
{
    if (FHint == value)
        return;
    FHint = value;
    FOnChange(this);
}

void TGroupBoxCheck::SetAllowGrayed(bool value) { SetFlag(FAllowGrayed, value); }
void TGroupBoxCheck::SetThemed(bool value) { SetFlag(FThemed, value); }
void TGroupBoxCheck::SetVisible(bool value) { SetFlag(FVisible, value); }

void TGroupBoxCheck::SetState(TCheckBoxState value)
{
    if (FState == value)
        return;
    FState = value;
    FGroupBox->DrawCheckBox();
    FGroupBox->ApplyCheckAction();
    FGroupBox->DoCheckBoxClick();
}

// ---- The box ------------------------------------------------------------------------------------

TRurCustomGroupBox::TRurCustomGroupBox(TComponent* AOwner)
    : TCustomGroupBox(AOwner), FCheckBox(std::make_unique<TGroupBoxCheck>(this)),
      FCaptionFont(std::make_unique<TFont>())
{
    SetControlStyle(ControlStyle() - TControlStyle{csOpaque});
    FCheckBox->SetOnChange(MakeHandler<&TRurCustomGroupBox::Changed>(this));
    FCaptionFont->SetOnChange(MakeHandler<&TRurCustomGroupBox::Changed>(this));
}

TRurCustomGroupBox::~TRurCustomGroupBox() = default;

String TRurCustomGroupBox::Version() const { return KitVersionText(GetVersionNr()); }

void TRurCustomGroupBox::Relayout()
{
    Invalidate();
    Realign();
}

void TRurCustomGroupBox::SetAutoSize(TGroupBoxAutoSize value)
{
    if (FAutoSize == value)
        return;
    FAutoSize = value;
    DoAutoSize();
}

void TRurCustomGroupBox::SetBorderColor(TColor value)
{
    if (FBorderColor == value)
        return;
    FBorderColor = value;
    Invalidate();
}

void TRurCustomGroupBox::SetBorderStyle(RurGroupBox::TBorderStyle value)
{
    if (FBorderStyle == value)
        return;
    FBorderStyle = value;
    Relayout();
}

void TRurCustomGroupBox::SetCaptionFont(TFont* value)
{
    FCaptionFont->Assign(value);
    Invalidate();
}

void TRurCustomGroupBox::SetCaptionPosition(TCaptionPosition value)
{
    if (FCaptionPosition == value)
        return;
    FCaptionPosition = value;
    Relayout();
}

void TRurCustomGroupBox::SetImages(TCustomImageList* value)
{
    if (FImages == value)
        return;
    FImages = value;
    if (value)
        value->FreeNotification(this);
    else
        FImageIndex = -1;
    Relayout();
}

void TRurCustomGroupBox::SetImageIndex(int value)
{
    if (FImageIndex == value)
        return;
    FImageIndex = value;
    Relayout();
}

void TRurCustomGroupBox::SetCtl3D(bool value)
{
    if (FCtl3D == value)
        return;
    FCtl3D = value;
    Relayout();
}

void TRurCustomGroupBox::SetTransparent(bool value)
{
    if (FTransparent == value)
        return;
    FTransparent = value;
    Invalidate();
}

void TRurCustomGroupBox::SetRoundEdges(bool value)
{
    if (FRoundEdges == value)
        return;
    FRoundEdges = value;
    Invalidate();
}

void TRurCustomGroupBox::SetDisabledFontColor(TColor value)
{
    if (FDisabledFontColor == value)
        return;
    FDisabledFontColor = value;
    Invalidate();
    DisabledFontColorChanged();
}

void TRurCustomGroupBox::SetUseCaptionFont(bool value)
{
    FUseCaptionFont = value;
    Invalidate();
}

TGroupBoxLook GroupBoxLookOf(TRujStyle AStyle)
{
    switch (AStyle) {
    case tsCustom: return {clNone, clNone};
    case tsOffice2013White:
    case tsOffice2013LightGray: return {clWindowText, 0xD4D4D4};
    case tsOffice2013Gray: return {clWindowText, 0xABABAB};
    case tsWindows10: return {0x000000, 0xE4E3E2};
    case tsOffice2016White: return {0x000000, 0xABABAB};
    case tsOffice2016Gray:
    case tsOffice2019Gray:
    case tsOffice2019Black: return {0xFFFFFF, 0x999999};
    case tsOffice2016Black: return {0xDADADA, 0x999999};
    case tsOffice2019White: return {0x3B3B3B, 0xC4C6C8};
    default: return {clWindowText, clSilver};
    }
}

void TRurCustomGroupBox::SetComponentStyle(TRujStyle AStyle)
{
    FRujStyle = AStyle;
    const TGroupBoxLook look = GroupBoxLookOf(AStyle);
    if (look.FontColor == clNone)
        return;
    Font()->SetColor(look.FontColor);
    SetBorderColor(look.BorderColor);
}

void TRurCustomGroupBox::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomGroupBox::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FImages && !ComponentState().Contains(csDestroying))
        SetImages(nullptr);
}

// ---- Caption layout -----------------------------------------------------------------------------

void TRurCustomGroupBox::SelectCaptionFont(TCanvas& ACanvas)
{
    if (!FUseCaptionFont) {
        ACanvas.Font()->Assign(Font());
        return;
    }
    ACanvas.Font()->Assign(FCaptionFont.get());
    const float scale = GetControlDPIScale(this, &ACanvas);
    if (scale != 1)
        ACanvas.Font()->SetHeight(int(Round(double(FCaptionFont->Height()) * scale)));
}

bool TRurCustomGroupBox::ThemedCheck() const { return IsVistaOrLater() && FCheckBox->Themed(); }

TGroupBoxCaptionRects TRurCustomGroupBox::CalcCaptionRects()
{
    int tw = 0, th = 0;
    const String text = Caption();
    if (!text.empty()) {
        TBitmap scratch;
        scratch.SetSize(1, 1);
        TCanvas& canvas = *scratch.Canvas();
        SelectCaptionFont(canvas);
        RECT r{0, 0, 1000, 100};
        DrawTextW(canvas.Handle(), WidePtr(text), int(text.size()), &r, DT_CALCRECT | DT_SINGLELINE);
        tw = r.right - r.left;
        th = r.bottom - r.top;
    }
    int iw = 0, ih = 0;
    if (FImages && FImageIndex >= 0) {
        iw = FImages->Width();
        ih = FImages->Height();
    }
    const int imageGap = tw > 0 && iw > 0 ? 3 : 0;
    int cs = 0;
    if (FCheckBox->Visible()) {
        cs = UnthemedCheckSize;
        const auto& theme = AOBXPVS::Theme();
        auto open = theme.Get<TThemeEntry::OpenThemeData>();
        auto partSize = theme.Get<TThemeEntry::GetThemePartSize>();
        if (ThemedCheck() && open && partSize) {
            if (HTHEME data = open(HandleAllocated() ? Handle() : nullptr, L"button")) {
                SIZE size{};
                if (SUCCEEDED(partSize(data, nullptr, BP_CHECKBOX, CBS_CHECKEDNORMAL, nullptr, TS_DRAW, &size)))
                    cs = size.cx;
                theme.Get<TThemeEntry::CloseThemeData>()(data);
            }
        }
    }
    const int checkGap = FCheckBox->Visible() && (tw > 0 || iw > 0) ? 3 : 0;
    const int W = cs + checkGap + iw + imageGap + tw;
    const int H = std::max({ih, th, cs}) + 2;

    int left = CaptionMargin;
    switch (FCaptionPosition) {
    case cpTopRight:
    case cpBottomRight: left = Width() - CaptionMargin - W; break;
    case cpTopCenter:
    case cpBottomCenter: left = (Width() - W) / 2; break;
    default: break;
    }
    const int top = IsTopPosition(FCaptionPosition) ? 0 : Height() - H;
    TGroupBoxCaptionRects result;
    result.Caption = Rect(left, top, left + W, top + H);
    result.Text = result.Caption;
    result.Check = Rect(-1, -1, -1, -1);
    if (FCheckBox->Visible()) {
        const int checkTop = top + (H - cs) / 2;
        if (FCheckBox->Position() == cpLeft) {
            result.Check = Rect(left, checkTop, left + cs, checkTop + cs);
            result.Text.Left = result.Check.Right + checkGap;
        } else {
            result.Check = Rect(left + W - cs, checkTop, left + W, checkTop + cs);
            result.Text.Right = result.Check.Left - checkGap;
        }
    }
    return result;
}

int TRurCustomGroupBox::BorderWidth() const
{
    switch (FBorderStyle) {
    case RurGroupBox::bsSingle: return Ctl3D() ? 2 : 1;
    case RurGroupBox::bsDouble: return Ctl3D() ? 4 : 2;
    default: return 1;
    }
}

int TRurCustomGroupBox::CaptionHeight() { return std::max(CalcCaptionRects().Caption.Height(), BorderWidth()); }

bool TRurCustomGroupBox::HasCaptionArea() const
{
    return !Caption().empty() || FCheckBox->Visible() || (FImages && FImageIndex >= 0);
}

TRect TRurCustomGroupBox::BorderRect()
{
    TRect r = ClientRect();
    if (!HasCaptionArea())
        return r;
    const int half = CaptionHeight() / 2;
    if (IsTopPosition(FCaptionPosition))
        r.Top += half;
    else {
        r.Bottom -= half;
        if (FBorderStyle == RurGroupBox::bsDouble)
            r.Bottom += 1;
    }
    return r;
}

TRect TRurCustomGroupBox::ChildArea()
{
    const TRect client = ClientRect();
    const int b = BorderWidth();
    const int c = std::max(CaptionHeight(), b);
    TRect r = IsTopPosition(FCaptionPosition)
                  ? Rect(client.Left + b, client.Top + c, client.Right - b, client.Bottom - b)
                  : Rect(client.Left + b, client.Top + b, client.Right - b, client.Bottom - c);
    r.Left += 1;
    r.Top += 1;
    r.Right -= 1;
    r.Bottom -= 1;
    return r;
}

void TRurCustomGroupBox::AlignControls(TControl* AControl, TRect& ARect)
{
    ARect = ChildArea();
    TCustomControl::AlignControls(AControl, ARect);
    DoAutoSize();
}

// ---- Check box, actions and enabling ------------------------------------------------------------

bool TRurCustomGroupBox::CheckBoxActive() const { return !Designing() && Enabled() && FCheckBox->Visible(); }

void TRurCustomGroupBox::ApplyCheckAction()
{
    if (!CheckBoxActive() || FCheckBox->State() == cbGrayed || FCheckBox->Action() == RurGroupBox::caNone)
        return;
    const bool checked = FCheckBox->State() == cbChecked;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* child = Controls(i);
        switch (FCheckBox->Action()) {
        case caDisable:
        case caControlsDisable: child->SetEnabled(checked); break;
        case caCheckAll:
            if (auto* check = dynamic_cast<TCheckBox*>(child))
                check->SetChecked(checked);
            else if (auto* windowed = dynamic_cast<TWinControl*>(child);
                     windowed && windowed->HandleAllocated() &&
                     UpperWindowClass(windowed->Handle()) == CheckAllWindowClass)
                SendMessageW(windowed->Handle(), BM_SETCHECK, WPARAM(FCheckBox->State()), 0);
            break;
        default: break;
        }
    }
}

void TRurCustomGroupBox::EnableChildren()
{
    // The check box keeps the user's choice while the box is off; the children follow both.
    const bool on = Enabled() && (!FCheckBox->Visible() || FCheckBox->State() != cbUnchecked);
    for (int i = 0; i < ControlCount(); ++i)
        Controls(i)->SetEnabled(on);
}

void TRurCustomGroupBox::Loaded()
{
    TCustomGroupBox::Loaded();
    if (FCheckBox->Visible() && FCheckBox->Action() != RurGroupBox::caNone)
        ApplyCheckAction();
}

void TRurCustomGroupBox::CreateWnd()
{
    TCustomGroupBox::CreateWnd();
    if (FCheckBox->Visible() && FCheckBox->Action() != RurGroupBox::caNone)
        ApplyCheckAction();
}

void TRurCustomGroupBox::WndProc(TMessage& AMessage)
{
    switch (AMessage.Msg) {
    case CM_ENABLEDCHANGED:
        TCustomGroupBox::WndProc(AMessage);
        Invalidate();
        if (FCheckBox->Action() == caDisable)
            EnableChildren();
        return;
    case CM_MOUSELEAVE:
        if (Enabled() && FCheckBox->Visible() && (FCheckBox->FHot || FCheckBox->FDown)) {
            FCheckBox->FHot = false;
            FCheckBox->FDown = false;
            DrawCheckBox();
        }
        break;
    case CM_HINTSHOW: {
        auto* info = reinterpret_cast<THintInfo*>(AMessage.LParam);
        if (info && !FCheckBox->Hint().empty() && CalcCaptionRects().Check.Contains(info->CursorPos))
            info->HintStr = FCheckBox->Hint();
        break;
    }
    default: break;
    }
    TCustomGroupBox::WndProc(AMessage);
}

// ---- Mouse ---------------------------------------------------------------------------------------

void TRurCustomGroupBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomGroupBox::MouseDown(Button, Shift, X, Y);
    if (!CheckBoxActive())
        return;
    FCheckBox->FDown = CalcCaptionRects().Caption.Contains(Point(X, Y));
    if (FCheckBox->FDown) {
        SetCaptureControl(this);
        DrawCheckBox();
    }
}

void TRurCustomGroupBox::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomGroupBox::MouseMove(Shift, X, Y);
    if (!CheckBoxActive())
        return;
    const bool hot = CalcCaptionRects().Caption.Contains(Point(X, Y));
    const bool down = CaptureControl() == this ? hot : FCheckBox->FDown;
    if (hot == FCheckBox->FHot && down == FCheckBox->FDown)
        return;
    FCheckBox->FHot = hot;
    FCheckBox->FDown = down;
    DrawCheckBox();
}

void TRurCustomGroupBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomGroupBox::MouseUp(Button, Shift, X, Y);
    if (!CheckBoxActive() || !FCheckBox->FDown)
        return;
    if (CaptureControl() == this)
        SetCaptureControl(nullptr);
    FCheckBox->FDown = false;
    if (!CalcCaptionRects().Caption.Contains(Point(X, Y))) {
        DrawCheckBox();
        return;
    }
    if (!FCheckBox->AllowGrayed())
        FCheckBox->SetChecked(!FCheckBox->Checked());
    else {
        static constexpr TCheckBoxState Next[] = {cbGrayed, cbUnchecked, cbChecked}; // by the current state
        FCheckBox->SetState(Next[int(FCheckBox->State())]);
    }
}

// ---- Auto size -----------------------------------------------------------------------------------

void TRurCustomGroupBox::DoAutoSize()
{
    if (FAutoSize == gasNone || ControlCount() == 0 || FIsSizing)
        return;
    BeforeAutoSize();
    FIsSizing = true;
    const int b = BorderWidth();
    const int c = CaptionHeight();
    const bool top = IsTopPosition(FCaptionPosition);
    int right = 0, bottom = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* child = Controls(i);
        if (child->Left() < b)
            child->SetLeft(b);
        if (top && child->Top() < c)
            child->SetTop(c);
        int childRight = child->Left() + child->Width();
        int childBottom = child->Top() + child->Height();
        if (child->AlignWithMargins()) {
            childRight += child->Margins()->Right();
            childBottom += child->Margins()->Bottom();
        }
        if (!top)
            childBottom += c;
        right = std::max(right, childRight);
        bottom = std::max(bottom, childBottom);
    }
    if (FAutoSize == gasHorizontal || FAutoSize == gasBoth)
        SetWidth(right + Padding()->Right() + 2);
    if (FAutoSize == gasVertical || FAutoSize == gasBoth)
        SetHeight(bottom + Padding()->Bottom() + 2);
    FIsSizing = false;
}
