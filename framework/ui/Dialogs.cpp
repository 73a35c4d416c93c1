#include "DialogsShared.h"

namespace {

TFileDialogChooser& Chooser()
{
    static TFileDialogChooser chooser;
    return chooser;
}

} // namespace

void InitializeDialogs()
{
    RegisterClasses({TFileOpenDialog::StaticClass(), TOpenDialog::StaticClass(), TSaveDialog::StaticClass()});
}

void SetFileDialogChooser(TFileDialogChooser chooser)
{
    Chooser() = std::move(chooser);
}

const TFileDialogChooser& FileDialogChooser()
{
    return Chooser();
}

bool ChooseFiles(TComponent& dialog, const std::function<bool(std::vector<String>&)>& show, String& fileName,
                 TStrings& files)
{
    files.Clear();
    std::vector<String> chosen;
    bool accepted = FileDialogChooser() ? FileDialogChooser()(dialog, chosen) : show(chosen);
    if (!accepted || chosen.empty())
        return false;
    fileName = chosen.front();
    for (const String& path : chosen)
        files.Add(path);
    return true;
}
