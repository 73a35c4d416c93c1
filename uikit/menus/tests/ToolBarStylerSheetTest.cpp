// The contact sheet of every look, written beside the program: a toolbar face painted from the
// styler with the toolbar unit's painters (dock band, two-half body and border, right-hand handle,
// glow buttons normal, hot, down and checked, toolbar buttons hot and checked, caption), and a real
// dock panel with a real toolbar on it painting itself under the look.
#include <gtest/gtest.h>

#include <algorithm>

#include "Forms.h"
#include "GuiTestSupport.h"
#include "RurToolBarStylers.h"
#include "RurToolBar_Button.h"
#include "RurToolBar_Colors.h"
#include "RurToolBar_Controls.h"
#include "RurToolBar_DockPanel.h"
#include "RurToolBar_ToolBar.h"
#include "RurToolBar_Vista.h"
#include "ToolBarTestSupport.h"

namespace {

void Fill(TCanvas* canvas, const TRect& r, TColor from, TColor to, bool horizontal = false)
{
    if (from == clNone)
        return;
    DrawGradient(canvas, from, to == clNone ? from : to, 16, r, horizontal);
}

void Frame(TCanvas* canvas, const TRect& r, TColor colour)
{
    if (colour == clNone)
        return;
    canvas->Brush()->SetColor(colour);
    canvas->FrameRect(r);
}

struct GlowState {
    TColor Color, ColorTo, Mirror, MirrorTo, Border;
    TGDIPGradient Gradient, GradientMirror;
};

void PaintLook(TCanvas* canvas, const TRurToolBarOfficeStyler& s)
{
    const TRect all = Rect(0, 0, 380, 44);
    Fill(canvas, all, s.DockColor()->Color(), s.DockColor()->ColorTo(), s.DockColor()->Direction() == gdHorizontal);
    const TRect face = Rect(4, 6, 352, 38);
    const TVistaGradientBackground& c = *s.Color();
    DrawVistaGradient(canvas, face, c.Color(), c.ColorTo(), c.Mirror()->ColorMirror(), c.Mirror()->ColorMirrorTo(),
                      s.BorderColor(), ggVertical, ggVertical, s.RoundEdges());
    Fill(canvas, Rect(352, 6, 364, 38), s.RightHandleColor(), s.RightHandleColorTo());
    const TGlowButtonAppearance& g = *s.GlowButtonAppearance();
    const GlowState states[] = {
        {g.Color(), g.ColorTo(), g.ColorMirror(), g.ColorMirrorTo(), g.BorderColor(), g.Gradient(), g.GradientMirror()},
        {g.ColorHot(), g.ColorHotTo(), g.ColorMirrorHot(), g.ColorMirrorHotTo(), g.BorderColorHot(), g.GradientHot(),
         g.GradientMirrorHot()},
        {g.ColorDown(), g.ColorDownTo(), g.ColorMirrorDown(), g.ColorMirrorDownTo(), g.BorderColorDown(),
         g.GradientDown(), g.GradientMirrorDown()},
        {g.ColorChecked(), g.ColorCheckedTo(), g.ColorMirrorChecked(), g.ColorMirrorCheckedTo(), g.BorderColorChecked(),
         g.GradientChecked(), g.GradientMirrorChecked()},
    };
    int x = 12;
    for (const GlowState& st : states) {
        DrawVistaButton(canvas, Rect(x, 10, x + 40, 34), st.Color, st.ColorTo, st.Mirror, st.MirrorTo, st.Border,
                        st.Gradient, st.GradientMirror, bpStandalone, true, false, true);
        x += 46;
    }
    const TButtonAppearance& b = *s.ButtonAppearance();
    Fill(canvas, Rect(x, 10, x + 34, 34), b.ColorHot(), b.ColorHotTo());
    Frame(canvas, Rect(x, 10, x + 34, 34), b.BorderHotColor());
    x += 40;
    Fill(canvas, Rect(x, 10, x + 34, 34), b.ColorChecked(), b.ColorCheckedTo());
    Frame(canvas, Rect(x, 10, x + 34, 34), b.BorderCheckedColor());
    x += 40;
    const TCaptionAppearance& cap = *s.CaptionAppearance();
    const TRect caption = Rect(x, 10, 346, 34);
    Fill(canvas, caption, cap.CaptionColor(), cap.CaptionColorTo());
    canvas->Brush()->SetStyle(bsClear);
    canvas->Font()->Assign(s.Font());
    canvas->Font()->SetColor(cap.CaptionTextColor() == clNone ? clBlack : cap.CaptionTextColor());
    canvas->TextOut(caption.Left + 4, caption.Top + 5, u"Aa");
}

} // namespace

