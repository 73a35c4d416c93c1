// The Office 2019 look underlines the selected tab's text; when another tab is selected (or the
// mouse makes the line span the whole tab) the line slides there over a few 20 ms ticks.
#include "RurRibbonPager.h"

#include <cmath>

#include "Math.h"
#include "RurToolBar_Platform.h"

namespace {
int Nearest(double value) { return static_cast<int>(Round(value)); }

// One step of an end towards its target, snapping once within a pixel.
double StepTowards(double current, int target, double delta)
{
    const double next = current >= target ? current - delta : current + delta;
    return std::abs(next - target) <= 1 ? target : next;
}
} // namespace

void TRurToolBarPager::DrawTabLine(TCanvas* canvas, const TRect& textRect, const TRect& measured, bool squeezed,
                                   bool hot)
{
    const double s = DPIScale;
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(FLineColor);
    if (FAnimating) {
        canvas->FillRect(Rect(Nearest(FCurLineStart), FLineBottom - Nearest(s), Nearest(FCurLineEnd),
                              FLineBottom + Nearest(2 * s)));
        return;
    }
    if (!hot || FMouseDown) {
        // Under the text, centred in its rectangle.
        const int w = std::min(measured.Width(), textRect.Width());
        FNewLineStart = textRect.Left + (textRect.Width() - w) / 2;
        FNewLineEnd = FNewLineStart + w;
        if (squeezed)
            FNewLineEnd -= FTabSettings->LeftMargin();
    } else {
        FNewLineStart = textRect.Left;
        FNewLineEnd = textRect.Right;
    }
    FLineBottom = textRect.Bottom - Nearest(3 * s);
    if (Nearest(FCurLineStart) != FNewLineStart || Nearest(FCurLineEnd) != FNewLineEnd) {
        AnimateTabLine();
        return;
    }
    canvas->FillRect(Rect(FNewLineStart, FLineBottom - Nearest(s), FNewLineEnd, FLineBottom + Nearest(2 * s)));
}

void TRurToolBarPager::AnimateTabLine()
{
    if (ComponentState().Contains(csDesigning)) {
        FCurLineStart = FNewLineStart;
        FCurLineEnd = FNewLineEnd;
        Invalidate();
        return;
    }
    FAnimating = true;
    FDeltaStart = std::abs(FNewLineStart - FCurLineStart) / 5;
    FDeltaEnd = std::abs(FNewLineEnd - FCurLineEnd) / 5;
    if (!FDLTimer) {
        FDLTimer = std::make_unique<TTimer>(nullptr);
        FDLTimer->SetInterval(20);
        FDLTimer->SetOnTimer(MakeHandler<&TRurToolBarPager::TabLineAnimationTick>(this));
    }
    FDLTimer->SetEnabled(true);
    Invalidate();
}

void TRurToolBarPager::TabLineAnimationTick(TObject*)
{
    FCurLineStart = StepTowards(FCurLineStart, FNewLineStart, FDeltaStart);
    FCurLineEnd = StepTowards(FCurLineEnd, FNewLineEnd, FDeltaEnd);
    if (FCurLineStart == FNewLineStart && FCurLineEnd == FNewLineEnd) {
        FDLTimer->SetEnabled(false);
        FAnimating = false;
    }
    Invalidate();
}
