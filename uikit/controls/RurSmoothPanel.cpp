// The smooth panel's settings, looks and tones, theme file, mouse handling, moving and resizing.
// Painting is in RurSmoothPanel_Paint.cpp.
#include "RurSmoothPanel.h"

#include "Forms.h"
#include "IniFiles.h"
#include "Messages.h"
#include "RurVersion.h"
#include "Streaming.h"

using namespace RurGDIP;

// ---- TRurSmoothPanelCaption ------------------------------------------------------------------------

TAVIN_PUBLISHED(TRurSmoothPanelCaption)
{
    TAVIN_PROPERTY(String, Text);
    TAVIN_PROPERTY(TRurSmoothPanelLocation, Location).Default(plTopLeft);
    TAVIN_PROPERTY(int, Left).Default(0);
    TAVIN_PROPERTY(int, Top).Default(0);
    TAVIN_PROPERTY(TFont*, Font);
    TAVIN_PROPERTY(TColor, ColorStart).Default(0xB0721C);
    TAVIN_PROPERTY(TColor, ColorEnd).Default(0x9F661A);
    TAVIN_PROPERTY(Byte, OpacityStart).Default(255);
    TAVIN_PROPERTY(Byte, OpacityEnd).Default(255);
    TAVIN_PROPERTY(TRurGradientType, GradientType).Default(gtVertical);
    TAVIN_PROPERTY(RurGDIP::HatchStyle, HatchStyle).Default(HatchStyleHorizontal);
    TAVIN_PROPERTY(TRurGDIPPicture*, Picture);
    TAVIN_PROPERTY(TAlignment, TextAlignment).Default(taLeftJustify);
    TAVIN_PROPERTY(bool, TextWordWrapping).Default(true);
    TAVIN_PROPERTY(TRurSmoothPanelTextRenderingHint, TextRendering).Default(tAntiAliasGridFit);
    TAVIN_PROPERTY(TColor, BackgroundColor).Default(clNone);
    TAVIN_PROPERTY(TColor, BackgroundColorTo).Default(clNone);
    TAVIN_PROPERTY(bool, Line).Default(true);
    TAVIN_PROPERTY(TColor, LineColor).Default(0xB0721C);
    TAVIN_PROPERTY(String, HTMLText);
    TAVIN_PROPERTY(TFont*, HTMLFont);
    TAVIN_PROPERTY(TRurSmoothPanelLocation, HTMLLocation).Default(plCenterCenter);
    TAVIN_PROPERTY(int, HTMLLeft).Default(0);
    TAVIN_PROPERTY(int, HTMLTop).Default(0);
    TAVIN_PROPERTY(TColor, HTMLURLColor).Default(0xFF0000);
    TAVIN_PROPERTY(TColor, HTMLShadowColor).Default(0x808080);
    TAVIN_PROPERTY(int, HTMLShadowOffset).Default(5);
    TAVIN_PROPERTY(bool, HTMLWordWrapping).Default(true);
    TAVIN_PROPERTY(TNotifyEvent, OnChange);
}

TRurSmoothPanelCaption::TRurSmoothPanelCaption(TRurSmoothPanel* AOwner)
    : FOwner(AOwner), FFont(std::make_unique<TFont>()), FPicture(std::make_unique<TRurGDIPPicture>()),
      FHTMLFont(std::make_unique<TFont>())
{
    FFont->SetName(u"Tahoma");
    FFont->SetHeight(-16);
    FHTMLFont->SetName(u"Tahoma");
    const TNotifyEvent changed = MakeHandler<&TRurSmoothPanelCaption::Changed>(this);
    FFont->SetOnChange(changed);
    FHTMLFont->SetOnChange(changed);
    FPicture->SetOnChange(changed);
}

TRurSmoothPanelCaption::~TRurSmoothPanelCaption() = default;

TPersistent* TRurSmoothPanelCaption::GetOwner() const { return FOwner; }

void TRurSmoothPanelCaption::Changed(TObject*)
{
    if (FOwner)
        FOwner->RefreshPanel();
}

