#pragma once
// One look for all kit controls of a form, or of every form. A form styler placed on a form or
// frame colours the form and hands its look to every component (of the frames on it too) that
// takes the kit's style interfaces; its Metro mode hands a colour-tone set instead. The
// application styler is the application-wide twin that the form stylers pointing to it follow.
// Both can follow the system theme.
#include <memory>
#include <vector>

#include "Controls.h"
#include "RurStyleIF.h"

class TCustomComboBox;
class TFrame;
class TRurAppStyler;

using TApplyStyleEvent = TEvent<TObject*, TComponent*, bool&>;
using TAppliedStyleEvent = TEvent<TObject*, TComponent*>;

namespace RurAppStyler {

// A hidden window that tells of the system's theme changes (WM_THEMECHANGED). The theme monitor
// has a window class of the same name that listens for Office theme changes instead.
class TThemeNotifierWindow : public TWinControl {
    TAVIN_PUBLISHED_CLASS(TThemeNotifierWindow, TWinControl)
public:
    explicit TThemeNotifierWindow(TComponent* AOwner);
    void WndProc(TMessage& AMessage) override;
    TNotifyEvent OnThemeChange() const { return FOnThemeChange; }
    void SetOnThemeChange(TNotifyEvent value) { FOnThemeChange = value; }

private:
    TNotifyEvent FOnThemeChange;
};

} // namespace RurAppStyler

// The look names with their looks, as GetStyles lists them (26 entries; tsWhidbey has none).
struct TRujStyleName {
    const char16_t* Text;
    TRujStyle Style;
};
extern const TRujStyleName RujStyleNames[26];

class TRurFormStyler : public TComponent {
    TAVIN_PUBLISHED_CLASS(TRurFormStyler, TComponent)
public:
    explicit TRurFormStyler(TComponent* AOwner);
    ~TRurFormStyler() override;

    // From another form styler: AutoThemeAdapt, then Style.
    void Assign(const TPersistent* Source) override;
    // Colours the owning form (or frame's components) with the look; nothing when not enabled.
    void ApplyStyle();
    void ApplyStyleToForm(TCustomForm* AForm, TRujStyle AStyle);
    void ApplyStyleToFrame(TFrame* AFrame, TRujStyle AStyle);
    // Metro on, the look custom (nothing applied), and the tones handed to the owner's components.
    void SetColorTones(const TColorTones& ATones);
    void ApplyColorTonesToForm(TCustomForm* AForm, const TColorTones& ATones);
    void ApplyColorTonesToFrame(TFrame* AFrame, const TColorTones& ATones);
    // A new list (the caller frees it) of the look names, each with its look's ordinal as object.
    TStringList* GetStyles() const;
    void HandleStyleSelect(TObject* Sender);
    virtual int GetVersionNr() const { return 0x02040001; }
    virtual void UpdateMetro();
    virtual void NotifyStylerChange();

    TColor AppColor() const { return FAppColor; }
    void SetAppColor(TColor value);
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    bool Metro() const { return FMetro; }
    void SetMetro(bool value);
    TColor MetroColor() const { return FMetroColor; }
    void SetMetroColor(TColor value);
    TColor MetroTextColor() const { return FMetroTextColor; }
    void SetMetroTextColor(TColor value);
    TMetroStyle MetroStyle() const { return FMetroStyle; }
    void SetMetroStyle(TMetroStyle value);
    TRujStyle Style() const { return FStyle; }
    void SetStyle(TRujStyle value);
    TRurAppStyler* AppStyle() const { return FAppStyle; }
    void SetAppStyle(TRurAppStyler* value);
    TCustomComboBox* ComboBox() const { return FComboBox; }
    void SetComboBox(TCustomComboBox* value);
    String Version() const;
    void SetVersion(const String&) {}
    TApplyStyleEvent OnApplyStyle() const { return FOnApplyStyle; }
    void SetOnApplyStyle(TApplyStyleEvent value) { FOnApplyStyle = value; }
    TAppliedStyleEvent OnAppliedStyle() const { return FOnAppliedStyle; }
    void SetOnAppliedStyle(TAppliedStyleEvent value) { FOnAppliedStyle = value; }
    TApplyStyleEvent OnApplyColorTones() const { return FOnApplyColorTones; }
    void SetOnApplyColorTones(TApplyStyleEvent value) { FOnApplyColorTones = value; }
    TAppliedStyleEvent OnAppliedColorTones() const { return FOnAppliedColorTones; }
    void SetOnAppliedColorTones(TAppliedStyleEvent value) { FOnAppliedColorTones = value; }
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent value) { FOnChange = value; }

    RurAppStyler::TThemeNotifierWindow* NotifierWindow() const { return FNotifier; }

