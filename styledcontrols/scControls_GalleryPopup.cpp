// The gallery menu's pop-up window: layout, placement, painting, hot tracking, keys, the mouse
// and the application's message hook.
#include "scControls.h"

#include "Forms.h"
#include "Math.h"
#include "scHint.h"

namespace {

// The work area of the monitor the user works on: the active form's, the visible main form's,
// else the desktop's.
TRect PopupWorkArea()
{
    HWND anchorWindow = nullptr;
    if (Screen && Screen->ActiveForm() && Screen->ActiveForm()->HandleAllocated())
        anchorWindow = Screen->ActiveForm()->HandleIfAllocated();
    else if (Application && Application->MainForm() && Application->MainForm()->Visible() &&
             Application->MainForm()->HandleAllocated())
        anchorWindow = Application->MainForm()->HandleIfAllocated();
    RECT work{};
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (anchorWindow && GetMonitorInfoW(MonitorFromWindow(anchorWindow, MONITOR_DEFAULTTONEAREST), &info))
        work = info.rcWork;
    else
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return Rect(work.left, work.top, work.right, work.bottom);
}

int Nearest(double value) { return static_cast<int>(Round(value)); }

} // namespace

TscGalleryMenuPopupWindow::TscGalleryMenuPopupWindow(TscGalleryMenu* menu) : TscPanel(menu), GalleryMenu(menu)
{
    FDrawOnBackground = false;
    SetVisible(false);
    SetControlStyle(TControlStyle(ControlStyle()).Include(csReplicatable));
    if (menu->BackgroundStyle() == scgmToolBar)
        SetStyleKind(scpsToolBar);
    else if (menu->BackgroundStyle() == scgmFormBackground)
        SetStyleKind(scpsFormBackground);
    SetBorderStyle(scpbsFlat);
}

TscGalleryMenuPopupWindow::~TscGalleryMenuPopupWindow()
{
    // Freed while open (with its menu): the hook and the capture do not outlive the window.
    UnHookApp();
    if (HandleAllocated() && GetCapture() == HandleIfAllocated())
        ReleaseCapture();
}

TscGalleryMenuItem* TscGalleryMenuPopupWindow::Item(int index) const { return GalleryMenu->Items()->Items(index); }

int TscGalleryMenuPopupWindow::ItemCount() const { return GalleryMenu->Items()->Count(); }

TControl* TscGalleryMenuPopupWindow::StyleSource() const
{
    if (GalleryMenu->Control())
        return GalleryMenu->Control();
    return Screen ? Screen->ActiveForm() : nullptr;
}

void TscGalleryMenuPopupWindow::CreateParams(TCreateParams& params)
{
    TscPanel::CreateParams(params);
    params.Style = WS_POPUP | WS_CLIPCHILDREN;
    params.ExStyle = WS_EX_TOOLWINDOW;
    params.WindowClassStyle |= CS_SAVEBITS | CS_DROPSHADOW;
}

// ---------------------------------------------------------------------------------------------
// Layout and placement.

void TscGalleryMenuPopupWindow::CalcItemRects()
{
    TCustomImageList* images = GalleryMenu->Images();
    const int pad = Nearest(10 * FScaleFactor);
    const int cellW = images->Width() + pad, cellH = images->Height() + pad;
    const int rowW = GalleryMenu->ColumnsCount() * cellW;
    int x = 2, y = 2;
    for (int i = 0; i < ItemCount(); ++i) {
        TscGalleryMenuItem* item = Item(i);
        if (item->Header() || item->Button()) {
            if (x != 2)
                y += cellH + 1;
            const int h = item->Header() ? Nearest(GalleryMenu->HeaderHeight() * FScaleFactor) : cellH;
            item->ItemRect = Rect(2, y, 2 + rowW, y + h);
            y += h + 1;
            x = 2;
            continue;
        }
        item->ItemRect = Rect(x, y, x + cellW, y + cellH);
        x += cellW;
        if (x + cellW > 2 + rowW) {
            x = 2;
            y += cellH + 1;
        }
    }
}

