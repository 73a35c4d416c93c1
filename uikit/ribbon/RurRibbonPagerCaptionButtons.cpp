// The caption band's own close, minimize and maximize buttons, for a form whose title bar the
// ribbon replaces: glow buttons of the pager, skinned from its colours, with drawn glyphs. On
// glass the system draws its own buttons and the pager only keeps their room free.
#include "RurRibbonPager.h"

#include "Math.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_Shapes.h"
#include "RurToolBar_ToolBar.h"

namespace {

int Nearest(double value) { return static_cast<int>(Round(value)); }

bool Windows7OrLater()
{
    int major = 0, minor = 0;
    GetOSVersion(major, minor);
    return major > 6 || (major == 6 && minor >= 1);
}

// The red close button of a caption without glass.
void SetRedCloseColours(TGlowButtonAppearance& a, TGroupStyle style)
{
    if (style == gsOffice2019) {
        for (auto set : {&TGlowButtonAppearance::SetColorHot, &TGlowButtonAppearance::SetColorHotTo,
                         &TGlowButtonAppearance::SetBorderColorHot, &TGlowButtonAppearance::SetColorMirrorHot,
                         &TGlowButtonAppearance::SetColorMirrorHotTo})
            (a.*set)(TColor(0x2311E8));
        a.SetTextColorHot(clWhite);
        for (auto set : {&TGlowButtonAppearance::SetColorDown, &TGlowButtonAppearance::SetColorDownTo,
                         &TGlowButtonAppearance::SetColorMirrorDown, &TGlowButtonAppearance::SetColorMirrorDownTo,
                         &TGlowButtonAppearance::SetBorderColorDown})
            (a.*set)(TColor(0x7A70F1));
        return;
    }
    a.SetColorHot(TColor(0x8384FF));
    a.SetColorHotTo(TColor(0x8384FF));
    a.SetColorMirrorHot(TColor(0x7373F1));
    a.SetColorMirrorHotTo(TColor(0x6261E3));
    a.SetBorderColorHot(TColor(0x3D3D9B));
    for (auto set : {&TGlowButtonAppearance::SetColorDown, &TGlowButtonAppearance::SetColorDownTo,
                     &TGlowButtonAppearance::SetColorMirrorDown, &TGlowButtonAppearance::SetColorMirrorDownTo})
        (a.*set)(TColor(0x6666FF));
    a.SetBorderColorDown(TColor(0x363689));
}

using TGlyphPainter = void (*)(TCanvas*, const TRect&, TColor, bool, TGroupStyle);

void DrawCloseGlyphThick(TCanvas* canvas, const TRect& r, TColor color, bool, TGroupStyle style)
{
    DrawCloseGlyph(canvas, r, color, 2, style);
}

// The glyph in one colour on a magenta ground that drawing leaves out.
void PaintGlyph(TGDIPPicture* picture, TBitmap& bitmap, TGlyphPainter paint, TColor color, bool thick,
                TGroupStyle style)
{
    bitmap.Canvas()->Brush()->SetColor(TColor(0xFF00FF));
    bitmap.Canvas()->FillRect(Rect(0, 0, bitmap.Width(), bitmap.Height()));
    paint(bitmap.Canvas(), Rect(0, 0, bitmap.Width(), bitmap.Height()), color, thick, style);
    picture->Assign(&bitmap);
}

} // namespace

void TRurToolBarPager::SetCaptionButtons(TCaptionButtons value)
{
    if (FCaptionButtons == value)
        return;
    FCaptionButtons = value;
    UpdateCaptionButtons(true);
    Invalidate();
}

TRurGlowButton* TRurToolBarPager::MakeCaptionButton(TNotifyEvent onClick, const String& hint)
{
    auto* button = new TRurGlowButton(this);
    button->SetParent(this);
    button->SetCaption(String());
    button->SetTransparent(true);
    button->SetOnClick(onClick);
    button->SetHint(hint);
    button->SetShowHint(true);
    return button;
}

void TRurToolBarPager::SkinCaptionButton(TRurGlowButton* button) const
{
    if (FOffice2013 && FGlowButtonAppearance)
        ApplyGlowAppearance(button);
    else if (FCurrentToolBarStyler)
        button->Appearance()->Assign(FCurrentToolBarStyler->GlowButtonAppearance());
}

