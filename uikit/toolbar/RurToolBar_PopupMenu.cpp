// The option drop-down's small owner-drawn menu: items, windows and the panel that lists them.
#include "RurToolBar_PopupMenu.h"

#include <algorithm>

#include "ActnList.h"
#include "Math.h"
#include "RurGlowButton.h"
#include "RurMenus_Styler.h"
#include "RurToolBar_Button.h"
#include "RurToolBar_Colors.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_Shapes.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_Text.h"
#include "RurToolBar_ToolBar.h"

namespace {

int Scaled(int pixels) { return int(Round(pixels * double(DPIScale))); }

// What a listed control shows as its image: an entry of an image list, else a picture of its own.
struct TObjectImage {
    TCustomImageList* Images = nullptr;
    int Index = -1;
    TGraphic* Picture = nullptr;
    bool Shown() const { return (Images && Index >= 0) || (Picture && !Picture->Empty()); }
};

// A toolbar button's and a glow button's image: the toolbar's list at the button's index, both
// replaced by the action's where its action list has images; without one the button's glyph or
// picture.
TObjectImage ImageOf(TObject* object, TRurCustomToolBar* toolBar)
{
    TObjectImage image;
    if (auto* button = dynamic_cast<TRurCustomToolBarButton*>(object)) {
        const auto source = button->ImageSource(false);
        image = {source.Images, source.Index, button->Glyph()};
    } else if (auto* glow = dynamic_cast<TRurCustomGlowButton*>(object)) {
        image = {toolBar ? toolBar->Images() : nullptr, glow->ImageIndex(), glow->Picture()};
        auto* action = dynamic_cast<TCustomAction*>(glow->Action());
        auto* list = action ? dynamic_cast<TCustomActionList*>(action->ActionList()) : nullptr;
        if (list && list->Images()) {
            image.Images = list->Images();
            image.Index = action->ImageIndex();
        }
        glow->Picture()->GetImageSizes();
    }
    return image;
}

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

// A column from color to colorTo, left to right in 40 steps; solid in color when either is unset.
void FillColumn(TCanvas* canvas, const TRect& column, TColor color, TColor colorTo)
{
    if (color != clNone && colorTo != clNone) {
        DrawGradient(canvas, color, colorTo, 40, column, true);
    } else if (color != clNone) {
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(color);
        canvas->FillRect(column);
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

void TATBPopupPanel::SetRurMenuStyler(TCustomRurMenuStyler* value)
{
    if (value == FRurMenuStyler)
        return;
    if (FRurMenuStyler)
        FRurMenuStyler->RemoveFreeNotification(this);
    FRurMenuStyler = value;
    if (value)
        value->FreeNotification(this);
}

void TATBPopupPanel::Notification(TComponent* component, TOperation operation)
{
    TOptionSelectorPanel::Notification(component, operation);
    if (operation == opRemove && component == FRurMenuStyler)
        FRurMenuStyler = nullptr;
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
        FShowImageBar = ImageOf(item->Objects(), WindowToolBar()).Shown();
    }
    a += IconBarWidth();
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
    if (TRurCustomToolBar* toolBar = WindowToolBar())
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
    FItemPopup->PopupPanel()->SetShowIconBar(true);
    FItemPopup->PopupPanel()->SetRurMenuStyler(FRurMenuStyler);
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

TRurCustomToolBar* TATBPopupPanel::WindowToolBar() const { return PopupWindow() ? PopupWindow()->RurToolBar() : nullptr; }

void TATBPopupPanel::DrawObjectImage(TCanvas* canvas, TObject* object, const TRect& cell)
{
    const TObjectImage image = ImageOf(object, WindowToolBar());
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
    } else if (image.Picture && !image.Picture->Empty()) {
        DrawFitted(canvas, image.Picture, cell);
    }
}

int TATBPopupPanel::IconBarWidth() const
{
    return FRurMenuStyler && FShowIconBar ? Scaled(FRurMenuStyler->IconBar()->Size()) : 0;
}

void TATBPopupPanel::DrawCheckMark(TCanvas* canvas, const TRect& cell, bool hot)
{
    const TSelectedItem* selected = FRurMenuStyler->SelectedItem();
    const TIconBar* bar = FRurMenuStyler->IconBar();
    const TColor color = hot ? selected->CheckColor() : bar->CheckColor();
    const TColor colorTo = hot ? selected->CheckColorTo() : bar->CheckColorTo();
    const TColor border = hot ? selected->BorderColor() : bar->CheckBorder();
    if (colorTo != clNone) {
        DrawGradient(canvas, color, colorTo, 16, cell, true);
    } else if (color != clNone) {
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(color);
        canvas->FillRect(cell);
    }
    if (border != clNone) {
        canvas->Brush()->SetStyle(bsClear);
        canvas->Pen()->SetColor(border);
        canvas->Rectangle(cell);
    }
    DrawMenuGlyph(canvas, FRurMenuStyler->Glyphs()->Check(), cell);
}

void TATBPopupPanel::DrawMenuGlyph(TCanvas* canvas, TBitmap* glyph, TRect place)
{
    if (!glyph || glyph->Empty())
        return;
    CenterRect(place, glyph->Width(), glyph->Height());
    // One-bit glyphs take the text colour.
    SetTextColor(canvas->Handle(), static_cast<COLORREF>(ColorToRGB(clBtnText)));
    canvas->Draw(place.Left, place.Top, glyph);
}

void TATBPopupPanel::Paint()
{
    TOptionSelectorPanel::Paint();
    if (!FItems)
        return;
    TCanvas* canvas = Canvas();
    const TRect content = Rect(FMarginX, FMarginY, Width() - FMarginX, Height() - FMarginY);
    const int iconBar = IconBarWidth();
    if (FRurMenuStyler) {
        FRurMenuStyler->Glyphs()->UpdateResources(DPIScale);
        const TIconBar* bar = FRurMenuStyler->IconBar();
        if (iconBar > 0) {
            FillColumn(canvas, Rect(content.Left, content.Top, content.Left + iconBar + (FShowImageBar ? FImageBarSize : 0),
                                    content.Bottom),
                       bar->Color(), bar->ColorTo());
        } else if (FShowImageBar) {
            FImageBarColor = bar->Color();
            FImageBarColorTo = bar->ColorTo();
            FillColumn(canvas, Rect(content.Left, content.Top, content.Left + FImageBarSize, content.Bottom),
                       FImageBarColor, FImageBarColorTo);
        }
    }
    canvas->Font()->Assign(Font());
    for (int i = 0; i < FItems->Count(); ++i) {
        TATBMenuItem* item = FItems->Items(i);
        const TRect r = item->BoundRect();
        const bool hot = i == FHotItem && FRurMenuStyler;
        if (hot) {
            const TSelectedItem* selected = FRurMenuStyler->SelectedItem();
            if (selected->Color() != clNone && selected->ColorTo() != clNone)
                DrawGradient(canvas, selected->Color(), selected->ColorTo(), 40, r,
                             selected->GradientDirection() == RurMenus::gdHorizontal);
            else if (selected->Color() != clNone) {
                canvas->Brush()->SetStyle(bsSolid);
                canvas->Brush()->SetColor(selected->Color());
                canvas->FillRect(r);
            }
            if (selected->BorderColor() != clNone) {
                canvas->Brush()->SetStyle(bsClear);
                canvas->Pen()->SetColor(selected->BorderColor());
                canvas->Rectangle(r);
            }
        }
        TRect text = r;
        if (iconBar > 0) {
            const TRect cell = Rect(r.Left, r.Top, r.Left + iconBar, r.Bottom);
            text.Left = cell.Right;
            if (item->AutoCheck()) {
                if (item->Checked() && item->Enabled())
                    DrawCheckMark(canvas, Rect(cell.Left + 1, cell.Top + 1, cell.Right - 2, cell.Bottom - 1), hot);
            } else if (!FShowImageBar) {
                DrawObjectImage(canvas, item->Objects(), cell);
            }
        }
        if (FShowImageBar) {
            DrawObjectImage(canvas, item->Objects(), Rect(text.Left, r.Top, text.Left + FImageBarSize, r.Bottom));
            text.Left += FImageBarSize;
        }
        canvas->Brush()->SetStyle(bsClear);
        RECT t = ToWinRect(Rect(text.Left + 4, text.Top, text.Right, text.Bottom));
        DrawShapedText(TextDC(canvas), item->Caption(), t, DT_SINGLELINE | DT_VCENTER);
        if (item->HasChildren() && FRurMenuStyler) {
            const int m = (r.Top + r.Bottom - 5) / 2;
            DrawMenuGlyph(canvas, FRurMenuStyler->Glyphs()->SubMenu(), Rect(r.Right - 8, m, r.Right - 5, m + 6));
        }
    }
}
