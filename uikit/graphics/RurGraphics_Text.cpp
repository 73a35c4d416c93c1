// The drawing object's text: plain text through the back end, markup through the caption engine's
// vector renderer, optionally split at line-break tags and handled line by line.
#include "Math.h"
#include "RurGraphicsHTMLEngine.h"
#include "RurGraphics.h"
#include "RurUtils.h"
#include "SysUtils.h"

namespace {

TRurGraphicsHTMLRenderer HTMLRenderer = nullptr;

constexpr TRectF MeasureBox{0, 0, 10000, 10000};

// The line-break tag the text is split at, spelled as at its first occurrence; empty for none.
String LineBreakSeparator(const String& AText)
{
    const String upper = UpperCase(AText);
    const size_t shortForm = upper.find(u"<BR>");
    const size_t longForm = upper.find(u"<BR/>");
    if (shortForm == String::npos && longForm == String::npos)
        return {};
    if (longForm == String::npos || (shortForm != String::npos && shortForm < longForm))
        return AText.substr(shortForm, 4);
    return AText.substr(longForm, 5);
}

std::vector<String> SplitAt(const String& AText, const String& ASeparator)
{
    std::vector<String> lines;
    size_t start = 0;
    for (size_t at; (at = AText.find(ASeparator, start)) != String::npos; start = at + ASeparator.size())
        lines.push_back(AText.substr(start, at - start));
    lines.push_back(AText.substr(start));
    return lines;
}


} // namespace

void TRurGraphics::SetHTMLRenderer(TRurGraphicsHTMLRenderer ARenderer) { HTMLRenderer = ARenderer; }

bool TRurGraphics::IsMarkup(const String& AText)
{
    return AText.find(u"</") != String::npos || AText.find(u"/>") != String::npos ||
           UpperCase(AText).find(u"<BR>") != String::npos;
}

String TRurGraphics::ApplyHilight(const String& AText, const String& AHilight, const String& ATag, bool ADoCase)
{
    String result;
    HilightText(AText, AHilight, ATag, result, ADoCase);
    return result;
}

bool TRurGraphics::RenderMarkup(TRurGraphicsHTMLRequest& ARequest)
{
    ARequest.Graphics = this;
    return HTMLRenderer(ARequest);
}

TRectF TRurGraphics::InternalCalculateText(const String& AText, TRectF ARect, bool AWordWrapping, bool ASupportHTML)
{
    TRectF r = ARect;
    if (Round(RectFWidth(r)) <= 0) {
        r.Bottom = r.Top;
        return r;
    }
    if (AText.empty())
        return {r.Left, r.Top, r.Left, r.Top};
    if (ASupportHTML && HTMLRenderer && IsMarkup(AText)) {
        TRurGraphicsHTMLRequest request;
        request.Text = AText;
        request.Rect = ARect;
        request.MeasureOnly = true;
        request.WordWrap = AWordWrapping;
        RenderMarkup(request);
        return {r.Left, r.Top, r.Left + request.XSize, r.Top + request.YSize + 1};
    }
    r = Context()->CalculateText(AText, ARect, AWordWrapping);
    r.Bottom += 1;
    return r;
}

TRectF TRurGraphics::CalculateText(const String& AText, TRectF ARect, bool AWordWrapping, bool ASupportHTML)
{
    if (FOptimizedHTMLDrawing && TRurUtils::IsHTML(AText)) {
        const String separator = LineBreakSeparator(AText);
        if (!separator.empty()) {
            float height = 0;
            for (const String& line : SplitAt(AText, separator))
                height += RectFHeight(InternalCalculateText(line, ARect, AWordWrapping, ASupportHTML));
            return {ARect.Left, ARect.Top, ARect.Right, ARect.Top + height};
        }
    }
    return InternalCalculateText(AText, ARect, AWordWrapping, ASupportHTML);
}

TRect TRurGraphics::CalculateText(const String& AText, const TRect& ARect, bool AWordWrapping, bool ASupportHTML)
{
    return RectFToRect(CalculateText(AText, RectToRectF(ARect), AWordWrapping, ASupportHTML));
}

