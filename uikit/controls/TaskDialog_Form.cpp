// The dialog form: made from the dialog's description (every child control, the buttons and their
// sizes, the form's width), and measured again when a text or the DPI changes.
#include "TaskDialog_Form.h"

#include <algorithm>

#include "Math.h"
#include "PlatformFacts.h"
#include "RurStyleIF.h"

// ---- Shared helpers ---------------------------------------------------------------------------------

TMeasuringScope::TMeasuringScope(TCanvas& canvas) : FCanvas(canvas)
{
    if (canvas.HandleAllocated())
        return;
    FDC = CreateCompatibleDC(nullptr);
    canvas.SetHandle(FDC);
}

TMeasuringScope::~TMeasuringScope()
{
    if (!FDC)
        return;
    FCanvas.SetHandle(nullptr);
    DeleteDC(FDC);
}

HDC TextDrawingHandle(TCanvas& canvas)
{
    canvas.TextOut(0, 0, String()); // draws nothing; selects the font and the brush
    return canvas.Handle();
}

THTMLDrawOptions DialogHTMLOptions(bool measuring, bool measureOnly, TBiDiMode biDiMode)
{
    THTMLDrawOptions options;
    options.ShadowOffset = 1;
    options.HitTest = measuring;
    options.MeasureOnly = measureOnly;
    options.Selected = measuring;
    options.BlinkVisible = measuring;
    options.WordWrap = true;
    options.ScaleFontSizes = true;
    options.PrintScale = 1.0;
    options.URLColor = 0xFF0000;
    options.HoverBackground = clNone;
    options.HoverFontColor = clNone;
    options.ShadowColor = 0x808080;
    options.BiDiMode = biDiMode;
    options.HighlightBackground = clHighlight;
    options.HighlightText = clHighlightText;
    options.Scale = -1;
    return options;
}

namespace {

// Replaces every "\\n" pair, in either case, by the text given.
String ReplaceEscapedNewLines(const String& text, const String& by)
{
    String result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size() && (text[i + 1] == u'n' || text[i + 1] == u'N')) {
            result += by;
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

constexpr TColor InstructionColor = 0xC45300;

} // namespace

String DialogHTMLText(const String& text)
{
    String result;
    for (Char c : ReplaceEscapedNewLines(text, u"<br>")) {
        if (c == u'\n')
            result += u"<br>";
        else
            result += c;
    }
    return result;
}

String EscapedNewLinesAsReturns(const String& text) { return ReplaceEscapedNewLines(text, u"\r"); }

void LoadDialogBitmap(TBitmap& bitmap, const String& name)
{
    bitmap.LoadFromResourceName(GetModuleHandleW(nullptr), name);
    bitmap.SetTransparentColor(clFuchsia);
    bitmap.SetTransparent(true);
}

// ---- Construction -------------------------------------------------------------------------------------

TRurMessageForm::TRurMessageForm(TComponent* owner) : TForm(owner)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = 504;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
        Font()->SetHandle(CreateFontIndirectW(&metrics.lfMessageFont));
    FWhiteWindowHeight = Height();
}

TRurMessageForm::~TRurMessageForm() = default;

void TRurMessageForm::CreateParams(TCreateParams& params)
{
    TForm::CreateParams(params);
    if (!FTaskDialog)
        return;
    if (FTaskDialog->ModalParent())
        params.WndParent = FTaskDialog->ModalParent();
    // Mirrored: the children are placed from the right but keep their own faces unmirrored.
    if (FTaskDialog->RightToLeftLayout())
        params.ExStyle |= WS_EX_LAYOUTRTL | WS_EX_NOINHERITLAYOUT;
}

int TRurMessageForm::S(int value) const { return static_cast<int>(Round(value * static_cast<double>(FDPIScale))); }

