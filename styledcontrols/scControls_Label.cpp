// The kit's label: transparent text with auto size, vertical alignment, end ellipsis, an
// accelerator for another control, a glow behind the text, and dragging its form.
#include <algorithm>

#include "WideText.h"
#include "scControls.h"

TAVIN_PUBLISHED(TscLabel)
{
    TAVIN_PROPERTY(bool, DragForm);
    TAVIN_PROPERTY(bool, DragTopForm);
    TAVIN_PROPERTY(TscGlowEffect*, GlowEffect);
    TAVIN_PROPERTY(bool, AutoSize);
    TAVIN_PROPERTY(TTextLayout, Layout).Default(tlTop);
    TAVIN_PROPERTY(TAlignment, Alignment).Default(taLeftJustify);
    TAVIN_PROPERTY(TscVertAlignment, VertAlignment).Default(scvtaTop);
    TAVIN_PROPERTY(TWinControl*, FocusControl);
    TAVIN_PROPERTY(bool, ShowAccelChar).Default(true);
    TAVIN_PROPERTY(bool, WordWrap).Default(false);
    TAVIN_PROPERTY(bool, ShowEllipsis).Default(false);
    TAVIN_PROPERTY(bool, UseFontColorToStyleColor);
    TAVIN_PROPERTY(String, Caption);
}

TscLabel::TscLabel(TComponent* owner) : TscCustomControl(owner), FGlowEffect(std::make_unique<TscGlowEffect>())
{
    FGlowEffect->FControl = this;
    FGlowEffect->SetColor(clBtnShadow);
    FGlowEffect->SetOnChange(MakeHandler<&TscLabel::GlowChanged>(this));
    SetBounds(Left(), Top(), 65, 17);
}

TscLabel::~TscLabel() = default;

void TscLabel::GlowChanged(TObject*)
{
    if (ComponentState().Contains(csLoading))
        return;
    FGlow.Invalidate();
    RePaintControl();
    AdjustBounds();
}

void TscLabel::SetFocusControl(TWinControl* value)
{
    ReplaceComponentReference(this, FFocusControl, value);
}

void TscLabel::Notification(TComponent* component, TOperation operation)
{
    TscCustomControl::Notification(component, operation);
    if (operation == opRemove && component == FFocusControl)
        FFocusControl = nullptr;
}

void TscLabel::SetAutoSize(bool value)
{
    if (FAutoSize == value)
        return;
    FAutoSize = value;
    AdjustBounds();
    RePaintControl();
}

void TscLabel::SetWordWrap(bool value)
{
    if (FWordWrap == value)
        return;
    FWordWrap = value;
    AdjustBounds();
    RePaintControl();
}

void TscLabel::Loaded()
{
    TscCustomControl::Loaded();
    AdjustBounds();
}

void TscLabel::ChangeScale(int m, int d, bool isDpiChange)
{
    TscCustomControl::ChangeScale(m, d, isDpiChange);
    AdjustBounds();
}

void TscLabel::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_DIALOGCHAR:
        if (FFocusControl && Enabled() && FShowAccelChar && IsAccel(static_cast<Char>(message.WParam), Caption()) &&
            FFocusControl->CanFocus()) {
            FFocusControl->SetFocus();
            message.Result = 1;
        }
        return;
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
        TscCustomControl::WndProc(message);
        AdjustBounds();
        RePaintControl();
        return;
    default: TscCustomControl::WndProc(message); return;
    }
}

void TscLabel::DoDrawText(TCanvas* canvas, TRect& rect, UINT flags)
{
    String text = GetLabelText();
    if ((flags & DT_CALCRECT) && (text.empty() || (FShowAccelChar && text == u"&")))
        text += u' ';
    if (!FShowAccelChar)
        flags |= DT_NOPREFIX;
    PrepareCanvasText(canvas);
    RECT r = ToWinRect(rect);
    DrawShapedText(canvas->Handle(), text, r, flags);
    rect = Rect(r.left, r.top, r.right, r.bottom);
}