void TRurSmoothPanelCaption::Assign(const TPersistent* Source)
{
    const auto* s = dynamic_cast<const TRurSmoothPanelCaption*>(Source);
    if (!s || s == this)
        return;
    FText = s->FText;
    FLocation = s->FLocation;
    FLeft = s->FLeft;
    FTop = s->FTop;
    FColorStart = s->FColorStart;
    FColorEnd = s->FColorEnd;
    FGradientType = s->FGradientType;
    FHatchStyle = s->FHatchStyle;
    FOpacityStart = s->FOpacityStart;
    FOpacityEnd = s->FOpacityEnd;
    FPicture->Assign(s->FPicture.get());
    FHTMLText = s->FHTMLText;
    FHTMLLocation = s->FHTMLLocation;
    FHTMLLeft = s->FHTMLLeft;
    FHTMLTop = s->FHTMLTop;
    FHTMLURLColor = s->FHTMLURLColor;
    FHTMLShadowColor = s->FHTMLShadowColor;
    FHTMLShadowOffset = s->FHTMLShadowOffset;
    FFont->Assign(s->FFont.get());
    FHTMLFont->Assign(s->FHTMLFont.get());
    FLine = s->FLine;
    FTextWordWrapping = s->FTextWordWrapping;
    FHTMLWordWrapping = s->FHTMLWordWrapping;
    FTextAlignment = s->FTextAlignment;
    Changed(this);
}

// ---- TRurSmoothPanel ---------------------------------------------------------------------------------

namespace {

// A look's colours: the caption text brush, its line, the fill's four colours and border, and how
// the fill changes besides.
struct TPanelLook {
    TRujStyle Style;
    TColor Start, End, Line, Color, ColorTo, Mirror, MirrorTo, Border;
    bool MirrorGradient, Radial, Flat;
};

constexpr TColor None = clNone;

constexpr TPanelLook PanelLooks[] = {
    {tsOffice2003Blue, 0, 0, 0, 0xFDEADA, 0xE4AE88, None, None, 0xDFD2C5, false, false, false},
    {tsOffice2003Silver, 0, 0, 0, 0xF7F3F3, 0xE6D8D8, None, None, 0x927476, false, false, false},
    {tsOffice2003Olive, 0, 0, 0, 0xCFF0EA, 0x8CC0B1, None, None, 0x6B7760, false, false, false},
    {tsOffice2003Classic, 0, 0, 0, 0xFFFFFF, 0xC9D1D5, None, None, 0x808080, false, false, false},
    {tsOffice2007Luna, 0xB0721C, 0x9F661A, 0xB0721C, 0xFAF1E9, 0xEDD8C7, 0xEDD8C7, 0xFFF2E7, 0xE3B28D, true, false,
     false},
    {tsOffice2007Obsidian, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xCFC6C1, 0xC5BBB4, 0xC5BBB4, 0xECECE5, 0x000000, true, false,
     false},
    {tsWindowsXP, 0, 0, 0, clBtnFace, clBtnFace, None, None, 0x000000, false, false, false},
    {tsWhidbey, 0, 0, 0, 0xFFFFFF, 0xD9E9EC, None, None, 0x828F92, false, false, false},
    {tsOffice2007Silver, 0xB0721C, 0x9F661A, 0xB0721C, 0xF6F1EE, 0xE7DCD5, 0xE7DCD5, 0xF4F4EE, 0x74706F, true, false,
     false},
    {tsWindowsVista, 0, 0, 0xFDDE99, 0xFDF8F1, 0xFCEFD5, None, None, 0xFDDE99, false, false, false},
    {tsWindows7, 0, 0, 0xCEA27D, 0xFCEBDC, 0xFCDBC1, None, None, 0xCEA27D, false, false, false},
    {tsTerminal, 0, 0, 0, clBtnFace, clBtnFace, None, None, 0x000000, false, false, false},
    {tsOffice2010Blue, 0x5B391E, 0x5B391E, 0x5B391E, 0xFDF6EF, 0xF0DAC7, None, None, 0xC7B29F, false, true, false},
    {tsOffice2010Silver, 0x5B391E, 0x5B391E, 0x5B391E, 0xFFFFFF, 0xEDE5E0, None, None, 0xD2CDC8, false, true, false},
    {tsOffice2010Black, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xBFBFBF, 0x919191, None, None, 0x6D6D6D, false, true, false},
    {tsWindows8, 0, 0, 0xE4E3E2, 0xFFFFFF, 0xFFFFFF, None, None, 0xE4E3E2, false, true, true},
    {tsWindows10, 0, 0, 0xE4E3E2, 0xFFFFFF, 0xFFFFFF, None, None, 0xE4E3E2, false, true, true},
    {tsOffice2013White, 0, 0, 0xD4D4D4, 0xFFFFFF, 0xFFFFFF, None, None, 0xD4D4D4, false, true, true},
    {tsOffice2013LightGray, 0, 0, 0xC6C6C6, 0xFFFFFF, 0xFFFFFF, None, None, 0xC6C6C6, false, true, true},
    {tsOffice2013Gray, 0, 0, 0xABABAB, 0xFFFFFF, 0xFFFFFF, None, None, 0xABABAB, false, true, true},
    {tsOffice2016White, 0x505050, 0x505050, 0xD4D4D4, 0xFFFFFF, 0xFFFFFF, None, None, 0xD4D4D4, false, true, true},
    {tsOffice2016Gray, 0x424242, 0x424242, 0x444444, 0xB2B2B2, 0xB2B2B2, None, None, 0x444444, false, false, true},
    {tsOffice2016Black, 0xA6A6A6, 0xA6A6A6, 0x444444, 0x363636, 0x363636, None, None, 0x444444, false, false, true},
    {tsOffice2019White, 0x444648, 0x444648, 0xC4C6C8, 0xFFFFFF, 0xFFFFFF, None, None, 0xC4C6C8, false, false, true},
    {tsOffice2019Gray, 0x232425, 0x232425, 0x666666, 0xB8BBBE, 0xB8BBBE, None, None, 0x666666, false, false, true},
    {tsOffice2019Black, 0xFFFFFF, 0xFFFFFF, 0xADB0B3, 0x303132, 0x303132, None, None, 0xADB0B3, false, false, true},
};

} // namespace

