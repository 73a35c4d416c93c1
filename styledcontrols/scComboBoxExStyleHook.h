#pragma once
// The kit's extended combo box under a custom style: the combo box hook, which here takes over the
// system control's inner combo box and paints its face (the style's border, button and the item,
// or a push-button face for a drop-down list) and the items of its list.
#include "scComboBoxEx.h"
#include "scComboBoxStyleHook.h"

class TscComboBoxExStyleHook : public TscComboBoxStyleHook {
    TAVIN_CLASS(TscComboBoxExStyleHook, TscComboBoxStyleHook)
public:
    explicit TscComboBoxExStyleHook(TWinControl* control);
    ~TscComboBoxExStyleHook() override;

    HWND InnerCombo() const { return FComboBoxHandle; }
    bool DroppedDown() const { return FDroppedDown; }
    bool MouseOnButton() const { return FMouseOnButton; }

protected:
    void WndProc(TMessage& message) override;
    void MouseLeave() override;
    bool IsChildHandle(HWND wnd) const override;
    virtual void PaintPushButtonFace(TCanvas* canvas);
    virtual void InnerComboWindowProc(TMessage& message);
    virtual void PaintInnerCombo(HDC dc);

    bool FDroppedDown = false;
    HWND FComboBoxHandle = nullptr;
    WNDPROC FDefComboBoxProc = nullptr;
    bool FPaintCopy = false;

private:
    friend LRESULT CALLBACK ComboExHookInnerWindowProc(HWND, UINT, WPARAM, LPARAM);
    TscCustomComboBoxEx* KitControl() const;
    TCustomComboBoxEx* ExControl() const;
    void SubclassInnerCombo();
    void ReleaseInnerCombo();
    void RedrawInnerCombo();
    bool HasFocus() const;
    HWND EditWindow() const;
    int ShownIndex() const;
};
