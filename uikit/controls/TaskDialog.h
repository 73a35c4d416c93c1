#pragma once
// A non-visual component that describes a task dialog (title, instruction, content, expanded text,
// footer, icons, common and custom buttons, radio buttons, verification check box, progress bar,
// timer, links, an input control) and shows it modally with Execute, which answers the identifier
// of the button that closed it. The system's task dialog shows it where the system offers one
// (TaskDialog_Native.cpp); elsewhere, or when asked, the kit's own dialog form does
// (TaskDialog_Form*.cpp), whose buttons come from factory operations a descendant may replace.
#include "WinApiNames.h"

#include <commctrl.h>

#include <functional>
#include <memory>
#include <vector>

#include "Classes.h"
#include "ComCtrls.h"
#include "ExtCtrls.h"
#include "Forms.h"
#include "Graphics.h"
#include "StdCtrls.h"
#include "Startup.h"
#include "Timers.h"
#include "WideText.h"

TAVIN_ENUM(TTaskDialogOption, doHyperlinks, doCommandLinks, doCommandLinksNoIcon, doExpandedDefault,
           doExpandedFooter, doAllowMinimize, doVerifyChecked, doProgressBar, doProgressBarMarquee, doTimer,
           doNoDefaultRadioButton, doAllowDialogCancel, doSizeToContent, doHyperlinkWithoutUAC)
using TTaskDialogOptions = TSet<TTaskDialogOption>;
TAVIN_ENUM(TTaskDialogIcon, tiBlank, tiWarning, tiQuestion, tiError, tiInformation, tiNotUsed, tiShield)
TAVIN_ENUM(TTaskDialogFooterIcon, tfiBlank, tfiWarning, tfiQuestion, tfiError, tfiInformation, tfiShield)
TAVIN_ENUM(TTaskDialogPosition, dpScreenCenter, dpOwnerFormCenter)
TAVIN_ENUM(TCommonButton, cbOK, cbYes, cbNo, cbCancel, cbRetry, cbClose)
using TCommonButtons = TSet<TCommonButton>;
TAVIN_ENUM(TNonNativeDialog, nndAuto, nndAlways)
TAVIN_ENUM(TTaskDialogProgressState, psNormal, psError, psPaused)
TAVIN_ENUM(TInputType, itEdit, itMemo, itComboEdit, itComboList, itDate, itCustom, itNone, itTime, itPassword)
TAVIN_ENUM(TTaskDialogInvalidEntryIcon, tieNone, tieInfo, tieWarning, tieError)

using TTaskDialogButtonClickEvent = TEvent<TObject*, int>;
using TTaskDialogHyperlinkClickEvent = TEvent<TObject*, const String&>;
using TTaskDialogVerifyClickEvent = TEvent<TObject*, bool>;
using TTaskDialogCloseEvent = TEvent<TObject*, bool&>;
using TTaskDialogProgressEvent = TEvent<TObject*, int&, TTaskDialogProgressState&>;
using TInputGetTextEvent = TEvent<TObject*, String&>;
using TInputSetTextEvent = TEvent<TObject*, const String&>;
// Sender, the new value (may be changed), the dialog's ValidateData, the form's modal result, and
// whether the value is valid.
using TValidateInputTextEvent = TEvent<TObject*, String&, int, int, bool&>;

// Identifiers of the first custom button and the first radio button.
constexpr int TaskDialogFirstCustomButton = 100;
constexpr int TaskDialogFirstRadioButton = 200;

// The common buttons' captions, copied from the framework's button texts at start-up (empty
// before), and their component names.
const String& TaskDialogButtonCaption(TCommonButton button);
String TaskDialogButtonName(TCommonButton button);
// The modal result a common button of the dialog form answers (cbClose answers 3 there).
int TaskDialogButtonModalResult(TCommonButton button);

class TRurMessageForm;

// The memo of an input dialog asking for several lines.
class TInputMemoSettings : public TPersistent {
    TAVIN_PUBLISHED_CLASS(TInputMemoSettings, TPersistent)
public:
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool value) { FWantReturns = value; }
    int Height() const { return FHeight; }
    // A negative height is refused (the old one stays).
    void SetHeight(int value);
    void Assign(const TPersistent* source) override;

private:
    bool FWantReturns = false;
    int FHeight = 60;
};

