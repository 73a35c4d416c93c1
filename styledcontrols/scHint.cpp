// The styled hint and its window.
#include "scHint.h"

#include <vector>

#include "Math.h"
#include "SysUtils.h"
#include "Themes.h"
#include "WideText.h"

TAVIN_PUBLISHED(TscHint)
{
    TAVIN_PROPERTY(bool, ActiveForApplication).Default(false);
    TAVIN_PROPERTY(String, LineSeparator);
    TAVIN_PROPERTY(bool, AlphaBlend).Default(false);
    TAVIN_PROPERTY(Byte, AlphaBlendValue).Default(255);
    TAVIN_PROPERTY(bool, AlphaBlendAnimation).Default(false);
}

namespace {

// Scales a height from the screen's resolution to that of the active form's monitor.
int ToActiveMonitor(int height)
{
    if (!Screen || !Screen->ActiveForm())
        return height;
    const int ppi = Screen->ActiveForm()->Monitor() ? Screen->ActiveForm()->Monitor()->PixelsPerInch() : 96;
    return MulDiv(height, ppi, Screen->PixelsPerInch());
}

TRect HintWorkArea()
{
    if (Screen && Screen->ActiveForm() && Screen->ActiveForm()->Monitor())
        return Screen->ActiveForm()->Monitor()->WorkareaRect();
    if (Application && Application->MainForm() && Application->MainForm()->Visible() &&
        Application->MainForm()->Monitor())
        return Application->MainForm()->Monitor()->WorkareaRect();
    return Rect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}

TSize TextSize(TCanvas* canvas, const String& text)
{
    RECT r{0, 0, 0, 0};
    DrawTextW(canvas->Handle(), WidePtr(text), static_cast<int>(text.size()), &r, DT_NOPREFIX | DT_CALCRECT);
    return TSize{r.right - r.left, r.bottom - r.top};
}

void SetLayeredAlpha(HWND window, Byte alpha) { SetLayeredWindowAttributes(window, 0, alpha, LWA_ALPHA); }

} // namespace

int GetCursorHintOffset()
{
    int height = GetSystemMetrics(SM_CYCURSOR);
    ICONINFO info{};
    if (GetIconInfo(GetCursor(), &info)) {
        BITMAP mask{};
        if (info.hbmMask && GetObjectW(info.hbmMask, sizeof(mask), &mask) && mask.bmBitsPixel == 1 &&
            mask.bmWidth > 0) {
            const int bytesPerLine = ((mask.bmWidth + 31) & ~31) / 8;
            std::vector<Byte> bits(static_cast<size_t>(bytesPerLine) * mask.bmHeight);
            struct {
                BITMAPINFOHEADER Header;
                RGBQUAD Colors[2];
            } bmi{};
            bmi.Header.biSize = sizeof(bmi.Header);
            bmi.Header.biWidth = mask.bmWidth;
            bmi.Header.biHeight = -mask.bmHeight; // top row first
            bmi.Header.biPlanes = 1;
            bmi.Header.biBitCount = 1;
            HDC dc = GetDC(nullptr);
            const bool read = GetDIBits(dc, info.hbmMask, 0, static_cast<UINT>(mask.bmHeight), bits.data(),
                                        reinterpret_cast<BITMAPINFO*>(&bmi), DIB_RGB_COLORS) != 0;
            ReleaseDC(nullptr, dc);
            if (read) {
                // The AND mask is the top square; rows below the image are all set (0xFF).
                const int area = Min(mask.bmWidth, mask.bmHeight) * bytesPerLine;
                auto usedBytes = [&](size_t start, Byte blank) {
                    int remaining = area;
                    for (int i = area - 1; i >= 0 && bits[start + static_cast<size_t>(i)] == blank; --i)
                        --remaining;
                    return remaining;
                };
                int remaining = usedBytes(0, 0xFF);
                if (remaining == 0 && mask.bmHeight >= 2 * mask.bmWidth)
                    remaining = usedBytes(static_cast<size_t>(area), 0x00);
                height = remaining / bytesPerLine - static_cast<int>(info.yHotspot);
            }
        }
        if (info.hbmMask)
            DeleteObject(info.hbmMask);
        if (info.hbmColor)
            DeleteObject(info.hbmColor);
    }
    return ToActiveMonitor(height);
}

