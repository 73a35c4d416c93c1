// The option drop-down's control list, its two entries and the menus they open.
#include "RurToolBar_ControlSelector.h"

#include <algorithm>

#include "CustomizerU.h"
#include "Math.h"
#include "RurToolBar_Button.h"
#include "RurToolBar_Colors.h"
#include "RurToolBar_CustomizeOption.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_PopupMenu.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_Text.h"
#include "RurToolBar_ToolBar.h"

namespace {

int RoundToInt(double value) { return int(Round(value)); }

// The caption a check-list row shows for a toolbar control.
String RowCaption(TControl* control)
{
    if (auto* button = dynamic_cast<TRurCustomToolBarButton*>(control))
        return button->Caption();
    return control->Name();
}

} // namespace

TSelectorItem::TSelectorItem() : FHeight(RoundToInt(20 * double(DPIScale))) {}

TControlSelectorPanel::TControlSelectorPanel(TComponent* owner)
    : TOptionSelectorPanel(owner), FAddAndRemoveBtn(std::make_unique<TSelectorItem>()),
      FOptionsBtn(std::make_unique<TSelectorItem>()), FTimer(std::make_unique<TTimer>(nullptr))
{
    FAddAndRemoveBtn->SetCaption(u"Add or Remove Buttons");
    FAddAndRemoveBtn->SetWidth(130);
    FOptionsBtn->SetCaption(u"Options");
    FOptionsBtn->SetWidth(130);
    FTimer->SetEnabled(false);
    FTimer->SetInterval(1);
    FTimer->SetOnTimer(MakeHandler<&TControlSelectorPanel::TimerTick>(this));
}

TControlSelectorPanel::~TControlSelectorPanel() { FreeSeparatorCopies(); }

void TControlSelectorPanel::SetCustomizer(TRurToolBarCustomizer* value)
{
    ReplaceComponentReference(this, FCustomizer, value);
}

void TControlSelectorPanel::Notification(TComponent* component, TOperation operation)
{
    TOptionSelectorPanel::Notification(component, operation);
    if (operation == opRemove && component == FCustomizer)
        FCustomizer = nullptr;
}

TRurPopupForm* TControlSelectorPanel::Window() const { return dynamic_cast<TRurPopupForm*>(Parent()); }

TRurCustomToolBar* TControlSelectorPanel::WindowToolBar() const
{
    if (auto* window = dynamic_cast<TOptionSelectorWindow*>(Parent()))
        return window->RurToolBar();
    return RurToolBar();
}

int TControlSelectorPanel::AddControl(TControl* control)
{
    if (!control)
        return -1;
    control->SetParent(this);
    const int index = FControlList.IndexOf(control);
    return index >= 0 ? index : FControlList.Add(control);
}

TRurToolBarSeparator* TControlSelectorPanel::AddSeparatorCopy(TRurToolBarSeparator* separator)
{
    auto* copy = new TRurToolBarSeparator(this);
    copy->Assign(separator);
    FSeparatorList.Add(copy);
    AddControl(copy);
    return copy;
}

void TControlSelectorPanel::ClearControls()
{
    WindowHidden();
    FControlList.Clear();
}

bool TControlSelectorPanel::IsEmpty() const
{
    return FControlList.Count() == 0 && !FShowAddAndRemoveBtn && !ShowOptionsBtn();
}

void TControlSelectorPanel::WindowHidden()
{
    // The Customize entry does not outlive the drop-down it was opened from.
    if (FCustomizeOptionWindow && FCustomizeOptionWindow->Visible())
        HideCustomizeWindowInternally();
    FreeSeparatorCopies();
}

void TControlSelectorPanel::FreeSeparatorCopies()
{
    for (int i = FSeparatorList.Count() - 1; i >= 0; --i)
        delete FSeparatorList.Item<TRurToolBarSeparator>(i);
    FSeparatorList.Clear();
}

