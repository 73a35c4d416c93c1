// The base controls of the kit: paint buffer over the parent's background, mouse tracking with
// state cross-fades, and the shared button behaviour.
#include "scControls.h"

#include "Forms.h"
#include "Math.h"
#include "scHookBuffer.h"

TAVIN_PUBLISHED(TscCustomControl)
{
    TAVIN_PROPERTY(bool, FluentUIOpaque).Default(false);
    TAVIN_PROPERTY(TNotifyEvent, OnChangeScale);
}

TAVIN_PUBLISHED(TscCustomActiveControl) {}

TAVIN_PUBLISHED(TscCustomButtonControl) {}

// ---------------------------------------------------------------------------------------------

TscCustomControl::TscCustomControl(TComponent* owner)
    : TCustomControl(owner), ParentBGBuffer(std::make_unique<TBitmap>())
{
}

TscCustomControl::~TscCustomControl() = default;

bool TscCustomControl::IsFluentUIOpaqueActive() const
{
    return FFluentUIOpaque && !ComponentState().Contains(csDesigning) && IsWindows10OrLater() &&
           GetWindowsBuildNumber() >= 17134;
}

bool TscCustomControl::IsDrawOnBackground() const
{
    return !FForceDraw && !FromWMPaint && FDrawOnBackground && !ControlState().Contains(csPaintCopy);
}

TscsCtrlState TscCustomControl::GetCtrlState() const { return Enabled() ? scsNormal : scsDisabled; }

void TscCustomControl::RefreshBackground()
{
    CaptureParentBackground();
    RePaintControl();
    UpdateControls();
}

void TscCustomControl::ParentBackgroundChanged()
{
    // Nothing of a hidden window is on the screen: instead of a capture nobody sees, the copy is
    // dropped, and the first paint or DrawCapturedBackground takes it afresh.
    if (HandleAllocated() && !IsWindowVisible(FHandle)) {
        if (ParentBGBuffer->Width() * ParentBGBuffer->Height() != 0)
            ParentBGBuffer->SetSize(0, 0);
        UpdateControls();
        return;
    }
    RefreshBackground();
}

void TscCustomControl::SetBlurBackground(bool value)
{
    if (FBlurBackground == value)
        return;
    FBlurBackground = value;
    if (FTransparentBackground)
        RefreshBackground();
}

void TscCustomControl::SetBlurBackgroundAmount(int value)
{
    if (value < 1 || value > 20 || value == FBlurBackgroundAmount)
        return;
    FBlurBackgroundAmount = value;
    if (FTransparentBackground && FBlurBackground)
        RefreshBackground();
}

void TscCustomControl::SetFluentUIOpaque(bool value)
{
    if (FFluentUIOpaque == value)
        return;
    FFluentUIOpaque = value;
    const TComponentState state = ComponentState();
    if (!state.Contains(csDesigning) && !state.Contains(csLoading) && !state.Contains(csDestroying) &&
        IsWindows10OrLater() && GetWindowsBuildNumber() > 17133 && HandleAllocated())
        RecreateWnd();
}

void TscCustomControl::SetDrawTextMode(TscDrawTextMode value)
{
    if (FDrawTextMode == value)
        return;
    FDrawTextMode = value;
    RePaintControl();
}

void TscCustomControl::FullUpdateControl()
{
    RePaintControl();
    UpdateControls();
}

void TscCustomControl::SetRedraw(bool value, bool update)
{
    if (!HandleAllocated())
        return;
    SendMessageW(FHandle, WM_SETREDRAW, value ? 1 : 0, 0);
    if (value && update)
        RedrawWindow(FHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void TscCustomControl::RePaintControl()
{
    FErasePainted = false;
    FStopEraseBackground = true;
    FForceDraw = true;
    try {
        Repaint();
    } catch (...) {
        FStopEraseBackground = false;
        FForceDraw = false;
        throw;
    }
    FStopEraseBackground = false;
    FForceDraw = false;
}

void TscCustomControl::UpdateControls()
{
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* child = Controls(i);
        if (!child->Visible())
            continue;
        if (auto* windowed = dynamic_cast<TWinControl*>(child); windowed && windowed->HandleAllocated())
            SendMessageW(windowed->HandleIfAllocated(), WM_SCUPDATEBACKGROUND, 0, 0);
        else
            child->Perform(WM_SCUPDATEBACKGROUND);
    }
}

void TscCustomControl::SetBounds(int left, int top, int width, int height)
{
    std::vector<TscCustomControl*> children;
    if (ControlStyle().Contains(csAcceptsControls))
        for (int i = 0; i < ControlCount(); ++i)
            if (auto* c = dynamic_cast<TscCustomControl*>(Controls(i))) {
                c->FForceDraw = true;
                children.push_back(c);
            }
    FForceDraw = true;
    try {
        TCustomControl::SetBounds(left, top, width, height);
    } catch (...) {
        FForceDraw = false;
        for (TscCustomControl* c : children)
            c->FForceDraw = false;
        throw;
    }
    FForceDraw = false;
    for (TscCustomControl* c : children)
        c->FForceDraw = false;
}

void TscCustomControl::ScaleForPPI(int newPPI)
{
    DisableAlign();
    try {
        TCustomControl::ScaleForPPI(newPPI);
    } catch (...) {
        EnableAlign();
        throw;
    }
    EnableAlign();
}

void TscCustomControl::ChangeScale(int m, int d, bool isDpiChange)
{
    const double before = ScaleFactor();
    TCustomControl::ChangeScale(m, d, isDpiChange);
    if (ScaleFactor() != before && FOnChangeScale)
        FOnChangeScale(this);
}

void TscCustomControl::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    if (IsFluentUIOpaqueActive())
        params.ExStyle |= WS_EX_LAYERED;
}

