#include "scToolBar.h"

#include "ImgList.h"
#include "scDrawUtils.h"
#include "scHookBuffer.h"

TAVIN_PUBLISHED(TscToolBar) {}

void TscToolBar::WndProc(TMessage& message)
{
    // Notifications reflected from the parent reach the control past its window, so past its
    // style hook: sent to the window once more, they pass the hook (the open drop-down's look).
    if (message.Msg == CN_NOTIFY && StyleHook() && !FRouting && HandleAllocated()) {
        TScopedFlag routing(FRouting);
        message.Result = SendMessageW(HandleIfAllocated(), CN_NOTIFY, message.WParam, message.LParam);
        return;
    }
    TToolBar::WndProc(message);
}

namespace {

// A drop-down arrow whose width the window does not tell.
constexpr int DefaultDropDownWidth = 15;

bool Has(BYTE flags, BYTE flag) { return (flags & flag) != 0; }

TRect RectOf(const RECT& r) { return Rect(r.left, r.top, r.right, r.bottom); }

TRect CentredIn(const TRect& bounds, int width, int height)
{
    const int left = bounds.Left + (bounds.Width() - width) / 2;
    const int top = bounds.Top + (bounds.Height() - height) / 2;
    return Bounds(left, top, width, height);
}

void FillVerticalGradient(HDC dc, const TRect& r, TColor top, TColor bottom)
{
    const auto vertex = [](int x, int y, TColor c) {
        const TColor rgb = ColorToRGB(c);
        return TRIVERTEX{x, y, static_cast<COLOR16>(GetRValue(rgb) << 8), static_cast<COLOR16>(GetGValue(rgb) << 8),
                         static_cast<COLOR16>(GetBValue(rgb) << 8), 0};
    };
    TRIVERTEX vertices[] = {vertex(r.Left, r.Top, top), vertex(r.Right, r.Bottom, bottom)};
    GRADIENT_RECT gradient{0, 1};
    GradientFill(dc, vertices, 2, &gradient, 1, GRADIENT_FILL_RECT_V);
}

} // namespace

struct TscToolBarStyleHook::TButtonData {
    TRect Rect;
    String Text;
    int Image = -1;
    BYTE State = 0;
    BYTE Style = 0;
    bool Enabled() const { return Has(State, TBSTATE_ENABLED); }
    bool Pressed() const { return Has(State, TBSTATE_PRESSED); }
    bool Checked() const { return Has(State, TBSTATE_CHECKED); }
    bool Separator() const { return Has(Style, BTNS_SEP); }
};

TscToolBarStyleHook::TscToolBarStyleHook(TWinControl* control)
    : TMouseTrackControlStyleHook(control), FRuntimeThemesEnabled(TStyleManager::SystemStyle()->Enabled())
{
    FOverridePaint = true;
    FOverridePaintNC = true;
}

TscToolBarStyleHook::~TscToolBarStyleHook() = default;

TRect TscToolBarStyleHook::ItemRect(int index) const
{
    RECT r{};
    if (!SendMessageW(Handle(), TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r)))
        return TRect();
    return RectOf(r);
}

TscToolBarStyleHook::TButtonData TscToolBarStyleHook::ReadButton(int index) const
{
    TButtonData data;
    data.Rect = ItemRect(index);
    TBBUTTON button{};
    SendMessageW(Handle(), TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button));
    // By index: buttons may share a command number, and each shows its own picture and text.
    wchar_t text[256] = {};
    TBBUTTONINFOW info{};
    info.cbSize = sizeof(info);
    info.dwMask = TBIF_BYINDEX | TBIF_IMAGE | TBIF_TEXT | TBIF_STATE | TBIF_STYLE;
    info.pszText = text;
    info.cchText = 255;
    if (SendMessageW(Handle(), TB_GETBUTTONINFOW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info)) >= 0) {
        data.Text = String(reinterpret_cast<const Char*>(text));
        data.Image = info.iImage;
        data.State = info.fsState;
    } else {
        data.Image = button.iBitmap;
        data.State = button.fsState;
    }
    data.Style = button.fsStyle;
    return data;
}

void TscToolBarStyleHook::UpdateToolbarImages()
{
    auto list = reinterpret_cast<HIMAGELIST>(SendMessageW(Handle(), TB_GETIMAGELIST, 0, 0));
    if (!list || FImages)
        return;
    FImages = std::make_unique<TImageList>(nullptr);
    FImages->SetShareImages(true);
    FImages->SetHandle(list);
}