TEST(ToolBarStylerSheet, EveryLookPaintsAToolBar)
{
    for (int v = 0; v < TavinEnumCount(static_cast<TToolBarStyle*>(nullptr)); ++v) {
        const auto style = static_cast<TToolBarStyle>(v);
        if (style == bsCustom)
            continue;
        TRurToolBarOfficeStyler styler(nullptr);
        styler.SetStyle(style);
        auto bitmap = Bitmap32(380, 44);
        PaintLook(bitmap->Canvas(), styler);
        // The dock band starts in the look's dock colour.
        EXPECT_EQ(PixelOf(bitmap.get(), 0, 0), ColorToRGB(styler.DockColor()->Color()))
            << ToUtf8(EnumInfoOf<TToolBarStyle>().Name(style));
        AddToContactSheet(EnumInfoOf<TToolBarStyle>().Name(style), bitmap.get());
    }
}

namespace {

// A 16 x 16 glyph: a coloured square on the transparent white.
std::unique_ptr<TBitmap> SquareGlyph(TColor colour)
{
    auto glyph = Bitmap32(16, 16);
    glyph->Canvas()->Brush()->SetColor(colour);
    glyph->Canvas()->FillRect(Rect(3, 3, 13, 13));
    return glyph;
}

// Each channel of the colour lies between those of the two ends.
bool Between(TColor colour, TColor from, TColor to)
{
    for (int shift = 0; shift <= 16; shift += 8) {
        const int c = (colour >> shift) & 0xFF, a = (from >> shift) & 0xFF, b = (to >> shift) & 0xFF;
        if (c < std::min(a, b) || c > std::max(a, b))
            return false;
    }
    return true;
}

// The dock panel with the toolbar drawn where it lies on it.
std::unique_ptr<TBitmap> DockWithToolBar(TRurDockPanel* dock, TRurToolBar* toolBar)
{
    auto picture = Snapshot(dock);
    picture->Canvas()->Draw(toolBar->Left(), toolBar->Top(), Snapshot(toolBar).get());
    return picture;
}

} // namespace

TEST(ToolBarStylerSheet, EveryLookPaintsARealToolBar)
{
    TForm form(nullptr);
    form.SetBounds(30, 30, 460, 160);
    auto* dock = new TRurDockPanel(&form);
    dock->SetParent(&form);
    auto* toolBar = new TRurToolBar(&form);
    toolBar->SetName(u"Sheet");
    toolBar->SetParent(dock);
    const TColor glyphs[] = {clRed, 0x00A000, clBlue, 0x00A0A0};
    for (int i = 0; i < 4; ++i) {
        if (i == 2)
            (new TRurToolBarSeparator(&form))->SetRurToolBar(toolBar);
        auto* button = new TRurToolBarButton(&form);
        button->SetGlyph(SquareGlyph(glyphs[i]).get());
        button->SetRurToolBar(toolBar);
        if (i == 1) {
            button->SetStyle(tasCheck);
            button->SetDown(true);
        }
    }
    ASSERT_TRUE(ShowActive(&form));
    TRurToolBarOfficeStyler styler(&form);
    dock->SetToolBarStyler(&styler);
    ASSERT_EQ(toolBar->CurrentToolBarStyler(), &styler) << "the docked toolbar follows its panel";
    for (int v = 0; v < TavinEnumCount(static_cast<TToolBarStyle*>(nullptr)); ++v) {
        const auto style = static_cast<TToolBarStyle>(v);
        if (style == bsCustom)
            continue;
        styler.SetStyle(style);
        PumpFor(20);
        auto picture = DockWithToolBar(dock, toolBar);
        const std::string name = ToUtf8(EnumInfoOf<TToolBarStyle>().Name(style));
        // The panel shows the look's dock gradient beside the toolbar, the toolbar its own body.
        const int x = toolBar->Left() + toolBar->Width() + 4;
        ASSERT_LT(x, dock->Width()) << name;
        const TGradientBackground& band = *styler.DockColor();
        EXPECT_TRUE(Between(PixelOf(picture.get(), x, dock->Height() / 2), ColorToRGB(band.Color()),
                            ColorToRGB(band.ColorTo())))
            << name;
        EXPECT_NE(CountOf(picture.get(), toolBar->BoundsRect(), ColorToRGB(styler.DockColor()->Color())),
                  toolBar->Width() * toolBar->Height())
            << name;
        AddToContactSheet(EnumInfoOf<TToolBarStyle>().Name(style) + u" (toolbar)", picture.get());
    }
}
