// The customizer dialog, and the customizer showing it.
#include "CustomizerU_Form.h"

#include "CustomizerBtnU.h"
#include "Dialogs.h"
#include "ImgList.h"
#include "RurGlowButton.h"
#include "RurToolBar_Button.h"
#include "RurToolBar_ToolBar.h"
#include "SysUtils.h"

namespace {

// The reset button's modal result, which the customizer answers with ResetLayout.
constexpr int ResetModalResult = 13;

const char16_t* const ReorderButtons[] = {u"TopButton", u"BottomButton", u"UpButton", u"DownButton"};
// The buttons stacked under the move group, in order.
const char16_t* const StackedButtons[] = {u"AddButton",    u"AddGlowButton", u"SeparatorButton",
                                          u"DeleteButton", u"ClearButton",   u"BtnEdit"};

// The record of a placed toolbar button or glow button: the values the dialog edits.
template <class TPlacedButton>
TATBItemProp* RecordOfButton(TPlacedButton* button)
{
    auto* prop = new TATBItemProp;
    prop->ATBItem = button;
    prop->CommandID = button->CommandID();
    prop->CustomizerCreated = button->CustomizerCreated();
    prop->Caption = button->Caption();
    prop->Hint = button->Hint();
    prop->Visible = button->Visible();
    prop->ImageIndex = button->ImageIndex();
    prop->ShowCaption = button->ShowCaption();
    return prop;
}

int TextHeightOf(TCanvas* canvas, const String& text) { return canvas->TextHeight(text); }

} // namespace

TAVIN_PUBLISHED(TCustomizerForm)
{
    TAVIN_METHOD(FormCreate);
    TAVIN_METHOD(FormDestroy);
    TAVIN_METHOD(TopButtonClick);
    TAVIN_METHOD(UpButtonClick);
    TAVIN_METHOD(DownButtonClick);
    TAVIN_METHOD(BottomButtonClick);
    TAVIN_METHOD(AddButtonClick);
    TAVIN_METHOD(AddGlowButtonClick);
    TAVIN_METHOD(SeparatorButtonClick);
    TAVIN_METHOD(DeleteButtonClick);
    TAVIN_METHOD(ClearButtonClick);
    TAVIN_METHOD(BtnEditClick);
    TAVIN_METHOD(OkBitBtnClick);
    TAVIN_METHOD(LstBxCommandClick);
    TAVIN_METHOD(LstBxToolBarItemsClick);
    TAVIN_METHOD(LstBxToolBarItemsDblClick);
    TAVIN_METHOD(LstBxToolBarItemsMouseUp);
    TAVIN_METHOD(LstBxToolBarItemsDragOver);
    TAVIN_METHOD(LstBxToolBarItemsDragDrop);
    TAVIN_METHOD(LstBxToolBarItemsDrawItem);
    TAVIN_METHOD(CmBxIconDrawItem);
    TAVIN_METHOD(CmBxGlphPosChange);
    TAVIN_METHOD(EdtCaptionChange);
    TAVIN_METHOD(ChkLargeIconClick);
}

TRurToolBar* TCustomizerForm::ToolBar() const { return FToolBarCustomizer ? FToolBarCustomizer->RurToolBar() : nullptr; }

TATBItemProp* TCustomizerForm::LineRecord(int index) const
{
    TStrings* items = LstBxToolBarItems()->Items();
    return index >= 0 && index < items->Count() ? static_cast<TATBItemProp*>(items->Objects(index)) : nullptr;
}

void TCustomizerForm::FormCreate(TObject*) { FLoading = true; }

void TCustomizerForm::FormDestroy(TObject*) { ClearLines(); }

void TCustomizerForm::ShowCaptionEditor(bool value)
{
    EdtCaption()->SetVisible(value);
    Child<TLabel>(u"LblCaption")->SetVisible(value);
}

void TCustomizerForm::ShowGlyphPositionEditor(bool value)
{
    CmBxGlphPos()->SetVisible(value);
    Child<TLabel>(u"LblGlphPos")->SetVisible(value);
}

