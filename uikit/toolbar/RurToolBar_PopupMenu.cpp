// The option drop-down's small owner-drawn menu: items, windows and the panel that lists them.
#include "RurToolBar_PopupMenu.h"

#include <algorithm>

#include "Math.h"
#include "RurToolBar_Button.h"
#include "RurToolBar_Colors.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_Shapes.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_Text.h"
#include "RurToolBar_ToolBar.h"

namespace {

int Scaled(int pixels) { return int(Round(pixels * double(DPIScale))); }

// The picture is drawn centred when it fits the cell, else shrunk into it.
void DrawFitted(TCanvas* canvas, TGraphic* graphic, const TRect& cell)
{
    graphic->SetTransparent(true);
    if (graphic->Width() <= cell.Width() && graphic->Height() <= cell.Height()) {
        TRect r = cell;
        CenterRect(r, graphic->Width(), graphic->Height());
        canvas->Draw(r.Left, r.Top, graphic);
    } else {
        canvas->StretchDraw(cell, graphic);
    }
}

} // namespace

TPoint PlaceInWorkArea(TPoint at, int leftEdge, int width, int height)
{
    const TRect work = Screen->WorkAreaRect();
    if (at.Y + height + 2 > work.Bottom)
        at.Y = work.Bottom - height - 2;
    if (at.X + width > work.Right)
        at.X = leftEdge - width;
    return at;
}

// ---- TATBMenuItem -------------------------------------------------------------------------------

TATBMenuItem* TATBMenuItem::Add()
{
    auto item = std::make_unique<TATBMenuItem>();
    item->FParentItem = this;
    FItems.push_back(std::move(item));
    return FItems.back().get();
}

// ---- TATBPopupWindow ----------------------------------------------------------------------------

TATBPopupWindow::TATBPopupWindow(TComponent* owner) : TRurPopupForm(owner), FPopupPanel(new TATBPopupPanel(this))
{
    FPopupPanel->SetParent(this);
}

TATBPopupWindow::~TATBPopupWindow() = default;

TATBMenuItem* TATBPopupWindow::CreateItems()
{
    FItems = std::make_unique<TATBMenuItem>();
    FPopupPanel->SetItems(FItems.get());
    return FItems.get();
}

void TATBPopupWindow::SetWindowSize()
{
    SetBounds(Left(), Top(), FPopupPanel->Width(), FPopupPanel->GetPanelHeight());
    FPopupPanel->SetBounds(0, 0, FPopupPanel->Width(), FPopupPanel->Height());
}

void TATBPopupWindow::DoHide()
{
    FPopupPanel->ResetHot();
    TRurPopupForm::DoHide();
}

void TATBPopupWindow::HideTimerTick()
{
    TRurPopupForm::HideTimerTick();
    if (FOnDeActivateHide)
        FOnDeActivateHide(this);
}

void TATBPopupWindow::WndProc(TMessage& message)
{
    TRurPopupForm::WndProc(message);
    if (message.Msg != WM_ACTIVATE || LOWORD(message.WParam) == WA_INACTIVE)
        return;
    if (FPopupPanel->HandleAllocated() && IsWindowVisible(FPopupPanel->HandleIfAllocated()))
        FPopupPanel->SetFocus();
    // The main window keeps its active caption while the menu has the focus.
    if (FRurToolBar && FRurToolBar->HandleAllocated())
        KeepCaptionActive(FRurToolBar->HandleIfAllocated());
    else if (auto* owner = dynamic_cast<TWinControl*>(FOwner); owner && owner->HandleAllocated())
        KeepCaptionActive(owner->HandleIfAllocated());
}

// ---- TATBPopupPanel -----------------------------------------------------------------------------

TATBPopupPanel::TATBPopupPanel(TComponent* owner) : TOptionSelectorPanel(owner), FItemHeight(Scaled(24))
{
    FMarginX = 2;
    FMarginY = 2;
}

TATBPopupWindow* TATBPopupPanel::PopupWindow() const { return dynamic_cast<TATBPopupWindow*>(Owner()); }

