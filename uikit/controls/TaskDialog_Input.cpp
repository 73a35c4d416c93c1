// The input dialog: the control that asks for the value, placed under the content, its value copied
// back into the dialog, and the validation that may keep the form open with a balloon tip.
#include <algorithm>

#include "DateUtils.h"
#include "TaskDialog_Form.h"

TAVIN_PUBLISHED(TRurInputTaskDialog)
{
    TAVIN_PROPERTY(bool, AutoClose).Default(false);
    TAVIN_PROPERTY(int, AutoCloseTimeOut).Default(0);
    TAVIN_PROPERTY(bool, ApplicationIsParent).Default(false);
    TAVIN_PROPERTY(TStrings*, CustomButtons);
    TAVIN_PROPERTY(TIcon*, CustomIcon);
    TAVIN_PROPERTY(TCommonButtons, CommonButtons).Default(TCommonButtons{});
    TAVIN_PROPERTY(String, DateTimeFormat);
    TAVIN_PROPERTY(int, DefaultButton).Default(0);
    TAVIN_PROPERTY(TTaskDialogPosition, DialogPosition).Default(dpScreenCenter);
    TAVIN_PROPERTY(bool, ExpandedDefault).Default(false);
    TAVIN_PROPERTY(String, ExpandedText);
    TAVIN_PROPERTY(String, Footer);
    TAVIN_PROPERTY(TColor, FooterColor);
    TAVIN_PROPERTY(TTaskDialogFooterIcon, FooterIcon).Default(tfiBlank);
    TAVIN_PROPERTY(TColor, FooterTextColor);
    TAVIN_PROPERTY(TTaskDialogIcon, Icon).Default(tiBlank);
    TAVIN_PROPERTY(TWinControl*, InputControl);
    TAVIN_PROPERTY(TWinControl*, FocusControl);
    TAVIN_PROPERTY(int, InputDropDownCount).Default(8);
    TAVIN_PROPERTY(int, InputMaxLength).Default(0);
    TAVIN_PROPERTY(TInputType, InputType).Default(itEdit);
    TAVIN_PROPERTY(String, InputText);
    TAVIN_PROPERTY(TStrings*, InputItems);
    TAVIN_PROPERTY(TInputMemoSettings*, InputMemoSettings);
    TAVIN_PROPERTY(String, Instruction);
    TAVIN_PROPERTY(TColor, InstructionTextColor);
    TAVIN_PROPERTY(int, NonNativeMinFormWidth).Default(350);
    TAVIN_PROPERTY(String, Title);
    TAVIN_PROPERTY(String, Content);
    TAVIN_PROPERTY(String, ExpandControlText);
    TAVIN_PROPERTY(String, CollapsControlText);
    TAVIN_PROPERTY(String, VerificationText);
    TAVIN_PROPERTY(TNotifyEvent, OnAutoClose);
    TAVIN_PROPERTY(TNotifyEvent, OnDialogCreated);
    TAVIN_PROPERTY(TTaskDialogCloseEvent, OnDialogClose);
    TAVIN_PROPERTY(TTaskDialogButtonClickEvent, OnDialogButtonClick);
    TAVIN_PROPERTY(TTaskDialogVerifyClickEvent, OnDialogVerifyClick);
    TAVIN_PROPERTY(TInputSetTextEvent, OnDialogInputSetText);
    TAVIN_PROPERTY(TInputGetTextEvent, OnDialogInputGetText);
    TAVIN_PROPERTY(TTaskDialogHyperlinkClickEvent, OnDialogHyperlinkClick);
    TAVIN_PROPERTY(TValidateInputTextEvent, OnValidateInputText);
}

TRurInputTaskDialog::TRurInputTaskDialog(TComponent* owner) : TCustomRurTaskDialog(owner)
{
    SetInputType(itEdit);
    SetInputDropDownCount(8);
    SetOptions(Options() + TTaskDialogOptions{doHyperlinks});
}

int TRurInputTaskDialog::Execute()
{
    SetAutoCloseCounter(0);
    if (InputType() == itCustom && !InputControl())
        throw Exception(u"No custom input control assigned");
    TTaskDialogOptions options = Options();
    if (FExpandedDefault)
        options.Include(doExpandedDefault);
    else
        options.Exclude(doExpandedDefault);
    if (VerifyResult())
        options.Include(doVerifyChecked);
    else
        options.Exclude(doVerifyChecked);
    SetOptions(options);
    return ShowTaskDialogForm(-1, -1);
}