// ---------------------------------------------------------------------------------------------

TscHintWindow::TscHintWindow(TComponent* owner) : THintWindow(owner) {}

TscHintWindow::~TscHintWindow()
{
    if (HandleAllocated())
        KillTimer(FHandle, HintFadeTimer);
}

void TscHintWindow::CreateParams(TCreateParams& params)
{
    THintWindow::CreateParams(params);
    params.Style &= ~DWORD(WS_BORDER);
}

bool TscHintWindow::IsShown() const { return HandleAllocated() && IsWindowVisible(HandleIfAllocated()); }

void TscHintWindow::PrepareFont(TCanvas* canvas) const
{
    if (Screen)
        canvas->SetFont(Screen->HintFont());
    canvas->Font()->SetHeight(ToActiveMonitor(canvas->Font()->Height()));
}

TSize TscHintWindow::ExtendedSize(TCanvas* canvas, const String& text)
{
    TSize size = TextSize(canvas, text);
    int titleHeight = 0;
    if (!FTitle.empty()) {
        const TFontStyles plain = canvas->Font()->Style();
        canvas->Font()->SetStyle(plain + TFontStyles{fsBold});
        const TSize title = TextSize(canvas, FTitle);
        canvas->Font()->SetStyle(plain);
        titleHeight = title.cy;
        size.cy += title.cy + 10;
        size.cx = Max(size.cx, title.cx);
    }
    if (IsImageIndexValid(FImages, FImageIndex)) {
        size.cx += FImages->Width() + 10;
        size.cy = Max(size.cy, titleHeight + FImages->Height() + 5);
    } else {
        size.cx += 4;
    }
    return TSize{size.cx + 6, size.cy + 4};
}

