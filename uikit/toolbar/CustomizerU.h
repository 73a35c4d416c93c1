#pragma once
// The toolbar customizer: a component that lets the end user rearrange one toolbar at run time in
// a dialog (order, removal, new buttons, glow buttons and separators made from a list of commands,
// button captions, hints, icons and visibility, the toolbar's caption, glyph position and icon
// size). The dialog's result reaches the toolbar only through the layout file: one INI section
// holds the user's layout, a second one ("...Org") the toolbar as designed.
#include <memory>
#include <set>

#include "ActnList.h"
#include "Classes.h"
#include "ImgList.h"
#include "RurToolBar_Lists.h"

class TRurToolBar;
class TRurToolBarCustomizer;
class TCustomIniFile;

// One command the dialog offers for new buttons.
class TATBCommand : public TCollectionItem {
    TAVIN_PUBLISHED_CLASS(TATBCommand, TCollectionItem)
public:
    explicit TATBCommand(TCollection* collection);
    // Caption and OnExecute of another command.
    void Assign(const TPersistent* source) override;

    const String& Caption() const { return FCaption; }
    // Spaces become underscores: the caption doubles as a component name.
    void SetCaption(const String& value);
    // The command's default icon in the toolbar's image list; -1 for none.
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int value) { FItemIndex = value; }
    // Not owned; an action with a caption gives the command its caption.
    TBasicAction* Action() const { return FAction; }
    void SetAction(TBasicAction* value);
    // The click handler of a button made from this command.
    TNotifyEvent OnExecute() const { return FOnExecute; }
    void SetOnExecute(TNotifyEvent value) { FOnExecute = value; }

private:
    TNotifyEvent FOnExecute;
    String FCaption;
    int FItemIndex = -1;
    TBasicAction* FAction = nullptr;
};

class TATBCommands : public TOwnedCollection {
    TAVIN_CLASS(TATBCommands, TOwnedCollection)
public:
    explicit TATBCommands(TRurToolBarCustomizer* owner);
    TATBCommand* Add() { return static_cast<TATBCommand*>(TCollection::Add()); }
    TATBCommand* Insert(int index) { return static_cast<TATBCommand*>(TCollection::Insert(index)); }
    TATBCommand* Items(int index) const { return static_cast<TATBCommand*>(TCollection::Items(index)); }
    void SetItems(int index, TATBCommand* value) { Items(index)->Assign(value); }
    // Kept for the application; the collection itself never fires it.
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent value) { FOnChange = value; }

private:
    TNotifyEvent FOnChange;
};

// Which properties of a toolbar button the user may edit (and the layout file keeps).
class TButtonProperties : public TPersistent {
    TAVIN_PUBLISHED_CLASS(TButtonProperties, TPersistent)
public:
    void Assign(const TPersistent* source) override;
    bool Caption() const { return FCaption; }
    void SetCaption(bool value) { Set(FCaption, value); }
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool value) { Set(FShowCaption, value); }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { Set(FVisible, value); }
    bool Hint() const { return FHint; }
    void SetHint(bool value) { Set(FHint, value); }
    bool Glyph() const { return FGlyph; }
    void SetGlyph(bool value) { Set(FGlyph, value); }
    bool Any() const { return FCaption || FShowCaption || FVisible || FHint || FGlyph; }
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent value) { FOnChange = value; }

private:
    void Set(bool& field, bool value);
    bool FCaption = true, FShowCaption = true, FVisible = false, FHint = true, FGlyph = true;
    TNotifyEvent FOnChange;
};