void TscLabel::AdjustBounds()
{
    const TComponentState state = ComponentState();
    if (state.Contains(csReading) || state.Contains(csLoading) || !FAutoSize || Align() == alTop ||
        Align() == alBottom || Align() == alClient)
        return;
    auto scratch = MakeBitmap32(1, 1);
    TCanvas* canvas = scratch->Canvas();
    canvas->SetFont(Font());
    TRect r = Rect(0, 0, Width(), Height());
    DoDrawText(canvas, r, DT_CALCRECT | DT_EXPANDTABS | (FWordWrap ? DT_WORDBREAK : 0));
    int width = r.Width(), height = r.Height();
    if (GlowOn()) {
        const int grow = 2 * FGlowEffect->GlowSize() + FGlowEffect->Offset();
        width += grow;
        height += grow;
    }
    TAlignment alignment = FAlignment;
    if (IsBiDiRightToLeft() && alignment != taCenter)
        alignment = alignment == taLeftJustify ? taRightJustify : taLeftJustify;
    const int left = alignment == taRightJustify ? Left() + Width() - width : Left();
    SetBounds(left, Top(), width, height);
}

void TscLabel::Draw(TCanvas* canvas, TscsCtrlState state)
{
    canvas->SetFont(Font());
    if (IsStyledFont(this))
        canvas->Font()->SetColor(state != scsNormal || !FUseFontColorToStyleColor
                                     ? GetCheckBoxTextColor(state, this)
                                     : GetStyleSystemColor(Font()->Color(), this));
    canvas->Brush()->SetStyle(bsClear);
    const String text = GetLabelText();
    const int w = Width(), h = Height();
    const int g = GlowOn() ? FGlowEffect->GlowSize() : 0, o = GlowOn() ? FGlowEffect->Offset() : 0;
    TRect r = GlowOn() ? Rect(g - o, g - o, w - g - o, h - g - o) : ClientRect();
    r.Left = std::max(r.Left, 0);
    r.Top = std::max(r.Top, 0);
    UINT flags = DT_EXPANDTABS | (FWordWrap ? DT_WORDBREAK : 0);
    flags |= FAlignment == taLeftJustify ? DT_LEFT : FAlignment == taRightJustify ? DT_RIGHT : DT_CENTER;
    if (!FShowAccelChar)
        flags |= DT_NOPREFIX;
    if (!FAutoSize && FShowEllipsis)
        flags |= DT_END_ELLIPSIS;
    if (FVertAlignment != scvtaTop) {
        TRect measured = r;
        DoDrawText(canvas, measured, DrawTextBiDiModeFlags(flags) | DT_CALCRECT);
        const int th = measured.Height();
        r.Top = FVertAlignment == scvtaCenter ? (h - th) / 2 : h - th - (GlowOn() ? g + o : 0);
        r.Bottom = r.Top + th;
    }
    if (!GlowOn()) {
        DoDrawText(canvas, r, DrawTextBiDiModeFlags(flags));
        return;
    }
    const TFont* font = Font();
    TscGlowKey key{text, font->Name(), FGlowEffect->Color(), font->Size(), font->Style(), FWordWrap};
    key.Width = w;
    key.Height = h;
    key.Alignment = FAlignment;
    key.Layout = FLayout;
    key.ShowAccelChar = FShowAccelChar;
    key.ShowEllipsis = FShowEllipsis;
    const bool rebuild = FGlow.NeedsRebuild(key);
    // The glow painter applies the reading order itself.
    DrawGlowText(FGlow.Buffer, rebuild, canvas, !FShowAccelChar, IsBiDiRightToLeft(), FGlowEffect->GetAlphaValue(),
                 FGlowEffect->Intensive(), g, FGlowEffect->GetColor(), o, flags, text, r);
}

void TscLabel::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == mbLeft && !shift.Contains(ssDouble) && FDragForm)
        FDrag.Press(this, FDragTopForm, ::Point(x, y));
    TscCustomControl::MouseDown(button, shift, x, y);
}

void TscLabel::MouseMove(TShiftState shift, int x, int y)
{
    FDrag.Move(this, ::Point(x, y));
    TscCustomControl::MouseMove(shift, x, y);
}

void TscLabel::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    FDrag.Release();
    TscCustomControl::MouseUp(button, shift, x, y);
}
