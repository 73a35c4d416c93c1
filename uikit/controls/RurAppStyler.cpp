#include "RurAppStyler.h"

#include <algorithm>

#include "Forms.h"
#include "RurVersion.h"
#include "StdCtrls.h"

namespace RurAppStyler {

TAVIN_PUBLISHED(TThemeNotifierWindow) { TAVIN_PROPERTY(TNotifyEvent, OnThemeChange); }

TThemeNotifierWindow::TThemeNotifierWindow(TComponent* AOwner) : TWinControl(AOwner) { SetVisible(false); }

void TThemeNotifierWindow::WndProc(TMessage& AMessage)
{
    if (AMessage.Msg == WM_THEMECHANGED && FOnThemeChange)
        FOnThemeChange(this);
    TWinControl::WndProc(AMessage);
}

} // namespace RurAppStyler

using TStylerNotifier = RurAppStyler::TThemeNotifierWindow;

const TRujStyleName RujStyleNames[26] = {
    {u"Office 2003 Blue", tsOffice2003Blue},
    {u"Office 2003 Silver", tsOffice2003Silver},
    {u"Office 2003 Olive", tsOffice2003Olive},
    {u"Office 2003 Classic", tsOffice2003Classic},
    {u"Office 2007 Blue", tsOffice2007Luna},
    {u"Office 2007 Silver", tsOffice2007Silver},
    {u"Office 2007 Black", tsOffice2007Obsidian},
    {u"Windows XP", tsWindowsXP},
    {u"Windows Vista", tsWindowsVista},
    {u"Windows 7", tsWindows7},
    {u"Windows 8", tsWindows8},
    {u"Windows 10", tsWindows10},
    {u"Terminal", tsTerminal},
    {u"Office 2010 Blue", tsOffice2010Blue},
    {u"Office 2010 Silver", tsOffice2010Silver},
    {u"Office 2010 Black", tsOffice2010Black},
    {u"Office 2013 White", tsOffice2013White},
    {u"Office 2013 Light gray", tsOffice2013LightGray},
    {u"Office 2013 Gray", tsOffice2013Gray},
    {u"Office 2016 White", tsOffice2016White},
    {u"Office 2016 Gray", tsOffice2016Gray},
    {u"Office 2016 Black", tsOffice2016Black},
    {u"Office 2019 White", tsOffice2019White},
    {u"Office 2019 Gray", tsOffice2019Gray},
    {u"Office 2019 Black", tsOffice2019Black},
    {u"Custom", tsCustom},
};

namespace {

TColor FormColorOf(TRujStyle AStyle)
{
    switch (AStyle) {
    case tsOffice2013White:
    case tsOffice2016White:
    case tsOffice2019White:
        return 0xFFFFFF;
    case tsOffice2013LightGray:
        return 0xC0C0C0;
    case tsOffice2013Gray:
    case tsOffice2016Gray:
        return 0x808080;
    case tsOffice2019Gray:
        return 0x666666;
    case tsOffice2016Black:
    case tsOffice2019Black:
        return 0x000000;
    default:
        return clBtnFace;
    }
}

bool Loading(const TComponent* AComponent)
{
    return AComponent && AComponent->ComponentState().Contains(csLoading);
}

bool Designing(const TComponent* AComponent) { return AComponent->ComponentState().Contains(csDesigning); }

// The notifier window of a styler, parented to the nearest window control up the owner chain.
TStylerNotifier* MakeNotifier(TComponent* AStyler, TComponent* AParentFrom, TNotifyEvent AOnThemeChange)
{
    auto* notifier = new TStylerNotifier(AStyler);
    for (TComponent* owner = AParentFrom; owner; owner = owner->Owner())
        if (auto* parent = dynamic_cast<TWinControl*>(owner)) {
            notifier->SetParent(parent);
            break;
        }
    notifier->SetOnThemeChange(AOnThemeChange);
    return notifier;
}

} // namespace

TRujStyle GetFormStylerStyle(TComponent* AComponent, TRujStyle ADefault)
{
    TCustomForm* form = dynamic_cast<TCustomForm*>(AComponent);
    if (!form) {
        auto* control = dynamic_cast<TControl*>(AComponent);
        if (!control)
            return ADefault;
        // The top-level form.
        TWinControl* top = control->Parent();
        while (top && top->Parent())
            top = top->Parent();
        form = dynamic_cast<TCustomForm*>(top ? top : control);
        if (!form)
            return ADefault;
    }
    for (int i = 0; i < form->ComponentCount(); ++i)
        if (auto* styler = dynamic_cast<TRurFormStyler*>(form->Components(i)))
            if (styler->Enabled() && styler->Style() != tsCustom)
                return styler->Style();
    return ADefault;
}

