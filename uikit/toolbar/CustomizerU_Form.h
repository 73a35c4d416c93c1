#pragma once
// The customizer dialog: the toolbar's items as a list of records the user reorders, deletes,
// edits and extends from the command list, and the toolbar's caption, glyph position and icon
// size. It never touches the toolbar: OK writes the list into the layout file.
#include <set>

#include "Buttons.h"
#include "CustomizerU.h"
#include "Forms.h"
#include "StdCtrls.h"

class TCustomizerForm : public TForm {
    TAVIN_PUBLISHED_CLASS(TCustomizerForm, TForm)
public:
    using TForm::TForm;

    TRurToolBarCustomizer* ToolBarCustomizer() const { return FToolBarCustomizer; }
    void SetToolBarCustomizer(TRurToolBarCustomizer* value) { FToolBarCustomizer = value; }
    // The user changed something after the dialog filled itself.
    bool Modified() const { return FModified; }

    // Fills the lists and editors from the toolbar; called once before showing.
    void LoadComponents();
    // Show or hide the toolbar-caption editor and the glyph-position chooser with their labels.
    void ShowCaptionEditor(bool value);
    void ShowGlyphPositionEditor(bool value);
    void ArrangeOptionControls();
    void UpdateButtons();
    void SetModified();
    // Writes the list into the layout file.
    void SaveLayout();

    // The record of an item line (null for a line without one).
    TATBItemProp* LineRecord(int index) const;

    TListBox* LstBxToolBarItems() const { return Child<TListBox>(u"LstBxToolBarItems"); }
    TListBox* LstBxCommand() const { return Child<TListBox>(u"LstBxCommand"); }
    TComboBox* CmBxIcon() const { return Child<TComboBox>(u"CmBxIcon"); }
    TComboBox* CmBxGlphPos() const { return Child<TComboBox>(u"CmBxGlphPos"); }
    TEdit* EdtCaption() const { return Child<TEdit>(u"EdtCaption"); }
    TCheckBox* ChkLargeIcon() const { return Child<TCheckBox>(u"ChkLargeIcon"); }
    TSpeedButton* SpeedButton(const char16_t* name) const { return Child<TSpeedButton>(name); }
    template <class T>
    T* Child(const char16_t* name) const
    {
        return static_cast<T*>(FindComponent(name));
    }

    void FormCreate(TObject* sender);
    void FormDestroy(TObject* sender);
    void TopButtonClick(TObject* sender);
    void UpButtonClick(TObject* sender);
    void DownButtonClick(TObject* sender);
    void BottomButtonClick(TObject* sender);
    void AddButtonClick(TObject* sender);
    void AddGlowButtonClick(TObject* sender);
    void SeparatorButtonClick(TObject* sender);
    void DeleteButtonClick(TObject* sender);
    void ClearButtonClick(TObject* sender);
    void BtnEditClick(TObject* sender);
    void OkBitBtnClick(TObject* sender);
    void LstBxCommandClick(TObject* sender);
    void LstBxToolBarItemsClick(TObject* sender);
    void LstBxToolBarItemsDblClick(TObject* sender);
    void LstBxToolBarItemsMouseUp(TObject* sender, TMouseButton button, TShiftState shift, int x, int y);
    // Lines of the item list and commands of the command list may be dropped on the item list.
    void LstBxToolBarItemsDragOver(TObject* sender, TObject* source, int x, int y, TDragState state, bool& accept);
    void LstBxToolBarItemsDragDrop(TObject* sender, TObject* source, int x, int y);
    void LstBxToolBarItemsDrawItem(TWinControl* control, int index, TRect rect, UINT state);
    void CmBxIconDrawItem(TWinControl* control, int index, TRect rect, UINT state);
    void CmBxGlphPosChange(TObject* sender);
    void EdtCaptionChange(TObject* sender);
    void ChkLargeIconClick(TObject* sender);

private:
    TRurToolBar* ToolBar() const;
    // A new line for an inserted record: after the selected line (appended when none or the last
    // is selected), then selected.
    void InsertLine(const String& text, TATBItemProp* prop);
    void AddCommand(bool glow);
    // Removes a line and frees its record with it.
    void DeleteLine(int index);
    void ClearLines();
    void MoveSelected(int to);
    void ExchangeAndSelect(int a, int b);

    bool FModified = false;
    bool FLoading = true;
    bool FCanEditBtn = false;
    TRurToolBarCustomizer* FToolBarCustomizer = nullptr;
    // Names given to the separators inserted in this run.
    std::set<String> FSeparatorNames;
};

void CustomizerUnitInitialize();
inline constexpr TUnitStep CustomizerUnit{"CustomizerU", &CustomizerUnitInitialize, nullptr};