void TscCustomControl::CreateWnd()
{
    TCustomControl::CreateWnd();
    if (!IsFluentUIOpaqueActive())
        return;
    FTransparentBackground = false;
    SetLayeredWindowAttributes(FHandle, 0, 255, LWA_ALPHA);
    if (Visible())
        SetTimer(FHandle, FluentOpaqueRedrawTimer, 10, nullptr);
}

void TscCustomControl::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_PAINT:
        FromWMPaint = true;
        try {
            TCustomControl::WndProc(message);
        } catch (...) {
            FromWMPaint = false;
            throw;
        }
        FromWMPaint = false;
        return;
    case WM_ERASEBKGND:
        FErasePainted = false;
        if (IsDrawOnBackground()) {
            const TScopedFlag erasing(FPaintingOnErase);
            PaintWindow(reinterpret_cast<HDC>(message.WParam));
        }
        message.Result = 1;
        return;
    case WM_SIZE:
        TCustomControl::WndProc(message);
        if (FTransparentBackground || FStorePaintBuffer) {
            if (FStorePaintBuffer)
                Repaint();
            UpdateControls();
        }
        return;
    case WM_MOVE:
        TCustomControl::WndProc(message);
        if (FTransparentBackground)
            ParentBackgroundChanged();
        return;
    case WM_SCUPDATEBACKGROUND:
        if (FTransparentBackground)
            ParentBackgroundChanged();
        return;
    case CM_ENABLEDCHANGED:
        TCustomControl::WndProc(message);
        RePaintControl();
        return;
    default:
        break;
    }
    TCustomControl::WndProc(message);
    if (message.Msg == WM_TIMER && message.WParam == FluentOpaqueRedrawTimer && IsFluentUIOpaqueActive()) {
        KillTimer(FHandle, FluentOpaqueRedrawTimer);
        RedrawWindow(FHandle, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
    }
}

void TscCustomControl::Invalidate()
{
    FErasePainted = false;
    TCustomControl::Invalidate();
}

void TscCustomControl::Paint() { PaintBuffered(); }

void TscCustomControl::PaintBuffered()
{
    const int w = Width(), h = Height();
    const bool reuse = FErasePainted && !FForceDraw && FPaintBuffer && FPaintBuffer->Width() == w &&
                       FPaintBuffer->Height() == h;
    FErasePainted = false;
    if (w <= 0 || h <= 0)
        return;
    // A window's first show erases, then paints the same picture: the erase keeps its buffer for it.
    struct TRelease {
        TscCustomControl* Self;
        ~TRelease()
        {
            if (!Self->FStorePaintBuffer && !Self->FErasePainted)
                Self->FPaintBuffer.reset();
        }
    } release{this};
    if (reuse) {
        Canvas()->Draw(0, 0, FPaintBuffer.get());
        return;
    }
    if (!FStorePaintBuffer || !FPaintBuffer)
        FPaintBuffer = std::make_unique<TBitmap>();
    FPaintBuffer->SetSize(w, h);
    if (FTransparentBackground && !FStopEraseBackground)
        CaptureParentBackground();
    TCanvas* canvas = FPaintBuffer->Canvas();
    canvas->SetFont(Font());
    DrawCapturedBackground(canvas);
    Draw(canvas, GetCtrlState());
    Canvas()->Draw(0, 0, FPaintBuffer.get());
    FErasePainted = FPaintingOnErase;
}

