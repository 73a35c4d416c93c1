// The dialog form's layout pass: from the top, instruction, content, input control, progress bar,
// radio buttons, expanded text and command links in the white area; then the row of expander,
// verification box and push buttons, and the footer.
#include <algorithm>

#include "Math.h"
#include "PlatformFacts.h"
#include "RurStyleIF.h"
#include "TaskDialog_Form.h"

TRect TRurMessageForm::ContentRect() const
{
    const int left = FIcon ? FIcon->Left() + FIcon->Width() + FHorzSpacing : FHorzMargin;
    const int top = FMessage && FMessage->Visible() ? FMessage->Top() + FMessage->Height() + FVertSpacing : FVertMargin;
    return Rect(left, top, ClientWidth() - FHorzMargin, top + FContentYSize);
}

TRect TRurMessageForm::ExpandedTextRect() const
{
    const TRect content = ContentRect();
    return Rect(content.Left, FExpTextTop, content.Right, FExpTextTop + FExpTextYSize);
}

TRect TRurMessageForm::FooterRect() const
{
    return Rect(FHorzMargin, ClientHeight() - FFooterYSize - 10, ClientWidth() - FHorzMargin, ClientHeight());
}

// The room an input control takes below the content.
int TRurMessageForm::InputAllowance() const
{
    switch (FTaskDialog->InputType()) {
    case itEdit:
    case itPassword:
    case itComboEdit:
    case itComboList:
    case itDate:
    case itTime:
        return 36;
    case itMemo:
        return FInputMemo ? FInputMemo->Height() + 10 : 36;
    case itCustom:
        return FTaskDialog->InputControl() ? FTaskDialog->InputControl()->Height() + 16 : 36;
    case itNone:
        break;
    }
    return 0;
}

