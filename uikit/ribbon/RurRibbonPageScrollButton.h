#pragma once
// The small arrow button at either end of a scrolled row (the pager's tabs, a page's toolbars):
// a press clicks at once and repeats while held, first after 400 ms and then every 100 ms.
#include <memory>

#include "Controls.h"
#include "Timers.h"
#include "RurRibbonTypes.h"

class TRurPageScrollButton : public TCustomControl {
    TAVIN_CLASS(TRurPageScrollButton, TCustomControl)
public:
    explicit TRurPageScrollButton(TComponent* owner);
    ~TRurPageScrollButton() override;

    TScrollArrow Arrow() const { return FArrow; }
    void SetArrow(TScrollArrow value);
    TNotifyEvent OnClick() const { return FOnClick; }
    void SetOnClick(TNotifyEvent value) { FOnClick = value; }
    // The face: normal, hot and pressed fill, and the border.
    void SetFaceColors(TColor color, TColor hot, TColor down, TColor border);
    bool Down() const { return FDown; }

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void WndProc(TMessage& message) override;

private:
    void RepeatTick(TObject* sender);

    TScrollArrow FArrow = saLeft;
    TNotifyEvent FOnClick;
    std::unique_ptr<TTimer> FRepeatTimer;
    bool FDown = false, FHot = false;
    TColor FColor = clBtnFace, FColorHot = clWhite, FColorDown = clSilver, FBorderColor = clGray;
};