void TRurToolBarPager::UpdateCaptionButtons(bool updateGlyphs)
{
    if (!FCaption->Visible() || FCaptionButtons.Empty()) {
        if (FCaptionCloseBtn || FCaptionMinBtn || FCaptionMaxBtn)
            FCaption->SetRightIndent(FOldCapRightIndent);
        for (TRurGlowButton** button : {&FCaptionCloseBtn, &FCaptionMinBtn, &FCaptionMaxBtn}) {
            delete *button;
            *button = nullptr;
        }
        return;
    }
    const bool flat2019 = FGroupStyle == gsOffice2019;
    const double s = DPIScale;
    int w, h, gap;
    if (flat2019) {
        h = FCaption->Height();
        w = Nearest(44 * s);
        gap = 1;
    } else {
        w = h = std::max(Nearest(16 * s), Nearest(16 * s) + Nearest(16 * (s - 1)) / 2);
        gap = 2;
    }
    if (!FCaptionCloseBtn) {
        FOldCapRightIndent = FCaption->RightIndent();
        FCaptionCloseBtn =
            MakeCaptionButton(MakeHandler<&TRurToolBarPager::CaptionCloseClick>(this), FHints->MDICloseBtnHint());
    }
    if (!FCaptionMinBtn)
        FCaptionMinBtn =
            MakeCaptionButton(MakeHandler<&TRurToolBarPager::CaptionMinClick>(this), FHints->MDIMinimizeBtnHint());
    if (!FCaptionMaxBtn)
        FCaptionMaxBtn =
            MakeCaptionButton(MakeHandler<&TRurToolBarPager::CaptionMaxClick>(this), FHints->MDIMaximizeBtnHint());
    TRurGlowButton* const buttons[] = {FCaptionCloseBtn, FCaptionMaxBtn, FCaptionMinBtn};
    for (TRurGlowButton* button : buttons) {
        button->SetWidth(w);
        button->SetHeight(h);
        button->SetRounded(!flat2019);
        SkinCaptionButton(button);
    }
    if (!FIsAeroVista && Windows7OrLater()) {
        SetRedCloseColours(*FCaptionCloseBtn->Appearance(), FGroupStyle);
        if (flat2019 && !(FOffice2013 && FGlowButtonAppearance) && FCaptionAppearance)
            for (TRurGlowButton* button : buttons)
                button->Appearance()->SetTextColor(FCaptionAppearance->CaptionTextColor());
    }

    const int border = GetPageBorder();
    int top = GetCaptionRect().Top + border;
    if (FOffice2013 && !flat2019)
        top += 4;
    FCaptionCloseBtn->SetBounds(Width() - border - w, top, w, h);
    FCaptionMaxBtn->SetBounds(FCaptionCloseBtn->Left() - gap - w, top, w, h);
    FCaptionMinBtn->SetBounds(FCaptionMaxBtn->Left() - gap - w, top, w, h);

    if (flat2019)
        FCaption->SetRightIndent(0);
    else if (FIsAeroVista)
        FCaption->SetRightIndent(GetCaptionButtonsRect().Width());
    else
        FCaption->SetRightIndent(std::max(FCaption->RightIndent(), Width() - FCaptionMinBtn->Left()));

    if (updateGlyphs && FCurrentToolBarStyler)
        DrawCaptionGlyphs();

    const bool own = !FIsAeroVista;
    FCaptionCloseBtn->SetVisible(own && FCaptionButtons.Contains(cbClose));
    FCaptionMinBtn->SetVisible(own && FCaptionButtons.Contains(cbMinimize));
    // A lone minimize button keeps a disabled maximize beside it.
    FCaptionMaxBtn->SetVisible(own && (FCaptionButtons.Contains(cbMaximize) || FCaptionMinBtn->Visible()));
    FCaptionCloseBtn->SetEnabled(FCaptionButtons.Contains(cbClose));
    FCaptionMinBtn->SetEnabled(FCaptionButtons.Contains(cbMinimize));
    FCaptionMaxBtn->SetEnabled(FCaptionButtons.Contains(cbMaximize));
    if (!ComponentState().Contains(csDesigning))
        for (TRurGlowButton* button : buttons)
            button->BringToFront();
}

