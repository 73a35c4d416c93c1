// The page's face in the pager's colours, and the tab glow steps the pager's timer drives.
#include "RurRibbonPage.h"

#include <windows.h>

#include "RurGDIP.h"
#include "RurRibbonPager.h"
#include "RurToolBar_Colors.h"
#include "RurToolBar_Platform.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_ToolBar.h"

void TRurPage::Paint()
{
    if (!FRurToolBarPager || !FRurToolBarPager->CurrentToolBarStyler() || FUpdateCount > 0)
        return;
    const TVistaPageBackground* look = FRurToolBarPager->PageAppearanceInUse();
    SetColor(look->Color());
    const TRect r = ClientRect();
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetWidth(r.Width());
    bitmap->SetHeight(r.Height());
    PaintBackground(bitmap->Canvas(), r);
    Canvas()->Draw(0, 0, bitmap.get());

    const bool scenic = RurGDIP::GetScenicRibbon();
    TCanvas* canvas = Canvas();
    if (!FRurToolBarPager->Itones()) {
        if (!(FRurToolBarPager->IsAeroVista() && FRurToolBarPager->IsGlassActive(true)) &&
            look->ShadowColor() != clNone) {
            canvas->Pen()->SetColor(look->ShadowColor());
            canvas->MoveTo(r.Left + 2, r.Bottom - 1);
            canvas->LineTo(r.Right - 2, r.Bottom - 1);
        }
        if (!scenic && look->HighLightColor() != clNone) {
            canvas->Pen()->SetColor(look->HighLightColor());
            canvas->MoveTo(r.Left + 1, r.Top + 10);
            canvas->LineTo(r.Left + 1, r.Bottom - 2);
            canvas->MoveTo(r.Right - 2, r.Top + 10);
            canvas->LineTo(r.Right - 2, r.Bottom - 2);
            canvas->MoveTo(r.Left + 3, r.Bottom - 2);
            canvas->LineTo(r.Right - 2, r.Bottom - 2);
        }
    }

    // The active page's top row joins its tab to the page.
    if (FRurToolBarPager->ActivePage() == this) {
        const int index = PageIndex();
        const TRect tab = FRurToolBarPager->GetVisibleTabRect(index);
        if (tab.Left > 0 && tab.Right > 0 && FRurToolBarPager->TabSettings()->Height() > 0) {
            const int shift = FRurToolBarPager->GetPageBorder() + FRurToolBarPager->PageLeftMargin();
            canvas->Pen()->SetColor(look->Color());
            canvas->MoveTo(tab.Left - shift + 1, 0);
            canvas->LineTo(tab.Right - shift - 1, 0);
        }
    }

    // The branding picture shows only where no toolbar reaches.
    TPicture* branding = FRurToolBarPager->BrandingPicture();
    if (branding && branding->Graphic() && !branding->Graphic()->Empty()) {
        TGraphic* graphic = branding->Graphic();
        const int y = (r.Bottom - graphic->Height()) / 2;
        const int x = r.Right - graphic->Width() - y;
        const TRurToolBar* last = RurToolBars(RurToolBarCount() - 1);
        if ((last ? last->Left() + last->Width() : 0) < x)
            canvas->Draw(x, y, graphic);
    }
}

void TRurPage::PaintBackground(TCanvas* canvas, const TRect& r)
{
    const TVistaPageBackground* look = FRurToolBarPager->PageAppearanceInUse();
    if (FRurToolBarPager->Itones()) {
        DrawBandedFrame(canvas, r, 22, look->Color(), look->ColorTo(), look->ColorMirror(), look->ColorMirrorTo(),
                        clNone, 0);
        canvas->Pen()->SetColor(look->BorderColor());
        canvas->MoveTo(r.Left, r.Bottom - 1);
        canvas->LineTo(r.Right, r.Bottom - 1);
        canvas->MoveTo(r.Left, r.Top);
        canvas->LineTo(r.Right, r.Top);
        return;
    }
    // Behind the rounded corners lies the pager's colour.
    canvas->Brush()->SetColor(FRurToolBarPager->TabAppearanceInUse()->BackGround()->Color() != clNone
                                  ? FRurToolBarPager->TabAppearanceInUse()->BackGround()->Color()
                                  : look->Color());
    canvas->FillRect(r);
    DrawBandedFrame(canvas, r, 22, look->Color(), look->ColorTo(), look->ColorMirror(), look->ColorMirrorTo(),
                    look->BorderColor(), GetRoundRadius());
}

// ---- Tab glow ---------------------------------------------------------------------------------

void TRurPage::StartGlow(int increment)
{
    if (!FTimer && FRurToolBarPager && !FRurToolBarPager->Itones() && RibbonGlowInterval > 0) {
        FTimer = new TTimer(FRurToolBarPager);
        FTimer->SetInterval(static_cast<Cardinal>(RibbonGlowInterval));
        FTimer->SetOnTimer(MakeHandler<&TRurPage::GlowTimerTick>(this));
        FTimer->SetEnabled(true);
    }
    FTimeInc = increment;
}

void TRurPage::StopGlow()
{
    delete FTimer;
    FTimer = nullptr;
}

void TRurPage::GlowTimerTick(TObject*)
{
    switch (FGlowState) {
    case gsPush:
        FStepPush += FTimeInc;
        if ((FTimeInc > 0 && FStepPush > 100) || (FTimeInc < 0 && FStepPush < 0)) {
            StopGlow();
            FGlowState = gsNone;
            FStepPush = 0;
            return;
        }
        break;
    case gsHover:
        FStepHover += FTimeInc;
        if (FTimeInc > 0 && FStepHover > 100 && FRurToolBarPager) {
            FStepHover = 120;
            FStepPush = 0;
            POINT p{};
            GetCursorPos(&p);
            if (FRurToolBarPager->HandleAllocated())
                ::ScreenToClient(FRurToolBarPager->Handle(), &p);
            if (!FRurToolBarPager->GetTabRect(this).Contains(Point(p.x, p.y))) {
                FTimeInc = -20;
                FRurToolBarPager->FHotPageIndex = -1;
            }
            return;
        }
        if (FTimeInc < 0 && FStepHover < 0) {
            StopGlow();
            FGlowState = gsNone;
            FStepPush = 0;
            FStepHover = -20;
            if (FRurToolBarPager)
                FRurToolBarPager->InvalidateTabsArea();
            return;
        }
        break;
    case gsNone:
        return;
    }
    if (FRurToolBarPager)
        FRurToolBarPager->InvalidateTab(-1);
}