namespace {

// The date or time a text gives; false when it gives none.
bool TryTextAsDateTime(const String& text, bool time, TDateTime& value)
{
    return time ? TryStrToTime(text, value) : TryStrToDate(text, value);
}

// The window the balloon tip points at: the edit of an edit, of a combo box or of a picker.
HWND BalloonWindow(TWinControl* control)
{
    HWND wnd = control->Handle();
    if (dynamic_cast<TComboBox*>(control)) {
        COMBOBOXINFO info{};
        info.cbSize = sizeof(info);
        return GetComboBoxInfo(wnd, &info) ? info.hwndItem : nullptr;
    }
    if (dynamic_cast<TDateTimePicker*>(control)) {
        DATETIMEPICKERINFO info{};
        info.cbSize = sizeof(info);
        SendMessageW(wnd, DTM_GETDATETIMEPICKERINFO, 0, reinterpret_cast<LPARAM>(&info));
        return info.hwndEdit;
    }
    return wnd;
}

} // namespace

void TRurMessageForm::BuildInputControl(int x, int& y)
{
    TCustomRurTaskDialog& dialog = *FTaskDialog;
    if (UseRightToLeftAlignment())
        x = ClientWidth() - x;
    const int top = y + S(20);
    switch (dialog.InputType()) {
    case itEdit:
    case itPassword:
        FInputEdit = new TEdit(this);
        FInputEdit->SetName(u"TASKDLGEDIT");
        FInputEdit->SetParent(this);
        FInputEdit->SetTabStop(true);
        FInputEdit->SetText(dialog.InputText());
        FInputEdit->SetMaxLength(dialog.InputMaxLength());
        FInputEdit->SetPasswordChar(dialog.InputType() == itPassword ? u'*' : Char(0));
        FInputEdit->SetBounds(x, top, ClientWidth() - x, S(20));
        break;
    case itMemo:
        FInputMemo = new TMemo(this);
        FInputMemo->SetName(u"TASKDLGMEMO");
        FInputMemo->SetParent(this);
        FInputMemo->SetTabStop(true);
        FInputMemo->SetWantReturns(dialog.InputMemoSettings()->WantReturns());
        FInputMemo->SetMaxLength(dialog.InputMaxLength());
        FInputMemo->Lines()->SetText(dialog.InputText());
        FInputMemo->SetBounds(x, top, ClientWidth() - x, dialog.InputMemoSettings()->Height());
        break;
    case itComboEdit:
    case itComboList:
        FInputCombo = new TComboBox(this);
        FInputCombo->SetName(u"TASKDLGCOMBO");
        FInputCombo->SetParent(this);
        FInputCombo->SetTabStop(true);
        if (dialog.InputType() == itComboList)
            FInputCombo->SetStyle(csDropDownList);
        FInputCombo->SetDropDownCount(dialog.InputDropDownCount());
        FInputCombo->Items()->Assign(dialog.InputItems());
        if (dialog.InputType() == itComboList)
            FInputCombo->SetItemIndex(dialog.InputItemIndex() >= -1 ? dialog.InputItemIndex()
                                                                    : dialog.InputItems()->IndexOf(dialog.InputText()));
        else
            FInputCombo->SetText(dialog.InputText());
        FInputCombo->SetBounds(x, top, ClientWidth() - x, FInputCombo->Height());
        break;
    case itDate:
    case itTime: {
        FInputDate = new TDateTimePicker(this);
        FInputDate->SetName(u"TASKDLGDATE");
        FInputDate->SetParent(this);
        FInputDate->SetTabStop(true);
        const bool time = dialog.InputType() == itTime;
        FInputDate->SetKind(time ? dtkTime : dtkDate);
        TDateTime value = dialog.InputDateTime();
        if (value != 0 || TryTextAsDateTime(dialog.InputText(), time, value))
            FInputDate->SetDateTime(value);
        if (!dialog.DateTimeFormat().empty())
            FInputDate->SetFormat(dialog.DateTimeFormat());
        FInputDate->SetBounds(x, top, FInputDate->Width(), FInputDate->Height());
        break;
    }
    case itCustom:
        if (TWinControl* control = dialog.InputControl()) {
            FOldParent = control->Parent();
            control->SetParent(this);
            control->Show();
            if (dialog.OnDialogInputSetText())
                dialog.OnDialogInputSetText()(this, dialog.InputText());
            else
                control->SetText(dialog.InputText());
            control->SetBounds(x, top, control->Width(), control->Height());
            if (ClientWidth() < control->Width() + x)
                FCalcWidth = std::max(FCalcWidth, control->Width() + 2 * x);
        }
        break;
    case itNone:
        break;
    }
}

