#include "FolderPicker.h"

#include <memory>

#include "Dialogs.h"
#include "Forms.h"

namespace {

std::optional<String> PickWithShellDialog(const TFolderRequest& request)
{
    auto dialog = std::make_unique<TFileOpenDialog>(request.Owner);
    dialog->SetOptions(TFileDialogOptions{fdoPickFolders});
    dialog->SetOkButtonLabel(request.OkButtonLabel);
    dialog->SetTitle(request.Title);
    auto* form = dynamic_cast<TWinControl*>(request.Owner);
    bool chosen = form ? dialog->Execute(form->Handle()) : dialog->Execute();
    if (!chosen)
        return std::nullopt;
    return dialog->FileName();
}

TFolderPicker& CurrentPicker()
{
    static TFolderPicker picker = PickWithShellDialog;
    return picker;
}

} // namespace

std::optional<String> PickFolder(const TFolderRequest& request) { return CurrentPicker()(request); }

TFolderPicker SetFolderPicker(TFolderPicker picker)
{
    TFolderPicker previous = std::move(CurrentPicker());
    CurrentPicker() = picker ? std::move(picker) : TFolderPicker(PickWithShellDialog);
    return previous;
}
