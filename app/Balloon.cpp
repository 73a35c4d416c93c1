#include "Balloon.h"

#include <algorithm>

#include "Math.h"
#include "WideText.h"

TAVIN_PUBLISHED(TBalloon)
{
    TAVIN_METHOD(KeepOnTop);
    TAVIN_METHOD(PaintFrame);
    TAVIN_METHOD(CloseTimer);
    TAVIN_METHOD(CloseOnClick);
}

namespace {

constexpr int ArrowHeight = 20;
constexpr int ArrowWidth = 20;

bool IsBottomPosition(TBalloonPosition position)
{
    return position == blnArrowBottomLeft || position == blnArrowBottomRight;
}

const wchar_t* IconResourceName(TBalloonType type)
{
    switch (type) {
    case blnError:
        return L"ERROR";
    case blnWarning:
        return L"WARNING";
    default:
        return L"INFO";
    }
}

// The window's left and top for the arrow tip at (x, y).
POINT WindowOrigin(TBalloonPosition position, int x, int y, int width, int height)
{
    switch (position) {
    case blnArrowTopLeft:
        return {x - (width - ArrowWidth), y - height};
    case blnArrowTopRight:
        return {x - ArrowWidth, y - height};
    case blnArrowBottomLeft:
        return {x - (width - ArrowWidth), y - 2};
    default:
        return {x - ArrowWidth, y - 2};
    }
}

// The rounded body united with the arrow, in window coordinates.
HRGN BalloonRegion(TBalloonPosition position, int width, int height)
{
    RECT body;
    POINT arrow[3];
    switch (position) {
    case blnArrowTopLeft:
        body = {0, 0, width, height - 18};
        arrow[0] = {width - 40, height - 20}, arrow[1] = {width - 20, height}, arrow[2] = {width - 20, height - 20};
        break;
    case blnArrowTopRight:
        body = {0, 0, width, height - 18};
        arrow[0] = {20, height - 20}, arrow[1] = {20, height}, arrow[2] = {40, height - 20};
        break;
    case blnArrowBottomLeft:
        body = {0, 22, width, height};
        arrow[0] = {width - 20, 2}, arrow[1] = {width - 20, 22}, arrow[2] = {width - 40, 22};
        break;
    default:
        // Its tip lies 10 pixels below the anchor; only the upper half stands out of the body.
        body = {0, 22, width, height};
        arrow[0] = {20, 12}, arrow[1] = {20, 32}, arrow[2] = {40, 32};
        break;
    }
    HRGN region = CreateRoundRectRgn(body.left, body.top, body.right, body.bottom, 7, 7);
    HRGN triangle = CreatePolygonRgn(arrow, 3, WINDING);
    CombineRgn(region, region, triangle, RGN_OR);
    DeleteObject(triangle);
    return region;
}

int Middle(int from, int to)
{
    return from + static_cast<int>(Round((to - from) / 2.0));
}

} // namespace

TBalloon::TBalloon(TComponent* owner, int) : TCustomForm(owner)
{
    SetOnActivate(MakeHandler<&TBalloon::KeepOnTop>(this));
    SetOnDeactivate(MakeHandler<&TBalloon::KeepOnTop>(this));
    SetOnShow(MakeHandler<&TBalloon::KeepOnTop>(this));
    SetBorderStyle(bsNone);
    SetFormStyle(fsStayOnTop);
    SetPosition(poDesigned);
    SetOnPaint(MakeHandler<&TBalloon::PaintFrame>(this));
    SetColor(clInfoBk);
    Font()->SetName(u"Tahoma");

    pnlAlign = new TPanel(this);
    lblTitle = new TLabel(this);
    lblText = new TLabel(this);
    iconBitmap = new TImage(this);
    tmrExit = new TTimer(this);

    TNotifyEvent closeOnClick = MakeHandler<&TBalloon::CloseOnClick>(this);
    for (TControl* control : std::initializer_list<TControl*>{this, iconBitmap, pnlAlign, lblTitle, lblText})
        control->SetOnClick(closeOnClick);

    for (TLabel* label : {lblTitle, lblText}) {
        label->SetParent(this);
        label->SetParentColor(true);
        label->SetParentFont(true);
        label->SetAutoSize(true);
        // The tool's balloon texts are Persian: they read right to left (a final "." on the left),
        // while the balloon keeps its layout.
        label->SetBiDiMode(bdRightToLeftReadingOnly);
    }
    lblTitle->Font()->SetStyle({fsBold});
    lblTitle->SetLeft(34);
    lblTitle->SetTop(12);
    lblText->SetLeft(10);

    iconBitmap->SetParent(this);
    iconBitmap->SetTransparent(true);
    iconBitmap->SetLeft(10);
    iconBitmap->SetTop(10);

    tmrExit->SetEnabled(false);
    tmrExit->SetInterval(0);
    tmrExit->SetOnTimer(MakeHandler<&TBalloon::CloseTimer>(this));
}

void TBalloon::CreateParams(TCreateParams& params)
{
    TCustomForm::CreateParams(params);
    params.Style = (params.Style & ~WS_CAPTION) | WS_POPUP;
    params.ExStyle |= WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    params.WndParent = GetDesktopWindow();
}

void TBalloon::WndProc(TMessage& message)
{
    if (message.Msg == WM_SIZE && message.WParam == SIZE_MINIMIZED)
        ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    if (message.Msg == CM_VISIBLECHANGED && FShowingWithoutActivation) {
        // The window is already shown without activation: the form only takes note.
        OnShow()(this);
        return;
    }
    TCustomForm::WndProc(message);
}

