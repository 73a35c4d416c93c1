// The cool bar over the system's rebar: the bands are handed to the window anew whenever one
// changes; the rebar places the bands' controls itself.
#include "ComCtrls.h"

TAVIN_PUBLISHED(TCoolBand)
{
    TAVIN_PROPERTY(String, Text);
    TAVIN_PROPERTY(TWinControl*, Control);
    TAVIN_PROPERTY(int, ImageIndex).Default(-1);
    TAVIN_PROPERTY(int, Width).Default(100);
    TAVIN_PROPERTY(int, MinHeight).Default(25);
}

TAVIN_PUBLISHED(TCoolBar)
{
    TAVIN_PROPERTY(TCoolBands*, Bands);
    TAVIN_PROPERTY(TCustomImageList*, Images);
    TAVIN_PROPERTY(bool, Vertical).Default(false);
    TAVIN_PROPERTY(TBorderStyle, BandBorderStyle).Default(bsSingle);
    TAVIN_PROPERTY(TEdgeBorders, EdgeBorders).Default(TEdgeBorders{ebLeft, ebTop, ebRight, ebBottom});
    TAVIN_PROPERTY(TEdgeStyle, EdgeInner).Default(esRaised);
    TAVIN_PROPERTY(TEdgeStyle, EdgeOuter).Default(esLowered);
}

void TCoolBand::SetText(const String& value)
{
    FText = value;
    Changed(false);
}

void TCoolBand::SetControl(TWinControl* value)
{
    if (FControl == value)
        return;
    // A control shows in one band only.
    if (auto* bands = static_cast<TCoolBands*>(Collection()); bands && value)
        if (TCoolBand* other = bands->FindBand(value))
            other->FControl = nullptr;
    auto* bar = Collection() ? dynamic_cast<TCoolBar*>(Collection()->Owner()) : nullptr;
    if (bar)
        ReplaceComponentReference<TWinControl>(bar, FControl, value);
    else
        FControl = value;
    if (bar && value)
        value->SetParent(bar);
    Changed(true);
}

void TCoolBand::SetImageIndex(int value)
{
    FImageIndex = value;
    Changed(false);
}

void TCoolBand::SetWidth(int value)
{
    FWidth = value;
    Changed(true);
}

void TCoolBand::SetMinHeight(int value)
{
    FMinHeight = value;
    Changed(true);
}

void TCoolBand::Assign(const TPersistent* source)
{
    if (auto* band = dynamic_cast<const TCoolBand*>(source)) {
        FText = band->FText;
        FImageIndex = band->FImageIndex;
        FWidth = band->FWidth;
        FMinHeight = band->FMinHeight;
        Changed(true);
        return;
    }
    TCollectionItem::Assign(source);
}

TCoolBands::TCoolBands(TCoolBar* owner) : TOwnedCollection(owner, TCoolBand::StaticClass()) {}

TCoolBand* TCoolBands::FindBand(const TComponent* control) const
{
    for (int i = 0; i < Count(); ++i)
        if (control && static_cast<const TComponent*>(Items(i)->Control()) == control)
            return Items(i);
    return nullptr;
}

void TCoolBands::Update(TCollectionItem*) { static_cast<TCoolBar*>(Owner())->UpdateBands(); }

TCoolBar::TCoolBar(TComponent* owner) : TToolWindow(owner), FBands(std::make_unique<TCoolBands>(this))
{
    SetBounds(0, 0, 150, 75);
    SetAlign(alTop);
    SetEdgeBorders({ebLeft, ebTop, ebRight, ebBottom});
    FControlStyle.Include(csAcceptsControls);
}

TCoolBar::~TCoolBar()
{
    // The bands go before the window: it must not be told of each.
    Destroying();
    DestroyHandle();
}

void TCoolBar::CreateParams(TCreateParams& params)
{
    TToolWindow::CreateParams(params);
    params.SystemClassName = String(u"" REBARCLASSNAMEA);
    params.Style |= RBS_VARHEIGHT | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | WS_CLIPCHILDREN;
    if (FBandBorderStyle == bsSingle)
        params.Style |= RBS_BANDBORDERS;
    if (FVertical)
        params.Style |= CCS_VERT;
}

void TCoolBar::CreateHandleState()
{
    // The area past the last band in the bar's own colour (the window leaves it unpainted).
    SendMessageW(FHandle, RB_SETBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(Color())));
    SendImages();
    UpdateBands();
}

void TCoolBar::SendImages()
{
    if (!FHandle)
        return;
    REBARINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = RBIM_IMAGELIST;
    info.himl = FImages ? FImages->Handle() : nullptr;
    SendMessageW(FHandle, RB_SETBARINFO, 0, reinterpret_cast<LPARAM>(&info));
}

void TCoolBar::UpdateBands()
{
    if (!FHandle || ComponentState().Contains(csDestroying))
        return;
    while (SendMessageW(FHandle, RB_GETBANDCOUNT, 0, 0) > 0)
        SendMessageW(FHandle, RB_DELETEBAND, 0, 0);
    for (int i = 0; i < FBands->Count(); ++i) {
        TCoolBand* band = FBands->Items(i);
        REBARBANDINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = RBBIM_STYLE | RBBIM_TEXT | RBBIM_IMAGE | RBBIM_SIZE | RBBIM_CHILDSIZE | RBBIM_ID;
        info.fStyle = RBBS_CHILDEDGE | RBBS_GRIPPERALWAYS;
        info.lpText = const_cast<wchar_t*>(reinterpret_cast<const wchar_t*>(band->Text().c_str()));
        info.iImage = band->ImageIndex();
        info.cx = band->Width();
        info.cyMinChild = band->MinHeight();
        info.wID = static_cast<UINT>(i);
        if (TWinControl* control = band->Control(); control && control->Parent() == this) {
            info.fMask |= RBBIM_CHILD;
            info.hwndChild = control->Handle();
            info.cxMinChild = 0;
        }
        SendMessageW(FHandle, RB_INSERTBANDW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&info));
    }
}

void TCoolBar::SetImages(TCustomImageList* value)
{
    if (ReplaceComponentReference(this, FImages, value))
        SendImages();
}

void TCoolBar::SetVertical(bool value)
{
    if (FVertical == value)
        return;
    FVertical = value;
    RecreateWnd();
}

void TCoolBar::SetBandBorderStyle(TBorderStyle value)
{
    if (FBandBorderStyle == value)
        return;
    FBandBorderStyle = value;
    RecreateWnd();
}

void TCoolBar::AlignControls(TControl*, TRect&) {}

void TCoolBar::Notification(TComponent* component, TOperation operation)
{
    TToolWindow::Notification(component, operation);
    if (operation != opRemove)
        return;
    if (component == FImages)
        SetImages(nullptr);
    // The control may be half destroyed: found by its address alone.
    if (TCoolBand* band = FBands->FindBand(component))
        band->FControl = nullptr;
}
