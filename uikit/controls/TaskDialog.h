#pragma once
// A non-visual component that describes a task dialog (title, instruction, content, expanded text,
// footer, icons, common and custom buttons, radio buttons, verification check box, progress bar,
// timer, links) and shows it modally with Execute, which answers the identifier of the button that
// closed it. The system's task dialog shows it (TaskDialog_Native.cpp).
#include "WinApiNames.h"

#include <commctrl.h>

#include <functional>
#include <memory>

#include "Classes.h"
#include "Graphics.h"

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

using TTaskDialogButtonClickEvent = TEvent<TObject*, int>;
using TTaskDialogHyperlinkClickEvent = TEvent<TObject*, const String&>;
using TTaskDialogVerifyClickEvent = TEvent<TObject*, bool>;
using TTaskDialogCloseEvent = TEvent<TObject*, bool&>;
using TTaskDialogProgressEvent = TEvent<TObject*, int&, TTaskDialogProgressState&>;

// Identifiers of the first custom button and the first radio button.
constexpr int TaskDialogFirstCustomButton = 100;
constexpr int TaskDialogFirstRadioButton = 200;

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

    // Outcome of the last showing.
    int RadioButtonResult() const { return FRadioButtonResult; }
    bool VerifyResult() const { return FVerifyResult; }
    void SetVerifyResult(bool value) { FVerifyResult = value; }
    bool IsNative() const { return FIsNative; }
    // The shown dialog's window; keeps its last value afterwards.
    HWND hWnd() const { return FWnd; }
    int AutoCloseCounter() const { return FAutoCloseCounter; }
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

    // Shows the dialog modally and answers the identifier of the button that closed it: custom
    // buttons 100, 101, ..., common buttons the platform's identifiers, 2 when cancelled, -1 when
    // the system's task dialog cannot be loaded.
    virtual int Execute();
    virtual int ExecuteDialog(int x, int y);
    virtual void DoAutoClose();

    // Empties the description back to its defaults (shown text follows).
    void Clear();
    // Presses the default button of the shown dialog.
    void Close();
    void ClickButton(int buttonId);
    void EnableButton(int buttonId, bool enabled);
    void ElevateButton(int buttonId, bool elevated);

private:
    friend class TNativeTaskDialogRun;
    LRESULT SendToDialog(UINT msg, WPARAM wParam, LPARAM lParam) const;
    void SetElementText(String& field, const String& value, int element);

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

    int FRadioButtonResult = 0;
    bool FVerifyResult = false;
    bool FIsNative = false;
    HWND FWnd = nullptr;
    int FAutoCloseCounter = 0;
    bool FAlwaysOnTop = false;
    HWND FModalParent = nullptr;
    bool FRightToLeftLayout = false;
    bool FMultiLineButtons = true;
    TColor FFooterColor = 0xF0F0F0, FFooterLineColor = 0xDFDFDF;
    int FDefaultButtonWidth = 0, FDefaultButtonHeight = 0;
};

class TRurTaskDialog : public TCustomRurTaskDialog {
    TAVIN_PUBLISHED_CLASS(TRurTaskDialog, TCustomRurTaskDialog)
public:
    using TCustomRurTaskDialog::TCustomRurTaskDialog;
};

// Texts for the system dialog: "\\n" (two characters) becomes a line feed, unless the text holds
// "\\\\n", in which case each of those becomes "\\n" and nothing else changes.
String UnescapeNewLines(const String& text);

// The system's TaskDialogIndirect; tests put a recorder in its place. An empty function restores
// the lookup in comctl32.dll.
using TTaskDialogIndirectFunction = std::function<HRESULT(const TASKDIALOGCONFIG&, int*, int*, BOOL*)>;
TTaskDialogIndirectFunction SetTaskDialogIndirect(TTaskDialogIndirectFunction function);

// Opens a web or mail link clicked in a dialog that has no link handler, with the shell's "open"
// verb; tests put a recorder in its place. An empty function restores the shell.
using TTaskDialogLinkOpener = std::function<void(const String& link)>;
TTaskDialogLinkOpener SetTaskDialogLinkOpener(TTaskDialogLinkOpener opener);
