#pragma once
// Dialogs: the shell's file-open dialog (also the folder picker), the common open and save dialogs,
// and message dialogs. Every Execute returns false when the person cancels.
#include "WinApiNames.h"

#include <functional>
#include <memory>
#include <vector>

#include "Classes.h"
#include "Startup.h"
#include "UITypes.h"

// Stands in for the person at a file dialog, for tests: given the dialog about to be shown, it
// answers true with the chosen paths, or false to cancel. While one is set, no dialog is shown.
using TFileDialogChooser = std::function<bool(TComponent& dialog, std::vector<String>& chosen)>;
// An empty chooser shows the real dialogs again.
void SetFileDialogChooser(TFileDialogChooser chooser);

// Start-up step: form resources can create the file dialogs by name.
void InitializeDialogs();
inline constexpr TUnitStep DialogsUnit{"Dialogs", &InitializeDialogs, nullptr};

// The shell's common item dialog, in the order of its option flags.
TAVIN_ENUM(TFileDialogOption, fdoOverWritePrompt, fdoStrictFileTypes, fdoNoChangeDir, fdoPickFolders,
           fdoForceFileSystem, fdoAllNonStorageItems, fdoNoValidate, fdoAllowMultiSelect, fdoPathMustExist,
           fdoFileMustExist, fdoCreatePrompt, fdoShareAware, fdoNoReadOnlyReturn, fdoNoTestFileCreate,
           fdoHideMRUPlaces, fdoHidePinnedPlaces, fdoNoDereferenceLinks, fdoDontAddToRecent, fdoForceShowHidden,
           fdoDefaultNoMiniMode, fdoForcePreviewPaneOn)
using TFileDialogOptions = TSet<TFileDialogOption>;

class TFileOpenDialog : public TComponent {
    TAVIN_PUBLISHED_CLASS(TFileOpenDialog, TComponent)
public:
    explicit TFileOpenDialog(TComponent* owner);

    // Added to the dialog's own defaults (which ask for existing paths).
    TFileDialogOptions Options() const { return FOptions; }
    void SetOptions(TFileDialogOptions value) { FOptions = value; }
    const String& Title() const { return FTitle; }
    void SetTitle(const String& value) { FTitle = value; }
    const String& OkButtonLabel() const { return FOkButtonLabel; }
    void SetOkButtonLabel(const String& value) { FOkButtonLabel = value; }
    // The folder the dialog opens in.
    const String& DefaultFolder() const { return FDefaultFolder; }
    void SetDefaultFolder(const String& value) { FDefaultFolder = value; }
    // Before Execute the name proposed; after it the (first) path chosen.
    const String& FileName() const { return FFileName; }
    void SetFileName(const String& value) { FFileName = value; }
    // Every path chosen by the last Execute.
    TStrings* Files() const { return FFiles.get(); }

    // Modal to parent (the active window when none is given). Raises EOleSysError when the dialog
    // cannot be shown (COM not initialised on this thread, for one).
    bool Execute();
    bool Execute(HWND parent);

private:
    bool ShowShellDialog(HWND parent, std::vector<String>& chosen);

    TFileDialogOptions FOptions;
    String FTitle;
    String FOkButtonLabel;
    String FDefaultFolder;
    String FFileName;
    std::unique_ptr<TStringList> FFiles;
};

// The flags of the common open and save dialogs, in the platform's order.
TAVIN_ENUM(TOpenOption, ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp, ofNoValidate,
           ofAllowMultiSelect, ofExtensionDifferent, ofPathMustExist, ofFileMustExist, ofCreatePrompt,
           ofShareAware, ofNoReadOnlyReturn, ofNoTestFileCreate, ofNoNetworkButton, ofNoLongNames,
           ofOldStyleDialog, ofNoDereferenceLinks, ofEnableIncludeNotify, ofEnableSizing, ofDontAddToRecent,
           ofForceShowHidden)
using TOpenOptions = TSet<TOpenOption>;

class TOpenDialog : public TComponent {
    TAVIN_PUBLISHED_CLASS(TOpenDialog, TComponent)
public:
    explicit TOpenDialog(TComponent* owner);

    // Pairs of description and pattern separated by "|": "Text files|*.txt|All files|*.*".
    const String& Filter() const { return FFilter; }
    void SetFilter(const String& value) { FFilter = value; }
    // 1-based; set to the pair chosen.
    int FilterIndex() const { return FFilterIndex; }
    void SetFilterIndex(int value) { FFilterIndex = value; }
    // Appended to a name typed without an extension (without the dot).
    const String& DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const String& value) { FDefaultExt = value; }
    const String& InitialDir() const { return FInitialDir; }
    void SetInitialDir(const String& value) { FInitialDir = value; }
    const String& Title() const { return FTitle; }
    void SetTitle(const String& value) { FTitle = value; }
    TOpenOptions Options() const { return FOptions; }
    void SetOptions(TOpenOptions value) { FOptions = value; }
    // Before Execute the name proposed; after it the (first) path chosen.
    const String& FileName() const { return FFileName; }
    void SetFileName(const String& value) { FFileName = value; }
    TStrings* Files() const { return FFiles.get(); }

    // Modal to parent (the active window when none is given). A failure of the dialog itself (not a
    // cancel) raises an Exception naming the dialog's error code.
    bool Execute();
    bool Execute(HWND parent);

protected:
    // Runs GetOpenFileNameW or GetSaveFileNameW.
    virtual bool RunDialog(OPENFILENAMEW& data);

private:
    bool ShowCommonDialog(HWND parent, std::vector<String>& chosen);

    String FFilter;
    int FFilterIndex = 1;
    String FDefaultExt;
    String FInitialDir;
    String FTitle;
    TOpenOptions FOptions{ofHideReadOnly, ofEnableSizing};
    String FFileName;
    std::unique_ptr<TStringList> FFiles;
};

class TSaveDialog : public TOpenDialog {
    TAVIN_CLASS(TSaveDialog, TOpenDialog)
public:
    using TOpenDialog::TOpenDialog;

protected:
    bool RunDialog(OPENFILENAMEW& data) override;
};

// A message box owned by the active window, modal to it: the text, the kind's title and icon
// ("Warning", "Error", "Information", "Confirm"; mtCustom: the application's title, no icon) and
// the buttons. The platform's box offers the button sets OK, OK-Cancel, Yes-No, Yes-No-Cancel,
// Abort-Retry-Ignore and Retry-Cancel (each with Help when asked): other buttons asked for are left
// out. Text reads right to left when the owner window is mirrored. Returns the modal result of the
// button pressed (mrOk ... mrNo of Forms.h: the platform's IDOK ... IDNO; mrCancel for Escape or
// the close box when a Cancel button is offered).
int MessageDlg(const String& msg, TMsgDlgType dlgType, TMsgDlgButtons buttons, int helpCtx);
int MessageDlg(const String& msg, TMsgDlgType dlgType, TMsgDlgButtons buttons, int helpCtx,
               TMsgDlgBtn defaultButton);
// The box's left edge at x and top edge at y on the screen; a negative one (-1) keeps the
// platform's position for it. There is no help system: help contexts and files are ignored.
int MessageDlgPosHelp(const String& msg, TMsgDlgType dlgType, TMsgDlgButtons buttons, int helpCtx, int x, int y,
                      const String& helpFileName);
// An OK box titled with the application's title (the program file's name while it has none).
void ShowMessage(const String& msg);
