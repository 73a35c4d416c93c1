#pragma once
// The small arrow button at either end of a scrolled row (the pager's tabs, a page's toolbars):
// a Vista-style body in the glow-button colours of its state, a solid triangle, and auto-repeat:
// a press clicks on release, and while held after 400 ms and then every 100 ms.
#include <memory>

#include "Controls.h"
#include "Timers.h"
#include "RurGlowButton.h"
#include "RurVistaGlyphButton.h"  // TScrollArrow: one enumeration for the ribbon's arrows

class TRurPageScrollButton : public TCustomControl {
    TAVIN_CLASS(TRurPageScrollButton, TCustomControl)
public:
    explicit TRurPageScrollButton(TComponent* owner);
    ~TRurPageScrollButton() override;

    void WndProc(TMessage& message) override;

    TGlowButtonAppearance* Appearance() const { return FAppearance.get(); }
    void SetAppearance(TGlowButtonAppearance* value) { FAppearance->Assign(value); }
    TScrollArrow ScrollArrow() const { return FScrollArrow; }
    // Stores and repaints even an unchanged value; only left and right arrows are drawn.
    void SetScrollArrow(TScrollArrow value);
    TButtonPosition ButtonPosition() const { return FButtonPosition; }
    // Which corners are rounded; takes effect at the next paint.
    void SetButtonPosition(TButtonPosition value) { FButtonPosition = value; }
    // At rest the parent's background shows under the button.
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value) { FTransparent = value; }
    bool RepeatClick() const { return FRepeatClick; }
    void SetRepeatClick(bool value) { FRepeatClick = value; }
    bool MouseInControl() const { return FMouseEnter; }
    bool MousePressed() const { return FMouseDown; }

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    void AppearanceChanged(TObject*);
    void MouseEntered();
    void MouseLeft();
    void RepeatTick(TObject*);
    void StopRepeat();
    TGlowStateColors StateColors() const;
    void PaintArrow(TColor border);
    // The parent's painting under the clip rectangle (button coordinates).
    void PaintParentBackground(const TRect& clip);
    void RepairCorners();

    bool FMouseEnter = false;
    std::unique_ptr<TGlowButtonAppearance> FAppearance;
    bool FTransparent = false;
    TButtonPosition FButtonPosition = bpStandalone;
    bool FMouseDown = false;
    TScrollArrow FScrollArrow = saLeft;
    // Made at the first press; runs only between press and release.
    TTimer* FRepeatTimer = nullptr;
    Cardinal FInitRepeatPause = 400;
    Cardinal FRepeatPause = 100;
    bool FRepeatClick = true;
};