void TCustomizerForm::LoadComponents()
{
    TRurToolBar* toolBar = ToolBar();
    if (!toolBar)
        return;
    TCustomImageList* images = toolBar->Images();
    TListBox* items = LstBxToolBarItems();
    if (images)
        items->SetItemHeight(images->Height() + 3);
    for (int i = 0; i < toolBar->ToolBarControlCount(); ++i) {
        TControl* control = toolBar->ToolBarControls(i);
        if (auto* button = dynamic_cast<TRurToolBarButton*>(control)) {
            TATBItemProp* prop = RecordOfButton(button);
            prop->ForceImageIndex = button->ForceImageIndex();
            items->Items()->AddObject(button->Caption(), prop);
        } else if (dynamic_cast<TRurToolBarSeparator*>(control)) {
            auto* prop = new TATBItemProp;
            prop->ATBItem = control;
            items->Items()->AddObject(u"Separator", prop);
        } else if (auto* glow = dynamic_cast<TRurCustomGlowButton*>(control)) {
            items->Items()->AddObject(glow->Caption(), RecordOfButton(glow));
        } else if (IsOfClassNamed(control, u"TRurToolBarContainer")) {
            auto* prop = new TATBItemProp;
            prop->ATBItem = control;
            prop->Visible = control->Visible();
            items->Items()->AddObject(control->Caption().empty() ? control->Name() : control->Caption(), prop);
        } else {
            items->Items()->Add(control->Name());
        }
    }
    TATBCommands* commands = FToolBarCustomizer->Commands();
    for (int i = 0; i < commands->Count(); ++i)
        LstBxCommand()->Items()->Add(commands->Items(i)->Caption());

    TComboBox* icons = CmBxIcon();
    const TDialogSettings* settings = FToolBarCustomizer->DialogSettings();
    if (images) {
        icons->SetItemHeight(images->Height() + 3);
        for (int i = 0; i < images->Count(); ++i)
            icons->Items()->Add(IntToStr(i));
    }
    icons->Items()->Add(settings->GlyphEditNoneIconCaption());
    icons->SetVisible(images && images->Count() > 0 && settings->EditGlyphVisible());
    // The command list takes the chooser's place when it is hidden.
    LstBxCommand()->SetHeight(icons->Visible() ? 193 : 219);

    EdtCaption()->SetText(toolBar->Caption());
    CmBxGlphPos()->SetItemIndex(0);
    for (int i = 0; i < toolBar->ToolBarControlCount(); ++i)
        if (auto* button = dynamic_cast<TRurToolBarButton*>(toolBar->ToolBarControls(i))) {
            CmBxGlphPos()->SetItemIndex(static_cast<int>(button->GlyphPosition()));
            break;
        }
    ChkLargeIcon()->SetChecked(FToolBarCustomizer->LargeImages() &&
                               FToolBarCustomizer->LargeImages() == toolBar->Images());
    if (LstBxCommand()->Count() > 0) {
        LstBxCommand()->SetItemIndex(0);
        LstBxCommandClick(LstBxCommand());
    }
    if (items->Count() > 0)
        items->SetItemIndex(0);
    FCanEditBtn = FToolBarCustomizer->ButtonProperties()->Any();
    ArrangeOptionControls();
    UpdateButtons();
    FLoading = false;
}

void TCustomizerForm::ArrangeOptionControls()
{
    auto* lblCaption = Child<TLabel>(u"LblCaption");
    auto* lblGlyph = Child<TLabel>(u"LblGlphPos");
    TEdit* caption = EdtCaption();
    TComboBox* position = CmBxGlphPos();
    TCheckBox* large = ChkLargeIcon();
    lblCaption->SetVisible(caption->Visible());
    lblGlyph->SetVisible(position->Visible());
    const bool both = caption->Visible() && position->Visible();
    const bool one = caption->Visible() != position->Visible();
    // Only the chooser: it moves to the front of the group.
    if (one && position->Visible()) {
        lblGlyph->SetLeft(6);
        position->SetLeft(lblGlyph->Left() + lblGlyph->Width() + 5);
    }
    if (large->Visible()) {
        if (both)
            large->SetBounds(50, 43, large->Width(), large->Height());
        else if (one)
            large->SetBounds(200, 19, large->Width(), large->Height());
        else
            large->SetBounds(7, 16, large->Width(), large->Height());
    }
    caption->SetLeft(lblCaption->Left() + lblCaption->Width() + 5);
    lblGlyph->SetLeft(position->Left() - 5 - lblGlyph->Width());

    auto* group = Child<TGroupBox>(u"GroupBox2");
    const bool groupShown = caption->Visible() || position->Visible() || large->Visible();
    if (groupShown == group->Visible())
        return;
    group->SetVisible(groupShown);
    if (groupShown)
        return;
    // The dialog loses the group's height; OK and Cancel move up, Reset takes OK's top.
    const int h = group->Height();
    SetClientHeight(ClientHeight() - h);
    auto* ok = Child<TButton>(u"BtnOk");
    auto* cancel = Child<TButton>(u"BtnCancel");
    ok->SetTop(ok->Top() - h);
    cancel->SetTop(cancel->Top() - h);
    Child<TButton>(u"BtnReset")->SetTop(ok->Top());
}

