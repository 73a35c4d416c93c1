// The system's task dialog: the record filled from the component, the call, and the callback that
// turns the dialog's notifications into the component's events.
#include "TaskDialog.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "Forms.h"
#include "WideText.h"

namespace {

TTaskDialogIndirectFunction& ReplacedTaskDialogIndirect()
{
    static TTaskDialogIndirectFunction function;
    return function;
}

static_assert(sizeof(TASKDIALOGCONFIG) == (sizeof(void*) == 4 ? 96 : 160), "the system's record as Windows lays it out (packed to 1 byte)");

using TSystemTaskDialogIndirect = HRESULT(WINAPI*)(const TASKDIALOGCONFIG*, int*, int*, BOOL*);

bool IsWine()
{
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

PCWSTR MainIconResource(TTaskDialogIcon icon) { return MAKEINTRESOURCEW(TaskDialogMainIconId(icon, IsWine())); }

PCWSTR FooterIconResource(TTaskDialogFooterIcon icon)
{
    return MAKEINTRESOURCEW(TaskDialogFooterIconId(icon, IsWine()));
}

const wchar_t* TextOrNull(const String& text)
{
    return text.empty() ? nullptr : WidePtr(text);
}

// Buttons in the system's form: identifiers from firstId, each text unescaped and cut to 1023
// characters.
class TButtonArray {
public:
    TButtonArray(const TStrings& lines, int firstId)
    {
        constexpr size_t slot = 1024;
        FTexts.reserve(static_cast<size_t>(lines.Count()));
        for (int i = 0; i < lines.Count(); ++i) {
            String text = UnescapeNewLines(lines.Strings(i));
            if (text.size() > slot - 1)
                text.resize(slot - 1);
            FTexts.push_back(std::move(text));
        }
        for (size_t i = 0; i < FTexts.size(); ++i)
            FButtons.push_back({firstId + static_cast<int>(i), WidePtr(FTexts[i])});
    }
    UINT Count() const { return static_cast<UINT>(FButtons.size()); }
    const TASKDIALOG_BUTTON* Data() const { return FButtons.empty() ? nullptr : FButtons.data(); }

private:
    std::vector<String> FTexts;
    std::vector<TASKDIALOG_BUTTON> FButtons;
};

TASKDIALOG_FLAGS Flags(const TCustomRurTaskDialog& dialog, bool customIcon)
{
    TTaskDialogOptions options = dialog.Options();
    TASKDIALOG_FLAGS flags = 0;
    if (options.Contains(doCommandLinks) && dialog.CustomButtons()->Count() > 0)
        flags = TDF_USE_COMMAND_LINKS;
    if (options.Contains(doCommandLinksNoIcon))
        flags = TDF_USE_COMMAND_LINKS_NO_ICON;
    static constexpr std::pair<TTaskDialogOption, TASKDIALOG_FLAGS> direct[] = {
        {doHyperlinks, TDF_ENABLE_HYPERLINKS},
        {doExpandedDefault, TDF_EXPANDED_BY_DEFAULT},
        {doExpandedFooter, TDF_EXPAND_FOOTER_AREA},
        {doAllowMinimize, TDF_CAN_BE_MINIMIZED},
        {doVerifyChecked, TDF_VERIFICATION_FLAG_CHECKED},
        {doProgressBar, TDF_SHOW_PROGRESS_BAR},
        {doProgressBarMarquee, TDF_SHOW_MARQUEE_PROGRESS_BAR},
        {doSizeToContent, TDF_SIZE_TO_CONTENT},
        {doNoDefaultRadioButton, TDF_NO_DEFAULT_RADIO_BUTTON},
        {doAllowDialogCancel, TDF_ALLOW_DIALOG_CANCELLATION},
    };
    for (auto [option, flag] : direct)
        if (options.Contains(option))
            flags |= flag;
    if (options.Contains(doProgressBarMarquee) || options.Contains(doProgressBar) || options.Contains(doTimer) ||
        dialog.AutoClose())
        flags |= TDF_CALLBACK_TIMER;
    if (dialog.DialogPosition() == dpOwnerFormCenter)
        flags |= TDF_POSITION_RELATIVE_TO_WINDOW;
    if (customIcon)
        flags |= TDF_USE_HICON_MAIN;
    if (dialog.RightToLeftLayout())
        flags |= TDF_RTL_LAYOUT;
    return flags;
}

HWND ParentWindow(const TCustomRurTaskDialog& dialog)
{
    if (dialog.ModalParent())
        return dialog.ModalParent();
    auto* ownerControl = dynamic_cast<TWinControl*>(dialog.Owner());
    if (!dialog.ApplicationIsParent() && ownerControl)
        return ownerControl->Handle();
    HWND applicationWindow = Application ? Application->Handle() : nullptr;
    if (dialog.ApplicationIsParent())
        return applicationWindow;
    if (Screen && Screen->ActiveForm() && Screen->ActiveForm()->HandleAllocated())
        return Screen->ActiveForm()->Handle();
    return applicationWindow;
}

// Centred over the owner window, kept on the owner's monitor: not every system's dialog places
// itself over its owner each time it is shown.
void CentreOverOwner(HWND dialog)
{
    HWND owner = GetWindow(dialog, GW_OWNER);
    RECT ownerRect, dialogRect;
    if (!owner || !IsWindowVisible(owner) || !GetWindowRect(owner, &ownerRect) || !GetWindowRect(dialog, &dialogRect))
        return;
    const LONG width = dialogRect.right - dialogRect.left, height = dialogRect.bottom - dialogRect.top;
    LONG x = ownerRect.left + (ownerRect.right - ownerRect.left - width) / 2;
    LONG y = ownerRect.top + (ownerRect.bottom - ownerRect.top - height) / 2;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& work = monitor.rcWork;
        x = std::max(work.left, std::min(x, work.right - width));
        y = std::max(work.top, std::min(y, work.bottom - height));
    }
    SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// No exception may cross the system's callback or a window procedure: it is reported as the
// application reports any other.
template <class F>
void Guarded(TCustomRurTaskDialog& dialog, F&& work)
{
    try {
        work();
    } catch (...) {
        try {
            if (Application)
                Application->HandleException(&dialog);
        } catch (...) {
        }
    }
}

} // namespace

// One showing of the system dialog: the texts and buttons live as long as the call.
class TNativeTaskDialogRun {
public:
    explicit TNativeTaskDialogRun(TCustomRurTaskDialog& dialog)
        : FDialog(dialog), FTitle(UnescapeNewLines(dialog.Title())),
          FInstruction(UnescapeNewLines(dialog.Instruction())), FContent(UnescapeNewLines(dialog.Content())),
          FFooter(UnescapeNewLines(dialog.Footer())), FCustomButtons(*dialog.CustomButtons(), TaskDialogFirstCustomButton),
          FRadioButtons(*dialog.RadioButtons(), TaskDialogFirstRadioButton)
    {
    }