void TscCustomControl::CaptureParentBackground()
{
    if (!FTransparentBackground) {
        FUpdateParentBuffer = false;
        if (ParentBGBuffer->Width() * ParentBGBuffer->Height() != 0)
            ParentBGBuffer->SetSize(0, 0);
        return;
    }
    TWinControl* parent = Parent();
    if (FBlurBackground && ParentBGBuffer->PixelFormat() != pf32bit)
        ParentBGBuffer->SetPixelFormat(pf32bit);
    const int w = Width(), h = Height();
    if (w * h == 0)
        return;
    if (ParentBGBuffer->Width() != w || ParentBGBuffer->Height() != h)
        ParentBGBuffer->SetSize(w, h);
    auto* styledParent = dynamic_cast<TscCustomControl*>(parent);
    if (styledParent)
        styledParent->FGetControlBG = true;
    try {
        TBitmap* kept = styledParent && !FUpdateParentBuffer && styledParent->FStorePaintBuffer
                            ? styledParent->FPaintBuffer.get()
                            : nullptr;
        if (kept && kept->Width() > 0 && kept->Width() == styledParent->Width() &&
            kept->Height() == styledParent->Height()) {
            ParentBGBuffer->Canvas()->CopyRect(Rect(0, 0, w, h), *kept->Canvas(), BoundsRect());
        } else if (parent) {
            PaintParentBackground(this, ParentBGBuffer->Canvas());
        }
        if (FBlurBackground)
            StackBlurBitmap(ParentBGBuffer.get(), FBlurBackgroundAmount);
    } catch (...) {
        if (styledParent)
            styledParent->FGetControlBG = false;
        throw;
    }
    if (styledParent)
        styledParent->FGetControlBG = false;
    FUpdateParentBuffer = false;
}

void TscCustomControl::DrawCapturedBackground(TCanvas* canvas)
{
    if (!FTransparentBackground)
        return;
    if (ParentBGBuffer->Width() != Width() || ParentBGBuffer->Height() != Height())
        CaptureParentBackground();
    canvas->Draw(0, 0, ParentBGBuffer.get());
}

// ---------------------------------------------------------------------------------------------

TscCustomActiveControl::TscCustomActiveControl(TComponent* owner) : TscCustomControl(owner) {}

TscCustomActiveControl::~TscCustomActiveControl() { StopMouseTimer(); }

TscsCtrlState TscCustomActiveControl::GetCtrlState() const
{
    if (!Enabled())
        return scsDisabled;
    return FMouseIn ? scsHot : scsNormal;
}

bool TscCustomActiveControl::IsBufferedAnimationAvailable()
{
    return WindowsMajorVersion() >= 6 && scDrawUtils::BeginBufferedAnimation;
}

bool TscCustomActiveControl::CanAnimateState() const
{
    if (ComponentState().Contains(csDesigning))
        return false;
    const TscsCtrlState state = GetCtrlState();
    const bool animatedState =
        state == scsNormal || state == scsHot || (state == scsFocused && CanAnimateFocused());
    return Enabled() && Visible() && FAnimation && animatedState && IsBufferedAnimationAvailable();
}

void TscCustomActiveControl::StartStateAnimation()
{
    FCanAnimate = true;
    if (HandleAllocated()) {
        KillTimer(FHandle, StateAnimationTimer);
        SetTimer(FHandle, StateAnimationTimer, 350, nullptr);
    }
}

void TscCustomActiveControl::StopStateAnimation()
{
    FCanAnimate = false;
    if (IsBufferedAnimationAvailable() && scDrawUtils::BufferedPaintStopAllAnimations && HandleAllocated())
        scDrawUtils::BufferedPaintStopAllAnimations(FHandle);
}

void TscCustomActiveControl::DoMouseEnter()
{
    if (FAnimation && CanAnimateState())
        StartStateAnimation();
    RePaintControl();
}

void TscCustomActiveControl::DoMouseLeave()
{
    if (FAnimation && CanAnimateState())
        StartStateAnimation();
    RePaintControl();
}

void TscCustomActiveControl::StartMouseTimer()
{
    FMouseTimer.reset();
    FMouseTimer = std::make_unique<TTimer>(nullptr);
    FMouseTimer->SetInterval(100);
    FMouseTimer->SetOnTimer(MakeHandler<&TscCustomActiveControl::CheckMouseLeave>(this));
    FMouseTimer->SetEnabled(true);
}

void TscCustomActiveControl::StopMouseTimer()
{
    if (FMouseTimer)
        FMouseTimer->SetEnabled(false);
    FMouseTimer.reset();
}

void TscCustomActiveControl::MouseLeft()
{
    StopMouseTimer();
    FMouseIn = false;
    DoMouseLeave();
}

void TscCustomActiveControl::CheckMouseLeave(TObject*)
{
    POINT p;
    GetCursorPos(&p);
    if (HandleAllocated() && WindowFromPoint(p) == FHandle)
        return;
    MouseLeft();
}

void TscCustomActiveControl::MouseMove(TShiftState shift, int x, int y)
{
    TscCustomControl::MouseMove(shift, x, y);
    const bool inside = x >= 0 && x <= Width() && y >= 0 && y <= Height();
    if (!FMouseIn && inside) {
        FMouseIn = true;
        StartMouseTimer();
        DoMouseEnter();
    } else if (FMouseIn && !inside) {
        MouseLeft();
    }
}