void TATBPopupPanel::SetItems(TATBMenuItem* value)
{
    FItems = value;
    ArrangeItems();
}

void TATBPopupPanel::ArrangeItems()
{
    if (!FItems)
        return;
    // Measured on a bitmap: the panel may have no window yet.
    TBitmap measure;
    TCanvas* canvas = measure.Canvas();
    canvas->Font()->Assign(Font());
    int a = 0;
    for (int i = 0; i < FItems->Count(); ++i) {
        TATBMenuItem* item = FItems->Items(i);
        a = std::max(a, canvas->TextWidth(item->Caption()) + 7);
        if (item->HasChildren())
            a += 30;
        if (FShowImageBar)
            continue;
        // A row whose control shows an image switches the image column on.
        if (auto* button = dynamic_cast<TRurCustomToolBarButton*>(item->Objects())) {
            const auto image = button->ImageSource(false);
            FShowImageBar = (image.Images && image.Index >= 0) || !button->Glyph()->Empty();
        }
    }
    a += Scaled(24);
    if (FShowImageBar)
        a += FImageBarSize;
    a = std::max(a, 70);
    int y = FMarginY;
    for (int i = 0; i < FItems->Count(); ++i) {
        FItems->Items(i)->SetBoundRect(Rect(FMarginX, y, FMarginX + a, y + FItemHeight));
        y += FItemHeight + FMarginY;
    }
    SetBounds(Left(), Top(), a + 2 * FMarginX, y);
}

int TATBPopupPanel::IndexOfItemAt(int x, int y) const
{
    for (int i = 0; FItems && i < FItems->Count(); ++i)
        if (FItems->Items(i)->BoundRect().Contains(TPoint{x, y}))
            return i;
    return -1;
}

void TATBPopupPanel::InvalidateItem(int index)
{
    if (!FItems || index < 0 || index >= FItems->Count() || !HandleAllocated())
        return;
    const RECT r = ToWinRect(FItems->Items(index)->BoundRect());
    InvalidateRect(HandleIfAllocated(), &r, FALSE);
}

void TATBPopupPanel::SetHotItem(int value)
{
    if (value == FHotItem)
        return;
    if (FHotItem >= 0) {
        CloseSubWindow();
        InvalidateItem(FHotItem);
    }
    FHotItem = value;
    if (FHotItem >= 0)
        InvalidateItem(FHotItem);
}

void TATBPopupPanel::ResetHot()
{
    CloseSubWindow();
    FHotItem = -1;
    FPopupItem = -1;
}

void TATBPopupPanel::ToggleCheck(int index)
{
    if (!FItems || index < 0 || index >= FItems->Count())
        return;
    TATBMenuItem* item = FItems->Items(index);
    auto* control = dynamic_cast<TControl*>(item->Objects());
    if (!control)
        return;
    control->SetVisible(!control->Visible());
    item->SetChecked(control->Visible());
    InvalidateItem(index);
    if (TRurCustomToolBar* toolBar = PopupWindow() ? PopupWindow()->RurToolBar() : nullptr)
        if (toolBar->OnControlVisibleChange())
            toolBar->OnControlVisibleChange()(toolBar, control);
}

void TATBPopupPanel::CloseSubWindow()
{
    if (FItemPopup && FItemPopup->Visible())
        FItemPopup->Hide();
    FPopupItem = -1;
}

void TATBPopupPanel::SubWindowHidden(TObject*)
{
    if (TATBPopupWindow* window = PopupWindow())
        window->SetHideOnDeActivate(true);
    FPopupItem = -1;
}

void TATBPopupPanel::SubWindowDeactivated(TObject*)
{
    TATBPopupWindow* window = PopupWindow();
    if (!window)
        return;
    window->Hide();
    if (window->OnDeActivateHide())
        window->OnDeActivateHide()(window);
}

