#pragma once
// Stands in for the system's task dialog in tests: records what the dialog handed over, lets the
// test play notifications through the dialog's callback, and answers a button.
#include <optional>
#include <vector>

#include "TaskDialog.h"
#include "WideText.h"

// The system's task dialog is offered (or not) for the scope, whatever the common controls report.
class TNativeTaskDialogOffered {
public:
    explicit TNativeTaskDialogOffered(bool offered = true)
        : FPrevious(SetNativeTaskDialogCheck([offered] { return offered; }))
    {
    }
    ~TNativeTaskDialogOffered() { SetNativeTaskDialogCheck(std::move(FPrevious)); }
    TNativeTaskDialogOffered(const TNativeTaskDialogOffered&) = delete;
    TNativeTaskDialogOffered& operator=(const TNativeTaskDialogOffered&) = delete;

private:
    TNativeTaskDialogCheck FPrevious;
};

// What the dialog handed to TaskDialogIndirect, copied while the call lasts.
struct TRecordedConfig {
    HWND Parent = nullptr;
    TASKDIALOG_FLAGS Flags = 0;
    TASKDIALOG_COMMON_BUTTON_FLAGS CommonButtons = 0;
    String Title, Instruction, Content, Footer, Verification, Expanded;
    PCWSTR MainIcon = nullptr;
    PCWSTR FooterIcon = nullptr;
    std::vector<std::pair<int, String>> Buttons, Radios;
    int DefaultButton = 0, DefaultRadioButton = 0;
};

// Stands in for the system's dialog: records the record, lets the test play notifications through
// the callback, and answers the given button (or fails with the given result).
class TTaskDialogRecorder {
public:
    explicit TTaskDialogRecorder(int answer = 0, std::function<void(const TASKDIALOGCONFIG&)> play = nullptr,
                                 HRESULT result = S_OK)
    {
        FPrevious = SetTaskDialogIndirect([this, answer, play, result](const TASKDIALOGCONFIG& c, int* button,
                                                                       int* radio, BOOL* verified) {
            TRecordedConfig r;
            r.Parent = c.hwndParent;
            r.Flags = c.dwFlags;
            r.CommonButtons = c.dwCommonButtons;
            r.Title = FromWidePtr(c.pszWindowTitle);
            r.Instruction = FromWidePtr(c.pszMainInstruction);
            r.Content = FromWidePtr(c.pszContent);
            r.Footer = FromWidePtr(c.pszFooter);
            r.Verification = FromWidePtr(c.pszVerificationText);
            r.Expanded = FromWidePtr(c.pszExpandedInformation);
            r.MainIcon = c.pszMainIcon;
            r.FooterIcon = c.pszFooterIcon;
            for (UINT i = 0; i < c.cButtons; ++i)
                r.Buttons.emplace_back(c.pButtons[i].nButtonID, FromWidePtr(c.pButtons[i].pszButtonText));
            for (UINT i = 0; i < c.cRadioButtons; ++i)
                r.Radios.emplace_back(c.pRadioButtons[i].nButtonID, FromWidePtr(c.pRadioButtons[i].pszButtonText));
            r.DefaultButton = c.nDefaultButton;
            r.DefaultRadioButton = c.nDefaultRadioButton;
            Config = r;
            if (play)
                play(c);
            if (FAILED(result))
                return result;
            *button = answer;
            *radio = 201;
            *verified = TRUE;
            return S_OK;
        });
    }
    ~TTaskDialogRecorder() { SetTaskDialogIndirect(std::move(FPrevious)); }
    TTaskDialogRecorder(const TTaskDialogRecorder&) = delete;
    TTaskDialogRecorder& operator=(const TTaskDialogRecorder&) = delete;

    std::optional<TRecordedConfig> Config;

private:
    // The stand-in is the system's dialog: it is offered whatever the common controls report.
    TNativeTaskDialogOffered FOffered;
    TTaskDialogIndirectFunction FPrevious;
};
