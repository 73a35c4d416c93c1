// The button-properties dialog, and the customizer dialog's edit command that runs it.
#include "CustomizerBtnU.h"

#include <algorithm>

#include "CustomizerU_Form.h"
#include "ImgList.h"
#include "RurGlowButton.h"
#include "RurToolBar_ToolBar.h"

TAVIN_PUBLISHED(TCusBtnForm)
{
    TAVIN_METHOD(OkBitBtnClick);
    TAVIN_METHOD(CmBxGlyphDrawItem);
}

void TCusBtnForm::OkBitBtnClick(TObject*) { SetModalResult(mrOk); }

void TCusBtnForm::Prepare(const TATBItemProp* prop)
{
    const TDialogSettings* d = FToolBarCustomizer->DialogSettings();
    const TButtonProperties* p = FToolBarCustomizer->ButtonProperties();
    const std::pair<const char16_t*, String> texts[] = {{u"LblBtnCaption", d->ButtonEditCaptionLabel()},
                                                        {u"LblGlyph", d->ButtonEditIconLabel()},
                                                        {u"ChkBtnVis", d->ButtonEditVisibleCheck()},
                                                        {u"ChkBtnShowCap", d->ButtonEditCaptionCheck()},
                                                        {u"LblBtnHint", d->ButtonEditHintLabel()},
                                                        {u"BtnOk", d->OKButtonCaption()},
                                                        {u"BtnCancel", d->CancelButtonCaption()}};
    for (const auto& [name, text] : texts)
        Child<TControl>(name)->SetCaption(text);
    SetCaption(d->ButtonEditCaption());
    Child<TControl>(u"BtnOk")->SetHint(d->OKButtonHint());
    Child<TControl>(u"BtnCancel")->SetHint(d->CancelButtonHint());

    auto* glyphs = Child<TComboBox>(u"CmBxGlyph");
    TRurToolBar* toolBar = FToolBarCustomizer->RurToolBar();
    TCustomImageList* images = toolBar ? toolBar->Images() : nullptr;
    if (p->Glyph() && images) {
        glyphs->SetItemHeight(images->Height() + 3);
        for (int i = 0; i < images->Count(); ++i)
            glyphs->Items()->Add(IntToStr(i));
        glyphs->Items()->Add(d->GlyphEditNoneIconCaption());
    }
    if (prop) {
        Child<TEdit>(u"EdtBtnCaption")->SetText(prop->Caption);
        Child<TEdit>(u"EdtBtnHint")->SetText(prop->Hint);
        Child<TCheckBox>(u"ChkBtnShowCap")->SetChecked(prop->ShowCaption);
        Child<TCheckBox>(u"ChkBtnVis")->SetChecked(prop->Visible);
        // A glow button the customizer did not make keeps its own icon.
        auto* glow = dynamic_cast<TRurCustomGlowButton*>(prop->ATBItem);
        glyphs->SetEnabled(!glow || glow->CustomizerCreated());
        if (!glyphs->Enabled())
            glyphs->SetItemIndex(-1);
        else if (prop->ImageIndex < glyphs->Items()->Count())
            glyphs->SetItemIndex(prop->ImageIndex);
    }
    Child<TEdit>(u"EdtBtnCaption")->SetEnabled(p->Caption());
    Child<TControl>(u"EdtBtnHint")->SetVisible(p->Hint());
    Child<TControl>(u"LblBtnHint")->SetVisible(p->Hint());
    glyphs->SetVisible(p->Glyph());
    Child<TControl>(u"LblGlyph")->SetVisible(p->Glyph());
    Child<TControl>(u"ChkBtnShowCap")->SetVisible(p->ShowCaption());
    Child<TControl>(u"ChkBtnVis")->SetVisible(p->Visible());
    Arrange();
}

