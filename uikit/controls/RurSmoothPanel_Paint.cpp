// The smooth panel's picture: the fill, the plain caption with its band and line, the markup
// caption and the grip, drawn into a cached bitmap; the parent's background behind a transparent
// panel.
#include "RurSmoothPanel.h"

#include <algorithm>

#include "GDIPHTMLEngine.h"
#include "Math.h"
#include "RurParentBackground.h"
#include "StreamAdapter.h"

using namespace RurGDIP;

namespace {

TextRenderingHint RenderingHint(TRurSmoothPanelTextRenderingHint AHint)
{
    switch (AHint) {
    case tAntiAlias:
        return TextRenderingHintAntiAlias;
    case tClearType:
        return TextRenderingHintClearTypeGridFit;
    default:
        return TextRenderingHintAntiAliasGridFit;
    }
}

bool IsTopLocation(TRurSmoothPanelLocation ALocation)
{
    return ALocation == plTopLeft || ALocation == plTopCenter || ALocation == plTopRight;
}

bool IsBottomLocation(TRurSmoothPanelLocation ALocation)
{
    return ALocation == plBottomLeft || ALocation == plBottomCenter || ALocation == plBottomRight;
}

int RoundInt(double AValue) { return int(Round(AValue)); }

} // namespace

TPoint TRurSmoothPanel::GetLocationPos(TRurSmoothPanelLocation ALocation, int w, int h, const TRect& ARect)
{
    const int X = ARect.Left, Y = ARect.Top, W = ARect.Width(), H = ARect.Height();
    int x = X, y = Y;
    switch (ALocation) {
    case plTopCenter:
    case plCenterCenter:
    case plBottomCenter:
        x = std::max(X, W - w) / 2;
        break;
    case plTopRight:
    case plCenterRight:
    case plBottomRight:
        x = std::max(X, W - w);
        break;
    default:
        break;
    }
    switch (ALocation) {
    case plCenterLeft:
    case plCenterCenter:
    case plCenterRight:
        y = (H - h) / 2;
        break;
    case plBottomLeft:
    case plBottomCenter:
    case plBottomRight:
        y = H - h;
        break;
    default:
        break;
    }
    return TPoint{x, y};
}

int TRurSmoothPanel::ShadowWidth() const { return FFill->ShadowColor() != clNone ? FFill->ShadowOffset() : 0; }

void TRurSmoothPanel::PaintWindow(HDC dc)
{
    // The window controls lying below the panel show through it too, unless its picture covers
    // every pixel (then painting them, often the costliest part, would change nothing).
    const bool covered = UpdateCache() && FCacheOpaque;
    if (FTransparent && !covered)
        PaintParentBehind(*this, dc, true);
    TCustomControl::PaintWindow(dc);
}

bool TRurSmoothPanel::UpdateCache()
{
    const int w = Width(), h = Height();
    if (w <= 1 || h <= 1)
        return false;
    if (!FCacheStale && FCache)
        return true;
    FCache.reset();
    FCachePixels.assign(size_t(w) * size_t(h), 0);
    FCache = std::make_unique<TGPBitmap>(w, h, w * 4, PixelFormat32bppARGB,
                                         reinterpret_cast<BYTE*>(FCachePixels.data()));
    {
        TGPGraphics graphics(FCache.get());
        graphics.SetSmoothingMode(SmoothingModeAntiAlias);
        graphics.SetTextRenderingHint(RenderingHint(FCaption->TextRendering()));
        DrawPanel(graphics);
    }
    FCacheOpaque = std::all_of(FCachePixels.begin(), FCachePixels.end(),
                               [](uint32_t argb) { return argb >> 24 == 0xFF; });
    FCacheStale = false;
    return true;
}

void TRurSmoothPanel::Paint()
{
    if (UpdateCache()) {
        TGPGraphics target(Canvas()->Handle());
        target.SetSmoothingMode(SmoothingModeAntiAlias);
        target.DrawImage(FCache.get(), 0, 0);
    }
    if (FOnDraw)
        FOnDraw(this, Canvas(), ClientRect());
}

void TRurSmoothPanel::DrawPanel(TGPGraphics& AGraphics)
{
    const bool border = FFill->BorderColor() != clNone && FFill->BorderWidth() != 0;
    const TGPRectF area = border ? MakeRectF(0, 0, float(Width() - 1), float(Height() - 1))
                                 : MakeRectF(-1, -1, float(Width() + 1), float(Height() + 1));
    const TGPRectF content = FFill->Fill(&AGraphics, area);
    float captionHeight = 0;
    if (!FCaption->Text().empty())
        captionHeight = DrawCaption(AGraphics, content, false);
    if (!FCaption->HTMLText().empty())
        DrawHTMLCaption(AGraphics, content, captionHeight);
    if (FResizable && FResizeHandle)
        DrawGrip(AGraphics);
}