TAVIN_PUBLISHED(TRurSmoothPanel)
{
    TAVIN_PROPERTY(bool, AnchorHint).Default(false);
    TAVIN_PROPERTY(bool, CanMove).Default(false);
    TAVIN_PROPERTY(bool, Resizable).Default(false);
    TAVIN_PROPERTY(bool, ResizeHandle).Default(true);
    TAVIN_PROPERTY(TColor, ResizeHandleColor).Default(0);
    TAVIN_PROPERTY(Byte, ResizeHandleOpacity).Default(255);
    TAVIN_PROPERTY(int, ResizeHandleSize).Default(17);
    TAVIN_PROPERTY(bool, Transparent).Default(true);
    TAVIN_PROPERTY(TRurSmoothPanelCaption*, Caption);
    TAVIN_PROPERTY(TGDIPFill*, Fill);
    TAVIN_PROPERTY(TCustomImageList*, Images);
    TAVIN_PROPERTY(TRurHintInfo*, OfficeHint);
    TAVIN_PROPERTY(TGDIPPictureContainer*, PictureContainer);
    TAVIN_PROPERTY(String, Version);
    TAVIN_PROPERTY(TRujStyle, UIStyle).Default(tsCustom);
    TAVIN_PROPERTY(TRurSmoothPanelAnchorClickEvent, OnAnchorClick);
    TAVIN_PROPERTY(TRurSmoothPanelAnchorHintEvent, OnAnchorHint);
    TAVIN_PROPERTY(TRurSmoothPanelDrawEvent, OnDraw);
    TAVIN_PROPERTY(TNotifyEvent, OnEndMoveSize);
}

TRurSmoothPanel::TRurSmoothPanel(TComponent* AOwner)
    : TCustomControl(AOwner), FFill(std::make_unique<TGDIPFill>()), FOfficeHint(std::make_unique<TRurHintInfo>())
{
    SetControlStyle(ControlStyle() + TControlStyle{csAcceptsControls});
    FFill->SetOnChange(MakeHandler<&TRurSmoothPanel::FillChanged>(this));
    SetDoubleBuffered(true);
    SetBounds(Left(), Top(), 256, 128);
    FCaption = std::make_unique<TRurSmoothPanelCaption>(this);
    const TComponentState ownerState = AOwner ? AOwner->ComponentState() : TComponentState{};
    if (ComponentState().Contains(csDesigning) && !ownerState.Contains(csReading) && !ownerState.Contains(csLoading))
        SetComponentStyle(GetFormStylerStyle(AOwner, tsOffice2019White));
    FRujStyle = tsCustom;
}