class TCustomRurTaskDialog : public TComponent {
    TAVIN_CLASS(TCustomRurTaskDialog, TComponent)
public:
    explicit TCustomRurTaskDialog(TComponent* owner);
    ~TCustomRurTaskDialog() override;

    const String& Title() const { return FTitle; }
    void SetTitle(const String& value) { FTitle = value; }
    // These four send a changed text to a shown dialog.
    const String& Instruction() const { return FInstruction; }
    void SetInstruction(const String& value);
    const String& Content() const { return FContent; }
    void SetContent(const String& value);
    const String& ExpandedText() const { return FExpandedText; }
    void SetExpandedText(const String& value);
    const String& Footer() const { return FFooter; }
    void SetFooter(const String& value);
    const String& ExpandControlText() const { return FExpandControlText; }
    void SetExpandControlText(const String& value) { FExpandControlText = value; }
    const String& CollapsControlText() const { return FCollapsControlText; }
    void SetCollapsControlText(const String& value) { FCollapsControlText = value; }
    const String& VerificationText() const { return FVerificationText; }
    void SetVerificationText(const String& value) { FVerificationText = value; }
    // One button per line: its caption, optionally "|" and a hint.
    TStrings* CustomButtons() const { return FCustomButtons.get(); }
    void SetCustomButtons(TStrings* value) { FCustomButtons->Assign(value); }
    TStrings* RadioButtons() const { return FRadioButtons.get(); }
    void SetRadioButtons(TStrings* value) { FRadioButtons->Assign(value); }
    TCommonButtons CommonButtons() const { return FCommonButtons; }
    void SetCommonButtons(TCommonButtons value) { FCommonButtons = value; }
    int DefaultButton() const { return FDefaultButton; }
    void SetDefaultButton(int value) { FDefaultButton = value; }
    int DefaultRadioButton() const { return FDefaultRadioButton; }
    void SetDefaultRadioButton(int value) { FDefaultRadioButton = value; }
    TTaskDialogIcon Icon() const { return FIcon; }
    void SetIcon(TTaskDialogIcon value) { FIcon = value; }
    // Replaces Icon when not empty.
    TIcon* CustomIcon() const { return FCustomIcon.get(); }
    void SetCustomIcon(TIcon* value) { FCustomIcon->Assign(value); }
    TTaskDialogFooterIcon FooterIcon() const { return FFooterIcon; }
    void SetFooterIcon(TTaskDialogFooterIcon value);
    TTaskDialogOptions Options() const { return FOptions; }
    void SetOptions(TTaskDialogOptions value) { FOptions = value; }
    TTaskDialogPosition DialogPosition() const { return FDialogPosition; }
    void SetDialogPosition(TTaskDialogPosition value) { FDialogPosition = value; }
    bool ApplicationIsParent() const { return FApplicationIsParent; }
    void SetApplicationIsParent(bool value) { FApplicationIsParent = value; }
    // nndAlways shows the kit's own dialog form also where the system offers its task dialog.
    TNonNativeDialog NonNativeDialog() const { return FNonNativeDialog; }
    void SetNonNativeDialog(TNonNativeDialog value) { FNonNativeDialog = value; }
    int NonNativeMinFormWidth() const { return FNonNativeMinFormWidth; }
    void SetNonNativeMinFormWidth(int value) { FNonNativeMinFormWidth = value; }
    int HelpContext() const { return FHelpContext; }
    void SetHelpContext(int value) { FHelpContext = value; }
    int ProgressBarMin() const { return FProgressBarMin; }
    void SetProgressBarMin(int value) { FProgressBarMin = value; }
    int ProgressBarMax() const { return FProgressBarMax; }
    void SetProgressBarMax(int value) { FProgressBarMax = value; }
    bool AutoClose() const { return FAutoClose; }
    void SetAutoClose(bool value) { FAutoClose = value; }
    int AutoCloseTimeOut() const { return FAutoCloseTimeOut; }
    void SetAutoCloseTimeOut(int value) { FAutoCloseTimeOut = value; }
    // Colours of the dialog form (clNone: the form's own instruction colour).
    TColor InstructionTextColor() const { return FInstructionTextColor; }
    void SetInstructionTextColor(TColor value) { FInstructionTextColor = value; }
    TColor FooterTextColor() const { return FFooterTextColor; }
    void SetFooterTextColor(TColor value) { FFooterTextColor = value; }
    TColor CommandLinksTextColor() const { return FCommandLinksTextColor; }
    void SetCommandLinksTextColor(TColor value) { FCommandLinksTextColor = value; }
    TColor CommandLinksBorderColor() const { return FCommandLinksBorderColor; }
    void SetCommandLinksBorderColor(TColor value) { FCommandLinksBorderColor = value; }
    TColor CommandLinksBorderColorHot() const { return FCommandLinksBorderColorHot; }
    void SetCommandLinksBorderColorHot(TColor value) { FCommandLinksBorderColorHot = value; }
    // The component's version; writing it has no effect.
    String Version() const { return u"2.2.3.0"; }
    void SetVersion(const String&) {}

