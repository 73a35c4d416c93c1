#pragma once
// The check list box: an owner-drawn list box whose items each carry a check box (unchecked,
// checked, or grayed where AllowGrayed lets the user reach it).
#include <vector>

#include "StdCtrls.h"

class TCheckListBox : public TCustomListBox {
    TAVIN_PUBLISHED_CLASS(TCheckListBox, TCustomListBox)
public:
    explicit TCheckListBox(TComponent* owner);
    void WndProc(TMessage& message) override;

    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool value) { FAllowGrayed = value; }
    // An index outside the items reads unchecked; writing it does nothing.
    TCheckBoxState State(int index) const;
    void SetState(int index, TCheckBoxState value);
    bool Checked(int index) const { return State(index) == cbChecked; }
    void SetChecked(int index, bool value) { SetState(index, value ? cbChecked : cbUnchecked); }
    TNotifyEvent OnClickCheck() const { return FOnClickCheck; }
    void SetOnClickCheck(TNotifyEvent e) { FOnClickCheck = e; }

    // Width of the strip at the item's reading start that toggles the box when pressed.
    static constexpr int CheckAreaWidth = 17;

protected:
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyPress(Char& key) override;
    // Moves the item to its next state (unchecked, checked, grayed when allowed) and reports it.
    void ToggleClickCheck(int index);
    virtual void ClickCheck() { FOnClickCheck(this); }
    void ItemInserted(int index) override;
    void ItemDeleted(int index) override;
    void ItemsCleared() override { FStates.clear(); }

private:
    void InvalidateItem(int index);
    void DrawCheckItem(const DRAWITEMSTRUCT& item);
    std::vector<TCheckBoxState> FStates;
    bool FAllowGrayed = false;
    TNotifyEvent FOnClickCheck;
};