void TCusBtnForm::Arrange()
{
    auto* showCaption = Child<TCheckBox>(u"ChkBtnShowCap");
    auto* visible = Child<TCheckBox>(u"ChkBtnVis");
    if (!showCaption->Visible() && visible->Visible())
        visible->SetBounds(139, 11, visible->Width(), visible->Height());
    const std::pair<const char16_t*, const char16_t*> rows[] = {
        {u"LblBtnCaption", u"EdtBtnCaption"}, {u"LblBtnHint", u"EdtBtnHint"}, {u"LblGlyph", u"CmBxGlyph"}};
    int w = 0;
    for (const auto& [label, editor] : rows)
        if (Child<TControl>(editor)->Visible())
            w = std::max(w, Child<TControl>(label)->Width());
    if (w <= 0)
        return;
    // Labels right-aligned before a common editor column; the checks follow the editors.
    for (const auto& [label, editor] : rows) {
        Child<TControl>(editor)->SetLeft(w + 12);
        auto* l = Child<TControl>(label);
        l->SetLeft(w + 7 - l->Width());
    }
    const int editWidth = Child<TControl>(u"EdtBtnCaption")->Width();
    const int left = std::max(showCaption->Left(), w + 16 + editWidth);
    showCaption->SetLeft(left);
    visible->SetLeft(left);
    auto* group = Child<TGroupBox>(u"GroupBox1");
    if (left + editWidth >= group->Width()) {
        group->SetWidth(left + editWidth + 3);
        const int edge = group->Left() + group->Width();
        if (edge >= ClientWidth())
            SetClientWidth(edge + 6);
    }
    auto* ok = Child<TButton>(u"BtnOk");
    auto* cancel = Child<TButton>(u"BtnCancel");
    ok->SetLeft(ClientWidth() / 2 - ok->Width());
    cancel->SetLeft(ok->Left() + ok->Width());
}

void TCusBtnForm::Apply(TATBItemProp& prop) const
{
    prop.Caption = Child<TEdit>(u"EdtBtnCaption")->Text();
    prop.Hint = Child<TEdit>(u"EdtBtnHint")->Text();
    prop.Visible = Child<TCheckBox>(u"ChkBtnVis")->Checked();
    prop.ShowCaption = Child<TCheckBox>(u"ChkBtnShowCap")->Checked();
    auto* glyphs = Child<TComboBox>(u"CmBxGlyph");
    if (!FToolBarCustomizer->ButtonProperties()->Glyph() || !glyphs->Enabled())
        return;
    const int selected = glyphs->ItemIndex();
    if (selected != prop.ImageIndex)
        prop.ForceImageIndex = true;
    // The None line (the last), or an empty chooser, means no icon.
    prop.ImageIndex = selected < glyphs->Items()->Count() - 1 ? selected : -1;
}

void TCusBtnForm::CmBxGlyphDrawItem(TWinControl*, int index, TRect rect, UINT)
{
    auto* glyphs = Child<TComboBox>(u"CmBxGlyph");
    TCanvas* canvas = glyphs->Canvas();
    canvas->FillRect(rect);
    TRurToolBar* toolBar = FToolBarCustomizer ? FToolBarCustomizer->RurToolBar() : nullptr;
    TCustomImageList* images = toolBar ? toolBar->Images() : nullptr;
    if (!images)
        return;
    if (index < images->Count()) {
        images->Draw(canvas, rect.Left + 2, rect.Top + 2, index);
    } else if (index == images->Count()) {
        canvas->Brush()->SetStyle(bsClear);
        canvas->TextOut(rect.Left + 4, rect.Top + (glyphs->ItemHeight() - canvas->TextHeight(u"X")) / 2,
                        glyphs->Items()->Strings(index));
    }
}

void TCustomizerForm::BtnEditClick(TObject*)
{
    std::unique_ptr<TCusBtnForm> dialog(CreateForm<TCusBtnForm>(this));
    dialog->SetToolBarCustomizer(FToolBarCustomizer);
    const int selected = LstBxToolBarItems()->ItemIndex();
    TATBItemProp* prop = LineRecord(selected);
    dialog->Prepare(prop);
    const TPoint at = ClientToScreen(TPoint{75, 120});
    dialog->SetBounds(at.X, at.Y, dialog->Width(), dialog->Height());
    if (dialog->ShowModal() != mrOk || !prop || !prop->IsButton())
        return;
    dialog->Apply(*prop);
    LstBxToolBarItems()->Items()->SetStrings(selected, prop->Caption);
    SetModified();
}