void TControlSelectorPanel::WndProc(TMessage& message)
{
    TOptionSelectorPanel::WndProc(message);
    if (message.Msg == CM_CONTROLCHANGE && message.LParam == 0) {
        // A listed control was given a new parent.
        auto* control = reinterpret_cast<TControl*>(message.WParam);
        if (FControlList.IndexOf(control) >= 0) {
            FControlList.Remove(control);
            FSeparatorList.Remove(control);
            ArrangeControls();
        }
    } else if (message.Msg == CM_MOUSELEAVE) {
        FAddAndRemoveBtnHot = false;
        FAddAndRemoveBtnDown = FAddAndRemovePopup && FAddAndRemovePopup->Visible();
        FOptionsBtnHot = false;
        FOptionsBtnDown = false;
        Invalidate();
    }
}

double TControlSelectorPanel::CanvasScale()
{
    HDC dc = GetDC(nullptr);
    const int ppi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(nullptr, dc);
    return ppi / 96.0;
}

void TControlSelectorPanel::SetTextAutoOptionMenu(const String& value)
{
    FAddAndRemoveBtn->SetCaption(value);
    MeasureEntries();
}

void TControlSelectorPanel::SetTextOptionMenu(const String& value)
{
    if (value == FOptionsBtn->Caption())
        return;
    FOptionsBtn->SetCaption(value);
    MeasureEntries();
}

void TControlSelectorPanel::MeasureEntries()
{
    const double s = CanvasScale();
    // Measured on a bitmap: the panel may have no window yet.
    TBitmap measure;
    TCanvas* canvas = measure.Canvas();
    canvas->Font()->SetName(u"Tahoma");
    canvas->Font()->SetSize(RoundToInt(FItemTextFontSize * s));
    int w = 130;
    if (FShowAddAndRemoveBtn)
        w = std::max(130, canvas->TextWidth(FAddAndRemoveBtn->Caption()) + RoundToInt(15 * s));
    if (ShowOptionsBtn())
        w = std::max(w, canvas->TextWidth(FOptionsBtn->Caption()) + RoundToInt(15 * s));
    FAddAndRemoveBtn->SetWidth(w);
    FOptionsBtn->SetWidth(w);
}

void TControlSelectorPanel::ArrangeControls()
{
    // Children that are not listed (copies from an earlier opening) go out of sight.
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* child = Controls(i);
        if (FControlList.IndexOf(child) < 0)
            child->SetBounds(child->Left(), -child->Height() - 2, child->Width(), child->Height());
    }
    int a = FShowAddAndRemoveBtn ? FAddAndRemoveBtn->Width() : FOptionsBtn->Width();
    for (int i = 0; i < FControlList.Count(); ++i)
        a = std::max(a, FControlList.Item<TControl>(i)->Width());
    int x = FMarginX, y = FMarginY, rowHeight = 0;
    for (int i = 0; i < FControlList.Count(); ++i) {
        auto* control = FControlList.Item<TControl>(i);
        if (i > 0 && control->Width() > a - x) {
            x = FMarginX;
            y += rowHeight;
            rowHeight = 0;
        }
        control->SetBounds(x, y, control->Width(), control->Height());
        rowHeight = std::max(rowHeight, control->Height());
        x += control->Width();
    }
    int bottom = y + rowHeight;
    if (FShowAddAndRemoveBtn)
        bottom += FAddAndRemoveBtn->Height();
    if (ShowOptionsBtn())
        bottom += FOptionsBtn->Height();
    if (FControlList.Count() > 0 && (FShowAddAndRemoveBtn || ShowOptionsBtn()))
        bottom += FSeparatorSize;
    const int width = a + 2 * FMarginX, height = bottom + FMarginY;
    SetBounds(Left(), Top(), width, height);

    FAddAndRemoveBtn->SetBRect({});
    FOptionsBtn->SetBRect({});
    int entryBottom = height - FMarginY;
    if (FShowAddAndRemoveBtn) {
        FAddAndRemoveBtn->SetBRect(
            Rect(FMarginX, entryBottom - FAddAndRemoveBtn->Height(), width - FMarginX, entryBottom));
        entryBottom -= FAddAndRemoveBtn->Height();
    }
    if (ShowOptionsBtn())
        FOptionsBtn->SetBRect(Rect(FMarginX, entryBottom - FOptionsBtn->Height(), width - FMarginX, entryBottom));
}