// Which editing commands the dialog offers.
class TCustomizedOptions : public TPersistent {
    TAVIN_PUBLISHED_CLASS(TCustomizedOptions, TPersistent)
public:
    void Assign(const TPersistent* source) override;
    bool AddButton() const { return FAddButton; }
    void SetAddButton(bool value) { Set(FAddButton, value); }
    bool ReOrder() const { return FReOrder; }
    void SetReOrder(bool value) { Set(FReOrder, value); }
    bool Delete() const { return FDelete; }
    void SetDelete(bool value) { Set(FDelete, value); }
    bool DeleteAll() const { return FDeleteAll; }
    void SetDeleteAll(bool value) { Set(FDeleteAll, value); }
    bool AddSeparator() const { return FAddSeparator; }
    void SetAddSeparator(bool value) { Set(FAddSeparator, value); }
    bool AddGlowButton() const { return FAddGlowButton; }
    void SetAddGlowButton(bool value) { Set(FAddGlowButton, value); }
    bool EditButton() const { return FEditButton; }
    void SetEditButton(bool value) { Set(FEditButton, value); }
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent value) { FOnChange = value; }

private:
    void Set(bool& field, bool value);
    bool FAddButton = true, FReOrder = true, FDelete = true, FDeleteAll = false, FAddSeparator = true;
    TNotifyEvent FOnChange;
    bool FAddGlowButton = true, FEditButton = true;
};

// The dialogs' switches and texts, as (name, default) rows.
#define CUSTOMIZER_DIALOG_SWITCHES(X)                                                                \
    X(EditCaption, true) X(LargeIcon, false) X(EditGlyphPosition, true) X(EditGlyph, true)          \
    X(EditGlyphVisible, true)
#define CUSTOMIZER_DIALOG_TEXTS(X)                                                                   \
    X(UpHint, u"Move Up") X(ButtonEditCaptionLabel, u"Caption") X(TopHint, u"Move to Top")          \
    X(ButtonEditIconLabel, u"Icon") X(ToolBarLabel, u"ToolBar Items:") X(DeleteHint, u"Delete Item") \
    X(EditHint, u"Edit Item") X(CaptionLabel, u"Caption") X(GlyphPosLabel, u"Glyph Position")       \
    X(CommandLabel, u"Commands") X(ButtonEditVisibleCheck, u"Visible")                              \
    X(ButtonEditCaptionCheck, u"Show Caption") X(ButtonEditHintLabel, u"Hint") X(AddHint, u"Add Item") \
    X(AddSeparatorHint, u"Add Separator") X(DeleteAllHint, u"Delete All")                            \
    X(BottomHint, u"Move to Bottom") X(DownHint, u"Move Down") X(Caption, u"Customizer")            \
    X(LargeIconCheck, u"Large Icon") X(ButtonEditCaption, u"Customize Button")                      \
    X(ResetButtonCaption, u"&Reset") X(OKButtonCaption, u"&Ok") X(CancelButtonCaption, u"&Cancel")  \
    X(CancelButtonHint, u"") X(ResetButtonHint, u"") X(AddGlowButtonHint, u"Insert GlowButton")     \
    X(GlyphPositionBottomCaption, u"Bottom") X(GlyphPositionLeftCaption, u"Left")                   \
    X(GlyphPositionTopCaption, u"Top") X(GlyphPositionRightCaption, u"Right") X(OKButtonHint, u"")  \
    X(GlyphEditNoneIconCaption, u"None")