void TRurMessageForm::SetPositions()
{
    TCustomRurTaskDialog& dialog = *FTaskDialog;
    const TTaskDialogOptions options = dialog.Options();
    TMeasuringScope measuring(*Canvas());
    FDPIScale = GetControlDPIScale(this, Canvas());
    Canvas()->Font()->SetHeight(-13);
    ScaleMargins(false);
    const int gap = S(MulDiv(4, GetAveCharSize().cx, 4));
    Canvas()->Font()->SetHeight(S(-13));
    FcmBtnGroupWidth = FcsBtnGroupWidth = 0;
    int y = FVertMargin;

    if (FMessage) {
        FMessage->SetTransparent(true);
        FMessage->Font()->SetHeight(S(-15));
        if (!FMessage->Caption().empty())
            y += FMessage->Height() + FVertSpacing;
        else
            FMessage->SetVisible(false);
    }

    const bool commandLinks = options.Contains(doCommandLinks);
    if (!dialog.Content().empty()) {
        TRect rect = ContentRect();
        rect.Top = y;
        if (options.Contains(doHyperlinks)) {
            MeasureHTML(dialog.Content(), Rect(rect.Left, rect.Top, rect.Right, rect.Top + 4096), true, FContentXSize,
                        FContentYSize);
        } else {
            const String& content = dialog.Content();
            const TTextSize size =
                MeasureText(HasEscapedNewLine(content) ? EscapedNewLinesAsReturns(content) : content, rect.Width());
            FContentXSize = size.Width;
            FContentYSize = size.Height;
        }
        if (rect.Width() < FContentXSize)
            SetClientWidth(ClientWidth() + FContentXSize - rect.Width());
        int height = FContentYSize;
        if (!FMessage && FIcon)
            height = std::max(height, FIcon->Height());
        y += height + FVertSpacing;
        if (TWinControl* input = InputKindControl())
            input->SetTop(y - 10);
    } else {
        FContentXSize = FContentYSize = 0;
        if (FRadioList.empty() && !commandLinks)
            y += FVertSpacing;
        if (!FMessage && FIcon)
            y += FVertSpacing + FVertMargin;
    }
    y += InputAllowance();

    if (FProgressBar) {
        if (FIcon)
            y = std::max(y, FIcon->Top() + FIcon->Height() + 3);
        FProgressBar->SetTop(y);
        y += FProgressBar->Height() + FVertSpacing;
    }

    if (!FRadioList.empty()) {
        for (TWinControl* radio : FRadioList) {
            radio->SetBounds(radio->Left(), y, ClientWidth() - radio->Left() - FHorzMargin, radio->Height());
            y += radio->Height() + 4;
        }
        y += FVertSpacing - 4;
    }

    if (!dialog.ExpandedText().empty() && FExpanded) {
        const TRect content = ContentRect();
        if (options.Contains(doHyperlinks)) {
            MeasureHTML(dialog.ExpandedText(), Rect(content.Left, y, content.Right, y + 4096), true, FExpTextXSize,
                        FExpTextYSize);
        } else {
            const String& text = dialog.ExpandedText();
            const TTextSize size =
                MeasureText(HasEscapedNewLine(text) ? EscapedNewLinesAsReturns(text) : text, content.Width());
            FExpTextXSize = size.Width;
            FExpTextYSize = size.Height;
        }
        FExpTextTop = y;
        y += FExpTextYSize + FVertSpacing;
    }

    if (commandLinks) {
        for (TWinControl* link : FcsBtnList) {
            const int left = FIcon ? FHorzParaMargin : link->Left();
            link->SetBounds(left, y, ClientWidth() - left - FHorzMargin, link->Height());
            y += link->Height() + 2;
        }
        FWhiteWindowHeight = y;
        y += FVertSpacing;
    } else {
        for (TWinControl* button : FcsBtnList)
            FcsBtnGroupWidth += button->Width();
        if (!FcsBtnList.empty())
            FcsBtnGroupWidth += static_cast<int>(FcsBtnList.size() - 1) * gap;
    }
    for (TWinControl* button : FcmBtnList)
        FcmBtnGroupWidth += button->Width();
    if (!FcmBtnList.empty())
        FcmBtnGroupWidth += static_cast<int>(FcmBtnList.size() - 1) * gap;

    // The row of expander, verification box and push buttons.
    int x = ClientWidth() - FcsBtnGroupWidth - FcmBtnGroupWidth - FHorzSpacing;
    if (!dialog.ExpandedText().empty())
        x -= 4;
    int h = y;
    int rowHeight = 0;
    if (FExpandButton) {
        FExpandButton->SetBounds(FVertMargin, y + 4, FExpandButton->Width(), FExpandButton->Height());
        rowHeight = std::max(rowHeight, FExpandButton->Height());
    }
    if (FVerificationCheck) {
        // Room for the box and its whole caption.
        const int width = MeasureText(dialog.VerificationText(), 0).Width + S(24);
        FVerificationCheck->SetBounds(S(3) + FVertMargin, S(12) + y + rowHeight, width, FVerificationCheck->Height());
    }
    std::vector<TWinControl*> row;
    if (!commandLinks)
        row = FcsBtnList;
    row.insert(row.end(), FcmBtnList.begin(), FcmBtnList.end());
    for (TWinControl* button : row) {
        button->SetBounds(x, y + 8, button->Width(), button->Height());
        x += button->Width() + gap;
        rowHeight = std::max(rowHeight, button->Height());
    }
    if (!row.empty())
        FWhiteWindowHeight = row.front()->Top();

    if (FVerificationCheck) {
        if (FcmBtnList.empty() && FcsBtnList.empty())
            h += FVerificationCheck->Height();
        else
            h += commandLinks ? FVerificationCheck->Height() : rowHeight;
        if (!dialog.ExpandedText().empty())
            h += FVertSpacing;
        y += FVertSpacing + std::max(FVerificationCheck->Height(), rowHeight);
    } else {
        h += rowHeight;
        if (rowHeight > 0)
            y += rowHeight + FVertSpacing;
    }

    if (!dialog.Footer().empty()) {
        const int left = FHorzMargin + (FFooterIcon ? S(20) : 0);
        MeasureHTML(dialog.Footer(), Rect(left, y, Width() - FHorzMargin, y + 4096), true, FFooterXSize, FFooterYSize);
        if (FFooterIcon)
            FFooterIcon->SetTop(y);
        h += std::max(FFooterYSize, FFooterIcon ? S(20) : 0) + FVertSpacing;
    } else {
        FFooterXSize = FFooterYSize = 0;
    }

    h += FVertMargin;
    if (!IsVistaOrLater() && FVerificationCheck)
        h += S(4);
    SetClientHeight(h);

    if (FcmBtnList.empty() && (commandLinks || FcsBtnList.empty()))
        FWhiteWindowHeight = Height();
    if (options.Contains(doExpandedFooter) && FExpanded && !dialog.ExpandedText().empty())
        FWhiteWindowHeight = FExpTextTop;
}

void TRurMessageForm::SetExpanded(bool value)
{
    if (!FExpandButton)
        return;
    if (value != FExpanded) {
        if (value)
            FExpandButton->LoadPictures(u"TD_COLP", u"TD_COLPHOT", u"TD_COLPDOWN", u"");
        else
            FExpandButton->LoadPictures(u"TD_EXP", u"TD_EXPHOT", u"TD_EXPDOWN", u"");
        FExpanded = value;
    }
    SetPositions();
    Invalidate();
}
