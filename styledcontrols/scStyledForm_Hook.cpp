// The form style hook: a styled form's frame under a custom style.
#include <algorithm>

#include "Math.h"
#include "PlatformFacts.h"
#include "WideText.h"
#include "scStyledForm.h"

namespace {

using TD = TCustomStyleServices;

TRect ToRect(const RECT& r) { return Rect(r.left, r.top, r.right, r.bottom); }

// The screen point of a non-client mouse message.
TPoint MessagePoint(const TMessage& message)
{
    const TWMMouse mouse(message);
    return {mouse.XPos, mouse.YPos};
}

bool IsSystemButtonCode(int code)
{
    return code == scHTMinButton || code == scHTMaxButton || code == scHTClose || code == scHTHelp;
}

} // namespace

TscFormStyleHook::TscFormStyleHook(TWinControl* control) : TMouseTrackControlStyleHook(control)
{
    if (FControl->StyleElements().Contains(seClient))
        FOverrideEraseBkgnd = true;
    FOverridePaintNC = IsStyledBorder();
    FLeft = FControl->Left();
    FTop = FControl->Top();
    FWidth = FControl->Width();
    FHeight = FControl->Height();
    // A frame already on screen when the style came gets its client's styling now.
    if (Handle() && IsWindowVisible(Handle()) && IsStyledBorder())
        InitMDIFrame();
}

TscFormStyleHook::~TscFormStyleHook()
{
    ReleaseMDIClient();
    MDIChildGoing();
    if (FRegion && Handle())
        SetWindowRgn(Handle(), nullptr, TRUE);
    // Without the hook the system draws the bar again.
    if (FMainMenuBarHook && Handle() && Form()->Menu() && !IsMDIChild() &&
        !Form()->ComponentState().Contains(csDestroying))
        ::SetMenu(Handle(), Form()->Menu()->Handle());
}

void TscFormStyleHook::UpdateMenuBarHook()
{
    TMainMenu* menu = IsMDIChild() ? nullptr : Form()->Menu();
    const bool wanted = menu && !menu->AutoMerge() && !menu->MenuBarItems().empty();
    if (wanted && !FMainMenuBarHook)
        FMainMenuBarHook = std::make_unique<TscMainMenuBarStyleHook>(this);
    else if (!wanted)
        FMainMenuBarHook.reset();
}

void TscFormStyleHook::DropSystemMenuBar()
{
    if (Handle() && GetMenu(Handle()) && !IsMDIChild())
        ::SetMenu(Handle(), nullptr);
}

TscStyledForm* TscFormStyleHook::StyledForm()
{
    if (!FStyledForm)
        for (int i = 0; i < Form()->ComponentCount(); ++i)
            if (auto* styled = dynamic_cast<TscStyledForm*>(Form()->Components(i))) {
                FStyledForm = styled;
                break;
            }
    return FStyledForm;
}

bool TscFormStyleHook::IsStyledBorder() const
{
    return TStyleManager::FormBorderStyle() == TStyleManager::fbsCurrentStyle &&
           FControl->StyleElements().Contains(seBorder) && !StyleServices()->IsSystemStyle();
}

bool TscFormStyleHook::IsToolWindow() const
{
    return Form()->BorderStyle() == bsToolWindow || Form()->BorderStyle() == bsSizeToolWin;
}

bool TscFormStyleHook::IsSizeable() const
{
    return Form()->BorderStyle() == bsSizeable || Form()->BorderStyle() == bsSizeToolWin;
}

bool TscFormStyleHook::IsMaximized() const { return Handle() && ::IsZoomed(Handle()); }
bool TscFormStyleHook::IsMinimized() const { return Handle() && ::IsIconic(Handle()); }
bool TscFormStyleHook::IsMDIChild() const { return Form()->FormStyle() == fsMDIChild; }

bool TscFormStyleHook::HasBorderIcon(TBorderIcon icon) const { return Form()->BorderIcons().Contains(icon); }

TSize TscFormStyleHook::WindowSize() const
{
    RECT r{};
    if (Handle())
        GetWindowRect(Handle(), &r);
    return {r.right - r.left, r.bottom - r.top};
}

void TscFormStyleHook::RepaintNC()
{
    if (Handle())
        SendMessageW(Handle(), WM_NCPAINT, 1, 0);
}