void TscCustomActiveControl::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_TIMER:
        TscCustomControl::WndProc(message);
        if (message.WParam == StateAnimationTimer) {
            KillTimer(FHandle, StateAnimationTimer);
            StopStateAnimation();
        }
        return;
    case WM_ERASEBKGND:
        // An erase outside the control's own paint comes from a move or exposure, not a state change.
        if (!InWMPaint())
            FCanAnimate = false;
        break;
    case WM_MOVE:
        if (FTransparentBackground)
            FCanAnimate = false;
        break;
    case WM_SCUPDATEBACKGROUND:
        TscCustomControl::WndProc(message);
        if (FTransparentBackground)
            FCanAnimate = false;
        return;
    case CM_MOUSEENTER:
        TscCustomControl::WndProc(message);
        if (!FMouseIn) {
            FMouseIn = true;
            StartMouseTimer();
            DoMouseEnter();
        }
        return;
    case CM_MOUSELEAVE:
        TscCustomControl::WndProc(message);
        if (FMouseIn) {
            MouseLeft();
            FOldCtrlState = GetCtrlState();
        }
        return;
    default:
        break;
    }
    TscCustomControl::WndProc(message);
}

void TscCustomActiveControl::Paint()
{
    if (FCanAnimate && CanAnimateState()) {
        const HDC dc = Canvas()->Handle();
        if (scDrawUtils::BufferedPaintRenderAnimation && scDrawUtils::BufferedPaintRenderAnimation(FHandle, dc))
            return;
        if (AnimateStateChange(dc))
            return;
    }
    // Without an animation buffer (some systems give none) the ordinary paint shows the new
    // state; the animation's start state follows what is now on screen.
    const bool animating = FCanAnimate;
    PaintBuffered();
    if (animating)
        FOldCtrlState = GetCtrlState();
}

bool TscCustomActiveControl::AnimateStateChange(HDC dc)
{
    if (!IsBufferedAnimationAvailable())
        return false;
    const TscsCtrlState state = GetCtrlState();
    BP_ANIMATIONPARAMS animation{};
    animation.cbSize = sizeof(animation);
    animation.style = BPAS_LINEAR;
    animation.dwDuration = state != FOldCtrlState ? 150 : 0;
    RECT client = ToWinRect(ClientRect());
    HDC from = nullptr, to = nullptr;
    HANIMATIONBUFFER buffer = scDrawUtils::BeginBufferedAnimation(FHandle, dc, &client, BPBF_COMPATIBLEBITMAP, nullptr,
                                                                  &animation, &from, &to);
    if (!buffer)
        return false;
    const bool alpha = animation.dwDuration > 0;
    if (from)
        DrawStateFrame(from, FOldCtrlState, alpha);
    if (to)
        DrawStateFrame(to, state, alpha);
    if (scDrawUtils::EndBufferedAnimation)
        scDrawUtils::EndBufferedAnimation(buffer, TRUE);
    FOldCtrlState = state;
    return true;
}

void TscCustomActiveControl::DrawStateFrame(HDC dc, TscsCtrlState state, bool alpha)
{
    const int w = Width(), h = Height();
    if (w == 0 || h == 0)
        return;
    if (alpha) {
        auto bitmap = MakeBitmap32(w, h);
        bitmap->Canvas()->SetFont(Font());
        DrawCapturedBackground(bitmap->Canvas());
        Draw(bitmap->Canvas(), state);
        SetBitmapAlpha(bitmap.get(), 255);
        BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        AlphaBlend(dc, 0, 0, w, h, bitmap->Canvas()->Handle(), 0, 0, w, h, blend);
        return;
    }
    TCanvas canvas;
    canvas.SetHandle(dc);
    canvas.SetFont(Font());
    try {
        DrawCapturedBackground(&canvas);
        Draw(&canvas, state);
    } catch (...) {
        canvas.SetHandle(nullptr);
        throw;
    }
    canvas.SetHandle(nullptr);
}

// ---------------------------------------------------------------------------------------------

TscCustomButtonControl::TscCustomButtonControl(TComponent* owner)
    : TscCustomActiveControl(owner), FGlowEffect(std::make_unique<TscButtonGlowEffect>())
{
    FGlowEffect->FControl = this;
    FGlowEffect->SetOnChange(MakeHandler<&TscCustomButtonControl::GlowChanged>(this));
    SetControlStyle(ControlStyle().Include(csSetCaption));
    SetTabStop(true);
    SetBounds(Left(), Top(), 100, 35);
}

TscCustomButtonControl::~TscCustomButtonControl()
{
    StopRepeatClickTimer();
    SetImages(nullptr);
    SetDropDownMenu(nullptr);
    SetGalleryMenu(nullptr);
}

