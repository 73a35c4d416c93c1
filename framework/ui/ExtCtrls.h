#pragma once
// Panels and images.
#include "Controls.h"
#include "Timers.h"

TAVIN_ENUM(TBevelCut, bvNone, bvLowered, bvRaised, bvSpace)

class TPanel : public TCustomControl {
    TAVIN_PUBLISHED_CLASS(TPanel, TCustomControl)
public:
    explicit TPanel(TComponent* owner);
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut value) { FBevelOuter = value; Invalidate(); }
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut value) { FBevelInner = value; Invalidate(); }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value) { FAlignment = value; Invalidate(); }

protected:
    void Paint() override;

private:
    TBevelCut FBevelOuter = bvRaised;
    TBevelCut FBevelInner = bvNone;
    TAlignment FAlignment = taCenter;
};

class TImage : public TGraphicControl {
    TAVIN_PUBLISHED_CLASS(TImage, TGraphicControl)
public:
    explicit TImage(TComponent* owner);
    ~TImage() override;
    TPicture* Picture() const { return FPicture.get(); }
    void SetPicture(TPicture* value) { FPicture->Assign(value); }
    bool Center() const { return FCenter; }
    void SetCenter(bool value) { FCenter = value; Invalidate(); }
    bool Proportional() const { return FProportional; }
    void SetProportional(bool value) { FProportional = value; Invalidate(); }
    bool Stretch() const { return FStretch; }
    void SetStretch(bool value) { FStretch = value; Invalidate(); }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    // Where the picture is drawn inside the control.
    TRect DestRect() const;

protected:
    void Paint() override;

private:
    void PictureChanged(TObject*);
    std::unique_ptr<TPicture> FPicture;
    bool FCenter = false, FProportional = false, FStretch = false, FTransparent = false;
};

void ExtCtrlsUnitInitialize();
inline constexpr TUnitStep ExtCtrlsUnit{"ExtCtrls", &ExtCtrlsUnitInitialize, nullptr};