TRect TscFormStyleHook::GetBorderSize()
{
    TRect b;
    FXOffset = FYOffset = 0;
    TCustomStyleServices* style = StyleServices();
    if (Form()->BorderStyle() == bsNone || !style->Available())
        return b;
    const bool tool = IsToolWindow();
    TSize size;
    style->GetElementSize(nullptr, TD::GetElementDetails(tool ? twSmallCaptionActive : twCaptionActive), esActual,
                          size);
    FStyledCaptionHeight = size.cy;
    b.Top = size.cy;
    if (TscStyledForm* styled = StyledForm(); styled && styled->BorderScaleFactor() > 1)
        b.Top = static_cast<int>(Round(b.Top * styled->BorderScaleFactor()));
    style->GetElementSize(nullptr, TD::GetElementDetails(tool ? twSmallFrameLeftActive : twFrameLeftActive),
                          esActual, size);
    b.Left = size.cx;
    style->GetElementSize(nullptr, TD::GetElementDetails(tool ? twSmallFrameRightActive : twFrameRightActive),
                          esActual, size);
    b.Right = size.cx;
    style->GetElementSize(nullptr, TD::GetElementDetails(tool ? twSmallFrameBottomActive : twFrameBottomActive),
                          esActual, size);
    b.Bottom = size.cy;
    if (!IsMaximized())
        return b;
    // A maximised window hangs over the screen by the system frame: the caption moves down.
    const bool sizeable = IsSizeable();
    int a = ::GetSystemMetrics(sizeable ? SM_CXFRAME : SM_CXDLGFRAME);
    int c = ::GetSystemMetrics(SM_CYCAPTION);
    int bh = ::GetSystemMetrics(sizeable ? SM_CYFRAME : SM_CYDLGFRAME);
    if (PlatformWindowsVersion().Major >= 6 && TStyleManager::SystemStyle()->Enabled()) {
        const int ppi = Form()->CurrentPPI();
        bh = static_cast<int>(Round(ppi * 5 / 96.0 + 0.01)) + 3;
        a = bh;
        c = MulDiv(c, ppi, PlatformScreenDpi());
    }
    b.Left = std::max(b.Left, a);
    b.Right = std::max(b.Right, a);
    b.Bottom = std::max(b.Bottom, bh);
    if (IsMDIChild()) {
        b.Top = bh + c;
        return b;
    }
    const int oldTop = b.Top;
    b.Top = bh + oldTop - 1;
    FYOffset = std::max(0, b.Top - oldTop);
    FXOffset = a;
    return b;
}

TPoint TscFormStyleHook::NormalizePoint(TPoint screen) const
{
    TPoint origin{FLeft, FTop};
    if (HWND parent = Handle() ? GetParent(Handle()) : nullptr; parent && (GetWindowLongW(Handle(), GWL_STYLE) & WS_CHILD)) {
        POINT p{FLeft, FTop};
        ClientToScreen(parent, &p);
        origin = {p.x, p.y};
    }
    return {screen.X - origin.X, screen.Y - origin.Y};
}

bool TscFormStyleHook::CaptionObjectsShown()
{
    TscStyledForm* styled = StyledForm();
    return styled && (styled->ShowButtons() || styled->ShowTabs()) && !IsMinimized();
}

int TscFormStyleHook::GetHitTest(TPoint p)
{
    TscFrameHitInfo info;
    info.Window = WindowSize();
    info.Border = GetBorderSize();
    info.BorderNone = Form()->BorderStyle() == bsNone;
    info.Sizeable = IsSizeable();
    info.MaximizedOrMinimized = IsMaximized() || IsMinimized();
    info.Caption = FCaptionRect;
    info.CloseButton = FCloseButtonRect;
    info.MaxButton = FMaxButtonRect;
    info.MinButton = FMinButtonRect;
    info.HelpButton = FHelpButtonRect;
    info.SysMenu = FSysMenuButtonRect;
    info.OverCaptionObject = CaptionObjectsShown() && StyledForm()->FindNCObject(p);
    if (FMainMenuBarHook)
        info.MenuBar = FMainMenuBarHook->BoundsRect();
    return scFrameHitTest(info, p);
}

void TscFormStyleHook::ForgetNCObject(const TscNCObject* object)
{
    for (TscNCObject** remembered : {&FOldNCObject, &FActiveNCObject, &FCapturedNCObject})
        if (*remembered == object)
            *remembered = nullptr;
}

