#include "RurMenuUtil.h"

namespace RurMenuUtil {

HFONT CreateRotatedFont(TFont* font, int angle)
{
    LOGFONTW lf{};
    lf.lfHeight = font->Height();
    lf.lfEscapement = angle * 10;
    lf.lfWeight = font->Style().Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = font->Style().Contains(fsItalic);
    lf.lfUnderline = font->Style().Contains(fsUnderline);
    lf.lfStrikeOut = font->Style().Contains(fsStrikeOut);
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfPitchAndFamily = font->Pitch() == fpVariable ? VARIABLE_PITCH : font->Pitch() == fpFixed ? FIXED_PITCH
                                                                                                  : DEFAULT_PITCH;
    const String& name = font->Name();
    const size_t length = std::min(name.size(), std::size(lf.lfFaceName) - 1);
    std::copy_n(name.begin(), length, lf.lfFaceName);
    return CreateFontIndirectW(&lf);
}

void CenterRect(TRect& r, int width, int height)
{
    r.Right = (r.Left + r.Right + width) / 2;
    r.Left = r.Right - width;
    r.Bottom = (r.Top + r.Bottom + height) / 2;
    r.Top = r.Bottom - height;
}

TRect BitmapRect(TBitmap* bitmap)
{
    return bitmap ? Rect(0, 0, bitmap->Width(), bitmap->Height()) : Rect(0, 0, 0, 0);
}

void ColorToRGBParts(TColor color, Byte& red, Byte& green, Byte& blue)
{
    const TColor rgb = ColorToRGB(color);
    red = GetRValue(rgb);
    green = GetGValue(rgb);
    blue = GetBValue(rgb);
}

void RaiseInvalidPropertyIndex(int index)
{
    throw EInvalidPropertyIndex::CreateFmt(u"Invalid property index %d.", {index});
}

} // namespace RurMenuUtil
