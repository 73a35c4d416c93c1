#pragma once
// The colour scheme that dock panels, toolbars and ribbon pagers register with and paint with.
// This base holds the button colours; registered controls hear of every change by a numeric code
// (2 colours, 5 drag-grip style, 6 menu styler, 7 glow-button appearance, 11 system buttons).
#include <memory>

#include "Classes.h"
#include "RurToolBar_ButtonAppearance.h"
#include "RurToolBar_Lists.h"

class TControl;

class TCustomRurToolBarStyler : public TComponent {
    TAVIN_CLASS(TCustomRurToolBarStyler, TComponent)
public:
    explicit TCustomRurToolBarStyler(TComponent* owner);
    ~TCustomRurToolBarStyler() override;

    // The colours of buttons that follow their toolbar's styler; it reports to no one by itself.
    TButtonAppearance* ButtonAppearance() const { return FButtonAppearance.get(); }
    void SetButtonAppearance(TButtonAppearance* value) { FButtonAppearance->Assign(value); }

    // A toolbar (or dock panel, or pager) that hears of changes from now on; null is ignored.
    void AddControl(TControl* control);
    void RemoveControl(TControl* control);
    int ControlCount() const { return FControlList.Count(); }
    // Passes the code to every registered control, unless the styler is going, loading or inside
    // an update bracket; one control's exception does not keep the next from hearing it.
    void Changed(int code);
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    std::unique_ptr<TButtonAppearance> FButtonAppearance;
    TDbgList FControlList;
    int FUpdateCount = 0;
};