void TCustomizerForm::UpdateButtons()
{
    TListBox* items = LstBxToolBarItems();
    const int selected = items->ItemIndex(), count = items->Count();
    const bool reorder = FToolBarCustomizer && FToolBarCustomizer->Options()->ReOrder();
    const TATBItemProp* prop = LineRecord(selected);
    SpeedButton(u"BtnEdit")->SetEnabled(FCanEditBtn && prop && prop->IsButton());
    SpeedButton(u"TopButton")->SetEnabled(selected > 0 && reorder);
    SpeedButton(u"UpButton")->SetEnabled(selected > 0 && reorder);
    SpeedButton(u"DownButton")->SetEnabled(selected >= 0 && selected < count - 1 && reorder);
    SpeedButton(u"BottomButton")->SetEnabled(selected >= 0 && selected < count - 1 && reorder);
    SpeedButton(u"AddButton")->SetEnabled(LstBxCommand()->ItemIndex() >= 0);
    SpeedButton(u"DeleteButton")->SetEnabled(selected >= 0);
    SpeedButton(u"ClearButton")->SetEnabled(count > 0);
}

void TCustomizerForm::SetModified()
{
    if (!FLoading)
        FModified = true;
}

void TCustomizerForm::CmBxGlphPosChange(TObject*) { SetModified(); }
void TCustomizerForm::EdtCaptionChange(TObject*) { SetModified(); }
void TCustomizerForm::ChkLargeIconClick(TObject*) { SetModified(); }
void TCustomizerForm::LstBxToolBarItemsClick(TObject*) { UpdateButtons(); }
void TCustomizerForm::LstBxToolBarItemsMouseUp(TObject*, TMouseButton, TShiftState, int, int) { UpdateButtons(); }

void TCustomizerForm::LstBxToolBarItemsDragOver(TObject*, TObject* source, int, int, TDragState, bool& accept)
{
    accept = source == LstBxToolBarItems() || source == LstBxCommand();
}

void TCustomizerForm::LstBxToolBarItemsDragDrop(TObject*, TObject* source, int x, int y)
{
    TListBox* items = LstBxToolBarItems();
    if (source == items) {
        // The selected line moves to the line under the pointer.
        const int under = items->ItemAtPos(Point(x, y), true);
        if (items->ItemIndex() >= 0 && under >= 0)
            MoveSelected(under);
    } else if (source == LstBxCommand()) {
        // Inserted after the selected line, as the add button does, not at the pointer.
        AddButtonClick(source);
    }
}

void TCustomizerForm::LstBxToolBarItemsDblClick(TObject*)
{
    TSpeedButton* edit = SpeedButton(u"BtnEdit");
    if (edit->Enabled() && edit->Visible())
        BtnEditClick(edit);
}

void TCustomizerForm::LstBxCommandClick(TObject*)
{
    const int command = LstBxCommand()->ItemIndex();
    if (command >= 0 && FToolBarCustomizer) {
        const int icon = FToolBarCustomizer->Commands()->Items(command)->ItemIndex();
        TComboBox* icons = CmBxIcon();
        const int line = icon >= 0 ? icon : icons->Items()->Count() - 1;
        if (line < icons->Items()->Count())
            icons->SetItemIndex(line);
    }
    UpdateButtons();
}

// ---- List edits ----------------------------------------------------------------------------

void TCustomizerForm::DeleteLine(int index)
{
    TStrings* items = LstBxToolBarItems()->Items();
    delete static_cast<TATBItemProp*>(items->Objects(index));
    items->Delete(index);
}

void TCustomizerForm::ClearLines()
{
    TListBox* list = LstBxToolBarItems();
    if (!list)
        return;
    for (int i = 0; i < list->Items()->Count(); ++i)
        delete static_cast<TATBItemProp*>(list->Items()->Objects(i));
    list->Items()->Clear();
}