// Once the form's width is known the input control spans the client width.
void TRurMessageForm::StretchInputControl()
{
    if (FInputEdit)
        FInputEdit->SetWidth(ClientWidth() - FInputEdit->Left() - 15);
    if (FInputMemo)
        FInputMemo->SetWidth(ClientWidth() - FInputMemo->Left() - 15);
    if (FInputCombo) {
        FInputCombo->SetWidth(ClientWidth() - FInputCombo->Left() - 15);
        FInputCombo->SetHeight(S(20));
    }
    if (FTaskDialog->InputType() == itCustom)
        if (TWinControl* control = FTaskDialog->InputControl(); control && control->Width() > ClientWidth() - control->Left())
            control->SetWidth(ClientWidth() - control->Left());
}

TWinControl* TRurMessageForm::InputKindControl() const
{
    switch (FTaskDialog->InputType()) {
    case itEdit:
    case itPassword:
        return FInputEdit;
    case itMemo:
        return FInputMemo;
    case itComboEdit:
    case itComboList:
        return FInputCombo;
    case itDate:
    case itTime:
        return FInputDate;
    case itCustom:
        return FTaskDialog->InputControl();
    case itNone:
        break;
    }
    return nullptr;
}

void TRurMessageForm::GetInputText()
{
    TCustomRurTaskDialog& dialog = *FTaskDialog;
    switch (dialog.InputType()) {
    case itEdit:
    case itPassword:
        dialog.SetInputText(FInputEdit->Text());
        break;
    case itMemo:
        dialog.SetInputText(FInputMemo->Lines()->Text());
        break;
    case itComboEdit:
    case itComboList:
        dialog.SetInputText(FInputCombo->Text());
        dialog.SetInputItemIndex(FInputCombo->ItemIndex());
        break;
    case itDate:
        dialog.SetInputDateTime(FInputDate->DateTime());
        dialog.SetInputText(DateToStr(FInputDate->DateTime()));
        break;
    case itTime:
        dialog.SetInputDateTime(FInputDate->DateTime());
        dialog.SetInputText(TimeToStr(FInputDate->DateTime()));
        break;
    case itCustom:
        if (TWinControl* control = dialog.InputControl(); control && control->HandleAllocated()) {
            String text = control->Text();
            if (dialog.OnDialogInputGetText()) {
                text.clear();
                dialog.OnDialogInputGetText()(this, text);
            }
            dialog.SetInputText(text);
        }
        break;
    case itNone:
        break;
    }
}

void TRurMessageForm::ValidateInput(bool& canClose)
{
    auto* dialog = dynamic_cast<TRurInputTaskDialog*>(FTaskDialog);
    if (!dialog)
        return;
    String value = dialog->InputText();
    bool valid = true;
    dialog->FOnValidateInputText(dialog, value, dialog->ValidateData(), ModalResult(), valid);
    canClose = valid;
    if (valid || (value == dialog->InputText() && dialog->InvalidEntryText().empty()))
        return;
    dialog->SetInputText(value);
    TWinControl* tipped = nullptr;
    switch (dialog->InputType()) {
    case itEdit:
    case itPassword:
        FInputEdit->SetText(value);
        tipped = FInputEdit;
        break;
    case itMemo:
        FInputMemo->Lines()->SetText(value);
        tipped = FInputMemo;
        break;
    case itComboEdit:
        FInputCombo->SetText(value);
        tipped = FInputCombo;
        break;
    case itDate:
    case itTime: {
        // A value that is no date (or time) leaves the picker as it is.
        TDateTime parsed;
        if (dialog->InputDateTime() == 0 && TryTextAsDateTime(value, dialog->InputType() == itTime, parsed))
            FInputDate->SetDateTime(parsed);
        tipped = FInputDate;
        break;
    }
    case itComboList:
    case itCustom:
    case itNone:
        break;
    }
    if (!tipped || dialog->InvalidEntryText().empty())
        return;
    if (HWND edit = BalloonWindow(tipped)) {
        const String title = dialog->InvalidEntryTitle(), text = dialog->InvalidEntryText();
        EDITBALLOONTIP tip{};
        tip.cbStruct = sizeof(tip);
        tip.pszTitle = WidePtr(title);
        tip.pszText = WidePtr(text);
        static constexpr INT icons[] = {TTI_NONE, TTI_INFO, TTI_WARNING, TTI_ERROR};
        tip.ttiIcon = icons[dialog->InvalidEntryIcon()];
        SendMessageW(edit, EM_SHOWBALLOONTIP, 0, reinterpret_cast<LPARAM>(&tip));
    }
}
