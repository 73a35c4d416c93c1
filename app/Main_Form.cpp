#include "Main_Form.h"

#include "CsrService_Unit.h"
#include "FieldChecks.h"
#include "FolderPicker.h"
#include "GenerationErrorText.h"
#include "MainFormPrompts.h"
#include "RurShape.h"
#include "RurSmoothPanel.h"
#include "ShellLauncher.h"

namespace {

constexpr Byte KindError = 3;
constexpr Byte KindQuestion = 4;
constexpr Byte ButtonsNoYes = 3;
constexpr int DefaultPersonTypeIndex = 5;
constexpr const char16_t* MakerWebAddress = u"https://www.example.com/";

constexpr const char16_t* FieldEditNames[InputFieldCount] = {
    u"edt_commonName", u"edt_serialNumber", u"edt_email", u"edt_subjectRole", u"edt_orgUnit",
    u"edt_province",   u"edt_city",         u"edt_lastName", u"edt_firstName",
};

constexpr TInputField FieldsInTabOrder[InputFieldCount] = {
    TInputField::CommonName, TInputField::SerialNumber, TInputField::Email,
    TInputField::SubjectRole, TInputField::OrgUnit, TInputField::Province,
    TInputField::City, TInputField::LastName, TInputField::FirstName,
};

} // namespace

void InitializeMainFormUnit()
{
    RegisterClasses({TMainForm::StaticClass(), TRurSmoothPanel::StaticClass(), TRurShape::StaticClass()});
}

TAVIN_PUBLISHED(TMainForm)
{
    TAVIN_METHOD(FormShow);
    TAVIN_METHOD(cmb_personTypeChange);
    TAVIN_METHOD(control_validation);
    TAVIN_METHOD(btn_generateClick);
    TAVIN_METHOD(btn_resetClick);
    TAVIN_METHOD(btn_closeClick);
    TAVIN_METHOD(btn_CloseButtonClick);
    TAVIN_METHOD(LinkLabel1Click);
}

TEdit* TMainForm::FieldEdit(TInputField field) const { return Child<TEdit>(FieldEditNames[static_cast<int>(field)]); }

const TPersonTypeTuple& TMainForm::SelectedEntry() const
{
    auto* combo = Child<TComboBox>(u"cmb_personType");
    return *static_cast<TPersonTypeTuple*>(combo->Items()->Objects(combo->ItemIndex()));
}

int TMainForm::SelectedType() const { return SelectedEntry().Item1(); }

void TMainForm::FormShow(TObject*)
{
    auto* combo = Child<TComboBox>(u"cmb_personType");
    for (const TPersonTypeEntry& entry : PersonTypeEntries) {
        FPersonTypes.push_back(std::make_unique<TPersonTypeTuple>(entry.Type, String(entry.Affiliation)));
        combo->Items()->AddObject(entry.Text, FPersonTypes.back().get());
    }
    combo->SetItemIndex(DefaultPersonTypeIndex);
    cmb_personTypeChange(combo);
}

void TMainForm::cmb_personTypeChange(TObject*)
{
    const TPersonTypeTuple& entry = SelectedEntry();
    Child<TEdit>(u"edt_org")->SetText(entry.Item2());
    for (TInputField field : FieldsInTabOrder)
        FieldEdit(field)->SetEnabled(IsFieldEnabled(field, entry.Item1()));
}

void TMainForm::RejectField(TEdit* edit, const String& warning)
{
    MainFormPrompts().WarnField(u"اخطار", warning, edit);
    edit->SetFocus();
    Abort();
}

void TMainForm::control_validation(TObject* sender)
{
    auto* edit = static_cast<TEdit*>(sender);
    if (!edit->Enabled())
        return;
    if (IsBlankFieldText(edit->Text())) {
        MainFormPrompts().AskField(u"مقدار فیلد", edit, KindError);
        edit->SetFocus();
        Abort();
    }
    if (edit->Tag() != 0) {
        String warning = FieldRuleWarning(static_cast<int>(edit->Tag()), SelectedType(), edit->Text());
        if (!warning.empty())
            RejectField(edit, warning);
    }
}

