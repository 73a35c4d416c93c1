// The task dialog's model: properties, the text setters that follow a shown dialog, the button
// factory of the dialog form, the choice between the system's dialog and the dialog form, and the
// dialog form's creation and placement.
#include "TaskDialog.h"

#include <array>
#include <utility>

#include "Consts.h"
#include "PlatformFacts.h"
#include "RurStyleIF.h"
#include "Themes.h"

TAVIN_PUBLISHED(TRurTaskDialog)
{
    TAVIN_PROPERTY(String, Title);
    TAVIN_PROPERTY(String, Instruction);
    TAVIN_PROPERTY(String, Content);
    TAVIN_PROPERTY(String, ExpandedText);
    TAVIN_PROPERTY(String, ExpandControlText);
    TAVIN_PROPERTY(String, CollapsControlText);
    TAVIN_PROPERTY(String, Footer);
    TAVIN_PROPERTY(String, VerificationText);
    TAVIN_PROPERTY(TStrings*, CustomButtons);
    TAVIN_PROPERTY(TStrings*, RadioButtons);
    TAVIN_PROPERTY(TCommonButtons, CommonButtons).Default(TCommonButtons{});
    TAVIN_PROPERTY(int, DefaultButton).Default(0);
    TAVIN_PROPERTY(int, DefaultRadioButton).Default(TaskDialogFirstRadioButton);
    TAVIN_PROPERTY(TTaskDialogIcon, Icon).Default(tiBlank);
    TAVIN_PROPERTY(TIcon*, CustomIcon);
    TAVIN_PROPERTY(TTaskDialogFooterIcon, FooterIcon).Default(tfiBlank);
    TAVIN_PROPERTY(TTaskDialogOptions, Options).Default(TTaskDialogOptions{});
    TAVIN_PROPERTY(TTaskDialogPosition, DialogPosition).Default(dpScreenCenter);
    TAVIN_PROPERTY(bool, ApplicationIsParent).Default(false);
    TAVIN_PROPERTY(TNonNativeDialog, NonNativeDialog).Default(nndAuto);
    TAVIN_PROPERTY(int, NonNativeMinFormWidth).Default(350);
    TAVIN_PROPERTY(int, HelpContext).Default(0);
    TAVIN_PROPERTY(int, ProgressBarMin).Default(0);
    TAVIN_PROPERTY(int, ProgressBarMax).Default(100);
    TAVIN_PROPERTY(bool, AutoClose).Default(false);
    TAVIN_PROPERTY(int, AutoCloseTimeOut).Default(0);
    TAVIN_PROPERTY(TColor, InstructionTextColor);
    TAVIN_PROPERTY(TColor, FooterTextColor);
    TAVIN_PROPERTY(TColor, CommandLinksTextColor);
    TAVIN_PROPERTY(TColor, CommandLinksBorderColor);
    TAVIN_PROPERTY(TColor, CommandLinksBorderColorHot);
    TAVIN_PROPERTY(String, Version);
    TAVIN_PROPERTY(TNotifyEvent, OnDialogCreated);
    TAVIN_PROPERTY(TTaskDialogButtonClickEvent, OnDialogButtonClick);
    TAVIN_PROPERTY(TTaskDialogButtonClickEvent, OnDialogRadioClick);
    TAVIN_PROPERTY(TTaskDialogHyperlinkClickEvent, OnDialogHyperlinkClick);
    TAVIN_PROPERTY(TTaskDialogVerifyClickEvent, OnDialogVerifyClick);
    TAVIN_PROPERTY(TNotifyEvent, OnDialogTimer);
    TAVIN_PROPERTY(TTaskDialogProgressEvent, OnDialogProgress);
    TAVIN_PROPERTY(TTaskDialogCloseEvent, OnDialogClose);
    TAVIN_PROPERTY(TNotifyEvent, OnAutoClose);
}

TAVIN_PUBLISHED(TInputMemoSettings)
{
    TAVIN_PROPERTY(bool, WantReturns).Default(false);
    TAVIN_PROPERTY(int, Height).Default(60);
}

namespace {

std::array<String, 6>& ButtonCaptions()
{
    static std::array<String, 6> captions;
    return captions;
}

TNativeTaskDialogCheck& ReplacedNativeCheck()
{
    static TNativeTaskDialogCheck check;
    return check;
}

bool NativeTaskDialogOffered()
{
    if (ReplacedNativeCheck())
        return ReplacedNativeCheck()();
    return PlatformWindowsVersion().Major >= 6 && IsComCtl6();
}

// The framework's push and radio buttons, for the base factory.
TButton* AsPushButton(TWinControl* control) { return dynamic_cast<TButton*>(control); }
TRadioButton* AsRadioButton(TWinControl* control) { return dynamic_cast<TRadioButton*>(control); }

} // namespace