void TscGalleryMenuPopupWindow::UpdateWindowSize()
{
    TCustomImageList* images = GalleryMenu->Images();
    const int cellW = images->Width() + Nearest(10 * FScaleFactor);
    const int height = ItemCount() > 0 ? Item(ItemCount() - 1)->ItemRect.Bottom - Item(0)->ItemRect.Top + 4 : 4;
    SetBounds(Left(), Top(), GalleryMenu->ColumnsCount() * cellW + 4, height);
}

void TscGalleryMenuPopupWindow::Place(const TRect& popupRect, bool extended, bool fromTop, bool fromRight)
{
    CalcItemRects();
    UpdateWindowSize();
    const TPoint at = GalleryPopupPosition(popupRect, TSize{Width(), Height()}, PopupWorkArea(), extended, fromTop,
                                           fromRight);
    SetWindowPos(Handle(), HWND_TOPMOST, at.X, at.Y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    SetVisible(true);
    RePaintControl();
    HookApp();
    SetCapture(Handle());
}

void TscGalleryMenuPopupWindow::Show(const TRect& popupRect) { Place(popupRect, false, false, false); }

void TscGalleryMenuPopupWindow::ShowExt(const TRect& popupRect, bool fromTop, bool fromRight)
{
    Place(popupRect, true, fromTop, fromRight);
}

void TscGalleryMenuPopupWindow::Hide(bool processEvents)
{
    if (HandleAllocated())
        SetWindowPos(HandleIfAllocated(), nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetVisible(false);
    if (GalleryMenu->ShowHints() && GalleryMenu->HintComponent())
        GalleryMenu->HintComponent()->HideHint();
    UnHookApp();
    if (HandleAllocated() && GetCapture() == HandleIfAllocated())
        ReleaseCapture();
    GalleryMenu->PopupClosed(processEvents);
}

// ---------------------------------------------------------------------------------------------
// The application's message hook.

void TscGalleryMenuPopupWindow::HookApp()
{
    if (FHooked)
        return;
    OldAppMessage = Application->OnMessage();
    FAppMessage = TEvent<MSG&, bool&>([this](MSG& msg, bool& handled) { NewAppMessage(msg, handled); });
    Application->SetOnMessage(FAppMessage);
    FHooked = true;
}

void TscGalleryMenuPopupWindow::UnHookApp()
{
    if (!FHooked)
        return;
    FHooked = false;
    // A handler installed by someone else meanwhile stays; it will restore its own predecessor.
    if (Application && Application->OnMessage() == FAppMessage)
        Application->SetOnMessage(OldAppMessage);
}

void TscGalleryMenuPopupWindow::NewAppMessage(MSG& msg, bool&)
{
    switch (msg.message) {
    case WM_KEYDOWN:
        ProcessKey(static_cast<WORD>(msg.wParam));
        msg.message = 0;
        break;
    case WM_MOUSEWHEEL:
        msg.message = 0;
        break;
    case WM_MOVE: case WM_SIZE: case WM_ACTIVATE: case WM_KILLFOCUS: case WM_CANCELMODE: case WM_MOUSEACTIVATE:
    case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN: case WM_NCMBUTTONDOWN: case WM_SYSKEYDOWN: case WM_SYSCHAR:
    case WM_RBUTTONDOWN: case WM_MBUTTONDOWN: case WM_PARENTNOTIFY:
        Hide(false);
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------------------------------------
// Hit testing, hot tracking, keys and the mouse.

bool TscGalleryMenuPopupWindow::Usable(int index) const { return !Item(index)->Header() && Item(index)->Enabled(); }

int TscGalleryMenuPopupWindow::GetItemAtPoint(TPoint p) const
{
    for (int i = 0; i < ItemCount(); ++i)
        if (Usable(i) && RectContainsPoint(Item(i)->ItemRect, p))
            return i;
    return -1;
}

void TscGalleryMenuPopupWindow::SetHotItem(int index)
{
    if (index == FMouseInItem)
        return;
    FMouseInItem = index;
    RePaintControl();
}

void TscGalleryMenuPopupWindow::UpdateHotItem(int x, int y)
{
    FMouseInItem = GetItemAtPoint(Point(x, y));
    TscHint* hint = GalleryMenu->HintComponent();
    if (hint && FMouseInItem == -1)
        hint->HideHint();
    if (FMouseInItem == OldMouseInItem)
        return;
    OldMouseInItem = FMouseInItem;
    RePaintControl();
    if (GalleryMenu->ShowHints() && FMouseInItem != -1 && hint) {
        hint->HideHint();
        if (!Item(FMouseInItem)->Hint().empty())
            hint->ActivateHint(Item(FMouseInItem)->Hint());
    }
}

int TscGalleryMenuPopupWindow::FirstItem() const
{
    if (ItemCount() == 0)
        return -1;
    if (!Item(0)->Header())
        return 0;
    return ItemCount() > 1 ? 1 : -1;
}

void TscGalleryMenuPopupWindow::FindVertical(bool up)
{
    const TRect hot = Item(FMouseInItem)->ItemRect;
    const int step = up ? -1 : 1;
    for (int i = FMouseInItem + step; i >= 0 && i < ItemCount(); i += step) {
        const TRect r = Item(i)->ItemRect;
        const bool beyond = up ? r.Top < hot.Top : r.Top > hot.Top;
        if (Usable(i) && beyond && (Item(i)->Button() || r.Left == hot.Left)) {
            SetHotItem(i);
            return;
        }
    }
}

void TscGalleryMenuPopupWindow::FindUp()
{
    if (FMouseInItem == -1)
        SetHotItem(ItemCount() - 1);
    else
        FindVertical(true);
}

void TscGalleryMenuPopupWindow::FindDown()
{
    if (FMouseInItem == -1)
        SetHotItem(FirstItem());
    else
        FindVertical(false);
}

void TscGalleryMenuPopupWindow::FindRight()
{
    if (FMouseInItem == -1 || FMouseInItem == ItemCount() - 1) {
        SetHotItem(FirstItem());
        return;
    }
    for (int i = FMouseInItem + 1; i < ItemCount(); ++i)
        if (Usable(i)) {
            SetHotItem(i);
            return;
        }
}

void TscGalleryMenuPopupWindow::FindLeft()
{
    const bool atStart = FMouseInItem == 0 || (FMouseInItem == 1 && Item(0)->Header() && ItemCount() > 1);
    if (FMouseInItem == -1 || atStart) {
        SetHotItem(ItemCount() - 1);
        return;
    }
    for (int i = FMouseInItem - 1; i >= 0; --i)
        if (Usable(i)) {
            SetHotItem(i);
            return;
        }
}

void TscGalleryMenuPopupWindow::ProcessKey(WORD key)
{
    switch (key) {
    case VK_RETURN:
    case VK_SPACE:
        if (FMouseInItem != -1)
            GalleryMenu->SetItemIndex(FMouseInItem);
        Hide(true);
        break;
    case VK_ESCAPE: Hide(false); break;
    case VK_LEFT: FindLeft(); break;
    case VK_UP: FindUp(); break;
    case VK_RIGHT: FindRight(); break;
    case VK_DOWN: FindDown(); break;
    default: break;
    }
}

void TscGalleryMenuPopupWindow::MouseMove(TShiftState shift, int x, int y)
{
    TscPanel::MouseMove(shift, x, y);
    UpdateHotItem(x, y);
}

void TscGalleryMenuPopupWindow::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TscPanel::MouseDown(button, shift, x, y);
    FDown = true;
    if (GalleryMenu->ShowHints() && GalleryMenu->HintComponent())
        GalleryMenu->HintComponent()->HideHint();
    FItemDown = GetItemAtPoint(Point(x, y)) != -1;
    RePaintControl();
}

void TscGalleryMenuPopupWindow::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TscPanel::MouseUp(button, shift, x, y);
    const int item = GetItemAtPoint(Point(x, y));
    // The release of the click that dropped the menu down did not go down here: it picks nothing.
    if (FDown && item != -1) {
        GalleryMenu->SetItemIndex(item);
        Hide(true);
        return;
    }
    if (GetCapture() == Handle())
        ReleaseCapture();
    SetCapture(Handle());
}

void TscGalleryMenuPopupWindow::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CM_RELEASE:
        delete this;
        return;
    case WM_MOUSEACTIVATE:
        message.Result = MA_NOACTIVATE;
        return;
    case WM_ERASEBKGND:
        message.Result = 1;
        return;
    case CM_MOUSELEAVE:
        FMouseInItem = -1;
        OldMouseInItem = -1;
        RePaintControl();
        return;
    default:
        break;
    }
    TscPanel::WndProc(message);
    if (message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK) {
        POINT p;
        GetCursorPos(&p);
        if (Visible() && WindowFromPoint(p) != HandleIfAllocated())
            Hide(false);
    }
}