void TscCustomButtonControl::GlowChanged(TObject*)
{
    FUpdateGlowBuffer = true; // intensity and offset are no inputs of the cache: any change rebuilds
    if (!ComponentState().Contains(csLoading))
        RePaintControl();
}

void TscCustomButtonControl::SetCanFocused(bool value)
{
    FCanFocused = value;
    SetTabStop(value);
}

void TscCustomButtonControl::SetImages(TCustomImageList* value)
{
    if (ReplaceComponentReference(this, FImages, value))
        RePaintControl();
}

void TscCustomButtonControl::SetDropDownMenu(TPopupMenu* value)
{
    if (ReplaceComponentReference(this, FDropDownMenu, value))
        RePaintControl();
}

void TscCustomButtonControl::SetGalleryMenu(TscGalleryMenu* value)
{
    if (FGalleryMenu == value)
        return;
    if (FGalleryMenu) {
        FGalleryMenu->SetOnInternalChange(nullptr);
        FGalleryMenu->SetOnInternalMenuClose(nullptr);
        if (FGalleryMenu->Control() == this)
            FGalleryMenu->SetControl(nullptr);
    }
    ReplaceComponentReference(this, FGalleryMenu, value);
    if (FGalleryMenu) {
        FGalleryMenu->SetOnInternalChange(MakeHandler<&TscCustomButtonControl::GalleryMenuChanged>(this));
        FGalleryMenu->SetOnInternalMenuClose(MakeHandler<&TscCustomButtonControl::GalleryMenuClosed>(this));
    }
    RePaintControl();
}

void TscCustomButtonControl::Notification(TComponent* component, TOperation operation)
{
    TscCustomActiveControl::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (component == FImages)
        FImages = nullptr;
    if (component == FDropDownMenu)
        FDropDownMenu = nullptr;
    if (component == FGalleryMenu)
        FGalleryMenu = nullptr;
}

void TscCustomButtonControl::ActionChange(TObject* sender, bool checkDefaults)
{
    TscCustomActiveControl::ActionChange(sender, checkDefaults);
    auto* action = dynamic_cast<TCustomAction*>(sender);
    auto* list = action ? dynamic_cast<TCustomActionList*>(action->ActionList()) : nullptr;
    TCustomImageList* images = list ? list->Images() : nullptr;
    if (!images || action->ImageIndex() < 0 || action->ImageIndex() >= images->Count())
        return;
    if (FUseImagesFromAction)
        SetImages(images);
    if (FUseImageIndexFromAction)
        SetImageIndex(action->ImageIndex());
    RePaintControl();
}

void TscCustomButtonControl::ChangeScale(int m, int d, bool isDpiChange)
{
    TscCustomActiveControl::ChangeScale(m, d, isDpiChange);
    FSplitWidth = MulDiv(FSplitWidth, m, d);
}

TscsCtrlState TscCustomButtonControl::GetCtrlState() const
{
    if (FDown)
        return scsPressed;
    if (!Enabled())
        return scsDisabled;
    if (FMenuDroppedDown)
        return scsHot;
    if ((FMouseIn && FPressed) || FIsDown)
        return scsPressed;
    if (FMouseIn)
        return scsHot;
    if (Focused() && FCanFocused)
        return scsFocused;
    return scsNormal;
}

bool TscCustomButtonControl::CanAnimateState() const
{
    return TscCustomActiveControl::CanAnimateState() && !FPressed && !FDown && !FMenuDroppedDown && !FMenuTracking;
}

void TscCustomButtonControl::ButtonClick()
{
    const TComponentState state = ComponentState();
    if (FDisableClick || state.Contains(csDesigning) || state.Contains(csLoading))
        return;
    TBasicAction* action = Action();
    if (FOnClick && action && FOnClick == action->OnExecute())
        FOnClick(this);
    else if (ActionLink())
        ActionLink()->Execute(this);
    else if (FOnClick)
        FOnClick(this);
}

void TscCustomButtonControl::SetDown(bool value)
{
    if (FDown == value)
        return;
    if (Animation())
        StopStateAnimation();
    FDown = value;
    RePaintControl();
    FOldCtrlState = GetCtrlState();
    if (FGroupIndex > 0 && FDown)
        UpdateGroup();
    const TComponentState state = ComponentState();
    if ((FDown || FMustDoUp) && !state.Contains(csDesigning) && !state.Contains(csLoading))
        ButtonClick();
}

void TscCustomButtonControl::GalleryMenuClosed(TObject*)
{
    FPressed = false;
    FIsDown = false;
    FMenuDroppedDown = false;
    FMenuTracking = false;
    RePaintControl();
    FOldCtrlState = GetCtrlState();
}

void TscCustomButtonControl::CloseUp(bool acceptChanges)
{
    GalleryMenuClosed(this);
    if (FOnCloseUp)
        FOnCloseUp(this, acceptChanges);
}