void InitializeTaskDialogUnit()
{
    ButtonCaptions() = {SMsgDlgOK, SMsgDlgYes, SMsgDlgNo, SMsgDlgCancel, SMsgDlgRetry, SCloseButton};
}

const String& TaskDialogButtonCaption(TCommonButton button) { return ButtonCaptions()[button]; }

String TaskDialogButtonName(TCommonButton button)
{
    static constexpr const Char* names[] = {u"OK", u"Yes", u"No", u"Cancel", u"Retry", u"Abort"};
    return names[button];
}

int TaskDialogButtonModalResult(TCommonButton button)
{
    static constexpr int results[] = {mrOk, mrYes, mrNo, mrCancel, mrRetry, 3};
    return results[button];
}

void TInputMemoSettings::SetHeight(int value)
{
    if (value != FHeight && value >= 0)
        FHeight = value;
}

void TInputMemoSettings::Assign(const TPersistent* source)
{
    if (auto* other = dynamic_cast<const TInputMemoSettings*>(source)) {
        FWantReturns = other->FWantReturns;
        FHeight = other->FHeight;
        return;
    }
    TPersistent::Assign(source);
}

TCustomRurTaskDialog::TCustomRurTaskDialog(TComponent* owner)
    : TComponent(owner), FCustomButtons(std::make_unique<TStringList>()),
      FRadioButtons(std::make_unique<TStringList>()), FCustomIcon(std::make_unique<TIcon>()),
      FInputItems(std::make_unique<TStringList>()), FInputMemoSettings(std::make_unique<TInputMemoSettings>())
{
}

TCustomRurTaskDialog::~TCustomRurTaskDialog() = default;

void TCustomRurTaskDialog::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != opRemove || ComponentState().Contains(csDestroying))
        return;
    if (component == FInputControl)
        FInputControl = nullptr;
    if (component == FFocusControl)
        FFocusControl = nullptr;
}

void TCustomRurTaskDialog::SetInputControl(TWinControl* value)
{
    FInputControl = value;
    if (value)
        value->FreeNotification(this);
}

void TCustomRurTaskDialog::SetFocusControl(TWinControl* value)
{
    FFocusControl = value;
    if (value)
        value->FreeNotification(this);
}

LRESULT TCustomRurTaskDialog::SendToDialog(UINT msg, WPARAM wParam, LPARAM lParam) const
{
    // The dialog form answers through its controls; the messages are the system dialog's.
    if (FDialogForm)
        return 0;
    return SendMessageW(FWnd, msg, wParam, lParam);
}

void TCustomRurTaskDialog::SetElementText(String& field, const String& value, int element)
{
    if (field == value)
        return;
    field = value;
    SendToDialog(TDM_UPDATE_ELEMENT_TEXT, element, reinterpret_cast<LPARAM>(field.c_str()));
    if (FDialogForm)
        FDialogForm->UpdateDialog();
}

void TCustomRurTaskDialog::SetInstruction(const String& value)
{
    SetElementText(FInstruction, value, TDE_MAIN_INSTRUCTION);
}

void TCustomRurTaskDialog::SetContent(const String& value)
{
    SetElementText(FContent, value, TDE_CONTENT);
}

void TCustomRurTaskDialog::SetExpandedText(const String& value)
{
    SetElementText(FExpandedText, value, TDE_EXPANDED_INFORMATION);
}

void TCustomRurTaskDialog::SetFooter(const String& value)
{
    SetElementText(FFooter, value, TDE_FOOTER);
}

void TCustomRurTaskDialog::SetFooterIcon(TTaskDialogFooterIcon value)
{
    if (FFooterIcon == value)
        return;
    FFooterIcon = value;
    SendToDialog(TDM_UPDATE_ICON, TDIE_ICON_FOOTER,
                 reinterpret_cast<LPARAM>(MAKEINTRESOURCEW(TaskDialogFooterIconId(value, false))));
    if (FDialogForm)
        FDialogForm->UpdateDialog();
}

// ---- The button factory of the dialog form ---------------------------------------------------

TWinControl* TCustomRurTaskDialog::CreateButton(TComponent* owner) { return new TButton(owner); }

TWinControl* TCustomRurTaskDialog::CreateRadioButton(TComponent* owner) { return new TRadioButton(owner); }

