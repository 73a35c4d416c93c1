// How a glow button reacts: pointer tracking with the hover and press fades, presses and releases,
// check and group latching, auto-repeat, the drop-down menu, keys, dialog keys, accelerators, focus,
// enabling and the framework's style change.
#include "RurGlowButton.h"

#include "ActnList.h"
#include "Forms.h"

using namespace RurGDIP;
using namespace RurGlowButton;

namespace {

// The press fade of a touch or pen press runs at this interval whatever GlowSpeed says.
constexpr int TouchFadeInterval = 20;

bool ShiftKeysHeld()
{
    return GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
}

} // namespace

void TRurCustomGlowButton::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_GETDLGCODE:
        TCustomControl::WndProc(message);
        return;
    case WM_SETTEXT:
        TCustomControl::WndProc(message);
        if (FAutoSize)
            UpdateAutoSize();
        return;
    case WM_ERASEBKGND:
        message.Result = 1;
        return;
    case WM_LBUTTONDOWN:
        FGotButtonClick = true;
        break;
    case WM_LBUTTONUP:
        LeftButtonUp(message);
        return;
    case WM_SETFOCUS:
        FHasFocus = true;
        break;
    case WM_KILLFOCUS:
        FHasFocus = false;
        Invalidate();
        break;
    case CN_COMMAND:
        if (HIWORD(message.WParam) == 0)
            Click();
        return;
    case CM_DIALOGKEY:
        if (DialogKey(message))
            return;
        break;
    case CM_DIALOGCHAR:
        if (DialogChar(message))
            return;
        break;
    case CM_ENTER:
        TCustomControl::WndProc(message);
        Entered();
        return;
    case CM_EXIT:
        TCustomControl::WndProc(message);
        Exited();
        return;
    case CM_FOCUSCHANGED: {
        auto* focused = reinterpret_cast<TControl*>(message.LParam);
        if (focused == this)
            FActive = true;
        else if (dynamic_cast<TRurCustomGlowButton*>(focused))
            FActive = false;
        else
            FActive = FDefault;
        return;
    }
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
        TCustomControl::WndProc(message);
        Invalidate();
        return;
    case CM_DESIGNHITTEST:
        message.Result = FDesignClicks ? 1 : 0;
        return;
    case CM_MOUSEENTER:
        TCustomControl::WndProc(message);
        MouseEntered();
        return;
    case CM_MOUSELEAVE:
        TCustomControl::WndProc(message);
        MouseLeft();
        return;
    case CM_ENABLEDCHANGED:
        TCustomControl::WndProc(message);
        FDown = false;
        FState = absDisabled;
        Invalidate();
        return;
    case CM_BUTTONPRESSED: {
        auto* sender = reinterpret_cast<TRurCustomGlowButton*>(message.LParam);
        if (static_cast<int>(message.WParam) == FGroupIndex && sender && sender != this && sender->FDownChecked &&
            FDownChecked) {
            FDownChecked = false;
            FState = absUp;
            Invalidate();
        }
        return;
    }
    case CM_STYLECHANGED:
        TCustomControl::WndProc(message);
        StyleChanged();
        return;
    default:
        break;
    }
    TCustomControl::WndProc(message);
}

// ---- Pointer tracking and the fade ---------------------------------------------------------------------

void TRurCustomGlowButton::StartFadeTimer(int interval)
{
    if (FTimer)
        return;
    FTimer = std::make_unique<TTimer>(nullptr);
    FTimer->SetInterval(static_cast<Cardinal>(interval));
    FTimer->SetOnTimer(MakeHandler<&TRurCustomGlowButton::GlowTimerExpired>(this));
    FTimer->SetEnabled(true);
}

void TRurCustomGlowButton::StopFadeTimer() { FTimer.reset(); }