    TNotifyEvent OnDialogCreated() const { return FOnDialogCreated; }
    void SetOnDialogCreated(TNotifyEvent e) { FOnDialogCreated = e; }
    TTaskDialogButtonClickEvent OnDialogButtonClick() const { return FOnDialogButtonClick; }
    void SetOnDialogButtonClick(TTaskDialogButtonClickEvent e) { FOnDialogButtonClick = e; }
    TTaskDialogButtonClickEvent OnDialogRadioClick() const { return FOnDialogRadioClick; }
    void SetOnDialogRadioClick(TTaskDialogButtonClickEvent e) { FOnDialogRadioClick = e; }
    TTaskDialogHyperlinkClickEvent OnDialogHyperlinkClick() const { return FOnDialogHyperlinkClick; }
    void SetOnDialogHyperlinkClick(TTaskDialogHyperlinkClickEvent e) { FOnDialogHyperlinkClick = e; }
    TTaskDialogVerifyClickEvent OnDialogVerifyClick() const { return FOnDialogVerifyClick; }
    void SetOnDialogVerifyClick(TTaskDialogVerifyClickEvent e) { FOnDialogVerifyClick = e; }
    TNotifyEvent OnDialogTimer() const { return FOnDialogTimer; }
    void SetOnDialogTimer(TNotifyEvent e) { FOnDialogTimer = e; }
    TTaskDialogProgressEvent OnDialogProgress() const { return FOnDialogProgress; }
    void SetOnDialogProgress(TTaskDialogProgressEvent e) { FOnDialogProgress = e; }
    // A button is about to close the dialog; clearing the flag keeps it open.
    TTaskDialogCloseEvent OnDialogClose() const { return FOnDialogClose; }
    void SetOnDialogClose(TTaskDialogCloseEvent e) { FOnDialogClose = e; }
    TNotifyEvent OnAutoClose() const { return FOnAutoClose; }
    void SetOnAutoClose(TNotifyEvent e) { FOnAutoClose = e; }

