// One pass of the GDI caption engine over one line: text fragments are measured or drawn, tags
// change the state (RurHTML_LineTags.cpp).
#include <algorithm>

#include "RurHTML_Engine.h"

int THTMLEngine::TextHeight()
{
    return FText.Height(*FCanvas.Font());
}

TSize THTMLEngine::Extent(const String& AText)
{
    // Each fragment is measured in both passes of its line: the second time it comes from there.
    return FText.Measure(*FCanvas.Font(), AText, FMeasureFlags).Size;
}

void THTMLEngine::DrawFragmentText(const TRect& ABox, const String& AText)
{
    // A word of simple script on a clear brush goes straight to the glyphs at the box's bottom,
    // which is what DrawText would do after laying the one line out once more.
    const TFont& font = *FCanvas.Font();
    const THTMLTextDevice::Extent& extent = FText.Measure(font, AText, FMeasureFlags);
    const bool simple = !FRtl && FOptions.WordWrap && !extent.Advances.empty() && BrushColor() == clNone;
    if (simple)
        FText.TextOut(font, ABox.Left, ABox.Bottom - extent.GlyphHeight, AText, extent);
    else
        FText.DrawText(font, ABox, AText, FDrawFlags);
}

int THTMLEngine::MeasureText(const String& AText)
{
    return Extent(AText).cx;
}

void THTMLEngine::SetFlags(UINT AFlags)
{
    FMeasureFlags = (AFlags & ~UINT(DT_END_ELLIPSIS)) | DT_CALCRECT;
    FDrawFlags = AFlags & ~UINT(DT_EXTERNALLEADING);
}

void THTMLEngine::AssignFont(TFont& ATarget, const TFont& ASource)
{
    // A new font handle costs far more than the comparison: most lines keep their font.
    if (ATarget.Name() == ASource.Name() && ATarget.Height() == ASource.Height() &&
        ATarget.Style() == ASource.Style() && ATarget.Charset() == ASource.Charset() &&
        ATarget.Pitch() == ASource.Pitch() && ATarget.Orientation() == ASource.Orientation() &&
        ATarget.Quality() == ASource.Quality()) {
        ATarget.SetColor(ASource.Color());
        return;
    }
    ATarget.Assign(&ASource);
}

void THTMLEngine::SetBrushColor(TColor AColor)
{
    if (AColor == clNone)
        FCanvas.Brush()->SetStyle(bsClear);
    else
        FCanvas.Brush()->SetColor(AColor);
}

TColor THTMLEngine::BrushColor() const
{
    return FCanvas.Brush()->Style() == bsClear ? clNone : FCanvas.Brush()->Color();
}

void THTMLEngine::FillRect(const TRect& ARect, TColor AColor)
{
    const TColor brush = BrushColor();
    const TColor pen = FCanvas.Pen()->Color();
    FCanvas.Brush()->SetColor(AColor);
    FCanvas.Pen()->SetColor(AColor);
    FCanvas.FillRect(ARect);
    FCanvas.Pen()->SetColor(pen);
    SetBrushColor(brush);
}

String THTMLEngine::DrawLine(String& AText, const TRect& ALineRect, bool AMeasuring, LineMetrics& AMetrics)
{
    Pass pass;
    pass.Measuring = AMeasuring;
    pass.Line = ALineRect;
    pass.Line.Bottom -= AMetrics.SubDescent;
    pass.Metrics = &AMetrics;
    pass.StartHeight = AMetrics.Height;
    AMetrics.Width = 0;
    AMetrics.Height = 0;
    FTextHit = false;
    FImageHit = false;
    FLineTitle.clear();
    pass.Fragment = pass.Line;
    if (!AMeasuring) {
        pass.Fragment.Left += FContIndent;
        if (FParBackground)
            FillRect(TRect(FCaption.Left, pass.Line.Top, FCaption.Right, pass.Line.Top + pass.StartHeight),
                     BrushColor() == clNone ? FCanvas.Pen()->Color() : BrushColor());
        if (FFocusContinues)
            FFocusStart = TPoint(pass.Fragment.Left + 1, pass.Line.Top);
    }

    WalkHTMLLine(
        AText, FOptions.WordWrap, [&] { return pass.LineEnded || pass.StopBefore; },
        [&](std::size_t APos, std::size_t ALength) {
            if (FSwitches.Hidden) {
                // Hidden text counts for the height and the stripped text only, and leaves the line.
                String fragment = AText.substr(APos, ALength);
                DecodeFragmentEntities(fragment);
                if (AMetrics.Height == 0)
                    AMetrics.Height = pass.StartHeight;
                AMetrics.Height = std::max(AMetrics.Height, TextHeight());
                if (FStripping)
                    FResult.StrippedText += fragment;
                AText.erase(APos, ALength);
                return THTMLStep::Removed;
            }
            const std::size_t before = pass.LineText.size();
            TextFragment(pass, AText, APos, ALength);
            return pass.LineText.size() == before ? THTMLStep::Stop : THTMLStep::Next;
        },
        [&](const String& ATag) { return TakeLineTag(pass, ATag, [&] { Tag(pass, ATag); }); });
    FinishPass(pass);
    return pass.LineText;
}