// ---- TRurFormStyler -----------------------------------------------------------------------------------

TAVIN_PUBLISHED(TRurFormStyler)
{
    TAVIN_PROPERTY(TColor, AppColor).Default(0);
    TAVIN_PROPERTY(bool, AutoThemeAdapt).Default(false);
    TAVIN_PROPERTY(bool, Enabled).Default(true);
    TAVIN_PROPERTY(bool, Metro).Default(false);
    TAVIN_PROPERTY(TColor, MetroColor).Default(clHighlight);
    TAVIN_PROPERTY(TColor, MetroTextColor).Default(0);
    TAVIN_PROPERTY(TMetroStyle, MetroStyle).Default(msLight);
    TAVIN_PROPERTY(TRujStyle, Style).Default(tsCustom);
    TAVIN_PROPERTY(TRurAppStyler*, AppStyle);
    TAVIN_PROPERTY(TCustomComboBox*, ComboBox);
    TAVIN_PROPERTY(TApplyStyleEvent, OnApplyStyle);
    TAVIN_PROPERTY(TAppliedStyleEvent, OnAppliedStyle);
    TAVIN_PROPERTY(TApplyStyleEvent, OnApplyColorTones);
    TAVIN_PROPERTY(TAppliedStyleEvent, OnAppliedColorTones);
    TAVIN_PROPERTY(TNotifyEvent, OnChange);
    TAVIN_PROPERTY(String, Version);
}

TRurFormStyler::TRurFormStyler(TComponent* AOwner) : TComponent(AOwner)
{
    CreateDefaultTones(FTones);
    FMetroColor = FTones.Selected.BrushColor;
    const TComponentState ownerState = AOwner ? AOwner->ComponentState() : TComponentState{};
    if (Designing(this) && !ownerState.Contains(csReading) && !ownerState.Contains(csLoading))
        FAppColor = 0xE29E00;
    if (!Designing(this))
        FNotifier = MakeNotifier(this, AOwner, MakeHandler<&TRurFormStyler::ThemeChanged>(this));
}

TRurFormStyler::~TRurFormStyler()
{
    if (FAppStyle && !Designing(this))
        FAppStyle->UnRegisterFormStyler(this);
}

String TRurFormStyler::Version() const { return KitVersionText(GetVersionNr()); }

void TRurFormStyler::Assign(const TPersistent* Source)
{
    if (const auto* styler = dynamic_cast<const TRurFormStyler*>(Source)) {
        SetAutoThemeAdapt(styler->FAutoThemeAdapt);
        SetStyle(styler->FStyle);
    }
}

void TRurFormStyler::SetAppColor(TColor value)
{
    if (FAppColor == value)
        return;
    FAppColor = value;
    if (FStyle != tsCustom && !Loading(Owner()) && !Loading(this))
        ApplyStyle();
}

void TRurFormStyler::SetAutoThemeAdapt(bool value)
{
    FAutoThemeAdapt = value;
    ThemeChanged();
}

void TRurFormStyler::SetEnabled(bool value)
{
    if (FEnabled == value)
        return;
    FEnabled = value;
    if (value)
        ApplyStyle();
}

void TRurFormStyler::SetMetro(bool value)
{
    if (FMetro == value)
        return;
    FMetro = value;
    if (value)
        UpdateMetro();
}

void TRurFormStyler::SetMetroColor(TColor value)
{
    if (FMetroColor == value)
        return;
    FMetroColor = value;
    UpdateMetro();
}

void TRurFormStyler::SetMetroTextColor(TColor value)
{
    if (FMetroTextColor == value)
        return;
    FMetroTextColor = value;
    UpdateMetro();
}

void TRurFormStyler::SetMetroStyle(TMetroStyle value)
{
    if (FMetroStyle == value)
        return;
    FMetroStyle = value;
    UpdateMetro();
}