TSize TRurMessageForm::GetAveCharSize()
{
    TSize size = Canvas()->TextExtent(u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    size.cx /= 52;
    return size;
}

UINT TRurMessageForm::ReadingFlags() const { return UseRightToLeftReading() ? DT_RTLREADING : 0; }

TRurMessageForm::TTextSize TRurMessageForm::MeasureText(const String& text, int width)
{
    if (text.empty())
        return {};
    RECT r{0, 0, width > 0 ? width : 1000, 100};
    DrawTextW(TextDrawingHandle(*Canvas()), WidePtr(text), static_cast<int>(text.size()), &r,
              DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX | ReadingFlags());
    return {r.right, r.bottom};
}

void TRurMessageForm::MeasureHTML(const String& text, const TRect& rect, bool measureOnly, int& width, int& height)
{
    THTMLDrawResult result;
    HTMLDraw(*Canvas(), DialogHTMLText(text), rect, DialogHTMLOptions(true, measureOnly, BiDiMode()), result);
    width = result.XSize;
    height = result.YSize;
}

int TRurMessageForm::IconAllowance() const
{
    return TaskDialogFormIconId(FTaskDialog->Icon()) != 0 ? S(32) + FHorzSpacing : 0;
}

void TRurMessageForm::MeasureInstruction(int& width, int& height)
{
    width = height = 0;
    const String& text = FTaskDialog->Instruction();
    if (!text.empty()) {
        TFont saved;
        saved.Assign(Canvas()->Font());
        Canvas()->Font()->SetHeight(S(-15));
        Canvas()->Font()->SetStyle({fsBold});
        RECT r{0, 0, Screen->Width() / 2, 0};
        DrawTextW(TextDrawingHandle(*Canvas()), WidePtr(text), static_cast<int>(text.size()), &r,
                  DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | ReadingFlags());
        Canvas()->Font()->Assign(&saved);
        width = r.right;
        height = r.bottom;
    }
    width += IconAllowance();
}

// The margins from the average character size; in the layout passes scaled by the DPI.
void TRurMessageForm::ScaleMargins(bool horizontalSpacing)
{
    const TSize ave = GetAveCharSize();
    FHorzMargin = S(MulDiv(8, ave.cx, 4));
    FVertMargin = S(MulDiv(8, ave.cy, 8));
    if (horizontalSpacing)
        FHorzSpacing = S(MulDiv(8, ave.cx, 4));
    FVertSpacing = S(MulDiv(8, ave.cy, 8));
}

void TRurMessageForm::BuildTaskDialog(TCustomRurTaskDialog* dialog)
{
    FTaskDialog = dialog;
    FFooterColor = dialog->FooterColor();
    FFooterTextColor = dialog->FooterTextColor();
    FInstructionTextColor = dialog->InstructionTextColor();
    FFooterLineColor = dialog->FooterLineColor();
    FMinFormWidth = dialog->NonNativeMinFormWidth();
    TMeasuringScope measuring(*Canvas());
    FDPIScale = GetControlDPIScale(this, Canvas());
    // Scaled as the layout pass scales them, so that what is placed here lines up with what the
    // layout places, at any resolution.
    Canvas()->Font()->SetHeight(-13);
    ScaleMargins(true);
    Canvas()->Font()->SetHeight(S(-13));
    FBuilding = true;
    struct TBuilt {
        bool& Building;
        ~TBuilt() { Building = false; }
    } built{FBuilding};

    String caption = dialog->Title();
    if (caption.empty()) {
        // The program's file name without its folder and extension.
        wchar_t path[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, path, MAX_PATH);
        caption = FromWidePtr(path);
        caption = caption.substr(caption.find_last_of(u"\\/") + 1);
        caption = caption.substr(0, caption.rfind(u'.'));
    }
    SetCaption(caption);
    FCalcWidth = caption.empty() ? 0 : MeasureText(caption, 1000).Width + S(50);

    FHorzParaMargin = FHorzMargin;
    int y = FVertMargin;
    BuildButtons();
    SizeButtons();

    int textWidth, textHeight;
    MeasureInstruction(textWidth, textHeight);

    const int iconId = TaskDialogFormIconId(dialog->Icon());
    if (iconId != 0 || !dialog->CustomIcon()->Empty()) {
        FIcon = new TImage(this);
        FIcon->SetName(u"Image");
        FIcon->SetParent(this);
        FIcon->SetStretch(true);
        if (!dialog->CustomIcon()->Empty()) {
            FIcon->Picture()->Assign(dialog->CustomIcon());
        } else if (dialog->Icon() == tiBlank) {
            FIcon->SetVisible(false);
        } else if (dialog->Icon() == tiShield) {
            TBitmap shield;
            LoadDialogBitmap(shield, u"TD_SHIELD");
            FIcon->Picture()->Assign(&shield);
            FIcon->SetTransparent(true);
        } else {
            TIcon icon;
            icon.SetHandle(CopyIcon(LoadIconW(nullptr, MAKEINTRESOURCEW(iconId))));
            FIcon->Picture()->Assign(&icon);
        }
        FIcon->SetBounds(FHorzMargin, FVertMargin - 5, S(32), S(32));
    }

    if (!dialog->Instruction().empty()) {
        FMessage = new TLabel(this);
        FMessage->SetName(u"Instr");
        FMessage->SetParent(this);
        FMessage->SetAutoSize(false);
        FMessage->SetWordWrap(true);
        FMessage->SetTransparent(true);
        FMessage->Font()->SetHeight(S(-15));
        FMessage->Font()->SetStyle({fsBold});
        FMessage->Font()->SetColor(FInstructionTextColor == clNone ? InstructionColor : FInstructionTextColor);
        FMessage->SetBiDiMode(BiDiMode());
        FMessage->SetCaption(dialog->Instruction());
        const int labelWidth = textWidth - IconAllowance();
        int left = FHorzMargin + IconAllowance();
        if (FMessage->UseRightToLeftAlignment())
            left = ClientWidth() - left - labelWidth;
        FMessage->SetBounds(left, y, labelWidth, textHeight);
        y += textHeight + FVertSpacing;
        FHorzParaMargin = left;
    }

    const TTaskDialogOptions options = dialog->Options();
    if (options.Contains(doTimer) || dialog->AutoClose() || options.Contains(doProgressBarMarquee) ||
        options.Contains(doProgressBar)) {
        FTimer = std::make_unique<TTimer>(nullptr);
        FTimer->SetInterval(100);
        FTimer->SetOnTimer(MakeHandler<&TRurMessageForm::TimerTick>(this));
    }

    if (options.Contains(doProgressBar)) {
        FProgressBar = new TProgressBar(this);
        FProgressBar->SetName(u"ProgressBar");
        FProgressBar->SetParent(this);
        FProgressBar->SetBounds(FHorzMargin, y, FProgressBar->Width(), S(12));
        FProgressBar->SetMin(dialog->ProgressBarMin());
        FProgressBar->SetMax(dialog->ProgressBarMax());
        FProgressBar->SetPosition(0);
        if (options.Contains(doProgressBarMarquee)) {
            FProgressBar->SetStyle(pbstMarquee);
            FProgressBar->SetMarqueeInterval(10);
        }
    }

    if (dialog->RadioButtons()->Count() > 0) {
        dialog->SetRadioButtonResult(options.Contains(doNoDefaultRadioButton) ? 0 : dialog->DefaultRadioButton());
        for (int i = 0; i < dialog->RadioButtons()->Count(); ++i) {
            TWinControl* radio = dialog->CreateRadioButton(this);
            FRadioList.push_back(radio);
            dialog->InitRadioButton(this, radio, MakeHandler<&TRurMessageForm::RadioClick>(this), i);
            const String& text = dialog->RadioButtons()->Strings(i);
            const int left = FHorzParaMargin + FHorzMargin;
            radio->SetBounds(left, radio->Top(), Width() - left - 4, radio->Height());
            FCalcWidth = std::max(FCalcWidth, left + MeasureText(text, 2000).Width + FHorzMargin + S(20));
            dialog->SetRadioButtonCaption(radio, text);
            bool checked;
            if (options.Contains(doNoDefaultRadioButton))
                checked = false;
            else if (dialog->DefaultRadioButton() < 1)
                checked = i == 0;
            else
                checked = i == dialog->DefaultRadioButton() - TaskDialogFirstRadioButton;
            dialog->SetRadioButtonChecked(radio, checked);
        }
    }

    if (!dialog->ExpandedText().empty()) {
        if (options.Contains(doHyperlinks))
            MeasureHTML(dialog->ExpandedText(), Rect(FHorzMargin, y, 300, y + 4096), true, FExpTextXSize,
                        FExpTextYSize);
        else {
            const TTextSize size = MeasureText(EscapedNewLinesAsReturns(dialog->ExpandedText()), 0);
            FExpTextXSize = size.Width;
            FExpTextYSize = size.Height;
        }
        FExpandButton = new TTaskDialogButton(this);
        FExpandButton->SetName(u"ExpandButton");
        FExpandButton->SetParent(this);
        FExpandButton->SetCaption(u"");
        FExpandButton->SetModalResult(0);
        FExpandButton->SetBounds(0, 0, 19, 19);
        FExpandButton->SetOnClick(MakeHandler<&TRurMessageForm::ExpandClick>(this));
        FExpandButton->LoadPictures(u"TD_COLP", u"TD_COLPHOT", u"TD_COLPDOWN", u"");
        // The expander lies in the grey band whenever push buttons make one.
        const bool greyBand = !dialog->CommonButtons().Empty() ||
                              (!options.Contains(doCommandLinks) && dialog->CustomButtons()->Count() > 0);
        if (greyBand)
            FExpandButton->SetBackColor(FFooterColor);
    }

    int verificationWidth = 0;
    if (!dialog->VerificationText().empty()) {
        FVerificationCheck = new TCheckBox(this);
        FVerificationCheck->SetName(u"Verification");
        FVerificationCheck->SetParent(this);
        FVerificationCheck->SetBiDiMode(BiDiMode());
        FVerificationCheck->SetCaption(dialog->VerificationText());
        FVerificationCheck->SetColor(options.Contains(doCommandLinks) ? clWindow : FFooterColor);
        FVerificationCheck->SetOnClick(MakeHandler<&TRurMessageForm::VerificationClick>(this));
        FVerificationCheck->SetChecked(options.Contains(doVerifyChecked));
        dialog->SetVerifyResult(FVerificationCheck->Checked());
        const int textWidthV = MeasureText(dialog->VerificationText(), 0).Width;
        verificationWidth = 2 * FVertSpacing + textWidthV + 16;
        FCalcWidth = std::max(FCalcWidth, FHorzMargin + textWidthV);
        FVerificationCheck->SetBounds(FHorzMargin, 0, verificationWidth, S(16));
    }

    if (!dialog->Footer().empty())
        MeasureFooter(y, S(26));

    int rowWidth = FcmBtnGroupWidth + FcsBtnGroupWidth + verificationWidth;
    if (FExpandButton)
        rowWidth += std::max(MeasureText(dialog->CollapsControlText(), 0).Width,
                             MeasureText(dialog->ExpandControlText(), 0).Width) +
                    FExpandButton->Width() + 2 * FHorzSpacing;

    if (dialog->Content().empty())
        y -= S(20);
    BuildInputControl(FHorzMargin + IconAllowance(), y);

    FCalcWidth = std::max({std::max({rowWidth, textWidth, FFooterXSize}) + 2 * FHorzMargin,
                           FExpTextXSize + 2 * FHorzMargin, FCalcWidth, S(FMinFormWidth)});
    const int widest = Screen->Width() - 2 * GetSystemMetrics(SM_CYEDGE);
    if (FCalcWidth > widest)
        FCalcWidth = widest;
    SetClientWidth(FCalcWidth);
    StretchInputControl();
    if (FProgressBar)
        FProgressBar->SetWidth(ClientWidth() - 2 * FHorzMargin);

    SetPositions();
    if (FExpandButton) {
        FExpanded = !options.Contains(doExpandedDefault);
        SetExpanded(options.Contains(doExpandedDefault));
    }
    SetBounds(Screen->Width() / 2 - Width() / 2, Screen->Height() / 2 - Height() / 2, Width(), Height());
}

void TRurMessageForm::MeasureFooter(int top, int height)
{
    const TTaskDialogFooterIcon footerIcon = FTaskDialog->FooterIcon();
    MeasureHTML(FTaskDialog->Footer(), Rect(FHorzMargin, top, 300, top + height), false, FFooterXSize,
                FFooterYSize);
    FFooterIconID = TaskDialogFormFooterIconId(footerIcon);
    if (FFooterIconID != 0 && !FFooterIcon) {
        FFooterIcon = new TImage(this);
        FFooterIcon->SetName(u"FooterImage");
        FFooterIcon->SetParent(this);
        FFooterIcon->SetVisible(false);
        FFooterIcon->SetBounds(0, 0, S(16), S(16));
    } else if (FFooterIconID == 0 && FFooterIcon) {
        delete FFooterIcon;
        FFooterIcon = nullptr;
    }
}

// ---- Buttons ------------------------------------------------------------------------------------------

void TRurMessageForm::BuildButtons()
{
    TCustomRurTaskDialog& dialog = *FTaskDialog;
    Canvas()->Font()->SetHeight(S(-13));
    const TCommonButtons common = dialog.CommonButtons();
    const int defaultId = dialog.DefaultButton();
    const TTaskDialogOptions options = dialog.Options();
    auto has = [&](TCommonButton b) { return common.Contains(b); };
    TCommonButton defaultButton;
    switch (defaultId) {
    case 0: defaultButton = has(cbOK) ? cbOK : has(cbYes) ? cbYes : cbRetry; break;
    case IDOK: defaultButton = has(cbOK) ? cbOK : cbYes; break;
    case IDCANCEL: defaultButton = has(cbCancel) ? cbCancel : cbNo; break;
    case IDYES: defaultButton = has(cbYes) ? cbYes : cbOK; break;
    case IDNO: defaultButton = has(cbNo) ? cbNo : cbOK; break;
    case IDCLOSE: defaultButton = has(cbClose) ? cbClose : cbOK; break;
    default: defaultButton = cbOK; break;
    }
    TCommonButton cancelCandidate = cbCancel;
    if (defaultId == 0)
        cancelCandidate = has(cbCancel) ? cbCancel : has(cbNo) ? cbNo : cbOK;

    auto makeCommon = [&](TCommonButton b, bool clickHandler) {
        TWinControl* button = dialog.CreateButton(this);
        FcmBtnList.push_back(button);
        button->SetName(TaskDialogButtonName(b));
        button->SetParent(this);
        dialog.SetButtonCaption(button, TaskDialogButtonCaption(b));
        dialog.SetButtonModalResult(button, TaskDialogButtonModalResult(b));
        button->SetTag(b == defaultButton ? 1 : 0);
        if (options.Contains(doAllowDialogCancel) &&
            (TaskDialogButtonModalResult(b) == mrCancel || b == cancelCandidate))
            dialog.SetButtonCancel(button, true);
        if (defaultId != -1 && b == defaultButton) {
            dialog.SetButtonDefault(button, true);
            button->SetTabOrder(0);
        }
        if (clickHandler)
            button->SetOnClick(MakeHandler<&TRurMessageForm::ButtonClick>(this));
        if (defaultId == -1)
            button->SetTabStop(false);
        return button;
    };
    for (int b = cbOK; b <= cbClose; ++b)
        if (has(static_cast<TCommonButton>(b)))
            makeCommon(static_cast<TCommonButton>(b), true);

    TStrings* lines = dialog.CustomButtons();
    const bool inputDialog = dynamic_cast<TRurInputTaskDialog*>(&dialog) != nullptr;
    if (options.Contains(doCommandLinks)) {
        for (int i = 0; i < lines->Count(); ++i) {
            auto* link = new TTaskDialogButton(this);
            FcsBtnList.push_back(link);
            link->SetName(u"Button" + IntToStr(i));
            link->SetParent(this);
            link->SetCaption(lines->Strings(i));
            link->SetMultiLine(dialog.MultiLineButtons());
            link->SetAutoFocus(defaultId != -1 && !inputDialog);
            link->SetModalResult(TaskDialogFirstCustomButton + i);
            if (!options.Contains(doCommandLinksNoIcon))
                link->LoadPictures(u"TD_ARW", u"TD_ARWHOT", u"TD_ARWDOWN", u"TD_ARWDIS");
            link->SetTabStop(defaultId != -1);
            link->SetOnClick(MakeHandler<&TRurMessageForm::ButtonClick>(this));
        }
    } else {
        const int defaultCustom = common.Empty() && defaultId <= 0 ? TaskDialogFirstCustomButton : defaultId;
        for (int i = 0; i < lines->Count(); ++i) {
            TWinControl* button = dialog.CreateButton(this);
            FcsBtnList.push_back(button);
            button->SetName(u"CSButton" + IntToStr(i));
            button->SetParent(this);
            dialog.SetButtonModalResult(button, TaskDialogFirstCustomButton + i);
            if (TaskDialogFirstCustomButton + i == defaultCustom)
                dialog.SetButtonDefault(button, true);
            dialog.SetButtonCaption(button, lines->Strings(i));
            button->SetOnClick(MakeHandler<&TRurMessageForm::ButtonClick>(this));
            if (defaultCustom == -1)
                button->SetTabStop(false);
        }
    }

    if (FcmBtnList.empty() && FcsBtnList.empty()) {
        TWinControl* ok = makeCommon(cbOK, false);
        ok->SetTag(1);
        dialog.SetButtonDefault(ok, true);
    }
}

void TRurMessageForm::SizeButtons()
{
    TCustomRurTaskDialog& dialog = *FTaskDialog;
    Canvas()->Font()->SetHeight(-13);
    const TSize ave = GetAveCharSize();
    int buttonHeight = S(MulDiv(14, ave.cy, 8) - (PlatformWindowsVersion().Major >= 6 ? 3 : 1));
    if (dialog.DefaultButtonHeight() > 0)
        buttonHeight = S(dialog.DefaultButtonHeight());
    // Push buttons fit their captions; a default width set by the application is their least one.
    const int leastWidth = dialog.DefaultButtonWidth() > 0 ? S(dialog.DefaultButtonWidth()) : S(70);
    const int gap = S(MulDiv(4, ave.cx, 4));
    Canvas()->Font()->SetHeight(S(-13) - 2);
    FcmBtnGroupWidth = FcsBtnGroupWidth = 0;

    auto sizePush = [&](TWinControl* button, int& groupWidth) {
        button->Font()->SetHeight(S(-13));
        TFont saved;
        saved.Assign(Canvas()->Font());
        Canvas()->Font()->Assign(button->Font());
        const String caption = button->Caption();
        RECT r{0, 0, 0, 0};
        DrawTextW(TextDrawingHandle(*Canvas()), WidePtr(caption), static_cast<int>(caption.size()), &r,
                  DT_CALCRECT | DT_SINGLELINE | ReadingFlags());
        Canvas()->Font()->Assign(&saved);
        const int width = std::max(S(16) + static_cast<int>(r.right), leastWidth);
        button->SetBounds(button->Left(), button->Top(), width, buttonHeight);
        groupWidth += width + gap;
    };
    for (TWinControl* button : FcmBtnList)
        sizePush(button, FcmBtnGroupWidth);

    if (!dialog.Options().Contains(doCommandLinks)) {
        for (TWinControl* button : FcsBtnList)
            sizePush(button, FcsBtnGroupWidth);
        return;
    }
    TFont heading, body;
    heading.Assign(Canvas()->Font());
    heading.SetHeight(S(-15));
    heading.SetStyle({fsBold});
    body.Assign(Canvas()->Font());
    const bool noIcon = dialog.Options().Contains(doCommandLinksNoIcon);
    int widest = 0;
    for (TWinControl* control : FcsBtnList) {
        auto* link = static_cast<TTaskDialogButton*>(control);
        int height, width;
        MeasureCommandLinkText(*Canvas(), link->Caption(), &heading, true, dialog.MultiLineButtons(), height,
                               width, ReadingFlags(), &body);
        widest = std::max(widest, width + S(26));
        FCalcWidth = std::max(FCalcWidth, noIcon ? widest + FHorzMargin
                                                 : widest + 2 * FHorzMargin + FHorzSpacing + 32);
        link->Font()->Assign(&body);
        link->Font()->SetColor(InstructionColor);
        link->HeadingFont()->Assign(&heading);
        link->HeadingFont()->SetColor(dialog.CommandLinksTextColor());
        link->SetBorderColor(dialog.CommandLinksBorderColor());
        link->SetBorderColorHot(dialog.CommandLinksBorderColorHot());
        const int lineHeight = Canvas()->TextHeight(u"gh") + S(20);
        link->SetBounds(link->Left(), link->Top(), std::max(widest, S(60)),
                        std::max({lineHeight, buttonHeight, height}));
    }
}

TWinControl* TRurMessageForm::FindButton(int buttonId) const
{
    for (TWinControl* button : FcmBtnList)
        if (FTaskDialog->GetButtonModalResult(button) == buttonId)
            return button;
    const int index = buttonId - TaskDialogFirstCustomButton;
    if (index >= 0 && index < static_cast<int>(FcsBtnList.size()))
        return FcsBtnList[static_cast<size_t>(index)];
    return nullptr;
}

// ---- Measuring again --------------------------------------------------------------------------------

void TRurMessageForm::UpdateDialog()
{
    TCustomRurTaskDialog& dialog = *FTaskDialog;
    TMeasuringScope measuring(*Canvas());
    FDPIScale = GetControlDPIScale(this, Canvas());
    Canvas()->Font()->SetHeight(13);
    ScaleMargins(true);
    Canvas()->Font()->SetHeight(S(-13));
    FCalcWidth = Caption().empty() ? 0 : MeasureText(Caption(), 1000).Width + S(50);
    SizeButtons();

    int textWidth, textHeight;
    MeasureInstruction(textWidth, textHeight);
    if (FMessage) {
        FMessage->SetCaption(dialog.Instruction());
        FMessage->Font()->SetHeight(S(-15));
        FMessage->SetBounds(FMessage->Left(), FMessage->Top(), textWidth - IconAllowance(), textHeight);
    }
    dialog.SetRadioButtonResult(dialog.DefaultRadioButton());
    for (size_t i = 0; i < FRadioList.size(); ++i) {
        TWinControl* radio = FRadioList[i];
        const int left = FHorzParaMargin + FHorzMargin;
        radio->SetBounds(left, radio->Top(), Width() - left - 4, radio->Height());
        FCalcWidth = std::max(FCalcWidth, left + MeasureText(dialog.RadioButtons()->Strings(static_cast<int>(i)), 2000).Width +
                                              FHorzMargin + S(20));
    }
    if (FVerificationCheck) {
        FVerificationCheck->SetCaption(dialog.VerificationText());
        FVerificationCheck->SetLeft(FHorzMargin);
        FCalcWidth = std::max(FCalcWidth, FHorzMargin + MeasureText(dialog.VerificationText(), 0).Width);
    }
    FFooterXSize = FFooterYSize = 0;
    if (!dialog.Footer().empty() || FFooterIcon)
        MeasureFooter(0, 26);
    int rowWidth = FcmBtnGroupWidth + FcsBtnGroupWidth;
    if (FExpandButton)
        rowWidth += std::max(MeasureText(dialog.CollapsControlText(), 0).Width,
                             MeasureText(dialog.ExpandControlText(), 0).Width) +
                    FExpandButton->Width() + 2 * FHorzSpacing;
    SetClientWidth(std::max({std::max({rowWidth, textWidth, FFooterXSize}) + 2 * FHorzMargin, FCalcWidth,
                             FMinFormWidth}));
    if (FProgressBar)
        FProgressBar->SetWidth(ClientWidth() - 2 * FHorzMargin);
    SetPositions();
    Invalidate();
}
