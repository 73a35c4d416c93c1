#include "scMemo.h"

#include "Themes.h"
#include "WideText.h"

TAVIN_PUBLISHED(TscMemo)
{
    TAVIN_PROPERTY(bool, FluentUIOpaque).Default(false);
    TAVIN_PROPERTY(String, PromptText);
    TAVIN_PROPERTY(bool, HidePromptTextIfFocused).Default(false);
    TAVIN_PROPERTY(TColor, PromptTextColor).Default(clNone);
    TAVIN_PROPERTY(TscCustomImageCollection*, Wallpapers);
    TAVIN_PROPERTY(int, WallpaperIndex).Default(-1);
    TAVIN_PROPERTY(bool, Transparent).Default(false);
    TAVIN_PROPERTY(TscCustomImageCollection*, CustomImages);
    TAVIN_PROPERTY(int, CustomBackgroundImageNormalIndex).Default(-1);
    TAVIN_PROPERTY(int, CustomBackgroundImageHotIndex).Default(-1);
    TAVIN_PROPERTY(int, CustomBackgroundImageDisabledIndex).Default(-1);
    TAVIN_PROPERTY(bool, UseFontColorToStyleColor).Default(false);
}

TscMemo::TscMemo(TComponent* owner) : TMemo(owner) {}

TscMemo::~TscMemo() = default;

void TscMemo::Notification(TComponent* component, TOperation operation)
{
    TMemo::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (component == FWallpapers)
        FWallpapers = nullptr;
    if (component == FCustomImages)
        FCustomImages = nullptr;
}

void TscMemo::SetWallpapers(TscCustomImageCollection* value)
{
    if (ReplaceComponentReference(this, FWallpapers, value))
        Invalidate();
}

void TscMemo::SetCustomImages(TscCustomImageCollection* value)
{
    if (ReplaceComponentReference(this, FCustomImages, value))
        Invalidate();
}

// The memo does not look at the build when it makes its window.
bool TscMemo::IsFluentUIOpaqueActive() const { return IsFluentUIOpaqueActiveFor(this, FFluentUIOpaque, false); }

void TscMemo::SetFluentUIOpaque(bool value)
{
    ChangeFluentUIOpaque(this, FFluentUIOpaque, value, false);
}

void TscMemo::SetTransparent(bool value)
{
    if (FTransparent == value)
        return;
    FTransparent = value;
    FStopGetParentBG = false;
    CaptureParentBackground();
    RedrawBuffered();
}

void TscMemo::SetMemoRedraw(bool enable)
{
    if (!HandleAllocated() || !Visible() || FSizeChanging)
        return;
    if (enable && FStopRedraw) {
        FStopRedraw = false;
        SendMessageW(FHandle, WM_SETREDRAW, TRUE, 0);
    } else if (!enable && !FStopRedraw) {
        FStopRedraw = true;
        SendMessageW(FHandle, WM_SETREDRAW, FALSE, 0);
    }
}

void TscMemo::CreateParams(TCreateParams& params)
{
    TMemo::CreateParams(params);
    params.ExStyle &= ~static_cast<DWORD>(WS_EX_TRANSPARENT);
    params.WindowClassStyle &= ~static_cast<UINT>(CS_VREDRAW | CS_HREDRAW);
    if (IsFluentUIOpaqueActive())
        params.ExStyle |= WS_EX_LAYERED;
}

void TscMemo::CreateWnd()
{
    TMemo::CreateWnd();
    if (IsFluentUIOpaqueActive())
        FTransparent = false;
    ApplyFluentUIOpaque(this, IsFluentUIOpaqueActive());
}

void TscMemo::CaptureParentBackground()
{
    if (FStopGetParentBG)
        return;
    if (!FTransparent) {
        ParentBGBuffer.reset();
        return;
    }
    if (!ParentBGBuffer)
        ParentBGBuffer = MakeBitmap32(std::max(1, Width()), std::max(1, Height()));
    if (Width() * Height() == 0)
        return;
    if (ParentBGBuffer->Width() != Width() || ParentBGBuffer->Height() != Height())
        ParentBGBuffer->SetSize(Width(), Height());
    auto* kitParent = dynamic_cast<TscCustomControl*>(Parent());
    if (kitParent && kitParent->StorePaintBuffer() && kitParent->FPaintBuffer &&
        kitParent->FPaintBuffer->Width() == kitParent->Width() && kitParent->FPaintBuffer->Height() == kitParent->Height()) {
        // The panel's last face is exactly what lies behind the memo.
        const TPoint origin = kitParent->ScreenToClient(ClientOrigin());
        BitBlt(ParentBGBuffer->Canvas()->Handle(), 0, 0, Width(), Height(), kitParent->FPaintBuffer->Canvas()->Handle(),
               origin.X, origin.Y, SRCCOPY);
        return;
    }
    PaintParentBackground(this, ParentBGBuffer->Canvas());
}

