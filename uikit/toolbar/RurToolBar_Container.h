#pragma once
// The toolbar container: a window control placed on a toolbar to group other controls under a thin
// frame with an optional caption, like a group box in the toolbar's colours. It shows the toolbar
// behind it through itself, draws its frame in the styler's container look, and links the
// controls put into it to its toolbar so that they behave as the toolbar's own.
#include <memory>

#include "Controls.h"
#include "RurHintInfo.h"
#include "RurToolBar_Appearances.h"

class TRurCustomToolBar;

class TRurToolBarContainer : public TCustomControl {
    TAVIN_PUBLISHED_CLASS(TRurToolBarContainer, TCustomControl)
public:
    explicit TRurToolBarContainer(TComponent* owner);
    ~TRurToolBarContainer() override;

    // The toolbar the container belongs to; its toolbar controls take it as theirs.
    TRurCustomToolBar* RurToolBar() const { return FRurToolBar; }
    void SetRurToolBar(TRurCustomToolBar* value);
    // The frame colour and 3-D flag come from the toolbar's styler while set.
    bool ParentStyler() const { return FParentStyler; }
    void SetParentStyler(bool value);
    bool Line3D() const { return FLine3D; }
    void SetLine3D(bool value);
    TColor LineColor() const { return FLineColor; }
    void SetLineColor(TColor value);
    String Caption() const { return FCaption; }
    void SetCaption(const String& value);
    // The background colours; the control's own colour follows the gradient's first one.
    TGradientBackground* Color() const { return FColor.get(); }
    void SetColor(TGradientBackground* value);
    TRurHintInfo* OfficeHint() const { return FOfficeHint.get(); }
    void SetOfficeHint(TRurHintInfo* value) { FOfficeHint->Assign(value); }
    // The children's inset from the client edges, 0 to 14; other values are ignored.
    int Margins() const { return FMargins; }
    void SetMargins(int value);
    // Stored without a repaint.
    bool ShowBorder() const { return FShowBorder; }
    void SetShowBorder(bool value) { FShowBorder = value; }
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value) { FAutoSize = value; }

    // Glow buttons inside take the styler's glow-button look, and the controls of the kit its
    // shared look.
    void ApplyStylerToControls();
    // Children closer to the top or left edge than Margins are moved in.
    void ApplyMargins();

protected:
    void Loaded() override;
    void ReadState(TReader& reader) override;
    void AlignControls(TControl* control, TRect& rect) override;
    void WndProc(TMessage& message) override;
    void Paint() override;

private:
    void ColorChanged(TObject* sender);
    void LinkControl(TControl* control);
    void ControlInserted(TControl* control);
    void PaintParentBackground();
    void PaintFrame(TColor color, bool line3D);

    TRurCustomToolBar* FRurToolBar = nullptr;
    bool FParentStyler = true;
    bool FLine3D = true;
    String FCaption;
    TColor FLineColor = clBtnShadow;
    std::unique_ptr<TGradientBackground> FColor;
    int FMargin = 2;
    std::unique_ptr<TRurHintInfo> FOfficeHint;
    int FMargins = 0;
    bool FInternalUpdating = false;
    bool FShowBorder = true;
    bool FAutoSize = false;
};