    TASKDIALOGCONFIG Config()
    {
        TASKDIALOGCONFIG config{};
        config.cbSize = sizeof(config);
        config.hwndParent = ParentWindow(FDialog);
        bool customIcon = !FDialog.CustomIcon()->Empty();
        config.dwFlags = Flags(FDialog, customIcon);
        static constexpr TASKDIALOG_COMMON_BUTTON_FLAGS commonFlags[] = {
            TDCBF_OK_BUTTON, TDCBF_YES_BUTTON, TDCBF_NO_BUTTON, TDCBF_CANCEL_BUTTON, TDCBF_RETRY_BUTTON,
            TDCBF_CLOSE_BUTTON};
        for (int b = cbOK; b <= cbClose; ++b)
            if (FDialog.CommonButtons().Contains(static_cast<TCommonButton>(b)))
                config.dwCommonButtons |= commonFlags[b];
        config.pszWindowTitle = TextOrNull(FTitle);
        if (customIcon)
            config.hMainIcon = FDialog.CustomIcon()->Handle();
        else
            config.pszMainIcon = MainIconResource(FDialog.Icon());
        config.pszMainInstruction = TextOrNull(FInstruction);
        config.pszContent = TextOrNull(FContent);
        config.cButtons = FCustomButtons.Count();
        config.pButtons = FCustomButtons.Data();
        config.nDefaultButton = FDialog.DefaultButton();
        config.cRadioButtons = FRadioButtons.Count();
        config.pRadioButtons = FRadioButtons.Data();
        config.nDefaultRadioButton = FDialog.DefaultRadioButton();
        config.pszVerificationText = TextOrNull(FDialog.VerificationText());
        config.pszExpandedInformation = TextOrNull(FDialog.ExpandedText());
        config.pszExpandedControlText = TextOrNull(FDialog.ExpandControlText());
        config.pszCollapsedControlText = TextOrNull(FDialog.CollapsControlText());
        config.pszFooterIcon = FooterIconResource(FDialog.FooterIcon());
        config.pszFooter = TextOrNull(FFooter);
        config.pfCallback = &Callback;
        config.lpCallbackData = reinterpret_cast<LONG_PTR>(&FDialog);
        return config;
    }