void TscFormStyleHook::Close() { SendMessageW(Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }
void TscFormStyleHook::Help() { SendMessageW(Handle(), WM_SYSCOMMAND, SC_CONTEXTHELP, 0); }

void TscFormStyleHook::Maximize()
{
    FHotButton = FPressedButton = 0;
    SendMessageW(Handle(), WM_SYSCOMMAND, IsMaximized() ? SC_RESTORE : SC_MAXIMIZE, 0);
}

void TscFormStyleHook::Minimize()
{
    FHotButton = FPressedButton = 0;
    SendMessageW(Handle(), WM_SYSCOMMAND, IsMinimized() ? SC_RESTORE : SC_MINIMIZE, 0);
}

void TscFormStyleHook::Restore()
{
    FHotButton = FPressedButton = 0;
    SendMessageW(Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
}

// ---------------------------------------------------------------------------------------------
// Painting.

void TscFormStyleHook::PaintBackground(TCanvas* canvas)
{
    RECT r;
    GetClientRect(Handle(), &r);
    StyleServices()->DrawElement(canvas->Handle(), TD::GetElementDetails(twWindowRoot), ToRect(r));
}

void TscFormStyleHook::PaintNC(TCanvas* canvas)
{
    if ((IsMDIChild() && IsMaximized()) || (Form() == Application->MainForm() && IsMinimized()))
        return;
    if (!StyleServices()->Available())
        return;
    const TRect border = GetBorderSize();
    if (Form()->BorderStyle() != bsNone)
        PaintCaption(canvas->Handle(), border);
    if (FMainMenuBarHook) {
        TRect bar = FMainMenuBarHook->BoundsRect();
        const int right = WindowSize().cx - border.Right;
        if (bar.Right < right) {
            bar.Right = right;
            FMainMenuBarHook->SetBoundsRect(bar);
        }
        FMainMenuBarHook->Paint(canvas);
    }
    if (Form()->BorderStyle() != bsNone)
        PaintFrameEdges(canvas->Handle(), border);
}

void TscFormStyleHook::PaintFrameEdges(HDC dc, const TRect& b)
{
    TCustomStyleServices* style = StyleServices();
    const bool tool = IsToolWindow(), active = FFormActive;
    const TSize size = WindowSize();
    auto detail = [&](TThemedWindow normal, TThemedWindow small) {
        TThemedWindow part = tool ? small : normal;
        return TD::GetElementDetails(static_cast<TThemedWindow>(part + (active ? 0 : 1)));
    };
    style->DrawElement(dc, detail(twFrameLeftActive, twSmallFrameLeftActive), Rect(0, b.Top, b.Left, size.cy - b.Bottom));
    style->DrawElement(dc, detail(twFrameRightActive, twSmallFrameRightActive),
                       Rect(size.cx - b.Right, b.Top, size.cx, size.cy - b.Bottom));
    TRect bottom = Rect(0, size.cy - b.Bottom, size.cx, size.cy);
    if (IsMinimized() && Form() != Application->MainForm()) {
        const TRect clip = Rect(0, size.cy - 3, size.cx, size.cy);
        style->DrawElement(dc, detail(twFrameBottomActive, twSmallFrameBottomActive), bottom, clip);
    } else {
        style->DrawElement(dc, detail(twFrameBottomActive, twSmallFrameBottomActive), bottom);
    }
}

void TscFormStyleHook::PaintCaption(HDC dc, const TRect& b)
{
    TCustomStyleServices* style = StyleServices();
    TscStyledForm* styled = StyledForm();
    const double scale = styled ? styled->BorderScaleFactor() : 1.0;
    const int dpi = static_cast<int>(Round(scale * 96));
    const TSize size = WindowSize();
    FCloseButtonRect = FMaxButtonRect = FMinButtonRect = FHelpButtonRect = FSysMenuButtonRect = FCaptionRect = {};
    auto bitmap = MakeBitmap32(size.cx, b.Top);
    TCanvas* canvas = bitmap->Canvas();
    HDC bdc = canvas->Handle();
    const bool tool = IsToolWindow(), maximized = IsMaximized();

    // 1: the caption element.
    TThemedWindow caption = tool ? (FFormActive ? twSmallCaptionActive : twSmallCaptionInactive)
                                 : (FFormActive ? twCaptionActive : twCaptionInactive);
    TRect captionArea = Rect(0, FYOffset, size.cx, b.Top + FYOffset);
    if (maximized && FYOffset > 0) {
        captionArea.Left -= b.Left;
        captionArea.Right += b.Right;
        if (scale > 1) {
            captionArea.Top = std::max(captionArea.Top, FYOffset);
            captionArea.Bottom = b.Top;
        }
    }
    style->DrawElement(bdc, TD::GetElementDetails(caption), captionArea);
    TRect captionRect = Rect(0, FYOffset, size.cx, b.Top);

    // 2: the caption wallpaper.
    if (styled && styled->CaptionWallpapers()) {
        int index = styled->CaptionWallpaperIndex();
        if (!FFormActive && styled->CaptionWallpaperInActiveIndex() >= 0)
            index = styled->CaptionWallpaperInActiveIndex();
        if (styled->CaptionWallpapers()->IsIndexAvailable(index)) {
            const TRect area = Rect(captionRect.Left + styled->CaptionWallpaperLeftMargin(),
                                    captionRect.Top + styled->CaptionWallpaperTopMargin(),
                                    captionRect.Right - styled->CaptionWallpaperRightMargin(),
                                    captionRect.Bottom - styled->CaptionWallpaperBottomMargin());
            const int saved = SaveDC(bdc);
            IntersectClipRect(bdc, area.Left, area.Top, area.Right, area.Bottom);
            styled->CaptionWallpapers()->Draw(canvas, area, index, scale);
            RestoreDC(bdc, saved);
        }
    }

    // 3: the icon.
    int textLeft = b.Left;
    const bool hasSysMenu = HasBorderIcon(biSystemMenu);
    if (styled && styled->ShowIcon() && hasSysMenu && Form()->BorderStyle() != bsDialog && !tool) {
        const TThemedElementDetails icon = TD::GetElementDetails(twSysButtonNormal);
        TRect area;
        style->GetElementContentRect(bdc, icon, captionRect, area);
        TSize iconSize{::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON)};
        if (scale == 1) {
            iconSize.cx = std::min(iconSize.cx, 16);
            iconSize.cy = std::min(iconSize.cy, 16);
        } else {
            iconSize = {static_cast<int>(Round(16 * scale)), static_cast<int>(Round(16 * scale))};
        }
        area = Rect(b.Left + (maximized && !IsMDIChild() ? FXOffset : 0), captionRect.Top,
                    b.Left + (maximized && !IsMDIChild() ? FXOffset : 0) + iconSize.cx + 4, captionRect.Bottom);
        HICON handle = reinterpret_cast<HICON>(SendMessageW(Handle(), WM_GETICON, ICON_SMALL2, 0));
        if (!handle)
            handle = reinterpret_cast<HICON>(GetClassLongPtrW(Handle(), GCLP_HICONSM));
        if (!handle)
            handle = LoadIconW(nullptr, IDI_APPLICATION);
        const int x = area.Left + (area.Width() - iconSize.cx) / 2, y = area.Top + (area.Height() - iconSize.cy) / 2;
        DrawIconEx(bdc, x, y, handle, iconSize.cx, iconSize.cy, 0, nullptr, DI_NORMAL);
        FSysMenuButtonRect = area;
        textLeft = area.Right + 5;
    } else if (maximized && !hasSysMenu) {
        textLeft += 5;
    }

    // 4: the system buttons from right to left.
    int captionRight = size.cx - b.Right;
    PaintCaptionButtons(canvas, captionRight, captionRect.Top, captionRect.Height(), scale, dpi);

    // 5: the caption rectangle, then the caption buttons and tabs.
    FCaptionRect = Rect(textLeft, captionRect.Top, captionRight, captionRect.Bottom);
    int textRight = captionRight;
    if (styled)
        PaintCaptionObjects(canvas, textLeft, textRight, captionRect.Top, captionRect.Height(), scale, textLeft);

    // 6: the caption text.
    const String text = Form()->Caption();
    const TRect textRect = Rect(textLeft, captionRect.Top - FYOffset, textRight, captionRect.Bottom);
    if (styled) {
        canvas->Font()->Assign(styled->CaptionFont());
        canvas->Font()->SetHeight(static_cast<int>(Round(styled->CaptionFont()->Height() * scale)));
        canvas->Font()->SetColor(GetCaptionTextColor(FFormActive ? scsNormal : scsDisabled, Form()));
        canvas->Brush()->SetStyle(bsClear);
        String shown = text;
        CutTextToWidth(canvas, shown, textRect.Width());
        DrawAlignedText(canvas, shown, Rect(textRect.Left, textRect.Top + FYOffset, textRect.Right, textRect.Bottom),
                        false, Form()->UseRightToLeftReading(), styled->CaptionAlignment());
    } else {
        TRect r = Rect(textRect.Left, textRect.Top + FYOffset, textRect.Right, textRect.Bottom);
        TTextFormat flags{tfLeft, tfSingleLine, tfVerticalCenter, tfEndEllipsis};
        if (Form()->UseRightToLeftReading())
            flags.Include(tfRtlReading);
        style->DrawText(bdc, TD::GetElementDetails(caption), text, r, flags);
    }

    // 7: onto the window.
    BitBlt(dc, 0, 0, size.cx, b.Top, bdc, 0, 0, SRCCOPY);
}

void TscFormStyleHook::PaintCaptionButtons(TCanvas* canvas, int& captionRight, int top, int height, double,
                                           int dpi)
{
    TCustomStyleServices* style = StyleServices();
    HDC dc = canvas->Handle();
    const bool hasSysMenu = HasBorderIcon(biSystemMenu), tool = IsToolWindow();
    const bool dialog = Form()->BorderStyle() == bsDialog;
    auto stateOf = [&](TThemedWindow normal, int code) {
        // normal, hot, pushed, disabled follow each other in the element's states.
        int offset = 0;
        if (FPressedButton == code && FHotButton == code)
            offset = 2;
        else if (FHotButton == code)
            offset = 1;
        else if (!FFormActive)
            offset = 3;
        return TD::GetElementDetails(static_cast<TThemedWindow>(normal + offset));
    };
    auto place = [&](TThemedWindow normal, int code, TRect& stored) {
        const TThemedElementDetails details = stateOf(normal, code);
        TSize size;
        style->GetElementSize(dc, details, esActual, size);
        if (dpi > 96)
            size = {MulDiv(size.cx, dpi, PlatformScreenDpi()), MulDiv(size.cy, dpi, PlatformScreenDpi())};
        const int y = top + (height - size.cy) / 2;
        stored = Rect(captionRight - size.cx, y, captionRight, y + size.cy);
        style->DrawElement(dc, details, stored);
        captionRight = stored.Left;
    };
    if (!hasSysMenu)
        return;
    place(tool ? twSmallCloseButtonNormal : twCloseButtonNormal, scHTClose, FCloseButtonRect);
    if (dialog || tool)
        return;
    const bool hasMax = HasBorderIcon(biMaximize), hasMin = HasBorderIcon(biMinimize);
    if (hasMax)
        place(IsMaximized() ? twRestoreButtonNormal : twMaxButtonNormal, scHTMaxButton, FMaxButtonRect);
    if (hasMin)
        place(IsMinimized() && Form() != Application->MainForm() ? twRestoreButtonNormal : twMinButtonNormal,
              scHTMinButton, FMinButtonRect);
    if (HasBorderIcon(biHelp) && !hasMin && !hasMax)
        place(twHelpButtonNormal, scHTHelp, FHelpButtonRect);
}

// ---------------------------------------------------------------------------------------------
// The window region.

void TscFormStyleHook::ChangeSize()
{
    HWND wnd = Handle();
    if (!wnd)
        return;
    FChangeSizeCalled = true;
    const TRect b = GetBorderSize();
    if (IsMinimized())
        FHeight = b.Top + b.Bottom;
    TscStyledForm* styled = StyledForm();
    HRGN region = nullptr;
    // The window is being moved or sized: its new place is the one just remembered.
    const TSize size{FWidth, FHeight};
    if (Form()->BorderStyle() == bsNone) {
        if (styled && styled->DWMClientShadow()) {
            FChangeSizeCalled = false;
            return;
        }
        if (IsMDIChild() && !IsMaximized())
            region = CreateRectRgn(0, 0, size.cx, size.cy);
    } else {
        const TThemedElementDetails frame =
            TD::GetElementDetails(IsToolWindow() ? twSmallCaptionActive : twCaptionActive);
        if (!StyleServices()->GetElementRegion(nullptr, frame, Rect(0, 0, size.cx, size.cy), region))
            region = nullptr;
        if (IsMaximized() && !IsMDIChild()) {
            const TRect window = Bounds(FLeft, FTop, FWidth, FHeight);
            MONITORINFO info{};
            info.cbSize = sizeof(info);
            const POINT centre{(window.Left + window.Right) / 2, (window.Top + window.Bottom) / 2};
            GetMonitorInfoW(MonitorFromPoint(centre, MONITOR_DEFAULTTONEAREST), &info);
            const TRect kept = scMaximizedRegionRect(window, ToRect(info.rcWork));
            HRGN crop = CreateRectRgn(kept.Left, kept.Top, kept.Right, kept.Bottom);
            if (region) {
                CombineRgn(region, region, crop, RGN_AND);
                DeleteObject(crop);
            } else {
                region = crop;
            }
        }
    }
    if (region || FRegion) {
        // Once set, the region belongs to the system: the previous one is not ours to delete.
        if (SetWindowRgn(wnd, region, TRUE))
            FRegion = region;
        else if (region)
            DeleteObject(region);
    }
    FChangeSizeCalled = false;
}

// ---------------------------------------------------------------------------------------------
// Messages.

void TscFormStyleHook::FirstShow()
{
    FNeedsUpdate = false;
    HWND wnd = Handle();
    DropSystemMenuBar();
    InitMDIFrame();
    if (!TStyleManager::SystemStyle()->Enabled() && !IsMDIChild() &&
        (GetWindowLongPtrW(wnd, GWL_STYLE) & WS_CAPTION) == WS_CAPTION) {
        SetWindowLongPtrW(wnd, GWL_STYLE, GetWindowLongPtrW(wnd, GWL_STYLE) & ~LONG_PTR(WS_CAPTION));
        FCaptionEmulation = true;
    }
}

void TscFormStyleHook::NCCalcSize(TMessage& message)
{
    UpdateMenuBarHook();
    if (IsMDIChild() && IsMaximized())
        return;
    const bool borderNone = Form()->BorderStyle() == bsNone;
    if (message.WParam && (!borderNone || FMainMenuBarHook)) {
        const TRect b = GetBorderSize();
        auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(message.LParam);
        RECT& r = params->rgrc[0];
        const int width = r.right - r.left;
        int menuHeight = 0;
        if (FMainMenuBarHook) {
            menuHeight = FMainMenuBarHook->GetMenuHeight(width - b.Left - b.Right);
            FMainMenuBarHook->SetBoundsRect(Rect(b.Left, b.Top, width - b.Right, b.Top + menuHeight));
        }
        r.left += b.Left;
        r.top += b.Top + menuHeight;
        r.right -= b.Right;
        r.bottom -= b.Bottom;
        message.Result = 0;
        FHandled = true;
    } else if (IsMDIChild() && borderNone && message.WParam) {
        FHandled = true;
    }
}

void TscFormStyleHook::WindowPosChanging(TMessage& message)
{
    CallDefaultProc(message);
    auto* pos = reinterpret_cast<WINDOWPOS*>(message.LParam);
    if ((pos->flags & SWP_SHOWWINDOW) && FNeedsUpdate)
        FirstShow();
    if (!FChangeSizeCalled) {
        if (!(pos->flags & SWP_NOMOVE)) {
            FLeft = pos->x;
            FTop = pos->y;
        }
        const bool sized = !(pos->flags & SWP_NOSIZE) && (pos->cx != FWidth || pos->cy != FHeight);
        if (!(pos->flags & SWP_NOSIZE)) {
            FWidth = pos->cx;
            FHeight = pos->cy;
        }
        if (sized || (pos->flags & SWP_FRAMECHANGED)) {
            ChangeSize();
            if (Form()->BorderStyle() != bsNone)
                RepaintNC();
        }
    }
    FHandled = true;
}

void TscFormStyleHook::SystemCommand(TMessage& message)
{
    const UINT command = static_cast<UINT>(message.WParam) & 0xFFF0;
    switch (command) {
    case SC_RESTORE:
        FRestoring = true;
        if (IsMDIChild()) {
            // The frame keeps its bars still until the child has its restored place.
            FSelfRestoring = true;
            SendToMDIFrame(WM_SCMDICHILDRESTORING, reinterpret_cast<WPARAM>(Handle()), false);
        }
        break;
    case SC_MINIMIZE:
        if (IsMDIChild()) {
            CallDefaultProc(message);
            RepaintNC();
            FHandled = true;
        }
        break;
    case SC_CLOSE:
        if (IsMDIChild())
            SendToMDIFrame(WM_SCMDICHILDCLOSED, reinterpret_cast<WPARAM>(Handle()), true);
        break;
    case SC_KEYMENU:
        // The system's own bar is off: Alt+Space opens the system menu, F10 and Alt the bar.
        if (FMainMenuBarHook) {
            if (message.LParam == u' ')
                FMainMenuBarHook->TrackSystemMenu();
            else
                FMainMenuBarHook->MenuEnter();
            FHandled = true;
        }
        break;
    default:
        break;
    }
}

void TscFormStyleHook::NCMouseMove(TMessage& message)
{
    const TPoint p = NormalizePoint(MessagePoint(message));
    const int code = static_cast<int>(message.WParam);
    if (FMainMenuBarHook) {
        if (code == scHTMenu) {
            const TRect bar = FMainMenuBarHook->BoundsRect();
            FMainMenuBarHook->MouseMove(p.X - bar.Left, p.Y - bar.Top);
            FMenuBarHot = true;
            FHandled = true;
            return;
        }
        if (FMenuBarHot) {
            FMenuBarHot = false;
            FMainMenuBarHook->MouseMove(-1, -1);
        }
    }
    const int hot = IsSystemButtonCode(code) ? code : 0;
    if (hot != FHotButton) {
        FHotButton = hot;
        RepaintNC();
    }
    if (hot)
        FHandled = true;
    if (!CaptionObjectsShown())
        return;
    TscStyledForm* styled = StyledForm();
    TscNCObject* object = styled->FindNCObject(p);
    if (object != FActiveNCObject) {
        if (FActiveNCObject && styled->IsNCObjectVisible(FActiveNCObject) && styled->IsNCObjectEnabled(FActiveNCObject))
            FActiveNCObject->MouseLeave();
        if (object && styled->IsNCObjectEnabled(object)) {
            object->MouseEnter();
            object->MouseMove(p.X, p.Y);
        }
        FOldNCObject = FActiveNCObject;
        FActiveNCObject = object;
    } else if (object && styled->IsNCObjectEnabled(object)) {
        object->MouseMove(p.X, p.Y);
    }
}

void TscFormStyleHook::NCLButtonDown(TMessage& message)
{
    const int code = static_cast<int>(message.WParam);
    if (FMainMenuBarHook && code == scHTMenu) {
        const TPoint p = NormalizePoint(MessagePoint(message));
        const TRect bar = FMainMenuBarHook->BoundsRect();
        FMainMenuBarHook->MouseDown(p.X - bar.Left, p.Y - bar.Top);
        FHandled = true;
        return;
    }
    if (IsSystemButtonCode(code)) {
        FPressedButton = code;
        FHotButton = code;
        RepaintNC();
        FHandled = true;
        return;
    }
    if (!CaptionObjectsShown())
        return;
    TscStyledForm* styled = StyledForm();
    if (styled->HintComponent())
        styled->HintComponent()->HideHint();
    const TPoint p = NormalizePoint(MessagePoint(message));
    TscNCObject* object = styled->FindNCObject(p);
    if (!object)
        return;
    if (!Form()->Active())
        Form()->SetFocus();
    FCapturedNCObject = object;
    if (styled->IsNCObjectEnabled(object))
        object->MouseDown(p.X, p.Y);
    FHandled = true;
}

void TscFormStyleHook::NCLButtonUp(TMessage& message)
{
    const int code = static_cast<int>(message.WParam);
    if (FMainMenuBarHook && code == scHTMenu) {
        const TPoint p = NormalizePoint(MessagePoint(message));
        const TRect bar = FMainMenuBarHook->BoundsRect();
        FMainMenuBarHook->MouseUp(p.X - bar.Left, p.Y - bar.Top);
        FHandled = true;
        return;
    }
    const int pressed = FPressedButton;
    if (FPressedButton) {
        FPressedButton = 0;
        RepaintNC();
    }
    if (CaptionObjectsShown() && FCapturedNCObject) {
        TscStyledForm* styled = StyledForm();
        const TPoint p = NormalizePoint(MessagePoint(message));
        TscNCObject* captured = FCapturedNCObject;
        FCapturedNCObject = nullptr;
        if (styled->FindNCObject(p) == captured) {
            if (styled->IsNCObjectEnabled(captured))
                captured->MouseUp(p.X, p.Y);
            FHandled = true;
            return;
        }
    }
    if (code == scHTCaption || code == scHTSysMenu || code == scHTBorder || !IsSystemButtonCode(code))
        return;
    if (pressed == code && FHotButton == code) {
        switch (code) {
        case scHTClose:
            Close();
            break;
        case scHTMaxButton:
            if (HasBorderIcon(biMaximize))
                Maximize();
            break;
        case scHTMinButton:
            if (HasBorderIcon(biMinimize))
                Minimize();
            break;
        case scHTHelp:
            if (HasBorderIcon(biHelp))
                Help();
            break;
        default:
            break;
        }
    }
    FHandled = true;
}

void TscFormStyleHook::NCLButtonDblClk(TMessage& message)
{
    const int code = static_cast<int>(message.WParam);
    if (code == scHTCaption && CaptionObjectsShown()) {
        const TPoint p = NormalizePoint(MessagePoint(message));
        if (TscNCObject* object = StyledForm()->FindNCObject(p)) {
            FCapturedNCObject = object;
            if (StyledForm()->IsNCObjectEnabled(object))
                object->MouseDown(p.X, p.Y);
            FHandled = true;
            return;
        }
    }
    const bool border = code >= scHTLeft && code <= scHTBorder;
    if (code != scHTCaption && !border)
        FHandled = true;
}

void TscFormStyleHook::MouseEnter()
{
    FPressedButton = 0;
    FCapturedNCObject = nullptr;
}

void TscFormStyleHook::MouseLeave()
{
    TscStyledForm* styled = StyledForm();
    if (styled && FActiveNCObject && styled->IsNCObjectVisible(FActiveNCObject))
        FActiveNCObject->MouseLeave();
    FActiveNCObject = FOldNCObject = FCapturedNCObject = nullptr;
    if (FMainMenuBarHook) {
        FMenuBarHot = false;
        FMainMenuBarHook->MouseMove(-1, -1);
    }
    if (FHotButton || FPressedButton) {
        FHotButton = FPressedButton = 0;
        if (Form()->BorderStyle() != bsNone)
            RepaintNC();
    }
}

void TscFormStyleHook::WndProc(TMessage& message)
{
    const bool styled = IsStyledBorder();
    if (styled && MDIMessage(message)) {
        FHandled = true;
        return;
    }
    switch (message.Msg) {
    case WM_NCCALCSIZE:
        if (styled)
            NCCalcSize(message);
        break;
    case WM_NCPAINT:
        // A borderless form without a menu bar has nothing of the style's to paint: its own
        // frame (a drop-down's line) is drawn by the form.
        if (Form()->BorderStyle() == bsNone && !FMainMenuBarHook)
            return;
        break;
    case WM_NCHITTEST:
        if (styled) {
            const TPoint p = NormalizePoint(MessagePoint(message));
            int code = GetHitTest(p);
            if (TscStyledForm* form = StyledForm())
                form->OnHitTest()(form, p, code);
            message.Result = code;
            FHandled = true;
        }
        break;
    case WM_GETMINMAXINFO:
        if (styled) {
            CallDefaultProc(message);
            const TRect b = GetBorderSize();
            auto* info = reinterpret_cast<MINMAXINFO*>(message.LParam);
            if (Form()->Constraints()->MinHeight() < b.Top + b.Bottom)
                info->ptMinTrackSize.y = std::max<LONG>(info->ptMinTrackSize.y, b.Top + b.Bottom);
            FHandled = true;
        }
        break;
    case WM_ACTIVATE:
        CallDefaultProc(message);
        FFormActive = LOWORD(message.WParam) != WA_INACTIVE;
        FHandled = true;
        break;
    case WM_NCACTIVATE:
        if (!styled)
            break;
        FFormActive = message.WParam != 0;
        if (FActiveNCObject)
            FActiveNCObject->FMouseIn = false;
        if (IsMDIChild()) {
            CallDefaultProc(message);
        } else {
            message.Result = 1;
        }
        // The active child's caption follows its frame's.
        if (FMDIClient)
            PostMessageW(FMDIClient, WM_NCACTIVATE, message.WParam, 0);
        if (Form()->BorderStyle() != bsNone && !(IsMDIChild() && IsMaximized()))
            RepaintNC();
        FHandled = true;
        break;
    case 0xAE: // the system's request to redraw a themed caption
        if (styled) {
            RepaintNC();
            FHandled = true;
        }
        break;
    case WM_NCMOUSEMOVE:
        // The tracking hook notices the mouse first, so MouseEnter comes before the move.
        TMouseTrackControlStyleHook::WndProc(message);
        if (styled)
            NCMouseMove(message);
        return;
    case WM_NCLBUTTONDOWN:
        if (styled)
            NCLButtonDown(message);
        break;
    case WM_NCLBUTTONUP:
        if (styled)
            NCLButtonUp(message);
        break;
    case WM_NCLBUTTONDBLCLK:
        if (styled)
            NCLButtonDblClk(message);
        break;
    case WM_NCRBUTTONDOWN:
        if (styled) {
            if (TscStyledForm* form = StyledForm(); form && form->HintComponent())
                form->HintComponent()->HideHint();
            if (FMainMenuBarHook && message.WParam == HTMENU)
                FHandled = true;
        }
        break;
    case WM_MENUSELECT:
        if (FMainMenuBarHook)
            FMainMenuBarHook->MenuSelect(message.WParam, message.LParam);
        break;
    case WM_INITMENU:
        if (styled && reinterpret_cast<HMENU>(message.WParam) == GetMenu(Handle()))
            DropSystemMenuBar();
        break;
    case CM_MENUCHANGED:
        if (styled) {
            CallDefaultProc(message);
            DropSystemMenuBar();
            SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
            FHandled = true;
        }
        break;
    case CM_DIALOGCHAR:
        if (styled && FMainMenuBarHook && FMainMenuBarHook->CheckHotKeyItem(static_cast<Char>(message.WParam))) {
            message.Result = 1;
            FHandled = true;
        }
        break;
    case WM_NCRBUTTONUP:
        if (styled && FCaptionEmulation && message.WParam == HTCAPTION) {
            SendMessageW(Handle(), 0x313, 0, message.LParam);
            FHandled = true;
        }
        break;
    case WM_SYSCOMMAND:
        if (styled)
            SystemCommand(message);
        break;
    case WM_WINDOWPOSCHANGING:
        if (styled)
            WindowPosChanging(message);
        break;
    case WM_SHOWWINDOW:
        if (styled && message.WParam && FNeedsUpdate) {
            FirstShow();
            if (Form()->BorderStyle() != bsNone) {
                const int width = Form()->Width();
                Form()->SetWidth(width - 1);
                Form()->SetWidth(width);
            }
        }
        break;
    case WM_SETTEXT:
        CallDefaultProc(message);
        if (styled)
            RepaintNC();
        FHandled = true;
        break;
    case WM_SIZE:
        if (styled && IsMinimized() && Form() != Application->MainForm()) {
            CallDefaultProc(message);
            RepaintNC();
            FHandled = true;
        }
        break;
    default:
        break;
    }
    if (FHandled)
        return;
    TMouseTrackControlStyleHook::WndProc(message);
}
