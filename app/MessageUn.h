#pragma once
// The tool's two ways of speaking to the user: a modal message box with Persian buttons for
// form-level errors, and balloon tips beside an edit for field-level errors.
//
// Message kind: 1 information, 2 warning, 3 error, 4 question; any other value shows no icon, an
// information balloon and the information beep.
// Button set: 1 OK; 2 Cancel, OK; 3 No, Yes; 4 Cancel, No, Yes; 5 Cancel, Retry; 6 Abort, Retry,
// Ignore (custom buttons 100, 101, 102 in that order); any other set adds no button.
#include <memory>

#include "Balloon.h"
#include "TaskDialogEx.h"

class TMessageBox : public TRurTaskDialogEx {
    TAVIN_PUBLISHED_CLASS(TMessageBox, TRurTaskDialogEx)
public:
    explicit TMessageBox(TComponent* owner);

    // The dialog-close handler: lets every button close the box.
    void MessageBoxClose(TObject* sender, bool& canClose);
};

// A box without owner, ready to execute. defaultButtonIndex 1 names the first button, 0 none.
std::unique_ptr<TMessageBox> BuildMessageBox(const String& title, const String& instruction, const String& content,
                                             const String& expandedText, Byte kind, Byte buttonSet,
                                             int defaultButtonIndex, bool showVerification, int helpContext);

// Shows the box over the application (the active form disabled meanwhile) and answers the modal
// result of the button set's table; verified receives the verification check box's state.
int ShowMessageBox(const String& title, const String& instruction, const String& content, const String& expandedText,
                   Byte kind, Byte buttonSet, int defaultButtonIndex, bool showVerification, int helpContext,
                   bool& verified);

// The modal result for the button identifier the dialog reported; unlisted ones pass unchanged.
int MapMessageBoxResult(int buttonId, Byte buttonSet);
// The MessageBeep type of a message kind.
UINT MessageBoxBeep(Byte kind);
TTaskDialogIcon MessageBoxIcon(Byte kind);
TBalloonType MessageBalloonType(Byte kind);

// An OK box under the tool's title, without verification check box.
void ShowErrorMessage(const String& instruction, const String& content, const String& expandedText, Byte kind);

// A balloon whose arrow points just below and right of the screen point; it closes itself after
// 3 seconds or on a click.
void ShowBalloonAt(int x, int y, Byte kind, const String& title, const String& text);
// A balloon at the edit's client-area origin.
void BalloonOnEdit(TWinControl* edit, Byte kind, const String& title, const String& text);
// Asks for the named field in a balloon and focuses the edit when it can take the focus.
void AskField(const String& fieldName, TWinControl* edit, Byte kind);
// A warning balloon on the edit, then the focus as AskField.
void WarnField(const String& title, const String& text, TWinControl* edit);
