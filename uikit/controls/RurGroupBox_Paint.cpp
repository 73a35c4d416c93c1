// The group box's painting: the parent behind it, the caption's check box (themed or from the
// module's bitmaps), image and text, and the frame interrupted behind the caption.
#include "RurGroupBox.h"

#include <vssym32.h>

#include "AOBXPVS.h"
#include "PlatformFacts.h"
#include "RurParentBackground.h"
#include "WideText.h"

using namespace RurGroupBox;

namespace {

constexpr int CornerSize = 6;
constexpr TColor OldStyleLowerEdge = 0xE5DFD5;

// The theme's check box state: the look's base (unchecked 1, checked 5, grayed 9) plus 3
// disabled, 2 down, 1 hot.
int ThemedCheckState(TCheckBoxState AState, bool AEnabled, bool ADown, bool AHot)
{
    const int base = AState == cbChecked ? CBS_CHECKEDNORMAL : AState == cbGrayed ? CBS_MIXEDNORMAL
                                                                                 : CBS_UNCHECKEDNORMAL;
    return base + (!AEnabled ? 3 : ADown ? 2 : AHot ? 1 : 0);
}

String CheckBitmapName(TCheckBoxState AState, bool ADown, bool AHot)
{
    String name = AState == cbChecked ? u"RujGRPC" : AState == cbGrayed ? u"RujGRPG" : u"RujGRPU";
    if (ADown)
        name += u"D";
    else if (AHot)
        name += u"H";
    return name;
}

void FrameRect(TCanvas& ACanvas, const TRect& R, bool ARound)
{
    if (ARound)
        ACanvas.RoundRect(R, CornerSize, CornerSize);
    else
        ACanvas.Rectangle(R);
}

} // namespace

void TRurCustomGroupBox::DrawParentBackground() { PaintParentBehind(*this, Canvas()->Handle()); }

bool TRurCustomGroupBox::DrawThemedCheck(HDC ADC, const TRect& ACheck)
{
    const auto& theme = AOBXPVS::Theme();
    auto open = theme.Get<TThemeEntry::OpenThemeData>();
    auto draw = theme.Get<TThemeEntry::DrawThemeBackground>();
    auto partSize = theme.Get<TThemeEntry::GetThemePartSize>();
    auto close = theme.Get<TThemeEntry::CloseThemeData>();
    if (!open || !draw || !partSize || !close)
        return false;
    HTHEME data = open(Handle(), L"button");
    if (!data)
        return false;
    SIZE size{};
    partSize(data, ADC, BP_CHECKBOX, CBS_CHECKEDNORMAL, nullptr, TS_DRAW, &size);
    const RECT r{ACheck.Left, ACheck.Top, ACheck.Left + size.cx, ACheck.Top + size.cy};
    draw(data, ADC, BP_CHECKBOX,
         ThemedCheckState(FCheckBox->State(), Enabled(), FCheckBox->Down(), FCheckBox->Hot()), &r, nullptr);
    close(data);
    return true;
}

void TRurCustomGroupBox::DrawBitmapCheck(TCanvas& ACanvas, const TRect& ACheck)
{
    TBitmap glyph;
    glyph.LoadFromResourceName(GetModuleHandleW(nullptr),
                               CheckBitmapName(FCheckBox->State(), FCheckBox->Down(), FCheckBox->Hot()));
    glyph.SetTransparent(true);
    ACanvas.Draw(ACheck.Left, ACheck.Top, &glyph);
}

void TRurCustomGroupBox::DrawCheckOn(TCanvas& ACanvas, const TRect& ACheck)
{
    if (!FCheckBox->Visible())
        return;
    auto active = AOBXPVS::Theme().Get<TThemeEntry::IsThemeActive>();
    const bool themed = ThemedCheck() && active && active() && IsComCtl6() && !Designing();
    if (!themed || !DrawThemedCheck(ACanvas.Handle(), ACheck))
        DrawBitmapCheck(ACanvas, ACheck);
}

