#include "TaskDialog.h"

TAVIN_PUBLISHED(TRurTaskDialog)
{
    TAVIN_PROPERTY(String, Title);
    TAVIN_PROPERTY(String, Instruction);
    TAVIN_PROPERTY(String, Content);
    TAVIN_PROPERTY(String, ExpandedText);
    TAVIN_PROPERTY(String, ExpandControlText);
    TAVIN_PROPERTY(String, CollapsControlText);
    TAVIN_PROPERTY(String, Footer);
    TAVIN_PROPERTY(String, VerificationText);
    TAVIN_PROPERTY(TStrings*, CustomButtons);
    TAVIN_PROPERTY(TStrings*, RadioButtons);
    TAVIN_PROPERTY(TCommonButtons, CommonButtons).Default(TCommonButtons{});
    TAVIN_PROPERTY(int, DefaultButton).Default(0);
    TAVIN_PROPERTY(int, DefaultRadioButton).Default(TaskDialogFirstRadioButton);
    TAVIN_PROPERTY(TTaskDialogIcon, Icon).Default(tiBlank);
    TAVIN_PROPERTY(TIcon*, CustomIcon);
    TAVIN_PROPERTY(TTaskDialogFooterIcon, FooterIcon).Default(tfiBlank);
    TAVIN_PROPERTY(TTaskDialogOptions, Options).Default(TTaskDialogOptions{});
    TAVIN_PROPERTY(TTaskDialogPosition, DialogPosition).Default(dpScreenCenter);
    TAVIN_PROPERTY(bool, ApplicationIsParent).Default(false);
    TAVIN_PROPERTY(TNonNativeDialog, NonNativeDialog).Default(nndAuto);
    TAVIN_PROPERTY(int, NonNativeMinFormWidth).Default(350);
    TAVIN_PROPERTY(int, HelpContext).Default(0);
    TAVIN_PROPERTY(int, ProgressBarMin).Default(0);
    TAVIN_PROPERTY(int, ProgressBarMax).Default(100);
    TAVIN_PROPERTY(bool, AutoClose).Default(false);
    TAVIN_PROPERTY(int, AutoCloseTimeOut).Default(0);
    TAVIN_PROPERTY(TColor, InstructionTextColor);
    TAVIN_PROPERTY(TColor, FooterTextColor);
    TAVIN_PROPERTY(TColor, CommandLinksTextColor);
    TAVIN_PROPERTY(TColor, CommandLinksBorderColor);
    TAVIN_PROPERTY(TColor, CommandLinksBorderColorHot);
    TAVIN_PROPERTY(String, Version);
    TAVIN_PROPERTY(TNotifyEvent, OnDialogCreated);
    TAVIN_PROPERTY(TTaskDialogButtonClickEvent, OnDialogButtonClick);
    TAVIN_PROPERTY(TTaskDialogButtonClickEvent, OnDialogRadioClick);
    TAVIN_PROPERTY(TTaskDialogHyperlinkClickEvent, OnDialogHyperlinkClick);
    TAVIN_PROPERTY(TTaskDialogVerifyClickEvent, OnDialogVerifyClick);
    TAVIN_PROPERTY(TNotifyEvent, OnDialogTimer);
    TAVIN_PROPERTY(TTaskDialogProgressEvent, OnDialogProgress);
    TAVIN_PROPERTY(TTaskDialogCloseEvent, OnDialogClose);
    TAVIN_PROPERTY(TNotifyEvent, OnAutoClose);
}

TCustomRurTaskDialog::TCustomRurTaskDialog(TComponent* owner)
    : TComponent(owner), FCustomButtons(std::make_unique<TStringList>()),
      FRadioButtons(std::make_unique<TStringList>()), FCustomIcon(std::make_unique<TIcon>())
{
}

TCustomRurTaskDialog::~TCustomRurTaskDialog() = default;

LRESULT TCustomRurTaskDialog::SendToDialog(UINT msg, WPARAM wParam, LPARAM lParam) const
{
    return SendMessageW(FWnd, msg, wParam, lParam);
}

void TCustomRurTaskDialog::SetElementText(String& field, const String& value, int element)
{
    if (field == value)
        return;
    field = value;
    SendToDialog(TDM_UPDATE_ELEMENT_TEXT, element, reinterpret_cast<LPARAM>(field.c_str()));
}

void TCustomRurTaskDialog::SetInstruction(const String& value)
{
    SetElementText(FInstruction, value, TDE_MAIN_INSTRUCTION);
}

void TCustomRurTaskDialog::SetContent(const String& value)
{
    SetElementText(FContent, value, TDE_CONTENT);
}

void TCustomRurTaskDialog::SetExpandedText(const String& value)
{
    SetElementText(FExpandedText, value, TDE_EXPANDED_INFORMATION);
}

void TCustomRurTaskDialog::SetFooter(const String& value)
{
    SetElementText(FFooter, value, TDE_FOOTER);
}

int TCustomRurTaskDialog::Execute()
{
    FAutoCloseCounter = 0;
    return ExecuteDialog(-1, -1);
}

void TCustomRurTaskDialog::DoAutoClose()
{
    FOnAutoClose(this);
}

void TCustomRurTaskDialog::Clear()
{
    FCommonButtons = {};
    FRadioButtons->Clear();
    FCustomButtons->Clear();
    FIcon = tiBlank;
    SetFooterIcon(tfiBlank);
    SetInstruction(u"");
    FTitle.clear();
    SetContent(u"");
    SetFooter(u"");
    FVerificationText.clear();
    FExpandControlText.clear();
    FCollapsControlText.clear();
    SetExpandedText(u"");
    FDefaultRadioButton = TaskDialogFirstRadioButton;
    FDefaultButton = 0;
    FOptions = {};
    FVerifyResult = false;
}

void TCustomRurTaskDialog::Close()
{
    ClickButton(FDefaultButton);
}

void TCustomRurTaskDialog::ClickButton(int buttonId)
{
    SendToDialog(TDM_CLICK_BUTTON, buttonId, 0);
}

void TCustomRurTaskDialog::EnableButton(int buttonId, bool enabled)
{
    SendToDialog(TDM_ENABLE_BUTTON, buttonId, enabled);
}

void TCustomRurTaskDialog::ElevateButton(int buttonId, bool elevated)
{
    SendToDialog(TDM_SET_BUTTON_ELEVATION_REQUIRED_STATE, buttonId, elevated);
}

String UnescapeNewLines(const String& text)
{
    auto replaceAll = [&text](const String& from, const String& to) {
        String result;
        size_t start = 0;
        for (size_t at; (at = text.find(from, start)) != String::npos; start = at + from.size())
            result.append(text, start, at - start).append(to);
        return result.append(text, start);
    };
    if (text.find(u"\\\\n") != String::npos)
        return replaceAll(u"\\\\n", u"\\n");
    return replaceAll(u"\\n", u"\n");
}
