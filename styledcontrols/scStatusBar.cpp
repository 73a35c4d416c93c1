#include "scStatusBar.h"

#include "Forms.h"
#include "scHookBuffer.h"

TAVIN_PUBLISHED(TscStatusBar) {}

TscStatusBar::TscStatusBar(TComponent* owner) : TStatusBar(owner)
{
    FControlStyle.Include(csAcceptsControls);
    FControlStyle.Include(csOpaque);
    SetUseSystemFont(false);
}

void TscStatusBar::WndProc(TMessage& message)
{
    TStatusBar::WndProc(message);
    if (message.Msg == WM_SIZE && ControlCount() > 0)
        Realign();
}

void TscStatusBar::ChangeScale(int m, int d, bool isDpiChange)
{
    int first = -1, firstWidth = 0;
    for (int i = 0; i < Panels()->Count() && first < 0; ++i)
        if (Panels()->Items(i)->Width() > 0) {
            first = i;
            firstWidth = Panels()->Items(i)->Width();
        }
    const int fontHeight = Font()->Height();
    TStatusBar::ChangeScale(m, d, isDpiChange);
    if (Panels()->Count() > 0 && (first < 0 || Panels()->Items(first)->Width() == firstWidth)) {
        Panels()->BeginUpdate();
        for (int i = 0; i < Panels()->Count(); ++i)
            Panels()->Items(i)->SetWidth(MulDiv(Panels()->Items(i)->Width(), m, d));
        Panels()->EndUpdate();
    }
    if (UseSystemFont() && Font()->Height() == fontHeight)
        Font()->SetHeight(MulDiv(Screen->HintFont()->Height(), CurrentPPI(), Screen->PixelsPerInch()));
}

// ---------------------------------------------------------------------------------------------

namespace {

TTextFormat AlignmentFormat(TAlignment alignment)
{
    static constexpr TTextFormats Formats[] = {tfLeft, tfRight, tfCenter};
    return {Formats[alignment]};
}

// Left and right swapped, and right-to-left reading, for a control that reads from the right.
TTextFormat BiDiFormat(TTextFormat format, const TControl* control)
{
    if (!control->UseRightToLeftAlignment())
        return format;
    if (format.Contains(tfLeft))
        format.Exclude(tfLeft).Include(tfRight);
    else if (format.Contains(tfRight))
        format.Exclude(tfRight).Include(tfLeft);
    return format.Include(tfRtlReading);
}

TRect WindowRect(HWND wnd, UINT msg, WPARAM index)
{
    RECT r{};
    SendMessageW(wnd, msg, index, reinterpret_cast<LPARAM>(&r));
    return Rect(r.left, r.top, r.right, r.bottom);
}

} // namespace

TscStatusBarStyleHook::TscStatusBarStyleHook(TWinControl* control) : TStyleHook(control) { FOverridePaint = true; }

void TscStatusBarStyleHook::WndProc(TMessage& message)
{
    // Painted off screen, so the root never shows without its panes. Handled is set after the
    // painting: the window messages it sends pass this hook and reset it.
    if (HandleBufferedPaint(message, FControl, FFromWMPaint, [this](TCanvas* canvas) { Paint(canvas); })) {
        FHandled = true;
        return;
    }
    TStyleHook::WndProc(message);
}

TRect TscStatusBarStyleHook::GripRect() const
{
    TRect r = FControl->ClientRect();
    // 17 pixels at the standard 96 dots per inch.
    const int k = MulDiv(17, FControl->CurrentPPI(), 96);
    r.Left = r.Right - k;
    r.Top = r.Bottom - k;
    return r;
}

bool TscStatusBarStyleHook::ShowsGrip() const
{
    auto* bar = dynamic_cast<const TCustomStatusBar*>(FControl);
    auto* form = bar ? dynamic_cast<TCustomForm*>(bar->Parent()) : nullptr;
    return form && form->HandleAllocated() && !IsZoomed(form->HandleIfAllocated()) && bar->SizeGrip();
}

void TscStatusBarStyleHook::PaintGrip(TCanvas* canvas) const
{
    if (ShowsGrip())
        StyleServices()->DrawElement(canvas->Handle(), TCustomStyleServices::GetElementDetails(tsGripper), GripRect(),
                                     nullptr, FControl->CurrentPPI());
}

String TscStatusBarStyleHook::PartText(int index, bool& ownerDrawn) const
{
    const LRESULT length = SendMessageW(Handle(), SB_GETTEXTLENGTHW, static_cast<WPARAM>(index), 0);
    String text(LOWORD(length), u'\0');
    const LRESULT result =
        SendMessageW(Handle(), SB_GETTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    ownerDrawn = (HIWORD(result) & SBT_OWNERDRAW) != 0;
    return text;
}

void TscStatusBarStyleHook::Paint(TCanvas* canvas)
{
    TCustomStyleServices* style = StyleServices();
    if (!style || !style->Available() || !Handle())
        return;
    const int dpi = FControl->CurrentPPI();
    HDC dc = canvas->Handle();
    const TRect client = FControl->ClientRect();
    style->DrawElement(dc, TCustomStyleServices::GetElementDetails(tsStatusRoot),
                       TRect(0, 0, FControl->Width(), FControl->Height()), nullptr, dpi);
    const auto pane = TCustomStyleServices::GetElementDetails(tsPane);
    canvas->Font()->Assign(FControl->Font());
    auto* bar = dynamic_cast<TCustomStatusBar*>(FControl);

    if (SendMessageW(Handle(), SB_ISSIMPLE, 0, 0) != 0) {
        int borders[3] = {};
        SendMessageW(Handle(), SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
        const int h = borders[0], v = borders[1], gap = borders[2];
        TRect r(h + gap, v, client.Right - gap, client.Bottom - v);
        style->DrawElement(dc, pane, TRect(r.Left, r.Top, client.Width() + 5, r.Bottom), nullptr, dpi);
        PaintGrip(canvas);
        bool ownerDrawn = false;
        const String text = bar ? bar->SimpleText() : PartText(0, ownerDrawn);
        style->DrawControlText(canvas, pane, text, r, BiDiFormat({tfVerticalCenter}, FControl));
        return;
    }

    const int count = bar ? bar->Panels()->Count() : static_cast<int>(SendMessageW(Handle(), SB_GETPARTS, 0, 0));
    for (int i = 0; i < count; ++i) {
        TRect r = WindowRect(Handle(), SB_GETRECT, static_cast<WPARAM>(i));
        if (r.IsEmpty())
            continue;
        // The last pane reaches past the bar's right edge, whatever its width.
        TRect p = r;
        const bool last = i == count - 1;
        if (last)
            p.Right = client.Width() + 5;
        style->DrawElement(dc, pane, p, nullptr, dpi);
        if (last)
            PaintGrip(canvas);
        r = TRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
        if (bar) {
            TStatusPanel* panel = bar->Panels()->Items(i);
            const TTextFormat format = BiDiFormat(AlignmentFormat(panel->Alignment()).Include(tfVerticalCenter), FControl);
            if (panel->Style() != psOwnerDraw && !panel->Text().empty())
                style->DrawControlText(canvas, pane, panel->Text(), r, format);
            else
                bar->DrawPanel(dc, panel, r);
            continue;
        }
        bool ownerDrawn = false;
        const String text = PartText(i, ownerDrawn);
        if (!text.empty() && !ownerDrawn)
            style->DrawControlText(canvas, pane, text, r, BiDiFormat({tfVerticalCenter}, FControl));
    }
}