void TCustomizerForm::MoveSelected(int to)
{
    TListBox* items = LstBxToolBarItems();
    const int selected = items->ItemIndex();
    if (selected < 0)
        return;
    items->Items()->Move(selected, to);
    items->SetItemIndex(to);
    SetModified();
    UpdateButtons();
}

void TCustomizerForm::ExchangeAndSelect(int a, int b)
{
    TListBox* items = LstBxToolBarItems();
    items->Items()->Exchange(a, b);
    items->SetItemIndex(b);
    SetModified();
    UpdateButtons();
}

void TCustomizerForm::TopButtonClick(TObject*) { MoveSelected(0); }

void TCustomizerForm::BottomButtonClick(TObject*) { MoveSelected(LstBxToolBarItems()->Count() - 1); }

void TCustomizerForm::UpButtonClick(TObject*)
{
    TListBox* items = LstBxToolBarItems();
    const int selected = items->ItemIndex(), last = items->Count() - 1;
    if (last < 0)
        return;
    if (selected < 0) {
        items->SetItemIndex(last);
        UpdateButtons();
    } else {
        ExchangeAndSelect(selected, selected == 0 ? last : selected - 1);
    }
}

void TCustomizerForm::DownButtonClick(TObject*)
{
    TListBox* items = LstBxToolBarItems();
    const int selected = items->ItemIndex(), last = items->Count() - 1;
    if (last < 0)
        return;
    if (selected < 0) {
        items->SetItemIndex(0);
        UpdateButtons();
    } else {
        ExchangeAndSelect(selected, selected == last ? 0 : selected + 1);
    }
}

void TCustomizerForm::InsertLine(const String& text, TATBItemProp* prop)
{
    TListBox* items = LstBxToolBarItems();
    const int selected = items->ItemIndex();
    int at = items->Count();
    if (selected >= 0 && selected < items->Count() - 1)
        at = selected + 1;
    items->Items()->InsertObject(at, text, prop);
    items->SetItemIndex(at);
    SetModified();
    UpdateButtons();
}

void TCustomizerForm::AddCommand(bool glow)
{
    const int command = LstBxCommand()->ItemIndex();
    if (command < 0)
        return;
    auto* prop = new TATBItemProp;
    prop->IsATBButton = !glow;
    prop->IsGlowButton = glow;
    prop->CustomizerCreated = true;
    prop->ImageIndex = CmBxIcon()->ItemIndex();
    prop->ForceImageIndex = true;
    prop->Caption = prop->Hint = LstBxCommand()->Items()->Strings(command);
    prop->Visible = true;
    prop->CommandID = command;
    InsertLine(prop->Caption, prop);
}

void TCustomizerForm::AddButtonClick(TObject*) { AddCommand(false); }
void TCustomizerForm::AddGlowButtonClick(TObject*) { AddCommand(true); }

void TCustomizerForm::SeparatorButtonClick(TObject*)
{
    if (!ToolBar())
        return;
    auto* prop = new TATBItemProp;
    prop->IsSeparator = true;
    prop->CustomizerCreated = true;
    prop->Caption = UniqueSeparatorName(ToolBar(), FSeparatorNames);
    InsertLine(u"Separator", prop);
}

void TCustomizerForm::DeleteButtonClick(TObject*)
{
    TListBox* items = LstBxToolBarItems();
    const int selected = items->ItemIndex();
    if (selected >= 0) {
        DeleteLine(selected);
        items->SetItemIndex(std::min(selected, items->Count() - 1));
    } else {
        items->SetItemIndex(items->Count() - 1);
    }
    SetModified();
    UpdateButtons();
}

void TCustomizerForm::ClearButtonClick(TObject*)
{
    if (MessageDlg(u"Are you sure that you want to clear ToolBar?", mtConfirmation, {mbYes, mbNo}, 0) == mrNo)
        return;
    ClearLines();
    SetModified();
    UpdateButtons();
}

void TCustomizerForm::OkBitBtnClick(TObject*)
{
    SaveLayout();
    SetModalResult(mrOk);
}

void TCustomizerForm::SaveLayout()
{
    if (!FToolBarCustomizer)
        return;
    TCustomizedLayout layout;
    layout.HasCaption = EdtCaption()->Visible();
    layout.Caption = EdtCaption()->Text();
    layout.HasGlyphPosition = CmBxGlphPos()->Visible();
    layout.GlyphPosition = CmBxGlphPos()->ItemIndex();
    layout.HasLargeIcon = ChkLargeIcon()->Visible();
    layout.LargeIcon = ChkLargeIcon()->Checked();
    TStrings* items = LstBxToolBarItems()->Items();
    for (int i = 0; i < items->Count(); ++i)
        layout.Lines.push_back({items->Strings(i), LineRecord(i)});
    SaveCustomizedLayout(FToolBarCustomizer, layout);
}