// ---------------------------------------------------------------------------------------------
// Painting.

void TscGalleryMenuPopupWindow::Draw(TCanvas* canvas, TscsCtrlState state)
{
    TscPanel::Draw(canvas, state);
    const int selected = GalleryMenu->ShowSelectedItem() ? GalleryMenu->ItemIndex() : -1;
    if (GalleryMenu->BackgroundStyle() == scgmToolBar)
        DrawFlatBorder(canvas, Rect(0, 0, Width(), Height()), StyleSource());
    DrawItems(FMouseInItem, selected, canvas);
}

void TscGalleryMenuPopupWindow::DrawItems(int hotIndex, int selectedIndex, TCanvas* canvas)
{
    for (int i = 0; i < ItemCount(); ++i) {
        const int saved = SaveDC(canvas->Handle());
        if (Item(i)->Header()) {
            DrawHeaderItem(i, canvas);
        } else {
            bool down = false, hot = false;
            if (i == selectedIndex && !FItemDown)
                down = true;
            else if (i == hotIndex)
                (FItemDown ? down : hot) = true;
            if (Item(i)->Button())
                DrawButtonItem(i, canvas, down, hot);
            else
                DrawImageItem(i, canvas, down, hot);
        }
        RestoreDC(canvas->Handle(), saved);
    }
}

