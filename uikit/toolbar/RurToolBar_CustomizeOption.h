#pragma once
// The one entry of the small window that the option drop-down's "Options" entry opens for a
// toolbar with a customizer: "Customize" and the toolbar's caption. It highlights while the
// pointer is over it (or a press began on it) and opens the customizer dialog when a press is
// released on it.
#include "RurToolBar_OptionWindow.h"

class TCustomizeOption : public TOptionSelectorPanel {
    TAVIN_CLASS(TCustomizeOption, TOptionSelectorPanel)
public:
    explicit TCustomizeOption(TComponent* owner);

    const String& CustomizeText() const { return FCustomizeText; }
    void SetCustomizeText(const String& value) { FCustomizeText = value; }
    // 25 high, as wide as the text with the margins and room around it.
    void UpdateSize();
    // The entry's button area: the panel less its margins.
    TRect GetCustomizeRect() const;
    // Highlighted (the hot and down flags are always set and cleared together).
    bool CustomizeBtnHot() const { return FCustomizeBtnHot; }
    bool CustomizeBtnDown() const { return FCustomizeBtnDown; }

    void WndProc(TMessage& message) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    void SetHighlight(bool value);

    TComponent* FOwner;
    bool FCustomizeBtnHot = false;
    bool FCustomizeBtnDown = false;
    String FCustomizeText = u"Customize";
};