bool TMainForm::IsFormValid()
{
    auto* inputPanel = Child<TWinControl>(u"Panel2");
    for (int i = 0; i < inputPanel->ControlCount(); ++i) {
        auto* edit = dynamic_cast<TCustomEdit*>(inputPanel->Controls(i));
        if (edit && edit->Enabled() && IsBlankFieldText(edit->Text()))
            return false;
    }
    return true;
}

void TMainForm::CheckFieldRules()
{
    const int personType = SelectedType();
    for (TInputField field : FieldsInTabOrder) {
        TEdit* edit = FieldEdit(field);
        if (!edit->Enabled())
            continue;
        String warning = FieldRuleWarning(static_cast<int>(edit->Tag()), personType, edit->Text());
        if (!warning.empty())
            RejectField(edit, warning);
    }
    TEdit* serialNumber = FieldEdit(TInputField::SerialNumber);
    if (!TCSRService::IsUsableInFileName(serialNumber->Text()))
        RejectField(serialNumber, FileNameWarning());
}

bool TMainForm::MayReplaceExistingFiles(const String& folder)
{
    if (TCSRService::ExistingOutputFiles(folder, FieldEdit(TInputField::SerialNumber)->Text()).empty())
        return true;
    int answer = MainFormPrompts().ShowMessageBox(
        Caption(), u"فایل‌ها از قبل وجود دارند",
        u"فایل‌های کلید و درخواست این شناسه در پوشهٔ انتخاب‌شده وجود دارند. جایگزین شوند؟", String(), KindQuestion,
        ButtonsNoYes);
    return answer == mrYes;
}

TFieldTexts TMainForm::EnabledFieldTexts() const
{
    // A disabled field keeps its text on screen, but that text belongs to another person type.
    TFieldTexts texts;
    for (TInputField field : FieldsInTabOrder) {
        TEdit* edit = FieldEdit(field);
        if (edit->Enabled())
            FieldText(texts, field) = edit->Text();
    }
    return texts;
}

void TMainForm::ShowWaitingPanel(bool waiting)
{
    Child<TControl>(u"Panel2")->SetVisible(!waiting);
    Child<TControl>(u"pnl_loading")->SetVisible(waiting);
    // Generation blocks the loop: paint the waiting panel now or it is never seen.
    Repaint();
}

void TMainForm::Generate(const String& folder)
{
    std::optional<String> failure;
    ShowWaitingPanel(true);
    try {
        TCsrModel model;
        const TPersonTypeTuple& entry = SelectedEntry();
        FillCsrModel(model, entry.Item1(), entry.Item2(), EnabledFieldTexts());
        TCSRService service;
        service.GenerateCsr(model, folder);
    } catch (const ECsrGenerationError& error) {
        failure = GenerationErrorDetails(error);
    } catch (...) {
        ShowWaitingPanel(false);
        throw;
    }
    ShowWaitingPanel(false);
    if (failure)
        MainFormPrompts().ShowErrorMessage(u"خطا", u"تولید کلید یا درخواست ناموفق بود", *failure, KindError);
}

void TMainForm::btn_generateClick(TObject*)
{
    if (!IsFormValid()) {
        MainFormPrompts().ShowErrorMessage(u"خطا", u"داده های وارد شده صحیح نیست", u"داده ای وارد نشده است یا صحیح نیست.",
                                           KindError);
        Abort();
    }
    CheckFieldRules();
    std::optional<String> folder = PickFolder({this, u"انتخاب مسیر ذخیره سازی", u"تایید"});
    if (!folder || !MayReplaceExistingFiles(*folder))
        return;
    Generate(*folder);
}

void TMainForm::btn_resetClick(TObject*)
{
    for (TInputField field : FieldsInTabOrder)
        FieldEdit(field)->Clear();
    auto* combo = Child<TComboBox>(u"cmb_personType");
    combo->SetItemIndex(DefaultPersonTypeIndex);
    cmb_personTypeChange(combo);
}

void TMainForm::btn_closeClick(TObject*) { Halt(0); }

void TMainForm::btn_CloseButtonClick(TObject*) { Close(); }

void TMainForm::LinkLabel1Click(TObject*)
{
    LaunchShell({Handle(), u"open", MakerWebAddress, String(), String(), SW_SHOWNORMAL});
}