void TscHintWindow::Show(TRect rect, const String& hint, bool extended, TPlacement placement)
{
    if (!FHint)
        return;
    FExtendedStyle = extended;
    HandleNeeded();
    const LONG_PTR exStyle = GetWindowLongPtrW(FHandle, GWL_EXSTYLE);
    if (FHint->AlphaBlend() || FOldAlphaBlend)
        SetWindowLongPtrW(FHandle, GWL_EXSTYLE, exStyle & ~LONG_PTR(WS_EX_LAYERED));
    FOldAlphaBlend = FHint->AlphaBlend();
    // Each separator breaks the line: CR LF, so that no empty line appears in between.
    const String text = StringReplace(hint, FHint->LineSeparator(), u"\r\n", {rfReplaceAll});
    SetCaption(text);
    TCanvas* canvas = Canvas();
    HDC screen = GetDC(nullptr);
    canvas->SetHandle(screen);
    PrepareFont(canvas);
    TSize size = extended ? ExtendedSize(canvas, text) : TextSize(canvas, text);
    if (!extended)
        size = TSize{size.cx + 6, size.cy + 4};
    canvas->SetHandle(nullptr);
    ReleaseDC(nullptr, screen);
    if (placement != TPlacement::AtPoint) {
        const int left = rect.Left + rect.Width() / 2 - size.cx / 2;
        const int top = placement == TPlacement::FromRectAbove ? rect.Top - size.cy : rect.Bottom;
        rect = Bounds(left, top, size.cx, size.cy);
    } else {
        rect = Bounds(rect.Left, rect.Top, size.cx, size.cy);
    }
    const TRect area = HintWorkArea();
    if (rect.Right > area.Right)
        OffsetRect(reinterpret_cast<RECT*>(&rect), -(size.cx + 2), 0);
    if (rect.Bottom > area.Bottom)
        OffsetRect(reinterpret_cast<RECT*>(&rect), 0, -(size.cy + 2));
    SetBounds(rect.Left, rect.Top, size.cx, size.cy);
    const bool animate = FHint->AlphaBlend() && FHint->AlphaBlendAnimation();
    if (FHint->AlphaBlend()) {
        SetWindowLongPtrW(FHandle, GWL_EXSTYLE, GetWindowLongPtrW(FHandle, GWL_EXSTYLE) | WS_EX_LAYERED);
        SetLayeredAlpha(FHandle, animate ? 0 : FHint->AlphaBlendValue());
    }
    SetWindowPos(FHandle, HWND_TOPMOST, rect.Left, rect.Top, 0, 0, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
    Repaint();
    if (animate) {
        FAnimationAlpha = 0;
        FAnimationStep = Max(FHint->AlphaBlendValue() / 7, 1);
        SetTimer(FHandle, HintFadeTimer, 30, nullptr);
    }
}

void TscHintWindow::ActivateHint(TRect rect, const String& hint)
{
    FExtendedStyle = false;
    if (!FHint && Application && Application->MainForm()) {
        TCustomForm* main = Application->MainForm();
        for (int i = 0; i < main->ComponentCount() && !FHint; ++i)
            if (auto* candidate = dynamic_cast<TscHint*>(main->Components(i)); candidate &&
                candidate->ActiveForApplication()) {
                FHint = candidate;
                AppHint = true;
                // The hint belongs to the form: when it goes, this window must not keep it.
                candidate->FreeNotification(this);
            }
    }
    if (!FHint)
        return;
    if (AppHint) {
        POINT cursor;
        GetCursorPos(&cursor);
        rect.Top = cursor.y + GetCursorHintOffset();
    } else if (!FHint->FHintTitle.empty() || FHint->FHintImageList) {
        ActivateHintEx(rect, FHint->FHintTitle, hint, FHint->FHintImageIndex, FHint->FHintImageList);
        return;
    }
    FTitle.clear();
    FImages = nullptr;
    FImageIndex = -1;
    Show(rect, hint, false, TPlacement::AtPoint);
}

void TscHintWindow::Notification(TComponent* component, TOperation operation)
{
    THintWindow::Notification(component, operation);
    if (operation == opRemove && component == FHint) {
        FHint = nullptr;
        AppHint = false;
    }
}

void TscHintWindow::ActivateHintEx(TRect rect, const String& title, const String& hint, int imageIndex,
                                   TCustomImageList* images)
{
    FTitle = title;
    FImageIndex = imageIndex;
    FImages = images;
    Show(rect, hint, true, TPlacement::AtPoint);
}

void TscHintWindow::ActivateHintFromRect(const TRect& rect, const String& hint, bool top)
{
    FTitle.clear();
    FImages = nullptr;
    FImageIndex = -1;
    Show(rect, hint, false, top ? TPlacement::FromRectAbove : TPlacement::FromRectBelow);
}

void TscHintWindow::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_ERASEBKGND:
    case WM_NCPAINT:
        message.Result = 1;
        return;
    case WM_TIMER:
        THintWindow::WndProc(message);
        if (message.WParam == HintFadeTimer && FHint) {
            FAnimationAlpha = Min(FAnimationAlpha + FAnimationStep, int(FHint->AlphaBlendValue()));
            Repaint();
            SetLayeredAlpha(FHandle, Byte(FAnimationAlpha));
            if (FAnimationAlpha >= FHint->AlphaBlendValue() || !IsShown())
                KillTimer(FHandle, HintFadeTimer);
        }
        return;
    default:
        break;
    }
    THintWindow::WndProc(message);
}