void TscToolBarStyleHook::MouseLeave()
{
    if (FHotButtonIndex == -1)
        return;
    FHotButtonIndex = -1;
    Invalidate();
}

void TscToolBarStyleHook::UpdateHotButton(TPoint p)
{
    const int count = static_cast<int>(SendMessageW(Handle(), TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const TButtonData button = ReadButton(i);
        if (RectContainsPoint(button.Rect, p) && button.Enabled()) {
            if (FHotButtonIndex != i) {
                FHotButtonIndex = i;
                Invalidate();
            }
            return;
        }
    }
    if (FHotButtonIndex >= 0) {
        FHotButtonIndex = -1;
        Invalidate();
    }
}

void TscToolBarStyleHook::WndProc(TMessage& message)
{
    // Handled is set after the painting: the window messages it sends pass this hook and reset it.
    if (HandleBufferedPaint(message, FControl, FFromWMPaint, [this](TCanvas* canvas) { Paint(canvas); })) {
        FHandled = true;
        return;
    }
    switch (message.Msg) {
    case TB_SETIMAGELIST:
        CallDefaultProc(message);
        // Rebuilt over the new list at the next paint.
        FImages.reset();
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE);
        FHandled = true;
        return;
    case WM_MOUSEMOVE:
        TMouseTrackControlStyleHook::WndProc(message);
        UpdateHotButton(Point(static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))));
        FHandled = false;
        return;
    case WM_SIZE:
        if (auto* bar = dynamic_cast<TToolBar*>(FControl); bar && !bar->EdgeBorders().Empty())
            RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
        FHandled = false;
        return;
    case CN_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
        if (header->code == static_cast<UINT>(TBN_DROPDOWN) && header->hwndFrom == Handle()) {
            FArrowDownButtonIndex = reinterpret_cast<const NMTOOLBARW*>(message.LParam)->iItem;
            Invalidate();
            FHotButtonIndex = -1;
            // The drop-down menu runs inside the toolbar's own handling.
            CallDefaultProc(message);
            FArrowDownButtonIndex = -1;
            Invalidate();
            FHandled = true;
            return;
        }
        break;
    }
    default:
        break;
    }
    TMouseTrackControlStyleHook::WndProc(message);
}

void TscToolBarStyleHook::PaintNC(TCanvas* canvas)
{
    TCustomStyleServices* style = StyleServices();
    auto* bar = dynamic_cast<TToolBar*>(FControl);
    if (!style || !bar)
        return;
    const TRect whole(0, 0, FControl->Width(), FControl->Height());
    HDC dc = canvas->Handle();
    if (const int border = bar->BorderWidth()) {
        const TEdgeBorders edges = bar->EdgeBorders();
        TRect inner(whole.Left + 2 * border, whole.Top + 2 * border, whole.Right - 2 * border, whole.Bottom - 2 * border);
        inner.Left += edges.Contains(ebLeft) ? 2 : 0;
        inner.Top += edges.Contains(ebTop) ? 2 : 0;
        inner.Right -= edges.Contains(ebRight) ? 2 : 0;
        inner.Bottom -= edges.Contains(ebBottom) ? 2 : 0;
        const int saved = SaveDC(dc);
        ExcludeClipRect(dc, inner.Left, inner.Top, inner.Right, inner.Bottom);
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(style->GetSystemColor(clBtnFace));
        canvas->FillRect(whole);
        RestoreDC(dc, saved);
    }
    if (!bar->EdgeBorders().Empty()) {
        const auto details = TCustomStyleServices::GetElementDetails(teToolBar, 0, 0);
        style->DrawEdge(dc, details, whole, {eeSunken}, {efRect});
        style->DrawEdge(dc, details, TRect(whole.Left + 1, whole.Top + 1, whole.Right - 1, whole.Bottom - 1), {eeRaised},
                        {efRect});
    }
}

void TscToolBarStyleHook::PaintToolBarBackground(TCanvas* canvas)
{
    TCustomStyleServices* style = StyleServices();
    const TRect whole(0, 0, FControl->Width(), FControl->Height());
    auto* bar = dynamic_cast<TToolBar*>(FControl);
    if (bar && bar->DrawingStyle() == tbdsGradient) {
        FillVerticalGradient(canvas->Handle(), whole, style->GetStyleColor(scToolBarGradientBase),
                             style->GetStyleColor(scToolBarGradientEnd));
        return;
    }
    const auto details = TCustomStyleServices::GetElementDetails(teToolBar, 0, 0);
    if (style->HasTransparentParts(details))
        style->DrawParentBackground(Handle(), canvas->Handle(), &details, false);
    style->DrawElement(canvas->Handle(), details, whole);
}