void TATBPopupPanel::OpenSubWindow()
{
    TATBMenuItem* row = FItems->Items(FHotItem);
    TATBPopupWindow* window = PopupWindow();
    if (!FItemPopup) {
        FItemPopup = new TATBPopupWindow(this);
        FItemPopup->SetBorderIcons({});
        FItemPopup->SetBorderStyle(bsNone);
        FItemPopup->SetFormStyle(fsStayOnTop);
        FItemPopup->SetBounds(0, 0, 10, 10);
        FItemPopup->SetRurToolBar(window ? window->RurToolBar() : nullptr);
        FItemPopup->SetOnHide(MakeHandler<&TATBPopupPanel::SubWindowHidden>(this));
        FItemPopup->SetOnDeActivateHide(MakeHandler<&TATBPopupPanel::SubWindowDeactivated>(this));
    }
    FItemPopup->PopupPanel()->SetItems(row);
    FPopupItem = FHotItem;
    FItemPopup->SetWindowSize();
    if (window)
        window->SetHideOnDeActivate(false);

    // Beside the row, kept inside the work area: moved up at the bottom, to the left at the right.
    const TRect bounds = row->BoundRect();
    const TPoint at = PlaceInWorkArea(ClientToScreen(TPoint{bounds.Right + 2, bounds.Top}),
                                      ClientToScreen(TPoint{bounds.Left, 0}).X, FItemPopup->Width(),
                                      FItemPopup->Height());
    FItemPopup->SetBounds(at.X, at.Y, FItemPopup->Width(), FItemPopup->Height());
    SetWindowPos(FItemPopup->Handle(), HWND_TOPMOST, at.X, at.Y, FItemPopup->Width(), FItemPopup->Height(),
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    FItemPopup->SetVisible(true);
}

void TATBPopupPanel::MouseMove(TShiftState shift, int x, int y)
{
    TOptionSelectorPanel::MouseMove(shift, x, y);
    if (shift.Contains(ssLeft) || !FItems)
        return;
    SetHotItem(IndexOfItemAt(x, y));
    if (FHotItem == FPopupItem)
        return;
    CloseSubWindow();
    if (FHotItem >= 0 && FItems->Items(FHotItem)->HasChildren())
        OpenSubWindow();
}

void TATBPopupPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TOptionSelectorPanel::MouseUp(button, shift, x, y);
    const int index = IndexOfItemAt(x, y);
    if (index >= 0 && FItems->Items(index)->AutoCheck())
        ToggleCheck(index);
}

void TATBPopupPanel::WndProc(TMessage& message)
{
    TOptionSelectorPanel::WndProc(message);
    if (message.Msg == CM_MOUSELEAVE && !(FItemPopup && FItemPopup->Visible()))
        SetHotItem(-1);
}

void TATBPopupPanel::DrawObjectImage(TCanvas* canvas, TObject* object, const TRect& cell)
{
    auto* button = dynamic_cast<TRurCustomToolBarButton*>(object);
    if (!button)
        return;
    const auto image = button->ImageSource(false);
    if (image.Images && image.Index >= 0) {
        if (image.Images->Width() <= cell.Width() && image.Images->Height() <= cell.Height()) {
            TRect r = cell;
            CenterRect(r, image.Images->Width(), image.Images->Height());
            image.Images->Draw(canvas, r.Left, r.Top, image.Index, true);
        } else {
            TBitmap bitmap;
            bitmap.SetPixelFormat(pf32bit);
            bitmap.SetSize(image.Images->Width(), image.Images->Height());
            image.Images->Draw(bitmap.Canvas(), 0, 0, image.Index, true);
            DrawFitted(canvas, &bitmap, cell);
        }
    } else if (!button->Glyph()->Empty()) {
        DrawFitted(canvas, button->Glyph(), cell);
    }
}

