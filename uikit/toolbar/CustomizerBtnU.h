#pragma once
// The button-properties dialog: caption, hint, icon, visibility and caption display of one
// toolbar button or glow button of the customizer dialog's list.
#include "CustomizerU.h"
#include "Forms.h"
#include "StdCtrls.h"

class TCusBtnForm : public TForm {
    TAVIN_PUBLISHED_CLASS(TCusBtnForm, TForm)
public:
    using TForm::TForm;

    TRurToolBarCustomizer* ToolBarCustomizer() const { return FToolBarCustomizer; }
    void SetToolBarCustomizer(TRurToolBarCustomizer* value) { FToolBarCustomizer = value; }
    // Fills the editors from the record and lays the dialog out by the editable properties.
    void Prepare(const TATBItemProp* prop);
    // Copies the edited values into the record (after OK).
    void Apply(TATBItemProp& prop) const;

    template <class T>
    T* Child(const char16_t* name) const
    {
        return static_cast<T*>(FindComponent(name));
    }

    void OkBitBtnClick(TObject* sender);
    void CmBxGlyphDrawItem(TWinControl* control, int index, TRect rect, UINT state);

private:
    void Arrange();
    TRurToolBarCustomizer* FToolBarCustomizer = nullptr;
};