bool TscCustomButtonControl::GlowBufferNeedsUpdate(TCanvas* canvas, TColor glowColor, int glowSize, int glowAlpha,
                                                   const TRect& rect, int imageIndex, const TCustomImageList* images)
{
    const TFont* font = canvas->Font();
    const TscButtonGlowInputs inputs{Caption(), Width(), Height(), glowColor, glowSize, glowAlpha, rect,
                                     font->Size(), font->Name(), font->Style(), imageIndex, FSpacing, FMargin,
                                     FLayout, images, images ? images->Width() : 0, images ? images->Height() : 0,
                                     FWordWrap};
    if (!FUpdateGlowBuffer && inputs == FStoredGlowInputs)
        return false;
    FStoredGlowInputs = inputs;
    FUpdateGlowBuffer = false;
    return true;
}

bool TscCustomButtonControl::GetGlowParams(TscsCtrlState state, TColor& color, Byte& alpha, Byte& size) const
{
    const TscButtonGlowEffect& glow = *FGlowEffect;
    if (!glow.States().Contains(state))
        return false;
    switch (state) {
    case scsHot: color = glow.GetHotColor(); break;
    case scsPressed: color = glow.GetPressedColor(); break;
    case scsFocused: color = glow.GetFocusedColor(); break;
    default: color = glow.GetColor(); break;
    }
    if (color == clNone)
        color = glow.GetColor();
    if (state == scsPressed) {
        size = glow.PressedGlowSize();
        alpha = glow.GetPressedAlphaValue();
    } else {
        size = glow.GlowSize();
        alpha = glow.GetAlphaValue();
        if (state == scsDisabled)
            alpha = Byte(alpha / 2);
    }
    return true;
}

bool TscCustomButtonControl::ClickOnDialogKey(TMessage& message, bool active, bool cancel)
{
    const bool noShift = KeyboardShiftState() * TShiftState{ssShift, ssCtrl, ssAlt} == TShiftState{};
    if ((message.WParam == VK_RETURN && active && Enabled()) ||
        (message.WParam == VK_ESCAPE && cancel && noShift && CanFocus())) {
        ButtonClick();
        message.Result = 1;
        return true;
    }
    return false;
}

void TscCustomButtonControl::ClickWithModalResult(bool modalSetting, int modalResult)
{
    if (FDisableClick)
        return;
    if (modalSetting)
        if (TCustomForm* form = GetParentForm())
            form->SetModalResult(modalResult);
    TscCustomButtonControl::ButtonClick();
}

void TscCustomButtonControl::ResizeForCaption(bool show, int widthWithCaption, int widthWithoutCaption)
{
    if (show && widthWithCaption > 0)
        SetWidth(widthWithCaption);
    else if (!show && widthWithoutCaption > 0)
        SetWidth(widthWithoutCaption);
    else
        RePaintControl();
}

void TscCustomButtonControl::DoMouseEnter()
{
    TscCustomActiveControl::DoMouseEnter();
    if (FPressed && FRepeatClick)
        StartRepeatClickTimer();
}

void TscCustomButtonControl::DoMouseLeave()
{
    TscCustomActiveControl::DoMouseLeave();
    StopRepeatClickTimer();
}

void TscCustomButtonControl::StartRepeatClickTimer()
{
    FRepeatClickTimer.reset();
    FRepeatClickTimer = std::make_unique<TTimer>(nullptr);
    FRepeatClickTimer->SetEnabled(false);
    FRepeatClickTimer->SetOnTimer(MakeHandler<&TscCustomButtonControl::RepeatClickDelayElapsed>(this));
    FRepeatClickTimer->SetInterval(500);
    FRepeatClickTimer->SetEnabled(true);
}

void TscCustomButtonControl::RepeatClickDelayElapsed(TObject*)
{
    FRepeatClickTimer->SetEnabled(false);
    FRepeatClickTimer->SetOnTimer(MakeHandler<&TscCustomButtonControl::RepeatClickTick>(this));
    FRepeatClickTimer->SetInterval(static_cast<Cardinal>(FRepeatClickInterval));
    FRepeatClickTimer->SetEnabled(true);
}

void TscCustomButtonControl::RepeatClickTick(TObject*) { ButtonClick(); }

void TscCustomButtonControl::StopRepeatClickTimer()
{
    if (FRepeatClickTimer)
        FRepeatClickTimer->SetEnabled(false);
    FRepeatClickTimer.reset();
}

bool TscCustomButtonControl::InArrowPart(int x, int y) const
{
    TRect strip;
    if (FArrowPosition == scapBottom)
        strip = Rect(0, Height() - FSplitWidth, Width(), Height());
    else if (BiDiMode() == bdRightToLeft)
        strip = Rect(0, 0, FSplitWidth, Height());
    else
        strip = Rect(Width() - FSplitWidth, 0, Width(), Height());
    return x >= strip.Left && x < strip.Right && y >= strip.Top && y < strip.Bottom;
}

