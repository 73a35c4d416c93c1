// Drop-down mode: a form with a styled form shown as a pop-up, closed when it loses activation.
#include <algorithm>

#include "scStyledForm.h"

namespace {

// At most one drop-down is open in the application.
TCustomForm* GActiveDropDownForm = nullptr;
TCustomForm* GActiveDropDownOwner = nullptr;

TRect WorkAreaNear(HWND wnd)
{
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    GetMonitorInfoW(MonitorFromWindow(wnd, MONITOR_DEFAULTTONEAREST), &info);
    return Rect(info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom);
}

TRect ScreenRectOf(TControl* control)
{
    if (TWinControl* parent = control->Parent()) {
        const TPoint p = parent->ClientToScreen({control->Left(), control->Top()});
        return Bounds(p.X, p.Y, control->Width(), control->Height());
    }
    const TPoint p = control->ClientToScreen({0, 0});
    return Bounds(p.X, p.Y, control->Width(), control->Height());
}

TCustomForm* ParentFormOf(TControl* control)
{
    for (TControl* c = control; c; c = c->Parent())
        if (auto* form = dynamic_cast<TCustomForm*>(c))
            return form;
    return nullptr;
}

} // namespace

TCustomForm* ActiveDropDownForm() { return GActiveDropDownForm; }
TCustomForm* ActiveDropDownOwner() { return GActiveDropDownOwner; }

void TscStyledForm::ForgetDropDown()
{
    if (FForm && GActiveDropDownForm == FForm)
        GActiveDropDownForm = GActiveDropDownOwner = nullptr;
    if (FForm && GActiveDropDownOwner == FForm)
        GActiveDropDownOwner = nullptr;
}

void TscStyledForm::CloseUpFormDropDowns(TCustomForm* form)
{
    if (!form)
        return;
    for (int i = 0; i < form->ComponentCount(); ++i)
        if (auto* styled = dynamic_cast<TscStyledForm*>(form->Components(i)))
            styled->CloseUp(false);
}

void TscStyledForm::SetDropDownControl(TControl* control)
{
    if (FDropDownControl == control)
        return;
    if (FDropDownControl)
        FDropDownControl->RemoveFreeNotification(this);
    FDropDownControl = control;
    if (control)
        control->FreeNotification(this);
}

void TscStyledForm::DropDown(TCustomForm* parentForm, TscNCButtonItem* button, int x, int y, bool rightToLeft)
{
    if (!FForm)
        return;
    const bool sameButton = GActiveDropDownForm == FForm && FDropDownButtonItem == button;
    if (GActiveDropDownForm)
        CloseUpFormDropDowns(GActiveDropDownForm);
    // The same button again only closes its drop-down.
    if (sameButton)
        return;
    if (rightToLeft && button)
        x += button->NCObject()->ObjectRect.Width() - FForm->Width();
    const TRect work = WorkAreaNear(parentForm ? parentForm->Handle() : FForm->Handle());
    StartDropDown(parentForm, nullptr, button, scPlaceDropDownAtPoint({x, y}, {FForm->Width(), FForm->Height()}, work),
                  true);
}

void TscStyledForm::DropDown(TCustomForm* parentForm, int x, int y)
{
    if (!FForm)
        return;
    if (GActiveDropDownForm)
        CloseUpFormDropDowns(GActiveDropDownForm);
    const TRect work = WorkAreaNear(parentForm ? parentForm->Handle() : FForm->Handle());
    StartDropDown(parentForm, nullptr, nullptr,
                  scPlaceDropDownAtPoint({x, y}, {FForm->Width(), FForm->Height()}, work), false);
}

void TscStyledForm::DropDown(TControl* control, int x, int y)
{
    if (!FForm)
        return;
    if (GActiveDropDownForm)
        CloseUpFormDropDowns(GActiveDropDownForm);
    if (!control)
        return;
    TCustomForm* owner = ParentFormOf(control);
    const TRect work = WorkAreaNear(owner ? owner->Handle() : FForm->Handle());
    StartDropDown(owner, control, nullptr, scPlaceDropDownAtPoint({x, y}, {FForm->Width(), FForm->Height()}, work),
                  false);
}