float TRurSmoothPanel::DrawCaption(TGPGraphics& AGraphics, const TGPRectF& AContent, bool AMeasureOnly)
{
    TRurSmoothPanelCaption& caption = *FCaption;
    const float scale = GetControlDPIScale(this, Canvas());
    // The text leaves room for the fill's picture beside it.
    TGPRectF text = AContent;
    float reserved = 0;
    if (!FFill->Picture()->Empty()) {
        FFill->Picture()->GetImageSizes();
        const float pw = float(FFill->PictureSize() == psOriginal ? FFill->Picture()->Width() : FFill->PictureWidth());
        const TRurSmoothPanelLocation at = caption.Location();
        const bool topCaption = at == plTopLeft || at == plTopRight;
        const bool bottomCaption = at == plBottomLeft || at == plBottomRight;
        const TFillPicturePosition picture = FFill->PicturePosition();
        if ((picture == ppTopLeft && topCaption) || (picture == ppBottomLeft && bottomCaption)) {
            text.X += pw;
            reserved = pw;
        } else if ((picture == ppTopRight && topCaption) || (picture == ppBottomRight && bottomCaption)) {
            text.Width -= pw;
        }
    }
    const std::unique_ptr<TGPFont> font = AGraphics.MakeFont(caption.Font());
    TGPStringFormat format(caption.TextWordWrapping() ? 0 : 4096);
    TGPRectF measured{};
    AGraphics.MeasureString(caption.Text(), -1, font.get(),
                            MakeRectF(text.X, text.Y, text.Width - reserved, text.Height), &format, measured);
    const int w = RoundInt(measured.Width + 1), h = RoundInt(measured.Height);
    if (AMeasureOnly)
        return float(h);
    const TRect textRect = Bounds(RoundInt(text.X), RoundInt(text.Y), RoundInt(text.Width), RoundInt(text.Height));
    const TPoint pos = caption.Location() == plCustom ? TPoint{caption.Left(), caption.Top()}
                                                      : GetLocationPos(caption.Location(), w, h, textRect);
    const int x = pos.X, y = pos.Y;
    if (caption.BackgroundColor() != clNone) {
        TGDIPFill band;
        band.SetColor(caption.BackgroundColor());
        band.SetColorTo(caption.BackgroundColorTo());
        band.SetGradientType(gtVertical);
        band.SetRounding(RoundInt(FFill->Rounding() * double(scale)));
        band.SetBorderWidth(0);
        const TFillRoundingType panel = FFill->RoundingType();
        const bool atTop = IsTopLocation(caption.Location()) || caption.Location() == plCustom;
        if (atTop && (panel == rtTop || panel == rtBoth))
            band.SetRoundingType(rtTop);
        else if (IsBottomLocation(caption.Location()) && (panel == rtBottom || panel == rtBoth))
            band.SetRoundingType(rtBottom);
        else
            band.SetRoundingType(rtNone);
        const float bandWidth = text.Width - reserved;
        band.Fill(&AGraphics, caption.Location() == plCustom ? MakeRectF(0, 0, bandWidth, float(y + h))
                                                             : MakeRectF(0, float(y - 1), bandWidth, float(h + 1)));
    }
    const ARGB c1 = MakeColor(caption.OpacityStart(), caption.ColorStart());
    const ARGB c2 = caption.ColorEnd() == clNone ? c1 : MakeColor(caption.OpacityEnd(), caption.ColorEnd());
    const float fx = float(x), fy = float(y), fw = float(w), fh = float(h);
    std::unique_ptr<TGPBrush> brush;
    switch (caption.GradientType()) {
    case gtSolid:
        brush = std::make_unique<TGPSolidBrush>(c1);
        break;
    case gtVertical:
        brush = std::make_unique<TGPLinearGradientBrush>(TGPPointF{fx, fy}, TGPPointF{fx, fy + fh}, c1, c2);
        break;
    case gtHorizontal:
        brush = std::make_unique<TGPLinearGradientBrush>(TGPPointF{fx, fy}, TGPPointF{fx + fw, fy}, c1, c2);
        break;
    case gtForwardDiagonal:
        brush = std::make_unique<TGPLinearGradientBrush>(TGPPointF{fx, fy}, TGPPointF{fx + fw, fy + fh}, c1, c2);
        break;
    case gtBackwardDiagonal:
        brush = std::make_unique<TGPLinearGradientBrush>(TGPPointF{fx, fy + fh}, TGPPointF{fx + fw, fy}, c2, c1);
        break;
    case gtHatch:
        brush = std::make_unique<TGPHatchBrush>(caption.HatchStyle(), c1, c2);
        break;
    case gtTexture:
        if (!caption.Picture()->Empty()) {
            // The texture reads a copy of the picture's bytes through a stream of the framework.
            TMemoryStream bytes;
            caption.Picture()->SaveToStream(bytes);
            bytes.SetPosition(0);
            auto* adapter = new TStreamAdapter(&bytes);
            adapter->AddRef();
            TGPImage image(adapter);
            TGPTextureBrush texture(&image, WrapModeTile);
            const TGPRectF area = MakeRectF(fx, fy, float(RoundInt(text.Width - 2 - reserved)),
                                            float(Height() - ShadowWidth() - 1));
            AGraphics.DrawString(caption.Text(), -1, font.get(), area, &format, &texture);
            adapter->Release();
        }
        break;
    default:
        break;
    }
    if (brush) {
        format.SetAlignment(caption.TextAlignment() == taRightJustify ? StringAlignmentFar
                            : caption.TextAlignment() == taCenter     ? StringAlignmentCenter
                                                                      : StringAlignmentNear);
        AGraphics.DrawString(caption.Text(), -1, font.get(), MakeRectF(fx, fy, fw, fh), &format, brush.get());
    }
    if (caption.Line() && caption.LineColor() != clNone) {
        TGPPen pen(MakeColor(255, caption.LineColor()), 1);
        const float lineY = IsBottomLocation(caption.Location()) ? float(y - 2) : float(y + h);
        AGraphics.DrawLine(&pen, float(RoundInt(text.X + 2)), lineY, float(RoundInt(text.Width - 2)), lineY);
    }
    return float(h);
}