void TscMemo::DrawPromptText(TCanvas* canvas)
{
    if (FPromptText.empty() || !GetText().empty() || (Focused() && FHidePromptTextIfFocused))
        return;
    const TRect client = ClientRect();
    const TRect r = BorderStyle() == bsNone ? InsetRect(client, 3, 0) : InsetRect(client, 4, 1);
    const bool custom = StyleElements().Contains(seFont) && UsesCustomStyle(this);
    TColor color = clGrayText;
    if (FPromptTextColor != clNone)
        color = GetStyleSystemColor(FPromptTextColor, this);
    else if (custom)
        color = FTransparent ? GetCheckBoxTextColor(scsDisabled, this) : GetEditFontColor(scsDisabled, this);
    canvas->Font()->Assign(Font());
    canvas->Font()->SetColor(ColorToRGB(color));
    canvas->Brush()->SetStyle(bsClear);
    const int alignment = Alignment() == taRightJustify ? 1 : Alignment() == taCenter ? 2 : 0;
    DrawWrappedText(canvas, FPromptText, r, BiDiMode() == bdRightToLeft, alignment);
}

void TscMemo::DrawMemoBackground(TCanvas* canvas)
{
    const bool styledClient = StyleElements().Contains(seClient) && UsesCustomStyle(this);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(styledClient ? GetStyleSystemColor(clWindow, this) : Color());
    const TRect client = ClientRect();
    if (FTransparent) {
        CaptureParentBackground();
        if (ParentBGBuffer)
            canvas->Draw(0, 0, ParentBGBuffer.get());
    } else {
        canvas->FillRect(client);
    }
    if (FCustomImages) {
        const int index = !Enabled()  ? FCustomBackgroundImageDisabledIndex
                          : Focused() ? FCustomBackgroundImageHotIndex
                                      : FCustomBackgroundImageNormalIndex;
        if (FCustomImages->IsIndexAvailable(index))
            FCustomImages->Draw(canvas, client, index, ScaleFactor());
    }
    if (FWallpapers && FWallpapers->IsIndexAvailable(FWallpaperIndex))
        FWallpapers->Draw(canvas, client, FWallpaperIndex, ScaleFactor());
    DrawPromptText(canvas);
}

void TscMemo::RenderInto(HDC target, bool hideCaret)
{
    FStopDraw = true;
    if (hideCaret)
        HideCaret(FHandle);
    const HDC memory = CreateCompatibleDC(target);
    const HBITMAP bitmap = CreateCompatibleBitmap(target, Width() + 1, Height() + 1);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    try {
        SendMessageW(FHandle, WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), 0);
        SendMessageW(FHandle, WM_PAINT, reinterpret_cast<WPARAM>(memory), 0);
    } catch (...) {
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
        FStopDraw = false;
        throw;
    }
    BitBlt(target, 0, 0, Width(), Height(), memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    if (hideCaret)
        ShowCaret(FHandle);
    FStopDraw = false;
}

void TscMemo::RedrawBuffered()
{
    if (!HandleAllocated())
        return;
    const HDC dc = GetDC(FHandle);
    RenderInto(dc, true);
    ReleaseDC(FHandle, dc);
}

void TscMemo::PaintBuffered(HDC dc)
{
    if (HandleAllocated())
        RenderInto(dc, false);
}

void TscMemo::RedrawKeepingBackground()
{
    FStopGetParentBG = true;
    RedrawBuffered();
    FStopGetParentBG = false;
}

void TscMemo::Change()
{
    TMemo::Change();
    SetMemoRedraw(true);
    RedrawKeepingBackground();
}