bool TscCustomButtonControl::StartDropDown(bool fromArrow)
{
    if (fromArrow)
        FMenuDroppedDown = true;
    if (!FSplitButton)
        FIsDown = true;
    RePaintControl();
    // The main part of a split button clicks on release instead.
    if (!fromArrow && FSplitButton)
        return false;
    FMenuTracking = true;
    FDropDownCall = true;
    return true;
}

void TscCustomButtonControl::DoDropDownMenu(bool fromArrow)
{
    if (!StartDropDown(fromArrow))
        return;
    const int w = Width(), h = Height();
    TPoint p = Point(0, h);
    if (FDropDownMenu->Alignment() == paCenter)
        p = Point(w / 2, h);
    else if (BiDiMode() == bdRightToLeft || FDropDownMenu->Alignment() == paRight)
        p = Point(w, h);
    else if (FArrowDirection == scadRight)
        p = Point(w, 0);
    p = ClientToScreen(p);
    FDropDownMenu->SetPopupComponent(this);
    FDropDownMenu->Popup(p.X, p.Y);
    FMenuDroppedDown = false;
    FIsDown = false;
    FPressed = false;
    if (HandleAllocated())
        SetTimer(FHandle, MenuTrackingTimer, 50, nullptr);
    else
        FMenuTracking = false;
    FOldCtrlState = GetCtrlState();
}

void TscCustomButtonControl::DoDropDownGalleryMenu(bool fromArrow)
{
    if (!StartDropDown(fromArrow))
        return;
    TscGalleryMenu* menu = FGalleryMenu;
    const TPoint topLeft = Parent() ? Parent()->ClientToScreen(Point(Left(), Top())) : Point(Left(), Top());
    const TRect bounds = Bounds(topLeft.X, topLeft.Y, Width(), Height());
    menu->SetScaleFactor(ScaleFactor());
    menu->SetControl(this);
    if (FShowGalleryMenuFromTop || FShowGalleryMenuFromRight)
        menu->PopupFromRectExt(bounds, FShowGalleryMenuFromTop, FShowGalleryMenuFromRight);
    else
        menu->PopupFromRect(bounds);
    // A menu that opened nothing sends no closing notice: the drop-down ends here, or the button
    // would ignore every release from now on.
    if (FMenuTracking && (FGalleryMenu != menu || !menu->IsPopupVisible()))
        GalleryMenuClosed(this);
}

void TscCustomButtonControl::DoCustomDropDown(bool fromArrow)
{
    if (!StartDropDown(fromArrow))
        return;
    RePaintControl();
    if (FOnDropDown)
        FOnDropDown(this);
}

void TscCustomButtonControl::OpenDropDown(bool fromArrow)
{
    if (FDropDownMenu)
        DoDropDownMenu(fromArrow);
    else if (FGalleryMenu)
        DoDropDownGalleryMenu(fromArrow);
    else if (FCustomDropDown)
        DoCustomDropDown(fromArrow);
}

void TscCustomButtonControl::OpenKeyboardDropDown()
{
    // What the key press left in the queue is handled before a modal menu takes over the loop.
    Application->ProcessMessages();
    if (FCustomDropDown)
        DoCustomDropDown(false);
    else if (FDropDownMenu)
        DoDropDownMenu(false);
    else
        DoDropDownGalleryMenu(false);
}

void TscCustomButtonControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TscCustomActiveControl::MouseDown(button, shift, x, y);
    if (FMenuTracking) {
        FMouseIn = true;
        FOldCtrlState = scsHot;
        return;
    }
    FDropDownCall = false;
    if (button == mbLeft && (FGroupIndex > 0 || FToggleMode)) {
        if ((FAllowAllUp || FToggleMode) && FDown)
            FMustDoUp = true;
        SetDown(true);
        return;
    }
    if (button != mbLeft)
        return;
    FPressed = true;
    if (HasDropDown())
        OpenDropDown(FSplitButton && InArrowPart(x, y));
    else
        RePaintControl();
    if (FRepeatClick)
        StartRepeatClickTimer();
}

void TscCustomButtonControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (!FMenuTracking && button == mbLeft) {
        if ((FGroupIndex > 0 || FToggleMode) && FMustDoUp) {
            SetDown(false);
            FMustDoUp = false;
        } else if (FPressed) {
            FPressed = false;
            RePaintControl();
            if (FRepeatClick && !FDown)
                StopRepeatClickTimer();
            if (FMouseIn && !FDown)
                ButtonClick();
        }
    }
    TscCustomActiveControl::MouseUp(button, shift, x, y);
}

