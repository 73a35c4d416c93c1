#pragma once
// The UI kit's extended task dialog: on the kit's own dialog form its push buttons are glow buttons
// in the kit's look and its radio buttons the kit's Office radio buttons; on the system's task
// dialog it behaves as its base.
#include "TaskDialog.h"

#include "RurStyleIF.h"

class TRurGlowButton;
class TGlowButtonAppearance;

using TButtonCreatedEvent = TEvent<TObject*, TRurGlowButton*>;

class TRurTaskDialogEx : public TRurTaskDialog, public IRujStyle {
    TAVIN_CLASS(TRurTaskDialogEx, TRurTaskDialog)
public:
    explicit TRurTaskDialogEx(TComponent* owner);

    // Stores the look; the buttons of the next showing take it.
    void SetComponentStyle(TRujStyle style) override { FStyle = style; }
    TRujStyle Style() const { return FStyle; }
    TRujStyle UIStyle() const { return FStyle; }
    void SetUIStyle(TRujStyle value) { SetComponentStyle(value); }
    // Borrowed: the application keeps and frees it.
    TGlowButtonAppearance* Appearance() const { return FAppearance; }
    void SetAppearance(TGlowButtonAppearance* value) { FAppearance = value; }
    TButtonCreatedEvent OnButtonCreated() const { return FOnButtonCreated; }
    void SetOnButtonCreated(TButtonCreatedEvent value) { FOnButtonCreated = value; }

protected:
    TWinControl* CreateButton(TComponent* owner) override;
    TWinControl* CreateRadioButton(TComponent* owner) override;
    void SetRadioButtonChecked(TWinControl* radio, bool checked) override;
    void SetRadioButtonCaption(TWinControl* radio, const String& caption) override;
    void SetButtonCaption(TWinControl* button, const String& caption) override;
    void SetButtonCancel(TWinControl* button, bool cancel) override;
    void SetButtonDefault(TWinControl* button, bool isDefault) override;
    void SetButtonModalResult(TWinControl* button, int modalResult) override;
    int GetButtonModalResult(TWinControl* button) override;

private:
    TButtonCreatedEvent FOnButtonCreated;
    TGlowButtonAppearance* FAppearance = nullptr;
    TRujStyle FStyle = tsCustom;
};
