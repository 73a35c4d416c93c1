// TOpenDialog and TSaveDialog on the platform's common file dialogs.
#include "DialogsShared.h"
#include "WideText.h"

namespace {

// The flag of each option, in the order of TOpenOption.
constexpr DWORD OptionFlags[] = {
    OFN_READONLY,       OFN_OVERWRITEPROMPT, OFN_HIDEREADONLY,       OFN_NOCHANGEDIR,      OFN_SHOWHELP,
    OFN_NOVALIDATE,     OFN_ALLOWMULTISELECT, OFN_EXTENSIONDIFFERENT, OFN_PATHMUSTEXIST,   OFN_FILEMUSTEXIST,
    OFN_CREATEPROMPT,   OFN_SHAREAWARE,      OFN_NOREADONLYRETURN,   OFN_NOTESTFILECREATE, OFN_NONETWORKBUTTON,
    OFN_NOLONGNAMES,    0 /* the old style: no OFN_EXPLORER */, OFN_NODEREFERENCELINKS, OFN_ENABLEINCLUDENOTIFY,
    OFN_ENABLESIZING,   OFN_DONTADDTORECENT, OFN_FORCESHOWHIDDEN};
static_assert(std::size(OptionFlags) == TavinEnumCount(static_cast<TOpenOption*>(nullptr)));

// Room for many selected names: the dialog fails rather than cut them.
constexpr size_t FileBufferLength = 32768;

DWORD FlagsOf(TOpenOptions options)
{
    DWORD flags = options.Contains(ofOldStyleDialog) ? 0 : OFN_EXPLORER;
    for (size_t i = 0; i < std::size(OptionFlags); ++i)
        if (options.Contains(static_cast<TOpenOption>(i)))
            flags |= OptionFlags[i];
    return flags;
}

// "a|b|c|d" as the dialog takes it: "a\0b\0c\0d\0\0".
std::wstring FilterList(const String& filter)
{
    std::wstring list(WidePtr(filter), filter.size());
    for (wchar_t& c : list)
        if (c == L'|')
            c = L'\0';
    list.append(2, L'\0');
    return list;
}

// A single path, or (several chosen) the folder followed by the names in it, each ending in a null
// character, the whole ending in two.
std::vector<String> ChosenPaths(const std::wstring& buffer)
{
    std::vector<String> parts;
    for (size_t start = 0; start < buffer.size() && buffer[start] != L'\0';) {
        size_t end = buffer.find(L'\0', start);
        parts.push_back(FromWidePtr(buffer.substr(start, end - start).c_str()));
        start = end + 1;
    }
    if (parts.size() <= 1)
        return parts;
    String folder = parts.front();
    if (folder.back() != u'\\')
        folder += u'\\';
    std::vector<String> paths;
    for (size_t i = 1; i < parts.size(); ++i)
        paths.push_back(folder + parts[i]);
    return paths;
}

} // namespace

TAVIN_PUBLISHED(TOpenDialog)
{
    TAVIN_PROPERTY(String, DefaultExt);
    TAVIN_PROPERTY(String, FileName);
    TAVIN_PROPERTY(String, Filter);
    TAVIN_PROPERTY(int, FilterIndex).Default(1);
    TAVIN_PROPERTY(String, InitialDir);
    TAVIN_PROPERTY(TOpenOptions, Options).Default(TOpenOptions{ofHideReadOnly, ofEnableSizing});
    TAVIN_PROPERTY(String, Title);
}

TOpenDialog::TOpenDialog(TComponent* owner) : TComponent(owner), FFiles(std::make_unique<TStringList>()) {}

bool TOpenDialog::Execute()
{
    return Execute(DefaultDialogParent());
}

bool TOpenDialog::Execute(HWND parent)
{
    return ChooseFiles(
        *this, [&](std::vector<String>& chosen) { return ShowCommonDialog(parent, chosen); }, FFileName, *FFiles);
}

bool TOpenDialog::ShowCommonDialog(HWND parent, std::vector<String>& chosen)
{
    std::wstring buffer(FileBufferLength, L'\0');
    std::wstring proposed(WidePtr(FFileName), std::min(FFileName.size(), FileBufferLength - 2));
    buffer.replace(0, proposed.size(), proposed);
    std::wstring filter = FilterList(FFilter);

    OPENFILENAMEW data{};
    data.lStructSize = sizeof data;
    data.hwndOwner = parent;
    data.lpstrFilter = FFilter.empty() ? nullptr : filter.c_str();
    data.nFilterIndex = static_cast<DWORD>(FFilterIndex);
    data.lpstrFile = buffer.data();
    data.nMaxFile = static_cast<DWORD>(buffer.size());
    data.lpstrInitialDir = FInitialDir.empty() ? nullptr : WidePtr(FInitialDir);
    data.lpstrTitle = FTitle.empty() ? nullptr : WidePtr(FTitle);
    data.lpstrDefExt = FDefaultExt.empty() ? nullptr : WidePtr(FDefaultExt);
    data.Flags = FlagsOf(FOptions);

    if (!RunDialog(data)) {
        if (DWORD error = CommDlgExtendedError())
            throw Exception::CreateFmt(u"The file dialog failed with error %d", {static_cast<int>(error)});
        return false;
    }
    FFilterIndex = static_cast<int>(data.nFilterIndex);
    chosen = ChosenPaths(buffer);
    return true;
}

bool TOpenDialog::RunDialog(OPENFILENAMEW& data)
{
    return GetOpenFileNameW(&data);
}

bool TSaveDialog::RunDialog(OPENFILENAMEW& data)
{
    return GetSaveFileNameW(&data);
}