    // The input of an input dialog (TRurInputTaskDialog publishes these).
    TInputType InputType() const { return FInputType; }
    void SetInputType(TInputType value) { FInputType = value; }
    const String& InputText() const { return FInputText; }
    void SetInputText(const String& value) { FInputText = value; }
    TStrings* InputItems() const { return FInputItems.get(); }
    void SetInputItems(TStrings* value) { FInputItems->Assign(value); }
    // -2: the item equal to InputText.
    int InputItemIndex() const { return FInputItemIndex; }
    void SetInputItemIndex(int value) { FInputItemIndex = value; }
    // 0: none (InputText is parsed instead).
    TDateTime InputDateTime() const { return FInputDateTime; }
    void SetInputDateTime(TDateTime value) { FInputDateTime = value; }
    const String& DateTimeFormat() const { return FDateTimeFormat; }
    void SetDateTimeFormat(const String& value) { FDateTimeFormat = value; }
    int InputMaxLength() const { return FInputMaxLength; }
    void SetInputMaxLength(int value) { FInputMaxLength = value; }
    int InputDropDownCount() const { return FInputDropDownCount; }
    void SetInputDropDownCount(int value) { FInputDropDownCount = value; }
    // Not owned; forgotten when freed.
    TWinControl* InputControl() const { return FInputControl; }
    void SetInputControl(TWinControl* value);
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* value);
    TInputMemoSettings* InputMemoSettings() const { return FInputMemoSettings.get(); }
    void SetInputMemoSettings(TInputMemoSettings* value) { FInputMemoSettings->Assign(value); }
    TInputSetTextEvent OnDialogInputSetText() const { return FOnDialogInputSetText; }
    void SetOnDialogInputSetText(TInputSetTextEvent e) { FOnDialogInputSetText = e; }
    TInputGetTextEvent OnDialogInputGetText() const { return FOnDialogInputGetText; }
    void SetOnDialogInputGetText(TInputGetTextEvent e) { FOnDialogInputGetText = e; }

    // Outcome of the last showing.
    int RadioButtonResult() const { return FRadioButtonResult; }
    void SetRadioButtonResult(int value) { FRadioButtonResult = value; }
    bool VerifyResult() const { return FVerifyResult; }
    void SetVerifyResult(bool value) { FVerifyResult = value; }
    // Whether the system's task dialog ran last.
    bool IsNative() const { return FIsNative; }
    // The shown dialog's window; keeps its last value afterwards.
    HWND hWnd() const { return FWnd; }
    // The dialog form while it is shown, else null.
    TRurMessageForm* DialogForm() const { return FDialogForm; }
    TRurMessageForm* DlgForm() const { return FDialogForm; }
    // Milliseconds counted by the dialog's timer.
    int AutoCloseCounter() const { return FAutoCloseCounter; }
    void SetAutoCloseCounter(int value) { FAutoCloseCounter = value; }
    bool AlwaysOnTop() const { return FAlwaysOnTop; }
    void SetAlwaysOnTop(bool value) { FAlwaysOnTop = value; }
    // The owner window of the dialog; 0 lets the dialog choose.
    HWND ModalParent() const { return FModalParent; }
    void SetModalParent(HWND value) { FModalParent = value; }
    // A mirrored dialog whose texts read right to left.
    bool RightToLeftLayout() const { return FRightToLeftLayout; }
    void SetRightToLeftLayout(bool value) { FRightToLeftLayout = value; }
    bool MultiLineButtons() const { return FMultiLineButtons; }
    void SetMultiLineButtons(bool value) { FMultiLineButtons = value; }
    TColor FooterColor() const { return FFooterColor; }
    void SetFooterColor(TColor value) { FFooterColor = value; }
    TColor FooterLineColor() const { return FFooterLineColor; }
    void SetFooterLineColor(TColor value) { FFooterLineColor = value; }
    int DefaultButtonWidth() const { return FDefaultButtonWidth; }
    void SetDefaultButtonWidth(int value) { FDefaultButtonWidth = value; }
    int DefaultButtonHeight() const { return FDefaultButtonHeight; }
    void SetDefaultButtonHeight(int value) { FDefaultButtonHeight = value; }
    // The text colour of the dialog form: the active framework style's, else clWindowText.
    TColor NormalFontColor() const { return FNormalFontColor; }

    // The dialog form's buttons and radio buttons come from these; the base makes framework push
    // and radio buttons and acts only on those.
    virtual TWinControl* CreateButton(TComponent* owner);
    virtual TWinControl* CreateRadioButton(TComponent* owner);
    virtual void InitRadioButton(TCustomForm* form, TWinControl* radio, TNotifyEvent onClick, int index);
    virtual void SetRadioButtonChecked(TWinControl* radio, bool checked);
    virtual void SetRadioButtonCaption(TWinControl* radio, const String& caption);
    // "caption|hint" gives a hint and switches hints on.
    virtual void SetButtonCaption(TWinControl* button, const String& caption);
    virtual void SetButtonCancel(TWinControl* button, bool cancel);
    virtual void SetButtonDefault(TWinControl* button, bool isDefault);
    virtual void SetButtonModalResult(TWinControl* button, int modalResult);
    virtual void DoAutoClose();
    // 0 for a control that is no button of the factory's kind.
    virtual int GetButtonModalResult(TWinControl* button);
    // Chooses the path and runs it; x and y place the dialog form (negative: centred). Answers
    // the identifier of the button that closed the dialog: custom buttons 100, 101, ..., common
    // buttons the platform's identifiers (the dialog form's Close answers 3), 2 when cancelled, -1
    // when the system's task dialog was chosen but cannot be loaded.
    virtual int ExecuteDialog(int x, int y);
    virtual int Execute();

    // Empties the description back to its defaults (shown text follows).
    void Clear();
    // Presses the default button of the system's dialog, or closes the dialog form.
    void Close();
    // The button with the identifier Execute would answer for it.
    void ClickButton(int buttonId);
    void EnableButton(int buttonId, bool enabled);
    // The system's dialog only.
    void ElevateButton(int buttonId, bool elevated);

    // The kit's own dialog form, whatever the system offers.
    int ShowTaskDialogForm(int x, int y);

