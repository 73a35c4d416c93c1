#pragma once
// The seam through which the main form asks the person for the output folder; tests put a stand-in
// in place of the shell's dialog.
#include <functional>
#include <optional>

#include "Classes.h"
#include "System.h"

// The question put to the person: the dialog's owner, title and OK-button label.
struct TFolderRequest {
    TComponent* Owner = nullptr;
    String Title;
    String OkButtonLabel;
};

// The chosen folder, or nothing when the person cancelled.
using TFolderPicker = std::function<std::optional<String>(const TFolderRequest&)>;

std::optional<String> PickFolder(const TFolderRequest& request);

// Replaces the picker and answers the previous one; an empty picker restores the shell's dialog.
TFolderPicker SetFolderPicker(TFolderPicker picker);
