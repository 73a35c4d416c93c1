// The dialog form's painting: the grey band below the white area, the content and expanded texts,
// the expander's caption and the footer with its icon.
#include "PlatformFacts.h"
#include "RurStyleIF.h"
#include "TaskDialog_Form.h"

namespace {

// Draws the canvas's current pen colour as a horizontal line.
void HorizontalLine(TCanvas& canvas, int left, int right, int y, TColor color)
{
    canvas.Pen()->SetColor(color);
    canvas.MoveTo(left, y);
    canvas.LineTo(right, y);
}

} // namespace

void TRurMessageForm::PaintWindow(HDC dc)
{
    // In a mirrored form the pictures keep their own orientation.
    if (GetLayout(dc) & LAYOUT_RTL)
        SetLayout(dc, LAYOUT_RTL | LAYOUT_BITMAPORIENTATIONPRESERVED);
    Canvas()->SetHandle(dc);
    struct TDetach {
        TCanvas& Canvas;
        ~TDetach() { Canvas.SetHandle(nullptr); }
    } detach{*Canvas()};
    TCanvas& canvas = *Canvas();
    if (OnPaint())
        OnPaint()(this);
    if (!FTaskDialog)
        return;
    const TRect client = ClientRect();
    if (FWhiteWindowHeight > 0) {
        const int top = FWhiteWindowHeight - FVertSpacing / 2;
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(FFooterColor);
        canvas.FillRect(Rect(0, top, client.Right, client.Bottom));
        HorizontalLine(canvas, 0, client.Right, top, FFooterLineColor);
        if (!IsVistaOrLater()) {
            canvas.Brush()->SetStyle(bsClear);
            canvas.Pen()->SetColor(0x808080);
            canvas.Rectangle(1, 1, client.Right - 1, client.Bottom - 1);
        }
    }
    canvas.Brush()->SetStyle(bsClear);
    const TColor savedColor = canvas.Font()->Color();
    canvas.Font()->SetColor(FTaskDialog->NormalFontColor());
    if (!FTaskDialog->Content().empty())
        DrawBodyText(canvas, FTaskDialog->Content(), ContentRect());
    if (FExpanded && !FTaskDialog->ExpandedText().empty())
        DrawBodyText(canvas, FTaskDialog->ExpandedText(), ExpandedTextRect());
    if (FExpandButton) {
        const String& text = FExpanded ? FTaskDialog->ExpandControlText() : FTaskDialog->CollapsControlText();
        RECT r{FExpandButton->Left() + FExpandButton->Width() + FHorzSpacing - 5, FExpandButton->Top(), client.Right,
               FExpandButton->Top() + FExpandButton->Height()};
        DrawTextW(TextDrawingHandle(canvas), WidePtr(text), static_cast<int>(text.size()), &r,
                  DT_SINGLELINE | DT_VCENTER | ReadingFlags());
    }
    canvas.Font()->SetColor(savedColor);
    if (!FTaskDialog->Footer().empty())
        PaintFooter(canvas);
}

void TRurMessageForm::DrawBodyText(TCanvas& canvas, const String& text, const TRect& rect)
{
    if (FTaskDialog->Options().Contains(doHyperlinks)) {
        THTMLDrawResult result;
        HTMLDraw(canvas, DialogHTMLText(text), rect, DialogHTMLOptions(false, false, BiDiMode()), result);
        return;
    }
    const String shown = HasEscapedNewLine(text) ? EscapedNewLinesAsReturns(text) : text;
    RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    DrawTextW(TextDrawingHandle(canvas), WidePtr(shown), static_cast<int>(shown.size()), &r,
              DT_NOPREFIX | DT_EXPANDTABS | DT_WORDBREAK | DT_VCENTER | ReadingFlags());
}

void TRurMessageForm::PaintFooter(TCanvas& canvas)
{
    TRect footer = FooterRect();
    const int lineY = footer.Top - FVertSpacing + 6;
    HorizontalLine(canvas, 2, ClientWidth() - 3, lineY, FFooterLineColor);
    HorizontalLine(canvas, 2, ClientWidth() - 3, lineY + 1, clWhite);
    if (FFooterIconID != 0) {
        const int size = S(16);
        TBitmap picture;
        picture.SetSize(32, 32);
        picture.Canvas()->Brush()->SetColor(FFooterColor);
        picture.Canvas()->FillRect(Rect(0, 0, 32, 32));
        if (FTaskDialog->FooterIcon() == tfiShield) {
            TBitmap shield;
            LoadDialogBitmap(shield, u"TD_SHIELD");
            picture.Canvas()->Draw(0, 0, &shield);
        } else {
            auto icon = static_cast<HICON>(
                LoadImageW(nullptr, MAKEINTRESOURCEW(FFooterIconID), IMAGE_ICON, 32, 32, LR_SHARED));
            DrawIconEx(picture.Canvas()->Handle(), 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL);
        }
        const int oldMode = SetStretchBltMode(canvas.Handle(), HALFTONE);
        StretchBlt(canvas.Handle(), footer.Left, footer.Top, size, size, picture.Canvas()->Handle(), 0, 0, 32, 32,
                   SRCCOPY);
        SetStretchBltMode(canvas.Handle(), oldMode);
        footer.Left += S(4) + size;
    }
    const TColor savedColor = canvas.Font()->Color();
    canvas.Font()->SetColor(FFooterTextColor);
    canvas.Brush()->SetStyle(bsClear);
    THTMLDrawResult result;
    HTMLDraw(canvas, DialogHTMLText(FTaskDialog->Footer()), footer, DialogHTMLOptions(false, false, BiDiMode()), result);
    canvas.Font()->SetColor(savedColor);
}