void TATBPopupPanel::Paint()
{
    TOptionSelectorPanel::Paint();
    if (!FItems)
        return;
    TCanvas* canvas = Canvas();
    const TRect content = Rect(FMarginX, FMarginY, Width() - FMarginX, Height() - FMarginY);
    // Until the menu unit's styler colours these menus, the hot row and the check marks take the
    // toolbar styler's button colours: hot for the row, checked for the mark.
    TRurCustomToolBar* toolBar = PopupWindow() ? PopupWindow()->RurToolBar() : nullptr;
    TButtonAppearance fallback;
    const TButtonAppearance* colours =
        toolBar ? toolBar->CurrentToolBarStyler()->ButtonAppearance() : static_cast<const TButtonAppearance*>(&fallback);
    const int checkCell = Scaled(24);
    if (FShowImageBar) {
        const TRect bar = Rect(content.Left + checkCell, content.Top, content.Left + checkCell + FImageBarSize,
                               content.Bottom);
        if (FImageBarColor != clNone && FImageBarColorTo != clNone) {
            DrawGradient(canvas, FImageBarColor, FImageBarColorTo, 40, bar, true);
        } else if (FImageBarColor != clNone) {
            canvas->Brush()->SetColor(FImageBarColor);
            canvas->FillRect(bar);
        }
    }
    canvas->Font()->Assign(Font());
    for (int i = 0; i < FItems->Count(); ++i) {
        TATBMenuItem* item = FItems->Items(i);
        const TRect r = item->BoundRect();
        if (i == FHotItem) {
            if (colours->ColorHot() != clNone && colours->ColorHotTo() != clNone)
                DrawGradient(canvas, colours->ColorHot(), colours->ColorHotTo(), 40, r,
                             colours->GradientDirectionHot() == gdHorizontal);
            else if (colours->ColorHot() != clNone) {
                canvas->Brush()->SetColor(colours->ColorHot());
                canvas->FillRect(r);
            }
            if (colours->BorderHotColor() != clNone) {
                canvas->Brush()->SetStyle(bsClear);
                canvas->Pen()->SetColor(colours->BorderHotColor());
                canvas->Rectangle(r);
            }
        }
        TRect cell = Rect(r.Left, r.Top, r.Left + checkCell, r.Bottom);
        TRect text = r;
        text.Left = cell.Right;
        if (item->AutoCheck() && item->Checked() && item->Enabled()) {
            const TRect box = Rect(cell.Left + 1, cell.Top + 1, cell.Right - 2, cell.Bottom - 1);
            if (colours->ColorChecked() != clNone) {
                canvas->Brush()->SetStyle(bsSolid);
                canvas->Brush()->SetColor(colours->ColorChecked());
                canvas->FillRect(box);
            }
            canvas->Brush()->SetStyle(bsClear);
            canvas->Pen()->SetColor(colours->BorderCheckedColor());
            canvas->Rectangle(box);
            // The tick.
            const int cx = (box.Left + box.Right) / 2, cy = (box.Top + box.Bottom) / 2;
            canvas->Pen()->SetColor(clBlack);
            for (int d = 0; d < 2; ++d) {
                canvas->MoveTo(cx - 4, cy - 1 + d);
                canvas->LineTo(cx - 1, cy + 2 + d);
                canvas->LineTo(cx + 5, cy - 4 + d);
            }
        } else if (!FShowImageBar) {
            DrawObjectImage(canvas, item->Objects(), cell);
        }
        if (FShowImageBar) {
            DrawObjectImage(canvas, item->Objects(), Rect(text.Left, r.Top, text.Left + FImageBarSize, r.Bottom));
            text.Left += FImageBarSize;
        }
        canvas->Brush()->SetStyle(bsClear);
        RECT t = ToWinRect(Rect(text.Left + 4, text.Top, text.Right, text.Bottom));
        DrawShapedText(TextDC(canvas), item->Caption(), t, DT_SINGLELINE | DT_VCENTER);
        if (item->HasChildren()) {
            // The sub-menu arrow: a small triangle pointing right.
            const int m = (r.Top + r.Bottom - 5) / 2;
            canvas->Pen()->SetColor(canvas->Font()->Color());
            for (int k = 0; k < 3; ++k) {
                canvas->MoveTo(r.Right - 8 + k, m + k);
                canvas->LineTo(r.Right - 8 + k, m + 6 - k);
            }
        }
    }
}