void TscCustomButtonControl::HandleKeyDown(Word key)
{
    if (key == VK_SPACE && FToggleMode) {
        if (FDown)
            FMustDoUp = true;
        else
            SetDown(true);
    } else if (key == VK_SPACE && (!FDown || (FGroupIndex > 0 && FAllowAllUp))) {
        if (FGroupIndex > 0) {
            if (FAllowAllUp && FDown)
                FMustDoUp = true;
            SetDown(true);
        } else if (!FIsDown) {
            if (HasKeyboardDropDown()) {
                OpenKeyboardDropDown();
                ButtonClick();
            } else {
                FIsDown = true;
                RePaintControl();
            }
        }
        if (FRepeatClick && !FRepeatClickTimer)
            StartRepeatClickTimer();
    } else if (key == VK_RETURN && FGroupIndex > 0) {
        if (FAllowAllUp && FDown)
            FMustDoUp = true;
        else if (!FDown)
            SetDown(true);
    } else if (key == VK_RETURN && FToggleMode) {
        if (FDown)
            FMustDoUp = true;
        else
            SetDown(true);
    } else if (key == VK_RETURN) {
        if (!FMenuTracking && HasKeyboardDropDown())
            OpenKeyboardDropDown();
        if (!FMenuTracking)
            ButtonClick();
    }
}

void TscCustomButtonControl::KeyDown(Word& key, TShiftState shift)
{
    TscCustomActiveControl::KeyDown(key, shift);
    if (key != VK_UP && key != VK_DOWN)
        return;
    if (FDropDownMenu)
        DoDropDownMenu(FSplitButton);
    else if (FGalleryMenu)
        DoDropDownGalleryMenu(FSplitButton);
}

void TscCustomButtonControl::HandleKeyUp(Word key)
{
    if (key == VK_RETURN && FDown && FGroupIndex > 0 && FAllowAllUp && FMustDoUp) {
        SetDown(false);
        FMustDoUp = false;
    } else if (key == VK_SPACE && (!FDown || (FGroupIndex > 0 && FAllowAllUp))) {
        if (FGroupIndex > 0 && FMustDoUp) {
            SetDown(false);
            FMustDoUp = false;
        } else if (!HasKeyboardDropDown()) {
            // A key press that dropped something down already clicked on its way down.
            FIsDown = false;
            RePaintControl();
            StopRepeatClickTimer();
            ButtonClick();
        }
    } else if ((key == VK_SPACE || key == VK_RETURN) && FDown && FToggleMode && FMustDoUp) {
        SetDown(false);
        FMustDoUp = false;
    }
}

void TscCustomButtonControl::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_CREATE:
        FMenuTracking = false;
        break;
    case WM_KEYDOWN:
        if (FCanFocused)
            HandleKeyDown(static_cast<Word>(message.WParam));
        break;
    case WM_KEYUP:
        if (FCanFocused)
            HandleKeyUp(static_cast<Word>(message.WParam));
        break;
    case WM_TIMER:
        if (message.WParam == MenuTrackingTimer && FMenuTracking) {
            KillTimer(FHandle, MenuTrackingTimer);
            FMenuTracking = false;
            if (!ComponentState().Contains(csDestroying))
                RePaintControl();
            FOldCtrlState = GetCtrlState();
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (FCanFocused && !ComponentState().Contains(csDesigning) && !Focused())
            SetFocus();
        break;
    case CM_ENABLEDCHANGED:
        TscCustomActiveControl::WndProc(message);
        FMouseIn = false;
        return;
    case CM_TEXTCHANGED:
        TscCustomActiveControl::WndProc(message);
        RePaintControl();
        return;
    case CM_WANTSPECIALKEY:
        TscCustomActiveControl::WndProc(message);
        // The arrows open the button's menu instead of moving the focus.
        if (FCanFocused && (FDropDownMenu || FGalleryMenu) &&
            (message.WParam == VK_UP || message.WParam == VK_DOWN))
            message.Result = 1;
        return;
    case CM_DIALOGCHAR:
        if (IsAccel(static_cast<Char>(message.WParam), Caption()) && CanFocus()) {
            if (FCanFocused)
                SetFocus();
            DoAcceleratorClick();
            message.Result = 1;
            return;
        }
        break;
    case WM_SETFOCUS:
        TscCustomActiveControl::WndProc(message);
        if (FCanFocused) {
            FUpdateParentBuffer = true;
            if (FDrawTextMode == scdtmGDIPlus)
                Invalidate();
            else
                RePaintControl();
            StopRepeatClickTimer();
            FOldCtrlState = GetCtrlState();
        }
        return;
    case WM_KILLFOCUS:
        TscCustomActiveControl::WndProc(message);
        if (FCanFocused)
            RePaintControl();
        FOldCtrlState = GetCtrlState();
        return;
    default:
        break;
    }
    TscCustomActiveControl::WndProc(message);
}