void TscGalleryMenuPopupWindow::DrawImageItem(int index, TCanvas* canvas, bool down, bool hot)
{
    TscGalleryMenuItem* item = Item(index);
    const TRect r = item->ItemRect;
    const TscsCtrlState state = down ? scsPressed : hot ? scsHot : scsNormal;
    if (state != scsNormal)
        DrawToolButton(canvas, r, state, StyleSource());
    TCustomImageList* images = GalleryMenu->Images();
    if (!images)
        return;
    const int x = r.Left + r.Width() / 2 - images->Width() / 2;
    const int y = r.Top + r.Height() / 2 - images->Height() / 2;
    if (item->Enabled() || item->ShowColor())
        images->Draw(canvas, x, y, item->ImageIndex(), true);
    else if (images->ClassName() == u"TVirtualImageList")
        images->Draw(canvas, x, y, item->ImageIndex(), false);
    else
        DrawImageListImageAlpha(canvas, x, y, 100, item->ImageIndex(), images);
}

void TscGalleryMenuPopupWindow::DrawButtonItem(int index, TCanvas* canvas, bool down, bool hot)
{
    TscGalleryMenuItem* item = Item(index);
    const TRect r = item->ItemRect;
    const TscsCtrlState state = !item->Enabled() ? scsDisabled : down ? scsPressed : hot ? scsHot : scsNormal;
    TColor textColor = GetStyleSystemColor(clBtnText, StyleSource());
    if (state != scsNormal) {
        textColor = GetToolButtonTextColor(state, StyleSource());
        DrawToolButton(canvas, r, state, StyleSource());
    }
    canvas->Font()->Assign(GalleryMenu->ItemFont());
    canvas->Font()->SetHeight(Nearest(canvas->Font()->Height() * FScaleFactor));
    canvas->Font()->SetColor(textColor);
    canvas->Brush()->SetStyle(bsClear);
    SetBkMode(canvas->Handle(), TRANSPARENT);
    const TRect text = InflatedRect(r, -2);
    TCustomImageList* images = GalleryMenu->Images();
    if (GalleryMenu->ButtonGlyphLeftAlignment() && !GalleryMenu->ButtonLeftAlignment()) {
        if (images && item->ImageIndex() >= 0 && item->ImageIndex() < images->Count()) {
            const TRect square = Rect(r.Left, r.Top, r.Left + r.Height(), r.Bottom);
            images->Draw(canvas, square.Left + (square.Width() - images->Width()) / 2,
                         square.Top + (square.Height() - images->Height()) / 2, item->ImageIndex(), true);
        }
        DrawAlignedText(canvas, item->Caption(), text, false, false, 2);
        return;
    }
    const int margin = GalleryMenu->ButtonLeftAlignment() ? 5 : -1;
    DrawImageAndText(canvas, text, margin, true, FScaleFactor, true, false, false, clNone, false, item->Enabled(),
                     images, item->ImageIndex(), item->Caption(), 0, 5);
}