class TDialogSettings : public TPersistent {
    TAVIN_PUBLISHED_CLASS(TDialogSettings, TPersistent)
public:
    // Every switch and text except Customize.
    void Assign(const TPersistent* source) override;
#define CUSTOMIZER_SWITCH_ACCESS(Name, Default)                                                      \
    bool Name() const { return F##Name; }                                                            \
    void Set##Name(bool value) { F##Name = value; }
#define CUSTOMIZER_TEXT_ACCESS(Name, Default)                                                        \
    const String& Name() const { return F##Name; }                                                   \
    void Set##Name(const String& value) { F##Name = value; }
    CUSTOMIZER_DIALOG_SWITCHES(CUSTOMIZER_SWITCH_ACCESS)
    CUSTOMIZER_DIALOG_TEXTS(CUSTOMIZER_TEXT_ACCESS)
    CUSTOMIZER_TEXT_ACCESS(Customize, u"Customize")
#undef CUSTOMIZER_SWITCH_ACCESS
#undef CUSTOMIZER_TEXT_ACCESS
    TNotifyEvent OnChange() const { return FOnChange; }
    void SetOnChange(TNotifyEvent value) { FOnChange = value; }

private:
#define CUSTOMIZER_SWITCH_FIELD(Name, Default) bool F##Name = Default;
#define CUSTOMIZER_TEXT_FIELD(Name, Default) String F##Name = Default;
    CUSTOMIZER_DIALOG_SWITCHES(CUSTOMIZER_SWITCH_FIELD)
    CUSTOMIZER_DIALOG_TEXTS(CUSTOMIZER_TEXT_FIELD)
    CUSTOMIZER_TEXT_FIELD(Customize, u"Customize")
#undef CUSTOMIZER_SWITCH_FIELD
#undef CUSTOMIZER_TEXT_FIELD
    TNotifyEvent FOnChange;
};

// The record behind one line of the dialog's item list.
class TATBItemProp : public TObject {
    TAVIN_CLASS(TATBItemProp, TObject)
public:
    // The toolbar item the line stands for; null for a line inserted in the dialog.
    TObject* ATBItem = nullptr;
    // Made by the customizer, or inserted in the dialog.
    bool CustomizerCreated = false;
    bool IsSeparator = false;
    bool IsATBButton = false;
    int ImageIndex = -1;
    // For an inserted separator: its component name.
    String Caption;
    bool ShowCaption = false;
    String Hint;
    bool Visible = true;
    String ID;
    int CommandID = -1;
    bool ForceImageIndex = false;
    bool IsGlowButton = false;
    // Stands for a toolbar button or glow button (placed or inserted).
    bool IsButton() const;
};

// Lets the application move the dialog or keep it from showing.
using TCustomizerCanShowEvent = TEvent<TObject*, int&, int&, bool&>;

class TRurToolBarCustomizer : public TComponent {
    TAVIN_PUBLISHED_CLASS(TRurToolBarCustomizer, TComponent)
public:
    explicit TRurToolBarCustomizer(TComponent* owner);
    ~TRurToolBarCustomizer() override;

    TRurToolBar* RurToolBar() const { return FRurToolBar; }
    // Links the toolbar to this customizer (and unlinks the old one).
    void SetRurToolBar(TRurToolBar* value);
    TCustomImageList* LargeImages() const { return FLargeImages; }
    void SetLargeImages(TCustomImageList* value);
    TCustomImageList* SmallImages() const { return FSmallImages; }
    void SetSmallImages(TCustomImageList* value);
    TATBCommands* Commands() const { return FCommands.get(); }
    void SetCommands(TATBCommands* value) { FCommands->Assign(value); }
    bool EnablePersistence() const { return FEnablePersistence; }
    void SetEnablePersistence(bool value) { FEnablePersistence = value; }
    const String& FileName() const { return FFileName; }
    // At run time a new name snapshots the toolbar into the file and applies the file's layout.
    void SetFileName(const String& value);
    TButtonProperties* ButtonProperties() const { return FButtonProperties.get(); }
    void SetButtonProperties(TButtonProperties* value) { FButtonProperties->Assign(value); }
    TDialogSettings* DialogSettings() const { return FDialogSettings.get(); }
    void SetDialogSettings(TDialogSettings* value) { FDialogSettings->Assign(value); }
    TCustomizedOptions* Options() const { return FOptions.get(); }
    void SetOptions(TCustomizedOptions* value) { FOptions->Assign(value); }
    TNotifyEvent OnBeforeDisplay() const { return FOnBeforeDisplay; }
    void SetOnBeforeDisplay(TNotifyEvent value) { FOnBeforeDisplay = value; }
    TNotifyEvent OnAfterPost() const { return FOnAfterPost; }
    void SetOnAfterPost(TNotifyEvent value) { FOnAfterPost = value; }
    TCustomizerCanShowEvent OnCanShow() const { return FOnCanShow; }
    void SetOnCanShow(TCustomizerCanShowEvent value) { FOnCanShow = value; }

    void Show() { ShowDialog(); }
    // Runs the dialog (nothing without a toolbar); OK with changes rebuilds the toolbar from the
    // layout file, Reset brings back the designed toolbar.
    virtual void ShowDialog();
    // Rebuilds the toolbar from the user's section; takes off the items the layout leaves out.
    virtual void LoadLayout();
    // Brings back the designed toolbar from the "Org" section and empties the user's section.
    virtual void ResetLayout();
    // Writes the toolbar as it stands into the "Org" section.
    virtual void SaveDesignedLayout();
    // The first toolbar item of that component name (ignoring case); null for none or "".
    TControl* FindToolBarControl(const String& name) const;
    // Items the last layouts took off the toolbar (not freed: they stay with their owner).
    const TDbgList& DeletedItems() const { return FDeleteItems; }

    // The file's two sections.
    String LayoutSection() const { return Name(); }
    String DesignedLayoutSection() const { return Name() + u"Org"; }
    // The layout file can be read and written now.
    bool CanPersist() const;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    // Takes the toolbar items from position `from` on off the toolbar. A reset destroys the
    // ones the customizer made and only un-parents the others; a layout keeps them to give back.
    void TakeOffItems(int from, bool reset);
    // The applied images: large ones when asked for and present, else the small ones.
    void ApplyImages(int largeIcon);
    // Puts the placed controls in order from position 0, with the glyph position when asked.
    void PlaceControls(const std::vector<TControl*>& placed, int glyphPosition, bool glowLayouts);
    // A new item of the class tag for an entry of the layout; null when the tag makes none.
    TControl* CreateItem(const String& name, const String& tag, TCustomIniFile& file, const String& section,
                         const String& key);
    void BindCommand(TControl* control, int commandID);

    bool FEnablePersistence = true;
    String FFileName = u".\\untitled.ini";
    TRurToolBar* FRurToolBar = nullptr;
    std::unique_ptr<TATBCommands> FCommands;
    std::unique_ptr<TButtonProperties> FButtonProperties;
    TCustomImageList* FLargeImages = nullptr;
    std::unique_ptr<TCustomizedOptions> FOptions;
    TCustomImageList* FSmallImages = nullptr;
    TNotifyEvent FOnBeforeDisplay, FOnAfterPost;
    std::unique_ptr<TDialogSettings> FDialogSettings;
    TCustomizerCanShowEvent FOnCanShow;
    TDbgList FDeleteItems;
    // The items the layouts created (the only ones a reset destroys).
    TDbgList FCreatedItems;
};

// The class tags of the layout file.
inline constexpr const char16_t* ButtonClassTag = u"ADVTOOLBARBUTTON";
inline constexpr const char16_t* SeparatorClassTag = u"ADVTOOLBARSEPARATOR";
inline constexpr const char16_t* GlowButtonClassTag = u"ADVCUSTOMGLOWBUTTON";
inline constexpr const char16_t* OtherClassTag = u"-1";

// A name "<base>n" (n = 1, 2, ...) that no component owned by the toolbar bears and that is not in
// namesInUse (both ignoring case); it is added to namesInUse.
String UniqueButtonName(const TRurToolBar* toolBar, const String& base, std::set<String>& namesInUse);
// "RurToolBarSeparatorn": the first that no child control of the toolbar bears and that is not in
// namesInUse (the separators inserted earlier in the same dialog run); it is added to namesInUse.
String UniqueSeparatorName(const TRurToolBar* toolBar, std::set<String>& namesInUse);
// The key of a name set that ignores case.
String NameKey(const String& name);

// What the dialog's OK writes: the head values it shows, and one line per item.
struct TCustomizedLayout {
    struct TLine {
        String Text;
        TATBItemProp* Prop = nullptr; // null for a line without a record
    };
    bool HasCaption = false;
    String Caption;
    bool HasGlyphPosition = false;
    int GlyphPosition = -1;
    bool HasLargeIcon = false;
    bool LargeIcon = false;
    std::vector<TLine> Lines;
};
// Writes the user's section from the dialog's lines; the section is built in memory and the file
// written once, so a failure leaves the old section whole.
void SaveCustomizedLayout(TRurToolBarCustomizer* customizer, const TCustomizedLayout& layout);