TRurSmoothPanel::~TRurSmoothPanel() = default;

void TRurSmoothPanel::CreateParams(TCreateParams& AParams)
{
    TCustomControl::CreateParams(AParams);
    AParams.Style &= ~DWORD(WS_BORDER);
}

String TRurSmoothPanel::Version() const { return KitVersionText(GetVersionNr()); }

void TRurSmoothPanel::RefreshPanel()
{
    FCacheStale = true;
    Invalidate();
}

void TRurSmoothPanel::SetResizable(bool value)
{
    FResizable = value;
    RefreshPanel();
}

void TRurSmoothPanel::SetResizeHandle(bool value)
{
    FResizeHandle = value;
    RefreshPanel();
}

void TRurSmoothPanel::SetResizeHandleColor(TColor value)
{
    FResizeHandleColor = value;
    RefreshPanel();
}

void TRurSmoothPanel::SetResizeHandleOpacity(Byte value)
{
    FResizeHandleOpacity = value;
    RefreshPanel();
}

void TRurSmoothPanel::SetResizeHandleSize(int value)
{
    FResizeHandleSize = value;
    RefreshPanel();
}

void TRurSmoothPanel::SetTransparent(bool value)
{
    FTransparent = value;
    RefreshPanel();
}

void TRurSmoothPanel::SetFill(TGDIPFill* value)
{
    if (value == FFill.get())
        return;
    FFill->Assign(value);
    SetColor(FFill->Color());
    RefreshPanel();
}

void TRurSmoothPanel::SetImages(TCustomImageList* value)
{
    FImages = value;
    if (value)
        value->FreeNotification(this);
    RefreshPanel();
}

void TRurSmoothPanel::SetPictureContainer(TGDIPPictureContainer* value)
{
    FPictureContainer = value;
    if (value)
        value->FreeNotification(this);
    RefreshPanel();
}

void TRurSmoothPanel::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    if (Operation != opRemove || ComponentState().Contains(csDestroying))
        return;
    if (AComponent == FImages)
        FImages = nullptr;
    if (AComponent == FPictureContainer)
        FPictureContainer = nullptr;
}

void TRurSmoothPanel::Assign(const TPersistent* Source)
{
    const auto* panel = dynamic_cast<const TRurSmoothPanel*>(Source);
    if (!panel) {
        TCustomControl::Assign(Source);
        return;
    }
    FCaption->Assign(panel->FCaption.get());
    FFill->Assign(panel->FFill.get());
    FTransparent = panel->FTransparent;
    RefreshPanel();
}

void TRurSmoothPanel::DefineProperties(TFiler& Filer)
{
    TCustomControl::DefineProperties(Filer);
    // Written as 0 whatever the look, read and ignored: the look is applied, not stored.
    Filer.DefineProperty(
        u"RujStyle", [](TReader& reader) { reader.ReadInteger(); }, [](TWriter& writer) { writer.WriteInteger(0); },
        true);
}

// ---- Looks and tones ----------------------------------------------------------------------------

void TRurSmoothPanel::SetComponentStyle(TRujStyle AStyle)
{
    FRujStyle = AStyle;
    if (AStyle == tsCustom)
        return;
    FFill->BeginUpdate();
    FFill->SetGradientType(gtVertical);
    FFill->SetGlow(gmNone);
    FFill->SetRounding(10);
    FFill->SetShadowColor(0x808080);
    FCaption->SetBackgroundColor(clNone);
    FCaption->SetBackgroundColorTo(clNone);
    for (const TPanelLook& look : PanelLooks) {
        if (look.Style != AStyle)
            continue;
        FCaption->SetColorStart(look.Start);
        FCaption->SetColorEnd(look.End);
        FCaption->SetLineColor(look.Line);
        FFill->SetColor(look.Color);
        FFill->SetColorTo(look.ColorTo);
        FFill->SetColorMirror(look.Mirror);
        FFill->SetColorMirrorTo(look.MirrorTo);
        FFill->SetBorderColor(look.Border);
        if (look.MirrorGradient)
            FFill->SetGradientMirrorType(gtVertical);
        if (look.Radial)
            FFill->SetGlow(gmRadial);
        if (look.Flat) {
            FFill->SetRounding(0);
            FFill->SetShadowOffset(0);
        }
    }
    FFill->EndUpdate();
    SetColor(FFill->Color());
    RefreshPanel();
}