void TRurCustomGroupBox::DrawCheckBox()
{
    if (!FCheckBox->Visible() || !HandleAllocated())
        return;
    HDC dc = GetDC(Handle());
    TCanvas canvas;
    canvas.SetHandle(dc);
    DrawCheckOn(canvas, CalcCaptionRects().Check);
    canvas.SetHandle(nullptr);
    ReleaseDC(Handle(), dc);
}

void TRurCustomGroupBox::DrawFrame(TRect R)
{
    TCanvas& canvas = *Canvas();
    canvas.Brush()->SetStyle(bsClear);
    canvas.Pen()->SetWidth(1);
    const bool oldStyle = FCtl3D && !PlatformWindowsVersion().AtLeast(6, 2) && FBorderColor == clSilver;
    switch (FBorderStyle) {
    case RurGroupBox::bsSingle:
        canvas.Pen()->SetColor(FBorderColor);
        if (oldStyle) {
            // The white highlight is rounded even on a square frame.
            canvas.Pen()->SetColor(clWhite);
            canvas.RoundRect(Rect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom), CornerSize, CornerSize);
            R.Bottom -= 1;
            canvas.Pen()->SetColor(OldStyleLowerEdge);
        }
        FrameRect(canvas, R, FRoundEdges);
        break;
    case RurGroupBox::bsDouble:
        if (oldStyle) {
            const struct {
                TColor Color;
                TRect R;
            } lines[] = {{clWhite, Rect(R.Left + 1, R.Top + 1, R.Right, R.Bottom)},
                         {clGray, Rect(R.Left, R.Top, R.Right - 1, R.Bottom - 1)},
                         {clWhite, Rect(R.Left + 3, R.Top + 3, R.Right - 2, R.Bottom - 2)},
                         {clGray, Rect(R.Left + 2, R.Top + 2, R.Right - 3, R.Bottom - 3)}};
            for (const auto& line : lines) {
                canvas.Pen()->SetColor(line.Color);
                FrameRect(canvas, line.R, FRoundEdges);
            }
        } else {
            canvas.Pen()->SetColor(FBorderColor);
            FrameRect(canvas, R, FRoundEdges);
            FrameRect(canvas, Rect(R.Left + 2, R.Top + 2, R.Right - 2, R.Bottom - 2), FRoundEdges);
        }
        break;
    default: break;
    }
}

void TRurCustomGroupBox::Paint()
{
    TCanvas& canvas = *Canvas();
    if (FTransparent)
        DrawParentBackground();
    else {
        canvas.Brush()->SetStyle(bsSolid);
        canvas.Brush()->SetColor(Color());
        canvas.FillRect(ClientRect());
    }
    const TGroupBoxCaptionRects rects = CalcCaptionRects();
    const TRect& CR = rects.Caption;
    const TRect& TR = rects.Text;
    TBitmap scratch;
    scratch.SetSize(CR.Width() + 2, CR.Height());
    DrawCheckOn(canvas, rects.Check);
    int textLeft = TR.Left;
    if (FImages && FImageIndex >= 0) {
        FImages->Draw(&canvas, TR.Left, TR.Top, FImageIndex, Enabled());
        textLeft += FImages->Width() + 3;
    }
    const String text = Caption();
    if (!text.empty()) {
        canvas.Brush()->SetStyle(bsClear);
        SelectCaptionFont(canvas);
        if (!Enabled())
            canvas.Font()->SetColor(FDisabledFontColor);
        RECT r{textLeft, TR.Top, TR.Right, TR.Bottom};
        SetBkMode(canvas.Handle(), TRANSPARENT);
        DrawTextW(canvas.Handle(), WidePtr(text), int(text.size()), &r,
                  DT_SINGLELINE | DT_VCENTER | (UseRightToLeftReading() ? DT_RTLREADING : 0));
    }
    const TRect behindCaption = Rect(CR.Left - 1, CR.Top, CR.Right + 1, CR.Bottom);
    const TRect scratchArea = Rect(0, 0, scratch.Width(), scratch.Height());
    scratch.Canvas()->CopyRect(scratchArea, canvas, behindCaption);
    DrawFrame(BorderRect());
    if (HasCaptionArea())
        canvas.CopyRect(behindCaption, *scratch.Canvas(), scratchArea);
}