void TRurFormStyler::SetStyle(TRujStyle value)
{
    if (FStyle == value)
        return;
    FStyle = value;
    if (value != tsCustom && !Loading(Owner()) && !Loading(this))
        ApplyStyle();
}

void TRurFormStyler::SetAppStyle(TRurAppStyler* value)
{
    if (FAppStyle == value)
        return;
    if (FAppStyle && !Designing(this))
        FAppStyle->UnRegisterFormStyler(this);
    FAppStyle = value;
    if (!value)
        return;
    value->FreeNotification(this);
    if (!Loading(this))
        SetStyle(value->Style());
    if (!Designing(this))
        value->RegisterFormStyler(this);
}

TStringList* TRurFormStyler::GetStyles() const
{
    auto* list = new TStringList();
    for (const TRujStyleName& name : RujStyleNames)
        list->AddObject(name.Text, reinterpret_cast<TObject*>(static_cast<intptr_t>(name.Style)));
    return list;
}

void TRurFormStyler::SetComboBox(TCustomComboBox* value)
{
    FComboBox = value;
    if (!value)
        return;
    value->FreeNotification(this);
    const std::unique_ptr<TStringList> styles(GetStyles());
    value->Items()->Assign(styles.get());
    value->SetOnSelect(MakeHandler<&TRurFormStyler::HandleStyleSelect>(this));
    value->SetStyle(csDropDownList);
    for (int i = 0; i < styles->Count(); ++i)
        if (reinterpret_cast<intptr_t>(styles->Objects(i)) == intptr_t(FStyle)) {
            value->SetItemIndex(i);
            break;
        }
}

void TRurFormStyler::HandleStyleSelect(TObject*)
{
    if (!FComboBox || FComboBox->ItemIndex() < 0)
        return;
    SetStyle(TRujStyle(reinterpret_cast<intptr_t>(FComboBox->Items()->Objects(FComboBox->ItemIndex()))));
}

void TRurFormStyler::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove)
        return;
    if (AComponent == FAppStyle)
        FAppStyle = nullptr;
    if (AComponent == FComboBox)
        FComboBox = nullptr;
}

void TRurFormStyler::Loaded()
{
    TComponent::Loaded();
    if (!Designing(this)) {
        if (FAppStyle) {
            SetStyle(FAppStyle->Style());
            FTones = FAppStyle->Tones();
            SetMetro(FAppStyle->Metro());
            SetMetroStyle(FAppStyle->MetroStyle());
            SetMetroTextColor(FAppStyle->MetroTextColor());
            SetMetroColor(FAppStyle->MetroColor());
        } else {
            const TRujStyle stored = FStyle;
            SetStyle(tsCustom);
            SetStyle(stored);
        }
    }
    if (FMetro)
        SetColorTones(FTones);
    ThemeChanged();
}

void TRurFormStyler::ThemeChanged(TObject*)
{
    if (FAutoThemeAdapt)
        SetStyle(DetectSystemStyle(false));
}

void TRurFormStyler::NotifyStylerChange()
{
    if (FOnChange)
        FOnChange(this);
}

void TRurFormStyler::StyleComponent(TComponent* AComponent, TRujStyle AStyle)
{
    IRujStyleEx* styleEx = nullptr;
    IRujStyle* style = nullptr;
    const bool ex = Supports(AComponent, IRujStyleEx::IID, styleEx);
    if (!ex && !Supports(AComponent, IRujStyle::IID, style))
        return;
    bool allow = true;
    if (FOnApplyStyle)
        FOnApplyStyle(this, AComponent, allow);
    if (!allow)
        return;
    if (ex)
        styleEx->SetComponentStyleAndAppColor(AStyle, FAppColor);
    else
        style->SetComponentStyle(AStyle);
    if (FOnAppliedStyle)
        FOnAppliedStyle(this, AComponent);
}

void TRurFormStyler::ToneComponent(TComponent* AComponent, const TColorTones& ATones)
{
    IRujTones* tones = nullptr;
    if (!Supports(AComponent, IRujTones::IID, tones))
        return;
    bool allow = true;
    if (FOnApplyColorTones)
        FOnApplyColorTones(this, AComponent, allow);
    if (!allow)
        return;
    tones->SetColorTones(ATones);
    if (FOnAppliedColorTones)
        FOnAppliedColorTones(this, AComponent);
}