void TscToolBarStyleHook::Paint(TCanvas* canvas)
{
    TCustomStyleServices* style = StyleServices();
    if (!style || !style->Available() || !Handle())
        return;
    PaintToolBarBackground(canvas);
    UpdateToolbarImages();
    const int count = static_cast<int>(SendMessageW(Handle(), TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        PaintButton(canvas, i);
}

void TscToolBarStyleHook::PaintButton(TCanvas* canvas, int index)
{
    const TButtonData button = ReadButton(index);
    if (Has(button.State, TBSTATE_HIDDEN))
        return;
    TCustomStyleServices* style = StyleServices();
    auto* bar = dynamic_cast<TToolBar*>(FControl);
    HDC dc = canvas->Handle();
    const int dpi = FControl->CurrentPPI();
    TRect b = button.Rect;
    const bool hot = index == FHotButtonIndex && FMouseInControl;
    const bool arrowOpen = index == FArrowDownButtonIndex;
    const bool splitButton = Has(button.Style, BTNS_DROPDOWN);
    TThemedToolBar state;
    if (Has(button.Style, BTNS_WHOLEDROPDOWN))
        state = !button.Enabled()  ? ttbDropDownButtonDisabled
                : button.Pressed() ? ttbDropDownButtonPressed
                : button.Checked() ? (hot ? ttbDropDownButtonCheckedHot : ttbDropDownButtonChecked)
                : hot              ? ttbDropDownButtonHot
                                   : ttbDropDownButtonNormal;
    else
        state = !button.Enabled()                               ? ttbButtonDisabled
                : button.Pressed() && !(splitButton && arrowOpen) ? ttbButtonPressed
                : button.Checked() ? (button.Pressed() || hot ? ttbButtonCheckedHot : ttbButtonChecked)
                : hot || (splitButton && arrowOpen) ? ttbButtonHot
                                                    : ttbButtonNormal;
    const auto details = TCustomStyleServices::GetElementDetails(state);
    const bool gradient = bar && bar->DrawingStyle() == tbdsGradient;
    const bool flat = bar ? bar->Flat() : (GetWindowLongW(Handle(), GWL_STYLE) & TBSTYLE_FLAT) != 0;
    const bool faceDrawn = (!flat && !gradient) || button.Pressed() || button.Checked() || hot || arrowOpen;

    if (Has(button.Style, BTNS_WHOLEDROPDOWN)) {
        style->DrawElement(dc, details, b, nullptr, dpi);
    } else if (splitButton) {
        RECT arrowRect{};
        const int w = SendMessageW(Handle(), TB_GETITEMDROPDOWNRECT, static_cast<WPARAM>(index),
                                   reinterpret_cast<LPARAM>(&arrowRect))
                          ? arrowRect.right - arrowRect.left
                          : DefaultDropDownWidth;
        if (faceDrawn)
            style->DrawElement(dc, details, TRect(b.Left, b.Top, b.Right - w, b.Bottom), nullptr, dpi);
        TThemedToolBar arrow = arrowOpen || state == ttbButtonPressed ? ttbSplitButtonDropDownPressed
                               : state == ttbButtonDisabled           ? ttbSplitButtonDropDownDisabled
                               : state == ttbButtonHot                ? ttbSplitButtonDropDownHot
                               : faceDrawn                            ? ttbSplitButtonDropDownNormal
                                                                      : ttbDropDownButtonGlyphNormal;
        TRect arrowPart(b.Right - w, b.Top, b.Right, b.Bottom);
        if (gradient && (arrow == ttbSplitButtonDropDownNormal || arrow == ttbSplitButtonDropDownDisabled)) {
            arrow = ttbDropDownButtonGlyphNormal;
            arrowPart = TRect(arrowPart.Left - 1, arrowPart.Top, arrowPart.Right - 1, arrowPart.Bottom);
        }
        style->DrawElement(dc, TCustomStyleServices::GetElementDetails(arrow), arrowPart, nullptr, dpi);
        b.Right -= w;
    } else if (button.Separator()) {
        TRect r = b;
        if (TStyleManager::SystemStyle()->Enabled())
            r.Right = r.Left + 4;
        if (bar && !bar->Wrapable() && index < bar->ButtonCount() && bar->Buttons(index)->Wrap()) {
            // A wrapped separator ends a row: a line across the bar instead.
            const int centre = (b.Top + b.Bottom) / 2;
            TRect line(0, centre, FControl->ClientWidth(), centre + 2);
            DrawFrame3D(canvas, line, style->GetSystemColor(clBtnShadow), style->GetSystemColor(clBtnHighlight));
        } else {
            style->DrawElement(dc, TCustomStyleServices::GetElementDetails(ttbSeparatorNormal), r, nullptr, dpi);
        }
        return;
    } else if (faceDrawn) {
        style->DrawElement(dc, details, b, nullptr, dpi);
    }

    TRect image = FImages ? CentredIn(b, FImages->Width(), FImages->Height()) : TRect();
    PaintCaption(canvas, index, button, b, faceDrawn, details, image);
    PaintImage(canvas, index, button, image);
}

void TscToolBarStyleHook::PaintCaption(TCanvas* canvas, int index, const TButtonData& button, const TRect& face,
                                       bool faceDrawn, const TThemedElementDetails& details, TRect& image)
{
    auto* bar = dynamic_cast<TToolBar*>(FControl);
    const bool shown = !bar || bar->ShowCaptions() ||
                       (bar->AllowTextButtons() && index < bar->ButtonCount() &&
                        bar->Buttons(index)->Style() == tbsTextButton);
    if (button.Text.empty() || !shown)
        return;
    canvas->Font()->Assign(FControl->Font());
    HDC dc = canvas->Handle();
    const bool withImage = button.Image >= 0 && FImages;
    TRect t = face;
    HGDIOBJ oldFont = SelectObject(dc, canvas->Font()->Handle());
    RECT measured{t.Left, t.Top, t.Right, t.Bottom};
    DrawTextW(dc, reinterpret_cast<LPCWSTR>(button.Text.c_str()), -1, &measured, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
    SelectObject(dc, oldFont);
    t = CentredIn(face, measured.right - measured.left, measured.bottom - measured.top);
    TTextFormat format;
    if (GetWindowLongW(Handle(), GWL_STYLE) & TBSTYLE_LIST) {
        if (withImage) {
            image = TRect(face.Left + 5, image.Top, face.Left + FImages->Width() + 5, image.Bottom);
            t = TRect(image.Right + 3, t.Top, face.Right, t.Bottom);
        }
        format = {tfWordBreak};
    } else {
        if (withImage) {
            const int textHeight = t.Height();
            t = TRect(t.Left, t.Top + FImages->Height() / 2, t.Right, t.Bottom + FImages->Height() / 2);
            image = TRect(image.Left, image.Top - textHeight / 2, image.Right, image.Bottom - textHeight / 2);
        }
        format = {tfCenter, tfWordBreak};
    }
    TCustomStyleServices* style = StyleServices();
    if (faceDrawn) {
        style->DrawControlText(canvas, details, button.Text, t, format);
        return;
    }
    canvas->Font()->SetColor(style->GetSystemColor(clBtnText));
    canvas->Brush()->SetStyle(bsClear);
    PrepareCanvasText(canvas);
    RECT r{t.Left, t.Top, t.Right, t.Bottom};
    DrawTextW(dc, reinterpret_cast<LPCWSTR>(button.Text.c_str()), -1, &r, DrawTextFlags(format));
}

void TscToolBarStyleHook::PaintImage(TCanvas* canvas, int index, const TButtonData& button, const TRect& image)
{
    if (button.Separator() || button.Image < 0 || !FImages)
        return;
    auto* bar = dynamic_cast<TToolBar*>(FControl);
    if (!bar) {
        ImageList_Draw(FImages->Handle(), button.Image, canvas->Handle(), image.Left, image.Top, ILD_TRANSPARENT);
        return;
    }
    const auto holds = [&](TCustomImageList* list) { return list && button.Image < list->Count(); };
    if (!button.Enabled() && holds(bar->DisabledImages()))
        bar->DisabledImages()->Draw(canvas, image.Left, image.Top, button.Image);
    else if (index == FHotButtonIndex && holds(bar->HotImages()))
        bar->HotImages()->Draw(canvas, image.Left, image.Top, button.Image);
    else if (bar->Images())
        bar->Images()->Draw(canvas, image.Left, image.Top, button.Image, button.Enabled());
}