void TCustomRurTaskDialog::InitRadioButton(TCustomForm* form, TWinControl* radio, TNotifyEvent onClick, int index)
{
    radio->SetName(u"Radio" + IntToStr(index));
    radio->SetParent(form);
    radio->Font()->SetName(form->Canvas()->Font()->Name());
    radio->Font()->SetSize(8);
    radio->SetBiDiMode(form->BiDiMode());
    radio->SetOnClick(onClick);
}

void TCustomRurTaskDialog::SetRadioButtonChecked(TWinControl* radio, bool checked)
{
    if (TRadioButton* button = AsRadioButton(radio))
        button->SetChecked(checked);
}

void TCustomRurTaskDialog::SetRadioButtonCaption(TWinControl* radio, const String& caption)
{
    if (TRadioButton* button = AsRadioButton(radio))
        button->SetCaption(caption);
}

void ApplyButtonCaption(TControl& button, const String& caption)
{
    const size_t bar = caption.find(u'|');
    if (bar == String::npos) {
        button.SetCaption(caption);
        return;
    }
    button.SetCaption(caption.substr(0, bar));
    button.SetHint(caption.substr(bar + 1));
    button.SetShowHint(true);
}

void TCustomRurTaskDialog::SetButtonCaption(TWinControl* button, const String& caption)
{
    if (TButton* push = AsPushButton(button))
        ApplyButtonCaption(*push, caption);
}

void TCustomRurTaskDialog::SetButtonCancel(TWinControl* button, bool cancel)
{
    if (TButton* push = AsPushButton(button))
        push->SetCancel(cancel);
}

void TCustomRurTaskDialog::SetButtonDefault(TWinControl* button, bool isDefault)
{
    if (TButton* push = AsPushButton(button))
        push->SetDefault(isDefault);
}

void TCustomRurTaskDialog::SetButtonModalResult(TWinControl* button, int modalResult)
{
    if (TButton* push = AsPushButton(button))
        push->SetModalResult(modalResult);
}

int TCustomRurTaskDialog::GetButtonModalResult(TWinControl* button)
{
    TButton* push = AsPushButton(button);
    return push ? push->ModalResult() : 0;
}

void TCustomRurTaskDialog::DoAutoClose()
{
    FOnAutoClose(this);
}

// ---- Showing ------------------------------------------------------------------------------------

int TCustomRurTaskDialog::Execute()
{
    FAutoCloseCounter = 0;
    return ExecuteDialog(-1, -1);
}

int TCustomRurTaskDialog::ExecuteDialog(int x, int y)
{
    FIsNative = false;
    FVerifyResult = false;
    FAutoCloseCounter = 0;
    if (FNonNativeDialog == nndAlways || !NativeTaskDialogOffered())
        return ShowTaskDialogForm(x, y);
    return ExecuteNative();
}

int TCustomRurTaskDialog::ShowTaskDialogForm(int x, int y)
{
    std::unique_ptr<TRurMessageForm> form(CreateTaskDialogForm());
    form->SetOnShow(MakeHandler<&TCustomRurTaskDialog::DialogFormShow>(this));
    UpdateNormalFontColor();
    FDialogForm = form.get();
    struct TFormGuard {
        TRurMessageForm*& Form;
        ~TFormGuard() { Form = nullptr; }
    } guard{FDialogForm};
    form->SetColor(clWindow);
    PlaceDialogForm(*form, x, y);
    return form->ShowModal();
}

void TCustomRurTaskDialog::DialogFormShow(TObject*)
{
    FWnd = FDialogForm->Handle();
    FOnDialogCreated(this);
}

void TCustomRurTaskDialog::UpdateNormalFontColor()
{
    FNormalFontColor = clWindowText;
    const TCustomStyleServices* style = StyleServices();
    if (!IsVclStyled(style, ComponentState().Contains(csDesigning)))
        return;
    const TColor color = style->GetStyleFontColor(sfWindowTextNormal);
    if (color != clNone)
        FNormalFontColor = color;
}