// ---- Painting ------------------------------------------------------------------------------

void TCustomizerForm::LstBxToolBarItemsDrawItem(TWinControl*, int index, TRect rect, UINT)
{
    TListBox* list = LstBxToolBarItems();
    TCanvas* canvas = list->Canvas();
    canvas->FillRect(rect);
    TRurToolBar* toolBar = ToolBar();
    TCustomImageList* images = toolBar ? toolBar->Images() : nullptr;
    int x = 2;
    auto drawImage = [&](TCustomImageList* from, int image) {
        from->Draw(canvas, rect.Left + 2, rect.Top + 2, image);
        x += from->Width() + 8;
    };
    if (const TATBItemProp* prop = LineRecord(index)) {
        if (auto* button = dynamic_cast<TRurToolBarButton*>(prop->ATBItem)) {
            if (!button->Glyph()->Empty()) {
                canvas->Draw(rect.Left + 2, rect.Top + 2, button->Glyph());
                x += button->Glyph()->Width();
            } else if (button->ImageIndex() >= 0 && images) {
                drawImage(images, prop->ImageIndex);
            } else if (images) {
                x += images->Width() + 8;
            }
        } else if (dynamic_cast<TRurToolBarSeparator*>(prop->ATBItem) || prop->IsSeparator) {
            x += 8;
        } else if (auto* glow = dynamic_cast<TRurCustomGlowButton*>(prop->ATBItem)) {
            if (glow->ImageIndex() >= 0 && glow->Images())
                drawImage(glow->Images(), prop->ImageIndex);
        } else if ((prop->IsATBButton || prop->IsGlowButton) && images && prop->ImageIndex >= 0) {
            drawImage(images, prop->ImageIndex);
        }
    }
    x += 8;
    canvas->Brush()->SetStyle(bsClear);
    const String text = list->Items()->Strings(index);
    canvas->TextOut(rect.Left + x, rect.Top + (list->ItemHeight() - TextHeightOf(canvas, u"Wg")) / 2, text);
}

void TCustomizerForm::CmBxIconDrawItem(TWinControl*, int index, TRect rect, UINT)
{
    TComboBox* icons = CmBxIcon();
    TCanvas* canvas = icons->Canvas();
    canvas->FillRect(rect);
    TCustomImageList* images = ToolBar() ? ToolBar()->Images() : nullptr;
    const int count = images ? images->Count() : 0;
    if (images && index < count) {
        images->Draw(canvas, rect.Left + 2, rect.Top + 2, index);
        return;
    }
    if (index == count) {
        canvas->Brush()->SetStyle(bsClear);
        canvas->TextOut(rect.Left + 4, rect.Top + (icons->ItemHeight() - TextHeightOf(canvas, u"Wg")) / 2,
                        icons->Items()->Strings(index));
    }
}

// ---- The customizer's side -----------------------------------------------------------------

