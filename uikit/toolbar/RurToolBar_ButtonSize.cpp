// The toolbar button measuring itself: glyph, caption, spacing and margins, the drop-down part,
// and the height its toolbar gives it.
#include <algorithm>

#include "Math.h"
#include "RurMenus_Styler.h"
#include "RurStyleIF.h"
#include "RurToolBar_Button.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_Text.h"
#include "RurToolBar_ToolBar.h"

namespace {

int Scaled(int size, double factor) { return int(Round(size * factor)); }

// A canvas to measure text on while the button has no device context of its own.
struct TMeasureCanvas {
    TMeasureCanvas() : Bitmap(1, 1) {}
    TCanvas* Get() { return Bitmap.Canvas(); }
    TBitmap Bitmap;
};

} // namespace

TRurCustomToolBarButton::TImageSource TRurCustomToolBarButton::ImageSource(bool forPainting) const
{
    TImageSource source;
    if (FRurToolBar) {
        source.Images = FRurToolBar->Images();
        source.Index = FImageIndex;
    }
    auto* action = dynamic_cast<TCustomAction*>(Action());
    auto* list = action ? dynamic_cast<TCustomActionList*>(action->ActionList()) : nullptr;
    if (list && list->Images()) {
        source.Images = list->Images();
        source.Index = action->ImageIndex();
    }
    if (forPainting && FForceImageIndex && FImageIndex >= 0 && FRurToolBar) {
        source.Images = FRurToolBar->Images();
        source.Index = FImageIndex;
    }
    return source;
}

TFont* TRurCustomToolBarButton::CaptionFontToUse() const
{
    const TCustomRurToolBarStyler* styler = FParentStyler ? OwnerStyler() : nullptr;
    if (!styler)
        return Font();
    if (IsMenuButton() && styler->CurrentRurMenuStyler())
        return styler->CurrentRurMenuStyler()->RootItem()->Font();
    return styler->ButtonAppearance()->CaptionFont();
}

void TRurCustomToolBarButton::AdjustSize()
{
    if (!Parent() || !FAutoSize)
        return;
    const double f = GetControlDPIScale(this, nullptr);
    const int o = Scaled(FOffSet, f), s = Scaled(FSpacing, f);

    // The glyph: the image list's size, else the largest state bitmap, else the picture.
    int gw = 0, gh = 0;
    const TImageSource images = ImageSource(false);
    if (images.Images && images.Index >= 0) {
        gw = images.Images->Width();
        gh = images.Images->Height();
        if (images.Images != FMeasuredImages) {
            FMeasuredImages = images.Images;
            FMeasuredImages->FreeNotification(this);
        }
    } else {
        for (TBitmap* glyph : {FGlyph.get(), FGlyphHot.get(), FGlyphDown.get(), FGlyphChecked.get(), FGlyphDisabled.get()})
            if (!glyph->Empty()) {
                gw = std::max(gw, glyph->Width());
                gh = std::max(gh, glyph->Height());
            }
        const bool noStateGlyph = FGlyph->Empty() && FGlyphHot->Empty() && FGlyphDown->Empty() && FGlyphChecked->Empty();
        if (noStateGlyph && FPicture->Graphic() && !FPicture->Graphic()->Empty()) {
            gw = FPicture->Width();
            gh = FPicture->Height();
        }
    }

    TMeasureCanvas measure;
    TCanvas* canvas = measure.Get();
    canvas->Font()->Assign(CaptionFontToUse());
    canvas->Font()->SetHeight(Scaled(canvas->Font()->Height(), f));
    const String caption = Caption();
    int tw = 0;
    if (FShowCaption && !caption.empty()) {
        RECT box{0, 0, 0, 0};
        DrawShapedText(TextDC(canvas), caption, box, DT_CALCRECT | DT_SINGLELINE);
        tw = box.right - box.left;
    }
    const bool sideBySide = FGlyphPosition == gpLeft || FGlyphPosition == gpRight;
    const int dropDown = FDropDownButton ? DropDownWidth() : 0;

    if (!IsRotated()) {
        canvas->Font()->Assign(Font());
        const int th = canvas->TextHeight(u"gh");
        int width, height;
        if (sideBySide) {
            width = gw >= 1 && tw >= 1 ? gw + s + tw : gw >= 1 ? gw : std::max(tw, 0);
            height = std::max(th, gh) + 2 * o;
        } else {
            width = std::max(tw, gw);
            height = th + gh + s + 2 * o;
        }
        width += 2 * o;
        width = std::max(width, Scaled(15, f)) + dropDown;
        if (FRurToolBar) {
            if (FRurToolBar->ToolBarState() == tsFloating && FCanRotate) {
                height = std::max(height, FRurToolBar->SizeAtDock() - 4);
            } else if (FCanRotate || !IsVertical()) {
                const bool captionShown = FRurToolBar->ShowCaption() && FShowCaption && !caption.empty();
                height = std::max(height, FRurToolBar->Height() - (captionShown ? FRurToolBar->CaptionHeight() : 0) - 4);
            }
        }
        const bool setHeight =
            FRurToolBar && (FRurToolBar->AutoPositionControls() || FRurToolBar->ToolBarState() == tsFloating);
        SetBounds(Left(), Top(), width, setHeight ? height : Height());
        return;
    }

    const int th = canvas->TextHeight(u"gh");
    int length, thickness;
    if (sideBySide) {
        length = (gh > 0 && tw > 0 ? gh + FSpacing + tw : gh > 0 ? gh : tw) + 2 * o;
        thickness = std::max(th, gw) + 2 * o;
    } else {
        length = std::max(tw, gh) + 2 * o;
        thickness = gw + th + s + 2 * o;
    }
    length = std::max(length, int(Round(15 * double(DPIScale)))) + dropDown;
    const bool setWidth =
        !FRurToolBar || FRurToolBar->AutoPositionControls() || FRurToolBar->ToolBarState() == tsFloating;
    SetBounds(Left(), Top(), setWidth ? thickness : Width(), length);
}