void TRurCustomGlowButton::MouseEntered()
{
    FOnMouseEnter(this);
    if (ComponentState().Contains(csDesigning) || FMouseEnter)
        return;
    FHot = true;
    FDown = FLeftDown;
    if (!FTimer && GlowSpeed() > 0)
        StartFadeTimer(GlowSpeed());
    if (!FDown && FGlowState != gsPush) {
        FTimeInc = 20;
        FGlowState = gsHover;
    }
    Invalidate();
    FMouseInControl = FMouseEnter = FHasMouse = true;
}

void TRurCustomGlowButton::MouseLeft()
{
    FOnMouseLeave(this);
    if (ComponentState().Contains(csDesigning) || !FMouseEnter)
        return;
    FHasMouse = FMouseEnter = FMouseInControl = FHot = FInButton = false;
    if (FDown && FMouseDown) {
        FDown = false;
        FTimeInc = -20;
        FGlowState = gsHover;
        Invalidate();
        FLeftDown = true;
    } else {
        FDown = false;
        FStepHover = 100;
        FTimeInc = -20;
        FGlowState = gsHover;
        Invalidate();
    }
    if (!FTimer && GlowSpeed() > 0)
        StartFadeTimer(GlowSpeed());
}

void TRurCustomGlowButton::GlowTimerExpired(TObject*)
{
    auto step = [this](int& value) {
        value += FTimeInc;
        const bool over = (FTimeInc > 0 && value > 100) || (FTimeInc < 0 && value < 0);
        if (over)
            value = std::clamp(value, 0, 100);
        return over;
    };
    switch (FGlowState) {
    case gsHover:
        if (step(FStepHover)) {
            FGlowState = gsNone;
            StopFadeTimer();
        }
        Invalidate();
        break;
    case gsPush:
        if (step(FStepPush)) {
            if (FTimeInc < 0 && FStyle == bsButton) {
                FDown = FLeftDown = false;
                Perform(CM_MOUSELEAVE, 0, 0);
            }
            FGlowState = gsNone;
            StopFadeTimer();
        }
        Invalidate();
        break;
    case gsNone:
        break;
    }
}

void TRurCustomGlowButton::UpdateTracking()
{
    if (!Enabled())
        return;
    POINT p;
    GetCursorPos(&p);
    const bool outside = FindDragTarget(TPoint{p.x, p.y}, true) != this;
    if (outside == FMouseInControl) {
        FMouseInControl = !outside;
        Perform(FMouseInControl ? CM_MOUSEENTER : CM_MOUSELEAVE, 0, 0);
    }
}

// ---- Mouse ------------------------------------------------------------------------------------------------------

bool TRurCustomGlowButton::OnDropDownPart(int x, int y, bool inclusive)
{
    const int d = GetScaledDropDownWidth();
    if (FDropDownPosition == dpRight)
        return inclusive ? x >= Width() - d : x > Width() - d;
    return inclusive ? y >= Height() - d : y > Height() - d;
}

void TRurCustomGlowButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    FCheckBeforeAction = FDownChecked;
    TCustomControl::MouseDown(button, shift, x, y);
    // A finger or pen gives no hover before it presses: enter now, and fade even when fading is off.
    const bool touchOrPen = shift.Contains(ssTouch) || shift.Contains(ssPen);
    if (touchOrPen)
        Perform(CM_MOUSEENTER, 0, 0);
    if (button != mbLeft)
        return;
    if (FRepeatClick) {
        if (!FRepeatTimer) {
            FRepeatTimer = std::make_unique<TTimer>(nullptr);
            FRepeatTimer->SetOnTimer(MakeHandler<&TRurCustomGlowButton::RepeatTimerExpired>(this));
        }
        FRepeatTimer->SetInterval(static_cast<Cardinal>(FInitRepeatPause));
        FRepeatTimer->SetEnabled(true);
    }
    FDown = FMouseDown = true;
    if (TabStop() && CanFocus())
        SetFocus();
    FTimeInc = 20;
    FGlowState = gsPush;
    const bool onDropDown = OnDropDownPart(x, y, false);
    const bool opensMenu = (!FDropDownButton && IsMenuButton()) || (FDropDownButton && onDropDown && FDropDownSplit) ||
                           (FDropDownButton && !FDropDownSplit && FStyle != bsCheck && FGroupIndex <= 0);
    FDropDownPress = opensMenu;
    if (opensMenu) {
        FMouseInControl = false;
        FOnDropDown(this);
        if (FDropDownMenu) {
            FDropDownMenu->SetPopupComponent(this);
            FDown = !FDropDownSplit;
            FDroppedDown = true;
            FMouseEnter = false;
            Repaint();
            ShowDropDownMenu();
            FDown = FDroppedDown = false;
            FMouseEnter = FMouseInControl = FHot = FInButton = false;
            Repaint();
        }
        Invalidate();
    } else {
        if (!FDownChecked) {
            FState = absDown;
            Invalidate();
        }
        if (FStyle == bsCheck) {
            FState = absDown;
            Repaint();
        }
        FDragging = true;
    }
    if (touchOrPen && !FTimer)
        StartFadeTimer(TouchFadeInterval);
}