void TRurFormStyler::ApplyStyle()
{
    if (!FEnabled)
        return;
    if (auto* form = dynamic_cast<TCustomForm*>(Owner()))
        ApplyStyleToForm(form, FStyle);
    else if (auto* frame = dynamic_cast<TFrame*>(Owner()))
        ApplyStyleToFrame(frame, FStyle);
    NotifyStylerChange();
}

void TRurFormStyler::ApplyStyleToForm(TCustomForm* AForm, TRujStyle AStyle)
{
    AForm->SetColor(FormColorOf(AStyle));
    StyleComponent(AForm, AStyle);
    for (int i = 0; i < AForm->ComponentCount(); ++i) {
        TComponent* component = AForm->Components(i);
        if (auto* frame = dynamic_cast<TFrame*>(component))
            ApplyStyleToFrame(frame, AStyle);
        StyleComponent(component, AStyle);
    }
}

void TRurFormStyler::ApplyStyleToFrame(TFrame* AFrame, TRujStyle AStyle)
{
    for (int i = 0; i < AFrame->ComponentCount(); ++i) {
        TComponent* component = AFrame->Components(i);
        StyleComponent(component, AStyle);
        if (auto* frame = dynamic_cast<TFrame*>(component))
            ApplyStyleToFrame(frame, AStyle);
    }
}

void TRurFormStyler::SetColorTones(const TColorTones& ATones)
{
    FMetro = true;
    FStyle = tsCustom;
    if (auto* form = dynamic_cast<TForm*>(Owner()))
        ApplyColorTonesToForm(form, ATones);
    else if (auto* frame = dynamic_cast<TFrame*>(Owner()))
        ApplyColorTonesToFrame(frame, ATones);
}

void TRurFormStyler::ApplyColorTonesToForm(TCustomForm* AForm, const TColorTones& ATones)
{
    ToneComponent(AForm, ATones);
    for (int i = 0; i < AForm->ComponentCount(); ++i) {
        TComponent* component = AForm->Components(i);
        if (auto* frame = dynamic_cast<TFrame*>(component))
            ApplyColorTonesToFrame(frame, ATones);
        ToneComponent(component, ATones);
    }
}

void TRurFormStyler::ApplyColorTonesToFrame(TFrame* AFrame, const TColorTones& ATones)
{
    for (int i = 0; i < AFrame->ComponentCount(); ++i) {
        TComponent* component = AFrame->Components(i);
        ToneComponent(component, ATones);
        if (auto* frame = dynamic_cast<TFrame*>(component))
            ApplyColorTonesToFrame(frame, ATones);
    }
}

void TRurFormStyler::UpdateMetro()
{
    if (!FEnabled)
        return;
    CreateMetroTones(FMetroStyle == msLight, FMetroColor, FMetroTextColor, FTones);
    if (FStyle == tsCustom && FMetro)
        SetColorTones(FTones);
}

// ---- TRurAppStyler --------------------------------------------------------------------------------------

TAVIN_PUBLISHED(TRurAppStyler)
{
    TAVIN_PROPERTY(TColor, AppColor).Default(clNone);
    TAVIN_PROPERTY(bool, AutoThemeAdapt).Default(false);
    TAVIN_PROPERTY(bool, Enabled).Default(true);
    TAVIN_PROPERTY(bool, Metro).Default(false);
    TAVIN_PROPERTY(TColor, MetroColor).Default(clHighlight);
    TAVIN_PROPERTY(TColor, MetroTextColor).Default(0);
    TAVIN_PROPERTY(TMetroStyle, MetroStyle).Default(msLight);
    TAVIN_PROPERTY(TRujStyle, Style).Default(tsCustom);
    TAVIN_PROPERTY(String, Version);
    TAVIN_PROPERTY(TNotifyEvent, OnChange);
}

TRurAppStyler::TRurAppStyler(TComponent* AOwner) : TComponent(AOwner)
{
    TColorTones defaults;
    CreateDefaultTones(defaults);
    FMetroColor = defaults.Selected.BrushColor;
    if (!Designing(this))
        FNotifier = MakeNotifier(this, Application ? Application->MainForm() : nullptr,
                                 MakeHandler<&TRurAppStyler::ThemeChanged>(this));
}

TRurAppStyler::~TRurAppStyler()
{
    const std::vector<TRurFormStyler*> forms = FForms;
    for (TRurFormStyler* styler : forms)
        styler->SetAppStyle(nullptr);
}