void TscMemo::PaintDisabledText(HDC dc)
{
    TCanvas canvas;
    canvas.SetHandle(dc);
    canvas.Font()->Assign(Font());
    const bool custom = StyleElements().Contains(seFont) && UsesCustomStyle(this);
    canvas.Font()->SetColor(custom ? ColorToRGB(GetEditFontColor(scsDisabled, this)) : clGrayText);
    canvas.Brush()->SetStyle(bsClear);
    PrepareCanvasText(&canvas);
    const HDC screen = GetDC(nullptr);
    TCanvas measure;
    measure.SetHandle(screen);
    measure.Font()->Assign(Font());
    const int lineHeight = measure.TextHeight(u"Wq");
    measure.SetHandle(nullptr);
    ReleaseDC(nullptr, screen);
    const TRect client = ClientRect();
    // Every line that fits is drawn.
    const int visible = lineHeight > 0 ? client.Height() / lineHeight : 1;
    const int first = static_cast<int>(SendMessageW(FHandle, EM_GETFIRSTVISIBLELINE, 0, 0));
    const TAlignment alignment = MirroredAlignment(Alignment());
    const UINT align = alignment == taRightJustify ? DT_RIGHT : alignment == taCenter ? DT_CENTER : DT_LEFT;
    TRect r = InsetRect(client, 1, 1);
    r.Left += 3;
    for (int i = first; i < first + visible && i < Lines()->Count(); ++i) {
        RECT line{r.Left, r.Top + (i - first) * lineHeight, r.Right, r.Top + (i - first + 1) * lineHeight};
        const String text = Lines()->Strings(i);
        DrawTextW(canvas.Handle(), WidePtr(text), static_cast<int>(text.size()), &line,
                  DrawTextBiDiModeFlags(align | DT_NOPREFIX | DT_SINGLELINE | DT_EXPANDTABS));
    }
    canvas.SetHandle(nullptr);
}

LRESULT TscMemo::EditColors(HDC dc)
{
    SetBkMode(dc, TRANSPARENT);
    TColor color = Font()->Color();
    if (StyleElements().Contains(seFont) && UsesCustomStyle(this)) {
        if (FUseFontColorToStyleColor && Enabled())
            color = GetStyleSystemColor(Font()->Color(), this);
        else
            color = FTransparent ? GetCheckBoxTextColor(scsNormal, this) : GetStyleSystemColor(clWindowText, this);
    }
    SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(color)));
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

void TscMemo::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC:
        message.Result = EditColors(reinterpret_cast<HDC>(message.WParam));
        return;
    case WM_MOUSEWHEEL:
        // One line per message, whatever the wheel's delta.
        Perform(WM_VSCROLL, static_cast<short>(HIWORD(message.WParam)) < 1 ? SB_LINEDOWN : SB_LINEUP, 0);
        return;
    case WM_ERASEBKGND: {
        const HDC dc = reinterpret_cast<HDC>(message.WParam);
        if (FStopDraw) {
            TCanvas canvas;
            canvas.SetHandle(dc);
            DrawMemoBackground(&canvas);
            canvas.SetHandle(nullptr);
        } else {
            RedrawBuffered();
        }
        message.Result = 1;
        return;
    }
    case WM_PAINT: {
        if (FStopDraw && Enabled())
            break;
        PAINTSTRUCT ps{};
        const HDC given = reinterpret_cast<HDC>(message.WParam);
        const HDC dc = given ? given : BeginPaint(FHandle, &ps);
        if (!Enabled()) {
            PaintDisabledText(dc);
        } else {
            PaintBuffered(dc);
            ShowCaret(FHandle);
        }
        if (!given)
            EndPaint(FHandle, &ps);
        return;
    }
    case WM_VSCROLL:
    case WM_HSCROLL:
        SetMemoRedraw(false);
        TMemo::WndProc(message);
        SetMemoRedraw(true);
        RedrawBuffered();
        return;
    case CN_COMMAND:
        TMemo::WndProc(message);
        if (HIWORD(message.WParam) == EN_HSCROLL || HIWORD(message.WParam) == EN_VSCROLL)
            RedrawBuffered(); // the redraw stays on, so later invalidations still paint
        return;
    case WM_SIZE:
        FStopGetParentBG = false;
        if (FStopRedraw) {
            FStopRedraw = false;
            SendMessageW(FHandle, WM_SETREDRAW, TRUE, 0);
        }
        FSizeChanging = true;
        try {
            TMemo::WndProc(message);
        } catch (...) {
            FSizeChanging = false;
            throw;
        }
        FSizeChanging = false;
        return;
    case WM_MOVE:
    case WM_SCPARENTBGCHANGED:
        if (message.Msg == WM_MOVE)
            TMemo::WndProc(message);
        if (FTransparent) {
            FStopGetParentBG = false;
            RedrawBuffered();
        }
        return;
    default:
        break;
    }
    TMemo::WndProc(message);
    switch (message.Msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
        SetMemoRedraw(true);
        RedrawKeepingBackground();
        break;
    case WM_NCPAINT:
        SetMemoRedraw(true);
        RedrawBuffered();
        break;
    case WM_MOUSEMOVE:
        if (GetCapture() == FHandle && (SelStart() != FSelPos || SelLength() != FSelLen)) {
            FSelPos = SelStart();
            FSelLen = SelLength();
            SetMemoRedraw(true);
            RedrawKeepingBackground();
        }
        break;
    case WM_LBUTTONUP:
        FSelPos = 0;
        FSelLen = 0;
        break;
    default:
        HandleFluentUIOpaqueTimer(this, message, IsFluentUIOpaqueActive());
        break;
    }
}