TRectF TRurGraphics::CalculateText(const String& AText) { return CalculateText(AText, MeasureBox, false, true); }
TRect TRurGraphics::CalculateTextInt(const String& AText) { return RectFToRect(CalculateText(AText)); }

TSizeF TRurGraphics::CalculateTextSize(const String& AText, TRectF ARect, bool AWordWrapping, bool ASupportHTML)
{
    const TRectF r = CalculateText(AText, ARect, AWordWrapping, ASupportHTML);
    return {RectFWidth(r), RectFHeight(r)};
}

TSizeF TRurGraphics::CalculateTextSize(const String& AText) { return CalculateTextSize(AText, MeasureBox); }
TSize TRurGraphics::CalculateTextSizeInt(const String& AText) { return SizeFToSize(CalculateTextSize(AText)); }
float TRurGraphics::CalculateTextWidth(const String& AText) { return CalculateTextSize(AText).cx; }
float TRurGraphics::CalculateTextHeight(const String& AText) { return CalculateTextSize(AText).cy; }
int TRurGraphics::CalculateTextWidthInt(const String& AText) { return static_cast<int>(Round(CalculateTextWidth(AText))); }
int TRurGraphics::CalculateTextHeightInt(const String& AText)
{
    return static_cast<int>(Round(CalculateTextHeight(AText)));
}

String TRurGraphics::DrawText(TRectF ARect, const String& AText, String& AControlID, String& AControlValue,
                              String& AControlType, bool AWordWrapping, TRurGraphicsTextAlign AHorizontalAlign,
                              TRurGraphicsTextAlign AVerticalAlign, TRurGraphicsTextTrimming ATrimming, float AAngle,
                              float AMinWidth, float AMinHeight, bool ASupportHTML, bool ATestAnchor, float AX,
                              float AY)
{
    if (!ATestAnchor && FOptimizedHTMLDrawing && TRurUtils::IsHTML(AText)) {
        const String separator = LineBreakSeparator(AText);
        if (!separator.empty()) {
            TRectF running = ARect;
            for (const String& line : SplitAt(AText, separator)) {
                const TRectF r = CalculateText(line, running, AWordWrapping, ASupportHTML);
                InternalDrawText({r.Left, r.Top, r.Right + 1, r.Bottom}, line, AControlID, AControlValue,
                                 AControlType, AWordWrapping, AHorizontalAlign, AVerticalAlign, ATrimming, AAngle,
                                 AMinWidth, AMinHeight, ASupportHTML, ATestAnchor, AX, AY);
                running.Top += RectFHeight(r);
                running.Bottom += RectFHeight(r);
            }
            return {};
        }
    }
    return InternalDrawText(ARect, AText, AControlID, AControlValue, AControlType, AWordWrapping, AHorizontalAlign,
                            AVerticalAlign, ATrimming, AAngle, AMinWidth, AMinHeight, ASupportHTML, ATestAnchor, AX,
                            AY);
}

String TRurGraphics::DrawText(TRectF ARect, const String& AText, bool AWordWrapping,
                              TRurGraphicsTextAlign AHorizontalAlign, TRurGraphicsTextAlign AVerticalAlign,
                              TRurGraphicsTextTrimming ATrimming, float AAngle, float AMinWidth, float AMinHeight,
                              bool ASupportHTML, bool ATestAnchor, float AX, float AY)
{
    String id, value, type;
    return DrawText(ARect, AText, id, value, type, AWordWrapping, AHorizontalAlign, AVerticalAlign, ATrimming, AAngle,
                    AMinWidth, AMinHeight, ASupportHTML, ATestAnchor, AX, AY);
}

String TRurGraphics::DrawText(const TRect& ARect, const String& AText, bool AWordWrapping,
                              TRurGraphicsTextAlign AHorizontalAlign, TRurGraphicsTextAlign AVerticalAlign,
                              TRurGraphicsTextTrimming ATrimming, float AAngle, float AMinWidth, float AMinHeight,
                              bool ASupportHTML, bool ATestAnchor, float AX, float AY)
{
    return DrawText(RectToRectF(ARect), AText, AWordWrapping, AHorizontalAlign, AVerticalAlign, ATrimming, AAngle,
                    AMinWidth, AMinHeight, ASupportHTML, ATestAnchor, AX, AY);
}