void TscStyledForm::DropDown(TControl* control, bool beside, bool rightToLeft)
{
    if (!FForm)
        return;
    if (GActiveDropDownForm)
        CloseUpFormDropDowns(GActiveDropDownForm);
    if (!control)
        return;
    TCustomForm* owner = ParentFormOf(control);
    const TRect work = WorkAreaNear(owner ? owner->Handle() : FForm->Handle());
    StartDropDown(owner, control, nullptr,
                  scPlaceDropDownAtControl(ScreenRectOf(control), {FForm->Width(), FForm->Height()}, work, beside,
                                           rightToLeft),
                  false);
}

void TscStyledForm::StartDropDown(TCustomForm* owner, TControl* control, TscNCButtonItem* button, TPoint at,
                                  bool focus)
{
    GActiveDropDownOwner = owner;
    GActiveDropDownForm = FForm;
    SetDropDownControl(control);
    FDropDownButtonItem = button;
    FOnDropDown(this, owner, control);

    HWND wnd = FForm->Handle();
    const LONG_PTR exStyle = GetWindowLongPtrW(wnd, GWL_EXSTYLE);
    FSavedLayered = (exStyle & WS_EX_LAYERED) != 0;
    BYTE alpha = 255;
    if (!FSavedLayered || !GetLayeredWindowAttributes(wnd, nullptr, &alpha, nullptr))
        alpha = 255;
    FSavedAlpha = alpha;
    if (FDropDownAnimation) {
        SetWindowLongPtrW(wnd, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
        SetLayeredWindowAttributes(wnd, 0, 0, LWA_ALPHA);
    }
    UpdateScale(true);
    SetWindowPos(wnd, HWND_TOPMOST, at.X, at.Y, 0, 0, SWP_SHOWWINDOW | SWP_NOSIZE);
    FForm->Realign();
    FForm->SetVisible(true);
    if (focus)
        FForm->SetFocus();
    if (FDropDownAnimation) {
        // Faded in on a timer of the form's window, which the close stops: no message loop of its
        // own that could run on after the form closed.
        FFadeStep = std::max(1, FSavedAlpha / 10);
        SetTimer(wnd, scDropDownFadeTimer, 5, nullptr);
    }
}

void TscStyledForm::FadeStep()
{
    HWND wnd = FormHandle();
    BYTE alpha = 0;
    GetLayeredWindowAttributes(wnd, nullptr, &alpha, nullptr);
    const int next = std::min<int>(alpha + FFadeStep, FSavedAlpha);
    SetLayeredWindowAttributes(wnd, 0, static_cast<BYTE>(next), LWA_ALPHA);
    if (next < FSavedAlpha)
        return;
    KillTimer(wnd, scDropDownFadeTimer);
    if (!FSavedLayered)
        SetWindowLongPtrW(wnd, GWL_EXSTYLE, GetWindowLongPtrW(wnd, GWL_EXSTYLE) & ~LONG_PTR(WS_EX_LAYERED));
}

void TscStyledForm::CloseUp(bool acceptChanges)
{
    if (!FForm)
        return;
    TCustomForm* owner = GActiveDropDownOwner;
    if (GActiveDropDownForm == FForm) {
        GActiveDropDownForm = nullptr;
        GActiveDropDownOwner = nullptr;
    }
    if (HWND wnd = FormHandle()) {
        if (KillTimer(wnd, scDropDownFadeTimer)) {
            SetLayeredWindowAttributes(wnd, 0, FSavedAlpha, LWA_ALPHA);
            if (!FSavedLayered)
                SetWindowLongPtrW(wnd, GWL_EXSTYLE, GetWindowLongPtrW(wnd, GWL_EXSTYLE) & ~LONG_PTR(WS_EX_LAYERED));
        }
        SetWindowPos(wnd, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
    }
    FForm->SetVisible(false);
    TControl* control = FDropDownControl;
    SetDropDownControl(nullptr);
    if (TscNCButtonItem* button = FDropDownButtonItem) {
        FDropDownButtonItem = nullptr;
        button->NCObject()->DropDownClosed(acceptChanges);
    }
    FOnCloseUp(this, owner, control, acceptChanges);
}