void TRurToolBarPager::DrawCaptionGlyphs()
{
    TColor color = FCurrentToolBarStyler->SysButtonColor();
    if (FOffice2013 && FTabAppearance)
        color = FGroupStyle == gsOffice2019 && FCaptionAppearance ? FCaptionAppearance->CaptionTextColor()
                                                                    : FTabAppearance->TextColor();
    FCaptionCloseBtn->Appearance()->SetTextColor(color);
    FCaptionMaxBtn->Appearance()->SetTextColor(color);
    FCaptionMinBtn->Appearance()->SetTextColor(color);
    const TColor hot = FCaptionCloseBtn->Appearance()->TextColorHot();

    TBitmap bitmap;
    bitmap.SetWidth(std::max(FCaptionCloseBtn->Width() - 2, 1));
    bitmap.SetHeight(std::max(FCaptionCloseBtn->Height() - 2, 1));
    PaintGlyph(FCaptionCloseBtn->Picture(), bitmap, DrawCloseGlyphThick, color, true, FGroupStyle);
    PaintGlyph(FCaptionCloseBtn->HotPicture(), bitmap, DrawCloseGlyphThick, hot == clNone ? color : hot, true,
               FGroupStyle);
    if (const TCustomForm* form = GetParentForm()) {
        const TGlyphPainter paint = form->WindowState() != wsNormal ? DrawRestoreGlyph : DrawMaximizeGlyph;
        PaintGlyph(FCaptionMaxBtn->Picture(), bitmap, paint, color, false, FGroupStyle);
        PaintGlyph(FCaptionMaxBtn->HotPicture(), bitmap, paint, color, false, FGroupStyle);
    }
    PaintGlyph(FCaptionMinBtn->Picture(), bitmap, DrawMinimizeGlyph, color, false, FGroupStyle);
}

TRect TRurToolBarPager::GetCaptionButtonsRect()
{
    if (FIsAeroVista) {
        int major = 0, minor = 0;
        GetOSVersion(major, minor);
        int b = GlassCaptionButtonsWidth(ComponentState().Contains(csDesigning), major, minor, false);
        double f = 1;
        if (IsOfClassNamed(Parent(), u"TRurToolBarForm") && HandleAllocated()) {
            f = Screen->PixelsPerInch() / 96.0;
            b = Nearest(b * f);
        }
        const int d = std::min(Nearest(22 * f), FScaledPagerCaptionHeight - 5);
        return Rect(Width() - b, 0, Width(), d);
    }
    if (!FCaption->Visible() || FCaptionButtons.Empty())
        return Rect(-1, -1, -1, -1);
    if (!FCaptionCloseBtn || !FCaptionMinBtn || !FCaptionMaxBtn)
        UpdateCaptionButtons(false);
    return Rect(FCaptionMinBtn->Left(), FCaptionMaxBtn->Top(), FCaptionCloseBtn->Left() + FCaptionCloseBtn->Width(),
                FCaptionMaxBtn->Top() + FCaptionMaxBtn->Height());
}

void TRurToolBarPager::CaptionCloseClick(TObject* sender)
{
    if (FOnCloseButtonClick) {
        FOnCloseButtonClick(sender);
        return;
    }
    if (TCustomForm* form = GetParentForm())
        form->Close();
}

void TRurToolBarPager::ToggleParentFormMaximized()
{
    TCustomForm* form = GetParentForm();
    if (!form)
        return;
    if (form->WindowState() != wsNormal)
        form->SetWindowState(wsNormal);
    else {
        FCaptionClickXY = Point(-1, -1);
        form->SetWindowState(wsMaximized);
    }
    UpdateCaptionButtons(true);
}

void TRurToolBarPager::CaptionMaxClick(TObject* sender)
{
    if (FOnMaxButtonClick)
        FOnMaxButtonClick(sender);
    else
        ToggleParentFormMaximized();
}

void TRurToolBarPager::CaptionMinClick(TObject* sender)
{
    if (FOnMinButtonClick) {
        FOnMinButtonClick(sender);
        return;
    }
    TCustomForm* form = FMinimizeApp && Application->MainForm() ? Application->MainForm() : GetParentForm();
    if (form)
        form->SetWindowState(wsMinimized);
}