bool TRurSmoothPanel::RunHTML(TGPGraphics& AGraphics, const TRect& ARect, int AX, int AY, bool AHitTest,
                              bool AMeasureOnly, THTMLDrawResult& AResult)
{
    THTMLDrawGDIPOptions options;
    options.Images = FImages;
    options.MouseX = AX;
    options.MouseY = AY;
    options.ShadowOffset = FCaption->HTMLShadowOffset();
    options.HitTest = AHitTest;
    options.MeasureOnly = AMeasureOnly;
    options.WordWrap = FCaption->HTMLWordWrapping();
    options.LinkColor = FCaption->HTMLURLColor();
    options.HoverBackground = clNone;
    options.HoverFontColor = clNone;
    options.ShadowColor = FCaption->HTMLShadowColor();
    options.PictureContainer = FPictureContainer;
    options.LineSpacing = 2;
    options.Scale = GetControlDPIScale(this, Canvas());
    return HTMLDrawGDIP(AGraphics, *FCaption->HTMLFont(), FCaption->HTMLText(), ARect, options, AResult);
}

void TRurSmoothPanel::DrawHTMLCaption(TGPGraphics& AGraphics, TGPRectF AContent, float ACaptionHeight)
{
    const float scale = GetControlDPIScale(this, Canvas());
    const int ch = RoundInt(ACaptionHeight);
    const int right = Width() - ShadowWidth() - 2 * FFill->BorderWidth();
    const int left = RoundInt(FCaption->HTMLLeft() * double(scale));
    const bool custom = FCaption->HTMLLocation() == plCustom;
    const TRect measureRect = custom ? TRect(0, ch, right - left, 10000) : TRect(left, ch, right, 10000);
    THTMLDrawResult measured;
    RunHTML(AGraphics, measureRect, 0, 0, false, true, measured);
    AContent.Height -= float(ch);
    if (custom) {
        const int x = left, y = RoundInt(FCaption->HTMLTop() * double(scale));
        FHTMLRect = Bounds(x, y, right - left, measured.YSize);
    } else {
        const TRect content = Bounds(RoundInt(AContent.X), RoundInt(AContent.Y), RoundInt(AContent.Width),
                                     RoundInt(AContent.Height));
        const TPoint pos = GetLocationPos(FCaption->HTMLLocation(), measured.XSize, measured.YSize, content);
        FHTMLRect = Bounds(pos.X, ch + pos.Y, measured.XSize, measured.YSize);
    }
    THTMLDrawResult drawn;
    RunHTML(AGraphics, FHTMLRect, 0, 0, false, false, drawn);
}

void TRurSmoothPanel::DrawGrip(TGPGraphics& AGraphics)
{
    const TRect grip = GetResizeHandleRect();
    const float X = float(grip.Left), Y = float(grip.Top), S = float(FResizeHandleSize);
    TGPPen pen(MakeColor(FResizeHandleOpacity, FResizeHandleColor), 1);
    AGraphics.DrawLine(&pen, X + 3 * S / 4, Y + S, X + S, Y + 3 * S / 4);
    AGraphics.DrawLine(&pen, X + S / 2, Y + S, X + S, Y + S / 2);
    AGraphics.DrawLine(&pen, X + S / 4, Y + S, X + S, Y + S / 4);
}

String TRurSmoothPanel::GetAnchorAt(int X, int Y, bool AFocus)
{
    if (FCaption->HTMLText().empty() || X < FHTMLRect.Left || X >= FHTMLRect.Right || Y < FHTMLRect.Top ||
        Y >= FHTMLRect.Bottom)
        return String();
    HDC dc = GetDC(nullptr);
    THTMLDrawResult result;
    bool hit = false;
    {
        TGPGraphics graphics(dc);
        hit = RunHTML(graphics, FHTMLRect, X, Y, true, false, result);
    }
    ReleaseDC(nullptr, dc);
    if (AFocus)
        return result.FocusAnchor;
    return hit ? result.Anchor : String();
}

float TRurSmoothPanel::GetCaptionHeight()
{
    if (FCaption->Text().empty())
        return 0;
    HDC dc = GetDC(nullptr);
    float height = 0;
    {
        TGPGraphics graphics(dc);
        height = DrawCaption(graphics, MakeRectF(0, 0, float(Width()), float(Height())), true);
    }
    ReleaseDC(nullptr, dc);
    return height;
}