String TRurAppStyler::Version() const { return KitVersionText(GetVersionNr()); }

bool TRurAppStyler::Busy() const { return Loading(this) || Designing(this); }

void TRurAppStyler::Assign(const TPersistent* Source)
{
    if (const auto* styler = dynamic_cast<const TRurAppStyler*>(Source)) {
        SetStyle(styler->FStyle);
        SetAutoThemeAdapt(styler->FAutoThemeAdapt);
    }
}

void TRurAppStyler::RegisterFormStyler(TRurFormStyler* AFormStyler)
{
    if (std::find(FForms.begin(), FForms.end(), AFormStyler) == FForms.end())
        FForms.push_back(AFormStyler);
}

void TRurAppStyler::UnRegisterFormStyler(TRurFormStyler* AFormStyler)
{
    std::erase(FForms, AFormStyler);
}

void TRurAppStyler::ApplyStyle()
{
    if (!FEnabled)
        return;
    for (TRurFormStyler* styler : FForms) {
        styler->SetMetro(FMetro);
        styler->SetMetroStyle(FMetroStyle);
        styler->SetMetroColor(FMetroColor);
        styler->SetMetroTextColor(FMetroTextColor);
        styler->SetAppColor(FAppColor);
        styler->SetStyle(FStyle);
    }
    NotifyStylerChange();
}

void TRurAppStyler::SetStyle(TRujStyle value)
{
    if (FStyle == value)
        return;
    FStyle = value;
    if (!Busy())
        ApplyStyle();
}

void TRurAppStyler::SetEnabled(bool value)
{
    if (FEnabled == value)
        return;
    FEnabled = value;
    if (value)
        ApplyStyle();
}

void TRurAppStyler::SetAppColor(TColor value)
{
    FAppColor = value;
    if (!Busy())
        for (TRurFormStyler* styler : FForms) {
            styler->SetStyle(FStyle);
            styler->SetAppColor(value);
        }
    NotifyStylerChange();
}

void TRurAppStyler::SetMetro(bool value)
{
    if (FMetro == value)
        return;
    FMetro = value;
    UpdateMetro();
}

void TRurAppStyler::SetMetroColor(TColor value)
{
    if (FMetroColor == value)
        return;
    FMetroColor = value;
    UpdateMetro();
}

void TRurAppStyler::SetMetroTextColor(TColor value)
{
    if (FMetroTextColor == value)
        return;
    FMetroTextColor = value;
    UpdateMetro();
}

void TRurAppStyler::SetMetroStyle(TMetroStyle value)
{
    if (FMetroStyle == value)
        return;
    FMetroStyle = value;
    UpdateMetro();
}

void TRurAppStyler::UpdateMetro()
{
    TColorTones tones;
    CreateMetroTones(FMetroStyle == msLight, FMetroColor, FMetroTextColor, tones);
    if (FStyle != tsCustom || !FMetro)
        return;
    if (!Busy())
        for (TRurFormStyler* styler : FForms)
            styler->SetColorTones(tones);
    NotifyStylerChange();
}

void TRurAppStyler::SetColorTones(const TColorTones& ATones)
{
    FTones = ATones;
    FMetro = true;
    FStyle = tsCustom;
    FMetroColor = ATones.Selected.BrushColor;
    // The colour text is drawn in on the selected tone.
    FMetroTextColor = ATones.Selected.TextColor;
    if (ATones.Background.BrushColor == 0xFFFFFF)
        FMetroStyle = msLight;
    else if (ATones.Background.BrushColor == 0x000000)
        FMetroStyle = msDark;
    if (!Busy())
        for (TRurFormStyler* styler : FForms)
            styler->SetColorTones(ATones);
    NotifyStylerChange();
}

void TRurAppStyler::SetAutoThemeAdapt(bool value)
{
    FAutoThemeAdapt = value;
    ThemeChanged();
}

void TRurAppStyler::Loaded()
{
    TComponent::Loaded();
    if (FAutoThemeAdapt)
        ThemeChanged();
}

void TRurAppStyler::ThemeChanged(TObject*)
{
    if (FAutoThemeAdapt)
        SetStyle(DetectSystemStyle(false));
}

void TRurAppStyler::NotifyStylerChange()
{
    if (FOnChange)
        FOnChange(this);
}