protected:
    void Notification(TComponent* component, TOperation operation) override;
    // The form of one showing, built and filled from the description.
    TRurMessageForm* CreateTaskDialogForm();
    void UpdateNormalFontColor();
    void DialogFormShow(TObject* sender);

private:
    friend class TNativeTaskDialogRun;
    friend class TRurMessageForm;
    int ExecuteNative();
    LRESULT SendToDialog(UINT msg, WPARAM wParam, LPARAM lParam) const;
    void SetElementText(String& field, const String& value, int element);
    void PlaceDialogForm(TRurMessageForm& form, int x, int y);

    String FTitle, FInstruction, FContent, FExpandedText, FFooter, FExpandControlText, FCollapsControlText,
        FVerificationText;
    std::unique_ptr<TStringList> FCustomButtons, FRadioButtons;
    TCommonButtons FCommonButtons;
    int FDefaultButton = 0;
    int FDefaultRadioButton = TaskDialogFirstRadioButton;
    TTaskDialogIcon FIcon = tiBlank;
    std::unique_ptr<TIcon> FCustomIcon;
    TTaskDialogFooterIcon FFooterIcon = tfiBlank;
    TTaskDialogOptions FOptions;
    TTaskDialogPosition FDialogPosition = dpScreenCenter;
    bool FApplicationIsParent = false;
    TNonNativeDialog FNonNativeDialog = nndAuto;
    int FNonNativeMinFormWidth = 350;
    int FHelpContext = 0;
    int FProgressBarMin = 0, FProgressBarMax = 100;
    bool FAutoClose = false;
    int FAutoCloseTimeOut = 0;
    TColor FInstructionTextColor = clNone;
    TColor FFooterTextColor = clWindowText;
    TColor FCommandLinksTextColor = 0xC45300;
    TColor FCommandLinksBorderColor = 0xFFE16C, FCommandLinksBorderColorHot = 0xFFE16C;
    TNotifyEvent FOnDialogCreated, FOnDialogTimer, FOnAutoClose;
    TTaskDialogButtonClickEvent FOnDialogButtonClick, FOnDialogRadioClick;
    TTaskDialogHyperlinkClickEvent FOnDialogHyperlinkClick;
    TTaskDialogVerifyClickEvent FOnDialogVerifyClick;
    TTaskDialogProgressEvent FOnDialogProgress;
    TTaskDialogCloseEvent FOnDialogClose;

    TInputType FInputType = itNone;
    String FInputText;
    std::unique_ptr<TStringList> FInputItems;
    int FInputItemIndex = -2;
    TDateTime FInputDateTime = 0;
    String FDateTimeFormat;
    int FInputMaxLength = 0;
    int FInputDropDownCount = 0;
    TWinControl* FInputControl = nullptr;
    TWinControl* FFocusControl = nullptr;
    std::unique_ptr<TInputMemoSettings> FInputMemoSettings;
    TInputSetTextEvent FOnDialogInputSetText;
    TInputGetTextEvent FOnDialogInputGetText;

    int FRadioButtonResult = 0;
    bool FVerifyResult = false;
    bool FIsNative = false;
    HWND FWnd = nullptr;
    TRurMessageForm* FDialogForm = nullptr;
    int FAutoCloseCounter = 0;
    bool FAlwaysOnTop = false;
    HWND FModalParent = nullptr;
    bool FRightToLeftLayout = false;
    bool FMultiLineButtons = true;
    TColor FFooterColor = 0xF0F0F0, FFooterLineColor = 0xDFDFDF;
    int FDefaultButtonWidth = 0, FDefaultButtonHeight = 0;
    TColor FNormalFontColor = clWindowText;
};

class TRurTaskDialog : public TCustomRurTaskDialog {
    TAVIN_PUBLISHED_CLASS(TRurTaskDialog, TCustomRurTaskDialog)
public:
    using TCustomRurTaskDialog::TCustomRurTaskDialog;
};

// A task dialog that asks for one value (a line, a password, lines, a combo-box entry or choice, a
// date, a time, or the value of a control the application supplies); always on the dialog form.
class TRurInputTaskDialog : public TCustomRurTaskDialog {
    TAVIN_PUBLISHED_CLASS(TRurInputTaskDialog, TCustomRurTaskDialog)
public:
    explicit TRurInputTaskDialog(TComponent* owner);