void TBalloon::KeepOnTop(TObject*)
{
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

void TBalloon::PaintFrame(TObject*)
{
    HRGN frame = CreateRectRgn(0, 0, 0, 0);
    GetWindowRgn(Handle(), frame);
    HBRUSH black = CreateSolidBrush(RGB(0, 0, 0));
    FrameRgn(Canvas()->Handle(), frame, black, 1, 1);
    DeleteObject(black);
    DeleteObject(frame);
}

void TBalloon::CloseTimer(TObject*)
{
    Release();
}

void TBalloon::CloseOnClick(TObject*)
{
    Release();
}

void TBalloon::ShowBalloon(int left, int top, const String& title, const String& text, TBalloonType type,
                           int duration, TBalloonPosition position)
{
    bool bottom = IsBottomPosition(position);
    lblTitle->SetCaption(title);
    if (bottom)
        lblTitle->SetTop(lblTitle->Top() + ArrowHeight);
    lblText->SetTop(lblTitle->Top() + lblTitle->Height() + 8);
    lblText->SetCaption(text);
    if (bottom)
        iconBitmap->SetTop(iconBitmap->Top() + ArrowHeight);
    iconBitmap->Picture()->Bitmap()->LoadFromResourceName(GetModuleHandleW(nullptr),
                                                          FromWidePtr(IconResourceName(type)));

    // Borderless: the client area is the whole window.
    int height = lblText->Top() + lblText->Height() + 10 + (bottom ? 0 : ArrowHeight);
    int width = std::max(lblText->Left() + lblText->Width(), lblTitle->Left() + lblTitle->Width()) + 10;
    POINT origin = WindowOrigin(position, left, top, width, height);
    SetBounds(origin.x, origin.y, width, height);
    SetWindowRgn(Handle(), BalloonRegion(position, width, height), TRUE);

    SetVisible(false);
    ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    FShowingWithoutActivation = true;
    SetVisible(true);
    FShowingWithoutActivation = false;

    tmrExit->SetInterval(static_cast<Cardinal>(std::max(duration, 0)) * 1000);
    tmrExit->SetEnabled(true);
}

void TBalloon::ShowControlBalloon(TWinControl* control, TBalloonHoriz horiz, TBalloonVert vert, const String& title,
                                  const String& text, TBalloonType type, int duration)
{
    RECT r;
    GetWindowRect(control->Handle(), &r);
    int y = vert == blnTop ? r.top : vert == blnCenter ? Middle(r.top, r.bottom) : r.bottom;
    int x = horiz == blnLeft ? r.left : horiz == blnMiddle ? Middle(r.left, r.right) : r.right;
    static constexpr TBalloonPosition positions[3][3] = {
        {blnArrowTopLeft, blnArrowBottomLeft, blnArrowBottomLeft},
        {blnArrowTopLeft, blnArrowBottomRight, blnArrowBottomRight},
        {blnArrowTopRight, blnArrowTopRight, blnArrowBottomRight},
    };
    ShowBalloon(x, y, title, text, type, duration, positions[horiz][vert]);
}

// ---------------------------------------------------------------------------------------------

TAVIN_PUBLISHED(TBalloonControl)
{
    TAVIN_PROPERTY(String, Title);
    TAVIN_PROPERTY(TStrings*, Text);
    TAVIN_PROPERTY(int, Duration);
    TAVIN_PROPERTY(int, PixelCoordinateX);
    TAVIN_PROPERTY(int, PixelCoordinateY);
    TAVIN_PROPERTY(TBalloonHoriz, Horizontal);
    TAVIN_PROPERTY(TBalloonVert, Vertical);
    TAVIN_PROPERTY(TBalloonPosition, Position);
    TAVIN_PROPERTY(TWinControl*, Control);
    TAVIN_PROPERTY(TBalloonType, BalloonType);
}

TBalloonControl::TBalloonControl(TComponent* owner) : TComponent(owner), FText(std::make_unique<TStringList>()) {}

TBalloonControl::~TBalloonControl() = default;

String TBalloonControl::TrimmedText() const
{
    return Trim(FText->Text());
}

namespace {

// A balloon that fails to lay out (a missing icon resource) is never shown and is freed.
template <class Show>
TBalloon* OpenBalloon(TComponent* owner, Show show)
{
    auto* balloon = new TBalloon(owner, 0);
    try {
        show(*balloon);
    } catch (...) {
        delete balloon;
        throw;
    }
    return balloon;
}

} // namespace

TBalloon* TBalloonControl::ShowBalloon(int left, int top, const String& title, const String& text, TBalloonType type,
                                       int duration, TBalloonPosition position)
{
    return OpenBalloon(Owner(), [&](TBalloon& b) { b.ShowBalloon(left, top, title, text, type, duration, position); });
}

TBalloon* TBalloonControl::ShowControlBalloon()
{
    return OpenBalloon(Owner(), [&](TBalloon& b) {
        b.ShowControlBalloon(FControl, FHorizontal, FVertical, FTitle, TrimmedText(), FBalloonType, FDuration);
    });
}

TBalloon* TBalloonControl::ShowPixelBalloon()
{
    return OpenBalloon(nullptr, [&](TBalloon& b) {
        b.ShowBalloon(FPixelCoordinateX, FPixelCoordinateY, FTitle, TrimmedText(), FBalloonType, FDuration, FPosition);
    });
}
