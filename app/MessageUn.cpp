#include "MessageUn.h"

#include <span>

#include "MessageBeeper.h"

TAVIN_PUBLISHED(TMessageBox)
{
    TAVIN_METHOD(MessageBoxClose);
}

namespace {

// Captions stored exactly as the tool has always shown them (Arabic yeh and a kashida in "OK").
const Char* const CaptionOk = u"تأييـد";
const Char* const CaptionCancel = u"انصراف";
const Char* const CaptionNo = u"خير";
const Char* const CaptionYes = u"بله";
const Char* const CaptionRetry = u"تلاش مجدد";
const Char* const CaptionAbort = u"توقف";
const Char* const CaptionIgnore = u"صرف نظر";

const Char* const ToolTitle = u"گروه نرم افزاری تاوین";

struct TButtonSet {
    std::span<const Char* const> Captions;
    // Modal results of the buttons 100, 101, ... and of a cancelled dialog (2).
    std::span<const int> Results;
    int CancelResult;
};

const Char* const set1[] = {CaptionOk};
const Char* const set2[] = {CaptionCancel, CaptionOk};
const Char* const set3[] = {CaptionNo, CaptionYes};
const Char* const set4[] = {CaptionCancel, CaptionNo, CaptionYes};
const Char* const set5[] = {CaptionCancel, CaptionRetry};
const Char* const set6[] = {CaptionAbort, CaptionRetry, CaptionIgnore};
constexpr int results2[] = {mrCancel, mrOk};
constexpr int results3[] = {mrNo, mrYes};
constexpr int results4[] = {mrCancel, mrNo, mrYes};
constexpr int results5[] = {mrCancel, mrRetry};
constexpr int results6[] = {mrAbort, mrRetry, mrIgnore};

// Sets 2 to 6; set 1 answers mrOk whatever the dialog reports.
const TButtonSet* FindButtonSet(Byte buttonSet)
{
    static const TButtonSet sets[] = {
        {set1, {}, mrOk},
        {set2, results2, mrCancel},
        {set3, results3, mrNo},
        {set4, results4, mrCancel},
        {set5, results5, mrCancel},
        {set6, results6, mrIgnore},
    };
    return buttonSet >= 1 && buttonSet <= 6 ? &sets[buttonSet - 1] : nullptr;
}

// The window every box is centred over: the main window, else the active form, else the
// application's window.
HWND MessageBoxOwner()
{
    if (!Application)
        return nullptr;
    for (TCustomForm* form : {Application->MainForm(), Screen ? Screen->ActiveForm() : nullptr})
        if (form && form->HandleAllocated() && IsWindowVisible(form->Handle()))
            return form->Handle();
    return Application->Handle();
}

} // namespace

TMessageBox::TMessageBox(TComponent* owner) : TRurTaskDialogEx(owner)
{
    SetOptions(Options() + TTaskDialogOptions{doAllowDialogCancel});
    // The tool's texts are Persian: the box is mirrored and reads right to left, over its owner.
    SetRightToLeftLayout(true);
    SetDialogPosition(dpOwnerFormCenter);
    SetExpandControlText(u"بستن راهنمايي بيشتر");
    SetCollapsControlText(u"نمايش راهنمايي بيشتر");
    SetVerificationText(u"اين سوال دوباره پرسيده نشود");
    SetOnDialogClose(MakeHandler<&TMessageBox::MessageBoxClose>(this));
}

void TMessageBox::MessageBoxClose(TObject*, bool&) {}

TTaskDialogIcon MessageBoxIcon(Byte kind)
{
    switch (kind) {
    case 1:
        return tiInformation;
    case 2:
        return tiWarning;
    case 3:
        return tiError;
    case 4:
        return tiQuestion;
    default:
        return tiBlank;
    }
}

TBalloonType MessageBalloonType(Byte kind)
{
    switch (kind) {
    case 2:
        return blnWarning;
    case 3:
        return blnError;
    default:
        return blnInfo;
    }
}

UINT MessageBoxBeep(Byte kind)
{
    switch (kind) {
    case 2:
        return MB_ICONEXCLAMATION;
    case 3:
        return MB_ICONHAND;
    case 4:
        return MB_ICONQUESTION;
    default:
        return MB_ICONASTERISK;
    }
}