    static HRESULT CALLBACK Callback(HWND wnd, UINT notification, WPARAM wParam, LPARAM lParam, LONG_PTR data)
    {
        auto& dialog = *reinterpret_cast<TCustomRurTaskDialog*>(data);
        dialog.FWnd = wnd;
        HRESULT answer = S_OK;
        Guarded(dialog, [&] {
            switch (notification) {
            case TDN_CREATED:
                Created(dialog);
                break;
            case TDN_BUTTON_CLICKED:
                answer = ButtonClicked(dialog, static_cast<int>(wParam));
                break;
            case TDN_HYPERLINK_CLICKED:
                HyperlinkClicked(dialog, FromWidePtr(reinterpret_cast<const wchar_t*>(lParam)));
                break;
            case TDN_TIMER:
                Timer(dialog);
                break;
            case TDN_RADIO_BUTTON_CLICKED:
                dialog.FOnDialogRadioClick(&dialog, static_cast<int>(wParam));
                break;
            case TDN_VERIFICATION_CLICKED:
                dialog.FOnDialogVerifyClick(&dialog, wParam != 0);
                break;
            case TDN_HELP:
                Help(dialog);
                break;
            default:
                break;
            }
        });
        return answer;
    }

private:
    static void Created(TCustomRurTaskDialog& dialog)
    {
        if (dialog.FDialogPosition == dpOwnerFormCenter)
            CentreOverOwner(dialog.FWnd);
        if (dialog.FOptions.Contains(doAllowDialogCancel))
            TCancelHook::Install(dialog);
        dialog.FOnDialogCreated(&dialog);
        if (dialog.FOptions.Contains(doProgressBar))
            dialog.SendToDialog(TDM_SET_PROGRESS_BAR_RANGE, 0, MAKELPARAM(dialog.FProgressBarMin, dialog.FProgressBarMax));
        if (dialog.FOptions.Contains(doProgressBarMarquee))
            dialog.SendToDialog(TDM_SET_PROGRESS_BAR_MARQUEE, 1, 10);
    }

    static HRESULT ButtonClicked(TCustomRurTaskDialog& dialog, int buttonId)
    {
        dialog.FOnDialogButtonClick(&dialog, buttonId);
        if (dialog.FOnDialogClose) {
            bool canClose = true;
            dialog.FOnDialogClose(&dialog, canClose);
            if (!canClose)
                return S_FALSE;
        }
        return S_OK;
    }

    static void HyperlinkClicked(TCustomRurTaskDialog& dialog, const String& link)
    {
        if (dialog.FOnDialogHyperlinkClick)
            dialog.FOnDialogHyperlinkClick(&dialog, link);
        else
            OpenTaskDialogLink(link);
    }

    // A help error is the user's to read; any failure there ends in a box, never in the system's
    // callback.
    static void Help(TCustomRurTaskDialog& dialog)
    {
        if (dialog.FHelpContext == 0 || !Application)
            return;
        try {
            Application->HelpContext(dialog.FHelpContext);
        } catch (const Exception& e) {
            ShowExceptionMessage(e);
        } catch (const std::exception& e) {
            ShowExceptionMessage(Exception(FromUtf8(e.what())));
        } catch (...) {
            ShowExceptionMessage(Exception(u"The help topic could not be shown"));
        }
    }

