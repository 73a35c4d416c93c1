#pragma once
// The tool's main window: six person types, the identity fields each asks for, checks on leaving a
// field and again at Generate, then the folder, the request model and the CSR service.
#include <memory>
#include <vector>

#include "Forms.h"
#include "PersonTypes.h"
#include "StdCtrls.h"

class TMainForm : public TForm {
    TAVIN_PUBLISHED_CLASS(TMainForm, TForm)
public:
    using TForm::TForm;

    void FormShow(TObject* sender);
    void cmb_personTypeChange(TObject* sender);
    void control_validation(TObject* sender);
    void btn_generateClick(TObject* sender);
    void btn_resetClick(TObject* sender);
    void btn_closeClick(TObject* sender);
    void btn_CloseButtonClick(TObject* sender);
    void LinkLabel1Click(TObject* sender);

    // The edit of an input field, the person type chosen and its affiliation.
    TEdit* FieldEdit(TInputField field) const;
    int SelectedType() const;

private:
    template <class T>
    T* Child(const char16_t* name) const
    {
        return static_cast<T*>(FindComponent(name));
    }
    const TPersonTypeTuple& SelectedEntry() const;
    bool IsFormValid();
    // Runs the rule of every enabled field in tab order; the first failing one is warned about and
    // focused, and ends the road.
    void CheckFieldRules();
    void RejectField(TEdit* edit, const String& warning);
    bool MayReplaceExistingFiles(const String& folder);
    TFieldTexts EnabledFieldTexts() const;
    void ShowWaitingPanel(bool waiting);
    void Generate(const String& folder);

    std::vector<std::unique_ptr<TPersonTypeTuple>> FPersonTypes;
};

// The unit's start-up step: the form's class and those of the UI kit's controls its resource
// places, for reading the resource.
void InitializeMainFormUnit();
