// Colour values and their conversion to the RGB values GDI takes.
#include "Graphics.h"
#include "GraphicsUnit.h"
#include "Streaming.h"

TColor ColorToRGB(TColor color)
{
    if (color < 0)
        return static_cast<TColor>(GetSysColor(color & 0xFF));
    return color;
}

RECT ToWinRect(const TRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }

TRect FromWinRect(const RECT& r)
{
    return TRect{static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right),
                 static_cast<int>(r.bottom)};
}

void RegisterGraphicsIdents()
{
    RegisterIntegerConsts(u"TColor", {
        {clBlack, u"clBlack"}, {clMaroon, u"clMaroon"}, {clGreen, u"clGreen"}, {clOlive, u"clOlive"},
        {clNavy, u"clNavy"}, {clPurple, u"clPurple"}, {clTeal, u"clTeal"}, {clGray, u"clGray"},
        {clSilver, u"clSilver"}, {clRed, u"clRed"}, {clLime, u"clLime"}, {clYellow, u"clYellow"},
        {clBlue, u"clBlue"}, {clFuchsia, u"clFuchsia"}, {clAqua, u"clAqua"}, {clWhite, u"clWhite"},
        {clMoneyGreen, u"clMoneyGreen"}, {clSkyBlue, u"clSkyBlue"}, {clCream, u"clCream"}, {clMedGray, u"clMedGray"},
        {clActiveBorder, u"clActiveBorder"}, {clActiveCaption, u"clActiveCaption"},
        {clAppWorkSpace, u"clAppWorkSpace"}, {clBackground, u"clBackground"}, {clBtnFace, u"clBtnFace"},
        {clBtnHighlight, u"clBtnHighlight"}, {clBtnShadow, u"clBtnShadow"}, {clBtnText, u"clBtnText"},
        {clCaptionText, u"clCaptionText"}, {clDefault, u"clDefault"},
        {clGradientActiveCaption, u"clGradientActiveCaption"},
        {clGradientInactiveCaption, u"clGradientInactiveCaption"}, {clGrayText, u"clGrayText"},
        {clHighlight, u"clHighlight"}, {clHighlightText, u"clHighlightText"}, {clHotLight, u"clHotLight"},
        {clInactiveBorder, u"clInactiveBorder"}, {clInactiveCaption, u"clInactiveCaption"},
        {clInactiveCaptionText, u"clInactiveCaptionText"}, {clInfoBk, u"clInfoBk"}, {clInfoText, u"clInfoText"},
        {clMenu, u"clMenu"}, {clMenuBar, u"clMenuBar"}, {clMenuHighlight, u"clMenuHighlight"},
        {clMenuText, u"clMenuText"}, {clNone, u"clNone"}, {clScrollBar, u"clScrollBar"}, {cl3DDkShadow, u"cl3DDkShadow"},
        {cl3DLight, u"cl3DLight"}, {clWindow, u"clWindow"}, {clWindowFrame, u"clWindowFrame"},
        {clWindowText, u"clWindowText"},
    });
    RegisterIntegerConsts(u"TFontCharset", {
        {ANSI_CHARSET, u"ANSI_CHARSET"}, {DEFAULT_CHARSET, u"DEFAULT_CHARSET"}, {SYMBOL_CHARSET, u"SYMBOL_CHARSET"},
        {MAC_CHARSET, u"MAC_CHARSET"}, {SHIFTJIS_CHARSET, u"SHIFTJIS_CHARSET"}, {HANGEUL_CHARSET, u"HANGEUL_CHARSET"},
        {JOHAB_CHARSET, u"JOHAB_CHARSET"}, {GB2312_CHARSET, u"GB2312_CHARSET"},
        {CHINESEBIG5_CHARSET, u"CHINESEBIG5_CHARSET"}, {GREEK_CHARSET, u"GREEK_CHARSET"},
        {TURKISH_CHARSET, u"TURKISH_CHARSET"}, {VIETNAMESE_CHARSET, u"VIETNAMESE_CHARSET"},
        {HEBREW_CHARSET, u"HEBREW_CHARSET"}, {ARABIC_CHARSET, u"ARABIC_CHARSET"}, {BALTIC_CHARSET, u"BALTIC_CHARSET"},
        {RUSSIAN_CHARSET, u"RUSSIAN_CHARSET"}, {THAI_CHARSET, u"THAI_CHARSET"},
        {EASTEUROPE_CHARSET, u"EASTEUROPE_CHARSET"}, {OEM_CHARSET, u"OEM_CHARSET"},
    });
}