    static void Timer(TCustomRurTaskDialog& dialog)
    {
        dialog.FOnDialogTimer(&dialog);
        if (dialog.FOnDialogProgress) {
            int position = 0;
            TTaskDialogProgressState state = psNormal;
            dialog.FOnDialogProgress(&dialog, position, state);
            static constexpr WPARAM states[] = {PBST_NORMAL, PBST_ERROR, PBST_PAUSED};
            dialog.SendToDialog(TDM_SET_PROGRESS_BAR_POS, static_cast<WPARAM>(position), 0);
            dialog.SendToDialog(TDM_SET_PROGRESS_BAR_STATE, states[state], 0);
        }
        dialog.FAutoCloseCounter += 200;
        if (dialog.FAutoClose && dialog.FAutoCloseTimeOut > 0 && dialog.FAutoCloseTimeOut < dialog.FAutoCloseCounter) {
            dialog.DoAutoClose();
            dialog.Close();
        }
    }

    // Escape (and the close box, through the dialog manager) asks the dialog to cancel with
    // IDCANCEL. Where no Cancel button takes that command, as in Wine's task dialog, the hook
    // cancels the dialog itself, through the same button notification as any other button.
    class TCancelHook {
    public:
        static void Install(TCustomRurTaskDialog& dialog)
        {
            auto* hook = new TCancelHook(dialog);
            SetPropW(dialog.FWnd, PropertyName, hook);
            hook->FPrevious = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrW(dialog.FWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowProc)));
        }

    private:
        static constexpr const wchar_t* PropertyName = L"TavinTaskDialogCancelHook";

        explicit TCancelHook(TCustomRurTaskDialog& dialog) : FDialog(dialog) {}

        static LRESULT CALLBACK WindowProc(HWND wnd, UINT message, WPARAM wParam, LPARAM lParam)
        {
            auto* hook = static_cast<TCancelHook*>(GetPropW(wnd, PropertyName));
            const WNDPROC previous = hook->FPrevious;
            if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL && HIWORD(wParam) == BN_CLICKED && lParam == 0) {
                HRESULT answer = S_OK;
                Guarded(hook->FDialog, [&] { answer = ButtonClicked(hook->FDialog, IDCANCEL); });
                if (answer == S_OK)
                    EndDialog(wnd, IDCANCEL);
                return 0;
            }
            if (message == WM_NCDESTROY) {
                SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
                RemovePropW(wnd, PropertyName);
                delete hook;
            }
            return CallWindowProcW(previous, wnd, message, wParam, lParam);
        }

        TCustomRurTaskDialog& FDialog;
        WNDPROC FPrevious = nullptr;
    };

    TCustomRurTaskDialog& FDialog;
    String FTitle, FInstruction, FContent, FFooter;
    TButtonArray FCustomButtons, FRadioButtons;
};

// The system's dialog; a call that fails shows the dialog form instead, so that a failure never
// reads as a button.
int TCustomRurTaskDialog::ExecuteNative()
{
    TTaskDialogIndirectFunction run = ReplacedTaskDialogIndirect();
    if (!run) {
        HMODULE library = LoadLibraryW(L"comctl32.dll");
        if (reinterpret_cast<UINT_PTR>(library) < 32)
            return -1;
        FIsNative = true;
        auto system = reinterpret_cast<TSystemTaskDialogIndirect>(
            reinterpret_cast<void (*)()>(GetProcAddress(library, "TaskDialogIndirect")));
        if (!system)
            return -1;
        run = [system](const TASKDIALOGCONFIG& config, int* button, int* radio, BOOL* verified) {
            return system(&config, button, radio, verified);
        };
    }
    FIsNative = true;
    int button = 0, radio = 0;
    BOOL verified = FALSE;
    HRESULT result;
    {
        TNativeTaskDialogRun showing(*this);
        TASKDIALOGCONFIG config = showing.Config();
        result = run(config, &button, &radio, &verified);
    }
    if (FAILED(result)) {
        FIsNative = false;
        return ShowTaskDialogForm(-1, -1);
    }
    FRadioButtonResult = radio;
    FVerifyResult = verified != FALSE;
    return button;
}

TTaskDialogIndirectFunction SetTaskDialogIndirect(TTaskDialogIndirectFunction function)
{
    return std::exchange(ReplacedTaskDialogIndirect(), std::move(function));
}


