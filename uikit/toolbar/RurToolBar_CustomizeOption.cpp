// The Customize entry of the option drop-down.
#include "RurToolBar_CustomizeOption.h"

#include "RurMenus_Styler.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_ToolBar.h"

TCustomizeOption::TCustomizeOption(TComponent* owner) : TOptionSelectorPanel(owner), FOwner(owner) {}

void TCustomizeOption::UpdateSize()
{
    // Measured on a bitmap in the entry's font: the entry may have no window yet.
    TBitmap measure;
    measure.Canvas()->Font()->Assign(Font());
    SetBounds(Left(), Top(), measure.Canvas()->TextWidth(FCustomizeText) + 2 * FMarginX + 12, 25);
}

TRect TCustomizeOption::GetCustomizeRect() const
{
    return Rect(FMarginX, FMarginY, Width() - FMarginX, Height() - FMarginY);
}

void TCustomizeOption::SetHighlight(bool value)
{
    FCustomizeBtnHot = FCustomizeBtnDown = value;
    Invalidate();
}

void TCustomizeOption::MouseMove(TShiftState shift, int x, int y)
{
    TOptionSelectorPanel::MouseMove(shift, x, y);
    const bool inside = GetCustomizeRect().Contains(Point(x, y));
    if (inside && !FCustomizeBtnHot && !shift.Contains(ssLeft))
        SetHighlight(true);
    else if (!inside && FCustomizeBtnHot)
        SetHighlight(false);
}

void TCustomizeOption::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TOptionSelectorPanel::MouseDown(button, shift, x, y);
    if (GetCustomizeRect().Contains(Point(x, y)) && !FCustomizeBtnDown)
        SetHighlight(true);
}

void TCustomizeOption::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TOptionSelectorPanel::MouseUp(button, shift, x, y);
    if (!FCustomizeBtnDown || !GetCustomizeRect().Contains(Point(x, y)))
        return;
    SetHighlight(false);
    if (auto* window = dynamic_cast<TOptionSelectorWindow*>(FOwner))
        window->Hide();
    if (TRurCustomToolBar* toolBar = RurToolBar())
        toolBar->ShowCustomizer();
}

void TCustomizeOption::WndProc(TMessage& message)
{
    TOptionSelectorPanel::WndProc(message);
    if (message.Msg == CM_MOUSELEAVE && (FCustomizeBtnHot || FCustomizeBtnDown))
        SetHighlight(false);
}

void TCustomizeOption::Paint()
{
    TOptionSelectorPanel::Paint();
    TRurCustomToolBar* toolBar = RurToolBar();
    if (!toolBar)
        return;
    // A menu bar's entry looks like the menu styler's root item, any other like a toolbar button.
    const TCustomRurToolBarStyler* styler = toolBar->CurrentToolBarStyler();
    const TCustomRurMenuStyler* menuStyler = toolBar->Menu() ? styler->CurrentRurMenuStyler() : nullptr;
    const TRootItem* root = menuStyler ? menuStyler->RootItem() : nullptr;
    const TButtonAppearance* look = styler->ButtonAppearance();
    const bool lit = FCustomizeBtnDown;
    TColor from = clNone, to = clNone, text;
    if (root) {
        text = root->SelectedTextColor();
        if (lit) {
            from = root->SelectedColor();
            to = root->SelectedColorTo();
        }
    } else if (lit) {
        from = look->ColorDown();
        to = look->ColorDownTo();
        text = look->CaptionTextColorDown();
    } else {
        text = look->CaptionTextColor();
    }

    TCanvas* canvas = Canvas();
    const TRect r = GetCustomizeRect();
    // A plain fill is framed in the pen the panel's border left.
    FillEntry(canvas, r, from, to);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Font()->Assign(Font());
    canvas->Font()->SetColor(text);
    TRect t = Rect(r.Left + 4, r.Top, r.Right - 4, r.Bottom);
    String caption = FCustomizeText;
    canvas->TextRect(t, caption, {tfSingleLine, tfCenter, tfVerticalCenter});
}