void THTMLEngine::TextFragment(Pass& APass, const String& AText, std::size_t APos, std::size_t ALength)
{
    LineMetrics& m = *APass.Metrics;
    String& fragment = FFragment;
    fragment.assign(AText, APos, ALength);
    const int replaced = DecodeFragmentEntities(fragment);
    if (m.Height == 0)
        m.Height = APass.StartHeight;
    const TSize extent = Extent(fragment);
    const int height = extent.cy;
    if (FSwitches.Sub)
        m.SubDescent = std::max(m.SubDescent, height / 4);
    if (FSwitches.Sup)
        m.SupAscent = std::max(m.SupAscent, height / 4);
    m.Height = std::max(m.Height, height);

    const int width = extent.cx;
    const int widthBefore = m.Width;
    m.Width += width;
    if (APass.Measuring) {
        MeasureFragment(APass, fragment, widthBefore);
        const int available = APass.Line.Right - APass.Line.Left - FContIndent;
        const bool fits = m.Width < available || width >= available;
        if (!fits && FOptions.WordWrap) {
            APass.LineEnded = true;
            m.Width -= width;
            return;
        }
    } else {
        PaintFragment(APass, fragment, width);
    }
    APass.LineText.append(AText, APos, ALength);
    APass.TrailingBlank = replaced == 0 && !fragment.empty() && fragment.back() == u' ';
    // The stripped text is the first pass's, once per line.
    if (FStripping)
        FResult.StrippedText += fragment;
}

int THTMLEngine::MouseOverlaps(int ALineLeft, int AFrom, int ATo) const
{
    const int x = FOptions.MouseX - ALineLeft;
    return x >= AFrom && x <= ATo;
}

void THTMLEngine::MeasureFragment(Pass& APass, const String&, int AWidthBefore)
{
    if (!FInAnchor || !MouseOverlaps(APass.Line.Left, AWidthBefore, APass.Metrics->Width))
        return;
    FTextHit = true;
    if (FOptions.MouseY > APass.Line.Top) {
        FResult.Anchor = FAnchor;
        FResult.FocusAnchor = FLineTitle;
        FHoverPending = true;
        FPendingLink = FLinks;
    }
}

void THTMLEngine::PaintFragment(Pass& APass, const String& AFragment, int AWidth)
{
    TRect r = APass.Fragment;
    if (FSwitches.Sup)
        r.Bottom -= APass.Metrics->SupAscent;
    if (FSwitches.Sub)
        r.Bottom += APass.Metrics->SubDescent;
    r.Bottom -= FTextRaise;
    const int italicExtra = FCanvas.Font()->Style().Contains(fsItalic) ? 2 : 0;
    // The fragment's own box: from its start edge, as wide as it is (to the line end when the
    // ellipsis may cut it).
    TRect box = r;
    if (FRtl) {
        box.Left = FOptions.WordWrap ? r.Right - AWidth - italicExtra : APass.Line.Left;
    } else {
        box.Right = FOptions.WordWrap ? r.Left + AWidth + italicExtra : APass.Line.Right;
    }
    const bool nearEnd = !FOptions.WordWrap && !FRtl && r.Left > APass.Line.Right - MeasureText(u"l");
    if (!nearEnd) {
        if (FSwitches.Shadow) {
            const TColor color = FCanvas.Font()->Color();
            const int offset = FOptions.ShadowOffset;
            TRect shadow(box.Left + offset, box.Top + offset, box.Right + offset, box.Bottom + offset);
            FCanvas.Font()->SetColor(FOptions.ShadowColor);
            DrawFragmentText(shadow, AFragment);
            FCanvas.Font()->SetColor(color);
        }
        DrawFragmentText(box, AFragment);
    }
    if (FInFocusedAnchor)
        FResult.FocusAnchor = FAnchor;
    if (FErrorMark)
        ErrorZigzag(r, FRtl ? r.Right : r.Left + AWidth, APass.Line.Bottom);
    if (FRtl) {
        APass.Fragment.Right -= AWidth;
    } else {
        APass.Fragment.Left += AWidth;
        APass.Fragment.Right = APass.Line.Right;
    }
}

void THTMLEngine::ErrorZigzag(const TRect& AFragment, int ATextEnd, int ABottom)
{
    const int start = std::min(AFragment.Left, ATextEnd) & ~1;
    const int end = std::max(AFragment.Left, ATextEnd);
    const TColor pen = FCanvas.Pen()->Color();
    const int penWidth = FCanvas.Pen()->Width();
    FCanvas.Pen()->SetColor(clRed);
    FCanvas.Pen()->SetWidth(1);
    // The phase follows x, so that neighbouring fragments join.
    auto yAt = [ABottom](int x) { return (x % 4 == 0) ? ABottom - 1 : ABottom + 1; };
    FCanvas.MoveTo(start, yAt(start));
    for (int x = start + 2; x <= end; x += 2)
        FCanvas.LineTo(x, yAt(x));
    FCanvas.Pen()->SetColor(pen);
    FCanvas.Pen()->SetWidth(penWidth);
}

void THTMLEngine::EndLine(Pass& APass)
{
    APass.LineEnded = true;
}

void THTMLEngine::FinishPass(Pass& APass)
{
    LineMetrics& m = *APass.Metrics;
    if (m.Height == 0)
        m.Height = APass.StartHeight;
    if (APass.TrailingBlank)
        m.Width -= MeasureText(u" ");
    if (FResult.XSize < m.Width)
        FResult.XSize = m.Width + 2;
    FFocusContinues = false;
    if (!APass.Measuring && FInFocusedAnchor) {
        // The focused link goes on in the next line: its part on this line is framed now.
        TRect focus(FFocusStart.X - 1, APass.Line.Top, APass.Fragment.Left + 1, APass.Line.Bottom);
        FCanvas.DrawFocusRect(focus);
        FFocusContinues = true;
    }
}
