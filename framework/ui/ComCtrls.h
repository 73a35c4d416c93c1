#pragma once
// Common controls: the progress bar (including the marquee style).
#include "Controls.h"

TAVIN_ENUM(TProgressBarStyle, pbstNormal, pbstMarquee)
TAVIN_ENUM(TProgressBarOrientation, pbHorizontal, pbVertical)

class TProgressBar : public TWinControl {
    TAVIN_PUBLISHED_CLASS(TProgressBar, TWinControl)
public:
    explicit TProgressBar(TComponent* owner);
    int Min() const { return FMin; }
    void SetMin(int value);
    int Max() const { return FMax; }
    void SetMax(int value);
    int Position() const;
    void SetPosition(int value);
    TProgressBarStyle Style() const { return FStyle; }
    void SetStyle(TProgressBarStyle value);
    bool Smooth() const { return FSmooth; }
    void SetSmooth(bool value);
    TProgressBarOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TProgressBarOrientation value);
    // Milliseconds between marquee steps.
    int MarqueeInterval() const { return FMarqueeInterval; }
    void SetMarqueeInterval(int value);

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleState() override;

private:
    int FMin = 0, FMax = 100, FPosition = 0;
    TProgressBarStyle FStyle = pbstNormal;
    bool FSmooth = false;
    TProgressBarOrientation FOrientation = pbHorizontal;
    int FMarqueeInterval = 10;
};

void ComCtrlsUnitInitialize();
inline constexpr TUnitStep ComCtrlsUnit{"ComCtrls", &ComCtrlsUnitInitialize, nullptr};
