#include "RurMenus_SmoothText.h"

#include "FwGdiPlus.h"
#include "Math.h"

using namespace fwgdip;

struct TSmoothText::TState {
    explicit TState(HDC dc) : Graphics(dc) {}
    TGPGraphics Graphics;
    TGPStringFormat Format{StringFormatFlagsNoWrap};
};

bool SmoothTextAvailable()
{
    return GdiPlusStarted();
}

TSmoothText::TSmoothText(TCanvas* canvas, bool clearType) : FState(std::make_unique<TState>(canvas->Handle()))
{
    FState->Graphics.SetTextRenderingHint(clearType ? TextRenderingHintClearTypeGridFit : TextRenderingHintAntiAlias);
    FState->Format.SetHotkeyPrefix(HotkeyPrefixShow);
}

TSmoothText::~TSmoothText() = default;

void TSmoothText::Draw(const String& text, TFont* font, bool bold, TColor color, const TRect& r, TAlign align,
                       bool centreLines)
{
    static constexpr StringAlignment Alignments[] = {StringAlignmentNear, StringAlignmentCenter, StringAlignmentFar};
    const TGPFont gpFont(font->Name(), static_cast<REAL>(font->Size()), bold ? FontStyleBold : FontStyleRegular);
    const TColor rgb = ColorToRGB(color);
    const TGPSolidBrush brush(0xFF000000u | GetRValue(rgb) << 16 | GetGValue(rgb) << 8 | GetBValue(rgb));
    FState->Format.SetAlignment(Alignments[align]);
    FState->Format.SetLineAlignment(centreLines ? StringAlignmentCenter : StringAlignmentNear);
    FState->Graphics.DrawString(text, gpFont,
                                MakeRect(static_cast<REAL>(r.Left), static_cast<REAL>(r.Top),
                                         static_cast<REAL>(r.Width()), static_cast<REAL>(r.Height())),
                                &FState->Format, brush);
}

int TSmoothText::LineHeight(TFont* font)
{
    const TGPFont gpFont(font->Name(), static_cast<REAL>(font->Size()));
    TGPRectF box;
    FState->Graphics.MeasureString(u"gh", gpFont, MakeRect(0, 0, 1000, 1000), &FState->Format, box);
    return static_cast<int>(Round(box.Height));
}
