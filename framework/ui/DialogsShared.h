#pragma once
// What the file dialogs share (internal to the Dialogs sources).
#include "Dialogs.h"

// The chooser standing in for the person; empty when the real dialogs are shown.
const TFileDialogChooser& FileDialogChooser();

// Asks the chooser when one is set, else runs show; on success FileName becomes the first path and
// Files all of them. Files is emptied first.
bool ChooseFiles(TComponent& dialog, const std::function<bool(std::vector<String>&)>& show, String& fileName,
                 TStrings& files);

// The active window of this thread, which dialogs without a given parent belong to.
inline HWND DefaultDialogParent()
{
    return GetActiveWindow();
}