void TRurToolBarCustomizer::ShowDialog()
{
    if (!FRurToolBar)
        return;
    std::unique_ptr<TCustomizerForm> dialog(CreateForm<TCustomizerForm>(this));
    dialog->SetToolBarCustomizer(this);
    const TDialogSettings* d = FDialogSettings.get();
    const std::pair<const char16_t*, String> hints[] = {
        {u"UpButton", d->UpHint()},           {u"TopButton", d->TopHint()},
        {u"DeleteButton", d->DeleteHint()},   {u"BtnEdit", d->EditHint()},
        {u"AddButton", d->AddHint()},         {u"SeparatorButton", d->AddSeparatorHint()},
        {u"ClearButton", d->DeleteAllHint()}, {u"BottomButton", d->BottomHint()},
        {u"DownButton", d->DownHint()},       {u"AddGlowButton", d->AddGlowButtonHint()}};
    for (const auto& [name, hint] : hints)
        dialog->SpeedButton(name)->SetHint(hint);
    const std::pair<const char16_t*, String> captions[] = {{u"LblToolbarItems", d->ToolBarLabel()},
                                                           {u"LblCaption", d->CaptionLabel()},
                                                           {u"LblGlphPos", d->GlyphPosLabel()},
                                                           {u"LblCommands", d->CommandLabel()},
                                                           {u"ChkLargeIcon", d->LargeIconCheck()}};
    for (const auto& [name, caption] : captions)
        dialog->Child<TControl>(name)->SetCaption(caption);
    dialog->SetCaption(d->Caption());
    const std::tuple<const char16_t*, String, String> buttons[] = {
        {u"BtnOk", d->OKButtonCaption(), d->OKButtonHint()},
        {u"BtnCancel", d->CancelButtonCaption(), d->CancelButtonHint()},
        {u"BtnReset", d->ResetButtonCaption(), d->ResetButtonHint()}};
    for (const auto& [name, caption, hint] : buttons) {
        dialog->Child<TControl>(name)->SetCaption(caption);
        dialog->Child<TControl>(name)->SetHint(hint);
    }
    TStrings* positions = dialog->CmBxGlphPos()->Items();
    positions->Clear();
    for (const String& line : {d->GlyphPositionLeftCaption(), d->GlyphPositionTopCaption(),
                               d->GlyphPositionRightCaption(), d->GlyphPositionBottomCaption()})
        positions->Add(line);

    dialog->ShowCaptionEditor(d->EditCaption());
    dialog->ShowGlyphPositionEditor(d->EditGlyphPosition());
    dialog->ChkLargeIcon()->SetVisible(d->LargeIcon() && FLargeImages);
    dialog->LoadComponents();
    dialog->CmBxIcon()->SetEnabled(d->EditGlyph());

    const TCustomizedOptions* o = FOptions.get();
    for (const char16_t* name : ReorderButtons)
        dialog->SpeedButton(name)->SetVisible(o->ReOrder());
    dialog->SpeedButton(u"DeleteButton")->SetVisible(o->Delete());
    dialog->SpeedButton(u"ClearButton")->SetVisible(o->DeleteAll());
    dialog->SpeedButton(u"AddButton")->SetVisible(o->AddButton() && dialog->LstBxCommand()->Count() > 0);
    dialog->SpeedButton(u"SeparatorButton")->SetVisible(o->AddSeparator());
    dialog->SpeedButton(u"AddGlowButton")->SetVisible(o->AddGlowButton());
    dialog->SpeedButton(u"BtnEdit")->SetVisible(o->EditButton());
    // Lines are dragged into a new order only when reordering is offered.
    dialog->LstBxToolBarItems()->SetDragMode(o->ReOrder() ? dmAutomatic : dmManual);
    // The buttons under the move group close ranks.
    TSpeedButton* top = dialog->SpeedButton(u"TopButton");
    TSpeedButton* bottom = dialog->SpeedButton(u"BottomButton");
    int y = top->Visible() ? bottom->Top() + bottom->Height() : top->Top();
    for (const char16_t* name : StackedButtons)
        if (TSpeedButton* button = dialog->SpeedButton(name); button->Visible()) {
            button->SetTop(y);
            y += button->Height();
        }

    // Just below the toolbar, 12 pixels in from its right end, kept inside the work area.
    TWinControl* parent = FRurToolBar->Parent();
    const TPoint below{FRurToolBar->Left() + FRurToolBar->Width() - 12, FRurToolBar->Top() + FRurToolBar->Height() + 1};
    TPoint at = parent ? parent->ClientToScreen(below) : below;
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    if (at.Y + dialog->Height() + 2 > work.bottom)
        at.Y = work.bottom - dialog->Height() - 2;
    if (at.X + dialog->Width() > work.right) {
        if (FRurToolBar->Position() == daRight && parent)
            at.X = parent->ClientToScreen(TPoint{FRurToolBar->Left(), 0}).X - dialog->Width();
        else
            at.X = work.right - dialog->Width();
    }
    bool canShow = true;
    FOnCanShow(this, at.X, at.Y, canShow);
    if (!canShow)
        return;
    dialog->SetBounds(at.X, at.Y, dialog->Width(), dialog->Height());
    FOnBeforeDisplay(this);
    const int result = dialog->ShowModal();
    if (result == mrOk) {
        if (dialog->Modified()) {
            LoadLayout();
            FOnAfterPost(this);
        }
    } else if (result == ResetModalResult) {
        ResetLayout();
    }
}

void CustomizerUnitInitialize()
{
    RegisterClasses({TCustomizerForm::StaticClass(), TCusBtnForm::StaticClass(), TSpeedButton::StaticClass()});
}