void TRurSmoothPanel::SetColorTones(const TColorTones& ATones)
{
    FCaption->SetBackgroundColor(ATones.Selected.BrushColor);
    FCaption->SetBackgroundColorTo(ATones.Selected.BrushColor);
    FCaption->SetColorStart(ATones.Selected.TextColor);
    FCaption->SetColorEnd(ATones.Selected.TextColor);
    FCaption->SetLineColor(ATones.Background.BorderColor);
    FCaption->HTMLFont()->SetColor(ATones.Background.TextColor);
    FCaption->Font()->SetName(GetDefaultFontName());
    Font()->SetName(GetDefaultFontName());
    Font()->SetColor(ATones.Background.TextColor);
    FFill->BeginUpdate();
    FFill->SetColor(ATones.Background.BrushColor);
    FFill->SetColorTo(ATones.Background.BrushColor);
    FFill->SetColorMirror(ATones.Background.BrushColor);
    FFill->SetColorMirrorTo(ATones.Background.BrushColor);
    FFill->SetBorderColor(ATones.Background.BorderColor);
    FFill->SetRounding(0);
    FFill->SetShadowColor(clNone);
    FFill->EndUpdate();
    RefreshPanel();
}

void TRurSmoothPanel::ApplyVclStyleTones()
{
    if (ComponentState().Contains(csDesigning) || !IsVclStyled(StyleServices(this), false)
        || !StyleElements().Contains(seClient))
        return;
    TColorTones tones;
    GetVclStyleTones(tones, StyleServices(this));
    // A style that offers no tones (only the first colour is touched then) leaves the panel as it is.
    if (tones.Background.BrushColor != clNone)
        SetColorTones(tones);
}

void TRurSmoothPanel::Loaded()
{
    TCustomControl::Loaded();
    ApplyVclStyleTones();
    RefreshPanel();
}

// ---- Theme file --------------------------------------------------------------------------------------

void TRurSmoothPanel::SaveToTheme(const String& AFileName)
{
    TIniFile ini(AFileName);
    FFill->SaveToFile(ini, GetThemeId() + u".Fill");
    FCaption->SaveToFile(ini, GetThemeId() + u".Caption");
}

void TRurSmoothPanel::LoadFromTheme(const String& AFileName)
{
    TIniFile ini(AFileName);
    FFill->LoadFromFile(ini, GetThemeId() + u".Fill");
    FCaption->LoadFromfile(ini, GetThemeId() + u".Caption");
}

// ---- Size, scale and mouse ------------------------------------------------------------------------

void TRurSmoothPanel::Resize()
{
    TCustomControl::Resize();
    RefreshPanel();
}

void TRurSmoothPanel::ChangeScale(int M, int D, bool AIsDpiChange)
{
    TCustomControl::ChangeScale(M, D, AIsDpiChange);
    FFill->SetRounding(MulDiv(FFill->Rounding(), M, D));
    FCaption->Font()->SetHeight(MulDiv(FCaption->Font()->Height(), M, D));
}

TRect TRurSmoothPanel::GetResizeHandleRect() const
{
    const int rounding = FFill->Rounding();
    const int extra = rounding == 0 ? 3 : 0;
    const int x = Width() - FFill->ShadowOffset() - FResizeHandleSize - rounding / 3 - extra;
    const int y = Height() - FFill->ShadowOffset() - FResizeHandleSize - rounding / 3 - extra;
    return Bounds(x, y, FResizeHandleSize, FResizeHandleSize);
}