void TControlSelectorPanel::PaintEntry(TCanvas* canvas, const TSelectorItem& entry, bool hot, bool down)
{
    const TRect r = entry.BRect();
    TColor color = clNone, colorTo = clNone, text = FItemTextColor;
    if (down) {
        color = FItemColorDown;
        colorTo = FItemColorDownTo;
        text = FItemTextColorDown;
    } else if (hot) {
        color = FItemColorHot;
        colorTo = FItemColorHotTo;
        text = FItemTextColorHot;
    }
    canvas->Pen()->SetColor(clBlack);
    FillEntry(canvas, r, color, colorTo);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Font()->SetColor(text);
    RECT t = ToWinRect(Rect(r.Left, r.Top, r.Right - 8, r.Bottom));
    DrawShapedText(TextDC(canvas), entry.Caption(), t, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

void TControlSelectorPanel::Paint()
{
    TOptionSelectorPanel::Paint();
    const double s = CanvasScale();
    TCanvas* canvas = Canvas();
    if (!FShowAddAndRemoveBtn && !ShowOptionsBtn())
        return;
    const int lineY = (ShowOptionsBtn() ? FOptionsBtn->BRect().Top : FAddAndRemoveBtn->BRect().Top) - 4;
    canvas->Pen()->SetColor(clGray);
    canvas->MoveTo(0, lineY);
    canvas->LineTo(Width(), lineY);
    canvas->Font()->Assign(Font());
    canvas->Font()->SetSize(RoundToInt(FItemTextFontSize * s));
    if (FShowAddAndRemoveBtn) {
        // Both captions use "Tahoma" when this entry is shown.
        canvas->Font()->SetName(u"Tahoma");
        PaintEntry(canvas, *FAddAndRemoveBtn, FAddAndRemoveBtnHot, FAddAndRemoveBtnDown);
        // A small downward triangle at the entry's bottom-right corner.
        const TRect r = FAddAndRemoveBtn->BRect();
        const int R = r.Right, B = r.Bottom;
        canvas->Pen()->SetColor(canvas->Font()->Color());
        if (s > 1) {
            canvas->MoveTo(R - 10, B - 11);
            canvas->LineTo(R - 3, B - 11);
        }
        canvas->MoveTo(R - 9, B - 10);
        canvas->LineTo(R - 4, B - 10);
        canvas->MoveTo(R - 8, B - 9);
        canvas->LineTo(R - 5, B - 9);
        canvas->SetPixels(R - 7, B - 8, canvas->Font()->Color());
    }
    if (ShowOptionsBtn()) {
        PaintEntry(canvas, *FOptionsBtn, FOptionsBtnHot, FOptionsBtnDown);
        // A small filled triangle pointing right.
        const TRect r = FOptionsBtn->BRect();
        const int u = RoundToInt(6 * double(DPIScale));
        const TPoint points[] = {{r.Right - u + 2, r.Top + u}, {r.Right, r.Top + u + u / 2},
                                 {r.Right - u + 2, r.Top + 2 * u}};
        canvas->Pen()->SetColor(canvas->Font()->Color());
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(canvas->Font()->Color());
        canvas->Polygon(points);
    }
}

void TControlSelectorPanel::MouseMove(TShiftState shift, int x, int y)
{
    TOptionSelectorPanel::MouseMove(shift, x, y);
    if (shift.Contains(ssLeft))
        return;
    const TPoint p{x, y};
    const bool onAddAndRemove = FShowAddAndRemoveBtn && FAddAndRemoveBtn->BRect().Contains(p);
    if (onAddAndRemove && !FAddAndRemoveBtnHot) {
        FAddAndRemoveBtnHot = FAddAndRemoveBtnDown = true;
        Invalidate();
        if (FCustomizeOptionWindow)
            HideCustomizeWindowInternally();
        ShowAddAndRemovePopup();
    } else if (!onAddAndRemove && FAddAndRemoveBtnHot) {
        FAddAndRemoveBtnHot = FAddAndRemoveBtnDown = false;
        Invalidate();
    }
    const bool onOptions = ShowOptionsBtn() && FOptionsBtn->BRect().Contains(p);
    if (onOptions && !FOptionsBtnHot) {
        FOptionsBtnHot = FOptionsBtnDown = true;
        Invalidate();
        ShowOptionsPopup();
    } else if (!onOptions && FOptionsBtnHot) {
        FOptionsBtnHot = FOptionsBtnDown = false;
        Invalidate();
        // Gone up, back to the listed controls: the Customize entry goes.
        if (FCustomizeOptionWindow && y < FOptionsBtn->BRect().Top - 4)
            HideCustomizeWindowInternally();
    }
}

void TControlSelectorPanel::HideCustomizeWindowInternally()
{
    FInternalHiding = true;
    try {
        FCustomizeOptionWindow->Hide();
    } catch (...) {
        FInternalHiding = false;
        throw;
    }
    FInternalHiding = false;
}

void TControlSelectorPanel::CustomizeWindowHidden(TObject*)
{
    if (FInternalHiding)
        return;
    if (TRurPopupForm* window = Window())
        window->Hide();
}

void TControlSelectorPanel::AddAndRemoveHidden(TObject*)
{
    FAddAndRemoveBtnDown = false;
    if (TRurPopupForm* window = Window())
        window->SetHideOnDeActivate(true);
    Invalidate();
}

void TControlSelectorPanel::AddAndRemoveDeactivated(TObject*)
{
    if (TRurPopupForm* window = Window())
        window->Hide();
    FAddAndRemoveBtnHot = FAddAndRemoveBtnDown = false;
}

void TControlSelectorPanel::ShowAddAndRemovePopup()
{
    if (!FShowAddAndRemoveBtn || (FAddAndRemovePopup && FAddAndRemovePopup->Visible()))
        return;
    TRurCustomToolBar* toolBar = WindowToolBar();
    if (!FAddAndRemovePopup) {
        FAddAndRemovePopup = new TATBPopupWindow(this);
        FAddAndRemovePopup->SetBorderIcons({});
        FAddAndRemovePopup->SetBorderStyle(bsNone);
        FAddAndRemovePopup->SetFormStyle(fsStayOnTop);
        FAddAndRemovePopup->SetBounds(0, 0, 10, 10);
        FAddAndRemovePopup->SetOnHide(MakeHandler<&TControlSelectorPanel::AddAndRemoveHidden>(this));
        FAddAndRemovePopup->SetOnDeActivateHide(MakeHandler<&TControlSelectorPanel::AddAndRemoveDeactivated>(this));
        FAddAndRemovePopup->CreateItems();
    }
    FAddAndRemovePopup->SetRurToolBar(toolBar);

    // One row named after the toolbar; under it a check row per control, separators left out.
    TATBPopupPanel* panel = FAddAndRemovePopup->PopupPanel();
    TATBMenuItem* root = panel->Items();
    root->Clear();
    panel->SetShowIconBar(true);
    if (toolBar) {
        panel->SetRurMenuStyler(toolBar->CurrentToolBarStyler()->CurrentRurMenuStyler());
        TATBMenuItem* bar = root->Add();
        bar->SetCaption(toolBar->Caption());
        for (int i = 0; i < toolBar->ToolBarControlCount(); ++i) {
            TControl* control = toolBar->ToolBarControls(i);
            if (dynamic_cast<TRurToolBarSeparator*>(control))
                continue;
            TATBMenuItem* row = bar->Add();
            row->SetAutoCheck(true);
            row->SetChecked(control->Visible());
            row->SetObjects(control);
            row->SetCaption(RowCaption(control));
        }
    }
    panel->ArrangeItems();
    FAddAndRemovePopup->SetWindowSize();
    if (TRurPopupForm* window = Window())
        window->SetHideOnDeActivate(false);

    const TRect entry = FAddAndRemoveBtn->BRect();
    const TPoint at = PlaceInWorkArea(ClientToScreen(TPoint{entry.Right, entry.Top}),
                                      ClientToScreen(TPoint{entry.Left, 0}).X, FAddAndRemovePopup->Width(),
                                      FAddAndRemovePopup->Height());
    FAddAndRemovePopup->SetBounds(at.X, at.Y, FAddAndRemovePopup->Width(), FAddAndRemovePopup->Height());
    FAddAndRemovePopup->Show();
    FAddAndRemovePopup->SetFocus();
}

int TControlSelectorPanel::OptionMenuWidth()
{
    // What the menu's widest caption needs (0 without items).
    TBitmap measure;
    measure.Canvas()->Font()->Assign(Font());
    int width = 0;
    for (int i = 0; i < FOptionsMenu->Items()->Count(); ++i)
        width = std::max(width, measure.Canvas()->TextWidth(FOptionsMenu->Items()->Items(i)->Caption()));
    return width;
}

int TControlSelectorPanel::PrepareCustomizeWindow(TRurCustomToolBar* toolBar)
{
    if (!FCustomizeOptionWindow) {
        FCustomizeOptionWindow = new TOptionSelectorWindow(this);
        FCustomizeOptionWindow->SetBorderStyle(bsNone);
        FCustomizeOptionWindow->SetFormStyle(fsStayOnTop);
        FCustomizeOptionWindow->SetBounds(0, 0, 100, 40);
        FCustomizeOptionWindow->SetOnHide(MakeHandler<&TControlSelectorPanel::CustomizeWindowHidden>(this));
        FCustomizeOptionPanel = new TCustomizeOption(FCustomizeOptionWindow);
        FCustomizeOptionPanel->SetParent(FCustomizeOptionWindow);
        FCustomizeOptionWindow->SetOptionsPanel(FCustomizeOptionPanel);
    }
    FCustomizeOptionPanel->SetRurToolBar(toolBar);
    FCustomizeOptionPanel->SetCustomizeText(FCustomizer->DialogSettings()->Customize() + u" " + toolBar->Caption());
    FCustomizeOptionPanel->UpdateSize();
    FCustomizeOptionWindow->SetWindowSize();
    return FCustomizeOptionWindow->Width();
}

void TControlSelectorPanel::ShowOptionsPopup()
{
    TRurCustomToolBar* toolBar = WindowToolBar();
    if (!toolBar || !ShowOptionsBtn())
        return;
    if (FShowAddAndRemoveBtn) {
        if (FAddAndRemovePopup && FAddAndRemovePopup->Visible())
            FAddAndRemovePopup->Hide();
        FTimer->SetEnabled(true);
    }
    // Beside the entry, or on its left where the monitor ends.
    const TRect entry = FOptionsBtn->BRect();
    TPoint at = ClientToScreen(TPoint{entry.Right + 3, entry.Top});
    const TMonitor* monitor = Screen->MonitorFromPoint(at);
    const int right = monitor ? monitor->BoundsRect().Right : GetSystemMetrics(SM_CXSCREEN);
    const int width = FOptionsMenu ? OptionMenuWidth() : PrepareCustomizeWindow(toolBar);
    if (at.X + width > right)
        at.X = ClientToScreen(TPoint{entry.Left, 0}).X - width;
    TRurPopupForm* window = Window();
    if (window)
        window->SetHideOnDeActivate(false);
    if (FOptionsMenu) {
        FOptionsMenu->Popup(at.X, at.Y);
        FOptionsBtnHot = FOptionsBtnDown = false;
        FTimer->SetEnabled(false);
        POINT cursor;
        GetCursorPos(&cursor);
        const TPoint inPanel = ScreenToClient(TPoint{cursor.x, cursor.y});
        if (window && !(FShowAddAndRemoveBtn && FAddAndRemoveBtn->BRect().Contains(inPanel)))
            window->Hide();
    } else {
        FCustomizeOptionWindow->SetBounds(at.X, at.Y, FCustomizeOptionWindow->Width(), FCustomizeOptionWindow->Height());
        FCustomizeOptionWindow->Show();
    }
    if (window)
        window->SetHideOnDeActivate(true);
    Invalidate();
}

void TControlSelectorPanel::TimerTick(TObject*)
{
    // The cursor reached the first entry while the option menu is open: a click there closes the
    // menu, and the next mouse move opens the check list.
    POINT cursor;
    GetCursorPos(&cursor);
    const TPoint p = ScreenToClient(TPoint{cursor.x, cursor.y});
    if (!FAddAndRemoveBtn->BRect().Contains(p))
        return;
    FTimer->SetEnabled(false);
    const LPARAM at = MAKELPARAM(p.X, p.Y);
    PostMessageW(Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(Handle(), WM_LBUTTONUP, 0, at);
}