void TRurCustomGlowButton::MouseMove(TShiftState shift, int x, int y)
{
    TCustomControl::MouseMove(shift, x, y);
    if (ComponentState().Contains(csDesigning))
        return;
    const bool inButton = FDropDownButton && OnDropDownPart(x, y, true);
    if (inButton != FInButton) {
        FInButton = inButton;
        Invalidate();
    }
    if (FDragging) {
        TRurButtonState state = FDownChecked ? absExclusive : absUp;
        if (x >= 0 && x < ClientWidth() && y >= 0 && y <= ClientHeight())
            state = FDownChecked ? absExclusive : absDown;
        if (FStyle == bsCheck && FDownChecked)
            state = absDown;
        if (state != FState) {
            FState = state;
            Invalidate();
        }
    } else if (!FMouseInControl) {
        UpdateTracking();
    }
}

void TRurCustomGlowButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TCustomControl::MouseUp(button, shift, x, y);
    if (FRepeatTimer)
        FRepeatTimer->SetEnabled(false);
    FDown = false;
    if (FStyle == bsButton)
        Invalidate();
}

void TRurCustomGlowButton::LeftButtonUp(TMessage& message)
{
    const int x = static_cast<short>(LOWORD(message.LParam)), y = static_cast<short>(HIWORD(message.LParam));
    const bool inside = x >= 0 && x < ClientWidth() && y >= 0 && y <= ClientHeight();
    FTimeInc = -10;
    FStepPush = 100;
    if (inside) {
        FGlowState = gsHover;
        FHot = FHasMouse = FMouseEnter = true;
    } else {
        FGlowState = gsNone;
        FHasMouse = FMouseDown = FMouseEnter = FHot = FInButton = false;
    }
    FMouseDown = FLeftDown = false;

    auto* link = ActionLink();
    if (FStyle == bsCheck && inside) {
        if (!link || FDownChecked == FCheckBeforeAction)
            SetDown(!FDownChecked);
        FStepPush = 0;
    }
    bool handled = false;
    if ((FDropDownButton || !IsMenuButton()) && FDragging) {
        FDragging = false;
        if (FGroupIndex != 0) {
            if (link && (FCheckLinked || FGroupIndexLinked)) {
                TCustomControl::WndProc(message);
                return;
            }
            if (inside) {
                SetDown(!FDownChecked);
                if (FDownChecked)
                    Repaint();
            } else {
                if (FDownChecked)
                    FState = absExclusive;
                Repaint();
            }
        } else {
            FState = absUp;
            FMouseInControl = false;
            if (FStyle == bsCheck) {
                if (link) {
                    TCustomControl::WndProc(message);
                    handled = true;
                    auto* action = dynamic_cast<TAction*>(Action());
                    if (FCheckLinked || FGroupIndexLinked || (action && action->AutoCheck()))
                        return;
                }
                if (!inside && FDownChecked)
                    SetDown(false);
                FMouseInControl = true;
                Repaint();
            } else if (inside && FState != absDown && FState != absExclusive) {
                Invalidate();
            }
        }
        UpdateTracking();
    }
    // A press that went to the drop-down part is no click, also when there is no menu to open.
    if (FDropDownPress)
        SetControlState(ControlState() - TControlState{csClicked});
    else if (FGotButtonClick)
        SetControlState(ControlState() + TControlState{csClicked});
    FGotButtonClick = FDropDownPress = false;
    if (!handled && !FDroppedDown)
        TCustomControl::WndProc(message);
    if (FStyle == bsCheck || FGroupIndex > 0)
        Repaint();
    Invalidate();
}

