// The group box: an etched frame whose top edge carries the caption.
#include "StdCtrls.h"

#include "WideText.h"

namespace {

// Where the caption starts along the top edge, from the near corner.
constexpr int CaptionIndent = 8;
// Blank space on either side of the caption, where the frame line stops.
constexpr int CaptionGap = 2;

} // namespace

TAVIN_PUBLISHED(TGroupBox)
{
    TAVIN_PROPERTY(String, Caption).Stored(&ThisClass::IsCaptionStored);
}

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TCustomControl(owner)
{
    FControlStyle = FControlStyle + TControlStyle{csAcceptsControls, csSetCaption, csOpaque};
    SetBounds(0, 0, 185, 105);
}

int TCustomGroupBox::CaptionHeight()
{
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, Font()->Handle());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return metrics.tmHeight;
}

void TCustomGroupBox::AlignControls(TControl* control, TRect& rect)
{
    rect.Top += CaptionHeight();
    rect.Left += CaptionGap;
    rect.Right -= CaptionGap;
    rect.Bottom -= CaptionGap;
    TCustomControl::AlignControls(control, rect);
}

void TCustomGroupBox::WndProc(TMessage& message)
{
    TCustomControl::WndProc(message);
    if (message.Msg == CM_TEXTCHANGED || message.Msg == CM_FONTCHANGED) {
        Invalidate();
        Realign();
    }
}

void TCustomGroupBox::Paint()
{
    HDC dc = Canvas()->Handle();
    const int height = CaptionHeight();
    RECT frame{0, height / 2, Width(), Height()};
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    const String text = Caption();
    if (text.empty())
        return;
    SelectObject(dc, Font()->Handle());
    const TSize size = ShapedTextExtent(dc, text);
    const bool rightToLeft = UseRightToLeftAlignment();
    const int left = rightToLeft ? Width() - CaptionIndent - size.cx : CaptionIndent;
    RECT band{left - CaptionGap, 0, left + size.cx + CaptionGap, height};
    HBRUSH background = CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(Color())));
    FillRect(dc, &band, background);
    DeleteObject(background);
    RECT textRect{left, 0, left + size.cx, height};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(Enabled() ? Font()->Color() : clGrayText)));
    DrawTextW(dc, WidePtr(text), static_cast<int>(text.size()), &textRect,
              DT_SINGLELINE | (UseRightToLeftReading() ? DT_RTLREADING : 0));
}