String TRurGraphics::DrawText(TPointF APoint, const String& AText, float AAngle, bool ASupportHTML, bool ATestAnchor,
                              float AX, float AY)
{
    return DrawText(TRectF{APoint.X, APoint.Y, APoint.X + 10000, APoint.Y + 10000}, AText, false, gtaLeading, gtaLeading,
                    gttNone, AAngle, -1, -1, ASupportHTML, ATestAnchor, AX, AY);
}

String TRurGraphics::InternalDrawText(TRectF ARect, const String& AText, String& AControlID, String& AControlValue,
                                      String& AControlType, bool AWordWrapping,
                                      TRurGraphicsTextAlign AHorizontalAlign, TRurGraphicsTextAlign AVerticalAlign,
                                      TRurGraphicsTextTrimming ATrimming, float AAngle, float AMinWidth,
                                      float AMinHeight, bool ASupportHTML, bool ATestAnchor, float AX, float AY)
{
    const TColor fillColor = Context()->GetFillColor();
    Context()->SetFillColor(FFont->Color());
    struct RestoreFill {
        TRurGraphicsContext* context;
        TColor color;
        ~RestoreFill() { context->SetFillColor(color); }
    } restoreFill{Context(), fillColor};

    TRectF rect = ARect;
    if (AMinHeight > -1 && RectFHeight(rect) < AMinHeight)
        rect.Bottom = rect.Top + AMinHeight;
    if (AMinWidth > -1 && RectFWidth(rect) < AMinWidth)
        rect.Right = rect.Left + AMinWidth;
    const TRectF r = Context()->SetTextAngle(rect, AAngle);
    struct ResetAngle {
        TRurGraphicsContext* context;
        float angle;
        ~ResetAngle() { context->ResetTextAngle(angle); }
    } resetAngle{Context(), AAngle};

    String result;
    if (ASupportHTML && HTMLRenderer && IsMarkup(AText)) {
        AControlID.clear();
        AControlValue.clear();
        AControlType.clear();
        TRurGraphicsHTMLRequest measure;
        measure.Text = AText;
        measure.Rect = r;
        measure.MeasureOnly = true;
        measure.WordWrap = AWordWrapping;
        RenderMarkup(measure);
        const float w = measure.XSize + 1;
        const float h = measure.YSize + 1;
        TRectF layout = r;
        if (!AWordWrapping || measure.LineCount <= 1) {
            const auto place = [](TRurGraphicsTextAlign align, float from, float size, float to, float extent) {
                switch (align) {
                case gtaCenter:
                    return from + (size - extent) / 2;
                case gtaTrailing:
                    return to - extent;
                default:
                    return from;
                }
            };
            const float x = place(AHorizontalAlign, r.Left, RectFWidth(r), r.Right, w);
            const float y = place(AVerticalAlign, r.Top, RectFHeight(r), r.Bottom, h);
            layout = {x, y, x + w, y + h};
        }
        auto state = SaveState(true);
        ClipRect(r);
        TRurGraphicsHTMLRequest draw;
        draw.Text = AText;
        draw.Rect = layout;
        draw.X = static_cast<int>(Round(AX));
        draw.Y = static_cast<int>(Round(AY));
        draw.HitTest = ATestAnchor;
        draw.WordWrap = AWordWrapping;
        const bool found = RenderMarkup(draw);
        RestoreState(std::move(state), true);
        AControlID = draw.ControlID;
        AControlValue = draw.ControlValue;
        AControlType = draw.ControlType;
        if (found)
            result = draw.Anchor;
    } else if (!ATestAnchor) {
        Context()->DrawText(AText, r, AWordWrapping, AHorizontalAlign, AVerticalAlign, ATrimming, AAngle);
    }
    return result;
}