void TRurCustomGlowButton::Click()
{
    if (TCustomForm* form = GetParentForm())
        form->SetModalResult(FModalResult);
    FOnInternalClick(this);
    TCustomControl::Click();
}

void TRurCustomGlowButton::RepeatTimerExpired(TObject*)
{
    FRepeatTimer->SetInterval(static_cast<Cardinal>(FRepeatPause));
    if (!FDown || GetCapture() != Handle())
        return;
    try {
        Click();
    } catch (...) {
        FRepeatTimer->SetEnabled(false);
        throw;
    }
}

// ---- Down, groups and the drop-down menu ---------------------------------------------------------------

void TRurCustomGlowButton::SetDown(bool value)
{
    if (ComponentState().Contains(csLoading) || !HandleAllocated()) {
        FInitialDown = value;
        FHasInitialDown = true;
    }
    if (FStyle == bsButton && FGroupIndex == 0)
        value = false;
    if (FStyle == bsCheck) {
        FDownChecked = value;
        FState = value ? absDown : absUp;
        Repaint();
        return;
    }
    if (value == FDownChecked || (FDownChecked && !FAllowAllUp))
        return;
    FDownChecked = value;
    if (value) {
        if (FState == absUp)
            Invalidate();
        FState = absExclusive;
        UpdateExclusive();
    } else {
        FState = absUp;
        Repaint();
    }
}

void TRurCustomGlowButton::UpdateExclusive()
{
    if (FGroupIndex == 0 || !Parent())
        return;
    TMessage message{CM_BUTTONPRESSED, static_cast<WPARAM>(FGroupIndex), reinterpret_cast<LPARAM>(this), 0};
    Parent()->Broadcast(message);
}

TPoint TRurCustomGlowButton::PopupPoint() const
{
    TPoint p = FDropDownDirection == ddRight ? TPoint{Left() + Width(), Top()} : TPoint{Left(), Top() + Height()};
    if (Parent())
        p = Parent()->ClientToScreen(p);
    if (FDropDownMenu->Alignment() == paRight)
        p.X += Width();
    else if (FDropDownMenu->Alignment() == paCenter)
        p.X += Width() / 2;
    return p;
}

void TRurCustomGlowButton::ShowDropDownMenu() { FDropDownMenu->Popup(PopupPoint()); }

void TRurCustomGlowButton::DoDropDown()
{
    if (!IsMenuButton() && !FDropDownMenu)
        return;
    if (!FDropDownMenu) {
        Invalidate();
        return;
    }
    FOnInternalDropDown(this);
    FDropDownMenu->SetPopupComponent(this);
    FState = absDown;
    FOnDropDown(this);
    Invalidate();
    ShowDropDownMenu();
    FState = absUp;
    Repaint();
    Invalidate();
}

void TRurCustomGlowButton::InvokeClick()
{
    const bool opensMenu = (IsMenuButton() && !FDropDownButton) ||
                           (FDropDownButton && FStyle != bsCheck && FGroupIndex <= 0 && !FDropDownSplit);
    if (opensMenu) {
        if (FDropDownMenu)
            DoDropDown();
        else
            Click();
        return;
    }
    if (FStyle == bsCheck) {
        SetDown(!FDownChecked);
        FState = absDown;
        Repaint();
    }
    Click();
}