void TscHintWindow::Paint()
{
    const TRect client = ClientRect();
    if (client.Width() <= 0 || client.Height() <= 0)
        return;
    auto buffer = MakeBitmap32(client.Width(), client.Height());
    TCanvas* canvas = buffer->Canvas();
    TCustomStyleServices* services = StyleServices(Screen ? Screen->ActiveForm() : nullptr);
    PrepareFont(canvas);
    TColor textColor = canvas->Font()->Color();
    TRect background = client;
    InflateRect(reinterpret_cast<RECT*>(&background), 4, 4);
    const HDC dc = canvas->Handle();
    if (services && services->Enabled()) {
        if (services->IsSystemStyle() && WindowsMajorVersion() > 5) {
            services->DrawElement(dc, TCustomStyleServices::GetElementDetails(tttStandardNormal), background, client);
        } else {
            const auto details = TCustomStyleServices::GetElementDetails(thHintNormal);
            TColor from = clInfoBk, to = clInfoBk, text = clNone;
            if (!services->GetElementColor(details, ecGradientColor1, from) || from == clNone)
                from = clInfoBk;
            if (!services->GetElementColor(details, ecGradientColor2, to) || to == clNone)
                to = clInfoBk;
            if (services->GetElementColor(details, ecTextColor, text) && text != clNone)
                textColor = text;
            const TColor a = ColorToRGB(from), b = ColorToRGB(to);
            TRIVERTEX vertices[2] = {
                {background.Left, background.Top, COLOR16((a & 0xFF) << 8), COLOR16(a & 0xFF00),
                 COLOR16((a >> 8) & 0xFF00), 0},
                {background.Right, background.Bottom, COLOR16((b & 0xFF) << 8), COLOR16(b & 0xFF00),
                 COLOR16((b >> 8) & 0xFF00), 0}};
            GRADIENT_RECT gradient{0, 1};
            GradientFill(dc, vertices, 2, &gradient, 1, GRADIENT_FILL_RECT_V);
        }
    } else {
        // The classic look still needs a face: an unpainted buffer would show black.
        canvas->Brush()->SetColor(clInfoBk);
        canvas->FillRect(client);
    }
    canvas->Font()->SetColor(textColor);
    canvas->Brush()->SetStyle(bsClear);
    const String text = Caption();
    if (!FExtendedStyle) {
        RECT r = ToWinRect(client);
        r.left += 2;
        r.top += 2;
        DrawTextW(dc, WidePtr(text), static_cast<int>(text.size()), &r,
                  DrawTextBiDiModeFlags(DT_WORDBREAK | DT_NOPREFIX));
    } else {
        int left = client.Left, top = client.Top;
        const int bottom = client.Bottom;
        if (!FTitle.empty()) {
            const TFontStyles plain = canvas->Font()->Style();
            canvas->Font()->SetStyle(plain + TFontStyles{fsBold});
            const TSize title = TextSize(canvas, FTitle);
            RECT r{left + 5, top + 3, left + 5 + title.cx, top + 3 + title.cy};
            DrawTextW(dc, WidePtr(FTitle), static_cast<int>(FTitle.size()), &r, DT_NOPREFIX);
            canvas->Font()->SetStyle(plain);
            top += title.cy + 7;
        }
        int textLeft = left + 5;
        if (IsImageIndexValid(FImages, FImageIndex)) {
            FImages->Draw(canvas, left + 5, top + (bottom - top) / 2 - FImages->Height() / 2, FImageIndex);
            textLeft = left + FImages->Width() + 10;
        }
        const TSize size = TextSize(canvas, text);
        const int y = top + (bottom - top) / 2 - size.cy / 2 - (FTitle.empty() ? 0 : 2);
        RECT r{textLeft, y, textLeft + size.cx, y + size.cy};
        DrawTextW(dc, WidePtr(text), static_cast<int>(text.size()), &r, DT_NOPREFIX);
    }
    if (services && services->Enabled()) {
        services->DrawEdge(dc, TCustomStyleServices::GetElementDetails(twWindowRoot), client,
                           TElementEdges{eeRaisedOuter}, TElementEdgeFlags{efRect});
    } else {
        RECT r = ToWinRect(client);
        DrawEdge(dc, &r, BDR_RAISEDOUTER, BF_RECT);
    }
    Canvas()->Draw(0, 0, buffer.get());
}

