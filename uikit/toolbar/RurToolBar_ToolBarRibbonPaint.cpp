// What a ribbon group paints with from its pager: the colours of the tab group its page lies in,
// the pager's colour tones, and the separator strip at its right edge in place of a frame.
#include "RurColorRules.h"
#include "RurGDIP.h"
#include "RurToolBar_Appearances.h"
#include "RurToolBar_Colors.h"
#include "RurToolBar_RibbonHost.h"
#include "RurToolBar_Styler.h"
#include "RurToolBar_ToolBar.h"

TRurCustomToolBar::TRibbonColours TRurCustomToolBar::RibbonColours() const
{
    TRibbonColours colours;
    TCustomRurToolBarStyler* s = FCurrentToolBarStyler;
    colours.Separator = s->TabAppearance()->BorderColor();
    IRibbonGroupHost* host = FToolBarState == tsFloating ? nullptr : RibbonHost();
    if (!host)
        return colours;
    const TGroupAppearance* own = nullptr;
    if (host->TabGroupColours(own)) {
        colours.Group = own ? own : s->GroupAppearance();
        colours.Separator = colours.Group->BorderColor();
    }
    if (host->PagerTonesActive()) {
        colours.Tones = true;
        colours.TonesLook = host->PagerToolBarAppearance();
        colours.TonesText = host->PagerToolBarCaptionTextColor();
    }
    return colours;
}

bool TRurCustomToolBar::PaintRibbonSeparator(const TRect& body, const TBodyLook& look, const TRibbonColours& ribbon)
{
    IRibbonGroupHost* host = RibbonHost();
    if (!(RurGDIP::GetScenicRibbon() || ribbon.Tones) || !host || !host->HasPager())
        return false;
    TCanvas* canvas = Canvas();
    auto line = [canvas](int x, int top, int bottom) {
        canvas->MoveTo(x, top);
        canvas->LineTo(x, bottom);
    };
    // A clone stands alone in its compact window: no neighbour to be parted from.
    const bool clone = OnCompactWindow() && FSelfClone;
    const int x = body.Right - 3;
    if (ribbon.Tones && !FCompact) {
        if (!clone)
            line(body.Right - 2, body.Top, body.Bottom);
    } else if (host->PagerGlassActive()) {
        HDC dc = canvas->Handle();
        const int bottom = ClientRect().Bottom;
        DrawTwoColorAlphaGradient(dc, TRect{body.Right - 4, body.Top, body.Right, bottom}, look.Color,
                                  BlendColor(look.Color, clWhite, 50), 60, 255);
        if (!ribbon.Group) {
            DrawTwoColorAlphaGradient(dc, TRect{x, body.Top, x + 1, bottom}, ribbon.Separator, ribbon.Separator, 60, 255);
        } else {
            const TColor tab = FCurrentToolBarStyler->TabAppearance()->BorderColor();
            const int middle = body.Top + (bottom - body.Top) / 2;
            DrawTwoColorAlphaGradient(dc, TRect{x, body.Top, x + 1, middle}, tab, tab, 50, 140);
            DrawTwoColorAlphaGradient(dc, TRect{x, middle, x + 1, bottom}, tab, ribbon.Separator, 140, 210);
        }
    } else if (!clone) {
        // A broad stroke of the body's colour with the border's thin one inside it.
        canvas->Pen()->SetColor(look.Color);
        canvas->Pen()->SetWidth(3);
        line(x, body.Top + 5, body.Bottom - 5);
        canvas->Pen()->SetWidth(1);
        canvas->Pen()->SetColor(look.Border);
        line(x, body.Top + 6, body.Bottom - 6);
    }
    return true;
}