TRurMessageForm* TCustomRurTaskDialog::CreateTaskDialogForm()
{
    auto* ownerForm = dynamic_cast<TCustomForm*>(Owner());
    TComponent* owner = !FApplicationIsParent && ownerForm ? static_cast<TComponent*>(ownerForm) : Application;
    auto form = std::make_unique<TRurMessageForm>(owner);
    form->SetBiDiMode(Application ? Application->BiDiMode() : bdLeftToRight);
    form->SetBorderIcons({});
    if (FOptions.Contains(doAllowMinimize)) {
        form->SetBorderStyle(bsSingle);
        form->SetBorderIcons({biSystemMenu, biMinimize});
    } else {
        form->SetBorderStyle(bsDialog);
    }
    if (FCommonButtons.Contains(cbCancel))
        FOptions.Include(doAllowDialogCancel);
    if (FOptions.Contains(doAllowDialogCancel))
        form->SetBorderIcons(form->BorderIcons() + TBorderIcons{biSystemMenu});
    if ((!FApplicationIsParent && ownerForm && ownerForm->FormStyle() == fsStayOnTop) || FAlwaysOnTop)
        form->SetFormStyle(fsStayOnTop);
    form->Canvas()->SetFont(form->Font());
    form->SetKeyPreview(true);
    form->BuildTaskDialog(this);
    return form.release();
}

// X and Y place the form when not negative; otherwise it is centred on the screen, or over its
// owner for dpOwnerFormCenter: the ModalParent window when one is set, else the owner form.
void TCustomRurTaskDialog::PlaceDialogForm(TRurMessageForm& form, int x, int y)
{
    if (x >= 0)
        form.SetLeft(x);
    if (y >= 0)
        form.SetTop(y);
    if (x >= 0 || y >= 0) {
        form.SetPosition(poDesigned);
        return;
    }
    if (FDialogPosition != dpOwnerFormCenter) {
        form.SetPosition(poScreenCenter);
        return;
    }
    RECT owner;
    if (FModalParent && IsWindowVisible(FModalParent) && GetWindowRect(FModalParent, &owner)) {
        TRect area = Screen->MonitorFromWindow(FModalParent)->WorkareaRect();
        int left = owner.left + (owner.right - owner.left - form.Width()) / 2;
        int top = owner.top + (owner.bottom - owner.top - form.Height()) / 2;
        left = std::max(area.Left, std::min(left, area.Right - form.Width()));
        top = std::max(area.Top, std::min(top, area.Bottom - form.Height()));
        form.SetBounds(left, top, form.Width(), form.Height());
        form.SetPosition(poDesigned);
        return;
    }
    form.SetPosition(poOwnerFormCenter);
}

// ---- Acting on a shown dialog -----------------------------------------------------------------

void TCustomRurTaskDialog::Clear()
{
    FCommonButtons = {};
    FRadioButtons->Clear();
    FCustomButtons->Clear();
    FIcon = tiBlank;
    SetFooterIcon(tfiBlank);
    SetInstruction(u"");
    FTitle.clear();
    SetContent(u"");
    SetFooter(u"");
    FVerificationText.clear();
    FExpandControlText.clear();
    FCollapsControlText.clear();
    SetExpandedText(u"");
    FInputText.clear();
    FDefaultRadioButton = TaskDialogFirstRadioButton;
    FDefaultButton = 0;
    FOptions = {};
    FVerifyResult = false;
}

void TCustomRurTaskDialog::Close()
{
    if (FDialogForm)
        FDialogForm->Close();
    else
        ClickButton(FDefaultButton);
}

void TCustomRurTaskDialog::ClickButton(int buttonId)
{
    SendToDialog(TDM_CLICK_BUTTON, buttonId, 0);
    if (!FDialogForm)
        return;
    if (TWinControl* button = FDialogForm->FindButton(buttonId); button && button->Enabled())
        button->Click();
}

void TCustomRurTaskDialog::EnableButton(int buttonId, bool enabled)
{
    SendToDialog(TDM_ENABLE_BUTTON, buttonId, enabled);
    if (!FDialogForm)
        return;
    if (TWinControl* button = FDialogForm->FindButton(buttonId))
        button->SetEnabled(enabled);
}

void TCustomRurTaskDialog::ElevateButton(int buttonId, bool elevated)
{
    SendToDialog(TDM_SET_BUTTON_ELEVATION_REQUIRED_STATE, buttonId, elevated);
}

TNativeTaskDialogCheck SetNativeTaskDialogCheck(TNativeTaskDialogCheck check)
{
    return std::exchange(ReplacedNativeCheck(), std::move(check));
}

void ShowExceptionMessage(const Exception& e)
{
    String text = e.Message();
    if (!text.empty() && text.back() > u'.')
        text += u'.';
    UINT flags = MB_ICONERROR;
    if (Application && Application->UseRightToLeftReading())
        flags |= MB_RTLREADING;
    const String caption = Application ? Application->Title() : String();
    MessageBoxW(nullptr, WidePtr(text), WidePtr(caption), flags);
}
