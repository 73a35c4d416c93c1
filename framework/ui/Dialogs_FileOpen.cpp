// TFileOpenDialog on the shell's common item dialog.
#include <shobjidl.h>

#include "ComObj.h"
#include "DialogsShared.h"
#include "WideText.h"

namespace {

// Released when it goes out of scope.
template <class T>
class TComRef {
public:
    TComRef() = default;
    ~TComRef()
    {
        if (FPtr)
            FPtr->Release();
    }
    TComRef(const TComRef&) = delete;
    TComRef& operator=(const TComRef&) = delete;
    T* operator->() const { return FPtr; }
    T* Get() const { return FPtr; }
    T** Out() { return &FPtr; }

private:
    T* FPtr = nullptr;
};

// The flag of each option, in the order of TFileDialogOption.
constexpr FILEOPENDIALOGOPTIONS OptionFlags[] = {
    FOS_OVERWRITEPROMPT, FOS_STRICTFILETYPES,  FOS_NOCHANGEDIR,      FOS_PICKFOLDERS,       FOS_FORCEFILESYSTEM,
    FOS_ALLNONSTORAGEITEMS, FOS_NOVALIDATE,    FOS_ALLOWMULTISELECT, FOS_PATHMUSTEXIST,     FOS_FILEMUSTEXIST,
    FOS_CREATEPROMPT,    FOS_SHAREAWARE,       FOS_NOREADONLYRETURN, FOS_NOTESTFILECREATE,  FOS_HIDEMRUPLACES,
    FOS_HIDEPINNEDPLACES, FOS_NODEREFERENCELINKS, FOS_DONTADDTORECENT, FOS_FORCESHOWHIDDEN, FOS_DEFAULTNOMINIMODE,
    FOS_FORCEPREVIEWPANEON};
static_assert(std::size(OptionFlags) == TavinEnumCount(static_cast<TFileDialogOption*>(nullptr)));

FILEOPENDIALOGOPTIONS FlagsOf(TFileDialogOptions options)
{
    FILEOPENDIALOGOPTIONS flags = 0;
    for (size_t i = 0; i < std::size(OptionFlags); ++i)
        if (options.Contains(static_cast<TFileDialogOption>(i)))
            flags |= OptionFlags[i];
    return flags;
}

String FileSystemPath(IShellItem* item)
{
    wchar_t* path = nullptr;
    OleCheck(item->GetDisplayName(SIGDN_FILESYSPATH, &path));
    String result = FromWidePtr(path);
    CoTaskMemFree(path);
    return result;
}

} // namespace

TAVIN_PUBLISHED(TFileOpenDialog)
{
    TAVIN_PROPERTY(TFileDialogOptions, Options).Default(TFileDialogOptions{});
    TAVIN_PROPERTY(String, Title);
    TAVIN_PROPERTY(String, OkButtonLabel);
    TAVIN_PROPERTY(String, DefaultFolder);
    TAVIN_PROPERTY(String, FileName);
}

TFileOpenDialog::TFileOpenDialog(TComponent* owner) : TComponent(owner), FFiles(std::make_unique<TStringList>()) {}

bool TFileOpenDialog::Execute()
{
    return Execute(DefaultDialogParent());
}

bool TFileOpenDialog::Execute(HWND parent)
{
    return ChooseFiles(
        *this, [&](std::vector<String>& chosen) { return ShowShellDialog(parent, chosen); }, FFileName, *FFiles);
}

bool TFileOpenDialog::ShowShellDialog(HWND parent, std::vector<String>& chosen)
{
    TComRef<IFileOpenDialog> dialog;
    OleCheck(CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER, IID_IFileOpenDialog,
                              reinterpret_cast<void**>(dialog.Out())));
    FILEOPENDIALOGOPTIONS defaults = 0;
    OleCheck(dialog->GetOptions(&defaults));
    OleCheck(dialog->SetOptions(defaults | FlagsOf(FOptions)));
    if (!FTitle.empty())
        OleCheck(dialog->SetTitle(WidePtr(FTitle)));
    if (!FOkButtonLabel.empty())
        OleCheck(dialog->SetOkButtonLabel(WidePtr(FOkButtonLabel)));
    if (!FFileName.empty())
        OleCheck(dialog->SetFileName(WidePtr(FFileName)));
    if (!FDefaultFolder.empty()) {
        // A folder that does not exist is no reason to fail: the dialog opens where it would anyway.
        TComRef<IShellItem> folder;
        if (SUCCEEDED(SHCreateItemFromParsingName(WidePtr(FDefaultFolder), nullptr, IID_IShellItem,
                                                  reinterpret_cast<void**>(folder.Out()))))
            OleCheck(dialog->SetFolder(folder.Get()));
    }

    HRESULT shown = dialog->Show(parent);
    if (shown == HRESULT_FROM_WIN32(ERROR_CANCELLED))
        return false;
    OleCheck(shown);

    TComRef<IShellItemArray> results;
    OleCheck(dialog->GetResults(results.Out()));
    DWORD count = 0;
    OleCheck(results->GetCount(&count));
    for (DWORD i = 0; i < count; ++i) {
        TComRef<IShellItem> item;
        OleCheck(results->GetItemAt(i, item.Out()));
        chosen.push_back(FileSystemPath(item.Get()));
    }
    return true;
}
