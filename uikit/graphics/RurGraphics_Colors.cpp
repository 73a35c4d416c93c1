// Colour names and HTML colour notations to colours and back, and a colour's channels.
#include "RurGraphics.h"
#include "SysUtils.h"

namespace {

constexpr char16_t HexDigits[] = u"0123456789ABCDEF";

void PutHex(String& s, size_t at, Byte value)
{
    s[at] = HexDigits[value >> 4];
    s[at + 1] = HexDigits[value & 15];
}

Byte HexPair(const String& AHTML, size_t at)
{
    // A text too short for the pair gives fewer digits, which the conversion refuses.
    const String pair = at < AHTML.size() ? AHTML.substr(at, 2) : String();
    return static_cast<Byte>(StrToInt(u"$" + pair) & 0xFF);
}

} // namespace

Byte TRurGraphics::GetColorRed(TColor AColor) { return static_cast<Byte>(ColorToRGB(AColor) & 0xFF); }
Byte TRurGraphics::GetColorGreen(TColor AColor) { return static_cast<Byte>((ColorToRGB(AColor) >> 8) & 0xFF); }
Byte TRurGraphics::GetColorBlue(TColor AColor) { return static_cast<Byte>((ColorToRGB(AColor) >> 16) & 0xFF); }

String TRurGraphics::ColorToHTML(TColor AColor)
{
    String s = u"#RRGGBB";
    PutHex(s, 1, GetColorRed(AColor));
    PutHex(s, 3, GetColorGreen(AColor));
    PutHex(s, 5, GetColorBlue(AColor));
    return s;
}

TColor TRurGraphics::HTMLToColor(const String& AHTML)
{
    if (AHTML.empty())
        return gcNoColor;
    String digits = AHTML;
    if (AHTML.size() == 4)
        digits = String(1, AHTML[0]) + String(2, AHTML[1]) + String(2, AHTML[2]) + String(2, AHTML[3]);
    return HexPair(digits, 1) + HexPair(digits, 3) * 256 + HexPair(digits, 5) * 65536;
}

TColor TRurGraphics::TextToColor(const String& AText)
{
    String s = LowerCase(AText);
    if (s.starts_with(u"cl"))
        s.erase(0, 2);
    if (s.starts_with(u"cla"))
        s.erase(0, 3);
    if (s.starts_with(u"gc"))
        s.erase(0, 2);
    TStringList* names = NamedColorList();
    if (!names)
        return 0;
    const int index = names->IndexOf(s);
    if (index < 0)
        return 0;
    return static_cast<TRurGraphicsColorObject*>(names->Objects(index))->Color();
}