int MapMessageBoxResult(int buttonId, Byte buttonSet)
{
    const TButtonSet* set = FindButtonSet(buttonSet);
    if (!set)
        return buttonId;
    if (buttonSet == 1)
        return mrOk;
    if (buttonId == IDCANCEL)
        return set->CancelResult;
    size_t index = static_cast<size_t>(buttonId - TaskDialogFirstCustomButton);
    return buttonId >= TaskDialogFirstCustomButton && index < set->Results.size() ? set->Results[index] : buttonId;
}

std::unique_ptr<TMessageBox> BuildMessageBox(const String& title, const String& instruction, const String& content,
                                             const String& expandedText, Byte kind, Byte buttonSet,
                                             int defaultButtonIndex, bool showVerification, int helpContext)
{
    auto box = std::make_unique<TMessageBox>(nullptr);
    box->SetTitle(title.empty() ? u" " : title);
    box->SetInstruction(instruction);
    box->SetContent(content);
    box->SetExpandedText(expandedText);
    if (helpContext != 0)
        box->SetHelpContext(helpContext);
    if (!showVerification)
        box->SetVerificationText(u"");
    box->SetDefaultButton(defaultButtonIndex + TaskDialogFirstCustomButton - 1);
    box->SetIcon(MessageBoxIcon(kind));
    if (const TButtonSet* set = FindButtonSet(buttonSet))
        for (const Char* caption : set->Captions)
            box->CustomButtons()->Add(caption);
    return box;
}

int ShowMessageBox(const String& title, const String& instruction, const String& content, const String& expandedText,
                   Byte kind, Byte buttonSet, int defaultButtonIndex, bool showVerification, int helpContext,
                   bool& verified)
{
    std::unique_ptr<TMessageBox> box = BuildMessageBox(title, instruction, content, expandedText, kind, buttonSet,
                                                       defaultButtonIndex, showVerification, helpContext);
    box->SetAlwaysOnTop(true);
    box->SetModalParent(MessageBoxOwner());
    PlayMessageBeep(MessageBoxBeep(kind));
    TCustomForm* activeForm = Screen ? Screen->ActiveForm() : nullptr;
    if (activeForm)
        activeForm->SetEnabled(false);
    // Enabled again whatever happens (also when the dialog fails), and active again as before.
    struct TReenable {
        TCustomForm* Form;
        ~TReenable()
        {
            if (!Form)
                return;
            Form->SetEnabled(true);
            if (Form->HandleAllocated() && IsWindowVisible(Form->Handle()))
                SetActiveWindow(Form->Handle());
        }
    };
    int buttonId;
    {
        TReenable reenable{activeForm};
        buttonId = box->Execute();
    }
    verified = box->VerifyResult();
    return MapMessageBoxResult(buttonId, buttonSet);
}

void ShowErrorMessage(const String& instruction, const String& content, const String& expandedText, Byte kind)
{
    bool verified;
    ShowMessageBox(ToolTitle, instruction, content, expandedText, kind, 1, 0, false, 0, verified);
}

void ShowBalloonAt(int x, int y, Byte kind, const String& title, const String& text)
{
    TBalloonControl control(nullptr);
    control.ShowBalloon(x + 8, y + 6, title, text, MessageBalloonType(kind), 3, blnArrowBottomRight);
}

void BalloonOnEdit(TWinControl* edit, Byte kind, const String& title, const String& text)
{
    TPoint origin = edit->ClientToScreen(TPoint{0, 0});
    ShowBalloonAt(origin.X, origin.Y, kind, title, text);
}

namespace {

void FocusWhenPossible(TWinControl* edit)
{
    if (edit->Enabled() && edit->Visible() && edit->Showing())
        edit->SetFocus();
}

} // namespace

void AskField(const String& fieldName, TWinControl* edit, Byte kind)
{
    BalloonOnEdit(edit, kind, u"ورود اطلاعات", Format(u"لطفا %s را مشخص نمایید", {fieldName}));
    FocusWhenPossible(edit);
}

void WarnField(const String& title, const String& text, TWinControl* edit)
{
    BalloonOnEdit(edit, 2, title, text);
    FocusWhenPossible(edit);
}