    const String& InvalidEntryTitle() const { return FInvalidEntryTitle; }
    void SetInvalidEntryTitle(const String& value) { FInvalidEntryTitle = value; }
    const String& InvalidEntryText() const { return FInvalidEntryText; }
    void SetInvalidEntryText(const String& value) { FInvalidEntryText = value; }
    TTaskDialogInvalidEntryIcon InvalidEntryIcon() const { return FInvalidEntryIcon; }
    void SetInvalidEntryIcon(TTaskDialogInvalidEntryIcon value) { FInvalidEntryIcon = value; }
    int ValidateData() const { return FValidateData; }
    void SetValidateData(int value) { FValidateData = value; }
    bool ExpandedDefault() const { return FExpandedDefault; }
    void SetExpandedDefault(bool value) { FExpandedDefault = value; }
    TValidateInputTextEvent OnValidateInputText() const { return FOnValidateInputText; }
    void SetOnValidateInputText(TValidateInputTextEvent e) { FOnValidateInputText = e; }

    // Raises when itCustom has no InputControl; VerifyResult is the box's initial state.
    int Execute() override;

private:
    friend class TRurMessageForm;
    String FInvalidEntryTitle, FInvalidEntryText;
    TTaskDialogInvalidEntryIcon FInvalidEntryIcon = tieNone;
    int FValidateData = 0;
    bool FExpandedDefault = false;
    TValidateInputTextEvent FOnValidateInputText;
};

// The dialog form's command link (a bold heading with optional note lines below it and an arrow
// picture) and its expander: a picture per state, a thin rounded border that follows hover,
// press and focus.
class TTaskDialogButton : public TCustomControl {
    TAVIN_PUBLISHED_CLASS(TTaskDialogButton, TCustomControl)
public:
    explicit TTaskDialogButton(TComponent* owner);
    ~TTaskDialogButton() override;
    void WndProc(TMessage& message) override;

    TBitmap* Picture() const { return FPicture.get(); }
    void SetPicture(TBitmap* value);
    TBitmap* PictureHot() const { return FPictureHot.get(); }
    void SetPictureHot(TBitmap* value) { FPictureHot->Assign(value); }
    TBitmap* PictureDown() const { return FPictureDown.get(); }
    void SetPictureDown(TBitmap* value) { FPictureDown->Assign(value); }
    TBitmap* PictureDisabled() const { return FPictureDisabled.get(); }
    void SetPictureDisabled(TBitmap* value);
    // Loads the four pictures from the module's bitmaps (names empty: left empty), magenta
    // transparent; a missing bitmap raises the resource error.
    void LoadPictures(const String& normal, const String& hot, const String& down, const String& disabled);

    TColor BackColor() const { return FBackColor; }
    void SetBackColor(TColor value);
    // Kept but never drawn.
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value) { FBorderColor = value; }
    TColor BorderColorHot() const { return FBorderColorHot; }
    void SetBorderColorHot(TColor value) { FBorderColorHot = value; }
    TColor BorderColorDown() const { return FBorderColorDown; }
    void SetBorderColorDown(TColor value) { FBorderColorDown = value; }
    TFont* HeadingFont() const { return FHeadingFont.get(); }
    void SetHeadingFont(TFont* value) { FHeadingFont->Assign(value); }
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int value) { FModalResult = value; }
    bool MultiLine() const { return FMultiLine; }
    void SetMultiLine(bool value);
    // Takes the focus when the mouse comes over it.
    bool AutoFocus() const { return FAutoFocus; }
    void SetAutoFocus(bool value) { FAutoFocus = value; }
    bool MouseInControl() const { return FMouseInControl; }
    bool MouseDown() const { return FMouseDown; }

    // Sets the parent form's modal result, then clicks.
    void Click() override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyPress(Char& key) override;

private:
    void PictureChanged(TObject*);

    std::unique_ptr<TBitmap> FPicture, FPictureDisabled, FPictureDown, FPictureHot;
    bool FMouseInControl = false;
    bool FMouseDown = false;
    TColor FBorderColorDown = clNone, FBorderColorHot = clNone, FBorderColor = clNone;
    int FModalResult = 0;
    std::unique_ptr<TFont> FHeadingFont;
    bool FAutoFocus = false;
    TColor FBackColor = clNone;
    bool FMultiLine = true;
};