protected:
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TRurAppStyler;
    void ThemeChanged(TObject* = nullptr);
    void StyleComponent(TComponent* AComponent, TRujStyle AStyle);
    void ToneComponent(TComponent* AComponent, const TColorTones& ATones);

    TRujStyle FStyle = tsCustom;
    TRurAppStyler* FAppStyle = nullptr;
    TNotifyEvent FOnChange;
    bool FAutoThemeAdapt = false;
    RurAppStyler::TThemeNotifierWindow* FNotifier = nullptr;
    TApplyStyleEvent FOnApplyStyle;
    TApplyStyleEvent FOnApplyColorTones;
    TMetroStyle FMetroStyle = msLight;
    bool FMetro = false;
    TColor FMetroTextColor = 0;
    TColor FMetroColor = clHighlight;
    TColorTones FTones;
    TAppliedStyleEvent FOnAppliedStyle;
    TAppliedStyleEvent FOnAppliedColorTones;
    bool FEnabled = true;
    TCustomComboBox* FComboBox = nullptr;
    TColor FAppColor = 0;
};

class TRurAppStyler : public TComponent {
    TAVIN_PUBLISHED_CLASS(TRurAppStyler, TComponent)
public:
    explicit TRurAppStyler(TComponent* AOwner);
    ~TRurAppStyler() override;

    // From another application styler: Style, then AutoThemeAdapt.
    void Assign(const TPersistent* Source) override;
    // Every registered form styler takes the Metro settings, the colour and the look.
    void ApplyStyle();
    void SetColorTones(const TColorTones& ATones);
    void RegisterFormStyler(TRurFormStyler* AFormStyler);
    void UnRegisterFormStyler(TRurFormStyler* AFormStyler);
    virtual int GetVersionNr() const { return 0x02040001; }
    virtual void UpdateMetro();
    virtual void NotifyStylerChange();

    TColor AppColor() const { return FAppColor; }
    void SetAppColor(TColor value);
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    bool Metro() const { return FMetro; }
    void SetMetro(bool value);
    TColor MetroColor() const { return FMetroColor; }
    void SetMetroColor(TColor value);
    TColor MetroTextColor() const { return FMetroTextColor; }
    void SetMetroTextColor(TColor value);
    TMetroStyle MetroStyle() const { return FMetroStyle; }
    void SetMetroStyle(TMetroStyle value);
    TRujStyle Style() const { return FStyle; }
    void SetStyle(TRujStyle value);
    String Version() const;
    void SetVersion(const String&) {}
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent value) { FOnChange = value; }

    const TColorTones& Tones() const { return FTones; }
    const std::vector<TRurFormStyler*>& FormStylers() const { return FForms; }
    RurAppStyler::TThemeNotifierWindow* NotifierWindow() const { return FNotifier; }

protected:
    void Loaded() override;

private:
    void ThemeChanged(TObject* = nullptr);
    bool Busy() const;

    TColorTones FTones{{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}};
    std::vector<TRurFormStyler*> FForms;
    TRujStyle FStyle = tsCustom;
    bool FAutoThemeAdapt = false;
    RurAppStyler::TThemeNotifierWindow* FNotifier = nullptr;
    TNotifyEvent FOnChange;
    TMetroStyle FMetroStyle = msLight;
    bool FMetro = false;
    TColor FMetroTextColor = 0;
    TColor FMetroColor = clHighlight;
    bool FEnabled = true;
    TColor FAppColor = clNone;
};