// ---- Keyboard and focus ------------------------------------------------------------------------------------

void TRurCustomGlowButton::KeyDown(Word& key, TShiftState shift)
{
    if (FOnInternalKeyDown)
        FOnInternalKeyDown(this, key, shift);
    FGotDownKey = true;
    TCustomControl::KeyDown(key, shift);
    if ((key == VK_RETURN || key == VK_SPACE) && FGroupIndex == 0) {
        FDown = true;
        Repaint();
    }
    if (key == VK_F4 && shift.Empty())
        DoDropDown();
}

void TRurCustomGlowButton::KeyPress(Char& key)
{
    TCustomControl::KeyPress(key);
    if ((key == u' ' || key == u'\r') && FGroupIndex == 0) {
        if (TCustomForm* form = GetParentForm())
            form->SetModalResult(FModalResult);
        OnClick()(this);
    }
}

void TRurCustomGlowButton::KeyUp(Word& key, TShiftState shift)
{
    TCustomControl::KeyUp(key, shift);
    if ((key == VK_RETURN || key == VK_SPACE) && FGotDownKey) {
        if (FGroupIndex != 0) {
            if (FState == absDown || FState == absExclusive) {
                FDown = false;
                FState = absUp;
            } else {
                FState = absExclusive;
            }
            FDownChecked = !FDownChecked;
            UpdateExclusive();
            OnClick()(this);
        } else {
            FDown = false;
            FState = absUp;
        }
    }
    FGotDownKey = false;
    Repaint();
}

bool TRurCustomGlowButton::DialogKey(TMessage& message)
{
    const WPARAM key = message.WParam;
    if (!((key == VK_RETURN && FActive) || (key == VK_ESCAPE && FCancel)) || ShiftKeysHeld() || !CanFocus())
        return false;
    if (FGroupIndex == 0) {
        FState = absUp;
    } else if (FGroupIndex > 0) {
        FState = key == VK_RETURN && FState == absUp ? absExclusive : absUp;
        FDown = FDownChecked = FState != absUp;
        UpdateExclusive();
        Repaint();
    }
    InvokeClick();
    message.Result = 1;
    return true;
}

bool TRurCustomGlowButton::DialogChar(TMessage& message)
{
    const Char c = static_cast<Char>(message.WParam);
    if (GetKeyState(VK_MENU) >= 0 && Parent() && Parent()->ClassName() == u"TRurToolBar")
        return false;
    if (!CanFocus())
        return false;
    if (IsAccel(c, Caption())) {
        if (IsMenuButton() || (FDropDownMenu && !FDropDownSplit))
            DoDropDown();
        else
            Click();
    } else if (IsAccel(c, FWideCaption) || IsAccel(c, Hint()) || IsAccel(c, FOfficeHint->Title())) {
        if (IsMenuButton() || FDropDownMenu)
            DoDropDown();
        else
            Click();
    } else {
        return false;
    }
    message.Result = 1;
    return true;
}

void TRurCustomGlowButton::Entered()
{
    FHasFocus = true;
    Invalidate();
}

void TRurCustomGlowButton::Exited()
{
    if (FGroupIndex == 0) {
        FDown = false;
        FState = absUp;
    }
    FHasFocus = false;
    Invalidate();
}

// ---- The framework's style -----------------------------------------------------------------------------------

void TRurCustomGlowButton::StyleChanged()
{
    if (IsVclStyled(StyleServices(), ComponentState().Contains(csDesigning))) {
        if (StyleElements().Contains(seClient)) {
            TColorTones tones;
            GetVclStyleTones(tones);
            if (tones.Background.BrushColor != clNone) {
                tones.Selected.TextColor = tones.Hover.TextColor;
                SetColorTones(tones);
            }
        }
        FUsingStyles = true;
    } else if (FUsingStyles) {
        FUsingStyles = false;
        FAppearance->Init();
        Font()->SetColor(clWindowText);
        SetRounded(true);
    }
}
