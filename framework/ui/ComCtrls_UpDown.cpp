// The system's up-down control.
#include "ComCtrls.h"

TAVIN_PUBLISHED(TUpDown)
{
    TAVIN_PROPERTY(int, Min).Default(0);
    TAVIN_PROPERTY(int, Max).Default(100);
    TAVIN_PROPERTY(int, Position).Default(0);
    TAVIN_PROPERTY(TUDOrientation, Orientation).Default(udVertical);
    TAVIN_PROPERTY(TNotifyEvent, OnClick);
}

TUpDown::TUpDown(TComponent* owner) : TWinControl(owner)
{
    SetBounds(0, 0, 17, 25);
}

void TUpDown::CreateParams(TCreateParams& params)
{
    TWinControl::CreateParams(params);
    params.SystemClassName = String(u"" UPDOWN_CLASSA);
    if (FOrientation == udHorizontal)
        params.Style |= UDS_HORZ;
}

void TUpDown::CreateHandleState()
{
    SendMessageW(FHandle, UDM_SETRANGE32, static_cast<WPARAM>(FMin), FMax);
    SendMessageW(FHandle, UDM_SETPOS32, 0, FPosition);
}

void TUpDown::SetMin(int value)
{
    FMin = value;
    if (FHandle)
        CreateHandleState();
}

void TUpDown::SetMax(int value)
{
    FMax = value;
    if (FHandle)
        CreateHandleState();
}

int TUpDown::Position() const
{
    return FHandle ? static_cast<int>(SendMessageW(FHandle, UDM_GETPOS32, 0, 0)) : FPosition;
}

void TUpDown::SetPosition(int value)
{
    FPosition = value;
    if (FHandle)
        SendMessageW(FHandle, UDM_SETPOS32, 0, value);
}

void TUpDown::SetOrientation(TUDOrientation value)
{
    if (FOrientation == value)
        return;
    FOrientation = value;
    RecreateWnd();
}

void TUpDown::WndProc(TMessage& message)
{
    // The control tells its parent of each step; the parent hands it back here.
    if ((message.Msg == CN_VSCROLL || message.Msg == CN_HSCROLL) && LOWORD(message.WParam) == SB_THUMBPOSITION) {
        FPosition = Position();
        Click();
        message.Result = 0;
        return;
    }
    TWinControl::WndProc(message);
}
