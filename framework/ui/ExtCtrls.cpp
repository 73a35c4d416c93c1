// Panels (bevels and caption) and images (centred, stretched or proportional pictures).
#include "ExtCtrls.h"

#include "WideText.h"

TAVIN_PUBLISHED(TPanel)
{
    TAVIN_PROPERTY(String, Caption).Stored(&ThisClass::IsCaptionStored);
    TAVIN_PROPERTY(TBevelCut, BevelOuter).Default(bvRaised);
    TAVIN_PROPERTY(TBevelCut, BevelInner).Default(bvNone);
    TAVIN_PROPERTY(TAlignment, Alignment).Default(taCenter);
}

TPanel::TPanel(TComponent* owner) : TCustomControl(owner)
{
    FControlStyle = FControlStyle + TControlStyle{csAcceptsControls, csSetCaption, csOpaque};
    SetBounds(0, 0, 185, 41);
    SetParentColor(false);
    SetColor(clBtnFace);
}

void TPanel::Paint()
{
    HDC dc = Canvas()->Handle();
    RECT r{0, 0, Width(), Height()};
    auto bevel = [&](TBevelCut cut) {
        if (cut == bvLowered || cut == bvRaised)
            DrawEdge(dc, &r, cut == bvRaised ? BDR_RAISEDOUTER : BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
        else if (cut == bvSpace)
            InflateRect(&r, -1, -1);
    };
    bevel(FBevelOuter);
    bevel(FBevelInner);
    String text = Caption();
    if (text.empty())
        return;
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, Font()->Handle());
    SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(Font()->Color())));
    TAlignment a = MirroredAlignment(FAlignment);
    UINT flags = DT_SINGLELINE | DT_VCENTER | (a == taLeftJustify ? DT_LEFT : a == taRightJustify ? DT_RIGHT : DT_CENTER);
    if (UseRightToLeftReading())
        flags |= DT_RTLREADING;
    DrawTextW(dc, WidePtr(text), static_cast<int>(text.size()), &r, flags);
}

TAVIN_PUBLISHED(TImage)
{
    TAVIN_PROPERTY(TPicture*, Picture);
    TAVIN_PROPERTY(bool, Center).Default(false);
    TAVIN_PROPERTY(bool, Proportional).Default(false);
    TAVIN_PROPERTY(bool, Stretch).Default(false);
    TAVIN_PROPERTY(bool, Transparent).Default(false);
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner), FPicture(std::make_unique<TPicture>())
{
    SetBounds(0, 0, 105, 105);
    FPicture->SetOnChange(MakeHandler<&TImage::PictureChanged>(this));
}

TImage::~TImage() = default;

void TImage::PictureChanged(TObject*)
{
    if (FPicture->Graphic())
        FPicture->Graphic()->SetTransparent(FTransparent);
    Invalidate();
}

void TImage::SetTransparent(bool value)
{
    FTransparent = value;
    PictureChanged(nullptr);
}

TRect TImage::DestRect() const
{
    int w = FPicture->Width(), h = FPicture->Height();
    int cw = Width(), ch = Height();
    if (FStretch || (FProportional && (w > cw || h > ch))) {
        if (FProportional && w > 0 && h > 0) {
            // Scale to fit, keeping the aspect ratio.
            if (static_cast<long long>(cw) * h > static_cast<long long>(ch) * w) {
                w = MulDiv(w, ch, h);
                h = ch;
            } else {
                h = MulDiv(h, cw, w);
                w = cw;
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    TRect r = Bounds(0, 0, w, h);
    if (FCenter)
        r = Bounds((cw - w) / 2, (ch - h) / 2, w, h);
    return r;
}

void TImage::Paint()
{
    if (FPicture->Graphic() && !FPicture->Graphic()->Empty())
        Canvas()->StretchDraw(DestRect(), FPicture->Graphic());
}

void ExtCtrlsUnitInitialize()
{
    RegisterClasses({TPanel::StaticClass(), TImage::StaticClass(), TColorBox::StaticClass(), TColorListBox::StaticClass()});
}
