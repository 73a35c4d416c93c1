// Message dialogs on the platform's message box.
#include <algorithm>
#include <span>
#include <utility>

#include "ComObj.h"
#include "DialogsShared.h"
#include "Forms.h"
#include "WideText.h"

namespace {

struct TBoxKind {
    const Char* Title;
    UINT Icon;
};

// In the order of TMsgDlgType; mtCustom takes the program's name.
constexpr TBoxKind BoxKinds[] = {{u"Warning", MB_ICONWARNING},
                                 {u"Error", MB_ICONERROR},
                                 {u"Information", MB_ICONINFORMATION},
                                 {u"Confirm", MB_ICONQUESTION},
                                 {nullptr, 0}};

// The button sets the message box offers, each with its buttons in the order shown.
struct TBoxButtons {
    UINT Type;
    size_t Count;
    TMsgDlgBtn Buttons[3];

    std::span<const TMsgDlgBtn> Shown() const { return {Buttons, Count}; }
};

constexpr TBoxButtons ButtonSets[] = {
    {MB_YESNOCANCEL, 3, {mbYes, mbNo, mbCancel}},
    {MB_YESNO, 2, {mbYes, mbNo}},
    {MB_ABORTRETRYIGNORE, 3, {mbAbort, mbRetry, mbIgnore}},
    {MB_RETRYCANCEL, 2, {mbRetry, mbCancel}},
    {MB_OKCANCEL, 2, {mbOK, mbCancel}},
    {MB_OK, 1, {mbOK}},
};

// The first set whose buttons are all asked for; OK when none is.
const TBoxButtons& ButtonSetFor(TMsgDlgButtons buttons)
{
    for (const TBoxButtons& set : ButtonSets)
        if (std::ranges::all_of(set.Shown(), [&](TMsgDlgBtn b) { return buttons.Contains(b); }))
            return set;
    return ButtonSets[std::size(ButtonSets) - 1];
}

UINT DefaultButtonFlag(const TBoxButtons& set, TMsgDlgBtn defaultButton)
{
    constexpr UINT Flags[] = {MB_DEFBUTTON1, MB_DEFBUTTON2, MB_DEFBUTTON3};
    auto shown = set.Shown();
    auto it = std::ranges::find(shown, defaultButton);
    return it == shown.end() ? MB_DEFBUTTON1 : Flags[it - shown.begin()];
}

// The application's title; the program file's name while it has none.
String ProgramTitle()
{
    if (Application && !Application->Title().empty())
        return Application->Title();
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    String name = FromWidePtr(path);
    name = name.substr(name.find_last_of(u"\\/") + 1);
    return name.substr(0, name.rfind(u'.'));
}

// While it lives, the next window this thread activates (the message box) is moved to x and y on
// the screen; a negative coordinate keeps the platform's choice for it.
class TBoxPlacement {
public:
    TBoxPlacement(int x, int y) : FX(x), FY(y)
    {
        if (x < 0 && y < 0)
            return;
        Current() = this;
        FHook = SetWindowsHookExW(WH_CBT, &Hook, nullptr, GetCurrentThreadId());
    }
    ~TBoxPlacement()
    {
        if (FHook)
            UnhookWindowsHookEx(FHook);
        if (Current() == this)
            Current() = nullptr;
    }
    TBoxPlacement(const TBoxPlacement&) = delete;
    TBoxPlacement& operator=(const TBoxPlacement&) = delete;

private:
    static TBoxPlacement*& Current()
    {
        static TBoxPlacement* current = nullptr;
        return current;
    }

    static LRESULT CALLBACK Hook(int code, WPARAM wp, LPARAM lp)
    {
        LRESULT result = CallNextHookEx(nullptr, code, wp, lp);
        TBoxPlacement* self = Current();
        if (code == HCBT_ACTIVATE && self && self->FHook) {
            HWND box = reinterpret_cast<HWND>(wp);
            RECT r;
            GetWindowRect(box, &r);
            SetWindowPos(box, nullptr, self->FX >= 0 ? self->FX : r.left, self->FY >= 0 ? self->FY : r.top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            UnhookWindowsHookEx(std::exchange(self->FHook, nullptr));
        }
        return result;
    }

    int FX, FY;
    HHOOK FHook = nullptr;
};

int ShowBox(const String& text, const String& title, UINT style)
{
    HWND owner = DefaultDialogParent();
    if (owner && (GetWindowLongW(owner, GWL_EXSTYLE) & WS_EX_LAYOUTRTL))
        style |= MB_RTLREADING | MB_RIGHT;
    int result = MessageBoxW(owner, WidePtr(text), WidePtr(title), style | MB_APPLMODAL);
    if (result == 0)
        OleCheck(HRESULT_FROM_WIN32(GetLastError()));
    return result;
}

int ShowMessageDialog(const String& msg, TMsgDlgType dlgType, TMsgDlgButtons buttons, UINT defaultFlag)
{
    const TBoxKind& kind = BoxKinds[dlgType];
    const TBoxButtons& set = ButtonSetFor(buttons);
    UINT style = set.Type | kind.Icon | defaultFlag | (buttons.Contains(mbHelp) ? MB_HELP : 0);
    return ShowBox(msg, kind.Title ? String(kind.Title) : ProgramTitle(), style);
}

} // namespace

int MessageDlg(const String& msg, TMsgDlgType dlgType, TMsgDlgButtons buttons, int)
{
    return ShowMessageDialog(msg, dlgType, buttons, MB_DEFBUTTON1);
}

int MessageDlg(const String& msg, TMsgDlgType dlgType, TMsgDlgButtons buttons, int, TMsgDlgBtn defaultButton)
{
    return ShowMessageDialog(msg, dlgType, buttons, DefaultButtonFlag(ButtonSetFor(buttons), defaultButton));
}

int MessageDlgPosHelp(const String& msg, TMsgDlgType dlgType, TMsgDlgButtons buttons, int, int x, int y,
                      const String&)
{
    TBoxPlacement placement(x, y);
    return ShowMessageDialog(msg, dlgType, buttons, MB_DEFBUTTON1);
}

void ShowMessage(const String& msg)
{
    ShowBox(msg, ProgramTitle(), MB_OK);
}