bool TRurSmoothPanel::PtInCaption(TPoint APoint) const
{
    return APoint.X > 0 && APoint.X < Width() && APoint.Y >= 0 && APoint.Y < 20;
}

void TRurSmoothPanel::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (FResizing) {
        SetBounds(Left(), Top(), X + Width() - FOldPos.X, Y + Height() - FOldPos.Y);
        FOldPos = TPoint{X, Y};
        return;
    }
    const String anchor = GetAnchorAt(X, Y);
    FMouseOnAnchor = !anchor.empty();
    if (FAnchorHint && anchor != FOldAnchor && Application)
        Application->CancelHint();
    FOldAnchor = anchor;
    const TRect grip = GetResizeHandleRect();
    const bool onGrip = FResizable && X >= grip.Left && X <= grip.Right && Y >= grip.Top && Y <= grip.Bottom;
    ShowCursor(FMouseOnAnchor ? crHandPoint : onGrip ? crSizeNWSE : FUserCursor);
}

void TRurSmoothPanel::ShowCursor(TCursor ACursor)
{
    // A cursor other than the one the panel showed last was set by the user meanwhile.
    if (Cursor() != FShownCursor)
        FUserCursor = Cursor();
    FShownCursor = ACursor;
    SetCursor(ACursor);
}

void TRurSmoothPanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (FMouseOnAnchor) {
        const String anchor = GetAnchorAt(X, Y);
        if (!anchor.empty() && FOnAnchorClick)
            FOnAnchorClick(this, anchor);
    }
    const TRect grip = GetResizeHandleRect();
    if (FResizable && X >= grip.Left && X <= grip.Right && Y >= grip.Top && Y <= grip.Bottom) {
        FResizing = true;
        SetCapture(Handle());
        FOldPos = TPoint{X, Y};
    }
}

void TRurSmoothPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (FResizing) {
        FResizing = false;
        ReleaseCapture();
    }
    ShowCursor(Cursor() == FShownCursor ? FUserCursor : Cursor());
}

void TRurSmoothPanel::WndProc(TMessage& AMessage)
{
    switch (AMessage.Msg) {
    case CM_HINTSHOW:
        if (FAnchorHint) {
            auto& info = *reinterpret_cast<THintInfo*>(AMessage.LParam);
            String anchor = GetAnchorAt(info.CursorPos.X, info.CursorPos.Y);
            if (!anchor.empty()) {
                if (FOnAnchorHint)
                    FOnAnchorHint(this, anchor);
                info.HintStr = anchor;
                const TPoint screen = ClientToScreen(info.CursorPos);
                info.HintPos = TPoint{screen.X + 10, screen.Y - 10};
            }
        }
        TCustomControl::WndProc(AMessage);
        AMessage.Result = 0;
        return;
    case WM_NCHITTEST: {
        TCustomControl::WndProc(AMessage);
        if (ComponentState().Contains(csDesigning) || !FCanMove || AMessage.Result != HTCLIENT)
            return;
        const TPoint point =
            ScreenToClient(TPoint{short(LOWORD(AMessage.LParam)), short(HIWORD(AMessage.LParam))});
        if (PtInCaption(point) && !ControlAtPos(point, true, true)) {
            MouseMove(TShiftState{}, point.X, point.Y);
            AMessage.Result = HTCAPTION;
        }
        return;
    }
    case WM_EXITSIZEMOVE:
        TCustomControl::WndProc(AMessage);
        if (FOnEndMoveSize)
            FOnEndMoveSize(this);
        return;
    case WM_SIZE:
        TCustomControl::WndProc(AMessage);
        Invalidate();
        return;
    case WM_WINDOWPOSCHANGED:
        TCustomControl::WndProc(AMessage);
        if (!ComponentState().Contains(csDestroying)
            && (ComponentState().Contains(csDesigning) || (FFill->ShadowOffset() > 0 && FFill->ShadowColor() != clNone)))
            Invalidate();
        return;
    case CM_STYLECHANGED:
        TCustomControl::WndProc(AMessage);
        ApplyVclStyleTones();
        return;
    default:
        TCustomControl::WndProc(AMessage);
        return;
    }
}