// ---------------------------------------------------------------------------------------------

TscHint::TscHint(TComponent* owner) : TComponent(owner), FHW(new TscHintWindow(this))
{
    FHW->FHint = this;
}

TscHint::~TscHint() { HintTimer.reset(); }

void TscHint::SetActiveForApplication(bool value)
{
    FActiveForApplication = value;
    if (value && !ComponentState().Contains(csDesigning))
        HintWindowClass = TscHintWindow::StaticClass();
}

void TscHint::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == FHintImageList)
        FHintImageList = nullptr;
}

void TscHint::SetImages(TCustomImageList* images)
{
    ReplaceComponentReference(this, FHintImageList, images);
}

void TscHint::ActivateHint(TPoint p, const String& hint)
{
    FHintTitle.clear();
    SetImages(nullptr);
    FHintImageIndex = -1;
    FHW->ActivateHint(Rect(p.X, p.Y, p.X, p.Y), hint);
}

void TscHint::StartTimer(TPending pending)
{
    FPending = pending;
    HintTimer.reset();
    HintTimer = std::make_unique<TTimer>(nullptr);
    HintTimer->SetInterval(static_cast<Cardinal>(Application ? Application->HintPause() : 500));
    HintTimer->SetOnTimer(MakeHandler<&TscHint::TimerFired>(this));
    HintTimer->SetEnabled(true);
}

void TscHint::TimerFired(TObject*)
{
    HintTimer->SetEnabled(false);
    if (FPending == TPending::FromRect) {
        FHW->ActivateHintFromRect(FromRect, HintText, Top);
    } else {
        POINT cursor;
        GetCursorPos(&cursor);
        FCursorHeight = GetCursorHintOffset();
        const TRect at = Rect(cursor.x, cursor.y + FCursorHeight, cursor.x, cursor.y + FCursorHeight);
        if (!FHintTitle.empty() || FHintImageList)
            FHW->ActivateHintEx(at, FHintTitle, HintText, FHintImageIndex, FHintImageList);
        else
            FHW->ActivateHint(at, HintText);
    }
    HintTimer->SetOnTimer(MakeHandler<&TscHint::HideTimerFired>(this));
    HintTimer->SetInterval(static_cast<Cardinal>(Application ? Application->HintHidePause() : 2500));
    HintTimer->SetEnabled(true);
}

void TscHint::ActivateHint(const String& hint)
{
    FHintTitle.clear();
    SetImages(nullptr);
    FHintImageIndex = -1;
    HintText = hint;
    StartTimer(TPending::AtCursor);
}

void TscHint::ActivateHint(const TRect& fromRect, const String& hint, bool top)
{
    FHintTitle.clear();
    SetImages(nullptr);
    FHintImageIndex = -1;
    HintText = hint;
    FromRect = fromRect;
    Top = top;
    StartTimer(TPending::FromRect);
}

void TscHint::ActivateHintEx(TPoint p, const String& title, const String& hint, int imageIndex,
                             TCustomImageList* images)
{
    FHW->ActivateHintEx(Rect(p.X, p.Y, p.X, p.Y), title, hint, imageIndex, images);
}

void TscHint::ActivateHintEx(const String& title, const String& hint, int imageIndex, TCustomImageList* images)
{
    HintTimer.reset();
    FHintTitle = title;
    HintText = hint;
    FHintImageIndex = imageIndex;
    SetImages(images);
    StartTimer(TPending::AtCursor);
}

void TscHint::HideHint()
{
    if (HintTimer)
        HintTimer->SetEnabled(false);
    HintTimer.reset();
    if (!FHW->IsShown())
        return;
    SetWindowPos(FHW->Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE);
    FHintTitle.clear();
    SetImages(nullptr);
    FHintImageIndex = -1;
}