void TscGalleryMenuPopupWindow::DrawHeaderItem(int index, TCanvas* canvas)
{
    TscGalleryMenuItem* item = Item(index);
    const TRect r = item->ItemRect;
    canvas->Font()->Assign(GalleryMenu->HeaderFont());
    canvas->Font()->SetHeight(Nearest(canvas->Font()->Height() * FScaleFactor));
    HDC dc = canvas->Handle();
    if (GalleryMenu->HeaderStyle() == scmhsDefault) {
        DrawHeaderSection(canvas, r, scsNormal, StyleSource());
        canvas->Font()->SetColor(GetHeaderSectionTextColor(scsNormal, StyleSource()));
    } else {
        TColor line;
        if (UsesCustomStyle(this)) {
            line = MixColors(GetStyleSystemColor(clBtnText, StyleSource()), GetStyleSystemColor(clBtnFace, StyleSource()));
            canvas->Font()->SetColor(line);
        } else {
            line = MixColors(clBtnText, clBtnFace);
        }
        const HGDIOBJ oldPen = SelectObject(dc, GetStockObject(DC_PEN));
        SetDCPenColor(dc, static_cast<COLORREF>(ColorToRGB(line)));
        for (int y : {r.Bottom - 1, r.Bottom - 2}) {
            MoveToEx(dc, r.Left + 2, y, nullptr);
            LineTo(dc, r.Right - 2, y);
        }
        SelectObject(dc, oldPen);
    }
    TRect text = Rect(r.Left + 5, r.Top, r.Right - 5, r.Bottom);
    SetBkMode(dc, TRANSPARENT);
    PrepareCanvasText(canvas);
    if (GalleryMenu->HeaderStyle() == scmhsBottomLine) {
        RECT measured{text.Left, text.Top, text.Right, text.Bottom};
        DrawTextW(dc, reinterpret_cast<LPCWSTR>(item->Caption().c_str()), -1, &measured, DT_CALCRECT | DT_SINGLELINE);
        text.Top = text.Bottom - (measured.bottom - measured.top) - 6;
    }
    RECT out{text.Left, text.Top, text.Right, text.Bottom};
    DrawTextW(dc, reinterpret_cast<LPCWSTR>(item->Caption().c_str()), -1, &out,
              BiDiDrawTextFlags(DT_SINGLELINE | DT_VCENTER, IsBiDiRightToLeft()));
}