// The kit's own task dialog: a white upper area (icon, instruction, content, input control,
// progress bar, radio buttons, expanded text, command links) over a grey band (expander,
// verification box, push buttons, footer).
class TRurMessageForm : public TForm {
    TAVIN_CLASS(TRurMessageForm, TForm)
public:
    explicit TRurMessageForm(TComponent* owner);
    ~TRurMessageForm() override;
    void WndProc(TMessage& message) override;

    // Makes every child control from the dialog and sizes the form.
    void BuildTaskDialog(TCustomRurTaskDialog* dialog);
    // The layout pass.
    void SetPositions();
    // Measures again after a text of the dialog changed or the DPI changed.
    void UpdateDialog();
    // Copies the input control's value into the dialog.
    virtual void GetInputText();

    TCustomRurTaskDialog* TaskDialog() const { return FTaskDialog; }
    TEdit* InputEdit() const { return FInputEdit; }
    TComboBox* InputCombo() const { return FInputCombo; }
    TDateTimePicker* InputDate() const { return FInputDate; }
    TMemo* InputMemo() const { return FInputMemo; }
    bool Expanded() const { return FExpanded; }
    // Shows or hides the expanded text (the expander's pictures follow).
    void SetExpanded(bool value);
    TTaskDialogButton* ExpandButton() const { return FExpandButton; }
    TProgressBar* ProgressBar() const { return FProgressBar; }
    TCheckBox* VerificationCheck() const { return FVerificationCheck; }
    const std::vector<TWinControl*>& CommonButtonList() const { return FcmBtnList; }
    const std::vector<TWinControl*>& CustomButtonList() const { return FcsBtnList; }
    const std::vector<TWinControl*>& RadioList() const { return FRadioList; }
    // The button Execute answers the identifier for; null when none.
    TWinControl* FindButton(int buttonId) const;
    // The places of the painted texts, in client coordinates.
    TRect ContentRect() const;
    TRect ExpandedTextRect() const;
    TRect FooterRect() const;
    int WhiteWindowHeight() const { return FWhiteWindowHeight; }
    int HorzMargin() const { return FHorzMargin; }
    int VertSpacing() const { return FVertSpacing; }
    // The link target under a client point; empty when none.
    String GetAnchorAt(int x, int y);
    // The text Ctrl+C copies.
    String ClipboardText() const;

protected:
    void CreateParams(TCreateParams& params) override;
    void PaintWindow(HDC dc) override;
    void DoShow() override;
    void DoClose(TCloseAction& action) override;
    void KeyDown(Word& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;

private:
    struct TTextSize {
        int Width = 0;
        int Height = 0;
    };

    int S(int value) const;
    TSize GetAveCharSize();
    TTextSize MeasureText(const String& text, int width);
    void MeasureHTML(const String& text, const TRect& rect, bool measureOnly, int& width, int& height);
    void BuildButtons();
    void SizeButtons();
    void BuildInputControl(int x, int& y);
    void StretchInputControl();
    void MeasureInstruction(int& width, int& height);
    int IconAllowance() const;
    UINT ReadingFlags() const;
    void ScaleMargins(bool horizontalSpacing);
    void MeasureFooter(int top, int height);
    void PaintFooter(TCanvas& canvas);
    void DrawBodyText(TCanvas& canvas, const String& text, const TRect& rect);
    void LoadExpanderPictures();
    void OpenLink(const String& target);
    int InputAllowance() const;
    TWinControl* InputKindControl() const;
    void FocusInputControl();
    void ValidateInput(bool& canClose);

    void ButtonClick(TObject* sender);
    void RadioClick(TObject* sender);
    void VerificationClick(TObject* sender);
    void ExpandClick(TObject* sender);
    void TimerTick(TObject* sender);
    void PreviewKeyDown(TObject* sender, Word& key, TShiftState shift);
    bool DialogChar(Char key);

    TLabel* FMessage = nullptr;
    int FHorzMargin = 0, FVertMargin = 0, FHorzSpacing = 0, FVertSpacing = 0;
    TTaskDialogButton* FExpandButton = nullptr;
    bool FExpanded = true;
    std::vector<TWinControl*> FcmBtnList, FcsBtnList;
    TCustomRurTaskDialog* FTaskDialog = nullptr;
    TImage* FFooterIcon = nullptr;
    int FFooterIconID = 0;
    std::vector<TWinControl*> FRadioList;
    TCheckBox* FVerificationCheck = nullptr;
    TProgressBar* FProgressBar = nullptr;
    TImage* FIcon = nullptr;
    int FFooterXSize = 0, FFooterYSize = 0, FContentXSize = 0, FContentYSize = 0, FExpTextXSize = 0,
        FExpTextYSize = 0;
    int FExpTextTop = 0;
    String FAnchor;
    std::unique_ptr<TTimer> FTimer;
    int FWhiteWindowHeight = 0;
    int FHorzParaMargin = 0;
    int FMinFormWidth = 350;
    TEdit* FInputEdit = nullptr;
    TComboBox* FInputCombo = nullptr;
    TDateTimePicker* FInputDate = nullptr;
    TMemo* FInputMemo = nullptr;
    TWinControl* FOldParent = nullptr;
    TColor FFooterColor = 0xF0F0F0, FFooterLineColor = 0xDFDFDF, FFooterTextColor = clWindowText,
           FInstructionTextColor = clNone;
    float FDPIScale = 1.0f;
    int FCalcWidth = 0;
    int FcmBtnGroupWidth = 0, FcsBtnGroupWidth = 0;
    // While building, checking the default radio button is no click of the user's.
    bool FBuilding = false;
};

// A custom button line: the caption, or the caption before the first "|" and the hint after it
// (hints then switched on).
void ApplyButtonCaption(TControl& button, const String& caption);

// Texts for the system dialog: "\\n" (two characters) becomes a line feed, unless the text holds
// "\\\\n", in which case each of those becomes "\\n" and nothing else changes.
String UnescapeNewLines(const String& text);
// Without leading and trailing blanks (spaces only).
String TrimSpaces(const String& text);
// Holds a "\\n" pair, and no ":\\".
bool HasEscapedNewLine(const String& text);
// The text's lines, cut at each "\\n" pair or carriage return (with the character after it), each
// trimmed of blanks.
void SplitLines(const String& text, TStrings* lines);
// The size of a command-link caption: the first line in the heading font, the others in the
// body font; with the allowance the block gets the command link's padding.
void MeasureCommandLinkText(TCanvas& canvas, const String& text, TFont* headingFont, bool allowance, bool split,
                            int& height, int& width, UINT flags, TFont* bodyFont);

// The main and footer icon numbers the system's task dialog gets (resource numbers without a
// module); Wine's task dialog resolves other numbers than Windows does.
WORD TaskDialogMainIconId(TTaskDialogIcon icon, bool wine);
WORD TaskDialogFooterIconId(TTaskDialogFooterIcon icon, bool wine);
// The system icon the dialog form shows (IDI_* number, 0 for none).
int TaskDialogFormIconId(TTaskDialogIcon icon);
int TaskDialogFormFooterIconId(TTaskDialogFooterIcon icon);

// The exception's message (a "." added after a last character sorting after it) in an error box
// under the application's title.
void ShowExceptionMessage(const Exception& e);

// The system's TaskDialogIndirect; tests put a recorder in its place. An empty function restores
// the lookup in comctl32.dll.
using TTaskDialogIndirectFunction = std::function<HRESULT(const TASKDIALOGCONFIG&, int*, int*, BOOL*)>;
TTaskDialogIndirectFunction SetTaskDialogIndirect(TTaskDialogIndirectFunction function);

// Whether the system's task dialog is offered: Windows Vista or later with common controls 6.
// Tests put an answer in its place; an empty function restores the check.
using TNativeTaskDialogCheck = std::function<bool()>;
TNativeTaskDialogCheck SetNativeTaskDialogCheck(TNativeTaskDialogCheck check);

// A web or mail link (http, https, mailto) opens in the user's default program with the shell's
// "open" verb, never elevated; other links open nothing. Tests put a recorder in the shell's place;
// an empty function restores the shell.
using TTaskDialogLinkOpener = std::function<void(const String& link)>;
TTaskDialogLinkOpener SetTaskDialogLinkOpener(TTaskDialogLinkOpener opener);
void OpenTaskDialogLink(const String& link);

// The start-up step that copies the common buttons' captions from the framework's texts.
void InitializeTaskDialogUnit();
inline constexpr TUnitStep TaskDialogUnit{"TaskDialog", &InitializeTaskDialogUnit, nullptr};
